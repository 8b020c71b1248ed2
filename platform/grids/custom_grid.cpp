// TCustomGrid: counts and sizes, options, the current cell and the selection, and where cells show.
#include "platform/grids/custom_grid.h"

#include "platform/grids/inplace_edit.h"
#include "platform/ui/message_records.h"
#include "platform/ui/window_system.h"

#include <algorithm>

namespace gw {

namespace {

const String IndexOutOfRange = u"Grid index out of range";

}  // namespace

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner)
{
    // The grid captures the mouse and raises its clicks itself, by state.
    ControlStyle = csOpaque | csDoubleClicks;
    m_cols.SetLineWidth(1);
    m_rows.SetLineWidth(1);
    m_cols.SetDefaultSize(64);
    m_rows.SetDefaultSize(24);
    m_cols.SetCount(5);
    m_rows.SetCount(5);
    SetBounds(Left(), Top(), 320, 120);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

TCustomGrid::~TCustomGrid() = default;

// --- messages -------------------------------------------------------------------------------------

void TCustomGrid::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case WM_HSCROLL: WMScroll(M, false); return;
    case WM_VSCROLL: WMScroll(M, true); return;
    case WM_SIZE: WMSize(M); return;
    case WM_TIMER: WMTimer(M); return;
    case WM_CHAR: WMChar(M); return;
    case WM_SETFOCUS: WMSetFocus(M); return;
    case WM_CANCELMODE:
    case CM_CANCELMODE: WMCancelMode(M); return;
    case WM_CAPTURECHANGED: WMCaptureChanged(M); return;
    case CM_WANTSPECIALKEY: CMWantSpecialKey(M); return;
    case CM_BIDIMODECHANGED: CMBiDiModeChanged(M); return;
    default: TCustomControl::Dispatch(M); return;
    }
}

void TCustomGrid::CreateWnd()
{
    TCustomControl::CreateWnd();
    UpdateScrollRange();
}

void TCustomGrid::WMScroll(TMessage& M, bool Vertical)
{
    const TWMScroll scroll(M);
    ScrollMessage(Vertical, scroll.Code, scroll.Pos);
}

void TCustomGrid::WMTimer(TMessage& M)
{
    if (TWMTimer(M).TimerId == AutoScrollTimer)
        TimedScroll();
    else
        TCustomControl::Dispatch(M);
}

void TCustomGrid::WMSetFocus(TMessage& M)
{
    TCustomControl::Dispatch(M);
    // Back from the editor the grid leaves it closed; from elsewhere an editor that was open
    // (or always shows) comes back.
    if (!m_inplaceEdit || TWMFocus(M).Other != m_inplaceEdit->HandleIfAllocated()) UpdateEdit();
}

// Whatever the mouse was doing ends: a sizing or a move leaves nothing changed.
void TCustomGrid::WMCancelMode(TMessage& M)
{
    CancelMode();
    TCustomControl::Dispatch(M);
}

// The columns change sides: the scroll bar's position and the editor follow.
void TCustomGrid::CMBiDiModeChanged(TMessage& M)
{
    TCustomControl::Dispatch(M);
    UpdateScrollPos();
    PlaceEditor();
}

void TCustomGrid::WMCaptureChanged(TMessage& M)
{
    if (m_gridState != gsNormal && TWMCaptureChanged(M).NewCapture != HandleIfAllocated()) CancelMode();
    TCustomControl::Dispatch(M);
}

// --- counts and sizes ---------------------------------------------------------------------------

void TCustomGrid::SetColCount(Integer Value)
{
    if (Value != ColCount()) ChangeSize(Value, RowCount());
}

void TCustomGrid::SetRowCount(Integer Value)
{
    if (Value != RowCount()) ChangeSize(ColCount(), Value);
}

void TCustomGrid::ChangeSize(Integer NewColCount, Integer NewRowCount)
{
    const Integer oldCols = ColCount(), oldRows = RowCount();
    m_cols.SetCount(std::max(NewColCount, 1));
    m_rows.SetCount(std::max(NewRowCount, 1));
    m_fixedCols = std::min(m_fixedCols, ColCount() - 1);
    m_fixedRows = std::min(m_fixedRows, RowCount() - 1);
    KeepInRange();
    SizeChanged(oldCols, oldRows);
    UpdateScrollRange();
    Invalidate();
    UpdateEdit();
}

void TCustomGrid::KeepInRange()
{
    auto clampCell = [this](TGridCoord& C) {
        C.X = std::clamp(C.X, m_fixedCols, ColCount() - 1);
        C.Y = std::clamp(C.Y, m_fixedRows, RowCount() - 1);
    };
    clampCell(m_current);
    clampCell(m_anchor);
    clampCell(m_topLeft);
}

void TCustomGrid::SetFixedCols(Integer Value)
{
    if (Value < 0) throw EInvalidGridOperation(IndexOutOfRange);
    if (Value >= ColCount()) throw EInvalidGridOperation(u"Fixed column count must be less than column count");
    if (Value == m_fixedCols) return;
    m_fixedCols = Value;
    KeepInRange();
    UpdateScrollRange();
    Invalidate();
    PlaceEditor();
}

void TCustomGrid::SetFixedRows(Integer Value)
{
    if (Value < 0) throw EInvalidGridOperation(IndexOutOfRange);
    if (Value >= RowCount()) throw EInvalidGridOperation(u"Fixed row count must be less than row count");
    if (Value == m_fixedRows) return;
    m_fixedRows = Value;
    KeepInRange();
    UpdateScrollRange();
    Invalidate();
    PlaceEditor();
}

void TCustomGrid::SetDefaultColWidth(Integer Value)
{
    m_cols.SetDefaultSize(Value);
    ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(Integer Value)
{
    m_rows.SetDefaultSize(Value);
    RowHeightsChanged();
}

void TCustomGrid::SetColWidths(Integer Index, Integer Value)
{
    if (Index < 0 || Index >= ColCount()) throw EInvalidGridOperation(IndexOutOfRange);
    if (m_cols.Size(Index) == std::max(Value, 0)) return;
    m_cols.SetSize(Index, Value);
    ColWidthsChanged();
}

void TCustomGrid::SetRowHeights(Integer Index, Integer Value)
{
    if (Index < 0 || Index >= RowCount()) throw EInvalidGridOperation(IndexOutOfRange);
    if (m_rows.Size(Index) == std::max(Value, 0)) return;
    m_rows.SetSize(Index, Value);
    RowHeightsChanged();
}

void TCustomGrid::SetGridLineWidth(Integer Value)
{
    Value = std::max(Value, 0);
    if (Value == GridLineWidth()) return;
    m_cols.SetLineWidth(Value);
    m_rows.SetLineWidth(Value);
    UpdateScrollRange();
    Invalidate();
    PlaceEditor();
}

void TCustomGrid::ColWidthsChanged()
{
    UpdateScrollRange();
    Invalidate();
    PlaceEditor();
}

void TCustomGrid::RowHeightsChanged()
{
    UpdateScrollRange();
    Invalidate();
    PlaceEditor();
}

void TCustomGrid::SizeChanged(Integer /*OldColCount*/, Integer /*OldRowCount*/) {}

Integer TCustomGrid::GridWidth() const
{
    const TAxisView h = HorzView();
    const int64_t end = h.LastPartial >= h.First ? h.PixelOf(m_cols, h.LastPartial + 1) : h.FixedExtent;
    return Integer(std::min<int64_t>(end, h.Client));
}

Integer TCustomGrid::GridHeight() const
{
    const TAxisView v = VertView();
    const int64_t end = v.LastPartial >= v.First ? v.PixelOf(m_rows, v.LastPartial + 1) : v.FixedExtent;
    return Integer(std::min<int64_t>(end, v.Client));
}

// --- options and looks --------------------------------------------------------------------------

void TCustomGrid::SetOptions(TGridOptions Value)
{
    const TGridOptions old = m_options;
    if (Value == old) return;
    m_options = Value;
    if (!(Value & goEditing) || (Value & goRowSelect)) {
        HideEditor();
    } else if (Value & goAlwaysShowEditor) {
        m_editorMode = true;
        UpdateEdit();
    } else if (old & goAlwaysShowEditor) {
        HideEditor();
    }
    Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value)
{
    if (Value == m_scrollBars) return;
    m_scrollBars = Value;
    UpdateScrollRange();
}

void TCustomGrid::SetFixedColor(TColor Value)
{
    if (Value == m_fixedColor) return;
    m_fixedColor = Value;
    Invalidate();
}

void TCustomGrid::SetDefaultDrawing(bool Value)
{
    if (Value == m_defaultDrawing) return;
    m_defaultDrawing = Value;
    Invalidate();
}

// --- the current cell and the selection --------------------------------------------------------

void TCustomGrid::CheckCell(Integer ACol, Integer ARow) const
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) throw EInvalidGridOperation(IndexOutOfRange);
}

bool TCustomGrid::SelectCell(Integer /*ACol*/, Integer /*ARow*/) { return true; }

void TCustomGrid::SetCol(Integer Value)
{
    if (Value != Col()) MoveColRow(Value, Row(), true, true);
}

void TCustomGrid::SetRow(Integer Value)
{
    if (Value != Row()) MoveColRow(Col(), Value, true, true);
}

void TCustomGrid::MoveColRow(Integer ACol, Integer ARow, bool MoveAnchor, bool Show)
{
    MoveCurrent(ACol, ARow, MoveAnchor, Show);
}

bool TCustomGrid::MoveCurrent(Integer ACol, Integer ARow, bool MoveAnchor, bool Show)
{
    CheckCell(ACol, ARow);
    if (!SelectCell(ACol, ARow)) return false;
    const TGridRect oldSelection = Selection();
    const TGridCoord oldCurrent = m_current;
    const TGridCoord cell{ACol, ARow};
    // The editor gives its text back to the cell it holds before another cell is current.
    if (cell != m_current) {
        if (m_options & goAlwaysShowEditor)
            UpdateText();
        else
            HideEditor();
    }
    m_current = cell;
    if (MoveAnchor || !(m_options & goRangeSelect)) m_anchor = cell;
    if (Show) ClampInView(cell);
    SelectionMoved(oldSelection, oldCurrent);
    UpdateEdit();
    return true;
}

void TCustomGrid::FocusCell(Integer ACol, Integer ARow, bool MoveAnchor)
{
    const TGridCoord before = m_current;
    const TGridRect selection = Selection();
    if (MoveCurrent(ACol, ARow, MoveAnchor, true) && (m_current != before || Selection() != selection)) Click();
}

TGridRect TCustomGrid::Selection() const
{
    TGridRect r{std::min(m_anchor.X, m_current.X), std::min(m_anchor.Y, m_current.Y), std::max(m_anchor.X, m_current.X),
                std::max(m_anchor.Y, m_current.Y)};
    if (m_options & goRowSelect) {
        r.Left = m_fixedCols;
        r.Right = ColCount() - 1;
    }
    return r;
}

void TCustomGrid::SetSelection(const TGridRect& Value)
{
    CheckCell(Value.Left, Value.Top);
    CheckCell(Value.Right, Value.Bottom);
    const TGridRect oldSelection = Selection();
    const TGridCoord oldCurrent = m_current;
    m_anchor = Value.TopLeft();
    if (Value.BottomRight() != m_current) {
        if (m_options & goAlwaysShowEditor)
            UpdateText();
        else
            HideEditor();
    }
    m_current = Value.BottomRight();
    SelectionMoved(oldSelection, oldCurrent);
    UpdateEdit();
}

void TCustomGrid::ParkSelectionOutside()
{
    const TGridRect oldSelection = Selection();
    const TGridCoord oldCurrent = m_current;
    // The editor gives its text back and hides; its mode stays for the next current cell.
    HideEdit();
    m_current = {ColCount(), RowCount()};
    m_anchor = m_current;
    SelectionMoved(oldSelection, oldCurrent);
}

void TCustomGrid::SelectionMoved(const TGridRect& OldSelection, TGridCoord OldCurrent)
{
    const TGridRect now = Selection();
    if (now == OldSelection && m_current == OldCurrent) return;
    InvalidateCells(OldSelection);
    InvalidateCells(now);
    InvalidateCell(OldCurrent.X, OldCurrent.Y);
    InvalidateCell(m_current.X, m_current.Y);
}

void TCustomGrid::MoveColumn(Integer FromIndex, Integer ToIndex)
{
    CheckCell(FromIndex, 0);
    CheckCell(ToIndex, 0);
    if (FromIndex == ToIndex) return;
    HideEditor();
    m_cols.Move(FromIndex, ToIndex);
    // The current cell and the anchor stay with their cells, both ends of the move included.
    auto follow = [&](Integer& X) {
        if (X == FromIndex)
            X = ToIndex;
        else if (FromIndex < ToIndex && X > FromIndex && X <= ToIndex)
            --X;
        else if (ToIndex < FromIndex && X >= ToIndex && X < FromIndex)
            ++X;
    };
    follow(m_current.X);
    follow(m_anchor.X);
    ColumnMoved(FromIndex, ToIndex);
    Invalidate();
}

void TCustomGrid::MoveRow(Integer FromIndex, Integer ToIndex)
{
    CheckCell(0, FromIndex);
    CheckCell(0, ToIndex);
    if (FromIndex == ToIndex) return;
    HideEditor();
    m_rows.Move(FromIndex, ToIndex);
    auto follow = [&](Integer& Y) {
        if (Y == FromIndex)
            Y = ToIndex;
        else if (FromIndex < ToIndex && Y > FromIndex && Y <= ToIndex)
            --Y;
        else if (ToIndex < FromIndex && Y >= ToIndex && Y < FromIndex)
            ++Y;
    };
    follow(m_current.Y);
    follow(m_anchor.Y);
    RowMoved(FromIndex, ToIndex);
    Invalidate();
}

void TCustomGrid::ColumnMoved(Integer /*FromIndex*/, Integer /*ToIndex*/) {}

void TCustomGrid::RowMoved(Integer /*FromIndex*/, Integer /*ToIndex*/) {}

// --- where cells show ----------------------------------------------------------------------------

TCustomGrid::TAxisView TCustomGrid::View(const TGridAxis& Axis, Integer Fixed, Integer First, Integer Client) const
{
    TAxisView v;
    v.Fixed = Fixed;
    v.First = First;
    v.Client = Client;
    v.FixedExtent = Axis.Start(Fixed);
    v.FirstStart = Axis.Start(First);
    v.LastFull = v.LastPartial = First - 1;
    const int64_t room = Client - v.FixedExtent;
    if (room <= 0 || First >= Axis.Count()) return v;
    v.LastPartial = std::min(Axis.IndexAt(v.FirstStart + room - 1), Axis.Count() - 1);
    // The item at the first pixel past the room is the first not shown whole.
    v.LastFull = std::max(std::min(Axis.IndexAt(v.FirstStart + room), Axis.Count()) - 1, First - 1);
    return v;
}

TCustomGrid::TAxisView TCustomGrid::HorzView() const { return View(m_cols, m_fixedCols, m_topLeft.X, ClientWidth()); }

TCustomGrid::TAxisView TCustomGrid::VertView() const { return View(m_rows, m_fixedRows, m_topLeft.Y, ClientHeight()); }

Integer TCustomGrid::MaxFirst(const TGridAxis& Axis, Integer Fixed, Integer Client)
{
    return FirstShowing(Axis, Fixed, Client, Axis.Count() - 1);
}

Integer TCustomGrid::FirstShowing(const TGridAxis& Axis, Integer Fixed, Integer Client, Integer Index)
{
    const int64_t room = Client - Axis.Start(Fixed);
    if (room <= 0) return std::max(Fixed, Index);
    const int64_t from = Axis.Start(Index + 1) - room;
    if (from <= Axis.Start(Fixed)) return Fixed;
    Integer first = Axis.IndexAt(from);
    if (Axis.Start(first) < from) ++first;
    return std::clamp(first, Fixed, std::max(Fixed, Index));
}

Integer TCustomGrid::VisibleColCount() const
{
    const TAxisView h = HorzView();
    return std::max(h.LastFull - h.First + 1, 0);
}

Integer TCustomGrid::VisibleRowCount() const
{
    const TAxisView v = VertView();
    return std::max(v.LastFull - v.First + 1, 0);
}

bool TCustomGrid::AxisSpan(const TGridAxis& Axis, const TAxisView& V, Integer A, Integer B, int64_t& Lo,
                           int64_t& Hi) const
{
    bool any = false;
    if (A < V.Fixed) {
        Lo = Axis.Start(A);
        Hi = Axis.Start(std::min(B, V.Fixed - 1) + 1);
        any = true;
    }
    const Integer a = std::max(A, V.First), b = std::min(B, V.LastPartial);
    if (a <= b) {
        if (!any) Lo = V.PixelOf(Axis, a);
        Hi = V.PixelOf(Axis, b + 1);
        any = true;
    }
    if (!any) return false;
    Lo = std::max<int64_t>(Lo, 0);
    Hi = std::min<int64_t>(Hi, V.Client);
    return Lo < Hi;
}

TRect TCustomGrid::BoxRect(const TGridRect& Cells) const
{
    int64_t l, r, t, b;
    if (!AxisSpan(m_cols, HorzView(), Cells.Left, Cells.Right, l, r)) return {};
    if (!AxisSpan(m_rows, VertView(), Cells.Top, Cells.Bottom, t, b)) return {};
    return Rect(Integer(l), Integer(t), Integer(r), Integer(b));
}

// Painting asks for every cell it paints: no whole view is worked out for one cell.
TRect TCustomGrid::CellRect(Integer ACol, Integer ARow) const
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return {};
    int64_t x = 0, y = 0;
    if (!ShownAt(m_cols, m_fixedCols, m_topLeft.X, ClientWidth(), ACol, x) ||
        !ShownAt(m_rows, m_fixedRows, m_topLeft.Y, ClientHeight(), ARow, y))
        return {};
    return MirrorClientRect(Bounds(Integer(x), Integer(y), m_cols.Size(ACol), m_rows.Size(ARow)));
}

bool TCustomGrid::ShownAt(const TGridAxis& Axis, Integer Fixed, Integer First, Integer Client, Integer Index,
                          int64_t& Pixel)
{
    // A scrolling item before the first one shown is scrolled away; any other shows when it
    // starts inside the client.
    if (Index >= Fixed && Index < First) return false;
    Pixel = Index < Fixed ? Axis.Start(Index) : Axis.Start(Fixed) + Axis.Start(Index) - Axis.Start(First);
    return Pixel < Client;
}

TRect TCustomGrid::MirrorClientRect(const TRect& R) const
{
    if (!UseRightToLeftAlignment()) return R;
    const Integer w = ClientWidth();
    return {w - R.Right, R.Top, w - R.Left, R.Bottom};
}

void TCustomGrid::MouseToCell(Integer X, Integer Y, Integer& ACol, Integer& ARow) const
{
    const TGridCoord c = MouseCoord(X, Y);
    ACol = c.X;
    ARow = c.Y;
}

TGridCoord TCustomGrid::MouseCoord(Integer X, Integer Y) const
{
    auto at = [](const TGridAxis& Axis, const TAxisView& V, Integer P) -> Integer {
        if (P < 0 || P >= V.Client) return -1;
        Integer i = P < V.FixedExtent ? Axis.IndexAt(P) : Axis.IndexAt(V.FirstStart + P - V.FixedExtent);
        return i >= 0 && i < Axis.Count() ? i : -1;
    };
    return {at(m_cols, HorzView(), MirrorClientX(X)), at(m_rows, VertView(), Y)};
}

// With redraw off (an update lock) the cells are only gathered, as indexes: finding the
// rectangle of every written cell would cost more than the writes themselves. Without a
// gathering, whoever turns redraw on again repaints the grid whole.
void TCustomGrid::InvalidateCells(const TGridRect& Cells)
{
    const HWND h = HandleIfAllocated();
    if (!h) return;
    if (!IsRedrawEnabled(h)) {
        GatherCells(Cells);
        return;
    }
    const TRect r = MirrorClientRect(BoxRect(WholeCells(Cells)));
    if (!IsRectEmpty(r)) ::gw::InvalidateRect(h, &r, false);
}

void TCustomGrid::GatherCells(const TGridRect& Cells)
{
    if (!m_gathered.Gathering) return;
    // Nothing shows before the first column or row; past the last ones BoxRect cuts.
    const TGridRect c{std::max(Cells.Left, 0), std::max(Cells.Top, 0), Cells.Right, Cells.Bottom};
    if (c.Right < c.Left || c.Bottom < c.Top) return;
    TGridRect& g = m_gathered.Cells;
    g = m_gathered.Any ? TGridRect{std::min(g.Left, c.Left), std::min(g.Top, c.Top), std::max(g.Right, c.Right),
                                   std::max(g.Bottom, c.Bottom)}
                       : c;
    m_gathered.Any = true;
}

void TCustomGrid::InvalidateCell(Integer ACol, Integer ARow) { InvalidateCells({ACol, ARow, ACol, ARow}); }

void TCustomGrid::InvalidateRow(Integer ARow) { InvalidateCells({0, ARow, ColCount() - 1, ARow}); }

void TCustomGrid::InvalidateCol(Integer ACol) { InvalidateCells({ACol, 0, ACol, RowCount() - 1}); }

bool TCustomGrid::IsActiveControl() const
{
    const HWND focus = GetFocus();
    if (!focus) return false;
    if (focus == HandleIfAllocated()) return true;
    return m_inplaceEdit && focus == m_inplaceEdit->HandleIfAllocated();
}

}  // namespace gw
