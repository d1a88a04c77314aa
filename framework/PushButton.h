#pragma once
// A push button. MouseDown runs on the press, before the release; pushing the button
// from the keyboard raises no MouseDown.
#include "framework/Control.h"
#include "framework/Event.h"

#include <cstdint>

namespace fw {

class PushButton : public RectControl {
public:
    PushButton(Window& owner, std::string name);
    ~PushButton() override;
    std::string ClassName() const override { return "PushButton"; }

    void SetProperties(const PushButtonProperties& properties);
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    bool IsDown() const;  // drawn pressed

    Event<bool(PushButton&, int64_t, int64_t)> MouseDown;
};

}  // namespace fw
