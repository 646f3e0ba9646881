#pragma once

// Small timing helpers shared by the benchmarks.

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace bench {

struct Stats {
    double median = 0;
    double worst = 0;
    double mean = 0;
};

// Times `run` `repeats` times (after `prepare`, untimed) in nanoseconds.
inline Stats measure(int repeats, const std::function<void()> &run,
                     const std::function<void()> &prepare = {})
{
    std::vector<double> ns;
    ns.reserve(static_cast<std::size_t>(repeats));
    QElapsedTimer timer;
    for (int i = 0; i < repeats; ++i) {
        if (prepare)
            prepare();
        timer.start();
        run();
        ns.push_back(static_cast<double>(timer.nsecsElapsed()));
    }
    std::sort(ns.begin(), ns.end());
    Stats s;
    s.median = ns[ns.size() / 2];
    s.worst = ns.back();
    for (double v : ns)
        s.mean += v;
    s.mean /= static_cast<double>(ns.size());
    return s;
}

inline void report(const char *what, const Stats &s, const Stats &baseline)
{
    std::printf("%-44s median %10.0f ns  worst %10.0f ns  ratio %8.2f\n", what, s.median, s.worst,
                s.median / baseline.median);
}

// Keeps the optimiser from dropping a computed value.
template <typename T>
inline void keep(const T &value)
{
    asm volatile("" : : "g"(&value) : "memory");
}

} // namespace bench
