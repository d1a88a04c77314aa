#pragma once
#include <string>
#include <vector>

// One predictor of a run, all as texts: the name (at most 8 characters once read),
// beta and r as read from the data file, and later each shown by the mask "+.000",
// and the Pratt value.
struct Predictor {
    std::string name;
    std::string beta;
    std::string r;
    std::string pratt;
};

using PredictorTable = std::vector<Predictor>;
