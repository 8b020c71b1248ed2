// Painting: invalidation gathered into one paint, WM_SETREDRAW, Update at once, windowless
// children painted by their parent, PaintTo and double buffering, the PNG of a window.
#include "test_controls.h"

#include "platform/graphics/canvas.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

// Fills itself with one colour and counts its paints.
class TFillControl : public TCustomControl {
public:
    TFillControl(TComponent* AOwner, TWinControl* AParent, TColor Fill, TRect Bounds)
        : TCustomControl(AOwner), m_fill(Fill)
    {
        SetBoundsRect(Bounds);
        SetParent(AParent);
    }
    int Paints = 0;
    bool InvalidateWhilePainting = false;

protected:
    void Paint() override
    {
        ++Paints;
        if (InvalidateWhilePainting) {
            InvalidateWhilePainting = false;
            Invalidate();
        }
        Canvas()->Brush()->SetColor(m_fill);
        Canvas()->FillRect(ClientRect());
    }

private:
    TColor m_fill;
};

class TFillGraphic : public TGraphicControl {
public:
    TFillGraphic(TComponent* AOwner, TWinControl* AParent, TColor Fill, TRect Bounds)
        : TGraphicControl(AOwner), m_fill(Fill)
    {
        SetBoundsRect(Bounds);
        SetParent(AParent);
    }

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(m_fill);
        Canvas()->FillRect(Rect(0, 0, Width(), Height()));
    }

private:
    TColor m_fill;
};

// The colour of a pixel of an RGB24 surface, as $00BBGGRR.
TColor PixelAt(cairo_surface_t* S, Integer X, Integer Y)
{
    cairo_surface_flush(S);
    const unsigned char* data = cairo_image_surface_get_data(S);
    uint32_t v = *reinterpret_cast<const uint32_t*>(data + Y * cairo_image_surface_get_stride(S) + X * 4);
    return RGB(Byte(v >> 16), Byte(v >> 8), Byte(v));
}

class Painting : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = MakeForm(Application, Rect(100, 100, 300, 250));
        form->SetColor(clWhite);
        red = new TFillControl(form, form, clRed, Rect(10, 10, 60, 40));
        blue = new TFillGraphic(form, form, clBlue, Rect(100, 10, 140, 40));
        form->Show();
        h.ProcessMessages();
    }
    cairo_surface_t* Surface() { return h.Display().NativeWindow(form->Handle())->Surface.get(); }

    THarness h;
    TForm* form = nullptr;
    TFillControl* red = nullptr;
    TFillGraphic* blue = nullptr;
};

TEST_F(Painting, ControlsAndWindowlessChildrenLandOnTheWindowsPicture)
{
    EXPECT_EQ(PixelAt(Surface(), 30, 20), clRed);
    EXPECT_EQ(PixelAt(Surface(), 120, 20), clBlue);
    EXPECT_EQ(PixelAt(Surface(), 5, 5), clWhite);
    EXPECT_EQ(PixelAt(Surface(), 180, 100), clWhite);
}

TEST_F(Painting, InvalidationsGatherIntoOnePaintWhenTheQueueIsEmpty)
{
    int before = red->Paints;
    red->Invalidate();
    red->Invalidate();
    red->Invalidate();
    EXPECT_EQ(red->Paints, before) << "nothing paints before the loop runs";
    h.ProcessMessages();
    EXPECT_EQ(red->Paints, before + 1);
}

TEST_F(Painting, WhatAPaintInvalidatesIsPaintedNextAndANonValidatingHandlerOnce)
{
    int before = red->Paints;
    red->InvalidateWhilePainting = true;
    red->Invalidate();
    h.ProcessMessages();
    EXPECT_EQ(red->Paints, before + 2);
    int raw = 0;
    TCreateWindowParams p;
    p.Style = WS_VISIBLE;
    p.Bounds = Rect(400, 400, 450, 450);
    p.WndProc = [&](HWND, UINT Msg, WPARAM, LPARAM) -> LRESULT { return Msg == WM_PAINT ? ++raw, 0 : 0; };
    CreateWindow(p);
    h.ProcessMessages();
    EXPECT_EQ(raw, 1) << "a procedure that never validates is not asked again and again";
}

TEST_F(Painting, SetRedrawStopsAndResumesPainting)
{
    int before = red->Paints;
    SendMessage(red->Handle(), WM_SETREDRAW, 0, 0);
    red->Invalidate();
    h.ProcessMessages();
    EXPECT_EQ(red->Paints, before);
    SendMessage(red->Handle(), WM_SETREDRAW, 1, 0);
    red->Invalidate();
    h.ProcessMessages();
    EXPECT_EQ(red->Paints, before + 1);
}

TEST_F(Painting, UpdatePaintsAtOnceAndARepaintedParentRepaintsItsChildren)
{
    int before = red->Paints;
    red->Invalidate();
    red->Update();
    EXPECT_EQ(red->Paints, before + 1);
    form->Invalidate();
    h.ProcessMessages();
    EXPECT_EQ(red->Paints, before + 2);
    EXPECT_EQ(PixelAt(Surface(), 30, 20), clRed) << "the child is drawn over the parent's background";
}

TEST_F(Painting, TheFramePaintsAfterTheClientWhenThePaintReachedTheEdge)
{
    TWndMethod old = red->WindowProc;
    red->WindowProc = [&, old](TMessage& M) {
        if (M.Msg == WM_PAINT || M.Msg == WM_NCPAINT) h.Log.Add(MessageName(M.Msg));
        old(M);
    };
    red->Invalidate();
    EXPECT_TRUE(FramePaintPending(red->Handle()));
    h.ProcessMessages();
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"WM_PAINT", "WM_NCPAINT"}));
    EXPECT_FALSE(FramePaintPending(red->Handle())) << "painted";
    TRect inner = Rect(10, 10, 20, 20);
    InvalidateRect(red->Handle(), &inner, false);
    EXPECT_FALSE(FramePaintPending(red->Handle()));
    h.ProcessMessages();
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"WM_PAINT"}));
    // Each edge on its own brings the frame.
    const TRect client = red->ClientRect();
    const TRect edges[] = {Rect(0, 10, 5, 20), Rect(10, 0, 20, 5), Rect(10, 10, client.Right, 20),
                           Rect(10, 10, 20, client.Bottom)};
    for (const TRect& e : edges) {
        InvalidateRect(red->Handle(), &e, false);
        EXPECT_TRUE(FramePaintPending(red->Handle())) << e.Left << "," << e.Top << "," << e.Right << "," << e.Bottom;
        h.ProcessMessages();
        EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"WM_PAINT", "WM_NCPAINT"}));
    }
}

TEST_F(Painting, PaintToDrawsTheWholeControlIntoACanvas)
{
    std::shared_ptr<cairo_surface_t> s(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 200, 150), cairo_surface_destroy);
    TCanvas canvas(s.get());
    form->PaintTo(canvas, 0, 0);
    EXPECT_EQ(PixelAt(s.get(), 30, 20), clRed);
    EXPECT_EQ(PixelAt(s.get(), 120, 20), clBlue);
    EXPECT_EQ(PixelAt(s.get(), 5, 5), clWhite);
}

TEST_F(Painting, DoubleBufferingGivesTheSamePicture)
{
    form->DoubleBuffered = true;
    red->DoubleBuffered = true;
    form->Repaint();
    h.ProcessMessages();
    EXPECT_EQ(PixelAt(Surface(), 30, 20), clRed);
    EXPECT_EQ(PixelAt(Surface(), 120, 20), clBlue);
    EXPECT_EQ(PixelAt(Surface(), 5, 5), clWhite);
}

TEST_F(Painting, AWindowsPictureIsWrittenAsPng)
{
    const auto formFile = picturePath("ui_window_form.png");
    const auto redFile = picturePath("ui_window_red.png");
    h.SavePng(form, Utf8ToString(formFile.string()));
    h.SavePng(red, Utf8ToString(redFile.string()));
    std::string bytes = readBytes(redFile);
    ASSERT_GT(bytes.size(), 8u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    std::shared_ptr<cairo_surface_t> png(cairo_image_surface_create_from_png(redFile.string().c_str()),
                                         cairo_surface_destroy);
    EXPECT_EQ(cairo_image_surface_get_width(png.get()), 50);
    EXPECT_EQ(PixelAt(png.get(), 25, 15), clRed);
}

}  // namespace
}  // namespace gw::test
