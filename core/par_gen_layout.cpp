// The panel order and row layouts of the gateway parameter window, one variant per gateway model.
#include "core/par_gen_window.h"

#include "platform/controls/check_box.h"
#include "platform/controls/combo_box.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"

#include <algorithm>

namespace gw {

namespace {

constexpr std::array<TModelVariant, 13> Variants = {{
    {52805, nwSNMP_Agent},
    {52809, nwPROFIBUS},
    {52811, nwCAN},
    {52812, nwCANopen},
    {52813, nwDeviceNet_Slave},
    {52814, nwPROFINET},
    {52816, nwModbus_TCP_Slave},
    {52817, nwSerial},
    {52818, nwEthernet},
    {52819, nwModbus_Slave},
    {52822, nwBACnet_Slave},
    {52824, nwKNX},
    {52826, nwMQTT},
}};

}  // namespace

const std::array<TModelVariant, 13>& Model_Variants() { return Variants; }

const TModelVariant& Model_Variant(Integer Model)
{
    const auto found =
        std::find_if(Variants.begin(), Variants.end(), [Model](const TModelVariant& V) { return V.Model == Model; });
    if (found == Variants.end()) throw ERangeError(u"No gateway model " + IntToStr(Model));
    return *found;
}

namespace {

// Shows Rows[First] ... Rows[Last] or hides them.
void Show_Rows(std::vector<TParGenRow>& Rows, size_t First, size_t Last, bool Visible)
{
    for (size_t r = First; r <= Last; ++r) Rows[r].SetVisible(Visible);
}

// Stacks Rows[First] ... Rows[Last] one row apart from the place of row number At on.
void Stack_Rows(std::vector<TParGenRow>& Rows, size_t First, size_t Last, Integer At)
{
    for (size_t r = First; r <= Last; ++r) Rows[r].Move_To(Row_Top(At++));
}

}  // namespace

void TFParGen::Order_TAB_Panels_Model(Integer Model)
{
    TNetPanel& net = m_panels[Model_Variant(Model).Network];
    TNetPanel& master = m_panels[nwEtherNetIP_Master];
    net.Panel->Show();
    master.Panel->Show();
    net.Panel->SetTop(0);
    master.Panel->SetTop(net.Panel->Top() + net.Panel->Height());
    // Titled here alone: a later language change leaves them as they are.
    net.Panel->SetCaption(u"1. " + Lang(net.Title_Text));
    master.Panel->SetCaption(u"2. " + Lang(master.Title_Text));
    net.Panel->SetTabOrder(0);
    master.Panel->SetTabOrder(1);
}

void TFParGen::RePosition_Objects_Model(Integer Model)
{
    RePosition_Object(Model_Variant(Model).Network);
    RePosition_Object(nwEtherNetIP_Master);
}

void TFParGen::RePosition_Object(TNetwork Network)
{
    switch (Network) {
    case nwEthernet: RePosition_Object_Ethernet(); break;
    case nwSNMP_Agent: RePosition_Object_SNMP_Agent(); break;
    case nwBACnet_Slave: RePosition_Object_BACnet_Slave(); break;
    case nwMQTT: RePosition_Object_MQTT(); break;
    default: break;
    }
    m_panels[Network].Fit_Height();
}

// Rows: IP, mask, gateway, DNS, TCP port, UDP port. This model has no DNS row: the ports move up.
void TFParGen::RePosition_Object_Ethernet()
{
    std::vector<TParGenRow>& rows = m_panels[nwEthernet].Rows;
    rows[3].SetVisible(false);
    Stack_Rows(rows, 4, 5, 3);
    Show_Rows(rows, 4, 5, true);
}

// Rows: IP, mask, gateway, station, contact, location, version, user, security level,
// authority, authority mode, privacy, privacy mode.
void TFParGen::RePosition_Object_SNMP_Agent()
{
    std::vector<TParGenRow>& rows = m_panels[nwSNMP_Agent].Rows;
    const bool version3 = CB_SNMP_Agent_Version3->Checked();
    const Integer level = version3 ? CB_SNMP_Agent_SecurityLevel->ItemIndex() : -1;
    Show_Rows(rows, 7, 8, version3);
    Show_Rows(rows, 9, 10, level >= 1);
    Show_Rows(rows, 11, 12, level >= 2);
}

// Rows: type, IP, mask, gateway, port, device name, device identifier (BACnet/IP); baud rate,
// parity, device name, MAC address, max master, max info frame, device instance, network
// (MS/TP); the 32-character box.
void TFParGen::RePosition_Object_BACnet_Slave()
{
    std::vector<TParGenRow>& rows = m_panels[nwBACnet_Slave].Rows;
    const bool ip = CB_BACnet_Slave_Type->ItemIndex() == 0;
    Show_Rows(rows, 1, 6, ip);
    Show_Rows(rows, 7, 14, !ip);
    if (ip) {
        rows[15].Move_To(Row_Top(7));
    } else {
        Stack_Rows(rows, 7, 14, 1);
        rows[15].Move_To(Row_Top(9));
    }
}

// Rows: server URL, server port, client ID, keep alive, clean session, will flag, topic name
// will, message will, retained will, QoS will, user name, password, send time.
void TFParGen::RePosition_Object_MQTT()
{
    std::vector<TParGenRow>& rows = m_panels[nwMQTT].Rows;
    const bool will = CB_MQTT_WillFlag->Checked();
    Show_Rows(rows, 6, 9, will);
    Stack_Rows(rows, 10, 12, will ? 10 : 6);
}

}  // namespace gw
