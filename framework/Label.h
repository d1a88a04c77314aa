#pragma once
#include "framework/TextControl.h"
#include "framework/Event.h"

namespace fw {

class Label : public TextControl {
public:
    Label(Window& owner, std::string name);
    ~Label() override;
    std::string ClassName() const override { return "Label"; }

    void SetProperties(const LabelProperties& properties);

    std::string Text() const;
    void SetText(const std::string& text);
    Color TextColor() const;
    int TextAlignment() const;

    Event<void(Label&)> Open;
    void RaiseOpen() override { Open.Raise(*this); }
};

}  // namespace fw
