// The real program on a private Xvfb: its window appears, paints what the headless back end
// paints, and a person's clicks and keys (sent with xdotool) reach the handlers.
#include "app/start_form.h"
#include "imagebutton/img_button.h"
#include "platform/backends/headless/harness.h"
#include "platform/controls/edit.h"
#include "platform/graphics/colour.h"
#include "platform/runtime/unicode.h"
#include "tests/platform/backends/x_session.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace gw::test {
namespace {

constexpr int WaitMs = 30000;

// 0xRRGGBB of a TColor (0x00BBGGRR).
uint32_t Rgb(TColor C)
{
    uint32_t v = uint32_t(ColorToRGB(C));
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

class ProgramOnDisplay : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : {"Xvfb", "xdotool", "import"})
            if (!ToolAvailable(tool)) GTEST_SKIP() << tool << " is not installed (tools/setup.sh installs it)";
        ASSERT_TRUE(m_x.Ok()) << "Xvfb did not start";
        m_log = m_dir.path().string() + "/events.log";
        m_program = std::make_unique<TChildProcess>(std::vector<std::string>{GW_CONFIGURATOR_EXE, "--event-log", m_log},
                                                    m_x.Display(), m_dir.path().string() + "/output.txt");
        ASSERT_TRUE(m_program->Started());
        // The window is there when xdotool finds it by its title and the form says it is active.
        ASSERT_TRUE(WaitForWindow("Configurator CF52818")) << "the program's window did not appear; its output:\n"
                                                           << Output();
        ASSERT_TRUE(WaitForLine("active ", m_activeLine)) << Output();
        std::istringstream in(m_activeLine.substr(7));
        in >> m_client.Left >> m_client.Top >> m_width >> m_height;
        m_client.Right = m_client.Left + m_width;
        m_client.Bottom = m_client.Top + m_height;
    }

    std::string Output() const
    {
        std::ifstream in(m_dir.path().string() + "/output.txt");
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // Asks xdotool for a visible window with that title until there is one, or the program ended.
    bool WaitForWindow(const std::string& Title)
    {
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(WaitMs);
        while (std::chrono::steady_clock::now() < end && m_program->Running()) {
            if (RunTool({"xdotool", "search", "--onlyvisible", "--name", Title}, m_x.Display(), 5000) == 0) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }

    // Waits for a log line starting with Prefix.
    bool WaitForLine(const std::string& Prefix, std::string& Line)
    {
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(WaitMs);
        while (std::chrono::steady_clock::now() < end) {
            for (auto& l : ReadLines(m_log))
                if (l.rfind(Prefix, 0) == 0) {
                    Line = l;
                    return true;
                }
            if (!m_program->Running()) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

    // A screenshot once the banner's colour shows at its place, the window having been drawn.
    TImage PaintedScreenshot(const std::string& File)
    {
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(WaitMs);
        while (std::chrono::steady_clock::now() < end) {
            TImage shot = Screenshot(m_x.Display(), File);
            if (shot && PixelAt(shot.get(), m_client.Left + 4, m_client.Top + 4) == Rgb(TStartForm::BannerColor))
                return shot;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return nullptr;
    }

    // A point of a control of the same form built headless, on the program's screen.
    TPoint OnScreen(TControl* Control, TForm* Form, TPoint P) const
    {
        TPoint s = Control->ClientToScreen(P), f = Form->ClientToScreen({0, 0});
        return {m_client.Left + s.X - f.X, m_client.Top + s.Y - f.Y};
    }

    void Click(TPoint P)
    {
        ASSERT_EQ(
            RunTool({"xdotool", "mousemove", std::to_string(P.X), std::to_string(P.Y), "click", "1"}, m_x.Display()),
            0);
    }

    TXvfb m_x;
    ScratchDir m_dir{"program-on-display"};
    std::string m_log;
    std::unique_ptr<TChildProcess> m_program;
    std::string m_activeLine;
    TRect m_client;
    Integer m_width = 0, m_height = 0;
};

TEST_F(ProgramOnDisplay, ShowsTheStartFormCentredWithItsPicture)
{
    EXPECT_EQ(m_width, TStartForm::FormClientWidth);
    EXPECT_EQ(m_height, TStartForm::FormClientHeight);
    // Centred on Xvfb's 1280 x 1024 screen (no window manager: no panel takes space).
    EXPECT_EQ(m_client.Left, (1280 - m_width) / 2);
    EXPECT_EQ(m_client.Top, (1024 - m_height) / 2);

    const std::string file = picturePath("configurator_start.png").string();
    TImage shot = PaintedScreenshot(file);
    ASSERT_TRUE(shot) << "the banner never showed on the screen; output:\n" << Output();
    EXPECT_EQ(cairo_image_surface_get_width(shot.get()), 1280);
    EXPECT_EQ(cairo_image_surface_get_height(shot.get()), 1024);

    struct TProbe {
        const char* What;
        TPoint At;  // client coordinates of the form
        uint32_t Rgb;
    };
    const TProbe probes[] = {
        {"banner, left", {4, 4}, Rgb(TStartForm::BannerColor)},
        {"banner, right", {TStartForm::FormClientWidth - 4, 44}, Rgb(TStartForm::BannerColor)},
        {"form face below the note", {8, 150}, Rgb(clBtnFace)},
        {"inside the name field", {250, 107}, Rgb(clWindow)},
        {"right of the form: the black root window", {TStartForm::FormClientWidth + 2, 100}, 0x000000},
        {"above the form: the black root window", {100, -2}, 0x000000},
    };
    for (const TProbe& p : probes)
        EXPECT_EQ(PixelAt(shot.get(), m_client.Left + p.At.X, m_client.Top + p.At.Y), p.Rgb) << p.What;
}

TEST_F(ProgramOnDisplay, PaintsTheSamePixelsAsTheHeadlessBackEnd)
{
    TImage shot = PaintedScreenshot(picturePath("configurator_pixels_screen.png").string());
    ASSERT_TRUE(shot) << Output();

    THarness h;
    TStartForm* form = nullptr;
    Application->CreateForm(form);
    form->Show();
    h.ProcessMessages();
    cairo_surface_t* headless = h.Display().WindowSurface(form->Handle());
    ASSERT_NE(headless, nullptr);
    ASSERT_EQ(cairo_image_surface_get_width(headless), m_width);
    ASSERT_EQ(cairo_image_surface_get_height(headless), m_height);

    int differing = 0;
    TPoint first{-1, -1};
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            if (PixelAt(headless, x, y) != PixelAt(shot.get(), m_client.Left + x, m_client.Top + y)) {
                if (differing++ == 0) first = {x, y};
            }
    EXPECT_EQ(differing, 0) << "first difference at " << first.X << ", " << first.Y;
    if (differing) h.SavePng(form, Utf8ToString(picturePath("configurator_pixels_headless.png").string()));
}

TEST_F(ProgramOnDisplay, ClickAndTypedKeysReachTheirHandlers)
{
    ASSERT_TRUE(PaintedScreenshot(picturePath("configurator_input_screen.png").string())) << Output();
    // The controls' places, from the same form built headless.
    THarness h;
    TStartForm* form = nullptr;
    Application->CreateForm(form);

    Click(OnScreen(form->NameEdit, form, {20, 10}));
    std::string line;
    ASSERT_TRUE(WaitForLine("click NameEdit", line)) << Output();
    // A letter and a shifted digit: the character comes from the key with Shift held.
    ASSERT_EQ(RunTool({"xdotool", "type", "--delay", "40", "a!"}, m_x.Display()), 0);
    ASSERT_TRUE(WaitForLine("text NameEdit a!", line)) << Output();
    Click(OnScreen(form->CloseButton, form, {40, 12}));

    // The Close button ends the program, cleanly.
    EXPECT_EQ(m_program->WaitExit(WaitMs), 0) << Output();
    std::vector<std::string> expected = {"click NameEdit",  "char NameEdit a",  "text NameEdit a",
                                         "char NameEdit !", "text NameEdit a!", "click CloseButton"};
    std::vector<std::string> got;
    for (auto& l : ReadLines(m_log))
        if (l.rfind("active ", 0) != 0) got.push_back(l);
    EXPECT_EQ(got, expected);
}

}  // namespace
}  // namespace gw::test
