// The table windows in the running program: created at start-up in their place, re-labelled by a
// language change, the slaves table shown by step 7, and its file reaching the configuration image.
#include "core/bank_image.h"
#include "core/boot_window.h"
#include "core/par_gen_window.h"
#include "core/slaves_file.h"
#include "core/step_dispatch.h"
#include "grid/model/ext_column_grid.h"
#include "imagebutton/img_button.h"
#include "platform/controls/label.h"
#include "platform/runtime/convert.h"
#include "tables/ethernetip_eds.h"
#include "tables/ethernetip_master_access.h"
#include "tables/table_windows.h"
#include "tests/core/program_fixture.h"

#include <algorithm>

namespace gw::test {
namespace {

class TableWindowsProgramTest : public ProgramFixture {
protected:
    TableWindowsProgramTest() { RegisterTableWindows(); }

    Integer Creation_Index(TComponent* Form) const
    {
        for (Integer i = 0; i < Application->ComponentCount(); ++i)
            if (Application->Components(i) == Form) return i;
        return -1;
    }
};

TEST_F(TableWindowsProgramTest, StartUpCreatesBothWindowsInTheirPlace)
{
    Start();
    ASSERT_NE(FEtherNetIP_Master_Access, nullptr);
    ASSERT_NE(FEtherNEtIP_EDS, nullptr);
    EXPECT_EQ(main->Window(pwEtherNetIP_Master_Access), FEtherNetIP_Master_Access);
    EXPECT_EQ(main->Window(pwEtherNEtIP_EDS), FEtherNEtIP_EDS);
    // After the parameters window, before the update window; the chooser last.
    EXPECT_LT(Creation_Index(FParGen), Creation_Index(FEtherNetIP_Master_Access));
    EXPECT_LT(Creation_Index(FEtherNetIP_Master_Access), Creation_Index(FBoot));
    EXPECT_LT(Creation_Index(FBoot), Creation_Index(FEtherNEtIP_EDS));
    EXPECT_EQ(FEtherNetIP_Master_Access->L_SW_Code->Caption(), ProgramState.SW_Code);
}

TEST_F(TableWindowsProgramTest, ALanguageFileReachesEveryCaptionHeaderAndHint)
{
    std::string lines;
    std::vector<Integer> numbers;
    for (Integer n = 800; n <= 860; ++n) numbers.push_back(n);
    for (Integer n = 2300; n <= 2315; ++n) numbers.push_back(n);
    for (Integer n : numbers) lines += "STR" + std::to_string(n) + " = T" + std::to_string(n) + "\n";
    Write_Language("Test", lines);
    Start();
    ProgramState.Language_Name = u"Test";
    ProgramState.Load_Language();
    main->Change_Language();
    auto T = [](Integer N) { return u"T" + IntToStr(N); };
    TFEtherNetIP_Master_Access& s = *FEtherNetIP_Master_Access;
    EXPECT_EQ(s.Caption(), T(800));
    EXPECT_EQ(s.L_SW_Desc->Caption(), T(801));
    const std::vector<std::pair<TImgButton*, Integer>> buttons = {
        {s.Btn_OK, 802},      {s.Btn_Cancel, 803},   {s.Btn_DelRow, 804},     {s.Btn_InsRow, 805},
        {s.Btn_CopyRow, 806}, {s.Btn_PasteRow, 807}, {s.Btn_Import_EDS, 859},
    };
    const std::vector<Integer> hints = {808, 809, 810, 811, 812, 813, 860};
    for (std::size_t k = 0; k < buttons.size(); ++k) {
        EXPECT_EQ(buttons[k].first->Caption(), T(buttons[k].second));
        EXPECT_EQ(buttons[k].first->Hint, T(hints[k]));
    }
    const std::vector<Integer> headers = {814, 815, 816, 817, 818, 819, 820, 821, 841, 847, 842, 848, 853, 854, 822};
    const std::vector<Integer> column_hints = {823, 824, 825, 826, 827, 828, 829, 843, 849, 844, 850, 855, 856, 830};
    for (Integer c = 0; c < Slaves_Col_Count; ++c) {
        EXPECT_EQ(s.ACG->GetCellEx(c, 0), T(headers[c])) << c;
        if (c == 0) continue;
        String hint;
        s.ACG->OnGridHint(s.ACG, 0, c, hint);
        EXPECT_EQ(hint, T(column_hints[c - 1])) << c;
    }
    TFEtherNEtIP_EDS& e = *FEtherNEtIP_EDS;
    EXPECT_EQ(e.Caption(), T(2300));
    EXPECT_EQ(e.L_SW_Desc->Caption(), T(2301));
    EXPECT_EQ(e.Btn_OK->Caption(), T(2302));
    EXPECT_EQ(e.Btn_Cancel->Caption(), T(2303));
    EXPECT_EQ(e.Btn_OK->Hint, T(2304));
    EXPECT_EQ(e.Btn_Cancel->Hint, T(2305));
    for (Integer c = 0; c < Eds_Col_Count; ++c) EXPECT_EQ(e.ACG->GetCellEx(c, 0), T(2306 + c)) << c;
}

TEST_F(TableWindowsProgramTest, StepSevenNeedsAConfigurationAndItsTableReachesTheImage)
{
    // Without a configuration the step is refused.
    Start();
    std::string seen;
    Answer_Next_Modal(h, seen);
    h.Click(main->Btn_EtherNetIP_Access);
    EXPECT_EQ(seen, "TMessageForm: Error! Project not Valid");
}

TEST_F(TableWindowsProgramTest, SlavesSavedByStepSevenBecomeTheImagesSlaveRecord)
{
    Make_Conf("Plant");
    Write_Settings("Plant");
    Start();
    h.AnswerModal(u"TFEtherNetIP_Master_Access", [](TCustomForm& Form) {
        auto& s = dynamic_cast<TFEtherNetIP_Master_Access&>(Form);
        const std::vector<String> row = {u"Y", u"192.168.1.20", u"2", u"16",  u"3",       u"8", u"$64",
                                         u"1", u"100",          u"2", u"101", u"default", u"3", u"pump"};
        for (std::size_t c = 0; c < row.size(); ++c) s.ACG->SetCellEx(static_cast<Integer>(c) + 1, 1, row[c]);
        s.Btn_OKClick();
    });
    h.Click(main->Btn_EtherNetIP_Access);
    EXPECT_EQ(FEtherNetIP_Master_Access->ModalResult, mrOk);
    const auto slaves = Conf("Plant") / "EtherNetIP_Master_Rules.xml";
    ASSERT_TRUE(std::filesystem::exists(slaves));
    std::string seen;
    Answer_Next_Modal(h, seen);
    h.Click(main->Btn_CreateBin);
    EXPECT_EQ(seen, "TFBoot");
    const std::string bank = readBytes(Conf("Plant") / "bin" / "bank.bin");
    ASSERT_EQ(bank.size(), Bank_Image_Size);
    auto byte = [&](std::size_t At) { return static_cast<unsigned>(static_cast<unsigned char>(bank[At])); };
    auto word = [&](std::size_t At) { return byte(At) | byte(At + 1) << 8; };
    const std::size_t r = Bank_Block_Size;
    EXPECT_EQ(std::vector<unsigned>({byte(r), byte(r + 1), byte(r + 2), byte(r + 3)}),
              std::vector<unsigned>({192, 168, 1, 20}));
    EXPECT_EQ(word(r + 4), 2u);  // start input
    EXPECT_EQ(word(r + 6), 16u);  // num input
    EXPECT_EQ(word(r + 10), 3u);  // start output
    EXPECT_EQ(word(r + 12), 8u);  // num output
    EXPECT_EQ(word(r + 16), 1u);  // instance T > O
    EXPECT_EQ(word(r + 18), 100u);  // point T > O
    EXPECT_EQ(word(r + 20), 2u);  // instance O > T
    EXPECT_EQ(word(r + 22), 101u);  // point O > T
    EXPECT_EQ(word(r + 24) | word(r + 26) << 16, 100u);  // poll "$64"
    EXPECT_EQ(word(r + 28), 0u | 3u << 3);  // header sizes: "default" = 0, O > T 3
    EXPECT_EQ(byte(boSlave_Count), 1u);
}

TEST_F(TableWindowsProgramTest, PicturesOfBothWindows)
{
    Make_Conf("Plant");
    Write_Settings("Plant");
    writeBytes(Conf("Plant") / "EtherNetIP_Master_Rules.xml",
               "<EtherNetIP_Master_Access><row Enable=\"Y\" IP_Address=\"192.168.1.20\" Start_Input=\"0\" "
               "Num_Input=\"16\" Start_Output=\"0\" Num_Output=\"8\" Time_Poll=\"100\" Instance_T_O=\"1\" "
               "Connection_Point_T_O=\"100\" Instance_O_T=\"1\" Connection_Point_O_T=\"101\" "
               "Dim_Header_T_O=\"Default\" Dim_Header_O_T=\"Default\" Mnemonic=\"pump\"/>"
               "<row Enable=\"N\" IP_Address=\"192.168.1.21\" Mnemonic=\"spare\"/></EtherNetIP_Master_Access>");
    Start();
    h.AnswerModal(u"TFEtherNetIP_Master_Access", [this](TCustomForm& Form) {
        h.ProcessMessages();
        h.SavePng(&Form, Utf8ToString(picturePath("ethernetip_slaves_table.png").string()));
        Form.ModalResult = mrCancel;
    });
    h.Click(main->Btn_EtherNetIP_Access);
    FEtherNEtIP_EDS->EDS_FileName = Utf8ToString(std::string(GW_TEST_DATA) + "/DEVICE.EDS");
    h.AnswerModal(u"TFEtherNEtIP_EDS", [this](TCustomForm& Form) {
        h.ProcessMessages();
        h.SavePng(&Form, Utf8ToString(picturePath("ethernetip_eds_chooser.png").string()));
        Form.ModalResult = mrCancel;
    });
    FEtherNEtIP_EDS->ShowModal();
    EXPECT_TRUE(std::filesystem::exists(picturePath("ethernetip_slaves_table.png")));
    EXPECT_TRUE(std::filesystem::exists(picturePath("ethernetip_eds_chooser.png")));
}

}  // namespace
}  // namespace gw::test
