#include "link_io.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace kvtcomm {
namespace {

ssize_t WriteSome(int fd, LinkKind kind, const char* bytes, std::size_t length) {
    if (kind == LinkKind::Socket) {
        return ::send(fd, bytes, length, MSG_NOSIGNAL);
    }
    return ::write(fd, bytes, length);
}

// Waits until fd takes more bytes. False on time-out or when the link has failed.
bool WaitWritable(int fd, std::chrono::milliseconds limit) {
    pollfd entry{fd, POLLOUT, 0};
    for (;;) {
        const int ready = ::poll(&entry, 1, static_cast<int>(limit.count()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        // A hang-up without POLLOUT would make the next write fail again at once; stop here
        // rather than spin.
        return ready > 0 && (entry.revents & POLLOUT) != 0;
    }
}

}  // namespace

LinkOpenResult LinkOpenFailure(std::uint32_t errorWord, std::string text) {
    LinkOpenResult result;
    result.errorWord = errorWord;
    result.errorText = std::move(text);
    return result;
}

bool WriteAll(int fd, LinkKind kind, const char* bytes, std::size_t length,
              std::chrono::milliseconds stallLimit, std::size_t& written) {
    written = 0;
    while (written < length) {
        const ssize_t count = WriteSome(fd, kind, bytes + written, length - written);
        if (count > 0) {
            written += static_cast<std::size_t>(count);
            continue;
        }
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!WaitWritable(fd, stallLimit)) {
                return false;
            }
            continue;
        }
        return false;
    }
    return true;
}

}  // namespace kvtcomm
