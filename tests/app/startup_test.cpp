// Start-up, step by step: the file type before the application object, the menu bar
// before any window, and the splash as the first window. Start-up registers the file
// type for the whole process, so it runs once here.
#include "ShellTest.h"

#include "analysis/Copyright.h"
#include "analysis/FileTypes1.h"
#include "app/AboutWnd.h"
#include "app/MenuBar1.h"
#include "app/Startup.h"
#include "framework/Application.h"
#include "framework/core/FileType.h"
#include "framework/WindowRegistry.h"

#include <algorithm>

namespace {

int RegistrationsNamed(const std::string& name) {
    const auto& all = fw::FileTypeRegistrations();
    return std::count_if(all.begin(), all.end(), [&](const auto& r) { return r.name == name; });
}

class StartupTest : public ShellTest {};

TEST_F(StartupTest, RegistersTheFileTypeThenMakesTheApplicationThenOpensTheSplash) {
    ASSERT_EQ(fw::App(), nullptr) << "start-up already ran in this process";

    InitFileTypes();
    ASSERT_EQ(RegistrationsNamed("text/plain"), 1);
    const auto& text = *std::find_if(fw::FileTypeRegistrations().begin(), fw::FileTypeRegistrations().end(),
                                     [](const auto& r) { return r.name == "text/plain"; });
    EXPECT_EQ(text.creator, "????");
    EXPECT_EQ(text.type, "TEXT");
    EXPECT_EQ(text.extensions, ".txt, dat");
    EXPECT_EQ(text.uti, "public.text");
    ASSERT_EQ(FileTypes1::pAllFileTypes.size(), 1u);
    EXPECT_EQ(FileTypes1::pAllFileTypes[0].get(), FileTypes1::Text().Pointer());
    EXPECT_EQ(fw::App(), nullptr);

    NewAppInstance();
    ApplicationAddMenuHandlers();
    fw::Application* app = fw::App();
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->MajorVersion(), 2);
    EXPECT_EQ(app->MinorVersion(), 0);
    EXPECT_EQ(app->BugVersion(), 0);
    EXPECT_EQ(app->NonReleaseVersion(), 0);
    EXPECT_EQ(app->StageCode(), 3);
    EXPECT_EQ(app->ShortVersion(), "2.0");
    EXPECT_EQ(app->PackageInfo(), "Quendrel");
    EXPECT_EQ(app->LongVersion(), CopyrightLine);
    EXPECT_EQ(app->MenuBar(), &MenuBar1());
    EXPECT_TRUE(fw::OpenWindows().empty());
    EXPECT_EQ(RegistrationsNamed("text/plain"), 1);  // nothing after the first step registers again

    LateStartup();
    ASSERT_EQ(fw::OpenWindows().size(), 1u);
    EXPECT_EQ(fw::OpenWindows()[0], &AboutWnd());
    EXPECT_TRUE(AboutWnd().Visible());
    EXPECT_EQ(MainWindow(), nullptr);
}

}  // namespace
