#pragma once
// A file or folder on disk, and the open-file dialog that yields one.
#include <memory>
#include <string>

namespace fw {

class FolderItem {
public:
    explicit FolderItem(std::string path) : path_(std::move(path)) {}
    // The name without its folder path.
    std::string Name() const;
    bool Exists() const;
    const std::string& NativePath() const { return path_; }

private:
    std::string path_;
};

// The file the user chose in the open-file dialog filtered on a registered file type's
// name; nullptr (nil) when the user cancels.
std::shared_ptr<FolderItem> GetOpenFolderItem(const std::string& fileTypeName);

}  // namespace fw
