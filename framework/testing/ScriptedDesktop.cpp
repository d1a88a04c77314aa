#include "framework/testing/ScriptedDesktop.h"

#include "framework/detail/DialogOwner.h"

namespace fw::testing {

void ScriptedDesktop::MsgBox(const std::string& text) {
    messages.push_back(text);
    messageOwners.push_back(detail::DialogOwner());
}

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
