// Work from other threads: a queue guarded by a lock, drained by a message to a hidden window.
#include "platform/ui/synchronize.h"

#include "platform/runtime/exceptions.h"
#include "platform/ui/application.h"
#include "platform/ui/window_system.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

namespace gw {

namespace {

struct TWork {
    std::function<void()> Run;
    bool Wait = false;
    bool Done = false;
    std::exception_ptr Error;
};

struct TWorkQueue {
    std::mutex Lock;
    std::condition_variable Finished;
    std::deque<std::shared_ptr<TWork>> Items;
    HWND Window = 0;
    std::thread::id UiThread;
};

TWorkQueue& Work()
{
    static TWorkQueue q;
    return q;
}

void RunQueued()
{
    TWorkQueue& q = Work();
    for (;;) {
        std::shared_ptr<TWork> w;
        {
            std::lock_guard<std::mutex> lock(q.Lock);
            if (q.Items.empty()) return;
            w = q.Items.front();
            q.Items.pop_front();
        }
        try {
            w->Run();
        } catch (...) {
            if (w->Wait)
                w->Error = std::current_exception();
            else
                HandleControlException(nullptr);
        }
        {
            std::lock_guard<std::mutex> lock(q.Lock);
            w->Done = true;
        }
        q.Finished.notify_all();
    }
}

const char16_t* const NoLoop = u"The user-interface loop ended before the work could run";

void Enqueue(std::function<void()> Run, bool Wait)
{
    TWorkQueue& q = Work();
    auto w = std::make_shared<TWork>();
    w->Run = std::move(Run);
    w->Wait = Wait;
    std::unique_lock<std::mutex> lock(q.Lock);
    if (!q.Window) throw EInvalidOperation(NoLoop);
    q.Items.push_back(w);
    HWND target = q.Window;
    lock.unlock();
    PostMessage(target, WM_USER, 0, 0);
    if (!Wait) return;
    lock.lock();
    q.Finished.wait(lock, [&] { return w->Done; });
    if (w->Error) std::rethrow_exception(w->Error);
}

}  // namespace

void StartWorkQueue()
{
    TWorkQueue& q = Work();
    HWND h = AllocateHWnd([](HWND Wnd, UINT Msg, WPARAM W, LPARAM L) -> LRESULT {
        if (Msg == WM_USER) {
            RunQueued();
            return 0;
        }
        return DefWindowProc(Wnd, Msg, W, L);
    });
    std::lock_guard<std::mutex> lock(q.Lock);
    q.Window = h;
    q.UiThread = std::this_thread::get_id();
}

void StopWorkQueue()
{
    TWorkQueue& q = Work();
    HWND h = 0;
    {
        std::lock_guard<std::mutex> lock(q.Lock);
        for (auto& w : q.Items) {
            w->Error = std::make_exception_ptr(EInvalidOperation(NoLoop));
            w->Done = true;
        }
        q.Items.clear();
        h = q.Window;
        q.Window = 0;
    }
    q.Finished.notify_all();
    DeallocateHWnd(h);
}

void Synchronize(std::function<void()> Work_)
{
    bool onUiThread = false;
    {
        std::lock_guard<std::mutex> lock(Work().Lock);
        onUiThread = std::this_thread::get_id() == Work().UiThread;
    }
    if (onUiThread) {
        Work_();
        return;
    }
    Enqueue(std::move(Work_), true);
}

void Queue(std::function<void()> Work_) { Enqueue(std::move(Work_), false); }

}  // namespace gw
