#include "framework/Application.h"

#include "framework/detail/RuntimeState.h"
#include "framework/detail/WindowRegistry.h"

#include <QApplication>

namespace fw {
namespace {

struct Runtime {
    // Never deleted: a QApplication torn down by a static destructor, after the toolkit's
    // own statics are gone, crashes; the end of the process reclaims it.
    QApplication* toolkit = nullptr;
    std::unique_ptr<Application> app;
    bool hiDPI = false;
    bool quitting = false;
    int status = -1;
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

// The program ends through Quit only, never because its last window went away.
void RuntimeInit(int& argc, char** argv) {
    if (TheRuntime().toolkit) return;
    TheRuntime().toolkit = new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
}

void SetSupportsHiDPI(bool supports) { TheRuntime().hiDPI = supports; }
bool SupportsHiDPI() { return TheRuntime().hiDPI; }

// The program's name as the user knows it, where the toolkit would fall back on the
// executable's file name (a message box's title). Not the display name: on X11 that
// is appended to every window's title.
void RegisterAppObject(std::unique_ptr<Application> app) {
    if (app && !app->PackageInfo().empty()) QCoreApplication::setApplicationName(QString::fromStdString(app->PackageInfo()));
    TheRuntime().app = std::move(app);
}

void RunFrameworkInitialization(const std::function<void()>& lateStartup) { lateStartup(); }

// A Quit before the loop starts ends the run at once. The windows' Close events run
// after the loop, where a further Quit does nothing.
int RuntimeRun() {
    int result = TheRuntime().quitting ? 0 : QApplication::exec();
    detail::CloseAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return TheRuntime().quitting ? TheRuntime().status : result;
}

void Quit(int status) {
    if (TheRuntime().quitting) return;
    TheRuntime().quitting = true;
    TheRuntime().status = status;
    QApplication::exit(status);
}

bool IsQuitting() { return TheRuntime().quitting; }

namespace detail {

int QuitStatus() { return TheRuntime().status; }

void ResetQuitState() {
    TheRuntime().quitting = false;
    TheRuntime().status = -1;
}

}  // namespace detail

}  // namespace fw
