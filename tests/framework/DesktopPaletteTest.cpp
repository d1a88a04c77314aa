// A window's controls look the same on a dark desktop as on a plain one: every colour
// of their palettes, and the colours their text is drawn in and on; and on a plain one
// they keep the toolkit's own light palette.
#include "FrameworkTest.h"

#include "framework/Label.h"
#include "framework/PushButton.h"
#include "framework/TextArea.h"
#include "framework/TextField.h"
#include "framework/detail/LightPalette.h"
#include "framework/detail/WidgetHost.h"
#include "framework/testing/Colors.h"

#include <QMetaEnum>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using Look = std::map<std::string, std::string>;

std::string Hex(fw::Color color) { return QColor(QRgb(color)).name().toStdString(); }

// Every colour of a palette, by group and role.
Look ColorsOf(const QPalette& palette) {
    Look colors;
    const QMetaEnum roles = QMetaEnum::fromType<QPalette::ColorRole>();
    for (auto [group, groupName] : {std::pair{QPalette::Active, "active "}, {QPalette::Inactive, "inactive "},
                                    {QPalette::Disabled, "disabled "}})
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            if (role != QPalette::NoRole)
                colors[groupName + std::string(roles.valueToKey(role))] =
                    palette.color(group, QPalette::ColorRole(role)).name(QColor::HexArgb).toStdString();
    return colors;
}

Look LookOf(const fw::RectControl& control) {
    Look look = ColorsOf(control.Host().widget->palette());
    for (auto [group, groupName] : {std::pair{fw::testing::ColorGroup::Active, "active "},
                                    {fw::testing::ColorGroup::Inactive, "inactive "}}) {
        const fw::testing::DrawnColors drawn = fw::testing::DrawnColorsOf(control, group);
        look[groupName + std::string("drawn text")] = Hex(drawn.text);
        look[groupName + std::string("drawn on")] = Hex(drawn.background);
    }
    return look;
}

std::vector<std::string> Differences(const Look& expected, const Look& actual) {
    std::vector<std::string> differences;
    for (const auto& [key, value] : expected)
        if (actual.at(key) != value) differences.push_back(key + ": " + actual.at(key) + ", not " + value);
    return differences;
}

struct Row {
    const char* name;
    fw::RectControl& (*make)(fw::Window&);
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

template <class C, class P>
fw::RectControl& Make(fw::Window& window, const P& properties) {
    auto& control = window.New<C>("control");
    control.SetProperties(properties);
    return control;
}

fw::RectControl& Button(fw::Window& w) { return Make<fw::PushButton>(w, fw::PushButtonProperties{.Caption = "Go"}); }
fw::RectControl& Field(fw::Window& w) { return Make<fw::TextField>(w, fw::TextFieldProperties{.Value = "4"}); }
fw::RectControl& SeeThroughField(fw::Window& w) {
    return Make<fw::TextField>(w, fw::TextFieldProperties{.Value = "Caption", .HasBorder = false, .ReadOnly = true});
}
fw::RectControl& FilledLabel(fw::Window& w) {
    return Make<fw::Label>(w, fw::LabelProperties{.Value = "R", .Transparent = false});
}
fw::RectControl& SeeThroughLabel(fw::Window& w) { return Make<fw::Label>(w, fw::LabelProperties{.Value = "R"}); }
fw::RectControl& Area(fw::Window& w) { return Make<fw::TextArea>(w, fw::TextAreaProperties{.Value = "text"}); }
// Its selection stays drawn while the focus is elsewhere.
fw::RectControl& AreaShowingSelection(fw::Window& w) {
    return Make<fw::TextArea>(w, fw::TextAreaProperties{.Value = "text", .HideSelection = false});
}

const Row kRows[] = {
    {"PushButton", Button},
    {"TextField", Field},
    {"SeeThroughField", SeeThroughField},
    {"FilledLabel", FilledLabel},
    {"SeeThroughLabel", SeeThroughLabel},
    {"TextArea", Area},
    {"TextAreaShowingSelection", AreaShowingSelection},
};

class DesktopPaletteTest : public FrameworkTest, public ::testing::WithParamInterface<Row> {
protected:
    // The look of the row's control in a fresh window without a background colour.
    Look LookInAFreshWindow() {
        Look look = LookOf(GetParam().make(OpenWindow()));
        fw::testing::ResetRuntime();
        return look;
    }
};

TEST_P(DesktopPaletteTest, ControlLooksTheSameOnADarkDesktop) {
    const Look plain = LookInAFreshWindow();
    fw::testing::ScopedDarkDesktopPalette dark;
    EXPECT_EQ(Differences(plain, LookInAFreshWindow()), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Controls, DesktopPaletteTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

// On a desktop without a theme the windows get the toolkit's own light palette; the
// fixed one must be the same to the last colour, or the light look would change.
TEST(LightPaletteTest, IsTheToolkitsOwnLightPalette) {
    const std::unique_ptr<QStyle> style(QStyleFactory::create("Fusion"));
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(Differences(ColorsOf(style->standardPalette()), ColorsOf(fw::detail::LightPalette())),
              std::vector<std::string>{});
}

}  // namespace
