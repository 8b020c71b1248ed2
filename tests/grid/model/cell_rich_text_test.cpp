// A cell's rich text: the cell's units read as bytes, an empty cell as an empty document, and a
// document written into a cell reading back as the same document.
#include "grid/model/cell_rich_text.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

TEST(CellRichText, ADocumentWrittenIntoACellReadsBackTheSame)
{
    TRichText doc;
    doc.Text = u"plain bold\r\nred \u20AC";
    TCharFormat bold;
    bold.Style = fsBold;
    TCharFormat red;
    red.Color = clRed;
    red.Size = 12;
    for (size_t i = 0; i < doc.Text.size(); ++i) doc.Formats.push_back(i < 6 ? TCharFormat{} : i < 10 ? bold : red);
    const String cell = RichTextToCell(doc, u"Arial");
    EXPECT_EQ(cell.rfind(u"{\\rtf", 0), 0u);
    for (const Char c : cell) ASSERT_LT(c, 0x80) << "the cell holds 7-bit RTF";
    const TRichText back = CellToRichText(cell);
    EXPECT_EQ(back.Text, doc.Text);
    EXPECT_EQ(back.Formats, doc.Formats);
    EXPECT_EQ(RichCellPlainText(cell), doc.Text);
}

TEST(CellRichText, TheCellIsReadByteByByte)
{
    EXPECT_EQ(CellToRichText(u"").Text, u"");
    EXPECT_EQ(CellTextToRtfBytes(u"a\u0141\u00E9"), std::string("a\x41\xE9"));
    EXPECT_EQ(RtfBytesToCellText("a\xE9"), u"a\u00E9");
    EXPECT_EQ(RichCellPlainText(u"{\\rtf1\\ansi caf\\'e9}"), u"caf\u00E9");
}

}  // namespace
}  // namespace gw::test
