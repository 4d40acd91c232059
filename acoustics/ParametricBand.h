// The subwoofer's parametric band as the unit's equaliser processor runs it: one peaking filter
// (second order, constant Q) at a centre frequency, with a gain that only cuts. Its ranges are the
// unit's: 20 Hz to 120 Hz in whole hertz, Q 0.5 to 10, gain -11.9 dB to 0 dB in tenths.
#pragma once

#include <algorithm>
#include <cmath>

namespace kvt::acoustics {

inline constexpr double kParametricLowestHz = 20.0;
inline constexpr double kParametricHighestHz = 120.0;
inline constexpr double kParametricLowestQ = 0.5;
inline constexpr double kParametricHighestQ = 10.0;
inline constexpr double kParametricDeepestCutDb = -11.9;

// What the band adds at `hz` (dB): the peaking filter's magnitude, |H(jw)| with
// H(s) = (s^2 + s w0 A / Q + w0^2) / (s^2 + s w0 / (A Q) + w0^2) and A = 10^(gain / 40).
inline double ParametricDb(double centreHz, double q, double gainDb, double hz) {
    if (gainDb == 0.0 || centreHz <= 0.0 || hz <= 0.0) {
        return 0.0;
    }
    q = std::clamp(q, 0.05, 50.0);
    const double a = std::pow(10.0, gainDb / 40.0);
    const double ratio = hz / centreHz;
    const double real = 1.0 - ratio * ratio;
    const double numerator = real * real + (ratio * a / q) * (ratio * a / q);
    const double denominator = real * real + (ratio / (a * q)) * (ratio / (a * q));
    return 10.0 * std::log10(numerator / denominator);
}

}  // namespace kvt::acoustics
