#include "fuzz/ReportInvariants.h"

#include "fuzz/StrictUtf8.h"
#include "framework/core/Text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string_view>
#include <vector>

namespace {

constexpr int64_t kRowLength = 74;
constexpr int64_t kNameColumn = 21;
// Column starts and widths of beta, r and Pratt in a row, in characters.
struct Cell { int64_t start, width; };
constexpr Cell kBeta{21, 16}, kR{37, 17}, kPratt{54, 20};
// Heading 3 lines, rules and column titles 4, summary 1, footer 4.
constexpr int64_t kLinesBesideRows = 12;
// How far a value shown to three decimals may stand from its number, with room for
// reading the shown text back.
constexpr double kHalfThousandth = 0.0005 + 1e-12;

void Require(bool holds, const char* invariant, const std::string& detail = "") {
    if (holds) return;
    std::fprintf(stderr, "Broken: %s\n%s\n", invariant, detail.c_str());
    std::abort();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find('\r', at);
        lines.push_back(text.substr(at, end - at));
        at = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

std::string Trimmed(const std::string& text) { return text.substr(0, text.find_last_not_of(' ') + 1); }

std::string CellText(const std::string& row, Cell cell) { return Trimmed(fw::Mid(row, cell.start, cell.width)); }

bool Matches(const std::string& text, const std::regex& shape) { return std::regex_match(text, shape); }

void RequireRow(const std::string& row, const PrattRow& result, bool inBounds) {
    Require(fw::Len(row) == kRowLength, "a row is 74 characters", row);
    Require(IsStrictUtf8(row) && row.find('\0') == std::string::npos, "a row is UTF-8 without NUL", row);
    Require(Trimmed(fw::Left(row, kNameColumn)) == Trimmed(result.name), "a row starts with its name", row);
    for (Cell cell : {kBeta, kR, kPratt})
        Require(CellText(row, cell).find("NAN") == std::string::npos, "no NaN among the values", row);
    const std::string prattText = CellText(row, kPratt);
    Require(std::isinf(result.pratt) == (prattText == "+INF" || prattText == "-INF"),
            "an infinite Pratt value, and only that, shows as +INF or -INF", row);
    if (!inBounds) return;
    static const std::regex value(R"([+-]\.\d{3})"), pratt(R"([+-]\d{0,2}\.\d{3})");
    Require(Matches(CellText(row, kBeta), value) && Matches(CellText(row, kR), value), "beta and r read +.000", row);
    Require(Matches(prattText, pratt), "Pratt reads +.000 within 100", row);
    for (auto [cell, number] : {std::pair{kBeta, result.beta}, std::pair{kR, result.r}, std::pair{kPratt, result.pratt}})
        Require(std::fabs(fw::Val(CellText(row, cell)) - number) <= kHalfThousandth, "a value shows its number rounded",
                row);
}

}  // namespace

void RequireInputs(const ValidInputs& inputs, const std::string& rSquaredText) {
    Require(inputs.predictors >= 2 && inputs.predictors <= 99, "2 to 99 predictors");
    Require(inputs.rSquared >= 0.01 && inputs.rSquared <= 0.99, "R-squared within .01 and .99");
    Require(inputs.rSquared == fw::Val(rSquaredText), "R-squared unrounded");
    Require(fw::Val(fw::Str(inputs.rSquared)) == inputs.rSquared, "Str reads back as the same double",
            fw::Str(inputs.rSquared));
}

void RequireInputError(const InputError& error) { Require(!error.message.empty(), "an input error says why"); }

void RequireTable(const PredictorTable& table, int64_t predictors) {
    Require(static_cast<int64_t>(table.size()) == predictors, "one predictor per line asked for");
    for (const Predictor& p : table) {
        Require(fw::Len(p.name) <= 8, "a name has at most 8 characters", p.name);
        Require(IsStrictUtf8(p.name + p.beta.text + p.r.text), "what is read is UTF-8", p.name);
        Require((p.name + p.beta.text + p.r.text).find_first_of(std::string("\r\n\t\0", 4)) == std::string::npos,
                "no line end, tab or NUL inside a field", p.name);
        Require(p.beta.number == fw::Val(p.beta.text) && p.r.number == fw::Val(p.r.text),
                "each number is its text as read", p.beta.text + " " + p.r.text);
    }
}

void RequireReport(const std::string& report, const PrattResults& results, int64_t predictors) {
    const bool inBounds = !results.outOfBounds;
    Require(!report.empty() && report.back() == '\r', "the report ends with CR", report);
    Require(report.find('\n') == std::string::npos, "the report holds no LF", report);

    const std::vector<std::string> lines = Lines(report);
    Require(static_cast<int64_t>(lines.size()) == predictors + kLinesBesideRows + (inBounds ? 0 : 1),
            "the report's lines: heading, rules, rows, summary, footer", report);
    for (int64_t i = 0; i < predictors; ++i)
        RequireRow(lines[static_cast<std::size_t>(6 + i)], results.table[static_cast<std::size_t>(i)], inBounds);
    static const std::regex summary(R"( R-sq = \S+ {10}Average importance = \.\d{3})");
    Require(Matches(lines[static_cast<std::size_t>(7 + predictors)], summary), "the summary line",
            lines[static_cast<std::size_t>(7 + predictors)]);
}
