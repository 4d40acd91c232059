#include "automation/Events.h"

#include <array>

#include "automation/Names.h"

namespace kvt {

namespace {

constexpr VarType kNone[] = {VT_EMPTY};
constexpr VarType kProgress[] = {VT_I4, VT_I4, VT_I4};
constexpr VarType kOneInt[] = {VT_I4};
constexpr VarType kTwoInts[] = {VT_I4, VT_I4};
constexpr VarType kTwoDoubles[] = {VT_R8, VT_R8};
constexpr VarType kOneBool[] = {VT_BOOL};
constexpr VarType kTwoBools[] = {VT_BOOL, VT_BOOL};
constexpr VarType kOneVariant[] = {VT_VARIANT};
constexpr VarType kOneString[] = {VT_BSTR};
constexpr VarType kLogEntry[] = {VT_I4, VT_I4, VT_BSTR};

constexpr std::span<const VarType> kNoArguments(kNone, 0);

const std::array<EventInfo, 19> kEvents{{
    {"ConnectionProgress", 0x1, kProgress},
    {"MainFaderUpdated", 0x2, kOneInt},
    {"InputFormatChanged", 0x3, kOneInt},
    {"UnitDisappeared", 0x4, kNoArguments},
    {"DSPSaveProgress", 0x5, kProgress},
    {"PICDownloadStateChange", 0x6, kOneInt},
    {"UploadProgress", 0x7, kProgress},
    {"InputLevelsUpdated", 0x8, kTwoDoubles},
    {"SaveMMCProgress", 0x9, kProgress},
    {"SelectedPreampChanged", 0xa, kOneInt},
    {"SLAUpdate", 0xb, kOneVariant},
    {"SystemMuteChanged", 0xc, kOneBool},
    {"SLARunning", 0xd, kTwoBools},
    {"SignalGenState", 0xe, kTwoInts},
    {"ChannelMuteUpdated", 0xf, kNoArguments},
    {"AESEBUErrorTrigger", 0x10, kOneBool},
    {"DSPDownloadStateChange", 0x11, kOneInt},
    {"EventEntry", 0x12, kLogEntry},
    {"TerminalData", 0x13, kOneString},
}};

}  // namespace

std::span<const EventInfo> EventTable() {
    return kEvents;
}

const EventInfo* FindEvent(std::string_view name) {
    for (const EventInfo& event : kEvents) {
        if (NamesEqual(event.name, name)) {
            return &event;
        }
    }
    return nullptr;
}

void DispatchEventSink::Forward(int32_t dispid, std::span<const Variant> arguments) {
    OnEvent(kEvents.at(static_cast<size_t>(dispid - 1)), arguments);
}

namespace {
std::array<Variant, 3> Ints(int32_t a, int32_t b, int32_t c) {
    return {Variant::Int(a), Variant::Int(b), Variant::Int(c)};
}
}  // namespace

void DispatchEventSink::ConnectionProgress(int32_t State, int32_t Pos, int32_t End) {
    Forward(0x1, Ints(State, Pos, End));
}
void DispatchEventSink::MainFaderUpdated(int32_t Level) {
    const Variant args[] = {Variant::Int(Level)};
    Forward(0x2, args);
}
void DispatchEventSink::InputFormatChanged(int32_t Format) {
    const Variant args[] = {Variant::Int(Format)};
    Forward(0x3, args);
}
void DispatchEventSink::UnitDisappeared() {
    Forward(0x4, {});
}
void DispatchEventSink::DSPSaveProgress(int32_t State, int32_t Pos, int32_t End) {
    Forward(0x5, Ints(State, Pos, End));
}
void DispatchEventSink::PICDownloadStateChange(int32_t State) {
    const Variant args[] = {Variant::Int(State)};
    Forward(0x6, args);
}
void DispatchEventSink::UploadProgress(int32_t State, int32_t Pos, int32_t End) {
    Forward(0x7, Ints(State, Pos, End));
}
void DispatchEventSink::InputLevelsUpdated(double LeftInput, double RightInput) {
    const Variant args[] = {Variant::Double(LeftInput), Variant::Double(RightInput)};
    Forward(0x8, args);
}
void DispatchEventSink::SaveMMCProgress(int32_t State, int32_t Pos, int32_t End) {
    Forward(0x9, Ints(State, Pos, End));
}
void DispatchEventSink::SelectedPreampChanged(int32_t Preamp) {
    const Variant args[] = {Variant::Int(Preamp)};
    Forward(0xa, args);
}
void DispatchEventSink::SLAUpdate(const Variant& SLAPackedData) {
    Forward(0xb, std::span<const Variant>(&SLAPackedData, 1));
}
void DispatchEventSink::SystemMuteChanged(VariantBool Mute) {
    const Variant args[] = {Variant::Bool16(Mute)};
    Forward(0xc, args);
}
void DispatchEventSink::SLARunning(VariantBool Running, VariantBool SumAndDif) {
    const Variant args[] = {Variant::Bool16(Running), Variant::Bool16(SumAndDif)};
    Forward(0xd, args);
}
void DispatchEventSink::SignalGenState(int32_t Mode, int32_t Channels) {
    const Variant args[] = {Variant::Int(Mode), Variant::Int(Channels)};
    Forward(0xe, args);
}
void DispatchEventSink::ChannelMuteUpdated() {
    Forward(0xf, {});
}
void DispatchEventSink::AESEBUErrorTrigger(VariantBool Error) {
    const Variant args[] = {Variant::Bool16(Error)};
    Forward(0x10, args);
}
void DispatchEventSink::DSPDownloadStateChange(int32_t State) {
    const Variant args[] = {Variant::Int(State)};
    Forward(0x11, args);
}
void DispatchEventSink::EventEntry(int32_t Date, int32_t Time, const std::u16string& Description) {
    const Variant args[] = {Variant::Int(Date), Variant::Int(Time), Variant::String(Description)};
    Forward(0x12, args);
}
void DispatchEventSink::TerminalData(const std::u16string& Data) {
    const Variant args[] = {Variant::String(Data)};
    Forward(0x13, args);
}

}  // namespace kvt
