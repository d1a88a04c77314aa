// Hostile data files through the real Load Data command. Every run starts from a window
// that already shows a good report, and that report must stay on screen whatever the
// file holds: a file either adds one more report or costs the user one message.
#include "analysis/FileTypes1.h"
#include "app/ControlWnd.h"
#include "framework/core/Text.h"
#include "framework/testing/Interaction.h"
#include "framework/testing/ScriptedDesktop.h"
#include "tests/framework/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using quendrel::testing::TempFolder;

const std::string R = "\xEF\xBF\xBD";  // U+FFFD, what the reader puts for bytes that are no text
const std::string kGoodFile = "x1\t.2\t.3\nx2\t.1\t.4\nx3\t.3\t.2\nx4\t.4\t.1\n";
const std::string kRule(40, '=');
constexpr uid_t kNobody = 65534;

std::string Repeated(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) result += text;
    return result;
}

// What a file must lead to: a further report whose rows carry these names, or exactly
// one message from the framework's handling of the exception, holding this text.
struct Outcome {
    std::optional<std::vector<std::string>> names;
    std::string message;
};
Outcome ReportWithNames(std::vector<std::string> names) { return {std::move(names), ""}; }
Outcome OneMessage(std::string text) { return {std::nullopt, std::move(text)}; }
Outcome Nothing() { return {std::nullopt, ""}; }

struct HostileCase {
    const char* name;
    std::function<std::string(const TempFolder&)> make;  // the path the dialog answers
    Outcome expected;
    bool unreadableForUs = false;  // read with the rights of an ordinary user
};

void PrintTo(const HostileCase& c, std::ostream* out) { *out << c.name; }

std::string SparseFile(const TempFolder& folder, const std::string& name, off_t size) {
    const std::string path = folder.PathOf(name);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(::ftruncate(fd, size), 0);  // a hole: NULs that cost no disk and no time
    ::close(fd);
    return path;
}

const std::vector<HostileCase> kCases = {
    {"Empty", [](const TempFolder& f) { return f.Write("empty.txt", ""); },
     ReportWithNames({"", "", "", ""})},
    {"BinaryWithNuls",
     [](const TempFolder& f) {
         return f.Write("binary.dat", std::string(10, '\0') + "\x01\x02\n" + std::string("\xFF\xFE\0\x01\t\0\0\n", 8) +
                                          std::string(1000, '\0'));
     },
     ReportWithNames({Repeated(R, 8), "\xC3\xBF\xC3\xBE" + R + "\x01", Repeated(R, 8), ""})},
    {"InvalidUtf8",
     [](const TempFolder& f) {
         return f.Write("latin1.txt", "caf\xE9\t.5\t.4\n\xC0\xAFx\t.1\t.2\n\xED\xA0\x80sur\t.3\t.1\n" +
                                          Repeated("\xC3\xA9", 9) + "\xF0\x9F\t.1\t.1\n");
     },
     // Lines that are no UTF-8 are read as Windows-1252.
     ReportWithNames({"caf\xC3\xA9", "\xC3\x80\xC2\xAFx", "\xC3\xAD\xC2\xA0\xE2\x82\xACsur", Repeated("\xC3\x83\xC2\xA9", 4)})},
    {"NoLineEndIn200MB", [](const TempFolder& f) { return SparseFile(f, "huge.dat", off_t{200} << 20); },
     OneMessage("a line is longer than 16 MiB")},
    {"Utf16NoLineEndIn200MB",
     [](const TempFolder& f) {
         const std::string path = SparseFile(f, "huge16.dat", off_t{200} << 20);
         std::fstream(path, std::ios::in | std::ios::out | std::ios::binary).write("\xFF\xFE", 2);
         return path;
     },
     OneMessage("a line is longer than 16 MiB")},
    {"LineOf10MB",
     [](const TempFolder& f) {
         return f.Write("long.txt", "abcdefghij" + std::string(10 << 20, 'x') + "\t.5\t.5\nb\t.1\t.2\nc\t.2\t.3\nd\t.3\t.4\n");
     },
     ReportWithNames({"abcdefgh", "b", "c", "d"})},
    {"MixedLineEnds", [](const TempFolder& f) { return f.Write("mixed.txt", "a\t.1\t.2\rb\t.2\t.3\nc\t.3\t.4\r\nd\t.4\t.5"); },
     ReportWithNames({"a", "b", "c", "d"})},
    {"Folder",
     [](const TempFolder& f) {
         ::mkdir(f.PathOf("folder.txt").c_str(), 0755);
         return f.PathOf("folder.txt");
     },
     OneMessage("it is a folder, not a file")},
    {"NoReadPermission",
     [](const TempFolder& f) {
         const std::string path = f.Write("secret.txt", kGoodFile);
         ::chmod(path.c_str(), 0);
         return path;
     },
     OneMessage("Permission denied"), true},
    // The dialog named a file that is gone by the time Load Data looks: the command ends
    // without a word. A file deleted after the existence check and before the open would
    // need a hook inside the command to stage; the open then fails like any unreadable file.
    {"Vanished", [](const TempFolder& f) { return f.PathOf("gone.txt"); }, Nothing()},
    {"Fifo",
     [](const TempFolder& f) {
         ::mkfifo(f.PathOf("pipe.txt").c_str(), 0644);
         return f.PathOf("pipe.txt");
     },
     OneMessage("it is a pipe, not a file")},
    // Characters the results area would take as line, paragraph or frame marks must not split a row.
    {"NamesHoldingBreakMarks",
     [](const TempFolder& f) {
         return f.Write("marks.txt", "a\xE2\x80\xA9z\t.1\t.1\nb\xEF\xB7\x90z\t.1\t.1\nc\xEF\xB7\x91z\t.1\t.1\nd\xE2\x80\xA8z\t.1\t.1\n");
     },
     ReportWithNames({"a" + R + "z", "b" + R + "z", "c" + R + "z", "d" + R + "z"})},
    // A file name may hold a line feed; the report's "File:" line stays one line.
    {"FileNameWithLineFeed", [](const TempFolder& f) { return f.Write("two\nlines.txt", kGoodFile); },
     ReportWithNames({"x1", "x2", "x3", "x4"})},
    {"DevZero", [](const TempFolder&) { return std::string("/dev/zero"); }, OneMessage("it is a device, not a file")},
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find('\r', at);
        lines.push_back(text.substr(at, end - at));
        at = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

// The rows of the one report in the text: the lines between its second and third rules.
std::vector<std::string> Rows(const std::string& report) {
    std::vector<std::string> rows;
    int rules = 0;
    for (const std::string& line : Lines(report)) {
        if (line == kRule) {
            ++rules;
        } else if (rules == 2) {
            rows.push_back(line);
        }
    }
    return rows;
}

std::string NameColumn(const std::string& row) {
    std::string name = fw::Left(row, 21);
    return name.substr(0, name.find_last_not_of(' ') + 1);
}

long PeakKilobytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Runs the block with the rights of an ordinary user when the suite runs as root, who
// may read anything.
void AsOrdinaryUser(const std::function<void()>& block) {
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::seteuid(kNobody), 0);
    }
    block();
    if (root) {
        ASSERT_EQ(::seteuid(0), 0);
    }
}

class HostileFilesTest : public ::testing::TestWithParam<HostileCase> {
protected:
    void SetUp() override {
        ::alarm(60);  // a read that blocks must fail the test, not hang the suite
        if (!FileTypes1::Text()) FileTypes1::Initialize();
        auto& w = ControlWnd();
        w.Show();
        LoadData(folder.Write("good.txt", kGoodFile));
        ASSERT_TRUE(desktop->messages.empty());
        ASSERT_EQ(Rows(w.ResultsFld()->Text()).size(), 4u);
    }
    void TearDown() override {
        fw::testing::ResetRuntime();
        ::alarm(0);
    }

    void LoadData(const std::string& path, bool unreadable = false) {
        auto& w = ControlWnd();
        w.pFld()->SetText("4");
        w.RyFld()->SetText(".35");
        desktop->fileAnswers.push_back(path);
        if (unreadable) {
            AsOrdinaryUser([&] { fw::testing::MouseDown(*w.calcBtn()); });
        } else {
            fw::testing::MouseDown(*w.calcBtn());
        }
    }

    TempFolder folder;
    fw::testing::ScopedScriptedDesktop desktop;
};

TEST_P(HostileFilesTest, AddsOneReportOrOneMessageAndKeepsTheEarlierReport) {
    const HostileCase& c = GetParam();
    auto& w = ControlWnd();
    const std::string before = w.ResultsFld()->Text();
    const std::string path = c.make(folder);
    const long peakBefore = PeakKilobytes();

    LoadData(path, c.unreadableForUs);

    const std::string after = w.ResultsFld()->Text();
    ASSERT_EQ(after.substr(0, before.size()), before) << "the earlier report must stay";
    const std::string added = after.substr(before.size());
    // Whatever the file's size, only a bounded part of one line is ever held.
    EXPECT_LT(PeakKilobytes() - peakBefore, 64 * 1024);

    if (c.expected.names) {
        EXPECT_TRUE(desktop->messages.empty()) << desktop->messages.front();
        // Heading 3 lines, rules and column titles 4, summary 1, footer 4.
        EXPECT_EQ(Lines(added).size(), c.expected.names->size() + 12);
        const std::vector<std::string> rows = Rows(added);
        ASSERT_EQ(rows.size(), c.expected.names->size());
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(NameColumn(rows[i]), (*c.expected.names)[i]) << "row " << i;
            EXPECT_EQ(fw::Len(rows[i]), 74) << "row " << i;
        }
    } else {
        EXPECT_EQ(added, "");
        if (c.expected.message.empty()) {
            EXPECT_TRUE(desktop->messages.empty());
        } else {
            ASSERT_EQ(desktop->messages.size(), 1u);
            EXPECT_EQ(desktop->messages[0].rfind("An unhandled IOException occurred: ", 0), 0u) << desktop->messages[0];
            EXPECT_NE(desktop->messages[0].find(c.expected.message), std::string::npos) << desktop->messages[0];
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Files, HostileFilesTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<HostileCase>& info) { return std::string(info.param.name); });

}  // namespace
