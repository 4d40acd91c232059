// Helpers for the simulated unit's tests: an interpreter on a fixed clock, and a client end of
// the line (pseudo-terminal slave or TCP connection) read with plain descriptors.
#pragma once

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "UniqueFd.h"
#include "UnitInterpreter.h"

namespace kvt::sim::test {

using namespace std::chrono_literals;

inline constexpr std::chrono::milliseconds kGenerousTimeout = 5s;

// 2024-03-15 12:00:00 UTC.
inline std::chrono::system_clock::time_point FixedInstant() {
    using namespace std::chrono;
    return sys_days{year{2024} / March / 15} + hours{12};
}

inline UnitInterpreter MakeInterpreter() {
    UnitState state = FactoryState();
    state.clock = UnitClock([] { return FixedInstant(); });
    return UnitInterpreter(std::move(state));
}

// Sends one command line (a carriage return is added) and returns the unit's whole reply.
inline std::string Ask(UnitInterpreter& unit, std::string_view line) {
    return unit.Exchange(std::string(line) + "\r");
}

inline bool EndsWith(std::string_view text, std::string_view end) {
    return text.ends_with(end);
}

// The peer of the simulated unit: a raw descriptor, as an engine would hold it.
class LineClient {
  public:
    explicit LineClient(UniqueFd fd) : fd_(std::move(fd)) {}

    static LineClient OpenPty(const std::string& path) {
        UniqueFd fd(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
        if (!fd.Valid()) {
            throw std::runtime_error("cannot open " + path);
        }
        return LineClient(std::move(fd));
    }

    static LineClient ConnectTcp(uint16_t port) {
        UniqueFd fd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (!fd.Valid() ||
            ::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
            throw std::runtime_error("cannot connect to port " + std::to_string(port));
        }
        ::fcntl(fd.Get(), F_SETFL, ::fcntl(fd.Get(), F_GETFL) | O_NONBLOCK);
        return LineClient(std::move(fd));
    }

    int Fd() const { return fd_.Get(); }

    void Send(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd_.Get(), bytes.data(), bytes.size());
            if (written < 0 && errno != EAGAIN && errno != EINTR) {
                throw std::runtime_error("write failed");
            }
            if (written > 0) {
                bytes.remove_prefix(static_cast<size_t>(written));
            }
        }
    }

    // One read of whatever arrives first. None when nothing came within the timeout; an empty
    // string when the line hung up.
    std::optional<std::string> ReadOnce(std::chrono::milliseconds timeout) {
        pollfd fd{fd_.Get(), POLLIN, 0};
        if (::poll(&fd, 1, static_cast<int>(timeout.count())) <= 0) {
            return std::nullopt;
        }
        char buffer[4096];
        const ssize_t size = ::read(fd_.Get(), buffer, sizeof buffer);
        if (size <= 0) {
            return std::string{};
        }
        return std::string(buffer, static_cast<size_t>(size));
    }

    // Reads until `done` holds for everything read so far, or the timeout passes.
    std::string ReadUntil(const std::function<bool(const std::string&)>& done,
                          std::chrono::milliseconds timeout = kGenerousTimeout) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        std::string text;
        while (!done(text)) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) {
                break;
            }
            const auto chunk = ReadOnce(left);
            if (!chunk || chunk->empty()) {
                break;
            }
            text += *chunk;
        }
        return text;
    }

    std::string ReadBytes(size_t count, std::chrono::milliseconds timeout = kGenerousTimeout) {
        return ReadUntil([count](const std::string& text) { return text.size() >= count; },
                         timeout);
    }

    // Sends a line and reads its reply up to the expected prompt.
    std::string Exchange(std::string_view line, std::string_view prompt = ">") {
        Send(std::string(line) + "\r");
        return ReadUntil([prompt](const std::string& text) { return text.ends_with(prompt); });
    }

    // True once the line reports a hang-up (POLLHUP or POLLERR, end of stream, or EIO).
    bool WaitForHangUp(std::chrono::milliseconds timeout = kGenerousTimeout) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (std::chrono::steady_clock::now() < deadline) {
            pollfd fd{fd_.Get(), POLLIN, 0};
            if (::poll(&fd, 1, 100) <= 0) {
                continue;
            }
            if ((fd.revents & (POLLHUP | POLLERR)) != 0) {
                return true;
            }
            char buffer[256];
            const ssize_t size = ::read(fd_.Get(), buffer, sizeof buffer);
            if (size == 0 || (size < 0 && errno == EIO)) {
                return true;
            }
        }
        return false;
    }

  private:
    UniqueFd fd_;
};

}  // namespace kvt::sim::test
