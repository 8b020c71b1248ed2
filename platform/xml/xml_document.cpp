// The XML document over pugixml: loading with clean failures, the DOM operations, atomic saving.
#include "platform/xml/xml_document.h"

#include "platform/runtime/atomic_file.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/files.h"
#include "platform/runtime/unicode.h"
#include "platform/xml/xml_writer.h"

#include <pugixml.hpp>

#include <algorithm>
#include <atomic>

namespace gw {

namespace {

// Comments, processing instructions, the declaration and the doctype are kept so that the first
// node of a document is what the file really starts with. A blank-only value that is the only
// child of its element is kept too: it is data, not indentation.
constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments |
    pugi::parse_pi | pugi::parse_doctype | pugi::parse_ws_pcdata_single;

// Positional access remembers the last child it found so that walking 0, 1, 2 ... is linear.
// Every structural change moves the generation on, which makes a remembered child stale.
std::atomic<uint64_t> g_generation{1};

struct ChildCursor {
    pugi::xml_node_struct* parent = nullptr;
    int32_t index = -1;
    pugi::xml_node_struct* child = nullptr;
    uint64_t generation = 0;
};
thread_local ChildCursor t_cursor;

void Touch() { g_generation.fetch_add(1, std::memory_order_relaxed); }

pugi::xml_node Wrap(pugi::xml_node_struct* node) { return pugi::xml_node(node); }

std::string Utf8(StringView text) { return StringToUtf8(text); }

bool IsNameStart(char c)
{
    auto u = static_cast<unsigned char>(c);
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || u >= 0x80;
}

bool IsNameChar(char c) { return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.'; }

// Element and attribute names go out verbatim, so a bad one would make the file unreadable.
std::string CheckedName(StringView name, const char* what)
{
    std::string utf8 = Utf8(name);
    bool ok = !utf8.empty() && IsNameStart(utf8.front());
    for (char c : utf8) ok = ok && IsNameChar(c);
    if (!ok) throw EXmlError(S(std::string("Invalid ") + what + " name \"" + utf8 + "\""));
    return utf8;
}

bool CanHoldChildren(pugi::xml_node node)
{
    return node.type() == pugi::node_element || node.type() == pugi::node_document;
}

int DocumentElementCount(pugi::xml_node document)
{
    int elements = 0;
    for (pugi::xml_node n = document.first_child(); n; n = n.next_sibling())
        if (n.type() == pugi::node_element) ++elements;
    return elements;
}

// 1-based line and column of a byte offset, for error messages.
std::string Position(std::string_view bytes, ptrdiff_t offset)
{
    size_t end = offset < 0 ? 0 : std::min(bytes.size(), static_cast<size_t>(offset));
    size_t line = 1, column = 1;
    for (size_t i = 0; i < end; ++i) {
        if (bytes[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(bytes[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// pugixml tolerates a second root, which XML forbids; such a file is not one this system wrote,
// so it is refused like any other malformed file. (Loose text beside the root it drops.)
const char* DocumentLevelFault(pugi::xml_node document)
{
    if (DocumentElementCount(document) > 1) return "Only one top level element is allowed";
    return nullptr;
}

}  // namespace

// ---- TXMLNode --------------------------------------------------------------------------------

TNodeType TXMLNode::NodeType() const
{
    switch (Wrap(m_node).type()) {
    case pugi::node_element: return ntElement;
    case pugi::node_pcdata: return ntText;
    case pugi::node_cdata: return ntCData;
    case pugi::node_comment: return ntComment;
    case pugi::node_pi:
    case pugi::node_declaration: return ntProcessingInstr;
    case pugi::node_document: return ntDocument;
    case pugi::node_doctype: return ntDocType;
    default: return ntReserved;
    }
}

String TXMLNode::NodeName() const
{
    switch (NodeType()) {
    case ntElement:
    case ntProcessingInstr: return Utf8ToString(Wrap(m_node).name());
    case ntText: return u"#text";
    case ntCData: return u"#cdata-section";
    case ntComment: return u"#comment";
    case ntDocument: return u"#document";
    case ntDocType: return u"#doctype";
    default: return String();
    }
}

TXMLNode TXMLNode::Parent() const { return TXMLNode(Wrap(m_node).parent().internal_object()); }

TXMLNode TXMLNode::FirstChild() const { return TXMLNode(Wrap(m_node).first_child().internal_object()); }

TXMLNode TXMLNode::NextSibling() const { return TXMLNode(Wrap(m_node).next_sibling().internal_object()); }

int32_t TXMLNode::ChildCount() const
{
    int32_t count = 0;
    for (pugi::xml_node n = Wrap(m_node).first_child(); n; n = n.next_sibling()) ++count;
    return count;
}

TXMLNode TXMLNode::Child(int32_t index) const
{
    if (m_node == nullptr || index < 0) return TXMLNode();
    uint64_t generation = g_generation.load(std::memory_order_relaxed);
    pugi::xml_node node = Wrap(m_node).first_child();
    int32_t at = 0;
    ChildCursor& cursor = t_cursor;
    if (cursor.parent == m_node && cursor.generation == generation && cursor.index <= index &&
        cursor.child != nullptr) {
        node = Wrap(cursor.child);
        at = cursor.index;
    }
    for (; node && at < index; ++at) node = node.next_sibling();
    if (!node) return TXMLNode();
    cursor = ChildCursor{m_node, index, node.internal_object(), generation};
    return TXMLNode(node.internal_object());
}

TXMLNode TXMLNode::FindChild(StringView name) const
{
    if (m_node == nullptr) return TXMLNode();
    std::string utf8 = Utf8(name);
    for (pugi::xml_node n = Wrap(m_node).first_child(); n; n = n.next_sibling())
        if (n.type() == pugi::node_element && utf8 == n.name()) return TXMLNode(n.internal_object());
    return TXMLNode();
}

bool TXMLNode::TryGetText(String& text) const
{
    pugi::xml_node node = Wrap(m_node);
    switch (node.type()) {
    case pugi::node_pcdata:
    case pugi::node_cdata:
    case pugi::node_comment:
    case pugi::node_pi:
    case pugi::node_doctype: text = Utf8ToString(node.value()); return true;
    case pugi::node_element: break;
    default: return false;
    }
    std::string joined;
    for (pugi::xml_node n = node.first_child(); n; n = n.next_sibling()) {
        if (n.type() != pugi::node_pcdata && n.type() != pugi::node_cdata) return false;
        joined += n.value();
    }
    text = Utf8ToString(joined);
    return true;
}

String TXMLNode::Text() const
{
    String text;
    if (!TryGetText(text)) {
        if (m_node == nullptr) throw EXmlError(u"No node to read text from");
        throw EXmlError(u"Element \"" + NodeName() + u"\" does not hold plain text");
    }
    return text;
}

bool XmlCanStore(Char C)
{
    if (C < 0x20) return C == u'\t' || C == u'\n' || C == u'\r';
    return C != 0xFFFE && C != 0xFFFF;
}

bool XmlCanStore(StringView Text)
{
    return std::all_of(Text.begin(), Text.end(), [](Char C) { return XmlCanStore(C); });
}

namespace {

// A typed cell never holds the characters XML cannot carry (the editors take no control
// characters); they come only with pasted or loaded text. Written as references they would make
// a file that conforming readers (xmllint, a peer's parser) refuse whole, so the value is refused
// with the character named, the document unchanged, and the caller shows why nothing was saved.
void CheckStorable(StringView value, const String& what)
{
    const auto bad = std::find_if_not(value.begin(), value.end(), [](Char C) { return XmlCanStore(C); });
    if (bad == value.end()) return;
    if (*bad == 0) throw EXmlError(u"The " + what + u" holds a NUL character, which an XML file cannot store");
    throw EXmlError(u"The " + what + u" holds the control character U+" + IntToHex(Integer(*bad), 4) +
                    u", which an XML file cannot store");
}

}  // namespace

void TXMLNode::SetText(StringView text)
{
    pugi::xml_node node = Wrap(m_node);
    if (node.type() != pugi::node_element) throw EXmlError(u"Only an element can hold text");
    CheckStorable(text, u"text");
    Touch();
    node.remove_children();
    if (!text.empty()) node.append_child(pugi::node_pcdata).set_value(Utf8(text).c_str());
}

bool TXMLNode::TryGetAttribute(StringView name, String& value) const
{
    pugi::xml_node node = Wrap(m_node);
    if (node.type() != pugi::node_element) return false;
    pugi::xml_attribute attribute = node.attribute(Utf8(name).c_str());
    if (!attribute) return false;
    value = Utf8ToString(attribute.value());
    return true;
}

bool TXMLNode::HasAttribute(StringView name) const
{
    String ignored;
    return TryGetAttribute(name, ignored);
}

void TXMLNode::SetAttribute(StringView name, StringView value)
{
    pugi::xml_node node = Wrap(m_node);
    if (node.type() != pugi::node_element) throw EXmlError(u"Only an element has attributes");
    std::string key = CheckedName(name, "attribute");
    CheckStorable(value, u"attribute \"" + String(name) + u"\"");
    pugi::xml_attribute attribute = node.attribute(key.c_str());
    if (!attribute) attribute = node.append_attribute(key.c_str());
    attribute.set_value(Utf8(value).c_str());
}

int32_t TXMLNode::AttributeCount() const
{
    int32_t count = 0;
    for (pugi::xml_attribute a = Wrap(m_node).first_attribute(); a; a = a.next_attribute()) ++count;
    return count;
}

TXMLNode TXMLNode::AddChild(StringView name)
{
    pugi::xml_node node = Wrap(m_node);
    if (!CanHoldChildren(node)) throw EXmlError(u"This node cannot hold child elements");
    std::string key = CheckedName(name, "element");
    if (node.type() == pugi::node_document && DocumentElementCount(node) > 0)
        throw EXmlError(u"Only one top level element is allowed");
    Touch();
    return TXMLNode(node.append_child(key.c_str()).internal_object());
}

TXMLNode TXMLNode::AddComment(StringView text)
{
    pugi::xml_node node = Wrap(m_node);
    if (!CanHoldChildren(node)) throw EXmlError(u"This node cannot hold a comment");
    std::string utf8 = Utf8(text);
    // "--" inside a comment, or a final "-", would end it early and spoil the whole file.
    if (utf8.find("--") != std::string::npos || (!utf8.empty() && utf8.back() == '-'))
        throw EXmlError(u"A comment cannot contain \"--\" or end with \"-\"");
    Touch();
    pugi::xml_node comment = node.append_child(pugi::node_comment);
    comment.set_value(utf8.c_str());
    return TXMLNode(comment.internal_object());
}

// ---- TXMLDocument ----------------------------------------------------------------------------

TXMLDocument::TXMLDocument() : m_doc(std::make_unique<pugi::xml_document>()) {}

TXMLDocument::~TXMLDocument() { Touch(); }

void TXMLDocument::Clear()
{
    Touch();
    m_doc->reset();
}

namespace {

void Parse(pugi::xml_document& doc, std::string_view bytes, pugi::xml_encoding encoding, const std::string& source)
{
    Touch();
    doc.reset();
    pugi::xml_parse_result result = doc.load_buffer(bytes.data(), bytes.size(), kParseOptions, encoding);
    std::string fault;
    if (!result) {
        fault = std::string(result.description()) + " at " + Position(bytes, result.offset);
    } else if (const char* level = DocumentLevelFault(doc)) {
        fault = level;
    }
    if (fault.empty()) return;
    doc.reset();
    std::string prefix = source.empty() ? std::string() : "\"" + source + "\": ";
    throw EXmlError(Utf8ToString(prefix + fault));
}

}  // namespace

void TXMLDocument::LoadFromFile(const String& FileName)
{
    Touch();
    m_doc->reset();
    const std::string bytes = FileToBytes(FileName);
    Parse(*m_doc, bytes, pugi::encoding_auto, StringToUtf8(FileName));
}

void TXMLDocument::LoadFromString(StringView xml) { Parse(*m_doc, Utf8(xml), pugi::encoding_utf8, std::string()); }

void TXMLDocument::LoadFromBytes(std::string_view bytes) { Parse(*m_doc, bytes, pugi::encoding_auto, std::string()); }

bool TXMLDocument::TryLoadFromFile(const String& FileName, String& Error)
{
    try {
        LoadFromFile(FileName);
        Error.clear();
        return true;
    } catch (const Exception& e) {
        Error = e.Message();
        return false;
    }
}

TXMLNode TXMLDocument::FirstNode() const { return TXMLNode(m_doc->first_child().internal_object()); }

TXMLNode TXMLDocument::DocumentElement() const { return TXMLNode(m_doc->document_element().internal_object()); }

TXMLNode TXMLDocument::Node() const { return TXMLNode(m_doc->internal_object()); }

TXMLNode TXMLDocument::AddChild(StringView name) { return Node().AddChild(name); }

TXMLNode TXMLDocument::AddComment(StringView text) { return Node().AddComment(text); }

std::string TXMLDocument::SaveToUtf8() const
{
    std::string out;
    detail::WriteXml(*m_doc, out);
    return out;
}

String TXMLDocument::SaveToString() const { return Utf8ToString(SaveToUtf8()); }

void TXMLDocument::SaveToFile(const String& FileName) const { WriteFileAtomic(FileName, SaveToUtf8()); }

}  // namespace gw
