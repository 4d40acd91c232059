#include "files/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace kvt {

namespace {

// Moves `size` bytes with `io`(offset) (a read or a write), going on after interruptions; returns
// how many were moved.
template <typename Io>
size_t MoveAll(size_t size, Io&& io) {
    size_t done = 0;
    while (done < size) {
        const ssize_t n = io(done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        done += static_cast<size_t>(n);
    }
    return done;
}

std::string TemporaryBeside(const std::string& path) {
    static std::atomic<uint32_t> serial{0};
    return path + ".saving-" + std::to_string(::getpid()) + "-" +
           std::to_string(serial.fetch_add(1));
}

bool WriteSynced(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    const size_t written = MoveAll(
        bytes.size(), [&](size_t at) { return ::write(fd, bytes.data() + at, bytes.size() - at); });
    const bool ok = written == bytes.size() && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

}  // namespace

std::optional<std::vector<uint8_t>> ReadRegularFile(const std::string& path, size_t limit) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    const auto size = static_cast<size_t>(info.st_size);
    std::vector<uint8_t> bytes(size < limit ? size : limit);
    const size_t got = MoveAll(
        bytes.size(), [&](size_t at) { return ::read(fd, bytes.data() + at, bytes.size() - at); });
    ::close(fd);
    bytes.resize(got);
    return bytes;
}

bool ReplaceFiles(const std::vector<FileContent>& files) {
    std::vector<std::string> temporaries;
    bool ok = true;
    for (const FileContent& file : files) {
        temporaries.push_back(TemporaryBeside(file.path));
        if (!WriteSynced(temporaries.back(), file.bytes)) {
            ok = false;
            break;
        }
    }
    for (size_t i = 0; ok && i < files.size(); ++i) {
        ok = ::rename(temporaries[i].c_str(), files[i].path.c_str()) == 0;
    }
    if (!ok) {
        for (const std::string& temporary : temporaries) {
            ::unlink(temporary.c_str());
        }
    }
    return ok;
}

bool ReplaceFiles(std::initializer_list<FileContent> files) {
    return ReplaceFiles(std::vector<FileContent>(files));
}

}  // namespace kvt
