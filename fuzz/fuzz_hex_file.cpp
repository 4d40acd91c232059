// Feeds arbitrary bytes to the firmware file check and split: whatever the file holds, the split
// stays inside it, and every image it gives is made of whole lines of the image form.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "firmware/HexImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto images =
        kvt::SplitHexFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!images) {
        return 0;
    }
    constexpr size_t kLineLength = 7 + 16 * 3 + 2;  // "%06X ", 16 x "%02X ", CR LF
    for (const std::string& image : *images) {
        if (image.size() % kLineLength != 0) {
            std::abort();
        }
        for (size_t at = 0; at < image.size(); at += kLineLength) {
            if (image.compare(at + kLineLength - 3, 3, " \r\n") != 0) {
                std::abort();
            }
        }
    }
    return 0;
}
