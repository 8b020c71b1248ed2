// Image lists: pieces stored with alpha, drawn normally or embossed when disabled.
#include "platform/graphics/image_list.h"

#include "platform/graphics/canvas_internal.h"

namespace gw {

TImageList::TImageList(TComponent* AOwner) : TComponent(AOwner) {}
TImageList::~TImageList() = default;

void TImageList::Changed()
{
    if (OnChange) OnChange(this);
}

void TImageList::SetWidth(Integer Value)
{
    if (Value == m_width || Value <= 0) return;
    m_width = Value;
    Clear();
}

void TImageList::SetHeight(Integer Value)
{
    if (Value == m_height || Value <= 0) return;
    m_height = Value;
    Clear();
}

Integer TImageList::AddPieces(TBitmap* Image, const std::function<bool(Integer, Integer)>& transparent)
{
    if (!Image || Image->Empty()) return -1;
    Integer first = Count();
    Integer pieces = std::max<Integer>(1, Image->Width() / m_width);
    for (Integer p = 0; p < pieces; ++p) {
        auto piece = std::make_unique<TBitmap>(m_width, m_height, pf32bit);
        piece->AlphaFormat = afDefined;
        detail::Pixels to(piece->Surface());
        for (Integer y = 0; y < m_height; ++y)
            for (Integer x = 0; x < m_width; ++x) {
                Integer sx = p * m_width + x;
                TColor c = Image->PixelColor(sx, y);
                bool clear = c == clNone || transparent(sx, y);
                to.Row(y)[x] = clear ? 0 : detail::ToPixel(uint32_t(c));
            }
        to.MarkDirty();
        m_images.push_back(std::move(piece));
    }
    Changed();
    return first;
}

Integer TImageList::Add(TBitmap* Image, TBitmap* Mask)
{
    return AddPieces(Image, [&](Integer x, Integer y) {
        if (!Mask) return false;
        TColor m = Mask->PixelColor(x, y);
        return m != clNone && (m & 0xFFFFFF) != 0;
    });
}

Integer TImageList::AddMasked(TBitmap* Image, TColor MaskColor)
{
    if (!Image) return -1;
    TColor key = MaskColor == clDefault ? Image->PixelColor(0, Image->Height() - 1) : ColorToRGB(MaskColor);
    return AddPieces(Image, [&](Integer x, Integer y) { return Image->PixelColor(x, y) == key; });
}

void TImageList::Delete(Integer Index)
{
    if (Index < 0 || Index >= Count()) throw EInvalidOperation(u"Invalid image list index");
    m_images.erase(m_images.begin() + Index);
    Changed();
}

void TImageList::Clear()
{
    m_images.clear();
    Changed();
}

void TImageList::GetBitmap(Integer Index, TBitmap* Image) const
{
    if (Index < 0 || Index >= Count() || !Image) return;
    Image->Assign(m_images[Index].get());
}

void TImageList::Draw(TCanvas* Canvas, Integer X, Integer Y, Integer Index, bool Enabled) const
{
    if (!Canvas || Index < 0 || Index >= Count()) return;
    TBitmap* image = m_images[Index].get();
    if (Enabled) {
        Canvas->Draw(X, Y, image);
        return;
    }
    // Disabled: the darker pixels become a shadow with a highlight one pixel below-right.
    TCanvasCallScope call(*Canvas, "ImageListDrawDisabled", {X, Y, Index});
    detail::Pixels px(image->Surface());
    auto dark = [&](Integer x, Integer y) {
        if (!px.Inside(x, y)) return false;
        uint32_t p = px.Row(y)[x];
        if ((p >> 24) == 0) return false;
        uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        return (r * 30 + g * 59 + b * 11) / 100 < 192;
    };
    for (int pass = 0; pass < 2; ++pass) {
        TColor colour = pass == 0 ? clBtnHighlight : clBtnShadow;
        Integer shift = pass == 0 ? 1 : 0;
        for (Integer y = 0; y < m_height; ++y)
            for (Integer x = 0; x < m_width; ++x)
                if (dark(x, y)) Canvas->SetPixel(X + x + shift, Y + y + shift, colour);
    }
}

}  // namespace gw
