// TExtStringGrid: the inline editors of a cell's mark-up elements - opening the edit or the combo
// over one CONTROL tag, the walk to the cell's next edit-type element, and the value written
// back into the tag.
#include "grid/foundation/markup_renderer.h"
#include "grid/foundation/markup_text.h"
#include "grid/interaction/markup_control_editors.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "platform/runtime/strings.h"

namespace gw {

namespace {

bool IsEditElement(const String& Type) { return Type == u"EDIT" || Type == u"PASSWORD" || Type == u"MASK"; }

}  // namespace

TRect TExtStringGrid::MarkupControlArea(Integer ACol, Integer ARealCol, Integer ARow)
{
    // The check box and the wider offset stand on the side the text starts at: the right one
    // with right-to-left alignment, where the cell painter puts them.
    const Integer leading = XYOffset.X + 1 + (HasCheckBox(ARealCol, ARow) ? ControlLook()->CheckSize() : 0);
    const Integer trailing = XYOffset.X;
    const bool rightToLeft = UseRightToLeftAlignment();
    TRect r = CellRect(ACol, ARow);
    r.Left += rightToLeft ? trailing : leading;
    r.Right -= rightToLeft ? leading : trailing;
    r.Top += XYOffset.Y + 1;
    return r;
}

void TExtStringGrid::ShowNextControlEditor(Integer ACol, Integer ARow, const String& ID)
{
    const Integer real = RealColIndex(ACol);
    const String text = GetCellEx(real, ARow);
    const String next = NextEditControlID(text, ID);
    if (next.empty()) {
        if (CanFocus()) SetFocus();
        return;
    }
    // Laid out exactly as the press finds the element, so the editor covers what is drawn.
    TCanvas& canvas = *Canvas();
    TGridDrawState state = 0;
    GetFontProperties(ACol, real, ARow, state, *canvas.Font(), *canvas.Brush(), false);
    const TMarkupDrawResult found = DrawMarkupText({.Canvas = &canvas,
                                                    .Text = text,
                                                    .Rect = MarkupControlArea(ACol, real, ARow),
                                                    .HitTest = true,
                                                    .AnchorColor = URLColor,
                                                    .ControlID = next,
                                                    .PictureCache = m_imageCache.get(),
                              .PictureContainer = m_pictureContainer,
                              .BiDiMode = Byte(BiDiMode())});
    // An element the cell is too narrow to lay out has no place to open an editor over.
    if (found.ControlType.empty()) {
        if (CanFocus()) SetFocus();
        return;
    }
    ShowCellControlEditor(text, UpperCase(found.ControlType), next, found.ControlValue, found.ControlRect, ACol, real,
                          ARow);
}

void TExtStringGrid::ShowCellControlEditor(const String& Text, const String& CtrlType, const String& CtrlID,
                                           const String& CtrlValue, const TRect& CtrlRect, Integer ACol,
                                           Integer ARealCol, Integer ARow)
{
    const String type = UpperCase(CtrlType);
    if (!IsEditElement(type) && type != u"COMBO") return;
    FCtrlXY = {ARealCol, ARow};
    FCtrlID = CtrlID;
    FCtrlType = type;
    FCtrlEditing = true;
    const Integer maxLength = GetControlMaxLen(Text, CtrlID);
    if (IsEditElement(type)) {
        TControlEdit& edit = *MarkupEdit();
        edit.SetWidth(0);
        edit.SetPasswordChar(type == u"PASSWORD" ? u'*' : Char(0));
        edit.SetEditMask(type == u"MASK" ? GetControlProp(Text, CtrlID) : String());
        edit.OnExit = [this](TObject*) { StoreCellControlValue(); };
        edit.SetText(CtrlValue);
        edit.SetBorderStyle(bsNone);
        edit.SetBounds(CtrlRect.Left + 1, CtrlRect.Top + 8, CtrlRect.Right - CtrlRect.Left - 4, 14);
        edit.SetMaxLength(maxLength);
        edit.SetParent(this);
        edit.SetEnabled(true);
        edit.SetVisible(true);
        edit.BringToFront();
        if (edit.CanFocus()) edit.SetFocus();
        return;
    }
    TControlCombo& combo = *MarkupCombo();
    combo.IsWinXP = FIsWinXP;
    combo.SetWidth(0);
    combo.SetFlat(false);
    combo.SetBounds(CtrlRect.Left - 1, CtrlRect.Top + 4, CtrlRect.Right - CtrlRect.Left, combo.Height());
    combo.OnSelect = [this](TObject* Sender) { CellControlComboSelect(Sender); };
    combo.SetParent(this);
    combo.Items()->Clear();
    bool editable = true;
    Integer dropCount = 8;
    if (OnControlComboList)
        OnControlComboList(this, ARow, ACol, CtrlID, type, CtrlValue, combo.Items(), editable, dropCount);
    combo.SetStyle(editable ? csDropDown : csDropDownList);
    const Integer index = combo.Items()->IndexOf(CtrlValue);
    if (index >= 0) combo.SetItemIndex(index);
    combo.SetText(CtrlValue);
    combo.DropDownCount = dropCount;
    combo.OnExit = [this](TObject*) { StoreCellControlValue(); };
    combo.SetHeight(combo.ItemHeight() * (dropCount + 2));
    combo.SetMaxLength(maxLength);
    combo.SetEnabled(true);
    combo.SetVisible(true);
    combo.SetDroppedDown(true);
    if (combo.CanFocus()) combo.SetFocus();
}

void TExtStringGrid::StoreCellControlValue()
{
    if (!FCtrlEditing) return;
    FCtrlEditing = false;
    // A grid being freed takes no value (its editors may be going already).
    if (FDestroying) return;
    String value;
    TWinControl* editor = nullptr;
    if (IsEditElement(FCtrlType)) {
        editor = MarkupEdit();
        value = editor->Text();
    } else if (FCtrlType == u"COMBO") {
        editor = MarkupCombo();
        value = editor->Text();
    }
    if (editor) {
        editor->SetVisible(false);
        // A cell removed while its element was edited takes no value either.
        if (FCtrlXY.Y >= RowCount() || FCtrlXY.X >= TotalColCount()) {
            FCtrlType.clear();
            return;
        }
        String text = GetCellEx(FCtrlXY.X, FCtrlXY.Y);
        SetControlTagValue(text, FCtrlID, value);
        SetCellEx(FCtrlXY.X, FCtrlXY.Y, text);
    }
    if (OnControlEditDone) OnControlEditDone(this, FCtrlXY.Y, FCtrlXY.X, FCtrlID, FCtrlType, value);
    FCtrlType.clear();
}

void TExtStringGrid::CellControlComboSelect(TObject* /*Sender*/)
{
    if (!OnControlComboSelect) return;
    TControlCombo& combo = *MarkupCombo();
    const Integer index = combo.ItemIndex();
    const String item = index >= 0 && index < combo.Items()->Count() ? combo.Items()->Strings(index) : String();
    OnControlComboSelect(this, FCtrlXY.Y, FCtrlXY.X, index, FCtrlID, item);
}

}  // namespace gw
