// TImgButton: state, keys, mouse, dialog keys, hot tracking with its fade, and painting.
#include "imagebutton/img_button.h"

#include "imagebutton/img_color_presets.h"
#include "platform/runtime/strings.h"
#include "platform/ui/menus.h"
#include "platform/ui/window_system.h"

namespace gw {

namespace {

struct TKindPreset {
    TModalResult Result;
    const char16_t* Resource;
    const char16_t* Caption;
};

// Indexed by TImgButtonKind from bkOK on.
const TKindPreset KindPresets[] = {
    {mrOk, u"LBOK", u"OK"},
    {mrCancel, u"LBCANCEL", u"Abbrechen"},
    {mrNone, u"LBHELP", u"Hilfe"},
    {mrYes, u"LBYES", u"Ja"},
    {mrNo, u"LBNO", u"Nein"},
    {mrNone, u"LBCLOSE", u"Schlie\u00DFen"},
    {mrAbort, u"LBABORT", u"Abbrechen"},
    {mrRetry, u"LBRETRY", u"Wiederholen"},
    {mrIgnore, u"LBIGNORE", u"Ignorieren"},
    {12, u"LBALL", u"Alle"},
};

Char UpperChar(Char C)
{
    String s(1, C);
    String u = AnsiUpperCase(s);
    return u.size() == 1 ? u[0] : C;
}

// The caption marks its accelerator with '&' ("&OK"); "&&" is a literal ampersand.
bool IsAccel(Word CharCode, const String& Caption)
{
    for (std::size_t i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption[i] != u'&') continue;
        if (Caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return UpperChar(Caption[i + 1]) == UpperChar(Char(CharCode));
    }
    return false;
}

}  // namespace

TCustomForm* FindOwnerForm(const TComponent* Component)
{
    for (TComponent* c = Component ? Component->Owner() : nullptr; c; c = c->Owner())
        if (auto* form = dynamic_cast<TCustomForm*>(c)) return form;
    return nullptr;
}

TImgButton::TImgButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    ControlStyle = csCaptureMouse | csSetCaption;
    SetBounds(Left(), Top(), 100, 23);
    SetColor(clBtnFace);
    SetTabStop(true);
    if (auto* form = dynamic_cast<TCustomForm*>(AOwner)) FHTFont->Assign(form->Font());
}

TImgButton::~TImgButton()
{
    Destroying();
    StopFade();
}

// --- properties ------------------------------------------------------------------------------

void TImgButton::SetAlignment(TAlignment Value)
{
    FAlignment = Value;
    Repaint();
}

void TImgButton::SetColorStyle(TImgColorStyle Value)
{
    if (Value == lcsCustom) return;
    TColor face = Color(), light = FLightColor, shadow = FShadowColor, down = ColorWhenDown, hot = HotTrackColor;
    TColor font = Font()->Color();
    bool flat = false, modern = false, quicken = false;
    GetImgColorStylePreset(Value, face, light, shadow, down, hot, font, flat, modern, quicken);
    SetColor(face);
    FLightColor = light;
    FShadowColor = shadow;
    ColorWhenDown = down;
    HotTrackColor = hot;
    FFlat = flat;
    Font()->SetColor(font);
    SetStyle(modern ? bsModern : quicken ? bsQuicken : bsNormal);
    Repaint();
}

void TImgButton::SetFlat(bool Value)
{
    FFlat = Value;
    Repaint();
}

void TImgButton::SetGlyph(TBitmap* Value)
{
    if (!Value) {
        FGlyph->SetHeight(0);
        FNumGlyphs = 0;
    } else {
        FGlyph->Assign(Value);
        FNumGlyphs = FGlyph->Height() > 0 ? FGlyph->Width() / FGlyph->Height() : 0;
    }
    FKind = bkCustom;
    Invalidate();
}

void TImgButton::SetKind(TImgButtonKind Value)
{
    if (Value != bkCustom && Value <= bkAll) {
        const TKindPreset& k = KindPresets[Value - bkOK];
        FNumGlyphs = 2;
        SetModalResult(k.Result);
        FGlyph->LoadFromResourceName(k.Resource);
        SetCaption(k.Caption);
    }
    FKind = Value;
    Invalidate();
}

void TImgButton::SetLayout(TImgButtonLayout Value)
{
    FLayout = Value;
    Repaint();
}

void TImgButton::SetLightColor(TColor Value)
{
    FLightColor = Value;
    Repaint();
}

void TImgButton::SetModalResult(TModalResult Value)
{
    FModalResult = Value;
    FKind = bkCustom;
}

void TImgButton::SetNumGlyphs(Integer Value)
{
    FNumGlyphs = Value;
    Invalidate();
}

void TImgButton::SetShadowColor(TColor Value)
{
    FShadowColor = Value;
    Repaint();
}

void TImgButton::SetSlowDecease(bool Value)
{
    FSlowDecease = Value;
    if (!Value) {
        FHotTrackStep = 0;
        StopFade();
    }
    Invalidate();
}

Cardinal TImgButton::TransparentExStyle() const
{
    return FStyle == bsModern || FStyle == bsShape || FStyle == bsQuicken ? Cardinal(WS_EX_TRANSPARENT) : 0u;
}

void TImgButton::SetStyle(TImgButtonStyle Value)
{
    FStyle = Value;
    if (HandleAllocated()) SetWindowExStyle(HandleIfAllocated(), TransparentExStyle());
    Invalidate();
}

void TImgButton::SetWordWrap(bool Value)
{
    FWordWrap = Value;
    Repaint();
}

void TImgButton::SetEnabled(bool Value)
{
    TCustomControl::SetEnabled(Value);
    bDown = false;
    FPressKey = 0;
    Repaint();
}

void TImgButton::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.ExStyle = TransparentExStyle();
}

void TImgButton::DestroyWnd()
{
    // The fade timer goes with the window; the face is not left half faded.
    if (FFading) {
        StopFade();
        FHotTrackStep = 0;
    }
    TCustomControl::DestroyWnd();
}

// --- clicking ----------------------------------------------------------------------------------

void TImgButton::Click()
{
    bDown = true;
    PerformClick();
    FAction.Execute(this);
}

void TImgButton::ActionChange(TBasicAction* Sender)
{
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action || !FGlyph->Empty()) return;
    if (TActionList* list = action->ActionList(); list && list->Images)
        LoadGlyphFromImageList(list->Images, action->ImageIndex());
}

void TImgButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    FAction.Notification(AComponent, Operation);
}

void TImgButton::PerformClick()
{
    if (!Visible() || !Enabled() || !bDown) return;
    bDown = false;
    if (OnClick) OnClick(this);
    if (FModalResult != mrNone)
        if (TCustomForm* form = GetParentForm(this)) form->ModalResult = FModalResult;
    if (TPopupMenu* menu = PopupMenu()) {
        // The menu drops down from the button's bottom-left corner.
        const TPoint at = ClientToScreen(Point(0, Height()));
        menu->Popup(at.X, at.Y);
    }
}

void TImgButton::LoadGlyphFromImageList(const TImageList* Images, Integer Index)
{
    if (!Images || Index < 0 || Index >= Images->Count()) return;
    FGlyph->SetSize(Images->Width(), Images->Height());
    FGlyph->Canvas()->Brush()->SetStyle(bsSolid);
    FGlyph->Canvas()->Brush()->SetColor(clFuchsia);
    FGlyph->Canvas()->FillRect(Rect(0, 0, Images->Width(), Images->Height()));
    Images->Draw(FGlyph->Canvas(), 0, 0, Index);
    FNumGlyphs = 1;
    Repaint();
}

// --- mouse -------------------------------------------------------------------------------------

void TImgButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (Button == mbLeft && Enabled()) {
        bDown = true;
        if (!Focused() && CanFocus()) SetFocus();
        Repaint();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TImgButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (bDown) {
        // The click ends a press a key may have started too; its release clicks no more.
        FPressKey = 0;
        Click();
    }
    bDown = false;
    Repaint();
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

// --- messages ----------------------------------------------------------------------------------

void TImgButton::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CM_MOUSEENTER: CMMouseEnter(M); return;
    case CM_MOUSELEAVE: CMMouseLeave(M); return;
    case CM_FOCUSCHANGED: CMFocusChanged(M); return;
    case WM_KILLFOCUS: WMKillFocus(M); return;
    case CN_KEYUP: CNKeyUp(M); return;
    case WM_TIMER: WMTimer(M); return;
    default: TCustomControl::Dispatch(M); return;
    }
}

void TImgButton::CMFocusChanged(TMessage& M)
{
    // Hot (for the face) means under the mouse or focused.
    Invalidate();
    TCustomControl::Dispatch(M);
}

void TImgButton::WMKillFocus(TMessage& M)
{
    // A key press this button saw can no longer be released on it.
    if (FPressKey) {
        FPressKey = 0;
        bDown = false;
        Invalidate();
    }
    TCustomControl::Dispatch(M);
}

void TImgButton::WMTimer(TMessage& M)
{
    if (TWMTimer(M).TimerId == FadeTimerId)
        HotTrackTick();
    else
        TCustomControl::Dispatch(M);
}

bool TImgButton::ParentShowing() const { return Parent() && Parent()->Showing(); }

void TImgButton::CMMouseEnter(TMessage& M)
{
    (void)M;
    if (!Enabled() || !Visible() || !ParentShowing()) return;
    bCursorOnButton = true;
    // A fade still running would otherwise dim the face under the pointer.
    StopFade();
    FHotTrackStep = 8;
    Repaint();
    if (OnMouseEnter) OnMouseEnter(this);
}

void TImgButton::CMMouseLeave(TMessage& M)
{
    (void)M;
    bCursorOnButton = false;
    if (FSlowDecease && HandleAllocated()) {
        StartFade();
    } else {
        FHotTrackStep = 0;
        Repaint();
    }
    if (Enabled() && Visible() && ParentShowing() && OnMouseExit) OnMouseExit(this);
}

void TImgButton::StartFade()
{
    if (FFading || !HandleAllocated()) return;
    FFading = SetTimer(HandleIfAllocated(), FadeTimerId, FadeInterval) != 0;
}

void TImgButton::StopFade()
{
    if (!FFading) return;
    FFading = false;
    if (HandleAllocated()) KillTimer(HandleIfAllocated(), FadeTimerId);
}

void TImgButton::HotTrackTick()
{
    if (IsDestroying()) return;
    --FHotTrackStep;
    if (FHotTrackStep <= 0) {
        StopFade();
        FHotTrackStep = 0;
    }
    Repaint();
}

void TImgButton::CNKeyDown(TMessage& M)
{
    Word key = TWMKey(M).Key;
    if ((key == VK_RETURN || key == VK_SPACE) && Enabled() && Focused()) {
        bDown = true;
        FPressKey = key;
        Repaint();
    }
    TCustomControl::CNKeyDown(M);
}

void TImgButton::CNKeyUp(TMessage& M)
{
    Word key = TWMKey(M).Key;
    if (key == VK_RETURN || key == VK_SPACE) {
        // Only the release of the press this button saw clicks: Enter that closed a dialog on
        // its press must not click the button that gets the focus back.
        if (FPressKey == key) {
            FPressKey = 0;
            Click();
        }
        Repaint();
    }
    TCustomControl::Dispatch(M);
}

void TImgButton::CMDialogKey(TMessage& M)
{
    Word key = TWMKey(M).Key;
    bool mine = (key == VK_RETURN && Default) || (key == VK_ESCAPE && Cancel);
    if (mine && TWMKey(M).Shift() == 0 && Visible() && Enabled()) {
        TCustomForm* form = FindOwnerForm(this);
        TWinControl* active = form ? form->ActiveControl() : nullptr;
        // A focused push button acts on Enter itself. Escape it does not take, so the Cancel
        // button answers it whatever has the focus.
        if (key == VK_ESCAPE || !(active && active->IsPushButton())) {
            bDown = true;
            Click();
            M.Result = 1;
            return;
        }
    }
    TCustomControl::CMDialogKey(M);
}

void TImgButton::CMDialogChar(TMessage& M)
{
    if (IsAccel(TWMKey(M).Key, Caption()) && Visible() && Enabled() && ParentShowing()) {
        bDown = true;
        Click();
        M.Result = 1;
        return;
    }
    TCustomControl::CMDialogChar(M);
}

// --- painting ----------------------------------------------------------------------------------

void TImgButton::DrawFace(TCanvas& Canvas, Integer W, Integer H, TColor Light, bool Hot, TFont* Font)
{
    TImgButtonFace f;
    f.Width = W;
    f.Height = H;
    f.HotTrackStep = FHotTrackStep;
    f.NumGlyphs = FNumGlyphs;
    f.Glyph = FGlyph.get();
    f.Down = bDown;
    f.Hot = Hot;
    f.Enabled = Enabled();
    f.Flat = FFlat;
    f.WordWrap = FWordWrap;
    f.HasPopupMenu = PopupMenu() != nullptr;
    f.Style = FStyle;
    f.Color = Color();
    f.ColorWhenDown = ColorWhenDown;
    f.HotTrackColor = HotTrackColor;
    f.LightColor = Light;
    f.ShadowColor = FShadowColor;
    f.Font = Font;
    f.Layout = FLayout;
    f.Caption = Caption();
    f.Alignment = FAlignment;
    DrawImgButtonFace(Canvas, f);
}

void TImgButton::Paint()
{
    if ((!Visible() && !(ComponentState() & csDesigning)) || (ComponentState() & csLoading) || IsDestroying()) return;
    const Integer W = Width(), H = Height();
    const bool focused = Focused();
    const bool hot = bCursorOnButton || focused;
    TFont font;
    font.Assign(UseHotTrackFont && hot ? FHTFont.get() : Font());

    TBitmap face(W, H);
    if (TransparentExStyle()) {
        // The corners outside the rounded face show what lies behind the button.
        face.Canvas()->Brush()->SetColor(clFuchsia);
        face.Canvas()->FillRect(Rect(0, 0, W, H));
        face.SetTransparentColor(clFuchsia);
        face.SetTransparent(true);
    }
    if (FStyle == bsOld && focused) {
        TBitmap inner(std::max(W - 2, 0), std::max(H - 2, 0));
        DrawFace(*inner.Canvas(), W - 2, H - 2, bDown ? FShadowColor : FLightColor, hot, &font);
        face.Canvas()->Draw(1, 1, &inner);
        face.Canvas()->Brush()->SetStyle(bsSolid);
        face.Canvas()->Brush()->SetColor(clBlack);
        face.Canvas()->FrameRect(Rect(0, 0, W, H));
    } else {
        DrawFace(*face.Canvas(), W, H, FLightColor, hot, &font);
    }
    Canvas()->Draw(0, 0, &face);
    if (focused && Enabled() && FStyle != bsShape) Canvas()->DrawFocusRect(Rect(4, 4, W - 4, H - 4));
}

}  // namespace gw
