// Alpha masks: the merge of colour and mask, the banded Gaussian blur and the rounded mask.
#include "grid/foundation/alpha_mask.h"

#include "platform/runtime/convert.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace gw {

namespace {

// The blur touches this many rows and columns at each edge; the rest copies the line below.
constexpr Integer BandWidth = 20;
constexpr Integer MiddleSource = 15;

String SizeText(const TBitmap& B) { return IntToStr(B.Width()) + u" x " + IntToStr(B.Height()); }

// Below 0: 0; from 0 up to 255: the integer part; 255 and more: 255.
uint8_t ClampRealToByte(double Value)
{
    if (!(Value >= 0)) return 0;
    if (Value >= 255) return 255;
    return static_cast<uint8_t>(Value);
}

// One line of 4-byte pixels (B, G, R, A), blurred in place; positions beyond the ends take the
// nearest end pixel. Alpha stays.
void BlurPixelLine(uint8_t* Line, Integer Count, const TBlurKernel& K, std::vector<uint8_t>& Work)
{
    // Dividing by the sum of the weights as stored keeps a flat area exactly flat (a white mask
    // stays 255) although the single-precision weights do not sum to exactly 1.
    double total = 0;
    for (Integer k = -K.Size; k <= K.Size; ++k) total += K.Weight(k);
    Work.assign(Line, Line + size_t(Count) * 4);
    for (Integer j = 0; j < Count; ++j) {
        double sum[3] = {0, 0, 0};
        for (Integer k = -K.Size; k <= K.Size; ++k) {
            const uint8_t* p = Line + size_t(std::clamp(j - k, 0, Count - 1)) * 4;
            const double w = K.Weight(k);
            for (int c = 0; c < 3; ++c) sum[c] += w * p[c];
        }
        for (int c = 0; c < 3; ++c) Work[size_t(j) * 4 + size_t(c)] = ClampRealToByte(sum[c] / total);
    }
    std::memcpy(Line, Work.data(), size_t(Count) * 4);
}

bool InBand(Integer Index, Integer Count) { return Index <= BandWidth || Index >= Count - BandWidth; }

void BlurRows(TBitmap& Bitmap, const TBlurKernel& K, std::vector<uint8_t>& Work)
{
    const Integer w = Bitmap.Width();
    for (Integer y = 0; y < Bitmap.Height(); ++y) {
        if (InBand(y, Bitmap.Height()))
            BlurPixelLine(Bitmap.ScanLine(y), w, K, Work);
        else
            std::memcpy(Bitmap.ScanLine(y), Bitmap.ScanLine(MiddleSource), size_t(w) * 4);
    }
}

void BlurColumns(TBitmap& Bitmap, const TBlurKernel& K, std::vector<uint8_t>& Work)
{
    const Integer w = Bitmap.Width(), h = Bitmap.Height();
    std::vector<uint8_t*> rows(static_cast<size_t>(h));
    for (Integer y = 0; y < h; ++y) rows[size_t(y)] = Bitmap.ScanLine(y);
    std::vector<uint8_t> column(size_t(h) * 4);
    // Each column's blur reads that column alone, and the middle copies column 15 once it is
    // blurred: the band columns first, then the middle row by row, is the same as column order.
    for (Integer x = 0; x < w; ++x) {
        if (!InBand(x, w)) continue;
        for (Integer y = 0; y < h; ++y) std::memcpy(&column[size_t(y) * 4], rows[size_t(y)] + size_t(x) * 4, 4);
        BlurPixelLine(column.data(), h, K, Work);
        for (Integer y = 0; y < h; ++y) std::memcpy(rows[size_t(y)] + size_t(x) * 4, &column[size_t(y) * 4], 4);
    }
    for (Integer y = 0; y < h; ++y) {
        uint8_t* row = rows[size_t(y)];
        for (Integer x = BandWidth + 1; x < w - BandWidth; ++x)
            std::memcpy(row + size_t(x) * 4, row + MiddleSource * 4, 4);
    }
}

}  // namespace

// --- TGridAlphaMask ----------------------------------------------------------------------------

TGridAlphaMask::TGridAlphaMask() { SetPixelFormat(pf32bit); }

void TGridAlphaMask::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TGridAlphaMask*>(Source);
    if (!from) {
        TBitmap::Assign(Source);
        SetPixelFormat(pf32bit);
        return;
    }
    if (from == this) return;
    if (from->Width() != Width() || from->Height() != Height())
        throw EInvalidGraphic(u"Cannot assign an alpha mask of " + SizeText(*from) + u" to one of " + SizeText(*this));
    SetPixelFormat(pf32bit);
    Opacity = from->Opacity;
    for (Integer y = 0; y < Height(); ++y) std::memcpy(ScanLine(y), from->ScanLine(y), size_t(Width()) * 4);
    Changed();
}

void TGridAlphaMask::MergeMask(const TBitmap& Mask, const TBitmap& Bitmap, TColor /*Color*/)
{
    if (Bitmap.PixelFormat() != pf24bit) return;
    if (Mask.Width() < Bitmap.Width() || Mask.Height() < Bitmap.Height())
        throw EInvalidGraphic(u"The mask of " + SizeText(Mask) + u" is smaller than the bitmap of " + SizeText(Bitmap));
    SetPixelFormat(pf32bit);
    SetSize(Bitmap.Width(), Bitmap.Height());
    for (Integer y = 0; y < Height(); ++y) {
        const uint8_t* colour = Bitmap.ScanLine(y);
        const uint8_t* grey = Mask.ScanLine(y);
        uint8_t* out = ScanLine(y);
        for (Integer x = 0; x < Width(); ++x) {
            const unsigned a = grey[x * 4 + 2];
            // c * a / 255 to the nearest: the exact quotient is never half-way, 255 being odd.
            for (int c = 0; c < 3; ++c) out[x * 4 + c] = uint8_t((colour[x * 4 + c] * a + 127) / 255);
            out[x * 4 + 3] = uint8_t(a);
        }
    }
    Changed();
}

// --- the blur ---------------------------------------------------------------------------------

TBlurKernel MakeBlurKernel(double Radius, Integer MaxData, double Granularity)
{
    std::array<double, 21> w{};
    if (Radius == 0 || !std::isfinite(Radius)) {
        w[10] = 1;
    } else {
        for (Integer i = -10; i <= 10; ++i) w[size_t(i + 10)] = std::exp(-0.5 * (i / Radius) * (i / Radius));
    }
    double sum = 0;
    for (double v : w) sum += v;
    for (double& v : w) v /= sum;
    Integer size = 10;
    for (double tail = 0; tail < Granularity / (2.0 * MaxData) && size > 1; --size) tail += 2 * w[size_t(size + 10)];
    double used = 0;
    for (Integer i = -size; i <= size; ++i) used += w[size_t(i + 10)];
    TBlurKernel k;
    k.Size = static_cast<Byte>(size);
    for (Integer i = -size; i <= size; ++i) k.Weights[size_t(i + 10)] = static_cast<float>(w[size_t(i + 10)] / used);
    return k;
}

void BlurMaskBitmap(TBitmap& Bitmap, double Radius)
{
    if (Bitmap.PixelFormat() != pf24bit) throw EInvalidGraphic(u"Blur only works for 24-bit bitmaps");
    if (Bitmap.Empty()) return;
    const TBlurKernel k = MakeBlurKernel(Radius);
    std::vector<uint8_t> work;
    BlurRows(Bitmap, k, work);
    BlurColumns(Bitmap, k, work);
}

void CreateRoundRectMask(TBitmap& Bitmap, Integer Width, Integer Height, Integer PenWidth, Integer Rounding,
                         double BlurRadius)
{
    Bitmap.SetPixelFormat(pf24bit);
    Bitmap.SetSize(Width, Height);
    TCanvas& c = *Bitmap.Canvas();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(clBlack);
    c.FillRect(Rect(0, 0, Width, Height));
    const Integer inset = 2 + (PenWidth < 1 ? 0 : PenWidth / 2);
    c.Pen()->SetStyle(psSolid);
    c.Pen()->SetColor(clWhite);
    c.Pen()->SetWidth(std::max(PenWidth, 1));
    c.Brush()->SetColor(PenWidth < 1 ? clWhite : clBlack);
    c.RoundRect(inset, inset, Width - inset, Height - inset, Rounding, Rounding);
    if (BlurRadius > 0) BlurMaskBitmap(Bitmap, BlurRadius);
}

}  // namespace gw
