#include "protocol/Link.h"

#include <cstring>

namespace kvt {

namespace {
constexpr size_t kMaxReplyBytes = 4u << 20;
}  // namespace

Link::Link() = default;

Link::~Link() {
    Close(Lock());
}

uint32_t Link::Open(const LinkLock&, const std::string& portName, uint32_t bitRate,
                    std::string& errorText) {
    KVTCommSettings settings{};
    if (portName.size() > KVTCOMM_PORT_NAME_MAX) {
        errorText = "port name longer than 255 bytes";
        return KVTCOMM_ERROR_OPEN;
    }
    std::memcpy(settings.portName, portName.data(), portName.size());
    settings.bitRate = bitRate;
    settings.dataBits = 8;
    settings.parity = 0;
    settings.stopBits = 0;

    selection_ = {};
    uint32_t error = 0;
    KVTCommHandle handle = OpenComm(settings, &Link::OnReceive, this, &error);
    if (handle == nullptr) {
        errorText = GetCommOpenErrorText();
        return error != 0 ? error : KVTCOMM_ERROR_OPEN;
    }
    errorText.clear();
    handle_.store(handle);
    open_.store(true);
    return 0;
}

void Link::Close(LinkLock lock) {
    open_.store(false);
    armed_.store(false);
    selection_ = {};
    KVTCommHandle handle = handle_.exchange(nullptr);
    lock.lock_.unlock();
    if (handle != nullptr) {
        uint32_t error = 0;
        CloseComm(handle, &error);  // joins the receive thread: no callback after this
    }
}

void Link::Arm(const LinkLock&) {
    std::lock_guard lock(replyMutex_);
    reply_.clear();
    armed_.store(true);
}

void Link::Disarm(const LinkLock&) {
    std::lock_guard lock(replyMutex_);
    armed_.store(false);
}

bool Link::WaitForMore(const LinkLock&, size_t seen, std::chrono::milliseconds timeout) {
    std::unique_lock lock(replyMutex_);
    return replyArrived_.wait_for(lock, timeout, [&] { return reply_.size() > seen; });
}

bool Link::Send(const LinkLock&, std::string_view bytes) {
    KVTCommHandle handle = handle_.load();
    if (handle == nullptr) {
        return false;
    }
    // The transport keeps its last write error for good, so judge this write by the bytes it
    // counted as sent.
    uint32_t before[4] = {};
    uint32_t after[4] = {};
    GetCommStats(handle, before, nullptr);
    uint32_t error = 0;
    WriteCommBuf(handle, bytes.data(), static_cast<uint32_t>(bytes.size()), 0, &error);
    GetCommStats(handle, after, nullptr);
    return error == 0 && after[2] - before[2] == bytes.size();
}

void Link::SetUnsolicitedHandler(std::function<void(std::string_view)> handler) {
    std::lock_guard lock(handlerMutex_);
    unsolicited_ = std::move(handler);
}

void Link::OnReceive(KVTCommHandle, const char* bytes, int32_t length, void* context) {
    if (bytes == nullptr || length <= 1) {
        return;
    }
    static_cast<Link*>(context)->Receive(std::string_view(bytes, static_cast<size_t>(length - 1)));
}

void Link::Receive(std::string_view chunk) {
    {
        std::lock_guard lock(replyMutex_);
        if (armed_.load()) {
            reply_.append(chunk);
            if (reply_.size() > kMaxReplyBytes) {
                // A unit that never stops talking must not exhaust memory; the end of a reply is
                // what matters, so keep the newest bytes.
                reply_.erase(0, reply_.size() - kMaxReplyBytes);
            }
            replyArrived_.notify_all();
            return;
        }
    }
    std::lock_guard lock(handlerMutex_);
    if (unsolicited_) {
        unsolicited_(chunk);
    }
}

}  // namespace kvt
