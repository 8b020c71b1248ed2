// The cell texts the highlight benchmarks search: 100,000 texts of a gateway table (names,
// addresses, values, some with "&", quotes or angle brackets), 1 % holding the search text.
#pragma once

#include "platform/runtime/unicode.h"

#include <string>
#include <vector>

namespace gw::bench {

inline constexpr size_t kCells = 100000;
inline constexpr const char16_t* kSearch = u"needle";

// Deterministic texts: names, addresses, values, some with "&" or quotes; every 100th holds the
// search text.
inline const std::vector<String>& CellTexts()
{
    static const std::vector<String> cells = [] {
        const char* words[] = {"Modbus", "BACnet", "Gateway", "analog", "input", "Zone", "Slave", "Alarm"};
        std::vector<String> out;
        out.reserve(kCells);
        for (size_t i = 0; i < kCells; ++i) {
            const std::string n = std::to_string(i * 7919 % 100000);
            const std::string w = words[i % 8];
            std::string cell;
            switch (i % 5) {
            case 0: cell = w + " " + n; break;
            case 1: cell = "192.168." + std::to_string(i % 256) + "." + std::to_string(i % 100); break;
            case 2: cell = w + " & " + n; break;
            case 3: cell = "\"" + w + "\" <" + n + ">"; break;
            default: cell = n + ".50"; break;
            }
            if (i % 100 == 0) cell += " needle";
            out.push_back(Utf8ToString(cell));
        }
        return out;
    }();
    return cells;
}

}  // namespace gw::bench
