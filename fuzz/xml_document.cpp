// Fuzz target: loading an XML document from arbitrary bytes, walking it as the readers do, and
// saving it again.
#include "fuzz/fuzz_support.h"

#include "platform/runtime/exceptions.h"
#include "platform/xml/xml_document.h"

namespace {

using namespace gw;
using gw::fuzz::Fail;

// Every query the readers make, on every node in document order (without recursion, so that
// a deeply nested document cannot exhaust the harness's stack); the budget keeps it linear.
void Walk(TXMLNode root)
{
    int budget = 100000;
    TXMLNode node = root.FirstChild();
    while (node && budget-- > 0) {
        node.NodeType();
        const String name = node.NodeName();
        String text;
        node.TryGetText(text);
        node.TryGetAttribute(u"name", text);
        node.AttributeCount();
        // (A name that is not valid UTF-8 reads with U+FFFD and cannot be looked up by it.)
        if (node.IsElement() && !name.empty() && name.find(u'\uFFFD') == String::npos &&
            node.Parent().FindChild(name).IsNull())
            Fail("FindChild misses an element that is there");
        if (TXMLNode child = node.FirstChild()) {
            if (child.Parent() != node) Fail("a child does not know its parent");
            node = child;
            continue;
        }
        while (node && node != root && !node.NextSibling()) node = node.Parent();
        if (!node || node == root) break;
        node = node.NextSibling();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TXMLDocument doc;
    try {
        doc.LoadFromBytes(gw::fuzz::Bytes(data, size));
    } catch (const EXmlError&) {
        if (!doc.IsEmpty()) Fail("a failed load left nodes behind");
        return 0;
    }
    Walk(doc.Node());
    doc.FirstNode();
    doc.DocumentElement().ChildCount();
    doc.DocumentElement().Child(3);
    // What was loaded saves, and the saved form loads again.
    const String saved = doc.SaveToString();
    TXMLDocument again;
    try {
        again.LoadFromString(saved);
    } catch (const EXmlError&) {
        Fail("a saved document does not load again");
    }
    return 0;
}
