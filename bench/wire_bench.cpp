// Wire benchmarks: the real engine against the simulated unit over a pseudo-terminal paced at
// 38400 bit/s, the unit's own line speed.
//
// 1. Bulk operations (retrieval, applying a configuration, storing, verifying, the personality
//    module): wall time against the wire-time floor, the time the bytes of both directions need at
//    10 bits a byte plus the unit's latency for every line it took.
// 2. Write latency: from a property put to the unit having the whole write line.
// 3. Idle cost: the engine's CPU time while connected and ready, quiet and with the analyser
//    streaming, with the unit in a separate process (kvt80-sim) so only the engine is counted.
//
// Prints markdown tables and a verdict per target on standard output; progress on standard error.
//
//   wire_bench [--idle-seconds N] [--writes N] [--sim PATH]
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "BenchEvents.h"
#include "BenchProgram.h"
#include "KVT80.h"
#include "SimProcess.h"
#include "SimulatedUnit.h"
#include "text/Codepage.h"

namespace {

using namespace std::chrono_literals;
using kvt::Variant;
using kvt::bench::BenchEvents;
using kvt::bench::Clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr uint32_t kBaud = 38400;
constexpr double kBitsPerByte = 10.0;
constexpr double kFloorTarget = 1.2;
constexpr double kIdleTarget = 1.0;  // per cent of one core
constexpr double kAnalyserRate = 10.0;
constexpr auto kTransferLimit = 120s;

struct Options {
    int idleSeconds = 30;
    int writes = 1000;
    bool adapterOnly = false;
    std::string simPath = KVT80_SIM_PATH;
};

constexpr const char* kUsage =
    "usage: wire_bench [--idle-seconds N] [--writes N] [--sim PATH]\n"
    "  --idle-seconds N  length of each idle CPU measurement (default 30)\n"
    "  --writes N        puts timed for the write latency (default 1000)\n"
    "  --sim PATH        the kvt80-sim program for the idle measurements (default: the one built\n"
    "                    with this program)\n"
    "  --adapter-only    only the retrieval and apply through a modelled USB serial adapter\n";

Options ParseOptions(int argc, char** argv) {
    Options options;
    kvt::bench::BenchProgram program("wire_bench", kUsage);
    program.Number("--idle-seconds", options.idleSeconds);
    program.Number("--writes", options.writes);
    program.Text("--sim", options.simPath);
    program.Flag("--adapter-only", options.adapterOnly);
    program.Parse(argc, argv);
    return options;
}

void Progress(const std::string& text) {
    kvt::bench::Progress("wire_bench", text);
}

using kvt::bench::Require;

double WireMs(uint64_t bytes) {
    return static_cast<double>(bytes) * kBitsPerByte * 1000.0 / kBaud;
}

// A private settings folder for the engines of this run, so the user's settings stay untouched.
class TemporaryFolder {
  public:
    TemporaryFolder() {
        char pattern[] = "/tmp/kvt80-bench-XXXXXX";
        const char* made = ::mkdtemp(pattern);
        Require(made != nullptr, "cannot make a temporary folder");
        path_ = made;
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// An engine with its event sink, on the port at `portPath`, with the level reads off so only the
// measured operations use the line.
struct EngineOnPort {
    explicit EngineOnPort(const std::string& portPath) {
        Require(engine->Initialize() == 0, "engine initialisation failed");
        Require(engine->put_ComPort(Variant::String(kvt::FromUtf8(portPath))) == 0,
                "ComPort refused");
        uint32_t cookie = 0;
        Require(engine->Advise(events, &cookie) == 0, "Advise failed");
        Require(engine->put_UpdateInputs(Variant::Bool(false)) == 0, "UpdateInputs refused");
    }
    ~EngineOnPort() {
        engine->Disconnect();
        engine->Cleanup();
    }

    // Every queued write is out and the worker's pass that sent the last one has ended (that pass
    // holds the link, so taking the link waits for it).
    void WaitUntilWritesSent() const {
        const auto deadline = Clock::now() + kTransferLimit;
        while (!engine->Pending().AllEmpty()) {
            Require(Clock::now() < deadline, "queued writes did not go out");
            std::this_thread::sleep_for(1ms);
        }
        engine->WithLink([](auto&, auto&, auto&) { return 0; });
    }

    std::unique_ptr<kvt::KVT80> engine = std::make_unique<kvt::KVT80>();
    std::shared_ptr<BenchEvents> events = std::make_shared<BenchEvents>();
};

// ---- 1. Bulk operations ----------------------------------------------------------------------

// When the unit took each line and how many bytes it had sent by then, noted by a thread that
// waits on the unit's line count. From it follows the line's idle time between two exchanges:
// the time from one line being taken to the next, less the first's reply and the second line
// on the wire and the unit's latency.
class LineTimeline {
  public:
    LineTimeline(kvt::sim::SimulatedUnit& unit, std::chrono::milliseconds latency)
        : unit_(unit),
          latency_(latency),
          watcher_([this](const std::stop_token& stop) { Watch(stop); }) {}

    struct Gaps {
        size_t count = 0;
        double totalMs = 0;
    };
    struct IdleTime {
        Gaps shortGaps;  // turnaround from one reply to the next line
        Gaps longGaps;   // the line stood idle for a while (over kLongGap)
    };
    static constexpr double kLongGapMs = 5.0;

    // Stops watching; `lines` are the unit's received lines since the watch began.
    IdleTime Finish(const std::vector<std::string>& lines) {
        watcher_.request_stop();
        watcher_.join();
        IdleTime idle;
        for (size_t i = 0; i + 1 < marks_.size() && i + 1 < lines.size(); ++i) {
            const double replyMs = WireMs(marks_[i + 1].sent - marks_[i].sent);
            const double lineMs = WireMs(lines[i + 1].size() + 1);
            const double gapMs = Milliseconds(marks_[i + 1].taken - marks_[i].taken).count() -
                                 replyMs - lineMs - static_cast<double>(latency_.count());
            Gaps& gaps = gapMs > kLongGapMs ? idle.longGaps : idle.shortGaps;
            ++gaps.count;
            gaps.totalMs += gapMs;
        }
        return idle;
    }

  private:
    struct Mark {
        Clock::time_point taken;
        uint64_t sent;
    };

    void Watch(const std::stop_token& stop) {
        while (!stop.stop_requested()) {
            if (unit_.WaitForLines(marks_.size() + 1, 20ms)) {
                marks_.push_back({Clock::now(), unit_.BytesSent()});
            }
        }
    }

    kvt::sim::SimulatedUnit& unit_;
    std::chrono::milliseconds latency_;
    std::vector<Mark> marks_;
    std::jthread watcher_;
};

struct OperationRow {
    std::string name;
    int latencyMs = 0;
    int adapterMs = 0;  // latency timer of the modelled USB adapter (0: none)
    int32_t status = 0;
    double wallMs = 0;
    uint64_t toUnit = 0;
    uint64_t fromUnit = 0;
    size_t lines = 0;
    double fixedWaitMs = 0;  // part of the wall time the engine spends waiting on purpose
    LineTimeline::IdleTime idle;
    std::string note;

    double FloorMs() const {
        return WireMs(toUnit + fromUnit) + static_cast<double>(latencyMs * lines);
    }
    double Ratio() const { return wallMs / FloorMs(); }
    double RatioWithoutFixedWait() const { return (wallMs - fixedWaitMs) / FloorMs(); }
};

struct OperationOutcome {
    int32_t status = 0;
    Clock::time_point end;  // when the operation's work ended (a completion event's time)
};

// An operation whose work ends when its member returns.
OperationOutcome Finished(int32_t status) {
    return {status, Clock::now()};
}

class WireRig {
  public:
    explicit WireRig(std::chrono::milliseconds latency,
                     std::chrono::milliseconds adapterLatency = 0ms)
        : latency_(latency),
          adapterLatency_(adapterLatency),
          unit_(kvt::sim::SimOptions{
              .baudRate = kBaud, .latency = latency, .adapterLatency = adapterLatency}) {
        unit_.SetCardPresent(true);
        port_ = std::make_unique<EngineOnPort>(unit_.StartPty());
    }

    kvt::KVT80& Engine() { return *port_->engine; }
    EngineOnPort& Port() { return *port_; }
    BenchEvents& Events() { return *port_->events; }
    kvt::sim::SimulatedUnit& Unit() { return unit_; }

    OperationRow Measure(const std::string& name, const std::function<OperationOutcome()>& run) {
        unit_.ClearReceivedLines();
        const uint64_t received = unit_.BytesReceived();
        const uint64_t sent = unit_.BytesSent();
        LineTimeline timeline(unit_, latency_);
        const auto start = Clock::now();
        const OperationOutcome outcome = run();
        OperationRow row;
        row.name = name;
        row.latencyMs = static_cast<int>(latency_.count());
        row.adapterMs = static_cast<int>(adapterLatency_.count());
        row.status = outcome.status;
        row.wallMs = Milliseconds(outcome.end - start).count();
        row.toUnit = unit_.BytesReceived() - received;
        row.fromUnit = unit_.BytesSent() - sent;
        const auto lines = unit_.ReceivedLines();
        row.lines = lines.size();
        row.idle = timeline.Finish(lines);
        return row;
    }

  private:
    std::chrono::milliseconds latency_;
    std::chrono::milliseconds adapterLatency_;
    kvt::sim::SimulatedUnit unit_;
    std::unique_ptr<EngineOnPort> port_;
};

// A few values differ from what the unit holds, so the file is a configuration of its own.
void ChangeSomeValues(kvt::KVT80& engine) {
    const bool taken = engine.put_EQBand(Variant::Int(0), Variant::Int(5), 2.0) == 0 &&
                       engine.put_EQBand(Variant::Int(3), Variant::Int(20), -4.5) == 0 &&
                       engine.put_OutputGain(Variant::Int(2), -3.0) == 0 &&
                       engine.put_Bass(Variant::Int(1), 1.5) == 0 && engine.put_Delay(48) == 0 &&
                       engine.put_ProjectName(Variant::String(u"Wire benchmark")) == 0;
    Require(taken, "a changed value was refused");
}

// Connects, then the retrieval and applying a configuration file of a few changed values.
void MeasureRetrievalAndApply(WireRig& rig, const std::filesystem::path& path,
                              std::vector<OperationRow>& rows) {
    kvt::KVT80& engine = rig.Engine();
    Require(engine.Connect() == 0, "Connect failed");

    rows.push_back(
        rig.Measure("retrieval (QueryKVT)", [&] { return Finished(engine.QueryKVT()); }));
    Require(rows.back().status == 0, "QueryKVT failed");

    ChangeSomeValues(engine);
    rig.Port().WaitUntilWritesSent();
    const std::string file = path.string();
    Require(engine.Save(Variant::String(kvt::FromUtf8(file)), Variant::Bool(false)) == 0,
            "Save failed");
    rows.push_back(rig.Measure("apply a configuration (Load to completion)", [&] {
        const uint64_t before = rig.Events().UploadsCompleted();
        const int32_t status = engine.Load(Variant::String(kvt::FromUtf8(file)));
        if (status != 0) {
            return Finished(status);
        }
        const auto completed = rig.Events().WaitForUploadCompleted(before, kTransferLimit);
        return OperationOutcome{completed ? status : 1, completed.value_or(Clock::now())};
    }));
    rig.Port().WaitUntilWritesSent();
}

std::vector<OperationRow> MeasureOperations(std::chrono::milliseconds latency,
                                            const std::filesystem::path& folder) {
    Progress("operations with a unit latency of " + std::to_string(latency.count()) + " ms");
    WireRig rig(latency);
    kvt::KVT80& engine = rig.Engine();
    std::vector<OperationRow> rows;
    MeasureRetrievalAndApply(rig, folder / ("bench-" + std::to_string(latency.count()) + ".kvt"),
                             rows);

    Variant mask;
    rows.push_back(rig.Measure("Verify", [&] { return Finished(engine.Verify(&mask)); }));
    rows.back().note = "difference mask " + std::to_string(mask.Int32());

    rows.push_back(
        rig.Measure("SaveKVTParameters", [&] { return Finished(engine.SaveKVTParameters()); }));
    rows.back().fixedWaitMs = Milliseconds(engine.Timings().saveSettle).count();

    const uint64_t cardBefore = rig.Events().CardTransfersCompleted();
    rows.push_back(rig.Measure("SaveMMC(true) (personality module)",
                               [&] { return Finished(engine.SaveMMC(Variant::Bool(true))); }));
    if (rig.Events().CardTransfersCompleted() == cardBefore) {
        rows.back().note = "no completion event";
    }
    return rows;
}

// The same two operations with a USB serial adapter between the unit and the engine.
std::vector<OperationRow> MeasureThroughAdapters(const std::filesystem::path& folder) {
    std::vector<OperationRow> rows;
    for (const auto adapter : {0ms, 16ms, 1ms}) {
        Progress("retrieval and apply through an adapter with a " +
                 std::to_string(adapter.count()) + " ms latency timer");
        WireRig rig(0ms, adapter);
        MeasureRetrievalAndApply(
            rig, folder / ("bench-adapter-" + std::to_string(adapter.count()) + ".kvt"), rows);
    }
    return rows;
}

// ---- 2. Write latency ------------------------------------------------------------------------

struct LatencySamples {
    std::vector<double> wholeLineMs;  // put until the unit has the whole line
    std::vector<double> firstByteMs;  // the same less the line's own wire time
    double lineMs = 0;
    size_t unexpected = 0;  // puts whose first line at the unit was not the write line
};

double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    const auto index =
        static_cast<size_t>(std::lround(fraction * static_cast<double>(values.size() - 1)));
    return values[std::min(index, values.size() - 1)];
}

// The EQ band of channel 1 at 14 kHz alternates between two values; each put is timed to the unit
// having the whole "wrtval" line. Before the next put the reply and the commit must be through,
// then a random pause puts the next one at any point of the worker's period.
LatencySamples MeasureWriteLatency(int writes) {
    Progress("write latency, " + std::to_string(writes) + " puts");
    WireRig rig(0ms);
    kvt::KVT80& engine = rig.Engine();
    kvt::sim::SimulatedUnit& unit = rig.Unit();
    Require(engine.Connect() == 0, "Connect failed");
    Require(engine.put_Initialized(kvt::VARIANT_TRUE) == 0, "Initialized refused");
    // The first put also selects the processor; the measured ones find it selected.
    engine.put_EQBand(Variant::Int(1), Variant::Int(14), -2.0);
    rig.Port().WaitUntilWritesSent();

    std::mt19937 random(80);
    std::uniform_int_distribution<int> pauseUs(0, 20000);
    LatencySamples samples;
    for (int i = 0; i < writes; ++i) {
        unit.ClearReceivedLines();
        const auto start = Clock::now();
        engine.put_EQBand(Variant::Int(1), Variant::Int(14), i % 2 == 0 ? -3.0 : -2.5);
        Require(unit.WaitForLines(1, 5s), "the write line did not arrive");
        const auto arrived = Clock::now();
        const auto lines = unit.ReceivedLines();
        const std::string& line = lines.front();
        if (line.rfind("wrtval 000090 ", 0) != 0) {
            ++samples.unexpected;
        }
        const double lineMs = WireMs(line.size() + 1);
        const double wholeMs = Milliseconds(arrived - start).count();
        samples.lineMs = lineMs;
        samples.wholeLineMs.push_back(wholeMs);
        samples.firstByteMs.push_back(wholeMs - lineMs);
        rig.Port().WaitUntilWritesSent();
        std::this_thread::sleep_for(std::chrono::microseconds(pauseUs(random)));
    }
    return samples;
}

// ---- 3. Idle cost ----------------------------------------------------------------------------

struct IdleRow {
    std::string state;
    double seconds = 0;
    double engineCpuS = 0;
    double unitCpuS = 0;
    uint64_t analyserUpdates = 0;
    double longestGapMs = 0;

    double EnginePercent() const { return 100.0 * engineCpuS / seconds; }
    double UnitPercent() const { return 100.0 * unitCpuS / seconds; }
    double AnalyserRate() const { return static_cast<double>(analyserUpdates) / seconds; }
};

double ProcessCpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

IdleRow MeasureIdle(const std::string& state, int seconds, const kvt::bench::SimProcess& sim,
                    BenchEvents& events) {
    Progress(state + ", " + std::to_string(seconds) + " s");
    events.ResetAnalyserStream();
    const uint64_t updates = events.AnalyserUpdates();
    const double engineCpu = ProcessCpuSeconds();
    const double unitCpu = sim.CpuSeconds();
    const auto start = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    IdleRow row;
    row.state = state;
    row.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    row.engineCpuS = ProcessCpuSeconds() - engineCpu;
    row.unitCpuS = sim.CpuSeconds() - unitCpu;
    row.analyserUpdates = events.AnalyserUpdates() - updates;
    row.longestGapMs = Milliseconds(events.LongestAnalyserGap()).count();
    return row;
}

std::vector<IdleRow> MeasureIdleCost(const Options& options) {
    kvt::bench::SimProcess sim(options.simPath, {"--pty", "--baud", std::to_string(kBaud)});
    EngineOnPort port(sim.FirstLine());
    kvt::KVT80& engine = *port.engine;
    Require(engine.Connect() == 0, "Connect to kvt80-sim failed");
    Progress("retrieval from kvt80-sim before the idle measurement");
    Require(engine.QueryKVT() == 0, "QueryKVT from kvt80-sim failed");
    std::this_thread::sleep_for(1s);

    std::vector<IdleRow> rows;
    rows.push_back(
        MeasureIdle("ready, UpdateInputs false", options.idleSeconds, sim, *port.events));

    Require(engine.put_UpdateInputs(Variant::Bool(true)) == 0, "UpdateInputs refused");
    Require(engine.StartSLA() == 0, "StartSLA failed");
    // The analyser's words go out first, and the stream settles into its period.
    port.WaitUntilWritesSent();
    std::this_thread::sleep_for(1s);
    rows.push_back(MeasureIdle("analyser streaming (UpdateInputs true, StartSLA)",
                               options.idleSeconds, sim, *port.events));
    engine.StopSLA();
    Require(port.events->Disappearances() == 0, "the unit disappeared while streaming");
    return rows;
}

// ---- Report ----------------------------------------------------------------------------------

const char* Verdict(bool met) {
    return met ? "**met**" : "**not met**";
}

void PrintOperations(const std::vector<OperationRow>& rows) {
    std::printf("### Operations over the line (%u bit/s)\n\n", kBaud);
    std::printf(
        "Wire floor = (bytes to the unit + bytes from the unit) x 10 / %u s + the unit's latency x "
        "the lines it received.\n\n",
        kBaud);
    std::printf(
        "Line idle: the time the line carried nothing between two exchanges, split into the "
        "turnaround from a reply to the next line and the gaps over %.0f ms (count, total).\n\n",
        LineTimeline::kLongGapMs);
    std::printf(
        "| operation | unit latency (ms) | status | wall (ms) | bytes to unit | bytes from unit | "
        "lines | wire floor (ms) | wall / floor | line idle: turnaround (ms) | line idle: long "
        "gaps | note |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---|\n");
    for (const OperationRow& row : rows) {
        std::string note = row.note;
        if (row.fixedWaitMs > 0) {
            char extra[200];
            std::snprintf(extra, sizeof extra,
                          "%s%.0f ms of it is the fixed wait before the store starts; the rest, "
                          "%.0f ms, is %.2f x the floor",
                          note.empty() ? "" : "; ", row.fixedWaitMs, row.wallMs - row.fixedWaitMs,
                          row.RatioWithoutFixedWait());
            note += extra;
        }
        std::printf(
            "| %s | %d | %d | %.0f | %llu | %llu | %zu | %.0f | %.2f | %.0f | %zu, %.0f ms | "
            "%s |\n",
            row.name.c_str(), row.latencyMs, row.status, row.wallMs,
            static_cast<unsigned long long>(row.toUnit),
            static_cast<unsigned long long>(row.fromUnit), row.lines, row.FloorMs(), row.Ratio(),
            row.idle.shortGaps.totalMs, row.idle.longGaps.count, row.idle.longGaps.totalMs,
            note.c_str());
    }
    std::printf("\n");
}

void PrintAdapters(const std::vector<OperationRow>& rows) {
    std::printf("### Through a USB serial adapter (%u bit/s, unit latency 0 ms)\n\n", kBaud);
    std::printf(
        "The unit's replies pass a modelled adapter (kvt80-sim --adapter-latency MS) that holds "
        "received bytes until 62 have gathered or its latency timer has run out since the first "
        "of them: 16 ms is the common adapters' default, 1 ms what the serial library asks for "
        "when it opens the device. The wire floor is the same as without the adapter.\n\n");
    std::printf(
        "| operation | adapter latency timer (ms) | status | wall (ms) | wire floor (ms) | wall / "
        "floor | added by the adapter (ms) |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|\n");
    for (const OperationRow& row : rows) {
        const OperationRow* direct = nullptr;
        for (const OperationRow& other : rows) {
            if (other.adapterMs == 0 && other.name == row.name) {
                direct = &other;
            }
        }
        const std::string added =
            row.adapterMs == 0 || direct == nullptr
                ? std::string("(none)")
                : std::to_string(static_cast<long>(row.wallMs - direct->wallMs + 0.5));
        std::printf("| %s | %s | %d | %.0f | %.0f | %.2f | %s |\n", row.name.c_str(),
                    row.adapterMs == 0 ? "none" : std::to_string(row.adapterMs).c_str(), row.status,
                    row.wallMs, row.FloorMs(), row.Ratio(), added.c_str());
    }
    std::printf("\n");
}

void PrintWriteLatency(const LatencySamples& samples) {
    std::printf("### Write latency (%zu puts of EQBand(1, 14), unit at %u bit/s)\n\n",
                samples.wholeLineMs.size(), kBaud);
    std::printf(
        "From the put to the unit having taken the whole write line; \"first byte\" subtracts the "
        "line's own wire time (%.2f ms). Each put follows the previous one's reply and commit "
        "after a random pause of 0 to 20 ms, so the puts fall at every point of the worker's "
        "period.\n\n",
        samples.lineMs);
    std::printf("| measure | median (ms) | 99th percentile (ms) | max (ms) |\n");
    std::printf("|---|---:|---:|---:|\n");
    const auto row = [](const char* name, const std::vector<double>& values) {
        std::printf("| %s | %.2f | %.2f | %.2f |\n", name, Percentile(values, 0.5),
                    Percentile(values, 0.99), Percentile(values, 1.0));
    };
    row("put to whole line at the unit", samples.wholeLineMs);
    row("put to first byte (estimated)", samples.firstByteMs);
    if (samples.unexpected > 0) {
        std::printf("\n%zu puts found another line first.\n", samples.unexpected);
    }
    std::printf("\n");
}

void PrintIdle(const std::vector<IdleRow>& rows) {
    std::printf("### Idle cost (engine process; the unit is kvt80-sim in its own process)\n\n");
    std::printf(
        "| state | seconds | engine CPU (s) | engine, %% of one core | kvt80-sim, %% of one core | "
        "SLAUpdate per s | longest SLAUpdate gap (ms) |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|\n");
    for (const IdleRow& row : rows) {
        char gap[32] = "-";
        if (row.analyserUpdates > 1) {
            std::snprintf(gap, sizeof gap, "%.1f", row.longestGapMs);
        }
        std::printf("| %s | %.1f | %.3f | %.2f | %.2f | %.2f | %s |\n", row.state.c_str(),
                    row.seconds, row.engineCpuS, row.EnginePercent(), row.UnitPercent(),
                    row.AnalyserRate(), gap);
    }
    std::printf("\n");
}

const OperationRow* Find(const std::vector<OperationRow>& rows, std::string_view prefix,
                         int latencyMs) {
    for (const OperationRow& row : rows) {
        if (row.latencyMs == latencyMs && row.name.rfind(prefix, 0) == 0) {
            return &row;
        }
    }
    return nullptr;
}

void PrintTargets(const std::vector<OperationRow>& operations, const LatencySamples& writes,
                  const std::vector<IdleRow>& idle) {
    std::printf("### Targets\n\n");
    for (const std::string_view name : {"retrieval", "apply"}) {
        const OperationRow* row = Find(operations, name, 0);
        if (row == nullptr) {
            continue;
        }
        const bool met = row->status == 0 && row->Ratio() <= kFloorTarget;
        std::printf(
            "- %s at 0 ms latency within %.1f x the wire floor: %.2f x (%.0f ms against "
            "%.0f ms): %s.",
            row->name.c_str(), kFloorTarget, row->Ratio(), row->wallMs, row->FloorMs(),
            Verdict(met));
        const LineTimeline::Gaps& waits = row->idle.longGaps;
        if (!met && waits.count > 0) {
            std::printf(
                " Of the %.0f ms over the floor, %.0f ms are %zu gaps of %.1f ms on "
                "average in which the line stood idle between two worker passes (the "
                "worker sends one write line per pass and waits its whole period before "
                "the next); the turnaround within the passes adds %.0f ms.",
                row->wallMs - row->FloorMs(), waits.totalMs, waits.count,
                waits.totalMs / static_cast<double>(waits.count), row->idle.shortGaps.totalMs);
        }
        std::printf("\n");
    }
    const double limitMs = 10.0 + writes.lineMs;
    const double p99 = Percentile(writes.wholeLineMs, 0.99);
    std::printf(
        "- Write latency within one worker pass (10 ms) plus the line's time (%.2f ms), "
        "99th percentile: %.2f ms against %.2f ms (median %.2f ms): %s.",
        writes.lineMs, p99, limitMs, Percentile(writes.wholeLineMs, 0.5), Verdict(p99 <= limitMs));
    if (p99 > limitMs) {
        std::printf(
            " Before its first byte a put waits %.2f ms at the median and %.2f ms at the "
            "99th percentile: the put does not wake the worker, which takes the write at "
            "its next pass, up to a whole period later plus the wake-up.",
            Percentile(writes.firstByteMs, 0.5), Percentile(writes.firstByteMs, 0.99));
    }
    std::printf("\n");
    if (!idle.empty()) {
        std::printf("- Idle engine under %.0f %% of one core: %.2f %%: %s.\n", kIdleTarget,
                    idle[0].EnginePercent(), Verdict(idle[0].EnginePercent() < kIdleTarget));
    }
    if (idle.size() > 1) {
        const double rate = idle[1].AnalyserRate();
        std::printf(
            "- Analyser stream at %.0f SLAUpdate a second: %.2f per s (%llu in %.1f s), "
            "engine %.2f %% of one core: %s.",
            kAnalyserRate, rate, static_cast<unsigned long long>(idle[1].analyserUpdates),
            idle[1].seconds, idle[1].EnginePercent(), Verdict(rate >= kAnalyserRate * 0.99));
        if (rate < kAnalyserRate * 0.99 && rate > 0) {
            std::printf(
                " The reads come %.1f ms apart on average, not 100 ms: a read falls due "
                "100 ms after the previous one started, but the worker only looks at its "
                "passes, which start 10 ms after the previous pass ended, so the read "
                "waits for the first pass after it fell due.",
                1000.0 / rate);
        }
        std::printf("\n");
    }
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    try {
        TemporaryFolder folder;
        ::setenv("XDG_CONFIG_HOME", folder.Path().c_str(), 1);

        const std::vector<OperationRow> adapters = MeasureThroughAdapters(folder.Path());
        if (options.adapterOnly) {
            PrintAdapters(adapters);
            return 0;
        }
        std::vector<OperationRow> operations;
        for (const auto latency : {0ms, 2ms}) {
            const auto rows = MeasureOperations(latency, folder.Path());
            operations.insert(operations.end(), rows.begin(), rows.end());
        }
        const LatencySamples writes = MeasureWriteLatency(options.writes);
        const std::vector<IdleRow> idle = MeasureIdleCost(options);

        PrintOperations(operations);
        PrintAdapters(adapters);
        PrintWriteLatency(writes);
        PrintIdle(idle);
        PrintTargets(operations, writes, idle);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "wire_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
