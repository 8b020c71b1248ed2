// The program-wide regional settings, starting from the neutral English default.
#include "platform/runtime/format_settings.h"

namespace gw {

TFormatSettings FormatSettings;

}  // namespace gw
