// Fuzz target: the parameter window's and the image builder's readers of ParGen.xml, on
// arbitrary file bytes, and the window's save of what it read.
#include "fuzz/fuzz_support.h"

#include "core/par_gen_file.h"
#include "platform/runtime/exceptions.h"
#include "platform/xml/xml_document.h"

namespace {

using namespace gw;
using gw::fuzz::Fail;
using gw::fuzz::ScratchFolder;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const String file = ScratchFolder::File("ParGen.xml");
    ScratchFolder::Write(ScratchFolder::Path() / "ParGen.xml", gw::fuzz::Bytes(data, size));
    TXMLDocument doc;
    TParGenTexts texts;
    try {
        texts = Read_ParGen_Window(doc, file);
    } catch (const EXmlError&) {
        // Not well-formed: the documented refusal, and the image builder refuses the same way.
        try {
            Read_ParGen_Image(doc, file);
        } catch (const EXmlError&) {
            return 0;
        }
        Fail("the image builder read a file the window refused");
    }
    const TParGenNumbers numbers = Read_ParGen_Image(doc, file);
    for (int i = 0; i < ParGen_Count; ++i) {
        const TParGenElement& element = ParGen_Elements()[i];
        const Integer limit = element.Kind == pkOctet ? 0xFF : element.Kind == pkPort ? 0xFFFF : 1;
        if (numbers[i] < 0 || numbers[i] > limit) Fail("an image value outside its field");
    }
    String value;
    Read_ParGen_Key(doc, file, ParGen_PROFINET_NAME_STA, value);
    // OK in the window writes what it shows; reading that back shows the same.
    const String saved = ScratchFolder::File("ParGen-saved.xml");
    try {
        Write_ParGen(doc, saved, texts);
    } catch (const EXmlError&) {
        // Only a value read from a reference to a character XML cannot hold is refused.
        for (const String& t : texts)
            if (!XmlCanStore(t)) return 0;
        Fail("the save refused values an XML file can hold");
    }
    const TParGenTexts again = Read_ParGen_Window(doc, saved);
    for (int i = 0; i < ParGen_Count; ++i)
        if (texts[i] != again[i]) Fail("the window's values do not survive a save");
    return 0;
}
