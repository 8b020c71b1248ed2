// Tests of the sequential string list: reading, writing and the file round trip.
#include "grid/foundation/file_string_list.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

TEST(FileStringList, WritesBuildLines)
{
    TFileStringList list;
    list.Write(u"a");
    list.Write(u"b");
    list.WriteLn(u"c");
    list.WriteLn(u"");
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Strings(0), u"abc");
    EXPECT_EQ(list.Strings(1), u"");
    list.Write(u"pending");
    list.Reset();  // drops the pending text
    list.WriteLn(u"d");
    EXPECT_EQ(list.Strings(2), u"d");
}

TEST(FileStringList, ReadsAFileLineByLine)
{
    test::ScratchDir dir("file_string_list");
    test::writeBytes(dir / "three.txt", "one\r\ntwo\r\nthree\r\n");
    TFileStringList list;
    EXPECT_TRUE(list.Eof());
    list.LoadFromFile(Utf8ToString((dir / "three.txt").string()));
    String line;
    for (const char16_t* expected : {u"one", u"two", u"three"}) {
        ASSERT_FALSE(list.Eof());
        list.ReadLn(line);
        EXPECT_EQ(line, expected);
    }
    EXPECT_TRUE(list.Eof());
    EXPECT_THROW(list.ReadLn(line), EStringListError);
    list.Reset();
    list.ReadLn(line);
    EXPECT_EQ(line, u"one");
}

TEST(FileStringList, WrittenLinesSurviveASaveAndLoad)
{
    test::ScratchDir dir("file_string_list_save");
    const String file = Utf8ToString((dir / "out.csv").string());
    TFileStringList out;
    out.Write(u"x;");
    out.WriteLn(u"\u00E9");
    out.WriteLn(u"y");
    out.SaveToFile(file);
    TFileStringList in;
    in.LoadFromFile(file);
    ASSERT_EQ(in.Count(), 2);
    EXPECT_EQ(in.Strings(0), u"x;\u00E9");
    EXPECT_EQ(in.Strings(1), u"y");
}

}  // namespace
}  // namespace gw
