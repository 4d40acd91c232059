#include "StateFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <vector>

#include "TextFields.h"
#include "UniqueFd.h"
#include "UnitState.h"

namespace kvt::sim {

namespace {

// About a century either way: far beyond any clock a user sets, small enough for any arithmetic.
constexpr long long kMaxClockOffsetSeconds = 100LL * 366 * 24 * 3600;

std::optional<long long> SignedDecimal(std::string_view text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc{} || result.ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> DecimalInRange(std::string_view text, int low, int high) {
    const auto value = ParseDecimal(text, 3);
    if (!value || static_cast<int>(*value) < low || static_cast<int>(*value) > high) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

// Each returns an empty string when the line was taken, else the reason it was refused.
std::string TakeWord(const std::vector<std::string_view>& fields, StateSnapshot& state) {
    const auto block = ParseHex(fields[0], 1);
    if (!block || *block >= UnitMemory::kBlockCount) {
        return "unknown entry \"" + std::string(fields[0]) +
               "\" (expected a block 0 to 6, panel or clock)";
    }
    if (fields.size() != 3) {
        return "a memory word needs block, address and value";
    }
    const int blockNumber = static_cast<int>(*block);
    const auto address = ParseHex(fields[1], 4);
    if (!address || !UnitMemory::Contains(blockNumber, *address)) {
        return "address outside block " + std::to_string(blockNumber);
    }
    const auto value = ParseHex(fields[2], 6);
    if (!value || *value > UnitMemory::ValueMask(blockNumber)) {
        return "value does not fit block " + std::to_string(blockNumber);
    }
    state.memory.Write(blockNumber, *address, *value);
    return {};
}

// The state being built, and whether a panel line named its format (a five-field line from
// before formats were kept leaves it to the button table).
struct ParsingState {
    StateSnapshot snapshot;
    bool formatGiven = false;
};

// "panel BUTTON PROJECTOR LEVEL MUTED AESERROR [FORMAT]"
std::string TakePanel(const std::vector<std::string_view>& fields, ParsingState& state) {
    if (fields.size() != 6 && fields.size() != 7) {
        return "panel needs button, projector, level, muted, AES/EBU error and optionally format";
    }
    const auto button = DecimalInRange(fields[1], 1, kNoButton);
    const auto projector = DecimalInRange(fields[2], 1, 2);
    const auto level = DecimalInRange(fields[3], 0, kMaxFaderLevel);
    const auto muted = DecimalInRange(fields[4], 0, 1);
    const auto aesError = DecimalInRange(fields[5], 0, 1);
    const auto format =
        fields.size() == 7 ? DecimalInRange(fields[6], 0, kFormatCount - 1) : std::optional{0};
    if (!button || !projector || !level || !muted || !aesError || !format) {
        return "panel values out of range (button 1-9, projector 1-2, level 0-100, flags 0-1, "
               "format 0-15)";
    }
    state.snapshot.panel = {*button, *projector, *level, *muted == 1, *aesError == 1, *format};
    state.formatGiven = fields.size() == 7;
    return {};
}

std::string TakeClock(const std::vector<std::string_view>& fields, StateSnapshot& state) {
    const auto offset = fields.size() == 2 ? SignedDecimal(fields[1]) : std::nullopt;
    if (!offset || *offset < -kMaxClockOffsetSeconds || *offset > kMaxClockOffsetSeconds) {
        return "clock needs an offset in seconds (at most about a century)";
    }
    state.clockOffset = std::chrono::seconds{*offset};
    return {};
}

std::string TakeLine(std::string_view line, ParsingState& state) {
    const auto fields = SplitFields(line.substr(0, line.find('#')));
    if (fields.empty()) {
        return {};
    }
    if (fields[0] == "panel") {
        return TakePanel(fields, state);
    }
    if (fields[0] == "clock") {
        return TakeClock(fields, state.snapshot);
    }
    return TakeWord(fields, state.snapshot);
}

std::string ErrnoText(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

}  // namespace

std::string FormatStateFile(const StateSnapshot& snapshot) {
    std::string text =
        "# kvt80-sim state: words that differ from the factory state, as block address value "
        "(hex)\n";
    const UnitMemory factory = FactoryMemory();
    char line[64];
    for (int block = 0; block < UnitMemory::kBlockCount; ++block) {
        for (uint32_t address = 0; address < UnitMemory::Size(block); ++address) {
            const uint32_t value = snapshot.memory.Read(block, address);
            if (value == factory.Read(block, address)) {
                continue;
            }
            std::snprintf(line, sizeof line, "%d %03X %06X\n", block, address, value);
            text += line;
        }
    }
    const FrontPanel& panel = snapshot.panel;
    std::snprintf(line, sizeof line, "panel %d %d %d %d %d %d\n", panel.button, panel.projector,
                  panel.level, panel.muted ? 1 : 0, panel.aesEbuError ? 1 : 0, panel.format);
    text += "# panel button projector level muted aes-ebu-error format\n";
    text += line;
    text += "# clock offset from the host's local time, seconds\n";
    text += "clock " + std::to_string(snapshot.clockOffset.count()) + "\n";
    return text;
}

ParsedState ParseStateFile(std::string_view text) {
    ParsingState state{{FactoryMemory(), FrontPanel{}, std::chrono::seconds{0}}};
    size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.find('\0') != std::string_view::npos) {
            return {std::nullopt, "line " + std::to_string(lineNumber) + ": NUL byte"};
        }
        std::string reason = TakeLine(line, state);
        if (!reason.empty()) {
            return {std::nullopt, "line " + std::to_string(lineNumber) + ": " + reason};
        }
    }
    // Without a format of its own the panel plays what its button holds in the file's final
    // button table.
    FrontPanel& panel = state.snapshot.panel;
    if (!state.formatGiven) {
        panel.format = FormatOfButton(state.snapshot.memory, panel.button).value_or(0);
    }
    return {std::move(state.snapshot), {}};
}

bool ReadTextFile(const std::string& path, size_t maxBytes, std::string& text, std::string& error) {
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.Valid()) {
        error = ErrnoText("cannot open", path);
        return false;
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        error = path + " is not a regular file";
        return false;
    }
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd.Get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            error = ErrnoText("cannot read", path);
            return false;
        }
        if (got == 0) {
            break;
        }
        if (content.size() + static_cast<size_t>(got) > maxBytes) {
            error = path + " is larger than " + std::to_string(maxBytes) + " bytes";
            return false;
        }
        content.append(buffer, static_cast<size_t>(got));
    }
    text = std::move(content);
    return true;
}

bool ReplaceTextFile(const std::string& path, std::string_view text, std::string& error) {
    std::string temporary = path + ".XXXXXX";
    UniqueFd fd(::mkstemp(temporary.data()));
    if (!fd.Valid()) {
        error = ErrnoText("cannot create a temporary file for", path);
        return false;
    }
    const auto fail = [&](const std::string& message) {
        error = message;
        ::unlink(temporary.c_str());
        return false;
    };
    ::fchmod(fd.Get(), 0644);
    while (!text.empty()) {
        const ssize_t put = ::write(fd.Get(), text.data(), text.size());
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            return fail(ErrnoText("cannot write", temporary));
        }
        text.remove_prefix(static_cast<size_t>(put));
    }
    if (::fsync(fd.Get()) != 0) {
        return fail(ErrnoText("cannot flush", temporary));
    }
    fd.Reset();
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        return fail(ErrnoText("cannot rename the temporary file to", path));
    }
    return true;
}

}  // namespace kvt::sim
