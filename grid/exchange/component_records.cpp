// Object records of the binary component-stream encoding: writing and bounded reading.
#include "grid/exchange/component_records.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace gw {

namespace {

constexpr std::string_view Signature = "TPF0";

[[noreturn]] void Bad(const std::string& What) { throw EReadError(u"Invalid cell stream: " + Utf8ToString(What)); }

bool HasUnpairedSurrogate(StringView Text)
{
    for (size_t i = 0; i < Text.size(); ++i) {
        const Char c = Text[i];
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 < Text.size() && Text[i + 1] >= 0xDC00 && Text[i + 1] <= 0xDFFF) {
                ++i;
                continue;
            }
            return true;
        }
        if (c >= 0xDC00 && c <= 0xDFFF) return true;
    }
    return false;
}

}  // namespace

// --- writing -------------------------------------------------------------------------------------

void TRecordWriter::ShortString(std::string_view Text)
{
    const size_t n = std::min<size_t>(Text.size(), 255);
    m_out.push_back(static_cast<char>(n));
    m_out.append(Text.substr(0, n));
}

void TRecordWriter::Int32(uint32_t Value)
{
    for (int i = 0; i < 4; ++i) m_out.push_back(static_cast<char>((Value >> (8 * i)) & 0xFF));
}

void TRecordWriter::Begin(std::string_view ClassName)
{
    m_out.append(Signature);
    ShortString(ClassName);
    ShortString("");
}

void TRecordWriter::End() { m_out.append(2, '\0'); }

void TRecordWriter::WriteInteger(std::string_view Name, Integer Value)
{
    ShortString(Name);
    if (Value >= -128 && Value <= 127) {
        m_out.push_back(char(vaInt8));
        m_out.push_back(static_cast<char>(Value));
    } else if (Value >= -32768 && Value <= 32767) {
        m_out.push_back(char(vaInt16));
        m_out.push_back(static_cast<char>(Value & 0xFF));
        m_out.push_back(static_cast<char>((Value >> 8) & 0xFF));
    } else {
        m_out.push_back(char(vaInt32));
        Int32(static_cast<uint32_t>(Value));
    }
}

void TRecordWriter::StringValue(StringView Value)
{
    const std::string utf8 = StringToUtf8(Value);
    if (Value.empty() || utf8.size() >= 2 * Value.size() || HasUnpairedSurrogate(Value)) {
        m_out.push_back(char(vaWString));
        Int32(static_cast<uint32_t>(Value.size()));
        for (const Char unit : Value) {
            m_out.push_back(static_cast<char>(unit & 0xFF));
            m_out.push_back(static_cast<char>(unit >> 8));
        }
        return;
    }
    const bool ascii = std::all_of(utf8.begin(), utf8.end(), [](char b) { return static_cast<uint8_t>(b) < 0x80; });
    if (!ascii) {
        m_out.push_back(char(vaUTF8String));
        Int32(static_cast<uint32_t>(utf8.size()));
    } else if (utf8.size() >= 256) {
        m_out.push_back(char(vaLString));
        Int32(static_cast<uint32_t>(utf8.size()));
    } else {
        m_out.push_back(char(vaString));
        m_out.push_back(static_cast<char>(utf8.size()));
    }
    m_out.append(utf8);
}

void TRecordWriter::WriteString(std::string_view Name, StringView Value)
{
    ShortString(Name);
    StringValue(Value);
}

void TRecordWriter::WriteBoolean(std::string_view Name, bool Value)
{
    ShortString(Name);
    m_out.push_back(char(Value ? vaTrue : vaFalse));
}

void TRecordWriter::WriteIdent(std::string_view Name, std::string_view Ident)
{
    ShortString(Name);
    m_out.push_back(char(vaIdent));
    ShortString(Ident);
}

void TRecordWriter::WriteColour(std::string_view Name, TColor Value)
{
    String ident;
    if (ColorToIdent(Value, ident))
        WriteIdent(Name, StringToUtf8(ident));
    else
        WriteInteger(Name, Value);
}

void TRecordWriter::WriteSet(std::string_view Name, const std::vector<std::string_view>& Members)
{
    ShortString(Name);
    m_out.push_back(char(vaSet));
    for (std::string_view m : Members) ShortString(m);
    ShortString("");
}

void TRecordWriter::WriteBinary(std::string_view Name, std::string_view Bytes)
{
    ShortString(Name);
    m_out.push_back(char(vaBinary));
    Int32(static_cast<uint32_t>(Bytes.size()));
    m_out.append(Bytes);
}

void TRecordWriter::WriteStrings(std::string_view Name, const std::vector<String>& Items)
{
    ShortString(Name);
    m_out.push_back(char(vaList));
    for (const String& item : Items) StringValue(item);
    m_out.push_back(char(vaNull));
}

void TRecordWriter::WriteExtended(std::string_view Name, double Value)
{
    ShortString(Name);
    m_out.push_back(char(vaExtended));
    m_out.append(DoubleToExtended(Value));
}

// --- reading -------------------------------------------------------------------------------------

const TRecordValue* TComponentRecord::Find(std::string_view Name) const
{
    for (const TRecordProperty& p : Properties)
        if (p.Name == Name) return &p.Value;
    return nullptr;
}

uint8_t TRecordReader::Byte() { return static_cast<uint8_t>(Take(1)[0]); }

std::string_view TRecordReader::Take(size_t Count)
{
    if (Count > Left()) Bad("the stream ends inside a record");
    const std::string_view bytes = m_bytes.substr(m_at, Count);
    m_at += Count;
    return bytes;
}

uint32_t TRecordReader::Int32()
{
    const std::string_view b = Take(4);
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(b[size_t(i)]);
    return v;
}

std::string TRecordReader::ShortString()
{
    const uint8_t n = Byte();
    return std::string(Take(n));
}

void TRecordReader::StringValue(TValueType Type, TRecordValue& Result)
{
    switch (Type) {
    case vaString: Result.Text = Utf8ToString(Take(Byte())); break;
    case vaLString:
    case vaUTF8String: Result.Text = Utf8ToString(Take(Int32())); break;
    case vaWString: {
        const uint32_t units = Int32();
        if (units > Left() / 2) Bad("a text longer than the stream");
        const std::string_view b = Take(size_t(units) * 2);
        Result.Text.resize(units);
        for (size_t i = 0; i < units; ++i)
            Result.Text[i] = static_cast<Char>(static_cast<uint8_t>(b[2 * i]) | (static_cast<uint8_t>(b[2 * i + 1]) << 8));
        break;
    }
    default: Bad("a value of an unexpected type");
    }
}

TRecordValue TRecordReader::Value()
{
    TRecordValue v;
    v.Type = static_cast<TValueType>(Byte());
    switch (v.Type) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil: break;
    case vaInt8: v.Int = static_cast<int8_t>(Byte()); break;
    case vaInt16: {
        const std::string_view b = Take(2);
        v.Int = static_cast<int16_t>(static_cast<uint8_t>(b[0]) | (static_cast<uint8_t>(b[1]) << 8));
        break;
    }
    case vaInt32: v.Int = static_cast<Integer>(Int32()); break;
    case vaExtended: v.Float = ExtendedToDouble(Take(10)); break;
    case vaIdent: v.Ident = ShortString(); break;
    case vaBinary: v.Binary = std::string(Take(Int32())); break;
    case vaSet:
        for (std::string member = ShortString(); !member.empty(); member = ShortString()) v.Set.push_back(member);
        break;
    case vaList:
        // Lists of the cell stream hold strings only; each item takes at least one byte.
        for (auto type = static_cast<TValueType>(Byte()); type != vaNull; type = static_cast<TValueType>(Byte())) {
            TRecordValue item;
            StringValue(type, item);
            v.List.push_back(std::move(item.Text));
        }
        break;
    case vaString:
    case vaLString:
    case vaWString:
    case vaUTF8String: StringValue(v.Type, v); break;
    default: Bad("an unknown value code " + std::to_string(int(v.Type)));
    }
    return v;
}

TComponentRecord TRecordReader::Read()
{
    if (Left() < Signature.size() || m_bytes.substr(m_at, Signature.size()) != Signature)
        Bad("a record does not start with TPF0");
    m_at += Signature.size();
    TComponentRecord record;
    record.ClassName = ShortString();
    if (!ShortString().empty()) Bad("a record with an object name");
    for (std::string name = ShortString(); !name.empty(); name = ShortString())
        record.Properties.push_back({name, Value()});
    if (Byte() != 0) Bad("a record with child objects");
    return record;
}

// --- extended precision --------------------------------------------------------------------------

std::string DoubleToExtended(double Value)
{
    std::string out(10, '\0');
    if (Value == 0) {
        if (std::signbit(Value)) out[9] = char(0x80);
        return out;
    }
    uint16_t signExp = std::signbit(Value) ? 0x8000 : 0;
    uint64_t mantissa = 0;
    if (std::isnan(Value)) {
        signExp |= 0x7FFF;
        mantissa = 0xC000000000000000ull;
    } else if (std::isinf(Value)) {
        signExp |= 0x7FFF;
        mantissa = 0x8000000000000000ull;
    } else {
        int exp = 0;
        const double frac = std::frexp(std::fabs(Value), &exp);  // frac in [0.5, 1)
        mantissa = static_cast<uint64_t>(std::ldexp(frac, 64));
        signExp |= static_cast<uint16_t>(exp - 1 + 16383);
    }
    for (int i = 0; i < 8; ++i) out[size_t(i)] = static_cast<char>((mantissa >> (8 * i)) & 0xFF);
    out[8] = static_cast<char>(signExp & 0xFF);
    out[9] = static_cast<char>(signExp >> 8);
    return out;
}

double ExtendedToDouble(std::string_view TenBytes)
{
    uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | static_cast<uint8_t>(TenBytes[size_t(i)]);
    const uint16_t signExp = static_cast<uint16_t>(static_cast<uint8_t>(TenBytes[8]) | (static_cast<uint8_t>(TenBytes[9]) << 8));
    const bool negative = signExp & 0x8000;
    const int exp = signExp & 0x7FFF;
    double value = 0;
    if (exp == 0x7FFF)
        value = (mantissa << 1) == 0 ? HUGE_VAL : std::nan("");
    else if (mantissa != 0)
        value = std::ldexp(static_cast<double>(mantissa), exp - 16383 - 63);
    return negative ? -value : value;
}

}  // namespace gw
