// The arithmetic of every scroll bar (see scroll_bar_layout.h for the rule).
#include "platform/ui/scroll_bar_layout.h"

#include <algorithm>
#include <cstdint>

namespace gw {

namespace {

// Value * Num / Den to the nearest integer, for non-negative operands and Den > 0.
Integer MulDivNearest(int64_t Value, int64_t Num, int64_t Den) { return Integer((Value * Num + Den / 2) / Den); }

}  // namespace

Integer TScrollBarLayout::MaxPosition() const { return std::max(Min, Max - std::max(PageSize - 1, 0)); }

Integer TScrollBarLayout::ArrowLength() const { return std::max(0, std::min(Thickness, Length / 2)); }

Integer TScrollBarLayout::ThumbLength() const
{
    Integer track = TrackEnd() - TrackStart();
    if (track <= 0 || !CanScroll() || BarOff()) return 0;
    Integer thumb = Thickness;
    if (PageSize > 0) thumb = MulDivNearest(track, PageSize, int64_t(Max) - Min + 1);
    thumb = std::max(thumb, MinThumb);
    return thumb > track ? 0 : thumb;
}

Integer TScrollBarLayout::ThumbStart() const
{
    Integer span = MaxPosition() - Min;
    Integer free = TrackEnd() - TrackStart() - ThumbLength();
    if (span <= 0 || free <= 0) return TrackStart();
    Integer pos = std::clamp(Position, Min, MaxPosition());
    return TrackStart() + MulDivNearest(int64_t(pos) - Min, free, span);
}

TScrollBarPart TScrollBarLayout::PartAt(Integer Offset) const
{
    if (Offset < 0 || Offset >= Length || !CanScroll() || BarOff()) return TScrollBarPart::None;
    if (Offset < TrackStart()) return StartArrowOff ? TScrollBarPart::None : TScrollBarPart::StartArrow;
    if (Offset >= TrackEnd()) return EndArrowOff ? TScrollBarPart::None : TScrollBarPart::EndArrow;
    Integer thumb = ThumbLength();
    if (thumb == 0) return TScrollBarPart::None;
    if (Offset < ThumbStart()) return TScrollBarPart::StartPage;
    if (Offset < ThumbStart() + thumb) return TScrollBarPart::Thumb;
    return TScrollBarPart::EndPage;
}

Integer TScrollBarLayout::PositionAt(Integer ThumbStartOffset) const
{
    Integer free = TrackEnd() - TrackStart() - ThumbLength();
    Integer span = MaxPosition() - Min;
    if (free <= 0 || span <= 0) return Min;
    Integer off = std::clamp(ThumbStartOffset - TrackStart(), 0, free);
    return Min + MulDivNearest(off, span, free);
}

}  // namespace gw
