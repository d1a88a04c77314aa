#pragma once
// A control that draws text in one font: fields, areas and labels.
#include "framework/Control.h"

#include <string>

namespace fw {

class TextControl : public RectControl {
public:
    std::string TextFont() const;
    void SetTextFont(const std::string& font);
    double TextSize() const;  // 0: the default size
    void SetTextSize(double size);
    bool Bold() const;
    void SetBold(bool bold);

protected:
    using RectControl::RectControl;
};

}  // namespace fw
