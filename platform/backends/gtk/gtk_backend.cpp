// The GTK 3 back end: native windows, pixels, waiting on the GLib main loop, activation.
#include "platform/backends/gtk/gtk_backend.h"
#include "platform/backends/gtk/gtk_native_window.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/window_system.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <cmath>

namespace gw {

namespace {

// A window's pixels: white where nothing was painted yet, as a fresh window shows; the old
// picture is kept where the new size still holds it.
TSurfacePtr NewSurface(Integer Width, Integer Height, cairo_surface_t* Old)
{
    TSurfacePtr s(cairo_image_surface_create(CAIRO_FORMAT_RGB24, std::max(1, Width), std::max(1, Height)));
    cairo_t* cr = cairo_create(s.get());
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    if (Old) {
        cairo_set_source_surface(cr, Old, 0, 0);
        cairo_paint(cr);
    }
    cairo_destroy(cr);
    return s;
}

// The pixels of a surface whose alpha is above 0, as a region.
TRegion AlphaRegion(cairo_surface_t* S)
{
    TRegion region;
    cairo_surface_flush(S);
    const unsigned char* data = cairo_image_surface_get_data(S);
    const int w = cairo_image_surface_get_width(S), h = cairo_image_surface_get_height(S);
    const int stride = cairo_image_surface_get_stride(S);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + std::ptrdiff_t(y) * stride);
        for (int x = 0; x < w;) {
            if (!(row[x] >> 24)) {
                ++x;
                continue;
            }
            int end = x;
            while (end < w && (row[end] >> 24)) ++end;
            const cairo_rectangle_int_t run{x, y, end - x, 1};
            cairo_region_union_rectangle(region.Handle(), &run);
            x = end;
        }
    }
    return region;
}

// Premultiplied pixels shown opaque: each colour as it is at full alpha.
TSurfaceRef OpaqueCopy(cairo_surface_t* S)
{
    const int w = cairo_image_surface_get_width(S), h = cairo_image_surface_get_height(S);
    TSurfaceRef out(cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h), cairo_surface_destroy);
    cairo_surface_flush(S);
    const unsigned char* from = cairo_image_surface_get_data(S);
    unsigned char* to = cairo_image_surface_get_data(out.get());
    const int fromStride = cairo_image_surface_get_stride(S), toStride = cairo_image_surface_get_stride(out.get());
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const uint32_t*>(from + std::ptrdiff_t(y) * fromStride);
        auto* o = reinterpret_cast<uint32_t*>(to + std::ptrdiff_t(y) * toStride);
        for (int x = 0; x < w; ++x) {
            const uint32_t v = in[x], a = v >> 24;
            uint32_t p = 0;
            for (int shift = 0; a && shift < 24; shift += 8)
                p |= std::min<uint32_t>(255, (((v >> shift) & 0xFF) * 255 + a / 2) / a) << shift;
            o[x] = p;
        }
    }
    cairo_surface_mark_dirty(out.get());
    return out;
}

bool GtkOpened()
{
    static const bool opened = [] {
        // Sizes are device pixels at 96 dpi: a scaled display would blur every picture.
        g_setenv("GDK_SCALE", "1", TRUE);
        // Our controls are pictures in one drawing area: the accessibility bridge would have
        // nothing to show and only opens a bus connection.
        g_setenv("NO_AT_BRIDGE", "1", TRUE);
        gdk_set_allowed_backends("x11,wayland,*");
        return gtk_init_check(nullptr, nullptr) != FALSE;
    }();
    return opened;
}

}  // namespace

// The GTK signal handlers: they only record input and defer the rest.
struct TGtkCallbacks {
    using TNative = TGtkBackend::TNative;

    static TPoint ScreenPoint(const TNative* N, double X, double Y)
    {
        return {N->Bounds.Left + Integer(std::floor(X)), N->Bounds.Top + Integer(std::floor(Y))};
    }

    static gboolean Draw(GtkWidget*, cairo_t* Cr, gpointer Data)
    {
        auto* n = static_cast<TNative*>(Data);
        cairo_surface_t* pixels = n->Layer ? n->Self->ShownPixels(*n) : n->Surface.get();
        if (pixels) {
            cairo_set_source_surface(Cr, pixels, 0, 0);
            cairo_set_operator(Cr, CAIRO_OPERATOR_SOURCE);
            cairo_paint(Cr);
        }
        return TRUE;
    }

    static gboolean Button(GtkWidget*, GdkEventButton* E, gpointer Data)
    {
        auto* n = static_cast<TNative*>(Data);
        // GDK's own double and triple clicks are ignored: the window system has its rule.
        if (E->type != GDK_BUTTON_PRESS && E->type != GDK_BUTTON_RELEASE) return TRUE;
        TMouseButton b = mbLeft;
        if (!MouseButtonOfGdk(E->button, b)) return FALSE;
        n->Self->SyncModifiers(E->state);
        TPoint at = ScreenPoint(n, E->x, E->y);
        if (E->type == GDK_BUTTON_PRESS && n->PointerGrabbed && !WindowFromPoint(at) && !GetCapture()) {
            // A press outside every window of ours while a drop-down is up: the program loses
            // the activation (towards none), and the pointer is free again at once.
            n->Self->UngrabPointer(*n);
            n->Self->Defer([] { NotifyActivated(0); });
            return TRUE;
        }
        InjectMouse(E->type == GDK_BUTTON_PRESS ? TMouseAction::Down : TMouseAction::Up, at, b, 0,
                    n->Self->EventTick(E->time));
        n->Self->Arrived();
        return TRUE;
    }

    static gboolean Motion(GtkWidget*, GdkEventMotion* E, gpointer Data)
    {
        auto* n = static_cast<TNative*>(Data);
        InjectMouse(TMouseAction::Move, ScreenPoint(n, E->x, E->y));
        n->Self->Arrived();
        return TRUE;
    }

    static gboolean Leave(GtkWidget*, GdkEventCrossing* E, gpointer Data)
    {
        auto* n = static_cast<TNative*>(Data);
        // Leaving for a window of its own, or while a button holds the mouse, is no leaving.
        const unsigned buttons = GDK_BUTTON1_MASK | GDK_BUTTON2_MASK | GDK_BUTTON3_MASK;
        if (E->mode != GDK_CROSSING_NORMAL || E->detail == GDK_NOTIFY_INFERIOR || (E->state & buttons)) return FALSE;
        // The window system learns of the mouse only from mouse messages: one more move, from
        // where the pointer went, lets it tell the control under the mouse that it left.
        HWND wnd = n->Wnd;
        TPoint screen = ScreenPoint(n, E->x, E->y);
        TPoint local{Integer(std::floor(E->x)), Integer(std::floor(E->y))};
        n->Self->Defer([wnd, screen, local] {
            if (!IsWindow(wnd)) return;
            SetCursorPos(screen);
            PostMessage(wnd, WM_MOUSEMOVE, 0, MakeLParam(local.X, local.Y));
        });
        return FALSE;
    }

    static gboolean Scroll(GtkWidget*, GdkEventScroll* E, gpointer Data)
    {
        auto* n = static_cast<TNative*>(Data);
        Integer delta = WheelDeltaOfGdk(E->direction, E->delta_y, n->Self->m_smoothScroll);
        if (delta == 0) return TRUE;
        n->Self->SyncModifiers(E->state);
        InjectMouse(TMouseAction::Wheel, ScreenPoint(n, E->x, E->y), mbLeft, delta);
        n->Self->Arrived();
        return TRUE;
    }

    static gboolean Key(GtkWidget*, GdkEventKey* E, gpointer Data)
    {
        auto* n = static_cast<TNative*>(Data);
        bool down = E->type == GDK_KEY_PRESS;
        TKeyTranslation t = TranslateGdkKey(E->keyval, (E->state & GDK_CONTROL_MASK) != 0);
        if (!t.VirtKey) return TRUE;
        n->Self->SyncModifiers(E->state);
        n->Self->Key(t, down);
        // Every key is ours: GTK's own key handling (mnemonics, F10 menus) must not see it.
        return TRUE;
    }

    static gboolean FocusIn(GtkWidget*, GdkEventFocus*, gpointer Data)
    {
        auto* n = static_cast<TNative*>(Data);
        HWND wnd = n->Wnd;
        TGtkBackend* self = n->Self;
        self->Defer([self, wnd] { self->NativeFocusIn(wnd); });
        return FALSE;
    }

    static gboolean FocusOut(GtkWidget*, GdkEventFocus*, gpointer Data)
    {
        auto* n = static_cast<TNative*>(Data);
        TGtkBackend* self = n->Self;
        // Focus moving between two of our windows goes out of one and into the other: only
        // when none of ours has it a moment later did the program lose the activation.
        if (!self->m_deactivationCheck) self->m_deactivationCheck = g_timeout_add(120, DeactivationDue, self);
        return FALSE;
    }

    static gboolean DeactivationDue(gpointer Data)
    {
        auto* self = static_cast<TGtkBackend*>(Data);
        self->m_deactivationCheck = 0;
        self->Defer([self] { self->CheckDeactivation(); });
        return G_SOURCE_REMOVE;
    }

    static gboolean Configure(GtkWidget* W, GdkEventConfigure* E, gpointer Data)
    {
        auto* n = static_cast<TNative*>(Data);
        gint x = E->x, y = E->y;
        if (GdkWindow* gw = gtk_widget_get_window(W)) gdk_window_get_origin(gw, &x, &y);
        TRect b = Rect(x, y, x + E->width, y + E->height);
        if (b == n->Bounds) return FALSE;
        // The user or the window manager moved or sized the window: the window system follows.
        if (b.Width() != n->Bounds.Width() || b.Height() != n->Bounds.Height()) {
            n->Surface = NewSurface(b.Width(), b.Height(), n->Surface.get());
            n->Shown.reset();
        }
        n->Bounds = b;
        HWND wnd = n->Wnd;
        n->Self->Defer([wnd, b] {
            if (IsWindow(wnd)) MoveWindow(wnd, b, true);
        });
        return FALSE;
    }

    // Only a window destroyed by another client gets here: our own destruction disconnects us
    // first. GTK frees the widgets after this; nothing of them may be used again, and the
    // program hears the window's close.
    static void Destroyed(GtkWidget*, gpointer Data)
    {
        auto* n = static_cast<TNative*>(Data);
        n->Window = nullptr;
        n->Area = nullptr;
        n->PointerGrabbed = false;
        n->Visible = false;
        HWND wnd = n->Wnd;
        TGtkBackend* self = n->Self;
        self->Defer([self, wnd] { self->NativeWindowLost(wnd); });
    }

    static gboolean Delete(GtkWidget*, GdkEvent*, gpointer Data)
    {
        auto* n = static_cast<TNative*>(Data);
        // The close box asks, as the system menu's Close does; the form decides.
        PostMessage(n->Wnd, WM_CLOSE, 0, 0);
        n->Self->Arrived();
        return TRUE;
    }

    static gboolean WaitTimeout(gpointer Data)
    {
        auto* fired = static_cast<bool*>(Data);
        *fired = true;
        return G_SOURCE_REMOVE;
    }
};

// --- lifetime ---------------------------------------------------------------------------------------

bool TGtkBackend::DisplayAvailable() { return GtkOpened() && gdk_display_get_default() != nullptr; }

bool TGtkBackend::Composited()
{
    GdkScreen* screen = gdk_screen_get_default();
    return screen && gdk_screen_is_composited(screen) && gdk_screen_get_rgba_visual(screen);
}

TGtkBackend::TGtkBackend()
{
    if (!DisplayAvailable())
        throw EInvalidOperation(
            u"Cannot open the display (neither DISPLAY nor WAYLAND_DISPLAY names one that answers)");
    SetBackend(this);
}

TGtkBackend::~TGtkBackend()
{
    if (m_deactivationCheck) g_source_remove(m_deactivationCheck);
    ReleaseClipboard();
    for (auto& [wnd, n] : m_windows) Unrealize(*n);
    m_windows.clear();
    FreeCursors();
    if (HasBackend() && &Backend() == this) SetBackend(nullptr);
    // What GTK still holds for the windows goes now, not at some later iteration.
    for (int i = 0; i < 100 && g_main_context_iteration(nullptr, FALSE); ++i) {}
}

TGtkBackend::TNative* TGtkBackend::Find(HWND Wnd) const
{
    auto it = m_windows.find(Wnd);
    return it == m_windows.end() ? nullptr : it->second.get();
}

// --- time and waiting --------------------------------------------------------------------------------

Cardinal TGtkBackend::TickCount() { return Cardinal(g_get_monotonic_time() / 1000); }

void TGtkBackend::Defer(std::function<void()> Action)
{
    m_deferred.push_back(std::move(Action));
    Arrived();
}

void TGtkBackend::RunDeferred()
{
    while (!m_deferred.empty()) {
        auto action = std::move(m_deferred.front());
        m_deferred.pop_front();
        action();
    }
}

void TGtkBackend::WaitForEvents(Cardinal TimeoutMs)
{
    m_arrived = false;
    bool fired = TimeoutMs == 0;
    guint timer = 0;
    if (!fired && TimeoutMs != Infinite) timer = g_timeout_add(TimeoutMs, TGtkCallbacks::WaitTimeout, &fired);
    struct TTimerGuard {
        guint& Id;
        bool& Fired;
        ~TTimerGuard()
        {
            if (Id && !Fired) g_source_remove(Id);
        }
    } guard{timer, fired};
    while (!m_arrived && !fired && !m_wakeRequested.exchange(false)) g_main_context_iteration(nullptr, TRUE);
    // A few more rounds hand over what arrived together (a press and its motion, a redraw).
    for (int i = 0; i < 32 && g_main_context_iteration(nullptr, FALSE); ++i) {}
    m_lastPoll = TickCount();
    RunDeferred();
}

void TGtkBackend::PollEvents()
{
    Cardinal now = TickCount();
    if (now - m_lastPoll < 5 && !m_wakeRequested.load()) return;
    m_lastPoll = now;
    m_wakeRequested = false;
    for (int i = 0; i < 32 && g_main_context_iteration(nullptr, FALSE); ++i) {}
    RunDeferred();
}

void TGtkBackend::WakeUp()
{
    m_wakeRequested = true;
    g_main_context_wakeup(nullptr);
}

// --- windows -------------------------------------------------------------------------------------------

void TGtkBackend::WindowCreated(HWND Wnd, TNativeKind Kind, HWND Owner, const TRect& Bounds)
{
    auto n = std::make_unique<TNative>();
    n->Self = this;
    n->Wnd = Wnd;
    n->Kind = Kind;
    n->Owner = Owner;
    n->Bounds = Bounds;
    n->Caption = GetWindowText(Wnd);
    m_windows[Wnd] = std::move(n);
}

void TGtkBackend::WindowDestroyed(HWND Wnd)
{
    auto it = m_windows.find(Wnd);
    if (it == m_windows.end()) return;
    Unrealize(*it->second);
    m_windows.erase(it);
    if (m_presenting == Wnd) m_presenting = 0;
}

void TGtkBackend::NativeWindowLost(HWND Wnd)
{
    if (!IsWindow(Wnd)) return;
    if (m_presenting == Wnd) m_presenting = 0;
    // As the close box does, but at once: the window is gone from the screen already.
    SendMessage(Wnd, WM_CLOSE, 0, 0);
    // A window that stays (its close was refused) comes back on the screen.
    if (IsWindow(Wnd) && IsWindowVisible(Wnd)) WindowShown(Wnd, true);
    if (IsWindow(Wnd)) InvalidateRect(Wnd, nullptr, true);
}

void TGtkBackend::Realize(TNative& N)
{
    if (N.Window) return;
    bool popup = N.Kind != TNativeKind::Normal;
    N.Window = gtk_window_new(popup ? GTK_WINDOW_POPUP : GTK_WINDOW_TOPLEVEL);
    GtkWindow* w = GTK_WINDOW(N.Window);
    // Positions are those of the client area, whatever frame the window manager adds.
    gtk_window_set_gravity(w, GDK_GRAVITY_STATIC);
    gtk_window_set_title(w, StringToUtf8(N.Caption).c_str());
    Cardinal style = GetWindowStyle(N.Wnd), ex = GetWindowExStyle(N.Wnd);
    if (!popup && !(style & WS_CAPTION)) gtk_window_set_decorated(w, FALSE);
    if (ex & WS_EX_TOOLWINDOW) gtk_window_set_skip_taskbar_hint(w, TRUE);
    if (ex & WS_EX_TOPMOST) gtk_window_set_keep_above(w, TRUE);
    if (popup) {
        // A pop-up never takes the display's focus, not even when it appears: its owner keeps it
        // (and passes keys on), or, for an overlay that cannot be activated, whoever had it.
        gtk_window_set_type_hint(
            w, N.Kind == TNativeKind::NonActivatingPopup ? GDK_WINDOW_TYPE_HINT_TOOLTIP : GDK_WINDOW_TYPE_HINT_COMBO);
        gtk_window_set_accept_focus(w, FALSE);
        gtk_window_set_focus_on_map(w, FALSE);
    }
    N.RgbaVisual = false;
    if (N.Layer && Composited()) {
        // The display blends the window's pixels by their alpha: the window needs an alpha channel.
        gtk_widget_set_visual(N.Window, gdk_screen_get_rgba_visual(gdk_screen_get_default()));
        gtk_widget_set_app_paintable(N.Window, TRUE);
        N.RgbaVisual = true;
    }
    N.Shown.reset();
    if (TNative* owner = Find(GetTopLevelWindow(N.Owner)); owner && owner->Window)
        gtk_window_set_transient_for(w, GTK_WINDOW(owner->Window));
    gtk_window_set_default_size(w, std::max(1, N.Bounds.Width()), std::max(1, N.Bounds.Height()));
    gtk_window_move(w, N.Bounds.Left, N.Bounds.Top);

    N.Area = gtk_drawing_area_new();
    gtk_widget_add_events(N.Area,
                          GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_POINTER_MOTION_MASK | GDK_SCROLL_MASK |
                              GDK_ENTER_NOTIFY_MASK | GDK_LEAVE_NOTIFY_MASK);
    gtk_container_add(GTK_CONTAINER(N.Window), N.Area);
    g_signal_connect(N.Area, "draw", G_CALLBACK(TGtkCallbacks::Draw), &N);
    g_signal_connect(N.Area, "button-press-event", G_CALLBACK(TGtkCallbacks::Button), &N);
    g_signal_connect(N.Area, "button-release-event", G_CALLBACK(TGtkCallbacks::Button), &N);
    g_signal_connect(N.Area, "motion-notify-event", G_CALLBACK(TGtkCallbacks::Motion), &N);
    g_signal_connect(N.Area, "scroll-event", G_CALLBACK(TGtkCallbacks::Scroll), &N);
    g_signal_connect(N.Area, "leave-notify-event", G_CALLBACK(TGtkCallbacks::Leave), &N);
    g_signal_connect(N.Window, "key-press-event", G_CALLBACK(TGtkCallbacks::Key), &N);
    g_signal_connect(N.Window, "key-release-event", G_CALLBACK(TGtkCallbacks::Key), &N);
    g_signal_connect(N.Window, "focus-in-event", G_CALLBACK(TGtkCallbacks::FocusIn), &N);
    g_signal_connect(N.Window, "focus-out-event", G_CALLBACK(TGtkCallbacks::FocusOut), &N);
    g_signal_connect(N.Window, "configure-event", G_CALLBACK(TGtkCallbacks::Configure), &N);
    g_signal_connect(N.Window, "delete-event", G_CALLBACK(TGtkCallbacks::Delete), &N);
    g_signal_connect(N.Window, "destroy", G_CALLBACK(TGtkCallbacks::Destroyed), &N);
    gtk_widget_realize(N.Window);
    gtk_widget_realize(N.Area);
    ApplyCursor(N);
    ApplyShape(N);
}

void TGtkBackend::Recreate(TNative& N)
{
    const bool visible = N.Visible;
    Unrealize(N);
    N.Visible = false;
    if (!visible) return;
    WindowShown(N.Wnd, true);
    // The display's focus went with the old GTK window: the active window takes it back.
    const HWND active = GetActiveWindow();
    if (active && FocusHolder(active) == N.Wnd) WindowActivated(active);
}

cairo_surface_t* TGtkBackend::ShownPixels(TNative& N)
{
    if (!N.Layer) return N.Surface.get();
    if (!N.Shown) {
        TWindowLayer layer = *N.Layer;
        // Nothing blends a constant opacity without compositing: what it paints shows as painted.
        if (!N.RgbaVisual && layer.Alpha > 0) layer.Alpha = 255;
        N.Shown = LayeredWindowPixels(layer, N.Surface.get(), N.Bounds.Width(), N.Bounds.Height());
        if (!N.RgbaVisual) N.Shown = OpaqueCopy(N.Shown.get());
    }
    return N.Shown.get();
}

void TGtkBackend::ApplyShape(TNative& N)
{
    if (!N.Window) return;
    const TRegion* shape = N.Shape ? &*N.Shape : nullptr;
    std::optional<TRegion> seen;
    if (N.Layer) {
        // The mouse falls through what is transparent, as it does on a layered window; without
        // compositing nothing else can show it transparent, so the window is cut to it too.
        N.Shown.reset();
        TSurfaceRef argb = LayeredWindowPixels(*N.Layer, N.Surface.get(), N.Bounds.Width(), N.Bounds.Height());
        seen = AlphaRegion(argb.get());
        if (shape) seen->Combine(*seen, *shape, RGN_AND);
    }
    const TRegion* input = seen ? &*seen : shape;
    const TRegion* bounding = (seen && !N.RgbaVisual) ? &*seen : shape;
    gtk_widget_shape_combine_region(N.Window, bounding ? bounding->Handle() : nullptr);
    gtk_widget_input_shape_combine_region(N.Window, input ? input->Handle() : nullptr);
}

void TGtkBackend::GrabPointer(TNative& N)
{
    GdkWindow* w = N.Area ? gtk_widget_get_window(N.Area) : nullptr;
    if (!w || N.PointerGrabbed) return;
    GdkSeat* seat = gdk_display_get_default_seat(gdk_window_get_display(w));
    // Owner events: presses on our other windows still go to them as usual.
    N.PointerGrabbed = gdk_seat_grab(seat, w, GDK_SEAT_CAPABILITY_ALL_POINTING, TRUE, nullptr, nullptr, nullptr,
                                     nullptr) == GDK_GRAB_SUCCESS;
}

void TGtkBackend::UngrabPointer(TNative& N)
{
    if (!N.PointerGrabbed) return;
    N.PointerGrabbed = false;
    if (GdkDisplay* d = gdk_display_get_default()) gdk_seat_ungrab(gdk_display_get_default_seat(d));
}

void TGtkBackend::Unrealize(TNative& N)
{
    if (!N.Window) return;
    UngrabPointer(N);
    g_signal_handlers_disconnect_by_data(N.Window, &N);
    g_signal_handlers_disconnect_by_data(N.Area, &N);
    gtk_widget_destroy(N.Window);
    N.Window = nullptr;
    N.Area = nullptr;
}

void TGtkBackend::WindowShown(HWND Wnd, bool Visible)
{
    TNative* n = Find(Wnd);
    if (!n || n->Visible == Visible) return;
    n->Visible = Visible;
    if (Visible) {
        Realize(*n);
        gtk_window_move(GTK_WINDOW(n->Window), n->Bounds.Left, n->Bounds.Top);
        gtk_window_resize(GTK_WINDOW(n->Window), std::max(1, n->Bounds.Width()), std::max(1, n->Bounds.Height()));
        gtk_widget_show_all(n->Window);
        if (n->Kind == TNativeKind::ActivatingPopup && GetActiveWindow() == Wnd) GrabPointer(*n);
    } else if (n->Window) {
        UngrabPointer(*n);
        gtk_widget_hide(n->Window);
    }
}

void TGtkBackend::WindowMoved(HWND Wnd, const TRect& Bounds)
{
    TNative* n = Find(Wnd);
    if (!n || n->Bounds == Bounds) return;
    bool resized = n->Bounds.Width() != Bounds.Width() || n->Bounds.Height() != Bounds.Height();
    n->Bounds = Bounds;
    if (resized && n->Surface) n->Surface = NewSurface(Bounds.Width(), Bounds.Height(), n->Surface.get());
    if (resized && n->Layer) ApplyShape(*n);
    if (!n->Window) return;
    gtk_window_move(GTK_WINDOW(n->Window), Bounds.Left, Bounds.Top);
    if (resized) gtk_window_resize(GTK_WINDOW(n->Window), std::max(1, Bounds.Width()), std::max(1, Bounds.Height()));
}

void TGtkBackend::WindowCaptionChanged(HWND Wnd, const String& Caption)
{
    TNative* n = Find(Wnd);
    if (!n) return;
    n->Caption = Caption;
    if (n->Window) gtk_window_set_title(GTK_WINDOW(n->Window), StringToUtf8(Caption).c_str());
}

cairo_surface_t* TGtkBackend::WindowSurface(HWND Wnd)
{
    TNative* n = Find(Wnd);
    if (!n) return nullptr;
    if (!n->Surface) n->Surface = NewSurface(n->Bounds.Width(), n->Bounds.Height(), nullptr);
    return n->Surface.get();
}

void TGtkBackend::WindowPainted(HWND Wnd, const TRect& Area)
{
    TNative* n = Find(Wnd);
    if (!n || !n->Area) return;
    cairo_surface_flush(n->Surface.get());
    if (n->Layer && !n->Layer->Image) {
        // Shown from what it paints: the keyed pixels it painted are where it is transparent.
        if (n->Layer->HasKey)
            ApplyShape(*n);
        else
            n->Shown.reset();
    }
    gtk_widget_queue_draw_area(n->Area, Area.Left, Area.Top, Area.Width(), Area.Height());
}

void TGtkBackend::WindowLayerChanged(HWND Wnd, const TWindowLayer* Layer)
{
    TNative* n = Find(Wnd);
    if (!n) return;
    if (Layer)
        n->Layer = *Layer;
    else
        n->Layer.reset();
    n->Shown.reset();
    if (!n->Window) return;
    if (n->Layer && !n->RgbaVisual && Composited()) {
        Recreate(*n);
        return;
    }
    ApplyShape(*n);
    if (n->Area) gtk_widget_queue_draw(n->Area);
}

void TGtkBackend::WindowShapeChanged(HWND Wnd, const TRegion* Shape)
{
    TNative* n = Find(Wnd);
    if (!n) return;
    if (Shape)
        n->Shape = *Shape;
    else
        n->Shape.reset();
    ApplyShape(*n);
}

// --- activation ----------------------------------------------------------------------------------------

HWND TGtkBackend::FocusHolder(HWND Wnd) const
{
    // A pop-up never holds the display's focus: its owner's window does, and keys reach the
    // window system's focus from there.
    for (int guard = 0; Wnd && guard < 64; ++guard) {
        TNative* n = Find(Wnd);
        if (n && n->Kind == TNativeKind::Normal) return Wnd;
        Wnd = GetTopLevelWindow(GetWindowOwner(Wnd));
    }
    return 0;
}

void TGtkBackend::WindowActivated(HWND Wnd)
{
    // Only the active drop-down holds the pointer; an overlay shown meanwhile never does.
    for (auto& [wnd, native] : m_windows)
        if (wnd != Wnd) UngrabPointer(*native);
    if (TNative* popup = Find(Wnd); popup && popup->Kind == TNativeKind::ActivatingPopup && popup->Visible)
        GrabPointer(*popup);
    TNative* n = Find(FocusHolder(Wnd));
    if (!n || !n->Window || !n->Visible) return;
    if (gtk_window_is_active(GTK_WINDOW(n->Window))) return;
    m_presenting = n->Wnd;
    m_presentingSince = TickCount();
    gtk_window_present(GTK_WINDOW(n->Window));
}

void TGtkBackend::NativeFocusIn(HWND Wnd)
{
    if (!IsWindow(Wnd)) return;
    if (m_presenting) {
        // The focus of a window we activated earlier arrives late: the one asked for last wins.
        bool stale = Wnd != m_presenting && TickCount() - m_presentingSince < 1000;
        if (Wnd == m_presenting || !stale) m_presenting = 0;
        if (stale) return;
    }
    HWND active = GetActiveWindow();
    if (active && FocusHolder(active) == Wnd) return;
    if (!IsWindowEnabled(Wnd)) {
        // A window disabled by a modal form: the modal form comes back to the front.
        if (active) WindowActivated(active);
        return;
    }
    NotifyActivated(Wnd);
}

void TGtkBackend::CheckDeactivation()
{
    for (auto& [wnd, n] : m_windows)
        if (n->Window && n->Visible && gtk_window_is_active(GTK_WINDOW(n->Window))) return;
    // Keys held when another application took the focus are released: their releases will
    // go there.
    ReleaseHeldModifiers();
    if (GetActiveWindow()) NotifyActivated(0);
}

// --- event times -------------------------------------------------------------------------------------------

Cardinal TGtkBackend::EventTick(uint32_t EventTime)
{
    Cardinal now = TickCount();
    if (EventTime == GDK_CURRENT_TIME) return now;
    int32_t offset = int32_t(now - EventTime);
    if (!m_haveTimeOffset || offset < m_timeOffset) {
        m_timeOffset = offset;
        m_haveTimeOffset = true;
    }
    Cardinal t = EventTime + Cardinal(m_timeOffset);
    if (int32_t(t - now) > 0) t = now;
    return t ? t : 1;  // 0 would mean "when taken"
}

// --- modifiers ---------------------------------------------------------------------------------------------

void TGtkBackend::Key(const TKeyTranslation& K, bool Down)
{
    if (K.VirtKey == VK_SHIFT) m_shiftDown = Down;
    if (K.VirtKey == VK_CONTROL) m_ctrlDown = Down;
    if (K.VirtKey == VK_MENU) m_altDown = Down;
    InjectKeyEx(K.VirtKey, Down, K.ScanCode, K.Extended, K.Character);
    Arrived();
}

namespace {
TKeyTranslation ModifierKey(Word VirtKey)
{
    TKeyTranslation t;
    t.VirtKey = VirtKey;
    t.ScanCode = ScanCodeOfKey(VirtKey, t.Extended);
    return t;
}
}  // namespace

void TGtkBackend::SyncModifiers(unsigned State)
{
    if (m_shiftDown && !(State & GDK_SHIFT_MASK)) Key(ModifierKey(VK_SHIFT), false);
    if (m_ctrlDown && !(State & GDK_CONTROL_MASK)) Key(ModifierKey(VK_CONTROL), false);
    if (m_altDown && !(State & GDK_MOD1_MASK)) Key(ModifierKey(VK_MENU), false);
}

void TGtkBackend::ReleaseHeldModifiers() { SyncModifiers(0); }

// --- screen ----------------------------------------------------------------------------------------------

namespace {
GdkMonitor* PrimaryMonitor()
{
    GdkDisplay* d = gdk_display_get_default();
    if (!d) return nullptr;
    GdkMonitor* m = gdk_display_get_primary_monitor(d);
    return m ? m : gdk_display_get_monitor(d, 0);
}

TRect FromGdk(const GdkRectangle& R) { return Rect(R.x, R.y, R.x + R.width, R.y + R.height); }
}  // namespace

TRect TGtkBackend::ScreenRect() const
{
    GdkMonitor* m = PrimaryMonitor();
    if (!m) return Rect(0, 0, 1920, 1080);
    GdkRectangle r;
    gdk_monitor_get_geometry(m, &r);
    return FromGdk(r);
}

TRect TGtkBackend::WorkAreaRect() const
{
    GdkMonitor* m = PrimaryMonitor();
    if (!m) return Rect(0, 0, 1920, 1040);
    GdkRectangle r;
    gdk_monitor_get_workarea(m, &r);
    return FromGdk(r);
}

}  // namespace gw

// GTK, GLib and the libraries under them keep blocks for the life of the program (type system,
// display connection, settings) that the leak checker of the sanitizer builds would report at
// exit; a program with GTK inside is told so here. Fontconfig's own block is listed too, as this
// list replaces the graphics library's weak one.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n"
           "leak:libglib-2.0.so\n"
           "leak:libgobject-2.0.so\n"
           "leak:libgio-2.0.so\n"
           "leak:libgtk-3.so\n"
           "leak:libgdk-3.so\n"
           "leak:libdbus-1.so\n";
}
