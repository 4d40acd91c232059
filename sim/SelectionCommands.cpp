// "open PU" selects the processor or controller that later commands talk to; "close" drops the
// selection. An empty line only shows the prompt again.
#include "CommandTable.h"
#include "TextFields.h"
#include "UnitState.h"

namespace kvt::sim {

namespace {

void EmptyLine(UnitState&, const CommandLine&, CommandAnswer&) {}

void Open(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    if (line.fields.size() != 1 || line.fields[0].size() != 2) {
        answer.Refuse();
        return;
    }
    const auto page = ParseHex(line.fields[0].substr(0, 1), 1);
    const auto unit = ParseHex(line.fields[0].substr(1, 1), 1);
    if (!page || !unit) {
        answer.Refuse();
        return;
    }
    const Selection selection{static_cast<int>(*page), static_cast<int>(*unit)};
    if (!IsKnownSelection(selection)) {
        answer.Refuse();
        return;
    }
    state.selection = selection;
}

void Close(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    if (!line.fields.empty()) {
        answer.Refuse();
        return;
    }
    state.selection.reset();
}

}  // namespace

void AddSelectionCommands(CommandTable& table) {
    table.Add("", SelectionNeed::None, EmptyLine);
    table.Add("open", SelectionNeed::None, Open);
    table.Add("close", SelectionNeed::None, Close);
}

}  // namespace kvt::sim
