#include "framework/testing/PrivateUserFolders.h"

#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <system_error>

namespace fw::testing {
namespace {

constexpr const char* kConfigHome = "XDG_CONFIG_HOME";

std::filesystem::path MakeTempFolder() {
    std::string name = (std::filesystem::temp_directory_path() / "quendrel-user-XXXXXX").string();
    if (!::mkdtemp(name.data())) throw std::system_error(errno, std::generic_category(), "mkdtemp " + name);
    return name;
}

}  // namespace

ScopedPrivateUserFolders::ScopedPrivateUserFolders() : root_(MakeTempFolder()) {
    if (const char* value = std::getenv(kConfigHome)) before_ = value;
    const std::filesystem::path config = root_ / "config";
    std::filesystem::create_directory(config);
    ::setenv(kConfigHome, config.c_str(), 1);
}

ScopedPrivateUserFolders::~ScopedPrivateUserFolders() {
    if (before_) ::setenv(kConfigHome, before_->c_str(), 1);
    else ::unsetenv(kConfigHome);
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

}  // namespace fw::testing
