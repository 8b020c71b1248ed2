// The grid's side of what its date, button and rich-text editors ask of it.
#include "grid/interaction/editor_grid_access.h"

#include "grid/model/ext_string_grid.h"
#include "platform/runtime/scope.h"

namespace gw {

bool TSpecialEditorAccess::Commit(TExtStringGrid& Grid, const String& Text)
{
    {
        // Writing the value is not yet its validation.
        const TTemporaryChange writing(Grid.FValidating, true);
        Grid.SetCurrentCell(Text);
    }
    return Grid.ValidateCell(Text);
}

String TSpecialEditorAccess::ValidatedText(const TExtStringGrid& Grid) { return Grid.FNewCellText; }

String TSpecialEditorAccess::CurrentCell(TExtStringGrid& Grid) { return Grid.GetCurrentCell(); }

void TSpecialEditorAccess::SetCurrentCellEditText(TExtStringGrid& Grid, const String& Text)
{
    Grid.SetCurrentCellEditText(Text);
}

bool TSpecialEditorAccess::EditorWantsTab(TExtStringGrid& Grid) { return Grid.EditorWantsTab(); }

void TSpecialEditorAccess::TabToNextCell(TExtStringGrid& Grid, TShiftState Shift)
{
    FocusGrid(Grid);
    Grid.TabToNextCell((Shift & ssShift) != 0);
}

void TSpecialEditorAccess::GridKeyDown(TExtStringGrid& Grid, Word& Key, TShiftState Shift) { Grid.KeyDown(Key, Shift); }

void TSpecialEditorAccess::DoEllipsClick(TExtStringGrid& Grid, String& Text)
{
    Grid.DoEllipsClick(Grid.Col(), Grid.GetRowEx(), Text);
}

void TSpecialEditorAccess::RestoreCellCache(TExtStringGrid& Grid) { Grid.RestoreCellCache(); }

void TSpecialEditorAccess::SetNoAutoAdvance(TExtStringGrid& Grid) { Grid.FNoAutoAdvance = true; }

TEditorType TSpecialEditorAccess::EditorType(const TExtStringGrid& Grid) { return Grid.EditControl; }

void TSpecialEditorAccess::SetEditorType(TExtStringGrid& Grid, TEditorType Type) { Grid.EditControl = Type; }

TDateTime TSpecialEditorAccess::OriginalDateTime(const TExtStringGrid& Grid) { return Grid.FOriginalDateTime; }

void TSpecialEditorAccess::ClearEditMode(TExtStringGrid& Grid) { Grid.FEditMode = false; }

TExtRichEdit* TSpecialEditorAccess::InplaceRichEdit(const TExtStringGrid& Grid) { return Grid.InplaceRichEdit; }

TExtRichEdit* TSpecialEditorAccess::HiddenRichEdit(const TExtStringGrid& Grid) { return Grid.HiddenRichEdit; }

void TSpecialEditorAccess::WriteEditedCell(TExtStringGrid& Grid, const String& Value) { Grid.WriteEditedCell(Value); }

bool TSpecialEditorAccess::TakeLastValidationRefusal(TExtStringGrid& Grid)
{
    if (Grid.FLastValidation) return false;
    Grid.FLastValidation = true;
    return true;
}

void TSpecialEditorAccess::SelectCurrentCell(TExtStringGrid& Grid) { Grid.SelectCell(Grid.Col(), Grid.GetRowEx()); }

void TSpecialEditorAccess::DialogCodeFilter(TExtStringGrid& Grid, TMessage& Message, const TWndMethod& Saved)
{
    Grid.ControlDlgCodeFilter(Message, Saved);
}

void TSpecialEditorAccess::FocusGrid(TExtStringGrid& Grid)
{
    if (Grid.CanFocus()) Grid.SetFocus();
}

void TSpecialEditorAccess::SkipNextFocusGain(TExtStringGrid& Grid) { Grid.InvokedFocusChange = true; }

}  // namespace gw
