#pragma once
#include "framework/Control.h"
#include "framework/Event.h"

namespace fw {

class Label : public RectControl {
public:
    Label(Window& owner, std::string name);
    ~Label() override;
    std::string ClassName() const override { return "Label"; }

    void SetProperties(const LabelProperties& properties);

    std::string Text() const;
    void SetText(const std::string& text);
    std::string TextFont() const;
    void SetTextFont(const std::string& font);
    double TextSize() const;
    void SetTextSize(double size);
    bool Bold() const;
    void SetBold(bool bold);
    Color TextColor() const;
    int TextAlignment() const;

    Event<void(Label&)> Open;
    void RaiseOpen() override { Open.Raise(*this); }
};

}  // namespace fw
