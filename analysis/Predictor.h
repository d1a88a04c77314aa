#pragma once
#include <string>
#include <vector>

// A beta or r from the data file: its text as read, which the out-of-bounds message
// quotes, and the number read from that text, once.
struct ValueAsRead {
    std::string text;
    double number = 0;
};

// One predictor as read: the name (at most 8 characters once read), beta and r.
struct Predictor {
    std::string name;
    ValueAsRead beta;
    ValueAsRead r;
};

using PredictorTable = std::vector<Predictor>;
