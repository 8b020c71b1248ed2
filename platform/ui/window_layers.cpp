// Layered windows and window shapes: the picture or the opacity a top-level window is shown
// with, the shape it is cut to, and where the mouse falls through them.
#include "platform/graphics/canvas.h"
#include "platform/ui/window_system_state.h"

#include <algorithm>
#include <cstring>

namespace gw {

namespace {

TSurfaceRef NewArgbSurface(Integer Width, Integer Height)
{
    return TSurfaceRef(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(1, Width), std::max(1, Height)),
                       cairo_surface_destroy);
}

// A cairo pixel (0xAARRGGBB, premultiplied) of an image surface; 0 outside it.
uint32_t PixelOf(cairo_surface_t* S, Integer X, Integer Y)
{
    if (!S || X < 0 || Y < 0 || X >= cairo_image_surface_get_width(S) || Y >= cairo_image_surface_get_height(S))
        return 0;
    cairo_surface_flush(S);
    const unsigned char* row = cairo_image_surface_get_data(S) + std::ptrdiff_t(Y) * cairo_image_surface_get_stride(S);
    uint32_t v;
    std::memcpy(&v, row + std::ptrdiff_t(X) * 4, 4);
    if (cairo_image_surface_get_format(S) == CAIRO_FORMAT_RGB24) v |= 0xFF000000u;
    return v;
}

// A colour as the pixels hold it (0xRRGGBB).
uint32_t PixelRgbOf(TColor Color)
{
    const TColor c = ColorToRGB(Color);
    return (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}

// x * y / 255, to the nearest.
uint32_t Scale(uint32_t X, uint32_t Y) { return (X * Y + 127) / 255; }

uint32_t ScalePixel(uint32_t P, uint32_t Alpha)
{
    if (Alpha == 255) return P;
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) out |= Scale((P >> shift) & 0xFF, Alpha) << shift;
    return out;
}

// Applies Shown to every pixel of an ARGB32 surface.
template <typename F>
void ForEachPixel(cairo_surface_t* S, F Shown)
{
    cairo_surface_flush(S);
    unsigned char* data = cairo_image_surface_get_data(S);
    const Integer w = cairo_image_surface_get_width(S), h = cairo_image_surface_get_height(S);
    const Integer stride = cairo_image_surface_get_stride(S);
    for (Integer y = 0; y < h; ++y) {
        auto* row = data + std::ptrdiff_t(y) * stride;
        for (Integer x = 0; x < w; ++x) {
            uint32_t v;
            std::memcpy(&v, row + std::ptrdiff_t(x) * 4, 4);
            v = Shown(v);
            std::memcpy(row + std::ptrdiff_t(x) * 4, &v, 4);
        }
    }
    cairo_surface_mark_dirty(S);
}

// The picture a window shows from what UpdateLayeredWindow gave it.
TSurfaceRef ShownPicture(const detail::TLayerPicture& P)
{
    cairo_surface_t* src = P.Source.get();
    TSurfaceRef out = NewArgbSurface(cairo_image_surface_get_width(src), cairo_image_surface_get_height(src));
    cairo_t* cr = cairo_create(out.get());
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, src, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    const bool blended = (P.Flags & ULW_ALPHA) && !(P.Flags & ULW_OPAQUE);
    const bool perPixel = blended && (P.Blend.AlphaFormat & AC_SRC_ALPHA);
    const uint32_t constant = blended ? P.Blend.SourceConstantAlpha : 255;
    const bool keyed = (P.Flags & ULW_COLORKEY) != 0;
    const uint32_t key = PixelRgbOf(P.Key);
    ForEachPixel(out.get(), [&](uint32_t v) -> uint32_t {
        if (keyed && (v & 0xFFFFFF) == key) return 0;
        if (!perPixel) return ScalePixel(v | 0xFF000000u, constant);
        // Colours above their alpha are not premultiplied: held to it, the picture stays one.
        const uint32_t a = v >> 24;
        uint32_t p = a << 24;
        for (int shift = 0; shift < 24; shift += 8) p |= std::min((v >> shift) & 0xFF, a) << shift;
        return ScalePixel(p, constant);
    });
    return out;
}

// Size pixels of the canvas's surface from Pos (logical), as an ARGB32 copy; nullptr when the
// canvas has no pixels there.
TSurfaceRef CopySource(TCanvas& Source, TPoint Pos, TSize Size)
{
    cairo_surface_t* s = Source.Handle();
    const TPoint at{Pos.X + Source.Origin().X, Pos.Y + Source.Origin().Y};
    if (!s || at.X < 0 || at.Y < 0 || at.X + Size.cx > Source.SurfaceWidth() || at.Y + Size.cy > Source.SurfaceHeight())
        return nullptr;
    cairo_surface_flush(s);
    TSurfaceRef copy = NewArgbSurface(Size.cx, Size.cy);
    cairo_t* cr = cairo_create(copy.get());
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, s, -at.X, -at.Y);
    cairo_paint(cr);
    cairo_destroy(cr);
    return copy;
}

void TellDisplay(const detail::TWindowRecord& r)
{
    if (!HasBackend()) return;
    Backend().WindowLayerChanged(r.Handle, r.LayerMode == detail::TLayerMode::Painted ? nullptr : &r.Layer);
}

detail::TWindowRecord* LayeredTopLevel(HWND Wnd)
{
    detail::TWindowRecord* r = detail::Find(Wnd);
    if (!r || !detail::IsTopLevel(*r) || r->Destroying || !(r->ExStyle & WS_EX_LAYERED)) return nullptr;
    return r;
}

}  // namespace

TSurfaceRef LayeredWindowPixels(const TWindowLayer& Layer, cairo_surface_t* Painted, Integer Width, Integer Height)
{
    TSurfaceRef out = NewArgbSurface(Width, Height);
    cairo_t* cr = cairo_create(out.get());
    if (Layer.Image) {
        cairo_set_source_surface(cr, Layer.Image.get(), 0, 0);
        cairo_paint(cr);
        cairo_destroy(cr);
        return out;
    }
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    if (Painted) {
        cairo_surface_flush(Painted);
        cairo_set_source_surface(cr, Painted, 0, 0);
        cairo_paint(cr);
    }
    cairo_destroy(cr);
    const uint32_t key = PixelRgbOf(Layer.Key);
    ForEachPixel(out.get(), [&](uint32_t v) -> uint32_t {
        if (Layer.HasKey && (v & 0xFFFFFF) == key) return 0;
        return ScalePixel(v, Layer.Alpha);
    });
    return out;
}

namespace detail {

bool TakesMouseAt(const TWindowRecord& r, TPoint P)
{
    if (r.Shape && !r.Shape->Contains(P.X, P.Y)) return false;
    if (!(r.ExStyle & WS_EX_LAYERED)) return true;
    if (r.ExStyle & WS_EX_TRANSPARENT) return false;
    switch (r.LayerMode) {
    case TLayerMode::Painted: return true;
    case TLayerMode::Picture: return (PixelOf(r.Layer.Image.get(), P.X, P.Y) >> 24) != 0;
    case TLayerMode::Attributes: break;
    }
    if (r.Layer.Alpha == 0) return false;
    if (!r.Layer.HasKey || !HasBackend()) return true;
    return (PixelOf(Backend().WindowSurface(r.Handle), P.X, P.Y) & 0xFFFFFF) != PixelRgbOf(r.Layer.Key);
}

void LayeredStyleChanged(TWindowRecord& r, Cardinal OldExStyle)
{
    if (!(OldExStyle & WS_EX_LAYERED) || (r.ExStyle & WS_EX_LAYERED)) return;
    const bool wasShown = r.LayerMode != TLayerMode::Painted;
    r.LayerMode = TLayerMode::Painted;
    r.Picture = {};
    r.Layer = {};
    if (!wasShown || !IsTopLevel(r)) return;
    TellDisplay(r);
    // What it painted under the picture was never shown: it paints anew.
    InvalidateRect(r.Handle, nullptr, true);
}

}  // namespace detail

using namespace detail;

bool UpdateLayeredWindow(HWND Wnd, TCanvas* /*DestDC*/, const TPoint* DestPos, const TSize* Size, TCanvas* SourceDC,
                         const TPoint* SourcePos, TColor Key, const TBlendFunction* Blend, Cardinal Flags)
{
    TWindowRecord* r = LayeredTopLevel(Wnd);
    if (!r || r->LayerMode == TLayerMode::Attributes) return false;
    if ((Flags & ~Cardinal(ULW_COLORKEY | ULW_ALPHA | ULW_OPAQUE)) || ((Flags & ULW_ALPHA) && !Blend)) return false;
    TLayerPicture picture = r->Picture;
    if (SourceDC) {
        const TSize size = Size ? *Size : TSize{r->Bounds.Width(), r->Bounds.Height()};
        if (size.cx <= 0 || size.cy <= 0) return false;
        picture.Source = CopySource(*SourceDC, SourcePos ? *SourcePos : TPoint{}, size);
    } else if (Size) {
        return false;  // a new size needs a new picture
    }
    if (!picture.Source) return false;
    picture.Key = Key;
    picture.Blend = Blend ? *Blend : TBlendFunction{};
    picture.Flags = Flags;

    r->Picture = std::move(picture);
    r->LayerMode = TLayerMode::Picture;
    r->Layer = {};
    r->Layer.Image = ShownPicture(r->Picture);
    TellDisplay(*r);
    TRect bounds = r->Bounds;
    if (DestPos) bounds = Bounds(DestPos->X, DestPos->Y, bounds.Width(), bounds.Height());
    if (Size) bounds = Bounds(bounds.Left, bounds.Top, Size->cx, Size->cy);
    // The picture is what shows: nothing needs painting for a move.
    MoveWindow(Wnd, bounds, false);
    return true;
}

bool SetLayeredWindowAttributes(HWND Wnd, TColor Key, Byte Alpha, Cardinal Flags)
{
    TWindowRecord* r = LayeredTopLevel(Wnd);
    if (!r || (Flags & ~Cardinal(LWA_COLORKEY | LWA_ALPHA))) return false;
    const bool wasPicture = r->LayerMode == TLayerMode::Picture;
    r->LayerMode = TLayerMode::Attributes;
    r->Picture = {};
    r->Layer = {};
    r->Layer.Alpha = (Flags & LWA_ALPHA) ? Alpha : Byte(255);
    r->Layer.HasKey = (Flags & LWA_COLORKEY) != 0;
    r->Layer.Key = Key;
    TellDisplay(*r);
    if (wasPicture) InvalidateRect(Wnd, nullptr, true);
    return true;
}

bool SetWindowRgn(HWND Wnd, const TRegion* Region, bool Redraw)
{
    TWindowRecord* r = Find(Wnd);
    if (!r || !IsTopLevel(*r) || r->Destroying) return false;
    if (Region)
        r->Shape = *Region;
    else
        r->Shape.reset();
    if (HasBackend()) Backend().WindowShapeChanged(Wnd, Region);
    if (Redraw) InvalidateRect(Wnd, nullptr, true);
    return true;
}

bool GetWindowRgn(HWND Wnd, TRegion& Region)
{
    TWindowRecord* r = Find(Wnd);
    if (!r || !r->Shape) return false;
    Region = *r->Shape;
    return true;
}

}  // namespace gw
