// The test runs keep what the toolkit and the libraries under it remember or cache for
// the user out of the developer's home: every per-user folder test_main.cpp points at a
// private one, and the real file dialog's memory lands in the configuration folder.
#include "DesktopTest.h"

#include "tests/framework/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>

namespace {

std::string Contents(const std::filesystem::path& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path).rdbuf();
    return bytes.str();
}

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

// Whether the variable names an existing folder of the system's temporary folder, outside
// the home folder.
::testing::AssertionResult IsPrivateFolder(const char* variable) {
    const char* folder = std::getenv(variable);
    const char* home = std::getenv("HOME");
    if (folder == nullptr) return ::testing::AssertionFailure() << variable << " is unset: its default is in the home folder";
    if (home == nullptr) return ::testing::AssertionFailure() << "HOME is unset";
    if (StartsWith(folder, home))
        return ::testing::AssertionFailure() << variable << "=" << folder << " is inside the home folder " << home;
    if (!StartsWith(folder, std::filesystem::temp_directory_path().string()))
        return ::testing::AssertionFailure() << variable << "=" << folder << " is no temporary folder";
    if (!std::filesystem::is_directory(folder))
        return ::testing::AssertionFailure() << variable << "=" << folder << " is no folder";
    return ::testing::AssertionSuccess();
}

struct UserFolder {
    const char* name;
    const char* variable;
};

void PrintTo(const UserFolder& f, std::ostream* out) { *out << f.variable; }

const UserFolder kUserFolders[] = {
    {"Config", "XDG_CONFIG_HOME"},
    {"Cache", "XDG_CACHE_HOME"},
    {"Data", "XDG_DATA_HOME"},
    {"State", "XDG_STATE_HOME"},
};

class PrivateUserFolderTest : public ::testing::TestWithParam<UserFolder> {};

TEST_P(PrivateUserFolderTest, IsAFolderOutsideTheHomeFolder) { EXPECT_TRUE(IsPrivateFolder(GetParam().variable)); }

INSTANTIATE_TEST_SUITE_P(UserFolders, PrivateUserFolderTest, ::testing::ValuesIn(kUserFolders),
                         [](const ::testing::TestParamInfo<UserFolder>& info) { return std::string(info.param.name); });

TEST_F(DesktopTest, TheFileDialogsMemoryStaysInThePrivateConfigFolder) {
    ASSERT_TRUE(IsPrivateFolder("XDG_CONFIG_HOME"));
    const std::filesystem::path memory = std::filesystem::path(std::getenv("XDG_CONFIG_HOME")) / "QtProject.conf";
    std::filesystem::remove(memory);  // an earlier test of this process may have written it

    quendrel::testing::TempFolder folder;
    class ControlWnd& w = OpenMainWindow();
    LoadData(w, "2", ".5", folder.Write("example.txt", "X1\t.18\t.25\nX2\t.22\t.22\n"));

    ASSERT_TRUE(std::filesystem::exists(memory)) << "the file dialog kept its memory elsewhere";
    const std::string kept = Contents(memory);
    EXPECT_NE(kept.find("[FileDialog]"), std::string::npos) << kept;
    EXPECT_NE(kept.find("lastVisited="), std::string::npos) << kept;
}

}  // namespace
