// Scrolling windows: TControlScrollBar, TScrollingWinControl and TScrollBox.
//
// The bars belong to the window itself: they take a strip at the right and bottom edge and the
// client area shrinks by them, so aligned children never lie under a bar.
#pragma once

#include "platform/controls/panel.h"
#include "platform/controls/scroll_bar.h"

namespace gw {

class TScrollingWinControl;

class TControlScrollBar {
public:
    TControlScrollBar(TScrollingWinControl* Control, TScrollBarKind Kind) : m_control(Control), m_kind(Kind) {}

    TScrollBarKind Kind() const { return m_kind; }
    // Pixels per line request.
    Integer Increment = 8;
    // With AutoScroll the children's extent, else the range set.
    Integer Range() const;
    void SetRange(Integer Value);
    Integer Position() const { return m_position; }
    // Clamped to 0..Range - visible length; moves the contents.
    void SetPosition(Integer Value);
    bool Visible() const { return m_visible; }
    void SetVisible(bool Value);
    // Dragging the thumb scrolls at once (otherwise only on release).
    bool Tracking = false;
    // Range > visible length: the bar shows.
    bool IsScrollBarVisible() const;
    // The visible length of the contents along the bar.
    Integer ControlSize() const;
    Integer ScrollPosMax() const { return std::max(0, Range() - ControlSize()); }
    // A scroll request as WM_HSCROLL / WM_VSCROLL carry it.
    void ScrollMessage(Word Code, Integer ThumbPos);
    TScrollBarLayout Layout(const TRect& Bar) const;

private:
    friend class TScrollingWinControl;
    TScrollingWinControl* m_control;
    TScrollBarKind m_kind;
    Integer m_range = 0;
    Integer m_position = 0;
    bool m_visible = true;
};

class TScrollingWinControl : public TWinControl {
public:
    explicit TScrollingWinControl(TComponent* AOwner);
    ~TScrollingWinControl() override;
    String ClassName() const override { return u"TScrollingWinControl"; }

    TControlScrollBar* HorzScrollBar() const { return m_horz.get(); }
    TControlScrollBar* VertScrollBar() const { return m_vert.get(); }
    // The ranges follow the children's extent.
    bool AutoScroll() const { return m_autoScroll; }
    void SetAutoScroll(bool Value);
    // The window minus the visible bars.
    TRect ClientRect() const override;
    // Moves every unaligned child by (DeltaX, DeltaY).
    virtual void ScrollBy(Integer DeltaX, Integer DeltaY);
    // Scrolls until the control is inside the client area.
    void ScrollInView(TControl* AControl);
    // The strips of the bars (empty when hidden), in window coordinates.
    TRect VertBarRect() const;
    TRect HorzBarRect() const;
    void UpdateScrollBars();

protected:
    void Dispatch(TMessage& Message) override;
    void PaintWindow(TCanvas& Canvas) override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    // Aligned children move with the scroll position too.
    void AdjustClientRect(TRect& Rect) const override;
    virtual void Scrolled() {}

public:
    // The extent of the contents (the auto ranges).
    virtual TSize ContentExtent() const;

private:
    friend class TControlScrollBar;
    void BarMouse(TMessage& Message);
    void WMMouseDown(TMessage& M);
    void WMMouseDrag(TMessage& M);
    void WMEndDrag(TMessage& M);

    std::unique_ptr<TControlScrollBar> m_horz;
    std::unique_ptr<TControlScrollBar> m_vert;
    bool m_autoScroll = true;
    bool m_updating = false;
    TControlScrollBar* m_dragBar = nullptr;
    TScrollBarPart m_dragPart = TScrollBarPart::None;
    Integer m_dragOffset = 0;
};

class TScrollBox : public TScrollingWinControl {
public:
    explicit TScrollBox(TComponent* AOwner);
    String ClassName() const override { return u"TScrollBox"; }
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle Value);

protected:
    void PaintWindow(TCanvas& Canvas) override;

private:
    TBorderStyle m_borderStyle = bsSingle;
};

}  // namespace gw
