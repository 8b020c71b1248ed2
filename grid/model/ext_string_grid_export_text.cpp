// The text the string grid writes for a cell when it is saved or exported.
#include "grid/foundation/csv_utils.h"
#include "grid/foundation/markup_text.h"
#include "grid/model/ext_string_grid.h"
#include "platform/controls/rich_text.h"
#include "platform/runtime/unicode.h"

#include <algorithm>

namespace gw {

namespace {

// What the hidden rich edit would show of a rich-text cell: its plain text.
String RichTextPlain(const String& Rtf) { return ReadRtf(StringToUtf8(Rtf), TCharFormat{}).Text; }

}  // namespace

String TExtStringGrid::GetExportCellText(Integer ACol, Integer ARow)
{
    String text = SaveVirtCells ? GetFormattedCell(ACol, ARow) : GetGridCell(ACol, ARow);
    if (text.empty()) {
        // An empty check box cell saves its state as the check texts.
        const TCellType type = GetCellType(ACol, ARow);
        if (type == ctCheckBox || type == ctTriStateCheckBox) {
            TCheckBoxState state = cbUnchecked;
            GetCheckBoxState(ACol, RealRowIndex(ARow), state);
            state == cbChecked ? GetCheckTrue(ACol, ARow, text) : GetCheckFalse(ACol, ARow, text);
        }
    }
    switch (ClassifyCellText(text, true)) {
    case ctkMarkup:
        if (!SaveWithHTML) text = MarkupToPlainText(text);
        break;
    case ctkRichText:
        if (SaveWithRTF)
            std::erase_if(text, [](Char c) { return c == u'\r' || c == u'\n'; });
        else
            text = RichTextPlain(text);
        break;
    default: break;
    }
    if (OnSaveCell) OnSaveCell(this, ACol, ARow, text);
    return text;
}

}  // namespace gw
