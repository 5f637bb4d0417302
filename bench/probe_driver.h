#pragma once

// What the benchmarks that start a probe or the program and time it share: the clock read around a start (the one
// probe_report.h reports on), the median of the runs, and giving up with a message.
#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "probe_report.h"

namespace probe {

inline long long monotonicNs() { return nowNs(CLOCK_MONOTONIC); }

template <class T>
T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

[[noreturn]] inline void fail(const QString& message) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(message));
    std::exit(1);
}

}  // namespace probe
