#pragma once
// Runs a program beside this one as a child process and reports what the benchmarks
// need of it: what it printed, when it was started and its peak memory.
#include <string>
#include <vector>

struct ChildRun {
    std::string output;          // its standard output
    long long startNanoseconds;  // the monotonic clock just before the spawn
    long peakKibibytes;          // getrusage's ru_maxrss of the child
    int status;                  // the wait status
};

ChildRun RunChild(const std::vector<std::string>& arguments);
// The path of a program built beside the running executable.
std::string Beside(const std::string& name);
