// Checks and splits of addresses typed as text (KNX, dotted IPv4) and the list of serial ports.
#pragma once

#include "platform/runtime/types.h"

#include <functional>
#include <vector>

namespace gw {

// True when the text holds no ".".
bool No_Dot(StringView Text);

// 0 when Text is a valid KNX address, 1 otherwise. Group addresses use "/" (a, a/b, a/b/c),
// individual ones "." (n, a.b, a.b.c); AllowZero admits 0.0.0 in individual mode only.
Integer Check_KNX_Address(StringView Text, bool Group, bool AllowZero);

// True when Text (blanks around it and around each part allowed) is a dotted IPv4 address of
// four parts 0-255. The parts found are returned trimmed; when a "." is missing the result is
// false at once and the parts not yet reached keep their values.
bool Check_IP_Address(StringView Text, String& P1, String& P2, String& P3, String& P4);

// Converts a dotted IPv4 text into four bytes. Note the sense: true when an error was found.
// An empty text is an error that leaves the bytes untouched; otherwise all four bytes are
// written, a part that is not a number 0-255 (after trimming, as Check_IP_Address trims)
// giving 0 and the error.
bool Split_IP_Bytes(StringView Text, Byte& B1, Byte& B2, Byte& B3, Byte& B4);

// What opening a serial device found: nothing usable, a free port, or a port another
// program holds (which is present all the same).
enum class TPortProbe { ppAbsent, ppFree, ppHeld };
using TPortProber = std::function<TPortProbe(const String& Device)>;

// The serial ports present, as decimal numbers in increasing order. The devices ttyS*,
// ttyUSB* and ttyACM* of /dev are numbered from 1 in that order (each family by its own
// number), at most 256 of them; a number is listed when its device opens or is busy.
std::vector<String> List_COM_Ports();
// The same over another device folder and prober (the prober opens one device path).
std::vector<String> List_COM_Ports(const String& DeviceDir, const TPortProber& Probe);
// Opens the device for reading and writing, exclusively, without waiting for a carrier.
TPortProbe Probe_Serial_Device(const String& Device);

}  // namespace gw
