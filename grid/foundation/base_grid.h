// TBaseGrid: the grid cell store every table keeps its cells in - texts, per-cell properties in
// the object slots, merged cells - and the painting frame of a cell (background, hover and
// active row, selection look, grid lines, clipping under the fixed cells).
#pragma once

#include "grid/foundation/cell_properties.h"
#include "platform/grids/string_grid.h"

#include <functional>

namespace gw {

class TExtGridUndoRedo;

enum TGridSelectionStyle : uint8_t { ssDefault, ssVista, ssWin7, ssOffice2007 };
enum THoverRowCell : uint8_t { hcNormal = 1u << 0, hcFixed = 1u << 1, hcSelected = 1u << 2 };
using THoverRowCells = uint8_t;

// The look of a cell beside its brush and font: what GetCellDefaults and GetVisualProperties
// fill. Defaults are those of a grid that sets nothing.
struct TCellLook {
    TColor ColorTo = clNone;
    TColor MirrorColor = clNone;
    TColor MirrorColorTo = clNone;
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    bool WW = true;
    TCellGradientDirection GD = GradientVertical;
};

// Cells are addressed by real column (0 .. TotalColCount - 1; a descendant keeps hidden columns
// beyond ColCount) and row. A cell's text lives in the base grid's store; its object slot holds
// nothing or the cell's TCellProperties, created on demand. Ownership (docs/ARCHITECTURE.md): the
// slot owns the properties; moving cells moves them, EmptyCell/Row/Column only drop them, the
// Free... operations and the grid's destruction free them, also in cells beyond the counts.
//
// Operations that create or merge properties check the cell range and raise
// EInvalidGridOperation; reads outside the store answer as for a plain empty cell.
class TBaseGrid : public TStringGrid, public TCellPropertiesOwner {
public:
    explicit TBaseGrid(TComponent* AOwner);
    ~TBaseGrid() override;
    String ClassName() const override { return u"TBaseGrid"; }

    // --- cell text -----------------------------------------------------------------------------
    // The display text: that of the base cell, through the display-text hooks for normal rows.
    String GetCellEx(Integer ACol, Integer ARow);
    // Writes the base cell of a cell with properties (CellChanged, then a repaint of the whole
    // merged cell); a plain cell directly. A write into the hidden last row tells
    // HiddenLastRowChanged.
    void SetCellEx(Integer ACol, Integer ARow, StringView Value);
    // GetCellEx then SetCellEx of the same cell, the store searched once: answers the display
    // text the cell had, hooks asked as GetCellEx asks them, before Value is written. Value is
    // read only after the hooks ran, so a string a hook may reassign stays safe to pass.
    String ExchangeCellEx(Integer ACol, Integer ARow, const String& Value);
    // The same for a caller that holds what the cell's slot holds (GetGridObject's answer).
    String ExchangeCellEx(Integer ACol, Integer ARow, const TCellProperties* Slot, const String& Value);
    // Exactly that cell's stored text, without base-cell resolution or hooks.
    String GetGridCell(Integer ACol, Integer ARow) const { return Cells(ACol, ARow); }
    void SetGridCell(Integer ACol, Integer ARow, StringView Value) { SetCells(ACol, ARow, Value); }

    // --- object slots --------------------------------------------------------------------------
    // A cell inside the store whose slot holds properties.
    bool CellHasProperties(Integer ACol, Integer ARow) const;
    // The cell's properties, made first (filled from GetCellDefaults) when there are none.
    TCellProperties* GetCellProperties(Integer ACol, Integer ARow);
    // Frees what the slot holds and stores Value, which the slot then owns.
    void SetCellProperties(Integer ACol, Integer ARow, TCellProperties* Value);
    // The raw slot: nothing made, nothing freed.
    TCellProperties* GetGridObject(Integer ACol, Integer ARow) const;
    void SetGridObject(Integer ACol, Integer ARow, TCellProperties* Value);
    TObject* GetObjectEx(Integer ACol, Integer ARow) const;
    void SetObjectEx(Integer ACol, Integer ARow, TObject* Value);
    TObject* GetGraphicObjectEx(Integer ACol, Integer ARow) const;
    void SetGraphicObjectEx(Integer ACol, Integer ARow, TObject* Value);

    // --- rows and columns ----------------------------------------------------------------------
    // Count empty rows (columns) before At; RowCount (ColCount) grows by Count.
    void InsertRows(Integer At, Integer Count);
    void InsertCols(Integer At, Integer Count);
    // The rows (columns) At .. At + Count - 1 go with their texts and freed properties; the
    // count shrinks by as many (never below one more than the fixed ones).
    void DeleteRows(Integer At, Integer Count);
    void DeleteCols(Integer At, Integer Count);
    using TCustomGrid::MoveColumn;
    using TCustomGrid::MoveRow;
    // The cells of row From from column FirstCol on (texts and properties, hidden columns
    // included) move whole to row To, the rows between closing up by one: no cell is copied or
    // made. Row heights, the current cell and the cells before FirstCol stay where they are. Both
    // rows must lie inside the grid.
    void MoveRowCells(Integer From, Integer To, Integer FirstCol);
    // Empties row ARow from column FirstCol on: texts cleared, properties freed.
    void ClearRowCells(Integer ARow, Integer FirstCol);

    // --- merged cells --------------------------------------------------------------------------
    // Cells c .. c + SpanX - 1, r .. r + SpanY - 1 become one cell based at (c, r); an earlier
    // merge they overlap is overwritten cell by cell. The rectangle must lie inside the store.
    virtual void MergeCells(Integer ACol, Integer ARow, Integer SpanX, Integer SpanY);
    // Unmerges the merge (ACol, ARow) belongs to.
    virtual void SplitCells(Integer ACol, Integer ARow);
    TPoint BaseCell(Integer ACol, Integer ARow) const;
    bool IsBaseCell(Integer ACol, Integer ARow) const;
    bool IsMergedCell(Integer ACol, Integer ARow) const;
    bool IsMergedNonBaseCell(Integer ACol, Integer ARow) const;
    bool IsXMergedCell(Integer ACol, Integer ARow) const;
    bool IsYMergedCell(Integer ACol, Integer ARow) const;
    // Further columns and rows of the merge, from its base cell.
    TPoint CellSpan(Integer ACol, Integer ARow) const;
    // Columns and rows from this cell to the merge's last ones.
    TPoint CellExt(Integer ACol, Integer ARow) const;
    // The merge's cells, Right and Bottom included.
    TRect FullCell(Integer ACol, Integer ARow) const;
    Integer MinRowSpan(Integer ARow) const;
    Integer MaxRowSpan(Integer ARow) const;
    bool RowSpanIdentical(Integer ARow1, Integer ARow2) const;
    bool ColSpanIdentical(Integer ACol1, Integer ACol2) const;
    Integer MergeCount() const { return FMergeCount; }

    // --- geometry ------------------------------------------------------------------------------
    // The whole merged cell for a cell of a merge; for a cell hosting a control, its place even
    // when not shown.
    TRect CellRect(Integer ACol, Integer ARow) const;
    TPoint CellSize(Integer ACol, Integer ARow) const;
    void RepaintCell(Integer ACol, Integer ARow) override;

    // --- painting ------------------------------------------------------------------------------
    void PaintCell(TCanvas& ACanvas, Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState);
    // The frame alone (background and lines), in ARect as given.
    void PaintCellExt(TCanvas& ACanvas, Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState);
    Integer PaintID() const { return FPaintID; }

    // --- properties ----------------------------------------------------------------------------
    bool ActiveRowShow() const { return FActiveRowShow; }
    void SetActiveRowShow(bool Value);
    TColor ActiveRowColor() const { return FActiveRowColor; }
    void SetActiveRowColor(TColor Value);
    TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
    void SetActiveRowColorTo(TColor Value);
    TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
    void SetActiveRowMirrorColor(TColor Value);
    TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
    void SetActiveRowMirrorColorTo(TColor Value);
    TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
    void SetSelectionStyle(TGridSelectionStyle Value);
    // The lines the cell painter draws inside each cell; the base grid's own stay at 0.
    Integer GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(Integer Value);
    TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(TColor Value);
    TColor GridFixedLineColor() const { return FGridFixedLineColor; }
    void SetGridFixedLineColor(TColor Value);
    // Stored only: the base grid's own default drawing stays off.
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool Value);
    TExtGridUndoRedo* UndoRedo() const { return FUndoRedo; }
    void SetUndoRedo(TExtGridUndoRedo* Value);

    bool HoverRow = false;
    TColor HoverRowColor = clInfoBk;
    TColor HoverRowColorTo = clNone;
    THoverRowCells HoverRowCells = hcNormal | hcSelected;
    std::function<void(TObject* Sender, Integer ACol, Integer ARow, String& Value)> OnGetDisplText;
    std::function<void(TObject* Sender, Integer ACol, Integer ARow, String& Value)> OnGetDisplWideText;

    // --- hooks descendants answer ----------------------------------------------------------------
    virtual bool IsFixed(Integer /*ACol*/, Integer /*ARow*/) const { return false; }
    // Maps a real column index to the displayed one.
    virtual Integer DisplColIndex(Integer ACol) const { return ACol; }
    // ColCount plus the hidden columns a descendant keeps.
    virtual Integer TotalColCount() const { return ColCount(); }
    // The part of a cell's rectangle that its body is painted in, inside the grid lines.
    TRect CellBodyRect(const TRect& Cell, bool Fixed) const;
    // The body of the cell under the frame: here its text, centred on one line.
    virtual void PaintCellBody(TCanvas& ACanvas, Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState);
    // Fills every argument with the cell's brush, font and look (here: nothing).
    virtual void GetVisualProperties(Integer ACol, Integer ARow, TGridDrawState& AState, bool Print, bool Select,
                                     bool Remap, TBrush& ABrush, TFont& AFont, TCellLook& Look);

protected:
    virtual Integer RowNodeIndent(Integer /*ARow*/) const { return 0; }
    virtual bool HasNodes() const { return false; }
    virtual void HiddenLastRowChanged() {}
    virtual void GetDisplText(Integer ACol, Integer ARow, String& Value);
    virtual void GetDisplWideText(Integer ACol, Integer ARow, String& Value);
    // The look a new cell's properties start from: the grid's font and colour, no colours,
    // left and top aligned, the grid's word wrap, vertical gradient.
    virtual void GetCellDefaults(Integer ACol, Integer ARow, TFont& AFont, TBrush& ABrush, TCellLook& Look);
    // After SetCellEx wrote the base cell of a cell with properties.
    virtual void CellChanged(Integer /*ACol*/, Integer /*ARow*/) {}
    // Stored cells are addressed by real column.
    Integer ShownColOf(Integer StoreCol) const override { return DisplColIndex(StoreCol); }
    // Cells widened to every merged cell that crosses their edge, as often as that widens them.
    TGridRect WholeCells(const TGridRect& Cells) const override;
    virtual bool HasCustomBorders() const { return false; }
    virtual bool UsesAppStyles() const { return false; }

    // Frees the properties (and their TCellGraphic) of every cell of the inclusive range.
    void FreeCellPropertiesRange(Integer FromCol, Integer FromRow, Integer ToCol, Integer ToRow);
    void FreeCellObject(Integer ACol, Integer ARow);
    // Drop the slot's reference without freeing (the properties were put elsewhere first) and
    // empty the text.
    void EmptyCell(Integer ACol, Integer ARow);
    void EmptyRow(Integer ARow);
    void EmptyColumn(Integer ACol);
    // True with the cell itself for a plain or base cell, else false with the base cell.
    bool ResolveBaseCell(Integer ACol, Integer ARow, Integer& BaseCol, Integer& BaseRow) const;
    void MoveToBaseCell();
    // The cell's client rectangle from the sizes alone, shown or not.
    TRect VirtualCellRect(Integer ACol, Integer ARow) const;
    TObject* GraphicOfProperties(const TCellProperties* Props) const
    {
        return Props ? Props->GraphicObject() : nullptr;
    }
    void PaintCellCore(TCanvas& ACanvas, Integer ACol, Integer ARow, bool Full, TGridDrawState AState,
                       const TRect& ARect);

    void Paint() override;
    void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(Integer ACol, Integer ARow) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void TopLeftChanged() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    bool FHideLastRow = false;
    // Rows below it get the display-text hooks.
    Integer FNormalRowCount = 0;
    Integer FHoverRowIdx = -1;
    bool FShowSel = true;

private:
    // Raw slots are TCellProperties only, put there by this class.
    using TStringGrid::Cols;
    using TStringGrid::Objects;
    using TStringGrid::Rows;
    using TStringGrid::SetCols;
    using TStringGrid::SetObjects;
    using TStringGrid::SetRows;

    TCellProperties* Props(Integer ACol, Integer ARow) const;
    // Whether Props answers Slot for a cell whose slot holds it.
    bool PropsInGrid(const TCellProperties* Slot, Integer ACol, Integer ARow) const;
    // The halves of GetCellEx and SetCellEx once the base cell is known.
    String DisplayText(TPoint Base);
    void WriteCell(Integer ACol, Integer ARow, TPoint Base, bool HasProps, StringView Value);
    TCellProperties* NewCellProperties(Integer ACol, Integer ARow);
    void CheckCell(Integer ACol, Integer ARow, const char* What) const;
    // Text set to " " around a change of the properties of an empty cell.
    template <class Change>
    void WithText(Integer ACol, Integer ARow, Change&& Apply);
    void FreeCellsOfRows(Integer At, Integer Count);
    void FreeCellsOfCols(Integer At, Integer Count);
    void FreeAllCellObjects();
    // FreeCellPropertiesRange whether or not the grid believes it has properties.
    void FreeSlots(Integer FromCol, Integer FromRow, Integer ToCol, Integer ToRow);
    void PaintBackground(TCanvas& ACanvas, Integer ACol, const TRect& R, TGridDrawState AState, TColor BrushColor,
                         const TCellLook& Look);
    void PaintGridLines(TCanvas& ACanvas, Integer ACol, const TRect& R, TGridDrawState AState);
    void RepaintMergedFixedCells();

    bool FDefaultDrawing = false;
    Integer FGridLineWidth = 1;
    TColor FGridLineColor = clSilver;
    TColor FGridFixedLineColor = clGray;
    Integer FPaintID = 1;
    TExtGridUndoRedo* FUndoRedo = nullptr;
    bool FActiveRowShow = false;
    TColor FActiveRowColor = clInfoBk;
    TColor FActiveRowColorTo = clNone;
    TColor FActiveRowMirrorColor = clNone;
    TColor FActiveRowMirrorColorTo = clNone;
    TGridSelectionStyle FSelectionStyle = ssDefault;
    Integer FMergeCount = 0;
};

}  // namespace gw
