#include "Report.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>

namespace kvt::roomeq {

namespace {

using nlohmann::json;

// Only the columns the channel is judged on; others are null.
json Values(const Curve& curve, const std::array<bool, kColumns>& shown) {
    json values = json::array();
    for (size_t c = 0; c < kColumns; ++c) {
        values.push_back(shown[c] ? json(Tenths(curve[c])) : json(nullptr));
    }
    return values;
}

// The subwoofer's parametric band only where the channel has one.
json SettingsJson(const ChannelSettings& settings, bool parametric) {
    json bands = json::array();
    for (int band = 0; band < kEqBands; ++band) {
        bands.push_back({{"hz", ColumnLabel(band + kFirstEqColumn)},
                         {"db", Tenths(settings.eq.bands[static_cast<size_t>(band)])}});
    }
    json out{{"bands", bands},
             {"bass_db", Tenths(settings.eq.bass)},
             {"treble_db", Tenths(settings.eq.treble)},
             {"output_gain_db", Tenths(settings.outputGainDb)}};
    if (parametric) {
        out["parametric"] = {{"hz", settings.eq.parametric.hz},
                             {"q", settings.eq.parametric.q},
                             {"gain_db", Tenths(settings.eq.parametric.gainDb)}};
    }
    return out;
}

std::string_view KindText(ChannelKind kind) {
    switch (kind) {
        case ChannelKind::Screen:
            return "screen";
        case ChannelKind::Surround:
            return "surround";
        case ChannelKind::Subwoofer:
            return "subwoofer";
    }
    return "";
}

}  // namespace

std::string ReportJson(const AssistantResult& result, const ReportContext& context) {
    std::array<bool, kColumns> all{};
    all.fill(true);
    json centres = json::array();
    for (int c = 0; c < kColumns; ++c) {
        centres.push_back(ColumnLabel(c));
    }
    json channels = json::array();
    for (const ChannelResult& r : result.channels) {
        std::array<bool, kColumns> targeted = r.judged;
        for (const Exclusion& e : r.excluded) {
            if (e.reason != LeftOut::OutsideRange) {
                targeted[static_cast<size_t>(e.column)] = true;
            }
        }
        json leftOut = json::array();
        for (const Exclusion& e : r.excluded) {
            leftOut.push_back({{"hz", ColumnLabel(e.column)}, {"reason", LeftOutText(e.reason)}});
        }
        channels.push_back({
            {"channel", ChannelName(r.channel)},
            {"kind", KindText(r.kind)},
            {"band_centres_hz", centres},
            {"target_db", Values(r.target, targeted)},
            {"measured_before_db", Values(r.measuredBefore, all)},
            {context.dryRun ? "predicted_after_db" : "measured_after_db",
             Values(r.measuredAfter, all)},
            {"settings_before", SettingsJson(r.before, r.channel == SW)},
            {context.dryRun ? "settings_proposed" : "settings_written",
             SettingsJson(r.written, r.channel == SW)},
            {"rounds", r.rounds},
            {"bands_left_out", leftOut},
            {"largest_deviation_before_db", Tenths(r.errorBeforeDb)},
            {"largest_deviation_after_db", Tenths(r.errorAfterDb)},
            {"tolerance_db", r.toleranceDb},
            {"level_db", Tenths(r.levelDb)},
            {"level_goal_db", Tenths(r.levelGoalDb)},
            {"output_gain_at_limit", r.gainAtLimit},
            {"within_tolerance", r.withinTolerance},
        });
    }
    const json report{
        {"target", context.targetName},
        {"max_boost_db", context.maxBoostDb},
        {"max_cut_db", context.maxCutDb},
        {"dry_run", context.dryRun},
        {"completed", result.completed},
        {"failure", result.failure},
        {"stored", result.stored},
        {"generator_left_playing", result.pendingRestore.has_value()},
        {"all_within_tolerance", result.AllWithinTolerance()},
        {"noise_floor_db", Values(result.floor, all)},
        {"seconds",
         {{"settling", Tenths(result.settlingSeconds)},
          {"averaging", Tenths(result.averagingSeconds)},
          {"other", Tenths(result.totalSeconds - result.settlingSeconds - result.averagingSeconds)},
          {"total", Tenths(result.totalSeconds)}}},
        {"channels", channels},
    };
    return report.dump(2) + "\n";
}

std::string BeforeAfterTable(const AssistantResult& result) {
    std::string text = "channel  rounds  deviation before  after  level/goal    gain    result\n";
    for (const ChannelResult& r : result.channels) {
        char line[160];
        std::snprintf(line, sizeof line,
                      "%-7s  %6d  %13.1f dB  %5.1f  %5.1f/%5.1f  %+5.1f dB  %s\n",
                      std::string(ChannelName(r.channel)).c_str(), r.rounds, r.errorBeforeDb,
                      r.errorAfterDb, r.levelDb, r.levelGoalDb, r.written.outputGainDb,
                      r.withinTolerance ? "ok" : "OUT OF TOLERANCE");
        text += line;
        for (const Exclusion& e : r.excluded) {
            if (e.reason != LeftOut::OutsideRange) {
                text += "         " + std::string(ColumnLabel(e.column)) + " Hz left out (" +
                        std::string(LeftOutText(e.reason)) + ")\n";
            }
        }
    }
    char times[160];
    std::snprintf(
        times, sizeof times,
        "time %.1f s: settling %.1f s (with the writes), averaging %.1f s, other %.1f s\n",
        result.totalSeconds, result.settlingSeconds, result.averagingSeconds,
        result.totalSeconds - result.settlingSeconds - result.averagingSeconds);
    return text + times;
}

}  // namespace kvt::roomeq
