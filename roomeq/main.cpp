// kvt80-roomeq: equalises the chosen channels of a KVT-80 to the target curve with the unit's own
// pink noise and analyser, aligns their levels, proves the result and reports it.
#include <signal.h>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "Assistant.h"
#include "DemoSession.h"
#include "IKVT80.h"
#include "Report.h"
#include "RoomModel.h"
#include "text/Codepage.h"

namespace {

std::atomic<bool> cancelled{false};

extern "C" void OnInterrupt(int) {
    cancelled = true;
}

constexpr const char* kUsage =
    "usage: kvt80-roomeq [--port P | --demo [--room FILE]] [--channels L,C,R,LS,RS,SW,...]\n"
    "                    [--target xcurve|FILE] [--offset DB] [--max-boost DB] [--max-cut DB]\n"
    "                    [--surround-offset DB] [--sub-offset DB] [--dry-run] [--store]\n"
    "                    [--report FILE.json]\n"
    "\n"
    "Measures each chosen channel with pink noise and the unit's analyser, fits the graphic\n"
    "equaliser, bass and treble to the target, aligns the output gains and measures again.\n"
    "  --port P           the unit's serial port (or the engine's remote port name)\n"
    "  --demo             a simulated unit; --room FILE gives it a room file\n"
    "  --channels LIST    channels by name (default L,C,R,LS,SW,RS)\n"
    "  --target T         xcurve (default) or a file of \"HZ DB\" lines\n"
    "  --offset DB        the X-curve moved by DB; the screen channels are then set to that\n"
    "                     level (without it they keep their mean level)\n"
    "  --max-boost DB     largest boost (default 6); --max-cut DB deepest cut (default 12);\n"
    "                     neither goes beyond the unit's own range of 6 dB\n"
    "  --surround-offset  surround level against the screen (default -3)\n"
    "  --sub-offset DB    subwoofer in-band level against the screen (default 0)\n"
    "  --dry-run          measure and propose; write nothing\n"
    "  --store            store the settings in the unit at the end (SaveKVTParameters)\n"
    "  --report FILE      write the JSON report\n"
    "Exit status: 0 every channel within tolerance, 1 not (or the run failed), 2 usage or\n"
    "connection error.\n";

struct Options {
    std::optional<std::string> port;
    bool demo = false;
    std::optional<std::string> room;
    std::vector<int> channels;
    std::string target = "xcurve";
    std::optional<double> offset;
    double maxBoost = 6.0;
    double maxCut = 12.0;
    double surroundOffset = -3.0;
    double subOffset = 0.0;
    bool dryRun = false;
    bool store = false;
    std::optional<std::string> report;
};

int Usage(const std::string& message) {
    std::cerr << "kvt80-roomeq: " << message << "\n(see kvt80-roomeq --help)\n";
    return 2;
}

std::optional<double> Number(std::string_view text) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::vector<int>> ChannelList(std::string_view text) {
    std::vector<int> channels;
    std::stringstream list{std::string(text)};
    for (std::string name; std::getline(list, name, ',');) {
        const auto channel = kvt::roomeq::ChannelByName(name);
        if (!channel) {
            return std::nullopt;
        }
        if (std::find(channels.begin(), channels.end(), *channel) == channels.end()) {
            channels.push_back(*channel);
        }
    }
    if (channels.empty()) {
        return std::nullopt;
    }
    return channels;
}

// Parses the options; returns an exit status when the program should end at once.
std::optional<int> Parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        auto value = [&]() -> std::optional<std::string_view> {
            if (i + 1 >= argc) {
                return std::nullopt;
            }
            return std::string_view(argv[++i]);
        };
        auto number = [&](double low, double high, double& into) -> bool {
            const auto text = value();
            const auto parsed = text ? Number(*text) : std::nullopt;
            if (!parsed || *parsed < low || *parsed > high) {
                return false;
            }
            into = *parsed;
            return true;
        };
        if (option == "--help" || option == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (option == "--demo") {
            options.demo = true;
        } else if (option == "--dry-run") {
            options.dryRun = true;
        } else if (option == "--store") {
            options.store = true;
        } else if (option == "--port" || option == "--room" || option == "--target" ||
                   option == "--report") {
            const auto text = value();
            if (!text || text->empty()) {
                return Usage(std::string(option) + " needs a value");
            }
            if (option == "--port") {
                options.port = std::string(*text);
            } else if (option == "--room") {
                options.room = std::string(*text);
            } else if (option == "--target") {
                options.target = std::string(*text);
            } else {
                options.report = std::string(*text);
            }
        } else if (option == "--channels") {
            const auto text = value();
            const auto channels = text ? ChannelList(*text) : std::nullopt;
            if (!channels) {
                return Usage("--channels takes names from L,C,R,LS,SW,RS,LEX,REX");
            }
            options.channels = *channels;
        } else if (option == "--offset") {
            double offset = 0.0;
            if (!number(-50.0, 20.0, offset)) {
                return Usage("--offset takes dB from -50 to 20");
            }
            options.offset = offset;
        } else if (option == "--max-boost") {
            if (!number(0.0, 6.0, options.maxBoost)) {
                return Usage("--max-boost takes dB from 0 to 6 (the unit's range)");
            }
        } else if (option == "--max-cut") {
            if (!number(0.0, 12.0, options.maxCut)) {
                return Usage("--max-cut takes dB from 0 to 12");
            }
        } else if (option == "--surround-offset") {
            if (!number(-20.0, 10.0, options.surroundOffset)) {
                return Usage("--surround-offset takes dB from -20 to 10");
            }
        } else if (option == "--sub-offset") {
            if (!number(-20.0, 10.0, options.subOffset)) {
                return Usage("--sub-offset takes dB from -20 to 10");
            }
        } else {
            return Usage("unknown option " + std::string(option));
        }
    }
    if (options.demo == options.port.has_value()) {
        return Usage("give either --port P or --demo");
    }
    if (options.room && !options.demo) {
        return Usage("--room goes with --demo");
    }
    return std::nullopt;
}

int Run(const Options& options) {
    kvt::roomeq::AssistantOptions run;
    if (!options.channels.empty()) {
        run.channels = options.channels;
    }
    if (options.target == "xcurve") {
        run.target = kvt::roomeq::XCurveTarget(options.offset.value_or(0.0));
    } else {
        std::string error;
        auto target = kvt::roomeq::ReadTargetFile(options.target, error);
        if (!target) {
            return Usage("the target: " + error);
        }
        if (options.offset) {
            for (double& db : target->db) {
                db += *options.offset;
            }
        }
        run.target = *target;
    }
    if (options.offset) {
        run.screenLevelDb = 0.0;
    }
    run.limits.maxBoostDb = options.maxBoost;
    run.limits.maxCutDb = options.maxCut;
    run.surroundOffsetDb = options.surroundOffset;
    run.subwooferOffsetDb = options.subOffset;
    run.dryRun = options.dryRun;
    run.store = options.store;
    run.cancel = &cancelled;
    run.progress = [](const std::string& text) { std::cout << text << std::endl; };

    kvt::sim::DemoSession demo;
    std::string port;
    if (options.demo) {
        if (const std::string failure = demo.Start(); !failure.empty()) {
            std::cerr << "kvt80-roomeq: " << failure << "\n";
            return 2;
        }
        if (std::string error; options.room && !demo.Unit().LoadRoom(*options.room, error)) {
            return Usage("the room: " + error);
        }
        port = demo.Port();
    } else {
        port = *options.port;
    }

    std::unique_ptr<kvt::IKVT80> engine;
    if (kvt::CreateEngine("KVT80.KVT80", engine) != kvt::status::Ok || !engine) {
        std::cerr << "kvt80-roomeq: the engine could not be created\n";
        return 2;
    }
    struct Release {
        kvt::IKVT80& engine;
        ~Release() {
            engine.Disconnect();
            engine.Cleanup();
        }
    } release{*engine};
    if (engine->put_ComPort(kvt::Variant::String(kvt::FromUtf8(port))) != kvt::status::Ok ||
        engine->Connect() != kvt::status::Ok) {
        std::cerr << "kvt80-roomeq: cannot open " << port << "\n";
        return 2;
    }
    std::cout << "reading the unit's settings" << std::endl;
    if (engine->QueryKVT() != kvt::status::Ok) {
        std::cerr << "kvt80-roomeq: the unit on " << port << " did not answer\n";
        return 2;
    }

    const kvt::roomeq::AssistantResult result = kvt::roomeq::RunAssistant(*engine, run);
    std::cout << kvt::roomeq::BeforeAfterTable(result);
    if (!result.failure.empty()) {
        std::cout << "stopped: " << result.failure << "\n";
    }
    if (result.pendingRestore) {
        std::cout << "warning: the unit stopped answering while it played the pink noise; once it "
                     "answers again, switch its generator off\n";
    }
    if (options.report) {
        kvt::roomeq::ReportContext context{run.target.name, options.maxBoost, options.maxCut,
                                           options.dryRun};
        std::ofstream file(*options.report, std::ios::trunc);
        file << kvt::roomeq::ReportJson(result, context);
        file.close();
        if (!file) {
            std::cerr << "kvt80-roomeq: cannot write the report " << *options.report << "\n";
            return 1;
        }
    }
    return result.AllWithinTolerance() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (const auto exit = Parse(argc, argv, options)) {
        return *exit;
    }
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    try {
        return Run(options);
    } catch (const std::exception& failure) {
        std::cerr << "kvt80-roomeq: " << failure.what() << "\n";
        return 1;
    }
}
