#include "framework/Errors.h"
#include "framework/FolderItem.h"
#include "framework/TextInputStream.h"
#include "tests/framework/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using fw::TextInputStream;

const std::string Replacement = "\xEF\xBF\xBD";  // U+FFFD
const std::string EnDash = "\xE2\x80\x93";

std::unique_ptr<TextInputStream> OpenPath(const std::string& path) {
    return TextInputStream::Open(std::make_shared<fw::FolderItem>(path));
}

std::vector<std::string> AllLines(TextInputStream& stream) {
    std::vector<std::string> lines;
    while (!stream.EndOfFile()) lines.push_back(stream.ReadLine());
    return lines;
}

class TextInputStreamTest : public ::testing::Test {
protected:
    std::vector<std::string> LinesOf(const std::string& bytes) {
        auto stream = OpenPath(folder.Write("data.txt", bytes));
        return AllLines(*stream);
    }
    quendrel::testing::TempFolder folder;
};

TEST_F(TextInputStreamTest, EndsLinesAtCrLfAndCrLf) {
    struct Case { std::string bytes; std::vector<std::string> lines; };
    const std::vector<Case> cases = {
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"x\ry\r\nz\nw", {"x", "y", "z", "w"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\nb", {"a", "", "b"}},
        {"\n", {""}},
        {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        EXPECT_EQ(LinesOf(c.bytes), c.lines);
    }
}

TEST_F(TextInputStreamTest, GivesTheEmptyTextPastTheEnd) {
    auto stream = OpenPath(folder.Write("data.txt", "only\n"));
    EXPECT_EQ(stream->ReadLine(), "only");
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(stream->EndOfFile());
        EXPECT_EQ(stream->ReadLine(), "");
    }
}

TEST_F(TextInputStreamTest, JoinsACrLfSplitBetweenReads) {
    // The CR is the last byte of the first 64 KiB read, the LF the first of the next.
    const std::string first(64 * 1024 - 1, 'a');
    EXPECT_EQ(LinesOf(first + "\r\nb"), (std::vector<std::string>{first, "b"}));
}

TEST_F(TextInputStreamTest, ReplacesWhatIsNoUtf8AndNul) {
    struct Case { std::string bytes, line; };
    const std::vector<Case> cases = {
        {"caf\xC3\xA9 " + EnDash + " \xF0\x9F\x98\x80", "caf\xC3\xA9 " + EnDash + " \xF0\x9F\x98\x80"},
        {"a\xFF" "b", "a" + Replacement + "b"},
        {"\xC0\xAF", Replacement + Replacement},                            // overlong '/'
        {"\xED\xA0\x80", Replacement + Replacement + Replacement},          // a surrogate
        {"\xF4\x90\x80\x80", Replacement + Replacement + Replacement + Replacement},  // > U+10FFFF
        {"\xE2\x80x", Replacement + "x"},                                   // cut short
        {"\xE2\x80", Replacement},
        {std::string("a\0b", 3), "a" + Replacement + "b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        EXPECT_EQ(LinesOf(c.bytes + "\n"), std::vector<std::string>{c.line});
    }
}

TEST_F(TextInputStreamTest, KeepsTheFirst64KiBOfALongLineOnACharacterBoundary) {
    const std::size_t max = TextInputStream::MaxLineBytes;
    const std::string ascii(max + 10, 'x');
    EXPECT_EQ(LinesOf(ascii + "\nnext"), (std::vector<std::string>{ascii.substr(0, max), "next"}));

    std::string dashes;
    while (dashes.size() < max + 100) dashes += EnDash;
    const std::string kept = dashes.substr(0, max / 3 * 3);
    EXPECT_EQ(LinesOf(dashes + "\r\nnext"), (std::vector<std::string>{kept, "next"}));
}

TEST_F(TextInputStreamTest, RefusesALineBeyondWhatItMaySkip) {
    const std::size_t limit = TextInputStream::MaxLineBytes + TextInputStream::MaxSkippedBytes;
    EXPECT_EQ(LinesOf(std::string(limit, 'x') + "\nnext").back(), "next");

    auto stream = OpenPath(folder.Write("huge.txt", std::string(limit + 1, 'x')));
    try {
        stream->ReadLine();
        FAIL() << "no IOException";
    } catch (const fw::IOException& e) {
        EXPECT_EQ(e.ErrorNumber(), EFBIG);
        EXPECT_STREQ(e.what(),
                     "Cannot read \"huge.txt\": a line is longer than 16 MiB; this is not a text data file.");
    }
}

// Runs open and expects an IOException with that errno and message.
void ExpectOpenFails(const std::string& path, int error, const std::string& message) {
    try {
        OpenPath(path);
        ADD_FAILURE() << "no IOException";
    } catch (const fw::IOException& e) {
        EXPECT_EQ(e.ErrorNumber(), error);
        EXPECT_EQ(e.what(), message);
    }
}

TEST_F(TextInputStreamTest, RefusesWhatIsNoReadableRegularFile) {
    ASSERT_EQ(::mkfifo(folder.PathOf("pipe").c_str(), 0600), 0);  // no writer: must not hang
    std::filesystem::create_directory(folder.PathOf("data"));
    struct Case { std::string path; int error; std::string message; };
    const std::vector<Case> cases = {
        {folder.PathOf("missing.txt"), ENOENT, "Cannot open \"missing.txt\": No such file or directory."},
        {folder.PathOf("data"), EISDIR, "Cannot read \"data\": it is a folder, not a file."},
        {folder.PathOf("pipe"), ENODEV, "Cannot read \"pipe\": it is a pipe, not a file."},
        {"/dev/zero", ENODEV, "Cannot read \"zero\": it is a device, not a file."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        ExpectOpenFails(c.path, c.error, c.message);
    }
}

// Root reads a file whatever its mode; as nobody it cannot.
class UnprivilegedScope {
public:
    UnprivilegedScope() : wasRoot_(::geteuid() == 0) {
        if (wasRoot_) {
            EXPECT_EQ(::seteuid(65534), 0);
        }
    }
    ~UnprivilegedScope() {
        if (wasRoot_) {
            EXPECT_EQ(::seteuid(0), 0);
        }
    }

private:
    bool wasRoot_;
};

TEST_F(TextInputStreamTest, RefusesAFileWithoutReadPermission) {
    const std::string path = folder.Write("secret.txt", "x\n");
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    UnprivilegedScope unprivileged;
    ExpectOpenFails(path, EACCES, "Cannot open \"secret.txt\": Permission denied.");
}

TEST_F(TextInputStreamTest, ReportsAReadError) {
    // Linux refuses reads of the unmapped first page of our own memory with EIO.
    if (!std::filesystem::exists("/proc/self/mem")) GTEST_SKIP() << "no /proc/self/mem";
    try {
        OpenPath("/proc/self/mem")->ReadLine();
        FAIL() << "no IOException";
    } catch (const fw::IOException& e) {
        EXPECT_EQ(e.ErrorNumber(), EIO);
        EXPECT_EQ(e.what(), std::string("Cannot read \"mem\": Input/output error."));
    }
}

TEST_F(TextInputStreamTest, NilIsANilObjectException) {
    EXPECT_THROW(TextInputStream::Open(nullptr), fw::NilObjectException);
}

TEST_F(TextInputStreamTest, CloseEndsTheStreamAndMayBeRepeated) {
    auto stream = OpenPath(folder.Write("data.txt", "a\nb\n"));
    stream->Close();
    stream->Close();
    EXPECT_TRUE(stream->EndOfFile());
    EXPECT_EQ(stream->ReadLine(), "");
}

}  // namespace
