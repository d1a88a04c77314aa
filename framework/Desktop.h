#pragma once
// The seam to the user's desktop: message box, beep, open-file dialog and clock.
// The default talks to the real desktop; tests install a scripted one.
#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace fw {

class FolderItem;

class Desktop {
public:
    virtual ~Desktop() = default;
    virtual void MsgBox(const std::string& text) = 0;
    virtual void Beep() = 0;
    // The chosen file's path, or nothing when the user cancels. The filter is the
    // dialog's name filter, e.g. "Text files (*.txt *.dat)".
    virtual std::optional<std::string> ChooseFileToOpen(const std::string& nameFilter) = 0;
    virtual std::chrono::system_clock::time_point Now() = 0;
};

Desktop& CurrentDesktop();
// Installs a desktop; nullptr puts the default back. Returns the one it replaces.
std::unique_ptr<Desktop> SetDesktop(std::unique_ptr<Desktop> desktop);

void MsgBox(const std::string& text);
void Beep();
// The file the user chose in the open-file dialog filtered on a registered file type's
// name; nullptr (nil) when the user cancels.
std::shared_ptr<FolderItem> GetOpenFolderItem(const std::string& fileTypeName);

}  // namespace fw
