// Feeds arbitrary bytes to the configuration-file reader and the preview, then writes the image
// that came out and reads it back: whatever a file holds, the reader stays inside it, and the
// image it leaves can always be saved and loaded again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "files/ConfigFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    (void)kvt::PreviewConfiguration(bytes);
    kvt::ParameterImage image = kvt::FactoryImage();
    if (!kvt::DecodeConfiguration(bytes, image)) {
        return 0;
    }
    const std::vector<uint8_t> saved = kvt::EncodeConfiguration(image);
    kvt::ParameterImage again = kvt::FactoryImage();
    const auto read = kvt::DecodeConfiguration(saved, again);
    if (saved.size() != kvt::kConfigFileBytes || !read || !read->complete ||
        kvt::EncodeConfiguration(again) != saved) {
        std::abort();
    }
    return 0;
}
