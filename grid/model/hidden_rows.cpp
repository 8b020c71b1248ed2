// The hidden-row items in real-index order, the filter levels and the row index mapping.
#include "grid/model/hidden_rows.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"

#include <algorithm>
#include <utility>

namespace gw {

namespace {

[[noreturn]] void IndexError(Integer Index)
{
    throw EListError(u"List index out of bounds (" + IntToStr(Index) + u")");
}

}  // namespace

TGridItem& THiddenRows::Items(Integer Index) const
{
    if (Index < 0 || Index >= Count()) IndexError(Index);
    return *m_items[static_cast<size_t>(Index)];
}

TGridItem* THiddenRows::Find(RealRow Row) const
{
    const auto it = std::lower_bound(m_idx.begin(), m_idx.end(), Row.Value());
    if (it == m_idx.end() || *it != Row.Value()) return nullptr;
    return m_items[static_cast<size_t>(it - m_idx.begin())].get();
}

bool THiddenRows::IsHiddenRow(RealRow Row) const { return std::binary_search(m_idx.begin(), m_idx.end(), Row.Value()); }

RealRow THiddenRows::RealRowIndex(DispRow Row) const
{
    // The hidden row at position i has m_idx[i] - i shown rows before it (a non-decreasing
    // count), and lies before the wanted row exactly when that count is at most d.
    const Integer d = Row.Value();
    if (d < 0) return RealRow(d);
    const Integer* idx = m_idx.data();
    size_t first = 0, count = m_idx.size();
    while (count > 0) {
        const size_t half = count / 2;
        if (idx[first + half] - static_cast<Integer>(first + half) <= d) {
            first += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    return RealRow(d + static_cast<Integer>(first));
}

DispRow THiddenRows::DisplRowIndex(RealRow Row) const
{
    const Integer r = Row.Value();
    if (r < 0) return DispRow(r);
    return DispRow(r - static_cast<Integer>(std::lower_bound(m_idx.begin(), m_idx.end(), r) - m_idx.begin()));
}

std::vector<THiddenRow> THiddenRows::HideRows(RealRow From, RealRow To)
{
    std::vector<std::unique_ptr<TGridItem>> items;
    std::vector<THiddenRow> hidden;
    auto next = std::lower_bound(m_idx.begin(), m_idx.end(), std::max(From.Value(), 0));
    for (Integer r = std::max(From.Value(), 0); r <= To.Value(); ++r) {
        if (next != m_idx.end() && *next == r) {
            ++next;
            continue;
        }
        const Integer hiddenBefore = static_cast<Integer>(next - m_idx.begin());
        items.push_back(std::make_unique<TGridItem>(RealRow(r), THiddenRowKind::ByIndex, 0));
        hidden.push_back({DispRow(r - hiddenBefore), items.back().get()});
    }
    Merge(std::move(items));
    return hidden;
}

std::vector<THiddenRow> THiddenRows::HideRowList(std::span<const DispRow> Rows)
{
    for (size_t i = 0; i < Rows.size(); ++i) {
        if (Rows[i].Value() < 0 || (i > 0 && Rows[i] <= Rows[i - 1]))
            throw EListError(u"Row list not in ascending order at " + IntToStr(static_cast<Integer>(i)));
    }
    std::vector<std::unique_ptr<TGridItem>> items;
    std::vector<THiddenRow> hidden;
    items.reserve(Rows.size());
    hidden.reserve(Rows.size());
    size_t before = 0;  // hidden rows before the current displayed row, found by one walk
    for (const DispRow d : Rows) {
        while (before < m_idx.size() && m_idx[before] - static_cast<Integer>(before) <= d.Value()) ++before;
        const RealRow r(d.Value() + static_cast<Integer>(before));
        items.push_back(std::make_unique<TGridItem>(r, THiddenRowKind::ByFilter, m_filterLevel));
        hidden.push_back({d, items.back().get()});
    }
    ++m_filterLevel;
    Merge(std::move(items));
    return hidden;
}

TShownRow THiddenRows::UnHideRow(RealRow Row)
{
    const auto it = std::lower_bound(m_idx.begin(), m_idx.end(), Row.Value());
    if (it == m_idx.end() || *it != Row.Value()) return {};
    const auto at = it - m_idx.begin();
    TShownRow shown{DispRow(Row.Value() - static_cast<Integer>(at)), std::move(m_items[static_cast<size_t>(at)])};
    m_idx.erase(it);
    m_items.erase(m_items.begin() + at);
    return shown;
}

std::vector<TShownRow> THiddenRows::UnHideRows(RealRow From, RealRow To)
{
    if (!IsHiddenRow(From)) return {};
    return Extract([&](const TGridItem& item) { return item.Idx() >= From && item.Idx() <= To; });
}

std::vector<TShownRow> THiddenRows::UnHideRowList()
{
    const Integer level = m_filterLevel - 1;
    return Extract(
        [&](const TGridItem& item) { return item.Kind() == THiddenRowKind::ByFilter && item.Level() == level; });
}

std::vector<TShownRow> THiddenRows::UnHideRowsAll()
{
    return Extract([](const TGridItem& item) { return item.Kind() == THiddenRowKind::ByIndex; });
}

void THiddenRows::LowerFilterLevel()
{
    if (m_filterLevel == 0) return;
    const Integer level = m_filterLevel - 1;
    for (const auto& item : m_items) {
        if (item->Kind() == THiddenRowKind::ByFilter && item->Level() == level)
            throw EListError(u"Filter level " + IntToStr(level) + u" still hides rows");
    }
    --m_filterLevel;
}

void THiddenRows::ShiftForInsertedRows(RealRow At, Integer Count)
{
    if (Count <= 0) return;
    for (auto i = static_cast<size_t>(std::lower_bound(m_idx.begin(), m_idx.end(), At.Value()) - m_idx.begin());
         i < m_idx.size(); ++i) {
        m_idx[i] += Count;
        m_items[i]->m_idx += Count;
    }
}

void THiddenRows::ShiftForRemovedRows(DispRow From, Integer Count)
{
    Integer from = From.Value();
    if (from < 0) {
        Count += from;
        from = 0;
    }
    if (Count <= 0) return;
    for (size_t i = 0; i < m_idx.size(); ++i) {
        const Integer shownBefore = m_idx[i] - static_cast<Integer>(i);
        const Integer removedBefore = std::clamp(shownBefore - from, 0, Count);
        m_idx[i] -= removedBefore;
        m_items[i]->m_idx -= removedBefore;
    }
}

void THiddenRows::Merge(std::vector<std::unique_ptr<TGridItem>> Items)
{
    if (Items.empty()) return;
    std::vector<Integer> idx;
    std::vector<std::unique_ptr<TGridItem>> items;
    idx.reserve(m_idx.size() + Items.size());
    items.reserve(m_idx.size() + Items.size());
    size_t old = 0;
    for (auto& item : Items) {
        for (; old < m_idx.size() && m_idx[old] < item->Idx().Value(); ++old) {
            idx.push_back(m_idx[old]);
            items.push_back(std::move(m_items[old]));
        }
        idx.push_back(item->Idx().Value());
        items.push_back(std::move(item));
    }
    for (; old < m_idx.size(); ++old) {
        idx.push_back(m_idx[old]);
        items.push_back(std::move(m_items[old]));
    }
    m_idx = std::move(idx);
    m_items = std::move(items);
}

template <class Predicate>
std::vector<TShownRow> THiddenRows::Extract(Predicate Take)
{
    std::vector<TShownRow> shown;
    size_t kept = 0;
    for (size_t i = 0; i < m_idx.size(); ++i) {
        if (Take(*m_items[i])) {
            shown.push_back({DispRow(m_idx[i] - static_cast<Integer>(kept)), std::move(m_items[i])});
        } else {
            if (kept != i) {
                m_idx[kept] = m_idx[i];
                m_items[kept] = std::move(m_items[i]);
            }
            ++kept;
        }
    }
    m_idx.resize(kept);
    m_items.resize(kept);
    return shown;
}

}  // namespace gw
