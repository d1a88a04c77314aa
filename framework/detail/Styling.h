#pragma once
// Fonts, colours and alignments as the property sets name them.
#include "framework/Properties.h"

#include <QColor>
#include <QFont>

namespace fw::detail {

struct WidgetHost;

// The framework's default text size, in pixels: the layouts were designed in pixels.
constexpr int kDefaultPixelSize = 13;

QColor ToQColor(Color color);
// "System" is the application's default family; size 0 the default size.
QFont MakeFont(const FontStyle& style);
// Gives the widget the font and text colour and remembers the style as set.
void ApplyFont(WidgetHost& host, const FontStyle& style);
// Changes one part of the style the widget has now.
template <class Change>
void ChangeFont(WidgetHost& host, FontStyle current, Change change) {
    change(current);
    ApplyFont(host, current);
}
// 0 and 1 left, 2 centre, 3 right; vertically centred.
Qt::Alignment ToAlignment(int textAlignment);

}  // namespace fw::detail
