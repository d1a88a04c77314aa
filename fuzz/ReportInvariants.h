#pragma once
// What must hold of every Load Data run, whatever the fields and the file hold. A
// broken invariant prints what broke and aborts, which the fuzzer reports as a finding.
#include "analysis/InputChecks.h"
#include "analysis/PrattAnalysis.h"

#include <cstdint>
#include <string>

void RequireInputs(const ValidInputs& inputs, const std::string& rSquaredText);
void RequireInputError(const InputError& error);
void RequireTable(const PredictorTable& table, int64_t predictors);
void RequireReport(const std::string& report, const PrattResults& results, int64_t predictors);
