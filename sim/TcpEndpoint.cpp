#include "TcpEndpoint.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <cerrno>
#include <system_error>

namespace kvt::sim {

namespace {

[[noreturn]] void ThrowErrno(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

}  // namespace

std::unique_ptr<TcpEndpoint> TcpEndpoint::Listen(uint16_t port) {
    std::unique_ptr<TcpEndpoint> tcp(new TcpEndpoint());
    tcp->listener_.Reset(::socket(AF_INET, SOCK_STREAM, 0));
    if (!tcp->listener_.Valid() || !MakeNonBlockingCloseOnExec(tcp->listener_.Get())) {
        ThrowErrno("socket");
    }
    const int reuse = 1;
    ::setsockopt(tcp->listener_.Get(), SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);

    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(tcp->listener_.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) !=
            0 ||
        ::listen(tcp->listener_.Get(), 4) != 0) {
        ThrowErrno("bind/listen");
    }
    socklen_t length = sizeof address;
    if (::getsockname(tcp->listener_.Get(), reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ThrowErrno("getsockname");
    }
    tcp->port_ = ntohs(address.sin_port);
    return tcp;
}

void TcpEndpoint::AcceptPeer() {
    UniqueFd client(::accept(listener_.Get(), nullptr, nullptr));
    if (!client.Valid() || !MakeNonBlockingCloseOnExec(client.Get())) {
        return;
    }
    // Replies are small and the client waits for each; send them at once.
    const int noDelay = 1;
    ::setsockopt(client.Get(), IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
    client_ = std::move(client);
}

ssize_t TcpEndpoint::Read(char* data, size_t size) {
    return ::recv(client_.Get(), data, size, 0);
}

ssize_t TcpEndpoint::Write(const char* data, size_t size) {
    return ::send(client_.Get(), data, size, MSG_NOSIGNAL);
}

}  // namespace kvt::sim
