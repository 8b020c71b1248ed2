// Harness tests of the date-time pickers: versions, the inner time picker of the date-and-time
// kind, joined values, AutoTab, the check box, and the flat border and frame as painted.
#include "grid/foundation/date_time_pickers.h"

#include "platform/backends/headless/harness.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/runtime/datetime.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace gw::test {
namespace {

class PickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 400, 200);
        picker = new TExtDateTimePicker(form);
        picker->SetParent(form);
        picker->SetBounds(10, 10, 250, 24);
        form->Show();
        h.ProcessMessages();
    }

    THarness h;
    TForm* form = nullptr;
    TExtDateTimePicker* picker = nullptr;
};

TEST_F(PickerTest, VersionsAreReadOnly)
{
    auto* esg = new TEsgDateTimePicker(form);
    EXPECT_EQ(esg->Version(), u"1.0.0.0");
    EXPECT_EQ(picker->Version(), u"1.2.0.0");
    picker->SetVersion(u"9.9.9.9");
    EXPECT_EQ(picker->Version(), u"1.2.0.0");
}

TEST_F(PickerTest, TheDateAndTimeKindShowsAnInnerTimePicker)
{
    EXPECT_EQ(picker->Kind(), dkDateTime);
    ASSERT_NE(picker->TimePicker(), nullptr);
    EXPECT_TRUE(picker->TimePicker()->Visible());
    EXPECT_EQ(picker->TimePicker()->Parent(), picker);
    EXPECT_EQ(picker->TimePicker()->Kind(), dtkTime);
    picker->SetKind(dkDate);
    EXPECT_EQ(picker->TimePicker(), nullptr) << "destroyed with the kind";
    picker->SetDateTime(2.75);
    EXPECT_DOUBLE_EQ(picker->Time(), 2.75) << "the control's own value";
}

TEST_F(PickerTest, DateTimeJoinsTheDateAndTheInnerTime)
{
    picker->SetDateTime(2.75);
    EXPECT_DOUBLE_EQ(picker->DateTime(), 2.75);
    EXPECT_EQ(picker->TimePicker()->DisplayText(), u"18:00:00");
    picker->SetDateTime(EncodeDate(2024, 3, 14) + EncodeTime(9, 5, 7, 800));
    EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDate(2024, 3, 14) + EncodeTime(9, 5, 7, 0)) << "milliseconds dropped";
    picker->SetTime(EncodeTime(6, 30, 0, 0));
    EXPECT_EQ(picker->TimePicker()->DisplayText(), u"06:30:00");
    EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDate(2024, 3, 14) + EncodeTime(6, 30, 0, 0));
    picker->SetDate(EncodeDate(2025, 1, 2));
    EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDate(2025, 1, 2) + EncodeTime(6, 30, 0, 0)) << "the time is kept";
}

TEST_F(PickerTest, TheInnerPickersTimeReachesTheJoinedValue)
{
    picker->SetDateTime(EncodeDate(2024, 3, 14) + EncodeTime(9, 0, 0, 0));
    std::vector<std::string> events;
    picker->OnChange = [&](TObject*) { events.push_back("change"); };
    picker->OnTimeChange = [&](TObject*) { events.push_back("time"); };
    picker->TimePicker()->SetFocus();
    h.Press(VK_UP);
    EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDate(2024, 3, 14) + EncodeTime(10, 0, 0, 0));
    EXPECT_EQ(events, (std::vector<std::string>{"change", "time"}));
}

TEST_F(PickerTest, DateAndTimeFieldsSteppedAndTyped)
{
    picker->SetFormat(u"dd/MM/yyyy");
    const TDateTime day = EncodeDate(2024, 3, 14), time = EncodeTime(9, 5, 7, 0);
    struct Case {
        const char* Name;
        bool InTime;  // the inner time picker, else the date picker
        Integer Field;  // 0 first, counted with the right arrow
        TDateTime Start;
        Word Key;  // 0: Typed is typed instead
        String Typed;
        TDateTime Expected;
    };
    const Case cases[] = {
        {"day up", false, 0, day + time, VK_UP, u"", EncodeDate(2024, 3, 15) + time},
        {"month down", false, 1, day + time, VK_DOWN, u"", EncodeDate(2024, 2, 14) + time},
        {"year up", false, 2, day + time, VK_UP, u"", EncodeDate(2025, 3, 14) + time},
        {"day typed", false, 0, day + time, 0, u"21", EncodeDate(2024, 3, 21) + time},
        {"year typed", false, 2, day + time, 0, u"2030", EncodeDate(2030, 3, 14) + time},
        {"hour up", true, 0, day + time, VK_UP, u"", day + EncodeTime(10, 5, 7, 0)},
        {"minute down", true, 1, day + time, VK_DOWN, u"", day + EncodeTime(9, 4, 7, 0)},
        {"second up", true, 2, day + time, VK_UP, u"", day + EncodeTime(9, 5, 8, 0)},
        {"hour down at midnight keeps the date", true, 0, day, VK_DOWN, u"", day + EncodeTime(23, 0, 0, 0)},
        {"minute typed", true, 1, day + time, 0, u"42", day + EncodeTime(9, 42, 7, 0)},
    };
    for (const Case& c : cases) {
        picker->SetDateTime(c.Start);
        TWinControl* target = c.InTime ? static_cast<TWinControl*>(picker->TimePicker()) : picker;
        target->SetFocus();
        h.ProcessMessages();
        for (Integer i = 0; i < 3; ++i) h.Press(VK_LEFT);  // Home would set the field to its least value
        for (Integer i = 0; i < c.Field; ++i) h.Press(VK_RIGHT);
        if (c.Key)
            h.Press(c.Key);
        else
            h.Type(c.Typed);
        EXPECT_DOUBLE_EQ(picker->DateTime(), c.Expected) << c.Name;
    }
}

TEST_F(PickerTest, AutoTabMovesOnWhenADigitChangesAPart)
{
    picker->SetFormat(u"dd/MM/yyyy");
    picker->SetAutoTab(true);
    EXPECT_TRUE(picker->TimePicker()->AutoTab());
    picker->SetDateTime(EncodeDate(2024, 3, 14) + EncodeTime(9, 0, 0, 0));
    picker->SetFocus();
    h.ProcessMessages();
    h.Type(u"2");
    EXPECT_EQ(picker->CurrentField(), 2) << "the day changed: on to the month";
    h.Press(VK_RIGHT);
    h.Press(VK_RIGHT);
    h.Type(u"2025");
    EXPECT_EQ(picker->DisplayText(), u"02/03/2025");
    EXPECT_EQ(form->ActiveControl(), picker->TimePicker()) << "the year changed: on to the time";
}

TEST_F(PickerTest, AutoTabInTheTimeMovesOnOnlyWhenTheDigitChangedIt)
{
    picker->SetDateTime(EncodeDate(2024, 3, 14) + EncodeTime(9, 0, 0, 0));
    TCustomDateTimePicker* t = picker->TimePicker();
    t->SetFocus();
    h.ProcessMessages();
    for (Integer i = 0; i < 3; ++i) h.Press(VK_LEFT);
    h.Type(u"1");
    EXPECT_EQ(t->CurrentField(), 0) << "without AutoTab the hour keeps the caret";
    h.Press(VK_RIGHT);
    picker->SetAutoTab(true);
    h.Type(u"1");
    EXPECT_EQ(t->DisplayText(), u"01:01:00");
    EXPECT_EQ(t->CurrentField(), 4) << "the minute changed: on to the seconds";
    h.Press(VK_LEFT);
    h.Type(u"1");
    EXPECT_EQ(t->DisplayText(), u"01:01:00");
    EXPECT_EQ(t->CurrentField(), 2) << "the same minute again: no step";
    h.Press(VK_LEFT);
    h.Type(u"12");
    EXPECT_EQ(t->DisplayText(), u"12:01:00");
    EXPECT_EQ(t->CurrentField(), 2) << "a full hour moves on once, not twice";
}

TEST_F(PickerTest, UncheckingDisablesTheInnerTimePicker)
{
    picker->SetShowCheckbox(true);
    picker->SetDateTime(EncodeDate(2024, 3, 14));
    picker->SetFocus();
    h.Press(VK_SPACE);
    EXPECT_FALSE(picker->Checked());
    EXPECT_FALSE(picker->TimePicker()->Enabled());
    h.Press(VK_SPACE);
    EXPECT_TRUE(picker->TimePicker()->Enabled());
    h.Press(VK_F4);
    EXPECT_TRUE(picker->DroppedDown()) << "the calendar still opens";
    h.Press(VK_ESCAPE);
    EXPECT_FALSE(picker->DroppedDown());
}

TEST_F(PickerTest, FlatBorderAndMetroFrameAsPainted)
{
    auto* esg = new TEsgDateTimePicker(form);
    esg->SetParent(form);
    esg->SetBounds(10, 50, 150, 24);
    auto polylines = [](TWinControl& Control) {
        TRecordingCanvas c;
        Control.PaintTo(c, 0, 0);
        std::vector<std::string> out;
        for (const TCanvasCall& call : c.Calls())
            if (call.Name == "Polyline" || call.Name == "FrameRect") out.push_back(call.ToString());
        return out;
    };
    EXPECT_EQ(polylines(*esg), std::vector<std::string>{}) << "metro off, 3-D on: nothing of its own";
    esg->SetCtl3D(false);
    EXPECT_EQ(polylines(*esg), std::vector<std::string>{}) << "the flat border needs a border colour";
    esg->SetBorderColor(TColor(0x0000FF));
    EXPECT_EQ(polylines(*esg),
              (std::vector<std::string>{"Polyline(0,24,0,0,149,0,149,23,0,23)", "Polyline(1,22,1,1,149,1)"}));
    esg->SetCtl3D(true);
    esg->SetMetroStyle(true);
    EXPECT_EQ(polylines(*esg), std::vector<std::string>{"FrameRect(0,0,150,24)"}) << "the metro frame";
}

TEST_F(PickerTest, TheLabelSitsBesideFollowsTheStateAndTellsItsClicks)
{
    picker->SetTop(50);
    picker->SetLabelCaption(u"When");
    TLabel* label = picker->PickerLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), form);
    picker->SetLabelPosition(lpTopLeft);
    EXPECT_EQ((TPoint{label->Left(), label->Top()}), (TPoint{10, 50 - label->Height() - 4}));
    picker->SetLabelMargin(8);
    EXPECT_EQ(label->Top(), 50 - label->Height() - 8);
    picker->SetLeft(30);
    EXPECT_EQ(label->Left(), 30) << "it follows the control";
    std::vector<std::string> events;
    picker->OnLabelClick = [&](TObject*) { events.push_back("click"); };
    picker->OnLabelDblClick = [&](TObject*) { events.push_back("double click"); };
    h.Click(label);
    h.DoubleClick(label);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), "click");
    EXPECT_EQ(std::count(events.begin(), events.end(), "double click"), 1);
    picker->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    picker->SetLabelAlwaysEnabled(true);
    EXPECT_TRUE(label->Enabled());
    picker->SetVisible(false);
    EXPECT_FALSE(label->Visible());
}

}  // namespace
}  // namespace gw::test
