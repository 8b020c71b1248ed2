// TScrollBar: the scroll bar control, its scroll codes and events (the layout and the painter
// are every scroll bar's, in platform/ui).
#pragma once

#include "platform/ui/scroll_bar_layout.h"
#include "platform/ui/scroll_bar_painter.h"
#include "platform/ui/win_control.h"

namespace gw {

// The SB_* scroll requests are the window system's (window_system.h).
// The scroll messages a parent reflects to a scroll bar control.
constexpr UINT CN_HSCROLL = UINT(CN_BASE) + UINT(WM_HSCROLL);
constexpr UINT CN_VSCROLL = UINT(CN_BASE) + UINT(WM_VSCROLL);

enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };

using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, Integer& ScrollPos)>;

class TScrollBar : public TCustomControl {
public:
    explicit TScrollBar(TComponent* AOwner);
    String ClassName() const override { return u"TScrollBar"; }

    TScrollBarKind Kind() const { return m_kind; }
    // Swaps width and height when the kind changes.
    void SetKind(TScrollBarKind Value);
    Integer Min() const { return m_min; }
    Integer Max() const { return m_max; }
    Integer Position() const { return m_position; }
    Integer PageSize() const { return m_pageSize; }
    void SetMin(Integer Value) { SetParams(m_position, Value, m_max); }
    void SetMax(Integer Value) { SetParams(m_position, m_min, Value); }
    // Clamped to the range; a change raises OnChange.
    void SetPosition(Integer Value) { SetParams(Value, m_min, m_max); }
    void SetPageSize(Integer Value);
    // EInvalidOperation when Max < Min.
    void SetParams(Integer APosition, Integer AMin, Integer AMax);
    Integer SmallChange = 1;
    Integer LargeChange = 1;

    TScrollBarLayout Layout() const;

    TNotifyEvent OnChange;
    // Each scroll request, before the position changes; the handler may alter ScrollPos.
    TScrollEvent OnScroll;

protected:
    LRESULT DialogCode() const override { return DLGC_WANTARROWS; }
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    // A scroll request as WM_HSCROLL / WM_VSCROLL carry it.
    void DoScroll(Word Code, Integer ThumbPos);
    virtual void Change();

private:
    Integer Along(Integer X, Integer Y) const { return m_kind == sbHorizontal ? X : Y; }
    // A press the mouse capture lost or a cancel ends.
    void CancelPress(TMessage& M);

    TScrollBarKind m_kind = sbHorizontal;
    Integer m_min = 0;
    Integer m_max = 100;
    Integer m_position = 0;
    Integer m_pageSize = 0;
    TScrollBarPart m_pressed = TScrollBarPart::None;
    Integer m_dragOffset = 0;
};

}  // namespace gw
