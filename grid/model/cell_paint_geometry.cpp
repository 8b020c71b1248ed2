// The arithmetic of the cell painter that needs no window.
#include "grid/model/cell_paint_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gw {

namespace {

// Round with halves to even, as the runtime rounds.
Integer RoundEven(double V) { return Integer(std::nearbyint(V)); }

}  // namespace

TRect PlaceCellGraphic(const TRect& R, Integer W, Integer H, TCellHAlign GH, TCellVAlign GV, TAlignment HA,
                       Integer TextWidth)
{
    const Integer tw = TextWidth > 0 ? TextWidth + 2 : 0;
    const Integer width = R.Right - R.Left, height = R.Bottom - R.Top;
    Integer l = R.Left + 1, rt = -1;
    switch (GH) {
    case haLeft: break;
    case haRight:
        rt = R.Right - 1;
        l = rt - W;
        break;
    case haCenter: l = W < width ? R.Left + (width - W) / 2 : R.Left + 1; break;
    case haBeforeText:
        if (HA == taRightJustify) l = R.Right - tw - W;
        if (HA == taCenter) l = R.Left + (width - tw - W) / 2;
        if (l < R.Left) l = R.Left + 1;
        break;
    case haAfterText:
        if (HA == taLeftJustify) l = R.Left + tw;
        if (HA == taRightJustify) {
            rt = R.Right - 1;
            l = rt - W;
        }
        if (HA == taCenter) l = std::max(R.Left + tw + (width - tw - W) / 2, R.Left + 1);
        break;
    case haFull:
        l = R.Left;
        rt = R.Right;
        break;
    }
    if (rt < 0) rt = l + W;
    Integer t = R.Top + 1, b = -1;
    switch (GV) {
    case vaTop:
    case vaAboveText: break;
    case vaBottom:
        b = R.Bottom - 1;
        t = b - H;
        break;
    case vaCenter: t = H < height ? R.Top + (height - H) / 2 : R.Top + 1; break;
    case vaUnderText:
        t = R.Bottom - H;
        b = R.Bottom;
        break;
    case vaFull:
        t = R.Top;
        b = R.Bottom;
        break;
    }
    if (b < 0) b = t + H;
    return Rect(l, t, rt, b);
}

TPoint PlaceRotatedText(const TRect& R, Integer Angle, TSize Extent, TAlignment HA, TVAlignment VA)
{
    const double a = Angle * std::numbers::pi / 180.0;
    const Integer cx = Extent.cx, cy = Extent.cy;
    const Integer w1 = std::abs(Integer(std::trunc(std::cos(a) * cx)));
    const Integer h1 = std::abs(Integer(std::trunc(std::sin(a) * cx)));
    const Integer w2 = std::abs(Integer(std::trunc(std::sin(a) * cy)));
    const Integer h2 = std::abs(Integer(std::trunc(std::cos(a) * cy)));
    const Integer w = R.Right - R.Left, h = R.Bottom - R.Top;
    const Integer quadrant = Angle <= 90 ? 1 : Angle <= 180 ? 2 : Angle <= 270 ? 3 : 4;
    struct Placement {
        Integer Left, Right, Centre, Top, Middle, Bottom;
    };
    const Integer spread = (h1 + h2 - h) / 2;
    Placement p{};
    switch (quadrant) {
    case 1:
        p = {R.Left, R.Right - w1 - w2, R.Left + (w - w2 - w1) / 2, R.Top + h1, R.Top + h1 - spread, R.Bottom - h2};
        break;
    case 2:
        p = {R.Left + w1, R.Right - w2, R.Right - (w2 + w - w1) / 2, R.Top + h1 + h2, R.Top + h1 + h2 - spread,
             R.Bottom};
        break;
    case 3:
        p = {R.Left + w1 + w2, R.Right, R.Right - (w - w2 - w1) / 2, R.Top + h2, R.Top + h2 - spread, R.Bottom - h1};
        break;
    default:
        p = {R.Left + w2, R.Right - w1, R.Left + (w2 + w - w1) / 2, R.Top, R.Top - spread, R.Bottom - h2 - h1};
        break;
    }
    const Integer x = HA == taRightJustify ? p.Right : HA == taCenter ? p.Centre : p.Left;
    const Integer y = VA == vtaBottom ? p.Bottom : VA == vtaCenter ? p.Middle : p.Top;
    return Point(x, y);
}

TSize RotatedTextSize(TSize Size, Integer Angle)
{
    const double a = Angle * std::numbers::pi / 180.0;
    const double s = std::sin(a), c = std::cos(a);
    const auto part = [](double V) { return Integer(std::trunc(V)); };
    const Integer w = std::abs(part(Size.cy * s) - part(Size.cx * c)) + 12;
    const Integer h = std::abs(part(Size.cy * c) - part(Size.cx * s)) + 12;
    return TSize{w, h};
}

Integer XPProgressPercent(Integer Value, Integer From, Integer To)
{
    if (To == From) return 0;
    return RoundEven(std::abs(double(Value) - From) / (double(To) - From) * 100.0);
}

TRect RichFormatRect(const TRect& R, Integer DpiX, Integer DpiY, TPoint Offset)
{
    const double ex = double(DpiX) * Offset.X / 96.0, ey = double(DpiY) * Offset.Y / 96.0;
    const Integer left = RoundEven((R.Left + ex) / DpiX * 1440.0);
    const Integer top = RoundEven((R.Top + ey) / DpiY * 1440.0);
    const Integer right = left + RoundEven((R.Right - R.Left - 2 * ex) / DpiX * 1440.0);
    const Integer bottom = top + RoundEven((R.Bottom - R.Top - 2 * ey) / DpiY * 1440.0);
    return Rect(left, top, right, bottom);
}

String BalloonTipText(StringView Text)
{
    String s(Text);
    std::replace(s.begin(), s.end(), u'\t', u' ');
    size_t first = 0;
    while (first < s.size() && (s[first] == u'\r' || s[first] == u'\n')) ++first;
    if (s.size() <= 2048) return s.substr(first);
    // Never past the end, however many line breaks lead.
    return s.substr(first, std::min<size_t>(2045, s.size() - first)) + u"...";
}

String BalloonTipTitle(StringView Title)
{
    if (Title.size() <= 100) return String(Title);
    return String(Title.substr(0, 97)) + u"...";
}

}  // namespace gw
