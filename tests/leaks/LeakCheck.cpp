// Load Data and the help window, repeated far more often than a session would. What a
// run or a cycle allocates must be gone by the end: LeakSanitizer looks at the exit.
#include "analysis/FileTypes1.h"
#include "app/ControlWnd.h"
#include "app/helpWnd.h"
#include "framework/WindowRegistry.h"
#include "framework/testing/Interaction.h"
#include "framework/testing/ScriptedDesktop.h"
#include "tests/framework/TempFolder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr int kLoadDataRuns = 1000;
constexpr int kHelpWindowCycles = 100;
constexpr int kRunsBetweenClears = 100;

// Every way a run ends: a report, a report with its out-of-bounds message, an
// unreadable file's message, a file that is gone, and Cancel.
std::vector<std::optional<std::string>> Answers(const quendrel::testing::TempFolder& folder) {
    ::mkdir(folder.PathOf("folder").c_str(), 0755);
    return {folder.Write("good.txt", "x1\t.2\t.3\nx2\t.1\t.4\nx3\t.3\t.2\nx4\t.4\t.1\n"),
            folder.Write("bounds.txt", "x1\t1.2\t.3\nx2\t.1\t.4\n"), folder.PathOf("folder"),
            folder.PathOf("gone.txt"), std::nullopt};
}

TEST(LeakCheck, LoadDataRunsAndHelpWindowCycles) {
    FileTypes1::Initialize();
    fw::testing::ScopedScriptedDesktop desktop;
    quendrel::testing::TempFolder folder;
    const auto answers = Answers(folder);
    auto& w = ControlWnd();
    w.Show();
    for (int run = 0; run < kLoadDataRuns; ++run) {
        if (run % kRunsBetweenClears == 0) fw::testing::MouseDown(*w.clearBtn());
        w.pFld()->SetText("4");
        w.RyFld()->SetText(".35");
        desktop->fileAnswers.push_back(answers[run % answers.size()]);
        fw::testing::MouseDown(*w.calcBtn());
    }
    EXPECT_EQ(desktop->messages.size(), 2u * kLoadDataRuns / answers.size());

    for (int cycle = 0; cycle < kHelpWindowCycles; ++cycle) {
        helpWnd().Show();
        helpWnd().Close();
        fw::testing::ProcessEvents();
    }
    // LeakSanitizer sees only what nothing points to: a closed window the registry still
    // held would pass it, so the registry is asked too.
    EXPECT_EQ(fw::GetImplicitWindow("helpWnd.helpWnd"), nullptr);
    EXPECT_EQ(fw::OpenWindows().size(), 1u);
    fw::testing::ResetRuntime();
}

}  // namespace
