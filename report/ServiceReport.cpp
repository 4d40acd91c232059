#include "ServiceReport.h"

#include <QtGlobal>
#include <condition_variable>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <memory>
#include <mutex>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <thread>

#include "KVT80.h"
#include "text/Codepage.h"

namespace kvt::report {

namespace {

using Clock = std::chrono::steady_clock;

std::string TextOf(IKVT80& engine, int32_t (IKVT80::*getter)(Variant*)) {
    Variant value;
    if ((engine.*getter)(&value) != status::Ok) {
        return {};
    }
    const std::u16string& text = value.StringValue();
    return ToUtf8(std::u16string_view(text).substr(0, text.find(u'\0')));
}

bool TrueOf(IKVT80& engine, int32_t (IKVT80::*getter)(Variant*)) {
    Variant value;
    return (engine.*getter)(&value) == status::Ok && value.IsTrue();
}

bool Ready(IKVT80& engine) {
    VariantBool initialized = 0;
    return TrueOf(engine, &IKVT80::get_Connected) &&
           engine.get_Initialized(&initialized) == status::Ok && initialized == VARIANT_TRUE;
}

// Collects the EventEntry events of one dump.
class LogCollector : public IKVTEvents {
  public:
    void EventEntry(int32_t date, int32_t time, const std::u16string& description) override {
        std::lock_guard lock(mutex_);
        entries_.push_back({date, time, ToUtf8(description)});
    }
    std::vector<LogEntry> Entries() {
        std::lock_guard lock(mutex_);
        return entries_;
    }

  private:
    std::mutex mutex_;
    std::vector<LogEntry> entries_;
};

// Waits, polling, until the condition holds or the time is up.
template <typename Condition>
bool WaitFor(Condition condition, std::chrono::milliseconds timeout) {
    const Clock::time_point end = Clock::now() + timeout;
    while (!condition()) {
        if (Clock::now() >= end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

std::optional<double> OptionalNumber(const nlohmann::json& value) {
    if (value.is_number()) {
        return value.get<double>();
    }
    return std::nullopt;
}

// "25", "1.25k", "20k" -> hertz.
std::optional<double> Hertz(const nlohmann::json& label) {
    if (label.is_number()) {
        return label.get<double>();
    }
    if (!label.is_string()) {
        return std::nullopt;
    }
    std::string text = label.get<std::string>();
    double scale = 1.0;
    if (!text.empty() && (text.back() == 'k' || text.back() == 'K')) {
        scale = 1000.0;
        text.pop_back();
    }
    try {
        size_t used = 0;
        const double value = std::stod(text, &used);
        if (used != text.size() || !(value > 0.0)) {
            return std::nullopt;
        }
        return value * scale;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// A member of the expected type, or the fallback (a report of another version may differ).
std::string TextMember(const nlohmann::json& object, const char* name, std::string fallback) {
    const auto found = object.find(name);
    return found != object.end() && found->is_string() ? found->get<std::string>() : fallback;
}
bool FlagMember(const nlohmann::json& object, const char* name) {
    const auto found = object.find(name);
    return found != object.end() && found->is_boolean() && found->get<bool>();
}
double NumberMember(const nlohmann::json& object, const char* name) {
    const auto found = object.find(name);
    return found != object.end() && found->is_number() ? found->get<double>() : 0.0;
}

std::vector<std::optional<double>> Curve(const nlohmann::json& channel, const char* name,
                                         size_t count, std::string& error) {
    std::vector<std::optional<double>> values;
    const auto found = channel.find(name);
    if (found == channel.end()) {
        return values;
    }
    if (!found->is_array() || found->size() != count) {
        error = std::string(name) + ": needs one value (or null) per band";
        return values;
    }
    for (const nlohmann::json& value : *found) {
        if (!value.is_null() && !value.is_number()) {
            error = std::string(name) + ": not a number";
            return {};
        }
        values.push_back(OptionalNumber(value));
    }
    return values;
}

}  // namespace

std::vector<config::FieldDifference> ServiceReport::Changes() const {
    if (!atConnect) {
        return {};
    }
    return ReadableDifferences(config::Differences(*atConnect, image));
}

std::optional<ParameterImage> EngineImage(IKVT80& engine) {
    // The image itself (and not the property values) so that the report's configuration and its
    // comparisons hold every byte a configuration file would.
    if (const auto* object = dynamic_cast<const KVT80*>(&engine)) {
        return object->Image();
    }
    return std::nullopt;
}

UnitInfo ReadUnitInfo(IKVT80& engine) {
    UnitInfo unit;
    unit.port = TextOf(engine, &IKVT80::get_ComPort);
    unit.serialNumber = TextOf(engine, &IKVT80::get_SerialNumber);
    unit.controllerVersion = TextOf(engine, &IKVT80::get_PICVersion);
    unit.matrixVersion = TextOf(engine, &IKVT80::get_MatrixVersion);
    unit.outputController = TextOf(engine, &IKVT80::get_OutputPICVersion);
    unit.processorController = TextOf(engine, &IKVT80::get_ProcessorPICVersion);
    Variant first;
    Variant second;
    if (engine.NRVersions(&first, &second) == status::Ok) {
        unit.nrVersions[0] = ToUtf8(first.StringValue());
        unit.nrVersions[1] = ToUtf8(second.StringValue());
    }
    if (engine.EQVersions(&first, &second) == status::Ok) {
        unit.eqVersions[0] = ToUtf8(first.StringValue());
        unit.eqVersions[1] = ToUtf8(second.StringValue());
    }
    std::u16string text;
    if (engine.get_UnitDate(&text) == status::Ok) {
        unit.unitDate = ToUtf8(text);
    }
    if (engine.get_UnitTime(&text) == status::Ok) {
        unit.unitTime = ToUtf8(text);
    }
    unit.connected = TrueOf(engine, &IKVT80::get_Connected);
    unit.initialized = Ready(engine);
    unit.systemMute = TrueOf(engine, &IKVT80::get_SystemMute);
    Variant mode;
    if (engine.get_Mode(&mode) == status::Ok) {
        unit.mode = mode.Int32();
    }
    engine.get_FaderLevel(&unit.faderLevel);
    return unit;
}

EventLogRead ReadEventLog(IKVT80& engine, std::chrono::milliseconds timeout) {
    auto* object = dynamic_cast<KVT80*>(&engine);
    if (object == nullptr) {
        return {{}, "the event log cannot be read through this engine"};
    }
    if (!Ready(engine)) {
        return {{}, "the unit is not connected"};
    }
    auto collector = std::make_shared<LogCollector>();
    uint32_t cookie = 0;
    if (engine.Advise(collector, &cookie) != status::Ok) {
        return {{}, "the engine's events cannot be received"};
    }
    // The worker serves the request within one pass; two passes after the request the dump has
    // been sent, read and delivered entry by entry.
    const uint64_t passes = object->WorkerPasses();
    EventLogRead read;
    if (engine.QueryEventLog() != status::Ok) {
        read.error = "the event log could not be requested";
    } else if (!WaitFor([&] { return object->WorkerPasses() >= passes + 2 || !Ready(engine); },
                        timeout) ||
               !Ready(engine)) {
        read.error = "the unit did not send its event log";
    }
    engine.Unadvise(cookie);
    if (read.error.empty()) {
        read.entries = collector->Entries();
    }
    return read;
}

VerifyOutcome RunVerify(IKVT80& engine, std::chrono::milliseconds drainTimeout) {
    VerifyOutcome outcome;
    auto* object = dynamic_cast<KVT80*>(&engine);
    if (object == nullptr) {
        outcome.note =
            QT_TRANSLATE_NOOP("ServiceReport", "the verification cannot run through this engine");
        return outcome;
    }
    if (!Ready(engine)) {
        outcome.note =
            QT_TRANSLATE_NOOP("ServiceReport", "not verified: the unit is not connected");
        return outcome;
    }
    if (!WaitFor([&] { return object->Pending().AllEmpty(); }, drainTimeout)) {
        outcome.note = QT_TRANSLATE_NOOP("ServiceReport",
                                         "not verified: changes were still being sent to the unit");
        return outcome;
    }
    Variant dsp;
    outcome.status = engine.Verify(&dsp);
    outcome.mask = static_cast<uint32_t>(dsp.Int32());
    outcome.ran = true;
    return outcome;
}

RoomEqRead ParseRoomEqReport(const std::string& text) {
    const nlohmann::json json = nlohmann::json::parse(text, nullptr, false);
    if (json.is_discarded() || !json.is_object()) {
        return {std::nullopt, "not a JSON object"};
    }
    const auto channels = json.find("channels");
    if (channels == json.end() || !channels->is_array()) {
        return {std::nullopt, "no \"channels\" list: not a room EQ report"};
    }
    RoomEqResult result;
    result.target = TextMember(json, "target", "");
    result.completed = FlagMember(json, "completed");
    result.stored = FlagMember(json, "stored");
    result.dryRun = FlagMember(json, "dry_run");
    result.failure = TextMember(json, "failure", "");
    for (const nlohmann::json& entry : *channels) {
        if (!entry.is_object()) {
            return {std::nullopt, "a channel is not an object"};
        }
        RoomEqChannel channel;
        channel.channel = TextMember(entry, "channel", "?");
        const auto centres = entry.find("band_centres_hz");
        if (centres == entry.end() || !centres->is_array() || centres->empty()) {
            return {std::nullopt, channel.channel + ": no band_centres_hz"};
        }
        for (const nlohmann::json& label : *centres) {
            const std::optional<double> hz = Hertz(label);
            if (!hz) {
                return {std::nullopt, channel.channel + ": band_centres_hz: not a frequency"};
            }
            channel.hz.push_back(*hz);
        }
        std::string error;
        channel.target = Curve(entry, "target_db", channel.hz.size(), error);
        channel.before = Curve(entry, "measured_before_db", channel.hz.size(), error);
        channel.afterPredicted = !entry.contains("measured_after_db");
        channel.after =
            Curve(entry, channel.afterPredicted ? "predicted_after_db" : "measured_after_db",
                  channel.hz.size(), error);
        if (!error.empty()) {
            return {std::nullopt, channel.channel + ": " + error};
        }
        channel.withinTolerance = FlagMember(entry, "within_tolerance");
        channel.deviationBefore = NumberMember(entry, "largest_deviation_before_db");
        channel.deviationAfter = NumberMember(entry, "largest_deviation_after_db");
        result.channels.push_back(std::move(channel));
    }
    return {std::move(result), {}};
}

RoomEqRead ReadRoomEqReport(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {std::nullopt, path + ": cannot be read"};
    }
    std::ostringstream text;
    text << in.rdbuf();
    RoomEqRead read = ParseRoomEqReport(text.str());
    if (!read.error.empty()) {
        read.error = path + ": " + read.error;
    }
    return read;
}

Gathered GatherReport(IKVT80& engine, const GatherOptions& options) {
    Gathered gathered;
    ServiceReport report;
    report.generated = options.generated.empty() ? LocalTimeText() : options.generated;
    report.program = options.program;
    report.notes = options.notes;
    report.atConnect = options.atConnect;
    if (!options.roomEqPath.empty()) {
        RoomEqRead read = ReadRoomEqReport(options.roomEqPath);
        if (!read.result) {
            gathered.error = read.error;
            return gathered;
        }
        report.roomEq = std::move(read.result);
    }
    if (options.readLog) {
        const EventLogRead log = ReadEventLog(engine, options.logTimeout);
        report.logRead = log.error.empty();
        if (!report.logRead) {
            gathered.notes.push_back("event log: " + log.error);
        }
        report.logTotal = log.entries.size();
        report.log = RecentEntries(log.entries, kReportLogEntries);
    }
    if (options.verify) {
        report.verify = RunVerify(engine, options.drainTimeout);
    } else {
        report.verify.note =
            Ready(engine)
                ? QT_TRANSLATE_NOOP("ServiceReport", "Verify was not run for this report")
                : QT_TRANSLATE_NOOP("ServiceReport", "not verified: the unit is not connected");
    }
    const std::optional<ParameterImage> image = EngineImage(engine);
    if (!image) {
        gathered.error = "the engine's configuration cannot be read";
        return gathered;
    }
    report.image = *image;
    report.unit = ReadUnitInfo(engine);
    gathered.report = std::move(report);
    return gathered;
}

std::string LocalTimeText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

std::vector<config::FieldDifference> ReadableDifferences(
    const std::vector<config::FieldDifference>& differences) {
    constexpr std::string_view kBytes = "Bytes";
    std::set<std::string> names;
    for (const config::FieldDifference& difference : differences) {
        names.insert(difference.name);
    }
    std::vector<config::FieldDifference> readable;
    for (const config::FieldDifference& difference : differences) {
        // "FormatTxt1Bytes[3]" or "TheaterNameBytes": the text's name without "Bytes".
        const size_t at = difference.name.find(kBytes);
        if (at != std::string::npos) {
            std::string text = difference.name;
            text.erase(at, kBytes.size());
            if (names.contains(text)) {
                continue;
            }
        }
        readable.push_back(difference);
    }
    return readable;
}

std::vector<LogEntry> RecentEntries(const std::vector<LogEntry>& all, size_t count) {
    const size_t first = all.size() > count ? all.size() - count : 0;
    return {all.begin() + static_cast<std::ptrdiff_t>(first), all.end()};
}

std::string LogStamp(const LogEntry& entry) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d-%02d-%02d %02d:%02d:%02d", (entry.date >> 16) & 0xFF,
                  (entry.date >> 8) & 0xFF, entry.date & 0xFF, (entry.time >> 16) & 0xFF,
                  (entry.time >> 8) & 0xFF, entry.time & 0xFF);
    return text;
}

std::vector<std::string> VerifyMaskParts(uint32_t mask) {
    struct Part {
        uint32_t bits;
        const char* name;
    };
    static constexpr Part kParts[] = {
        {0x01, QT_TRANSLATE_NOOP("ServiceReport", "memory (formats, profile)")},
        {0x06, QT_TRANSLATE_NOOP("ServiceReport", "preamp processors")},
        {0x08, QT_TRANSLATE_NOOP("ServiceReport", "matrix processor")},
        {0x30, QT_TRANSLATE_NOOP("ServiceReport", "equaliser processors")},
        {0x40, QT_TRANSLATE_NOOP("ServiceReport", "output card")},
    };
    std::vector<std::string> parts;
    for (const Part& part : kParts) {
        if ((mask & part.bits) != 0) {
            parts.emplace_back(part.name);
        }
    }
    return parts;
}

std::string VerifyMaskText(uint32_t mask) {
    std::string text;
    for (const std::string& part : VerifyMaskParts(mask)) {
        text += (text.empty() ? "" : ", ") + part;
    }
    return text;
}

}  // namespace kvt::report
