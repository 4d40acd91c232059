#include "Fit.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "ParametricBand.h"

namespace kvt::roomeq {

namespace {

const double kBellWidthOctaves = (1.0 / 6.0) / std::sqrt(2.0 * std::log(2.0));
constexpr double kBassCornerHz = 125.0;
constexpr double kTrebleCornerHz = 8000.0;
constexpr int kBassVariable = kEqBands;
constexpr int kTrebleVariable = kEqBands + 1;
constexpr int kLevelVariable = kEqBands + 2;
constexpr int kVariables = kEqBands + 3;
// Keeps the settings small where the response does not ask for them, and the solution unique
// where bands and shelves overlap.
constexpr double kRidge = 0.03;

using Eigen::MatrixXd;
using Eigen::VectorXd;

double ShareOf(int variable, double hz) {
    if (variable < kEqBands) {
        return BandShareAt(variable, hz);
    }
    return variable == kBassVariable ? BassShareAt(hz) : TrebleShareAt(hz);
}

// Least squares with a box on each variable (Lawson and Hanson's active set, bounded form).
VectorXd BoundedLeastSquares(const MatrixXd& a, const VectorXd& b, const VectorXd& lo,
                             const VectorXd& hi) {
    const auto n = a.cols();
    enum class State { Free, Low, High };
    std::vector<State> state(static_cast<size_t>(n), State::Free);
    VectorXd x = VectorXd::Zero(n);
    for (Eigen::Index i = 0; i < n; ++i) {
        x[i] = std::clamp(0.0, lo[i], hi[i]);
        if (lo[i] == hi[i]) {
            state[static_cast<size_t>(i)] = State::Low;
        }
    }
    constexpr int kMaxSteps = 500;
    for (int step = 0; step < kMaxSteps; ++step) {
        std::vector<Eigen::Index> free;
        for (Eigen::Index i = 0; i < n; ++i) {
            if (state[static_cast<size_t>(i)] == State::Free) {
                free.push_back(i);
            }
        }
        VectorXd z = x;
        if (!free.empty()) {
            MatrixXd af(a.rows(), static_cast<Eigen::Index>(free.size()));
            VectorXd rhs = b;
            for (Eigen::Index i = 0; i < n; ++i) {
                if (state[static_cast<size_t>(i)] != State::Free) {
                    rhs -= a.col(i) * x[i];
                }
            }
            for (size_t k = 0; k < free.size(); ++k) {
                af.col(static_cast<Eigen::Index>(k)) = a.col(free[k]);
            }
            const VectorXd solved = af.colPivHouseholderQr().solve(rhs);
            for (size_t k = 0; k < free.size(); ++k) {
                z[free[k]] = solved[static_cast<Eigen::Index>(k)];
            }
        }
        // Step toward z as far as the box allows; the variables that meet it stay on it.
        double alpha = 1.0;
        for (const Eigen::Index i : free) {
            if (z[i] > hi[i] && z[i] != x[i]) {
                alpha = std::min(alpha, (hi[i] - x[i]) / (z[i] - x[i]));
            } else if (z[i] < lo[i] && z[i] != x[i]) {
                alpha = std::min(alpha, (lo[i] - x[i]) / (z[i] - x[i]));
            }
        }
        alpha = std::max(alpha, 0.0);
        x += alpha * (z - x);
        if (alpha < 1.0) {
            for (const Eigen::Index i : free) {
                if (x[i] >= hi[i] - 1e-9 && z[i] > hi[i]) {
                    x[i] = hi[i];
                    state[static_cast<size_t>(i)] = State::High;
                } else if (x[i] <= lo[i] + 1e-9 && z[i] < lo[i]) {
                    x[i] = lo[i];
                    state[static_cast<size_t>(i)] = State::Low;
                }
            }
            continue;
        }
        // All free variables inside: release the bound one that most wants to move inward.
        const VectorXd gradient = a.transpose() * (a * x - b);
        Eigen::Index release = -1;
        double best = 1e-9;
        for (Eigen::Index i = 0; i < n; ++i) {
            const State s = state[static_cast<size_t>(i)];
            if (lo[i] == hi[i]) {
                continue;
            }
            if ((s == State::Low && -gradient[i] > best) ||
                (s == State::High && gradient[i] > best)) {
                best = std::abs(gradient[i]);
                release = i;
            }
        }
        if (release < 0) {
            break;
        }
        state[static_cast<size_t>(release)] = State::Free;
    }
    return x;
}

double Quantised(double db, double lo, double hi) {
    return TenthsWithin(db, lo, hi);
}

// What a dB of the parametric band's cut weighs against a dB of deviation: a deep, broad cut that
// the output gain must then make up for costs the subwoofer's headroom, so it must earn its keep.
constexpr double kCutWeight = 0.03;

// The parametric band by search over the unit's steps (few columns, three coupled parameters: a
// search finds the best outright). `roomAlone` less the target, on the counted columns.
Parametric FitParametric(const Curve& error, const std::array<bool, kColumns>& use,
                         const std::array<bool, kColumns>& reference, double cutLimitDb,
                         const Parametric& current) {
    std::vector<int> columns;
    std::vector<int> referenceColumns;
    for (int c = 0; c < kColumns; ++c) {
        if (use[static_cast<size_t>(c)]) {
            columns.push_back(c);
            if (reference[static_cast<size_t>(c)]) {
                referenceColumns.push_back(c);
            }
        }
    }
    if (referenceColumns.empty()) {
        referenceColumns = columns;
    }
    auto score = [&](const Parametric& p) {
        Curve e{};
        for (const int c : columns) {
            const auto at = static_cast<size_t>(c);
            e[at] = error[at] + acoustics::ParametricDb(p.hz, p.q, p.gainDb, ColumnHz(c));
        }
        double level = 0.0;
        for (const int c : referenceColumns) {
            level += e[static_cast<size_t>(c)];
        }
        level /= static_cast<double>(referenceColumns.size());
        double largest = 0.0;
        double squares = 0.0;
        for (const int c : columns) {
            const double d = e[static_cast<size_t>(c)] - level;
            largest = std::max(largest, std::abs(d));
            squares += d * d;
        }
        // The largest deviation first; then the overall fit; and the cut's cost.
        return largest + 0.25 * std::sqrt(squares / static_cast<double>(columns.size())) +
               kCutWeight * std::abs(p.gainDb);
    };
    Parametric best = current;
    best.gainDb = 0.0;
    if (columns.empty()) {
        return best;
    }
    double bestScore = score(best);
    const int deepest = static_cast<int>(std::floor(cutLimitDb * 10.0 + 1e-9));
    for (int hz = static_cast<int>(acoustics::kParametricLowestHz);
         hz <= static_cast<int>(acoustics::kParametricHighestHz); ++hz) {
        for (double q = acoustics::kParametricLowestQ; q <= kParametricFitHighestQ + 1e-9;
             q += 0.25) {
            for (int tenths = 1; tenths <= deepest; ++tenths) {
                const Parametric p{static_cast<double>(hz), q, -tenths / 10.0};
                if (const double s = score(p); s < bestScore) {
                    bestScore = s;
                    best = p;
                }
            }
        }
    }
    return best;
}

// The prediction for the fitted settings (the measurement with the current equaliser's share
// replaced by the new one's) and the exclusions in column order.
FitResult Finished(FitResult result, const Curve& measured, const Curve& currentEq) {
    const Curve newEq = EqualiserCurve(result.settings);
    for (size_t c = 0; c < kColumns; ++c) {
        result.predicted[c] = measured[c] - currentEq[c] + newEq[c];
    }
    std::sort(result.excluded.begin(), result.excluded.end(),
              [](const Exclusion& x1, const Exclusion& x2) { return x1.column < x2.column; });
    return result;
}

}  // namespace

double BandShareAt(int band, double hz) {
    const double octaves = std::log2(hz / EqBandHz(band));
    return std::exp(-octaves * octaves / (2.0 * kBellWidthOctaves * kBellWidthOctaves));
}

double BassShareAt(double hz) {
    return 1.0 / (1.0 + (hz / kBassCornerHz) * (hz / kBassCornerHz));
}

double TrebleShareAt(double hz) {
    return 1.0 / (1.0 + (kTrebleCornerHz / hz) * (kTrebleCornerHz / hz));
}

Curve EqualiserCurve(const Settings& settings) {
    Curve curve{};
    const Parametric& p = settings.parametric;
    for (int column = 0; column < kColumns; ++column) {
        const double hz = ColumnHz(column);
        double db = settings.bass * BassShareAt(hz) + settings.treble * TrebleShareAt(hz) +
                    acoustics::ParametricDb(p.hz, p.q, p.gainDb, hz);
        for (int band = 0; band < kEqBands; ++band) {
            db += settings.bands[static_cast<size_t>(band)] * BandShareAt(band, hz);
        }
        curve[static_cast<size_t>(column)] = db;
    }
    return curve;
}

std::string_view LeftOutText(LeftOut reason) {
    switch (reason) {
        case LeftOut::NoiseFloor:
            return "noise floor";
        case LeftOut::Null:
            return "null";
        case LeftOut::OutsideRange:
            return "outside range";
    }
    return "";
}

Curve Normalised(const Curve& curve, const Target& target, const std::array<bool, kColumns>& use,
                 const std::array<bool, kColumns>& reference) {
    Curve out{};
    double sum = 0.0;
    int count = 0;
    for (size_t c = 0; c < kColumns; ++c) {
        if (reference[c] && target.has[c]) {
            sum += curve[c] - target.db[c];
            ++count;
        }
    }
    const double level = count > 0 ? sum / count : 0.0;
    for (size_t c = 0; c < kColumns; ++c) {
        out[c] = use[c] && target.has[c] ? curve[c] - target.db[c] - level : 0.0;
    }
    return out;
}

FitResult Fit(const FitInput& in) {
    FitResult result;
    result.boostLimitDb = std::clamp(in.limits.maxBoostDb, 0.0, kUnitEqLimit);
    result.cutLimitDb = std::clamp(in.limits.maxCutDb, 0.0, kUnitEqLimit);

    // Which columns count, and which bands may not boost.
    std::array<bool, kColumns> use{};
    std::array<bool, kColumns> noBoost{};
    Curve residual{};
    for (size_t c = 0; c < kColumns; ++c) {
        use[c] = in.fitColumns[c] && in.target.has[c];
        residual[c] = in.measured[c] - in.target.db[c];
        if (in.fitColumns[c] && in.measured[c] - in.floor[c] < in.floorMarginDb) {
            use[c] = false;
            noBoost[c] = true;
            result.excluded.push_back({static_cast<int>(c), LeftOut::NoiseFloor});
        }
    }
    for (size_t c = 1; c + 1 < kColumns; ++c) {
        if (!use[c] || !use[c - 1] || !use[c + 1]) {
            continue;
        }
        const double sides = 0.5 * (residual[c - 1] + residual[c + 1]);
        if (residual[c] < sides - in.nullDepthDb) {
            noBoost[c] = true;
            result.excluded.push_back({static_cast<int>(c), LeftOut::Null});
        }
    }
    for (const Exclusion& e : result.excluded) {
        use[static_cast<size_t>(e.column)] = false;
    }

    const Curve currentEq = EqualiserCurve(in.current);
    if (in.parametric) {
        result.cutLimitDb =
            std::clamp(in.limits.maxCutDb, 0.0, -acoustics::kParametricDeepestCutDb);
        result.boostLimitDb = 0.0;
        // The bands, bass and treble stay: they are part of what the band works on.
        const Parametric& now = in.current.parametric;
        Curve error{};
        std::array<bool, kColumns> reference{};
        for (size_t c = 0; c < kColumns; ++c) {
            error[c] =
                in.measured[c] -
                acoustics::ParametricDb(now.hz, now.q, now.gainDb, ColumnHz(static_cast<int>(c))) -
                in.target.db[c];
            reference[c] = use[c];
        }
        result.settings = in.current;
        result.settings.parametric =
            FitParametric(error, use, reference, result.cutLimitDb, in.current.parametric);
        return Finished(std::move(result), in.measured, currentEq);
    }

    // Rows: the counted columns, then the ridge on each setting.
    std::vector<int> rows;
    for (int c = 0; c < kColumns; ++c) {
        if (use[static_cast<size_t>(c)]) {
            rows.push_back(c);
        }
    }
    const auto m = static_cast<Eigen::Index>(rows.size());
    MatrixXd a = MatrixXd::Zero(m + kVariables - 1, kVariables);
    VectorXd b = VectorXd::Zero(m + kVariables - 1);
    for (Eigen::Index r = 0; r < m; ++r) {
        const auto c = static_cast<size_t>(rows[static_cast<size_t>(r)]);
        const double hz = ColumnHz(static_cast<int>(c));
        for (int v = 0; v < kVariables - 1; ++v) {
            a(r, v) = ShareOf(v, hz);
        }
        a(r, kLevelVariable) = -1.0;
        // The room alone is the measurement less what the current settings add.
        b[r] = in.target.db[c] - (in.measured[c] - currentEq[c]);
    }
    for (int v = 0; v < kVariables - 1; ++v) {
        a(m + v, v) = kRidge;
    }

    VectorXd lo(kVariables);
    VectorXd hi(kVariables);
    for (int band = 0; band < kEqBands; ++band) {
        const auto c = static_cast<size_t>(band + kFirstEqColumn);
        const bool reaches = in.fitColumns[c] && in.target.has[c];
        lo[band] = reaches ? -result.cutLimitDb : 0.0;
        hi[band] = reaches && !noBoost[c] ? result.boostLimitDb : 0.0;
        if (!reaches) {
            result.excluded.push_back({band + kFirstEqColumn, LeftOut::OutsideRange});
        }
    }
    lo[kBassVariable] = in.useBass ? -result.cutLimitDb : 0.0;
    hi[kBassVariable] = in.useBass ? result.boostLimitDb : 0.0;
    lo[kTrebleVariable] = in.useTreble ? -result.cutLimitDb : 0.0;
    hi[kTrebleVariable] = in.useTreble ? result.boostLimitDb : 0.0;
    lo[kLevelVariable] = -1e6;
    hi[kLevelVariable] = 1e6;

    VectorXd x = VectorXd::Zero(kVariables);
    if (m > 0) {
        x = BoundedLeastSquares(a, b, lo, hi);
    }
    for (int band = 0; band < kEqBands; ++band) {
        result.settings.bands[static_cast<size_t>(band)] = Quantised(x[band], lo[band], hi[band]);
    }
    result.settings.bass = Quantised(x[kBassVariable], lo[kBassVariable], hi[kBassVariable]);
    result.settings.treble =
        Quantised(x[kTrebleVariable], lo[kTrebleVariable], hi[kTrebleVariable]);
    result.levelDb = x[kLevelVariable];

    return Finished(std::move(result), in.measured, currentEq);
}

}  // namespace kvt::roomeq
