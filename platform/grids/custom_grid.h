// TCustomGrid: the class library's grid - cells laid out in columns and rows with fixed headers,
// the current cell and the selection, keys, mouse states, scrolling, painting and the in-place
// editor that edits one cell at a time.
#pragma once

#include "platform/controls/memo.h"
#include "platform/grids/grid_axis.h"
#include "platform/grids/grid_types.h"
#include "platform/ui/win_control.h"

#include <utility>

namespace gw {

class TInplaceEdit;

// Coordinates: columns and rows count from 0, fixed ones first; the rows from TopRow and the
// columns from LeftCol scroll. With right-to-left alignment (BiDiMode bdRightToLeft) the columns
// are laid out from the client's right edge: CellRect, MouseToCell and the invalidations speak
// client coordinates, while painting runs on a canvas in right-to-left orientation, so DrawCell
// gets each cell's rectangle as measured from the right edge and draws as it would left to right. Sizes are a default plus exceptions (TGridAxis), so a grid of ten
// million rows lays out, scrolls and paints as fast as one of a thousand.
//
// Editing (with goEditing): the editor opens on F2, Enter, a typed character or a press on the
// current cell (docs/ARCHITECTURE.md, "The base grid"), reads the cell through GetEditText and
// gives a changed text back through SetEditText when it closes or moves on.
class TCustomGrid : public TCustomControl {
public:
    explicit TCustomGrid(TComponent* AOwner);
    ~TCustomGrid() override;
    String ClassName() const override { return u"TCustomGrid"; }

    void Dispatch(TMessage& Message) override;

    // --- counts and sizes ------------------------------------------------------------------
    // At least 1; the fixed count shrinks below a smaller count.
    Integer ColCount() const { return m_cols.Count(); }
    void SetColCount(Integer Value);
    Integer RowCount() const { return m_rows.Count(); }
    void SetRowCount(Integer Value);
    // At least one column (row) must scroll: EInvalidGridOperation otherwise.
    Integer FixedCols() const { return m_fixedCols; }
    void SetFixedCols(Integer Value);
    Integer FixedRows() const { return m_fixedRows; }
    void SetFixedRows(Integer Value);
    // Every column (row) takes the new default.
    Integer DefaultColWidth() const { return m_cols.DefaultSize(); }
    void SetDefaultColWidth(Integer Value);
    Integer DefaultRowHeight() const { return m_rows.DefaultSize(); }
    void SetDefaultRowHeight(Integer Value);
    // Reading outside the columns gives the default; writing there raises EInvalidGridOperation.
    Integer ColWidths(Integer Index) const { return m_cols.Size(Index); }
    void SetColWidths(Integer Index, Integer Value);
    Integer RowHeights(Integer Index) const { return m_rows.Size(Index); }
    void SetRowHeights(Integer Index, Integer Value);
    Integer GridLineWidth() const { return m_cols.LineWidth(); }
    void SetGridLineWidth(Integer Value);
    // The width (height) the shown cells take, grid lines included, at most the client's.
    Integer GridWidth() const;
    Integer GridHeight() const;

    TGridOptions Options() const { return m_options; }
    void SetOptions(TGridOptions Value);
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle Value);
    TColor FixedColor() const { return m_fixedColor; }
    void SetFixedColor(TColor Value);
    // Off: Paint leaves each cell to DrawCell alone (no background, focus rectangle or edges).
    bool DefaultDrawing() const { return m_defaultDrawing; }
    void SetDefaultDrawing(bool Value);

    // --- position and view ---------------------------------------------------------------------
    // Setting the current cell asks SelectCell, moves the anchor with it and shows the cell;
    // an index outside the grid raises EInvalidGridOperation.
    Integer Col() const { return m_current.X; }
    void SetCol(Integer Value);
    Integer Row() const { return m_current.Y; }
    void SetRow(Integer Value);
    // The first scrolling column (row) shown; kept among the scrolling ones.
    Integer LeftCol() const { return m_topLeft.X; }
    void SetLeftCol(Integer Value);
    Integer TopRow() const { return m_topLeft.Y; }
    void SetTopRow(Integer Value);
    // Scrolling columns (rows) shown whole, from LeftCol (TopRow).
    Integer VisibleColCount() const;
    Integer VisibleRowCount() const;
    // The selected cells, ordered. Setting it puts the anchor at TopLeft and the current cell at
    // BottomRight (either may be the larger), without asking SelectCell or scrolling.
    TGridRect Selection() const;
    void SetSelection(const TGridRect& Value);
    // The corner of the selection that stays while Shift or the mouse extends it.
    TGridCoord Anchor() const { return m_anchor; }

    // The cell's client rectangle (its grid lines excluded) when any of it is shown, else empty.
    TRect CellRect(Integer ACol, Integer ARow) const;
    // Where a column (row) starts, measured from column (row) 0's start, grid lines included:
    // the sum of the extents before it, found without walking them.
    int64_t ColStart(Integer Index) const { return m_cols.Start(Index); }
    int64_t RowStart(Integer Index) const { return m_rows.Start(Index); }
    // A rectangle measured from the edge the columns start at, as a client rectangle, and back
    // (mirrored across the client width with right-to-left alignment, else unchanged).
    TRect MirrorClientRect(const TRect& R) const;
    // A client x measured from the edge the columns start at, and back.
    Integer MirrorClientX(Integer X) const { return UseRightToLeftAlignment() ? ClientWidth() - 1 - X : X; }
    // The cell under a client point; -1 for a column (row) outside the cells.
    void MouseToCell(Integer X, Integer Y, Integer& ACol, Integer& ARow) const;
    TGridCoord MouseCoord(Integer X, Integer Y) const;
    void InvalidateCell(Integer ACol, Integer ARow);
    void InvalidateRow(Integer ARow);
    void InvalidateCol(Integer ACol);

    // --- the in-place editor ---------------------------------------------------------------------
    bool EditorMode() const { return m_editorMode; }
    void SetEditorMode(bool Value);
    // The editor, once it has been made (nullptr before).
    TInplaceEdit* InplaceEditor() const { return m_inplaceEdit; }

protected:
    friend class TInplaceEdit;

    // --- hooks of descendants ----------------------------------------------------------------
    // Draws one cell inside ARect; with DefaultDrawing its background is painted already and
    // the canvas's brush and font colours are those of its state.
    virtual void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) = 0;
    // Asked before a cell becomes current; false keeps the current cell.
    virtual bool SelectCell(Integer ACol, Integer ARow);
    virtual void TopLeftChanged();
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    virtual void SizeChanged(Integer OldColCount, Integer OldRowCount);
    // After MoveColumn (MoveRow) moved the sizes, the current cell and the anchor.
    virtual void ColumnMoved(Integer FromIndex, Integer ToIndex);
    virtual void RowMoved(Integer FromIndex, Integer ToIndex);
    // Whether a window scroll bar (SB_VERT or SB_HORZ) stays shown while it has nothing to
    // scroll (a descendant that greys it instead of hiding it); by default it is hidden.
    virtual bool KeepsIdleScrollBar(Integer /*Bar*/) const { return false; }
    // The cell a selecting pointer over the cell (ACol, ARow) makes current: that cell, unless
    // a descendant shows several cells as one.
    virtual TGridCoord PointedCell(Integer ACol, Integer ARow) const { return {ACol, ARow}; }
    // The cells to repaint when Cells change: Cells themselves, unless a descendant shows
    // several cells as one and one of those crosses their edge.
    virtual TGridRect WholeCells(const TGridRect& Cells) const { return Cells; }

    // --- repainting after redraw was off ------------------------------------------------------
    // From BeginGathering until EndGathering, cells invalidated while redraw is off are gathered
    // into one range instead of being dropped, so that the one who turns redraw on again can
    // repaint only them (the window system keeps whatever else was invalidated meanwhile).
    struct TGatheredCells {
        bool Gathering = false;  // false: nothing is known of what changed
        bool Any = false;
        TGridRect Cells;
    };
    void BeginGathering()
    {
        m_gathered = {};
        m_gathered.Gathering = true;
    }
    TGatheredCells EndGathering() { return std::exchange(m_gathered, TGatheredCells{}); }
    // Repaints the cells as WholeCells widens them (with redraw off: gathers them).
    void InvalidateCells(const TGridRect& Cells);

    // --- the editor's hooks ----------------------------------------------------------------------
    virtual TInplaceEdit* CreateEditor();
    // Whether the editor may show now: goEditing without goRowSelect, editor mode, a window,
    // and the focus in the grid or goAlwaysShowEditor.
    virtual bool CanEditShow() const;
    // False makes the editor read-only.
    virtual bool CanEditModify() const;
    virtual String GetEditText(Integer ACol, Integer ARow);
    virtual void SetEditText(Integer ACol, Integer ARow, const String& Value);
    virtual String GetEditMask(Integer ACol, Integer ARow);
    // The editor's maximum length, 0 for none.
    virtual Integer GetEditLimit();
    void ShowEditor();
    // Gives a changed text back and hides the editor.
    void HideEditor();
    // Opens the editor and types Ch into it.
    void ShowEditorChar(Char Ch);
    // Reads the current cell into the editor again and places it, when it shows or should.
    void UpdateEditor();
    // The editor holds the text of that cell (it is open there, shown or scrolled out of view).
    bool EditorHolds(Integer ACol, Integer ARow) const
    {
        return m_inplaceCell.X == ACol && m_inplaceCell.Y == ARow && m_inplaceCell.X >= 0;
    }

    // --- moving ------------------------------------------------------------------------------------
    // Makes a cell current: SelectCell first; then the editor gives its text back (and hides,
    // unless goAlwaysShowEditor), the anchor moves when asked (or without goRangeSelect), the
    // cell is scrolled into view when Show, and what changed is repainted.
    void MoveColRow(Integer ACol, Integer ARow, bool MoveAnchor, bool Show);
    // Moves a column (row) with its size; the current cell and the anchor follow.
    void MoveColumn(Integer FromIndex, Integer ToIndex);
    void MoveRow(Integer FromIndex, Integer ToIndex);
    // Puts the anchor and the current cell on (ColCount, RowCount), past the last cell, without
    // asking SelectCell or scrolling: no cell is current or selected and the editor is closed.
    // The next move, or a change of the counts, brings the current cell back into the grid.
    void ParkSelectionOutside();

    // What the mouse is doing. Setting gsNormal ends a state (as WM_CANCELMODE does); setting
    // gsSelecting starts one as a press on a cell would (capture and the auto-scroll timer).
    TGridState GridState() const { return m_gridState; }
    void SetGridState(TGridState Value);
    // The sizing state a press at a client point would start (gsNormal when none), the column
    // (row) it sizes and the distance of the point from that one's grid line (measured from the
    // edge the columns start at).
    TGridState CalcSizingState(Integer X, Integer Y, Integer& Index, Integer& Offset) const;

    // --- control hooks -------------------------------------------------------------------------------
    void Paint() override;
    void CreateWnd() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(Char& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    // The wheel moves the current row a row per notch, when OnMouseWheel... leave it.
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    LRESULT DialogCode() const override;
    bool RepaintsOnFocusChange() const override { return true; }
    void DoExit() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // Where an axis shows: the fixed items from 0, then the scrolling ones from First.
    struct TAxisView {
        Integer Fixed = 0;  // fixed items
        Integer First = 0;  // first scrolling item shown
        Integer Client = 0;  // client extent
        int64_t FixedExtent = 0;  // pixels of the fixed items
        int64_t FirstStart = 0;  // axis position of First
        Integer LastFull = 0;  // last scrolling item shown whole (First - 1: none)
        Integer LastPartial = 0;  // last scrolling item shown at all (First - 1: none)
        // The pixel where an item shown starts.
        int64_t PixelOf(const TGridAxis& Axis, Integer Index) const
        {
            return Index < Fixed ? Axis.Start(Index) : FixedExtent + Axis.Start(Index) - FirstStart;
        }
    };
    TAxisView View(const TGridAxis& Axis, Integer Fixed, Integer First, Integer Client) const;
    TAxisView HorzView() const;
    TAxisView VertView() const;
    // The first scrolling item that shows the last one whole.
    static Integer MaxFirst(const TGridAxis& Axis, Integer Fixed, Integer Client);
    // The first scrolling item that shows Index whole at the end (Index itself when it is
    // larger than the room).
    static Integer FirstShowing(const TGridAxis& Axis, Integer Fixed, Integer Client, Integer Index);
    // Where item Index of an axis starts as shown (fixed ones from 0, scrolling ones from First
    // after them); false when it does not show.
    static bool ShownAt(const TGridAxis& Axis, Integer Fixed, Integer First, Integer Client, Integer Index,
                        int64_t& Pixel);
    // The pixel span [Lo, Hi) of items A .. B as shown; false when none of them shows.
    bool AxisSpan(const TGridAxis& Axis, const TAxisView& V, Integer A, Integer B, int64_t& Lo, int64_t& Hi) const;
    // The client rectangle of a range of cells, grid lines included; empty when none shows.
    TRect BoxRect(const TGridRect& Cells) const;
    // Adds Cells to what is gathered, when a gathering is on.
    void GatherCells(const TGridRect& Cells);
    // The range the draw state calls selected: the selection, all columns with goRowSelect.
    TGridRect DrawnSelection() const;
    bool IsActiveControl() const;

    // custom_grid.cpp
    void ChangeSize(Integer NewColCount, Integer NewRowCount);
    void CheckCell(Integer ACol, Integer ARow) const;
    // MoveColRow's work; false when SelectCell refused.
    bool MoveCurrent(Integer ACol, Integer ARow, bool MoveAnchor, bool Show);
    // A move by key or mouse: MoveCurrent, then OnClick when the cell changed.
    void FocusCell(Integer ACol, Integer ARow, bool MoveAnchor);
    void SelectionMoved(const TGridRect& OldSelection, TGridCoord OldCurrent);
    void KeepInRange();

    // custom_grid.cpp: the messages
    void WMScroll(TMessage& Message, bool Vertical);
    void WMTimer(TMessage& Message);
    void WMSetFocus(TMessage& Message);
    void WMCancelMode(TMessage& Message);
    void WMCaptureChanged(TMessage& Message);
    void CMBiDiModeChanged(TMessage& Message);

    // grid_scrolling.cpp
    void MoveTopLeft(Integer ALeft, Integer ATop);
    void ClampInView(TGridCoord Cell);
    void UpdateScrollRange();
    void UpdateScrollPos();
    void ScrollMessage(bool Vertical, Word Code, Integer Pos);
    Integer ScrollPosToFirst(bool Vertical, Integer Pos) const;
    Integer FirstToScrollPos(bool Vertical) const;
    Integer HorzBarPos(Integer Pos) const;
    Word HorzBarCode(Word Code) const;
    void TimedScroll();
    void WMSize(TMessage& Message);

    // grid_keyboard.cpp
    void WMChar(TMessage& Message);
    void CMWantSpecialKey(TMessage& Message);
    // The cell Tab (Shift+Tab) goes to.
    TGridCoord TabTarget(bool Backward) const;

    // grid_mouse.cpp
    void WMSetCursor(TMessage& Message) override;
    // CalcSizingState for an x measured from the edge the columns start at.
    TGridState SizingStateAt(Integer X, Integer Y, Integer& Index, Integer& Offset) const;
    // Invalidates a rectangle measured from the edge the columns start at.
    void InvalidateMirrored(const TRect& R);
    void CancelMode();
    void StartSelecting();
    // The scrolling item shown at a client position, held to those shown.
    static Integer ShownItemAt(const TGridAxis& Axis, const TAxisView& V, Integer P);
    void SelectAt(Integer X, Integer Y);
    void SizingMoved(Integer X, Integer Y);
    void MovingMoved(Integer X, Integer Y);
    void EndSizing(Integer X, Integer Y);
    void EndMoving();
    // The strip the sizing line or the moving mark occupies, for repainting it.
    TRect SizingLineRect() const;
    TRect MovingMarkRect() const;

    // grid_paint.cpp
    void PaintRegion(TCanvas& Canvas, const TAxisView& H, const TAxisView& V, Integer Col0, Integer Col1, Integer Row0,
                     Integer Row1, const TRect& Clip);
    void PaintLines(TCanvas& Canvas, const TAxisView& H, const TAxisView& V, Integer Col0, Integer Col1, Integer Row0,
                    Integer Row1, bool FixedCells);
    TGridDrawState DrawStateOf(Integer ACol, Integer ARow, const TGridRect& Selected) const;

    // grid_editing.cpp
    void UpdateEdit();
    void HideEdit();
    // Gives the editor's text back when it was changed.
    void UpdateText();
    // The editor goes over the current cell (hidden while the cell does not show).
    void PlaceEditor();
    void CancelEdit();

    // The timer that scrolls while a drag is held past an edge.
    static constexpr uintptr_t AutoScrollTimer = 1;

    TGridAxis m_cols;
    TGridAxis m_rows;
    Integer m_fixedCols = 1;
    Integer m_fixedRows = 1;
    TGridCoord m_current{1, 1};
    TGridCoord m_anchor{1, 1};
    TGridCoord m_topLeft{1, 1};
    TGridOptions m_options = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    TScrollStyle m_scrollBars = ssBoth;
    TColor m_fixedColor = clBtnFace;
    bool m_defaultDrawing = true;

    bool m_editorMode = false;
    TInplaceEdit* m_inplaceEdit = nullptr;  // owned as a component of the grid
    // The cell whose text the editor holds; (-1, -1) when it holds none.
    TGridCoord m_inplaceCell{-1, -1};

    TGridState m_gridState = gsNormal;
    Integer m_sizingIndex = -1;
    Integer m_sizingPos = 0;  // where the grid line would go
    Integer m_sizingOfs = 0;
    Integer m_moveIndex = -1;
    Integer m_movePos = -1;
    bool m_updatingScrollBars = false;
    TGatheredCells m_gathered;
};

}  // namespace gw
