// Format: the runtime's printf-like formatter (%d %u %x %s %f %e %g %n %m %p, width, precision,
// '-', '*', index specifiers such as %1:d). A bad format or a mismatched argument raises
// EConvertError with the runtime's message ("Format '%s' invalid or incompatible with argument").
#pragma once

#include "platform/runtime/types.h"

#include <initializer_list>
#include <variant>

namespace gw {

// One argument of Format, as the runtime's open array of constants carries it.
class TVarRec {
public:
    TVarRec(int v) : m_value(static_cast<Int64>(v)) {}
    TVarRec(unsigned v) : m_value(static_cast<Int64>(v)) {}
    TVarRec(long v) : m_value(static_cast<Int64>(v)) {}
    TVarRec(long long v) : m_value(static_cast<Int64>(v)) {}
    TVarRec(unsigned long v) : m_value(static_cast<Int64>(v)) {}
    TVarRec(double v) : m_value(v) {}
    TVarRec(const Char* v) : m_value(String(v)) {}
    TVarRec(StringView v) : m_value(String(v)) {}
    TVarRec(const String& v) : m_value(v) {}
    TVarRec(const void* v) : m_value(v) {}
    TVarRec(bool v) : m_value(static_cast<Int64>(v)) {}

    using Value = std::variant<Int64, double, String, const void*>;
    const Value& value() const { return m_value; }

private:
    Value m_value;
};

String Format(StringView Fmt, std::initializer_list<TVarRec> Args);

}  // namespace gw
