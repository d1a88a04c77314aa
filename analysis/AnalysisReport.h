#pragma once
// The plain-text report of one run, as the pieces appended to the results area one
// after the other. Every line ends with a carriage return. The numbers are formatted
// here and nowhere else.
#include "analysis/PrattAnalysis.h"

#include <string>
#include <vector>

struct ReportHeading {
    std::string date;  // short date
    std::string time;  // short time
    std::string fileName;
};

std::vector<std::string> ReportPieces(const ReportHeading& heading, const PrattResults& results);
