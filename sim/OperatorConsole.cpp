#include "OperatorConsole.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <system_error>
#include <vector>

#include "TextFields.h"
#include "UnitState.h"

namespace kvt::sim {

namespace {

constexpr size_t kMaxLine = 256;
constexpr size_t kReadSize = 1024;
// A terminal refuses a reader in a background job (EIO, as SIGTTIN is blocked); look again this
// much later in case the job was brought to the foreground. A terminal that hung up is the end.
constexpr int kBackgroundRetryMs = 1000;

// Where the format records live in the EEPROM: record f at 29 + 33 f, its first text at
// offset 3, 12 characters and a terminating zero.
constexpr uint32_t kFormatTableAddress = 29;
constexpr uint32_t kFormatRecordSize = 33;
constexpr uint32_t kFormatTextOffset = 3;
constexpr uint32_t kFormatTextLength = 12;

using Values = std::vector<std::string_view>;

// The format's first text as the unit keeps it, with anything unprintable shown as '?'.
std::string FormatName(const SimulatedUnit& unit, int format) {
    const uint32_t text =
        kFormatTableAddress + kFormatRecordSize * static_cast<uint32_t>(format) + kFormatTextOffset;
    std::string name;
    for (uint32_t i = 0; i < kFormatTextLength; ++i) {
        const uint32_t byte = unit.Memory(0, text + i);
        if (byte == 0) {
            break;
        }
        name += (byte >= 0x20 && byte < 0x7F) ? static_cast<char>(byte) : '?';
    }
    return name;
}

std::string FormatText(const SimulatedUnit& unit, int format) {
    return "format " + std::to_string(format) + " (" + FormatName(unit, format) + ")";
}

std::string Error(std::string_view what, std::string_view usage) {
    return "error: " + std::string(what) + "; type \"" + std::string(usage) + "\"";
}

std::optional<int> Number(const Values& values, int low, int high) {
    const auto value = values.size() == 1 ? ParseDecimal(values[0], 3) : std::nullopt;
    if (!value || static_cast<int>(*value) < low || static_cast<int>(*value) > high) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::string Button(SimulatedUnit& unit, const Values& values) {
    const auto button = Number(values, 1, kPanelButtons);
    if (!button || !unit.PressButton(*button)) {
        return Error("button needs a number from 1 to 8", "button 2");
    }
    const uint32_t entry = unit.Memory(0, kEepromButtonTable + static_cast<uint32_t>(*button - 1));
    const std::string playing = FormatText(unit, unit.Panel().format);
    if (entry >= kFormatCount) {
        return "ok button " + std::to_string(*button) + " holds no format; " + playing +
               " plays on";
    }
    return "ok button " + std::to_string(*button) + ", " + playing;
}

std::string Mute(SimulatedUnit& unit, const Values& values) {
    if (!values.empty()) {
        return Error("mute takes no value", "mute");
    }
    unit.SetMuted(true);
    return "ok muted";
}

std::string Unmute(SimulatedUnit& unit, const Values& values) {
    if (!values.empty()) {
        return Error("unmute takes no value", "unmute");
    }
    unit.SetMuted(false);
    return "ok unmuted";
}

std::string Fader(SimulatedUnit& unit, const Values& values) {
    const auto level = Number(values, 0, kMaxFaderLevel);
    if (!level || !unit.MoveFader(*level)) {
        return Error("fader needs a level from 0 to 100", "fader 70");
    }
    return "ok fader " + std::to_string(*level);
}

std::string Projector(SimulatedUnit& unit, const Values& values) {
    const auto projector = Number(values, 1, 2);
    if (!projector || !unit.SelectProjector(*projector)) {
        return Error("projector needs 1 or 2", "projector 2");
    }
    return "ok projector " + std::to_string(*projector);
}

std::string AesError(SimulatedUnit& unit, const Values& values) {
    const std::string state = values.size() == 1 ? LowerCase(values[0]) : std::string{};
    if (state != "on" && state != "off") {
        return Error("aes-error needs on or off", "aes-error on");
    }
    unit.SetAesEbuError(state == "on");
    return "ok aes-error " + state;
}

std::string Panel(SimulatedUnit& unit, const Values& values) {
    if (!values.empty()) {
        return Error("panel takes no value", "panel");
    }
    const FrontPanel panel = unit.Panel();
    return "ok button " + std::to_string(panel.button) + ", " + FormatText(unit, panel.format) +
           ", projector " + std::to_string(panel.projector) + ", fader " +
           std::to_string(panel.level) + ", " + (panel.muted ? "muted" : "unmuted") +
           ", aes-error " + (panel.aesEbuError ? "on" : "off");
}

std::string DottedAddress(const std::array<uint8_t, 4>& address) {
    std::string text;
    for (const uint8_t octet : address) {
        text += (text.empty() ? "" : ".") + std::to_string(octet);
    }
    return text;
}

// The Ethernet option's settings as the network set-up tool last wrote them.
std::string Network(SimulatedUnit& unit, const Values& values) {
    if (!values.empty()) {
        return Error("network takes no value", "network");
    }
    const NetworkSettings network = unit.Network();
    return std::string("ok dhcp ") + (network.dhcp ? "on" : "off") + ", ip " +
           DottedAddress(network.ip) + ", mask " + DottedAddress(network.mask) + ", gateway " +
           DottedAddress(network.gateway);
}

// Off and on again: the processors run on what they last stored, and the panel comes up on the
// power-on button. Holding S5 (or with the firmware missing) the controller runs its boot loader
// instead, and the line belongs to it until its "R".
std::string PowerCycle(SimulatedUnit& unit, const Values& values) {
    const std::string held = values.size() == 1 ? LowerCase(values[0]) : std::string{};
    if (values.size() > 1 || (values.size() == 1 && held != "s5")) {
        return Error("power-cycle takes nothing, or s5 to hold S5 for the boot loader",
                     "power-cycle s5");
    }
    if (held == "s5") {
        unit.PowerCycleHoldingS5();
        return "ok power cycled holding S5; boot loader running";
    }
    unit.PowerCycle();
    if (unit.BootLoaderRunning()) {
        return "ok power cycled; no firmware, boot loader running";
    }
    const FrontPanel panel = unit.Panel();
    return "ok power cycled; button " + std::to_string(panel.button) + ", " +
           FormatText(unit, panel.format);
}

// A signal processor (block 1..5) stops or starts responding to the control card.
std::string DspDead(SimulatedUnit& unit, const Values& values) {
    const auto block = values.size() == 2 ? ParseDecimal(values[0], 1) : std::nullopt;
    const std::string state = values.size() == 2 ? LowerCase(values[1]) : std::string{};
    if (!block || *block < 1 || *block > kProgramProcessors || (state != "on" && state != "off")) {
        return Error("dsp-dead needs a processor block from 1 to 5 and on or off", "dsp-dead 3 on");
    }
    unit.SetProcessorDead(static_cast<int>(*block), state == "on");
    return "ok dsp-dead " + std::to_string(*block) + " " + state;
}

std::string Help(SimulatedUnit&, const Values&) {
    return "ok commands: button N (1-8), mute, unmute, fader N (0-100), projector N (1 or 2), "
           "aes-error on|off, power-cycle, power-cycle s5, dsp-dead N (1-5) on|off, panel, "
           "network, help";
}

struct OperatorCommand {
    std::string_view word;
    std::string (*run)(SimulatedUnit&, const Values&);
};

constexpr std::array<OperatorCommand, 11> kCommands{{
    {"button", Button},
    {"mute", Mute},
    {"unmute", Unmute},
    {"fader", Fader},
    {"projector", Projector},
    {"aes-error", AesError},
    {"power-cycle", PowerCycle},
    {"dsp-dead", DspDead},
    {"panel", Panel},
    {"network", Network},
    {"help", Help},
}};

}  // namespace

std::string RunOperatorCommand(SimulatedUnit& unit, std::string_view line) {
    Values fields = SplitFields(line);
    if (fields.empty()) {
        return {};
    }
    const std::string word = LowerCase(fields[0]);
    fields.erase(fields.begin());
    for (const auto& command : kCommands) {
        if (command.word == word) {
            return command.run(unit, fields);
        }
    }
    std::string shown;
    for (const char c : word) {
        shown += (c >= 0x20 && c < 0x7F) ? c : '?';
    }
    return "error: unknown command \"" + shown + "\"; type \"help\" for the list";
}

OperatorConsole::OperatorConsole(SimulatedUnit& unit, int input, int output)
    : unit_(unit), input_(input), output_(output) {
    WakePipe wake = MakeWakePipe();
    wakeRead_ = std::move(wake.read);
    wakeWrite_ = std::move(wake.write);
    thread_ = std::jthread([this] { Run(); });
}

OperatorConsole::~OperatorConsole() {
    Stop();
}

void OperatorConsole::Stop() {
    if (!thread_.joinable()) {
        return;
    }
    const char byte = 1;
    // A full pipe already holds a wake-up; nothing is lost.
    [[maybe_unused]] const auto written = ::write(wakeWrite_.Get(), &byte, 1);
    thread_.join();
}

// Waits on the input and the wake-up pipe together, so Stop never waits for a line; returns at
// the end of the input or on the wake-up.
void OperatorConsole::Run() {
    int pauseMs = -1;
    for (;;) {
        std::array<pollfd, 2> fds{{{wakeRead_.Get(), POLLIN, 0}, {input_, POLLIN, 0}}};
        const bool watchInput = pauseMs < 0;
        const int ready = ::poll(fds.data(), watchInput ? 2 : 1, watchInput ? -1 : pauseMs);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready < 0 || fds[0].revents != 0) {
            return;
        }
        pauseMs = -1;
        if (!watchInput || fds[1].revents == 0) {
            continue;
        }
        if ((fds[1].revents & POLLNVAL) != 0) {
            return;
        }
        char buffer[kReadSize];
        const ssize_t got = ::read(input_, buffer, sizeof buffer);
        if (got > 0) {
            Take({buffer, static_cast<size_t>(got)});
        } else if (got == 0) {
            Take("\n");  // a last line without its line end still counts
            return;
        } else if (errno == EIO && (fds[1].revents & POLLHUP) == 0) {
            pauseMs = kBackgroundRetryMs;
        } else if (errno != EINTR && errno != EAGAIN) {
            return;
        }
    }
}

void OperatorConsole::Take(std::string_view bytes) {
    for (const char c : bytes) {
        if (c != '\n') {
            if (line_.size() < kMaxLine) {
                line_ += c;
            } else {
                overlong_ = true;
            }
            continue;
        }
        if (!line_.empty() && line_.back() == '\r') {
            line_.pop_back();
        }
        const std::string answer =
            overlong_ ? "error: line longer than " + std::to_string(kMaxLine) + " characters"
                      : RunOperatorCommand(unit_, line_);
        if (!answer.empty()) {
            Answer(answer);
        }
        line_.clear();
        overlong_ = false;
    }
}

// One write per answer, so the line arrives whole. The write waits for room together with the
// wake-up, so an output nobody reads cannot hold up Stop; an output that is gone is let go.
void OperatorConsole::Answer(const std::string& text) {
    const std::string line = text + "\n";
    std::string_view rest = line;
    while (!rest.empty()) {
        std::array<pollfd, 2> fds{{{wakeRead_.Get(), POLLIN, 0}, {output_, POLLOUT, 0}}};
        const int ready = ::poll(fds.data(), fds.size(), -1);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready < 0 || fds[0].revents != 0 || (fds[1].revents & POLLOUT) == 0) {
            return;
        }
        const ssize_t put = ::write(output_, rest.data(), rest.size());
        if (put < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        if (put <= 0) {
            return;
        }
        rest.remove_prefix(static_cast<size_t>(put));
    }
}

}  // namespace kvt::sim
