#include "framework/TextControl.h"

#include "framework/detail/Styling.h"
#include "framework/detail/WidgetHost.h"

namespace fw {

std::string TextControl::TextFont() const { return Host().font.FontName; }

void TextControl::SetTextFont(const std::string& font) {
    detail::ChangeFont(Host(), Host().font, [&](FontStyle& s) { s.FontName = font; });
}

double TextControl::TextSize() const { return Host().font.FontSize; }

void TextControl::SetTextSize(double size) {
    detail::ChangeFont(Host(), Host().font, [&](FontStyle& s) { s.FontSize = size; });
}

bool TextControl::Bold() const { return Host().font.Bold; }

void TextControl::SetBold(bool bold) {
    detail::ChangeFont(Host(), Host().font, [&](FontStyle& s) { s.Bold = bold; });
}

}  // namespace fw
