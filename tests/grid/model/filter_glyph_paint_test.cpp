// The filter glyph in header cells: painted exactly in the cells of the filter drop-down row
// whose column offers a list (as the list itself says), at the cell's top-right corner; the
// column's own glyph (the active one while a filter holds the column) or the program's glyph over
// the fixed colour; the cell's text kept clear of it.
#include "grid/model/filter.h"
#include "grid/model/filter_drop_down.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/unicode.h"
#include "tests/grid/model/paint_grid.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

class TFilterGlyphGrid : public TPaintGrid {
public:
    using TExtStringGrid::GetColumnFilter;
    using TPaintGrid::TPaintGrid;
};

// A glyph of 8 x 8 pixels: the key colour (white) in its top-left corner and the left column,
// Body everywhere else.
std::unique_ptr<TBitmap> Glyph(TColor Body)
{
    auto b = std::make_unique<TBitmap>(8, 8);
    for (Integer y = 0; y < 8; ++y)
        for (Integer x = 0; x < 8; ++x) b->Canvas()->SetPixel(x, y, x == 0 ? clWhite : Body);
    return b;
}

class FilterGlyphPaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(0, 0, 600, 400);
        g = new TFilterGlyphGrid(form);
        g->SetParent(form);
        g->SetBounds(0, 0, 400, 250);
        g->SetDefaultColWidth(60);
        // An emptied table keeps its header row.
        g->FixedRowAlways = true;
        g->SetColCount(4);
        g->SetRowCount(4);
        for (Integer r = 1; r < 4; ++r) g->SetCells(2, r, u"v" + String(1, Char(u'0' + r)));
        form->Show();
        h.ProcessMessages();
    }
    void TearDown() override { delete form; }
    // The glyph stands 16 pixels left of the painted rectangle's right edge, which ends before
    // the grid line.
    Integer GlyphLeft(Integer ACol) const { return g->CellRect(ACol, 0).Right - g->GridLineWidth() - 16; }
    // The bitmaps drawn while painting the cell: their top-left corners.
    std::vector<TPoint> DrawnBitmaps(Integer ACol, Integer ARow)
    {
        TRecordingCanvas c;
        g->PaintCell(c, ACol, ARow, g->CellRect(ACol, ARow), ARow < g->FixedRows() ? gdFixed : 0);
        std::vector<TPoint> at;
        for (const TCanvasCall& call : c.Calls())
            if (call.Name == "Draw") at.push_back({call.Args[0], call.Args[1]});
        return at;
    }
    // The right edge of the rectangle the cell's text was drawn in.
    Integer TextRight(Integer ACol, Integer ARow)
    {
        TRecordingCanvas c;
        g->PaintCell(c, ACol, ARow, g->CellRect(ACol, ARow), gdFixed);
        for (const TCanvasCall& call : c.Calls())
            if (call.Name == "DrawText" && !(call.Args[4] & DT_CALCRECT)) return call.Args[2];
        ADD_FAILURE() << "no text drawn";
        return 0;
    }
    // The colour painting the cell leaves at a point inside it.
    TColor PixelAfterPainting(Integer ACol, Integer ARow, TPoint P)
    {
        TBitmap target(400, 250);
        TRecordingCanvas c(target.Surface());
        g->PaintCell(c, ACol, ARow, g->CellRect(ACol, ARow), gdFixed);
        return target.PixelColor(P.X, P.Y);
    }
    THarness h;
    TForm* form = nullptr;
    TFilterGlyphGrid* g = nullptr;
};

TEST_F(FilterGlyphPaint, ExactlyTheColumnsThatOfferAListShowIt)
{
    struct TCase {
        const char* Name;
        bool Auto;
        TFilterDropDownColumns Columns;
        const char16_t* Clear;
        Integer Rows;  // RowCount
        bool Event;  // OnGetColumnFilter adds an entry to column 3
        Integer Col;
        bool Glyph;
    };
    const TCase cases[] = {
        {"no automatic lists", false, fdNormal, u"(All)", 4, false, 2, false},
        {"a data column's header", true, fdNormal, u"(All)", 4, false, 2, true},
        {"an empty data column collects blanks", true, fdNormal, u"", 4, false, 3, true},
        {"a fixed column", true, fdNormal, u"(All)", 4, false, 0, false},
        {"a fixed column with fdAll", true, fdAll, u"(All)", 4, false, 0, true},
        {"no data rows, no clear entry", true, fdNormal, u"", 1, false, 2, false},
        {"no data rows, the clear entry", true, fdNormal, u"(All)", 1, false, 2, true},
        {"the program's own entry", false, fdNormal, u"(All)", 4, true, 3, true},
        {"the program's list elsewhere", false, fdNormal, u"(All)", 4, true, 2, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        g->FilterDropDownAuto = c.Auto;
        g->FilterDropDownColumns = c.Columns;
        g->FilterDropDownClear = c.Clear;
        g->SetRowCount(c.Rows);
        g->OnGetColumnFilter = nullptr;
        if (c.Event)
            g->OnGetColumnFilter = [](TObject*, Integer Column, TStrings* Filter) {
                if (Column == 3) Filter->Add(u"Big=>100");
            };
        const TRect r = g->CellRect(c.Col, 0);
        const std::vector<TPoint> drawn = DrawnBitmaps(c.Col, 0);
        const std::vector<TPoint> atTheCorner{{GlyphLeft(c.Col), r.Top}};
        EXPECT_EQ(drawn == atTheCorner, c.Glyph);
        EXPECT_EQ(g->GetColumnFilter(c.Col), c.Glyph) << "the glyph shows exactly when a list would open";
        EXPECT_TRUE(DrawnBitmaps(c.Col, 1).empty()) << "only in the filter drop-down row";
    }
    g->SetRowCount(4);
    g->OnGetColumnFilter = nullptr;
    g->FilterDropDownAuto = true;
    g->FilterDropDownClear = u"";
    // Hidden rows are collected too, unless the lists narrow incrementally.
    g->HideRows(1, 3);
    ASSERT_EQ(g->RowCount(), 1);
    for (const bool incremental : {false, true}) {
        g->FilterIncremental = incremental;
        EXPECT_EQ(DrawnBitmaps(2, 0).size(), incremental ? 0u : 1u) << incremental;
        EXPECT_EQ(g->GetColumnFilter(2), !incremental);
    }
    g->UnHideRowsAll();
    g->FilterIncremental = false;
    g->FilterDropDownRow = 1;
    g->SetFixedRows(2);
    EXPECT_TRUE(DrawnBitmaps(2, 0).empty());
    EXPECT_EQ(DrawnBitmaps(2, 1).size(), 1u) << "the row the lists drop from";
}

TEST_F(FilterGlyphPaint, TheColumnsGlyphTheActiveOneOrTheProgramsOverTheFixedColour)
{
    g->FilterDropDownAuto = true;
    g->SetFixedColor(clYellow);
    const TRect r = g->CellRect(2, 0);
    const TPoint at{GlyphLeft(2), r.Top};

    // The program's glyph: drawn, its key colour (its top-left pixel's) as the fixed colour.
    TBitmap program;
    program.LoadFromResourceName(u"ESGFILT");
    const TColor key = program.PixelColor(0, 0);
    TPoint keyPixel{-1, -1}, inkPixel{-1, -1};
    for (Integer y = 2; y < program.Height() - 2; ++y)
        for (Integer x = 2; x < program.Width() - 2; ++x)
            (program.PixelColor(x, y) == key ? keyPixel : inkPixel) = {x, y};
    ASSERT_GE(keyPixel.X, 0);
    ASSERT_GE(inkPixel.X, 0);
    EXPECT_EQ(ColorToRGB(PixelAfterPainting(2, 0, {at.X + keyPixel.X, at.Y + keyPixel.Y})), ColorToRGB(clYellow));
    EXPECT_EQ(PixelAfterPainting(2, 0, {at.X + inkPixel.X, at.Y + inkPixel.Y}),
              program.PixelColor(inkPixel.X, inkPixel.Y));

    // The column's own glyphs, drawn transparently: the key pixel shows the header as it is.
    const TPoint body{at.X + 3, r.Top + 3}, transparent{at.X, r.Top + 3};
    g->FilterDropDownAuto = false;
    const TColor header = PixelAfterPainting(2, 0, transparent);
    g->FilterDropDownAuto = true;

    const auto normal = Glyph(clRed), active = Glyph(clBlue);
    g->FilterDropDown()->SetGlyph(normal.get());
    g->FilterDropDown()->SetGlyphActive(active.get());
    EXPECT_EQ(ColorToRGB(PixelAfterPainting(2, 0, body)), ColorToRGB(clRed));
    EXPECT_EQ(PixelAfterPainting(2, 0, transparent), header) << "drawn transparently";
    TFilterData* d = g->Filter()->Add();
    d->Column = 2;
    d->Condition = u"v1";
    EXPECT_EQ(ColorToRGB(PixelAfterPainting(2, 0, body)), ColorToRGB(clBlue)) << "a filter holds the column";
    EXPECT_EQ(ColorToRGB(PixelAfterPainting(3, 0, {GlyphLeft(3) + 3, r.Top + 3})), ColorToRGB(clRed))
        << "another column keeps the normal glyph";
}

TEST_F(FilterGlyphPaint, TheTextKeepsClearOfTheGlyph)
{
    g->SetCells(2, 0, u"Address");
    g->SetCells(3, 0, u"Address");
    const Integer without = TextRight(2, 0);
    g->FilterDropDownAuto = true;
    EXPECT_EQ(TextRight(2, 0), without - 16);
    EXPECT_EQ(TextRight(2, 0) - g->CellRect(2, 0).Left, TextRight(3, 0) - g->CellRect(3, 0).Left)
        << "every column with a glyph alike";
}

// For a person to look at: the headers of a filterable table, the middle column filtered.
TEST_F(FilterGlyphPaint, APictureOfTheHeaders)
{
    const char16_t* headers[] = {u"", u"Name", u"Address", u"Port"};
    for (Integer c = 0; c < 4; ++c) g->SetCells(c, 0, headers[c]);
    g->SetColWidths(2, 110);
    g->FilterDropDownAuto = true;
    const auto active = Glyph(clRed);
    g->FilterDropDown()->SetGlyphActive(active.get());
    TFilterData* d = g->Filter()->Add();
    d->Column = 2;
    h.ProcessMessages();
    h.SavePng(form, Utf8ToString(picturePath("grid_filter_glyphs.png").string()));
    for (Integer c = 1; c < 4; ++c) EXPECT_EQ(DrawnBitmaps(c, 0).size(), 1u) << c;
}

}  // namespace
}  // namespace gw::test
