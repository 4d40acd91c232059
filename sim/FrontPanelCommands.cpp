// The front panel as the command interpreter shows it: format buttons, projector selector,
// master fader, system mute and the input status port "u3".
#include <algorithm>

#include "CommandTable.h"
#include "TextFields.h"
#include "UnitState.h"

namespace kvt::sim {

namespace {

constexpr std::string_view kMuteBits = "1c";  // the output mute bits of port u3

bool IsQuery(const CommandLine& line) {
    return line.fields.size() == 1 && line.fields[0] == "?";
}

// "button N" or "button N x" (the analyser's refresh form) presses a button: 1..8 play the format
// the button holds in the EEPROM button table, 9 (no button holds the format) keeps the format.
// "button ?" answers the format playing, not the button.
void Button(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    if (IsQuery(line)) {
        answer.Line(HexNumber(static_cast<uint32_t>(state.panel.format)));
        return;
    }
    const bool plain = line.fields.size() == 1;
    const bool refresh = line.fields.size() == 2 && LowerCase(line.fields[1]) == "x";
    const auto button = (plain || refresh) ? ParseHex(line.fields[0], 1) : std::nullopt;
    if (!button || *button < 1 || *button > kNoButton) {
        answer.Refuse();
        return;
    }
    PressPanelButton(state, static_cast<int>(*button));
}

// "projector N" selects projector (preamp) 1 or 2; "projector ?" answers the preamp 0-based.
void Projector(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    if (IsQuery(line)) {
        answer.Line(HexNumber(static_cast<uint32_t>(std::max(state.panel.projector - 1, 0))));
        return;
    }
    const auto projector = line.fields.size() == 1 ? ParseHex(line.fields[0], 1) : std::nullopt;
    if (!projector || (*projector != 1 && *projector != 2)) {
        answer.Refuse();
        return;
    }
    state.panel.projector = static_cast<int>(*projector);
}

void Level(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    if (IsQuery(line)) {
        answer.Line(HexByte(static_cast<uint32_t>(state.panel.level)));
        return;
    }
    const auto level = line.fields.size() == 1 ? ParseHex(line.fields[0], 2) : std::nullopt;
    if (!level || *level > kMaxFaderLevel) {
        answer.Refuse();
        return;
    }
    state.panel.level = static_cast<int>(*level);
}

bool NamesMuteBits(const CommandLine& line) {
    return line.fields.size() == 1 && LowerCase(line.fields[0]) == kMuteBits;
}

// Clearing the mute bits of u3 mutes the outputs; setting them unmutes.
void ClearU3(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    if (!NamesMuteBits(line)) {
        answer.Refuse();
        return;
    }
    state.panel.muted = true;
}

void SetU3(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    if (!NamesMuteBits(line)) {
        answer.Refuse();
        return;
    }
    state.panel.muted = false;
}

// One decimal digit: bit 0 set while the outputs play (not muted), bit 3 while the AES/EBU
// input is in error.
void ReadU3(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    if (!line.fields.empty()) {
        answer.Refuse();
        return;
    }
    const int digit = (state.panel.muted ? 0 : 1) | (state.panel.aesEbuError ? 8 : 0);
    answer.Line(std::string(1, static_cast<char>('0' + digit)));
}

}  // namespace

void AddFrontPanelCommands(CommandTable& table) {
    table.Add("button", SelectionNeed::None, Button);
    table.Add("projector", SelectionNeed::None, Projector);
    table.Add("level", SelectionNeed::None, Level);
    table.Add("clru3", SelectionNeed::None, ClearU3);
    table.Add("setu3", SelectionNeed::None, SetU3);
    table.Add("rdu3", SelectionNeed::None, ReadU3);
}

}  // namespace kvt::sim
