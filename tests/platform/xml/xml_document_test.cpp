// Tests of the XML document: round trips, layout of saved files, reading rules and bad input.
#include "platform/xml/xml_document.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace gw::test {
namespace {

String P(const std::filesystem::path& path) { return Utf8ToString(path.string()); }

// The shape the parameter and table files have: root, version comment after it, values below.
void BuildParameterFile(TXMLDocument& doc)
{
    doc.Clear();
    TXMLNode root = doc.AddChild(u"Par_Gen");
    doc.AddComment(u"SW_VERSION = 1.001");
    root.AddChild(u"Ethernet_IP1").SetText(u"192");
    root.AddChild(u"Ethernet_EN_GAT").SetText(u" 1");
    root.AddChild(u"Blank_Only").SetText(u"   ");
    root.AddChild(u"Empty").SetText(u"");
    root.AddChild(u"Special").SetText(u"a<b & \"c\" 'd' > é 中 \U0001F600");
    TXMLNode table = root.AddChild(u"Table");
    TXMLNode row = table.AddChild(u"row");
    row.SetAttribute(u"Enable", u"Y");
    row.SetAttribute(u"IP_Address", u" 10.0.0.1 ");
    row.SetAttribute(u"Empty", u"");
    row.SetAttribute(u"Mnemonic", u"line1\nline2\ttab \"q\" <&> é");
}

String TextOf(const TXMLNode& parent, const char16_t* name)
{
    String text = u"<unread>";
    EXPECT_TRUE(parent.FindChild(name).TryGetText(text)) << StringToUtf8(name);
    return text;
}

String AttributeOf(const TXMLNode& node, const char16_t* name)
{
    String value = u"<unread>";
    EXPECT_TRUE(node.TryGetAttribute(name, value)) << StringToUtf8(name);
    return value;
}

TEST(XmlDocument, SavedFileReadsBackUnchanged)
{
    ScratchDir dir("xml-roundtrip");
    TXMLDocument doc;
    BuildParameterFile(doc);
    doc.SaveToFile(P(dir / "ParGen.xml"));

    TXMLDocument back;
    back.LoadFromFile(P(dir / "ParGen.xml"));
    TXMLNode root = back.FirstNode();
    ASSERT_EQ(root.NodeName(), u"Par_Gen");
    EXPECT_EQ(TextOf(root, u"Ethernet_IP1"), u"192");
    EXPECT_EQ(TextOf(root, u"Ethernet_EN_GAT"), u" 1");
    EXPECT_EQ(TextOf(root, u"Blank_Only"), u"   ");
    EXPECT_EQ(TextOf(root, u"Empty"), u"");
    EXPECT_EQ(TextOf(root, u"Special"), u"a<b & \"c\" 'd' > é 中 \U0001F600");

    TXMLNode row = root.FindChild(u"Table").Child(0);
    EXPECT_EQ(row.AttributeCount(), 4);
    EXPECT_EQ(AttributeOf(row, u"Enable"), u"Y");
    EXPECT_EQ(AttributeOf(row, u"IP_Address"), u" 10.0.0.1 ");
    EXPECT_EQ(AttributeOf(row, u"Empty"), u"");
    EXPECT_EQ(AttributeOf(row, u"Mnemonic"), u"line1\nline2\ttab \"q\" <&> é");

    // Saving what was read gives the same bytes: nothing drifts from one save to the next.
    EXPECT_EQ(back.SaveToUtf8(), doc.SaveToUtf8());
}

TEST(XmlDocument, SavedFileHasNoDeclarationAndRootFirst)
{
    TXMLDocument doc;
    BuildParameterFile(doc);
    std::string text = doc.SaveToUtf8();
    EXPECT_EQ(text.rfind("<Par_Gen>", 0), 0u) << text;  // no declaration, no byte-order mark
    EXPECT_NE(text.find("\n<!--SW_VERSION = 1.001-->"), std::string::npos) << text;
    EXPECT_EQ(doc.SaveToString(), Utf8ToString(text));
}

// An independent reader must see the root as the first node and the comment right after it.
TEST(XmlDocument, CommentFollowsRootForAnIndependentReader)
{
    ScratchDir dir("xml-minidom");
    TXMLDocument doc;
    BuildParameterFile(doc);
    auto file = dir / "ParGen.xml";
    doc.SaveToFile(P(file));

    const std::string out =
        test::pythonDom(file,
                        "k = [n for n in d.childNodes]; "
                        "print(len(k), k[0].nodeName, k[1].nodeType == k[1].COMMENT_NODE, repr(k[1].data), "
                        "k[0].getElementsByTagName('row')[0].getAttribute('Mnemonic') == "
                        "'line1\\nline2\\ttab \\\"q\\\" <&> \\u00e9')");
    EXPECT_EQ(out, "2 Par_Gen True 'SW_VERSION = 1.001' True\n");
}

TEST(XmlDocument, MissingFileFailsCleanly)
{
    ScratchDir dir("xml-missing");
    TXMLDocument doc;
    BuildParameterFile(doc);
    EXPECT_THROW(doc.LoadFromFile(P(dir / "absent.xml")), EFOpenError);
    EXPECT_TRUE(doc.IsEmpty());

    String error;
    EXPECT_FALSE(doc.TryLoadFromFile(P(dir / "absent.xml"), error));
    EXPECT_NE(error.find(u"absent.xml"), String::npos);
    EXPECT_THROW(doc.LoadFromFile(P(dir.path())), EFOpenError);  // a folder is not a file
}

TEST(XmlDocument, AFifoALinkToADeviceOrAFolderIsRefusedAtOnce)
{
    ScratchDir dir("xml-bad-inputs");
    for (const auto& file : makeBadInputFiles(dir.path())) {
        SCOPED_TRACE(file.filename().string());
        WithinSeconds(10, [&] {
            TXMLDocument doc;
            String error;
            EXPECT_FALSE(doc.TryLoadFromFile(P(file), error));
            EXPECT_EQ(error.rfind(u"Cannot open file \"" + P(file) + u"\". ", 0), 0u) << StringToUtf8(error);
        });
    }
}

struct MalformedCase {
    const char* name;
    std::string bytes;
    const char* where;  // position the message must name
};

TEST(XmlDocument, MalformedInputIsRefusedWithPosition)
{
    const std::vector<MalformedCase> cases = {
        {"empty", "", "line 1"},
        {"unclosed root", "<Conf_Settings>\n  <lastproj>", "line 2"},
        {"mismatched end", "<a>\n<b></c>\n</a>", "line 2"},
        {"bad attribute", "<a x=1/>", "line 1"},
        {"unterminated comment", "<a/><!-- never ends", "line 1"},
        {"loose text", "just words", nullptr},
        {"two roots", "<a/>\n<b/>", nullptr},
        {"declaration only", "<?xml version=\"1.0\"?>", nullptr},
        {"binary", std::string("\x00\x01\xff\xfe<\x00", 6), nullptr},
    };
    for (const auto& c : cases) {
        TXMLDocument doc;
        doc.AddChild(u"Old");
        try {
            doc.LoadFromBytes(c.bytes);
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const EXmlError& e) {
            if (c.where) {
                EXPECT_NE(std::string(e.what()).find(c.where), std::string::npos) << c.name << ": " << e.what();
            }
        }
        EXPECT_TRUE(doc.IsEmpty()) << c.name;
    }
}

TEST(XmlDocument, MalformedFileMessageNamesTheFile)
{
    ScratchDir dir("xml-malformed");
    writeBytes(dir / "bad.xml", "<Par_Gen><Ethernet_IP1>1</Par_Gen>");
    TXMLDocument doc;
    try {
        doc.LoadFromFile(P(dir / "bad.xml"));
        ADD_FAILURE() << "accepted";
    } catch (const EXmlError& e) {
        EXPECT_NE(std::string(e.what()).find("bad.xml"), std::string::npos) << e.what();
    }
}

// Every prefix of a real file is either a document or a clean failure, never a crash.
TEST(XmlDocument, TruncatedFilesNeverCrash)
{
    TXMLDocument source;
    BuildParameterFile(source);
    std::string text = "<?xml version=\"1.0\"?><!DOCTYPE x><?pi data?>" + source.SaveToUtf8();
    int loaded = 0;
    for (size_t n = 0; n <= text.size(); ++n) {
        TXMLDocument doc;
        try {
            doc.LoadFromBytes(std::string_view(text).substr(0, n));
            ++loaded;
        } catch (const EXmlError&) {
            EXPECT_TRUE(doc.IsEmpty());
        }
    }
    EXPECT_GE(loaded, 1);  // at least the whole text
}

// Hostile nesting must not exhaust the stack, neither when read nor when written back.
TEST(XmlDocument, DeepNestingIsHandled)
{
    const int depth = 200000;
    std::string text;
    for (int i = 0; i < depth; ++i) text += "<a>";
    std::string closed = text;
    for (int i = 0; i < depth; ++i) closed += "</a>";
    TXMLDocument doc;
    EXPECT_THROW(doc.LoadFromBytes(text), EXmlError);
    doc.LoadFromBytes(closed);
    int levels = 0;
    for (TXMLNode n = doc.FirstNode(); n; n = n.FirstChild()) ++levels;
    EXPECT_EQ(levels, depth);

    // Written back whole: the indentation stops growing, so the size grows with the depth alone.
    const std::string saved = doc.SaveToUtf8();
    const size_t perLevel = 2 * (2 * 32 + sizeof "</a>\n");
    EXPECT_LT(saved.size(), depth * perLevel);
    TXMLDocument back;
    back.LoadFromBytes(saved);
    levels = 0;
    for (TXMLNode n = back.FirstNode(); n; n = n.FirstChild()) ++levels;
    EXPECT_EQ(levels, depth);
}

TEST(XmlDocument, IndentationStopsGrowingAt32Levels)
{
    std::string text;
    for (int i = 0; i < 40; ++i) text += "<a" + std::to_string(i) + ">";
    text += "x";
    for (int i = 39; i >= 0; --i) text += "</a" + std::to_string(i) + ">";
    TXMLDocument doc;
    doc.LoadFromBytes(text);
    const std::string saved = doc.SaveToUtf8();
    for (const int level : {1, 31, 32, 33, 39}) {
        const std::string tag = "<a" + std::to_string(level) + ">";
        const size_t at = saved.find(tag);
        ASSERT_NE(at, std::string::npos) << tag;
        const size_t lineStart = saved.rfind('\n', at) + 1;
        EXPECT_EQ(at - lineStart, 2u * std::min(level, 32)) << tag;
    }
}

TEST(XmlDocument, ACarriageReturnInTextOrAttributeComesBack)
{
    ScratchDir dir("xml-cr");
    TXMLDocument doc;
    TXMLNode root = doc.AddChild(u"Par_Gen");
    root.AddChild(u"Note").SetText(u"a\r\nb\rc\n");
    root.SetAttribute(u"Title", u"x\r\ny\r");
    doc.SaveToFile(P(dir / "cr.xml"));
    EXPECT_EQ(readBytes(dir / "cr.xml").find('\r'), std::string::npos) << "written as references";
    TXMLDocument back;
    back.LoadFromFile(P(dir / "cr.xml"));
    EXPECT_EQ(TextOf(back.FirstNode(), u"Note"), u"a\r\nb\rc\n");
    EXPECT_EQ(AttributeOf(back.FirstNode(), u"Title"), u"x\r\ny\r");
    // An independent reader sees the same characters.
    EXPECT_EQ(pythonDom(dir / "cr.xml",
                        "r = d.documentElement; print(repr(r.getAttribute('Title')), "
                        "repr(r.getElementsByTagName('Note')[0].firstChild.data))"),
              "'x\\r\\ny\\r' 'a\\r\\nb\\rc\\n'\n");
}

TEST(XmlDocument, FirstNodeIsWhateverTheFileStartsWith)
{
    struct Case {
        const char* xml;
        TNodeType first;
        const char* firstName;
    };
    const Case cases[] = {
        {"<Conf_Settings><lastlang><language>Deutsch</language></lastlang></Conf_Settings>", ntElement,
         "Conf_Settings"},
        {"<?xml version=\"1.0\"?>\n<Conf_Settings/>", ntProcessingInstr, "xml"},
        {"<!-- note -->\n<Conf_Settings/>", ntComment, "#comment"},
        {"<?style x?><Conf_Settings/>", ntProcessingInstr, "style"},
        {"<!DOCTYPE Conf_Settings><Conf_Settings/>", ntDocType, "#doctype"},
    };
    for (const auto& c : cases) {
        TXMLDocument doc;
        doc.LoadFromBytes(c.xml);
        EXPECT_EQ(doc.FirstNode().NodeType(), c.first) << c.xml;
        EXPECT_EQ(StringToUtf8(doc.FirstNode().NodeName()), c.firstName) << c.xml;
        EXPECT_EQ(doc.DocumentElement().NodeName(), u"Conf_Settings") << c.xml;
    }
    // A reader that takes the first node as the root finds nothing below a leading comment.
    TXMLDocument doc;
    doc.LoadFromBytes("<!--x--><Conf_Settings><lastlang/></Conf_Settings>");
    EXPECT_TRUE(doc.FirstNode().FindChild(u"lastlang").IsNull());
}

TEST(XmlDocument, ElementTextOnlyWhenPlainText)
{
    struct Case {
        const char* xml;
        bool ok;
        const char16_t* text;
    };
    const Case cases[] = {
        {"<a>1</a>", true, u"1"},
        {"<a/>", true, u""},
        {"<a></a>", true, u""},
        {"<a> 1 </a>", true, u" 1 "},
        {"<a>x&amp;y&lt;&#233;</a>", true, u"x&y<é"},
        {"<a><![CDATA[x<y]]></a>", true, u"x<y"},
        {"<a>p<![CDATA[q]]>r</a>", true, u"pqr"},
        {"<a><b>1</b></a>", false, nullptr},
        {"<a>1<b/></a>", false, nullptr},
        {"<a>1<!--c--></a>", false, nullptr},
        {"<a><?pi x?></a>", false, nullptr},
    };
    for (const auto& c : cases) {
        TXMLDocument doc;
        doc.LoadFromBytes(c.xml);
        String text = u"kept";
        EXPECT_EQ(doc.FirstNode().TryGetText(text), c.ok) << c.xml;
        if (c.ok) {
            EXPECT_EQ(text, c.text) << c.xml;
            EXPECT_EQ(doc.FirstNode().Text(), c.text) << c.xml;
        } else {
            EXPECT_EQ(text, u"kept") << c.xml;
            EXPECT_THROW(doc.FirstNode().Text(), EXmlError) << c.xml;
        }
    }
    TXMLDocument doc;
    doc.LoadFromBytes("<a><!--SW--></a>");
    EXPECT_EQ(doc.FirstNode().FirstChild().Text(), u"SW");  // a comment's own text
}

TEST(XmlDocument, SetTextReplacesEverythingBelow)
{
    TXMLDocument doc;
    doc.LoadFromBytes("<a>1<b/><!--c--></a>");
    doc.FirstNode().SetText(u"new");
    EXPECT_EQ(doc.FirstNode().ChildCount(), 1);
    EXPECT_EQ(doc.FirstNode().Text(), u"new");
    doc.FirstNode().SetText(u"");
    EXPECT_EQ(doc.FirstNode().ChildCount(), 0);
    EXPECT_THROW(doc.FirstNode().FirstChild().SetText(u"x"), EXmlError);
}

TEST(XmlDocument, MissingAttributesAnswerFalse)
{
    TXMLDocument doc;
    doc.LoadFromBytes("<r><row Enable=\"N\" IP_Address=\"\"/><!--c--><row/></r>");
    TXMLNode row = doc.FirstNode().Child(0);
    String value = u"default";
    EXPECT_FALSE(row.TryGetAttribute(u"Mnemonic", value));
    EXPECT_FALSE(row.TryGetAttribute(u"enable", value));  // names are case-sensitive
    EXPECT_EQ(value, u"default");
    EXPECT_TRUE(row.TryGetAttribute(u"IP_Address", value));
    EXPECT_EQ(value, u"");
    EXPECT_FALSE(doc.FirstNode().Child(1).TryGetAttribute(u"Enable", value));  // a comment
    EXPECT_FALSE(doc.FirstNode().Child(2).HasAttribute(u"Enable"));
    EXPECT_FALSE(doc.FirstNode().Child(3).HasAttribute(u"Enable"));  // past the end: null

    row.SetAttribute(u"Enable", u"Y");  // overwrite keeps the place
    row.SetAttribute(u"Mnemonic", u"m");
    EXPECT_EQ(doc.SaveToUtf8().substr(0, 60).find("<row Enable=\"Y\" IP_Address=\"\" Mnemonic=\"m\" />"), 6u)
        << doc.SaveToUtf8();
    EXPECT_THROW(doc.FirstNode().Child(1).SetAttribute(u"x", u"1"), EXmlError);
}

TEST(XmlDocument, ChildrenByPositionIncludeEveryKind)
{
    TXMLDocument doc;
    doc.LoadFromBytes("<r>\n  <row n=\"0\"/>\n  <!--c-->\n  <row n=\"2\"/>\n  text\n</r>");
    TXMLNode root = doc.FirstNode();
    ASSERT_EQ(root.ChildCount(), 4);
    EXPECT_EQ(root.Child(0).NodeType(), ntElement);
    EXPECT_EQ(root.Child(1).NodeType(), ntComment);
    EXPECT_EQ(root.Child(2).NodeType(), ntElement);
    EXPECT_EQ(root.Child(3).NodeType(), ntText);
    EXPECT_TRUE(root.Child(4).IsNull());
    EXPECT_TRUE(root.Child(-1).IsNull());
    EXPECT_EQ(root.Child(2).Parent(), root);
    EXPECT_EQ(root.Child(0).NextSibling(), root.Child(1));
}

// Positional access remembers where it was; changes to the tree must never leave it stale.
TEST(XmlDocument, PositionalWalkStaysRightWhileTheTreeChanges)
{
    TXMLDocument doc;
    TXMLNode a = doc.AddChild(u"a");
    TXMLNode b = a.AddChild(u"b");
    for (int i = 0; i < 50; ++i) {
        a.AddChild(u"row").SetAttribute(u"n", Utf8ToString(std::to_string(i)));
        b.AddChild(u"row").SetAttribute(u"n", Utf8ToString(std::to_string(100 + i)));
    }
    for (int i = 0; i < 50; ++i) {  // interleaved walks of two parents
        EXPECT_EQ(a.Child(i + 1).Text(), u"");
        String n;
        ASSERT_TRUE(a.Child(i + 1).TryGetAttribute(u"n", n));
        EXPECT_EQ(n, Utf8ToString(std::to_string(i)));
        ASSERT_TRUE(b.Child(i).TryGetAttribute(u"n", n));
        EXPECT_EQ(n, Utf8ToString(std::to_string(100 + i)));
    }
    EXPECT_FALSE(b.Child(10).IsNull());
    b.SetText(u"gone");  // drops the rows of b, the remembered one among them
    EXPECT_TRUE(b.Child(10).IsNull());
    EXPECT_EQ(b.Child(0).NodeType(), ntText);
    doc.LoadFromBytes("<x><y/></x>");
    EXPECT_EQ(doc.FirstNode().Child(0).NodeName(), u"y");
    EXPECT_TRUE(doc.FirstNode().Child(10).IsNull());
}

TEST(XmlDocument, BuildingRefusesWhatWouldSpoilTheFile)
{
    TXMLDocument doc;
    TXMLNode root = doc.AddChild(u"Root");
    EXPECT_THROW(doc.AddChild(u"Second"), EXmlError);
    EXPECT_THROW(root.AddChild(u""), EXmlError);
    EXPECT_THROW(root.AddChild(u"two words"), EXmlError);
    EXPECT_THROW(root.AddChild(u"1st"), EXmlError);
    EXPECT_THROW(root.AddChild(u"a<b"), EXmlError);
    EXPECT_THROW(root.SetAttribute(u"a=b", u"x"), EXmlError);
    EXPECT_THROW(doc.AddComment(u"a -- b"), EXmlError);
    EXPECT_THROW(doc.AddComment(u"ends-"), EXmlError);
    EXPECT_NO_THROW(root.AddChild(u"Ethernet_IP1.x-y"));
    EXPECT_THROW(root.FirstChild().AddComment(u"x").AddChild(u"y"), EXmlError);
    doc.Clear();
    EXPECT_TRUE(doc.IsEmpty());
    EXPECT_NO_THROW(doc.AddChild(u"Root"));
}

// XML 1.0 has no way to hold a NUL or the other control characters but tab, LF and CR (not even
// as references: conforming readers refuse the file): a value holding one is refused with the
// character named and what the node held stays. Read back, old files' references still load.
TEST(XmlDocument, AValueXmlCannotHoldIsRefusedAndTheNodeKeepsItsValue)
{
    struct TCase {
        String Value;
        const char* Message;  // nullptr: stored
    };
    const std::vector<TCase> cases = {
        {String(u"Y\0tail", 6), "holds a NUL character"},
        {String(u"\0", 1), "holds a NUL character"},
        {u"Y\u0001", "holds the control character U+0001"},
        {u"a\u0008b", "holds the control character U+0008"},
        {u"\u000B", "holds the control character U+000B"},
        {u"\u001F end", "holds the control character U+001F"},
        {u"x\uFFFE", "holds the control character U+FFFE"},
        {u"\uFFFF", "holds the control character U+FFFF"},
        {u"tab\tLF\nCR\r", nullptr},
        {u" \u0020\u007F\uD7FF\uE000\uFFFD\U0001F600", nullptr},
    };
    auto attribute = [](const TXMLNode& Node, StringView Name) {
        String value = u"(none)";
        Node.TryGetAttribute(Name, value);
        return value;
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(StringToUtf8(c.Value));
        TXMLDocument doc;
        TXMLNode root = doc.AddChild(u"Root");
        root.SetAttribute(u"Enable", u"N");
        TXMLNode cell = root.AddChild(u"Cell");
        cell.SetText(u"old");
        if (!c.Message) {
            root.SetAttribute(u"Enable", c.Value);
            cell.SetText(c.Value);
            TXMLDocument back;
            back.LoadFromBytes(doc.SaveToUtf8());
            EXPECT_EQ(attribute(back.DocumentElement(), u"Enable"), c.Value);
            EXPECT_EQ(back.DocumentElement().FindChild(u"Cell").Text(), c.Value);
            continue;
        }
        for (const bool inAttribute : {true, false}) {
            try {
                if (inAttribute)
                    root.SetAttribute(u"Enable", c.Value);
                else
                    cell.SetText(c.Value);
                ADD_FAILURE() << "stored";
            } catch (const EXmlError& e) {
                const std::string message = StringToUtf8(e.Message());
                EXPECT_NE(message.find(c.Message), std::string::npos) << message;
                EXPECT_NE(message.find(inAttribute ? "attribute \"Enable\"" : "text"), std::string::npos) << message;
            }
        }
        EXPECT_THROW(root.SetAttribute(u"Other", c.Value), EXmlError);
        EXPECT_EQ(attribute(root, u"Enable"), u"N");
        EXPECT_FALSE(root.HasAttribute(u"Other"));
        EXPECT_EQ(cell.Text(), u"old");
    }
    // A file written earlier with a reference still reads.
    TXMLDocument old;
    old.LoadFromBytes("<Root Enable=\"Y&#1;\"/>");
    EXPECT_EQ(attribute(old.DocumentElement(), u"Enable"), String(u"Y\u0001"));
}

TEST(XmlDocument, NullNodeAnswersNothing)
{
    TXMLNode none;
    String text = u"kept";
    EXPECT_TRUE(none.IsNull());
    EXPECT_EQ(none.NodeType(), ntReserved);
    EXPECT_EQ(none.NodeName(), u"");
    EXPECT_EQ(none.ChildCount(), 0);
    EXPECT_TRUE(none.Child(0).IsNull());
    EXPECT_TRUE(none.FindChild(u"a").IsNull());
    EXPECT_TRUE(none.FindChild(u"a").FindChild(u"b").IsNull());
    EXPECT_FALSE(none.TryGetText(text));
    EXPECT_FALSE(none.TryGetAttribute(u"a", text));
    EXPECT_EQ(text, u"kept");
    EXPECT_THROW(none.Text(), EXmlError);
    EXPECT_THROW(none.AddChild(u"a"), EXmlError);
    TXMLDocument empty;
    EXPECT_TRUE(empty.FirstNode().IsNull());
    EXPECT_TRUE(empty.DocumentElement().IsNull());
    EXPECT_EQ(empty.SaveToUtf8(), "");
}

TEST(XmlDocument, OtherEncodingsAreRead)
{
    ScratchDir dir("xml-encodings");
    // UTF-16LE with a byte-order mark, as some editors save.
    std::string utf16 = "\xff\xfe";
    for (char c : std::string("<a>\xe9</a>")) {
        utf16 += c;
        utf16 += '\0';
    }
    writeBytes(dir / "utf16.xml", utf16);
    writeBytes(dir / "latin1.xml", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>\xe9</a>");
    writeBytes(dir / "bom8.xml", "\xef\xbb\xbf<a>\xc3\xa9</a>");
    for (const char* name : {"utf16.xml", "latin1.xml", "bom8.xml"}) {
        TXMLDocument doc;
        doc.LoadFromFile(P(dir / name));
        EXPECT_EQ(doc.DocumentElement().Text(), u"é") << name;
    }
    TXMLDocument doc;
    doc.LoadFromString(u"<a b=\"中\">\U0001F600</a>");
    EXPECT_EQ(doc.FirstNode().Text(), u"\U0001F600");
    EXPECT_EQ(doc.SaveToUtf8(), "<a b=\"\xe4\xb8\xad\">\xf0\x9f\x98\x80</a>\n");
}

TEST(XmlDocument, FailedSaveLeavesTheOldFile)
{
    ScratchDir dir("xml-save");
    TXMLDocument doc;
    BuildParameterFile(doc);
    EXPECT_THROW(doc.SaveToFile(P(dir / "no-such-folder" / "x.xml")), Exception);
    EXPECT_FALSE(std::filesystem::exists(dir / "no-such-folder"));

    auto file = dir / "ParGen.xml";
    writeBytes(file, "old");
    doc.SaveToFile(P(file));  // replaces
    EXPECT_EQ(readBytes(file), doc.SaveToUtf8());
}

}  // namespace
}  // namespace gw::test
