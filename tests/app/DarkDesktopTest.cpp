// On a dark desktop every window still looks as drawn: each control that shows text
// keeps its text legible on what it is drawn on, whether its window is active or not.
#include "ShellTest.h"

#include "app/AboutWnd.h"
#include "app/ControlWnd.h"
#include "app/helpWnd.h"
#include "framework/Control.h"
#include "framework/PushButton.h"
#include "framework/TextControl.h"
#include "framework/testing/Colors.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <set>
#include <string>

namespace {

using fw::testing::ColorGroup;

// Relative luminance and contrast ratio as the accessibility guidelines define them.
double Luminance(fw::Color color) {
    auto channel = [](unsigned value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color >> 16 & 0xFF) + 0.7152 * channel(color >> 8 & 0xFF) + 0.0722 * channel(color & 0xFF);
}

double Contrast(fw::Color a, fw::Color b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::string Hex(fw::Color color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", color);
    return text;
}

constexpr double kLegible = 4.5;

fw::Window& OpenMain() { return ControlWnd(); }
fw::Window& OpenSplash() { return AboutWnd(); }
fw::Window& OpenHelp() { return helpWnd(); }

struct Row {
    const char* name;
    fw::Window& (*open)();
    const char* control;
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

const Row kRows[] = {
    {"LoadDataButton", OpenMain, "calcBtn"},
    {"ClearButton", OpenMain, "clearBtn"},
    {"InformationButton", OpenMain, "helpBtn"},
    {"PredictorsField", OpenMain, "pFld"},
    {"RSquareField", OpenMain, "RyFld"},
    {"PredictorsCaptionField", OpenMain, "TextField1"},
    {"RSquareLabel", OpenMain, "RyText"},
    {"MainCopyrightLine", OpenMain, "Label1"},
    {"ResultsArea", OpenMain, "ResultsFld"},
    {"SplashCopyrightLine", OpenSplash, "StaticText2"},
    {"HelpArea", OpenHelp, "EditField1"},
};

class DarkDesktopTest : public ShellTest {
protected:
    fw::testing::ScopedDarkDesktopPalette dark;  // before any window opens
};

class DarkDesktopContrastTest : public DarkDesktopTest, public ::testing::WithParamInterface<Row> {};

TEST_P(DarkDesktopContrastTest, TextStaysLegibleOnWhatItIsDrawnOn) {
    const Row& row = GetParam();
    auto* control = dynamic_cast<fw::RectControl*>(row.open().FindControl(row.control));
    ASSERT_NE(control, nullptr) << row.control;
    for (ColorGroup group : {ColorGroup::Active, ColorGroup::Inactive}) {
        const fw::testing::DrawnColors drawn = fw::testing::DrawnColorsOf(*control, group);
        EXPECT_GE(Contrast(drawn.text, drawn.background), kLegible)
            << (group == ColorGroup::Active ? "active" : "inactive") << ": " << Hex(drawn.text) << " on "
            << Hex(drawn.background);
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, DarkDesktopContrastTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

// A control that shows text and has no row above would go unchecked.
TEST_F(DarkDesktopTest, EveryControlThatShowsTextHasARow) {
    for (auto open : {OpenMain, OpenSplash, OpenHelp}) {
        fw::Window& window = open();
        std::set<std::string> showingText, inTable;
        for (const auto& control : window.Controls())
            if (dynamic_cast<fw::TextControl*>(control.get()) || dynamic_cast<fw::PushButton*>(control.get()))
                showingText.insert(control->Name());
        for (const Row& row : kRows)
            if (row.open == open) inTable.insert(row.control);
        EXPECT_EQ(showingText, inTable) << window.ClassName();
    }
}

}  // namespace
