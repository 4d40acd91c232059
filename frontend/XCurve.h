// The X-curve: the reference response a cinema's sound is aligned to, as the analyser display
// overlays it on its zoomed window. One table for the whole program, by analyser column (25 Hz
// ... 20 kHz), in dB; columns without a reference point hold kNoPoint. The whole curve can be
// moved up or down by an offset in dB (the zoomed window's "X-Curve Adjust"), which every display
// shows.
#pragma once

#include <array>

namespace kvt::frontend {

class XCurve {
  public:
    static constexpr int kColumns = 30;
    static constexpr double kNoPoint = -80.0;
    // The offsets the zoomed window's slider offers.
    static constexpr int kLowestOffset = -50;
    static constexpr int kHighestOffset = 20;

    // The reference as the table holds it, without the offset.
    static const std::array<double, kColumns>& Reference();
    // The curve as shown: the reference moved by the current offset; kNoPoint stays kNoPoint.
    static const std::array<double, kColumns>& Points();
    static int Offset();
    // Moves the whole curve so that it lies `offset` dB from the reference.
    static void ShiftTo(int offset);
};

}  // namespace kvt::frontend
