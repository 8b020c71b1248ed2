// The keyboard navigation, editing flow and clipboard options of a grid.
//
// Created, owned and freed by its grid; only AdvanceDirection and AdvanceInsert report changes.
#pragma once

#include "platform/runtime/component.h"

namespace gw {

enum TAdvanceDirection { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum TInsertPosition { pInsertBefore, pInsertAfter };
enum TClipboardPasteAction { paReplace, paInsert };
enum TCursorAdvance { caDefault, caSnake, caLoop };
enum THomeEndAction { heFirstLastColumn, heFirstLastRow, heFirstLastCell };

class TNavigation : public TPersistent {
public:
    String ClassName() const override { return u"TNavigation"; }
    // From another TNavigation only (anything else is ignored), without OnChange: every option
    // but KeepScrollOnSort.
    void Assign(TPersistent* Source) override;

    bool AllowInsertRow = false;
    bool AllowDeleteRow = false;
    bool AdvanceOnEnter = false;
    // Fires OnChange when the value changes.
    bool AdvanceInsert() const { return m_advanceInsert; }
    void SetAdvanceInsert(bool Value);
    bool AutoGotoWhenSorted = false;
    bool AutoGotoIncremental = false;
    bool AutoComboDropSize = false;
    bool AllowClipboardShortCuts = false;
    bool AllowRTFClipboard = false;
    bool AllowSmartClipboard = false;
    bool AllowClipboardAlways = false;
    bool AllowClipboardColGrow = true;
    bool AllowClipboardRowGrow = true;
    TClipboardPasteAction ClipboardPasteAction = paReplace;
    bool CopyHTMLTagsToClipboard = true;
    // Fires OnChange when the value changes.
    TAdvanceDirection AdvanceDirection() const { return m_advanceDirection; }
    void SetAdvanceDirection(TAdvanceDirection Value);
    // Switching it on switches AdvanceOnEnter on too.
    bool AdvanceAuto() const { return m_advanceAuto; }
    void SetAdvanceAuto(bool Value);
    bool AdvanceAutoEdit = true;
    bool CursorWalkEditor = false;
    bool CursorWalkAlwaysEdit = true;
    bool MoveRowOnSort = false;
    bool KeepScrollOnSort = false;
    bool ImproveMaskSel = false;
    bool AlwaysEdit = false;
    TInsertPosition InsertPosition = pInsertBefore;
    bool LineFeedOnEnter = false;
    THomeEndAction HomeEndKey = heFirstLastColumn;
    bool KeepHorizScroll = false;
    bool AllowFmtClipboard = false;
    bool TabToNextAtEnd = false;
    bool EditSelectAll = true;
    TAdvanceDirection TabAdvanceDirection = adLeftRight;
    bool SkipFixedCells = true;
    bool SkipDisabledRows = true;
    bool AllowCtrlEnter = true;
    bool AppendOnArrowDown = false;
    bool LeftRightRowSelect = true;
    bool MoveScrollOnly = false;
    bool ComboGetUpDown = true;
    bool AdvanceOnEnterLoop = true;
    TCursorAdvance CursorAdvance = caDefault;
    bool AdvanceSkipReadOnlyCells = true;
    bool CursorMoveRows = false;

    TNotifyEvent OnChange;

private:
    void Changed();

    bool m_advanceInsert = false;
    TAdvanceDirection m_advanceDirection = adLeftRight;
    bool m_advanceAuto = false;
};

}  // namespace gw
