// Feeds arbitrary bytes to the program file reader and to the image reader of every region: a
// program that reads writes out in its canonical form and reads back the same, and an image that
// reads holds only lines of 16-byte-aligned addresses.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "firmware/DspProgram.h"
#include "firmware/McpImage.h"

namespace {

void CheckProgram(std::string_view text) {
    const auto result = kvt::ParseDspProgram(text);
    if (!result.program) {
        if (result.error.empty()) {
            std::abort();
        }
        return;
    }
    const kvt::DspProgram& program = *result.program;
    if (program.words.size() < 2 || program.words.size() > kvt::kMaxProgramWords ||
        program.version != program.words[1] || program.crc != kvt::ProgramCrc(program.words)) {
        std::abort();
    }
    const auto again = kvt::ParseDspProgram(kvt::FormatDspProgram(program));
    if (!again.program || again.program->kind != program.kind ||
        again.program->version != program.version || again.program->words != program.words ||
        again.program->crc != program.crc) {
        std::abort();
    }
}

void CheckImages(std::string_view text) {
    for (const auto region : {kvt::FirmwareRegion::ProgramMemory, kvt::FirmwareRegion::UserId,
                              kvt::FirmwareRegion::Config, kvt::FirmwareRegion::EepromData}) {
        const auto read = kvt::ReadImageFile(text, region);
        if (!read.lines) {
            if (read.error.empty()) {
                std::abort();
            }
            continue;
        }
        for (const kvt::ImageLine& line : *read.lines) {
            if (line.address % 16 != 0) {
                std::abort();
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckProgram(text);
    CheckImages(text);
    return 0;
}
