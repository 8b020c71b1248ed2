// Streams: memory, string and file streams, and the errors of ReadBuffer/WriteBuffer.
#include "platform/runtime/streams.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

String Path(const std::filesystem::path& p) { return Utf8ToString(p.string()); }

TEST(Streams, MemoryStreamReadsWritesAndSeeks)
{
    TMemoryStream m;
    m.WriteBuffer(std::string_view("hello world"));
    EXPECT_EQ(m.Position(), 11);
    EXPECT_EQ(m.Seek(-5, soEnd), 6);
    char word[5];
    m.ReadBuffer(word, 5);
    EXPECT_EQ(std::string(word, 5), "world");
    EXPECT_EQ(m.Read(word, 5), 0) << "at the end";
    EXPECT_EQ(m.Seek(-100, soCurrent), 0) << "clamped at the start";

    // Writing past the end fills the gap with zeros.
    m.Seek(13, soBeginning);
    m.WriteBuffer("!", 1);
    EXPECT_EQ(m.Bytes(), std::string_view("hello world\0\0!", 14));
    m.SetSize(5);
    EXPECT_EQ(m.Position(), 5);
    EXPECT_EQ(m.Bytes(), "hello");
}

TEST(Streams, ReadBufferRaisesWhenTheStreamIsShort)
{
    TMemoryStream m;
    m.WriteBuffer("abc", 3);
    m.SetPosition(1);
    char buffer[4];
    try {
        m.ReadBuffer(buffer, 4);
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), u"Stream read error");
    }
}

TEST(Streams, StringStreamEncodesAndDecodes)
{
    TStringStream s(u"Grüße");
    EXPECT_EQ(s.Bytes(),
              "Gr\xC3\xBC\xC3\x9F"
              "e");
    EXPECT_EQ(s.DataString(), u"Grüße");
    s.SetPosition(0);
    EXPECT_EQ(s.ReadString(4), u"Grü");
    s.Seek(0, soEnd);
    s.WriteString(u" €");
    EXPECT_EQ(s.DataString(), u"Grüße €");

    TStringStream ansi(u"€", TTextEncoding::Ansi);
    EXPECT_EQ(ansi.Bytes(), "\x80");
    TStringStream wide(std::string_view("\xFF\xFEx\0", 4), TTextEncoding::Utf16LE);
    EXPECT_EQ(wide.DataString(), u"x");
}

TEST(Streams, FileStreamCreatesOpensAndReportsFailures)
{
    test::ScratchDir dir("streams_file");
    const String name = Path(dir / "data.bin");
    {
        TFileStream f(name, fmCreate);
        f.WriteBuffer(std::string_view("0123456789"));
        f.SetSize(4);
        EXPECT_EQ(f.Size(), 4);
    }
    {
        TFileStream f(name, fmOpenReadWrite | fmShareDenyWrite);
        f.Seek(0, soEnd);
        f.WriteBuffer("xy", 2);
        f.SetPosition(0);
        EXPECT_EQ(f.ReadRest(), "0123xy");
    }
    TMemoryStream copy;
    {
        TFileStream f(name, fmOpenRead);
        EXPECT_EQ(copy.CopyFrom(&f, 0), 6);
        char c;
        EXPECT_THROW(f.WriteBuffer(&c, 1), EWriteError) << "opened for reading only";
    }
    EXPECT_EQ(copy.Bytes(), "0123xy");

    const String missing = Path(dir / "no" / "such.bin");
    struct Case {
        Word mode;
        String message;
    };
    const Case cases[] = {
        {fmOpenRead, u"Cannot open file \"" + missing + u"\". No such file or directory"},
        {fmCreate, u"Cannot create file \"" + missing + u"\". No such file or directory"},
    };
    for (const auto& c : cases) {
        try {
            TFileStream f(missing, c.mode);
            ADD_FAILURE();
        } catch (const EFileStreamError& e) {
            EXPECT_EQ(e.Message(), c.message);
            EXPECT_EQ(dynamic_cast<const EFCreateError*>(&e) != nullptr, c.mode == fmCreate);
        }
    }
    EXPECT_THROW(TFileStream(Path(dir.path()), fmOpenRead), EFOpenError) << "a folder is not a file";
}

TEST(Streams, MemoryStreamFilesGoThroughTheAtomicWriter)
{
    test::ScratchDir dir("streams_memory_file");
    TMemoryStream m;
    m.WriteBuffer(std::string_view("payload"));
    m.SaveToFile(Path(dir / "p.bin"));
    TMemoryStream back;
    back.LoadFromFile(Path(dir / "p.bin"));
    EXPECT_EQ(back.Bytes(), "payload");
    EXPECT_EQ(back.Position(), 0);
    EXPECT_THROW(back.LoadFromFile(Path(dir / "none")), EFOpenError);
}

}  // namespace
}  // namespace gw
