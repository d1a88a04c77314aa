#pragma once
// The benchmarks' data file: 99 predictors with in-bounds values, in a fresh file
// under the temporary folder.
#include <string>

inline constexpr int kBenchPredictors = 99;

// The file's path; the caller removes it.
std::string WritePredictorFile();
