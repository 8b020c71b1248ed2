// Fuzz target: a cell's text read as the rich text document it may hold (each UTF-16 unit's low
// byte, as the rich edit is loaded), on arbitrary cell text. The document written back into a
// cell is 7-bit and, once written, reads back as itself: a foreign document may lose on its first
// pass what the writer does not keep (lone line feeds, a last paragraph mark), never later.
#include "fuzz/fuzz_support.h"

#include "grid/model/cell_rich_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace gw;
    const String cell = gw::fuzz::FuzzText(gw::fuzz::Bytes(data, size));
    const TRichText document = CellToRichText(cell);
    RichCellPlainText(cell);
    const String written = RichTextToCell(document, u"Tahoma");
    for (const Char c : written)
        if (c >= 0x80) gw::fuzz::Fail("the written document is not 7-bit");
    const TRichText once = CellToRichText(written);
    const TRichText twice = CellToRichText(RichTextToCell(once, u"Tahoma"));
    if (twice.Text != once.Text) gw::fuzz::Fail("the text changed on the way through a cell");
    if (twice.Formats != once.Formats) gw::fuzz::Fail("the formats changed on the way through a cell");
    return 0;
}
