#pragma once

#include <string>
#include <vector>

namespace bench {

// A program a benchmark starts, and where its standard streams go: a file's path, or empty for
// the benchmark's own. folder, when given, is its working folder.
struct Child {
    std::vector<std::string> argv;
    std::string folder = {};
    std::string in = {};
    std::string out = {};
    std::string err = {};
};

struct ChildRun {
    bool ok = false;         // started, and exited with 0
    double seconds = 0;      // wall time from the start to the exit
    double cpuSeconds = 0;   // user and system time
    long peakKiB = 0;        // the largest peak resident size (VmHWM) of it and its descendants
};

// Runs the child to its end. A child that cannot start or does not exit with 0 is named on
// standard error, with what it wrote to err.
ChildRun Run(const Child& child);

}  // namespace bench
