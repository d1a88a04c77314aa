#pragma once
// The fixture of the main window's tests: a scripted desktop, the main window opened
// as start-up leaves it, and a clean runtime afterwards.
#include "analysis/FileTypes1.h"
#include "app/ControlWnd.h"
#include "framework/testing/Interaction.h"
#include "framework/testing/ScriptedDesktop.h"

#include <gtest/gtest.h>

#include <string>

class MainWindowTest : public ::testing::Test {
protected:
    // The file type as start-up registers it, once per process; and the window made
    // active, as the event loop makes it for a user.
    void SetUp() override {
        if (FileTypes1::Text().IsNil()) FileTypes1::Initialize();
        fw::testing::ProcessEvents();
    }
    void TearDown() override { fw::testing::ResetRuntime(); }

    // A report on screen, as Load Data leaves one.
    void ShowReport(const std::string& text = "File: data.txt\r R-sq = 0.35\r") {
        w.ResultsFld()->SetText(text);
        w.ResultsFld()->SetVisible(true);
    }

    fw::testing::ScopedScriptedDesktop desktop;
    class ControlWnd& w = ControlWnd();
};
