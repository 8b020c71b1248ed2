// Gradient fills in bands and the framed, mirrored and rounded gradient boxes.
#include "grid/foundation/gradients.h"

#include "platform/runtime/convert.h"

#include <algorithm>
#include <utility>

namespace gw {

namespace {

// Pen and brush both solid in Color, the pen one pixel wide: a Rectangle then fills its area.
void SolidPenAndBrush(TCanvas& Canvas, TColor Color)
{
    Canvas.Pen()->SetStyle(psSolid);
    Canvas.Pen()->SetWidth(1);
    Canvas.Pen()->SetColor(Color);
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Color);
}

// Num / Den (Den > 0) rounded, halves to the even neighbour: Round of the quotient, in integers.
Int64 RoundedQuotient(Int64 Num, Int64 Den)
{
    Int64 q = Num / Den, r = Num % Den;
    if (r < 0) {
        r += Den;
        --q;
    }
    if (2 * r > Den || (2 * r == Den && (q & 1) != 0)) ++q;
    return q;
}

// Channel by channel First + Round(Index * (Second - First) / Count). A gradient asks this for
// every band of every cell it paints, so the quotient is rounded in integers.
TColor StepColor(TColor First, TColor Second, Integer Index, Integer Count)
{
    auto channel = [&](Byte f, Byte s) {
        return Byte(std::clamp<Int64>(f + RoundedQuotient(Int64(Index) * (Int64(s) - f), Count), 0, 255));
    };
    return RGB(channel(GetRValue(First), GetRValue(Second)), channel(GetGValue(First), GetGValue(Second)),
               channel(GetBValue(First), GetBValue(Second)));
}

// The band from Start to End along the gradient, over the full other dimension of R.
TRect Band(const TRect& R, bool Across, Integer Start, Integer End)
{
    return Across ? TRect{Start, R.Top, End, R.Bottom} : TRect{R.Left, Start, R.Right, End};
}

void FrameInPen(TCanvas& Canvas, const TRect& R, TColor Color, Integer Width)
{
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.Pen()->SetStyle(psSolid);
    Canvas.Pen()->SetWidth(Width);
    Canvas.Pen()->SetColor(Color);
    Canvas.Rectangle(R);
}

void Line(TCanvas& Canvas, Integer X1, Integer Y1, Integer X2, Integer Y2)
{
    Canvas.MoveTo(X1, Y1);
    Canvas.LineTo(X2, Y2);
}

}  // namespace

void DrawGradientRect(TCanvas& Canvas, TColor First, TColor Second, Integer Steps, TRect R, bool Across)
{
    if (R.Top == R.Bottom) return;
    if (R.Bottom < R.Top) std::swap(R.Top, R.Bottom);
    const TColor c1 = ColorToRGB(First), c2 = ColorToRGB(Second);
    if (c1 == clNone || c2 == clNone) {
        if (c1 == c2) return;  // no colour at all: nothing to paint
        SolidPenAndBrush(Canvas, c1 == clNone ? c2 : c1);
        Canvas.Rectangle(R);
        return;
    }
    const Integer span = (Across ? R.Width() : R.Height()) - 1;
    if (span < 0) return;
    if (c1 == c2 && R.Width() >= 2 && R.Height() >= 2 && Canvas.Pen()->Mode() == pmCopy) {
        // The bands lie edge to edge over the whole rectangle, so bands of one colour are one fill
        // (a cell's background is often a "gradient" from its colour to the same). Bands overlap
        // by a pixel, so under a pen that is not copied they keep their own way.
        SolidPenAndBrush(Canvas, c1);
        Canvas.Rectangle(R);
        return;
    }
    const Integer n = std::max(1, std::min(Steps, span));
    const Integer length = span / n + 1;  // Trunc(span / n + 1)
    const Integer edge = Across ? R.Left : R.Top, farEdge = Across ? R.Right : R.Bottom;
    for (Integer i = 0; i <= n; ++i) {
        SolidPenAndBrush(Canvas, StepColor(c1, c2, i, n));
        const Integer start = edge + Word(Int64(i) * span / n);
        Canvas.Rectangle(Band(R, Across, start, std::min(start + length, farEdge)));
    }
}

void PaintGradientBands(TCanvas& Canvas, TColor First, TColor Second, Integer Count, TRect R, bool Across)
{
    const Integer n = std::max(1, Count);
    const TColor c1 = ColorToRGB(First), c2 = ColorToRGB(Second);
    (Across ? R.Right : R.Bottom) -= 1;
    const Integer extent = Across ? R.Width() : R.Height();
    const Integer edge = Across ? R.Left : R.Top;
    const Integer length = Integer(Round(double(extent) / n)) + 1;
    for (Integer i = 0; i < n; ++i) {
        SolidPenAndBrush(Canvas, StepColor(c1, c2, i, n));
        const Integer start = edge + Word(Round(double(Int64(i) * extent) / n));
        Canvas.Rectangle(Band(R, Across, start, start + length));
    }
}

void DrawGradientBox(TCanvas& Canvas, const TRect& R, TColor Color, TColor ColorTo, TColor BorderColor,
                     Integer BorderWidth, bool Vertical)
{
    if (ColorTo != clNone)
        PaintGradientBands(Canvas, Color, ColorTo, 80, R, !Vertical);
    else if (Color != clNone)
        FillRectColor(Canvas, R, Color);
    if (BorderColor != clNone && BorderWidth > 0) FrameInPen(Canvas, R, BorderColor, BorderWidth);
}

void DrawMirrorGradientRect(TCanvas& Canvas, const TRect& R, TColor Color, TColor ColorTo, TColor MirrorColor,
                            TColor MirrorColorTo, bool Vertical, TColor BorderColor, bool SideLinesOnly, bool Fill)
{
    if (Fill && Color != clNone) {
        if (MirrorColor == clNone) {
            if (ColorTo == clNone) {
                SolidPenAndBrush(Canvas, Color);
                Canvas.Rectangle(R.Left, R.Top, R.Right, R.Bottom + 1);
            } else {
                DrawGradientRect(Canvas, Color, ColorTo, 128, R, !Vertical);
            }
        } else {
            TRect first = R, second = R;
            if (Vertical)
                first.Bottom = second.Top = R.Top + R.Height() / 2;
            else
                first.Right = second.Left = R.Left + R.Width() / 2;
            DrawGradientRect(Canvas, Color, ColorTo, 128, first, !Vertical);
            DrawGradientRect(Canvas, MirrorColor, MirrorColorTo, 128, second, !Vertical);
        }
    }
    if (BorderColor == clNone) return;
    if (SideLinesOnly) {
        Canvas.Pen()->SetStyle(psSolid);
        Canvas.Pen()->SetWidth(1);
        Canvas.Pen()->SetColor(BorderColor);
        Line(Canvas, R.Left, R.Top, R.Left, R.Bottom);
        Line(Canvas, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
    } else {
        FrameInPen(Canvas, R, BorderColor, 1);
    }
}

void DrawRoundedGradientBox(TCanvas& Canvas, TColor Fill, TColor FillTo, TColor LowerColor, TColor LowerColorTo,
                            TColor LightLine, TColor DarkLine, TColor BorderColor, TColor InnerCorner,
                            TColor OuterCorner, const TRect& R, TRoundedBoxKind Kind)
{
    const Integer L = R.Left, T = R.Top, Rt = R.Right - 1, B = R.Bottom - 2;
    const bool leftEnd = Kind == rbSingle || Kind == rbLeftEnd;
    const bool rightEnd = Kind == rbSingle || Kind == rbRightEnd;
    const Integer leftInset = leftEnd ? 2 : 0, rightInset = rightEnd ? 2 : 0;
    const Integer mid = T + (B - T) / 2;
    Canvas.Pen()->SetStyle(psSolid);
    Canvas.Pen()->SetWidth(1);

    Canvas.Pen()->SetColor(LightLine);
    Line(Canvas, L, T + 1, Rt, T + 1);
    if (leftEnd) Line(Canvas, L + 1, T + 1, L + 1, mid);
    if (rightEnd) Line(Canvas, Rt - 2, T + 1, Rt - 2, mid);

    Canvas.Pen()->SetColor(DarkLine);
    Line(Canvas, L, B - 1, Rt, B - 1);
    if (leftEnd) Line(Canvas, L + 1, mid, L + 1, B - 1);
    if (rightEnd) Line(Canvas, Rt - 2, mid, Rt - 2, B - 1);

    Canvas.Pen()->SetColor(BorderColor);
    Line(Canvas, L + leftInset, T, Rt - rightInset, T);
    Line(Canvas, L + leftInset, B, Rt - rightInset, B);
    if (rightEnd) Line(Canvas, Rt - 1, T + 2, Rt - 1, B - 1);
    if (leftEnd) Line(Canvas, L, T + 2, L, B - 1);

    // Corners: the three pixels next to each corner, then the corner pixel itself.
    auto corners = [&](Integer Inner, Integer Outer) {
        for (Integer y : {T, B}) {
            const Integer dy = y == T ? 1 : -1;
            Canvas.SetPixel(Inner, y, InnerCorner);
            Canvas.SetPixel(Inner, y + dy, InnerCorner);
            Canvas.SetPixel(Outer, y + dy, InnerCorner);
        }
        Canvas.SetPixel(Outer, T, OuterCorner);
        Canvas.SetPixel(Outer, B, OuterCorner);
    };
    if (leftEnd) corners(L + 1, L);
    if (rightEnd) corners(Rt - 2, Rt - 1);

    const TRect inner{L + leftInset, T + 2, Rt - rightInset, B - 1};
    if (FillTo == clNone) {
        FillRectColor(Canvas, inner, Fill);
    } else if (LowerColor == clNone) {
        DrawGradientRect(Canvas, Fill, FillTo, 16, inner, false);
    } else {
        TRect upper = inner, lower = inner;
        upper.Bottom = lower.Top = inner.Top + inner.Height() / 2;
        DrawGradientRect(Canvas, Fill, FillTo, 16, upper, false);
        DrawGradientRect(Canvas, LowerColor, LowerColorTo, 16, lower, false);
    }
}

void FillRectColor(TCanvas& Canvas, const TRect& R, TColor Color)
{
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Color);
    Canvas.FillRect(R);
}

}  // namespace gw
