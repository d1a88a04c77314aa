#pragma once
// The plain-text editor behind a TextArea. Keys reach the area's KeyDown before the
// editor (and before Tab moves the focus).
#include <QPlainTextEdit>

namespace fw {
class TextArea;
}

namespace fw::detail {

class AreaWidget : public QPlainTextEdit {
public:
    AreaWidget(TextArea& control, QWidget* parent);

protected:
    bool event(QEvent* event) override;

private:
    void SetTabStops();
    TextArea& control_;
};

}  // namespace fw::detail
