// The string grid's scroll bars and scrolling: the scroll properties and their flat layer, the
// proportional thumbs, the scroll messages with hints, synchronous scrolling and the cell scroll
// bar, scrolling while something is dragged over the grid, the sizing-edge test, the screen-to-cell
// conversion, the keys the grid asks for and the column-move arrows' colour. The arithmetic is
// scroll_arithmetic.h's.
#include "grid/foundation/arrow_window.h"
#include "grid/foundation/control_list.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/foundation/search_footer.h"
#include "grid/interaction/html_hint_window.h"
#include "grid/interaction/search_panel.h"
#include "grid/model/background.h"
#include "grid/model/column_size.h"
#include "grid/model/drag_scroll_options.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "grid/model/scroll_arithmetic.h"
#include "platform/controls/scroll_bar.h"
#include "platform/graphics/bitmap.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/scope.h"
#include "platform/ui/application.h"
#include "platform/ui/hint_window.h"
#include "platform/ui/message_records.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/timer.h"
#include "platform/ui/window_system.h"

#include <algorithm>

namespace gw {

namespace {

// Flat scroll bar properties: the style, colour and size of each bar.
constexpr Integer WSB_PROP_VSTYLE = 0x100;
constexpr Integer WSB_PROP_HSTYLE = 0x200;
constexpr Integer WSB_PROP_VBKGCOLOR = 0x40;
constexpr Integer WSB_PROP_HBKGCOLOR = 0x80;
constexpr Integer WSB_PROP_CXVSCROLL = 0x8;
constexpr Integer WSB_PROP_CYHSCROLL = 0x4;
// The hint's text may take this many pixels; it shows this far right of the mouse.
constexpr Integer ScrollHintMaxWidth = 100;
constexpr Integer ScrollHintOffset = 10;
// The cell scroll bar moves this far per line and per page.
constexpr Integer CellScrollLine = 10;
constexpr Integer CellScrollPage = 100;

bool HintsOn(TScrollHintType Hints, bool Vertical)
{
    return Hints == shBoth || Hints == (Vertical ? shVertical : shHorizontal);
}

}  // namespace

// --- scroll properties and the flat layer ----------------------------------------------------

void TExtStringGrid::SetScrollType(TScrollType Value)
{
    if (m_scrollType != Value) {
        m_scrollType = Value;
        if (Value == ssFlat || Value == ssEncarta) {
            InitFlatScrollBars();
            ApplyFlatScrollSettings();
        } else {
            UninitFlatScrollBars();
        }
        if (HandleAllocated() && Value == ssMetro) {
            CreateScrollControls();
            SetScrollBars(ssNone);
        } else if (HandleAllocated() && FVertMetroScroll) {
            FreeScrollControls();
            SetScrollBars(ssBoth);
        }
    }
    ApplyFlatScrollSettings();
}

void TExtStringGrid::SetScrollColor(TColor Value)
{
    m_scrollColor = Value;
    if (Value == clNone) return;
    SetFlatScrollProp(WSB_PROP_VBKGCOLOR, Integer(Value));
    SetFlatScrollProp(WSB_PROP_HBKGCOLOR, Integer(Value));
}

void TExtStringGrid::SetScrollWidth(Integer Value)
{
    m_scrollWidth = Value;
    SetFlatScrollProp(WSB_PROP_CXVSCROLL, Value);
    SetFlatScrollProp(WSB_PROP_CYHSCROLL, Value);
}

void TExtStringGrid::SetScrollProportional(bool Value)
{
    m_scrollProportional = Value;
    if (Value) {
        UpdateVertProportionalScroll();
        UpdateHorzProportionalScroll();
        return;
    }
    if (FIsFlat && m_scrollType == ssNormal) UninitFlatScrollBars();
    // The thumbs go back to the base grid's size: a page left behind would cover its range.
    if (!HandleAllocated()) return;
    for (const Integer bar : {SB_VERT, SB_HORZ}) {
        TScrollInfo info;
        info.fMask = SIF_PAGE;
        info.nPage = 0;
        SetScrollInfo(Handle(), bar, info, true);
    }
}

// The platform has no flat scroll bars: initialising finds no entry point, so FIsFlat stays false,
// every flat call does nothing and the flat types show the window's own bars.
void TExtStringGrid::InitFlatScrollBars() { FIsFlat = false; }

void TExtStringGrid::UninitFlatScrollBars() { FIsFlat = false; }

void TExtStringGrid::SetFlatScrollProp(Integer /*Index*/, Integer /*Value*/) {}

void TExtStringGrid::ShowFlatScrollBar(Integer /*Bar*/, bool /*Show*/) {}

void TExtStringGrid::SyncFlatVertScrollBar() {}

void TExtStringGrid::SyncFlatHorzScrollBar() {}

void TExtStringGrid::ApplyFlatScrollSettings()
{
    if (!FIsFlat) return;
    const Integer style = m_scrollType == ssFlat ? 2 : m_scrollType == ssEncarta ? 1 : 0;
    SetFlatScrollProp(WSB_PROP_VSTYLE, style);
    SetFlatScrollProp(WSB_PROP_HSTYLE, style);
    SetScrollColor(m_scrollColor);
    SetScrollWidth(m_scrollWidth);
    ShowFlatScrollBar(SB_VERT, VisibleRowCount() + FixedRows() < RowCount());
    SyncFlatVertScrollBar();
    ShowFlatScrollBar(SB_HORZ, VisibleColCount() + FixedCols() < ColCount());
    SyncFlatHorzScrollBar();
}

TColor TExtStringGrid::ArrowColor() const { return ArrowWindows[arrUp] ? ArrowWindows[arrUp]->Color() : clNone; }

void TExtStringGrid::SetArrowColor(TColor Value)
{
    for (TArrowWindow* w : ArrowWindows)
        if (w) w->SetColor(Value);
}

// --- the proportional thumbs -----------------------------------------------------------------

namespace {

// An axis as the proportional bar sees it: the base grid's starts count the grid lines, the bar's
// sums add them itself.
TScrollAxisExtent Extent(std::function<Int64(Integer)> AxisStart, Integer Count, Integer Fixed, Integer First,
                         Integer LineWidth)
{
    return {[AxisStart = std::move(AxisStart), LineWidth](Integer i) { return AxisStart(i) - Int64(i) * LineWidth; },
            Count, Fixed, First, LineWidth};
}

void SetBar(HWND Wnd, Integer Bar, const TProportionalBar& B)
{
    TScrollInfo info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = B.Max;
    info.nPage = UINT(std::max(B.Page, 0));
    info.nPos = B.Position;
    SetScrollInfo(Wnd, Bar, info, true);
}

}  // namespace

void TExtStringGrid::UpdateHorzProportionalScroll()
{
    if ((ComponentState() & (csLoading | csDesigning)) || !m_scrollProportional || FScrollLock) return;
    if (!HandleAllocated()) return;
    const TScrollSums sums = ScrollSums(
        Extent([this](Integer i) { return ColStart(i); }, ColCount(), FixedCols(), LeftCol(), GridLineWidth()));
    TScrollInfo info;
    GetScrollInfo(Handle(), SB_HORZ, info);
    if (const auto bar = HorzProportionalBar(sums, Width(), info.nPos)) {
        SetBar(Handle(), SB_HORZ, *bar);
        SyncFlatHorzScrollBar();
    }
    const bool always = ScrollBarAlways == saHorz || ScrollBarAlways == saBoth;
    const bool hasBar = ScrollBars() == ssHorizontal || ScrollBars() == ssBoth;
    if (!ShowsHorzBarAfterProportional(sums, Width(), hasBar, always)) ShowScrollBar(Handle(), SB_HORZ, false);
}

void TExtStringGrid::UpdateVertProportionalScroll()
{
    if ((ComponentState() & (csLoading | csDesigning)) || !m_scrollProportional || FScrollLock) return;
    if (!HandleAllocated() || VisibleRowCount() + FixedRows() >= RowCount()) return;
    const TScrollSums sums = ScrollSums(
        Extent([this](Integer i) { return RowStart(i); }, RowCount(), FixedRows(), TopRow(), GridLineWidth()));
    if (const auto bar = VertProportionalBar(sums, Height())) {
        SetBar(Handle(), SB_VERT, *bar);
        SyncFlatVertScrollBar();
    }
}

// --- the scroll messages -------------------------------------------------------------------------

void TExtStringGrid::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_HSCROLL: HorzScroll(Message); return;
    case WM_VSCROLL: VertScroll(Message); return;
    case WM_SIZE: Resized(Message); return;
    case WM_LBUTTONDOWN: NoteSizingPress(Message); return;
    case WM_LBUTTONUP: NoteSizingRelease(Message); return;
    default: TBaseGrid::Dispatch(Message); return;
    }
}

// The base grid lays its bars out again for the new size; the proportional thumbs follow.
void TExtStringGrid::Resized(TMessage& Message)
{
    TBaseGrid::Dispatch(Message);
    if (!m_scrollProportional) return;
    UpdateVertProportionalScroll();
    UpdateHorzProportionalScroll();
}

void TExtStringGrid::ShowScrollHint(bool Vertical, Integer Position)
{
    const Integer index = Vertical ? ScrollPositionToIndex(Position, RowCount(), VisibleRowCount(), FixedRows())
                                   : ScrollPositionToIndex(Position, ColCount(), VisibleColCount(), FixedCols());
    String text = ScrollHintText(Vertical ? TScrollAxis::Vertical : TScrollAxis::Horizontal, index);
    if (OnScrollHint) OnScrollHint(this, index, text);
    // The program's own text may carry mark-up: the mark-up hint window shows it.
    if (!m_scrollHintWindow) m_scrollHintWindow = new THTMLHintWindow(this);
    TRect r = m_scrollHintWindow->CalcHintRect(ScrollHintMaxWidth, text, nullptr);
    m_scrollHintWindow->SetColor(HintColor);
    const TPoint mouse = GetCursorPos();
    OffsetRect(r, mouse.X + ScrollHintOffset, mouse.Y);
    m_scrollHintWindow->ActivateHint(r, text);
    FScrollHintShow = true;
}

void TExtStringGrid::ReleaseScrollHint()
{
    if (m_scrollHintWindow) m_scrollHintWindow->ReleaseHandle();
    FScrollHintShow = false;
}

TRect TExtStringGrid::FixedBackGroundCellRect() const
{
    const TBitmap* picture = m_backGround->Bitmap();
    if (m_backGround->Display() != bdFixed || !picture || picture->Empty()) return {};
    Integer c = -1, r = -1;
    MouseToCell(m_backGround->Left(), m_backGround->Top(), c, r);
    return c < 0 || r < 0 ? TRect{} : CellRect(c, r);
}

void TExtStringGrid::RepaintMovedBackGround(const TRect& Before, Word Code)
{
    const TRect after = FixedBackGroundCellRect();
    if (Code == SB_THUMBTRACK || after == Before || !HandleAllocated()) return;
    InvalidateRect(Handle(), &Before, false);
    InvalidateRect(Handle(), &after, false);
}

void TExtStringGrid::HorzScroll(TMessage& Message)
{
    const TWMScroll scroll(Message);
    if (HintsOn(ScrollHints, false)) {
        if (scroll.Code == SB_ENDSCROLL) ReleaseScrollHint();
        if (scroll.Code == SB_THUMBTRACK) ShowScrollHint(false, scroll.Pos);
    }
    const Integer c = ScrollPositionToIndex(scroll.Pos, ColCount(), VisibleColCount(), FixedCols());
    if (scroll.Code == SB_THUMBTRACK && ScrollSynch) SetLeftCol(c);
    const TRect background = FixedBackGroundCellRect();
    if (FixedCols() == 0 && c >= Col() && EditorMode()) HideInplaceEdit();
    TBaseGrid::Dispatch(Message);
    // Mirrored merged cells are pieced together from several columns: all of them are painted
    // again once the scroll ends, as a grid of one column is.
    const bool mergedMirrored = UseRightToLeftAlignment() && MergeCount() > 0;
    if ((mergedMirrored || ColCount() == 1) && scroll.Code == SB_ENDSCROLL) Invalidate();
    SyncFlatHorzScrollBar();
    SyncFlatVertScrollBar();
    if (EditorMode() && HasCheckBox(Col(), Row())) HideInplaceEdit();
    if (m_scrollProportional) UpdateHorzProportionalScroll();
    RepaintMovedBackGround(background, scroll.Code);
}

void TExtStringGrid::VertScroll(TMessage& Message)
{
    if (IsDesigning()) {
        TBaseGrid::Dispatch(Message);
        return;
    }
    if (CellScrollBarScrolled(Message)) return;
    const TWMScroll scroll(Message);
    if (HintsOn(ScrollHints, true)) {
        if (scroll.Code == SB_ENDSCROLL) ReleaseScrollHint();
        if (scroll.Code == SB_THUMBTRACK) ShowScrollHint(true, scroll.Pos);
    }
    if (scroll.Code == SB_THUMBTRACK && ScrollSynch)
        SetTopRow(ScrollPositionToIndex(scroll.Pos, RowCount(), VisibleRowCount(), FixedRows()));
    const TRect background = FixedBackGroundCellRect();
    // Over the search footer the last row stops above the panel: a step further is swallowed.
    const bool footer = m_searchFooter->Visible();
    const bool towardsEnd = scroll.Code == SB_ENDSCROLL || scroll.Code == SB_LINEDOWN;
    if (footer && towardsEnd && LastRowAboveSearchPanel()) {
        Message.Result = 0;
        return;
    }
    TBaseGrid::Dispatch(Message);
    if (footer && RowCount() - VisibleRowCount() == TopRow()) {
        if (scroll.Code == SB_LINEUP) SetTopRow(TopRow() - 1);
        if (towardsEnd) KeepLastRowAboveSearchPanel();
    }
    SyncFlatHorzScrollBar();
    SyncFlatVertScrollBar();
    if (EditorMode() && HasCheckBox(Col(), Row())) HideInplaceEdit();
    if (m_scrollProportional) UpdateVertProportionalScroll();
    RepaintMovedBackGround(background, scroll.Code);
}

bool TExtStringGrid::LastRowAboveSearchPanel() const
{
    if (!m_searchFooter->Visible() || TopRow() + VisibleRowCount() < RowCount() - 1) return false;
    const Integer panelHeight = SearchPanel ? SearchPanel->Height() : 0;
    return CellRect(0, RowCount() - 1).Bottom < ClientHeight() - panelHeight + 2;
}

// VisibleRowCount counts the rows under the search panel too: the row scrolls on until its
// bottom lies above the panel (and above the horizontal bar while columns are cut off).
void TExtStringGrid::ScrollAboveSearchPanel(Integer ARow)
{
    if (!m_searchFooter->Visible() || !SearchPanel) return;
    Integer usable = Height() - SearchPanel->Height();
    if (VisibleColCount() < ColCount()) usable -= GetSystemMetrics(SM_CYHSCROLL);
    while (CellRect(0, ARow).Bottom > usable && TopRow() < RowCount() - 1) {
        const Integer before = TopRow();
        SetTopRow(before + 1);
        if (TopRow() == before) break;
    }
}

// A message from the scroll bar shown in a cell moves that bar, not the grid.
bool TExtStringGrid::CellScrollBarScrolled(TMessage& Message)
{
    const TWMScroll scroll(Message);
    if (!FCellScrollBar || scroll.ScrollBar == 0 || scroll.ScrollBar != FCellScrollBar->HandleIfAllocated())
        return false;
    TScrollBar& bar = *FCellScrollBar;
    const Integer old = bar.Position();
    switch (scroll.Code) {
    case SB_LINEUP: bar.SetPosition(std::max(bar.Min(), old - CellScrollLine)); break;
    case SB_LINEDOWN: bar.SetPosition(std::min(bar.Max(), old + CellScrollLine)); break;
    case SB_PAGEUP: bar.SetPosition(old - CellScrollPage); break;
    case SB_PAGEDOWN: bar.SetPosition(old + CellScrollPage); break;
    case SB_THUMBTRACK: bar.SetPosition(scroll.Pos); break;
    default: break;
    }
    if (bar.Position() == old) return true;
    Message.Result = 0;
    SetScrollProp(FScrollCol, FScrollRow, TPoint{bar.Position(), bar.Max()});
    RepaintCell(FScrollCol, FScrollRow);
    DoScrollCell(FScrollCol, FScrollRow, bar.Position());
    return true;
}

void TExtStringGrid::DoScrollCell(Integer ACol, Integer ARow, Integer ScrollPosition)
{
    if (!OnScrollCell) return;
    const Integer min = FCellScrollBar ? FCellScrollBar->Min() : 0;
    const Integer max = FCellScrollBar ? FCellScrollBar->Max() : 0;
    OnScrollCell(this, ACol, ARow, ScrollPosition, min, max);
}

// --- scrolling while something is dragged over the grid --------------------------------------

void TExtStringGrid::DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept)
{
    const TDragScrollOptions& options = *m_dragScrollOptions;
    if (!options.Active) {
        FreeDragScrollTimer();
    } else if (State == dsDragLeave) {
        if (FDragTmr) FDragTmr->SetEnabled(false);
    } else {
        const TDragScrollMargins& m = *options.Margins();
        const TDragScrollDirections previous = FDragScrollDirection;
        FDragScrollDirection = 0;
        if (Y < m.TopMargin) FDragScrollDirection = dsdUp;
        if (Y > Height() - m.BottomMargin) FDragScrollDirection = dsdDown;
        if (X < m.LeftMargin) FDragScrollDirection |= dsdLeft;
        if (X > Width() - m.RightMargin) FDragScrollDirection |= dsdRight;
        if (FDragScrollDirection == 0) {
            FreeDragScrollTimer();
        } else if (!FDragTmr) {
            FDragTmr = std::make_unique<TTimer>(nullptr);
            FDragTmr->OnTimer = [this](TObject* Sender) { DragScrollTick(Sender); };
            FDragTmr->SetInterval(Cardinal(options.Delays()->InitialDelay));
            FDragTmr->SetEnabled(true);
        } else if (previous != 0) {
            FDragTmr->SetInterval(Cardinal(options.Delays()->InitialDelay));
            FDragTmr->SetEnabled(true);
        }
    }
    TBaseGrid::DragOver(Source, X, Y, State, Accept);
}

void TExtStringGrid::FreeDragScrollTimer()
{
    if (FDragTmr) FDragTmr->SetEnabled(false);
    FDragTmr.reset();
}

void TExtStringGrid::DragScrollTick(TObject* /*Sender*/)
{
    if (!m_dragScrollOptions->Active) {
        FreeDragScrollTimer();
        return;
    }
    FDragTmr->SetInterval(Cardinal(m_dragScrollOptions->Delays()->RepeatDelay));
    bool canScroll = true;
    if (OnDragScroll) OnDragScroll(this, TopRow(), LeftCol(), FDragScrollDirection, canScroll);
    if (!canScroll) return;
    if ((FDragScrollDirection & dsdUp) && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
    if ((FDragScrollDirection & dsdDown) && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
    if ((FDragScrollDirection & dsdLeft) && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
    if ((FDragScrollDirection & dsdRight) && VisibleColCount() + LeftCol() < ColCount()) SetLeftCol(LeftCol() + 1);
}

// --- cells under points, sizing edges, keys --------------------------------------------------

bool TExtStringGrid::IsOnSizingEdge(TPoint MousePos)
{
    TSizingEdgeProbe probe{.X = MousePos.X, .Y = MousePos.Y};
    MouseToCell(MousePos.X, MousePos.Y, probe.Col, probe.Row);
    if (probe.Col >= 0 && probe.Row >= 0) {
        const TRect r = CellRect(probe.Col, probe.Row);
        probe.CellLeft = r.Left;
        probe.CellTop = r.Top;
        probe.CellRight = r.Right;
        probe.CellBottom = r.Bottom;
    }
    probe.FixedCols = FixedCols();
    probe.FixedRows = FixedRows();
    probe.ColSizing = (Options() & goColSizing) != 0;
    probe.RowSizing = (Options() & goRowSizing) != 0;
    return ::gw::IsOnSizingEdge(probe);
}

void TExtStringGrid::ScreenToCell(TPoint P, Integer& ACol, Integer& ARow)
{
    const TPoint client = ScreenToClient(P);
    MouseToCell(client.X, client.Y, ACol, ARow);
}

LRESULT TExtStringGrid::DialogCode() const
{
    LRESULT code = TBaseGrid::DialogCode();
    // Typed characters always reach the grid: the sorted-column search takes them too.
    if (m_navigation->AutoGotoWhenSorted || !(Options() & goEditing)) code |= DLGC_WANTCHARS;
    return code;
}

// --- scrolling a cell into view, the stretch, the width hooks --------------------------------

void TExtStringGrid::UpdateColSize(Integer ACol, Integer& AWidth)
{
    if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

// --- the size hooks ---------------------------------------------------------------------------

// A press on a sizing edge starts a user resize: the item and its size before are kept for the
// width and height hooks.
void TExtStringGrid::NoteSizingPress(TMessage& Message)
{
    const TWMMouse mouse(Message);
    // The release's click sort finds the pressed cell again from here.
    Clickposx = mouse.Pos.X;
    Clickposy = mouse.Pos.Y;
    Integer index = -1, offset = 0;
    const TGridState sizing =
        GridState() == gsNormal ? TBaseGrid::CalcSizingState(mouse.Pos.X, mouse.Pos.Y, index, offset) : gsNormal;
    TBaseGrid::Dispatch(Message);
    if (sizing == gsColSizing && GridState() == gsColSizing) {
        Colclicked = index;
        Colclickedsize = ColWidths(index);
    } else if (sizing == gsRowSizing && GridState() == gsRowSizing) {
        Rowclicked = index;
        Rowclickedsize = RowHeights(index);
    }
}

// The release ends the resize: the size it sets is the user's. A release that changed nothing
// leaves no resize pending for a later change made by code.
void TExtStringGrid::NoteSizingRelease(TMessage& Message)
{
    ColSized = GridState() == gsColSizing && Colclicked >= 0;
    Rowsized = GridState() == gsRowSizing && Rowclicked >= 0;
    TBaseGrid::Dispatch(Message);
    if (ColSized || Rowsized) {
        ColSized = Rowsized = false;
        Colclicked = Rowclicked = -1;
    }
}

void TExtStringGrid::SizeChanged(Integer OldColCount, Integer OldRowCount)
{
    const bool active =
        Parent() && !(ComponentState() & (csLoading | csReading)) && !(Application && Application->Terminated());
    if (active && m_columnSize->Stretch()) StretchColumnToClient(m_columnSize->StretchColumn);
    TBaseGrid::SizeChanged(OldColCount, OldRowCount);
    if (!active) return;
    ShowFlatScrollBar(SB_VERT, VisibleRowCount() + FixedRows() < RowCount());
    SyncFlatVertScrollBar();
    ShowFlatScrollBar(SB_HORZ, VisibleColCount() + FixedCols() < ColCount());
    SyncFlatHorzScrollBar();
}

void TExtStringGrid::ColWidthsChanged()
{
    if (ColchgFlg) StretchColumnToClient(m_columnSize->StretchColumn);
    if (IsDesigning()) ReleaseScrollHint();
    TBaseGrid::ColWidthsChanged();
    if (ColSized) EndUserColSize();
    if (EditorMode() && HasCheckBox(Col(), Row())) HideInplaceEdit();
    if (FFooterPanel) FFooterPanel->Invalidate();
    if (m_controlList->Count() > 0) CellControlsUpdate(false);
    if (m_columnSize->Stretch() && m_scrollProportional) UpdateVertProportionalScroll();
}

void TExtStringGrid::RowHeightsChanged()
{
    if (IsDesigning()) ReleaseScrollHint();
    TBaseGrid::RowHeightsChanged();
    if (Rowsized) EndUserRowSize();
    if (EditorMode() && HasCheckBox(Col(), Row())) HideInplaceEdit();
    if (m_controlList->Count() > 0) CellControlsUpdate(false);
}

namespace {

// The sizes of Count items, scaled with the resized one, applied where they changed.
template <typename Get, typename Set>
void ScaleOthers(Integer Count, Integer FirstScaled, Integer Resized, Integer OldSize, Get SizeOf, Set Apply)
{
    std::vector<Integer> sizes(size_t(std::max(Count, 0)));
    for (Integer i = 0; i < Count; ++i) sizes[size_t(i)] = SizeOf(i);
    const std::vector<Integer> scaled = ScaleWithResized(sizes, FirstScaled, Resized, OldSize);
    for (Integer i = 0; i < Count; ++i)
        if (scaled[size_t(i)] != sizes[size_t(i)]) Apply(i, scaled[size_t(i)]);
}

}  // namespace

// The end of a user column resize. The resize is forgotten first: the widths set here report
// changes of their own, which are not the user's.
void TExtStringGrid::EndUserColSize()
{
    const Integer col = Colclicked, oldWidth = Colclickedsize;
    ColSized = false;
    Colclicked = Rowclicked = -1;
    if (col < 0 || col >= ColCount()) return;
    if (m_mouseActions->AllColumnSize && oldWidth > 0)
        ScaleOthers(
            ColCount(), FixedCols(), col, oldWidth, [this](Integer c) { return ColWidths(c); },
            [this](Integer c, Integer w) { SetColWidths(c, w); });
    if (OnEndColumnSize) OnEndColumnSize(this, col);
    Integer width = ColWidths(col);
    UpdateColSize(col, width);
    if (width != ColWidths(col)) SetColWidths(col, width);
}

void TExtStringGrid::EndUserRowSize()
{
    const Integer row = Rowclicked, oldHeight = Rowclickedsize;
    Rowsized = false;
    Colclicked = Rowclicked = -1;
    if (row < 0 || row >= RowCount()) return;
    if (m_mouseActions->AllRowSize && oldHeight > 0)
        ScaleOthers(
            RowCount(), FixedRows(), row, oldHeight, [this](Integer r) { return RowHeights(r); },
            [this](Integer r, Integer h) { SetRowHeights(r, h); });
    if (OnEndRowSize) OnEndRowSize(this, row);
}

}  // namespace gw
