// Conversions of cell text where it leaves or enters the grid (files, CSV, HTML clipboard).
//
// Cell text kinds, the wide-text encoding, line-break escapes, CSV quoting and the CF_HTML
// wrapper.
#pragma once

#include "platform/runtime/types.h"

#include <string>

namespace gw {

// What ClassifyCellText tells a cell text to be (4 is never produced).
enum TCellTextKind : Integer {
    ctkPlain = 0,
    ctkMarkup = 1,
    ctkRichText = 2,
    ctkFormula = 3,
    ctkWideEncoded = 5,
};

TCellTextKind ClassifyCellText(StringView Text, bool MarkupEnabled);

// "|\" and then each UTF-16 unit as two units holding its high and its low byte.
String EncodeWideCellText(StringView Text);
// The reverse for a text that starts with "|\" (an odd last unit is ignored); any other text is
// returned unchanged.
String DecodeWideCellText(StringView Text);

// Native text files: CR -> #9, LF -> #8, #0 -> #1, only for texts holding a CR.
String EncodeCellLineBreaks(StringView Text);
// The reverse, only for texts holding #8; without MultiLine only the first line is kept.
String DecodeCellLineBreaks(StringView Text, bool MultiLine);
// Line = the text before the first CR (all of Source without one); that text, the CR and one LF
// after it leave Source, which keeps the rest only when KeepRest.
void ExtractFirstLine(String& Source, bool KeepRest, String& Line);
Integer CountLines(StringView Text, bool MultiLine);
String LineBreaksToBR(StringView Text);
String EscapeNewlines(StringView Text);
String UnescapeNewlines(StringView Text);
String LineBreaksToTilde(StringView Text);
String TildeToLineBreaks(StringView Text);
String RemoveCR(StringView Text);
String CRToLF(StringView Text);
void CRLFToLF(String& Text);

String EscapeDoubleQuotes(StringView Text);
// Each pair of C becomes one; a single one stays.
String CollapseDoubledChar(Char C, StringView Text);
// CR LF -> #11 and the whole text wrapped in double quotes.
void QuoteMultiLineCsv(String& Text);
// #11 -> CR LF; the quotes stay.
void UnquoteMultiLineCsv(String& Text);
// Where a quoted field ends: the last quote of the first odd run of quotes that is followed by
// another unit, or a quote in the last position; 0 when none. Position always receives it.
Integer FindUnpairedQuote(Char Quote, StringView Text, Integer& Position);
Integer CountUnpairedQuotes(Char Quote, StringView Text);
Integer CountCharInText(Char C, StringView Text);

// The bytes of the "HTML Format" clipboard entry for an HTML fragment: the CF_HTML header, a
// document declared as UTF-8 around the fragment, offsets counted in bytes of that encoding.
std::string WrapClipboardHtml(StringView Fragment);

}  // namespace gw
