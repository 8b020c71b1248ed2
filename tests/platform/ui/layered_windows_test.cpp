// Layered windows and window shapes on the headless display: the picture a window is given and
// how its alpha, blend and key are applied, what a window that paints itself shows under an
// opacity or a colour key, where the mouse falls through, shapes, and pop-ups that show
// without taking the activation or the focus.
#include "test_controls.h"

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"

#include <gtest/gtest.h>

#include <cstring>

namespace gw::test {
namespace {

using Events = std::vector<std::string>;

// A cairo pixel, 0xAARRGGBB (RGB24 surfaces read as opaque).
uint32_t PixelOf(cairo_surface_t* S, Integer X, Integer Y)
{
    cairo_surface_flush(S);
    const unsigned char* row = cairo_image_surface_get_data(S) + std::ptrdiff_t(Y) * cairo_image_surface_get_stride(S);
    uint32_t v;
    std::memcpy(&v, row + std::ptrdiff_t(X) * 4, 4);
    return cairo_image_surface_get_format(S) == CAIRO_FORMAT_RGB24 ? (v | 0xFF000000u) : v;
}

// A 32-bit bitmap whose pixels are given as 0xAARRGGBB, stored as they are (premultiplied).
void FillPicture(TBitmap& Picture, Integer Width, Integer Height, const std::function<uint32_t(Integer, Integer)>& At)
{
    Picture.SetPixelFormat(pf32bit);
    Picture.SetSize(Width, Height);
    for (Integer y = 0; y < Height; ++y) {
        uint8_t* row = Picture.ScanLine(y);
        for (Integer x = 0; x < Width; ++x) {
            const uint32_t v = At(x, y);
            row[x * 4 + 0] = uint8_t(v);
            row[x * 4 + 1] = uint8_t(v >> 8);
            row[x * 4 + 2] = uint8_t(v >> 16);
            row[x * 4 + 3] = uint8_t(v >> 24);
        }
    }
}

class LayeredWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = MakeForm(Application);  // (100, 100) - (500, 400), white
        form->SetColor(clWhite);
        a = new TLogControl(form, form, h.Log, "a", Rect(10, 10, 190, 110));
        a->SetColor(clWhite);
        a->Watched.erase(CM_MOUSEENTER);
        a->Watched.erase(CM_MOUSELEAVE);
        form->Show();
        a->SetFocus();
        h.ProcessMessages();
        h.Log.Clear();
    }

    // A visible top-level window that fills itself with Fill; Left half paints LeftFill instead
    // when that is not clNone. Its messages among Watched go to the log as "popup <message>".
    HWND MakePopup(TRect Bounds, TColor Fill, Cardinal Style = WS_POPUP, Cardinal ExStyle = WS_EX_LAYERED,
                   TColor LeftFill = clNone)
    {
        TCreateWindowParams p;
        p.Style = Style | WS_VISIBLE;
        p.ExStyle = ExStyle;
        p.Bounds = Bounds;
        p.WndProc = [this, Fill, LeftFill](HWND Wnd, UINT Msg, WPARAM W, LPARAM L) -> LRESULT {
            if (Watched.count(Msg)) h.Log.Add("popup " + MessageName(Msg));
            if (Msg != WM_PAINT) return DefWindowProc(Wnd, Msg, W, L);
            TPaintStruct ps;
            BeginPaint(Wnd, ps);
            if (ps.Pixels.Surface) {
                TCanvas c(ps.Pixels.Surface);
                c.SetOrigin(ps.Pixels.Origin);
                const TRect all = GetClientRect(Wnd);
                c.Brush()->SetColor(Fill);
                c.FillRect(all);
                if (LeftFill != clNone) {
                    c.Brush()->SetColor(LeftFill);
                    c.FillRect(Rect(0, 0, all.Width() / 2, all.Height()));
                }
            }
            EndPaint(Wnd, ps);
            return 0;
        };
        HWND w = CreateWindow(p);
        h.ProcessMessages();
        return w;
    }

    const THeadlessBackend::TNativeWindow& Native(HWND Wnd) { return *h.Display().NativeWindow(Wnd); }
    // What the screen shows at a point, 0xRRGGBB.
    uint32_t ScreenAt(Integer X, Integer Y)
    {
        h.ProcessMessages();
        return PixelOf(h.Display().ComposeScreen(Rect(X, Y, X + 1, Y + 1)).get(), 0, 0) & 0xFFFFFF;
    }
    void ClickAt(TPoint P)
    {
        InjectMouse(TMouseAction::Down, P);
        InjectMouse(TMouseAction::Up, P);
        h.ProcessMessages();
    }

    std::set<UINT> Watched{WM_LBUTTONDOWN, WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS, WM_MOUSEACTIVATE};
    THarness h;
    TForm* form = nullptr;
    TLogControl* a = nullptr;
};

// Four pixels as a picture gives them: opaque red, green at half alpha, clear, and a colour
// brighter than its alpha (not premultiplied).
const uint32_t Source[4] = {0xFFFF0000u, 0x80008000u, 0x00000000u, 0x64C80000u};

TEST_F(LayeredWindows, APictureIsShownByItsFlagsBlendAndKey)
{
    struct Case {
        const char* Name;
        Cardinal Flags;
        Byte Constant;
        Byte Format;
        TColor Key;
        uint32_t Shown[4];
    };
    const Case cases[] = {
        {"per-pixel alpha", ULW_ALPHA, 255, AC_SRC_ALPHA, 0, {0xFFFF0000u, 0x80008000u, 0, 0x64640000u}},
        {"per-pixel alpha at half", ULW_ALPHA, 128, AC_SRC_ALPHA, 0, {0x80800000u, 0x40004000u, 0, 0x32320000u}},
        {"constant alpha only", ULW_ALPHA, 128, 0, 0, {0x80800000u, 0x80004000u, 0x80000000u, 0x80640000u}},
        {"opaque wins over alpha",
         ULW_OPAQUE | ULW_ALPHA,
         128,
         AC_SRC_ALPHA,
         0,
         {0xFFFF0000u, 0xFF008000u, 0xFF000000u, 0xFFC80000u}},
        {"no flag: opaque", 0, 128, AC_SRC_ALPHA, 0, {0xFFFF0000u, 0xFF008000u, 0xFF000000u, 0xFFC80000u}},
        {"colour key", ULW_COLORKEY, 255, AC_SRC_ALPHA, RGB(0, 0x80, 0), {0xFFFF0000u, 0, 0xFF000000u, 0xFFC80000u}},
        {"key and alpha",
         ULW_COLORKEY | ULW_ALPHA,
         255,
         AC_SRC_ALPHA,
         RGB(0xFF, 0, 0),
         {0, 0x80008000u, 0, 0x64640000u}},
    };
    TBitmap picture;
    FillPicture(picture, 4, 1, [](Integer X, Integer) { return Source[X]; });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        HWND w = MakePopup(Bounds(600, 100, 10, 10), clBlue);
        const TPoint at{620, 130}, origin{0, 0};
        const TSize size{4, 1};
        TBlendFunction blend;
        blend.SourceConstantAlpha = c.Constant;
        blend.AlphaFormat = c.Format;
        ASSERT_TRUE(UpdateLayeredWindow(w, nullptr, &at, &size, picture.Canvas(), &origin, c.Key, &blend, c.Flags));
        EXPECT_EQ(GetWindowRect(w), Bounds(620, 130, 4, 1));
        const auto& native = Native(w);
        ASSERT_TRUE(native.Layer && native.Layer->Image);
        EXPECT_EQ(native.Bounds, Bounds(620, 130, 4, 1));
        for (Integer x = 0; x < 4; ++x) EXPECT_EQ(PixelOf(native.Layer->Image.get(), x, 0), c.Shown[x]) << x;
        DestroyWindow(w);
    }
}

TEST_F(LayeredWindows, APictureIsTakenFromTheSourcePointAndBlendsOverWhatIsBelow)
{
    HWND w = MakePopup(Bounds(150, 150, 20, 20), clBlue);
    TBitmap picture;
    // Red at half alpha from (5, 5) on; transparent elsewhere.
    FillPicture(picture, 30, 30, [](Integer X, Integer Y) { return X >= 5 && Y >= 5 ? 0x80800000u : 0u; });
    const TPoint origin{5, 5};
    TBlendFunction blend;
    ASSERT_TRUE(UpdateLayeredWindow(w, nullptr, nullptr, nullptr, picture.Canvas(), &origin, 0, &blend, ULW_ALPHA));
    EXPECT_EQ(GetWindowRect(w), Bounds(150, 150, 20, 20)) << "no position or size: both kept";
    // Half red over the white control: (255, 127, 127), give or take the rounding.
    const uint32_t shown = ScreenAt(160, 160);
    EXPECT_EQ(shown >> 16, 0xFFu);
    EXPECT_NEAR(double((shown >> 8) & 0xFF), 127, 1);
    EXPECT_NEAR(double(shown & 0xFF), 127, 1);
    // The window's first pixel is the source's (5, 5); only the picture shows, not the blue the
    // window painted.
    EXPECT_EQ(ScreenAt(150, 150), shown);
    EXPECT_EQ(ScreenAt(169, 169), shown);
}

TEST_F(LayeredWindows, AFadeWithoutASourceKeepsThePicture)
{
    HWND w = MakePopup(Bounds(150, 150, 2, 1), clBlue);
    TBitmap picture;
    FillPicture(picture, 2, 1, [](Integer, Integer) { return 0xFFFF0000u; });
    const TSize size{2, 1};
    TBlendFunction blend;
    ASSERT_TRUE(UpdateLayeredWindow(w, nullptr, nullptr, &size, picture.Canvas(), nullptr, 0, &blend, ULW_ALPHA));
    blend.SourceConstantAlpha = 64;
    const TPoint moved{300, 200};
    h.Log.Clear();
    ASSERT_TRUE(UpdateLayeredWindow(w, nullptr, &moved, nullptr, nullptr, nullptr, 0, &blend, ULW_ALPHA));
    EXPECT_EQ(PixelOf(Native(w).Layer->Image.get(), 1, 0), 0x40400000u);
    EXPECT_EQ(GetWindowRect(w), Bounds(300, 200, 2, 1));
    blend.SourceConstantAlpha = 255;
    ASSERT_TRUE(UpdateLayeredWindow(w, nullptr, nullptr, nullptr, nullptr, nullptr, 0, &blend, ULW_ALPHA));
    EXPECT_EQ(PixelOf(Native(w).Layer->Image.get(), 1, 0), 0xFFFF0000u) << "from the kept source, not the faded one";
    EXPECT_TRUE(h.Log.Take().empty()) << "nothing activated or focused";
}

TEST_F(LayeredWindows, RefusedUpdatesChangeNothing)
{
    TBitmap picture;
    FillPicture(picture, 10, 10, [](Integer, Integer) { return 0xFFFF0000u; });
    TCanvas noPixels;
    TBlendFunction blend;
    const TSize size{10, 10}, empty{0, 10}, tooBig{11, 10};
    const TPoint origin{0, 0}, offside{1, 0};
    HWND child = 0;
    struct Case {
        const char* Name;
        std::function<bool(HWND)> Call;
    };
    const Case cases[] = {
        {"a window that is not layered",
         [&](HWND) {
             HWND plain = MakePopup(Bounds(600, 100, 10, 10), clBlue, WS_POPUP, 0);
             return UpdateLayeredWindow(plain, nullptr, nullptr, &size, picture.Canvas(), &origin, 0, &blend,
                                        ULW_ALPHA);
         }},
        {"a child window",
         [&](HWND) {
             TCreateWindowParams p;
             p.Style = WS_CHILD | WS_VISIBLE;
             p.ExStyle = WS_EX_LAYERED;
             p.Parent = form->Handle();
             p.Bounds = Rect(0, 0, 10, 10);
             child = CreateWindow(p);
             return UpdateLayeredWindow(child, nullptr, nullptr, &size, picture.Canvas(), &origin, 0, &blend,
                                        ULW_ALPHA);
         }},
        {"unknown flags",
         [&](HWND W) {
             return UpdateLayeredWindow(W, nullptr, nullptr, &size, picture.Canvas(), &origin, 0, &blend, 0x8);
         }},
        {"alpha without a blend",
         [&](HWND W) {
             return UpdateLayeredWindow(W, nullptr, nullptr, &size, picture.Canvas(), &origin, 0, nullptr, ULW_ALPHA);
         }},
        {"a size of 0",
         [&](HWND W) {
             return UpdateLayeredWindow(W, nullptr, nullptr, &empty, picture.Canvas(), &origin, 0, &blend, ULW_ALPHA);
         }},
        {"a source too small",
         [&](HWND W) {
             return UpdateLayeredWindow(W, nullptr, nullptr, &tooBig, picture.Canvas(), &origin, 0, &blend, ULW_ALPHA);
         }},
        {"a source point that pushes the size out",
         [&](HWND W) {
             return UpdateLayeredWindow(W, nullptr, nullptr, &size, picture.Canvas(), &offside, 0, &blend, ULW_ALPHA);
         }},
        {"a source without pixels",
         [&](HWND W) {
             return UpdateLayeredWindow(W, nullptr, nullptr, &size, &noPixels, &origin, 0, &blend, ULW_ALPHA);
         }},
        {"a new size without a source",
         [&](HWND W) {
             return UpdateLayeredWindow(W, nullptr, nullptr, &size, nullptr, nullptr, 0, &blend, ULW_ALPHA);
         }},
        {"no source and no picture yet",
         [&](HWND W) {
             return UpdateLayeredWindow(W, nullptr, nullptr, nullptr, nullptr, nullptr, 0, &blend, ULW_ALPHA);
         }},
        {"a window given attributes",
         [&](HWND W) {
             EXPECT_TRUE(SetLayeredWindowAttributes(W, 0, 128, LWA_ALPHA));
             return UpdateLayeredWindow(W, nullptr, nullptr, &size, picture.Canvas(), &origin, 0, &blend, ULW_ALPHA);
         }},
        {"a handle that is not a window",
         [&](HWND) {
             return UpdateLayeredWindow(0x7FFFFF, nullptr, nullptr, &size, picture.Canvas(), &origin, 0, &blend,
                                        ULW_ALPHA);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        HWND w = MakePopup(Bounds(600, 100, 20, 20), clBlue);
        EXPECT_FALSE(c.Call(w));
        EXPECT_EQ(GetWindowRect(w), Bounds(600, 100, 20, 20));
        EXPECT_FALSE(Native(w).Layer && Native(w).Layer->Image);
    }
    EXPECT_FALSE(SetLayeredWindowAttributes(child, 0, 128, LWA_ALPHA)) << "a child window";
    HWND w = MakePopup(Bounds(600, 100, 20, 20), clBlue);
    EXPECT_FALSE(SetLayeredWindowAttributes(w, 0, 128, 0x4)) << "unknown flags";
    EXPECT_FALSE(Native(w).Layer);
}

TEST_F(LayeredWindows, AWindowThatPaintsItselfUnderAnOpacityAndAColourKey)
{
    // Red over the white control, 192 of 255 opaque.
    HWND w = MakePopup(Bounds(150, 150, 20, 20), clRed);
    ASSERT_TRUE(SetLayeredWindowAttributes(w, 0, 192, LWA_ALPHA));
    ASSERT_TRUE(Native(w).Layer);
    EXPECT_EQ(Native(w).Layer->Alpha, 192);
    EXPECT_FALSE(Native(w).Layer->Image);
    uint32_t shown = ScreenAt(160, 160);
    EXPECT_EQ(shown >> 16, 0xFFu);
    EXPECT_NEAR(double(shown & 0xFF), 63, 1);
    EXPECT_EQ(WindowFromPoint({160, 160}), w) << "a translucent window still takes the mouse";

    // A colour key: the olive half is not there, for the eye and for the mouse.
    HWND keyed = MakePopup(Bounds(150, 150, 20, 20), clBlue, WS_POPUP, WS_EX_LAYERED, clOlive);
    ASSERT_TRUE(SetLayeredWindowAttributes(keyed, clOlive, 0, LWA_COLORKEY));
    EXPECT_EQ(ScreenAt(165, 160), 0x0000FFu) << "the blue half, opaque: no alpha was given";
    EXPECT_EQ(WindowFromPoint({165, 160}), keyed);
    EXPECT_EQ(WindowFromPoint({152, 160}), w) << "through the keyed half to the window below";
    ClickAt({152, 160});
    EXPECT_TRUE(h.Log.Contains("popup WM_LBUTTONDOWN"));

    // Constant alpha 0 lets the mouse through the whole window.
    ASSERT_TRUE(SetLayeredWindowAttributes(w, 0, 0, LWA_ALPHA));
    EXPECT_EQ(ScreenAt(152, 160), 0xFFFFFFu);
    EXPECT_EQ(WindowFromPoint({152, 160}), a->Handle());
}

TEST_F(LayeredWindows, ClearingTheLayeredStyleEndsTheLayerAndFreesTheWindowForAPicture)
{
    HWND w = MakePopup(Bounds(150, 150, 20, 20), clRed);
    ASSERT_TRUE(SetLayeredWindowAttributes(w, 0, 128, LWA_ALPHA));
    SetWindowExStyle(w, GetWindowExStyle(w) & ~WS_EX_LAYERED);
    EXPECT_FALSE(Native(w).Layer);
    EXPECT_EQ(ScreenAt(160, 160), 0xFF0000u);
    EXPECT_FALSE(SetLayeredWindowAttributes(w, 0, 128, LWA_ALPHA)) << "no longer layered";

    SetWindowExStyle(w, GetWindowExStyle(w) | WS_EX_LAYERED);
    TBitmap picture;
    FillPicture(picture, 20, 20, [](Integer, Integer) { return 0xFF00FF00u; });
    TBlendFunction blend;
    EXPECT_TRUE(UpdateLayeredWindow(w, nullptr, nullptr, nullptr, picture.Canvas(), nullptr, 0, &blend, ULW_ALPHA));
    EXPECT_EQ(ScreenAt(160, 160), 0x00FF00u);
}

TEST_F(LayeredWindows, TheMouseFallsThroughTransparentPixelsAndTransparentWindows)
{
    // Left half transparent, right half opaque, over the control a.
    HWND w = MakePopup(Bounds(150, 150, 20, 10), clBlue);
    TBitmap picture;
    FillPicture(picture, 20, 10, [](Integer X, Integer) { return X < 10 ? 0u : 0xFF0000FFu; });
    TBlendFunction blend;
    ASSERT_TRUE(UpdateLayeredWindow(w, nullptr, nullptr, nullptr, picture.Canvas(), nullptr, 0, &blend, ULW_ALPHA));
    EXPECT_EQ(WindowFromPoint({155, 155}), a->Handle());
    EXPECT_EQ(WindowFromPoint({165, 155}), w);
    ClickAt({155, 155});
    EXPECT_EQ(h.Log.Take(), (Events{"a WM_LBUTTONDOWN", "a WM_LBUTTONUP", "a WM_CAPTURECHANGED"}));
    ClickAt({165, 155});
    Events e = h.Log.Take();
    EXPECT_NE(std::find(e.begin(), e.end(), "popup WM_LBUTTONDOWN"), e.end());

    // Layered and transparent: clicks go through the whole window.
    SetWindowExStyle(w, WS_EX_LAYERED | WS_EX_TRANSPARENT);
    EXPECT_EQ(WindowFromPoint({165, 155}), a->Handle());
}

TEST_F(LayeredWindows, AShapeLimitsWhereAWindowShowsAndTakesTheMouse)
{
    HWND w = MakePopup(Bounds(150, 150, 40, 40), clBlue, WS_POPUP, 0);
    TRegion ring;
    ring.Combine(TRegion(Rect(0, 0, 40, 40)), TRegion(Rect(10, 10, 30, 30)), RGN_DIFF);
    ASSERT_TRUE(SetWindowRgn(w, &ring, true));
    ring = TRegion();  // the window keeps its own copy
    TRegion kept;
    ASSERT_TRUE(GetWindowRgn(w, kept));
    EXPECT_TRUE(kept.Contains(5, 5));
    EXPECT_FALSE(kept.Contains(20, 20));
    ASSERT_TRUE(Native(w).Shape);
    EXPECT_TRUE(*Native(w).Shape == kept);

    EXPECT_EQ(ScreenAt(155, 155), 0x0000FFu);
    EXPECT_EQ(ScreenAt(170, 170), 0xFFFFFFu) << "the control shows through the hole";
    EXPECT_EQ(WindowFromPoint({155, 155}), w);
    EXPECT_EQ(WindowFromPoint({170, 170}), a->Handle());
    ClickAt({170, 170});
    EXPECT_EQ(h.Log.Take(), (Events{"a WM_LBUTTONDOWN", "a WM_LBUTTONUP", "a WM_CAPTURECHANGED"}));

    ASSERT_TRUE(SetWindowRgn(w, nullptr, true));
    EXPECT_FALSE(GetWindowRgn(w, kept));
    EXPECT_FALSE(Native(w).Shape);
    EXPECT_EQ(WindowFromPoint({170, 170}), w);
    EXPECT_EQ(ScreenAt(170, 170), 0x0000FFu);

    EXPECT_FALSE(SetWindowRgn(a->Handle(), &kept, true)) << "a child window";
    EXPECT_FALSE(SetWindowRgn(0x7FFFFF, &kept, true));
}

// --- showing without activation -------------------------------------------------------------------

TEST_F(LayeredWindows, OverlaysShowWithoutTakingTheActivationOrTheFocus)
{
    struct Case {
        const char* Name;
        Cardinal Style, ExStyle;
        TNativeKind Kind;
    };
    const Case cases[] = {
        {"the grid's focus frame", WS_POPUP | WS_DISABLED, WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
         TNativeKind::NonActivatingPopup},
        {"a non-activating pop-up", WS_POPUP, WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, TNativeKind::NonActivatingPopup},
        {"a drag image", WS_POPUP | WS_DISABLED | WS_BORDER, WS_EX_LAYERED, TNativeKind::NonActivatingPopup},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TCreateWindowParams p;
        p.Style = c.Style;
        p.ExStyle = c.ExStyle;
        p.Bounds = Bounds(140, 140, 60, 40);
        p.WndProc = [this](HWND Wnd, UINT Msg, WPARAM W, LPARAM L) -> LRESULT {
            h.Log.Add("overlay " + MessageName(Msg));
            return DefWindowProc(Wnd, Msg, W, L);
        };
        HWND w = CreateWindow(p);
        EXPECT_EQ(Native(w).Kind, c.Kind);
        h.ProcessMessages();
        h.Log.Clear();
        ShowWindow(w, true);
        SetActiveWindow(w);
        SetFocus(w);
        ClickAt({150, 150});
        Events e = h.Log.Take();
        for (const char* m : {"WM_ACTIVATE", "WM_SETFOCUS", "WM_KILLFOCUS"})
            EXPECT_EQ(std::count(e.begin(), e.end(), std::string("overlay ") + m), 0) << m;
        EXPECT_FALSE(h.Log.Contains("a WM_KILLFOCUS"));
        EXPECT_EQ(e.front(), "overlay WM_SHOWWINDOW") << "shown and nothing else first";
        EXPECT_TRUE(IsWindowVisible(w));
        EXPECT_EQ(GetTopLevelWindows().front(), w);
        EXPECT_EQ(GetActiveWindow(), form->Handle());
        EXPECT_EQ(GetFocus(), a->Handle());
        DestroyWindow(w);
        h.ProcessMessages();
        EXPECT_EQ(GetFocus(), a->Handle());
    }

    // A pop-up that can be activated (a drop-down) is one the display lets take it.
    HWND drop = MakePopup(Bounds(140, 140, 60, 40), clBlue, WS_POPUP, 0);
    EXPECT_EQ(Native(drop).Kind, TNativeKind::ActivatingPopup);
}

// A form that never takes the activation: how the grid shows its drag image.
class TNoActivateForm : public TForm {
public:
    using TForm::TForm;

protected:
    void CreateParams(TCreateParams& P) override
    {
        TForm::CreateParams(P);
        P.Style = WS_POPUP | WS_DISABLED | WS_BORDER;
    }
};

TEST_F(LayeredWindows, AFormThatCannotBeActivatedShowsTranslucentAndLeavesTheFocus)
{
    auto* image = new TNoActivateForm(form);
    image->SetBorderStyle(bsNone);
    image->SetBounds(150, 150, 40, 20);
    image->SetColor(clRed);
    image->SetAlphaBlendValue(192);
    image->SetAlphaBlend(true);
    image->Show();
    h.ProcessMessages();
    EXPECT_TRUE(GetWindowExStyle(image->Handle()) & WS_EX_LAYERED);
    ASSERT_TRUE(Native(image->Handle()).Layer);
    EXPECT_EQ(Native(image->Handle()).Layer->Alpha, 192);
    EXPECT_TRUE(h.Log.Take().empty()) << "the focused control hears nothing";
    EXPECT_EQ(GetActiveWindow(), form->Handle());
    EXPECT_EQ(GetFocus(), a->Handle());
    EXPECT_FALSE(image->Active());
    const uint32_t shown = ScreenAt(160, 160);
    EXPECT_EQ(shown >> 16, 0xFFu);
    EXPECT_NEAR(double(shown & 0xFF), 63, 1);
    ClickAt({160, 160});
    EXPECT_EQ(GetActiveWindow(), form->Handle()) << "a click on it does not activate it";
    EXPECT_EQ(GetFocus(), a->Handle());

    // The opacity follows the property; without alpha blending the form is opaque again.
    image->SetAlphaBlendValue(64);
    EXPECT_EQ(Native(image->Handle()).Layer->Alpha, 64);
    image->SetAlphaBlend(false);
    EXPECT_FALSE(GetWindowExStyle(image->Handle()) & WS_EX_LAYERED);
    EXPECT_FALSE(Native(image->Handle()).Layer);
    EXPECT_EQ(ScreenAt(160, 160), 0xFF0000u);
}

}  // namespace
}  // namespace gw::test
