// kvt80-web: serves the unit's set-up pages and live analyser to browsers on the network.
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "DemoSession.h"
#include "IKVT80.h"
#include "OperatorConsole.h"
#include "TerminalQr.h"
#include "WebServer.h"
#include "text/Codepage.h"

namespace {

constexpr const char* kUsage =
    "usage: kvt80-web [--demo] [--port PORT] [--listen ADDR:PORT] [--app DIR]\n"
    "                 [--idle-minutes N]\n"
    "\n"
    "Serves the set-up pages and the live analyser to a browser. Each browser pairs once with\n"
    "the link or the code printed here; both work once and are replaced after each pairing.\n"
    "  --demo             a simulated unit instead of the real one\n"
    "  --port PORT        the unit's serial port (or remote address), remembered as the\n"
    "                     engine's port as a ComPort put would be\n"
    "  --listen ADDR:PORT where browsers reach the server (default 127.0.0.1:8080; use\n"
    "                     0.0.0.0:8080 to let a phone on the network in)\n"
    "  --app DIR          the page's files (default: beside the program)\n"
    "  --idle-minutes N   sessions end after N idle minutes (default 30)\n"
    "With --demo, standard input takes what a person does at the simulated unit, as kvt80-sim\n"
    "does (\"mute\", \"fader 55\", \"help\"), and \"memory BLOCK ADDRESS\" (hex) answers a word "
    "of\n"
    "its working memory.\n";

struct Options {
    bool demo = false;
    std::optional<std::string> port;
    std::string address = "127.0.0.1";
    uint16_t listenPort = 8080;
    std::optional<std::filesystem::path> app;
    int idleMinutes = 30;
};

int Usage(const std::string& message) {
    std::cerr << "kvt80-web: " << message << "\n(see kvt80-web --help)\n";
    return 2;
}

std::optional<int> Whole(std::string_view text, int minimum, int maximum) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < minimum ||
        value > maximum) {
        return std::nullopt;
    }
    return value;
}

// Returns an error text, or empty.
std::string Parse(int argc, char** argv, Options& options, bool& help) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= argc) {
                return std::nullopt;
            }
            return std::string(argv[++i]);
        };
        if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (arg == "--demo") {
            options.demo = true;
        } else if (arg == "--port") {
            options.port = value();
            if (!options.port) {
                return "--port needs the unit's port";
            }
        } else if (arg == "--listen") {
            const auto listen = value();
            const size_t colon = listen ? listen->rfind(':') : std::string::npos;
            const auto port = colon == std::string::npos
                                  ? std::nullopt
                                  : Whole(std::string_view(*listen).substr(colon + 1), 0, 65535);
            if (!port || colon == 0) {
                return "--listen needs ADDR:PORT, for example 0.0.0.0:8080";
            }
            options.address = listen->substr(0, colon);
            options.listenPort = static_cast<uint16_t>(*port);
        } else if (arg == "--app") {
            const auto folder = value();
            if (!folder) {
                return "--app needs a folder";
            }
            options.app = *folder;
        } else if (arg == "--idle-minutes") {
            const auto text = value();
            const auto minutes = text ? Whole(*text, 1, 24 * 60) : std::nullopt;
            if (!minutes) {
                return "--idle-minutes needs a number of minutes from 1 to 1440";
            }
            options.idleMinutes = *minutes;
        } else {
            return "unknown argument " + arg;
        }
    }
    if (options.demo && options.port) {
        return "--demo and --port exclude each other";
    }
    return {};
}

std::filesystem::path DefaultApp() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    for (const auto& candidate : {self / "web-app", self / "../share/kvt80-web/app"}) {
        if (std::filesystem::exists(candidate / "index.html", error)) {
            return candidate;
        }
    }
    return self / "web-app";
}

// The addresses a phone can use: the one listened on, or each IPv4 address of the machine when
// listening on all of them.
std::vector<std::string> Hosts(const std::string& address) {
    if (address != "0.0.0.0") {
        return {address};
    }
    std::vector<std::string> hosts;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) == 0) {
        for (ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
            if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET) {
                continue;
            }
            char text[INET_ADDRSTRLEN] = {};
            const auto* in = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
            inet_ntop(AF_INET, &in->sin_addr, text, sizeof text);
            if (std::string(text) != "127.0.0.1") {
                hosts.emplace_back(text);
            }
        }
        freeifaddrs(list);
    }
    hosts.emplace_back("127.0.0.1");
    return hosts;
}

// One line of the demo's standard input, answered on standard output.
std::string DemoCommand(kvt::sim::SimulatedUnit& unit, const std::string& line) {
    std::istringstream words(line);
    std::string first;
    words >> first;
    if (first != "memory") {
        return kvt::sim::RunOperatorCommand(unit, line);
    }
    int block = -1;
    uint32_t address = 0;
    words >> std::hex >> block >> address;
    if (!words || block < 0 || block > 6 || address > 0xFFFF) {
        return "error: memory BLOCK ADDRESS (hex, block 0-6)";
    }
    char text[64];
    std::snprintf(text, sizeof text, "memory %X %X %06X", block, address,
                  unit.Memory(block, address));
    return text;
}

// Reads the demo's standard input until asked to stop.
void ReadDemoCommands(std::stop_token stop, kvt::sim::SimulatedUnit& unit, std::mutex& printing) {
    std::string pending;
    while (!stop.stop_requested()) {
        pollfd input{STDIN_FILENO, POLLIN, 0};
        if (poll(&input, 1, 200) <= 0) {
            continue;
        }
        char buffer[512];
        const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
        if (got <= 0) {
            return;
        }
        pending.append(buffer, static_cast<size_t>(got));
        for (size_t end; (end = pending.find('\n')) != std::string::npos;) {
            const std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            const std::string answer = DemoCommand(unit, line);
            if (!answer.empty()) {
                std::lock_guard lock(printing);
                std::cout << answer << std::endl;
            }
        }
        if (pending.size() > 4096) {
            pending.clear();
        }
    }
}

std::string Stamp() {
    const std::time_t now = std::time(nullptr);
    char text[32] = {};
    std::strftime(text, sizeof text, "%H:%M:%S", std::localtime(&now));
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    bool help = false;
    if (const std::string error = Parse(argc, argv, options, help); !error.empty()) {
        return Usage(error);
    }
    if (help) {
        std::cout << kUsage;
        return 0;
    }

    // Every thread started from here on leaves these to the wait at the end.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    signal(SIGPIPE, SIG_IGN);

    kvt::sim::DemoSession demo;
    if (options.demo) {
        if (const std::string failure = demo.Start(); !failure.empty()) {
            std::cerr << "kvt80-web: " << failure << "\n";
            return 2;
        }
    }
    std::unique_ptr<kvt::IKVT80> engine;
    if (kvt::CreateEngine("KVT80.KVT80", engine) != kvt::status::Ok || !engine) {
        std::cerr << "kvt80-web: the engine could not be created\n";
        return 2;
    }
    const std::optional<std::string> port =
        options.demo ? std::optional(demo.Port()) : options.port;
    if (port &&
        engine->put_ComPort(kvt::Variant::String(kvt::FromUtf8(*port))) != kvt::status::Ok) {
        std::cerr << "kvt80-web: the engine refused the port " << *port << "\n";
        return 2;
    }

    const std::vector<std::string> hosts = Hosts(options.address);
    uint16_t listening = options.listenPort;
    std::mutex printing;
    kvt::web::ServerOptions serverOptions;
    serverOptions.address = options.address;
    serverOptions.port = options.listenPort;
    serverOptions.appDirectory = options.app ? *options.app : DefaultApp();
    serverOptions.idleTime = std::chrono::minutes(options.idleMinutes);
    serverOptions.log = [&printing](const std::string& line) {
        std::lock_guard lock(printing);
        std::cerr << Stamp() << " " << line << std::endl;
    };
    // The secrets go to the operator's terminal only; the log never carries them.
    bool started = false;
    const auto printPairing = [&](const std::string& token, const std::string& code) {
        const std::string base = "http://" + hosts.front() + ":" + std::to_string(listening);
        const std::string link = base + "/pair?token=" + token;
        std::cout << "\nPair a browser (each link and code works once): open\n  " << link << "\n";
        for (size_t i = 1; i < hosts.size(); ++i) {
            std::cout << "  (or http://" << hosts[i] << ":" << listening << "/pair?token=" << token
                      << ")\n";
        }
        std::cout << "or open " << base << "/ and enter the code " << code << "\n"
                  << kvt::web::TerminalQr(link) << std::flush;
    };
    serverOptions.secretsChanged = [&](const std::string& token, const std::string& code) {
        std::lock_guard lock(printing);
        if (started) {
            printPairing(token, code);
        }
    };

    kvt::web::WebServer server(*engine, std::move(serverOptions));
    try {
        listening = server.Start();
    } catch (const std::exception& e) {
        std::cerr << "kvt80-web: " << e.what() << "\n";
        return 2;
    }
    // Read before taking the terminal: the network thread logs under the same lock.
    const std::string token = server.PairingToken();
    const std::string code = server.PairingCode();
    {
        std::lock_guard lock(printing);
        std::cout << "kvt80-web listening on " << options.address << ":" << listening
                  << (options.demo ? " with a simulated unit" : "") << "; Ctrl+C ends it.\n";
        started = true;
        printPairing(token, code);
    }

    std::jthread demoCommands;
    if (options.demo) {
        demoCommands = std::jthread(
            [&](std::stop_token stop) { ReadDemoCommands(stop, demo.Unit(), printing); });
    }

    int signalNumber = 0;
    sigwait(&stopSignals, &signalNumber);
    demoCommands = {};
    std::cerr << Stamp() << " stopping\n";
    server.Stop();
    kvt::Variant connected;
    if (engine->get_Connected(&connected) == kvt::status::Ok && connected.IsTrue()) {
        engine->Disconnect();
    }
    engine->Cleanup();
    engine.reset();
    return 0;
}
