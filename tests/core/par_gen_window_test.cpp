// Tests of the gateway communication parameters window as the main window's Set Communication
// step shows it: reading and saving ParGen.xml, the checks, the "." key, the wheel, the layouts
// of every model and the texts.
#include "core/par_gen_window.h"

#include "core/main_window.h"
#include "imagebutton/img_button.h"
#include "platform/controls/check_box.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/scope.h"
#include "platform/ui/application.h"
#include "platform/ui/system_metrics.h"
#include "platform/xml/xml_document.h"
#include "tests/core/program_fixture.h"
#include "tests/support/test_support.h"

#include <algorithm>
#include <functional>

namespace gw::test {
namespace {

TFParGen* Variant_Window(THarness& H, Integer Model);

class ParGenWindowTest : public ProgramFixture {
protected:
    // Starts the program with the configuration "Plant" open.
    void SetUp() override
    {
        Make_Conf("Plant");
        Write_Settings("Plant");
        Start();
        ASSERT_NE(FParGen, nullptr);
        form = FParGen;
    }

    std::filesystem::path File() const { return Conf("Plant") / "ParGen.xml"; }

    // Clicks Set Communication and lets Action drive the window; the window's modal result
    // when Action leaves it closed, mrNone when it is still open (it is then cancelled).
    TModalResult Show(const std::function<void()>& Action)
    {
        TModalResult result = mrCancel;
        bool shown = false;
        h.AnswerModal(u"TFParGen", [&](TCustomForm& Form) {
            shown = true;
            Action();
            result = Form.ModalResult;
            if (Form.ModalResult == mrNone) Form.ModalResult = mrCancel;
        });
        h.Click(main->Btn_Prm_Gen);
        EXPECT_TRUE(shown);
        EXPECT_EQ(h.PendingAnswers(), 0u);
        return result;
    }

    TEdit* Edit(TParGenKey Key) const { return form->Field_Edit(Key); }
    TCheckBox* Check(TParGenKey Key) const { return form->Field_Check(Key); }
    template <class T = TControl>
    T* Named(const std::string& Name) const
    {
        auto* c = dynamic_cast<T*>(form->FindComponent(S(Name)));
        EXPECT_NE(c, nullptr) << Name;
        return c;
    }

    // The bytes the writer gives for the window's defaults: what the image tests read.
    std::string Default_File_Bytes() const
    {
        ScratchDir other("core-pargen-window-defaults");
        TXMLDocument doc;
        Write_ParGen(doc, Path(other / "ParGen.xml"), ParGen_Window_Defaults());
        return readBytes(other / "ParGen.xml");
    }

    TFParGen* form = nullptr;
};

TEST_F(ParGenWindowTest, WithoutAFileTheDefaultsShowAndOkWritesExactlyTheDefaultFile)
{
    const TModalResult result = Show([&] {
        EXPECT_EQ(form->Field_Texts(), ParGen_Window_Defaults());
        EXPECT_FALSE(Check(pgMaster_EN_GAT)->Checked());
        EXPECT_FALSE(Check(pgEthernet_EN_GAT)->Checked());
        EXPECT_FALSE(Edit(pgMaster_Port)->Enabled());
        h.Click(form->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(readBytes(File()), Default_File_Bytes());
    EXPECT_TRUE(h.MessagesShown().empty());
}

TEST_F(ParGenWindowTest, EveryFieldTypedIsSavedAndShownAgainWhileCancelDiscards)
{
    // A value of its own in every field, every flag set; the DNS octets are not checked.
    TParGenTexts typed;
    for (Integer k = 0; k < ParGen_Count; ++k) {
        const TParGenKind kind = ParGen_Elements()[k].Kind;
        typed[k] = kind == pkFlag ? u"1" : kind == pkPort ? IntToStr(20000 + k) : IntToStr(10 + k);
    }
    typed[pgMaster_Port] = u"44818";
    typed[pgEthernet_DNS2] = u"999";
    EXPECT_EQ(Show([&] {
                  for (Integer k = 0; k < ParGen_Count; ++k) {
                      const auto key = static_cast<TParGenKey>(k);
                      if (TCheckBox* check = Check(key))
                          check->SetChecked(true);
                      else if (k != pgMaster_Port)
                          Edit(key)->SetText(typed[k]);
                  }
                  h.Click(form->Btn_OK);
              }),
              mrOk);
    std::string expected;
    for (Integer k = 0; k < ParGen_Count; ++k)
        expected += StringToUtf8(ParGen_Elements()[k].Name) + "=" + StringToUtf8(typed[k]) + "\n";
    EXPECT_EQ(pythonDom(File(),
                        "[print(e.tagName + '=' + ''.join(t.data for t in e.childNodes)) "
                        "for e in d.documentElement.childNodes if e.nodeType == 1]"),
              expected);

    // Shown again from the file; what Cancel leaves behind is not kept.
    Show([&] {
        EXPECT_EQ(form->Field_Texts(), typed);
        Edit(pgEthernet_IP1)->SetText(u"1");
        Check(pgEthernet_EN_GAT)->SetChecked(false);
        h.Click(form->Btn_Cancel);
    });
    Show([&] { EXPECT_EQ(form->Field_Texts(), typed); });
}

TEST_F(ParGenWindowTest, MissingAndUnreadableElementsShowTheWindowsDefaults)
{
    std::filesystem::copy_file(fixture("par_gen_file_odd_values.xml"), File());
    const std::string before = readBytes(File());
    struct Case {
        TParGenKey key;
        const char* shown;
    };
    const Case cases[] = {
        {pgMaster_IP2, "0x14"},  // as written
        {pgMaster_IP4, "300"},        {pgMaster_SM1, ""},  // present but empty
        {pgMaster_SM3, "255"},  // more than text: unreadable
        {pgMaster_SM4, "0"},  // missing
        {pgMaster_GAT1, "192"},       {pgMaster_EN_GAT, "0"},  // "true" is not set
        {pgMaster_Port, "44818"},  // the file's 1234 is not shown
        {pgEthernet_IP1, "-1"},       {pgEthernet_IP4, "10"},  // missing: the window's own default, not the image's 6
        {pgEthernet_EN_GAT, "0"},  // " 1" is not set
        {pgEthernet_EN_DNS, "1"},     {pgEthernet_DNS1, "not checked"},
        {pgEthernet_DNS4, "8"},       {pgEthernet_TCP_Port, "70000"},
        {pgEthernet_UDP_Port, "502"},
    };
    const TModalResult result = Show([&] {
        const TParGenTexts shown = form->Field_Texts();
        for (const Case& c : cases) EXPECT_EQ(shown[c.key], S(c.shown)) << StringToUtf8(ParGen_Elements()[c.key].Name);
        EXPECT_TRUE(Check(pgEthernet_EN_DNS)->Checked());
        // OK refuses the first field out of range and writes nothing.
        h.AnswerMessage(u"", mrOk);
        h.Click(form->Btn_OK);
    });
    EXPECT_EQ(result, mrNone);
    ASSERT_EQ(h.MessagesShown().size(), 1u);
    EXPECT_EQ(h.MessagesShown().back(), u"Error RarudUra/ZU Vidira!! IP Address 4 must be between 0 and 255");
    EXPECT_EQ(readBytes(File()), before);
}

TEST_F(ParGenWindowTest, AFileThatIsNotWellFormedShowsItsErrorAndTheDefaults)
{
    // A first showing leaves other values in the reused window.
    Show([&] {
        Edit(pgMaster_IP1)->SetText(u"77");
        Check(pgEthernet_EN_GAT)->SetChecked(true);
        h.Click(form->Btn_OK);
    });
    writeBytes(File(), "<Par_Gen><Ethernet_IP1>1</Ethernet_IP2></Par_Gen>");
    h.AnswerMessage(u"OK replaces the file", mrOk);
    EXPECT_EQ(Show([&] {
                  EXPECT_EQ(form->Field_Texts(), ParGen_Window_Defaults());
                  h.Click(form->Btn_OK);
              }),
              mrOk);
    ASSERT_EQ(h.MessagesShown().size(), 1u);
    const std::string message = StringToUtf8(h.MessagesShown().back());
    EXPECT_NE(message.find("ParGen.xml"), std::string::npos) << message;  // the reader's own error
    EXPECT_NE(message.find("mismatch"), std::string::npos) << message;
    EXPECT_EQ(readBytes(File()), Default_File_Bytes());
}

TEST_F(ParGenWindowTest, AFailedSaveIsShownAndKeepsTheWindowOpenWithWhatWasTyped)
{
    EXPECT_EQ(Show([&] {
                  Edit(pgEthernet_IP4)->SetText(u"77");
                  // The configuration's folder went away meanwhile.
                  std::filesystem::remove_all(Conf("Plant"));
                  h.AnswerMessage(u"", mrOk);
                  h.Click(form->Btn_OK);
                  EXPECT_EQ(form->ModalResult, mrNone);
                  EXPECT_EQ(Edit(pgEthernet_IP4)->Text(), u"77");
                  ASSERT_EQ(h.MessagesShown().size(), 1u);
                  EXPECT_NE(StringToUtf8(h.MessagesShown().back()).find("Cannot create file"), std::string::npos);
                  // Once the folder is back, the same values are saved.
                  Make_Conf("Plant");
                  h.Click(form->Btn_OK);
              }),
              mrOk);
    EXPECT_NE(readBytes(File()).find("<Ethernet_IP4>77</Ethernet_IP4>"), std::string::npos);
}

// One case of Controllo_Dati: the fields changed from the defaults, the gateway boxes, and the
// text of the refusal (0: all pass).
struct CheckCase {
    std::vector<std::pair<TParGenKey, const char16_t*>> fields;
    bool masterGateway;
    bool ethernetGateway;
    Integer text;
};

TEST_F(ParGenWindowTest, ControlloDatiRefusesTheFirstFailingFieldWithItsText)
{
    const CheckCase cases[] = {
        {{}, false, false, 0},
        {{}, true, true, 0},
        {{{pgMaster_IP1, u"256"}}, false, false, 450},
        {{{pgMaster_IP1, u""}}, false, false, 450},
        {{{pgMaster_IP1, u"0x100"}}, false, false, 450},
        {{{pgMaster_IP1, u"0xFF"}, {pgMaster_IP2, u"$0"}, {pgMaster_IP3, u"255"}}, false, false, 0},
        {{{pgMaster_IP2, u"1.5"}}, false, false, 451},
        {{{pgMaster_IP4, u"-1"}}, false, false, 453},
        {{{pgMaster_SM1, u"x"}}, false, false, 454},
        {{{pgMaster_SM4, u"256"}}, false, false, 457},
        {{{pgMaster_GAT3, u"300"}}, false, false, 0},  // written as typed while the box is clear
        {{{pgMaster_GAT3, u"300"}}, false, true, 0},  // the other side's box does not count
        {{{pgMaster_GAT3, u"300"}}, true, false, 460},
        {{{pgMaster_GAT1, u"300"}, {pgMaster_GAT4, u"300"}}, true, false, 458},
        {{{pgEthernet_IP1, u"192168"}}, false, false, 735},
        {{{pgEthernet_IP4, u"256"}}, false, false, 738},
        {{{pgEthernet_SM1, u"-0x1"}}, false, false, 739},
        {{{pgEthernet_SM4, u"abc"}}, false, false, 742},
        {{{pgEthernet_GAT2, u"256"}}, false, false, 0},
        {{{pgEthernet_GAT2, u"256"}}, true, false, 0},
        {{{pgEthernet_GAT2, u"256"}}, false, true, 744},
        {{{pgEthernet_GAT4, u""}}, false, true, 746},
        {{{pgEthernet_TCP_Port, u"10000"}}, false, false, 751},
        {{{pgEthernet_TCP_Port, u"0x2710"}}, false, false, 751},  // 10000 in hexadecimal
        {{{pgEthernet_TCP_Port, u"65535"}, {pgEthernet_UDP_Port, u"0"}}, false, false, 0},
        {{{pgEthernet_TCP_Port, u"0"}, {pgEthernet_UDP_Port, u"65535"}}, false, false, 0},
        {{{pgEthernet_TCP_Port, u"9999"}, {pgEthernet_UDP_Port, u"10001"}}, false, false, 0},
        {{{pgEthernet_TCP_Port, u"-1"}}, false, false, 751},
        {{{pgEthernet_TCP_Port, u"65536"}}, false, false, 751},
        {{{pgEthernet_TCP_Port, u""}}, false, false, 751},
        {{{pgEthernet_UDP_Port, u"10000"}}, false, false, 752},
        {{{pgEthernet_UDP_Port, u"65536"}}, false, false, 752},
        // Neither the DNS octets nor the master port are checked.
        {{{pgEthernet_DNS1, u"999"}, {pgEthernet_DNS4, u""}, {pgMaster_Port, u"abc"}}, false, false, 0},
        // The first failure wins.
        {{{pgMaster_IP2, u"300"}, {pgMaster_SM1, u"300"}}, false, false, 451},
        {{{pgEthernet_IP1, u"300"}, {pgMaster_GAT4, u"300"}}, true, false, 461},
        {{{pgEthernet_SM4, u"300"}, {pgEthernet_TCP_Port, u"10000"}}, false, false, 742},
        {{{pgEthernet_TCP_Port, u"10000"}, {pgEthernet_UDP_Port, u"10000"}}, false, false, 751},
    };
    Show([&] {
        for (const CheckCase& c : cases) {
            const std::string trace = c.fields.empty() ? "defaults" : StringToUtf8(c.fields.front().second);
            SCOPED_TRACE(trace + " -> " + std::to_string(c.text));
            form->Show_Texts(ParGen_Window_Defaults());
            for (const auto& [key, text] : c.fields) Edit(key)->SetText(text);
            Check(pgMaster_EN_GAT)->SetChecked(c.masterGateway);
            Check(pgEthernet_EN_GAT)->SetChecked(c.ethernetGateway);
            const size_t shown = h.MessagesShown().size();
            if (c.text) h.AnswerMessage(u"", mrOk);
            EXPECT_EQ(form->Controllo_Dati(), c.text == 0);
            if (c.text) {
                ASSERT_EQ(h.MessagesShown().size(), shown + 1);
                EXPECT_EQ(h.MessagesShown().back(), Lang(c.text));
            } else {
                EXPECT_EQ(h.MessagesShown().size(), shown);
            }
        }
    });
    EXPECT_FALSE(std::filesystem::exists(File()));
}

TEST_F(ParGenWindowTest, TheDotKeyMovesAlongTheMastersOctetsAndIsNeverTyped)
{
    struct DotCase {
        TParGenKey from;
        TParGenKey focus;  // where the focus is after "7.8"
        const char16_t* fromText;
    };
    const DotCase cases[] = {
        {pgMaster_IP1, pgMaster_IP2, u"7"},
        {pgMaster_IP2, pgMaster_IP3, u"7"},
        {pgMaster_IP3, pgMaster_IP4, u"7"},
        {pgMaster_IP4, pgMaster_SM1, u"7"},
        {pgMaster_SM1, pgMaster_SM2, u"7"},
        {pgMaster_SM2, pgMaster_SM3, u"7"},
        {pgMaster_SM3, pgMaster_SM4, u"7"},
        {pgMaster_SM4, pgMaster_GAT1, u"7"},
        {pgMaster_GAT1, pgMaster_GAT2, u"7"},
        {pgMaster_GAT2, pgMaster_GAT3, u"7"},
        {pgMaster_GAT3, pgMaster_GAT4, u"7"},
        {pgMaster_GAT4, pgMaster_GAT4, u"78"},  // the last one keeps the focus
        {pgEthernet_IP1, pgEthernet_IP1, u"78"},  // the Ethernet octets never move on
        {pgEthernet_IP4, pgEthernet_IP4, u"78"},
        {pgEthernet_SM2, pgEthernet_SM2, u"78"},
        {pgEthernet_GAT4, pgEthernet_GAT4, u"78"},
        {pgEthernet_TCP_Port, pgEthernet_TCP_Port, u"7.8"},  // no address: the dot is typed
    };
    Show([&] {
        for (const DotCase& c : cases) {
            SCOPED_TRACE(StringToUtf8(ParGen_Elements()[c.from].Name));
            form->Show_Texts(ParGen_Window_Defaults());
            Edit(c.from)->SetFocus();
            Edit(c.from)->SelectAll();
            h.Type(u"7.8");
            EXPECT_EQ(Edit(c.from)->Text(), c.fromText);
            EXPECT_TRUE(Edit(c.focus)->Focused());
            if (c.focus != c.from) {
                EXPECT_EQ(Edit(c.focus)->Text(), u"8");
            }
        }
        // A field that cannot take the focus is not entered; the dot is swallowed all the same.
        form->Show_Texts(ParGen_Window_Defaults());
        Edit(pgMaster_SM1)->SetEnabled(false);
        Edit(pgMaster_IP4)->SetFocus();
        Edit(pgMaster_IP4)->SelectAll();
        h.Type(u"7.8");
        EXPECT_EQ(Edit(pgMaster_IP4)->Text(), u"78");
        EXPECT_TRUE(Edit(pgMaster_IP4)->Focused());
        Edit(pgMaster_SM1)->SetEnabled(true);
        // Typing an address into the first octet: the master splits it, the Ethernet side does not.
        form->Show_Texts(ParGen_Window_Defaults());
        Edit(pgMaster_IP1)->SetFocus();
        Edit(pgMaster_IP1)->SelectAll();
        h.Type(u"192.168");
        EXPECT_EQ(Edit(pgMaster_IP1)->Text(), u"192");
        EXPECT_EQ(Edit(pgMaster_IP2)->Text(), u"168");
        Edit(pgEthernet_IP1)->SetFocus();
        Edit(pgEthernet_IP1)->SelectAll();
        h.Type(u"192.168");
        EXPECT_EQ(Edit(pgEthernet_IP1)->Text(), u"192168");
        h.AnswerMessage(u"", mrOk);
        h.Click(form->Btn_OK);
        EXPECT_EQ(h.MessagesShown().back(), u"Error Ethernet!! IP Address 1 must be between 0 and 255");
    });
    // The dormant panels' address edits swallow the dot too; other keys pass.
    for (const char* name : {"E_PROFINET_IP1", "E_SNMP_Agent_GAT4", "E_Modbus_TCP_Slave_SM2", "E_BACnet_Slave_IP3"}) {
        auto* edit = Named<TEdit>(name);
        Char dot = u'.', digit = u'5';
        edit->OnKeyPress(edit, dot);
        edit->OnKeyPress(edit, digit);
        EXPECT_EQ(dot, 0) << name;
        EXPECT_EQ(digit, u'5') << name;
    }
}

TEST_F(ParGenWindowTest, TheWheelOverThePanelsScrollsThemByTheSystemsLinesPerNotch)
{
    Show([&] {
        // Lower than its panels, so that the group can scroll.
        form->SetClientHeight(300);
        h.ProcessMessages();
        TControlScrollBar* bar = form->CPG->VertScrollBar();
        const Integer notch = Mouse->WheelScrollLines() * bar->Increment;
        ASSERT_GT(bar->ScrollPosMax(), 2 * notch);
        h.Wheel(form->CPG, -1);
        EXPECT_EQ(bar->Position(), notch);
        EXPECT_EQ(form->CP(nwEthernet)->Top(), -notch);
        // With the focus in an octet the wheel reaches the window the same way.
        Edit(pgEthernet_IP2)->SetFocus();
        h.Wheel(form->CPG, -1);
        EXPECT_EQ(bar->Position(), 2 * notch);
        h.Wheel(form->CPG, 1);
        EXPECT_EQ(bar->Position(), notch);
        // Outside the group the wheel does nothing here.
        h.Wheel(form->P_Title, -1);
        h.Wheel(form->P_Button, 1);
        EXPECT_EQ(bar->Position(), notch);
        for (int i = 0; i < 20; ++i) h.Wheel(form->CPG, -1);
        EXPECT_EQ(bar->Position(), bar->ScrollPosMax());
        for (int i = 0; i < 20; ++i) h.Wheel(form->CPG, 1);
        EXPECT_EQ(bar->Position(), 0);
    });
}

TEST_F(ParGenWindowTest, TheWheelScrollsAsManyLinesAsTheSystemSettingSays)
{
    const Integer before = WheelScrollLines();
    TScopeExit restore([before] { SetWheelScrollLines(before); });
    // Lines per notch; below 1 the wheel scrolls nothing (and is still taken by the window).
    for (const Integer lines : {1, 2, 5, 0, -1}) {
        SCOPED_TRACE(lines);
        SetWheelScrollLines(lines);
        Show([&] {
            form->SetClientHeight(300);
            h.ProcessMessages();
            TControlScrollBar* bar = form->CPG->VertScrollBar();
            ASSERT_GT(bar->ScrollPosMax(), 5 * bar->Increment);
            Edit(pgEthernet_IP2)->SetFocus();
            h.Wheel(form->CPG, -1);
            EXPECT_EQ(bar->Position(), std::max(lines, 0) * bar->Increment);
            h.Wheel(form->CPG, 1);
            EXPECT_EQ(bar->Position(), 0);
            form->SetClientHeight(TFParGen::Client_Height);
        });
    }
}

TEST_F(ParGenWindowTest, TheWheelOverThePanelsScrollsThemEvenFromAFocusedComboBox)
{
    // A model whose panel has combo boxes: the window takes the wheel before the combo would
    // change its choice.
    TFParGen* serial = Variant_Window(h, 52817);
    TScopeExit free([serial] { delete serial; });
    serial->SetClientHeight(250);
    h.ProcessMessages();
    auto* baud = dynamic_cast<TComboBox*>(serial->FindComponent(u"CB_Serial_Baudrate"));
    baud->SetFocus();
    const Integer chosen = baud->ItemIndex();
    h.Wheel(serial->CPG, -1);
    EXPECT_EQ(serial->CPG->VertScrollBar()->Position(),
              Mouse->WheelScrollLines() * serial->CPG->VertScrollBar()->Increment);
    EXPECT_EQ(baud->ItemIndex(), chosen);
}

TEST_F(ParGenWindowTest, TheLayoutOfThisModel)
{
    Show([&] {
        EXPECT_EQ(form->ClientWidth(), 460);
        EXPECT_EQ(form->ClientHeight(), 700);
        EXPECT_EQ(form->Caption(), u"Set Communication");
        EXPECT_EQ(form->L_SW_Code->Caption(), u"CF52818");
        EXPECT_EQ(form->L_SW_Desc->Caption(), u"Set Communication Setting");
        // Ethernet on top, the master side below, the other twelve hidden.
        for (Integer n = 0; n < Network_Count; ++n)
            EXPECT_EQ(form->CP(TNetwork(n))->Visible(), n == nwEthernet || n == nwEtherNetIP_Master) << n;
        TCategoryPanel* ethernet = form->CP(nwEthernet);
        TCategoryPanel* master = form->CP(nwEtherNetIP_Master);
        EXPECT_EQ(ethernet->Caption(), u"1. Ethernet");
        EXPECT_EQ(master->Caption(), u"2. RarudUra/ZU Vidira");
        EXPECT_EQ(ethernet->TabOrder(), 0);
        EXPECT_EQ(master->TabOrder(), 1);
        EXPECT_EQ(ethernet->Top(), 0);
        // The height fits the last control: its top and height (edits are 21 high), the group's
        // header of 24 and 12 pixels.
        EXPECT_EQ(form->CPG->HeaderHeight(), 24);
        EXPECT_EQ(Edit(pgEthernet_UDP_Port)->Height(), 21);
        EXPECT_EQ(ethernet->Height(), 121 + 21 + 24 + 12);
        EXPECT_EQ(master->Top(), ethernet->Height());
        EXPECT_EQ(master->Height(), 93 + 21 + 24 + 12);
        // The DNS row is hidden and the ports take its place.
        for (const char* name :
             {"CB_Ethernet_DNS", "E_Ethernet_DNS1", "E_Ethernet_DNS2", "E_Ethernet_DNS3", "E_Ethernet_DNS4",
              "E_Ethernet_DNS_Dot1", "E_Ethernet_DNS_Dot2", "E_Ethernet_DNS_Dot3"})
            EXPECT_FALSE(Named(name)->Visible()) << name;
        struct Place {
            const char* name;
            Integer top;
        };
        const Place places[] = {
            {"L_Ethernet_IP", 12},
            {"E_Ethernet_IP1", 9},
            {"E_Ethernet_SM4", 37},
            {"CB_Ethernet_En_GAT", 67},
            {"E_Ethernet_GAT1", 65},
            {"L_Ethernet_TCP_Port", 96},
            {"E_Ethernet_TCP_Port", 93},
            {"L_Ethernet_UDP_Port", 124},
            {"E_Ethernet_UDP_Port", 121},
            {"L_EtherNetIP_Master_SM", 40},
            {"E_EtherNetIP_Master_GAT4", 65},
            {"L_EtherNetIP_Master_TunnelPort", 96},
            {"E_EtherNetIP_Master_Port", 93},
        };
        for (const Place& p : places) {
            EXPECT_EQ(Named(p.name)->Top(), p.top) << p.name;
            EXPECT_TRUE(Named(p.name)->Visible()) << p.name;
        }
        // The height may change, the width may not.
        form->SetClientSize(600, 500);
        EXPECT_EQ(form->ClientWidth(), 460);
        EXPECT_EQ(form->ClientHeight(), 500);
        form->SetWidth(300);
        EXPECT_EQ(form->ClientWidth(), 460);
        form->SetClientHeight(700);
        const std::filesystem::path file = test::picturePath("par_gen_window.png");
        h.SavePng(form, Path(file));
        EXPECT_GT(std::filesystem::file_size(file), 1000u);
        std::cout << "picture: " << file.string() << "\n";
    });
}

// The controls that take a panel's texts, in text order: a name alone takes a caption, a name
// with "?" a hint.
using Targets = std::vector<std::string>;

Targets operator+(Targets A, const Targets& B)
{
    A.insert(A.end(), B.begin(), B.end());
    return A;
}

// A row named by a label: its caption, then a hint per field.
Targets Row(const std::string& Label, std::initializer_list<std::string> Fields)
{
    Targets t{Label};
    for (const std::string& f : Fields) t.push_back(f + "?");
    return t;
}
// A row named by a check box: its caption and hint, then a hint per field.
Targets Check_Row(const std::string& Check, std::initializer_list<std::string> Fields = {})
{
    Targets t{Check, Check + "?"};
    for (const std::string& f : Fields) t.push_back(f + "?");
    return t;
}
Targets Octets(const std::string& Edits) { return {Edits + "1?", Edits + "2?", Edits + "3?", Edits + "4?"}; }
Targets Octet_Row(const std::string& Label, const std::string& Edits) { return Targets{Label} + Octets(Edits); }
Targets Check_Octet_Row(const std::string& Check, const std::string& Edits) { return Check_Row(Check) + Octets(Edits); }
Targets Address_Rows(const std::string& P, const std::string& Gateway)
{
    return Octet_Row("L_" + P + "_IP", "E_" + P + "_IP") + Octet_Row("L_" + P + "_SM", "E_" + P + "_SM") +
        Check_Octet_Row(Gateway, "E_" + P + "_GAT");
}
Targets Edit_Row(const std::string& P, const std::string& Name)
{
    return Row("L_" + P + "_" + Name, {"E_" + P + "_" + Name});
}
Targets Combo_Row(const std::string& P, const std::string& Name)
{
    return Row("L_" + P + "_" + Name, {"CB_" + P + "_" + Name});
}
Targets Serial_Rows(const std::string& P)
{
    return Combo_Row(P, "Serial") + Combo_Row(P, "Baudrate") + Combo_Row(P, "Parity") + Combo_Row(P, "StopBits");
}

struct PanelTexts {
    const char* panel;
    Integer first;
    Integer last;
    Targets targets;
};

std::vector<PanelTexts> Panel_Texts()
{
    const std::string S = "SNMP_Agent", B = "BACnet_Slave", M = "MQTT";
    return {
        {"CP_EtherNetIP_Master", 407, 424,
         Address_Rows("EtherNetIP_Master", "CB_EtherNetIP_Master_GAT") +
             Row("L_EtherNetIP_Master_TunnelPort", {"E_EtherNetIP_Master_Port"})},
        {"CP_Ethernet", 709, 734,
         Address_Rows("Ethernet", "CB_Ethernet_En_GAT") + Check_Octet_Row("CB_Ethernet_DNS", "E_Ethernet_DNS") +
             Edit_Row("Ethernet", "TCP_Port") + Edit_Row("Ethernet", "UDP_Port")},
        {"CP_PROFINET", 426, 449,
         Address_Rows("PROFINET", "CB_PROFINET_GAT") + Edit_Row("PROFINET", "Port") +
             Edit_Row("PROFINET", "NameStation") + Edit_Row("PROFINET", "NB_In") + Edit_Row("PROFINET", "NB_Out")},
        {"CP_SNMP_Agent", 478, 515,
         Address_Rows(S, "CB_SNMP_Agent_GAT") + Edit_Row(S, "NameStation") + Edit_Row(S, "Contact") +
             Edit_Row(S, "Location") +
             Row("L_SNMP_Agent_Version",
                 {"CB_SNMP_Agent_Version1", "CB_SNMP_Agent_Version2", "CB_SNMP_Agent_Version3"}) +
             Edit_Row(S, "User") + Combo_Row(S, "SecurityLevel") + Edit_Row(S, "Authority") +
             Combo_Row(S, "AuthorityMode") + Edit_Row(S, "Privacy") + Combo_Row(S, "PrivacyMode")},
        {"CP_PROFIBUS", 529, 536,
         Edit_Row("PROFIBUS", "ID") + Combo_Row("PROFIBUS", "Baudrate") + Edit_Row("PROFIBUS", "NB_In") +
             Edit_Row("PROFIBUS", "NB_Out")},
        {"CP_DeviceNet_Slave", 544, 551,
         Edit_Row("DeviceNet_Slave", "ID") + Combo_Row("DeviceNet_Slave", "Baudrate") +
             Edit_Row("DeviceNet_Slave", "NB_In") + Edit_Row("DeviceNet_Slave", "NB_Out")},
        {"CP_Modbus_TCP_Slave", 556, 573,
         Address_Rows("Modbus_TCP_Slave", "CB_Modbus_TCP_Slave_GAT") + Edit_Row("Modbus_TCP_Slave", "Port")},
        {"CP_Serial", 588, 595, Serial_Rows("Serial")},
        {"CP_Modbus_Slave", 598, 609,
         Serial_Rows("Modbus_Slave") + Edit_Row("Modbus_Slave", "ID") + Check_Row("CB_Modbus_Slave_Read_Input_Reg")},
        {"CP_BACnet_Slave", 611, 652,
         Combo_Row(B, "Type") + Address_Rows(B, "CB_BACnet_Slave_GAT") + Edit_Row(B, "Port") +
             Edit_Row(B, "DeviceName") + Edit_Row(B, "DeviceID") + Combo_Row(B, "Baudrate") + Combo_Row(B, "Parity") +
             Edit_Row(B, "Ser_DeviceName") + Edit_Row(B, "MAC") + Edit_Row(B, "MaxMaster") +
             Edit_Row(B, "MaxInfoFrame") + Edit_Row(B, "DeviceInstance") + Edit_Row(B, "Network") +
             Check_Row("CB_BACnet_Slave_Desc_Chars_Limit")},
        {"CP_KNX", 674, 677, Combo_Row("KNX", "Type") + Edit_Row("KNX", "ID")},
        {"CP_MQTT", 680, 707,
         Edit_Row(M, "ServerURL") + Edit_Row(M, "ServerPort") + Edit_Row(M, "ClientID") + Edit_Row(M, "KeepAlive") +
             Check_Row("CB_MQTT_CleanSession") + Check_Row("CB_MQTT_WillFlag") + Edit_Row(M, "TopicWill") +
             Edit_Row(M, "MessageWill") + Check_Row("CB_MQTT_RetainedWill") + Combo_Row(M, "QoSWill") +
             Edit_Row(M, "UserName") + Edit_Row(M, "Password") + Edit_Row(M, "SendTime") +
             Check_Row("CB_MQTT_Read_Input_Reg")},
        {"CP_CANopen", 754, 764,
         Edit_Row("CANopen", "ID") + Combo_Row("CANopen", "Baudrate") + Check_Row("CB_CANopen_OpState") +
             Check_Row("CB_CANopen_NetStart", {"E_CANopen_NetStart_Delay"}) + Edit_Row("CANopen", "SDO_TimeOut")},
    };
}

TEST_F(ParGenWindowTest, ALanguageChangeReachesEveryPanelsRowsButNotThePanelTitles)
{
    std::string lines;
    for (Integer n = 400; n <= 767; ++n) lines += "STR" + std::to_string(n) + " =T" + std::to_string(n) + "\n";
    Write_Language("Test", lines);
    ProgramState.Language_Name = u"Test";
    ProgramState.Load_Language();
    main->Change_Language();

    EXPECT_EQ(form->Caption(), u"T400");
    EXPECT_EQ(form->L_SW_Desc->Caption(), u"T401");
    EXPECT_EQ(form->Btn_OK->Caption(), u"T402");
    EXPECT_EQ(form->Btn_Cancel->Caption(), u"T403");
    EXPECT_EQ(form->Btn_OK->Hint, u"T404");
    EXPECT_EQ(form->Btn_Cancel->Hint, u"T405");
    for (const PanelTexts& p : Panel_Texts()) {
        SCOPED_TRACE(p.panel);
        ASSERT_EQ(p.first + Integer(p.targets.size()) - 1, p.last) << "the table of the test itself";
        Integer number = p.first;
        for (const std::string& target : p.targets) {
            const bool hint = target.back() == '?';
            TControl* c = Named(hint ? target.substr(0, target.size() - 1) : target);
            if (!c) continue;
            EXPECT_EQ(hint ? c->Hint : c->Caption(), u"T" + IntToStr(number++)) << target;
        }
    }
    // Titled at creation only; the CAN panel and the Modbus TCP box keep their design texts.
    EXPECT_EQ(form->CP(nwEthernet)->Caption(), u"1. Ethernet");
    EXPECT_EQ(form->CP(nwEtherNetIP_Master)->Caption(), u"2. RarudUra/ZU Vidira");
    EXPECT_EQ(form->CP(nwPROFINET)->Caption(), u"");
    EXPECT_EQ(Named("L_CAN_Baudrate")->Caption(), u"Baudrate");
    EXPECT_EQ(Named("CB_CAN_Baudrate")->Hint, u"");
    EXPECT_EQ(Named("CB_Modbus_TCP_Slave_Read_Input_Reg")->Caption(), u"Read with Input Register / Status Function");
    EXPECT_EQ(Named("CB_Modbus_TCP_Slave_Read_Input_Reg")->Hint, u"");
    // The dots between octets are no texts.
    EXPECT_EQ(Named("E_Ethernet_IP_Dot1")->Caption(), u".");
}

struct VariantCase {
    Integer model;
    const char* panel;
    const char* title;
    const char* last;  // the control the panel's height fits
};

const VariantCase Variant_Cases[] = {
    {52805, "CP_SNMP_Agent", "1. SNMP Agent", "CB_SNMP_Agent_Version3"},
    {52809, "CP_PROFIBUS", "1. PROFIBUS", "E_PROFIBUS_NB_Out"},
    {52811, "CP_CAN", "1. CAN", "CB_CAN_Baudrate"},
    {52812, "CP_CANopen", "1. CANopen", "E_CANopen_SDO_TimeOut"},
    {52813, "CP_DeviceNet_Slave", "1. DeviceNet Slave", "E_DeviceNet_Slave_NB_Out"},
    {52814, "CP_PROFINET", "1. PROFINET", "E_PROFINET_NameStation"},
    {52816, "CP_Modbus_TCP_Slave", "1. Modbus TCP Slave", "CB_Modbus_TCP_Slave_Read_Input_Reg"},
    {52817, "CP_Serial", "1. Serial", "CB_Serial_StopBits"},
    {52818, "CP_Ethernet", "1. Ethernet", "E_Ethernet_UDP_Port"},
    {52819, "CP_Modbus_Slave", "1. Modbus Slave", "CB_Modbus_Slave_Read_Input_Reg"},
    {52822, "CP_BACnet_Slave", "1. BACnet Slave", "CB_BACnet_Slave_Desc_Chars_Limit"},
    {52824, "CP_KNX", "1. KNX", "E_KNX_ID"},
    {52826, "CP_MQTT", "1. MQTT", "E_MQTT_SendTime"},
};

// A window built for another model of the family, shown beside the program's own (which owns
// the name FParGen among the application's windows).
TFParGen* Variant_Window(THarness& H, Integer Model)
{
    auto* form = new TFParGen(nullptr, Model);
    form->DoCreate();
    form->Show();
    H.ProcessMessages();
    return form;
}

Integer Fitted_Height(const TControl* Last) { return Last->Top() + Last->Height() + 24 + 12; }

TEST_F(ParGenWindowTest, EveryModelShowsItsNetworkPanelAboveTheMasterPanel)
{
    for (const VariantCase& c : Variant_Cases) {
        SCOPED_TRACE(c.model);
        TFParGen* variant = Variant_Window(h, c.model);
        TScopeExit free([variant] { delete variant; });
        std::vector<std::string> shown;
        for (TCategoryPanel* p : variant->CPG->Panels())
            if (p->Visible()) shown.push_back(StringToUtf8(p->Name()));
        EXPECT_EQ(shown, (std::vector<std::string>{c.panel, "CP_EtherNetIP_Master"}));
        auto* net = dynamic_cast<TCategoryPanel*>(variant->FindComponent(S(c.panel)));
        TCategoryPanel* master = variant->CP(nwEtherNetIP_Master);
        ASSERT_NE(net, nullptr);
        EXPECT_EQ(net->Caption(), S(c.title));
        EXPECT_EQ(master->Caption(), u"2. RarudUra/ZU Vidira");
        EXPECT_EQ(net->TabOrder(), 0);
        EXPECT_EQ(master->TabOrder(), 1);
        EXPECT_EQ(net->Top(), 0);
        EXPECT_EQ(master->Top(), net->Height());
        auto* last = dynamic_cast<TControl*>(variant->FindComponent(S(c.last)));
        ASSERT_NE(last, nullptr);
        EXPECT_TRUE(last->Visible());
        EXPECT_EQ(net->Height(), Fitted_Height(last));
        EXPECT_EQ(master->Height(), 93 + 21 + 24 + 12);
    }
    EXPECT_THROW(TFParGen(nullptr, 52800), ERangeError);
}

// Which of the named controls are shown.
std::string Shown(const TFParGen* Form, std::initializer_list<const char*> Names)
{
    std::string r;
    for (const char* n : Names) r += dynamic_cast<TControl*>(Form->FindComponent(S(n)))->Visible() ? '1' : '0';
    return r;
}

TEST_F(ParGenWindowTest, TheSnmpRowsFollowVersionThreeAndTheSecurityLevel)
{
    TFParGen* snmp = Variant_Window(h, 52805);
    TScopeExit free([snmp] { delete snmp; });
    TCategoryPanel* panel = snmp->CP(nwSNMP_Agent);
    auto control = [snmp](const char* Name) { return dynamic_cast<TControl*>(snmp->FindComponent(S(Name))); };
    const std::initializer_list<const char*> rows = {"E_SNMP_Agent_User",      "L_SNMP_Agent_SecurityLevel",
                                                     "E_SNMP_Agent_Authority", "CB_SNMP_Agent_AuthorityMode",
                                                     "L_SNMP_Agent_Privacy",   "CB_SNMP_Agent_PrivacyMode"};
    EXPECT_EQ(Shown(snmp, rows), "000000");
    h.Click(snmp->CB_SNMP_Agent_Version3);
    EXPECT_EQ(Shown(snmp, rows), "110000");
    EXPECT_EQ(panel->Height(), Fitted_Height(snmp->CB_SNMP_Agent_SecurityLevel));
    // The level chosen with the keyboard, as a person does.
    snmp->CB_SNMP_Agent_SecurityLevel->SetFocus();
    h.Press(VK_DOWN);
    EXPECT_EQ(snmp->CB_SNMP_Agent_SecurityLevel->ItemIndex(), 1);
    EXPECT_EQ(Shown(snmp, rows), "111100");
    EXPECT_EQ(panel->Height(), Fitted_Height(control("CB_SNMP_Agent_AuthorityMode")));
    h.Press(VK_DOWN);
    EXPECT_EQ(Shown(snmp, rows), "111111");
    EXPECT_EQ(panel->Height(), Fitted_Height(control("CB_SNMP_Agent_PrivacyMode")));
    // The rows keep their places; only their visibility changes.
    EXPECT_EQ(control("CB_SNMP_Agent_PrivacyMode")->Top(), 9 + 28 * 12);
    h.Click(snmp->CB_SNMP_Agent_Version3);
    EXPECT_EQ(Shown(snmp, rows), "000000");
    EXPECT_EQ(panel->Height(), Fitted_Height(snmp->CB_SNMP_Agent_Version3));
    // The master panel stays directly below.
    EXPECT_EQ(snmp->CP(nwEtherNetIP_Master)->Top(), panel->Height());
}

TEST_F(ParGenWindowTest, TheBacnetRowsFollowTheType)
{
    TFParGen* bacnet = Variant_Window(h, 52822);
    TScopeExit free([bacnet] { delete bacnet; });
    auto control = [bacnet](const char* Name) { return dynamic_cast<TControl*>(bacnet->FindComponent(S(Name))); };
    const std::initializer_list<const char*> rows = {
        "E_BACnet_Slave_IP1", "E_BACnet_Slave_Port",    "E_BACnet_Slave_DeviceID",         "CB_BACnet_Slave_Baudrate",
        "L_BACnet_Slave_MAC", "E_BACnet_Slave_Network", "CB_BACnet_Slave_Desc_Chars_Limit"};
    TControl* box = control("CB_BACnet_Slave_Desc_Chars_Limit");
    EXPECT_EQ(Shown(bacnet, rows), "1110001");
    EXPECT_EQ(box->Top(), 9 + 28 * 7 + 2);  // one row below the device identifier
    EXPECT_EQ(bacnet->CP(nwBACnet_Slave)->Height(), Fitted_Height(box));
    bacnet->CB_BACnet_Slave_Type->SetFocus();
    h.Press(VK_DOWN);
    EXPECT_EQ(Shown(bacnet, rows), "0001111");
    // The MS/TP rows stack from the IP row's place, 28 pixels apart; the box one row below.
    EXPECT_EQ(control("CB_BACnet_Slave_Baudrate")->Top(), 9 + 28);
    EXPECT_EQ(control("L_BACnet_Slave_MAC")->Top(), 9 + 28 * 4 + 3);
    EXPECT_EQ(control("E_BACnet_Slave_Network")->Top(), 9 + 28 * 8);
    EXPECT_EQ(box->Top(), 9 + 28 * 9 + 2);
    EXPECT_EQ(bacnet->CP(nwBACnet_Slave)->Height(), Fitted_Height(box));
    h.Press(VK_UP);
    EXPECT_EQ(Shown(bacnet, rows), "1110001");
    EXPECT_EQ(box->Top(), 9 + 28 * 7 + 2);
}

TEST_F(ParGenWindowTest, TheMqttUserRowsFollowTheWillFlag)
{
    TFParGen* mqtt = Variant_Window(h, 52826);
    TScopeExit free([mqtt] { delete mqtt; });
    auto control = [mqtt](const char* Name) { return dynamic_cast<TControl*>(mqtt->FindComponent(S(Name))); };
    const std::initializer_list<const char*> will = {"E_MQTT_TopicWill", "L_MQTT_MessageWill", "CB_MQTT_RetainedWill",
                                                     "CB_MQTT_QoSWill"};
    struct Place {
        const char* name;
        Integer withoutWill;
        Integer withWill;
    };
    const Place places[] = {
        {"E_MQTT_UserName", 9 + 28 * 6, 9 + 28 * 10}, {"L_MQTT_UserName", 12 + 28 * 6, 12 + 28 * 10},
        {"E_MQTT_Password", 9 + 28 * 7, 9 + 28 * 11}, {"L_MQTT_Password", 12 + 28 * 7, 12 + 28 * 11},
        {"E_MQTT_SendTime", 9 + 28 * 8, 9 + 28 * 12}, {"L_MQTT_SendTime", 12 + 28 * 8, 12 + 28 * 12},
    };
    for (bool withWill : {false, true, false}) {
        SCOPED_TRACE(withWill);
        if (withWill != mqtt->CB_MQTT_WillFlag->Checked()) h.Click(mqtt->CB_MQTT_WillFlag);
        EXPECT_EQ(Shown(mqtt, will), withWill ? "1111" : "0000");
        for (const Place& p : places)
            EXPECT_EQ(control(p.name)->Top(), withWill ? p.withWill : p.withoutWill) << p.name;
        EXPECT_EQ(mqtt->CP(nwMQTT)->Height(), Fitted_Height(control("E_MQTT_SendTime")));
    }
    // Other senders leave the rows alone.
    h.Click(control("CB_MQTT_CleanSession"));
    EXPECT_EQ(control("E_MQTT_UserName")->Top(), 9 + 28 * 6);
}

TEST(ParGenWindow, CheckDeviceNameFindsAnyCharacterButAsciiLettersAndDigits)
{
    const std::pair<const char16_t*, bool> cases[] = {
        {u"", false},   {u"abcXYZ019", false}, {u"Z", false},        {u"a", false}, {u"a b", true},
        {u"a-b", true}, {u"a_b", true},        {u"\u00FCber", true}, {u"/", true},  {u":", true},
        {u"@", true},   {u"[", true},          {u"`", true},         {u"{", true},  {u"station.1", true},
    };
    for (const auto& [text, found] : cases) EXPECT_EQ(TFParGen::Check_Device_Name(text), found) << StringToUtf8(text);
}

}  // namespace
}  // namespace gw::test
