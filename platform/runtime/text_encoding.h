// Code pages and the reading and writing of text files in the encodings the system meets.
#pragma once

#include "platform/runtime/types.h"

#include <optional>
#include <string>
#include <string_view>

namespace gw {

enum class TTextEncoding { Ansi, Utf8, Utf16LE, Utf16BE, Oem437, Oem850 };

// Windows-1252 is the "ANSI code page" of this system. Characters that the code page cannot hold
// become one '?' each (a surrogate pair is one character).
String AnsiToString(std::string_view bytes);
std::string StringToAnsi(StringView text);
// OEM code pages (437, 850) as the console and old text files use them; any other number is
// taken as Windows-1252.
String OemToString(std::string_view bytes, int codePage);
std::string StringToOem(StringView text, int codePage);

// The one decoder of text files and streams. A trailing odd byte of a UTF-16 form becomes
// U+FFFD, so a cut file shows where it was cut.

// The encoding whose byte-order mark starts the bytes (UTF-8, UTF-16LE, UTF-16BE), if any.
std::optional<TTextEncoding> ByteOrderMark(std::string_view bytes);

// Decodes the bytes of a text file: a byte-order mark decides UTF-8, UTF-16LE or UTF-16BE
// (the mark itself is dropped); without one, valid UTF-8 is read as UTF-8 and anything else
// as Windows-1252. `detected` receives what was decided.
String DecodeTextBytes(std::string_view bytes, TTextEncoding* detected = nullptr);

// Decodes bytes known to be in `encoding`; a leading byte-order mark of that encoding is dropped.
String DecodeBytesAs(std::string_view bytes, TTextEncoding encoding);

// Encodes text for a file; `withBom` writes the byte-order mark of UTF-8 and UTF-16 forms.
std::string EncodeTextBytes(StringView text, TTextEncoding encoding, bool withBom);

}  // namespace gw
