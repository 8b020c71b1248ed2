// The XML writer: one walk over the tree that writes each node and its indentation.
#include "platform/xml/xml_writer.h"

#include <pugixml.hpp>

#include <algorithm>
#include <string_view>

namespace gw::detail {

namespace {

// What comes before the next node that is not text: a line break, indentation, both or none.
enum TLineFlags : unsigned { lfNewLine = 1, lfIndent = 2 };

class TXmlWriter {
public:
    explicit TXmlWriter(std::string& Out) : m_out(Out) {}
    void Write(const pugi::xml_node& Root);

private:
    void LineStart(unsigned Flags, unsigned Depth);
    // Writes the start tag; true when the element has children (the tag is left open).
    bool StartTag(const pugi::xml_node& Node);
    void EndTag(const pugi::xml_node& Node);
    void Attributes(const pugi::xml_node& Node);
    void Simple(const pugi::xml_node& Node);
    void Escaped(std::string_view Text, bool InAttribute);
    void CData(std::string_view Text);
    void Comment(std::string_view Text);
    void PIValue(std::string_view Text);
    void Name(const char* Name);

    std::string& m_out;
};

bool IsText(const pugi::xml_node& Node) { return Node.type() == pugi::node_pcdata || Node.type() == pugi::node_cdata; }

void TXmlWriter::Write(const pugi::xml_node& Root)
{
    unsigned flags = lfIndent;
    unsigned depth = 0;
    pugi::xml_node node = Root;
    do {
        if (IsText(node)) {
            Simple(node);
            flags = 0;
        } else {
            LineStart(flags, depth);
            flags = lfNewLine | lfIndent;
            if (node.type() == pugi::node_element) {
                if (StartTag(node)) {
                    node = node.first_child();
                    ++depth;
                    continue;
                }
            } else if (node.type() == pugi::node_document) {
                flags = lfIndent;
                if (node.first_child()) {
                    node = node.first_child();
                    continue;
                }
            } else {
                Simple(node);
            }
        }
        // On to the next sibling, closing every element left on the way up.
        while (node != Root) {
            if (node.next_sibling()) {
                node = node.next_sibling();
                break;
            }
            node = node.parent();
            if (node.type() == pugi::node_element) {
                --depth;
                LineStart(flags, depth);
                EndTag(node);
                flags = lfNewLine | lfIndent;
            }
        }
    } while (node != Root);
    if (flags & lfNewLine) m_out += '\n';
}

void TXmlWriter::LineStart(unsigned Flags, unsigned Depth)
{
    if (Flags & lfNewLine) m_out += '\n';
    if (Flags & lfIndent) m_out.append(2 * std::min(Depth, kMaxIndentLevels), ' ');
}

void TXmlWriter::Name(const char* Name) { m_out += *Name ? Name : ":anonymous"; }

bool TXmlWriter::StartTag(const pugi::xml_node& Node)
{
    m_out += '<';
    Name(Node.name());
    Attributes(Node);
    if (Node.first_child()) {
        m_out += '>';
        return true;
    }
    m_out += " />";
    return false;
}

void TXmlWriter::EndTag(const pugi::xml_node& Node)
{
    m_out += "</";
    Name(Node.name());
    m_out += '>';
}

void TXmlWriter::Attributes(const pugi::xml_node& Node)
{
    for (const pugi::xml_attribute& a : Node.attributes()) {
        m_out += ' ';
        Name(a.name());
        m_out += "=\"";
        Escaped(a.value(), true);
        m_out += '"';
    }
}

void TXmlWriter::Simple(const pugi::xml_node& Node)
{
    switch (Node.type()) {
    case pugi::node_pcdata: Escaped(Node.value(), false); break;
    case pugi::node_cdata: CData(Node.value()); break;
    case pugi::node_comment: Comment(Node.value()); break;
    case pugi::node_pi:
        m_out += "<?";
        Name(Node.name());
        if (*Node.value()) {
            m_out += ' ';
            PIValue(Node.value());
        }
        m_out += "?>";
        break;
    case pugi::node_declaration:
        m_out += "<?";
        Name(Node.name());
        Attributes(Node);
        m_out += "?>";
        break;
    case pugi::node_doctype:
        m_out += "<!DOCTYPE";
        if (*Node.value()) {
            m_out += ' ';
            m_out += Node.value();
        }
        m_out += '>';
        break;
    default: break;
    }
}

// In text, tab and LF stay as they are; in an attribute, where reading would turn them into
// blanks, they become references, as does CR everywhere.
bool IsSpecial(unsigned char C, bool InAttribute)
{
    if (C == '&' || C == '<') return true;
    if (C == '>') return !InAttribute;
    if (C == '"') return InAttribute;
    return C < 32 && (InAttribute || (C != '\t' && C != '\n'));
}

void TXmlWriter::Escaped(std::string_view Text, bool InAttribute)
{
    size_t run = 0;
    for (size_t i = 0; i < Text.size(); ++i) {
        const auto c = static_cast<unsigned char>(Text[i]);
        if (!IsSpecial(c, InAttribute)) continue;
        m_out.append(Text.substr(run, i - run));
        run = i + 1;
        switch (c) {
        case '&': m_out += "&amp;"; break;
        case '<': m_out += "&lt;"; break;
        case '>': m_out += "&gt;"; break;
        case '"': m_out += "&quot;"; break;
        default:
            m_out += "&#";
            m_out += static_cast<char>('0' + c / 10);
            m_out += static_cast<char>('0' + c % 10);
            m_out += ';';
        }
    }
    m_out.append(Text.substr(run));
}

// "]]>" would end the section: the "]]" closes one section and the ">" opens the next.
void TXmlWriter::CData(std::string_view Text)
{
    do {
        const size_t end = Text.find("]]>");
        const size_t take = end == std::string_view::npos ? Text.size() : end + 2;
        m_out += "<![CDATA[";
        m_out += Text.substr(0, take);
        m_out += "]]>";
        Text.remove_prefix(take);
    } while (!Text.empty());
}

// "--" may not occur in a comment, nor a "-" before its end: a blank follows such a dash.
void TXmlWriter::Comment(std::string_view Text)
{
    m_out += "<!--";
    for (size_t i = 0; i < Text.size(); ++i) {
        m_out += Text[i];
        if (Text[i] == '-' && (i + 1 == Text.size() || Text[i + 1] == '-')) m_out += ' ';
    }
    m_out += "-->";
}

// "?>" would end the instruction.
void TXmlWriter::PIValue(std::string_view Text)
{
    for (size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == '?' && i + 1 < Text.size() && Text[i + 1] == '>') {
            m_out += "? >";
            ++i;
        } else {
            m_out += Text[i];
        }
    }
}

}  // namespace

void WriteXml(const pugi::xml_node& Root, std::string& Out) { TXmlWriter(Out).Write(Root); }

}  // namespace gw::detail
