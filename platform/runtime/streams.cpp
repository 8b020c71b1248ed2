// TStream and its memory, string and file forms.
#include "platform/runtime/streams.h"

#include "platform/runtime/atomic_file.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/files.h"
#include "platform/runtime/unicode.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gw {

// ---- TStream ----

void TStream::ReadBuffer(void* Buffer, Integer Count)
{
    if (Count != 0 && Read(Buffer, Count) != Count) throw EReadError(u"Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, Integer Count)
{
    if (Count != 0 && Write(Buffer, Count) != Count) throw EWriteError(u"Stream write error");
}

void TStream::WriteBuffer(std::string_view Bytes)
{
    // Large blocks go in pieces that fit the Integer count.
    constexpr size_t chunk = 1 << 30;
    for (size_t at = 0; at < Bytes.size(); at += chunk) {
        const size_t n = std::min(chunk, Bytes.size() - at);
        WriteBuffer(Bytes.data() + at, static_cast<Integer>(n));
    }
}

Int64 TStream::CopyFrom(TStream* Source, Int64 Count)
{
    if (Count == 0) {
        Source->SetPosition(0);
        Count = Source->Size();
    }
    const Int64 total = Count;
    char buffer[64 * 1024];
    while (Count > 0) {
        const auto n = static_cast<Integer>(std::min<Int64>(Count, sizeof buffer));
        Source->ReadBuffer(buffer, n);
        WriteBuffer(buffer, n);
        Count -= n;
    }
    return total;
}

std::string TStream::ReadRest()
{
    const Int64 rest = std::max<Int64>(0, Size() - Position());
    std::string bytes(static_cast<size_t>(rest), '\0');
    size_t got = 0;
    while (got < bytes.size()) {
        const auto want = static_cast<Integer>(std::min<size_t>(bytes.size() - got, 1 << 30));
        const Integer n = Read(bytes.data() + got, want);
        if (n <= 0) break;
        got += static_cast<size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

// ---- TMemoryStream ----

Integer TMemoryStream::Read(void* Buffer, Integer Count)
{
    if (Count <= 0 || m_position >= Size()) return 0;
    const auto n = static_cast<Integer>(std::min<Int64>(Count, Size() - m_position));
    std::memcpy(Buffer, m_data.data() + m_position, static_cast<size_t>(n));
    m_position += n;
    return n;
}

Integer TMemoryStream::Write(const void* Buffer, Integer Count)
{
    if (Count <= 0) return 0;
    const auto end = static_cast<size_t>(m_position) + static_cast<size_t>(Count);
    if (end > m_data.size()) m_data.resize(end, '\0');
    std::memcpy(m_data.data() + m_position, Buffer, static_cast<size_t>(Count));
    m_position = static_cast<Int64>(end);
    return Count;
}

Int64 TMemoryStream::Seek(Int64 Offset, TSeekOrigin Origin)
{
    Int64 base = 0;
    if (Origin == soCurrent)
        base = m_position;
    else if (Origin == soEnd)
        base = Size();
    // Before the start is clamped; past the end is allowed and a later write fills the gap.
    m_position = std::max<Int64>(0, base + Offset);
    return m_position;
}

void TMemoryStream::SetSize(Int64 NewSize)
{
    m_data.resize(static_cast<size_t>(std::max<Int64>(0, NewSize)), '\0');
    m_position = std::min(m_position, Size());
}

void TMemoryStream::Clear()
{
    m_data.clear();
    m_position = 0;
}

void TMemoryStream::LoadFromStream(TStream* Stream)
{
    Stream->SetPosition(0);
    m_data = Stream->ReadRest();
    m_position = 0;
}

void TMemoryStream::SaveToStream(TStream* Stream) const { Stream->WriteBuffer(m_data); }

void TMemoryStream::LoadFromFile(const String& FileName)
{
    m_data = FileToBytes(FileName);
    m_position = 0;
}

void TMemoryStream::SaveToFile(const String& FileName) const { WriteFileAtomic(FileName, m_data); }

// ---- TStringStream ----

TStringStream::TStringStream(StringView Text, TTextEncoding Encoding) : m_encoding(Encoding)
{
    m_data = EncodeTextBytes(Text, Encoding, false);
}

TStringStream::TStringStream(std::string_view Bytes, TTextEncoding Encoding) : m_encoding(Encoding)
{
    m_data.assign(Bytes);
}

String TStringStream::DataString() const { return DecodeBytesAs(m_data, m_encoding); }

String TStringStream::ReadString(Integer Count)
{
    std::string bytes(static_cast<size_t>(std::max<Int64>(0, std::min<Int64>(Count, Size() - m_position))), '\0');
    const Integer n = Read(bytes.data(), static_cast<Integer>(bytes.size()));
    bytes.resize(static_cast<size_t>(n));
    TStringStream piece(std::string_view(bytes), m_encoding);
    return piece.DataString();
}

void TStringStream::WriteString(StringView Text) { WriteBuffer(EncodeTextBytes(Text, m_encoding, false)); }

// ---- TFileStream ----

namespace {

// Repeats Step (one read or write at an offset, answering the bytes moved) until Count bytes
// have moved, the end is reached or an error other than an interruption occurs.
template <typename F>
Integer Transfer(Integer Count, F&& Step)
{
    Integer total = 0;
    while (total < Count) {
        const ssize_t n = Step(total);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        total += static_cast<Integer>(n);
    }
    return total;
}

}  // namespace

TFileStream::TFileStream(const String& FileName, Word Mode) : m_fileName(FileName)
{
    detail::IgnoreFileSizeSignal();
    String reason;
    if ((Mode & 0xFF00) == fmCreate) {
        m_fd = detail::OpenRegularFile(FileName, O_RDWR | O_CREAT | O_TRUNC, reason);
        if (m_fd < 0) throw EFCreateError(u"Cannot create file \"" + FileName + u"\". " + reason);
        return;
    }
    int flags = O_RDONLY;
    if ((Mode & 3) == fmOpenWrite)
        flags = O_WRONLY;
    else if ((Mode & 3) == fmOpenReadWrite)
        flags = O_RDWR;
    m_fd = detail::OpenRegularFile(FileName, flags, reason);
    if (m_fd < 0) throw EFOpenError(u"Cannot open file \"" + FileName + u"\". " + reason);
}

TFileStream::~TFileStream()
{
    if (m_fd >= 0) ::close(m_fd);
}

Integer TFileStream::Read(void* Buffer, Integer Count)
{
    auto* out = static_cast<char*>(Buffer);
    return Transfer(Count, [&](Integer done) { return ::read(m_fd, out + done, static_cast<size_t>(Count - done)); });
}

Integer TFileStream::Write(const void* Buffer, Integer Count)
{
    const auto* in = static_cast<const char*>(Buffer);
    return Transfer(Count, [&](Integer done) { return ::write(m_fd, in + done, static_cast<size_t>(Count - done)); });
}

Int64 TFileStream::Seek(Int64 Offset, TSeekOrigin Origin)
{
    const int whence = Origin == soBeginning ? SEEK_SET : Origin == soCurrent ? SEEK_CUR : SEEK_END;
    return static_cast<Int64>(::lseek(m_fd, static_cast<off_t>(Offset), whence));
}

Int64 TFileStream::Position() const { return static_cast<Int64>(::lseek(m_fd, 0, SEEK_CUR)); }

Int64 TFileStream::Size() const
{
    struct stat st {};
    return ::fstat(m_fd, &st) == 0 ? static_cast<Int64>(st.st_size) : 0;
}

void TFileStream::SetSize(Int64 NewSize)
{
    if (::ftruncate(m_fd, static_cast<off_t>(NewSize)) != 0) throw EWriteError(u"Stream write error");
    if (Position() > NewSize) Seek(NewSize, soBeginning);
}

}  // namespace gw
