// Object records of the component-stream encoding: each value's bytes, the string kinds chosen
// by content, named colours, and a reader that refuses cut, oversized and malformed records.
#include "grid/exchange/component_records.h"
#include "platform/runtime/exceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace gw::test {
namespace {

using namespace std::string_literals;

// The bytes of one property named "P" inside a record of class "C".
std::string Record(const std::string& Property) { return "TPF0\x01" "C\x00"s + Property + "\x00\x00"s; }
std::string Prop(const std::string& Value) { return "\x01P"s + Value; }

template <typename Write>
std::string Written(Write W)
{
    std::string out;
    TRecordWriter w(out);
    w.Begin("C");
    W(w);
    w.End();
    return out;
}

TEST(ComponentRecords, IntegersTakeTheSmallestForm)
{
    const struct {
        Integer Value;
        std::string Bytes;
    } cases[] = {
        {0, "\x02\x00"s},
        {127, "\x02\x7F"s},
        {-128, "\x02\x80"s},
        {128, "\x03\x80\x00"s},
        {-129, "\x03\x7F\xFF"s},
        {32767, "\x03\xFF\x7F"s},
        {-32768, "\x03\x00\x80"s},
        {32768, "\x04\x00\x80\x00\x00"s},
        {65535, "\x04\xFF\xFF\x00\x00"s},
        {-32769, "\x04\xFF\x7F\xFF\xFF"s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Value);
        const std::string bytes = Written([&](TRecordWriter& w) { w.WriteInteger("P", c.Value); });
        EXPECT_EQ(bytes, Record(Prop(c.Bytes)));
        TRecordReader r(bytes);
        EXPECT_EQ(r.Read().Find("P")->Int, c.Value);
    }
}

TEST(ComponentRecords, StringsTakeTheFormTheirContentAsks)
{
    const std::string ascii300(300, 'x');
    const struct {
        const char* Name;
        std::u16string Text;
        std::string Bytes;
    } cases[] = {
        {"empty", u"", "\x12\x00\x00\x00\x00"s},
        {"short ASCII", u"abc", "\x06\x03" "abc"s},
        {"255 ASCII bytes", std::u16string(255, u'y'), "\x06\xFF"s + std::string(255, 'y')},
        {"256 ASCII bytes", std::u16string(256, u'y'), "\x0C\x00\x01\x00\x00"s + std::string(256, 'y')},
        {"one accented letter: UTF-8 twice as long", u"\u00e9", "\x12\x01\x00\x00\x00\xE9\x00"s},
        {"mostly ASCII with an accent", u"ab\u00e9", "\x14\x04\x00\x00\x00" "ab\xC3\xA9"s},
        {"CJK", u"\u65e5", "\x12\x01\x00\x00\x00\xE5\x65"s},
        {"non-BMP", u"\U0001D11E", "\x12\x02\x00\x00\x00\x34\xD8\x1E\xDD"s},
        {"an unpaired surrogate stays exact", u"abc\xD800", "\x12\x04\x00\x00\x00" "a\x00" "b\x00" "c\x00\x00\xD8"s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string bytes = Written([&](TRecordWriter& w) { w.WriteString("P", c.Text); });
        EXPECT_EQ(bytes, Record(Prop(c.Bytes)));
        TRecordReader r(bytes);
        const TComponentRecord rec = r.Read();
        EXPECT_TRUE(rec.Find("P")->IsString());
        EXPECT_EQ(rec.Find("P")->Text, c.Text);
    }
}

TEST(ComponentRecords, OtherValuesKeepTheirLayout)
{
    const struct {
        const char* Name;
        std::function<void(TRecordWriter&)> Write;
        std::string Bytes;
    } cases[] = {
        {"false", [](TRecordWriter& w) { w.WriteBoolean("P", false); }, "\x08"s},
        {"true", [](TRecordWriter& w) { w.WriteBoolean("P", true); }, "\x09"s},
        {"ident", [](TRecordWriter& w) { w.WriteIdent("P", "taCenter"); }, "\x07\x08" "taCenter"s},
        {"named colour", [](TRecordWriter& w) { w.WriteColour("P", clRed); }, "\x07\x05" "clRed"s},
        {"system colour", [](TRecordWriter& w) { w.WriteColour("P", clBtnFace); }, "\x07\x09" "clBtnFace"s},
        {"none", [](TRecordWriter& w) { w.WriteColour("P", clNone); }, "\x07\x06" "clNone"s},
        {"unnamed colour", [](TRecordWriter& w) { w.WriteColour("P", TColor(0x123456)); }, "\x04\x56\x34\x12\x00"s},
        {"silver, not its alias", [](TRecordWriter& w) { w.WriteColour("P", TColor(0xC0C0C0)); },
         "\x07\x08" "clSilver"s},
        {"set", [](TRecordWriter& w) { w.WriteSet("P", {"fsBold", "fsUnderline"}); },
         "\x0B\x06" "fsBold\x0B" "fsUnderline\x00"s},
        {"empty set", [](TRecordWriter& w) { w.WriteSet("P", {}); }, "\x0B\x00"s},
        {"binary", [](TRecordWriter& w) { w.WriteBinary("P", "\x00\x01"s); }, "\x0A\x02\x00\x00\x00\x00\x01"s},
        {"list", [](TRecordWriter& w) { w.WriteStrings("P", {u"a", u""}); },
         "\x01\x06\x01" "a\x12\x00\x00\x00\x00\x00"s},
        {"extended 5", [](TRecordWriter& w) { w.WriteExtended("P", 5.0); },
         "\x05\x00\x00\x00\x00\x00\x00\x00\xA0\x01\x40"s},
        {"extended -0.5", [](TRecordWriter& w) { w.WriteExtended("P", -0.5); },
         "\x05\x00\x00\x00\x00\x00\x00\x00\x80\xFE\xBF"s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string bytes = Written(c.Write);
        EXPECT_EQ(bytes, Record(Prop(c.Bytes)));
        TRecordReader r(bytes);
        EXPECT_NO_THROW(r.Read());
        EXPECT_EQ(r.Left(), 0u);
    }
}

TEST(ComponentRecords, ValuesReadBackAsWritten)
{
    const std::string bytes = Written([](TRecordWriter& w) {
        w.WriteSet("S", {"fsItalic"});
        w.WriteStrings("L", {u"one", u"\u00e9t\u00e9", u""});
        w.WriteBinary("B", "BM\x00"s);
        w.WriteExtended("E", 1234.5678);
        w.WriteIdent("I", "clWindow");
    });
    TRecordReader r(bytes);
    const TComponentRecord rec = r.Read();
    EXPECT_EQ(rec.ClassName, "C");
    EXPECT_EQ(rec.Find("S")->Set, (std::vector<std::string>{"fsItalic"}));
    EXPECT_EQ(rec.Find("L")->List, (std::vector<String>{u"one", u"\u00e9t\u00e9", u""}));
    EXPECT_EQ(rec.Find("B")->Binary, "BM\x00"s);
    EXPECT_DOUBLE_EQ(rec.Find("E")->Float, 1234.5678);
    EXPECT_EQ(rec.Find("I")->Ident, "clWindow");
    EXPECT_EQ(rec.Find("missing"), nullptr);
    for (double v : {1.0, -3.25, 1e300, 1e-300, 0.1}) EXPECT_EQ(ExtendedToDouble(DoubleToExtended(v)), v) << v;
}

// Every length and count is checked against the bytes left before anything is allocated; a cut
// record, an unknown code or a record that is not a plain object is refused with EReadError.
TEST(ComponentRecords, BadRecordsAreRefused)
{
    const struct {
        const char* Name;
        std::string Bytes;
    } cases[] = {
        {"no signature", "TPF1\x01" "C\x00\x00\x00"s},
        {"nothing", ""s},
        {"cut in the signature", "TP"s},
        {"cut in the class name", "TPF0\x05" "CC"s},
        {"cut before the end bytes", "TPF0\x01" "C\x00"s},
        {"cut in an integer", Record(Prop("\x04\x01\x02")).substr(0, 13)},
        {"a huge wide string", Record(Prop("\x12\xFF\xFF\xFF\x7F" "ab"s))},
        {"a wide string one unit too long", Record(Prop("\x12\x02\x00\x00\x00" "ab"s)).substr(0, 14)},
        {"a huge binary", Record(Prop("\x0A\xFF\xFF\xFF\xFF" "ab"s))},
        {"a huge long string", Record(Prop("\x0C\x00\x00\x00\x40" "ab"s))},
        {"a huge UTF-8 string", Record(Prop("\x14\x10\x00\x00\x00" "ab"s))},
        {"a list never ended", Record(Prop("\x01\x06\x01" "a"s)).substr(0, 13)},
        {"a list of integers", Record(Prop("\x01\x02\x05\x00"s))},
        {"a set never ended", "TPF0\x01" "C\x00\x01P\x0B\x06" "fsBold"s},
        {"an unused value code", Record(Prop("\x0E"s))},
        {"a value code beyond the table", Record(Prop("\x7F"s))},
        {"an object name", "TPF0\x01" "C\x01" "X\x00\x00"s},
        {"a child object", "TPF0\x01" "C\x00\x00\x01"s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TRecordReader r(c.Bytes);
        EXPECT_THROW(r.Read(), EReadError);
    }
}

}  // namespace
}  // namespace gw::test
