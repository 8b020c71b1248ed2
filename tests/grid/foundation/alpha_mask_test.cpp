// Alpha masks: the merge arithmetic, the copy between masks, the blur kernel, the banded blur
// against a full one, and the rounded-rectangle mask.
#include "grid/foundation/alpha_mask.h"

#include "platform/graphics/canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

namespace gw {
namespace {

using Pixel = std::array<uint8_t, 4>;  // B, G, R, A

Pixel At(const TBitmap& B, Integer X, Integer Y)
{
    const uint8_t* p = B.ScanLine(Y) + X * 4;
    return {p[0], p[1], p[2], p[3]};
}

void Put(TBitmap& B, Integer X, Integer Y, Pixel P) { std::memcpy(B.ScanLine(Y) + X * 4, P.data(), 4); }

uint8_t Red(const TBitmap& B, Integer X, Integer Y) { return At(B, X, Y)[2]; }

// A straightforward blur of every row, then every column, with the same kernel and rounding:
// what the banded blur must equal where the middle of the mask is straight.
void FullBlur(TBitmap& B, double Radius)
{
    const TBlurKernel k = MakeBlurKernel(Radius);
    double total = 0;
    for (Integer i = -k.Size; i <= k.Size; ++i) total += k.Weight(i);
    auto blurLine = [&](std::vector<Pixel>& line) {
        std::vector<Pixel> out = line;
        const Integer n = Integer(line.size());
        for (Integer j = 0; j < n; ++j) {
            for (int c = 0; c < 3; ++c) {
                double sum = 0;
                for (Integer i = -k.Size; i <= k.Size; ++i)
                    sum += double(k.Weight(i)) * line[size_t(std::clamp(j - i, 0, n - 1))][c];
                const double v = sum / total;
                out[size_t(j)][c] = v >= 255 ? 255 : uint8_t(v);
            }
        }
        line = out;
    };
    std::vector<Pixel> line;
    for (Integer y = 0; y < B.Height(); ++y) {
        line.clear();
        for (Integer x = 0; x < B.Width(); ++x) line.push_back(At(B, x, y));
        blurLine(line);
        for (Integer x = 0; x < B.Width(); ++x) Put(B, x, y, line[size_t(x)]);
    }
    for (Integer x = 0; x < B.Width(); ++x) {
        line.clear();
        for (Integer y = 0; y < B.Height(); ++y) line.push_back(At(B, x, y));
        blurLine(line);
        for (Integer y = 0; y < B.Height(); ++y) Put(B, x, y, line[size_t(y)]);
    }
}

bool SamePixels(const TBitmap& A, const TBitmap& B)
{
    if (A.Width() != B.Width() || A.Height() != B.Height()) return false;
    for (Integer y = 0; y < A.Height(); ++y)
        for (Integer x = 0; x < A.Width(); ++x)
            for (int c = 0; c < 3; ++c)
                if (At(A, x, y)[size_t(c)] != At(B, x, y)[size_t(c)]) return false;
    return true;
}

std::unique_ptr<TBitmap> Filled(Integer W, Integer H, TColor Colour, TPixelFormat Format = pf24bit)
{
    auto b = std::make_unique<TBitmap>(W, H, Format);
    b->Canvas()->Brush()->SetColor(Colour);
    b->Canvas()->FillRect(Rect(0, 0, W, H));
    return b;
}

// --- merging colour and mask ---------------------------------------------------------------------

TEST(AlphaMask, MergeScalesTheColourByTheMasksRedByte)
{
    struct Case {
        Pixel colour;
        uint8_t grey;
        Pixel result;
    };
    const Case cases[] = {
        {{0x97, 0xD3, 0xFD, 0}, 0, {0, 0, 0, 0}},  // transparent
        {{0x97, 0xD3, 0xFD, 0}, 255, {0x97, 0xD3, 0xFD, 255}},  // unchanged, opaque
        {{255, 255, 255, 0}, 128, {128, 128, 128, 128}},
        {{1, 2, 3, 0}, 128, {1, 1, 2, 128}},  // 0.50, 1.00, 1.51 to the nearest
        {{100, 200, 51, 0}, 51, {20, 40, 10, 51}},  // 51 * 51 / 255 = 10.2
        {{127, 128, 129, 0}, 1, {0, 1, 1, 1}},  // 0.498 down, 0.502 up
    };
    for (const Case& c : cases) {
        TBitmap colour(2, 1, pf24bit), mask(2, 1, pf24bit);
        Put(colour, 1, 0, c.colour);
        Put(mask, 1, 0, {c.grey, 0, c.grey, 0});  // only the red byte counts
        TGridAlphaMask m;
        m.MergeMask(mask, colour, clNone);
        EXPECT_EQ(m.PixelFormat(), pf32bit);
        EXPECT_EQ(At(m, 1, 0), c.result) << int(c.grey);
    }
}

TEST(AlphaMask, MergeTakesTheBitmapsSizeFromALargerMask)
{
    auto colourOwner = Filled(3, 2, clRed);
    TBitmap& colour = *colourOwner;
    auto maskOwner = Filled(5, 4, clWhite);
    TBitmap& mask = *maskOwner;
    TGridAlphaMask m;
    m.MergeMask(mask, colour, clNone);
    EXPECT_EQ(m.Width(), 3);
    EXPECT_EQ(m.Height(), 2);
    EXPECT_EQ(At(m, 2, 1), (Pixel{0, 0, 255, 255}));
}

TEST(AlphaMask, MergeLeavesTheMaskAloneUnlessTheColourIs24Bit)
{
    TGridAlphaMask m;
    m.MergeMask(*Filled(4, 4, clWhite), *Filled(4, 4, clRed), clNone);
    auto otherOwner = Filled(2, 2, clBlue, pf32bit);
    TBitmap& other = *otherOwner;
    m.MergeMask(*Filled(2, 2, clWhite), other, clNone);
    EXPECT_EQ(m.Width(), 4);
    EXPECT_EQ(At(m, 0, 0), (Pixel{0, 0, 255, 255}));
}

TEST(AlphaMask, MergeRefusesAMaskSmallerThanTheColour)
{
    TGridAlphaMask m;
    EXPECT_THROW(m.MergeMask(*Filled(4, 3, clWhite), *Filled(4, 4, clRed), clNone), EInvalidGraphic);
    EXPECT_THROW(m.MergeMask(*Filled(3, 4, clWhite), *Filled(4, 4, clRed), clNone), EInvalidGraphic);
    EXPECT_EQ(m.Width(), 0);
}

// --- copying masks ---------------------------------------------------------------------------------

TEST(AlphaMask, AssignCopiesOpacityAndPremultipliedPixels)
{
    TGridAlphaMask from, to;
    TBitmap mask(3, 2, pf24bit);
    Put(mask, 1, 1, {0, 0, 100, 0});
    from.MergeMask(mask, *Filled(3, 2, clWhite), clNone);
    from.Opacity = 230;
    to.MergeMask(*Filled(3, 2, clWhite), *Filled(3, 2, clBlue), clNone);
    to.Assign(&from);
    EXPECT_EQ(to.Opacity, 230);
    EXPECT_EQ(to.PixelFormat(), pf32bit);
    EXPECT_EQ(At(to, 1, 1), (Pixel{100, 100, 100, 100}));  // alpha kept, not made opaque
    EXPECT_EQ(At(to, 0, 0), (Pixel{0, 0, 0, 0}));
}

TEST(AlphaMask, AssignRefusesAMaskOfAnotherSize)
{
    const std::array<std::pair<Integer, Integer>, 3> sizes = {{{3, 2}, {2, 3}, {30, 30}}};
    for (const auto& [w, h] : sizes) {
        TGridAlphaMask from, to;
        from.MergeMask(*Filled(w, h, clWhite), *Filled(w, h, clRed), clNone);
        from.Opacity = 7;
        to.MergeMask(*Filled(3, 3, clWhite), *Filled(3, 3, clBlue), clNone);
        EXPECT_THROW(to.Assign(&from), EInvalidGraphic) << w << "x" << h;
        EXPECT_EQ(to.Opacity, 255);
        EXPECT_EQ(At(to, 0, 0), (Pixel{255, 0, 0, 255}));
    }
}

TEST(AlphaMask, AssignFromAnotherPictureMakes32BitPixels)
{
    TGridAlphaMask to;
    auto pictureOwner = Filled(2, 2, clLime);
    TBitmap& picture = *pictureOwner;
    to.Assign(&picture);
    EXPECT_EQ(to.PixelFormat(), pf32bit);
    EXPECT_EQ(to.Width(), 2);
    EXPECT_EQ(At(to, 1, 1), (Pixel{0, 255, 0, 255}));
}

// --- the blur ------------------------------------------------------------------------------------

TEST(AlphaMask, KernelWeightsAreSymmetricAndSumToOne)
{
    struct Case {
        double radius;
        Byte size;
    };
    // Radius 3: the weights at 10 and 9 together stay below 1/510 of the whole; the tail is cut
    // in pairs until it reaches that.
    const Case cases[] = {{3.0, 8}, {0.5, 1}, {1.0, 2}, {2.0, 5}, {10.0, 9}, {0.0, 1}};
    for (const Case& c : cases) {
        const TBlurKernel k = MakeBlurKernel(c.radius);
        EXPECT_EQ(k.Size, c.size) << c.radius;
        double sum = 0;
        for (Integer i = -k.Size; i <= k.Size; ++i) {
            sum += k.Weight(i);
            EXPECT_FLOAT_EQ(k.Weight(i), k.Weight(-i));
            if (i > 0 && c.radius > 0) {
                EXPECT_LT(k.Weight(i), k.Weight(i - 1));
            }
        }
        EXPECT_NEAR(sum, 1.0, 1e-6) << c.radius;
        for (Integer i = k.Size + 1; i <= 10; ++i) EXPECT_EQ(k.Weight(i), 0.0f);
    }
    EXPECT_EQ(MakeBlurKernel(0.0).Weight(0), 1.0f);
}

TEST(AlphaMask, BlurKeepsFlatAreasExactlyFlat)
{
    for (TColor colour : {clWhite, TColor(0xC8C8C8), TColor(0x010203)}) {
        auto bOwner = Filled(60, 50, colour);
        TBitmap& b = *bOwner;
        BlurMaskBitmap(b, 3.0);
        for (Integer y = 0; y < 50; y += 7)
            for (Integer x = 0; x < 60; x += 7) EXPECT_EQ(b.PixelColor(x, y), colour) << x << "," << y;
    }
    // Far from every edge a white area stays 255.
    TBitmap mask;
    CreateRoundRectMask(mask, 80, 80, 0, 5, 3.0);
    EXPECT_EQ(Red(mask, 40, 40), 255);
    EXPECT_EQ(Red(mask, 40, 12), 255);
}

TEST(AlphaMask, BandedBlurEqualsAFullBlurOfARoundedMask)
{
    struct Case {
        Integer w, h, pen;
    };
    // Masks shorter than the bands are blurred line by line; longer ones copy their middle.
    const Case cases[] = {{1, 1, 0},   {8, 5, 0},    {20, 12, 0},  {21, 41, 4}, {41, 42, 4},
                          {42, 30, 0}, {120, 60, 4}, {209, 33, 4}, {64, 200, 0}};
    for (const Case& c : cases) {
        TBitmap banded, full;
        CreateRoundRectMask(banded, c.w, c.h, c.pen, 5, 0);
        CreateRoundRectMask(full, c.w, c.h, c.pen, 5, 0);
        BlurMaskBitmap(banded, 3.0);
        FullBlur(full, 3.0);
        EXPECT_TRUE(SamePixels(banded, full)) << c.w << "x" << c.h;
    }
}

TEST(AlphaMask, BlurLeavesAlphaBytesAndRefusesOtherFormats)
{
    auto bOwner = Filled(30, 30, clWhite);
    TBitmap& b = *bOwner;
    Put(b, 3, 3, {0, 0, 0, 77});
    BlurMaskBitmap(b, 2.0);
    EXPECT_EQ(At(b, 3, 3)[3], 77);
    EXPECT_LT(Red(b, 3, 3), 255);

    auto wideOwner = Filled(10, 10, clWhite, pf32bit);
    TBitmap& wide = *wideOwner;
    try {
        BlurMaskBitmap(wide, 3.0);
        FAIL() << "a 32-bit bitmap was blurred";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), u"Blur only works for 24-bit bitmaps");
    }
    TBitmap empty(0, 0, pf24bit);
    BlurMaskBitmap(empty, 3.0);
}

// --- the rounded mask ------------------------------------------------------------------------------

TEST(AlphaMask, RoundRectMaskFilledOrOutlined)
{
    TBitmap filled;
    CreateRoundRectMask(filled, 40, 30, 0, 5, 0);
    EXPECT_EQ(filled.PixelFormat(), pf24bit);
    EXPECT_EQ(filled.Width(), 40);
    EXPECT_EQ(filled.Height(), 30);
    EXPECT_EQ(Red(filled, 20, 15), 255);  // inside
    EXPECT_EQ(Red(filled, 2, 15), 255);  // the rectangle starts 2 pixels in
    EXPECT_EQ(Red(filled, 1, 15), 0);
    EXPECT_EQ(Red(filled, 37, 15), 255);
    EXPECT_EQ(Red(filled, 38, 15), 0);
    EXPECT_EQ(Red(filled, 2, 2), 0);  // the corner is rounded
    EXPECT_EQ(Red(filled, 0, 0), 0);

    TBitmap outline;
    CreateRoundRectMask(outline, 40, 30, 4, 5, 0);
    EXPECT_EQ(Red(outline, 20, 15), 0);  // hollow
    EXPECT_EQ(Red(outline, 20, 4), 255);  // the outline runs 2 + 4 / 2 pixels in
    EXPECT_EQ(Red(outline, 4, 15), 255);
    EXPECT_EQ(Red(outline, 20, 0), 0);
    EXPECT_EQ(Red(outline, 0, 15), 0);
    EXPECT_EQ(Red(outline, 20, 9), 0);

    TBitmap soft;
    CreateRoundRectMask(soft, 40, 30, 4, 5, 3.0);
    const uint8_t edge = Red(soft, 20, 1);
    EXPECT_GT(edge, 0);
    EXPECT_LT(edge, Red(soft, 20, 4));
}

}  // namespace
}  // namespace gw
