#include "automation/DispatchTable.h"

#include <algorithm>

#include "automation/Names.h"

namespace kvt {

size_t MemberInfo::InCount() const {
    return static_cast<size_t>(
        std::count_if(params.begin(), params.end(), [](const ParamInfo& p) { return !p.out; }));
}

size_t MemberInfo::OutCount() const {
    return params.size() - InCount();
}

namespace {

using K = MemberKind;

// Function-table order of IKVT80; a property's get row precedes its put row.
std::vector<MemberInfo> BuildTable() {
    return {
        Row("LeftInputGain", 0x1, K::Get, &IKVT80::get_LeftInputGain),
        Row("LeftInputGain", 0x1, K::Put, &IKVT80::put_LeftInputGain),
        Row("RightInputGain", 0x2, K::Get, &IKVT80::get_RightInputGain),
        Row("RightInputGain", 0x2, K::Put, &IKVT80::put_RightInputGain),
        Row("SlitEQ", 0x3, K::Get, &IKVT80::get_SlitEQ),
        Row("SlitEQ", 0x3, K::Put, &IKVT80::put_SlitEQ),
        Row("MonoEQ", 0x4, K::Get, &IKVT80::get_MonoEQ),
        Row("MonoEQ", 0x4, K::Put, &IKVT80::put_MonoEQ),
        Row("Delay", 0x5, K::Get, &IKVT80::get_Delay),
        Row("Delay", 0x5, K::Put, &IKVT80::put_Delay),
        Row("SurroundGain", 0x6, K::Get, &IKVT80::get_SurroundGain),
        Row("SurroundGain", 0x6, K::Put, &IKVT80::put_SurroundGain),
        Row("SubwooferGain", 0x7, K::Get, &IKVT80::get_SubwooferGain),
        Row("SubwooferGain", 0x7, K::Put, &IKVT80::put_SubwooferGain),
        Row("NonSyncGain", 0x8, K::Get, &IKVT80::get_NonSyncGain),
        Row("NonSyncGain", 0x8, K::Put, &IKVT80::put_NonSyncGain),
        Row("Bass", 0xb, K::Get, &IKVT80::get_Bass),
        Row("Bass", 0xb, K::Put, &IKVT80::put_Bass),
        Row("Treble", 0xc, K::Get, &IKVT80::get_Treble),
        Row("Treble", 0xc, K::Put, &IKVT80::put_Treble),
        Row("EQBand", 0xd, K::Get, &IKVT80::get_EQBand),
        Row("EQBand", 0xd, K::Put, &IKVT80::put_EQBand),
        Row("OutputGain", 0xe, K::Get, &IKVT80::get_OutputGain),
        Row("OutputGain", 0xe, K::Put, &IKVT80::put_OutputGain),
        Row("Mute", 0xf, K::Get, &IKVT80::get_Mute),
        Row("Mute", 0xf, K::Put, &IKVT80::put_Mute),
        Row("Invert", 0x10, K::Get, &IKVT80::get_Invert),
        Row("Invert", 0x10, K::Put, &IKVT80::put_Invert),
        Row("Mode", 0x12, K::Get, &IKVT80::get_Mode),
        Row("Mode", 0x12, K::Put, &IKVT80::put_Mode),
        Row("CopyEQ", 0x13, K::Method, &IKVT80::CopyEQ),
        Row("Save", 0x14, K::Method, &IKVT80::Save),
        Row("Load", 0x15, K::Method, &IKVT80::Load),
        Row("ComPort", 0x16, K::Get, &IKVT80::get_ComPort),
        Row("ComPort", 0x16, K::Put, &IKVT80::put_ComPort),
        Row("BitRate", 0x17, K::Get, &IKVT80::get_BitRate),
        Row("BitRate", 0x17, K::Put, &IKVT80::put_BitRate),
        Row("Connect", 0x18, K::Method, &IKVT80::Connect),
        Row("Disconnect", 0x19, K::Method, &IKVT80::Disconnect),
        Row("Connected", 0x1a, K::Get, &IKVT80::get_Connected),
        Row("EnterCommandInterpreter", 0x1b, K::Method, &IKVT80::EnterCommandInterpreter),
        Row("UnitStatus", 0x1c, K::Method, &IKVT80::UnitStatus),
        Row("QueryZVQ", 0x1d, K::Method, &IKVT80::QueryZVQ),
        Row("QueryEQ", 0x1e, K::Method, &IKVT80::QueryEQ),
        Row("QueryFrontPanel", 0x1f, K::Method, &IKVT80::QueryFrontPanel),
        Row("QueryKVT", 0x20, K::Method, &IKVT80::QueryKVT),
        Row("FormatCode", 0x21, K::Get, &IKVT80::get_FormatCode),
        Row("FormatCode", 0x21, K::Put, &IKVT80::put_FormatCode),
        Row("FormatTxt1", 0x22, K::Get, &IKVT80::get_FormatTxt1),
        Row("FormatTxt1", 0x22, K::Put, &IKVT80::put_FormatTxt1),
        Row("FormatTxt2", 0x23, K::Get, &IKVT80::get_FormatTxt2),
        Row("FormatTxt2", 0x23, K::Put, &IKVT80::put_FormatTxt2),
        Row("FormatP1", 0x24, K::Get, &IKVT80::get_FormatP1),
        Row("FormatP1", 0x24, K::Put, &IKVT80::put_FormatP1),
        Row("FormatP2", 0x25, K::Get, &IKVT80::get_FormatP2),
        Row("FormatP2", 0x25, K::Put, &IKVT80::put_FormatP2),
        Row("FormatAux", 0x26, K::Get, &IKVT80::get_FormatAux),
        Row("FormatAux", 0x26, K::Put, &IKVT80::put_FormatAux),
        Row("FormatMic", 0x27, K::Get, &IKVT80::get_FormatMic),
        Row("FormatMic", 0x27, K::Put, &IKVT80::put_FormatMic),
        Row("FormatNS", 0x28, K::Get, &IKVT80::get_FormatNS),
        Row("FormatNS", 0x28, K::Put, &IKVT80::put_FormatNS),
        Row("FormatAnalog", 0x29, K::Get, &IKVT80::get_FormatAnalog),
        Row("FormatAnalog", 0x29, K::Put, &IKVT80::put_FormatAnalog),
        Row("FormatSlitEQ", 0x2a, K::Get, &IKVT80::get_FormatSlitEQ),
        Row("FormatSlitEQ", 0x2a, K::Put, &IKVT80::put_FormatSlitEQ),
        Row("FormatMonoEQ", 0x2b, K::Get, &IKVT80::get_FormatMonoEQ),
        Row("FormatMonoEQ", 0x2b, K::Put, &IKVT80::put_FormatMonoEQ),
        Row("FormatNR", 0x2c, K::Get, &IKVT80::get_FormatNR),
        Row("FormatNR", 0x2c, K::Put, &IKVT80::put_FormatNR),
        Row("FormatMatrix", 0x2d, K::Get, &IKVT80::get_FormatMatrix),
        Row("FormatMatrix", 0x2d, K::Put, &IKVT80::put_FormatMatrix),
        Row("FormatSlot", 0x2e, K::Get, &IKVT80::get_FormatSlot),
        Row("FormatSlot", 0x2e, K::Put, &IKVT80::put_FormatSlot),
        Row("FormatSPDIFF", 0x2f, K::Get, &IKVT80::get_FormatSPDIFF),
        Row("FormatSPDIFF", 0x2f, K::Put, &IKVT80::put_FormatSPDIFF),
        Row("FormatLevel", 0x30, K::Get, &IKVT80::get_FormatLevel),
        Row("FormatLevel", 0x30, K::Put, &IKVT80::put_FormatLevel),
        Row("PowerOnFormat", 0x31, K::Get, &IKVT80::get_PowerOnFormat),
        Row("PowerOnFormat", 0x31, K::Put, &IKVT80::put_PowerOnFormat),
        Row("MicPhase", 0x32, K::Get, &IKVT80::get_MicPhase),
        Row("MicPhase", 0x32, K::Put, &IKVT80::put_MicPhase),
        Row("FormatCount", 0x33, K::Get, &IKVT80::get_FormatCount),
        Row("FormatCount", 0x33, K::Put, &IKVT80::put_FormatCount),
        Row("ButtonFormat", 0x34, K::Get, &IKVT80::get_ButtonFormat),
        Row("ButtonFormat", 0x34, K::Put, &IKVT80::put_ButtonFormat),
        Row("SerialNumber", 0x35, K::Get, &IKVT80::get_SerialNumber),
        Row("SerialNumber", 0x35, K::Put, &IKVT80::put_SerialNumber),
        Row("DigitalPlayer1", 0x36, K::Get, &IKVT80::get_DigitalPlayer1),
        Row("DigitalPlayer1", 0x36, K::Put, &IKVT80::put_DigitalPlayer1),
        Row("DigitalPlayer2", 0x37, K::Get, &IKVT80::get_DigitalPlayer2),
        Row("DigitalPlayer2", 0x37, K::Put, &IKVT80::put_DigitalPlayer2),
        Row("ProjectName", 0x38, K::Get, &IKVT80::get_ProjectName),
        Row("ProjectName", 0x38, K::Put, &IKVT80::put_ProjectName),
        Row("TheaterName", 0x39, K::Get, &IKVT80::get_TheaterName),
        Row("TheaterName", 0x39, K::Put, &IKVT80::put_TheaterName),
        Row("ScreenNumber", 0x3a, K::Get, &IKVT80::get_ScreenNumber),
        Row("ScreenNumber", 0x3a, K::Put, &IKVT80::put_ScreenNumber),
        Row("ProjectorModel", 0x3b, K::Get, &IKVT80::get_ProjectorModel),
        Row("ProjectorModel", 0x3b, K::Put, &IKVT80::put_ProjectorModel),
        Row("AutomationSystem", 0x3c, K::Get, &IKVT80::get_AutomationSystem),
        Row("AutomationSystem", 0x3c, K::Put, &IKVT80::put_AutomationSystem),
        Row("Comments", 0x3d, K::Get, &IKVT80::get_Comments),
        Row("Comments", 0x3d, K::Put, &IKVT80::put_Comments),
        Row("FaderLevel", 0x3f, K::Get, &IKVT80::get_FaderLevel),
        Row("FaderLevel", 0x3f, K::Put, &IKVT80::put_FaderLevel),
        Row("SystemMute", 0x40, K::Get, &IKVT80::get_SystemMute),
        Row("SystemMute", 0x40, K::Put, &IKVT80::put_SystemMute),
        Row("SaveKVTParameters", 0x41, K::Method, &IKVT80::SaveKVTParameters),
        Row("SaveZVQParameters", 0x42, K::Method, &IKVT80::SaveZVQParameters),
        Row("SaveEQParameters", 0x43, K::Method, &IKVT80::SaveEQParameters),
        Row("ParseHexFile", 0x44, K::Method, &IKVT80::ParseHexFile),
        Row("DownloadToPIC", 0x45, K::Method, &IKVT80::DownloadToPIC),
        Row("PICVersion", 0x46, K::Get, &IKVT80::get_PICVersion),
        Row("MatrixVersion", 0x47, K::Get, &IKVT80::get_MatrixVersion),
        Row("NRVersion", 0x48, K::Get, &IKVT80::get_NRVersion),
        Row("EQVersion", 0x49, K::Get, &IKVT80::get_EQVersion),
        Row("COMVersion", 0x4a, K::Get, &IKVT80::get_COMVersion),
        Row("SaveMMC", 0x4b, K::Method, &IKVT80::SaveMMC),
        Row("UpdateInputs", 0x4c, K::Get, &IKVT80::get_UpdateInputs),
        Row("UpdateInputs", 0x4c, K::Put, &IKVT80::put_UpdateInputs),
        Row("LeftAuxGain", 0x4d, K::Get, &IKVT80::get_LeftAuxGain),
        Row("LeftAuxGain", 0x4d, K::Put, &IKVT80::put_LeftAuxGain),
        Row("RightAuxGain", 0x4e, K::Get, &IKVT80::get_RightAuxGain),
        Row("RightAuxGain", 0x4e, K::Put, &IKVT80::put_RightAuxGain),
        Row("LeftMicGain", 0x4f, K::Get, &IKVT80::get_LeftMicGain),
        Row("LeftMicGain", 0x4f, K::Put, &IKVT80::put_LeftMicGain),
        Row("RightMicGain", 0x50, K::Get, &IKVT80::get_RightMicGain),
        Row("RightMicGain", 0x50, K::Put, &IKVT80::put_RightMicGain),
        Row("SelectedPreamp", 0x51, K::Get, &IKVT80::get_SelectedPreamp),
        Row("SelectedPreamp", 0x51, K::Put, &IKVT80::put_SelectedPreamp),
        Row("SubwooferFreq", 0x52, K::Get, &IKVT80::get_SubwooferFreq),
        Row("SubwooferFreq", 0x52, K::Put, &IKVT80::put_SubwooferFreq),
        Row("TerminalLogging", 0x53, K::Get, &IKVT80::get_TerminalLogging),
        Row("TerminalLogging", 0x53, K::Put, &IKVT80::put_TerminalLogging),
        Row("TerminalLogFilename", 0x54, K::Get, &IKVT80::get_TerminalLogFilename),
        Row("WriteStringDirect", 0x55, K::Method, &IKVT80::WriteStringDirect),
        Row("SubParametricFreq", 0x56, K::Get, &IKVT80::get_SubParametricFreq),
        Row("SubParametricFreq", 0x56, K::Put, &IKVT80::put_SubParametricFreq),
        Row("SubParametricQ", 0x57, K::Get, &IKVT80::get_SubParametricQ),
        Row("SubParametricQ", 0x57, K::Put, &IKVT80::put_SubParametricQ),
        Row("SubParametricGain", 0x58, K::Get, &IKVT80::get_SubParametricGain),
        Row("SubParametricGain", 0x58, K::Put, &IKVT80::put_SubParametricGain),
        Row("StartSLA", 0x59, K::Method, &IKVT80::StartSLA),
        Row("StopSLA", 0x5a, K::Method, &IKVT80::StopSLA),
        Row("SLASumAndDiff", 0x5b, K::Get, &IKVT80::get_SLASumAndDiff),
        Row("SLASumAndDiff", 0x5b, K::Put, &IKVT80::put_SLASumAndDiff),
        Row("GeneratorMode", 0x5c, K::Get, &IKVT80::get_GeneratorMode),
        Row("GeneratorMode", 0x5c, K::Put, &IKVT80::put_GeneratorMode),
        Row("GeneratorChannels", 0x5d, K::Get, &IKVT80::get_GeneratorChannels),
        Row("GeneratorChannels", 0x5d, K::Put, &IKVT80::put_GeneratorChannels),
        Row("SLARunning", 0x5e, K::Get, &IKVT80::get_SLARunning),
        Row("SignalGenLevel", 0x5f, K::Get, &IKVT80::get_SignalGenLevel),
        Row("SignalGenLevel", 0x5f, K::Put, &IKVT80::put_SignalGenLevel),
        Row("DigitalSurroundDelay", 0x60, K::Get, &IKVT80::get_DigitalSurroundDelay),
        Row("DigitalSurroundDelay", 0x60, K::Put, &IKVT80::put_DigitalSurroundDelay),
        Row("HeadroomAdjust", 0x61, K::Get, &IKVT80::get_HeadroomAdjust),
        Row("HeadroomAdjust", 0x61, K::Put, &IKVT80::put_HeadroomAdjust),
        Row("DigitalFallbackMode", 0x62, K::Get, &IKVT80::get_DigitalFallbackMode),
        Row("DigitalFallbackMode", 0x62, K::Put, &IKVT80::put_DigitalFallbackMode),
        Row("InputConfig", 0x63, K::Get, &IKVT80::get_InputConfig),
        Row("InputConfig", 0x63, K::Put, &IKVT80::put_InputConfig),
        Row("DigitalInputDelay", 0x64, K::Get, &IKVT80::get_DigitalInputDelay),
        Row("DigitalInputDelay", 0x64, K::Put, &IKVT80::put_DigitalInputDelay),
        Row("OutputPICVersion", 0x65, K::Get, &IKVT80::get_OutputPICVersion),
        Row("ProcessorPICVersion", 0x66, K::Get, &IKVT80::get_ProcessorPICVersion),
        Row("Cleanup", 0x67, K::Method, &IKVT80::Cleanup),
        Row("Verify", 0x68, K::Method, &IKVT80::Verify),
        Row("DownloadToDSP", 0x69, K::Method, &IKVT80::DownloadToDSP),
        Row("QueryEventLog", 0x6a, K::Method, &IKVT80::QueryEventLog),
        Row("ConfigFileDirty", 0x6b, K::Get, &IKVT80::get_ConfigFileDirty),
        Row("GetConfigurationPreview", 0x6c, K::Method, &IKVT80::GetConfigurationPreview),
        Row("Initialized", 0x6d, K::Get, &IKVT80::get_Initialized),
        Row("Initialized", 0x6d, K::Put, &IKVT80::put_Initialized),
        Row("SyncEventLogDT", 0x6e, K::Method, &IKVT80::SyncEventLogDT),
        Row("KP80Present", 0x6f, K::Get, &IKVT80::get_KP80Present),
        Row("Production", 0x70, K::Put, &IKVT80::put_Production),
        Row("ClearLog", 0x71, K::Method, &IKVT80::ClearLog),
        Row("FormatAESEBU", 0x72, K::Get, &IKVT80::get_FormatAESEBU),
        Row("FormatAESEBU", 0x72, K::Put, &IKVT80::put_FormatAESEBU),
        Row("UnitDate", 0, K::Get, &IKVT80::get_UnitDate),
        Row("UnitDate", 0, K::Put, &IKVT80::put_UnitDate),
        Row("UnitTime", 0, K::Get, &IKVT80::get_UnitTime),
        Row("UnitTime", 0, K::Put, &IKVT80::put_UnitTime),
        Row("NRVersions", 0, K::Method, &IKVT80::NRVersions),
        Row("EQVersions", 0, K::Method, &IKVT80::EQVersions),
        Row("RemoteAddress", 0, K::Get, &IKVT80::get_RemoteAddress),
        Row("RemoteAddress", 0, K::Put, &IKVT80::put_RemoteAddress),
        Row("FormatOutputMask", 0, K::Get, &IKVT80::get_FormatOutputMask),
        Row("FormatOutputMask", 0, K::Put, &IKVT80::put_FormatOutputMask),
        Row("FormatDigital", 0, K::Get, &IKVT80::get_FormatDigital),
        Row("FormatProjectorDelays", 0, K::Get, &IKVT80::get_FormatProjectorDelays),
        Row("FormatProjectorDelays", 0, K::Put, &IKVT80::put_FormatProjectorDelays),
        Row("InputMonitoring", 0, K::Put, &IKVT80::put_InputMonitoring),
        Row("AbandonChanges", 0, K::Method, &IKVT80::AbandonChanges),
        Row("FormatDiscrete", 0, K::Get, &IKVT80::get_FormatDiscrete),
        Row("FormatDiscrete", 0, K::Put, &IKVT80::put_FormatDiscrete),
        // IKVT802 (its dispatch identifiers are its own: find its member by name).
        Row("RTAHardwareAvail", 0x1, K::Get, &IKVT802::get_RTAHardwareAvail),
    };
}

}  // namespace

std::span<const MemberInfo> DispatchTable() {
    static const std::vector<MemberInfo> table = BuildTable();
    return table;
}

const MemberInfo* FindMember(std::string_view name, MemberKind kind) {
    for (const MemberInfo& member : DispatchTable()) {
        if (member.kind == kind && NamesEqual(member.name, name)) {
            return &member;
        }
    }
    return nullptr;
}

const MemberInfo* FindMemberByDispid(int32_t dispid, MemberKind kind) {
    if (dispid == 0) {
        return nullptr;
    }
    for (const MemberInfo& member : DispatchTable()) {
        if (member.kind == kind && member.dispid == dispid) {
            return &member;
        }
    }
    return nullptr;
}

InvokeResult Invoke(IKVT80& engine, const MemberInfo& member,
                    std::span<const Variant> inArguments) {
    InvokeResult result;
    if (inArguments.size() != member.InCount()) {
        result.error = InvokeError::WrongArgumentCount;
        return result;
    }
    std::vector<Variant> args(member.params.size());
    size_t next = 0;
    for (size_t i = 0; i < member.params.size(); ++i) {
        if (member.params[i].out) {
            continue;
        }
        if (!CoerceVariant(inArguments[next], member.params[i].type, args[i])) {
            result.error = InvokeError::TypeMismatch;
            result.badArgument = next;
            return result;
        }
        ++next;
    }
    result.status = member.call(engine, args);
    for (size_t i = 0; i < member.params.size(); ++i) {
        if (member.params[i].out) {
            result.out.push_back(std::move(args[i]));
        }
    }
    return result;
}

}  // namespace kvt
