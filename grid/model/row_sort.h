// Sorting rows as a permutation, then moving them once: the order is found by a stable merge sort
// of row indexes, and applied by exchanging rows along the permutation's cycles.
//
// The sort never leaves its bounds and always ends with a permutation, whatever the comparison
// answers: under `AutoFormat` a number against a word compares numerically one way and
// alphabetically the other, which is no strict weak order (std::sort with it is undefined).
// Rows that compare equal keep their order.
#pragma once

#include "platform/runtime/types.h"

#include <algorithm>
#include <vector>

namespace gw {

namespace detail {

// EListError unless Order holds each row of First..First + size - 1 once.
void CheckRowOrder(Integer First, const std::vector<Integer>& Order);

// Below this length a run is sorted by insertion before the merges.
constexpr Integer kInsertionRun = 16;

// Sorts Rows[First..Last) by insertion: a row moves before another only when it compares below.
template <class Compare>
void InsertionSortRun(std::vector<Integer>& Rows, size_t First, size_t Last, Compare& Cmp)
{
    for (size_t i = First + 1; i < Last; ++i) {
        const Integer row = Rows[i];
        size_t j = i;
        for (; j > First && Cmp(row, Rows[j - 1]) < 0; --j) Rows[j] = Rows[j - 1];
        Rows[j] = row;
    }
}

// Merges the sorted runs From[First..Middle) and From[Middle..Last) into To; a row of the right
// run goes first only when it compares below the left one.
template <class Compare>
void MergeRuns(const std::vector<Integer>& From, std::vector<Integer>& To, size_t First, size_t Middle, size_t Last,
               Compare& Cmp)
{
    size_t left = First, right = Middle, out = First;
    if (Middle < Last && Middle > First && Cmp(From[Middle], From[Middle - 1]) >= 0) {
        std::copy(From.begin() + static_cast<std::ptrdiff_t>(First), From.begin() + static_cast<std::ptrdiff_t>(Last),
                  To.begin() + static_cast<std::ptrdiff_t>(First));
        return;  // already in order
    }
    while (left < Middle && right < Last) To[out++] = Cmp(From[right], From[left]) < 0 ? From[right++] : From[left++];
    while (left < Middle) To[out++] = From[left++];
    while (right < Last) To[out++] = From[right++];
}

}  // namespace detail

// The rows First..Last (inclusive) in sorted order: entry k is the row whose contents belong at
// row First + k. Cmp(RowA, RowB) answers below 0 when RowA belongs before RowB; any answer is
// safe. Empty when Last < First.
template <class Compare>
std::vector<Integer> SortRowOrder(Integer First, Integer Last, Compare Cmp)
{
    std::vector<Integer> rows;
    if (Last < First) return rows;
    const size_t n = static_cast<size_t>(Last - First) + 1;
    rows.resize(n);
    for (size_t k = 0; k < n; ++k) rows[k] = First + static_cast<Integer>(k);
    const size_t run = static_cast<size_t>(detail::kInsertionRun);
    for (size_t first = 0; first < n; first += run)
        detail::InsertionSortRun(rows, first, std::min(first + run, n), Cmp);
    std::vector<Integer> other(n);
    for (size_t width = run; width < n; width *= 2) {
        for (size_t first = 0; first < n; first += 2 * width) {
            const size_t middle = std::min(first + width, n);
            detail::MergeRuns(rows, other, first, middle, std::min(first + 2 * width, n), Cmp);
        }
        rows.swap(other);
    }
    return rows;
}

// Puts the rows into Order (as SortRowOrder gives it, for the rows from First on) by exchanges,
// SwapRows(RowA, RowB) exchanging two rows: one walk along each cycle of the permutation, each
// exchange putting at least one row in its final place, so a cycle of n rows costs n - 1
// exchanges and rows already in place are never touched. Answers the number of exchanges.
// Raises EListError, before any exchange, when Order is not a permutation of First..First +
// size - 1.
template <class Swap>
Integer ApplyRowOrder(Integer First, const std::vector<Integer>& Order, Swap SwapRows)
{
    detail::CheckRowOrder(First, Order);
    const size_t n = Order.size();
    std::vector<bool> placed(n, false);
    Integer swaps = 0;
    for (size_t start = 0; start < n; ++start) {
        if (placed[start]) continue;
        // Position `at` receives the row now at Order[at]; the row that was at `start` travels
        // along the cycle in the exchanged slot until the cycle closes.
        size_t at = start;
        for (;;) {
            placed[at] = true;
            const size_t from = static_cast<size_t>(Order[at] - First);
            if (from == start) break;
            SwapRows(First + static_cast<Integer>(at), First + static_cast<Integer>(from));
            ++swaps;
            at = from;
        }
    }
    return swaps;
}

// What a group sort asks of a row.
struct TNodeRowInfo {
    bool IsNode = false;
    Integer Level = 0;
    bool Expanded = false;
    // The rows of the node, the node row included.
    Integer Span = 0;
};

// Inclusive rows First..Last.
struct TRowRange {
    Integer First = 0;
    Integer Last = -1;
    bool operator==(const TRowRange&) const = default;
};

// The groups a group sort sorts among the rows First..Last: the child rows of every expanded node
// at the deepest node level, for nodes with two children or more, cut at Last. Node rows, collapsed
// groups and groups of higher levels are not in them.
template <class NodeInfo>
std::vector<TRowRange> DeepestNodeGroups(Integer First, Integer Last, NodeInfo Info)
{
    std::vector<TNodeRowInfo> rows;
    Integer deepest = 0;
    for (Integer r = First; r <= Last; ++r) {
        rows.push_back(Info(r));
        if (rows.back().IsNode) deepest = std::max(deepest, rows.back().Level);
    }
    std::vector<TRowRange> groups;
    for (Integer r = First; r <= Last; ++r) {
        const TNodeRowInfo& node = rows[static_cast<size_t>(r - First)];
        if (!node.IsNode || !node.Expanded || node.Level != deepest || node.Span < 3) continue;
        const Integer last = std::min(Last, r + node.Span - 1);
        if (last > r + 1) groups.push_back({r + 1, last});
    }
    return groups;
}

}  // namespace gw
