// The grid's layered-window calls, made through the platform.
#include "grid/foundation/layered_window.h"

namespace gw {

bool UpdateLayeredWindowIfPresent(HWND Wnd, TCanvas* DestDC, const TPoint* DestPos, const TSize* Size,
                                  TCanvas* SourceDC, const TPoint* SourcePos, TColor Key, const TBlendFunction* Blend,
                                  Cardinal Flags)
{
    return UpdateLayeredWindow(Wnd, DestDC, DestPos, Size, SourceDC, SourcePos, Key, Blend, Flags);
}

bool SetLayeredWindowAttributesIfPresent(HWND Wnd, TColor Key, Byte Alpha, Cardinal Flags)
{
    return SetLayeredWindowAttributes(Wnd, Key, Alpha, Flags);
}

}  // namespace gw
