#pragma once
// The plain-text editor behind a TextArea. Keys reach the area's KeyDown before the
// editor (and before Tab moves the focus).
#include <QPlainTextEdit>

#include <functional>

namespace fw {
class TextArea;
}

namespace fw::detail {

class AreaWidget : public QPlainTextEdit {
public:
    AreaWidget(TextArea& control, QWidget* parent);

    // Makes a change the program asks for (text set or appended, a style): it is no
    // undo step, and it ends the undo history, so Undo and Redo reach only the user's
    // own edits.
    void ProgramChange(const std::function<void()>& change);

protected:
    bool event(QEvent* event) override;

private:
    void SetTabStops();
    TextArea& control_;
};

}  // namespace fw::detail
