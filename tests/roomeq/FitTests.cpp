// The fit on synthetic responses: known answers through overlapping bands, the limits, nulls and
// the noise floor left alone and reported, and target files.
#include <gtest/gtest.h>

#include <algorithm>

#include "Fit.h"
#include "ParametricBand.h"
#include "Target.h"

namespace kvt::roomeq {
namespace {

constexpr int k1kHzBand = 14;  // EQ band of 1 kHz

std::array<bool, kColumns> Columns(int first, int last) {
    std::array<bool, kColumns> columns{};
    for (int c = first; c <= last; ++c) {
        columns[static_cast<size_t>(c)] = true;
    }
    return columns;
}

// A channel that measures the target (flat) plus what `room` adds, on a quiet floor.
FitInput FlatCase(const Curve& room) {
    FitInput input;
    input.target = XCurveTarget();
    input.target.db.fill(0.0);
    input.target.has.fill(true);
    input.fitColumns = Columns(4, 27);
    input.floor.fill(-60.0);
    for (size_t c = 0; c < kColumns; ++c) {
        input.measured[c] = room[c];
    }
    input.useBass = false;
    input.useTreble = false;
    return input;
}

Curve Negated(const Settings& settings) {
    Curve curve = EqualiserCurve(settings);
    for (double& db : curve) {
        db = -db;
    }
    return curve;
}

double LargestError(const FitResult& fit, const FitInput& input, int first, int last) {
    double largest = 0.0;
    for (int c = first; c <= last; ++c) {
        const auto at = static_cast<size_t>(c);
        largest =
            std::max(largest, std::abs(fit.predicted[at] - input.target.db[at] - fit.levelDb));
    }
    return largest;
}

TEST(RoomEqFit, RecoversAdjacentBandsThatOverlapInsteadOfNegatingBandByBand) {
    // Two neighbouring bands' worth of dip: band by band, each column would ask for the whole
    // dip and overshoot by its neighbour's share.
    Settings dip;
    dip.bands[k1kHzBand - 1] = 5.0;
    dip.bands[k1kHzBand] = 5.0;
    dip.bands[k1kHzBand + 1] = 5.0;
    dip.bands[5] = -3.0;  // 100 Hz
    FitInput input = FlatCase(Negated(dip));
    const FitResult fit = Fit(input);
    // Known up to the common level that the normalisation leaves free.
    const auto& bands = fit.settings.bands;
    EXPECT_NEAR(bands[k1kHzBand - 1] - bands[5], 8.0, 0.3);
    EXPECT_NEAR(bands[k1kHzBand] - bands[5], 8.0, 0.3);
    EXPECT_NEAR(bands[k1kHzBand + 1] - bands[5], 8.0, 0.3);
    EXPECT_NEAR(bands[k1kHzBand], bands[k1kHzBand - 1], 0.2);
    EXPECT_LT(LargestError(fit, input, 4, 27), 0.2);
    // Negating each column's error would leave the overlap behind.
    Settings naive;
    for (int band = 0; band < kEqBands; ++band) {
        naive.bands[static_cast<size_t>(band)] = -input.measured[static_cast<size_t>(band + 2)];
    }
    const Curve naiveResult = EqualiserCurve(naive);
    double naiveError = 0.0;
    for (size_t c = 4; c <= 27; ++c) {
        naiveError = std::max(naiveError, std::abs(input.measured[c] + naiveResult[c]));
    }
    EXPECT_GT(naiveError, 0.5);
}

TEST(RoomEqFit, KeepsEveryBandWithinTheLimitsAndTheUnitsRange) {
    Curve room{};
    for (size_t c = 0; c < kColumns; ++c) {
        room[c] = (c % 4 < 2) ? -9.0 : 9.0;  // far beyond what any band may do
    }
    FitInput input = FlatCase(room);
    input.useBass = true;
    input.useTreble = true;
    input.limits.maxBoostDb = 3.0;
    input.limits.maxCutDb = 12.0;  // the unit stops at 6
    const FitResult fit = Fit(input);
    EXPECT_DOUBLE_EQ(fit.cutLimitDb, 6.0);
    EXPECT_DOUBLE_EQ(fit.boostLimitDb, 3.0);
    for (const double db : fit.settings.bands) {
        EXPECT_LE(db, 3.0);
        EXPECT_GE(db, -6.0);
    }
    EXPECT_LE(fit.settings.bass, 3.0);
    EXPECT_GE(fit.settings.treble, -6.0);
    EXPECT_NE(*std::max_element(fit.settings.bands.begin(), fit.settings.bands.end()), 0.0);
    // Bands outside the fitted columns (40 Hz, 50 Hz, 16 kHz) stay flat and are reported.
    EXPECT_EQ(fit.settings.bands[0], 0.0);
    EXPECT_EQ(fit.settings.bands[26], 0.0);
    EXPECT_TRUE(std::any_of(fit.excluded.begin(), fit.excluded.end(), [](const Exclusion& e) {
        return e.column == 28 && e.reason == LeftOut::OutsideRange;
    }));
}

// A setting must be the very value the engine reads back from the unit (its tenths divided by
// ten), or a verification after storing finds the equalisers changed; a limit between two tenths
// is kept.
TEST(RoomEqFit, WritesWholeTenthsAsTheUnitReadsThemBackWithinAnOddLimit) {
    Curve room{};
    for (size_t c = 0; c < kColumns; ++c) {
        room[c] = 1.7 * std::sin(0.9 * static_cast<double>(c));
    }
    for (size_t c = 11; c <= 17; ++c) {
        room[c] = -5.0;  // a broad dip the boost limit stops
    }
    FitInput input = FlatCase(room);
    input.limits.maxBoostDb = 2.55;
    const FitResult fit = Fit(input);
    auto unitValue = [](double db) { return std::round(db * 10.0) / 10.0; };
    for (const double db : fit.settings.bands) {
        EXPECT_EQ(db, unitValue(db));
        EXPECT_LE(db, 2.55);
    }
    EXPECT_EQ(fit.settings.bass, unitValue(fit.settings.bass));
    EXPECT_EQ(fit.settings.treble, unitValue(fit.settings.treble));
    EXPECT_DOUBLE_EQ(*std::max_element(fit.settings.bands.begin(), fit.settings.bands.end()), 2.5);
}

// A subwoofer response made by the very band the fit looks for (a peak the band's cut undoes):
// the fit finds it back, touches nothing else and never boosts.
TEST(RoomEqFit, FindsTheSubwoofersParametricBandThatUndoesAPeak) {
    Curve room{};
    for (int c = 0; c < kColumns; ++c) {
        room[static_cast<size_t>(c)] = -acoustics::ParametricDb(56.0, 2.0, -6.0, ColumnHz(c));
    }
    FitInput input = FlatCase(room);
    input.fitColumns = {};
    for (size_t c = 2; c <= 6; ++c) {  // 40 Hz ... 100 Hz
        input.fitColumns[c] = true;
    }
    input.parametric = true;
    input.current.bands[3] = 1.5;                   // whatever the bands hold stays, and is heard
    input.current.parametric = {100.0, 1.0, -2.0};  // the band as it was when measured
    for (int c = 0; c < kColumns; ++c) {
        input.measured[static_cast<size_t>(c)] +=
            acoustics::ParametricDb(100.0, 1.0, -2.0, ColumnHz(c));
    }
    const FitResult fit = Fit(input);
    EXPECT_EQ(fit.settings.bands, input.current.bands);
    EXPECT_NEAR(fit.settings.parametric.hz, 56.0, 4.0);
    EXPECT_NEAR(fit.settings.parametric.gainDb, -6.0, 1.0);
    EXPECT_GE(fit.settings.parametric.q, 0.5);
    EXPECT_LE(fit.settings.parametric.q, kParametricFitHighestQ);
    // The band found undoes the peak: what stays is the bands' own share.
    double largest = 0.0;
    for (size_t c = 2; c <= 6; ++c) {
        const double bands = 1.5 * BandShareAt(20, ColumnHz(static_cast<int>(c)));
        largest = std::max(largest, std::abs(fit.predicted[c] - bands));
    }
    EXPECT_LT(largest, 0.5);

    // A dip asks for a boost the band cannot give: whatever it does, it cuts or stays at 0 dB.
    for (int c = 0; c < kColumns; ++c) {
        input.measured[static_cast<size_t>(c)] =
            acoustics::ParametricDb(63.0, 3.0, -4.0, ColumnHz(c)) +
            acoustics::ParametricDb(100.0, 1.0, -2.0, ColumnHz(c));
    }
    const FitResult dip = Fit(input);
    EXPECT_LE(dip.settings.parametric.gainDb, 0.0);
    EXPECT_GE(dip.settings.parametric.gainDb, -11.9);
}

TEST(RoomEqFit, LeavesANarrowNullAloneAndReportsIt) {
    Curve room{};
    room[10] = -15.0;  // 250 Hz
    room[20] = -3.0;   // a broad-enough dip next door is still equalised
    room[21] = -3.0;
    FitInput input = FlatCase(room);
    const FitResult fit = Fit(input);
    ASSERT_EQ(std::count_if(fit.excluded.begin(), fit.excluded.end(),
                            [](const Exclusion& e) { return e.reason == LeftOut::Null; }),
              1);
    EXPECT_TRUE(std::any_of(fit.excluded.begin(), fit.excluded.end(), [](const Exclusion& e) {
        return e.column == 10 && e.reason == LeftOut::Null;
    }));
    EXPECT_LE(fit.settings.bands[8], 0.0);  // the null's own band (column 10)
    EXPECT_LE(std::max(fit.settings.bands[7], fit.settings.bands[9]), 0.5);
    EXPECT_GT(fit.settings.bands[18], 1.5);
    EXPECT_GT(fit.settings.bands[19], 1.5);
}

TEST(RoomEqFit, NeitherBoostsNorFitsWhereTheMeasurementMeetsTheNoiseFloor) {
    Curve room{};
    for (size_t c = 24; c < kColumns; ++c) {
        room[c] = -30.0;  // the top octave lost in the room's noise
    }
    FitInput input = FlatCase(room);
    input.floor.fill(-35.0);
    const FitResult fit = Fit(input);
    for (int c = 24; c <= 27; ++c) {
        EXPECT_TRUE(std::any_of(fit.excluded.begin(), fit.excluded.end(), [c](const Exclusion& e) {
            return e.column == c && e.reason == LeftOut::NoiseFloor;
        })) << c;
        EXPECT_LE(fit.settings.bands[static_cast<size_t>(c - 2)], 0.0) << c;
    }
    EXPECT_LT(LargestError(fit, input, 4, 22), 0.3);
}

TEST(RoomEqTarget, TheXCurveFollowsTheSharedTableAndItsOffset) {
    const Target target = XCurveTarget(-2.0);
    EXPECT_FALSE(target.has[0]);
    EXPECT_FALSE(target.has[29]);
    EXPECT_DOUBLE_EQ(target.db[16], -2.0);   // 1 kHz
    EXPECT_DOUBLE_EQ(target.db[27], -11.0);  // 12.5 kHz
    EXPECT_DOUBLE_EQ(target.db[2], -4.0);    // 40 Hz
}

TEST(RoomEqTarget, ReadsBandCentresAndRefusesWhatIsNotOne) {
    std::string error;
    const auto target = ParseTargetFile("# house curve\n63 1.5\n1000 0\n1k 0\n", error);
    EXPECT_FALSE(target);
    EXPECT_NE(error.find("line 4"), std::string::npos) << error;
    const auto good = ParseTargetFile("63 1.5\n  1000 0 # middle\n12500 -6\n", error);
    ASSERT_TRUE(good) << error;
    EXPECT_TRUE(good->has[4]);
    EXPECT_DOUBLE_EQ(good->db[4], 1.5);
    EXPECT_DOUBLE_EQ(good->db[27], -6.0);
    EXPECT_FALSE(good->has[5]);
    for (const std::string bad : {"90 0\n", "1000\n", "1000 0 1\n", "1000 inf\n",
                                  "1000 0\n1000 1\n", "# nothing\n", "100000 0\n"}) {
        EXPECT_FALSE(ParseTargetFile(bad, error)) << bad;
    }
}

}  // namespace
}  // namespace kvt::roomeq
