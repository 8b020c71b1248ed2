// TExtStringGrid: cells onto the clipboard - the tab and line-break text of a range, the cell
// stream and a cell's rich text beside it, copy and cut of the selection and the save range.
#include "grid/exchange/clipboard_text.h"
#include "grid/foundation/csv_utils.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/foundation/undo_redo.h"
#include "grid/model/cell_rich_text.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/show_modified.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/streams.h"
#include "platform/runtime/text_encoding.h"
#include "platform/ui/clipboard.h"

#include <algorithm>

namespace gw {

namespace {

// Within the grid's cells, corners in order: a range never reads or writes outside the grid.
TGridRect InsideGrid(TGridRect R, Integer ColCount, Integer RowCount)
{
    if (R.Left > R.Right) std::swap(R.Left, R.Right);
    if (R.Top > R.Bottom) std::swap(R.Top, R.Bottom);
    R.Left = std::max(R.Left, 0);
    R.Top = std::max(R.Top, 0);
    R.Right = std::min(R.Right, ColCount - 1);
    R.Bottom = std::min(R.Bottom, RowCount - 1);
    return R;
}

}  // namespace

// --- the clipboard text -------------------------------------------------------------------------

String TExtStringGrid::ClipboardCellText(Integer ACol, Integer ARow)
{
    const Integer real = RealColIndex(ACol);
    String t = GetExportCellText(real, ARow);
    if (ClassifyCellText(t, false) == ctkWideEncoded) t = DecodeWideCellText(t);
    t = QuoteCopiedLineBreaks(t);
    if (!Navigation()->CopyHTMLTagsToClipboard && ClassifyCellText(t, true) == ctkMarkup)
        t = GetStrippedCell(real, ARow);
    else if (t.find(u"{\\") != String::npos)
        t = RichCellPlainText(GetCellEx(real, ARow));
    if (ExcelClipboardFormat && CountLines(t, Multilinecells) > 1) QuoteMultiLineCsv(t);
    return t;
}

String TExtStringGrid::SelectionToText(const TGridRect& Range, bool Disjunct)
{
    const TGridRect R = InsideGrid(Range, ColCount(), RowCount());
    FClipTopLeft = {R.Left, R.Top};
    ExportNotification(esExportStart, -1);
    TScopeExit done([this] { ExportNotification(esExportDone, -1); });
    const bool wholeRows = R.Top <= FixedRows() && R.Bottom == RowCount() - FixedFooters() - 1;
    for (Integer r = R.Top; r <= R.Bottom; ++r) ExportNotification(wholeRows ? esExportNewRow : esExportSelRow, r);
    const TMouseActions& actions = *MouseActions();
    const bool selectedRowsOnly = actions.DisjunctRowSelect() && Disjunct && !actions.DisjunctColSelect();
    const bool selectedColsOnly = actions.DisjunctColSelect() && Disjunct;
    String text;
    for (Integer r = R.Top; r <= R.Bottom; ++r) {
        ExportNotification(esExportNewRow, r);
        if (selectedRowsOnly && !GetRowSelect(SelectionRow(r))) continue;
        for (Integer c = R.Left; c <= R.Right; ++c) {
            if (selectedColsOnly && !GetColSelect(c)) continue;
            text += ClipboardCellText(c, r);
            if (c < R.Right) text += u'\t';
        }
        if (R.Bottom > R.Top) text += u"\r\n";
    }
    return text;
}

String TExtStringGrid::GetSelectionAsText() { return SelectionToText(Selection(), false); }

// --- the formats --------------------------------------------------------------------------------

void TExtStringGrid::CopyToClipboardFormats(const TGridRect& R, bool Disjunct)
{
    const String text = SelectionToText(R, Disjunct);
    TClipboard& clipboard = *Clipboard();
    // One bracket: the text empties the clipboard, the other formats join it.
    clipboard.Open();
    TScopeExit close([&clipboard] { clipboard.Close(); });
    clipboard.SetAsText(text);
    if (Navigation()->AllowRTFClipboard) PutRtfOnClipboard(R.Left, R.Top);
    if (Navigation()->AllowFmtClipboard) PutCellsOnClipboard(R);
}

void TExtStringGrid::PutRtfOnClipboard(Integer ACol, Integer ARow)
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return;
    // The top-left cell as shown: with hidden columns its real column holds it.
    const String text = GetCellEx(RealColIndex(ACol), ARow);
    if (text.find(u"{\\") == String::npos) return;
    std::string bytes = StringToAnsi(text);
    bytes.push_back('\0');
    Clipboard()->SetBuffer(RegisterClipboardFormat(u"Rich Text Format"), bytes);
}

void TExtStringGrid::PutCellsOnClipboard(const TGridRect& R)
{
    TMemoryStream stream;
    SaveRectToBinStream(R, &stream);
    Clipboard()->SetBuffer(CellClipboardFormat(), std::string(stream.Memory(), static_cast<size_t>(stream.Size())));
}

// --- copy ---------------------------------------------------------------------------------------

void TExtStringGrid::NormalizeMergedSelection()
{
    const TGridRect s = Selection();
    TGridRect n = s;
    const Integer left = RealColIndex(s.Left), right = RealColIndex(s.Right);
    if (IsMergedCell(left, s.Top)) {
        const TPoint base = BaseCell(left, s.Top);
        n.Left = std::min(n.Left, DisplColIndex(base.X));
        n.Top = std::min(n.Top, base.Y);
    }
    if (IsMergedCell(right, s.Bottom)) {
        const TPoint base = BaseCell(right, s.Bottom);
        const TPoint span = CellSpan(base.X, base.Y);
        n.Right = std::max(n.Right, DisplColIndex(base.X) + span.X);
        n.Bottom = std::max(n.Bottom, base.Y + span.Y);
    }
    n = InsideGrid(n, ColCount(), RowCount());
    if (n.Left != s.Left || n.Top != s.Top || n.Right != s.Right || n.Bottom != s.Bottom) SetSelection(n);
}

void TExtStringGrid::CopySelectionToClipboard()
{
    NormalizeMergedSelection();
    const bool cells = Navigation()->AllowFmtClipboard;
    if (MouseActions()->DisjunctRowSelect() && !cells)
        CopyToClipboardFormats({FixedCols(), SaveStartRow(), ColCount() - FixedRightCols() - 1, SaveEndRow()}, true);
    else if (MouseActions()->DisjunctColSelect() && !cells)
        CopyToClipboardFormats({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, true);
    else
        CopyToClipboardFormats(Selection(), false);
    FClipLastOp = coCopy;
}

void TExtStringGrid::CopyToClipBoard()
{
    CopyToClipboardFormats({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, false);
    FClipLastOp = coCopy;
}

// --- cut ----------------------------------------------------------------------------------------

// ACol as shown. Fixed right columns and footer rows look like headers: only AllowClipboardAlways
// writes them, as it writes read-only cells.
bool TExtStringGrid::ClipboardMayWrite(Integer ACol, Integer ARow)
{
    if (Navigation()->AllowClipboardAlways) return true;
    return IsEditable(RealColIndex(ACol), ARow) && !IsFixed(ACol, ARow);
}

void TExtStringGrid::CutToClipboard()
{
    CopyToClipBoard();
    const TGridRect R =
        InsideGrid({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, ColCount(), RowCount());
    for (Integer r = R.Top; r <= R.Bottom; ++r) {
        for (Integer c = R.Left; c <= R.Right; ++c) {
            const Integer real = RealColIndex(c);
            if (ClipboardMayWrite(c, r)) SetCellEx(real, r, u"");
        }
        if (ShowModified()->Enabled) SetRowModified(r, true);
    }
    FClipLastOp = coCut;
}

// The editable cells of R emptied as one undo step; with Properties their colours, fonts and
// pictures go too.
void TExtStringGrid::ClearCutCells(const TGridRect& R, bool Properties)
{
    TExtGridUndoRedo* undo = UndoRedo();
    if (undo) undo->StartSequence();
    TScopeExit stop([undo] {
        if (undo) undo->StopSequence();
    });
    for (Integer c = R.Left; c <= R.Right; ++c) {
        const Integer real = RealColIndex(c);
        for (Integer r = R.Top; r <= R.Bottom; ++r) {
            if (!ClipboardMayWrite(c, r)) continue;
            if (undo) undo->RegisterChange(real, r, GetCellEx(real, r), u"");
            SetCellEx(real, r, u"");
        }
    }
    if (ShowModified()->Enabled)
        for (Integer r = R.Top; r <= R.Bottom; ++r) SetRowModified(r, true);
    if (Properties)
        for (Integer c = R.Left; c <= R.Right; ++c) {
            const Integer real = RealColIndex(c);
            FreeCellPropertiesRange(real, R.Top, real, R.Bottom);
        }
}

void TExtStringGrid::CutSelectionToClipboard()
{
    const TGridRect before = Selection();
    CopySelectionToClipboard();
    if (MouseActions()->DisjunctRowSelect()) {
        for (Integer r = FixedRows(); r < RowCount(); ++r) {
            if (!GetRowSelect(SelectionRow(r))) continue;
            ClearRows(r, 1);
            if (ShowModified()->Enabled) SetRowModified(r, true);
        }
    } else if (MouseActions()->DisjunctColSelect()) {
        for (Integer c = FixedCols(); c < ColCount(); ++c)
            if (GetColSelect(c)) ClearCols(c, 1);
    } else {
        ClearCutCells(InsideGrid(Selection(), ColCount(), RowCount()), Navigation()->AllowFmtClipboard);
    }
    FClipLastOp = coCut;
    if (OnCellsChanged) OnCellsChanged(this, before);
    if (NumHiddenColumns() > 0) Invalidate();
}

}  // namespace gw
