// The tooltip window: tools, delays, the text asked from the owner, and the balloon drawing.
#include "platform/controls/balloon_tooltip.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/region.h"
#include "platform/ui/backend.h"
#include "platform/ui/message_records.h"

#include <map>
#include <memory>
#include <vector>

namespace gw {

namespace {

constexpr uintptr_t InitialTimer = 1;
constexpr uintptr_t AutoPopTimer = 2;
constexpr Integer Padding = 8;
constexpr Integer StemHeight = 12;
constexpr Integer IconSize = 16;

struct TTool {
    TToolInfo Info;
    String Text;
    bool Callback = false;
};

struct THook {
    HWND Wnd = 0;
    TWndProc Previous;
    std::shared_ptr<bool> Alive;
};

struct TToolTip {
    HWND Self = 0;
    TToolTipInfo State;
    std::vector<TTool> Tools;
    std::vector<THook> Hooks;
    Integer Current = -1;  // the tool under the mouse
    TPoint Cursor;  // screen
    Integer TrackTool = -1;  // tracking mode
    bool Waiting = false;  // the initial (or reshow) delay runs
};

std::map<HWND, std::shared_ptr<TToolTip>>& Registry()
{
    static std::map<HWND, std::shared_ptr<TToolTip>> r;
    return r;
}

// The tool's area in screen coordinates.
TRect ToolScreenRect(const TTool& T)
{
    if (T.Info.uFlags & TTF_IDISHWND) return IsWindow(HWND(T.Info.uId)) ? GetWindowRect(HWND(T.Info.uId)) : TRect{};
    if (!IsWindow(T.Info.hwnd)) return {};
    TPoint o = ClientToScreen(T.Info.hwnd, {0, 0});
    TRect r = T.Info.rect;
    OffsetRect(r, o.X, o.Y);
    return r;
}

bool SameTool(const TToolInfo& A, const TToolInfo& B) { return A.hwnd == B.hwnd && A.uId == B.uId; }

void Notify(TToolTip& T, const TTool& Tool, UINT Code)
{
    NMHDR h;
    h.hwndFrom = T.Self;
    h.idFrom = Tool.Info.uId;
    h.code = Code;
    if (IsWindow(Tool.Info.hwnd)) SendMessage(Tool.Info.hwnd, WM_NOTIFY, Tool.Info.uId, LPARAM(&h));
}

String TextOf(TToolTip& T, TTool& Tool)
{
    if (!Tool.Callback) return Tool.Text;
    NMTTDISPINFOW d;
    d.hdr.hwndFrom = T.Self;
    d.hdr.idFrom = Tool.Info.uId;
    d.hdr.code = TTN_GETDISPINFOW;
    d.lParam = Tool.Info.lParam;
    if (IsWindow(Tool.Info.hwnd)) SendMessage(Tool.Info.hwnd, WM_NOTIFY, Tool.Info.uId, LPARAM(&d));
    if (d.lpszText && d.lpszText != LPSTR_TEXTCALLBACKW) return String(d.lpszText);
    return String(d.szText.data());
}

void Measure(const TToolTip& T, TCanvas& C, TRect& TitleRect, TRect& TextRect, TSize& Size)
{
    Integer maxWidth = T.State.MaxTipWidth > 0 ? T.State.MaxTipWidth : 0x3FFF;
    Cardinal flags = DT_CALCRECT | DT_NOPREFIX | (T.State.MaxTipWidth > 0 ? DT_WORDBREAK : 0);
    TitleRect = {};
    if (!T.State.Title.empty()) {
        C.Font()->SetStyle(fsBold);
        TitleRect = Rect(0, 0, maxWidth, 0);
        C.DrawText(T.State.Title, TitleRect, flags);
        C.Font()->SetStyle(0);
    }
    TextRect = Rect(0, 0, maxWidth, 0);
    C.DrawText(T.State.Text, TextRect, flags);
    Integer iconW = T.State.Icon != TTI_NONE ? IconSize + 6 : 0;
    Integer titleH = std::max(TitleRect.Height(), T.State.Icon != TTI_NONE ? IconSize : 0);
    Integer w = std::max(iconW + TitleRect.Width(), TextRect.Width());
    Integer h = titleH + (titleH ? 4 : 0) + TextRect.Height();
    OffsetRect(TitleRect, Padding + iconW, Padding);
    OffsetRect(TextRect, Padding, Padding + titleH + (titleH ? 4 : 0));
    Size = {w + 2 * Padding, h + 2 * Padding};
}

void Hide(TToolTip& T)
{
    T.Waiting = false;
    KillTimer(T.Self, InitialTimer);
    KillTimer(T.Self, AutoPopTimer);
    if (!T.State.Visible) return;
    T.State.Visible = false;
    ShowWindow(T.Self, false);
    if (T.Current >= 0 && T.Current < Integer(T.Tools.size())) Notify(T, T.Tools[std::size_t(T.Current)], TTN_POP);
}

void Show(TToolTip& T, Integer ToolIndex, TPoint At)
{
    if (ToolIndex < 0 || ToolIndex >= Integer(T.Tools.size())) return;
    TTool& tool = T.Tools[std::size_t(ToolIndex)];
    String text = TextOf(T, tool);
    if (text.empty()) return;  // nothing to say: no tip
    T.State.Text = text;
    TCanvas measure;
    TRect title, body;
    TSize size;
    Measure(T, measure, title, body, size);
    bool balloon = T.State.Style & TTS_BALLOON;
    if (balloon) size.cy += StemHeight;
    TRect screen = HasBackend() ? Backend().ScreenRect() : Rect(0, 0, 1920, 1080);
    Integer x = balloon ? At.X - 20 : At.X, y = balloon ? At.Y : At.Y + 20;
    if (tool.Info.uFlags & TTF_CENTERTIP) x = At.X - size.cx / 2;
    x = std::clamp(x, screen.Left, std::max(screen.Left, screen.Right - size.cx));
    y = std::clamp(y, screen.Top, std::max(screen.Top, screen.Bottom - size.cy));
    T.State.Bounds = Bounds(x, y, size.cx, size.cy);
    MoveWindow(T.Self, T.State.Bounds, false);
    ShowWindow(T.Self, true);
    SetWindowZOrder(T.Self, 0);
    InvalidateRect(T.Self, nullptr, true);
    T.State.Visible = true;
    Notify(T, tool, TTN_SHOW);
    KillTimer(T.Self, InitialTimer);
    if (!(tool.Info.uFlags & TTF_TRACK)) SetTimer(T.Self, AutoPopTimer, UINT(std::max(1, T.State.AutoPopDelay)));
}

void Paint(TToolTip& T)
{
    TPaintStruct ps;
    BeginPaint(T.Self, ps);
    if (ps.Pixels.Surface) {
        TCanvas c(ps.Pixels.Surface);
        TRegion clip(ps.Pixels.Clip);
        c.SetDeviceClip(&clip);
        c.SetOrigin(ps.Pixels.Origin);
        TRect client = GetClientRect(T.Self);
        bool balloon = T.State.Style & TTS_BALLOON;
        TRect body = client;
        if (balloon) body.Top += StemHeight;
        c.Brush()->SetColor(clInfoBk);
        c.Brush()->SetStyle(bsSolid);
        c.Pen()->SetColor(clInfoText);
        if (balloon) {
            c.RoundRect(body.Left, body.Top, body.Right, body.Bottom, 12, 12);
            // The stem points up at the mouse, 20 pixels in from the left.
            TPoint stem[3] = {{14, StemHeight + 1}, {20, 0}, {30, StemHeight + 1}};
            c.Polygon(stem);
            c.Pen()->SetColor(clInfoBk);
            c.MoveTo(15, StemHeight);
            c.LineTo(30, StemHeight);
        } else {
            c.Rectangle(body);
        }
        TCanvas measure;
        TRect title, text;
        TSize size;
        Measure(T, measure, title, text, size);
        Integer dy = balloon ? StemHeight : 0;
        OffsetRect(title, 0, dy);
        OffsetRect(text, 0, dy);
        if (T.State.Icon != TTI_NONE) {
            TColor colour = T.State.Icon == TTI_ERROR ? clRed : T.State.Icon == TTI_WARNING ? clYellow : clBlue;
            c.Brush()->SetColor(colour);
            c.Pen()->SetColor(clBlack);
            c.Ellipse(Padding, Padding + dy, Padding + IconSize, Padding + dy + IconSize);
            c.Font()->SetColor(T.State.Icon == TTI_WARNING ? clBlack : clWhite);
            c.Brush()->SetStyle(bsClear);
            TRect mark = Bounds(Padding, Padding + dy, IconSize, IconSize);
            c.DrawText(T.State.Icon == TTI_ERROR         ? u"x"
                           : T.State.Icon == TTI_WARNING ? u"!"
                                                         : u"i",
                       mark, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        c.Brush()->SetStyle(bsClear);
        c.Font()->SetColor(clInfoText);
        Cardinal flags = DT_NOPREFIX | (T.State.MaxTipWidth > 0 ? DT_WORDBREAK : 0);
        if (!T.State.Title.empty()) {
            c.Font()->SetStyle(fsBold);
            c.DrawText(T.State.Title, title, flags);
            c.Font()->SetStyle(0);
        }
        c.DrawText(T.State.Text, text, flags);
    }
    EndPaint(T.Self, ps);
}

// A mouse message over one of the tools' windows.
void Relay(TToolTip& T, UINT Msg, TPoint Screen)
{
    if (!T.State.Active || T.TrackTool >= 0) return;
    if (Msg != WM_MOUSEMOVE) {
        Hide(T);
        return;
    }
    Integer found = -1;
    for (std::size_t i = 0; i < T.Tools.size(); ++i)
        if (!(T.Tools[i].Info.uFlags & TTF_TRACK) && PtInRect(ToolScreenRect(T.Tools[i]), Screen)) found = Integer(i);
    T.Cursor = Screen;
    if (found < 0) {
        Hide(T);
        T.Current = -1;
        return;
    }
    if (found == T.Current && (T.State.Visible || T.Waiting)) return;
    bool wasVisible = T.State.Visible;
    Hide(T);
    T.Current = found;
    T.Waiting = true;
    SetTimer(T.Self, InitialTimer, UINT(std::max(1, wasVisible ? T.State.ReshowDelay : T.State.InitialDelay)));
}

void Subclass(const std::shared_ptr<TToolTip>& T, HWND Wnd)
{
    if (!IsWindow(Wnd)) return;
    for (const THook& h : T->Hooks)
        if (h.Wnd == Wnd) return;
    THook hook;
    hook.Wnd = Wnd;
    hook.Alive = std::make_shared<bool>(true);
    std::weak_ptr<TToolTip> weak = T;
    auto alive = hook.Alive;
    auto previous = std::make_shared<TWndProc>();
    hook.Previous = SetWindowProc(Wnd, [weak, alive, previous](HWND W, UINT Msg, WPARAM WP, LPARAM LP) -> LRESULT {
        if (*alive)
            if (auto t = weak.lock()) {
                if (Msg == WM_MOUSEMOVE || Msg == WM_LBUTTONDOWN || Msg == WM_RBUTTONDOWN || Msg == WM_MBUTTONDOWN)
                    Relay(*t, Msg, ClientToScreen(W, LParamToPoint(LP)));
            }
        return CallWindowProc(*previous, W, Msg, WP, LP);
    });
    *previous = hook.Previous;
    T->Hooks.push_back(hook);
}

void Unhook(TToolTip& T)
{
    for (THook& h : T.Hooks) {
        *h.Alive = false;
        if (IsWindow(h.Wnd)) SetWindowProc(h.Wnd, h.Previous);
    }
    T.Hooks.clear();
}

LRESULT ToolTipProc(const std::shared_ptr<TToolTip>& T, HWND Wnd, UINT Msg, WPARAM WP, LPARAM LP)
{
    TToolTip& t = *T;
    switch (Msg) {
    case TTM_ACTIVATE:
        t.State.Active = WP != 0;
        if (!t.State.Active) Hide(t);
        return 0;
    case TTM_ADDTOOLW: {
        if (!LP) return 0;
        TTool tool;
        tool.Info = *reinterpret_cast<const TToolInfo*>(LP);
        tool.Callback = tool.Info.lpszText == LPSTR_TEXTCALLBACKW;
        if (!tool.Callback && tool.Info.lpszText) tool.Text = tool.Info.lpszText;
        tool.Info.lpszText = nullptr;  // the caller's buffer is not kept
        for (TTool& existing : t.Tools)
            if (SameTool(existing.Info, tool.Info)) {
                existing = tool;
                return 1;
            }
        t.Tools.push_back(tool);
        t.State.ToolCount = Integer(t.Tools.size());
        if (tool.Info.uFlags & TTF_SUBCLASS)
            Subclass(T, (tool.Info.uFlags & TTF_IDISHWND) ? HWND(tool.Info.uId) : tool.Info.hwnd);
        return 1;
    }
    case TTM_DELTOOLW:
        if (LP) {
            const TToolInfo& key = *reinterpret_cast<const TToolInfo*>(LP);
            std::erase_if(t.Tools, [&](const TTool& x) { return SameTool(x.Info, key); });
            t.State.ToolCount = Integer(t.Tools.size());
            Hide(t);
            t.Current = -1;
        }
        return 0;
    case TTM_NEWTOOLRECTW:
    case TTM_UPDATETIPTEXTW:
        if (LP) {
            const TToolInfo& key = *reinterpret_cast<const TToolInfo*>(LP);
            for (TTool& x : t.Tools)
                if (SameTool(x.Info, key)) {
                    if (Msg == TTM_NEWTOOLRECTW)
                        x.Info.rect = key.rect;
                    else {
                        x.Callback = key.lpszText == LPSTR_TEXTCALLBACKW;
                        x.Text = x.Callback || !key.lpszText ? String() : String(key.lpszText);
                    }
                }
        }
        return 0;
    case TTM_GETTOOLCOUNT: return LRESULT(t.Tools.size());
    case TTM_SETTITLEW: {
        String title = LP ? String(reinterpret_cast<const Char*>(LP)) : String();
        if (title.size() > 99) title.resize(99);  // the platform keeps titles short
        t.State.Title = title;
        t.State.Icon = WP <= TTI_ERROR ? WP : TTI_NONE;
        return 1;
    }
    case TTM_SETDELAYTIME: {
        Integer ms = Integer(int32_t(LP & 0xFFFFFFFF));
        bool reset = ms < 0;
        switch (WP) {
        case TTDT_INITIAL: t.State.InitialDelay = reset ? 500 : ms; break;
        case TTDT_AUTOPOP: t.State.AutoPopDelay = reset ? 5000 : ms; break;
        case TTDT_RESHOW: t.State.ReshowDelay = reset ? 100 : ms; break;
        case TTDT_AUTOMATIC:
            t.State.InitialDelay = reset ? 500 : ms;
            t.State.AutoPopDelay = reset ? 5000 : ms * 10;
            t.State.ReshowDelay = reset ? 100 : ms / 5;
            break;
        default: break;
        }
        return 0;
    }
    case TTM_GETDELAYTIME:
        switch (WP) {
        case TTDT_INITIAL: return t.State.InitialDelay;
        case TTDT_AUTOPOP: return t.State.AutoPopDelay;
        case TTDT_RESHOW: return t.State.ReshowDelay;
        default: return t.State.InitialDelay;
        }
    case TTM_SETMAXTIPWIDTH: {
        Integer previous = t.State.MaxTipWidth;
        t.State.MaxTipWidth = Integer(int32_t(LP));
        return previous;
    }
    case TTM_POP: Hide(t); return 0;
    case TTM_UPDATE:
        if (t.State.Visible && t.Current >= 0) Show(t, t.Current, t.Cursor);
        return 0;
    case TTM_RELAYEVENT:
        if (LP) {
            const TMsg& m = *reinterpret_cast<const TMsg*>(LP);
            Relay(t, m.message, m.hwnd ? ClientToScreen(m.hwnd, LParamToPoint(m.lParam)) : m.pt);
        }
        return 0;
    case TTM_TRACKACTIVATE:
        if (WP && LP) {
            const TToolInfo& key = *reinterpret_cast<const TToolInfo*>(LP);
            for (std::size_t i = 0; i < t.Tools.size(); ++i)
                if (SameTool(t.Tools[i].Info, key)) t.TrackTool = Integer(i);
            if (t.TrackTool >= 0) {
                t.Current = t.TrackTool;
                Show(t, t.TrackTool, t.Cursor);
            }
        } else {
            t.TrackTool = -1;
            Hide(t);
        }
        return 0;
    case TTM_TRACKPOSITION:
        t.Cursor = LParamToPoint(LP);
        if (t.TrackTool >= 0 && t.State.Visible) Show(t, t.TrackTool, t.Cursor);
        return 0;
    case WM_TIMER:
        if (WP == InitialTimer) {
            KillTimer(Wnd, InitialTimer);
            t.Waiting = false;
            Show(t, t.Current, t.Cursor);
        } else if (WP == AutoPopTimer) {
            Hide(t);
        }
        return 0;
    case WM_PAINT: Paint(t); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: Hide(t); return 0;
    case WM_DESTROY:
        Unhook(t);
        KillTimer(Wnd, InitialTimer);
        KillTimer(Wnd, AutoPopTimer);
        return 0;
    case WM_NCDESTROY: Registry().erase(Wnd); return 0;
    default: return DefWindowProc(Wnd, Msg, WP, LP);
    }
}

}  // namespace

HWND CreateToolTipWindow(HWND Parent, Cardinal Style)
{
    auto t = std::make_shared<TToolTip>();
    t->State.Style = Style;
    TCreateWindowParams p;
    p.Style = WS_POPUP;
    p.ExStyle = WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    p.ClassStyle |= CS_SAVEBITS | CS_DROPSHADOW;
    p.Bounds = Rect(0, 0, 0, 0);
    p.Parent = Parent;
    std::weak_ptr<TToolTip> weak = t;
    p.WndProc = [weak](HWND Wnd, UINT Msg, WPARAM WP, LPARAM LP) -> LRESULT {
        std::shared_ptr<TToolTip> self = weak.lock();
        if (!self) return DefWindowProc(Wnd, Msg, WP, LP);
        if (!self->Self) self->Self = Wnd;
        return ToolTipProc(self, Wnd, Msg, WP, LP);
    };
    HWND h = CreateWindow(p);
    t->Self = h;
    Registry()[h] = t;
    return h;
}

void SetToolTipTopmost(HWND ToolTip)
{
    if (IsWindow(ToolTip)) SetWindowZOrder(ToolTip, 0);
}

bool GetToolTipInfo(HWND ToolTip, TToolTipInfo& Info)
{
    auto it = Registry().find(ToolTip);
    if (it == Registry().end()) return false;
    Info = it->second->State;
    return true;
}

}  // namespace gw
