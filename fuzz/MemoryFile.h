#pragma once
// A regular file that lives in memory only, reachable by a path, so the data file
// reader opens it as it opens a file on disk. One per process, rewritten for each input.
#include <string>

class MemoryFile {
public:
    MemoryFile();
    ~MemoryFile();
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    void Write(const std::string& bytes);  // replaces the whole content
    const std::string& Path() const { return path_; }

private:
    int fd_;
    std::string path_;
};
