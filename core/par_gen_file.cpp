// The gateway parameter file ParGen.xml: its elements in file order, the writer and the readers.
#include "core/par_gen_file.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/files.h"
#include "platform/xml/xml_document.h"

namespace gw {

namespace {

constexpr TParGenElement Octet(StringView Name, StringView Window, Integer Image)
{
    return {Name, pkOctet, Window, true, Image};
}

constexpr TParGenElement Flag(StringView Name, bool ImageReads) { return {Name, pkFlag, u"0", ImageReads, 0}; }

constexpr std::array<TParGenElement, ParGen_Count> kElements = {{
    Octet(u"EtherNetIP_Master_IP1", u"192", 192),
    Octet(u"EtherNetIP_Master_IP2", u"168", 168),
    Octet(u"EtherNetIP_Master_IP3", u"0", 0),
    Octet(u"EtherNetIP_Master_IP4", u"5", 5),
    Octet(u"EtherNetIP_Master_SM1", u"255", 255),
    Octet(u"EtherNetIP_Master_SM2", u"255", 255),
    Octet(u"EtherNetIP_Master_SM3", u"255", 255),
    Octet(u"EtherNetIP_Master_SM4", u"0", 0),
    Octet(u"EtherNetIP_Master_GAT1", u"192", 192),
    Octet(u"EtherNetIP_Master_GAT2", u"168", 168),
    Octet(u"EtherNetIP_Master_GAT3", u"0", 0),
    Octet(u"EtherNetIP_Master_GAT4", u"1", 1),
    Flag(u"EtherNetIP_Master_EN_GAT", true),
    {u"EtherNetIP_Master_Port", pkPort, ParGen_Master_Port, false, 0},
    Octet(u"Ethernet_IP1", u"192", 192),
    Octet(u"Ethernet_IP2", u"168", 168),
    Octet(u"Ethernet_IP3", u"0", 0),
    Octet(u"Ethernet_IP4", u"10", 6),
    Octet(u"Ethernet_SM1", u"255", 255),
    Octet(u"Ethernet_SM2", u"255", 255),
    Octet(u"Ethernet_SM3", u"255", 255),
    Octet(u"Ethernet_SM4", u"0", 0),
    Octet(u"Ethernet_GAT1", u"192", 192),
    Octet(u"Ethernet_GAT2", u"168", 168),
    Octet(u"Ethernet_GAT3", u"0", 0),
    Octet(u"Ethernet_GAT4", u"1", 1),
    Flag(u"Ethernet_EN_GAT", true),
    {u"Ethernet_DNS1", pkOctet, u"8", false, 0},
    {u"Ethernet_DNS2", pkOctet, u"8", false, 0},
    {u"Ethernet_DNS3", pkOctet, u"8", false, 0},
    {u"Ethernet_DNS4", pkOctet, u"8", false, 0},
    Flag(u"Ethernet_EN_DNS", false),
    {u"Ethernet_TCP_Port", pkPort, u"10001", true, 10001},
    {u"Ethernet_UDP_Port", pkPort, u"10001", true, 10001},
}};

String FlagText(StringView Text) { return Text == u"1" ? u"1" : u"0"; }

// The root of the file as every reader takes it: the document element, whatever a hand-edited
// file or another tool put before it; a null node when the file does not exist. A file that is
// not well-formed raises EXmlError.
TXMLNode LoadRoot(TXMLDocument& Doc, const String& FileName)
{
    if (!FileExists(FileName)) return {};
    Doc.LoadFromFile(FileName);
    return Doc.DocumentElement();
}

bool ElementText(const TXMLNode& Root, StringView Name, String& Text)
{
    const TXMLNode element = Root.FindChild(Name);
    return element && element.TryGetText(Text);
}

Integer ImageValue(const TXMLNode& Root, const TParGenElement& Element)
{
    String text;
    if (!ElementText(Root, Element.Name, text)) return Element.ImageDefault;
    switch (Element.Kind) {
    case pkFlag: return text == u"1" ? 1 : 0;
    case pkPort: return StrToIntDef(text, Element.ImageDefault) & 0xFFFF;
    case pkOctet: break;
    }
    return StrToIntDef(text, Element.ImageDefault) & 0xFF;
}

}  // namespace

const std::array<TParGenElement, ParGen_Count>& ParGen_Elements() { return kElements; }

TParGenTexts ParGen_Window_Defaults()
{
    TParGenTexts texts;
    for (int i = 0; i < ParGen_Count; ++i) texts[i] = String(kElements[i].WindowDefault);
    return texts;
}

void Write_ParGen(TXMLDocument& Doc, const String& FileName, const TParGenTexts& Values)
{
    Doc.Clear();
    TXMLNode root = Doc.AddChild(ParGen_Root);
    Doc.AddComment(ParGen_Version_Comment);
    for (int i = 0; i < ParGen_Count; ++i) {
        const TParGenElement& element = kElements[i];
        String text = Values[i];
        if (element.Kind == pkFlag)
            text = FlagText(text);
        else if (i == pgMaster_Port)
            text = String(ParGen_Master_Port);
        root.AddChild(element.Name).SetText(text);
    }
    Doc.SaveToFile(FileName);
}

TParGenTexts Read_ParGen_Window(TXMLDocument& Doc, const String& FileName)
{
    TParGenTexts texts = ParGen_Window_Defaults();
    const TXMLNode root = LoadRoot(Doc, FileName);
    for (int i = 0; i < ParGen_Count; ++i) {
        String text;
        if (i == pgMaster_Port || !ElementText(root, kElements[i].Name, text)) continue;
        texts[i] = kElements[i].Kind == pkFlag ? FlagText(text) : text;
    }
    return texts;
}

TParGenNumbers Read_ParGen_Image(TXMLDocument& Doc, const String& FileName)
{
    TParGenNumbers numbers{};
    const TXMLNode root = LoadRoot(Doc, FileName);
    for (int i = 0; i < ParGen_Count; ++i)
        if (kElements[i].ImageReads) numbers[i] = ImageValue(root, kElements[i]);
    return numbers;
}

bool Read_ParGen_Key(TXMLDocument& Doc, const String& FileName, StringView Name, String& Value)
{
    String text;
    if (!ElementText(LoadRoot(Doc, FileName), Name, text)) return false;
    Value = text;
    return true;
}

}  // namespace gw
