// TExtStringGrid: the pointer over the anchors of mark-up cells - the hand cursor, the underline
// of the anchor under it alone (URLUnderlineOnHover), OnAnchorEnter and OnAnchorExit in pairs,
// and the hint text of an anchor - and the hit test the press shares.
#include "grid/foundation/csv_utils.h"
#include "grid/foundation/markup_renderer.h"
#include "grid/model/ext_string_grid.h"
#include "platform/ui/application.h"
#include "platform/ui/backend.h"

namespace gw {

namespace {

// An anchor's link, not a CONTROL tag (which the hit test also reports).
bool IsOnAnchor(const TMarkupDrawResult& Hit)
{
    return Hit.Hit && Hit.ControlID.empty() && !Hit.AnchorValue.empty();
}

}  // namespace

TMarkupDrawResult TExtStringGrid::MarkupHitAt(Integer ACol, Integer ARow, Integer X, Integer Y, const String& Text)
{
    const Integer real = RealColIndex(ACol);
    TCanvas& canvas = *Canvas();
    TGridDrawState state = 0;
    GetFontProperties(ACol, real, ARow, state, *canvas.Font(), *canvas.Brush(), false);
    TMarkupDrawResult hit = DrawMarkupText({.Canvas = &canvas,
                                            .Text = Text,
                                            .Rect = MarkupControlArea(ACol, real, ARow),
                                            .MouseX = X,
                                            .MouseY = Y,
                                            .HitTest = true,
                                            .AnchorColor = URLColor,
                                            .PictureCache = m_imageCache.get(),
                                            .PictureContainer = m_pictureContainer,
                                            .BiDiMode = Byte(BiDiMode())});
    if (!hit.Hit) hit.AnchorValue.clear();
    return hit;
}

void TExtStringGrid::AnchorMove(Integer ACol, Integer ARow, Integer X, Integer Y)
{
    TPoint cell{-1, -1};
    TMarkupDrawResult hit;
    if (ACol >= 0 && ARow >= 0) {
        const TPoint base = BaseCell(RealColIndex(ACol), ARow);
        const String text = GetCellEx(base.X, base.Y);
        if (ClassifyCellText(text, EnableHTML) == ctkMarkup) {
            cell = {DisplColIndex(base.X), base.Y};
            hit = MarkupHitAt(cell.X, cell.Y, X, Y, text);
        }
    }
    const bool onAnchor = IsOnAnchor(hit);
    if (URLUnderlineOnHover) SetHoverLink(cell, onAnchor ? hit.HoverAnchorNumber : -1);
    if (!onAnchor) {
        LeaveAnchor();
        return;
    }
    if (AnchorHint) {
        // A hint that changed while the pointer rests on the anchor shows anew.
        const String hint = AnchorHintText(cell.Y, RealColIndex(cell.X), hit);
        if (hint != FLastAnchorHint) {
            FLastAnchorHint = hint;
            Application->CancelHint();
        }
    }
    MouseSelectMode = msURL;
    if (HasBackend()) Backend().SetCursorShape(Screen ? Screen->Cursors(crHandPoint) : crHandPoint);
    EnterAnchor(cell, hit.HoverAnchorNumber, hit.AnchorValue);
}

// Only a change of the underlined anchor repaints, and only the cells it concerns.
void TExtStringGrid::SetHoverLink(TPoint Cell, Integer Link)
{
    if (Link < 0) Cell = {-1, -1};
    if (Cell == FHoverCell && Link == FHoverlink) return;
    const TPoint old = FHoverCell;
    FHoverCell = Cell;
    FHoverlink = Link;
    if (old.X >= 0 && old.X < ColCount() && old.Y < RowCount()) RepaintCell(old.X, old.Y);
    if (Cell.X >= 0 && Cell != old) RepaintCell(Cell.X, Cell.Y);
}

// Moving straight from one anchor onto another leaves the first before entering the second, so
// that every OnAnchorEnter has its OnAnchorExit.
void TExtStringGrid::EnterAnchor(TPoint Cell, Integer Link, const String& Anchor)
{
    if (Cell == FAnchorCell && Link == FAnchorLink && Anchor == FAnchor) return;
    LeaveAnchor();
    FAnchorCell = Cell;
    FAnchorLink = Link;
    FAnchor = Anchor;
    if (OnAnchorEnter) OnAnchorEnter(this, Cell.Y, Cell.X, Anchor);
}

// The anchor's hint goes with it.
void TExtStringGrid::LeaveAnchor()
{
    if (FAnchorCell.X < 0) return;
    const TPoint cell = FAnchorCell;
    const String anchor = FAnchor;
    FAnchorCell = {-1, -1};
    FAnchorLink = -1;
    FAnchor.clear();
    if (!FLastAnchorHint.empty()) {
        FLastAnchorHint.clear();
        Application->CancelHint();
    }
    if (OnAnchorExit) OnAnchorExit(this, cell.Y, cell.X, anchor);
}

String TExtStringGrid::AnchorHintText(Integer ARow, Integer ACol, const TMarkupDrawResult& Hit)
{
    String hint = Hit.AnchorTitle.empty() ? Hit.AnchorValue : Hit.AnchorTitle;
    if (OnAnchorHint) OnAnchorHint(this, ARow, ACol, hint);
    return hint;
}

}  // namespace gw
