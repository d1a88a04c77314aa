// The main window's key filters and the Open handlers that set its fonts.
#include "analysis/KeyFilters.h"
#include "app/ControlWnd.h"
#include "framework/Desktop.h"

namespace {

// True (swallowed, after a beep) when the key is refused.
bool FilterKey(const std::vector<CodeRange>& accepted, const std::string& key) {
    if (Accepts(accepted, key)) return false;
    fw::Beep();
    return true;
}

}  // namespace

// Every key in an input field empties the report, accepted or not; the area stays shown.
bool ControlWnd::pFld_KeyDown(fw::TextField& /*field*/, const std::string& key) {
    ResultsFld()->SetText("");
    return FilterKey(kPredictorsKeys, key);
}

bool ControlWnd::RyFld_KeyDown(fw::TextField& /*field*/, const std::string& key) {
    ResultsFld()->SetText("");
    return FilterKey(kRSquaredKeys, key);
}

bool ControlWnd::ResultsFld_KeyDown(fw::TextArea& /*area*/, const std::string& key) {
    return FilterKey(kResultsKeys, key);
}

void ControlWnd::pFld_Open(fw::TextField& /*field*/) {
    pFld()->SetTextFont("System");
    pFld()->SetTextSize(12);
}

void ControlWnd::RyText_Open(fw::Label& /*label*/) {
    RyText()->SetTextFont("System");
    RyText()->SetBold(true);
    RyText()->SetTextSize(0);
}

void ControlWnd::RyFld_Open(fw::TextField& /*field*/) {
    RyFld()->SetTextFont("System");
    RyFld()->SetTextSize(12);
}

void ControlWnd::ResultsFld_Open(fw::TextArea& /*area*/) {
    ResultsFld()->SetTextFont("System");
    ResultsFld()->SetTextSize(12);
}

void ControlWnd::Label1_Open(fw::Label& /*label*/) { Label1()->SetTextSize(11); }

void ControlWnd::TextField1_Open(fw::TextField& /*field*/) {
    TextField1()->SetTextFont("System");
    TextField1()->SetBold(true);
    TextField1()->SetTextSize(0);
}
