// The kinds of in-place editor a grid cell, a column or a table definition can ask for.
//
// The ordinal is the value stored in settings and streams, so the order never changes.
#pragma once

#include "platform/runtime/types.h"

#include <array>

namespace gw {

enum TEditorType : uint8_t {
    edNormal,
    edSpinEdit,
    edComboEdit,
    edComboList,
    edEditBtn,
    edCheckBox,
    edDateEdit,
    edDateEditUpDown,
    edTimeEdit,
    edButton,
    // No editor: the cell shows a check box whose state is its text compared with the check texts.
    edDataCheckBox,
    edNumeric,
    edPositiveNumeric,
    edFloat,
    edCapital,
    edMixedCase,
    edPassword,
    edUnitEditBtn,
    edLowerCase,
    edUpperCase,
    edFloatSpinEdit,
    edTimeSpinEdit,
    edDateSpinEdit,
    edNumericEditBtn,
    edFloatEditBtn,
    // The editor of the grid's edit link, supplied by the application.
    edCustom,
    edRichEdit,
    // The cell is not edited at all.
    edNone,
    edDateTimeEdit,
    edValidChars,
    edTrackbarDropDown,
    edMemoDropDown,
    edCalculatorDropDown,
    edTimePickerDropDown,
    edDetailDropDown,
    edGridDropDown,
    edColorPickerDropDown,
    edImagePickerDropDown,
    edExtGridDropDown,
    edPositiveFloat,
    edNumericUnitEditBtn,
    edFloatUnitEditBtn,
    edMaskEditBtn,
};

constexpr Integer EditorTypeCount = edMaskEditBtn + 1;

// The names of the values, indexed by ordinal, as settings and cell streams spell them.
extern const std::array<const char16_t*, EditorTypeCount> EditorTypeNames;

// Which editor control serves a type; the types of efOther each have an editor of their own
// (check box, date pickers, button, rich edit, the application's editor) or none.
enum TEditorFamily : uint8_t {
    efText,  // the grid's in-place text edit, with the type's character rules
    efCombo,
    efSpin,
    efEditButton,
    efUnitEditButton,
    efDropDown,
    efOther,
};

TEditorFamily EditorFamily(TEditorType Type);

}  // namespace gw
