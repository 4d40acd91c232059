#include "transport_test_support.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>

namespace transport_test {

using Clock = std::chrono::steady_clock;

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    while (!condition()) {
        if (Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

PseudoTerminal::PseudoTerminal() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        throw std::runtime_error("cannot create a pseudo-terminal");
    }
    std::array<char, 128> name{};
    if (::ptsname_r(master_, name.data(), name.size()) != 0) {
        throw std::runtime_error("cannot name the pseudo-terminal");
    }
    slavePath_ = name.data();
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
}

PseudoTerminal::~PseudoTerminal() {
    CloseMaster();
}

void PseudoTerminal::CloseMaster() {
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
}

bool PseudoTerminal::Write(std::string_view bytes, std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    while (!bytes.empty()) {
        const ssize_t count = ::write(master_, bytes.data(), bytes.size());
        if (count > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(count));
            continue;
        }
        if (count < 0 && errno != EAGAIN && errno != EINTR) {
            return false;
        }
        if (Clock::now() >= deadline) {
            return false;
        }
        pollfd entry{master_, POLLOUT, 0};
        ::poll(&entry, 1, 10);
    }
    return true;
}

std::string PseudoTerminal::Read(std::size_t count, std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    std::string got;
    std::array<char, 4096> buffer{};
    while (got.size() < count && Clock::now() < deadline) {
        pollfd entry{master_, POLLIN, 0};
        if (::poll(&entry, 1, 10) <= 0) {
            continue;
        }
        const ssize_t n =
            ::read(master_, buffer.data(), std::min(buffer.size(), count - got.size()));
        if (n > 0) {
            got.append(buffer.data(), static_cast<std::size_t>(n));
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            break;
        }
    }
    return got;
}

bool PseudoTerminal::NothingWaiting() {
    pollfd entry{master_, POLLIN, 0};
    return ::poll(&entry, 1, 0) == 0;
}

KVTCommSettings SettingsFor(std::string_view name, std::uint32_t bitRate) {
    KVTCommSettings settings{};
    const std::size_t length = std::min(name.size(), sizeof settings.portName - 1);
    std::memcpy(settings.portName, name.data(), length);
    settings.bitRate = bitRate;
    settings.dataBits = 8;
    return settings;
}

OpenPort Open(std::string_view name, KVTCommCallback callback, void* context,
              std::uint32_t* error) {
    return OpenPort(OpenComm(SettingsFor(name), callback, context, error));
}

void BurstRecorder::Callback(KVTCommHandle handle, const char* bytes, std::int32_t length,
                             void* context) {
    auto* self = static_cast<BurstRecorder*>(context);
    {
        std::lock_guard lock(self->mutex_);
        self->calls_.emplace_back(bytes, static_cast<std::size_t>(length));
        self->byteCount_ += static_cast<std::size_t>(length) - 1;
        self->lastHandle_ = handle;
    }
    self->arrived_.notify_all();
    if (self->onCall) {
        self->onCall(handle);
    }
}

bool BurstRecorder::WaitForBytes(std::size_t count, std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, limit, [&] { return byteCount_ >= count; });
}

std::vector<std::string> BurstRecorder::Calls() const {
    std::lock_guard lock(mutex_);
    return calls_;
}

std::string BurstRecorder::Bytes() const {
    std::lock_guard lock(mutex_);
    std::string all;
    for (const std::string& call : calls_) {
        all.append(call, 0, call.size() - 1);
    }
    return all;
}

KVTCommHandle BurstRecorder::LastHandle() const {
    std::lock_guard lock(mutex_);
    return lastHandle_;
}

std::set<int> ReceiveThreadIds() {
    std::set<int> ids;
    std::error_code ignored;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", ignored)) {
        std::ifstream comm(task.path() / "comm");
        std::string name;
        if (std::getline(comm, name) && name == "kvtcomm-rx") {
            ids.insert(std::atoi(task.path().filename().c_str()));
        }
    }
    return ids;
}

int NewReceiveThread(const std::set<int>& before) {
    for (int id : ReceiveThreadIds()) {
        if (before.count(id) == 0) {
            return id;
        }
    }
    return -1;
}

bool ThreadAlive(int threadId) {
    return std::filesystem::exists("/proc/self/task/" + std::to_string(threadId));
}

std::array<std::uint32_t, 4> Stats(KVTCommHandle handle) {
    std::array<std::uint32_t, 4> counters{99, 99, 99, 99};
    GetCommStats(handle, counters.data(), nullptr);
    return counters;
}

}  // namespace transport_test
