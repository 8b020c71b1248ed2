// The fourteen network panels of the gateway parameter window with their rows, top to bottom.
#include "core/par_gen_window.h"

namespace gw {

namespace {

// Station and device names: lower case, at most 15 characters.
constexpr Integer Name_Length = 15;

void Serial_Rows(TRowBuilder& B, const String& P)
{
    B.Combo(u"L_" + P + u"_Serial", u"CB_" + P + u"_Serial", {u"RS232", u"RS485"})
        .Combo(u"L_" + P + u"_Baudrate", u"CB_" + P + u"_Baudrate",
               {u"1200", u"2400", u"4800", u"9600", u"19200", u"38400", u"57600", u"115200"}, 3)
        .Combo(u"L_" + P + u"_Parity", u"CB_" + P + u"_Parity", {u"NONE", u"ODD", u"EVEN"})
        .Combo(u"L_" + P + u"_StopBits", u"CB_" + P + u"_StopBits", {u"1 Stop Bits", u"2 Stop Bits"});
}

// IP address, subnet mask and the gateway with its check box, as every IP network has them.
void Address_Rows(TRowBuilder& B, const String& P, StringView Gateway_Check)
{
    B.Octets(u"L_" + P + u"_IP", u"E_" + P + u"_IP")
        .Octets(u"L_" + P + u"_SM", u"E_" + P + u"_SM")
        .Check_Octets(Gateway_Check, u"E_" + P + u"_GAT");
}

}  // namespace

TNetPanel& TFParGen::New_Panel(TNetwork Network, StringView Name, Integer Title_Text, Integer First_Text)
{
    TNetPanel& net = m_panels[Network];
    net.Panel = new TCategoryPanel(this);
    net.Panel->SetName(String(Name));
    net.Panel->SetPanelGroup(CPG);
    net.Panel->SetColor(Configurator_Face_Color);
    net.Title_Text = Title_Text;
    net.First_Text = First_Text;
    return net;
}

void TFParGen::Build_Panels()
{
    const TParGenRowEvents events = {
        [this](TObject* Sender, Char& Key) { KeyPress(Sender, Key); },
        [this](TObject* Sender) { On_Change(Sender); },
        [this](TObject* Sender) { On_Click(Sender); },
    };
    auto rows = [&](TNetwork Network, StringView Name, Integer Title_Text, Integer First_Text) {
        return TRowBuilder(this, New_Panel(Network, Name, Title_Text, First_Text), events);
    };

    {
        TRowBuilder b = rows(nwPROFINET, u"CP_PROFINET", 425, 426);
        Address_Rows(b, u"PROFINET", u"CB_PROFINET_GAT");
        b.Edit(u"L_PROFINET_Port", u"E_PROFINET_Port", u"34964")
            .Disabled()
            .Edit(u"L_PROFINET_NameStation", u"E_PROFINET_NameStation")
            .Limit(Name_Length, true)
            .Edit(u"L_PROFINET_NB_In", u"E_PROFINET_NB_In", u"1438")
            .Hidden()
            .Edit(u"L_PROFINET_NB_Out", u"E_PROFINET_NB_Out", u"1438")
            .Hidden();
    }
    {
        TRowBuilder b = rows(nwEtherNetIP_Master, u"CP_EtherNetIP_Master", 406, 407);
        Address_Rows(b, u"EtherNetIP_Master", u"CB_EtherNetIP_Master_GAT");
        b.Edit(u"L_EtherNetIP_Master_TunnelPort", u"E_EtherNetIP_Master_Port", ParGen_Master_Port).Disabled();
    }
    {
        TRowBuilder b = rows(nwSNMP_Agent, u"CP_SNMP_Agent", 477, 478);
        Address_Rows(b, u"SNMP_Agent", u"CB_SNMP_Agent_GAT");
        b.Edit(u"L_SNMP_Agent_NameStation", u"E_SNMP_Agent_NameStation")
            .Limit(Name_Length, true)
            .Edit(u"L_SNMP_Agent_Contact", u"E_SNMP_Agent_Contact")
            .Limit(16)
            .Edit(u"L_SNMP_Agent_Location", u"E_SNMP_Agent_Location")
            .Limit(16)
            .Checks(u"L_SNMP_Agent_Version",
                    {u"CB_SNMP_Agent_Version1", u"CB_SNMP_Agent_Version2", u"CB_SNMP_Agent_Version3"},
                    {u"1", u"2", u"3"})
            .Edit(u"L_SNMP_Agent_User", u"E_SNMP_Agent_User")
            .Limit(19)
            .Combo(u"L_SNMP_Agent_SecurityLevel", u"CB_SNMP_Agent_SecurityLevel",
                   {u"NoAuthority NoPrivacy", u"Authority NoPrivacy", u"Authority Privacy"})
            .Edit(u"L_SNMP_Agent_Authority", u"E_SNMP_Agent_Authority")
            .Limit(15)
            .Combo(u"L_SNMP_Agent_AuthorityMode", u"CB_SNMP_Agent_AuthorityMode", {u"MD5", u"SHA"})
            .Edit(u"L_SNMP_Agent_Privacy", u"E_SNMP_Agent_Privacy")
            .Limit(15)
            .Combo(u"L_SNMP_Agent_PrivacyMode", u"CB_SNMP_Agent_PrivacyMode", {u"DES", u"AES"});
    }
    rows(nwPROFIBUS, u"CP_PROFIBUS", 528, 529)
        .Edit(u"L_PROFIBUS_ID", u"E_PROFIBUS_ID")
        .Combo(u"L_PROFIBUS_Baudrate", u"CB_PROFIBUS_Baudrate", {u"Auto Baudrate"})
        .Disabled()
        .Edit(u"L_PROFIBUS_NB_In", u"E_PROFIBUS_NB_In", u"244")
        .Edit(u"L_PROFIBUS_NB_Out", u"E_PROFIBUS_NB_Out", u"244");
    rows(nwCAN, u"CP_CAN", 540, -1)
        .Combo(u"L_CAN_Baudrate", u"CB_CAN_Baudrate",
               {u"10K", u"20K", u"50K", u"62.5K", u"100K", u"125K", u"250K", u"500K", u"800K", u"1000K"}, 9)
        .Untexted(u"Baudrate");
    rows(nwDeviceNet_Slave, u"CP_DeviceNet_Slave", 543, 544)
        .Edit(u"L_DeviceNet_Slave_ID", u"E_DeviceNet_Slave_ID")
        .Combo(u"L_DeviceNet_Slave_Baudrate", u"CB_DeviceNet_Slave_Baudrate", {u"125K", u"250K", u"500K"})
        .Edit(u"L_DeviceNet_Slave_NB_In", u"E_DeviceNet_Slave_NB_In", u"455")
        .Edit(u"L_DeviceNet_Slave_NB_Out", u"E_DeviceNet_Slave_NB_Out", u"455");
    {
        TRowBuilder b = rows(nwModbus_TCP_Slave, u"CP_Modbus_TCP_Slave", 555, 556);
        Address_Rows(b, u"Modbus_TCP_Slave", u"CB_Modbus_TCP_Slave_GAT");
        b.Edit(u"L_Modbus_TCP_Slave_Port", u"E_Modbus_TCP_Slave_Port", u"502")
            .Check(u"CB_Modbus_TCP_Slave_Read_Input_Reg")
            .Untexted(u"Read with Input Register / Status Function");
    }
    {
        TRowBuilder b = rows(nwSerial, u"CP_Serial", 587, 588);
        Serial_Rows(b, u"Serial");
    }
    {
        TRowBuilder b = rows(nwModbus_Slave, u"CP_Modbus_Slave", 597, 598);
        Serial_Rows(b, u"Modbus_Slave");
        b.Edit(u"L_Modbus_Slave_ID", u"E_Modbus_Slave_ID", u"1").Check(u"CB_Modbus_Slave_Read_Input_Reg");
    }
    {
        TRowBuilder b = rows(nwBACnet_Slave, u"CP_BACnet_Slave", 610, 611);
        b.Combo(u"L_BACnet_Slave_Type", u"CB_BACnet_Slave_Type", {u"BACnet/IP", u"BACnet MS/TP"});
        Address_Rows(b, u"BACnet_Slave", u"CB_BACnet_Slave_GAT");
        b.Edit(u"L_BACnet_Slave_Port", u"E_BACnet_Slave_Port", u"47808")
            .Edit(u"L_BACnet_Slave_DeviceName", u"E_BACnet_Slave_DeviceName")
            .Limit(Name_Length, true)
            .Edit(u"L_BACnet_Slave_DeviceID", u"E_BACnet_Slave_DeviceID")
            .Combo(u"L_BACnet_Slave_Baudrate", u"CB_BACnet_Slave_Baudrate",
                   {u"9600", u"19200", u"38400", u"57600", u"76800", u"115200"})
            .Combo(u"L_BACnet_Slave_Parity", u"CB_BACnet_Slave_Parity", {u"NONE", u"ODD", u"EVEN"})
            .Edit(u"L_BACnet_Slave_Ser_DeviceName", u"E_BACnet_Slave_Ser_DeviceName")
            .Limit(Name_Length, true)
            .Edit(u"L_BACnet_Slave_MAC", u"E_BACnet_Slave_MAC")
            .Edit(u"L_BACnet_Slave_MaxMaster", u"E_BACnet_Slave_MaxMaster")
            .Edit(u"L_BACnet_Slave_MaxInfoFrame", u"E_BACnet_Slave_MaxInfoFrame")
            .Edit(u"L_BACnet_Slave_DeviceInstance", u"E_BACnet_Slave_DeviceInstance")
            .Edit(u"L_BACnet_Slave_Network", u"E_BACnet_Slave_Network")
            .Check(u"CB_BACnet_Slave_Desc_Chars_Limit");
    }
    rows(nwKNX, u"CP_KNX", 673, 674)
        .Combo(u"L_KNX_Type", u"CB_KNX_Type", {u"KNX TP", u"KNXnet/IP"})
        .Disabled()
        .Edit(u"L_KNX_ID", u"E_KNX_ID");
    rows(nwMQTT, u"CP_MQTT", 679, 680)
        .Edit(u"L_MQTT_ServerURL", u"E_MQTT_ServerURL")
        .Edit(u"L_MQTT_ServerPort", u"E_MQTT_ServerPort", u"1883")
        .Edit(u"L_MQTT_ClientID", u"E_MQTT_ClientID")
        .Edit(u"L_MQTT_KeepAlive", u"E_MQTT_KeepAlive")
        .Check(u"CB_MQTT_CleanSession")
        .Check(u"CB_MQTT_WillFlag")
        .Edit(u"L_MQTT_TopicWill", u"E_MQTT_TopicWill")
        .Edit(u"L_MQTT_MessageWill", u"E_MQTT_MessageWill")
        .Check(u"CB_MQTT_RetainedWill")
        .Combo(u"L_MQTT_QoSWill", u"CB_MQTT_QoSWill", {u"0", u"1", u"2"})
        .Edit(u"L_MQTT_UserName", u"E_MQTT_UserName")
        .Edit(u"L_MQTT_Password", u"E_MQTT_Password")
        .Edit(u"L_MQTT_SendTime", u"E_MQTT_SendTime")
        // The texts of the family's read-with-input-registers switch, which no MQTT model shows.
        .Check(u"CB_MQTT_Read_Input_Reg")
        .Hidden();
    {
        TRowBuilder b = rows(nwEthernet, u"CP_Ethernet", 708, 709);
        Address_Rows(b, u"Ethernet", u"CB_Ethernet_En_GAT");
        b.Check_Octets(u"CB_Ethernet_DNS", u"E_Ethernet_DNS")
            .Edit(u"L_Ethernet_TCP_Port", u"E_Ethernet_TCP_Port")
            .Edit(u"L_Ethernet_UDP_Port", u"E_Ethernet_UDP_Port");
    }
    rows(nwCANopen, u"CP_CANopen", 753, 754)
        .Edit(u"L_CANopen_ID", u"E_CANopen_ID")
        .Combo(u"L_CANopen_Baudrate", u"CB_CANopen_Baudrate",
               {u"10K", u"20K", u"50K", u"100K", u"125K", u"250K", u"500K", u"800K", u"1000K"}, 5)
        .Check(u"CB_CANopen_OpState")
        .Check_Edit(u"CB_CANopen_NetStart", u"E_CANopen_NetStart_Delay")
        .Edit(u"L_CANopen_SDO_TimeOut", u"E_CANopen_SDO_TimeOut", u"1");

    // Until a model's layout moves rows, each panel is as high as all its rows.
    for (const TNetPanel& net : m_panels) net.Fit_Height();
}

}  // namespace gw
