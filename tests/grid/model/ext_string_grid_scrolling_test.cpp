// The string grid's scroll bars and scrolling on the headless back end: thumb hints and
// synchronous scrolling, the proportional thumbs, the flat types, drag scrolling on the virtual
// clock, the stretch column and its error through the message dispatch, sizing edges, cells under
// screen points, the keys the grid wants, scrolling a cell into view and the width hook.
#include "grid/foundation/arrow_window.h"
#include "grid/foundation/navigation.h"
#include "grid/foundation/search_footer.h"
#include "grid/model/column_size.h"
#include "grid/model/drag_scroll_options.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/scroll_arithmetic.h"
#include "platform/backends/headless/harness.h"
#include "platform/controls/scroll_bar.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/application.h"
#include "platform/ui/hint_window.h"
#include "platform/ui/window_system.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gw::test {
namespace {

class TScrollGrid : public TExtStringGrid {
public:
    using TExtStringGrid::ArrowWindows;
    using TExtStringGrid::DialogCode;
    using TExtStringGrid::DragOver;
    using TExtStringGrid::FCellScrollBar;
    using TExtStringGrid::FScrollCol;
    using TExtStringGrid::FScrollRow;
    using TExtStringGrid::TExtStringGrid;
    using TExtStringGrid::UpdateAutoColSize;
    using TExtStringGrid::UpdateColSize;
};

class ExtStringGridScrolling : public ::testing::Test {
protected:
    THarness h;
    TForm* form = nullptr;
    TScrollGrid* g = nullptr;

    // A grid of Rows rows and Cols columns (one fixed each) of 22 pixels and lines of 1, with 20
    // scrolling rows shown whole, in a shown form. The counts are set before the window exists:
    // later the grid's bounds repaint its border, which the painting room builds.
    void Make(Integer Rows, Integer Cols = 5, Integer ClientWidth = 0)
    {
        form = new TForm(Application);
        form->SetBounds(0, 0, 600, 700);
        g = new TScrollGrid(form);
        g->SetRowCount(Rows);
        g->SetColCount(Cols);
        g->SetParent(form);
        g->SetBounds(0, 0, 400, 23 * 21 + 10);
        if (ClientWidth) g->SetBounds(0, 0, ClientWidth + (g->Width() - g->ClientWidth()), g->Height());
        form->Show();
        h.ProcessMessages();
    }
    void TearDown() override { delete form; }

    void Scroll(UINT Msg, Word Code, Integer Pos = 0)
    {
        SendMessage(g->Handle(), Msg, MakeWParam(Code, Pos), 0);
        h.ProcessMessages();
    }
    TScrollInfo Info(Integer Bar)
    {
        TScrollInfo info;
        GetScrollInfo(g->Handle(), Bar, info);
        return info;
    }
};

// Dragging the thumb offers the hint text to OnScrollHint, shows it in the hint colour, and with
// ScrollSynch moves the view with the thumb; the end of the scroll takes the hint away.
TEST_F(ExtStringGridScrolling, ThumbTrackingShowsTheHintAndMovesWithScrollSynch)
{
    Make(1000, 60);
    ASSERT_EQ(g->VisibleRowCount(), 20);
    std::vector<std::string> log;
    g->OnScrollHint = [&](TObject*, Integer Index, String& Text) {
        log.push_back(StringToUtf8(Text) + " @" + std::to_string(Index));
        if (Index == 980) Text += u" (last)";
    };
    struct Case {
        TScrollHintType Hints;
        bool Synch;
        UINT Msg;
        std::vector<std::string> Log;
        Integer TopRow, LeftCol;
    };
    const Integer visibleCols = g->VisibleColCount();
    const Integer lastLeft = ScrollPositionToIndex(127, 60, visibleCols, 1);
    const std::vector<Case> cases = {
        {shVertical, false, WM_VSCROLL, {"Row : 980 @980"}, 1, 1},
        {shVertical, true, WM_VSCROLL, {"Row : 980 @980"}, 980, 1},
        {shBoth,
         true,
         WM_HSCROLL,
         {"Col : " + std::to_string(lastLeft) + " @" + std::to_string(lastLeft)},
         1,
         lastLeft},
        {shHorizontal, false, WM_VSCROLL, {}, 1, 1},
        {shNone, true, WM_HSCROLL, {}, 1, lastLeft},
    };
    for (const Case& c : cases) {
        g->SetTopRow(1);
        g->SetLeftCol(1);
        log.clear();
        g->ScrollHints = c.Hints;
        g->ScrollSynch = c.Synch;
        Scroll(c.Msg, SB_THUMBTRACK, 127);
        EXPECT_EQ(log, c.Log) << c.Hints << c.Synch;
        EXPECT_EQ(g->TopRow(), c.TopRow) << c.Hints << c.Synch;
        EXPECT_EQ(g->LeftCol(), c.LeftCol) << c.Hints << c.Synch;
        Scroll(c.Msg, SB_ENDSCROLL);
    }
    // The hint window showed the changed text in the hint colour, and is gone after the end.
    g->HintColor = clYellow;
    g->ScrollHints = shVertical;
    SetCursorPos(TPoint{300, 200});
    Scroll(WM_VSCROLL, SB_THUMBTRACK, 127);
    THintWindow* hint = nullptr;
    for (Integer i = 0; i < g->ComponentCount(); ++i)
        if (auto* w = dynamic_cast<THintWindow*>(g->Components(i))) hint = w;
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->IsShowing());
    EXPECT_EQ(hint->Text(), u"Row : 980 (last)");
    EXPECT_EQ(hint->Color(), clYellow);
    EXPECT_EQ(TPoint(hint->Left(), hint->Top()), TPoint(310, 200)) << "10 pixels right of the mouse";
    Scroll(WM_VSCROLL, SB_ENDSCROLL);
    EXPECT_FALSE(hint->IsShowing());
}

// A line down moves one row; with ScrollProportional the thumb is sized by the visible share and
// placed by the rows above the top row; switching it off gives the base grid its thumb back.
TEST_F(ExtStringGridScrolling, TheProportionalThumbFollowsTheView)
{
    Make(1000);
    g->SetScrollProportional(true);
    auto expected = [&] {
        TScrollAxisExtent axis{[&](Integer i) { return g->RowStart(i) - Int64(i) * g->GridLineWidth(); }, g->RowCount(),
                               g->FixedRows(), g->TopRow(), g->GridLineWidth()};
        return *VertProportionalBar(ScrollSums(axis), g->Height());
    };
    TProportionalBar bar = expected();
    EXPECT_GT(bar.Max, 127);
    EXPECT_EQ(bar.Page, bar.Max - 126);
    EXPECT_EQ(Info(SB_VERT).nMax, bar.Max);
    EXPECT_EQ(Integer(Info(SB_VERT).nPage), bar.Page);
    Scroll(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(g->TopRow(), 2);
    for (int i = 0; i < 100; ++i) Scroll(WM_VSCROLL, SB_LINEDOWN);
    bar = expected();
    EXPECT_GT(bar.Position, 0);
    EXPECT_EQ(Info(SB_VERT).nPos, bar.Position);
    // A new size lays the base grid's bars out again; the proportional thumb follows.
    MoveWindow(g->Handle(), Rect(0, 0, 400, 300));
    h.ProcessMessages();
    bar = expected();
    EXPECT_EQ(Info(SB_VERT).nMax, bar.Max);
    EXPECT_EQ(Integer(Info(SB_VERT).nPage), bar.Page);
    g->SetScrollProportional(false);
    EXPECT_EQ(Info(SB_VERT).nPage, 0u);
    Scroll(WM_VSCROLL, SB_THUMBPOSITION, 127);
    EXPECT_GE(g->TopRow() + g->VisibleRowCount(), 999) << "the whole range of the base grid is back";
}

// With the search footer shown, a line down (or the end of a scroll) once the last row shows is
// swallowed: neither the base grid nor the proportional update runs; before that the grid scrolls.
TEST_F(ExtStringGridScrolling, TheSearchFooterSwallowsStepsPastTheLastRow)
{
    Make(100);
    g->SearchFooter()->SetVisible(true);
    g->SetScrollProportional(true);
    Scroll(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(g->TopRow(), 2);
    g->SetTopRow(100 - g->VisibleRowCount());
    // The panel covers the grid's bottom: a step down first brings the last row up above it.
    Scroll(WM_VSCROLL, SB_LINEDOWN);
    const Integer last = g->TopRow();
    ASSERT_GE(last + g->VisibleRowCount(), 99);
    ASSERT_LE(g->CellRect(0, 99).Bottom, g->ClientHeight() - 32 + 2);
    const TScrollInfo before = Info(SB_VERT);
    g->SetTopRow(1);  // the view moves without a scroll message: the thumb is not updated
    g->SetTopRow(last);
    SetScrollPos(g->Handle(), SB_VERT, 5, false);
    for (const Word code : {Word(SB_LINEDOWN), Word(SB_ENDSCROLL)}) {
        Scroll(WM_VSCROLL, code);
        EXPECT_EQ(g->TopRow(), last) << code;
        EXPECT_EQ(Info(SB_VERT).nPos, 5) << "no proportional update after a swallowed " << code;
    }
    g->SearchFooter()->SetVisible(false);
    Scroll(WM_VSCROLL, SB_ENDSCROLL);
    EXPECT_NE(Info(SB_VERT).nPos, 5);
    EXPECT_EQ(before.nMax, Info(SB_VERT).nMax);
}

// Columns that fit hide the horizontal bar after a proportional update unless ScrollBarAlways
// keeps it.
TEST_F(ExtStringGridScrolling, FittingColumnsHideTheHorizontalBar)
{
    Make(1000, 3);
    for (const auto& [always, shown] : {std::pair{saNone, false}, {saHorz, true}}) {
        g->SetScrollBarAlways(always);
        ShowScrollBar(g->Handle(), SB_HORZ, true);
        g->SetScrollProportional(true);
        EXPECT_EQ((GetWindowStyle(g->Handle()) & WS_HSCROLL) != 0, shown) << always;
    }
}

// The flat types fall back to the window's own bars without an error; colour and width are kept.
TEST_F(ExtStringGridScrolling, FlatScrollTypesShowNormalBars)
{
    Make(1000);
    for (const TScrollType t : {ssFlat, ssEncarta, ssNormal, ssMetro}) {
        EXPECT_NO_THROW(g->SetScrollType(t));
        EXPECT_EQ(g->ScrollType(), t);
        // The metro type draws thin bars of its own instead of the window's.
        EXPECT_EQ(GetWindowStyle(g->Handle()) & WS_VSCROLL, t == ssMetro ? 0u : Cardinal(WS_VSCROLL)) << t;
    }
    g->SetScrollColor(clRed);
    g->SetScrollWidth(9);
    EXPECT_EQ(g->ScrollColor(), clRed);
    EXPECT_EQ(g->ScrollWidth(), 9);
    // A grid made with a flat type gets its window as well.
    auto* other = new TScrollGrid(form);
    other->SetScrollType(ssFlat);
    other->SetParent(form);
    EXPECT_NO_THROW(other->HandleNeeded());
}

// Hovering in the top margin scrolls up one row after InitialDelay, then every RepeatDelay until
// the first scrolling row is at the top; OnDragScroll may cancel a step or turn its direction.
TEST_F(ExtStringGridScrolling, DragScrollingRunsOnTheVirtualClock)
{
    Make(100, 60);
    TDragScrollOptions& options = *g->DragScrollOptions();
    options.Active = true;
    options.Margins()->TopMargin = 10;
    options.Delays()->InitialDelay = 300;
    options.Delays()->RepeatDelay = 100;
    g->SetTopRow(5);
    std::vector<std::string> log;
    g->OnDragScroll = [&](TObject*, Integer TopRow, Integer LeftCol, TDragScrollDirections& Dir, bool& CanScroll) {
        log.push_back(std::to_string(TopRow) + "," + std::to_string(LeftCol) + ":" + std::to_string(Dir));
        CanScroll = TopRow != 4 || log.size() > 2;  // the first step at row 4 is cancelled
    };
    bool accept = false;
    g->DragOver(nullptr, 200, 5, dsDragEnter, accept);
    h.Advance(299);
    EXPECT_EQ(g->TopRow(), 5) << "nothing before the initial delay";
    h.Advance(1);
    EXPECT_EQ(g->TopRow(), 4);
    h.Advance(100);
    EXPECT_EQ(g->TopRow(), 4) << "cancelled";
    h.Advance(300);
    EXPECT_EQ(g->TopRow(), 1);
    h.Advance(500);
    EXPECT_EQ(g->TopRow(), 1) << "stops at the first scrolling row";
    EXPECT_EQ(log.front(), "5,1:" + std::to_string(dsdUp));
    // Moving out of the margins stops the timer; the right margin scrolls right.
    g->DragOver(nullptr, 200, 200, dsDragMove, accept);
    const size_t steps = log.size();
    h.Advance(1000);
    EXPECT_EQ(log.size(), steps);
    g->OnDragScroll = nullptr;
    g->DragOver(nullptr, g->Width() - 5, 200, dsDragMove, accept);
    h.Advance(300);
    EXPECT_EQ(g->LeftCol(), 2);
    // Leaving stops it; switching the option off frees it at the next tick.
    g->DragOver(nullptr, g->Width() - 5, 200, dsDragLeave, accept);
    h.Advance(1000);
    EXPECT_EQ(g->LeftCol(), 2);
    g->DragOver(nullptr, g->Width() - 5, 200, dsDragMove, accept);
    options.Active = false;
    h.Advance(1000);
    EXPECT_EQ(g->LeftCol(), 2);
}

// Stretching: the stretch column takes what the others leave of the client, less one pixel; a
// single column the whole client; an index outside the columns raises, -1 is the last column.
TEST_F(ExtStringGridScrolling, TheStretchColumnFillsTheClient)
{
    Make(10, 4, 300);
    ASSERT_EQ(g->ClientWidth(), 300);
    g->SetDefaultColWidth(50);
    g->ColumnSize()->SetStretch(true);
    g->StretchColumnToClient(3);
    EXPECT_EQ(g->ColWidths(3), 149);
    g->SetColWidths(3, 50);
    g->StretchColumnToClient(-1);
    EXPECT_EQ(g->ColWidths(3), 149);
    for (const Integer bad : {4, 5, -2, -100}) {
        try {
            g->StretchColumnToClient(bad);
            ADD_FAILURE() << bad << " did not raise";
        } catch (const EExtGridError& e) {
            EXPECT_EQ(e.Message(), u"Stretch column index out of range") << bad;
        }
    }
    delete form;
    Make(10, 1, 300);
    g->ColumnSize()->SetStretch(true);
    g->StretchColumnToClient(0);
    EXPECT_EQ(g->ColWidths(0), 300);
}

// A bad stretch column met while the owner form resizes reaches the application's handler
// through the message dispatch; the grid lives on.
TEST_F(ExtStringGridScrolling, ABadStretchColumnReachesTheApplicationsHandler)
{
    std::vector<std::string> errors;
    Application->OnException = [&](TObject* Sender, const Exception& E) {
        errors.push_back(StringToUtf8(Sender->ClassName()) + ": " + StringToUtf8(E.Message()));
    };
    Make(10, 5);
    g->ColumnSize()->StretchColumn = 5;
    // The window is resized as the user would: the size reaches the form as a message.
    MoveWindow(form->Handle(), Rect(0, 0, 650, 700));
    h.ProcessMessages();
    ASSERT_FALSE(errors.empty());
    EXPECT_NE(errors[0].find("Stretch column index out of range"), std::string::npos) << errors[0];
    errors.clear();
    g->ColumnSize()->StretchColumn = -1;
    g->ColumnSize()->SetStretch(true);
    MoveWindow(form->Handle(), Rect(0, 0, 700, 700));
    h.ProcessMessages();
    EXPECT_TRUE(errors.empty());
    Int64 total = 0;
    for (Integer c = 0; c < 5; ++c) total += g->ColWidths(c);
    EXPECT_EQ(total, g->ClientWidth() - 1);
}

// Near a column edge in the fixed rows with column sizing, or a row edge in the fixed columns
// with row sizing; the top-left cell answers for columns even far from its row edges.
TEST_F(ExtStringGridScrolling, SizingEdges)
{
    Make(5, 6);
    g->SetDefaultColWidth(64);
    const TRect corner = g->CellRect(0, 0);
    const TRect header = g->CellRect(2, 0);
    const TRect rowHead = g->CellRect(0, 3);
    const TRect cell = g->CellRect(2, 3);
    struct Case {
        const char* What;
        TGridOptions Options;
        TPoint P;
        bool Edge;
    };
    const TGridOptions both = goColSizing | goRowSizing;
    const std::vector<Case> cases = {
        {"header, 3 px from the right edge", goColSizing, {header.Right - 3, header.Top + 10}, true},
        {"header, 4 px from the right edge", goColSizing, {header.Right - 4, header.Top + 10}, false},
        {"header, 2 px from the left edge", goColSizing, {header.Left + 2, header.Top + 10}, true},
        {"header without column sizing", goRowSizing, {header.Right - 1, header.Top + 10}, false},
        {"normal cell near a column edge", both, {cell.Right - 1, cell.Top + 10}, false},
        {"row header near its bottom", goRowSizing, {rowHead.Left + 20, rowHead.Bottom - 2}, true},
        {"row header without row sizing", goColSizing, {rowHead.Left + 20, rowHead.Bottom - 2}, false},
        {"normal cell near a row edge", both, {cell.Left + 20, cell.Bottom - 1}, false},
        {"corner near a column edge, far from rows", both, {corner.Right - 2, corner.Top + 10}, true},
        {"corner inside", both, {corner.Left + 20, corner.Top + 10}, false},
        {"outside the cells", both, {g->ClientWidth() - 1, g->ClientHeight() - 1}, false},
    };
    for (const Case& c : cases) {
        g->SetOptions((g->Options() & ~(goColSizing | goRowSizing)) | c.Options);
        EXPECT_EQ(g->IsOnSizingEdge(c.P), c.Edge) << c.What;
    }
}

// A screen point names the cell under it, -1 outside the cells.
TEST_F(ExtStringGridScrolling, ScreenToCell)
{
    Make(10);
    const TRect r = g->CellRect(2, 3);
    Integer c = 0, row = 0;
    g->ScreenToCell(g->ClientToScreen(TPoint{r.Left + 1, r.Top + 1}), c, row);
    EXPECT_EQ(TPoint(c, row), TPoint(2, 3));
    delete form;
    Make(3);
    g->ScreenToCell(g->ClientToScreen(TPoint{r.Left + 1, g->ClientHeight() - 1}), c, row);
    EXPECT_EQ(row, -1);
}

// The grid always asks for typed characters: with editing the base grid does, without it or
// with the sorted-column search the grid adds them.
TEST_F(ExtStringGridScrolling, TheGridAlwaysWantsCharacters)
{
    Make(10);
    for (const bool editing : {false, true})
        for (const bool gotoSorted : {false, true}) {
            g->SetOptions(editing ? g->Options() | goEditing : g->Options() & ~TGridOptions(goEditing));
            g->Navigation()->AutoGotoWhenSorted = gotoSorted;
            const LRESULT code = g->DialogCode();
            EXPECT_NE(code & DLGC_WANTCHARS, 0) << editing << gotoSorted;
            EXPECT_NE(code & DLGC_WANTARROWS, 0) << editing << gotoSorted;
        }
}

// ScrollInView leaves a visible cell alone and brings a far one near the middle.
TEST_F(ExtStringGridScrolling, ScrollInView)
{
    Make(1000);
    g->SetRowEx(3);
    g->ScrollInView(1, 10);
    EXPECT_EQ(g->TopRow(), 1);
    EXPECT_EQ(g->Row(), 3);
    g->ScrollInView(1, 500);
    EXPECT_EQ(g->Row(), 500);
    EXPECT_EQ(g->TopRow(), 490);
    g->ScrollInView(1, 5);
    EXPECT_EQ(g->TopRow(), 1);
    g->ScrollInView(1, 1000);  // beyond the rows: nothing
    EXPECT_EQ(g->Row(), 5);
}

// Under a shown search footer the row brought into view ends above the panel, also the last
// row, which the rows counted as visible would leave under it.
TEST_F(ExtStringGridScrolling, ScrollInViewKeepsTheRowAboveTheSearchPanel)
{
    Make(100);
    g->SearchFooter()->SetVisible(true);
    h.ProcessMessages();
    Integer panel = 0;
    for (Integer i = 0; i < g->ControlCount(); ++i)
        if (g->Controls(i)->Visible() && g->Controls(i)->Align() == alBottom) panel = g->Controls(i)->Height();
    ASSERT_GT(panel, 0);
    for (Integer row : {99, 60, 98}) {
        g->ScrollInView(1, row);
        const TRect r = g->CellRect(0, row);
        EXPECT_GT(r.Bottom, r.Top) << "row " << row << " is shown";
        EXPECT_LE(r.Bottom, g->Height() - panel) << "row " << row;
    }
    EXPECT_EQ(g->Row(), 98);
}

// The column-move arrows take one colour; the width hooks give the event the last word.
TEST_F(ExtStringGridScrolling, ArrowColourAndWidthHook)
{
    Make(10);
    g->SetArrowColor(clLime);
    EXPECT_EQ(g->ArrowColor(), clLime);
    for (TArrowWindow* w : g->ArrowWindows) EXPECT_EQ(w->Color(), clLime);
    std::vector<std::string> log;
    g->OnUpdateColumnSize = [&](TObject*, Integer ACol, Integer& AWidth) {
        log.push_back(std::to_string(ACol) + ":" + std::to_string(AWidth));
        AWidth = 77;
    };
    Integer w = 30;
    g->UpdateColSize(2, w);
    EXPECT_EQ(w, 77);
    w = 40;
    g->UpdateAutoColSize(3, w);
    EXPECT_EQ(log, (std::vector<std::string>{"2:30", "3:40"}));
}

// A message from the cell scroll bar moves that bar by 10 a line and 100 a page, held to its
// range, and tells DoScrollCell; the grid itself stays.
TEST_F(ExtStringGridScrolling, TheCellScrollBarTakesItsOwnMessages)
{
    Make(1000);
    auto* bar = new TScrollBar(g);
    bar->SetParent(g);
    bar->SetParams(50, 0, 200);
    g->FCellScrollBar = bar;
    g->FScrollCol = 2;
    g->FScrollRow = 3;
    std::vector<std::string> log;
    g->OnScrollCell = [&](TObject*, Integer ACol, Integer ARow, Integer Pos, Integer Min, Integer Max) {
        log.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + ":" + std::to_string(Pos) + " " +
                      std::to_string(Min) + ".." + std::to_string(Max));
    };
    auto send = [&](Word Code, Integer Pos = 0) {
        SendMessage(g->Handle(), WM_VSCROLL, MakeWParam(Code, Pos), LPARAM(bar->Handle()));
    };
    send(SB_LINEDOWN);
    send(SB_PAGEDOWN);
    send(SB_LINEUP);
    send(SB_THUMBTRACK, 3);
    send(SB_LINEUP);
    send(SB_LINEUP);  // at the minimum: nothing changes, nothing is told
    EXPECT_EQ(log,
              (std::vector<std::string>{"2,3:60 0..200", "2,3:160 0..200", "2,3:150 0..200", "2,3:3 0..200",
                                        "2,3:0 0..200"}));
    EXPECT_EQ(g->TopRow(), 1);
}


// Right to left with merged cells the end of a horizontal scroll paints the grid whole, as the
// pieces of a mirrored merge come from several columns; nothing else does.
TEST_F(ExtStringGridScrolling, RightToLeftMergesRepaintWholeWhenTheScrollEnds)
{
    class TCountingGrid : public TScrollGrid {
    public:
        using TScrollGrid::TScrollGrid;
        int Invalidations = 0;
        void Invalidate() override
        {
            ++Invalidations;
            TScrollGrid::Invalidate();
        }
    };
    struct Case {
        TBiDiMode Mode;
        bool Merged;
        Word Code;
        int Whole;
    };
    const Case cases[] = {
        {bdRightToLeft, true, SB_ENDSCROLL, 1},      {bdRightToLeft, true, SB_LINEDOWN, 0},
        {bdRightToLeft, false, SB_ENDSCROLL, 0},     {bdLeftToRight, true, SB_ENDSCROLL, 0},
        {bdRightToLeftNoAlign, true, SB_ENDSCROLL, 0},
    };
    for (const Case& k : cases) {
        form = new TForm(Application);
        form->SetBounds(0, 0, 600, 400);
        auto* grid = new TCountingGrid(form);
        grid->SetColCount(20);
        grid->SetRowCount(30);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 300, 200);
        if (k.Merged) grid->MergeCells(2, 2, 3, 2);
        grid->SetBiDiMode(k.Mode);
        form->Show();
        h.ProcessMessages();
        grid->Invalidations = 0;
        SendMessage(grid->Handle(), WM_HSCROLL, MakeWParam(k.Code, 0), 0);
        EXPECT_EQ(grid->Invalidations, k.Whole) << int(k.Mode) << " merged " << k.Merged << " code " << k.Code;
        delete form;
        form = nullptr;
    }
}

}  // namespace
}  // namespace gw::test
