// The window system's shared state and the rules its components share (window tree, messages,
// queue, input, focus, paint, scroll bars); internal to platform/ui's window_*.cpp files.
#pragma once

#include "platform/graphics/region.h"
#include "platform/ui/backend.h"
#include "platform/ui/window_system.h"

#include <array>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>

namespace gw::detail {

// How a layered window is shown (window_layers.cpp).
enum class TLayerMode {
    Painted,  // not layered, or layered and given nothing yet: what it paints
    Picture,  // UpdateLayeredWindow: the picture in Look.Image
    Attributes,  // SetLayeredWindowAttributes: what it paints, under Layer's opacity and key
};

// What UpdateLayeredWindow was given last, kept so that a call without a source changes the
// blend over the same pixels.
struct TLayerPicture {
    TSurfaceRef Source;  // ARGB32 copy of the source's pixels, premultiplied as given
    TColor Key = 0;
    TBlendFunction Blend;
    Cardinal Flags = 0;
};

struct TWindowRecord {
    HWND Handle = 0;
    HWND Parent = 0;  // WS_CHILD windows
    HWND Owner = 0;  // top-level windows
    std::vector<HWND> Children;  // top of the z-order first
    Cardinal Style = 0;
    Cardinal ExStyle = 0;
    Cardinal ClassStyle = 0;
    TRect Bounds;
    String Text;
    std::shared_ptr<const TWndProc> Proc;
    bool Redraw = true;
    bool HasUpdate = false;
    bool UpdateErase = false;
    // The frame needs WM_NCPAINT after the next paint (an invalid area reached the edge).
    bool FrameDirty = false;
    // Where a top-level window shows and takes the mouse (SetWindowRgn), window coordinates.
    std::optional<TRegion> Shape;
    TLayerMode LayerMode = TLayerMode::Painted;
    TLayerPicture Picture;
    TWindowLayer Layer;  // what the display is told
    TScrollInfo Scroll[2];  // SB_HORZ, SB_VERT
    UINT ArrowsOff[2] = {ESB_ENABLE_BOTH, ESB_ENABLE_BOTH};  // EnableScrollBar, per bar
    TScrollBarPaint ScrollBarPaint;  // empty: the classic painter
    TRect Update;
    // Times BeginPaint or ValidateRect emptied the update region: a paint handler that did is
    // known to have painted, and what it invalidated meanwhile stays for the next paint.
    Cardinal Validations = 0;
    bool Destroying = false;
};

struct TTimerRecord {
    HWND Wnd = 0;
    uintptr_t Id = 0;
    UINT Elapse = 0;
    Cardinal Due = 0;
};

struct TInputEvent {
    bool IsKey = true;
    Word VirtKey = 0;
    bool Down = false;
    Char PacketChar = 0;
    bool HasScan = false;  // ScanCode and Extended come from the display
    Word ScanCode = 0;
    bool Extended = false;
    TMouseAction Action = TMouseAction::Move;
    TPoint Point;
    TMouseButton Button = mbLeft;
    Integer WheelDelta = 0;
    Cardinal Time = 0;  // when the display saw it, on the tick clock; 0 = when taken
};

// A press on a window scroll bar, held until the button is released.
struct TBarTrack {
    HWND Wnd = 0;
    Integer Bar = SB_VERT;
    bool Thumb = false;
    Integer Grab = 0;  // where in the thumb it was taken
};

struct TLastClick {
    bool Valid = false;
    HWND Wnd = 0;
    TMouseButton Button = mbLeft;
    Cardinal Time = 0;
    TPoint Point;
};

// A registered send-message observer; shared so that one removed while messages are being sent
// stays alive until the send that runs it returns.
struct TObserverRecord {
    Cardinal Id = 0;
    std::shared_ptr<const TSendMessageObserver> Observer;
};

struct TState {
    std::unordered_map<HWND, std::unique_ptr<TWindowRecord>> Windows;
    std::vector<HWND> TopLevels;  // top of the z-order first
    HWND NextHandle = 0x10;  // never reset: handles are not reused
    std::mutex PostLock;
    std::deque<TMsg> Posted;
    std::deque<TInputEvent> Input;
    std::vector<TTimerRecord> Timers;
    std::vector<HWND> Invalid;
    HWND Focus = 0;
    // The window told WM_SETFOCUS and not yet WM_KILLFOCUS, and the one being told it lost it.
    HWND Announced = 0;
    HWND Losing = 0;
    HWND Active = 0;
    HWND Capture = 0;
    std::array<uint8_t, 256> Keys{};
    TPoint Cursor;
    TLastClick LastClick;
    TBarTrack Track;
    Cardinal MessageTime = 0;
    Cardinal Paints = 0;
    Cardinal Invalidations = 0;
    std::thread::id UiThread = std::this_thread::get_id();
    // Not reset with the windows: they belong to whoever registered them.
    std::vector<TObserverRecord> Observers;
    Cardinal NextObserverId = 1;
};

TState& State();
TWindowRecord* Find(HWND Wnd);

// --- window tree (window_tree.cpp) ---
inline bool IsTopLevel(const TWindowRecord& r) { return r.Parent == 0; }
// The client area: the window less its scroll bars, which lie along the right and bottom edges.
TRect ClientOf(const TWindowRecord& r);
std::vector<HWND>& SiblingList(const TWindowRecord& r);
// True when Wnd is Ancestor or lies inside it.
bool IsWithin(HWND Wnd, HWND Ancestor);
// Enabled itself and through all its ancestors.
bool IsEnabledDeep(HWND Wnd);
// Where the client area begins in the window: beside a vertical scroll bar at the left edge.
TPoint ClientOffsetOf(const TWindowRecord& r);
// The offset of a window's top-left corner within its top-level window (the top-level window's
// surface), and of its client area.
TPoint OffsetInTopLevel(HWND Wnd);
TPoint ClientOffsetInTopLevel(HWND Wnd);
// The part of the window (WholeWindow) or of its client area not cut off by its ancestors, in
// its own coordinates.
TRect VisibleClientRect(HWND Wnd, bool WholeWindow = false);
void BringToTop(TWindowRecord& r);
void InvalidateInParent(TWindowRecord& r);

// --- messages (window_messages.cpp) ---
// Hands a message to the window's procedure without telling the send-message observers (the
// queue's dispatch of posted messages and input).
LRESULT CallProcedure(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);

// --- layered windows and shapes (window_layers.cpp) ---
// Whether a point of the window (window coordinates, inside its rectangle) takes the mouse.
bool TakesMouseAt(const TWindowRecord& r, TPoint P);
// The extended style changed: clearing WS_EX_LAYERED ends the layer.
void LayeredStyleChanged(TWindowRecord& r, Cardinal OldExStyle);

// --- the queue (message_queue.cpp) ---
Cardinal Now();

// --- input translation (input_translation.cpp) ---
bool KeyDown(Word Vk);
// Turn queued input into the message it makes; false when it makes none.
bool ConvertKey(const TInputEvent& In, TMsg& M);
bool ConvertMouse(const TInputEvent& In, TMsg& M);

// --- focus, activation, capture (focus_activation.cpp) ---
bool CanActivate(const TWindowRecord& r);
// Focus held inside Wnd goes somewhere else when Wnd hides or goes away: a top-level window
// hands the activation on first, a child window hands the focus to its parent.
void MoveFocusOutOf(HWND Wnd);

// --- invalidation and paint (window_paint.cpp) ---
// WM_PAINT, then the frame (see window_paint.cpp).
LRESULT SendPaint(HWND Wnd, WPARAM WParam = 0, LPARAM LParam = 0);
// The outermost invalid, paintable window of the first invalid tree; parents paint first.
bool TakePaint(TMsg& M);

// --- window scroll bars (window_scroll_bars.cpp) ---
Integer BarSize();
// The rectangle of a scroll bar in window coordinates (empty when the window has none).
TRect BarRect(const TWindowRecord& r, Integer Bar);
// Draws the window's scroll bars (and the corner between two) straight onto its pixels.
void DrawScrollBars(HWND Wnd);
// The scroll bar under a point in client coordinates (left of the client area for a bar at
// the left edge), -1 for none.
Integer BarAt(const TWindowRecord& r, TPoint P);
// A left press on a scroll bar, at a point in client coordinates.
void PressBar(HWND Wnd, Integer Bar, TPoint P);
// Mouse input while a scroll bar is held; true when it was taken.
bool TrackBar(const TInputEvent& In);

}  // namespace gw::detail
