// KVT80: the engine object behind IKVT80.
//
// It owns the link to the unit, the pending-write lists and the worker thread, and keeps the
// flags that decide what the worker may do (the ready gate: link open and Initialized set). This
// header is the engine's inside: front ends use IKVT80.h; tests and the engine's own parts use
// this one.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "IKVT80.h"
#include "Timings.h"
#include "analyser/AnalyserFrame.h"
#include "automation/EventSinks.h"
#include "firmware/DspProgram.h"
#include "firmware/McpImage.h"
#include "image/ImageWrites.h"
#include "image/ParameterImage.h"
#include "log/EventLog.h"
#include "protocol/Exchange.h"
#include "protocol/Link.h"
#include "protocol/WriteLines.h"
#include "settings.h"

namespace kvt {

// The four front-panel values as one record.
struct FrontPanelValues {
    int32_t faderLevel = 0;
    bool systemMute = false;
    int32_t selectedPreamp = 0;
    int32_t mode = 0;
};

// Front-panel values that the worker mirrors to the unit.
struct FrontPanelState {
    FrontPanelValues Values() const {
        return {faderLevel.load(), systemMute.load(), selectedPreamp.load(), mode.load()};
    }

    std::atomic<int32_t> faderLevel{0};
    std::atomic<bool> systemMute{false};
    std::atomic<int32_t> selectedPreamp{0};
    std::atomic<int32_t> mode{0};
    std::atomic<bool> aesEbuError{false};
    // The next pass selects the format even if Mode did not change (the analyser stopped, the
    // generator was switched off).
    std::atomic<bool> forceFormatResend{false};
    // The next format selection uses the refresh form and "formatupdate" instead of reading the
    // fader (the analyser or generator changed the unit's routing).
    std::atomic<bool> analyserFormatRefresh{false};
};

// The worker's own state: the front-panel values it last sent to (or took from) the unit, its
// timers, and the analyser filters and event array it allocates once.
struct WorkerState {
    WorkerState();
    // The trackers take these values: nothing is sent for them.
    void Follow(const FrontPanelValues& values);

    int32_t faderTracker = -1;
    int32_t formatTracker = -1;
    int32_t preampTracker = -1;
    bool muteTracker = false;
    std::chrono::steady_clock::time_point lastLevelRead;  // the read schedule
    std::chrono::steady_clock::time_point lastReadStart;  // when the last read began
    std::chrono::steady_clock::time_point lastWrite;      // a write line or front-panel command
    std::optional<std::chrono::steady_clock::time_point> lastStatusPoll;  // none yet
    bool lineSent = false;  // the last pass sent a write line
    bool readInLastPass = false;
    AnalyserSmoothing smoothing;
    Variant slaData;  // the SLAUpdate array: reused, so receivers copy it
};

// The unit's answer to "status": 42 words and one extra word.
constexpr size_t kUnitStatusWords = 42;
struct UnitStatusTable {
    std::array<uint32_t, kUnitStatusWords> words{};
    uint32_t extra = 0;
};
// Fields 0..41 go to the words, 42..44 to the extra word (the last one present wins); whatever a
// longer answer carries beyond them is not kept.
UnitStatusTable StatusTableOfFields(std::span<const uint32_t> fields);

class KVT80 : public IKVT80, public IKVT802 {
  public:
    KVT80();
    ~KVT80() override;

    // Loads the settings and starts the worker; 0 on success.
    int32_t Initialize();

    // IKVT80, in function-table order.
    int32_t Advise(std::shared_ptr<IKVTEvents> sink, uint32_t* cookie) override;
    int32_t Unadvise(uint32_t cookie) override;
    int32_t get_LeftInputGain(const Variant& projector, double* value) override;
    int32_t put_LeftInputGain(const Variant& projector, double value) override;
    int32_t get_RightInputGain(const Variant& projector, double* value) override;
    int32_t put_RightInputGain(const Variant& projector, double value) override;
    int32_t get_SlitEQ(const Variant& projector, double* value) override;
    int32_t put_SlitEQ(const Variant& projector, double value) override;
    int32_t get_MonoEQ(double* value) override;
    int32_t put_MonoEQ(double value) override;
    int32_t get_Delay(int32_t* value) override;
    int32_t put_Delay(int32_t value) override;
    int32_t get_SurroundGain(double* value) override;
    int32_t put_SurroundGain(double value) override;
    int32_t get_SubwooferGain(double* value) override;
    int32_t put_SubwooferGain(double value) override;
    int32_t get_NonSyncGain(double* value) override;
    int32_t put_NonSyncGain(double value) override;
    int32_t get_Bass(const Variant& channel, double* value) override;
    int32_t put_Bass(const Variant& channel, double value) override;
    int32_t get_Treble(const Variant& channel, double* value) override;
    int32_t put_Treble(const Variant& channel, double value) override;
    int32_t get_EQBand(const Variant& channel, const Variant& band, double* value) override;
    int32_t put_EQBand(const Variant& channel, const Variant& band, double value) override;
    int32_t get_OutputGain(const Variant& channel, double* value) override;
    int32_t put_OutputGain(const Variant& channel, double value) override;
    int32_t get_Mute(const Variant& channel, Variant* value) override;
    int32_t put_Mute(const Variant& channel, const Variant& value) override;
    int32_t get_Invert(const Variant& channel, Variant* value) override;
    int32_t put_Invert(const Variant& channel, const Variant& value) override;
    int32_t get_Mode(Variant* value) override;
    int32_t put_Mode(const Variant& value) override;
    int32_t CopyEQ(const Variant& sourceChannel, const Variant& destinationChannels) override;
    int32_t Save(const Variant& fileName, const Variant& useDefaults) override;
    int32_t Load(const Variant& fileName) override;
    int32_t get_ComPort(Variant* value) override;
    int32_t put_ComPort(const Variant& value) override;
    int32_t get_BitRate(Variant* value) override;
    int32_t put_BitRate(const Variant& value) override;
    int32_t Connect() override;
    int32_t Disconnect() override;
    int32_t get_Connected(Variant* value) override;
    int32_t EnterCommandInterpreter() override;
    int32_t UnitStatus() override;
    int32_t QueryZVQ() override;
    int32_t QueryEQ() override;
    int32_t QueryFrontPanel() override;
    int32_t QueryKVT() override;
    int32_t get_FormatCode(const Variant& format, std::u16string* value) override;
    int32_t put_FormatCode(const Variant& format, const std::u16string& value) override;
    int32_t get_FormatTxt1(const Variant& format, std::u16string* value) override;
    int32_t put_FormatTxt1(const Variant& format, const std::u16string& value) override;
    int32_t get_FormatTxt2(const Variant& format, std::u16string* value) override;
    int32_t put_FormatTxt2(const Variant& format, const std::u16string& value) override;
    int32_t get_FormatP1(const Variant& format, Variant* value) override;
    int32_t put_FormatP1(const Variant& format, const Variant& value) override;
    int32_t get_FormatP2(const Variant& format, Variant* value) override;
    int32_t put_FormatP2(const Variant& format, const Variant& value) override;
    int32_t get_FormatAux(const Variant& format, Variant* value) override;
    int32_t put_FormatAux(const Variant& format, const Variant& value) override;
    int32_t get_FormatMic(const Variant& format, Variant* value) override;
    int32_t put_FormatMic(const Variant& format, const Variant& value) override;
    int32_t get_FormatNS(const Variant& format, Variant* value) override;
    int32_t put_FormatNS(const Variant& format, const Variant& value) override;
    int32_t get_FormatAnalog(const Variant& format, Variant* value) override;
    int32_t put_FormatAnalog(const Variant& format, const Variant& value) override;
    int32_t get_FormatSlitEQ(const Variant& format, Variant* value) override;
    int32_t put_FormatSlitEQ(const Variant& format, const Variant& value) override;
    int32_t get_FormatMonoEQ(const Variant& format, Variant* value) override;
    int32_t put_FormatMonoEQ(const Variant& format, const Variant& value) override;
    int32_t get_FormatNR(const Variant& format, Variant* value) override;
    int32_t put_FormatNR(const Variant& format, const Variant& value) override;
    int32_t get_FormatMatrix(const Variant& format, Variant* value) override;
    int32_t put_FormatMatrix(const Variant& format, const Variant& value) override;
    int32_t get_FormatSlot(const Variant& format, Variant* value) override;
    int32_t put_FormatSlot(const Variant& format, const Variant& value) override;
    int32_t get_FormatSPDIFF(const Variant& format, Variant* value) override;
    int32_t put_FormatSPDIFF(const Variant& format, const Variant& value) override;
    int32_t get_FormatLevel(const Variant& format, int32_t* value) override;
    int32_t put_FormatLevel(const Variant& format, int32_t value) override;
    int32_t get_PowerOnFormat(int32_t* value) override;
    int32_t put_PowerOnFormat(int32_t value) override;
    int32_t get_MicPhase(const Variant& format, int32_t* value) override;
    int32_t put_MicPhase(const Variant& format, int32_t value) override;
    int32_t get_FormatCount(int32_t* value) override;
    int32_t put_FormatCount(int32_t value) override;
    int32_t get_ButtonFormat(const Variant& button, int32_t* value) override;
    int32_t put_ButtonFormat(const Variant& button, int32_t value) override;
    int32_t get_SerialNumber(Variant* value) override;
    int32_t put_SerialNumber(const Variant& value) override;
    int32_t get_DigitalPlayer1(Variant* value) override;
    int32_t put_DigitalPlayer1(const Variant& value) override;
    int32_t get_DigitalPlayer2(Variant* value) override;
    int32_t put_DigitalPlayer2(const Variant& value) override;
    int32_t get_ProjectName(Variant* value) override;
    int32_t put_ProjectName(const Variant& value) override;
    int32_t get_TheaterName(Variant* value) override;
    int32_t put_TheaterName(const Variant& value) override;
    int32_t get_ScreenNumber(Variant* value) override;
    int32_t put_ScreenNumber(const Variant& value) override;
    int32_t get_ProjectorModel(Variant* value) override;
    int32_t put_ProjectorModel(const Variant& value) override;
    int32_t get_AutomationSystem(Variant* value) override;
    int32_t put_AutomationSystem(const Variant& value) override;
    int32_t get_Comments(Variant* value) override;
    int32_t put_Comments(const Variant& value) override;
    int32_t get_FaderLevel(int32_t* value) override;
    int32_t put_FaderLevel(int32_t value) override;
    int32_t get_SystemMute(Variant* value) override;
    int32_t put_SystemMute(const Variant& value) override;
    int32_t SaveKVTParameters() override;
    int32_t SaveZVQParameters() override;
    int32_t SaveEQParameters() override;
    int32_t ParseHexFile(const std::u16string& fileName) override;
    int32_t DownloadToPIC() override;
    int32_t get_PICVersion(Variant* value) override;
    int32_t get_MatrixVersion(Variant* value) override;
    int32_t get_NRVersion(Variant* value) override;
    int32_t get_EQVersion(Variant* value) override;
    int32_t get_COMVersion(Variant* value) override;
    int32_t SaveMMC(const Variant& block) override;
    int32_t get_UpdateInputs(Variant* value) override;
    int32_t put_UpdateInputs(const Variant& value) override;
    int32_t get_LeftAuxGain(double* value) override;
    int32_t put_LeftAuxGain(double value) override;
    int32_t get_RightAuxGain(double* value) override;
    int32_t put_RightAuxGain(double value) override;
    int32_t get_LeftMicGain(double* value) override;
    int32_t put_LeftMicGain(double value) override;
    int32_t get_RightMicGain(double* value) override;
    int32_t put_RightMicGain(double value) override;
    int32_t get_SelectedPreamp(Variant* value) override;
    int32_t put_SelectedPreamp(const Variant& value) override;
    int32_t get_SubwooferFreq(double* value) override;
    int32_t put_SubwooferFreq(double value) override;
    int32_t get_TerminalLogging(Variant* value) override;
    int32_t put_TerminalLogging(const Variant& value) override;
    int32_t get_TerminalLogFilename(Variant* value) override;
    int32_t WriteStringDirect(const std::u16string& text) override;
    int32_t get_SubParametricFreq(double* value) override;
    int32_t put_SubParametricFreq(double value) override;
    int32_t get_SubParametricQ(double* value) override;
    int32_t put_SubParametricQ(double value) override;
    int32_t get_SubParametricGain(double* value) override;
    int32_t put_SubParametricGain(double value) override;
    int32_t StartSLA() override;
    int32_t StopSLA() override;
    int32_t get_SLASumAndDiff(VariantBool* value) override;
    int32_t put_SLASumAndDiff(VariantBool value) override;
    int32_t get_GeneratorMode(Variant* value) override;
    int32_t put_GeneratorMode(const Variant& value) override;
    int32_t get_GeneratorChannels(Variant* value) override;
    int32_t put_GeneratorChannels(const Variant& value) override;
    int32_t get_SLARunning(VariantBool* value) override;
    int32_t get_SignalGenLevel(Variant* value) override;
    int32_t put_SignalGenLevel(const Variant& value) override;
    int32_t get_DigitalSurroundDelay(Variant* value) override;
    int32_t put_DigitalSurroundDelay(const Variant& value) override;
    int32_t get_HeadroomAdjust(int32_t* value) override;
    int32_t put_HeadroomAdjust(int32_t value) override;
    int32_t get_DigitalFallbackMode(int32_t* value) override;
    int32_t put_DigitalFallbackMode(int32_t value) override;
    int32_t get_InputConfig(int32_t* value) override;
    int32_t put_InputConfig(int32_t value) override;
    int32_t get_DigitalInputDelay(Variant* value) override;
    int32_t put_DigitalInputDelay(const Variant& value) override;
    int32_t get_OutputPICVersion(Variant* value) override;
    int32_t get_ProcessorPICVersion(Variant* value) override;
    int32_t Cleanup() override;
    int32_t Verify(Variant* dsp) override;
    int32_t DownloadToDSP(const Variant& card, const Variant& dsp,
                          const Variant& fileName) override;
    int32_t QueryEventLog() override;
    int32_t get_ConfigFileDirty(Variant* value) override;
    int32_t GetConfigurationPreview(const Variant& fileName, Variant* digitalPlayer1,
                                    Variant* digitalPlayer2, Variant* projectName,
                                    Variant* theaterName, Variant* screenNumber,
                                    Variant* projectorModel, Variant* automationSystem,
                                    Variant* comments) override;
    int32_t get_Initialized(VariantBool* value) override;
    int32_t put_Initialized(VariantBool value) override;
    int32_t SyncEventLogDT() override;
    int32_t get_KP80Present(VariantBool* value) override;
    int32_t put_Production(VariantBool value) override;
    int32_t ClearLog() override;
    int32_t get_FormatAESEBU(const Variant& format, Variant* value) override;
    int32_t put_FormatAESEBU(const Variant& format, const Variant& value) override;
    int32_t get_UnitDate(std::u16string* value) override;
    int32_t put_UnitDate(const std::u16string& value) override;
    int32_t get_UnitTime(std::u16string* value) override;
    int32_t put_UnitTime(const std::u16string& value) override;
    int32_t NRVersions(Variant* first, Variant* second) override;
    int32_t EQVersions(Variant* first, Variant* second) override;
    int32_t get_RemoteAddress(std::u16string* value) override;
    int32_t put_RemoteAddress(const std::u16string& value) override;
    int32_t get_FormatOutputMask(const Variant& format, int32_t* value) override;
    int32_t put_FormatOutputMask(const Variant& format, int32_t value) override;
    int32_t get_FormatDigital(const Variant& format, Variant* value) override;
    int32_t get_FormatProjectorDelays(const Variant& format, Variant* value) override;
    int32_t put_FormatProjectorDelays(const Variant& format, const Variant& value) override;
    int32_t put_InputMonitoring(const Variant& value) override;
    int32_t AbandonChanges() override;
    int32_t get_FormatDiscrete(const Variant& format, Variant* value) override;
    int32_t put_FormatDiscrete(const Variant& format, const Variant& value) override;

    // IKVT802.
    int32_t get_RTAHardwareAvail(VariantBool* value) override;

    // ---- Inside the engine -------------------------------------------------------------------

    // The parameter-write operation: queues (block, address, raw word) for the worker.
    void QueueParameterWrite(int block, uint32_t address, uint32_t raw);
    const PendingWrites& Pending() const { return pending_; }

    // Bulk transfers (applying a configuration, the personality-module save) queue their writes
    // and then call this: the worker reports progress after each write line and completion when
    // every list is empty.
    void BeginTransfer(bool personalityModule);

    // Runs `procedure` on the calling thread with the link to itself: the worker's exchange in
    // flight ends first, and the worker stays off the line until the procedure returns. The
    // procedure must not raise events (a sink may call back into the engine): collect them and
    // raise them after WithLink returns.
    template <typename Procedure>
    auto WithLink(Procedure&& procedure) {
        const EngineTimings timings = Timings();
        LinkLock lock = link_.Lock();
        return procedure(link_, lock, timings);
    }

    // One exchange on the caller's thread (used by tests and by members that ask the unit).
    ExchangeResult CallerExchange(std::string_view line);

    PromptSelection CurrentSelection();

    // Passes the worker has finished (tests wait for a pass to have seen a change of state).
    uint64_t WorkerPasses() const { return workerPasses_.load(); }

    // A copy of the parameter image, and the laptop front end's input-monitoring flag.
    ParameterImage Image() const;
    bool InputMonitoring() const { return inputMonitoring_.load(); }
    std::string LastConnectError() const;

    // The fields of the last "status" answer (UnitStatus), and the unit's clock as the status poll
    // last read it.
    UnitStatusTable LastUnitStatus() const;

    // Test option: shorter waits so that time-out paths run quickly.
    void SetTimings(const EngineTimings& timings);
    EngineTimings Timings() const;

  private:
    // Shared patterns of the parameter members (parameters.cpp).
    int32_t GetParameter(Param param, ParameterIndex at, double* value);
    int32_t GetParameter(Param param, ParameterIndex at, int32_t* value);
    int32_t GetParameter(Param param, Variant* value);
    int32_t PutParameter(Param param, ParameterIndex at, double value);
    int32_t GetChannelFlag(const Variant& channel, bool mute, Variant* value);
    int32_t PutChannelFlag(const Variant& channel, bool mute, const Variant& value);
    void QueueValueLocked(Param param, ParameterIndex at);
    void QueueDelayWordsLocked(bool inputDelay);
    void MarkDirty();

    // Format table and profile (formats.cpp).
    template <typename T, typename Read>
    int32_t ReadFormat(const Variant& format, T* value, Read&& read);
    template <typename Edit>
    int32_t EditFormat(const Variant& format, Edit&& edit);
    int32_t GetFormatFlag(const Variant& format, uint16_t bit, Variant* value);
    int32_t PutFormatFlag(const Variant& format, uint16_t bit, const Variant& value);
    int32_t PutFormatLowBit(const Variant& format, uint16_t bit, int32_t value);
    int32_t GetFormatText(const Variant& format, RecordText field, std::u16string* value);
    int32_t PutFormatText(const Variant& format, RecordText field, const std::u16string& value);
    void QueueFormatRecordLocked(int format);
    void QueueEepromLocked(uint32_t firstAddress, const std::vector<uint8_t>& bytes);
    int32_t GetProfileText(ProfileField field, Variant* value);
    int32_t PutProfileText(ProfileField field, const Variant& value);
    int32_t GetVersion(std::string VersionTexts::*text, Variant* value);

    // Retrieval (retrieval.cpp).
    void RaiseConnectionProgress(int32_t state);
    template <typename Read>
    auto RetrievalStep(int32_t state, Read&& read);
    template <typename Read, typename Take>
    int32_t ReadStep(int32_t state, Read&& read, Take&& take);
    int32_t ReadParameterStep(int32_t state, Param param, ParameterIndex at = {});
    int32_t ReadVersion(int page, int unit, uint32_t address, uint32_t altAddress,
                        uint32_t threshold, std::string& text);
    int32_t ReadRegionStep(int32_t state, int channel);
    int32_t ReadAnalyserState();
    int32_t ReadFormatTable(int32_t state);
    int32_t ReadProfile();

    // Configuration files and applying the image (configfile.cpp). ApplyImageToUnit queues every
    // word of the image (not the serial number) while the worker is held off, raises the
    // transfer's first progress event and marks the transfer pending; nothing without a link.
    void ApplyImageToUnit();
    AnalyserRouting RoutingOfLocked(const ParameterImage& image) const;

    // Storing in the unit and the personality module (store.cpp).
    int32_t SaveExchange(Link& link, const LinkLock& lock, const EngineTimings& timings);
    int32_t OpenCard(Link& link, const LinkLock& lock, const EngineTimings& timings);
    int32_t CloseCard(Link& link, const LinkLock& lock, const EngineTimings& timings);
    void RaiseSaveProgress(int32_t state);

    // Analyser and generator (analyser.cpp).
    void WriteRoutingWordLocked(bool running, bool sumAndDiff);
    void SetStereoNoiseReductionLocked(int32_t stereo, int32_t stereoSR);
    void StartAnalyserLocked();
    void WriteGeneratorWordsLocked(int32_t mode, int32_t channels, bool withFrequency);
    void RestoreSavedFormat();
    void RaiseSLARunning(bool running, bool sumAndDiff);
    void RaiseSignalGenState(int32_t mode, int32_t channels);
    void RaiseInputFormatChanged(int32_t format);

    // What one worker pass has to tell the sinks once it has let go of the link.
    struct TransferReport {
        bool personalityModule;
        bool lineSent;  // a write line went out (else: the transfer is complete)
        int32_t position;
    };
    struct PassEvents {
        std::optional<int32_t> faderLevel;
        std::optional<TransferReport> transfer;
        std::optional<bool> systemMute;
        std::optional<bool> aesEbuError;
        std::optional<AnalyserLevels> levels;
        bool unitDisappeared = false;
        std::vector<LogEntry> logEntries;
    };

    void WorkerLoop();
    void WorkerPass(WorkerState& state);
    void FollowFrontPanel(WorkerState& state, bool clearAesEbuError);
    void RaisePassEvents(const PassEvents& events, const WorkerState& state);

    // The worker's front-panel steps and polls (frontpanel.cpp).
    void FrontPanelSteps(const LinkLock& lock, const EngineTimings& timings, WorkerState& state,
                         PassEvents& events);
    void SelectFormat(const LinkLock& lock, const EngineTimings& timings, WorkerState& state,
                      PassEvents& events);
    void PollStatus(const LinkLock& lock, const EngineTimings& timings, bool muteSent,
                    PassEvents& events);
    void ReadClock(const LinkLock& lock, const EngineTimings& timings);
    void ReadLevels(const LinkLock& lock, const EngineTimings& timings, WorkerState& state,
                    PassEvents& events);
    void Poll(const LinkLock& lock, const EngineTimings& timings, WorkerState& state,
              PassEvents& events);

    // The event log and clock requests, served by the worker (eventlog.cpp).
    void ServeLogRequests(const LinkLock& lock, const EngineTimings& timings, PassEvents& events);
    int32_t PutClockText(const std::u16string& value, std::string& text,
                         std::optional<std::string>& toSend);
    enum class LineOutcome { Sent, Requeued, Dropped, Unanswered };
    LineOutcome SendWriteLine(const LinkLock& lock, const EngineTimings& timings, int block);
    void RaiseTransferProgress(const TransferReport& report);
    void CommitAfterWrite(const LinkLock& lock, const EngineTimings& timings, int block,
                          bool preampListsHadWrites);
    void ResetSessionState();
    // The ready gate opens. The worker's trackers start from the values the unit holds: those a
    // retrieval read (SetTrackerStart) when no ready pass has taken them yet, else the properties
    // as they stand now, which a closed gate has been following. Nothing a caller puts after the
    // gate opened is taken for the unit's value.
    void OpenGate();
    // The gate closes for the worker to follow the properties: a start not yet taken is dropped.
    void CloseGate();
    void SetTrackerStart(const FrontPanelValues& unitValues);
    std::optional<FrontPanelValues> TakeTrackerStart();
    void RaiseUnsolicited(std::string_view chunk);

    // Downloads (download.cpp): opened on the caller's thread, run on download_.
    enum class DownloadKind { Controller, Processor };
    int32_t StartDownload();
    void RunControllerDownload(const ControllerImages& images);
    void RunProcessorDownload(int card, int dsp, const std::string& path);
    std::optional<DspProgram> ReadProgramFor(int card, int dsp, const std::string& path,
                                             std::string& reason);
    void EnterDownloadPhase(DownloadKind kind, int32_t state, size_t total);
    void RaiseDownloadState(DownloadKind kind, int32_t state);
    void RaiseDownloadProgress(int32_t state, size_t done, size_t total, const std::string& note);
    void FinishDownload(DownloadKind kind, int32_t state, const std::string& note);

    mutable std::mutex timingsMutex_;
    EngineTimings timings_;
    ConnectionSettings settings_;
    mutable std::mutex settingsMutex_;
    std::u16string remoteAddress_;  // the unit's network address for the "TCP/IP" port
    std::string lastConnectError_;

    Link link_;
    PendingWrites pending_;
    EventSinks sinks_;
    FrontPanelState frontPanel_;

    std::atomic<bool> initialized_{false};
    // Where the trackers start at the next ready pass (see OpenGate).
    std::mutex trackerStartMutex_;
    std::optional<FrontPanelValues> trackerStart_;
    std::atomic<bool> updateInputs_{true};
    std::atomic<bool> skipOnePass_{false};
    std::atomic<bool> suspended_{false};
    std::atomic<bool> storing_{false};  // SaveKVTParameters holds the worker off
    std::atomic<bool> transferPending_{false};
    std::atomic<bool> mmcTransfer_{false};
    std::atomic<bool> terminalLogging_{false};
    std::atomic<int32_t> uploadProgress_{0};
    std::atomic<int32_t> mmcProgress_{0};
    std::atomic<uint64_t> workerPasses_{0};

    // The parameter image and what goes with it; puts, gets and the retrieval take imageMutex_.
    mutable std::mutex imageMutex_;
    ParameterImage image_ = FactoryImage();
    VersionTexts versions_;
    std::optional<ParameterImage> retrievedImage_;  // as the last complete retrieval left it
    bool retrievedDirty_ = false;
    std::atomic<bool> configDirty_{false};
    std::atomic<int32_t> progressCounter_{1};
    std::atomic<int32_t> saveProgress_{0};  // DSPSaveProgress position

    // Analyser and generator state as the unit reported it at connection.
    std::atomic<bool> slaRunning_{false};
    std::atomic<bool> sumAndDiff_{false};
    std::atomic<int32_t> generatorMode_{0};
    std::atomic<int32_t> generatorChannels_{0};
    std::atomic<bool> keepFormat_{false};
    std::atomic<bool> inputMonitoring_{false};
    // The format in play when the analyser or generator took over; -1 when none is kept.
    std::atomic<int32_t> savedFormat_{-1};

    // The image files of the firmware last parsed, for the controller download.
    std::mutex firmwareMutex_;
    std::array<std::string, 4> firmwareImages_;

    // The last "status" answer and the unit's clock texts (YYMMDD, HHMMSS): the texts last put or
    // read. A put text also waits in dateToSend_/timeToSend_ until the clock set takes it, and a
    // clock read does not replace a text that waits, so the set always sends what was put.
    mutable std::mutex unitMutex_;
    UnitStatusTable unitStatus_;
    std::string unitDate_;
    std::string unitTime_;
    std::optional<std::string> dateToSend_;
    std::optional<std::string> timeToSend_;

    // Requests the worker serves while the unit is ready, in this order.
    std::atomic<bool> logDumpRequest_{false};
    std::atomic<bool> clockSetRequest_{false};
    std::atomic<bool> logClearRequest_{false};

    // The download in progress (or ended and not yet joined); Disconnect and Cleanup stop it.
    std::thread download_;
    std::atomic<bool> downloadCancel_{false};

    std::mutex stopMutex_;
    std::condition_variable stopSignal_;  // also wakes the worker for a queued write
    bool stopRequested_ = false;
    bool workQueued_ = false;
    std::thread worker_;
};

}  // namespace kvt
