// The grid's integer lists and the sort-column text.
#include "grid/foundation/int_list.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/string_list.h"

#include <algorithm>

namespace gw {

namespace {

constexpr uint32_t DescendingBit = 0x80000000u;
constexpr uint32_t ColumnBits = 0x7FFFFFFFu;

uint32_t Bits(Integer Value) { return static_cast<uint32_t>(Value); }
Integer FromBits(uint32_t Value) { return static_cast<Integer>(Value); }

// The leading decimal digits of Text as a column: 0 without digits, saturated at the largest column.
Integer LeadingColumn(StringView Text)
{
    uint64_t value = 0;
    for (Char c : Text) {
        if (c < u'0' || c > u'9') break;
        value = std::min<uint64_t>(ColumnBits, value * 10 + (c - u'0'));
    }
    return static_cast<Integer>(value);
}

}  // namespace

// --- TIntList --------------------------------------------------------------------------------

void TIntList::Changed()
{
    if (OnChange) OnChange(this, m_col, m_row);
}

void TIntList::CheckIndex(Integer Index) const
{
    if (Index < 0 || Index >= Count()) throw EListError(u"List index out of bounds (" + IntToStr(Index) + u")");
}

Integer TIntList::Add(Integer Value)
{
    m_items.push_back(Value);
    Changed();
    return Count() - 1;
}

void TIntList::Insert(Integer Index, Integer Value)
{
    if (Index != Count()) CheckIndex(Index);
    m_items.insert(m_items.begin() + Index, Value);
}

void TIntList::Delete(Integer Index)
{
    CheckIndex(Index);
    m_items.erase(m_items.begin() + Index);
    Changed();
}

void TIntList::DeleteValue(Integer Value)
{
    const Integer at = IndexOf(Value);
    if (at >= 0) Delete(at);
}

Integer TIntList::IndexOf(Integer Value) const
{
    const auto it = std::find(m_items.begin(), m_items.end(), Value);
    return it == m_items.end() ? -1 : static_cast<Integer>(it - m_items.begin());
}

Integer TIntList::GetInteger(Integer Index) const
{
    CheckIndex(Index);
    return m_items[static_cast<size_t>(Index)];
}

void TIntList::SetInteger(Integer Index, Integer Value)
{
    CheckIndex(Index);
    m_items[static_cast<size_t>(Index)] = Value;
    Changed();
}

String TIntList::StrValue() const
{
    String result;
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (i > 0) result += u',';
        result += IntToStr(m_items[i]);
    }
    return result;
}

void TIntList::SetStrValue(StringView Value)
{
    TStringList items;
    items.SetCommaText(Value);
    Clear();
    for (Integer i = 0; i < items.Count(); ++i) Add(StrToInt(items.Strings(i)));
}

// --- TSortIndexList --------------------------------------------------------------------------

void TSortIndexList::AddIndex(Integer ColumnIndex, bool Ascending)
{
    Add(FromBits((Bits(ColumnIndex) & ColumnBits) | (Ascending ? 0 : DescendingBit)));
}

Integer TSortIndexList::FindIndex(Integer ColumnIndex) const
{
    for (Integer i = 0; i < Count(); ++i)
        if (GetSortColumns(i) == ColumnIndex) return i;
    return -1;
}

void TSortIndexList::ToggleIndex(Integer ColumnIndex)
{
    const Integer at = FindIndex(ColumnIndex);
    if (at >= 0) SetInteger(at, FromBits(Bits(GetInteger(at)) ^ DescendingBit));
}

Integer TSortIndexList::GetSortColumns(Integer Index) const { return FromBits(Bits(GetInteger(Index)) & ColumnBits); }

void TSortIndexList::SetSortColumns(Integer Index, Integer ColumnIndex)
{
    const uint32_t direction = Bits(GetInteger(Index)) & DescendingBit;
    SetInteger(Index, FromBits(direction | (Bits(ColumnIndex) & ColumnBits)));
}

bool TSortIndexList::GetSortDirections(Integer Index) const { return (Bits(GetInteger(Index)) & DescendingBit) == 0; }

void TSortIndexList::SetSortDirections(Integer Index, bool Ascending)
{
    const uint32_t column = Bits(GetInteger(Index)) & ColumnBits;
    SetInteger(Index, FromBits(column | (Ascending ? 0 : DescendingBit)));
}

String TSortIndexList::SaveToString() const
{
    String result;
    for (Integer i = 0; i < Count(); ++i) {
        if (i > 0) result += u';';
        result += GetSortDirections(i) ? u'u' : u'd';
        result += IntToStr(GetInteger(i) & 0xFFFF);
    }
    return result;
}

void TSortIndexList::LoadFromString(StringView Value)
{
    Clear();
    size_t start = 0;
    while (start <= Value.size()) {
        const size_t end = std::min(Value.find(u';', start), Value.size());
        const StringView item = Value.substr(start, end - start);
        if (item.size() >= 2) AddIndex(LeadingColumn(item.substr(1)), item[0] == u'u');
        start = end + 1;
    }
}

}  // namespace gw
