#include "formats/FormatTable.h"

#include <algorithm>

namespace kvt {

namespace {

struct FormatDefault {
    std::string_view code;
    std::string_view text1;
    uint16_t flags;
};

constexpr std::array<FormatDefault, kFormats> kFactoryFormats{{
    {"01", "Mono", 0x00C3},
    {"04", "Stereo", 0x0143},
    {"05", "Stereo SR", 0x0243},
    {"87", "Digital A", 0x0420},
    {"60", "Non-Sync", 0x0010},
    {"61", "Aux", 0x0004},
    {"64", "Mic Center", 0x0008},
    {"U1", "User Defined", 0},
    {"80", "Digital B", 0x4420},
    {"U2", "User Defined", 0},
    {"U3", "User Defined", 0},
    {"U4", "User Defined", 0},
    {"U5", "User Defined", 0},
    {"U6", "User Defined", 0},
    {"U7", "User Defined", 0},
    {"U8", "User Defined", 0},
}};

constexpr std::array<int32_t, kButtons> kFactoryButtons{0, 1, 2, 3, 8, 4, 5, 6};
constexpr int32_t kFactoryPowerOnFormat = 2;

constexpr std::array<ProfileFieldInfo, kProfileFields> kProfileFieldInfo{{
    {ProfileField::SerialNumber, "SerialNumber", 16, 559},
    {ProfileField::DigitalPlayer1, "DigitalPlayer1", 16, 591},
    {ProfileField::DigitalPlayer2, "DigitalPlayer2", 16, 623},
    {ProfileField::ProjectName, "ProjectName", 32, 655},
    {ProfileField::TheaterName, "TheaterName", 32, 719},
    {ProfileField::ScreenNumber, "ScreenNumber", 4, 783},
    {ProfileField::ProjectorModel, "ProjectorModel", 32, 791},
    {ProfileField::AutomationSystem, "AutomationSystem", 32, 855},
    {ProfileField::Comments, "Comments", 127, 919},
}};

}  // namespace

std::string FormatRecord::Text(RecordText field) const {
    const auto first = bytes.begin() + static_cast<ptrdiff_t>(field.offset);
    const auto last = first + static_cast<ptrdiff_t>(field.size);
    return std::string(first, std::find(first, last, uint8_t{0}));
}

bool FormatRecord::SetText(RecordText field, std::string_view text) {
    text = text.substr(0, text.find('\0'));
    if (text.size() >= field.size) {
        return false;
    }
    std::copy(text.begin(), text.end(), bytes.begin() + static_cast<ptrdiff_t>(field.offset));
    bytes[field.offset + text.size()] = 0;
    return true;
}

uint16_t FormatRecord::Flags() const {
    return static_cast<uint16_t>(bytes[kFlagsOffset] | (bytes[kFlagsOffset + 1] << 8));
}

void FormatRecord::SetFlags(uint16_t flags) {
    bytes[kFlagsOffset] = static_cast<uint8_t>(flags & 0xFF);
    bytes[kFlagsOffset + 1] = static_cast<uint8_t>(flags >> 8);
}

void FormatRecord::SetFlag(uint16_t bit, bool on) {
    SetFlags(static_cast<uint16_t>(on ? Flags() | bit : Flags() & ~bit));
}

FormatTable FactoryFormatTable() {
    FormatTable table;
    for (size_t i = 0; i < kFactoryFormats.size(); ++i) {
        FormatRecord& record = table.records[i];
        record.SetText(kFormatCode, kFactoryFormats[i].code);
        record.SetText(kFormatText1, kFactoryFormats[i].text1);
        record.SetFlags(kFactoryFormats[i].flags);
    }
    table.powerOnFormat = kFactoryPowerOnFormat;
    table.buttonFormat = kFactoryButtons;
    table.formatCount = kFormats;
    return table;
}

uint32_t FormatRecordAddress(int format) {
    return kFormatTableAddress +
           static_cast<uint32_t>(kFormatEepromBytes) * static_cast<uint32_t>(format);
}

uint32_t PowerOnButtonEntry(const FormatTable& table, int32_t powerOnFormat) {
    if (powerOnFormat == kNoPowerOnFormat) {
        return kNoPowerOnFormat;
    }
    const auto& buttons = table.buttonFormat;
    return static_cast<uint32_t>(std::find(buttons.begin(), buttons.end(), powerOnFormat) -
                                 buttons.begin());
}

int32_t PowerOnFormatOfEntry(const std::array<int32_t, kButtons>& buttons, uint32_t entry) {
    if (entry < static_cast<uint32_t>(kButtons)) {
        return buttons[entry];
    }
    return kNoPowerOnFormat;
}

const ProfileFieldInfo& InfoOf(ProfileField field) {
    return kProfileFieldInfo[static_cast<size_t>(field)];
}

std::u16string Profile::Text(ProfileField field) const {
    const std::u16string& units = fields[static_cast<size_t>(field)];
    return units.substr(0, units.find(u'\0'));
}

bool Profile::SetText(ProfileField field, std::u16string_view text) {
    text = text.substr(0, text.find(u'\0'));
    std::u16string& units = fields[static_cast<size_t>(field)];
    if (text.size() >= units.size()) {
        return false;
    }
    std::copy(text.begin(), text.end(), units.begin());
    units[text.size()] = u'\0';
    return true;
}

std::vector<uint8_t> Profile::EepromBytes(ProfileField field) const {
    std::vector<uint8_t> bytes;
    for (const char16_t unit : fields[static_cast<size_t>(field)]) {
        bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<uint8_t>(unit >> 8));
    }
    return bytes;
}

void Profile::SetFromEeprom(ProfileField field, const std::vector<uint32_t>& bytes) {
    std::u16string& units = fields[static_cast<size_t>(field)];
    for (size_t i = 0; i < units.size() && 2 * i + 1 < bytes.size(); ++i) {
        units[i] = static_cast<char16_t>((bytes[2 * i] & 0xFF) | ((bytes[2 * i + 1] & 0xFF) << 8));
    }
}

Profile FactoryProfile() {
    Profile profile;
    for (const ProfileFieldInfo& info : kProfileFieldInfo) {
        profile.fields[static_cast<size_t>(info.field)].assign(info.units, u'\0');
    }
    profile.SetText(ProfileField::ProjectName, u"* FACTORY DEFAULTS *");
    return profile;
}

}  // namespace kvt
