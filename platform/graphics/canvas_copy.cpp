// Copies between canvases and pictures: Draw, StretchDraw, CopyRect, BitBlt and raster ops.
#include "platform/graphics/canvas_internal.h"

#include "platform/graphics/bitmap.h"

#include <algorithm>

namespace gw {

using detail::FromPixel;
using detail::ToPixel;

uint32_t ApplyRasterOp(TCopyMode Rop, uint32_t S, uint32_t D, uint32_t P)
{
    // The operation's code byte holds the result for each combination of pattern, source and
    // destination bits (index P*4 + S*2 + D).
    uint32_t code = (Rop >> 16) & 0xFF;
    uint32_t result = 0;
    for (uint32_t idx = 0; idx < 8; ++idx) {
        if (!(code & (1u << idx))) continue;
        uint32_t p = (idx & 4) ? P : ~P;
        uint32_t s = (idx & 2) ? S : ~S;
        uint32_t d = (idx & 1) ? D : ~D;
        result |= p & s & d;
    }
    return result & 0xFFFFFF;
}

namespace detail {

void Blit(TCanvas& canvas, const TRect& dest, const Pixels& source, const TRect& src, TCopyMode rop,
          int64_t transparentColour, bool useAlpha)
{
    if (!canvas.Handle() || IsRectEmpty(dest) || IsRectEmpty(src)) return;
    const TRect d = canvas.LogicalToDevice(dest);
    const TRegion& clip = canvas.Internals().Clip(canvas);
    TRect visible;
    if (!IntersectRect(visible, d, clip.Bounds())) return;
    bool single = clip.RectCount() == 1;
    // Read the source first: it may be the destination itself.
    Integer w = visible.Width(), h = visible.Height();
    std::vector<uint32_t> buffer(size_t(w) * h, 0);
    std::vector<uint8_t> present(size_t(w) * h, 0);
    for (Integer y = 0; y < h; ++y) {
        Integer sy = src.Top + int64_t(visible.Top + y - d.Top) * src.Height() / d.Height();
        for (Integer x = 0; x < w; ++x) {
            Integer sx = src.Left + int64_t(visible.Left + x - d.Left) * src.Width() / d.Width();
            if (!source.Inside(sx, sy)) continue;
            buffer[size_t(y) * w + x] = source.Row(sy)[sx];
            present[size_t(y) * w + x] = 1;
        }
    }
    Pixels target(canvas.Handle());
    uint32_t pattern = Rgb(canvas.Brush()->Color());
    for (Integer y = 0; y < h; ++y) {
        uint32_t* row = target.Row(visible.Top + y);
        for (Integer x = 0; x < w; ++x) {
            Integer tx = visible.Left + x, ty = visible.Top + y;
            if (!present[size_t(y) * w + x]) continue;
            if (!single && !clip.Contains(tx, ty)) continue;
            uint32_t s = buffer[size_t(y) * w + x];
            uint32_t sc = FromPixel(s);
            if (transparentColour >= 0 && sc == uint32_t(transparentColour)) continue;
            if (useAlpha) {
                uint32_t a = s >> 24;
                if (a == 0) continue;
                if (a < 255) {
                    // Premultiplied source over the destination.
                    uint32_t dpx = row[tx];
                    auto ch = [&](int shift) {
                        uint32_t sv = (s >> shift) & 0xFF, dv = (dpx >> shift) & 0xFF;
                        return std::min<uint32_t>(255, sv + dv * (255 - a) / 255) << shift;
                    };
                    row[tx] = 0xFF000000u | ch(16) | ch(8) | ch(0);
                    continue;
                }
            }
            row[tx] =
                rop == cmSrcCopy ? (s | 0xFF000000u) : ToPixel(ApplyRasterOp(rop, sc, FromPixel(row[tx]), pattern));
        }
    }
    target.MarkDirty();
}

}  // namespace detail

void TCanvas::Draw(Integer X, Integer Y, TGraphic* Graphic)
{
    if (!Graphic || Graphic->Empty()) return;
    Changing();
    Graphic->Draw(*this, Bounds(X, Y, Graphic->Width(), Graphic->Height()));
    Changed();
}

void TCanvas::StretchDraw(const TRect& R, TGraphic* Graphic)
{
    if (!Graphic || Graphic->Empty()) return;
    Changing();
    Graphic->Draw(*this, R);
    Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Source, const TRect& SourceRect)
{
    if (!Source || !Source->Handle() || !m_surface) return;
    Changing();
    const TRect src = Source->LogicalToDevice(SourceRect);
    detail::Pixels px(Source->Handle());
    detail::Blit(*this, Dest, px, src, CopyMode, -1, false);
    Changed();
}

void BitBlt(TCanvas& Dest, Integer X, Integer Y, Integer W, Integer H, TCanvas& Source, Integer XSrc, Integer YSrc,
            TCopyMode Rop)
{
    TCopyMode saved = Dest.CopyMode;
    Dest.CopyMode = Rop;
    if (Source.Handle()) {
        Dest.CopyRect(Bounds(X, Y, W, H), &Source, Bounds(XSrc, YSrc, W, H));
    } else if (Dest.Handle()) {
        // Operations without a source (patterns, black, white, invert) still apply.
        cairo_surface_t* none = cairo_image_surface_create(CAIRO_FORMAT_RGB24, W, H);
        TCanvas empty(none);
        cairo_surface_destroy(none);
        Dest.CopyRect(Bounds(X, Y, W, H), &empty, Bounds(0, 0, W, H));
    }
    Dest.CopyMode = saved;
}

}  // namespace gw
