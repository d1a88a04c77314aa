// The splash window as built: its frame, its five controls in their places, its
// pictures, and a window that works without them.
#include "ShellTest.h"

#include "analysis/Copyright.h"
#include "app/AboutWnd.h"
#include "app/Pictures.h"
#include "framework/Timer.h"
#include "tests/framework/TempFolder.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <ostream>
#include <string>

namespace {

using Box = std::array<int, 4>;  // left, top, width, height

Box BoxOf(const fw::RectControl& control) {
    const fw::Bounds b = control.GetBounds();
    return {b.Left, b.Top, b.Width, b.Height};
}

struct Place {
    const char* name;
    const char* className;
    Box box;
};

void PrintTo(const Place& place, std::ostream* out) { *out << place.name; }

// The controls in the order of creation; the timer comes last.
const Place kPlaces[] = {
    {"Rectangle1", "Rectangle", {144, 99, 260, 260}},
    {"ImageWell1", "Canvas", {146, 101, 256, 257}},
    {"StaticText2", "Label", {144, 360, 260, 15}},
    {"Canvas3", "Canvas", {20, 10, 515, 75}},
};

class AboutWndLayoutTest : public ShellTest {};

// Before any other test of this file: the pictures' caches must still be empty.
TEST_F(AboutWndLayoutTest, MissingPicturesLeaveTheCanvasesBareAndTheWindowWorking) {
    quendrel::testing::TempFolder empty;
    fw::SetResourcesFolder(empty.PathOf(""));
    if (puzzle256() || Quendreltitle1()) GTEST_SKIP() << "the pictures were loaded earlier in this process";

    class AboutWnd& about = AboutWnd();
    EXPECT_EQ(about.ImageWell1()->Backdrop(), nullptr);
    EXPECT_EQ(about.Canvas3()->Backdrop(), nullptr);
    EXPECT_TRUE(about.Visible());
    EXPECT_TRUE(about.Timer1()->IsRunning());
    fw::testing::ClickWindow(about);
    EXPECT_FALSE(about.Visible());
    EXPECT_TRUE(MainWindowShown());
    fw::testing::FirePendingTimers(about);
    EXPECT_FALSE(about.Timer1()->IsRunning());
}

TEST_F(AboutWndLayoutTest, FramelessFixedBoxWithoutTitleOrMenuBar) {
    class AboutWnd& about = AboutWnd();
    const fw::WindowProperties& p = about.Properties();
    EXPECT_EQ(p.Width, 545);
    EXPECT_EQ(p.Height, 400);
    EXPECT_EQ(p.Type, 2);
    EXPECT_EQ(p.Title, "");
    EXPECT_FALSE(p.Resizeable);
    EXPECT_FALSE(p.HasCloseButton || p.HasMaximizeButton || p.HasMinimizeButton || p.HasFullScreenButton);
    EXPECT_TRUE(about.MenuBar().IsNil());
    EXPECT_TRUE(about.Visible());  // shown the moment it is built
}

class AboutWndPlaceTest : public AboutWndLayoutTest, public ::testing::WithParamInterface<Place> {};

TEST_P(AboutWndPlaceTest, ControlStandsInItsOrderAndPlace) {
    const Place& place = GetParam();
    const auto& controls = AboutWnd().Controls();
    ASSERT_EQ(controls.size(), std::size(kPlaces) + 1);
    const auto position = std::find_if(std::begin(kPlaces), std::end(kPlaces),
                                       [&](const Place& p) { return std::string(p.name) == place.name; });
    const fw::Control& control = *controls[position - std::begin(kPlaces)];
    EXPECT_EQ(control.Name(), place.name);
    EXPECT_EQ(control.ClassName(), place.className);
    auto* rect = dynamic_cast<const fw::RectControl*>(&control);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(BoxOf(*rect), place.box);
}

INSTANTIATE_TEST_SUITE_P(Controls, AboutWndPlaceTest, ::testing::ValuesIn(kPlaces), ::testing::PrintToStringParamName());

TEST_F(AboutWndLayoutTest, TimerIsTheFifthControlArmedOnceForFourSeconds) {
    class AboutWnd& about = AboutWnd();
    const auto& controls = about.Controls();
    ASSERT_EQ(controls.size(), std::size(kPlaces) + 1);
    EXPECT_EQ(controls.back()->Name(), "Timer1");
    EXPECT_EQ(about.Timer1()->RunMode(), fw::TimerSingle);
    EXPECT_EQ(about.Timer1()->Period(), 4000);
    EXPECT_TRUE(about.Timer1()->IsRunning());
}

TEST_F(AboutWndLayoutTest, CopyrightLineInBoldTenPointAndThePicturesAsBackdrops) {
    class AboutWnd& about = AboutWnd();
    auto label = about.StaticText2();
    EXPECT_EQ(label->Text(), CopyrightLine);
    EXPECT_EQ(label->TextFont(), "System");
    EXPECT_TRUE(label->Bold());
    EXPECT_EQ(label->TextSize(), 10);
    EXPECT_EQ(label->TextColor(), 0x666666u);
    EXPECT_EQ(label->TextAlignment(), fw::AlignCenter);
    ASSERT_NE(about.ImageWell1()->Backdrop(), nullptr);
    EXPECT_EQ(about.ImageWell1()->Backdrop(), puzzle256());
    ASSERT_NE(about.Canvas3()->Backdrop(), nullptr);
    EXPECT_EQ(about.Canvas3()->Backdrop(), Quendreltitle1());
}

}  // namespace
