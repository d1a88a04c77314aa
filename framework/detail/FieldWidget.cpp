#include "framework/detail/FieldWidget.h"

#include "framework/TextField.h"
#include "framework/detail/KeyText.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace fw::detail {

FieldWidget::FieldWidget(TextField& control, QWidget* parent) : QLineEdit(parent), control_(control) {}

bool FieldWidget::event(QEvent* event) {
    auto keyDown = [this](const std::string& key) { return control_.KeyDown.Raise(control_, key); };
    if (OfferKeyPress(*event, control_, keyDown)) return true;
    return QLineEdit::event(event);
}

void FieldWidget::paintEvent(QPaintEvent* event) {
    if (isReadOnly() && text().contains(QChar('\r')))
        PaintLines();
    else
        QLineEdit::paintEvent(event);
}

void FieldWidget::PaintLines() {
    QPainter painter(this);
    if (hasFrame()) {
        QStyleOptionFrame panel;
        initStyleOption(&panel);
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    }
    QString lines = text();
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(rect().adjusted(2, 0, -2, 0), int(alignment()), lines);
}

}  // namespace fw::detail
