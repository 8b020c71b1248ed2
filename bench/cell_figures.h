// What the cell benchmarks share: a stopwatch, the plain vector of rows of strings they are held
// against, and the heap's bytes in use.
#pragma once

#include "platform/runtime/types.h"

#include <malloc.h>

#include <chrono>
#include <functional>
#include <vector>

namespace gw::bench {

using TRows = std::vector<std::vector<String>>;

inline double Milliseconds(const std::function<void()>& Step)
{
    const auto start = std::chrono::steady_clock::now();
    Step();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The floor writes a cell as a grown vector of rows would.
inline void FloorSet(TRows& Floor, std::size_t Col, std::size_t Row, const String& Text)
{
    if (Floor.size() <= Row) Floor.resize(Row + 1);
    if (Floor[Row].size() <= Col) Floor[Row].resize(Col + 1);
    Floor[Row][Col] = Text;
}

// Bytes the heap gives out now.
inline std::size_t HeapInUse() { return mallinfo2().uordblks; }

}  // namespace gw::bench
