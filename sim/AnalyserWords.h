// AnalyserWords: what the matrix processor's analyser window holds when "rdvalb" reads it.
//
// 64 words from block 3 address 0x1A: w0/w1 the left/right input levels, w2 and w63 the frame
// marker (equal in a complete snapshot; it advances with every read), and w3..w62 the 30
// third-octave bands from 20 kHz down to 25 Hz, band i as the pair w(3+2i) (left or sum) and
// w(4+2i) (right or difference). Levels are linear words relative to 2^23 full scale.
//
// The snapshot follows the unit's own memory: while the routing word (block 3 address 12) says
// the analyser runs, the bands show what a microphone pair hears of the test-signal generator
// (block 3 addresses 14 and 16) through every channel it is routed to, each channel shaped by its
// loudspeaker in the room and by the unit's EQ settings for it (RoomModel), over the room's
// ambient noise, with a little measurement noise from the state's seeded generator.
#pragma once

#include <array>
#include <cstdint>

namespace kvt::sim {

struct UnitState;

constexpr uint32_t kAnalyserAddress = 0x1A;
constexpr uint32_t kAnalyserWords = 64;

// A fresh snapshot; advances the frame marker.
std::array<uint32_t, kAnalyserWords> AnalyserSnapshot(UnitState& state);

}  // namespace kvt::sim
