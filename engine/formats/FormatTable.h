// The table of playback formats and the installation profile, as the engine keeps them and as
// they lie in the unit's EEPROM (parameter block 0).
//
// A format record is 34 bytes: code (3 bytes of 8-bit text), text 1 (13), text 2 (13), a reserved
// byte, the flags word (little-endian), the fader level, and a spare byte. The first 33 bytes are
// the unit's; the spare byte stays on this side (image and configuration file).
//
// Laptop values carried by the record: the reserved byte holds FormatProjectorDelays (bit 0) and
// FormatDiscrete (bit 1), so they travel with the record to the unit's EEPROM and back; the spare
// byte holds FormatOutputMask, which only the configuration file keeps.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvt {

constexpr int kFormats = 16;
constexpr int kButtons = 8;
constexpr size_t kFormatRecordBytes = 34;
constexpr size_t kFormatEepromBytes = 33;

namespace format_flag {
constexpr uint16_t P1 = 0x0001;
constexpr uint16_t P2 = 0x0002;
constexpr uint16_t Aux = 0x0004;
constexpr uint16_t Mic = 0x0008;
constexpr uint16_t NonSync = 0x0010;
constexpr uint16_t Digital = 0x0020;
constexpr uint16_t SlitEQ = 0x0040;
constexpr uint16_t MonoEQ = 0x0080;
constexpr uint16_t NRMask = 0x0300;
constexpr int NRShift = 8;
constexpr uint16_t Matrix = 0x0400;
constexpr uint16_t Slot = 0x0800;
constexpr uint16_t SPDIF = 0x1000;
constexpr uint16_t MicPhase = 0x2000;
constexpr uint16_t AESEBU = 0x4000;
}  // namespace format_flag

namespace reserved_flag {
constexpr uint8_t ProjectorDelays = 0x01;
constexpr uint8_t Discrete = 0x02;
}  // namespace reserved_flag

// A text field of a record: offset and size including the terminator.
struct RecordText {
    size_t offset;
    size_t size;
};
constexpr RecordText kFormatCode{0, 3};
constexpr RecordText kFormatText1{3, 13};
constexpr RecordText kFormatText2{16, 13};
constexpr size_t kReservedOffset = 29;
constexpr size_t kFlagsOffset = 30;
constexpr size_t kLevelOffset = 32;
constexpr size_t kSpareOffset = 33;

struct FormatRecord {
    std::array<uint8_t, kFormatRecordBytes> bytes{};

    // The 8-bit text up to its terminator (or the end of the field).
    std::string Text(RecordText field) const;
    // Copies text and terminator into the field; false (nothing changed) when it does not fit.
    bool SetText(RecordText field, std::string_view text);

    uint16_t Flags() const;
    void SetFlags(uint16_t flags);
    bool Flag(uint16_t bit) const { return (Flags() & bit) != 0; }
    void SetFlag(uint16_t bit, bool on);
};

struct FormatTable {
    std::array<FormatRecord, kFormats> records{};
    int32_t powerOnFormat = 0;  // 0..15, or 128 for none
    std::array<int32_t, kButtons> buttonFormat{};
    int32_t formatCount = 0;
};

constexpr int32_t kNoPowerOnFormat = 128;

FormatTable FactoryFormatTable();

// EEPROM addresses of the format settings.
constexpr uint32_t kPowerOnButtonAddress = 19;
constexpr uint32_t kButtonTableAddress = 20;
constexpr uint32_t kFormatCountAddress = 28;
constexpr uint32_t kFormatTableAddress = 29;
constexpr uint32_t kFallbackModeAddress = 557;
uint32_t FormatRecordAddress(int format);

// The power-on entry the unit keeps: 128 for none, else the first button holding the format, 8
// when no button does.
uint32_t PowerOnButtonEntry(const FormatTable& table, int32_t powerOnFormat);

// The format a power-on entry read from the unit stands for, given the unit's button table. An
// entry without a button (8: no button held the format when it was written; anything above)
// cannot name a format, so it reads as "none" (128).
int32_t PowerOnFormatOfEntry(const std::array<int32_t, kButtons>& buttons, uint32_t entry);

// ---- Installation profile --------------------------------------------------------------------

enum class ProfileField : uint8_t {
    SerialNumber,
    DigitalPlayer1,
    DigitalPlayer2,
    ProjectName,
    TheaterName,
    ScreenNumber,
    ProjectorModel,
    AutomationSystem,
    Comments,
    Count,
};
constexpr size_t kProfileFields = static_cast<size_t>(ProfileField::Count);

struct ProfileFieldInfo {
    ProfileField field;
    std::string_view name;
    size_t units;  // 16-bit units including the terminator
    uint32_t eepromAddress;
};
const ProfileFieldInfo& InfoOf(ProfileField field);

// Each field holds exactly `units` UTF-16 units (text, terminator, whatever followed).
struct Profile {
    std::array<std::u16string, kProfileFields> fields;

    std::u16string Text(ProfileField field) const;
    // Copies text and terminator into the field; false (nothing changed) when it is longer than
    // units - 1.
    bool SetText(ProfileField field, std::u16string_view text);
    // The field's bytes as the EEPROM keeps them: each unit low byte first.
    std::vector<uint8_t> EepromBytes(ProfileField field) const;
    // Fills the field from EEPROM bytes (at least 2 x units of them).
    void SetFromEeprom(ProfileField field, const std::vector<uint32_t>& bytes);
};

Profile FactoryProfile();

}  // namespace kvt
