// Harness tests of TComboBox: opening and closing the list (click, Alt+Down, F4, Escape,
// outside click), choosing, notification order, type-to-select, wheel, the combo messages.
#include "platform/controls/combo_box.h"

#include "platform/backends/headless/harness.h"
#include "platform/ui/window_system.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

using Events = std::vector<std::string>;

class ComboTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 300, 300);
        combo = new TComboBox(form);
        combo->SetParent(form);
        combo->SetBounds(10, 10, 150, 21);
        for (const char16_t* s : {u"red", u"green", u"blue", u"black", u"white"}) combo->Items()->Add(s);
        edit = new TEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 200, 100, 21);
        combo->OnClick = [this](TObject*) { h.Log.Add("click"); };
        combo->OnChange = [this](TObject*) { h.Log.Add("change " + Narrow(combo->Text())); };
        combo->OnDropDown = [this](TObject*) { h.Log.Add("dropdown"); };
        combo->OnCloseUp = [this](TObject*) { h.Log.Add("closeup"); };
        form->Show();
        combo->SetFocus();
        h.ProcessMessages();
    }
    static std::string Narrow(const String& S) { return std::string(S.begin(), S.end()); }
    // A point of the open list, in the combo's client coordinates.
    TPoint ListItem(Integer i) const
    {
        const TRect r = combo->ListPopup()->ItemRect(i);
        return combo->ScreenToClient(combo->ListPopup()->ClientToScreen({r.Left + 5, (r.Top + r.Bottom) / 2}));
    }
    TPoint Button() const
    {
        const TRect b = combo->ButtonRect();
        return {(b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2};
    }

    THarness h;
    TForm* form = nullptr;
    TComboBox* combo = nullptr;
    TEdit* edit = nullptr;
};

TEST_F(ComboTest, ClickOnTheButtonOpensAndAClickOnAnItemChooses)
{
    h.Click(combo, Button());
    ASSERT_TRUE(combo->DroppedDown());
    EXPECT_TRUE(IsWindowVisible(combo->ListPopup()->Handle()));
    EXPECT_EQ(GetFocus(), combo->Handle()) << "the list never takes the focus";
    h.Click(combo, ListItem(2));
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_FALSE(IsWindowVisible(combo->ListPopup()->Handle()));
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), u"blue");
    EXPECT_EQ(h.Log.Take(), (Events{"dropdown", "closeup", "click", "change blue"}));
}

TEST_F(ComboTest, TheParentSeesTheNotificationsInOrder)
{
    std::vector<Word> codes;
    TWndMethod old = form->WindowProc;
    form->WindowProc = [&, old](TMessage& M) {
        if (M.Msg == WM_COMMAND && HWND(M.LParam) == combo->Handle()) codes.push_back(M.WParamHi());
        old(M);
    };
    h.Press(VK_F4);
    h.Press(VK_DOWN);
    h.Press(VK_RETURN);
    EXPECT_EQ(codes, (std::vector<Word>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
    codes.clear();
    h.Press(VK_F4);
    h.Click(combo, ListItem(3));
    EXPECT_EQ(codes, (std::vector<Word>{CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
    codes.clear();
    h.Press(VK_F4);
    h.Press(VK_ESCAPE);
    EXPECT_EQ(codes, (std::vector<Word>{CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));
    codes.clear();
    h.Type(u"q");
    EXPECT_EQ(codes, (std::vector<Word>{CBN_EDITCHANGE})) << "typing in the edit field";
    form->WindowProc = old;
}

TEST_F(ComboTest, KeysOpenAndCloseTheList)
{
    struct Case {
        Word key;
        TShiftState shift;
    };
    const Case openers[] = {{VK_DOWN, ssAlt}, {VK_F4, 0}, {VK_UP, ssAlt}};
    for (const Case& c : openers) {
        h.Press(c.key, c.shift);
        EXPECT_TRUE(combo->DroppedDown()) << int(c.key);
        h.Press(c.key, c.shift);
        EXPECT_FALSE(combo->DroppedDown()) << int(c.key);
    }
    h.Press(VK_F4);
    h.Press(VK_ESCAPE);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(form->ActiveControl(), combo);
}

TEST_F(ComboTest, EscapeKeepsTheOldItemAndAnOutsideClickCancels)
{
    combo->SetItemIndex(0);
    h.Press(VK_F4);
    h.MoveTo(combo, ListItem(3));  // hovering highlights only
    EXPECT_EQ(combo->ListPopup()->ItemIndex(), 3);
    h.Press(VK_ESCAPE);
    EXPECT_EQ(combo->ItemIndex(), 0);
    h.Log.Clear();
    h.Press(VK_F4);
    h.MoveTo(combo, ListItem(4));
    h.Click(edit);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(h.Log.Take(), (Events{"dropdown", "closeup"}));
}

TEST_F(ComboTest, ArrowsSelectWithOneNotificationEach)
{
    combo->SetItemIndex(0);
    h.Press(VK_DOWN);
    h.Press(VK_DOWN);
    EXPECT_EQ(combo->Text(), u"blue");
    h.Press(VK_UP);
    EXPECT_EQ(h.Log.Take(), (Events{"click", "change green", "click", "change blue", "click", "change green"}));
    combo->SetItemIndex(4);
    h.Press(VK_DOWN);  // already the last: nothing
    EXPECT_TRUE(h.Log.Take().empty());
}

TEST_F(ComboTest, TypingInTheListStyleSelectsByPrefix)
{
    combo->SetStyle(csDropDownList);
    h.Type(u"b");
    EXPECT_EQ(combo->Text(), u"blue");
    h.Type(u"b");
    EXPECT_EQ(combo->Text(), u"black");
    h.Advance(2000);
    h.Type(u"wh");
    EXPECT_EQ(combo->Text(), u"white");
    h.Advance(2000);
    h.Type(u"x");
    EXPECT_EQ(combo->Text(), u"white");
}

TEST_F(ComboTest, TypingAtTheEndCompletesToTheFirstItemItBegins)
{
    combo->SetText(u"");
    h.Log.Clear();
    h.Type(u"B");
    EXPECT_EQ(combo->Text(), u"Blue") << "the typed letter stays as typed";
    EXPECT_EQ(combo->SelStart(), 1);
    EXPECT_EQ(combo->SelLength(), 3) << "the completion is selected";
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(h.Log.Take(), (Events{"click", "change Blue"}));
    h.Type(u"l");
    EXPECT_EQ(combo->Text(), u"Blue");
    EXPECT_TRUE(h.Log.Take().empty()) << "the same item and text: nothing to report";
    h.Type(u"a");
    EXPECT_EQ(combo->Text(), u"Black");
    EXPECT_EQ(combo->ItemIndex(), 3);
    EXPECT_EQ(h.Log.Take(), (Events{"click", "change Black"}));
    h.Type(u"z");
    EXPECT_EQ(combo->Text(), u"Blaz") << "no item begins so: the selection is replaced";
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(h.Log.Take(), (Events{"change Blaz"}));
    h.Press(VK_BACK);
    EXPECT_EQ(combo->Text(), u"Bla") << "deleting never completes";
    // Typing inside the text does not complete.
    combo->SetText(u"gn");
    combo->SetSelStart(1);
    h.Type(u"r");
    EXPECT_EQ(combo->Text(), u"grn");
}

TEST_F(ComboTest, TypingInTheEditStyleChangesTheTextNotTheItem)
{
    combo->AutoComplete = false;
    combo->SetItemIndex(1);
    combo->SelectAll();
    h.Type(u"gr");
    EXPECT_EQ(combo->Text(), u"gr");
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(h.Log.Take(), (Events{"change g", "change gr"}));
    h.Press(VK_F4);
    EXPECT_EQ(combo->ListPopup()->ItemIndex(), 1) << "the open list follows the typed text";
    h.Type(u"x");
    EXPECT_EQ(combo->ListPopup()->ItemIndex(), -1);
    h.Press(VK_ESCAPE);
    const LRESULT pos = combo->Perform(EM_POSFROMCHAR, 1);
    EXPECT_EQ(combo->Perform(EM_CHARFROMPOS, 0, MakeLParam(GetXLParam(pos) + 1, GetYLParam(pos) + 2)) & 0xFFFF, 1);
}

TEST_F(ComboTest, ListStyleOpensOnAClickAnywhere)
{
    combo->SetStyle(csDropDownList);
    h.Click(combo, {10, 10});
    EXPECT_TRUE(combo->DroppedDown());
    h.Click(combo, {10, 10});  // a second click on the field closes it
    EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(ComboTest, WheelStepsThroughTheItemsWhileFocused)
{
    combo->SetItemIndex(1);
    h.Wheel(combo, -1);
    EXPECT_EQ(combo->ItemIndex(), 2);
    h.Wheel(combo, 2);
    EXPECT_EQ(combo->ItemIndex(), 0);
}

TEST_F(ComboTest, ComboMessages)
{
    EXPECT_EQ(combo->Perform(CB_GETCOUNT), 5);
    combo->Perform(CB_SETCURSEL, 3);
    EXPECT_EQ(combo->Perform(CB_GETCURSEL), 3);
    EXPECT_EQ(combo->Text(), u"black");
    Char buffer[32] = {};
    EXPECT_EQ(combo->Perform(CB_GETLBTEXT, 1, LPARAM(buffer)), 5);
    EXPECT_EQ(String(buffer), u"green");
    EXPECT_EQ(combo->Perform(CB_GETLBTEXT, 9, LPARAM(buffer)), CB_ERR);
    combo->Perform(CB_SETITEMHEIGHT, 0, 20);
    EXPECT_EQ(combo->ItemHeight(), 20);
    combo->Perform(CB_SETDROPPEDWIDTH, 300);
    EXPECT_EQ(combo->Perform(CB_GETDROPPEDWIDTH), 300);
    h.Press(VK_F4);
    EXPECT_EQ(combo->ListPopup()->Width(), 300);
    EXPECT_EQ(combo->ListPopup()->Height(), 5 * 20 + 2);
    TComboBoxInfo info;
    ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
    EXPECT_EQ(info.hwndList, combo->ListPopup()->Handle());
    EXPECT_EQ(info.hwndItem, combo->Handle());
    EXPECT_EQ(info.stateButton, STATE_SYSTEM_PRESSED);
    combo->Perform(CB_SETITEMHEIGHT, WPARAM(-1), 30);
    EXPECT_EQ(combo->Height(), 36);
}

TEST_F(ComboTest, DropDownCountLimitsTheListAndSortedSorts)
{
    combo->DropDownCount = 3;
    combo->SetSorted(true);
    EXPECT_EQ(combo->Items()->Strings(0), u"black");
    h.Press(VK_F4);
    EXPECT_EQ(combo->ListPopup()->Height(), 3 * combo->ItemHeight() + 2);
}

TEST_F(ComboTest, LosingTheFocusClosesTheList)
{
    h.Press(VK_F4);
    edit->SetFocus();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(GetCapture(), HWND(0));
}

}  // namespace
}  // namespace gw::test
