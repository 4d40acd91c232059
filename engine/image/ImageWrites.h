// Every raw word an image stands for in the unit, in a fixed order of (block, address), so that
// two images can be compared word by word.
#pragma once

#include <vector>

#include "image/ParameterImage.h"

namespace kvt {

// The numeric parameters, channel flags, delay words, input configuration word, the given
// analyser routing word, and the EEPROM bytes of the format settings, records and profile.
std::vector<RawWrite> ImageWrites(const ParameterImage& image, uint32_t routingWord);

}  // namespace kvt
