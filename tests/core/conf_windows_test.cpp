// Tests of the New and Open configuration windows as the main window's steps run them.
#include "core/new_project_window.h"
#include "core/open_conf_window.h"

#include "core/main_window.h"
#include "imagebutton/img_button.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/controls/list_box.h"
#include "tests/core/program_fixture.h"

namespace gw::test {
namespace {

using ConfWindowsTest = ProgramFixture;

struct NewCase {
    const char16_t* name;
    const char* refusal;  // nullptr: created
};

TEST_F(ConfWindowsTest, NewCreatesAValidNameAndRefusesTheOthers)
{
    Make_Conf("Alpha");
    Start();
    const NewCase cases[] = {
        {u"", "Error! Name Project is not valid"},
        {u"Alpha", "Error! Name project is not valid because directory already exists"},
        {u"ALPHA", "Error! Name project is not valid because directory already exists"},
        {u"a/b", "Error! Name project is not valid"},
        {u"Alpha\\b", "Error! Name project is not valid"},
        {u"..", "Error! Name project is not valid"},
        {u".hidden", "Error! Name project is not valid"},
        {u"bad:name", "Error! Name project is not valid"},
        {u"trailing ", "Error! Name project is not valid"},
        {u"Anlage S\u00FCd 1", nullptr},
    };
    for (const NewCase& c : cases) {
        SCOPED_TRACE(StringToUtf8(c.name));
        std::string outcome;
        h.AnswerModal(u"TFNew_Project", [&](TCustomForm& Form) {
            EXPECT_EQ(FNew_Project->E_New_Proj->Text(), u"");  // emptied each time it is shown
            FNew_Project->E_New_Proj->SetText(c.name);
            if (c.refusal) h.AnswerMessage(S(c.refusal), mrOk);
            h.Click(FNew_Project->Btn_OK);
            outcome = Form.ModalResult == mrOk ? "created" : "stays open";
            if (Form.ModalResult == mrNone) Form.ModalResult = mrCancel;
        });
        h.Click(main->Btn_New);
        EXPECT_EQ(h.PendingAnswers(), 0u);
        if (c.refusal) {
            EXPECT_EQ(outcome, "stays open");
            ASSERT_FALSE(h.MessagesShown().empty());
            EXPECT_EQ(h.MessagesShown().back(), S(c.refusal));  // exactly this text
        } else {
            EXPECT_EQ(outcome, "created");
            const String folder = Path(Conf("Anlage S\xC3\xBC"
                                            "d 1"));
            EXPECT_TRUE(std::filesystem::is_directory(Conf("Anlage S\xC3\xBC"
                                                           "d 1") /
                                                      "bin"));
            EXPECT_EQ(ProgramState.Opened_Conf_Dir, folder);
            EXPECT_EQ(ProgramState.Opened_Conf_Name, c.name);
            EXPECT_EQ(ProgramState.Path_PDO_CANopen, folder + u"/PDO_CANopen.xml");
            EXPECT_EQ(main->L_Name_Conf->Caption(), u"Opened Configuration of the Converter : ");
            EXPECT_EQ(main->L_Name_Conf_L2->Caption(), c.name);
        }
    }
    // Nothing but the one new configuration and its bin was created.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "PROJECTS"), {}), 2);
}

TEST_F(ConfWindowsTest, EnterInTheNameFieldConfirmsAndCancelChangesNothing)
{
    Start();
    h.AnswerModal(u"TFNew_Project", [this](TCustomForm&) {
        h.Click(FNew_Project->E_New_Proj);
        h.Type(u"plant");
        h.Press(VK_RETURN);
    });
    h.Click(main->Btn_New);
    EXPECT_TRUE(std::filesystem::is_directory(Conf("plant")));
    EXPECT_EQ(ProgramState.Opened_Conf_Name, u"plant");

    h.AnswerModal(u"TFNew_Project", [this](TCustomForm&) {
        FNew_Project->E_New_Proj->SetText(u"other");
        h.Click(FNew_Project->Btn_Cancel);
    });
    h.Click(main->Btn_New);
    EXPECT_FALSE(std::filesystem::exists(Conf("other")));
    EXPECT_EQ(ProgramState.Opened_Conf_Name, u"plant");
}

struct OpenCase {
    const char* label;
    std::vector<std::string> folders;
    const char16_t* openAtStart;  // the settings file's configuration (empty: none)
    std::vector<String> listed;
    Integer preselected;
    Integer clicked;  // the entry clicked before OK, -1: none
    bool cancel;
    const char16_t* openAfter;  // empty: none open
};

TEST_F(ConfWindowsTest, OpenListsPreselectsAndOpens)
{
    const OpenCase cases[] = {
        {"the open one preselected, letter case aside",
         {"beta", "Alpha", "gamma"},
         u"ALPHA",
         {u"Alpha", u"beta", u"gamma"},
         0,
         -1,
         false,
         u"Alpha"},
        {"none open: the first", {"beta", "Alpha"}, u"", {u"Alpha", u"beta"}, 0, -1, false, u"Alpha"},
        {"another one clicked",
         {"beta", "Alpha", "gamma"},
         u"beta",
         {u"Alpha", u"beta", u"gamma"},
         1,
         2,
         false,
         u"gamma"},
        {"cancel keeps the open one", {"beta", "Alpha"}, u"beta", {u"Alpha", u"beta"}, 1, 0, true, u"beta"},
        {"empty PROJECTS: none open after OK", {}, u"", {}, -1, -1, false, u""},
    };
    for (const OpenCase& c : cases) {
        SCOPED_TRACE(c.label);
        ScratchDir each("core-open");
        THarness harness;
        for (const std::string& f : c.folders) std::filesystem::create_directories(each / "PROJECTS" / f);
        // Neither a hidden folder nor a file is a configuration.
        std::filesystem::create_directories(each / "PROJECTS" / ".hidden");
        writeBytes(each / "PROJECTS" / "file.xml", "<x/>");
        writeBytes(each / "Plenator.xml",
                   "<Conf_Settings><lastproj><projectname>" + StringToUtf8(c.openAtStart) +
                       "</projectname></lastproj></Conf_Settings>");
        TFPlenatoreFirmWare* m = Create_Program({Path(each.path())});
        m->Show();
        harness.AnswerModal(u"TFOpenConf", [&](TCustomForm& Form) {
            std::vector<String> items;
            for (Integer i = 0; i < FOpenConf->ListBox1->Count(); ++i)
                items.push_back(FOpenConf->ListBox1->Items()->Strings(i));
            EXPECT_EQ(items, c.listed);
            EXPECT_EQ(FOpenConf->ListBox1->ItemIndex(), c.preselected);
            if (c.clicked >= 0) {
                TRect r = FOpenConf->ListBox1->ItemRect(c.clicked);
                harness.Click(FOpenConf->ListBox1, {r.Left + 4, r.Top + 2});
            }
            harness.Click(c.cancel ? FOpenConf->Btn_Cancel : FOpenConf->Btn_OK);
            EXPECT_NE(Form.ModalResult, mrNone);
        });
        harness.Click(m->Btn_Open);
        EXPECT_EQ(harness.PendingAnswers(), 0u);
        const String after = c.openAfter;
        EXPECT_EQ(ProgramState.Conf_Opened(), !after.empty());
        if (after.empty()) {
            EXPECT_EQ(m->L_Name_Conf->Caption(), u"None Configuration Opened ");
            harness.AnswerMessage(u"Error! Project not Valid", mrOk);
            harness.Click(m->Btn_EtherNetIP_Access);
            EXPECT_EQ(harness.PendingAnswers(), 0u);
        } else {
            EXPECT_EQ(ProgramState.Opened_Conf_Dir, Path(each / "PROJECTS" / StringToUtf8(after)));
            EXPECT_EQ(ProgramState.Path_ParGen, Path(each / "PROJECTS" / StringToUtf8(after) / "ParGen.xml"));
            EXPECT_EQ(m->L_Name_Conf_L2->Caption(), c.cancel ? String(c.openAtStart) : after);
        }
    }
}

}  // namespace
}  // namespace gw::test
