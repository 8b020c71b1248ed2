// The real program on a private Xvfb: its main window appears and paints what the headless back
// end paints, a person creates a configuration with mouse and keys (sent with xdotool), the
// program started again reopens it, the parameter window saves what is typed into it, and one
// update runs from the step button to the update program.
#include "core/bank_image.h"
#include "core/boot_window.h"
#include "core/main_window.h"
#include "core/par_gen_file.h"
#include "core/par_gen_window.h"
#include "core/program_state.h"
#include "core/slaves_file.h"
#include "grid/model/ext_column_grid.h"
#include "imagebutton/img_button.h"
#include "platform/backends/headless/harness.h"
#include "platform/controls/edit.h"
#include "platform/graphics/colour.h"
#include "platform/net/icmp_echo.h"
#include "platform/runtime/unicode.h"
#include "tables/ethernetip_eds.h"
#include "tables/ethernetip_master_access.h"
#include "tables/table_windows.h"
#include "tests/platform/backends/x_session.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace gw::test {
namespace {

namespace fs = std::filesystem;

constexpr int WaitMs = 30000;

// 0xRRGGBB of a TColor (0x00BBGGRR).
uint32_t Rgb(TColor C)
{
    uint32_t v = uint32_t(ColorToRGB(C));
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

// The screen point of a point P in a window whose client area lies at Client on the screen.
TPoint InClient(const TRect& Client, TPoint P) { return {Client.Left + P.X, Client.Top + P.Y}; }

// A window as the program's event log reports it when it becomes active.
struct TShownWindow {
    std::string Class;
    TRect Client;
};

class ProgramOnDisplay : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : {"Xvfb", "xdotool", "import"})
            if (!ToolAvailable(tool)) GTEST_SKIP() << tool << " is not installed (tools/setup.sh installs it)";
        ASSERT_TRUE(m_x.Ok()) << "Xvfb did not start";
        // The program keeps PROJECTS, LANGUAGE and its settings beside itself: a folder of its own.
        m_exe = m_dir / "configurator";
        std::error_code ec;
        fs::create_hard_link(GW_CONFIGURATOR_EXE, m_exe, ec);
        if (ec) fs::copy_file(GW_CONFIGURATOR_EXE, m_exe);
        // The pointer starts in the middle of the screen, over the window to come: a button under
        // it would be drawn hot, which the headless picture is not.
        ASSERT_EQ(RunTool({"xdotool", "mousemove", "0", "0"}, m_x.Display()), 0);
        Launch();
    }

    // Starts the program and waits until its main window is active on the screen.
    void Launch()
    {
        m_log = m_dir.path().string() + "/events-" + std::to_string(++m_runs) + ".log";
        m_program = std::make_unique<TChildProcess>(std::vector<std::string>{m_exe.string(), "--event-log", m_log},
                                                    m_x.Display(), m_dir.path().string() + "/output.txt");
        ASSERT_TRUE(m_program->Started());
        ASSERT_TRUE(WaitForWindow("Configurator CF52818")) << "the main window did not appear; output:\n" << Output();
        TShownWindow main;
        ASSERT_TRUE(WaitForActive("TFPlenatoreFirmWare", 1, main)) << Output();
        m_main = main.Client;
    }

    std::string Output() const { return readBytes(m_dir / "output.txt"); }

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

    // Waits for the Nth log line starting with Prefix (counting from 1).
    bool WaitForLine(const std::string& Prefix, int Nth, std::string& Line)
    {
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(WaitMs);
        while (std::chrono::steady_clock::now() < end) {
            int seen = 0;
            for (auto& l : ReadLines(m_log))
                if (l.rfind(Prefix, 0) == 0 && ++seen == Nth) {
                    Line = l;
                    return true;
                }
            if (!m_program->Running()) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

    // Waits until the window of that class has become active for the Nth time.
    bool WaitForActive(const std::string& Class, int Nth, TShownWindow& Window)
    {
        std::string line;
        if (!WaitForLine("active " + Class + " ", Nth, line)) return false;
        std::istringstream in(line.substr(8 + Class.size()));
        Integer w = 0, h = 0;
        in >> Window.Client.Left >> Window.Client.Top >> w >> h;
        Window.Class = Class;
        Window.Client.Right = Window.Client.Left + w;
        Window.Client.Bottom = Window.Client.Top + h;
        return true;
    }

    // A screenshot once the main window's face shows below its last step, the window drawn.
    TImage PaintedScreenshot(const std::string& File)
    {
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(WaitMs);
        while (std::chrono::steady_clock::now() < end) {
            TImage shot = Screenshot(m_x.Display(), File);
            if (shot && PixelAt(shot.get(), m_main.Left + 300, m_main.Top + 350) == Rgb(Configurator_Face_Color) &&
                PixelAt(shot.get(), m_main.Left + 20, m_main.Top + 295) != Rgb(Configurator_Face_Color))
                return shot;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return nullptr;
    }

    // The screen point of a control's client point, from the same window built headless, whose
    // client area lies at Client on the screen (default: the main window's).
    TPoint OnScreen(TControl* Control, TPoint P) const { return InClient(m_main, InForm(Control, P)); }
    // A control's client point in its form's client area.
    static TPoint InForm(TControl* Control, TPoint P)
    {
        TPoint s = Control->ClientToScreen(P), f = GetParentForm(Control)->ClientToScreen({0, 0});
        return {s.X - f.X, s.Y - f.Y};
    }

    // Waits until the program's output (the update program's included) holds Text.
    bool WaitForOutput(const std::string& Text)
    {
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(WaitMs);
        while (std::chrono::steady_clock::now() < end) {
            if (Output().find(Text) != std::string::npos) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

    void Key(const std::string& Name) { ASSERT_EQ(RunTool({"xdotool", "key", Name}, m_x.Display()), 0); }

    // A new configuration made as a person makes it: the New button, the name typed, Enter; true
    // once the main window is back (active for the second time).
    bool Make_Configuration(TPoint NewButton, const std::string& Name)
    {
        Click(NewButton);
        TShownWindow dialog, back;
        if (!WaitForActive("TFNew_Project", 1, dialog)) return false;
        if (RunTool({"xdotool", "type", "--delay", "40", Name}, m_x.Display()) != 0) return false;
        Key("Return");
        return WaitForActive("TFPlenatoreFirmWare", 2, back);
    }

    // Where the parameter window's fields and OK button are, from its client origin; asked of
    // the window built headless (call it with the program created in a harness).
    struct TParGenPoints {
        std::array<TPoint, 4> EthernetIp;
        TPoint MasterIp1, Ok;
    };
    static TParGenPoints ParGen_Points(THarness& H)
    {
        FParGen->Show();
        H.ProcessMessages();
        TParGenPoints points;
        for (Integer k = 0; k < 4; ++k)
            points.EthernetIp[k] = InForm(FParGen->Field_Edit(TParGenKey(pgEthernet_IP1 + k)), {30, 10});
        points.MasterIp1 = InForm(FParGen->Field_Edit(pgMaster_IP1), {30, 10});
        points.Ok = InForm(FParGen->Btn_OK, {45, 14});
        FParGen->Hide();
        return points;
    }

    // Clicks into a field of up to three characters, clears it and types Text.
    void Retype(TPoint Field, const std::string& Text)
    {
        Click(Field);
        ASSERT_EQ(RunTool({"xdotool", "key", "End", "BackSpace", "BackSpace", "BackSpace"}, m_x.Display()), 0);
        ASSERT_EQ(RunTool({"xdotool", "type", "--delay", "40", Text}, m_x.Display()), 0);
    }

    void Click(TPoint P)
    {
        ASSERT_EQ(
            RunTool({"xdotool", "mousemove", std::to_string(P.X), std::to_string(P.Y), "click", "1"}, m_x.Display()),
            0);
    }

    TXvfb m_x;
    ScratchDir m_dir{"program-on-display"};
    fs::path m_exe;
    std::string m_log;
    int m_runs = 0;
    std::unique_ptr<TChildProcess> m_program;
    TRect m_main;
};

TEST_F(ProgramOnDisplay, TheMainWindowCentredWithItsStepsAsTheHeadlessBackEndPaintsIt)
{
    EXPECT_EQ(m_main.Width(), 694);
    EXPECT_EQ(m_main.Height(), 396);
    // Centred on Xvfb's 1280 x 1024 screen (no window manager: no panel takes space).
    EXPECT_EQ(m_main.Left, (1280 - 694) / 2);
    EXPECT_EQ(m_main.Top, (1024 - 396) / 2);
    TImage shot = PaintedScreenshot(picturePath("configurator_main.png").string());
    ASSERT_TRUE(shot) << "the main window never showed on the screen; output:\n" << Output();
    // Start-up made its folders beside the program.
    for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"}) EXPECT_TRUE(fs::is_directory(m_dir / folder));

    // The same window, in the same folder, on the headless back end.
    THarness h;
    TFPlenatoreFirmWare* form = Create_Program({Utf8ToString(m_dir.path().string())});
    form->Show();
    h.ProcessMessages();
    cairo_surface_t* headless = h.Display().WindowSurface(form->Handle());
    ASSERT_NE(headless, nullptr);
    ASSERT_EQ(cairo_image_surface_get_width(headless), m_main.Width());
    ASSERT_EQ(cairo_image_surface_get_height(headless), m_main.Height());
    // The display may still be painting the last buttons when the face first shows: compare
    // again until the screen settles, and judge the last picture.
    int differing = 0;
    TPoint first{-1, -1};
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(WaitMs);
    do {
        differing = 0;
        for (int y = 0; y < m_main.Height(); ++y)
            for (int x = 0; x < m_main.Width(); ++x)
                if (PixelAt(headless, x, y) != PixelAt(shot.get(), m_main.Left + x, m_main.Top + y)) {
                    if (differing++ == 0) first = {x, y};
                }
        if (differing == 0 || std::chrono::steady_clock::now() >= end) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        shot = Screenshot(m_x.Display(), picturePath("configurator_main.png").string());
        ASSERT_TRUE(shot);
    } while (true);
    EXPECT_EQ(differing, 0) << "first difference at " << first.X << ", " << first.Y;
    if (differing) h.SavePng(form, Utf8ToString(picturePath("configurator_main_headless.png").string()));
}

TEST_F(ProgramOnDisplay, ANewConfigurationMadeWithMouseAndKeysIsReopenedAfterARestart)
{
    ASSERT_TRUE(PaintedScreenshot(m_dir.path().string() + "/screen.png")) << Output();
    std::string line;
    ASSERT_TRUE(WaitForLine("conf ", 1, line));
    EXPECT_EQ(line, "conf None Configuration Opened |Use Step1 to open or create new configuration");

    // The buttons' places, from the same window built headless.
    TPoint newButton, closeButton;
    {
        THarness h;
        TFPlenatoreFirmWare* form = Create_Program({Utf8ToString(m_dir.path().string())});
        newButton = OnScreen(form->Btn_New, {40, 18});
        closeButton = OnScreen(form->Btn_Close, {25, 25});
    }
    Click(newButton);
    TShownWindow dialog;
    ASSERT_TRUE(WaitForActive("TFNew_Project", 1, dialog)) << Output();
    EXPECT_EQ(dialog.Client.Width(), 331);
    EXPECT_EQ(dialog.Client.Height(), 162);
    // The name field has the focus: type and confirm with Enter.
    ASSERT_EQ(RunTool({"xdotool", "type", "--delay", "40", "Anlage 1"}, m_x.Display()), 0);
    Screenshot(m_x.Display(), picturePath("configurator_new_dialog.png").string());
    ASSERT_EQ(RunTool({"xdotool", "key", "Return"}, m_x.Display()), 0);
    TShownWindow back;
    ASSERT_TRUE(WaitForActive("TFPlenatoreFirmWare", 2, back)) << Output();
    EXPECT_TRUE(fs::is_directory(m_dir / "PROJECTS" / "Anlage 1" / "bin"));
    Screenshot(m_x.Display(), picturePath("configurator_new_configuration.png").string());

    // Closing keeps the configuration in the settings file and ends the program cleanly.
    Click(closeButton);
    EXPECT_EQ(m_program->WaitExit(WaitMs), 0) << Output();
    EXPECT_NE(readBytes(m_dir / "Plenator.xml").find("<projectname>Anlage 1</projectname>"), std::string::npos);

    Launch();
    ASSERT_TRUE(WaitForLine("conf ", 1, line));
    EXPECT_EQ(line, "conf Opened Configuration of the Converter : |Anlage 1");
    EXPECT_TRUE(PaintedScreenshot(picturePath("configurator_reopened.png").string())) << Output();
}

TEST_F(ProgramOnDisplay, AnUpdateRunsFromTheStepButtonToTheUpdateProgram)
{
    if (TIcmpEcho::SocketKind() == TIcmpSocketKind::None)
        GTEST_SKIP() << "NO ICMP SOCKET: neither an unprivileged ICMP datagram socket (net.ipv4.ping_group_range) "
                        "nor a raw socket (CAP_NET_RAW) can be opened here, so the device check cannot reach 127.0.0.1";
    // The update stand-in beside the program, as the update program would be, and the firmware
    // placeholder in MASTER.
    std::error_code ec;
    fs::create_hard_link(GW_ETHERNET_UPDATE_EXE, m_dir / "Ethernet_Update", ec);
    if (ec) fs::copy_file(GW_ETHERNET_UPDATE_EXE, m_dir / "Ethernet_Update");
    fs::create_directories(m_dir / "MASTER");
    fs::copy_file(GW_FIRMWARE_PLACEHOLDER, m_dir / "MASTER" / "Sim52818.sim");
    ASSERT_TRUE(PaintedScreenshot(m_dir.path().string() + "/screen.png")) << Output();

    // Where the buttons are, from the same windows built headless.
    TPoint newButton, setButton, updateStep, closeButton, execute, cancel;
    TParGenPoints parGen;
    {
        THarness h;
        TFPlenatoreFirmWare* form = Create_Program({Utf8ToString(m_dir.path().string())});
        newButton = OnScreen(form->Btn_New, {40, 18});
        setButton = OnScreen(form->Btn_Prm_Gen, {40, 18});
        updateStep = OnScreen(form->Btn_CreateBin, {40, 18});
        closeButton = OnScreen(form->Btn_Close, {25, 25});
        parGen = ParGen_Points(h);
        FBoot->Show();  // laid out as the update step shows it
        h.ProcessMessages();
        execute = InForm(FBoot->Btn_Update, {30, 10});
        cancel = InForm(FBoot->Btn_Cancel, {30, 10});
    }

    // A new configuration, made as a person makes it.
    ASSERT_TRUE(Make_Configuration(newButton, "Anlage 1")) << Output();
    TShownWindow back;
    const fs::path conf = m_dir / "PROJECTS" / "Anlage 1";
    ASSERT_TRUE(fs::is_directory(conf / "bin"));

    // Its parameters saved: the gateway's Ethernet address typed into Set Communication.
    Click(setButton);
    TShownWindow parameters;
    ASSERT_TRUE(WaitForActive("TFParGen", 1, parameters)) << Output();
    const char* octets[] = {"10", "1", "2", "3"};
    for (Integer k = 0; k < 4; ++k) Retype(InClient(parameters.Client, parGen.EthernetIp[k]), octets[k]);
    Click(InClient(parameters.Client, parGen.Ok));
    ASSERT_TRUE(WaitForActive("TFPlenatoreFirmWare", 3, back)) << Output();
    ASSERT_TRUE(fs::exists(conf / "ParGen.xml"));

    // "Update Device UDP": the image is built and the update window asks for the device.
    Click(updateStep);
    TShownWindow boot;
    ASSERT_TRUE(WaitForActive("TFBoot", 1, boot)) << Output();
    const std::string image = readBytes(conf / "bin" / "bank.bin");
    ASSERT_EQ(image.size(), 2368u);
    EXPECT_EQ(image.substr(0x28, 4), std::string("\x0A\x01\x02\x03", 4));  // the Ethernet address saved
    // The first octet has the focus; the dots move from octet to octet.
    ASSERT_EQ(RunTool({"xdotool", "type", "--delay", "40", "127.0.0.1"}, m_x.Display()), 0);
    Screenshot(m_x.Display(), picturePath("configurator_update.png").string());
    Click(InClient(boot.Client, execute));

    // The device answered: the update file names the device, the firmware and the image, and the
    // update program ran on it and ended well (no message follows).
    ASSERT_TRUE(WaitForOutput("Nothing was sent: this program is a stand-in")) << Output();
    const std::string update = readBytes(m_dir / "Ethernet_Update.xml");
    EXPECT_NE(update.find("<IP_Address_Dev>127.0.0.1</IP_Address_Dev>"), std::string::npos) << update;
    EXPECT_NE(update.find("<Ope_FileName>" + (m_dir / "MASTER" / "Sim52818.sim").string() + "</Ope_FileName>"),
              std::string::npos)
        << update;
    EXPECT_NE(update.find("<Ope_FileName>" + (conf / "bin" / "bank.bin").string() + "</Ope_FileName>"),
              std::string::npos)
        << update;

    // Without the firmware the update program refuses the file; its exit code is told.
    fs::remove(m_dir / "MASTER" / "Sim52818.sim");
    Click(InClient(boot.Client, execute));
    TShownWindow box;
    ASSERT_TRUE(WaitForActive("TMessageForm", 1, box)) << Output();
    EXPECT_NE(Output().find("firmware file"), std::string::npos) << Output();
    Screenshot(m_x.Display(), picturePath("configurator_update_error.png").string());
    Key("Return");
    ASSERT_TRUE(WaitForActive("TFBoot", 2, boot)) << Output();
    Click(InClient(boot.Client, cancel));
    ASSERT_TRUE(WaitForActive("TFPlenatoreFirmWare", 4, back)) << Output();

    // The address that answered is the last device address of the next start.
    Click(closeButton);
    EXPECT_EQ(m_program->WaitExit(WaitMs), 0) << Output();
    EXPECT_NE(readBytes(m_dir / "Plenator.xml").find("<ipaddress>127.0.0.1</ipaddress>"), std::string::npos);
}

TEST_F(ProgramOnDisplay, AnAddressTypedInTheParameterWindowIsSavedInParGen)
{
    ASSERT_TRUE(PaintedScreenshot(m_dir.path().string() + "/screen.png")) << Output();
    // Where the buttons and fields are, from the same windows built headless: the main window's
    // on the screen, the parameter window's from its own client origin.
    TPoint newButton, setButton;
    TParGenPoints parGen;
    {
        THarness h;
        TFPlenatoreFirmWare* form = Create_Program({Utf8ToString(m_dir.path().string())});
        newButton = OnScreen(form->Btn_New, {40, 18});
        setButton = OnScreen(form->Btn_Prm_Gen, {40, 18});
        parGen = ParGen_Points(h);
    }
    // A configuration to work on.
    Click(newButton);
    TShownWindow dialog;
    ASSERT_TRUE(WaitForActive("TFNew_Project", 1, dialog)) << Output();
    ASSERT_EQ(RunTool({"xdotool", "type", "--delay", "40", "Plant"}, m_x.Display()), 0);
    ASSERT_EQ(RunTool({"xdotool", "key", "Return"}, m_x.Display()), 0);
    TShownWindow back;
    ASSERT_TRUE(WaitForActive("TFPlenatoreFirmWare", 2, back)) << Output();

    Click(setButton);
    TShownWindow window;
    ASSERT_TRUE(WaitForActive("TFParGen", 1, window)) << Output();
    EXPECT_EQ(window.Client.Width(), 460);
    EXPECT_EQ(window.Client.Height(), 700);
    Retype(InClient(window.Client, parGen.EthernetIp[3]), "77");
    // The dots move along the master's octets.
    Retype(InClient(window.Client, parGen.MasterIp1), "10.20.30.40");
    const std::string geometry =
        "460x700+" + std::to_string(window.Client.Left) + "+" + std::to_string(window.Client.Top);
    EXPECT_EQ(RunTool({"import", "-window", "root", "-crop", geometry, "+repage",
                       picturePath("configurator_par_gen.png").string()},
                      m_x.Display(), 20000),
              0);
    Click(InClient(window.Client, parGen.Ok));
    ASSERT_TRUE(WaitForActive("TFPlenatoreFirmWare", 3, back)) << Output();

    // The file as another XML reader sees it.
    const fs::path file = m_dir / "PROJECTS" / "Plant" / "ParGen.xml";
    int rc = -1;
    const std::string out = runCommand("xmllint --xpath 'concat(/Par_Gen/Ethernet_IP4, \" \", "
                                       "/Par_Gen/EtherNetIP_Master_IP1, \".\", /Par_Gen/EtherNetIP_Master_IP2, \".\", "
                                       "/Par_Gen/EtherNetIP_Master_IP3, \".\", /Par_Gen/EtherNetIP_Master_IP4, \" \", "
                                       "count(/Par_Gen/*))' '" +
                                           file.string() + "'",
                                       &rc);
    EXPECT_EQ(rc, 0) << out;
    EXPECT_EQ(out, "77 10.20.30.40 34\n");
    EXPECT_EQ(pythonDom(file, "print(d.documentElement.tagName, d.childNodes[1].data)"),
              "Par_Gen SW_VERSION = 1.001\n");
}

// A grid cell's centre in its form's client area.
TPoint Cell_Centre(TExtColumnGrid* Grid, Integer ACol, Integer ARow)
{
    const TRect r = Grid->CellRect(ACol, ARow);
    TPoint s = Grid->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
    TPoint f = GetParentForm(Grid)->ClientToScreen({0, 0});
    return {s.X - f.X, s.Y - f.Y};
}

TEST_F(ProgramOnDisplay, ASlaveImportedFromAnEdsFileReachesTheImage)
{
    const bool icmp = TIcmpEcho::SocketKind() != TIcmpSocketKind::None;
    std::error_code ec;
    fs::create_hard_link(GW_ETHERNET_UPDATE_EXE, m_dir / "Ethernet_Update", ec);
    if (ec) fs::copy_file(GW_ETHERNET_UPDATE_EXE, m_dir / "Ethernet_Update");
    fs::create_directories(m_dir / "MASTER");
    fs::copy_file(GW_FIRMWARE_PLACEHOLDER, m_dir / "MASTER" / "Sim52818.sim");
    fs::create_directories(m_dir / "eds");
    fs::copy_file(GW_TABLES_TEST_DATA "/DEVICE.EDS", m_dir / "eds" / "DEVICE.EDS");
    ASSERT_TRUE(PaintedScreenshot(m_dir.path().string() + "/screen.png")) << Output();

    // Where the buttons and cells are, from the same windows built headless.
    RegisterTableWindows();
    TPoint newButton, setButton, slavesButton, updateStep, closeButton, execute, cancel;
    TPoint import, slavesOk, chooserOk, chooserRow2;
    std::array<TPoint, 6> cells;  // row 1: address, start and count of inputs and outputs, poll
    TParGenPoints parGen;
    {
        THarness h;
        TFPlenatoreFirmWare* form = Create_Program({Utf8ToString(m_dir.path().string())});
        newButton = OnScreen(form->Btn_New, {40, 18});
        setButton = OnScreen(form->Btn_Prm_Gen, {40, 18});
        slavesButton = OnScreen(form->Btn_EtherNetIP_Access, {40, 18});
        updateStep = OnScreen(form->Btn_CreateBin, {40, 18});
        closeButton = OnScreen(form->Btn_Close, {25, 25});
        parGen = ParGen_Points(h);
        FEtherNetIP_Master_Access->Show();
        h.ProcessMessages();
        import = InForm(FEtherNetIP_Master_Access->Btn_Import_EDS, {55, 14});
        slavesOk = InForm(FEtherNetIP_Master_Access->Btn_OK, {55, 14});
        for (Integer k = 0; k < 6; ++k) cells[k] = Cell_Centre(FEtherNetIP_Master_Access->ACG, scIP_Address + k, 1);
        FEtherNetIP_Master_Access->Hide();
        FEtherNEtIP_EDS->Show();
        // Showing fills the list from the file read (none here): rows for the two connections
        // are made after it, or row 2's cell would have no place and its point be the grid's corner.
        FEtherNEtIP_EDS->ACG->SetRowCount(3);
        h.ProcessMessages();
        chooserOk = InForm(FEtherNEtIP_EDS->Btn_OK, {45, 14});
        ASSERT_FALSE(IsRectEmpty(FEtherNEtIP_EDS->ACG->CellRect(1, 2)));
        chooserRow2 = Cell_Centre(FEtherNEtIP_EDS->ACG, 1, 2);
        FEtherNEtIP_EDS->Hide();
        FBoot->Show();
        h.ProcessMessages();
        execute = InForm(FBoot->Btn_Update, {30, 10});
        cancel = InForm(FBoot->Btn_Cancel, {30, 10});
    }

    // A configuration with its parameters saved.
    ASSERT_TRUE(Make_Configuration(newButton, "Plant")) << Output();
    TShownWindow back;
    const fs::path conf = m_dir / "PROJECTS" / "Plant";
    Click(setButton);
    TShownWindow parameters;
    ASSERT_TRUE(WaitForActive("TFParGen", 1, parameters)) << Output();
    Click(InClient(parameters.Client, parGen.Ok));
    ASSERT_TRUE(WaitForActive("TFPlenatoreFirmWare", 3, back)) << Output();
    ASSERT_TRUE(fs::exists(conf / "ParGen.xml"));

    // The slaves table: import the device's second connection through the file dialog.
    Click(slavesButton);
    TShownWindow slaves;
    ASSERT_TRUE(WaitForActive("TFEtherNetIP_Master_Access", 1, slaves)) << Output();
    EXPECT_EQ(slaves.Client.Width(), 1180);
    Click(InClient(slaves.Client, import));
    ASSERT_TRUE(WaitForWindow("Open")) << Output();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    // Without a window manager the dialog gets the keyboard when it is given it.
    RunTool({"xdotool", "search", "--onlyvisible", "--name", "Open", "windowfocus"}, m_x.Display(), 5000);
    Key("ctrl+l");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_EQ(RunTool({"xdotool", "type", "--delay", "20", (m_dir / "eds" / "DEVICE.EDS").string()}, m_x.Display()), 0);
    Screenshot(m_x.Display(), picturePath("configurator_eds_file_dialog.png").string());
    Key("Return");
    TShownWindow chooser;
    ASSERT_TRUE(WaitForActive("TFEtherNEtIP_EDS", 1, chooser)) << Output();
    Screenshot(m_x.Display(), picturePath("configurator_eds_chooser.png").string());
    // The second connection picked with the mouse, as a person picks it.
    Click(InClient(chooser.Client, chooserRow2));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    Screenshot(m_x.Display(), picturePath("configurator_eds_chooser_row2.png").string());
    Click(InClient(chooser.Client, chooserOk));
    ASSERT_TRUE(WaitForActive("TFEtherNetIP_Master_Access", 2, slaves)) << Output();

    // The address and the byte ranges typed into row 1, each cell confirmed with Enter.
    const char* typed[] = {"192.168.1.20", "2", "16", "3", "8", "100"};
    for (Integer k = 0; k < 6; ++k) {
        Click(InClient(slaves.Client, cells[k]));
        ASSERT_EQ(RunTool({"xdotool", "type", "--delay", "40", typed[k]}, m_x.Display()), 0);
        Key("Return");
    }
    Screenshot(m_x.Display(), picturePath("configurator_slaves_table.png").string());
    Click(InClient(slaves.Client, slavesOk));
    ASSERT_TRUE(WaitForActive("TFPlenatoreFirmWare", 4, back)) << Output();

    // The slaves file as another XML reader sees it.
    const fs::path file = conf / "EtherNetIP_Master_Rules.xml";
    int rc = -1;
    const std::string out = runCommand("xmllint --xpath 'concat(count(//row), \" \", //row[1]/@IP_Address, \" \", "
                                       "//row[1]/@Num_Input, \" \", //row[1]/@Instance_T_O, \" \", "
                                       "//row[1]/@Connection_Point_O_T, \" \", //row[1]/@Dim_Header_O_T)' '" +
                                           file.string() + "'",
                                       &rc);
    EXPECT_EQ(rc, 0) << out;
    EXPECT_EQ(out, "1 192.168.1.20 16 6 112 3\n") << Output();

    // "Update Device UDP" builds the image with the slave's record after the parameter block.
    Click(updateStep);
    TShownWindow boot;
    ASSERT_TRUE(WaitForActive("TFBoot", 1, boot)) << Output();
    const std::string image = readBytes(conf / "bin" / "bank.bin");
    ASSERT_EQ(image.size(), Bank_Image_Size);
    const std::string record = image.substr(Bank_Block_Size, Bank_Record_Size);
    const std::string expected("\xC0\xA8\x01\x14"  // 192.168.1.20
                               "\x02\x00\x10\x00\x00\x00"  // start input 2, 16 bytes, offset 0
                               "\x03\x00\x08\x00\x00\x00"  // start output 3, 8 bytes, offset 0
                               "\x06\x00\x71\x00\x05\x00\x70\x00"  // T > O 6 / 113, O > T 5 / 112
                               "\x64\x00\x00\x00"  // poll 100
                               "\x1A\x00\x00\x00",  // header sizes 2 | 3 << 3
                               32);
    EXPECT_EQ(record, expected);
    ASSERT_EQ(RunTool({"xdotool", "type", "--delay", "40", "127.0.0.1"}, m_x.Display()), 0);
    if (icmp) {
        Click(InClient(boot.Client, execute));
        EXPECT_TRUE(WaitForOutput("Nothing was sent: this program is a stand-in")) << Output();
    }
    Click(InClient(boot.Client, cancel));
    ASSERT_TRUE(WaitForActive("TFPlenatoreFirmWare", 5, back)) << Output();
    Click(closeButton);
    EXPECT_EQ(m_program->WaitExit(WaitMs), 0) << Output();
}

}  // namespace
}  // namespace gw::test
