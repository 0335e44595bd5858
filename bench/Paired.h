#pragma once
// Two sides timed in pairs: each iteration runs our side and the baseline one after the
// other, in alternating order, each by the wall clock. The machine's load and the state
// of the server or the disk move both sides of a pair alike, so the median of the pairs'
// ratios stays steady where two separate runs drift apart. The benchmark's counters
// `ours_us`, `baseline_us` and `ratio` are the medians; scripts/bench prints them.
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class TPairedTimes {
public:
    // One pair; false when either side reports a failure. `prepare`, when given, runs
    // untimed before each side.
    bool Run(const std::function<bool()>& ours, const std::function<bool()>& baseline,
        const std::function<void()>& prepare = {})
    {
        double o = 0, b = 0;
        bool ok = true;
        for (int side = 0; side < 2; ++side) {
            const bool oursNow = (side == 0) == m_oursFirst;
            if (prepare) prepare();
            const auto start = Clock::now();
            ok = (oursNow ? ours() : baseline()) && ok;
            (oursNow ? o : b) = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
        }
        Add(o, b);
        return ok;
    }

    // Which side the next pair runs first.
    bool OursFirst() const { return m_oursFirst; }
    // A pair the caller ran itself, in the order OursFirst() gave, and measured in its
    // own way (microseconds).
    void Add(double ours, double baseline)
    {
        m_oursFirst = !m_oursFirst;
        m_ours.push_back(ours);
        m_baseline.push_back(baseline);
        m_ratios.push_back(ours / baseline);
    }

    // The medians as `ours_us`, `baseline_us` and `ratio`; with a `kind` ("wall"), as
    // `ours_wall_us`, `baseline_wall_us` and `wall_ratio`.
    void Report(benchmark::State& state, const std::string& kind = {}) const
    {
        const std::string infix = kind.empty() ? "_" : "_" + kind + "_";
        state.counters["ours" + infix + "us"] = Median(m_ours);
        state.counters["baseline" + infix + "us"] = Median(m_baseline);
        state.counters[kind.empty() ? std::string("ratio") : kind + "_ratio"] = Median(m_ratios);
    }

private:
    using Clock = std::chrono::steady_clock;
    static double Median(std::vector<double> values)
    {
        if (values.empty()) return 0;
        std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(values.size() / 2), values.end());
        return values[values.size() / 2];
    }

    bool m_oursFirst = true;
    std::vector<double> m_ours, m_baseline, m_ratios;
};
