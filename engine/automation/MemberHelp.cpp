#include "automation/MemberHelp.h"

#include <array>

#include "IKVT80.h"
#include "automation/Names.h"
#include "formats/FormatTable.h"
#include "image/AddressMap.h"

namespace kvt {

namespace {

constexpr std::string_view kGroupConnection = "Connection";
constexpr std::string_view kGroupInputs = "Inputs";
constexpr std::string_view kGroupSurround = "Surround, subwoofer and delays";
constexpr std::string_view kGroupChannels = "Equaliser and outputs";
constexpr std::string_view kGroupFrontPanel = "Front panel";
constexpr std::string_view kGroupFormats = "Formats";
constexpr std::string_view kGroupProfile = "Profile";
constexpr std::string_view kGroupVersions = "Versions";
constexpr std::string_view kGroupFiles = "Configuration files";
constexpr std::string_view kGroupStoring = "Storing and the personality module";
constexpr std::string_view kGroupAnalyser = "Analyser and generator";
constexpr std::string_view kGroupEventLog = "Event log and clock";
constexpr std::string_view kGroupTerminal = "Terminal";
constexpr std::string_view kGroupFirmware = "Firmware and downloads";

constexpr std::array<MemberHelp, 122> kHelp{{
    {kGroupConnection, "ComPort", ""},
    {kGroupConnection, "BitRate", ""},
    {kGroupConnection, "RemoteAddress", ""},
    {kGroupConnection, "Connect", ""},
    {kGroupConnection, "Disconnect", ""},
    {kGroupConnection, "Connected", ""},
    {kGroupConnection, "QueryKVT", ""},
    {kGroupConnection, "QueryZVQ", ""},
    {kGroupConnection, "QueryEQ", ""},
    {kGroupConnection, "QueryFrontPanel", ""},
    {kGroupConnection, "Initialized", ""},
    {kGroupConnection, "UpdateInputs", ""},
    {kGroupConnection, "ConfigFileDirty", ""},
    {kGroupConnection, "AbandonChanges", ""},
    {kGroupConnection, "Cleanup", ""},

    {kGroupInputs, "LeftInputGain", "Projector"},
    {kGroupInputs, "RightInputGain", "Projector"},
    {kGroupInputs, "SlitEQ", "Projector"},
    {kGroupInputs, "MonoEQ", ""},
    {kGroupInputs, "LeftAuxGain", ""},
    {kGroupInputs, "RightAuxGain", ""},
    {kGroupInputs, "LeftMicGain", ""},
    {kGroupInputs, "RightMicGain", ""},
    {kGroupInputs, "NonSyncGain", ""},
    {kGroupInputs, "InputConfig", ""},
    {kGroupInputs, "DigitalFallbackMode", ""},
    {kGroupInputs, "InputMonitoring", ""},

    {kGroupSurround, "SurroundGain", ""},
    {kGroupSurround, "Delay", ""},
    {kGroupSurround, "DigitalInputDelay", ""},
    {kGroupSurround, "DigitalSurroundDelay", ""},
    {kGroupSurround, "SubwooferGain", ""},
    {kGroupSurround, "SubwooferFreq", ""},
    {kGroupSurround, "SubParametricFreq", ""},
    {kGroupSurround, "SubParametricQ", ""},
    {kGroupSurround, "SubParametricGain", ""},
    {kGroupSurround, "HeadroomAdjust", ""},

    {kGroupChannels, "EQBand", "Channel, Band"},
    {kGroupChannels, "Bass", "Channel"},
    {kGroupChannels, "Treble", "Channel"},
    {kGroupChannels, "CopyEQ", "SourceChannel, DestinationChannels"},
    {kGroupChannels, "OutputGain", "Channel"},
    {kGroupChannels, "Mute", "Channel"},
    {kGroupChannels, "Invert", "Channel"},

    {kGroupFrontPanel, "Mode", ""},
    {kGroupFrontPanel, "FaderLevel", ""},
    {kGroupFrontPanel, "SystemMute", ""},
    {kGroupFrontPanel, "SelectedPreamp", ""},
    {kGroupFrontPanel, "UnitStatus", ""},

    {kGroupFormats, "FormatCode", "Format"},
    {kGroupFormats, "FormatTxt1", "Format"},
    {kGroupFormats, "FormatTxt2", "Format"},
    {kGroupFormats, "FormatP1", "Format"},
    {kGroupFormats, "FormatP2", "Format"},
    {kGroupFormats, "FormatAux", "Format"},
    {kGroupFormats, "FormatMic", "Format"},
    {kGroupFormats, "FormatNS", "Format"},
    {kGroupFormats, "FormatAnalog", "Format"},
    {kGroupFormats, "FormatSlitEQ", "Format"},
    {kGroupFormats, "FormatMonoEQ", "Format"},
    {kGroupFormats, "FormatNR", "Format"},
    {kGroupFormats, "FormatMatrix", "Format"},
    {kGroupFormats, "FormatSlot", "Format"},
    {kGroupFormats, "FormatSPDIFF", "Format"},
    {kGroupFormats, "FormatAESEBU", "Format"},
    {kGroupFormats, "FormatDigital", "Format"},
    {kGroupFormats, "FormatDiscrete", "Format"},
    {kGroupFormats, "FormatOutputMask", "Format"},
    {kGroupFormats, "FormatProjectorDelays", "Format"},
    {kGroupFormats, "FormatLevel", "Format"},
    {kGroupFormats, "MicPhase", "Format"},
    {kGroupFormats, "PowerOnFormat", ""},
    {kGroupFormats, "FormatCount", ""},
    {kGroupFormats, "ButtonFormat", "Button"},

    {kGroupProfile, "SerialNumber", ""},
    {kGroupProfile, "DigitalPlayer1", ""},
    {kGroupProfile, "DigitalPlayer2", ""},
    {kGroupProfile, "ProjectName", ""},
    {kGroupProfile, "TheaterName", ""},
    {kGroupProfile, "ScreenNumber", ""},
    {kGroupProfile, "ProjectorModel", ""},
    {kGroupProfile, "AutomationSystem", ""},
    {kGroupProfile, "Comments", ""},

    {kGroupVersions, "PICVersion", ""},
    {kGroupVersions, "MatrixVersion", ""},
    {kGroupVersions, "NRVersion", ""},
    {kGroupVersions, "NRVersions", "First, Second"},
    {kGroupVersions, "EQVersion", ""},
    {kGroupVersions, "EQVersions", "First, Second"},
    {kGroupVersions, "OutputPICVersion", ""},
    {kGroupVersions, "ProcessorPICVersion", ""},
    {kGroupVersions, "COMVersion", ""},
    {kGroupVersions, "KP80Present", ""},
    {kGroupVersions, "RTAHardwareAvail", ""},

    {kGroupFiles, "Save", "FileName, Default"},
    {kGroupFiles, "Load", "FileName"},
    {kGroupFiles, "GetConfigurationPreview",
     "FileName, DigitalPlayer1, DigitalPlayer2, ProjectName, TheaterName, ScreenNumber, "
     "ProjectorModel, AutomationSystem, Comments"},

    {kGroupStoring, "SaveKVTParameters", ""},
    {kGroupStoring, "SaveZVQParameters", ""},
    {kGroupStoring, "SaveEQParameters", ""},
    {kGroupStoring, "Verify", "DSP"},
    {kGroupStoring, "SaveMMC", "Block"},

    {kGroupAnalyser, "StartSLA", ""},
    {kGroupAnalyser, "StopSLA", ""},
    {kGroupAnalyser, "SLARunning", ""},
    {kGroupAnalyser, "SLASumAndDiff", ""},
    {kGroupAnalyser, "GeneratorMode", ""},
    {kGroupAnalyser, "GeneratorChannels", ""},
    {kGroupAnalyser, "SignalGenLevel", ""},
    {kGroupAnalyser, "Production", ""},

    {kGroupEventLog, "QueryEventLog", ""},
    {kGroupEventLog, "ClearLog", ""},
    {kGroupEventLog, "SyncEventLogDT", ""},
    {kGroupEventLog, "UnitDate", ""},
    {kGroupEventLog, "UnitTime", ""},

    {kGroupTerminal, "EnterCommandInterpreter", ""},
    {kGroupTerminal, "WriteStringDirect", "String"},
    {kGroupTerminal, "TerminalLogging", ""},
    {kGroupTerminal, "TerminalLogFilename", ""},

    {kGroupFirmware, "ParseHexFile", "FileName"},
    {kGroupFirmware, "DownloadToPIC", ""},
    {kGroupFirmware, "DownloadToDSP", "Card, DSP, FileName"},
}};

}  // namespace

std::vector<std::string_view> MemberHelp::ParameterNames() const {
    std::vector<std::string_view> names;
    std::string_view rest = parameters;
    while (!rest.empty()) {
        const size_t comma = rest.find(',');
        names.push_back(rest.substr(0, comma));
        if (comma == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(comma + 1);
        while (rest.starts_with(' ')) {
            rest.remove_prefix(1);
        }
    }
    return names;
}

std::span<const MemberHelp> MemberHelpTable() {
    return kHelp;
}

const MemberHelp* FindMemberHelp(std::string_view name) {
    for (const MemberHelp& row : kHelp) {
        if (NamesEqual(row.name, name)) {
            return &row;
        }
    }
    return nullptr;
}

std::optional<IndexRange> IndexRangeOf(std::string_view parameter) {
    if (parameter == "Projector") {
        return IndexRange{0, kProjectors - 1};
    }
    if (parameter == "Channel" || parameter == "SourceChannel") {
        return IndexRange{0, kChannels - 1};
    }
    if (parameter == "Band") {
        return IndexRange{0, kBands - 1};
    }
    if (parameter == "Format") {
        return IndexRange{0, kFormats - 1};
    }
    if (parameter == "Button") {
        return IndexRange{0, kButtons - 1};
    }
    return std::nullopt;
}

}  // namespace kvt
