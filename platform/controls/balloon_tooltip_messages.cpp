// The tooltip window's TTM_* requests: tools added, changed and removed, delays, title, width,
// activation and tracking; what a program asks, apart from the mouse and timers that show and
// hide the tip (balloon_tooltip.cpp).
#include "platform/controls/balloon_tooltip_state.h"
#include "platform/controls/control_message_records.h"

#include <algorithm>

namespace gw::detail {

namespace {

bool SameTool(const TToolInfo& A, const TToolInfo& B) { return A.hwnd == B.hwnd && A.uId == B.uId; }

void Activate(TToolTip& T, bool Active)
{
    T.State.Active = Active;
    if (!Active) HideTip(T);
}

// A tool of the same window and id is replaced. The caller's text is copied, not kept.
LRESULT AddTool(const std::shared_ptr<TToolTip>& T, const TToolInfo* Info)
{
    if (!Info) return 0;
    TTool tool;
    tool.Info = *Info;
    tool.Callback = tool.Info.lpszText == LPSTR_TEXTCALLBACKW;
    if (!tool.Callback && tool.Info.lpszText) tool.Text = tool.Info.lpszText;
    tool.Info.lpszText = nullptr;
    for (TTool& existing : T->Tools)
        if (SameTool(existing.Info, tool.Info)) {
            existing = tool;
            return 1;
        }
    T->Tools.push_back(tool);
    T->State.ToolCount = Integer(T->Tools.size());
    if (tool.Info.uFlags & TTF_SUBCLASS)
        Subclass(T, (tool.Info.uFlags & TTF_IDISHWND) ? HWND(tool.Info.uId) : tool.Info.hwnd);
    return 1;
}

void DelTool(TToolTip& T, const TToolInfo* Key)
{
    if (!Key) return;
    std::erase_if(T.Tools, [&](const TTool& x) { return SameTool(x.Info, *Key); });
    T.State.ToolCount = Integer(T.Tools.size());
    HideTip(T);
    T.Current = -1;
}

void NewToolRect(TToolTip& T, const TToolInfo* Key)
{
    if (!Key) return;
    for (TTool& x : T.Tools)
        if (SameTool(x.Info, *Key)) x.Info.rect = Key->rect;
}

void UpdateTipText(TToolTip& T, const TToolInfo* Key)
{
    if (!Key) return;
    for (TTool& x : T.Tools)
        if (SameTool(x.Info, *Key)) {
            x.Callback = Key->lpszText == LPSTR_TEXTCALLBACKW;
            x.Text = x.Callback || !Key->lpszText ? String() : String(Key->lpszText);
        }
}

LRESULT SetTitle(TToolTip& T, const TTMSetTitle& Request)
{
    String title = Request.Title ? String(Request.Title) : String();
    if (title.size() > 99) title.resize(99);  // the platform keeps titles short
    T.State.Title = title;
    T.State.Icon = Request.Icon <= TTI_ERROR ? Request.Icon : TTI_NONE;
    return 1;
}

// TTDT_AUTOMATIC sets all three from one: the pop-up stays ten times, the reshow a fifth.
void SetDelayTime(TToolTip& T, const TTMDelayTime& Request)
{
    const Integer ms = Request.Milliseconds;
    const bool reset = ms < 0;
    switch (Request.Kind) {
    case TTDT_INITIAL: T.State.InitialDelay = reset ? 500 : ms; return;
    case TTDT_AUTOPOP: T.State.AutoPopDelay = reset ? 5000 : ms; return;
    case TTDT_RESHOW: T.State.ReshowDelay = reset ? 100 : ms; return;
    case TTDT_AUTOMATIC:
        T.State.InitialDelay = reset ? 500 : ms;
        T.State.AutoPopDelay = reset ? 5000 : ms * 10;
        T.State.ReshowDelay = reset ? 100 : ms / 5;
        return;
    default: return;
    }
}

LRESULT DelayTime(const TToolTip& T, const TTMDelayTime& Request)
{
    switch (Request.Kind) {
    case TTDT_AUTOPOP: return T.State.AutoPopDelay;
    case TTDT_RESHOW: return T.State.ReshowDelay;
    default: return T.State.InitialDelay;
    }
}

LRESULT SetMaxTipWidth(TToolTip& T, Integer Width)
{
    const Integer previous = T.State.MaxTipWidth;
    T.State.MaxTipWidth = Width;
    return previous;
}

// A new colour shows at once on a tip that shows.
void SetTipColor(TToolTip& T, TColor& Slot, TColor Value)
{
    Slot = Value;
    if (T.State.Visible) InvalidateRect(T.Self, nullptr, true);
}

void UpdateTip(TToolTip& T)
{
    if (T.State.Visible && T.Current >= 0) ShowTip(T, T.Current, T.Cursor);
}

void RelayEvent(TToolTip& T, const TMsg* Msg)
{
    if (Msg) RelayMouse(T, Msg->message, Msg->hwnd ? ClientToScreen(Msg->hwnd, LParamToPoint(Msg->lParam)) : Msg->pt);
}

// On: the tool's tip shows at the tracking position and stays; off: it goes.
void TrackActivate(TToolTip& T, bool On, const TToolInfo* Key)
{
    if (!On || !Key) {
        T.TrackTool = -1;
        HideTip(T);
        return;
    }
    for (std::size_t i = 0; i < T.Tools.size(); ++i)
        if (SameTool(T.Tools[i].Info, *Key)) T.TrackTool = Integer(i);
    if (T.TrackTool < 0) return;
    T.Current = T.TrackTool;
    ShowTip(T, T.TrackTool, T.Cursor);
}

void TrackPosition(TToolTip& T, TPoint Screen)
{
    T.Cursor = Screen;
    if (T.TrackTool >= 0 && T.State.Visible) ShowTip(T, T.TrackTool, T.Cursor);
}

}  // namespace

bool ToolTipRequest(const std::shared_ptr<TToolTip>& T, TMessage& M)
{
    TToolTip& t = *T;
    switch (M.Msg) {
    case TTM_ACTIVATE: Activate(t, TWMFlag(M).Value); return true;
    case TTM_ADDTOOLW: M.Result = AddTool(T, TWMRecord<const TToolInfo>(M).Data); return true;
    case TTM_DELTOOLW: DelTool(t, TWMRecord<const TToolInfo>(M).Data); return true;
    case TTM_NEWTOOLRECTW: NewToolRect(t, TWMRecord<const TToolInfo>(M).Data); return true;
    case TTM_UPDATETIPTEXTW: UpdateTipText(t, TWMRecord<const TToolInfo>(M).Data); return true;
    case TTM_GETTOOLCOUNT: M.Result = LRESULT(t.Tools.size()); return true;
    case TTM_SETTITLEW: M.Result = SetTitle(t, TTMSetTitle(M)); return true;
    case TTM_SETDELAYTIME: SetDelayTime(t, TTMDelayTime(M)); return true;
    case TTM_GETDELAYTIME: M.Result = DelayTime(t, TTMDelayTime(M)); return true;
    case TTM_SETMAXTIPWIDTH: M.Result = SetMaxTipWidth(t, TWMLParamValue(M).AsInteger()); return true;
    case TTM_SETTIPBKCOLOR: SetTipColor(t, t.State.TipBkColor, TWMColor(M).Colour); return true;
    case TTM_SETTIPTEXTCOLOR: SetTipColor(t, t.State.TipTextColor, TWMColor(M).Colour); return true;
    case TTM_GETTIPBKCOLOR: M.Result = LRESULT(ColorToRGB(t.State.TipBkColor)); return true;
    case TTM_GETTIPTEXTCOLOR: M.Result = LRESULT(ColorToRGB(t.State.TipTextColor)); return true;
    case TTM_POP: HideTip(t); return true;
    case TTM_UPDATE: UpdateTip(t); return true;
    case TTM_RELAYEVENT: RelayEvent(t, TWMRecord<const TMsg>(M).Data); return true;
    case TTM_TRACKACTIVATE: TrackActivate(t, TWMFlag(M).Value, TWMRecord<const TToolInfo>(M).Data); return true;
    case TTM_TRACKPOSITION: TrackPosition(t, TWMPoint(M).Pos); return true;
    default: return false;
    }
}

}  // namespace gw::detail
