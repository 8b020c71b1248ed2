// What the grid's date, time, button-edit, unit, button and rich-text editors ask of their grid:
// the commit of a value, the validated text, the cell text of the edit's start, the Tab on to the
// next cell. One friend of the grid serves them all.
#pragma once

#include "grid/foundation/editor_types.h"
#include "platform/runtime/types.h"
#include "platform/ui/control.h"
#include "platform/ui/messages.h"

namespace gw {

class TExtStringGrid;
class TExtRichEdit;

// Whether Esc ended an editor's last edit: its commit then stores the cell's text of the
// edit's start, not the editor's value.
class TEscapeMark {
public:
    bool Escaped() const { return m_escaped; }
    void ResetEscaped() { m_escaped = false; }

protected:
    void MarkEscaped() { m_escaped = true; }

private:
    bool m_escaped = false;
};

struct TSpecialEditorAccess {
    // Assigns Text to the current cell, then validates it; false when the validation refused it.
    static bool Commit(TExtStringGrid& Grid, const String& Text);
    // The text the last validation left (accepted or the one to show after a refusal).
    static String ValidatedText(const TExtStringGrid& Grid);
    static String CurrentCell(TExtStringGrid& Grid);
    static void SetCurrentCellEditText(TExtStringGrid& Grid, const String& Text);
    static bool EditorWantsTab(TExtStringGrid& Grid);
    // The grid's focus, then its Tab (backwards with Shift) as a key of its own.
    static void TabToNextCell(TExtStringGrid& Grid, TShiftState Shift);
    // Passes a key to the grid's own key handling.
    static void GridKeyDown(TExtStringGrid& Grid, Word& Key, TShiftState Shift);
    static void DoEllipsClick(TExtStringGrid& Grid, String& Text);
    static void RestoreCellCache(TExtStringGrid& Grid);
    // A refused Enter keeps the grid from moving on afterwards.
    static void SetNoAutoAdvance(TExtStringGrid& Grid);
    static TEditorType EditorType(const TExtStringGrid& Grid);
    static void SetEditorType(TExtStringGrid& Grid, TEditorType Type);
    static TDateTime OriginalDateTime(const TExtStringGrid& Grid);
    static void ClearEditMode(TExtStringGrid& Grid);
    static void FocusGrid(TExtStringGrid& Grid);
    // The grid's next focus gain comes from an editor link's pop-up closing, not from the user.
    static void SkipNextFocusGain(TExtStringGrid& Grid);
    // What an editor link asks: the cell written as an edit, the last validation's outcome, the
    // selection of the current cell, the dialog-code filter its control is redirected through.
    static void WriteEditedCell(TExtStringGrid& Grid, const String& Value);
    static bool TakeLastValidationRefusal(TExtStringGrid& Grid);
    static void SelectCurrentCell(TExtStringGrid& Grid);
    static void DialogCodeFilter(TExtStringGrid& Grid, TMessage& Message, const TWndMethod& Saved);
    // The rich edits as made so far (nullptr before their first use).
    static TExtRichEdit* InplaceRichEdit(const TExtStringGrid& Grid);
    static TExtRichEdit* HiddenRichEdit(const TExtStringGrid& Grid);
};

}  // namespace gw
