// The header and footer bands of a drop-down window.
#include "grid/foundation/header_footer_appearance.h"

namespace gw {

void TAppearanceButton::ButtonChanged()
{
    auto* buttons = dynamic_cast<TAppearanceButtons*>(Collection());
    if (buttons && buttons->OnChange) buttons->OnChange(buttons);
}

void TAppearanceButton::SetCaption(const String& Value)
{
    if (m_caption == Value) return;
    m_caption = Value;
    ButtonChanged();
}

void TAppearanceButton::SetEnabled(bool Value)
{
    if (m_enabled == Value) return;
    m_enabled = Value;
    ButtonChanged();
}

void TAppearanceButton::SetWidth(Integer Value)
{
    if (m_width == Value) return;
    m_width = Value;
    ButtonChanged();
}

void TAppearanceButton::CopyFrom(const TAppearanceButton& Source)
{
    SetCaption(Source.Caption());
    ImageIndex = Source.ImageIndex;
    SetEnabled(Source.Enabled());
    SetWidth(Source.Width());
    Height = Source.Height;
}

void THeaderButton::Assign(TPersistent* Source)
{
    if (auto* source = dynamic_cast<THeaderButton*>(Source))
        CopyFrom(*source);
    else
        TCollectionItem::Assign(Source);
}

void TFooterButton::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TFooterButton*>(Source);
    if (!source) {
        TCollectionItem::Assign(Source);
        return;
    }
    ModalResult = source->ModalResult;
    CopyFrom(*source);
}

TBandAppearance::TBandAppearance(TPersistent* AOwner, std::unique_ptr<TAppearanceButtons> Buttons)
    : m_owner(AOwner), m_buttons(std::move(Buttons))
{
    m_buttons->OnChange = [this](TObject*) {
        if (OnButtonsChanged) OnButtonsChanged(this);
    };
}

TBandAppearance::~TBandAppearance() = default;

void TBandAppearance::SetVisible(bool Value)
{
    if (m_visible == Value) return;
    m_visible = Value;
    if (OnChange) OnChange(this);
}

void TBandAppearance::AssignColors(TPersistent* Source)
{
    const TBandAppearance* source = SameClass(Source);
    if (!source) return;
    ColorTo = source->ColorTo;
    Color = source->Color;
    BorderColor = source->BorderColor;
    SetFont(source->Font());
    GradientDirection = source->GradientDirection;
}

void TBandAppearance::CopyShared(const TBandAppearance& Source)
{
    ColorTo = Source.ColorTo;
    Color = Source.Color;
    BorderColor = Source.BorderColor;
    Caption = Source.Caption;
    SetFont(Source.Font());
    ImageIndex = Source.ImageIndex;
    BorderWidth = Source.BorderWidth;
    GradientDirection = Source.GradientDirection;
    Height = Source.Height;
    SetVisible(Source.Visible());
    ButtonAlignment = Source.ButtonAlignment;
    m_buttons->Assign(Source.m_buttons.get());
}

THeaderAppearance::THeaderAppearance(TPersistent* AOwner)
    : TBandAppearance(AOwner, std::make_unique<THeaderButtons>(AOwner))
{
    Font()->SetName(u"Tahoma");
}

void THeaderAppearance::Assign(TPersistent* Source)
{
    if (const TBandAppearance* source = SameClass(Source)) CopyShared(*source);
}

const TBandAppearance* THeaderAppearance::SameClass(TPersistent* Source) const
{
    return dynamic_cast<THeaderAppearance*>(Source);
}

TFooterAppearance::TFooterAppearance(TPersistent* AOwner)
    : TBandAppearance(AOwner, std::make_unique<TFooterButtons>(AOwner))
{
}

void TFooterAppearance::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TFooterAppearance*>(Source);
    if (!source) return;
    SizeGrip = source->SizeGrip;
    CopyShared(*source);
}

const TBandAppearance* TFooterAppearance::SameClass(TPersistent* Source) const
{
    return dynamic_cast<TFooterAppearance*>(Source);
}

}  // namespace gw
