// The main window's key filters, through real key events: what each field takes, the
// beep for what it refuses, and the report that every key in an input field empties.
#include "MainWindowTest.h"

#include "tests/framework/KeyNames.h"

#include <ostream>

namespace {

struct KeyCase {
    const char* key;  // as fw::testing::PressKey names it
    bool accepted;
    const char* after;  // the field's text after the key
};

void PrintTo(const KeyCase& c, std::ostream* out) { *out << quendrel::testing::KeyName(c.key); }

// pFld starts as "1" with the cursor at the end; its own mask and limit take two
// digits at most.
const KeyCase kPredictorsCases[] = {
    {"0", true, "10"},       {"9", true, "19"},      {"/", false, "1"},      {":", false, "1"},
    {"a", false, "1"},       {".", false, "1"},      {"-", false, "1"},      {"+", false, "1"},
    {",", false, "1"},       {"Return", false, "1"}, {"Enter", false, "1"},  {"Space", false, "1"},
    {"Escape", false, "1"},  {"Backspace", true, ""}, {"Delete", true, "1"}, {"Left", true, "1"},
    {"Right", true, "1"},    {"Up", false, "1"},     {"Tab", true, "1"},     {"Backtab", true, "1"},
    {"\xC3\xA9", false, "1"},  // é
    // The signs and spaces Val reads in pasted values are still refused when typed.
    {"\xE2\x88\x92", false, "1"}, {"\xE2\x80\x93", false, "1"}, {"\xC2\xA0", false, "1"},
    {"\xE2\x80\x90", false, "1"}, {"\xE2\x80\x91", false, "1"}, {"\xE2\x80\x92", false, "1"},
    // Keys that type no text are judged by their control codes like any other.
    {"Home", false, "1"},    {"End", false, "1"},    {"PageUp", false, "1"}, {"PageDown", false, "1"},
    {"Insert", false, "1"},  {"Help", false, "1"},   {"F1", false, "1"},     {"F5", false, "1"},
};

// RyFld starts as ".3"; it has no mask and takes six characters.
const KeyCase kRSquaredCases[] = {
    {"5", true, ".35"},       {"0", true, ".30"},      {".", true, ".3."},     {"/", true, ".3/"},
    {"-", false, ".3"},       {":", false, ".3"},      {"a", false, ".3"},     {"+", false, ".3"},
    {",", false, ".3"},       {"Return", false, ".3"}, {"Space", false, ".3"}, {"Backspace", true, "."},
    {"Delete", true, ".3"},   {"Left", true, ".3"},    {"Right", true, ".3"},  {"Up", false, ".3"},
    {"\xE2\x88\x92", false, ".3"}, {"\xE2\x80\x93", false, ".3"}, {"\xC2\xA0", false, ".3"},
    {"\xE2\x80\x90", false, ".3"}, {"\xE2\x80\x91", false, ".3"}, {"\xE2\x80\x92", false, ".3"},
    {"Tab", true, ".3"},      {"\xC3\xA9", false, ".3"},  {"Home", false, ".3"},   {"End", false, ".3"},
    {"PageDown", false, ".3"}, {"Help", false, ".3"},     {"F12", false, ".3"},    {"Enter", false, ".3"},
};

// ResultsFld starts as "ab" with the cursor at the end.
const KeyCase kResultsCases[] = {
    {"x", true, "abx"},      {"Z", true, "abZ"},        {"0", true, "ab0"},     {"z", true, "abz"},
    {"@", true, "ab@"},      {"Space", true, "ab "},    {".", true, "ab."},     {"Return", true, "ab\r"},
    {"Backspace", true, "a"}, {"Delete", true, "ab"},   {"Tab", true, "ab"},    {"Left", false, "ab"},
    {"Right", false, "ab"},  {"Up", false, "ab"},       {"/", false, "ab"},     {"-", false, "ab"},
    {"+", false, "ab"},      {",", false, "ab"},        {"(", false, "ab"},     {")", false, "ab"},
    {"{", false, "ab"},      {"}", false, "ab"},        {"|", false, "ab"},     {"~", false, "ab"},
    {"Escape", false, "ab"}, {"\xC3\xA9", false, "ab"},    {"Home", false, "ab"},  {"End", false, "ab"},
    {"PageUp", false, "ab"}, {"PageDown", false, "ab"}, {"Insert", false, "ab"}, {"F5", false, "ab"},
    {"Enter", false, "ab"},  // the keypad's Enter is code 3, not a Return
};

class KeyFiltersTest : public MainWindowTest, public ::testing::WithParamInterface<KeyCase> {
protected:
    // Presses the key and reports how many beeps it cost.
    int Beeps(fw::RectControl& control, const char* key) {
        const int before = desktop->beeps;
        fw::testing::PressKey(control, key);
        return desktop->beeps - before;
    }

    void ExpectInputFieldFilter(fw::TextField& field, const std::string& start) {
        const KeyCase& c = GetParam();
        field.SetText(start);
        ShowReport();
        EXPECT_EQ(Beeps(field, c.key), c.accepted ? 0 : 1);
        EXPECT_EQ(field.Text(), c.after);
        EXPECT_EQ(w.ResultsFld()->Text(), "");
        EXPECT_TRUE(w.ResultsFld()->Visible());
    }
};

class PredictorsFieldTest : public KeyFiltersTest {};

TEST_P(PredictorsFieldTest, TakesDigitsAndEditingKeysAndEmptiesTheReport) { ExpectInputFieldFilter(*w.pFld(), "1"); }

INSTANTIATE_TEST_SUITE_P(Keys, PredictorsFieldTest, ::testing::ValuesIn(kPredictorsCases),
                         ::testing::PrintToStringParamName());

class RSquaredFieldTest : public KeyFiltersTest {};

TEST_P(RSquaredFieldTest, TakesPointSlashDigitsAndEditingKeysAndEmptiesTheReport) {
    ExpectInputFieldFilter(*w.RyFld(), ".3");
}

INSTANTIATE_TEST_SUITE_P(Keys, RSquaredFieldTest, ::testing::ValuesIn(kRSquaredCases),
                         ::testing::PrintToStringParamName());

class ResultsAreaTest : public KeyFiltersTest {};

TEST_P(ResultsAreaTest, TakesTextKeysAndLeavesTheInputFieldsAlone) {
    const KeyCase& c = GetParam();
    w.pFld()->SetText("4");
    w.RyFld()->SetText(".35");
    ShowReport("");
    w.ResultsFld()->AppendText("ab");  // leaves the cursor at the end
    EXPECT_EQ(Beeps(*w.ResultsFld(), c.key), c.accepted ? 0 : 1);
    EXPECT_EQ(w.ResultsFld()->Text(), c.after);
    EXPECT_EQ(w.pFld()->Text(), "4");
    EXPECT_EQ(w.RyFld()->Text(), ".35");
}

INSTANTIATE_TEST_SUITE_P(Keys, ResultsAreaTest, ::testing::ValuesIn(kResultsCases),
                         ::testing::PrintToStringParamName());

}  // namespace
