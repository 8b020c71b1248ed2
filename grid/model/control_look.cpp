// The control look: defaults, the colour reset, the setters that repaint or pass colours on to
// the grid, and the copy rule.
#include "grid/model/control_look.h"

#include "grid/foundation/header_footer_appearance.h"
#include "platform/graphics/bitmap.h"

namespace gw {

TControlLook::TControlLook(TSettingsGrid* AGrid)
    : FGrid(AGrid), m_checkedGlyph(std::make_unique<TBitmap>()), m_unCheckedGlyph(std::make_unique<TBitmap>()),
      m_radioOnGlyph(std::make_unique<TBitmap>()), m_radioOffGlyph(std::make_unique<TBitmap>())
{
    Init();
    auto* owner = dynamic_cast<TPersistent*>(FGrid);
    m_dropDownHeader = std::make_unique<THeaderAppearance>(owner);
    m_dropDownFooter = std::make_unique<TFooterAppearance>(owner);
}

TControlLook::~TControlLook() = default;

void TControlLook::Init()
{
    m_colours = TColours{};
    // Only the hover and pressed mirrors go through their setters, so the grid's start as none.
    SetFixedGradientHoverMirrorFrom(clNone);
    SetFixedGradientHoverMirrorTo(clNone);
    SetFixedGradientDownMirrorFrom(clNone);
    SetFixedGradientDownMirrorTo(clNone);
}

void TControlLook::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TControlLook*>(Source);
    if (!from) return;
    m_checkSize = from->m_checkSize;
    m_radioSize = from->m_radioSize;
    m_controlStyle = from->m_controlStyle;
    m_checkedGlyph->Assign(from->m_checkedGlyph.get());
    m_unCheckedGlyph->Assign(from->m_unCheckedGlyph.get());
    m_radioOnGlyph->Assign(from->m_radioOnGlyph.get());
    m_radioOffGlyph->Assign(from->m_radioOffGlyph.get());
    m_progressMarginX = from->m_progressMarginX;
    m_progressMarginY = from->m_progressMarginY;
    // Every colour: the comment and progress border colours and all fixed gradients.
    m_colours = from->m_colours;
    CheckAlwaysActive = from->CheckAlwaysActive;
    RadioAlwaysActive = from->RadioAlwaysActive;
    m_dropDownAlwaysVisible = from->m_dropDownAlwaysVisible;
    m_spinButtonsAlwaysVisible = from->m_spinButtonsAlwaysVisible;
    DropDownCount = from->DropDownCount;
    m_dropDownFooter->Assign(from->m_dropDownFooter.get());
    m_dropDownHeader->Assign(from->m_dropDownHeader.get());
    HintMaxWidth = from->HintMaxWidth;
}

template <class T>
void TControlLook::SetAndRepaint(T& Field, T Value)
{
    Field = Value;
    if (FGrid) FGrid->Invalidate();
}

void TControlLook::SetGlyph(TBitmap& Glyph, TBitmap* Value)
{
    Glyph.Assign(Value);
    if (FGrid) FGrid->Invalidate();
}

void TControlLook::SetGradient(TColor& Field, TColor Value, void (TSettingsGrid::*Pass)(TColor))
{
    Field = Value;
    if (FGrid && Value != clNone) (FGrid->*Pass)(Value);
}

void TControlLook::SetMirror(TColor& Field, TColor Value, void (TSettingsGrid::*Pass)(TColor))
{
    Field = Value;
    if (FGrid) (FGrid->*Pass)(Value);
}

void TControlLook::SetColor(TColor Value) { SetAndRepaint(m_colours.Color, Value); }
void TControlLook::SetCommentColor(TColor Value) { SetAndRepaint(m_colours.CommentColor, Value); }
void TControlLook::SetCheckedGlyph(TBitmap* Value) { SetGlyph(*m_checkedGlyph, Value); }
void TControlLook::SetUnCheckedGlyph(TBitmap* Value) { SetGlyph(*m_unCheckedGlyph, Value); }
void TControlLook::SetRadioOnGlyph(TBitmap* Value) { SetGlyph(*m_radioOnGlyph, Value); }
void TControlLook::SetRadioOffGlyph(TBitmap* Value) { SetGlyph(*m_radioOffGlyph, Value); }

void TControlLook::SetFixedGradientFrom(TColor Value)
{
    SetGradient(m_colours.FixedGradientFrom, Value, &TSettingsGrid::SetZEQGradientFrom);
}
void TControlLook::SetFixedGradientTo(TColor Value)
{
    SetGradient(m_colours.FixedGradientTo, Value, &TSettingsGrid::SetZEQGradientTo);
}
void TControlLook::SetFixedGradientMirrorFrom(TColor Value)
{
    SetMirror(m_colours.FixedGradientMirrorFrom, Value, &TSettingsGrid::SetZEQGradientMirrorFrom);
}
void TControlLook::SetFixedGradientMirrorTo(TColor Value)
{
    SetMirror(m_colours.FixedGradientMirrorTo, Value, &TSettingsGrid::SetZEQGradientMirrorTo);
}
void TControlLook::SetFixedGradientHoverFrom(TColor Value)
{
    SetGradient(m_colours.FixedGradientHoverFrom, Value, &TSettingsGrid::SetZEQGradientHoverFrom);
}
void TControlLook::SetFixedGradientHoverTo(TColor Value)
{
    SetGradient(m_colours.FixedGradientHoverTo, Value, &TSettingsGrid::SetZEQGradientHoverTo);
}
void TControlLook::SetFixedGradientHoverMirrorFrom(TColor Value)
{
    SetMirror(m_colours.FixedGradientHoverMirrorFrom, Value, &TSettingsGrid::SetZEQGradientHoverMirrorFrom);
}
void TControlLook::SetFixedGradientHoverMirrorTo(TColor Value)
{
    SetMirror(m_colours.FixedGradientHoverMirrorTo, Value, &TSettingsGrid::SetZEQGradientHoverMirrorTo);
}
void TControlLook::SetFixedGradientHoverBorder(TColor Value)
{
    SetGradient(m_colours.FixedGradientHoverBorder, Value, &TSettingsGrid::SetZEQGradientHoverBorder);
}
void TControlLook::SetFixedGradientDownFrom(TColor Value)
{
    SetGradient(m_colours.FixedGradientDownFrom, Value, &TSettingsGrid::SetZEQGradientDownFrom);
}
void TControlLook::SetFixedGradientDownTo(TColor Value)
{
    SetGradient(m_colours.FixedGradientDownTo, Value, &TSettingsGrid::SetZEQGradientDownTo);
}
void TControlLook::SetFixedGradientDownMirrorFrom(TColor Value)
{
    SetMirror(m_colours.FixedGradientDownMirrorFrom, Value, &TSettingsGrid::SetZEQGradientDownMirrorFrom);
}
void TControlLook::SetFixedGradientDownMirrorTo(TColor Value)
{
    SetMirror(m_colours.FixedGradientDownMirrorTo, Value, &TSettingsGrid::SetZEQGradientDownMirrorTo);
}
void TControlLook::SetFixedGradientDownBorder(TColor Value)
{
    SetGradient(m_colours.FixedGradientDownBorder, Value, &TSettingsGrid::SetZEQGradientDownBorder);
}

void TControlLook::SetCheckSize(Integer Value) { SetAndRepaint(m_checkSize, Value); }
void TControlLook::SetRadioSize(Integer Value) { SetAndRepaint(m_radioSize, Value); }
void TControlLook::SetControlStyle(TControlStyle Value) { SetAndRepaint(m_controlStyle, Value); }
void TControlLook::SetDropDownAlwaysVisible(bool Value) { SetAndRepaint(m_dropDownAlwaysVisible, Value); }
void TControlLook::SetSpinButtonsAlwaysVisible(bool Value) { SetAndRepaint(m_spinButtonsAlwaysVisible, Value); }
void TControlLook::SetFlatButton(bool Value) { SetAndRepaint(m_flatButton, Value); }
void TControlLook::SetNoDisabledCheckRadioLook(bool Value) { SetAndRepaint(m_noDisabledCheckRadioLook, Value); }
void TControlLook::SetNoDisabledButtonLook(bool Value) { SetAndRepaint(m_noDisabledButtonLook, Value); }
void TControlLook::SetProgressMarginX(Integer Value) { SetAndRepaint(m_progressMarginX, Value); }
void TControlLook::SetProgressMarginY(Integer Value) { SetAndRepaint(m_progressMarginY, Value); }
void TControlLook::SetProgressXP(bool Value) { SetAndRepaint(m_progressXP, Value); }

void TControlLook::SetDropDownHeader(THeaderAppearance* Value) { m_dropDownHeader->Assign(Value); }
void TControlLook::SetDropDownFooter(TFooterAppearance* Value) { m_dropDownFooter->Assign(Value); }

}  // namespace gw
