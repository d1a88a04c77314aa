#pragma once
// A file or folder on disk.
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

}  // namespace fw
