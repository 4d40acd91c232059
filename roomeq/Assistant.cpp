#include "Assistant.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace kvt::roomeq {

namespace {

// The equaliser reaches the screen's tolerance range: 63 Hz to 12.5 kHz; the level reference is
// the flat middle of the curve, 500 Hz to 2 kHz; the subwoofer is judged and levelled in band,
// 40 Hz to 100 Hz.
constexpr int kFirstScreenColumn = 4;      // 63 Hz
constexpr int kLastScreenColumn = 27;      // 12.5 kHz
constexpr int kFirstReferenceColumn = 13;  // 500 Hz
constexpr int kLastReferenceColumn = 19;   // 2 kHz
constexpr int kFirstSubColumn = 2;         // 40 Hz
constexpr int kLastSubColumn = 6;          // 100 Hz
// A surround's passband: where its own response lies no more than this under the target.
constexpr double kPassbandDb = 6.0;
// A round must improve the largest deviation by this much to count as a gain.
constexpr double kLeastGainDb = 0.05;

using Columns = std::array<bool, kColumns>;

Columns Range(int first, int last) {
    Columns columns{};
    for (int c = first; c <= last; ++c) {
        columns[static_cast<size_t>(c)] = true;
    }
    return columns;
}

double RefMean(const Curve& measured, const Curve& target, const Columns& reference) {
    double sum = 0.0;
    int count = 0;
    for (size_t c = 0; c < kColumns; ++c) {
        if (reference[c]) {
            sum += measured[c] - target[c];
            ++count;
        }
    }
    return count > 0 ? sum / count : 0.0;
}

double LargestDeviation(const Curve& measured, const Curve& target, const Columns& judged,
                        const Columns& reference) {
    const double level = RefMean(measured, target, reference);
    double largest = 0.0;
    for (size_t c = 0; c < kColumns; ++c) {
        if (judged[c]) {
            largest = std::max(largest, std::abs(measured[c] - target[c] - level));
        }
    }
    return largest;
}

double Rounded(double db) {
    return Tenths(db);
}

int32_t WriteSettings(IKVT80& engine, int channel, const Settings& settings, const Settings& old) {
    const Variant ch = Variant::Int(channel);
    for (int band = 0; band < kEqBands; ++band) {
        const auto b = static_cast<size_t>(band);
        if (settings.bands[b] != old.bands[b]) {
            if (const int32_t s = engine.put_EQBand(ch, Variant::Int(band), settings.bands[b]);
                s != status::Ok) {
                return s;
            }
        }
    }
    if (settings.bass != old.bass) {
        if (const int32_t s = engine.put_Bass(ch, settings.bass); s != status::Ok) {
            return s;
        }
    }
    if (settings.treble != old.treble) {
        if (const int32_t s = engine.put_Treble(ch, settings.treble); s != status::Ok) {
            return s;
        }
    }
    if (channel == SW && settings.parametric != old.parametric) {
        const Parametric& p = settings.parametric;
        for (const int32_t s : {engine.put_SubParametricFreq(p.hz), engine.put_SubParametricQ(p.q),
                                engine.put_SubParametricGain(p.gainDb)}) {
            if (s != status::Ok) {
                return s;
            }
        }
    }
    return status::Ok;
}

std::string Format(const char* format, auto... values) {
    char text[256];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

// How one channel is judged: its columns, its reference range, its target curve.
struct Plan {
    Columns judged{};
    Columns reference{};
    Target target;
    double tolerance = 0.0;
};

Plan PlanFor(int channel, const AssistantOptions& options, const Curve& roomAlone) {
    Plan plan;
    plan.target = options.target;
    switch (KindOf(channel)) {
        case ChannelKind::Screen:
            plan.judged = Range(kFirstScreenColumn, kLastScreenColumn);
            plan.reference = Range(kFirstReferenceColumn, kLastReferenceColumn);
            plan.tolerance = options.screenToleranceDb;
            break;
        case ChannelKind::Surround: {
            plan.reference = Range(kFirstReferenceColumn, kLastReferenceColumn);
            plan.tolerance = options.surroundToleranceDb;
            const double level = RefMean(roomAlone, options.target.db, plan.reference);
            auto inBand = [&](int c) {
                const auto at = static_cast<size_t>(c);
                return options.target.has[at] &&
                       roomAlone[at] - options.target.db[at] - level >= -kPassbandDb;
            };
            int first = kFirstReferenceColumn;
            while (first - 1 >= kFirstScreenColumn && inBand(first - 1)) {
                --first;
            }
            int last = kLastReferenceColumn;
            while (last + 1 <= kLastScreenColumn && inBand(last + 1)) {
                ++last;
            }
            plan.judged = Range(first, last);
            break;
        }
        case ChannelKind::Subwoofer: {
            plan.judged = Range(kFirstSubColumn, kLastSubColumn);
            plan.reference = plan.judged;
            plan.tolerance = options.subwooferToleranceDb;
            // Flat in band at the level of the target's reference range.
            const Columns middle = Range(kFirstReferenceColumn, kLastReferenceColumn);
            double sum = 0.0;
            int count = 0;
            for (size_t c = 0; c < kColumns; ++c) {
                if (middle[c] && options.target.has[c]) {
                    sum += options.target.db[c];
                    ++count;
                }
            }
            const double flat = count > 0 ? sum / count : 0.0;
            plan.target.db.fill(flat);
            plan.target.has = plan.judged;
            break;
        }
    }
    for (size_t c = 0; c < kColumns; ++c) {
        plan.judged[c] = plan.judged[c] && plan.target.has[c];
        plan.reference[c] = plan.reference[c] && plan.target.has[c];
    }
    return plan;
}

AssistantResult RunWith(MeasurementSession& session, IKVT80& engine,
                        const AssistantOptions& options);

}  // namespace

bool AssistantResult::AllWithinTolerance() const {
    return completed && !channels.empty() &&
           std::all_of(channels.begin(), channels.end(),
                       [](const ChannelResult& c) { return c.withinTolerance; });
}

ChannelSettings ReadChannel(IKVT80& engine, int channel) {
    ChannelSettings settings;
    const Variant ch = Variant::Int(channel);
    for (int band = 0; band < kEqBands; ++band) {
        engine.get_EQBand(ch, Variant::Int(band), &settings.eq.bands[static_cast<size_t>(band)]);
    }
    engine.get_Bass(ch, &settings.eq.bass);
    engine.get_Treble(ch, &settings.eq.treble);
    engine.get_OutputGain(ch, &settings.outputGainDb);
    if (channel == SW) {
        engine.get_SubParametricFreq(&settings.eq.parametric.hz);
        engine.get_SubParametricQ(&settings.eq.parametric.q);
        engine.get_SubParametricGain(&settings.eq.parametric.gainDb);
    }
    return settings;
}

int32_t RestoreChannel(IKVT80& engine, int channel, const ChannelSettings& settings) {
    const ChannelSettings now = ReadChannel(engine, channel);
    if (const int32_t s = WriteSettings(engine, channel, settings.eq, now.eq); s != status::Ok) {
        return s;
    }
    if (settings.outputGainDb != now.outputGainDb) {
        return engine.put_OutputGain(Variant::Int(channel), settings.outputGainDb);
    }
    return status::Ok;
}

AssistantResult RunAssistant(IKVT80& engine, const AssistantOptions& options) {
    const auto started = std::chrono::steady_clock::now();
    MeasurementSession session(engine, options.measure, options.cancel);
    AssistantResult result = RunWith(session, engine, options);
    session.Close();
    if (session.RestorePending()) {
        result.pendingRestore = session.Found();
    }
    result.settlingSeconds = session.SettlingTime().count();
    result.averagingSeconds = session.AveragingTime().count();
    result.totalSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return result;
}

namespace {

AssistantResult RunWith(MeasurementSession& session, IKVT80& engine,
                        const AssistantOptions& options) {
    AssistantResult result;
    auto say = [&](const std::string& text) {
        if (options.progress) {
            options.progress(text);
        }
    };
    auto fail = [&](const std::string& what, MeasureStatus status) {
        result.failure = what + ": " + std::string(MeasureStatusText(status));
        session.Close();
        return result;
    };

    if (const MeasureStatus s = session.Open(); s != MeasureStatus::Ok) {
        return fail("cannot start", s);
    }
    const int totalSteps = 1 + 2 * static_cast<int>(options.channels.size());
    int doneSteps = 0;
    auto step = [&] {
        ++doneSteps;
        if (options.steps) {
            options.steps(doneSteps, totalSteps);
        }
    };
    if (options.steps) {
        options.steps(0, totalSteps);
    }
    say("measuring the room's noise floor");
    if (const MeasureStatus s = session.MeasureFloor(result.floor); s != MeasureStatus::Ok) {
        return fail("noise floor", s);
    }
    step();

    std::vector<Plan> plans;
    std::vector<Curve> latest;
    for (const int channel : options.channels) {
        ChannelResult r;
        r.channel = channel;
        r.kind = KindOf(channel);
        r.before = ReadChannel(engine, channel);
        r.written = r.before;
        const std::string name(ChannelName(channel));
        say(name + ": measuring");
        if (const MeasureStatus s = session.MeasureChannel(channel, r.measuredBefore);
            s != MeasureStatus::Ok) {
            result.channels.push_back(r);
            return fail(name, s);
        }
        step();
        const Curve eqBefore = EqualiserCurve(r.before.eq);
        Curve roomAlone{};
        for (size_t c = 0; c < kColumns; ++c) {
            roomAlone[c] = r.measuredBefore[c] - eqBefore[c];
        }
        Plan plan = PlanFor(channel, options, roomAlone);
        r.reference = plan.reference;
        r.toleranceDb = plan.tolerance;

        Settings current = r.before.eq;
        Curve measured = r.measuredBefore;
        auto judgedNow = [&](const std::vector<Exclusion>& excluded) {
            Columns judged = plan.judged;
            for (const Exclusion& e : excluded) {
                if (e.reason != LeftOut::OutsideRange) {
                    judged[static_cast<size_t>(e.column)] = false;
                }
            }
            return judged;
        };
        FitInput input;
        input.floor = result.floor;
        input.target = plan.target;
        input.fitColumns = plan.judged;
        input.limits = options.limits;
        input.parametric = r.kind == ChannelKind::Subwoofer;
        // Nulls and the floor are judged on the first measurement, before any setting moved.
        input.measured = measured;
        input.current = current;
        r.excluded = Fit(input).excluded;
        Columns judged = judgedNow(r.excluded);
        r.errorBeforeDb = LargestDeviation(measured, plan.target.db, judged, plan.reference);
        double best = r.errorBeforeDb;
        say(Format("%s: largest deviation %.1f dB", name.c_str(), best));

        for (int round = 1; round <= options.maxRounds && best > plan.tolerance; ++round) {
            input.measured = measured;
            input.current = current;
            const FitResult fit = Fit(input);
            if (options.dryRun) {
                r.written.eq = fit.settings;
                measured = fit.predicted;
                r.rounds = 1;
                break;
            }
            if (fit.settings == current) {
                break;
            }
            if (WriteSettings(engine, channel, fit.settings, current) != status::Ok) {
                result.failure = name + ": the engine refused an equaliser setting";
                session.Close();
                result.channels.push_back(r);
                return result;
            }
            r.rounds = round;
            Curve next{};
            if (const MeasureStatus s = session.MeasureChannel(channel, next);
                s != MeasureStatus::Ok) {
                result.channels.push_back(r);
                return fail(name, s);
            }
            const double error = LargestDeviation(next, plan.target.db, judged, plan.reference);
            say(Format("%s: round %d, largest deviation %.1f dB", name.c_str(), round, error));
            if (error < best - kLeastGainDb) {
                best = error;
                current = fit.settings;
                measured = next;
                continue;
            }
            // No further gain: back to the best settings.
            WriteSettings(engine, channel, current, fit.settings);
            break;
        }
        if (!options.dryRun) {
            r.written.eq = current;
        }
        r.judged = judged;
        plans.push_back(plan);
        latest.push_back(measured);
        result.channels.push_back(r);
    }

    // Level alignment over each channel's reference range.
    double screenGoal = 0.0;
    if (options.screenLevelDb) {
        screenGoal = *options.screenLevelDb;
    } else {
        double sum = 0.0;
        int count = 0;
        double others = 0.0;
        int otherCount = 0;
        for (size_t i = 0; i < result.channels.size(); ++i) {
            const ChannelResult& r = result.channels[i];
            const double level = RefMean(latest[i], plans[i].target.db, r.reference);
            if (r.kind == ChannelKind::Screen) {
                sum += level;
                ++count;
            } else {
                others += level - (r.kind == ChannelKind::Surround ? options.surroundOffsetDb
                                                                   : options.subwooferOffsetDb);
                ++otherCount;
            }
        }
        screenGoal = count > 0 ? sum / count : (otherCount > 0 ? others / otherCount : 0.0);
    }
    for (size_t i = 0; i < result.channels.size(); ++i) {
        ChannelResult& r = result.channels[i];
        r.levelGoalDb = screenGoal + (r.kind == ChannelKind::Surround    ? options.surroundOffsetDb
                                      : r.kind == ChannelKind::Subwoofer ? options.subwooferOffsetDb
                                                                         : 0.0);
        const double level = RefMean(latest[i], plans[i].target.db, r.reference);
        const double wanted = Rounded(r.before.outputGainDb + r.levelGoalDb - level);
        const double gain = std::clamp(wanted, kUnitLowestOutputGain, kUnitHighestOutputGain);
        r.gainAtLimit = gain != wanted;
        r.written.outputGainDb = gain;
        for (size_t c = 0; c < kColumns; ++c) {
            r.target[c] = plans[i].target.db[c] + r.levelGoalDb;
        }
        if (options.dryRun) {
            for (size_t c = 0; c < kColumns; ++c) {
                r.measuredAfter[c] = latest[i][c] + gain - r.before.outputGainDb;
            }
            continue;
        }
        if (gain != r.before.outputGainDb &&
            engine.put_OutputGain(Variant::Int(r.channel), gain) != status::Ok) {
            result.failure =
                std::string(ChannelName(r.channel)) + ": the engine refused the output gain";
            session.Close();
            return result;
        }
    }

    // The proof: every channel measured once more as it now stands.
    for (ChannelResult& r : result.channels) {
        if (!options.dryRun) {
            say(std::string(ChannelName(r.channel)) + ": measuring the result");
            if (const MeasureStatus s = session.MeasureChannel(r.channel, r.measuredAfter);
                s != MeasureStatus::Ok) {
                return fail(std::string(ChannelName(r.channel)), s);
            }
        }
        step();
        Curve shape{};
        for (size_t c = 0; c < kColumns; ++c) {
            shape[c] = r.target[c] - r.levelGoalDb;
        }
        r.levelDb = RefMean(r.measuredAfter, shape, r.reference);
        r.errorAfterDb = LargestDeviation(r.measuredAfter, shape, r.judged, r.reference);
        r.withinTolerance = r.errorAfterDb <= r.toleranceDb && !r.gainAtLimit &&
                            std::abs(r.levelDb - r.levelGoalDb) <= options.levelToleranceDb;
    }
    session.Close();
    result.completed = true;

    if (options.store && !options.dryRun) {
        say("storing the settings in the unit");
        if (engine.SaveKVTParameters() != status::Ok) {
            result.failure = "the unit did not store the settings";
            return result;
        }
        result.stored = true;
    }
    return result;
}

}  // namespace

}  // namespace kvt::roomeq
