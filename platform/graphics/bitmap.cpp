// Bitmaps in memory: size, pixel format, canvas, transparency and drawing.
#include "platform/graphics/bitmap.h"

#include "platform/graphics/canvas_internal.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/resources.h"

#include <algorithm>
#include <cstring>

namespace gw {

namespace {

cairo_format_t FormatFor(TPixelFormat f) { return f == pf32bit ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24; }

}  // namespace

TBitmap::TBitmap() { Recreate(0, 0, false); }

TBitmap::TBitmap(Integer AWidth, Integer AHeight, TPixelFormat Format) : m_pixelFormat(Format)
{
    Recreate(AWidth, AHeight, false);
}

TBitmap::~TBitmap()
{
    m_canvas.reset();
    if (m_surface) cairo_surface_destroy(m_surface);
}

void TBitmap::Recreate(Integer AWidth, Integer AHeight, bool keep)
{
    AWidth = std::max(0, AWidth);
    AHeight = std::max(0, AHeight);
    if (int64_t(AWidth) * AHeight > (int64_t(1) << 28) || AWidth > 32767 || AHeight > 32767)
        throw EOutOfResources(u"Out of system resources");
    cairo_surface_t* fresh = cairo_image_surface_create(FormatFor(m_pixelFormat), AWidth, AHeight);
    if (cairo_surface_status(fresh) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(fresh);
        throw EOutOfResources(u"Out of system resources");
    }
    detail::Pixels to(fresh);
    for (Integer y = 0; y < to.height; ++y) std::memset(to.Row(y), 0, size_t(to.width) * 4);
    if (keep && m_surface) {
        detail::Pixels from(m_surface);
        Integer w = std::min(from.width, to.width), h = std::min(from.height, to.height);
        for (Integer y = 0; y < h; ++y) std::memcpy(to.Row(y), from.Row(y), size_t(w) * 4);
    }
    to.MarkDirty();
    if (m_surface) cairo_surface_destroy(m_surface);
    m_surface = fresh;
    m_width = AWidth;
    m_height = AHeight;
    if (m_canvas) m_canvas->SetHandle(m_surface);
}

void TBitmap::SetSize(Integer AWidth, Integer AHeight)
{
    if (AWidth == m_width && AHeight == m_height) return;
    Recreate(AWidth, AHeight, true);
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat Value)
{
    if (Value == m_pixelFormat) return;
    bool surfaceChanges = FormatFor(Value) != FormatFor(m_pixelFormat);
    m_pixelFormat = Value;
    if (surfaceChanges) {
        Recreate(m_width, m_height, true);
        // Pixels carried into a 32-bit bitmap are opaque; alpha is the program's to set.
        if (Value == pf32bit) {
            detail::Pixels px(m_surface);
            for (Integer y = 0; y < px.height; ++y)
                for (Integer x = 0; x < px.width; ++x) px.Row(y)[x] |= 0xFF000000u;
            px.MarkDirty();
        }
    }
    Changed();
}

TColor TBitmap::TransparentColor() const
{
    if (m_transparentMode == tmFixed && m_transparentColor != clDefault) return m_transparentColor;
    if (m_width == 0 || m_height == 0) return clDefault;
    return PixelColor(0, m_height - 1);
}

void TBitmap::SetTransparentColor(TColor Value)
{
    m_transparentColor = Value;
    m_transparentMode = Value == clDefault ? tmAuto : tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode Value)
{
    if (Value == m_transparentMode) return;
    m_transparentMode = Value;
    if (Value == tmAuto)
        m_transparentColor = clDefault;
    else
        m_transparentColor = TransparentColor();
    Changed();
}

TCanvas* TBitmap::Canvas()
{
    if (!m_canvas) {
        m_canvas = std::make_unique<TCanvas>(m_surface);
        m_canvas->OnChange = [this](TObject*) { Changed(); };
    }
    return m_canvas.get();
}

uint8_t* TBitmap::ScanLine(Integer Row)
{
    return const_cast<uint8_t*>(static_cast<const TBitmap*>(this)->ScanLine(Row));
}

const uint8_t* TBitmap::ScanLine(Integer Row) const
{
    if (Row < 0 || Row >= m_height) throw ERangeError(u"Scan line index out of range");
    detail::Pixels px(m_surface);
    return reinterpret_cast<const uint8_t*>(px.Row(Row));
}

TColor TBitmap::PixelColor(Integer X, Integer Y) const
{
    detail::Pixels px(m_surface);
    if (!px.Inside(X, Y)) return clNone;
    return static_cast<TColor>(detail::FromPixel(px.Row(Y)[X]));
}

void TBitmap::Assign(TPersistent* Source)
{
    if (auto* graphic = dynamic_cast<TGraphic*>(Source)) {
        std::unique_ptr<TBitmap> copy;
        const TBitmap* from = dynamic_cast<TBitmap*>(Source);
        if (!from) {
            copy = graphic->ToBitmap();
            from = copy.get();
        }
        if (from == this) return;
        m_pixelFormat = from->m_pixelFormat;
        Recreate(from->m_width, from->m_height, false);
        detail::Pixels src(from->m_surface), dst(m_surface);
        if (m_width > 0)
            for (Integer y = 0; y < m_height; ++y) std::memcpy(dst.Row(y), src.Row(y), size_t(m_width) * 4);
        dst.MarkDirty();
        m_palette = from->m_palette;
        m_transparentColor = from->m_transparentColor;
        m_transparentMode = from->m_transparentMode;
        AlphaFormat = from->AlphaFormat;
        SetTransparent(graphic->Transparent());
        Changed();
        return;
    }
    if (!Source) {
        Recreate(0, 0, false);
        Changed();
        return;
    }
    TGraphic::Assign(Source);
}

void TBitmap::Draw(TCanvas& Canvas, const TRect& R)
{
    if (Empty()) return;
    int64_t transparent = Transparent() ? int64_t(detail::Rgb(TransparentColor())) : -1;
    detail::Pixels px(m_surface);
    bool alpha = m_pixelFormat == pf32bit && AlphaFormat != afIgnored;
    detail::Blit(Canvas, R, px, Rect(0, 0, m_width, m_height), Transparent() || alpha ? cmSrcCopy : Canvas.CopyMode,
                 transparent, alpha);
}

std::unique_ptr<TBitmap> TBitmap::ToBitmap() const
{
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(const_cast<TBitmap*>(this));
    return copy;
}

void TBitmap::LoadFromResourceName(StringView Name)
{
    const TResource& res = LoadResource(Name, u"BITMAP");
    LoadFromBytes(res.Data);
}

}  // namespace gw
