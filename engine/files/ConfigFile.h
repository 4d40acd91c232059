// Configuration files (".kvt"): the whole set-up of a unit in a flat little-endian record.
//
// Version 2 (written) is 3332 bytes: the magic "RDM" in UTF-16, the version word 0x12340002,
// then every field of the image in a fixed order (doubles, 32-bit integers, the 16 format
// records as the unit keeps them, the profile texts in fixed UTF-16 fields). Files without the
// version word (version 0) keep the surround and subwoofer gains as whole-dB integers, which puts
// every later field 12 bytes earlier. The serial number belongs to the unit and is not kept.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "image/ParameterImage.h"

namespace kvt {

constexpr size_t kConfigFileBytes = 3332;
constexpr size_t kConfigMagicBytes = 6;
constexpr uint32_t kConfigVersionMarker = 0x12340000;
constexpr uint32_t kConfigVersion = 2;
constexpr size_t kProfileOffset = 2726;          // with the version word
constexpr size_t kProfileOffsetVersion0 = 2714;  // without it

// The file of an image, version 2.
std::vector<uint8_t> EncodeConfiguration(const ParameterImage& image);

// What reading a file did.
struct ConfigurationRead {
    uint32_t version = 0;
    bool complete = false;  // every field was in the file
};

// Reads a file's fields into `image`, as far as the file goes: a shorter file (an older one)
// leaves the fields after its end as they were. A value the engine would refuse (out of its
// range, not a number, a format or button outside the table) is not taken either: the image keeps
// its own. nullopt when the bytes are not a configuration file (the magic is missing); the image
// is then untouched.
std::optional<ConfigurationRead> DecodeConfiguration(std::span<const uint8_t> bytes,
                                                     ParameterImage& image);

// The profile texts of a file, each its field's full length in units (16, 16, 32, 32, 4, 32, 32,
// 127: DigitalPlayer1, DigitalPlayer2, ProjectName, TheaterName, ScreenNumber, ProjectorModel,
// AutomationSystem, Comments); the part of a field beyond the end of the file reads as zeros.
// nullopt when the bytes are not a configuration file.
constexpr size_t kPreviewFields = 8;
std::optional<std::array<std::u16string, kPreviewFields>> PreviewConfiguration(
    std::span<const uint8_t> bytes);

}  // namespace kvt
