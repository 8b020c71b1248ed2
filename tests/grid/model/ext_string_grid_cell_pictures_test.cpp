// The pictures a string grid cell shows: images of the grid's image list (by index, by the cell's
// value, several in a row or column), pictures held by the cell and read from files, the outline
// nodes' glyphs, rich-text cells and the cell's own scroll bar; painted on a recording canvas
// over a bitmap, so that both the calls and the pixels can be checked.
#include "grid/foundation/cell_checker.h"
#include "grid/foundation/file_picture.h"
#include "grid/foundation/int_list.h"
#include "grid/model/cell_node.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/font.h"
#include "platform/graphics/frame_controls.h"
#include "platform/graphics/graphic.h"
#include "platform/graphics/image_list.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/forms.h"
#include "tests/grid/model/paint_grid.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gw::test {
namespace {

// Three images of 8 x 6 pixels, each filled with its own colour.
constexpr std::array<TColor, 3> ImageColours{TColor(0x0000FF), TColor(0x00FF00), TColor(0xFF0000)};
constexpr Integer ImageW = 8, ImageH = 6;

// The grid with its cell-graphic lookup in reach.
class TCellPictureGrid : public TExtStringGrid {
public:
    using TExtStringGrid::GetCellGraphic;
    using TExtStringGrid::TExtStringGrid;
};

class ExtStringGridCellPictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(0, 0, 600, 400);
        images = new TCustomImageList(form);
        images->SetWidth(ImageW);
        images->SetHeight(ImageH);
        for (TColor colour : ImageColours) {
            TBitmap b;
            b.SetSize(ImageW, ImageH);
            b.Canvas()->Brush()->SetColor(colour);
            b.Canvas()->FillRect(Rect(0, 0, ImageW, ImageH));
            images->AddMasked(&b, clFuchsia);
        }
        g = new TCellPictureGrid(form);
        g->SetParent(form);
        g->SetBounds(0, 0, 400, 250);
        g->SetDefaultColWidth(60);
        g->SetDefaultRowHeight(24);
        g->SetColor(clWhite);
        g->GridImages = images;
        // The current cell, and so the selection, away from the cells painted here.
        g->SetCol(4);
        g->SetRow(4);
        bitmap.SetSize(400, 250);
    }
    void TearDown() override { delete form; }
    // The calls painting one cell made; its pixels land in bitmap.
    std::vector<TCanvasCall> Paint(Integer ACol, Integer ARow, TGridDrawState State = 0)
    {
        canvas = std::make_unique<TRecordingCanvas>(bitmap.Surface());
        canvas->Brush()->SetColor(clWhite);
        canvas->FillRect(Rect(0, 0, 400, 250));
        canvas->ClearCalls();
        g->PaintCell(*canvas, ACol, ARow, g->CellRect(ACol, ARow), State);
        return canvas->Calls();
    }
    static std::vector<TCanvasCall> Named(const std::vector<TCanvasCall>& Calls, const std::string& Name)
    {
        std::vector<TCanvasCall> out;
        std::copy_if(Calls.begin(), Calls.end(), std::back_inserter(out),
                     [&](const TCanvasCall& c) { return c.Name == Name; });
        return out;
    }
    static bool DrewText(const std::vector<TCanvasCall>& Calls)
    {
        return std::any_of(Calls.begin(), Calls.end(),
                           [](const TCanvasCall& c) { return c.Name == "DrawText" && !(c.Args[4] & DT_CALCRECT); });
    }
    // Where a graphic placed at the cell's top left starts.
    TPoint Anchor(Integer ACol, Integer ARow) const
    {
        const TRect cell = g->CellRect(ACol, ARow);
        return Point(cell.Left + g->XYOffset.X, cell.Top + g->XYOffset.Y);
    }
    THarness h;
    TForm* form = nullptr;
    TCustomImageList* images = nullptr;
    TCellPictureGrid* g = nullptr;
    TBitmap bitmap;
    std::unique_ptr<TRecordingCanvas> canvas;
};

TEST_F(ExtStringGridCellPictures, ImageListGraphicsDrawTheImagesTheirCellsName)
{
    // Each case: how the cell is set up, then the image expected in each slot from the anchor
    // (-1: the slot stays empty), the slots running right or down, and whether the text shows.
    struct Case {
        const char* Name;
        std::function<void(TExtStringGrid&)> Setup;
        std::vector<Integer> Slots;
        bool Down;
        bool Text;
    };
    const std::vector<Case> cases{
        {"index", [](TExtStringGrid& G) { G.AddImageIdx(1, 1, 2, haLeft, vaTop); }, {2}, false, true},
        {"value",
         [](TExtStringGrid& G) {
             G.AddDataImage(1, 1, 0, haLeft, vaTop);
             G.SetCells(1, 1, u"1");
         },
         {1},
         false,
         false},
        {"value plus offset",
         [](TExtStringGrid& G) {
             G.AddDataImage(1, 1, 1, haLeft, vaTop);
             G.SetCells(1, 1, u"1");
         },
         {2},
         false,
         false},
        {"value past the list",
         [](TExtStringGrid& G) {
             G.AddDataImage(1, 1, 0, haLeft, vaTop);
             G.SetCells(1, 1, u"3");
         },
         {-1},
         false,
         false},
        {"negative value",
         [](TExtStringGrid& G) {
             G.AddDataImage(1, 1, 0, haLeft, vaTop);
             G.SetCells(1, 1, u"-1");
         },
         {-1},
         false,
         false},
        {"no number counts as 0",
         [](TExtStringGrid& G) {
             G.AddDataImage(1, 1, 0, haLeft, vaTop);
             G.SetCells(1, 1, u"none");
         },
         {0},
         false,
         false},
        {"several side by side",
         [](TExtStringGrid& G) {
             G.AddMultiImage(1, 1, 0, haLeft, vaTop);
             G.GetCellImages(1, 1)->Add(2);
             G.GetCellImages(1, 1)->Add(0);
         },
         {2, 0, -1},
         false,
         true},
        {"several one under the other",
         [](TExtStringGrid& G) {
             G.AddMultiImage(1, 1, 1, haLeft, vaTop);
             G.GetCellImages(1, 1)->Add(1);
             G.GetCellImages(1, 1)->Add(2);
         },
         {1, 2},
         true,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        g->SetCells(1, 1, u"");
        g->RemoveCellGraphic(1, 1);
        c.Setup(*g);
        if (c.Text && g->Cells(1, 1).empty()) g->SetCells(1, 1, u"x");
        const auto calls = Paint(1, 1);
        const TPoint at = Anchor(1, 1);
        for (size_t k = 0; k < c.Slots.size(); ++k) {
            const Integer x = at.X + (c.Down ? 0 : Integer(k) * ImageW) + 1;
            const Integer y = at.Y + (c.Down ? Integer(k) * ImageH : 0) + 1;
            SCOPED_TRACE(k);
            if (c.Slots[k] < 0)
                EXPECT_EQ(bitmap.PixelColor(x, y), clWhite);
            else
                EXPECT_EQ(bitmap.PixelColor(x, y), ImageColours[size_t(c.Slots[k])]);
        }
        EXPECT_EQ(DrewText(calls), c.Text);
    }
}

TEST_F(ExtStringGridCellPictures, WithoutAnImageListNothingIsDrawnAndTheTextStays)
{
    g->AddImageIdx(1, 1, 0, haLeft, vaTop);
    g->SetCells(1, 1, u"1");
    g->GridImages = nullptr;
    const auto calls = Paint(1, 1);
    EXPECT_TRUE(Named(calls, "Draw").empty());
    EXPECT_TRUE(DrewText(calls));
}

TEST_F(ExtStringGridCellPictures, TheImageBeforeTheTextMovesTheTextRightByItsWidth)
{
    g->SetCells(1, 1, u"text");
    const Integer plain = [&] {
        const auto calls = Paint(1, 1);
        return Named(calls, "DrawText").back().Args[0];
    }();
    g->AddImageIdx(1, 1, 0, haBeforeText, vaTop);
    const auto calls = Paint(1, 1);
    EXPECT_EQ(Named(calls, "DrawText").back().Args[0], plain + ImageW);
}

TEST_F(ExtStringGridCellPictures, APictureIsDrawnAtItsPlaceOrStretchedToItsFittedSize)
{
    TPicture source;
    {
        TBitmap b;
        b.SetSize(10, 5);
        b.Canvas()->Brush()->SetColor(TColor(0x0080FF));
        b.Canvas()->FillRect(Rect(0, 0, 10, 5));
        source.SetGraphic(&b);
    }
    const TPoint at = Anchor(1, 1);
    // As it is: drawn at the anchor in its own size.
    g->CreatePicture(1, 1, false, noStretch, 0, haLeft, vaTop)->Assign(&source);
    auto calls = Paint(1, 1);
    ASSERT_EQ(Named(calls, "Draw").size(), 1u);
    EXPECT_EQ(Named(calls, "Draw")[0].Args, (std::vector<Integer>{at.X, at.Y}));
    EXPECT_EQ(bitmap.PixelColor(at.X + 9, at.Y + 4), TColor(0x0080FF));
    EXPECT_EQ(bitmap.PixelColor(at.X + 10, at.Y + 4), clWhite);
    // Stretched keeping its aspect: twice as wide as high over the cell's height less the padding.
    g->CreatePicture(1, 1, false, StretchWithAspectRatio, 4, haLeft, vaTop)->Assign(&source);
    calls = Paint(1, 1);
    ASSERT_EQ(Named(calls, "StretchDraw").size(), 1u);
    const TCellGraphic* graphic = g->GetCellGraphic(1, 1);
    const TRect cell = g->CellRect(1, 1);
    const TPoint fitted = graphic->GetPictureSize(cell.Right - cell.Left - 2, cell.Bottom - cell.Top - 2, true);
    EXPECT_EQ(fitted.X, 2 * fitted.Y);
    EXPECT_EQ(Named(calls, "StretchDraw")[0].Args,
              (std::vector<Integer>{at.X, at.Y, at.X + fitted.X, at.Y + fitted.Y}));
}

TEST_F(ExtStringGridCellPictures, AFilePictureIsReadAtEachPaintAndAGoneFileDrawsNothing)
{
    ScratchDir dir("cell_file_picture");
    const String file = Utf8ToString((dir / "p.bmp").string());
    {
        TBitmap b;
        b.SetSize(12, 6);
        b.Canvas()->Brush()->SetColor(TColor(0x30A030));
        b.Canvas()->FillRect(Rect(0, 0, 12, 6));
        b.SaveToFile(file);
    }
    g->CreateFilePicture(1, 1, false, noStretch, 0, haLeft, vaTop)->SetFilename(file);
    const TPoint at = Anchor(1, 1);
    auto calls = Paint(1, 1);
    ASSERT_EQ(Named(calls, "StretchDraw").size(), 1u);
    EXPECT_EQ(Named(calls, "StretchDraw")[0].Args, (std::vector<Integer>{at.X, at.Y, at.X + 12, at.Y + 6}));
    EXPECT_EQ(bitmap.PixelColor(at.X + 11, at.Y + 5), TColor(0x30A030));
    std::filesystem::remove(dir / "p.bmp");
    EXPECT_NO_THROW(calls = Paint(1, 1));
    EXPECT_TRUE(Named(calls, "StretchDraw").empty());
}

TEST_F(ExtStringGridCellPictures, TheGridForgetsItsImageListAndCellCheckerWhenTheyGo)
{
    auto* checker = new TExtStringGridCheck(form);
    g->CellChecker = checker;
    g->AddImageIdx(1, 1, 0, haLeft, vaTop);
    delete images;
    images = nullptr;
    EXPECT_EQ(g->GridImages, nullptr);
    EXPECT_EQ(g->CellChecker, checker);
    EXPECT_NO_THROW(Paint(1, 1));
    delete checker;
    EXPECT_EQ(g->CellChecker, nullptr);
}

// The node glyphs: a grid whose rows 1 to 3 are one node's block.
class ExtStringGridNodeGlyphs : public ExtStringGridCellPictures {
protected:
    void SetUp() override
    {
        ExtStringGridCellPictures::SetUp();
        g->SetRowCount(6);
        for (Integer r = 1; r < 6; ++r) g->SetCells(1, r, u"row");
        g->AddNode(1, 3);
    }
    TCellNode& Node() { return *g->CellNode(); }
    // Where a glyph Height high is centred in row 1's fixed cell: the painter hands over the
    // cell from its top to two pixels above its bottom.
    Integer GlyphTop(Integer Height) const
    {
        const TRect cell = g->CellRect(0, 1);
        return cell.Top + (cell.Bottom - 2 - cell.Top - Height) / 2;
    }
};

TEST_F(ExtStringGridNodeGlyphs, EveryNodeTypeDrawsItsOwnOpenAndClosedGlyph)
{
    // Row 1 is a level-1 node: its glyph starts at the level's indent less half an indent less 4.
    const Integer left = Node().NodeIndent() - Node().NodeIndent() / 2 - 4;
    for (bool collapsed : {false, true}) {
        SCOPED_TRACE(collapsed ? "collapsed" : "open");
        if (collapsed) g->ContractNode(1);
        // Flat: a box one pixel larger than 8 x 8, a minus, and a plus stroke only when collapsed.
        Node().SetNodeType(cnFlat);
        auto calls = Paint(0, 1);
        const auto boxes = Named(calls, "Rectangle");
        ASSERT_FALSE(boxes.empty());
        const TCanvasCall& box = boxes.back();
        EXPECT_EQ(box.Args[0], left + 4);
        EXPECT_EQ(box.Args[2] - box.Args[0], 9);
        EXPECT_EQ(box.Args[3] - box.Args[1], 9);
        EXPECT_EQ(box.PenColor, Node().NodeColor);
        const Integer x = box.Args[0], y = box.Args[1];
        const auto lines = canvas->Log();
        const auto has = [&](const std::string& Line) {
            return std::find(lines.begin(), lines.end(), Line) != lines.end();
        };
        EXPECT_TRUE(has("LineTo(" + std::to_string(x + 7) + "," + std::to_string(y + 4) + ")"));
        EXPECT_EQ(has("LineTo(" + std::to_string(x + 4) + "," + std::to_string(y + 7) + ")"), collapsed);
        // 3-D: a soft edge raised while collapsed and sunken while open.
        Node().SetNodeType(cn3D);
        calls = Paint(0, 1);
        const auto edges = Named(calls, "DrawEdge");
        ASSERT_EQ(edges.size(), 1u);
        EXPECT_EQ(edges[0].Args[2] - edges[0].Args[0], 8);
        EXPECT_EQ(Cardinal(edges[0].Args[4]), collapsed ? EDGE_RAISED : EDGE_SUNKEN);
        // XP: the 9 x 9 plus or minus box, 4 pixels in; its key colour takes the cell's background.
        Node().SetNodeType(cnXP);
        calls = Paint(0, 1);
        auto draws = Named(calls, "Draw");
        ASSERT_EQ(draws.size(), 1u);
        const TPoint xp = Point(draws[0].Args[0], draws[0].Args[1]);
        EXPECT_EQ(xp.X, left + 4);
        EXPECT_EQ(xp.Y, GlyphTop(10));
        EXPECT_EQ(bitmap.PixelColor(xp.X + 2, xp.Y + 4), clBlack);  // the minus
        EXPECT_EQ(bitmap.PixelColor(xp.X + 4, xp.Y + 2) == clBlack, collapsed);  // the plus stroke
        EXPECT_NE(bitmap.PixelColor(xp.X, xp.Y), clFuchsia);
        // Leaf: the closed or the open folder.
        Node().SetNodeType(cnLeaf);
        calls = Paint(0, 1);
        draws = Named(calls, "Draw");
        ASSERT_EQ(draws.size(), 1u);
        const TPoint leaf = Point(draws[0].Args[0], draws[0].Args[1]);
        EXPECT_EQ(leaf.X, left);
        EXPECT_EQ(bitmap.PixelColor(leaf.X + 8, leaf.Y + 8), collapsed ? TColor(0x5AD6FF) : TColor(0x006080));
    }
}

TEST_F(ExtStringGridNodeGlyphs, OwnGlyphsShowOnlyWhenBothAreSet)
{
    const auto square = [](TBitmap& B, TColor Colour) {
        B.SetSize(6, 6);
        B.Canvas()->Brush()->SetColor(Colour);
        B.Canvas()->FillRect(Rect(0, 0, 6, 6));
        B.Canvas()->SetPixel(0, 0, clFuchsia);
    };
    TBitmap expand, contract;
    square(expand, clGreen);
    square(contract, clRed);
    Node().SetNodeType(cnGlyph);
    Node().SetExpandGlyph(&expand);
    // One glyph alone: the box is drawn instead.
    EXPECT_EQ(Named(Paint(0, 1), "DrawEdge").size(), 1u);
    Node().SetContractGlyph(&contract);
    for (bool collapsed : {false, true}) {
        SCOPED_TRACE(collapsed ? "collapsed" : "open");
        if (collapsed) g->ContractNode(1);
        const auto draws = Named(Paint(0, 1), "Draw");
        ASSERT_EQ(draws.size(), 1u);
        const TPoint at = Point(draws[0].Args[0], draws[0].Args[1]);
        EXPECT_EQ(at.Y, GlyphTop(6));
        EXPECT_EQ(bitmap.PixelColor(at.X + 3, at.Y + 3), collapsed ? clRed : clGreen);
    }
}

TEST_F(ExtStringGridNodeGlyphs, TheGlyphSitsOnTheSelectionColourInASelectedCell)
{
    // A fixed cell is never painted selected: the tree lies in a normal column here.
    g->SetFixedCols(0);
    g->SetLeftCol(0);
    Node().SetNodeType(cnXP);
    g->SetSelectionColor(TColor(0x40C0C0));
    auto draws = Named(Paint(0, 1, gdSelected), "Draw");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(bitmap.PixelColor(draws[0].Args[0], draws[0].Args[1]), TColor(0x40C0C0));
    g->ShowSelection = false;
    draws = Named(Paint(0, 1, gdSelected), "Draw");
    EXPECT_NE(bitmap.PixelColor(draws[0].Args[0], draws[0].Args[1]), TColor(0x40C0C0));
}

TEST_F(ExtStringGridNodeGlyphs, TheTreeStubRunsDownOnlyToChildrenThatShow)
{
    Node().SetShowTree(true);
    const Integer x = Node().NodeIndent() / 2 + 2;
    const TRect cell = g->CellRect(0, 1);
    const Integer mid = cell.Top + (cell.Bottom - cell.Top) / 2;
    // A vertical line at the glyph's centre from about the middle of the row downwards.
    const auto stubDown = [&] {
        Paint(0, 1);
        const auto log = canvas->Log();
        const std::string from = "MoveTo(" + std::to_string(x) + ",";
        const std::string to = "LineTo(" + std::to_string(x) + ",";
        for (size_t i = 0; i + 1 < log.size(); ++i)
            if (log[i].rfind(from, 0) == 0 && log[i + 1].rfind(to, 0) == 0) {
                const Integer y0 = std::stoi(log[i].substr(from.size()));
                const Integer y1 = std::stoi(log[i + 1].substr(to.size()));
                if (std::abs(y0 - mid) <= 1 && y1 >= cell.Bottom - 2) return true;
            }
        return false;
    };
    EXPECT_TRUE(stubDown());
    // Contracted, the row under the node is one outside every node: no stub.
    g->ContractNode(1);
    EXPECT_FALSE(stubDown());
}

TEST_F(ExtStringGridCellPictures, ARichTextCellIsRenderedInItsOwnColoursUnlessSelected)
{
    const String rtf =
        u"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}\\f0\\cf1 Red text\\par}";
    g->SetSelectionTextColor(clYellow);
    const auto textCall = [](const std::vector<TCanvasCall>& Calls) {
        for (const TCanvasCall& c : Calls)
            if (c.Name == "TextOut" && c.Text == u"Red text") return c;
        ADD_FAILURE() << "no rich text drawn";
        return TCanvasCall{};
    };
    struct Case {
        const char* Name;
        Integer Col;
        bool Keep;
        TColor Expected;
    };
    for (const Case& c : {Case{"not selected", 2, false, clRed}, Case{"selected", 1, false, clYellow},
                          Case{"selected, own colours kept", 1, true, clRed}}) {
        SCOPED_TRACE(c.Name);
        g->SelectionRTFKeep = c.Keep;
        g->SetCells(c.Col, 2, rtf);
        g->SetRow(2);
        g->SetCol(1);
        const auto calls = Paint(c.Col, 2);
        const TCanvasCall text = textCall(calls);
        EXPECT_EQ(text.FontColor, c.Expected);
        // Inside the grid line, inset by the cell offset twice: once for the text, once inside the
        // rich edit's page.
        EXPECT_EQ(text.Args[0], g->CellRect(c.Col, 2).Left + g->GridLineWidth() + 2 * g->XYOffset.X);
    }
    // The document's markup is never shown as text.
    for (const TCanvasCall& c : Paint(2, 2)) EXPECT_EQ(c.Text.find(u"rtf1"), String::npos);
}

TEST_F(ExtStringGridCellPictures, AScrolledCellShowsItsBarAndItsTextMovedUp)
{
    struct Case {
        const char* Name;
        TPoint PageRange;
        Integer Position;
        Integer Shift;  // how far the text moved up; 0: no bar drawn either
    };
    const TRect cell = g->CellRect(1, 2);
    g->SetCells(1, 2, u"line");
    const Integer top = [&] {
        const auto calls = Paint(1, 2);
        return Named(calls, "DrawText").back().Args[1];
    }();
    for (const Case& c : {Case{"scrolled", Point(10, 50), 20, 20}, Case{"at the start", Point(10, 50), 0, 0},
                          Case{"all in view", Point(50, 50), 20, 0}}) {
        SCOPED_TRACE(c.Name);
        g->AddScrollBar(1, 2, false);
        g->SetScrollProp(1, 2, c.PageRange);
        g->SetScrollPosition(1, 2, c.Position);
        const auto calls = Paint(1, 2);
        const TCanvasCall text = Named(calls, "DrawText").back();
        EXPECT_EQ(text.Args[1], top - c.Shift);
        EXPECT_EQ(Named(calls, "IntersectClipRect").size(), c.Shift > 0 ? 1u : 0u);
        const bool bar = c.PageRange.Y > c.PageRange.X;
        // The bar takes the cell's right edge: the text ends before it.
        EXPECT_EQ(text.Args[2] < cell.Right - 17, bar);
        EXPECT_EQ(bitmap.PixelColor(cell.Right - 9, cell.Top + 8) != clWhite, bar);
    }
}

TEST_F(ExtStringGridCellPictures, PictureOfEveryNodeTypeImageKindRichTextAndScrolledCell)
{
    constexpr Integer W = 230, H = 150;
    TBitmap out;
    out.SetSize(3 * (W + 10), 3 * (H + 24));
    out.Canvas()->Brush()->SetColor(TColor(0xF8F7ED));
    out.Canvas()->FillRect(Rect(0, 0, out.Width(), out.Height()));
    Integer slot = 0;
    const auto next = [&](const String& Title, auto&& Setup) {
        auto* grid = new TExtStringGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, W, H);
        grid->SetColCount(3);
        grid->SetRowCount(6);
        grid->SetDefaultColWidth(70);
        grid->SetDefaultRowHeight(22);
        grid->GridImages = images;
        // The current cell out of the way, so that every cell shows its own colours.
        grid->SetCol(2);
        grid->SetRow(5);
        Setup(*grid);
        PaintWholeGrid(*grid, *out.Canvas(), (slot % 3) * (W + 10), (slot / 3) * (H + 24), Title);
        ++slot;
    };
    TBitmap expand, contract;
    for (auto [b, colour] : {std::pair{&expand, clGreen}, std::pair{&contract, clRed}}) {
        b->SetSize(9, 9);
        b->Canvas()->Brush()->SetColor(clFuchsia);
        b->Canvas()->FillRect(Rect(0, 0, 9, 9));
        b->Canvas()->Brush()->SetColor(colour);
        b->Canvas()->Ellipse(Rect(0, 0, 9, 9));
    }
    const std::vector<std::pair<const char16_t*, TCellNodeType>> types{{u"Nodes flat", cnFlat},
                                                                       {u"Nodes 3-D", cn3D},
                                                                       {u"Nodes own glyphs", cnGlyph},
                                                                       {u"Nodes leaf", cnLeaf},
                                                                       {u"Nodes XP", cnXP}};
    for (const auto& [title, type] : types)
        next(title, [&, type = type](TExtStringGrid& G) {
            G.SetColWidths(0, 90);
            const std::vector<const char16_t*> names{u"Group A", u"one", u"two", u"Group B", u"three"};
            for (Integer r = 1; r < 6; ++r) G.SetCells(0, r, names[size_t(r - 1)]);
            G.CellNode()->SetNodeType(type);
            G.CellNode()->SetExpandGlyph(&expand);
            G.CellNode()->SetContractGlyph(&contract);
            G.AddNode(1, 3);
            G.AddNode(4, 2);
            G.ContractNode(4);
        });
    next(u"Images, pictures", [&](TExtStringGrid& G) {
        G.AddImageIdx(1, 1, 0, haBeforeText, vaCenter);
        G.SetCells(1, 1, u"index 0");
        G.AddDataImage(2, 1, 0, haLeft, vaCenter);
        G.SetCells(2, 1, u"2");
        G.AddMultiImage(1, 2, 0, haLeft, vaCenter);
        for (Integer i : {0, 1, 2}) G.GetCellImages(1, 2)->Add(i);
        G.SetRowHeights(3, 40);
        G.AddMultiImage(2, 3, 1, haLeft, vaTop);
        for (Integer i : {2, 1}) G.GetCellImages(2, 3)->Add(i);
        TBitmap b;
        b.SetSize(30, 15);
        b.Canvas()->Brush()->SetColor(TColor(0x0080FF));
        b.Canvas()->FillRect(Rect(0, 0, 30, 15));
        b.Canvas()->Brush()->SetColor(TColor(0x804000));
        b.Canvas()->Ellipse(Rect(0, 0, 30, 15));
        G.CreatePicture(1, 3, false, StretchWithAspectRatio, 2, haLeft, vaTop)->SetGraphic(&b);
        G.CreatePicture(1, 4, false, noStretch, 0, haCenter, vaCenter)->SetGraphic(&b);
    });
    next(u"Rich text, scroll bar", [](TExtStringGrid& G) {
        G.SetColWidths(1, 120);
        G.SetCells(1, 1,
                   u"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red200\\green0\\blue0;\\red0\\green0\\blue200;}"
                   u"\\f0\\cf1 Red \\b bold\\b0\\cf2  blue\\par}");
        G.SetRowHeights(3, 60);
        G.SetCells(1, 3, u"first\nsecond\nthird\nfourth\nfifth");
        G.Multilinecells = true;
        G.AddScrollBar(1, 3, false);
        G.SetScrollProp(1, 3, Point(60, 100));
        G.SetScrollPosition(1, 3, 20);
    });
    const std::filesystem::path file = picturePath("ext_string_grid_cell_pictures.png");
    SaveSurfaceToPng(out.Surface(), Utf8ToString(file.string()));
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_GT(std::filesystem::file_size(file), 10000u);
}

}  // namespace
}  // namespace gw::test
