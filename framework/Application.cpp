#include "framework/Application.h"

#include <QApplication>

namespace fw {
namespace {

struct Runtime {
    std::unique_ptr<QApplication> toolkit;
    std::unique_ptr<Application> app;
    bool hiDPI = false;
    bool quitting = false;
};

Runtime& TheRuntime() {
    static Runtime runtime;
    return runtime;
}

}  // namespace

void Application::_x_SetVersionData(int64_t major, int64_t minor, int64_t bug, int64_t nonRelease, int64_t stage,
                                    const std::string& longVersion, const std::string& shortVersion,
                                    const std::string& packageInfo) {
    major_ = major;
    minor_ = minor;
    bug_ = bug;
    nonRelease_ = nonRelease;
    stage_ = stage;
    longVersion_ = longVersion;
    shortVersion_ = shortVersion;
    packageInfo_ = packageInfo;
}

Application* App() { return TheRuntime().app.get(); }

void RuntimeInit(int& argc, char** argv) {
    if (!TheRuntime().toolkit) TheRuntime().toolkit = std::make_unique<QApplication>(argc, argv);
}

void SetSupportsHiDPI(bool supports) { TheRuntime().hiDPI = supports; }
bool SupportsHiDPI() { return TheRuntime().hiDPI; }

void RegisterAppObject(std::unique_ptr<Application> app) { TheRuntime().app = std::move(app); }

void RunFrameworkInitialization(const std::function<void()>& lateStartup) { lateStartup(); }

int RuntimeRun() { return QApplication::exec(); }

void Quit(int status) {
    if (TheRuntime().quitting) return;
    TheRuntime().quitting = true;
    QApplication::exit(status);
}

bool IsQuitting() { return TheRuntime().quitting; }

}  // namespace fw
