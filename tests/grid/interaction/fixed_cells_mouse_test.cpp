// The mouse on fixed cells: a fixed cell pressed as a button, a header's drop-down button and
// its menu, and the fixed-cell editor a click, right click or double click opens.
#include "grid/foundation/mouse_actions.h"
#include "grid/interaction/fixed_cell_editors.h"
#include "grid/model/control_look.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/frame_controls.h"
#include "platform/ui/menus.h"
#include "tests/grid/interaction/mouse_grid_fixture.h"
#include "tests/support/test_support.h"

#include <cairo.h>

#include <cstring>
#include <string>
#include <utility>

namespace gw::test {
namespace {

class FixedCellsMouseTest : public MouseGridTest {
protected:
    void SetUp() override
    {
        MouseGridTest::SetUp();
        grid->SetFixedCols(1);
        for (Integer c = 0; c < grid->ColCount(); ++c) grid->SetCellEx(c, 0, u"Head " + IntToStr(c));
        h.ProcessMessages();
    }
    // A click at Dx from the header cell's right edge (negative: inside).
    void ClickHeaderAt(Integer ACol, Integer Dx, TMouseButton Button = mbLeft)
    {
        const TRect r = grid->CellRect(ACol, 0);
        h.Advance(1000);
        h.MoveTo(grid, {r.Right + Dx, (r.Top + r.Bottom) / 2});
        h.Click(grid, {r.Right + Dx, (r.Top + r.Bottom) / 2}, Button);
    }
    TPopupMenu* MenuOf(std::initializer_list<const char16_t*> Captions)
    {
        auto* menu = new TPopupMenu(form);
        for (const char16_t* c : Captions) {
            auto* item = new TMenuItem(menu);
            item->Caption = c;
            menu->Items()->Add(item);
        }
        return menu;
    }
};

// What the screen shows at a client point of the grid, read without letting anything paint.
TColor ScreenAt(THarness& H, TWinControl* Control, TPoint P)
{
    const TPoint s = Control->ClientToScreen(P);
    const auto surface = H.Display().ComposeScreen(Rect(s.X, s.Y, s.X + 1, s.Y + 1));
    cairo_surface_flush(surface.get());
    uint32_t v = 0;
    std::memcpy(&v, cairo_image_surface_get_data(surface.get()), 4);
    return TColor(((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF));
}

// The colours an edge of that kind gives the left and right side of a cell.
std::pair<TColor, TColor> EdgeSides(Cardinal Edge, const TRect& Cell)
{
    TBitmap b;
    b.SetSize(Cell.Width(), Cell.Height());
    TRect r = Rect(0, 0, Cell.Width(), Cell.Height());
    DrawEdge(*b.Canvas(), r, Edge, BF_RECT);
    return {b.Canvas()->Pixels(0, Cell.Height() / 2), b.Canvas()->Pixels(Cell.Width() - 1, Cell.Height() / 2)};
}

// Held, the pressed header shows sunken on the screen at once; released, raised.
TEST_F(FixedCellsMouseTest, APressedFixedCellShowsSunkenOnTheScreenWhileHeld)
{
    grid->FixedAsButtons = true;
    grid->SetOptions(grid->Options() | goFixedVertLine | goFixedHorzLine);
    h.ProcessMessages();
    const TRect r = grid->CellRect(2, 0);
    const Integer mid = (r.Top + r.Bottom) / 2;
    const auto sunken = EdgeSides(BDR_SUNKENINNER, r);
    const auto raised = EdgeSides(BDR_RAISEDINNER, r);
    ASSERT_NE(sunken, raised);
    h.Advance(1000);
    h.MoveTo(grid, Centre(2, 0));
    h.MouseDown(grid, Centre(2, 0));
    EXPECT_EQ(ScreenAt(h, grid, {r.Left, mid}), sunken.first);
    EXPECT_EQ(ScreenAt(h, grid, {r.Right - 1, mid}), sunken.second);
    h.MouseUp(grid, Centre(2, 0));
    EXPECT_EQ(ScreenAt(h, grid, {r.Left, mid}), raised.first);
    EXPECT_EQ(ScreenAt(h, grid, {r.Right - 1, mid}), raised.second);
}

TEST_F(FixedCellsMouseTest, AFixedCellActsAsAButtonOnlyWithButtonsAndBothFixedLines)
{
    std::vector<std::string> clicks;
    grid->OnButtonClick = [&](TObject*, Integer ACol, Integer ARow) {
        clicks.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
    };
    const TGridOptions both = goFixedVertLine | goFixedHorzLine;
    struct TCase {
        const char* Name;
        bool Buttons;
        TGridOptions Lines;
        bool Pushed;
    };
    const TCase cases[] = {
        {"buttons with both lines", true, both, true},
        {"buttons without vertical lines", true, goFixedHorzLine, false},
        {"buttons without horizontal lines", true, goFixedVertLine, false},
        {"no buttons", false, both, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        clicks.clear();
        grid->FixedAsButtons = c.Buttons;
        grid->SetOptions((grid->Options() & ~both) | c.Lines);
        const TPoint at = Centre(2, 0);
        h.Advance(1000);
        h.MoveTo(grid, at);
        h.MouseDown(grid, at);
        EXPECT_EQ(grid->FFixedCellPushed, c.Pushed) << "drawn sunken while held";
        h.MouseUp(grid, at);
        EXPECT_FALSE(grid->FFixedCellPushed) << "raised again on the release";
        EXPECT_EQ(clicks, c.Pushed ? std::vector<std::string>{"2,0"} : std::vector<std::string>{});
    }
    grid->FixedAsButtons = true;
    clicks.clear();
    h.Advance(1000);
    h.Click(grid, Centre(0, 3));
    EXPECT_EQ(clicks, std::vector<std::string>{"0,3"}) << "a row header is a button too";
    h.Click(grid, Centre(2, 3));
    EXPECT_EQ(clicks.size(), 1u) << "a body cell is not";
}

TEST_F(FixedCellsMouseTest, TheDropDownButtonTakesTheHeadersRightmostPixelsLessTheSizingMargin)
{
    grid->HoverFixedCells = hfAll;
    grid->ControlLook()->FixedDropDownButton = true;
    grid->FixedDropDownMenu = MenuOf({u"Hide", u"Sort"});
    struct TCase {
        Integer Dx;
        bool Sizing;
        bool Menu;
    };
    const TCase cases[] = {
        {-3, false, true}, {-15, false, true}, {-16, false, false}, {-1, false, true},
        {-3, true, true},  {-2, true, false},  {-40, true, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.Dx) + (c.Sizing ? " sizing" : ""));
        grid->SetOptions(c.Sizing ? grid->Options() | goColSizing : grid->Options() & ~TGridOptions(goColSizing));
        const std::size_t before = h.MenusShown().size();
        if (c.Menu) h.AnswerPopupMenu(u"");
        ClickHeaderAt(3, c.Dx);
        EXPECT_EQ(h.MenusShown().size() - before, c.Menu ? 1u : 0u);
        if (c.Menu) {
            EXPECT_EQ(grid->FixedDropDownMenu->Tag, 3) << "the menu knows its column";
            EXPECT_EQ(Utf8(h.MenusShown().back().at(1).Caption), "Sort");
        }
    }
}

TEST_F(FixedCellsMouseTest, TheDropDownHandlerMaySupplyTheMenuAndKeepTheHeaderLit)
{
    grid->HoverFixedCells = hfFixedRows;
    grid->ControlLook()->FixedDropDownButton = true;
    TPopupMenu* own = MenuOf({u"Own"});
    std::vector<std::string> calls;
    grid->OnFixedDropDownClick = [&](TObject*, Integer ACol, Integer ARow, TPopupMenu*& Menu, bool& Keep) {
        calls.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
        Menu = own;
        Keep = true;
    };
    h.AnswerPopupMenu(u"");
    ClickHeaderAt(2, -4);
    EXPECT_EQ(calls, std::vector<std::string>{"2,0"});
    ASSERT_FALSE(h.MenusShown().empty());
    EXPECT_EQ(Utf8(h.MenusShown().back().at(0).Caption), "Own");
    EXPECT_TRUE(grid->FNoMouseLeave) << "the handler kept the header lit";
    grid->HoverFixedCells = hfFixedColumns;
    calls.clear();
    ClickHeaderAt(2, -4);
    EXPECT_TRUE(calls.empty()) << "only on a hover-able header cell";
}

TEST_F(FixedCellsMouseTest, AClickOpensTheHeaderEditorWellInsideTheCellWhenSizing)
{
    grid->MouseActions()->FixedRowsEdit = fceLeftClick;
    grid->SetOptions(grid->Options() | goColSizing);
    const TRect r = grid->CellRect(2, 0);
    const Integer y = (r.Top + r.Bottom) / 2;
    h.Advance(1000);
    h.Click(grid, {r.Right - 4, y});
    EXPECT_FALSE(grid->FixedCellEdit()->Visible()) << "4 pixels from the edge sizes";
    h.Advance(1000);
    h.Click(grid, {r.Right - 6, y});
    ASSERT_TRUE(grid->FixedCellEdit()->Visible());
    EXPECT_EQ(Utf8(grid->FixedCellEdit()->Text()), "Head 2");
    EXPECT_TRUE(grid->FixedCellEdit()->Focused());
    std::vector<std::string> changes;
    grid->OnEditChange = [&](TObject*, Integer ACol, Integer ARow, const String& Value) {
        changes.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + "=" + Utf8(Value));
    };
    grid->FixedCellEdit()->SetText(u"Name");
    EXPECT_EQ(changes, std::vector<std::string>{"2,0=Name"});
    grid->SetFocus();
    h.ProcessMessages();
    EXPECT_EQ(Utf8(grid->GetCellEx(2, 0)), "Name") << "leaving the editor stores its text";
    EXPECT_FALSE(grid->FixedCellEdit()->Visible());
}

TEST_F(FixedCellsMouseTest, TheFixedCellEditorFollowsItsModeKindAndRefusals)
{
    TMouseActions& a = *grid->MouseActions();
    struct TCase {
        const char* Name;
        TGridFixedCellEdit RowsEdit, ColsEdit;
        TPoint At;
        TMouseButton Button;
        bool Double;
        bool Opens;
    };
    const TCase cases[] = {
        {"header, left click", fceLeftClick, fceNone, Centre(3, 0), mbLeft, false, true},
        {"header, right click mode, left click", fceRightClick, fceNone, Centre(3, 0), mbLeft, false, false},
        {"header, right click", fceRightClick, fceNone, Centre(3, 0), mbRight, false, true},
        {"header, double click", fceDblClick, fceNone, Centre(3, 0), mbLeft, true, true},
        {"header, double click mode, one click", fceDblClick, fceNone, Centre(3, 0), mbLeft, false, false},
        {"row header, left click", fceNone, fceLeftClick, Centre(0, 2), mbLeft, false, true},
        {"row header, rows' mode only", fceLeftClick, fceNone, Centre(0, 2), mbLeft, false, false},
        {"body cell", fceLeftClick, fceLeftClick, Centre(3, 2), mbLeft, false, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        a.FixedRowsEdit = c.RowsEdit;
        a.FixedColsEdit = c.ColsEdit;
        h.Advance(1000);
        h.MoveTo(grid, c.At);
        if (c.Double)
            h.DoubleClick(grid, c.At);
        else
            h.Click(grid, c.At, c.Button);
        EXPECT_EQ(grid->FixedCellEdit()->Visible(), c.Opens);
        grid->SetFocus();
        h.ProcessMessages();
        ASSERT_FALSE(grid->FixedCellEdit()->Visible());
    }
}

TEST_F(FixedCellsMouseTest, TheHandlerChoosesTheComboAndItsValuesOrEditingIsRefused)
{
    TMouseActions& a = *grid->MouseActions();
    a.FixedRowsEdit = fceLeftClick;
    TStringList fixed;
    fixed.Add(u"Alpha");
    fixed.Add(u"Beta");
    a.SetFixedComboValues(&fixed);
    a.FixedRowsEditor = fceComboList;
    h.Advance(1000);
    h.Click(grid, Centre(2, 0));
    ASSERT_TRUE(grid->FixedCellCombo()->Visible());
    EXPECT_EQ(grid->FixedCellCombo()->Items()->Count(), 2);
    EXPECT_EQ(grid->FixedCellCombo()->Style(), csDropDownList);
    grid->SetFocus();
    h.ProcessMessages();
    grid->OnFixedEdit = [](TObject*, Integer, Integer, TGridFixedCellEditor& Kind, TStrings* Values) {
        Kind = fceComboEdit;
        Values->Add(u"Gamma");
    };
    h.Advance(1000);
    h.Click(grid, Centre(3, 0));
    ASSERT_TRUE(grid->FixedCellCombo()->Visible());
    EXPECT_EQ(grid->FixedCellCombo()->Items()->Count(), 3);
    EXPECT_EQ(grid->FixedCellCombo()->Style(), csDropDown);
    EXPECT_EQ(Utf8(grid->FixedCellCombo()->Text()), "Head 3");
    grid->SetFocus();
    h.ProcessMessages();
    std::vector<std::string> asked;
    grid->OnCanEditCell = [&](TObject*, Integer ARow, Integer ACol, bool& CanEdit) {
        asked.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
        CanEdit = false;
    };
    h.Advance(1000);
    h.Click(grid, Centre(4, 0));
    EXPECT_FALSE(grid->FixedCellCombo()->Visible());
    EXPECT_FALSE(grid->FixedCellEdit()->Visible());
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back(), "4,0");
}

}  // namespace
}  // namespace gw::test
