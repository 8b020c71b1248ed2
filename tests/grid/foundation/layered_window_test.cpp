// Tests of the grid's layered-window calls: they are the platform's, with every argument passed
// on and the platform's answer given back.
#include "grid/foundation/layered_window.h"

#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

HWND MakePopup(Cardinal ExStyle)
{
    TCreateWindowParams p;
    p.Style = WS_POPUP | WS_VISIBLE;
    p.ExStyle = ExStyle;
    p.Bounds = Bounds(10, 10, 5, 5);
    return CreateWindow(p);
}

TEST(LayeredWindow, TheUpdateIsThePlatformsWithEveryArgument)
{
    THarness h;
    HWND w = MakePopup(WS_EX_LAYERED);
    TBitmap source(8, 6, pf32bit);
    // Blue at half alpha from (2, 1) on, premultiplied.
    for (Integer y = 0; y < 6; ++y)
        for (Integer x = 0; x < 8; ++x)
            if (x >= 2 && y >= 1) source.ScanLine(y)[x * 4] = 0x80, source.ScanLine(y)[x * 4 + 3] = 0x80;
    const TPoint at{100, 50}, origin{2, 1};
    const TSize size{6, 5};
    TBlendFunction blend;
    blend.SourceConstantAlpha = 230;
    EXPECT_TRUE(
        UpdateLayeredWindowIfPresent(w, nullptr, &at, &size, source.Canvas(), &origin, clNone, &blend, ULW_ALPHA));
    EXPECT_EQ(GetWindowRect(w), Bounds(100, 50, 6, 5));
    const auto* native = h.Display().NativeWindow(w);
    ASSERT_TRUE(native->Layer && native->Layer->Image);
    cairo_surface_t* shown = native->Layer->Image.get();
    cairo_surface_flush(shown);
    const uint32_t first = *reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(shown));
    EXPECT_EQ(first, 0x73000073u) << "128 x 230 / 255 = 115 for alpha and blue";

    // The platform's refusal comes back as it is.
    EXPECT_FALSE(UpdateLayeredWindowIfPresent(MakePopup(0), nullptr, &at, &size, source.Canvas(), &origin, clNone,
                                              &blend, ULW_ALPHA));
}

TEST(LayeredWindow, TheAttributesAreThePlatformsWithEveryArgument)
{
    THarness h;
    HWND w = MakePopup(WS_EX_LAYERED);
    EXPECT_TRUE(SetLayeredWindowAttributesIfPresent(w, clRed, 128, LWA_ALPHA | LWA_COLORKEY));
    const auto* native = h.Display().NativeWindow(w);
    ASSERT_TRUE(native->Layer);
    EXPECT_EQ(native->Layer->Alpha, 128);
    EXPECT_TRUE(native->Layer->HasKey);
    EXPECT_EQ(native->Layer->Key, clRed);
    EXPECT_FALSE(SetLayeredWindowAttributesIfPresent(MakePopup(0), clRed, 128, LWA_ALPHA));
}

}  // namespace
}  // namespace gw
