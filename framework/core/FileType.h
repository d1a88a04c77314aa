#pragma once
// A document type. Converted to text it registers itself once with the framework and
// yields its name; setting any property withdraws the registration.
#include <cstddef>
#include <string>
#include <vector>

namespace fw {

class FileType {
public:
    const std::string& Name() const { return name_; }
    const std::string& Extensions() const { return extensions_; }
    const std::string& MacType() const { return macType_; }
    const std::string& MacCreator() const { return macCreator_; }
    const std::string& MimeType() const { return mimeType_; }
    bool Imported() const { return imported_; }
    const std::string& ConformsTo() const { return conformsTo_; }
    const std::string& UTI() const { return uti_; }

    void SetName(const std::string& value);
    void SetExtensions(const std::string& value);
    void SetMacType(const std::string& value);
    void SetMacCreator(const std::string& value);
    void SetMimeType(const std::string& value);
    void SetImported(bool value);
    void SetConformsTo(const std::string& value);
    void SetUTI(const std::string& value);

    bool IsRegistered() const { return registered_; }
    // Operator_Convert: registers when not registered yet, then yields the name.
    operator std::string();
    std::string ToText() { return *this; }

private:
    void Withdraw();
    std::string name_, extensions_, macType_, macCreator_, mimeType_, conformsTo_, uti_;
    bool imported_ = false;
    bool registered_ = false;
    std::size_t registration_ = 0;  // its entry in FileTypeRegistrations() while registered
};

// What a registration handed to the framework.
struct FileTypeRegistration {
    std::string name, creator, type, extensions, uti;
};
// Every registration made so far, in order (withdrawn ones stay listed).
const std::vector<FileTypeRegistration>& FileTypeRegistrations();
// The dialog's name filter for a registered type's name, e.g. "Text files (*.txt *.dat)";
// "All files (*)" for a name that is not registered.
std::string NameFilterFor(const std::string& fileTypeName);

}  // namespace fw
