#include "framework/core/Errors.h"
#include "framework/core/FolderItem.h"
#include "framework/core/TextInputStream.h"
#include "tests/framework/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using fw::TextInputStream;

const std::string Replacement = "\xEF\xBF\xBD";  // U+FFFD
const std::string EnDash = "\xE2\x80\x93";
const std::string Euro = "\xE2\x82\xAC";

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

// Bytes as a file holds them, and the lines they are read as.
struct LinesRow {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

void PrintTo(const LinesRow& row, std::ostream* out) { *out << row.name; }

class LinesTest : public TextInputStreamTest, public ::testing::WithParamInterface<LinesRow> {};

const LinesRow kLineEndRows[] = {
    {"LineFeeds", "a\nb\n", {"a", "b"}},
    {"CarriageReturns", "a\rb\r", {"a", "b"}},
    {"CrLfs", "a\r\nb\r\n", {"a", "b"}},
    {"AllThreeMixed", "x\ry\r\nz\nw", {"x", "y", "z", "w"}},
    {"LfThenCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
    {"CrThenCrLf", "a\r\r\nb", {"a", "", "b"}},
    {"TwoLineFeeds", "a\n\nb", {"a", "", "b"}},
    {"LineFeedOnly", "\n", {""}},
    {"Empty", "", {}},
};

using LineEndTest = LinesTest;

TEST_P(LineEndTest, EndsLinesAtCrLfAndCrLf) { EXPECT_EQ(LinesOf(GetParam().bytes), GetParam().lines); }

INSTANTIATE_TEST_SUITE_P(TextInputStream, LineEndTest, ::testing::ValuesIn(kLineEndRows),
                         ::testing::PrintToStringParamName());

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

// Each line on its own: one that is UTF-8 stays so, any other is Windows-1252.
const LinesRow kEncodingRows[] = {
    {"Utf8StaysUtf8", "caf\xC3\xA9 " + EnDash + " \xF0\x9F\x98\x80\n", {"caf\xC3\xA9 " + EnDash + " \xF0\x9F\x98\x80"}},
    {"InvalidByte", "a\xFF" "b\n", {"a\xC3\xBF" "b"}},
    {"OverlongSlash", "\xC0\xAF\n", {"\xC3\x80\xC2\xAF"}},
    {"Surrogate", "\xED\xA0\x80\n", {"\xC3\xAD\xC2\xA0" + Euro}},
    {"PastTheLastCharacter", "\xF4\x90\x80\x80\n", {"\xC3\xB4" + Replacement + Euro + Euro}},  // > U+10FFFF
    {"CutShort", "\xE2\x80x\n", {"\xC3\xA2" + Euro + "x"}},
    {"Utf8AndNotIsWholeLine", "\xC3\xA9\xE9\n", {"\xC3\x83\xC2\xA9\xC3\xA9"}},
    {"Windows1252Punctuation", "\x80\x85\x8A\x96\x9F\n", {Euro + "\xE2\x80\xA6\xC5\xA0" + EnDash + "\xC5\xB8"}},
    {"BytesWindows1252LeavesUnassigned", "\x81\x8D\x8F\x90\x9D\n",
     {Replacement + Replacement + Replacement + Replacement + Replacement}},
    {"Nul", std::string("a\0b\n", 4), {"a" + Replacement + "b"}},
    {"NulInWindows1252", std::string("\xE9\0\n", 3), {"\xC3\xA9" + Replacement}},
    {"EachLineOnItsOwn", "caf\xE9\ncaf\xC3\xA9\n", {"caf\xC3\xA9", "caf\xC3\xA9"}},
};

using EncodingTest = LinesTest;

TEST_P(EncodingTest, ReadsALineThatIsNoUtf8AsWindows1252) { EXPECT_EQ(LinesOf(GetParam().bytes), GetParam().lines); }

INSTANTIATE_TEST_SUITE_P(TextInputStream, EncodingTest, ::testing::ValuesIn(kEncodingRows),
                         ::testing::PrintToStringParamName());

// UTF-16 text as bytes in either order, from code units.
std::string Utf16(std::u16string_view units, bool bigEndian) {
    std::string bytes;
    for (char16_t unit : units) {
        const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

const std::u16string kUtf16Text = u"a\r\nb\u00E9\rc\U0001F600\nd";
const std::vector<std::string> kUtf16Lines = {"a", "b\xC3\xA9", "c\xF0\x9F\x98\x80", "d"};

const LinesRow kByteOrderMarkRows[] = {
    {"Utf8Mark", "\xEF\xBB\xBF" "a\n\xEF\xBB\xBF" "b", {"a", "\xEF\xBB\xBF" "b"}},
    {"Utf16LittleEndian", "\xFF\xFE" + Utf16(kUtf16Text, false), kUtf16Lines},
    {"Utf16BigEndian", "\xFE\xFF" + Utf16(kUtf16Text, true), kUtf16Lines},
    {"LoneSurrogates", "\xFF\xFE" + Utf16(u"\xD83Dx\xDE00y", false), {Replacement + "x" + Replacement + "y"}},
    {"Nul", "\xFF\xFE" + Utf16(std::u16string(1, u'\0'), false), {Replacement}},
    {"OddTrailingByte", "\xFF\xFE" + Utf16(u"a", false) + "b", {"a" + Replacement}},
    {"CutSurrogatePairAtTheEnd", "\xFE\xFF" + Utf16(u"a\xD83D", true), {"a" + Replacement}},
    {"MarkOnly", "\xFF\xFE", {}},
    {"NoMarkBytesAsTheyAre", "\xFE" "a\n", {"\xC3\xBE" "a"}},
};

using ByteOrderMarkTest = LinesTest;

TEST_P(ByteOrderMarkTest, DecodesAFileByItsByteOrderMark) { EXPECT_EQ(LinesOf(GetParam().bytes), GetParam().lines); }

INSTANTIATE_TEST_SUITE_P(TextInputStream, ByteOrderMarkTest, ::testing::ValuesIn(kByteOrderMarkRows),
                         ::testing::PrintToStringParamName());

// Without a mark, a file is UTF-16 when its first bytes show the pattern of such text:
// most units Latin-1 text with a NUL byte in the same place of each pair, and no NUL or
// other control character among them. The decision holds for the whole file.
const std::u16string kDataLines = u"X1\t.18\t.25\nX2\t\u2212.045\t.22\n\u20AC-Kurs\t.48\t.47\n";
const std::vector<std::string> kDataLinesRead = {"X1\t.18\t.25", "X2\t\xE2\x88\x92.045\t.22", Euro + "-Kurs\t.48\t.47"};

// Each byte on its own, as a line that is valid UTF-8 reads them: NUL as U+FFFD.
std::string AsUtf8Bytes(const std::string& bytes) {
    std::string text;
    for (char byte : bytes) text += byte == '\0' ? Replacement : std::string(1, byte);
    return text;
}

const std::string kSixteenBitNumbers = Utf16(u"\x01\x02\x03\x04\x05\x06\x07\x0E\x0F\x10", false);
const std::string kUtf32 = std::string("a\0\0\0b\0\0\0c\0\0\0", 12);

const LinesRow kUnmarkedUtf16Rows[] = {
    {"LittleEndian", Utf16(kUtf16Text, false), kUtf16Lines},
    {"BigEndian", Utf16(kUtf16Text, true), kUtf16Lines},
    {"LittleEndianWithSignsAndEuro", Utf16(kDataLines, false), kDataLinesRead},
    {"BigEndianWithSignsAndEuro", Utf16(kDataLines, true), kDataLinesRead},
    // Bytes after the first 64 are decoded as UTF-16 even when they are not.
    {"DecidedOnceForTheWholeFile", Utf16(kDataLines, false) + "ab", [] {
         std::vector<std::string> lines = kDataLinesRead;
         lines.push_back("\xE6\x89\xA1");  // U+6261, from the bytes "ab"
         return lines;
     }()},
    {"SixteenBitNumbersAreNoText", kSixteenBitNumbers, {AsUtf8Bytes(kSixteenBitNumbers)}},
    {"Utf32IsNoUtf16", kUtf32, {AsUtf8Bytes(kUtf32)}},
    {"OneUnitIsTooLittleToTell", std::string("\xE9\0", 2), {"\xC3\xA9" + Replacement}},
    {"HalfTheUnitsIsNotEnough", Utf16(u"ab", false) + "cdef", {AsUtf8Bytes(Utf16(u"ab", false) + "cdef")}},
};

using UnmarkedUtf16Test = LinesTest;

TEST_P(UnmarkedUtf16Test, DecodesAFileByTheNulsOfItsFirstBytes) { EXPECT_EQ(LinesOf(GetParam().bytes), GetParam().lines); }

INSTANTIATE_TEST_SUITE_P(TextInputStream, UnmarkedUtf16Test, ::testing::ValuesIn(kUnmarkedUtf16Rows),
                         ::testing::PrintToStringParamName());

TEST_F(TextInputStreamTest, DecodesUtf16AcrossReads) {
    // After the mark and 32766 units, the first 64 KiB read ends between the two halves
    // of a surrogate pair, or between the CR and the LF of a line end.
    const std::u16string before(32766, u'a');
    const std::string a(32766, 'a');
    EXPECT_EQ(LinesOf("\xFF\xFE" + Utf16(before + u"\U0001F600\nz", false)),
              (std::vector<std::string>{a + "\xF0\x9F\x98\x80", "z"}));
    EXPECT_EQ(LinesOf("\xFE\xFF" + Utf16(before + u"\r\nz", true)), (std::vector<std::string>{a, "z"}));
}

TEST_F(TextInputStreamTest, KeepsTheFirst64KiBOfALongLineOnACharacterBoundary) {
    const std::size_t max = TextInputStream::MaxLineBytes;
    const std::string ascii(max + 10, 'x');
    EXPECT_EQ(LinesOf(ascii + "\nnext"), (std::vector<std::string>{ascii.substr(0, max), "next"}));

    std::string dashes;
    while (dashes.size() < max + 100) dashes += EnDash;
    const std::string kept = dashes.substr(0, max / 3 * 3);
    EXPECT_EQ(LinesOf(dashes + "\r\nnext"), (std::vector<std::string>{kept, "next"}));

    // Decoding makes a line longer: one byte or one unit becomes three bytes here.
    std::string euros;
    while (euros.size() < max) euros += Euro;
    const std::string keptEuros = euros.substr(0, max / 3 * 3);
    EXPECT_EQ(LinesOf(std::string(max + 10, '\x80') + "\nnext"), (std::vector<std::string>{keptEuros, "next"}));
    EXPECT_EQ(LinesOf("\xFF\xFE" + Utf16(std::u16string(max + 10, u'\u20AC') + u"\nnext", false)),
              (std::vector<std::string>{keptEuros, "next"}));
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

struct RefusedRow {
    const char* name;
    std::function<std::string(const quendrel::testing::TempFolder&)> make;  // the path opened
    int error;
    std::string message;
};

void PrintTo(const RefusedRow& row, std::ostream* out) { *out << row.name; }

const RefusedRow kRefusedRows[] = {
    {"Missing", [](const auto& f) { return f.PathOf("missing.txt"); }, ENOENT,
     "Cannot open \"missing.txt\": No such file or directory."},
    {"Folder",
     [](const auto& f) {
         std::filesystem::create_directory(f.PathOf("data"));
         return f.PathOf("data");
     },
     EISDIR, "Cannot read \"data\": it is a folder, not a file."},
    {"PipeWithoutWriter",  // must not hang
     [](const auto& f) {
         EXPECT_EQ(::mkfifo(f.PathOf("pipe").c_str(), 0600), 0);
         return f.PathOf("pipe");
     },
     ENODEV, "Cannot read \"pipe\": it is a pipe, not a file."},
    {"Device", [](const auto&) { return std::string("/dev/zero"); }, ENODEV,
     "Cannot read \"zero\": it is a device, not a file."},
};

class RefusedPathTest : public TextInputStreamTest, public ::testing::WithParamInterface<RefusedRow> {};

TEST_P(RefusedPathTest, RefusesWhatIsNoReadableRegularFile) {
    ExpectOpenFails(GetParam().make(folder), GetParam().error, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(TextInputStream, RefusedPathTest, ::testing::ValuesIn(kRefusedRows),
                         ::testing::PrintToStringParamName());

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
