// Fuzz target: the language-file loader with its encoding detection, on arbitrary file bytes.
#include "fuzz/fuzz_support.h"

#include "core/text_table.h"

namespace {

using namespace gw;
using gw::fuzz::Fail;
using gw::fuzz::ScratchFolder;

// A plain loop outside the coverage instrumentation: run over all 2400 texts at every input,
// an instrumented search would take most of the time and guide the fuzzer nowhere.
__attribute__((no_sanitize("coverage"))) bool SpansLines(const String& text)
{
    for (const Char c : text)
        if (c == u'\r' || c == u'\n') return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static TTextTable table;
    ScratchFolder::Write(ScratchFolder::Path() / "Fuzz.lng", gw::fuzz::Bytes(data, size));
    String name = u"Fuzz";
    Load_Language(table, ScratchFolder::ToString(ScratchFolder::Path()), name);
    if (name != u"Fuzz") Fail("an existing language file was not taken");
    if (table.Count() != Text_Count) Fail("the table lost its size");
    for (Integer i = 0; i < table.Count(); ++i)
        if (SpansLines(table[i])) Fail("a text spans lines");
    return 0;
}
