// Object records of the binary component-stream encoding, the form the grid's cell stream is
// made of: "TPF0", the class name, an empty object name, named typed values, then two zero
// bytes. A writer that picks each value's smallest encoding, and a reader that bounds every
// length and count by the bytes left.
#pragma once

#include "platform/graphics/colour.h"
#include "platform/runtime/types.h"

#include <string>
#include <string_view>
#include <vector>

namespace gw {

// The value codes; 0E to 11, 13 and 15 never occur in a cell stream and are refused by the reader.
enum TValueType : uint8_t {
    vaNull = 0x00,
    vaList = 0x01,
    vaInt8 = 0x02,
    vaInt16 = 0x03,
    vaInt32 = 0x04,
    vaExtended = 0x05,
    vaString = 0x06,
    vaIdent = 0x07,
    vaFalse = 0x08,
    vaTrue = 0x09,
    vaBinary = 0x0A,
    vaSet = 0x0B,
    vaLString = 0x0C,
    vaNil = 0x0D,
    vaWString = 0x12,
    vaUTF8String = 0x14,
};

// Appends one record at a time to a byte string.
class TRecordWriter {
public:
    explicit TRecordWriter(std::string& Out) : m_out(Out) {}

    void Begin(std::string_view ClassName);
    void End();

    // The smallest of vaInt8, vaInt16 and vaInt32.
    void WriteInteger(std::string_view Name, Integer Value);
    // vaWString for a text whose UTF-8 form is at least twice as long as its units (and, so that
    // nothing is lost, for one holding an unpaired surrogate), else vaUTF8String when any byte
    // is non-ASCII, else vaLString from 256 bytes on and vaString below.
    void WriteString(std::string_view Name, StringView Value);
    void WriteBoolean(std::string_view Name, bool Value);
    void WriteIdent(std::string_view Name, std::string_view Ident);
    // The colour's name when it has one, else its value as an integer.
    void WriteColour(std::string_view Name, TColor Value);
    void WriteSet(std::string_view Name, const std::vector<std::string_view>& Members);
    void WriteBinary(std::string_view Name, std::string_view Bytes);
    void WriteStrings(std::string_view Name, const std::vector<String>& Items);
    void WriteExtended(std::string_view Name, double Value);

private:
    void ShortString(std::string_view Text);
    void Int32(uint32_t Value);
    void StringValue(StringView Value);

    std::string& m_out;
};

// One value as read; which fields hold it follows Type (integers of every width in Int, all
// string kinds in Text, vaIdent in Ident, vaSet in Set, vaList of strings in List).
struct TRecordValue {
    TValueType Type = vaNull;
    Integer Int = 0;
    double Float = 0;
    String Text;
    std::string Ident;
    std::vector<std::string> Set;
    std::string Binary;
    std::vector<String> List;

    bool IsString() const
    {
        return Type == vaString || Type == vaLString || Type == vaWString || Type == vaUTF8String;
    }
};

struct TRecordProperty {
    std::string Name;
    TRecordValue Value;
};

struct TComponentRecord {
    std::string ClassName;
    std::vector<TRecordProperty> Properties;

    // The property of that name, nullptr when the record does not carry it.
    const TRecordValue* Find(std::string_view Name) const;
};

// Reads records from a block of bytes. Any fault (no "TPF0", a length or count beyond the bytes
// left, an unknown or unexpected value code, a non-empty object name or child list) raises
// EReadError naming it; the position is then undefined.
class TRecordReader {
public:
    explicit TRecordReader(std::string_view Bytes) : m_bytes(Bytes) {}

    size_t Position() const { return m_at; }
    size_t Left() const { return m_bytes.size() - m_at; }
    TComponentRecord Read();

private:
    uint8_t Byte();
    std::string_view Take(size_t Count);
    uint32_t Int32();
    std::string ShortString();
    TRecordValue Value();
    void StringValue(TValueType Type, TRecordValue& Result);

    std::string_view m_bytes;
    size_t m_at = 0;
};

// The 80-bit extended-precision form of a double (little-endian, 10 bytes) and back.
std::string DoubleToExtended(double Value);
double ExtendedToDouble(std::string_view TenBytes);

}  // namespace gw
