// UTF-8 (scripts, terminal) to and from UTF-16 (the engine's strings).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kvt::cli {

// Strict decoding: overlong forms, encoded surrogates, values beyond U+10FFFF and truncated
// sequences give nullopt, so a script can never hand the engine a half-decoded text.
std::optional<std::u16string> Utf8ToUtf16(std::string_view utf8);

// Appends one code point as UTF-8 (the caller guarantees it is a valid scalar value).
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace kvt::cli
