// TStringList: comma and delimited text, sorting with duplicates, names and values, text and
// line breaks, change events, and reading and writing files in their encodings.
#include "platform/runtime/string_list.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/streams.h"
#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace gw {
namespace {

using Items = std::vector<String>;

Items ItemsOf(const TStrings& list)
{
    Items items;
    for (Integer i = 0; i < list.Count(); ++i) items.push_back(list.Get(i));
    return items;
}

void Fill(TStrings& list, const Items& items)
{
    list.Clear();
    for (const auto& s : items) list.Add(s);
}

String Path(const std::filesystem::path& p) { return Utf8ToString(p.string()); }

TEST(StringList, CommaTextRoundTripsQuotesBlanksAndEmptyItems)
{
    struct Case {
        Items items;
        String text;
    };
    const Case cases[] = {
        {{u"a", u"b c", u"", u"d\"e", u" lead"}, u"a,\"b c\",,\"d\"\"e\",\" lead\""},
        {{u""}, u"\"\""},
        {{}, u""},
        {{u"a", u""}, u"a,"},
        {{u"", u""}, u","},
        {{u"", u"x"}, u",x"},
        {{u"x,y", u"tab\there"}, u"\"x,y\",\"tab\there\""},
        {{u"Grüße", u"\"\""}, u"Grüße,\"\"\"\"\"\""},
    };
    for (const auto& c : cases) {
        TStringList list;
        Fill(list, c.items);
        EXPECT_EQ(list.CommaText(), c.text);
        TStringList back;
        back.SetCommaText(c.text);
        EXPECT_EQ(ItemsOf(back), c.items) << StringToUtf8(c.text);
    }
}

TEST(StringList, CommaTextReadingSplitsAtBlanksUnlessQuoted)
{
    struct Case {
        String text;
        Items items;
    };
    const Case cases[] = {
        {u"a b,c", {u"a", u"b", u"c"}}, {u"  \"a b\" ,  c  ", {u"a b", u"c"}}, {u"a,,b", {u"a", u"", u"b"}},
        {u"\"open", {u"open"}},         {u"\"a\"b,c", {u"a", u"b", u"c"}},     {u"   ", {}},
    };
    for (const auto& c : cases) {
        TStringList list;
        list.SetCommaText(c.text);
        EXPECT_EQ(ItemsOf(list), c.items) << StringToUtf8(c.text);
    }
}

TEST(StringList, DelimitedTextFollowsDelimiterQuoteCharAndStrictDelimiter)
{
    TStringList list;
    list.Delimiter = u';';
    list.QuoteChar = u'\'';
    list.SetDelimitedText(u"a b;c");
    EXPECT_EQ(ItemsOf(list), (Items{u"a", u"b", u"c"}));

    list.StrictDelimiter = true;
    list.SetDelimitedText(u"a b; c ;'d;e'");
    EXPECT_EQ(ItemsOf(list), (Items{u"a b", u" c ", u"d;e"}));

    const Items items{u"a b", u"c;d", u"e'f", u" ", u""};
    Fill(list, items);
    EXPECT_EQ(list.DelimitedText(), u"a b;'c;d';'e''f'; ;");
    TStringList back;
    back.Delimiter = u';';
    back.QuoteChar = u'\'';
    back.StrictDelimiter = true;
    back.SetDelimitedText(list.DelimitedText());
    EXPECT_EQ(ItemsOf(back), items);
    // CommaText ignores Delimiter and QuoteChar and leaves them as they were.
    EXPECT_EQ(list.CommaText(), u"a b,c;d,e'f, ,");
    EXPECT_EQ(list.Delimiter, u';');
}

TEST(StringList, SortedListsHonourDuplicatesAndCase)
{
    TStringList list;
    list.SetSorted(true);
    for (const char16_t* s : {u"pear", u"Apple", u"fig", u"apple"}) list.Add(s);
    EXPECT_EQ(ItemsOf(list), (Items{u"Apple", u"fig", u"pear"})) << "dupIgnore drops apple";
    EXPECT_EQ(list.Add(u"FIG"), 1);

    list.Duplicates = dupError;
    try {
        list.Add(u"PEAR");
        FAIL();
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), u"String list does not allow duplicates");
    }

    list.Duplicates = dupAccept;
    list.Add(u"fig");
    EXPECT_EQ(ItemsOf(list), (Items{u"Apple", u"fig", u"fig", u"pear"}));

    list.SetCaseSensitive(true);
    list.Duplicates = dupIgnore;
    list.Add(u"apple");
    EXPECT_EQ(list.Count(), 5);
    EXPECT_EQ(list.IndexOf(u"APPLE"), -1);

    Integer index = -1;
    EXPECT_TRUE(list.Find(u"fig", index));
    EXPECT_EQ(index, list.IndexOf(u"fig"));
    EXPECT_FALSE(list.Find(u"kiwi", index));
    EXPECT_EQ(list.Get(index - 1), u"fig") << "insertion point";
    EXPECT_EQ(list.Get(index), u"pear");
}

TEST(StringList, PositionalEditsOfASortedListAreRefusedAndChangeNothing)
{
    TStringList list;
    list.SetCommaText(u"c,a,b");
    list.SetSorted(true);
    const Items before = ItemsOf(list);
    EXPECT_EQ(before, (Items{u"a", u"b", u"c"}));
    const std::function<void()> ops[] = {
        [&] { list.Insert(0, u"z"); },
        [&] { list.Put(0, u"z"); },
        [&] { list.Move(0, 2); },
    };
    for (const auto& op : ops) {
        try {
            op();
            ADD_FAILURE() << "no error";
        } catch (const EStringListError& e) {
            EXPECT_EQ(e.Message(), u"Operation not allowed on sorted list");
        }
        EXPECT_EQ(ItemsOf(list), before);
    }
}

TEST(StringList, IndexErrorsNameThePosition)
{
    TStringList list;
    list.Add(u"a");
    const std::function<void()> ops[] = {
        [&] { list.Get(1); },
        [&] { list.Delete(-1); },
        [&] { list.Insert(2, u"x"); },
        [&] { list.Exchange(0, 1); },
        [&] { list.SetObjects(1, nullptr); },
    };
    const char16_t* messages[] = {u"List index out of bounds (1)", u"List index out of bounds (-1)",
                                  u"List index out of bounds (2)", u"List index out of bounds (1)",
                                  u"List index out of bounds (1)"};
    for (size_t i = 0; i < std::size(ops); ++i) {
        try {
            ops[i]();
            ADD_FAILURE() << i;
        } catch (const EStringListError& e) {
            EXPECT_EQ(e.Message(), messages[i]);
        }
    }
}

TEST(StringList, NamesAndValues)
{
    TStringList list;
    list.SetText(u"Port=502\r\nHost = a=b\r\nplain\r\n");
    EXPECT_EQ(list.Names(0), u"Port");
    EXPECT_EQ(list.Names(1), u"Host ");
    EXPECT_EQ(list.Names(2), u"");
    EXPECT_EQ(list.Values(u"port"), u"502");
    EXPECT_EQ(list.Values(u"Host "), u" a=b");
    EXPECT_EQ(list.ValueFromIndex(2), u"");
    EXPECT_EQ(list.Values(u"missing"), u"");
    EXPECT_EQ(list.IndexOfName(u"PORT"), 0);

    list.SetValues(u"Port", u"503");
    list.SetValues(u"Timeout", u"10");
    EXPECT_EQ(ItemsOf(list), (Items{u"Port=503", u"Host = a=b", u"plain", u"Timeout=10"}));
    list.SetValues(u"port", u"");
    EXPECT_EQ(list.IndexOfName(u"Port"), -1);
    list.SetValueFromIndex(0, u"x");
    EXPECT_EQ(list.Get(0), u"Host =x");

    list.NameValueSeparator = u':';
    list.Add(u"Key:Value");
    EXPECT_EQ(list.Values(u"key"), u"Value");
}

TEST(StringList, TextUsesLineBreakAndReadsEveryLineEnd)
{
    struct Case {
        String text;
        Items items;
    };
    const Case cases[] = {
        {u"a\r\nb\nc\rd", {u"a", u"b", u"c", u"d"}},
        {u"a\r\n", {u"a"}},
        {u"a\r\n\r\n", {u"a", u""}},
        {u"\n", {u""}},
        {u"", {}},
    };
    TStringList list;
    for (const auto& c : cases) {
        list.SetText(c.text);
        EXPECT_EQ(ItemsOf(list), c.items) << StringToUtf8(c.text);
    }
    list.SetText(u"x\ny");
    EXPECT_EQ(list.Text(), u"x\r\ny\r\n");
    list.LineBreak = u"|";
    EXPECT_EQ(list.Text(), u"x|y|");
    list.SetText(u"1|2\n3|");
    EXPECT_EQ(ItemsOf(list), (Items{u"1", u"2\n3"}));
}

TEST(StringList, ACutUtf16FileEndsInAReplacementCharacterHoweverItIsLoaded)
{
    test::ScratchDir dir("string_list_cut_utf16");
    const auto file = dir / "cut.txt";
    test::writeBytes(file, std::string("\xFF\xFEO\0K\0!", 7));
    TStringList detected;
    detected.LoadFromFile(Path(file));
    TStringList given;
    given.LoadFromFile(Path(file), TTextEncoding::Utf16LE);
    EXPECT_EQ(ItemsOf(detected), (Items{u"OK\uFFFD"}));
    EXPECT_EQ(ItemsOf(given), ItemsOf(detected));

    test::writeBytes(file, std::string("O\0K\0!", 5));
    given.LoadFromFile(Path(file), TTextEncoding::Utf16LE);
    EXPECT_EQ(ItemsOf(given), (Items{u"OK\uFFFD"})) << "no mark: the given encoding";
}

TEST(StringList, ChangeEventsAreHeldBackDuringAnUpdate)
{
    TStringList list;
    int changing = 0;
    int changed = 0;
    list.OnChanging = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &list);
        ++changing;
    };
    list.OnChange = [&](TObject*) { ++changed; };
    list.Add(u"a");
    list.Add(u"b");
    EXPECT_EQ(changed, 2);
    list.BeginUpdate();
    list.SetCommaText(u"x,y,z");
    list.Delete(0);
    EXPECT_EQ(changed, 2);
    list.EndUpdate();
    EXPECT_EQ(changing, 3);
    EXPECT_EQ(changed, 3);
}

TEST(StringList, ObjectsTravelWithTheirTextsThroughSortsAndAssign)
{
    TObject one;
    TObject two;
    TStringList list;
    list.AddObject(u"b", &two);
    list.AddObject(u"a", &one);
    list.Sort();
    EXPECT_EQ(list.Objects(0), &one);
    EXPECT_EQ(list.IndexOfObject(&two), 1);

    list.Add(u"ccc");
    list.Add(u"dd");
    list.CustomSort([](TStringList* l, Integer a, Integer b) {
        return static_cast<Integer>(l->Get(b).size()) - static_cast<Integer>(l->Get(a).size());
    });
    EXPECT_EQ(ItemsOf(list), (Items{u"ccc", u"dd", u"a", u"b"})) << "stable: a before b";

    TStringList copy;
    copy.Assign(&list);
    EXPECT_TRUE(copy.Equals(&list));
    EXPECT_EQ(copy.Objects(2), &one);
    copy.Assign(&copy);
    EXPECT_EQ(copy.Count(), 4);
    TComponent other(nullptr);
    EXPECT_THROW(copy.Assign(&other), EConvertError);
}

TEST(StringList, LoadFromFileDetectsTheEncodingAndSaveKeepsIt)
{
    const Items expected{u"Grüße €", u"Zeile 2"};
    struct Case {
        const char* file;
        TTextEncoding encoding;
        bool bom;
    };
    const Case cases[] = {
        {"string_list_utf8_bom.txt", TTextEncoding::Utf8, true},
        {"string_list_utf8.txt", TTextEncoding::Utf8, false},
        {"string_list_ansi.txt", TTextEncoding::Ansi, false},
        {"string_list_utf16le.txt", TTextEncoding::Utf16LE, true},
        {"string_list_utf16be.txt", TTextEncoding::Utf16BE, true},
    };
    test::ScratchDir dir("string_list_files");
    for (const auto& c : cases) {
        TStringList list;
        list.LoadFromFile(Path(test::fixture(c.file)));
        EXPECT_EQ(ItemsOf(list), expected) << c.file;
        EXPECT_EQ(list.Encoding(), c.encoding) << c.file;
        EXPECT_EQ(list.HadBOM(), c.bom) << c.file;
        const auto copy = dir / c.file;
        list.SaveToFile(Path(copy));
        EXPECT_EQ(test::readBytes(copy), test::readBytes(test::fixture(c.file))) << c.file;
    }
}

TEST(StringList, AGivenEncodingAppliesWhenThereIsNoByteOrderMark)
{
    TStringList list;
    list.LoadFromFile(Path(test::fixture("string_list_utf8.txt")), TTextEncoding::Ansi);
    EXPECT_EQ(list.Get(0), u"GrÃ¼ÃŸe â‚¬") << "valid UTF-8 read as ANSI when asked to";
    list.LoadFromFile(Path(test::fixture("string_list_utf16le.txt")), TTextEncoding::Ansi);
    EXPECT_EQ(list.Get(0), u"Grüße €") << "the mark decides";
    EXPECT_EQ(list.Encoding(), TTextEncoding::Utf16LE);
}

TEST(StringList, NewListsAreSavedWithoutLosingCharacters)
{
    test::ScratchDir dir("string_list_new");
    TStringList list;
    list.Add(u"Grüße €");
    list.SaveToFile(Path(dir / "ansi.txt"));
    EXPECT_EQ(test::readBytes(dir / "ansi.txt"),
              "Gr\xFC\xDF"
              "e \x80\r\n");
    list.Add(u"日本");
    list.SaveToFile(Path(dir / "wide.txt"));
    EXPECT_EQ(test::readBytes(dir / "wide.txt"),
              "\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F"
              "e \xE2\x82\xAC\r\n\xE6\x97\xA5\xE6\x9C\xAC\r\n");
    TStringList back;
    back.LoadFromFile(Path(dir / "wide.txt"));
    EXPECT_TRUE(back.Equals(&list));

    list.SaveToFile(Path(dir / "le.txt"), TTextEncoding::Utf16LE, false);
    EXPECT_EQ(test::readBytes(dir / "le.txt").substr(0, 4), std::string("G\0r\0", 4));
}

TEST(StringList, StreamsAndMissingFiles)
{
    TMemoryStream stream;
    stream.WriteBuffer(std::string_view("skip|one\r\ntwo"));
    stream.SetPosition(5);
    TStringList list;
    list.LoadFromStream(&stream);
    EXPECT_EQ(ItemsOf(list), (Items{u"one", u"two"}));

    TMemoryStream out;
    list.SaveToStream(&out, TTextEncoding::Utf8, true);
    EXPECT_EQ(out.Bytes(), "\xEF\xBB\xBFone\r\ntwo\r\n");

    test::ScratchDir dir("string_list_missing");
    const String missing = Path(dir / "none.txt");
    try {
        list.LoadFromFile(missing);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), u"Cannot open file \"" + missing + u"\". No such file or directory");
    }
    EXPECT_EQ(list.Count(), 2) << "a failed load keeps the list";
}

}  // namespace
}  // namespace gw

namespace gw {
namespace {

// A list of texts whose insertions can be made to fail, as a list with limited room would; it
// records when updating starts and ends.
class TFailingStrings : public TStrings {
public:
    Integer Count() const override { return static_cast<Integer>(m_items.size()); }
    String Get(Integer Index) const override
    {
        CheckIndex(Index);
        return m_items[static_cast<size_t>(Index)];
    }
    void Clear() override { m_items.clear(); }
    void Delete(Integer Index) override
    {
        CheckIndex(Index);
        m_items.erase(m_items.begin() + Index);
    }
    void Insert(Integer Index, const String& S) override
    {
        if (FailInserts) throw EStringListError(u"No room");
        m_items.insert(m_items.begin() + Index, S);
    }

    bool FailInserts = false;
    std::vector<bool> UpdateStates;

protected:
    void SetUpdateState(bool Updating) override { UpdateStates.push_back(Updating); }

private:
    std::vector<String> m_items;
};

TEST(StringList, AFailedExchangeOrMoveEndsItsUpdate)
{
    const std::pair<const char*, std::function<void(TStrings&)>> operations[] = {
        {"Exchange", [](TStrings& l) { l.Exchange(0, 2); }},
        {"Move", [](TStrings& l) { l.Move(0, 2); }},
        {"Put", [](TStrings& l) { l.Put(1, u"x"); }},
        {"CommaText", [](TStrings& l) { l.SetCommaText(u"x,y"); }},
    };
    for (const auto& [name, operation] : operations) {
        SCOPED_TRACE(name);
        TFailingStrings list;
        list.SetCommaText(u"a,b,c");
        list.UpdateStates.clear();
        list.FailInserts = true;
        EXPECT_THROW(operation(list), EStringListError);
        EXPECT_EQ(list.UpdateCount(), 0);
        EXPECT_EQ(list.UpdateStates, (std::vector<bool>{true, false})) << "the update ended once";
    }
}

TEST(StringList, ChangesAreReportedAgainAfterAFailedUpdate)
{
    // A sorted list refuses Put inside the base class's Exchange; the owner must still hear of
    // the next change.
    class TSortedView : public TStringList {
    public:
        void Exchange(Integer Index1, Integer Index2) override { TStrings::Exchange(Index1, Index2); }
    };
    TSortedView list;
    list.SetCommaText(u"b,a");
    list.SetSorted(true);
    int changed = 0;
    list.OnChange = [&](TObject*) { ++changed; };
    EXPECT_THROW(list.Exchange(0, 1), EStringListError);
    EXPECT_EQ(changed, 1) << "the end of the failed update is a change";
    list.Add(u"c");
    EXPECT_EQ(changed, 2);
}

}  // namespace
}  // namespace gw
