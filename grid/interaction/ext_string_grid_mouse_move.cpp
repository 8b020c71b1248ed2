// TExtStringGrid: the mouse moving over the grid - the size hint while a column or row is sized,
// the drag image and the arrows of a column or row move, the cell hint forgotten when the mouse
// leaves its cell - and the picture of a block of cells.
#include "grid/foundation/arrow_window.h"
#include "grid/interaction/drag_geometry.h"
#include "grid/interaction/header_drag_button.h"
#include "grid/interaction/html_hint_window.h"
#include "grid/interaction/no_active_form.h"
#include "grid/model/drag_drop_settings.h"
#include "grid/model/ext_string_grid.h"
#include "platform/controls/image.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/pen.h"
#include "platform/runtime/convert.h"
#include "platform/ui/application.h"
#include "platform/ui/hint_window.h"

namespace gw {

namespace {

// The drag image is this opaque, of 255.
constexpr Byte DragImageAlpha = 192;
// The sizing hint is at most this wide.
constexpr Integer SizingHintMaxWidth = 200;
// The arrows stand this far left of (above) the edge they point at.
constexpr Integer ArrowOffset = 5;
constexpr Integer ArrowHeight = 8;

}  // namespace

void TExtStringGrid::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    Integer ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    const TGridRect before = Selection();
    HoverMove(ACol, ARow);
    HoverButtonMove(ACol, ARow, X, Y);
    HotFixedCellMove(ACol, ARow);
    DragSelectHeaders(ACol, ARow, Y);
    NoteFixedSizingEdges(X, Y, ACol >= 0 && ARow >= 0 && !IsDesigning());
    FollowFixedSizing(X, Y);
    if (EnhancedMoveUnderWay() && (X != Clickposx || Y != Clickposy)) FollowMove(X, Y, ACol, ARow);
    NoteSelectMode(ACol, ARow, X, Y);
    AnchorMove(ACol, ARow, X, Y);
    StartCellDrag(ACol, ARow, X, Y);
    // A cell hint belongs to its cell: leaving the cell takes it away.
    if (FLastHintPos.X >= 0 && (ACol < 0 || ARow < 0 || BaseCell(ACol, ARow) != FLastHintPos)) {
        Application->CancelHint();
        FLastHintPos = {-1, -1};
    }
    CloseBalloonOffCell(ACol, ARow);
    TBaseGrid::MouseMove(Shift, X, Y);
    ShowSizing(X, Y);
    const TGridRect after = Selection();
    if (after.Left != before.Left || after.Top != before.Top || after.Right != before.Right ||
        after.Bottom != before.Bottom)
        DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
}

// --- sizing -------------------------------------------------------------------------------------

// While a column (row) is sized: OnColumnSizing (OnRowSizing) with the size it would take, and
// with HintShowSizing that size in a hint at the sized cell's top-left corner.
void TExtStringGrid::ShowSizing(Integer X, Integer Y)
{
    bool columns = FSizingFixed;
    Integer index = -1, size = 0;
    if (FSizingFixed || FSizingFixedR) {
        index = columns ? FSizingFixedCol : FSizingFixedRow;
        size = FixedSizingSize(X, Y);
    } else if (GridState() == gsColSizing || GridState() == gsRowSizing) {
        columns = GridState() == gsColSizing;
        index = columns ? Colclicked : Rowclicked;
        size = columns ? Colclickedsize + X - Clickposx : Rowclickedsize + Y - Clickposy;
    }
    if (index < 0) return;
    if (columns && OnColumnSizing) OnColumnSizing(this, index, size);
    if (!columns && OnRowSizing) OnRowSizing(this, index, size);
    if (IsDesigning() || HintShowSizing) ShowSizingHint(columns, index, size);
}

void TExtStringGrid::ShowSizingHint(bool Columns, Integer Index, Integer Size)
{
    const String text = (Columns ? u"cw=<b>" : u"rh=<b>") + IntToStr(Size) + u"</b>";
    if (!FSizingHintWnd) FSizingHintWnd = new THTMLHintWindow(this);
    TRect r = FSizingHintWnd->CalcHintRect(SizingHintMaxWidth, text, nullptr);
    const TRect cell = Columns ? CellRect(Index, 0) : CellRect(0, Index);
    const TPoint at = ClientToScreen({cell.Left, cell.Top});
    OffsetRect(r, at.X, at.Y);
    FSizingHintWnd->SetColor(HintColor);
    FSizingHintWnd->ActivateHint(r, text);
    FScrollHintShow = true;
}

void TExtStringGrid::ReleaseSizingHint()
{
    if (FSizingHintWnd) FSizingHintWnd->ReleaseHandle();
    FScrollHintShow = false;
}

// --- column and row moves -----------------------------------------------------------------------

// The drag image (with ShowCells) follows the mouse, and the arrows point at the gap the column
// (row) would land in.
void TExtStringGrid::FollowMove(Integer X, Integer Y, Integer ACol, Integer ARow)
{
    const bool columns = GridState() == gsColMoving;
    if (Movecell < 0) {
        Integer c = -1, r = -1;
        MouseToCell(Clickposx, Clickposy, c, r);
        Movecell = columns ? c : r;
        if (Movecell < 0) return;
        const TRect moved = CellRect(columns ? Movecell : 0, columns ? 0 : Movecell);
        // Right to left the columns run leftwards: the offset counts from the cell's right edge.
        MoveOfsX = UseRightToLeftAlignment() ? moved.Right - Clickposx : Clickposx - moved.Left;
        MoveOfsY = Clickposy - moved.Top;
        DoStartBlockFocus();
        if (DragDropSettings()->ShowCells && !MoveForm) {
            const TGridRect block = columns
                ? TGridRect{Movecell, 0, Movecell, TopRow() + VisibleRowCount() - FixedRows()}
                : TGridRect{0, Movecell, LeftCol() + VisibleColCount() - FixedCols(), Movecell};
            MoveForm = SelectionToForm(block);
            MoveForm->SetVisible(true);
        }
    }
    // Without the cells' picture the header drag button carries the moved header's caption.
    const TPoint at = ClientToScreen({X - MoveOfsX, Y - MoveOfsY});
    if (MoveForm) {
        // The image keeps the place under the mouse the dragged cells had: its left edge, or
        // right to left its right edge, follows theirs.
        const Integer left = UseRightToLeftAlignment() ? X + MoveOfsX - MoveForm->Width() : X - MoveOfsX;
        const TPoint image = ClientToScreen({left, Y - MoveOfsY});
        MoveForm->SetBounds(image.X, image.Y, MoveForm->Width(), MoveForm->Height());
    } else if (!DragDropSettings()->ShowCells) {
        // As wide as the moved column and as high as the row under the mouse (a moved row: as
        // high as it and as wide as the column under the mouse), with the header text of what
        // moves.
        if (!HeaderDragButton) {
            HeaderDragButton = new THeaderDragButton(this);
            HeaderDragButton->Grid = this;
            HeaderDragButton->SetParent(this);
        }
        THeaderDragButton& b = *HeaderDragButton;
        const Integer width = columns ? ColWidths(Movecell) : ColWidths(ACol >= 0 ? ACol : 0);
        const Integer height = columns ? RowHeights(ARow >= 0 ? ARow : 0) : RowHeights(Movecell);
        b.SetCaption(columns ? GetCellEx(RealColIndex(Movecell), 0) : GetCellEx(0, Movecell));
        b.SetBounds(at.X, at.Y, width, height);
        b.SetEnabled(true);
        if (!b.Visible()) b.SetVisible(true);
        b.Invalidate();
    }
    if (columns && ACol >= FixedCols())
        PlaceMoveArrows(ArrowWindows[arrUp], ArrowWindows[arrDown], ACol, true);
    else if (!columns && ARow >= FixedRows())
        PlaceMoveArrows(ArrowWindows[arrLeft], ArrowWindows[arrRight], ARow, false);
    if (Screen) Screen->SetCursor(crDrag);
}

// A pair of arrows at the edge of the header cell of Index that the moved item would land by:
// its left (top) edge when moving towards the start, its right (bottom) edge otherwise.
void TExtStringGrid::PlaceMoveArrows(TArrowWindow* First, TArrowWindow* Second, Integer Index, bool Columns)
{
    if (!First || !Second) return;
    const TRect cell = Columns ? CellRect(Index, 0) : CellRect(0, Index);
    const TPoint topLeft = ClientToScreen({cell.Left, cell.Top});
    const TPoint bottomRight = ClientToScreen({cell.Right, cell.Bottom});
    if (Columns) {
        const Integer left = (Index < Movecell ? topLeft.X : topLeft.X + ColWidths(Index)) - ArrowOffset;
        First->SetBounds(left, bottomRight.Y, First->Width(), First->Height());
        Second->SetBounds(left, topLeft.Y - ArrowHeight, Second->Width(), Second->Height());
    } else {
        const Integer top = (Index < Movecell ? topLeft.Y : topLeft.Y + RowHeights(Index)) - ArrowOffset;
        First->SetBounds(topLeft.X - 2 * ArrowOffset, top, First->Width(), First->Height());
        Second->SetBounds(bottomRight.X, top, Second->Width(), Second->Height());
    }
    const bool shown = Index != Movecell;
    First->SetVisible(shown);
    Second->SetVisible(shown);
}

void TExtStringGrid::EndMoveVisuals()
{
    if (!IsDesigning())
        for (TArrowWindow* w : ArrowWindows)
            if (w) w->SetVisible(false);
    if (MoveForm) {
        delete MoveForm;
        MoveForm = nullptr;
    }
    if (HeaderDragButton) {
        HeaderDragButton->SetEnabled(false);
        HeaderDragButton->SetVisible(false);
    }
    if (Movecell >= 0) DoEndBlockFocus();
    if (Screen) Screen->SetCursor(crDefault);
}

void TExtStringGrid::ClearDraggedCells()
{
    const std::vector<TGridRect> cleared = FDroppedBlock.Left < 0
        ? std::vector<TGridRect>{FDropSelection}
        : CellsClearedAfterMove(FDropSelection, FDroppedBlock);
    for (const TGridRect& r : cleared) ClearRect(r.Left, r.Top, r.Right, r.Bottom);
    FDroppedBlock = {-1, -1, -1, -1};
}

// --- the picture of a block of cells ------------------------------------------------------------

std::unique_ptr<TBitmap> TExtStringGrid::SelectionPicture(const TGridRect& ARect)
{
    TBitmap control;
    control.SetSize(Width(), Height());
    PaintTo(*control.Canvas(), 0, 0);
    // The cells' rectangles are measured from the edge the columns start at; right to left the
    // picture is taken from their mirror image on the client, so it shows what is painted there.
    const TRect source = MirrorClientRect(
        DragImageSource(VirtualCellRect(ARect.Left, ARect.Top), VirtualCellRect(ARect.Right, ARect.Bottom)));
    auto picture = std::make_unique<TBitmap>();
    picture->SetSize(source.Width(), source.Height());
    TCanvas& canvas = *picture->Canvas();
    canvas.CopyRect(Rect(0, 0, source.Width(), source.Height()), control.Canvas(), source);
    // The block's outer edges on the fixed cells' side: the side edge (the right one with
    // right-to-left alignment) follows the horizontal fixed lines option and the top edge the
    // vertical one.
    canvas.Pen()->SetColor(GridFixedLineColor());
    if (ARect.Left == 0 && FixedCols() > 0 && (Options() & goFixedHorzLine)) {
        const Integer x = UseRightToLeftAlignment() ? picture->Width() - 1 : 0;
        canvas.MoveTo(x, 0);
        canvas.LineTo(x, picture->Height());
    }
    if (ARect.Top == 0 && FixedRows() > 0 && (Options() & goFixedVertLine)) {
        canvas.MoveTo(0, 0);
        canvas.LineTo(picture->Width(), 0);
    }
    return picture;
}

TForm* TExtStringGrid::SelectionToForm(const TGridRect& ARect)
{
    const std::unique_ptr<TBitmap> picture = SelectionPicture(ARect);
    auto* form = new TNoActiveForm(this);
    form->SetBorderStyle(bsNone);
    form->FormStyle = fsStayOnTop;
    form->SetBounds(0, 0, picture->Width(), picture->Height());
    auto* image = new TImage(form);
    image->SetParent(form);
    image->SetAlign(alClient);
    image->Picture()->Assign(picture.get());
    form->SetAlphaBlendValue(DragImageAlpha);
    form->SetAlphaBlend(true);
    return form;
}

}  // namespace gw
