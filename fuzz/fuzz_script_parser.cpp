// Feeds arbitrary bytes to kvt80ctl's statement parser, one line at a time, and formats whatever
// it accepts as the tool would print it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ScriptParser.h"
#include "ValueFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        const auto parsed = kvt::cli::ParseStatement(line);
        if (!parsed.error) {
            for (const auto& argument : parsed.statement.arguments) {
                (void)kvt::cli::FormatValue(argument);
            }
            (void)kvt::cli::FormatValue(parsed.statement.value);
        }
        (void)kvt::cli::ParseLiteral(line);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return 0;
}
