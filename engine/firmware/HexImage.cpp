#include "firmware/HexImage.h"

#include <cstdio>
#include <map>
#include <vector>

#include "text/HexDigits.h"

namespace kvt {

namespace {

constexpr size_t kLineBytes = 16;
constexpr uint8_t kDataRecord = 0;
constexpr uint8_t kExtendedLinearAddress = 4;

struct Record {
    uint8_t type = 0;
    uint16_t address = 0;
    std::vector<uint8_t> data;
};

// One record: ":", count, address, type, data, checksum, all as pairs of hex digits; what follows
// the checksum on the line (a carriage return) is not read. nullopt when the line is no record
// or its bytes do not add up to 0.
std::optional<Record> ParseRecord(std::string_view line) {
    if (line.empty() || line[0] != ':') {
        return std::nullopt;
    }
    const auto byteAt = [&](size_t index) -> std::optional<uint8_t> {
        const size_t at = 1 + 2 * index;
        if (at + 2 > line.size()) {
            return std::nullopt;
        }
        const int high = HexDigitValue(line[at]);
        const int low = HexDigitValue(line[at + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        return static_cast<uint8_t>(high * 16 + low);
    };
    const auto count = byteAt(0);
    if (!count) {
        return std::nullopt;
    }
    std::vector<uint8_t> bytes;
    uint8_t sum = 0;
    for (size_t i = 0; i < static_cast<size_t>(*count) + 5; ++i) {
        const auto byte = byteAt(i);
        if (!byte) {
            return std::nullopt;
        }
        bytes.push_back(*byte);
        sum = static_cast<uint8_t>(sum + *byte);
    }
    if (sum != 0) {
        return std::nullopt;
    }
    Record record;
    record.address = static_cast<uint16_t>(bytes[1] << 8 | bytes[2]);
    record.type = bytes[3];
    record.data.assign(bytes.begin() + 4, bytes.end() - 1);
    return record;
}

// The region of a linear address and the address its image lines carry.
struct Placement {
    FirmwareRegion region;
    uint32_t address;
};

std::optional<Placement> PlacementOf(uint32_t linear) {
    const uint32_t upper = linear >> 16;
    const uint32_t low = linear & 0xFFFF;
    if (upper <= 0x001F) {
        return Placement{FirmwareRegion::ProgramMemory, linear};
    }
    if (upper == 0x0020) {
        return Placement{FirmwareRegion::UserId, 0x200000 + low};
    }
    if (upper == 0x0030) {
        return Placement{FirmwareRegion::Config, 0x300000 + low};
    }
    if (upper == 0x00F0) {
        return Placement{FirmwareRegion::EepromData, low};
    }
    return std::nullopt;
}

// The lines of one region, in the order they are first written to.
class RegionLines {
  public:
    void Put(uint32_t address, uint8_t byte) {
        const uint32_t lineAddress = address & ~static_cast<uint32_t>(kLineBytes - 1);
        auto [at, added] = index_.try_emplace(lineAddress, lines_.size());
        if (added) {
            lines_.push_back({lineAddress, {}});
        }
        lines_[at->second].bytes[address % kLineBytes] = byte;
    }

    std::string Text() const {
        std::string text;
        char field[8];
        for (const Line& line : lines_) {
            std::snprintf(field, sizeof field, "%06X ", line.address & 0xFFFFFFu);
            text += field;
            for (const uint8_t byte : line.bytes) {
                std::snprintf(field, sizeof field, "%02X ", byte);
                text += field;
            }
            text += "\r\n";
        }
        return text;
    }

  private:
    struct Line {
        uint32_t address;
        std::array<uint8_t, kLineBytes> bytes;
    };
    std::vector<Line> lines_;
    std::map<uint32_t, size_t> index_;
};

}  // namespace

std::optional<FirmwareImages> SplitHexFile(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    // The line feed that ends the last record ends the file; it starts no record of its own.
    if (text.back() == '\n') {
        text.remove_suffix(1);
    }
    std::vector<Record> records;
    while (true) {
        const size_t end = text.find('\n');
        const auto record = ParseRecord(text.substr(0, end));
        if (!record || (record->type == kExtendedLinearAddress && record->data.size() != 2)) {
            return std::nullopt;
        }
        records.push_back(*record);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }

    std::array<RegionLines, kFirmwareRegions> regions;
    uint32_t upper = 0;
    for (const Record& record : records) {
        if (record.type == kExtendedLinearAddress) {
            upper = static_cast<uint32_t>(record.data[0] << 8 | record.data[1]);
        } else if (record.type == kDataRecord) {
            const uint32_t first = (upper << 16) + record.address;
            for (size_t i = 0; i < record.data.size(); ++i) {
                if (const auto place = PlacementOf(first + static_cast<uint32_t>(i))) {
                    regions[static_cast<size_t>(place->region)].Put(place->address, record.data[i]);
                }
            }
        }
    }
    FirmwareImages images;
    for (size_t r = 0; r < kFirmwareRegions; ++r) {
        images[r] = regions[r].Text();
    }
    return images;
}

}  // namespace kvt
