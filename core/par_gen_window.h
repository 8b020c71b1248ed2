// TFParGen: the gateway communication parameters window, which edits ParGen.xml.
#pragma once

#include "core/lang_form.h"
#include "core/par_gen_file.h"
#include "core/par_gen_rows.h"
#include "platform/xml/xml_document.h"

#include <array>

namespace gw {

class TCheckBox;
class TComboBox;
class TEdit;

// The network panels of the window, in the group's design order.
enum TNetwork : Integer {
    nwPROFINET,
    nwEtherNetIP_Master,
    nwSNMP_Agent,
    nwPROFIBUS,
    nwCAN,
    nwDeviceNet_Slave,
    nwModbus_TCP_Slave,
    nwSerial,
    nwModbus_Slave,
    nwBACnet_Slave,
    nwKNX,
    nwMQTT,
    nwEthernet,
    nwCANopen,
    Network_Count
};

// The gateway model this build is for; it decides the window's two panels.
inline constexpr Integer Built_Gateway_Model = 52818;

// One model of the family: the network panel it shows above the master panel.
struct TModelVariant {
    Integer Model;
    TNetwork Network;
};

// Every model the window knows, by model number.
const std::array<TModelVariant, 13>& Model_Variants();
// The variant of one model; ERangeError for a number that is none.
const TModelVariant& Model_Variant(Integer Model);

class TFParGen : public TLangForm {
public:
    // The window of the model built, or (for checking the other variants) of another model of
    // the family; ERangeError for a number that is none.
    explicit TFParGen(TComponent* AOwner, Integer Model = Built_Gateway_Model);
    ~TFParGen() override;
    String ClassName() const override { return u"TFParGen"; }

    void Set_Lang() override;
    // Checks the fields in order; the first that fails is shown in an error box and gives false.
    bool Controllo_Dati();
    // Saves ParGen.xml and closes with mrOk once the fields pass and the file is written.
    void Btn_OKClick();
    // The "." key in a dotted-address edit: never typed; in the master's octets it moves on.
    void KeyPress(TObject* Sender, Char& Key);
    // Lay the panels out again when the sender changes which rows a panel shows.
    void On_Change(TObject* Sender);
    void On_Click(TObject* Sender);
    // The wheel over the panel group scrolls it by the system's lines per notch.
    void FormMouseWheel(TObject* Sender, TShiftState Shift, Integer WheelDelta, TPoint MousePos, bool& Handled);
    // The width stays at Client_Width; the height may change.
    void FormResize();

    // Shows and orders the model's two panels with their titles (at creation only).
    void Order_TAB_Panels() { Order_TAB_Panels_Model(m_model); }
    // Lays out the rows of the model's two panels.
    void Move_GroupBoxs() { RePosition_Objects_Model(m_model); }
    // The same for any model of the family.
    void Order_TAB_Panels_Model(Integer Model);
    void RePosition_Objects_Model(Integer Model);
    // Lays out one network panel's rows and fits its height.
    void RePosition_Object(TNetwork Network);

    // True when Text holds a character other than the ASCII letters and digits.
    static bool Check_Device_Name(StringView Text);

    Integer Model() const { return m_model; }
    const TNetPanel& Net(TNetwork Network) const { return m_panels[Network]; }
    TCategoryPanel* CP(TNetwork Network) const { return m_panels[Network].Panel; }
    // The control that holds an element of ParGen.xml: an edit, or a check box for a flag.
    TControl* Field(TParGenKey Key) const { return m_fields[Key]; }
    TEdit* Field_Edit(TParGenKey Key) const;
    TCheckBox* Field_Check(TParGenKey Key) const;
    // The fields as ParGen.xml holds them, and the other way round.
    TParGenTexts Field_Texts() const;
    void Show_Texts(const TParGenTexts& Texts);

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TCategoryPanelGroup* CPG = nullptr;
    TPanel* P_Button = nullptr;
    TImgButton* Btn_OK = nullptr;
    TImgButton* Btn_Cancel = nullptr;
    // The senders that change a dormant panel's rows.
    TCheckBox* CB_SNMP_Agent_Version3 = nullptr;
    TComboBox* CB_SNMP_Agent_SecurityLevel = nullptr;
    TComboBox* CB_BACnet_Slave_Type = nullptr;
    TCheckBox* CB_MQTT_WillFlag = nullptr;

    // The document ParGen.xml is read into and written from.
    TXMLDocument XML1;

    static constexpr Integer Client_Width = 460;
    static constexpr Integer Client_Height = 700;

private:
    void FormCreate();
    void FormShow();
    void Build_Panels();
    TNetPanel& New_Panel(TNetwork Network, StringView Name, Integer Title_Text, Integer First_Text);
    // Finds the controls the window reads, writes and listens to by name.
    void Bind_Fields();
    template <class T>
    T* Find(StringView Name) const;
    void RePosition_Object_Ethernet();
    void RePosition_Object_SNMP_Agent();
    void RePosition_Object_BACnet_Slave();
    void RePosition_Object_MQTT();

    Integer m_model;
    std::array<TNetPanel, Network_Count> m_panels{};
    std::array<TControl*, ParGen_Count> m_fields{};
};

extern TFParGen* FParGen;

}  // namespace gw
