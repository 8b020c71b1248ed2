// The runtime's exception base.
#include "platform/runtime/exceptions.h"

#include "platform/runtime/unicode.h"

namespace gw {

Exception::Exception(String message) : m_message(std::move(message)), m_utf8(StringToUtf8(m_message)) {}

void Exception::SetMessage(String message)
{
    m_message = std::move(message);
    m_utf8 = StringToUtf8(m_message);
}

void Abort() { throw EAbort(String()); }

}  // namespace gw
