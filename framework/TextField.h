#pragma once
// A single-line text field. Its KeyDown event gets the key's text (a control code for
// the keys that type none, as detail/KeyText.h lists them, else the typed text); a
// handler that returns true swallows the key.
#include "framework/TextControl.h"
#include "framework/Event.h"

namespace fw {

class TextField : public TextControl {
public:
    TextField(Window& owner, std::string name);
    ~TextField() override;
    std::string ClassName() const override { return "TextField"; }

    void SetProperties(const TextFieldProperties& properties);

    std::string Text() const;  // a CR in the text stands for a line break
    void SetText(const std::string& text);
    bool ReadOnly() const;
    int MaximumCharactersAllowed() const;
    std::string ValidationMask() const;
    int TextAlignment() const;
    bool HasBorder() const;

    Event<bool(TextField&, const std::string&)> KeyDown;
    Event<void(TextField&)> Open;
    void RaiseOpen() override { Open.Raise(*this); }
};

}  // namespace fw
