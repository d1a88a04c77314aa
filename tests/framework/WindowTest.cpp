// Windows: the registry of open windows, the order of creation, the frame, the window's
// own mouse and key events, and closing.
#include "FrameworkTest.h"

#include "framework/Canvas.h"
#include "framework/Label.h"
#include "framework/TextField.h"
#include "framework/WindowRegistry.h"
#include "framework/detail/HostFrame.h"
#include "framework/detail/WindowHost.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<std::string> journal;
int windowsMade = 0;

class Probe : public fw::Window {
public:
    Probe() : Window("Probe.Probe"), serial(++windowsMade) {}
    ~Probe() override { journal.push_back("destroyed " + std::to_string(serial)); }
    void Layout() override {
        journal.push_back("Layout");
        SetProperties({.Width = 300, .Height = 200, .Title = "Probe", .Resizeable = false});
    }
    void CreateControls() override {
        journal.push_back("CreateControls");
        auto& field = New<fw::TextField>("field");
        field.SetProperties({.bounds = {10, 40, 80, 22}});
        fw::AddHandler(field.Open, [](fw::TextField&) { journal.push_back("Open field"); });
        fw::AddHandler(New<fw::Label>("label").Open, [](fw::Label&) { journal.push_back("Open label"); });
        New<fw::Canvas>("canvas").SetProperties({.bounds = {100, 100, 50, 40}});
        if (failInCreate) throw std::runtime_error("no controls today");
    }
    void AddMenuHandlers() override { journal.push_back("AddMenuHandlers"); }
    void Event_Close() override { journal.push_back("Close " + std::to_string(serial)); }
    bool Event_MouseDown(int64_t x, int64_t y) override {
        journal.push_back("MouseDown " + std::to_string(x) + "," + std::to_string(y));
        return true;
    }
    bool Event_KeyDown(const std::string& key) override {
        journal.push_back("KeyDown " + key);
        return true;
    }
    const int serial;
    static inline bool failInCreate = false;
};

Probe& TheProbe() { return fw::ImplicitWindow<Probe>("Probe.Probe"); }

class WindowTest : public FrameworkTest {
protected:
    void SetUp() override {
        journal.clear();
        Probe::failInCreate = false;
    }
};

TEST_F(WindowTest, CreationRaisesLayoutControlsHandlersThenEachOpen) {
    Probe& probe = TheProbe();
    EXPECT_EQ(journal, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers", "Open field",
                                                 "Open label"}));
    EXPECT_TRUE(probe.Visible());
}

TEST_F(WindowTest, AccessorGivesTheOpenWindowUntilItIsClosed) {
    Probe& first = TheProbe();
    int serial = first.serial;
    first.Hide();
    EXPECT_EQ(TheProbe().serial, serial);  // hidden is still open
    first.Close();
    EXPECT_EQ(fw::GetImplicitWindow("Probe.Probe"), nullptr);
    EXPECT_EQ(journal.back(), "Close " + std::to_string(serial));  // not destroyed inside Close
    fw::testing::ProcessEvents();
    EXPECT_EQ(journal.back(), "destroyed " + std::to_string(serial));
    EXPECT_NE(TheProbe().serial, serial);
}

TEST_F(WindowTest, CloseButtonTakesTheRoadOfClose) {
    Probe& probe = TheProbe();
    fw::testing::RequestClose(probe);
    EXPECT_TRUE(probe.IsClosed());
    EXPECT_TRUE(fw::OpenWindows().empty());
    fw::testing::ProcessEvents();
    EXPECT_EQ(journal.back(), "destroyed " + std::to_string(windowsMade));
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "Close " + std::to_string(windowsMade)), 1);
}

TEST_F(WindowTest, FailedConstructionLeavesNoWindow) {
    Probe::failInCreate = true;
    EXPECT_THROW(TheProbe(), std::runtime_error);
    EXPECT_EQ(fw::GetImplicitWindow("Probe.Probe"), nullptr);
    Probe::failInCreate = false;
    EXPECT_EQ(TheProbe().serial, windowsMade);
}

TEST_F(WindowTest, MissingOrMistypedControlIsNil) {
    Probe& probe = TheProbe();
    EXPECT_FALSE(probe.ControlByName<fw::TextField>("field").IsNil());
    EXPECT_TRUE(probe.ControlByName<fw::Label>("field").IsNil());
    auto missing = probe.ControlByName<fw::TextField>("nothing");
    EXPECT_TRUE(missing.IsNil());
    EXPECT_THROW(missing->SetText("x"), fw::NilObjectException);
}

TEST_F(WindowTest, FixedSizeFrameHoldsTheContentSize) {
    Probe& probe = TheProbe();
    fw::testing::ProcessEvents();
    EXPECT_EQ(probe.Host().content->size(), QSize(300, 200));
    EXPECT_EQ(probe.Host().frame->minimumSize(), probe.Host().frame->maximumSize());
    EXPECT_EQ(probe.Host().frame->windowTitle(), "Probe");
    probe.SetProperties({.Type = fw::PlainBox});
    EXPECT_TRUE(probe.Host().frame->windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(WindowTest, StaggeredWindowsStepFromTheTopLeft) {
    fw::Window& first = OpenWindow({.DefaultLocation = 3});
    fw::Window& second = OpenWindow({.DefaultLocation = 3});
    QPoint step = second.Host().frame->pos() - first.Host().frame->pos();
    EXPECT_EQ(step, QPoint(30, 30));
}

TEST_F(WindowTest, PressesOffTheControlsGoToTheWindow) {
    Probe& probe = TheProbe();
    journal.clear();
    fw::testing::ClickWindow(probe);
    fw::testing::MouseDown(*probe.ControlByName<fw::Canvas>("canvas"));
    fw::testing::MouseDown(*probe.ControlByName<fw::TextField>("field"));
    EXPECT_EQ(journal, (std::vector<std::string>{"MouseDown 1,1", "MouseDown 124,119"}));
}

// The field takes the focus as the window opens; keys go to the window only without it.
TEST_F(WindowTest, KeysGoToTheWindowOnlyWhenNoControlHasTheFocus) {
    Probe& probe = TheProbe();
    journal.clear();
    fw::testing::PressKeyInWindow(probe, "y");
    probe.ControlByName<fw::TextField>("field")->SetEnabled(false);
    fw::testing::PressKeyInWindow(probe, "x");
    fw::testing::PressKeyInWindow(probe, "Escape");
    EXPECT_EQ(journal, (std::vector<std::string>{"KeyDown x", "KeyDown \x1B"}));
}

TEST_F(WindowTest, FrontWindowIsTheLastShown) {
    fw::Window& first = OpenWindow();
    fw::Window& second = OpenWindow();
    EXPECT_EQ(fw::FrontWindow(), &second);
    second.Hide();
    EXPECT_EQ(fw::FrontWindow(), &first);
    first.Show();
    second.Show();
    first.Show();
    EXPECT_EQ(fw::FrontWindow(), &first);
}

}  // namespace
