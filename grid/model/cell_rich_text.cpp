// A cell's rich text: the byte view of the cell text and the conversions through the RTF reader
// and writer.
#include "grid/model/cell_rich_text.h"

namespace gw {

std::string CellTextToRtfBytes(StringView Text)
{
    std::string bytes;
    bytes.reserve(Text.size());
    for (const Char c : Text) bytes.push_back(static_cast<char>(c & 0xFF));
    return bytes;
}

String RtfBytesToCellText(std::string_view Bytes)
{
    String text;
    text.reserve(Bytes.size());
    for (const char b : Bytes) text.push_back(static_cast<Char>(static_cast<unsigned char>(b)));
    return text;
}

TRichText CellToRichText(StringView Text)
{
    if (Text.empty()) return {};
    return ReadRtf(CellTextToRtfBytes(Text), TCharFormat{});
}

String RichTextToCell(const TRichText& Text, const String& FontName)
{
    return RtfBytesToCellText(WriteRtf(Text, FontName));
}

String RichCellPlainText(StringView Text) { return CellToRichText(Text).Text; }

}  // namespace gw
