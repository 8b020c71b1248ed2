// TExtCheckBox: state, mouse and key handling, and the painting of box and caption.
#include "grid/foundation/ext_check_box.h"

#include "grid/foundation/theme_detection.h"
#include "platform/controls/accelerator.h"
#include "platform/graphics/frame_controls.h"
#include "platform/ui/window_system.h"

namespace gw {

namespace {

// The area repainted around the box on press, release, entry and exit.
const TRect PressArea{0, 0, 16, 16};

}  // namespace

Integer CheckBoxThemeState(TCheckBoxState State, bool Enabled, bool Down, bool Hot)
{
    const Integer base = State == cbChecked ? 5 : State == cbGrayed ? 9 : 1;
    if (!Enabled) return base + 3;
    if (Down) return base + 2;
    if (Hot) return base + 1;
    return base;
}

TExtCheckBox::TExtCheckBox(TComponent* AOwner) : TCustomControl(AOwner), FIsWinXP(IsXPOrLater())
{
    // The control clicks itself after toggling; the framework's click on release is off.
    ControlStyle &= ~Cardinal(csClickEvents);
    SetTabStop(true);
    SetText(u"TExtCheckBox");
    SetBounds(0, 0, 98, 20);
}

TExtCheckBox::~TExtCheckBox() = default;

void TExtCheckBox::Toggle()
{
    if (!ReadOnly) SetChecked(!Checked());
}

void TExtCheckBox::SetState(TCheckBoxState Value)
{
    if (FState == Value) return;
    FState = Value;
    InvalidateBox(true);
}

void TExtCheckBox::SetChecked(bool Value)
{
    SetState(Value ? cbChecked : cbUnchecked);
    Invalidate();
}

void TExtCheckBox::InvalidateBox(bool Erase)
{
    if (!HandleAllocated()) return;
    TRect r = ClientRect();
    if (FAlignment == taLeftJustify)
        r.Right = r.Left + 20;
    else
        r.Left = r.Right - 20;
    InvalidateRect(Handle(), &r, Erase);
}

void TExtCheckBox::SetText(const String& Value)
{
    TCustomControl::SetText(Value);
    Invalidate();
}

void TExtCheckBox::SetButtonVertAlign(TTextLayout Value)
{
    if (FBtnVAlign == Value) return;
    FBtnVAlign = Value;
    Invalidate();
}

void TExtCheckBox::SetAlignment(TAlignment Value)
{
    if (FAlignment == Value) return;
    FAlignment = Value;
    Invalidate();
}

void TExtCheckBox::SetEllipsis(bool Value)
{
    if (FEllipsis == Value) return;
    FEllipsis = Value;
    Invalidate();
}

void TExtCheckBox::SetTransparent(bool Value)
{
    if (FTransparent != Value) {
        FTransparent = Value;
        FBkgCache = false;
    }
    Invalidate();
}

void TExtCheckBox::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FTransparent) {
        FBkgCache = false;
        Invalidate();
    }
}

// --- mouse and keys ---------------------------------------------------------------------------------

void TExtCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (Button != mbLeft) {
        TCustomControl::MouseDown(Button, Shift, X, Y);
        return;
    }
    FMouseDown = true;
    if (!Focused() && CanFocus()) SetFocus();
    TCustomControl::MouseDown(Button, Shift, X, Y);
    SetMouseCapture(true);
    FDown = true;
    if (FIsWinXP && HandleAllocated()) InvalidateRect(Handle(), &PressArea, false);
}

void TExtCheckBox::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    if (MouseCapture()) FDown = InsideControl(X, Y);
    TCustomControl::MouseMove(Shift, X, Y);
}

void TExtCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (Button != mbLeft) {
        TCustomControl::MouseUp(Button, Shift, X, Y);
        return;
    }
    SetMouseCapture(false);
    FDown = false;
    if (InsideControl(X, Y) && Focused() && FMouseDown) {
        Toggle();
        Click();
    }
    FMouseDown = false;
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FIsWinXP && HandleAllocated()) InvalidateRect(Handle(), &PressArea, true);
}

void TExtCheckBox::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key == VK_RETURN && ReturnIsTab) {
        Key = VK_TAB;
        PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
    }
    if (Key == VK_SPACE) FDown = true;
    TCustomControl::KeyDown(Key, Shift);
}

void TExtCheckBox::KeyUp(Word& Key, TShiftState)
{
    // No OnKeyUp: the control answers Space itself and passes no key-up on.
    if (Key != VK_SPACE) return;
    FDown = false;
    Toggle();
    Click();
}

void TExtCheckBox::CMDialogChar(TMessage& M)
{
    if (IsAccel(TWMChar(M).CharCode, Caption()) && CanFocus()) {
        Toggle();
        if (TabStop()) SetFocus();
        M.Result = 1;
        return;
    }
    TCustomControl::CMDialogChar(M);
}

void TExtCheckBox::CMMouseEnterLeave(TMessage& M, bool Enter)
{
    FHot = Enter;
    if (HandleAllocated()) InvalidateRect(Handle(), &PressArea, true);
    TCustomControl::Dispatch(M);
}

void TExtCheckBox::CMEnabledChanged(TMessage& M)
{
    TCustomControl::Dispatch(M);
    Invalidate();
}

void TExtCheckBox::EraseBackground(TMessage& M)
{
    if (FTransparent) return;
    TCustomControl::Dispatch(M);
}

void TExtCheckBox::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CM_MOUSEENTER: CMMouseEnterLeave(M, true); return;
    case CM_MOUSELEAVE: CMMouseEnterLeave(M, false); return;
    case CM_ENABLEDCHANGED: CMEnabledChanged(M); return;
    case WM_ERASEBKGND: EraseBackground(M); return;
    default: TCustomControl::Dispatch(M); return;
    }
}

// --- painting -------------------------------------------------------------------------------------

TRect TExtCheckBox::BoxRect() const
{
    const bool themed = VisualStylesActive() && IsComCtl6();
    const Integer size = themed ? 14 : 13;
    const TRect c = ClientRect();
    const Integer x = FAlignment == taLeftJustify ? 0 : c.Width() - (themed ? 15 : 13);
    Integer y = 4;
    if (FBtnVAlign == tlCenter) y = c.Height() / 2 - 6;
    if (FBtnVAlign == tlBottom) y = c.Bottom - (themed ? 14 : 17);
    return Bounds(x, y, size, size);
}

TRect TExtCheckBox::CaptionRect() const
{
    TRect r = ClientRect();
    if (FAlignment == taLeftJustify) {
        r.Left += 9;
    } else {
        r.Left = 0;
        r.Right -= 9;
    }
    r.Top += 4;
    r.Left += 6;
    return r;
}

void TExtCheckBox::PaintParentBackground(TCanvas& C)
{
    TWinControl* parent = Parent();
    if (!parent) return;
    const Integer saved = C.SaveDC();
    C.MoveOrigin(-Left(), -Top());
    C.IntersectClipRect(parent->ClientRect());
    parent->Perform(WM_ERASEBKGND, WPARAM(&C), 0);
    parent->Perform(WM_PAINT, WPARAM(&C), 0);
    C.RestoreDC(saved);
}

void TExtCheckBox::PaintBox(TCanvas& C)
{
    TRect box = BoxRect();
    // Themed drawing needs the visual-style library, which the platform lacks: the classic frame
    // control stands in for it (CheckBoxThemeState says which themed state would be drawn).
    Cardinal state = DFCS_BUTTONCHECK;
    if (FState == cbGrayed || !Enabled()) state |= DFCS_INACTIVE;
    if (FState == cbChecked) state |= DFCS_CHECKED;
    DrawFrameControl(C, box, DFC_BUTTON, state);
}

void TExtCheckBox::PaintCaption(TCanvas& C)
{
    TRect r = CaptionRect();
    C.Brush()->SetStyle(bsClear);
    const Cardinal flags = DT_LEFT | DT_TOP | (FEllipsis ? DT_END_ELLIPSIS : 0);
    if (!Enabled()) {
        TRect shadow = r;
        OffsetRect(shadow, 1, 1);
        C.Font()->SetColor(clWhite);
        C.DrawText(Caption(), shadow, flags);
        C.Font()->SetColor(TColor(0x808080));
    }
    C.DrawText(Caption(), r, flags);
    if (!Focused()) return;
    const TSize text = C.TextExtent(Caption());
    C.Font()->SetColor(Font()->Color());
    C.DrawFocusRect(Rect(r.Left - 2, r.Top, r.Left + text.cx + 1, r.Top + text.cy + 1));
}

void TExtCheckBox::Paint() { DrawOn(*Canvas()); }

void TExtCheckBox::DrawOn(TCanvas& c)
{
    c.Font()->Assign(Font());
    if (FTransparent) {
        if (!TransparentCaching) {
            PaintParentBackground(c);
        } else {
            if (!FBkgCache) {
                FBkgBmp->SetSize(Width(), Height());
                PaintParentBackground(*FBkgBmp->Canvas());
                FBkgCache = true;
            }
            c.Draw(0, 0, FBkgBmp.get());
        }
    }
    PaintBox(c);
    PaintCaption(c);
}

}  // namespace gw
