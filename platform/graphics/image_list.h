// Image lists: equal-sized images kept together, added with masks and drawn normal or greyed.
#pragma once

#include "platform/graphics/bitmap.h"
#include "platform/runtime/component.h"

#include <memory>
#include <vector>

namespace gw {

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* AOwner = nullptr);
    ~TImageList() override;
    String ClassName() const override { return u"TImageList"; }

    Integer Width() const { return m_width; }
    Integer Height() const { return m_height; }
    // Changing the size clears the list, as the platform does.
    void SetWidth(Integer Value);
    void SetHeight(Integer Value);
    Integer Count() const { return static_cast<Integer>(m_images.size()); }

    // Adds the image (cut into Width-wide pieces when it is wider); pixels where the mask is
    // not black are transparent. Returns the index of the first piece, -1 for no image.
    Integer Add(TBitmap* Image, TBitmap* Mask);
    // Pixels of MaskColor are transparent (clDefault: the image's bottom-left pixel).
    Integer AddMasked(TBitmap* Image, TColor MaskColor);
    void Delete(Integer Index);
    void Clear();
    // Copies image Index into Image (pf32bit, transparent pixels with alpha 0).
    void GetBitmap(Integer Index, TBitmap* Image) const;

    // Draws image Index at (X, Y); a disabled image is drawn embossed in the shadow and
    // highlight colours. An index outside the list draws nothing.
    void Draw(TCanvas* Canvas, Integer X, Integer Y, Integer Index, bool Enabled = true) const;

    TNotifyEvent OnChange;

private:
    void Changed();
    Integer AddPieces(TBitmap* Image, const std::function<bool(Integer, Integer)>& transparent);

    Integer m_width = 16;
    Integer m_height = 16;
    std::vector<std::unique_ptr<TBitmap>> m_images;
};

// The image list the grids take their cell images from (GridImages).
class TCustomImageList : public TImageList {
public:
    using TImageList::TImageList;
    String ClassName() const override { return u"TCustomImageList"; }
};

}  // namespace gw
