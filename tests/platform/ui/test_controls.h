// Small focusable controls that write the messages they receive into the harness log.
#pragma once

#include "platform/backends/headless/harness.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/forms.h"

#include <set>
#include <string>

namespace gw::test {

// Logs "<name> <message>" for the messages in Watched, before handling them.
class TLogControl : public TCustomControl {
public:
    TLogControl(TComponent* AOwner, TWinControl* AParent, TEventLog& Log, const std::string& LogName,
                TRect Bounds = Rect(0, 0, 80, 24))
        : TCustomControl(AOwner), m_log(Log), m_name(LogName)
    {
        SetName(Utf8ToString(LogName));
        SetTabStop(true);
        SetBoundsRect(Bounds);
        SetParent(AParent);
    }
    String ClassName() const override { return u"TLogControl"; }

    std::set<UINT> Watched{WM_SETFOCUS,      WM_KILLFOCUS,  CM_ENTER,      CM_EXIT,           WM_KEYDOWN,
                           WM_KEYUP,         WM_CHAR,       WM_SYSCHAR,    WM_LBUTTONDOWN,    WM_LBUTTONUP,
                           WM_LBUTTONDBLCLK, WM_CANCELMODE, CM_CANCELMODE, WM_CAPTURECHANGED, CM_MOUSEENTER,
                           CM_MOUSELEAVE,    WM_TIMER,      WM_USER};
    // Answer of WM_GETDLGCODE, and the keys answered in CM_WANTSPECIALKEY.
    LRESULT DlgCode = 0;
    std::set<Word> SpecialKeys;

    void WndProc(TMessage& M) override
    {
        if (Watched.count(M.Msg)) {
            std::string e = m_name + " " + MessageName(M.Msg);
            if (M.Msg == WM_KEYDOWN || M.Msg == WM_KEYUP) e += " " + std::to_string(M.WParam);
            if (M.Msg == WM_CHAR || M.Msg == WM_SYSCHAR) e += " " + std::string(1, char(M.WParam));
            m_log.Add(e);
        }
        if (M.Msg == WM_GETDLGCODE) {
            M.Result = DlgCode;
            return;
        }
        if (M.Msg == CM_WANTSPECIALKEY) {
            M.Result = SpecialKeys.count(Word(M.WParam)) ? 1 : 0;
            return;
        }
        TCustomControl::WndProc(M);
    }

private:
    TEventLog& m_log;
    std::string m_name;
};

// A push button with Default and Cancel, clicked by Enter and Escape as dialog keys.
class TTestButton : public TCustomControl {
public:
    TTestButton(TComponent* AOwner, TWinControl* AParent, TEventLog& Log, const std::string& LogName,
                TRect Bounds = Rect(0, 0, 75, 25))
        : TCustomControl(AOwner), m_log(Log), m_name(LogName)
    {
        SetTabStop(true);
        SetBoundsRect(Bounds);
        SetParent(AParent);
    }
    String ClassName() const override { return u"TTestButton"; }
    bool Default = false;
    bool Cancel = false;
    TModalResult ModalResult = mrNone;

    void Click() override
    {
        m_log.Add(m_name + " click");
        if (ModalResult != mrNone)
            if (auto* f = GetParentForm(this)) f->ModalResult = ModalResult;
        TCustomControl::Click();
    }

protected:
    void Dispatch(TMessage& M) override
    {
        if (M.Msg == CM_DIALOGKEY) {
            bool enter = M.WParam == VK_RETURN && Default;
            bool escape = M.WParam == VK_ESCAPE && Cancel;
            if ((enter || escape) && KeyDataToShiftState(M.LParam) == 0 && CanFocus()) {
                Click();
                M.Result = 1;
                return;
            }
        }
        TCustomControl::Dispatch(M);
    }

private:
    TEventLog& m_log;
    std::string m_name;
};

// A form of a given size shown at a fixed place.
inline TForm* MakeForm(TComponent* Owner, TRect Bounds = Rect(100, 100, 500, 400))
{
    auto* f = new TForm(Owner);
    f->SetBoundsRect(Bounds);
    return f;
}

}  // namespace gw::test
