// The string grid's life cycle: what a new grid holds, what its owned objects pass on, the owner
// form's resize handler taken and given back, bounds, window creation, loading, destruction with
// a failing save, the members not built yet, and the current row's one report per move.
#include "grid/foundation/bands.h"
#include "grid/foundation/focus_window.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/model/background.h"
#include "grid/model/balloon_settings.h"
#include "grid/model/cell_node.h"
#include "grid/model/column_size.h"
#include "grid/model/control_look.h"
#include "grid/model/drag_scroll_options.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/filter.h"
#include "grid/model/filter_drop_down.h"
#include "grid/model/grouping.h"
#include "grid/model/html_settings.h"
#include "grid/model/print_settings.h"
#include "grid/model/progress_appearance.h"
#include "grid/model/show_modified.h"
#include "grid/model/size_while_typing.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/font.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/application.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/window_system.h"
#include "tests/grid/model/defaults_table.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace gw::test {
namespace {

// Opens the protected state and counts repaints.
class TTestGrid : public TExtStringGrid {
public:
    using TExtStringGrid::FClickCol;
    using TExtStringGrid::FClickRow;
    using TExtStringGrid::FClipTopLeft;
    using TExtStringGrid::FComboIdx;
    using TExtStringGrid::FEditChange;
    using TExtStringGrid::FFilterCol;
    using TExtStringGrid::FFocusWindow;
    using TExtStringGrid::FGridTimerID;
    using TExtStringGrid::FGroupColumn;
    using TExtStringGrid::FGrouped;
    using TExtStringGrid::FHiddenRows;
    using TExtStringGrid::FHoverFixedCell;
    using TExtStringGrid::FIsWinXP;
    using TExtStringGrid::FLastHintPos;
    using TExtStringGrid::FLastTabCell;
    using TExtStringGrid::FLoaded;
    using TExtStringGrid::FMaxRowCount;
    using TExtStringGrid::FMinFixedRows;
    using TExtStringGrid::FNumNodes;
    using TExtStringGrid::FOfficeTheme;
    using TExtStringGrid::FOldRowSel;
    using TExtStringGrid::FPushedCellButton;
    using TExtStringGrid::FShowColNrs;
    using TExtStringGrid::FStyle;
    using TExtStringGrid::FZoomFactor;
    using TExtStringGrid::GridTimerIdentifier;
    using TExtStringGrid::TExtStringGrid;
    using TExtStringGrid::wheelmsg;
    using TExtStringGrid::wheelscrl;

    void Invalidate() override
    {
        ++Invalidates;
        TExtStringGrid::Invalidate();
    }
    int Invalidates = 0;
};

Value P(TPoint V) { return Int64(V.X) * 100000 + V.Y; }

class ExtStringGridTest : public ::testing::Test {
protected:
    THarness h;
};

// Every default a new grid has, with the objects it owns (one distinguishing value each; the
// objects' own defaults are tabled with the settings objects).
TEST_F(ExtStringGridTest, ANewGridHasEveryDefault)
{
    TTestGrid g(nullptr);
    TFont platformFont;
    const std::vector<DefaultRow> rows = {
        {"RowCount", I(g.RowCount()), I(10)},
        {"ColCount", I(g.ColCount()), I(5)},
        {"Width", I(g.Width()), I(400)},
        {"Height", I(g.Height()), I(250)},
        {"DefaultRowHeight", I(g.DefaultRowHeight()), I(22)},
        {"RowHeights(0)", I(g.RowHeights(0)), I(22)},
        {"FixedRowHeight", I(g.FixedRowHeight()), I(22)},
        {"ScrollBars", I(g.ScrollBars()), I(ssBoth)},
        {"AutoSize", I(g.AutoSize()), I(false)},
        {"DefaultEditor", I(g.DefaultEditor), I(edNormal)},
        {"DefaultAlignment", I(g.DefaultAlignment()), I(taLeftJustify)},
        {"DisabledFontColor", I(g.DisabledFontColor), I(0xC0C0C0)},
        {"ActiveCellShow", I(g.ActiveCellShow()), I(false)},
        // The constructor stores the look without its setter, which would recolour.
        {"Look", I(g.Look()), I(glXP)},
        {"ActiveCellColor", I(g.ActiveCellColor()), I(0x808080)},
        {"ActiveCellColorTo", I(g.ActiveCellColorTo()), I(0x1FFFFFFF)},
        {"style", I(g.FStyle), I(tsWindowsXP)},
        {"UseDisabledFont", I(g.UseDisabledFont), I(true)},
        {"XYOffset", P(g.XYOffset), P({2, 2})},
        {"SelectionColor", I(g.SelectionColor()), I(0xEACAB6)},
        {"SelectionColorTo", I(g.SelectionColorTo()), I(0x1FFFFFFF)},
        {"SelectionMirrorColor", I(g.SelectionMirrorColor), I(0x1FFFFFFF)},
        {"SelectionMirrorColorTo", I(g.SelectionMirrorColorTo), I(0x1FFFFFFF)},
        {"SelectionTextColor", I(g.SelectionTextColor()), I(0x000000)},
        {"SelectionRectangleColor", I(g.SelectionRectangleColor), I(0x000000)},
        {"SelectionColorMixerFactor", I(g.SelectionColorMixerFactor()), I(50)},
        {"ShowSelection", I(g.ShowSelection), I(true)},
        {"HintColor", I(Cardinal(g.HintColor)), I(0xFF000018)},
        {"HighlightColor", I(Cardinal(g.HighlightColor)), I(0xFF00000D)},
        {"HighlightTextColor", I(Cardinal(g.HighlightTextColor)), I(0xFF00000E)},
        {"HintShowLargeTextPos", I(g.HintShowLargeTextPos), I(hpCell)},
        {"URLColor", I(g.URLColor), I(0xFF0000)},
        {"VAlignment", I(g.VAlignment), I(vtaTop)},
        {"EnableHTML", I(g.EnableHTML), I(true)},
        {"EnableWheel", I(g.EnableWheel), I(true)},
        {"WordWrap", I(g.WordWrap()), I(true)},
        {"IntelliZoom", I(g.IntelliZoom), I(true)},
        {"FloatFormat", S(g.FloatFormat), S(u"%.2f")},
        {"PasswordChar", I(g.PasswordChar), I(u'*')},
        {"CheckTrue", S(g.CheckTrue), S(u"Y")},
        {"CheckFalse", S(g.CheckFalse), S(u"N")},
        {"Delimiter", I(g.Delimiter), I(0)},
        {"XMLEncoding", S(g.XMLEncoding), S(u"ISO-8859-1")},
        {"FilterDropDownClear", S(g.FilterDropDownClear), S(u"(All)")},
        {"FilterDropDownColumns", I(g.FilterDropDownColumns), I(fdNormal)},
        {"FilterNormalCellsOnly", I(g.FilterNormalCellsOnly), I(true)},
        {"AutoFilterUpdate", I(g.AutoFilterUpdate), I(true)},
        {"FilterIncremental", I(g.FilterIncremental), I(false)},
        {"QuoteEmptyCells", I(g.QuoteEmptyCells), I(true)},
        {"AlwaysQuotes", I(g.AlwaysQuotes), I(false)},
        {"JavaCSV", I(g.JavaCSV), I(false)},
        {"SaveFixedCells", I(g.SaveFixedCells), I(true)},
        {"SaveFixedRows", I(g.SaveFixedRows), I(false)},
        {"SaveFixedCols", I(g.SaveFixedCols), I(false)},
        {"SaveHiddenCells", I(g.SaveHiddenCells), I(false)},
        {"SaveVirtCells", I(g.SaveVirtCells), I(true)},
        {"SaveWithHTML", I(g.SaveWithHTML), I(true)},
        {"LoadFirstRow", I(g.LoadFirstRow), I(true)},
        {"ShowNullDates", I(g.ShowNullDates), I(true)},
        {"InvalidEntryIcon", I(g.InvalidEntryIcon), I(ieWarning)},
        {"ZEQGradientFrom", I(g.ZEQGradientFrom()), I(0xFFFFFF)},
        {"ZEQGradientTo", I(g.ZEQGradientTo()), I(ColorToRGB(clBtnFace))},
        {"ZEQGradientMirrorFrom", I(g.ZEQGradientMirrorFrom()), I(0x1FFFFFFF)},
        {"ZEQGradientMirrorTo", I(g.ZEQGradientMirrorTo()), I(0x1FFFFFFF)},
        {"BorderColor", I(g.BorderColor()), I(0xB99D7F)},
        {"ScrollType", I(g.ScrollType()), I(ssNormal)},
        {"ScrollColor", I(g.ScrollColor()), I(0x1FFFFFFF)},
        {"ScrollWidth", I(g.ScrollWidth()), I(GetSystemMetrics(SM_CXVSCROLL))},
        {"ShowDesignHelper", I(g.ShowDesignHelper()), I(true)},
        {"EnhRowColMove", I(g.EnhRowColMove), I(true)},
        {"UseInternalHintClass", I(g.UseInternalHintClass), I(true)},
        {"GroupColumn", I(g.FGroupColumn), I(-1)},
        {"MinRowHeight", I(g.MinRowHeight), I(0)},
        {"MaxRowHeight", I(g.MaxRowHeight), I(0)},
        {"MinColWidth", I(g.MinColWidth), I(0)},
        {"MaxColWidth", I(g.MaxColWidth), I(0)},
        {"FixedFooters", I(g.FixedFooters()), I(0)},
        {"FixedRightCols", I(g.FixedRightCols()), I(0)},
        {"HoverFixedCells", I(g.HoverFixedCells), I(hfNone)},
        {"MouseSelectMode", I(g.MouseSelectMode), I(msNormal)},
        {"ClearTextOnly", I(g.ClearTextOnly), I(false)},
        {"ExcelClipboardFormat", I(g.ExcelClipboardFormat), I(false)},
        {"PrinterDriverFix", I(g.PrinterDriverFix), I(false)},
        {"HideFocusRect", I(g.HideFocusRect), I(false)},
        {"FixedAsButtons", I(g.FixedAsButtons), I(false)},
        {"NoDefaultDraw", I(g.NoDefaultDraw), I(false)},
        {"SizeGrowOnly", I(g.SizeGrowOnly), I(false)},
        {"FitCellsInGrid", I(g.FitCellsInGrid), I(true)},
        {"ZoomFactor", I(g.FZoomFactor), I(0)},
        {"PreviewPage", I(g.PreviewPage), I(1)},
        {"last print page", I(g.PrintPageTo), I(1)},
        {"PrintNrOfPages", I(g.PrintNrOfPages), I(0)},
        {"Version", S(g.Version()), S(u"6.2.1.3")},
        {"IsThemed", I(g.IsThemed()), I(true)},
        {"XP flag before the window", I(g.FIsWinXP), I(true)},
        // The internal start values other rooms rely on.
        {"hidden columns", I(g.NumHiddenColumns()), I(0)},
        {"hidden rows", I(g.NumHiddenRows()), I(0)},
        {"filter level", I(g.FHiddenRows.FilterLevel()), I(0)},
        {"nodes", I(g.FNumNodes), I(0)},
        {"grouped", I(g.FGrouped), I(false)},
        {"filter column", I(g.FFilterCol), I(-1)},
        {"hover fixed cell", P(g.FHoverFixedCell), P({-1, -1})},
        {"last tab cell", P(g.FLastTabCell), P({-1, -1})},
        {"clicked column", I(g.FClickCol), I(-1)},
        {"clicked row", I(g.FClickRow), I(-1)},
        {"old row of the row event", I(g.FOldRowSel), I(-1)},
        {"pushed cell button", P(g.FPushedCellButton), P({-1, -1})},
        {"clipboard top-left", P(g.FClipTopLeft), P({0, 0})},
        {"last hint position", P(g.FLastHintPos), P({-1, -1})},
        {"combo item index", I(g.FComboIdx), I(-1)},
        {"office theme", I(g.FOfficeTheme), I(otUnknown)},
        {"column numbers shown", I(g.FShowColNrs), I(true)},
        // The owned objects, made and kept by the grid.
        {"FixedFont.Name", S(g.FixedFont()->Name()), S(u"Tahoma")},
        {"FixedFont.Style", I(g.FixedFont()->Style()), I(fsBold)},
        {"ActiveCellFont.Name", S(g.ActiveCellFont()->Name()), S(platformFont.Name())},
        {"ActiveCellFont.Style", I(g.ActiveCellFont()->Style()), I(fsBold)},
        {"FilterList sorted", I(g.FilterList()->Sorted()), I(true)},
        {"FilterList duplicates", I(g.FilterList()->Duplicates), I(dupIgnore)},
        {"FocusHelper.Enabled", I(g.FocusHelper()->Enabled), I(false)},
        {"CellNode.NodeIndent", I(g.CellNode()->NodeIndent()), I(12)},
        {"CellNode.NodeType", I(g.CellNode()->NodeType()), I(cnXP)},
        {"CellNode.TreeColor", I(g.CellNode()->TreeColor()), I(0x808080)},
        {"SizeWhileTyping.Width", I(g.SizeWhileTyping()->Width), I(false)},
        {"ColumnSize.StretchColumn", I(g.ColumnSize()->StretchColumn), I(-1)},
        {"HTMLSettings.BorderSize", I(g.HTMLSettings()->BorderSize), I(1)},
        {"HTMLSettings.Width", I(g.HTMLSettings()->Width), I(100)},
        {"PrintSettings.PageNumSep", S(g.PrintSettings()->PageNumSep), S(u"/")},
        {"PrintSettings.DateFormat", S(g.PrintSettings()->DateFormat), S(u"dd/mm/yyyy")},
        {"Grouping.HeaderLineWidth", I(g.Grouping()->HeaderLineWidth), I(2)},
        {"Balloon.Enable", I(g.Balloon()->Enable()), I(false)},
        {"ShowModified.Color", I(g.ShowModified()->Color()), I(0xFFFF)},
        {"DragScrollOptions.Active", I(g.DragScrollOptions()->Active), I(false)},
        {"BackGround.Display", I(g.BackGround()->Display()), I(bdTile)},
        {"Filter.Count", I(g.Filter()->Count()), I(0)},
        {"MouseActions.DisjunctRowSelect", I(g.MouseActions()->DisjunctRowSelect()), I(false)},
        {"Navigation.AlwaysEdit", I(g.Navigation()->AlwaysEdit), I(false)},
        {"Bands.Active", I(g.Bands()->Active()), I(false)},
        {"ColumnHeaders", I(g.ColumnHeaders()->Count()), I(0)},
        // The control look, and the mirror colours it passed on as none.
        {"ControlLook.ControlStyle", I(g.ControlLook()->ControlStyle()), I(csTheme)},
        {"ControlLook.FixedGradientHoverFrom", I(g.ControlLook()->FixedGradientHoverFrom()), I(0x808080)},
        {"ControlLook.FixedGradientHoverTo", I(g.ControlLook()->FixedGradientHoverTo()), I(0xFFFFFF)},
        {"ControlLook.FixedGradientDownFrom", I(g.ControlLook()->FixedGradientDownFrom()), I(0x808080)},
        {"ControlLook.FixedGradientDownTo", I(g.ControlLook()->FixedGradientDownTo()), I(0xC0C0C0)},
        {"ZEQGradientHoverMirrorFrom", I(g.ZEQGradientHoverMirrorFrom()), I(0x1FFFFFFF)},
        {"ZEQGradientDownMirrorTo", I(g.ZEQGradientDownMirrorTo()), I(0x1FFFFFFF)},
    };
    for (const DefaultRow& r : rows) EXPECT_EQ(Show(r.Actual), Show(r.Expected)) << r.Name;
    ASSERT_NE(g.FFocusWindow, nullptr) << "made outside the designer";
}

// The control look passes its fixed-cell colours to the grid: the ends unless none, the mirror
// colours always.
TEST_F(ExtStringGridTest, TheControlLookWritesItsGradientsThroughToTheGrid)
{
    TTestGrid g(nullptr);
    TControlLook& look = *g.ControlLook();
    look.SetFixedGradientFrom(clRed);
    EXPECT_EQ(g.ZEQGradientFrom(), clRed);
    look.SetFixedGradientFrom(clNone);
    EXPECT_EQ(look.FixedGradientFrom(), clNone);
    EXPECT_EQ(g.ZEQGradientFrom(), clRed) << "none changes only the look";
    look.SetFixedGradientTo(clBtnFace);
    EXPECT_EQ(g.ZEQGradientTo(), ColorToRGB(clBtnFace)) << "the grid keeps the end as RGB";
    look.SetFixedGradientMirrorTo(clBlue);
    EXPECT_EQ(g.ZEQGradientMirrorTo(), clBlue);
    look.SetFixedGradientMirrorTo(clNone);
    EXPECT_EQ(g.ZEQGradientMirrorTo(), clNone) << "a mirror colour of none clears the grid's";
    look.SetFixedGradientHoverFrom(clGreen);
    EXPECT_EQ(g.ZEQGradientHoverFrom(), clGreen);
}

// What the owned objects' change events do to the grid.
TEST_F(ExtStringGridTest, OwnedObjectsRepaintTheGridWhenTheyChange)
{
    struct Case {
        const char* Name;
        std::function<void(TTestGrid&)> Change;
    };
    const std::vector<Case> cases = {
        {"Bands", [](TTestGrid& g) { g.Bands()->SetActive(true); }},
        {"FixedFont", [](TTestGrid& g) { g.FixedFont()->SetSize(20); }},
        {"ActiveCellFont", [](TTestGrid& g) { g.ActiveCellFont()->SetSize(20); }},
        {"ProgressAppearance", [](TTestGrid& g) { g.ProgressAppearance()->SetLevel0Color(clRed); }},
        {"FilterDropDown", [](TTestGrid& g) { g.FilterDropDown()->Glyph()->SetSize(4, 4); }},
        {"MouseActions", [](TTestGrid& g) { g.MouseActions()->SetHotmailRowSelect(true); }},
        {"ControlLook", [](TTestGrid& g) { g.ControlLook()->SetCheckSize(20); }},
        {"FixedFooters", [](TTestGrid& g) { g.SetFixedFooters(1); }},
        {"DefaultAlignment", [](TTestGrid& g) { g.SetDefaultAlignment(taCenter); }},
    };
    for (const Case& c : cases) {
        TTestGrid g(nullptr);
        g.Invalidates = 0;
        c.Change(g);
        EXPECT_GT(g.Invalidates, 0) << c.Name;
    }
    TTestGrid g(nullptr);
    g.SetDefaultAlignment(taLeftJustify);
    g.SetActiveCellColor(g.ActiveCellColor());
    EXPECT_EQ(g.Invalidates, 0) << "an unchanged value repaints nothing";
}

TEST_F(ExtStringGridTest, AMemberNotBuiltYetSaysSoByName)
{
    TTestGrid g(nullptr);
    try {
        g.FindParentForm(&g);
        FAIL() << "no error";
    } catch (const ENotBuiltYet& e) {
        EXPECT_EQ(StringToUtf8(e.Message()), "TExtStringGrid.FindParentForm is not built yet");
    }
}

// The owner form's resize handler belongs to the grid from creation to destruction.
TEST_F(ExtStringGridTest, TheOwnerFormsResizeHandlerIsTakenAndGivenBack)
{
    auto* form = new TForm(Application);
    form->SetBounds(0, 0, 600, 400);
    std::vector<std::string> log;
    form->OnResize = [&](TObject*) { log.push_back("form"); };
    auto* g = new TTestGrid(form);
    g->SetParent(form);
    g->SizeWithForm = true;
    ASSERT_TRUE(form->OnResize);
    form->SetBounds(0, 0, 650, 430);
    EXPECT_EQ(log, std::vector<std::string>{"form"}) << "the form's own handler still runs";
    EXPECT_EQ(g->Width(), 450);
    EXPECT_EQ(g->Height(), 280);
    log.clear();
    form->OnResize = [&](TObject*) { throw Exception(u"form handler"); };
    delete g;
    ASSERT_TRUE(form->OnResize);
    form->OnResize = [&](TObject*) { log.push_back("form"); };

    // Given back as it was, also when it was a handler the grid kept; none when there was none.
    auto* kept = new TTestGrid(form);
    form->OnResize(form);
    EXPECT_EQ(log, std::vector<std::string>{"form"});
    delete kept;
    form->OnResize(form);
    EXPECT_EQ(log, (std::vector<std::string>{"form", "form"}));
    form->OnResize = nullptr;
    delete new TTestGrid(form);
    EXPECT_FALSE(form->OnResize);
    delete form;
}

TEST_F(ExtStringGridTest, TheFormsHandlerFailingDoesNotStopTheGrid)
{
    auto* form = new TForm(Application);
    form->SetBounds(0, 0, 600, 400);
    form->OnResize = [](TObject*) { throw Exception(u"form handler"); };
    auto* g = new TTestGrid(form);
    g->SetParent(form);
    g->SizeWithForm = true;
    EXPECT_NO_THROW(form->SetBounds(0, 0, 610, 400));
    EXPECT_EQ(g->Width(), 410);
    delete form;
}

// With IntegralHeight the height becomes AHeight + b - ((AHeight - h - b) mod DefaultRowHeight).
TEST_F(ExtStringGridTest, SetBoundsKeepsWholeRowsWithIntegralHeight)
{
    struct Case {
        const char* Name;
        bool Integral;
        TFormBorderStyle Border;
        Integer Cols;
        Integer AHeight;
        Integer Expected;
    };
    const Integer h = GetSystemMetrics(SM_CYHSCROLL);
    const std::vector<Case> cases = {
        {"single border, all columns fit", true, bsSingle, 5, 100, 92},
        {"whole rows already", true, bsSingle, 5, 90, 92},
        {"no border", true, bsNone, 5, 100, 88},
        {"columns beyond the width", true, bsSingle, 20, 100, 100 + 2 - ((100 - h - 2) % 22)},
        {"off", false, bsSingle, 5, 100, 100},
    };
    for (const Case& c : cases) {
        TTestGrid g(nullptr);
        g.SetColCount(c.Cols);
        g.BorderStyle = c.Border;
        g.IntegralHeight = c.Integral;
        g.SetBounds(0, 0, 400, c.AHeight);
        EXPECT_EQ(g.Height(), c.Expected) << c.Name;
    }
}

// ScrollBarAlways keeps the named bars shown but greyed while everything fits and hides the
// others; a bar with something to scroll is shown by the base grid and enabled again.
TEST_F(ExtStringGridTest, ScrollBarAlwaysShowsGreyedBarsWhileEverythingFits)
{
    struct Bar {
        bool Visible;
        UINT ArrowsOff;
    };
    struct Case {
        const char* Name;
        TScrollBarAlways Always;
        bool RowsOverflow;
        bool ColsOverflow;
        Bar Vert;
        Bar Horz;
    };
    const Bar shownGrey{true, ESB_DISABLE_BOTH}, hiddenGrey{false, ESB_DISABLE_BOTH}, live{true, ESB_ENABLE_BOTH},
        hidden{false, ESB_ENABLE_BOTH};
    const std::vector<Case> cases = {
        {"none, all fits", saNone, false, false, hidden, hidden},
        {"vertical, all fits", saVert, false, false, shownGrey, hiddenGrey},
        {"horizontal, all fits", saHorz, false, false, hiddenGrey, shownGrey},
        {"both, all fits", saBoth, false, false, shownGrey, shownGrey},
        {"both, rows overflow", saBoth, true, false, live, shownGrey},
        {"both, columns overflow", saBoth, false, true, shownGrey, live},
        {"vertical, columns overflow", saVert, false, true, shownGrey, live},
        {"none, both overflow", saNone, true, true, live, live},
    };
    for (const Case& c : cases) {
        auto* form = new TForm(Application);
        form->SetBounds(0, 0, 600, 500);
        auto* g = new TTestGrid(form);
        g->SetParent(form);
        g->SetRowCount(c.RowsOverflow ? 100 : 5);
        g->SetColCount(c.ColsOverflow ? 30 : 3);
        form->Show();
        h.ProcessMessages();
        g->SetScrollBarAlways(c.Always);
        g->ApplyScrollBarAlways(false);
        const Cardinal style = GetWindowStyle(g->Handle());
        EXPECT_EQ((style & WS_VSCROLL) != 0, c.Vert.Visible) << c.Name;
        EXPECT_EQ(GetScrollBarArrowsOff(g->Handle(), SB_VERT), c.Vert.ArrowsOff) << c.Name;
        EXPECT_EQ((style & WS_HSCROLL) != 0, c.Horz.Visible) << c.Name;
        EXPECT_EQ(GetScrollBarArrowsOff(g->Handle(), SB_HORZ), c.Horz.ArrowsOff) << c.Name;
        delete form;
    }
}

// A greyed bar comes back to life when rows are added, and greys again when they go.
TEST_F(ExtStringGridTest, ScrollBarAlwaysFollowsTheRowCount)
{
    auto* form = new TForm(Application);
    form->SetBounds(0, 0, 600, 500);
    auto* g = new TTestGrid(form);
    g->SetParent(form);
    g->SetRowCount(5);
    g->SetScrollBarAlways(saVert);
    form->Show();
    h.ProcessMessages();
    g->ApplyScrollBarAlways(false);
    EXPECT_EQ(GetScrollBarArrowsOff(g->Handle(), SB_VERT), UINT(ESB_DISABLE_BOTH));
    g->SetRowCount(200);
    EXPECT_NE(GetWindowStyle(g->Handle()) & WS_VSCROLL, 0u);
    EXPECT_EQ(GetScrollBarArrowsOff(g->Handle(), SB_VERT), UINT(ESB_ENABLE_BOTH));
    g->SetRowCount(5);
    EXPECT_NE(GetWindowStyle(g->Handle()) & WS_VSCROLL, 0u);
    EXPECT_EQ(GetScrollBarArrowsOff(g->Handle(), SB_VERT), UINT(ESB_DISABLE_BOTH));
    delete form;
}

TEST_F(ExtStringGridTest, SetBoundsLeavesTheHeightWhileUpdating)
{
    TTestGrid g(nullptr);
    g.IntegralHeight = true;
    g.BeginUpdate();
    g.SetBounds(0, 0, 400, 100);
    EXPECT_EQ(g.Height(), 100);
    g.EndUpdate();
}

TEST_F(ExtStringGridTest, SettingTheBorderColourWithoutAParentOnlyStoresIt)
{
    TTestGrid g(nullptr);
    g.SetBorderColor(clRed);
    EXPECT_EQ(g.BorderColor(), clRed);
}

// The window: the grid timer runs, the XP flag drops (no visual style is active here) and the
// wheel takes the system's lines per notch.
TEST_F(ExtStringGridTest, CreatingTheWindowStartsTheTimerAndDropsTheXPFlag)
{
    auto* form = new TForm(Application);
    auto* g = new TTestGrid(form);
    g->SetParent(form);
    form->Show();
    h.ProcessMessages();
    ASSERT_TRUE(g->HandleAllocated());
    EXPECT_EQ(g->FGridTimerID, TTestGrid::GridTimerIdentifier);
    EXPECT_LE(NextTimerDue(), 500u);
    EXPECT_TRUE(KillTimer(g->Handle(), 111)) << "the timer runs on the grid's window";
    EXPECT_FALSE(g->FIsWinXP);
    EXPECT_EQ(g->wheelmsg, Integer(WM_MOUSEWHEEL));
    EXPECT_EQ(g->wheelscrl, WheelScrollLines());
    delete form;
}

// A grid read from a form description runs Loaded: the minimums, the editor switch moved to the
// navigation, the themed control style made classic, the headers shown.
TEST_F(ExtStringGridTest, LoadingFinishesAGridReadFromAForm)
{
    TTestGrid g(nullptr);
    g.BeginLoading();
    g.SetFixedRows(2);
    g.SetOptions(g.Options() | goAlwaysShowEditor);
    g.ColumnHeaders()->Add(u"Port\\nTCP");
    g.SetRowCount(12);
    g.EndLoading();
    EXPECT_TRUE(g.FLoaded);
    EXPECT_EQ(g.FMinFixedRows, 2);
    EXPECT_EQ(g.FMaxRowCount, 12);
    EXPECT_EQ(g.MinRowHeight, 22);
    EXPECT_EQ(g.MinColWidth, 10);
    EXPECT_FALSE(g.Options() & goAlwaysShowEditor);
    EXPECT_TRUE(g.Navigation()->AlwaysEdit);
    EXPECT_EQ(g.ControlLook()->ControlStyle(), csClassic);
    EXPECT_EQ(g.GetGridCell(0, 0), u"Port\rTCP");

    TTestGrid runtime(nullptr);
    EXPECT_FALSE(runtime.FLoaded) << "a grid made at run time does not run Loaded";
    EXPECT_EQ(runtime.MinColWidth, 0);
    EXPECT_EQ(runtime.ControlLook()->ControlStyle(), csTheme);
}

TEST_F(ExtStringGridTest, AnInvalidateWhileTypingIsSwallowedOnce)
{
    TTestGrid g(nullptr);
    g.FEditChange = true;
    g.Invalidate();
    EXPECT_FALSE(g.FEditChange);
}

// Saving column sizes can fail (an unwritable place). The destructor catches it, finishes
// releasing and hands the error to the application.
TEST_F(ExtStringGridTest, AFailingSaveOfColumnSizesDoesNotEscapeTheDestructor)
{
    std::vector<std::string> errors;
    Application->OnException = [&](TObject* Sender, const Exception& E) {
        errors.push_back(StringToUtf8(Sender->ClassName()) + ": " + StringToUtf8(E.Message()));
    };
    auto* form = new TForm(Application);
    form->OnResize = [](TObject*) {};
    auto* g = new TTestGrid(form);
    g->ColumnSize()->Save = true;
    // The widths go to an INI file in a folder that does not exist.
    test::ScratchDir dir{"unsaved_widths"};
    g->ColumnSize()->Location = clIniFile;
    g->ColumnSize()->Key = Utf8ToString((dir / "missing" / "widths.ini").string());
    g->ColumnSize()->Section = u"Widths";

    // Watches the focus window, which the destructor frees after the save.
    class TWatcher : public TComponent {
    public:
        TWatcher() : TComponent(nullptr) {}
        bool Removed = false;

    protected:
        void Notification(TComponent* AComponent, TOperation Operation) override
        {
            if (Operation == opRemove && AComponent) Removed = true;
        }
    } watcher;
    g->FFocusWindow->FreeNotification(&watcher);

    EXPECT_NO_THROW(delete g);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("TExtStringGrid: ", 0), 0u) << errors[0];
    EXPECT_NE(errors[0].find("widths.ini"), std::string::npos) << errors[0];
    EXPECT_TRUE(watcher.Removed) << "releasing went on after the error";
    EXPECT_TRUE(form->OnResize) << "the form's handler was given back";
    delete form;
}

// The current row reports each move once, with the row reported last.
TEST_F(ExtStringGridTest, MovingTheCurrentRowReportsOncePerMove)
{
    TTestGrid g(nullptr);
    std::vector<std::pair<Integer, Integer>> log;
    g.SetRow(2);
    g.OnRowChanged = [&](TObject*, Integer OldRow, Integer NewRow) { log.emplace_back(OldRow, NewRow); };
    g.SetRow(5);
    g.SetRow(5);
    EXPECT_EQ(log, (std::vector<std::pair<Integer, Integer>>{{2, 5}}));
    g.SetRowEx(3);
    EXPECT_EQ(log.back(), (std::pair<Integer, Integer>{5, 3}));
    EXPECT_EQ(g.GetRowEx(), 3);
}

// FixedRowAlways keeps the first row a header even when it is the only row.
TEST_F(ExtStringGridTest, FixedRowAlwaysKeepsTheHeaderRow)
{
    TTestGrid g(nullptr);
    g.FixedRowAlways = true;
    g.SetRowCount(1);
    g.SetFixedRows(1);
    EXPECT_EQ(g.TCustomGrid::FixedRows(), 0) << "the base grid needs a scrolling row";
    EXPECT_EQ(g.FixedRows(), 1);
    g.SetRowCount(5);
    EXPECT_EQ(g.TCustomGrid::FixedRows(), 1) << "the first row is fixed again";
    EXPECT_EQ(g.FMaxRowCount, 10) << "the largest count only grows";
    g.SetRowCount(30);
    EXPECT_EQ(g.FMaxRowCount, 30);
}

TEST_F(ExtStringGridTest, FixedSizesChangeOnlyTheFixedRowsAndColumns)
{
    TTestGrid g(nullptr);
    g.SetRowHeights(3, 40);
    g.SetFixedRowHeight(30);
    EXPECT_EQ(g.RowHeights(0), 30);
    EXPECT_EQ(g.RowHeights(1), 22);
    EXPECT_EQ(g.RowHeights(3), 40);
    g.SetFixedRowHeight(g.DefaultRowHeight());
    EXPECT_EQ(g.RowHeights(0), 22);
    EXPECT_EQ(g.RowHeights(3), 22) << "the default height resets every row";

    g.SetColWidths(0, 30);
    g.SetFixedColWidth(g.DefaultColWidth());
    EXPECT_EQ(g.ColWidths(0), 30) << "the default width changes nothing";
    g.SetFixedColWidth(50);
    EXPECT_EQ(g.ColWidths(0), 50);
    EXPECT_EQ(g.ColWidths(1), g.DefaultColWidth());
}

TEST_F(ExtStringGridTest, TopRowOutsideTheScrollingRowsIsIgnored)
{
    TTestGrid g(nullptr);
    g.SetRowCount(100);
    g.SetTopRow(g.RowCount());
    EXPECT_EQ(g.TopRow(), 1);
    g.SetTopRow(0);
    EXPECT_EQ(g.TopRow(), 1);
    g.SetTopRow(20);
    EXPECT_EQ(g.TopRow(), 20);
}

TEST_F(ExtStringGridTest, ThePrintLayoutsColumnEntriesOnlyForColumnsBelow512)
{
    TTestGrid g(nullptr);
    EXPECT_EQ(g.GetPrintColWidth(511), 0);
    EXPECT_EQ(g.GetPrintColOffset(0), 0);
    for (Integer col : {512, -1}) {
        EXPECT_THROW(g.GetPrintColWidth(col), EExtGridError) << col;
        EXPECT_THROW(g.GetPrintColOffset(col), EExtGridError) << col;
    }
    try {
        g.GetPrintColWidth(512);
    } catch (const EExtGridError& e) {
        EXPECT_EQ(e.Message(), u"Columns is not in valid range");
    }
}

// The last column takes the client width the others leave, with ColumnSize.Stretch on only.
TEST_F(ExtStringGridTest, StretchRightColumnFillsTheClientWidth)
{
    auto* form = new TForm(Application);
    auto* g = new TTestGrid(form);
    g->SetParent(form);
    g->SetColCount(4);
    for (Integer c = 0; c < 4; ++c) g->SetColWidths(c, 50);
    g->StretchRightColumn();
    EXPECT_EQ(g->ColWidths(3), 50) << "without Stretch nothing changes";
    g->ColumnSize()->SetStretch(true);
    g->SetColWidths(3, 50);
    g->StretchRightColumn();
    EXPECT_EQ(g->ColWidths(3), g->ClientWidth() - 150 - 1);
    EXPECT_EQ(g->ColWidths(2), 50);
    delete form;
}

}  // namespace
}  // namespace gw::test
