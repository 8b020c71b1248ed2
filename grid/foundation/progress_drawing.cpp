// The drawings of the grid's progress cells.
#include "grid/foundation/progress_drawing.h"

#include "grid/foundation/gradients.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/format.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gw {

namespace {

// Round that cannot fail while painting: NaN gives 0, values beyond the 64-bit range are held.
Int64 SafeRound(double Value)
{
    if (std::isnan(Value)) return 0;
    return Round(std::clamp(Value, -9.2e18, 9.2e18));
}

void PenAndBrush(TCanvas& Canvas, TColor Color)
{
    Canvas.Pen()->SetStyle(psSolid);
    Canvas.Pen()->SetWidth(1);
    Canvas.Pen()->SetColor(Color);
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Color);
}

// The bar's text. A format whose letters pick one kind of value while its conversion wants the
// other (a "%.1f units") is tried the other way; when neither applies, the value is shown plainly.
String ProgressText(StringView Fmt, double Value)
{
    if (Fmt.empty()) return IntToStr(SafeRound(Value)) + u"%";
    const bool integer = Fmt.find_first_of(u"du") != StringView::npos;
    for (const bool asInteger : {integer, !integer}) {
        try {
            return asInteger ? Format(Fmt, {SafeRound(Value)}) : Format(Fmt, {Value});
        } catch (const EConvertError&) {
        }
    }
    return FloatToStr(Value);
}

// The completed share, 0..100. A range of no width shows an empty bar.
Integer ProgressPercent(StringView Fmt, double Value, Integer Min, Integer Max)
{
    double percent = Value;
    if (!Fmt.empty()) {
        if (Max == Min) return 0;
        percent = (Value - Min) * 100 / (double(Max) - Min);
    }
    return Integer(std::clamp<Int64>(SafeRound(percent), 0, 100));
}

}  // namespace

void DrawCellProgressBar(TCanvas& Canvas, const TRect& R, TColor CompleteColor, TColor CompleteTextColor,
                         TColor UncompleteColor, TColor UncompleteTextColor, double Value, Integer HorizontalMargin,
                         Integer VerticalMargin, Integer Min, Integer Max, StringView Format, TColor BorderColor,
                         bool Printing)
{
    const TColor entryBrush = Canvas.Brush()->Color();
    PenAndBrush(Canvas, CompleteColor);
    Canvas.Font()->SetColor(CompleteTextColor);
    const String text = ProgressText(Format, Value);
    const Integer percent = ProgressPercent(Format, Value, Min, Max);

    TRect r = R;
    InflateRect(r, -HorizontalMargin, -VerticalMargin);
    const Integer split = r.Left + Integer(SafeRound(double(Int64(percent) * r.Width()) / 100));
    const TSize extent = Canvas.TextExtent(text);
    const Integer x = r.Left + (r.Width() - extent.cx) / 2;
    const Integer y = Printing ? r.Top + (r.Height() + extent.cy) / 2 : r.Top + (r.Height() - extent.cy) / 2;

    Canvas.TextRect({r.Left, r.Top, split, r.Bottom}, x, y, text);
    PenAndBrush(Canvas, UncompleteColor);
    Canvas.Font()->SetColor(UncompleteTextColor);
    Canvas.TextRect({split, r.Top, r.Right, r.Bottom}, x, y, text);

    if (BorderColor == clNone) return;
    Canvas.Brush()->SetColor(BorderColor);
    InflateRect(r, 1, 1);
    Canvas.FrameRect(r);
    Canvas.Brush()->SetColor(entryBrush);
    InflateRect(r, 1, 1);
    Canvas.FrameRect(r);
}

void DrawCellProgressPie(TCanvas& Canvas, const TRect& R, TColor Color, Integer Percent, bool Printing)
{
    constexpr TColor outline = TColor(0x808080);
    const Integer percent = std::clamp(Percent, 0, 100);
    Canvas.Pen()->SetStyle(psSolid);
    Canvas.Pen()->SetColor(outline);
    Canvas.Pen()->SetWidth(1);
    Canvas.Ellipse(R);

    const Integer w = R.Right - R.Left, h = R.Bottom - R.Top;
    const Integer cx = R.Left + w / 2, cy = R.Top + h / 2;
    Canvas.MoveTo(cx, R.Top);
    Canvas.LineTo(cx, cy);
    const double a = percent / 100.0 * 2 * std::numbers::pi;
    Canvas.LineTo(cx + Integer(SafeRound((w + 1) / 2.0 * std::sin(a))),
                  cy - Integer(SafeRound((h + 1) / 2.0 * std::cos(a))));

    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Color);
    if (percent != 0) Canvas.FloodFill(cx + 1, Printing ? R.Top - 2 : R.Top + 2, outline, fsBorder);
}

void DrawRangeIndicator(TCanvas& Canvas, const TRect& R, Integer Value, Integer Range, bool ShowValue,
                        TColor NegativeColor, TColor PositiveColor)
{
    TRect r = R;
    InflateRect(r, -2, -2);
    const Integer half = r.Width() / 2;
    // A range of 0 (or below) has no scale to draw a bar on.
    if (Range > 0) {
        const Integer value = std::clamp(Value, -Range, Range);
        const Integer x = Integer(SafeRound(double(Int64(half) * value) / Range));
        if (value < 0) {
            PenAndBrush(Canvas, NegativeColor);
            Canvas.Rectangle(r.Left + half + x, r.Top, r.Left + half, r.Bottom);
        } else {
            PenAndBrush(Canvas, PositiveColor);
            Canvas.Rectangle(r.Left + half, r.Top, r.Left + half + x, r.Bottom);
        }
    }
    if (!ShowValue) return;
    Canvas.SetBkMode(TRANSPARENT);
    const String text = IntToStr(Value);
    const TSize extent = Canvas.TextExtent(text);
    Canvas.TextOut(r.Left + (r.Width() - extent.cx) / 2, r.Top + (r.Height() - extent.cy) / 2, text);
}

namespace {

struct TLevelColors {
    TColor Color;
    TColor ColorTo;
};

TLevelColors Level(const TProgressLook& Look, Integer Index)
{
    switch (Index) {
    case 0: return {Look.Level0Color, Look.Level0ColorTo};
    case 1: return {Look.Level1Color, Look.Level1ColorTo};
    case 2: return {Look.Level2Color, Look.Level2ColorTo};
    }
    return {Look.Level3Color, Look.Level3ColorTo};
}

// Lays the pieces of the bar along its length: Offset and Length count from the bar's start
// (the left end, or the bottom end of a vertical bar), Inset is taken from the two long edges.
class TBarPainter {
public:
    TBarPainter(TCanvas& Canvas, const TRect& R, const TProgressLook& Look) : m_canvas(Canvas), m_r(R), m_look(Look) {}

    void Piece(Integer Offset, Integer Length, Integer Inset, TLevelColors Colors) const
    {
        if (Length <= 0) return;
        TRect p = m_look.Vertical
            ? TRect{m_r.Left + Inset, m_r.Bottom - Offset - Length, m_r.Right - Inset, m_r.Bottom - Offset}
            : TRect{m_r.Left + Offset, m_r.Top + Inset, m_r.Left + Offset + Length, m_r.Bottom - Inset};
        if (!m_look.ShowGradient) {
            FillRectColor(m_canvas, p, Colors.Color);
            return;
        }
        // ColorTo at both long edges, Color where the two halves meet.
        TRect first = p, second = p;
        if (m_look.Vertical)
            first.Right = second.Left = p.Left + p.Width() / 2;
        else
            first.Bottom = second.Top = p.Top + p.Height() / 2;
        DrawGradientRect(m_canvas, Colors.ColorTo, Colors.Color, m_look.Steps, first, m_look.Vertical);
        DrawGradientRect(m_canvas, Colors.Color, Colors.ColorTo, m_look.Steps, second, m_look.Vertical);
    }

private:
    TCanvas& m_canvas;
    TRect m_r;
    const TProgressLook& m_look;
};

Integer PercentOf(Integer Percent, Integer Length) { return Integer(SafeRound(double(Int64(Percent) * Length) / 100)); }

void DrawStacked(const TBarPainter& Bar, Integer P, Integer L, const TProgressLook& Look)
{
    const Integer first = PercentOf(std::min(P, Look.Level1Perc), L);
    Bar.Piece(1, first, 1, Level(Look, 0));
    if (P < Look.Level1Perc) return;
    const Integer second = PercentOf(std::min(P, Look.Level2Perc) - Look.Level1Perc, L);
    Bar.Piece(1 + first, second, 1, Level(Look, 1));
    if (P < Look.Level2Perc) return;
    const Integer rest = P == 100 ? L - first - second : PercentOf(P - Look.Level2Perc, L);
    Bar.Piece(1 + first + second, rest, 1, Level(Look, 3));
}

// Blocks of 7 pixels with 2-pixel gaps, 2 pixels in from the edges. The last, partial block is
// (t mod 9) - 1 pixels long whenever that is at least 1, as a single block of t = 2 is.
void DrawBlocks(const TBarPainter& Bar, Integer P, Integer L, TLevelColors Colors)
{
    const Integer t = PercentOf(P, L);
    if (t < 2) return;
    if (t <= 9) {
        Bar.Piece(2, t - 1, 2, Colors);
        return;
    }
    const Integer full = t / 9, rest = t % 9;
    for (Integer i = 0; i < full; ++i) Bar.Piece(2 + 9 * i, 7, 2, Colors);
    if (rest >= 2) Bar.Piece(2 + 9 * full, rest - 1, 2, Colors);
}

void DrawPercentText(TCanvas& Canvas, const TRect& R, Integer Percent, const TProgressLook& Look)
{
    const String text = IntToStr(Percent) + u"%";
    Canvas.Brush()->SetStyle(bsClear);
    if (Look.Font) {
        Canvas.Font()->SetName(Look.Font->Name());
        Canvas.Font()->SetSize(Look.Font->Size());
        Canvas.Font()->SetStyle(Look.Font->Style());
    }
    Canvas.Font()->SetColor(Look.CompleteFontColor);
    const TSize extent = Canvas.TextExtent(text);
    if (!Look.Vertical) {
        Canvas.TextOut(R.Left + (R.Width() - extent.cx) / 2, R.Top + (R.Height() - extent.cy) / 2, text);
        return;
    }
    Canvas.Font()->SetOrientation(900);
    const Integer mx = R.Left + R.Width() / 2, my = R.Top + R.Height() / 2;
    Canvas.TextOut(mx - extent.cy / 2, my + extent.cx / 2, text);
    Canvas.Font()->SetOrientation(0);
}

}  // namespace

void DrawXPProgressBar(TCanvas& Canvas, const TRect& R, Integer Percent, const TProgressLook& Look)
{
    // The caller passes its value unclamped; the bar must not paint past the cell.
    const Integer p = std::clamp(Percent, 0, 100);
    const Integer L = (Look.Vertical ? R.Height() : R.Width()) - 2;
    const TColor border = Look.ShowBorder ? Look.BorderColor : Look.UnCompleteColor;
    Canvas.Pen()->SetStyle(psSolid);
    Canvas.Pen()->SetWidth(1);
    Canvas.Pen()->SetColor(border);
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Look.UnCompleteColor);
    Canvas.Rectangle(R);

    const TBarPainter bar(Canvas, R, Look);
    if (p > 0 && L > 0) {
        const Integer level = p < Look.Level1Perc ? 0 : p < Look.Level2Perc ? 1 : p < 100 ? 2 : 3;
        if (Look.Stacked)
            DrawStacked(bar, p, L, Look);
        else if (Look.CompletionSmooth)
            bar.Piece(1, PercentOf(p, L), 1, Level(Look, level));
        else
            DrawBlocks(bar, p, L, Level(Look, level));
    }
    if (Look.ShowPercentage) DrawPercentText(Canvas, R, Percent, Look);

    Canvas.Pen()->SetColor(border);
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.Rectangle(R);
}

}  // namespace gw
