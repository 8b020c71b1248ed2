// The string grid's choice of the application's hint window.
#include "grid/interaction/html_hint_window.h"
#include "grid/model/ext_string_grid.h"
#include "platform/ui/application.h"

namespace gw {

void TExtStringGrid::SetUseHTMLHints(bool Value)
{
    Application->HintWindowClass = Value ? &MakeHintWindow<THTMLHintWindow> : nullptr;
}

}  // namespace gw
