// Whether the grid sizes the edited column and row to their content while the user types.
// The editing code acts on both flags; this record only holds them.
#pragma once

#include "platform/runtime/component.h"

namespace gw {

class TSizeWhileTyping : public TPersistent {
public:
    String ClassName() const override { return u"TSizeWhileTyping"; }

    // After each key released in the editor the edited column is sized to its content.
    bool Width = false;
    // The edited row is sized to its text after each key while word wrap is on, and on
    // Shift+Enter or Ctrl+Enter when cells are multi-line.
    bool Height = false;
};

}  // namespace gw
