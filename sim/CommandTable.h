// CommandTable: the unit's command catalogue. Each row maps a command word to its handler and
// to the selection the unit needs before it accepts the command; the interpreter looks the word
// up, checks the selection and lets the handler answer. New commands are new rows.
#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Reply.h"

namespace kvt::sim {

struct Selection;
struct UnitState;

// One command line: the word (lower case; "" for an empty line) and its blank-separated fields.
struct CommandLine {
    std::string text;  // as received, for the echo
    std::string word;
    std::vector<std::string> fields;

    static CommandLine Parse(std::string_view text);
};

// What a handler answers. The interpreter puts the echo in front and the prompt behind.
class CommandAnswer {
  public:
    void Line(std::string_view text);  // one answer line; "\r\n" follows it on the wire
    void Pause(std::chrono::milliseconds silence);  // the following lines come after this silence
    void Refuse() { refused_ = true; }
    bool Refused() const { return refused_; }
    std::vector<ReplySegment> TakeSegments() { return std::move(segments_); }

  private:
    std::vector<ReplySegment> segments_{ReplySegment{}};
    bool refused_ = false;
};

enum class SelectionNeed {
    None,
    ProcessorBlock,   // blocks 1..5: 9/1, 9/2, 9/3, 6/1, 6/2
    ParameterBlock,   // blocks 1..6: the processor blocks and the output processor 6/B
    OutputProcessor,  // block 6: 6/B
    MatrixProcessor,  // block 3: 9/3
    Controller,       // 9/F or 6/F
};

bool SelectionSatisfies(const std::optional<Selection>& selection, SelectionNeed need);

using CommandHandler = void (*)(UnitState& state, const CommandLine& line, CommandAnswer& answer);

struct CommandRow {
    SelectionNeed need = SelectionNeed::None;
    CommandHandler handler = nullptr;
};

class CommandTable {
  public:
    void Add(std::string word, SelectionNeed need, CommandHandler handler);
    const CommandRow* Find(std::string_view word) const;

  private:
    std::map<std::string, CommandRow, std::less<>> rows_;
};

// The command groups; each adds its rows.
void AddSelectionCommands(CommandTable& table);   // "" (empty line), open, close
void AddMemoryCommands(CommandTable& table);      // rdval, rdx, rdvalb, rdeep, wrtval, wrtx, wreep,
                                                  // formatupdate, savevals
void AddFrontPanelCommands(CommandTable& table);  // button, projector, level, clru3, setu3, rdu3
void AddServiceCommands(CommandTable& table);     // status, intl, picver, openmmc, closemmc
void AddClockAndLogCommands(CommandTable& table);  // date, time, dumplog, clearlog
void AddDspDownloadCommands(CommandTable& table);  // dspreset, dspstub, wrpm, crcpm, dsprun
void AddNetworkCommands(CommandTable& table);      // dhcp, ip, mask, gateway

}  // namespace kvt::sim
