// The X-curve's reference points, by analyser column (25 Hz ... 20 kHz, third-octave steps), in
// dB. Plain data with no Qt, shared by the analyser display (XCurve) and the room EQ assistant.
#pragma once

#include <array>

namespace kvt::xcurve {

inline constexpr int kColumns = 30;
inline constexpr double kNoPoint = -80.0;

// 25 Hz, 31 Hz and 20 kHz have no reference point; flat from 63 Hz to 2 kHz, then falling.
inline constexpr std::array<double, kColumns> kReference{
    kNoPoint, kNoPoint, -2, -1, 0, 0,  0,  0,  0,  0,  0,  0,  0,  0,   0,         //  25 ... 630 Hz
    0,        0,        0,  0,  0, -1, -2, -3, -4, -5, -6, -7, -9, -11, kNoPoint,  // 800 ... 20 kHz
};

}  // namespace kvt::xcurve
