#include "framework/detail/AreaWidget.h"

#include "framework/TextArea.h"
#include "framework/detail/KeyText.h"

namespace fw::detail {

AreaWidget::AreaWidget(TextArea& control, QWidget* parent) : QPlainTextEdit(parent), control_(control) {}

bool AreaWidget::event(QEvent* event) {
    if (OfferKeyPress(*event, [this](const std::string& key) { return control_.KeyDown.Raise(control_, key); }))
        return true;
    return QPlainTextEdit::event(event);
}

}  // namespace fw::detail
