#include "framework/core/Text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace {

const std::string EAcute = "\xC3\xA9";            // é, 2 bytes
const std::string EnDash = "\xE2\x80\x93";        // –, 3 bytes
const std::string MinusSign = "\xE2\x88\x92";     // U+2212
const std::string Grinning = "\xF0\x9F\x98\x80";  // U+1F600, 4 bytes
const std::string Mixed = EAcute + EnDash + Grinning + "x";
const std::string Digits400 = "1" + std::string(400, '0');
const double Inf = std::numeric_limits<double>::infinity();

struct AscRow { const char* name; std::string text; int64_t code; };
void PrintTo(const AscRow& row, std::ostream* out) { *out << row.name; }

const AscRow kAscRows[] = {
    {"Empty", "", 0}, {"Space", " ", 32}, {"AsciiFirstOfTwo", "Ab", 65}, {"TwoBytes", EAcute, 0xE9},
    {"ThreeBytesFirstOfTwo", EnDash + "x", 0x2013}, {"FourBytes", Grinning, 0x1F600},
    {"InvalidByte", "\xFF", 0xFFFD}, {"CutShortSequence", "\xE2\x80", 0xFFFD},
};

class AscTest : public ::testing::TestWithParam<AscRow> {};

TEST_P(AscTest, GivesTheFirstCharactersCode) { EXPECT_EQ(fw::Asc(GetParam().text), GetParam().code); }

INSTANTIATE_TEST_SUITE_P(Text, AscTest, ::testing::ValuesIn(kAscRows), ::testing::PrintToStringParamName());

struct ChrRow { const char* name; int64_t code; std::string text; };
void PrintTo(const ChrRow& row, std::ostream* out) { *out << row.name; }

const ChrRow kChrRows[] = {
    {"Ascii", 65, "A"}, {"Nul", 0, std::string(1, '\0')}, {"TwoBytes", 0xE9, EAcute}, {"ThreeBytes", 0x2013, EnDash},
    {"FourBytes", 0x1F600, Grinning}, {"LastCharacter", 0x10FFFF, "\xF4\x8F\xBF\xBF"},
    {"Negative", -1, ""}, {"FirstSurrogate", 0xD800, ""}, {"LastSurrogate", 0xDFFF, ""},
    {"PastTheLastCharacter", 0x110000, ""},
};

class ChrTest : public ::testing::TestWithParam<ChrRow> {};

TEST_P(ChrTest, EncodesCharactersAndRefusesOtherCodes) {
    const ChrRow& row = GetParam();
    EXPECT_EQ(fw::Chr(row.code), row.text);
    if (!row.text.empty()) {
        EXPECT_EQ(fw::Asc(fw::Chr(row.code)), row.code);
    }
}

INSTANTIATE_TEST_SUITE_P(Text, ChrTest, ::testing::ValuesIn(kChrRows), ::testing::PrintToStringParamName());

struct LenRow { const char* name; std::string text; int64_t length; };
void PrintTo(const LenRow& row, std::ostream* out) { *out << row.name; }

const LenRow kLenRows[] = {
    {"Empty", "", 0}, {"Ascii", "abc", 3}, {"MultiByteCharacters", EAcute + EnDash + Grinning, 3},
    {"InvalidByteIsOneCharacter", "a\xFF" "b", 3},
};

class LenTest : public ::testing::TestWithParam<LenRow> {};

TEST_P(LenTest, CountsCharacters) { EXPECT_EQ(fw::Len(GetParam().text), GetParam().length); }

INSTANTIATE_TEST_SUITE_P(Text, LenTest, ::testing::ValuesIn(kLenRows), ::testing::PrintToStringParamName());

// left is Left(text, count); mid is Mid(text, start, count).
struct LeftMidRow { const char* name; std::string text; int64_t start, count; std::string left, mid; };
void PrintTo(const LeftMidRow& row, std::ostream* out) { *out << row.name; }

const LeftMidRow kLeftMidRows[] = {
    {"MultiByteCharacters", Mixed, 1, 2, EAcute + EnDash, EnDash + Grinning},
    {"CountPastTheEnd", Mixed, 3, 10, Mixed, "x"},
    {"StartBeforeTheFirst", "abc", -1, 2, "ab", "a"},
    {"CountZero", "abc", 1, 0, "", ""},
    {"CountNegative", "abc", 1, -1, "", ""},
    {"StartPastTheEnd", "abc", 5, 1, "a", ""},
    {"EmptyText", "", 0, 3, "", ""},
};

class LeftAndMidTest : public ::testing::TestWithParam<LeftMidRow> {};

TEST_P(LeftAndMidTest, CountCharacters) {
    const LeftMidRow& row = GetParam();
    EXPECT_EQ(fw::Left(row.text, row.count), row.left);
    EXPECT_EQ(fw::Mid(row.text, row.start, row.count), row.mid);
}

INSTANTIATE_TEST_SUITE_P(Text, LeftAndMidTest, ::testing::ValuesIn(kLeftMidRows), ::testing::PrintToStringParamName());

struct NthFieldRow { const char* name; std::string text, separator; int64_t n; std::string field; };
void PrintTo(const NthFieldRow& row, std::ostream* out) { *out << row.name; }

const NthFieldRow kNthFieldRows[] = {
    {"First", "a\tb\tc", "\t", 1, "a"}, {"Last", "a\tb\tc", "\t", 3, "c"}, {"PastTheLast", "a\tb\tc", "\t", 4, ""},
    {"Zero", "a\tb\tc", "\t", 0, ""}, {"Negative", "a\tb\tc", "\t", -1, ""},
    {"AfterATrailingSeparator", "a\t", "\t", 2, ""}, {"EmptyText", "", "\t", 1, ""},
    {"BetweenTwoSeparators", "a,,b", ",", 2, ""}, {"AfterAnEmptyField", "a,,b", ",", 3, "b"},
    {"SeparatorOfTwoCharacters", "a--b--c", "--", 2, "b"},
    {"MultiByteSeparator", EAcute + EnDash + Grinning, EnDash, 2, Grinning},
    {"EmptySeparatorFirstIsAll", "abc", "", 1, "abc"}, {"EmptySeparatorNoSecond", "abc", "", 2, ""},
};

class NthFieldTest : public ::testing::TestWithParam<NthFieldRow> {};

TEST_P(NthFieldTest, CountsFromOneAndIsEmptyPastTheLast) {
    const NthFieldRow& row = GetParam();
    EXPECT_EQ(fw::NthField(row.text, row.separator, row.n), row.field);
}

INSTANTIATE_TEST_SUITE_P(Text, NthFieldTest, ::testing::ValuesIn(kNthFieldRows), ::testing::PrintToStringParamName());

struct ValRow { const char* name; std::string text; double value; };
void PrintTo(const ValRow& row, std::ostream* out) { *out << row.name; }

const ValRow kValRows[] = {
    {"Empty", "", 0}, {"SpacesOnly", "   ", 0}, {"Decimal", "2.5", 2.5}, {"LeadingSpace", " 7", 7},
    {"LeadingTabAndSpace", "\t 7", 7}, {"PlusSign", "+3", 3}, {"NegativeFractionBeforeText", "-.5x", -0.5},
    {"NoIntegerPart", ".35", 0.35}, {"TrailingPoint", "5.", 5}, {"PointOnly", ".", 0}, {"PlusOnly", "+", 0},
    {"MinusOnly", "-", 0}, {"SpaceAfterTheSign", "- 5", 0}, {"SecondPointEnds", "1.5.5", 1.5}, {"LetterFirst", "x5", 0},
    // A decimal comma reads as a point; only the first separator counts.
    {"CommaDecimal", "1,5", 1.5}, {"CommaDecimalBelowOne", "0,18", 0.18}, {"CommaNegativeNoIntegerPart", "-,045", -0.045},
    {"CommaNoIntegerPart", ",5", 0.5}, {"TrailingComma", "5,", 5}, {"CommaOnly", ",", 0},
    {"CommaWithExponent", "1,5e2", 150}, {"SecondCommaEnds", "1,2,3", 1.2}, {"CommaAfterThePointEnds", "1.5,5", 1.5},
    {"PointAfterTheCommaEnds", "1,5.5", 1.5}, {"CommaWithTooLargeExponent", "1,5e400", DBL_MAX},
    {"Exponent", "1e3", 1000}, {"ExponentWithPlus", "1e+3", 1000}, {"CapitalENegativeExponent", "1E-2", 0.01},
    {"ExponentBeforeText", "2.5e3x", 2500}, {"ExponentWithoutDigits", "1e", 1},
    {"ExponentSignWithoutDigits", "1e+", 1}, {"TrailingPointWithExponent", "5.e1", 50},
    {"NanWord", "nan", 0}, {"InfWord", "inf", 0}, {"MinusInfWord", "-inf", 0}, {"InfinityWord", "infinity", 0},
    {"Hexadecimal", "0x1A", 0},
    // Signs and spaces as typeset tables have them: a minus sign or a dash counts as a
    // minus directly before a digit or a separator; alone, or before a letter or a space,
    // it is no number.
    {"MinusSign", MinusSign + ".313", -0.313}, {"MinusSignThenStars", MinusSign + ".313**", -0.313},
    {"MinusSignBeforeComma", MinusSign + ",5", -0.5}, {"EnDashAsMinus", EnDash + "0.45", -0.45},
    {"SmallHyphenMinus", "\xEF\xB9\xA3" "2", -2}, {"FullwidthHyphenMinus", "\xEF\xBC\x8D" "2", -2},
    // The dashes PDF copies and typesetting give for a minus.
    {"FigureDashAsMinus", "\xE2\x80\x92" ".313", -0.313}, {"HyphenAsMinus", "\xE2\x80\x90" "2", -2},
    {"NonBreakingHyphenBeforeComma", "\xE2\x80\x91" ",5", -0.5},
    {"NoBreakSpaceBeforeFigureDash", "\xC2\xA0\xE2\x80\x92" "7", -7},
    {"MinusSignAlone", MinusSign, 0}, {"EnDashAlone", EnDash, 0}, {"EnDashBeforeALetter", EnDash + "a5", 0},
    {"MinusSignThenSpace", MinusSign + " 5", 0}, {"EnDashThenPoint", EnDash + ".", 0},
    {"NoBreakSpace", "\xC2\xA0" ".25", 0.25}, {"FigureSpace", "\xE2\x80\x87" "7", 7},
    {"ThinSpaceBeforeMinusSign", "\xE2\x80\x89" + MinusSign + ".25", -0.25},
    {"NarrowNoBreakSpace", "\xE2\x80\xAF" "+.5", 0.5}, {"SpacesOfEveryKind", " \t\xC2\xA0\xE2\x80\xAF" "1,5", 1.5},
    {"NoBreakSpaceAfterTheSign", "-\xC2\xA0" "5", 0}, {"EmSpaceIsNoLeadingSpace", "\xE2\x80\x83" "5", 0},
    // Out of range: too large stays too large, too small is 0.
    {"TooLarge", "1e400", DBL_MAX}, {"NegativeTooLarge", "-1e400", -DBL_MAX}, {"FourHundredDigits", Digits400, DBL_MAX},
    {"ExponentPastAnyInteger", "0.5e99999999999999999999", DBL_MAX}, {"FourHundredDigitsTooSmall", Digits400 + "e-800", 0},
    {"TooSmall", "1e-400", 0}, {"NegativeTooSmall", "-1e-400", 0}, {"ZeroWithHugeExponent", "0e999999", 0},
};

class ValTest : public ::testing::TestWithParam<ValRow> {};

TEST_P(ValTest, ReadsTheLeadingDecimalNumber) { EXPECT_EQ(fw::Val(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Text, ValTest, ::testing::ValuesIn(kValRows), ::testing::PrintToStringParamName());

struct FormatRow { const char* name; double value; std::string mask, text; };
void PrintTo(const FormatRow& row, std::ostream* out) { *out << row.name; }

const FormatRow kFormatRows[] = {
    // No digit place before the point: the integer part shows only when not 0.
    {"PlusPointThreeZeros", 0.18, "+.000", "+.180"}, {"NegativeWithPlusMask", -0.045, "+.000", "-.045"},
    {"IntegerPartWhenNotZero", 1.2346, "+.000", "+1.235"}, {"ZeroWithPlusMask", 0, "+.000", "+.000"},
    {"PointThreeZeros", 0.25, ".000", ".250"}, {"NegativeWithoutSignInMask", -0.25, ".000", "-.250"},
    {"Half", 0.5, ".000", ".500"}, {"RoundedToThreeDecimals", 0.1285714, ".000", ".129"},
    // A value that rounds to zero has no minus sign.
    {"RoundsToZeroWithPlusMask", -0.0001, "+.000", "+.000"}, {"RoundsToZeroWithoutSignInMask", -0.0001, ".000", ".000"},
    {"NegativeZero", -0.0, "+.000", "+.000"},
    // Half away from zero on the double's exact value: 0.125 is a true tie,
    // 2.675 is really 2.67499999...
    {"TrueTie", 0.125, "0.00", "0.13"}, {"NegativeTrueTie", -0.125, "0.00", "-0.13"}, {"IntegerTie", 2.5, "0", "3"},
    {"NegativeIntegerTie", -2.5, "0", "-3"}, {"BelowATieAsStored", 2.675, "0.00", "2.67"},
    {"RoundsUpToOne", 0.9996, ".000", "1.000"}, {"RoundsUpToTen", 9.9996, "+.000", "+10.000"},
    {"MinusMaskPositive", 42, "-0", "42"}, {"MinusMaskNegative", -42, "-0", "-42"}, {"PlusMaskInteger", 42, "+0", "+42"},
    {"LeadingZeros", 7, "000", "007"},
    {"OptionalDigits", 2.5, "#.##", "2.5"}, {"OptionalDigitsAllEmpty", 2, "#.##", "2."},
    {"RequiredThenOptionalDecimal", 2.5, "0.0#", "2.5"},
    {"ThousandsSeparators", 1234567.891, "#,##0.00", "1,234,567.89"},
    {"ThousandsMaskUnderAThousand", 12, "#,##0.00", "12.00"},
    {"InfiniteWithPlusMask", Inf, "+.000", "+INF"}, {"InfiniteWithoutSignInMask", Inf, ".000", "INF"},
    {"MinusInfinite", -Inf, "+.000", "-INF"}, {"NotANumber", std::nan(""), "+.000", "NAN"},
    {"NoMaskIsStr", 0.35, "", "0.35"},
};

class FormatTest : public ::testing::TestWithParam<FormatRow> {};

TEST_P(FormatTest, FollowsTheMask) { EXPECT_EQ(fw::Format(GetParam().value, GetParam().mask), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Text, FormatTest, ::testing::ValuesIn(kFormatRows), ::testing::PrintToStringParamName());

TEST(Text, FormatWritesEveryIntegerDigitOfAHugeValue) {
    const std::string text = fw::Format(1e300, "+.000");
    ASSERT_EQ(text.size(), 1 + 301 + 4);
    EXPECT_EQ(text.substr(0, 2), "+1");
    EXPECT_EQ(text.substr(text.size() - 4), ".000");
    EXPECT_EQ(text.find_first_not_of("0123456789", 1), text.size() - 4);
}

struct StrRow { const char* name; double value; std::string text; };
void PrintTo(const StrRow& row, std::ostream* out) { *out << row.name; }

const StrRow kStrRows[] = {
    {"ShortDecimal", 0.35, "0.35"}, {"Integer", 2, "2"}, {"Negative", -1.5, "-1.5"},
    {"SumNotQuiteThreeTenths", 0.1 + 0.2, "0.30000000000000004"}, {"Huge", 1e300, "1e+300"},
    {"Infinite", Inf, "INF"}, {"MinusInfinite", -Inf, "-INF"}, {"NotANumber", std::nan(""), "NAN"},
};

class StrTest : public ::testing::TestWithParam<StrRow> {};

TEST_P(StrTest, GivesTheShortestText) { EXPECT_EQ(fw::Str(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Text, StrTest, ::testing::ValuesIn(kStrRows), ::testing::PrintToStringParamName());

struct RoundTripRow { const char* name; double value; };
void PrintTo(const RoundTripRow& row, std::ostream* out) { *out << row.name; }

const RoundTripRow kRoundTripRows[] = {
    {"OneThird", 1.0 / 3}, {"Largest", DBL_MAX}, {"SmallestNormal", DBL_MIN}, {"SmallestSubnormal", 5e-324},
    {"SmallNegative", -123.456e-7},
};

class StrRoundTripTest : public ::testing::TestWithParam<RoundTripRow> {};

TEST_P(StrRoundTripTest, ValReadsTheSameNumberBack) { EXPECT_EQ(fw::Val(fw::Str(GetParam().value)), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Text, StrRoundTripTest, ::testing::ValuesIn(kRoundTripRows), ::testing::PrintToStringParamName());

}  // namespace
