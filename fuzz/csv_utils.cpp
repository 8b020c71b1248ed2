// Fuzz target: the CSV, line-break and wide-text helpers that convert cell text leaving or
// entering the grid, on arbitrary text.
#include "fuzz/fuzz_support.h"

#include "grid/foundation/csv_utils.h"
#include "platform/runtime/unicode.h"

#include <string>

namespace {

using namespace gw;
using gw::fuzz::Fail;

size_t HeaderNumber(const std::string& html, const std::string& key)
{
    const size_t at = html.find(key);
    if (at == std::string::npos) Fail("a clipboard header line is missing");
    return std::stoul(html.substr(at + key.size(), 10));
}

// The clipboard offsets cut out exactly the fragment and the whole document.
void CheckClipboard(StringView text)
{
    const std::string html = WrapClipboardHtml(text);
    const size_t start = HeaderNumber(html, "StartFragment:");
    const size_t end = HeaderNumber(html, "EndFragment:");
    if (start > end || end > html.size() || html.substr(start, end - start) != StringToUtf8(text))
        Fail("the clipboard fragment offsets do not cut the fragment");
    if (HeaderNumber(html, "EndHTML:") != html.size() ||
        html.compare(HeaderNumber(html, "StartHTML:"), 9, "<!DOCTYPE") != 0)
        Fail("the clipboard document offsets are wrong");
}

void CheckLineBreaks(StringView text)
{
    DecodeCellLineBreaks(EncodeCellLineBreaks(text), true);
    DecodeCellLineBreaks(text, false);
    DecodeCellLineBreaks(text, true);
    String source(text);
    String line;
    ExtractFirstLine(source, true, line);
    if (line.size() + source.size() > text.size()) Fail("ExtractFirstLine made text");
    source = String(text);
    ExtractFirstLine(source, false, line);
    CountLines(text, true);
    CountLines(text, false);
    LineBreaksToBR(text);
    UnescapeNewlines(EscapeNewlines(text));
    TildeToLineBreaks(LineBreaksToTilde(text));
    RemoveCR(text);
    CRToLF(text);
    String crlf(text);
    CRLFToLF(crlf);
}

void CheckQuotes(StringView text)
{
    EscapeDoubleQuotes(text);
    if (!text.empty()) CollapseDoubledChar(text[0], text);
    String quoted(text);
    QuoteMultiLineCsv(quoted);
    UnquoteMultiLineCsv(quoted);
    Integer position = -7;
    const Integer found = FindUnpairedQuote(u'"', text, position);
    if (found < 0 || found > static_cast<Integer>(text.size())) Fail("FindUnpairedQuote outside the text");
    if (CountUnpairedQuotes(u'"', text) < 0 || CountCharInText(u'"', text) < 0) Fail("a negative count");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const String text = gw::fuzz::FuzzText(gw::fuzz::Bytes(data, size));
    ClassifyCellText(text, true);
    ClassifyCellText(text, false);
    if (DecodeWideCellText(EncodeWideCellText(text)) != text) Fail("wide cell text does not decode back");
    DecodeWideCellText(text);
    CheckLineBreaks(text);
    CheckQuotes(text);
    CheckClipboard(text);
    return 0;
}
