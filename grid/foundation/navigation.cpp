// The navigation options: the two that report changes, the automatic advance and the copy rule.
#include "grid/foundation/navigation.h"

namespace gw {

void TNavigation::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TNavigation*>(Source);
    if (!from) return;
    AllowInsertRow = from->AllowInsertRow;
    AllowDeleteRow = from->AllowDeleteRow;
    AdvanceOnEnter = from->AdvanceOnEnter;
    m_advanceInsert = from->m_advanceInsert;
    AutoGotoWhenSorted = from->AutoGotoWhenSorted;
    AutoGotoIncremental = from->AutoGotoIncremental;
    AutoComboDropSize = from->AutoComboDropSize;
    AllowClipboardShortCuts = from->AllowClipboardShortCuts;
    AllowRTFClipboard = from->AllowRTFClipboard;
    AllowSmartClipboard = from->AllowSmartClipboard;
    AllowClipboardAlways = from->AllowClipboardAlways;
    AllowClipboardColGrow = from->AllowClipboardColGrow;
    AllowClipboardRowGrow = from->AllowClipboardRowGrow;
    ClipboardPasteAction = from->ClipboardPasteAction;
    CopyHTMLTagsToClipboard = from->CopyHTMLTagsToClipboard;
    m_advanceDirection = from->m_advanceDirection;
    m_advanceAuto = from->m_advanceAuto;
    AdvanceAutoEdit = from->AdvanceAutoEdit;
    CursorWalkEditor = from->CursorWalkEditor;
    CursorWalkAlwaysEdit = from->CursorWalkAlwaysEdit;
    MoveRowOnSort = from->MoveRowOnSort;
    ImproveMaskSel = from->ImproveMaskSel;
    AlwaysEdit = from->AlwaysEdit;
    InsertPosition = from->InsertPosition;
    LineFeedOnEnter = from->LineFeedOnEnter;
    HomeEndKey = from->HomeEndKey;
    KeepHorizScroll = from->KeepHorizScroll;
    AllowFmtClipboard = from->AllowFmtClipboard;
    TabToNextAtEnd = from->TabToNextAtEnd;
    EditSelectAll = from->EditSelectAll;
    TabAdvanceDirection = from->TabAdvanceDirection;
    SkipFixedCells = from->SkipFixedCells;
    SkipDisabledRows = from->SkipDisabledRows;
    AllowCtrlEnter = from->AllowCtrlEnter;
    AppendOnArrowDown = from->AppendOnArrowDown;
    LeftRightRowSelect = from->LeftRightRowSelect;
    MoveScrollOnly = from->MoveScrollOnly;
    ComboGetUpDown = from->ComboGetUpDown;
    AdvanceOnEnterLoop = from->AdvanceOnEnterLoop;
    CursorAdvance = from->CursorAdvance;
    AdvanceSkipReadOnlyCells = from->AdvanceSkipReadOnlyCells;
    CursorMoveRows = from->CursorMoveRows;
}

void TNavigation::Changed()
{
    if (OnChange) OnChange(this);
}

void TNavigation::SetAdvanceInsert(bool Value)
{
    if (Value == m_advanceInsert) return;
    m_advanceInsert = Value;
    Changed();
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection Value)
{
    if (Value == m_advanceDirection) return;
    m_advanceDirection = Value;
    Changed();
}

void TNavigation::SetAdvanceAuto(bool Value)
{
    if (Value && !m_advanceAuto) AdvanceOnEnter = true;
    m_advanceAuto = Value;
}

}  // namespace gw
