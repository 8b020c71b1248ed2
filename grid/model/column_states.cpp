// The column-state text: writing, and reading it whole before the grid changes.
#include "grid/model/column_states.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/string_list.h"

#include <algorithm>

namespace gw {

namespace {

String JoinIntegers(const std::vector<Integer>& Items)
{
    String out;
    for (size_t i = 0; i < Items.size(); ++i) out += (i ? u"," : u"") + IntToStr(Items[i]);
    return out;
}

// The field after the Index-th "#" (0: before the first) up to the next one; the last field
// takes the rest. A field that is not there is empty.
String Field(StringView Text, int Index, bool ToEnd)
{
    size_t start = 0;
    for (int i = 0; i < Index; ++i) {
        const size_t hash = Text.find(u'#', start);
        if (hash == StringView::npos) return {};
        start = hash + 1;
    }
    const size_t end = ToEnd ? StringView::npos : Text.find(u'#', start);
    return String(Text.substr(start, end == StringView::npos ? StringView::npos : end - start));
}

// A field split by the comma-text rule; its items are read with checked indexing.
class TCommaItems {
public:
    explicit TCommaItems(StringView Field) { m_items.SetCommaText(Field); }
    Integer Count() const { return m_items.Count(); }
    String Item(Integer Index) const { return m_items.Strings(Index); }
    Integer IntegerItem(Integer Index) const { return StrToInt(Item(Index)); }

private:
    TStringList m_items;
};

[[noreturn]] void ListIndexError(Integer Index)
{
    throw EStringListError(u"List index out of bounds (" + IntToStr(Index) + u")");
}

Integer ReadCount(StringView Value)
{
    const String text = Field(Value, 0, false);
    const Integer count = StrToInt(text);
    const size_t rest = Value.size() - text.size() - 1;
    if (count < 0 || static_cast<size_t>(count) > rest)
        throw EConvertError(u"'" + text + u"' is not a valid column count");
    return count;
}

void ReadOrder(StringView OrderField, Integer N, TColumnStatesText& Out)
{
    if (OrderField.empty()) return;
    const TCommaItems items(OrderField);
    std::vector<Integer> order;
    for (Integer i = 0; i < N && i < items.Count(); ++i)
        if (const Integer v = items.IntegerItem(i); v != -1) order.push_back(v);
    Out.MoveOrder = InverseColumnOrder(order, N);
    for (Integer i = 0; i < N; ++i)
        if (const Integer v = items.IntegerItem(i); v != -1) Out.ColumnOrder.push_back(v);
}

}  // namespace

String ColumnStatesToString(const TColumnStates& S)
{
    const auto n = static_cast<size_t>(std::max(S.ColCount, 0));
    std::vector<Integer> widths(n, S.DefaultColWidth), order(n), visible(n, 1);
    for (size_t i = 0; i < n; ++i) {
        if (i < S.Widths.size()) widths[i] = S.Widths[i];
        order[i] = static_cast<Integer>(i);
        if (i < S.Visible.size()) visible[i] = S.Visible[i] ? 1 : 0;
    }
    const std::vector<Integer>& shownOrder = S.ColumnOrder.empty() ? order : S.ColumnOrder;
    return IntToStr(S.ColCount) + u"#" + JoinIntegers(widths) + u"#" + JoinIntegers(shownOrder) + u"#" +
        JoinIntegers(visible);
}

bool ReadColumnStates(StringView Value, TColumnStatesText& Out)
{
    if (Value.find(u'#') == StringView::npos) return false;
    TColumnStatesText read;
    read.ColCount = ReadCount(Value);
    const Integer n = read.ColCount;
    ReadOrder(Field(Value, 2, false), n, read);

    const TCommaItems visibility(Field(Value, 3, true));
    for (Integer c = n - 1; c >= 0; --c)
        if (visibility.Item(c) == u"0") read.Hidden.push_back(c);

    const TCommaItems widths(Field(Value, 1, false));
    const Integer shown = n - static_cast<Integer>(read.Hidden.size());
    for (Integer i = 0; i < shown; ++i) {
        const String item = widths.Item(i);
        Integer width = 0;
        if (!TryStrToColumnWidth(item, width)) throw EConvertError(u"'" + item + u"' is not a valid column width");
        read.Widths.push_back(width);
    }
    Out = std::move(read);
    return true;
}

std::vector<Integer> InverseColumnOrder(const std::vector<Integer>& Order, Integer N)
{
    // The positions holding an index below N, by index and then by position.
    std::vector<Integer> inverse;
    for (size_t j = 0; j < Order.size(); ++j)
        if (Order[j] >= 0 && Order[j] < N) inverse.push_back(static_cast<Integer>(j));
    std::stable_sort(inverse.begin(), inverse.end(), [&](Integer a, Integer b) { return Order[a] < Order[b]; });
    // Every index must be there; a list of at most N entries is then a permutation.
    for (Integer p = 0; p < N; ++p)
        if (p >= static_cast<Integer>(inverse.size()) || Order[static_cast<size_t>(inverse[p])] != p) ListIndexError(p);
    inverse.resize(static_cast<size_t>(N));
    return inverse;
}

bool TryStrToColumnWidth(StringView S, Integer& Width)
{
    Integer value = 0;
    if (!TryStrToInt(S, value) || value < -32768 || value > 32767) return false;
    Width = value;
    return true;
}

}  // namespace gw
