// Tests of the date-time picker: field layout and editing rules, part-wise keyboard editing,
// the check box, the dropped calendar and the DTN_* notifications.
#include "platform/controls/date_time_picker.h"

#include "platform/backends/headless/harness.h"
#include "platform/controls/edit.h"
#include "platform/runtime/datetime.h"
#include "platform/ui/window_system.h"

#include <gtest/gtest.h>

#include <array>

namespace gw::test {
namespace {

using Events = std::vector<std::string>;

TEST(DateTimeFields, RendersTheFormatWithSpans)
{
    TDateTimeFields f(u"dd/mm/yyyy hh:nn");
    EXPECT_EQ(f.Render(EncodeDate(2024, 2, 9) + EncodeTime(7, 5, 0, 0)), u"09/02/2024 07:05");
    const auto editable = f.EditableSpans();
    ASSERT_EQ(editable.size(), 5u);
    EXPECT_EQ(f.Spans()[std::size_t(editable[4])].Kind, TDateField::Minute) << "m after h means minutes";
    EXPECT_EQ(f.SpanAt(4), editable[1]);
    EXPECT_EQ(TDateTimeFields(u"d mmm yy").Render(EncodeDate(2024, 12, 25)), u"25 Dec 24");
    EXPECT_EQ(TDateTimeFields(u"h:nn am/pm").Render(EncodeTime(15, 30, 0, 0)), u"3:30 PM");
}

TEST(DateTimeFields, SteppingWrapsInsideTheFieldAndClipsTheDay)
{
    TDateTimeFields f(u"dd/mm/yyyy");
    f.Render(0);
    const auto e = f.EditableSpans();
    struct Case {
        TDateTime from;
        Integer field;
        Integer delta;
        TDateTime to;
    };
    const Case cases[] = {
        {EncodeDate(2024, 1, 31), 0, 1, EncodeDate(2024, 1, 1)},
        {EncodeDate(2024, 1, 1), 0, -1, EncodeDate(2024, 1, 31)},
        {EncodeDate(2024, 1, 31), 1, 1, EncodeDate(2024, 2, 29)},  // day clipped
        {EncodeDate(2024, 12, 5), 1, 1, EncodeDate(2024, 1, 5)},  // month wraps, year stays
        {EncodeDate(2024, 2, 29), 2, 1, EncodeDate(2025, 2, 28)},
    };
    for (const Case& c : cases) EXPECT_EQ(f.Step(c.from, e[std::size_t(c.field)], c.delta), c.to);
    f.MaxDate = EncodeDate(2024, 6, 30);
    EXPECT_EQ(f.Step(EncodeDate(2024, 6, 30), e[2], 1), EncodeDate(2024, 6, 30)) << "clamped to the maximum";
}

TEST(DateTimeFields, DigitsFillAFieldAndReportWhenItIsFull)
{
    TDateTimeFields f(u"dd/mm/yyyy");
    f.Render(0);
    const auto e = f.EditableSpans();
    String pending;
    bool complete = false;
    TDateTime v = EncodeDate(2024, 5, 10);
    v = f.TypeDigit(v, e[0], u'2', pending, complete);
    EXPECT_FALSE(complete);
    EXPECT_EQ(v, EncodeDate(2024, 5, 2));
    v = f.TypeDigit(v, e[0], u'7', pending, complete);
    EXPECT_TRUE(complete);
    EXPECT_EQ(v, EncodeDate(2024, 5, 27));
    v = f.TypeDigit(v, e[1], u'4', pending, complete);
    EXPECT_TRUE(complete) << "no month starts with 4 and has two digits";
    EXPECT_EQ(v, EncodeDate(2024, 4, 27));
    for (Char c : String(u"1999")) v = f.TypeDigit(v, e[2], c, pending, complete);
    EXPECT_TRUE(complete);
    EXPECT_EQ(v, EncodeDate(1999, 4, 27));
}

class PickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 400, 300);
        picker = new TDateTimePicker(form);
        picker->SetParent(form);
        picker->SetBounds(10, 10, 150, 21);
        picker->SetDateTime(EncodeDate(2024, 3, 15) + EncodeTime(10, 30, 0, 0));
        edit = new TEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 250, 100, 21);
        picker->OnChange = [this](TObject*) { h.Log.Add("change " + Narrow(picker->DisplayText())); };
        picker->OnDropDown = [this](TObject*) { h.Log.Add("dropdown"); };
        picker->OnCloseUp = [this](TObject*) { h.Log.Add("closeup"); };
        form->Show();
        picker->SetFocus();
        h.ProcessMessages();
    }
    static std::string Narrow(const String& S) { return std::string(S.begin(), S.end()); }

    THarness h;
    TForm* form = nullptr;
    TDateTimePicker* picker = nullptr;
    TEdit* edit = nullptr;
};

TEST_F(PickerTest, ArrowsAndDigitsEditFieldByField)
{
    EXPECT_EQ(picker->DisplayText(), u"15/03/2024");
    h.Press(VK_UP);  // day
    h.Press(VK_RIGHT);
    h.Press(VK_DOWN);  // month
    EXPECT_EQ(picker->DisplayText(), u"16/02/2024");
    h.Type(u"11");  // month 11, then on to the year
    h.Type(u"2030");
    EXPECT_EQ(picker->DisplayText(), u"16/11/2030");
    EXPECT_EQ(picker->Time(), EncodeTime(10, 30, 0, 0)) << "the time of day is kept";
    EXPECT_EQ(h.Log.Count("change 16/03/2024"), 1u);
    h.Press(VK_LEFT);
    h.Press(VK_LEFT);
    h.Press(VK_END);
    EXPECT_EQ(picker->DisplayText(), u"30/11/2030");
}

// Before 30 Dec 1899 a date and a time are not simply added: a new date keeps its day and the
// time of day, on both sides of that day (a plain sum moved 5 March 0024 to the 6th).
TEST_F(PickerTest, ADateSetKeepsItsDayAndTheTimeOfDayBeforeAndAfterTheEpoch)
{
    struct TCase {
        Word Year, Month, Day;
    };
    for (const TCase c : {TCase{24, 3, 5}, TCase{1899, 12, 29}, TCase{1899, 12, 30}, TCase{2024, 3, 5}}) {
        SCOPED_TRACE(std::to_string(c.Year) + "-" + std::to_string(c.Month) + "-" + std::to_string(c.Day));
        picker->SetMinDate(EncodeDate(1, 1, 1));
        picker->SetDateTime(EncodeDate(2024, 3, 15) + EncodeTime(10, 30, 0, 0));
        picker->SetDate(EncodeDate(c.Year, c.Month, c.Day));
        Word y = 0, m = 0, d = 0, hh = 0, mm = 0, ss = 0, ms = 0;
        DecodeDate(picker->DateTime(), y, m, d);
        DecodeTime(picker->DateTime(), hh, mm, ss, ms);
        EXPECT_EQ((std::array<Word, 5>{y, m, d, hh, mm}), (std::array<Word, 5>{c.Year, c.Month, c.Day, 10, 30}));
        EXPECT_EQ(picker->Date(), EncodeDate(c.Year, c.Month, c.Day));
        EXPECT_EQ(picker->Time(), EncodeTime(10, 30, 0, 0));
        picker->SetTime(EncodeTime(6, 0, 0, 0));
        DecodeDate(picker->DateTime(), y, m, d);
        EXPECT_EQ(d, c.Day) << "a new time keeps the day";
    }
}

TEST_F(PickerTest, TheTimeKindEditsHoursMinutesAndSeconds)
{
    picker->SetKind(dtkTime);
    EXPECT_EQ(picker->DisplayText(), u"10:30:00");
    h.Type(u"23");
    h.Type(u"5");
    h.Press(VK_RIGHT);
    h.Press(VK_DOWN);
    EXPECT_EQ(picker->DisplayText(), u"23:05:59");
    EXPECT_EQ(picker->Date(), EncodeDate(2024, 3, 15));
}

TEST_F(PickerTest, TheCheckBoxTogglesAndGreysTheValue)
{
    picker->SetShowCheckbox(true);
    h.Press(VK_SPACE);
    EXPECT_FALSE(picker->Checked());
    h.Press(VK_UP);  // no editing while unchecked
    EXPECT_EQ(picker->DisplayText(), u"15/03/2024");
    const TRect box = picker->CheckboxRect();
    h.Click(picker, {box.Left + 3, box.Top + 3});
    EXPECT_TRUE(picker->Checked());
    EXPECT_EQ(h.Log.Count("change 15/03/2024"), 2u);
}

TEST_F(PickerTest, TheParentIsToldOfEveryChangeAndOfAnUncheckedBox)
{
    std::vector<std::pair<UINT, Cardinal>> seen;
    TWndMethod old = form->WindowProc;
    form->WindowProc = [&, old](TMessage& M) {
        if (M.Msg == WM_NOTIFY) {
            const auto* n = &TWMNotify(M).Record<TNMDateTimeChange>();
            if (n->hdr.hwndFrom == picker->Handle()) seen.push_back({n->hdr.code, n->dwFlags});
        }
        old(M);
    };
    picker->SetShowCheckbox(true);
    h.Press(VK_UP);
    h.Press(VK_SPACE);
    h.Press(VK_F4);
    h.Press(VK_ESCAPE);
    using P = std::pair<UINT, Cardinal>;
    EXPECT_EQ(seen,
              (std::vector<P>{{DTN_DATETIMECHANGE, GDT_VALID},
                              {DTN_DATETIMECHANGE, GDT_NONE},
                              {DTN_DROPDOWN, GDT_NONE},
                              {DTN_CLOSEUP, GDT_NONE}}));
    form->WindowProc = old;
}

TEST_F(PickerTest, MinAndMaxBoundEditingAndRefuseProgramValues)
{
    picker->SetMaxDate(EncodeDate(2024, 3, 20));
    picker->SetMinDate(EncodeDate(2024, 3, 10));
    h.Press(VK_RIGHT);
    h.Press(VK_UP);
    EXPECT_EQ(picker->Date(), EncodeDate(2024, 3, 20));
    EXPECT_THROW(picker->SetDate(EncodeDate(2024, 3, 21)), EDateTimeError);
    EXPECT_THROW(picker->SetDate(EncodeDate(2024, 3, 9)), EDateTimeError);
    EXPECT_EQ(picker->Date(), EncodeDate(2024, 3, 20));
}

TEST_F(PickerTest, TheCalendarDropsAndAClickedDayIsTaken)
{
    const TRect b = picker->ButtonRect();
    h.Click(picker, {(b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2});
    ASSERT_TRUE(picker->DroppedDown());
    EXPECT_EQ(GetFocus(), picker->Handle());
    TMonthCalendar* cal = picker->Calendar();
    const TRect day = cal->DayRect(EncodeDate(2024, 3, 22));
    const TPoint at = picker->ScreenToClient(cal->ClientToScreen({day.Left + 3, day.Top + 3}));
    h.Click(picker, at);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->DateTime(), EncodeDate(2024, 3, 22) + EncodeTime(10, 30, 0, 0));
    EXPECT_EQ(h.Log.Take(), (Events{"dropdown", "change 22/03/2024", "closeup"}));
}

TEST_F(PickerTest, TheCalendarFollowsKeysAndEscapeCancels)
{
    h.Press(VK_DOWN, ssAlt);
    ASSERT_TRUE(picker->DroppedDown());
    h.Press(VK_RIGHT);
    h.Press(VK_DOWN);
    EXPECT_EQ(picker->Calendar()->Date(), EncodeDate(2024, 3, 23));
    h.Press(VK_ESCAPE);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->Date(), EncodeDate(2024, 3, 15));
    h.Press(VK_F4);
    h.Press(VK_NEXT);
    h.Press(VK_RETURN);
    EXPECT_EQ(picker->Date(), EncodeDate(2024, 4, 15));
    h.Press(VK_F4);
    h.Click(edit);
    EXPECT_FALSE(picker->DroppedDown());
}

TEST(MonthCalendar, ClicksSelectDaysAndTheArrowsTurnMonths)
{
    THarness h;
    auto* form = new TForm(Application);
    form->SetBounds(100, 100, 400, 300);
    auto* cal = new TMonthCalendar(form);
    cal->SetParent(form);
    cal->SetLeft(10);
    cal->SetDate(EncodeDate(2024, 1, 31));
    int changes = 0, clicks = 0;
    cal->OnChange = [&](TObject*) { ++changes; };
    cal->OnClick = [&](TObject*) { ++clicks; };
    form->Show();
    const TRect next = cal->NextArrowRect();
    h.Click(cal, {next.Left + 2, next.Top + 2});
    EXPECT_EQ(cal->ViewMonth(), 2);
    EXPECT_EQ(cal->Date(), EncodeDate(2024, 1, 31)) << "turning the page chooses nothing";
    const TRect d = cal->DayRect(EncodeDate(2024, 2, 29));
    h.Click(cal, {d.Left + 2, d.Top + 2});
    EXPECT_EQ(cal->Date(), EncodeDate(2024, 2, 29));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clicks, 1);
    TDateTime at = 0;
    EXPECT_FALSE(cal->DateAtPos({10, 5}, at));
    cal->SetMaxDate(EncodeDate(2023, 1, 1));
    EXPECT_EQ(cal->Date(), EncodeDate(2023, 1, 1)) << "the date moves into the new range";
    EXPECT_THROW(cal->SetDate(EncodeDate(2023, 1, 2)), EDateTimeError);
}

}  // namespace
}  // namespace gw::test
