// TExtStringGrid: the hint of the cell under the mouse - a comment at the cell's top-right
// corner, else below the cell at the mouse's X; an anchor's title up and right of the mouse; the
// cell's whole text with HintShowCells, a text cut by its cell with HintShowLargeText; OnGridHint
// has the last word. A hint in mark-up or the wide encoding is shown by the mark-up hint window.
#include "grid/foundation/csv_utils.h"
#include "grid/foundation/markup_renderer.h"
#include "grid/foundation/markup_text.h"
#include "grid/interaction/html_hint_window.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "platform/graphics/font.h"

namespace gw {

namespace {

// A plain cell hint stands this far below its cell.
constexpr Integer HintBelowCell = 6;
// An anchor's hint stands this far right of and above the pointer.
constexpr Integer AnchorHintOffsetX = 8;
constexpr Integer AnchorHintAbove = 16;

}  // namespace

void TExtStringGrid::BuildCellHint(String& HintStr, THintInfo& HintInfo)
{
    Integer ACol = -1, ARow = -1;
    MouseToCell(HintInfo.CursorPos.X, HintInfo.CursorPos.Y, ACol, ARow);
    if (ControlLook()->HintMaxWidth > 0) HintInfo.HintMaxWidth = ControlLook()->HintMaxWidth;
    HTMLHintFontName() = Font()->Name();
    TPoint pos = HintInfo.CursorPos;
    if (ACol >= 0 && ARow >= 0) {
        const TPoint base = BaseCell(ACol, ARow);
        FLastHintPos = base;
        const TRect r = CellRect(base.X, base.Y);
        const Integer c = RealColIndex(base.X);
        String comment;
        if (IsComment(c, base.Y, comment)) {
            HintStr = comment;
            pos = {r.Right, r.Top};
        } else {
            pos = {HintInfo.CursorPos.X, r.Bottom + HintBelowCell};
        }
        if (AnchorHint) AnchorCellHint(base, HintInfo.CursorPos, HintStr, pos);
        const bool normal = base.X >= FixedCols() && base.Y >= FixedRows() && base.X < ColCount() - FixedRightCols() &&
            base.Y < RowCount() - FixedFooters();
        const String text = GetGridCell(c, base.Y);
        if (HintShowCells && normal) {
            pos.Y = r.Top;
            HintStr = CellHintText(text, false);
        }
        if (HintShowLargeText) {
            const TSize size = GetCellTextSize(c, base.Y, false, false);
            if (size.cx > r.Width() || size.cy > r.Height()) {
                if (HintShowLargeTextPos != hpMouse) pos = {r.Left, r.Top};
                HintStr = CellHintText(text, true);
            }
        }
        const bool footerRow = FloatingFooter()->Visible() && base.Y == RowCount() - 1;
        String wide;
        if (!footerRow) DoGridHint(c, base.Y, HintStr, wide);
    }
    const TCellTextKind kind = ClassifyCellText(HintStr, EnableHTML);
    if (UseInternalHintClass && (kind == ctkMarkup || kind == ctkWideEncoded)) {
        HintInfo.HintWindowClass = &MakeHintWindow<THTMLHintWindow>;
        HintInfo.HintData = static_cast<TObject*>(this);
    }
    HintInfo.HintPos = ClientToScreen(pos);
    HintInfo.HintColor = HintColor;
}

// Over an anchor of a mark-up cell: its hint, up and right of the pointer.
void TExtStringGrid::AnchorCellHint(TPoint Base, TPoint Cursor, String& HintStr, TPoint& Pos)
{
    const String text = GetCellEx(RealColIndex(Base.X), Base.Y);
    if (ClassifyCellText(text, EnableHTML) != ctkMarkup) return;
    const TMarkupDrawResult hit = MarkupHitAt(Base.X, Base.Y, Cursor.X, Cursor.Y, text);
    if (!hit.Hit || !hit.ControlID.empty() || hit.AnchorValue.empty()) return;
    HintStr = AnchorHintText(Base.Y, RealColIndex(Base.X), hit);
    FLastAnchorHint = HintStr;
    Pos = {Cursor.X + AnchorHintOffsetX, Cursor.Y - AnchorHintAbove};
}

// Mark-up shows without its tags; wide-encoded text decoded, or kept encoded (Raw) for the hint
// window that decodes it.
String TExtStringGrid::CellHintText(const String& Text, bool Raw) const
{
    const TCellTextKind kind = ClassifyCellText(Text, EnableHTML);
    if (kind == ctkWideEncoded) return Raw ? Text : DecodeWideCellText(Text);
    return kind == ctkMarkup ? StripMarkupTags(Text) : Text;
}

void TExtStringGrid::CMHintShow(TMessage& Message)
{
    auto* info = reinterpret_cast<THintInfo*>(Message.LParam);
    BuildCellHint(info->HintStr, *info);
    Message.Result = 0;
}

}  // namespace gw
