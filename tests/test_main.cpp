// Every test executable starts the runtime once, on the offscreen platform unless the
// environment says otherwise, then runs its tests. What the toolkit and the libraries
// under it remember or cache for the user goes to private folders, never to the
// developer's home.
#include "framework/Application.h"
#include "framework/testing/Interaction.h"
#include "tests/framework/TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The per-user folders they may write in: the configuration (the real file dialog's
// memory), the cache (fontconfig, Mesa), the data (a recently-used list) and the state.
constexpr std::array<const char*, 4> kUserFolderVariables{"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME",
                                                          "XDG_STATE_HOME"};
using UserFolders = std::array<quendrel::testing::TempFolder, kUserFolderVariables.size()>;

void PointUserFoldersAt(const UserFolders& folders) {
    for (std::size_t i = 0; i < folders.size(); ++i) setenv(kUserFolderVariables[i], folders[i].Path().c_str(), 1);
}

// A test that leaves a top-level window behind fails: the next test would meet it.
class NoWindowLeftBehind : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo& /*test*/) override {
        EXPECT_EQ(fw::testing::TopLevelWindowsLeft(), std::vector<std::string>{})
            << "top-level windows left behind";
    }
};

}  // namespace

int main(int argc, char** argv) {
    // Before the runtime starts, which reads where the user's folders are; removed at the end.
    const UserFolders userFolders;
    PointUserFoldersAt(userFolders);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    fw::RuntimeInit(argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new NoWindowLeftBehind);
    return RUN_ALL_TESTS();
}
