// The tooltip window: showing and hiding the tip as the mouse and the timers say, the text asked
// from the tool's window, and the balloon drawing. Its TTM_* requests: balloon_tooltip_messages.cpp.
#include "platform/controls/balloon_tooltip.h"

#include "platform/controls/balloon_tooltip_state.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/region.h"
#include "platform/ui/backend.h"
#include "platform/ui/message_records.h"

#include <map>
#include <memory>
#include <vector>

namespace gw {

using detail::AutoPopTimer;
using detail::InitialTimer;
using detail::TTool;
using detail::TToolTip;

namespace {

constexpr Integer Padding = 8;
constexpr Integer StemHeight = 12;
constexpr Integer IconSize = 16;

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

// Where a tip of Size shows for a point: below and right of it, a balloon's stem at it; kept on
// the screen.
TRect TipBounds(const TToolTip& T, const TTool& Tool, TPoint At, TSize Size)
{
    const bool balloon = T.State.Style & TTS_BALLOON;
    TRect screen = HasBackend() ? Backend().ScreenRect() : Rect(0, 0, 1920, 1080);
    Integer x = balloon ? At.X - 20 : At.X, y = balloon ? At.Y : At.Y + 20;
    if (Tool.Info.uFlags & TTF_CENTERTIP) x = At.X - Size.cx / 2;
    x = std::clamp(x, screen.Left, std::max(screen.Left, screen.Right - Size.cx));
    y = std::clamp(y, screen.Top, std::max(screen.Top, screen.Bottom - Size.cy));
    return Bounds(x, y, Size.cx, Size.cy);
}

// The body, and a balloon's stem pointing up at the mouse, 20 pixels in from the left.
void PaintFrame(const TToolTip& T, TCanvas& C, TRect Client)
{
    const bool balloon = T.State.Style & TTS_BALLOON;
    TRect body = Client;
    if (balloon) body.Top += StemHeight;
    C.Brush()->SetColor(T.State.TipBkColor);
    C.Brush()->SetStyle(bsSolid);
    C.Pen()->SetColor(T.State.TipTextColor);
    if (!balloon) {
        C.Rectangle(body);
        return;
    }
    C.RoundRect(body.Left, body.Top, body.Right, body.Bottom, 12, 12);
    TPoint stem[3] = {{14, StemHeight + 1}, {20, 0}, {30, StemHeight + 1}};
    C.Polygon(stem);
    C.Pen()->SetColor(T.State.TipBkColor);
    C.MoveTo(15, StemHeight);
    C.LineTo(30, StemHeight);
}

void PaintIcon(const TToolTip& T, TCanvas& C, Integer Dy)
{
    const WPARAM icon = T.State.Icon;
    if (icon == TTI_NONE) return;
    C.Brush()->SetColor(icon == TTI_ERROR ? clRed : icon == TTI_WARNING ? clYellow : clBlue);
    C.Pen()->SetColor(clBlack);
    C.Ellipse(Padding, Padding + Dy, Padding + IconSize, Padding + Dy + IconSize);
    C.Font()->SetColor(icon == TTI_WARNING ? clBlack : clWhite);
    C.Brush()->SetStyle(bsClear);
    TRect mark = Bounds(Padding, Padding + Dy, IconSize, IconSize);
    C.DrawText(icon == TTI_ERROR         ? u"x"
                   : icon == TTI_WARNING ? u"!"
                                         : u"i",
               mark, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void PaintTexts(const TToolTip& T, TCanvas& C, Integer Dy)
{
    TCanvas measure;
    TRect title, text;
    TSize size;
    Measure(T, measure, title, text, size);
    OffsetRect(title, 0, Dy);
    OffsetRect(text, 0, Dy);
    C.Brush()->SetStyle(bsClear);
    C.Font()->SetColor(T.State.TipTextColor);
    Cardinal flags = DT_NOPREFIX | (T.State.MaxTipWidth > 0 ? DT_WORDBREAK : 0);
    if (!T.State.Title.empty()) {
        C.Font()->SetStyle(fsBold);
        C.DrawText(T.State.Title, title, flags);
        C.Font()->SetStyle(0);
    }
    C.DrawText(T.State.Text, text, flags);
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
        const Integer dy = (T.State.Style & TTS_BALLOON) ? StemHeight : 0;
        PaintFrame(T, c, GetClientRect(T.Self));
        PaintIcon(T, c, dy);
        PaintTexts(T, c, dy);
    }
    EndPaint(T.Self, ps);
}

void Unhook(TToolTip& T)
{
    for (detail::THook& h : T.Hooks) {
        *h.Alive = false;
        if (IsWindow(h.Wnd)) SetWindowProc(h.Wnd, h.Previous);
    }
    T.Hooks.clear();
}

void Tick(TToolTip& T, uintptr_t Timer)
{
    if (Timer == InitialTimer) {
        KillTimer(T.Self, InitialTimer);
        T.Waiting = false;
        detail::ShowTip(T, T.Current, T.Cursor);
    } else if (Timer == AutoPopTimer) {
        detail::HideTip(T);
    }
}

void Destroyed(TToolTip& T)
{
    Unhook(T);
    KillTimer(T.Self, InitialTimer);
    KillTimer(T.Self, AutoPopTimer);
}

LRESULT ToolTipProc(const std::shared_ptr<TToolTip>& T, HWND Wnd, UINT Msg, WPARAM WP, LPARAM LP)
{
    TMessage M{Msg, WP, LP, 0};
    if (detail::ToolTipRequest(T, M)) return M.Result;
    switch (Msg) {
    case WM_TIMER: Tick(*T, TWMTimer(M).TimerId); return 0;
    case WM_PAINT: Paint(*T); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    // The mouse on the tip itself: it gets out of the way.
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: detail::HideTip(*T); return 0;
    case WM_DESTROY: Destroyed(*T); return 0;
    case WM_NCDESTROY: Registry().erase(Wnd); return 0;
    default: return DefWindowProc(Wnd, Msg, WP, LP);
    }
}

}  // namespace

namespace detail {

void HideTip(TToolTip& T)
{
    T.Waiting = false;
    KillTimer(T.Self, InitialTimer);
    KillTimer(T.Self, AutoPopTimer);
    if (!T.State.Visible) return;
    T.State.Visible = false;
    ShowWindow(T.Self, false);
    if (T.Current >= 0 && T.Current < Integer(T.Tools.size())) Notify(T, T.Tools[std::size_t(T.Current)], TTN_POP);
}

void ShowTip(TToolTip& T, Integer ToolIndex, TPoint At)
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
    if (T.State.Style & TTS_BALLOON) size.cy += StemHeight;
    T.State.Bounds = TipBounds(T, tool, At, size);
    MoveWindow(T.Self, T.State.Bounds, false);
    ShowWindow(T.Self, true);
    SetWindowZOrder(T.Self, 0);
    InvalidateRect(T.Self, nullptr, true);
    T.State.Visible = true;
    Notify(T, tool, TTN_SHOW);
    KillTimer(T.Self, InitialTimer);
    if (!(tool.Info.uFlags & TTF_TRACK)) SetTimer(T.Self, AutoPopTimer, UINT(std::max(1, T.State.AutoPopDelay)));
}

void RelayMouse(TToolTip& T, UINT Msg, TPoint Screen)
{
    if (!T.State.Active || T.TrackTool >= 0) return;
    if (Msg != WM_MOUSEMOVE) {
        HideTip(T);
        return;
    }
    Integer found = -1;
    for (std::size_t i = 0; i < T.Tools.size(); ++i)
        if (!(T.Tools[i].Info.uFlags & TTF_TRACK) && PtInRect(ToolScreenRect(T.Tools[i]), Screen)) found = Integer(i);
    T.Cursor = Screen;
    if (found < 0) {
        HideTip(T);
        T.Current = -1;
        return;
    }
    if (found == T.Current && (T.State.Visible || T.Waiting)) return;
    // Moving on from a tip that shows waits the shorter reshow delay.
    bool wasVisible = T.State.Visible;
    HideTip(T);
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
                    RelayMouse(*t, Msg, ClientToScreen(W, LParamToPoint(LP)));
            }
        return CallWindowProc(*previous, W, Msg, WP, LP);
    });
    *previous = hook.Previous;
    T->Hooks.push_back(hook);
}

}  // namespace detail

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
