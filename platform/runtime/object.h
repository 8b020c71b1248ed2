// The root of every class that takes part in events and ownership.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // The class name as the class library would give it ("TStringList"); used in messages.
    virtual String ClassName() const { return u"TObject"; }
};

}  // namespace gw
