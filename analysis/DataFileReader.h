#pragma once
// Reads the data file: exactly one line per predictor from the first line on, each
// split at tabs into name, beta and r, each value read as a number once. A missing line
// reads as an empty one.
#include "analysis/Predictor.h"

#include <cstdint>
#include <memory>

namespace fw { class FolderItem; class TextInputStream; }

inline constexpr int64_t kNameLength = 8;

PredictorTable ReadPredictors(fw::TextInputStream& stream, int64_t count);
// Opens the file, reads count predictors and closes it; throws what the stream throws.
PredictorTable ReadDataFile(const std::shared_ptr<fw::FolderItem>& file, int64_t count);
