#include "framework/testing/ScriptedDesktop.h"

namespace fw::testing {

std::optional<std::string> ScriptedDesktop::ChooseFileToOpen(const std::string& nameFilter) {
    filtersAsked.push_back(nameFilter);
    if (fileAnswers.empty()) return std::nullopt;
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

ScopedScriptedDesktop::ScopedScriptedDesktop() {
    auto desktop = std::make_unique<ScriptedDesktop>();
    desktop_ = desktop.get();
    previous_ = SetDesktop(std::move(desktop));
}

ScopedScriptedDesktop::~ScopedScriptedDesktop() { SetDesktop(std::move(previous_)); }

}  // namespace fw::testing
