// TSpeedButton: press tracking, groups through CM_BUTTONPRESSED, layout and painting.
#include "platform/controls/speed_button.h"

#include "platform/controls/accelerator.h"
#include "platform/graphics/frame_controls.h"

namespace gw {

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner), m_glyph(std::make_unique<TBitmap>())
{
    ControlStyle = csCaptureMouse | csDoubleClicks;
    SetBounds(0, 0, 23, 22);
    m_glyph->OnChange = [this](TObject*) { Invalidate(); };
}

TSpeedButton::~TSpeedButton() { m_glyph->OnChange = nullptr; }

void TSpeedButton::SetGroupIndex(Integer Value)
{
    if (m_groupIndex == Value) return;
    m_groupIndex = Value;
    UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool Value)
{
    if (m_allowAllUp == Value) return;
    m_allowAllUp = Value;
    UpdateExclusive();
}

void TSpeedButton::SetDown(bool Value)
{
    if (m_groupIndex == 0) Value = false;
    if (Value == m_down) return;
    if (m_down && !m_allowAllUp) return;
    m_down = Value;
    if (Value) {
        if (m_state == bsUp) Invalidate();
        m_state = bsExclusive;
    } else {
        m_state = bsUp;
        Invalidate();
    }
    if (Value) UpdateExclusive();
}

void TSpeedButton::UpdateExclusive()
{
    if (m_groupIndex == 0 || !Parent()) return;
    TMessage m{CM_BUTTONPRESSED, WPARAM(m_groupIndex), LPARAM(this), 0};
    Parent()->Broadcast(m);
}

void TSpeedButton::SetFlat(bool Value)
{
    if (m_flat == Value) return;
    m_flat = Value;
    Invalidate();
}

void TSpeedButton::SetGlyph(TBitmap* Value)
{
    if (Value)
        m_glyph->Assign(Value);
    else
        m_glyph->SetSize(0, 0);
    // A glyph holding several images of its height side by side says how many it has.
    if (Value && Value->Height() > 0 && Value->Width() % Value->Height() == 0) {
        Integer n = Value->Width() / Value->Height();
        if (n >= 1 && n <= 4) m_numGlyphs = n;
    }
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(Integer Value)
{
    Value = std::clamp(Value, 1, 4);
    if (m_numGlyphs == Value) return;
    m_numGlyphs = Value;
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout Value)
{
    if (m_layout == Value) return;
    m_layout = Value;
    Invalidate();
}

void TSpeedButton::SetMargin(Integer Value)
{
    if (Value < -1 || m_margin == Value) return;
    m_margin = Value;
    Invalidate();
}

void TSpeedButton::SetSpacing(Integer Value)
{
    if (m_spacing == Value) return;
    m_spacing = Value;
    Invalidate();
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    if (!m_down) {
        m_state = bsDown;
        Invalidate();
    }
    m_dragging = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!m_dragging) return;
    TButtonState s = m_down ? bsExclusive : bsUp;
    if (Inside(X, Y)) s = m_down ? bsExclusive : bsDown;
    if (s != m_state) {
        m_state = s;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!m_dragging) return;
    m_dragging = false;
    bool inside = Inside(X, Y);
    if (m_groupIndex == 0) {
        m_state = bsUp;
        if (inside && m_state != bsDown) Invalidate();
    } else if (inside) {
        SetDown(!m_down);
        if (m_down) Invalidate();
    } else {
        if (m_down) m_state = bsExclusive;
        Invalidate();
    }
    if (inside) Click();
}

void TSpeedButton::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CM_BUTTONPRESSED: CMButtonPressed(M); return;
    case CM_DIALOGCHAR: CMDialogChar(M); return;
    case CM_MOUSEENTER: CMMouseEnter(M); return;
    case CM_MOUSELEAVE: CMMouseLeave(M); return;
    case CM_ENABLEDCHANGED: CMEnabledChanged(M); return;
    default: TGraphicControl::Dispatch(M); return;
    }
}

void TSpeedButton::CMButtonPressed(TMessage& M)
{
    // Another button of the group went down: this one comes up.
    const TCMButtonPressed pressed(M);
    auto* sender = static_cast<TSpeedButton*>(pressed.Control);
    if (pressed.GroupIndex != m_groupIndex || sender == this) return;
    if (sender->Down() && m_down) {
        m_down = false;
        m_state = bsUp;
        Invalidate();
    }
    m_allowAllUp = sender->AllowAllUp();
}

void TSpeedButton::CMDialogChar(TMessage& M)
{
    if (!IsAccel(TWMKey(M).Key, Caption()) || !Enabled() || !IsVisibleThroughParents()) return;
    Click();
    M.Result = 1;
}

void TSpeedButton::CMMouseEnter(TMessage& M)
{
    if (!m_mouseInControl && Enabled() && !GetCapture()) {
        m_mouseInControl = true;
        if (m_flat) Invalidate();
    }
    TGraphicControl::Dispatch(M);
}

void TSpeedButton::CMMouseLeave(TMessage& M)
{
    if (m_mouseInControl && Enabled() && !m_dragging) {
        m_mouseInControl = false;
        if (m_flat) Invalidate();
    }
    TGraphicControl::Dispatch(M);
}

void TSpeedButton::CMEnabledChanged(TMessage& /*M*/)
{
    if (!Enabled()) m_mouseInControl = false;
    Invalidate();
}

Integer TSpeedButton::GlyphIndexFor(TButtonState State) const
{
    Integer index = 0;
    switch (State) {
    case bsUp: index = 0; break;
    case bsDisabled: index = 1; break;
    case bsDown: index = 2; break;
    case bsExclusive: index = 3; break;
    }
    return index < m_numGlyphs ? index : 0;
}

void TSpeedButton::CalcLayout(const TRect& Client, TPoint& GlyphPos, TRect& TextBounds) const
{
    TSize glyph{m_glyph->Empty() ? 0 : m_glyph->Width() / m_numGlyphs, m_glyph->Empty() ? 0 : m_glyph->Height()};
    TSize text;
    if (!Caption().empty()) {
        TCanvas measure;
        measure.Font()->Assign(Font());
        TRect r = Rect(0, 0, Client.Width(), 0);
        measure.DrawText(Caption(), r, DT_CALCRECT | DT_SINGLELINE);
        text = {r.Width(), r.Height()};
    }
    bool horizontal = m_layout == blGlyphLeft || m_layout == blGlyphRight;
    Integer clientAlong = horizontal ? Client.Width() : Client.Height();
    Integer glyphAlong = horizontal ? glyph.cx : glyph.cy;
    Integer textAlong = horizontal ? text.cx : text.cy;
    // Across the layout axis both are centred.
    TPoint gp, tp;
    if (horizontal) {
        gp.Y = (Client.Height() - glyph.cy + 1) / 2;
        tp.Y = (Client.Height() - text.cy + 1) / 2;
    } else {
        gp.X = (Client.Width() - glyph.cx + 1) / 2;
        tp.X = (Client.Width() - text.cx + 1) / 2;
    }
    Integer spacing = m_spacing, margin = m_margin;
    if (textAlong == 0 || glyphAlong == 0) spacing = 0;
    if (margin == -1 && spacing == -1) {
        margin = spacing = (clientAlong - glyphAlong - textAlong) / 3;
    } else if (margin == -1) {
        margin = (clientAlong - (glyphAlong + spacing + textAlong) + 1) / 2;
    } else if (spacing == -1) {
        spacing = (clientAlong - margin - glyphAlong - textAlong) / 2;
    }
    Integer g = 0, t = 0;
    switch (m_layout) {
    case blGlyphLeft:
    case blGlyphTop:
        g = margin;
        t = g + glyphAlong + spacing;
        break;
    case blGlyphRight:
    case blGlyphBottom:
        g = clientAlong - margin - glyphAlong;
        t = g - spacing - textAlong;
        break;
    }
    if (horizontal) {
        gp.X = g;
        tp.X = t;
    } else {
        gp.Y = g;
        tp.Y = t;
    }
    GlyphPos = {gp.X + Client.Left, gp.Y + Client.Top};
    TextBounds = Bounds(tp.X + Client.Left, tp.Y + Client.Top, text.cx, text.cy);
}

void TSpeedButton::DrawGlyph(TCanvas& C, TPoint At, TButtonState State) const
{
    if (m_glyph->Empty()) return;
    Integer w = m_glyph->Width() / m_numGlyphs, h = m_glyph->Height();
    Integer index = GlyphIndexFor(State);
    TBitmap part(w, h);
    part.Canvas()->CopyRect(Rect(0, 0, w, h), m_glyph->Canvas(), Bounds(index * w, 0, w, h));
    part.SetTransparent(true);
    part.SetTransparentColor(m_glyph->TransparentColor());
    C.Draw(At.X, At.Y, &part);
}

void TSpeedButton::Paint()
{
    TCanvas& c = *Canvas();
    if (!Enabled()) {
        m_state = bsDisabled;
        m_dragging = false;
    } else if (m_state == bsDisabled) {
        m_state = m_down && m_groupIndex != 0 ? bsExclusive : bsUp;
    }
    TRect r = ClientRect();
    bool pushed = m_state == bsDown || m_state == bsExclusive;
    if (!Transparent || !m_flat) {
        c.Brush()->SetColor(Color());
        c.Brush()->SetStyle(bsSolid);
        c.FillRect(r);
    }
    if (m_flat) {
        if (m_state == bsExclusive) {
            c.Brush()->SetColor(clBtnHighlight);
            c.FillRect(r);
        }
        if (pushed || (m_mouseInControl && m_state != bsDisabled)) {
            TRect e = r;
            DrawEdge(c, e, pushed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
        }
    } else {
        TRect f = r;
        DrawFrameControl(c, f, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
        if (m_state == bsExclusive) {
            c.Brush()->SetColor(clBtnHighlight);
            TRect inner = r;
            InflateRect(inner, -2, -2);
            c.FillRect(inner);
        }
    }
    TRect content = r;
    InflateRect(content, -1, -1);
    if (pushed) OffsetRect(content, 1, 1);
    TPoint glyphAt;
    TRect text;
    CalcLayout(content, glyphAt, text);
    DrawGlyph(c, glyphAt, m_state);
    if (Caption().empty()) return;
    c.Font()->Assign(Font());
    c.Brush()->SetStyle(bsClear);
    if (m_state == bsDisabled) {
        TRect shifted = text;
        OffsetRect(shifted, 1, 1);
        c.Font()->SetColor(clBtnHighlight);
        c.DrawText(Caption(), shifted, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        c.Font()->SetColor(clBtnShadow);
    }
    c.DrawText(Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace gw
