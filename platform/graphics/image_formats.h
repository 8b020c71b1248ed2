// Pictures kept in a compressed format: PNG, JPEG (through libjpeg), GIF with frames, icons.
#pragma once

#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphic.h"

#include <vector>

namespace gw {

// The common part: decoded pixels in a 32-bit bitmap (alpha premultiplied) drawn with alpha.
class TDecodedGraphic : public TGraphic {
public:
    TDecodedGraphic();
    ~TDecodedGraphic() override;
    Integer Width() const override { return m_image->Width(); }
    Integer Height() const override { return m_image->Height(); }
    void SetWidth(Integer Value) override;
    void SetHeight(Integer Value) override;
    void Draw(TCanvas& Canvas, const TRect& R) override;
    std::unique_ptr<TBitmap> ToBitmap() const override;
    void Assign(TPersistent* Source) override;
    // The decoded pixels.
    const TBitmap& Image() const { return *m_image; }

protected:
    TBitmap& MutableImage() { return *m_image; }

private:
    std::unique_ptr<TBitmap> m_image;
};

class TPngImage : public TDecodedGraphic {
public:
    String ClassName() const override { return u"TPngImage"; }
    // EInvalidGraphic "PNG image is not valid" for bad data.
    void LoadFromBytes(std::string_view Bytes) override;
    std::string SaveToBytes() const override;
};

class TJPEGImage : public TDecodedGraphic {
public:
    String ClassName() const override { return u"TJPEGImage"; }
    // 1..100, used when saving.
    Integer CompressionQuality = 90;
    bool Grayscale = false;
    // EInvalidGraphic "JPEG error #..." style message for bad data; never a crash.
    void LoadFromBytes(std::string_view Bytes) override;
    std::string SaveToBytes() const override;
};

// One image of a GIF: where it lies on the logical screen and how it is shown.
struct TGIFFrame {
    Integer Left = 0;
    Integer Top = 0;
    Integer Width = 0;
    Integer Height = 0;
    Integer Delay = 0;  // hundredths of a second
    Integer Disposal = 0;  // 0..7 as stored
    bool HasTransparency = false;
    Integer TransparentIndex = -1;
    bool Interlaced = false;
    // The frame's own pixels (Width x Height, transparent pixels with alpha 0).
    std::shared_ptr<TBitmap> Pixels;
};

class TGIFImage : public TDecodedGraphic {
public:
    String ClassName() const override { return u"TGIFImage"; }
    // EInvalidGraphic "GIF image is not valid" for bad data. Shows the first frame.
    void LoadFromBytes(std::string_view Bytes) override;
    // The original data (GIF is not written by this program).
    std::string SaveToBytes() const override { return m_data; }

    Integer LogicalWidth() const { return m_screenWidth; }
    Integer LogicalHeight() const { return m_screenHeight; }
    Integer FrameCount() const { return static_cast<Integer>(m_frames.size()); }
    const TGIFFrame& Frames(Integer Index) const { return m_frames.at(Index); }
    // 0-based; composes the logical screen up to that frame (disposal honoured).
    Integer Frame() const { return m_frame; }
    void SetFrame(Integer Index);

private:
    std::string m_data;
    Integer m_screenWidth = 0;
    Integer m_screenHeight = 0;
    TColor m_background = clNone;
    std::vector<TGIFFrame> m_frames;
    Integer m_frame = 0;
};

// Icons (.ico): the largest image is shown; BMP-in-ICO with its AND mask, and PNG-in-ICO.
class TIcon : public TDecodedGraphic {
public:
    String ClassName() const override { return u"TIcon"; }
    // EInvalidGraphic "Icon image is not valid" for bad data.
    void LoadFromBytes(std::string_view Bytes) override;
    // The original data, or a 32-bit icon made from the pixels when there is none.
    std::string SaveToBytes() const override;

private:
    std::string m_data;
};

}  // namespace gw
