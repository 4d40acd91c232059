// The frequency grids the room EQ assistant works on: the analyser's 30 third-octave columns
// (25 Hz ... 20 kHz, lowest first) and the graphic equaliser's 27 bands (40 Hz ... 16 kHz), and
// the unit's channels as the engine numbers them.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvt::roomeq {

inline constexpr int kColumns = 30;       // analyser columns, 0 = 25 Hz, 29 = 20 kHz
inline constexpr int kEqBands = 27;       // graphic-EQ bands, 0 = 40 Hz, 26 = 16 kHz
inline constexpr int kFirstEqColumn = 2;  // EQ band b sits on column b + 2
inline constexpr int k1kHzColumn = 16;

using Curve = std::array<double, kColumns>;

// Exact centre of a column (third-octave steps from 1 kHz).
inline double ColumnHz(int column) {
    return 1000.0 * std::exp2((column - k1kHzColumn) / 3.0);
}

inline double EqBandHz(int band) {
    return ColumnHz(band + kFirstEqColumn);
}

// The nominal labels of the columns.
std::string_view ColumnLabel(int column);

// The column whose nominal frequency is `hz` (within a sixth of an octave), if any.
std::optional<int> ColumnOf(double hz);

// The unit's eight output channels (engine channel index) and the generator bit of each.
inline constexpr int kChannels = 8;
enum Channel : int { L = 0, C = 1, R = 2, LS = 3, SW = 4, RS = 5, LEX = 6, REX = 7 };
enum class ChannelKind { Screen, Surround, Subwoofer };

std::string_view ChannelName(int channel);                // "L", "C", ... "REX"
std::optional<int> ChannelByName(std::string_view name);  // any case
int32_t GeneratorBit(int channel);                        // GeneratorLeft ... GeneratorRightEX
ChannelKind KindOf(int channel);

// A level in the unit's tenths of a dB, as the engine reads it back from the unit (the tenths
// divided by ten), so what the assistant writes compares equal with what a verification reads.
inline double Tenths(double db) {
    return std::round(db * 10.0) / 10.0;
}
// The tenths nearest `db` within lo ... hi.
inline double TenthsWithin(double db, double lo, double hi) {
    const double q = Tenths(db);
    if (q > hi) {
        return std::floor(hi * 10.0 + 1e-9) / 10.0;
    }
    if (q < lo) {
        return std::ceil(lo * 10.0 - 1e-9) / 10.0;
    }
    return q;
}

// The unit's setting ranges (dB).
inline constexpr double kUnitEqLimit = 6.0;  // EQ bands, bass and treble: -6 ... +6
inline constexpr double kUnitLowestOutputGain = -22.0;
inline constexpr double kUnitHighestOutputGain = 8.0;

}  // namespace kvt::roomeq
