// Tests of the device update window: layout by mode, the octet edits, the device check against a
// scripted pinger on the virtual clock, the update file and the update program, the re-entrancy
// mends as event orders, and one real echo to 127.0.0.1.
#include "core/boot_window.h"

#include "core/address_checks.h"
#include "core/update_parameter_file.h"
#include "imagebutton/img_button.h"
#include "platform/controls/check_box.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/controls/panel.h"
#include "platform/net/process.h"
#include "platform/ui/window_system.h"
#include "tests/core/program_fixture.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace gw::test {
namespace {

// What the scripted device does with one echo request.
enum TEcho { Answer, Silence, Unreachable, Send_Error };

struct TTry {
    TEcho Echo = Silence;
    Cardinal Ms = 5;  // until the reply comes (silence always lasts the whole time-out)
};

std::string Dotted(uint32_t A)
{
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", A >> 24, (A >> 16) & 255, (A >> 8) & 255, A & 255);
    return text;
}

// A device that replies from a script; time passes on the virtual clock as the replies take it.
struct ScriptedPinger {
    std::vector<TTry> Script;
    TTry After{Silence};  // once the script is used up
    // Each request as "address data".
    std::vector<std::string> Sent;
    // Runs inside try n (from 1) while the echo is out: what the user does meanwhile.
    std::function<void(size_t Try)> During;

    void Reset(std::vector<TTry> S, TTry A = {Silence})
    {
        Script = std::move(S);
        After = A;
        Sent.clear();
        During = nullptr;
    }

    TReplyStatus Reply(uint32_t Address, std::string_view Data, Cardinal Timeout)
    {
        Sent.push_back(Dotted(Address) + " " + std::string(Data));
        if (During) During(Sent.size());
        const TTry t = Sent.size() <= Script.size() ? Script[Sent.size() - 1] : After;
        TReplyStatus r;
        switch (t.Echo) {
        case Send_Error: throw EIcmpError(u"Cannot send an echo request: Network is unreachable");
        case Silence: Sleep(Timeout); return r;
        case Answer:
            r.ReplyStatusType = rsEcho;
            r.BytesReceived = int32_t(Data.size());
            break;
        case Unreachable:
            r.ReplyStatusType = rsErrorUnreachable;
            r.BytesReceived = 28;
            break;
        }
        Sleep(t.Ms);
        return r;
    }
};

std::vector<TTry> Times(size_t N, TTry T) { return std::vector<TTry>(N, T); }
std::vector<TTry> operator+(std::vector<TTry> A, const std::vector<TTry>& B)
{
    A.insert(A.end(), B.begin(), B.end());
    return A;
}

constexpr const char* Old_Update_File = "<Ethernet_Update><IP_Address_Dev>10.9.9.9</IP_Address_Dev></Ethernet_Update>";

class BootTest : public ProgramFixture {
protected:
    BootTest()
    {
        Make_Conf("Plant");
        Write_Settings("Plant");  // last device address 10.0.0.9
        m_sender = SetEchoSender([this](uint32_t Address, std::string_view Data, Cardinal Timeout) {
            return pinger.Reply(Address, Data, Timeout);
        });
    }
    ~BootTest() override { SetEchoSender(m_sender); }

    void SetUp() override
    {
        Start();
        ASSERT_NE(FBoot, nullptr);
        ASSERT_EQ(main->Window(pwBoot), FBoot);
        FBoot->Launcher = [this](const String& NomeSW, const String& Parameter, bool tipo) {
            launched.push_back(StringToUtf8(NomeSW) + (Parameter.empty() ? "" : " " + StringToUtf8(Parameter)) +
                               (tipo ? " hidden" : " shown"));
            return outcome;
        };
        writeBytes(Update_File(), Old_Update_File);
    }

    std::filesystem::path Update_File() const { return dir / "Ethernet_Update.xml"; }
    std::string Program() const { return (dir / "Ethernet_Update").string() + " shown"; }

    // "Update Device UDP" as a person clicks it: Inside runs while the update window is shown,
    // which is then closed with Cancel unless Inside closed it. Returns how the window closed.
    TModalResult With_Update_Window(const std::function<void()>& Inside)
    {
        TModalResult result = mrNone;
        h.AnswerModal(u"TFBoot", [&](TCustomForm& Form) {
            Inside();
            result = Form.ModalResult;
            if (Form.ModalResult == mrNone) Form.ModalResult = mrCancel;
        });
        h.Click(main->Btn_CreateBin);
        EXPECT_EQ(h.PendingAnswers(), 0u);
        return result;
    }

    void Set_Address(std::array<const char16_t*, 4> Octets)
    {
        for (size_t k = 0; k < 4; ++k) FBoot->E_IP[k]->SetText(Octets[k]);
    }

    // Sets the octets, clicks Execute and answers the message box that comes, if any (its text
    // in Message). Returns whether the window stayed open.
    bool Execute(std::array<const char16_t*, 4> Octets, std::string* Message = nullptr)
    {
        const size_t shown = h.MessagesShown().size();
        bool open = true;
        With_Update_Window([&] {
            Set_Address(Octets);
            if (Message) h.AnswerMessage(u"", mrOk);
            h.Click(FBoot->Btn_Update);
            open = FBoot->ModalResult == mrNone;
        });
        if (Message) {
            EXPECT_EQ(h.MessagesShown().size(), shown + 1);
            *Message = h.MessagesShown().size() > shown ? StringToUtf8(h.MessagesShown().back()) : "";
        }
        return open;
    }

    ScriptedPinger pinger;
    std::vector<std::string> launched;
    TStartOutcome outcome{TStartResult::srEnded, 0, {}};

private:
    TEchoSender m_sender;
};

TEST_F(BootTest, EthernetLayoutTextsAndTheLastChoices)
{
    ProgramState.Update_Option_Index = uoConfiguration;
    ProgramState.Update_Read_Back = false;
    With_Update_Window([&] {
        TFBoot& f = *FBoot;
        EXPECT_EQ(f.ClientWidth(), 449);
        EXPECT_EQ(f.ClientHeight(),
                  f.P_Title->Height() + f.P_IP_Address->Height() + f.P_Options->Height() + f.P_Button->Height());
        // Title, address and options from the top, the buttons at the bottom.
        EXPECT_EQ(f.P_Title->Top(), 0);
        EXPECT_EQ(f.P_IP_Address->Top(), f.P_Title->Height());
        EXPECT_EQ(f.P_Options->Top(), f.P_IP_Address->Top() + f.P_IP_Address->Height());
        EXPECT_EQ(f.P_Button->Top() + f.P_Button->Height(), f.ClientHeight());
        EXPECT_TRUE(f.P_IP_Address->Visible() && f.P_Options->Visible());
        EXPECT_FALSE(f.P_Eth_Search->Visible());
        EXPECT_FALSE(f.P_Serial->Visible());
        const TPanel* order[] = {f.P_Title, f.P_IP_Address, f.P_Eth_Search, f.P_Options, f.P_Button, f.P_Serial};
        for (Integer k = 0; k < 6; ++k) EXPECT_EQ(order[k]->TabOrder(), k) << StringToUtf8(order[k]->Name());
        EXPECT_EQ(f.ActiveControl(), f.E_IP[0]);
        EXPECT_EQ(f.Caption(), u"Update Device by Ethernet (UDP)");
        EXPECT_EQ(f.L_SW_Desc->Caption(), u"Update Device Using the Ethernet Port");
        EXPECT_EQ(f.L_SW_Code->Caption(), u"CF52818");
        EXPECT_EQ(f.Btn_Update->Caption(), u"Execute Update Firmware");
        EXPECT_EQ(f.Btn_Cancel->ModalResult(), mrCancel);
        EXPECT_EQ(f.Btn_Update->ModalResult(), mrNone);
        ASSERT_EQ(f.CB_Update_Options->Items()->Count(), 3);
        EXPECT_EQ(f.CB_Update_Options->Items()->Strings(0), u"Firmware + Configuration");
        EXPECT_EQ(f.CB_Update_Options->Items()->Strings(2), u"Configuration");
        EXPECT_EQ(f.CB_Update_Options->ItemIndex(), uoConfiguration);
        EXPECT_FALSE(f.CB_Update_Option_Read_Back->Checked());
        EXPECT_EQ(f.IP_Address_Text(), u"10.0.0.9");  // the last device address of the settings
        EXPECT_EQ(f.E_IP[3]->Hint, u"Insert fourth byte of IP Address");
    });
}

TEST_F(BootTest, TheSerialModeLaysOutItsOwnPanelsAndTheNextShowingIsEthernetAgain)
{
    FBoot->Form_Type = bmSerial;
    h.AnswerModal(u"TFBoot", [&](TCustomForm& Form) {
        TFBoot& f = *FBoot;
        EXPECT_EQ(f.Caption(), u"Update Device by Serial");
        EXPECT_EQ(f.L_SW_Desc->Caption(), u"Update Device Using the Serial Port");
        EXPECT_TRUE(f.P_Serial->Visible());
        EXPECT_FALSE(f.P_IP_Address->Visible());
        EXPECT_EQ(f.P_Serial->Top(), f.P_Title->Height());
        EXPECT_EQ(f.P_Options->Top(), f.P_Serial->Top() + f.P_Serial->Height());
        EXPECT_EQ(f.ClientHeight(),
                  f.P_Title->Height() + f.P_Serial->Height() + f.P_Options->Height() + f.P_Button->Height());
        EXPECT_EQ(f.ActiveControl(), f.CB_COM_Port);
        // The ports present, "COM" and each number, the first chosen; the list button lists anew.
        std::vector<String> ports;
        for (const String& n : List_COM_Ports()) ports.push_back(u"COM" + n);
        const auto listed = [&f] {
            std::vector<String> items;
            for (Integer i = 0; i < f.CB_COM_Port->Items()->Count(); ++i)
                items.push_back(f.CB_COM_Port->Items()->Strings(i));
            return items;
        };
        EXPECT_EQ(listed(), ports);
        EXPECT_EQ(f.CB_COM_Port->ItemIndex(), ports.empty() ? -1 : 0);
        f.CB_COM_Port->Items()->Add(u"COM99");
        h.Click(f.Btn_COM_List);
        EXPECT_EQ(listed(), ports);
        // Execute only keeps the choices here: no check, nothing written or started.
        f.CB_Update_Options->SetItemIndex(uoFirmware);
        h.Click(f.Btn_Update);
        EXPECT_EQ(ProgramState.Update_Option_Index, uoFirmware);
        Form.ModalResult = mrCancel;
    });
    FBoot->ShowModal();
    EXPECT_TRUE(pinger.Sent.empty());
    EXPECT_TRUE(launched.empty());

    // The update step always sets the Ethernet mode, whatever the window showed last.
    With_Update_Window([&] {
        TFBoot& f = *FBoot;
        EXPECT_EQ(f.Caption(), u"Update Device by Ethernet (UDP)");
        EXPECT_FALSE(f.P_Serial->Visible());
        EXPECT_EQ(f.P_IP_Address->Top(), f.P_Title->Height());
        EXPECT_EQ(f.P_Options->Top(), f.P_IP_Address->Top() + f.P_IP_Address->Height());
        EXPECT_EQ(f.ClientHeight(),
                  f.P_Title->Height() + f.P_IP_Address->Height() + f.P_Options->Height() + f.P_Button->Height());
        EXPECT_EQ(f.ActiveControl(), f.E_IP[0]);
        EXPECT_EQ(f.CB_Update_Options->ItemIndex(), uoFirmware);
    });
}

TEST_F(BootTest, TheLastAddressFillsTheOctetsOnlyWhenItIsOne)
{
    const struct {
        const char16_t* last;
        const char16_t* shown;
    } cases[] = {
        {u"192.168.002.205", u"192.168.002.205"},  // as stored, leading zeros kept
        {u" 172 . 16.0.1 ", u"172.16.0.1"},  // the checked parts, trimmed
        {u"", u"a.b.c.d"},  // the edits keep what they held
        {u"10.0.0.300", u"a.b.c.d"},
        {u"10.0.0", u"a.b.c.d"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(StringToUtf8(c.last));
        Set_Address({u"a", u"b", u"c", u"d"});
        ProgramState.Device_IP_Address = c.last;
        With_Update_Window([&] { EXPECT_EQ(FBoot->IP_Address_Text(), c.shown); });
    }
}

TEST_F(BootTest, TheDotKeyMovesToTheNextOctetAndIsNeverTyped)
{
    With_Update_Window([&] {
        TFBoot& f = *FBoot;
        // Typed over the last address: each edit selects its text when the dot enters it.
        h.Type(u"192.168.002.205");
        EXPECT_EQ(f.IP_Address_Text(), u"192.168.002.205");
        EXPECT_EQ(f.ActiveControl(), f.E_IP[3]);
        h.Type(u".");  // in the last octet the dot goes nowhere
        EXPECT_EQ(f.E_IP[3]->Text(), u"205");
        EXPECT_EQ(f.ActiveControl(), f.E_IP[3]);
        // An octet that cannot take the focus keeps the focus where it was.
        f.E_IP[2]->SetEnabled(false);
        f.E_IP[1]->SetFocus();
        h.Type(u"7.");
        EXPECT_EQ(f.E_IP[1]->Text(), u"7");
        EXPECT_EQ(f.ActiveControl(), f.E_IP[1]);
        f.E_IP[2]->SetEnabled(true);
    });
}

TEST_F(BootTest, TheDeviceCheckAsATableOfReplySequences)
{
    // A silent try lasts the 400 ms time-out and one 10 ms pause; the check goes on while at
    // most 5000 ms have passed, so silence alone makes 13 tries (the 13th ends at 5330 ms).
    const TTry A{Answer}, S{Silence}, U{Unreachable}, E{Send_Error};
    const std::string not_found = "Device Not Found!", bad_address = "Error!!! Check the Ip Address";
    const struct {
        const char* name;
        std::vector<TTry> script;
        TTry after;
        size_t tries;
        std::string message;  // empty: the update runs
    } cases[] = {
        {"two answers", {A, A}, S, 2, ""},
        {"an answer, then silence", {A}, S, 14, not_found},
        {"silence throughout", {}, S, 13, not_found},
        {"silence, then a late answer in the last try", Times(12, S) + std::vector<TTry>{{Answer, 300}}, S, 13, ""},
        // The 13th try ending at exactly 5000 ms leaves time for a 14th, which is silent.
        {"silence, then an answer at the limit", Times(12, S) + std::vector<TTry>{{Answer, 70}}, S, 14, not_found},
        {"silence, then an answer past the limit", Times(12, S) + std::vector<TTry>{{Answer, 71}}, S, 13, ""},
        {"a send error first", {E}, S, 1, bad_address},
        {"an answer, then a send error", {A, E}, S, 2, bad_address},
        {"unreachable replies only", {}, U, 334, not_found},  // 15 ms a try
        {"an unreachable reply, then two answers", {U, A, A}, S, 3, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        pinger.Reset(c.script, c.after);
        launched.clear();
        ProgramState.Device_IP_Address = u"10.0.0.9";
        writeBytes(Update_File(), Old_Update_File);
        std::string message;
        const Cardinal start = GetTickCount();
        EXPECT_TRUE(Execute({u"192", u"168", u"002", u"205"}, c.message.empty() ? nullptr : &message));
        EXPECT_LE(GetTickCount() - start, 5000u + 410u);
        EXPECT_EQ(pinger.Sent.size(), c.tries);
        for (const std::string& sent : pinger.Sent) EXPECT_EQ(sent, "192.168.2.205 192.168.002.205");
        if (c.message.empty()) {
            EXPECT_EQ(launched, std::vector<std::string>{Program()});
            EXPECT_EQ(ProgramState.Device_IP_Address, u"192.168.002.205");
            EXPECT_NE(readBytes(Update_File()).find("<IP_Address_Dev>192.168.002.205</IP_Address_Dev>"),
                      std::string::npos);
        } else {
            EXPECT_EQ(message.rfind(c.message, 0), 0u) << message;
            EXPECT_TRUE(launched.empty());
            EXPECT_EQ(ProgramState.Device_IP_Address, u"10.0.0.9");
            EXPECT_EQ(readBytes(Update_File()), Old_Update_File);
        }
    }
}

TEST_F(BootTest, AnAddressThatCannotBeUsedIsNeverSentAndSaysWhy)
{
    const std::array<const char16_t*, 4> cases[] = {
        {u"192", u"168", u"2", u"300"}, {u"192", u"168", u"", u"1"}, {u"gateway", u"local", u"0", u"1"},
        {u"0x7f", u"0", u"0", u"1"},    {u" 10", u"0", u"0", u"1"},
    };
    for (const auto& octets : cases) {
        SCOPED_TRACE(StringToUtf8(octets[0]) + "." + StringToUtf8(octets[3]));
        pinger.Reset({{Answer}, {Answer}});
        std::string message;
        EXPECT_TRUE(Execute(octets, &message));
        EXPECT_EQ(message.rfind("Error!!! Check the Ip Address\n\n", 0), 0u) << message;
        EXPECT_NE(message.find("is not an IPv4 address"), std::string::npos) << message;
        EXPECT_TRUE(pinger.Sent.empty());
        EXPECT_TRUE(launched.empty());
        EXPECT_EQ(ProgramState.Device_IP_Address, u"10.0.0.9");
        EXPECT_EQ(readBytes(Update_File()), Old_Update_File);
    }
}

TEST_F(BootTest, OctalLookingOctetsArePingedAsDecimalAndKeptAsTyped)
{
    pinger.Reset({{Answer}, {Answer}});
    ProgramState.Update_Option_Index = uoConfiguration;
    With_Update_Window([&] {
        Set_Address({u"010", u"008", u"0", u"09"});
        FBoot->CB_Update_Option_Read_Back->SetChecked(false);
        h.Click(FBoot->Btn_Update);
        EXPECT_EQ(FBoot->ModalResult, mrNone);  // the window stays open after the update
    });
    EXPECT_EQ(pinger.Sent, (std::vector<std::string>{"10.8.0.9 010.008.0.09", "10.8.0.9 010.008.0.09"}));
    EXPECT_EQ(ProgramState.Device_IP_Address, u"010.008.0.09");
    EXPECT_FALSE(ProgramState.Update_Read_Back);
    const std::string file = readBytes(Update_File());
    EXPECT_NE(file.find("<IP_Address_Dev>010.008.0.09</IP_Address_Dev>"), std::string::npos) << file;
    EXPECT_NE(file.find("<Ope_FileName>" + (Conf("Plant") / "bin" / "bank.bin").string() + "</Ope_FileName>"),
              std::string::npos)
        << file;
    EXPECT_NE(file.find("<Ope_Read_Back>0</Ope_Read_Back>"), std::string::npos) << file;
    EXPECT_EQ(file.find("Sim52818.sim"), std::string::npos) << file;
    // Closing the program keeps the address, as typed, for the next start.
    main->Close();
    EXPECT_NE(readBytes(dir / "Plenator.xml").find("<ipaddress>010.008.0.09</ipaddress>"), std::string::npos);
}

TEST_F(BootTest, AnUpdateFileThatCannotBeWrittenStopsTheUpdate)
{
    std::filesystem::remove(Update_File());
    std::filesystem::create_directories(Update_File() / "in the way");
    pinger.Reset({{Answer}, {Answer}});
    std::string message;
    EXPECT_TRUE(Execute({u"10", u"0", u"0", u"9"}, &message));
    EXPECT_NE(message.find("Ethernet_Update.xml"), std::string::npos) << message;
    EXPECT_TRUE(launched.empty());
    EXPECT_TRUE(std::filesystem::is_directory(Update_File() / "in the way"));
}

TEST_F(BootTest, WhatTheUpdateProgramLeavesIsToldOnlyWhenItWentWrong)
{
    const struct {
        const char* name;
        TStartOutcome outcome;
        const char* message;  // nullptr: none
    } cases[] = {
        {"ended well", {TStartResult::srEnded, 0, {}}, nullptr},
        {"ended with an error", {TStartResult::srEnded, 1, {}}, "The update program ended with error code 1."},
        {"still running at the limit", {TStartResult::srTimedOut, 0, {}}, nullptr},
        {"could not be started",
         {TStartResult::srNotStarted, 0, u"No such file or directory"},
         "The update program could not be started.\n\nNo such file or directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        outcome = c.outcome;
        pinger.Reset({{Answer}, {Answer}});
        launched.clear();
        std::string message;
        EXPECT_TRUE(Execute({u"10", u"0", u"0", u"9"}, c.message ? &message : nullptr));
        if (c.message) {
            EXPECT_EQ(message, c.message);
        }
        EXPECT_EQ(launched, std::vector<std::string>{Program()});
    }
}

// --- re-entrancy: what a person does while the check runs ------------------------------------------

TEST_F(BootTest, ExecuteClickedAgainDuringTheCheckStartsNothingMore)
{
    std::vector<std::string> events;
    pinger.Reset({{Answer}, {Answer}});
    pinger.During = [&](size_t Try) {
        events.push_back("try " + std::to_string(Try) +
                         (FBoot->Btn_Update->Enabled() ? " execute on" : " execute off"));
        if (Try != 1) return;
        // Queued as the display would deliver it; the check's own message loop handles it.
        const TPoint p = FBoot->Btn_Update->ClientToScreen({20, 10});
        InjectMouse(TMouseAction::Move, p);
        InjectMouse(TMouseAction::Down, p);
        InjectMouse(TMouseAction::Up, p);
    };
    FBoot->Launcher = [&](const String&, const String&, bool) {
        events.push_back("update program");
        return TStartOutcome{TStartResult::srEnded, 0, {}};
    };
    With_Update_Window([&] {
        h.Click(FBoot->Btn_Update);
        events.push_back(FBoot->Btn_Update->Enabled() ? "execute on" : "execute off");
    });
    EXPECT_EQ(events,
              (std::vector<std::string>{"try 1 execute off", "try 2 execute off", "update program", "execute on"}));
}

TEST_F(BootTest, ExecuteWorksAgainAfterAnUpdateWithTheFocusBackOnIt)
{
    With_Update_Window([&] {
        pinger.Reset({{Answer}, {Answer}});
        pinger.During = [&](size_t) { EXPECT_EQ(FBoot->ActiveControl(), FBoot->Btn_Cancel); };
        h.Click(FBoot->Btn_Update);
        EXPECT_TRUE(FBoot->Btn_Update->Focused());
        h.Advance(1000);
        pinger.Reset({{Answer}, {Answer}});
        h.Click(FBoot->Btn_Update);
    });
    EXPECT_EQ(launched, (std::vector<std::string>{Program(), Program()}));
}

TEST_F(BootTest, CancellingDuringTheCheckEndsItWithoutAnUpdate)
{
    const struct {
        const char* name;
        std::function<void()> act;
    } cases[] = {
        {"Cancel clicked",
         [] {
             const TPoint p = FBoot->Btn_Cancel->ClientToScreen({20, 10});
             InjectMouse(TMouseAction::Move, p);
             InjectMouse(TMouseAction::Down, p);
             InjectMouse(TMouseAction::Up, p);
         }},
        {"Escape pressed",
         [] {
             InjectKey(VK_ESCAPE, true);
             InjectKey(VK_ESCAPE, false);
         }},
        {"window closed", [] { PostMessage(FBoot->Handle(), WM_CLOSE); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> events;
        pinger.Reset({}, {Silence});
        pinger.During = [&](size_t Try) {
            events.push_back("try " + std::to_string(Try));
            if (Try == 2) c.act();
        };
        launched.clear();
        const size_t shown = h.MessagesShown().size();
        const TModalResult result = With_Update_Window([&] {
            Set_Address({u"10", u"0", u"0", u"7"});
            h.Click(FBoot->Btn_Update);
            events.push_back("check ended");
        });
        EXPECT_EQ(result, mrCancel);
        EXPECT_EQ(events, (std::vector<std::string>{"try 1", "try 2", "check ended"}));
        EXPECT_EQ(h.MessagesShown().size(), shown);  // no "Device Not Found!" after a cancel
        EXPECT_TRUE(launched.empty());
        EXPECT_EQ(ProgramState.Device_IP_Address, u"10.0.0.9");
        EXPECT_EQ(readBytes(Update_File()), Old_Update_File);
        EXPECT_TRUE(FBoot->Btn_Update->Enabled());
    }
}

TEST_F(BootTest, TheTextsFollowTheModeAndALanguageChange)
{
    Write_Language("Deutsch",
                   "STR1000 = Seriell\nSTR1002 = Ethernet-Aktualisierung\nSTR1003 = Über den Ethernet-Port\n"
                   "STR1015 = Firmware und Konfiguration\nSTR1020 = Aktualisieren\n");
    ProgramState.Language_Name = u"Deutsch";
    ProgramState.Load_Language();
    main->Change_Language();
    EXPECT_EQ(FBoot->Caption(), u"Ethernet-Aktualisierung");
    EXPECT_EQ(FBoot->L_SW_Desc->Caption(), u"\u00DCber den Ethernet-Port");
    EXPECT_EQ(FBoot->Btn_Update->Caption(), u"Aktualisieren");
    EXPECT_EQ(FBoot->CB_Update_Options->Items()->Strings(0), u"Firmware und Konfiguration");
    EXPECT_EQ(FBoot->CB_Update_Options->ItemIndex(), uoFirmware_Configuration);
    FBoot->Form_Type = bmSerial;
    main->Change_Language();
    EXPECT_EQ(FBoot->Caption(), u"Seriell");
    EXPECT_EQ(FBoot->L_SW_Desc->Caption(), u"Update Device Using the Serial Port");
}

TEST_F(BootTest, TheDormantPartsOfOtherModels)
{
    ProgramState.Device_IP_Address = u"10.0.0.9";
    ProgramState.Update_Option_Index = uoConfiguration;
    FBoot->Compile_XML_Parameter_New_Boot();
    const std::string file = readBytes(Update_File());
    EXPECT_NE(file.find("<Title>QuordaGate - Ethernet Update</Title>"), std::string::npos) << file;
    EXPECT_NE(file.find("/bin/bank2.bin</Ope_FileName>"), std::string::npos) << file;
    // The device type is 0 with or without a parameter file, also one that is not well-formed.
    EXPECT_EQ(FBoot->Get_Type_Dev(), 0);
    writeBytes(Conf("Plant") / "ParGen.xml", "<Par_Gen><broken");
    EXPECT_EQ(FBoot->Get_Type_Dev(), 0);
}

// --- the real thing: an echo on this machine, the update stand-in on the files written ------------

TEST_F(BootTest, ARealEchoTo127001)
{
    if (TIcmpEcho::SocketKind() == TIcmpSocketKind::None)
        GTEST_SKIP() << "NO ICMP SOCKET: neither an unprivileged ICMP datagram socket (net.ipv4.ping_group_range) "
                        "nor a raw socket (CAP_NET_RAW) can be opened here, so the device check cannot echo";
    SetEchoSender(nullptr);
    EXPECT_TRUE(Execute({u"127", u"0", u"0", u"1"}));
    EXPECT_EQ(FBoot->ping_res, prAnswered);
    EXPECT_EQ(launched, std::vector<std::string>{Program()});
    EXPECT_EQ(ProgramState.Device_IP_Address, u"127.0.0.1");
}

#if defined(GW_ETHERNET_UPDATE_EXE) && defined(GW_FIRMWARE_PLACEHOLDER)
TEST_F(BootTest, TheUpdateStandInAcceptsWhatWasWrittenAndItsExitCodeIsHandled)
{
    // The stand-in beside the program, the firmware placeholder in MASTER, a real wait for it.
    std::filesystem::create_hard_link(GW_ETHERNET_UPDATE_EXE, dir / "Ethernet_Update");
    std::filesystem::copy_file(GW_FIRMWARE_PLACEHOLDER, dir / "MASTER" / "Sim52818.sim");
    std::vector<int32_t> codes;
    FBoot->Launcher = [&](const String& NomeSW, const String&, bool) {
        TProcess process;
        process.Start(NomeSW);
        for (int waited = 0; !process.HasEnded() && waited < 30000; waited += 10)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        codes.push_back(process.ExitCode());
        return TStartOutcome{TStartResult::srEnded, codes.back(), {}};
    };
    pinger.Reset({{Answer}, {Answer}});
    EXPECT_TRUE(Execute({u"127", u"0", u"0", u"1"}));
    EXPECT_EQ(codes, std::vector<int32_t>{0});

    // Without the firmware the stand-in refuses the file, and the window says so.
    std::filesystem::remove(dir / "MASTER" / "Sim52818.sim");
    pinger.Reset({{Answer}, {Answer}});
    std::string message;
    EXPECT_TRUE(Execute({u"127", u"0", u"0", u"1"}, &message));
    EXPECT_EQ(codes, (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(message, "The update program ended with error code 1.");
}
#endif

}  // namespace
}  // namespace gw::test
