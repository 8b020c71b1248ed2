// TExtStringGrid: the left mouse button's press on the grid - what a press on a cell, its check
// box, radio items, rating, button or the anchors and controls of its mark-up text means - and
// the mouse-down override around the base grid's own press.
#include "grid/foundation/csv_utils.h"
#include "grid/foundation/markup_renderer.h"
#include "grid/foundation/markup_text.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/foundation/sync_grid.h"
#include "grid/foundation/text_utils.h"
#include "grid/interaction/pointer_rules.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/show_modified.h"
#include "platform/net/shell_open.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/strings.h"
#include "platform/ui/message_records.h"
#include "platform/ui/window_system.h"

#include <algorithm>

namespace gw {

namespace {

// The one shift value the press's OnMouseDown calls carry: Alt before Shift before Ctrl.
TShiftState PressShift()
{
    if (GetKeyState(VK_MENU) < 0) return ssAlt;
    if (GetKeyState(VK_SHIFT) < 0) return ssShift;
    if (GetKeyState(VK_CONTROL) < 0) return ssCtrl;
    return 0;
}

// The selection with its right column and bottom row left out: a press there counts as outside.
bool InsideSelectionOpen(const TGridRect& S, Integer ACol, Integer ARow)
{
    const Integer left = std::min(S.Left, S.Right), right = std::max(S.Left, S.Right);
    const Integer top = std::min(S.Top, S.Bottom), bottom = std::max(S.Top, S.Bottom);
    return ACol >= left && ACol < right && ARow >= top && ARow < bottom;
}

bool IsControlAnchor(const TMarkupDrawResult& Hit) { return !Hit.ControlID.empty(); }

// A press on a merged cell that is not fixed, while OnMouseDown is not assigned, is moved into
// the base cell, 2 pixels inside its top-left corner, so that the base grid's press selects the
// base cell. Right to left the columns run leftwards: the point moves right by the extents of
// the columns from the base column to the pressed one, the same distance from the base column's
// right edge as it had from the pressed one's.
void MovePressIntoBaseCell(const TBaseGrid& G, TMessage& Message, Integer ACol, Integer RealCol, Integer ARow,
                           Integer BaseCol, const TRect& BaseRect)
{
    const bool fixed = ACol < G.FixedCols() || ARow < G.FixedRows() || G.IsFixed(ACol, ARow);
    const TPoint base = G.BaseCell(RealCol, ARow);
    if (G.OnMouseDown || fixed || !G.IsMergedCell(base.X, base.Y)) return;
    TPoint at{BaseRect.Left + 2, BaseRect.Top + 2};
    if (G.UseRightToLeftAlignment()) {
        at.X = TWMMouse(Message).Pos.X;
        for (Integer c = BaseCol; c < ACol; ++c) at.X += G.ColWidths(c) + G.GridLineWidth();
    }
    Message.LParam = PointToLParam(at);
}

}  // namespace

// The release (and every move of a selecting drag) over a piece of a merged cell whose base cell
// is the current cell or the anchor stays on that base cell, where the press put them: the merged
// cell is one cell to the pointer, also when a drag comes back to it. A piece of any other merged
// cell is a cell of a range like any other.
TGridCoord TExtStringGrid::PointedCell(Integer ACol, Integer ARow) const
{
    const TPoint base = BaseCell(RealColIndex(ACol), ARow);
    if (!IsMergedCell(base.X, base.Y)) return {ACol, ARow};
    const TGridCoord at{DisplColIndex(base.X), base.Y};
    if (at != Anchor() && at != TGridCoord{Col(), Row()}) return {ACol, ARow};
    return at;
}

void TExtStringGrid::WMLButtonDown(TMessage& Message)
{
    const TPoint at = TWMMouse(Message).Pos;
    FDoOnClick = FMouseDownMove = FMouseKeepDown = true;
    const TGridRect before = Selection();
    Integer col = -1, row = -1;
    MouseToCell(at.X, at.Y, col, row);
    if (OnSelectionResizer(at.X, at.Y)) {
        StartSelectionResize(Message, before, true);
        return;
    }
    if ((Options() & goEditing) && MouseActions()->RangeSelectAndEdit && !InsideSelectionOpen(Selection(), col, row))
        SetOptions(Options() & ~TGridOptions(goEditing));
    bool allow = true;
    if (OnCanClickCell) OnCanClickCell(this, row, col, allow);
    if (!allow) return;
    if (MouseSelectMode == msResize) {
        StartSelectionResize(Message, before, false);
        return;
    }
    if (MouseActions()->DisjunctCellSelect() && PressShift() != ssCtrl && col >= 0 && row >= 0 && !IsFixed(col, row)) {
        m_selectedCells->Clear();
        Invalidate();
    }
    SearchInc.clear();
    FSelectionClick = false;
    FPushedCellButton = {-1, -1};
    FOldLeftCol = LeftCol();
    FOldTopRow = TopRow();
    // The hot header is drawn pressed from now on.
    if (Look() == glListView) RepaintHotFixedCell();
    Clickposx = at.X;
    Clickposy = at.Y;
    if (col < 0 || row < 0) {
        HideInplaceEdit();
        if (!FixedRowAlways) TBaseGrid::WndProc(Message);
        return;
    }
    const TPoint base = BaseCell(RealColIndex(col), row);
    const Integer baseCol = DisplColIndex(base.X), baseRow = base.Y;
    if (MouseActions()->CaretPositioning) LButFlg = true;
    if (PressFixedSizing(at.X, at.Y)) return;
    if (baseCol < FixedCols() || baseRow < FixedRows() || IsFixed(baseCol, baseRow)) HideInplaceEdit();
    PressFixedCellButton(baseCol, baseRow, at.X, col < FixedCols() || row < FixedRows());
    const TRect r = CellRect(baseCol, baseRow);
    if (PressCellGraphic(baseCol, baseRow, at.X, at.Y, r, Message)) return;
    MovePressIntoBaseCell(*this, Message, col, RealColIndex(col), row, baseCol, r);
    if (baseCol >= ColCount() || baseRow >= RowCount()) {
        TBaseGrid::WndProc(Message);
        return;
    }
    const TShiftState shift = TWMMouse(Message).Shift() | (GetKeyState(VK_MENU) < 0 ? ssAlt : 0);
    if (PressDisjunct(baseCol, baseRow, shift, before, Message)) return;
    if (PressMarkup(col, row, baseCol, baseRow, at.X, at.Y)) return;
    PressHeaderSelect(baseCol, baseRow, shift);
    if (PressCheckBox(baseCol, baseRow, at.X, at.Y)) return;
    PressCell(baseCol, baseRow, at.X, at.Y, r, Message);
}

// Radio groups, ratings and cell buttons take the press themselves; true when one did.
bool TExtStringGrid::PressCellGraphic(Integer ACol, Integer ARow, Integer X, Integer Y, const TRect& R,
                                      TMessage& /*Message*/)
{
    const Integer real = RealColIndex(ACol);
    if (!IsDesigning() && PressNodeGlyph(ACol, ARow, X, Y, R)) return true;
    if (!IsDesigning() && IsRadio(real, ARow) && (IsEditable(ACol, ARow) || ControlLook()->RadioAlwaysActive)) {
        HideInplaceEdit();
        HitCellRadio(real, ARow, X - R.Left, Y - R.Top);
        if (CanFocus()) SetFocus();
        return true;
    }
    if (!IsDesigning() && PressSelectionForDrag(ACol, ARow, X, Y, R)) return true;
    if (HasRating(real, ARow) && IsEditable(ACol, ARow)) {
        HideInplaceEdit();
        double rate = RatingAtOffset(X - R.Left);
        if (DoRatingChange(real, ARow, rate)) {
            SetFloats(real, ARow, rate);
            RepaintCell(ACol, ARow);
        }
        return true;
    }
    const bool button = HasButton(real, ARow), expand = !button && HasExpand(real, ARow);
    if (!button && !expand) return false;
    HideInplaceEdit();
    if (!IsFixed(ACol, ARow)) {
        TTemporaryChange<bool> force(FForceSel, true);
        SelectCell(ACol, ARow);
    }
    if (!PtInRect(button ? CellButtonRect(ACol, ARow) : CellExpandRect(ACol, ARow), {X, Y})) return false;
    // The button's click fires on the release.
    PushButton(ACol, ARow, true);
    FPushedCellButton = {ACol, ARow};
    SetCapture(Handle());
    if (OnClickCell) OnClickCell(this, ARow, ACol);
    return true;
}

// A press on a data row's node glyph expands or contracts its node, when the handlers allow.
bool TExtStringGrid::PressNodeGlyph(Integer ACol, Integer ARow, Integer X, Integer Y, const TRect& R)
{
    if (RealColIndex(ACol) != 0 || ARow < FixedRows() || !IsNode(ARow) || !IsOnNodeGlyph(ARow, X - R.Left))
        return false;
    if (OnMouseDown) OnMouseDown(this, mbLeft, PressShift(), X, Y);
    if (OnClickCell) OnClickCell(this, ARow, ACol);
    const Integer realRow = RealRowIndex(ARow);
    const bool contracted = GetNodeState(ARow);
    bool allow = true;
    const TNodeAllowEvent& before = contracted ? OnBeforeExpandNode : OnBeforeContractNode;
    if (before) before(this, ARow, realRow, allow);
    if (allow) {
        if (contracted)
            ExpandNode(realRow);
        else
            ContractNode(realRow);
        const TNodeEvent& after = contracted ? OnExpandNode : OnContractNode;
        if (after) after(this, ARow, realRow);
    }
    if (MouseActions()->MoveRowOnNodeClick) SetRowEx(ARow);
    return true;
}

void TExtStringGrid::HitCellRadio(Integer ACol, Integer ARow, Integer X, Integer Y)
{
    const TPoint base = BaseCell(ACol, ARow);
    TCellGraphic* g = GetCellGraphic(base.X, base.Y);
    if (!g || g->CellType != ctRadio || !g->Strings()) return;
    const Integer displCol = MapRealToDisplCol(base.X);
    TCanvas& canvas = *Canvas();
    TGridDrawState state = 0;
    GetFontProperties(displCol, base.X, base.Y, state, *canvas.Font(), *canvas.Brush(), false);
    if (!IsFixed(displCol, base.Y)) FocusCell(displCol, base.Y);
    const Integer spacing = ControlLook()->ControlStyle() >= csWinXP ? 16 : ControlLook()->RadioSize();
    const TStrings& items = *g->Strings();
    std::vector<Integer> sizes;
    for (Integer i = 0; i < items.Count(); ++i)
        sizes.push_back(g->CellBoolean ? canvas.TextWidth(items.Strings(i)) + spacing
                                       : std::max(spacing, canvas.TextHeight(u"gh")));
    const Integer hit = ItemAtOffset(sizes, g->CellBoolean ? X : Y);
    if (hit < 0) return;
    if (g->CellIndex != -1)
        g->CellIndex = hit;
    else
        SetCellEx(base.X, base.Y, items.Strings(hit));
    // Written once more so that the change notifications run for either kind of group.
    SetCellEx(base.X, base.Y, GetCellEx(base.X, base.Y));
    SetRadioIdx(base.X, base.Y, hit);
    if (OnRadioClick) OnRadioClick(this, displCol, base.Y, hit);
}

// Anchors and CONTROL tags of the cell text; true when the press was theirs. PressCol and
// PressRow are the pressed cell itself, ACol and ARow the base cell of its merge.
bool TExtStringGrid::PressMarkup(Integer PressCol, Integer PressRow, Integer ACol, Integer ARow, Integer X, Integer Y)
{
    const Integer real = RealColIndex(ACol);
    const String text = GetCellEx(real, ARow);
    const bool markup = ClassifyCellText(text, EnableHTML) == ctkMarkup;
    if (!URLShow() && !markup) return false;
    TMarkupDrawResult hit;
    if (!markup) {
        if (IsURL(text)) hit.AnchorValue = text;
    } else {
        hit = MarkupHitAt(ACol, ARow, X, Y, text);
    }
    if (hit.AnchorValue.empty()) {
        if (!markup || UpperCase(text).find(u"<CONTROL") == String::npos) return false;
        if (OnClickCell) OnClickCell(this, PressRow, PressCol);
        HideInplaceEdit();
        FocusCell(ACol, ARow);
        return true;
    }
    bool autoHandle = true;
    bool canEdit = ((Options() & goEditing) || FEditDisable) && !GetReadOnly(RealColIndex(PressCol), PressRow);
    if (IsControlAnchor(hit)) DoCanEditCell(PressCol, PressRow, canEdit);
    if (IsControlAnchor(hit) && canEdit)
        autoHandle = !PressControl(ACol, real, ARow, hit);
    else if (OnAnchorClick)
        OnAnchorClick(this, ARow, ACol, hit.AnchorValue, autoHandle);
    if (autoHandle && !IsControlAnchor(hit)) FollowAnchor(ARow, ACol, hit.AnchorValue);
    return true;
}

// A cell anchor makes its cell current; any other goes to the shell, which opens web and mail
// links and documents only: an anchor is text from files and imports, and a click must never
// run a program.
void TExtStringGrid::FollowAnchor(Integer /*ARow*/, Integer /*ACol*/, const String& Anchor)
{
    if (!IsCellAnchor(Anchor)) {
        ShellOpen(Anchor);
        return;
    }
    Integer col = -1, row = -1;
    if (!CellAnchorTarget(Anchor, col, row) || col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return;
    FocusCell(col, row);
}

// A CONTROL tag that may be edited: a button shows pressed until the release, a check box flips,
// a radio button becomes the text's only one set. The handler hears the value before the press.
bool TExtStringGrid::PressControl(Integer ACol, Integer ARealCol, Integer ARow, const TMarkupDrawResult& Hit)
{
    // An element still being edited is written back first, so the text read next holds it.
    StoreCellControlValue();
    String text = GetCellEx(ARealCol, ARow);
    const String type = UpperCase(Hit.ControlType);
    if (type == u"BUTTON") {
        FCtrlXY = {ARealCol, ARow};
        FCtrlDown = true;
        RepaintCell(ACol, ARow);
    } else if (type == u"CHECK") {
        SetControlTagValue(text, Hit.ControlID, UpperCase(Hit.ControlValue) == u"TRUE" ? u"FALSE" : u"TRUE");
        SetCellEx(ARealCol, ARow, text);
    } else if (type == u"RADIO") {
        text = ClearRadioControls(text);
        SetControlTagValue(text, Hit.ControlID, u"TRUE");
        SetCellEx(ARealCol, ARow, text);
    }
    if (OnControlClick) OnControlClick(this, ARow, ACol, Hit.ControlID, type, Hit.ControlValue);
    ShowCellControlEditor(text, type, Hit.ControlID, Hit.ControlValue, Hit.ControlRect, ACol, ARealCol, ARow);
    return true;
}

// A press on a cell's check box or radio button; true when it toggled one.
bool TExtStringGrid::PressCheckBox(Integer ACol, Integer ARow, Integer X, Integer Y)
{
    const Integer real = RealColIndex(ACol);
    bool canEdit = (Options() & goEditing) || MouseActions()->RangeSelectAndEdit;
    CanEditCell(real, ARow, canEdit);
    if (!canEdit && !ControlLook()->CheckAlwaysActive && !(real == 0 && MouseActions()->HotmailRowSelect()))
        return false;
    if (!IsInCheckBox(real, ARow, X, Y)) return false;
    HideInplaceEdit();
    if (CanFocus()) SetFocus();
    if (HasRadioButton(real, ARow)) {
        ToggleCellRadioButton(real, ARow, true);
        if (OnRadioButtonClick) OnRadioButtonClick(this, real, ARow);
    } else {
        ToggleCellCheckBox(real, ARow, true);
        if (real == 0 && MouseActions()->HotmailRowSelect()) SelectCheckedRow(ARow);
    }
    if (ShowModified()->Enabled) {
        SetRowModified(ARow, true);
        RepaintCell(0, ARow);
    }
    bool state = false;
    GetCheckBoxState(real, RealRowIndex(ARow), state);
    if (!Navigation()->AlwaysEdit && ACol >= FixedCols() && ARow >= FixedRows() && !IsFixed(ACol, ARow))
        FocusCell(ACol, ARow);
    DoCheckBoxClick(ACol, ARow, state);
    if (HideFocusRect) RepaintCell(ACol, ARow);
    if (ARow < FixedRows() && MouseActions()->CheckAllCheck) {
        for (Integer r = FixedRows(); r < RowCount(); ++r)
            if (HasCheckBox(real, r)) SetCheckBoxState(real, r, state);
        Invalidate();
    }
    if (OnMouseDown) OnMouseDown(this, mbLeft, KeyboardStateToShiftState(), X, Y);
    Click();
    return true;
}

// The ordinary click: the base grid's press, then the click event and a direct edit.
void TExtStringGrid::PressCell(Integer ACol, Integer ARow, Integer X, Integer Y, const TRect& R, TMessage& Message)
{
    const Integer real = RealColIndex(ACol);
    bool canEdit = (Options() & goEditing) || MouseActions()->RangeSelectAndEdit;
    CanEditCell(real, ARow, canEdit);
    const bool fixedLooking = ACol >= FixedCols() && ARow >= FixedRows() && IsFixed(ACol, ARow);
    const TGridRect s = Selection();
    const bool onCurrent =
        PtInRect(R, {X, Y}) && s.Left == ACol && s.Right == ACol && s.Top == ARow && s.Bottom == ARow;
    bool selectingAfter = false;
    if (!onCurrent && MouseActions()->RangeSelectAndEdit && !IsFixed(ACol, ARow) && !canEdit) {
        SetOptions(Options() & ~TGridOptions(goEditing));
        selectingAfter = true;
    }
    if (fixedLooking) {
        if (OnClickCell) OnClickCell(this, ARow, ACol);
        return;
    }
    {
        TTemporaryChange<bool> alwaysEdit(Navigation()->AlwaysEdit, false);
        TBaseGrid::WndProc(Message);
    }
    const bool nearHeaderEdge = ARow < FixedRows() && (Options() & goColSizing) && (X - R.Left < 4 || R.Right - X < 4);
    if (!nearHeaderEdge && OnClickCell) OnClickCell(this, ARow, ACol);
    const bool dataCell = ACol >= FixedCols() && ARow >= FixedRows();
    if (dataCell && canEdit && MouseActions()->DirectEdit && X > R.Left + 3 && X < R.Right - 3 &&
        !HasControlGraphic(real, ARow) && (Col() != ACol || Row() != ARow || !EditorMode())) {
        bool allow = true;
        if (Row() != ARow && OnRowChanging) OnRowChanging(this, Row(), ARow, allow);
        if (Col() != ACol && OnColChanging) OnColChanging(this, Col(), ACol, allow);
        if ((Row() != ARow || Col() != ACol) && OnCellChanging) OnCellChanging(this, Row(), Col(), ARow, ACol, allow);
        if (allow) {
            FocusCell(ACol, ARow);
            TakeEditSnapshot(ACol, ARow);
            ShowEditor();
        }
    }
    if (selectingAfter) SetGridState(gsSelecting);
}

void TExtStringGrid::DoCheckBoxClick(Integer ACol, Integer ARow, bool State)
{
    if (OnCheckBoxClick) OnCheckBoxClick(this, ACol, ARow, State);
}

void TExtStringGrid::CellSelectorClick(Integer /*ACol*/, Integer /*ARow*/) {}

void TExtStringGrid::AdjustClickSelection(TGridRect& /*R*/) {}

// --- the mouse-down override -------------------------------------------------------------------

void TExtStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    Integer col = -1, row = -1;
    MouseToCell(X, Y, col, row);
    TMouseActions& actions = *MouseActions();
    if (Button == mbLeft && actions.RangeSelectAndEdit && !actions.EditOnDblClickOnly()) {
        if (col == Col() && row == Row() && !(Options() & goEditing) && IsEditable(col, row)) {
            SetOptions(Options() | goEditing);
            TBaseGrid::MouseDown(Button, Shift, X, Y);
            ShowInplaceEdit();
            return;
        }
        if ((Shift & ssShift) && (col != Col() || row != Row()) && (Options() & goEditing)) {
            SetOptions(Options() & ~TGridOptions(goEditing));
            TBaseGrid::MouseDown(Button, Shift, X, Y);
            return;
        }
    }
    if (Button == mbLeft && PressFixedDropDown(col, row, X)) return;
    const bool pressedHeader = col >= 0 && row == FixedRows() - 1 && IsHoverFixedCell(col, row) &&
        ControlLook()->FixedGradientDownFrom() != TColor(0x1FFFFFFF);
    if (pressedHeader) RepaintCell(col, row);
    TBaseGrid::MouseDown(Button, Shift, X, Y);
    if ((Shift & ssShift) && SelectionRectangle) Invalidate();
    if (ClickFixedCellEdit(Button, col, row, X, Y)) return;
    TExtStringGrid* other = SyncGrid()->Grid();
    if (!other) return;
    if (SyncGrid()->SelectionColumn) other->SetCol(Col());
    if (SyncGrid()->SelectionRow) other->SetRow(GetRowEx());
}

}  // namespace gw
