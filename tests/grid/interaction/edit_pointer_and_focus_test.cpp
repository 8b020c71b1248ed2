// The string grid's pointer shapes (selection modes, cell selector, fixed sizing edges), its own
// focus gain, and the sizes that follow the text typed into the text editor.
#include "grid/foundation/focus_window.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/model/column_size.h"
#include "grid/model/size_while_typing.h"
#include "platform/graphics/image_formats.h"
#include "platform/runtime/resources.h"
#include "platform/ui/cursors.h"
#include "tests/grid/interaction/edit_grid_fixture.h"

namespace gw::test {
namespace {

Integer GridCursor(Integer Number) { return LoadCursorFromResource(u"#" + IntToStr(Number)); }

// --- the cursors' pictures -----------------------------------------------------------------------

struct TCursorCase {
    Integer Number;
    TPoint Hot;
    TPoint Black;  // a pixel of the black part
    TPoint White;  // a pixel of the white part
    TPoint Clear{0, 0};  // a pixel left transparent
};

TEST(GridCursors, ShapesAndHotSpots)
{
    const TCursorCase cases[] = {
        {8010, {26, 16}, {22, 16}, {26, 16}},  // right arrow, tip at the hot spot
        {8011, {13, 26}, {13, 20}, {13, 25}},  // down arrow, hot spot just below the tip
        {8012, {16, 16}, {16, 16}, {16, 10}},  // black plus: centre black, bar end white
        {8014, {16, 16}, {16, 8}, {16, 16}},  // white plus: bar end black, centre white
        // Panning: at rest a dot with four heads; under way an arrow from the hot spot outwards,
        // tip white, nothing behind the centre.
        {8000, {16, 16}, {16, 16}, {16, 28}, {22, 22}},
        {8001, {16, 16}, {16, 22}, {16, 28}, {16, 8}},  // down
        {8002, {16, 16}, {10, 16}, {4, 16}, {24, 16}},  // left
        {8003, {16, 16}, {22, 16}, {28, 16}, {8, 16}},  // right
        {8004, {16, 16}, {16, 10}, {16, 4}, {16, 24}},  // up
        {8005, {16, 16}, {20, 12}, {24, 8}, {10, 22}},  // up-right
        {8006, {16, 16}, {12, 12}, {8, 8}, {22, 22}},  // up-left
        {8007, {16, 16}, {20, 20}, {24, 24}, {10, 10}},  // down-right
        {8008, {16, 16}, {12, 20}, {8, 24}, {22, 10}},  // down-left
    };
    for (const TCursorCase& c : cases) {
        SCOPED_TRACE(c.Number);
        const TResource* res = FindResource(c.Number, u"CURSOR");
        ASSERT_NE(res, nullptr);
        const auto word = [&](std::size_t At) { return Integer(Byte(res->Data[At]) | (Byte(res->Data[At + 1]) << 8)); };
        EXPECT_EQ(word(2), 2) << "a cursor file";
        EXPECT_EQ((TPoint{word(10), word(12)}), c.Hot);
        TIcon icon;
        icon.LoadFromBytes(res->Data);
        const TBitmap& image = icon.Image();
        ASSERT_EQ(image.Width(), 32);
        ASSERT_EQ(image.Height(), 32);
        const auto pixel = [&](TPoint P) { return image.ScanLine(P.Y) + 4 * P.X; };
        EXPECT_EQ(pixel({0, 0})[3], 0) << "transparent around the shape";
        EXPECT_EQ(pixel({31, 31})[3], 0);
        EXPECT_EQ(pixel(c.Clear)[3], 0);
        EXPECT_EQ(pixel(c.Black)[3], 255);
        EXPECT_EQ(pixel(c.Black)[0], 0);
        EXPECT_EQ(pixel(c.White)[3], 255);
        EXPECT_EQ(pixel(c.White)[0], 255);
    }
}

// --- the pointer over the grid ---------------------------------------------------------------------

struct TPointerCase {
    const char* What;
    TMouseSelectMode Mode;
    bool CellSelector;
    TGridState State;
    bool ColEdge, ColSizing, RowEdge, RowSizing;
    Integer Expected;  // a cursor resource number, or a stock cursor (negative)
};

class GridPointer : public EditGridTest {};

TEST_F(GridPointer, ShapeBySelectModeSelectorAndFixedSizingEdges)
{
    const TPointerCase cases[] = {
        {"column select", msColumn, false, gsNormal, false, false, false, false, 8011},
        {"row select", msRow, false, gsNormal, false, false, false, false, 8010},
        {"all select", msAll, false, gsNormal, false, false, false, false, 8012},
        {"selection resize", msResize, false, gsNormal, false, false, false, false, 8012},
        {"select mode before the selector", msRow, true, gsNormal, false, false, false, false, 8010},
        {"cell selector", msNormal, true, gsNormal, false, false, false, false, 8014},
        {"base grid sizing a column wins over the select mode", msRow, false, gsColSizing, false, false, false, false,
         crHSplit},
        {"base grid sizing a row, the selector stays", msNormal, true, gsRowSizing, false, false, false, false, 8014},
        {"fixed column edge over everything", msRow, false, gsNormal, true, false, false, false, crHSplit},
        {"fixed column sizing", msNormal, true, gsNormal, false, true, false, false, crHSplit},
        {"fixed row edge", msColumn, false, gsNormal, false, false, true, false, crVSplit},
        {"fixed row sizing", msNormal, false, gsNormal, false, false, false, true, crVSplit},
        {"column edge before row edge", msNormal, false, gsNormal, true, false, true, false, crHSplit},
    };
    for (const TPointerCase& c : cases) {
        SCOPED_TRACE(c.What);
        grid->MouseSelectMode = c.Mode;
        grid->FCellSelectorMode = c.CellSelector;
        grid->SetGridState(c.State);
        grid->FSizeFixed = c.ColEdge;
        grid->FSizingFixed = c.ColSizing;
        grid->FSizeFixedR = c.RowEdge;
        grid->FSizingFixedR = c.RowSizing;
        h.Display().SetCursorShape(crDefault);
        h.MoveTo(grid, CellCentre(3, 3));
        EXPECT_EQ(h.Display().CursorShape(), c.Expected > 0 ? GridCursor(c.Expected) : c.Expected);
    }
    grid->SetGridState(gsNormal);
}

TEST_F(GridPointer, LinkModeKeepsTheShapeAndNormalModeAsksTheApplication)
{
    h.MoveTo(grid, CellCentre(3, 3));
    grid->MouseSelectMode = msURL;  // the move notes the mode from what lies under the pointer
    h.Display().SetCursorShape(crHandPoint);  // as the mouse move over a link sets it
    grid->Perform(WM_SETCURSOR, grid->Handle(), MakeLParam(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(h.Display().CursorShape(), crHandPoint);

    grid->MouseSelectMode = msNormal;
    std::vector<std::string> asked;
    grid->OnGetCellCursor = [&](TObject*, Integer ACol, Integer ARow, Integer, Integer, TCursor& Cursor) {
        asked.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
        Cursor = crIBeam;
    };
    h.MoveTo(grid, CellCentre(2, 4));
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back(), "2,4");
    EXPECT_EQ(grid->Cursor(), crIBeam);
}

// --- the grid's focus gain ----------------------------------------------------------------------

TEST_F(EditGridTest, AnEditorLinksFocusChangeSwallowsOneFocusGainOnly)
{
    h.Type(u"a");
    h.Press(VK_ESCAPE);  // the editor exists, closed
    grid->Navigation()->AlwaysEdit = true;
    other->SetFocus();
    h.ProcessMessages();
    grid->InvokedFocusChange = true;
    grid->SetFocus();
    h.ProcessMessages();
    EXPECT_FALSE(EditorShown()) << "the gain the pop-up's closing causes";
    EXPECT_FALSE(grid->InvokedFocusChange);
    other->SetFocus();
    h.ProcessMessages();
    grid->SetFocus();
    h.ProcessMessages();
    EXPECT_TRUE(EditorShown()) << "the next gain is the user's again";
}

TEST_F(EditGridTest, AlwaysEditLeavesACheckBoxCellAlone)
{
    h.Type(u"a");
    h.Press(VK_ESCAPE);
    grid->Navigation()->AlwaysEdit = true;
    grid->AddCheckBox(1, 1, true, false);
    other->SetFocus();
    h.ProcessMessages();
    grid->SetFocus();
    h.ProcessMessages();
    EXPECT_FALSE(EditorShown());
}

struct TFirstFocusCase {
    const char* What;
    bool AlwaysEdit;
    bool DirectEdit;
    bool HasCombo;
    bool CanEdit;
    bool Opens;
};

// Before the text editor was ever made, a focus gain opens the editor of a combo cell only.
TEST_F(EditGridTest, FirstFocusGainOpensAComboCellsEditor)
{
    const TFirstFocusCase cases[] = {
        {"combo cell", true, false, true, true, true},
        {"no combo", true, false, false, true, false},
        {"without always-edit", false, false, true, true, false},
        {"direct edit", true, true, true, true, false},
        {"read-only", true, false, true, false, false},
    };
    for (const TFirstFocusCase& c : cases) {
        SCOPED_TRACE(c.What);
        delete form;  // a grid whose text editor was never made
        SetUp();
        ASSERT_EQ(grid->InplaceEditor(), nullptr);
        grid->Navigation()->AlwaysEdit = c.AlwaysEdit;
        grid->MouseActions()->DirectEdit = c.DirectEdit;
        grid->OnHasComboBox = [&](TObject*, Integer ACol, Integer ARow, bool& Has) {
            Has = c.HasCombo && ACol == 1 && ARow == 1;
        };
        grid->OnCanEditCell = [&](TObject*, Integer, Integer, bool& CanEdit) { CanEdit = c.CanEdit; };
        other->SetFocus();
        h.ProcessMessages();
        grid->SetFocus();
        h.ProcessMessages();
        EXPECT_EQ(EditorShown(), c.Opens);
    }
}

// --- the focus frame ----------------------------------------------------------------------------

TEST_F(EditGridTest, TheFocusFrameFollowsTheEditedCellUntilTheValueIsAccepted)
{
    grid->FocusHelper()->Enabled = true;
    const auto screenCell = [&] {
        const TRect r = grid->CellRect(1, 1);
        const TPoint p = grid->ClientToScreen({r.Left, r.Top});
        return Bounds(p.X, p.Y, r.Width(), r.Height());
    };
    h.Type(u"1");
    ASSERT_TRUE(EditorShown());
    ASSERT_NE(grid->FFocusWindow, nullptr);
    EXPECT_TRUE(grid->FFocusWindow->Visible());
    EXPECT_EQ(grid->FFocusWindow->BoundsRect(), FocusFrameBounds(screenCell()));
    EXPECT_EQ(TExtStringGrid::FocusFrameGrid(), grid);

    form->SetBounds(form->Left() + 30, form->Top() + 20, form->Width(), form->Height());
    h.ProcessMessages();
    EXPECT_EQ(grid->FFocusWindow->BoundsRect(), FocusFrameBounds(screenCell())) << "kept on the cell";

    // Another grid hiding its frame leaves this one's frame following its cell.
    auto* second = MakeSlavesGrid(form);
    second->HideFocusWindow();
    EXPECT_EQ(TExtStringGrid::FocusFrameGrid(), grid);

    h.Press(VK_RETURN);
    EXPECT_FALSE(grid->FFocusWindow->Visible()) << "an accepted value hides the frame";
    EXPECT_EQ(TExtStringGrid::FocusFrameGrid(), nullptr);
}

// --- sizes while typing ---------------------------------------------------------------------------

TEST_F(EditGridTest, AClickThatStartsAnEditPutsTheCaretUnderThePointer)
{
    const String text = u"abcdefghijkl";
    grid->SetCellEx(3, 2, text);
    grid->Navigation()->EditSelectAll = false;
    grid->SetColWidths(3, 240);  // the whole text in view: the editor never scrolls it
    // Where the sixth character lies once the editor shows the text.
    grid->FocusCell(3, 2);
    h.Press(VK_F2);
    ASSERT_TRUE(EditorShown());
    const LRESULT sixth = Editor()->Perform(EM_POSFROMCHAR, 6, 0);
    const TRect cell = grid->CellRect(3, 2);
    const TPoint at{grid->ScreenToClient(Editor()->ClientToScreen({Integer(sixth & 0xFFFF) + 2, 0})).X,
                    (cell.Top + cell.Bottom) / 2};
    grid->HideInplaceEdit();
    for (const bool positioning : {true, false}) {
        SCOPED_TRACE(positioning);
        grid->MouseActions()->CaretPositioning = positioning;
        grid->FocusCell(1, 1);
        h.ProcessMessages();
        h.Click(grid, at);
        h.Click(grid, at);
        h.ProcessMessages();
        ASSERT_TRUE(EditorShown());
        const TPoint inEditor = Editor()->ScreenToClient(grid->ClientToScreen(at));
        const Integer under = Integer(Editor()->Perform(EM_CHARFROMPOS, 0, PointToLParam(inEditor)) & 0xFFFF);
        ASSERT_GT(under, 0);
        ASSERT_LT(under, Integer(text.size()));
        EXPECT_EQ(Editor()->SelStart(), positioning ? under : Integer(text.size()));
        if (positioning) {
            EXPECT_EQ(Editor()->SelLength(), 0);
        }
    }
}

TEST_F(EditGridTest, TheColumnGrowsWithTheTypedText)
{
    grid->SizeWhileTyping()->Width = true;
    grid->SetColWidths(1, 30);
    h.Type(u"192.168.100.200 and a long remark");
    const Integer grown = grid->ColWidths(1);
    EXPECT_GT(grown, 150);
    EXPECT_EQ(grid->ColWidths(2), grid->DefaultColWidth()) << "only the edited column";
    h.Press(VK_BACK);
    h.Press(VK_BACK);
    EXPECT_EQ(grid->ColWidths(1), grown) << "it only grows";
}

// The row follows the text after every key while words wrap: a row whose other cell holds four
// lines takes their height at the first key typed.
TEST_F(EditGridTest, WithWordWrapTheRowFollowsTheTypedText)
{
    grid->Multilinecells = true;
    grid->SetWordWrap(true);
    grid->SizeWhileTyping()->Height = true;
    grid->ColumnSize()->SynchWithGrid = true;
    std::vector<Integer> ended;
    grid->OnEndRowSize = [&](TObject*, Integer ARow) { ended.push_back(ARow); };
    for (Integer r : {1, 3}) grid->SetCellEx(3, r, u"1\r2\r3\r4");
    grid->SetCellEx(1, 3, u"a");
    grid->AutoSizeRow(3);
    const Integer fourLines = grid->RowHeights(3);
    const Integer before = grid->RowHeights(1);
    ASSERT_GT(fourLines, 2 * before);
    h.Type(u"a");
    EXPECT_EQ(grid->RowHeights(1), fourLines);
    ASSERT_FALSE(ended.empty());
    EXPECT_EQ(ended.back(), 1);
    EXPECT_TRUE(grid->ColumnSize()->SynchWithGrid) << "put back after the sizing";

    grid->SetWordWrap(false);
    grid->SetRowHeights(1, before);
    h.Type(u"b");
    EXPECT_EQ(grid->RowHeights(1), before) << "no word wrap, no row sizing";
}

// Ctrl+Enter about to add a line: the row takes one line more, or the tallest cell's lines.
TEST_F(EditGridTest, CtrlEnterMakesRoomForTheNewLine)
{
    grid->SetWordWrap(false);  // else every key's release sizes the row to the text
    grid->Multilinecells = true;
    grid->SizeWhileTyping()->Height = true;
    grid->Navigation()->AllowCtrlEnter = true;
    std::vector<Integer> ended;
    grid->OnEndRowSize = [&](TObject*, Integer ARow) { ended.push_back(ARow); };
    grid->SetRowHeightForLines(3, 2, grid->TotalYOffset());
    const Integer twoLines = grid->RowHeights(3);
    h.Type(u"x");
    h.Press(VK_RETURN, ssCtrl);
    EXPECT_EQ(grid->RowHeights(1), twoLines);
    EXPECT_EQ(ended, std::vector<Integer>{1});

    h.Press(VK_ESCAPE);
    for (Integer r : {2, 4}) grid->SetCellEx(3, r, u"1\r2\r3\r4");
    grid->AutoSizeRow(4);
    const Integer fourLines = grid->RowHeights(4);
    ASSERT_GT(fourLines, twoLines);
    grid->FocusCell(1, 2);
    h.Type(u"y");
    h.Press(VK_RETURN, ssCtrl);
    EXPECT_EQ(grid->RowHeights(2), fourLines) << "fewer lines than the row's tallest cell: auto-size";

    h.Press(VK_ESCAPE);
    grid->SizeWhileTyping()->Height = false;
    grid->FocusCell(1, 5);
    const Integer plain = grid->RowHeights(5);
    h.Type(u"z");
    h.Press(VK_RETURN, ssCtrl);
    EXPECT_EQ(grid->RowHeights(5), plain);
}

}  // namespace
}  // namespace gw::test
