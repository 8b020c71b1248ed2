// The string grid's relays: what its hidden editors and buttons report, raised as the grid's own
// events for the current cell (Sender is the grid).
#include "grid/foundation/date_time_pickers.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/model/date_drop_options.h"
#include "grid/model/ext_string_grid.h"
#include "platform/controls/date_time_picker.h"
#include "platform/runtime/datetime.h"

namespace gw {

void TExtStringGrid::GridButtonClick(TObject* /*Sender*/)
{
    if (OnButtonClick) OnButtonClick(this, Col(), Row());
}

void TExtStringGrid::UnitEditorChanged(TObject* /*Sender*/, const String& AUnit)
{
    if (OnUnitChanged) OnUnitChanged(this, Col(), Row(), AUnit);
}

void TExtStringGrid::DateAndTimeEditorChange(TObject* Sender)
{
    auto* picker = dynamic_cast<TExtDateTimePicker*>(Sender);
    if (OnDateTimeChange && picker) OnDateTimeChange(this, Col(), Row(), picker->DateTime());
}

void TExtStringGrid::DateEditorChange(TObject* Sender)
{
    if (!OnEditChange) return;
    const auto* picker = dynamic_cast<const TDateTimePicker*>(Sender);
    if (!picker) return;
    const String text = picker->Kind() == dtkTime ? TimeToStr(picker->Time()) : DateToStr(picker->Date());
    OnEditChange(this, Col(), Row(), text);
}

void TExtStringGrid::DateEditorCloseUp(TObject* /*Sender*/)
{
    if (OnDatePickerCloseUp) OnDatePickerCloseUp(this, Row(), Col());
    if (m_mouseActions->DirectDateClose) HideInplaceEdit();
}

void TExtStringGrid::DateEditorDropDown(TObject* Sender)
{
    // The picker sizes its calendar to what the calendar needs after this notification, so the
    // options set here are in the size.
    if (auto* picker = dynamic_cast<TDateTimePicker*>(Sender)) {
        static const TDateDropOptions defaults;
        const auto* own = dynamic_cast<const TDateDropOptions*>(Sender);
        const TDateDropOptions& options = own ? *own : defaults;
        TMonthCalendar* calendar = picker->Calendar();
        calendar->SetWeekNumbers(options.Weeknumbers());
        calendar->SetShowToday(options.ShowToday());
        calendar->SetShowTodayCircle(options.ShowTodayCircle());
    }
    if (OnDatePickerDropDown) OnDatePickerDropDown(this, Row(), Col());
}

}  // namespace gw
