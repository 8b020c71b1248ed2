// The hidden columns and the two index tables between real and displayed columns.
#include "grid/model/column_visibility.h"

#include <algorithm>

namespace gw {

namespace {

// Position of Col among the hidden columns, or the end when it is not one of them.
std::vector<Integer>::const_iterator FindHidden(const std::vector<Integer>& Hidden, Integer Col)
{
    const auto it = std::lower_bound(Hidden.begin(), Hidden.end(), Col);
    return it != Hidden.end() && *it == Col ? it : Hidden.end();
}

}  // namespace

bool TColumnVisibility::IsHiddenColumn(RealCol Col) const
{
    return FindHidden(m_hidden, Col.Value()) != m_hidden.end();
}

RealCol TColumnVisibility::RealColIndex(DispCol Col) const
{
    const Integer d = Col.Value();
    if (d < 0) return RealCol(d);
    if (d < static_cast<Integer>(m_displToReal.size())) return RealCol(m_displToReal[static_cast<size_t>(d)]);
    return RealCol(d + NumHiddenColumns());
}

DispCol TColumnVisibility::DisplColIndex(RealCol Col) const
{
    const Integer c = Col.Value();
    if (c < 0) return DispCol(c);
    if (c < static_cast<Integer>(m_realToDispl.size())) return DispCol(m_realToDispl[static_cast<size_t>(c)]);
    return DispCol(c - NumHiddenColumns());
}

bool TColumnVisibility::Hide(RealCol Col, Integer Width)
{
    const Integer c = Col.Value();
    if (c < 0 || c >= HideableColumns) return false;
    const auto it = std::lower_bound(m_hidden.begin(), m_hidden.end(), c);
    if (it != m_hidden.end() && *it == c) return false;
    const auto at = it - m_hidden.begin();
    m_hidden.insert(it, c);
    m_widths.insert(m_widths.begin() + at, Width);
    Rebuild();
    return true;
}

bool TColumnVisibility::Show(RealCol Col, Integer& Width)
{
    const auto it = FindHidden(m_hidden, Col.Value());
    if (it == m_hidden.end()) return false;
    const auto at = it - m_hidden.begin();
    Width = m_widths[static_cast<size_t>(at)];
    m_hidden.erase(it);
    m_widths.erase(m_widths.begin() + at);
    Rebuild();
    return true;
}

Integer TColumnVisibility::StoredWidth(RealCol Col) const
{
    const auto it = FindHidden(m_hidden, Col.Value());
    return it == m_hidden.end() ? 0 : m_widths[static_cast<size_t>(it - m_hidden.begin())];
}

void TColumnVisibility::InsertColumns(RealCol At, Integer Count)
{
    if (Count <= 0) return;
    for (auto it = std::lower_bound(m_hidden.begin(), m_hidden.end(), At.Value()); it != m_hidden.end(); ++it)
        *it += Count;
    Rebuild();
}

Integer TColumnVisibility::RemoveColumns(RealCol At, Integer Count)
{
    if (Count <= 0) return 0;
    const auto first = std::lower_bound(m_hidden.begin(), m_hidden.end(), At.Value());
    const auto last = std::lower_bound(first, m_hidden.end(), At.Value() + Count);
    const auto from = first - m_hidden.begin();
    const auto removed = static_cast<Integer>(last - first);
    for (auto it = last; it != m_hidden.end(); ++it) *it -= Count;
    m_hidden.erase(first, last);
    m_widths.erase(m_widths.begin() + from, m_widths.begin() + from + removed);
    Rebuild();
    return removed;
}

void TColumnVisibility::Rebuild()
{
    m_displToReal.clear();
    m_realToDispl.clear();
    if (m_hidden.empty()) return;
    const Integer end = m_hidden.back() + 1;
    m_realToDispl.resize(static_cast<size_t>(end));
    auto hidden = m_hidden.begin();
    for (Integer c = 0; c < end; ++c) {
        m_realToDispl[static_cast<size_t>(c)] = static_cast<Integer>(m_displToReal.size());
        if (hidden != m_hidden.end() && *hidden == c)
            ++hidden;
        else
            m_displToReal.push_back(c);
    }
}

}  // namespace gw
