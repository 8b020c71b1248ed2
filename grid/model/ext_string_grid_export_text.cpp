// The text the grid writes for a cell when it is saved or exported: the stored or formatted
// text, a check box's check text, mark-up and rich text reduced by the save settings, and the
// last word to OnSaveCell.
#include "grid/foundation/csv_utils.h"
#include "grid/foundation/markup_text.h"
#include "grid/model/ext_string_grid.h"
#include "platform/controls/rich_text.h"

#include <algorithm>
#include <string>

namespace gw {

namespace {

// The document as the bytes it was stored from (the cell keeps each byte as one unit).
std::string RtfBytes(const String& Text)
{
    std::string bytes;
    bytes.reserve(Text.size());
    for (const Char c : Text) bytes.push_back(static_cast<char>(c < 256 ? c : '?'));
    return bytes;
}

String WithoutLineBreaks(String Text)
{
    std::erase_if(Text, [](Char c) { return c == u'\r' || c == u'\n'; });
    return Text;
}

}  // namespace

String TExtStringGrid::GetExportCellText(Integer ACol, Integer ARow)
{
    String text = SaveVirtCells ? GetFormattedCell(ACol, ARow) : GetGridCell(ACol, ARow);
    if (text.empty()) text = ExportCheckText(ACol, ARow);
    switch (ClassifyCellText(text, true)) {
    case ctkMarkup:
        if (!SaveWithHTML) text = MarkupToPlainText(text);
        break;
    case ctkRichText:
        // The plain text a rich edit shows for the document, its lines broken by CR LF.
        text = SaveWithRTF ? WithoutLineBreaks(text) : ReadRtf(RtfBytes(text), TCharFormat{}).Text;
        break;
    default: break;
    }
    if (OnSaveCell) OnSaveCell(this, ACol, ARow, text);
    return text;
}

String TExtStringGrid::ExportCheckText(Integer ACol, Integer ARow)
{
    bool checked = false;
    switch (GetCellType(ACol, ARow)) {
    case ctCheckBox: GetCheckBoxState(ACol, RealRowIndex(ARow), checked); break;
    case ctTriStateCheckBox: {
        const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
        checked = graphic && graphic->CellCheckBoxState == cbChecked;  // grayed counts as unchecked
        break;
    }
    default: return String();
    }
    String value;
    if (checked)
        GetCheckTrue(ACol, ARow, value);
    else
        GetCheckFalse(ACol, ARow, value);
    return value;
}

}  // namespace gw
