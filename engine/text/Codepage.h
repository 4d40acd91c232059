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

// UTF-16 to UTF-8 and back; unpaired surrogates and invalid bytes become U+FFFD.
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view bytes);

}  // namespace kvt
