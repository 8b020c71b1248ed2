// The XML writer against pugixml's own indented writer: the same bytes for every document the
// two agree on (up to 32 levels, no CR in text), so saved files stay as they were.
#include "platform/xml/xml_writer.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <random>
#include <string>

namespace gw {
namespace {

using detail::kMaxIndentLevels;

struct StringWriter : pugi::xml_writer {
    std::string out;
    void write(const void* data, size_t size) override { out.append(static_cast<const char*>(data), size); }
};

std::string PugiSaved(const pugi::xml_document& doc)
{
    StringWriter writer;
    doc.save(writer, "  ", pugi::format_indent | pugi::format_no_declaration, pugi::encoding_utf8);
    return writer.out;
}

std::string Written(const pugi::xml_node& node)
{
    std::string out;
    detail::WriteXml(node, out);
    return out;
}

// Random documents of every node kind, with the characters each kind treats specially.
class TRandomDocument {
public:
    explicit TRandomDocument(unsigned Seed) : m_random(Seed) {}

    void Fill(pugi::xml_document& Doc)
    {
        if (Chance(3)) {
            pugi::xml_node decl = Doc.append_child(pugi::node_declaration);
            decl.set_name("xml");
            decl.append_attribute("version") = "1.0";
        }
        if (Chance(3)) Doc.append_child(pugi::node_doctype).set_value("root [<!ENTITY e 'v'>]");
        if (Chance(3)) Doc.append_child(pugi::node_comment).set_value(Text().c_str());
        Element(Doc.append_child("root"), 1);
        if (Chance(2)) Doc.append_child(pugi::node_comment).set_value("SW_VERSION = 1.001");
    }

private:
    bool Chance(int OneIn) { return std::uniform_int_distribution<int>(0, OneIn - 1)(m_random) == 0; }

    std::string Text()
    {
        static const std::string pieces[] = {"a",  "text", " ",  "&",        "<",           ">", "\"",
                                             "'",  "\t",   "\n", "\x01",     "\x1f",        "-", "--",
                                             "?>", "]]>",  "]",  "\xc3\xa9", "\xe4\xb8\xad"};
        std::string text;
        const int n = std::uniform_int_distribution<int>(0, 6)(m_random);
        for (int i = 0; i < n; ++i)
            text += pieces[std::uniform_int_distribution<size_t>(0, std::size(pieces) - 1)(m_random)];
        return text;
    }

    void Element(pugi::xml_node Node, unsigned Depth)
    {
        const int attributes = std::uniform_int_distribution<int>(0, 3)(m_random);
        for (int i = 0; i < attributes; ++i) Node.append_attribute(("at" + std::to_string(i)).c_str()) = Text().c_str();
        const int children =
            Depth > kMaxIndentLevels ? 0 : std::uniform_int_distribution<int>(0, Depth < 4 ? 5 : 2)(m_random);
        for (int i = 0; i < children; ++i) {
            switch (std::uniform_int_distribution<int>(0, 6)(m_random)) {
            case 0: Node.append_child(pugi::node_pcdata).set_value(Text().c_str()); break;
            case 1: Node.append_child(pugi::node_cdata).set_value(Text().c_str()); break;
            case 2: Node.append_child(pugi::node_comment).set_value(Text().c_str()); break;
            case 3: {
                pugi::xml_node pi = Node.append_child(pugi::node_pi);
                pi.set_name("pi");
                // An empty value is left unset: pugixml tells the two apart, its public face not.
                if (const std::string value = Text(); !value.empty()) pi.set_value(value.c_str());
                break;
            }
            default: Element(Node.append_child(("e" + std::to_string(Depth)).c_str()), Depth + 1); break;
            }
        }
    }

    std::mt19937 m_random;
};

TEST(XmlWriter, WritesWhatPugixmlWritesForTheDocumentsBothTakeAlike)
{
    for (unsigned seed = 1; seed <= 400; ++seed) {
        pugi::xml_document doc;
        TRandomDocument(seed).Fill(doc);
        ASSERT_EQ(Written(doc), PugiSaved(doc)) << "seed " << seed;
    }
}

TEST(XmlWriter, AnEmptyDocumentIsEmptyAndANodeIsWrittenOnItsOwn)
{
    pugi::xml_document doc;
    EXPECT_EQ(Written(doc), "");
    pugi::xml_node a = doc.append_child("a");
    a.append_child("b").append_child(pugi::node_pcdata).set_value("x");
    EXPECT_EQ(Written(a), "<a>\n  <b>x</b>\n</a>\n");
}

TEST(XmlWriter, CarriageReturnsBecomeReferencesEverywhereTheyCanBe)
{
    pugi::xml_document doc;
    pugi::xml_node a = doc.append_child("a");
    a.append_attribute("v") = "1\r\n2";
    a.append_child(pugi::node_pcdata).set_value("x\r\ny\r");
    EXPECT_EQ(Written(doc), "<a v=\"1&#13;&#10;2\">x&#13;\ny&#13;</a>\n");
}

}  // namespace
}  // namespace gw
