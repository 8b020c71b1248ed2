// The month calendar's week numbers, today line and today circle: what they show, where, how
// they change the preferred size, and the click on the today line.
#include "platform/controls/month_calendar.h"

#include "platform/backends/headless/harness.h"
#include "platform/controls/date_time_picker.h"
#include "platform/graphics/canvas.h"
#include "platform/runtime/datetime.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/forms.h"
#include "tests/support/test_support.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace gw::test {
namespace {

using Events = std::vector<std::string>;

class MonthCalendarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(50, 50, 400, 400);
        cal = new TMonthCalendar(form);
        cal->SetParent(form);
        cal->SetToday(EncodeDate(2024, 3, 20));
        cal->SetDate(EncodeDate(2024, 3, 15));
        cal->OnChange = [this](TObject*) { h.Log.Add("change " + std::to_string(Integer(cal->Date()))); };
        cal->OnClick = [this](TObject*) { h.Log.Add("click"); };
        form->Show();
        h.ProcessMessages();
    }
    // The calendar as it paints itself, on a surface of its size.
    std::shared_ptr<cairo_surface_t> Painted()
    {
        std::shared_ptr<cairo_surface_t> s(cairo_image_surface_create(CAIRO_FORMAT_RGB24, cal->Width(), cal->Height()),
                                           cairo_surface_destroy);
        TCanvas c(s.get());
        cal->PaintTo(c, 0, 0);
        return s;
    }
    static Integer Count(cairo_surface_t* S, const TRect& R, TColor Colour)
    {
        TCanvas c(S);
        Integer n = 0;
        for (Integer y = R.Top; y < R.Bottom; ++y)
            for (Integer x = R.Left; x < R.Right; ++x) n += c.Pixels(x, y) == ColorToRGB(Colour);
        return n;
    }

    THarness h;
    TForm* form = nullptr;
    TMonthCalendar* cal = nullptr;
};

TEST_F(MonthCalendarTest, OptionsStartAsTheSystemCalendarHasThem)
{
    EXPECT_FALSE(cal->WeekNumbers());
    EXPECT_TRUE(cal->ShowToday());
    EXPECT_TRUE(cal->ShowTodayCircle());
    EXPECT_EQ(cal->Today(), EncodeDate(2024, 3, 20));
    cal->SetToday(0);
    EXPECT_EQ(cal->Today(), std::floor(Date())) << "without a day set, today is the system's";
}

TEST_F(MonthCalendarTest, EachRowIsNumberedByTheIsoWeekOfItsMonday)
{
    // Expected from Python's isocalendar() of each row's Monday (the rows start on Sunday).
    struct Case {
        Word Year, Month;
        std::vector<Word> Weeks;
    };
    const Case cases[] = {
        {2024, 3, {9, 10, 11, 12, 13, 14}},
        {2021, 1, {53, 1, 2, 3, 4, 5}},  // the first row is the last week of 2020
        {2024, 12, {49, 50, 51, 52, 1, 2}},  // December's last rows belong to 2025
        {2026, 1, {1, 2, 3, 4, 5, 6}},  // Sunday 28 December 2025 opens week 1 of 2026
    };
    for (const Case& c : cases) {
        cal->ShowMonth(c.Year, c.Month);
        std::vector<Word> got;
        for (Integer row = 0; row < 6; ++row) got.push_back(cal->RowWeekNumber(row));
        EXPECT_EQ(got, c.Weeks) << c.Year << "-" << c.Month;
    }
}

TEST_F(MonthCalendarTest, OptionsChangeThePreferredSizeAsTheyAddRoom)
{
    cal->SetShowToday(false);
    const TSize bare = cal->PreferredSize();
    EXPECT_EQ(cal->Width(), bare.cx) << "a calendar at its preferred size follows it";
    EXPECT_EQ(cal->Height(), bare.cy);
    const Integer cellWidth = cal->DayRect(EncodeDate(2024, 3, 15)).Width();
    const Integer cellHeight = cal->DayRect(EncodeDate(2024, 3, 15)).Height();
    const TRect dayBefore = cal->DayRect(EncodeDate(2024, 3, 15));

    cal->SetWeekNumbers(true);
    EXPECT_EQ(cal->PreferredSize().cx, bare.cx + cellWidth) << "one column more";
    EXPECT_EQ(cal->PreferredSize().cy, bare.cy);
    EXPECT_EQ(cal->Width(), bare.cx + cellWidth);
    TRect shifted = dayBefore;
    OffsetRect(shifted, cellWidth, 0);
    EXPECT_EQ(cal->DayRect(EncodeDate(2024, 3, 15)), shifted) << "the days move right by the week column";
    EXPECT_EQ(cal->WeekNumberRect(2).Top, shifted.Top) << "the number sits on the row it numbers";
    EXPECT_LE(cal->WeekNumberRect(2).Right, shifted.Left);

    cal->SetShowToday(true);
    EXPECT_EQ(cal->PreferredSize().cy, bare.cy + cellHeight + 4) << "one line more";
    EXPECT_EQ(cal->PreferredSize().cx, bare.cx + cellWidth) << "the today line fits in the days' width";
    EXPECT_EQ(cal->TodayRect().Top, cal->DayRect(EncodeDate(2024, 4, 6)).Bottom + 2) << "just below the last row";

    const TSize full = cal->PreferredSize();
    cal->SetShowTodayCircle(false);
    EXPECT_EQ(cal->PreferredSize(), full) << "the circle takes no room";

    cal->SetBounds(0, 0, 300, 250);
    cal->SetWeekNumbers(false);
    EXPECT_EQ(cal->BoundsRect(), Rect(0, 0, 300, 250)) << "a calendar given its own size keeps it";
    EXPECT_TRUE(IsRectEmpty(cal->WeekNumberRect(0)));
}

TEST_F(MonthCalendarTest, TheTodayLineGrowsTheWidthWhenItsTextIsWider)
{
    cal->SetShowToday(false);
    const Integer narrow = cal->PreferredSize().cx;
    cal->Font()->SetSize(16);
    cal->SetShowToday(true);
    TCanvas c;
    c.SetFont(cal->Font());
    c.Font()->SetStyle(fsBold);
    const Integer text = c.TextWidth(cal->TodayText());
    EXPECT_GE(cal->PreferredSize().cx, text + 3 + 4) << "the whole text shows";
    EXPECT_GE(cal->PreferredSize().cx, narrow);
}

TEST_F(MonthCalendarTest, WeekNumbersTodayLineAndCircleAreDrawn)
{
    cal->SetWeekNumbers(true);
    auto s = Painted();
    for (Integer row = 0; row < 6; ++row)
        EXPECT_GT(Count(s.get(), cal->WeekNumberRect(row), clGrayText), 0) << "the number of row " << row;
    const TRect today = cal->DayRect(cal->Today());
    const TRect other = cal->DayRect(EncodeDate(2024, 3, 21));
    EXPECT_GT(Count(s.get(), today, clRed), 10) << "today is circled";
    EXPECT_EQ(Count(s.get(), other, clRed), 0) << "no other day is";
    const TRect line = cal->TodayRect();
    EXPECT_GT(Count(s.get(), line, clWindowText), 20) << "the today text";
    EXPECT_GT(Count(s.get(), line, clRed), 10) << "the today line carries the mark";
    SaveSurfaceToPng(s.get(), Utf8ToString(picturePath("month_calendar_options.png").string()));

    cal->SetShowTodayCircle(false);
    s = Painted();
    EXPECT_EQ(Count(s.get(), Rect(0, 0, cal->Width(), cal->Height()), clRed), 0) << "no circle, no mark";
    EXPECT_GT(Count(s.get(), cal->TodayRect(), clWindowText), 20);

    cal->SetShowToday(false);
    cal->SetWeekNumbers(false);
    s = Painted();
    const Integer daysBottom = cal->DayRect(EncodeDate(2024, 4, 6)).Bottom;
    EXPECT_EQ(Count(s.get(), Rect(3, daysBottom, cal->Width() - 3, cal->Height() - 3), clWindowText), 0)
        << "nothing below the days";
    EXPECT_EQ(Count(s.get(),
                    Rect(3, cal->DayRect(EncodeDate(2024, 2, 25)).Top, cal->DayRect(EncodeDate(2024, 2, 25)).Left,
                         daysBottom),
                    clGrayText),
              0)
        << "no week column";

    cal->SetShowTodayCircle(true);
    cal->ShowMonth(2024, 5);
    s = Painted();
    EXPECT_EQ(Count(s.get(), Rect(0, 0, cal->Width(), cal->Height()), clRed), 0)
        << "a month that does not show today circles nothing";
}

TEST_F(MonthCalendarTest, AClickOnTheTodayLineSelectsToday)
{
    cal->ShowMonth(2023, 11);
    const TRect line = cal->TodayRect();
    h.Click(cal, {line.Left + 40, (line.Top + line.Bottom) / 2});
    EXPECT_EQ(cal->Date(), EncodeDate(2024, 3, 20));
    EXPECT_EQ(cal->ViewMonth(), 3);
    EXPECT_EQ(h.Log.Take(), (Events{"change " + std::to_string(Integer(EncodeDate(2024, 3, 20))), "click"}));
    h.Click(cal, {line.Left + 70, (line.Top + line.Bottom) / 2});  // apart: no double click
    EXPECT_EQ(h.Log.Take(), (Events{"click"})) << "today again: chosen, not changed";
    // With week numbers, a click on the week column chooses no day.
    cal->SetWeekNumbers(true);
    const TRect week = cal->WeekNumberRect(1);
    h.Click(cal, {(week.Left + week.Right) / 2, (week.Top + week.Bottom) / 2});
    EXPECT_TRUE(h.Log.Take().empty());
    EXPECT_EQ(cal->Date(), EncodeDate(2024, 3, 20));
    const TRect day = cal->DayRect(EncodeDate(2024, 3, 4));
    h.Click(cal, {day.Left + 2, day.Top + 2});
    EXPECT_EQ(cal->Date(), EncodeDate(2024, 3, 4)) << "the days answer where they moved";
}

TEST_F(MonthCalendarTest, APickerDropsItsCalendarAtTheSizeTheOptionsNeed)
{
    auto* picker = new TDateTimePicker(form);
    picker->SetParent(form);
    picker->SetBounds(10, 10, 120, 21);
    picker->SetDate(EncodeDate(2024, 3, 15));
    h.ProcessMessages();
    picker->Calendar()->SetWeekNumbers(true);
    picker->Calendar()->SetShowToday(false);
    picker->SetFocus();
    h.Press(VK_F4);
    ASSERT_TRUE(picker->DroppedDown());
    EXPECT_EQ(picker->Calendar()->Width(), picker->Calendar()->PreferredSize().cx);
    EXPECT_EQ(picker->Calendar()->Height(), picker->Calendar()->PreferredSize().cy);
    h.Press(VK_ESCAPE);
}

}  // namespace
}  // namespace gw::test
