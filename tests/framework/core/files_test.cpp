#include "framework/core/FileType.h"
#include "framework/core/FolderItem.h"
#include "tests/framework/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

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

struct SetterRow {
    const char* name;  // the property set
    std::function<void(fw::FileType&)> set;
};

void PrintTo(const SetterRow& row, std::ostream* out) { *out << row.name; }

const SetterRow kSetterRows[] = {
    {"Name", [](fw::FileType& t) { t.SetName("Renamed"); }},
    {"Extensions", [](fw::FileType& t) { t.SetExtensions("csv"); }},
    {"MacType", [](fw::FileType& t) { t.SetMacType("TXT2"); }},
    {"MacCreator", [](fw::FileType& t) { t.SetMacCreator("ABCD"); }},
    {"MimeType", [](fw::FileType& t) { t.SetMimeType("text/csv"); }},
    {"Imported", [](fw::FileType& t) { t.SetImported(true); }},
    {"ConformsTo", [](fw::FileType& t) { t.SetConformsTo("public.text"); }},
    {"UTI", [](fw::FileType& t) { t.SetUTI("public.data"); }},
};

class FileTypeSetterTest : public ::testing::TestWithParam<SetterRow> {};

TEST_P(FileTypeSetterTest, WithdrawsTheRegistration) {
    fw::FileType type = TextType("Withdrawn by " + std::string(GetParam().name));
    const std::string name = type;
    GetParam().set(type);
    EXPECT_FALSE(type.IsRegistered());
    EXPECT_EQ(fw::NameFilterFor(name), "All files (*)");

    const std::size_t before = fw::FileTypeRegistrations().size();
    (void)std::string(type);
    EXPECT_TRUE(type.IsRegistered());
    EXPECT_EQ(fw::FileTypeRegistrations().size(), before + 1);
}

INSTANTIATE_TEST_SUITE_P(FileType, FileTypeSetterTest, ::testing::ValuesIn(kSetterRows),
                         ::testing::PrintToStringParamName());

struct NameFilterRow {
    const char* name;
    std::string typeName, filter;
};

void PrintTo(const NameFilterRow& row, std::ostream* out) { *out << row.name; }

const NameFilterRow kNameFilterRows[] = {
    {"WellKnownType", "text/plain", "Text files (*.txt *.dat)"},
    {"TidiedExtensions", "Quendrel data", "Quendrel data (*.csv *.tsv)"},
    {"NoExtension", "Bare", "Bare (*)"},
    {"NeverRegistered", "never registered", "All files (*)"},
};

class NameFilterTest : public ::testing::TestWithParam<NameFilterRow> {
protected:
    void SetUp() override {
        (void)std::string(plain);
        data.SetName("Quendrel data");
        data.SetExtensions(" csv ;.tsv,, ");
        (void)std::string(data);
        bare.SetName("Bare");
        (void)std::string(bare);
    }
    fw::FileType plain = TextType("text/plain");
    fw::FileType data;
    fw::FileType bare;
};

TEST_P(NameFilterTest, ComesFromTheRegisteredType) {
    EXPECT_EQ(fw::NameFilterFor(GetParam().typeName), GetParam().filter);
}

INSTANTIATE_TEST_SUITE_P(FileType, NameFilterTest, ::testing::ValuesIn(kNameFilterRows),
                         ::testing::PrintToStringParamName());

struct FolderItemNameRow {
    const char* name;
    std::string path, itemName;
};

void PrintTo(const FolderItemNameRow& row, std::ostream* out) { *out << row.name; }

const FolderItemNameRow kFolderItemNameRows[] = {
    {"AbsolutePath", "/home/ann/data.txt", "data.txt"}, {"BareName", "data.txt", "data.txt"},
    {"TrailingSlash", "/home/ann/", "ann"}, {"Root", "/", "/"},
};

class FolderItemNameTest : public ::testing::TestWithParam<FolderItemNameRow> {};

TEST_P(FolderItemNameTest, IsTheLastPathComponent) {
    EXPECT_EQ(fw::FolderItem(GetParam().path).Name(), GetParam().itemName);
}

INSTANTIATE_TEST_SUITE_P(FolderItem, FolderItemNameTest, ::testing::ValuesIn(kFolderItemNameRows),
                         ::testing::PrintToStringParamName());

TEST(FolderItem, ExistsForFilesAndFoldersOnDisk) {
    quendrel::testing::TempFolder folder;
    std::filesystem::create_directory(folder.PathOf("sub"));
    EXPECT_TRUE(fw::FolderItem(folder.Write("data.txt", "x")).Exists());
    EXPECT_TRUE(fw::FolderItem(folder.PathOf("sub")).Exists());
    EXPECT_FALSE(fw::FolderItem(folder.PathOf("missing.txt")).Exists());
}

}  // namespace
