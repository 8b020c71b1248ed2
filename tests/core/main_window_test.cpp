// Tests of start-up, the main window's layout and texts, the language switch, the update timer,
// the links and closing.
#include "core/main_window.h"

#include "core/about_window.h"
#include "core/boot_window.h"
#include "core/new_project_window.h"
#include "core/open_conf_window.h"
#include "core/par_gen_window.h"
#include "core/soft_options_window.h"
#include "imagebutton/img_button.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/shape.h"
#include "platform/runtime/convert.h"
#include "platform/ui/timer.h"
#include "tests/core/program_fixture.h"
#include "tests/support/loopback_http.h"

#include <algorithm>
#include <chrono>

namespace gw::test {
namespace {

using MainWindowTest = ProgramFixture;

TEST_F(MainWindowTest, StartsWithoutASettingsFileInEnglishWithNothingOpen)
{
    ProgramState.Device_IP_Address = u"stale";
    ProgramState.Language_Name = u"stale";
    Start();
    const TProgramState& s = ProgramState;
    EXPECT_EQ(s.Exe_Dir, Path(dir.path()));
    for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(std::filesystem::is_directory(dir / folder)) << folder;
    EXPECT_EQ(s.Language_Name, u"English");
    EXPECT_FALSE(s.Conf_Opened());
    EXPECT_EQ(s.Opened_Conf_Name, u"");
    EXPECT_EQ(s.Path_ParGen, u"");
    EXPECT_EQ(s.Device_IP_Address, u"192.168.2.205");
    EXPECT_FALSE(main->Timer_Update->Enabled());
    EXPECT_EQ(main->L_Name_Conf->Caption(), u"None Configuration Opened ");
    EXPECT_EQ(main->L_Name_Conf_L2->Caption(), u"Use Step1 to open or create new configuration");
    EXPECT_EQ(main->Caption(), u"QuordaGate - Configurator CF52818 - RarudUra/ZU Vidira / Ethernet ");
    EXPECT_EQ(main->L_SW_Code->Caption(), u"CF52818");
    EXPECT_EQ(main->L_SW_Desc->Caption(), u"RarudUra/ZU Vidira / Ethernet - Converter");
    EXPECT_FALSE(main->LL_Update->Visible());
    // Nothing is written until the window closes.
    EXPECT_FALSE(std::filesystem::exists(dir / "Plenator.xml"));
}

TEST_F(MainWindowTest, TheLastConfigurationReopensOnlyWhenItsFolderIsThere)
{
    struct Case {
        const char* folder;  // nullptr: deleted
        bool open;
    };
    for (const Case& c : {Case{nullptr, false}, Case{"Plant", true}, Case{"PLANT", true}}) {
        ScratchDir each("core-program-reopen");
        THarness harness;
        writeBytes(each / "Plenator.xml",
                   "<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj>"
                   "</Conf_Settings>");
        if (c.folder) std::filesystem::create_directories(each / "PROJECTS" / c.folder);
        TFPlenatoreFirmWare* m = Create_Program({Path(each.path())});
        const TProgramState& s = ProgramState;
        SCOPED_TRACE(c.folder ? c.folder : "deleted");
        EXPECT_EQ(s.Conf_Opened(), c.open);
        EXPECT_EQ(s.Opened_Conf_Name, u"Plant");  // kept as read either way
        if (c.open) {
            const String folder = Path(each / "PROJECTS" / c.folder);
            EXPECT_EQ(s.Opened_Conf_Dir, folder);
            EXPECT_EQ(s.Path_ParGen, folder + u"/ParGen.xml");
            EXPECT_EQ(m->L_Name_Conf->Caption(), u"Opened Configuration of the Converter : ");
            EXPECT_EQ(m->L_Name_Conf_L2->Caption(), u"Plant");
        } else {
            EXPECT_EQ(m->L_Name_Conf->Caption(), u"None Configuration Opened ");
            // Every step but New, Open, Information, Options and Close refuses.
            harness.AnswerMessage(u"Error! Project not Valid", mrOk);
            m->Show();
            harness.Click(m->Btn_Prm_Gen);
            EXPECT_EQ(harness.PendingAnswers(), 0u);
        }
    }
}

TEST_F(MainWindowTest, ClientAreaAndTheVisibleStepsOfThisModel)
{
    Start();
    EXPECT_EQ(main->ClientWidth(), 694);
    EXPECT_EQ(main->ClientHeight(), 396);
    struct Shown {
        TImgButton* button;
        TRect bounds;
        const char16_t* caption;
    };
    const Shown shown[] = {
        {main->Btn_New, Bounds(80, 112, 170, 36), u"New Configuration"},
        {main->Btn_Open, Bounds(258, 112, 170, 36), u"Open Configuration"},
        {main->Btn_Prm_Gen, Bounds(80, 156, 170, 36), u"Set Communication"},
        {main->Btn_EtherNetIP_Access, Bounds(80, 200, 170, 36), u"EtherNet/IP Access"},
        {main->Btn_CreateBin, Bounds(80, 244, 170, 36), u"Update Device UDP"},
        {main->Btn_Info, Bounds(516, 8, 50, 50), u""},
        {main->Btn_Opz, Bounds(574, 8, 50, 50), u""},
        {main->Btn_Close, Bounds(632, 8, 50, 50), u""},
    };
    std::vector<TImgButton*> visible;
    for (Integer b = 0; b < Step_Button_Count; ++b)
        if (main->Step_Button(static_cast<TStepButton>(b))->Visible())
            visible.push_back(main->Step_Button(static_cast<TStepButton>(b)));
    ASSERT_EQ(visible.size(), std::size(shown));
    for (const Shown& s : shown) {
        SCOPED_TRACE(StringToUtf8(s.button->Name()));
        EXPECT_NE(std::find(visible.begin(), visible.end(), s.button), visible.end());
        EXPECT_EQ(s.button->BoundsRect(), s.bounds);
        if (*s.caption) {
            EXPECT_EQ(s.button->Caption(), s.caption);
        }
        EXPECT_FALSE(s.button->Hint.empty());
    }
    EXPECT_EQ(main->Btn_Info->Hint, u"Information");
    EXPECT_EQ(main->Btn_Close->Hint, u"Close Configurator");
    EXPECT_EQ(main->Btn_CreateBin->Hint, u"Update the actual Firmware and/or Configuration in the device");
    for (Integer k = 0; k < 8; ++k) {
        EXPECT_EQ(main->L_Step[k]->Visible(), k < 4) << k;
        EXPECT_EQ(main->L_Step[k]->Top(), 128 + 44 * k) << k;
        EXPECT_EQ(main->L_Step[k]->Caption(), u"Step " + IntToStr(k + 1));
    }
    EXPECT_EQ(main->L_Begin->Caption(), u"Begin");
    EXPECT_EQ(main->Shape1->BoundsRect(), Bounds(10, 295, 674, 1));
    EXPECT_EQ(main->L_Quorda->Left(), 565);
    EXPECT_EQ(main->L_Quorda->Top(), 260);
    EXPECT_EQ(main->Color(), TColor(0x00EDF7F8));
    EXPECT_EQ(main->Btn_New->HotTrackColor, clSkyBlue);
    EXPECT_EQ(main->Btn_Prm_Gen->HotTrackColor, clYellow);
    EXPECT_EQ(main->Btn_Prm_Gen->Style(), bsNormal);
    EXPECT_EQ(main->Btn_EtherNetIP_Access->Style(), bsEncarta);
}

TEST_F(MainWindowTest, ALanguageChangeRetitlesHiddenButtonsAndReachesEveryWindowInOrder)
{
    Write_Language("Deutsch",
                   "STR15 = Neue Konfiguration\nSTR29 = SNMP Zugriff\nSTR30 = SNMP Regeln\n"
                   "STR100 = Neue Konfiguration anlegen\nSTR200 = Konfiguration öffnen\n"
                   "STR300 = Optionen\nSTR9 = Keine Konfiguration \n");
    // Every window after the main one a stand-in that logs, so that the whole order shows.
    Start(With_Stand_Ins(log, /*Replace_Built=*/true));
    log.clear();
    ProgramState.Language_Name = u"Deutsch";
    ProgramState.Load_Language();
    main->Change_Language();
    EXPECT_FALSE(main->Btn_SNMP_Trap->Visible());
    EXPECT_EQ(main->Btn_SNMP_Trap->Caption(), u"SNMP Zugriff");
    EXPECT_EQ(main->Btn_SNMP_Trap->Hint, u"SNMP Regeln");
    EXPECT_EQ(main->Btn_New->Caption(), u"Neue Konfiguration");
    EXPECT_EQ(main->L_Name_Conf->Caption(), u"Keine Konfiguration");
    const std::vector<std::string> order = {
        "Set_Lang TFNew_Project",
        "Set_Lang TFOpenConf",
        "Set_Lang TFSoftOptions",
        "Set_Lang TFBoot",
        "Set_Lang TFParGen",
        "Set_Lang TFEtherNetIP_Master_Access",
        "Set_Lang TFEtherNEtIP_EDS",
        "Set_Lang TFProfinetFileName",
        "Set_Lang TFSNMP_Trap_Access",
        "Set_Lang TFReceiveCAN",
        "Set_Lang TFTransmitCAN",
        "Set_Lang TFSet_PDO_Access",
        "Set_Lang TFSet_SDO_Client_Access",
        "Set_Lang TFSet_SDO_Server_Access",
        "Set_Lang TFBACnetSlaveSetAccess",
        "Set_Lang TFBACnet_Eng_Unit",
        "Set_Lang TFKNXAccess",
        "Set_Lang TFMQTT_Set_Topic",
        "Set_Lang TFTopicTemplate",
    };
    EXPECT_EQ(log, order);  // the About window keeps its English captions
}

TEST_F(MainWindowTest, TheRealWindowsFollowALanguageChangeAndTheAboutWindowDoesNot)
{
    Write_Language("Deutsch",
                   "STR100 = Neue Konfiguration anlegen\nSTR200 = Konfiguration \xC3\xB6"
                   "ffnen\nSTR300 = Optionen\nSTR400 = Kommunikation\nSTR1006 = IP-Adresse des Ger\xC3\xA4ts\n");
    Start();
    ProgramState.Language_Name = u"Deutsch";
    ProgramState.Load_Language();
    main->Change_Language();
    EXPECT_EQ(FNew_Project->Caption(), u"Neue Konfiguration anlegen");
    EXPECT_EQ(FOpenConf->Caption(), u"Konfiguration \u00F6ffnen");
    EXPECT_EQ(FSoftOptions->Caption(), u"Optionen");
    EXPECT_EQ(main->Window(pwAbout)->Caption(), u"About...");
    // Created in their order, each with its global instance.
    EXPECT_EQ(main->Window(pwNew_Project), FNew_Project);
    EXPECT_EQ(main->Window(pwOpenConf), FOpenConf);
    EXPECT_EQ(main->Window(pwSoftOptions), FSoftOptions);
    EXPECT_EQ(main->Window(pwParGen), FParGen);
    EXPECT_EQ(FParGen->Caption(), u"Kommunikation");
    EXPECT_EQ(FBoot->L_IP_Address->Caption(), u"IP-Adresse des Ger\u00E4ts");
    EXPECT_EQ(Application->MainForm(), main);
}

TEST_F(MainWindowTest, TheTimerChecksAfterAMinuteThenEveryTwoHours)
{
    Write_Settings("", /*Internet=*/true, /*Update=*/true);
    Start();
    ASSERT_TRUE(main->Timer_Update->Enabled());
    {
        Responder newer(Answer("200 OK", "VER. 1.002"));
        main->Web_Host = S(newer.Host());
        h.Advance(59999);
        EXPECT_FALSE(main->LL_Update->Visible());
        h.Advance(1);
        EXPECT_TRUE(main->LL_Update->Visible());
        ASSERT_EQ(main->LL_Update->Segments().size(), 1u);
        EXPECT_EQ(main->LL_Update->Segments()[0].Text, u"New Version Available. Click Here for more Details");
        EXPECT_EQ(main->LL_Update->Segments()[0].Link,
                  S("http://" + newer.Host() + "/Home/download/download.asp#GW52818"));
        EXPECT_TRUE(main->Timer_Update->Enabled());
        EXPECT_EQ(main->Timer_Update->Interval(), 7200000u);
        // The main window's own client asks, naming this program and no other.
        const std::vector<std::string> lines = newer.RequestLines();
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines[0], "GET /home/download/GetversionSW.asp?nomesw=CF52818 HTTP/1.0");
        EXPECT_NE(std::find(lines.begin(), lines.end(), "User-Agent: CF52818-Configurator/1.001"), lines.end());
    }
    main->LL_Update->ClickLink(0);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_NE(opened[0].find("/Home/download/download.asp#GW52818"), std::string::npos);
    {
        Responder same(Answer("200 OK", "VER. 1.001"));
        main->Web_Host = S(same.Host());
        h.Advance(7199999);
        EXPECT_TRUE(main->LL_Update->Visible());
        h.Advance(1);
        EXPECT_FALSE(main->LL_Update->Visible());
        EXPECT_TRUE(main->Timer_Update->Enabled());
    }
    // A service that stops answering hides a link shown before, within the client's limit, and
    // the checks go on.
    {
        Responder again(Answer("200 OK", "VER. 1.002"));
        main->Web_Host = S(again.Host());
        h.Advance(7200000);
        ASSERT_TRUE(main->LL_Update->Visible());
    }
    {
        Responder silent("", /*silent=*/true);
        main->Web_Host = S(silent.Host());
        main->HTTP1.TotalTimeoutMs = 300;
        const auto start = std::chrono::steady_clock::now();
        h.Advance(7200000);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
        EXPECT_FALSE(main->LL_Update->Visible());
        EXPECT_TRUE(main->Timer_Update->Enabled());
        EXPECT_EQ(main->Timer_Update->Interval(), 7200000u);
    }
}

TEST_F(MainWindowTest, TheTimerStaysOffUnlessBothSwitchesAreOn)
{
    for (const auto& [internet, update] : {std::pair{true, false}, std::pair{false, true}, std::pair{false, false}}) {
        ScratchDir each("core-program-timer");
        THarness harness;
        writeBytes(each / "Plenator.xml",
                   std::string("<Conf_Settings><lastinternet><enable_internet>") + (internet ? "1" : "0") +
                       "</enable_internet><enable_update>" + (update ? "1" : "0") +
                       "</enable_update></lastinternet></Conf_Settings>");
        TFPlenatoreFirmWare* m = Create_Program({Path(each.path())});
        EXPECT_FALSE(m->Timer_Update->Enabled()) << internet << update;
    }
}

TEST_F(MainWindowTest, TheWebLabelsOpenTheMakersHomePage)
{
    Start();
    h.Click(main->L_Quorda);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], "http://quorda.example/HOME/default.asp?frompg=CF52818");
    EXPECT_EQ(main->L_Quorda->Caption(), u"quorda.example");
}

TEST_F(MainWindowTest, TheAboutWindowShowsTheProgramInEnglishWhateverTheLanguage)
{
    Write_Language("Deutsch", "STR12 = Information (de)\n");
    Write_Settings("", false, false, "Deutsch");
    Start();
    ASSERT_EQ(main->Btn_Info->Hint, u"Information (de)");
    h.AnswerModal(u"TFAbout", [this](TCustomForm& Form) {
        auto& about = dynamic_cast<TFAbout&>(Form);
        EXPECT_EQ(about.Caption(), u"About...");
        EXPECT_EQ(about.ClientWidth(), 425);
        EXPECT_EQ(about.ClientHeight(), 148);
        EXPECT_EQ(about.Label1->Caption(), u"Software Plenator ");
        EXPECT_EQ(about.Label2->Caption(), u"RarudUra/ZU Vidira / Ethernet - Converter");
        EXPECT_EQ(about.Label9->Caption(), u"CF52818");
        EXPECT_EQ(about.Label10->Caption(), u"1.001");
        EXPECT_EQ(about.Label12->Caption(), u"UM52818");
        EXPECT_EQ(about.Label4->Caption(), u"quorda.example");
        h.Click(about.Label4);
        h.Click(about.Image2);
        h.Click(about.ImgButton1);
        EXPECT_EQ(Form.ModalResult, mrOk);
    });
    h.Click(main->Btn_Info);
    EXPECT_EQ(h.PendingAnswers(), 0u);
    const std::string home = "http://quorda.example/HOME/default.asp?frompg=CF52818";
    EXPECT_EQ(opened, (std::vector<std::string>{home, home}));
}

TEST_F(MainWindowTest, ClosingWritesTheSettings)
{
    Make_Conf("Plant");
    Write_Settings("Plant");
    Start();
    ProgramState.Device_IP_Address = u"10.1.2.3";
    h.Click(main->Btn_Close);
    EXPECT_TRUE(Application->Terminated());
    const std::string saved = readBytes(dir / "Plenator.xml");
    EXPECT_NE(saved.find("<projectname>Plant</projectname>"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<ipaddress>10.1.2.3</ipaddress>"), std::string::npos) << saved;
}

TEST_F(MainWindowTest, ClosingShowsWhyTheSettingsCouldNotBeWrittenAndStillEnds)
{
    Start();
    // A folder where the settings file belongs: it cannot be replaced.
    std::filesystem::create_directories(dir / "Plenator.xml");
    h.AnswerMessage(u"Plenator.xml", mrOk);
    main->Close();
    EXPECT_EQ(h.PendingAnswers(), 0u);
    EXPECT_TRUE(Application->Terminated());
}

}  // namespace
}  // namespace gw::test
