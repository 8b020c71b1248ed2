// The floating footer's custom template: text with placeholders "<#n>" that stand for the text
// of column n in the current row.
#pragma once

#include "platform/runtime/types.h"

#include <functional>

namespace gw {

// Template with each "<#n>" replaced by CellText(n): n read by the program's integer conversion;
// a placeholder whose n is no integer is dropped. A "<#" without a ">" after it ends the
// expansion: it and the rest of the template are kept as text.
String ExpandTemplate(StringView Template, const std::function<String(Integer ACol)>& CellText);

}  // namespace gw
