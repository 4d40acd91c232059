// The analyser and input-level read: the 64 words the matrix processor's analyser window holds,
// turned into smoothed levels in dB.
//
// Words: w0/w1 the left and right input levels, w2 and w63 the frame markers (equal in a complete
// snapshot), w3..w62 the 30 third-octave bands from 20 kHz (band 0) down to 25 Hz (band 29), band
// i as w(3 + 2i) (left or sum) and w(4 + 2i) (right or difference).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kvt {

constexpr uint32_t kAnalyserFirstAddress = 0x1A;
constexpr size_t kAnalyserWords = 64;
constexpr size_t kAnalyserBands = 30;
constexpr size_t kAnalyserValues = 2 * kAnalyserBands;  // elements of the SLAUpdate array

// What a band value reads when its word is 0, and an input level when its word is 0.
constexpr double kBandFloor = -100.0;
constexpr double kInputFloor = -50.0;

// dB of one input-level word (its low 12 bits do not count); not finite for a zero word.
double InputLevelOfWord(uint32_t word);
// dB of one band word; not finite for a zero word.
double BandLevelOfWord(uint32_t word);

// The arithmetic mean of the last `depth` inputs; it starts filled with zeros.
class MovingAverage {
  public:
    explicit MovingAverage(size_t depth);
    double Add(double value);

  private:
    std::vector<double> window_;
    size_t next_ = 0;
    double sum_ = 0.0;
};

// Smoothing depth of each band: more for the low bands, whose levels move slowly.
size_t BandFilterDepth(size_t band);

// One analyser snapshot, smoothed.
struct AnalyserLevels {
    double left = kInputFloor;
    double right = kInputFloor;
    bool complete = false;  // the frame markers agree
};

// The filters of one worker: two input-level filters (depth 4) and two per band.
class AnalyserSmoothing {
  public:
    AnalyserSmoothing();

    // Feeds one read (kAnalyserWords words) through the filters; the band means go to `values`
    // (kAnalyserValues elements: element 2i from w(4 + 2i), 2i + 1 from w(3 + 2i)).
    AnalyserLevels Take(std::span<const uint32_t> words, std::span<double> values);

  private:
    std::array<MovingAverage, 2> inputs_;
    std::vector<MovingAverage> bands_;  // 2i and 2i + 1 as the values they give
};

}  // namespace kvt
