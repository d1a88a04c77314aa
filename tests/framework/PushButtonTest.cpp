// A push button runs its command on the press of the mouse and on nothing else.
#include "FrameworkTest.h"

#include "framework/PushButton.h"
#include "framework/detail/WidgetHost.h"

#include <QTest>
#include <QWindow>

#include <vector>

namespace {

class PushButtonTest : public FrameworkTest {
protected:
    void SetUp() override {
        button = &OpenWindow().New<fw::PushButton>("button");
        button->SetProperties({.bounds = {20, 30, 100, 50}, .Caption = "Load Data", .Default = true});
        fw::AddHandler(button->MouseDown, [this](fw::PushButton& b, int64_t x, int64_t y) {
            presses.push_back({x, y});
            downDuringHandler = b.IsDown();
            if (releaseInHandler) ReleaseAsADialogWould();
            return false;
        });
    }
    // A modal dialog opened by the handler takes the release in its own loop.
    void ReleaseAsADialogWould() {
        QWidget& widget = *button->Host().widget;
        QPoint at = widget.mapTo(widget.window(), widget.rect().center());
        QTest::mouseRelease(widget.window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    }
    struct Point { int64_t x, y; bool operator==(const Point&) const = default; };
    fw::PushButton* button = nullptr;
    std::vector<Point> presses;
    bool downDuringHandler = true;
    bool releaseInHandler = false;
};

TEST_F(PushButtonTest, MouseDownRunsOnThePressWithItsPosition) {
    fw::testing::MouseDown(*button, false);
    EXPECT_EQ(presses, (std::vector<Point>{{49, 24}}));  // the centre of a 100 x 50 button
    EXPECT_FALSE(downDuringHandler);
    EXPECT_TRUE(button->IsDown());  // still held: drawn pressed
    fw::testing::MouseDown(*button, true);
    EXPECT_FALSE(button->IsDown());
}

TEST_F(PushButtonTest, ButtonIsNotLeftPressedWhenTheHandlerTookTheRelease) {
    releaseInHandler = true;
    fw::testing::MouseDown(*button, false);
    EXPECT_EQ(presses.size(), 1u);
    EXPECT_FALSE(button->IsDown());
}

TEST_F(PushButtonTest, KeyboardRunsNoCommand) {
    for (const char* key : {"Space", "Return", "Enter"}) fw::testing::PressKey(*button, key);
    EXPECT_TRUE(presses.empty());
    EXPECT_EQ(button->Caption(), "Load Data");
}

}  // namespace
