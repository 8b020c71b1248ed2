// The string grid's cell graphics: attaching and removing records by kind, who frees which
// object, the shared row check box of column 0, markers, comments, cell scroll bars, images,
// button and expand geometry, and the sort key of bitmaps.
#include "grid/foundation/mouse_actions.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphic.h"
#include "platform/graphics/image_formats.h"
#include "platform/graphics/image_list.h"
#include "platform/runtime/string_list.h"
#include "tests/grid/model/counted.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gw::test {
namespace {

class TGraphicGrid : public TExtStringGrid {
public:
    using TExtStringGrid::DoColorSelect;
    using TExtStringGrid::DoImageSelect;
    using TExtStringGrid::DoRatingChange;
    using TExtStringGrid::GetCellGraphic;
    using TExtStringGrid::GetCellType;
    using TExtStringGrid::TExtStringGrid;
};

class ExtStringGridGraphics : public ::testing::Test {
protected:
    THarness h;
    TGraphicGrid g{nullptr};
    int deaths = 0;
    Counted<TBitmap> bitmap{deaths};
    Counted<TBitmap> other{deaths};
    Counted<TIcon> icon{deaths};
    Counted<TStringList> items{deaths};
};

TEST_F(ExtStringGridGraphics, RemovingTakesOnlyItsOwnKindAndFreesOnlyWhatTheGridMade)
{
    using Attach = std::function<void(TGraphicGrid&)>;
    using Remove = std::function<bool(TGraphicGrid&)>;
    struct Case {
        const char* Name;
        Attach Add;
        TCellType Type;
        Remove Take;
        bool Gone;
    };
    const Integer c = 2;
    const Integer r = 3;
    const std::vector<Case> cases = {
        {"supplied bitmap, RemoveBitmap", [&](auto& G) { G.AddBitmap(c, r, &bitmap, false, haLeft, vaTop); }, ctBitmap,
         [&](auto& G) { return G.RemoveBitmap(c, r); }, true},
        {"supplied bitmap, RemovePicture", [&](auto& G) { G.AddBitmap(c, r, &bitmap, false, haLeft, vaTop); }, ctBitmap,
         [&](auto& G) { return G.RemovePicture(c, r); }, false},
        {"created bitmap, RemoveBitmap", [&](auto& G) { G.CreateBitmap(c, r, true, haLeft, vaTop); }, ctBitmap,
         [&](auto& G) { return G.RemoveBitmap(c, r); }, true},
        {"created picture, RemoveBitmap", [&](auto& G) { G.CreatePicture(c, r, false, Stretch, 0, haLeft, vaTop); },
         ctPicture, [&](auto& G) { return G.RemoveBitmap(c, r); }, false},
        {"created picture, RemovePicture", [&](auto& G) { G.CreatePicture(c, r, false, Stretch, 0, haLeft, vaTop); },
         ctPicture, [&](auto& G) { return G.RemovePicture(c, r); }, true},
        {"created file picture, RemoveFilePicture",
         [&](auto& G) { G.CreateFilePicture(c, r, false, noStretch, 0, haLeft, vaTop); }, ctFilePicture,
         [&](auto& G) { return G.RemoveFilePicture(c, r); }, true},
        {"supplied icon, RemoveIcon", [&](auto& G) { G.AddIcon(c, r, &icon, haLeft, vaTop); }, ctIcon,
         [&](auto& G) { return G.RemoveIcon(c, r); }, true},
        {"created icon, RemoveBitmap", [&](auto& G) { G.CreateIcon(c, r, haLeft, vaTop); }, ctIcon,
         [&](auto& G) { return G.RemoveBitmap(c, r); }, false},
        {"button, RemoveButton", [&](auto& G) { G.AddButton(c, r, 40, 20, u"Go", haLeft, vaTop); }, ctButton,
         [&](auto& G) { return G.RemoveButton(c, r); }, true},
        {"created bit button, RemoveButton", [&](auto& G) { G.CreateBitButton(c, r, 40, 20, u"Go", haLeft, vaTop); },
         ctBitButton, [&](auto& G) { return G.RemoveButton(c, r); }, true},
        {"supplied bit button, RemoveBitButton",
         [&](auto& G) { G.AddBitButton(c, r, 40, 20, u"Go", &bitmap, haLeft, vaTop); }, ctBitButton,
         [&](auto& G) { return G.RemoveBitButton(c, r); }, true},
        {"button, RemoveBitButton", [&](auto& G) { G.AddButton(c, r, 40, 20, u"Go", haLeft, vaTop); }, ctButton,
         [&](auto& G) { return G.RemoveBitButton(c, r); }, false},
        {"supplied radio list, RemoveRadio", [&](auto& G) { G.AddRadio(c, r, 0, 0, &items); }, ctRadio,
         [&](auto& G) { return G.RemoveRadio(c, r); }, true},
        {"created radio list, RemoveRadio", [&](auto& G) { G.CreateRadio(c, r, 1, 0)->Add(u"one"); }, ctRadio,
         [&](auto& G) { return G.RemoveRadio(c, r); }, true},
        {"comment, RemoveShape", [&](auto& G) { G.AddComment(c, r, u"note"); }, ctComment,
         [&](auto& G) { return G.RemoveShape(c, r); }, false},
        {"comment, RemoveComment", [&](auto& G) { G.AddComment(c, r, u"note"); }, ctComment,
         [&](auto& G) { return G.RemoveComment(c, r); }, true},
        {"shape, RemoveShape", [&](auto& G) { G.AddShape(c, r, csCircle, clRed, clBlack, haLeft, vaTop); }, ctShape,
         [&](auto& G) { return G.RemoveShape(c, r); }, true},
        {"rating, RemoveRating", [&](auto& G) { G.AddRating(c, r, 5, clYellow, clGray); }, ctRating,
         [&](auto& G) { return G.RemoveRating(c, r); }, true},
        {"progress, RemoveExtProgress", [&](auto& G) { G.AddProgress(c, r, clBlue, clWhite); }, ctProgress,
         [&](auto& G) { return G.RemoveExtProgress(c, r); }, false},
        {"ext progress, RemoveExtProgress", [&](auto& G) { G.AddExtProgress(c, r, 0, 10); }, ctXPProgress,
         [&](auto& G) { return G.RemoveExtProgress(c, r); }, true},
        {"pie, RemoveProgressPie", [&](auto& G) { G.AddProgressPie(c, r, clRed, 30); }, ctProgressPie,
         [&](auto& G) { return G.RemoveProgressPie(c, r); }, true},
        {"range, RemoveRangeIndicator", [&](auto& G) { G.AddRangeIndicator(c, r, 10, clRed, clGreen, true); },
         ctRangeIndicator, [&](auto& G) { return G.RemoveRangeIndicator(c, r); }, true},
        {"scroll bar, RemoveScrollBar", [&](auto& G) { G.AddScrollBar(c, r, false); }, ctScrollbar,
         [&](auto& G) { return G.RemoveScrollBar(c, r); }, true},
        {"rotated, RemoveRotated", [&](auto& G) { G.AddRotated(c, r, 90, u"up"); }, ctRotated,
         [&](auto& G) { return G.RemoveRotated(c, r); }, true},
        {"interfaced, RemoveInterfacedCell", [&](auto& G) { G.AddInterfacedCell(c, r, &items); }, ctInterface,
         [&](auto& G) { return G.RemoveInterfacedCell(c, r); }, true},
        {"marker only, RemoveComment", [&](auto& G) { G.AddMarker(c, r, 1, 2); }, ctEmpty,
         [&](auto& G) { return G.RemoveComment(c, r); }, false},
        {"expand, RemoveExpand", [&](auto& G) { G.AddExpand(c, r, 60); }, ctExpand,
         [&](auto& G) { return G.RemoveExpand(c, r); }, true},
        {"balloon, RemoveExpand", [&](auto& G) { G.AddBalloon(c, r, u"T", u"x", biInfo); }, ctBalloon,
         [&](auto& G) { return G.RemoveExpand(c, r); }, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.Name);
        k.Add(g);
        ASSERT_NE(g.GetCellGraphic(c, r), nullptr);
        EXPECT_EQ(g.GetCellGraphic(c, r)->CellType, k.Type);
        EXPECT_EQ(k.Take(g), k.Gone);
        EXPECT_EQ(g.GetCellGraphic(c, r) == nullptr, k.Gone);
        EXPECT_EQ(deaths, 0) << "an object the caller supplied is never freed";
        g.RemoveCellGraphic(c, r);
        EXPECT_EQ(g.GetCellGraphic(c, r), nullptr);
        EXPECT_FALSE(g.RemoveCellGraphic(c, r)) << "nothing left to remove";
    }
    // Objects the grid made die with their record (the leak check sees any that does not).
}

TEST_F(ExtStringGridGraphics, AddingReplacesTheGraphicAndKeepsTheText)
{
    g.AddBitmap(1, 1, &bitmap, false, haLeft, vaTop);
    EXPECT_EQ(g.GetCellEx(1, 1), u"") << "no text left behind by attaching to an empty cell";
    EXPECT_EQ(g.GetBitmap(1, 1), &bitmap);
    EXPECT_TRUE(g.HasBitmap(1, 1));

    g.AddBitmap(1, 1, &other, false, haLeft, vaTop);
    EXPECT_EQ(g.GetBitmap(1, 1), &other);
    EXPECT_EQ(deaths, 0) << "a replaced supplied bitmap stays the caller's";

    TBitmap* made = g.CreateBitmap(1, 1, true, haCenter, vaCenter);
    EXPECT_EQ(g.GetBitmap(1, 1), made);
    EXPECT_TRUE(g.GetCellGraphic(1, 1)->CellCreated);
    g.AddBitmap(1, 1, &bitmap, false, haLeft, vaTop);  // frees `made`; the leak check would tell
    EXPECT_FALSE(g.GetCellGraphic(1, 1)->CellCreated);

    g.SetCellEx(2, 2, u"abc");
    g.AddIcon(2, 2, &icon, haLeft, vaTop);
    EXPECT_EQ(g.GetCellEx(2, 2), u"abc");
    EXPECT_EQ(g.GetBitmap(2, 2), nullptr) << "an icon is no bitmap";
    EXPECT_EQ(deaths, 0);
}

TEST_F(ExtStringGridGraphics, RowCheckBoxOfColumnZeroIsSharedAndNeverFreed)
{
    g.MouseActions()->SetHotmailRowSelect(true);
    for (Integer r = 0; r < g.RowCount(); ++r) EXPECT_EQ(g.GetCellType(0, r), ctRowCheckBox) << r;
    EXPECT_EQ(g.GetCellType(1, 1), ctEmpty);

    // Attaching in column 0 works on the cell's own slot: the old record there is freed, the
    // shared one is not touched; the leak and double-free checks watch both.
    g.CreateBitmap(0, 2, false, haLeft, vaTop);
    g.AddBitmap(0, 2, &bitmap, false, haLeft, vaTop);
    EXPECT_EQ(g.GetCellType(0, 2), ctRowCheckBox);
    EXPECT_FALSE(g.RemoveBitmap(0, 2)) << "the cell reads as a row check box";

    g.MouseActions()->SetHotmailRowSelect(false);
    EXPECT_EQ(g.GetBitmap(0, 2), &bitmap) << "the cell's own record survived";
    EXPECT_TRUE(g.RemoveBitmap(0, 2));
    EXPECT_EQ(deaths, 0);
}

TEST_F(ExtStringGridGraphics, TypeTestsLookAtTheBaseCell)
{
    g.AddButton(1, 1, 30, 16, u"b", haLeft, vaTop);
    g.AddCheckBox(3, 1, true, false);
    g.AddRating(3, 3, 5, clRed, clGray);
    g.MergeCells(1, 1, 2, 2);
    EXPECT_TRUE(g.HasButton(2, 2)) << "a merged cell answers for its base";
    EXPECT_TRUE(g.HasControlGraphic(2, 1));
    EXPECT_FALSE(g.HasCheckBox(2, 2));
    EXPECT_TRUE(g.HasCheckBox(3, 1));
    EXPECT_FALSE(g.HasDataCheckBox(3, 1));
    EXPECT_TRUE(g.HasRating(3, 3));
    EXPECT_FALSE(g.HasControlGraphic(3, 3));
    EXPECT_FALSE(g.HasButton(-1, 1));
    EXPECT_FALSE(g.HasCheckBox(3, -1));
    EXPECT_EQ(g.GetCellType(-1, 0), ctEmpty);

    g.AddDataImage(4, 4, 1, haLeft, vaTop);
    EXPECT_FALSE(g.HasDataImage(4, 4)) << "no image list, no data image";
    TCustomImageList images;
    g.GridImages = &images;
    g.AddDataImage(4, 4, 3, haLeft, vaTop);
    EXPECT_TRUE(g.HasDataImage(4, 4));
    EXPECT_TRUE(g.HasDataGraphic(4, 4));
    EXPECT_EQ(g.GetCellEx(4, 4), u"3") << "an empty cell gets the index as its value";
    EXPECT_TRUE(g.RemoveDataImage(4, 4));
    EXPECT_EQ(g.GetCellEx(4, 4), u"");
    g.GridImages = nullptr;
}

TEST_F(ExtStringGridGraphics, MarkersCommentsShapesAndScrollBars)
{
    g.AddBitmap(1, 1, &bitmap, false, haLeft, vaTop);
    g.AddMarker(1, 1, 4, 3);
    Integer pos = -1;
    Integer len = -1;
    g.GetMarker(1, 1, pos, len);
    EXPECT_EQ(pos, 4);
    EXPECT_EQ(len, 3);
    EXPECT_EQ(g.GetBitmap(1, 1), &bitmap) << "the marker rides on the bitmap's record";
    g.RemoveMarker(1, 1);
    g.GetMarker(1, 1, pos, len);
    EXPECT_EQ(pos, 0);
    EXPECT_EQ(len, 0);
    EXPECT_EQ(g.GetBitmap(1, 1), &bitmap);
    g.AddMarker(2, 1, 0, 1);
    EXPECT_EQ(g.GetCellType(2, 1), ctEmpty);
    g.RemoveAllMarkers();
    EXPECT_EQ(g.GetCellGraphic(2, 1), nullptr) << "a marker-only record goes";
    EXPECT_EQ(g.GetBitmap(1, 1), &bitmap);
    g.GetMarker(3, 3, pos, len);
    EXPECT_EQ(pos + len, 0);

    g.AddComment(2, 2, u"first");
    EXPECT_EQ(TColor(g.GetCellGraphic(2, 2)->CellIndex), g.ControlLook()->CommentColor());
    g.SetComment(2, 2, u"second");
    EXPECT_EQ(g.GetComment(2, 2), u"second");
    g.AddButton(3, 2, 10, 10, u"b", haLeft, vaTop);
    g.SetComment(3, 2, u"ignored");
    EXPECT_EQ(g.GetComment(3, 2), u"");
    EXPECT_EQ(g.GetButtonText(3, 2), u"b");
    g.SetComment(4, 2, u"new");
    EXPECT_EQ(g.GetComment(4, 2), u"new");
    g.RemoveAllComments();
    String comment;
    EXPECT_FALSE(g.IsComment(2, 2, comment));
    EXPECT_FALSE(g.IsComment(4, 2, comment));
    EXPECT_TRUE(g.HasButton(3, 2));

    EXPECT_EQ(g.GetShapeColor(3, 2), TColor(0x1FFFFFFF));
    g.AddShape(1, 3, csStar, clRed, clBlack, haLeft, vaTop);
    g.SetShapeColor(1, 3, clGreen);
    EXPECT_EQ(g.GetShapeColor(1, 3), clGreen);
    g.SetShapeColor(3, 2, clGreen);
    EXPECT_EQ(g.GetCellGraphic(3, 2)->CellIndex, Integer((10 << 16) | 10)) << "no shape, no change";

    EXPECT_EQ(g.GetScrollPosition(2, 3), -1);
    EXPECT_EQ(g.GetScrollProp(2, 3), (TPoint{-1, -1}));
    g.AddScrollBar(2, 3, false);
    EXPECT_EQ(g.GetScrollProp(2, 3), (TPoint{0, 100}));
    g.SetScrollPosition(2, 3, 40);
    g.SetScrollProp(2, 3, {10, 200});
    EXPECT_EQ(g.GetScrollPosition(2, 3), 40);
    EXPECT_EQ(g.GetScrollProp(2, 3), (TPoint{10, 200}));
    EXPECT_FALSE(g.HasAutoRangeScrollBar(2, 3));
}

TEST_F(ExtStringGridGraphics, ImagesNeedTheGridsImageList)
{
    g.AddImageIdx(1, 1, 2, haLeft, vaTop);
    g.AddMultiImage(1, 2, 0, haLeft, vaTop);
    EXPECT_EQ(g.GetCellGraphic(1, 1), nullptr);
    EXPECT_EQ(g.GetCellGraphic(1, 2), nullptr);

    TCustomImageList images;
    g.GridImages = &images;
    g.AddImageIdx(1, 1, 2, haLeft, vaTop);
    EXPECT_EQ(g.GetImageIdx(1, 1), 2);
    g.SetImageIdx(1, 1, 5);
    EXPECT_EQ(g.GetImageIdx(1, 1), 5);
    EXPECT_EQ(g.GetImageIdx(2, 1), -1);
    g.AddMultiImage(1, 2, 0, haLeft, vaTop);
    ASSERT_NE(g.GetCellImages(1, 2), nullptr);
    g.GetCellImages(1, 2)->Add(3);
    EXPECT_TRUE(g.GetCellGraphic(1, 2)->CellBoolean) << "direction 0 lays images side by side";
    EXPECT_EQ(g.GetCellImages(1, 1), nullptr);
    g.GridImages = nullptr;
    EXPECT_EQ(g.GetImageIdx(1, 1), -1) << "read only while the list is set";
}

TEST_F(ExtStringGridGraphics, RotatedTextAndSortKeys)
{
    g.AddRotated(1, 1, -90, u"side");
    Integer angle = 0;
    EXPECT_TRUE(g.IsRotated(1, 1, angle));
    EXPECT_EQ(angle, 270);
    EXPECT_EQ(g.GetCellEx(1, 1), u"side");
    g.AddComment(2, 1, u"c");
    g.SetRotated(2, 1, 45);
    EXPECT_TRUE(g.IsRotated(2, 1, angle)) << "the existing record turns rotated";
    EXPECT_EQ(angle, 45);
    EXPECT_FALSE(g.IsRotated(3, 1));

    TCustomImageList images;
    g.GridImages = &images;
    g.AddBitmap(1, 2, &other, false, haLeft, vaTop);
    g.AddBitmap(1, 3, &bitmap, false, haLeft, vaTop);
    g.AddBitmap(1, 4, &other, false, haLeft, vaTop);
    g.AddImageIdx(1, 5, 7, haLeft, vaTop);
    const Integer first = g.GetGraphicSortKey(1, 2);
    const Integer second = g.GetGraphicSortKey(1, 3);
    EXPECT_EQ(first, 0) << "numbered in the order first seen, not by address";
    EXPECT_EQ(second, 1);
    EXPECT_EQ(g.GetGraphicSortKey(1, 4), first) << "the same bitmap keeps its number";
    EXPECT_EQ(g.GetGraphicSortKey(1, 5), 7);
    EXPECT_EQ(g.GetGraphicSortKey(3, 3), -1);
    g.GridImages = nullptr;
}

TEST_F(ExtStringGridGraphics, ButtonAndExpandRectanglesSitInTheCell)
{
    g.SetGridLineWidth(0);
    g.SetColWidths(0, 100);
    g.SetColWidths(1, 100);
    g.SetRowHeights(0, 40);
    g.SetRowHeights(1, 20);
    const TRect cell = g.CellRect(1, 1);
    ASSERT_EQ(cell, (TRect{100, 40, 200, 60})) << "the fixture's cell";

    g.AddExpand(1, 1, 80);
    EXPECT_EQ(g.CellExpandRect(1, 1), (TRect{187, 42, 198, 53}));
    EXPECT_EQ(g.CellExpandRect(2, 1), TRect{});
    EXPECT_EQ(g.GetExpandHeight(1, 1, true), 80);
    EXPECT_EQ(g.GetExpandHeight(1, 1, false), 20);
    EXPECT_EQ(g.GetExpandHeight(2, 2, true), g.DefaultRowHeight());
    EXPECT_FALSE(g.GetExpandState(1, 1));
    EXPECT_TRUE(g.ToggleExpand(1, 1));
    EXPECT_TRUE(g.GetExpandState(1, 1));
    EXPECT_FALSE(g.ToggleExpand(1, 1));
    EXPECT_FALSE(g.ToggleExpand(2, 2)) << "no record";

    struct Case {
        TCellHAlign H;
        TCellVAlign V;
        TRect Expected;
    };
    for (const Case& k : {Case{haLeft, vaTop, {107, 43, 137, 55}}, Case{haFull, vaTop, {100, 43, 200, 55}},
                          Case{haLeft, vaFull, {107, 40, 137, 60}}}) {
        g.AddButton(1, 1, 30, 12, u"ok", k.H, k.V);
        g.GetCellGraphic(1, 1)->CellValue = {7, 3};  // where the painter put it
        EXPECT_EQ(g.CellButtonRect(1, 1), k.Expected) << int(k.H) << "/" << int(k.V);
    }
    EXPECT_EQ(g.CellButtonRect(2, 1), TRect{});
    g.PushButton(1, 1, true);
    EXPECT_TRUE(g.GetCellGraphic(1, 1)->CellBoolean);
    g.SetButtonText(1, 1, u"go");
    EXPECT_EQ(g.GetButtonText(1, 1), u"go");
    g.RemoveAllButtons();
    EXPECT_FALSE(g.HasButton(1, 1));
}

TEST_F(ExtStringGridGraphics, HooksFireTheirEvents)
{
    double rate = 3;
    EXPECT_TRUE(g.DoRatingChange(1, 2, rate)) << "allowed without a handler";
    g.OnRatingChange = [](TObject*, Integer ACol, Integer ARow, double& NewRate, bool& Allow) {
        EXPECT_TRUE(Allow) << "allowed beforehand";
        NewRate = ACol * 10 + ARow + 0.5;
        Allow = false;
    };
    EXPECT_FALSE(g.DoRatingChange(1, 2, rate));
    EXPECT_EQ(rate, 12.5) << "half stars pass through";

    std::vector<std::string> seen;
    g.OnColorSelect = [&](TObject* Sender, Integer ACol, Integer ARow, TColor Color, const String& Value) {
        EXPECT_EQ(Sender, &g);
        seen.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + "," + std::to_string(Color) + "," +
                       std::string(Value.begin(), Value.end()));
    };
    g.OnImageSelect = [&](TObject*, Integer ACol, Integer ARow, Integer Index) {
        seen.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + ",#" + std::to_string(Index));
    };
    g.DoColorSelect(2, 3, clRed);
    g.DoImageSelect(4, 1, 6);
    EXPECT_EQ(seen, (std::vector<std::string>{"2,3,255,clRed", "4,1,#6"}));
}

TEST_F(ExtStringGridGraphics, ControlsKeepTheirSettingsInTheRecord)
{
    g.AddProgressFormatted(1, 1, clBlue, clWhite, clSilver, clBlack, u"%d%%", 5, 50);
    const TCellGraphic& p = *g.GetCellGraphic(1, 1);
    EXPECT_EQ(p.CellType, ctProgress);
    EXPECT_EQ(p.CellBitmapColor, clBlue);
    EXPECT_EQ(p.CellIconColor, clSilver);
    EXPECT_EQ(TColor(p.CellIndex), clWhite);
    EXPECT_EQ(TColor(p.CellAngle), clBlack);
    EXPECT_TRUE(p.CellBoolean) << "text colours given";
    EXPECT_EQ(p.CellErrFrom, 5);
    EXPECT_EQ(p.CellErrLen, 50);
    EXPECT_EQ(p.CellText, u"%d%%");
    g.AddProgress(1, 2, clBlue, clWhite);
    EXPECT_EQ(g.GetCellGraphic(1, 2)->CellErrLen, 100);
    EXPECT_FALSE(g.GetCellGraphic(1, 2)->CellBoolean);

    g.AddProgressPie(2, 1, clRed, 30);
    g.SetProgressPie(2, 1, 75);
    EXPECT_EQ(g.GetCellGraphic(2, 1)->CellAngle, 75);
    EXPECT_EQ(g.GetCellGraphic(2, 1)->CellHAlign, haBeforeText);
    g.SetProgressPie(1, 2, 75);
    EXPECT_EQ(g.GetCellGraphic(1, 2)->CellAngle, 0) << "not a pie: unchanged";

    g.AddRangeIndicator(3, 1, 20, clRed, clGreen, true);
    const TCellGraphic& r = *g.GetCellGraphic(3, 1);
    EXPECT_EQ(r.CellIndex, 20);
    EXPECT_EQ(r.CellBitmapColor, clRed);
    EXPECT_EQ(r.CellIconColor, clGreen);
    EXPECT_TRUE(r.CellBoolean);

    g.AddRating(4, 1, 5, clYellow, clGray);
    EXPECT_EQ(g.GetCellGraphic(4, 1)->CellAngle, 5);
    EXPECT_EQ(TColor(g.GetCellGraphic(4, 1)->CellIndex), clYellow);
    EXPECT_EQ(g.GetCellGraphic(4, 1)->CellBitmapColor, clGray);

    g.AddExtProgress(1, 3, -10, 10);
    EXPECT_EQ(g.GetCellGraphic(1, 3)->CellErrFrom, -10);
    EXPECT_EQ(g.GetCellGraphic(1, 3)->CellErrLen, 10);
}

}  // namespace
}  // namespace gw::test
