// Fuzz target: TStringList's Text, CommaText and DelimitedText readers and its stream load with
// encoding detection.
#include "fuzz/fuzz_support.h"

#include "platform/runtime/streams.h"
#include "platform/runtime/string_list.h"

namespace {

using namespace gw;
using gw::fuzz::Fail;

bool SameItems(const TStringList& a, const TStringList& b)
{
    if (a.Count() != b.Count()) return false;
    for (Integer i = 0; i < a.Count(); ++i)
        if (a.Get(i) != b.Get(i)) return false;
    return true;
}

// Whatever was read, writing it in the same form and reading that again gives the same items.
void CheckDelimited(StringView text, Char delimiter, Char quote, bool strict)
{
    TStringList list;
    list.Delimiter = delimiter;
    list.QuoteChar = quote;
    list.StrictDelimiter = strict;
    list.SetDelimitedText(text);
    TStringList again;
    again.Delimiter = delimiter;
    again.QuoteChar = quote;
    again.StrictDelimiter = strict;
    again.SetDelimitedText(list.DelimitedText());
    if (!SameItems(list, again)) Fail("DelimitedText does not read back");
}

void CheckText(StringView text)
{
    TStringList list;
    list.SetText(text);
    TStringList again;
    again.SetText(list.Text());
    if (!SameItems(list, again)) Fail("Text does not read back");
    list.SetCommaText(text);
    again.SetCommaText(list.CommaText());
    if (!SameItems(list, again)) Fail("CommaText does not read back");
    list.Values(u"a");
    list.IndexOfName(u"a");
    list.SetSorted(true);
}

void CheckStream(std::string_view bytes)
{
    TMemoryStream stream;
    stream.Write(bytes.data(), static_cast<Integer>(bytes.size()));
    stream.Seek(0, soBeginning);
    TStringList list;
    list.LoadFromStream(&stream);
    // Saving in the encoding it was loaded with and loading again gives the same items.
    TMemoryStream saved;
    list.SaveToStream(&saved);
    saved.Seek(0, soBeginning);
    TStringList again;
    again.LoadFromStream(&saved);
    if (!SameItems(list, again)) Fail("a loaded list does not save and load back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes = gw::fuzz::Bytes(data, size);
    const String text = gw::fuzz::FuzzText(bytes);
    CheckText(text);
    // Delimiter and quote from the first units (when they differ), the rest as the text.
    // (The program sets them to printable characters; a blank or control character as quote is
    // skipped as a blank, and as delimiter too when not strict.)
    if (text.size() >= 2 && text[0] != text[1] && text[1] > u' ') {
        const StringView rest = StringView(text).substr(2);
        if (text[0] > u' ') CheckDelimited(rest, text[0], text[1], false);
        CheckDelimited(rest, text[0], text[1], true);
    }
    CheckStream(bytes);
    return 0;
}
