// BMP files: reading 1/4/8-bit (plain and RLE), 16, 24 and 32-bit data, and writing them.
#include "platform/graphics/bitmap.h"

#include "platform/graphics/canvas_internal.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <map>

namespace gw {

namespace {

[[noreturn]] void Invalid() { throw EInvalidGraphic(u"Bitmap image is not valid"); }

uint32_t U16(std::string_view b, size_t at)
{
    if (at + 2 > b.size()) Invalid();
    return uint8_t(b[at]) | (uint8_t(b[at + 1]) << 8);
}

uint32_t U32(std::string_view b, size_t at)
{
    if (at + 4 > b.size()) Invalid();
    return U16(b, at) | (U16(b, at + 2) << 16);
}

void Put16(std::string& s, uint32_t v)
{
    s += char(v & 0xFF);
    s += char((v >> 8) & 0xFF);
}

void Put32(std::string& s, uint32_t v)
{
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

// Extracts a channel under a bit mask and scales it to 0..255.
uint32_t Channel(uint32_t value, uint32_t mask)
{
    if (mask == 0) return 0;
    int shift = 0;
    while (!((mask >> shift) & 1)) ++shift;
    uint32_t max = mask >> shift;
    return ((value & mask) >> shift) * 255 / max;
}

struct Header {
    int32_t width = 0;
    int32_t height = 0;
    bool topDown = false;
    uint32_t bpp = 0;
    uint32_t compression = 0;
    uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
    std::vector<uint32_t> palette;  // $00BBGGRR
};

Header ReadHeader(std::string_view b, size_t& dataOffset)
{
    if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') Invalid();
    dataOffset = U32(b, 10);
    uint32_t hsize = U32(b, 14);
    Header h;
    size_t paletteAt = 14 + hsize;
    size_t entrySize = 4;
    if (hsize == 12) {
        h.width = int32_t(U16(b, 18));
        h.height = int32_t(U16(b, 20));
        h.bpp = U16(b, 24);
        entrySize = 3;
    } else if (hsize >= 40) {
        h.width = int32_t(U32(b, 18));
        h.height = int32_t(U32(b, 22));
        h.bpp = U16(b, 28);
        h.compression = U32(b, 30);
        if (h.compression == 3 || h.compression == 6) {
            bool inHeader = hsize >= 52;
            size_t at = 54;
            h.masks[0] = U32(b, at);
            h.masks[1] = U32(b, at + 4);
            h.masks[2] = U32(b, at + 8);
            if (hsize >= 56 || h.compression == 6) h.masks[3] = U32(b, at + 12);
            if (!inHeader) paletteAt += h.compression == 6 ? 16 : 12;
        }
    } else {
        Invalid();
    }
    if (h.height < 0) {
        // The lowest height has no positive counterpart: no picture is that tall anyway.
        if (h.height == INT32_MIN) Invalid();
        h.topDown = true;
        h.height = -h.height;
    }
    if (h.width <= 0 || h.height <= 0 || h.width > 32767 || h.height > 32767) Invalid();
    if (int64_t(h.width) * h.height > (int64_t(1) << 26)) Invalid();
    if (h.bpp != 1 && h.bpp != 4 && h.bpp != 8 && h.bpp != 16 && h.bpp != 24 && h.bpp != 32) Invalid();
    if (h.compression == 1 && h.bpp != 8) Invalid();
    if (h.compression == 2 && h.bpp != 4) Invalid();
    if (h.compression > 3 && h.compression != 6) Invalid();
    if (h.bpp <= 8) {
        uint32_t used = hsize >= 40 ? U32(b, 46) : 0;
        uint32_t count = used ? std::min<uint32_t>(used, 1u << h.bpp) : 1u << h.bpp;
        for (uint32_t i = 0; i < count; ++i) {
            size_t at = paletteAt + i * entrySize;
            if (at + 3 > b.size()) Invalid();
            h.palette.push_back(uint8_t(b[at + 2]) | (uint8_t(b[at + 1]) << 8) | (uint8_t(b[at]) << 16));
        }
    }
    if (h.bpp == 16 && h.compression == 0) {
        h.masks[0] = 0x7C00;
        h.masks[1] = 0x03E0;
        h.masks[2] = 0x001F;
    }
    if (h.bpp == 32 && h.compression == 0) {
        h.masks[0] = 0xFF0000;
        h.masks[1] = 0xFF00;
        h.masks[2] = 0xFF;
        h.masks[3] = 0xFF000000u;
    }
    return h;
}

// Expands RLE8 / RLE4 data to one palette index per pixel, rows bottom-up.
std::vector<uint8_t> DecodeRle(std::string_view b, size_t at, const Header& h)
{
    std::vector<uint8_t> idx(size_t(h.width) * h.height, 0);
    int32_t x = 0, y = 0;
    auto put = [&](uint8_t v) {
        if (x < h.width && y < h.height) idx[size_t(y) * h.width + x] = v;
        ++x;
    };
    auto byte = [&]() -> uint8_t {
        if (at >= b.size()) Invalid();
        return uint8_t(b[at++]);
    };
    bool four = h.compression == 2;
    while (y < h.height) {
        uint8_t count = byte(), value = byte();
        if (count > 0) {
            for (int i = 0; i < count; ++i) put(four ? ((i & 1) ? value & 0x0F : value >> 4) : value);
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            x += byte();
            y += byte();
        } else {
            // An absolute run of n indices, padded to a whole word.
            int n = value;
            size_t bytes = four ? size_t(n + 1) / 2 : size_t(n);
            if (at + bytes > b.size()) Invalid();
            for (int i = 0; i < n; ++i) {
                uint8_t v = four ? uint8_t(b[at + i / 2]) : uint8_t(b[at + i]);
                if (four) v = (i & 1) ? v & 0x0F : v >> 4;
                put(v);
            }
            at += bytes + (bytes & 1);
        }
    }
    return idx;
}

uint32_t NearestIndex(const std::vector<TColor>& palette, uint32_t c, std::map<uint32_t, uint32_t>& cache)
{
    if (auto it = cache.find(c); it != cache.end()) return it->second;
    uint32_t best = 0;
    int64_t bestDist = INT64_MAX;
    for (size_t i = 0; i < palette.size(); ++i) {
        uint32_t p = uint32_t(palette[i]);
        int64_t dr = int(c & 0xFF) - int(p & 0xFF), dg = int((c >> 8) & 0xFF) - int((p >> 8) & 0xFF),
                db = int((c >> 16) & 0xFF) - int((p >> 16) & 0xFF);
        int64_t d = dr * dr + dg * dg + db * db;
        if (d < bestDist) {
            bestDist = d;
            best = uint32_t(i);
        }
    }
    cache[c] = best;
    return best;
}

// The palette written for an indexed file: the bitmap's own, else its colours when they fit,
// else a fixed one (black/white, the 16 VGA colours, or a 6x6x6 cube with greys).
std::vector<TColor> PaletteFor(const TBitmap& bmp, uint32_t bpp)
{
    size_t max = size_t(1) << bpp;
    if (!bmp.Palette().empty()) {
        auto p = bmp.Palette();
        p.resize(std::min(p.size(), max));
        return p;
    }
    std::vector<TColor> colours;
    for (Integer y = 0; y < bmp.Height() && colours.size() <= max; ++y)
        for (Integer x = 0; x < bmp.Width() && colours.size() <= max; ++x) {
            TColor c = bmp.PixelColor(x, y);
            if (std::find(colours.begin(), colours.end(), c) == colours.end()) colours.push_back(c);
        }
    if (colours.size() <= max) {
        std::sort(colours.begin(), colours.end());
        return colours;
    }
    if (bpp == 1) return {clBlack, clWhite};
    if (bpp == 4)
        return {clBlack,  clMaroon, clGreen, clOlive,  clNavy, clPurple,  clTeal, clGray,
                clSilver, clRed,    clLime,  clYellow, clBlue, clFuchsia, clAqua, clWhite};
    std::vector<TColor> cube;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b) cube.push_back(RGB(Byte(r * 51), Byte(g * 51), Byte(b * 51)));
    for (int i = 1; cube.size() < 256; ++i) cube.push_back(RGB(Byte(i * 6), Byte(i * 6), Byte(i * 6)));
    return cube;
}

}  // namespace

namespace {

// The palette index of pixel x in a row of an indexed file.
uint32_t IndexAt(const Header& h, const uint8_t* in, int32_t x)
{
    if (h.bpp == 8) return in[x];
    if (h.bpp == 4) return (x & 1) ? in[x / 2] & 0x0F : in[x / 2] >> 4;
    return (in[x / 8] >> (7 - (x & 7))) & 1;
}

// The colour ($00BBGGRR) and alpha of pixel x in a row of a 16, 24 or 32-bit file.
uint32_t DirectPixel(const Header& h, const uint8_t* in, int32_t x, uint32_t& alpha)
{
    alpha = 255;
    if (h.bpp == 24) return in[x * 3 + 2] | (in[x * 3 + 1] << 8) | (uint32_t(in[x * 3]) << 16);
    uint32_t v = h.bpp == 16
        ? uint32_t(in[x * 2] | (in[x * 2 + 1] << 8))
        : uint32_t(in[x * 4] | (in[x * 4 + 1] << 8) | (in[x * 4 + 2] << 16) | (uint32_t(in[x * 4 + 3]) << 24));
    if (h.bpp == 32 && h.masks[3]) alpha = Channel(v, h.masks[3]);
    return Channel(v, h.masks[0]) | (Channel(v, h.masks[1]) << 8) | (Channel(v, h.masks[2]) << 16);
}

// A 32-bit file whose alpha is zero everywhere has none: its pixels are opaque. Otherwise
// the surface keeps them premultiplied, as cairo wants.
void SettleAlpha(const detail::Pixels& px, bool anyAlpha)
{
    for (Integer y = 0; y < px.height; ++y) {
        uint32_t* out = px.Row(y);
        for (Integer x = 0; x < px.width; ++x) {
            uint32_t p = out[x], a = anyAlpha ? p >> 24 : 255;
            auto ch = [&](int s) { return (((p >> s) & 0xFF) * a / 255) << s; };
            out[x] = (a << 24) | ch(16) | ch(8) | ch(0);
        }
    }
}

}  // namespace

void TBitmap::LoadFromBytes(std::string_view b)
{
    size_t offset = 0;
    Header h = ReadHeader(b, offset);
    if (offset >= b.size()) Invalid();
    TPixelFormat format = h.bpp == 1 ? pf1bit
        : h.bpp == 4                 ? pf4bit
        : h.bpp == 8                 ? pf8bit
        : h.bpp == 16                ? pf16bit
        : h.bpp == 24                ? pf24bit
                                     : pf32bit;
    size_t stride = ((size_t(h.width) * h.bpp + 31) / 32) * 4;
    bool compressed = h.compression == 1 || h.compression == 2;
    std::vector<uint8_t> rle;
    if (compressed)
        rle = DecodeRle(b, offset, h);
    else if (offset + stride * h.height > b.size())
        Invalid();
    TBitmap fresh(h.width, h.height, format);
    detail::Pixels px(fresh.Surface());
    bool anyAlpha = false;
    for (int32_t row = 0; row < h.height; ++row) {
        uint32_t* out = px.Row(h.topDown ? row : h.height - 1 - row);
        const uint8_t* in = compressed ? nullptr : reinterpret_cast<const uint8_t*>(b.data()) + offset + stride * row;
        for (int32_t x = 0; x < h.width; ++x) {
            uint32_t colour = 0, alpha = 255;
            if (compressed || h.bpp <= 8) {
                uint32_t i = compressed ? rle[size_t(row) * h.width + x] : IndexAt(h, in, x);
                colour = i < h.palette.size() ? h.palette[i] : 0;
            } else {
                colour = DirectPixel(h, in, x, alpha);
                anyAlpha = anyAlpha || alpha != 0;
            }
            out[x] = (detail::ToPixel(colour) & 0xFFFFFF) | (alpha << 24);
        }
    }
    if (h.bpp == 32) {
        SettleAlpha(px, anyAlpha && h.masks[3] != 0);
        fresh.AlphaFormat = anyAlpha && h.masks[3] != 0 ? afDefined : afIgnored;
    }
    px.MarkDirty();
    fresh.SetPalette(std::vector<TColor>(h.palette.begin(), h.palette.end()));
    bool transparent = Transparent();
    Assign(&fresh);
    SetTransparent(transparent);
}

std::string TBitmap::SaveToBytes() const
{
    uint32_t bpp = m_pixelFormat == pf1bit                       ? 1
        : m_pixelFormat == pf4bit                                ? 4
        : m_pixelFormat == pf8bit                                ? 8
        : (m_pixelFormat == pf15bit || m_pixelFormat == pf16bit) ? 16
        : m_pixelFormat == pf32bit                               ? 32
                                                                 : 24;
    std::vector<TColor> palette = bpp <= 8 ? PaletteFor(*this, bpp) : std::vector<TColor>{};
    size_t stride = ((size_t(m_width) * bpp + 31) / 32) * 4;
    size_t paletteBytes = palette.size() * 4;
    size_t offset = 14 + 40 + paletteBytes;
    std::string s;
    s.reserve(offset + stride * m_height);
    s += "BM";
    Put32(s, uint32_t(offset + stride * m_height));
    Put32(s, 0);
    Put32(s, uint32_t(offset));
    Put32(s, 40);
    Put32(s, uint32_t(m_width));
    Put32(s, uint32_t(m_height));
    Put16(s, 1);
    Put16(s, bpp);
    Put32(s, 0);
    Put32(s, uint32_t(stride * m_height));
    Put32(s, 3780);  // 96 pixels per inch
    Put32(s, 3780);
    Put32(s, uint32_t(palette.size()));
    Put32(s, 0);
    for (TColor c : palette) {
        s += char(GetBValue(c));
        s += char(GetGValue(c));
        s += char(GetRValue(c));
        s += char(0);
    }
    detail::Pixels px(m_surface);
    std::map<uint32_t, uint32_t> cache;
    std::string row(stride, '\0');
    for (Integer y = m_height - 1; y >= 0; --y) {
        std::fill(row.begin(), row.end(), '\0');
        const uint32_t* in = px.Row(y);
        for (Integer x = 0; x < m_width; ++x) {
            uint32_t p = in[x];
            uint32_t c = detail::FromPixel(p);
            if (bpp == 32) {
                uint32_t a = m_pixelFormat == pf32bit ? p >> 24 : 255;
                auto un = [&](uint32_t v) { return a == 0 ? 0 : std::min<uint32_t>(255, (v * 255 + a / 2) / a); };
                row[x * 4] = char(un(p & 0xFF));
                row[x * 4 + 1] = char(un((p >> 8) & 0xFF));
                row[x * 4 + 2] = char(un((p >> 16) & 0xFF));
                row[x * 4 + 3] = char(a);
            } else if (bpp == 24) {
                row[x * 3] = char(p & 0xFF);
                row[x * 3 + 1] = char((p >> 8) & 0xFF);
                row[x * 3 + 2] = char((p >> 16) & 0xFF);
            } else if (bpp == 16) {
                uint32_t v = (((p >> 19) & 0x1F) << 10) | (((p >> 11) & 0x1F) << 5) | ((p >> 3) & 0x1F);
                row[x * 2] = char(v & 0xFF);
                row[x * 2 + 1] = char(v >> 8);
            } else {
                uint32_t i = NearestIndex(palette, c, cache);
                if (bpp == 8)
                    row[x] = char(i);
                else if (bpp == 4)
                    row[x / 2] = char(uint8_t(row[x / 2]) | ((x & 1) ? i : i << 4));
                else
                    row[x / 8] = char(uint8_t(row[x / 8]) | (i << (7 - (x & 7))));
            }
        }
        s += row;
    }
    return s;
}

}  // namespace gw
