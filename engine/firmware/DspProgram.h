// Signal-processor program files (".NR", ".MAT"/".MTX", ".EQ"): a text header naming the kind of
// processor, the version the program reports and its word count, the 24-bit program words, and a
// CRC-32 over them (format in docs/DOWNLOADS.md).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kvt {

enum class DspKind { NoiseReduction, Matrix, Equaliser };

constexpr size_t kMaxProgramWords = 16384;  // the processors' program memory
constexpr size_t kMaxProgramFileBytes = 1u << 20;

struct DspProgram {
    DspKind kind = DspKind::Equaliser;
    uint32_t version = 0;         // equals words[1]
    std::vector<uint32_t> words;  // from address 0, 24 bits each
    uint32_t crc = 0;             // ProgramCrc(words)
};

struct DspProgramResult {
    std::optional<DspProgram> program;
    std::string error;  // why the file was refused (a sentence naming the line), when it was
};

// Reads and checks a program file's text. Any bytes give either a program whose words, count,
// version and CRC agree, or an error.
DspProgramResult ParseDspProgram(std::string_view text);

// The file text of a program (the header, 8 words per line, the CRC line), which ParseDspProgram
// reads back as it was.
std::string FormatDspProgram(const DspProgram& program);

// CRC-32 (reflected 04C11DB7, initial and final FFFFFFFF) over the words, three bytes each, most
// significant first.
uint32_t ProgramCrc(std::span<const uint32_t> words);

// The kind of processor at a download target: card 9 DSP 1 and 2 noise reduction, card 9 DSP 3
// matrix, card 6 DSP 1 and 2 equaliser; nullopt for any other pair.
std::optional<DspKind> KindOfTarget(int card, int dsp);

// "NR", "MATRIX", "EQ": the TARGET word of the file.
std::string_view KindName(DspKind kind);

}  // namespace kvt
