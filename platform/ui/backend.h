// What a display must provide to the window system: native windows, time, waiting, clipboard.
#pragma once

#include "platform/graphics/colour.h"
#include "platform/graphics/geometry.h"
#include "platform/ui/messages.h"

#include <cairo.h>

#include <memory>
#include <string>
#include <vector>

namespace gw {

struct TFileDialogRequest;
struct TMenuEntry;
class TRegion;

using TSurfaceRef = std::shared_ptr<cairo_surface_t>;

// How a layered window shows (WS_EX_LAYERED; see UpdateLayeredWindow in window_system.h).
struct TWindowLayer {
    // The picture it was given: ARGB32, premultiplied, key and opacity applied, placed at the
    // window's top-left (transparent beyond it). nullptr: the window shows what it paints,
    // with Alpha over all of it and its pixels of Key (when HasKey) transparent.
    TSurfaceRef Image;
    Byte Alpha = 255;
    bool HasKey = false;
    TColor Key = 0;
};

// What a layered window shows: ARGB32 premultiplied, Width x Height, from its layer and the
// pixels it painted (RGB24 or ARGB32; nullptr: nothing painted yet, white).
TSurfaceRef LayeredWindowPixels(const TWindowLayer& Layer, cairo_surface_t* Painted, Integer Width, Integer Height);

// How a top-level window behaves towards activation.
enum class TNativeKind {
    Normal,  // a form: activates, takes the focus
    ActivatingPopup,  // a drop-down: frameless, owned, takes activation and the focus
    NonActivatingPopup,  // drag images and hints: never activated, never focused
};

// The display side of the window system. The window system keeps the whole window tree, the
// focus, activation, capture, the queue and timers itself, so that every back end orders
// messages the same way; a back end only mirrors top-level windows, gives pixels to paint into,
// feeds input in (InjectKey/InjectMouse of window_system.h) and says how time passes.
class TBackend {
public:
    virtual ~TBackend() = default;

    // Milliseconds since an arbitrary start: the clock of timers, double clicks and hints.
    virtual Cardinal TickCount() = 0;
    // Called when the queue is empty: wait for input, a post from another thread or until
    // TimeoutMs have passed (Infinite = no timer pending). The headless back end runs its
    // scripted answers here and raises when nothing could ever happen.
    static constexpr Cardinal Infinite = 0xFFFFFFFF;
    virtual void WaitForEvents(Cardinal TimeoutMs) = 0;
    // Thread-safe: make a waiting WaitForEvents return.
    virtual void WakeUp() = 0;
    // Called whenever the loop looks at the queue: a real display collects the input that has
    // arrived meanwhile, so that a program busy with messages still sees input and repaints.
    virtual void PollEvents() {}

    // Top-level windows. Bounds are screen coordinates of the client area.
    virtual void WindowCreated(HWND Wnd, TNativeKind Kind, HWND Owner, const TRect& Bounds) = 0;
    virtual void WindowDestroyed(HWND Wnd) = 0;
    virtual void WindowShown(HWND Wnd, bool Visible) = 0;
    virtual void WindowMoved(HWND Wnd, const TRect& Bounds) = 0;
    // The window system activated Wnd (0 = none of ours). A display that activates windows
    // itself reports that with NotifyActivated of window_system.h instead.
    virtual void WindowActivated(HWND Wnd) = 0;
    virtual void WindowCaptionChanged(HWND Wnd, const String& Caption) = 0;

    // The pixels of a top-level window's client area, the size of its bounds; painting draws
    // into it and then reports the changed rectangle with WindowPainted.
    virtual cairo_surface_t* WindowSurface(HWND Wnd) = 0;
    virtual void WindowPainted(HWND Wnd, const TRect& Area) = 0;

    // The window became layered, or its layer changed (nullptr: it is not layered any more);
    // the display shows it so from now on.
    virtual void WindowLayerChanged(HWND Wnd, const TWindowLayer* Layer) = 0;
    // Where the window shows and takes the mouse, in window coordinates (nullptr: all of it).
    virtual void WindowShapeChanged(HWND Wnd, const TRegion* Shape) = 0;

    // The shape shown for the mouse pointer (a TCursor value).
    virtual void SetCursorShape(Integer Cursor) = 0;

    virtual TRect ScreenRect() const = 0;
    virtual TRect WorkAreaRect() const = 0;

    // The common file dialog, modal: true with Request.FileName (and FilterIndex) filled when
    // the user chose a file, false on cancel.
    virtual bool RunFileDialog(TFileDialogRequest& Request) = 0;
    // A pop-up menu at a screen point, modal: the command of the item chosen, 0 when none.
    virtual UINT RunPopupMenu(const std::vector<TMenuEntry>& Items, TPoint ScreenPoint, HWND Owner) = 0;

    // The clipboard: whole contents replaced at once, one byte string per format number.
    virtual void ClipboardClear() = 0;
    virtual void ClipboardSet(UINT Format, const std::string& Data) = 0;
    virtual bool ClipboardGet(UINT Format, std::string& Data) const = 0;
    virtual bool ClipboardHas(UINT Format) const = 0;
};

// The back end in use; EInvalidOperation when none is installed.
TBackend& Backend();
bool HasBackend();
// Installs a back end (nullptr removes it); the caller keeps ownership.
void SetBackend(TBackend* Value);

}  // namespace gw
