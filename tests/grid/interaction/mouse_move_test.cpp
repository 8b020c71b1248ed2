// The mouse moving over the grid and what follows it: the sizing edges of fixed columns, the
// size hint while a column is sized, the drag image of a column move (its picture, translucency,
// and that it never takes the focus), cell hints and where they stand, and the double click on
// the slaves table's headers.
#include "grid/interaction/drag_geometry.h"
#include "grid/interaction/header_drag_button.h"
#include "grid/model/drag_drop_settings.h"
#include "grid/model/sort_settings.h"
#include "platform/graphics/bitmap.h"
#include "platform/ui/hint_window.h"
#include "platform/ui/window_system.h"
#include "tests/grid/interaction/mouse_grid_fixture.h"
#include "tests/support/test_support.h"

namespace gw::test {
namespace {

using Log = std::vector<std::string>;

// --- the window-free arithmetic -------------------------------------------------------------------

TEST(DragGeometry, TheImageTakesTheBlocksRightAndBottomEdgesInEitherOrder)
{
    const TRect a{10, 20, 50, 40}, b{60, 41, 90, 60};
    const TRect expected{11, 21, 92, 62};
    EXPECT_EQ(DragImageSource(a, b), expected);
    EXPECT_EQ(DragImageSource(b, a), expected) << "given from right to left";
    // Same column, bottom cell first: the tops and bottoms are exchanged.
    EXPECT_EQ(DragImageSource(TRect{10, 41, 50, 60}, TRect{10, 20, 50, 40}), (TRect{11, 21, 52, 62}));
    EXPECT_EQ(DragImageSource(a, a), (TRect{11, 21, 52, 42})) << "one cell: one pixel more each way";
}

TEST(DragGeometry, TheResizeHandleSitsAtTheSelectionsOuterBottomCorner)
{
    struct TCase {
        TRect Cell;
        bool RightToLeft;
        TRect Handle;
    };
    const TCase cases[] = {
        {{100, 40, 164, 58}, false, {158, 52, 164, 58}},
        // Right to left the selection ends at the cell's left edge.
        {{100, 40, 164, 58}, true, {100, 52, 106, 58}},
        {{0, 0, 6, 6}, true, {0, 0, 6, 6}},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(SelectionResizeHandle(c.Cell, c.RightToLeft), c.Handle) << (c.RightToLeft ? "right to left" : "");
        // Six by six, inside the cell.
        const TRect h = SelectionResizeHandle(c.Cell, c.RightToLeft);
        EXPECT_EQ(h.Width(), 6);
        EXPECT_EQ(h.Height(), 6);
    }
}

TEST(DragGeometry, AMoveWithinTheGridClearsOnlySourceCellsOutsideTheDroppedBlock)
{
    struct TCase {
        const char* Name;
        TGridRect Source, Drop;
        std::vector<TGridRect> Cleared;
    };
    const TCase cases[] = {
        {"apart", {1, 1, 2, 2}, {4, 4, 5, 5}, {{1, 1, 2, 2}}},
        {"one row down", {1, 1, 3, 2}, {1, 2, 3, 3}, {{1, 1, 3, 1}}},
        {"one row up", {1, 2, 3, 3}, {1, 1, 3, 2}, {{1, 3, 3, 3}}},
        {"one column right", {1, 1, 2, 3}, {2, 1, 3, 3}, {{1, 1, 1, 3}}},
        {"one column left", {2, 1, 3, 3}, {1, 1, 2, 3}, {{3, 1, 3, 3}}},
        {"diagonal", {1, 1, 2, 2}, {2, 2, 3, 3}, {{1, 1, 2, 1}, {1, 2, 1, 2}}},
        {"onto itself", {1, 1, 2, 2}, {1, 1, 2, 2}, {}},
        {"touching corner", {1, 1, 2, 2}, {3, 3, 4, 4}, {{1, 1, 2, 2}}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::vector<TGridRect> got = CellsClearedAfterMove(c.Source, c.Drop);
        ASSERT_EQ(got.size(), c.Cleared.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].Left, c.Cleared[i].Left);
            EXPECT_EQ(got[i].Top, c.Cleared[i].Top);
            EXPECT_EQ(got[i].Right, c.Cleared[i].Right);
            EXPECT_EQ(got[i].Bottom, c.Cleared[i].Bottom);
        }
    }
}

TEST_F(MouseGridTest, AMoveWithinTheGridKeepsTheDroppedCellsItOverlaps)
{
    // Column 1 rows 1-2 ("c", "a") moved one row down onto rows 2-3, as the drop wrote them.
    grid->SetCellEx(1, 2, u"c");
    grid->SetCellEx(1, 3, u"a");
    grid->FDropSelection = TGridRect{1, 1, 1, 2};
    grid->FDroppedBlock = TGridRect{1, 2, 1, 3};
    grid->ClearDraggedCells();
    EXPECT_EQ(Column(1), "cab") << "only the source cell outside the dropped block is emptied";
    EXPECT_EQ(grid->FDroppedBlock.Left, -1) << "the drop is forgotten";
    // A drop elsewhere: the whole source goes.
    grid->FDropSelection = TGridRect{2, 1, 2, 2};
    grid->ClearDraggedCells();
    EXPECT_EQ(Column(2), "76");
}

// --- sizing -------------------------------------------------------------------------------------

TEST_F(MouseGridTest, OnlyTheTwoPixelsEachSideOfAFixedColumnsEdgeSizeIt)
{
    grid->SetFixedCols(1);
    grid->MouseActions()->SizeFixedCol = true;
    const Integer edge = grid->ColWidths(0);
    const Integer y = Centre(2, 2).Y;
    for (const auto& [dx, sizes] :
         std::vector<std::pair<Integer, bool>>{{-3, false}, {-2, true}, {0, true}, {2, true}, {3, false}}) {
        SCOPED_TRACE(dx);
        h.MoveTo(grid, {edge + dx, y});
        EXPECT_EQ(grid->FSizeFixed, sizes);
    }
    grid->MouseActions()->SizeFixedCol = false;
    h.MoveTo(grid, {edge, y});
    EXPECT_FALSE(grid->FSizeFixed) << "only with SizeFixedCol";
}

TEST_F(MouseGridTest, SizingAColumnShowsItsWidthInAHintAtTheColumnsCorner)
{
    grid->SetOptions(grid->Options() | goColSizing);
    grid->HintShowSizing = true;
    Log sizing;
    grid->OnColumnSizing = [&](TObject*, Integer ACol, Integer Size) {
        sizing.push_back(std::to_string(ACol) + "=" + std::to_string(Size));
    };
    const Integer width = grid->ColWidths(1);
    const TRect header = grid->CellRect(1, 0);
    const Integer y = (header.Top + header.Bottom) / 2;
    h.MouseDown(grid, {header.Right, y});
    h.MoveTo(grid, {header.Right + 25, y});
    ASSERT_NE(grid->FSizingHintWnd, nullptr);
    EXPECT_TRUE(grid->FSizingHintWnd->IsShowing());
    EXPECT_EQ(Utf8(grid->FSizingHintWnd->Text()), "cw=<b>" + std::to_string(width + 25) + "</b>");
    EXPECT_EQ(grid->FSizingHintWnd->BoundsRect().TopLeft(), grid->ClientToScreen(header.TopLeft()));
    EXPECT_EQ(sizing.back(), "1=" + std::to_string(width + 25)) << "the event gets the width the hint shows";
    h.MouseUp(grid, {header.Right + 25, y});
    EXPECT_FALSE(grid->FSizingHintWnd->IsShowing()) << "the release takes the hint away";
    EXPECT_EQ(grid->ColWidths(1), width + 25);
    grid->HintShowSizing = false;
    h.MouseDown(grid, {grid->CellRect(2, 0).Right, y});
    h.MoveTo(grid, {grid->CellRect(2, 0).Right + 5, y});
    EXPECT_FALSE(grid->FSizingHintWnd->IsShowing()) << "without HintShowSizing only the event";
    EXPECT_EQ(sizing.back(), "2=" + std::to_string(grid->ColWidths(2) + 5));
    h.MouseUp(grid, {grid->CellRect(2, 0).Right + 5, y});
}

// --- the drag image -------------------------------------------------------------------------------

TEST_F(MouseGridTest, TheDragImageIsTheBlocksPictureOnePixelLargerEachWay)
{
    grid->SetFixedCols(1);
    const TRect cell = grid->CellRect(2, 2);
    const std::unique_ptr<TBitmap> one = grid->SelectionPicture(TGridRect{2, 2, 2, 2});
    EXPECT_EQ(one->Width(), cell.Width() + 1);
    EXPECT_EQ(one->Height(), cell.Height() + 1);
    const std::unique_ptr<TBitmap> forward = grid->SelectionPicture(TGridRect{2, 1, 3, 2});
    const std::unique_ptr<TBitmap> backward = grid->SelectionPicture(TGridRect{3, 1, 2, 2});
    ASSERT_EQ(forward->Width(), backward->Width());
    ASSERT_EQ(forward->Height(), backward->Height());
    for (Integer y = 0; y < forward->Height(); y += 3)
        for (Integer x = 0; x < forward->Width(); x += 3)
            ASSERT_EQ(forward->Canvas()->Pixels(x, y), backward->Canvas()->Pixels(x, y)) << x << "," << y;
}

TEST_F(MouseGridTest, TheDragImagesEdgeLinesFollowTheCrossedFixedLineOptions)
{
    grid->SetFixedCols(1);
    grid->SetGridFixedLineColor(clRed);
    struct TCase {
        TGridOptions Lines;
        bool LeftLine, TopLine;
    };
    const TCase cases[] = {
        {goFixedHorzLine | goFixedVertLine, true, true},
        {goFixedHorzLine, true, false},
        {goFixedVertLine, false, true},
        {0, false, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Lines);
        grid->SetOptions((grid->Options() & ~TGridOptions(goFixedHorzLine | goFixedVertLine)) | c.Lines);
        const std::unique_ptr<TBitmap> p = grid->SelectionPicture(TGridRect{0, 0, 2, 2});
        const Integer midY = p->Height() / 2, midX = p->Width() / 2;
        EXPECT_EQ(p->Canvas()->Pixels(0, midY) == clRed, c.LeftLine);
        EXPECT_EQ(p->Canvas()->Pixels(midX, 0) == clRed, c.TopLine);
        // A block that starts at neither edge gets no line.
        const std::unique_ptr<TBitmap> inner = grid->SelectionPicture(TGridRect{1, 1, 2, 2});
        EXPECT_NE(inner->Canvas()->Pixels(0, inner->Height() / 2), clRed);
        EXPECT_NE(inner->Canvas()->Pixels(inner->Width() / 2, 0), clRed);
    }
}

// Right to left the block is painted as the mirror image, so its picture is too: taken from where
// the cells are shown, with the fixed side's edge line at the picture's right edge.
TEST_F(MouseGridTest, RightToLeftTheDragImageIsTheMirrorImageOfTheLeftToRightOne)
{
    grid->SetFixedCols(1);
    grid->SetColWidths(3, 40);  // no block below is its own mirror image
    grid->SetGridFixedLineColor(clRed);
    grid->SetOptions(grid->Options() | goFixedHorzLine | goFixedVertLine);
    // Empty data cells (texts are not drawn mirror-image); the header row with its dotted focus
    // line, dot for dot.
    for (const TGridRect& block : {TGridRect{3, 1, 4, 2}, TGridRect{3, 3, 5, 4}, TGridRect{0, 0, 5, 0}}) {
        SCOPED_TRACE(block.Left);
        grid->SetBiDiMode(bdLeftToRight);
        const std::unique_ptr<TBitmap> ltr = grid->SelectionPicture(block);
        grid->SetBiDiMode(bdRightToLeft);
        const std::unique_ptr<TBitmap> rtl = grid->SelectionPicture(block);
        ASSERT_EQ(rtl->Width(), ltr->Width());
        ASSERT_EQ(rtl->Height(), ltr->Height());
        const Integer w = ltr->Width();
        Integer differing = 0, asymmetric = 0;
        for (Integer y = 0; y < ltr->Height(); ++y)
            for (Integer x = 0; x < w; ++x) {
                differing += rtl->Canvas()->Pixels(x, y) != ltr->Canvas()->Pixels(w - 1 - x, y);
                asymmetric += ltr->Canvas()->Pixels(x, y) != ltr->Canvas()->Pixels(w - 1 - x, y);
            }
        EXPECT_EQ(differing, 0);
        EXPECT_GT(asymmetric, 0);
    }
    const std::unique_ptr<TBitmap> fixedSide = grid->SelectionPicture(TGridRect{0, 0, 1, 0});
    EXPECT_EQ(fixedSide->Canvas()->Pixels(fixedSide->Width() - 1, fixedSide->Height() / 2), clRed);
    EXPECT_NE(fixedSide->Canvas()->Pixels(0, fixedSide->Height() / 2), clRed);
}

TEST_F(MouseGridTest, TheDragImageFormIsTranslucentAndAClickOnItLeavesTheFocusOnTheGrid)
{
    TForm* image = grid->SelectionToForm(TGridRect{1, 0, 1, 3});
    image->SetBounds(300, 500, image->Width(), image->Height());
    image->SetVisible(true);
    h.ProcessMessages();
    const auto* native = h.Display().NativeWindow(image->Handle());
    ASSERT_NE(native, nullptr);
    ASSERT_TRUE(native->Layer.has_value());
    EXPECT_EQ(native->Layer->Alpha, 192);
    EXPECT_EQ(native->Kind, TNativeKind::NonActivatingPopup);
    EXPECT_EQ(GetWindowStyle(image->Handle()) & ~Cardinal(WS_VISIBLE), Cardinal(0x88800000));
    EXPECT_EQ(image->Owner(), grid);
    h.Click(image, {5, 5});
    EXPECT_TRUE(grid->Focused());
    EXPECT_EQ(h.Display().ActiveNativeWindow(), form->Handle());
    delete image;
}

TEST_F(MouseGridTest, AColumnMoveUnderWayShowsItsImageAndArrowsAtTheMouse)
{
    grid->SetOptions(grid->Options() | goColMoving);
    for (Integer c = 0; c < 6; ++c) grid->SetCellEx(c, 0, u"Column " + IntToStr(c));
    const TPoint from = Centre(1, 0), to = Centre(3, 0);
    h.MouseDown(grid, from);
    h.MoveTo(grid, {from.X + 20, from.Y});
    h.MoveTo(grid, to);
    ASSERT_NE(grid->MoveForm, nullptr);
    EXPECT_TRUE(grid->MoveForm->Visible());
    const TRect header = grid->CellRect(1, 0);
    const TPoint expected = grid->ClientToScreen({to.X - (from.X - header.Left), to.Y - (from.Y - header.Top)});
    EXPECT_EQ(grid->MoveForm->BoundsRect().TopLeft(), expected) << "it keeps where the header was taken";
    EXPECT_EQ(grid->MoveForm->Width(), grid->ColWidths(1) + 1);
    const TPoint gridOrigin = grid->ClientToScreen({0, 0});
    const TRect area{gridOrigin.X - 10, gridOrigin.Y - 10, gridOrigin.X + 600, gridOrigin.Y + 200};
    h.Display().SaveScreenToPng(area, String(picturePath("grid_column_move.png").u16string()));
    h.MouseUp(grid, to);
    EXPECT_EQ(grid->MoveForm, nullptr);
    EXPECT_EQ(Utf8(grid->GetCellEx(3, 0)), "Column 1");
}

TEST_F(MouseGridTest, RightToLeftTheMovedColumnsImageKeepsItsRightEdgeUnderTheMouse)
{
    grid->SetBiDiMode(bdRightToLeft);
    grid->SetOptions(grid->Options() | goColMoving);
    grid->DragDropSettings()->ShowCells = true;
    // Pressed near the header's left edge, so that an offset from the wrong edge shows.
    const TRect header = grid->CellRect(1, 0);
    ASSERT_LT(header.Left, header.Right);
    ASSERT_GT(header.Left, grid->CellRect(2, 0).Left) << "the columns run leftwards";
    const TPoint from{header.Left + 10, (header.Top + header.Bottom) / 2}, to = Centre(3, 0);
    h.MouseDown(grid, from);
    h.MoveTo(grid, {from.X - 20, from.Y});
    h.MoveTo(grid, to);
    ASSERT_NE(grid->MoveForm, nullptr);
    const TRect image = grid->MoveForm->BoundsRect();
    const TPoint right = grid->ClientToScreen({to.X + (header.Right - from.X), to.Y - (from.Y - header.Top)});
    EXPECT_EQ(image.Right, right.X);
    EXPECT_EQ(image.Top, right.Y);
    EXPECT_EQ(image.Width(), grid->ColWidths(1) + 1);
    h.MouseUp(grid, to);
    EXPECT_EQ(grid->MoveForm, nullptr);
}

// Without the cells' picture the header drag button follows the mouse, keeping where the header
// was taken, as wide as the moved column, with its caption; the release hides it.
TEST_F(MouseGridTest, WithoutTheCellsPictureTheHeaderButtonFollowsAColumnMove)
{
    grid->SetOptions(grid->Options() | goColMoving);
    grid->DragDropSettings()->ShowCells = false;
    grid->SetColWidths(1, 90);
    for (Integer c = 0; c < 6; ++c) grid->SetCellEx(c, 0, u"Column " + IntToStr(c));
    const TPoint from = Centre(1, 0);
    const TRect header = grid->CellRect(1, 0);
    h.MouseDown(grid, from);
    for (const TPoint to : {TPoint{from.X + 20, from.Y}, Centre(3, 0), TPoint{Centre(4, 0).X, Centre(4, 2).Y}}) {
        SCOPED_TRACE(to.X);
        h.MoveTo(grid, to);
        EXPECT_EQ(grid->MoveForm, nullptr);
        ASSERT_NE(grid->HeaderDragButton, nullptr);
        const THeaderDragButton& b = *grid->HeaderDragButton;
        EXPECT_TRUE(b.Visible());
        EXPECT_TRUE(b.Enabled());
        EXPECT_EQ(Utf8(b.Caption()), "Column 1");
        EXPECT_EQ(b.BoundsRect().TopLeft(),
                  grid->ClientToScreen({to.X - (from.X - header.Left), to.Y - (from.Y - header.Top)}));
        EXPECT_EQ(b.Width(), 90);
        EXPECT_EQ(b.Height(), grid->RowHeights(0));
    }
    h.MouseUp(grid, Centre(4, 0));
    EXPECT_FALSE(grid->HeaderDragButton->Visible()) << "the release hides it";
    EXPECT_FALSE(grid->HeaderDragButton->Enabled());
    EXPECT_EQ(Utf8(grid->GetCellEx(4, 0)), "Column 1");
}

// --- the hover cell button -------------------------------------------------------------------------

// One move of a walk: where the pointer goes, the cell that is hot afterwards, whether the move
// repainted anything.
struct THotStep {
    const char* Name;
    TPoint To;
    TPoint Hot;
    bool Repaints;
};

class HotCellWalkTest : public MouseGridTest {
protected:
    template <size_t N>
    void WalkHot(const THotStep (&Steps)[N], const TPoint& Hot)
    {
        for (const THotStep& s : Steps) {
            SCOPED_TRACE(s.Name);
            const Cardinal before = h.Invalidations();
            h.MoveTo(grid, s.To);
            EXPECT_EQ(Hot, s.Hot);
            EXPECT_EQ(h.Invalidations() > before, s.Repaints);
        }
    }
};

TEST_F(HotCellWalkTest, ACellButtonUnderThePointerIsHotUntilThePointerLeavesIt)
{
    grid->AddButton(2, 2, 24, 16, u"...", haRight, vaCenter);
    h.ProcessMessages();  // painting places the button in its cell
    const TRect button = grid->CellButtonRect(2, 2);
    const TPoint on{(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2};
    const THotStep steps[] = {
        {"another cell", Centre(4, 3), {-1, -1}, false},
        {"onto the button", on, {2, 2}, true},
        {"along the button", {on.X + 1, on.Y}, {2, 2}, false},
        {"the cell beside the button", {grid->CellRect(2, 2).Left + 2, on.Y}, {-1, -1}, true},
        {"still beside it", {grid->CellRect(2, 2).Left + 3, on.Y}, {-1, -1}, false},
        {"back onto it", on, {2, 2}, true},
    };
    WalkHot(steps, grid->FHoverButton);
    h.MoveTo(form, {form->ClientWidth() - 5, form->ClientHeight() - 5});
    EXPECT_EQ(grid->FHoverButton, (TPoint{-1, -1})) << "leaving the grid leaves the button";
}

// In the list-view look the cell under the pointer is the hot cell; only fixed cells show it, so
// only moves onto or off a fixed cell repaint. Other looks keep no hot cell.
TEST_F(HotCellWalkTest, InTheListViewLookTheFixedCellUnderThePointerIsHot)
{
    grid->SetLook(glListView);
    h.ProcessMessages();
    const THotStep steps[] = {
        {"a body cell", Centre(3, 2), {3, 2}, false},
        {"another body cell", Centre(4, 3), {4, 3}, false},
        {"onto a header", Centre(1, 0), {1, 0}, true},
        {"along the header", {Centre(1, 0).X + 1, Centre(1, 0).Y}, {1, 0}, false},
        {"the next header", Centre(2, 0), {2, 0}, true},
        {"off the headers", Centre(2, 1), {2, 1}, true},
    };
    WalkHot(steps, grid->FHotFixedCell);
    grid->SetLook(glXP);
    grid->FHotFixedCell = {-1, -1};
    h.MoveTo(grid, Centre(3, 0));
    EXPECT_EQ(grid->FHotFixedCell, (TPoint{-1, -1})) << "only the list-view look keeps a hot cell";
}

// --- cell hints -------------------------------------------------------------------------------------

TEST_F(MouseGridTest, ACellHintStandsBelowTheCellAtTheMouseOrAtACommentsCorner)
{
    grid->OnGridHint = [](TObject*, Integer ARow, Integer ACol, String& Hint) {
        if (ARow == 0) Hint = u"Header " + IntToStr(ACol);
    };
    grid->HintColor = clYellow;
    grid->AddComment(2, 3, u"A note");
    struct TCase {
        const char* Name;
        Integer Col, Row;
        std::string Text;
        bool AtComment;
    };
    const TCase cases[] = {
        {"header", 3, 0, "Header 3", false},
        {"plain cell", 1, 2, "", false},
        {"comment", 2, 3, "A note", true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TRect r = grid->CellRect(c.Col, c.Row);
        THintInfo info;
        info.CursorPos = {r.Left + 7, r.Top + 3};
        String text;
        grid->BuildCellHint(text, info);
        EXPECT_EQ(Utf8(text), c.Text);
        const TPoint at = c.AtComment ? TPoint{r.Right, r.Top} : TPoint{r.Left + 7, r.Bottom + 6};
        EXPECT_EQ(info.HintPos, grid->ClientToScreen(at));
        EXPECT_EQ(info.HintColor, clYellow);
        EXPECT_EQ(grid->FLastHintPos, (TPoint{c.Col, c.Row}));
    }
    h.MoveTo(grid, Centre(2, 3));
    EXPECT_EQ(grid->FLastHintPos, (TPoint{2, 3})) << "the mouse is still in the hint's cell";
    h.MoveTo(grid, Centre(4, 3));
    EXPECT_EQ(grid->FLastHintPos, (TPoint{-1, -1})) << "leaving the cell forgets its hint";
}

// Resting on a header: the application's hint asks the grid (CM_HINTSHOW) and shows the
// OnGridHint text at the mouse's X, 6 pixels below the cell.
TEST_F(MouseGridTest, RestingOnAHeaderShowsItsGridHintBelowTheCell)
{
    grid->OnGridHint = [](TObject*, Integer ARow, Integer ACol, String& Hint) {
        if (ARow == 0) Hint = u"Header " + IntToStr(ACol);
    };
    grid->SetShowHint(true);
    const TRect r = grid->CellRect(3, 0);
    const TPoint at{r.Left + 7, r.Top + 4};
    h.MoveTo(grid, at);
    h.Advance(Application->HintPause + 50);
    h.ProcessMessages();
    THintWindow* hint = Application->HintWindow();
    ASSERT_NE(hint, nullptr);
    ASSERT_TRUE(hint->Visible() || IsWindowVisible(hint->Handle()));
    EXPECT_EQ(Utf8(hint->Caption()), "Header 3");
    EXPECT_EQ(hint->BoundsRect().TopLeft(), grid->ClientToScreen({at.X, r.Bottom + 6}));
}

TEST_F(MouseGridTest, CellTextHintsNeedTheirOptions)
{
    grid->SetColWidths(1, 30);
    grid->SetCellEx(1, 2, u"<b>a text far too wide</b> for its cell");
    grid->SetCellEx(2, 2, u"9");
    struct TCase {
        const char* Name;
        bool Cells, Large;
        Integer Col;
        std::string Text;
        bool AtCellTop;
    };
    const TCase cases[] = {
        {"no option", false, false, 1, "", false},
        {"cells: fitting text", true, false, 2, "9", true},
        {"large text: fitting text", false, true, 2, "", false},
        {"large text: cut text", false, true, 1, "a text far too wide for its cell", true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        grid->HintShowCells = c.Cells;
        grid->HintShowLargeText = c.Large;
        const TRect r = grid->CellRect(c.Col, 2);
        THintInfo info;
        info.CursorPos = {r.Left + 3, r.Top + 3};
        String text;
        grid->BuildCellHint(text, info);
        EXPECT_EQ(Utf8(text), c.Text);
        EXPECT_EQ(info.HintPos.Y, grid->ClientToScreen({0, c.AtCellTop ? r.Top : r.Bottom + 6}).Y);
    }
}

}  // namespace
}  // namespace gw::test

// --- the slaves table's headers -----------------------------------------------------------------

namespace gw::test {
namespace {

class SlavesHeaderTest : public EditGridTest {
protected:
    void BeforeShow() override
    {
        grid->SetOptions(grid->Options() | goColSizing);
        grid->SortSettings()->SetShow(true);
        const char16_t* headers[] = {u"Enable", u"IP address", u"Mnemonic", u"Port", u"Comment"};
        for (Integer c = 0; c < 5; ++c) grid->SetCellEx(c, 0, headers[c]);
        grid->SetCellEx(1, 3, u"10.0.0.3 (a rather long address text)");
        grid->OnDblClickCell = [this](TObject*, Integer ARow, Integer ACol) {
            h.Log.Add("dblclick cell " + std::to_string(ACol) + "," + std::to_string(ARow));
        };
        grid->OnColumnSize = [this](TObject*, Integer ACol, bool& Allow) {
            h.Log.Add("column size " + std::to_string(ACol));
            Allow = AllowSize;
        };
        grid->OnEndColumnSize = [this](TObject*, Integer ACol) {
            h.Log.Add("end column size " + std::to_string(ACol));
        };
        grid->OnClickSort = [this](TObject*, Integer ACol) { h.Log.Add("sort " + std::to_string(ACol)); };
    }
    void DoubleClickAt(TPoint P)
    {
        h.Advance(1000);
        h.Log.Clear();
        h.DoubleClick(grid, P);
        h.ProcessMessages();
    }
    bool AllowSize = true;
};

TEST_F(SlavesHeaderTest, ADoubleClickOnAHeaderBorderFitsTheColumnLeftOfItWithoutSorting)
{
    grid->SetColWidths(1, 40);
    const TRect ip = grid->CellRect(1, 0);
    const Integer y = (ip.Top + ip.Bottom) / 2;
    struct TCase {
        const char* Name;
        TPoint At;
    };
    const TCase cases[] = {
        {"right edge of the column", {ip.Right - 1, y}},
        {"left edge of the next column", {grid->CellRect(2, 0).Left + 2, y}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        grid->SetColWidths(1, 40);
        DoubleClickAt(c.At);
        EXPECT_EQ(h.Log.Take(), (Log{"column size 1", "end column size 1"}));
        EXPECT_GT(grid->ColWidths(1), 150) << "fitted to the long address";
        EXPECT_EQ(grid->SortSettings()->Column, -1) << "the release after the double click does not sort";
    }
    AllowSize = false;
    grid->SetColWidths(1, 40);
    DoubleClickAt({ip.Right - 1, y});
    EXPECT_EQ(h.Log.Take(), (Log{"column size 1"}));
    EXPECT_EQ(grid->ColWidths(1), 40) << "OnColumnSize refused";
}

TEST_F(SlavesHeaderTest, ADoubleClickInsideAHeaderCellReportsItsCell)
{
    DoubleClickAt(CellCentre(2, 0));
    const Log log = h.Log.Take();
    EXPECT_NE(std::find(log.begin(), log.end(), "dblclick cell 2,0"), log.end());
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& e) { return e.starts_with("column size"); }),
              0);
}

// The tables' own double click (with their auto-size switch on) fits a header's column: the
// grid reports the header cell once, and the fitted column is the one double-clicked, not its
// neighbour and not the one of a body cell.
TEST_F(SlavesHeaderTest, TheTablesDoubleClickOnAHeaderCellFitsThatColumn)
{
    grid->OnDblClickCell = [this](TObject*, Integer ARow, Integer ACol) {
        h.Log.Add("dblclick cell " + std::to_string(ACol) + "," + std::to_string(ARow));
        if (ARow == 0) grid->AutoSizeCol(ACol, 0);
    };
    struct TCase {
        const char* Name;
        Integer Col, Row;
        bool Fitted;
    };
    const TCase cases[] = {
        {"the header of the long address", 1, 0, true},
        {"a body cell of it", 1, 3, false},
        {"the header beside it", 2, 0, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        grid->SetColWidths(1, 40);
        grid->SetColWidths(2, 40);
        DoubleClickAt(CellCentre(c.Col, c.Row));
        const std::string cell = std::to_string(c.Col) + "," + std::to_string(c.Row);
        const Log log = h.Log.Take();
        EXPECT_EQ(std::count(log.begin(), log.end(), "dblclick cell " + cell), 1);
        EXPECT_EQ(grid->ColWidths(1) > 150, c.Fitted);
    }
}

}  // namespace
}  // namespace gw::test
