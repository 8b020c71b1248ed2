// The device update window: layout by mode, the device check, the update file and the update program.
#include "core/boot_window.h"

#include "core/address_checks.h"
#include "core/program_state.h"
#include "core/update_parameter_file.h"
#include "imagebutton/img_button.h"
#include "platform/controls/check_box.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/controls/list_view.h"
#include "platform/controls/panel.h"
#include "platform/runtime/clock.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/files.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/application.h"
#include "platform/ui/dialogs.h"

namespace gw {

TFBoot* FBoot = nullptr;

namespace {

constexpr Integer Address_Panel_Height = 64;
constexpr Integer Options_Panel_Height = 70;
constexpr Integer Serial_Panel_Height = 64;
constexpr Integer Search_Panel_Height = 190;
constexpr Integer Octet_Width = 40;
constexpr Integer Octet_Step = 56;
constexpr Integer Update_Button_Width = 190;

// The texts of the window by mode: caption and description line.
constexpr Integer Serial_Caption = 1000;
constexpr Integer Ethernet_Caption = 1002;

String Update_File_Path() { return ProgramState.Exe_Dir + PathDelim + String(Update_File_Name); }

// A control of class T on Parent, owned by Owner, showing its hint.
template <class T>
T* New_Control(TComponent* Owner, TWinControl* Parent, StringView Name, TRect Bounds)
{
    auto* control = new T(Owner);
    control->SetName(String(Name));
    control->SetParent(Parent);
    control->SetBoundsRect(Bounds);
    control->SetShowHint(true);
    return control;
}

TComboBox* New_List(TComponent* Owner, TWinControl* Parent, StringView Name, TRect Bounds)
{
    auto* combo = New_Control<TComboBox>(Owner, Parent, Name, Bounds);
    combo->SetStyle(csDropDownList);
    return combo;
}

}  // namespace

TFBoot::TFBoot(TComponent* AOwner) : TLangForm(AOwner, u"FBoot", Client_Width, 230)
{
    Build_Title(P_Title, L_SW_Code, L_SW_Desc);
    Build_Address_Panel();
    Build_Search_Panel();
    Build_Options_Panel();
    Build_Serial_Panel();
    Build_Buttons(P_Button, Btn_Update, Btn_Cancel, mrNone);
    Btn_Update->SetName(u"Btn_Update");
    Btn_Update->SetBounds(Btn_Cancel->Left() - Update_Button_Width - 8, Btn_Cancel->Top(), Update_Button_Width,
                          Btn_Cancel->Height());
    Btn_Update->OnClick = [this](TObject*) { Btn_UpdateClick(); };
    Ping.ReceiveTimeout = Echo_Time_Out_Ms;
    Ping.PacketSize = Echo_Packet_Size;
    Ping.OnReply = [this](TObject* Sender, const TReplyStatus& Status) { PingReply(Sender, Status); };
    OnCreate = [this](TObject*) { Set_Lang(); };
    OnShow = [this](TObject*) { FormShow(); };
}

TFBoot::~TFBoot()
{
    if (FBoot == this) FBoot = nullptr;
}

TPanel* TFBoot::New_Panel(StringView Name, Integer Height)
{
    auto* panel = new TPanel(this);
    panel->SetName(String(Name));
    panel->SetParent(this);
    panel->SetBounds(0, 0, Client_Width, Height);
    panel->SetBevelOuter(bvNone);
    panel->SetShowCaption(false);
    panel->SetColor(Configurator_Face_Color);
    panel->SetVisible(false);
    return panel;
}

void TFBoot::Build_Address_Panel()
{
    P_IP_Address = New_Panel(u"P_IP_Address", Address_Panel_Height);
    L_IP_Address = New_Label(this, P_IP_Address, u"L_IP_Address", {16, 8});
    for (Integer k = 0; k < 4; ++k) {
        const Integer left = 16 + k * Octet_Step;
        E_IP[k] = New_Control<TEdit>(this, P_IP_Address, u"E_IP" + IntToStr(k + 1), Bounds(left, 30, Octet_Width, 22));
        E_IP[k]->SetTabOrder(k);
        E_IP[k]->OnKeyPress = [this, k](TObject*, Char& Key) { EditKeyPress(k, Key); };
        if (k == 3) break;
        L_Dot[k] = New_Label(this, P_IP_Address, u"L_Dot" + IntToStr(k + 1), {left + Octet_Width + 5, 34});
        L_Dot[k]->SetCaption(u".");
    }
}

void TFBoot::Build_Search_Panel()
{
    // The device search of other models; this window never shows it.
    P_Eth_Search = New_Panel(u"P_Eth_Search", Search_Panel_Height);
    L_List_Device = New_Label(this, P_Eth_Search, u"L_List_Device", {16, 8});
    LV_Device = New_Control<TListView>(this, P_Eth_Search, u"LV_Device", Bounds(16, 28, 300, 124));
    LV_Device->AddColumn(String(), 140);
    LV_Device->AddColumn(String(), 140);
    Btn_Search = New_Img_Button(this, P_Eth_Search, u"Btn_Search", Bounds(330, 28, 100, 28));
    CB_Find_All = New_Control<TCheckBox>(this, P_Eth_Search, u"CB_Find_All", Bounds(16, 160, 300, 20));
}

void TFBoot::Build_Options_Panel()
{
    P_Options = New_Panel(u"P_Options", Options_Panel_Height);
    L_Update_Option = New_Label(this, P_Options, u"L_Update_Option", {16, 8});
    CB_Update_Options = New_List(this, P_Options, u"CB_Update_Options", Bounds(16, 28, 220, 22));
    CB_Update_Option_Read_Back =
        New_Control<TCheckBox>(this, P_Options, u"CB_Update_Option_Read_Back", Bounds(256, 30, 180, 20));
    CB_Update_Option_Read_Back->SetChecked(true);
}

void TFBoot::Build_Serial_Panel()
{
    P_Serial = New_Panel(u"P_Serial", Serial_Panel_Height);
    L_COM_Port = New_Label(this, P_Serial, u"L_COM_Port", {16, 8});
    CB_COM_Port = New_List(this, P_Serial, u"CB_COM_Port", Bounds(16, 28, 120, 22));
    Btn_COM_List = New_Img_Button(this, P_Serial, u"Btn_COM_List", Bounds(146, 26, 32, 26));
    Btn_COM_List->SetKind(bkRetry);
    Btn_COM_List->SetModalResult(mrNone);
    Btn_COM_List->SetCaption(String());
    Btn_COM_List->OnClick = [this](TObject*) { Btn_COM_ListClick(); };
}

void TFBoot::Set_Lang()
{
    const Integer caption = Form_Type == bmSerial ? Serial_Caption : Ethernet_Caption;
    SetCaption(Lang(caption));
    L_SW_Desc->SetCaption(Lang(caption + 1));
    L_IP_Address->SetCaption(Lang(1006));
    L_COM_Port->SetCaption(Lang(1007));
    L_List_Device->SetCaption(Lang(1009));
    Btn_Search->SetCaption(Lang(1010));
    LV_Device->Columns(0)->Caption = Lang(1011);
    LV_Device->Columns(1)->Caption = Lang(1012);
    LV_Device->Invalidate();
    CB_Find_All->SetCaption(Lang(1013));
    L_Update_Option->SetCaption(Lang(1014));
    CB_Update_Options->Items()->Clear();
    for (Integer t = 1015; t <= 1017; ++t) CB_Update_Options->Items()->Add(Lang(t));
    CB_Update_Options->SetItemIndex(uoFirmware_Configuration);
    CB_Update_Option_Read_Back->SetCaption(Lang(1018));
    Btn_Cancel->SetCaption(Lang(1019));
    Btn_Update->SetCaption(Lang(1020));
    for (Integer k = 0; k < 4; ++k) E_IP[k]->Hint = Lang(1021 + k);
    CB_COM_Port->Hint = Lang(1025);
    Btn_COM_List->Hint = Lang(1027);
    Btn_Search->Hint = Lang(1029);
    LV_Device->Hint = Lang(1030);
    CB_Find_All->Hint = Lang(1031);
    CB_Update_Options->Hint = Lang(1032);
    CB_Update_Option_Read_Back->Hint = Lang(1033);
    Btn_Cancel->Hint = Lang(1034);
    Btn_Update->Hint = Lang(1035);
}

void TFBoot::FormShow()
{
    Set_Lang();
    L_SW_Code->SetCaption(ProgramState.SW_Code);
    for (TPanel* panel : {P_IP_Address, P_Eth_Search, P_Options, P_Serial}) {
        panel->SetVisible(false);
        panel->SetAlign(alNone);
    }
    if (Form_Type == bmEthernet) {
        Lay_Out({P_IP_Address, P_Eth_Search, P_Options});
        Restore_Address();
    } else {
        Lay_Out({P_Serial, P_Options});
        update_ComPort();
    }
    P_Title->SetTabOrder(0);
    P_IP_Address->SetTabOrder(1);
    P_Eth_Search->SetTabOrder(2);
    P_Options->SetTabOrder(3);
    P_Button->SetTabOrder(4);
    P_Serial->SetTabOrder(5);
    CB_Update_Options->SetItemIndex(ProgramState.Update_Option_Index);
    CB_Update_Option_Read_Back->SetChecked(ProgramState.Update_Read_Back);
    TWinControl* first = Form_Type == bmEthernet ? static_cast<TWinControl*>(E_IP[0]) : CB_COM_Port;
    if (first->CanFocus()) first->SetFocus();
}

void TFBoot::Lay_Out(std::initializer_list<TPanel*> Panels)
{
    Integer height = P_Title->Height() + P_Button->Height();
    for (TPanel* panel : Panels) {
        // Below every panel aligned so far: alignment orders the top panels by their tops.
        panel->SetTop(ClientHeight());
        panel->SetAlign(alTop);
        if (panel == P_Eth_Search) continue;  // the device search stays hidden in every mode
        panel->SetVisible(true);
        height += panel->Height();
    }
    SetClientSize(Client_Width, height);
}

void TFBoot::Restore_Address()
{
    String parts[4];
    const String& last = ProgramState.Device_IP_Address;
    if (last.empty() || !Check_IP_Address(last, parts[0], parts[1], parts[2], parts[3])) return;
    for (Integer k = 0; k < 4; ++k) E_IP[k]->SetText(parts[k]);
}

void TFBoot::EditKeyPress(Integer Octet, Char& Key)
{
    if (Key != u'.') return;
    Key = 0;
    if (Octet < 3 && E_IP[Octet + 1]->CanFocus()) E_IP[Octet + 1]->SetFocus();
}

String TFBoot::IP_Address_Text() const
{
    return E_IP[0]->Text() + u"." + E_IP[1]->Text() + u"." + E_IP[2]->Text() + u"." + E_IP[3]->Text();
}

void TFBoot::PingReply(TObject*, const TReplyStatus& Status)
{
    // Only the device's own echo counts: an "unreachable" from a router carries bytes too.
    ping_res = Status.ReplyStatusType == rsEcho && Status.BytesReceived > 0 ? prAnswered : prNoAnswer;
}

bool TFBoot::Check_Abandoned() const { return ModalResult != mrNone || Application->Terminated(); }

bool TFBoot::Send_Ping(const String& Address)
{
    ping_res = prNone;
    m_send_error.clear();
    const Cardinal start = GetTickCount();
    Integer answers = 0;
    // The octets go to the pinger as four decimal numbers; no resolver ever sees the text.
    Ping.Host = Address;
    const std::string data = StringToUtf8(Address);
    do {
        const Cardinal tick = GetTickCount();
        try {
            Ping.Ping(data);
        } catch (const Exception& E) {
            m_send_error = E.Message();
            return false;
        }
        // The window keeps painting and reacting between tries.
        do {
            Sleep(Check_Pause_Ms);
            Application->ProcessMessages();
            if (Check_Abandoned()) return false;
        } while (ping_res == prNone && GetTickCount() - tick <= Echo_Time_Out_Ms);
        if (ping_res == prAnswered && ++answers == Answers_Needed) break;
    } while (GetTickCount() - start <= Check_Limit_Ms);
    return ping_res == prAnswered;
}

void TFBoot::Btn_UpdateClick()
{
    TProgramState& s = ProgramState;
    if (Form_Type != bmEthernet) {
        // The serial update of other models: this window only keeps the choices.
        s.Update_Option_Index = CB_Update_Options->ItemIndex();
        s.Update_Read_Back = CB_Update_Option_Read_Back->Checked();
        return;
    }
    if (m_checking) return;
    const String address = IP_Address_Text();
    bool answered = false;
    {
        // Execute stays off while the check runs: a second click would start a second update.
        // The focus leaves it first (to Cancel, the one thing to do meanwhile) and comes back.
        TTemporaryChange checking(m_checking, true);
        const bool had_focus = Btn_Update->Focused();
        if (had_focus && Btn_Cancel->CanFocus()) Btn_Cancel->SetFocus();
        Btn_Update->SetEnabled(false);
        TScopeExit enable([this, had_focus] {
            Btn_Update->SetEnabled(true);
            if (had_focus && ActiveControl() == Btn_Cancel && Btn_Update->CanFocus()) Btn_Update->SetFocus();
        });
        answered = Send_Ping(address);
    }
    if (Check_Abandoned()) return;
    if (!answered) {
        Show_Check_Failure();
        return;
    }
    s.Device_IP_Address = address;
    s.Update_Option_Index = CB_Update_Options->ItemIndex();
    s.Update_Read_Back = CB_Update_Option_Read_Back->Checked();
    try {
        Compile_XML_Parameter();
    } catch (const Exception& E) {
        // The update program would read the file of an earlier update, perhaps for another device.
        MessageDlg(E.Message(), mtError, mbOK);
        return;
    }
    Run_Update_Program();
}

void TFBoot::Show_Check_Failure()
{
    if (ping_res == prNoAnswer) {
        MessageDlg(Lang(1036), mtWarning, mbOK);
        return;
    }
    String text = Lang(1037);
    if (!m_send_error.empty()) text += u"\n\n" + m_send_error;
    MessageDlg(text, mtError, mbOK);
}

void TFBoot::Run_Update_Program()
{
    const String program = ProgramState.Exe_Dir + PathDelim + String(Update_Program_Name);
    const TStartOutcome outcome = Launcher(program, String(), false);
    if (outcome.Result == TStartResult::srNotStarted)
        MessageDlg(u"The update program could not be started.\n\n" + outcome.Reason, mtError, mbOK);
    else if (outcome.Result == TStartResult::srEnded && outcome.ExitCode != 0)
        MessageDlg(u"The update program ended with error code " + IntToStr(outcome.ExitCode) + u".", mtWarning, mbOK);
}

void TFBoot::Compile_XML_Parameter()
{
    const TProgramState& s = ProgramState;
    Build_Update_File(
        XML1, {s.Device_IP_Address, s.Update_Option_Index, s.Update_Read_Back, s.Master_Dir, s.Opened_Conf_Dir});
    XML1.SaveToFile(Update_File_Path());
}

void TFBoot::Compile_XML_Parameter_New_Boot()
{
    const TProgramState& s = ProgramState;
    Build_Update_File_New_Boot(
        XML1, {s.Device_IP_Address, s.Update_Option_Index, s.Update_Read_Back, s.Master_Dir, s.Opened_Conf_Dir});
    XML1.SaveToFile(Update_File_Path());
}

Integer TFBoot::Get_Type_Dev()
{
    String error;
    if (FileExists(ProgramState.Path_ParGen)) XML1.TryLoadFromFile(ProgramState.Path_ParGen, error);
    return 0;
}

void TFBoot::update_ComPort()
{
    CB_COM_Port->Items()->Clear();
    for (const String& port : List_COM_Ports()) CB_COM_Port->Items()->Add(u"COM" + port);
    if (CB_COM_Port->Items()->Count() > 0) CB_COM_Port->SetItemIndex(0);
}

void TFBoot::Btn_COM_ListClick() { update_ComPort(); }

}  // namespace gw
