// Every raw word an image stands for in the unit, in a fixed order of (block, address), so that
// two images can be compared word by word.
#pragma once

#include <vector>

#include "image/ParameterImage.h"

namespace kvt {

// The analyser's part in the routing words, which the image does not hold.
struct AnalyserRouting {
    uint32_t routingWord;  // block 3, address 12
    bool running;          // a running analyser keeps the input configuration word at 0
};

// The numeric parameters, channel flags, delay words, input configuration word, the routing
// word, and the EEPROM bytes of the format settings, records and profile.
std::vector<RawWrite> ImageWrites(const ParameterImage& image, AnalyserRouting routing);

}  // namespace kvt
