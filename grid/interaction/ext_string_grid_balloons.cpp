// The string grid's balloon tooltips: one tooltip window in balloon style for the grid's client
// area, made when balloons are switched on and freed when they are switched off or the grid goes;
// its text asked for when it shows (the plain text of the cell under the mouse, or the cell's own
// balloon), and the balloon closed when the mouse leaves that cell.
#include "grid/foundation/csv_utils.h"
#include "grid/foundation/layered_window.h"
#include "grid/foundation/markup_text.h"
#include "grid/model/balloon_settings.h"
#include "grid/model/cell_paint_geometry.h"
#include "grid/model/cell_rich_text.h"
#include "grid/model/ext_string_grid.h"
#include "platform/controls/balloon_tooltip.h"
#include "platform/ui/message_records.h"

#include <algorithm>
#include <array>

namespace gw {

namespace {

// The title is copied into a zeroed buffer of this many bytes: at most 255 characters.
constexpr std::size_t TitleBufferBytes = 512;
constexpr std::size_t TitleMaxChars = 255;
const String BalloonTitle = u"ToolTipText";
constexpr WPARAM BalloonIcon = TTI_ERROR;

// A balloon is at most this wide.
constexpr LPARAM BalloonMaxWidth = 300;

void SetDelay(HWND Tip, WPARAM Kind, Integer Milliseconds)
{
    if (Milliseconds != -1) SendMessage(Tip, TTM_SETDELAYTIME, Kind, LPARAM(Milliseconds));
}

// What a balloon shows of a cell's text: mark-up without its tags, rich text as the rich edit
// shows it, wide-encoded text decoded.
String BalloonCellText(const String& Text, bool MarkupEnabled)
{
    switch (ClassifyCellText(Text, MarkupEnabled)) {
    case ctkMarkup: return MarkupToPlainText(Text);
    case ctkRichText: return RichCellPlainText(Text);
    case ctkWideEncoded: return DecodeWideCellText(Text);
    default: return Text;
    }
}

// The title's icon as the tooltip takes it: an unknown one as none.
WPARAM TitleIcon(TBalloonIcon Icon) { return Icon <= biError ? WPARAM(Icon) : TTI_NONE; }

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
    FLastBalloonPos = {-1, -1};
}

// The tooltip's own notifications: its text request is answered only while balloons are on; its
// showing and hiding need nothing from the grid.
void TExtStringGrid::WMNotify(TMessage& Message)
{
    const UINT code = TWMNotify(Message).Code();
    if (code == TTN_GETDISPINFOW) {
        if (m_balloon->Enable()) AnswerBalloonText(Message);
        return;
    }
    if (code == TTN_SHOW || code == TTN_POP) return;
    TBaseGrid::WndProc(Message);
}

void TExtStringGrid::AnswerBalloonText(TMessage& Message)
{
    auto& info = *reinterpret_cast<NMTTDISPINFOW*>(Message.LParam);
    const TPoint mouse = ScreenToClient(GetCursorPos());
    Integer ACol = -1, ARow = -1;
    MouseToCell(mouse.X, mouse.Y, ACol, ARow);
    String title = u" ", text;
    TBalloonIcon icon = biInfo;
    if (ACol >= 0 && ARow >= 0) {
        const TPoint base = BaseCell(ACol, ARow);
        const Integer c = RealColIndex(base.X);
        text = BalloonTipText(BalloonCellText(GetCellEx(c, base.Y), EnableHTML));
        String ownTitle, ownText;
        TBalloonIcon ownIcon = biNone;
        if (IsBalloon(c, base.Y, ownTitle, ownText, ownIcon)) {
            title = ownTitle;
            text = ownText;
            icon = ownIcon;
        }
        if (OnCellBalloon) OnCellBalloon(this, c, base.Y, title, text, icon);
        FLastBalloonPos = base;
    }
    FBalloonText = text;
    info.lpszText = FBalloonText.c_str();
    const HWND tip = info.hdr.hwndFrom;
    SendMessage(tip, TTM_SETMAXTIPWIDTH, 0, BalloonMaxWidth);
    if (m_balloon->TextColor != clNone) SendMessage(tip, TTM_SETTIPTEXTCOLOR, WPARAM(ColorToRGB(m_balloon->TextColor)));
    if (m_balloon->BackgroundColor != clNone)
        SendMessage(tip, TTM_SETTIPBKCOLOR, WPARAM(ColorToRGB(m_balloon->BackgroundColor)));
    const String shownTitle = BalloonTipTitle(title);
    SendMessage(tip, TTM_SETTITLEW, TitleIcon(icon), LPARAM(shownTitle.c_str()));
}

// The balloon belongs to its cell: the mouse in another one (or off the cells) closes it.
void TExtStringGrid::CloseBalloonOffCell(Integer ACol, Integer ARow)
{
    if (!m_balloon->Enable() || FLastBalloonPos.X < 0) return;
    if (ACol >= 0 && ARow >= 0 && BaseCell(ACol, ARow) == FLastBalloonPos) return;
    if (FBalloonTip) SendMessage(FBalloonTip, TTM_POP);
    FLastBalloonPos = {-1, -1};
}

}  // namespace gw
