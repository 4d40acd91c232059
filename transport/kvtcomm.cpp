// The exported C functions: argument checks, the error word and the open error text. The work
// is done by KVTCommPort and the link code.

// Only the functions of the header are exported; everything else in the library is hidden.
#pragma GCC visibility push(default)
#include "kvtcomm.h"
#pragma GCC visibility pop

#include "comm_port.h"
#include "link_io.h"
#include "port_names.h"
#include "posix_port.h"
#include "tcp_link.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <string>
#include <type_traits>

namespace {

using namespace kvtcomm;

constexpr std::chrono::milliseconds kConnectTimeout{3000};

thread_local std::string tOpenErrorText;

void SetError(uint32_t* error, uint32_t value) {
    if (error != nullptr) {
        *error = value;
    }
}

// The name field need not be terminated; a full field without a zero is a name too long.
std::string_view PortNameOf(const KVTCommSettings& settings) {
    return {settings.portName, ::strnlen(settings.portName, sizeof settings.portName)};
}

struct OpenedLink {
    LinkOpenResult result;
    LinkKind kind = LinkKind::Terminal;
};

OpenedLink OpenTarget(const PortTarget& target, const KVTCommSettings& settings) {
    if (const auto* device = std::get_if<DevicePort>(&target)) {
        OpenedLink link{OpenSerialDevice(device->path, settings), LinkKind::Terminal};
        if (link.result.fd.Valid() && std::getenv("KVTCOMM_DEBUG") != nullptr) {
            std::fprintf(stderr, "kvtcomm: %s: %s\n", PrintableName(device->path).c_str(),
                         link.result.latency.Describe().c_str());
        }
        return link;
    }
    if (const auto* tcp = std::get_if<TcpPort>(&target)) {
        return {ConnectTcp(tcp->host, tcp->port, kConnectTimeout), LinkKind::Socket};
    }
    return {LinkOpenFailure(KVTCOMM_ERROR_OPEN, std::get<PortNameError>(target).text),
            LinkKind::Terminal};
}

KVTCommHandle FailOpen(uint32_t* error, uint32_t word, std::string text) {
    SetError(error, word);
    tOpenErrorText = std::move(text);
    return nullptr;
}

}  // namespace

extern "C" {

KVTCommHandle OpenComm(KVTCommSettings settings, KVTCommCallback callback, void* context,
                       uint32_t* error) {
    SetError(error, KVTCOMM_OK);
    tOpenErrorText.clear();
    const std::string_view name = PortNameOf(settings);
    try {
        const PortTarget target = MapPortName(name, ListDeviceEntries);
        OpenedLink link = OpenTarget(target, settings);
        if (!link.result.fd.Valid()) {
            return FailOpen(error, link.result.errorWord, std::move(link.result.errorText));
        }
        auto port = std::make_unique<KVTCommPort>(std::move(link.result.fd), link.kind, callback,
                                                  context, std::move(link.result.latency));
        std::string why;
        if (!port->Start(why)) {
            return FailOpen(error, KVTCOMM_ERROR_OPEN,
                            "Cannot open " + PrintableName(name) + ": " + why + ".");
        }
        return port.release();
    } catch (const std::exception& failure) {
        return FailOpen(error, KVTCOMM_ERROR_OPEN,
                        "Cannot open " + PrintableName(name) + ": " + failure.what() + ".");
    }
}

void CloseComm(KVTCommHandle handle, uint32_t* error) {
    SetError(error, KVTCOMM_OK);
    KVTCommPort::Close(handle);
}

uint32_t WriteCommBuf(KVTCommHandle handle, const void* bytes, uint32_t length, uint32_t mode,
                      uint32_t* error) {
    SetError(error, KVTCOMM_OK);
    if (handle == nullptr) {
        SetError(error, KVTCOMM_ERROR_NO_HANDLE);
        return 1;
    }
    handle->Write(static_cast<const char*>(bytes), length, mode);
    return 0;
}

uint32_t ReadCommBuf(KVTCommHandle handle, void* buffer, uint32_t capacity, uint32_t* error) {
    SetError(error, KVTCOMM_OK);
    if (handle == nullptr) {
        SetError(error, KVTCOMM_ERROR_NO_HANDLE);
        return 0;
    }
    return handle->Read(static_cast<char*>(buffer), capacity);
}

uint32_t GetCommStats(KVTCommHandle handle, uint32_t counters[4], uint32_t* error) {
    SetError(error, KVTCOMM_OK);
    if (handle == nullptr) {
        SetError(error, KVTCOMM_ERROR_NO_HANDLE);
        return 1;
    }
    const uint32_t sent = handle->BytesSent();
    if (counters != nullptr) {
        counters[0] = handle->BytesReceived();
        counters[1] = 0;
        counters[2] = sent;
        counters[3] = 0;
    }
    return sent;
}

uint32_t GetCommLatency(KVTCommHandle handle, int32_t* timerMs) {
    if (timerMs != nullptr) {
        *timerMs = handle == nullptr ? -1 : handle->Latency().timerMs;
    }
    return handle != nullptr && handle->Latency().lowLatency ? KVTCOMM_LATENCY_LOW
                                                             : KVTCOMM_LATENCY_NORMAL;
}

uint32_t GetCommLastWriteError(KVTCommHandle handle) {
    return handle == nullptr ? KVTCOMM_OK : handle->LastWriteError();
}

const char* GetCommOpenErrorText(void) {
    return tOpenErrorText.c_str();
}

}  // extern "C"
