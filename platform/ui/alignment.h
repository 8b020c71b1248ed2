// Horizontal alignment of a control's text (labels, edits, buttons).
#pragma once

namespace gw {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

}  // namespace gw
