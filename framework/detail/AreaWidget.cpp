#include "framework/detail/AreaWidget.h"

#include "framework/TextArea.h"
#include "framework/detail/KeyText.h"

#include <QFontMetricsF>

namespace fw::detail {

AreaWidget::AreaWidget(TextArea& control, QWidget* parent) : QPlainTextEdit(parent), control_(control) {
    SetTabStops();
}

void AreaWidget::ProgramChange(const std::function<void()>& change) {
    document()->setUndoRedoEnabled(false);  // clears both stacks
    change();
    document()->setUndoRedoEnabled(true);
}

bool AreaWidget::event(QEvent* event) {
    if (OfferKeyPress(*event, [this](const std::string& key) { return control_.KeyDown.Raise(control_, key); }))
        return true;
    if (event->type() == QEvent::FontChange) SetTabStops();
    return QPlainTextEdit::event(event);
}

// The program's tab-laid tables were drawn for narrow tab stops: a word such as
// "Model" spans one, a name such as "X1" does not. The toolkit's 80 pixels spread
// such a table wider than its window.
void AreaWidget::SetTabStops() { setTabStopDistance(4 * QFontMetricsF(font()).averageCharWidth()); }

}  // namespace fw::detail
