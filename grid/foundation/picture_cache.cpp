// The grid's cache of pictures loaded from mark-up sources.
#include "grid/foundation/picture_cache.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"

namespace gw {

THTMLPictureCache::~THTMLPictureCache() { ClearPictures(); }

THTMLPicture* THTMLPictureCache::AddPicture()
{
    m_pictures.push_back(std::make_unique<THTMLPicture>());
    return m_pictures.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(StringView ID) const
{
    for (const auto& picture : m_pictures)
        if (picture && picture->ID == ID) return picture.get();
    return nullptr;
}

void THTMLPictureCache::CheckIndex(Integer Index) const
{
    if (Index < 0 || Index >= Count()) throw EListError(u"List index out of bounds (" + IntToStr(Index) + u")");
}

THTMLPicture* THTMLPictureCache::GetPicture(Integer Index) const
{
    CheckIndex(Index);
    return m_pictures[static_cast<size_t>(Index)].get();
}

void THTMLPictureCache::SetPicture(Integer Index, std::unique_ptr<THTMLPicture> Picture)
{
    CheckIndex(Index);
    m_pictures[static_cast<size_t>(Index)] = std::move(Picture);
}

void THTMLPictureCache::ClearPictures() { m_pictures.clear(); }

bool THTMLPictureCache::Animate()
{
    bool changed = false;
    for (const auto& picture : m_pictures)
        if (picture && picture->Step()) changed = true;
    return changed;
}

}  // namespace gw
