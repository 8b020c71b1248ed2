// How much room a cell's graphic takes beside its text, by type and placement, on screen and in
// print, and the repaint of the active cell's headers. Text widths come from the grid's own canvas.
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/sort_settings.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/graphics/image_formats.h"
#include "platform/graphics/image_list.h"
#include "platform/runtime/string_list.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace gw::test {
namespace {

class TSizeGrid : public TExtStringGrid {
public:
    using TExtStringGrid::CalcCellGraphicSize;
    using TExtStringGrid::CalcPrintGraphicSize;
    using TExtStringGrid::GetCellGraphic;
    using TExtStringGrid::TExtStringGrid;
    void RepaintCell(Integer ACol, Integer ARow) override
    {
        Repainted.push_back({ACol, ARow});
        TExtStringGrid::RepaintCell(ACol, ARow);
    }
    void Invalidate() override
    {
        ++Invalidated;
        TExtStringGrid::Invalidate();
    }
    std::vector<TPoint> Repainted;
    int Invalidated = 0;
};

class TPainter : public TPersistent, public ICellPainter {
public:
    TPainter(Integer W, Integer H) : m_w(W), m_h(H) {}
    void Draw(TCanvas&, const TRect&, Integer, Integer, bool, TExtStringGrid*) override {}
    Integer GetWidth() const override { return m_w; }
    Integer GetHeight() const override { return m_h; }
    bool IsBackground() const override { return false; }

private:
    Integer m_w;
    Integer m_h;
};

class ExtStringGridGraphicSize : public ::testing::Test {
protected:
    ExtStringGridGraphicSize()
    {
        g.SetGridLineWidth(0);
        g.SetColWidths(1, 100);
        g.SetRowHeights(1, 40);
        icon.SetWidth(16);
        icon.SetHeight(16);
        bitmap.SetWidth(24);
        bitmap.SetHeight(12);
    }
    THarness h;
    TSizeGrid g{nullptr};
    TIcon icon;
    TBitmap bitmap;
};

TEST_F(ExtStringGridGraphicSize, ScreenSizeByTypeAndPlacement)
{
    using Attach = std::function<void()>;
    struct Case {
        const char* Name;
        Attach Add;
        const char16_t* Text;
        TPoint Expected;
    };
    const Integer check = g.ControlLook()->CheckSize();
    const Integer radio = g.ControlLook()->RadioSize();
    const TPoint cell = g.CellSize(1, 1);
    ASSERT_EQ(cell, (TPoint{100, 40}));
    TPainter painter(7, 9);
    TPainter flat(7, 0);
    const std::vector<Case> cases = {
        {"icon left, text", [&] { g.AddIcon(1, 1, &icon, haLeft, vaTop); }, u"abc", {0, 16}},
        {"icon left, no text", [&] { g.AddIcon(1, 1, &icon, haLeft, vaTop); }, u"", {16, 16}},
        {"icon beside", [&] { g.AddIcon(1, 1, &icon, haBeforeText, vaTop); }, u"abc", {16, 16}},
        {"bitmap left, text", [&] { g.AddBitmap(1, 1, &bitmap, false, haLeft, vaTop); }, u"abc", {0, 0}},
        {"bitmap after text", [&] { g.AddBitmap(1, 1, &bitmap, false, haAfterText, vaTop); }, u"abc", {24, 0}},
        {"bitmap under text", [&] { g.AddBitmap(1, 1, &bitmap, false, haLeft, vaUnderText); }, u"abc", {0, 12}},
        {"bitmap, no text", [&] { g.AddBitmap(1, 1, &bitmap, false, haLeft, vaTop); }, u"", {24, 12}},
        {"bitmap haFull", [&] { g.AddBitmap(1, 1, &bitmap, false, haFull, vaTop); }, u"", {100, 12}},
        {"bitmap vaFull", [&] { g.AddBitmap(1, 1, &bitmap, false, haLeft, vaFull); }, u"abc", {0, 40}},
        {"bitmap both full", [&] { g.AddBitmap(1, 1, &bitmap, false, haFull, vaFull); }, u"abc", {100, 40}},
        {"button, text", [&] { g.AddButton(1, 1, 60, 20, u"Go", haLeft, vaCenter); }, u"abc", {60, 0}},
        {"button under text", [&] { g.AddButton(1, 1, 60, 20, u"Go", haLeft, vaUnderText); }, u"abc", {0, 20}},
        {"button centred, text", [&] { g.AddButton(1, 1, 60, 20, u"Go", haCenter, vaCenter); }, u"abc", {0, 0}},
        {"button, no text", [&] { g.AddButton(1, 1, 60, 20, u"Go", haLeft, vaCenter); }, u"", {60, 20}},
        {"check box", [&] { g.AddCheckBox(1, 1, true, false); }, u"abc", {check, check}},
        {"tri-state box", [&] { g.AddCheckBox(1, 1, cbGrayed); }, u"", {check, check}},
        {"radio button", [&] { g.AddRadioButton(1, 1, true); }, u"abc", {radio, radio}},
        {"rating", [&] { g.AddRating(1, 1, 5, clYellow, clGray); }, u"", {90, 16}},
        {"pie", [&] { g.AddProgressPie(1, 1, clRed, 10); }, u"", {20, 20}},
        {"painter", [&] { g.AddInterfacedCell(1, 1, &painter); }, u"", {7, 9}},
        {"painter without height", [&] { g.AddInterfacedCell(1, 1, &flat); }, u"", cell},
        {"object without the painter", [&] { g.AddInterfacedCell(1, 1, &bitmap); }, u"", cell},
        {"comment", [&] { g.AddComment(1, 1, u"c"); }, u"", {0, 0}},
        {"marker only", [&] { g.AddMarker(1, 1, 0, 1); }, u"", {0, 0}},
        {"expand", [&] { g.AddExpand(1, 1, 60); }, u"", {0, 0}},
        {"picture stretched",
         [&] { g.CreatePicture(1, 1, false, Stretch, 0, haLeft, vaTop); },
         u"",
         {100 - 1 - 4, 40 - 1 - 4}},
        {"picture stretched, padding 5",
         [&] { g.CreatePicture(1, 1, false, Stretch, 5, haLeft, vaTop); },
         u"",
         {100 - 1 - 4 - 5, 40 - 1 - 4 - 5}},
    };
    for (const Case& c : cases) {
        g.SetCellEx(1, 1, u"");
        c.Add();
        g.SetCellEx(1, 1, c.Text);
        EXPECT_EQ(g.GetCellGraphicSize(1, 1), c.Expected) << c.Name;
    }
    g.RemoveCellGraphic(1, 1);
    EXPECT_EQ(g.GetCellGraphicSize(1, 1), TPoint{}) << "no graphic";

    g.CreatePicture(1, 1, false, Stretch, 0, haLeft, vaTop);
    EXPECT_EQ(g.CalcCellGraphicSize(1, 1, 10), (TPoint{95, 25})) << "the reserve comes off the height";
}

TEST_F(ExtStringGridGraphicSize, FullWidthButtonsAndRatingsKeepTheirWidth)
{
    const Integer caption = g.Canvas()->TextWidth(u"Caption") + 4;
    g.AddButton(1, 1, 60, 20, u"Caption", haFull, vaCenter);
    EXPECT_EQ(g.GetCellGraphicSize(1, 1), (TPoint{caption, 20})) << "captioned, no text: the caption's width";
    g.SetCellEx(1, 1, u"text");
    EXPECT_EQ(g.GetCellGraphicSize(1, 1), (TPoint{100, 0})) << "with text the full width stretches";
    g.SetCellEx(1, 1, u"");
    g.AddButton(1, 1, 60, 20, u"", haFull, vaCenter);
    EXPECT_EQ(g.GetCellGraphicSize(1, 1), (TPoint{100, 20})) << "without caption the full width stretches";
    g.AddRating(1, 1, 4, clYellow, clGray);
    EXPECT_EQ(g.GetCellGraphic(1, 1)->CellHAlign, haFull);
    EXPECT_EQ(g.GetCellGraphicSize(1, 1), (TPoint{72, 16}));
}

TEST_F(ExtStringGridGraphicSize, RadioGroupsAndImageStrips)
{
    TStringList items;
    items.Add(u"a");
    items.Add(u"bbb");
    const TCanvas& canvas = *g.Canvas();
    const Integer th = canvas.TextHeight(u"gh");
    g.AddRadio(1, 1, 0, 0, &items);
    EXPECT_EQ(g.GetCellGraphicSize(1, 1), (TPoint{12 + canvas.TextWidth(u"bbb"), std::max<Integer>(16, th) * 2}));
    EXPECT_EQ(g.CalcPrintGraphicSize(1, 1, 100, 40, 1.0), (TPoint{12 + canvas.TextWidth(u"bbb"), th * 2}))
        << "print takes the text height without the minimum";
    g.AddRadio(1, 1, 1, 0, &items);
    EXPECT_EQ(g.GetCellGraphicSize(1, 1), (TPoint{canvas.TextWidth(u"a") + 12 + canvas.TextWidth(u"bbb") + 12, th}));

    TCustomImageList images;
    images.SetWidth(10);
    images.SetHeight(8);
    g.GridImages = &images;
    g.AddMultiImage(1, 1, 0, haLeft, vaTop);
    for (Integer i : {1, 2, 3}) g.GetCellImages(1, 1)->Add(i);
    EXPECT_EQ(g.GetCellGraphicSize(1, 1), (TPoint{30, 8}));
    g.AddMultiImage(1, 1, 1, haLeft, vaTop);
    g.GetCellImages(1, 1)->Add(0);
    g.GetCellImages(1, 1)->Add(0);
    EXPECT_EQ(g.GetCellGraphicSize(1, 1), (TPoint{10, 16}));
    g.AddImageIdx(1, 1, 0, haLeft, vaTop);
    EXPECT_EQ(g.GetCellGraphicSize(1, 1), (TPoint{10, 8}));
    g.SetCellEx(1, 1, u"x");
    EXPECT_EQ(g.GetCellGraphicSize(1, 1), (TPoint{0, 0}));
    EXPECT_EQ(g.CalcPrintGraphicSize(1, 1, 100, 40, 1.0), (TPoint{0, 8})) << "print keeps the height";
    g.GridImages = nullptr;
}

TEST_F(ExtStringGridGraphicSize, PrintSizes)
{
    struct Case {
        const char* Name;
        std::function<void()> Add;
        TPoint Expected;
    };
    TPainter painter(7, 0);
    const std::vector<Case> cases = {
        {"bitmap, text ignored", [&] { g.AddBitmap(1, 1, &bitmap, false, haLeft, vaTop); }, {24, 12}},
        {"icon", [&] { g.AddIcon(1, 1, &icon, haLeft, vaTop); }, {16, 16}},
        {"button", [&] { g.AddButton(1, 1, 60, 20, u"Go", haFull, vaFull); }, {60, 20}},
        {"progress", [&] { g.AddProgress(1, 1, clBlue, clWhite); }, {100, 40}},
        {"shape", [&] { g.AddShape(1, 1, csCircle, clRed, clBlack, haLeft, vaTop); }, {36, 36}},
        {"pie", [&] { g.AddProgressPie(1, 1, clRed, 1); }, {20, 20}},
        {"painter", [&] { g.AddInterfacedCell(1, 1, &painter); }, {7, 40}},
        {"no painter", [&] { g.AddInterfacedCell(1, 1, &bitmap); }, {0, 0}},
        {"picture at half scale", [&] { g.CreatePicture(1, 1, false, Stretch, 0, haLeft, vaTop); }, {120, 60}},
        {"comment", [&] { g.AddComment(1, 1, u"c"); }, {0, 0}},
    };
    g.SetCellEx(1, 1, u"text");
    for (const Case& c : cases) {
        c.Add();
        EXPECT_EQ(g.CalcPrintGraphicSize(1, 1, 60, 30, 0.5), c.Expected) << c.Name;
    }
}

TEST_F(ExtStringGridGraphicSize, ActiveHeadersOfTheOldThenTheNewCell)
{
    g.Repainted.clear();
    g.RepaintActiveHeaders(2, 3, 4, 5);
    EXPECT_EQ(g.Repainted, (std::vector<TPoint>{{2, 0}, {0, 3}, {4, 0}, {0, 5}}));
    g.SetFixedCols(0);
    g.Repainted.clear();
    g.RepaintActiveHeaders(2, 3, 4, 5);
    EXPECT_EQ(g.Repainted, (std::vector<TPoint>{{2, 0}, {4, 0}}));
}

TEST_F(ExtStringGridGraphicSize, SortIndicatorRowAndWebAddressSettings)
{
    g.SetRowCount(2);
    g.SortSettings()->SetShow(true);
    g.SortSettings()->SetRow(0);
    EXPECT_FALSE(g.IsSortIndicatorCell(1, 0)) << "one normal row: no indicator";
    g.SetRowCount(4);
    EXPECT_TRUE(g.IsSortIndicatorCell(1, 0));
    EXPECT_FALSE(g.IsSortIndicatorCell(1, 1));
    g.SetRowCount(5);
    g.SetFixedRows(2);
    g.SortSettings()->SetRow(1);
    g.MergeCells(1, 0, 1, 2);
    EXPECT_TRUE(g.IsSortIndicatorCell(1, 0)) << "a merged header counts by its last row";
    EXPECT_FALSE(g.IsSortIndicatorCell(2, 0));
    g.SortSettings()->SetShow(false);
    EXPECT_FALSE(g.IsSortIndicatorCell(1, 1));

    g.Invalidated = 0;
    g.SetURLFull(true);
    EXPECT_EQ(g.Invalidated, 0) << "full addresses repaint only while links show";
    g.SetURLShow(true);
    g.SetURLShow(true);
    EXPECT_EQ(g.Invalidated, 1) << "only a new value repaints";
    g.SetURLFull(false);
    g.SetURLShowInText(true);
    EXPECT_EQ(g.Invalidated, 3);
    EXPECT_TRUE(g.URLShow());
    EXPECT_TRUE(g.URLShowInText());
    EXPECT_FALSE(g.URLFull());
}

}  // namespace
}  // namespace gw::test
