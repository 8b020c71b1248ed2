// Pictures referenced by file name: their size when named, their drawing at paint time.
#include "grid/foundation/file_picture.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/runtime/exceptions.h"

namespace gw {

void TFilePicture::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TFilePicture*>(Source);
    if (!from) {
        TPersistent::Assign(Source);
        return;
    }
    m_filename = from->m_filename;
    m_width = from->m_width;
    m_height = from->m_height;
}

void TFilePicture::SetFilename(const String& Value)
{
    m_filename = Value;
    m_width = 0;
    m_height = 0;
    if (m_filename.empty()) return;
    TPicture picture;
    picture.LoadFromFile(m_filename);
    m_width = picture.Width();
    m_height = picture.Height();
}

void TFilePicture::DrawPicture(TCanvas& Canvas, const TRect& Rect) const
{
    if (m_filename.empty()) return;
    TPicture picture;
    try {
        picture.LoadFromFile(m_filename);
    } catch (const Exception&) {
        // A file removed or spoilt since it was named: the cell shows no picture rather than
        // failing every repaint. Naming the file again reports the error.
        return;
    }
    Canvas.StretchDraw(Rect, picture.Graphic());
}

}  // namespace gw
