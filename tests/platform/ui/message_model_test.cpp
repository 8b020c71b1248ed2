// The message model at window level: procedures and subclassing, send and post, queue order,
// registered messages and timers on the virtual clock.
#include "platform/backends/headless/harness.h"
#include "platform/ui/window_system.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

// A top-level window whose procedure logs "<name> <message>" for the messages asked for.
HWND LoggingWindow(THarness& h, const std::string& Name, std::vector<UINT> Watch, TRect Bounds = Rect(0, 0, 100, 100),
                   Cardinal Style = WS_VISIBLE, HWND Parent = 0)
{
    TCreateWindowParams p;
    p.Style = Style;
    p.Bounds = Bounds;
    p.Parent = Parent;
    p.WndProc = [&h, Name, Watch](HWND Wnd, UINT Msg, WPARAM W, LPARAM L) -> LRESULT {
        if (std::find(Watch.begin(), Watch.end(), Msg) != Watch.end()) h.Log.Add(Name + " " + MessageName(Msg));
        return DefWindowProc(Wnd, Msg, W, L);
    };
    return CreateWindow(p);
}

TEST(MessageModel, EveryMessageOfTheListHasItsNameInTheHarness)
{
    EXPECT_EQ(MessageName(WM_WINDOWPOSCHANGED), "WM_WINDOWPOSCHANGED");
    EXPECT_EQ(MessageName(CM_MOUSEWHEEL), "CM_MOUSEWHEEL");
    EXPECT_EQ(MessageName(CN_SYSKEYDOWN), "CN_SYSKEYDOWN");
    EXPECT_EQ(MessageName(WM_KEYFIRST), "WM_KEYDOWN") << "an alias is no message of its own";
    EXPECT_EQ(MessageName(0x0123), "$0123");
}

TEST(MessageModel, SendIsSynchronousAndNestedAndReturnsTheResult)
{
    THarness h;
    HWND b = 0;
    TCreateWindowParams pb;
    pb.WndProc = [&](HWND, UINT Msg, WPARAM W, LPARAM) -> LRESULT {
        if (Msg < WM_USER) return 0;
        h.Log.Add("b " + std::to_string(Msg - WM_USER));
        return LRESULT(W * 2);
    };
    b = CreateWindow(pb);
    TCreateWindowParams pa;
    pa.WndProc = [&](HWND, UINT Msg, WPARAM W, LPARAM) -> LRESULT {
        if (Msg < WM_USER) return 0;
        h.Log.Add("a enter");
        LRESULT r = SendMessage(b, Msg + 1, W + 1, 0);
        h.Log.Add("a leave " + std::to_string(r));
        return r + 1;
    };
    HWND a = CreateWindow(pa);
    EXPECT_EQ(SendMessage(a, WM_USER, 4, 0), 11);
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"a enter", "b 1", "a leave 10"}));
    EXPECT_EQ(SendMessage(12345, WM_USER, 1, 0), 0) << "a handle that is no window answers 0";
}

TEST(MessageModel, SubclassProceduresChainAndRestore)
{
    THarness h;
    HWND w = LoggingWindow(h, "class", {WM_USER});
    TWndProc original = SetWindowProc(w, [&](HWND Wnd, UINT Msg, WPARAM W, LPARAM L) -> LRESULT {
        if (Msg == WM_USER) h.Log.Add("outer");
        return CallWindowProc(original, Wnd, Msg, W, L);
    });
    TWndProc middle = GetWindowProc(w);
    SendMessage(w, WM_USER);
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"outer", "class WM_USER"}));
    SetWindowProc(w, original);
    SendMessage(w, WM_USER);
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"class WM_USER"}));
    (void)middle;
}

TEST(MessageModel, RegisteredMessagesAreStableAndAboveC000)
{
    UINT a = RegisterWindowMessage(u"GridEditDone");
    UINT b = RegisterWindowMessage(u"GridEditDone");
    UINT c = RegisterWindowMessage(u"griDEDITdone");
    UINT d = RegisterWindowMessage(u"SomethingElse");
    EXPECT_GE(a, 0xC000u);
    EXPECT_EQ(a, b);
    EXPECT_EQ(a, c) << "names are compared without case";
    EXPECT_NE(a, d);
    THarness h;  // a new session keeps the numbers
    EXPECT_EQ(RegisterWindowMessage(u"GridEditDone"), a);
}

TEST(MessageModel, PostedMessagesRunAfterTheHandlerThatPostedThemFirstInFirstOut)
{
    THarness h;
    HWND w = 0;
    TCreateWindowParams p;
    p.WndProc = [&](HWND Wnd, UINT Msg, WPARAM W, LPARAM L) -> LRESULT {
        if (Msg == WM_USER) {
            h.Log.Add("handler " + std::to_string(W));
            if (W == 0) {
                PostMessage(Wnd, WM_USER, 1, 0);
                PostMessage(Wnd, WM_USER, 2, 0);
                h.Log.Add("handler 0 done");
            }
        }
        return DefWindowProc(Wnd, Msg, W, L);
    };
    w = CreateWindow(p);
    PostMessage(w, WM_USER, 0, 0);
    h.ProcessMessages();
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"handler 0", "handler 0 done", "handler 1", "handler 2"}));
}

TEST(MessageModel, PostedMessagesReachHiddenAndDisabledWindowsButNotDestroyedOnes)
{
    THarness h;
    HWND hidden = LoggingWindow(h, "hidden", {WM_USER}, Rect(0, 0, 10, 10), 0);
    HWND disabled = LoggingWindow(h, "disabled", {WM_USER}, Rect(0, 0, 10, 10), WS_VISIBLE | WS_DISABLED);
    HWND gone = LoggingWindow(h, "gone", {WM_USER});
    EXPECT_TRUE(PostMessage(hidden, WM_USER));
    EXPECT_TRUE(PostMessage(disabled, WM_USER));
    EXPECT_TRUE(PostMessage(gone, WM_USER));
    DestroyWindow(gone);
    EXPECT_FALSE(PostMessage(gone, WM_USER)) << "posting to a dead handle fails at once";
    h.ProcessMessages();
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"hidden WM_USER", "disabled WM_USER"}));
}

TEST(MessageModel, QueueOrderIsPostedThenInputThenPaintThenTimers)
{
    THarness h;
    HWND w = LoggingWindow(h, "w", {WM_USER, WM_KEYDOWN, WM_PAINT, WM_TIMER});
    SetActiveWindow(w);
    SetFocus(w);
    h.ProcessMessages();
    h.Log.Clear();
    SetTimer(w, 7, 10);
    h.Display().Advance(10);  // due, but only handed out when nothing else waits
    InvalidateRect(w, nullptr, true);
    InjectKey('A', true);
    PostMessage(w, WM_USER);
    h.ProcessMessages();
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"w WM_USER", "w WM_KEYDOWN", "w WM_PAINT", "w WM_TIMER"}));
}

TEST(MessageModel, TimersFireOnTheVirtualClockWithAtMostOnePending)
{
    THarness h;
    HWND w = LoggingWindow(h, "w", {WM_TIMER});
    SetTimer(w, 1, 100);
    h.Advance(99);
    EXPECT_TRUE(h.Log.Items().empty()) << "time only moves when told";
    h.Advance(1);
    EXPECT_EQ(h.Log.Take().size(), 1u);
    h.Advance(1000);
    EXPECT_EQ(h.Log.Take().size(), 10u) << "one tick per period when the loop keeps up";
    h.Display().Advance(1000);  // the loop did not run for a second
    h.ProcessMessages();
    EXPECT_EQ(h.Log.Take().size(), 1u) << "a late timer is handed out once, not ten times";

    SetTimer(w, 1, 100);
    h.Advance(50);
    SetTimer(w, 1, 100);  // the same id re-arms from now
    h.Advance(60);
    EXPECT_TRUE(h.Log.Items().empty());
    h.Advance(40);
    EXPECT_EQ(h.Log.Take().size(), 1u);
    EXPECT_TRUE(KillTimer(w, 1));
    EXPECT_FALSE(KillTimer(w, 1));
    h.Advance(500);
    EXPECT_TRUE(h.Log.Items().empty());
    EXPECT_EQ(GetTickCount(), GetTickCountUI()) << "the program's clock is the virtual one";
}

TEST(MessageModel, TimersDoNotInterruptAHandlerExceptInsideANestedLoop)
{
    THarness h;
    HWND w = 0;
    TCreateWindowParams p;
    p.WndProc = [&](HWND Wnd, UINT Msg, WPARAM W, LPARAM L) -> LRESULT {
        if (Msg == WM_TIMER) h.Log.Add("timer");
        if (Msg == WM_USER) {
            h.Log.Add("handler begins");
            h.Display().Advance(500);
            h.Log.Add("handler ends");
        }
        if (Msg == WM_USER + 1) {
            h.Log.Add("nested loop");
            h.Display().Advance(500);
            Application->ProcessMessages();
            h.Log.Add("nested loop ends");
        }
        return DefWindowProc(Wnd, Msg, W, L);
    };
    w = CreateWindow(p);
    SetTimer(w, 1, 100);
    SendMessage(w, WM_USER);
    h.ProcessMessages();
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"handler begins", "handler ends", "timer"}));
    SendMessage(w, WM_USER + 1);
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"nested loop", "timer", "nested loop ends"}));
}

TEST(MessageModel, PostMessageFromAnotherThreadIsQueued)
{
    THarness h;
    HWND w = LoggingWindow(h, "w", {WM_USER});
    std::thread t([w] { PostMessage(w, WM_USER); });
    t.join();
    h.ProcessMessages();
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"w WM_USER"}));
}

TEST(MessageModel, DestroyingAWindowDestroysItsChildrenAndOwnedWindows)
{
    THarness h;
    HWND top = LoggingWindow(h, "top", {WM_DESTROY});
    HWND child = LoggingWindow(h, "child", {WM_DESTROY}, Rect(0, 0, 10, 10), WS_CHILD | WS_VISIBLE, top);
    HWND owned = LoggingWindow(h, "owned", {WM_DESTROY}, Rect(0, 0, 10, 10), WS_POPUP, top);
    SetTimer(child, 1, 10);
    EXPECT_TRUE(DestroyWindow(top));
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"owned WM_DESTROY", "top WM_DESTROY", "child WM_DESTROY"}));
    EXPECT_FALSE(IsWindow(top) || IsWindow(child) || IsWindow(owned));
    EXPECT_FALSE(DestroyWindow(top));
    EXPECT_EQ(NextTimerDue(), TBackend::Infinite) << "timers of destroyed windows are gone";
}

}  // namespace
}  // namespace gw::test
