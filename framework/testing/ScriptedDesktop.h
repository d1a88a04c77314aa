#pragma once
// A desktop for tests: records every message, the window it would belong to, and every
// beep, answers the open-file dialog from a queue (an empty queue answers Cancel) and
// keeps a fixed clock.
#include "framework/Desktop.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace fw {
class Window;
}

namespace fw::testing {

class ScriptedDesktop : public Desktop {
public:
    void MsgBox(const std::string& text) override;
    void Beep() override { ++beeps; }
    std::optional<std::string> ChooseFileToOpen(const std::string& nameFilter) override;
    std::chrono::system_clock::time_point Now() override { return now; }

    std::vector<std::string> messages;
    std::vector<const Window*> messageOwners;  // the real desktop's owner of each message box
    int beeps = 0;
    std::deque<std::optional<std::string>> fileAnswers;  // nullopt: the user cancels
    std::vector<std::string> filtersAsked;
    std::chrono::system_clock::time_point now{std::chrono::hours(24 * 365 * 56)};
};

// Installs a fresh scripted desktop for the current test and returns it; the previous
// desktop comes back when the guard goes.
class ScopedScriptedDesktop {
public:
    ScopedScriptedDesktop();
    ~ScopedScriptedDesktop();
    ScriptedDesktop& operator*() { return *desktop_; }
    ScriptedDesktop* operator->() { return desktop_; }

private:
    ScriptedDesktop* desktop_;
    std::unique_ptr<Desktop> previous_;
};

}  // namespace fw::testing
