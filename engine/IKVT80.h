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

// What a status number means, in a few words for a person ("invalid argument: ..."); empty for a
// number no member returns.
std::string_view Meaning(int32_t status);
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

    // Members in function-table order. Index arguments (projector 0-1, channel 0-7, band 0-26,
    // format 0-15, button 0-7) are Variants whose value is read as a 32-bit integer whatever
    // their type.
    virtual int32_t get_LeftInputGain(const Variant& projector, double* value) = 0;
    virtual int32_t put_LeftInputGain(const Variant& projector, double value) = 0;
    virtual int32_t get_RightInputGain(const Variant& projector, double* value) = 0;
    virtual int32_t put_RightInputGain(const Variant& projector, double value) = 0;
    virtual int32_t get_SlitEQ(const Variant& projector, double* value) = 0;
    virtual int32_t put_SlitEQ(const Variant& projector, double value) = 0;
    virtual int32_t get_MonoEQ(double* value) = 0;
    virtual int32_t put_MonoEQ(double value) = 0;
    virtual int32_t get_Delay(int32_t* value) = 0;
    virtual int32_t put_Delay(int32_t value) = 0;
    virtual int32_t get_SurroundGain(double* value) = 0;
    virtual int32_t put_SurroundGain(double value) = 0;
    virtual int32_t get_SubwooferGain(double* value) = 0;
    virtual int32_t put_SubwooferGain(double value) = 0;
    virtual int32_t get_NonSyncGain(double* value) = 0;
    virtual int32_t put_NonSyncGain(double value) = 0;
    virtual int32_t get_Bass(const Variant& channel, double* value) = 0;
    virtual int32_t put_Bass(const Variant& channel, double value) = 0;
    virtual int32_t get_Treble(const Variant& channel, double* value) = 0;
    virtual int32_t put_Treble(const Variant& channel, double value) = 0;
    virtual int32_t get_EQBand(const Variant& channel, const Variant& band, double* value) = 0;
    virtual int32_t put_EQBand(const Variant& channel, const Variant& band, double value) = 0;
    virtual int32_t get_OutputGain(const Variant& channel, double* value) = 0;
    virtual int32_t put_OutputGain(const Variant& channel, double value) = 0;
    virtual int32_t get_Mute(const Variant& channel, Variant* value) = 0;
    virtual int32_t put_Mute(const Variant& channel, const Variant& value) = 0;
    virtual int32_t get_Invert(const Variant& channel, Variant* value) = 0;
    virtual int32_t put_Invert(const Variant& channel, const Variant& value) = 0;
    virtual int32_t get_Mode(Variant* value) = 0;
    virtual int32_t put_Mode(const Variant& value) = 0;
    virtual int32_t CopyEQ(const Variant& sourceChannel, const Variant& destinationChannels) = 0;
    virtual int32_t Save(const Variant& fileName, const Variant& useDefaults) = 0;
    virtual int32_t Load(const Variant& fileName) = 0;
    virtual int32_t get_ComPort(Variant* value) = 0;
    virtual int32_t put_ComPort(const Variant& value) = 0;
    virtual int32_t get_BitRate(Variant* value) = 0;
    virtual int32_t put_BitRate(const Variant& value) = 0;
    virtual int32_t Connect() = 0;
    virtual int32_t Disconnect() = 0;
    virtual int32_t get_Connected(Variant* value) = 0;
    virtual int32_t EnterCommandInterpreter() = 0;
    virtual int32_t UnitStatus() = 0;
    virtual int32_t QueryZVQ() = 0;
    virtual int32_t QueryEQ() = 0;
    virtual int32_t QueryFrontPanel() = 0;
    virtual int32_t QueryKVT() = 0;

    // The format table: 8-bit texts as UTF-16, flags as VT_BOOL or VT_I4 Variants.
    virtual int32_t get_FormatCode(const Variant& format, std::u16string* value) = 0;
    virtual int32_t put_FormatCode(const Variant& format, const std::u16string& value) = 0;
    virtual int32_t get_FormatTxt1(const Variant& format, std::u16string* value) = 0;
    virtual int32_t put_FormatTxt1(const Variant& format, const std::u16string& value) = 0;
    virtual int32_t get_FormatTxt2(const Variant& format, std::u16string* value) = 0;
    virtual int32_t put_FormatTxt2(const Variant& format, const std::u16string& value) = 0;
    virtual int32_t get_FormatP1(const Variant& format, Variant* value) = 0;
    virtual int32_t put_FormatP1(const Variant& format, const Variant& value) = 0;
    virtual int32_t get_FormatP2(const Variant& format, Variant* value) = 0;
    virtual int32_t put_FormatP2(const Variant& format, const Variant& value) = 0;
    virtual int32_t get_FormatAux(const Variant& format, Variant* value) = 0;
    virtual int32_t put_FormatAux(const Variant& format, const Variant& value) = 0;
    virtual int32_t get_FormatMic(const Variant& format, Variant* value) = 0;
    virtual int32_t put_FormatMic(const Variant& format, const Variant& value) = 0;
    virtual int32_t get_FormatNS(const Variant& format, Variant* value) = 0;
    virtual int32_t put_FormatNS(const Variant& format, const Variant& value) = 0;
    virtual int32_t get_FormatAnalog(const Variant& format, Variant* value) = 0;
    virtual int32_t put_FormatAnalog(const Variant& format, const Variant& value) = 0;
    virtual int32_t get_FormatSlitEQ(const Variant& format, Variant* value) = 0;
    virtual int32_t put_FormatSlitEQ(const Variant& format, const Variant& value) = 0;
    virtual int32_t get_FormatMonoEQ(const Variant& format, Variant* value) = 0;
    virtual int32_t put_FormatMonoEQ(const Variant& format, const Variant& value) = 0;
    virtual int32_t get_FormatNR(const Variant& format, Variant* value) = 0;
    virtual int32_t put_FormatNR(const Variant& format, const Variant& value) = 0;
    virtual int32_t get_FormatMatrix(const Variant& format, Variant* value) = 0;
    virtual int32_t put_FormatMatrix(const Variant& format, const Variant& value) = 0;
    virtual int32_t get_FormatSlot(const Variant& format, Variant* value) = 0;
    virtual int32_t put_FormatSlot(const Variant& format, const Variant& value) = 0;
    virtual int32_t get_FormatSPDIFF(const Variant& format, Variant* value) = 0;
    virtual int32_t put_FormatSPDIFF(const Variant& format, const Variant& value) = 0;
    virtual int32_t get_FormatLevel(const Variant& format, int32_t* value) = 0;
    virtual int32_t put_FormatLevel(const Variant& format, int32_t value) = 0;
    virtual int32_t get_PowerOnFormat(int32_t* value) = 0;
    virtual int32_t put_PowerOnFormat(int32_t value) = 0;
    virtual int32_t get_MicPhase(const Variant& format, int32_t* value) = 0;
    virtual int32_t put_MicPhase(const Variant& format, int32_t value) = 0;
    virtual int32_t get_FormatCount(int32_t* value) = 0;
    virtual int32_t put_FormatCount(int32_t value) = 0;
    virtual int32_t get_ButtonFormat(const Variant& button, int32_t* value) = 0;
    virtual int32_t put_ButtonFormat(const Variant& button, int32_t value) = 0;

    // The installation profile (UTF-16 texts in fixed fields).
    virtual int32_t get_SerialNumber(Variant* value) = 0;
    virtual int32_t put_SerialNumber(const Variant& value) = 0;
    virtual int32_t get_DigitalPlayer1(Variant* value) = 0;
    virtual int32_t put_DigitalPlayer1(const Variant& value) = 0;
    virtual int32_t get_DigitalPlayer2(Variant* value) = 0;
    virtual int32_t put_DigitalPlayer2(const Variant& value) = 0;
    virtual int32_t get_ProjectName(Variant* value) = 0;
    virtual int32_t put_ProjectName(const Variant& value) = 0;
    virtual int32_t get_TheaterName(Variant* value) = 0;
    virtual int32_t put_TheaterName(const Variant& value) = 0;
    virtual int32_t get_ScreenNumber(Variant* value) = 0;
    virtual int32_t put_ScreenNumber(const Variant& value) = 0;
    virtual int32_t get_ProjectorModel(Variant* value) = 0;
    virtual int32_t put_ProjectorModel(const Variant& value) = 0;
    virtual int32_t get_AutomationSystem(Variant* value) = 0;
    virtual int32_t put_AutomationSystem(const Variant& value) = 0;
    virtual int32_t get_Comments(Variant* value) = 0;
    virtual int32_t put_Comments(const Variant& value) = 0;

    virtual int32_t get_FaderLevel(int32_t* value) = 0;
    virtual int32_t put_FaderLevel(int32_t value) = 0;
    virtual int32_t get_SystemMute(Variant* value) = 0;
    virtual int32_t put_SystemMute(const Variant& value) = 0;
    virtual int32_t SaveKVTParameters() = 0;
    virtual int32_t SaveZVQParameters() = 0;
    virtual int32_t SaveEQParameters() = 0;
    virtual int32_t ParseHexFile(const std::u16string& fileName) = 0;
    virtual int32_t DownloadToPIC() = 0;
    virtual int32_t get_PICVersion(Variant* value) = 0;
    virtual int32_t get_MatrixVersion(Variant* value) = 0;
    virtual int32_t get_NRVersion(Variant* value) = 0;
    virtual int32_t get_EQVersion(Variant* value) = 0;
    virtual int32_t get_COMVersion(Variant* value) = 0;
    virtual int32_t SaveMMC(const Variant& block) = 0;
    virtual int32_t get_UpdateInputs(Variant* value) = 0;
    virtual int32_t put_UpdateInputs(const Variant& value) = 0;
    virtual int32_t get_LeftAuxGain(double* value) = 0;
    virtual int32_t put_LeftAuxGain(double value) = 0;
    virtual int32_t get_RightAuxGain(double* value) = 0;
    virtual int32_t put_RightAuxGain(double value) = 0;
    virtual int32_t get_LeftMicGain(double* value) = 0;
    virtual int32_t put_LeftMicGain(double value) = 0;
    virtual int32_t get_RightMicGain(double* value) = 0;
    virtual int32_t put_RightMicGain(double value) = 0;
    virtual int32_t get_SelectedPreamp(Variant* value) = 0;
    virtual int32_t put_SelectedPreamp(const Variant& value) = 0;
    virtual int32_t get_SubwooferFreq(double* value) = 0;
    virtual int32_t put_SubwooferFreq(double value) = 0;
    virtual int32_t get_TerminalLogging(Variant* value) = 0;
    virtual int32_t put_TerminalLogging(const Variant& value) = 0;
    virtual int32_t get_TerminalLogFilename(Variant* value) = 0;
    virtual int32_t WriteStringDirect(const std::u16string& text) = 0;
    virtual int32_t get_SubParametricFreq(double* value) = 0;
    virtual int32_t put_SubParametricFreq(double value) = 0;
    virtual int32_t get_SubParametricQ(double* value) = 0;
    virtual int32_t put_SubParametricQ(double value) = 0;
    virtual int32_t get_SubParametricGain(double* value) = 0;
    virtual int32_t put_SubParametricGain(double value) = 0;
    virtual int32_t StartSLA() = 0;
    virtual int32_t StopSLA() = 0;
    virtual int32_t get_SLASumAndDiff(VariantBool* value) = 0;
    virtual int32_t put_SLASumAndDiff(VariantBool value) = 0;
    virtual int32_t get_GeneratorMode(Variant* value) = 0;
    virtual int32_t put_GeneratorMode(const Variant& value) = 0;
    virtual int32_t get_GeneratorChannels(Variant* value) = 0;
    virtual int32_t put_GeneratorChannels(const Variant& value) = 0;
    virtual int32_t get_SLARunning(VariantBool* value) = 0;
    virtual int32_t get_SignalGenLevel(Variant* value) = 0;
    virtual int32_t put_SignalGenLevel(const Variant& value) = 0;
    virtual int32_t get_DigitalSurroundDelay(Variant* value) = 0;
    virtual int32_t put_DigitalSurroundDelay(const Variant& value) = 0;
    virtual int32_t get_HeadroomAdjust(int32_t* value) = 0;
    virtual int32_t put_HeadroomAdjust(int32_t value) = 0;
    virtual int32_t get_DigitalFallbackMode(int32_t* value) = 0;
    virtual int32_t put_DigitalFallbackMode(int32_t value) = 0;
    virtual int32_t get_InputConfig(int32_t* value) = 0;
    virtual int32_t put_InputConfig(int32_t value) = 0;
    virtual int32_t get_DigitalInputDelay(Variant* value) = 0;
    virtual int32_t put_DigitalInputDelay(const Variant& value) = 0;
    virtual int32_t get_OutputPICVersion(Variant* value) = 0;
    virtual int32_t get_ProcessorPICVersion(Variant* value) = 0;
    virtual int32_t Cleanup() = 0;
    virtual int32_t Verify(Variant* dsp) = 0;
    virtual int32_t DownloadToDSP(const Variant& card, const Variant& dsp,
                                  const Variant& fileName) = 0;
    virtual int32_t QueryEventLog() = 0;
    virtual int32_t get_ConfigFileDirty(Variant* value) = 0;
    virtual int32_t GetConfigurationPreview(const Variant& fileName, Variant* digitalPlayer1,
                                            Variant* digitalPlayer2, Variant* projectName,
                                            Variant* theaterName, Variant* screenNumber,
                                            Variant* projectorModel, Variant* automationSystem,
                                            Variant* comments) = 0;
    virtual int32_t get_Initialized(VariantBool* value) = 0;
    virtual int32_t put_Initialized(VariantBool value) = 0;
    virtual int32_t SyncEventLogDT() = 0;
    virtual int32_t get_KP80Present(VariantBool* value) = 0;
    virtual int32_t put_Production(VariantBool value) = 0;
    virtual int32_t ClearLog() = 0;
    virtual int32_t get_FormatAESEBU(const Variant& format, Variant* value) = 0;
    virtual int32_t put_FormatAESEBU(const Variant& format, const Variant& value) = 0;

    // Members without a dispatch identifier.
    virtual int32_t get_UnitDate(std::u16string* value) = 0;
    virtual int32_t put_UnitDate(const std::u16string& value) = 0;
    virtual int32_t get_UnitTime(std::u16string* value) = 0;
    virtual int32_t put_UnitTime(const std::u16string& value) = 0;
    virtual int32_t NRVersions(Variant* first, Variant* second) = 0;
    virtual int32_t EQVersions(Variant* first, Variant* second) = 0;

    // Laptop members.
    virtual int32_t get_RemoteAddress(std::u16string* value) = 0;
    virtual int32_t put_RemoteAddress(const std::u16string& value) = 0;
    virtual int32_t get_FormatOutputMask(const Variant& format, int32_t* value) = 0;
    virtual int32_t put_FormatOutputMask(const Variant& format, int32_t value) = 0;
    virtual int32_t get_FormatDigital(const Variant& format, Variant* value) = 0;
    virtual int32_t get_FormatProjectorDelays(const Variant& format, Variant* value) = 0;
    virtual int32_t put_FormatProjectorDelays(const Variant& format, const Variant& value) = 0;
    virtual int32_t put_InputMonitoring(const Variant& value) = 0;
    virtual int32_t AbandonChanges() = 0;
    virtual int32_t get_FormatDiscrete(const Variant& format, Variant* value) = 0;
    virtual int32_t put_FormatDiscrete(const Variant& format, const Variant& value) = 0;
};

// The engine's second interface.
class IKVT802 {
  public:
    virtual ~IKVT802() = default;
    // Whether the unit carries the real-time analyser hardware.
    virtual int32_t get_RTAHardwareAvail(VariantBool* value) = 0;
};

// Creates an engine object by programmatic identifier: "KVT80.KVT80", "KVT80.KVT80.1",
// "KVT80CE.KVT80CE" or "KVT80CE.KVT80CE.1" (all make the same engine). Creation runs the engine's
// initialisation (format defaults, settings, worker thread); on failure engine stays empty and
// the initialisation's status is returned. An unknown identifier gives 87.
int32_t CreateEngine(std::string_view progId, std::unique_ptr<IKVT80>& engine);

}  // namespace kvt
