// Rows of a defaults table: a setting's name, what a new object holds and what it should hold,
// compared as numbers or texts and shown readably when they differ.
#pragma once

#include "platform/runtime/types.h"
#include "platform/runtime/unicode.h"

#include <string>
#include <variant>

namespace gw::test {

using Value = std::variant<Int64, String>;

struct DefaultRow {
    const char* Name;
    Value Actual;
    Value Expected;
};

inline Value I(Int64 V) { return V; }
inline Value S(const String& V) { return V; }

inline std::string Show(const Value& V)
{
    if (const Int64* i = std::get_if<Int64>(&V)) return std::to_string(*i);
    return '"' + StringToUtf8(std::get<String>(V)) + '"';
}

}  // namespace gw::test
