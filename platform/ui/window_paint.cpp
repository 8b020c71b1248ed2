// Invalidation and paint: update regions, the order in which invalid windows are painted, the
// frame after the client, and where a window's pixels are.
#include "platform/ui/backend.h"
#include "platform/ui/window_system_state.h"

namespace gw {

namespace detail {

namespace {

// Windows here have no frame outside the client area: a frame is drawn over the client's edge,
// so WM_NCPAINT follows the client's paint whenever that paint reached the edge.
void PaintFrame(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    if (!r || !r->FrameDirty) return;
    r->FrameDirty = false;
    SendMessage(Wnd, WM_NCPAINT, 1, 0);
}

}  // namespace

// WM_PAINT, then the frame. A handler that never validated would be asked again for ever, so
// its update region goes; one that validated keeps what it invalidated while painting.
LRESULT SendPaint(HWND Wnd, WPARAM WParam, LPARAM LParam)
{
    ++State().Paints;
    TWindowRecord* r = Find(Wnd);
    Cardinal validations = r ? r->Validations : 0;
    LRESULT result = SendMessage(Wnd, WM_PAINT, WParam, LParam);
    if ((r = Find(Wnd)) && r->Validations == validations) r->HasUpdate = false;
    PaintFrame(Wnd);
    return result;
}

bool TakePosted(TMsg& M)
{
    TState& s = State();
    std::lock_guard<std::mutex> lock(s.PostLock);
    if (s.Posted.empty()) return false;
    M = s.Posted.front();
    s.Posted.pop_front();
    return true;
}

// The outermost invalid, paintable window of the first invalid tree; parents paint first.
bool TakePaint(TMsg& M)
{
    auto& list = State().Invalid;
    for (std::size_t i = 0; i < list.size();) {
        TWindowRecord* r = Find(list[i]);
        if (!r || !r->HasUpdate) {
            list.erase(list.begin() + std::ptrdiff_t(i));
            continue;
        }
        if (r->Redraw && IsWindowVisible(r->Handle)) {
            HWND pick = r->Handle;
            for (TWindowRecord* p = Find(r->Parent); p; p = Find(p->Parent))
                if (p->HasUpdate && p->Redraw) pick = p->Handle;
            M = TMsg{};
            M.hwnd = pick;
            M.message = WM_PAINT;
            return true;
        }
        ++i;
    }
    return false;
}

}  // namespace detail

using namespace detail;

void InvalidateRect(HWND Wnd, const TRect* R, bool Erase)
{
    TWindowRecord* r = Find(Wnd);
    if (!r || r->Destroying) return;
    TRect client = ClientOf(*r);
    TRect area = client;
    if (R && !IntersectRect(area, *R, client)) return;
    if (IsRectEmpty(area)) return;
    ++State().Invalidations;
    if (r->HasUpdate) {
        UnionRect(r->Update, r->Update, area);
    } else {
        r->Update = area;
        r->HasUpdate = true;
        State().Invalid.push_back(Wnd);
    }
    r->UpdateErase = r->UpdateErase || Erase;
    if (area.Left == 0 || area.Top == 0 || area.Right == client.Right || area.Bottom == client.Bottom)
        r->FrameDirty = true;
}

void ValidateRect(HWND Wnd, const TRect* R)
{
    TWindowRecord* r = Find(Wnd);
    if (!r || !r->HasUpdate) return;
    // The update region is kept as one rectangle; validating a part that covers it empties it.
    if (R) {
        TRect covered;
        UnionRect(covered, *R, r->Update);
        if (!(covered == *R)) return;
    }
    r->HasUpdate = false;
    r->UpdateErase = false;
    ++r->Validations;
}

bool GetUpdateRect(HWND Wnd, TRect& R)
{
    TWindowRecord* r = Find(Wnd);
    if (!r || !r->HasUpdate) {
        R = {};
        return false;
    }
    R = r->Update;
    return true;
}

void UpdateWindow(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    if (!r || !IsWindowVisible(Wnd)) return;
    if (r->HasUpdate && r->Redraw) SendPaint(Wnd);
    for (HWND c : GetChildWindows(Wnd)) UpdateWindow(c);
}

bool IsRedrawEnabled(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r && r->Redraw;
}

bool FramePaintPending(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r && r->HasUpdate && r->FrameDirty;
}

namespace {
// Clip is in the coordinates of the client area, or of the whole window when WholeWindow is set.
TWindowPixels PixelsFor(HWND Wnd, const TRect& Clip, bool WholeWindow = false)
{
    TWindowPixels px;
    if (!HasBackend() || !IsWindowVisible(Wnd)) return px;
    TRect vis;
    if (!IntersectRect(vis, VisibleClientRect(Wnd, WholeWindow), Clip)) return px;
    px.Surface = Backend().WindowSurface(GetTopLevelWindow(Wnd));
    px.Origin = WholeWindow ? OffsetInTopLevel(Wnd) : ClientOffsetInTopLevel(Wnd);
    px.Clip = vis;
    OffsetRect(px.Clip, px.Origin.X, px.Origin.Y);
    return px;
}

void Present(HWND Wnd, const TWindowPixels& Px)
{
    if (HasBackend() && Px.Surface) Backend().WindowPainted(GetTopLevelWindow(Wnd), Px.Clip);
}
}  // namespace

void BeginPaint(HWND Wnd, TPaintStruct& PS)
{
    PS = TPaintStruct{};
    TWindowRecord* r = Find(Wnd);
    if (!r) return;
    PS.Paint = r->HasUpdate ? r->Update : GetClientRect(Wnd);
    PS.Erase = r->HasUpdate && r->UpdateErase;
    r->HasUpdate = false;
    r->UpdateErase = false;
    ++r->Validations;
    // Child windows are drawn over their parent, so whatever the parent repaints they repaint.
    for (HWND c : r->Children) {
        TWindowRecord* cr = Find(c);
        TRect part;
        if (cr && (cr->Style & WS_VISIBLE) && IntersectRect(part, cr->Bounds, PS.Paint)) {
            const TPoint client = ClientOffsetOf(*cr);
            OffsetRect(part, -cr->Bounds.Left - client.X, -cr->Bounds.Top - client.Y);
            InvalidateRect(c, &part, false);
        }
    }
    PS.Pixels = PixelsFor(Wnd, PS.Paint);
}

void EndPaint(HWND Wnd, TPaintStruct& PS)
{
    Present(Wnd, PS.Pixels);
    PS.Pixels = {};
}

TWindowPixels GetWindowPixels(HWND Wnd) { return PixelsFor(Wnd, GetClientRect(Wnd)); }

TWindowPixels GetWholeWindowPixels(HWND Wnd)
{
    const TWindowRecord* r = Find(Wnd);
    return r ? PixelsFor(Wnd, Rect(0, 0, r->Bounds.Width(), r->Bounds.Height()), true) : TWindowPixels{};
}

void ReleaseWindowPixels(HWND Wnd, const TWindowPixels& Pixels) { Present(Wnd, Pixels); }

Cardinal PaintCount() { return State().Paints; }
Cardinal InvalidateCount() { return State().Invalidations; }

}  // namespace gw
