// TExtColumnGrid: the string grid with a column collection; every per-cell question is answered
// from the cell's column first, then by the string grid (whose events see the column's answer).
//
// The collection holds one item per real column (hidden ones included) and follows the grid:
// ColCount, inserted, removed and moved columns, widths.
#pragma once

#include "grid/model/ext_string_grid.h"
#include "grid/model/grid_column_item.h"

#include <functional>
#include <memory>

namespace gw {

class TPopupMenu;

using TColumnPopupEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, TPopupMenu* PopupMenu)>;
using TAfterColumnMoved = std::function<void(TObject* Sender, Integer FromIndex, Integer ToIndex)>;
using TFloatFormatEvent =
    std::function<void(TObject* Sender, Integer ACol, Integer ARow, bool& IsFloat, String& FloatFormat)>;
using TFilterSelectEvent = std::function<void(TObject* Sender, Integer Column, Integer ItemIndex,
                                              const String& FriendlyName, String& FilterCondition)>;

class TExtColumnGrid : public TExtStringGrid {
public:
    explicit TExtColumnGrid(TComponent* AOwner);
    ~TExtColumnGrid() override;
    String ClassName() const override { return u"TExtColumnGrid"; }
    void Loaded() override;
    // The column grid unit's start-up registers TExtColumnGrid, TGridColumnItem and
    // TGridColumnCollection by name, once however often it is called; its shut-down takes them
    // back. They run beside the grid unit's own (TExtStringGrid::StartUp, ShutDown).
    static void StartUp();
    static void ShutDown();

    TGridColumnCollection* Columns() const { return FColumnCollection.get(); }
    void SetColumns(TGridColumnCollection* Value) { FColumnCollection->Assign(Value); }
    // The string grid's setter, then the items brought in step.
    void SetColCount(Integer Value);
    // The first item whose Name is AValue (case-sensitive), or nullptr.
    TGridColumnItem* GetColumnByName(const String& AValue) const;
    // Items appended or freed until there is one per real column.
    void SyncColumnCount();
    // Empty headers taken from row 0, then ColumnHeaders rebuilt from the items.
    void UpdateColumnHeaders();
    bool IsColMoving() const { return FColMoving; }
    // The width of real column ACol: the kept width of a hidden column, else the displayed one.
    Integer GetAllColWidths(Integer ACol) const;
    void SetAllColWidths(Integer ACol, Integer Value);

    void InsertCols(Integer ColIndex, Integer CCount) override;
    void RemoveCols(Integer ColIndex, Integer CCount) override;
    void Group(Integer ColIndex) override;
    void UnGroup() override;
    void ChangeScale(Integer M, Integer D) override;

    // Column order in an INI file: "CP" + item index = the item's DefIdx. A file is taken only
    // when its values are a permutation of the item indexes.
    void SaveColumnPositions(const String& Key, const String& Section);
    void LoadColumnPositions(const String& Key, const String& Section);
    void SaveColPositions() override;
    void LoadColPositions() override;
    // The column definitions (column_stream.h). A stream that cannot be read raises EReadError
    // and leaves Columns as they were; ColCount is not changed by loading.
    void SaveColumnsToStream(TStream* Stream) const;
    void LoadColumnsFromStream(TStream* Stream);

    bool AutoFilterDisplay = false;
    TColumnPopupEvent OnColumnPopup;
    TAfterColumnMoved OnAfterColumnMoved;
    TFloatFormatEvent OnGetFloatFormat;
    TFilterSelectEvent OnFilterSelect;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    Integer GetVersionNr() const override;
    String GetVersionString() const override;
    virtual std::unique_ptr<TGridColumnCollection> CreateColumns();

    // ---- per-cell questions: the column first ----
    void GetCellDefaults(Integer ACol, Integer ARow, TFont& AFont, TBrush& ABrush, TCellLook& Look) override;
    void GetCellColor(Integer ACol, Integer ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
    void GetCellPrintColor(Integer ACol, Integer ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
    void GetCellBorder(Integer ACol, Integer ARow, TPen* APen, TCellBorders& Borders) override;
    void GetCellPrintBorder(Integer ACol, Integer ARow, TPen* APen, TCellBorders& Borders) override;
    void GetCellAlign(Integer ACol, Integer ARow, TAlignment& HAlign, TVAlignment& VAlign) override;
    void GetSortFormat(Integer ACol, TSortStyle& AStyle, String& APrefix, String& ASuffix) override;
    void GetEditorType(Integer ACol, Integer ARow, TEditorType& AEditor) override;
    void DoGetEditorProp(Integer ACol, Integer ARow) override;
    void IsFixedCell(Integer ACol, Integer ARow, bool& IsFixed) override;
    void CanEditCell(Integer ACol, Integer ARow, bool& CanEdit) override;
    void DoIsPasswordCell(Integer ACol, Integer ARow, bool& IsPassword) override;
    bool HasComboBox(Integer ACol, Integer ARow) override;
    void GetCheckTrue(Integer ACol, Integer ARow, String& Value) override;
    void GetCheckFalse(Integer ACol, Integer ARow, String& Value) override;
    // The body cells answer their column's texts.
    bool CheckTextsPerCell() const override { return true; }
    TCellType GetCellType(Integer ACol, Integer ARow) override;
    TCellGraphic* GetCellGraphic(Integer ACol, Integer ARow) override;
    TCellGraphic* PaintedGraphic(Integer RealCol, Integer ARow) override;
    String GetColumnFloatFormat(Integer ACol, Integer ARow) override;
    void UpdateColSize(Integer ACol, Integer& AWidth) override;
    void UpdateAutoColSize(Integer ACol, Integer& AWidth) override;
    String GetEditMask(Integer ACol, Integer ARow) override;
    Integer GetEditLimit() override;
    String GetFormattedCell(Integer ACol, Integer ARow) override;
    bool GetColumnFilter(Integer ACol) override;
    void ApplyFilterListChoice(Integer ItemIndex) override;
    void ColumnHeadersChanged() override;
    void AllCellsChanged() override;
    void ColWidthsChanged() override;
    void ColumnMoved(Integer FromIndex, Integer ToIndex) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

    // The column's part of GetCellType and GetCellGraphic, given the string grid's answer.
    TCellType ColumnCellType(Integer ACol, Integer ARow, TCellType GridType) const;
    TCellGraphic* ColumnCellGraphic(Integer ACol, Integer ARow, TCellGraphic* GridGraphic);
    // The column's part of GetColumnFilter, after the string grid filled FilterList.
    bool ColumnFilterList(Integer ACol);
    // The item of a real column, or nullptr outside the collection.
    TGridColumnItem* ItemOf(Integer ACol) const;
    // Column at least FixedCols and below the fixed right columns, row between the fixed rows and
    // the footer rows.
    bool IsBodyCell(Integer ACol, Integer ARow) const;
    bool IsLoading() const;
    // GetCellPrintColor for a cell outside the fixed area.
    void PrintColumnLook(const TGridColumnItem& Item, Integer ACol, Integer ARow, TBrush* ABrush, TFont* AFont);
    // Opens the column's pop-up menu for a click on a cell (real column index).
    void ColumnPopupClick(TMouseButton Button, Integer ACol, Integer ARow);

    std::unique_ptr<TGridColumnCollection> FColumnCollection;
    std::unique_ptr<TGridColumnItem> FSaveCol;
    std::unique_ptr<TCellGraphic> FCellGraphic;
    bool FColMoving = false;
};

}  // namespace gw
