// The in-memory back end every test runs on: a virtual clock, surfaces in memory, a clipboard
// in memory, and a hook that answers when the program waits for input no test will give.
#pragma once

#include "platform/graphics/region.h"
#include "platform/runtime/clock.h"
#include "platform/ui/backend.h"
#include "platform/ui/file_dialogs.h"
#include "platform/ui/menus.h"

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <thread>

namespace gw {

class THeadlessBackend : public TBackend, public TClockSource {
public:
    // Installs itself as the back end and as the program's clock; the destructor removes both.
    THeadlessBackend();
    ~THeadlessBackend() override;
    THeadlessBackend(const THeadlessBackend&) = delete;
    THeadlessBackend& operator=(const THeadlessBackend&) = delete;

    // Virtual time moves only here (and through Sleep on the user-interface thread).
    void Advance(Cardinal Milliseconds) { m_now += Milliseconds; }

    // Called when the program waits (a modal loop with nothing queued): answers scripted input
    // and returns true, or returns false when it has nothing, and the wait raises.
    std::function<bool()> OnWait;
    // Answer file dialogs and pop-up menus; without them both raise, as nobody could answer.
    std::function<bool(TFileDialogRequest& Request)> OnFileDialog;
    std::function<UINT(const std::vector<TMenuEntry>& Items, TPoint ScreenPoint)> OnPopupMenu;

    // What the display shows of a top-level window.
    struct TNativeWindow {
        TNativeKind Kind = TNativeKind::Normal;
        HWND Owner = 0;
        TRect Bounds;
        bool Visible = false;
        String Caption;
        std::shared_ptr<cairo_surface_t> Surface;
        Cardinal PaintedRects = 0;
        // The last shape and layer the window system gave (none: the whole window, not
        // layered), and how often each was given.
        std::optional<TRegion> Shape;
        std::optional<TWindowLayer> Layer;
        Cardinal ShapeChanges = 0;
        Cardinal LayerChanges = 0;
    };
    const TNativeWindow* NativeWindow(HWND Wnd) const;
    HWND ActiveNativeWindow() const { return m_active; }
    Integer CursorShape() const { return m_cursor; }
    // Writes the picture of a top-level window (or of the window holding a child) to a PNG.
    void SaveWindowToPng(HWND Wnd, const String& FileName);
    // The screen as a person would see it within Area (screen coordinates, RGB24): the desktop,
    // then every visible top-level window from the bottom of the z-order up, cut to its shape,
    // layered windows blended by their alpha. Windows are painted first.
    TSurfaceRef ComposeScreen(const TRect& Area);
    void SaveScreenToPng(const TRect& Area, const String& FileName);

    // TBackend
    Cardinal TickCount() override { return m_now; }
    void WaitForEvents(Cardinal TimeoutMs) override;
    void WakeUp() override {}
    void WindowCreated(HWND Wnd, TNativeKind Kind, HWND Owner, const TRect& Bounds) override;
    void WindowDestroyed(HWND Wnd) override;
    void WindowShown(HWND Wnd, bool Visible) override;
    void WindowMoved(HWND Wnd, const TRect& Bounds) override;
    void WindowActivated(HWND Wnd) override { m_active = Wnd; }
    void WindowCaptionChanged(HWND Wnd, const String& Caption) override;
    cairo_surface_t* WindowSurface(HWND Wnd) override;
    void WindowPainted(HWND Wnd, const TRect& Area) override;
    void WindowLayerChanged(HWND Wnd, const TWindowLayer* Layer) override;
    void WindowShapeChanged(HWND Wnd, const TRegion* Shape) override;
    void SetCursorShape(Integer Cursor) override { m_cursor = Cursor; }
    TRect ScreenRect() const override { return Rect(0, 0, 1920, 1080); }
    TRect WorkAreaRect() const override { return Rect(0, 0, 1920, 1040); }
    void ClipboardClear() override { m_clipboard.clear(); }
    void ClipboardSet(UINT Format, const std::string& Data) override { m_clipboard[Format] = Data; }
    bool ClipboardGet(UINT Format, std::string& Data) const override;
    bool ClipboardHas(UINT Format) const override { return m_clipboard.count(Format) != 0; }
    bool RunFileDialog(TFileDialogRequest& Request) override;
    UINT RunPopupMenu(const std::vector<TMenuEntry>& Items, TPoint ScreenPoint, HWND Owner) override;

    // TClockSource
    void Sleep(Cardinal Milliseconds) override;

private:
    std::atomic<Cardinal> m_now{100000};
    std::map<HWND, TNativeWindow> m_windows;
    std::map<UINT, std::string> m_clipboard;
    HWND m_active = 0;
    Integer m_cursor = 0;
    std::thread::id m_uiThread = std::this_thread::get_id();
    TClockSource* m_previousClock = nullptr;
};

}  // namespace gw
