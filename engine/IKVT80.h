// IKVT80: the KVT-80 device engine as the front ends and scripts see it.
//
// Every member returns a 32-bit status (kvt::status): 0 done, 1 not connected or no answer from
// the unit, 50 not supported, 87 invalid argument, 110 port could not be opened, 1247 Connect
// while connected, 487 remote address not reachable. Property reads are get_Name, writes put_Name;
// out-values are written through pointers (a null pointer gives 87). Nothing throws across this
// surface.
//
// Lifetime: Cleanup is the last call (it ends the worker and leaves an open link open, so
// disconnect first); the object is released after it, never from inside an event handler.
//
// Members can also be reached by name or dispatch identifier with Variant arguments through the
// dispatch table (automation/DispatchTable.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "automation/Events.h"
#include "automation/Variant.h"

namespace kvt {

namespace status {
constexpr int32_t Ok = 0;
constexpr int32_t NoUnit = 1;  // not connected, or the unit did not answer
constexpr int32_t NotSupported = 50;
constexpr int32_t InvalidArgument = 87;
constexpr int32_t PortOpenFailed = 110;
constexpr int32_t RemoteUnreachable = 487;
constexpr int32_t AlreadyConnected = 1247;
}  // namespace status

enum ConnectionState : int32_t {
    ConnectionStateIdle = 0,
    ConnectionStateRetrievingZVQ = 1,
    ConnectionStateRetrievingEQ = 2,
    ConnectionStateRetrievingFrontPanel = 3,
    ConnectionStateRetrievingProfile = 4,
};

enum SaveState : int32_t { SaveStateIdle = 0, SaveStateZVQ = 1, SaveStateEQ = 2 };

enum PICDownloadState : int32_t {
    PICDownloadStateWaiting = 0,
    PICDownloadStateErasing = 1,
    PICDownloadStateWritingPM = 2,
    PICDownloadStateWritingEEPROM = 3,
    PICDownloadStateFailed = 4,
    PICDownloadStateCompleted = 5,
};

enum DSPDownloadState : int32_t {
    DSPDownloadStateWaiting = 6,
    DSPDownloadStateLoadingStub = 7,
    DSPDownloadStateWriting = 8,
    DSPDownloadStateFailed = 9,
    DSPDownloadStateCompleted = 10,
    DSPDownloadStateVerifying = 11,
    DSPDownloadStateVerifyFailed = 12,
};

enum UploadState : int32_t {
    UploadStateWaiting = 0,
    UploadStateUploading = 1,
    UploadStateCompleted = 2
};

enum SaveMMCState : int32_t {
    SaveMMCStateWaiting = 0,
    SaveMMCStateUploading = 1,
    SaveMMCStateCompleted = 2,
    SaveMMCFailedInit = 3,
};

enum Formats : int32_t {
    FormatMono = 0,
    FormatStereo = 1,
    FormatStereoSR = 2,
    FormatDigitalA = 3,
    FormatNonSync = 4,
    FormatAux = 5,
    FormatMicCenter = 6,
    FormatMicSurround = 7,
    FormatDigitalB = 8,
    FormatU2 = 9,
    FormatU3 = 10,
    FormatU4 = 11,
    FormatU5 = 12,
    FormatU6 = 13,
    FormatU7 = 14,
    FormatU8 = 15,
    FormatMax = 16,
};

enum TestToneMode : int32_t {
    TestToneModePink = 0,
    TestToneMode100HzSine = 1,
    TestToneMode1kHzSine = 2,
    TestToneMode10kHzSine = 3,
    TestToneModeThump1Sec = 4,
    TestToneModeMax = 5,
};

enum GeneratorChannel : int32_t {
    GeneratorOff = 0,
    GeneratorLeft = 1,
    GeneratorCenter = 2,
    GeneratorRight = 4,
    GeneratorSubwoofer = 8,
    GeneratorLeftSurround = 16,
    GeneratorRightSurround = 32,
    GeneratorLeftEX = 64,
    GeneratorRightEX = 128,
};

enum InputConfig : int32_t { InputConfig7_1 = 0, InputConfigLCRC = 1, InputConfigMax = 2 };

class IKVT80 {
  public:
    virtual ~IKVT80() = default;

    // Event sinks: Advise returns a cookie that Unadvise takes back.
    virtual int32_t Advise(std::shared_ptr<IKVTEvents> sink, uint32_t* cookie) = 0;
    virtual int32_t Unadvise(uint32_t cookie) = 0;

    // Connection settings and lifecycle.
    virtual int32_t get_ComPort(Variant* value) = 0;
    virtual int32_t put_ComPort(const Variant& value) = 0;
    virtual int32_t get_BitRate(Variant* value) = 0;
    virtual int32_t put_BitRate(const Variant& value) = 0;
    virtual int32_t Connect() = 0;
    virtual int32_t Disconnect() = 0;
    virtual int32_t get_Connected(Variant* value) = 0;
    virtual int32_t get_UpdateInputs(Variant* value) = 0;
    virtual int32_t put_UpdateInputs(const Variant& value) = 0;
    virtual int32_t Cleanup() = 0;
    virtual int32_t get_Initialized(VariantBool* value) = 0;
    virtual int32_t put_Initialized(VariantBool value) = 0;
};

// Creates an engine object by programmatic identifier: "KVT80.KVT80", "KVT80.KVT80.1",
// "KVT80CE.KVT80CE" or "KVT80CE.KVT80CE.1" (all make the same engine). Creation runs the engine's
// initialisation (format defaults, settings, worker thread); on failure engine stays empty and
// the initialisation's status is returned. An unknown identifier gives 87.
int32_t CreateEngine(std::string_view progId, std::unique_ptr<IKVT80>& engine);

}  // namespace kvt
