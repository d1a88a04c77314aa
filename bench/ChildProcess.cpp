#include "bench/ChildProcess.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

[[noreturn]] void Fail(const char* what) {
    std::perror(what);
    std::exit(1);
}

long long MonotonicNanoseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    for (ssize_t count; (count = ::read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<size_t>(count));
    return text;
}

}  // namespace

ChildRun RunChild(const std::vector<std::string>& arguments) {
    int out[2];
    if (::pipe(out) != 0) Fail("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char*> argv;
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    ChildRun run{};
    pid_t pid;
    run.startNanoseconds = MonotonicNanoseconds();
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) Fail(argv[0]);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    run.output = ReadAll(out[0]);
    ::close(out[0]);
    rusage usage{};
    if (::wait4(pid, &run.status, 0, &usage) != pid) Fail("wait4");
    run.peakKibibytes = usage.ru_maxrss;
    return run;
}

std::string Beside(const std::string& name) {
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / name).string();
}
