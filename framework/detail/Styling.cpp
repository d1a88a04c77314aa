#include "framework/detail/Styling.h"

#include "framework/detail/WidgetHost.h"

#include <QApplication>
#include <QPalette>

#include <cmath>

namespace fw::detail {

QColor ToQColor(Color color) { return QColor(QRgb(0xFF000000u | (color & 0xFFFFFFu))); }

// The layouts were drawn for a narrow sans-serif system font; a wider one would cut
// labels such as "Predictor Variables:" short.
QFont SystemFont() {
    QFont font = QApplication::font();
    font.setFamilies({"Liberation Sans", "Arimo", "Helvetica", "Arial", font.family()});
    return font;
}

QFont MakeFont(const FontStyle& style) {
    QFont font = SystemFont();
    if (style.FontName != "System") font.setFamily(QString::fromStdString(style.FontName));
    int pixels = style.FontSize > 0 ? static_cast<int>(std::lround(style.FontSize)) : kDefaultPixelSize;
    font.setPixelSize(std::max(pixels, 1));
    font.setBold(style.Bold);
    font.setItalic(style.Italic);
    font.setUnderline(style.Underline);
    return font;
}

void ApplyFont(WidgetHost& host, const FontStyle& style) {
    host.font = style;
    host.widget->setFont(MakeFont(style));
    QPalette palette = host.widget->palette();
    QColor text = ToQColor(style.TextColor);
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) palette.setColor(role, text);
    host.widget->setPalette(palette);
}

Qt::Alignment ToAlignment(int textAlignment) {
    switch (textAlignment) {
        case AlignCenter: return Qt::AlignHCenter | Qt::AlignVCenter;
        case AlignRight: return Qt::AlignRight | Qt::AlignVCenter;
        default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace fw::detail
