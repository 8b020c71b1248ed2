// The mouse options: the rules between options, their notifications and the copy rule.
#include "grid/foundation/mouse_actions.h"

namespace gw {

TMouseActions::TMouseActions(TComponent* AOwner) : m_owner(AOwner), m_fixedComboValues(std::make_unique<TStringList>())
{
}

TMouseActions::~TMouseActions() = default;

void TMouseActions::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TMouseActions*>(Source);
    if (!from) return;
    ColSelect = from->ColSelect;
    RowSelect = from->RowSelect;
    AllSelect = from->AllSelect;
    DirectEdit = from->DirectEdit;
    DirectComboDrop = from->DirectComboDrop;
    DirectComboClose = from->DirectComboClose;
    DirectDateClose = from->DirectDateClose;
    DirectDateDrop = from->DirectDateDrop;
    m_disjunctRowSelect = from->m_disjunctRowSelect;
    m_disjunctColSelect = from->m_disjunctColSelect;
    AllColumnSize = from->AllColumnSize;
    AllRowSize = from->AllRowSize;
    CaretPositioning = from->CaretPositioning;
    SizeFixedCol = from->SizeFixedCol;
    m_disjunctCellSelect = from->m_disjunctCellSelect;
    FixedRowsEdit = from->FixedRowsEdit;
    FixedColsEdit = from->FixedColsEdit;
    FixedRowsEditor = from->FixedRowsEditor;
    FixedColsEditor = from->FixedColsEditor;
    RangeSelectAndEdit = from->RangeSelectAndEdit;
    NoAutoRangeScroll = from->NoAutoRangeScroll;
    PreciseCheckBoxCheck = from->PreciseCheckBoxCheck;
    PreciseNodeClick = from->PreciseNodeClick;
    CheckAllCheck = from->CheckAllCheck;
    NodeAllExpandContract = from->NodeAllExpandContract;
    MoveRowOnNodeClick = from->MoveRowOnNodeClick;
    RowSelectPersistent = from->RowSelectPersistent;
    SelectOnRightClick = from->SelectOnRightClick;
    NoScrollOnPartialRow = from->NoScrollOnPartialRow;
    WheelIncrement = from->WheelIncrement;
    m_wheelAction = from->m_wheelAction;
    AutoSizeColOnDblClick = from->AutoSizeColOnDblClick;
    DisjunctRowSelectNoCtrl = from->DisjunctRowSelectNoCtrl;
}

bool TMouseActions::Designing()
{
    bool designing = false;
    if (OnIsDesigning) OnIsDesigning(this, designing);
    return designing;
}

void TMouseActions::SetDisjunctRowSelect(bool Value)
{
    m_disjunctRowSelect = Value;
    if (Value && Designing()) m_disjunctColSelect = m_disjunctCellSelect = false;
}

void TMouseActions::SetDisjunctColSelect(bool Value)
{
    m_disjunctColSelect = Value;
    if (Value && Designing()) m_disjunctRowSelect = m_disjunctCellSelect = false;
}

void TMouseActions::SetDisjunctCellSelect(bool Value)
{
    m_disjunctCellSelect = Value;
    if (Value && Designing()) m_disjunctRowSelect = m_disjunctColSelect = false;
}

void TMouseActions::SetHotmailRowSelect(bool Value)
{
    m_hotmailRowSelect = Value;
    if (Value) m_disjunctRowSelect = CheckAllCheck = true;
    if (OnInvalidate) OnInvalidate(this);
}

void TMouseActions::SetWheelAction(TWheelAction Value)
{
    if (Value == m_wheelAction) return;
    m_wheelAction = Value;
    if (OnChange) OnChange(this);
}

void TMouseActions::SetEditOnDblClickOnly(bool Value)
{
    m_editOnDblClickOnly = Value;
    if (Value && OnDisableEdit) OnDisableEdit(this);
}

void TMouseActions::SetFixedComboValues(const TStrings* Value)
{
    m_fixedComboValues->Assign(const_cast<TStrings*>(Value));
}

}  // namespace gw
