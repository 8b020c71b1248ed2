// Undo and redo of cell text changes: recording with its limit, sequences, and the writes back
// through the grid's cell interface.
#include "grid/foundation/undo_redo.h"

#include "grid/foundation/base_grid.h"

namespace gw {

namespace {

bool IsMarker(const TUndoRedoItem& I) { return I.SequenceStart || I.SequenceStop; }

}  // namespace

TExtGridUndoRedo::TExtGridUndoRedo(TComponent* AOwner) : TComponent(AOwner), FItems(ItemClassOf<TUndoRedoItem>()) {}

TExtGridUndoRedo::~TExtGridUndoRedo() = default;

TUndoRedoItem& TExtGridUndoRedo::Append()
{
    DropRedoable();
    return static_cast<TUndoRedoItem&>(*FItems.Add());
}

void TExtGridUndoRedo::DropRedoable()
{
    while (FItems.Count() > FLevel) FItems.Delete(FItems.Count() - 1);
}

void TExtGridUndoRedo::RegisterChange(Integer ACol, Integer ARow, const String& OldValue, const String& NewValue)
{
    DropRedoable();
    if (MaxLevel > 0)
        while (FItems.Count() >= MaxLevel) FItems.Delete(0);
    TUndoRedoItem& item = Append();
    item.Col = ACol;
    item.Row = ARow;
    item.Value = NewValue;
    item.OrigValue = OldValue;
    FLevel = FItems.Count();
}

void TExtGridUndoRedo::StartSequence()
{
    Append().SequenceStart = true;
    FLevel = FItems.Count();
}

void TExtGridUndoRedo::StopSequence()
{
    Append().SequenceStop = true;
    FLevel = FItems.Count();
}

void TExtGridUndoRedo::Reset()
{
    FItems.Clear();
    FLevel = 0;
}

void TExtGridUndoRedo::Apply(const TUndoRedoItem& I, bool Undoing)
{
    if (IsMarker(I)) return;  // a marker inside a sequence addresses no cell
    const String& text = Undoing ? I.OrigValue : I.Value;
    const TUndoRedoEvent& event = Undoing ? OnUndo : OnRedo;
    if (event) event(this, FGrid, I.Col, I.Row, FGrid->GetCellEx(I.Col, I.Row), text);
    FGrid->SetCellEx(I.Col, I.Row, text);
    // The cell may have gone since (rows deleted): then the current cell stays.
    const Integer col = FGrid->DisplColIndex(I.Col);
    if (col >= 0 && col < FGrid->ColCount() && I.Row >= 0 && I.Row < FGrid->RowCount()) {
        FGrid->SetCol(col);
        FGrid->SetRow(I.Row);
    }
}

void TExtGridUndoRedo::Undo()
{
    if (!FGrid || FLevel <= 0 || FItems.Count() < FLevel) return;
    const TUndoRedoItem& item = Item(FLevel - 1);
    if (item.SequenceStop) {
        UndoSequence();
        return;
    }
    // A lone start marker (a sequence never stopped) is stepped over.
    Apply(item, true);
    if (!IsMarker(item) && item.Row >= 0 && item.Row < FGrid->RowCount()) FGrid->RepaintCell(FGrid->Col(), item.Row);
    --FLevel;
}

void TExtGridUndoRedo::UndoSequence()
{
    --FLevel;
    while (FLevel > 0 && !Item(FLevel - 1).SequenceStart) {
        Apply(Item(FLevel - 1), true);
        --FLevel;
    }
    if (FLevel > 0) --FLevel;  // the start marker; trimmed away, the sequence ends at item 0
    FGrid->Invalidate();
}

void TExtGridUndoRedo::Redo()
{
    if (!FGrid || FLevel >= FItems.Count()) return;
    const TUndoRedoItem& item = Item(FLevel);
    ++FLevel;
    if (item.SequenceStart) {
        RedoSequence();
        return;
    }
    Apply(item, false);
}

void TExtGridUndoRedo::RedoSequence()
{
    // Up to and over the stop marker; without one, to the end.
    while (FLevel < FItems.Count()) {
        const TUndoRedoItem& item = Item(FLevel);
        ++FLevel;
        if (item.SequenceStop) break;
        Apply(item, false);
    }
    FGrid->Invalidate();
}

void TExtGridUndoRedo::SetGrid(TBaseGrid* Value)
{
    if (FGrid == Value) return;
    // The old grid keeps hearing of this component's end while it still links to it.
    if (FGrid && FGrid->UndoRedo() != this) FGrid->RemoveFreeNotification(this);
    FGrid = Value;
    if (FGrid) FGrid->FreeNotification(this);
}

void TExtGridUndoRedo::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent == FGrid) FGrid = nullptr;
    TComponent::Notification(AComponent, Operation);
}

}  // namespace gw
