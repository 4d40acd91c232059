#include "serial_latency.h"

#include <sys/ioctl.h>

#include <cerrno>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace kvtcomm {
namespace {

// The lowest timer the adapters take; the FTDI driver's low-latency flag means the same.
constexpr int kLowTimerMs = 1;

std::optional<int> ParseMilliseconds(const std::optional<std::string>& text) {
    if (!text) {
        return std::nullopt;
    }
    const char* begin = text->data();
    const char* end = begin + text->size();
    int value = 0;
    const auto [rest, error] = std::from_chars(begin, end, value);
    if (error != std::errc{} || rest == begin || value < 0) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

const SerialLatencyPlatform& SystemLatencyPlatform() {
    static const SerialLatencyPlatform platform{
        [](int fd, unsigned long request, serial_struct& info) {
            return ::ioctl(fd, request, &info) == 0 ? 0 : errno;
        },
        [](const std::string& path) -> std::optional<std::string> {
            std::ifstream in(path);
            std::string text;
            if (!in || !std::getline(in, text)) {
                return std::nullopt;
            }
            return text;
        },
        [](const std::string& path, const std::string& text) {
            std::ofstream out(path);
            return static_cast<bool>(out << text << '\n' << std::flush);
        },
    };
    return platform;
}

std::string SerialLatency::Describe() const {
    std::string text = lowLatency ? "low-latency mode on" : "low-latency mode not supported";
    if (timerMs >= 0) {
        text += ", adapter latency timer " + std::to_string(timerMs) + " ms";
        if (timerBeforeMs >= 0) {
            text += " (was " + std::to_string(timerBeforeMs) + " ms)";
        }
    }
    return text;
}

std::string LatencyTimerPath(const std::string& devicePath) {
    // Followed link by link: the last name is the tty's, whatever the links are called.
    constexpr int kMostLinks = 40;
    std::filesystem::path device = devicePath;
    for (int links = 0; links < kMostLinks; ++links) {
        std::error_code error;
        const std::filesystem::path target = std::filesystem::read_symlink(device, error);
        if (error) {
            break;
        }
        device = target.is_absolute() ? target : device.parent_path() / target;
    }
    return "/sys/class/tty/" + device.filename().string() + "/device/latency_timer";
}

SerialLatency RequestLowLatency(int fd, const std::string& devicePath,
                                const SerialLatencyPlatform& platform) {
    SerialLatency latency;
    serial_struct info{};
    if (platform.serialInfo(fd, TIOCGSERIAL, info) == 0) {
        if ((info.flags & ASYNC_LOW_LATENCY) != 0) {
            latency.lowLatency = true;
        } else {
            info.flags |= ASYNC_LOW_LATENCY;
            latency.lowLatency = latency.flagSetByPort =
                platform.serialInfo(fd, TIOCSSERIAL, info) == 0;
        }
    }

    const std::string timerPath = LatencyTimerPath(devicePath);
    const std::optional<int> timer = ParseMilliseconds(platform.readAttribute(timerPath));
    if (!timer) {
        return latency;
    }
    latency.timerPath = timerPath;
    latency.timerMs = *timer;
    if (*timer > kLowTimerMs && platform.writeAttribute(timerPath, std::to_string(kLowTimerMs))) {
        // The driver may round or refuse quietly: what it holds now is what counts.
        latency.timerMs = ParseMilliseconds(platform.readAttribute(timerPath)).value_or(-1);
        latency.timerBeforeMs = *timer;
    }
    return latency;
}

void RestoreLatency(int fd, const SerialLatency& latency, const SerialLatencyPlatform& platform) {
    if (latency.timerBeforeMs >= 0) {
        platform.writeAttribute(latency.timerPath, std::to_string(latency.timerBeforeMs));
    }
    if (latency.flagSetByPort) {
        // Read again, so that nothing else of the driver's record is put back from the open.
        serial_struct info{};
        if (platform.serialInfo(fd, TIOCGSERIAL, info) == 0) {
            info.flags &= ~ASYNC_LOW_LATENCY;
            platform.serialInfo(fd, TIOCSSERIAL, info);
        }
    }
}

}  // namespace kvtcomm
