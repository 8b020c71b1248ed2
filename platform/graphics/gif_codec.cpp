// GIF pictures: every frame decoded (LZW), placed on the logical screen with its disposal.
#include "platform/graphics/image_formats.h"

#include "platform/graphics/canvas_internal.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace gw {

namespace {

[[noreturn]] void Invalid() { throw EInvalidGraphic(u"GIF image is not valid"); }

class Reader {
public:
    explicit Reader(std::string_view data) : m_data(data) {}
    bool AtEnd() const { return m_at >= m_data.size(); }
    uint8_t Byte()
    {
        if (m_at >= m_data.size()) Invalid();
        return uint8_t(m_data[m_at++]);
    }
    uint16_t Word()
    {
        uint16_t lo = Byte();
        return uint16_t(lo | (Byte() << 8));
    }
    std::string_view Take(size_t n)
    {
        if (m_at + n > m_data.size()) Invalid();
        auto v = m_data.substr(m_at, n);
        m_at += n;
        return v;
    }
    // The concatenated data sub-blocks up to the empty block.
    std::string SubBlocks()
    {
        std::string out;
        for (uint8_t n; (n = Byte()) != 0;) out += Take(n);
        return out;
    }

private:
    std::string_view m_data;
    size_t m_at = 0;
};

std::vector<uint32_t> ColourTable(Reader& r, int entries)
{
    std::vector<uint32_t> table(size_t(entries), 0);
    for (auto& c : table) {
        uint32_t red = r.Byte(), green = r.Byte(), blue = r.Byte();
        c = red | (green << 8) | (blue << 16);
    }
    return table;
}

// Decodes the LZW stream into at most count indices; the caller treats the missing rest as
// index 0. Only what the stream holds is produced, so a tiny stream declaring a huge frame
// costs next to nothing here.
std::vector<uint8_t> Lzw(const std::string& data, int minCodeSize, size_t count)
{
    std::vector<uint8_t> out;
    // An LZW code yields at most 4096 indices: the data bounds the output.
    out.reserve(std::min(count, (data.size() * 8 / size_t(minCodeSize + 1) + 1) * 4096));
    if (minCodeSize < 2 || minCodeSize > 8) Invalid();
    const int clear = 1 << minCodeSize, end = clear + 1;
    std::vector<uint16_t> prefix(4096);
    std::vector<uint8_t> suffix(4096), stack;
    stack.reserve(4096);
    int codeSize = minCodeSize + 1, next = end + 1, previous = -1;
    uint8_t first = 0;
    uint32_t bits = 0;
    int bitCount = 0;
    size_t at = 0;
    for (int i = 0; i < clear; ++i) suffix[i] = uint8_t(i);
    while (out.size() < count) {
        while (bitCount < codeSize && at < data.size()) {
            bits |= uint32_t(uint8_t(data[at++])) << bitCount;
            bitCount += 8;
        }
        if (bitCount < codeSize) break;
        int code = int(bits & ((1u << codeSize) - 1));
        bits >>= codeSize;
        bitCount -= codeSize;
        if (code == clear) {
            codeSize = minCodeSize + 1;
            next = end + 1;
            previous = -1;
            continue;
        }
        if (code == end) break;
        if (previous < 0) {
            if (code >= clear) break;
            out.push_back(uint8_t(code));
            previous = code;
            first = uint8_t(code);
            continue;
        }
        int in = code;
        stack.clear();
        if (code >= next) {
            if (code > next) break;  // corrupt stream
            stack.push_back(first);
            code = previous;
        }
        while (code >= clear) {
            stack.push_back(suffix[code]);
            code = prefix[code];
        }
        first = uint8_t(code);
        stack.push_back(first);
        for (auto it = stack.rbegin(); it != stack.rend() && out.size() < count; ++it) out.push_back(*it);
        if (next < 4096) {
            prefix[next] = uint16_t(previous);
            suffix[next] = first;
            ++next;
            if (next == (1 << codeSize) && codeSize < 12) ++codeSize;
        }
        previous = in;
    }
    return out;
}

std::vector<uint8_t> Deinterlace(std::vector<uint8_t> in, int w, int h)
{
    in.resize(size_t(w) * h, 0);
    std::vector<uint8_t> out(in.size());
    size_t row = 0;
    static const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = start[pass]; y < h; y += step[pass], ++row)
            if (w > 0) std::memcpy(out.data() + size_t(y) * w, in.data() + row * w, size_t(w));
    return out;
}

// Writes the frame's pixels from its colour indices; indices past the decoded ones are 0 and
// are written a row at a time.
void FillFrame(const TGIFFrame& f, const std::vector<uint32_t>& table, const std::vector<uint8_t>& idx)
{
    std::array<uint32_t, 256> colour{};
    for (size_t i = 0; i < colour.size(); ++i) {
        bool clear = f.HasTransparency && Integer(i) == f.TransparentIndex;
        colour[i] = clear ? 0 : detail::ToPixel(i < table.size() ? table[i] : 0);
    }
    detail::Pixels px(f.Pixels->Surface());
    const size_t width = size_t(px.width);
    for (Integer y = 0; y < px.height; ++y) {
        uint32_t* row = px.Row(y);
        size_t from = size_t(y) * width;
        size_t known = from < idx.size() ? std::min(width, idx.size() - from) : 0;
        for (size_t x = 0; x < known; ++x) row[x] = colour[idx[from + x]];
        std::fill(row + known, row + width, colour[0]);
    }
    px.MarkDirty();
}

}  // namespace

void TGIFImage::LoadFromBytes(std::string_view Bytes)
{
    Reader r(Bytes);
    auto sig = r.Take(6);
    if (sig != "GIF87a" && sig != "GIF89a") Invalid();
    Integer sw = r.Word(), sh = r.Word();
    uint8_t packed = r.Byte(), bgIndex = r.Byte();
    r.Byte();
    std::vector<uint32_t> global;
    if (packed & 0x80) global = ColourTable(r, 1 << ((packed & 7) + 1));
    std::vector<TGIFFrame> frames;
    TGIFFrame pending;
    while (!r.AtEnd()) {
        uint8_t kind = r.Byte();
        if (kind == 0x3B) break;
        if (kind == 0x21) {
            uint8_t label = r.Byte();
            std::string block = r.SubBlocks();
            if (label == 0xF9 && block.size() >= 4) {
                uint8_t p = uint8_t(block[0]);
                pending.Disposal = (p >> 2) & 7;
                pending.HasTransparency = p & 1;
                pending.Delay = uint8_t(block[1]) | (uint8_t(block[2]) << 8);
                pending.TransparentIndex = pending.HasTransparency ? uint8_t(block[3]) : -1;
            }
            continue;
        }
        if (kind != 0x2C) Invalid();
        TGIFFrame f = pending;
        pending = TGIFFrame{};
        f.Left = r.Word();
        f.Top = r.Word();
        f.Width = r.Word();
        f.Height = r.Word();
        uint8_t fp = r.Byte();
        f.Interlaced = fp & 0x40;
        std::vector<uint32_t> local;
        if (fp & 0x80) local = ColourTable(r, 1 << ((fp & 7) + 1));
        const auto& table = local.empty() ? global : local;
        int minCode = r.Byte();
        std::string data = r.SubBlocks();
        size_t count = size_t(f.Width) * f.Height;
        if (count > (size_t(1) << 26)) Invalid();
        auto idx = Lzw(data, minCode, count);
        if (f.Interlaced) idx = Deinterlace(std::move(idx), f.Width, f.Height);
        f.Pixels = std::make_shared<TBitmap>(f.Width, f.Height, pf32bit);
        f.Pixels->AlphaFormat = afDefined;
        FillFrame(f, table, idx);
        frames.push_back(std::move(f));
    }
    if (frames.empty() || sw == 0 || sh == 0 || int64_t(sw) * sh > (int64_t(1) << 26)) Invalid();
    m_data = std::string(Bytes);
    m_screenWidth = sw;
    m_screenHeight = sh;
    m_background = bgIndex < global.size() ? TColor(global[bgIndex]) : clNone;
    m_frames = std::move(frames);
    m_frame = -1;
    SetFrame(0);
}

void TGIFImage::SetFrame(Integer Index)
{
    if (Index < 0 || Index >= FrameCount()) throw ERangeError(u"GIF frame index out of range");
    TBitmap& screen = MutableImage();
    screen.SetSize(m_screenWidth, m_screenHeight);
    detail::Pixels px(screen.Surface());
    for (Integer y = 0; y < px.height; ++y) std::memset(px.Row(y), 0, size_t(px.width) * 4);
    std::vector<uint32_t> saved;
    for (Integer k = 0; k <= Index; ++k) {
        const TGIFFrame& f = m_frames[k];
        if (f.Disposal == 3)
            saved.assign(reinterpret_cast<uint32_t*>(px.data),
                         reinterpret_cast<uint32_t*>(px.data + size_t(px.stride) * px.height));
        detail::Pixels fp(f.Pixels->Surface());
        // The part of the frame on the screen, in frame coordinates.
        const Integer x0 = std::max<Integer>(0, -f.Left);
        const Integer x1 = std::max(x0, std::min<Integer>(f.Width, px.width - f.Left));
        const Integer y0 = std::max<Integer>(0, -f.Top), y1 = std::min<Integer>(f.Height, px.height - f.Top);
        for (Integer y = y0; y < y1; ++y) {
            const uint32_t* from = fp.Row(y);
            uint32_t* to = px.Row(f.Top + y) + f.Left;
            for (Integer x = x0; x < x1; ++x)
                if ((from[x] >> 24) != 0) to[x] = from[x];
        }
        if (k == Index) break;
        if (f.Disposal == 2) {
            for (Integer y = y0; y < y1; ++y)
                std::fill(px.Row(f.Top + y) + f.Left + x0, px.Row(f.Top + y) + f.Left + x1, 0u);
        } else if (f.Disposal == 3 && !saved.empty()) {
            std::memcpy(px.data, saved.data(), saved.size() * 4);
        }
    }
    px.MarkDirty();
    m_frame = Index;
    Changed();
}

}  // namespace gw
