// libFuzzer harness: one Load Data run without the window, from the two fields' texts
// and a data file's bytes to the report's text, with the invariants every run keeps.
#include "analysis/AnalysisReport.h"
#include "analysis/DataFileReader.h"
#include "analysis/InputChecks.h"
#include "framework/core/FolderItem.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/MemoryFile.h"
#include "fuzz/ReportInvariants.h"

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const FuzzInput input = SplitFuzzInput(data, size);
    const auto checked = CheckInputs(input.predictorsText, input.rSquaredText);
    if (const auto* error = std::get_if<InputError>(&checked)) {
        RequireInputError(*error);
        return 0;
    }
    const ValidInputs inputs = std::get<ValidInputs>(checked);
    RequireInputs(inputs, input.rSquaredText);

    static MemoryFile file;
    file.Write(input.fileBytes);
    // A small regular file never makes the reader throw; if it does, the fuzzer says so.
    const PredictorTable table = ReadDataFile(std::make_shared<fw::FolderItem>(file.Path()), inputs.predictors);
    RequireTable(table, inputs.predictors);

    const PrattResults results = AnalysePredictors(table, inputs.rSquared);
    const std::string fileName = fw::FolderItem("/data/" + input.fileName).Name();
    RequireReport(ReportText({"1/2/26", "3:04 PM", fileName}, results), results, inputs.predictors);
    return 0;
}
