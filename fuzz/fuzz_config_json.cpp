// Feeds arbitrary bytes to the JSON import, and to the configuration-file reader followed by the
// trip through the JSON form: whatever the input, the import either names a field or gives an
// image, and an image always comes back from its JSON form with the same configuration file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

#include "ConfigJson.h"
#include "files/ConfigFile.h"

namespace {

void ExpectLossless(const kvt::ParameterImage& image) {
    const std::vector<uint8_t> file = kvt::EncodeConfiguration(image);
    const kvt::config::ImportResult again =
        kvt::config::FromJsonText(kvt::config::JsonText(kvt::config::ToJson(image)));
    if (!again.image || kvt::EncodeConfiguration(*again.image) != file) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const kvt::config::ImportResult imported =
        kvt::config::FromJsonText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (imported.image) {
        ExpectLossless(*imported.image);
    } else if (imported.error.empty()) {
        std::abort();
    }
    kvt::ParameterImage image = kvt::FactoryImage();
    if (kvt::DecodeConfiguration(std::span<const uint8_t>(data, size), image)) {
        ExpectLossless(image);
    }
    return 0;
}
