// Pictures come from the resources folder, or not at all.
#include "FrameworkTest.h"

#include "framework/Canvas.h"
#include "framework/Picture.h"

#include <QCoreApplication>
#include <QDir>

namespace {

class PictureTest : public FrameworkTest {
protected:
    void TearDown() override {
        fw::SetResourcesFolder("");
        FrameworkTest::TearDown();
    }
};

TEST_F(PictureTest, OpensTheNamedFileOfTheResourcesFolder) {
    fw::SetResourcesFolder(RESOURCES_DIR);
    EXPECT_EQ(fw::ResourcesFolder(), RESOURCES_DIR);
    auto picture = fw::Picture::OpenFromApp("puzzle128.gif");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 128);
    EXPECT_EQ(picture->Height(), 128);
    auto& canvas = OpenWindow().New<fw::Canvas>("canvas");
    canvas.SetBackdrop(picture);
    EXPECT_EQ(canvas.Backdrop(), picture);
}

TEST_F(PictureTest, MissingOrUndecodableFileGivesNothing) {
    fw::SetResourcesFolder(FIXTURES_DIR);
    EXPECT_EQ(fw::Picture::OpenFromApp("no-such-picture.png"), nullptr);
    EXPECT_EQ(fw::Picture::OpenFromApp("not-a-picture.png"), nullptr);
}

// No resources/ beside the test executable: an installed program's share folder,
// found from the executable's bin folder whatever the installation prefix.
TEST_F(PictureTest, FallsBackToTheShareFolderBesideTheExecutablesFolder) {
    fw::SetResourcesFolder("");
    QDir bin(QCoreApplication::applicationDirPath());
    ASSERT_FALSE(bin.exists("resources"));
    EXPECT_EQ(fw::ResourcesFolder(), QDir::cleanPath(bin.filePath("../share/quendrel/resources")).toStdString());
}

}  // namespace
