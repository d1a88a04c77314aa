// The test runs keep the real file dialog's memory out of the developer's home: the
// toolkit writes it where the private configuration folder of test_main.cpp says.
#include "DesktopTest.h"

#include "tests/framework/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string Contents(const std::filesystem::path& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path).rdbuf();
    return bytes.str();
}

TEST_F(DesktopTest, TheFileDialogsMemoryStaysInThePrivateConfigFolder) {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    ASSERT_NE(config, nullptr);
    ASSERT_NE(home, nullptr);
    ASSERT_NE(std::string(config).rfind(home, 0), 0u) << config << " is inside the home folder " << home;
    const std::filesystem::path memory = std::filesystem::path(config) / "QtProject.conf";
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
