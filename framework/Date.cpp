#include "framework/Date.h"

#include "framework/Desktop.h"

#include <QDateTime>
#include <QLocale>

namespace fw {
namespace {

QDateTime LocalDateTime(Date::Clock::time_point moment) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(moment.time_since_epoch());
    return QDateTime::fromMSecsSinceEpoch(ms.count());  // in local time
}

}  // namespace

Date::Date() : moment_(CurrentDesktop().Now()) {}

Date::Date(Clock::time_point moment) : moment_(moment) {}

std::string Date::ShortDate() const {
    return QLocale::system().toString(LocalDateTime(moment_).date(), QLocale::ShortFormat).toStdString();
}

std::string Date::ShortTime() const {
    return QLocale::system().toString(LocalDateTime(moment_).time(), QLocale::ShortFormat).toStdString();
}

}  // namespace fw
