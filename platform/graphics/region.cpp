// Regions over cairo's rectangle regions; polygons are turned into runs of pixels.
#include "platform/graphics/region.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace gw {

TRegion::TRegion() : m_region(cairo_region_create()) {}

TRegion::TRegion(const TRect& R)
{
    if (IsRectEmpty(R)) {
        m_region = cairo_region_create();
    } else {
        cairo_rectangle_int_t r{R.Left, R.Top, R.Width(), R.Height()};
        m_region = cairo_region_create_rectangle(&r);
    }
}

TRegion::TRegion(const TRegion& Other) : m_region(cairo_region_copy(Other.m_region)) {}

TRegion::TRegion(TRegion&& Other) noexcept : m_region(std::exchange(Other.m_region, nullptr)) {}

TRegion& TRegion::operator=(TRegion Other) noexcept
{
    std::swap(m_region, Other.m_region);
    return *this;
}

TRegion::~TRegion()
{
    if (m_region) cairo_region_destroy(m_region);
}

TRegion TRegion::FromPolygon(std::span<const TPoint> Points, TPolyFillMode Mode, const TRect* Limit)
{
    TRegion result;
    if (Points.size() < 3) return result;
    Integer top = Points[0].Y, bottom = Points[0].Y;
    for (const auto& p : Points) {
        top = std::min(top, p.Y);
        bottom = std::max(bottom, p.Y);
    }
    // Rows and columns are kept to a range whose pixels can exist.
    TRect range = Limit ? *Limit : TRect{-(1 << 24), -(1 << 24), 1 << 24, 1 << 24};
    top = std::max(top, range.Top);
    bottom = std::min(bottom, range.Bottom);
    struct Crossing {
        Integer x;  // the first pixel at or right of the edge
        int dir;
    };
    // The smallest integer at or above n / d (d > 0).
    auto ceilDiv = [](int64_t n, int64_t d) { return n >= 0 ? (n + d - 1) / d : -((-n) / d); };
    std::vector<Crossing> crossings;
    for (Integer y = top; y < bottom; ++y) {
        crossings.clear();
        for (size_t i = 0; i < Points.size(); ++i) {
            const TPoint& a = Points[i];
            const TPoint& b = Points[(i + 1) % Points.size()];
            if (a.Y == b.Y) continue;
            bool down = b.Y > a.Y;
            const TPoint& from = down ? a : b;
            const TPoint& to = down ? b : a;
            if (y < from.Y || y >= to.Y) continue;
            // Exactly, in integers: x = from.X + (y - from.Y) * dx / dy, rounded up.
            int64_t dy = int64_t(to.Y) - from.Y;
            int64_t n = int64_t(from.X) * dy + (int64_t(y) - from.Y) * (int64_t(to.X) - from.X);
            crossings.push_back(
                {static_cast<Integer>(std::clamp<int64_t>(ceilDiv(n, dy), range.Left, range.Right)), down ? 1 : -1});
        }
        std::sort(crossings.begin(), crossings.end(), [](auto& l, auto& r) { return l.x < r.x; });
        int winding = 0;
        for (size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding += Mode == WINDING ? crossings[i].dir : 1;
            bool inside = Mode == WINDING ? winding != 0 : (winding & 1) != 0;
            if (!inside) continue;
            Integer x0 = crossings[i].x, x1 = crossings[i + 1].x;
            if (x1 > x0) {
                cairo_rectangle_int_t r{x0, y, x1 - x0, 1};
                cairo_region_union_rectangle(result.m_region, &r);
            }
        }
    }
    return result;
}

void TRegion::Combine(const TRegion& A, const TRegion& B, TRegionCombine Op)
{
    cairo_region_t* r = cairo_region_copy(A.m_region);
    switch (Op) {
    case RGN_AND: cairo_region_intersect(r, B.m_region); break;
    case RGN_OR: cairo_region_union(r, B.m_region); break;
    case RGN_XOR: cairo_region_xor(r, B.m_region); break;
    case RGN_DIFF: cairo_region_subtract(r, B.m_region); break;
    case RGN_COPY: break;
    }
    cairo_region_destroy(m_region);
    m_region = r;
}

void TRegion::Offset(Integer dx, Integer dy) { cairo_region_translate(m_region, dx, dy); }

bool TRegion::Empty() const { return cairo_region_is_empty(m_region); }

bool TRegion::Contains(Integer X, Integer Y) const { return cairo_region_contains_point(m_region, X, Y); }

TRect TRegion::Bounds() const
{
    if (Empty()) return {};
    cairo_rectangle_int_t r;
    cairo_region_get_extents(m_region, &r);
    return {r.x, r.y, r.x + r.width, r.y + r.height};
}

Integer TRegion::RectCount() const { return cairo_region_num_rectangles(m_region); }

TRect TRegion::RectAt(Integer Index) const
{
    cairo_rectangle_int_t r;
    cairo_region_get_rectangle(m_region, Index, &r);
    return {r.x, r.y, r.x + r.width, r.y + r.height};
}

bool TRegion::operator==(const TRegion& Other) const { return cairo_region_equal(m_region, Other.m_region); }

}  // namespace gw
