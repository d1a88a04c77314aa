#pragma once
// The line edit behind a TextField. Keys reach the field's KeyDown before the line edit
// (and before Tab moves the focus); a read-only field whose text holds CRs draws its
// lines one under another.
#include <QLineEdit>

#include <string>

namespace fw {
class TextField;
}

namespace fw::detail {

class FieldWidget : public QLineEdit {
public:
    FieldWidget(TextField& control, QWidget* parent);

    // What was set, as the property set names it.
    std::string mask;
    int maxChars = 0;
    int textAlignment = 0;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintLines();
    TextField& control_;
};

}  // namespace fw::detail
