// Feeds arbitrary bytes to kvt80-web's message parser: whatever the input, it gives either a
// message whose every field lies in its range or a refusal with a reason, never both.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "Protocol.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kvt::web;
    const ParseResult result =
        ParseClientMessage(std::string_view(reinterpret_cast<const char*>(data), size));
    if (result.message.has_value() == !result.error.empty()) {
        std::abort();
    }
    if (!result.message) {
        return 0;
    }
    const ClientMessage& message = *result.message;
    if (message.channel < 0 || message.channel >= kChannels || message.band < 0 ||
        message.band >= kBands || !std::isfinite(message.value) || message.value < -22.0 ||
        message.value > 255.0 || message.id < 0 || size > kMaxMessageBytes) {
        std::abort();
    }
    return 0;
}
