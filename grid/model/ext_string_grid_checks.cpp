// The string grid's cells with a state the user changes: check boxes of five kinds, radio buttons
// (one group per column), radio groups, balloons and expand buttons.
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/undo_redo.h"
#include "grid/model/check_box_place.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/grouping.h"
#include "platform/runtime/string_list.h"

namespace gw {

namespace {

bool IsTextCheckBox(TCellType T) { return T == ctDataCheckBox || T == ctVirtCheckBox; }

bool IsToggledCheckBox(TCellType T)
{
    return T == ctCheckBox || T == ctDataCheckBox || T == ctVirtCheckBox || T == ctRowCheckBox ||
        T == ctTriStateCheckBox;
}

bool CarriesBalloon(TCellType T) { return T == ctCheckBox || T == ctDataCheckBox || T == ctRadioButton; }

}  // namespace

// --- adding and removing check boxes -----------------------------------------------------------

void TExtStringGrid::CheckAddedCell(Integer ACol, Integer ARow) const
{
    // Below zero as much as beyond the hidden columns and rows: either would write outside the store.
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() + NumHiddenColumns() || ARow >= RowCount() + NumHiddenRows())
        throw Exception(u"Invalid cell");
}

namespace {

TCellVAlign CellVAlignOf(TVAlignment V)
{
    switch (V) {
    case vtaCenter: return vaCenter;
    case vtaBottom: return vaBottom;
    default: return vaTop;
    }
}

}  // namespace

void TExtStringGrid::AddCheckBox(Integer ACol, Integer ARow, bool State, bool Data)
{
    CheckAddedCell(ACol, ARow);
    CreateCellGraphic(ACol, ARow)->SetCheckBox(State, Data, true, haBeforeText, CellVAlignOf(VAlignment));
    if (!Data) return;
    // A text that already is one of the two decides the state, not State.
    const String text = GetCellEx(ACol, ARow);
    if (text != CheckTrue && text != CheckFalse) SetCellEx(ACol, ARow, State ? CheckTrue : CheckFalse);
}

void TExtStringGrid::AddCheckBox(Integer ACol, Integer ARow, TCheckBoxState State)
{
    CheckAddedCell(ACol, ARow);
    CreateCellGraphic(ACol, ARow)->SetCheckBox(State, true, haBeforeText, CellVAlignOf(VAlignment));
}

Integer TExtStringGrid::FirstCheckRow() const { return m_mouseActions->CheckAllCheck ? 0 : FixedRows(); }

void TExtStringGrid::AddCheckBoxColumn(Integer ACol, bool DefaultState, bool DataCheckBox)
{
    for (Integer r = FirstCheckRow(); r < RowCount(); ++r) {
        if (IsSummary(r)) continue;
        if (IsNode(r))
            AddCheckBox(ACol, r, cbUnchecked);
        else
            AddCheckBox(ACol, r, DefaultState, DataCheckBox);
    }
}

void TExtStringGrid::AddTriStateCheckBoxColumn(Integer ACol, TCheckBoxState State)
{
    for (Integer r = FirstCheckRow(); r < RowCount(); ++r) AddCheckBox(ACol, r, State);
}

void TExtStringGrid::RemoveCheckBox(Integer ACol, Integer ARow)
{
    TCellGraphic* g = OwnCellGraphic(ACol, ARow);
    if (!g || (g->CellType != ctCheckBox && g->CellType != ctDataCheckBox && g->CellType != ctTriStateCheckBox)) return;
    if (g->CellAngle == 1) {
        g->CellAngle = 0;
        g->SetCellBitmap(nullptr);
    }
    RemoveCellGraphic(ACol, ARow);
}

void TExtStringGrid::RemoveCheckBoxColumn(Integer ACol)
{
    for (Integer r = FirstCheckRow(); r < RowCount(); ++r)
        if (HasCheckBox(ACol, r)) RemoveCheckBox(ACol, r);
}

// --- check box state ---------------------------------------------------------------------------

TCellGraphic* TExtStringGrid::RealRowCheckGraphic(Integer ACol, Integer ARow)
{
    if (NumHiddenRows() > 0)
        if (auto* props = dynamic_cast<TCellProperties*>(RealRowGridObject(ACol, ARow)))
            return dynamic_cast<TCellGraphic*>(props->GraphicObject());
    return GetCellGraphic(ACol, ARow);
}

bool TExtStringGrid::GetCheckBoxState(Integer ACol, Integer ARow, TCheckBoxState& State)
{
    const TCellGraphic* g = RealRowCheckGraphic(ACol, ARow);
    if (!g) return false;
    switch (g->CellType) {
    case ctCheckBox: State = BoolToCheckBoxState(g->CellBoolean); return true;
    case ctTriStateCheckBox: State = g->CellCheckBoxState; return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        String checkTrue;
        GetCheckTrue(ACol, ARow, checkTrue);
        const String text = NumHiddenRows() > 0 ? GetCellsEx(ACol, ARow) : GetCellEx(ACol, ARow);
        State = BoolToCheckBoxState(text == checkTrue);
        return true;
    }
    case ctRowCheckBox:
        if (ACol != 0) return false;
        State = BoolToCheckBoxState(GetRowSelect(ARow));
        return true;
    default: return false;
    }
}

bool TExtStringGrid::GetCheckBoxState(Integer ACol, Integer ARow, bool& State)
{
    TCheckBoxState state = cbUnchecked;
    if (!GetCheckBoxState(ACol, ARow, state)) return false;
    State = state == cbChecked;
    return true;
}

bool TExtStringGrid::IsChecked(Integer ACol, Integer ARow)
{
    bool state = false;
    return GetCheckBoxState(ACol, ARow, state) && state;
}

bool TExtStringGrid::SetCheckBoxState(Integer ACol, Integer ARow, TCheckBoxState State)
{
    TCellGraphic* g = RealRowCheckGraphic(ACol, ARow);
    if (!g || g->CellType != ctTriStateCheckBox) return false;
    g->CellCheckBoxState = State;
    RepaintCell(ACol, DisplRowIndex(ARow));
    return true;
}

bool TExtStringGrid::SetCheckBoxState(Integer ACol, Integer ARow, bool State)
{
    TCellGraphic* g = RealRowCheckGraphic(ACol, ARow);
    if (!g) return false;
    if (g->CellType == ctCheckBox) {
        g->CellBoolean = State;
        RepaintCell(ACol, DisplRowIndex(ARow));
        return true;
    }
    if (IsTextCheckBox(g->CellType)) {
        String text;
        State ? GetCheckTrue(ACol, ARow, text) : GetCheckFalse(ACol, ARow, text);
        if (NumHiddenRows() > 0)
            SetCellsEx(ACol, ARow, text);
        else
            SetCellEx(ACol, ARow, text);
        return true;
    }
    if (g->CellType == ctRowCheckBox && ACol == 0) {
        SetRowSelect(ARow, State);
        return true;
    }
    return false;
}

const String& TExtStringGrid::CheckText(Integer ACol, Integer ARow, bool Checked, String& Fetched)
{
    if (!CheckTextsPerCell()) return Checked ? CheckTrue : CheckFalse;
    Checked ? GetCheckTrue(ACol, ARow, Fetched) : GetCheckFalse(ACol, ARow, Fetched);
    return Fetched;
}

bool TExtStringGrid::ChangeCheckBoxState(Integer ACol, Integer ARow, bool Value)
{
    // CheckAll asks this of every row. Where the cell's own record answers, the kind kept in the
    // cell's properties decides: a data check box costs one search of the store and no read of
    // its record. Elsewhere the record is the one GetCellGraphic gives (the shared row check box,
    // a derived grid's column boxes) or, with hidden rows, the real row's.
    const TCellProperties* slot = GetGridObject(ACol, ARow);
    const bool ownRecord = NumHiddenRows() == 0 && !(ACol == 0 && m_mouseActions->HotmailRowSelect());
    if (ownRecord && slot && slot->GraphicKind() != NoGraphicKind) {
        if (IsTextCheckBox(TCellType(slot->GraphicKind()))) return ChangeTextCheckBox(ACol, ARow, slot, Value);
        TCellGraphic* g = CellGraphicOf(slot->GraphicObject());
        return g && ChangeRecordCheckBox(ACol, ARow, *g, Value);
    }
    TCellGraphic* g = NumHiddenRows() > 0 ? RealRowCheckGraphic(ACol, RealRowIndex(ARow)) : GetCellGraphic(ACol, ARow);
    if (!g) return false;
    if (IsTextCheckBox(g->CellType)) return ChangeTextCheckBox(ACol, ARow, slot, Value);
    return ChangeRecordCheckBox(ACol, ARow, *g, Value);
}

bool TExtStringGrid::ChangeTextCheckBox(Integer ACol, Integer ARow, const TCellProperties* Slot, bool Value)
{
    // The state read and the write share one search of the store, and texts that do not vary
    // per cell are not copied.
    String fetchedTrue;
    String fetchedFalse;
    const String& checkTrue = CheckText(ACol, ARow, true, fetchedTrue);
    const String& written = Value ? checkTrue : CheckText(ACol, ARow, false, fetchedFalse);
    const bool was = ExchangeCellEx(ACol, ARow, Slot, written) == checkTrue;
    if (was != Value) DoCheckBoxChange(ACol, ARow, Value);
    return true;
}

bool TExtStringGrid::ChangeRecordCheckBox(Integer ACol, Integer ARow, TCellGraphic& Graphic, bool Value)
{
    if (Graphic.CellType == ctCheckBox) {
        if (Graphic.CellBoolean != Value) {
            Graphic.CellBoolean = Value;
            DoCheckBoxChange(ACol, ARow, Value);
            RepaintCell(ACol, ARow);
        }
        return true;
    }
    if (Graphic.CellType == ctRowCheckBox && ACol == 0) {
        if (GetRowSelect(ARow) != Value) {
            SetRowSelect(ARow, Value);
            DoCheckBoxChange(ACol, ARow, Value);
        }
        return true;
    }
    return false;
}

void TExtStringGrid::CheckAll(Integer ACol)
{
    for (Integer r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, true);
    if (NumHiddenColumns() > 0) InvalidateCol(DisplColIndex(ACol));
}

void TExtStringGrid::UnCheckAll(Integer ACol)
{
    for (Integer r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, false);
}

bool TExtStringGrid::ToggleCheckBox(Integer ACol, Integer ARow) { return ToggleCellCheckBox(ACol, ARow, false); }

void TExtStringGrid::DoCheckBoxChange(Integer ACol, Integer ARow, bool State)
{
    if (OnCheckBoxChange) OnCheckBoxChange(this, ACol, ARow, State);
}

bool TExtStringGrid::ToggleCellCheckBox(Integer ACol, Integer ARow, bool FromUser)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) return false;
    const bool autoCheck = m_grouping->AutoCheckGroup;
    bool nodeRow = false;
    bool contracted = false;
    Integer span = 0;
    Integer parent = -1;
    if (autoCheck) {
        nodeRow = IsNode(ARow);
        if (nodeRow) {
            span = GetNodeSpan(ARow);
            contracted = GetNodeState(ARow);
        } else {
            parent = GetParentRow(ARow);
            span = GetNodeSpan(parent);
        }
    }
    if (!IsToggledCheckBox(g->CellType)) return false;
    if (FromUser && !m_controlLook->CheckAlwaysActive) {
        bool canEdit = true;
        CanEditCell(ACol, ARow, canEdit);
        if (!canEdit) return false;
    }

    bool state = false;
    if (g->CellType == ctCheckBox) {
        g->CellBoolean = !g->CellBoolean;
        state = g->CellBoolean;
    } else if (g->CellType == ctTriStateCheckBox) {
        TCheckBoxState& s = g->CellCheckBoxState;
        if (nodeRow)
            s = s == cbChecked ? cbUnchecked : cbChecked;
        else
            s = s == cbUnchecked ? cbGrayed : s == cbGrayed ? cbChecked : cbUnchecked;
        state = s == cbChecked;
    } else if (g->CellType == ctRowCheckBox) {
        // The state is the row's selection mark, never the cell text (column 0 keeps its data,
        // the header its caption). The header's box shows whether all rows are marked; its own
        // mark carries the new state to the press, which sets every row's.
        const Integer real = RealRowIndex(ARow);
        const bool was = ARow < FixedRows() ? g->CellBoolean : GetRowSelect(real);
        SetRowSelect(real, !was);
        state = GetRowSelect(real);  // the selection event may have refused the change
    } else {
        // The kinds whose state is the cell text; only they have a text change to undo.
        String checkTrue;
        String checkFalse;
        GetCheckTrue(ACol, ARow, checkTrue);
        GetCheckFalse(ACol, ARow, checkFalse);
        const String old = GetCellEx(ACol, ARow);
        state = old != checkTrue;
        const String& now = state ? checkTrue : checkFalse;
        SetCellEx(ACol, ARow, now);
        if (UndoRedo()) UndoRedo()->RegisterChange(ACol, ARow, old, now);
    }
    RepaintCell(MapRealToDisplCol(ACol), ARow);
    DoCheckBoxChange(ACol, ARow, state);
    if (autoCheck) AutoCheckGroup(ACol, ARow, nodeRow, contracted, span, parent, state);
    return true;
}

void TExtStringGrid::AutoCheckGroup(Integer ACol, Integer ARow, bool IsNodeRow, bool Contracted, Integer Span,
                                    Integer Parent, bool State)
{
    if (IsNodeRow) {
        for (Integer e = 1; e < Span; ++e)
            SetCheckBoxState(ACol, Contracted ? RealRowIndex(ARow) + e : RealRowIndex(ARow + e), State);
        return;
    }
    if (Parent < 0) return;
    bool first = false;
    bool mixed = false;
    for (Integer r = Parent + 1; r < Parent + Span; ++r) {
        bool s = false;
        GetCheckBoxState(ACol, RealRowIndex(r), s);
        if (r == Parent + 1)
            first = s;
        else if (s != first)
            mixed = true;
    }
    SetCheckBoxState(ACol, RealRowIndex(Parent), mixed ? cbGrayed : first ? cbChecked : cbUnchecked);
}

bool TExtStringGrid::IsInCheckBox(Integer ACol, Integer ARow, Integer X, Integer Y)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || (!IsToggledCheckBox(g->CellType) && g->CellType != ctRadioButton)) return false;
    if (!m_mouseActions->PreciseCheckBoxCheck) return true;
    // The square the painter draws the glyph in; a radio button's glyph drawer places its circle
    // inside the square it is handed.
    const TRect box = CheckBoxBounds(ACol, ARow, *g, CellGraphicArea(DisplColIndex(ACol), ARow));
    return PointInCheckBox(g->CellType == ctRadioButton ? LoneRadioSquare(box) : box, X, Y);
}

// --- radio buttons -----------------------------------------------------------------------------

void TExtStringGrid::AddRadioButton(Integer ACol, Integer ARow, bool State)
{
    CheckAddedCell(ACol, ARow);
    CreateCellGraphic(ACol, ARow)->SetRadioButton(State, true, haBeforeText, CellVAlignOf(VAlignment));
}

void TExtStringGrid::RemoveRadioButton(Integer ACol, Integer ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctRadioButton);
}

bool TExtStringGrid::IsRadioButtonChecked(Integer ACol, Integer ARow)
{
    const TCellGraphic* g = BaseCellGraphic(ACol, ARow);
    return g && g->CellType == ctRadioButton && g->CellBoolean;
}

bool TExtStringGrid::SetRadioButtonState(Integer ACol, Integer ARow, bool State)
{
    TCellGraphic* g = BaseCellGraphic(ACol, ARow);
    if (!g || g->CellType != ctRadioButton) return false;
    if (g->CellBoolean != State) {
        g->CellBoolean = State;
        RepaintCell(MapRealToDisplCol(ACol), ARow);
    }
    return true;
}

void TExtStringGrid::AddRadioButtonColumn(Integer ACol)
{
    for (Integer r = FixedRows(); r < RowCount(); ++r) AddRadioButton(ACol, r, false);
}

void TExtStringGrid::RemoveRadioButtonColumn(Integer ACol)
{
    for (Integer r = FixedRows(); r < RowCount(); ++r)
        if (HasRadioButton(ACol, r)) RemoveRadioButton(ACol, r);
}

void TExtStringGrid::SetRadioButtonColumnIndex(Integer ACol, Integer Index)
{
    for (Integer r = FixedRows(); r < RowCount(); ++r) SetRadioButtonState(ACol, r, r == Index);
}

Integer TExtStringGrid::GetRadioButtonColumnIndex(Integer ACol)
{
    for (Integer r = FixedRows(); r < RowCount(); ++r)
        if (IsRadioButtonChecked(ACol, r)) return r;
    return -1;
}

bool TExtStringGrid::ToggleCellRadioButton(Integer ACol, Integer ARow, bool FromUser)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType != ctRadioButton) return false;
    if (FromUser && !m_controlLook->CheckAlwaysActive) {
        bool canEdit = true;
        CanEditCell(ACol, ARow, canEdit);
        if (!canEdit) return false;
    }
    if (g->CellBoolean) return true;
    g->CellBoolean = true;
    RepaintCell(MapRealToDisplCol(ACol), ARow);
    for (Integer r = 0; r < RowCount(); ++r) {
        if (r == ARow) continue;
        TCellGraphic* other = GetCellGraphic(ACol, r);
        if (other && other->CellType == ctRadioButton && other->CellBoolean) {
            other->CellBoolean = false;
            RepaintCell(MapRealToDisplCol(ACol), r);
        }
    }
    return true;
}

// --- radio groups ------------------------------------------------------------------------------

void TExtStringGrid::AddRadio(Integer ACol, Integer ARow, Integer DirRadio, Integer IdxRadio, TStrings* sl)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->CellType = ctRadio;
    g->CellAngle = sl ? sl->Count() : 0;
    g->CellBoolean = DirRadio != 0;
    g->CellIndex = IdxRadio;
    g->SetCellBitmap(sl);
}

TStrings* TExtStringGrid::CreateRadio(Integer ACol, Integer ARow, Integer DirRadio, Integer IdxRadio)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->CellType = ctRadio;
    g->CellBoolean = DirRadio != 0;
    g->CellIndex = IdxRadio;
    return static_cast<TStrings*>(g->AdoptCellBitmap(std::make_unique<TStringList>()));
}

bool TExtStringGrid::GetRadioIdx(Integer ACol, Integer ARow, Integer& Index)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType != ctRadio) return false;
    Index = g->CellIndex;
    return true;
}

bool TExtStringGrid::SetRadioIdx(Integer ACol, Integer ARow, Integer Index)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType != ctRadio) return false;
    g->CellIndex = Index;
    if (Index == -1) SetCellEx(ACol, ARow, u"");
    RepaintCell(ACol, ARow);
    return true;
}

TStrings* TExtStringGrid::GetRadioStrings(Integer ACol, Integer ARow)
{
    const TCellGraphic* g = BaseCellGraphic(ACol, ARow);
    return g && g->CellType == ctRadio ? g->Strings() : nullptr;
}

bool TExtStringGrid::RemoveRadio(Integer ACol, Integer ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctRadio); }

void TExtStringGrid::SelectNextRadioItem(Integer ACol, Integer ARow, bool FromUser)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType != ctRadio) return;
    if (FromUser && !m_controlLook->RadioAlwaysActive) {
        bool canEdit = true;
        CanEditCell(ACol, ARow, canEdit);
        if (!canEdit) return;
    }
    const TStrings* items = g->Strings();
    if (!items || items->Count() == 0) return;
    // An index below -1 keeps following the cell text.
    Integer next = g->CellIndex >= 0 ? g->CellIndex + 1 : items->IndexOf(GetCellEx(ACol, ARow)) + 1;
    if (next >= items->Count()) next = 0;
    if (g->CellIndex >= -1) g->CellIndex = next;
    g->CellVar = next;
    SetCellEx(ACol, ARow, items->Strings(next));
}

// --- balloons ----------------------------------------------------------------------------------

void TExtStringGrid::AddBalloon(Integer ACol, Integer ARow, const String& Title, const String& Text, TBalloonIcon Icon)
{
    TCellGraphic* g = OwnCellGraphic(ACol, ARow);
    if (g && !CarriesBalloon(g->CellType)) return;
    if (g) {
        g->CellAngle = 1;
    } else {
        g = CreateCellGraphic(ACol, ARow);
        g->CellType = ctBalloon;
        g->CellAngle = 0;
    }
    auto lines = std::make_unique<TStringList>();
    lines->Add(Title);
    lines->Add(Text);
    const bool created = g->CellCreated;
    g->AdoptCellBitmap(std::move(lines));
    // The list is the balloon's; CellCreated keeps saying what it said of the cell's own object.
    if (g->CellType != ctBalloon) g->CellCreated = created;
    g->CellIndex = Integer(Icon);
}

void TExtStringGrid::RemoveBalloon(Integer ACol, Integer ARow)
{
    TCellGraphic* g = OwnCellGraphic(ACol, ARow);
    if (!g) return;
    if (CarriesBalloon(g->CellType)) {
        if (g->CellAngle == 1) {
            g->CellAngle = 0;
            g->SetCellBitmap(nullptr);
        }
        return;
    }
    RemoveCellGraphicOfType(ACol, ARow, ctBalloon);
}

bool TExtStringGrid::IsBalloon(Integer ACol, Integer ARow, String& Title, String& Text, TBalloonIcon& Icon)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) return false;
    const bool balloon = g->CellType == ctBalloon || (CarriesBalloon(g->CellType) && g->CellAngle == 1);
    const TStrings* lines = g->Strings();
    if (!balloon || !lines) return false;
    Title = lines->Count() > 0 ? lines->Strings(0) : String();
    Text = lines->Count() > 1 ? lines->Strings(1) : String();
    Icon = TBalloonIcon(g->CellIndex);
    return true;
}

// --- expand buttons ----------------------------------------------------------------------------

void TExtStringGrid::AddExpand(Integer ACol, Integer ARow, Integer ExpandedHeight)
{
    const Integer height = RowHeights(ARow);
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->CellType = ctExpand;
    g->CellAngle = ExpandedHeight;
    g->CellVar = false;
    g->CellIndex = height;
}

bool TExtStringGrid::RemoveExpand(Integer ACol, Integer ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctExpand); }

bool TExtStringGrid::ToggleExpand(Integer ACol, Integer ARow)
{
    TCellGraphic* g = BaseCellGraphic(ACol, ARow);
    if (!g) return false;
    const bool* expanded = std::get_if<bool>(&g->CellVar);
    g->CellVar = !(expanded && *expanded);
    return std::get<bool>(g->CellVar);
}

void TExtStringGrid::DoExpandClick(Integer ACol, Integer ARow, bool Expanded)
{
    if (OnExpandClick) OnExpandClick(this, ACol, ARow, Expanded);
    SetRowHeights(ARow, GetExpandHeight(ACol, ARow, Expanded));
}

bool TExtStringGrid::GetExpandState(Integer ACol, Integer ARow)
{
    const TCellGraphic* g = BaseCellGraphic(ACol, ARow);
    const bool* expanded = g ? std::get_if<bool>(&g->CellVar) : nullptr;
    return expanded && *expanded;
}

Integer TExtStringGrid::GetExpandHeight(Integer ACol, Integer ARow, bool Expanded)
{
    const TCellGraphic* g = BaseCellGraphic(ACol, ARow);
    if (!g) return DefaultRowHeight();
    return Expanded ? g->CellAngle : g->CellIndex;
}

}  // namespace gw
