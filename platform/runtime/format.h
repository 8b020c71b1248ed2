// Format: the runtime's printf-like formatter (%d %u %x %s %f %e %g %n %m %p, width, precision,
// '-', '*', index specifiers such as %1:d). A bad format or a mismatched argument raises
// EConvertError with the runtime's message ("Format '%s' invalid or incompatible with argument").
#pragma once

#include "platform/runtime/types.h"

#include <initializer_list>
#include <variant>

namespace gw {

// One argument of Format, as the runtime's open array of constants carries it. Integers of any
// width travel as Int64, so %u and %x show a negative value that fits 32 bits as its 32-bit
// pattern (%x of -1 is "FFFFFFFF"). %d/%u/%x need an integer, %s a text or character,
// %e %f %g %n %m a floating value and %p a pointer; anything else is the runtime's error.
class TVarRec {
public:
    TVarRec(int v) : m_value(static_cast<Int64>(v)) {}
    TVarRec(unsigned v) : m_value(static_cast<Int64>(v)) {}
    TVarRec(long v) : m_value(static_cast<Int64>(v)) {}
    TVarRec(long long v) : m_value(static_cast<Int64>(v)) {}
    TVarRec(unsigned long v) : m_value(static_cast<Int64>(v)) {}
    TVarRec(double v) : m_value(v) {}
    // A single character is text, as in the runtime (it would otherwise promote to a number).
    TVarRec(Char v) : m_value(String(1, v)) {}
    TVarRec(const Char* v) : m_value(v ? String(v) : String()) {}
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
