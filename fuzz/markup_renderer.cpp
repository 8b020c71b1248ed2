// Fuzz target: the mark-up renderer laying out, hit-testing and drawing arbitrary cell text.
// The first byte holds switches (word wrap, selected, hover mode, printing, blink), the next two
// the mouse position within the cell; the rest is the mark-up text.
#include "fuzz/fuzz_support.h"

#include "grid/foundation/markup_renderer.h"
#include "grid/foundation/picture_cache.h"
#include "grid/foundation/picture_container.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/image_list.h"

#include <memory>

namespace {

using namespace gw;
using gw::fuzz::Fail;

// A 1 x 1 GIF, so that pictures from the container and image lists take part.
constexpr unsigned char kGif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80,
                                  0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x21, 0xF9, 0x04,
                                  0x00, 0x0A, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01,
                                  0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};

struct TWorld {
    TPictureContainer Container{nullptr};
    THTMLPictureCache Cache;
    TImageList Images;
    TBitmap Surface{160, 48};
    TCanvas Measurer;  // measures text, draws nothing

    TWorld()
    {
        for (const char16_t* name : {u"P", u"pic"}) {
            TPictureItem* item = Container.Items()->Add();
            item->Name = name;
            item->Picture()->LoadFromBytes(std::string_view(reinterpret_cast<const char*>(kGif), sizeof kGif));
        }
        TBitmap icon(16, 16);
        Images.Add(&icon, nullptr);
        for (TCanvas* canvas : {&Measurer, Surface.Canvas()}) {
            canvas->Font()->SetName(u"Tahoma");
            canvas->Font()->SetHeight(-11);
        }
    }
};

TWorld& World()
{
    static TWorld world;
    return world;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3) return 0;
    const uint8_t switches = data[0];
    const Integer mouseX = data[1] % 170, mouseY = data[2] % 60;
    const String text = gw::fuzz::FuzzText(gw::fuzz::Bytes(data + 3, size - 3));
    TWorld& world = World();
    TMarkupDrawArgs args{.Canvas = &world.Measurer,
                         .Text = text,
                         .Rect = Rect(2, 2, 150, 40),
                         .Images = &world.Images,
                         .MouseX = mouseX,
                         .MouseY = mouseY,
                         .FocusAnchor = switches >> 5,
                         .HoverAnchor = 1,
                         .Selected = (switches & 2) != 0,
                         .BlinkOn = (switches & 4) != 0,
                         .HoverMode = (switches & 8) != 0,
                         .WordWrap = (switches & 1) != 0,
                         .MouseDown = (switches & 16) != 0,
                         .HoverColor = clYellow,
                         .HoverFontColor = clRed,
                         .ControlID = u"c",
                         .PictureCache = &world.Cache,
                         .PictureContainer = &world.Container};

    TMarkupDrawArgs measure = args;
    measure.MeasureOnly = true;
    const TMarkupDrawResult measured = DrawMarkupText(measure);
    if (measured.Hit) Fail("measuring reported a hit");
    if (measured.UsedHeight <= 0 || measured.UsedWidth < 0) Fail("measured size out of range");
    // Each run, entity and line break of the text shows at most once in the plain text.
    if (measured.PlainText.size() > text.size()) Fail("plain text longer than the text");

    // A rectangle that holds every line lays out exactly what measuring does.
    TMarkupDrawArgs tall = args;
    tall.Rect.Bottom = 1 << 24;
    const TMarkupDrawResult drawn = DrawMarkupText(tall);
    if (drawn.UsedWidth != measured.UsedWidth || drawn.UsedHeight != measured.UsedHeight)
        Fail("drawing and measuring lay the text out differently");
    if (drawn.PlainText != measured.PlainText) Fail("drawing and measuring found different plain text");

    TMarkupDrawArgs hit = args;
    hit.HitTest = true;
    const TMarkupDrawResult tested = DrawMarkupText(hit);
    if (tested.Hit && tested.AnchorValue.empty() && tested.ControlType.empty() && tested.ControlID.empty())
        Fail("a hit without an anchor or a control");

    // Real drawing on a small surface, for the drawing paths (short texts: it is slow).
    if (text.size() <= 400) {
        TMarkupDrawArgs paint = args;
        paint.Canvas = world.Surface.Canvas();
        paint.Printing = (switches & 32) != 0;
        paint.PrintScale = 1.5;
        DrawMarkupText(paint);
    }
    // The cache only grows by sources met; keep it from growing without end over a long run.
    if (world.Cache.Count() > 64) world.Cache.ClearPictures();
    return 0;
}
