// The display back end on GTK 3: each top-level window or pop-up is a GTK window holding one
// drawing area that shows the window's pixels; GDK input goes into the window system's queue.
#pragma once

#include "platform/backends/gtk/gtk_input.h"
#include "platform/ui/backend.h"

#include <atomic>
#include <deque>
#include <functional>
#include <map>
#include <memory>

struct _GdkCursor;

namespace gw {

class TGtkBackend : public TBackend {
public:
    // Opens the display and installs itself as the back end; EInvalidOperation when there is
    // no display to open. The destructor closes every window and removes the back end.
    TGtkBackend();
    ~TGtkBackend() override;
    TGtkBackend(const TGtkBackend&) = delete;
    TGtkBackend& operator=(const TGtkBackend&) = delete;

    // True when a display can be opened (DISPLAY or WAYLAND_DISPLAY names one that answers).
    static bool DisplayAvailable();
    // True when the display blends windows by their alpha (a compositing manager runs). Layered
    // windows made meanwhile get an RGBA visual; without it their pixels of alpha above 0 show
    // opaque and the window is cut to them, for the eye and for the mouse.
    static bool Composited();

    // TBackend
    Cardinal TickCount() override;
    void WaitForEvents(Cardinal TimeoutMs) override;
    void PollEvents() override;
    void WakeUp() override;
    void WindowCreated(HWND Wnd, TNativeKind Kind, HWND Owner, const TRect& Bounds) override;
    void WindowDestroyed(HWND Wnd) override;
    void WindowShown(HWND Wnd, bool Visible) override;
    void WindowMoved(HWND Wnd, const TRect& Bounds) override;
    void WindowActivated(HWND Wnd) override;
    void WindowCaptionChanged(HWND Wnd, const String& Caption) override;
    cairo_surface_t* WindowSurface(HWND Wnd) override;
    void WindowPainted(HWND Wnd, const TRect& Area) override;
    void WindowLayerChanged(HWND Wnd, const TWindowLayer* Layer) override;
    void WindowShapeChanged(HWND Wnd, const TRegion* Shape) override;
    void SetCursorShape(Integer Cursor) override;
    bool RunFileDialog(TFileDialogRequest& Request) override;
    UINT RunPopupMenu(const std::vector<TMenuEntry>& Items, TPoint ScreenPoint, HWND Owner) override;
    TRect ScreenRect() const override;
    TRect WorkAreaRect() const override;
    void ClipboardClear() override;
    void ClipboardSet(UINT Format, const std::string& Data) override;
    bool ClipboardGet(UINT Format, std::string& Data) const override;
    bool ClipboardHas(UINT Format) const override;

    // One GTK window as the display has it; defined with the implementation.
    struct TNative;

private:
    friend struct TGtkCallbacks;
    friend struct TClipboardOffer;

    TNative* Find(HWND Wnd) const;
    void Realize(TNative& N);
    // Shows the window again with a new GTK window (another visual), as it was.
    void Recreate(TNative& N);
    // A layered window's pixels as they show (see TNative::Shown).
    cairo_surface_t* ShownPixels(TNative& N);
    // Gives the GTK window the shape and input shape of the window system's window.
    void ApplyShape(TNative& N);
    void Unrealize(TNative& N);
    void GrabPointer(TNative& N);
    void UngrabPointer(TNative& N);
    // Something for the window system arrived: a waiting WaitForEvents returns.
    void Arrived() { m_arrived = true; }
    // Work that runs the program's handlers is never done inside a GTK callback: it waits
    // here and runs when the iteration is over.
    void Defer(std::function<void()> Action);
    void RunDeferred();
    void Iterate(bool MayBlock);
    void NativeFocusIn(HWND Wnd);
    // Another client destroyed the native window of Wnd: the window is closed.
    void NativeWindowLost(HWND Wnd);
    void CheckDeactivation();
    HWND FocusHolder(HWND Wnd) const;
    // Keys go in through here, so that the modifiers the display has down are known.
    void Key(const TKeyTranslation& Key, bool Down);
    // Shift, Ctrl or Alt released while another application had the focus are released here
    // when an event shows them up (GDK modifier State bits).
    void SyncModifiers(unsigned State);
    void ReleaseHeldModifiers();
    // An X event's time on the tick clock: the smallest delay seen between the server's time
    // and ours gives the offset of the two clocks.
    Cardinal EventTick(uint32_t EventTime);
    void ApplyCursor(TNative& N);
    void FreeCursors();
    void ReleaseClipboard();
    void OfferClipboard();

    std::map<HWND, std::unique_ptr<TNative>> m_windows;
    std::deque<std::function<void()>> m_deferred;
    bool m_arrived = false;
    std::atomic<bool> m_wakeRequested{false};
    // The window we last asked the display to activate, until its focus arrives.
    HWND m_presenting = 0;
    Cardinal m_presentingSince = 0;
    double m_smoothScroll = 0;
    bool m_haveTimeOffset = false;
    int32_t m_timeOffset = 0;
    bool m_shiftDown = false, m_ctrlDown = false, m_altDown = false;
    unsigned m_deactivationCheck = 0;  // GLib source id
    Cardinal m_lastPoll = 0;
    Integer m_cursor = -2;
    // The clipboard contents we own; other applications' contents are read on demand.
    std::map<UINT, std::string> m_clipboard;
    bool m_clipboardOwned = false;
    std::map<Integer, _GdkCursor*> m_cursors;  // made on first use, freed in the destructor
};

}  // namespace gw
