// Real key events on a field: what its KeyDown handler sees, and what swallowing does.
#include "FrameworkTest.h"

#include "framework/TextArea.h"
#include "framework/TextField.h"
#include "tests/framework/KeyNames.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

class KeyTest : public FrameworkTest {
protected:
    void SetUp() override {
        field = &OpenWindow().New<fw::TextField>("field");
        fw::AddHandler(field->KeyDown, [this](fw::TextField&, const std::string& key) {
            seen.push_back(key);
            return swallow;
        });
    }
    fw::TextField* field = nullptr;
    std::vector<std::string> seen;
    bool swallow = false;
};

struct KeyCodeRow {
    std::string key;
    std::optional<std::string> seen;  // none: no KeyDown at all
};

void PrintTo(const KeyCodeRow& row, std::ostream* out) { *out << quendrel::testing::KeyName(row.key); }

const KeyCodeRow kKeyCodeRows[] = {
    {"a", "a"},           {"Z", "Z"},          {"7", "7"},          {"Space", " "},
    {"\xC3\xA9", "\xC3\xA9"},
    {"Backspace", "\x08"}, {"Tab", "\x09"},     {"Backtab", "\x09"},  {"Return", "\x0D"},
    {"Left", "\x1C"},     {"Right", "\x1D"},   {"Up", "\x1E"},      {"Down", "\x1F"},
    {"Delete", "\x7F"},   {"Escape", "\x1B"},
    // Keys that type no text get the control codes desktop frameworks give them.
    {"Home", "\x01"},      {"End", "\x04"},     {"Help", "\x05"},     {"Insert", "\x05"},
    {"PageUp", "\x0B"},    {"PageDown", "\x0C"}, {"F1", "\x10"},      {"F5", "\x10"},
    {"F12", "\x10"},       {"F35", "\x10"},     {"Enter", "\x03"},   // the keypad's Enter
    // Modifier keys alone raise none, nor do chords held with Ctrl or Meta (the Super
    // key), keys with a code among them, nor a key that types nothing and has no code.
    {"Shift", std::nullopt}, {"Alt", std::nullopt}, {"Super", std::nullopt},
    {"Ctrl+Left", std::nullopt}, {"Meta+a", std::nullopt}, {"Meta+Left", std::nullopt}, {"Pause", std::nullopt},
};

class KeyCodeTest : public KeyTest, public ::testing::WithParamInterface<KeyCodeRow> {};

TEST_P(KeyCodeTest, ReachesKeyDownAsItsCodeOrNotAtAll) {
    const KeyCodeRow& row = GetParam();
    fw::testing::PressKey(*field, row.key);
    EXPECT_EQ(seen, row.seen ? std::vector<std::string>{*row.seen} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyCodeTest, ::testing::ValuesIn(kKeyCodeRows), ::testing::PrintToStringParamName());

TEST_F(KeyTest, ShortcutChordRaisesNoKeyDownAndStillWorks) {
    field->SetText("copied");
    fw::testing::PressChord(*field, "a");
    fw::testing::PressChord(*field, "c");
    EXPECT_TRUE(seen.empty());
    fw::testing::PressKey(*field, "End");
    fw::testing::PressChord(*field, "v");
    EXPECT_EQ(field->Text(), "copiedcopied");
}

TEST_F(KeyTest, SwallowedKeyLeavesTheTextAlone) {
    swallow = true;
    fw::testing::TypeText(*field, "12");
    EXPECT_EQ(field->Text(), "");
    EXPECT_EQ(seen, (std::vector<std::string>{"1", "2"}));
}

TEST_F(KeyTest, KeyNotSwallowedReachesTheField) {
    fw::testing::TypeText(*field, "12");
    fw::testing::PressKey(*field, "Backspace");
    EXPECT_EQ(field->Text(), "1");
}

TEST_F(KeyTest, TextAreaSeesTabBeforeItMovesTheFocus) {
    fw::Window& window = field->Owner();
    auto& area = window.New<fw::TextArea>("area");
    std::vector<std::string> areaKeys;
    fw::AddHandler(area.KeyDown, [&](fw::TextArea&, const std::string& key) {
        areaKeys.push_back(key);
        return false;
    });
    fw::testing::PressKey(area, "Return");
    fw::testing::PressKey(area, "Tab");
    EXPECT_EQ(areaKeys, (std::vector<std::string>{"\r", "\t"}));
    EXPECT_EQ(area.Text(), "\r");  // Return made a line, Tab moved on instead of typing
    EXPECT_FALSE(area.HasFocus());
}

}  // namespace
