// The grid's date editors: TGridDatePicker (date, date with up-down, time) and
// TGridDateTimePicker (date and time together). Each commits through the grid's validation, hands
// Tab, Enter and Esc to the grid and ends the edit when it loses the focus.
#pragma once

#include "grid/foundation/date_time_pickers.h"
#include "grid/interaction/date_part_advance.h"
#include "grid/interaction/editor_grid_access.h"
#include "grid/model/date_drop_options.h"

namespace gw {

class TExtStringGrid;

class TGridDatePicker : public TEsgDateTimePicker, public TDateDropOptions, public TEscapeMark {
public:
    explicit TGridDatePicker(TComponent* AOwner);
    String ClassName() const override { return u"TGridDatePicker"; }
    void Dispatch(TMessage& Message) override;
    void ReCreate();
    // After a typed digit: moves the caret to the next part when the digit changed one.
    void AdvancePart();

    bool Weeknumbers() const override { return FWeekNumbers; }
    void SetWeeknumbers(bool Value) { FWeekNumbers = Value; }
    bool ShowToday() const override { return FShowToday; }
    void SetShowToday(bool Value) { FShowToday = Value; }
    bool ShowTodayCircle() const override { return FShowTodayCircle; }
    void SetShowTodayCircle(bool Value) { FShowTodayCircle = Value; }
    bool OldDropped() const { return FOldDropped; }

protected:
    void DoExit() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void PaintWindow(TCanvas& Canvas) override;

private:
    void WMChar(TMessage& Message);
    void RestoreFromCell();
    bool CommitOrShowRefusal(Word& Key);

    TExtStringGrid* FGrid = nullptr;
    TPickerParts FParts;
    Integer FField = -1;
    bool FOldDropped = false;
    bool FWeekNumbers = false;
    bool FShowToday = true;
    bool FShowTodayCircle = true;
};

class TGridDateTimePicker : public TExtDateTimePicker, public TEscapeMark {
public:
    explicit TGridDateTimePicker(TComponent* AOwner);
    String ClassName() const override { return u"TGridDateTimePicker"; }
    void Dispatch(TMessage& Message) override;
    void ReCreate();

protected:
    void DoExit() override;
    void KeyDown(Word& Key, TShiftState Shift) override;

private:
    TExtStringGrid* FGrid = nullptr;
};

}  // namespace gw
