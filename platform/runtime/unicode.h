// Conversions between the program's UTF-16 text and UTF-8 at the system's boundaries.
#pragma once

#include "platform/runtime/types.h"

#include <string>
#include <string_view>

namespace gw {

// UTF-8 bytes to UTF-16. Invalid sequences become U+FFFD, one per bad byte.
String Utf8ToString(std::string_view utf8);

// UTF-16 to UTF-8. An unpaired surrogate becomes U+FFFD.
std::string StringToUtf8(StringView text);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates, <= U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// Short spelling for the many places that need a String from a narrow ASCII/UTF-8 literal.
inline String S(std::string_view utf8) { return Utf8ToString(utf8); }

}  // namespace gw
