#include "tcp_link.h"

#include "kvtcomm.h"
#include "port_names.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <system_error>
#include <utility>

namespace kvtcomm {
namespace {

using Clock = std::chrono::steady_clock;

struct AddressListDeleter {
    void operator()(addrinfo* list) const { ::freeaddrinfo(list); }
};
using AddressList = std::unique_ptr<addrinfo, AddressListDeleter>;

std::string Endpoint(const std::string& host, std::uint16_t port) {
    const std::string shown = PrintableName(host);
    const bool bracket = shown.find(':') != std::string::npos;
    return (bracket ? "[" + shown + "]" : shown) + ":" + std::to_string(port);
}

// Connects one address; returns the socket, or an errno value (ETIMEDOUT after the deadline).
std::pair<UniqueFd, int> ConnectAddress(const addrinfo& address, Clock::time_point deadline) {
    UniqueFd fd(::socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                         address.ai_protocol));
    if (!fd.Valid()) {
        return {UniqueFd{}, errno};
    }
    if (::connect(fd.Get(), address.ai_addr, address.ai_addrlen) != 0) {
        if (errno != EINPROGRESS && errno != EINTR) {
            return {UniqueFd{}, errno};
        }
        pollfd entry{fd.Get(), POLLOUT, 0};
        for (;;) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) {
                return {UniqueFd{}, ETIMEDOUT};
            }
            const int ready = ::poll(&entry, 1, static_cast<int>(left.count()));
            if (ready > 0) {
                break;
            }
            if (ready < 0 && errno != EINTR) {
                return {UniqueFd{}, errno};
            }
        }
        int error = 0;
        socklen_t size = sizeof error;
        if (::getsockopt(fd.Get(), SOL_SOCKET, SO_ERROR, &error, &size) != 0) {
            error = errno;
        }
        if (error != 0) {
            return {UniqueFd{}, error};
        }
    }
    const int on = 1;
    ::setsockopt(fd.Get(), IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return {std::move(fd), 0};
}

}  // namespace

LinkOpenResult ConnectTcp(const std::string& host, std::uint16_t port,
                          std::chrono::milliseconds timeout) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo* found = nullptr;
    const int resolved = ::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found);
    AddressList addresses(found);
    if (resolved != 0) {
        return LinkOpenFailure(
            KVTCOMM_ERROR_UNREACHABLE,
            "Cannot find the host " + PrintableName(host) + ": " + ::gai_strerror(resolved) + ".");
    }

    const auto deadline = Clock::now() + timeout;
    int lastError = EHOSTUNREACH;
    for (const addrinfo* address = addresses.get(); address != nullptr;
         address = address->ai_next) {
        auto [fd, error] = ConnectAddress(*address, deadline);
        if (fd.Valid()) {
            LinkOpenResult result;
            result.fd = std::move(fd);
            return result;
        }
        lastError = error;
        if (error == ETIMEDOUT) {
            break;
        }
    }
    const std::string reason = lastError == ETIMEDOUT
                                   ? "no answer within " + std::to_string(timeout.count()) + " ms"
                                   : std::generic_category().message(lastError);
    return LinkOpenFailure(KVTCOMM_ERROR_UNREACHABLE,
                           "Cannot reach " + Endpoint(host, port) + ": " + reason + ".");
}

}  // namespace kvtcomm
