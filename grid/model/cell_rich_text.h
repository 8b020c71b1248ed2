// A cell's rich text: the cell holds an RTF document as its text, one character per byte, the
// way the hidden rich edit reads it in and writes it out.
#pragma once

#include "platform/controls/rich_text.h"
#include "platform/runtime/types.h"

#include <string>

namespace gw {

// The bytes the rich edit is loaded from: the low 8 bits of each UTF-16 unit.
std::string CellTextToRtfBytes(StringView Text);
// The cell text of a document the rich edit wrote: each byte one character. The writer emits
// 7-bit RTF, so no code page is involved.
String RtfBytesToCellText(std::string_view Bytes);
// The document of a cell text (empty text: an empty document) and back.
TRichText CellToRichText(StringView Text);
String RichTextToCell(const TRichText& Text, const String& FontName);
// The plain text of a rich cell, as the rich edit loaded from it shows it.
String RichCellPlainText(StringView Text);

}  // namespace gw
