#pragma once
// The fixture of the shell's tests: a scripted desktop, the repository's pictures as
// the application's resources, and a clean runtime afterwards. A test that ends with
// a message on the desktop let an exception reach the framework's default handling.
#include "framework/Picture.h"
#include "framework/Window.h"
#include "framework/WindowRegistry.h"
#include "framework/testing/Interaction.h"
#include "framework/testing/ScriptedDesktop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override { fw::SetResourcesFolder(RESOURCES_DIR); }
    void TearDown() override {
        EXPECT_EQ(desktop->messages, std::vector<std::string>{});
        fw::testing::ResetRuntime();
        fw::SetResourcesFolder("");
    }

    // The open windows of a class, shown or hidden.
    static int OpenWindowsOf(const std::string& className) {
        int count = 0;
        for (fw::Window* window : fw::OpenWindows()) count += window->ClassName() == className;
        return count;
    }
    static fw::Window* MainWindow() { return fw::GetImplicitWindow("ControlWnd.ControlWnd"); }
    static bool MainWindowShown() { return MainWindow() && MainWindow()->Visible(); }

    fw::testing::ScopedScriptedDesktop desktop;
};
