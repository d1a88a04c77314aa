#include "framework/testing/Colors.h"

#include "framework/Control.h"
#include "framework/detail/WidgetHost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>

namespace fw::testing {
namespace {

// As a dark desktop theme sets them, in every colour group.
const struct {
    QPalette::ColorRole role;
    QRgb color;
} kDarkRoles[] = {
    {QPalette::Window, 0x323232},        {QPalette::WindowText, 0xF0F0F0}, {QPalette::Base, 0x242424},
    {QPalette::AlternateBase, 0x2B2B2B}, {QPalette::Text, 0xF0F0F0},       {QPalette::PlaceholderText, 0xA0A0A0},
    {QPalette::Button, 0x323232},        {QPalette::ButtonText, 0xF0F0F0}, {QPalette::BrightText, 0x4B4B4B},
    {QPalette::Light, 0x4B4B4B},         {QPalette::Midlight, 0x2A2A2A},   {QPalette::Mid, 0x262626},
    {QPalette::Dark, 0x212121},          {QPalette::Shadow, 0x191919},     {QPalette::Highlight, 0x15539E},
    {QPalette::HighlightedText, 0xF0F0F0}, {QPalette::Link, 0x15539E},     {QPalette::ToolTipBase, 0x323232},
    {QPalette::ToolTipText, 0xF0F0F0}};

QPalette DarkPalette() {
    QPalette palette;
    for (const auto& entry : kDarkRoles) palette.setColor(entry.role, QColor(entry.color));
    return palette;
}

Color ToColor(const QColor& color) { return color.rgb() & 0xFFFFFFu; }

// The colour of the nearest widget, from this one up, that fills its background; a
// window always does.
QColor Behind(const QWidget& widget, QPalette::ColorGroup group) {
    const QWidget* filled = &widget;
    while (!filled->autoFillBackground() && !filled->isWindow()) filled = filled->parentWidget();
    return filled->palette().color(group, filled->backgroundRole());
}

DrawnColors Drawn(const QWidget& widget, QPalette::ColorGroup group) {
    const QPalette& p = widget.palette();
    if (qobject_cast<const QAbstractButton*>(&widget))
        return {ToColor(p.color(group, QPalette::ButtonText)), ToColor(p.color(group, QPalette::Button))};
    if (qobject_cast<const QLineEdit*>(&widget)) {
        const QColor base = p.color(group, QPalette::Base);
        const QColor background = base.alpha() == 0 ? Behind(*widget.parentWidget(), group) : base;
        return {ToColor(p.color(group, QPalette::Text)), ToColor(background)};
    }
    if (auto* area = qobject_cast<const QPlainTextEdit*>(&widget))
        return {ToColor(p.color(group, QPalette::Text)),
                ToColor(area->viewport()->palette().color(group, QPalette::Base))};
    return {ToColor(p.color(group, QPalette::WindowText)), ToColor(Behind(widget, group))};  // a label
}

}  // namespace

ScopedDarkDesktopPalette::ScopedDarkDesktopPalette()
    : previous_(std::make_unique<QPalette>(QApplication::palette())) {
    QApplication::setPalette(DarkPalette());
}

ScopedDarkDesktopPalette::~ScopedDarkDesktopPalette() { QApplication::setPalette(*previous_); }

DrawnColors DrawnColorsOf(const RectControl& control, ColorGroup group) {
    return Drawn(*control.Host().widget, group == ColorGroup::Active ? QPalette::Active : QPalette::Inactive);
}

}  // namespace fw::testing
