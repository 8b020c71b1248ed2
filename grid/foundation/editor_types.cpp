// The names and families of the in-place editor kinds.
#include "grid/foundation/editor_types.h"

namespace gw {

const std::array<const char16_t*, EditorTypeCount> EditorTypeNames = {
    u"edNormal",
    u"edSpinEdit",
    u"edComboEdit",
    u"edComboList",
    u"edEditBtn",
    u"edCheckBox",
    u"edDateEdit",
    u"edDateEditUpDown",
    u"edTimeEdit",
    u"edButton",
    u"edDataCheckBox",
    u"edNumeric",
    u"edPositiveNumeric",
    u"edFloat",
    u"edCapital",
    u"edMixedCase",
    u"edPassword",
    u"edUnitEditBtn",
    u"edLowerCase",
    u"edUpperCase",
    u"edFloatSpinEdit",
    u"edTimeSpinEdit",
    u"edDateSpinEdit",
    u"edNumericEditBtn",
    u"edFloatEditBtn",
    u"edCustom",
    u"edRichEdit",
    u"edNone",
    u"edDateTimeEdit",
    u"edValidChars",
    u"edTrackbarDropDown",
    u"edMemoDropDown",
    u"edCalculatorDropDown",
    u"edTimePickerDropDown",
    u"edDetailDropDown",
    u"edGridDropDown",
    u"edColorPickerDropDown",
    u"edImagePickerDropDown",
    u"edExtGridDropDown",
    u"edPositiveFloat",
    u"edNumericUnitEditBtn",
    u"edFloatUnitEditBtn",
    u"edMaskEditBtn",
};

TEditorFamily EditorFamily(TEditorType Type)
{
    switch (Type) {
    case edNormal:
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edCapital:
    case edMixedCase:
    case edPassword:
    case edLowerCase:
    case edUpperCase:
    case edValidChars:
    case edPositiveFloat: return efText;
    case edComboEdit:
    case edComboList: return efCombo;
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit: return efSpin;
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn: return efEditButton;
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn: return efUnitEditButton;
    case edTrackbarDropDown:
    case edMemoDropDown:
    case edCalculatorDropDown:
    case edTimePickerDropDown:
    case edDetailDropDown:
    case edGridDropDown:
    case edColorPickerDropDown:
    case edImagePickerDropDown:
    case edExtGridDropDown: return efDropDown;
    default: return efOther;
    }
}

}  // namespace gw
