// Load Data: checks the two fields, asks for the data file, reads one line per
// predictor, checks the bounds, computes Pratt's measure and appends the report.
#include "analysis/AnalysisReport.h"
#include "analysis/DataFileReader.h"
#include "analysis/FileTypes1.h"
#include "analysis/InputChecks.h"
#include "app/ControlWnd.h"
#include "framework/Date.h"
#include "framework/Desktop.h"
#include "framework/core/FolderItem.h"
#include "framework/core/Text.h"

bool ControlWnd::calcBtn_MouseDown(fw::PushButton& /*button*/, int64_t /*x*/, int64_t /*y*/) {
    auto checked = CheckInputs(pFld()->Text(), RyFld()->Text());
    if (auto* error = std::get_if<InputError>(&checked)) {
        fw::MsgBox(error->message + fw::EndOfLine());
        (error->field == InputField::Predictors ? pFld() : RyFld())->SetFocus();
        return false;
    }
    const ValidInputs inputs = std::get<ValidInputs>(checked);

    auto file = fw::GetOpenFolderItem(*FileTypes1::Text());
    if (!file || !file->Exists()) return false;
    const std::string fileName = file->Name();

    PrattResults results = AnalysePredictors(ReadDataFile(file, inputs.predictors), inputs.rSquared);
    if (results.outOfBounds) {
        fw::MsgBox(results.outOfBounds->message);
        pFld()->SetFocus();
    }
    AppendReport(fileName, results);
    return false;
}

void ControlWnd::AppendReport(const std::string& fileName, const PrattResults& results) {
    ResultsFld()->SetVisible(true);
    fw::Date now;
    ResultsFld()->AppendText(ReportText({now.ShortDate(), now.ShortTime(), fileName}, results));
}
