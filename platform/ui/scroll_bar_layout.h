// The arithmetic of every scroll bar: where its arrows, track and thumb lie along its length,
// which part a point falls on and which position a thumb offset means.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

enum TScrollBarKind { sbHorizontal, sbVertical };

// The parts of a bar, from the start (left or top) to the end.
enum class TScrollBarPart { None, StartArrow, StartPage, Thumb, EndPage, EndArrow };

// Where the parts of a scroll bar lie along its length, for a range Min..Max with PageSize.
// Window scroll bars, the scroll bar control and owner-drawn bars all use this one rule:
// - the arrows are Thickness long, or half the bar when it is shorter than two of them;
// - the thumb's share of the track is the page's share of the range (to the nearest pixel) but
//   never less than MinThumb; without a page it is square (Thickness long);
// - a track too short for the thumb shows no thumb (the arrows still scroll), and a bar with
//   nothing to scroll (MaxPosition at Min) shows none and takes no presses;
// - positions and thumb offsets map onto each other linearly, rounded to the nearest, so a
//   thumb dragged to where a position puts it gives that position back;
// - an arrow turned off (EnableScrollBar) is drawn inactive and takes no press; with both off
//   the whole bar is off: no thumb and no presses, whatever it could scroll.
struct TScrollBarLayout {
    static constexpr Integer MinThumb = 8;

    Integer Length = 0;  // along the bar
    Integer Thickness = 17;  // across; also the arrow buttons' length
    Integer Min = 0;
    Integer Max = 100;
    Integer PageSize = 0;
    Integer Position = 0;
    bool StartArrowOff = false;
    bool EndArrowOff = false;

    // The highest position (the page's top when the page ends at Max).
    Integer MaxPosition() const;
    // There is something to scroll: the bar is active.
    bool CanScroll() const { return MaxPosition() > Min; }
    bool BarOff() const { return StartArrowOff && EndArrowOff; }
    Integer ArrowLength() const;
    Integer TrackStart() const { return ArrowLength(); }
    Integer TrackEnd() const { return Length - ArrowLength(); }
    // 0 when the bar shows no thumb.
    Integer ThumbLength() const;
    Integer ThumbStart() const;
    // The part at an offset along the bar.
    TScrollBarPart PartAt(Integer Offset) const;
    // The position that puts the thumb's start at ThumbStartOffset.
    Integer PositionAt(Integer ThumbStartOffset) const;
};

}  // namespace gw
