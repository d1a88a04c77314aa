#pragma once
// The fixture of the framework's tests: a scripted desktop, a window to put controls
// in, and a clean runtime afterwards.
#include "framework/Window.h"
#include "framework/WindowRegistry.h"
#include "framework/testing/Interaction.h"
#include "framework/testing/ScriptedDesktop.h"

#include <gtest/gtest.h>

#include <memory>

class FrameworkTest : public ::testing::Test {
protected:
    void TearDown() override { fw::testing::ResetRuntime(); }

    // A registered, shown window without controls.
    fw::Window& OpenWindow(const fw::WindowProperties& properties = {}) {
        auto owned = std::make_unique<fw::Window>("Test.Window");
        fw::Window& window = *owned;
        fw::RegisterWindow(std::move(owned));
        window.SetProperties(properties);
        window.Show();
        return window;
    }

    fw::testing::ScopedScriptedDesktop desktop;
};
