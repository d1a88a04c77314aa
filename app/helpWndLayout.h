#pragma once
// The help window's design: its window properties and its one text area.
#include "framework/Properties.h"

namespace helpWndLayout {

extern const fw::WindowProperties Window;
// Its Value is the help text, put in when the area is made.
extern const fw::TextAreaProperties EditField1;

}  // namespace helpWndLayout
