// Plain text, entities, CONTROL attributes and highlight tags of mark-up text.
#include "grid/foundation/markup_text.h"

#include "grid/foundation/markup_language.h"
#include "grid/foundation/text_utils.h"
#include "platform/runtime/strings.h"

#include <functional>
#include <initializer_list>
#include <vector>

namespace gw {

namespace {

String ReplaceAll(StringView Text, StringView From, StringView To)
{
    return StringReplace(Text, From, To, rfReplaceAll);
}

String Cat(std::initializer_list<StringView> Parts)
{
    String result;
    for (StringView part : Parts) result += part;
    return result;
}

}  // namespace

String MarkupToPlainText(StringView Text)
{
    String s = StringReplace(Text, u"<BR>", u"\r\n", rfReplaceAll | rfIgnoreCase);
    s = StringReplace(s, u"<HR>", u"\r\n", rfReplaceAll | rfIgnoreCase);
    String result;
    size_t from = 0;
    while (from < s.size()) {
        const size_t open = s.find(u'<', from);
        const size_t close = open == String::npos ? String::npos : s.find(u'>', open);
        if (close == String::npos) {
            result.append(s, from);
            break;
        }
        result.append(s, from, open - from);
        from = close + 1;
    }
    return result;
}

String StripMarkupTags(StringView Text)
{
    String result;
    while (true) {
        const size_t open = Text.find(u'<');
        const size_t close = Text.find(u'>');
        if (open == StringView::npos || close == StringView::npos || close < open) {
            result.append(Text);
            return result;
        }
        result.append(Text.substr(0, open));
        Text.remove_prefix(close + 1);
    }
}

String UnescapeMarkup(StringView Text, bool UseTable)
{
    if (Text.find(u'&') == StringView::npos) return String(Text);  // every entity starts with it
    String s = ReplaceAll(Text, u"&lt;", u"<");
    s = ReplaceAll(s, u"&gt;", u">");
    s = ReplaceAll(s, u"&amp;", u"&");
    s = ReplaceAll(s, u"&quot;", u"\"");
    if (UseTable)
        for (const TMarkupEntity& e : MarkupConversionEntities())
            s = ReplaceAll(s, e.Name, StringView(&e.Character, 1));
    return s;
}

String EscapeMarkup(StringView Text, bool UseTable)
{
    // One pass for "&": the inserted entities are never looked at again, and nothing the user
    // wrote is mistaken for a marker.
    String s = ReplaceAll(Text, u"&", u"&amp;");
    s = ReplaceAll(s, u"\"", u"&quot;");
    s = ReplaceAll(s, u"<", u"&lt;");
    s = ReplaceAll(s, u">", u"&gt;");
    if (UseTable)
        for (const TMarkupEntity& e : MarkupConversionEntities())
            s = ReplaceAll(s, StringView(&e.Character, 1), e.Name);
    return s;
}

String SpacesToNbsp(StringView Text) { return ReplaceAll(Text, u" ", u"&nbsp;"); }

namespace {

String AttributeValue(StringView AttributeText, StringView UpperText, StringView Name)
{
    String value;
    GetMarkupAttribute(AttributeText, UpperText, Name, value);
    return value;
}

struct TControlElement {
    size_t Less = 0;  // index of the element's "<"
    size_t End = 0;  // index after its first ">" (the text's end when there is none)
    TControlTag Tag;
};

// Calls Visit for each CONTROL element in order until it returns false. An element ends at the
// first ">" after its "<", quoted values included, so a value holding "<" stays inside it; one
// left without any ">" ends before the next "<". The search goes on after the element and
// remembers when no ">" is left, so the walk reads the text once.
void ForEachControl(StringView Text, const std::function<bool(const TControlElement&)>& Visit)
{
    const String upper = UpperCaseKeepLength(Text);
    size_t from = 0;
    bool greaterLeft = true;
    while (true) {
        const size_t at = upper.find(u"<CONTROL ", from);
        if (at == String::npos) return;
        TControlElement element;
        element.Less = at;
        const size_t greater = greaterLeft ? Text.find(u'>', at + 1) : StringView::npos;
        greaterLeft = greater != StringView::npos;
        if (greaterLeft) {
            element.End = greater + 1;
        } else {
            const size_t next = Text.find(u'<', at + 1);
            element.End = next == StringView::npos ? Text.size() : next;
        }
        element.Tag = ParseControlTag(Text.substr(at + 1, element.End - at - 1));
        if (!Visit(element)) return;
        from = element.End;
    }
}

bool FindControl(StringView Text, StringView ID, TControlElement& Found)
{
    bool found = false;
    ForEachControl(Text, [&](const TControlElement& e) {
        if (e.Tag.ID != ID) return true;
        Found = e;
        found = true;
        return false;
    });
    return found;
}

String Quoted(StringView Value) { return Cat({u"\"", Value, u"\""}); }

}  // namespace

TControlTag ParseControlTag(StringView AttributeText)
{
    const String upper = UpperCaseKeepLength(AttributeText);
    TControlTag tag;
    tag.Type = UpperCaseKeepLength(AttributeValue(AttributeText, upper, u"TYPE="));
    tag.Width = AttributeValue(AttributeText, upper, u"WIDTH=");
    tag.Height = AttributeValue(AttributeText, upper, u"HEIGHT=");
    tag.ID = AttributeValue(AttributeText, upper, u"ID=");
    tag.Value = UnescapeMarkup(AttributeValue(AttributeText, upper, u"VALUE="), true);
    tag.Prop = UnescapeMarkup(AttributeValue(AttributeText, upper, u"PROP="), true);
    tag.MaxLen = AttributeValue(AttributeText, upper, u"MAXLEN=");
    return tag;
}

bool HasControlTags(StringView Text) { return Pos(u"<CONTROL", UpperCaseKeepLength(Text)) > 0; }

bool GetControlValue(StringView Text, StringView ID, String& Value)
{
    TControlElement e;
    if (!FindControl(Text, ID, e)) return false;
    Value = e.Tag.Value;
    return true;
}

String GetControlProp(StringView Text, StringView ID)
{
    TControlElement e;
    return FindControl(Text, ID, e) ? e.Tag.Prop : String();
}

Integer GetControlMaxLen(StringView Text, StringView ID)
{
    TControlElement e;
    return FindControl(Text, ID, e) ? MarkupNumber(e.Tag.MaxLen) : 0;
}

String NextEditControlID(StringView Text, StringView ID)
{
    bool passed = ID.empty();
    String result;
    ForEachControl(Text, [&](const TControlElement& e) {
        const String& type = e.Tag.Type;
        if (passed && type != u"BUTTON" && type != u"CHECK" && type != u"RADIO") {
            result = e.Tag.ID;
            return false;
        }
        if (e.Tag.ID == ID) passed = true;
        return true;
    });
    return result;
}

namespace {

// The element written anew with Value: "CONTROL" and the attributes in their fixed order and
// upper-case names, up to and including ">" (the "<" before it stays in the text).
String RewrittenControl(const TControlTag& Tag, StringView Value)
{
    String element = Cat({u"CONTROL ID=", Quoted(Tag.ID), u" VALUE=", Quoted(EscapeMarkup(Value, true)), u" WIDTH=",
                          Quoted(Tag.Width), u" TYPE=", Quoted(Tag.Type)});
    if (!Tag.Prop.empty()) element += Cat({u" PROP=", Quoted(EscapeMarkup(Tag.Prop, true))});
    if (!Tag.MaxLen.empty()) element += Cat({u" MAXLEN=", Quoted(Tag.MaxLen)});
    if (!Tag.Height.empty()) element += Cat({u" HEIGHT=", Quoted(Tag.Height)});
    element += u">";
    return element;
}

}  // namespace

bool SetControlTagValue(String& Text, StringView ID, StringView Value)
{
    TControlElement e;
    if (!FindControl(Text, ID, e)) return false;
    Text = Text.substr(0, e.Less + 1) + RewrittenControl(e.Tag, Value) + Text.substr(e.End);
    return true;
}

// Each RADIO element is rewritten where it stands, in one walk: rewriting by ID, one search per
// element, took seconds on long texts.
String ClearRadioControls(StringView Text)
{
    String result;
    size_t copied = 0;
    ForEachControl(Text, [&](const TControlElement& e) {
        if (e.Tag.Type != u"RADIO") return true;
        result.append(Text.substr(copied, e.Less + 1 - copied));
        result += RewrittenControl(e.Tag, u"FALSE");
        copied = e.End;
        return true;
    });
    result.append(Text.substr(copied));
    return result;
}

namespace {

struct THit {
    size_t Start;  // visible units before the hit
    size_t End;  // visible units up to its end
};

// Inserts the tag pair around each hit, counted in visible units (outside tags). A tag goes
// right after the visible unit it follows, before any tag there, except that tags after the
// last visible unit go at the very end; a hit touching the previous one opens after that one's
// closing tag. One walk over the text, however many hits.
String InsertHighlightTags(StringView Text, const std::vector<THit>& Hits, StringView Open, StringView Close)
{
    size_t total = 0;
    bool inTag = false;
    for (Char c : Text) {
        if (inTag)
            inTag = c != u'>';
        else if (c == u'<')
            inTag = true;
        else
            ++total;
    }
    String result;
    result.reserve(Text.size() + Hits.size() * (Open.size() + Close.size()));
    size_t opened = 0, closed = 0;
    auto tagsAt = [&](size_t boundary) {
        while (closed < opened && Hits[closed].End == boundary) {
            result += Close;
            ++closed;
        }
        while (opened < Hits.size() && Hits[opened].Start == boundary) {
            result += Open;
            ++opened;
        }
    };
    tagsAt(0);
    size_t count = 0;
    inTag = false;
    for (Char c : Text) {
        result += c;
        if (inTag)
            inTag = c != u'>';
        else if (c == u'<')
            inTag = true;
        else if (++count < total)
            tagsAt(count);
    }
    for (; closed < Hits.size(); ++closed) {
        if (opened == closed) {
            result += Open;
            ++opened;
        }
        result += Close;
    }
    return result;
}

// For each gap between units (0 .. size), whether it lies inside an entity such as "&amp;",
// after its "&" and up to its ";".
std::vector<bool> GapsInsideEntities(StringView Text)
{
    std::vector<bool> inside(Text.size() + 1, false);
    for (size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] != u'&') continue;
        size_t j = i + 1;
        while (j < Text.size() &&
               (Text[j] == u'#' || (Text[j] >= u'0' && Text[j] <= u'9') ||
                ((Text[j] | 0x20) >= u'a' && (Text[j] | 0x20) <= u'z')))
            ++j;
        if (j == i + 1 || j >= Text.size() || Text[j] != u';') continue;
        for (size_t gap = i + 1; gap <= j; ++gap) inside[gap] = true;
        i = j;
    }
    return inside;
}

String EscapeBrackets(StringView Text) { return ReplaceAll(ReplaceAll(Text, u"<", u"&lt;"), u">", u"&gt;"); }

}  // namespace

String HighlightInMarkup(StringView Text, StringView SearchText, StringView Tag, bool CaseSensitive)
{
    String visible = StripMarkupTags(Text);
    String search(SearchText);
    String marked(Text);
    const bool strayBrackets = visible.find_first_of(u"<>") != String::npos;
    if (Pos(search, Text) > 0 && strayBrackets) {
        // Brackets that are not tags would swallow the inserted tags: mark the visible text,
        // with its brackets as entities, instead.
        visible = EscapeBrackets(visible);
        search = EscapeBrackets(search);
        marked = visible;
    }
    const String haystack = CaseSensitive ? visible : UpperCaseKeepLength(visible);
    const String needle = CaseSensitive ? search : UpperCaseKeepLength(search);
    // A hit that starts or ends inside an entity would mark text nobody sees and split the
    // entity, so that unescaping no longer restores the cell's text: such hits are passed over.
    const std::vector<bool> insideEntity = GapsInsideEntities(haystack);
    std::vector<THit> hits;
    Integer from = 1;
    while (const Integer f = PosEx(needle, haystack, from)) {
        const size_t first = static_cast<size_t>(f) - 1;
        if (insideEntity[first] || insideEntity[first + needle.size()]) {
            from = f + 1;
            continue;
        }
        hits.push_back({first, first + needle.size()});
        // The next search starts right after this hit, so hits that touch are all marked.
        from = f + static_cast<Integer>(needle.size());
    }
    return InsertHighlightTags(marked, hits, Cat({u"<", Tag, u">"}), Cat({u"</", Tag, u">"}));
}

String RemoveMarkupHighlight(StringView Text, StringView Tag)
{
    // The tag pairs go, and every "&lt;" and "&gt;" becomes a bracket again: the highlight of a
    // text with stray brackets marks their entity form.
    const String open = Cat({u"<", Tag, u">"});
    const String close = Cat({u"</", Tag, u">"});
    String s = StringReplace(Text, open, u"", rfReplaceAll | rfIgnoreCase);
    s = StringReplace(s, close, u"", rfReplaceAll | rfIgnoreCase);
    return ReplaceAll(ReplaceAll(s, u"&lt;", u"<"), u"&gt;", u">");
}

}  // namespace gw
