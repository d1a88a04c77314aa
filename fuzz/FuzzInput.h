#pragma once
// How the fuzzer's bytes stand for one Load Data run: the first line is what the
// predictors field holds, the second the R-squared field, the third the data file's
// name, and the rest the file's bytes.
#include <cstddef>
#include <cstdint>
#include <string>

struct FuzzInput {
    std::string predictorsText;
    std::string rSquaredText;
    std::string fileName;
    std::string fileBytes;
};

FuzzInput SplitFuzzInput(const uint8_t* data, std::size_t size);
