// The connections of an EDS file's [Connection Manager] section: the reader and the entry decoder.
#include "tables/eds_connections.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/files.h"
#include "platform/runtime/string_list.h"

#include <utility>

namespace gw {

namespace {

constexpr StringView kSection = u"[Connection Manager]";
constexpr StringView kConnection = u"Connection";
// The entry's fields before the path: trigger, parameters, ten of sizes and formats, name, help.
constexpr int kFieldsBeforePath = 14;
constexpr int kParamsField = 2;
constexpr int kNameField = 13;
constexpr int kHelpField = 14;

// Trim without a copy: every unit <= ' ' goes from both ends.
StringView TrimView(StringView S)
{
    std::size_t first = 0;
    std::size_t last = S.size();
    while (first < last && S[first] <= u' ') ++first;
    while (last > first && S[last - 1] <= u' ') --last;
    return S.substr(first, last - first);
}

struct TEntryFields {
    StringView Params;
    StringView Name;
    StringView Help;
    StringView Rest;
};

// Commas separate the fields wherever they stand, inside quotes too; what follows the 14th
// comma is the path field and whatever trails it.
TEntryFields SplitEntry(StringView Entry)
{
    TEntryFields fields;
    std::size_t start = 0;
    for (int field = 1; field <= kFieldsBeforePath; ++field) {
        const std::size_t comma = Entry.find(u',', start);
        const StringView value = TrimView(Entry.substr(start, comma == StringView::npos ? comma : comma - start));
        if (field == kParamsField) fields.Params = value;
        if (field == kNameField) fields.Name = value;
        if (field == kHelpField) fields.Help = value;
        if (comma == StringView::npos) return fields;
        start = comma + 1;
    }
    fields.Rest = Entry.substr(start);
    return fields;
}

// The path field ends at the first ";", or at a "," before it; without ";" there is no path.
StringView PathText(StringView Rest)
{
    const std::size_t semicolon = Rest.find(u';');
    if (semicolon == StringView::npos) return {};
    const std::size_t comma = Rest.find(u',');
    return Rest.substr(0, comma < semicolon ? comma : semicolon);
}

bool IsInstance(Byte Type) { return Type >= 0x24 && Type <= 0x26; }
bool IsPoint(Byte Type) { return Type >= 0x2C && Type <= 0x2E; }

struct TSegment {
    Cardinal Value = 0;
    // Position of the segment's last byte.
    std::size_t Last = 0;
};

// A padded logical segment whose type byte is at P: 8-bit values follow the type, 16- and
// 32-bit values start at the first even position after it, least significant byte first.
TSegment ReadSegment(const TConnPath& Path, std::size_t P)
{
    const int width = 1 << (Path.At(P) & 3);
    if (width == 1) return {Path.At(P + 1), P + 1};
    const std::size_t start = P % 2 == 0 ? P + 2 : P + 1;
    Cardinal value = 0;
    for (int i = 0; i < width; ++i) value |= static_cast<Cardinal>(Path.At(start + i)) << (8 * i);
    return {value, start + width - 1};
}

// The first connection-point type from P on, or Count when there is none.
std::size_t FindPoint(const TConnPath& Path, std::size_t P)
{
    while (P < Path.Count && !IsPoint(Path.At(P))) ++P;
    return P;
}

// The length of the class segment at the start, 0 when the path starts with none.
std::size_t ClassLength(Byte Type)
{
    switch (Type) {
    case 0x20: return 2;
    case 0x21: return 4;
    case 0x22: return 6;
    default: return 0;
    }
}

// Fills the instances and connection points of Conn from the path; false when it lacks them.
bool DecodePath(const TConnPath& Path, TConnData& Conn)
{
    const std::size_t n = Path.Count;
    if (n < 6) return false;
    const std::size_t p = ClassLength(Path.At(0));
    if (p == 0) return false;
    // Without an instance segment the instance is 1 and the search goes on from byte 2.
    TSegment instance{1, 1};
    if (IsInstance(Path.At(p))) instance = ReadSegment(Path, p);
    Conn.InstanceOT = Conn.InstanceTO = instance.Value;
    std::size_t pos = FindPoint(Path, instance.Last + 1);
    if (pos + 1 >= n) return false;
    const TSegment pointOT = ReadSegment(Path, pos);
    Conn.ConnPointOT = pointOT.Value;
    pos = pointOT.Last + 1;
    while (pos < n && !IsInstance(Path.At(pos)) && !IsPoint(Path.At(pos))) ++pos;
    if (pos + 1 >= n) return false;
    if (IsInstance(Path.At(pos))) {
        const TSegment second = ReadSegment(Path, pos);
        Conn.InstanceTO = second.Value;
        pos = FindPoint(Path, second.Last + 1);
        if (pos + 1 >= n) return false;
    }
    Conn.ConnPointTO = ReadSegment(Path, pos).Value;
    return true;
}

}  // namespace

TConnPath Decode_Conn_Path(StringView Text)
{
    String plain;
    plain.reserve(Text.size());
    for (Char c : Text)
        if (c != u'"') plain.push_back(c);
    const StringView text = TrimView(plain);
    TConnPath path;
    String token = u"$";
    std::size_t start = 0;
    while (start < text.size() && path.Count < Conn_Path_Size) {
        std::size_t end = text.find(u' ', start);
        if (end == StringView::npos) end = text.size();
        if (end > start) {
            token.resize(1);
            token.append(text.substr(start, end - start));
            Integer value = -1;
            if (TryStrToInt(token, value) && value >= 0 && value <= 255)
                path.Bytes[path.Count++] = static_cast<Byte>(value);
        }
        start = end + 1;
    }
    return path;
}

bool DecodeConnStr(StringView ConnStr, TConnList& List)
{
    const TEntryFields fields = SplitEntry(ConnStr);
    TConnData conn;
    // Bits 8-10 and 12-14 are the real-time formats of O > T and T > O; a parameters field
    // that is no number reads as -1, so both become 7.
    const auto params = static_cast<Cardinal>(StrToIntDef(fields.Params, -1));
    conn.DimHeaderOT = static_cast<Byte>((params >> 8) & 7);
    conn.DimHeaderTO = static_cast<Byte>((params >> 12) & 7);
    conn.NumClass = 0;
    conn.ConnName = String(fields.Name);
    conn.HelpStr = String(fields.Help);
    const StringView pathText = TrimView(PathText(fields.Rest));
    if (pathText.empty() || !DecodePath(Decode_Conn_Path(pathText), conn)) return false;
    conn.ConnIndex = static_cast<Integer>(List.size()) + 1;
    List.push_back(std::move(conn));
    return true;
}

TConnList Read_Connection_Manager(const TStrings& Lines)
{
    TConnList list;
    bool inside = false;
    String entry;
    const auto decodeEntry = [&] {
        if (!entry.empty()) DecodeConnStr(entry, list);
        entry.clear();
    };
    const Integer count = Lines.Count();
    for (Integer i = 0; i < count; ++i) {
        const String line = Lines.Get(i);
        StringView text = TrimView(line);
        // "$" starts a comment, even inside a quoted text.
        const std::size_t dollar = text.find(u'$');
        if (dollar != StringView::npos) text = TrimView(text.substr(0, dollar));
        if (text.empty()) continue;
        if (inside && text.front() == u'[') {
            decodeEntry();
            inside = false;
        }
        // A section header right after the section starts it again, as any later one does.
        if (!inside) {
            inside = text.find(kSection) != StringView::npos;
        } else if (text.starts_with(kConnection)) {
            decodeEntry();
            const std::size_t equals = text.find(u'=');
            entry = equals == StringView::npos ? text : TrimView(text.substr(equals + 1));
        } else if (text.find(u'=') == StringView::npos) {
            entry.append(text);
        }
    }
    decodeEntry();
    return list;
}

TConnList Load_EDS_Connections(const String& FileName)
{
    if (!FileExists(FileName)) return {};
    TStringList lines;
    lines.LoadFromFile(FileName);
    return Read_Connection_Manager(lines);
}

String Dim_Header_TO_Text(const TConnData& Conn)
{
    return Conn.DimHeaderTO == 0 ? String(u"Default") : IntToStr(Conn.DimHeaderTO);
}

String Dim_Header_OT_Text(const TConnData& Conn)
{
    return Conn.DimHeaderOT == 4 ? String(u"Default") : IntToStr(Conn.DimHeaderOT);
}

}  // namespace gw
