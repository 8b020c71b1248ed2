// The string grid's two index spaces as distinct types, so that a displayed row can never be
// passed where a real one is meant without going through the mapping.
//
// A real index numbers every row or column, hidden ones included (the cell store keeps columns
// by real index); a displayed index numbers only those shown (`Col`, `Row`, `ColCount`,
// `RowCount`). Negative values are allowed in both spaces: -1 is "no cell" (`Col` can be -1)
// and maps to itself.
#pragma once

#include "platform/runtime/types.h"

#include <compare>

namespace gw {

template <class Space>
class TGridIndex {
public:
    constexpr TGridIndex() = default;
    constexpr explicit TGridIndex(Integer Value) : m_value(Value) {}

    constexpr Integer Value() const { return m_value; }

    friend constexpr bool operator==(TGridIndex, TGridIndex) = default;
    friend constexpr auto operator<=>(TGridIndex, TGridIndex) = default;

    // Steps within one space; the distance between two indexes of a space is a plain count.
    constexpr TGridIndex operator+(Integer Count) const { return TGridIndex(m_value + Count); }
    constexpr TGridIndex operator-(Integer Count) const { return TGridIndex(m_value - Count); }
    friend constexpr Integer operator-(TGridIndex A, TGridIndex B) { return A.m_value - B.m_value; }
    constexpr TGridIndex& operator+=(Integer Count)
    {
        m_value += Count;
        return *this;
    }
    constexpr TGridIndex& operator-=(Integer Count)
    {
        m_value -= Count;
        return *this;
    }
    constexpr TGridIndex& operator++()
    {
        ++m_value;
        return *this;
    }
    constexpr TGridIndex& operator--()
    {
        --m_value;
        return *this;
    }

private:
    Integer m_value = 0;
};

struct TRealColSpace;
struct TDispColSpace;
struct TRealRowSpace;
struct TDispRowSpace;

using RealCol = TGridIndex<TRealColSpace>;
using DispCol = TGridIndex<TDispColSpace>;
using RealRow = TGridIndex<TRealRowSpace>;
using DispRow = TGridIndex<TDispRowSpace>;

}  // namespace gw
