// One axis of the grid: the default size, the exceptions and their running sums.
#include "platform/grids/grid_axis.h"

#include <algorithm>

namespace gw {

void TGridAxis::SetCount(Integer Value)
{
    m_count = std::max(Value, 0);
    const std::size_t keep = LowerBound(m_count);
    if (keep < m_exceptions.size()) {
        m_exceptions.resize(keep);
        Changed();
    }
}

void TGridAxis::SetDefaultSize(Integer Value)
{
    m_defaultSize = std::max(Value, 0);
    m_exceptions.clear();
    Changed();
}

std::size_t TGridAxis::LowerBound(Integer Index) const
{
    auto it = std::lower_bound(m_exceptions.begin(), m_exceptions.end(), Index,
                               [](const TException& E, Integer I) { return E.Index < I; });
    return std::size_t(it - m_exceptions.begin());
}

Integer TGridAxis::Size(Integer Index) const
{
    const std::size_t k = LowerBound(Index);
    return k < m_exceptions.size() && m_exceptions[k].Index == Index ? m_exceptions[k].Size : m_defaultSize;
}

void TGridAxis::SetSize(Integer Index, Integer Value)
{
    if (Index < 0 || Index >= m_count) return;
    Value = std::max(Value, 0);
    const std::size_t k = LowerBound(Index);
    const bool present = k < m_exceptions.size() && m_exceptions[k].Index == Index;
    if (Value == m_defaultSize) {
        if (!present) return;
        m_exceptions.erase(m_exceptions.begin() + std::ptrdiff_t(k));
    } else if (present) {
        if (m_exceptions[k].Size == Value) return;
        m_exceptions[k].Size = Value;
    } else {
        m_exceptions.insert(m_exceptions.begin() + std::ptrdiff_t(k), {Index, Value});
    }
    Changed();
}

int64_t TGridAxis::Delta(std::size_t N) const
{
    if (!m_deltaValid) {
        m_delta.resize(m_exceptions.size() + 1);
        m_delta[0] = 0;
        for (std::size_t k = 0; k < m_exceptions.size(); ++k)
            m_delta[k + 1] = m_delta[k] + m_exceptions[k].Size - m_defaultSize;
        m_deltaValid = true;
    }
    return m_delta[N];
}

int64_t TGridAxis::Start(Integer Index) const
{
    Index = std::clamp(Index, 0, m_count);
    return int64_t(Index) * Stride() + Delta(LowerBound(Index));
}

Integer TGridAxis::IndexAt(int64_t Position) const
{
    if (Position < 0) return -1;
    if (Position >= Start(m_count)) return m_count;
    // The last exception starting at or before Position.
    std::size_t lo = 0, hi = m_exceptions.size();
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (int64_t(m_exceptions[mid].Index) * Stride() + Delta(mid) <= Position)
            lo = mid + 1;
        else
            hi = mid;
    }
    Integer first = 0;
    int64_t firstStart = 0;
    if (lo > 0) {
        const TException& e = m_exceptions[lo - 1];
        const int64_t start = int64_t(e.Index) * Stride() + Delta(lo - 1);
        if (Position < start + e.Size + m_lineWidth) return e.Index;
        first = e.Index + 1;
        firstStart = start + e.Size + m_lineWidth;
    }
    // Default items from `first` up to the next exception, which starts beyond Position; with
    // a stride of 0 no position lies among them, so this is not reached then.
    if (Stride() == 0) return m_count;
    return first + Integer((Position - firstStart) / Stride());
}

void TGridAxis::Move(Integer From, Integer To)
{
    if (From == To || m_exceptions.empty()) return;
    for (TException& e : m_exceptions) {
        if (e.Index == From)
            e.Index = To;
        else if (From < To && e.Index > From && e.Index <= To)
            --e.Index;
        else if (To < From && e.Index >= To && e.Index < From)
            ++e.Index;
    }
    std::sort(m_exceptions.begin(), m_exceptions.end(),
              [](const TException& A, const TException& B) { return A.Index < B.Index; });
    Changed();
}

}  // namespace gw
