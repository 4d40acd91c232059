#include "PtyEndpoint.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace kvt::sim {

namespace {

[[noreturn]] void ThrowErrno(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

void SetDescriptorFlags(int fd, int statusFlags) {
    const int status = ::fcntl(fd, F_GETFL);
    if (status < 0 || ::fcntl(fd, F_SETFL, status | statusFlags) < 0) {
        ThrowErrno("fcntl(F_SETFL)");
    }
    const int descriptor = ::fcntl(fd, F_GETFD);
    if (descriptor < 0 || ::fcntl(fd, F_SETFD, descriptor | FD_CLOEXEC) < 0) {
        ThrowErrno("fcntl(F_SETFD)");
    }
}

}  // namespace

std::unique_ptr<PtyEndpoint> PtyEndpoint::Open() {
    std::unique_ptr<PtyEndpoint> pty(new PtyEndpoint());
    pty->master_.Reset(::posix_openpt(O_RDWR | O_NOCTTY));
    if (!pty->master_.Valid()) {
        ThrowErrno("posix_openpt");
    }
    SetDescriptorFlags(pty->master_.Get(), O_NONBLOCK);
    if (::grantpt(pty->master_.Get()) != 0 || ::unlockpt(pty->master_.Get()) != 0) {
        ThrowErrno("grantpt/unlockpt");
    }
    char path[256];
    if (::ptsname_r(pty->master_.Get(), path, sizeof path) != 0) {
        ThrowErrno("ptsname_r");
    }
    pty->slavePath_ = path;

    pty->slave_.Reset(::open(path, O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (!pty->slave_.Valid()) {
        ThrowErrno("open pty slave");
    }
    // Raw: no echo, no line editing, no CR/NL translation in either direction.
    termios settings{};
    if (::tcgetattr(pty->slave_.Get(), &settings) != 0) {
        ThrowErrno("tcgetattr");
    }
    settings.c_iflag &=
        ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON);
    settings.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    settings.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB);
    settings.c_cflag |= CS8;
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    if (::tcsetattr(pty->slave_.Get(), TCSANOW, &settings) != 0) {
        ThrowErrno("tcsetattr");
    }
    return pty;
}

ssize_t PtyEndpoint::Read(char* data, size_t size) {
    return ::read(master_.Get(), data, size);
}

ssize_t PtyEndpoint::Write(const char* data, size_t size) {
    return ::write(master_.Get(), data, size);
}

void PtyEndpoint::HangUp() {
    slave_.Reset();
    master_.Reset();
}

}  // namespace kvt::sim
