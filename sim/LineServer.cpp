#include "LineServer.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <system_error>

namespace kvt::sim {

using namespace std::chrono;

namespace {

constexpr size_t kReadSize = 4096;
constexpr auto kOutputSlice = milliseconds{1};

bool WouldBlock(int error) {
    return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
}

// ppoll, not poll: pacing at 38400 bit/s moves a byte every 260 us, and rounding every wait up
// to a whole millisecond would add that much to each exchange.
std::optional<timespec> PollTimeout(std::optional<SteadyTime> deadline, SteadyTime now) {
    if (!deadline) {
        return std::nullopt;
    }
    const auto wait = std::clamp<nanoseconds>(*deadline - now, nanoseconds{0}, seconds{60});
    const auto whole = duration_cast<seconds>(wait);
    return timespec{static_cast<time_t>(whole.count()), static_cast<long>((wait - whole).count())};
}

}  // namespace

LineServer::LineServer(std::unique_ptr<LineEndpoint> endpoint, LineHandler& handler,
                       LineCounters& counters, LinePacing pacing)
    : handler_(handler), counters_(counters), pacing_(pacing), endpoint_(std::move(endpoint)) {
    WakePipe wake = MakeWakePipe();
    wakeRead_ = std::move(wake.read);
    wakeWrite_ = std::move(wake.write);
    thread_ = std::jthread([this](const std::stop_token& stop) { Run(stop); });
}

LineServer::~LineServer() {
    thread_.request_stop();
    Wake();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void LineServer::SetPacing(LinePacing pacing) {
    {
        std::lock_guard lock(mutex_);
        pacing_ = pacing;
    }
    Wake();
}

void LineServer::SendUnsolicited(std::string_view bytes) {
    {
        std::lock_guard lock(mutex_);
        unsolicited_ += bytes;
    }
    Wake();
}

LinePacing LineServer::CurrentPacing() {
    std::lock_guard lock(mutex_);
    return pacing_;
}

void LineServer::Wake() {
    const char byte = 1;
    // A full pipe already holds a wake-up; nothing is lost.
    [[maybe_unused]] const auto written = ::write(wakeWrite_.Get(), &byte, 1);
}

void LineServer::Run(const std::stop_token& stop) {
    while (!stop.stop_requested()) {
        const LinePacing pacing = CurrentPacing();
        const auto byteTime = ByteTime(pacing.baudRate);
        DoDueWork(steady_clock::now(), pacing, byteTime);
        WaitForLine(pacing, byteTime);
    }
}

void LineServer::DoDueWork(SteadyTime now, const LinePacing& pacing, nanoseconds byteTime) {
    std::string unsolicited;
    {
        std::lock_guard lock(mutex_);
        unsolicited.swap(unsolicited_);
    }
    if (!unsolicited.empty()) {
        segments_.push_back({milliseconds{0}, std::move(unsolicited)});
    }
    AnswerDueInputs(now, pacing, byteTime);
    ReleaseSegments(now, byteTime);
    WriteDueOutput(now, pacing, byteTime);
}

// Sleeps until the line has something for the unit, a caller wakes it, or the next piece of
// due work; then takes what the line brought.
void LineServer::WaitForLine(const LinePacing& pacing, nanoseconds byteTime) {
    std::array<pollfd, 2> fds{};
    fds[0] = {wakeRead_.Get(), POLLIN, 0};
    nfds_t count = 1;
    const int listenFd = endpoint_->ListenFd();
    const int peerFd = endpoint_->PeerFd();
    if (listenFd >= 0) {
        fds[count++] = {listenFd, POLLIN, 0};
    } else if (peerFd >= 0) {
        fds[count++] = {peerFd, static_cast<short>(POLLIN | (writeBlocked_ ? POLLOUT : 0)), 0};
    }
    const auto now = steady_clock::now();
    const auto timeout = PollTimeout(NextDeadline(pacing, byteTime, now), now);
    if (::ppoll(fds.data(), count, timeout ? &*timeout : nullptr, nullptr) < 0) {
        return;  // EINTR
    }
    if (fds[0].revents != 0) {
        char drain[64];
        while (::read(wakeRead_.Get(), drain, sizeof drain) > 0) {
        }
    }
    if (count < 2 || fds[1].revents == 0) {
        return;
    }
    if (listenFd >= 0) {
        endpoint_->AcceptPeer();
        handler_.PeerChanged();
        return;
    }
    if ((fds[1].revents & POLLOUT) != 0) {
        writeBlocked_ = false;
    }
    if ((fds[1].revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
        // The pacing may have changed while waiting; the bytes arrive under the new one.
        ReadInput(steady_clock::now(), ByteTime(CurrentPacing().baudRate));
    }
}

void LineServer::ReadInput(SteadyTime now, nanoseconds byteTime) {
    std::array<char, kReadSize> buffer;
    const ssize_t size = endpoint_->Read(buffer.data(), buffer.size());
    if (size < 0 && WouldBlock(errno)) {
        return;
    }
    if (size <= 0) {
        DropLine();  // end of stream or a broken line: the peer is gone
        return;
    }
    counters_.received += static_cast<uint64_t>(size);
    const auto bytes = std::string_view(buffer.data(), static_cast<size_t>(size));
    const auto read = inputClock_.Receive(now, bytes.size(), byteTime);
    for (auto& framed : handler_.Frame(bytes)) {
        if (inputs_.size() < kMaxPendingInputs) {
            inputs_.push_back({std::move(framed.input), read.ByteDone(framed.lastByte)});
        }
    }
}

void LineServer::AnswerDueInputs(SteadyTime now, const LinePacing& pacing, nanoseconds byteTime) {
    while (!inputs_.empty() && segments_.empty()) {
        const auto& next = inputs_.front();
        if (now < std::max(next.received, idleSince_) + pacing.latency) {
            return;
        }
        Reply reply = handler_.Answer(next.input);
        inputs_.pop_front();
        idleSince_ = now;
        if (reply.closePort) {
            DropLine();
            return;
        }
        for (auto& segment : reply.segments) {
            segments_.push_back(std::move(segment));
        }
        ReleaseSegments(now, byteTime);
    }
}

void LineServer::ReleaseSegments(SteadyTime now, nanoseconds byteTime) {
    while (!segments_.empty()) {
        const auto& segment = segments_.front();
        if (segment.silenceBefore.count() > 0 &&
            (!output_.Empty() || now < output_.LastByteDone() + segment.silenceBefore)) {
            return;
        }
        output_.Queue(segment.bytes, now, byteTime);
        segments_.pop_front();
        if (segments_.empty()) {
            idleSince_ = now;
        }
    }
}

void LineServer::WriteDueOutput(SteadyTime now, const LinePacing& pacing, nanoseconds byteTime) {
    if (endpoint_->PeerFd() < 0) {
        output_.Clear();  // nobody to hear it
        return;
    }
    // The bytes through the wire by now; the adapter, if any, may hold them a while longer. The
    // first pending byte reached it at the end of its slot.
    const size_t due = output_.Empty() ? 0
                                       : pacing.adapter.Release(output_.Due(now, byteTime),
                                                                *output_.NextDue(), now);
    if (due == 0 || writeBlocked_) {
        return;
    }
    // Counted before the write, so that whoever has read these bytes finds them counted.
    counters_.sent += due;
    const ssize_t written = endpoint_->Write(output_.Pending().data(), due);
    counters_.sent -= due - static_cast<size_t>(std::max<ssize_t>(written, 0));
    if (written < 0) {
        if (WouldBlock(errno)) {
            writeBlocked_ = true;
        } else {
            DropLine();
        }
        return;
    }
    output_.Consume(static_cast<size_t>(written), now, byteTime);
    writeBlocked_ = static_cast<size_t>(written) < due;
}

std::optional<SteadyTime> LineServer::NextDeadline(const LinePacing& pacing, nanoseconds byteTime,
                                                   SteadyTime now) const {
    std::optional<SteadyTime> deadline;
    const auto consider = [&](SteadyTime when) {
        if (!deadline || when < *deadline) {
            deadline = when;
        }
    };
    if (!inputs_.empty() && segments_.empty()) {
        consider(std::max(inputs_.front().received, idleSince_) + pacing.latency);
    }
    if (!segments_.empty() && output_.Empty()) {
        consider(output_.LastByteDone() + segments_.front().silenceBefore);
    }
    // Paced output leaves in slices about a millisecond apart; the last byte of the queue goes at
    // its own time, so a reply ends exactly when its wire time is up.
    if (!writeBlocked_ && endpoint_->PeerFd() >= 0) {
        const auto due = output_.NextDue();
        const auto last = output_.LastDue(byteTime);
        if (due && last && pacing.adapter.latency.count() > 0) {
            // The adapter passes bytes on when its timer runs out or a packet is full.
            consider(*due + pacing.adapter.latency);
            if (output_.Pending().size() >= AdapterModel::kPacketBytes) {
                consider(output_.DueAt(AdapterModel::kPacketBytes - 1, byteTime));
            }
        } else if (due && last) {
            consider(std::min(*last, std::max(*due, now + kOutputSlice)));
        }
    }
    return deadline;
}

// The line is gone (the peer left, or the unit dropped it): whatever was under way is lost.
void LineServer::DropLine() {
    if (endpoint_->PeerFd() >= 0) {
        endpoint_->HangUp();
    }
    inputs_.clear();
    segments_.clear();
    output_.Clear();
    inputClock_.Reset();
    writeBlocked_ = false;
    handler_.PeerChanged();
}

}  // namespace kvt::sim
