#include "framework/detail/AreaWidget.h"

#include "framework/TextArea.h"
#include "framework/detail/KeyText.h"

#include <QFontMetricsF>
#include <QMimeData>

#include <climits>

namespace fw::detail {
namespace {

// What a key would type: a line end for Return or Enter, else its printable text, and
// a tab only where Tab does not move the focus.
int TypedLength(const QKeyEvent& key, bool tabsTyped) {
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) return 1;
    const QString text = key.text();
    if (text.isEmpty()) return 0;
    if (text.front() == QChar('\t')) return tabsTyped ? 1 : 0;
    return text.front().isPrint() ? static_cast<int>(text.size()) : 0;
}

// The text cut to room characters, without splitting a surrogate pair.
QString Fit(const QString& text, int room) {
    if (text.size() <= room) return text;
    if (room > 0 && text.at(room - 1).isHighSurrogate()) --room;
    return text.left(std::max(room, 0));
}

}  // namespace

AreaWidget::AreaWidget(TextArea& control, QWidget* parent) : QPlainTextEdit(parent), control_(control) {
    SetTabStops();
}

void AreaWidget::ProgramChange(const std::function<void()>& change) {
    document()->setUndoRedoEnabled(false);  // clears both stacks
    change();
    document()->setUndoRedoEnabled(true);
}

bool AreaWidget::event(QEvent* event) {
    auto keyDown = [this](const std::string& key) { return control_.KeyDown.Raise(control_, key); };
    if (OfferKeyPress(*event, control_, keyDown)) return true;
    if (event->type() == QEvent::FontChange) SetTabStops();
    return QPlainTextEdit::event(event);
}

// The program's tab-laid tables were drawn for narrow tab stops: a word such as
// "Model" spans one, a name such as "X1" does not. The toolkit's 80 pixels spread
// such a table wider than its window.
void AreaWidget::SetTabStops() { setTabStopDistance(4 * QFontMetricsF(font()).averageCharWidth()); }

int AreaWidget::Room() const {
    if (maxChars <= 0) return INT_MAX;
    const QTextCursor cursor = textCursor();
    const int kept = document()->characterCount() - 1 - (cursor.selectionEnd() - cursor.selectionStart());
    return std::max(maxChars - kept, 0);
}

void AreaWidget::keyPressEvent(QKeyEvent* event) {
    if (TypedLength(*event, !tabChangesFocus()) > Room()) return event->accept();
    QPlainTextEdit::keyPressEvent(event);
}

void AreaWidget::insertFromMimeData(const QMimeData* source) {
    const int room = Room();
    if (!source->hasText() || source->text().size() <= room) return QPlainTextEdit::insertFromMimeData(source);
    if (room == 0) return;
    QMimeData fitted;
    fitted.setText(Fit(source->text(), room));
    QPlainTextEdit::insertFromMimeData(&fitted);
}

void AreaWidget::inputMethodEvent(QInputMethodEvent* event) {
    const int room = Room();
    if (event->commitString().size() <= room) return QPlainTextEdit::inputMethodEvent(event);
    QInputMethodEvent fitted(event->preeditString(), event->attributes());
    fitted.setCommitString(Fit(event->commitString(), room), event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&fitted);
}

}  // namespace fw::detail
