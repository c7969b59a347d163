#pragma once
// Tests of bounded memory: a child process that may use only a little more address space than
// it already does, so that reading a large input whole fails there.
#if !defined(_WIN32)
#include <sys/resource.h>

#include <cstdint>
#include <fstream>
#include <string>

// Allows the calling process extraBytes of address space beyond what it uses now.
inline void LimitAddressSpace(std::uint64_t extraBytes) {
    std::ifstream status("/proc/self/status");
    std::string line;
    rlimit limit{RLIM_INFINITY, RLIM_INFINITY};
    while (std::getline(status, line)) {
        if (line.rfind("VmSize:", 0) == 0)
            limit.rlim_cur = std::stoull(line.substr(7)) * 1024 + extraBytes;
    }
    setrlimit(RLIMIT_AS, &limit);
}
#endif
