#pragma once
// The splash window's design: its window properties and its five controls.
#include "framework/Properties.h"

namespace AboutWndLayout {

extern const fw::WindowProperties Window;
extern const fw::RectangleProperties Rectangle1;
extern const fw::CanvasProperties ImageWell1;
extern const fw::LabelProperties StaticText2;
extern const fw::CanvasProperties Canvas3;
extern const fw::TimerProperties Timer1;

}  // namespace AboutWndLayout
