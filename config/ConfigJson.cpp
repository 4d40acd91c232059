#include "ConfigJson.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <span>

#include "text/Codepage.h"

namespace kvt::config {

namespace {

// A field that cannot be taken: its name and why.
struct FieldError {
    std::string field;
    std::string reason;
};

[[noreturn]] void Fail(std::string field, std::string reason) {
    throw FieldError{std::move(field), std::move(reason)};
}

// The parameters a configuration file keeps as 32-bit integers; the others are doubles.
bool KeptWhole(Param param) {
    switch (param) {
        case Param::Delay:
        case Param::DigitalSurroundDelay:
        case Param::HeadroomAdjust:
        case Param::DigitalFallbackMode:
        case Param::InputConfig:
        case Param::DigitalInputDelay:
            return true;
        default:
            return false;
    }
}

// The profile fields a configuration file keeps, in file order.
constexpr std::array<ProfileField, 8> kFileProfile{
    ProfileField::DigitalPlayer1,   ProfileField::DigitalPlayer2, ProfileField::ProjectName,
    ProfileField::TheaterName,      ProfileField::ScreenNumber,   ProfileField::ProjectorModel,
    ProfileField::AutomationSystem, ProfileField::Comments,
};

struct NamedFlag {
    std::string_view member;
    uint16_t bit;
};
constexpr std::array<NamedFlag, 13> kFormatFlags{{
    {"FormatP1", format_flag::P1},
    {"FormatP2", format_flag::P2},
    {"FormatAux", format_flag::Aux},
    {"FormatMic", format_flag::Mic},
    {"FormatNS", format_flag::NonSync},
    {"FormatDigital", format_flag::Digital},
    {"FormatSlitEQ", format_flag::SlitEQ},
    {"FormatMonoEQ", format_flag::MonoEQ},
    {"FormatMatrix", format_flag::Matrix},
    {"FormatSlot", format_flag::Slot},
    {"FormatSPDIFF", format_flag::SPDIF},
    {"MicPhase", format_flag::MicPhase},
    {"FormatAESEBU", format_flag::AESEBU},
}};
// The flags word's top bit has no member; it is kept only when set.
constexpr std::string_view kTopFlagMember = "FormatFlag15";
constexpr uint16_t kTopFlag = 0x8000;
// Bits of the reserved byte other than the two laptop flags; kept only when any is set.
constexpr std::string_view kReservedBitsMember = "FormatReservedBits";
constexpr uint8_t kLaptopReservedBits = reserved_flag::ProjectorDelays | reserved_flag::Discrete;

struct NamedText {
    std::string_view member;
    RecordText field;
};
constexpr std::array<NamedText, 3> kFormatTexts{{
    {"FormatCode", kFormatCode},
    {"FormatTxt1", kFormatText1},
    {"FormatTxt2", kFormatText2},
}};

std::string BytesMember(std::string_view member) {
    return std::string(member) + "Bytes";
}

std::string Indexed(std::string_view member, int index) {
    return std::string(member) + "[" + std::to_string(index) + "]";
}

std::string Hex(std::span<const uint8_t> bytes) {
    constexpr std::string_view kDigits = "0123456789abcdef";
    std::string text;
    for (const uint8_t byte : bytes) {
        text.push_back(kDigits[byte >> 4]);
        text.push_back(kDigits[byte & 0xF]);
    }
    return text;
}

std::optional<std::vector<uint8_t>> FromHex(std::string_view text) {
    if (text.size() % 2 != 0) {
        return std::nullopt;
    }
    const auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        if (c >= 'a' && c <= 'f') {
            return c - 'a' + 10;
        }
        if (c >= 'A' && c <= 'F') {
            return c - 'A' + 10;
        }
        return -1;
    };
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < text.size(); i += 2) {
        const int high = digit(text[i]);
        const int low = digit(text[i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<uint8_t>(high * 16 + low));
    }
    return bytes;
}

// ---- Texts of format records (8-bit, Windows-1252) and of the profile (UTF-16) ---------------

std::string FormatText(const FormatRecord& record, RecordText field) {
    return ToUtf8(FromCp1252(record.Text(field)));
}

// Puts a text into a record field the way renaming a format does (text and terminator, the rest
// of the field as it was).
std::optional<std::string> SetFormatText(FormatRecord& record, RecordText field,
                                         std::string_view utf8) {
    const std::optional<std::u16string> wide = FromUtf8Strict(utf8);
    if (!wide || wide->find(u'\0') != std::u16string::npos) {
        return "the text is not valid";
    }
    const std::optional<std::string> bytes = ToCp1252(*wide);
    if (!bytes) {
        return "a character has no Windows-1252 form";
    }
    if (!record.SetText(field, *bytes)) {
        return "the text is longer than " + std::to_string(field.size - 1) + " characters";
    }
    return std::nullopt;
}

std::span<const uint8_t> FieldBytes(const FormatRecord& record, RecordText field) {
    return std::span(record.bytes).subspan(field.offset, field.size);
}

// Whether the text alone rebuilds the field.
bool TextRebuilds(const FormatRecord& record, RecordText field) {
    FormatRecord plain;
    if (SetFormatText(plain, field, FormatText(record, field))) {
        return false;
    }
    return std::ranges::equal(FieldBytes(plain, field), FieldBytes(record, field));
}

std::u16string ProfileUnits(const Profile& profile, ProfileField field) {
    std::u16string units = profile.fields[static_cast<size_t>(field)];
    units.resize(InfoOf(field).units, u'\0');
    return units;
}

std::vector<uint8_t> UnitBytes(std::u16string_view units) {
    std::vector<uint8_t> bytes;
    for (const char16_t unit : units) {
        bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<uint8_t>(unit >> 8));
    }
    return bytes;
}

std::u16string UnitsOf(std::span<const uint8_t> bytes) {
    std::u16string units;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        units.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
    }
    return units;
}

std::string ProfileText(const std::u16string& units) {
    return ToUtf8(std::u16string_view(units).substr(0, units.find(u'\0')));
}

std::optional<std::string> SetProfileText(std::u16string& units, std::string_view utf8) {
    const std::optional<std::u16string> wide = FromUtf8Strict(utf8);
    if (!wide || wide->find(u'\0') != std::u16string::npos) {
        return "the text is not valid";
    }
    if (wide->size() >= units.size()) {
        return "the text is longer than " + std::to_string(units.size() - 1) + " characters";
    }
    std::copy(wide->begin(), wide->end(), units.begin());
    units[wide->size()] = u'\0';
    return std::nullopt;
}

// ---- Export ----------------------------------------------------------------------------------

Json ParameterRows(const ParameterImage& image) {
    Json rows = Json::array();
    for (const ParameterRow& row : AddressMap()) {
        const auto add = [&](Json index, ParameterIndex at) {
            Json entry = {{"member", row.name}};
            if (!index.is_null()) {
                entry["index"] = std::move(index);
            }
            const double value = image.Get(row.param, at);
            if (KeptWhole(row.param)) {
                entry["value"] = static_cast<int32_t>(value);
            } else {
                entry["value"] = value;
            }
            rows.push_back(std::move(entry));
        };
        switch (row.index) {
            case IndexKind::None:
                add(nullptr, {});
                break;
            case IndexKind::Projector:
                for (int p = 0; p < kProjectors; ++p) {
                    add(p, {p, 0});
                }
                break;
            case IndexKind::Channel:
                for (int c = 0; c < kChannels; ++c) {
                    add(c, {c, 0});
                }
                break;
            case IndexKind::ChannelBand:
                for (int c = 0; c < kChannels; ++c) {
                    for (int b = 0; b < kBands; ++b) {
                        add(Json::array({c, b}), {c, b});
                    }
                }
                break;
        }
    }
    for (const auto& [member, flags] :
         {std::pair{"Mute", &image.mute}, std::pair{"Invert", &image.invert}}) {
        for (int c = 0; c < kChannels; ++c) {
            rows.push_back({{"member", member}, {"index", c}, {"value", (*flags)[c]}});
        }
    }
    return rows;
}

Json RecordJson(const FormatRecord& record, int index) {
    Json entry = {{"index", index}};
    for (const NamedText& text : kFormatTexts) {
        entry[std::string(text.member)] = FormatText(record, text.field);
    }
    const uint16_t flags = record.Flags();
    for (const NamedFlag& flag : kFormatFlags) {
        entry[std::string(flag.member)] = (flags & flag.bit) != 0;
    }
    entry["FormatNR"] = (flags & format_flag::NRMask) >> format_flag::NRShift;
    entry["FormatLevel"] = record.bytes[kLevelOffset];
    const uint8_t reserved = record.bytes[kReservedOffset];
    entry["FormatProjectorDelays"] = (reserved & reserved_flag::ProjectorDelays) != 0;
    entry["FormatDiscrete"] = (reserved & reserved_flag::Discrete) != 0;
    entry["FormatOutputMask"] = record.bytes[kSpareOffset];
    if ((flags & kTopFlag) != 0) {
        entry[std::string(kTopFlagMember)] = true;
    }
    if ((reserved & ~kLaptopReservedBits) != 0) {
        entry[std::string(kReservedBitsMember)] = reserved & ~kLaptopReservedBits;
    }
    for (const NamedText& text : kFormatTexts) {
        if (!TextRebuilds(record, text.field)) {
            entry[BytesMember(text.member)] = Hex(FieldBytes(record, text.field));
        }
    }
    return entry;
}

Json FormatsJson(const FormatTable& table) {
    Json records = Json::array();
    for (int f = 0; f < kFormats; ++f) {
        records.push_back(RecordJson(table.records[static_cast<size_t>(f)], f));
    }
    return {{"PowerOnFormat", table.powerOnFormat},
            {"FormatCount", table.formatCount},
            {"ButtonFormat", table.buttonFormat},
            {"table", std::move(records)}};
}

Json ProfileJson(const Profile& profile) {
    Json entry = Json::object();
    for (const ProfileField field : kFileProfile) {
        entry[std::string(InfoOf(field).name)] = ProfileText(ProfileUnits(profile, field));
    }
    for (const ProfileField field : kFileProfile) {
        const std::u16string units = ProfileUnits(profile, field);
        std::u16string plain(units.size(), u'\0');
        if (SetProfileText(plain, ProfileText(units)) || plain != units) {
            entry[BytesMember(InfoOf(field).name)] = Hex(UnitBytes(units));
        }
    }
    return entry;
}

// The field name of a parameter row: the member with its index ("EQBand[2][14]").
std::string RowFieldName(const Json& row) {
    std::string name = row["member"].get<std::string>();
    if (const auto index = row.find("index"); index != row.end()) {
        if (index->is_array()) {
            for (const Json& part : *index) {
                name = Indexed(name, part.get<int>());
            }
        } else {
            name = Indexed(name, index->get<int>());
        }
    }
    return name;
}

// ---- Import ----------------------------------------------------------------------------------

// Members of one JSON object, each taken at most once; what is left over is unknown.
class Members {
  public:
    Members(const Json& object, std::string where) : object_(object), where_(std::move(where)) {
        if (!object.is_object()) {
            Fail(where_.empty() ? "the configuration" : where_, "must be an object");
        }
    }

    const Json& Required(std::string_view member) {
        const Json* value = Optional(member);
        if (value == nullptr) {
            Fail(Name(member), "is missing");
        }
        return *value;
    }
    const Json* Optional(std::string_view member) {
        const auto found = object_.find(std::string(member));
        if (found == object_.end()) {
            return nullptr;
        }
        taken_.insert(std::string(member));
        return &*found;
    }
    void RejectUnknown() const {
        for (const auto& [key, value] : object_.items()) {
            if (!taken_.contains(key)) {
                Fail(Name(key), "is not a field of a configuration");
            }
        }
    }
    std::string Name(std::string_view member) const {
        return where_.empty() ? std::string(member) : where_ + "." + std::string(member);
    }

  private:
    const Json& object_;
    std::string where_;
    std::set<std::string> taken_;
};

int64_t WholeNumber(const Json& value, const std::string& field, int64_t min, int64_t max) {
    int64_t number = 0;
    if (value.is_number_integer()) {
        number = value.get<int64_t>();
        if (value.is_number_unsigned() && value.get<uint64_t>() > static_cast<uint64_t>(max)) {
            number = max + 1;
        }
    } else if (value.is_number_float() && std::trunc(value.get<double>()) == value.get<double>() &&
               std::abs(value.get<double>()) < 1e15) {
        number = static_cast<int64_t>(value.get<double>());
    } else {
        Fail(field, "must be a whole number");
    }
    if (number < min || number > max) {
        Fail(field, std::to_string(number) + " is outside " + std::to_string(min) + ".." +
                        std::to_string(max));
    }
    return number;
}

bool Boolean(const Json& value, const std::string& field) {
    if (!value.is_boolean()) {
        Fail(field, "must be true or false");
    }
    return value.get<bool>();
}

const std::string& Text(const Json& value, const std::string& field) {
    if (!value.is_string()) {
        Fail(field, "must be a text");
    }
    return value.get_ref<const std::string&>();
}

std::string RangeText(const ParameterRow& row) {
    if (KeptWhole(row.param)) {
        return std::to_string(static_cast<int>(row.min)) + ".." +
               std::to_string(static_cast<int>(row.max));
    }
    return Json(row.min).dump() + ".." + Json(row.max).dump();
}

double ParameterValue(const ParameterRow& row, const Json& value, const std::string& field) {
    if (!value.is_number()) {
        Fail(field, "must be a number");
    }
    const double number = value.get<double>();
    if (KeptWhole(row.param) && std::trunc(number) != number) {
        Fail(field, value.dump() + " is not a whole number");
    }
    if (!std::isfinite(number) || !InRange(row, number)) {
        Fail(field, value.dump() + " is outside " + RangeText(row));
    }
    return number;
}

// The name of a parameter row from its member and index, checking the index's shape.
std::pair<std::string, ParameterIndex> RowName(const ParameterRow& row, const Json* index,
                                               const std::string& where) {
    const std::string member(row.name);
    const auto number = [&](const Json& value, int count, const char* what) {
        if (!value.is_number_integer() || value.get<int64_t>() < 0 ||
            value.get<int64_t>() >= count) {
            Fail(where + " (" + member + ")",
                 std::string("the index must be a ") + what + " 0.." + std::to_string(count - 1));
        }
        return static_cast<int>(value.get<int64_t>());
    };
    switch (row.index) {
        case IndexKind::None:
            if (index != nullptr) {
                Fail(where + " (" + member + ")", "takes no index");
            }
            return {member, {}};
        case IndexKind::Projector:
        case IndexKind::Channel: {
            if (index == nullptr) {
                Fail(where + " (" + member + ")", "the index is missing");
            }
            const bool projector = row.index == IndexKind::Projector;
            const int at = number(*index, projector ? kProjectors : kChannels,
                                  projector ? "projector" : "channel");
            return {Indexed(member, at), {at, 0}};
        }
        case IndexKind::ChannelBand: {
            if (index == nullptr || !index->is_array() || index->size() != 2) {
                Fail(where + " (" + member + ")", "the index must be [channel, band]");
            }
            const int channel = number((*index)[0], kChannels, "channel");
            const int band = number((*index)[1], kBands, "band");
            return {Indexed(Indexed(member, channel), band), {channel, band}};
        }
    }
    return {member, {}};
}

const ParameterRow* FindRow(std::string_view member) {
    for (const ParameterRow& row : AddressMap()) {
        if (row.name == member) {
            return &row;
        }
    }
    return nullptr;
}

void ReadParameters(const Json& rows, ParameterImage& image) {
    if (!rows.is_array()) {
        Fail("parameters", "must be a list");
    }
    std::set<std::string> seen;
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string where = "parameters[" + std::to_string(i) + "]";
        Members members(rows[i], where);
        const std::string& member = Text(members.Required("member"), where + ".member");
        const Json* index = members.Optional("index");
        const Json& value = members.Required("value");
        members.RejectUnknown();
        if (member == "Mute" || member == "Invert") {
            if (index == nullptr || !index->is_number_integer() || index->get<int64_t>() < 0 ||
                index->get<int64_t>() >= kChannels) {
                Fail(where + " (" + member + ")", "the index must be a channel 0..7");
            }
            const int channel = static_cast<int>(index->get<int64_t>());
            const std::string name = Indexed(member, channel);
            if (!seen.insert(name).second) {
                Fail(name, "appears twice");
            }
            (member == "Mute" ? image.mute : image.invert)[static_cast<size_t>(channel)] =
                Boolean(value, name);
            continue;
        }
        const ParameterRow* row = FindRow(member);
        if (row == nullptr) {
            Fail(where + " (" + member + ")", "is not a field of a configuration");
        }
        const auto [name, at] = RowName(*row, index, where);
        if (!seen.insert(name).second) {
            Fail(name, "appears twice");
        }
        image.Set(row->param, at, ParameterValue(*row, value, name));
    }
    for (const Json& row : ParameterRows(FactoryImage())) {
        if (const std::string name = RowFieldName(row); !seen.contains(name)) {
            Fail(name, "is missing");
        }
    }
}

// A text field whose bytes may travel beside it: the bytes are the field as it was, the text is
// then put into it as renaming does. Text and bytes that agree leave the bytes as they are.
void ReadFormatText(Members& members, const NamedText& text, int format, FormatRecord& record) {
    const std::string name = Indexed(text.member, format);
    const std::string& value = Text(members.Required(text.member), name);
    if (const Json* bytes = members.Optional(BytesMember(text.member))) {
        const std::string bytesName = Indexed(BytesMember(text.member), format);
        const auto raw = FromHex(Text(*bytes, bytesName));
        if (!raw || raw->size() != text.field.size) {
            Fail(bytesName, "must be " + std::to_string(text.field.size) + " bytes in hex");
        }
        std::ranges::copy(*raw, record.bytes.begin() + static_cast<ptrdiff_t>(text.field.offset));
        if (FormatText(record, text.field) == value) {
            return;
        }
    }
    if (const auto problem = SetFormatText(record, text.field, value)) {
        Fail(name, *problem);
    }
}

FormatRecord ReadRecord(const Json& entry, int format) {
    const std::string where = "formats.table[" + std::to_string(format) + "]";
    Members members(entry, where);
    if (WholeNumber(members.Required("index"), members.Name("index"), format, format) != format) {
        Fail(members.Name("index"), "out of order");
    }
    FormatRecord record;
    for (const NamedText& text : kFormatTexts) {
        ReadFormatText(members, text, format, record);
    }
    uint16_t flags = 0;
    for (const NamedFlag& flag : kFormatFlags) {
        if (Boolean(members.Required(flag.member), Indexed(flag.member, format))) {
            flags |= flag.bit;
        }
    }
    flags |= static_cast<uint16_t>(
        WholeNumber(members.Required("FormatNR"), Indexed("FormatNR", format), 0, 3)
        << format_flag::NRShift);
    if (const Json* top = members.Optional(kTopFlagMember);
        top != nullptr && Boolean(*top, Indexed(kTopFlagMember, format))) {
        flags |= kTopFlag;
    }
    record.SetFlags(flags);
    record.bytes[kLevelOffset] = static_cast<uint8_t>(
        WholeNumber(members.Required("FormatLevel"), Indexed("FormatLevel", format), 0, 255));
    uint8_t reserved = 0;
    if (Boolean(members.Required("FormatProjectorDelays"),
                Indexed("FormatProjectorDelays", format))) {
        reserved |= reserved_flag::ProjectorDelays;
    }
    if (Boolean(members.Required("FormatDiscrete"), Indexed("FormatDiscrete", format))) {
        reserved |= reserved_flag::Discrete;
    }
    if (const Json* bits = members.Optional(kReservedBitsMember)) {
        const std::string name = Indexed(kReservedBitsMember, format);
        const auto value = static_cast<uint8_t>(WholeNumber(*bits, name, 0, 255));
        if ((value & kLaptopReservedBits) != 0) {
            Fail(name, "holds the bits of FormatProjectorDelays and FormatDiscrete");
        }
        reserved |= value;
    }
    record.bytes[kReservedOffset] = reserved;
    record.bytes[kSpareOffset] = static_cast<uint8_t>(WholeNumber(
        members.Required("FormatOutputMask"), Indexed("FormatOutputMask", format), 0, 255));
    members.RejectUnknown();
    return record;
}

void ReadFormats(const Json& formats, FormatTable& table) {
    Members members(formats, "formats");
    const Json& powerOn = members.Required("PowerOnFormat");
    const auto powerOnFormat = WholeNumber(powerOn, "PowerOnFormat", 0, kNoPowerOnFormat);
    if (powerOnFormat >= kFormats && powerOnFormat != kNoPowerOnFormat) {
        Fail("PowerOnFormat", std::to_string(powerOnFormat) + " is neither a format 0..15 nor 128");
    }
    table.powerOnFormat = static_cast<int32_t>(powerOnFormat);
    table.formatCount = static_cast<int32_t>(
        WholeNumber(members.Required("FormatCount"), "FormatCount", 0, kFormats));
    const Json& buttons = members.Required("ButtonFormat");
    if (!buttons.is_array() || buttons.size() != kButtons) {
        Fail("ButtonFormat", "must be a list of 8 formats");
    }
    for (int b = 0; b < kButtons; ++b) {
        table.buttonFormat[static_cast<size_t>(b)] = static_cast<int32_t>(WholeNumber(
            buttons[static_cast<size_t>(b)], Indexed("ButtonFormat", b), 0, kFormats - 1));
    }
    const Json& records = members.Required("table");
    if (!records.is_array() || records.size() != kFormats) {
        Fail("formats.table", "must be a list of 16 format records");
    }
    for (int f = 0; f < kFormats; ++f) {
        table.records[static_cast<size_t>(f)] = ReadRecord(records[static_cast<size_t>(f)], f);
    }
    members.RejectUnknown();
}

void ReadProfile(const Json& entry, Profile& profile) {
    Members members(entry, "profile");
    for (const ProfileField field : kFileProfile) {
        const std::string name(InfoOf(field).name);
        const std::string& text = Text(members.Required(name), name);
        std::u16string units(InfoOf(field).units, u'\0');
        if (const Json* bytes = members.Optional(BytesMember(name))) {
            const auto raw = FromHex(Text(*bytes, BytesMember(name)));
            if (!raw || raw->size() != 2 * units.size()) {
                Fail(BytesMember(name),
                     "must be " + std::to_string(2 * units.size()) + " bytes in hex");
            }
            units = UnitsOf(*raw);
        }
        if (ProfileText(units) != text) {
            if (const auto problem = SetProfileText(units, text)) {
                Fail(name, *problem);
            }
        }
        profile.fields[static_cast<size_t>(field)] = std::move(units);
    }
    members.RejectUnknown();
}

// ---- Text layout -----------------------------------------------------------------------------

bool AllObjects(const Json& array) {
    return !array.empty() &&
           std::ranges::all_of(array, [](const Json& item) { return item.is_object(); });
}

void Write(const Json& value, std::string& out, int depth) {
    const std::string indent(static_cast<size_t>(2 * (depth + 1)), ' ');
    const std::string closing(static_cast<size_t>(2 * depth), ' ');
    if (value.is_object() && !value.empty()) {
        out += "{\n";
        size_t left = value.size();
        for (const auto& [key, item] : value.items()) {
            out += indent + Json(key).dump() + ": ";
            Write(item, out, depth + 1);
            out += --left > 0 ? ",\n" : "\n";
        }
        out += closing + "}";
    } else if (value.is_array() && AllObjects(value)) {
        out += "[\n";
        for (size_t i = 0; i < value.size(); ++i) {
            out += indent + value[i].dump(-1, ' ', false, Json::error_handler_t::replace);
            out += i + 1 < value.size() ? ",\n" : "\n";
        }
        out += closing + "]";
    } else {
        out += value.dump(-1, ' ', false, Json::error_handler_t::replace);
    }
}

void Flatten(const std::string& prefix, const Json& value, std::vector<Field>& fields) {
    if (value.is_array()) {
        for (size_t i = 0; i < value.size(); ++i) {
            fields.push_back({Indexed(prefix, static_cast<int>(i)), value[i]});
        }
        return;
    }
    fields.push_back({prefix, value});
}

}  // namespace

Json ToJson(const ParameterImage& image) {
    return {{"kind", kJsonKind},
            {"version", kJsonVersion},
            {"parameters", ParameterRows(image)},
            {"formats", FormatsJson(image.formats)},
            {"profile", ProfileJson(image.profile)}};
}

std::string JsonText(const Json& json) {
    std::string out;
    Write(json, out, 0);
    out += "\n";
    return out;
}

ImportResult FromJson(const Json& json) {
    try {
        Members members(json, "");
        if (const Json& kind = members.Required("kind");
            !kind.is_string() || kind.get<std::string>() != kJsonKind) {
            Fail("kind", "must be \"" + std::string(kJsonKind) + "\"");
        }
        if (const Json& version = members.Required("version");
            !version.is_number_integer() || version.get<int64_t>() != kJsonVersion) {
            Fail("version", "must be " + std::to_string(kJsonVersion));
        }
        ParameterImage image = FactoryImage();
        ReadParameters(members.Required("parameters"), image);
        ReadFormats(members.Required("formats"), image.formats);
        ReadProfile(members.Required("profile"), image.profile);
        members.RejectUnknown();
        return {std::move(image), {}};
    } catch (const FieldError& failure) {
        return {std::nullopt, failure.field + ": " + failure.reason};
    }
}

ImportResult FromJsonText(std::string_view text) {
    Json json;
    try {
        json = Json::parse(text);
    } catch (const Json::exception& failure) {
        return {std::nullopt, std::string("not valid JSON: ") + failure.what()};
    }
    return FromJson(json);
}

std::vector<Field> Fields(const ParameterImage& image) {
    std::vector<Field> fields;
    const Json json = ToJson(image);
    for (const Json& row : json["parameters"]) {
        fields.push_back({RowFieldName(row), row["value"]});
    }
    const Json& formats = json["formats"];
    for (const auto& [key, value] : formats.items()) {
        if (key != "table") {
            Flatten(key, value, fields);
        }
    }
    for (const Json& record : formats["table"]) {
        const int format = record["index"].get<int>();
        for (const auto& [key, value] : record.items()) {
            if (key != "index") {
                fields.push_back({Indexed(key, format), value});
            }
        }
    }
    for (const auto& [key, value] : json["profile"].items()) {
        fields.push_back({key, value});
    }
    return fields;
}

std::vector<FieldDifference> Differences(const ParameterImage& first,
                                         const ParameterImage& second) {
    const std::vector<Field> a = Fields(first);
    const std::vector<Field> b = Fields(second);
    std::map<std::string, const Json*> inSecond;
    for (const Field& field : b) {
        inSecond[field.name] = &field.value;
    }
    std::vector<FieldDifference> differences;
    std::set<std::string> inFirst;
    for (const Field& field : a) {
        inFirst.insert(field.name);
        const auto other = inSecond.find(field.name);
        const Json otherValue = other == inSecond.end() ? Json() : *other->second;
        if (otherValue != field.value) {
            differences.push_back({field.name, field.value, otherValue});
        }
    }
    for (const Field& field : b) {
        if (!inFirst.contains(field.name)) {
            differences.push_back({field.name, Json(), field.value});
        }
    }
    return differences;
}

}  // namespace kvt::config
