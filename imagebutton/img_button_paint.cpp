// The image button's painter: background by style, frame, caption, glyph and pop-up arrow.
#include "imagebutton/img_button_paint.h"

#include <algorithm>

namespace gw {

namespace {

bool IsColor(TColor C) { return C != clNone; }

// The caption without its last character (a surrogate pair counts as one character).
void DropLastChar(String& S)
{
    S.pop_back();
    if (!S.empty() && S.back() >= 0xD800 && S.back() <= 0xDBFF) S.pop_back();
}

void Line(TCanvas& C, std::initializer_list<TPoint> Points)
{
    auto it = Points.begin();
    C.MoveTo(it->X, it->Y);
    for (++it; it != Points.end(); ++it) C.LineTo(it->X, it->Y);
}

void LineOn(TCanvas& C, std::initializer_list<TPoint> Points)
{
    for (const TPoint& p : Points) C.LineTo(p.X, p.Y);
}

TColor FaceColor(const TImgButtonFace& F, bool Down)
{
    TColor face = ColorToRGB(F.Color);
    if (F.Enabled && IsColor(F.HotTrackColor)) face = BlendHotTrackColor(F.Color, F.HotTrackColor, F.HotTrackStep);
    if (Down && IsColor(F.ColorWhenDown)) face = F.ColorWhenDown;
    return face;
}

void DrawBackground(TCanvas& C, const TImgButtonFace& F, TColor Face, Integer p)
{
    const Integer W = F.Width, H = F.Height;
    if (F.Style == bsShape) {
        C.Brush()->SetColor(clFuchsia);
        C.Rectangle(-1, -1, W + 1, H + 1);
    } else if (!F.Transparent) {
        C.Brush()->SetColor(Face);
        switch (F.Style) {
        case bsNormal:
        case bsEncarta:
        case bsOld: C.Rectangle(-1, -1, W + 1, H + 1); break;
        case bsModern:
            DrawImgGradient(C, F.LightColor, Face, 2, 2, W - 2, H / 4 + p);
            DrawImgGradient(C, Face, F.LightColor, 2, H / 4 + p, W - 2, H - 1);
            break;
        default: break;
        }
    }
    C.Brush()->SetStyle(bsClear);
}

void DrawFrame(TCanvas& C, const TImgButtonFace& F, TColor Face, bool Down)
{
    const Integer W = F.Width, H = F.Height;
    TPen& pen = *C.Pen();
    switch (F.Style) {
    case bsNormal:
    case bsEncarta:
    case bsOld: {
        bool framed = (F.Enabled && (!F.Flat || F.Hot || Down)) || (!F.Enabled && !F.Flat);
        if (!framed) return;
        if (F.Style == bsOld) {
            pen.SetColor(F.ShadowColor);
            if (Down)
                Line(C, {{1, H - 3}, {1, 1}, {W - 2, 1}});
            else
                Line(C, {{W - 2, 0}, {W - 2, H - 2}, {0, H - 2}});
            pen.SetColor(Down ? cl3DDkShadow : F.LightColor);
            Line(C, {{0, H - 1}, {0, 0}, {W - 1, 0}});
            pen.SetColor(Down ? F.LightColor : cl3DDkShadow);
            LineOn(C, {{W - 1, H - 1}, {-1, H - 1}});
        } else {
            pen.SetColor(Down ? F.ShadowColor : F.LightColor);
            Line(C, {{0, H - 1}, {0, 0}, {W - 1, 0}});
            pen.SetColor(Down ? F.LightColor : F.ShadowColor);
            LineOn(C, {{W - 1, H - 1}, {0, H - 1}});
        }
        break;
    }
    case bsModern:
        pen.SetColor(Down ? F.ShadowColor : Face);
        C.Rectangle(1, 1, W - 1, H - 1);
        pen.SetColor(F.ShadowColor);
        C.RoundRect(0, 0, W, H, 6, 6);
        break;
    case bsQuicken:
        pen.SetStyle(psClear);
        C.Brush()->SetStyle(bsSolid);
        C.Brush()->SetColor(Face);
        C.RoundRect(0, 1, W, H, 4, 4);
        C.Brush()->SetStyle(bsClear);
        pen.SetStyle(psSolid);
        pen.SetColor(F.ShadowColor);
        Line(C, {{4, 0}, {W - 5, 0}});
        Line(C, {{4, H - 1}, {W - 5, H - 1}});
        break;
    case bsShape: break;
    }
}

// Where caption and glyph go, and the caption as it fits.
struct TPlacement {
    String Caption;
    Integer TextWidth = 0;  // v: the width the caption is laid out in
    Integer TextLeft = 0, TextTop = 0, TextHeight = 0;
    Integer GlyphLeft = 0, GlyphTop = 0;
};

Integer AvailableTextWidth(const TImgButtonFace& F, Integer gw)
{
    if (F.Style == bsShape || F.Layout == blGlyphTop || F.Layout == blGlyphBottom) return std::max(F.Width - 8, 0);
    return std::max(F.Width - 8 - (gw > 0 ? gw + 4 : 0), 0);
}

TPlacement Place(TCanvas& C, const TImgButtonFace& F, Integer gw, Integer gh, Integer p)
{
    const Integer W = F.Width, H = F.Height;
    TPlacement r;
    r.Caption = F.Caption;
    r.TextWidth = AvailableTextWidth(F, gw);
    const Integer v = r.TextWidth;
    if (!F.WordWrap)
        while (!r.Caption.empty() && C.TextWidth(r.Caption) > v) DropLastChar(r.Caption);
    TRect calc = Rect(0, 0, v, 0);
    C.DrawText(r.Caption, calc, ImgCaptionFormat(F.Alignment) | DT_CALCRECT);
    const Integer th = calc.Height(), tw = calc.Width();
    r.TextHeight = th;

    if (F.Style == bsShape) {
        r.GlyphLeft = (W - gw) / 2;
        r.GlyphTop = (H - gh) / 2;
        r.TextLeft = p;
        r.TextTop = (H - th) / 2 + p;
        return r;
    }
    if (F.Layout == blGlyphTop || F.Layout == blGlyphBottom) {
        Integer total = th + (gh > 0 ? gh + 4 : 0);
        Integer top = (H - total) / 2;
        r.TextLeft = p + 4;
        r.GlyphTop = F.Layout == blGlyphTop ? top + p : top + th + p;
        r.TextTop = F.Layout == blGlyphTop ? top + gh + p : top + p;
        switch (F.Alignment) {
        case taLeftJustify: r.GlyphLeft = p + 4; break;
        case taRightJustify: r.GlyphLeft = W - gw - 4 + p; break;
        case taCenter: r.GlyphLeft = (W - gw) / 2 + p; break;
        }
        return r;
    }
    r.TextTop = (H - th) / 2 + p;
    r.TextLeft = p + 4;
    r.GlyphTop = (H - gh) / 2 + p;
    const Integer t4 = r.Caption.empty() ? 0 : tw + 4;
    // With word wrap the glyph keeps to its side of the text; otherwise it follows the
    // alignment, next to the caption's measured width.
    if (F.Layout == blGlyphLeft) {
        if (gw > 0) r.TextLeft += gw + 4;
        r.GlyphLeft = p + 4;
        if (!F.WordWrap && F.Alignment == taRightJustify) r.GlyphLeft = W - 4 - gw - t4 + p;
        if (!F.WordWrap && F.Alignment == taCenter) r.GlyphLeft = (W - gw) / 2 + p - t4 / 2;
    } else {
        r.GlyphLeft = r.TextLeft + t4;
        if (!F.WordWrap && F.Alignment == taRightJustify) r.GlyphLeft = W - 4 - gw + p;
        if (!F.WordWrap && F.Alignment == taCenter) r.GlyphLeft = (W - gw) / 2 + p + t4 / 2;
    }
    return r;
}

// The image of the strip to show: the second when disabled, the fourth when hot and the third
// when pressed where the strip has them.
Integer GlyphSourceX(const TImgButtonFace& F, Integer gw, bool Down)
{
    if (!F.Enabled) return gw;
    Integer x = 0;
    if (F.Hot && F.NumGlyphs > 3) x = 3 * gw;
    if (Down && F.NumGlyphs > 2) x = 2 * gw;
    return x;
}

void DrawPopupArrow(TCanvas& C, const TImgButtonFace& F)
{
    TBitmap arrow;
    arrow.LoadFromResourceName(u"LBARROW");
    arrow.SetTransparent(true);
    C.Draw(F.Width - 11, F.Height / 2 - 1, &arrow);
}

}  // namespace

Cardinal ImgCaptionFormat(TAlignment Alignment)
{
    switch (Alignment) {
    case taLeftJustify: return DT_WORDBREAK | DT_LEFT;
    case taRightJustify: return DT_WORDBREAK | DT_RIGHT;
    case taCenter: break;
    }
    return DT_WORDBREAK | DT_CENTER;
}

void DrawImgGradient(TCanvas& Canvas, TColor Start, TColor End, Integer Left, Integer Top, Integer Right,
                     Integer Bottom)
{
    const TColor s = ColorToRGB(Start), e = ColorToRGB(End);
    const Integer h = Bottom - Top;
    const Integer band = h / 31 + 1;
    double r = GetRValue(s), g = GetGValue(s), b = GetBValue(s);
    const double dr = (GetRValue(e) - r) / 31, dg = (GetGValue(e) - g) / 31, db = (GetBValue(e) - b) / 31;
    const TPenStyle saved = Canvas.Pen()->Style();
    Canvas.Pen()->SetStyle(psClear);
    for (Integer i = 0; i <= 31; ++i) {
        Canvas.Brush()->SetColor(RGB(Byte(Integer(r)), Byte(Integer(g)), Byte(Integer(b))));
        const Integer top = Top + (i * h) / 31;
        Canvas.FillRect(Rect(Left, top, Right, std::min(Bottom, top + band)));
        r += dr;
        g += dg;
        b += db;
    }
    Canvas.Pen()->SetStyle(saved);
}

TColor BlendHotTrackColor(TColor Color, TColor HotTrackColor, Integer HotTrackStep)
{
    const TColor a = ColorToRGB(Color), b = ColorToRGB(HotTrackColor);
    const double c = HotTrackStep / 8.0;
    auto mix = [c](Byte x, Byte y) { return Byte(Integer((1 - c) * x + c * y)); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

void DrawGlyphPart(TCanvas& Canvas, TBitmap* Glyph, Integer X, Integer Y, Integer SourceX, Integer PartHeight,
                   Integer PartWidth, Integer SourceY)
{
    if (!Glyph || PartWidth <= 0 || PartHeight <= 0) return;
    // The part starts as the glyph itself, so that a part the glyph does not hold (the disabled
    // image of a one-image glyph) shows the first image rather than nothing.
    TBitmap part;
    part.Assign(Glyph);
    part.SetSize(PartWidth, PartHeight);
    const TRect whole = Rect(0, 0, Glyph->Width(), Glyph->Height());
    TRect at = whole;
    OffsetRect(at, -SourceX, -SourceY);
    part.Canvas()->CopyRect(at, Glyph->Canvas(), whole);
    part.SetTransparentMode(tmAuto);
    part.SetTransparent(true);
    Canvas.Draw(X, Y, &part);
}

void DrawImgButtonFace(TCanvas& Canvas, const TImgButtonFace& F)
{
    TCanvas& C = Canvas;
    const bool down = F.Enabled && F.Down;
    const Integer p = down && F.Style != bsEncarta ? 1 : 0;
    const TColor face = FaceColor(F, down);

    C.Brush()->SetStyle(bsSolid);
    DrawBackground(C, F, face, p);
    DrawFrame(C, F, face, down);

    if (F.Font) C.Font()->Assign(F.Font);
    if (F.Style == bsEncarta && down) C.Font()->SetStyle(C.Font()->Style() | fsBold);

    const Integer gh = F.Glyph ? F.Glyph->Height() : 0;
    const Integer gw = F.Glyph && F.NumGlyphs > 0 ? F.Glyph->Width() / F.NumGlyphs : 0;
    const Integer sx = GlyphSourceX(F, gw, down);
    const TPlacement at = Place(C, F, gw, gh, p);

    if (F.Style == bsShape) {
        DrawGlyphPart(C, F.Glyph, at.GlyphLeft, at.GlyphTop, sx, gh, gw, 0);
        TRect r = Rect(at.TextLeft, at.TextTop, F.Width, F.Height);
        C.DrawText(at.Caption, r, DT_WORDBREAK | DT_CENTER);
    } else {
        if (!F.Enabled) C.Font()->SetColor(clGray);
        TRect r = Rect(at.TextLeft, at.TextTop, at.TextLeft + at.TextWidth, at.TextTop + at.TextHeight);
        C.DrawText(at.Caption, r, ImgCaptionFormat(F.Alignment));
        DrawGlyphPart(C, F.Glyph, at.GlyphLeft, at.GlyphTop, sx, gh, gw, 0);
    }
    if (F.HasPopupMenu) DrawPopupArrow(C, F);
}

}  // namespace gw
