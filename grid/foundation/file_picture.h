// A picture named by its file, read from the file each time it is drawn, so that a grid of many
// such cells keeps only their names in memory.
#pragma once

#include "platform/graphics/geometry.h"
#include "platform/runtime/component.h"

namespace gw {

class TCanvas;

class TFilePicture : public TPersistent {
public:
    String ClassName() const override { return u"TFilePicture"; }
    // Copies name and size (nothing is loaded); other sources raise EConvertError.
    void Assign(TPersistent* Source) override;

    const String& Filename() const { return m_filename; }
    // Stores the name and reads the file once for its size (an empty name clears the picture). A
    // missing or unreadable file raises the loader's error (EFOpenError, EInvalidGraphic, ...)
    // with the name kept and the size 0 x 0.
    void SetFilename(const String& Value);
    // The picture's size when the name was set.
    Integer Width() const { return m_width; }
    Integer Height() const { return m_height; }

    // Reads the file and draws the picture stretched into Rect. Nothing is drawn for an empty
    // name, nor when the file has gone or cannot be read any more: painting never fails for it.
    void DrawPicture(TCanvas& Canvas, const TRect& Rect) const;

private:
    String m_filename;
    Integer m_width = 0;
    Integer m_height = 0;
};

}  // namespace gw
