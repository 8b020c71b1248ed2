// Message boxes as a modal form of our own: text, buttons, Enter to the default, Escape to cancel.
#include "platform/ui/dialogs.h"

#include "platform/graphics/canvas.h"
#include "platform/ui/application.h"

#include <algorithm>

namespace gw {

// A push button of the message box.
class TMessageButton : public TCustomControl {
public:
    TMessageButton(TComponent* AOwner, TModalResult Result, const String& Caption)
        : TCustomControl(AOwner), m_result(Result)
    {
        SetCaption(Caption);
        SetTabStop(true);
        SetBounds(0, 0, 75, 25);
        SetColor(clBtnFace);
    }
    String ClassName() const override { return u"TMessageButton"; }

    TModalResult Result() const { return m_result; }
    bool Default = false;
    bool Cancel = false;

    void Click() override
    {
        if (auto* form = GetParentForm(this)) form->ModalResult = m_result;
        TCustomControl::Click();
    }

protected:
    LRESULT DialogCode() const override { return Default ? DLGC_BUTTON | DLGC_DEFPUSHBUTTON : DLGC_BUTTON; }
    void Dispatch(TMessage& M) override
    {
        switch (M.Msg) {
        case CM_DIALOGKEY: {
            Word key = TWMKey(M).Key;
            bool focusedButton = dynamic_cast<TMessageButton*>(GetParentForm(this)->ActiveControl()) != nullptr;
            bool enter = key == VK_RETURN && (Focused() || (Default && !focusedButton));
            bool escape = key == VK_ESCAPE && Cancel;
            if ((enter || escape) && TWMKey(M).Shift() == 0 && CanFocus()) {
                Click();
                M.Result = 1;
                return;
            }
            break;
        }
        case CM_DIALOGCHAR: {
            Char c = TWMChar(M).CharCode;
            auto amp = Caption().find(u'&');
            if (amp != String::npos && amp + 1 < Caption().size() && CanFocus() &&
                std::towupper(wint_t(Caption()[amp + 1])) == std::towupper(wint_t(c))) {
                Click();
                M.Result = 1;
                return;
            }
            break;
        }
        case WM_KEYUP:
            if (TWMKey(M).Key == VK_SPACE) Click();
            break;
        default: break;
        }
        TCustomControl::Dispatch(M);
    }

    void Paint() override
    {
        TCanvas* c = Canvas();
        TRect r = ClientRect();
        c->Brush()->SetColor(Color());
        c->Pen()->SetColor(Focused() || Default ? clBlack : clBtnShadow);
        c->Rectangle(r);
        c->Brush()->SetStyle(bsClear);
        c->DrawText(Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (Focused()) {
            InflateRect(r, -4, -4);
            c->DrawFocusRect(r);
        }
    }

private:
    TModalResult m_result;
};

String MessageDlgCaption(TMsgDlgType DlgType)
{
    switch (DlgType) {
    case mtWarning: return u"Warning";
    case mtError: return u"Error";
    case mtInformation: return u"Information";
    case mtConfirmation: return u"Confirm";
    default: return Application ? Application->Title : String();
    }
}

TModalResult ModalResultOf(TMsgDlgBtn Button)
{
    switch (Button) {
    case mbYes: return mrYes;
    case mbNo: return mrNo;
    case mbOK: return mrOk;
    case mbCancel: return mrCancel;
    case mbAbort: return mrAbort;
    case mbRetry: return mrRetry;
    case mbIgnore: return mrIgnore;
    case mbAll: return mrAll;
    case mbNoToAll: return mrNoToAll;
    case mbYesToAll: return mrYesToAll;
    default: return mrNone;
    }
}

String ButtonCaptionOf(TMsgDlgBtn Button)
{
    switch (Button) {
    case mbYes: return u"&Yes";
    case mbNo: return u"&No";
    case mbOK: return u"OK";
    case mbCancel: return u"Cancel";
    case mbAbort: return u"&Abort";
    case mbRetry: return u"&Retry";
    case mbIgnore: return u"&Ignore";
    case mbAll: return u"&All";
    case mbNoToAll: return u"N&o to All";
    case mbYesToAll: return u"Yes to &All";
    case mbHelp: return u"&Help";
    default: return {};
    }
}

namespace {
constexpr TMsgDlgBtn ButtonOrder[] = {mbYes,    mbNo,  mbOK,      mbCancel,   mbAbort, mbRetry,
                                      mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp};
constexpr Integer Margin = 12;
constexpr Integer Gap = 8;
constexpr Integer IconSize = 32;
}  // namespace

TMessageForm::TMessageForm(TComponent* AOwner, const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                           TMsgDlgBtn DefaultButton)
    : TForm(AOwner), m_message(Msg), m_type(DlgType)
{
    SetBorderStyle(bsDialog);
    Position = poScreenCenter;
    BorderIcons = biSystemMenu;
    SetCaption(MessageDlgCaption(DlgType));
    if (Buttons == 0) Buttons = mbOK;
    TMsgDlgBtn cancel = (Buttons & mbCancel) ? mbCancel : (Buttons & mbNo) ? mbNo : mbOK;
    if (!(Buttons & DefaultButton)) DefaultButton = (Buttons & mbOK) ? mbOK : (Buttons & mbYes) ? mbYes : mbRetry;
    for (TMsgDlgBtn b : ButtonOrder) {
        if (!(Buttons & b)) continue;
        auto* button = new TMessageButton(this, ModalResultOf(b), ButtonCaptionOf(b));
        button->Default = b == DefaultButton;
        button->Cancel = b == cancel;
        button->SetParent(this);
        m_buttons.push_back(button);
    }
    // Text first, then the buttons in a centred row below it.
    TCanvas measure;
    measure.Font()->Assign(Font());
    TRect text = Rect(0, 0, 400, 0);
    measure.DrawText(Msg, text, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    bool icon = DlgType != mtCustom;
    Integer textLeft = Margin + (icon ? IconSize + Margin : 0);
    Integer rowWidth = Integer(m_buttons.size()) * 75 + (Integer(m_buttons.size()) - 1) * Gap;
    Integer width = std::max(textLeft + text.Width() + Margin, rowWidth + 2 * Margin);
    Integer textHeight = std::max(text.Height(), icon ? IconSize : 0);
    Integer height = Margin + textHeight + Margin + 25 + Margin;
    SetBounds(0, 0, width, height);
    m_textRect = Bounds(textLeft, Margin, text.Width(), text.Height());
    Integer x = (width - rowWidth) / 2, y = Margin + textHeight + Margin;
    for (TMessageButton* b : m_buttons) {
        b->SetBounds(x, y, 75, 25);
        x += 75 + Gap;
        if (b->Default) SetActiveControl(b);
    }
}

std::vector<TModalResult> TMessageForm::ButtonResults() const
{
    std::vector<TModalResult> r;
    for (TMessageButton* b : m_buttons) r.push_back(b->Result());
    return r;
}

std::vector<String> TMessageForm::ButtonCaptions() const
{
    std::vector<String> r;
    for (TMessageButton* b : m_buttons) r.push_back(b->Caption());
    return r;
}

bool TMessageForm::ClickButton(TModalResult Result)
{
    for (TMessageButton* b : m_buttons)
        if (b->Result() == Result) {
            b->Click();
            return true;
        }
    return false;
}

void TMessageForm::PaintWindow(TCanvas& Canvas) { Paint(Canvas); }

void TMessageForm::Paint(TCanvas& Canvas)
{
    if (m_type != mtCustom) {
        static const TColor colours[] = {clYellow, clRed, clBlue, clBlue};
        Canvas.Brush()->SetColor(colours[m_type]);
        Canvas.Pen()->SetColor(clBlack);
        Canvas.Ellipse(Bounds(Margin, Margin, IconSize, IconSize));
    }
    Canvas.Font()->Assign(Font());
    Canvas.Brush()->SetStyle(bsClear);
    TRect r = m_textRect;
    Canvas.DrawText(m_message, r, DT_WORDBREAK | DT_NOPREFIX);
}

TMessageForm* CreateMessageDialog(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                                  TMsgDlgBtn DefaultButton)
{
    return new TMessageForm(Application, Msg, DlgType, Buttons, DefaultButton);
}

TModalResult MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, Integer HelpCtx)
{
    return MessageDlg(Msg, DlgType, Buttons, HelpCtx, TMsgDlgBtn(0));
}

TModalResult MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, Integer /*HelpCtx*/,
                        TMsgDlgBtn DefaultButton)
{
    std::unique_ptr<TMessageForm> form(CreateMessageDialog(Msg, DlgType, Buttons, DefaultButton));
    return form->ShowModal();
}

void ShowMessage(const String& Msg)
{
    std::unique_ptr<TMessageForm> form(CreateMessageDialog(Msg, mtCustom, mbOK, mbOK));
    form->ShowModal();
}

}  // namespace gw
