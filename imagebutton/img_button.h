// TImgButton: the self-painted push button of every window, with glyph, colour presets,
// hot tracking (optionally fading out) and a modal result for its form.
#pragma once

#include "imagebutton/img_button_paint.h"
#include "platform/controls/actions.h"
#include "platform/graphics/image_list.h"
#include "platform/ui/alignment.h"
#include "platform/ui/forms.h"
#include "platform/ui/win_control.h"

#include <memory>

namespace gw {

class TImgButton : public TCustomControl {
public:
    explicit TImgButton(TComponent* AOwner);
    ~TImgButton() override;
    String ClassName() const override { return u"TImgButton"; }

    // --- properties ------------------------------------------------------------------------
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    // Reading always gives lcsCustom: a preset is applied, not kept.
    TImgColorStyle ColorStyle() const { return FDummyStyle; }
    void SetColorStyle(TImgColorStyle Value);
    // clNone keeps the face colour while pressed.
    TColor ColorWhenDown = clNone;
    // clNone: no hot tracking of the face.
    TColor HotTrackColor = clNone;
    bool Default = false;
    bool Cancel = false;
    bool UseHotTrackFont = false;
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    // The glyph strip of NumGlyphs images side by side (normal, disabled, pressed, hot).
    TBitmap* Glyph() const { return FGlyph.get(); }
    // Copies Value (nullptr empties the glyph); NumGlyphs follows from its width and height.
    void SetGlyph(TBitmap* Value);
    TFont* HotTrackFont() const { return FHTFont.get(); }
    void SetHotTrackFont(TFont* Value) { FHTFont->Assign(Value); }
    TImgButtonKind Kind() const { return FKind; }
    // A stock kind brings its glyph, caption and modal result.
    void SetKind(TImgButtonKind Value);
    TImgButtonLayout Layout() const { return FLayout; }
    void SetLayout(TImgButtonLayout Value);
    TColor LightColor() const { return FLightColor; }
    void SetLightColor(TColor Value);
    TModalResult ModalResult() const { return FModalResult; }
    // Turns Kind back to bkCustom.
    void SetModalResult(TModalResult Value);
    Integer NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(Integer Value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor Value);
    // Fades the hot-track colour out in 8 steps of 30 ms after the mouse leaves.
    bool SlowDecease() const { return FSlowDecease; }
    void SetSlowDecease(bool Value);
    TImgButtonStyle Style() const { return FStyle; }
    void SetStyle(TImgButtonStyle Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    void SetEnabled(bool Value) override;

    // OnClick and OnMouseEnter are the base control's, run by the button's rules below;
    // OnMouseExit runs when the mouse leaves an enabled, visible button.
    TNotifyEvent OnMouseExit;

    // --- actions ---------------------------------------------------------------------------
    // Presses the button, runs the click action, then the assigned action (never the base
    // control's click, which would run OnClick a second time).
    void Click() override;
    // The click action: OnClick, the form's modal result and the pop-up menu under the button,
    // only while the button is visible, enabled and pressed.
    void PerformClick();
    // The glyph becomes image Index of the list on a magenta ground, one image.
    void LoadGlyphFromImageList(const TImageList* Images, Integer Index);
    // The base control's action: caption, enabled, hint and visible follow it, a click runs it,
    // and a button without a glyph takes the action's picture from its action list.
    TBasicAction* Action() const { return FAction.Action(); }
    void SetAction(TBasicAction* Value) { FAction.SetAction(Value); }
    bool IsPushButton() const override { return true; }

    // --- state -------------------------------------------------------------------------------
    bool IsDown() const { return bDown; }
    bool CursorOnButton() const { return bCursorOnButton; }
    // 0 (face colour) .. 8 (full hot-track colour).
    Integer HotTrackStep() const { return FHotTrackStep; }
    bool Fading() const { return FFading; }

    void Dispatch(TMessage& Message) override;

protected:
    virtual void ActionChange(TBasicAction* Sender);
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void CreateParams(TCreateParams& Params) override;
    void DestroyWnd() override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

private:
    static constexpr uintptr_t FadeTimerId = 1;
    static constexpr Cardinal FadeInterval = 30;

    void CMMouseEnter(TMessage& Message);
    void CMMouseLeave(TMessage& Message);
    void CMFocusChanged(TMessage& Message);
    void WMKillFocus(TMessage& Message);
    void WMTimer(TMessage& Message);
    void CNKeyDown(TMessage& Message) override;
    void CNKeyUp(TMessage& Message);
    void CMDialogKey(TMessage& Message) override;
    void CMDialogChar(TMessage& Message) override;
    void HotTrackTick();
    void StartFade();
    void StopFade();
    bool ParentShowing() const;
    Cardinal TransparentExStyle() const;
    void DrawFace(TCanvas& Canvas, Integer W, Integer H, TColor Light, bool Hot, TFont* Font);

    TAlignment FAlignment = taCenter;
    TColor FShadowColor = clGray;
    bool FFlat = false;
    bool FWordWrap = false;
    std::unique_ptr<TBitmap> FGlyph = std::make_unique<TBitmap>();
    std::unique_ptr<TFont> FHTFont = std::make_unique<TFont>();
    TControlAction FAction{this, [this](TBasicAction* Sender) { ActionChange(Sender); }};
    TImgButtonKind FKind = bkCustom;
    TImgButtonLayout FLayout = blGlyphLeft;
    TColor FLightColor = clWhite;
    TModalResult FModalResult = mrNone;
    Integer FNumGlyphs = 0;
    TImgColorStyle FDummyStyle = lcsCustom;
    TImgButtonStyle FStyle = bsNormal;
    bool FSlowDecease = false;
    bool bDown = false;
    bool bCursorOnButton = false;
    Integer FHotTrackStep = 0;
    // The fade timer runs (the ticker is "resumed").
    bool FFading = false;
    // The key (Enter or Space) whose press on this button started the current press; only its
    // release clicks, so a release whose press went to another window does nothing.
    Word FPressKey = 0;
};

// The first form up the owner chain, nullptr when there is none.
TCustomForm* FindOwnerForm(const TComponent* Component);

}  // namespace gw
