// What a date editor of the grid offers for the calendar it drops down: week numbers, the today
// line and today's circle. The grid's date relay gives them to the calendar when it drops.
#pragma once

namespace gw {

class TDateDropOptions {
public:
    virtual ~TDateDropOptions() = default;
    virtual bool Weeknumbers() const { return false; }
    virtual bool ShowToday() const { return true; }
    virtual bool ShowTodayCircle() const { return true; }
};

}  // namespace gw
