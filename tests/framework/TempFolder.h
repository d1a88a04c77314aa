#pragma once
// A fresh folder under the system's temporary folder for one test's files; removed
// with everything in it when the test ends.
#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace quendrel::testing {

class TempFolder {
public:
    TempFolder() {
        static std::atomic<int> counter{0};
        root_ = std::filesystem::temp_directory_path() /
                ("quendrel-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(root_);
        std::filesystem::create_directory(root_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path() const { return root_.string(); }
    std::string PathOf(const std::string& name) const { return (root_ / name).string(); }

    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
        return PathOf(name);
    }

private:
    std::filesystem::path root_;
};

}  // namespace quendrel::testing
