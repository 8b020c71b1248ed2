// TExtGridButton: state, groups, mouse tracking, colour sets, glyphs and painting.
#include "grid/foundation/grid_button.h"

#include "grid/foundation/cell_button_faces.h"
#include "grid/foundation/gradients.h"
#include "grid/foundation/theme_detection.h"
#include "platform/controls/accelerator.h"
#include "platform/graphics/frame_controls.h"
#include "platform/ui/window_system.h"

#include <array>
#include <cmath>

namespace gw {

namespace {

constexpr Integer DropDownWidth = 12;

// One colour set of SetLook.
struct TLookColours {
    TColor Color, ColorTo, Hot, HotTo, Down, DownTo, Checked, CheckedTo, BorderDown, BorderHot;
    bool Rounded;
};

constexpr TColor BtnFace = TColor(0xFF00000F);

const std::array<TLookColours, 7> Looks{{
    {TColor(0xEDF1F1), TColor(0xDFEBEB), TColor(0xFAFCFC), TColor(0xE5ECED), TColor(0xE0E6E7), TColor(0xD8E0E1),
     TColor(0xFFFFFF), clNone, TColor(0xAF987A), TColor(0xC3CECE), true},
    {BtnFace, clNone, TColor(0xEED2C1), clNone, TColor(0xE2B598), clNone, TColor(0xE8E6E1), clNone, TColor(0xC56A31),
     TColor(0xC56A31), false},
    {TColor(0xFDEADA), TColor(0xE4AE88), TColor(0xCCF4FF), TColor(0x91D0FF), TColor(0x4E91FE), TColor(0x8ED3FF),
     TColor(0x8ED3FF), TColor(0x55ADFF), TColor(0x000000), TColor(0x000000), false},
    {TColor(0xCFF0EA), TColor(0x8CC0B1), TColor(0xCCF4FF), TColor(0x91D0FF), TColor(0x4E91FE), TColor(0x8ED3FF),
     TColor(0x8ED3FF), TColor(0x55ADFF), TColor(0x000000), TColor(0x000000), false},
    {TColor(0xECE2E1), TColor(0xB39698), TColor(0xCCF4FF), TColor(0x91D0FF), TColor(0x4E91FE), TColor(0x8ED3FF),
     TColor(0x8ED3FF), TColor(0x55ADFF), TColor(0x000000), TColor(0x000000), false},
    {BtnFace, clNone, BtnFace, clNone, TColor(0xD8D3D2), clNone, TColor(0xCAC7C7), clNone, clNone, clNone, false},
    {TColor(0xCAFFFF), TColor(0xA6FFFF), TColor(0xA8F0FD), TColor(0x7CE9FC), TColor(0x4DE0FB), TColor(0x7AE9FC),
     TColor(0xB5E6F2), TColor(0x9CDDED), TColor(0x808080), TColor(0x808080), false},
}};

void CopyBitmap(TBitmap& Target, TBitmap* Source)
{
    if (Source)
        Target.Assign(Source);
    else
        Target.SetSize(0, 0);
}

// Pen in Color (clear when none) and a solid brush in Brush.
void SetPenAndBrush(TCanvas& C, TColor Pen, TColor Brush)
{
    C.Pen()->SetWidth(1);
    C.Pen()->SetStyle(Pen == clNone ? psClear : psSolid);
    if (Pen != clNone) C.Pen()->SetColor(Pen);
    C.Brush()->SetStyle(bsSolid);
    C.Brush()->SetColor(Brush);
}

// R outlined in Color with a clear brush, rounded with an 8 x 8 corner ellipse when asked.
void Outline(TCanvas& C, const TRect& R, TColor Color, bool Rounded)
{
    if (Color == clNone) return;
    C.Pen()->SetStyle(psSolid);
    C.Pen()->SetColor(Color);
    C.Brush()->SetStyle(bsClear);
    if (Rounded)
        C.RoundRect(R.Left, R.Top, R.Right, R.Bottom, 8, 8);
    else
        C.Rectangle(R);
}

// A face: a rectangle in Brush outlined in Pen (in Brush when Pen is none), or the gradient.
void Face(TCanvas& C, const TRect& R, TColor Brush, TColor BrushTo, TColor Pen)
{
    if (BrushTo == clNone) {
        SetPenAndBrush(C, Pen == clNone ? Brush : Pen, Brush);
        C.Rectangle(R);
    } else {
        PaintButtonGradient(C, Brush, BrushTo, Pen, R);
    }
}

void DrawTransparent(TCanvas& C, TPoint At, TBitmap& Bitmap)
{
    if (Bitmap.Empty()) return;
    Bitmap.SetTransparent(true);
    C.Draw(At.X, At.Y, &Bitmap);
}

}  // namespace

void PaintButtonGradient(TCanvas& Canvas, TColor From, TColor To, TColor Border, const TRect& R)
{
    // The bands span the whole height: the band routine stops one pixel short of its far edge.
    PaintGradientBands(Canvas, From, To, 16, Rect(R.Left, R.Top, R.Right, R.Bottom + 1), false);
    Outline(Canvas, R, Border, false);
}

void ButtonContentLayout(const TRect& Client, TSize Glyph, TSize Caption, TButtonLayout Layout, Integer Margin,
                         Integer Spacing, TPoint& GlyphPos, TRect& CaptionRect)
{
    const bool horizontal = Layout == blGlyphLeft || Layout == blGlyphRight;
    const Integer clientAlong = horizontal ? Client.Width() : Client.Height();
    const Integer glyphAlong = horizontal ? Glyph.cx : Glyph.cy;
    const Integer textAlong = horizontal ? Caption.cx : Caption.cy;
    TPoint g, t;
    if (horizontal) {
        g.Y = (Client.Height() - Glyph.cy + 1) / 2;
        t.Y = (Client.Height() - Caption.cy + 1) / 2;
    } else {
        g.X = (Client.Width() - Glyph.cx + 1) / 2;
        t.X = (Client.Width() - Caption.cx + 1) / 2;
    }
    if (textAlong == 0 || glyphAlong == 0) Spacing = 0;
    if (Margin == -1 && Spacing == -1) {
        Margin = Spacing = (clientAlong - glyphAlong - textAlong) / 3;
    } else if (Margin == -1) {
        Margin = (clientAlong - (glyphAlong + Spacing + textAlong) + 1) / 2;
    } else if (Spacing == -1) {
        Spacing = (clientAlong - Margin - glyphAlong - textAlong) / 2;
    }
    Integer glyphAt = Margin, textAt = Margin + glyphAlong + Spacing;
    if (Layout == blGlyphRight || Layout == blGlyphBottom) {
        glyphAt = clientAlong - Margin - glyphAlong;
        textAt = glyphAt - Spacing - textAlong;
    }
    (horizontal ? g.X : g.Y) = glyphAt;
    (horizontal ? t.X : t.Y) = textAt;
    GlyphPos = {g.X + Client.Left, g.Y + Client.Top};
    CaptionRect = Bounds(t.X + Client.Left, t.Y + Client.Top, Caption.cx, Caption.cy);
}

// --- the action link ------------------------------------------------------------------------------

TExtGridButtonActionLink::TExtGridButtonActionLink(TExtGridButton* Client) : TControlActionLink(Client), FClient(Client)
{
}

bool TExtGridButtonActionLink::IsCaptionLinked() const
{
    return TActionLink::IsCaptionLinked() && FClient->Caption() == CustomAction()->Caption();
}

bool TExtGridButtonActionLink::IsCheckedLinked() const
{
    return TActionLink::IsCheckedLinked() && FClient->GroupIndex() != 0 && FClient->AllowAllUp() &&
        FClient->Down() == CustomAction()->Checked();
}

bool TExtGridButtonActionLink::IsGroupIndexLinked() const
{
    return CustomAction() && FClient->GroupIndex() == CustomAction()->GroupIndex();
}

void TExtGridButtonActionLink::SetCaption(const String& Value)
{
    if (IsCaptionLinked()) FClient->SetCaption(Value);
}

void TExtGridButtonActionLink::SetChecked(bool Value)
{
    if (IsCheckedLinked()) FClient->SetDown(Value);
}

void TExtGridButtonActionLink::SetGroupIndex(Integer Value)
{
    if (IsGroupIndexLinked()) FClient->SetGroupIndex(Value);
}

// --- the button -----------------------------------------------------------------------------------

TExtGridButton::TExtGridButton(TComponent* AOwner)
    : TGraphicControl(AOwner), FIsComCtl6(IsComCtl6()), FGlyph(std::make_unique<TBitmap>()),
      FGlyphDisabled(std::make_unique<TBitmap>()), FGlyphHot(std::make_unique<TBitmap>()),
      FGlyphDown(std::make_unique<TBitmap>()), FGlyphShade(std::make_unique<TBitmap>())
{
    FGlyph->OnChange = [this](TObject*) { Invalidate(); };
    SetBounds(0, 0, 22, 23);
    ControlStyle = csCaptureMouse | csDoubleClicks;
    SetParentFont(true);
    SetParentColor(false);
    SetColor(BtnFace);
}

TExtGridButton::~TExtGridButton() { FGlyph->OnChange = nullptr; }

void TExtGridButton::Loaded()
{
    TGraphicControl::Loaded();
    if (FShaded) BuildShade();
    if (FAutoThemeAdapt) AdaptLook();
}

void TExtGridButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FDropDownMenu) FDropDownMenu = nullptr;
    if (FActionLink && AComponent == FActionLink->Action()) FActionLink.reset();
}

void TExtGridButton::SetAction(TBasicAction* Value)
{
    if (!Value) {
        FActionLink.reset();
        return;
    }
    if (!FActionLink) FActionLink = std::make_unique<TExtGridButtonActionLink>(this);
    FActionLink->SetAction(Value);
    Value->FreeNotification(this);
}

void TExtGridButton::Click()
{
    if (OnClick)
        OnClick(this);
    else if (FActionLink)
        FActionLink->Execute(this);
}

// --- properties -------------------------------------------------------------------------------------

void TExtGridButton::SetGroupIndex(Integer Value)
{
    if (FGroupIndex == Value) return;
    FGroupIndex = Value;
    UpdateExclusive();
}

void TExtGridButton::SetAllowAllUp(bool Value)
{
    if (FAllowAllUp == Value) return;
    FAllowAllUp = Value;
    UpdateExclusive();
}

void TExtGridButton::SetDown(bool Value)
{
    if (FGroupIndex == 0 && FStyle == tasButton) Value = false;
    if (FStyle == tasCheck) {
        FDown = Value;
        Invalidate();
        return;
    }
    if (Value == FDown || (FDown && !FAllowAllUp)) return;
    FDown = Value;
    if (Value) {
        if (FState == bsUp) Invalidate();
        FState = bsExclusive;
        UpdateExclusive();
    } else {
        FState = bsUp;
        Invalidate();
    }
}

void TExtGridButton::UpdateExclusive()
{
    if (FGroupIndex == 0 || !Parent()) return;
    TMessage m{CM_BUTTONPRESSED, WPARAM(FGroupIndex), LPARAM(this), 0};
    Parent()->Broadcast(m);
}

void TExtGridButton::SetLayout(TButtonLayout Value)
{
    if (FLayout == Value) return;
    FLayout = Value;
    Invalidate();
}

void TExtGridButton::SetSpacing(Integer Value)
{
    if (FSpacing == Value) return;
    FSpacing = Value;
    Invalidate();
}

void TExtGridButton::SetMargin(Integer Value)
{
    if (Value < -1 || FMargin == Value) return;
    FMargin = Value;
    Invalidate();
}

void TExtGridButton::SetFlat(bool Value)
{
    if (FFlat == Value) return;
    FFlat = Value;
    Invalidate();
}

void TExtGridButton::SetShowCaption(bool Value)
{
    if (FShowCaption == Value) return;
    FShowCaption = Value;
    Invalidate();
}

void TExtGridButton::SetStyle(TExtGridButtonStyle Value)
{
    FStyle = Value;
    Invalidate();
}

void TExtGridButton::SetRounded(bool Value)
{
    FRounded = Value;
    Invalidate();
}

void TExtGridButton::SetDropDownButton(bool Value)
{
    FDropDownButton = Value;
    Invalidate();
}

void TExtGridButton::SetColorTo(TColor Value)
{
    FColorTo = Value;
    Invalidate();
}

void TExtGridButton::SetColorChecked(TColor Value)
{
    FColorChecked = Value;
    Invalidate();
}

void TExtGridButton::SetColorCheckedTo(TColor Value)
{
    FColorCheckedTo = Value;
    Invalidate();
}

void TExtGridButton::SetBorderColor(TColor Value)
{
    FBorderColor = Value;
    Invalidate();
}

void TExtGridButton::SetShaded(bool Value)
{
    FShaded = Value;
    if (Value && !(ComponentState() & csLoading)) BuildShade();
}

void TExtGridButton::SetAutoThemeAdapt(bool Value)
{
    FAutoThemeAdapt = Value;
    if (Value) AdaptLook();
}

void TExtGridButton::SetDropDownMenu(TPopupMenu* Value)
{
    FDropDownMenu = Value;
    if (Value) Value->FreeNotification(this);
}

void TExtGridButton::SetLook(Integer Value)
{
    FLook = Value;
    if (Value < 0 || Value >= Integer(Looks.size())) return;
    const TLookColours& l = Looks[std::size_t(Value)];
    SetColor(l.Color);
    FColorTo = l.ColorTo;
    ColorHot = l.Hot;
    ColorHotTo = l.HotTo;
    ColorDown = l.Down;
    ColorDownTo = l.DownTo;
    FColorChecked = l.Checked;
    FColorCheckedTo = l.CheckedTo;
    BorderDownColor = l.BorderDown;
    BorderHotColor = l.BorderHot;
    FRounded = l.Rounded;
    FBorderColor = clNone;
    FFlat = true;
    Invalidate();
}

void TExtGridButton::AdaptLook()
{
    Integer look = 1;
    if (IsXPOrLater() && VisualStylesActive()) {
        switch (GetXPColorScheme()) {
        case 1: look = 2; break;
        case 2: look = 3; break;
        case 3: look = 4; break;
        default: break;
        }
    }
    SetLook(look);
}

// --- glyphs -------------------------------------------------------------------------------------------

void TExtGridButton::SetGlyph(TBitmap* Value)
{
    CopyBitmap(*FGlyph, Value);
    if (FGlyphDisabled->Empty() && !FGlyph->Empty()) {
        // A grey copy: the channel mean halved and lifted into the light greys.
        FGlyphDisabled->Assign(FGlyph.get());
        for (Integer y = 0; y < FGlyphDisabled->Height(); ++y) {
            uint8_t* row = FGlyphDisabled->ScanLine(y);
            for (Integer x = 0; x < FGlyphDisabled->Width(); ++x) {
                uint8_t* p = row + 4 * x;
                const Integer v = Integer(std::lround((p[0] + p[1] + p[2]) / 3.0));
                p[0] = p[1] = p[2] = uint8_t(v / 2 + 96);
            }
        }
    }
    if (FShaded && !(ComponentState() & csLoading)) BuildShade();
    Invalidate();
}

void TExtGridButton::SetGlyphDisabled(TBitmap* Value) { CopyBitmap(*FGlyphDisabled, Value); }
void TExtGridButton::SetGlyphHot(TBitmap* Value) { CopyBitmap(*FGlyphHot, Value); }
void TExtGridButton::SetGlyphDown(TBitmap* Value) { CopyBitmap(*FGlyphDown, Value); }

void TExtGridButton::BuildShade()
{
    if (FGlyph->Empty()) return;
    // The glyph's own pixels grey, its transparent colour kept.
    FGlyphShade->Assign(FGlyph.get());
    const TColor transparent = ColorToRGB(FGlyph->TransparentColor());
    for (Integer y = 0; y < FGlyphShade->Height(); ++y)
        for (Integer x = 0; x < FGlyphShade->Width(); ++x)
            if (FGlyph->PixelColor(x, y) != transparent) FGlyphShade->Canvas()->SetPixel(x, y, TColor(0x808080));
    FGlyphShade->SetTransparentColor(transparent);
}

// --- mouse and messages ---------------------------------------------------------------------------------

void TExtGridButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    if (FDropDownButton && X > ClientWidth() - DropDownWidth) {
        FState = bsUp;
        if (OnDropDown) OnDropDown(this);
        if (FDropDownMenu) {
            const TPoint p = ClientToScreen({0, Height()});
            FDropDownMenu->PopupComponent = this;
            FDropDownMenu->Popup(p.X, p.Y);
        }
        return;
    }
    if (!FDown) {
        FState = bsDown;
        Invalidate();
    }
    if (FStyle == tasCheck) {
        FState = bsDown;
        Repaint();
    }
    FDragging = true;
}

void TExtGridButton::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging) {
        if (!FMouseInControl) UpdateTracking();
        return;
    }
    TButtonState s = FDown ? bsExclusive : bsUp;
    if (Inside(X, Y)) s = FDown ? bsExclusive : bsDown;
    if (FStyle == tasCheck && FDown) s = bsDown;
    if (s != FState) {
        FState = s;
        Invalidate();
    }
}

void TExtGridButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging) return;
    FDragging = false;
    const bool inside = Inside(X, Y);
    if (FGroupIndex == 0) {
        FState = bsUp;
        if (FStyle == tasCheck) {
            SetDown(!FDown);
            FState = bsUp;
        }
        if (inside) Invalidate();
    } else if (inside) {
        SetDown(!FDown);
        if (FDown) Invalidate();
    } else {
        if (FDown) FState = bsExclusive;
        Invalidate();
    }
    if (inside) Click();
    UpdateTracking();
}

void TExtGridButton::UpdateTracking()
{
    if (!FFlat || !Enabled()) return;
    const bool over = FindDragTarget(GetCursorPos(), true) == this;
    Perform(over ? CM_MOUSEENTER : CM_MOUSELEAVE, 0, 0);
}

void TExtGridButton::CMButtonPressed(TMessage& M)
{
    const TCMButtonPressed pressed(M);
    if (pressed.GroupIndex != FGroupIndex || pressed.Control == this) return;
    auto* sender = static_cast<TExtGridButton*>(pressed.Control);
    if (sender->Down() && FDown) {
        FDown = false;
        FState = bsUp;
        if (auto* action = dynamic_cast<TCustomAction*>(Action())) action->SetChecked(false);
        Invalidate();
    }
    FAllowAllUp = sender->AllowAllUp();
}

void TExtGridButton::CMDialogChar(TMessage& M)
{
    const bool showing = Parent() && Parent()->Showing();
    if (IsAccel(TWMChar(M).CharCode, Caption()) && Enabled() && Visible() && showing) {
        Click();
        M.Result = 1;
        return;
    }
    TGraphicControl::Dispatch(M);
}

void TExtGridButton::CMMouseEnter(TMessage& M)
{
    if (!FMouseInControl && Enabled() && DragMode != dmAutomatic && GetCapture() == 0) {
        FMouseInControl = true;
        Repaint();
    }
    TGraphicControl::Dispatch(M);
}

void TExtGridButton::CMMouseLeave(TMessage& M)
{
    if (FMouseInControl && Enabled() && !FDragging) {
        FMouseInControl = false;
        Invalidate();
    }
    TGraphicControl::Dispatch(M);
}

void TExtGridButton::WMLButtonDblClk(TMessage& M)
{
    TGraphicControl::Dispatch(M);
    if (FDown) DblClick();
}

void TExtGridButton::CMEnabledChanged()
{
    UpdateTracking();
    Repaint();
}

void TExtGridButton::WndProc(TMessage& M)
{
    if ((M.Msg == WM_THEMECHANGED || M.Msg == CM_BASE + 0x35) && FAutoThemeAdapt) AdaptLook();
    TGraphicControl::WndProc(M);
}

void TExtGridButton::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(M); return;
    case CM_BUTTONPRESSED: CMButtonPressed(M); return;
    case CM_DIALOGCHAR: CMDialogChar(M); return;
    case CM_MOUSEENTER: CMMouseEnter(M); return;
    case CM_MOUSELEAVE: CMMouseLeave(M); return;
    case CM_ENABLEDCHANGED: CMEnabledChanged(); return;
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
    case CM_SYSCOLORCHANGE: Invalidate(); return;
    default: TGraphicControl::Dispatch(M); return;
    }
}

// --- painting ---------------------------------------------------------------------------------------------

void TExtGridButton::PaintFlatFace(TCanvas& C, TRect& R)
{
    if (BorderDownColor == clNone || FRounded) InflateRect(R, -1, -1);
    if (!FMouseInControl || !Enabled() || Designing()) {
        if (Checked()) {
            Face(C, R, FColorChecked, FColorCheckedTo, BorderDownColor);
            return InflateRect(R, -1, -1);
        }
        if (FColorTo == clNone) {
            FillRectColor(C, R, Color());
        } else {
            const TColor pen = FRounded ? clNone : FDown ? BorderDownColor : FBorderColor;
            PaintButtonGradient(C, Color(), FColorTo, pen, R);
        }
        if (FBorderColor != clNone) {
            if (FRounded) InflateRect(R, 1, 1);
            Outline(C, R, FBorderColor, FRounded);
        }
    } else {
        const bool pressed = FState == bsDown;
        TColor brush = pressed ? ColorDown : ColorHot;
        TColor brushTo = pressed ? ColorDownTo : ColorHotTo;
        TColor pen = pressed ? BorderDownColor : BorderHotColor;
        if (Checked() && !pressed) {
            pen = BorderDownColor;
            brush = FColorChecked;
            brushTo = FColorCheckedTo;
        }
        Face(C, R, brush, brushTo, FRounded ? clNone : pen);
        const TColor edge = pressed ? BorderDownColor : BorderHotColor;
        if (FRounded) {
            InflateRect(R, 1, 1);
            Outline(C, R, edge, true);
        }
        if (FDropDownButton && edge != clNone) {
            C.Pen()->SetStyle(psSolid);
            C.Pen()->SetColor(edge);
            C.MoveTo(R.Right - DropDownWidth, R.Top);
            C.LineTo(R.Right - DropDownWidth, R.Bottom);
        }
    }
    InflateRect(R, -1, -1);
}

void TExtGridButton::PaintFace(TCanvas& C, TRect& R)
{
    if (FFlat) return PaintFlatFace(C, R);
    const bool pushed = FState == bsDown || FState == bsExclusive;
    if (IsXPOrLater() && AutoXPStyle && FIsComCtl6 && VisualStylesActive()) {
        const TCellButtonState state = pushed ? TCellButtonState::Pressed
            : FMouseInControl                 ? TCellButtonState::Hot
                                              : TCellButtonState::Normal;
        DrawCellButtonFace(C, Parent() ? Parent()->HandleIfAllocated() : 0, R, TCellButtonLook::Themed, state, {});
        return;
    }
    DrawFrameControl(C, R, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pushed ? DFCS_PUSHED : 0));
}

TBitmap* TExtGridButton::GlyphFor(TButtonState ContentState) const
{
    const bool pressed = ContentState == bsDown || ContentState == bsExclusive;
    if (!Enabled()) return FGlyphDisabled->Empty() ? FGlyph.get() : FGlyphDisabled.get();
    if (pressed) return FGlyphDown->Empty() ? FGlyph.get() : FGlyphDown.get();
    if (FMouseInControl && !FGlyphHot->Empty() && !Designing()) return FGlyphHot.get();
    return FGlyph.get();
}

void TExtGridButton::PaintContent(TCanvas& C, TRect R, TPoint Offset)
{
    const TButtonState state = FDown && FGroupIndex != 0 ? bsDown : FState;
    const bool pressed = state == bsDown || state == bsExclusive;
    TBitmap* glyph = GlyphFor(state);
    const TSize glyphSize{glyph->Empty() ? 0 : glyph->Width(), glyph->Empty() ? 0 : glyph->Height()};
    TSize textSize;
    if (!Caption().empty()) {
        TRect m = Rect(0, 0, R.Width(), 0);
        C.DrawText(Caption(), m, DT_CALCRECT | DT_SINGLELINE);
        textSize = {m.Width(), m.Height()};
    }
    TPoint glyphAt;
    TRect text;
    ButtonContentLayout(Rect(0, 0, R.Width(), R.Height()), glyphSize, textSize, FLayout, FMargin, FSpacing, glyphAt,
                        text);
    const TPoint shift{R.Left + Offset.X, R.Top + Offset.Y};
    glyphAt = {glyphAt.X + shift.X, glyphAt.Y + shift.Y};
    OffsetRect(text, shift.X, shift.Y);
    if (Caption().empty()) glyphAt = {0, 0};
    const bool hot = FMouseInControl && FShaded && Enabled();
    if (hot && state != bsDown && !FGlyphShade->Empty()) {
        const TPoint shadeAt = Caption().empty() ? glyphAt : TPoint{glyphAt.X + 2, glyphAt.Y + 2};
        DrawTransparent(C, shadeAt, *FGlyphShade);
    }
    DrawTransparent(C, glyphAt, *glyph);
    if (!pressed && hot && FFlat && !Designing()) OffsetRect(text, 1, 1);
    if (!FShowCaption || Caption().empty()) return;
    C.Brush()->SetStyle(bsClear);
    const Cardinal flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (!Enabled()) {
        TRect lit = text;
        OffsetRect(lit, 1, 1);
        C.Font()->SetColor(clBtnHighlight);
        C.DrawText(Caption(), lit, flags);
        C.Font()->SetColor(clBtnShadow);
    }
    C.DrawText(Caption(), text, flags);
}

void TExtGridButton::Paint()
{
    TCanvas& c = *Canvas();
    if (!Enabled()) {
        FState = bsDisabled;
        FDragging = false;
    } else if (FState == bsDisabled) {
        FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
    }
    if (Checked()) FState = bsDown;
    c.Font()->Assign(Font());
    TRect r = ClientRect();
    PaintFace(c, r);
    TPoint offset{0, 0};
    if (FState == bsDown || FState == bsExclusive) {
        if (FState == bsExclusive && (!FFlat || !FMouseInControl)) {
            InflateRect(r, 1, 1);
            Face(c, r, FColorChecked, FColorCheckedTo, FDown ? BorderDownColor : FBorderColor);
        }
        if (!FFlat && !Designing()) offset = {1, 1};
    } else if (FFlat && FMouseInControl && Enabled() && FShaded && !Designing()) {
        offset = {-1, -1};
    }
    if (FDropDownButton) {
        const Integer m = r.Top + (r.Bottom - r.Top) / 2;
        SetPenAndBrush(c, c.Font()->Color(), c.Font()->Color());
        const std::array<TPoint, 3> arrow{TPoint{r.Right - 8, m - 1}, {r.Right - 4, m - 1}, {r.Right - 6, m + 1}};
        c.Polygon(arrow);
        r.Right -= DropDownWidth;
    }
    PaintContent(c, r, offset);
}

}  // namespace gw
