#include "framework/Text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

const std::string EAcute = "\xC3\xA9";            // é, 2 bytes
const std::string EnDash = "\xE2\x80\x93";        // –, 3 bytes
const std::string Grinning = "\xF0\x9F\x98\x80";  // U+1F600, 4 bytes

TEST(Text, AscGivesTheFirstCharactersCode) {
    struct Case { std::string text; int64_t code; };
    const std::vector<Case> cases = {
        {"", 0}, {" ", 32}, {"Ab", 65}, {EAcute, 0xE9}, {EnDash + "x", 0x2013},
        {Grinning, 0x1F600}, {"\xFF", 0xFFFD}, {"\xE2\x80", 0xFFFD},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(fw::Asc(c.text), c.code);
    }
}

TEST(Text, ChrEncodesCharactersAndRefusesOtherCodes) {
    struct Case { int64_t code; std::string text; };
    const std::vector<Case> cases = {
        {65, "A"}, {0, std::string(1, '\0')}, {0xE9, EAcute}, {0x2013, EnDash},
        {0x1F600, Grinning}, {0x10FFFF, "\xF4\x8F\xBF\xBF"},
        {-1, ""}, {0xD800, ""}, {0xDFFF, ""}, {0x110000, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(fw::Chr(c.code), c.text);
        if (!c.text.empty()) {
            EXPECT_EQ(fw::Asc(fw::Chr(c.code)), c.code);
        }
    }
}

TEST(Text, LenCountsCharacters) {
    struct Case { std::string text; int64_t length; };
    const std::vector<Case> cases = {
        {"", 0}, {"abc", 3}, {EAcute + EnDash + Grinning, 3}, {"a\xFF" "b", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(fw::Len(c.text), c.length);
    }
}

TEST(Text, LeftAndMidCountCharacters) {
    const std::string mixed = EAcute + EnDash + Grinning + "x";
    struct Case { std::string text; int64_t start, count; std::string left, mid; };
    // left is Left(text, count); mid is Mid(text, start, count).
    const std::vector<Case> cases = {
        {mixed, 1, 2, EAcute + EnDash, EnDash + Grinning},
        {mixed, 3, 10, mixed, "x"},
        {"abc", -1, 2, "ab", "a"},
        {"abc", 1, 0, "", ""},
        {"abc", 1, -1, "", ""},
        {"abc", 5, 1, "a", ""},
        {"", 0, 3, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " " + std::to_string(c.start) + " " + std::to_string(c.count));
        EXPECT_EQ(fw::Left(c.text, c.count), c.left);
        EXPECT_EQ(fw::Mid(c.text, c.start, c.count), c.mid);
    }
}

TEST(Text, NthFieldCountsFromOneAndIsEmptyPastTheLast) {
    struct Case { std::string text, separator; int64_t n; std::string field; };
    const std::vector<Case> cases = {
        {"a\tb\tc", "\t", 1, "a"}, {"a\tb\tc", "\t", 3, "c"}, {"a\tb\tc", "\t", 4, ""},
        {"a\tb\tc", "\t", 0, ""}, {"a\tb\tc", "\t", -1, ""},
        {"a\t", "\t", 2, ""}, {"", "\t", 1, ""},
        {"a,,b", ",", 2, ""}, {"a,,b", ",", 3, "b"},
        {"a--b--c", "--", 2, "b"},
        {EAcute + EnDash + Grinning, EnDash, 2, Grinning},
        {"abc", "", 1, "abc"}, {"abc", "", 2, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " / " + c.separator + " / " + std::to_string(c.n));
        EXPECT_EQ(fw::NthField(c.text, c.separator, c.n), c.field);
    }
}

TEST(Text, ValReadsTheLeadingDecimalNumber) {
    struct Case { std::string text; double value; };
    const std::string digits400 = "1" + std::string(400, '0');
    const std::vector<Case> cases = {
        {"", 0}, {"   ", 0}, {"2.5", 2.5}, {" 7", 7}, {"\t 7", 7}, {"+3", 3},
        {"-.5x", -0.5}, {".35", 0.35}, {"5.", 5}, {".", 0}, {"+", 0}, {"-", 0}, {"- 5", 0},
        {"1.5.5", 1.5}, {"x5", 0},
        // A decimal comma reads as a point; only the first separator counts.
        {"1,5", 1.5}, {"0,18", 0.18}, {"-,045", -0.045}, {",5", 0.5}, {"5,", 5}, {",", 0},
        {"1,5e2", 150}, {"1,2,3", 1.2}, {"1.5,5", 1.5}, {"1,5.5", 1.5}, {"1,5e400", DBL_MAX},
        {"1e3", 1000}, {"1e+3", 1000}, {"1E-2", 0.01}, {"2.5e3x", 2500}, {"1e", 1}, {"1e+", 1}, {"5.e1", 50},
        {"nan", 0}, {"inf", 0}, {"-inf", 0}, {"infinity", 0}, {"0x1A", 0},
        // Out of range: too large stays too large, too small is 0.
        {"1e400", DBL_MAX}, {"-1e400", -DBL_MAX}, {digits400, DBL_MAX},
        {"0.5e99999999999999999999", DBL_MAX}, {digits400 + "e-800", 0},
        {"1e-400", 0}, {"-1e-400", 0}, {"0e999999", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        EXPECT_EQ(fw::Val(c.text), c.value);
    }
}

TEST(Text, FormatFollowsTheMask) {
    struct Case { double value; std::string mask, text; };
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<Case> cases = {
        // No digit place before the point: the integer part shows only when not 0.
        {0.18, "+.000", "+.180"}, {-0.045, "+.000", "-.045"}, {1.2346, "+.000", "+1.235"},
        {0, "+.000", "+.000"}, {0.25, ".000", ".250"}, {-0.25, ".000", "-.250"},
        {0.5, ".000", ".500"}, {0.1285714, ".000", ".129"},
        // A value that rounds to zero has no minus sign.
        {-0.0001, "+.000", "+.000"}, {-0.0001, ".000", ".000"}, {-0.0, "+.000", "+.000"},
        // Half away from zero on the double's exact value: 0.125 is a true tie,
        // 2.675 is really 2.67499999...
        {0.125, "0.00", "0.13"}, {-0.125, "0.00", "-0.13"}, {2.5, "0", "3"},
        {-2.5, "0", "-3"}, {2.675, "0.00", "2.67"},
        {0.9996, ".000", "1.000"}, {9.9996, "+.000", "+10.000"},
        {42, "-0", "42"}, {-42, "-0", "-42"}, {42, "+0", "+42"}, {7, "000", "007"},
        {2.5, "#.##", "2.5"}, {2, "#.##", "2."}, {2.5, "0.0#", "2.5"},
        {1234567.891, "#,##0.00", "1,234,567.89"}, {12, "#,##0.00", "12.00"},
        {inf, "+.000", "+INF"}, {inf, ".000", "INF"}, {-inf, "+.000", "-INF"},
        {std::nan(""), "+.000", "NAN"},
        {0.35, "", "0.35"},  // no mask: as Str
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.value) + " " + c.mask);
        EXPECT_EQ(fw::Format(c.value, c.mask), c.text);
    }
}

TEST(Text, FormatWritesEveryIntegerDigitOfAHugeValue) {
    const std::string text = fw::Format(1e300, "+.000");
    ASSERT_EQ(text.size(), 1 + 301 + 4);
    EXPECT_EQ(text.substr(0, 2), "+1");
    EXPECT_EQ(text.substr(text.size() - 4), ".000");
    EXPECT_EQ(text.find_first_not_of("0123456789", 1), text.size() - 4);
}

TEST(Text, StrGivesTheShortestTextThatReadsBack) {
    struct Case { double value; std::string text; };
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<Case> cases = {
        {0.35, "0.35"}, {2, "2"}, {-1.5, "-1.5"}, {0.1 + 0.2, "0.30000000000000004"},
        {1e300, "1e+300"}, {inf, "INF"}, {-inf, "-INF"}, {std::nan(""), "NAN"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(fw::Str(c.value), c.text);
    }
    for (double value : {1.0 / 3, DBL_MAX, DBL_MIN, 5e-324, -123.456e-7}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(fw::Val(fw::Str(value)), value);
    }
}

}  // namespace
