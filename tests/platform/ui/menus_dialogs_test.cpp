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
    h.AnswerFileDialog(u"/data/in.csv");
    EXPECT_TRUE(open.Execute());
    EXPECT_FALSE(h.FileDialogsShown().back().Save);
    EXPECT_EQ(open.Files, (std::vector<String>{u"/data/in.csv"}));
}

}  // namespace
}  // namespace gw::test
