// The canvas: state, clipping, lines and shapes with the platform's pixel rules.
#include "platform/graphics/canvas_internal.h"

#include "platform/graphics/graphic.h"
#include "platform/runtime/atomic_file.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>

namespace gw {

using detail::FromPixel;
using detail::Rgb;
using detail::ToPixel;

namespace detail {

Pixels::Pixels(cairo_surface_t* s) : surface(s)
{
    if (!s) return;
    cairo_surface_flush(s);
    data = cairo_image_surface_get_data(s);
    stride = cairo_image_surface_get_stride(s);
    width = cairo_image_surface_get_width(s);
    height = cairo_image_surface_get_height(s);
    if (!data) width = height = 0;
}

void Pixels::MarkDirty() const
{
    if (surface) cairo_surface_mark_dirty(surface);
}

}  // namespace detail

const TRegion& TCanvas::Impl::Clip(const TCanvas& canvas) const
{
    if (clipCache) return *clipCache;
    TRegion r(Rect(0, 0, canvas.SurfaceWidth(), canvas.SurfaceHeight()));
    if (deviceClip) r.Combine(r, *deviceClip, RGN_AND);
    if (appClip) r.Combine(r, *appClip, RGN_AND);
    clipBounds = r.Bounds();
    clipSingle = r.RectCount() == 1;
    clipCache = std::move(r);
    return *clipCache;
}

cairo_t* TCanvas::Impl::Cairo(const TCanvas& canvas) const
{
    if (!cr) {
        cr = cairo_create(canvas.Handle());
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    }
    return cr;
}

void TCanvas::Impl::DropContext()
{
    if (cr) cairo_destroy(cr);
    cr = nullptr;
}

namespace detail {

DrawScope::DrawScope(const TCanvas& canvas, const std::optional<TRect>& within) : cr(canvas.Internals().Cairo(canvas))
{
    cairo_save(cr);
    const TRegion& clip = canvas.Internals().Clip(canvas);
    auto add = [&](const TRect& r) { cairo_rectangle(cr, r.Left, r.Top, r.Width(), r.Height()); };
    TRect part;
    if (within && clip.RectCount() == 1) {
        // One rectangle for both: cairo clips fastest to a single box.
        if (IntersectRect(part, *within, clip.RectAt(0))) add(part);
        cairo_clip(cr);
        return;
    }
    for (Integer i = 0; i < clip.RectCount(); ++i) add(clip.RectAt(i));
    cairo_clip(cr);
    if (within) {
        add(*within);
        cairo_clip(cr);
    }
}

}  // namespace detail

namespace {

using detail::Context;

// Dash patterns of one-pixel pens, in pixels on / off.
std::vector<int> DashPattern(TPenStyle style)
{
    switch (style) {
    case psDash: return {18, 6};
    case psDot: return {3, 3};
    case psDashDot: return {9, 6, 3, 6};
    case psDashDotDot: return {9, 3, 3, 3, 3, 3};
    default: return {};
    }
}

// Writes pixels of a device-space shape through the clip with a pen mode.
class Painter {
public:
    Painter(const TCanvas& canvas, const TRegion& clip) : px(canvas.Handle()), clip(clip)
    {
        single = clip.RectCount() == 1;
        bounds = clip.Bounds();
    }
    // Through the canvas's own clip, whose shape the canvas keeps.
    explicit Painter(const TCanvas& canvas)
        : px(canvas.Handle()), clip(canvas.Internals().Clip(canvas)), single(canvas.Internals().clipSingle),
          bounds(canvas.Internals().clipBounds)
    {
    }
    ~Painter() { px.MarkDirty(); }
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;

    bool Visible(Integer x, Integer y) const
    {
        if (!PtInRect(bounds, {x, y})) return false;
        return single || clip.Contains(x, y);
    }
    void Put(Integer x, Integer y, uint32_t rgb, TPenMode mode)
    {
        if (!Visible(x, y)) return;
        uint32_t& p = px.Row(y)[x];
        p = ToPixel(mode == pmCopy ? rgb : ApplyPenMode(mode, rgb, FromPixel(p)));
    }
    // Fills r through the clip, one clip rectangle at a time.
    void Fill(const TRect& r, uint32_t rgb, TPenMode mode, TBrushStyle style)
    {
        TRect part;
        if (single) {
            if (IntersectRect(part, r, bounds)) FillInside(part, rgb, mode, style);
            return;
        }
        for (Integer i = 0; i < clip.RectCount(); ++i)
            if (IntersectRect(part, r, clip.RectAt(i))) FillInside(part, rgb, mode, style);
    }

    detail::Pixels px;
    const TRegion& clip;
    bool single = true;
    TRect bounds;

private:
    // Fills r, which lies inside the clip: solid copies as spans, the rest pixel by pixel.
    void FillInside(const TRect& r, uint32_t rgb, TPenMode mode, TBrushStyle style)
    {
        uint32_t solid = ToPixel(rgb);
        // White and black (four equal bytes) go through memset, the fastest fill there is.
        bool bytewise = (solid & 0xFF) * 0x01010101u == solid;
        for (Integer y = r.Top; y < r.Bottom; ++y) {
            uint32_t* row = px.Row(y);
            if (mode == pmCopy && style == bsSolid) {
                if (bytewise)
                    std::memset(row + r.Left, int(solid & 0xFF), size_t(r.Right - r.Left) * 4);
                else
                    std::fill(row + r.Left, row + r.Right, solid);
                continue;
            }
            for (Integer x = r.Left; x < r.Right; ++x) {
                if (style != bsSolid && !HatchCovers(style, x, y)) continue;
                row[x] = mode == pmCopy ? solid : ToPixel(ApplyPenMode(mode, rgb, FromPixel(row[x])));
            }
        }
    }
};

// A one-pixel line from (x0, y0) towards (x1, y1), the last point excluded, along the
// pixels the platform's line algorithm picks: the nearest to the exact line in the minor axis,
// a tie going to the smaller coordinate whichever way the line runs. The dash phase carries
// over between segments.
template <class Plot>
void BresenhamLine(Integer x0, Integer y0, Integer x1, Integer y1, bool includeLast, Plot&& plot)
{
    Integer dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
    Integer sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    Integer steps = std::max(dx, dy);
    if (dx >= dy) {
        Integer err = 2 * dy - dx;
        for (Integer i = 0; i < steps + (includeLast ? 1 : 0); ++i) {
            plot(x0, y0);
            if (err > 0 || (err == 0 && sy < 0)) {
                y0 += sy;
                err -= 2 * dx;
            }
            err += 2 * dy;
            x0 += sx;
        }
    } else {
        Integer err = 2 * dx - dy;
        for (Integer i = 0; i < steps + (includeLast ? 1 : 0); ++i) {
            plot(x0, y0);
            if (err > 0 || (err == 0 && sx < 0)) {
                x0 += sx;
                err -= 2 * dy;
            }
            err += 2 * dx;
            y0 += sy;
        }
    }
}

// Paints the pixels covered by a cairo path (built in device space) through a mask, so that
// every pen mode and hatch works the same way. Skip, when given, excludes pixels. Mirrored: the
// path was built mirrored across the clip's bounds, and its pixels are put back mirrored.
void PaintMask(const TCanvas& canvas, const TRegion& clip, const std::function<void(cairo_t*)>& build, bool stroke,
               double lineWidth, uint32_t rgb, TPenMode mode, TBrushStyle style,
               const std::function<bool(Integer, Integer)>& skip = nullptr, bool mirrored = false)
{
    TRect b = clip.Bounds();
    if (IsRectEmpty(b)) return;
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, b.Width(), b.Height());
    {
        Context c(cairo_create(mask));
        cairo_set_antialias(c.cr, CAIRO_ANTIALIAS_NONE);
        cairo_translate(c.cr, -b.Left, -b.Top);
        build(c.cr);
        if (stroke) {
            cairo_set_line_width(c.cr, lineWidth);
            cairo_set_line_cap(c.cr, CAIRO_LINE_CAP_ROUND);
            cairo_set_line_join(c.cr, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke(c.cr);
        } else {
            cairo_set_fill_rule(c.cr, CAIRO_FILL_RULE_WINDING);
            cairo_fill(c.cr);
        }
    }
    cairo_surface_flush(mask);
    const unsigned char* data = cairo_image_surface_get_data(mask);
    Integer stride = cairo_image_surface_get_stride(mask);
    Painter p(canvas, clip);
    for (Integer y = 0; y < b.Height(); ++y) {
        for (Integer x = 0; x < b.Width(); ++x) {
            if (data[size_t(y) * stride + x] == 0) continue;
            Integer dx = mirrored ? b.Right - 1 - x : x + b.Left, dy = y + b.Top;
            if (skip && skip(dx, dy)) continue;
            if (style != bsSolid && !HatchCovers(style, dx, dy)) continue;
            p.Put(dx, dy, rgb, mode);
        }
    }
    cairo_surface_destroy(mask);
}

bool PenVisible(const TPen& pen) { return pen.Style() != psClear; }
bool BrushVisible(const TBrush& brush) { return brush.Style() != bsClear; }

// A plain one-pixel pen of the solid brush's own colour, copied onto the surface.
bool OutlineMatchesFill(const TPen& pen, const TBrush& brush)
{
    return pen.Style() == psSolid && pen.Width() <= 1 && pen.Mode() == pmCopy && brush.Style() == bsSolid &&
           pen.Color() == brush.Color();
}

}  // namespace

TCanvas::TCanvas()
    : m_font(std::make_unique<TFont>()), m_pen(std::make_unique<TPen>()), m_brush(std::make_unique<TBrush>()),
      m_impl(std::make_unique<Impl>())
{
    m_brush->OnChange = [this](TObject*) { BrushChanged(); };
}

TCanvas::TCanvas(cairo_surface_t* Surface) : TCanvas() { SetHandle(Surface); }

TCanvas::~TCanvas()
{
    if (m_surface) cairo_surface_destroy(m_surface);
}

void TCanvas::SetHandle(cairo_surface_t* Surface)
{
    if (Surface == m_surface) return;
    if (Surface) cairo_surface_reference(Surface);
    m_impl->DropContext();
    if (m_surface) cairo_surface_destroy(m_surface);
    m_surface = Surface;
    m_impl->ClipChanged();
}

Integer TCanvas::SurfaceWidth() const { return m_surface ? cairo_image_surface_get_width(m_surface) : 0; }
Integer TCanvas::SurfaceHeight() const { return m_surface ? cairo_image_surface_get_height(m_surface) : 0; }

void TCanvas::BrushChanged() { m_bkMode = m_brush->Style() == bsSolid ? OPAQUE : TRANSPARENT; }

void TCanvas::Changing()
{
    if (OnChanging) OnChanging(this);
}

void TCanvas::Changed()
{
    if (OnChange) OnChange(this);
}

void TCanvas::BeginCall(const char*, std::initializer_list<Integer>) {}
void TCanvas::EndCall() {}

// ---- clipping -------------------------------------------------------------------------------

void TCanvas::SetDeviceClip(const TRegion* Region)
{
    if (Region)
        m_impl->deviceClip = *Region;
    else
        m_impl->deviceClip.reset();
    m_impl->ClipChanged();
}

void TCanvas::SelectClipRgn(const TRegion* Region)
{
    if (Region)
        m_impl->appClip = *Region;
    else
        m_impl->appClip.reset();
    m_impl->ClipChanged();
}

void TCanvas::SetRightToLeftOrientation(bool Value, Integer Width)
{
    m_rightToLeft = Value;
    m_mirrorWidth = Width;
}

TRect TCanvas::LogicalToDevice(const TRect& R) const
{
    if (!m_rightToLeft) return {R.Left + m_origin.X, R.Top + m_origin.Y, R.Right + m_origin.X, R.Bottom + m_origin.Y};
    return {LogicalToDeviceX(R.Right), R.Top + m_origin.Y, LogicalToDeviceX(R.Left), R.Bottom + m_origin.Y};
}

TRect TCanvas::DeviceToLogical(const TRect& R) const
{
    if (!m_rightToLeft) return {R.Left - m_origin.X, R.Top - m_origin.Y, R.Right - m_origin.X, R.Bottom - m_origin.Y};
    const Integer edge = m_origin.X + m_mirrorWidth;
    return {edge - R.Right, R.Top - m_origin.Y, edge - R.Left, R.Bottom - m_origin.Y};
}

void TCanvas::IntersectClipRect(const TRect& R)
{
    TRegion r(LogicalToDevice(R));
    if (m_impl->appClip) r.Combine(*m_impl->appClip, r, RGN_AND);
    m_impl->appClip = std::move(r);
    m_impl->ClipChanged();
}

void TCanvas::ExcludeClipRect(const TRect& R)
{
    const TRect d = LogicalToDevice(R);
    TRegion base = m_impl->appClip ? *m_impl->appClip : TRegion(Rect(-0x3FFFFFFF, -0x3FFFFFFF, 0x3FFFFFFF, 0x3FFFFFFF));
    base.Combine(base, TRegion(d), RGN_DIFF);
    m_impl->appClip = std::move(base);
    m_impl->ClipChanged();
}

bool TCanvas::GetClipRgn(TRegion& Region) const
{
    if (!m_impl->appClip) return false;
    Region = *m_impl->appClip;
    return true;
}

TRect TCanvas::ClipRect() const
{
    return DeviceToLogical(m_impl->Clip(*this).Bounds());
}

Integer TCanvas::SaveDC()
{
    Impl::Saved s{m_origin,
                  m_rightToLeft,
                  m_mirrorWidth,
                  m_impl->appClip,
                  m_bkMode,
                  CopyMode,
                  m_penPos,
                  std::make_unique<TFont>(),
                  std::make_unique<TPen>(),
                  std::make_unique<TBrush>()};
    s.font->Assign(m_font.get());
    s.pen->Assign(m_pen.get());
    s.brush->Assign(m_brush.get());
    m_impl->saved.push_back(std::move(s));
    return static_cast<Integer>(m_impl->saved.size());
}

void TCanvas::RestoreDC(Integer Saved)
{
    auto& stack = m_impl->saved;
    if (Saved < 0) Saved = static_cast<Integer>(stack.size()) + 1 + Saved;
    if (Saved < 1 || Saved > static_cast<Integer>(stack.size())) return;
    Impl::Saved s = std::move(stack[Saved - 1]);
    stack.resize(Saved - 1);
    m_origin = s.origin;
    m_rightToLeft = s.rightToLeft;
    m_mirrorWidth = s.mirrorWidth;
    m_impl->appClip = std::move(s.appClip);
    m_impl->ClipChanged();
    m_font->Assign(s.font.get());
    m_pen->Assign(s.pen.get());
    m_brush->Assign(s.brush.get());
    m_bkMode = s.bkMode;
    CopyMode = s.copyMode;
    m_penPos = s.penPos;
}

// ---- lines and shapes -----------------------------------------------------------------------

void TCanvas::MoveTo(Integer X, Integer Y) { m_penPos = {X, Y}; }

namespace {

// Draws the polyline through the points with the canvas pen (device space), the last point
// excluded as the platform does; closed adds the segment back to the first point.
void StrokePoints(const TCanvas& canvas, std::span<const TPoint> pts, bool closed)
{
    const TPen& pen = *canvas.Pen();
    if (!PenVisible(pen) || pts.empty()) return;
    const TRegion& clip = canvas.Internals().Clip(canvas);
    uint32_t rgb = Rgb(pen.Color());
    size_t segments = closed ? pts.size() : pts.size() - 1;
    auto end = [&](size_t i) { return pts[(i + 1) % pts.size()]; };
    // Wide pens, and lines so long that stepping along them would take long, go through the
    // rasteriser, which only visits the clip's pixels.
    bool huge = false;
    for (size_t i = 0; i < segments; ++i)
        huge = huge || std::max(std::abs(int64_t(end(i).X) - pts[i].X), std::abs(int64_t(end(i).Y) - pts[i].Y)) > 65536;
    if (pen.Width() > 1 || huge) {
        // A wide pen's edges can run through pixel centres, which the rasteriser takes on one side
        // only. Right to left the path is rasterised as drawn left to right and its pixels are put
        // mirrored, so that they are the exact mirror image of the left-to-right ones.
        const bool mirrored = canvas.RightToLeftOrientation();
        const TRect b = clip.Bounds();
        const auto x = [&](Integer X) { return (mirrored ? b.Left + b.Right - 1 - X : X) + 0.5; };
        PaintMask(
            canvas, clip,
            [&](cairo_t* cr) {
                cairo_move_to(cr, x(pts[0].X), pts[0].Y + 0.5);
                for (size_t i = 1; i < pts.size(); ++i) cairo_line_to(cr, x(pts[i].X), pts[i].Y + 0.5);
                if (closed) cairo_close_path(cr);
            },
            true, pen.Width(), rgb, pen.Mode(), bsSolid, nullptr, mirrored);
        return;
    }
    auto dashes = DashPattern(pen.Style());
    size_t dashIndex = 0;
    int dashLeft = dashes.empty() ? 0 : dashes[0];
    // In opaque mode the gaps of a styled pen take the background colour.
    bool opaqueGaps = canvas.BkMode() == OPAQUE;
    uint32_t gap = Rgb(canvas.Brush()->Color());
    Painter p(canvas);
    auto plot = [&](Integer x, Integer y) {
        bool on = dashes.empty() || dashIndex % 2 == 0;
        if (on)
            p.Put(x, y, rgb, pen.Mode());
        else if (opaqueGaps)
            p.Put(x, y, gap, pen.Mode());
        if (!dashes.empty() && --dashLeft == 0) {
            dashIndex = (dashIndex + 1) % dashes.size();
            dashLeft = dashes[dashIndex];
        }
    };
    for (size_t i = 0; i < segments; ++i) {
        TPoint a = pts[i], b = end(i);
        // Solid horizontal and vertical segments are spans.
        if (dashes.empty() && (a.X == b.X || a.Y == b.Y)) {
            TRect span = a.Y == b.Y
                ? (a.X < b.X ? TRect{a.X, a.Y, b.X, a.Y + 1} : TRect{b.X + 1, a.Y, a.X + 1, a.Y + 1})
                : (a.Y < b.Y ? TRect{a.X, a.Y, a.X + 1, b.Y} : TRect{a.X, b.Y + 1, a.X + 1, a.Y + 1});
            p.Fill(span, rgb, pen.Mode(), bsSolid);
            continue;
        }
        BresenhamLine(a.X, a.Y, b.X, b.Y, false, plot);
    }
}

// The device column of a logical pixel column: right to left a pixel's square [x, x + 1) lands
// on [Width - x - 1, Width - x), so lines and points mirror exactly, as areas do.
Integer PixelToDevice(const TCanvas& canvas, Integer X)
{
    return canvas.LogicalToDeviceX(X) - (canvas.RightToLeftOrientation() ? 1 : 0);
}

// Points as pixels (the ends of lines), or as the corners of an area (a polygon's fill).
std::vector<TPoint> ToDevice(const TCanvas& canvas, std::span<const TPoint> pts, bool Pixels = true)
{
    std::vector<TPoint> out(pts.begin(), pts.end());
    for (auto& p : out) {
        p.X = Pixels ? PixelToDevice(canvas, p.X) : canvas.LogicalToDeviceX(p.X);
        p.Y += canvas.Origin().Y;
    }
    return out;
}

}  // namespace

void TCanvas::LineTo(Integer X, Integer Y)
{
    if (m_surface) {
        Changing();
        const TPoint ends[] = {{PixelToDevice(*this, m_penPos.X), m_penPos.Y + m_origin.Y},
                               {PixelToDevice(*this, X), Y + m_origin.Y}};
        StrokePoints(*this, ends, false);
        Changed();
    }
    m_penPos = {X, Y};
}

void TCanvas::Polyline(std::span<const TPoint> Points)
{
    if (!m_surface || Points.size() < 2) return;
    Changing();
    StrokePoints(*this, ToDevice(*this, Points), false);
    Changed();
}

void TCanvas::Polygon(std::span<const TPoint> Points)
{
    if (!m_surface || Points.size() < 2) return;
    Changing();
    auto pts = ToDevice(*this, Points);
    if (BrushVisible(*m_brush) && pts.size() >= 3) {
        const auto corners = ToDevice(*this, Points, false);
        TRect limit = m_impl->Clip(*this).Bounds();
        TRegion area = TRegion::FromPolygon(corners, ALTERNATE, &limit);
        area.Combine(area, m_impl->Clip(*this), RGN_AND);
        Painter p(*this, area);
        for (Integer i = 0; i < area.RectCount(); ++i)
            p.Fill(area.RectAt(i), Rgb(m_brush->Color()), m_pen->Mode(), m_brush->Style());
    }
    StrokePoints(*this, pts, true);
    Changed();
}

void TCanvas::Rectangle(Integer X1, Integer Y1, Integer X2, Integer Y2)
{
    if (!m_surface) return;
    Changing();
    const Integer dx1 = LogicalToDeviceX(X1), dx2 = LogicalToDeviceX(X2);
    TRect r{std::min(dx1, dx2), std::min(Y1, Y2) + m_origin.Y, std::max(dx1, dx2), std::max(Y1, Y2) + m_origin.Y};
    bool pen = PenVisible(*m_pen);
    if (OutlineMatchesFill(*m_pen, *m_brush) && r.Right > r.Left && r.Bottom > r.Top &&
        r.Right - r.Left + r.Bottom - r.Top > 2) {
        // The one-pixel ring in the fill's colour and the fill inside it cover the rectangle
        // exactly: one fill paints it (gradient bands are thousands of these). A single pixel's
        // outline stops short of itself and paints nothing, so it keeps the outline's way.
        Painter p(*this);
        p.Fill(r, Rgb(m_brush->Color()), pmCopy, bsSolid);
        Changed();
        return;
    }
    if (BrushVisible(*m_brush)) {
        // With a pen the outline covers the outer ring; without one the area is a pixel smaller.
        TRect inner = pen ? TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}
                          : TRect{r.Left, r.Top, r.Right - 1, r.Bottom - 1};
        Painter p(*this);
        p.Fill(inner, Rgb(m_brush->Color()), m_pen->Mode(), m_brush->Style());
    }
    if (pen && r.Right > r.Left && r.Bottom > r.Top) {
        Integer w = m_pen->Width();
        if (w > 1 && m_pen->Style() == psInsideFrame) {
            Integer i = w / 2;
            InflateRect(r, -i, -i);
        }
        // Right to left the corners go round as the mirror images of the left-to-right ones, so
        // that a wide pen's outline is too (its joins are drawn in the order of the path).
        const Integer first = m_rightToLeft ? r.Right - 1 : r.Left, second = m_rightToLeft ? r.Left : r.Right - 1;
        const TPoint corners[] = {{first, r.Top}, {second, r.Top}, {second, r.Bottom - 1}, {first, r.Bottom - 1}};
        StrokePoints(*this, corners, true);
    }
    Changed();
}

namespace {

// The closed outline of an ellipse or rounded rectangle through pixel centres (device space).
void RoundedPath(cairo_t* cr, double l, double t, double r, double b, double rx, double ry)
{
    rx = std::min(rx, (r - l) / 2);
    ry = std::min(ry, (b - t) / 2);
    if (rx <= 0 || ry <= 0) {
        cairo_rectangle(cr, l, t, r - l, b - t);
        return;
    }
    auto corner = [&](double cx, double cy, double a0, double a1) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, rx, ry);
        cairo_arc(cr, 0, 0, 1, a0, a1);
        cairo_restore(cr);
    };
    cairo_new_sub_path(cr);
    corner(r - rx, t + ry, -M_PI / 2, 0);
    corner(r - rx, b - ry, 0, M_PI / 2);
    corner(l + rx, b - ry, M_PI / 2, M_PI);
    corner(l + rx, t + ry, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

// A quarter of the one-pixel outline of an ellipse filling a box of w x h pixels, stepped as
// the platform steps it: offsets from the centre in half pixels, from the top towards the right
// side. Flatter than 45 degrees (45 itself counts as steep) it moves across, and down a row too
// when that point lies nearer the curve; steeper, it moves down, and out a column too when that
// point lies nearer. Nearer is the smaller size of the ellipse's equation at the point (ties keep
// the row or column), exact in integers. Against the platform on every ellipse up to 20 x 20
// and rounded corners up to 19 x 15 this matches seven shapes in eight; the rest are mostly
// boxes 3 or 4 wide, which the platform draws shorter than their box.
std::vector<std::pair<int64_t, int64_t>> QuarterEllipse(Integer w, Integer h)
{
    int64_t a = w - 1, b = h - 1;  // the axes in half pixels
    std::vector<int64_t> xs, ys;
    for (int64_t x = a % 2; x <= a; x += 2) xs.push_back(x);
    for (int64_t y = b % 2; y <= b; y += 2) ys.push_back(y);
    // The ellipse's equation: negative inside, zero on the curve.
    auto side = [&](int64_t x, int64_t y) -> int64_t {
        if (a == 0 || b == 0) return -1;
        return x * x * b * b + y * y * a * a - a * a * b * b;
    };
    size_t xi = 0, yi = ys.size() - 1;
    std::vector<std::pair<int64_t, int64_t>> points{{xs[xi], ys[yi]}};
    for (;;) {
        if (yi == 0 || b * b * xs[xi] < a * a * ys[yi]) {
            if (xi + 1 >= xs.size()) {
                if (yi == 0) break;
                --yi;
            } else {
                if (yi > 0 && std::abs(side(xs[xi + 1], ys[yi - 1])) < std::abs(side(xs[xi + 1], ys[yi]))) --yi;
                ++xi;
            }
        } else {
            if (yi == 0) break;
            if (xi + 1 < xs.size() && std::abs(side(xs[xi + 1], ys[yi - 1])) < std::abs(side(xs[xi], ys[yi - 1]))) ++xi;
            --yi;
        }
        points.push_back({xs[xi], ys[yi]});
    }
    return points;
}

// Ellipses and rounded rectangles with a one-pixel pen or none, pixel by pixel as the platform
// draws them: the corners are quarters of a corner-sized ellipse, joined by straight edges.
// Without a pen the brush covers the outline's pixels too, so the shape is as large as with
// one, except that boxes of one or two pixels lose their last row and column. False when the
// shape is not one of these (a wide pen) or too large to be worth stepping.
bool PaintStepped(const TCanvas& canvas, TRect r, Integer cornerW, Integer cornerH)
{
    const TPen& pen = *canvas.Pen();
    const TBrush& brush = *canvas.Brush();
    bool hasPen = PenVisible(pen);
    if (hasPen && pen.Width() > 1) return false;
    if (r.Right < r.Left) std::swap(r.Left, r.Right);
    if (r.Bottom < r.Top) std::swap(r.Top, r.Bottom);
    if (int64_t(r.Right) - r.Left > 2048 || int64_t(r.Bottom) - r.Top > 2048) return false;
    if (!hasPen && !BrushVisible(brush)) return true;
    if (!hasPen && (r.Width() <= 2 || r.Height() <= 2)) {
        --r.Right;
        --r.Bottom;
    }
    Integer w = r.Width(), h = r.Height();
    if (w < 1 || h < 1) return true;
    Integer cw = std::clamp(cornerW, Integer(1), w), ch = std::clamp(cornerH, Integer(1), h);
    int64_t a = cw - 1, b = ch - 1;
    std::vector<uint8_t> outline(size_t(w) * h, 0);
    auto mark = [&](Integer i, Integer j) { outline[size_t(j) * w + i] = 1; };
    // Column and row of a quarter point mirrored to a side, the corner ellipse stretched to
    // the box.
    auto column = [&](int64_t x, int sx) { return Integer((a + sx * x) / 2 + (sx > 0 ? w - cw : 0)); };
    auto row = [&](int64_t y, int sy) { return Integer((b + sy * y) / 2 + (sy > 0 ? h - ch : 0)); };
    const auto quarter = QuarterEllipse(cw, ch);
    for (auto [x, y] : quarter)
        for (int sx : {-1, 1})
            for (int sy : {-1, 1}) mark(column(x, sx), row(y, sy));
    // The straight edges: across from the quarter's first point (the top of the curve), down
    // from its last (the side; points before it on the same row lie inside it).
    const auto [topX, topY] = quarter.front();
    for (int sy : {-1, 1})
        for (Integer i = column(topX, -1); i <= column(topX, 1); ++i) mark(i, row(topY, sy));
    const auto [sideX, sideY] = quarter.back();
    for (int sx : {-1, 1})
        for (Integer j = row(sideY, -1); j <= row(sideY, 1); ++j) mark(column(sideX, sx), j);
    Painter p(canvas);
    uint32_t penRgb = Rgb(pen.Color()), brushRgb = Rgb(brush.Color());
    bool fills = BrushVisible(brush);
    for (Integer j = 0; j < h; ++j) {
        const uint8_t* line = &outline[size_t(j) * w];
        Integer first = 0, last = w - 1;
        while (first < w && !line[first]) ++first;
        while (last > first && !line[last]) --last;
        for (Integer i = first; i <= last; ++i) {
            Integer x = r.Left + i, y = r.Top + j;
            if (line[i] && hasPen) {
                p.Put(x, y, penRgb, pen.Mode());
            } else if (fills && (brush.Style() == bsSolid || HatchCovers(brush.Style(), x, y))) {
                p.Put(x, y, brushRgb, pen.Mode());
            }
        }
    }
    return true;
}

// The pixels of a one-pixel outline are one step wide, as the platform's: where the rasterised
// stroke turns a corner outwards (a pixel with outline neighbours both across and along, on
// the sides towards the centre), that corner pixel is left out.
void ThinOutline(std::vector<uint8_t>& ring, const TRect& area, double cx, double cy)
{
    auto at = [&](Integer x, Integer y) -> uint8_t {
        if (!PtInRect(area, {x, y})) return 0;
        return ring[size_t(y - area.Top) * area.Width() + (x - area.Left)];
    };
    std::vector<size_t> corners;
    for (Integer y = area.Top; y < area.Bottom; ++y)
        for (Integer x = area.Left; x < area.Right; ++x) {
            if (!at(x, y)) continue;
            Integer sx = x + 0.5 < cx ? 1 : (x + 0.5 > cx ? -1 : 0);
            Integer sy = y + 0.5 < cy ? 1 : (y + 0.5 > cy ? -1 : 0);
            if (sx != 0 && sy != 0 && at(x + sx, y) && at(x, y + sy))
                corners.push_back(size_t(y - area.Top) * area.Width() + (x - area.Left));
        }
    for (size_t i : corners) ring[i] = 0;
}

// Ellipses and rounded rectangles with a wide pen, or too large to step, through the
// rasteriser. Without a pen the brush covers the outline's pixels too, so the shape has the
// same size either way.
void PaintRounded(const TCanvas& canvas, TRect r, double rx, double ry)
{
    if (r.Right < r.Left) std::swap(r.Left, r.Right);
    if (r.Bottom < r.Top) std::swap(r.Top, r.Bottom);
    if (r.Right - r.Left < 1 || r.Bottom - r.Top < 1) return;
    const TRegion& clip = canvas.Internals().Clip(canvas);
    const TPen& pen = *canvas.Pen();
    const TBrush& brush = *canvas.Brush();
    bool hasPen = PenVisible(pen);
    double l = r.Left + 0.5, t = r.Top + 0.5, rr = r.Right - 0.5, bb = r.Bottom - 0.5;
    auto outline = [&](cairo_t* cr) { RoundedPath(cr, l, t, rr, bb, rx, ry); };
    // The outline's pixels, so that the fill leaves them to the pen (one pass per pixel); they
    // are worked out a pixel beyond the clip so that thinning sees their neighbours.
    Integer w = hasPen ? pen.Width() : 1;
    TRect near = clip.Bounds(), box = r, area;
    InflateRect(near, 1, 1);
    InflateRect(box, w, w);
    std::vector<uint8_t> ring;
    if (!IsRectEmpty(clip.Bounds()) && IntersectRect(area, near, box)) {
        ring.assign(size_t(area.Width()) * area.Height(), 0);
        cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, area.Width(), area.Height());
        {
            Context c(cairo_create(mask));
            cairo_set_antialias(c.cr, CAIRO_ANTIALIAS_NONE);
            cairo_translate(c.cr, -area.Left, -area.Top);
            outline(c.cr);
            cairo_set_line_width(c.cr, w);
            cairo_stroke(c.cr);
        }
        cairo_surface_flush(mask);
        const unsigned char* d = cairo_image_surface_get_data(mask);
        Integer stride = cairo_image_surface_get_stride(mask);
        for (Integer y = 0; y < area.Height(); ++y)
            for (Integer x = 0; x < area.Width(); ++x)
                ring[size_t(y) * area.Width() + x] = d[size_t(y) * stride + x] != 0;
        cairo_surface_destroy(mask);
        if (w == 1) ThinOutline(ring, area, (r.Left + r.Right) / 2.0, (r.Top + r.Bottom) / 2.0);
    }
    auto onRing = [&](Integer x, Integer y) {
        return PtInRect(area, {x, y}) && ring[size_t(y - area.Top) * area.Width() + (x - area.Left)];
    };
    if (BrushVisible(brush))
        PaintMask(canvas, clip, outline, false, 1, Rgb(brush.Color()), pen.Mode(), brush.Style(), onRing);
    if (ring.empty() || (!hasPen && !BrushVisible(brush))) return;
    Painter p(canvas);
    uint32_t rgb = Rgb(hasPen ? pen.Color() : brush.Color());
    for (Integer y = area.Top; y < area.Bottom; ++y)
        for (Integer x = area.Left; x < area.Right; ++x) {
            if (!onRing(x, y)) continue;
            if (!hasPen && brush.Style() != bsSolid && !HatchCovers(brush.Style(), x, y)) continue;
            p.Put(x, y, rgb, pen.Mode());
        }
}

}  // namespace

void TCanvas::RoundRect(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3)
{
    if (!m_surface) return;
    Changing();
    TRect r = LogicalToDevice(Rect(X1, Y1, X2, Y2));
    if (!PaintStepped(*this, r, X3, Y3)) PaintRounded(*this, r, X3 / 2.0, Y3 / 2.0);
    Changed();
}

void TCanvas::Ellipse(Integer X1, Integer Y1, Integer X2, Integer Y2)
{
    if (!m_surface) return;
    Changing();
    TRect r = LogicalToDevice(Rect(X1, Y1, X2, Y2));
    if (!PaintStepped(*this, r, std::abs(X2 - X1), std::abs(Y2 - Y1))) PaintRounded(*this, r, 1e9, 1e9);
    Changed();
}

void TCanvas::FillRect(const TRect& R)
{
    if (!m_surface || !BrushVisible(*m_brush)) return;
    Changing();
    TRect r = LogicalToDevice(R);
    Painter p(*this);
    p.Fill(r, Rgb(m_brush->Color()), pmCopy, m_brush->Style());
    Changed();
}

void TCanvas::FrameRect(const TRect& R)
{
    if (!m_surface || IsRectEmpty(R)) return;
    Changing();
    TRect r = LogicalToDevice(R);
    Painter p(*this);
    uint32_t c = Rgb(m_brush->Color());
    p.Fill({r.Left, r.Top, r.Right, r.Top + 1}, c, pmCopy, bsSolid);
    p.Fill({r.Left, r.Bottom - 1, r.Right, r.Bottom}, c, pmCopy, bsSolid);
    p.Fill({r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1}, c, pmCopy, bsSolid);
    p.Fill({r.Right - 1, r.Top + 1, r.Right, r.Bottom - 1}, c, pmCopy, bsSolid);
    Changed();
}

void TCanvas::DrawFocusRect(const TRect& R)
{
    if (!m_surface || IsRectEmpty(R)) return;
    Changing();
    TRect r = LogicalToDevice(R);
    Painter p(*this);
    // Every pixel of the outline with an even x + y is inverted; each pixel once. Right to left x
    // is the column the pixel has left to right, so that the dots are the mirror image too.
    const Integer mirror = m_rightToLeft ? m_mirrorWidth - 1 : 0;
    auto dot = [&](Integer x, Integer y) {
        const Integer column = m_rightToLeft ? mirror - x : x;
        if (((column + y) & 1) == 0) p.Put(x, y, 0xFFFFFF, pmXor);
    };
    for (Integer x = r.Left; x < r.Right; ++x) {
        dot(x, r.Top);
        if (r.Bottom - 1 > r.Top) dot(x, r.Bottom - 1);
    }
    for (Integer y = r.Top + 1; y < r.Bottom - 1; ++y) {
        dot(r.Left, y);
        if (r.Right - 1 > r.Left) dot(r.Right - 1, y);
    }
    Changed();
}

TColor TCanvas::Pixels(Integer X, Integer Y) const
{
    if (!m_surface) return clNone;
    Integer x = PixelToDevice(*this, X), y = Y + m_origin.Y;
    detail::Pixels px(m_surface);
    if (!px.Inside(x, y) || !m_impl->Clip(*this).Contains(x, y)) return clNone;
    return static_cast<TColor>(FromPixel(px.Row(y)[x]));
}

void TCanvas::SetPixel(Integer X, Integer Y, TColor Color)
{
    if (!m_surface) return;
    Changing();
    Painter p(*this);
    p.Put(PixelToDevice(*this, X), Y + m_origin.Y, Rgb(Color), pmCopy);
    Changed();
}

void TCanvas::FloodFill(Integer X, Integer Y, TColor Color, TFillStyle FillStyle)
{
    if (!m_surface) return;
    Integer sx = PixelToDevice(*this, X), sy = Y + m_origin.Y;
    const TRegion& clip = m_impl->Clip(*this);
    if (!clip.Contains(sx, sy)) return;
    Changing();
    detail::Pixels px(m_surface);
    uint32_t target = Rgb(Color);
    auto inside = [&](Integer x, Integer y) {
        uint32_t c = FromPixel(px.Row(y)[x]);
        return FillStyle == fsBorder ? c != target : c == target;
    };
    if (inside(sx, sy)) {
        // Decide the area first, then paint it, so the brush colour cannot confuse the test.
        TRect b = clip.Bounds();
        std::vector<uint8_t> seen(size_t(b.Width()) * b.Height(), 0);
        auto idx = [&](Integer x, Integer y) { return size_t(y - b.Top) * b.Width() + (x - b.Left); };
        std::vector<TPoint> stack{{sx, sy}};
        while (!stack.empty()) {
            TPoint pt = stack.back();
            stack.pop_back();
            if (!PtInRect(b, pt) || seen[idx(pt.X, pt.Y)] || !clip.Contains(pt.X, pt.Y) || !inside(pt.X, pt.Y))
                continue;
            seen[idx(pt.X, pt.Y)] = 1;
            stack.push_back({pt.X + 1, pt.Y});
            stack.push_back({pt.X - 1, pt.Y});
            stack.push_back({pt.X, pt.Y + 1});
            stack.push_back({pt.X, pt.Y - 1});
        }
        uint32_t rgb = Rgb(m_brush->Color());
        for (Integer y = b.Top; y < b.Bottom; ++y)
            for (Integer x = b.Left; x < b.Right; ++x)
                if (seen[idx(x, y)] && HatchCovers(m_brush->Style() == bsClear ? bsSolid : m_brush->Style(), x, y))
                    px.Row(y)[x] = ToPixel(rgb);
        px.MarkDirty();
    }
    Changed();
}

// ---- device capabilities and export ---------------------------------------------------------

Integer GetDeviceCaps(const TCanvas& Canvas, Integer Index)
{
    switch (Index) {
    case HORZRES: return Canvas.SurfaceWidth();
    case VERTRES: return Canvas.SurfaceHeight();
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case LOGPIXELSX:
    case LOGPIXELSY: return ScreenPixelsPerInch;
    default: return 0;
    }
}

void SaveSurfaceToPng(cairo_surface_t* Surface, const String& FileName)
{
    std::string bytes;
    auto append = [](void* closure, const unsigned char* data, unsigned int length) {
        static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
        return CAIRO_STATUS_SUCCESS;
    };
    if (!Surface || cairo_surface_write_to_png_stream(Surface, append, &bytes) != CAIRO_STATUS_SUCCESS)
        throw EFCreateError(u"Cannot create file \"" + FileName + u"\". The surface cannot be written as PNG");
    WriteFileAtomic(FileName, bytes);
}

}  // namespace gw
