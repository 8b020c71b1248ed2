// Harness tests of the date-time pickers: versions, the inner time picker of the date-and-time
// kind, joined values, AutoTab, the check box, and the flat border and frame as painted.
#include "grid/foundation/date_time_pickers.h"

#include "platform/backends/headless/harness.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/runtime/datetime.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace gw::test
