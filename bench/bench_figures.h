// The figures the benchmark programs print in their summaries.
#pragma once

#include <time.h>

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

// The calling thread's processor time in milliseconds: other work on a shared
// machine does not count.
inline double CpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The value below which `share` (0 to 1) of `values` lie; -1 for none.
inline double Percentile(std::vector<double> values, double share) {
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(share * values.size()))];
}

inline double Median(std::vector<double> values) { return Percentile(std::move(values), 0.5); }
