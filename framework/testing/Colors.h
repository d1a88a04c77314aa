#pragma once
// The palette a desktop gives the application, and the colours a control is drawn in.
#include "framework/Properties.h"

#include <memory>

class QPalette;

namespace fw {
class RectControl;
}

namespace fw::testing {

// A dark desktop theme's palette set as the application's for the guard's life, as a
// user's desktop would set it before the windows open; the palette before comes back
// when the guard goes.
class ScopedDarkDesktopPalette {
public:
    ScopedDarkDesktopPalette();
    ~ScopedDarkDesktopPalette();
    ScopedDarkDesktopPalette(const ScopedDarkDesktopPalette&) = delete;
    ScopedDarkDesktopPalette& operator=(const ScopedDarkDesktopPalette&) = delete;

private:
    std::unique_ptr<QPalette> previous_;
};

// Whether the control's window is the active one.
enum class ColorGroup { Active, Inactive };

// A control's text colour and the colour it is drawn on: a push button's face, a
// field's or area's base (what lies behind a see-through field), a label's own
// background if it fills one, else what lies behind it.
struct DrawnColors {
    Color text;
    Color background;
};
DrawnColors DrawnColorsOf(const RectControl& control, ColorGroup group);

}  // namespace fw::testing
