// The string grid: cells and objects, cells beyond the counts, whole columns and rows as lists,
// cells moving with their rows and columns, and the text drawn in each cell.
#include "platform/graphics/bitmap.h"
#include "tests/platform/grids/grid_fixture.h"

namespace gw::test {
namespace {

class StringGridTest : public GridTest {};

TEST_F(StringGridTest, CellsAndObjectsBeyondTheCountsKeepWhatWasWritten)
{
    TObject o;
    grid->SetCells(2, 3, u"text");
    grid->SetObjects(2, 3, &o);
    EXPECT_EQ(grid->Cells(2, 3), u"text");
    EXPECT_EQ(grid->Objects(2, 3), &o);
    EXPECT_EQ(grid->Cells(9, 9), u"") << "never written";
    EXPECT_EQ(grid->Cells(-1, 0), u"");
    EXPECT_THROW(grid->SetCells(-1, 0, u"x"), EInvalidGridOperation);
    EXPECT_THROW(grid->SetObjects(0, -2, &o), EInvalidGridOperation);
    // A hidden column lives beyond ColCount: writing and reading it work, and it comes back.
    grid->SetCells(7, 1, u"beyond");
    grid->SetColCount(2);
    EXPECT_EQ(grid->Cells(2, 3), u"text");
    grid->SetColCount(8);
    EXPECT_EQ(grid->Cells(7, 1), u"beyond");
    grid->SetCells(2, 3, u"");
    EXPECT_EQ(grid->Objects(2, 3), &o) << "the text goes, the object stays";
}

TEST_F(StringGridTest, ColumnsAndRowsReadAndWriteThroughAsLists)
{
    grid->SetColCount(4);
    grid->SetRowCount(3);
    grid->Rows(1)->SetCommaText(u"a,\"b c\",,d");
    EXPECT_EQ(grid->Cells(0, 1), u"a");
    EXPECT_EQ(grid->Cells(1, 1), u"b c");
    EXPECT_EQ(grid->Cells(2, 1), u"") << "an empty item keeps its place";
    EXPECT_EQ(grid->Cells(3, 1), u"d");
    EXPECT_EQ(grid->Cols(3)->Text(), u"\r\nd\r\n\r\n");

    TStringList list;
    list.SetCommaText(u"x,y");
    TObject o;
    list.SetObjects(1, &o);
    grid->SetCols(2, &list);
    EXPECT_EQ(grid->Cells(2, 0), u"x");
    EXPECT_EQ(grid->Cells(2, 1), u"y");
    EXPECT_EQ(grid->Objects(2, 1), &o);
    EXPECT_EQ(grid->Cells(2, 2), u"") << "Assign copies what the list has";

    auto row = grid->Rows(2);
    row->Clear();
    EXPECT_EQ(row->Add(u"p"), 0);
    EXPECT_EQ(row->AddObject(u"q", &o), 1);
    EXPECT_EQ(grid->Objects(1, 2), &o);
    auto filled = grid->Rows(2);
    EXPECT_EQ(filled->Add(u"r"), 2) << "Add goes after what the row holds";
    EXPECT_EQ(filled->Add(u"s"), 3);
    EXPECT_THROW(filled->Add(u"t"), EInvalidGridOperation) << "the row has four cells";
    EXPECT_THROW(filled->Delete(0), EInvalidGridOperation);
    EXPECT_THROW(filled->Insert(0, u"u"), EInvalidGridOperation);
    EXPECT_EQ(grid->Rows(2)->CommaText(), u"p,q,r,s");
    EXPECT_THROW(grid->Rows(3), EInvalidGridOperation);
    EXPECT_THROW(grid->Rows(2)->Get(4), EStringListError);
}

TEST_F(StringGridTest, MovingColumnsAndRowsInCodeMovesTheirCells)
{
    grid->SetColCount(4);
    grid->SetRowCount(4);
    grid->Rows(1)->SetCommaText(u"0,1,2,3");
    grid->Cols(0)->SetCommaText(u"h,r1,r2,r3");
    grid->MoveColumn(1, 3);
    EXPECT_EQ(grid->Rows(1)->CommaText(), u"r1,2,3,1");
    grid->MoveRow(3, 1);
    EXPECT_EQ(grid->Cols(0)->CommaText(), u"h,r3,r1,r2");
    EXPECT_EQ(grid->Cells(3, 2), u"1");
}

TEST_F(StringGridTest, EachCellShowsItsTextInItsOwnColours)
{
    grid->SetColCount(3);
    grid->SetRowCount(3);
    grid->SetDefaultColWidth(80);
    grid->SetCells(1, 1, u"MMMMMMMMMMMMMMMMMMMMMMMM");  // wider than the cell: clipped
    grid->SetCells(2, 1, u"MMM");
    grid->MoveColRow(2, 1, true, true);
    grid->SetSelection({1, 1, 2, 2});  // the anchor (1, 1), the current cell (2, 2)
    grid->SetCells(0, 2, u"MMM");
    TBitmap b(grid->Width(), grid->Height());
    grid->PaintTo(*b.Canvas(), 0, 0);
    auto count = [&](const TRect& R, TColor C) {
        int n = 0;
        for (Integer y = R.Top; y < R.Bottom; ++y)
            for (Integer x = R.Left; x < R.Right; ++x) n += b.PixelColor(x, y) == ColorToRGB(C);
        return n;
    };
    const TRect selected = grid->CellRect(1, 1), plain = grid->CellRect(2, 1);
    EXPECT_GT(count(selected, clHighlightText), 20) << "text on the selection";
    EXPECT_GT(count(selected, clHighlight), 20);
    EXPECT_EQ(count(Rect(selected.Right, selected.Top, selected.Right + 1, selected.Bottom), clHighlightText), 0)
        << "the long text stops at its cell";
    EXPECT_GT(count(plain, clHighlight), 20) << "the anchor's column is selected too";
    EXPECT_GT(count(grid->CellRect(0, 2), clWindowText), 10) << "a fixed cell's text";
    EXPECT_EQ(b.PixelColor(selected.Right, selected.Top + 3), ColorToRGB(clSilver)) << "the grid line";
    EXPECT_EQ(b.PixelColor(grid->CellRect(0, 1).Right, 5), ColorToRGB(clBlack)) << "a fixed cell's line";
    EXPECT_EQ(b.PixelColor(grid->Width() - 20, 5), ColorToRGB(clWindow)) << "right of the last column";
    // The focused current cell is not highlighted; its focus rectangle shows instead.
    const TRect focused = grid->CellRect(2, 2);
    EXPECT_EQ(count(focused, clHighlight), 0);
    EXPECT_GT(count(Rect(focused.Left, focused.Top, focused.Right, focused.Top + 1), clWindow), 0);
}

}  // namespace
}  // namespace gw::test
