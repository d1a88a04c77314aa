#include "analysis/DataFileReader.h"

#include "framework/core/Text.h"
#include "framework/core/TextInputStream.h"

namespace {

const std::string kFieldSeparator = fw::Chr(9);

ValueAsRead ReadValue(const std::string& text) { return {text, fw::Val(text)}; }

// Fields are kept exactly as their text, spaces included; only the name is cut.
Predictor ParseLine(const std::string& line) {
    Predictor predictor;
    predictor.name = fw::Left(fw::NthField(line, kFieldSeparator, 1), kNameLength);
    predictor.beta = ReadValue(fw::NthField(line, kFieldSeparator, 2));
    predictor.r = ReadValue(fw::NthField(line, kFieldSeparator, 3));
    return predictor;
}

}  // namespace

PredictorTable ReadPredictors(fw::TextInputStream& stream, int64_t count) {
    PredictorTable table;
    table.reserve(static_cast<size_t>(count));
    for (int64_t i = 0; i < count; ++i) table.push_back(ParseLine(stream.ReadLine()));
    return table;
}

PredictorTable ReadDataFile(const std::shared_ptr<fw::FolderItem>& file, int64_t count) {
    auto stream = fw::TextInputStream::Open(file);
    PredictorTable table = ReadPredictors(*stream, count);
    stream->Close();
    return table;
}
