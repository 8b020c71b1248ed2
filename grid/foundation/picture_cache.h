// The pictures a grid loads on demand for mark-up sources with "://" ("RES://", "FILE://").
#pragma once

#include "grid/foundation/html_picture.h"

#include <memory>
#include <vector>

namespace gw {

// An owned list of pictures, found by the ID they were loaded from.
class THTMLPictureCache {
public:
    THTMLPictureCache() = default;
    ~THTMLPictureCache();
    THTMLPictureCache(const THTMLPictureCache&) = delete;
    THTMLPictureCache& operator=(const THTMLPictureCache&) = delete;

    // A new empty picture at the end of the list.
    THTMLPicture* AddPicture();
    // The first picture whose ID equals the text exactly (with case), or nullptr.
    THTMLPicture* FindPicture(StringView ID) const;
    Integer Count() const { return static_cast<Integer>(m_pictures.size()); }
    // EListError outside the list.
    THTMLPicture* GetPicture(Integer Index) const;
    // Replaces (and frees) the picture at Index.
    void SetPicture(Integer Index, std::unique_ptr<THTMLPicture> Picture);
    void ClearPictures();
    // One animation tick for every picture; true when any frame changed.
    bool Animate();

private:
    void CheckIndex(Integer Index) const;

    std::vector<std::unique_ptr<THTMLPicture>> m_pictures;
};

}  // namespace gw
