#include "bench/PredictorFile.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

std::string PredictorLines() {
    std::string text;
    for (int i = 1; i <= kBenchPredictors; ++i) {
        const int beta = (i * 37) % 999, r = (i * 53) % 999;
        text += "var" + std::to_string(i) + "\t." + std::to_string(beta) + "\t-." + std::to_string(r) + "\n";
    }
    return text;
}

}  // namespace

std::string WritePredictorFile() {
    std::string path = (std::filesystem::temp_directory_path() / "quendrel-bench-XXXXXX").string();
    const int fd = ::mkstemp(path.data());
    if (fd < 0) {
        std::perror("mkstemp");
        std::exit(1);
    }
    const std::string text = PredictorLines();
    if (::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) std::exit(1);
    ::close(fd);
    return path;
}
