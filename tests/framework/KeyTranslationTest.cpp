// Real key events on a field: what its KeyDown handler sees, and what swallowing does.
#include "FrameworkTest.h"

#include "framework/TextArea.h"
#include "framework/TextField.h"

#include <optional>
#include <string>
#include <vector>

namespace {

struct KeyCase {
    std::string key;
    std::optional<std::string> seen;  // nullopt: no KeyDown at all
};

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

TEST_F(KeyTest, EachKeyReachesKeyDownAsItsCode) {
    const std::vector<KeyCase> cases = {
        {"a", "a"},           {"Z", "Z"},          {"7", "7"},          {"Space", " "},
        {"\xC3\xA9", "\xC3\xA9"},
        {"Backspace", "\x08"}, {"Tab", "\x09"},     {"Backtab", "\x09"},  {"Return", "\x0D"},
        {"Enter", "\x0D"},    {"Left", "\x1C"},    {"Right", "\x1D"},   {"Up", "\x1E"},
        {"Down", "\x1F"},     {"Delete", "\x7F"},  {"Escape", "\x1B"},
        {"Home", std::nullopt}, {"End", std::nullopt},
    };
    swallow = true;  // keeps the focus in the field for the next key
    for (const auto& c : cases) {
        seen.clear();
        fw::testing::PressKey(*field, c.key);
        std::vector<std::string> expected;
        if (c.seen) expected.push_back(*c.seen);
        EXPECT_EQ(seen, expected) << "key " << c.key;
    }
}

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
