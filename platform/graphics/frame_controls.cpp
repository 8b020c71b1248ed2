// Edges and frame controls in the classic look, drawn pixel by pixel in system colours.
#include "platform/graphics/frame_controls.h"

#include <cmath>

namespace gw {

namespace {

// Fills rectangles in a colour without disturbing the caller's brush.
class Filler {
public:
    explicit Filler(TCanvas& canvas) : m_canvas(canvas), m_bkMode(canvas.BkMode()) { m_saved.Assign(canvas.Brush()); }
    ~Filler()
    {
        m_canvas.Brush()->Assign(&m_saved);
        m_canvas.SetBkMode(m_bkMode);
    }
    Filler(const Filler&) = delete;
    Filler& operator=(const Filler&) = delete;

    void Fill(const TRect& r, TColor colour)
    {
        if (IsRectEmpty(r)) return;
        m_canvas.Brush()->SetColor(colour);
        m_canvas.Brush()->SetStyle(bsSolid);
        m_canvas.FillRect(r);
    }
    void Pixel(Integer x, Integer y, TColor colour) { Fill({x, y, x + 1, y + 1}, colour); }

private:
    TCanvas& m_canvas;
    TBkMode m_bkMode;
    TBrush m_saved;
};

struct Ring {
    TColor topLeft;
    TColor bottomRight;
};

void DrawRing(Filler& f, const TRect& r, Ring ring, Cardinal flags)
{
    if (flags & BF_TOP) f.Fill({r.Left, r.Top, r.Right, r.Top + 1}, ring.topLeft);
    if (flags & BF_LEFT) f.Fill({r.Left, r.Top, r.Left + 1, r.Bottom}, ring.topLeft);
    if (flags & BF_BOTTOM) f.Fill({r.Left, r.Bottom - 1, r.Right, r.Bottom}, ring.bottomRight);
    if (flags & BF_RIGHT) f.Fill({r.Right - 1, r.Top, r.Right, r.Bottom}, ring.bottomRight);
}

void Shrink(TRect& r, Cardinal flags)
{
    if (flags & BF_LEFT) ++r.Left;
    if (flags & BF_TOP) ++r.Top;
    if (flags & BF_RIGHT) --r.Right;
    if (flags & BF_BOTTOM) --r.Bottom;
}

void EdgeInto(TCanvas& canvas, TRect& R, Cardinal edge, Cardinal flags)
{
    Filler f(canvas);
    TRect r = R;
    bool soft = flags & BF_SOFT;
    Cardinal outer = edge & BDR_OUTER, inner = edge & BDR_INNER;
    auto ringOf = [&](Cardinal part, bool isOuter) -> Ring {
        if (flags & BF_MONO) return isOuter ? Ring{clWindowFrame, clWindowFrame} : Ring{clWindow, clWindow};
        if (flags & BF_FLAT) return isOuter ? Ring{clBtnShadow, clBtnShadow} : Ring{clBtnFace, clBtnFace};
        switch (part) {
        case BDR_RAISEDOUTER: return {soft ? clBtnHighlight : cl3DLight, cl3DDkShadow};
        case BDR_SUNKENOUTER: return {soft ? cl3DDkShadow : clBtnShadow, clBtnHighlight};
        case BDR_RAISEDINNER: return {soft ? cl3DLight : clBtnHighlight, clBtnShadow};
        case BDR_SUNKENINNER: return {soft ? clBtnShadow : cl3DDkShadow, cl3DLight};
        default: return {clBtnFace, clBtnFace};
        }
    };
    // A pair of opposite bits (raised and sunken) is no edge at all.
    if (outer == BDR_RAISEDOUTER || outer == BDR_SUNKENOUTER) {
        DrawRing(f, r, ringOf(outer, true), flags);
        Shrink(r, flags);
    }
    if (inner == BDR_RAISEDINNER || inner == BDR_SUNKENINNER) {
        DrawRing(f, r, ringOf(inner, false), flags);
        Shrink(r, flags);
    }
    if (flags & BF_MIDDLE) f.Fill(r, (flags & BF_MONO) ? clWindow : clBtnFace);
    if (flags & BF_ADJUST) R = r;
}

TRect CenteredSquare(const TRect& r, Integer size)
{
    Integer l = r.Left + (r.Width() - size) / 2, t = r.Top + (r.Height() - size) / 2;
    return {l, t, l + size, t + size};
}

void CheckBox(TCanvas& canvas, const TRect& R, Cardinal state)
{
    TRect box = CenteredSquare(R, std::min<Integer>(13, std::min(R.Width(), R.Height())));
    bool inactive = state & DFCS_INACTIVE;
    bool threeState = state & DFCS_BUTTON3STATE;
    TColor inside =
        (inactive || (state & DFCS_PUSHED) || (threeState && (state & DFCS_CHECKED))) ? clBtnFace : clWindow;
    TRect r = box;
    if (state & DFCS_MONO)
        EdgeInto(canvas, r, BDR_SUNKENOUTER, BF_RECT | BF_MONO | BF_ADJUST);
    else if (state & DFCS_FLAT)
        EdgeInto(canvas, r, BDR_SUNKENOUTER, BF_RECT | BF_FLAT | BF_ADJUST);
    else
        EdgeInto(canvas, r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    Filler f(canvas);
    f.Fill(r, inside);
    if (!(state & DFCS_CHECKED)) return;
    // The tick: seven columns, each three pixels high, dipping in the third column.
    static const int tops[7] = {2, 3, 4, 3, 2, 1, 0};
    TColor ink = (inactive || threeState) ? clBtnShadow : clWindowText;
    Integer ox = box.Left + (box.Width() - 7) / 2, oy = box.Top + (box.Height() - 7) / 2;
    for (int x = 0; x < 7; ++x)
        for (int y = tops[x]; y < tops[x] + 3; ++y) f.Pixel(ox + x, oy + y, ink);
}

void RadioButton(TCanvas& canvas, const TRect& R, Cardinal state)
{
    TRect box = CenteredSquare(R, std::min<Integer>(12, std::min(R.Width(), R.Height())));
    bool inactive = state & DFCS_INACTIVE;
    bool flat = state & (DFCS_FLAT | DFCS_MONO);
    TColor inside = (inactive || (state & DFCS_PUSHED)) ? clBtnFace : clWindow;
    Filler f(canvas);
    double c = (box.Width() - 1) / 2.0, outer = box.Width() / 2.0;
    for (Integer y = 0; y < box.Height(); ++y)
        for (Integer x = 0; x < box.Width(); ++x) {
            double d = std::hypot(x - c, y - c);
            bool topLeft = x + y < box.Width() - 1;
            TColor colour;
            if (d >= outer) continue;
            if (d >= outer - 1)
                colour = flat ? ((state & DFCS_MONO) ? clWindowFrame : clBtnShadow)
                              : (topLeft ? clBtnShadow : clBtnHighlight);
            else if (d >= outer - 2 && !flat)
                colour = topLeft ? cl3DDkShadow : cl3DLight;
            else if ((state & DFCS_CHECKED) && d < outer / 3)
                colour = inactive ? clBtnShadow : clWindowText;
            else
                colour = inside;
            f.Pixel(box.Left + x, box.Top + y, colour);
        }
}

void PushButton(TCanvas& canvas, TRect& R, Cardinal state)
{
    TRect r = R;
    bool down = state & (DFCS_PUSHED | DFCS_CHECKED);
    if (state & DFCS_MONO)
        EdgeInto(canvas, r, BDR_RAISEDOUTER, BF_RECT | BF_MONO | BF_MIDDLE | BF_ADJUST);
    else if (state & DFCS_FLAT)
        EdgeInto(canvas, r, down ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
                 BF_RECT | BF_MIDDLE | BF_ADJUST | (down ? BF_FLAT : 0));
    else if (down)
        EdgeInto(canvas, r, EDGE_SUNKEN, BF_RECT | BF_MIDDLE | BF_SOFT | BF_ADJUST);
    else
        EdgeInto(canvas, r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_SOFT | BF_ADJUST);
    if ((state & DFCS_CHECKED) && !(state & DFCS_PUSHED)) {
        // A latched button shows a dither of highlight over the face.
        Filler f(canvas);
        for (Integer y = r.Top; y < r.Bottom; ++y)
            for (Integer x = r.Left; x < r.Right; ++x)
                if (((x + y) & 1) == 0) f.Pixel(x, y, clBtnHighlight);
    }
    if (state & DFCS_ADJUSTRECT) R = r;
}

// A filled triangle pointing in a direction, its apex row/column of one pixel. Across its
// direction it is centred on the middle pixel (the left one of two); along it, it sits a pixel
// nearer the start for up and left arrows than for down and right ones.
void Arrow(Filler& f, const TRect& r, Cardinal part, TColor colour, Integer shift)
{
    bool vertical = part == DFCS_SCROLLUP || part == DFCS_SCROLLDOWN || part == DFCS_SCROLLCOMBOBOX;
    bool backwards = part == DFCS_SCROLLUP || part == DFCS_SCROLLLEFT;
    Integer size = std::min(r.Width(), r.Height());
    Integer h = std::max<Integer>(1, size / 4);
    Integer alongStart = vertical ? r.Top : r.Left, alongLength = vertical ? r.Height() : r.Width();
    Integer acrossStart = vertical ? r.Left : r.Top, acrossLength = vertical ? r.Width() : r.Height();
    Integer first = alongStart + alongLength / 2 - h / 2 - (backwards ? 1 : 0) + shift;
    Integer middle = acrossStart + (acrossLength - 1) / 2 + shift;
    for (Integer i = 0; i < h; ++i) {
        Integer half = backwards ? i : h - 1 - i;
        Integer at = first + i;
        if (vertical)
            f.Fill({middle - half, at, middle + half + 1, at + 1}, colour);
        else
            f.Fill({at, middle - half, at + 1, middle + half + 1}, colour);
    }
}

void ScrollButton(TCanvas& canvas, const TRect& R, Cardinal state)
{
    Cardinal part = state & 0xFF;
    TRect r = R;
    bool down = state & DFCS_PUSHED;
    // Unlike a push button, an arrow button that is up has the light colour outside and the
    // highlight inside; pressed, it sinks as a push button does.
    if (state & DFCS_FLAT)
        EdgeInto(canvas, r, down ? BDR_SUNKENOUTER : BDR_RAISEDOUTER, BF_RECT | BF_FLAT | BF_MIDDLE);
    else if (down)
        EdgeInto(canvas, r, EDGE_SUNKEN, BF_RECT | BF_SOFT | BF_MIDDLE);
    else
        EdgeInto(canvas, r, EDGE_RAISED, BF_RECT | BF_MIDDLE | ((state & DFCS_INACTIVE) ? BF_SOFT : 0));
    Filler f(canvas);
    Integer shift = down ? 1 : 0;
    if (part == DFCS_SCROLLCOMBOBOX) part = DFCS_SCROLLDOWN;
    if (state & DFCS_INACTIVE) {
        Arrow(f, R, part, clBtnHighlight, shift + 1);
        Arrow(f, R, part, clBtnShadow, shift);
    } else {
        Arrow(f, R, part, clBtnText, shift);
    }
}

}  // namespace

bool DrawEdge(TCanvas& Canvas, TRect& R, Cardinal Edge, Cardinal Flags)
{
    TCanvasCallScope call(Canvas, "DrawEdge", {R.Left, R.Top, R.Right, R.Bottom, Integer(Edge), Integer(Flags)});
    EdgeInto(Canvas, R, Edge, Flags);
    return true;
}

bool DrawFrameControl(TCanvas& Canvas, TRect& R, Cardinal Type, Cardinal State)
{
    TCanvasCallScope call(Canvas, "DrawFrameControl",
                          {R.Left, R.Top, R.Right, R.Bottom, Integer(Type), Integer(State)});
    if (Type == DFC_BUTTON) {
        Cardinal part = State & 0xFF;
        if (part & DFCS_BUTTONPUSH)
            PushButton(Canvas, R, State);
        else if (part & DFCS_BUTTONRADIO)
            RadioButton(Canvas, R, State);
        else
            CheckBox(Canvas, R, State);
        return true;
    }
    if (Type == DFC_SCROLL) {
        ScrollButton(Canvas, R, State);
        return true;
    }
    return false;
}

}  // namespace gw
