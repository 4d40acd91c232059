// Reading back the controller's memory images that ParseHexFile wrote ("%06X " and 16 x "%02X "
// per line, CR LF), for the download: the lines are sent to the boot loader as they stand.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "firmware/HexImage.h"

namespace kvt {

struct ImageLine {
    uint32_t address = 0;  // as written in the file (the region's address form)
    std::array<uint8_t, 16> bytes{};
};

struct ImageReadResult {
    std::optional<std::vector<ImageLine>> lines;
    std::string error;  // why the text was refused, naming the line
};

// Reads one image file's text. Every line must be six hexadecimal digits, a space, then 16 times
// two digits and a space, ending CR LF (the last line may lack its line end); the address must be
// a multiple of 16 and lie in the region: program memory 000000..1FFFF0, user ID 200000..20FFF0,
// configuration 300000..30FFF0, data EEPROM 000000..00FFF0; no address may come twice. An empty
// text is an empty image.
ImageReadResult ReadImageFile(std::string_view text, FirmwareRegion region);

// The four images of one firmware, by FirmwareRegion.
using ControllerImages = std::array<std::vector<ImageLine>, kFirmwareRegions>;

}  // namespace kvt
