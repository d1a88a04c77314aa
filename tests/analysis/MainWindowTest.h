#pragma once
// The fixture of the main window's tests: a scripted desktop, the main window opened
// as start-up opens it, and a clean runtime afterwards.
#include "analysis/ControlWnd.h"
#include "framework/testing/Interaction.h"
#include "framework/testing/ScriptedDesktop.h"

#include <gtest/gtest.h>

#include <string>

class MainWindowTest : public ::testing::Test {
protected:
    void TearDown() override { fw::testing::ResetRuntime(); }

    // A report on screen, as Load Data leaves one.
    void ShowReport(const std::string& text = "File: data.txt\r R-sq = 0.35\r") {
        w.ResultsFld()->SetText(text);
        w.ResultsFld()->SetVisible(true);
    }

    fw::testing::ScopedScriptedDesktop desktop;
    class ControlWnd& w = ControlWnd();
};
