// Reads and writes of the parameter memories, the analyser read, and the commands that make the
// processors or the controller act on their memory ("formatupdate", "savevals").
#include <array>
#include <string>
#include <vector>

#include "AnalyserWords.h"
#include "CommandTable.h"
#include "TextFields.h"
#include "UnitState.h"

namespace kvt::sim {

namespace {

constexpr size_t kMaxValuesPerWrite = 7;
constexpr uint32_t kSaveAcknowledge = 0x686921;
constexpr uint32_t kSaveFailure = 0x000BAD;

struct Range {
    uint32_t count;
    uint32_t address;
};

// "CC AAA": count field (values - 1, hex) and first address, checked against the block.
std::optional<Range> ParseRange(int block, const CommandLine& line) {
    if (line.fields.size() != 2) {
        return std::nullopt;
    }
    const auto countField = ParseHex(line.fields[0], 2);
    const auto address = ParseHex(line.fields[1]);
    if (!countField || !address || !UnitMemory::Contains(block, *address, *countField + 1)) {
        return std::nullopt;
    }
    return Range{*countField + 1, *address};
}

void ReadList(UnitState& state, int block, const CommandLine& line, CommandAnswer& answer) {
    const auto range = ParseRange(block, line);
    if (!range) {
        answer.Refuse();
        return;
    }
    std::vector<std::string> values;
    for (uint32_t i = 0; i < range->count; ++i) {
        const uint32_t value = state.memory.Read(block, range->address + i);
        values.push_back(block == 0 ? HexByte(value) : HexWord(value));
    }
    answer.Line(JoinWithTabs(values));
}

// "AAAAAA V1 [V2 ...]": consecutive values from the address on, into the working memory or, while
// the card is open, the card image.
void WriteList(UnitState& state, int block, const CommandLine& line, CommandAnswer& answer) {
    const size_t valueCount = line.fields.empty() ? 0 : line.fields.size() - 1;
    if (valueCount < 1 || valueCount > kMaxValuesPerWrite) {
        answer.Refuse();
        return;
    }
    const auto address = ParseHex(line.fields[0]);
    if (!address || !UnitMemory::Contains(block, *address, static_cast<uint32_t>(valueCount))) {
        answer.Refuse();
        return;
    }
    std::vector<uint32_t> values;
    for (size_t i = 1; i < line.fields.size(); ++i) {
        const auto value = ParseHex(line.fields[i]);
        if (!value) {
            answer.Refuse();
            return;
        }
        values.push_back(*value);
    }
    for (size_t i = 0; i < values.size(); ++i) {
        WriteWord(state, block, *address + static_cast<uint32_t>(i), values[i]);
    }
}

int SelectedBlock(const UnitState& state) {
    return BlockOfSelection(state.selection);
}

void ReadValues(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    ReadList(state, SelectedBlock(state), line, answer);
}

void ReadEeprom(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    ReadList(state, 0, line, answer);
}

void WriteValues(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    WriteList(state, SelectedBlock(state), line, answer);
}

void WriteEeprom(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    WriteList(state, 0, line, answer);
}

// Binary block read of the matrix processor: "\r" after the echo's line end, then three bytes
// per word, most significant first. The analyser window comes from a fresh snapshot, any other
// address from memory.
void ReadBinary(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    constexpr int kMatrixBlock = 3;
    const auto range = ParseRange(kMatrixBlock, line);
    if (!range) {
        answer.Refuse();
        return;
    }
    const uint32_t end = range->address + range->count;
    const bool touchesAnalyser =
        range->address < kAnalyserAddress + kAnalyserWords && end > kAnalyserAddress;
    std::array<uint32_t, kAnalyserWords> snapshot{};
    if (touchesAnalyser) {
        snapshot = AnalyserSnapshot(state);
    }

    std::string data = "\r";
    for (uint32_t address = range->address; address < end; ++address) {
        const bool inWindow =
            address >= kAnalyserAddress && address < kAnalyserAddress + kAnalyserWords;
        const uint32_t word = inWindow ? snapshot[address - kAnalyserAddress]
                                       : state.memory.Read(kMatrixBlock, address);
        data += static_cast<char>((word >> 16) & 0xFF);
        data += static_cast<char>((word >> 8) & 0xFF);
        data += static_cast<char>(word & 0xFF);
    }
    answer.Line(data);
}

void FormatUpdate(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    if (!line.fields.empty()) {
        answer.Refuse();
        return;
    }
    ++state.formatUpdates;
}

// The selected processor stores its working memory; that takes a while, then it acknowledges.
// A processor whose store fails answers something else and keeps its stored memory.
void SaveValues(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    if (!line.fields.empty()) {
        answer.Refuse();
        return;
    }
    const bool fails = state.failingSaves > 0;
    if (fails) {
        --state.failingSaves;
    } else {
        StoreProcessorMemory(state, SelectedBlock(state));
    }
    ++state.saves;
    if (state.saveDuration.count() > 0) {
        answer.Pause(state.saveDuration);
    }
    answer.Line(HexWord(fails ? kSaveFailure : kSaveAcknowledge));
}

}  // namespace

void AddMemoryCommands(CommandTable& table) {
    table.Add("rdval", SelectionNeed::ParameterBlock, ReadValues);
    table.Add("rdx", SelectionNeed::OutputProcessor, ReadValues);
    table.Add("rdvalb", SelectionNeed::MatrixProcessor, ReadBinary);
    table.Add("rdeep", SelectionNeed::None, ReadEeprom);
    table.Add("wrtval", SelectionNeed::ProcessorBlock, WriteValues);
    table.Add("wrtx", SelectionNeed::OutputProcessor, WriteValues);
    table.Add("wreep", SelectionNeed::None, WriteEeprom);
    table.Add("formatupdate", SelectionNeed::None, FormatUpdate);
    table.Add("savevals", SelectionNeed::ParameterBlock, SaveValues);
}

}  // namespace kvt::sim
