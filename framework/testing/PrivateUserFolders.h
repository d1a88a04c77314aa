#pragma once
// For its lifetime, the process keeps its user configuration (XDG_CONFIG_HOME) in a
// fresh temporary folder of its own, so what the toolkit remembers for the user (the
// file dialog's last folder and history) never reaches the developer's home. Made
// before the runtime starts; the folder and everything in it go when it ends, and the
// variable gets its earlier value back.
#include <filesystem>
#include <optional>
#include <string>

namespace fw::testing {

class ScopedPrivateUserFolders {
public:
    ScopedPrivateUserFolders();
    ~ScopedPrivateUserFolders();
    ScopedPrivateUserFolders(const ScopedPrivateUserFolders&) = delete;
    ScopedPrivateUserFolders& operator=(const ScopedPrivateUserFolders&) = delete;

private:
    std::filesystem::path root_;
    std::optional<std::string> before_;  // XDG_CONFIG_HOME as it was, if it was set
};

}  // namespace fw::testing
