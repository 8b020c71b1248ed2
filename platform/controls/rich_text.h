// Formatted text for the rich edit: characters with their formats, and the RTF subset it reads
// and writes (paragraphs, bold, italic, underline, colour, size, raised and lowered text).
#pragma once

#include "platform/graphics/colour.h"
#include "platform/graphics/font.h"
#include "platform/runtime/types.h"

#include <string>
#include <vector>

namespace gw {

struct TCharFormat {
    TFontStyles Style = 0;
    TColor Color = clWindowText;  // clWindowText: the automatic colour
    Integer Size = 8;  // points
    Integer Offset = 0;  // vertical offset in twips: positive raises (superscript)

    bool operator==(const TCharFormat&) const = default;
};

// The text (line breaks as CR LF, as the edit controls hold it) and one format per UTF-16 unit.
struct TRichText {
    String Text;
    std::vector<TCharFormat> Formats;
};

// True when the bytes look like an RTF document ("{\rtf" after optional blanks).
bool IsRtf(std::string_view Bytes);

// Reads the subset; everything else of the document (font and style tables, pictures, fields,
// unknown destinations) is skipped without failing. Characters come from \uN, \'hh
// (Windows-1252) and plain bytes (Windows-1252). Default is the format of text without any
// formatting word.
TRichText ReadRtf(std::string_view Rtf, const TCharFormat& Default);

// Writes a complete document in 7-bit ASCII: a font table with FontName, a colour table with
// the colours used, one \par per line break, and the formatting words where formats change.
std::string WriteRtf(const TRichText& Text, const String& FontName);

}  // namespace gw
