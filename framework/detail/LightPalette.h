#pragma once
// The palette every window's controls are drawn with, whatever the desktop's.
#include <QPalette>

namespace fw::detail {

// The toolkit's own light palette, as windows get it on a desktop without a theme,
// with every role set, so that a widget given it inherits nothing from the desktop.
QPalette LightPalette();

}  // namespace fw::detail
