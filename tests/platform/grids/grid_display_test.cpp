// The grid on the GTK back end of a private Xvfb: a click on a cell and typed text reach the
// editor there as they do on the headless back end - the same steps, checked the same way.
#include "platform/backends/gtk/gtk_backend.h"
#include "platform/backends/headless/harness.h"
#include "platform/grids/inplace_edit.h"
#include "platform/grids/string_grid.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"
#include "tests/platform/backends/x_session.h"

#include <gtest/gtest.h>

#include <functional>

namespace gw::test {
namespace {

// What a person does, on one back end or the other.
struct TPerson {
    std::function<void(TPoint Screen)> Click;
    std::function<void(const std::string& Text)> Type;
    std::function<void()> PressEnter;
    // Handles messages until Done holds (false when it never did).
    std::function<bool(const std::function<bool()>& Done)> Until;
    // Handles messages while a shown window reaches the screen.
    std::function<void()> Settle;
};

// A form with an editable grid; the person clicks cell (3, 2), types "42" and presses Enter.
void ClickACellAndType(TPerson& Person)
{
    auto* form = new TForm(Application);
    form->SetCaption(u"Grid");
    form->SetBounds(100, 100, 420, 260);
    auto* grid = new TStringGrid(form);
    grid->SetParent(form);
    grid->SetBounds(8, 8, 380, 200);
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetCells(3, 2, u"old");
    form->Show();
    grid->SetFocus();
    Person.Settle();

    const TRect cell = grid->CellRect(3, 2);
    Person.Click(grid->ClientToScreen({(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2}));
    ASSERT_TRUE(Person.Until([&] { return grid->Col() == 3 && grid->Row() == 2; })) << "the click reached the cell";
    EXPECT_FALSE(grid->EditorMode()) << "a click on another cell only moves there";
    Person.Type("42");
    ASSERT_TRUE(Person.Until([&] { return grid->InplaceEditor() && grid->InplaceEditor()->Text() == u"42"; }))
        << "the typed text reached the editor";
    EXPECT_TRUE(grid->InplaceEditor()->Focused());
    Person.PressEnter();
    ASSERT_TRUE(Person.Until([&] { return grid->Cells(3, 2) == u"42"; })) << "Enter gave the text to the cell";
    EXPECT_FALSE(grid->InplaceEditor()->Visible());
    EXPECT_TRUE(grid->Focused());
}

TEST(GridOnTheHeadlessBackEnd, AClickAndTypedTextReachTheEditor)
{
    THarness h;
    TPerson person;
    person.Click = [&](TPoint P) {
        InjectMouse(TMouseAction::Move, P);
        InjectMouse(TMouseAction::Down, P);
        InjectMouse(TMouseAction::Up, P);
    };
    person.Type = [&](const std::string& Text) { h.Type(Utf8ToString(Text)); };
    person.PressEnter = [&] { h.Press(VK_RETURN); };
    person.Until = [&](const std::function<bool()>& Done) {
        h.ProcessMessages();
        return Done();
    };
    person.Settle = [&] { h.ProcessMessages(); };
    ClickACellAndType(person);
}

TEST(GridOnTheGtkBackEnd, AClickAndTypedTextReachTheEditor)
{
    for (const char* tool : {"Xvfb", "xdotool"})
        if (!ToolAvailable(tool)) GTEST_SKIP() << tool << " is not installed (tools/setup.sh installs it)";
    static TXvfb server;
    ASSERT_TRUE(server.Ok()) << "Xvfb did not start";
    setenv("DISPLAY", server.Display().c_str(), 1);
    unsetenv("WAYLAND_DISPLAY");
    ResetWindowSystem();
    auto display = std::make_unique<TGtkBackend>();
    InitializeUI();
    Application->OnException = [](TObject*, const Exception&) { throw; };
    auto xdotool = [&](std::vector<std::string> Args) {
        Args.insert(Args.begin(), "xdotool");
        ASSERT_EQ(RunTool(Args, server.Display()), 0);
    };
    TPerson person;
    person.Click = [&](TPoint P) { xdotool({"mousemove", std::to_string(P.X), std::to_string(P.Y), "click", "1"}); };
    person.Type = [&](const std::string& Text) { xdotool({"type", "--delay", "30", Text}); };
    person.PressEnter = [&] { xdotool({"key", "Return"}); };
    person.Until = [&](const std::function<bool()>& Done) {
        auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        for (;;) {
            Application->ProcessMessages();
            if (Done()) return true;
            if (std::chrono::steady_clock::now() >= end) return false;
            display->WaitForEvents(std::min<Cardinal>(NextTimerDue(), 50));
        }
    };
    person.Settle = [&] {
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
        while (std::chrono::steady_clock::now() < end) {
            Application->ProcessMessages();
            display->WaitForEvents(20);
        }
    };
    ClickACellAndType(person);
    FinalizeUI();
    ResetWindowSystem();
}

}  // namespace
}  // namespace gw::test
