// The gateway communication parameters window: reading, checking and saving ParGen.xml, the
// "." key, the wheel and the held width.
#include "core/par_gen_window.h"

#include "core/program_state.h"
#include "imagebutton/img_button.h"
#include "platform/controls/check_box.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/controls/panel.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"
#include "platform/ui/application.h"
#include "platform/ui/dialogs.h"

namespace gw {

TFParGen* FParGen = nullptr;

namespace {

// What the error box adds when the file could not be read: what OK would then do.
constexpr const char16_t* Defaults_Shown =
    u"\r\n\r\nThe window shows the default values; OK replaces the file with the values shown.";

// The flags of ParGen.xml and the check boxes that hold them.
struct TFlagField {
    TParGenKey Key;
    StringView Check;
};
constexpr TFlagField Flag_Fields[] = {
    {pgMaster_EN_GAT, u"CB_EtherNetIP_Master_GAT"},
    {pgEthernet_EN_GAT, u"CB_Ethernet_En_GAT"},
    {pgEthernet_EN_DNS, u"CB_Ethernet_DNS"},
};

// The checks of Controllo_Dati in their order: Count fields from First, each refused with its own
// text from First_Text on; a gated group is checked only while its gateway box is ticked.
struct TCheckGroup {
    TParGenKey First;
    Integer Count;
    Integer First_Text;
    TParGenKey Gate = ParGen_Count;
};
constexpr TCheckGroup Check_Groups[] = {
    {pgMaster_IP1, 4, 450},        {pgMaster_SM1, 4, 454},        {pgMaster_GAT1, 4, 458, pgMaster_EN_GAT},
    {pgEthernet_IP1, 4, 735},      {pgEthernet_SM1, 4, 739},      {pgEthernet_GAT1, 4, 743, pgEthernet_EN_GAT},
    {pgEthernet_TCP_Port, 1, 751}, {pgEthernet_UDP_Port, 1, 752},
};

// Port 10000 is the gateway's own application port.
constexpr Integer Application_Port = 10000;

bool Value_Passes(TParGenKind Kind, const String& Text)
{
    const Integer value = StrToIntDef(Text, -1);
    if (Kind == pkPort) return value >= 0 && value <= 65535 && value != Application_Port;
    return value >= 0 && value <= 255;
}

void Show_Error(const String& Text) { MessageDlg(Text, mtError, mbOK); }

}  // namespace

TFParGen::TFParGen(TComponent* AOwner, Integer Model)
    : TLangForm(AOwner, u"FParGen", Client_Width, Client_Height), m_model(Model_Variant(Model).Model)
{
    SetBorderStyle(bsSizeable);
    Build_Title(P_Title, L_SW_Code, L_SW_Desc);
    Build_Buttons(P_Button, Btn_OK, Btn_Cancel, mrNone);
    Btn_OK->OnClick = [this](TObject*) { Btn_OKClick(); };
    CPG = new TCategoryPanelGroup(this);
    CPG->SetName(u"CPG");
    CPG->SetParent(this);
    CPG->SetAlign(alClient);
    CPG->SetColor(Configurator_Face_Color);
    Build_Panels();
    Bind_Fields();
    OnCreate = [this](TObject*) { FormCreate(); };
    OnShow = [this](TObject*) { FormShow(); };
    OnResize = [this](TObject*) { FormResize(); };
    OnMouseWheel = [this](TObject* Sender, TShiftState Shift, Integer WheelDelta, TPoint MousePos, bool& Handled) {
        FormMouseWheel(Sender, Shift, WheelDelta, MousePos, Handled);
    };
}

TFParGen::~TFParGen()
{
    if (FParGen == this) FParGen = nullptr;
}

template <class T>
T* TFParGen::Find(StringView Name) const
{
    auto* control = dynamic_cast<T*>(FindComponent(Name));
    if (!control) throw EComponentError(u"The window has no control " + String(Name));
    return control;
}

void TFParGen::Bind_Fields()
{
    for (Integer k = 0; k < ParGen_Count; ++k)
        if (ParGen_Elements()[k].Kind != pkFlag) m_fields[k] = Find<TEdit>(u"E_" + String(ParGen_Elements()[k].Name));
    for (const TFlagField& flag : Flag_Fields) m_fields[flag.Key] = Find<TCheckBox>(flag.Check);
    CB_SNMP_Agent_Version3 = Find<TCheckBox>(u"CB_SNMP_Agent_Version3");
    CB_SNMP_Agent_SecurityLevel = Find<TComboBox>(u"CB_SNMP_Agent_SecurityLevel");
    CB_BACnet_Slave_Type = Find<TComboBox>(u"CB_BACnet_Slave_Type");
    CB_MQTT_WillFlag = Find<TCheckBox>(u"CB_MQTT_WillFlag");
}

TEdit* TFParGen::Field_Edit(TParGenKey Key) const { return dynamic_cast<TEdit*>(m_fields[Key]); }

TCheckBox* TFParGen::Field_Check(TParGenKey Key) const { return dynamic_cast<TCheckBox*>(m_fields[Key]); }

void TFParGen::FormCreate()
{
    SetClientSize(Client_Width, Client_Height);
    for (const TNetPanel& net : m_panels) net.Panel->Hide();
    Order_TAB_Panels();
    Move_GroupBoxs();
    Set_Lang();
}

void TFParGen::Set_Lang()
{
    SetCaption(Lang(400));
    L_SW_Desc->SetCaption(Lang(401));
    Btn_OK->SetCaption(Lang(402));
    Btn_Cancel->SetCaption(Lang(403));
    Btn_OK->Hint = Lang(404);
    Btn_Cancel->Hint = Lang(405);
    for (const TNetPanel& net : m_panels) net.Set_Texts();
}

TParGenTexts TFParGen::Field_Texts() const
{
    TParGenTexts texts;
    for (Integer k = 0; k < ParGen_Count; ++k) {
        const auto key = static_cast<TParGenKey>(k);
        if (TCheckBox* check = Field_Check(key))
            texts[k] = check->Checked() ? u"1" : u"0";
        else
            texts[k] = Field_Edit(key)->Text();
    }
    return texts;
}

void TFParGen::Show_Texts(const TParGenTexts& Texts)
{
    for (Integer k = 0; k < ParGen_Count; ++k) {
        const auto key = static_cast<TParGenKey>(k);
        if (TCheckBox* check = Field_Check(key))
            check->SetChecked(Texts[k] == u"1");
        else
            Field_Edit(key)->SetText(Texts[k]);
    }
}

void TFParGen::FormShow()
{
    // A file that cannot be read leaves nothing of an earlier showing behind: the defaults show,
    // and the box says what OK will then write.
    TParGenTexts texts = ParGen_Window_Defaults();
    String error;
    try {
        texts = Read_ParGen_Window(XML1, ProgramState.Path_ParGen);
    } catch (const Exception& E) {
        error = E.Message();
    }
    Show_Texts(texts);
    Move_GroupBoxs();
    if (!error.empty()) Show_Error(error + Defaults_Shown);
}

bool TFParGen::Controllo_Dati()
{
    for (const TCheckGroup& group : Check_Groups) {
        if (group.Gate != ParGen_Count && !Field_Check(group.Gate)->Checked()) continue;
        for (Integer i = 0; i < group.Count; ++i) {
            const auto key = static_cast<TParGenKey>(group.First + i);
            if (Value_Passes(ParGen_Elements()[key].Kind, Field_Edit(key)->Text())) continue;
            Show_Error(Lang(group.First_Text + i));
            return false;
        }
    }
    return true;
}

void TFParGen::Btn_OKClick()
{
    if (!Controllo_Dati()) return;
    // A file that could not be written is no success: the window stays open with what was typed.
    try {
        Write_ParGen(XML1, ProgramState.Path_ParGen, Field_Texts());
    } catch (const Exception& E) {
        Show_Error(E.Message());
        return;
    }
    ModalResult = mrOk;
}

void TFParGen::KeyPress(TObject* Sender, Char& Key)
{
    if (Key != u'.') return;
    Key = 0;
    // The master's twelve octets, IP to mask to gateway, hand the focus on; the last keeps it.
    for (Integer k = pgMaster_IP1; k < pgMaster_GAT4; ++k) {
        if (m_fields[k] != Sender) continue;
        TEdit* next = Field_Edit(static_cast<TParGenKey>(k + 1));
        if (next->CanFocus()) next->SetFocus();
        return;
    }
}

void TFParGen::On_Change(TObject* Sender)
{
    if (Sender == CB_SNMP_Agent_SecurityLevel || Sender == CB_BACnet_Slave_Type) Move_GroupBoxs();
}

void TFParGen::On_Click(TObject* Sender)
{
    if (Sender == CB_SNMP_Agent_Version3 || Sender == CB_MQTT_WillFlag) Move_GroupBoxs();
}

void TFParGen::FormMouseWheel(TObject* /*Sender*/, TShiftState /*Shift*/, Integer WheelDelta, TPoint MousePos,
                              bool& Handled)
{
    if (!PtInRect(CPG->ClientRect(), CPG->ScreenToClient(MousePos))) return;
    Handled = true;
    const WPARAM code = WheelDelta < 1 ? SB_LINEDOWN : SB_LINEUP;
    for (Integer line = 0; line < Mouse->WheelScrollLines(); ++line) {
        CPG->Perform(WM_VSCROLL, code);
        CPG->Perform(WM_VSCROLL, SB_ENDSCROLL);
    }
}

void TFParGen::FormResize()
{
    if (ClientWidth() != Client_Width) SetClientWidth(Client_Width);
}

bool TFParGen::Check_Device_Name(StringView Text)
{
    for (Char c : Text) {
        const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
        if (!letter && !(c >= u'0' && c <= u'9')) return true;
    }
    return false;
}

}  // namespace gw
