#pragma once
#include <QTimer>

namespace fw::detail {

struct TimerClock {
    QTimer timer;
};

}  // namespace fw::detail
