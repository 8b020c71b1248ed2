// Cell text kinds, wide text, line breaks, CSV quotes and the HTML clipboard wrapper.
#include "grid/foundation/csv_utils.h"

#include "platform/runtime/strings.h"
#include "platform/runtime/unicode.h"

#include <cstdio>

namespace gw {

namespace {

constexpr Char CR = 13;
constexpr Char LF = 10;

String ReplaceAll(StringView Text, StringView From, StringView To)
{
    return StringReplace(Text, From, To, rfReplaceAll);
}

bool Contains(StringView Text, Char C) { return Text.find(C) != StringView::npos; }

}  // namespace

TCellTextKind ClassifyCellText(StringView Text, bool MarkupEnabled)
{
    const String s = String(Text) + u' ';
    if (s.size() < 2) return ctkPlain;
    if (s[0] == u'=') return ctkFormula;
    if (s[0] == u'|' && s[1] == u'\\') {
        if (s.size() > 4 && s[3] == u'=' && s[4] == 0) return ctkFormula;  // a wide-encoded formula
        return ctkWideEncoded;
    }
    if (s[0] == u'{' && s[1] == u'\\') return ctkRichText;
    if (!MarkupEnabled) return ctkPlain;
    for (StringView mark : {u"</", u"<B", u"<I", u"<C"})
        if (Text.find(mark) != StringView::npos) return ctkMarkup;
    return ctkPlain;
}

String EncodeWideCellText(StringView Text)
{
    String result = u"|\\";
    result.reserve(2 + 2 * Text.size());
    for (Char c : Text) {
        result += static_cast<Char>(c >> 8);
        result += static_cast<Char>(c & 0xFF);
    }
    return result;
}

String DecodeWideCellText(StringView Text)
{
    if (Text.substr(0, 2) != u"|\\") return String(Text);
    String result;
    for (size_t i = 2; i + 1 < Text.size(); i += 2)
        result += static_cast<Char>((Text[i] * 256u + Text[i + 1]) & 0xFFFFu);
    return result;
}

String EncodeCellLineBreaks(StringView Text)
{
    if (!Contains(Text, CR)) return String(Text);
    String result(Text);
    for (Char& c : result) {
        if (c == CR)
            c = 9;
        else if (c == LF)
            c = 8;
        else if (c == 0)
            c = 1;
    }
    return result;
}

void ExtractFirstLine(String& Source, bool KeepRest, String& Line)
{
    const size_t cr = Source.find(CR);
    if (cr == String::npos) {
        Line = Source;
        Source.clear();
        return;
    }
    Line = Source.substr(0, cr);
    size_t restStart = cr + 1;
    if (restStart < Source.size() && Source[restStart] == LF) ++restStart;
    if (KeepRest)
        Source.erase(0, restStart);
    else
        Source.clear();
}

String DecodeCellLineBreaks(StringView Text, bool MultiLine)
{
    if (!Contains(Text, 8)) return String(Text);
    String result(Text);
    for (Char& c : result) {
        if (c == 9)
            c = CR;
        else if (c == 8)
            c = LF;
        else if (c == 1)
            c = 0;
    }
    if (MultiLine) return result;
    String line;
    ExtractFirstLine(result, false, line);
    return line;
}

Integer CountLines(StringView Text, bool MultiLine)
{
    if (!MultiLine) return 1;
    return 1 + CountCharInText(CR, Text);
}

String LineBreaksToBR(StringView Text)
{
    if (!Contains(Text, CR)) return String(Text);
    return ReplaceAll(Text, u"\r", u"<br>");
}

String EscapeNewlines(StringView Text)
{
    String result;
    for (Char c : Text) {
        if (c == CR)
            result += u"\\n";
        else if (c != LF)
            result += c;
    }
    return result;
}

String UnescapeNewlines(StringView Text) { return ReplaceAll(Text, u"\\n", u"\r"); }

String LineBreaksToTilde(StringView Text)
{
    String result;
    for (Char c : Text) {
        if (c == CR)
            result += u'~';
        else if (c != LF)
            result += c;
    }
    return result;
}

String TildeToLineBreaks(StringView Text)
{
    const String result = ReplaceAll(Text, u"~", u"\r\n");
    return result == u"^" ? String() : result;
}

String RemoveCR(StringView Text) { return ReplaceAll(Text, u"\r", u""); }

String CRToLF(StringView Text)
{
    String result(Text);
    for (Char& c : result)
        if (c == CR) c = LF;
    return result;
}

void CRLFToLF(String& Text) { Text = ReplaceAll(Text, u"\r\n", u"\n"); }

String EscapeDoubleQuotes(StringView Text) { return ReplaceAll(Text, u"\"", u"\"\""); }

String CollapseDoubledChar(Char C, StringView Text)
{
    String result;
    result.reserve(Text.size());
    for (size_t i = 0; i < Text.size(); ++i) {
        result += Text[i];
        if (Text[i] == C && i + 1 < Text.size() && Text[i + 1] == C) ++i;
    }
    return result;
}

void QuoteMultiLineCsv(String& Text)
{
    const String inner = ReplaceAll(Text, u"\r\n", u"\x0B");
    Text.clear();
    Text.reserve(inner.size() + 2);
    Text += u'"';
    Text += inner;
    Text += u'"';
}

void UnquoteMultiLineCsv(String& Text)
{
    if (Contains(Text, 11)) Text = ReplaceAll(Text, u"\x0B", u"\r\n");
}

Integer FindUnpairedQuote(Char Quote, StringView Text, Integer& Position)
{
    const size_t n = Text.size();
    size_t run = 0;
    Integer result = 0;
    for (size_t i = 1; i <= n && result == 0; ++i) {
        if (Text[i - 1] == Quote) {
            if (i < n)
                ++run;
            else
                result = static_cast<Integer>(n);
        } else if (run % 2 == 1) {
            result = static_cast<Integer>(i - 1);
        } else {
            run = 0;
        }
    }
    Position = result;
    return result;
}

Integer CountUnpairedQuotes(Char Quote, StringView Text)
{
    Integer count = 0, at = 0;
    while (FindUnpairedQuote(Quote, Text, at) > 0) {
        ++count;
        Text.remove_prefix(static_cast<size_t>(at));
    }
    return count;
}

Integer CountCharInText(Char C, StringView Text)
{
    Integer count = 0;
    for (Char c : Text)
        if (c == C) ++count;
    return count;
}

namespace {

std::string HeaderLine(const char* Name, size_t Value)
{
    char line[48];
    std::snprintf(line, sizeof line, "%s%.8zu\r\n", Name, Value);
    return line;
}

}  // namespace

std::string WrapClipboardHtml(StringView Fragment)
{
    // The fragment is sent as UTF-8 and declared so; every offset is a byte offset of the final
    // bytes, as the format requires, so no character is lost and the receiver cuts exactly.
    static constexpr std::string_view kDocType = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">";
    static constexpr std::string_view kHead =
        "<html><head><META http-equiv=Content-Type content=\"text/html; charset=utf-8\"></head>"
        "<body><!--StartFragment-->";
    static constexpr std::string_view kTail = "<!--EndFragment--></body></html>";
    const std::string fragment = StringToUtf8(Fragment);
    // The header holds its own length; eight digits cover every fragment below 100 MB, and a
    // longer number only lengthens the header, which the second round takes into account.
    std::string result;
    size_t headerSize = 97;
    for (int round = 0; round < 3; ++round) {
        const size_t startFragment = headerSize + kDocType.size() + kHead.size();
        const size_t endFragment = startFragment + fragment.size();
        result = "Version:1.0\r\n";
        result += HeaderLine("StartHTML:", headerSize);
        result += HeaderLine("EndHTML:", endFragment + kTail.size());
        result += HeaderLine("StartFragment:", startFragment);
        result += HeaderLine("EndFragment:", endFragment);
        if (result.size() == headerSize) break;
        headerSize = result.size();
    }
    result += kDocType;
    result += kHead;
    result += fragment;
    result += kTail;
    return result;
}

}  // namespace gw
