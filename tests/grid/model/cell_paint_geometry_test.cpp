// The cell painter's arithmetic: graphic placement, rotated text, the XP progress percentage,
// the rich-text rectangle in twips and the tooltip texts.
#include "grid/model/cell_paint_geometry.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gw::test {
namespace {

std::string Show(const TRect& R)
{
    return std::to_string(R.Left) + "," + std::to_string(R.Top) + "," + std::to_string(R.Right) + "," +
        std::to_string(R.Bottom);
}

TEST(CellPaintGeometry, GraphicPlacementByAlignments)
{
    // A 16 x 10 graphic in (10, 20, 110, 60); the text is 30 wide (TextWidth 30 grows to 32).
    const TRect r = Rect(10, 20, 110, 60);
    struct Case {
        TCellHAlign GH;
        TCellVAlign GV;
        TAlignment HA;
        Integer TextWidth;
        const char* Expected;
    };
    const std::vector<Case> cases = {
        {haLeft, vaTop, taLeftJustify, 0, "11,21,27,31"},
        {haRight, vaBottom, taLeftJustify, 0, "93,49,109,59"},
        {haCenter, vaCenter, taLeftJustify, 0, "52,35,68,45"},
        {haBeforeText, vaTop, taLeftJustify, 30, "11,21,27,31"},
        {haBeforeText, vaTop, taRightJustify, 30, "62,21,78,31"},  // 110 - 32 - 16
        {haBeforeText, vaTop, taCenter, 30, "36,21,52,31"},  // 10 + (100 - 32 - 16) / 2
        {haAfterText, vaTop, taLeftJustify, 30, "42,21,58,31"},
        {haAfterText, vaTop, taRightJustify, 30, "93,21,109,31"},
        {haAfterText, vaTop, taCenter, 30, "68,21,84,31"},  // 10 + 32 + 26
        {haAfterText, vaTop, taLeftJustify, 0, "10,21,26,31"},  // nothing measured: at the left edge
        {haFull, vaFull, taLeftJustify, 0, "10,20,110,60"},
        {haLeft, vaUnderText, taLeftJustify, 0, "11,50,27,60"},
        {haLeft, vaAboveText, taLeftJustify, 0, "11,21,27,31"},
        {haBeforeText, vaTop, taRightJustify, 200, "11,21,27,31"},  // no room: back to the left
    };
    for (const Case& c : cases)
        EXPECT_EQ(Show(PlaceCellGraphic(r, 16, 10, c.GH, c.GV, c.HA, c.TextWidth)), c.Expected)
            << int(c.GH) << " " << int(c.GV) << " " << int(c.HA);
    // A graphic larger than the cell is centred from the left and top edge plus one.
    EXPECT_EQ(Show(PlaceCellGraphic(r, 200, 100, haCenter, vaCenter, taLeftJustify, 0)), "11,21,211,121");
}

TEST(CellPaintGeometry, RotatedTextOriginByQuadrantAndAlignment)
{
    // Text 40 x 10 in (0, 0, 100, 80).
    const TRect r = Rect(0, 0, 100, 80);
    const TSize t{40, 10};
    struct Case {
        Integer Angle;
        TAlignment HA;
        TVAlignment VA;
        TPoint Origin;
    };
    const std::vector<Case> cases = {
        {0, taLeftJustify, vtaTop, {0, 0}},
        {0, taRightJustify, vtaBottom, {60, 70}},
        {0, taCenter, vtaCenter, {30, 35}},
        {90, taLeftJustify, vtaTop, {0, 40}},  // quadrant 1: the origin sits cx below the top
        {90, taRightJustify, vtaBottom, {90, 80}},
        {90, taCenter, vtaCenter, {45, 60}},
        {180, taLeftJustify, vtaTop, {40, 10}},  // quadrant 2
        {180, taRightJustify, vtaBottom, {100, 80}},
        {270, taLeftJustify, vtaTop, {10, 0}},  // quadrant 3
        {270, taRightJustify, vtaBottom, {100, 40}},
        {300, taLeftJustify, vtaTop, {8, 0}},  // quadrant 4
        {-45, taLeftJustify, vtaTop, {0, 28}},  // below 0: quadrant 1, sizes taken absolute
    };
    for (const Case& c : cases) {
        const TPoint p = PlaceRotatedText(r, c.Angle, t, c.HA, c.VA);
        EXPECT_EQ(p.X, c.Origin.X) << c.Angle << " " << int(c.HA) << int(c.VA);
        EXPECT_EQ(p.Y, c.Origin.Y) << c.Angle << " " << int(c.HA) << int(c.VA);
    }
}

TEST(CellPaintGeometry, RotatedTextSizeSwapsAtNinetyDegrees)
{
    EXPECT_EQ(RotatedTextSize(TSize{40, 10}, 0), (TSize{52, 22}));
    EXPECT_EQ(RotatedTextSize(TSize{40, 10}, 90), (TSize{22, 52}));
    EXPECT_EQ(RotatedTextSize(TSize{40, 10}, 180), (TSize{52, 22}));
}

TEST(CellPaintGeometry, XPProgressPercentWithAnEmptyRange)
{
    EXPECT_EQ(XPProgressPercent(50, 0, 100), 50);
    EXPECT_EQ(XPProgressPercent(5, 0, 8), 62);  // 62.5 to even
    EXPECT_EQ(XPProgressPercent(7, 0, 8), 88);  // 87.5 to even
    EXPECT_EQ(XPProgressPercent(15, 10, 20), 50);
    EXPECT_EQ(XPProgressPercent(5, 10, 20), 50) << "the distance from the start counts";
    EXPECT_EQ(XPProgressPercent(50, 0, 0), 0) << "an empty range draws 0 %";
    EXPECT_EQ(XPProgressPercent(50, 30, 30), 0);
}

TEST(CellPaintGeometry, RichTextRectangleInTwipsAtEachResolution)
{
    // (10, 20, 110, 60) inset by (2, 2) pixels at 96 dpi.
    const TRect r = Rect(10, 20, 110, 60);
    struct Case {
        Integer Dpi;
        const char* Expected;
    };
    const std::vector<Case> cases = {
        {96, "180,330,1620,870"},  // (10 + 2) / 96 * 1440 = 180; width (100 - 4) * 15 = 1440
        {120, "150,270,1290,690"},  // inset 2.5: 12.5 / 120 * 1440 = 150; (100 - 5) * 12 = 1140
        {600, "54,78,234,114"},  // inset 12.5: 22.5 * 2.4 = 54; 32.5 * 2.4 = 78; (100 - 25) * 2.4 = 180
    };
    for (const Case& c : cases) EXPECT_EQ(Show(RichFormatRect(r, c.Dpi, c.Dpi, Point(2, 2))), c.Expected) << c.Dpi;
}

TEST(CellPaintGeometry, TooltipTextsAreCutAfterTheLeadingLineBreaks)
{
    const String longText = u"\r\n\r\n" + String(3000, u'x');
    const String tip = BalloonTipText(longText);
    EXPECT_EQ(tip.size(), 2048u);
    EXPECT_EQ(tip.substr(0, 2045), String(2045, u'x'));
    EXPECT_EQ(tip.substr(2045), u"...");
    EXPECT_EQ(BalloonTipText(u"\n\rtab\there"), u"tab here");
    EXPECT_EQ(BalloonTipText(String(2048, u'y')), String(2048, u'y'));
    // Nearly all line breaks: what is left is taken, never past the end.
    const String breaks = String(2100, u'\r') + u"ab";
    EXPECT_EQ(BalloonTipText(breaks), u"ab...");
    EXPECT_EQ(BalloonTipTitle(String(120, u't')), String(97, u't') + u"...");
    EXPECT_EQ(BalloonTipTitle(String(100, u't')), String(100, u't'));
}

}  // namespace
}  // namespace gw::test
