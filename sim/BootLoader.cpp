#include "BootLoader.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <span>
#include <vector>

#include "TextFields.h"

namespace kvt::sim {

namespace {

constexpr std::string_view kIdentity = "BOOT KVT80 1.0";
constexpr std::string_view kDone = "K";
constexpr std::string_view kNotUnderstood = "N";
constexpr size_t kRecordBytes = 16;
constexpr size_t kRecordDigits = 2 * kRecordBytes;
constexpr uint8_t kErased = 0xFF;

using Fields = std::vector<std::string_view>;

enum class Area { Program, UserId, Configuration, DataEeprom };

// Where a record may go. Flash takes a line only where it is erased; the user ID, the
// configuration words and the data EEPROM are written whatever they held.
struct Region {
    char command;
    uint32_t start;
    uint32_t size;
    Area area;
    bool needsErased;
};

constexpr std::array<Region, 4> kRegions{{
    {'W', 0x000000, ControllerMemories::kProgramSize, Area::Program, true},
    {'W', 0x200000, ControllerMemories::kUserIdSize, Area::UserId, false},
    {'W', 0x300000, ControllerMemories::kConfigurationSize, Area::Configuration, false},
    {'D', 0x0000, ControllerMemories::kEepromSize, Area::DataEeprom, false},
}};

std::span<uint8_t> BytesOf(ControllerMemories& memories, Area area) {
    switch (area) {
        case Area::Program:
            return memories.program;
        case Area::UserId:
            return memories.userId;
        case Area::Configuration:
            return memories.configuration;
        case Area::DataEeprom:
            return memories.eeprom;
    }
    return {};
}

// A "W" or "D" record: the address (three or two bytes) and 16 data bytes.
struct Record {
    char command = 'W';
    size_t addressBytes = 3;
    uint32_t address = 0;
    std::array<uint8_t, kRecordBytes> data{};
    bool checksumMatches = false;
};

// "aaaaaa <32 digits> cc" after "W", "aaaa <32 digits> cc" after "D"; none when malformed.
std::optional<Record> ParseRecord(const Fields& fields) {
    Record record;
    record.command = fields[0][0];
    record.addressBytes = record.command == 'W' ? 3 : 2;
    const size_t addressDigits = 2 * record.addressBytes;
    const auto address = ParseHex(fields[1], addressDigits);
    const auto checksum = ParseHex(fields[3], 2);
    if (fields[1].size() != addressDigits || !address || fields[2].size() != kRecordDigits ||
        fields[3].size() != 2 || !checksum) {
        return std::nullopt;
    }
    record.address = *address;
    uint32_t sum = *checksum;
    for (size_t i = 0; i < record.addressBytes; ++i) {
        sum += (record.address >> (8 * i)) & 0xFFu;
    }
    for (size_t i = 0; i < kRecordBytes; ++i) {
        const auto byte = ParseHex(fields[2].substr(2 * i, 2), 2);
        if (!byte) {
            return std::nullopt;
        }
        record.data[i] = static_cast<uint8_t>(*byte);
        sum += *byte;
    }
    record.checksumMatches = (sum & 0xFFu) == 0;
    return record;
}

const Region* RegionOf(const Record& record) {
    if (record.address % kRecordBytes != 0) {
        return nullptr;
    }
    for (const auto& region : kRegions) {
        if (region.command == record.command && record.address >= region.start &&
            record.address - region.start < region.size) {
            return &region;
        }
    }
    return nullptr;
}

// A byte can be programmed when it is erased, or already holds the value: a record sent again
// because its answer was lost reads back right and is not a failure.
bool CanProgram(std::span<const uint8_t> target, std::span<const uint8_t> data) {
    for (size_t i = 0; i < target.size(); ++i) {
        if (target[i] != kErased && target[i] != data[i]) {
            return false;
        }
    }
    return true;
}

// The letter and the record's address as it was sent: "K 000100", "A 0400".
std::string RecordAnswer(char letter, const Record& record) {
    char text[16];
    std::snprintf(text, sizeof text, "%c %0*X", letter, static_cast<int>(2 * record.addressBytes),
                  static_cast<unsigned>(record.address));
    return text;
}

std::string Identify(ControllerState&, const Fields&) {
    return std::string(kIdentity);
}

// Until the firmware is written again and started with "R", every power-up finds no firmware.
std::string Erase(ControllerState& controller, const Fields&) {
    std::fill(controller.memories.program.begin(), controller.memories.program.end(), kErased);
    controller.firmwareMissing = true;
    return std::string(kDone);
}

std::string Write(ControllerState& controller, const Fields& fields) {
    const auto record = ParseRecord(fields);
    if (!record) {
        return std::string(kNotUnderstood);
    }
    if (!record->checksumMatches) {
        return RecordAnswer('C', *record);
    }
    const Region* region = RegionOf(*record);
    if (region == nullptr) {
        return RecordAnswer('A', *record);
    }
    // Bytes of the line past the region's end (user ID, configuration) are ignored.
    const auto target =
        BytesOf(controller.memories, region->area).subspan(record->address - region->start);
    const size_t count = std::min(target.size(), kRecordBytes);
    const auto data = std::span<const uint8_t>(record->data).first(count);
    if (region->needsErased && !CanProgram(target.first(count), data)) {
        return RecordAnswer('F', *record);
    }
    std::copy(data.begin(), data.end(), target.begin());
    return RecordAnswer('K', *record);
}

std::string Run(ControllerState& controller, const Fields&) {
    controller.firmwareMissing = false;
    StartControllerFirmware(controller);
    return std::string(kDone);
}

struct BootCommand {
    std::string_view word;
    size_t fields;  // the word included
    std::string (*run)(ControllerState&, const Fields&);
};

constexpr std::array<BootCommand, 5> kCommands{{
    {"?", 1, Identify},
    {"E", 1, Erase},
    {"W", 4, Write},
    {"D", 4, Write},
    {"R", 1, Run},
}};

}  // namespace

std::string AnswerBootLoaderLine(ControllerState& controller, std::string_view line,
                                 bool overflow) {
    const Fields fields = SplitFields(line);
    if (overflow || fields.empty()) {
        return std::string(kNotUnderstood);
    }
    for (const auto& command : kCommands) {
        if (command.word == fields[0] && command.fields == fields.size()) {
            return command.run(controller, fields);
        }
    }
    return std::string(kNotUnderstood);
}

}  // namespace kvt::sim
