// Streams of bytes: the abstract TStream, in memory, on a file and over a string.
#pragma once

#include "platform/runtime/object.h"
#include "platform/runtime/text_encoding.h"
#include "platform/runtime/types.h"

#include <string>
#include <string_view>

namespace gw {

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

// Read/Write move what they can and return the count; ReadBuffer/WriteBuffer insist on the
// whole count and raise EReadError "Stream read error" / EWriteError "Stream write error".
class TStream : public TObject {
public:
    String ClassName() const override { return u"TStream"; }

    virtual Integer Read(void* Buffer, Integer Count) = 0;
    virtual Integer Write(const void* Buffer, Integer Count) = 0;
    // The new position.
    virtual Int64 Seek(Int64 Offset, TSeekOrigin Origin) = 0;
    virtual Int64 Position() const = 0;
    virtual Int64 Size() const = 0;
    virtual void SetSize(Int64 NewSize) = 0;
    void SetPosition(Int64 Pos) { Seek(Pos, soBeginning); }

    void ReadBuffer(void* Buffer, Integer Count);
    void WriteBuffer(const void* Buffer, Integer Count);
    void WriteBuffer(std::string_view Bytes);
    // Copies Count bytes from Source's position (Count 0: all of Source, from its start).
    Int64 CopyFrom(TStream* Source, Int64 Count);
    // The bytes from the position to the end.
    std::string ReadRest();
};

// A growable block of memory.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;

    String ClassName() const override { return u"TMemoryStream"; }

    Integer Read(void* Buffer, Integer Count) override;
    Integer Write(const void* Buffer, Integer Count) override;
    Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;
    Int64 Position() const override { return m_position; }
    Int64 Size() const override { return static_cast<Int64>(m_data.size()); }
    void SetSize(Int64 NewSize) override;
    void Clear();

    const char* Memory() const { return m_data.data(); }
    std::string_view Bytes() const { return m_data; }

    void LoadFromStream(TStream* Stream);
    void SaveToStream(TStream* Stream) const;
    // EFOpenError when the file cannot be read.
    void LoadFromFile(const String& FileName);
    // Replaces the file whole or not at all.
    void SaveToFile(const String& FileName) const;

protected:
    std::string m_data;
    Int64 m_position = 0;
};

// A memory stream over the bytes of a text in a given encoding (UTF-8 by default).
class TStringStream : public TMemoryStream {
public:
    explicit TStringStream(StringView Text = {}, TTextEncoding Encoding = TTextEncoding::Utf8);
    // Raw bytes, taken as they are.
    explicit TStringStream(std::string_view Bytes, TTextEncoding Encoding = TTextEncoding::Utf8);

    String ClassName() const override { return u"TStringStream"; }

    // The whole contents decoded in the stream's encoding.
    String DataString() const;
    // Count bytes from the position, decoded.
    String ReadString(Integer Count);
    // Writes the text encoded at the position.
    void WriteString(StringView Text);

private:
    TTextEncoding m_encoding = TTextEncoding::Utf8;
};

// File modes: one of fmCreate / fmOpenRead / fmOpenWrite / fmOpenReadWrite, optionally or-ed
// with a share mode (accepted for compatibility; this platform does not lock).
constexpr Word fmCreate = 0xFF00;
constexpr Word fmOpenRead = 0x0000;
constexpr Word fmOpenWrite = 0x0001;
constexpr Word fmOpenReadWrite = 0x0002;
constexpr Word fmShareCompat = 0x0000;
constexpr Word fmShareExclusive = 0x0010;
constexpr Word fmShareDenyWrite = 0x0020;
constexpr Word fmShareDenyRead = 0x0030;
constexpr Word fmShareDenyNone = 0x0040;

// A stream on an open file. Opening failures raise EFOpenError
// "Cannot open file \"<name>\". <reason>"; fmCreate failures EFCreateError
// "Cannot create file \"<name>\". <reason>". Only regular files are opened (see FileToBytes).
class TFileStream : public TStream {
public:
    TFileStream(const String& FileName, Word Mode);
    ~TFileStream() override;

    String ClassName() const override { return u"TFileStream"; }

    Integer Read(void* Buffer, Integer Count) override;
    Integer Write(const void* Buffer, Integer Count) override;
    Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;
    Int64 Position() const override;
    Int64 Size() const override;
    void SetSize(Int64 NewSize) override;

    const String& FileName() const { return m_fileName; }

private:
    String m_fileName;
    int m_fd = -1;
};

}  // namespace gw
