// The string grid on the GTK back end of a private Xvfb: a person clicks a text cell of the
// slaves-table fixture, types an address and presses Return; the cell holds it and the next
// column is current, as on the headless back end.
#include "platform/backends/gtk/gtk_backend.h"
#include "platform/ui/application.h"
#include "tests/grid/interaction/edit_grid_fixture.h"
#include "tests/platform/backends/x_session.h"

#include <chrono>

namespace gw::test {
namespace {

TEST(StringGridOnTheGtkBackEnd, AClickedTextCellTakesTheTypedAddressAndReturnMovesOn)
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
    auto until = [&](const std::function<bool()>& Done) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        for (;;) {
            Application->ProcessMessages();
            if (Done()) return true;
            if (std::chrono::steady_clock::now() >= end) return false;
            display->WaitForEvents(std::min<Cardinal>(NextTimerDue(), 50));
        }
    };
    auto settle = [&] {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
        while (std::chrono::steady_clock::now() < end) {
            Application->ProcessMessages();
            display->WaitForEvents(20);
        }
    };
    {
        auto* form = new TForm(Application);
        form->SetCaption(u"Slaves");
        form->SetBounds(100, 100, 560, 300);
        TEditTestGrid* grid = MakeSlavesGrid(form);
        grid->OnKeyPress = [grid](TObject*, Char& Key) {
            if (Key != VK_RETURN) return;
            grid->SetCol(std::min(grid->Col() + 1, grid->ColCount() - 1));
            Key = 0;
        };
        grid->SetBounds(8, 8, 520, 240);
        form->Show();
        grid->SetFocus();
        settle();

        const TRect cell = grid->CellRect(1, 2);
        const TPoint p = grid->ClientToScreen({(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2});
        xdotool({"mousemove", std::to_string(p.X), std::to_string(p.Y), "click", "1"});
        ASSERT_TRUE(until([&] { return grid->Col() == 1 && grid->Row() == 2; })) << "the click reached the cell";
        xdotool({"type", "--delay", "30", "192.168.0.7"});
        ASSERT_TRUE(until([&] { return grid->GetCellEx(1, 2) == u"192.168.0.7"; }))
            << "the typed text reached the cell";
        xdotool({"key", "Return"});
        ASSERT_TRUE(until([&] { return grid->Col() == 2; })) << "Return moved on";
        EXPECT_EQ(grid->GetCellEx(1, 2), u"192.168.0.7");
        EXPECT_EQ(grid->Row(), 2);
        EXPECT_TRUE(grid->Modified);
        delete form;
    }
    FinalizeUI();
    ResetWindowSystem();
}

}  // namespace
}  // namespace gw::test
