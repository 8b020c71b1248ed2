// Fuzz target: the mark-up picture and, through it, every picture decoder of the platform (BMP,
// PNG, JPEG, GIF with its frames, icons). The input is the picture's data.
#include "fuzz/fuzz_support.h"

#include "grid/foundation/html_picture.h"
#include "platform/graphics/bitmap.h"

#include <algorithm>

namespace {

using namespace gw;
using gw::fuzz::Fail;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes = gw::fuzz::Bytes(data, size);
    THTMLPicture picture;
    try {
        picture.LoadFromBytes(bytes);
    } catch (const EInvalidGraphic& e) {
        if (e.Message() != u"Could not load image. Invalid format" &&
            e.Message() != u"Could not allocate memory for image")
            Fail("another decoding message");
    }
    if (picture.Empty()) Fail("loaded data and still empty");
    if (picture.SaveToBytes() != bytes) Fail("the raw data changed");
    const Integer frames = picture.FrameCount();
    if (picture.IsGIF() != (frames >= 0)) Fail("frame count of a picture that is not a GIF");
    // A frame is an image descriptor inside the data: there are never more than its "," bytes.
    if (frames > 0 && static_cast<size_t>(frames) > static_cast<size_t>(std::count(bytes.begin(), bytes.end(), ',')))
        Fail("more frames than image descriptors");
    if (picture.Width() < 0 || picture.Height() < 0 || picture.MaxWidth() < 0) Fail("negative size");

    TBitmap target(32, 32);
    target.Canvas()->Draw(0, 0, &picture);
    picture.Stretch = true;
    target.Canvas()->StretchDraw(Rect(0, 0, 20, 20), &picture);
    // Frames of millions of pixels are decoded once, not over and over: the run stays quick.
    auto large = [&] { return int64_t(picture.Width()) * picture.Height() > (int64_t(1) << 20); };
    bool decodedLarge = large();
    for (Integer n = 0; n <= std::min(frames, 4) + 1 && !decodedLarge; ++n) {
        picture.GetFrameTime(n);
        try {
            picture.SetFrame(n);
        } catch (const EInvalidGraphic&) {
        }
        target.Canvas()->Draw(picture.FrameXPos(), picture.FrameYPos(), &picture);
        decodedLarge = large();
    }
    for (int tick = 0; tick < 6 && !decodedLarge; ++tick) {
        picture.Step();
        decodedLarge = large();
    }
    picture.FrameNext();
    picture.FramePrev();
    if (!decodedLarge) picture.ToBitmap();
    return 0;
}
