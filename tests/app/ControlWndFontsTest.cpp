// The fonts the main window's Open handlers give its fields and labels, which differ
// from what the layout table sets.
#include "MainWindowTest.h"

#include <ostream>
#include <string>

namespace {

struct Look {
    std::string font;
    double size;
    bool bold;
    bool operator==(const Look&) const = default;
};

void PrintTo(const Look& look, std::ostream* out) {
    *out << look.font << ' ' << look.size << (look.bold ? " bold" : "");
}

template <class C>
Look LookOf(const C& control) {
    return {control.TextFont(), control.TextSize(), control.Bold()};
}

using ControlWndFontsTest = MainWindowTest;

TEST_F(ControlWndFontsTest, OpenHandlersSetTheFonts) {
    EXPECT_EQ(LookOf(*w.pFld()), (Look{"System", 12, false}));
    EXPECT_EQ(LookOf(*w.RyFld()), (Look{"System", 12, false}));
    EXPECT_EQ(w.ResultsFld()->TextFont(), "System");  // a text area has no one bold
    EXPECT_EQ(w.ResultsFld()->TextSize(), 12);
    EXPECT_EQ(LookOf(*w.RyText()), (Look{"System", 0, true}));
    EXPECT_EQ(LookOf(*w.TextField1()), (Look{"System", 0, true}));
    EXPECT_EQ(LookOf(*w.Label1()), (Look{"System", 11, false}));
}

}  // namespace
