#include "framework/detail/LightPalette.h"

namespace fw::detail {
namespace {

// Each role's colour in an active or inactive window, which look alike, and in a
// disabled control.
struct RoleColors {
    QPalette::ColorRole role;
    QRgb enabled;  // active and inactive
    QRgb disabled;
};

constexpr RoleColors kLight[] = {
    {QPalette::WindowText, 0xFF000000, 0xFFBEBEBE},
    {QPalette::Button, 0xFFEFEFEF, 0xFFEFEFEF},
    {QPalette::Light, 0xFFFFFFFF, 0xFFFFFFFF},
    {QPalette::Midlight, 0xFFCACACA, 0xFFCACACA},
    {QPalette::Dark, 0xFF9F9F9F, 0xFFBEBEBE},
    {QPalette::Mid, 0xFFB8B8B8, 0xFFB8B8B8},
    {QPalette::Text, 0xFF000000, 0xFFBEBEBE},
    {QPalette::BrightText, 0xFFFFFFFF, 0xFFFFFFFF},
    {QPalette::ButtonText, 0xFF000000, 0xFFBEBEBE},
    {QPalette::Base, 0xFFFFFFFF, 0xFFEFEFEF},
    {QPalette::Window, 0xFFEFEFEF, 0xFFEFEFEF},
    {QPalette::Shadow, 0xFF767676, 0xFFB1B1B1},
    {QPalette::Highlight, 0xFF308CC6, 0xFF919191},
    {QPalette::HighlightedText, 0xFFFFFFFF, 0xFFFFFFFF},
    {QPalette::Link, 0xFF0000FF, 0xFF0000FF},
    {QPalette::LinkVisited, 0xFFFF00FF, 0xFFFF00FF},
    {QPalette::AlternateBase, 0xFFF7F7F7, 0xFFF7F7F7},
    {QPalette::ToolTipBase, 0xFFFFFFDC, 0xFFFFFFDC},
    {QPalette::ToolTipText, 0xFF000000, 0xFF000000},
    {QPalette::PlaceholderText, 0x80000000, 0x80000000},
};

}  // namespace

QPalette LightPalette() {
    QPalette palette;
    for (const RoleColors& c : kLight) {
        for (auto group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, c.role, QColor::fromRgba(c.enabled));
        palette.setColor(QPalette::Disabled, c.role, QColor::fromRgba(c.disabled));
    }
    return palette;
}

}  // namespace fw::detail
