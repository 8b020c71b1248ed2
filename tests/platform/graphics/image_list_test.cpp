// Image lists: adding with masks, cutting wide strips, drawing normal and disabled.
#include "pixel_map.h"

#include "platform/graphics/image_list.h"
#include "platform/runtime/exceptions.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

const std::map<TColor, char> kLegend = {{clWhite, '.'},
                                        {clRed, 'r'},
                                        {clBlue, 'b'},
                                        {clFuchsia, 'f'},
                                        {ColorToRGB(clBtnShadow), 'S'},
                                        {ColorToRGB(clBtnHighlight), '.'}};

// A strip of two 3 x 2 images: red with a fuchsia key pixel, and blue.
std::unique_ptr<TBitmap> Strip()
{
    auto bmp = std::make_unique<TBitmap>(6, 2);
    TCanvas* c = bmp->Canvas();
    c->Brush()->SetColor(clRed);
    c->FillRect(Rect(0, 0, 3, 2));
    c->Brush()->SetColor(clBlue);
    c->FillRect(Rect(3, 0, 6, 2));
    c->SetPixel(0, 1, clFuchsia);
    c->SetPixel(4, 0, clFuchsia);
    return bmp;
}

TEST(ImageList, AddMaskedCutsTheStripAndKeysOutTheMaskColour)
{
    TComponent owner(nullptr);
    auto* list = new TImageList(&owner);
    list->SetWidth(3);
    list->SetHeight(2);
    auto strip = Strip();
    EXPECT_EQ(list->AddMasked(strip.get(), clFuchsia), 0);
    EXPECT_EQ(list->Count(), 2);
    auto target = test::WhiteBitmap(7, 2);
    list->Draw(target->Canvas(), 0, 0, 0);
    list->Draw(target->Canvas(), 4, 0, 1);
    EXPECT_EQ(test::PixelMap(*target, kLegend), (std::vector<std::string>{"rrr.b.b", ".rr.bbb"}));
    // clDefault takes the bottom-left pixel as the key; an index outside draws nothing.
    EXPECT_EQ(list->AddMasked(strip.get(), clDefault), 2);
    list->Draw(target->Canvas(), 0, 0, 99);
    list->Delete(0);
    EXPECT_EQ(list->Count(), 3);
    EXPECT_THROW(list->Delete(5), EInvalidOperation);
    list->SetWidth(4);  // a new size empties the list
    EXPECT_EQ(list->Count(), 0);
}

TEST(ImageList, AddWithMaskBitmapAndDisabledDrawing)
{
    TImageList list;
    list.SetWidth(3);
    list.SetHeight(2);
    TBitmap image(3, 2), mask(3, 2);
    image.Canvas()->Brush()->SetColor(clBlue);
    image.Canvas()->FillRect(Rect(0, 0, 3, 2));
    mask.Canvas()->SetPixel(2, 0, clWhite);  // white in the mask: transparent
    EXPECT_EQ(list.Add(&image, &mask), 0);
    auto target = test::WhiteBitmap(4, 3);
    list.Draw(target->Canvas(), 0, 0, 0);
    EXPECT_EQ(test::PixelMap(*target, kLegend), (std::vector<std::string>{"bb..", "bbb.", "...."}));
    auto grey = test::WhiteBitmap(4, 3);
    list.Draw(grey->Canvas(), 0, 0, 0, false);
    EXPECT_EQ(test::PixelMap(*grey, kLegend), (std::vector<std::string>{"SS..", "SSS.", "...."}));
    TBitmap out;
    list.GetBitmap(0, &out);
    EXPECT_EQ(out.Width(), 3);
    EXPECT_EQ(out.PixelColor(0, 0), clBlue);
}

TEST(RotatedText, NinetyDegreesRunsUpwardsFromTheOrigin)
{
    auto bmp = test::WhiteBitmap(40, 80);
    TCanvas* c = bmp->Canvas();
    c->Brush()->SetStyle(bsClear);
    c->Font()->SetOrientation(900);
    c->TextOut(5, 70, u"Hello");
    Integer minY = 80, maxY = -1, minX = 40, maxX = -1;
    for (Integer y = 0; y < 80; ++y)
        for (Integer x = 0; x < 40; ++x)
            if (bmp->PixelColor(x, y) != clWhite) {
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
    // The text's height lies to the right of x = 5, its length above y = 70.
    EXPECT_LE(maxY, 70);
    EXPECT_GE(minY, 70 - c->TextWidth(u"Hello") - 1);
    EXPECT_GT(maxY - minY, maxX - minX);
    EXPECT_GE(minX, 5);
}

}  // namespace
}  // namespace gw
