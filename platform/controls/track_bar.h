// TTrackBar: a slider with a thumb on a channel, tick marks, keys and page clicks.
#pragma once

#include "platform/controls/scroll_bar.h"

namespace gw {

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };

class TTrackBar : public TCustomControl {
public:
    explicit TTrackBar(TComponent* AOwner);
    String ClassName() const override { return u"TTrackBar"; }

    Integer Min() const { return m_min; }
    Integer Max() const { return m_max; }
    Integer Position() const { return m_position; }
    // Max below Min is taken as Min; the position stays inside the range.
    void SetRange(Integer AMin, Integer AMax);
    // A Min above Max (a Max below Min) is ignored, as the platform's track bar does.
    void SetMin(Integer Value)
    {
        if (Value <= m_max) SetRange(Value, m_max);
    }
    void SetMax(Integer Value)
    {
        if (Value >= m_min) SetRange(m_min, Value);
    }
    // Clamped to the range. Only the user's moves (keys, mouse) raise OnChange.
    void SetPosition(Integer Value) { MoveTo(Value, false); }
    Integer LineSize = 1;
    Integer PageSize = 2;
    // A tick every Frequency positions (tsAuto).
    Integer Frequency = 1;
    TTrackBarOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TTrackBarOrientation Value);
    TTickMark TickMarks = tmBottomRight;
    TTickStyle TickStyle = tsAuto;
    // The ticks set by the program (tsManual).
    void SetTick(Integer Value);
    void ClearTicks() { m_ticks.clear(); }
    // The positions that get a tick.
    std::vector<Integer> Ticks() const;

    // Geometry: the channel and the thumb in client coordinates; the position at a point.
    TRect ChannelRect() const;
    TRect ThumbRect() const;
    Integer PositionAt(Integer X, Integer Y) const;
    // The pixel of the channel that shows Value.
    Integer PixelOf(Integer Value) const;

    TNotifyEvent OnChange;

protected:
    LRESULT DialogCode() const override { return DLGC_WANTARROWS; }
    bool RepaintsOnFocusChange() const override { return true; }
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;

private:
    void MoveTo(Integer Value, bool Notify);

    Integer m_min = 0;
    Integer m_max = 10;
    Integer m_position = 0;
    TTrackBarOrientation m_orientation = trHorizontal;
    std::vector<Integer> m_ticks;
    bool m_dragging = false;
    Integer m_dragOffset = 0;
};

}  // namespace gw
