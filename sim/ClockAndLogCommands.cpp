// The unit's clock ("date", "time") and event log ("dumplog", "clearlog").
#include "CommandTable.h"
#include "TextFields.h"
#include "UnitState.h"

namespace kvt::sim {

namespace {

// "date" reads YYMMDD; "date YYMMDD" sets it.
void Date(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    if (line.fields.empty()) {
        answer.Line(state.clock.DateText());
        return;
    }
    if (line.fields.size() != 1 || !state.clock.SetDate(line.fields[0])) {
        answer.Refuse();
    }
}

// "time" reads HHMMSS; "time HHMMSS" sets it.
void Time(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    if (line.fields.empty()) {
        answer.Line(state.clock.TimeText());
        return;
    }
    if (line.fields.size() != 1 || !state.clock.SetTime(line.fields[0])) {
        answer.Refuse();
    }
}

// "dumplog [N]": every entry, oldest first. The selector N is checked but the whole log is
// listed for any value.
void DumpLog(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    if (line.fields.size() > 1 || (line.fields.size() == 1 && !ParseDecimal(line.fields[0], 3))) {
        answer.Refuse();
        return;
    }
    for (const auto& entry : state.log.DumpLines()) {
        answer.Line(entry);
    }
}

void ClearLog(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    if (!line.fields.empty()) {
        answer.Refuse();
        return;
    }
    state.log.Clear();
}

}  // namespace

void AddClockAndLogCommands(CommandTable& table) {
    table.Add("date", SelectionNeed::None, Date);
    table.Add("time", SelectionNeed::None, Time);
    table.Add("dumplog", SelectionNeed::None, DumpLog);
    table.Add("clearlog", SelectionNeed::None, ClearLog);
}

}  // namespace kvt::sim
