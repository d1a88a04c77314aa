#include "framework/Date.h"
#include "framework/testing/ScriptedDesktop.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

TEST(Date, NowComesFromTheDesktopsClock) {
    fw::testing::ScopedScriptedDesktop desktop;
    desktop->now = fw::Date::Clock::time_point(1'700'000'000s);
    EXPECT_EQ(fw::Date().Moment(), desktop->now);
}

TEST(Date, ShortFormatsShowTheDayAndTheMinute) {
    const fw::Date::Clock::time_point noon(1'700'000'000s);
    const fw::Date base(noon);
    EXPECT_FALSE(base.ShortDate().empty());
    EXPECT_FALSE(base.ShortTime().empty());
    EXPECT_NE(fw::Date(noon + 24h).ShortDate(), base.ShortDate());
    EXPECT_NE(fw::Date(noon + 1h).ShortTime(), base.ShortTime());
}

}  // namespace
