// TFBoot: the device update window. It checks with ICMP echo that the gateway answers, writes
// Ethernet_Update.xml and runs the update program.
#pragma once

#include "core/lang_form.h"
#include "core/start_program.h"
#include "platform/net/icmp_echo.h"
#include "platform/xml/xml_document.h"

#include <array>
#include <functional>

namespace gw {

class TCheckBox;
class TComboBox;
class TEdit;
class TListView;

// How the window updates the device (Form_Type).
enum TBootMode : Integer { bmSerial = 0, bmEthernet = 1 };

// The state of the last echo (ping_res).
enum TPingResult : Integer { prNone = 0, prAnswered = 1, prNoAnswer = 2 };

// Starts a program and waits for it; Start_Program by default.
using TProgramLauncher = std::function<TStartOutcome(const String& NomeSW, const String& Parameter, bool tipo)>;

class TFBoot : public TLangForm {
public:
    explicit TFBoot(TComponent* AOwner);
    ~TFBoot() override;
    String ClassName() const override { return u"TFBoot"; }

    static constexpr Integer Client_Width = 449;
    // The device check: each echo waits this long for its reply, the check ends after two
    // answers or this long, with this pause between tries.
    static constexpr Cardinal Echo_Time_Out_Ms = 400;
    static constexpr int32_t Echo_Packet_Size = 1024;
    static constexpr Cardinal Check_Limit_Ms = 5000;
    static constexpr Cardinal Check_Pause_Ms = 10;
    static constexpr Integer Answers_Needed = 2;

    void Set_Lang() override;
    // "Execute Update Firmware": in Ethernet mode the device check, then the update.
    void Btn_UpdateClick();
    // The device check of the address Address (four decimal octets): true when the last echo
    // was answered. Ends early, false, when the window is closed or cancelled meanwhile.
    bool Send_Ping(const String& Address);
    void PingReply(TObject* Sender, const TReplyStatus& Status);
    // Writes Ethernet_Update.xml into the program folder for the last device address and
    // choices; raises when the file cannot be written.
    void Compile_XML_Parameter();
    // The file for another boot loader; nothing calls it in this model.
    void Compile_XML_Parameter_New_Boot();
    // The device type of the configuration: always 0 in this model.
    Integer Get_Type_Dev();
    // Serial mode: the ports present, "COM" plus each number, the first selected.
    void update_ComPort();
    void Btn_COM_ListClick();

    // The four octet edits joined with ".", as typed.
    String IP_Address_Text() const;

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_IP_Address = nullptr;
    TLabel* L_IP_Address = nullptr;
    // E_IP1 ... E_IP4 and the "." labels between them.
    std::array<TEdit*, 4> E_IP{};
    std::array<TLabel*, 3> L_Dot{};
    TPanel* P_Options = nullptr;
    TLabel* L_Update_Option = nullptr;
    TComboBox* CB_Update_Options = nullptr;
    TCheckBox* CB_Update_Option_Read_Back = nullptr;
    TPanel* P_Serial = nullptr;
    TLabel* L_COM_Port = nullptr;
    TComboBox* CB_COM_Port = nullptr;
    TImgButton* Btn_COM_List = nullptr;
    TPanel* P_Eth_Search = nullptr;
    TLabel* L_List_Device = nullptr;
    TImgButton* Btn_Search = nullptr;
    TListView* LV_Device = nullptr;
    TCheckBox* CB_Find_All = nullptr;
    TPanel* P_Button = nullptr;
    TImgButton* Btn_Update = nullptr;
    TImgButton* Btn_Cancel = nullptr;

    TIcmpEcho Ping;
    TXMLDocument XML1;
    Integer Form_Type = bmEthernet;
    Integer ping_res = prNone;
    // Runs the update program; tests put a recorder in its place.
    TProgramLauncher Launcher = [](const String& NomeSW, const String& Parameter, bool tipo) {
        return Start_Program(NomeSW, Parameter, tipo);
    };

private:
    void Build_Address_Panel();
    void Build_Options_Panel();
    void Build_Serial_Panel();
    void Build_Search_Panel();
    TPanel* New_Panel(StringView Name, Integer Height);
    void FormShow();
    // Shows Panels aligned to the top in this order under the title, and fits the window to them.
    void Lay_Out(std::initializer_list<TPanel*> Panels);
    void Restore_Address();
    void EditKeyPress(Integer Octet, Char& Key);
    // The user closed or cancelled the window, or the program ends.
    bool Check_Abandoned() const;
    void Show_Check_Failure();
    void Run_Update_Program();

    // Set while the device check runs, so that it never runs twice at once.
    bool m_checking = false;
    // Why the last echo could not be sent (empty when it was sent).
    String m_send_error;
};

extern TFBoot* FBoot;

}  // namespace gw
