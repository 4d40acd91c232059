// kvt80-sim: a simulated KVT-80 unit on a pseudo-terminal or a TCP port, for trying the service
// programs without hardware. Prints where it can be reached, then serves until SIGINT/SIGTERM,
// taking front-panel commands from its standard input meanwhile.
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "OperatorConsole.h"
#include "SimulatedUnit.h"
#include "TextFields.h"

namespace {

using kvt::sim::Fault;
using kvt::sim::FaultKind;

constexpr const char* kUsage = R"(usage: kvt80-sim [options]

A simulated KVT-80 unit. It prints the pseudo-terminal path to open (or "tcp 127.0.0.1:PORT")
on standard output and serves the unit's command protocol until SIGINT or SIGTERM.

Line:
  --pty                serve a new pseudo-terminal (default)
  --tcp PORT           listen on 127.0.0.1:PORT instead (0: any free port); one client at a time
  --baud N             pace both directions at N bit/s, 10 bits per byte (default 0: no pacing)
  --latency MS         processing time before each reply (default 0)
  --save-ms MS         time a "savevals" takes before it is acknowledged (default 0)
  --adapter-latency MS a USB serial adapter between the unit and the host: the unit's output
                       reaches the host in packets of 62 bytes, or MS ms after the first byte
                       of a shorter burst (16 is the common default, 1 an adapter at low
                       latency; default 0: no adapter)

Unit:
  --menu               start with the serial port in its set-up menu (ESC leaves it)
  --no-card            no personality module: "openmmc" answers FFFFFF
  --state FILE         start from the state in FILE instead of the factory state; exits with
                       status 2 when FILE cannot be read or has a malformed line. A state file
                       has one entry per line ('#' starts a comment):
                         B AAA VVVVVV   memory word: block 0-6, address, value (hex)
                         panel BUTTON PROJECTOR LEVEL MUTED AESERROR [FORMAT]   (decimal;
                                        without FORMAT the button's format in the button table)
                         clock SECONDS  clock offset from the host's local time
                       What the file does not mention stays as delivered from the factory.
  --room FILE          the analyser hears the room in FILE instead of the built-in one; exits
                       with status 2 when FILE cannot be read or has a malformed line. One
                       entry per line ('#' starts a comment), channels L C R LS SW RS LEX REX:
                         CH level DB    the channel's level
                         CH HZ DB       a point of its response (rising HZ; log-interpolated)

Faults (repeatable):
  --fault KIND[:MATCH[:COUNT]]
                       KIND: drop (no reply at all), bell (echo, BEL, prompt), split (the reply in
                       two bursts 60 ms apart), garbage (8 noise bytes before the echo), stop (no
                       more replies, ever), close (the unit hangs up the line).
                       MATCH: the fault strikes command lines starting with this text (default:
                       every line). COUNT: how many lines it strikes (default 1).

  --help               this text

Front panel, on standard input while the unit serves (one command per line; each answers one
line on standard output, "ok ..." or "error: ..."):
  button N             press format button N (1-8): the unit plays the format the button holds
                       in its EEPROM button table
  mute, unmute         the system mute
  fader N              the master fader, 0-100 (70 is the reference level)
  projector N          select projector (preamp) 1 or 2
  aes-error on|off     the AES/EBU input goes into or out of error
  power-cycle          switch the unit off and on: the processors return to what they last
                       stored ("savevals"), nothing is selected, the card is closed and the panel
                       plays the power-on button's format; EEPROM, clock and event log stay
  power-cycle s5       the same, holding S5 on the control card: the controller runs its boot
                       loader (it does so after any power-up while its firmware is missing)
  dsp-dead N on|off    signal processor block N (1-5: 9/1, 9/2, 9/3, 6/1, 6/2) stops or starts
                       responding: "dspreset" and the download commands on it are refused
  panel                show the front panel
  network              show the network settings (DHCP, IP address, mask, gateway)
  help                 list these commands
  The end of standard input (e.g. </dev/null, or started in the background by a script) leaves
  the unit serving; only SIGINT or SIGTERM stop it.

Wire format, in brief:
  Command lines end in CR (an LF after it is ignored). The unit answers each line with the echo
  of the line and CR LF, its answer lines each ending CR LF, and the prompt: the selection as
  two upper-case hex digits (page, unit) and ">", e.g. "93>", or ">" alone when nothing is
  selected. Nothing follows the prompt. A refused line answers echo, CR LF, BEL, CR LF, prompt.
  "open PU" selects 91, 92, 93 (blocks 1-3), 61, 62, 6B (blocks 4-6), 9F, 6F (controllers);
  "close" deselects. Reads: "rdval CC AAA", "rdx CC AAA", "rdeep CC AAAA" (CC = count - 1, hex;
  values tab-separated, %06X words, %02X EEPROM bytes), "rdvalb CC AA" (binary: echo, CR LF CR,
  three bytes per word, CR LF, prompt). Writes: "wrtval/wrtx/wreep AAAAAA V1 .. V7" change the
  working memory (EEPROM writes are kept at once); "savevals" (answers 686921) stores the
  selected processor's working memory, which a power cycle returns to. "openmmc" opens the card
  (answers a new value each time, FFFFFF without a card): until "closemmc" the writes go to the
  card instead of the memories.
  Front panel: button N (1-9; "button ?" answers the format playing, 0-F), projector N (1-2;
  "projector ?" answers 0 or 1), level, clru3 1C, setu3 1C, rdu3. Also status, intl, picver,
  date, time, dumplog N, clearlog, formatupdate.
  Network (no selection needed): "dhcp 0|1", "ip A B C D", "mask A B C D", "gateway A B C D"
  (decimal octets 0-255, separated by tabs or blanks); without a value each answers its
  setting ("dhcp": 0 or 1; the addresses: four tab-separated decimal octets).
  Program download with 91, 92, 93, 61 or 62 selected: dspreset, dspstub, "wrpm AAAA W1 .. W16",
  "crcpm AAAA NNNN" (answers the CRC-32, 8 hex digits), dsprun (keeps and starts the program).
  Boot loader (after "power-cycle s5"): no echo, no prompt, one answer line per command line:
  "?", "E", "W aaaaaa <32 hex> cc", "D aaaa <32 hex> cc", "R" (starts the firmware); else "N".
  In menu mode every line is answered with ESC "[2J" and the menu, without a prompt; a lone ESC
  byte returns to the prompt.
)";

struct Arguments {
    std::optional<uint16_t> tcpPort;
    kvt::sim::SimOptions options;
    bool menu = false;
    bool card = true;
    std::optional<std::string> stateFile;
    std::optional<std::string> roomFile;
    std::vector<Fault> faults;
};

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "kvt80-sim: %s\n(see kvt80-sim --help)\n", message.c_str());
    std::exit(2);
}

uint32_t Number(std::string_view option, std::string_view text, uint32_t max) {
    const auto value = kvt::sim::ParseDecimal(text);
    if (!value || *value > max) {
        Fail(std::string(option) + " needs a number from 0 to " + std::to_string(max));
    }
    return *value;
}

std::optional<FaultKind> FaultKindNamed(std::string_view name) {
    constexpr std::pair<std::string_view, FaultKind> kKinds[] = {
        {"drop", FaultKind::DropReply},     {"bell", FaultKind::BellReply},
        {"split", FaultKind::SplitReply},   {"garbage", FaultKind::Garbage},
        {"stop", FaultKind::StopAnswering}, {"close", FaultKind::ClosePort},
    };
    for (const auto& [text, kind] : kKinds) {
        if (text == name) {
            return kind;
        }
    }
    return std::nullopt;
}

Fault ParseFault(std::string_view text) {
    Fault fault;
    const size_t kindEnd = text.find(':');
    const auto kind = FaultKindNamed(text.substr(0, kindEnd));
    if (!kind) {
        Fail("unknown fault kind in \"" + std::string(text) + "\"");
    }
    fault.kind = *kind;
    if (kindEnd == std::string_view::npos) {
        return fault;
    }
    const std::string_view rest = text.substr(kindEnd + 1);
    const size_t matchEnd = rest.find(':');
    fault.match = std::string(rest.substr(0, matchEnd));
    if (matchEnd != std::string_view::npos) {
        fault.count =
            static_cast<int>(Number("--fault COUNT", rest.substr(matchEnd + 1), 1'000'000));
    }
    return fault;
}

Arguments ParseArguments(int argc, char** argv) {
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        const auto value = [&]() -> std::string_view {
            if (i + 1 >= argc) {
                Fail(std::string(option) + " needs a value");
            }
            return argv[++i];
        };
        if (option == "--help" || option == "-h") {
            std::fputs(kUsage, stdout);
            std::exit(0);
        } else if (option == "--pty") {
            arguments.tcpPort.reset();
        } else if (option == "--tcp") {
            arguments.tcpPort = static_cast<uint16_t>(Number(option, value(), 65535));
        } else if (option == "--baud") {
            arguments.options.baudRate = Number(option, value(), 10'000'000);
        } else if (option == "--latency") {
            arguments.options.latency = std::chrono::milliseconds{Number(option, value(), 600'000)};
        } else if (option == "--adapter-latency") {
            arguments.options.adapterLatency =
                std::chrono::milliseconds{Number(option, value(), 10'000)};
        } else if (option == "--save-ms") {
            arguments.options.saveDuration =
                std::chrono::milliseconds{Number(option, value(), 600'000)};
        } else if (option == "--menu") {
            arguments.menu = true;
        } else if (option == "--no-card") {
            arguments.card = false;
        } else if (option == "--room") {
            arguments.roomFile = std::string(value());
        } else if (option == "--state") {
            arguments.stateFile = std::string(value());
        } else if (option == "--fault") {
            arguments.faults.push_back(ParseFault(value()));
        } else {
            Fail("unknown option " + std::string(option));
        }
    }
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
    const Arguments arguments = ParseArguments(argc, argv);

    // Block the stop signals before any thread starts, so every thread inherits the mask and the
    // main thread alone takes them with sigwait. SIGTTIN and SIGTTOU are blocked too: started in
    // the background of an interactive shell, a read of the terminal then fails (and the console
    // looks again later) and a write goes through, instead of stopping the whole simulator. An
    // answer to an operator who closed our standard output must not end the unit either.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigset_t blocked = stopSignals;
    sigaddset(&blocked, SIGTTIN);
    sigaddset(&blocked, SIGTTOU);
    pthread_sigmask(SIG_BLOCK, &blocked, nullptr);
    signal(SIGPIPE, SIG_IGN);

    try {
        kvt::sim::SimulatedUnit unit(arguments.options);
        unit.SetMenuMode(arguments.menu);
        unit.SetCardPresent(arguments.card);
        if (arguments.stateFile && !unit.LoadState(*arguments.stateFile)) {
            std::fprintf(stderr, "kvt80-sim: cannot load the state: %s\n",
                         unit.LastStateError().c_str());
            return 2;
        }
        if (std::string error; arguments.roomFile && !unit.LoadRoom(*arguments.roomFile, error)) {
            std::fprintf(stderr, "kvt80-sim: cannot load the room: %s\n", error.c_str());
            return 2;
        }
        for (const auto& fault : arguments.faults) {
            unit.InjectFault(fault);
        }
        if (arguments.tcpPort) {
            const uint16_t port = unit.StartTcp(*arguments.tcpPort);
            std::printf("tcp 127.0.0.1:%u\n", static_cast<unsigned>(port));
        } else {
            std::printf("%s\n", unit.StartPty().c_str());
        }
        std::fflush(stdout);

        kvt::sim::OperatorConsole console(unit, STDIN_FILENO, STDOUT_FILENO);
        int signal = 0;
        sigwait(&stopSignals, &signal);
        console.Stop();
        unit.Stop();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kvt80-sim: %s\n", error.what());
        return 1;
    }
    return 0;
}
