// The step dispatch: what each button of the main window runs, and the steps themselves.
#include "core/step_dispatch.h"

#include "core/bank_image.h"
#include "core/boot_window.h"
#include "core/main_window.h"
#include "core/open_conf_window.h"
#include "core/program_state.h"
#include "core/settings_file.h"
#include "imagebutton/img_button.h"
#include "platform/runtime/convert.h"
#include "platform/ui/dialogs.h"

#include <algorithm>

namespace gw {

namespace {

using TStepOperation = void (TFPlenatoreFirmWare::*)();

// A step runs an operation of the main window or shows a window modally; a row with neither
// does nothing yet (its window or file writer is not part of this build).
struct TStep {
    TStepOperation Operation = nullptr;
    TProgramWindow Window = pwNone;
};

// In the order of TStepButton. A table window shows itself once its factory exists; a file
// writer joins with its operation here.
const std::array<TStep, Step_Button_Count> Steps = {{
    {&TFPlenatoreFirmWare::Create_New_Project},  // sbNew
    {&TFPlenatoreFirmWare::Open_Project},  // sbOpen
    {&TFPlenatoreFirmWare::Close},  // sbClose
    {nullptr, pwAbout},  // sbInfo
    {&TFPlenatoreFirmWare::Show_Options},  // sbOpz
    {nullptr, pwParGen},  // sbPrm_Gen
    {nullptr, pwEtherNetIP_Master_Access},  // sbEtherNetIP_Access
    {},  // sbPROFIBUS_GSD: Save_GSD_File
    {nullptr, pwReceiveCAN},  // sbCAN_Rec_Frame
    {nullptr, pwTransmitCAN},  // sbCAN_Send_Frame
    {nullptr, pwBACnetSlaveSetAccess},  // sbBACnet_SetAccess
    {},  // sbBACnet_EDE_File: BACnet_EDE_File
    {},  // sbPROFINET_XML: PROFINET_XML
    {nullptr, pwSNMP_Trap_Access},  // sbSNMP_Trap
    {},  // sbSNMP_MIB: Save_MIB_File
    {nullptr, pwKNXAccess},  // sbKNX_Access
    {nullptr, pwMQTT_Set_Topic},  // sbMQTT_Set_Topic
    {nullptr, pwSet_PDO_Access},  // sbPDO_CANopen
    {nullptr, pwSet_SDO_Client_Access},  // sbSDO_Client_CANopen
    {nullptr, pwSet_SDO_Server_Access},  // sbSDO_Server_CANopen
    {},  // sbCANopen_EDS: Build_EDS_File
    {&TFPlenatoreFirmWare::Update_Device},  // sbCreateBin
}};

void Show_Error(const String& Text) { MessageDlg(Text, mtError, mbOK); }

}  // namespace

void TFPlenatoreFirmWare::Btn_Click(TObject* Sender)
{
    const auto found =
        std::find_if(m_buttons.begin(), m_buttons.end(), [Sender](const TImgButton* B) { return B == Sender; });
    if (found == m_buttons.end()) return;
    const auto button = static_cast<TStepButton>(found - m_buttons.begin());
    if (Step_Needs_Configuration(button) && !ProgramState.Conf_Opened()) {
        Show_Error(Lang(18));
        return;
    }
    const TStep& step = Steps[button];
    if (step.Operation)
        (this->*step.Operation)();
    else if (step.Window != pwNone)
        Show_Window(step.Window);
}

TModalResult TFPlenatoreFirmWare::Show_Window(TProgramWindow Window)
{
    return Windows[Window] ? Windows[Window]->ShowModal() : mrNone;
}

void TFPlenatoreFirmWare::Create_New_Project()
{
    if (Show_Window(pwNew_Project) == mrOk) Set_Conf_Labels();
}

void TFPlenatoreFirmWare::Open_Project()
{
    if (Show_Window(pwOpenConf) != mrOk || !FOpenConf) return;
    ProgramState.Open_Project(FOpenConf->Name_Conf);
    Set_Conf_Labels();
}

void TFPlenatoreFirmWare::Show_Options()
{
    if (Show_Window(pwSoftOptions) != mrOk) return;
    try {
        Save_Setting(ProgramState, XML1);
    } catch (const Exception& E) {
        Show_Error(E.Message());
    }
    Update_Timer_Switch();
}

void TFPlenatoreFirmWare::Update_Device()
{
    // The update window opens only on an image that is whole and written.
    try {
        TBankImage bank;
        bank.Build_Bank(XML1, ProgramState.Opened_Conf_Dir);
        bank.Save_Bank(ProgramState.Opened_Conf_Dir);
    } catch (const EBankAddressError& E) {
        Show_Error(Lang(831) + IntToStr(E.Row()) + Lang(832));
        return;
    } catch (const Exception& E) {
        Show_Error(E.Message());
        return;
    }
    if (auto* boot = dynamic_cast<TFBoot*>(Windows[pwBoot])) boot->Form_Type = bmEthernet;
    Show_Window(pwBoot);
}

}  // namespace gw
