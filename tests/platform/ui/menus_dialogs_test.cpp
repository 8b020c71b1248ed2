// Pop-up menus and the open and save dialogs, answered by the harness.
#include "test_controls.h"

#include "platform/ui/file_dialogs.h"
#include "platform/ui/menus.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

class MenusAndDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = MakeForm(Application);
        a = new TLogControl(form, form, h.Log, "a", Rect(10, 10, 90, 34));
        a->Watched = {WM_CANCELMODE};
        form->Show();
        h.ProcessMessages();
        h.Log.Clear();
    }
    TMenuItem* Item(TMenuItem* Parent, const String& Caption)
    {
        auto* i = new TMenuItem(form);
        i->Caption = Caption;
        i->OnClick = [this, Caption](TObject*) { h.Log.Add("click " + StringToUtf8(Caption)); };
        Parent->Add(i);
        return i;
    }

    THarness h;
    TForm* form = nullptr;
    TLogControl* a = nullptr;
};

TEST_F(MenusAndDialogs, AChosenItemClicksOnceTheMenuHasClosed)
{
    auto* menu = new TPopupMenu(form);
    Item(menu->Items(), u"&Copy");
    TMenuItem* more = Item(menu->Items(), u"More");
    Item(more, u"Paste &special");
    Item(menu->Items(), u"Hidden")->Visible = false;
    h.AnswerPopupMenu(u"More|Paste special");
    menu->Popup(300, 200);
    EXPECT_TRUE(h.Log.Items().empty()) << "the click comes from the queue";
    h.ProcessMessages();
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"click Paste &special"}));
    ASSERT_EQ(h.MenusShown().size(), 1u);
    EXPECT_EQ(h.MenusShown()[0].size(), 2u) << "invisible items are not shown";
    h.AnswerPopupMenu(u"");
    menu->Popup(300, 200);
    h.ProcessMessages();
    EXPECT_TRUE(h.Log.Items().empty()) << "cancelled";
}

TEST_F(MenusAndDialogs, TrackingReturnsTheCommandAndCancelsMouseModes)
{
    h.MouseDown(a, {5, 5});
    std::vector<TMenuEntry> items(3);
    const char16_t* units[] = {u"cm", u"mm", u"inch"};
    for (UINT i = 0; i < 3; ++i) items[i].Caption = units[i], items[i].Command = i + 1;
    h.AnswerPopupMenu(u"mm");
    EXPECT_EQ(TrackPopupMenu(items, TPM_RETURNCMD, {100, 100}, a->Handle()), 2u);
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"a WM_CANCELMODE"}));
    EXPECT_EQ(GetCapture(), HWND(0));
    WPARAM command = 0;
    TWndMethod old = a->WindowProc;
    a->WindowProc = [&, old](TMessage& M) {
        if (M.Msg == WM_COMMAND) command = M.WParam;
        old(M);
    };
    h.AnswerPopupMenu(u"inch");
    TrackPopupMenu(items, TPM_LEFTBUTTON, {100, 100}, a->Handle());
    h.ProcessMessages();
    EXPECT_EQ(command, 3u) << "the choice comes back as a command message to the owner";
}

TEST_F(MenusAndDialogs, AControlsPopupMenuAnswersTheRightButton)
{
    auto* menu = new TPopupMenu(form);
    Item(menu->Items(), u"Delete");
    a->SetPopupMenu(menu);
    h.AnswerPopupMenu(u"Delete");
    h.Click(a, {5, 5}, mbRight);
    EXPECT_TRUE(h.Log.Contains("click Delete"));
    EXPECT_EQ(menu->PopupComponent, a);
    menu->AutoPopup = false;
    h.Click(a, {5, 5}, mbRight);
    EXPECT_EQ(h.MenusShown().size(), 1u) << "without AutoPopup the program shows the menu itself";
    delete menu;
    EXPECT_EQ(a->PopupMenu(), nullptr) << "a freed menu is forgotten";
}

TEST_F(MenusAndDialogs, DisabledItemsAndUnansweredMenusFail)
{
    auto* menu = new TPopupMenu(form);
    Item(menu->Items(), u"Off")->Enabled = false;
    h.AnswerPopupMenu(u"Off");
    EXPECT_THROW(menu->Popup(0, 0), EInvalidOperation);
    EXPECT_THROW(menu->Popup(0, 0), EInvalidOperation) << "no answer left";
}

TEST_F(MenusAndDialogs, SeparatorsAreNeverChosenAndRadioItemsAreExclusive)
{
    auto* menu = new TPopupMenu(form);
    Item(menu->Items(), u"Copy");
    Item(menu->Items(), u"-");
    TMenuItem* units = Item(menu->Items(), u"Units");
    TMenuItem* grid = Item(menu->Items(), u"Grid");
    grid->Checked = true;
    std::vector<TMenuItem*> radio;
    for (const char16_t* c : {u"cm", u"mm", u"inch", u"Metric"}) {
        TMenuItem* r = Item(units, c);
        r->RadioItem = true;
        r->GroupIndex = 1;
        r->OnClick = [this, r](TObject*) {
            r->SetChecked(true);
            h.Log.Add("click " + StringToUtf8(r->Caption));
        };
        radio.push_back(r);
    }
    radio[3]->GroupIndex = 2;  // a group of its own
    radio[3]->Checked = true;
    radio[0]->SetChecked(true);

    h.AnswerPopupMenu(u"-");
    menu->Popup(10, 10);
    h.ProcessMessages();
    EXPECT_TRUE(h.Log.Items().empty()) << "a separator does nothing";
    const std::vector<TMenuEntry>& shown = h.MenusShown().back();
    EXPECT_EQ(shown[1].Command, 0u);
    EXPECT_TRUE(shown[2].Items[0].RadioItem && shown[2].Items[0].Checked);
    EXPECT_FALSE(shown[3].RadioItem);

    h.AnswerPopupMenu(u"Units|inch");
    menu->Popup(10, 10);
    h.ProcessMessages();
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"click inch"}));
    std::vector<bool> checked;
    for (TMenuItem* r : radio) checked.push_back(r->Checked);
    EXPECT_EQ(checked, (std::vector<bool>{false, false, true, true})) << "only the same group is unchecked";
    EXPECT_TRUE(grid->Checked) << "check items are no radio items";
    radio[2]->SetChecked(false);
    EXPECT_FALSE(radio[0]->Checked || radio[1]->Checked || radio[2]->Checked);
}

TEST_F(MenusAndDialogs, OnPopupPreparesTheItemsBeforeTheMenuShows)
{
    auto* menu = new TPopupMenu(form);
    Item(menu->Items(), u"Cut");
    TMenuItem* paste = Item(menu->Items(), u"Paste");
    std::size_t shownBefore = 99;
    menu->OnPopup = [&](TObject* Sender) {
        EXPECT_EQ(Sender, menu);
        shownBefore = h.MenusShown().size();
        paste->Enabled = false;
    };
    h.AnswerPopupMenu(u"Cut");
    menu->Popup(10, 10);
    h.ProcessMessages();
    EXPECT_EQ(shownBefore, 0u);
    ASSERT_EQ(h.MenusShown().size(), 1u);
    EXPECT_FALSE(h.MenusShown()[0][1].Enabled) << "the menu shows what OnPopup left";
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"click Cut"}));
}

TEST_F(MenusAndDialogs, TheChosenFilterOrTheDefaultExtensionCompletesTheName)
{
    struct Case {
        const char16_t* DefaultExt;
        Integer FilterIndex;
        const char16_t* Answer;
        const char16_t* Expected;
    } cases[] = {
        {u"*.mib", 1, u"/c/plant", u"/c/plant.mib"},
        {u"mib", 2, u"/c/plant", u"/c/plant.csv"},  // the file type picked wins
        {u".mib", 3, u"/c/plant", u"/c/plant.mib"},  // "*.*" names no extension
        {u"", 2, u"/c/plant", u"/c/plant"},  // no default extension: nothing added
        {u"mib", 2, u"/c/plant.txt", u"/c/plant.txt"},
        {u"mib", 1, u"/c.d/plant", u"/c.d/plant.mib"},  // a dot in the folder is no extension
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(StringToUtf8(c.Answer) + " " + StringToUtf8(c.DefaultExt) + " " + std::to_string(c.FilterIndex));
        TSaveDialog save(nullptr);
        save.Filter = u"Management Information Base (*.mib)|*.mib|CSV (*.csv)|*.csv;*.txt|All files (*.*)|*.*";
        save.FilterIndex = c.FilterIndex;
        save.DefaultExt = c.DefaultExt;
        h.AnswerFileDialog(c.Answer);
        ASSERT_TRUE(save.Execute());
        EXPECT_EQ(save.FileName, c.Expected);
        EXPECT_EQ(save.FilterIndex, c.FilterIndex);
        EXPECT_EQ(h.FileDialogsShown().back().FilterIndex, c.FilterIndex);
    }
}

TEST_F(MenusAndDialogs, ASaveDialogReturnsTheChosenNameWithTheDefaultExtension)
{
    auto* save = new TSaveDialog(form);
    save->Title = u"Save MIB";
    save->InitialDir = u"/configs";
    save->Filter = u"Management Information Base (*.mib)|*.mib|All files (*.*)|*.*";
    save->DefaultExt = u"*.mib";
    save->Options |= ofOverwritePrompt;
    h.AnswerFileDialog(u"/configs/plant");
    ASSERT_TRUE(save->Execute());
    EXPECT_EQ(save->FileName, u"/configs/plant.mib") << "\"*.mib\" gives \".mib\", not \".*.mib\"";
    ASSERT_EQ(h.FileDialogsShown().size(), 1u);
    const TFileDialogRequest& r = h.FileDialogsShown()[0];
    EXPECT_TRUE(r.Save);
    EXPECT_EQ(r.InitialDir, u"/configs");
    EXPECT_TRUE(r.Options & ofOverwritePrompt);
    h.AnswerFileDialog(u"/configs/plant.txt");
    ASSERT_TRUE(save->Execute());
    EXPECT_EQ(save->FileName, u"/configs/plant.txt") << "a name with an extension stays";
    h.AnswerFileDialog(u"");
    EXPECT_FALSE(save->Execute());
    EXPECT_EQ(save->FileName, u"/configs/plant.txt") << "cancel changes nothing";
    EXPECT_EQ(GetActiveWindow(), form->Handle());
    EXPECT_EQ(FilterPatterns(save->Filter, 2), u"*.*");
    EXPECT_EQ(FilterPatterns(save->Filter, 3), u"");
}

TEST_F(MenusAndDialogs, AnOpenDialogWithoutAnAnswerFails)
{
    TOpenDialog open(nullptr);
    EXPECT_THROW(open.Execute(), EInvalidOperation);
    open.Title = u"Open a configuration";
    open.FileName = u"/data/old.csv";
    open.Options |= ofFileMustExist;
    h.AnswerFileDialog(u"/data/in.csv");
    EXPECT_TRUE(open.Execute());
    const TFileDialogRequest& r = h.FileDialogsShown().back();
    EXPECT_FALSE(r.Save);
    EXPECT_EQ(r.Title, u"Open a configuration");
    EXPECT_EQ(r.FileName, u"/data/old.csv") << "the proposed name goes to the display";
    EXPECT_TRUE(r.Options & ofFileMustExist);
    EXPECT_EQ(open.FileName, u"/data/in.csv");
    EXPECT_EQ(open.Files, (std::vector<String>{u"/data/in.csv"}));
}

}  // namespace
}  // namespace gw::test
