// Points, sizes and rectangles in pixels, with the platform's exclusive right and bottom edges.
#pragma once

#include "platform/runtime/types.h"

#include <algorithm>

namespace gw {

struct TPoint {
    Integer X = 0;
    Integer Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    Integer cx = 0;
    Integer cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

// Left and Top are inside, Right and Bottom are the first pixels outside.
struct TRect {
    Integer Left = 0;
    Integer Top = 0;
    Integer Right = 0;
    Integer Bottom = 0;

    Integer Width() const { return Right - Left; }
    Integer Height() const { return Bottom - Top; }
    TPoint TopLeft() const { return {Left, Top}; }
    TPoint BottomRight() const { return {Right, Bottom}; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TPoint Point(Integer X, Integer Y) { return {X, Y}; }
inline TRect Rect(Integer Left, Integer Top, Integer Right, Integer Bottom) { return {Left, Top, Right, Bottom}; }
inline TRect Bounds(Integer Left, Integer Top, Integer Width, Integer Height)
{
    return {Left, Top, Left + Width, Top + Height};
}

// True when the rectangle covers no pixel (Right <= Left or Bottom <= Top).
inline bool IsRectEmpty(const TRect& R) { return R.Right <= R.Left || R.Bottom <= R.Top; }

inline bool PtInRect(const TRect& R, const TPoint& P)
{
    return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}

inline void InflateRect(TRect& R, Integer dx, Integer dy)
{
    R.Left -= dx;
    R.Top -= dy;
    R.Right += dx;
    R.Bottom += dy;
}

inline void OffsetRect(TRect& R, Integer dx, Integer dy)
{
    R.Left += dx;
    R.Top += dy;
    R.Right += dx;
    R.Bottom += dy;
}

// The common part; an empty result is (0, 0, 0, 0) and gives false.
inline bool IntersectRect(TRect& Dest, const TRect& A, const TRect& B)
{
    TRect r{std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right), std::min(A.Bottom, B.Bottom)};
    if (IsRectEmpty(r)) {
        Dest = {};
        return false;
    }
    Dest = r;
    return true;
}

// The smallest rectangle holding both; an empty operand is ignored.
inline bool UnionRect(TRect& Dest, const TRect& A, const TRect& B)
{
    if (IsRectEmpty(A)) {
        Dest = IsRectEmpty(B) ? TRect{} : B;
    } else if (IsRectEmpty(B)) {
        Dest = A;
    } else {
        Dest = {std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right),
                std::max(A.Bottom, B.Bottom)};
    }
    return !IsRectEmpty(Dest);
}

}  // namespace gw
