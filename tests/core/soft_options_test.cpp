// Tests of the options window: language pages, flags, the language switch, the check boxes and
// the manual update check.
#include "core/soft_options_window.h"

#include "core/main_window.h"
#include "imagebutton/img_button.h"
#include "platform/controls/check_box.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/page_control.h"
#include "platform/graphics/bitmap.h"
#include "platform/ui/timer.h"
#include "tests/core/program_fixture.h"
#include "tests/support/loopback_http.h"

#include "platform/runtime/strings.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <functional>

namespace gw::test {
namespace {

class SoftOptionsTest : public ProgramFixture {
protected:
    // Runs the options step; Action drives the window, which is then cancelled unless Action
    // closed it.
    void With_Options(const std::function<void(TFSoftOptions&)>& Action)
    {
        h.AnswerModal(u"TFSoftOptions", [&Action](TCustomForm& Form) {
            Action(*FSoftOptions);
            if (Form.ModalResult == mrNone) Form.ModalResult = mrCancel;
        });
        h.Click(main->Btn_Opz);
        EXPECT_EQ(h.PendingAnswers(), 0u);
    }

    // Clicks the tab of that page.
    void Show(TFSoftOptions& F, TTabSheet* Page)
    {
        const TRect tab = F.PC_Options->TabRect(Page->TabIndex());
        h.Click(F.PC_Options, {tab.Left + tab.Width() / 2, tab.Top + tab.Height() / 2});
        ASSERT_EQ(F.PC_Options->ActivePage(), Page);
    }

    // The labels of the slots shown.
    static std::vector<String> Slots(const TFSoftOptions& F)
    {
        std::vector<String> names;
        for (Integer k = 0; k < TFSoftOptions::Slots_Per_Page; ++k)
            if (F.L_L[k]->Visible()) names.push_back(F.L_L[k]->Caption());
        return names;
    }
};

struct PagingCase {
    int files;
    // Per page: the first and last name shown, and the buttons shown.
    struct Page {
        int shown;
        bool prev, next;
        const char16_t* label;
    };
    std::vector<Page> pages;
};

TEST_F(SoftOptionsTest, LanguagePagesOfSixSlots)
{
    const PagingCase cases[] = {
        {0, {{0, false, true, u"Page 1 / 0"}}},
        {1, {{1, false, false, u"Page 1 / 1"}}},
        {6, {{6, false, false, u"Page 1 / 1"}}},
        {7, {{6, false, true, u"Page 1 / 2"}, {1, true, false, u"Page 2 / 2"}}},
        {13, {{6, false, true, u"Page 1 / 3"}, {6, true, true, u"Page 2 / 3"}, {1, true, false, u"Page 3 / 3"}}},
    };
    for (const PagingCase& c : cases) {
        SCOPED_TRACE(c.files);
        ScratchDir each("core-options-pages");
        THarness harness;
        // Names whose sorted order differs from their creation order and letter case.
        std::vector<String> expected;
        for (int i = 0; i < c.files; ++i) {
            const std::string name = std::string(i % 2 ? "lang" : "Lang") + char('a' + (c.files - 1 - i));
            writeBytes(each / "LANGUAGE" / (name + ".lng"), "STR1 = x\n");
            expected.push_back(Utf8ToString(name));
        }
        std::sort(expected.begin(), expected.end(),
                  [](const String& a, const String& b) { return AnsiCompareText(a, b) < 0; });
        TFPlenatoreFirmWare* m = Create_Program({Path(each.path())});
        m->Show();
        harness.AnswerModal(u"TFSoftOptions", [&](TCustomForm& Form) {
            TFSoftOptions& f = *FSoftOptions;
            EXPECT_EQ(f.PC_Options->ActivePage(), f.TS_Language);
            size_t first = 0;
            for (size_t p = 0; p < c.pages.size(); ++p) {
                SCOPED_TRACE(p + 1);
                const auto& page = c.pages[p];
                const std::vector<String> names(expected.begin() + first, expected.begin() + first + page.shown);
                EXPECT_EQ(Slots(f), names);
                for (Integer k = 0; k < TFSoftOptions::Slots_Per_Page; ++k)
                    EXPECT_EQ(f.I_L[k]->Visible(), false) << "no flag picture in the folder, slot " << k;
                EXPECT_EQ(f.Btn_Prev->Visible(), page.prev);
                EXPECT_EQ(f.Btn_Next->Visible(), page.next);
                EXPECT_EQ(f.L_Page_Lang->Caption(), page.label);
                first += size_t(page.shown);
                if (p + 1 < c.pages.size()) harness.Click(f.Btn_Next);
            }
            // Next on the last page (shown only when the list is empty) and back to page 1.
            if (f.Btn_Next->Visible()) harness.Click(f.Btn_Next);
            EXPECT_EQ(f.Show_Page, Integer(c.pages.size()));
            while (f.Btn_Prev->Visible()) harness.Click(f.Btn_Prev);
            EXPECT_EQ(f.Show_Page, 1);
            EXPECT_EQ(f.L_Page_Lang->Caption(), c.pages.front().label);
            Form.ModalResult = mrCancel;
        });
        harness.Click(m->Btn_Opz);
        EXPECT_EQ(harness.PendingAnswers(), 0u);
    }
}

TEST_F(SoftOptionsTest, OnlyLanguageFilesTheUserCanWriteAreListed)
{
    Write_Language("Deutsch", "STR1 = x\n");
    Write_Language("Locked", "STR1 = x\n");
    Write_Language(".Hidden", "STR1 = x\n");
    writeBytes(dir / "LANGUAGE" / "Upper.LNG", "STR1 = x\n");  // not a ".lng" file here
    writeBytes(dir / "LANGUAGE" / "Notes.txt", "x");
    std::filesystem::create_directories(dir / "LANGUAGE" / "Folder.lng");
    // Everybody may write the others, nobody but root the locked one.
    for (const char* name : {"Deutsch.lng", ".Hidden.lng"})
        ASSERT_EQ(::chmod((dir / "LANGUAGE" / name).c_str(), 0666), 0);
    ASSERT_EQ(::chmod((dir / "LANGUAGE" / "Locked.lng").c_str(), 0444), 0);
    Start();
    // The user the program runs as decides, not the owner's write bit: root may write the file.
    const std::vector<String> writable{u".Hidden.lng", u"Deutsch.lng"};
    const std::vector<String> forRoot{u".Hidden.lng", u"Deutsch.lng", u"Locked.lng"};
    const bool root = ::geteuid() == 0;
    With_Options([&](TFSoftOptions& F) { EXPECT_EQ(F.SL_Languages, root ? forRoot : writable); });
    if (root) AsUnprivileged([&] { With_Options([&](TFSoftOptions& F) { EXPECT_EQ(F.SL_Languages, writable); }); });
}

TEST_F(SoftOptionsTest, FlagsFromTheLanguageFolderWithTheDefaultFlagAsFallback)
{
    TBitmap flag;
    flag.SetSize(30, 20);
    Write_Language("Deutsch", "STR1 = x\n");
    Write_Language("English", "STR1 = x\n");
    Write_Language("Italiano", "STR1 = x\n");
    flag.SaveToFile(Path(dir / "LANGUAGE" / "Deutsch.bmp"));
    writeBytes(dir / "LANGUAGE" / "Italiano.bmp", "not a picture");
    Start();
    With_Options([](TFSoftOptions& F) {
        EXPECT_EQ(Slots(F), (std::vector<String>{u"Deutsch", u"English", u"Italiano"}));
        EXPECT_TRUE(F.I_L[0]->Visible());
        EXPECT_EQ(F.I_L[0]->Picture()->Width(), 30);
        EXPECT_FALSE(F.I_L[1]->Visible());  // no picture at all: the label stays alone
        EXPECT_FALSE(F.I_L[2]->Visible());  // an unreadable picture is none
    });
    TBitmap fallback;
    fallback.SetSize(12, 10);
    fallback.SaveToFile(Path(dir / "LANGUAGE" / "DefaultFlag.bmp"));
    With_Options([](TFSoftOptions& F) {
        EXPECT_EQ(F.I_L[0]->Picture()->Width(), 30);
        for (Integer k : {1, 2}) {
            EXPECT_TRUE(F.I_L[k]->Visible()) << k;
            EXPECT_EQ(F.I_L[k]->Picture()->Width(), 12) << k;
        }
    });
}

TEST_F(SoftOptionsTest, ALanguageClickLoadsItsTextsAtOnceAndOkStoresIt)
{
    Write_Language("Deutsch", "STR15 = Neue Konfiguration\nSTR304 = Sprache : \nSTR300 = Optionen\n");
    TBitmap flag;
    flag.SetSize(16, 16);
    flag.SaveToFile(Path(dir / "LANGUAGE" / "DefaultFlag.bmp"));
    Start();
    // No: nothing changes.
    With_Options([this](TFSoftOptions& F) {
        h.AnswerMessage(u"Do you want to change the Language from English to Deutsch?", mrNo);
        h.Click(F.L_L[0]);
        EXPECT_EQ(F.Language_In_Use, u"English");
    });
    EXPECT_EQ(main->Btn_New->Caption(), u"New Configuration");

    // Yes, then Cancel: the texts stay for this run, the stored language does not change.
    With_Options([this](TFSoftOptions& F) {
        h.AnswerMessage(u"to Deutsch?", mrYes);
        h.Click(F.I_L[0]);
        EXPECT_EQ(F.Language_In_Use, u"Deutsch");
        EXPECT_EQ(F.L_Sel_Lang->Caption(), u"Sprache :Deutsch");
        EXPECT_EQ(F.Caption(), u"Optionen");
        EXPECT_EQ(main->Btn_New->Caption(), u"Neue Konfiguration");
        EXPECT_EQ(ProgramState.Language_Name, u"English");
    });
    EXPECT_EQ(ProgramState.Language_Name, u"English");
    EXPECT_EQ(main->Btn_New->Caption(), u"Neue Konfiguration");

    // Yes, then OK: stored, and written to the settings file.
    With_Options([this](TFSoftOptions& F) {
        EXPECT_EQ(F.Language_In_Use, u"English");  // each showing starts from the stored language
        h.AnswerMessage(u"to Deutsch?", mrYes);
        h.Click(F.L_L[0]);
        h.Click(F.Btn_OK);
    });
    EXPECT_EQ(ProgramState.Language_Name, u"Deutsch");
    EXPECT_NE(readBytes(dir / "Plenator.xml").find("<language>Deutsch</language>"), std::string::npos);
}

TEST_F(SoftOptionsTest, ALanguageClickOnALaterPageKeepsThatPageInTheNewTexts)
{
    for (const char* name : {"A", "B", "C", "D", "E", "F"}) Write_Language(name, "STR1 = x\n");
    Write_Language("Zulu", "STR305 = Seite \nSTR306 = \xC2\xB6 von \xC2\xB6\n");
    Start();
    With_Options([this](TFSoftOptions& F) {
        h.Click(F.Btn_Next);
        ASSERT_EQ(F.L_L[0]->Caption(), u"Zulu");
        h.AnswerMessage(u"to Zulu?", mrYes);
        h.Click(F.L_L[0]);
        EXPECT_EQ(F.L_Page_Lang->Caption(), u"Seite2 von 2");
        EXPECT_EQ(F.L_Sel_Lang->Caption(), u"Selected Language : Zulu");
        EXPECT_TRUE(F.L_L[0]->Visible());
    });
}

TEST_F(SoftOptionsTest, ALanguageWhoseFileVanishedGivesEnglishTextsButIsStored)
{
    Write_Language("Deutsch", "STR15 = Neue Konfiguration\n");
    Start();
    With_Options([this](TFSoftOptions& F) {
        std::filesystem::remove(dir / "LANGUAGE" / "Deutsch.lng");
        h.AnswerMessage(u"to Deutsch?", mrYes);
        h.Click(F.L_L[0]);
        EXPECT_EQ(main->Btn_New->Caption(), u"New Configuration");
        h.Click(F.Btn_OK);
    });
    EXPECT_EQ(ProgramState.Language_Name, u"Deutsch");
}

TEST_F(SoftOptionsTest, TheUpdateBoxFollowsTheInternetBox)
{
    Write_Settings("", /*Internet=*/false, /*Update=*/true);
    Start();
    With_Options([this](TFSoftOptions& F) {
        Show(F, F.TS_Con_Options);
        EXPECT_FALSE(F.CB_En_Con->Checked());
        EXPECT_TRUE(F.CB_Update->Checked());
        EXPECT_FALSE(F.CB_Update->Enabled());
        EXPECT_FALSE(F.Btn_Check_Update->Enabled());
        EXPECT_FALSE(F.LL_Check_Update->Visible());
        h.Click(F.CB_En_Con);
        EXPECT_TRUE(F.CB_Update->Enabled());
        EXPECT_TRUE(F.Btn_Check_Update->Enabled());
        h.Click(F.CB_Update);
        EXPECT_FALSE(F.Btn_Check_Update->Enabled());
        h.Click(F.CB_Update);
        h.Click(F.CB_En_Con);
        EXPECT_FALSE(F.Btn_Check_Update->Enabled());
        Show(F, F.TS_Soft_Settings);
        h.Click(F.CB_Soft_Set_Jump_Table);
        h.Click(F.Btn_OK);
    });
    // A ticked update box counts even while it is disabled.
    EXPECT_FALSE(ProgramState.Internet_Enabled);
    EXPECT_TRUE(ProgramState.Update_Enabled);
    EXPECT_TRUE(ProgramState.Jump_Field_Enabled);
    EXPECT_FALSE(ProgramState.Auto_Size_Enabled);
    EXPECT_FALSE(main->Timer_Update->Enabled());
}

TEST_F(SoftOptionsTest, TheManualCheckShowsALinkOrNoUpdate)
{
    Write_Settings("", /*Internet=*/true, /*Update=*/true);
    Start();
    struct Case {
        std::string answer;
        bool link;
    };
    for (const Case& c : {Case{Answer("200 OK", "VER. 1.002"), true}, Case{Answer("200 OK", "VER. 1.001"), false}}) {
        Responder server(c.answer);
        main->Web_Host = S(server.Host());
        With_Options([&](TFSoftOptions& F) {
            Show(F, F.TS_Con_Options);
            h.Click(F.Btn_Check_Update);
            EXPECT_TRUE(F.LL_Check_Update->Visible());
            ASSERT_EQ(F.LL_Check_Update->Segments().size(), 1u);
            const TLinkSegment& s = F.LL_Check_Update->Segments()[0];
            EXPECT_EQ(s.IsLink, c.link);
            EXPECT_EQ(s.Text, c.link ? u"New Version Available. Click Here for more Details" : u"No Update Available");
            if (c.link) {
                EXPECT_EQ(s.Link, S("http://" + server.Host() + "/Home/download/download.asp#GW52818"));
                F.LL_Check_Update->ClickLink(0);
            }
        });
    }
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_NE(opened[0].find("#GW52818"), std::string::npos);
}

}  // namespace
}  // namespace gw::test
