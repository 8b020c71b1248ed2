// TCustomForm and TForm: top-level windows with an active control, dialog keys and modal loops.
#pragma once

#include "platform/ui/win_control.h"

namespace gw {

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : uint8_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = uint8_t;
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

// TCustomForm::FormState bits.
enum TFormStateBit : Cardinal { fsCreating = 1, fsVisible = 2, fsShowing = 4, fsModal = 8, fsActivated = 16 };
using TFormState = Cardinal;

using TModalResult = Integer;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;
    String ClassName() const override { return u"TCustomForm"; }

    void Dispatch(TMessage& Message) override;

    // Raises OnCreate once; Application.CreateForm calls it after construction, and Show
    // calls it for forms made otherwise.
    void DoCreate();

    // --- showing and closing -------------------------------------------------------------------
    void Show();
    void Hide();
    // Asks OnCloseQuery, then OnClose decides: hide (the default), free, nothing.
    void Close();
    // Frees the form once the messages now queued have been handled.
    void Release();
    bool CloseQuery();
    // Runs a nested loop until ModalResult is set; returns it.
    TModalResult ShowModal();
    TModalResult ModalResult = mrNone;
    TFormState FormState() const { return m_formState; }

    // --- focus -----------------------------------------------------------------------------------
    bool Active() const { return m_active; }
    TWinControl* ActiveControl() const { return m_activeControl; }
    // EInvalidOperation when Control cannot take the focus.
    void SetActiveControl(TWinControl* Control);
    void FocusControl(TWinControl* Control);
    void SetFocus() override;
    bool CanFocus() const override;
    // A form keeps its place: its children and its client size scale.
    void ChangeScale(Integer M, Integer D) override;
    // The focus reaches Control: CM_EXIT and CM_ENTER along the way, CM_FOCUSCHANGED; false
    // when a handler moved the focus elsewhere meanwhile.
    bool SetFocusedControl(TWinControl* Control);
    // Control leaves (Removing) or cannot keep the focus: the form forgets it.
    void DefocusControl(TWinControl* Control, bool Removing);
    TWinControl* FocusedControl() const { return m_focusedControl; }

    // --- appearance ------------------------------------------------------------------------------
    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle Value) { m_borderStyle = Value; }
    TBorderIcons BorderIcons = biSystemMenu | biMinimize | biMaximize;
    TPosition Position = poDesigned;
    TFormStyle FormStyle = fsNormal;
    bool KeyPreview = false;
    // Translucency: with AlphaBlend the whole form is AlphaBlendValue / 255 opaque (a layered
    // window given that opacity); each setter applies at once to a form that has its window.
    bool AlphaBlend() const { return m_alphaBlend; }
    void SetAlphaBlend(bool Value);
    Byte AlphaBlendValue() const { return m_alphaBlendValue; }
    void SetAlphaBlendValue(Byte Value);

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& Action);
    virtual void Activate();
    virtual void Deactivate();
    bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) override;
    void CMDialogKey(TMessage& Message) override;
    // Puts the window in its place by Position before it is first shown.
    void PlaceByPosition();
    void SetWindowFocus();

private:
    friend class TWinControl;
    // WM_ACTIVATE: the form's active state, its screen's active form and its events.
    void ActivationChanged(const TWMActivate& Activation);
    void ShowWindowNow(bool Visible);
    void ApplyAlphaBlend();

    TWinControl* m_activeControl = nullptr;
    TWinControl* m_focusedControl = nullptr;
    bool m_active = false;
    bool m_created = false;
    bool m_placed = false;
    TFormState m_formState = 0;
    TFormBorderStyle m_borderStyle = bsSizeable;
    bool m_alphaBlend = false;
    Byte m_alphaBlendValue = 255;
    Integer m_focusCount = 0;
};

class TForm : public TCustomForm {
public:
    explicit TForm(TComponent* AOwner);
    String ClassName() const override { return u"TForm"; }
};

}  // namespace gw
