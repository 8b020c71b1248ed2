// The balloon an edit box shows on request, on the balloon tooltip window.
#include "platform/controls/edit_balloon.h"

#include "platform/controls/balloon_tooltip.h"
#include "platform/controls/edit_engine.h"

#include <algorithm>

namespace gw {

bool TEditBalloon::Show(HWND Host, const TEditBalloonTip* Tip, TPoint Stem)
{
    if (!Tip || !Tip->pszText || !IsWindow(Host)) return false;
    Hide();
    m_tip = CreateToolTipWindow(GetTopLevelWindow(Host), TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON);
    SetToolTipTopmost(m_tip);
    TToolInfo ti;
    ti.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    ti.hwnd = Host;
    ti.uId = 1;
    ti.lpszText = Tip->pszText;
    SendMessage(m_tip, TTM_ADDTOOLW, 0, LPARAM(&ti));
    SendMessage(m_tip, TTM_SETTITLEW, WPARAM(std::max(0, Tip->ttiIcon)), LPARAM(Tip->pszTitle));
    const TPoint at = ClientToScreen(Host, Stem);
    SendMessage(m_tip, TTM_TRACKPOSITION, 0, MakeLParam(at.X, at.Y));
    SendMessage(m_tip, TTM_TRACKACTIVATE, 1, LPARAM(&ti));
    return true;
}

bool TEditBalloon::Hide()
{
    if (m_tip && IsWindow(m_tip)) DestroyWindow(m_tip);
    m_tip = 0;
    return true;
}

bool TEditBalloon::Visible() const
{
    TToolTipInfo info;
    return m_tip && GetToolTipInfo(m_tip, info) && info.Visible;
}

TPoint CaretBalloonStem(const TEditEngine& Engine, TSize Client)
{
    const TPoint caret = Engine.PosFromChar(Engine.Buffer.Caret());
    const Integer below = Engine.Multiline ? std::clamp(caret.Y + Engine.LineHeight(), 0, Client.cy) : Client.cy;
    return {std::clamp(caret.X, 0, std::max(0, Client.cx - 1)), below};
}

}  // namespace gw
