// A picture of the cell mark-up: keeps the raw picture data, decodes it, and picks out the
// single frames of an animated GIF.
#pragma once

#include "platform/graphics/graphic.h"

#include <memory>
#include <string>
#include <vector>

namespace gw {

class TStream;

// Decoding failures raise EInvalidGraphic, "Could not load image. Invalid format" or, for a
// picture too large to hold, "Could not allocate memory for image"; loading from a file or a
// "FILE://" URL never raises (the picture stays empty).
//
// A GIF's frames are its images, each with the graphic control extension before it (delay,
// transparency, disposal); frame n (from 1) is decoded from the data with the frames before it
// left out, and is shown on its own at its place on the GIF's logical screen (FrameXPos,
// FrameYPos).
class THTMLPicture : public TGraphic {
public:
    THTMLPicture();
    ~THTMLPicture() override;
    String ClassName() const override { return u"THTMLPicture"; }
    // Another THTMLPicture's data (decoded anew); nullptr empties the picture; any other class
    // leaves it empty.
    void Assign(TPersistent* Source) override;

    // The decoded picture's size (the current frame's for an animated GIF), 0 without one.
    Integer Width() const override;
    Integer Height() const override;
    // A picture's size follows its data.
    void SetWidth(Integer) override {}
    void SetHeight(Integer) override {}
    bool Empty() const override { return m_isEmpty; }
    // Stretched into R, or at R's top-left at its natural size for the canvas's resolution.
    void Draw(TCanvas& Canvas, const TRect& R) override;
    std::unique_ptr<TBitmap> ToBitmap() const override;
    // The raw data, decoded at once.
    void LoadFromBytes(std::string_view Bytes) override;
    std::string SaveToBytes() const override { return m_data; }

    // The whole stream (from its start); nullptr does nothing.
    void LoadFromStream(TStream* Stream);
    // Never raises: a file that cannot be read or decoded, is no ordinary file or is larger than
    // 64 MB leaves the picture empty.
    void LoadFromFile(const String& FileName);
    // The program's RCDATA resource of that name; nothing when there is none.
    void LoadFromResourceName(StringView Name);
    // The RCDATA resource with that number; EResNotFound when there is none.
    void LoadFromResourceID(Integer Id);
    // "RES://name" and "FILE://path" (any case; the path is found without regard to case and
    // "\" stands for the path delimiter) load at once and set ID. Other URLs are not fetched:
    // with Asynch off ID and URL take the URL; with it on the picture is marked Busy once.
    void LoadFromURL(StringView AURL);
    // The raw data to and from a stream (the picture's streamed form).
    void ReadData(TStream* Stream);
    void WriteData(TStream* Stream) const;

    // Draw into the whole destination rectangle.
    bool Stretch = false;
    // The URL or source text the picture was loaded from.
    String ID;
    bool IsDB = false;
    bool Asynch = true;
    bool Busy() const { return m_busy; }
    const String& URL() const { return m_url; }

    bool IsGIF() const;
    // -1 for other pictures, else the number of frames (counted once).
    Integer FrameCount() const;
    // The current frame, from 1. Setting it decodes that frame and raises OnFrameChange.
    Integer Frame() const { return m_frame; }
    void SetFrame(Integer Value);
    // Step to the next or previous frame number, wrapping; neither decodes.
    void FrameNext();
    void FramePrev();
    // That frame's delay in hundredths of a second (recording its transparency and disposal),
    // -1 when there is no such frame.
    Integer GetFrameTime(Integer AFrame);
    bool FrameTransparent() const { return m_frameTransparent; }
    Integer FrameDisposal() const { return m_frameDisposal; }
    // One tick of an animation (call every 100 ms); true when the frame changed.
    bool Step();

    Integer FrameXPos() const { return m_frameX; }
    Integer FrameYPos() const { return m_frameY; }
    Integer FrameWidth() const { return m_frameWidth; }
    Integer FrameHeight() const { return m_frameHeight; }
    // A GIF's logical screen, else the picture's size.
    Integer MaxWidth() const { return m_animMaxX != 0 ? m_animMaxX : Width(); }
    Integer MaxHeight() const { return m_animMaxY != 0 ? m_animMaxY : Height(); }

    TNotifyEvent OnFrameChange;

private:
    void SetData(std::string Bytes);
    void Clear();
    void ResetAnimation();
    void Decode();
    void DecodeFrame();
    // Where one image and the blocks before it lie in the data (offsets; Control npos: none).
    struct TFrameBlock {
        size_t Start = 0;  // the first block after the previous image
        size_t Descriptor = 0;  // the image descriptor ($2C)
        size_t Control = 0;  // its graphic control extension ($21 $F9)
        size_t End = 0;  // after the image's data
    };
    static std::vector<TFrameBlock> ScanFrames(std::string_view Data);
    const std::vector<TFrameBlock>& Frames() const;

    std::string m_data;
    bool m_isEmpty = true;
    std::shared_ptr<TGraphic> m_decoded;
    String m_url;
    bool m_busy = false;
    Integer m_frame = 1;
    mutable Integer m_frameCount = -1;
    mutable std::vector<TFrameBlock> m_frames;
    bool m_frameTransparent = false;
    Integer m_frameDisposal = 0;
    Integer m_frameX = 0;
    Integer m_frameY = 0;
    Integer m_frameWidth = 0;
    Integer m_frameHeight = 0;
    Integer m_animMaxX = 0;
    Integer m_animMaxY = 0;
    Integer m_nextCount = -1;
    Integer m_timerCount = -1;
};

}  // namespace gw
