// The string grid's balloon tooltips: one tooltip window in balloon style for the grid's client
// area, its text asked for when it shows, made when balloons are switched on and freed when they
// are switched off or the grid goes.
#include "grid/foundation/layered_window.h"
#include "grid/model/balloon_settings.h"
#include "grid/model/ext_string_grid.h"
#include "platform/controls/balloon_tooltip.h"

#include <algorithm>
#include <array>

namespace gw {

namespace {

// The title is copied into a zeroed buffer of this many bytes: at most 255 characters.
constexpr std::size_t TitleBufferBytes = 512;
constexpr std::size_t TitleMaxChars = 255;
const String BalloonTitle = u"ToolTipText";
constexpr WPARAM BalloonIcon = TTI_ERROR;

void SetDelay(HWND Tip, WPARAM Kind, Integer Milliseconds)
{
    if (Milliseconds != -1) SendMessage(Tip, TTM_SETDELAYTIME, Kind, LPARAM(Milliseconds));
}

}  // namespace

void TExtStringGrid::BalloonInit()
{
    // Without a window yet, the window's creation starts them.
    if (FBalloonInit || !HandleAllocated()) return;
    FBalloonInit = true;
    FBalloonTip = CreateToolTipWindow(Handle(), TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON);
    if (!FBalloonTip) return;
    SetToolTipTopmost(FBalloonTip);
    TToolInfo tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Handle();
    tool.uId = uintptr_t(Handle());
    tool.rect = ClientRect();
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessage(FBalloonTip, TTM_ADDTOOLW, 0, LPARAM(&tool));
    std::array<Char, TitleBufferBytes / sizeof(Char)> title{};
    std::copy_n(BalloonTitle.begin(), std::min(BalloonTitle.size(), TitleMaxChars), title.begin());
    SendMessage(FBalloonTip, TTM_SETTITLEW, BalloonIcon, LPARAM(title.data()));
    SetDelay(FBalloonTip, TTDT_INITIAL, m_balloon->InitialDelay);
    SetDelay(FBalloonTip, TTDT_RESHOW, m_balloon->ReshowDelay);
    SetDelay(FBalloonTip, TTDT_AUTOPOP, m_balloon->AutoHideDelay);
    if (m_balloon->Transparency > 0) {
        SetWindowExStyle(FBalloonTip, GetWindowExStyle(FBalloonTip) | WS_EX_LAYERED);
        SetLayeredWindowAttributesIfPresent(FBalloonTip, 0, Byte(255 - m_balloon->Transparency), LWA_ALPHA);
    }
}

void TExtStringGrid::BalloonDone()
{
    if (FBalloonInit && FBalloonTip) DestroyWindow(FBalloonTip);
    FBalloonTip = 0;
    FBalloonInit = false;
}

}  // namespace gw
