#include "analysis/InputChecks.h"

#include "framework/core/Text.h"

namespace {

struct RangeCheck {
    InputField field;
    double lowest, highest;  // both pass
    const char* emptyMessage;
    const char* rangeMessage;
};

const RangeCheck kPredictorsCheck{InputField::Predictors, 2.0, 99.0,
                                  "Please enter the number of predictor variables (2-99).",
                                  "Please enter a valid number of predictor variables (2-99)."};
const RangeCheck kRSquaredCheck{InputField::RSquared, 0.01, 0.99,
                                "Please enter the R-square value of the regression model (.01-.99).",
                                "Please enter a valid R-square value for the regression model (.01-.99)."};

// A text of spaces is not empty: it fails the range test instead.
const char* Failure(const RangeCheck& check, const std::string& text) {
    if (text.empty()) return check.emptyMessage;
    double value = fw::Val(text);
    if (value < check.lowest || value > check.highest) return check.rangeMessage;
    return nullptr;
}

}  // namespace

std::variant<ValidInputs, InputError> CheckInputs(const std::string& predictorsText, const std::string& rSquaredText) {
    for (auto [check, text] : {std::pair{&kPredictorsCheck, &predictorsText}, std::pair{&kRSquaredCheck, &rSquaredText}}) {
        if (const char* message = Failure(*check, *text)) return InputError{check->field, message};
    }
    return ValidInputs{static_cast<int64_t>(fw::Val(predictorsText)), fw::Val(rSquaredText)};
}
