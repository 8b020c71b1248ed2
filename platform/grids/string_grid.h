// TStringGrid: the grid that keeps a text and an object per cell and edits the texts.
#pragma once

#include "platform/grids/cell_store.h"
#include "platform/grids/draw_grid.h"
#include "platform/runtime/string_list.h"

#include <memory>

namespace gw {

// The cells live in a TGridCellStore, which is not bounded by the counts: a cell beyond
// ColCount or RowCount keeps what was written there (the string grid keeps its hidden columns
// beyond ColCount), and reads as empty when nothing was. Objects are referenced, never freed.
// Moving a column or a row (by mouse or MoveColumn / MoveRow) moves its cells.
class TStringGrid : public TDrawGrid {
public:
    explicit TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) {}
    String ClassName() const override { return u"TStringGrid"; }

    // A negative column or row reads as empty; writing there raises EInvalidGridOperation.
    String Cells(Integer ACol, Integer ARow) const { return String(m_cells.Text(ACol, ARow)); }
    // The text in place, without a copy: for reading many cells (painting, sorting, searching).
    // Valid until that cell is written or its row or column moves.
    StringView CellText(Integer ACol, Integer ARow) const { return m_cells.Text(ACol, ARow); }
    void SetCells(Integer ACol, Integer ARow, StringView Value);
    TObject* Objects(Integer ACol, Integer ARow) const { return m_cells.Object(ACol, ARow); }
    void SetObjects(Integer ACol, Integer ARow, TObject* Value);

    // A column's (row's) cells as a list of RowCount (ColCount) texts with their objects, read
    // and written through to the grid. Add (and CommaText, Text, Assign, which clear first)
    // fill the cells from the first one after what is there; the cells are a fixed number, so
    // Insert and Delete elsewhere, or Add past the last cell, raise EInvalidGridOperation.
    // Assign copies as many items as there are cells.
    std::unique_ptr<TStrings> Cols(Integer Index);
    std::unique_ptr<TStrings> Rows(Integer Index);
    void SetCols(Integer Index, TStrings* Value);
    void SetRows(Integer Index, TStrings* Value);

protected:
    void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override;
    String GetEditText(Integer ACol, Integer ARow) override;
    void SetEditText(Integer ACol, Integer ARow, const String& Value) override;
    void ColumnMoved(Integer FromIndex, Integer ToIndex) override;
    void RowMoved(Integer FromIndex, Integer ToIndex) override;

    // The column a stored cell shows in: the same one, unless a descendant keeps hidden columns
    // among the stored ones.
    virtual Integer ShownColOf(Integer StoreCol) const { return StoreCol; }

    // The cells themselves, for descendants that insert, delete and move rows in bulk.
    TGridCellStore& CellStore() { return m_cells; }
    const TGridCellStore& CellStore() const { return m_cells; }

private:
    // Repaints a written cell; an editor holding it shows the new text, unless the write is
    // the editor's own.
    void CellWritten(Integer ACol, Integer ARow);

    TGridCellStore m_cells;
    bool m_editorWriting = false;
};

}  // namespace gw
