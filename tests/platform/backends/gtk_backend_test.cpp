// The GTK back end on a private Xvfb, in this process: pixels reach the screen, X input comes in
// as the platform's messages, waits wake for timers and posts, the display's moves and focus
// reach the window system, the clipboard and the modal menu and file dialog work.
#include "platform/backends/gtk/gtk_backend.h"
#include "platform/backends/gtk/gtk_cursors.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/region.h"
#include "platform/runtime/resources.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/application.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/cursors.h"
#include "platform/ui/file_dialogs.h"
#include "platform/ui/forms.h"
#include "platform/ui/menus.h"
#include "platform/ui/window_system.h"
#include "tests/platform/backends/x_session.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <dlfcn.h>

#include <functional>
#include <thread>

// From gdk/gdkx.h, whose X11 macros would clash with the test framework's names.
extern "C" unsigned long gdk_x11_window_get_xid(GdkWindow* Window);

namespace gw::test {
namespace {

// One server for the whole program: GTK opens its display once per process.
TXvfb& Server()
{
    static TXvfb server;
    return server;
}

// The screenshot of the running test, one name per test (they run side by side).
std::string CurrentTestName()
{
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string("gtk_") + test->test_suite_name() + "." + test->name();
}

struct TRecord {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
};

class GtkBackendOnXvfb : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : {"Xvfb", "xdotool", "import"})
            if (!ToolAvailable(tool)) GTEST_SKIP() << tool << " is not installed (tools/setup.sh installs it)";
        ASSERT_TRUE(Server().Ok()) << "Xvfb did not start";
        setenv("DISPLAY", Server().Display().c_str(), 1);
        unsetenv("WAYLAND_DISPLAY");
        // The file chooser keeps its settings; here in memory, not in a session bus.
        setenv("GSETTINGS_BACKEND", "memory", 1);
        ResetWindowSystem();
        m_display = std::make_unique<TGtkBackend>();
    }

    void TearDown() override
    {
        FinalizeUI();
        ResetWindowSystem();
        m_display.reset();
    }

    // A visible top-level window painted in Colour (0xRRGGBB), recording its input messages.
    HWND MakeWindow(const String& Title, TRect Bounds, uint32_t Colour)
    {
        TCreateWindowParams p;
        p.Caption = Title;
        p.Style = WS_CAPTION | WS_VISIBLE;
        p.Bounds = Bounds;
        p.WndProc = [this, Colour](HWND Wnd, UINT Msg, WPARAM W, LPARAM L) -> LRESULT {
            if (Msg == WM_PAINT) {
                TPaintStruct ps;
                BeginPaint(Wnd, ps);
                if (ps.Pixels.Surface) {
                    cairo_t* cr = cairo_create(ps.Pixels.Surface);
                    cairo_set_source_rgb(cr, ((Colour >> 16) & 0xFF) / 255.0, ((Colour >> 8) & 0xFF) / 255.0,
                                         (Colour & 0xFF) / 255.0);
                    cairo_paint(cr);
                    cairo_destroy(cr);
                }
                EndPaint(Wnd, ps);
                return 0;
            }
            if ((Msg >= WM_KEYFIRST && Msg <= WM_KEYLAST) ||
                (Msg >= WM_MOUSEFIRST && Msg <= WM_MOUSELAST && Msg != WM_MOUSEMOVE) || Msg == WM_TIMER ||
                Msg == WM_USER || Msg == WM_ACTIVATE || Msg == WM_CLOSE)
                m_log.push_back({Msg, W, L});
            if (Msg == WM_CLOSE && m_refuseClose) return 0;
            return DefWindowProc(Wnd, Msg, W, L);
        };
        HWND h = CreateWindow(p);
        SetActiveWindow(h);
        return h;
    }

    // A pop-up owned by Owner: activating (a drop-down) or not (a hint).
    HWND MakePopup(HWND Owner, TRect Bounds, bool Activating)
    {
        TCreateWindowParams p;
        p.Style = WS_POPUP | WS_VISIBLE;
        p.ExStyle = Activating ? Cardinal(0) : Cardinal(WS_EX_NOACTIVATE);
        p.Parent = Owner;
        p.Bounds = Bounds;
        p.WndProc = [this](HWND Wnd, UINT Msg, WPARAM W, LPARAM L) -> LRESULT {
            if (Msg == WM_ACTIVATE || Msg == WM_KEYDOWN) m_popupLog.push_back({Msg, W, L});
            return DefWindowProc(Wnd, Msg, W, L);
        };
        return CreateWindow(p);
    }

    // Handles messages until Done says so or TimeoutMs passed.
    bool PumpUntil(const std::function<bool()>& Done, int TimeoutMs = 10000)
    {
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(TimeoutMs);
        for (;;) {
            if (Application) {
                Application->ProcessMessages();
            } else {
                TMsg m;
                while (PeekMessage(m)) {
                    TranslateMessage(m);
                    DispatchMessage(m);
                }
            }
            if (Done()) return true;
            if (std::chrono::steady_clock::now() >= end) return false;
            m_display->WaitForEvents(std::min<Cardinal>(NextTimerDue(), 50));
        }
    }

    // A visible top-level window filled with Colour (0xRRGGBB), not recording anything.
    HWND MakeOverlay(const String& Title, TRect Bounds, Cardinal Style, Cardinal ExStyle, uint32_t Colour)
    {
        TCreateWindowParams p;
        p.Caption = Title;
        p.Style = Style | WS_VISIBLE;
        p.ExStyle = ExStyle;
        p.Bounds = Bounds;
        p.WndProc = [Colour](HWND Wnd, UINT Msg, WPARAM W, LPARAM L) -> LRESULT {
            if (Msg != WM_PAINT) return DefWindowProc(Wnd, Msg, W, L);
            TPaintStruct ps;
            BeginPaint(Wnd, ps);
            if (ps.Pixels.Surface) {
                cairo_t* cr = cairo_create(ps.Pixels.Surface);
                cairo_set_source_rgb(cr, ((Colour >> 16) & 0xFF) / 255.0, ((Colour >> 8) & 0xFF) / 255.0,
                                     (Colour & 0xFF) / 255.0);
                cairo_paint(cr);
                cairo_destroy(cr);
            }
            EndPaint(Wnd, ps);
            return 0;
        };
        return CreateWindow(p);
    }

    // The top-level X window the server finds under the pointer (input shapes included), asked
    // on a connection of its own as another program would; its number.
    std::string XWindowUnderPointer()
    {
        using TOpen = void* (*)(const char*);
        using TRoot = unsigned long (*)(void*);
        using TQuery = int (*)(void*, unsigned long, unsigned long*, unsigned long*, int*, int*, int*, int*, unsigned*);
        using TClose = int (*)(void*);
        auto open = reinterpret_cast<TOpen>(dlsym(RTLD_DEFAULT, "XOpenDisplay"));
        auto root = reinterpret_cast<TRoot>(dlsym(RTLD_DEFAULT, "XDefaultRootWindow"));
        auto query = reinterpret_cast<TQuery>(dlsym(RTLD_DEFAULT, "XQueryPointer"));
        auto close = reinterpret_cast<TClose>(dlsym(RTLD_DEFAULT, "XCloseDisplay"));
        if (!open || !root || !query || !close) return {};
        void* other = open(Server().Display().c_str());
        if (!other) return {};
        unsigned long rootReturn = 0, child = 0;
        int rx = 0, ry = 0, wx = 0, wy = 0;
        unsigned mask = 0;
        query(other, root(other), &rootReturn, &child, &rx, &ry, &wx, &wy, &mask);
        close(other);
        return std::to_string(child);
    }

    std::vector<TRecord> Messages(UINT First, UINT Last) const
    {
        std::vector<TRecord> r;
        for (auto& m : m_log)
            if (m.Msg >= First && m.Msg <= Last) r.push_back(m);
        return r;
    }

    // Waits until the window's colour is on the screen.
    bool ShownOnScreen(TPoint P, uint32_t Colour)
    {
        const std::string file = picturePath(CurrentTestName() + ".png").string();
        return PumpUntil([&] {
            TImage shot = Screenshot(Server().Display(), file);
            return shot && PixelAt(shot.get(), P.X, P.Y) == Colour;
        });
    }

    int Xdotool(std::vector<std::string> Args)
    {
        Args.insert(Args.begin(), "xdotool");
        return RunTool(Args, Server().Display());
    }

    std::unique_ptr<TGtkBackend> m_display;
    bool m_refuseClose = false;
    std::vector<TRecord> m_log;
    std::vector<TRecord> m_popupLog;
};

// The GTK window showing a window system window, by its title.
GtkWidget* GtkWindowTitled(const char* Title)
{
    GList* all = gtk_window_list_toplevels();
    GtkWidget* found = nullptr;
    for (GList* l = all; l; l = l->next) {
        const char* t = gtk_window_get_title(GTK_WINDOW(l->data));
        if (t && std::strcmp(t, Title) == 0) found = GTK_WIDGET(l->data);
    }
    g_list_free(all);
    return found;
}

// Destroys the X window of a GTK window from a display connection of its own, as another program
// would. Xlib is in the process already (GDK's); its header's macros would clash here too.
bool DestroyFromAnotherClient(GtkWidget* Window, const std::string& Display)
{
    using TOpen = void* (*)(const char*);
    using TDestroy = int (*)(void*, unsigned long);
    using TSync = int (*)(void*, int);
    using TClose = int (*)(void*);
    auto open = reinterpret_cast<TOpen>(dlsym(RTLD_DEFAULT, "XOpenDisplay"));
    auto destroy = reinterpret_cast<TDestroy>(dlsym(RTLD_DEFAULT, "XDestroyWindow"));
    auto sync = reinterpret_cast<TSync>(dlsym(RTLD_DEFAULT, "XSync"));
    auto close = reinterpret_cast<TClose>(dlsym(RTLD_DEFAULT, "XCloseDisplay"));
    if (!open || !destroy || !sync || !close || !Window || !gtk_widget_get_window(Window)) return false;
    void* other = open(Display.c_str());
    if (!other) return false;
    destroy(other, gdk_x11_window_get_xid(gtk_widget_get_window(Window)));
    sync(other, 0);
    close(other);
    return true;
}

// A 16 x 16 cursor file, 32 bits per pixel, hot spot (3, 5).
std::string CursorFile()
{
    std::string f;
    auto put = [&](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) f += char((v >> (8 * i)) & 0xFF);
    };
    const uint32_t image = 40 + 16 * 16 * 4 + 16 * 4;
    put(0, 2), put(2, 2), put(1, 2);  // a cursor file, one image
    put(16, 1), put(16, 1), put(0, 1), put(0, 1), put(3, 2), put(5, 2);  // 16 x 16, hot spot
    put(image, 4), put(22, 4);
    put(40, 4), put(16, 4), put(32, 4), put(1, 2), put(32, 2);  // the image's header
    for (int i = 0; i < 6; ++i) put(0, 4);
    for (int i = 0; i < 16 * 16; ++i) put(0xFF000000u | (i % 16 < 8 ? 0x0000FF : 0xFFFFFF), 4);
    for (int i = 0; i < 16; ++i) put(0, 4);  // the mask: every pixel shown
    return f;
}

TEST_F(GtkBackendOnXvfb, ScreenIsTheServersAndPixelsReachIt)
{
    EXPECT_EQ(m_display->ScreenRect(), Rect(0, 0, 1280, 1024));
    // No window manager reserves a panel on Xvfb: the work area is the whole screen.
    EXPECT_EQ(m_display->WorkAreaRect(), Rect(0, 0, 1280, 1024));
    MakeWindow(u"Pixels", Bounds(100, 120, 200, 100), 0x20A040);
    EXPECT_TRUE(ShownOnScreen({100, 120}, 0x20A040));
    EXPECT_TRUE(ShownOnScreen({299, 219}, 0x20A040));
}

TEST_F(GtkBackendOnXvfb, AWindowDestroyedByAnotherClientIsClosed)
{
    // Its close refused, the window comes back on the screen.
    m_refuseClose = true;
    HWND stays = MakeWindow(u"Stays", Bounds(100, 100, 200, 100), 0x20A040);
    ASSERT_TRUE(ShownOnScreen({150, 150}, 0x20A040));
    GtkWidget* first = GtkWindowTitled("Stays");
    ASSERT_TRUE(DestroyFromAnotherClient(first, Server().Display()));
    ASSERT_TRUE(PumpUntil([&] { return !Messages(WM_CLOSE, WM_CLOSE).empty(); }));
    EXPECT_TRUE(IsWindow(stays));
    EXPECT_TRUE(ShownOnScreen({150, 150}, 0x20A040)) << "shown anew";
    m_refuseClose = false;
    DestroyWindow(stays);

    // Closed as the close box would; the window system's window goes and nothing of the GTK
    // window is touched again.
    m_log.clear();
    HWND goes = MakeWindow(u"Goes", Bounds(100, 100, 200, 100), 0x3060C0);
    ASSERT_TRUE(ShownOnScreen({150, 150}, 0x3060C0));
    ASSERT_TRUE(DestroyFromAnotherClient(GtkWindowTitled("Goes"), Server().Display()));
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(goes); }));
    EXPECT_EQ(Messages(WM_CLOSE, WM_CLOSE).size(), 1u);
    EXPECT_EQ(GtkWindowTitled("Goes"), nullptr);
    PumpUntil([] { return false; }, 300);
}

TEST_F(GtkBackendOnXvfb, KeysCarryScanCodesAndTheKeypadIsToldApart)
{
    MakeWindow(u"Keys", Bounds(100, 100, 200, 100), 0xFFFFFF);
    ASSERT_TRUE(ShownOnScreen({150, 150}, 0xFFFFFF));
    ASSERT_EQ(Xdotool({"key", "Home", "KP_Home", "Return", "KP_Enter", "a"}), 0);
    ASSERT_TRUE(PumpUntil([&] { return Messages(WM_CHAR, WM_CHAR).size() >= 3; }));
    auto downs = Messages(WM_KEYDOWN, WM_KEYDOWN);
    ASSERT_EQ(downs.size(), 5u);
    struct TExpected {
        Word Vk;
        Word Scan;
        bool Extended;
    } expected[] = {{VK_HOME, 0x47, true},
                    {VK_HOME, 0x47, false},
                    {VK_RETURN, 0x1C, false},
                    {VK_RETURN, 0x1C, true},
                    {'A', 0x1E, false}};
    for (std::size_t i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(downs[i].WParam, expected[i].Vk);
        EXPECT_EQ((downs[i].LParam >> 16) & 0xFF, expected[i].Scan);
        EXPECT_EQ((downs[i].LParam & KF_EXTENDED_BIT) != 0, expected[i].Extended);
    }
    auto chars = Messages(WM_CHAR, WM_CHAR);
    EXPECT_EQ(chars[0].WParam, 13u);
    EXPECT_EQ(chars[1].WParam, 13u);
    EXPECT_EQ(chars[2].WParam, WPARAM(u'a'));
}

TEST_F(GtkBackendOnXvfb, DoubleClicksComeFromThePlatformsRule)
{
    MakeWindow(u"Clicks", Bounds(100, 100, 200, 100), 0xFFFFFF);
    ASSERT_TRUE(ShownOnScreen({150, 150}, 0xFFFFFF));
    ASSERT_EQ(Xdotool({"mousemove", "150", "150", "click", "--repeat", "2", "--delay", "60", "1"}), 0);
    ASSERT_TRUE(PumpUntil([&] { return Messages(WM_LBUTTONDOWN, WM_MBUTTONDBLCLK).size() >= 4; }));
    std::vector<UINT> got;
    for (auto& m : Messages(WM_LBUTTONDOWN, WM_MBUTTONDBLCLK)) got.push_back(m.Msg);
    EXPECT_EQ(got, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));
    // The click's point is in client coordinates.
    EXPECT_EQ(m_log.back().LParam, MakeLParam(50, 50));

    // Two clicks further apart than the double-click time stay two clicks, even when the program
    // was busy (here: not looking) and takes both presses together.
    m_log.clear();
    ASSERT_EQ(Xdotool({"click", "--repeat", "2", "--delay", "700", "1"}), 0);
    ASSERT_TRUE(PumpUntil([&] { return Messages(WM_LBUTTONDOWN, WM_MBUTTONDBLCLK).size() >= 4; }));
    EXPECT_EQ(Messages(WM_LBUTTONDBLCLK, WM_LBUTTONDBLCLK).size(), 0u);
}

TEST_F(GtkBackendOnXvfb, WheelNotchesAre120)
{
    MakeWindow(u"Wheel", Bounds(100, 100, 200, 100), 0xFFFFFF);
    ASSERT_TRUE(ShownOnScreen({150, 150}, 0xFFFFFF));
    ASSERT_EQ(Xdotool({"mousemove", "150", "150", "click", "4", "click", "5", "click", "5"}), 0);
    ASSERT_TRUE(PumpUntil([&] { return Messages(WM_MOUSEWHEEL, WM_MOUSEWHEEL).size() >= 3; }));
    auto wheel = Messages(WM_MOUSEWHEEL, WM_MOUSEWHEEL);
    EXPECT_EQ(int16_t(wheel[0].WParam >> 16), 120);
    EXPECT_EQ(int16_t(wheel[1].WParam >> 16), -120);
    EXPECT_EQ(int16_t(wheel[2].WParam >> 16), -120);
}

TEST_F(GtkBackendOnXvfb, WaitsEndForTimersAndForPostsFromOtherThreads)
{
    HWND w = MakeWindow(u"Time", Bounds(100, 100, 100, 100), 0xFFFFFF);
    Cardinal start = GetTickCountUI();
    SetTimer(w, 7, 40);
    ASSERT_TRUE(PumpUntil([&] { return !Messages(WM_TIMER, WM_TIMER).empty(); }));
    EXPECT_GE(GetTickCountUI() - start, 35u);
    KillTimer(w, 7);

    // Nothing pending: the wait would last its whole timeout unless the post wakes it.
    PumpUntil([] { return false; }, 200);
    std::thread poster([w] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        PostMessage(w, WM_USER, 42, 0);
    });
    auto before = std::chrono::steady_clock::now();
    m_display->WaitForEvents(8000);
    auto waited = std::chrono::steady_clock::now() - before;
    poster.join();
    EXPECT_LT(waited, std::chrono::milliseconds(4000));
    ASSERT_TRUE(PumpUntil([&] { return !Messages(WM_USER, WM_USER).empty(); }, 2000));
    EXPECT_EQ(Messages(WM_USER, WM_USER)[0].WParam, 42u);
}

TEST_F(GtkBackendOnXvfb, MovesAndActivationByTheDisplayReachTheWindowSystem)
{
    HWND a = MakeWindow(u"First window", Bounds(100, 100, 200, 100), 0xFFFFFF);
    HWND b = MakeWindow(u"Second window", Bounds(400, 100, 200, 100), 0x3060C0);
    SetActiveWindow(a);
    ASSERT_TRUE(ShownOnScreen({150, 150}, 0xFFFFFF));
    ASSERT_TRUE(ShownOnScreen({450, 150}, 0x3060C0));

    ScratchDir ids("gtk-backend-ids");
    std::string idFile = (ids / "id.txt").string();
    ASSERT_EQ(RunTool({"xdotool", "search", "--name", "Second window"}, Server().Display(), 10000, idFile), 0);
    std::string id = ReadLines(idFile).at(0);

    ASSERT_EQ(Xdotool({"windowmove", id, "500", "300"}), 0);
    EXPECT_TRUE(PumpUntil([&] { return GetWindowRect(b).TopLeft() == TPoint{500, 300}; }));
    EXPECT_EQ(GetWindowRect(b).Width(), 200);
    // Sized by the display: the window system follows, and the new part is painted.
    ASSERT_EQ(Xdotool({"windowsize", id, "260", "140"}), 0);
    EXPECT_TRUE(PumpUntil([&] { return GetWindowRect(b) == Bounds(500, 300, 260, 140); }));
    EXPECT_TRUE(ShownOnScreen({500 + 250, 300 + 130}, 0x3060C0));

    ASSERT_EQ(Xdotool({"windowfocus", "--sync", id}), 0);
    EXPECT_TRUE(PumpUntil([&] { return GetActiveWindow() == b; }));

    // The focus goes to a window that is not ours: the program has no active window any more,
    // and the window that was active hears so.
    m_log.clear();
    std::string root = std::to_string(gdk_x11_window_get_xid(gdk_get_default_root_window()));
    ASSERT_EQ(Xdotool({"windowfocus", root}), 0);
    EXPECT_TRUE(PumpUntil([&] { return GetActiveWindow() == 0; }));
    auto activations = Messages(WM_ACTIVATE, WM_ACTIVATE);
    ASSERT_EQ(activations.size(), 1u);
    EXPECT_EQ(activations[0].WParam & 0xFFFF, WPARAM(WA_INACTIVE));
    EXPECT_EQ(activations[0].LParam, 0);
}

TEST_F(GtkBackendOnXvfb, ClipboardTextAndNamedFormatsAsGtkTargets)
{
    MakeWindow(u"Clipboard", Bounds(100, 100, 100, 100), 0xFFFFFF);
    Clipboard()->SetAsText(u"Gr\u00FC\u00DFe");
    EXPECT_EQ(Clipboard()->AsText(), u"Gr\u00FC\u00DFe");
    GtkClipboard* cb = gtk_clipboard_get(GDK_SELECTION_CLIPBOARD);
    gchar* text = gtk_clipboard_wait_for_text(cb);
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text,
                 "Gr\xC3\xBC\xC3\x9F"
                 "e");
    g_free(text);

    UINT format = RegisterClipboardFormat(u"GW Grid Cells");
    Clipboard()->SetBuffer(format, std::string("a\0b", 3));
    GtkSelectionData* sel = gtk_clipboard_wait_for_contents(cb, gdk_atom_intern("GW Grid Cells", FALSE));
    ASSERT_NE(sel, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(gtk_selection_data_get_data(sel)),
                          std::size_t(gtk_selection_data_get_length(sel))),
              std::string("a\0b", 3));
    gtk_selection_data_free(sel);
    EXPECT_FALSE(Clipboard()->HasFormat(CF_UNICODETEXT));

    // Another owner takes the clipboard over: its text is what the program reads.
    gtk_clipboard_set_text(cb, "from elsewhere", -1);
    EXPECT_TRUE(Clipboard()->HasFormat(CF_UNICODETEXT));
    EXPECT_EQ(Clipboard()->AsText(), u"from elsewhere");
    EXPECT_FALSE(Clipboard()->HasFormat(format));

    // Clearing empties it for every program, the other owner's text included.
    Clipboard()->Clear();
    EXPECT_FALSE(Clipboard()->HasFormat(CF_UNICODETEXT));
    EXPECT_FALSE(gtk_clipboard_wait_is_text_available(cb));
}

TEST_F(GtkBackendOnXvfb, PopupMenuReturnsTheChosenCommand)
{
    HWND w = MakeWindow(u"Menu", Bounds(100, 100, 300, 200), 0xFFFFFF);
    ASSERT_TRUE(ShownOnScreen({150, 150}, 0xFFFFFF));
    std::vector<TMenuEntry> items(4);
    items[0].Caption = u"&Cut";
    items[0].Command = 11;
    items[1].Caption = u"-";
    items[2].Caption = u"&Copy";
    items[2].Command = 12;
    items[3].Caption = u"&Paste";
    items[3].Command = 13;
    // Keys for the menu once it is up; Escape later in case it never took them.
    TChildProcess keys({"xdotool", "sleep", "0.7", "key", "Down", "Down", "Return"}, Server().Display(), "/dev/null");
    TChildProcess escape({"xdotool", "sleep", "8", "key", "Escape"}, Server().Display(), "/dev/null");
    UINT chosen = TrackPopupMenu(items, TPM_RETURNCMD, {160, 160}, w);
    EXPECT_EQ(chosen, 12u);
}

TEST_F(GtkBackendOnXvfb, SaveDialogReturnsTheNameTheUserAccepts)
{
    MakeWindow(u"Dialog", Bounds(100, 100, 300, 200), 0xFFFFFF);
    ScratchDir dir("gtk-backend-dialog");
    TChildProcess keys({"xdotool", "search", "--sync", "--onlyvisible", "--name", "^Save the configuration$",
                        "windowfocus", "--sync", "sleep", "0.5", "key", "Return"},
                       Server().Display(), "/dev/null");
    TChildProcess escape({"xdotool", "sleep", "12", "key", "Escape"}, Server().Display(), "/dev/null");
    TSaveDialog d(nullptr);
    d.Title = u"Save the configuration";
    d.InitialDir = Utf8ToString(dir.path().string());
    d.FileName = u"gateway.xml";
    d.Filter = u"Configurations (*.xml)|*.xml|All files|*.*";
    ASSERT_TRUE(d.Execute());
    EXPECT_EQ(d.FileName, Utf8ToString((dir / "gateway.xml").string()));
    EXPECT_EQ(d.FilterIndex, 1);
}

TEST_F(GtkBackendOnXvfb, DropDownTakesActivationButTheOwnerKeepsTheDisplaysFocus)
{
    HWND form = MakeWindow(u"Owner form", Bounds(100, 100, 300, 200), 0xFFFFFF);
    ASSERT_TRUE(ShownOnScreen({150, 150}, 0xFFFFFF));
    HWND drop = MakePopup(form, Bounds(120, 140, 100, 60), true);
    SetActiveWindow(drop);
    SetFocus(drop);
    // The owner's GTK window keeps the focus; that must not take the activation back.
    PumpUntil([] { return false; }, 400);
    ASSERT_EQ(GetActiveWindow(), drop);
    // Keys typed reach the drop-down, which has the window system's focus.
    ASSERT_EQ(Xdotool({"key", "Down"}), 0);
    ASSERT_TRUE(PumpUntil([&] { return !m_popupLog.empty() && m_popupLog.back().Msg == WM_KEYDOWN; }));

    // A press on the form outside it: the drop-down hears it loses the activation to the form,
    // before the form hears of the press.
    m_log.clear();
    m_popupLog.clear();
    ASSERT_EQ(Xdotool({"mousemove", "350", "250", "click", "1"}), 0);
    ASSERT_TRUE(PumpUntil([&] { return !Messages(WM_LBUTTONUP, WM_LBUTTONUP).empty(); }));
    ASSERT_FALSE(m_popupLog.empty());
    EXPECT_EQ(m_popupLog[0].Msg, UINT(WM_ACTIVATE));
    EXPECT_EQ(m_popupLog[0].WParam & 0xFFFF, WPARAM(WA_INACTIVE));
    EXPECT_EQ(HWND(m_popupLog[0].LParam), form);
    EXPECT_EQ(GetActiveWindow(), form);
}

TEST_F(GtkBackendOnXvfb, PressOutsideEveryWindowDeactivatesTheDropDown)
{
    HWND form = MakeWindow(u"Owner form", Bounds(100, 100, 300, 200), 0xFFFFFF);
    ASSERT_TRUE(ShownOnScreen({150, 150}, 0xFFFFFF));
    HWND drop = MakePopup(form, Bounds(120, 140, 100, 60), true);
    SetActiveWindow(drop);
    PumpUntil([] { return false; }, 300);
    ASSERT_EQ(GetActiveWindow(), drop);
    // On the bare screen: no window manager changes the focus, the drop-down must still hear.
    ASSERT_EQ(Xdotool({"mousemove", "1000", "800", "click", "1"}), 0);
    ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == 0; }));
    ASSERT_FALSE(m_popupLog.empty());
    EXPECT_EQ(m_popupLog.back().Msg, UINT(WM_ACTIVATE));
    EXPECT_EQ(m_popupLog.back().WParam & 0xFFFF, WPARAM(WA_INACTIVE));
    EXPECT_EQ(m_popupLog.back().LParam, 0);
    // The pointer is free again: a press on the form reaches it.
    m_log.clear();
    ASSERT_EQ(Xdotool({"mousemove", "350", "250", "click", "1"}), 0);
    EXPECT_TRUE(PumpUntil([&] { return !Messages(WM_LBUTTONUP, WM_LBUTTONUP).empty(); }));
}

TEST_F(GtkBackendOnXvfb, HintNeverTakesTheActivation)
{
    HWND form = MakeWindow(u"Hinted form", Bounds(100, 100, 300, 200), 0xFFFFFF);
    ASSERT_TRUE(ShownOnScreen({150, 150}, 0xFFFFFF));
    HWND hint = MakePopup(form, Bounds(200, 320, 120, 20), false);
    PumpUntil([] { return false; }, 400);
    EXPECT_TRUE(IsWindowVisible(hint));
    EXPECT_EQ(GetActiveWindow(), form);
    EXPECT_TRUE(m_popupLog.empty());
}

// The X window number of a GTK window, as xdotool writes it.
std::string XidOf(GtkWidget* Window)
{
    return Window && gtk_widget_get_window(Window)
        ? std::to_string(gdk_x11_window_get_xid(gtk_widget_get_window(Window)))
        : std::string();
}

// A 40 x 40 picture: the left 10 columns red at half alpha (premultiplied), the rest clear.
void HalfRedStripe(TBitmap& Picture)
{
    Picture.SetPixelFormat(pf32bit);
    Picture.SetSize(40, 40);
    for (Integer y = 0; y < 40; ++y)
        for (Integer x = 0; x < 10; ++x) {
            uint8_t* p = Picture.ScanLine(y) + x * 4;
            p[2] = 0x80;
            p[3] = 0x80;
        }
}

TEST_F(GtkBackendOnXvfb, AShapedWindowLetsClicksThroughOutsideItsRegion)
{
    MakeWindow(u"Under", Bounds(100, 100, 300, 200), 0xFFFFFF);
    ASSERT_TRUE(ShownOnScreen({150, 150}, 0xFFFFFF));
    HWND ring = MakeOverlay(u"Ring", Bounds(140, 140, 60, 60), WS_POPUP, WS_EX_NOACTIVATE, 0x3060C0);
    TRegion shape;
    shape.Combine(TRegion(Rect(0, 0, 60, 60)), TRegion(Rect(10, 10, 50, 50)), RGN_DIFF);
    ASSERT_TRUE(SetWindowRgn(ring, &shape, true));
    ASSERT_TRUE(ShownOnScreen({145, 145}, 0x3060C0));
    EXPECT_TRUE(ShownOnScreen({170, 170}, 0xFFFFFF)) << "the window below shows through the hole";

    // The server itself finds the window below in the hole, and the window system agrees.
    ASSERT_EQ(Xdotool({"mousemove", "170", "170"}), 0);
    EXPECT_EQ(XWindowUnderPointer(), XidOf(GtkWindowTitled("Under")));
    ASSERT_EQ(Xdotool({"click", "1"}), 0);
    ASSERT_TRUE(PumpUntil([&] { return !Messages(WM_LBUTTONUP, WM_LBUTTONUP).empty(); }));
    EXPECT_EQ(Messages(WM_LBUTTONDOWN, WM_LBUTTONDOWN).at(0).LParam, MakeLParam(70, 70));
    ASSERT_EQ(Xdotool({"mousemove", "145", "145"}), 0);
    EXPECT_EQ(XWindowUnderPointer(), XidOf(GtkWindowTitled("Ring")));

    // Without a shape the whole window shows again.
    ASSERT_TRUE(SetWindowRgn(ring, nullptr, true));
    EXPECT_TRUE(ShownOnScreen({170, 170}, 0x3060C0));
}

TEST_F(GtkBackendOnXvfb, WithoutACompositorALayeredWindowShowsItsVisiblePixelsOpaqueAndIsCutToThem)
{
    ASSERT_FALSE(TGtkBackend::Composited()) << "Xvfb alone does not composite";
    MakeWindow(u"Under", Bounds(100, 100, 300, 200), 0xFFFFFF);
    ASSERT_TRUE(ShownOnScreen({150, 150}, 0xFFFFFF));
    HWND layered = MakeOverlay(u"Layered", Bounds(150, 150, 40, 40), WS_POPUP | WS_DISABLED,
                               WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, 0x3060C0);
    TBitmap picture;
    HalfRedStripe(picture);
    TBlendFunction blend;
    ASSERT_TRUE(
        UpdateLayeredWindow(layered, nullptr, nullptr, nullptr, picture.Canvas(), nullptr, 0, &blend, ULW_ALPHA));
    // A shape cuts the bottom rows away on top of that.
    TRegion top(Rect(0, 0, 40, 30));
    ASSERT_TRUE(SetWindowRgn(layered, &top, true));

    EXPECT_TRUE(ShownOnScreen({155, 155}, 0xFF0000)) << "red at half alpha shows opaque red";
    EXPECT_TRUE(ShownOnScreen({175, 155}, 0xFFFFFF)) << "clear pixels: the window below";
    EXPECT_TRUE(ShownOnScreen({155, 185}, 0xFFFFFF)) << "outside the shape: the window below";
    GtkWidget* w = GtkWindowTitled("Layered");
    ASSERT_NE(w, nullptr);
    EXPECT_NE(gdk_window_get_visual(gtk_widget_get_window(w)), gdk_screen_get_rgba_visual(gdk_screen_get_default()));
    ASSERT_EQ(Xdotool({"mousemove", "175", "155"}), 0);
    EXPECT_EQ(XWindowUnderPointer(), XidOf(GtkWindowTitled("Under")));
    ASSERT_EQ(Xdotool({"mousemove", "155", "155"}), 0);
    EXPECT_EQ(XWindowUnderPointer(), XidOf(w));

    // A window with only a constant opacity shows opaque and whole.
    HWND faded = MakeOverlay(u"Faded", Bounds(250, 150, 40, 40), WS_POPUP | WS_DISABLED, WS_EX_LAYERED, 0x3060C0);
    ASSERT_TRUE(SetLayeredWindowAttributes(faded, 0, 192, LWA_ALPHA));
    EXPECT_TRUE(ShownOnScreen({255, 155}, 0x3060C0));
    EXPECT_TRUE(ShownOnScreen({285, 185}, 0x3060C0));
}

TEST_F(GtkBackendOnXvfb, UnderACompositorALayeredWindowIsBlendedByItsAlpha)
{
    if (!ToolAvailable("xcompmgr")) GTEST_SKIP() << "xcompmgr is not installed (tools/setup.sh installs it)";
    TChildProcess compositor({"xcompmgr", "-n"}, Server().Display(), "/dev/null");
    ASSERT_TRUE(PumpUntil([] { return TGtkBackend::Composited(); }));
    MakeWindow(u"Under", Bounds(100, 100, 300, 200), 0xFFFFFF);
    ASSERT_TRUE(ShownOnScreen({150, 150}, 0xFFFFFF));
    HWND layered = MakeOverlay(u"Layered", Bounds(150, 150, 40, 40), WS_POPUP | WS_DISABLED,
                               WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, 0x3060C0);
    TBitmap picture;
    HalfRedStripe(picture);
    TBlendFunction blend;
    ASSERT_TRUE(
        UpdateLayeredWindow(layered, nullptr, nullptr, nullptr, picture.Canvas(), nullptr, 0, &blend, ULW_ALPHA));
    GtkWidget* w = GtkWindowTitled("Layered");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(gdk_window_get_visual(gtk_widget_get_window(w)), gdk_screen_get_rgba_visual(gdk_screen_get_default()))
        << "an alpha channel the compositor blends by";
    // Half red over white, as the compositor blends it; the clear part shows the window below.
    const std::string file = picturePath(CurrentTestName() + ".png").string();
    uint32_t blended = 0;
    EXPECT_TRUE(PumpUntil([&] {
        TImage shot = Screenshot(Server().Display(), file);
        blended = shot ? PixelAt(shot.get(), 155, 155) : 0;
        auto near = [](uint32_t V, uint32_t Want) { return V >= Want - 1 && V <= Want + 1; };
        return (blended >> 16) == 0xFF && near((blended >> 8) & 0xFF, 0x7F) && near(blended & 0xFF, 0x7F);
    })) << std::hex
        << blended;
    EXPECT_TRUE(ShownOnScreen({175, 155}, 0xFFFFFF));
    // The mouse falls through the clear part only.
    ASSERT_EQ(Xdotool({"mousemove", "175", "155"}), 0);
    EXPECT_EQ(XWindowUnderPointer(), XidOf(GtkWindowTitled("Under")));
    ASSERT_EQ(Xdotool({"mousemove", "155", "155"}), 0);
    EXPECT_EQ(XWindowUnderPointer(), XidOf(w));

    // A window shown before it was made layered gets a GTK window with the RGBA visual anew,
    // keeping the activation.
    HWND form = MakeWindow(u"Translucent", Bounds(250, 150, 100, 100), 0x0000FF);
    ASSERT_TRUE(ShownOnScreen({300, 200}, 0x0000FF));
    SetWindowExStyle(form, GetWindowExStyle(form) | WS_EX_LAYERED);
    ASSERT_TRUE(SetLayeredWindowAttributes(form, 0, 128, LWA_ALPHA));
    ASSERT_TRUE(PumpUntil([&] {
        GtkWidget* t = GtkWindowTitled("Translucent");
        return t && gtk_widget_get_window(t) &&
            gdk_window_get_visual(gtk_widget_get_window(t)) == gdk_screen_get_rgba_visual(gdk_screen_get_default());
    }));
    EXPECT_TRUE(PumpUntil([&] {
        TImage shot = Screenshot(Server().Display(), file);
        const uint32_t v = shot ? PixelAt(shot.get(), 300, 200) : 0;
        return (v & 0xFF) == 0xFF && ((v >> 16) & 0xFF) >= 0x7E && ((v >> 16) & 0xFF) <= 0x80;
    })) << "half blue over the white window below";
    EXPECT_TRUE(PumpUntil([] { return gtk_window_is_active(GTK_WINDOW(GtkWindowTitled("Translucent"))); }));
    EXPECT_EQ(GetActiveWindow(), form);

    compositor.Stop();
    EXPECT_TRUE(PumpUntil([] { return !TGtkBackend::Composited(); }));
}

TEST_F(GtkBackendOnXvfb, AnOverlayTakesNeitherTheFocusNorThePointer)
{
    HWND form = MakeWindow(u"Edited form", Bounds(100, 100, 300, 200), 0xFFFFFF);
    ASSERT_TRUE(ShownOnScreen({150, 150}, 0xFFFFFF));
    ASSERT_TRUE(PumpUntil([&] { return gtk_window_is_active(GTK_WINDOW(GtkWindowTitled("Edited form"))); }));
    m_log.clear();
    // The grid's focus frame: a disabled, topmost tool pop-up.
    HWND frame = MakeOverlay(u"Frame", Bounds(140, 140, 60, 30), WS_POPUP | WS_DISABLED,
                             WS_EX_TOPMOST | WS_EX_TOOLWINDOW, 0x3060C0);
    ASSERT_TRUE(ShownOnScreen({145, 145}, 0x3060C0));
    PumpUntil([] { return false; }, 300);
    GtkWindow* w = GTK_WINDOW(GtkWindowTitled("Frame"));
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(gtk_window_get_accept_focus(w));
    EXPECT_FALSE(gtk_window_get_focus_on_map(w));
    EXPECT_EQ(gtk_window_get_type_hint(w), GDK_WINDOW_TYPE_HINT_TOOLTIP);
    GdkDisplay* display = gdk_display_get_default();
    EXPECT_FALSE(gdk_display_device_is_grabbed(display, gdk_seat_get_pointer(gdk_display_get_default_seat(display))));
    EXPECT_TRUE(gtk_window_is_active(GTK_WINDOW(GtkWindowTitled("Edited form"))));
    EXPECT_EQ(GetActiveWindow(), form);
    EXPECT_TRUE(Messages(WM_ACTIVATE, WM_ACTIVATE).empty());
    EXPECT_TRUE(IsWindowVisible(frame));
    // Keys still reach the form.
    ASSERT_EQ(Xdotool({"key", "a"}), 0);
    EXPECT_TRUE(PumpUntil([&] { return !Messages(WM_CHAR, WM_CHAR).empty(); }));
}

TEST(GtkCursors, CursorResourcePictureAndHotSpot)
{
    TCursorPicture p = DecodeCursorPicture(CursorFile());
    ASSERT_TRUE(p.Surface);
    EXPECT_EQ(cairo_image_surface_get_width(p.Surface.get()), 16);
    EXPECT_EQ(cairo_image_surface_get_height(p.Surface.get()), 16);
    EXPECT_EQ(p.HotX, 3);
    EXPECT_EQ(p.HotY, 5);
    EXPECT_EQ(PixelAt(p.Surface.get(), 2, 2), 0x0000FFu);
    EXPECT_EQ(PixelAt(p.Surface.get(), 12, 9), 0xFFFFFFu);
    EXPECT_FALSE(DecodeCursorPicture("not a cursor").Surface);
}

TEST(GtkCursors, StockShapesHaveThemeNames)
{
    EXPECT_STREQ(StockCursorName(crIBeam), "text");
    EXPECT_STREQ(StockCursorName(crHandPoint), "pointer");
    EXPECT_STREQ(StockCursorName(crSizeWE), "ew-resize");
    EXPECT_STREQ(StockCursorName(crHourGlass), "wait");
    EXPECT_STREQ(StockCursorName(crNoDrop), "not-allowed");
    EXPECT_EQ(StockCursorName(crArrow), nullptr);
}

TEST_F(GtkBackendOnXvfb, CursorShapeFollowsTheWindowSystem)
{
    static const std::string data = CursorFile();
    RegisterResource("GWTESTCURSOR", "CURSOR", reinterpret_cast<const unsigned char*>(data.data()), data.size());
    Integer handle = LoadCursorFromResource(u"GWTESTCURSOR");
    ASSERT_NE(handle, 0);

    MakeWindow(u"Cursors", Bounds(100, 100, 200, 100), 0xFFFFFF);
    ASSERT_TRUE(ShownOnScreen({150, 150}, 0xFFFFFF));
    GtkWidget* w = GtkWindowTitled("Cursors");
    ASSERT_NE(w, nullptr);
    GdkWindow* area = gtk_widget_get_window(gtk_bin_get_child(GTK_BIN(w)));

    m_display->SetCursorShape(crIBeam);
    GdkCursor* beam = gdk_window_get_cursor(area);
    EXPECT_NE(beam, nullptr);
    m_display->SetCursorShape(handle);
    EXPECT_NE(gdk_window_get_cursor(area), nullptr);
    EXPECT_NE(gdk_window_get_cursor(area), beam);
    m_display->SetCursorShape(crArrow);
    EXPECT_EQ(gdk_window_get_cursor(area), nullptr);
}

TEST_F(GtkBackendOnXvfb, LeavingTheWindowTellsTheControlUnderTheMouse)
{
    InitializeUI();
    auto* form = new TForm(Application);
    form->SetCaption(u"Leaving");
    form->SetBounds(100, 100, 300, 200);
    int enters = 0, leaves = 0;
    form->OnMouseEnter = [&](TObject*) { ++enters; };
    form->OnMouseLeave = [&](TObject*) { ++leaves; };
    form->Show();
    PumpUntil([] { return false; }, 300);
    ASSERT_EQ(Xdotool({"mousemove", "200", "200"}), 0);
    ASSERT_TRUE(PumpUntil([&] { return Application->MouseControl() == form; }));
    ASSERT_EQ(Xdotool({"mousemove", "900", "700"}), 0);
    EXPECT_TRUE(PumpUntil([&] { return Application->MouseControl() == nullptr; }));
    EXPECT_EQ(GetCursorPos(), (TPoint{900, 700}));
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(leaves, 1);
}

TEST_F(GtkBackendOnXvfb, MessageBoxRunsItsModalLoopOnTheDisplay)
{
    InitializeUI();
    auto* form = new TForm(Application);
    form->SetCaption(u"Main");
    form->SetBounds(100, 100, 300, 200);
    form->Show();
    PumpUntil([] { return false; }, 300);
    // Enter answers the box's default button, as a person would, once the box is up.
    TChildProcess keys({"xdotool", "search", "--sync", "--onlyvisible", "--name", "^Configurator$", "windowfocus",
                        "--sync", "key", "Return"},
                       Server().Display(), "/dev/null");
    TChildProcess escape({"xdotool", "sleep", "10", "key", "Escape"}, Server().Display(), "/dev/null");
    auto before = std::chrono::steady_clock::now();
    Integer answer = Application->MessageBox(u"Save the changes?", u"Configurator", MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(answer, IDYES);
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(9));
    EXPECT_TRUE(IsWindowEnabled(form->Handle()));
    EXPECT_EQ(GetActiveWindow(), form->Handle());
}

}  // namespace
}  // namespace gw::test
