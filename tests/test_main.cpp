// Every test executable starts the runtime once, on the offscreen platform unless the
// environment says otherwise, then runs its tests. What the toolkit remembers for the
// user (the real file dialog's memory) goes to a private folder, never to the
// developer's home.
#include "framework/Application.h"
#include "framework/testing/Interaction.h"
#include "tests/framework/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A test that leaves a top-level window behind fails: the next test would meet it.
class NoWindowLeftBehind : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo& /*test*/) override {
        EXPECT_EQ(fw::testing::TopLevelWindowsLeft(), std::vector<std::string>{})
            << "top-level windows left behind";
    }
};

}  // namespace

int main(int argc, char** argv) {
    // Before the runtime starts, which reads where the user's configuration lives.
    const quendrel::testing::TempFolder userConfig;
    setenv("XDG_CONFIG_HOME", userConfig.Path().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    fw::RuntimeInit(argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new NoWindowLeftBehind);
    return RUN_ALL_TESTS();
}
