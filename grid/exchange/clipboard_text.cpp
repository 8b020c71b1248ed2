// The grid's clipboard text: cut into lines and fields, multi-line fields, measured.
#include "grid/exchange/clipboard_text.h"

#include "grid/foundation/csv_utils.h"

#include <algorithm>

namespace gw {

namespace {

constexpr Char CR = 13;
constexpr Char LF = 10;
constexpr Char Tab = 9;
constexpr Char Quote = u'"';

std::vector<String> SplitFields(StringView Line)
{
    std::vector<String> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = Line.find(Tab, start);
        if (tab == StringView::npos) break;
        fields.emplace_back(Line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.emplace_back(Line.substr(start));
    return fields;
}

}  // namespace

std::vector<TClipLine> SplitClipboardText(StringView Text)
{
    std::vector<TClipLine> lines;
    size_t start = 0;
    for (;;) {
        const size_t cr = Text.find(CR, start);
        if (cr == StringView::npos) {
            lines.push_back({SplitFields(Text.substr(start)), false});
            return lines;
        }
        lines.push_back({SplitFields(Text.substr(start, cr - start)), true});
        start = cr + 1;
        if (start < Text.size() && Text[start] == LF) ++start;
    }
}

bool MoreTextFollows(const std::vector<TClipLine>& Lines, size_t Index)
{
    if (Index + 1 >= Lines.size()) return false;
    if (Index + 2 < Lines.size()) return true;
    const TClipLine& last = Lines.back();
    return last.Fields.size() > 1 || !last.Fields.front().empty();
}

String UnquotePastedField(String Field)
{
    if (Field.find(LF) == String::npos) return Field;
    if (!Field.empty() && Field.front() == Quote) Field.erase(0, 1);
    const size_t quote = Field.find(Quote);
    if (quote != String::npos && quote + 1 == Field.size()) Field.pop_back();
    UnquoteMultiLineCsv(Field);
    return Field;
}

String QuoteCopiedLineBreaks(StringView Text)
{
    if (Text.find(CR) == StringView::npos) return String(Text);
    return u"\"" + CRToLF(Text) + u"\"";
}

TPoint MeasureClipboardText(StringView Text)
{
    TPoint size{0, 0};
    for (const TClipLine& line : SplitClipboardText(Text)) {
        size.X = std::max(size.X, static_cast<Integer>(line.Fields.size()));
        const bool empty = line.Fields.size() == 1 && line.Fields.front().empty();
        if (line.EndsWithBreak) ++size.Y;
        if (empty) --size.Y;
    }
    // An empty text has one empty line and no break: no line to add, not minus one.
    size.Y = std::max(size.Y, 0);
    return size;
}

}  // namespace gw
