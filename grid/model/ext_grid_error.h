// The string grid's own error: what its operations raise on cell content or a call they cannot
// serve ("Cell does not contain a float value", "No indexes specified for indexed sort").
#pragma once

#include "platform/runtime/exceptions.h"

namespace gw {

class EExtGridError : public Exception {
public:
    using Exception::Exception;
};

}  // namespace gw
