#include "CommandTable.h"

#include "TextFields.h"
#include "UnitState.h"

namespace kvt::sim {

CommandLine CommandLine::Parse(std::string_view text) {
    CommandLine line;
    line.text = std::string(text);
    size_t at = 0;
    while (at < text.size()) {
        const size_t start = text.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) {
            break;
        }
        const size_t end = std::min(text.find_first_of(" \t", start), text.size());
        line.fields.emplace_back(text.substr(start, end - start));
        at = end;
    }
    if (!line.fields.empty()) {
        line.word = LowerCase(line.fields.front());
        line.fields.erase(line.fields.begin());
    }
    return line;
}

void CommandAnswer::Line(std::string_view text) {
    auto& bytes = segments_.back().bytes;
    bytes += text;
    bytes += "\r\n";
}

void CommandAnswer::Pause(std::chrono::milliseconds silence) {
    segments_.push_back({silence, {}});
}

bool SelectionSatisfies(const std::optional<Selection>& selection, SelectionNeed need) {
    const int block = BlockOfSelection(selection);
    switch (need) {
        case SelectionNeed::None:
            return true;
        case SelectionNeed::ProcessorBlock:
            return block >= 1 && block <= 5;
        case SelectionNeed::ParameterBlock:
            return block >= 1 && block <= 6;
        case SelectionNeed::OutputProcessor:
            return block == 6;
        case SelectionNeed::MatrixProcessor:
            return block == 3;
        case SelectionNeed::Controller:
            return selection && selection->unit == 0xF &&
                   (selection->page == 9 || selection->page == 6);
    }
    return false;
}

void CommandTable::Add(std::string word, SelectionNeed need, CommandHandler handler) {
    rows_[std::move(word)] = CommandRow{need, handler};
}

const CommandRow* CommandTable::Find(std::string_view word) const {
    const auto it = rows_.find(word);
    return it == rows_.end() ? nullptr : &it->second;
}

}  // namespace kvt::sim
