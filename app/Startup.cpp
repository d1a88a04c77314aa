#include "app/Startup.h"

#include "analysis/Copyright.h"
#include "analysis/FileTypes1.h"
#include "app/AboutWnd.h"
#include "app/MenuBar1.h"
#include "app/Quendrel.h"
#include "framework/Application.h"
#include "framework/Dispatch.h"

#include <memory>

// Stage 3 is a final release.
const VersionData kVersionData{2, 0, 0, 0, 3, CopyrightLine, "2.0", "Quendrel"};

// A step that fails skips the rest of start-up and the event loop; the failure gets
// the default handling of unhandled exceptions.
int Main() {
    int status = 1;
    fw::Dispatch([&] {
        EarlyStartup();
        fw::RunFrameworkInitialization(LateStartup);
        status = fw::RuntimeRun();
    });
    return status;
}

void EarlyStartup() {
    fw::SetSupportsHiDPI(true);
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
}

void InitFileTypes() { FileTypes1::Initialize(); }

// The menu bar is installed before any window exists.
void NewAppInstance() {
    auto app = std::make_unique<Quendrel>();
    app->Constructor();
    const VersionData& v = kVersionData;
    app->_x_SetVersionData(v.major, v.minor, v.bug, v.nonRelease, v.stage, v.longVersion, v.shortVersion,
                           v.packageInfo);
    app->SetMenuBar(&MenuBar1());
    fw::RegisterAppObject(std::move(app));
}

// Menu commands are bound by the windows, none by the application.
void ApplicationAddMenuHandlers() {}

void LateStartup() { MakeDefaultView(); }

// The splash is the first window; it shows the moment it is built.
void MakeDefaultView() { AboutWnd(); }
