#include "ChildRun.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

Run Measure(std::vector<std::string> args, const char* outputFile) {
    std::fflush(stdout);
    sync();
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (outputFile) {
            FILE* out = std::freopen(outputFile, "w", stdout);
            (void)out;
        }
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    Run run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakKiB = usage.ru_maxrss;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "  '%s' failed\n", args[0].c_str());
        std::exit(1);
    }
    return run;
}

Run Best(const Run& a, const Run& b) {
    return {std::min(a.seconds, b.seconds), std::max(a.peakKiB, b.peakKiB)};
}
