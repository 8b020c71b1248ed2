// Pictures in general: the TGraphic base every image format derives from, and TPicture.
#pragma once

#include "platform/graphics/geometry.h"
#include "platform/runtime/component.h"
#include "platform/runtime/exceptions.h"

#include <memory>
#include <string>
#include <string_view>

namespace gw {

class TCanvas;
class TStream;
class TBitmap;

// Raised for picture data that cannot be read ("Bitmap image is not valid", ...).
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

class TGraphic : public TPersistent {
public:
    String ClassName() const override { return u"TGraphic"; }

    virtual Integer Width() const = 0;
    virtual Integer Height() const = 0;
    virtual void SetWidth(Integer Value) = 0;
    virtual void SetHeight(Integer Value) = 0;
    virtual bool Empty() const { return Width() == 0 || Height() == 0; }
    bool Transparent() const { return m_transparent; }
    virtual void SetTransparent(bool Value);

    // Draws the picture stretched into R of the canvas (logical coordinates).
    virtual void Draw(TCanvas& Canvas, const TRect& R) = 0;
    // The picture as a bitmap (a copy the caller owns): used to draw, copy and convert.
    virtual std::unique_ptr<TBitmap> ToBitmap() const = 0;

    // The whole encoded picture; EInvalidGraphic when the data is not of this format.
    virtual void LoadFromBytes(std::string_view Bytes) = 0;
    virtual std::string SaveToBytes() const = 0;

    void LoadFromStream(TStream* Stream);
    void SaveToStream(TStream* Stream) const;
    // EFOpenError when the file cannot be read.
    void LoadFromFile(const String& FileName);
    // The file is replaced whole or not at all; EFCreateError on failure.
    void SaveToFile(const String& FileName) const;

    TNotifyEvent OnChange;

protected:
    void Changed();

private:
    bool m_transparent = false;
};

// Reads and writes files whole (the write goes beside the file and is renamed into place).
std::string ReadFileBytes(const String& FileName);
void WriteFileBytes(const String& FileName, std::string_view Bytes);

// A picture of any format; the format follows the data when loading.
class TPicture : public TPersistent {
public:
    TPicture();
    ~TPicture() override;
    String ClassName() const override { return u"TPicture"; }
    void Assign(TPersistent* Source) override;

    TGraphic* Graphic() const { return m_graphic.get(); }
    // Stores a copy of Value (nullptr: empty).
    void SetGraphic(TGraphic* Value);
    // The picture as a bitmap; a picture of another format is replaced by its bitmap.
    TBitmap* Bitmap();
    Integer Width() const;
    Integer Height() const;

    // Detects BMP, PNG, JPEG, GIF and icon data by its signature; EInvalidGraphic
    // "Unknown picture file format" otherwise.
    void LoadFromBytes(std::string_view Bytes);
    void LoadFromStream(TStream* Stream);
    void LoadFromFile(const String& FileName);
    void SaveToFile(const String& FileName) const;

    TNotifyEvent OnChange;

private:
    void Changed();

    std::unique_ptr<TGraphic> m_graphic;
};

// A new, empty graphic of the format the bytes are in; nullptr when the format is unknown.
std::unique_ptr<TGraphic> CreateGraphicFor(std::string_view Bytes);

}  // namespace gw
