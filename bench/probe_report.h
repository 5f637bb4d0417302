#pragma once

// What a start-up probe prints when its window has been shown and painted for the first time, as one line:
//   shown_ns=<CLOCK_MONOTONIC now, ns> since_start_ms=<ms since the process began> peak_rss_kb=<peak RSS>
// shown_ns is the figure the start-up driver uses: it reads CLOCK_MONOTONIC (one clock for every process on the
// machine) just before it starts the probe and subtracts. since_start_ms lets a probe run by hand report on its
// own; it comes from the process start time in /proc/self/stat (field 22, clock ticks since boot, measured at
// fork) against CLOCK_BOOTTIME, so it is only as fine as one clock tick, usually 10 ms.
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace probe {

inline long long nowNs(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// -1 when /proc cannot tell.
inline double msSinceProcessStart() {
    std::FILE* f = std::fopen("/proc/self/stat", "r");
    if (!f) return -1;
    char buf[1024] = {};
    const size_t n = std::fread(buf, 1, sizeof buf - 1, f);
    std::fclose(f);
    buf[n] = '\0';
    // The command name in field 2 may hold blanks and parentheses; the fields after its last ')' are plain.
    const char* p = std::strrchr(buf, ')');
    if (!p) return -1;
    ++p;
    // Field 3 follows the ')'; field 22 is 19 fields further on.
    for (int field = 3; field < 22; ++field) {
        while (*p == ' ') ++p;
        while (*p && *p != ' ') ++p;
        if (!*p) return -1;
    }
    const unsigned long long startTicks = std::strtoull(p, nullptr, 10);
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    if (ticksPerSecond <= 0) return -1;
    const double startMs = 1000.0 * static_cast<double>(startTicks) / static_cast<double>(ticksPerSecond);
    return static_cast<double>(nowNs(CLOCK_BOOTTIME)) / 1e6 - startMs;
}

inline void reportShown() {
    const long long shown = nowNs(CLOCK_MONOTONIC);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("shown_ns=%lld since_start_ms=%.0f peak_rss_kb=%ld\n", shown, msSinceProcessStart(), usage.ru_maxrss);
    std::fflush(stdout);
}

}  // namespace probe
