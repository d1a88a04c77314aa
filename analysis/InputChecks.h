#pragma once
// The checks of the two input fields, made before anything is read from a file.
#include <cstdint>
#include <string>
#include <variant>

enum class InputField { Predictors, RSquared };

struct InputError {
    InputField field;  // the field that gets the focus
    std::string message;
};

struct ValidInputs {
    int64_t predictors;  // 2 to 99
    double rSquared;     // 0.01 to 0.99, unrounded
};

// The first check that fails, in order, or the values of the two fields.
std::variant<ValidInputs, InputError> CheckInputs(const std::string& predictorsText, const std::string& rSquaredText);
