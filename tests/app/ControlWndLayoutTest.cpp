// The main window as built: its twelve controls in the order of creation, each of its
// class, in its place and with handlers for just its events; and the fields' limits.
#include "MainWindowTest.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <ostream>
#include <string>

namespace {

using Box = std::array<int, 4>;  // left, top, width, height

struct ControlRow {
    const char* name;
    const char* className;
    Box box;
    const char* handled;  // the events with a handler
};

void PrintTo(const ControlRow& row, std::ostream* out) { *out << row.name; }

const ControlRow kRows[] = {
    {"Rectangle1", "Rectangle", {7, 10, 132, 132}, ""},
    {"ImageWell1", "Canvas", {9, 12, 128, 128}, ""},
    {"pFld", "TextField", {190, 195, 50, 22}, "KeyDown Open"},
    {"clearBtn", "PushButton", {300, 538, 100, 50}, "MouseDown"},
    {"helpBtn", "PushButton", {554, 538, 100, 50}, "MouseDown"},
    {"calcBtn", "PushButton", {46, 537, 125, 50}, "MouseDown"},
    {"RyText", "Label", {496, 198, 70, 22}, "Open"},
    {"RyFld", "TextField", {568, 194, 80, 22}, "KeyDown Open"},
    {"ResultsFld", "TextArea", {50, 234, 600, 290}, "KeyDown Open"},
    {"Canvas1", "Canvas", {155, 20, 515, 75}, ""},
    {"Label1", "Label", {155, 76, 515, 20}, "Open"},
    {"TextField1", "TextField", {50, 185, 139, 36}, "Open"},
};

std::string HandledEvents(const fw::Control& control) {
    std::string handled;
    auto note = [&](const auto& event, const char* name) {
        if (event.IsBound()) handled += (handled.empty() ? "" : " ") + std::string(name);
    };
    if (auto* field = dynamic_cast<const fw::TextField*>(&control)) {
        note(field->KeyDown, "KeyDown");
        note(field->Open, "Open");
    }
    if (auto* area = dynamic_cast<const fw::TextArea*>(&control)) {
        note(area->KeyDown, "KeyDown");
        note(area->Open, "Open");
    }
    if (auto* label = dynamic_cast<const fw::Label*>(&control)) note(label->Open, "Open");
    if (auto* button = dynamic_cast<const fw::PushButton*>(&control)) note(button->MouseDown, "MouseDown");
    return handled;
}

class ControlWndLayoutTest : public MainWindowTest, public ::testing::WithParamInterface<ControlRow> {};

TEST_P(ControlWndLayoutTest, ControlStandsInItsOrderAndPlaceWithItsHandlers) {
    const ControlRow& row = GetParam();
    const auto& controls = w.Controls();
    ASSERT_EQ(controls.size(), std::size(kRows));
    const auto position = std::find_if(std::begin(kRows), std::end(kRows),
                                       [&](const ControlRow& r) { return std::string(r.name) == row.name; });
    const fw::Control& control = *controls[position - std::begin(kRows)];
    EXPECT_EQ(control.Name(), row.name);
    EXPECT_EQ(control.ClassName(), row.className);
    const fw::Bounds b = dynamic_cast<const fw::RectControl&>(control).GetBounds();
    EXPECT_EQ((Box{b.Left, b.Top, b.Width, b.Height}), row.box);
    EXPECT_EQ(HandledEvents(control), row.handled);
}

INSTANTIATE_TEST_SUITE_P(Controls, ControlWndLayoutTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<ControlRow>& info) { return std::string(info.param.name); });

using ControlWndLimitsTest = MainWindowTest;

TEST_F(ControlWndLimitsTest, PredictorsTakeTwoCharactersAndRSquaredSix) {
    EXPECT_EQ(w.pFld()->MaximumCharactersAllowed(), 2);
    EXPECT_EQ(w.RyFld()->MaximumCharactersAllowed(), 6);
}

}  // namespace
