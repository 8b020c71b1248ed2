// What the string grid's hidden editors and buttons report, raised as the grid's events for the
// current cell; and the grid unit's start-up: one observer of window moves however often it is
// started, the common-controls threshold of the date editors, the registered names.
#include "grid/foundation/date_time_pickers.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/model/date_drop_options.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/controls/date_time_picker.h"
#include "platform/controls/month_calendar.h"
#include "platform/runtime/datetime.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/forms.h"
#include "platform/ui/window_system.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gw::test {
namespace {

class TRelayGrid : public TExtStringGrid {
public:
    using TExtStringGrid::DateAndTimeEditorChange;
    using TExtStringGrid::DateEditorChange;
    using TExtStringGrid::DateEditorCloseUp;
    using TExtStringGrid::DateEditorDropDown;
    using TExtStringGrid::GridButtonClick;
    using TExtStringGrid::TExtStringGrid;
    using TExtStringGrid::UnitChangedRelay;
    using TExtStringGrid::UnitEditorChanged;
};

std::string N(Integer V) { return std::to_string(V); }

class ExtStringGridRelays : public ::testing::Test {
protected:
    void SetUp() override
    {
        g.SetColCount(6);
        g.SetCol(3);
        g.SetRow(7);
    }
    THarness h;
    TRelayGrid g{nullptr};
    TObject sender;
    std::vector<std::string> log;
};

// The current cell is column 3, row 7: each event names them in its own order, Sender the grid.
TEST_F(ExtStringGridRelays, EachRelayRaisesItsEventForTheCurrentCell)
{
    g.OnButtonClick = [&](TObject* S, Integer ACol, Integer ARow) {
        log.push_back("button " + N(ACol) + "," + N(ARow) + (S == &g ? " grid" : " other"));
    };
    g.OnUnitChanged = [&](TObject* S, Integer ACol, Integer ARow, const String& AUnit) {
        log.push_back("unit " + N(ACol) + "," + N(ARow) + " " + StringToUtf8(AUnit) + (S == &g ? " grid" : " other"));
    };
    g.OnDatePickerCloseUp = [&](TObject* S, Integer ARow, Integer ACol) {
        log.push_back("closeup row " + N(ARow) + " col " + N(ACol) + (S == &g ? " grid" : " other"));
    };
    g.GridButtonClick(&sender);
    g.UnitEditorChanged(&sender, u"ms");
    g.UnitChangedRelay(&sender, u"s");
    g.DateEditorCloseUp(&sender);
    EXPECT_EQ(log,
              (std::vector<std::string>{"button 3,7 grid", "unit 3,7 ms grid", "unit 3,7 s grid",
                                        "closeup row 7 col 3 grid"}));
}

TEST_F(ExtStringGridRelays, WithoutHandlersTheRelaysDoNothing)
{
    TDateTimePicker picker(nullptr);
    EXPECT_NO_THROW(g.GridButtonClick(&sender));
    EXPECT_NO_THROW(g.UnitEditorChanged(&sender, u"ms"));
    EXPECT_NO_THROW(g.DateEditorChange(&picker));
    EXPECT_NO_THROW(g.DateAndTimeEditorChange(&picker));
    EXPECT_NO_THROW(g.DateEditorCloseUp(&picker)) << "DirectDateClose off: the editor stays";
}

// A time picker reports its time as the locale's time text, a date picker its date as date text.
TEST_F(ExtStringGridRelays, TheDateEditorReportsItsValueAsTextOfItsKind)
{
    const TDateTime value = EncodeDate(2024, 2, 29) + EncodeTime(13, 5, 9, 0);
    g.OnEditChange = [&](TObject* S, Integer ACol, Integer ARow, const String& Value) {
        log.push_back(N(ACol) + "," + N(ARow) + " " + StringToUtf8(Value) + (S == &g ? " grid" : " other"));
    };
    TDateTimePicker picker(nullptr);
    picker.SetDateTime(value);
    g.DateEditorChange(&picker);
    picker.SetKind(dtkTime);
    picker.SetDateTime(value);
    g.DateEditorChange(&picker);
    g.DateEditorChange(&sender);  // not a picker: nothing to report
    EXPECT_EQ(log,
              (std::vector<std::string>{"3,7 " + StringToUtf8(DateToStr(value)) + " grid",
                                        "3,7 " + StringToUtf8(TimeToStr(value)) + " grid"}));
    EXPECT_NE(StringToUtf8(DateToStr(value)), StringToUtf8(TimeToStr(value)));
}

TEST_F(ExtStringGridRelays, TheDateAndTimeEditorReportsItsWholeValue)
{
    std::vector<TDateTime> seen;
    g.OnDateTimeChange = [&](TObject* S, Integer ACol, Integer ARow, TDateTime Value) {
        log.push_back(N(ACol) + "," + N(ARow) + (S == &g ? " grid" : " other"));
        seen.push_back(Value);
    };
    TExtDateTimePicker picker(nullptr);
    picker.SetKind(dkDateTime);
    const TDateTime value = EncodeDate(2023, 12, 31) + EncodeTime(23, 59, 58, 0);
    picker.SetDateTime(value);
    g.DateAndTimeEditorChange(&picker);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(log.front(), "3,7 grid");
    EXPECT_NEAR(seen.front(), value, 1.0 / 86400 / 10) << "the date and the inner picker's time together";
}

// A date editor with its own calendar options: week numbers on, the today line off.
class TOptionsPicker : public TDateTimePicker, public TDateDropOptions {
public:
    using TDateTimePicker::TDateTimePicker;
    bool Weeknumbers() const override { return true; }
    bool ShowToday() const override { return false; }
};

TEST_F(ExtStringGridRelays, TheDroppedCalendarTakesTheEditorsOptions)
{
    g.OnDatePickerDropDown = [&](TObject* S, Integer ARow, Integer ACol) {
        log.push_back("dropdown row " + N(ARow) + " col " + N(ACol) + (S == &g ? " grid" : " other"));
    };
    TOptionsPicker own(nullptr);
    g.DateEditorDropDown(&own);
    EXPECT_TRUE(own.Calendar()->WeekNumbers());
    EXPECT_FALSE(own.Calendar()->ShowToday());
    EXPECT_TRUE(own.Calendar()->ShowTodayCircle());
    // A picker without options of its own gets the editors' defaults.
    TDateTimePicker plain(nullptr);
    plain.Calendar()->SetWeekNumbers(true);
    plain.Calendar()->SetShowToday(false);
    plain.Calendar()->SetShowTodayCircle(false);
    g.DateEditorDropDown(&plain);
    EXPECT_FALSE(plain.Calendar()->WeekNumbers());
    EXPECT_TRUE(plain.Calendar()->ShowToday());
    EXPECT_TRUE(plain.Calendar()->ShowTodayCircle());
    g.DateEditorDropDown(&sender);
    EXPECT_EQ(log, std::vector<std::string>(3, "dropdown row 7 col 3 grid"));
}

// Dropped by the key, the calendar opens at the size its options need.
TEST_F(ExtStringGridRelays, TheCalendarOpensAtTheSizeOfItsOptions)
{
    auto* form = new TForm(Application);
    form->SetBounds(0, 0, 400, 300);
    auto* picker = new TOptionsPicker(form);
    picker->SetParent(form);
    picker->SetBounds(10, 10, 150, 24);
    picker->OnDropDown = [&](TObject* S) { g.DateEditorDropDown(S); };
    form->Show();
    h.ProcessMessages();
    const TSize plainSize = picker->Calendar()->PreferredSize();
    SendMessage(picker->Handle(), WM_KEYDOWN, VK_F4, 0);
    ASSERT_TRUE(picker->DroppedDown());
    EXPECT_TRUE(picker->Calendar()->WeekNumbers());
    EXPECT_EQ(picker->Calendar()->Width(), picker->Calendar()->PreferredSize().cx);
    EXPECT_GT(picker->Calendar()->Width(), plainSize.cx) << "the week numbers' column is in the size";
    delete form;
}

// --- the grid unit -----------------------------------------------------------------------------

class GridUnit : public ::testing::Test {
protected:
    void TearDown() override { TExtStringGrid::ShutDown(); }
    THarness h;
};

TEST_F(GridUnit, StartingTwiceInstallsOneObserverAndShutDownRemovesIt)
{
    const Cardinal before = SendMessageObserverCount();
    TExtStringGrid::StartUp();
    TExtStringGrid::StartUp();
    EXPECT_EQ(SendMessageObserverCount(), before + 1);
    EXPECT_TRUE(TExtStringGrid::DateEditorsAvailable()) << "this platform's common controls count as 6.0";
    TExtStringGrid::ShutDown();
    EXPECT_EQ(SendMessageObserverCount(), before);
    TExtStringGrid::ShutDown();
    EXPECT_EQ(SendMessageObserverCount(), before);
    TExtStringGrid::StartUp();
    EXPECT_EQ(SendMessageObserverCount(), before + 1) << "a new start after a shut-down";
}

TEST_F(GridUnit, TheDateEditorsNeedCommonControls470OrLater)
{
    struct TCase {
        Integer Version;
        bool Supported;
    };
    const TCase cases[] = {{0x00040046, true}, {0x00040045, false}, {0x00060000, true},
                           {0x00040050, true}, {0x00030063, false}, {-1, false}};
    for (const TCase& c : cases)
        EXPECT_EQ(TExtStringGrid::SupportsDateEditors(c.Version), c.Supported) << std::hex << c.Version;
}

TEST_F(GridUnit, TheRegisteredNamesAreTheOnesOthersAskFor)
{
    TExtStringGrid::StartUp();
    EXPECT_EQ(TExtStringGrid::CellClipboardFormat(), RegisterClipboardFormat(u"TExtStringGrid Cells"));
    EXPECT_EQ(TExtStringGrid::EditDoneMessage(), RegisterWindowMessage(u"GridEditDone"));
    EXPECT_NE(TExtStringGrid::CellClipboardFormat(), TExtStringGrid::EditDoneMessage());
    EXPECT_NE(TExtStringGrid::EditDoneMessage(), DTPShiftFocusMessage());
}

// Window moves reach the grid only while it shows its focus frame; a destroyed grid is forgotten.
TEST_F(GridUnit, WindowMovesWithoutAFocusFrameLeaveTheGridAlone)
{
    TExtStringGrid::StartUp();
    auto* form = new TForm(Application);
    auto* g = new TExtStringGrid(form);
    g->SetParent(form);
    form->SetBounds(10, 10, 500, 400);
    form->Show();
    EXPECT_EQ(TExtStringGrid::FocusFrameGrid(), nullptr);
    EXPECT_NO_THROW(form->SetBounds(40, 30, 500, 400));
    TExtStringGrid::SetFocusFrameGrid(g);
    delete g;
    EXPECT_EQ(TExtStringGrid::FocusFrameGrid(), nullptr) << "no move may reach a grid that is gone";
    EXPECT_NO_THROW(form->SetBounds(60, 30, 500, 400));
    delete form;
}

}  // namespace
}  // namespace gw::test
