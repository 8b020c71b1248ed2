// The in-memory back end: native windows are records with an image surface each.
#include "platform/backends/headless/headless_backend.h"

#include "platform/graphics/canvas.h"
#include "platform/runtime/exceptions.h"
#include "platform/ui/window_system.h"

#include <chrono>

namespace gw {

THeadlessBackend::THeadlessBackend()
{
    m_previousClock = ClockSource();
    SetClockSource(this);
    SetBackend(this);
}

THeadlessBackend::~THeadlessBackend()
{
    if (HasBackend() && &Backend() == this) SetBackend(nullptr);
    if (ClockSource() == this) SetClockSource(m_previousClock);
}

const THeadlessBackend::TNativeWindow* THeadlessBackend::NativeWindow(HWND Wnd) const
{
    auto it = m_windows.find(Wnd);
    return it == m_windows.end() ? nullptr : &it->second;
}

void THeadlessBackend::WaitForEvents(Cardinal /*TimeoutMs*/)
{
    if (OnWait && OnWait()) return;
    throw EInvalidOperation(u"The program waits for input that nothing will give (no scripted answer)");
}

void THeadlessBackend::WindowCreated(HWND Wnd, TNativeKind Kind, HWND Owner, const TRect& Bounds)
{
    TNativeWindow w;
    w.Kind = Kind;
    w.Owner = Owner;
    w.Bounds = Bounds;
    m_windows[Wnd] = w;
}

void THeadlessBackend::WindowDestroyed(HWND Wnd)
{
    m_windows.erase(Wnd);
    if (m_active == Wnd) m_active = 0;
}

void THeadlessBackend::WindowShown(HWND Wnd, bool Visible)
{
    auto it = m_windows.find(Wnd);
    if (it != m_windows.end()) it->second.Visible = Visible;
}

void THeadlessBackend::WindowMoved(HWND Wnd, const TRect& Bounds)
{
    auto it = m_windows.find(Wnd);
    if (it == m_windows.end()) return;
    TNativeWindow& w = it->second;
    bool resized = w.Bounds.Width() != Bounds.Width() || w.Bounds.Height() != Bounds.Height();
    w.Bounds = Bounds;
    if (resized) w.Surface.reset();
}

void THeadlessBackend::WindowCaptionChanged(HWND Wnd, const String& Caption)
{
    auto it = m_windows.find(Wnd);
    if (it != m_windows.end()) it->second.Caption = Caption;
}

cairo_surface_t* THeadlessBackend::WindowSurface(HWND Wnd)
{
    auto it = m_windows.find(Wnd);
    if (it == m_windows.end()) return nullptr;
    TNativeWindow& w = it->second;
    if (!w.Surface) {
        Integer width = std::max(1, w.Bounds.Width()), height = std::max(1, w.Bounds.Height());
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
        w.Surface.reset(s, cairo_surface_destroy);
        // A window nobody painted yet shows white, so pictures of unpainted areas are plain.
        cairo_t* cr = cairo_create(s);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        cairo_destroy(cr);
    }
    return w.Surface.get();
}

void THeadlessBackend::WindowPainted(HWND Wnd, const TRect& /*Area*/)
{
    auto it = m_windows.find(Wnd);
    if (it != m_windows.end()) ++it->second.PaintedRects;
}

void THeadlessBackend::WindowLayerChanged(HWND Wnd, const TWindowLayer* Layer)
{
    auto it = m_windows.find(Wnd);
    if (it == m_windows.end()) return;
    ++it->second.LayerChanges;
    if (Layer)
        it->second.Layer = *Layer;
    else
        it->second.Layer.reset();
}

void THeadlessBackend::WindowShapeChanged(HWND Wnd, const TRegion* Shape)
{
    auto it = m_windows.find(Wnd);
    if (it == m_windows.end()) return;
    ++it->second.ShapeChanges;
    if (Shape)
        it->second.Shape = *Shape;
    else
        it->second.Shape.reset();
}

bool THeadlessBackend::ClipboardGet(UINT Format, std::string& Data) const
{
    auto it = m_clipboard.find(Format);
    if (it == m_clipboard.end()) return false;
    Data = it->second;
    return true;
}

bool THeadlessBackend::RunFileDialog(TFileDialogRequest& Request)
{
    if (!OnFileDialog) throw EInvalidOperation(u"No answer for the file dialog \"" + Request.Title + u"\"");
    return OnFileDialog(Request);
}

UINT THeadlessBackend::RunPopupMenu(const std::vector<TMenuEntry>& Items, TPoint ScreenPoint, HWND /*Owner*/)
{
    if (!OnPopupMenu) throw EInvalidOperation(u"No answer for the pop-up menu");
    return OnPopupMenu(Items, ScreenPoint);
}

void THeadlessBackend::Sleep(Cardinal Milliseconds)
{
    // Sleeping on the user-interface thread passes virtual time; worker threads really wait,
    // as their ticks must not race the tests' clock.
    if (std::this_thread::get_id() == m_uiThread)
        m_now += Milliseconds;
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(Milliseconds));
}

void THeadlessBackend::SaveWindowToPng(HWND Wnd, const String& FileName)
{
    HWND top = GetTopLevelWindow(Wnd);
    UpdateWindow(top);
    cairo_surface_t* s = WindowSurface(top);
    if (!s) throw EInvalidOperation(u"The window has no picture");
    if (top == Wnd) {
        SaveSurfaceToPng(s, FileName);
        return;
    }
    TRect r = GetWindowRect(Wnd);
    TRect t = GetWindowRect(top);
    std::shared_ptr<cairo_surface_t> part(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, std::max(1, r.Width()), std::max(1, r.Height())),
        cairo_surface_destroy);
    cairo_t* cr = cairo_create(part.get());
    cairo_set_source_surface(cr, s, t.Left - r.Left, t.Top - r.Top);
    cairo_paint(cr);
    cairo_destroy(cr);
    SaveSurfaceToPng(part.get(), FileName);
}

}  // namespace gw

namespace gw {

TSurfaceRef THeadlessBackend::ComposeScreen(const TRect& Area)
{
    TSurfaceRef screen(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, std::max(1, Area.Width()), std::max(1, Area.Height())),
        cairo_surface_destroy);
    cairo_t* cr = cairo_create(screen.get());
    const TColor desktop = GetSysColor(COLOR_BACKGROUND);
    cairo_set_source_rgb(cr, GetRValue(desktop) / 255.0, GetGValue(desktop) / 255.0, GetBValue(desktop) / 255.0);
    cairo_paint(cr);
    const std::vector<HWND> tops = GetTopLevelWindows();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        auto native = m_windows.find(*it);
        if (native == m_windows.end() || !native->second.Visible) continue;
        UpdateWindow(*it);
        const TNativeWindow& w = native->second;
        const TRect b = w.Bounds;
        cairo_surface_t* painted = WindowSurface(*it);
        TSurfaceRef shown = w.Layer ? LayeredWindowPixels(*w.Layer, painted, b.Width(), b.Height()) : nullptr;
        cairo_save(cr);
        cairo_translate(cr, b.Left - Area.Left, b.Top - Area.Top);
        if (w.Shape) {
            for (Integer i = 0; i < w.Shape->RectCount(); ++i) {
                const TRect part = w.Shape->RectAt(i);
                cairo_rectangle(cr, part.Left, part.Top, part.Width(), part.Height());
            }
            cairo_clip(cr);
        }
        cairo_rectangle(cr, 0, 0, b.Width(), b.Height());
        cairo_clip(cr);
        cairo_set_source_surface(cr, shown ? shown.get() : painted, 0, 0);
        cairo_paint(cr);
        cairo_restore(cr);
    }
    cairo_destroy(cr);
    return screen;
}

void THeadlessBackend::SaveScreenToPng(const TRect& Area, const String& FileName)
{
    SaveSurfaceToPng(ComposeScreen(Area).get(), FileName);
}

}  // namespace gw
