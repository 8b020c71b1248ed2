// TEsgEditBtn: a masked edit with a small push button inside its right edge; the button or F4
// fires OnClickBtn. The button is a windowed host (TEsgEditButton) holding a self-drawn speed
// button (TExtSpeedButton). The grid's button cell editors derive from it.
#pragma once

#include "platform/controls/mask_edit.h"
#include "platform/controls/speed_button.h"

namespace gw {

class TEsgEditButton;

// A speed button drawn in the host's colours, themed, flat or classic, with a black caption.
class TExtSpeedButton : public TSpeedButton {
public:
    TExtSpeedButton(TComponent* AOwner, TEsgEditButton* Host);
    String ClassName() const override { return u"TExtSpeedButton"; }

    bool FIsWinXP = false;
    bool FFlat = false;
    bool Hot() const { return FHot; }

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;

private:
    void PaintFace(TCanvas& Canvas, TRect& R, bool Down);
    void CMMouseEnterLeave(TMessage& Message, bool Enter);

    TEsgEditButton* m_host;
    bool FHot = false;
};

// The window around the button: it fills itself with the button and, on a left release on it,
// fires OnClick and gives the focus to FocusControl.
class TEsgEditButton : public TWinControl {
public:
    explicit TEsgEditButton(TComponent* AOwner);
    ~TEsgEditButton() override;
    String ClassName() const override { return u"TEsgEditButton"; }

    void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;

    TWinControl* FocusControl() const { return m_focusControl; }
    void SetFocusControl(TWinControl* Value);
    bool Flat() const { return m_button->FFlat; }
    void SetFlat(bool Value);
    TBitmap* Glyph() const { return m_button->Glyph(); }
    void SetGlyph(TBitmap* Value) { m_button->SetGlyph(Value); }
    Integer NumGlyphs() const { return m_button->NumGlyphs(); }
    void SetNumGlyphs(Integer Value) { m_button->SetNumGlyphs(Value); }
    const String& ButtonCaption() const { return m_button->Caption(); }
    void SetButtonCaption(const String& Value) { m_button->SetCaption(Value); }
    TExtSpeedButton* Button() const { return m_button; }

    // Fill colours of the button; clNone keeps the themed, flat or classic look.
    TColor ButtonColor = clNone;
    TColor ButtonColorHot = clNone;
    TColor ButtonColorDown = clNone;
    // Kept for the owner; the caption is always drawn black.
    TColor ButtonTextColor = clNone;
    TColor ButtonTextColorHot = clNone;
    TColor ButtonTextColorDown = clNone;
    TColor ButtonBorderColor = clNone;

    TNotifyEvent OnClick;

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Dispatch(TMessage& Message) override;

private:
    void AdjustSize();
    void WMSize(TMessage& Message);
    // A left release over the button clicks; one dragged off it does not.
    void BtnMouseUp(TMouseButton Button, TPoint At);

    TExtSpeedButton* m_button = nullptr;  // owned (component owner)
    TWinControl* m_focusControl = nullptr;
};

// Differences from the platform's edit it builds on: the formatting rectangle is kept on one line
// without a multi-line style, and the places inside the border are moved in by its width, the
// platform's windows having no frame outside the client area.
class TEsgEditBtn : public TCustomMaskEdit {
public:
    explicit TEsgEditBtn(TComponent* AOwner);
    ~TEsgEditBtn() override;
    String ClassName() const override { return u"TEsgEditBtn"; }

    void Dispatch(TMessage& Message) override;
    // Fires OnClickBtn.
    virtual void DoClickBtn();

    bool EditorEnabled = true;
    bool RightAlign() const { return m_rightAlign; }
    void SetRightAlign(bool Value);
    Integer ButtonWidth() const { return m_buttonWidth; }
    void SetButtonWidth(Integer Value);
    bool IsWinXP() const { return m_isWinXP; }
    void SetIsWinXP(bool Value);
    TBitmap* Glyph() const { return m_host->Glyph(); }
    void SetGlyph(TBitmap* Value) { m_host->SetGlyph(Value); }
    const String& ButtonCaption() const { return m_host->ButtonCaption(); }
    void SetButtonCaption(const String& Value) { m_host->SetButtonCaption(Value); }
    TEsgEditButton* ButtonHost() const { return m_host; }
    // The smallest height that shows the text.
    Integer GetMinHeight() const;

    TNotifyEvent OnClickBtn;

protected:
    Cardinal EditStyle() const override;
    void CreateWnd() override;
    void Resize() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void DoEnter() override;
    // The border's width: where the places inside the border begin.
    Integer Inset() const { return BorderStyle() == bsSingle ? 2 : 0; }
    void SetEditRect();

    // Room kept free left of the button (the unit edit's unit).
    Integer m_unitSpace = 0;

private:
    void PlaceButton();
    // Typing, cutting and pasting only where the text may be edited.
    void WMChar(TMessage& Message);
    void WMCutPaste(TMessage& Message);

    TEsgEditButton* m_host = nullptr;  // owned (component owner)
    bool m_rightAlign = false;
    Integer m_buttonWidth = 0;
    bool m_isWinXP = false;
};

}  // namespace gw
