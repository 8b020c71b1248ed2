// The spin editor's arrow pair: TEsgSpinButton, a small window holding two repeating arrow
// buttons (TExtTimerSpeedButton) that click while held.
#pragma once

#include "platform/controls/speed_button.h"
#include "platform/ui/timer.h"

namespace gw {

enum TSpinDirection { spVertical, spHorizontal };
enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };
// TTimeBtnState bits.
enum TTimeBtnStateBit : Byte { tbFocusRect = 1, tbAllowTimer = 2 };
using TTimeBtnState = Byte;

class TEsgSpinButton;

// An arrow that clicks at once when pressed and, with tbAllowTimer, again 400 ms later and then
// every 100 ms while it stays pressed under the pointer. Releasing it gives no further click:
// the press has stepped already (the platform's speed button clicks on release instead).
class TExtTimerSpeedButton : public TSpeedButton {
public:
    TExtTimerSpeedButton(TComponent* AOwner, TEsgSpinButton* Host);
    ~TExtTimerSpeedButton() override;
    String ClassName() const override { return u"TExtTimerSpeedButton"; }

    void Click() override;
    TTimeBtnState TimeBtnState = 0;
    TButtonDirection ButtonDirection = bdUp;
    bool IsWinXP = false;
    bool MouseOver() const { return m_mouseOver; }
    // The repeat timer, nullptr until the first press.
    TTimer* RepeatTimer() const { return m_repeatTimer; }

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

private:
    void TimerExpired();
    void CMMouseEnterLeave(TMessage& Message, bool Enter);
    void PaintColoured(TCanvas& Canvas);
    void InvalidateParent();

    TEsgSpinButton* m_host;
    TTimer* m_repeatTimer = nullptr;  // owned (component owner)
    bool m_mouseOver = false;
    bool m_releasing = false;
};

// Two arrows, up and down (right and left when horizontal), firing OnUpClick and OnDownClick; a
// press gives the focus to FocusControl.
class TEsgSpinButton : public TWinControl {
public:
    explicit TEsgSpinButton(TComponent* AOwner);
    ~TEsgSpinButton() override;
    String ClassName() const override { return u"TEsgSpinButton"; }

    void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;

    TSpinDirection Direction() const { return m_direction; }
    void SetDirection(TSpinDirection Value);
    TWinControl* FocusControl() const { return m_focusControl; }
    void SetFocusControl(TWinControl* Value);
    TBitmap* UpGlyph() const { return m_upButton->Glyph(); }
    TBitmap* DownGlyph() const { return m_downButton->Glyph(); }
    // nullptr loads the arrow's default picture.
    void SetUpGlyph(TBitmap* Value);
    void SetDownGlyph(TBitmap* Value);
    Integer UpNumGlyphs() const { return m_upButton->NumGlyphs(); }
    void SetUpNumGlyphs(Integer Value) { m_upButton->SetNumGlyphs(Value); }
    Integer DownNumGlyphs() const { return m_downButton->NumGlyphs(); }
    void SetDownNumGlyphs(Integer Value) { m_downButton->SetNumGlyphs(Value); }
    void SetIsWinXP(bool Value);
    bool IsWinXP() const { return m_isWinXP; }

    TExtTimerSpeedButton* UpButton() const { return m_upButton; }
    TExtTimerSpeedButton* DownButton() const { return m_downButton; }
    TExtTimerSpeedButton* FocusedButton() const { return m_focusedButton; }

    // Fill colours of the arrows; clNone keeps the themed or classic look.
    TColor ButtonColor = clNone;
    TColor ButtonColorHot = clNone;
    TColor ButtonColorDown = clNone;
    TColor ButtonTextColor = clNone;
    TColor ButtonTextColorHot = clNone;
    TColor ButtonTextColorDown = clNone;
    TColor ButtonBorderColor = clNone;

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

protected:
    LRESULT DialogCode() const override { return DLGC_WANTARROWS; }
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Dispatch(TMessage& Message) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void PaintWindow(TCanvas& Canvas) override;

private:
    TExtTimerSpeedButton* CreateButton(TButtonDirection Direction, const char16_t* Glyph);
    // Lays the arrows out in W x H (W raised to the direction's minimum).
    void AdjustSize(Integer& W, Integer& H);
    void SetFocusBtn(TExtTimerSpeedButton* Button);
    void BtnMouseDown(TObject* Sender, TMouseButton Button);
    void BtnClick(TObject* Sender);
    void FocusChanged(bool Focused);
    void WMFocusChanged(TMessage& Message, bool Focused);
    // A size the arrows do not fit is raised to their minimum.
    void WMSize(TMessage& Message);

    TExtTimerSpeedButton* m_upButton = nullptr;  // owned (component owner)
    TExtTimerSpeedButton* m_downButton = nullptr;
    TExtTimerSpeedButton* m_focusedButton = nullptr;
    TWinControl* m_focusControl = nullptr;
    TSpinDirection m_direction = spVertical;
    bool m_isWinXP = false;
};

}  // namespace gw
