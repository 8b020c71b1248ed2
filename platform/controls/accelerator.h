// Accelerator keys of captions: "&File" is reached with Alt+F (or F alone in a dialog).
#pragma once

#include "platform/runtime/types.h"

namespace gw {

// The accelerator character of a caption ("&&" is a literal ampersand), 0 when there is none.
Char GetHotkeyChar(StringView Caption);
// The caption as shown: single ampersands removed, "&&" kept as one.
String StripHotkey(StringView Caption);
// True when Key (a character code) is the caption's accelerator, letters without case.
bool IsAccel(Word Key, StringView Caption);

}  // namespace gw
