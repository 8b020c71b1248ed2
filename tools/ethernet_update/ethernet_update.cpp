// Stand-in for the gateway update program: reads Ethernet_Update.xml beside it (or the file named
// as its one argument), checks it and the files it names, and prints what it would send. It sends
// nothing. Exit 0: all is well; 1: the file's content is wrong; 2: the file cannot be read or parsed.
#include "platform/net/icmp_echo.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/files.h"
#include "platform/runtime/unicode.h"
#include "platform/xml/xml_document.h"

#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using gw::String;
using gw::TXMLNode;

// The configuration image: the 2048-byte parameter block and ten slave records of 32 bytes.
constexpr long long kImageSize = 2048 + 10 * 32;

// A fault in the file's content; the message says which element and what is wrong.
struct ContentError {
    std::string message;
};

std::string U8(const String& text) { return gw::StringToUtf8(text); }

std::string Path(const TXMLNode& node)
{
    std::string path;
    for (TXMLNode n = node; n && n.NodeType() == gw::ntElement; n = n.Parent()) path = "/" + U8(n.NodeName()) + path;
    return path;
}

std::string Text(const TXMLNode& parent, const char* name)
{
    TXMLNode node = parent.FindChild(gw::S(name));
    if (node.IsNull()) throw ContentError{"element " + Path(parent) + "/" + name + " is missing"};
    String text;
    if (!node.TryGetText(text)) throw ContentError{"element " + Path(node) + " holds more than text"};
    return U8(text);
}

unsigned long Number(const TXMLNode& parent, const char* name, unsigned long max)
{
    std::string text = Text(parent, name);
    bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    std::string digits = hex ? text.substr(2) : text;
    const char* allowed = hex ? "0123456789abcdefABCDEF" : "0123456789";
    if (digits.empty() || digits.size() > 8 || digits.find_first_not_of(allowed) != std::string::npos)
        throw ContentError{Path(parent) + "/" + name + " \"" + text + "\" is not a number"};
    unsigned long value = std::stoul(digits, nullptr, hex ? 16 : 10);
    if (value > max) throw ContentError{Path(parent) + "/" + name + " " + text + " is above " + std::to_string(max)};
    return value;
}

bool Flag(const TXMLNode& parent, const char* name)
{
    std::string text = Text(parent, name);
    if (text != "0" && text != "1")
        throw ContentError{Path(parent) + "/" + name + " \"" + text + "\" is neither 0 nor 1"};
    return text == "1";
}

long long FileSize(const std::string& path, const std::string& what)
{
    struct stat info {};
    if (path.empty()) throw ContentError{"no " + what + " file is named"};
    if (::stat(path.c_str(), &info) != 0) throw ContentError{what + " file \"" + path + "\" does not exist"};
    if (!S_ISREG(info.st_mode)) throw ContentError{what + " file \"" + path + "\" is not a file"};
    return static_cast<long long>(info.st_size);
}

struct Operation {
    std::string kind, file, startAddress;
    long long size = 0;
    unsigned long bank = 0;
    bool readBack = false, startApplication = false;
};

Operation ReadOperation(const TXMLNode& node)
{
    Operation op;
    op.bank = Number(node, "Ope_Bank_Type", 255);
    if (op.bank != 1 && op.bank != 2)
        throw ContentError{Path(node) + "/Ope_Bank_Type " + std::to_string(op.bank) +
                           " is neither 1 (firmware) nor 2 (configuration)"};
    op.kind = op.bank == 1 ? "firmware" : "configuration image";
    op.file = Text(node, "Ope_FileName");
    op.size = FileSize(op.file, op.kind);
    if (op.bank == 2 && op.size != kImageSize)
        throw ContentError{"configuration image \"" + op.file + "\" has " + std::to_string(op.size) +
                           " bytes; it must have " + std::to_string(kImageSize)};
    if (op.bank == 1 && op.size == 0) throw ContentError{"firmware file \"" + op.file + "\" is empty"};
    op.startAddress = Text(node, "Ope_Start_Address");
    Number(node, "Ope_Start_Address", 0xFFFFFFFFul);
    Number(node, "Ope_Port", 65535);
    Number(node, "Ope_Port_Sec", 65535);
    Number(node, "Ope_Address_CSS", 0xFFFFFFFFul);
    Number(node, "Ope_Command_CSS", 255);
    Flag(node, "Ope_Write_CSS");
    op.readBack = Flag(node, "Ope_Read_Back");
    op.startApplication = Flag(node, "Ope_GoToApp_After");
    return op;
}

int Run(const String& fileName)
{
    gw::TXMLDocument doc;
    try {
        doc.LoadFromFile(fileName);
    } catch (const gw::Exception& e) {
        std::fprintf(stderr, "Ethernet_Update: cannot read the update file: %s\n", e.what());
        return 2;
    }
    TXMLNode root = doc.FirstNode();
    if (root.NodeType() != gw::ntElement || root.NodeName() != u"Ethernet_Update")
        throw ContentError{"the document does not start with the element Ethernet_Update"};
    std::string version = Text(root, "Version");
    std::string title = Text(root, "Title");
    std::string address = Text(root, "IP_Address_Dev");
    uint32_t ip = 0;
    if (!gw::ParseIPv4(gw::S(address), ip))
        throw ContentError{"IP_Address_Dev \"" + address + "\" is not an IPv4 address"};
    unsigned long appPort = Number(root, "Application_Port", 65535);
    unsigned long bootPort = Number(root, "Boot_Port", 65535);
    unsigned long bootPortSec = Number(root, "Boot_Port_Sec", 65535);
    Number(root, "Address_Protection", 0xFFFFFFFFul);
    TXMLNode protections = root.FindChild(u"Protections");
    if (protections.IsNull()) throw ContentError{"element /Ethernet_Update/Protections is missing"};
    Number(protections, "Protection", 0xFFFFFFFFul);
    TXMLNode operations = root.FindChild(u"Operations");
    if (operations.IsNull()) throw ContentError{"element /Ethernet_Update/Operations is missing"};

    std::vector<Operation> steps;
    for (TXMLNode n = operations.FirstChild(); n; n = n.NextSibling())
        if (n.NodeType() == gw::ntElement && n.NodeName() == u"Operation") steps.push_back(ReadOperation(n));
    if (steps.empty()) throw ContentError{"/Ethernet_Update/Operations holds no Operation"};

    char dotted[16];
    std::snprintf(dotted, sizeof dotted, "%u.%u.%u.%u", ip >> 24, (ip >> 16) & 255, (ip >> 8) & 255, ip & 255);
    std::printf("%s (file version %s)\n", title.c_str(), version.c_str());
    std::printf("Device %s: application port %lu, boot ports %lu and %lu\n", dotted, appPort, bootPort, bootPortSec);
    for (size_t i = 0; i < steps.size(); ++i) {
        const Operation& op = steps[i];
        std::printf("Step %zu: %s \"%s\" (%lld bytes) to address %s, bank %lu, read back %s, then %s\n", i + 1,
                    op.kind.c_str(), op.file.c_str(), op.size, op.startAddress.c_str(), op.bank,
                    op.readBack ? "yes" : "no",
                    op.startApplication ? "start the application" : "stay in the boot loader");
    }
    std::printf("Nothing was sent: this program is a stand-in for the update program.\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 2) {
        std::fprintf(stderr, "Ethernet_Update: usage: Ethernet_Update [update-file]\n");
        return 2;
    }
    try {
        gw::String file = argc == 2 ? gw::Utf8ToString(argv[1]) : gw::ExeDir() + u"Ethernet_Update.xml";
        return Run(file);
    } catch (const ContentError& e) {
        std::fprintf(stderr, "Ethernet_Update: the update file is not valid: %s\n", e.message.c_str());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Ethernet_Update: %s\n", e.what());
        return 2;
    }
}
