// The fit: from one measurement of a channel, the graphic-EQ bands, bass and treble that bring it
// closest to the target, all solved together through the way the unit's filters overlap, within
// the limits, leaving alone what an equaliser should not chase.
#pragma once

#include <string>
#include <vector>

#include "Bands.h"
#include "Target.h"

namespace kvt::roomeq {

// The subwoofer's parametric band (acoustics/ParametricBand.h); at 0 dB it does nothing.
struct Parametric {
    double hz = 40.0;
    double q = 2.0;
    double gainDb = 0.0;
    bool operator==(const Parametric&) const = default;
};

// A channel's equaliser settings (dB). The parametric band is the subwoofer's only; it stays at
// 0 dB for every other channel.
struct Settings {
    std::array<double, kEqBands> bands{};
    double bass = 0.0;
    double treble = 0.0;
    Parametric parametric;
    bool operator==(const Settings&) const = default;
};

// The unit's equaliser as the processors run it: each graphic band a constant-Q bell on a
// log-frequency axis that falls to half its gain a sixth of an octave from its centre; bass and
// treble first-order shelves with corners at 125 Hz and 8 kHz.
double BandShareAt(int band, double hz);
double BassShareAt(double hz);
double TrebleShareAt(double hz);
// What the settings add at each analyser column (dB).
Curve EqualiserCurve(const Settings& settings);

enum class LeftOut { NoiseFloor, Null, OutsideRange };
std::string_view LeftOutText(LeftOut reason);  // "noise floor", "null", "outside range"

struct Exclusion {
    int column;
    LeftOut reason;
};

struct Limits {
    double maxBoostDb = 6.0;
    double maxCutDb = 12.0;  // as a positive number
};

struct FitInput {
    Curve measured{};  // with `current` in place
    Curve floor{};     // the room with nothing playing
    Target target;
    std::array<bool, kColumns> fitColumns{};  // where the channel is equalised
    Settings current;
    Limits limits;
    bool useBass = true;
    bool useTreble = true;
    // The subwoofer: its parametric band is fitted and the bands, bass and treble stay as they
    // are (the unit's subwoofer is equalised by that band alone).
    bool parametric = false;
    double floorMarginDb = 10.0;  // a column this close to the floor is not boosted or fitted
    double nullDepthDb = 6.0;     // a column this far under both neighbours is a null
};

struct FitResult {
    Settings settings;
    Curve predicted{};                // the measurement as the new settings should change it
    double levelDb = 0.0;             // the level that the fit put the target at
    std::vector<Exclusion> excluded;  // columns left out, lowest first
    double boostLimitDb = 0.0;        // the limits the fit used, within the unit's range
    double cutLimitDb = 0.0;
};

// Columns of `curve - target` over the columns where both count, less its mean over `reference`
// (the level normalisation). Columns not counted are 0.
Curve Normalised(const Curve& curve, const Target& target, const std::array<bool, kColumns>& use,
                 const std::array<bool, kColumns>& reference);

FitResult Fit(const FitInput& input);

// The parametric band's fit: the centre in whole hertz from 20 Hz to 120 Hz, Q from 0.5 in
// quarters up to the width of one analyser column (a narrower band falls between the columns, so
// the measurement could not show what it did), a cut in tenths down to the cut limit (-11.9 dB at
// most); chosen for the smallest largest deviation over the counted columns after the level
// normalisation. Only cuts: the unit's band does not boost.
inline constexpr double kParametricFitHighestQ = 4.25;

}  // namespace kvt::roomeq
