// The thin owner-drawn scroll bar of the string grid's metro scroll type: a flat thumb over the
// grid's own painting, page steps beside it and a drag of it.
#pragma once

#include "grid/interaction/scroll_thumb.h"
#include "platform/ui/win_control.h"

namespace gw {

class TExtStringGrid;

enum TScrollDirection : uint8_t { sdVertical, sdHorizontal };

class TScrollControl : public TCustomControl {
public:
    explicit TScrollControl(TComponent* AOwner);
    String ClassName() const override { return u"TScrollControl"; }

    // The thumb's colour is the control's Color ($C0C0C0 at first).
    Integer ScrollWidth() const { return m_scrollWidth; }
    void SetScrollWidth(Integer Value) { m_scrollWidth = Value; }
    TScrollDirection Direction() const { return m_direction; }
    void SetDirection(TScrollDirection Value) { m_direction = Value; }
    bool DownOnScroller() const { return m_downOnScroller; }

    // The grid's axis as this control sees it; none without a string grid as parent.
    std::optional<TThumbAxis> Axis() const;
    // Draws the thumb, when there is one, on Canvas in the control's coordinates.
    void DrawThumb(TCanvas& Canvas) const;

    void Dispatch(TMessage& Message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

private:
    TExtStringGrid* Grid() const;
    Integer Along(Integer X, Integer Y) const { return m_direction == sdVertical ? Y : X; }
    void MoveFirst(Integer Value) const;
    // The parent paints what lies under the control into the given canvas first.
    void PaintParentUnder(TCanvas& Canvas);

    Integer m_scrollWidth = 4;
    TScrollDirection m_direction = sdVertical;
    bool m_downOnScroller = false;
    Integer m_downPos = 0;
    Integer m_downRow = 0;
};

}  // namespace gw
