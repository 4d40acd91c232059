#include "image/ImageWrites.h"

#include "analyser/GeneratorWords.h"

namespace kvt {

namespace {

void AddNumericWords(const ParameterImage& image, std::vector<RawWrite>& writes) {
    for (const ParameterRow& row : AddressMap()) {
        const size_t count = ValueCount(row.index);
        for (size_t i = 0; i < count; ++i) {
            const ParameterIndex at =
                row.index == IndexKind::ChannelBand
                    ? ParameterIndex{static_cast<int>(i) / kBands, static_cast<int>(i) % kBands}
                    : ParameterIndex{static_cast<int>(i), 0};
            const uint32_t raw = EncodeRaw(row.encoding, image.Get(row.param, at));
            const Locations locations = row.locate(at);
            for (const Location& location : locations.All()) {
                writes.push_back({location.block, location.address, raw});
            }
        }
    }
}

void AddEeprom(uint32_t first, const uint8_t* bytes, size_t count, std::vector<RawWrite>& writes) {
    for (size_t i = 0; i < count; ++i) {
        writes.push_back({0, first + static_cast<uint32_t>(i), bytes[i]});
    }
}

}  // namespace

std::vector<RawWrite> ImageWrites(const ParameterImage& image, AnalyserRouting routing) {
    std::vector<RawWrite> writes;
    AddNumericWords(image, writes);
    for (int channel = 0; channel < kChannels; ++channel) {
        const ChannelPlace& place = ChannelMap(channel);
        const auto index = static_cast<size_t>(channel);
        writes.push_back({place.block, place.region + kRegionFlags,
                          ChannelFlagsWord(image.mute[index], image.invert[index])});
    }
    const int32_t inputConfig = image.GetInt(Param::InputConfig);
    for (const RawWrite& word :
         DelayWords(image.GetInt(Param::DigitalInputDelay),
                    image.GetInt(Param::DigitalSurroundDelay), inputConfig)) {
        writes.push_back(word);
    }
    writes.push_back(
        {5, kInputConfigWordAddress, routing.running ? 0 : InputConfigWord(inputConfig)});
    writes.push_back({3, kRoutingWordAddress, routing.routingWord});

    const FormatTable& formats = image.formats;
    writes.push_back(
        {0, kPowerOnButtonAddress, PowerOnButtonEntry(formats, formats.powerOnFormat)});
    for (size_t b = 0; b < kButtons; ++b) {
        writes.push_back({0, kButtonTableAddress + static_cast<uint32_t>(b),
                          static_cast<uint32_t>(formats.buttonFormat[b])});
    }
    writes.push_back({0, kFormatCountAddress, static_cast<uint32_t>(formats.formatCount)});
    for (int format = 0; format < kFormats; ++format) {
        AddEeprom(FormatRecordAddress(format),
                  formats.records[static_cast<size_t>(format)].bytes.data(), kFormatEepromBytes,
                  writes);
    }
    for (size_t i = 0; i < kProfileFields; ++i) {
        const auto field = static_cast<ProfileField>(i);
        const std::vector<uint8_t> bytes = image.profile.EepromBytes(field);
        AddEeprom(InfoOf(field).eepromAddress, bytes.data(), bytes.size(), writes);
    }
    return writes;
}

}  // namespace kvt
