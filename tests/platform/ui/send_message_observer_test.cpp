// Send-message observers: what they see (sent messages, not posted ones or input), in which
// order, and how a registration ends.
#include "platform/backends/headless/harness.h"
#include "platform/ui/window_system.h"

#include <gtest/gtest.h>

#include <optional>

namespace gw::test {
namespace {

// The messages the tests log: WM_USER and above, and the two a moved window is sent.
bool Logged(UINT Msg) { return Msg >= WM_USER || Msg == WM_SIZE || Msg == WM_WINDOWPOSCHANGED; }

// A window whose procedure logs "proc <message>" for the logged messages.
HWND UserWindow(THarness& h)
{
    TCreateWindowParams p;
    p.Style = WS_VISIBLE;
    p.Bounds = Rect(0, 0, 100, 100);
    p.WndProc = [&h](HWND Wnd, UINT Msg, WPARAM W, LPARAM L) -> LRESULT {
        if (Logged(Msg)) h.Log.Add("proc " + MessageName(Msg));
        return DefWindowProc(Wnd, Msg, W, L);
    };
    return CreateWindow(p);
}

// An observer logging "<name> <message> <wParam>" for the logged messages.
TSendMessageObserver Logger(THarness& h, const std::string& Name)
{
    return [&h, Name](HWND, UINT Msg, WPARAM W, LPARAM) {
        if (Logged(Msg)) h.Log.Add(Name + " " + MessageName(Msg) + " " + std::to_string(W));
    };
}

TEST(SendMessageObserver, ObserversSeeSentMessagesInOrderBeforeTheProcedure)
{
    THarness h;
    HWND w = UserWindow(h);
    TSendMessageObservation first(Logger(h, "first"));
    TSendMessageObservation second(Logger(h, "second"));
    SendMessage(w, WM_USER + 1, 7, 0);
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"first $0401 7", "second $0401 7", "proc $0401"}));
    MoveWindow(w, Rect(0, 0, 50, 60));
    EXPECT_EQ(
        h.Log.Take(),
        (std::vector<std::string>{"first WM_WINDOWPOSCHANGED 0", "second WM_WINDOWPOSCHANGED 0",
                                  "proc WM_WINDOWPOSCHANGED", "first WM_SIZE 0", "second WM_SIZE 0", "proc WM_SIZE"}))
        << "what the window system sends itself (here for a move) is sent too";
    EXPECT_EQ(SendMessage(12345, WM_USER, 1, 0), 0);
    EXPECT_TRUE(h.Log.Take().empty()) << "a send to no window reaches no observer";
}

TEST(SendMessageObserver, PostedMessagesAndInputPassUnseen)
{
    THarness h;
    HWND w = UserWindow(h);
    h.ProcessMessages();
    h.Log.Take();
    std::vector<UINT> seen;
    TSendMessageObservation o([&](HWND, UINT Msg, WPARAM, LPARAM) { seen.push_back(Msg); });
    PostMessage(w, WM_USER + 2, 0, 0);
    h.ProcessMessages();
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"proc $0402"}));
    InjectMouse(TMouseAction::Move, Point(20, 20));
    h.ProcessMessages();
    EXPECT_EQ(std::count(seen.begin(), seen.end(), UINT(WM_USER + 2)), 0);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), UINT(WM_MOUSEMOVE)), 0) << "input is dispatched, not sent";
    EXPECT_GE(std::count(seen.begin(), seen.end(), UINT(WM_SETCURSOR)), 1) << "the cursor question is sent";
}

TEST(SendMessageObserver, ARegistrationEndsWithItsHandle)
{
    THarness h;
    HWND w = UserWindow(h);
    const Cardinal before = SendMessageObserverCount();
    {
        TSendMessageObservation a(Logger(h, "a"));
        EXPECT_EQ(SendMessageObserverCount(), before + 1);
        TSendMessageObservation b(std::move(a));
        EXPECT_FALSE(a.Active());
        EXPECT_TRUE(b.Active());
        EXPECT_EQ(SendMessageObserverCount(), before + 1) << "moving keeps one registration";
        SendMessage(w, WM_USER, 1, 0);
        EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"a WM_USER 1", "proc WM_USER"}));
        TSendMessageObservation c(Logger(h, "c"));
        b = std::move(c);
        EXPECT_EQ(SendMessageObserverCount(), before + 1) << "assigning ends the old registration";
        SendMessage(w, WM_USER, 2, 0);
        EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"c WM_USER 2", "proc WM_USER"}));
        b.Reset();
        b.Reset();
        EXPECT_EQ(SendMessageObserverCount(), before);
    }
    EXPECT_EQ(SendMessageObserverCount(), before);
    TSendMessageObservation none{TSendMessageObserver()};
    EXPECT_FALSE(none.Active()) << "an empty function registers nothing";
    EXPECT_EQ(SendMessageObserverCount(), before);
}

TEST(SendMessageObserver, InstallingOnceAtStartUpKeepsOneObserver)
{
    // The way a library's start-up installs its observer: a held handle, installed when empty.
    THarness h;
    HWND w = UserWindow(h);
    std::optional<TSendMessageObservation> held;
    auto startUp = [&] {
        if (!held) held.emplace(Logger(h, "unit"));
    };
    startUp();
    startUp();
    SendMessage(w, WM_USER, 3, 0);
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"unit WM_USER 3", "proc WM_USER"}));
    held.reset();
    SendMessage(w, WM_USER, 4, 0);
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"proc WM_USER"}));
}

TEST(SendMessageObserver, ChangesDuringASendTakeEffectSafely)
{
    THarness h;
    HWND w = UserWindow(h);
    std::optional<TSendMessageObservation> second, added;
    TSendMessageObservation first([&](HWND, UINT Msg, WPARAM W, LPARAM) {
        if (Msg != WM_USER) return;
        h.Log.Add("first " + std::to_string(W));
        if (W == 1) second.reset();
        if (W == 1) added.emplace(Logger(h, "added"));
    });
    second.emplace(Logger(h, "second"));
    TSendMessageObservation third(Logger(h, "third"));
    SendMessage(w, WM_USER, 1, 0);
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"first 1", "third WM_USER 1", "proc WM_USER"}))
        << "one removed meanwhile is skipped, one added meanwhile waits for the next send";
    SendMessage(w, WM_USER, 2, 0);
    EXPECT_EQ(h.Log.Take(),
              (std::vector<std::string>{"first 2", "third WM_USER 2", "added WM_USER 2", "proc WM_USER"}));
}

TEST(SendMessageObserver, ObserversOutliveAWindowSystemReset)
{
    std::optional<THarness> h1(std::in_place);
    int calls = 0;
    TSendMessageObservation o([&](HWND, UINT Msg, WPARAM, LPARAM) { calls += Msg == WM_USER; });
    h1.reset();
    THarness h;
    SendMessage(UserWindow(h), WM_USER, 0, 0);
    EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace gw::test
