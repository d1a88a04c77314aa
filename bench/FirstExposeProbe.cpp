#include "bench/FirstExposeProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

[[noreturn]] void PrintClockAndExit() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec);
    std::fflush(stdout);
    std::_Exit(0);
}

class FirstExposeFilter : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWindow*>(watched);
        if (!seen_ && event->type() == QEvent::Expose && window && window->isExposed()) {
            seen_ = true;
            // Queued, so the window paints in answer to this expose before the clock is read.
            QMetaObject::invokeMethod(qApp, [] { PrintClockAndExit(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool seen_ = false;
};

}  // namespace

void ExitOnFirstExpose() { qApp->installEventFilter(new FirstExposeFilter); }
