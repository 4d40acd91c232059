#include "posix_port.h"

#include "line_settings.h"
#include "open_errors.h"
#include "port_names.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <system_error>
#include <thread>

namespace kvtcomm {
namespace {

LinkOpenResult Failure(const std::string& path, int error) {
    return LinkOpenFailure(KVTCOMM_ERROR_OPEN, DescribeOpenFailure(path, error));
}

LinkOpenResult SetupFailure(const std::string& path, const std::string& reason) {
    return LinkOpenFailure(KVTCOMM_ERROR_OPEN,
                           "Cannot set up " + PrintableName(path) + ": " + reason + ".");
}

// Pseudo-terminal slaves have no wire to drain, and their exclusive mode would outlive a client
// that dies without closing (the simulator keeps the slave open), locking others out for good.
bool IsPseudoTerminalSlave(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode)) {
        return false;
    }
    const unsigned int kind = major(info.st_rdev);
    return kind >= 136 && kind <= 143;
}

// Lets bytes that WriteCommBuf already handed to the driver leave the line before the port
// closes; a line that does not drain within the bound is cut off.
void DrainOutput(int fd) {
    constexpr auto kDrainLimit = std::chrono::seconds(2);
    const auto deadline = std::chrono::steady_clock::now() + kDrainLimit;
    int queued = 0;
    while (::ioctl(fd, TIOCOUTQ, &queued) == 0 && queued > 0 &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

}  // namespace

LinkOpenResult OpenSerialDevice(const std::string& path, const KVTCommSettings& settings) {
    UniqueFd fd(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.Valid()) {
        return Failure(path, errno);
    }
    // TIOCEXCL alone does not stop a process with CAP_SYS_ADMIN (root) from opening the device
    // a second time; the advisory lock does, for every client of this library.
    if (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) {
        return Failure(path, errno);
    }

    termios tio{};
    if (::tcgetattr(fd.Get(), &tio) != 0) {
        return Failure(path, errno);
    }
    if (auto problem = ComposeLineSettings(settings, tio)) {
        return SetupFailure(path, *problem);
    }
    const bool exclusiveMode = !IsPseudoTerminalSlave(fd.Get());
    if (exclusiveMode && ::ioctl(fd.Get(), TIOCEXCL) != 0) {
        return Failure(path, errno);
    }
    if (::tcsetattr(fd.Get(), TCSANOW, &tio) != 0) {
        const int error = errno;
        ::ioctl(fd.Get(), TIOCNXCL);
        return SetupFailure(path, std::generic_category().message(error));
    }
    // tcsetattr succeeds when any part of the request took; a driver that could not take the
    // speed leaves its old one.
    termios applied{};
    if (::tcgetattr(fd.Get(), &applied) != 0 || cfgetospeed(&applied) != cfgetospeed(&tio)) {
        ::ioctl(fd.Get(), TIOCNXCL);
        return SetupFailure(path, "the device does not take the bit rate " +
                                      std::to_string(settings.bitRate) + " bit/s");
    }
    ::tcflush(fd.Get(), TCIOFLUSH);

    LinkOpenResult result;
    result.latency = RequestLowLatency(fd.Get(), path, SystemLatencyPlatform());
    result.fd = std::move(fd);
    return result;
}

void ReleaseSerialDevice(int fd, const SerialLatency& latency) {
    if (!IsPseudoTerminalSlave(fd)) {
        DrainOutput(fd);
    }
    ::tcflush(fd, TCIOFLUSH);
    RestoreLatency(fd, latency, SystemLatencyPlatform());
    ::ioctl(fd, TIOCNXCL);
}

std::vector<std::string> ListDeviceEntries() {
    std::vector<std::string> names;
    DIR* dir = ::opendir("/dev");
    if (dir == nullptr) {
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        names.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    return names;
}

}  // namespace kvtcomm
