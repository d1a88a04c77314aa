// A text field's property set: mask, length limit, fonts, its CR text and the tab order.
#include "FrameworkTest.h"

#include "framework/Label.h"
#include "framework/TextField.h"
#include "framework/WindowRegistry.h"
#include "framework/detail/WidgetHost.h"

#include <QLineEdit>

namespace {

using TextFieldTest = FrameworkTest;

TEST_F(TextFieldTest, MaskAdmitsUpToItsDigitPlaces) {
    auto& field = OpenWindow().New<fw::TextField>("field");
    field.SetProperties({.ValidationMask = "##"});
    fw::testing::TypeText(field, "4x27");
    EXPECT_EQ(field.Text(), "42");
    EXPECT_EQ(field.ValidationMask(), "##");
}

TEST_F(TextFieldTest, LimitCountsCharacters) {
    auto& field = OpenWindow().New<fw::TextField>("field");
    field.SetProperties({.MaximumCharactersAllowed = 3});
    fw::testing::TypeText(field, "0.123");
    EXPECT_EQ(field.Text(), "0.1");
    field.SetProperties({.Value = "0.1", .MaximumCharactersAllowed = 0});
    fw::testing::TypeText(field, "23456");
    EXPECT_EQ(field.Text(), "0.123456");
}

TEST_F(TextFieldTest, FontReportsWhatWasSetAndDrawsInPixels) {
    auto& field = OpenWindow().New<fw::TextField>("field");
    const QFont& drawn = field.Host().widget->font();
    EXPECT_EQ(field.TextFont(), "System");
    EXPECT_EQ(field.TextSize(), 0);
    EXPECT_EQ(drawn.pixelSize(), 13);
    field.SetProperties({.font = {.FontSize = 12, .Bold = true}});
    EXPECT_EQ(field.TextSize(), 12);
    EXPECT_TRUE(field.Bold());
    EXPECT_EQ(field.Host().widget->font().pixelSize(), 12);
    EXPECT_TRUE(field.Host().widget->font().bold());
}

TEST_F(TextFieldTest, TextKeepsItsCarriageReturns) {
    auto& field = OpenWindow().New<fw::TextField>("label");
    field.SetProperties({.Value = "Number of\rPredictor Variables:", .HasBorder = false, .ReadOnly = true});
    EXPECT_EQ(field.Text(), "Number of\rPredictor Variables:");
    EXPECT_FALSE(field.HasBorder());
    EXPECT_TRUE(field.ReadOnly());
}

// Tab follows TabIndex, not the order of creation, and skips what is no tab stop.
class TabWindow : public fw::Window {
public:
    TabWindow() : Window("TabWindow.TabWindow") {}
    void CreateControls() override {
        New<fw::TextField>("third").SetProperties({.common = {.TabIndex = 2}});
        New<fw::TextField>("first").SetProperties({.common = {.TabIndex = 0}});
        New<fw::TextField>("skipped").SetProperties({.common = {.TabIndex = 1, .TabStop = false}});
        New<fw::Label>("label").SetProperties({.common = {.TabIndex = 1}});
        New<fw::TextField>("second").SetProperties({.common = {.TabIndex = 1}});
    }
};

TEST_F(TextFieldTest, TabFollowsTabIndex) {
    auto& window = fw::ImplicitWindow<TabWindow>("TabWindow.TabWindow");
    auto field = [&](const char* name) { return window.ControlByName<fw::TextField>(name); };
    field("first")->SetFocus();
    fw::testing::PressKey(*field("first"), "Tab");
    EXPECT_TRUE(field("second")->HasFocus());
    fw::testing::PressKey(*field("second"), "Tab");
    EXPECT_TRUE(field("third")->HasFocus());
    fw::testing::PressKey(*field("third"), "Backtab");
    EXPECT_TRUE(field("second")->HasFocus());
}

}  // namespace
