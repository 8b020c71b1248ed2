// Building the text table and overlaying language files onto it.
#include "core/text_table.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/files.h"
#include "platform/runtime/text_encoding.h"

#include <algorithm>

namespace gw {

namespace {

constexpr Char Pilcrow = u'\u00B6';
constexpr StringView Comment_Mark = u"/#/";

// Calls Each for every line; a line ends with CR LF, LF or CR.
template <typename F>
void ForEachLine(StringView Content, F&& Each)
{
    size_t start = 0;
    for (size_t i = 0; i < Content.size(); ++i) {
        const Char c = Content[i];
        if (c != u'\r' && c != u'\n') continue;
        Each(Content.substr(start, i - start));
        if (c == u'\r' && i + 1 < Content.size() && Content[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < Content.size()) Each(Content.substr(start));
}

// Blanks and control characters off both ends, without copying.
StringView TrimView(StringView S)
{
    while (!S.empty() && S.front() <= u' ') S.remove_prefix(1);
    while (!S.empty() && S.back() <= u' ') S.remove_suffix(1);
    return S;
}

// The pilcrow keeps blanks a trimmed line would lose: a leading one is dropped, and the text
// ends before the next one.
StringView StripPilcrows(StringView Text)
{
    if (!Text.empty() && Text.front() == Pilcrow) Text.remove_prefix(1);
    return Text.substr(0, Text.find(Pilcrow));
}

}  // namespace

void TTextTable::Build_Default_Texts()
{
    m_texts.assign(English_Texts.begin(), English_Texts.end());
    m_maxNumStr = Text_Count;
}

bool TTextTable::Parse_Lang_Line(StringView Line, Integer Max_Num_Str, Integer& Number, String& Text)
{
    const StringView line = TrimView(Line);
    if (!line.starts_with(u"STR")) return false;
    // The number runs from after "STR" to two before the first "="; the character just before
    // "=" is the separator and is dropped whatever it is.
    const size_t equals = line.find(u'=');
    if (equals == StringView::npos || equals < 5) return false;
    if (!TryStrToInt(TrimView(line.substr(3, equals - 4)), Number) || Number < 0 || Number >= Max_Num_Str) return false;
    StringView text = TrimView(line.substr(equals + 1));
    const size_t comment = text.find(Comment_Mark);
    if (comment != StringView::npos) text = TrimView(text.substr(0, comment));
    if (text.empty()) return false;
    Text.assign(StripPilcrows(text));
    return true;
}

void TTextTable::Load_Lang_Lines(StringView Content)
{
    ForEachLine(Content, [this](StringView Line) {
        Integer number = 0;
        String text;
        if (Parse_Lang_Line(Line, m_maxNumStr, number, text) && number < Count())
            m_texts[static_cast<size_t>(number)] = std::move(text);
    });
}

bool TTextTable::Load_Lang_File(const String& FileName)
{
    std::string bytes;
    try {
        bytes = FileToBytes(FileName);
    } catch (const Exception&) {
        return false;
    }
    Load_Lang_Lines(DecodeTextBytes(bytes));
    return true;
}

const String& TTextTable::Text(Integer Number) const
{
    if (Number < 0 || Number >= Count())
        throw EStringListError(u"List index out of bounds (" + IntToStr(Number) + u")");
    return m_texts[static_cast<size_t>(Number)];
}

bool Is_Plain_Language_Name(StringView Name)
{
    if (Name.empty() || Name == u"." || Name == u"..") return false;
    return std::none_of(Name.begin(), Name.end(), [](Char c) { return c < u' ' || c == u'/' || c == u'\\'; });
}

void Load_Language(TTextTable& Table, const String& Language_Dir, String& Language_Name)
{
    Table.Build_Default_Texts();
    const String named = Language_Dir + PathDelim + Language_Name + u".lng";
    // The name comes from the settings file: only a file inside LANGUAGE may be read for it.
    if (Is_Plain_Language_Name(Language_Name) && FileExists(named)) {
        Table.Load_Lang_File(named);
        return;
    }
    Language_Name = u"English";
    const String english = Language_Dir + PathDelim + u"English.lng";
    if (FileExists(english)) Table.Load_Lang_File(english);
}

}  // namespace gw
