// The main window: its layout for this gateway model, start-up, texts, update check, links, close.
#include "core/main_window.h"

#include "core/program_state.h"
#include "core/settings_file.h"
#include "core/version_check.h"
#include "imagebutton/img_button.h"
#include "platform/controls/label.h"
#include "platform/controls/shape.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/font.h"
#include "platform/net/shell_open.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/files.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/timer.h"

namespace gw {

TFPlenatoreFirmWare* FPlenatoreFirmWare = nullptr;

namespace {

String Start_Folder;

constexpr TColor Label_Grey = clGray;
constexpr Integer No_Text = -1;

// One image button of the main window: its field, name, texts and picture.
struct TButtonLook {
    TImgButton* TFPlenatoreFirmWare::*Field;
    StringView Name;
    Integer Caption;
    Integer Hint;
    StringView Picture;  // empty: a step button with a caption
};

// In the order of TStepButton.
constexpr std::array<TButtonLook, Step_Button_Count> Button_Looks = {{
    {&TFPlenatoreFirmWare::Btn_New, u"Btn_New", 15, 22, u""},
    {&TFPlenatoreFirmWare::Btn_Open, u"Btn_Open", 16, 23, u""},
    {&TFPlenatoreFirmWare::Btn_Close, u"Btn_Close", No_Text, 14, u"BTN_CLOSE"},
    {&TFPlenatoreFirmWare::Btn_Info, u"Btn_Info", No_Text, 12, u"BTN_INFO"},
    {&TFPlenatoreFirmWare::Btn_Opz, u"Btn_Opz", No_Text, 13, u"BTN_OPTIONS"},
    {&TFPlenatoreFirmWare::Btn_Prm_Gen, u"Btn_Prm_Gen", 20, 24, u""},
    {&TFPlenatoreFirmWare::Btn_EtherNetIP_Access, u"Btn_EtherNetIP_Access", 21, 25, u""},
    {&TFPlenatoreFirmWare::Btn_PROFIBUS_GSD, u"Btn_PROFIBUS_GSD", 45, 46, u""},
    {&TFPlenatoreFirmWare::Btn_CAN_Rec_Frame, u"Btn_CAN_Rec_Frame", 35, 36, u""},
    {&TFPlenatoreFirmWare::Btn_CAN_Send_Frame, u"Btn_CAN_Send_Frame", 37, 38, u""},
    {&TFPlenatoreFirmWare::Btn_BACnet_SetAccess, u"Btn_BACnet_SetAccess", 41, 42, u""},
    {&TFPlenatoreFirmWare::Btn_BACnet_EDE_File, u"Btn_BACnet_EDE_File", 43, 44, u""},
    {&TFPlenatoreFirmWare::Btn_PROFINET_XML, u"Btn_PROFINET_XML", 27, 28, u""},
    {&TFPlenatoreFirmWare::Btn_SNMP_Trap, u"Btn_SNMP_Trap", 29, 30, u""},
    {&TFPlenatoreFirmWare::Btn_SNMP_MIB, u"Btn_SNMP_MIB", 31, 32, u""},
    {&TFPlenatoreFirmWare::Btn_KNX_Access, u"Btn_KNX_Access", 39, 40, u""},
    {&TFPlenatoreFirmWare::Btn_MQTT_Set_Topic, u"Btn_MQTT_Set_Topic", 33, 34, u""},
    {&TFPlenatoreFirmWare::Btn_PDO_CANopen, u"Btn_PDO_CANopen", 51, 52, u""},
    {&TFPlenatoreFirmWare::Btn_SDO_Client_CANopen, u"Btn_SDO_Client_CANopen", 49, 50, u""},
    {&TFPlenatoreFirmWare::Btn_SDO_Server_CANopen, u"Btn_SDO_Server_CANopen", 47, 48, u""},
    {&TFPlenatoreFirmWare::Btn_CANopen_EDS, u"Btn_CANopen_EDS", 53, 54, u""},
    {&TFPlenatoreFirmWare::Btn_CreateBin, u"Btn_CreateBin", 17, 26, u""},
}};

// Where the steps of this model stand; every other step button stays hidden for the whole run.
struct TPlace {
    TStepButton Button;
    TPoint At;
};
constexpr TPlace Shown_Buttons[] = {
    {sbInfo, {516, 8}},
    {sbOpz, {574, 8}},
    {sbClose, {632, 8}},
    {sbNew, {80, 112}},
    {sbOpen, {258, 112}},
    {sbPrm_Gen, {80, 156}},
    {sbEtherNetIP_Access, {80, 200}},
    {sbCreateBin, {80, 244}},
};
constexpr Integer Shown_Steps = 4;  // L_Step_1 ... L_Step_4
constexpr Integer Small_Button = 50;
constexpr Integer Step_Width = 170;
constexpr Integer Step_Height = 36;

bool Is_Small(TStepButton Button) { return Button == sbInfo || Button == sbOpz || Button == sbClose; }

TColor Hot_Track_Of(TStepButton Button)
{
    return Button == sbNew || Button == sbOpen || Button == sbCreateBin ? clSkyBlue : clYellow;
}

TLabel* Grey_Label(TFPlenatoreFirmWare* Form, StringView Name, TPoint At, bool Bold)
{
    TLabel* label = New_Label(Form, Form, Name, At);
    label->Font()->SetColor(Label_Grey);
    if (Bold) label->Font()->SetStyle(fsBold);
    return label;
}

}  // namespace

void TFPlenatoreFirmWare::Set_Start_Folder(const String& Folder) { Start_Folder = Folder; }

TFPlenatoreFirmWare::TFPlenatoreFirmWare(TComponent* AOwner)
    : TLangForm(AOwner, u"FPlenatoreFirmWare", Client_Width, 396)
{
    HTTP1.UserAgent = String(Configurator_User_Agent);
    Build_Labels();
    Build_Buttons();
    Timer_Update = new TTimer(this);
    Timer_Update->SetName(u"Timer_Update");
    Timer_Update->SetEnabled(false);
    Timer_Update->SetInterval(First_Check_Ms);
    Timer_Update->OnTimer = [this](TObject*) { Timer_UpdateTimer(); };
    Lay_Out_Steps();
    OnCreate = [this](TObject*) { FormCreate(); };
    OnClose = [this](TObject*, TCloseAction& Action) { FormClose(Action); };
}

TFPlenatoreFirmWare::~TFPlenatoreFirmWare()
{
    if (FPlenatoreFirmWare == this) FPlenatoreFirmWare = nullptr;
}

void TFPlenatoreFirmWare::Build_Labels()
{
    L_SW_Code = Grey_Label(this, u"L_SW_Code", {16, 8}, false);
    L_SW_Code->Font()->SetHeight(-32);
    L_SW_Desc = Grey_Label(this, u"L_SW_Desc", {16, 42}, true);
    Shape2 = new TShape(this);
    Shape2->SetName(u"Shape2");
    Shape2->SetParent(this);
    Shape2->SetBounds(80, 70, 348, 36);
    Shape2->Pen()->SetColor(clSilver);
    Shape2->Brush()->SetStyle(bsClear);
    L_Name_Conf = Grey_Label(this, u"L_Name_Conf", {87, 75}, false);
    L_Name_Conf_L2 = Grey_Label(this, u"L_Name_Conf_L2", {87, 88}, false);
    L_Begin = Grey_Label(this, u"L_Begin", {16, 84}, true);
    for (Integer k = 0; k < Integer(L_Step.size()); ++k)
        L_Step[k] = Grey_Label(this, u"L_Step_" + IntToStr(k + 1), {16, 128 + 44 * k}, true);
    L_Quorda = Grey_Label(this, u"L_Quorda", {565, 0}, true);
    L_Quorda->SetCaption(String(Maker_Web_Host));
    L_Quorda->SetCursor(crHandPoint);
    L_Quorda->OnClick = [this](TObject*) { L_QuordaClick(); };
    LL_Update = new TLinkLabel(this);
    LL_Update->SetName(u"LL_Update");
    LL_Update->SetParent(this);
    LL_Update->SetAutoSize(false);
    LL_Update->SetBounds(208, 19, 294, 17);
    LL_Update->SetVisible(false);
    LL_Update->OnLinkClick = [this](TObject*, const String& Link, TSysLinkType) { LL_UpdateLinkClick(Link); };
}

void TFPlenatoreFirmWare::Build_Buttons()
{
    for (Integer b = 0; b < Step_Button_Count; ++b) {
        const auto button = static_cast<TStepButton>(b);
        const TButtonLook& look = Button_Looks[b];
        TImgButton* btn =
            New_Img_Button(this, this, look.Name, Bounds(80, 288, Step_Width, Step_Height), Hot_Track_Of(button));
        btn->SetVisible(false);
        btn->OnClick = [this](TObject* Sender) { Btn_Click(Sender); };
        if (look.Picture.empty()) {
            btn->SetAlignment(taLeftJustify);
            // The parameters step keeps the button's own style, as the three small buttons do.
            if (button != sbPrm_Gen) btn->SetStyle(bsEncarta);
        } else {
            TBitmap picture;
            picture.LoadFromResourceName(look.Picture);
            btn->SetGlyph(&picture);
            btn->SetNumGlyphs(2);
        }
        this->*look.Field = btn;
        m_buttons[b] = btn;
    }
}

void TFPlenatoreFirmWare::Lay_Out_Steps()
{
    for (const TPlace& place : Shown_Buttons) {
        const Integer w = Is_Small(place.Button) ? Small_Button : Step_Width;
        const Integer h = Is_Small(place.Button) ? Small_Button : Step_Height;
        m_buttons[place.Button]->SetBounds(place.At.X, place.At.Y, w, h);
        m_buttons[place.Button]->SetVisible(true);
    }
    for (Integer k = 0; k < Integer(L_Step.size()); ++k) L_Step[k]->SetVisible(k < Shown_Steps);
    L_Quorda->SetTop(L_Step[Shown_Steps - 1]->Top());
    Shape1 = new TShape(this);
    Shape1->SetName(u"Shape1");
    Shape1->SetParent(this);
    Shape1->SetBounds(10, Btn_CreateBin->Top() + 51, 674, 1);
    SetClientSize(Client_Width, Btn_CreateBin->Top() + 152);
}

void TFPlenatoreFirmWare::FormCreate()
{
    TProgramState& s = ProgramState;
    s.Set_Folders(Start_Folder.empty() ? ExcludeTrailingPathDelimiter(ExeDir()) : Start_Folder);
    s.Create_Folders();
    s.Opened_Conf_Name.clear();
    s.Update_Option_Index = 0;
    s.Update_Read_Back = true;
    Read_Setting(s, XML1);
    Update_Timer_Switch();
    SetCaption(s.Main_Title);
    L_SW_Code->SetCaption(s.SW_Code);
    L_SW_Desc->SetCaption(s.SW_Desc);
    s.Load_Language();
    s.Reopen_Last_Configuration();
    Set_Lang();
    s.SL_Copy_Row.Clear();
    s.SL_MIB_Read.Clear();
    s.SL_MIB_Write.Clear();
}

void TFPlenatoreFirmWare::Set_Lang()
{
    L_Begin->SetCaption(Lang(0));
    for (Integer k = 0; k < Integer(L_Step.size()); ++k) L_Step[k]->SetCaption(Lang(k + 1));
    for (Integer b = 0; b < Step_Button_Count; ++b) {
        const TButtonLook& look = Button_Looks[b];
        if (look.Caption != No_Text) m_buttons[b]->SetCaption(Lang(look.Caption));
        m_buttons[b]->Hint = Lang(look.Hint);
    }
    Set_Conf_Labels();
}

void TFPlenatoreFirmWare::Set_Conf_Labels()
{
    const bool open = ProgramState.Conf_Opened();
    L_Name_Conf->SetCaption(Lang(open ? 11 : 9));
    L_Name_Conf_L2->SetCaption(open ? ProgramState.Opened_Conf_Name : Lang(10));
}

void TFPlenatoreFirmWare::Change_Language()
{
    Set_Lang();
    for (TProgramWindow w : Language_Order)
        if (auto* form = dynamic_cast<TLangForm*>(Windows[w])) form->Set_Lang();
}

bool TFPlenatoreFirmWare::Check_Version() const { return gw::Check_Version(HTTP1, Web_Host); }

void TFPlenatoreFirmWare::Update_Timer_Switch()
{
    Timer_Update->SetEnabled(ProgramState.Internet_Enabled && ProgramState.Update_Enabled);
}

void TFPlenatoreFirmWare::Timer_UpdateTimer()
{
    Timer_Update->SetEnabled(false);
    if (Check_Version()) {
        LL_Update->SetCaption(Download_Link_Caption(Web_Host, Lang(19)));
        LL_Update->Show();
    } else {
        LL_Update->Hide();
    }
    Timer_Update->SetInterval(Check_Interval_Ms);
    Timer_Update->SetEnabled(true);
}

void TFPlenatoreFirmWare::LL_UpdateLinkClick(const String& Link) { ShellOpen(Link); }

void TFPlenatoreFirmWare::L_QuordaClick() { ShellOpen(Home_Page_Url(Web_Host)); }

void TFPlenatoreFirmWare::FormClose(TCloseAction& /*Action*/)
{
    // The program ends whether or not the settings could be kept; the user learns why not.
    try {
        Save_Setting(ProgramState, XML1);
    } catch (const Exception& E) {
        MessageDlg(E.Message(), mtError, mbOK);
    }
}

}  // namespace gw
