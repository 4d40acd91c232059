#include "files/ConfigFile.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace kvt {

namespace {

constexpr std::array<uint8_t, kConfigMagicBytes> kMagic{'R', 0, 'D', 0, 'M', 0};
constexpr size_t kReservedBytes = 4;

// The profile fields a file keeps, in file order.
constexpr std::array<ProfileField, kPreviewFields> kFileProfile{
    ProfileField::DigitalPlayer1,   ProfileField::DigitalPlayer2, ProfileField::ProjectName,
    ProfileField::TheaterName,      ProfileField::ScreenNumber,   ProfileField::ProjectorModel,
    ProfileField::AutomationSystem, ProfileField::Comments,
};

ParameterIndex Projector(int projector) {
    return {projector, 0};
}
ParameterIndex Channel(int channel) {
    return {channel, 0};
}

// Writes each field at the end of the file.
class Writer {
  public:
    explicit Writer(const ParameterImage& image) : image_(image) {
        bytes_.reserve(kConfigFileBytes);
    }

    void Value(Param param, ParameterIndex at = {}) { Double(image_.Get(param, at)); }
    void WholeValue(Param param) { Int(static_cast<int32_t>(image_.Get(param))); }
    void WholeDbValue(Param param) { WholeValue(param); }
    void ChannelFlags(bool mute) {
        for (size_t c = 0; c < kChannels; ++c) {
            Int((mute ? image_.mute : image_.invert)[c] ? 1 : 0);
        }
    }
    void PowerOnFormat() { Int(image_.formats.powerOnFormat); }
    void ButtonFormats() {
        for (const int32_t format : image_.formats.buttonFormat) {
            Int(format);
        }
    }
    void FormatCount() { Int(image_.formats.formatCount); }
    void FormatRecords() {
        for (const FormatRecord& record : image_.formats.records) {
            bytes_.insert(bytes_.end(), record.bytes.begin(), record.bytes.end());
        }
    }
    void ProfileText(ProfileField field) {
        const std::u16string& text = image_.profile.fields[static_cast<size_t>(field)];
        for (size_t i = 0; i < InfoOf(field).units; ++i) {
            const char16_t unit = i < text.size() ? text[i] : u'\0';
            bytes_.push_back(static_cast<uint8_t>(unit & 0xFF));
            bytes_.push_back(static_cast<uint8_t>(unit >> 8));
        }
    }
    void Reserved() { bytes_.insert(bytes_.end(), kReservedBytes, 0); }

    void Raw(std::span<const uint8_t> raw) { bytes_.insert(bytes_.end(), raw.begin(), raw.end()); }
    void Int(int32_t value) { Unsigned(static_cast<uint32_t>(value), 4); }
    std::vector<uint8_t> Take() { return std::move(bytes_); }

  private:
    void Double(double value) { Unsigned(std::bit_cast<uint64_t>(value), 8); }
    void Unsigned(uint64_t value, size_t size) {
        for (size_t i = 0; i < size; ++i) {
            bytes_.push_back(static_cast<uint8_t>(value >> (8 * i)));
        }
    }

    const ParameterImage& image_;
    std::vector<uint8_t> bytes_;
};

// Reads each field from the file, as long as the file has all of its bytes; a value the engine
// would refuse leaves the image's own.
class Reader {
  public:
    Reader(std::span<const uint8_t> bytes, size_t start, ParameterImage& image)
        : bytes_(bytes), at_(start), image_(image) {}

    void Value(Param param, ParameterIndex at = {}) {
        if (const auto value = Double()) {
            Take(param, at, *value);
        }
    }
    void WholeValue(Param param) {
        if (const auto value = Int()) {
            Take(param, {}, *value);
        }
    }
    // Version 0 kept these gains in whole dB.
    void WholeDbValue(Param param) { WholeValue(param); }
    void ChannelFlags(bool mute) {
        for (size_t c = 0; c < kChannels; ++c) {
            if (const auto value = Int()) {
                (mute ? image_.mute : image_.invert)[c] = *value != 0;
            }
        }
    }
    void PowerOnFormat() {
        if (const auto value = Int();
            value && ((*value >= 0 && *value < kFormats) || *value == kNoPowerOnFormat)) {
            image_.formats.powerOnFormat = *value;
        }
    }
    void ButtonFormats() {
        for (int32_t& format : image_.formats.buttonFormat) {
            if (const auto value = Int(); value && *value >= 0 && *value < kFormats) {
                format = *value;
            }
        }
    }
    void FormatCount() {
        if (const auto value = Int(); value && *value >= 0 && *value <= kFormats) {
            image_.formats.formatCount = *value;
        }
    }
    void FormatRecords() {
        for (FormatRecord& record : image_.formats.records) {
            if (const auto raw = Bytes(kFormatRecordBytes)) {
                std::copy(raw->begin(), raw->end(), record.bytes.begin());
            }
        }
    }
    void ProfileText(ProfileField field) {
        const size_t units = InfoOf(field).units;
        if (const auto raw = Bytes(2 * units)) {
            std::u16string text(units, u'\0');
            for (size_t i = 0; i < units; ++i) {
                text[i] = static_cast<char16_t>((*raw)[2 * i] | ((*raw)[2 * i + 1] << 8));
            }
            image_.profile.fields[static_cast<size_t>(field)] = std::move(text);
        }
    }
    void Reserved() { Bytes(kReservedBytes); }

    bool Complete() const { return complete_; }

  private:
    void Take(Param param, ParameterIndex at, double value) {
        if (std::isfinite(value) && InRange(RowOf(param), value)) {
            image_.Set(param, at, value);
        }
    }
    std::optional<std::span<const uint8_t>> Bytes(size_t size) {
        if (bytes_.size() - at_ < size) {
            at_ = bytes_.size();
            complete_ = false;
            return std::nullopt;
        }
        const auto span = bytes_.subspan(at_, size);
        at_ += size;
        return span;
    }
    std::optional<uint64_t> Unsigned(size_t size) {
        const auto raw = Bytes(size);
        if (!raw) {
            return std::nullopt;
        }
        uint64_t value = 0;
        for (size_t i = 0; i < size; ++i) {
            value |= static_cast<uint64_t>((*raw)[i]) << (8 * i);
        }
        return value;
    }
    std::optional<double> Double() {
        const auto raw = Unsigned(8);
        return raw ? std::optional(std::bit_cast<double>(*raw)) : std::nullopt;
    }
    std::optional<int32_t> Int() {
        const auto raw = Unsigned(4);
        return raw ? std::optional(static_cast<int32_t>(static_cast<uint32_t>(*raw)))
                   : std::nullopt;
    }

    std::span<const uint8_t> bytes_;
    size_t at_;
    ParameterImage& image_;
    bool complete_ = true;
};

// The fields after the version word, in file order. The same walk writes and reads a file.
template <typename Io>
void WalkFields(Io& io, uint32_t version) {
    for (const Param param : {Param::Bass, Param::Treble}) {
        for (int c = 0; c < kChannels; ++c) {
            io.Value(param, Channel(c));
        }
    }
    for (int c = 0; c < kChannels; ++c) {
        for (int b = 0; b < kBands; ++b) {
            io.Value(Param::EQBand, {c, b});
        }
    }
    for (int c = 0; c < kChannels; ++c) {
        io.Value(Param::OutputGain, Channel(c));
    }
    io.ChannelFlags(true);
    io.ChannelFlags(false);
    for (const Param param : {Param::LeftInputGain, Param::RightInputGain, Param::SlitEQ}) {
        for (int p = 0; p < kProjectors; ++p) {
            io.Value(param, Projector(p));
        }
    }
    io.Value(Param::MonoEQ);
    io.WholeValue(Param::Delay);
    if (version == 0) {
        io.WholeDbValue(Param::SurroundGain);
        io.WholeDbValue(Param::SubwooferGain);
    } else {
        io.Value(Param::SurroundGain);
        io.Value(Param::SubwooferGain);
    }
    for (const Param param : {Param::SubwooferFreq, Param::SubParametricFreq, Param::SubParametricQ,
                              Param::SubParametricGain, Param::NonSyncGain, Param::LeftAuxGain,
                              Param::RightAuxGain, Param::LeftMicGain, Param::RightMicGain}) {
        io.Value(param);
    }
    io.PowerOnFormat();
    io.ButtonFormats();
    io.FormatCount();
    io.FormatRecords();
    for (const ProfileField field : kFileProfile) {
        io.ProfileText(field);
    }
    io.Reserved();
    for (const Param param :
         {Param::DigitalSurroundDelay, Param::HeadroomAdjust, Param::DigitalFallbackMode,
          Param::InputConfig, Param::DigitalInputDelay}) {
        io.WholeValue(param);
    }
}

bool HasMagic(std::span<const uint8_t> bytes) {
    return bytes.size() >= kConfigMagicBytes &&
           std::equal(kMagic.begin(), kMagic.end(), bytes.begin());
}

// The version and where the fields start: after the version word when it carries the marker,
// right after the magic otherwise (version 0).
struct Start {
    uint32_t version = 0;
    size_t offset = kConfigMagicBytes;
};

Start StartOf(std::span<const uint8_t> bytes) {
    if (bytes.size() < kConfigMagicBytes + 4) {
        return {};
    }
    uint32_t word = 0;
    for (size_t i = 0; i < 4; ++i) {
        word |= static_cast<uint32_t>(bytes[kConfigMagicBytes + i]) << (8 * i);
    }
    if ((word & kConfigVersionMarker) != kConfigVersionMarker) {
        return {};
    }
    return {word ^ kConfigVersionMarker, kConfigMagicBytes + 4};
}

}  // namespace

std::vector<uint8_t> EncodeConfiguration(const ParameterImage& image) {
    Writer writer(image);
    writer.Raw(kMagic);
    writer.Int(static_cast<int32_t>(kConfigVersionMarker | kConfigVersion));
    WalkFields(writer, kConfigVersion);
    return writer.Take();
}

std::optional<ConfigurationRead> DecodeConfiguration(std::span<const uint8_t> bytes,
                                                     ParameterImage& image) {
    if (!HasMagic(bytes)) {
        return std::nullopt;
    }
    const Start start = StartOf(bytes);
    Reader reader(bytes, start.offset, image);
    WalkFields(reader, start.version);
    return ConfigurationRead{start.version, reader.Complete()};
}

std::optional<std::array<std::u16string, kPreviewFields>> PreviewConfiguration(
    std::span<const uint8_t> bytes) {
    if (!HasMagic(bytes)) {
        return std::nullopt;
    }
    const size_t offset =
        StartOf(bytes).offset == kConfigMagicBytes ? kProfileOffsetVersion0 : kProfileOffset;
    std::array<std::u16string, kPreviewFields> texts;
    size_t at = offset;
    for (size_t i = 0; i < kPreviewFields; ++i) {
        const size_t units = InfoOf(kFileProfile[i]).units;
        texts[i].assign(units, u'\0');
        for (size_t u = 0; u < units; ++u, at += 2) {
            if (at + 1 < bytes.size()) {
                texts[i][u] = static_cast<char16_t>(bytes[at] | (bytes[at + 1] << 8));
            }
        }
    }
    return texts;
}

}  // namespace kvt
