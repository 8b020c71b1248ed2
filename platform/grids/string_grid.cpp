// TStringGrid: cells and objects in the cell store, their drawing and editing, and the lists
// that show one column or row.
#include "platform/grids/string_grid.h"

#include "platform/graphics/canvas.h"
#include "platform/runtime/scope.h"

namespace gw {

namespace {

const String IndexOutOfRange = u"Grid index out of range";

// One column (Column) or row of a string grid as a list.
class TGridLineStrings : public TStrings {
public:
    TGridLineStrings(TStringGrid& Grid, bool Column, Integer Index) : m_grid(Grid), m_column(Column), m_index(Index) {}
    String ClassName() const override { return u"TStringGridStrings"; }

    Integer Count() const override { return m_column ? m_grid.RowCount() : m_grid.ColCount(); }
    String Get(Integer Index) const override
    {
        CheckIndex(Index);
        return m_grid.Cells(Col(Index), Row(Index));
    }
    void Put(Integer Index, const String& S) override
    {
        CheckIndex(Index);
        m_grid.SetCells(Col(Index), Row(Index), S);
    }
    TObject* GetObject(Integer Index) const override
    {
        CheckIndex(Index);
        return m_grid.Objects(Col(Index), Row(Index));
    }
    void PutObject(Integer Index, TObject* AObject) override
    {
        CheckIndex(Index);
        m_grid.SetObjects(Col(Index), Row(Index), AObject);
    }
    void Clear() override
    {
        for (Integer i = 0; i < Count(); ++i) {
            m_grid.SetCells(Col(i), Row(i), u"");
            m_grid.SetObjects(Col(i), Row(i), nullptr);
        }
        m_fill = 0;
    }
    Integer Add(const String& S) override
    {
        const Integer at = Fill();
        if (at >= Count()) throw EInvalidGridOperation(IndexOutOfRange);
        Put(at, S);
        m_fill = at + 1;
        return at;
    }
    void Insert(Integer Index, const String& S) override
    {
        if (Index != Fill()) throw EInvalidGridOperation(u"A grid's row or column takes no inserted cells");
        Add(S);
    }
    void Delete(Integer /*Index*/) override
    {
        throw EInvalidGridOperation(u"A grid's row or column has no cells to delete");
    }
    void Assign(TPersistent* Source) override
    {
        auto* source = dynamic_cast<TStrings*>(Source);
        if (!source) {
            TStrings::Assign(Source);
            return;
        }
        const Integer n = std::min(Count(), source->Count());
        for (Integer i = 0; i < n; ++i) {
            Put(i, source->Get(i));
            PutObject(i, source->GetObject(i));
        }
    }

private:
    Integer Col(Integer Index) const { return m_column ? m_index : Index; }
    Integer Row(Integer Index) const { return m_column ? Index : m_index; }
    // Where Add writes: after the last cell that holds something, found once.
    Integer Fill()
    {
        if (m_fill < 0) {
            m_fill = 0;
            for (Integer i = Count() - 1; i >= 0; --i)
                if (!m_grid.Cells(Col(i), Row(i)).empty() || m_grid.Objects(Col(i), Row(i))) {
                    m_fill = i + 1;
                    break;
                }
        }
        return m_fill;
    }

    TStringGrid& m_grid;
    bool m_column;
    Integer m_index;
    Integer m_fill = -1;
};

}  // namespace

void TStringGrid::SetCells(Integer ACol, Integer ARow, StringView Value)
{
    if (ACol < 0 || ARow < 0) throw EInvalidGridOperation(IndexOutOfRange);
    if (m_cells.Text(ACol, ARow) == Value) return;
    m_cells.ColumnHint = ColCount();
    m_cells.SetText(ACol, ARow, Value);
    CellWritten(ACol, ARow);
}

void TStringGrid::SetObjects(Integer ACol, Integer ARow, TObject* Value)
{
    if (ACol < 0 || ARow < 0) throw EInvalidGridOperation(IndexOutOfRange);
    m_cells.ColumnHint = ColCount();
    m_cells.SetObject(ACol, ARow, Value);
    InvalidateCell(ShownColOf(ACol), ARow);
}

void TStringGrid::CellWritten(Integer ACol, Integer ARow)
{
    InvalidateCell(ShownColOf(ACol), ARow);
    if (!m_editorWriting && EditorHolds(ACol, ARow)) UpdateEditor();
}

std::unique_ptr<TStrings> TStringGrid::Cols(Integer Index)
{
    if (Index < 0 || Index >= ColCount()) throw EInvalidGridOperation(IndexOutOfRange);
    return std::make_unique<TGridLineStrings>(*this, true, Index);
}

std::unique_ptr<TStrings> TStringGrid::Rows(Integer Index)
{
    if (Index < 0 || Index >= RowCount()) throw EInvalidGridOperation(IndexOutOfRange);
    return std::make_unique<TGridLineStrings>(*this, false, Index);
}

void TStringGrid::SetCols(Integer Index, TStrings* Value) { Cols(Index)->Assign(Value); }

void TStringGrid::SetRows(Integer Index, TStrings* Value) { Rows(Index)->Assign(Value); }

void TStringGrid::DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState)
{
    if (DefaultDrawing()) {
        const StringView text = CellText(ACol, ARow);
        if (!text.empty()) {
            // The background is painted already.
            TCanvas& c = *Canvas();
            c.Brush()->SetStyle(bsClear);
            c.TextRect(ARect, ARect.Left + 2, ARect.Top + 2, text);
            c.Brush()->SetStyle(bsSolid);
        }
    }
    TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

String TStringGrid::GetEditText(Integer ACol, Integer ARow)
{
    String value = Cells(ACol, ARow);
    if (OnGetEditText) OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TStringGrid::SetEditText(Integer ACol, Integer ARow, const String& Value)
{
    {
        const TTemporaryChange writing(m_editorWriting, true);
        SetCells(ACol, ARow, Value);
    }
    TDrawGrid::SetEditText(ACol, ARow, Value);
}

void TStringGrid::ColumnMoved(Integer FromIndex, Integer ToIndex)
{
    m_cells.MoveColumn(FromIndex, ToIndex);
    TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(Integer FromIndex, Integer ToIndex)
{
    m_cells.MoveRow(FromIndex, ToIndex);
    TDrawGrid::RowMoved(FromIndex, ToIndex);
}

}  // namespace gw
