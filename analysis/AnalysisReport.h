#pragma once
// The plain-text report of one run, appended to the results area as one text. Every
// line ends with a carriage return. The numbers are formatted here and nowhere else.
#include "analysis/PrattAnalysis.h"

#include <string>

struct ReportHeading {
    std::string date;  // short date
    std::string time;  // short time
    std::string fileName;
};

std::string ReportText(const ReportHeading& heading, const PrattResults& results);
