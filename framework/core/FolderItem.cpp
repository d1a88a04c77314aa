#include "framework/core/FolderItem.h"

#include <sys/stat.h>

namespace fw {

std::string FolderItem::Name() const {
    const std::size_t last = path_.find_last_not_of('/');
    if (last == std::string::npos) return path_;  // empty, or the root folder
    const std::size_t slash = path_.rfind('/', last);
    const std::size_t first = slash == std::string::npos ? 0 : slash + 1;
    return path_.substr(first, last + 1 - first);
}

bool FolderItem::Exists() const {
    struct stat info {};
    return ::stat(path_.c_str(), &info) == 0;
}

}  // namespace fw
