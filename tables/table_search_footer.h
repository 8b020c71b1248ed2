// The search footer as every table window of the configurator sets it up.
#pragma once

namespace gw {

class TExtStringGrid;

// The footer's captions and hints in English, the footer hidden until Ctrl+F opens it.
void Set_Search_Footer_Texts(TExtStringGrid& Grid);

}  // namespace gw
