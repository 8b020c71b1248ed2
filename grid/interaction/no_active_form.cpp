// TNoActiveForm: the drag image's form.
#include "grid/interaction/no_active_form.h"

namespace gw {

void TNoActiveForm::CreateParams(TCreateParams& Params)
{
    TForm::CreateParams(Params);
    Params.Style = WS_POPUP | WS_DISABLED | WS_BORDER;
    Params.ClassStyle |= CS_SAVEBITS;
}

void TNoActiveForm::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_MOUSEACTIVATE: Message.Result = MA_NOACTIVATE; return;
    case WM_ACTIVATE:
        TForm::Dispatch(Message);
        Message.Result = 1;
        return;
    default: TForm::Dispatch(Message); return;
    }
}

}  // namespace gw
