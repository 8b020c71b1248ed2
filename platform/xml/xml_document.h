// A small XML document (over pugixml) with what the configuration and table files need.
#pragma once

#include "platform/runtime/types.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace pugi {
struct xml_node_struct;
class xml_document;
}  // namespace pugi

namespace gw {

// The kind of a node. The XML declaration is a processing instruction named "xml".
enum TNodeType {
    ntReserved,  // the null node
    ntElement,
    ntText,
    ntCData,
    ntProcessingInstr,
    ntComment,
    ntDocument,
    ntDocType
};

// True for a character an XML file can hold: tab, LF, CR and U+0020 on, but U+FFFE and U+FFFF
// (NUL and the other control characters it cannot carry, not even as references).
bool XmlCanStore(Char C);
bool XmlCanStore(StringView Text);

// A light, copyable handle on a node of a TXMLDocument; it does not own the node and is valid
// while the node is in its document (Clear and loading drop every node). A null handle
// (IsNull()) answers every query with "nothing": no name, no children, no text, no attributes.
class TXMLNode {
public:
    TXMLNode() = default;
    explicit TXMLNode(pugi::xml_node_struct* node) : m_node(node) {}

    bool IsNull() const { return m_node == nullptr; }
    explicit operator bool() const { return m_node != nullptr; }
    bool operator==(const TXMLNode& other) const { return m_node == other.m_node; }

    TNodeType NodeType() const;
    bool IsElement() const { return NodeType() == ntElement; }
    // Element or processing-instruction name; "#text", "#cdata-section", "#comment",
    // "#document" for the others; empty for the null node.
    String NodeName() const;

    // Navigation. Children are every child node whatever its kind (elements, comments, text,
    // processing instructions), in document order; white space between elements is not a node.
    TXMLNode Parent() const;
    TXMLNode FirstChild() const;
    TXMLNode NextSibling() const;
    int32_t ChildCount() const;
    // Child by 0-based position; null when out of range. Walking 0, 1, 2, ... is linear overall.
    TXMLNode Child(int32_t index) const;
    // First child element with exactly this name (case-sensitive); null when there is none.
    TXMLNode FindChild(StringView name) const;

    // The text of an element that holds plain text only (text and CDATA, or nothing = empty);
    // false when it holds anything else (elements, comments, processing instructions) or is
    // null. For a text, CDATA, comment or processing-instruction node: its value.
    bool TryGetText(String& text) const;
    // As TryGetText, raising EXmlError where it would answer false.
    String Text() const;
    // Replaces every child of the element with one text node (none for empty text). Text or a
    // value holding a character XML cannot store (NUL, a control character other than tab, LF
    // and CR, U+FFFE, U+FFFF) is refused with EXmlError naming it; the node keeps its value.
    void SetText(StringView text);

    // Attribute by exact name: false when the node is not an element or has no such attribute.
    bool TryGetAttribute(StringView name, String& value) const;
    bool HasAttribute(StringView name) const;
    // Sets (adding when missing, at the end) an attribute of an element; EXmlError otherwise.
    void SetAttribute(StringView name, StringView value);
    int32_t AttributeCount() const;

    // Appends a child element / comment to this element and returns it; EXmlError when this
    // node cannot hold children.
    TXMLNode AddChild(StringView name);
    TXMLNode AddComment(StringView text);

    pugi::xml_node_struct* Handle() const { return m_node; }

private:
    pugi::xml_node_struct* m_node = nullptr;
};

// The document. Loading keeps the declaration, comments, processing instructions and doctype;
// white space between elements is dropped. Saving writes no XML declaration, UTF-8 without a
// byte-order mark, indented by two blanks a level up to 32 levels (xml_writer.h); nodes are
// written in document order, so a root added first stays the document's first node. Text comes
// back as it was saved, a CR included.
class TXMLDocument {
public:
    TXMLDocument();
    ~TXMLDocument();
    TXMLDocument(const TXMLDocument&) = delete;
    TXMLDocument& operator=(const TXMLDocument&) = delete;

    // Replace the contents. A missing or unreadable file raises EFOpenError; input that is not
    // well-formed raises EXmlError whose message names the file (when any), the fault, line and
    // column. After any failure the document is empty.
    void LoadFromFile(const String& FileName);
    void LoadFromString(StringView xml);
    // UTF-8 (or any encoding pugixml detects from a byte-order mark or the declaration).
    void LoadFromBytes(std::string_view bytes);
    // As LoadFromFile, answering false with the message instead of raising.
    bool TryLoadFromFile(const String& FileName, String& Error);

    // Removes every node.
    void Clear();
    bool IsEmpty() const { return FirstNode().IsNull(); }

    // The document's first node whatever its kind (what the readers take as "the root").
    TXMLNode FirstNode() const;
    // The first element at document level; null when there is none.
    TXMLNode DocumentElement() const;
    // The document node itself: its children are the document-level nodes.
    TXMLNode Node() const;

    // Adds the root element; EXmlError when the document already has an element.
    TXMLNode AddChild(StringView name);
    // Appends a comment at document level (after the root when the root is already there).
    TXMLNode AddComment(StringView text);

    // Writes the document whole through the atomic writer (EFCreateError / EWriteError with the
    // old file untouched on failure).
    void SaveToFile(const String& FileName) const;
    String SaveToString() const;
    std::string SaveToUtf8() const;

private:
    std::unique_ptr<pugi::xml_document> m_doc;
};

}  // namespace gw
