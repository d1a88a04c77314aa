#include "framework/core/FileType.h"

#include <array>
#include <string_view>
#include <utility>

namespace fw {
namespace {

// Every registration made, and whether it still stands.
struct Registry {
    std::vector<FileTypeRegistration> registrations;
    std::vector<bool> standing;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

// Labels the open-file dialog shows for well-known type names.
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> KnownLabels{{
    {"text/plain", "Text files"},
    {"text/csv", "CSV files"},
    {"text/tab-separated-values", "Tab-separated files"},
}};

std::string LabelFor(const std::string& name) {
    for (const auto& [known, label] : KnownLabels)
        if (name == known) return std::string(label);
    return name;
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

// ".txt, dat" -> "*.txt *.dat"; "*" when there is no extension.
std::string PatternsFor(std::string_view extensions) {
    std::string patterns;
    while (!extensions.empty()) {
        const std::size_t separator = extensions.find_first_of(",;");
        std::string_view extension = Trimmed(extensions.substr(0, separator));
        extensions = separator == std::string_view::npos ? "" : extensions.substr(separator + 1);
        if (!extension.empty() && extension.front() == '.') extension.remove_prefix(1);
        if (extension.empty()) continue;
        if (!patterns.empty()) patterns += ' ';
        patterns += "*.";
        patterns += extension;
    }
    return patterns.empty() ? "*" : patterns;
}

const FileTypeRegistration* StandingRegistration(const std::string& name) {
    const Registry& registry = TheRegistry();
    for (std::size_t i = registry.registrations.size(); i-- > 0;)
        if (registry.standing[i] && registry.registrations[i].name == name)
            return &registry.registrations[i];
    return nullptr;
}

}  // namespace

void FileType::Withdraw() {
    if (registered_) TheRegistry().standing[registration_] = false;
    registered_ = false;
}

void FileType::SetName(const std::string& value) { Withdraw(); name_ = value; }
void FileType::SetExtensions(const std::string& value) { Withdraw(); extensions_ = value; }
void FileType::SetMacType(const std::string& value) { Withdraw(); macType_ = value; }
void FileType::SetMacCreator(const std::string& value) { Withdraw(); macCreator_ = value; }
void FileType::SetMimeType(const std::string& value) { Withdraw(); mimeType_ = value; }
void FileType::SetImported(bool value) { Withdraw(); imported_ = value; }
void FileType::SetConformsTo(const std::string& value) { Withdraw(); conformsTo_ = value; }
void FileType::SetUTI(const std::string& value) { Withdraw(); uti_ = value; }

FileType::operator std::string() {
    if (!registered_) {
        Registry& registry = TheRegistry();
        registration_ = registry.registrations.size();
        registry.registrations.push_back({name_, macCreator_, macType_, extensions_, uti_});
        registry.standing.push_back(true);
        registered_ = true;
    }
    return name_;
}

const std::vector<FileTypeRegistration>& FileTypeRegistrations() {
    return TheRegistry().registrations;
}

std::string NameFilterFor(const std::string& fileTypeName) {
    const FileTypeRegistration* registration = StandingRegistration(fileTypeName);
    if (!registration) return "All files (*)";
    return LabelFor(registration->name) + " (" + PatternsFor(registration->extensions) + ")";
}

}  // namespace fw
