// The string grid's per-cell questions: each event receives its arguments in its own order (many
// put the row first), the grid's rules run before the events, and the defaults without handlers.
#include "grid/foundation/bands.h"
#include "grid/foundation/cell_properties.h"
#include "grid/foundation/csv_utils.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/font.h"
#include "platform/graphics/pen.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace gw::test {
namespace {

class THookGrid : public TExtStringGrid {
public:
    using TExtStringGrid::CanEditCell;
    using TExtStringGrid::DoButtonClick;
    using TExtStringGrid::DoCanAddRow;
    using TExtStringGrid::DoCanEditCell;
    using TExtStringGrid::DoCanInsertRow;
    using TExtStringGrid::DoComboCloseUp;
    using TExtStringGrid::DoComboDropDown;
    using TExtStringGrid::DoFilterDone;
    using TExtStringGrid::DoFixedEdit;
    using TExtStringGrid::DoGetCellCursor;
    using TExtStringGrid::DoGetWordWrap;
    using TExtStringGrid::DoGridHint;
    using TExtStringGrid::DoIsPasswordCell;
    using TExtStringGrid::DoSearchFooterAction;
    using TExtStringGrid::DoSelectionChanged;
    using TExtStringGrid::FSelChange;
    using TExtStringGrid::GetCellAlign;
    using TExtStringGrid::GetCellBorder;
    using TExtStringGrid::GetCellColor;
    using TExtStringGrid::GetCellDefaults;
    using TExtStringGrid::GetCellPrintBorder;
    using TExtStringGrid::GetCellPrintColor;
    using TExtStringGrid::GetCheckFalse;
    using TExtStringGrid::GetCheckTrue;
    using TExtStringGrid::GetEditorType;
    using TExtStringGrid::GetEvaluatedCell;
    using TExtStringGrid::GetSortFormat;
    using TExtStringGrid::HasComboBox;
    using TExtStringGrid::HasNoEditor;
    using TExtStringGrid::HasSpinEdit;
    using TExtStringGrid::IsFixedCell;
    using TExtStringGrid::QueryEditorType;
    using TExtStringGrid::SetLoadedCell;
    using TExtStringGrid::TExtStringGrid;

    // The cell type belongs to the cell graphics; here every cell is of this type.
    TCellType CellType = ctEmpty;
    TCellType GetCellType(Integer, Integer) override { return CellType; }
};

std::string N(Integer V) { return std::to_string(V); }

class ExtStringGridHooks : public ::testing::Test {
protected:
    THarness h;
    THookGrid g{nullptr};
    std::vector<std::string> log;
    TBrush brush;
    TFont font;
    TPen pen;
};

// Every hook called with column 3 and row 7: the handler records what arrives where.
TEST_F(ExtStringGridHooks, EachEventGetsItsArgumentsInItsOwnOrder)
{
    struct Case {
        const char* Name;
        std::function<void()> Install;
        std::function<void()> Call;
        std::string Expected;
    };
    String s;
    String w;
    bool b = false;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    TSortStyle style = ssAutomatic;
    TEditorType editor = edNormal;
    TCellBorders borders = 0;
    TGridFixedCellEditor fixedEditor = fceEdit;
    const auto rc = [&](const char* E) {
        return [this, E](TObject* Sender, Integer ARow, Integer ACol, auto&&...) {
            log.push_back(std::string(E) + (Sender == &g ? "" : " other sender") + " row=" + N(ARow) +
                          " col=" + N(ACol));
        };
    };
    const auto cr = [&](const char* E) {
        return [this, E](TObject* Sender, Integer ACol, Integer ARow, auto&&...) {
            log.push_back(std::string(E) + (Sender == &g ? "" : " other sender") + " row=" + N(ARow) +
                          " col=" + N(ACol));
        };
    };
    const std::vector<Case> cases = {
        {"OnGridHint", [&] { g.OnGridHint = rc("hint"); }, [&] { g.DoGridHint(3, 7, s, w); }, "hint row=7 col=3"},
        {"OnGetCellColor", [&] { g.OnGetCellColor = rc("color"); }, [&] { g.GetCellColor(3, 7, 0, &brush, &font); },
         "color row=7 col=3"},
        {"OnGetCellPrintColor", [&] { g.OnGetCellPrintColor = rc("print color"); },
         [&] { g.GetCellPrintColor(3, 7, 0, &brush, &font); }, "print color row=7 col=3"},
        {"OnGetCellBorder", [&] { g.OnGetCellBorder = rc("border"); }, [&] { g.GetCellBorder(3, 7, &pen, borders); },
         "border row=7 col=3"},
        {"OnGetCellPrintBorder", [&] { g.OnGetCellPrintBorder = rc("print border"); },
         [&] { g.GetCellPrintBorder(3, 7, &pen, borders); }, "print border row=7 col=3"},
        {"OnGetAlignment", [&] { g.OnGetAlignment = rc("align"); }, [&] { g.GetCellAlign(3, 7, ha, va); },
         "align row=7 col=3"},
        {"OnIsFixedCell", [&] { g.OnIsFixedCell = rc("fixed"); },
         [&] {
             b = false;
             g.IsFixedCell(3, 7, b);
         },
         "fixed row=7 col=3"},
        {"OnCanEditCell", [&] { g.OnCanEditCell = rc("can edit"); }, [&] { g.DoCanEditCell(3, 7, b); },
         "can edit row=7 col=3"},
        {"OnIsPasswordCell", [&] { g.OnIsPasswordCell = rc("password"); }, [&] { g.DoIsPasswordCell(3, 7, b); },
         "password row=7 col=3"},
        {"OnComboCloseUp", [&] { g.OnComboCloseUp = rc("close up"); }, [&] { g.DoComboCloseUp(7, 3); },
         "close up row=7 col=3"},
        {"OnComboDropDown", [&] { g.OnComboDropDown = rc("drop down"); }, [&] { g.DoComboDropDown(7, 3); },
         "drop down row=7 col=3"},
        {"OnHasComboBox", [&] { g.OnHasComboBox = cr("combo"); }, [&] { g.HasComboBox(3, 7); }, "combo row=7 col=3"},
        {"OnHasSpinEdit", [&] { g.OnHasSpinEdit = cr("spin"); }, [&] { g.HasSpinEdit(3, 7); }, "spin row=7 col=3"},
        {"OnGetEditorType", [&] { g.OnGetEditorType = cr("editor"); }, [&] { g.GetEditorType(3, 7, editor); },
         "editor row=7 col=3"},
        {"OnGetWordWrap", [&] { g.OnGetWordWrap = cr("wrap"); }, [&] { g.DoGetWordWrap(3, 7, b); }, "wrap row=7 col=3"},
        {"OnGetCheckTrue", [&] { g.OnGetCheckTrue = cr("true"); }, [&] { g.GetCheckTrue(3, 7, s); },
         "true row=7 col=3"},
        {"OnGetCheckFalse", [&] { g.OnGetCheckFalse = cr("false"); }, [&] { g.GetCheckFalse(3, 7, s); },
         "false row=7 col=3"},
        {"OnButtonClick", [&] { g.OnButtonClick = cr("button"); }, [&] { g.DoButtonClick(3, 7); },
         "button row=7 col=3"},
        {"OnLoadCell", [&] { g.OnLoadCell = cr("load"); }, [&] { g.SetLoadedCell(3, 7, u"x"); }, "load row=7 col=3"},
        {"OnFixedEdit", [&] { g.OnFixedEdit = cr("fixed edit"); }, [&] { g.DoFixedEdit(3, 7, fixedEditor, nullptr); },
         "fixed edit row=7 col=3"},
        {"OnGetCellCursor",
         [&] {
             g.OnGetCellCursor = [&](TObject*, Integer ACol, Integer ARow, Integer X, Integer Y, TCursor&) {
                 log.push_back("cursor row=" + N(ARow) + " col=" + N(ACol) + " x=" + N(X) + " y=" + N(Y));
             };
         },
         [&] { g.DoGetCellCursor(3, 7, 40, 50); }, "cursor row=7 col=3 x=40 y=50"},
        {"OnSearchFooterAction",
         [&] {
             g.OnSearchFooterAction = [&](TObject*, const String& V, Integer ACol, Integer ARow, TSearchAction A) {
                 log.push_back(StringToUtf8(V) + " row=" + N(ARow) + " col=" + N(ACol) + " action=" + N(A));
             };
         },
         [&] { g.DoSearchFooterAction(u"find", 3, 7, saFindNext); }, "find row=7 col=3 action=2"},
        {"OnGetFormat",
         [&] {
             g.OnGetFormat = [&](TObject*, Integer ACol, TSortStyle&, String&, String&) {
                 log.push_back("format col=" + N(ACol));
             };
         },
         [&] { g.GetSortFormat(3, style, s, w); }, "format col=3"},
        {"OnCanInsertRow",
         [&] { g.OnCanInsertRow = [&](TObject*, Integer ARow, bool&) { log.push_back("insert row=" + N(ARow)); }; },
         [&] { g.DoCanInsertRow(7, b); }, "insert row=7"},
        {"OnSelectionChanged",
         [&] {
             g.OnSelectionChanged = [&](TObject*, Integer L, Integer T, Integer R, Integer B) {
                 log.push_back("selection " + N(L) + "," + N(T) + "," + N(R) + "," + N(B));
             };
         },
         [&] { g.DoSelectionChanged(1, 2, 3, 4); }, "selection 1,2,3,4"},
    };
    for (const Case& c : cases) {
        log.clear();
        c.Install();
        c.Call();
        EXPECT_EQ(log, std::vector<std::string>{c.Expected}) << c.Name;
    }
}

// Without handlers the hooks give the grid's own answers.
TEST_F(ExtStringGridHooks, WithoutHandlersTheHooksGiveTheGridsAnswers)
{
    String v = u"?";
    g.GetCheckTrue(3, 7, v);
    EXPECT_EQ(v, u"Y");
    g.GetCheckFalse(3, 7, v);
    EXPECT_EQ(v, u"N");
    g.DefaultEditor = edComboList;
    EXPECT_FALSE(g.HasNoEditor(3, 7)) << "no OnGetEditorType: never, whatever DefaultEditor is";
    EXPECT_FALSE(g.HasComboBox(3, 7)) << "the drop-down button shows only when always visible";
    g.ControlLook()->SetDropDownAlwaysVisible(true);
    EXPECT_TRUE(g.HasComboBox(3, 7));
    g.DefaultEditor = edSpinEdit;
    EXPECT_FALSE(g.HasSpinEdit(3, 7));
    g.ControlLook()->SetSpinButtonsAlwaysVisible(true);
    EXPECT_TRUE(g.HasSpinEdit(3, 7));
    EXPECT_FALSE(g.HasSpinEdit(0, 7)) << "never in a fixed column";
    EXPECT_FALSE(g.HasSpinEdit(3, 0)) << "never in a fixed row";
    String hint = u"plain";
    String wide;
    g.DoGridHint(3, 7, hint, wide);
    EXPECT_EQ(hint, u"plain");
}

TEST_F(ExtStringGridHooks, TheEditorQuestionsStartFromWhatTheyAreGiven)
{
    g.OnGetEditorType = [](TObject*, Integer ACol, Integer, TEditorType& E) {
        if (ACol == 2) E = edNone;
        if (ACol == 4) E = edComboEdit;
    };
    EXPECT_TRUE(g.HasNoEditor(2, 1));
    EXPECT_FALSE(g.HasNoEditor(3, 1));
    g.ControlLook()->SetDropDownAlwaysVisible(true);
    g.DefaultEditor = edComboList;
    EXPECT_TRUE(g.HasComboBox(3, 1)) << "the editor left unchanged is the default one";
    EXPECT_TRUE(g.HasComboBox(4, 1));
    EXPECT_FALSE(g.HasComboBox(2, 1));
    g.OnHasComboBox = [](TObject*, Integer, Integer, bool& Has) { EXPECT_FALSE(Has) << "starts false"; };
    EXPECT_FALSE(g.HasComboBox(3, 1)) << "the event's answer wins";
    g.OnHasSpinEdit = [](TObject*, Integer, Integer, bool& Has) { Has = true; };
    EXPECT_FALSE(g.HasSpinEdit(0, 0)) << "not even the event makes a fixed cell spin";
    EXPECT_TRUE(g.HasSpinEdit(1, 1));
}

TEST_F(ExtStringGridHooks, AWideHintReplacesTheHintEncoded)
{
    g.OnGridWideHint = [](TObject*, Integer, Integer, String& W) { W = u"wide"; };
    String hint = u"plain";
    String wide;
    g.DoGridHint(3, 7, hint, wide);
    EXPECT_EQ(hint, EncodeWideCellText(u"wide"));
    EXPECT_EQ(hint.substr(0, 2), u"|\\");
    g.OnGridWideHint = [](TObject*, Integer, Integer, String&) {};
    hint = u"plain";
    g.DoGridHint(3, 7, hint, wide = u"");
    EXPECT_EQ(hint, u"plain") << "an empty wide hint leaves the hint";
}

// The active cell's headers: the last fixed column of its row and the last fixed row of its column.
TEST_F(ExtStringGridHooks, OnlyTheActiveCellsHeadersTakeTheActiveColour)
{
    g.SetActiveCellShow(true);
    g.SetCol(3);
    g.SetRow(4);
    for (Integer c = 0; c < g.ColCount(); ++c)
        for (Integer r = 0; r < g.RowCount(); ++r) {
            brush.SetColor(clWhite);
            g.GetCellColor(c, r, 0, &brush, &font);
            const bool header = (c == 0 && r == 4) || (c == 3 && r == 0);
            EXPECT_EQ(brush.Color(), header ? g.ActiveCellColor() : clWhite) << c << "," << r;
        }
    g.SetActiveCellShow(false);
    brush.SetColor(clWhite);
    g.GetCellColor(0, 4, 0, &brush, &font);
    EXPECT_EQ(brush.Color(), clWhite);
}

// A cell's own colours go to the brush only for cell types that show the brush; the event comes
// last and may change everything.
TEST_F(ExtStringGridHooks, ACellsOwnColoursComeBeforeTheEvent)
{
    g.GetCellProperties(2, 2)->SetBrushColor(clRed);
    g.GetCellProperties(2, 2)->FontColor = clBlue;
    struct Case {
        TCellType Type;
        TColor Brush;
    };
    for (const Case& c :
         {Case{ctEmpty, clRed}, Case{ctComment, clRed}, Case{ctCheckBox, clWhite}, Case{ctProgress, clWhite}}) {
        g.CellType = c.Type;
        brush.SetColor(clWhite);
        font.SetColor(clBlack);
        g.GetCellColor(2, 2, 0, &brush, &font);
        EXPECT_EQ(brush.Color(), c.Brush) << int(c.Type);
        EXPECT_EQ(font.Color(), clBlue) << "the font colour goes for every cell type";
    }
    g.OnGetCellColor = [](TObject*, Integer, Integer, TGridDrawState, TBrush* B, TFont*) { B->SetColor(clGreen); };
    g.GetCellColor(2, 2, 0, &brush, &font);
    EXPECT_EQ(brush.Color(), clGreen);
}

TEST_F(ExtStringGridHooks, FixedCellsFollowTheFixedCountsAndTheMinimums)
{
    bool fixed = false;
    g.IsFixedCell(1, 0, fixed);
    EXPECT_TRUE(fixed) << "a fixed row";
    fixed = false;
    g.IsFixedCell(0, 3, fixed);
    EXPECT_TRUE(fixed) << "a fixed column";
    fixed = false;
    g.IsFixedCell(2, 3, fixed);
    EXPECT_FALSE(fixed);
    fixed = true;
    g.OnIsFixedCell = [](TObject*, Integer, Integer, bool&) { ADD_FAILURE() << "asked about a fixed cell"; };
    g.IsFixedCell(2, 3, fixed);
    EXPECT_TRUE(fixed) << "comes in fixed, stays fixed";

    // FixedRowAlways with only the minimum fixed rows: every row is fixed, even with FixedRows lowered.
    THookGrid a(nullptr);
    a.FixedRowAlways = true;
    a.SetFixedRows(1);
    a.SetRowCount(1);
    a.SetFixedRows(0);
    ASSERT_EQ(a.RowCount(), 1);
    a.SetFixedRows(1);
    fixed = false;
    a.IsFixedCell(3, 0, fixed);
    EXPECT_TRUE(fixed);
}

TEST_F(ExtStringGridHooks, AReadOnlyCellRefusesBeforeTheEventWhichMayAllowIt)
{
    g.SetOptions(g.Options() | goEditing);
    g.GetCellProperties(2, 2)->ReadOnly = true;
    std::vector<bool> seen;
    g.OnCanEditCell = [&](TObject*, Integer, Integer, bool& CanEdit) { seen.push_back(CanEdit); };
    bool can = true;
    g.CanEditCell(2, 2, can);
    EXPECT_EQ(seen, std::vector<bool>{false});
    EXPECT_FALSE(can);
    g.OnCanEditCell = [](TObject*, Integer, Integer, bool& CanEdit) { CanEdit = true; };
    can = true;
    g.CanEditCell(2, 2, can);
    EXPECT_TRUE(can);

    // Without goEditing a cell with properties refuses; a plain cell keeps what came in.
    g.OnCanEditCell = nullptr;
    g.SetOptions(g.Options() & ~TGridOptions(goEditing));
    g.GetCellProperties(3, 3)->ReadOnly = false;
    can = true;
    g.CanEditCell(3, 3, can);
    EXPECT_FALSE(can);
    can = true;
    g.CanEditCell(1, 1, can);
    EXPECT_TRUE(can);
    g.MouseActions()->RangeSelectAndEdit = true;
    can = true;
    g.CanEditCell(3, 3, can);
    EXPECT_TRUE(can) << "range select and edit allows it";
}

TEST_F(ExtStringGridHooks, ALoadedCellIsStoredAsTheEventLeavesIt)
{
    g.SetLoadedCell(1, 1, u"as read");
    EXPECT_EQ(g.GetGridCell(1, 1), u"as read");
    g.OnLoadCell = [](TObject*, Integer, Integer, String& V) { V = u"<" + V + u">"; };
    g.SetLoadedCell(1, 1, u"as read");
    EXPECT_EQ(g.GetGridCell(1, 1), u"<as read>");
}

TEST_F(ExtStringGridHooks, ASelectionChangeIsFlaggedAndReported)
{
    g.FSelChange = false;
    g.DoSelectionChanged(1, 1, 2, 2);
    EXPECT_TRUE(g.FSelChange);
}

TEST_F(ExtStringGridHooks, ANewCellsPropertiesNeverKeepABandOrFixedColour)
{
    // A fixed cell (row 0) and a normal one: the brush is cleared only where the rule says.
    TFont f;
    TBrush b;
    TCellLook look;
    b.SetColor(clRed);
    look.ColorTo = clRed;
    g.GetCellDefaults(2, 2, f, b, look);
    // A normal cell keeps the colour its visual properties give it: the grid's.
    EXPECT_EQ(b.Color(), g.Color());
    g.Bands()->SetActive(true);
    g.GetCellDefaults(2, 2, f, b, look);
    EXPECT_EQ(b.Color(), clNone);
    EXPECT_EQ(look.ColorTo, clNone);
}

}  // namespace
}  // namespace gw::test
