#pragma once
#include "framework/Control.h"

namespace fw::detail {

// While the window's content area is resized, a control keeps its distance to each
// edge it is locked to: locked to both of two opposite edges it stretches, to the right
// or bottom edge alone it moves, and otherwise it stays where it was placed. Placed
// before its window first shows, a control counts from the window's designed size.
void FollowEdgeLocks(RectControl& control, const Bounds& placed, const ControlCommon& locks);

}  // namespace fw::detail
