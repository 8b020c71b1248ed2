// The runtime's exception family: one base with a message, and the kinds callers tell apart.
#pragma once

#include "platform/runtime/types.h"

#include <exception>
#include <string>

namespace gw {

class Exception : public std::exception {
public:
    explicit Exception(String message);

    const String& Message() const { return m_message; }
    void SetMessage(String message);
    // The message in UTF-8, for std::exception users and test output.
    const char* what() const noexcept override { return m_utf8.c_str(); }

private:
    String m_message;
    std::string m_utf8;
};

#define GW_EXCEPTION(Name, Base)                                                                                       \
    class Name : public Base {                                                                                         \
    public:                                                                                                            \
        using Base::Base;                                                                                              \
    };

GW_EXCEPTION(EConvertError, Exception)
GW_EXCEPTION(EListError, Exception)
GW_EXCEPTION(EStringListError, Exception)
GW_EXCEPTION(EStreamError, Exception)
GW_EXCEPTION(EReadError, EStreamError)
GW_EXCEPTION(EWriteError, EStreamError)
GW_EXCEPTION(EFileStreamError, EStreamError)
GW_EXCEPTION(EFOpenError, EFileStreamError)
GW_EXCEPTION(EFCreateError, EFileStreamError)
GW_EXCEPTION(EFilerError, EStreamError)
GW_EXCEPTION(EClassNotFound, EFilerError)
GW_EXCEPTION(EInOutError, Exception)
GW_EXCEPTION(EInvalidOperation, Exception)
GW_EXCEPTION(EInvalidPointer, Exception)
GW_EXCEPTION(EInvalidCast, Exception)
GW_EXCEPTION(EComponentError, Exception)
GW_EXCEPTION(EResNotFound, Exception)
GW_EXCEPTION(EOutOfResources, Exception)
GW_EXCEPTION(EIntError, Exception)
GW_EXCEPTION(ERangeError, EIntError)
GW_EXCEPTION(EDivByZero, EIntError)
GW_EXCEPTION(EMathError, Exception)
GW_EXCEPTION(EOverflow, EMathError)
GW_EXCEPTION(EZeroDivide, EMathError)
GW_EXCEPTION(EAbort, Exception)
GW_EXCEPTION(EOSError, Exception)
GW_EXCEPTION(EXmlError, Exception)
GW_EXCEPTION(EIniFileException, Exception)

#undef GW_EXCEPTION

// Raises EAbort with an empty message: the silent exception that ends an operation.
[[noreturn]] void Abort();

}  // namespace gw
