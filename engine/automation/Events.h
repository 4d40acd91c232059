// IKVTEvents: the engine's outgoing events, and the event sink plumbing.
//
// A front end implements IKVTEvents (every handler has an empty default) and connects it with
// IKVT80::Advise. Events are delivered on the thread that raises them: worker events on the
// engine's worker thread, member events on the caller's thread before the member returns,
// TerminalData on the transport's receive thread. Handlers must not block, and must copy any data
// they keep (the SLAUpdate array is reused).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "automation/Variant.h"

namespace kvt {

class IKVTEvents {
  public:
    virtual ~IKVTEvents() = default;

    virtual void ConnectionProgress(int32_t /*State*/, int32_t /*Pos*/, int32_t /*End*/) {}
    virtual void MainFaderUpdated(int32_t /*Level*/) {}
    virtual void InputFormatChanged(int32_t /*Format*/) {}
    virtual void UnitDisappeared() {}
    virtual void DSPSaveProgress(int32_t /*State*/, int32_t /*Pos*/, int32_t /*End*/) {}
    virtual void PICDownloadStateChange(int32_t /*State*/) {}
    virtual void UploadProgress(int32_t /*State*/, int32_t /*Pos*/, int32_t /*End*/) {}
    virtual void InputLevelsUpdated(double /*LeftInput*/, double /*RightInput*/) {}
    virtual void SaveMMCProgress(int32_t /*State*/, int32_t /*Pos*/, int32_t /*End*/) {}
    virtual void SelectedPreampChanged(int32_t /*Preamp*/) {}
    virtual void SLAUpdate(const Variant& /*SLAPackedData*/) {}
    virtual void SystemMuteChanged(VariantBool /*Mute*/) {}
    virtual void SLARunning(VariantBool /*Running*/, VariantBool /*SumAndDif*/) {}
    virtual void SignalGenState(int32_t /*Mode*/, int32_t /*Channels*/) {}
    virtual void ChannelMuteUpdated() {}
    virtual void AESEBUErrorTrigger(VariantBool /*Error*/) {}
    virtual void DSPDownloadStateChange(int32_t /*State*/) {}
    virtual void EventEntry(int32_t /*Date*/, int32_t /*Time*/,
                            const std::u16string& /*Description*/) {}
    virtual void TerminalData(const std::u16string& /*Data*/) {}

    // Not a dispatch event (EventTable leaves it out): where a download stands within its phase
    // (State as PICDownloadStateChange / DSPDownloadStateChange), Done of Total records or words,
    // and, with a final state, Note: empty on success, else what went wrong and what to check.
    // Raised on the download's thread at the start of each phase, about once a second while
    // writing, and just before the final state event.
    virtual void DownloadProgress(int32_t /*State*/, int32_t /*Done*/, int32_t /*Total*/,
                                  const std::u16string& /*Note*/) {}
};

// One row of the event table: the event's name, dispatch identifier and argument types.
struct EventInfo {
    std::string_view name;
    int32_t dispid;
    std::span<const VarType> argumentTypes;
};

// Every event of IKVTEvents, in dispatch-identifier order (0x1 to 0x13).
std::span<const EventInfo> EventTable();
const EventInfo* FindEvent(std::string_view name);  // case-insensitive

// A sink that turns every typed event into one generic call, the way a dispatch-only client
// (a script host) receives events: the event's table row and its arguments as Variants.
class DispatchEventSink : public IKVTEvents {
  public:
    virtual void OnEvent(const EventInfo& event, std::span<const Variant> arguments) = 0;

    void ConnectionProgress(int32_t State, int32_t Pos, int32_t End) override;
    void MainFaderUpdated(int32_t Level) override;
    void InputFormatChanged(int32_t Format) override;
    void UnitDisappeared() override;
    void DSPSaveProgress(int32_t State, int32_t Pos, int32_t End) override;
    void PICDownloadStateChange(int32_t State) override;
    void UploadProgress(int32_t State, int32_t Pos, int32_t End) override;
    void InputLevelsUpdated(double LeftInput, double RightInput) override;
    void SaveMMCProgress(int32_t State, int32_t Pos, int32_t End) override;
    void SelectedPreampChanged(int32_t Preamp) override;
    void SLAUpdate(const Variant& SLAPackedData) override;
    void SystemMuteChanged(VariantBool Mute) override;
    void SLARunning(VariantBool Running, VariantBool SumAndDif) override;
    void SignalGenState(int32_t Mode, int32_t Channels) override;
    void ChannelMuteUpdated() override;
    void AESEBUErrorTrigger(VariantBool Error) override;
    void DSPDownloadStateChange(int32_t State) override;
    void EventEntry(int32_t Date, int32_t Time, const std::u16string& Description) override;
    void TerminalData(const std::u16string& Data) override;

  private:
    void Forward(int32_t dispid, std::span<const Variant> arguments);
};

}  // namespace kvt
