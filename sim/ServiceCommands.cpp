// Service commands: the status report, identification of the controllers and the personality
// module (memory card).
#include <vector>

#include "CommandTable.h"
#include "StatusFields.h"
#include "TextFields.h"
#include "UnitState.h"

namespace kvt::sim {

namespace {

constexpr std::string_view kPreampControllerId = "ZVQ215";
constexpr std::string_view kOutputControllerId = "EQP108";
constexpr uint32_t kNoCard = 0xFFFFFF;

bool NoFields(const CommandLine& line, CommandAnswer& answer) {
    if (!line.fields.empty()) {
        answer.Refuse();
        return false;
    }
    return true;
}

void Status(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    if (!NoFields(line, answer)) {
        return;
    }
    std::vector<std::string> fields;
    for (const uint32_t value : StatusFields(state)) {
        fields.push_back(HexNumber(value));
    }
    answer.Line(JoinWithTabs(fields));
}

// Identification of the selected controller (9/F preamp side, 6/F output side).
void Identification(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    if (!NoFields(line, answer)) {
        return;
    }
    answer.Line(state.selection->page == 9 ? kPreampControllerId : kOutputControllerId);
}

// The firmware's version text, which its build puts in the controller's user ID.
void FirmwareVersion(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    if (NoFields(line, answer)) {
        answer.Line(ControllerVersion(state.controller));
    }
}

// The answers a test set come first. Otherwise every open of a present card answers a new value
// and an absent card answers FFFFFF.
uint32_t NextCardAnswer(UnitState& state) {
    if (!state.cardAnswers.empty()) {
        const uint32_t value = state.cardAnswers.front() & kNoCard;
        state.cardAnswers.pop_front();
        if (value != kNoCard) {
            state.cardSerial = value;
        }
        return value;
    }
    if (!state.cardPresent) {
        return kNoCard;
    }
    state.cardSerial = (state.cardSerial + 1) % kNoCard;
    return state.cardSerial;
}

// An answer naming a card opens it: the writes that follow go to the card.
void OpenCard(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    if (!NoFields(line, answer)) {
        return;
    }
    const uint32_t value = NextCardAnswer(state);
    state.cardOpen = value != kNoCard;
    answer.Line(HexWord(value));
}

// Closes the card whether or not it was open; writes reach the memories again.
void CloseCard(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    if (NoFields(line, answer)) {
        state.cardOpen = false;
    }
}

}  // namespace

void AddServiceCommands(CommandTable& table) {
    table.Add("status", SelectionNeed::None, Status);
    table.Add("intl", SelectionNeed::Controller, Identification);
    table.Add("picver", SelectionNeed::None, FirmwareVersion);
    table.Add("openmmc", SelectionNeed::None, OpenCard);
    table.Add("closemmc", SelectionNeed::None, CloseCard);
}

}  // namespace kvt::sim
