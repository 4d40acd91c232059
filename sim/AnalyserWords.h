// AnalyserWords: what the matrix processor's analyser window holds when "rdvalb" reads it.
//
// 64 words from block 3 address 0x1A: w0/w1 the left/right input levels, w2 and w63 the frame
// marker (equal in a complete snapshot; it advances with every read), and w3..w62 the 30
// third-octave bands from 20 kHz down to 25 Hz, band i as the pair w(3+2i) (left or sum) and
// w(4+2i) (right or difference). Levels are linear words relative to 2^23 full scale.
#pragma once

#include <array>
#include <cstdint>

namespace kvt::sim {

struct UnitState;

constexpr uint32_t kAnalyserAddress = 0x1A;
constexpr uint32_t kAnalyserWords = 64;

// A fresh snapshot: a pink-noise room response with a little random variation per read.
std::array<uint32_t, kAnalyserWords> AnalyserSnapshot(UnitState& state);

}  // namespace kvt::sim
