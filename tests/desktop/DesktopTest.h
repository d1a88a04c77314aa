#pragma once
// The fixture of the tests on the real desktop: the program started as its entry point
// starts it, on a real X server or Wayland compositor, with the toolkit's own message
// boxes and file dialog, beeps counted on their way there, and a clean runtime
// afterwards.
//
// To add a test: write a TEST_F(DesktopTest, ...) in a .cpp file of this folder and list
// the file in CMakeLists.txt, with the tests of both legs, or with the X-only ones when
// it reads or sends X's own protocol; ctest runs each test as its own entry. Begin with
// StartProgram() (the splash) or OpenMainWindow(). Queue each modal dialog's answer on
// `dialogs` before the step that opens the dialog, then read dialogs.Seen(). Wait for
// the window system with fw::testing::WaitUntil or WaitUntilOnScreen, never with a
// sleep. Keys, mouse and menus go through framework/testing/Interaction.h. The tests
// stay free of the toolkit: a helper that needs it goes to framework/testing/desktop/.
#include "app/ControlWnd.h"
#include "framework/Application.h"
#include "framework/Picture.h"
#include "framework/testing/Interaction.h"
#include "framework/testing/desktop/BeepCounter.h"
#include "framework/testing/desktop/DialogAnswerer.h"
#include "framework/testing/desktop/Waiting.h"
#include "app/AboutWnd.h"
#include "app/Startup.h"

#include <gtest/gtest.h>

#include <string>

class DesktopTest : public ::testing::Test {
protected:
    // Start-up's first steps (file types, application object, menu bar) once a process.
    void SetUp() override {
        fw::SetResourcesFolder(RESOURCES_DIR);
        if (!fw::App()) EarlyStartup();
    }
    void TearDown() override {
        for (const auto& dialog : dialogs.Seen())
            EXPECT_TRUE(dialog.answered) << "no answer was queued for a " << dialog.kind << ": " << dialog.text;
        EXPECT_EQ(dialogs.Pending(), 0) << "an answer was queued for a dialog that never came";
        fw::testing::ResetRuntime();
        fw::SetResourcesFolder("");
    }

    // The splash, opened as start-up opens it.
    class AboutWnd& StartProgram() {
        LateStartup();
        return AboutWnd();
    }
    // The main window, once the splash has given way to it.
    class ControlWnd& OpenMainWindow() {
        fw::testing::FirePendingTimers(StartProgram());
        EXPECT_TRUE(fw::testing::WaitUntilOnScreen(ControlWnd()));
        return ControlWnd();
    }
    // Types the two fields' texts and presses Load Data; the file dialog is answered
    // with the path, then each message box with OK.
    void LoadData(class ControlWnd& w, const std::string& predictors, const std::string& rSquared,
                  const std::string& path, int messageBoxes = 0) {
        w.pFld()->SetText(predictors);
        w.RyFld()->SetText(rSquared);
        dialogs.ChooseFile(path);
        for (int i = 0; i < messageBoxes; ++i) dialogs.AcceptMessageBox();
        fw::testing::MouseDown(*w.calcBtn());
    }

    fw::testing::DialogAnswerer dialogs;
    fw::testing::ScopedBeepCounter beeps;
};
