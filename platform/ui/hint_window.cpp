// THintWindow: a frame, the info colour and the text; never activated, never focused.
#include "platform/ui/hint_window.h"

#include "platform/graphics/canvas.h"

namespace gw {

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetVisible(false);
    SetColor(clInfoBk);
    Font()->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& P)
{
    TCustomControl::CreateParams(P);
    P.Style = WS_POPUP | WS_BORDER;
    P.ExStyle |= WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    P.ClassStyle |= CS_SAVEBITS | CS_DROPSHADOW;
    P.WndParent = 0;
}

void THintWindow::Dispatch(TMessage& M)
{
    if (M.Msg == WM_MOUSEACTIVATE) {
        M.Result = MA_NOACTIVATE;
        return;
    }
    TCustomControl::Dispatch(M);
}

TRect THintWindow::CalcHintRect(Integer MaxWidth, const String& Hint, void* /*Data*/)
{
    TRect r = Rect(0, 0, MaxWidth, 0);
    Canvas()->Font()->Assign(Font());
    Canvas()->DrawText(Hint, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    r.Right += 6;
    r.Bottom += 2;
    return r;
}

void THintWindow::ActivateHint(const TRect& R, const String& Hint)
{
    SetText(Hint);
    SetBounds(R.Left, R.Top, R.Width(), R.Height());
    HWND h = Handle();
    SetWindowZOrder(h, 0);
    ShowWindow(h, true);
    Invalidate();
}

void THintWindow::ActivateHintData(const TRect& R, const String& Hint, void* /*Data*/) { ActivateHint(R, Hint); }

void THintWindow::ReleaseHandle()
{
    if (HandleAllocated()) ShowWindow(HandleIfAllocated(), false);
}

bool THintWindow::IsShowing() const { return HandleAllocated() && IsWindowVisible(HandleIfAllocated()); }

void THintWindow::Paint()
{
    TRect r = ClientRect();
    Canvas()->Brush()->SetColor(Color());
    Canvas()->Pen()->SetColor(clBlack);
    Canvas()->Rectangle(r);
    InflateRect(r, -2, -1);
    Canvas()->Brush()->SetStyle(bsClear);
    Canvas()->DrawText(Text(), r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

}  // namespace gw
