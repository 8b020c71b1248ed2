// TFPlenatoreFirmWare: the main window with its numbered steps, the update check and the links.
#pragma once

#include "core/lang_form.h"
#include "core/maker_web.h"
#include "core/program_windows.h"
#include "core/step_dispatch.h"
#include "platform/net/http_client.h"
#include "platform/xml/xml_document.h"

#include <array>

namespace gw {

class TImgButton;
class TLinkLabel;
class TShape;
class TTimer;

class TFPlenatoreFirmWare : public TLangForm {
public:
    explicit TFPlenatoreFirmWare(TComponent* AOwner);
    ~TFPlenatoreFirmWare() override;
    String ClassName() const override { return u"TFPlenatoreFirmWare"; }

    // The folder the next main window starts from (empty: the executable's folder).
    static void Set_Start_Folder(const String& Folder);

    void Set_Lang() override;
    // Re-applies the texts in every window after the text table was reloaded.
    void Change_Language();
    // The shared click of the step buttons: runs the step of the button clicked.
    void Btn_Click(TObject* Sender);
    // Asks the version service (on Web_Host, through HTTP1) for a newer version.
    bool Check_Version() const;
    // Enables Timer_Update exactly when internet access and automatic checks are both on.
    void Update_Timer_Switch();
    void Timer_UpdateTimer();
    // Opens the download page the update link names.
    void LL_UpdateLinkClick(const String& Link);
    // Opens the maker's home page.
    void L_QuordaClick();

    // --- steps (run by Btn_Click) ------------------------------------------------------------------
    void Create_New_Project();
    void Open_Project();
    void Show_Options();
    // Builds bin/bank.bin of the open configuration and, when it is written, opens the update window
    // in Ethernet mode.
    void Update_Device();
    // Shows a window modally; mrNone when this build does not have it.
    TModalResult Show_Window(TProgramWindow Window);

    TImgButton* Step_Button(TStepButton Button) const { return m_buttons[Button]; }
    TForm* Window(TProgramWindow Window) const { return Windows[Window]; }

    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TShape* Shape2 = nullptr;
    TLabel* L_Name_Conf = nullptr;
    TLabel* L_Name_Conf_L2 = nullptr;
    TLabel* L_Begin = nullptr;
    // L_Step_1 ... L_Step_8.
    std::array<TLabel*, 8> L_Step{};
    TLabel* L_Quorda = nullptr;
    TLinkLabel* LL_Update = nullptr;
    TShape* Shape1 = nullptr;
    TImgButton* Btn_Info = nullptr;
    TImgButton* Btn_Opz = nullptr;
    TImgButton* Btn_Close = nullptr;
    TImgButton* Btn_New = nullptr;
    TImgButton* Btn_Open = nullptr;
    TImgButton* Btn_Prm_Gen = nullptr;
    TImgButton* Btn_EtherNetIP_Access = nullptr;
    TImgButton* Btn_CreateBin = nullptr;
    TImgButton* Btn_PROFINET_XML = nullptr;
    TImgButton* Btn_SNMP_Trap = nullptr;
    TImgButton* Btn_SNMP_MIB = nullptr;
    TImgButton* Btn_PROFIBUS_GSD = nullptr;
    TImgButton* Btn_CAN_Send_Frame = nullptr;
    TImgButton* Btn_CAN_Rec_Frame = nullptr;
    TImgButton* Btn_BACnet_SetAccess = nullptr;
    TImgButton* Btn_BACnet_EDE_File = nullptr;
    TImgButton* Btn_KNX_Access = nullptr;
    TImgButton* Btn_MQTT_Set_Topic = nullptr;
    TImgButton* Btn_SDO_Server_CANopen = nullptr;
    TImgButton* Btn_SDO_Client_CANopen = nullptr;
    TImgButton* Btn_PDO_CANopen = nullptr;
    TImgButton* Btn_CANopen_EDS = nullptr;
    TTimer* Timer_Update = nullptr;

    // The scratch document of the settings file and the image builder.
    TXMLDocument XML1;
    // The update check's client: HTTP/1.0, the program's own agent, bounded in time.
    THttpClient HTTP1;
    // The host of the version service and the web links.
    String Web_Host = String(Maker_Web_Host);
    // The other windows, by their place in the creation order; null when this build has none.
    std::array<TForm*, Program_Window_Count> Windows{};

    static constexpr Integer Client_Width = 694;
    // The first check after start, then the interval between checks.
    static constexpr Cardinal First_Check_Ms = 60000;
    static constexpr Cardinal Check_Interval_Ms = 7200000;

private:
    void Build_Labels();
    void Build_Buttons();
    void Lay_Out_Steps();
    void FormCreate();
    void FormClose(TCloseAction& Action);
    // The two configuration labels: the open configuration, or how to open one.
    void Set_Conf_Labels();

    std::array<TImgButton*, Step_Button_Count> m_buttons{};
};

extern TFPlenatoreFirmWare* FPlenatoreFirmWare;

}  // namespace gw
