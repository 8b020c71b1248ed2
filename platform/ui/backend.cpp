// The one back end the window system talks to.
#include "platform/ui/backend.h"

#include "platform/runtime/exceptions.h"

namespace gw {

namespace {
TBackend* g_backend = nullptr;
}

TBackend& Backend()
{
    if (!g_backend) throw EInvalidOperation(u"No display back end is installed");
    return *g_backend;
}

bool HasBackend() { return g_backend != nullptr; }

void SetBackend(TBackend* Value) { g_backend = Value; }

}  // namespace gw
