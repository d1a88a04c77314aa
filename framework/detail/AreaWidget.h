#pragma once
// The plain-text editor behind a TextArea. Keys reach the area's KeyDown before the
// editor (and before Tab moves the focus). With a limit, typing, pasting and input
// methods stop at that many characters; the program's own text is not cut.
#include <QPlainTextEdit>

#include <functional>

namespace fw {
class TextArea;
}

namespace fw::detail {

class AreaWidget : public QPlainTextEdit {
public:
    AreaWidget(TextArea& control, QWidget* parent);

    int maxChars = 0;  // 0: no limit

    // Makes a change the program asks for (text set or appended, a style): it is no
    // undo step, and it ends the undo history, so Undo and Redo reach only the user's
    // own edits.
    void ProgramChange(const std::function<void()>& change);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void SetTabStops();
    int Room() const;  // how many more characters the user may add
    TextArea& control_;
};

}  // namespace fw::detail
