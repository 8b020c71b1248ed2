// The caption label beside a combo box or a date-time picker.
#include "grid/foundation/control_label.h"

#include "platform/graphics/canvas.h"

namespace gw {

TPoint LabelPlacement(TLabelPosition Position, const TRect& Control, TSize Label, Integer CaptionWidth, Integer Margin)
{
    const Integer L = Control.Left, T = Control.Top, W = Control.Width(), H = Control.Height();
    TPoint p{L, T};
    switch (Position) {
    case lpLeftTop:
    case lpLeftTopLeft:
    case lpRightTop: p.Y = T; break;
    case lpLeftCenter:
    case lpLeftCenterLeft:
    case lpRightCenter: p.Y = T + (H - Label.cy) / 2; break;
    case lpLeftBottom:
    case lpLeftBottomLeft:
    case lpRighBottom: p.Y = T + H - Label.cy; break;
    case lpTopLeft:
    case lpTopCenter: p.Y = T - Label.cy - Margin; break;
    case lpBottomLeft:
    case lpBottomCenter: p.Y = T + H + Margin; break;
    }
    switch (Position) {
    case lpLeftTop:
    case lpLeftCenter:
    case lpLeftBottom: p.X = L - CaptionWidth - Margin; break;
    case lpLeftTopLeft:
    case lpLeftCenterLeft:
    case lpLeftBottomLeft: p.X = L - Margin; break;
    case lpTopLeft:
    case lpBottomLeft: p.X = L; break;
    case lpTopCenter:
    case lpBottomCenter: p.X = L + (W - Label.cx) / 2; break;
    case lpRightTop:
    case lpRightCenter:
    case lpRighBottom: p.X = L + W + Margin; break;
    }
    return p;
}

TControlLabel::TControlLabel(TWinControl& Control) : m_control(Control), m_font(std::make_unique<TFont>()) {}

TControlLabel::~TControlLabel() = default;

String TControlLabel::Caption() const { return m_label ? m_label->Caption() : String(); }

void TControlLabel::SetCaption(const String& Value)
{
    if (!m_label) {
        m_label = new TLabel(&m_control);
        m_label->SetParent(m_control.Parent());
        m_label->SetFocusControl(&m_control);
        m_label->SetFont(m_font.get());
        m_label->SetParentFont(m_control.ParentFont());
    }
    m_label->SetCaption(Value);
}

void TControlLabel::Place(Integer CaptionWidth)
{
    if (!m_label) return;
    const TSize size{m_label->Width(), m_label->Height()};
    const TPoint p = LabelPlacement(Position, m_control.BoundsRect(), size, CaptionWidth, Margin);
    m_label->SetBounds(p.X, p.Y, size.cx, size.cy);
    m_label->SetVisible(m_control.Visible());
}

Integer TControlLabel::DrawnCaptionWidth() const
{
    if (!m_label) return 0;
    TCanvas measure;
    measure.SetFont(m_label->Font());
    TRect r = Rect(0, 0, 1000, 255);
    measure.DrawText(m_label->Caption(), r, DT_CALCRECT | DT_HIDEPREFIX);
    return r.Width();
}

Integer TControlLabel::CaptionTextWidth() const
{
    if (!m_label) return 0;
    TCanvas measure;
    measure.SetFont(m_label->Font());
    return measure.TextWidth(m_label->Caption());
}

void TControlLabel::FollowEnabled(bool Enabled)
{
    if (m_label && !AlwaysEnabled) m_label->SetEnabled(Enabled);
}

void TControlLabel::SetBold(bool Bold)
{
    if (!m_label) return;
    TFontStyles style = m_label->Font()->Style();
    style = Bold ? (style | fsBold) : (style & ~TFontStyles(fsBold));
    m_label->Font()->SetStyle(style);
}

}  // namespace gw
