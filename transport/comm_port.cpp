#include "comm_port.h"

#include "posix_port.h"

#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <memory>
#include <system_error>
#include <utility>

namespace {

using kvtcomm::LinkKind;

// A device that takes nothing for this long has stopped; the write is reported as failed.
constexpr std::chrono::milliseconds kWriteStallLimit{5000};

// The port whose receive thread this is, so that calls made from inside the callback can tell.
thread_local KVTCommPort* tReceivingPort = nullptr;

}  // namespace

KVTCommPort::KVTCommPort(kvtcomm::UniqueFd link, LinkKind kind, KVTCommCallback callback,
                         void* context, kvtcomm::SerialLatency latency)
    : link_(std::move(link)),
      kind_(kind),
      callback_(callback),
      context_(context),
      latency_(std::move(latency)) {}

KVTCommPort::~KVTCommPort() {
    StopReceiving();
    if (link_.Valid() && kind_ == LinkKind::Terminal) {
        kvtcomm::ReleaseSerialDevice(link_.Get(), latency_);
    }
}

bool KVTCommPort::Start(std::string& error) {
    wake_.Reset(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC));
    if (!wake_.Valid()) {
        error = "cannot create the receive thread's wake-up event (" +
                std::generic_category().message(errno) + ")";
        return false;
    }
    {
        std::lock_guard lock(queueMutex_);
        receiverRunning_ = true;
    }
    // The thread holds back until receiver_ is assigned, because a close from inside the
    // callback has the thread detach itself.
    std::promise<void> launched;
    std::promise<void> started;
    std::future<void> startedSignal = started.get_future();
    try {
        receiver_ =
            std::jthread([this, go = launched.get_future(), signal = std::move(started)]() mutable {
                go.wait();
                ReceiveMain(std::move(signal));
            });
    } catch (const std::system_error& failure) {
        std::lock_guard lock(queueMutex_);
        receiverRunning_ = false;
        error = std::string("cannot start the receive thread (") + failure.what() + ")";
        return false;
    }
    launched.set_value();
    startedSignal.wait();
    return true;
}

void KVTCommPort::Close(KVTCommPort* port) {
    if (port == nullptr) {
        return;
    }
    if (tReceivingPort == port) {
        port->stopRequested_.store(true);
        port->closeFromCallback_ = true;
        return;
    }
    std::unique_ptr<KVTCommPort> owned(port);
}

void KVTCommPort::StopReceiving() {
    stopRequested_.store(true);
    if (wake_.Valid()) {
        Wake();
    }
    if (receiver_.joinable()) {
        receiver_.join();
    }
}

void KVTCommPort::ReceiveMain(std::promise<void> started) {
    pthread_setname_np(pthread_self(), "kvtcomm-rx");
    tReceivingPort = this;
    started.set_value();

    ReceiveLoop();

    // A queued write asked for while the loop ended is still carried out; later ones are
    // written by their callers.
    {
        std::lock_guard lock(queueMutex_);
        ServiceQueuedWrite();
        receiverRunning_ = false;
    }
    queueDone_.notify_all();
    tReceivingPort = nullptr;

    if (closeFromCallback_) {
        receiver_.detach();
        std::unique_ptr<KVTCommPort> self(this);
    }
}

void KVTCommPort::ReceiveLoop() {
    for (;;) {
        if (stopRequested_.load()) {
            return;
        }
        // A polling client that does not fetch its bytes holds up reading, not the bytes: they
        // wait in the driver until there is room again.
        const bool listen = callback_ != nullptr || kept_.CheckRoom(KVTCOMM_BURST_MAX);
        std::array<pollfd, 2> fds{{{wake_.Get(), POLLIN, 0}, {link_.Get(), POLLIN, 0}}};
        if (::poll(fds.data(), listen ? 2 : 1, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (fds[0].revents != 0) {
            DrainWake();
            if (stopRequested_.load()) {
                return;
            }
            std::lock_guard lock(queueMutex_);
            ServiceQueuedWrite();
        }
        if (listen && fds[1].revents != 0 && !ReceiveOnce(fds[1].revents)) {
            return;
        }
    }
}

// Reads what has arrived and hands it on. False when nothing more will come: end of stream,
// the other end hung up, or the device failed.
bool KVTCommPort::ReceiveOnce(short events) {
    const ssize_t count = ::read(link_.Get(), burst_.data(), KVTCOMM_BURST_MAX);
    if (count > 0) {
        Deliver(static_cast<std::size_t>(count));
        return true;
    }
    if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
        return (events & (POLLHUP | POLLERR | POLLNVAL)) == 0;
    }
    return false;
}

// Hands bytes over as soon as they are read; the engine assembles replies itself, so waiting
// for the line to fall silent would only add latency.
void KVTCommPort::Deliver(std::size_t count) {
    received_.fetch_add(static_cast<std::uint32_t>(count), std::memory_order_relaxed);
    if (callback_ == nullptr) {
        kept_.Append(burst_.data(), count);
        return;
    }
    burst_[count] = '\0';
    callback_(this, burst_.data(), static_cast<std::int32_t>(count + 1), context_);
}

// Called with queueMutex_ held.
void KVTCommPort::ServiceQueuedWrite() {
    if (!queued_.pending) {
        return;
    }
    WriteNow(queued_.bytes.data(), queued_.length);
    queued_.pending = false;
    queueDone_.notify_all();
}

void KVTCommPort::Write(const char* bytes, std::uint32_t length, std::uint32_t mode) {
    if (length == 0) {
        return;
    }
    if (bytes == nullptr || (mode != 0 && length > KVTCOMM_QUEUED_WRITE_MAX)) {
        lastWriteError_.store(KVTCOMM_WRITE_FAILED);
        return;
    }
    // The receive thread cannot wait for itself: from inside the callback, write directly.
    if (mode == 0 || tReceivingPort == this) {
        WriteNow(bytes, length);
        return;
    }
    WriteQueued(bytes, length);
}

void KVTCommPort::WriteNow(const char* bytes, std::size_t length) {
    std::lock_guard lock(writeMutex_);
    std::size_t written = 0;
    const bool complete =
        kvtcomm::WriteAll(link_.Get(), kind_, bytes, length, kWriteStallLimit, written);
    sent_.fetch_add(static_cast<std::uint32_t>(written), std::memory_order_relaxed);
    if (!complete) {
        lastWriteError_.store(KVTCOMM_WRITE_FAILED);
    }
}

void KVTCommPort::WriteQueued(const char* bytes, std::uint32_t length) {
    std::lock_guard caller(queuedCallersMutex_);
    std::unique_lock lock(queueMutex_);
    if (!receiverRunning_) {
        lock.unlock();
        WriteNow(bytes, length);
        return;
    }
    queued_.length = length;
    std::copy_n(bytes, length, queued_.bytes.begin());
    queued_.pending = true;
    Wake();
    queueDone_.wait(lock, [this] { return !queued_.pending; });
}

std::uint32_t KVTCommPort::Read(char* buffer, std::uint32_t capacity) {
    if (callback_ != nullptr || buffer == nullptr || capacity == 0) {
        return 0;
    }
    const auto taken = kept_.Take(buffer, capacity);
    if (taken.roomFreed) {
        Wake();
    }
    return static_cast<std::uint32_t>(taken.count);
}

void KVTCommPort::Wake() {
    const std::uint64_t one = 1;
    const ssize_t written = ::write(wake_.Get(), &one, sizeof one);
    (void)written;  // only fails when the counter is already huge, which still wakes the thread
}

void KVTCommPort::DrainWake() {
    std::uint64_t count = 0;
    const ssize_t got = ::read(wake_.Get(), &count, sizeof count);
    (void)got;  // nothing to drain is fine
}
