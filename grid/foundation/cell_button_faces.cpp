// The faces of buttons drawn inside cells.
#include "grid/foundation/cell_button_faces.h"

#include "platform/graphics/frame_controls.h"

#include <array>

namespace gw {

namespace {

// The look actually drawn. Themed parts need visual styles, which the platform does not have
// (VisualStylesActive is false): the classic frame controls stand in for them, as they do for
// values outside the four looks.
TCellButtonLook EffectiveLook(TCellButtonLook Look)
{
    return Look == TCellButtonLook::Flat || Look == TCellButtonLook::Custom ? Look : TCellButtonLook::Classic;
}

const TColorTone& StateTone(const TColorTones& Tones, TCellButtonState State)
{
    switch (State) {
    case TCellButtonState::Hot: return Tones.Hover;
    case TCellButtonState::Pressed: return Tones.Selected;
    case TCellButtonState::Disabled: return Tones.Disabled;
    case TCellButtonState::Normal: break;
    }
    return Tones.Background;
}

Cardinal FlatOption(TCellButtonLook Look) { return Look == TCellButtonLook::Flat ? DFCS_FLAT : 0; }

Cardinal InactiveOption(TCellButtonState State) { return State == TCellButtonState::Disabled ? DFCS_INACTIVE : 0; }

void FrameControl(TCanvas& Canvas, TRect R, Cardinal Type, Cardinal State) { DrawFrameControl(Canvas, R, Type, State); }

// Pen and brush solid in Color, then R as a rectangle: filled and outlined in one colour.
void SolidRectangle(TCanvas& Canvas, const TRect& R, TColor Pen, TColor Brush)
{
    Canvas.Pen()->SetStyle(psSolid);
    Canvas.Pen()->SetWidth(1);
    Canvas.Pen()->SetColor(Pen);
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Brush);
    Canvas.Rectangle(R);
}

void FilledTriangle(TCanvas& Canvas, TColor Color, TPoint A, TPoint B, TPoint C)
{
    Canvas.Pen()->SetColor(Color);
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Color);
    const std::array<TPoint, 3> points{A, B, C};
    Canvas.Polygon(points);
}

}  // namespace

void DrawCellButtonFace(TCanvas& Canvas, HWND, const TRect& R, TCellButtonLook Look, TCellButtonState State,
                        const TColorTones& Tones)
{
    const TCellButtonLook look = EffectiveLook(Look);
    if (look == TCellButtonLook::Custom) {
        const TColorTone& tone = StateTone(Tones, State);
        SolidRectangle(Canvas, R, tone.BorderColor, tone.BrushColor);
        return;
    }
    Cardinal state = DFCS_BUTTONPUSH | FlatOption(look);
    switch (State) {
    case TCellButtonState::Hot: state |= DFCS_HOT; break;
    case TCellButtonState::Pressed: state |= DFCS_PUSHED; break;
    case TCellButtonState::Disabled: state |= DFCS_INACTIVE; break;
    case TCellButtonState::Normal: break;
    }
    FrameControl(Canvas, R, DFC_BUTTON, state);
}

void DrawComboDropButton(TCanvas& Canvas, HWND, const TRect& R, TCellButtonLook Look, TCellButtonState State,
                         const TColorTones& Tones)
{
    TRect r{R.Right - 17, R.Top + 1, R.Right, R.Bottom - 1};
    OffsetRect(r, -2, 0);
    const TCellButtonLook look = EffectiveLook(Look);
    if (look != TCellButtonLook::Custom) {
        FrameControl(Canvas, r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | InactiveOption(State) | FlatOption(look));
        return;
    }
    r.Left += 3;
    const TColor face = StateTone(Tones, State).BrushColor;
    SolidRectangle(Canvas, r, face, face);
    Canvas.Pen()->SetColor(Tones.Background.BorderColor);
    Canvas.MoveTo(r.Left + 1, r.Top);
    Canvas.LineTo(r.Left + 1, r.Bottom);
    FilledTriangle(Canvas, Tones.Background.TextColor, {r.Left + 5, r.Top + 8}, {r.Left + 11, r.Top + 8},
                   {r.Left + 8, r.Top + 11});
}

void DrawSpinButtons(TCanvas& Canvas, HWND, const TRect& R, TCellButtonLook Look, TCellButtonState State,
                     const TColorTones& Tones)
{
    TRect r{R.Right - 15, R.Top, R.Right, R.Bottom};
    OffsetRect(r, -1, -1);
    const Integer m = r.Top + r.Height() / 2;
    const TRect up{r.Left, r.Top, r.Right, m}, down{r.Left, m + 1, r.Right, r.Bottom};
    const TCellButtonLook look = EffectiveLook(Look);
    if (look != TCellButtonLook::Custom) {
        const Cardinal options = InactiveOption(State) | FlatOption(look);
        FrameControl(Canvas, up, DFC_SCROLL, DFCS_SCROLLUP | options);
        FrameControl(Canvas, down, DFC_SCROLL, DFCS_SCROLLDOWN | options);
        return;
    }
    const TColor face = StateTone(Tones, State).BrushColor;
    SolidRectangle(Canvas, up, face, face);
    SolidRectangle(Canvas, down, face, face);
    FilledTriangle(Canvas, clBlack, {r.Left + 5, r.Top + 5}, {r.Left + 9, r.Top + 5}, {r.Left + 7, r.Top + 3});
    FilledTriangle(Canvas, clBlack, {r.Left + 5, m + 2}, {r.Left + 9, m + 2}, {r.Left + 7, m + 4});
}

}  // namespace gw
