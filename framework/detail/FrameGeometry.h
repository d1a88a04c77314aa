#pragma once
// A window's frame as its properties describe it: flags, size, placement, background.
#include "framework/Properties.h"

namespace fw::detail {

struct WindowHost;

// Applies the title, the flags, the background, the size and the placement;
// otherWindows counts the other open windows, for the staggered placement.
void ApplyFrameProperties(WindowHost& host, const WindowProperties& p, int otherWindows);
// Sizes the frame so that its content area is Width x Height below the menu bar.
void FitFrameToContent(WindowHost& host, const WindowProperties& p);

}  // namespace fw::detail
