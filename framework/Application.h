#pragma once
// The application object, its version data, and the runtime: start-up, the event loop
// and Quit.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace fw {

class MenuBar;

class Application {
public:
    Application() = default;
    virtual ~Application() = default;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    virtual void Constructor() {}
    virtual bool IsEventImplemented(const std::string& /*eventName*/) const { return false; }

    void _x_SetVersionData(int64_t major, int64_t minor, int64_t bug, int64_t nonRelease, int64_t stage,
                           const std::string& longVersion, const std::string& shortVersion,
                           const std::string& packageInfo);
    int64_t MajorVersion() const { return major_; }
    int64_t MinorVersion() const { return minor_; }
    int64_t BugVersion() const { return bug_; }
    int64_t NonReleaseVersion() const { return nonRelease_; }
    int64_t StageCode() const { return stage_; }
    const std::string& LongVersion() const { return longVersion_; }
    const std::string& ShortVersion() const { return shortVersion_; }
    const std::string& PackageInfo() const { return packageInfo_; }

    void SetMenuBar(class MenuBar* bar) { menuBar_ = bar; }
    class MenuBar* MenuBar() const { return menuBar_; }

private:
    int64_t major_ = 0, minor_ = 0, bug_ = 0, nonRelease_ = 0, stage_ = 0;
    std::string longVersion_, shortVersion_, packageInfo_;
    class MenuBar* menuBar_ = nullptr;
};

// The running application object, or nullptr before one is registered.
Application* App();

// Makes the toolkit's application; must come before any window. argc and argv are
// handed on unchanged.
void RuntimeInit(int& argc, char** argv);
void SetSupportsHiDPI(bool supports);
bool SupportsHiDPI();
// The object becomes the running application; the runtime holds it from now on. Its
// PackageInfo is the program's name, which titles the message boxes.
void RegisterAppObject(std::unique_ptr<Application> app);
// Runs the framework's own initialisation, then calls lateStartup to make the first window.
void RunFrameworkInitialization(const std::function<void()>& lateStartup);
// The event loop, until Quit; returns the exit status. Afterwards every open window
// is closed (their Close events run) and destroyed.
int RuntimeRun();
// Ends the event loop with that status. A Quit while quitting is harmless.
void Quit(int status = 0);
bool IsQuitting();

}  // namespace fw
