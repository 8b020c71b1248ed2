// Paints every text-input control in its normal, focused, disabled and dropped-down states
// into one picture (text_controls_states.png in the test's working folder) for a person to
// look at, and checks the marks each state must show.
#include "platform/controls/combo_box.h"
#include "platform/controls/date_time_picker.h"
#include "platform/controls/list_box.h"
#include "platform/controls/mask_edit.h"
#include "platform/controls/memo.h"
#include "platform/controls/rich_edit.h"

#include "platform/backends/headless/harness.h"
#include "platform/graphics/canvas.h"
#include "platform/runtime/datetime.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/window_system.h"
#include "tests/support/test_support.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace gw::test {
namespace {

constexpr Integer ColumnWidth = 200;
constexpr Integer RowHeight = 120;
constexpr Integer Margin = 10;

bool AreaHas(TCanvas& C, TRect R, TColor Colour)
{
    const TColor want = ColorToRGB(Colour);
    for (Integer y = R.Top; y < R.Bottom; ++y)
        for (Integer x = R.Left; x < R.Right; ++x)
            if (C.Pixels(x, y) == want) return true;
    return false;
}

TEST(ControlsPicture, EveryControlInEveryState)
{
    THarness h;
    auto* form = new TForm(Application);
    form->SetBounds(50, 50, 260, 400);
    form->SetColor(clBtnFace);

    std::vector<TWinControl*> controls;
    auto place = [&](TWinControl* c, Integer Height = 0) {
        c->SetParent(form);
        c->SetBounds(10, 10, 180, Height > 0 ? Height : c->Height());
        controls.push_back(c);
        return c;
    };
    auto* edit = new TEdit(form);
    place(edit)->SetText(u"Gateway 1");
    auto* mask = new TMaskEdit(form);
    place(mask);
    mask->SetEditMask(u"000.000.000.000;1;_");
    mask->SetText(u"192.168.001.010");
    auto* memo = new TMemo(form);
    place(memo, 70);
    memo->SetScrollBars(ssVertical);
    memo->SetText(u"First line of a memo that wraps its words\r\nSecond line");
    auto* combo = new TComboBox(form);
    place(combo);
    auto* list = new TComboBox(form);
    place(list);
    list->SetStyle(csDropDownList);
    for (auto* c : {combo, list})
        for (const char16_t* s : {u"Modbus TCP", u"IEC 104", u"DNP3", u"Profibus"}) c->Items()->Add(s);
    combo->SetItemIndex(0);
    list->SetItemIndex(1);
    auto* listBox = new TListBox(form);
    place(listBox, 60);
    auto* checks = new TCheckListBox(form);
    place(checks, 60);
    for (auto* l : std::vector<TCustomListBox*>{listBox, checks})
        for (const char16_t* s : {u"COM1", u"COM2", u"COM3", u"COM4", u"COM5"}) l->Items()->Add(s);
    listBox->SetItemIndex(1);
    checks->SetChecked(0, true);
    checks->SetItemIndex(2);
    auto* picker = new TDateTimePicker(form);
    place(picker);
    picker->SetShowCheckbox(true);
    picker->SetDateTime(EncodeDate(2024, 3, 15) + EncodeTime(10, 30, 0, 0));
    auto* rich = new TRichEdit(form);
    place(rich, 50);
    rich->SetText(u"Rich bold red text");
    rich->Perform(EM_SETSEL, 5, 9);
    rich->SelAttributes()->SetStyle(fsBold);
    rich->Perform(EM_SETSEL, 10, 13);
    rich->SelAttributes()->SetColor(clRed);
    rich->Perform(EM_SETSEL, 0, 0);
    // Holds the focus while the others are painted unfocused; never painted itself.
    auto* sink = new TEdit(form);
    sink->SetParent(form);
    sink->SetBounds(10, 300, 50, 21);
    form->Show();
    h.ProcessMessages();

    const Integer rows = Integer(controls.size());
    std::shared_ptr<cairo_surface_t> surface(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, 5 * ColumnWidth, rows * RowHeight + Margin),
        cairo_surface_destroy);
    TCanvas canvas(surface.get());
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(Rect(0, 0, 5 * ColumnWidth, rows * RowHeight + Margin));
    const char16_t* titles[] = {u"normal", u"focused", u"disabled", u"dropped down"};
    for (Integer col = 0; col < 4; ++col) canvas.TextOut(Margin + col * ColumnWidth, 0, titles[col]);

    auto cell = [&](Integer Row, Integer Col) { return TPoint{Margin + Col * ColumnWidth, 16 + Row * RowHeight}; };
    for (Integer row = 0; row < rows; ++row) {
        TWinControl* c = controls[std::size_t(row)];
        for (auto* other : controls) other->SetVisible(other == c);
        // Normal: the focus is on the sink, so none of ours has it.
        sink->SetFocus();
        h.ProcessMessages();
        TPoint p = cell(row, 0);
        c->PaintTo(canvas, p.X, p.Y);
        // Focused.
        c->SetFocus();
        h.ProcessMessages();
        p = cell(row, 1);
        c->PaintTo(canvas, p.X, p.Y);
        if (c == edit) {
            EXPECT_TRUE(AreaHas(canvas, Bounds(p.X, p.Y, c->Width(), c->Height()), clHighlight))
                << "a focused edit shows its selected text";
        }
        // Disabled.
        sink->SetFocus();
        c->SetEnabled(false);
        h.ProcessMessages();
        p = cell(row, 2);
        c->PaintTo(canvas, p.X, p.Y);
        if (c == edit) {
            EXPECT_TRUE(AreaHas(canvas, Bounds(p.X, p.Y, c->Width(), c->Height()), clGrayText))
                << "a disabled edit shows grey text";
        }
        c->SetEnabled(true);
        // Dropped down, for the controls that drop something.
        p = cell(row, 3);
        if (auto* cb = dynamic_cast<TCustomComboBox*>(c)) {
            c->SetFocus();
            cb->SetDroppedDown(true);
            h.ProcessMessages();
            ASSERT_TRUE(cb->DroppedDown());
            cb->PaintTo(canvas, p.X, p.Y);
            cb->ListPopup()->PaintTo(canvas, p.X, p.Y + cb->Height());
            EXPECT_TRUE(AreaHas(canvas,
                                Bounds(p.X, p.Y + cb->Height(), cb->ListPopup()->Width(), cb->ListPopup()->Height()),
                                clHighlight))
                << "the open list marks its item";
            cb->SetDroppedDown(false);
        } else if (auto* dp = dynamic_cast<TDateTimePicker*>(c)) {
            c->SetFocus();
            h.Press(VK_F4);
            ASSERT_TRUE(dp->DroppedDown());
            dp->PaintTo(canvas, p.X, p.Y);
            dp->Calendar()->PaintTo(canvas, p.X, p.Y + dp->Height());
            h.Press(VK_ESCAPE);
        }
    }
    for (auto* other : controls) other->SetVisible(true);
    const std::filesystem::path file = picturePath("text_controls_states.png");
    SaveSurfaceToPng(surface.get(), Utf8ToString(file.string()));
    EXPECT_TRUE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace gw::test
