// Tests of the step dispatch: every button with and without a configuration, the update step's
// image and its failures, and the options step's settings file and timer.
#include "core/step_dispatch.h"

#include "core/main_window.h"
#include "core/soft_options_window.h"
#include "imagebutton/img_button.h"
#include "platform/controls/check_box.h"
#include "platform/controls/page_control.h"
#include "platform/ui/timer.h"
#include "tests/core/program_fixture.h"

namespace gw::test {
namespace {

constexpr const char* Refused = "TMessageForm: Error! Project not Valid";
constexpr const char* Nothing = "";
constexpr const char* Closed = "closed";

struct DispatchCase {
    TStepButton button;
    const char* withoutConf;  // what the click shows with no configuration open
    const char* withStandIns;  // with one open, every later window standing in
    const char* thisBuild;  // with one open, the windows of this build only
};

// Buttons whose window or file writer comes later do nothing in this build.
const DispatchCase Dispatch_Cases[] = {
    {sbNew, "TFNew_Project", "TFNew_Project", "TFNew_Project"},
    {sbOpen, "TFOpenConf", "TFOpenConf", "TFOpenConf"},
    {sbClose, Closed, Closed, Closed},
    {sbInfo, "TFAbout", "TFAbout", "TFAbout"},
    {sbOpz, "TFSoftOptions", "TFSoftOptions", "TFSoftOptions"},
    {sbPrm_Gen, Refused, "TFParGen", "TFParGen"},
    {sbEtherNetIP_Access, Refused, "TFEtherNetIP_Master_Access", Nothing},
    {sbPROFIBUS_GSD, Refused, Nothing, Nothing},
    {sbCAN_Rec_Frame, Refused, "TFReceiveCAN", Nothing},
    {sbCAN_Send_Frame, Refused, "TFTransmitCAN", Nothing},
    {sbBACnet_SetAccess, Refused, "TFBACnetSlaveSetAccess", Nothing},
    {sbBACnet_EDE_File, Refused, Nothing, Nothing},
    {sbPROFINET_XML, Refused, Nothing, Nothing},
    {sbSNMP_Trap, Refused, "TFSNMP_Trap_Access", Nothing},
    {sbSNMP_MIB, Refused, Nothing, Nothing},
    {sbKNX_Access, Refused, "TFKNXAccess", Nothing},
    {sbMQTT_Set_Topic, Refused, "TFMQTT_Set_Topic", Nothing},
    {sbPDO_CANopen, Refused, "TFSet_PDO_Access", Nothing},
    {sbSDO_Client_CANopen, Refused, "TFSet_SDO_Client_Access", Nothing},
    {sbSDO_Server_CANopen, Refused, "TFSet_SDO_Server_Access", Nothing},
    {sbCANopen_EDS, Refused, Nothing, Nothing},
    {sbCreateBin, Refused, "TFBoot", "TFBoot"},
};

// Starts a program in its own folder, clicks the button and tells what it showed.
std::string Click_Once(TStepButton Button, bool With_Conf, bool Stand_Ins)
{
    ScratchDir dir("core-dispatch");
    THarness h;
    if (With_Conf) {
        std::filesystem::create_directories(dir / "PROJECTS" / "Plant" / "bin");
        writeBytes(dir / "Plenator.xml",
                   "<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj>"
                   "</Conf_Settings>");
    }
    std::vector<std::string> log;
    TFPlenatoreFirmWare* main = Create_Program(
        {Utf8ToString(dir.path().string()), Stand_Ins ? With_Stand_Ins(log) : Program_Window_Factories()});
    main->Show();
    h.ProcessMessages();
    std::string seen;
    Answer_Next_Modal(h, seen);
    // The hidden buttons of this model are part of the program all the same.
    TImgButton* button = main->Step_Button(Button);
    if (button->Visible())
        h.Click(button);
    else
        main->Btn_Click(button);
    if (Application->Terminated()) return Closed;
    return seen;
}

TEST(StepDispatch, EveryButtonWithAndWithoutAConfiguration)
{
    ASSERT_EQ(std::size(Dispatch_Cases), size_t(Step_Button_Count));
    for (const DispatchCase& c : Dispatch_Cases) {
        SCOPED_TRACE(int(c.button));
        EXPECT_EQ(Click_Once(c.button, false, true), c.withoutConf);
        EXPECT_EQ(Click_Once(c.button, true, true), c.withStandIns);
        EXPECT_EQ(Click_Once(c.button, true, false), c.thisBuild);
    }
}

using StepTest = ProgramFixture;

TEST_F(StepTest, UpdateDeviceWritesTheImageThenOpensTheUpdateWindow)
{
    Make_Conf("Plant");
    Write_Settings("Plant");
    Start(With_Stand_Ins(log));
    std::string seen;
    Answer_Next_Modal(h, seen);
    h.Click(main->Btn_CreateBin);
    EXPECT_EQ(seen, "TFBoot");
    EXPECT_EQ(readBytes(Conf("Plant") / "bin" / "bank.bin").size(), 2368u);
}

TEST_F(StepTest, UpdateDeviceStopsWithTheErrorAndOpensNothing)
{
    struct Case {
        const char* name;
        const char* parGen;  // nullptr: none
        const char* slaves;  // nullptr: none
        bool binIsAFile;
        const char* message;  // a part of the error shown
    };
    const Case cases[] = {
        {"ParGen.xml not well-formed", "<Par_Gen><Ethernet_IP1>1</Par_Gen>", nullptr, false, "ParGen.xml"},
        {"slaves file not well-formed", nullptr, "<EtherNetIP_Master_Access><row", false,
         "EtherNetIP_Master_Rules.xml"},
        {"unusable slave address in row 2", nullptr,
         "<EtherNetIP_Master_Access><row Enable=\"N\" IP_Address=\"x\"/><row Enable=\"Y\" IP_Address=\"10.0.0\"/>"
         "</EtherNetIP_Master_Access>",
         false, "Fehler Zeile 2: keine IP-Adresse"},
        {"bin cannot be written", nullptr, nullptr, true, "bin"},
    };
    // The address error is composed from the texts of the language in use.
    Write_Language("Deutsch",
                   "STR831 = \xC2\xB6"
                   "Fehler Zeile \xC2\xB6\nSTR832 = : keine IP-Adresse\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir each("core-dispatch-update");
        THarness harness;
        const auto conf = each / "PROJECTS" / "Plant";
        std::filesystem::create_directories(conf);
        std::filesystem::create_directories(each / "LANGUAGE");
        std::filesystem::copy_file(dir / "LANGUAGE" / "Deutsch.lng", each / "LANGUAGE" / "Deutsch.lng");
        writeBytes(each / "Plenator.xml",
                   "<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj>"
                   "<lastlang><language>Deutsch</language></lastlang></Conf_Settings>");
        if (c.parGen) writeBytes(conf / "ParGen.xml", c.parGen);
        if (c.slaves) writeBytes(conf / "EtherNetIP_Master_Rules.xml", c.slaves);
        if (c.binIsAFile) writeBytes(conf / "bin", "a file where the folder belongs");
        TFPlenatoreFirmWare* m = Create_Program({Path(each.path()), With_Stand_Ins(log)});
        m->Show();
        std::string seen;
        Answer_Next_Modal(harness, seen);
        harness.Click(m->Btn_CreateBin);
        EXPECT_EQ(seen.rfind("TMessageForm: ", 0), 0u) << seen;  // a message, not the update window
        EXPECT_NE(seen.find(c.message), std::string::npos) << seen;
        EXPECT_FALSE(std::filesystem::exists(conf / "bin" / "bank.bin"));
    }
}

TEST_F(StepTest, OptionsOkWritesTheSettingsAndSetsTheTimerCancelTouchesNeither)
{
    Start();
    ASSERT_FALSE(std::filesystem::exists(dir / "Plenator.xml"));
    h.AnswerModal(u"TFSoftOptions", [](TCustomForm& Form) { Form.ModalResult = mrCancel; });
    h.Click(main->Btn_Opz);
    EXPECT_FALSE(std::filesystem::exists(dir / "Plenator.xml"));

    // OK writes the file even when nothing changed.
    h.AnswerModal(u"TFSoftOptions", [this](TCustomForm&) { h.Click(FSoftOptions->Btn_OK); });
    h.Click(main->Btn_Opz);
    EXPECT_NE(readBytes(dir / "Plenator.xml").find("<enable_internet>0</enable_internet>"), std::string::npos);
    EXPECT_FALSE(main->Timer_Update->Enabled());

    h.AnswerModal(u"TFSoftOptions", [this](TCustomForm&) {
        FSoftOptions->PC_Options->SetActivePage(FSoftOptions->TS_Con_Options);
        h.Click(FSoftOptions->CB_En_Con);
        h.Click(FSoftOptions->CB_Update);
        h.Click(FSoftOptions->Btn_OK);
    });
    h.Click(main->Btn_Opz);
    const std::string saved = readBytes(dir / "Plenator.xml");
    EXPECT_NE(saved.find("<enable_internet>1</enable_internet>"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<enable_update>1</enable_update>"), std::string::npos) << saved;
    EXPECT_TRUE(main->Timer_Update->Enabled());

    const std::string before = readBytes(dir / "Plenator.xml");
    h.AnswerModal(u"TFSoftOptions", [this](TCustomForm& Form) {
        FSoftOptions->PC_Options->SetActivePage(FSoftOptions->TS_Con_Options);
        h.Click(FSoftOptions->CB_En_Con);
        Form.ModalResult = mrCancel;
    });
    h.Click(main->Btn_Opz);
    EXPECT_EQ(readBytes(dir / "Plenator.xml"), before);
    EXPECT_TRUE(main->Timer_Update->Enabled());
}

TEST_F(StepTest, OptionsOkThatCannotWriteTheSettingsSaysSoAndKeepsTheChoices)
{
    Start();
    std::filesystem::create_directories(dir / "Plenator.xml");
    h.AnswerMessage(u"Plenator.xml", mrOk);
    h.AnswerModal(u"TFSoftOptions", [this](TCustomForm&) {
        FSoftOptions->PC_Options->SetActivePage(FSoftOptions->TS_Con_Options);
        h.Click(FSoftOptions->CB_En_Con);
        h.Click(FSoftOptions->CB_Update);
        h.Click(FSoftOptions->Btn_OK);
    });
    h.Click(main->Btn_Opz);
    EXPECT_EQ(h.PendingAnswers(), 0u);
    EXPECT_TRUE(ProgramState.Internet_Enabled);
    EXPECT_TRUE(main->Timer_Update->Enabled());
}

}  // namespace
}  // namespace gw::test
