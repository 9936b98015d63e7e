#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

// Median wall time in milliseconds of `repeats` runs of `work`; `prepare` runs before each
// run and is not timed.
inline double medianMs(int repeats, const std::function<void()>& work,
                       const std::function<void()>& prepare = {}) {
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        if (prepare)
            prepare();
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto stop = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }
    std::nth_element(times.begin(), times.begin() + static_cast<long>(times.size() / 2),
                     times.end());
    return times[times.size() / 2];
}
