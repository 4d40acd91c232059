#include "line_settings.h"

#include <array>
#include <utility>

namespace kvtcomm {
namespace {

constexpr std::pair<std::uint32_t, speed_t> kSpeeds[] = {
    {50, B50},           {75, B75},         {110, B110},       {134, B134},     {150, B150},
    {200, B200},         {300, B300},       {600, B600},       {1200, B1200},   {1800, B1800},
    {2400, B2400},       {4800, B4800},     {9600, B9600},     {19200, B19200}, {38400, B38400},
    {57600, B57600},     {115200, B115200}, {230400, B230400},
#ifdef B460800
    {460800, B460800},
#endif
#ifdef B500000
    {500000, B500000},
#endif
#ifdef B576000
    {576000, B576000},
#endif
#ifdef B921600
    {921600, B921600},
#endif
#ifdef B1000000
    {1000000, B1000000},
#endif
#ifdef B1152000
    {1152000, B1152000},
#endif
#ifdef B1500000
    {1500000, B1500000},
#endif
#ifdef B2000000
    {2000000, B2000000},
#endif
#ifdef B2500000
    {2500000, B2500000},
#endif
#ifdef B3000000
    {3000000, B3000000},
#endif
#ifdef B3500000
    {3500000, B3500000},
#endif
#ifdef B4000000
    {4000000, B4000000},
#endif
};

constexpr std::array<tcflag_t, 4> kCharacterSizes = {CS5, CS6, CS7, CS8};

enum Parity : std::uint8_t { kNone = 0, kOdd = 1, kEven = 2, kMark = 3, kSpace = 4 };

tcflag_t ParityFlags(std::uint8_t parity) {
    switch (parity) {
        case kOdd:
            return PARENB | PARODD;
        case kEven:
            return PARENB;
#ifdef CMSPAR
        case kMark:
            return PARENB | CMSPAR | PARODD;
        case kSpace:
            return PARENB | CMSPAR;
#endif
        default:
            return 0;
    }
}

bool ParitySupported(std::uint8_t parity) {
    return parity == kNone || ParityFlags(parity) != 0;
}

}  // namespace

std::optional<speed_t> SpeedForBitRate(std::uint32_t bitRate) {
    for (const auto& [rate, constant] : kSpeeds) {
        if (rate == bitRate) {
            return constant;
        }
    }
    return std::nullopt;
}

std::optional<std::string> ComposeLineSettings(const KVTCommSettings& settings, termios& tio) {
    const auto speed = SpeedForBitRate(settings.bitRate);
    if (!speed) {
        return "the bit rate " + std::to_string(settings.bitRate) +
               " bit/s is not supported (use a standard rate such as 9600, 38400 or 115200)";
    }
    if (settings.dataBits < 5 || settings.dataBits > 8) {
        return "a character size of " + std::to_string(settings.dataBits) +
               " data bits is not supported (5 to 8)";
    }
    if (!ParitySupported(settings.parity)) {
        return "parity setting " + std::to_string(settings.parity) +
               " is not supported (0 none, 1 odd, 2 even, 3 mark, 4 space)";
    }
    if (settings.stopBits > 2) {
        return "stop bits setting " + std::to_string(settings.stopBits) +
               " is not supported (0 one, 1 one and a half, 2 two)";
    }

    cfmakeraw(&tio);
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
#ifdef CMSPAR
    tio.c_cflag &= ~static_cast<tcflag_t>(CMSPAR);
#endif
    tio.c_cflag |=
        CLOCAL | CREAD | kCharacterSizes[settings.dataBits - 5] | ParityFlags(settings.parity);
    if (settings.parity != kNone) {
        tio.c_iflag |= INPCK;
    }
    // Linux has no one and a half stop bits; two is the nearest.
    if (settings.stopBits != 0) {
        tio.c_cflag |= CSTOPB;
    }
    // Reads are non-blocking and driven by poll(), so a read returns whatever has arrived.
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    cfsetispeed(&tio, *speed);
    cfsetospeed(&tio, *speed);
    return std::nullopt;
}

}  // namespace kvtcomm
