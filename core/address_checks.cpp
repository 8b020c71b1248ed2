// Checks and splits of addresses typed as text (KNX, dotted IPv4) and the list of serial ports.
#include "core/address_checks.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/strings.h"
#include "platform/runtime/unicode.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace gw {

namespace {

constexpr Integer kRestOfText = INT_MAX;

// A part of an address: trimmed and converted, anything that is not a number giving Default.
Integer PartValue(StringView Part, Integer Default) { return StrToIntDef(Trim(Part), Default); }

bool InRange(Integer Value, Integer Low, Integer High) { return Value >= Low && Value <= High; }

Integer Verdict(bool Valid) { return Valid ? 0 : 1; }

bool PlainAddressValid(StringView Text) { return InRange(PartValue(Text, -1), 1, 65535); }

Integer CheckGroupAddress(StringView Text)
{
    if (Pos(u".", Text) > 0) return 1;
    const Integer first = Pos(u"/", Text);
    if (first == 0) return Verdict(PlainAddressValid(Text));
    const Integer a = PartValue(Copy(Text, 1, first - 1), -1);
    const String rest = Copy(Text, first + 1, kRestOfText);
    const Integer second = Pos(u"/", rest);
    if (second == 0) {
        const Integer b = PartValue(rest, -1);
        return Verdict(InRange(a, 0, 31) && InRange(b, 0, 2047) && (a != 0 || b != 0));
    }
    // A further "/" stays in the third part and makes it no number.
    const Integer b = PartValue(Copy(rest, 1, second - 1), -1);
    const Integer c = PartValue(Copy(rest, second + 1, kRestOfText), -1);
    return Verdict(InRange(a, 0, 31) && InRange(b, 0, 7) && InRange(c, 0, 255) && (a != 0 || b != 0 || c != 0));
}

Integer CheckIndividualAddress(StringView Text, bool AllowZero)
{
    if (Pos(u"/", Text) > 0) return 1;
    const Integer first = Pos(u".", Text);
    if (first == 0) return Verdict(PlainAddressValid(Text));
    const String rest = Copy(Text, first + 1, kRestOfText);
    const Integer second = Pos(u".", rest);
    // The two-part form is accepted as it stands: the KNX window shows it as its example.
    if (second == 0) return 0;
    const Integer a = PartValue(Copy(Text, 1, first - 1), -1);
    const Integer b = PartValue(Copy(rest, 1, second - 1), -1);
    const Integer c = PartValue(Copy(rest, second + 1, kRestOfText), -1);
    const bool zero = a == 0 && b == 0 && c == 0;
    return Verdict(InRange(a, 0, 15) && InRange(b, 0, 15) && InRange(c, 0, 255) && (AllowZero || !zero));
}

// Splits Rest at its first "." into Part (trimmed) and the trimmed remainder.
bool TakeIpPart(String& Rest, String& Part)
{
    const Integer dot = Pos(u".", Rest);
    if (dot == 0) return false;
    Part = Trim(Copy(Rest, 1, dot - 1));
    Rest = Trim(Copy(Rest, dot + 1, kRestOfText));
    return true;
}

}  // namespace

bool No_Dot(StringView Text) { return Pos(u".", Text) == 0; }

Integer Check_KNX_Address(StringView Text, bool Group, bool AllowZero)
{
    return Group ? CheckGroupAddress(Text) : CheckIndividualAddress(Text, AllowZero);
}

bool Check_IP_Address(StringView Text, String& P1, String& P2, String& P3, String& P4)
{
    String rest = Trim(Text);
    if (!TakeIpPart(rest, P1) || !TakeIpPart(rest, P2) || !TakeIpPart(rest, P3)) return false;
    P4 = rest;
    for (const String* part : {&P1, &P2, &P3, &P4})
        if (!InRange(PartValue(*part, 1000), 0, 255)) return false;
    return true;
}

bool Split_IP_Bytes(StringView Text, Byte& B1, Byte& B2, Byte& B3, Byte& B4)
{
    if (Text.empty()) return true;
    Byte* bytes[4] = {&B1, &B2, &B3, &B4};
    String rest(Text);
    bool error = false;
    for (int k = 0; k < 4; ++k) {
        const Integer dot = Pos(u".", rest);
        // The last pass takes the whole remainder; a pass without a "." finds an empty part.
        const String part = k == 3 ? rest : Copy(rest, 1, dot - 1);
        // Trimmed as Check_IP_Address trims, so an address it accepted splits to its own bytes.
        const Integer value = PartValue(part, -1);
        if (InRange(value, 0, 255)) {
            *bytes[k] = static_cast<Byte>(value);
        } else {
            *bytes[k] = 0;
            error = true;
        }
        if (dot > 0) Delete(rest, 1, dot);
    }
    return error;
}

TPortProbe Probe_Serial_Device(const String& Device)
{
    const std::string path = StringToUtf8(Device);
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return TPortProbe::ppFree;
    }
    // The port exists but another program holds it or we may not use it.
    if (errno == EACCES || errno == EBUSY || errno == EPERM) return TPortProbe::ppHeld;
    return TPortProbe::ppAbsent;
}

namespace {

constexpr std::size_t kMaxPorts = 256;

struct TSerialDevice {
    int Family = 0;
    long Number = 0;
    String Path;
};

// The family rank of a device name ("ttyS" before "ttyUSB" before "ttyACM") and its number;
// false for any other name.
bool ParseSerialName(const std::string& Name, int& Family, long& Number)
{
    static const char* const prefixes[] = {"ttyS", "ttyUSB", "ttyACM"};
    for (int f = 0; f < 3; ++f) {
        const std::string prefix = prefixes[f];
        if (Name.size() <= prefix.size() || Name.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string digits = Name.substr(prefix.size());
        if (digits.size() > 6 ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return false;
        Family = f;
        Number = std::stol(digits);
        return true;
    }
    return false;
}

std::vector<TSerialDevice> SerialDevices(const String& DeviceDir)
{
    std::vector<TSerialDevice> devices;
    std::error_code ec;
    const std::filesystem::path dir(StringToUtf8(DeviceDir));
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        TSerialDevice device;
        if (ParseSerialName(it->path().filename().string(), device.Family, device.Number)) {
            device.Path = Utf8ToString(it->path().string());
            devices.push_back(std::move(device));
        }
    }
    std::sort(devices.begin(), devices.end(), [](const TSerialDevice& a, const TSerialDevice& b) {
        return a.Family != b.Family ? a.Family < b.Family : a.Number < b.Number;
    });
    if (devices.size() > kMaxPorts) devices.resize(kMaxPorts);
    return devices;
}

}  // namespace

std::vector<String> List_COM_Ports(const String& DeviceDir, const TPortProber& Probe)
{
    std::vector<String> ports;
    const std::vector<TSerialDevice> devices = SerialDevices(DeviceDir);
    for (std::size_t n = 0; n < devices.size(); ++n)
        if (Probe(devices[n].Path) != TPortProbe::ppAbsent) ports.push_back(IntToStr(static_cast<Int64>(n + 1)));
    return ports;
}

std::vector<String> List_COM_Ports() { return List_COM_Ports(u"/dev", Probe_Serial_Device); }

}  // namespace gw
