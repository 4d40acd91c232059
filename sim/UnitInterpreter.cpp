#include "UnitInterpreter.h"

#include "BootLoader.h"
#include "TextFields.h"

namespace kvt::sim {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kRefusal = "\x07\r\n";
constexpr std::string_view kBootLoaderRefusal = "N\r\n";

// The serial port's set-up menu. It shows no prompt character, so a client waiting for ">"
// keeps waiting until it leaves the menu with ESC.
constexpr std::string_view kMenuScreen =
    "\x1b[2J"
    "KVT-80 set-up menu\r\n"
    "\r\n"
    "  1  Network settings\r\n"
    "  2  Serial port\r\n"
    "  3  Diagnostics\r\n"
    "  ESC  Command interpreter\r\n"
    "\r\n"
    "Select: ";

std::string EchoText(const UnitInput& input) {
    return input.kind == UnitInput::Kind::Line ? input.text : std::string{};
}

}  // namespace

UnitInterpreter::UnitInterpreter() : UnitInterpreter(FactoryState()) {}

UnitInterpreter::UnitInterpreter(UnitState state) : state_(std::move(state)) {
    AddSelectionCommands(table_);
    AddMemoryCommands(table_);
    AddFrontPanelCommands(table_);
    AddServiceCommands(table_);
    AddClockAndLogCommands(table_);
    AddDspDownloadCommands(table_);
    AddNetworkCommands(table_);
}

std::string UnitInterpreter::Prompt() const {
    if (!state_.selection) {
        return ">";
    }
    return {HexDigit(state_.selection->page), HexDigit(state_.selection->unit), '>'};
}

std::string_view UnitInterpreter::MenuScreen() {
    return kMenuScreen;
}

Reply UnitInterpreter::Refusal(const UnitInput& input) const {
    if (state_.controller.bootLoaderRunning) {
        return Reply::Of(input.kind == UnitInput::Kind::Line ? std::string(kBootLoaderRefusal)
                                                             : std::string{});
    }
    return Reply::Of(EchoText(input) + std::string(kLineEnd) + std::string(kRefusal) + Prompt());
}

Reply UnitInterpreter::Answer(const UnitInput& input) {
    if (state_.controller.bootLoaderRunning) {
        return BootLoaderAnswer(input);
    }
    if (input.kind == UnitInput::Kind::Escape) {
        state_.menuMode = false;
        return Reply::Of(std::string(kLineEnd) + Prompt());
    }
    if (state_.menuMode) {
        return Reply::Of(std::string(kMenuScreen));
    }
    const CommandLine line = CommandLine::Parse(input.text);
    const CommandRow* row = input.overflow ? nullptr : table_.Find(line.word);
    if (row == nullptr || !SelectionSatisfies(state_.selection, row->need)) {
        return Refusal(input);
    }
    CommandAnswer answer;
    row->handler(state_, line, answer);
    if (answer.Refused()) {
        return Refusal(input);
    }
    Reply reply;
    reply.segments = answer.TakeSegments();
    reply.segments.front().bytes.insert(0, line.text + std::string(kLineEnd));
    reply.segments.back().bytes += Prompt();
    return reply;
}

// The boot loader ignores ESC. Its "R" starts the firmware, which comes up with nothing selected
// and shows its prompt right after the boot loader's last answer.
Reply UnitInterpreter::BootLoaderAnswer(const UnitInput& input) {
    if (input.kind == UnitInput::Kind::Escape) {
        return Reply::Of({});
    }
    std::string reply = AnswerBootLoaderLine(state_.controller, input.text, input.overflow);
    reply += kLineEnd;
    if (!state_.controller.bootLoaderRunning) {
        state_.selection.reset();
        reply += Prompt();
    }
    return Reply::Of(std::move(reply));
}

std::string UnitInterpreter::Exchange(std::string_view bytes) {
    std::string replies;
    for (const char byte : bytes) {
        if (const auto input = Take(byte)) {
            replies += Answer(*input).Bytes();
        }
    }
    return replies;
}

}  // namespace kvt::sim
