// The wheel over a focused control that scrolls or steps by itself (combo box, list box, memo,
// date-time picker): offered to the control's OnMouseWheel, then to each parent's up to the
// form; only when none handled it does the control's own wheel behaviour run.
#include "platform/controls/combo_box.h"
#include "platform/controls/date_time_picker.h"
#include "platform/controls/list_box.h"
#include "platform/controls/memo.h"
#include "platform/controls/panel.h"

#include "platform/backends/headless/harness.h"
#include "platform/runtime/datetime.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace gw::test {
namespace {

using Events = std::vector<std::string>;

// A focused control on a panel on a form, every OnMouseWheel logging, and what the control's
// own wheel behaviour changes.
struct TWheelCase {
    const char* Name;
    std::function<TWinControl*(TForm* Form, TWinControl* Parent)> Make;
    std::function<std::string(TWinControl* Control)> State;
};

TMemo* MakeMemo(TForm* Form, TWinControl* Parent)
{
    auto* m = new TMemo(Form);
    m->SetParent(Parent);
    m->SetBounds(5, 5, 150, 60);
    for (int i = 0; i < 30; ++i) m->Lines()->Add(u"line");
    m->Perform(EM_SETSEL, 0, 0);
    m->Perform(WM_VSCROLL, MakeWParam(SB_THUMBPOSITION, 10), 0);
    return m;
}

const TWheelCase Cases[] = {
    {"combo box",
     [](TForm* Form, TWinControl* Parent) -> TWinControl* {
         auto* c = new TComboBox(Form);
         c->SetParent(Parent);
         c->SetBounds(5, 5, 150, 21);
         for (const char16_t* s : {u"red", u"green", u"blue"}) c->Items()->Add(s);
         c->SetItemIndex(1);
         return c;
     },
     [](TWinControl* C) { return std::to_string(static_cast<TComboBox*>(C)->ItemIndex()); }},
    {"list box",
     [](TForm* Form, TWinControl* Parent) -> TWinControl* {
         auto* l = new TListBox(Form);
         l->SetParent(Parent);
         l->SetBounds(5, 5, 150, 60);
         for (int i = 0; i < 30; ++i) l->Items()->Add(u"item");
         l->SetTopIndex(10);
         return l;
     },
     [](TWinControl* C) { return std::to_string(static_cast<TListBox*>(C)->TopIndex()); }},
    {"memo", MakeMemo, [](TWinControl* C) { return std::to_string(static_cast<TMemo*>(C)->TopLine()); }},
    {"date-time picker",
     [](TForm* Form, TWinControl* Parent) -> TWinControl* {
         auto* d = new TDateTimePicker(Form);
         d->SetParent(Parent);
         d->SetBounds(5, 5, 150, 21);
         d->SetDateTime(EncodeDate(2024, 5, 15));
         return d;
     },
     [](TWinControl* C) { return std::to_string(static_cast<TDateTimePicker*>(C)->DateTime()); }},
};

class MouseWheelRoute : public ::testing::TestWithParam<TWheelCase> {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 300, 300);
        panel = new TPanel(form);
        panel->SetParent(form);
        panel->SetBounds(10, 10, 200, 100);
        control = GetParam().Make(form, panel);
        Log(form, "form");
        Log(panel, "panel");
        Log(control, "control");
        form->Show();
        control->SetFocus();
        h.ProcessMessages();
        before = GetParam().State(control);
    }
    void Log(TControl* C, std::string Name)
    {
        C->OnMouseWheel = [this, C, Name](TObject* Sender, TShiftState, Integer Delta, TPoint, bool& Handled) {
            EXPECT_EQ(Sender, C);
            h.Log.Add(Name + " " + std::to_string(Delta));
            Handled = Name == handler;
        };
    }

    THarness h;
    TForm* form = nullptr;
    TPanel* panel = nullptr;
    TWinControl* control = nullptr;
    std::string handler;  // whose OnMouseWheel says it handled the wheel
    std::string before;
};

TEST_P(MouseWheelRoute, NobodyHandlesIt_EveryHandlerHearsItInOrder_ThenTheControlActs)
{
    h.Wheel(control, -1);
    EXPECT_EQ(h.Log.Take(), (Events{"control -120", "panel -120", "form -120"}));
    EXPECT_NE(GetParam().State(control), before) << "the control's own wheel behaviour ran last";
}

TEST_P(MouseWheelRoute, TheFormHandlesIt_TheControlDoesNotAct)
{
    handler = "form";
    h.Wheel(control, -1);
    EXPECT_EQ(h.Log.Take(), (Events{"control -120", "panel -120", "form -120"}));
    EXPECT_EQ(GetParam().State(control), before);
}

TEST_P(MouseWheelRoute, TheControlsOwnHandlerStopsIt)
{
    handler = "control";
    h.Wheel(control, 1);
    EXPECT_EQ(h.Log.Take(), (Events{"control 120"}));
    EXPECT_EQ(GetParam().State(control), before);
}

INSTANTIATE_TEST_SUITE_P(FocusedControls, MouseWheelRoute, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<TWheelCase>& I) {
                             std::string n = I.param.Name;
                             for (char& c : n)
                                 if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                             return n;
                         });

}  // namespace
}  // namespace gw::test
