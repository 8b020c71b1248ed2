// Message boxes: MessageDlg and friends, drawn as our own modal form on every back end.
#pragma once

#include "platform/ui/forms.h"

#include <vector>

namespace gw {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

enum TMsgDlgBtn : uint16_t {
    mbYes = 1 << 0,
    mbNo = 1 << 1,
    mbOK = 1 << 2,
    mbCancel = 1 << 3,
    mbAbort = 1 << 4,
    mbRetry = 1 << 5,
    mbIgnore = 1 << 6,
    mbAll = 1 << 7,
    mbNoToAll = 1 << 8,
    mbYesToAll = 1 << 9,
    mbHelp = 1 << 10,
};
using TMsgDlgButtons = uint16_t;
constexpr TMsgDlgButtons mbYesNo = mbYes | mbNo;
constexpr TMsgDlgButtons mbYesNoCancel = mbYes | mbNo | mbCancel;
constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;
constexpr TMsgDlgButtons mbAbortRetryIgnore = mbAbort | mbRetry | mbIgnore;

class TMessageButton;

// The form of a message box: the text, an icon by type, and one button per answer.
class TMessageForm : public TForm {
public:
    TMessageForm(TComponent* AOwner, const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                 TMsgDlgBtn DefaultButton);
    String ClassName() const override { return u"TMessageForm"; }

    const String& Message() const { return m_message; }
    TMsgDlgType DlgType() const { return m_type; }
    // The modal results of the buttons, left to right.
    std::vector<TModalResult> ButtonResults() const;
    // The captions of the buttons, left to right.
    std::vector<String> ButtonCaptions() const;
    // Clicks the button that answers Result; false when there is none.
    bool ClickButton(TModalResult Result);

protected:
    void Paint(TCanvas& Canvas);
    void PaintWindow(TCanvas& Canvas) override;

private:
    String m_message;
    TMsgDlgType m_type;
    std::vector<TMessageButton*> m_buttons;
    TRect m_textRect;
};

// The caption of a message box of that type ("Warning", "Error", ...).
String MessageDlgCaption(TMsgDlgType DlgType);
// The modal result and caption of a button.
TModalResult ModalResultOf(TMsgDlgBtn Button);
String ButtonCaptionOf(TMsgDlgBtn Button);

TMessageForm* CreateMessageDialog(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                                  TMsgDlgBtn DefaultButton);
// Shows the box modally and answers the modal result of the button chosen (Escape and closing
// give mrCancel, or the only button's result when there is no Cancel).
TModalResult MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, Integer HelpCtx = 0);
TModalResult MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, Integer HelpCtx,
                        TMsgDlgBtn DefaultButton);
void ShowMessage(const String& Msg);

}  // namespace gw
