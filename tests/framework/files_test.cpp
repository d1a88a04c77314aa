#include "framework/FileType.h"
#include "framework/FolderItem.h"
#include "tests/framework/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

bool operator==(const fw::FileTypeRegistration& a, const fw::FileTypeRegistration& b) {
    return a.name == b.name && a.creator == b.creator && a.type == b.type &&
           a.extensions == b.extensions && a.uti == b.uti;
}

fw::FileType TextType(const std::string& name) {
    fw::FileType type;
    type.SetName(name);
    type.SetExtensions(".txt, dat");
    type.SetMacType("TEXT");
    type.SetMacCreator("QNDR");
    type.SetMimeType("text/plain");
    type.SetUTI("public.plain-text");
    return type;
}

TEST(FileType, RegistersOnceWhenFirstConverted) {
    fw::FileType type = TextType("RegistersOnce");
    const std::size_t before = fw::FileTypeRegistrations().size();
    EXPECT_FALSE(type.IsRegistered());

    EXPECT_EQ(std::string(type), "RegistersOnce");
    EXPECT_EQ(type.ToText(), "RegistersOnce");

    EXPECT_TRUE(type.IsRegistered());
    ASSERT_EQ(fw::FileTypeRegistrations().size(), before + 1);
    const fw::FileTypeRegistration expected{"RegistersOnce", "QNDR", "TEXT", ".txt, dat",
                                            "public.plain-text"};
    EXPECT_TRUE(fw::FileTypeRegistrations().back() == expected);
}

TEST(FileType, EverySetterWithdrawsTheRegistration) {
    const std::vector<std::pair<std::string, std::function<void(fw::FileType&)>>> setters = {
        {"Name", [](fw::FileType& t) { t.SetName("Renamed"); }},
        {"Extensions", [](fw::FileType& t) { t.SetExtensions("csv"); }},
        {"MacType", [](fw::FileType& t) { t.SetMacType("TXT2"); }},
        {"MacCreator", [](fw::FileType& t) { t.SetMacCreator("ABCD"); }},
        {"MimeType", [](fw::FileType& t) { t.SetMimeType("text/csv"); }},
        {"Imported", [](fw::FileType& t) { t.SetImported(true); }},
        {"ConformsTo", [](fw::FileType& t) { t.SetConformsTo("public.text"); }},
        {"UTI", [](fw::FileType& t) { t.SetUTI("public.data"); }},
    };
    for (const auto& [property, set] : setters) {
        SCOPED_TRACE(property);
        fw::FileType type = TextType("Withdrawn by " + property);
        const std::string name = type;
        set(type);
        EXPECT_FALSE(type.IsRegistered());
        EXPECT_EQ(fw::NameFilterFor(name), "All files (*)");

        const std::size_t before = fw::FileTypeRegistrations().size();
        (void)std::string(type);
        EXPECT_TRUE(type.IsRegistered());
        EXPECT_EQ(fw::FileTypeRegistrations().size(), before + 1);
    }
}

TEST(FileType, NameFilterComesFromTheRegisteredType) {
    fw::FileType plain = TextType("text/plain");
    (void)std::string(plain);
    fw::FileType data;
    data.SetName("Quendrel data");
    data.SetExtensions(" csv ;.tsv,, ");
    (void)std::string(data);
    fw::FileType bare;
    bare.SetName("Bare");
    (void)std::string(bare);

    struct Case { std::string name, filter; };
    const std::vector<Case> cases = {
        {"text/plain", "Text files (*.txt *.dat)"},
        {"Quendrel data", "Quendrel data (*.csv *.tsv)"},
        {"Bare", "Bare (*)"},
        {"never registered", "All files (*)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fw::NameFilterFor(c.name), c.filter);
    }
}

TEST(FolderItem, NameIsTheLastPathComponent) {
    struct Case { std::string path, name; };
    const std::vector<Case> cases = {
        {"/home/ann/data.txt", "data.txt"}, {"data.txt", "data.txt"},
        {"/home/ann/", "ann"}, {"/", "/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(fw::FolderItem(c.path).Name(), c.name);
    }
}

TEST(FolderItem, ExistsForFilesAndFoldersOnDisk) {
    quendrel::testing::TempFolder folder;
    std::filesystem::create_directory(folder.PathOf("sub"));
    EXPECT_TRUE(fw::FolderItem(folder.Write("data.txt", "x")).Exists());
    EXPECT_TRUE(fw::FolderItem(folder.PathOf("sub")).Exists());
    EXPECT_FALSE(fw::FolderItem(folder.PathOf("missing.txt")).Exists());
}

}  // namespace
