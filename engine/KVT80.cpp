#include "KVT80.h"

#include <thread>
#include <utility>

#include "automation/Names.h"
#include "kvtcomm.h"
#include "text/Codepage.h"

namespace kvt {

namespace {

constexpr double kSilentLevel = -80.0;
constexpr char16_t kRemotePortName[] = u"TCP/IP";

bool HasControlCharacter(const std::u16string& text) {
    for (char16_t c : text) {
        if (c < 0x20 || c == 0x7F) {
            return true;
        }
    }
    return false;
}

}  // namespace

KVT80::KVT80() {
    link_.SetUnsolicitedHandler([this](std::string_view chunk) { RaiseUnsolicited(chunk); });
}

KVT80::~KVT80() {
    Cleanup();
    if (worker_.joinable()) {
        // Released from inside a worker event: the pass ends on its own; nothing may wait for it.
        worker_.detach();
    }
    link_.Close(link_.Lock());
}

int32_t KVT80::Initialize() {
    {
        std::lock_guard lock(settingsMutex_);
        LoadSettings(settings_);
    }
    worker_ = std::thread([this] { WorkerLoop(); });
    return status::Ok;
}

int32_t KVT80::Advise(std::shared_ptr<IKVTEvents> sink, uint32_t* cookie) {
    if (!sink || cookie == nullptr) {
        return status::InvalidArgument;
    }
    *cookie = sinks_.Advise(std::move(sink));
    return status::Ok;
}

int32_t KVT80::Unadvise(uint32_t cookie) {
    return sinks_.Unadvise(cookie) ? status::Ok : status::InvalidArgument;
}

// ---- Connection settings ----------------------------------------------------------------------

int32_t KVT80::get_ComPort(Variant* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    std::lock_guard lock(settingsMutex_);
    *value = Variant::String(settings_.comPort);
    return status::Ok;
}

int32_t KVT80::put_ComPort(const Variant& value) {
    // A port name is a device path; it must fit the transport's name field and the settings file.
    if (value.Type() != VT_BSTR || value.StringValue().empty() ||
        ToUtf8(value.StringValue()).size() > KVTCOMM_PORT_NAME_MAX ||
        HasControlCharacter(value.StringValue())) {
        return status::InvalidArgument;
    }
    std::lock_guard lock(settingsMutex_);
    settings_.comPort = value.StringValue();
    SaveSettings(settings_);
    return status::Ok;
}

int32_t KVT80::get_BitRate(Variant* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    std::lock_guard lock(settingsMutex_);
    *value = Variant::Int(static_cast<int32_t>(settings_.bitRate));
    return status::Ok;
}

int32_t KVT80::put_BitRate(const Variant& value) {
    // Any numeric Variant is taken by its value; a rate that cannot be a line speed is refused
    // rather than stored in the settings.
    Variant rate;
    if (value.Type() == VT_BSTR || value.Type() == VT_BOOL || !CoerceVariant(value, VT_I4, rate) ||
        rate.Int32() <= 0) {
        return status::InvalidArgument;
    }
    std::lock_guard lock(settingsMutex_);
    settings_.bitRate = static_cast<uint32_t>(rate.Int32());
    SaveSettings(settings_);
    return status::Ok;
}

// ---- Connection lifecycle ---------------------------------------------------------------------

void KVT80::ResetSessionState() {
    initialized_ = false;
    skipOnePass_ = false;
    suspended_ = false;
    transferPending_ = false;
    mmcTransfer_ = false;
    terminalLogging_ = false;
    frontPanel_.selectedPreamp = 0;
    frontPanel_.aesEbuError = false;
    {
        std::lock_guard lock(trackerStartMutex_);
        trackerStart_.reset();
    }
    std::lock_guard unitLock(unitMutex_);
    unitStatus_ = {};
}

int32_t KVT80::Connect() {
    LinkLock lock = link_.Lock();
    if (link_.IsOpen()) {
        return status::AlreadyConnected;
    }
    ResetSessionState();

    std::u16string port;
    uint32_t bitRate = 0;
    {
        std::lock_guard settingsLock(settingsMutex_);
        port = settings_.comPort;
        bitRate = settings_.bitRate;
        if (port == kRemotePortName) {
            port = remoteAddress_;
        }
    }
    std::string reason = "no remote address is set for the TCP/IP port";
    const uint32_t error =
        port.empty() ? KVTCOMM_ERROR_UNREACHABLE : link_.Open(lock, ToUtf8(port), bitRate, reason);
    {
        std::lock_guard settingsLock(settingsMutex_);
        lastConnectError_ = error == 0 ? std::string() : reason;
    }
    if (error == KVTCOMM_ERROR_UNREACHABLE) {
        return status::RemoteUnreachable;
    }
    return error == 0 ? status::Ok : status::PortOpenFailed;
}

int32_t KVT80::Disconnect() {
    if (!link_.IsOpen()) {
        return status::Ok;
    }
    // A download in progress stops at its next step and reports its failure.
    downloadCancel_ = true;
    std::this_thread::sleep_for(Timings().disconnectSettle);
    {
        // Taking the link waits for an exchange in flight on another thread to end.
        LinkLock lock = link_.Lock();
        if (!link_.IsOpen()) {
            return status::Ok;
        }
        ResetSessionState();
        link_.Close(std::move(lock));
    }
    sinks_.Raise([](IKVTEvents& sink) { sink.InputLevelsUpdated(kSilentLevel, kSilentLevel); });
    return status::Ok;
}

int32_t KVT80::get_Connected(Variant* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    *value = Variant::Bool(link_.IsOpen());
    return status::Ok;
}

int32_t KVT80::get_UpdateInputs(Variant* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    *value = Variant::Bool(updateInputs_.load());
    return status::Ok;
}

int32_t KVT80::put_UpdateInputs(const Variant& value) {
    if (value.Type() != VT_BOOL) {
        return status::InvalidArgument;
    }
    updateInputs_ = value.IsTrue();
    return status::Ok;
}

int32_t KVT80::get_Initialized(VariantBool* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    *value = initialized_.load() ? VARIANT_TRUE : VARIANT_FALSE;
    return status::Ok;
}

int32_t KVT80::put_Initialized(VariantBool value) {
    if (value != VARIANT_TRUE) {
        CloseGate();
    } else if (!initialized_) {
        OpenGate();
    }
    return status::Ok;
}

void KVT80::CloseGate() {
    std::lock_guard lock(trackerStartMutex_);
    trackerStart_.reset();
    initialized_ = false;
}

void KVT80::OpenGate() {
    {
        std::lock_guard lock(trackerStartMutex_);
        if (!trackerStart_) {
            trackerStart_ = frontPanel_.Values();
        }
    }
    initialized_ = true;
}

void KVT80::SetTrackerStart(const FrontPanelValues& unitValues) {
    std::lock_guard lock(trackerStartMutex_);
    trackerStart_ = unitValues;
}

std::optional<FrontPanelValues> KVT80::TakeTrackerStart() {
    std::lock_guard lock(trackerStartMutex_);
    return std::exchange(trackerStart_, std::nullopt);
}

int32_t KVT80::Cleanup() {
    {
        std::lock_guard lock(stopMutex_);
        stopRequested_ = true;
    }
    stopSignal_.notify_all();
    downloadCancel_ = true;
    if (download_.joinable() && download_.get_id() != std::this_thread::get_id()) {
        download_.join();
    }
    // From a worker event the worker cannot wait for itself; it ends after the current pass.
    if (worker_.joinable() && worker_.get_id() != std::this_thread::get_id()) {
        worker_.join();
    }
    pending_.Clear();
    return status::Ok;
}

// ---- Inside the engine ------------------------------------------------------------------------

void KVT80::QueueParameterWrite(int block, uint32_t address, uint32_t raw) {
    pending_.Queue(block, address, raw);
    {
        std::lock_guard lock(stopMutex_);
        workQueued_ = true;
    }
    stopSignal_.notify_one();
}

void KVT80::BeginTransfer(bool personalityModule) {
    mmcTransfer_ = personalityModule;
    if (personalityModule) {
        mmcProgress_ = 0;
    } else {
        uploadProgress_ = 0;
    }
    transferPending_ = true;
}

ExchangeResult KVT80::CallerExchange(std::string_view line) {
    return WithLink([&](Link& link, const LinkLock& lock, const EngineTimings& timings) {
        return RunExchange(link, lock, timings, line);
    });
}

PromptSelection KVT80::CurrentSelection() {
    LinkLock lock = link_.Lock();
    return link_.Selection(lock);
}

std::string KVT80::LastConnectError() const {
    std::lock_guard lock(settingsMutex_);
    return lastConnectError_;
}

void KVT80::SetTimings(const EngineTimings& timings) {
    std::lock_guard lock(timingsMutex_);
    timings_ = timings;
}

EngineTimings KVT80::Timings() const {
    std::lock_guard lock(timingsMutex_);
    return timings_;
}

void KVT80::RaiseUnsolicited(std::string_view chunk) {
    if (!terminalLogging_.load()) {
        return;
    }
    const std::u16string text = FromCp1252(chunk);
    sinks_.Raise([&](IKVTEvents& sink) { sink.TerminalData(text); });
}

}  // namespace kvt
