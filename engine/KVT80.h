// KVT80: the engine object behind IKVT80.
//
// It owns the link to the unit, the pending-write lists and the worker thread, and keeps the
// flags that decide what the worker may do (the ready gate: link open and Initialized set). This
// header is the engine's inside: front ends use IKVT80.h; tests and the engine's own parts use
// this one.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "IKVT80.h"
#include "Timings.h"
#include "automation/EventSinks.h"
#include "protocol/Exchange.h"
#include "protocol/Link.h"
#include "protocol/WriteLines.h"
#include "settings.h"

namespace kvt {

// Front-panel values that the worker mirrors to the unit, and the values it last sent.
struct FrontPanelState {
    std::atomic<int32_t> faderLevel{0};
    std::atomic<bool> systemMute{false};
    std::atomic<int32_t> selectedPreamp{0};
    std::atomic<int32_t> mode{0};
    std::atomic<bool> aesEbuError{false};
};

struct FrontPanelTrackers {
    int32_t fader = -1;
    int32_t format = -1;
    int32_t preamp = -1;
    bool mute = false;
};

class KVT80 : public IKVT80 {
  public:
    KVT80();
    ~KVT80() override;

    // Loads the settings and starts the worker; 0 on success.
    int32_t Initialize();

    int32_t Advise(std::shared_ptr<IKVTEvents> sink, uint32_t* cookie) override;
    int32_t Unadvise(uint32_t cookie) override;

    int32_t get_ComPort(Variant* value) override;
    int32_t put_ComPort(const Variant& value) override;
    int32_t get_BitRate(Variant* value) override;
    int32_t put_BitRate(const Variant& value) override;
    int32_t Connect() override;
    int32_t Disconnect() override;
    int32_t get_Connected(Variant* value) override;
    int32_t get_UpdateInputs(Variant* value) override;
    int32_t put_UpdateInputs(const Variant& value) override;
    int32_t Cleanup() override;
    int32_t get_Initialized(VariantBool* value) override;
    int32_t put_Initialized(VariantBool value) override;

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
    std::string LastConnectError() const;

    // Test option: shorter waits so that time-out paths run quickly.
    void SetTimings(const EngineTimings& timings);
    EngineTimings Timings() const;

  private:
    void WorkerLoop();
    void WorkerPass(FrontPanelTrackers& trackers);
    void FollowFrontPanel(FrontPanelTrackers& trackers, bool clearAesEbuError);
    enum class LineOutcome { Sent, Requeued, Dropped };
    LineOutcome SendWriteLine(const LinkLock& lock, const EngineTimings& timings, int block);
    struct TransferReport {
        bool personalityModule;
        bool lineSent;  // a write line went out (else: the transfer is complete)
        int32_t position;
    };
    void RaiseTransferProgress(const TransferReport& report);
    void CommitAfterWrite(const LinkLock& lock, const EngineTimings& timings, int block,
                          bool preampListsHadWrites);
    void ResetSessionState();
    void RaiseUnsolicited(std::string_view chunk);

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
    std::atomic<bool> updateInputs_{true};
    std::atomic<bool> skipOnePass_{false};
    std::atomic<bool> suspended_{false};
    std::atomic<bool> transferPending_{false};
    std::atomic<bool> mmcTransfer_{false};
    std::atomic<bool> terminalLogging_{false};
    std::atomic<int32_t> uploadProgress_{0};
    std::atomic<int32_t> mmcProgress_{0};

    std::mutex stopMutex_;
    std::condition_variable stopSignal_;
    bool stopRequested_ = false;
    std::thread worker_;
};

}  // namespace kvt
