// Text conversions at the engine's edges.
//
// The unit keeps 8-bit text in fixed fields (format codes and names, version texts), one byte per
// character, in the Windows-1252 code page; the engine and its clients use UTF-16. Linux paths
// (port names) are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kvt {

// UTF-16 to Windows-1252; nullopt when a character has no single-byte form.
std::optional<std::string> ToCp1252(std::u16string_view text);
std::u16string FromCp1252(std::string_view bytes);

// UTF-16 to UTF-8 and back; unpaired surrogates and malformed bytes become U+FFFD.
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view bytes);

// Strict decoding: overlong forms, encoded surrogates, values beyond U+10FFFF and truncated
// sequences give nullopt, so a script can never hand the engine a half-decoded text.
std::optional<std::u16string> FromUtf8Strict(std::string_view bytes);

// Appends one code point (a valid scalar value) as UTF-8.
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace kvt
