// Edge locks: a control keeps its distance to each locked edge of the window while the
// user resizes it, and stays as it was placed where no opposite pair holds it.
#include "FrameworkTest.h"

#include "framework/Canvas.h"
#include "framework/detail/HostFrame.h"
#include "framework/detail/WindowHost.h"

#include <array>
#include <ostream>
#include <string>

namespace {

using Box = std::array<int, 4>;  // left, top, width, height

struct LockCase {
    const char* name;
    bool left, top, right, bottom;
    Box grown;  // in a window grown from 300 x 200 to 400 x 260
};

void PrintTo(const LockCase& c, std::ostream* out) { *out << c.name; }

// The control is placed at 20, 30, 100 x 50.
const LockCase kCases[] = {
    {"TopLeft", true, true, false, false, {20, 30, 100, 50}},
    {"None", false, false, false, false, {20, 30, 100, 50}},
    {"Right", false, false, true, false, {120, 30, 100, 50}},
    {"LeftAndRight", true, false, true, false, {20, 30, 200, 50}},
    {"Bottom", false, false, false, true, {20, 90, 100, 50}},
    {"TopAndBottom", false, true, false, true, {20, 30, 100, 110}},
    {"AllFour", true, true, true, true, {20, 30, 200, 110}},
};

class EdgeLocksTest : public FrameworkTest, public ::testing::WithParamInterface<LockCase> {
protected:
    Box BoxAfterResizing(fw::Window& window, const fw::RectControl& control, int width, int height) {
        window.Host().frame->resize(width, height);  // as the user drags the frame
        fw::testing::ProcessEvents();
        const fw::Bounds b = control.GetBounds();
        return {b.Left, b.Top, b.Width, b.Height};
    }
};

TEST_P(EdgeLocksTest, KeepsTheDistanceToEachLockedEdge) {
    const LockCase& c = GetParam();
    fw::Window& window = OpenWindow({.Width = 300, .Height = 200, .Resizeable = true});
    auto& canvas = window.New<fw::Canvas>("canvas");
    canvas.SetProperties(
        {.bounds = {20, 30, 100, 50},
         .common = {.LockLeft = c.left, .LockTop = c.top, .LockRight = c.right, .LockBottom = c.bottom}});
    EXPECT_EQ(BoxAfterResizing(window, canvas, 400, 260), c.grown);
    EXPECT_EQ(BoxAfterResizing(window, canvas, 300, 200), (Box{20, 30, 100, 50}));
}

INSTANTIATE_TEST_SUITE_P(Locks, EdgeLocksTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<LockCase>& info) { return std::string(info.param.name); });

}  // namespace
