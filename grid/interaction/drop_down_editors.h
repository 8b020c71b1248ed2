// The seam through which dropdown/ lends the grid its drop-down in-place editors, by editor type.
#pragma once

#include <functional>

namespace gw {

class TWinControl;

// The grid's in-place editor kinds. Declared here without its values so that the seam does not
// wait for the cell store, whose header completes it (edNormal = 0 .. edMaskEditBtn = 42) with
// the same underlying type.
enum TEditorType : int;

// Makes the drop-down editor of one kind for a grid: owned by the grid and a child of it,
// hidden until the grid shows it.
using TDropDownEditorFactory = std::function<TWinControl*(TWinControl* Grid)>;

// How it is used: dropdown/ registers a factory for each drop-down editor type it provides
// (RegisterGridDropDownEditors, called by the program at start and by the tests' main, never
// from a static initialiser, which the linker drops with an object file nobody references).
// The grid, asked to edit a cell of such a type, takes FindDropDownEditor(type) the first time,
// makes the editor with it and keeps it; without a factory it edits the cell as text.

// Registers Factory for Type; a later registration of the same type replaces the earlier one.
void RegisterDropDownEditor(TEditorType Type, TDropDownEditorFactory Factory);
// The factory registered for Type, nullptr when there is none.
const TDropDownEditorFactory* FindDropDownEditor(TEditorType Type);

}  // namespace gw
