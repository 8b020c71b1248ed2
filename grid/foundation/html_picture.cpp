// The mark-up picture: raw data, decoding through the platform's picture formats, GIF frames
// and their animation.
#include "grid/foundation/html_picture.h"

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/image_formats.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/files.h"
#include "platform/runtime/resources.h"
#include "platform/runtime/streams.h"
#include "platform/runtime/strings.h"
#include "platform/runtime/unicode.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace gw {

namespace {

constexpr Integer kLogPixels = 96;  // the pixels per inch a picture's size is given in
constexpr std::uintmax_t kMaxFileSize = 64u << 20;
constexpr Integer kMaxBitmapSide = 32767;  // the largest side of a bitmap's surface

constexpr StringView kNoMemory = u"Could not allocate memory for image";

[[noreturn]] void InvalidFormat() { throw EInvalidGraphic(u"Could not load image. Invalid format"); }

uint8_t ByteAt(std::string_view Data, size_t At) { return At < Data.size() ? static_cast<uint8_t>(Data[At]) : 0; }

uint16_t WordAt(std::string_view Data, size_t At)
{
    return static_cast<uint16_t>(ByteAt(Data, At) | ByteAt(Data, At + 1) << 8);
}

// Past the data sub-blocks that start at At, up to and including the empty one; npos when the
// data ends first.
size_t SkipSubBlocks(std::string_view Data, size_t At)
{
    while (At < Data.size()) {
        const uint8_t length = ByteAt(Data, At);
        At += 1 + size_t(length);
        if (length == 0) return At;
    }
    return std::string_view::npos;
}

size_t ColourTableSize(uint8_t Packed) { return (Packed & 0x80) ? size_t(3) << ((Packed & 7) + 1) : 0; }

}  // namespace

// The GIF's images in order, walked block by block: every read is bounded by the data, and an
// image counts only when its whole descriptor lies inside it. An image whose data is cut short
// still counts and runs to the data's end; the walk stops at the trailer or at anything that is
// not a block.
std::vector<THTMLPicture::TFrameBlock> THTMLPicture::ScanFrames(std::string_view Data)
{
    std::vector<TFrameBlock> frames;
    if (Data.size() < 13) return frames;
    size_t p = 13 + ColourTableSize(ByteAt(Data, 10));
    size_t start = std::string_view::npos;
    size_t control = std::string_view::npos;
    while (p < Data.size()) {
        const uint8_t kind = ByteAt(Data, p);
        if (kind == 0x21 && p + 1 < Data.size()) {
            if (start == std::string_view::npos) start = p;
            if (ByteAt(Data, p + 1) == 0xF9 && ByteAt(Data, p + 2) >= 4 && p + 6 < Data.size()) control = p;
            p = SkipSubBlocks(Data, p + 2);
            if (p == std::string_view::npos) break;
        } else if (kind == 0x2C && p + 10 <= Data.size()) {
            TFrameBlock frame;
            frame.Start = start == std::string_view::npos ? p : start;
            frame.Descriptor = p;
            frame.Control = control;
            const size_t end = SkipSubBlocks(Data, p + 10 + ColourTableSize(ByteAt(Data, p + 9)) + 1);
            frame.End = end == std::string_view::npos ? Data.size() : end;
            frames.push_back(frame);
            if (end == std::string_view::npos) break;
            p = end;
            start = control = std::string_view::npos;
        } else {
            break;
        }
    }
    return frames;
}

namespace {

// "\" as the path delimiter, and each part of the path that does not exist as written taken
// from the folder entry of the same name without regard to case (the mark-up upper-cases
// picture sources).
String FindFileIgnoringCase(StringView Path)
{
    String written(Path);
    std::replace(written.begin(), written.end(), u'\\', PathDelim);
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path given(StringToUtf8(written));
    if (fs::exists(given, error)) return written;
    fs::path found = given.root_path();
    for (const fs::path& part : given.relative_path()) {
        const fs::path exact = found / part;
        if (fs::exists(exact, error) || part == "." || part == "..") {
            found = exact;
            continue;
        }
        std::string match;
        const fs::path folder = found.empty() ? fs::path(".") : found;
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            const std::string name = it->path().filename().string();
            if (AnsiSameText(Utf8ToString(name), Utf8ToString(part.string())) && (match.empty() || name < match))
                match = name;
        }
        if (match.empty()) return written;
        found /= match;
    }
    return Utf8ToString(found.string());
}

}  // namespace

THTMLPicture::THTMLPicture() = default;
THTMLPicture::~THTMLPicture() = default;

void THTMLPicture::ResetAnimation()
{
    m_frame = 1;
    m_frameCount = -1;
    m_frames.clear();
    m_nextCount = -1;
    m_timerCount = -1;
}

void THTMLPicture::Clear()
{
    m_data.clear();
    m_isEmpty = true;
    m_decoded.reset();
    ResetAnimation();
}

void THTMLPicture::SetData(std::string Bytes)
{
    m_decoded.reset();
    ResetAnimation();
    m_data = std::move(Bytes);
    m_isEmpty = false;
}

void THTMLPicture::Assign(TPersistent* Source)
{
    if (Source == this) return;
    if (auto* picture = dynamic_cast<THTMLPicture*>(Source)) {
        SetData(picture->m_data);
        m_isEmpty = picture->m_isEmpty;
        if (!m_isEmpty) Decode();
        Changed();
        return;
    }
    if (Source && !dynamic_cast<TGraphic*>(Source)) TGraphic::Assign(Source);
    Clear();
}

Integer THTMLPicture::Width() const { return m_decoded ? m_decoded->Width() : 0; }
Integer THTMLPicture::Height() const { return m_decoded ? m_decoded->Height() : 0; }

void THTMLPicture::Draw(TCanvas& Canvas, const TRect& R)
{
    if (m_isEmpty || !m_decoded) return;
    if (Stretch) {
        m_decoded->Draw(Canvas, R);
        return;
    }
    // The natural size on the canvas's device: a printer canvas gets its own resolution.
    const Integer width = Width() * GetDeviceCaps(Canvas, LOGPIXELSX) / kLogPixels;
    const Integer height = Height() * GetDeviceCaps(Canvas, LOGPIXELSY) / kLogPixels;
    m_decoded->Draw(Canvas, Bounds(R.Left, R.Top, width, height));
}

std::unique_ptr<TBitmap> THTMLPicture::ToBitmap() const
{
    return m_decoded ? m_decoded->ToBitmap() : std::make_unique<TBitmap>();
}

void THTMLPicture::LoadFromBytes(std::string_view Bytes)
{
    SetData(std::string(Bytes));
    Decode();
    Changed();
}

void THTMLPicture::LoadFromStream(TStream* Stream)
{
    if (!Stream) return;
    Stream->SetPosition(0);
    LoadFromBytes(Stream->ReadRest());
}

void THTMLPicture::LoadFromFile(const String& FileName)
{
    // Only an ordinary file of picture size is read: a path in a cell text may name a device
    // or a pipe, which would never end.
    std::error_code error;
    const std::filesystem::path path(StringToUtf8(FileName));
    if (!std::filesystem::is_regular_file(path, error) || std::filesystem::file_size(path, error) > kMaxFileSize ||
        error) {
        Clear();
        return;
    }
    try {
        LoadFromBytes(ReadFileBytes(FileName));
    } catch (const Exception&) {
        Clear();
    }
}

void THTMLPicture::LoadFromResourceName(StringView Name)
{
    if (const TResource* resource = FindResource(Name, u"RCDATA")) LoadFromBytes(resource->Data);
}

void THTMLPicture::LoadFromResourceID(Integer Id)
{
    const TResource* resource = FindResource(Id, u"RCDATA");
    if (!resource) throw EResNotFound(u"Resource " + IntToStr(Id) + u" not found");
    LoadFromBytes(resource->Data);
}

void THTMLPicture::LoadFromURL(StringView AURL)
{
    if (StartsText(u"RES://", AURL)) {
        ID = String(AURL);
        LoadFromResourceName(AURL.substr(6));
    } else if (StartsText(u"FILE://", AURL)) {
        ID = String(AURL);
        LoadFromFile(FindFileIgnoringCase(AURL.substr(7)));
    } else if (!Asynch) {
        m_url = String(AURL);
        ID = m_url;
    } else if (!m_busy) {
        // Downloads are not made: the picture stays empty, and asks only once.
        m_url = String(AURL);
        m_busy = true;
    }
}

void THTMLPicture::ReadData(TStream* Stream) { LoadFromBytes(Stream->ReadRest()); }

void THTMLPicture::WriteData(TStream* Stream) const { Stream->WriteBuffer(m_data); }

bool THTMLPicture::IsGIF() const { return m_data.size() >= 5 && m_data.compare(0, 4, "GIF8") == 0; }

const std::vector<THTMLPicture::TFrameBlock>& THTMLPicture::Frames() const
{
    if (m_frameCount < 0) {
        m_frames = ScanFrames(m_data);
        m_frameCount = static_cast<Integer>(m_frames.size());
    }
    return m_frames;
}

Integer THTMLPicture::FrameCount() const
{
    if (!IsGIF()) return -1;
    Frames();
    return m_frameCount;
}

void THTMLPicture::Decode()
{
    m_decoded.reset();
    m_frameX = m_frameY = m_frameWidth = m_frameHeight = 0;
    m_animMaxX = m_animMaxY = 0;
    try {
        if (FrameCount() >= 1) {
            m_animMaxX = WordAt(m_data, 6);
            m_animMaxY = WordAt(m_data, 8);
            DecodeFrame();
            return;
        }
        std::unique_ptr<TGraphic> graphic = CreateGraphicFor(m_data);
        if (!graphic) InvalidFormat();
        graphic->LoadFromBytes(m_data);
        m_decoded = std::move(graphic);
    } catch (const EInvalidGraphic& e) {
        if (e.Message() == kNoMemory) throw;
        InvalidFormat();
    } catch (const EOutOfResources&) {
        throw EInvalidGraphic(String(kNoMemory));
    } catch (const std::bad_alloc&) {
        throw EInvalidGraphic(String(kNoMemory));
    }
}

// The data with the frames before the current one left out, up to the end of the current
// frame's image: the decoder's first image is then this frame. A frame number below 1 shows
// the first frame, as the whole data would; one past the last leaves every frame out (and the
// decoder finds no image).
void THTMLPicture::DecodeFrame()
{
    const std::vector<TFrameBlock>& frames = Frames();
    std::string copy = m_data.substr(0, frames.front().Start);
    const Integer n = std::max<Integer>(m_frame, 1);
    if (n <= static_cast<Integer>(frames.size())) {
        const TFrameBlock& frame = frames[static_cast<size_t>(n) - 1];
        m_frameX = WordAt(m_data, frame.Descriptor + 1);
        m_frameY = WordAt(m_data, frame.Descriptor + 3);
        m_frameWidth = WordAt(m_data, frame.Descriptor + 5);
        m_frameHeight = WordAt(m_data, frame.Descriptor + 7);
        // Wider or higher than any bitmap can be: said before its data is decoded for nothing.
        if (m_frameWidth > kMaxBitmapSide || m_frameHeight > kMaxBitmapSide) throw EInvalidGraphic(String(kNoMemory));
        if (m_frameWidth == 0 || m_frameHeight == 0) return;  // a frame without pixels shows nothing
        copy.append(m_data, frame.Start, frame.End - frame.Start);
        copy += '\x3B';
    }
    TGIFImage gif;
    gif.LoadFromBytes(copy);
    m_decoded = gif.Frames(0).Pixels;
}

void THTMLPicture::SetFrame(Integer Value)
{
    m_frame = Value;
    if (m_data.empty()) return;
    Decode();
    if (OnFrameChange) OnFrameChange(this);
}

void THTMLPicture::FrameNext() { m_frame = m_frame >= FrameCount() ? 1 : m_frame + 1; }

void THTMLPicture::FramePrev() { m_frame = m_frame > 1 ? m_frame - 1 : std::max(1, FrameCount()); }

Integer THTMLPicture::GetFrameTime(Integer AFrame)
{
    if (!IsGIF()) return -1;
    const std::vector<TFrameBlock>& frames = Frames();
    if (AFrame < 1 || AFrame > static_cast<Integer>(frames.size())) return -1;
    const size_t control = frames[static_cast<size_t>(AFrame) - 1].Control;
    if (control == std::string_view::npos) {  // an image without a graphic control extension
        m_frameTransparent = false;
        m_frameDisposal = 0;
        return 0;
    }
    const uint8_t packed = ByteAt(m_data, control + 3);
    m_frameTransparent = packed & 1;
    m_frameDisposal = (packed >> 2) & 7;
    return WordAt(m_data, control + 4);
}

bool THTMLPicture::Step()
{
    if (FrameCount() < 2 || Empty()) return false;
    bool changed = false;
    if (m_nextCount == -1) GetFrameTime(m_frame);
    if (m_timerCount * 10 >= m_nextCount) {
        FrameNext();
        try {
            Decode();
        } catch (const EInvalidGraphic&) {
            // A frame that cannot be decoded shows nothing; the animation goes on.
        }
        m_nextCount += GetFrameTime(m_frame);
        changed = true;
    }
    ++m_timerCount;
    return changed;
}

}  // namespace gw
