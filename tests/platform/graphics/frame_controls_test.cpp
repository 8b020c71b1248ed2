// The classic look: edges, frame controls, and a picture of all of them for a person to see.
#include "pixel_map.h"

#include "platform/graphics/frame_controls.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>

namespace gw {
namespace {

using Rows = std::vector<std::string>;

const std::map<TColor, char> kLegend = {{clWhite, 'W'},
                                        {ColorToRGB(cl3DLight), 'L'},
                                        {ColorToRGB(cl3DDkShadow), 'D'},
                                        {ColorToRGB(clBtnShadow), 'S'},
                                        {clBlack, '#'},
                                        {clRed, '.'}};

std::unique_ptr<TBitmap> RedBitmap(Integer w, Integer h)
{
    auto bmp = std::make_unique<TBitmap>(w, h);
    bmp->Canvas()->Brush()->SetColor(clRed);
    bmp->Canvas()->FillRect(Rect(0, 0, w, h));
    return bmp;
}

TEST(Edges, RaisedAndSunkenRingsInTheirColoursAndAdjust)
{
    auto bmp = RedBitmap(5, 5);
    TRect r = Rect(0, 0, 5, 5);
    EXPECT_TRUE(DrawEdge(*bmp->Canvas(), r, EDGE_RAISED, BF_RECT | BF_ADJUST));
    EXPECT_EQ(test::PixelMap(*bmp, kLegend), (Rows{"LLLLD", "LWWSD", "LW.SD", "LSSSD", "DDDDD"}));
    EXPECT_EQ(r, Rect(2, 2, 3, 3));

    bmp = RedBitmap(5, 5);
    r = Rect(0, 0, 5, 5);
    DrawEdge(*bmp->Canvas(), r, EDGE_SUNKEN, BF_RECT);
    EXPECT_EQ(test::PixelMap(*bmp, kLegend), (Rows{"SSSSW", "SDDLW", "SD.LW", "SLLLW", "WWWWW"}));
    EXPECT_EQ(r, Rect(0, 0, 5, 5));  // no BF_ADJUST

    // Only some sides; the brush and background mode of the caller survive.
    bmp = RedBitmap(4, 3);
    bmp->Canvas()->Brush()->SetColor(clBlue);
    bmp->Canvas()->SetBkMode(TRANSPARENT);
    r = Rect(0, 0, 4, 3);
    DrawEdge(*bmp->Canvas(), r, BDR_SUNKENOUTER, BF_BOTTOM | BF_RIGHT);
    EXPECT_EQ(test::PixelMap(*bmp, kLegend), (Rows{"...W", "...W", "WWWW"}));
    EXPECT_EQ(bmp->Canvas()->Brush()->Color(), clBlue);
    EXPECT_EQ(bmp->Canvas()->BkMode(), TRANSPARENT);
}

TEST(FrameControls, CheckAndRadioMarksFollowTheState)
{
    auto ink = [](Cardinal type, Cardinal state, TColor colour) {
        auto bmp = RedBitmap(13, 13);
        TRect r = Rect(0, 0, 13, 13);
        DrawFrameControl(*bmp->Canvas(), r, type, state);
        int n = 0;
        for (Integer y = 2; y < 11; ++y)
            for (Integer x = 2; x < 11; ++x) n += bmp->PixelColor(x, y) == ColorToRGB(colour);
        return n;
    };
    EXPECT_EQ(ink(DFC_BUTTON, DFCS_BUTTONCHECK, clBlack), 0);
    EXPECT_EQ(ink(DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED, clBlack), 21);
    EXPECT_EQ(ink(DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE, clBlack), 0);
    EXPECT_EQ(ink(DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE, clBtnShadow), 21);
    EXPECT_EQ(ink(DFC_BUTTON, DFCS_BUTTONCHECK, clWindow), 81);
    EXPECT_EQ(ink(DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_INACTIVE, clBtnFace), 81);
    EXPECT_EQ(ink(DFC_BUTTON, DFCS_BUTTONRADIO, clBlack), 0);
    EXPECT_GT(ink(DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED, clBlack), 4);
    // Nothing is drawn outside the control's square.
    auto bmp = RedBitmap(20, 20);
    TRect r = Rect(3, 3, 16, 16);
    DrawFrameControl(*bmp->Canvas(), r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    for (Integer i = 0; i < 20; ++i) {
        EXPECT_EQ(bmp->PixelColor(i, 2), clRed);
        EXPECT_EQ(bmp->PixelColor(16, i), clRed);
    }
    EXPECT_FALSE(DrawFrameControl(*bmp->Canvas(), r, 99, 0));
}

TEST(FrameControls, PushButtonAdjustsToItsFaceAndArrowsPointTheRightWay)
{
    auto bmp = RedBitmap(20, 16);
    TRect r = Rect(0, 0, 20, 16);
    DrawFrameControl(*bmp->Canvas(), r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT);
    EXPECT_EQ(r, Rect(2, 2, 18, 14));
    EXPECT_EQ(bmp->PixelColor(0, 0), clWhite);
    EXPECT_EQ(bmp->PixelColor(19, 15), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(bmp->PixelColor(10, 8), ColorToRGB(clBtnFace));

    auto rowsWithInk = [](Cardinal part) {
        auto b = RedBitmap(16, 16);
        TRect rr = Rect(0, 0, 16, 16);
        DrawFrameControl(*b->Canvas(), rr, DFC_SCROLL, part);
        std::vector<int> widths;
        for (Integer y = 2; y < 14; ++y) {
            int n = 0;
            for (Integer x = 2; x < 14; ++x) n += b->PixelColor(x, y) == clBlack;
            if (n) widths.push_back(n);
        }
        return widths;
    };
    EXPECT_EQ(rowsWithInk(DFCS_SCROLLDOWN), (std::vector<int>{7, 5, 3, 1}));
    EXPECT_EQ(rowsWithInk(DFCS_SCROLLUP), (std::vector<int>{1, 3, 5, 7}));
    EXPECT_EQ(rowsWithInk(DFCS_SCROLLCOMBOBOX), (std::vector<int>{7, 5, 3, 1}));
    EXPECT_TRUE(rowsWithInk(DFCS_SCROLLDOWN | DFCS_INACTIVE).empty());
}

TEST(RecordingCanvas, LogsOutermostCallsWithArgumentsAndState)
{
    TRecordingCanvas c;
    c.Brush()->SetColor(clRed);
    c.Rectangle(0, 0, 4, 4);
    c.Pen()->SetColor(clBlue);
    c.MoveTo(1, 2);
    c.LineTo(3, 4);
    TRect r = Rect(0, 0, 10, 10);
    DrawEdge(c, r, EDGE_RAISED, BF_RECT);
    TRect t = Rect(0, 0, 50, 20);
    c.DrawText(u"Hi", t, DT_SINGLELINE);
    EXPECT_EQ(c.Log(),
              (std::vector<std::string>{"Rectangle(0,0,4,4)", "MoveTo(1,2)", "LineTo(3,4)", "DrawEdge(0,0,10,10,5,15)",
                                        "DrawText(0,0,50,20,32) \"Hi\""}));
    EXPECT_EQ(c.Calls()[0].BrushColor, clRed);
    EXPECT_EQ(c.Calls()[2].PenColor, clBlue);

    // With a surface it draws as well.
    TBitmap bmp(4, 4);
    TRecordingCanvas drawing(bmp.Surface());
    drawing.Brush()->SetColor(clRed);
    drawing.FillRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(bmp.PixelColor(1, 1), clRed);
    EXPECT_EQ(drawing.Log(), (std::vector<std::string>{"FillRect(0,0,2,2)"}));
}

// Writes frame_controls.png to the pictures folder: every control in every state and every
// edge, for a person to look at.
TEST(FrameControls, PictureOfEveryStateForAPersonToLookAt)
{
    struct Control {
        const char* name;
        Cardinal type;
        Cardinal part;
        Integer w, h;
    };
    const Control controls[] = {
        {"push", DFC_BUTTON, DFCS_BUTTONPUSH, 40, 20},
        {"check", DFC_BUTTON, DFCS_BUTTONCHECK, 13, 13},
        {"3state", DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_BUTTON3STATE, 13, 13},
        {"radio", DFC_BUTTON, DFCS_BUTTONRADIO, 12, 12},
        {"up", DFC_SCROLL, DFCS_SCROLLUP, 16, 16},
        {"down", DFC_SCROLL, DFCS_SCROLLDOWN, 16, 16},
        {"left", DFC_SCROLL, DFCS_SCROLLLEFT, 16, 16},
        {"right", DFC_SCROLL, DFCS_SCROLLRIGHT, 16, 16},
        {"combo", DFC_SCROLL, DFCS_SCROLLCOMBOBOX, 17, 20},
    };
    const std::pair<const char*, Cardinal> states[] = {{"normal", 0},
                                                       {"pushed", DFCS_PUSHED},
                                                       {"checked", DFCS_CHECKED},
                                                       {"inactive", DFCS_INACTIVE},
                                                       {"inact+chk", DFCS_INACTIVE | DFCS_CHECKED},
                                                       {"flat", DFCS_FLAT},
                                                       {"flat+chk", DFCS_FLAT | DFCS_CHECKED},
                                                       {"hot", DFCS_HOT},
                                                       {"mono", DFCS_MONO}};
    const std::pair<const char*, Cardinal> edges[] = {{"raised", EDGE_RAISED},      {"sunken", EDGE_SUNKEN},
                                                      {"etched", EDGE_ETCHED},      {"bump", EDGE_BUMP},
                                                      {"r.outer", BDR_RAISEDOUTER}, {"r.inner", BDR_RAISEDINNER},
                                                      {"s.outer", BDR_SUNKENOUTER}, {"s.inner", BDR_SUNKENINNER}};
    const Integer cell = 64, top = 20, left = 60;
    TBitmap bmp(left + cell * 9, top + cell * 11);
    TCanvas* c = bmp.Canvas();
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(Rect(0, 0, bmp.Width(), bmp.Height()));
    c->Brush()->SetStyle(bsClear);
    for (int s = 0; s < 9; ++s) c->TextOut(left + s * cell + 2, 2, S(states[s].first));
    for (int i = 0; i < 9; ++i) {
        const auto& ctl = controls[i];
        c->TextOut(2, top + i * cell + 20, S(ctl.name));
        for (int s = 0; s < 9; ++s) {
            TRect r = Bounds(left + s * cell + (cell - ctl.w) / 2, top + i * cell + (cell - ctl.h) / 2, ctl.w, ctl.h);
            DrawFrameControl(*c, r, ctl.type, ctl.part | states[s].second);
        }
    }
    Integer y = top + 9 * cell;
    for (int e = 0; e < 8; ++e) {
        Integer x = left + e * cell;
        c->TextOut(x + 2, y + 2, S(edges[e].first));
        TRect r = Bounds(x + 8, y + 20, 40, 24);
        DrawEdge(*c, r, edges[e].second, BF_RECT | BF_MIDDLE);
        TRect soft = Bounds(x + 8, y + 50, 40, 24);
        DrawEdge(*c, soft, edges[e].second, BF_RECT | BF_SOFT);
    }
    c->TextOut(2, y + 24, u"edges");
    c->TextOut(2, y + 54, u"soft");
    c->DrawFocusRect(Bounds(left + 8 * cell + 4, y + 20, 50, 24));
    c->Font()->SetOrientation(900);
    c->TextOut(left + 8 * cell + 20, y + 120, u"rotated");
    auto file = test::picturePath("frame_controls.png");
    SaveSurfaceToPng(bmp.Surface(), Utf8ToString(file.string()));
    std::cout << "picture written to " << file.string() << "\n";
    EXPECT_TRUE(std::filesystem::file_size(file) > 1000);
}

}  // namespace
}  // namespace gw
