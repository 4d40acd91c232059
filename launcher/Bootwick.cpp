// Bootwick: the install disk's launcher. It sits in the disk's top folder and starts the
// installer, En/autorun.exe, from the folder it was itself started from, then exits at once.
//
// An installer that can run here is started directly. Anything else under that name (no execute
// permission, as on many mounted disks, or a file the system cannot run) is handed to the desktop
// with xdg-open, which picks the handler the user has set up for it. Bootwick never waits for
// what it started, prints nothing when it succeeds, ignores its arguments and always exits with
// status 0: whoever double-clicked it has nothing to act on, and a message on standard error says
// what could not be started.
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

extern char** environ;

namespace {

constexpr std::string_view kInstaller = "/En/autorun.exe";
constexpr const char* kOpener = "xdg-open";

// The program's own file. argv[0] may be a bare name found through PATH or a path relative to a
// directory long left, so ask the kernel. readlink does not say when it cut the path short, so
// the buffer grows until the path fits with room to spare.
std::optional<std::string> OwnPath() {
    std::string path(256, '\0');
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
        if (length < 0) {
            return std::nullopt;
        }
        if (static_cast<size_t>(length) < path.size()) {
            path.resize(static_cast<size_t>(length));
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// The installer's path: everything of our own path up to its last '/', then En/autorun.exe. The
// result is used as one path throughout, never parsed by a shell, so spaces and quotes in folder
// names are harmless.
std::optional<std::string> InstallerPath() {
    const auto own = OwnPath();
    if (!own) {
        return std::nullopt;
    }
    const size_t slash = own->rfind('/');
    if (slash == std::string::npos) {
        return std::nullopt;
    }
    return own->substr(0, slash) + std::string(kInstaller);
}

bool IsRunnable(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

// Starts a program and leaves it running: the launcher ignores SIGCHLD (see main), so the kernel
// reaps a child that ends first and none lingers as a zombie. The child gets SIGCHLD back at its
// default and an empty signal mask, as if started from a shell. `searchPath` finds the program
// through PATH; otherwise `program` is the file itself. Returns 0 or the error.
int Start(const char* program, char* const argv[], bool searchPath) {
    posix_spawnattr_t attributes;
    if (const int error = ::posix_spawnattr_init(&attributes); error != 0) {
        return error;
    }
    sigset_t defaults;
    sigset_t mask;
    ::sigemptyset(&defaults);
    ::sigaddset(&defaults, SIGCHLD);
    ::sigemptyset(&mask);
    ::posix_spawnattr_setsigdefault(&attributes, &defaults);
    ::posix_spawnattr_setsigmask(&attributes, &mask);
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    pid_t child = 0;
    const int error = searchPath
                          ? ::posix_spawnp(&child, program, nullptr, &attributes, argv, environ)
                          : ::posix_spawn(&child, program, nullptr, &attributes, argv, environ);
    ::posix_spawnattr_destroy(&attributes);
    return error;
}

void Complain(const std::string& message) {
    std::fprintf(stderr, "Bootwick: %s\n", message.c_str());
}

}  // namespace

int main() {
    ::signal(SIGCHLD, SIG_IGN);

    const auto installer = InstallerPath();
    if (!installer) {
        Complain("cannot find its own folder (/proc/self/exe); nothing started");
        return 0;
    }
    if (::access(installer->c_str(), F_OK) != 0) {
        Complain(*installer + ": " + std::strerror(errno) + "; nothing started");
        return 0;
    }

    // The argument lists name the installer only: our own arguments are not passed on.
    std::string path = *installer;
    if (IsRunnable(path)) {
        char* const argv[] = {path.data(), nullptr};
        if (Start(path.c_str(), argv, false) == 0) {
            return 0;
        }
        // Runnable by its permissions yet not a program this system runs (a Windows executable
        // on a disk that marks every file executable): the desktop may know what to do with it.
    }
    std::string opener = kOpener;
    char* const argv[] = {opener.data(), path.data(), nullptr};
    if (const int error = Start(kOpener, argv, true); error != 0) {
        Complain("cannot open " + path + " with " + opener + ": " + std::strerror(error));
    }
    return 0;
}
