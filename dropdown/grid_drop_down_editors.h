// The entry through which the program and the tests hand the grid the drop-down editors.
#pragma once

namespace gw {

// Registers, by editor type, every drop-down in-place editor that dropdown/ provides with the
// grid (grid/interaction/drop_down_editors.h). Called once by the program at start and by the
// main of the tests that use the grid; calling it again changes nothing. Each drop-down editor
// adds its registration here when it is built; none is yet.
void RegisterGridDropDownEditors();

}  // namespace gw
