#include "framework/Desktop.h"
#include "framework/core/FileType.h"
#include "framework/core/FolderItem.h"
#include "framework/testing/ScriptedDesktop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(OpenFolderItem, AsksTheDesktopWithTheTypesFilter) {
    fw::FileType type;
    type.SetName("text/plain");
    type.SetExtensions(".txt, dat");
    (void)std::string(type);
    fw::testing::ScopedScriptedDesktop desktop;
    desktop->fileAnswers = {"/home/ann/data.txt", std::nullopt};

    const auto chosen = fw::GetOpenFolderItem("text/plain");
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->NativePath(), "/home/ann/data.txt");
    EXPECT_EQ(fw::GetOpenFolderItem("text/plain"), nullptr);
    EXPECT_EQ(desktop->filtersAsked, (std::vector<std::string>(2, "Text files (*.txt *.dat)")));
}
