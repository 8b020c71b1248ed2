// Panels, group boxes and radio groups: client areas inside frames, and the radio choice.
#include "platform/controls/panel.h"

#include "platform/controls/accelerator.h"
#include "platform/graphics/canvas.h"
#include "platform/runtime/scope.h"

namespace gw {

void Frame3D(TCanvas& C, TRect& R, TColor TopColor, TColor BottomColor, Integer Width)
{
    C.Pen()->SetWidth(1);
    C.Pen()->SetStyle(psSolid);
    for (Integer i = 0; i < Width; ++i) {
        --R.Bottom;
        --R.Right;
        C.Pen()->SetColor(TopColor);
        C.MoveTo(R.Left, R.Bottom);
        C.LineTo(R.Left, R.Top);
        C.LineTo(R.Right, R.Top);
        C.Pen()->SetColor(BottomColor);
        C.LineTo(R.Right, R.Bottom);
        C.LineTo(R.Left - 1, R.Bottom);
        InflateRect(R, -1, -1);
        ++R.Bottom;
        ++R.Right;
    }
}

// --- TCustomPanel ------------------------------------------------------------------------------------

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    ControlStyle |= csAcceptsControls | csOpaque;
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

void TCustomPanel::Changed()
{
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TPanelBevel Value)
{
    if (m_bevelOuter == Value) return;
    m_bevelOuter = Value;
    Changed();
}

void TCustomPanel::SetBevelInner(TPanelBevel Value)
{
    if (m_bevelInner == Value) return;
    m_bevelInner = Value;
    Changed();
}

void TCustomPanel::SetBevelWidth(Integer Value)
{
    Value = std::max(1, Value);
    if (m_bevelWidth == Value) return;
    m_bevelWidth = Value;
    Changed();
}

void TCustomPanel::SetBorderWidth(Integer Value)
{
    Value = std::max(0, Value);
    if (m_borderWidth == Value) return;
    m_borderWidth = Value;
    Changed();
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value)
{
    if (m_borderStyle == Value) return;
    m_borderStyle = Value;
    Changed();
}

void TCustomPanel::SetAlignment(TAlignment Value)
{
    if (m_alignment == Value) return;
    m_alignment = Value;
    Invalidate();
}

void TCustomPanel::SetShowCaption(bool Value)
{
    if (m_showCaption == Value) return;
    m_showCaption = Value;
    Invalidate();
}

void TCustomPanel::AdjustClientRect(TRect& R) const
{
    Integer inset = m_borderWidth;
    if (m_borderStyle == bsSingle) ++inset;
    if (m_bevelOuter != bvNone) inset += m_bevelWidth;
    if (m_bevelInner != bvNone) inset += m_bevelWidth;
    InflateRect(R, -inset, -inset);
}

TRect TCustomPanel::InnerRect() const
{
    TRect r = ClientRect();
    AdjustClientRect(r);
    return r;
}

void TCustomPanel::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    if (m_borderStyle == bsSingle) {
        c.Brush()->SetColor(clWindowFrame);
        c.FrameRect(r);
        InflateRect(r, -1, -1);
    }
    auto bevel = [&](TPanelBevel B) {
        if (B == bvNone) return;
        TColor top = B == bvLowered ? clBtnShadow : clBtnHighlight;
        TColor bottom = B == bvLowered ? clBtnHighlight : clBtnShadow;
        Frame3D(c, r, top, bottom, m_bevelWidth);
    };
    bevel(m_bevelOuter);
    Frame3D(c, r, Color(), Color(), m_borderWidth);
    bevel(m_bevelInner);
    c.Brush()->SetColor(Color());
    c.Brush()->SetStyle(bsSolid);
    c.FillRect(r);
    if (!m_showCaption || Caption().empty()) return;
    Cardinal flags = DT_SINGLELINE | DT_VCENTER;
    if (m_alignment == taCenter)
        flags |= DT_CENTER;
    else if (m_alignment == taRightJustify)
        flags |= DT_RIGHT;
    c.Font()->Assign(Font());
    c.Brush()->SetStyle(bsClear);
    if (!Enabled()) c.Font()->SetColor(clGrayText);
    TRect text = r;
    c.DrawText(Caption(), text, flags);
}

void TCustomPanel::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CM_TEXTCHANGED: Invalidate(); return;
    default: TCustomControl::Dispatch(M); return;
    }
}

// --- TCustomGroupBox ----------------------------------------------------------------------------------

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    ControlStyle |= csAcceptsControls;
    SetBounds(0, 0, 185, 105);
}

Integer TCustomGroupBox::CaptionHeight() const
{
    TCanvas measure;
    measure.Font()->Assign(Font());
    return measure.TextHeight(u"0");
}

void TCustomGroupBox::AdjustClientRect(TRect& R) const
{
    R.Top += CaptionHeight();
    InflateRect(R, -2, -2);
}

void TCustomGroupBox::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush()->SetColor(Color());
    c.Brush()->SetStyle(bsSolid);
    c.FillRect(ClientRect());
    Integer h = CaptionHeight();
    TRect r = Rect(0, h / 2 - 1, Width(), Height());
    // Etched: a highlight frame one pixel down-right under a shadow frame.
    ++r.Left;
    ++r.Top;
    c.Brush()->SetColor(clBtnHighlight);
    c.FrameRect(r);
    OffsetRect(r, -1, -1);
    c.Brush()->SetColor(clBtnShadow);
    c.FrameRect(r);
    if (Caption().empty()) return;
    c.Font()->Assign(Font());
    if (!Enabled()) c.Font()->SetColor(clGrayText);
    TRect text = Rect(8, 0, 0, h);
    c.DrawText(Caption(), text, DT_SINGLELINE | DT_CALCRECT);
    c.Brush()->SetColor(Color());
    c.Brush()->SetStyle(bsSolid);
    c.DrawText(Caption(), text, DT_SINGLELINE);
}

void TCustomGroupBox::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED: CaptionChanged(M); return;
    default: TCustomControl::Dispatch(M); return;
    }
}

void TCustomGroupBox::CMDialogChar(TMessage& M)
{
    // The accelerator goes to the first control inside.
    if (IsAccel(TWMKey(M).Key, Caption()) && CanFocus()) {
        if (TWinControl* first = FindNextControl(nullptr, true, true, false)) first->SetFocus();
        M.Result = 1;
        return;
    }
    TCustomControl::CMDialogChar(M);
}

void TCustomGroupBox::CaptionChanged(TMessage& M)
{
    // The caption's height sets the room inside.
    TCustomControl::Dispatch(M);
    Realign();
    Invalidate();
}

// --- TCustomRadioGroup --------------------------------------------------------------------------------

TCustomRadioGroup::TCustomRadioGroup(TComponent* AOwner)
    : TCustomGroupBox(AOwner), m_items(std::make_unique<TStringList>())
{
    ControlStyle &= ~csAcceptsControls;
    m_items->OnChange = [this](TObject*) { UpdateButtons(); };
}

TCustomRadioGroup::~TCustomRadioGroup()
{
    m_items->OnChange = nullptr;
    // Taken out of the window first, so the group's lists hold no freed button.
    for (TRadioButton* b : m_buttons) b->SetParent(nullptr);
    m_buttons.clear();
    DestroyComponents();
}

void TCustomRadioGroup::SetItemIndex(Integer Value)
{
    Value = std::clamp(Value, -1, ButtonCount() - 1);
    if (m_itemIndex == Value) return;
    if (m_itemIndex >= 0) m_buttons[std::size_t(m_itemIndex)]->SetChecked(false);
    m_itemIndex = Value;
    // Checking the button clicks it, and its click reports to the group.
    if (m_itemIndex >= 0) m_buttons[std::size_t(m_itemIndex)]->SetChecked(true);
}

void TCustomRadioGroup::SetColumns(Integer Value)
{
    Value = std::clamp(Value, 1, 16);
    if (m_columns == Value) return;
    m_columns = Value;
    ArrangeButtons();
    Invalidate();
}

void TCustomRadioGroup::ButtonClick(TObject* Sender)
{
    if (m_updating) return;
    auto it = std::find(m_buttons.begin(), m_buttons.end(), Sender);
    if (it == m_buttons.end()) return;
    m_itemIndex = Integer(it - m_buttons.begin());
    Click();
}

void TCustomRadioGroup::UpdateButtons()
{
    TScopeExit done{[this] { m_updating = false; }};
    m_updating = true;
    while (ButtonCount() > m_items->Count()) {
        TRadioButton* b = m_buttons.back();
        m_buttons.pop_back();
        b->SetParent(nullptr);
        delete b;
    }
    while (ButtonCount() < m_items->Count()) {
        auto* b = new TRadioButton(this);
        b->OnClick = [this](TObject* Sender) { ButtonClick(Sender); };
        b->SetParent(this);
        m_buttons.push_back(b);
    }
    for (Integer i = 0; i < ButtonCount(); ++i) {
        m_buttons[std::size_t(i)]->SetCaption(m_items->Strings(i));
        m_buttons[std::size_t(i)]->SetChecked(i == m_itemIndex);
    }
    if (m_itemIndex >= ButtonCount()) m_itemIndex = -1;
    ArrangeButtons();
}

void TCustomRadioGroup::ArrangeButtons()
{
    if (m_buttons.empty()) return;
    Integer count = ButtonCount();
    Integer perColumn = (count + m_columns - 1) / m_columns;
    Integer buttonWidth = (Width() - 10) / m_columns;
    Integer textHeight = CaptionHeight();
    Integer space = Height() - textHeight - 5;
    Integer buttonHeight = std::max(1, space / perColumn);
    Integer topMargin = textHeight + 1 + (space % perColumn) / 2;
    for (Integer i = 0; i < count; ++i)
        m_buttons[std::size_t(i)]->SetBounds((i / perColumn) * buttonWidth + 8,
                                             (i % perColumn) * buttonHeight + topMargin, buttonWidth, buttonHeight);
}

void TCustomRadioGroup::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    TCustomGroupBox::SetBounds(ALeft, ATop, AWidth, AHeight);
    ArrangeButtons();
}

void TCustomRadioGroup::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CM_FONTCHANGED: CMFontChanged(M); return;
    default: TCustomGroupBox::Dispatch(M); return;
    }
}

void TCustomRadioGroup::CMFontChanged(TMessage& M)
{
    TCustomGroupBox::Dispatch(M);
    ArrangeButtons();
}

}  // namespace gw
