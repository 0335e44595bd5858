#pragma once
// Effect results are rounded to the nearest integer with halves going to the even
// neighbour, then clamped to a channel's range.
#include <algorithm>
#include <cmath>

namespace vneffects {

// Halves to even. A value within a hair of a half counts as the half: the factors are
// decimal fractions (0.3, 0.59, ...) that binary floating point only approximates, and
// the rule is about the exact value the formula means.
inline int RoundHalfEven(double v)
{
    const double floor = std::floor(v);
    const double frac = v - floor;
    if (std::abs(frac - 0.5) < 1e-9) {
        const long long f = static_cast<long long>(floor);
        return static_cast<int>(f % 2 == 0 ? f : f + 1);
    }
    return static_cast<int>(std::nearbyint(v));
}

inline int Clamp255(int v) { return std::clamp(v, 0, 255); }

inline double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

} // namespace vneffects
