// A window manager's close request to the splash in its first seconds (Alt+F4, a
// taskbar's Close), sent through the window system: the splash has no close button and
// refuses it, so its timer still hands over to the main window.
#include "DesktopTest.h"

#include "framework/WindowRegistry.h"
#include "framework/testing/desktop/CloseRequest.h"

namespace {

TEST_F(DesktopTest, SplashRefusesACloseRequestAndStillGivesWayToTheMainWindow) {
    class AboutWnd& splash = StartProgram();
    ASSERT_TRUE(fw::testing::WaitUntilOnScreen(splash));

    ASSERT_TRUE(fw::testing::SendCloseRequest(splash)) << "the close request never reached the splash";

    ASSERT_EQ(fw::GetImplicitWindow(splash.ClassName()), &splash) << "the splash closed";
    EXPECT_TRUE(splash.Visible());
    EXPECT_FALSE(fw::IsQuitting());
    ASSERT_TRUE(splash.Timer1()->IsRunning());
    EXPECT_EQ(splash.Timer1()->Period(), 4000);
    fw::testing::FirePendingTimers(splash);  // the four seconds are up
    EXPECT_TRUE(fw::testing::WaitUntilOnScreen(ControlWnd()));
    EXPECT_FALSE(splash.Visible());
}

}  // namespace
