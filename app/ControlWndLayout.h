#pragma once
// The main window's design: its window properties and the property set of each of
// its twelve controls, in the order they are created.
#include "framework/Properties.h"

namespace ControlWndLayout {

extern const fw::WindowProperties Window;
extern const fw::RectangleProperties Rectangle1;
extern const fw::CanvasProperties ImageWell1;
extern const fw::TextFieldProperties pFld;
extern const fw::PushButtonProperties clearBtn;
extern const fw::PushButtonProperties helpBtn;
extern const fw::PushButtonProperties calcBtn;
extern const fw::LabelProperties RyText;
extern const fw::TextFieldProperties RyFld;
extern const fw::TextAreaProperties ResultsFld;
extern const fw::CanvasProperties Canvas1;
extern const fw::LabelProperties Label1;
extern const fw::TextFieldProperties TextField1;

}  // namespace ControlWndLayout
