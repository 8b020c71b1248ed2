// Optional layered-window calls, made through the functions the platform installed.
#include "grid/foundation/layered_window.h"

#include <mutex>

namespace gw {

namespace {

// Installed once at start-up but read at every call, possibly while a test installs others.
std::mutex g_lock;
TLayeredWindowFunctions g_functions;

TLayeredWindowFunctions Installed()
{
    std::lock_guard<std::mutex> lock(g_lock);
    return g_functions;
}

}  // namespace

void InstallLayeredWindowFunctions(TLayeredWindowFunctions Functions)
{
    std::lock_guard<std::mutex> lock(g_lock);
    g_functions = std::move(Functions);
}

bool UpdateLayeredWindowIfPresent(HWND Wnd, TCanvas* DestDC, const TPoint* DestPos, const TSize* Size,
                                  TCanvas* SourceDC, const TPoint* SourcePos, TColor Key, const TBlendFunction* Blend,
                                  Cardinal Flags)
{
    const TUpdateLayeredWindowFn fn = Installed().UpdateLayeredWindow;
    if (!fn) return true;
    return fn(Wnd, DestDC, DestPos, Size, SourceDC, SourcePos, Key, Blend, Flags);
}

bool SetLayeredWindowAttributesIfPresent(HWND Wnd, TColor Key, Byte Alpha, Cardinal Flags)
{
    const TSetLayeredWindowAttributesFn fn = Installed().SetLayeredWindowAttributes;
    if (!fn) return true;
    return fn(Wnd, Key, Alpha, Flags);
}

}  // namespace gw
