#pragma once
// Runs one measured step in a child process, so its time and peak memory are its own.
#include <string>
#include <vector>

struct Run {
    double seconds = 1e9;
    long peakKiB = 0;
};

// Runs the program to its end (stdout to outputFile when given) and measures its wall time and
// peak resident memory. Dirty pages of earlier steps are written out first, so each step pays
// only for its own. Exits the benchmark when the program fails.
Run Measure(std::vector<std::string> args, const char* outputFile = nullptr);
// The faster time and the larger peak of two runs.
Run Best(const Run& a, const Run& b);
