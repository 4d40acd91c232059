// roomeq_bench: the room EQ assistant on the whole room (the eight channels) against the simulated
// unit on a pseudo-terminal paced at 38400 bit/s, with the engine's production waits and the
// assistant's production measuring times. Prints a markdown section for docs/PERFORMANCE.md: the
// whole-room time split into settling, averaging and the rest, the line time of the setting
// writes, each channel's rounds and result, and whether the whole room took under two minutes.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "Assistant.h"
#include "BenchProgram.h"
#include "KVT80.h"
#include "SimulatedUnit.h"
#include "text/Codepage.h"

namespace {

using kvt::Variant;
using kvt::bench::Require;
namespace roomeq = kvt::roomeq;

constexpr uint32_t kBaud = 38400;
constexpr double kBitsPerByte = 10.0;
constexpr double kTargetSeconds = 120.0;
constexpr const char* kProgram = "roomeq_bench";

struct Options {
    int settleMs = 300;  // the assistant's production settling time
    std::string room;    // a room file; the built-in room when empty
};

Options ParseOptions(int argc, char** argv) {
    Options options;
    kvt::bench::BenchProgram program(
        kProgram,
        "usage: roomeq_bench [--settle-ms MS] [--room FILE]\n"
        "  --settle-ms MS  the room's settling time after each change (default 300)\n"
        "  --room FILE     a room file for the simulated unit (default: its built-in room)\n");
    program.Number("--settle-ms", options.settleMs);
    program.Text("--room", options.room);
    program.Parse(argc, argv);
    return options;
}

// The bytes of the setting writes the unit received ("wrtval" lines with their line end).
uint64_t WriteBytes(const std::vector<std::string>& lines) {
    uint64_t bytes = 0;
    for (const std::string& line : lines) {
        if (line.rfind("wrtval", 0) == 0) {
            bytes += line.size() + 1;
        }
    }
    return bytes;
}

int Run(const Options& options) {
    const std::filesystem::path home =
        std::filesystem::temp_directory_path() / ("roomeq_bench." + std::to_string(::getpid()));
    std::filesystem::create_directories(home);
    ::setenv("XDG_CONFIG_HOME", home.c_str(), 1);

    kvt::sim::SimulatedUnit unit(kvt::sim::SimOptions{.baudRate = kBaud});
    if (!options.room.empty()) {
        std::string error;
        Require(unit.LoadRoom(options.room, error), error);
    }
    const std::string port = unit.StartPty();
    kvt::KVT80 engine;
    Require(engine.Initialize() == 0, "engine initialisation failed");
    Require(engine.put_ComPort(Variant::String(kvt::FromUtf8(port))) == 0, "ComPort refused");
    Require(engine.put_UpdateInputs(Variant::Bool(false)) == 0, "UpdateInputs refused");
    kvt::bench::Progress(kProgram, "connecting and reading the unit");
    Require(engine.Connect() == 0, "Connect failed");
    Require(engine.QueryKVT() == 0, "QueryKVT failed");

    roomeq::AssistantOptions run;
    run.channels = {roomeq::L,   roomeq::C,  roomeq::R,  roomeq::LEX,
                    roomeq::REX, roomeq::LS, roomeq::RS, roomeq::SW};
    run.measure.settleTime = std::chrono::milliseconds(options.settleMs);
    run.progress = [](const std::string& text) { kvt::bench::Progress(kProgram, text); };
    unit.ClearReceivedLines();
    const uint64_t before = unit.BytesReceived() + unit.BytesSent();
    const roomeq::AssistantResult result = roomeq::RunAssistant(engine, run);
    const uint64_t lineBytes = unit.BytesReceived() + unit.BytesSent() - before;
    const uint64_t writeBytes = WriteBytes(unit.ReceivedLines());
    engine.Disconnect();
    engine.Cleanup();
    unit.Stop();
    std::filesystem::remove_all(home);
    Require(result.completed, "the assistant did not finish: " + result.failure);

    const double writing = static_cast<double>(writeBytes) * kBitsPerByte / kBaud;
    const double other = result.totalSeconds - result.settlingSeconds - result.averagingSeconds;
    std::printf("| part | seconds | share |\n|---|---:|---:|\n");
    auto row = [&](const char* name, double seconds) {
        std::printf("| %s | %.1f | %.0f %% |\n", name, seconds,
                    100.0 * seconds / result.totalSeconds);
    };
    row("settling (room settling time and readings dropped after each change)",
        result.settlingSeconds);
    row("averaging (the readings averaged)", result.averagingSeconds);
    row("other (fits, output gains, switching the generator)", other);
    std::printf("| **whole room, eight channels** | **%.1f** | |\n\n", result.totalSeconds);
    std::printf(
        "Writing: %llu bytes of setting writes, %.2f s of line time at 38400 bit/s (they go out "
        "while the readings settle, so that time is inside settling). The line carried %llu "
        "bytes both ways in all.\n\n",
        static_cast<unsigned long long>(writeBytes), writing,
        static_cast<unsigned long long>(lineBytes));
    std::printf("| channel | rounds | largest deviation before | after | within tolerance |\n");
    std::printf("|---|---:|---:|---:|---|\n");
    for (const roomeq::ChannelResult& r : result.channels) {
        const std::string name(roomeq::ChannelName(r.channel));
        std::printf("| %s | %d | %.1f dB | %.2f dB | %s |\n", name.c_str(), r.rounds,
                    r.errorBeforeDb, r.errorAfterDb, r.withinTolerance ? "yes" : "no");
    }
    const bool met = result.totalSeconds < kTargetSeconds;
    std::printf("\nTarget: the whole room under 2 minutes: %s (%.1f s).\n\n",
                met ? "met" : "NOT met", result.totalSeconds);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    try {
        return Run(options);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", kProgram, error.what());
        return 1;
    }
}
