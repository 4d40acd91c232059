// The signal-processor program download. The control card resets the selected processor into its
// boot ROM ("dspreset"), loads its download stub into it ("dspstub"); the stub takes program words
// ("wrpm") and reports their CRC ("crcpm"); "dsprun" makes the control card keep the new program
// for every power-up and start it. Until then the card keeps the old program.
#include <algorithm>
#include <array>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "CommandTable.h"
#include "TextFields.h"
#include "UnitState.h"

namespace kvt::sim {

namespace {

constexpr size_t kMaxWordsPerWrite = 16;
constexpr size_t kAddressDigits = 4;
constexpr size_t kWordDigits = 6;
constexpr uint32_t kVersionWord = 1;  // program word 1 is the program's version

// Where each processor's program puts its version (blocks 1..5) in the processor's memory.
struct VersionWords {
    uint32_t first;
    uint32_t second;
};

constexpr std::array<VersionWords, kProgramProcessors> kVersionWords{{
    {18, 20},    // 9/1
    {18, 20},    // 9/2
    {30, 32},    // 9/3
    {261, 264},  // 6/1
    {261, 264},  // 6/2
}};

// CRC-32 (reflected 04C11DB7) over the words, each as three bytes, most significant first: what
// the program file carries in its CRC line.
uint32_t ProgramCrc(std::span<const uint32_t> words) {
    uint32_t crc = 0xFFFFFFFFu;
    for (const uint32_t word : words) {
        for (const int shift : {16, 8, 0}) {
            crc ^= (word >> shift) & 0xFFu;
            for (int bit = 0; bit < 8; ++bit) {
                crc = (crc >> 1) ^ ((crc & 1u) != 0 ? 0xEDB88320u : 0u);
            }
        }
    }
    return crc ^ 0xFFFFFFFFu;
}

int SelectedBlock(const UnitState& state) {
    return BlockOfSelection(state.selection);
}

// The selected processor when it responds to the control card; none otherwise.
SignalProcessor* Responding(UnitState& state) {
    SignalProcessor* processor = ProcessorOfBlock(state, SelectedBlock(state));
    return processor != nullptr && !processor->dead ? processor : nullptr;
}

SignalProcessor* RunningStub(UnitState& state) {
    SignalProcessor* processor = Responding(state);
    return processor != nullptr && processor->stage == ProcessorStage::Stub ? processor : nullptr;
}

// Whatever the stub had been given is gone with the reset.
void HoldInReset(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    SignalProcessor* processor = Responding(state);
    if (processor == nullptr || !line.fields.empty()) {
        answer.Refuse();
        return;
    }
    processor->stage = ProcessorStage::BootRom;
    processor->programMemory = {};
    processor->wordsWritten = 0;
}

void LoadStub(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    SignalProcessor* processor = Responding(state);
    if (processor == nullptr || processor->stage != ProcessorStage::BootRom ||
        !line.fields.empty()) {
        answer.Refuse();
        return;
    }
    processor->stage = ProcessorStage::Stub;
    processor->programMemory.assign(kProgramMemoryWords, 0);
    processor->wordsWritten = 0;
}

// "wrpm AAAA w1 .. wk": k = 1..16 words of up to 24 bits from address AAAA on.
void WriteProgramWords(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    SignalProcessor* processor = RunningStub(state);
    const size_t count = line.fields.empty() ? 0 : line.fields.size() - 1;
    if (processor == nullptr || count < 1 || count > kMaxWordsPerWrite) {
        answer.Refuse();
        return;
    }
    const auto address = ParseHex(line.fields[0], kAddressDigits);
    if (!address || *address + count > kProgramMemoryWords) {
        answer.Refuse();
        return;
    }
    std::vector<uint32_t> words;
    for (size_t i = 1; i < line.fields.size(); ++i) {
        const auto word = ParseHex(line.fields[i], kWordDigits);
        if (!word) {
            answer.Refuse();
            return;
        }
        words.push_back(*word);
    }
    if (state.corruptProgramWrites > 0) {
        --state.corruptProgramWrites;
        words.front() ^= 1u;
    }
    std::copy(words.begin(), words.end(), processor->programMemory.begin() + *address);
    processor->wordsWritten =
        std::max(processor->wordsWritten, *address + static_cast<uint32_t>(count));
}

// "crcpm AAAA NNNN": the CRC of NNNN words from AAAA, as eight hexadecimal digits.
void ProgramWordsCrc(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    const SignalProcessor* processor = RunningStub(state);
    if (processor == nullptr || line.fields.size() != 2) {
        answer.Refuse();
        return;
    }
    const auto address = ParseHex(line.fields[0], kAddressDigits);
    const auto count = ParseHex(line.fields[1], kAddressDigits);
    if (!address || !count || *address + *count > kProgramMemoryWords) {
        answer.Refuse();
        return;
    }
    const auto words =
        std::span<const uint32_t>(processor->programMemory).subspan(*address, *count);
    char text[16];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(ProgramCrc(words)));
    answer.Line(text);
}

// The control card keeps words 0 up to the highest one written and starts them. The program puts
// its version (word 1) in the processor's version words at once, and the processor keeps them over
// a power cycle. Fewer than two words are no program: the old one stays.
void RunProgram(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    SignalProcessor* processor = RunningStub(state);
    if (processor == nullptr || !line.fields.empty() || processor->wordsWritten <= kVersionWord) {
        answer.Refuse();
        return;
    }
    const auto& memory = processor->programMemory;
    processor->program.assign(memory.begin(), memory.begin() + processor->wordsWritten);
    const int block = SelectedBlock(state);
    const uint32_t version = processor->program[kVersionWord];
    const VersionWords& at = kVersionWords[static_cast<size_t>(block - 1)];
    PresetWord(state, block, at.first, version);
    PresetWord(state, block, at.second, version);
    processor->stage = ProcessorStage::Running;
    processor->programMemory = {};
    processor->wordsWritten = 0;
}

}  // namespace

void AddDspDownloadCommands(CommandTable& table) {
    table.Add("dspreset", SelectionNeed::ProcessorBlock, HoldInReset);
    table.Add("dspstub", SelectionNeed::ProcessorBlock, LoadStub);
    table.Add("wrpm", SelectionNeed::ProcessorBlock, WriteProgramWords);
    table.Add("crcpm", SelectionNeed::ProcessorBlock, ProgramWordsCrc);
    table.Add("dsprun", SelectionNeed::ProcessorBlock, RunProgram);
}

}  // namespace kvt::sim
