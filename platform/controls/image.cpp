// TImage: placement of the picture and painting it with or without transparency.
#include "platform/controls/image.h"

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"

namespace gw {

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), m_picture(std::make_unique<TPicture>())
{
    ControlStyle |= csReplicatable;
    SetBounds(0, 0, 105, 105);
    m_picture->OnChange = [this](TObject*) { PictureChanged(); };
}

TImage::~TImage() { m_picture->OnChange = nullptr; }

void TImage::PictureChanged()
{
    if (m_autoSize && m_picture->Width() > 0 && m_picture->Height() > 0)
        SetBounds(Left(), Top(), m_picture->Width(), m_picture->Height());
    if (TGraphic* g = m_picture->Graphic()) {
        if (g->Transparent() != m_transparent) {
            auto saved = g->OnChange;
            g->OnChange = nullptr;
            g->SetTransparent(m_transparent);
            g->OnChange = saved;
        }
    }
    Invalidate();
}

void TImage::SetStretch(bool Value)
{
    if (m_stretch == Value) return;
    m_stretch = Value;
    Invalidate();
}

void TImage::SetProportional(bool Value)
{
    if (m_proportional == Value) return;
    m_proportional = Value;
    Invalidate();
}

void TImage::SetCenter(bool Value)
{
    if (m_center == Value) return;
    m_center = Value;
    Invalidate();
}

void TImage::SetTransparent(bool Value)
{
    if (m_transparent == Value) return;
    m_transparent = Value;
    PictureChanged();
}

void TImage::SetAutoSize(bool Value)
{
    if (m_autoSize == Value) return;
    m_autoSize = Value;
    if (Value) PictureChanged();
}

TRect TImage::DestRect() const
{
    Integer w = m_picture->Width(), h = m_picture->Height();
    Integer cw = ClientWidth(), ch = ClientHeight();
    if (m_stretch || (m_proportional && (w > cw || h > ch))) {
        if (m_proportional && w > 0 && h > 0) {
            // Fit the longer side, keep the ratio.
            double xyaspect = double(w) / h;
            if (w > h) {
                w = cw;
                h = Integer(cw / xyaspect);
                if (h > ch) {
                    h = ch;
                    w = Integer(ch * xyaspect);
                }
            } else {
                h = ch;
                w = Integer(ch * xyaspect);
                if (w > cw) {
                    w = cw;
                    h = Integer(cw / xyaspect);
                }
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    TRect r = Rect(0, 0, w, h);
    if (m_center) OffsetRect(r, (cw - w) / 2, (ch - h) / 2);
    return r;
}

void TImage::Paint()
{
    TCanvas& c = *Canvas();
    TGraphic* g = m_picture->Graphic();
    if (!g || g->Empty()) return;
    c.StretchDraw(DestRect(), g);
}

}  // namespace gw
