// Fuzz target: the mark-up text operations (plain text, entities, CONTROL elements, search
// highlighting) on arbitrary text. The input is the mark-up text, then (after a NUL byte) the
// search text or control ID.
#include "fuzz/fuzz_support.h"

#include "grid/foundation/markup_text.h"

namespace {

using namespace gw;
using gw::fuzz::Fail;

void CheckControls(StringView text, StringView id)
{
    ParseControlTag(text);
    HasControlTags(text);
    String value = u"unchanged";
    GetControlValue(text, id, value);
    GetControlProp(text, id);
    GetControlMaxLen(text, id);
    NextEditControlID(text, id);
    NextEditControlID(text, u"");
    String rewritten(text);
    if (!SetControlTagValue(rewritten, id, u"new & <value>") && rewritten != text)
        Fail("SetControlTagValue changed text it refused");
    ClearRadioControls(text);
}

// Whether the text holds "<hl>" or "</hl>" in any case.
bool HoldsTag(StringView text)
{
    String upper(text);
    for (Char& c : upper)
        if (c >= u'a' && c <= u'z') c = static_cast<Char>(c - 32);
    return upper.find(u"<HL>") != String::npos || upper.find(u"</HL>") != String::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view rest = gw::fuzz::Bytes(data, size);
    const String text = gw::fuzz::FuzzText(gw::fuzz::SplitAtNul(rest));
    const String search = gw::fuzz::FuzzText(rest);
    MarkupToPlainText(text);
    StripMarkupTags(text);
    for (const bool table : {false, true}) {
        UnescapeMarkup(text, table);
        EscapeMarkup(text, table);
    }
    SpacesToNbsp(text);
    CheckControls(text, search);
    // Highlighting and then removing the highlight gives the text back when the text held no
    // highlight tag of its own, no stray bracket (with one, the highlight marks the visible text
    // instead, by design) and no "&lt;" or "&gt;" (the removal turns those into brackets).
    const String highlighted = HighlightInMarkup(text, search, u"hl", false);
    HighlightInMarkup(text, search, u"B", true);
    const bool bracketEntities = text.find(u"&lt;") != String::npos || text.find(u"&gt;") != String::npos;
    if (!HoldsTag(text) && !bracketEntities && StripMarkupTags(text).find_first_of(u"<>") == String::npos &&
        RemoveMarkupHighlight(highlighted, u"hl") != text)
        Fail("removing the highlight does not give the text back");
    return 0;
}
