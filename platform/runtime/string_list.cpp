// TStrings and TStringList.
#include "platform/runtime/string_list.h"

#include "platform/runtime/atomic_file.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/files.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/streams.h"
#include "platform/runtime/strings.h"
#include "platform/runtime/unicode.h"

#include <algorithm>
#include <numeric>

namespace gw {

namespace {

[[noreturn]] void SortedListError() { throw EStringListError(u"Operation not allowed on sorted list"); }

bool FitsSingleByte(StringView text, TTextEncoding e)
{
    if (e == TTextEncoding::Ansi) return AnsiToString(StringToAnsi(text)) == text;
    const int cp = e == TTextEncoding::Oem437 ? 437 : 850;
    return OemToString(StringToOem(text, cp), cp) == text;
}

bool IsSingleByte(TTextEncoding e)
{
    return e == TTextEncoding::Ansi || e == TTextEncoding::Oem437 || e == TTextEncoding::Oem850;
}

}  // namespace

// ---- TStrings ----

void TStrings::IndexError(Integer Index)
{
    throw EStringListError(u"List index out of bounds (" + IntToStr(Index) + u")");
}

void TStrings::CheckIndex(Integer Index) const
{
    if (Index < 0 || Index >= Count()) IndexError(Index);
}

void TStrings::Put(Integer Index, const String& S)
{
    TObject* object = GetObject(Index);
    const TUpdateScope update(*this);
    Delete(Index);
    InsertObject(Index, S, object);
}

TObject* TStrings::GetObject(Integer /*Index*/) const { return nullptr; }

void TStrings::PutObject(Integer /*Index*/, TObject* /*AObject*/) {}

void TStrings::InsertObject(Integer Index, const String& S, TObject* AObject)
{
    Insert(Index, S);
    PutObject(Index, AObject);
}

Integer TStrings::Add(const String& S)
{
    const Integer index = Count();
    Insert(index, S);
    return index;
}

Integer TStrings::AddObject(const String& S, TObject* AObject)
{
    const Integer index = Add(S);
    PutObject(index, AObject);
    return index;
}

void TStrings::AddStrings(const TStrings* Strings)
{
    if (Strings == nullptr) return;
    const Integer n = Strings->Count();
    const TUpdateScope update(*this);
    for (Integer i = 0; i < n; ++i) AddObject(Strings->Get(i), Strings->GetObject(i));
}

void TStrings::Exchange(Integer Index1, Integer Index2)
{
    CheckIndex(Index1);
    CheckIndex(Index2);
    const String s1 = Get(Index1);
    TObject* o1 = GetObject(Index1);
    const TUpdateScope update(*this);
    Put(Index1, Get(Index2));
    PutObject(Index1, GetObject(Index2));
    Put(Index2, s1);
    PutObject(Index2, o1);
}

void TStrings::Move(Integer CurIndex, Integer NewIndex)
{
    if (CurIndex == NewIndex) return;
    CheckIndex(CurIndex);
    CheckIndex(NewIndex);
    const String s = Get(CurIndex);
    TObject* o = GetObject(CurIndex);
    const TUpdateScope update(*this);
    Delete(CurIndex);
    InsertObject(NewIndex, s, o);
}

Integer TStrings::CompareStrings(StringView S1, StringView S2) const { return AnsiCompareText(S1, S2); }

Integer TStrings::IndexOf(StringView S) const
{
    const Integer n = Count();
    for (Integer i = 0; i < n; ++i)
        if (CompareStrings(Get(i), S) == 0) return i;
    return -1;
}

Integer TStrings::IndexOfName(StringView Name) const
{
    const Integer n = Count();
    for (Integer i = 0; i < n; ++i) {
        const String s = Get(i);
        const size_t sep = s.find(NameValueSeparator);
        if (sep != String::npos && CompareStrings(StringView(s).substr(0, sep), Name) == 0) return i;
    }
    return -1;
}

Integer TStrings::IndexOfObject(const TObject* AObject) const
{
    const Integer n = Count();
    for (Integer i = 0; i < n; ++i)
        if (GetObject(i) == AObject) return i;
    return -1;
}

bool TStrings::Equals(const TStrings* Strings) const
{
    if (Strings == nullptr || Strings->Count() != Count()) return false;
    for (Integer i = 0; i < Count(); ++i)
        if (Get(i) != Strings->Get(i)) return false;
    return true;
}

String TStrings::Names(Integer Index) const
{
    const String s = Get(Index);
    const size_t sep = s.find(NameValueSeparator);
    return sep == String::npos ? String() : s.substr(0, sep);
}

String TStrings::Values(StringView Name) const
{
    const Integer index = IndexOfName(Name);
    return index < 0 ? String() : ValueFromIndex(index);
}

void TStrings::SetValues(StringView Name, const String& Value)
{
    const Integer index = IndexOfName(Name);
    if (!Value.empty()) {
        const String line = String(Name) + NameValueSeparator + Value;
        if (index < 0)
            Add(line);
        else
            Put(index, line);
    } else if (index >= 0) {
        Delete(index);
    }
}

String TStrings::ValueFromIndex(Integer Index) const
{
    const String s = Get(Index);
    const size_t sep = s.find(NameValueSeparator);
    return sep == String::npos ? String() : s.substr(sep + 1);
}

void TStrings::SetValueFromIndex(Integer Index, const String& Value)
{
    if (!Value.empty()) {
        if (Index < 0) Index = Add(String());
        Put(Index, Names(Index) + NameValueSeparator + Value);
    } else if (Index >= 0) {
        Delete(Index);
    }
}

String TStrings::DelimitedText() const { return JoinDelimited(Delimiter, QuoteChar); }

void TStrings::SetDelimitedText(StringView Value) { SplitDelimited(Value, Delimiter, QuoteChar); }

String TStrings::CommaText() const { return JoinDelimited(u',', u'"'); }

void TStrings::SetCommaText(StringView Value) { SplitDelimited(Value, u',', u'"'); }

String TStrings::JoinDelimited(Char Delim, Char Quote) const
{
    const Integer n = Count();
    if (n == 1 && Get(0).empty()) return String(2, Quote);
    String result;
    for (Integer i = 0; i < n; ++i) {
        const String s = Get(i);
        const bool quote = std::any_of(s.begin(), s.end(), [&](Char c) {
            return c == Quote || c == Delim || c == 0 || (!StrictDelimiter && c <= u' ');
        });
        if (i > 0) result += Delim;
        result += quote ? AnsiQuotedStr(s, Quote) : s;
    }
    return result;
}

void TStrings::SplitDelimited(StringView Value, Char Delim, Char Quote)
{
    const size_t n = Value.size();
    size_t p = 0;
    auto skipBlanks = [&] {
        if (!StrictDelimiter)
            while (p < n && Value[p] <= u' ') ++p;
    };
    const TUpdateScope update(*this);
    Clear();
    skipBlanks();
    while (p < n) {
        String item;
        if (Value[p] == Quote) {
            for (++p; p < n; ++p) {
                if (Value[p] != Quote) {
                    item += Value[p];
                } else if (p + 1 < n && Value[p + 1] == Quote) {
                    item += Quote;
                    ++p;
                } else {
                    ++p;
                    break;
                }
            }
        } else {
            const size_t start = p;
            while (p < n && Value[p] != Delim && (StrictDelimiter || Value[p] > u' ')) ++p;
            item.assign(Value.substr(start, p - start));
        }
        Add(item);
        skipBlanks();
        if (p < n && Value[p] == Delim) {
            ++p;
            if (p == n) Add(String());
            skipBlanks();
        }
    }
}

String TStrings::Text() const
{
    String result;
    const Integer n = Count();
    for (Integer i = 0; i < n; ++i) {
        result += Get(i);
        result += LineBreak;
    }
    return result;
}

void TStrings::SetText(StringView Value)
{
    const bool anyBreak = LineBreak.empty() || LineBreak == u"\r\n" || LineBreak == u"\n" || LineBreak == u"\r";
    const TUpdateScope update(*this);
    Clear();
    size_t p = 0;
    const size_t n = Value.size();
    while (p < n) {
        size_t end;
        size_t next;
        if (anyBreak) {
            end = Value.find_first_of(u"\r\n", p);
            if (end == StringView::npos)
                end = next = n;
            else
                next = end + ((Value[end] == u'\r' && end + 1 < n && Value[end + 1] == u'\n') ? 2 : 1);
        } else {
            end = Value.find(LineBreak, p);
            if (end == StringView::npos)
                end = next = n;
            else
                next = end + LineBreak.size();
        }
        Add(String(Value.substr(p, end - p)));
        p = next;
    }
}

void TStrings::BeginUpdate()
{
    if (m_updateCount == 0) SetUpdateState(true);
    ++m_updateCount;
}

void TStrings::EndUpdate()
{
    if (m_updateCount == 0) return;
    if (--m_updateCount == 0) SetUpdateState(false);
}

void TStrings::Assign(TPersistent* Source)
{
    if (Source == this) return;
    if (auto* source = dynamic_cast<TStrings*>(Source)) {
        const TUpdateScope update(*this);
        Clear();
        AddStrings(source);
        return;
    }
    TPersistent::Assign(Source);
}

void TStrings::LoadBytes(std::string_view Bytes, std::optional<TTextEncoding> Encoding)
{
    const bool marked = ByteOrderMark(Bytes).has_value();
    String text;
    TTextEncoding used = TTextEncoding::Ansi;
    if (Encoding && !marked) {
        used = *Encoding;
        text = DecodeBytesAs(Bytes, used);
    } else {
        text = DecodeTextBytes(Bytes, &used);
    }
    SetText(text);
    m_encoding = used;
    m_hadBom = marked;
}

std::string TStrings::SaveBytes(std::optional<TTextEncoding> Encoding, bool WriteBOM) const
{
    const String text = Text();
    if (Encoding) return EncodeTextBytes(text, *Encoding, WriteBOM);
    TTextEncoding e = m_encoding.value_or(TTextEncoding::Ansi);
    bool bom = m_encoding ? m_hadBom : false;
    // A single-byte code page would turn what it cannot hold into '?': keep every character.
    if (IsSingleByte(e) && !FitsSingleByte(text, e)) {
        e = TTextEncoding::Utf8;
        bom = true;
    }
    return EncodeTextBytes(text, e, bom);
}

void TStrings::LoadFromFile(const String& FileName) { LoadBytes(FileToBytes(FileName), std::nullopt); }

void TStrings::LoadFromFile(const String& FileName, TTextEncoding Encoding)
{
    LoadBytes(FileToBytes(FileName), Encoding);
}

void TStrings::SaveToFile(const String& FileName) const { WriteFileAtomic(FileName, SaveBytes(std::nullopt, false)); }

void TStrings::SaveToFile(const String& FileName, TTextEncoding Encoding, bool WriteBOM) const
{
    WriteFileAtomic(FileName, SaveBytes(Encoding, WriteBOM));
}

void TStrings::LoadFromStream(TStream* Stream) { LoadBytes(Stream->ReadRest(), std::nullopt); }

void TStrings::LoadFromStream(TStream* Stream, TTextEncoding Encoding) { LoadBytes(Stream->ReadRest(), Encoding); }

void TStrings::SaveToStream(TStream* Stream) const { Stream->WriteBuffer(SaveBytes(std::nullopt, false)); }

void TStrings::SaveToStream(TStream* Stream, TTextEncoding Encoding, bool WriteBOM) const
{
    Stream->WriteBuffer(SaveBytes(Encoding, WriteBOM));
}

// ---- TStringList ----

void TStringList::Changed()
{
    if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::Changing()
{
    if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::SetUpdateState(bool Updating)
{
    if (Updating)
        Changing();
    else
        Changed();
}

Integer TStringList::CompareStrings(StringView S1, StringView S2) const
{
    return m_caseSensitive ? AnsiCompareStr(S1, S2) : AnsiCompareText(S1, S2);
}

String TStringList::Get(Integer Index) const
{
    CheckIndex(Index);
    return m_items[static_cast<size_t>(Index)].Text;
}

void TStringList::Put(Integer Index, const String& S)
{
    if (m_sorted) SortedListError();
    CheckIndex(Index);
    Changing();
    m_items[static_cast<size_t>(Index)].Text = S;
    Changed();
}

TObject* TStringList::GetObject(Integer Index) const
{
    CheckIndex(Index);
    return m_items[static_cast<size_t>(Index)].Object;
}

void TStringList::PutObject(Integer Index, TObject* AObject)
{
    CheckIndex(Index);
    Changing();
    m_items[static_cast<size_t>(Index)].Object = AObject;
    Changed();
}

void TStringList::Clear()
{
    if (m_items.empty()) return;
    Changing();
    m_items.clear();
    Changed();
}

void TStringList::Delete(Integer Index)
{
    CheckIndex(Index);
    Changing();
    m_items.erase(m_items.begin() + Index);
    Changed();
}

void TStringList::Insert(Integer Index, const String& S) { InsertObject(Index, S, nullptr); }

void TStringList::InsertObject(Integer Index, const String& S, TObject* AObject)
{
    if (m_sorted) SortedListError();
    if (Index < 0 || Index > Count()) IndexError(Index);
    InsertItem(Index, S, AObject);
}

void TStringList::InsertItem(Integer Index, const String& S, TObject* AObject)
{
    Changing();
    m_items.insert(m_items.begin() + Index, Item{S, AObject});
    Changed();
}

Integer TStringList::Add(const String& S) { return AddObject(S, nullptr); }

Integer TStringList::AddObject(const String& S, TObject* AObject)
{
    Integer index = Count();
    if (m_sorted && Find(S, index)) {
        if (Duplicates == dupIgnore) return index;
        if (Duplicates == dupError) throw EStringListError(u"String list does not allow duplicates");
    }
    InsertItem(index, S, AObject);
    return index;
}

void TStringList::Exchange(Integer Index1, Integer Index2)
{
    CheckIndex(Index1);
    CheckIndex(Index2);
    Changing();
    ExchangeItems(Index1, Index2);
    Changed();
}

void TStringList::ExchangeItems(Integer Index1, Integer Index2)
{
    std::swap(m_items[static_cast<size_t>(Index1)], m_items[static_cast<size_t>(Index2)]);
}

void TStringList::Move(Integer CurIndex, Integer NewIndex)
{
    if (CurIndex == NewIndex) return;
    if (m_sorted) SortedListError();
    CheckIndex(CurIndex);
    CheckIndex(NewIndex);
    Changing();
    Item item = std::move(m_items[static_cast<size_t>(CurIndex)]);
    m_items.erase(m_items.begin() + CurIndex);
    m_items.insert(m_items.begin() + NewIndex, std::move(item));
    Changed();
}

Integer TStringList::IndexOf(StringView S) const
{
    if (!m_sorted) return TStrings::IndexOf(S);
    Integer index = 0;
    return Find(S, index) ? index : -1;
}

bool TStringList::Find(StringView S, Integer& Index) const
{
    Integer lo = 0;
    Integer hi = Count();
    while (lo < hi) {
        const Integer mid = lo + (hi - lo) / 2;
        if (CompareStrings(m_items[static_cast<size_t>(mid)].Text, S) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    Index = lo;
    return lo < Count() && CompareStrings(m_items[static_cast<size_t>(lo)].Text, S) == 0;
}

void TStringList::Sort()
{
    if (m_sorted || m_items.size() < 2) return;
    Changing();
    std::stable_sort(m_items.begin(), m_items.end(),
                     [this](const Item& a, const Item& b) { return CompareStrings(a.Text, b.Text) < 0; });
    Changed();
}

void TStringList::CustomSort(const TStringListSortCompare& Compare)
{
    if (m_sorted || m_items.size() < 2) return;
    // The comparer speaks in positions, so the positions are sorted and the items moved after.
    std::vector<Integer> order(m_items.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](Integer a, Integer b) { return Compare(this, a, b) < 0; });
    Changing();
    std::vector<Item> sorted;
    sorted.reserve(m_items.size());
    for (Integer i : order) sorted.push_back(std::move(m_items[static_cast<size_t>(i)]));
    m_items = std::move(sorted);
    Changed();
}

void TStringList::SetSorted(bool Value)
{
    if (Value == m_sorted) return;
    if (Value) Sort();
    m_sorted = Value;
}

void TStringList::SetCaseSensitive(bool Value)
{
    if (Value == m_caseSensitive) return;
    m_caseSensitive = Value;
    if (m_sorted) {
        m_sorted = false;
        Sort();
        m_sorted = true;
    }
}

}  // namespace gw
