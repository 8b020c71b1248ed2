// Icons: the largest image of an .ico file, as BMP with AND mask or as PNG.
#include "platform/graphics/image_formats.h"

#include "platform/graphics/canvas_internal.h"

namespace gw {

namespace {

[[noreturn]] void Invalid() { throw EInvalidGraphic(u"Icon image is not valid"); }

uint32_t Get(std::string_view b, size_t at, int bytes)
{
    if (at + bytes > b.size()) Invalid();
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | uint8_t(b[at + i]);
    return v;
}

void Put(std::string& s, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i) s += char((v >> (8 * i)) & 0xFF);
}

}  // namespace

void TIcon::LoadFromBytes(std::string_view Bytes)
{
    if (Get(Bytes, 0, 2) != 0 || (Get(Bytes, 2, 2) != 1 && Get(Bytes, 2, 2) != 2)) Invalid();
    uint32_t count = Get(Bytes, 4, 2);
    if (count == 0) Invalid();
    size_t best = 0;
    uint64_t bestScore = 0;
    for (uint32_t i = 0; i < count; ++i) {
        size_t e = 6 + i * 16;
        uint32_t w = Get(Bytes, e, 1), h = Get(Bytes, e + 1, 1), bpp = Get(Bytes, e + 6, 2);
        uint64_t score = (uint64_t(w ? w : 256) * (h ? h : 256) << 8) | bpp;
        if (i == 0 || score > bestScore) {
            best = e;
            bestScore = score;
        }
    }
    uint32_t size = Get(Bytes, best + 8, 4), offset = Get(Bytes, best + 12, 4);
    if (size_t(offset) + size > Bytes.size() || size < 40) Invalid();
    std::string_view image = Bytes.substr(offset, size);
    TBitmap& out = MutableImage();
    if (image.substr(0, 8) == "\x89PNG\r\n\x1a\n") {
        TPngImage png;
        png.LoadFromBytes(image);
        out.Assign(const_cast<TBitmap*>(&png.Image()));
    } else {
        // An icon's bitmap has twice its height: the colour image, then the 1-bit AND mask.
        int32_t w = int32_t(Get(image, 4, 4)), h2 = int32_t(Get(image, 8, 4));
        uint32_t bpp = Get(image, 14, 2), colours = Get(image, 32, 4);
        int32_t h = h2 / 2;
        if (w <= 0 || h <= 0 || w > 1024 || h > 1024) Invalid();
        uint32_t hsize = Get(image, 0, 4);
        if (hsize < 40 || hsize > image.size()) Invalid();
        size_t paletteBytes = bpp <= 8 ? size_t(colours ? colours : 1u << bpp) * 4 : 0;
        size_t xorStride = ((size_t(w) * bpp + 31) / 32) * 4;
        size_t maskStride = ((size_t(w) + 31) / 32) * 4;
        size_t xorAt = hsize + paletteBytes, maskAt = xorAt + xorStride * h;
        std::string bmp = "BM";
        Put(bmp, uint32_t(14 + maskAt), 4);
        Put(bmp, 0, 4);
        Put(bmp, uint32_t(14 + xorAt), 4);
        std::string header(image.substr(0, hsize));
        for (int i = 0; i < 4; ++i) header[8 + i] = char((uint32_t(h) >> (8 * i)) & 0xFF);
        bmp += header;
        if (xorAt + xorStride * h > image.size()) Invalid();
        bmp += image.substr(hsize, xorAt - hsize + xorStride * h);
        TBitmap colour;
        colour.LoadFromBytes(bmp);
        colour.SetPixelFormat(pf32bit);
        bool hasAlpha = colour.AlphaFormat == afDefined;
        detail::Pixels px(colour.Surface());
        bool maskPresent = maskAt + maskStride * h <= image.size();
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) {
                bool masked = false;
                if (maskPresent) {
                    uint8_t m = uint8_t(image[maskAt + maskStride * (h - 1 - y) + x / 8]);
                    masked = (m >> (7 - (x & 7))) & 1;
                }
                if (masked && !hasAlpha) px.Row(y)[x] = 0;
            }
        px.MarkDirty();
        out.Assign(&colour);
        out.AlphaFormat = afDefined;
    }
    m_data = std::string(Bytes);
    Changed();
}

std::string TIcon::SaveToBytes() const
{
    if (!m_data.empty()) return m_data;
    if (Image().Empty()) throw EInvalidGraphic(u"Cannot save an empty icon");
    TPngImage png;
    png.Assign(const_cast<TBitmap*>(&Image()));
    std::string data = png.SaveToBytes();
    std::string s;
    Put(s, 0, 2);
    Put(s, 1, 2);
    Put(s, 1, 2);
    Put(s, uint32_t(Width() >= 256 ? 0 : Width()), 1);
    Put(s, uint32_t(Height() >= 256 ? 0 : Height()), 1);
    Put(s, 0, 2);
    Put(s, 1, 2);
    Put(s, 32, 2);
    Put(s, uint32_t(data.size()), 4);
    Put(s, 22, 4);
    return s + data;
}

}  // namespace gw
