// Regions: sets of pixels made of rectangles and polygons, combined and used as clips.
#pragma once

#include "platform/graphics/geometry.h"

#include <span>

typedef struct _cairo_region cairo_region_t;

namespace gw {

enum TPolyFillMode { ALTERNATE = 1, WINDING = 2 };
enum TRegionCombine { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };

// A value type: copies are independent. The empty region covers nothing.
class TRegion {
public:
    TRegion();
    explicit TRegion(const TRect& R);
    TRegion(const TRegion& Other);
    TRegion(TRegion&& Other) noexcept;
    TRegion& operator=(TRegion Other) noexcept;
    ~TRegion();

    // The pixels whose top-left corners lie inside the polygon under the fill mode, edges on the
    // left and top included, on the right and bottom excluded (as for rectangles); only those
    // inside Limit when one is given.
    static TRegion FromPolygon(std::span<const TPoint> Points, TPolyFillMode Mode, const TRect* Limit = nullptr);

    // Result of Combine(A, B, Op) into this region (RGN_COPY copies A).
    void Combine(const TRegion& A, const TRegion& B, TRegionCombine Op);
    void Offset(Integer dx, Integer dy);

    bool Empty() const;
    bool Contains(Integer X, Integer Y) const;
    TRect Bounds() const;
    Integer RectCount() const;
    TRect RectAt(Integer Index) const;
    bool operator==(const TRegion& Other) const;

    cairo_region_t* Handle() const { return m_region; }

private:
    cairo_region_t* m_region = nullptr;
};

}  // namespace gw
