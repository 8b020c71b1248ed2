// TWindowCanvas: drawing on a window's pixels outside a paint pass.
#include "platform/ui/window_canvas.h"

namespace gw {

TWindowCanvas::TWindowCanvas(HWND Wnd, bool WholeWindow)
    : m_wnd(Wnd), m_pixels(WholeWindow ? GetWholeWindowPixels(Wnd) : GetWindowPixels(Wnd))
{
    if (!m_pixels.Surface) return;
    m_clip.emplace(m_pixels.Clip);
    m_canvas.emplace(m_pixels.Surface);
    m_canvas->SetDeviceClip(&*m_clip);
    m_canvas->SetOrigin(m_pixels.Origin);
}

TWindowCanvas::~TWindowCanvas()
{
    m_canvas.reset();
    ReleaseWindowPixels(m_wnd, m_pixels);
}

}  // namespace gw
