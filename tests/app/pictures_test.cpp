// The picture accessors: one shared object per picture once its file has loaded, and
// another try on the next call while it has not. The caches live for the whole
// process, so a case that needs an empty cache is skipped when an earlier test of the
// same process filled it.
#include "ShellTest.h"

#include "app/Pictures.h"
#include "tests/framework/TempFolder.h"

#include <filesystem>

namespace {

class PicturesTest : public ShellTest {
protected:
    void SetUp() override { fw::SetResourcesFolder(folder.PathOf("")); }
    void CopyIn(const std::string& name) {
        std::filesystem::copy_file(std::string(RESOURCES_DIR) + "/" + name, folder.PathOf(name));
    }
    quendrel::testing::TempFolder folder;
};

TEST_F(PicturesTest, EveryCallerGetsTheSameTitlePicture) {
    CopyIn("Quendreltitle.png");
    auto first = Quendreltitle1();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Width(), 515);
    EXPECT_EQ(first->Height(), 75);
    EXPECT_EQ(Quendreltitle1(), first);
}

TEST_F(PicturesTest, MissingFileIsTriedAgainAndALoadedOneIsNeverReadAgain) {
    if (puzzle256()) GTEST_SKIP() << "puzzle256 was loaded earlier in this process";
    EXPECT_EQ(puzzle256(), nullptr);

    CopyIn("puzzle256.gif");
    auto loaded = puzzle256();
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->Width(), 256);
    EXPECT_EQ(loaded->Height(), 257);

    std::filesystem::remove(folder.PathOf("puzzle256.gif"));
    EXPECT_EQ(puzzle256(), loaded);
}

TEST_F(PicturesTest, EachAccessorReadsItsOwnFile) {
    CopyIn("puzzle128.gif");
    auto small = puzzle128();
    ASSERT_NE(small, nullptr);
    EXPECT_EQ(small->Width(), 128);
    EXPECT_EQ(small->Height(), 128);
}

}  // namespace
