// The text area's CR line ends, its appends, its bold runs, its selection, its limit and
// what Undo reaches.
#include "FrameworkTest.h"

#include "framework/TextArea.h"
#include "framework/TextField.h"
#include "framework/detail/AreaWidget.h"
#include "framework/detail/WidgetHost.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTextBlock>
#include <QTextLayout>

#include <functional>
#include <string>

namespace {

class TextAreaTest : public FrameworkTest {
protected:
    void SetUp() override {
        window = &OpenWindow();
        area = &window->New<fw::TextArea>("area");
        area->SetProperties({.bounds = {10, 10, 300, 120}});
    }
    fw::Window* window = nullptr;
    fw::TextArea* area = nullptr;
};

TEST_F(TextAreaTest, LineEndsAreCrBothWays) {
    const std::string nbsp = "\xC2\xA0";
    area->SetText("one\rtwo" + nbsp + "words\r\rfour");
    EXPECT_EQ(area->Text(), "one\rtwo" + nbsp + "words\r\rfour");
    EXPECT_EQ(area->Length(), 19);
    area->SetText("");
    fw::testing::TypeText(*area, "a");
    fw::testing::PressKey(*area, "Return");
    fw::testing::TypeText(*area, "b");
    EXPECT_EQ(area->Text(), "a\rb");
}

// CR LF in the program's text is one line end, set or appended: the user sees one line
// break, and Text() hands back one CR.
class CrLfTest : public TextAreaTest, public ::testing::WithParamInterface<bool> {};

TEST_P(CrLfTest, IsOneLineBreak) {
    const std::string text = "one\r\ntwo\r\n\r\nfour\r\n";
    if (GetParam()) {
        area->SetText("zero\r");
        area->AppendText(text);
    } else {
        area->SetText("zero\r" + text);
    }
    const auto& widget = area->Host().As<fw::detail::AreaWidget>();
    EXPECT_EQ(widget.toPlainText().toStdString(), "zero\none\ntwo\n\nfour\n");
    EXPECT_EQ(area->Text(), "zero\rone\rtwo\r\rfour\r");
}

INSTANTIATE_TEST_SUITE_P(TextArea, CrLfTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Appended" : "Set"; });

TEST_F(TextAreaTest, AppendAddsAtTheEndAndShowsIt) {
    std::string lines;
    for (int i = 0; i < 200; ++i) lines += "line " + std::to_string(i) + "\r";
    area->SetText("start");
    area->AppendText(" more\r");
    area->AppendText(lines);
    EXPECT_EQ(area->Text(), "start more\r" + lines);
    EXPECT_EQ(area->Length(), static_cast<int64_t>(area->Text().size()));
    EXPECT_TRUE(area->IsEndInView());
    area->SetText(lines);
    EXPECT_FALSE(area->IsEndInView());
}

// A byte-order mark is a character like any other here, wherever a piece starts.
TEST_F(TextAreaTest, KeepsEveryCharacterItIsGiven) {
    const std::string mark = "\xEF\xBB\xBF";  // U+FEFF
    const std::string pieces[] = {mark + "start", mark + mark + "x\r", mark + "\r", "a" + mark + "b\r"};
    area->SetText(pieces[0]);
    std::string expected = pieces[0];
    for (const std::string& piece : {pieces[1], pieces[2], pieces[3]}) {
        area->AppendText(piece);
        expected += piece;
    }
    EXPECT_EQ(area->Text(), expected);
    EXPECT_EQ(area->Length(), 16);
}

TEST_F(TextAreaTest, MovingTheInsertionPointBringsItIntoView) {
    std::string lines;
    for (int i = 0; i < 200; ++i) lines += "line " + std::to_string(i) + "\r";
    area->AppendText(lines);
    area->SetSelStart(0);
    EXPECT_EQ(area->SelStart(), 0);
    EXPECT_FALSE(area->IsEndInView());
    area->SetSelStart(1 << 30);  // past the end: at the end
    EXPECT_EQ(area->SelStart(), area->Length());
    EXPECT_TRUE(area->IsEndInView());
}

TEST_F(TextAreaTest, AppendWhileHiddenIsInViewOnceShown) {
    area->SetVisible(false);
    for (int i = 0; i < 100; ++i) area->AppendText("report line\r");
    area->SetVisible(true);
    fw::testing::ProcessEvents();
    EXPECT_TRUE(area->IsEndInView());
}

TEST_F(TextAreaTest, BoldCoversExactlyTheRange) {
    area->SetText("Title\rbody text");
    area->StyledText().SetBold(0, 6, true);  // the title and its CR
    for (int64_t i = 0; i < area->Length(); ++i) EXPECT_EQ(area->StyledText().Bold(i), i < 6) << "at " << i;
    area->AppendText(" and more");
    EXPECT_FALSE(area->StyledText().Bold(area->Length() - 1));
    area->StyledText().SetBold(1, 2, false);
    EXPECT_TRUE(area->StyledText().Bold(0));
    EXPECT_FALSE(area->StyledText().Bold(1));
    EXPECT_TRUE(area->StyledText().Bold(3));
}

TEST_F(TextAreaTest, ReadOnlyAreaTakesNoTyping) {
    area->SetProperties({.bounds = {10, 10, 300, 120}, .Value = "fixed", .ReadOnly = true});
    fw::testing::TypeText(*area, "x");
    EXPECT_EQ(area->Text(), "fixed");
    EXPECT_TRUE(area->ReadOnly());
}

// The focus is elsewhere, so the area draws no caret: what differs is the selection. The
// SelectionShown row proves that a drawn selection changes the picture at all.
class HideSelectionTest : public TextAreaTest, public ::testing::WithParamInterface<bool> {};

TEST_P(HideSelectionTest, HidesItWhileTheFocusIsElsewhere) {
    const bool hide = GetParam();
    auto& elsewhere = window->New<fw::TextField>("elsewhere");
    auto& widget = area->Host().As<fw::detail::AreaWidget>();
    area->SetProperties({.bounds = {10, 10, 300, 120}, .Value = "some words", .HideSelection = hide});
    elsewhere.SetFocus();
    const QImage unselected = widget.grab().toImage();
    widget.selectAll();
    EXPECT_EQ(widget.grab().toImage() == unselected, hide);
}

INSTANTIATE_TEST_SUITE_P(TextArea, HideSelectionTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "HideSelection" : "SelectionShown"; });

TEST_F(TextAreaTest, LimitStopsTypingAndPastingButNotTheProgram) {
    area->SetProperties({.bounds = {10, 10, 300, 120}, .MaximumCharactersAllowed = 6});
    fw::testing::TypeText(*area, "abc");
    fw::testing::PressKey(*area, "Return");  // a line end is a character too
    fw::testing::TypeText(*area, "defg");
    EXPECT_EQ(area->Text(), "abc\rde");
    area->SetText("ab");
    area->SetSelStart(2);
    QApplication::clipboard()->setText("12345");
    fw::testing::PressChord(*area, "v");
    EXPECT_EQ(area->Text(), "ab1234");
    area->SetText("abcd");
    area->SetSelStart(4);
    QInputMethodEvent composed;
    composed.setCommitString("\u00e9\u00e8\u00ea");
    QApplication::sendEvent(area->Host().widget, &composed);
    EXPECT_EQ(area->Text(), "abcd\u00e9\u00e8");
    area->SetText("the program's own text is never cut");
    EXPECT_EQ(area->Text(), "the program's own text is never cut");
}

// A header whose first word is wider than a tab stop over rows whose names are not,
// as in the help text's example: the columns line up and each row keeps to one line.
TEST_F(TextAreaTest, TabsLayOutANarrowTable) {
    area->SetProperties({.bounds = {0, 0, 551, 498}, .Value = "Model\t\tbeta\t\tr\t\tPratt\rX1\t\t\t.18\t\t.25\t\t.129"});
    fw::testing::ProcessEvents();
    auto& widget = area->Host().As<fw::detail::AreaWidget>();
    // Both lines share one paragraph: the header is its first line, the row its second.
    const QTextLayout& layout = *widget.document()->firstBlock().layout();
    const int rowStart = 22;  // after the header's 21 characters and its line end
    auto header = [&](int at) { return layout.lineAt(0).cursorToX(at); };
    auto row = [&](int at) { return layout.lineAt(1).cursorToX(rowStart + at); };
    EXPECT_EQ(header(7), row(5));    // beta over .18
    EXPECT_EQ(header(13), row(10));  // r over .25
    EXPECT_EQ(header(16), row(15));  // Pratt over .129
    EXPECT_EQ(layout.lineCount(), 2);  // the row stays on one line
}

// What the program writes is no step the user can undo; the user's own edits still are.
struct ProgramChange {
    const char* name;
    std::function<void(fw::TextArea&)> make;
};

const ProgramChange kProgramChanges[] = {
    {"Append", [](fw::TextArea& a) { a.AppendText("report\r"); }},
    {"Bold", [](fw::TextArea& a) { a.StyledText().SetBold(0, 6, true); }},
    {"SetText", [](fw::TextArea& a) { a.SetText("new\rtext"); }},
    {"Clear", [](fw::TextArea& a) { a.SetText(""); }},
    {"Properties", [](fw::TextArea& a) { a.SetProperties({.bounds = {10, 10, 300, 120}, .Value = "help"}); }},
};

void PrintTo(const ProgramChange& change, std::ostream* out) { *out << change.name; }

class ProgramChangeTest : public TextAreaTest, public ::testing::WithParamInterface<ProgramChange> {
protected:
    void Undo() { fw::testing::PressChord(*area, "z"); }
    bool TitleBold() { return area->StyledText().Bold(0); }
};

TEST_P(ProgramChangeTest, IsNoUndoStep) {
    area->SetText("Title\rbody");
    fw::testing::TypeText(*area, "ab");
    GetParam().make(*area);
    const std::string written = area->Text();
    const bool bold = TitleBold();

    Undo();
    EXPECT_EQ(area->Text(), written);
    EXPECT_EQ(TitleBold(), bold);

    fw::testing::TypeText(*area, "c");
    Undo();
    EXPECT_EQ(area->Text(), written);
    EXPECT_EQ(TitleBold(), bold);
}

INSTANTIATE_TEST_SUITE_P(Changes, ProgramChangeTest, ::testing::ValuesIn(kProgramChanges),
                         [](const ::testing::TestParamInfo<ProgramChange>& info) { return std::string(info.param.name); });

}  // namespace
