// Highlight and error marks in cell texts.
#include "grid/model/cell_highlight.h"

#include "grid/foundation/markup_text.h"
#include "platform/runtime/strings.h"

namespace gw {

namespace {

constexpr StringView kPlainEntities[][2] = {{u"&lt;", u"<"}, {u"&gt;", u">"}, {u"&amp;", u"&"}, {u"&quot;", u"\""}};

// Each entity is read once, left to right: "&amp;quot;" becomes "&quot;", not a double quote
// (UnescapeMarkup replaces entity by entity and would go on to the quote).
String UnescapePlainEntities(StringView Text)
{
    String result;
    result.reserve(Text.size());
    for (size_t i = 0; i < Text.size();) {
        bool replaced = false;
        if (Text[i] == u'&') {
            for (const auto& [entity, character] : kPlainEntities) {
                if (Text.substr(i, entity.size()) != entity) continue;
                result += character;
                i += entity.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) result += Text[i++];
    }
    return result;
}

bool NeedsEscaping(StringView Text) { return Text.find_first_of(u"&\"<>") != StringView::npos; }

}  // namespace

StringView CellMarkTag(TCellMark Mark) { return Mark == TCellMark::Highlight ? u"hi" : u"e"; }

String HilightText(bool DoCase, StringView S, StringView Text)
{
    return HighlightInMarkup(S, Text, CellMarkTag(TCellMark::Highlight), DoCase);
}

String UnHilightText(StringView S) { return RemoveMarkupHighlight(S, CellMarkTag(TCellMark::Highlight)); }

String MarkText(bool DoCase, StringView S, StringView Text)
{
    return HighlightInMarkup(S, Text, CellMarkTag(TCellMark::Error), DoCase);
}

String UnMarkText(StringView S) { return RemoveMarkupHighlight(S, CellMarkTag(TCellMark::Error)); }

TCellMarker::TCellMarker(TCellMark Mark, StringView SearchText, bool CaseSensitive)
    : m_Mark(Mark), m_Search(EscapeMarkup(SearchText, false)), m_CaseSensitive(CaseSensitive)
{
}

bool TCellMarker::Apply(String& Text) const
{
    if (m_Search.empty()) return false;
    // Most cells hold nothing to escape: they are searched as they are, without a copy.
    String escaped;
    StringView plain = Text;
    if (NeedsEscaping(Text)) {
        escaped = EscapeMarkup(Text, false);
        plain = escaped;
    }
    // The escaped text has no brackets, so the highlight only inserts tag pairs: a longer text
    // is one that gained a pair.
    String marked = HighlightInMarkup(plain, m_Search, CellMarkTag(m_Mark), m_CaseSensitive);
    if (marked.size() == plain.size()) return false;
    Text = std::move(marked);
    return true;
}

bool RemoveCellMark(String& Text, TCellMark Mark)
{
    if (Text.find(u'<') == String::npos) return false;  // no tag at all: nothing to read
    const StringView tag = CellMarkTag(Mark);
    const String open = u"<" + String(tag) + u">";
    const String close = u"</" + String(tag) + u">";
    String stripped = StringReplace(Text, open, u"", rfReplaceAll | rfIgnoreCase);
    stripped = StringReplace(stripped, close, u"", rfReplaceAll | rfIgnoreCase);
    if (stripped.size() == Text.size()) return false;
    Text = UnescapePlainEntities(stripped);
    return true;
}

}  // namespace gw
