#include "analysis/AnalysisReport.h"

#include "analysis/Copyright.h"
#include "framework/core/Text.h"

#include <array>

namespace {

const std::string kLineEnd = fw::Chr(13);
const std::string kSpaceRun(25, ' ');
const std::string kRulePiece = "==========";
const std::string kRuleLine = kRulePiece + kRulePiece + kRulePiece + kRulePiece;
const char* const kWarning = "[Out of bounds data. Results invalid.]";
const char* const kValueMask = "+.000";   // beta, r and Pratt
const char* const kAverageMask = ".000";  // the average importance

// The header's columns are 20 wide each; the rows' are narrower and wider, so the
// header's r and Pratt stand to the right of the rows' columns.
const std::array<int, 4> kHeaderWidths{20, 20, 20, 20};
const std::array<int, 4> kRowWidths{21, 16, 17, 20};
const std::array<std::string, 4> kHeaderTitles{"Model", " beta", "r", "Pratt"};

// A text filled with spaces, or cut without a mark, to exactly its column's width.
std::string Column(const std::string& text, int width) { return fw::Left(text + kSpaceRun, width); }

std::string Columns(const std::array<std::string, 4>& texts, const std::array<int, 4>& widths) {
    std::string line;
    for (size_t i = 0; i < texts.size(); ++i) line += Column(texts[i], widths[i]);
    return line + kLineEnd;
}

std::string RowLine(const PrattRow& row) {
    const auto shown = [](double number) { return fw::Format(number, kValueMask); };
    return Columns({row.name, shown(row.beta), shown(row.r), shown(row.pratt)}, kRowWidths);
}

std::string SummaryLine(const PrattResults& results) {
    return " R-sq = " + fw::Str(results.rSquared, "") + "          Average importance = " +
           fw::Format(results.averageImportance, kAverageMask) + kLineEnd;
}

// A file's name may hold CR or LF; the heading's "File:" line must stay one line.
std::string OneLine(const std::string& text) {
    static const std::string replacement = fw::Chr(0xFFFD);
    std::string line;
    for (char c : text) {
        if (c == '\r' || c == '\n')
            line += replacement;
        else
            line += c;
    }
    return line;
}

}  // namespace

std::string ReportText(const ReportHeading& heading, const PrattResults& results) {
    std::string report = "Date: " + heading.date + "  " + heading.time + kLineEnd + "File: " +
                         OneLine(heading.fileName) + kLineEnd + kLineEnd;
    report += kRuleLine + kLineEnd;
    report += Columns(kHeaderTitles, kHeaderWidths);
    report += kRuleLine + kLineEnd;
    for (const PrattRow& row : results.table) report += RowLine(row);
    report += kRuleLine + kLineEnd;
    report += SummaryLine(results);
    if (results.outOfBounds) report += kWarning + kLineEnd;
    report += kLineEnd + "  " + CopyrightLine + kLineEnd + kLineEnd + kLineEnd;
    return report;
}
