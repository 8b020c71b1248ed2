// Tests of the optional layered-window calls: success without the platform's functions, the
// arguments and results passed through when they are installed.
#include "grid/foundation/layered_window.h"

#include "platform/graphics/recording_canvas.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

class LayeredWindow : public ::testing::Test {
protected:
    void TearDown() override { InstallLayeredWindowFunctions({}); }
};

TEST_F(LayeredWindow, MissingFunctionsCountAsDoneAndDrawNothing)
{
    InstallLayeredWindowFunctions({});
    TRecordingCanvas source;
    const TPoint at{4, 4}, origin{0, 0};
    const TSize size{30, 20};
    const TBlendFunction blend;
    EXPECT_TRUE(UpdateLayeredWindowIfPresent(42, nullptr, &at, &size, &source, &origin, clNone, &blend, ULW_ALPHA));
    EXPECT_TRUE(SetLayeredWindowAttributesIfPresent(42, clRed, 128, LWA_ALPHA));
    EXPECT_TRUE(source.Calls().empty());

    // One installed, the other still missing.
    TLayeredWindowFunctions only;
    only.SetLayeredWindowAttributes = [](HWND, TColor, Byte, Cardinal) { return false; };
    InstallLayeredWindowFunctions(only);
    EXPECT_TRUE(UpdateLayeredWindowIfPresent(42, nullptr, &at, &size, &source, &origin, clNone, &blend, ULW_ALPHA));
    EXPECT_FALSE(SetLayeredWindowAttributesIfPresent(42, clRed, 128, LWA_ALPHA));
}

TEST_F(LayeredWindow, InstalledFunctionsGetEveryArgumentAndGiveTheirResult)
{
    struct Seen {
        HWND wnd = 0;
        TPoint dest, src;
        TSize size;
        TCanvas* source = nullptr;
        TColor key = 0;
        Byte alpha = 0;
        Cardinal flags = 0;
    } seen;
    TLayeredWindowFunctions f;
    f.UpdateLayeredWindow = [&](HWND Wnd, TCanvas* Dest, const TPoint* DestPos, const TSize* Size, TCanvas* Source,
                                const TPoint* SourcePos, TColor Key, const TBlendFunction* Blend, Cardinal Flags) {
        seen = {Wnd, *DestPos, *SourcePos, *Size, Source, Key, Blend->SourceConstantAlpha, Flags};
        return Dest == nullptr;
    };
    f.SetLayeredWindowAttributes = [&](HWND Wnd, TColor Key, Byte Alpha, Cardinal Flags) {
        seen = {};
        seen.wnd = Wnd;
        seen.key = Key;
        seen.alpha = Alpha;
        seen.flags = Flags;
        return false;
    };
    InstallLayeredWindowFunctions(f);

    TRecordingCanvas source;
    const TPoint at{100, 50}, origin{1, 2};
    const TSize size{39, 29};
    TBlendFunction blend;
    blend.SourceConstantAlpha = 230;
    EXPECT_TRUE(UpdateLayeredWindowIfPresent(7, nullptr, &at, &size, &source, &origin, clBlue, &blend, ULW_ALPHA));
    EXPECT_EQ(seen.wnd, 7u);
    EXPECT_EQ(seen.dest, at);
    EXPECT_EQ(seen.src, origin);
    EXPECT_EQ(seen.size, size);
    EXPECT_EQ(seen.source, &source);
    EXPECT_EQ(seen.key, clBlue);
    EXPECT_EQ(seen.alpha, 230);
    EXPECT_EQ(seen.flags, ULW_ALPHA);

    EXPECT_FALSE(SetLayeredWindowAttributesIfPresent(9, clRed, 128, LWA_ALPHA | LWA_COLORKEY));
    EXPECT_EQ(seen.wnd, 9u);
    EXPECT_EQ(seen.key, clRed);
    EXPECT_EQ(seen.alpha, 128);
    EXPECT_EQ(seen.flags, LWA_ALPHA | LWA_COLORKEY);
}

}  // namespace
}  // namespace gw
