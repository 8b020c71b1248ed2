// TExtGridUndoRedo: the record of cell text changes of a grid, undone and redone one change or
// one bracketed sequence at a time.
#pragma once

#include "platform/runtime/collection.h"
#include "platform/runtime/component.h"

#include <functional>

namespace gw {

class TBaseGrid;

// One change (Col, Row: real column and row; Value after, OrigValue before), or a sequence
// marker (Col = Row = -1, empty texts).
class TUndoRedoItem : public TCollectionItem {
public:
    explicit TUndoRedoItem(TCollection* Collection) : TCollectionItem(Collection) {}
    String ClassName() const override { return u"TUndoRedoItem"; }

    Integer Row = -1;
    Integer Col = -1;
    String Value;
    String OrigValue;
    bool SequenceStart = false;
    bool SequenceStop = false;
};

// Items 0 .. Level - 1 can be undone, Level .. count - 1 redone. A change registered while some
// are redoable drops them first: a redo after a new change would write over it texts from
// another history.
class TExtGridUndoRedo : public TComponent {
public:
    explicit TExtGridUndoRedo(TComponent* AOwner);
    ~TExtGridUndoRedo() override;
    String ClassName() const override { return u"TExtGridUndoRedo"; }

    // Records a change of the cell (ACol: real column index) from OldValue to NewValue.
    virtual void RegisterChange(Integer ACol, Integer ARow, const String& OldValue, const String& NewValue);
    // Bracket changes undone and redone as one step.
    virtual void StartSequence();
    virtual void StopSequence();
    void Undo();
    void Redo();
    bool CanUndo() const { return FLevel > 0; }
    bool CanRedo() const { return FLevel < FItems.Count(); }
    // Drops every item; nothing is undoable or redoable afterwards.
    void Reset();

    const TCollection& Items() const { return FItems; }
    TUndoRedoItem& Item(Integer Index) const { return static_cast<TUndoRedoItem&>(*FItems.Items(Index)); }
    Integer Level() const { return FLevel; }
    TBaseGrid* Grid() const { return FGrid; }
    // Set by the grid's UndoRedo; the two hear of each other's end.
    void SetGrid(TBaseGrid* Value);

    // The most items held (0: no limit); the oldest change goes when a new one would pass it.
    Integer MaxLevel = 0;
    // Before each cell is written: OrigValue is the cell's current text, NewValue what comes.
    using TUndoRedoEvent = std::function<void(TObject* Sender, TBaseGrid* Grid, Integer Col, Integer Row,
                                              const String& OrigValue, const String& NewValue)>;
    TUndoRedoEvent OnUndo;
    TUndoRedoEvent OnRedo;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TUndoRedoItem& Append();
    void DropRedoable();
    // Writes one change's text back (undo) or again (redo) and makes its cell current.
    void Apply(const TUndoRedoItem& I, bool Undoing);
    void UndoSequence();
    void RedoSequence();

    TCollection FItems;
    TBaseGrid* FGrid = nullptr;
    Integer FLevel = 0;
};

}  // namespace gw
