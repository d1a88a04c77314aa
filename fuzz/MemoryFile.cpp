#include "fuzz/MemoryFile.h"

#include <cstdio>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

namespace {

[[noreturn]] void Fail(const char* what) {
    std::perror(what);
    std::abort();
}

}  // namespace

MemoryFile::MemoryFile() : fd_(::memfd_create("quendrel-data", MFD_CLOEXEC)) {
    if (fd_ < 0) Fail("memfd_create");
    path_ = "/proc/self/fd/" + std::to_string(fd_);
}

MemoryFile::~MemoryFile() { ::close(fd_); }

void MemoryFile::Write(const std::string& bytes) {
    if (::ftruncate(fd_, 0) != 0) Fail("ftruncate");
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t count = ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (count <= 0) Fail("pwrite");
        done += static_cast<std::size_t>(count);
    }
}
