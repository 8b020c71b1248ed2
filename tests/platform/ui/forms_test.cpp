// Forms: modal loops driven by scripted answers, message boxes, exceptions shown to the user,
// show/close events, reflected notifications, TTimer, the clipboard, application forms.
#include "test_controls.h"

#include "platform/ui/clipboard.h"
#include "platform/ui/timer.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

using Events = std::vector<std::string>;

class Forms : public ::testing::Test {
protected:
    void SetUp() override
    {
        main = MakeForm(Application);
        main->SetCaption(u"Main");
        a = new TLogControl(main, main, h.Log, "a", Rect(10, 10, 90, 34));
        b = new TLogControl(main, main, h.Log, "b", Rect(10, 40, 90, 64));
        main->Show();
        a->SetFocus();
        h.ProcessMessages();
        h.Log.Clear();
    }
    // A dialog with an edit and OK/Cancel buttons, made when shown.
    TForm* MakeDialog()
    {
        auto* d = MakeForm(Application, Rect(200, 200, 400, 320));
        d->SetCaption(u"Dialog");
        edit = new TLogControl(d, d, h.Log, "edit", Rect(10, 10, 150, 34));
        auto* ok = new TTestButton(d, d, h.Log, "ok", Rect(10, 80, 85, 105));
        ok->Default = true;
        ok->ModalResult = mrOk;
        auto* cancel = new TTestButton(d, d, h.Log, "cancel", Rect(100, 80, 175, 105));
        cancel->Cancel = true;
        cancel->ModalResult = mrCancel;
        return d;
    }

    THarness h;
    TForm* main = nullptr;
    TLogControl *a = nullptr, *b = nullptr, *edit = nullptr;
};

TEST_F(Forms, AModalFormDrivenByAResponderReturnsItsResult)
{
    TForm* dialog = MakeDialog();
    bool mainEnabledInside = true;
    h.AnswerModal(u"Dialog", [&](TCustomForm& f) {
        mainEnabledInside = IsWindowEnabled(main->Handle());
        EXPECT_EQ(GetActiveWindow(), f.Handle());
        EXPECT_EQ(GetFocus(), edit->Handle()) << "the first tab stop takes the focus";
        h.Type(u"ok");
        h.Press(VK_RETURN);  // the default button
    });
    TModalResult result = mrNone;
    b->OnClick = [&](TObject*) { result = dialog->ShowModal(); };
    h.Click(b);
    EXPECT_EQ(result, mrOk);
    EXPECT_FALSE(mainEnabledInside) << "other windows are disabled during the loop";
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(GetActiveWindow(), main->Handle());
    EXPECT_EQ(GetFocus(), b->Handle()) << "the focused control comes back";
    Events e = h.Log.Take();
    EXPECT_TRUE(std::count(e.begin(), e.end(), "ok click"));
    EXPECT_EQ(std::count(e.begin(), e.end(), "b CM_ENTER"), 1)
        << "entered once, by the click, not again after the loop";
    EXPECT_EQ(h.PendingAnswers(), 0u);
}

TEST_F(Forms, CloseQueryAndOnCloseCanKeepAModalFormOpen)
{
    TForm* dialog = MakeDialog();
    int queries = 0;
    dialog->OnCloseQuery = [&](TObject*, bool& CanClose) { CanClose = ++queries > 1; };
    // The loop looks at the result after each answer: the first Escape is refused.
    h.AnswerModal(u"Dialog", [&](TCustomForm&) { h.Press(VK_ESCAPE); });
    h.AnswerModal(u"Dialog", [&](TCustomForm&) {
        EXPECT_TRUE(dialog->Visible());
        h.Press(VK_ESCAPE);
    });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_EQ(queries, 2);
}

TEST_F(Forms, AModalLoopWithoutAnAnswerFailsInsteadOfHanging)
{
    TForm* dialog = MakeDialog();
    EXPECT_THROW(dialog->ShowModal(), EInvalidOperation);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_TRUE(IsWindowEnabled(main->Handle())) << "the windows come back even then";
    EXPECT_THROW(main->ShowModal(), EInvalidOperation) << "a visible form cannot become modal";
}

TEST_F(Forms, AModalLoopCancelsTheCaptureFirst)
{
    a->Watched = {WM_CANCELMODE, WM_CAPTURECHANGED};
    h.MouseDown(a, {5, 5});
    TForm* dialog = MakeDialog();
    edit->Watched.clear();
    h.AnswerModal(u"Dialog", [&](TCustomForm& f) {
        EXPECT_EQ(GetCapture(), HWND(0));
        f.ModalResult = mrAbort;
    });
    EXPECT_EQ(dialog->ShowModal(), mrAbort);
    EXPECT_EQ(h.Log.Take(), (Events{"a WM_CANCELMODE", "a WM_CAPTURECHANGED"}));
}

TEST_F(Forms, APopUpOwnedByTheModalFormStaysEnabled)
{
    TForm* dialog = MakeDialog();
    TForm* other = MakeForm(Application, Rect(600, 100, 700, 200));
    other->Show();
    HWND popup = 0;
    h.AnswerModal(u"Dialog", [&](TCustomForm& f) {
        EXPECT_FALSE(IsWindowEnabled(other->Handle()));
        TCreateWindowParams p;
        p.Style = WS_POPUP | WS_VISIBLE;
        p.Parent = f.Handle();
        popup = CreateWindow(p);
        f.ModalResult = mrOk;
    });
    dialog->ShowModal();
    EXPECT_TRUE(IsWindowEnabled(other->Handle()));
    EXPECT_FALSE(IsWindow(popup) && !IsWindowEnabled(popup));
}

TEST_F(Forms, AMessageBoxIsAnsweredByItsText)
{
    h.AnswerMessage(u"Save the changes", mrNo);
    EXPECT_EQ(MessageDlg(u"Save the changes to \"x.cfg\"?", mtConfirmation, mbYesNoCancel), mrNo);
    EXPECT_EQ(h.MessagesShown(), (std::vector<String>{u"Save the changes to \"x.cfg\"?"}));
    EXPECT_EQ(GetActiveWindow(), main->Handle());
    EXPECT_EQ(GetFocus(), a->Handle());

    h.AnswerMessage(u"Delete", mrOk);
    EXPECT_THROW(MessageDlg(u"Delete?", mtWarning, mbYesNo), EInvalidOperation) << "no such button";
    EXPECT_THROW(MessageDlg(u"Unexpected", mtError, mbOK), EInvalidOperation) << "no answer for this text";
}

TEST_F(Forms, MessageBoxKeysAndButtons)
{
    struct Case {
        TMsgDlgButtons Buttons;
        Word Key;
        TModalResult Expected;
    };
    const Case cases[] = {
        {mbYesNoCancel, VK_ESCAPE, mrCancel}, {mbYesNo, VK_ESCAPE, mrNo},    {mbOK, VK_ESCAPE, mrOk},
        {mbYesNoCancel, VK_RETURN, mrYes},    {mbOKCancel, VK_RETURN, mrOk}, {mbYesNo, 'N', mrNo},
    };
    for (const Case& c : cases) {
        h.AnswerModal(u"TMessageForm", [&](TCustomForm&) { h.Press(c.Key); });
        EXPECT_EQ(MessageDlg(u"Question", mtConfirmation, c.Buttons), c.Expected) << c.Key;
    }
    TMessageForm* box = CreateMessageDialog(u"Text", mtError, mbYesNoCancel, mbNo);
    EXPECT_EQ(box->ButtonResults(), (std::vector<TModalResult>{mrYes, mrNo, mrCancel}));
    EXPECT_EQ(box->Caption(), u"Error");
    delete box;
    h.AnswerMessage(u"Really", mrYes);
    EXPECT_EQ(Application->MessageBox(u"Really quit?", u"Gateway", MB_YESNO | MB_ICONQUESTION), IDYES);
}

TEST_F(Forms, AnExceptionInAHandlerIsShownInAMessageBox)
{
    Application->OnException = nullptr;
    b->OnClick = [](TObject*) { throw EConvertError(u"'x' is not a valid integer value"); };
    h.AnswerMessage(u"not a valid integer", mrOk);
    h.Click(b);
    EXPECT_EQ(h.MessagesShown(), (std::vector<String>{u"'x' is not a valid integer value."}));
    b->OnClick = [](TObject*) { Abort(); };
    h.Click(b);
    EXPECT_EQ(h.MessagesShown().size(), 1u) << "EAbort is silent";
}

TEST_F(Forms, ShowHideCloseAndActivationEvents)
{
    a->Watched.clear();
    auto watch = [&](TForm* f, const std::string& n) {
        f->OnCreate = [&, n](TObject*) { h.Log.Add(n + " create"); };
        f->OnShow = [&, n](TObject*) { h.Log.Add(n + " show"); };
        f->OnActivate = [&, n](TObject*) { h.Log.Add(n + " activate"); };
        f->OnDeactivate = [&, n](TObject*) { h.Log.Add(n + " deactivate"); };
        f->OnHide = [&, n](TObject*) { h.Log.Add(n + " hide"); };
        f->OnCloseQuery = [&, n](TObject*, bool&) { h.Log.Add(n + " closequery"); };
    };
    watch(main, "main");
    TForm* f = MakeForm(Application, Rect(300, 300, 500, 400));
    watch(f, "f");
    f->Show();
    f->Close();
    EXPECT_EQ(h.Log.Take(),
              (Events{"f create", "f show", "main deactivate", "f activate", "f closequery", "f hide", "f deactivate",
                      "main activate"}));
    EXPECT_FALSE(f->Visible());
    f->OnClose = [&](TObject*, TCloseAction& A) { A = caFree; };
    f->Show();
    f->Close();
    h.ProcessMessages();
    EXPECT_EQ(Screen->FormCount(), 1) << "caFree released the form";
    EXPECT_EQ(GetActiveWindow(), main->Handle());
}

TEST_F(Forms, TheScreenKnowsTheActiveFormAndControl)
{
    int formChanges = 0, controlChanges = 0;
    Screen->OnActiveFormChange = [&](TObject*) { ++formChanges; };
    Screen->OnActiveControlChange = [&](TObject*) { ++controlChanges; };
    EXPECT_EQ(Screen->ActiveForm(), main);
    EXPECT_EQ(Screen->ActiveControl(), a);
    b->SetFocus();
    EXPECT_EQ(Screen->ActiveControl(), b);
    TForm* other = MakeForm(Application, Rect(600, 100, 800, 300));
    auto* c = new TLogControl(other, other, h.Log, "c");
    other->Show();
    EXPECT_EQ(Screen->ActiveForm(), other);
    EXPECT_EQ(Screen->ActiveControl(), c);
    EXPECT_EQ(Screen->Forms(0), other) << "the most recently active form comes first";
    EXPECT_EQ(Screen->FormCount(), 2);
    EXPECT_EQ(formChanges, 1);
    EXPECT_EQ(controlChanges, 2);
    main->Show();
    EXPECT_EQ(Screen->ActiveControl(), b) << "each form keeps its own active control";
}

TEST_F(Forms, ApplicationFormsMainFormAndTerminate)
{
    EXPECT_EQ(Application->MainForm(), nullptr);
    TForm* first = nullptr;
    TForm* second = nullptr;
    Application->CreateForm(first);
    Application->CreateForm(second);
    EXPECT_EQ(Application->MainForm(), first);
    EXPECT_FALSE(Application->ExeName().empty());
    first->OnShow = [&](TObject*) { PostMessage(first->Handle(), WM_CLOSE, 0, 0); };
    Application->Run();  // closing the main form ends the program
    EXPECT_TRUE(Application->Terminated());
}

// An edit-like control: a change notifies the parent, which reflects it back.
class TChangeEdit : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    TNotifyEvent OnChange;
    void Change() { SendMessage(GetParent(Handle()), WM_COMMAND, MakeWParam(1, EN_CHANGE), LPARAM(Handle())); }

protected:
    void Dispatch(TMessage& M) override
    {
        if ((M.Msg == CN_COMMAND && M.WParamHi() == EN_CHANGE) || M.Msg == CN_NOTIFY) {
            if (OnChange) OnChange(this);
            return;
        }
        TCustomControl::Dispatch(M);
    }
};

TEST_F(Forms, AChildNotificationIsReflectedOnceByTheParentsDefaultHandling)
{
    auto* panel = new TLogControl(main, main, h.Log, "panel", Rect(100, 10, 300, 200));
    auto* edit = new TChangeEdit(main);
    edit->SetBounds(5, 5, 100, 20);
    edit->SetParent(panel);
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    edit->Change();
    EXPECT_EQ(changes, 1);
    NMHDR notice{edit->Handle(), 1, 0};
    SendMessage(panel->Handle(), WM_NOTIFY, 1, LPARAM(&notice));
    EXPECT_EQ(changes, 2) << "a WM_NOTIFY comes back as CN_NOTIFY the same way";
    TWndMethod old = panel->WindowProc;
    panel->WindowProc = [old](TMessage& M) {
        if (M.Msg == WM_COMMAND || M.Msg == WM_NOTIFY) return;  // handled without the default: no reflection
        old(M);
    };
    edit->Change();
    SendMessage(panel->Handle(), WM_NOTIFY, 1, LPARAM(&notice));
    EXPECT_EQ(changes, 2);
}

TEST_F(Forms, ATimerTicksWhileEnabled)
{
    TTimer* t = new TTimer(main);
    t->SetInterval(200);
    int ticks = 0;
    t->OnTimer = [&](TObject*) { ++ticks; };
    h.Advance(1000);
    EXPECT_EQ(ticks, 5);
    t->SetEnabled(false);
    h.Advance(1000);
    EXPECT_EQ(ticks, 5);
    t->SetEnabled(true);
    t->SetInterval(0);
    h.Advance(1000);
    EXPECT_EQ(ticks, 5);
    delete t;
    h.Advance(1000);
}

TEST_F(Forms, TheClipboardKeepsTextAndRegisteredFormats)
{
    UINT cells = RegisterClipboardFormat(u"GridCells");
    EXPECT_GE(cells, 0xC000u);
    Clipboard()->SetAsText(u"Zelle ä €");
    EXPECT_EQ(Clipboard()->AsText(), u"Zelle ä €");
    EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));
    std::string ansi;
    ASSERT_TRUE(Clipboard()->GetBuffer(CF_TEXT, ansi));
    EXPECT_EQ(ansi, "Zelle \xE4 \x80");
    Clipboard()->SetBuffer(cells, "raw");
    EXPECT_FALSE(Clipboard()->HasFormat(CF_UNICODETEXT)) << "a set outside Open/Close replaces the contents";
    Clipboard()->Open();
    Clipboard()->SetAsText(u"both");
    Clipboard()->SetBuffer(cells, "raw");
    Clipboard()->Close();
    EXPECT_TRUE(Clipboard()->HasFormat(cells));
    EXPECT_EQ(Clipboard()->AsText(), u"both");
    Clipboard()->Clear();
    EXPECT_EQ(Clipboard()->AsText(), u"");
}

}  // namespace
}  // namespace gw::test
