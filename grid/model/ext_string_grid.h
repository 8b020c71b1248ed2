// TExtStringGrid: the string grid under every table window - the whole class, grouped by concern.
//
// Its member functions lie in files named for their concern (docs/ARCHITECTURE.md, "The string
// grid's rooms"): the life cycle in ext_string_grid_life.cpp, and so on. A member whose behaviour
// is not built yet has its body in ext_string_grid_open.cpp, where it raises ENotBuiltYet naming
// itself; a later change moves the body to its room.
//
// Cells are addressed as the cell store addresses them: real columns and displayed rows, unless a
// member says otherwise (`...Ex` by real row, `Displ...` by displayed column).
#pragma once

#include "grid/foundation/base_grid.h"
#include "grid/foundation/editor_types.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/theme_style.h"
#include "grid/model/cell_graphic.h"
#include "grid/model/column_visibility.h"
#include "grid/model/ext_grid_error.h"
#include "grid/model/grid_look.h"
#include "grid/model/hidden_rows.h"
#include "grid/model/settings_grid.h"
#include "grid/model/sort_style.h"
#include "platform/controls/check_box.h"
#include "platform/runtime/exceptions.h"
#include "platform/ui/forms.h"

#include <array>
#include <bitset>
#include <functional>
#include <memory>

namespace gw {

class TArrowWindow;
class TBackGround;
class TBalloonSettings;
class TBands;
class TBitmap;
class TCellNode;
class TColumnSize;
class TControlList;
class TControlLook;
class TCustomImageList;
class TDragDropSettings;
class TDragScrollOptions;
class TFilter;
class TFilterDropDown;
class TFloatingFooter;
class TFocusHelper;
class TForm;
class TGridChangeNotifier;
class TGridChangeNotifiers;
class TGridFocusWindow;
class TGridProgressAppearance;
class TGrouping;
class THTMLPictureCache;
class THTMLSettings;
class TIntList;
class TList;
class TMouseActions;
class TNavigation;
class TPrintSettings;
class TScrollBar;
class TSearchFooter;
class TShowModified;
class TSizeWhileTyping;
class TSortIndexList;
class TSortSettings;
class TStream;
class TStringList;
class TStrings;
class TSyncGrid;
// Classes of the editing, search and footer rooms, built by later changes; the grid keeps their
// fields and their place in the create and destroy order.
class TFooterPanel;
class TSearchPanel;
class THTMLHintWindow;
class TDropList;
class TDropCheckList;
class TGridCombo;
class TGridTransEdit;
class TGridTransCombo;
class TGridCheckBox;
class TGridEditBtn;
class TGridUnitEditBtn;
class TGridButton;
class THeaderDragButton;
class TControlEdit;
class TControlCombo;
class TGridSpin;
class TGridDatePicker;
class TGridDateTimePicker;
class TExtRichEdit;
class TGridTrackbarDropDown;
class TGridMemoDropDown;
class TGridCalculatorDropDown;
class TGridTimepickerDropDown;
class TGridDetailPickerDropDown;
class TGridGridDropDown;
class TGridColorDropDown;
class TGridImageDropDown;
class TMetroScrollBar;

// Raised by a member whose behaviour is not built yet; the message names the member.
class ENotBuiltYet : public Exception {
public:
    using Exception::Exception;
};

enum TCellBorder : uint8_t { cbTop = 1u << 0, cbLeft = 1u << 1, cbRight = 1u << 2, cbBottom = 1u << 3 };
using TCellBorders = uint8_t;
enum TSearchAction : uint8_t { saFindFirst, saFindPrevious, saFindNext };
enum TScrollBarAlways : uint8_t { saNone, saVert, saHorz, saBoth };
enum TScrollType : uint8_t { ssNormal, ssFlat, ssEncarta, ssMetro };
enum THintShowLargeTextPos : uint8_t { hpCell, hpMouse };
enum TInvalidEntryIcon : uint8_t { ieNone, ieInfo, ieWarning, ieError };
enum TFilterDropDownColumns : uint8_t { fdNormal, fdAll };
enum THoverFixedCells : uint8_t { hfNone, hfFixedRows, hfFixedColumns, hfAll };
enum TMouseSelectMode : uint8_t { msNormal, msExcel };
enum TGridExportState : uint8_t {
    esExportStart,
    esExportNewRow,
    esExportDone,
    esExportSelRow,
    esExportFail,
    esExportNextRow
};
enum TGridImportState : uint8_t { isImportStart, isImportNewRow, isImportDone, isImportSelRow };

// Event types keep their argument order: many put the row first.
using TGridHintEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, String& HintStr)>;
using TGridColorEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, TGridDrawState AState,
                                           TBrush* ABrush, TFont* AFont)>;
using TGridBorderEvent =
    std::function<void(TObject* Sender, Integer ARow, Integer ACol, TPen* APen, TCellBorders& Borders)>;
using TGridAlignEvent =
    std::function<void(TObject* Sender, Integer ARow, Integer ACol, TAlignment& HAlign, TVAlignment& VAlign)>;
using TGridFormatEvent =
    std::function<void(TObject* Sender, Integer ACol, TSortStyle& AStyle, String& APrefix, String& ASuffix)>;
using THasComboEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, bool& HasComboBox)>;
using THasSpinEditEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, bool& HasSpinEdit)>;
using TGetEditorTypeEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, TEditorType& AEditor)>;
using TIsFixedCellEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, bool& IsFixed)>;
using TCanEditCellEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, bool& CanEdit)>;
using TIsPasswordCellEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, bool& IsPassword)>;
using TWordWrapEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, bool& WordWrap)>;
using TGetCheckEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, String& Value)>;
using TCellCursorEvent =
    std::function<void(TObject* Sender, Integer ACol, Integer ARow, Integer X, Integer Y, TCursor& ACursor)>;
using TSearchFooterActionEvent =
    std::function<void(TObject* Sender, const String& Value, Integer ACol, Integer ARow, TSearchAction SearchAction)>;
using TButtonClickEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow)>;
using TExpandClickEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, bool Expanded)>;
using TClickCellEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol)>;
using TRowChangedEvent = std::function<void(TObject* Sender, Integer OldRow, Integer NewRow)>;
using TCellValueEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, String& Value)>;
using TEditChangeEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, const String& Value)>;
using TDateTimeChangeEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, TDateTime ADateTime)>;
using TFixedEditEvent =
    std::function<void(TObject* Sender, Integer ACol, Integer ARow, TGridFixedCellEditor& AEditor, TStrings* Values)>;
using TSelectionChangedEvent =
    std::function<void(TObject* Sender, Integer ALeft, Integer ATop, Integer ARight, Integer ABottom)>;
using TAutoDeleteRowEvent = std::function<void(TObject* Sender, Integer ARow)>;
using TColumnSizeEvent = std::function<void(TObject* Sender, Integer ACol, bool& Allow)>;
using TRowSizeEvent = std::function<void(TObject* Sender, Integer ARow, bool& Allow)>;
using TUpdateColumnSizeEvent = std::function<void(TObject* Sender, Integer ACol, Integer& AWidth)>;
using TMovedEvent = std::function<void(TObject* Sender, Integer FromIndex, Integer ToIndex)>;
using TCanAddRowEvent = std::function<void(TObject* Sender, bool& CanAdd)>;
using TCanInsertRowEvent = std::function<void(TObject* Sender, Integer ARow, bool& CanInsert)>;
using TRatingChangeEvent =
    std::function<void(TObject* Sender, Integer ACol, Integer ARow, Integer& NewRate, bool& Allow)>;
using TSearchEditChangeEvent = std::function<void(TObject* Sender, const String& Value, bool& DefaultSearch)>;
using TUnitChangedEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, const String& AUnit)>;
using TCellValidateEvent =
    std::function<void(TObject* Sender, Integer ACol, Integer ARow, String& Value, bool& Valid)>;
using TCellsChangedEvent = std::function<void(TObject* Sender, const TGridRect& R)>;
using TCellNotifyEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow)>;
using TAutoAdvanceEvent = std::function<void(TObject* Sender, Integer OldRow, Integer OldCol, Integer& NewRow,
                                             Integer& NewCol, bool& Allow)>;
using TCellChangingEvent =
    std::function<void(TObject* Sender, Integer OldRow, Integer OldCol, Integer NewRow, Integer NewCol, bool& Allow)>;
using TIndexChangingEvent = std::function<void(TObject* Sender, Integer OldIndex, Integer NewIndex, bool& Allow)>;
using TAutoAddEvent = std::function<void(TObject* Sender, Integer AIndex)>;
using TClipboardAllowEvent = std::function<void(TObject* Sender, bool& Allow)>;
using TClipboardBeforePasteCellEvent =
    std::function<void(TObject* Sender, Integer ACol, Integer ARow, String& Value, bool& Allow)>;
using TClipboardAfterPasteCellEvent =
    std::function<void(TObject* Sender, Integer ACol, Integer ARow, const String& Value)>;

class TExtStringGrid : public TBaseGrid, public TSettingsGrid {
    friend class TExtInplaceEdit;

public:
    // ===== life cycle ===========================================================================
    explicit TExtStringGrid(TComponent* AOwner);
    ~TExtStringGrid() override;
    String ClassName() const override { return u"TExtStringGrid"; }
    // Settings, dimensions, sizes and cells from another string grid; anything else is ignored.
    void Assign(TPersistent* Source) override;
    // Only the cells, through the cell stream.
    void AssignCells(TPersistent* Source);
    void Loaded() override;
    void Invalidate() override;
    void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
    void Resize() override;
    // The scratch font of the cell, or the grid's font for a cell without properties; overwritten
    // by the next call.
    TFont* GetCellFont(Integer ACol, Integer ARow);
    // Shows or disables the window scroll bars by ScrollBarAlways when everything fits.
    void ApplyScrollBarAlways(bool Force);
    // The owner form's resize handler while the grid lives (OwnerFormResize).
    void FormResize(TObject* Sender);
    void OwnerFormResize(TObject* Sender) { FormResize(Sender); }
    TForm* FindParentForm(TControl* Control) const;
    // The version as four dotted numbers of GetVersionNr; writing it changes nothing.
    String Version() const;
    void SetVersion(const String& /*Value*/) {}
    // The common controls count as version 6: the themed look is available.
    bool IsThemed() const { return FIsComCtl6; }

    // ===== settings objects (owned; the setters copy into them) =================================
    TFocusHelper* FocusHelper() const { return m_focusHelper.get(); }
    TSearchFooter* SearchFooter() const { return m_searchFooter.get(); }
    TFloatingFooter* FloatingFooter() const { return m_floatingFooter; }
    TPrintSettings* PrintSettings() const { return m_printSettings.get(); }
    THTMLSettings* HTMLSettings() const { return m_htmlSettings.get(); }
    TSortSettings* SortSettings() const { return m_sortSettings.get(); }
    TDragDropSettings* DragDropSettings() const { return m_dragDropSettings.get(); }
    TDragScrollOptions* DragScrollOptions() const { return m_dragScrollOptions.get(); }
    TControlLook* ControlLook() const { return m_controlLook.get(); }
    TNavigation* Navigation() const { return m_navigation.get(); }
    TColumnSize* ColumnSize() const { return m_columnSize.get(); }
    TCellNode* CellNode() const { return m_cellNode.get(); }
    TBands* Bands() const { return m_bands.get(); }
    TSizeWhileTyping* SizeWhileTyping() const { return m_sizeWhileTyping.get(); }
    TMouseActions* MouseActions() const { return m_mouseActions.get(); }
    TGrouping* Grouping() const { return m_grouping.get(); }
    TStringList* ColumnHeaders() const { return m_columnHeaders.get(); }
    void SetColumnHeaders(TStrings* Value);
    THTMLPictureCache* ImageCache() const { return m_imageCache.get(); }
    TFont* FixedFont() const { return m_fixedFont.get(); }
    void SetFixedFont(TFont* Value);
    TFont* ActiveCellFont() const { return m_activeCellFont.get(); }
    void SetActiveCellFont(TFont* Value);
    TStringList* RowHeaders() const { return m_rowHeaders.get(); }
    void SetRowHeaders(TStrings* Value);
    TStringList* LookupItems() const { return m_lookupItems.get(); }
    void SetLookupItems(TStrings* Value);
    TSortIndexList& SortIndexes() override;
    TIntList* MergedColumns() const { return m_mergedColumns.get(); }
    TBitmap* RowIndicator() const { return m_rowIndicator.get(); }
    void SetRowIndicator(TBitmap* Value);
    TBackGround* BackGround() const { return m_backGround.get(); }
    TGridProgressAppearance* ProgressAppearance() const { return m_progressAppearance.get(); }
    void SetProgressAppearance(TGridProgressAppearance* Value);
    TSyncGrid* SyncGrid() const { return m_syncGrid.get(); }
    TFilter* Filter() const { return m_filter.get(); }
    TBalloonSettings* Balloon() const { return m_balloon.get(); }
    TShowModified* ShowModified() const { return m_showModified.get(); }
    TIntList* IgnoreColumns() const { return m_ignoreColumns.get(); }
    TFilterDropDown* FilterDropDown() const { return m_filterDropDown.get(); }
    TStringList* FilterList() const { return m_filterList.get(); }
    // Change notifiers: listed once, never owned.
    void RegisterNotifier(TGridChangeNotifier* ANotifier);
    void UnRegisterNotifier(TGridChangeNotifier* ANotifier);

    // ===== what the settings objects ask (TSettingsGrid) ========================================
    void Repaint() override;
    void RepaintCell(Integer ACol, Integer ARow) override;
    void RepaintRow(Integer ARow) override;
    void RepaintCol(Integer ACol);
    void RepaintRect(const TGridRect& R);
    void RepaintActiveHeaders(Integer OldCol, Integer OldRow, Integer NewCol, Integer NewRow);
    bool HasParentWindow() const override;
    void StretchColumnToClient(Integer ACol) override;
    void StretchRightColumn();
    bool RegisterDropTarget() override;
    void RevokeDropTarget() override;
    void SetOleRtfAcceptFlag(bool Value) override;

    // ===== control look and colours =============================================================
    TGridLook Look() const { return FLook; }
    void SetLook(TGridLook Value);
    String GetLookName(TGridLook Value) const;
    virtual void SetStyle(TZEQStyle AStyle);
    void SetComponentStyle(TZEQStyle AStyle);
    void AdaptToOfficeTheme();
    void ApplyAppStyleColors();
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor Value);
    void PaintColoredBorder();
    TScrollType ScrollType() const { return m_scrollType; }
    void SetScrollType(TScrollType Value);
    TColor ScrollColor() const { return m_scrollColor; }
    void SetScrollColor(TColor Value);
    Integer ScrollWidth() const { return m_scrollWidth; }
    void SetScrollWidth(Integer Value);
    TColor SelectionColor() const { return m_selectionColor; }
    void SetSelectionColor(TColor Value);
    TColor SelectionColorTo() const { return m_selectionColorTo; }
    void SetSelectionColorTo(TColor Value);
    TColor SelectionTextColor() const { return m_selectionTextColor; }
    void SetSelectionTextColor(TColor Value);
    bool ShowDesignHelper() const { return m_showDesignHelper; }
    void SetShowDesignHelper(bool Value);
    TColor ZEQGradientFrom() const { return m_zeqGradientFrom; }
    void SetZEQGradientFrom(TColor Value) override;
    TColor ZEQGradientTo() const { return m_zeqGradientTo; }
    void SetZEQGradientTo(TColor Value) override;
    TColor ZEQGradientMirrorFrom() const { return m_zeqGradientMirrorFrom; }
    void SetZEQGradientMirrorFrom(TColor Value) override;
    TColor ZEQGradientMirrorTo() const { return m_zeqGradientMirrorTo; }
    void SetZEQGradientMirrorTo(TColor Value) override;
    TColor ZEQGradientHoverFrom() const { return m_zeqGradientHoverFrom; }
    void SetZEQGradientHoverFrom(TColor Value) override { m_zeqGradientHoverFrom = Value; }
    TColor ZEQGradientHoverTo() const { return m_zeqGradientHoverTo; }
    void SetZEQGradientHoverTo(TColor Value) override { m_zeqGradientHoverTo = Value; }
    TColor ZEQGradientHoverMirrorFrom() const { return m_zeqGradientHoverMirrorFrom; }
    void SetZEQGradientHoverMirrorFrom(TColor Value) override { m_zeqGradientHoverMirrorFrom = Value; }
    TColor ZEQGradientHoverMirrorTo() const { return m_zeqGradientHoverMirrorTo; }
    void SetZEQGradientHoverMirrorTo(TColor Value) override { m_zeqGradientHoverMirrorTo = Value; }
    TColor ZEQGradientHoverBorder() const { return m_zeqGradientHoverBorder; }
    void SetZEQGradientHoverBorder(TColor Value) override { m_zeqGradientHoverBorder = Value; }
    TColor ZEQGradientDownFrom() const { return m_zeqGradientDownFrom; }
    void SetZEQGradientDownFrom(TColor Value) override { m_zeqGradientDownFrom = Value; }
    TColor ZEQGradientDownTo() const { return m_zeqGradientDownTo; }
    void SetZEQGradientDownTo(TColor Value) override { m_zeqGradientDownTo = Value; }
    TColor ZEQGradientDownMirrorFrom() const { return m_zeqGradientDownMirrorFrom; }
    void SetZEQGradientDownMirrorFrom(TColor Value) override { m_zeqGradientDownMirrorFrom = Value; }
    TColor ZEQGradientDownMirrorTo() const { return m_zeqGradientDownMirrorTo; }
    void SetZEQGradientDownMirrorTo(TColor Value) override { m_zeqGradientDownMirrorTo = Value; }
    TColor ZEQGradientDownBorder() const { return m_zeqGradientDownBorder; }
    void SetZEQGradientDownBorder(TColor Value) override { m_zeqGradientDownBorder = Value; }
    TColor ActiveCellColor() const { return m_activeCellColor; }
    void SetActiveCellColor(TColor Value);
    TColor ActiveCellColorTo() const { return m_activeCellColorTo; }
    void SetActiveCellColorTo(TColor Value);
    bool ActiveCellShow() const { return m_activeCellShow; }
    void SetActiveCellShow(bool Value);

    // ===== dimensions and the current cell (displayed indexes) ==================================
    Integer RowCount() const { return TBaseGrid::RowCount(); }
    void SetRowCount(Integer Value);
    Integer ColCount() const { return TBaseGrid::ColCount(); }
    void SetColCount(Integer Value);
    Integer FixedRows() const override;
    void SetFixedRows(Integer Value);
    Integer FixedCols() const;
    void SetFixedCols(Integer Value);
    Integer FixedFooters() const { return FFixedFooters; }
    void SetFixedFooters(Integer Value);
    Integer FixedRightCols() const { return FFixedRightCols; }
    void SetFixedRightCols(Integer Value);
    Integer DefaultRowHeight() const { return TBaseGrid::DefaultRowHeight(); }
    void SetDefaultRowHeight(Integer Value);
    Integer FixedRowHeight() const { return m_fixedRowHeight; }
    void SetFixedRowHeight(Integer Value);
    Integer FixedColWidth() const;
    void SetFixedColWidth(Integer Value);
    TAlignment DefaultAlignment() const { return m_defaultAlignment; }
    void SetDefaultAlignment(TAlignment Value);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool Value);
    void SetCol(Integer Value);
    Integer GetRowEx() const { return Row(); }
    void SetRowEx(Integer Value);
    // Row := and TopRow := go through the grid's own setters.
    void SetRow(Integer Value) { SetRowEx(Value); }
    Integer GetTopRowEx() const { return TopRow(); }
    void SetTopRowEx(Integer Value);
    void SetTopRow(Integer Value) { SetTopRowEx(Value); }
    Integer GetRealCol() const;
    Integer AllRowCount() const;
    Integer AllColCount() const;
    void AppendRow();
    void BeginUpdate();
    void EndUpdate();
    void FocusCell(Integer ACol, Integer ARow);
    void ScrollInView(Integer ACol, Integer ARow);
    void KeepLastRowAboveSearchPanel();

    // ===== hidden columns and rows, index mapping ===============================================
    Integer TotalColCount() const override;
    Integer DisplColIndex(Integer ACol) const override;
    Integer RealColIndex(Integer ACol) const;
    Integer MapDisplToRealCol(Integer ACol) const;
    Integer MapRealToDisplCol(Integer ACol) const;
    Integer RealRowIndex(Integer ARow) const;
    Integer DisplRowIndex(Integer ARow) const;
    Integer MapDisplToRealRow(Integer ARow) const;
    Integer MapRealToDisplRow(Integer ARow) const;
    bool IsHiddenColumn(Integer ACol) const;
    bool IsHiddenRow(Integer ARow) const;
    Integer NumHiddenColumns() const;
    Integer NumHiddenRows() const;
    void HideColumn(Integer ColIndex);
    void UnHideColumn(Integer ColIndex);
    void UnHideColumnsAll();
    void HideRows(Integer FromRow, Integer ToRow);
    bool IsIgnoredColumn(Integer ACol) const;
    void SetColumnOrder();
    void ResetColumnOrder();
    String GetCellsEx(Integer ACol, Integer ARow);
    void SetCellsEx(Integer ACol, Integer ARow, const String& Value);
    TObject* RealRowGridObject(Integer ACol, Integer ARow) const;
    String GetStrippedCell(Integer ACol, Integer ARow);

    // ===== typed values =========================================================================
    Integer GetInts(Integer ACol, Integer ARow);
    void SetInts(Integer ACol, Integer ARow, Integer Value);
    Integer GetAllInts(Integer ACol, Integer ARow);
    void SetAllInts(Integer ACol, Integer ARow, Integer Value);
    double GetFloats(Integer ACol, Integer ARow);
    void SetFloats(Integer ACol, Integer ARow, double Value);
    double GetAllFloats(Integer ACol, Integer ARow);
    void SetAllFloats(Integer ACol, Integer ARow, double Value);
    TDateTime GetDates(Integer ACol, Integer ARow);
    void SetDates(Integer ACol, Integer ARow, TDateTime Value);
    TDateTime GetTimes(Integer ACol, Integer ARow);
    void SetTimes(Integer ACol, Integer ARow, TDateTime Value);
    String GetCtrlVal(Integer ACol, Integer ARow, const String& ID);
    void SetCtrlVal(Integer ACol, Integer ARow, const String& ID, const String& Value);

    // ===== headers and the print layout =========================================================
    void ShowColumnHeaders();
    void ClearColumnHeaders();
    void ShowRowHeaders();
    void ClearRowHeaders();
    Integer GetPrintColWidth(Integer ACol) const;
    Integer GetPrintColOffset(Integer ACol) const;
    void SplitColumnCells(Integer ColIndex);
    void MergeColumnCells(Integer ColIndex, bool MainMerge);
    void SplitAllColumnCells();
    void MergeAllColumnCells();

    // ===== cell graphics, checks and colours ====================================================
    TCellGraphic* CreateCellGraphic(Integer ACol, Integer ARow);
    bool RemoveCellGraphic(Integer ACol, Integer ARow);
    bool HasControlGraphic(Integer ACol, Integer ARow);
    bool HasDataGraphic(Integer ACol, Integer ARow);
    bool HasCheckBox(Integer ACol, Integer ARow);
    bool GetCheckBoxState(Integer ACol, Integer ARow, bool& State);
    bool IsChecked(Integer ACol, Integer ARow);
    bool HasRating(Integer ACol, Integer ARow);
    bool HasExpand(Integer ACol, Integer ARow);
    bool ToggleExpand(Integer ACol, Integer ARow);
    bool HasScrollBar(Integer ACol, Integer ARow);
    bool HasAutoRangeScrollBar(Integer ACol, Integer ARow);
    void SetScrollProp(Integer ACol, Integer ARow, TPoint Prop);
    bool IsComment(Integer ACol, Integer ARow, String& Comment);
    bool IsInCheckBox(Integer ACol, Integer ARow, Integer X, Integer Y);
    void GetMarker(Integer ACol, Integer ARow, Integer& ErrLen, Integer& ErrPos);
    TStrings* GetRadioStrings(Integer ACol, Integer ARow);
    bool GetRadioIdx(Integer ACol, Integer ARow, Integer& Index);
    void SetRadioIdx(Integer ACol, Integer ARow, Integer Index);
    void SelectNextRadioItem(Integer ACol, Integer ARow, bool Check);
    void SetRadioButtonColumnIndex(Integer ACol, Integer Index);
    Integer GetImageIdx(Integer ACol, Integer ARow);
    void SetImageIdx(Integer ACol, Integer ARow, Integer Value);
    TColor GetShapeColor(Integer ACol, Integer ARow);
    void SetShapeColor(Integer ACol, Integer ARow, TColor Value);
    TIntList* GetCellImages(Integer ACol, Integer ARow);
    TPoint GetCellGraphicSize(Integer ACol, Integer ARow);
    TRect CellButtonRect(Integer ACol, Integer ARow);
    TRect CellExpandRect(Integer ACol, Integer ARow);
    void PushButton(Integer ACol, Integer ARow, bool Down);
    bool IsSummary(Integer ARow);
    void MarkSummaryRow(Integer ARow);
    bool GetReadOnly(Integer ACol, Integer ARow);
    TAlignment GetCellAlignment(Integer ACol, Integer ARow);
    TColor GetColors(Integer ACol, Integer ARow);
    void SetColors(Integer ACol, Integer ARow, TColor Value);
    void SetColorsTo(Integer ACol, Integer ARow, TColor Value);
    void SetFontColors(Integer ACol, Integer ARow, TColor Value);
    void SetRowColor(Integer ARow, TColor Value);
    void SetRowColorTo(Integer ARow, TColor Value);
    void SetRowFontColor(Integer ARow, TColor Value);
    void SetAlignments(Integer ACol, Integer ARow, TAlignment Value);
    TSize GetCellTextSize(Integer ACol, Integer ARow, bool VS, bool SB);
    bool IsRotated(Integer ACol, Integer ARow);
    void HilightInGrid(bool CaseSensitive, const String& Text);
    void HilightInCol(bool CaseSensitive, const String& Text, Integer ACol);
    void UnHilightInGrid();
    void UnHilightInCol(Integer ACol);

    // ===== outline nodes and grouping ===========================================================
    bool IsNode(Integer ARow);
    Integer GetNodeLevel(Integer ARow);
    Integer GetNodeSpan(Integer ARow);
    bool GetNodeState(Integer ARow);
    Integer GetParentRow(Integer ARow);
    void ExpandNode(Integer ARow);
    void ContractNode(Integer ARow);
    void ExpandAll();
    void ContractAll();
    void RemoveAllNodes();
    bool IsOnNodeGlyph(Integer ARow, Integer X);
    void Group(Integer ColIndex);
    void UnGroup();
    void InsertNormalRow(Integer ARow);
    void InsertChildRow(Integer ARow, Integer InsertAt);
    void RemoveNormalRow(Integer ARow);
    void RemoveChildRow(Integer ARow);

    // ===== rows and columns =====================================================================
    void InsertRows(Integer ARow, Integer ACount, bool Update);
    void RemoveRows(Integer ARow, Integer ACount);
    void RemoveRowsEx(Integer ARow, Integer ACount);
    void InsertCols(Integer ACol, Integer ACount);
    void RemoveCols(Integer ACol, Integer ACount);
    void ClearRows(Integer ARow, Integer ACount);
    void ClearCols(Integer ACol, Integer ACount);
    void Clear();
    void ClearRect(Integer ACol1, Integer ARow1, Integer ACol2, Integer ARow2);
    void MoveColumn(Integer FromIndex, Integer ToIndex);
    void MoveRow(Integer FromIndex, Integer ToIndex);
    void MoveRows(Integer FromIndex, Integer ToIndex, Integer Count);
    void RemoveSelectedRows();
    void AutoSizeCol(Integer ACol);
    void AutoSizeColumns(bool DoFixedCols, Integer Padding);
    TGridRect GetUsedCells();

    // ===== sorting and filtering ================================================================
    void QSort() override;
    void QSortIndexed() override;
    bool FilterActive() const { return m_filterActive; }
    void SetFilterActive(bool Value);
    void RemoveAllFilters();
    void NarrowDown(const String& AText, Integer AColumn);

    // ===== column calculations and the footer ===================================================
    double ColumnSum(Integer ACol, Integer FromRow, Integer ToRow);
    double ColumnAvg(Integer ACol, Integer FromRow, Integer ToRow);
    double ColumnMin(Integer ACol, Integer FromRow, Integer ToRow);
    double ColumnMax(Integer ACol, Integer FromRow, Integer ToRow);
    double ColumnDistinct(Integer ACol, Integer FromRow, Integer ToRow);
    double ColumnStdDev(Integer ACol, Integer FromRow, Integer ToRow);
    void UpdateFooter();
    void SyncFlatVertScrollBar();
    void SyncFlatHorzScrollBar();
    void ShowFlatScrollBar(Integer Bar, bool Show);
    void UpdateVertProportionalScroll();
    void UpdateHorzProportionalScroll();

    // ===== selection ============================================================================
    void SetSelection(const TGridRect& Value);
    void ClearSelection();
    void ClearRowSelect();
    void SetRowSelect(Integer ARow, bool Value);
    bool GetRowSelect(Integer ARow);
    void ClearColSelect();
    void SetColSelect(Integer ACol, bool Value);
    bool GetColSelect(Integer ACol);
    Integer RowSelectCount();
    void SelectRows(Integer RowIndex, Integer RCount);
    void UpdateRowSelectFromSelection(bool Value);
    void UpdateColSelectFromSelection(bool Value);
    bool GetRowModified(Integer ARow);
    void SetRowModified(Integer ARow, bool Value);
    bool GetRowEnabled(Integer ARow);
    void HideSelection();
    void UnHideSelection();
    bool IsSelected(Integer ACol, Integer ARow);
    String SelectedText();

    // ===== editing, keys, mouse, find (interaction) =============================================
    void ShowInplaceEdit();
    void HideInplaceEdit();
    bool EditMode() const;
    bool IsEditable(Integer ACol, Integer ARow);
    bool IsPasswordCell(Integer ACol, Integer ARow);
    void BuildSearchFooter();
    void ShowFocusWindow();
    void HideFocusWindow();
    void MoveFocusWindow();
    void CellControlsUpdate(bool Force);
    void InitOrigColSizes();
    bool IsOnSizingEdge(TPoint MousePos);
    bool IsHoverFixedCell(Integer ACol, Integer ARow);
    void ScreenToCell(TPoint P, Integer& ACol, Integer& ARow);
    void Zoom(Integer Factor);
    void BalloonInit();
    void BalloonDone();
    TGridCombo* Combobox() const { return EditCombo; }
    TGridEditBtn* BtnEdit() const { return EditBtn; }
    TGridUnitEditBtn* BtnUnitEdit() const { return UnitEditBtn; }
    TGridButton* Btn() const { return GridButton; }
    TInplaceEdit* NormalEdit();
    TExtRichEdit* RichEdit();
    TGridDateTimePicker* DateAndTimePicker();
    // The edit life cycle (grid/interaction/): moving on after an edit, a special editor's end
    // by a key, the end-of-edit report, and the settings and events of typing into a cell.
    void AdvanceToNextCell(Integer ACol, Integer ARow, bool Force, bool AutoEdit, bool Forward, bool Repeated,
                           bool EditAfter);
    void DoneInplaceEdit(Word Key, TShiftState Shift);
    void DoEditingDone(Integer ACol, Integer ARow);
    bool IsEditableCell(Integer ACol, Integer ARow);
    String OriginalCellValue() const { return FCellCache; }
    // A validation changed a cell.
    bool Modified = false;
    bool AlwaysValidate = false;
    // The text editor's length limit, 0 for none.
    Integer MaxEditLength = 0;
    bool ExcelStyleDecimalSeparator = false;
    String ValidChars;
    std::bitset<256> ValidCharSet;
    String EditMask;
    bool EditWithTags = false;
    TCellValidateEvent OnCellValidate;
    TCellValidateEvent OnCellValidateWide;
    TCellsChangedEvent OnCellsChanged;
    TNotifyEvent OnEditingDone;
    TCellNotifyEvent OnEditCellDone;
    TCellNotifyEvent OnGetEditorProp;
    TCellValueEvent OnEllipsClick;
    TAutoAdvanceEvent OnAutoAdvance;
    TCellChangingEvent OnCellChanging;
    TIndexChangingEvent OnRowChanging;
    TIndexChangingEvent OnColChanging;
    TAutoAddEvent OnAutoAddRow;
    TAutoAddEvent OnAutoInsertCol;
    TClipboardAllowEvent OnClipboardCopy;
    TClipboardAllowEvent OnClipboardCut;
    TClipboardAllowEvent OnClipboardPaste;
    TClipboardBeforePasteCellEvent OnClipboardBeforePasteCell;
    TClipboardAfterPasteCellEvent OnClipboardAfterPasteCell;

    // ===== exchange: clipboard, streams, column persistence =====================================
    void CopySelectionToClipboard();
    void CutSelectionToClipboard();
    void PasteSelectionFromClipboard();
    void SaveToStream(TStream* Stream);
    void LoadFromStream(TStream* Stream);
    void SaveRectToBinStream(const TGridRect& R, TStream* Stream);
    void SaveColSizes();
    void LoadColSizes();
    void SaveColPositions();
    void LoadColPositions();
    void CellToRich(Integer ACol, Integer ARow, TExtRichEdit* Richeditor);

    // ===== published settings that only store ==================================================
    // Defaults as a new grid has them; the grid reads them where it acts.
    bool AutoSize = false;
    bool IntegralHeight = false;
    TFormBorderStyle BorderStyle = bsSingle;
    TEditorType DefaultEditor = edNormal;
    TColor DisabledFontColor = TColor(0xC0C0C0);
    bool UseDisabledFont = true;
    TPoint XYOffset{2, 2};
    TColor SelectionMirrorColor = clNone;
    TColor SelectionMirrorColorTo = clNone;
    TColor SelectionRectangleColor = TColor(0x000000);
    Integer SelectionColorMixerFactor = 50;
    bool ShowSelection = true;
    TColor HintColor = clInfoBk;
    TColor HighlightColor = clHighlight;
    TColor HighlightTextColor = clHighlightText;
    THintShowLargeTextPos HintShowLargeTextPos = hpCell;
    TColor URLColor = TColor(0xFF0000);
    TVAlignment VAlignment = vtaTop;
    bool EnableHTML = true;
    bool EnableWheel = true;
    bool IntelliZoom = true;
    String FloatFormat = u"%.2f";
    Char PasswordChar = u'*';
    String CheckTrue = u"Y";
    String CheckFalse = u"N";
    Char Delimiter = 0;
    String XMLEncoding = u"ISO-8859-1";
    String FilterDropDownClear = u"(All)";
    TFilterDropDownColumns FilterDropDownColumns = fdNormal;
    bool FilterDropDownAuto = false;
    bool FilterNormalCellsOnly = true;
    bool AutoFilterUpdate = true;
    bool FilterIncremental = false;
    bool QuoteEmptyCells = true;
    bool AlwaysQuotes = false;
    bool JavaCSV = false;
    bool SaveFixedCells = true;
    bool SaveFixedRows = false;
    bool SaveFixedCols = false;
    bool SaveHiddenCells = false;
    bool SaveVirtCells = true;
    bool SaveWithHTML = true;
    bool SaveWithRTF = false;
    bool LoadFirstRow = true;
    bool ShowNullDates = true;
    TInvalidEntryIcon InvalidEntryIcon = ieWarning;
    String InvalidEntryTitle;
    String InvalidEntryText;
    bool EnhRowColMove = true;
    bool UseInternalHintClass = true;
    Integer MinRowHeight = 0;
    Integer MaxRowHeight = 0;
    Integer MinColWidth = 0;
    Integer MaxColWidth = 0;
    THoverFixedCells HoverFixedCells = hfNone;
    TMouseSelectMode MouseSelectMode = msNormal;
    bool ClearTextOnly = false;
    bool ExcelClipboardFormat = false;
    bool PrinterDriverFix = false;
    bool HideFocusRect = false;
    bool FixedAsButtons = false;
    bool NoDefaultDraw = false;
    bool SizeGrowOnly = false;
    bool FitCellsInGrid = true;
    bool SizeWithForm = false;
    bool FixedRowAlways = false;
    bool FixedColAlways = false;
    bool AnchorHint = false;
    bool AutoNumAlign = false;
    bool AutoThemeAdapt = false;
    bool ScrollProportional = false;
    bool ScrollSynch = false;
    bool ScrollHints = false;
    TScrollBarAlways ScrollBarAlways = saNone;
    bool Lookup = false;
    bool LookupCaseSensitive = false;
    bool LookupHistory = false;
    bool RowSelectPersistent = false;
    bool Hovering = false;
    bool EnableBlink = false;
    Integer PreviewPage = 1;
    Integer PrintPageTo = 1;
    Integer PrintNrOfPages = 0;
    TCustomImageList* GridImages = nullptr;
    TColor ColorsDefault = clNone;

    // ===== events ===============================================================================
    TGridHintEvent OnGridHint;
    TGridHintEvent OnGridWideHint;
    TGridColorEvent OnGetCellColor;
    TGridColorEvent OnGetCellPrintColor;
    TGridBorderEvent OnGetCellBorder;
    TGridBorderEvent OnGetCellPrintBorder;
    TGridAlignEvent OnGetAlignment;
    TGridFormatEvent OnGetFormat;
    THasComboEvent OnHasComboBox;
    THasSpinEditEvent OnHasSpinEdit;
    TGetEditorTypeEvent OnGetEditorType;
    TIsFixedCellEvent OnIsFixedCell;
    TCanEditCellEvent OnCanEditCell;
    TIsPasswordCellEvent OnIsPasswordCell;
    TWordWrapEvent OnGetWordWrap;
    TGetCheckEvent OnGetCheckTrue;
    TGetCheckEvent OnGetCheckFalse;
    TCellCursorEvent OnGetCellCursor;
    TSearchFooterActionEvent OnSearchFooterAction;
    TButtonClickEvent OnButtonClick;
    TExpandClickEvent OnExpandClick;
    TClickCellEvent OnComboCloseUp;
    TClickCellEvent OnComboDropDown;
    TClickCellEvent OnClickCell;
    TClickCellEvent OnDblClickCell;
    TClickCellEvent OnDatePickerCloseUp;
    TClickCellEvent OnDatePickerDropDown;
    // One report per move of the current row: (the row reported last, the new row).
    TRowChangedEvent OnRowChanged;
    TCellValueEvent OnLoadCell;
    TCellValueEvent OnSaveCell;
    TEditChangeEvent OnEditChange;
    TDateTimeChangeEvent OnDateTimeChange;
    TFixedEditEvent OnFixedEdit;
    TSelectionChangedEvent OnSelectionChanged;
    TAutoDeleteRowEvent OnAutoDeleteRow;
    TNotifyEvent OnFilterDone;
    TNotifyEvent OnPainted;
    TColumnSizeEvent OnColumnSize;
    TRowSizeEvent OnRowSize;
    TUpdateColumnSizeEvent OnUpdateColumnSize;
    TMovedEvent OnColumnMove;
    TMovedEvent OnRowMove;
    TCanAddRowEvent OnCanAddRow;
    TCanInsertRowEvent OnCanInsertRow;
    TRatingChangeEvent OnRatingChange;
    TSearchEditChangeEvent OnSearchEditChange;
    TNotifyEvent OnSearchFooterClose;
    TNotifyEvent OnCreatedSearchFooter;
    TNotifyEvent OnCreatedFloatingFooter;
    TUnitChangedEvent OnUnitChanged;
    TNotifyEvent OnRichEditSelectionChange;

    // ===== unit routines ========================================================================
    // The file version's high 32 bits (major above, minor below), -1 without one.
    static Integer ReadFileVersion(const String& FileName);
    // The grid unit's start-up and shut-down: each runs once however often it is called.
    static void StartUp();
    static void ShutDown();

protected:
    // ===== life cycle ===========================================================================
    void CreateWnd() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WndProc(TMessage& Message) override;
    virtual Integer GetVersionNr() const;
    virtual String GetVersionString() const;
    // Relays of the hidden editors and panels.
    void DateAndTimeEditorChange(TObject* Sender);
    void DateEditorChange(TObject* Sender);
    void DateEditorCloseUp(TObject* Sender);
    void DateEditorDropDown(TObject* Sender);
    void GridButtonClick(TObject* Sender);
    void UnitEditorChanged(TObject* Sender, const String& AUnit);
    void UnitChangedRelay(TObject* Sender, const String& AUnit) { UnitEditorChanged(Sender, AUnit); }
    void SearchEditChanged(TObject* Sender, const String& Value);
    void SearchBackwardClick(TObject* Sender);
    void SearchForwardClick(TObject* Sender);
    void SearchCloseClick(TObject* Sender);
    void SearchHighlightClick(TObject* Sender);
    void BalloonEnableChanged(TObject* Sender);
    void ShowModifiedChanged(TObject* Sender);
    void FilterDropDownChanged(TObject* Sender);
    virtual void NavigationChanged(TObject* /*Sender*/) {}
    virtual void MouseActionsChanged(TObject* /*Sender*/) {}
    virtual bool IsDesigning() const;
    virtual void MouseActionsInvalidate(TObject* Sender);

    // ===== per-cell hooks: the grid's rule, then the event ======================================
    virtual void DoGridHint(Integer ACol, Integer ARow, String& Hint, String& WideHint);
    virtual void GetCellColor(Integer ACol, Integer ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
    virtual void GetCellPrintColor(Integer ACol, Integer ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
    virtual void GetCellBorder(Integer ACol, Integer ARow, TPen* APen, TCellBorders& Borders);
    virtual void GetCellPrintBorder(Integer ACol, Integer ARow, TPen* APen, TCellBorders& Borders);
    virtual void GetCellAlign(Integer ACol, Integer ARow, TAlignment& HAlign, TVAlignment& VAlign);
    virtual void GetSortFormat(Integer ACol, TSortStyle& AStyle, String& APrefix, String& ASuffix);
    virtual bool HasComboBox(Integer ACol, Integer ARow);
    virtual bool HasSpinEdit(Integer ACol, Integer ARow);
    virtual void QueryEditorType(Integer ACol, Integer ARow, TEditorType& AEditor);
    virtual void GetEditorType(Integer ACol, Integer ARow, TEditorType& AEditor);
    virtual bool HasNoEditor(Integer ACol, Integer ARow);
    virtual void IsFixedCell(Integer ACol, Integer ARow, bool& IsFixed);
    virtual void CanEditCell(Integer ACol, Integer ARow, bool& CanEdit);
    virtual void DoCanEditCell(Integer ACol, Integer ARow, bool& CanEdit);
    virtual void DoIsPasswordCell(Integer ACol, Integer ARow, bool& IsPassword);
    virtual void DoGetWordWrap(Integer ACol, Integer ARow, bool& WordWrap);
    virtual void GetCheckTrue(Integer ACol, Integer ARow, String& Value);
    virtual void GetCheckFalse(Integer ACol, Integer ARow, String& Value);
    virtual void DoGetCellCursor(Integer ACol, Integer ARow, Integer X, Integer Y);
    virtual void DoSearchFooterAction(const String& Value, Integer ACol, Integer ARow, TSearchAction SearchAction);
    virtual void DoButtonClick(Integer ACol, Integer ARow);
    virtual void DoExpandClick(Integer ACol, Integer ARow, bool Expanded);
    virtual void DoComboCloseUp(Integer ARow, Integer ACol);
    virtual void DoComboDropDown(Integer ARow, Integer ACol);
    virtual void DoCanAddRow(bool& CanAdd);
    virtual void DoCanInsertRow(Integer ARow, bool& CanInsert);
    virtual bool DoRatingChange(Integer ACol, Integer ARow, Integer& NewRate);
    virtual void DoCheckBoxChange(Integer ACol, Integer ARow, bool State);
    virtual void DoCheckBoxClick(Integer ACol, Integer ARow, bool State);
    virtual void DoColorSelect(Integer ACol, Integer ARow, TColor AColor);
    virtual void DoImageSelect(Integer ACol, Integer ARow, Integer AIndex);
    virtual void DoClickSort(Integer ACol);
    virtual void DoEllipsClick(Integer ACol, Integer ARow, String& S);
    virtual void DoCellChanging(Integer OldRow, Integer OldCol, Integer NewRow, Integer NewCol, bool& Allow);
    virtual void DoScrollCell(Integer ACol, Integer ARow, Integer ScrollPosition);
    virtual bool CanShowFixedDropDown(Integer ACol);
    virtual void DoStartBlockFocus();
    virtual void DoEndBlockFocus();
    virtual void DoPrintGetPageNum(Integer APage, String& PageNumStr);
    virtual void DoGetEditorProp(Integer ACol, Integer ARow);
    void GetCellDefaults(Integer ACol, Integer ARow, TFont& AFont, TBrush& ABrush, TCellLook& Look) override;
    void CellChanged(Integer ACol, Integer ARow) override;
    bool HasCustomBorders() const override;
    bool UsesAppStyles() const override;
    void GetDisplText(Integer ACol, Integer ARow, String& Value) override;
    Integer RowNodeIndent(Integer ARow) const override;
    bool HasNodes() const override;
    void HiddenLastRowChanged() override;
    bool IsFixed(Integer ACol, Integer ARow) const override;

    // ===== painting =============================================================================
    void Paint() override;
    void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override;
    void PaintDesignHelper();
    void DesignHelperClick(Integer Item);
    Integer DesignHelperHitTest(Integer X, Integer Y);
    virtual TCustomImageList* GetCellImageList(Integer ACol, Integer ARow);
    virtual TCellGraphic* GetCellGraphic(Integer ACol, Integer ARow);
    virtual TCellType GetCellType(Integer ACol, Integer ARow);
    virtual void CalcCellGraphicSize(Integer ACol, Integer ARow, TPoint& Size, Integer Reserve);
    virtual void CalcPrintGraphicSize(Integer ACol, Integer ARow, TPoint& Size);
    virtual String GetColumnFloatFormat(Integer ACol, Integer ARow);

    // ===== cell text ============================================================================
    virtual String GetCurrentCell();
    virtual void SetCurrentCell(const String& Value);
    virtual String GetCurrentCellText();
    virtual void SetCurrentCellEditText(const String& Value);
    virtual String GetFormattedCell(Integer ACol, Integer ARow);
    virtual void GetEvaluatedCell(Integer ACol, Integer ARow, String& Value);
    virtual String GetExportCellText(Integer ACol, Integer ARow);
    virtual void SetLoadedCell(Integer ACol, Integer ARow, const String& Value);
    virtual void SetCellWithUndo(Integer ACol, Integer ARow, const String& Value);

    // ===== notifications and automatic rows =====================================================
    virtual void DoFixedEdit(Integer ACol, Integer ARow, TGridFixedCellEditor& AEditor, TStrings* Values);
    virtual void DoSelectionChanged(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom);
    virtual void EditorCaretChanged(const String& /*Text*/, TPoint /*CaretPoint*/, Integer /*CaretPos*/) {}
    virtual void AutoInsertRow(Integer ARow);
    virtual void AutoDeleteRow(Integer ARow);
    virtual void DoFilterDone();
    virtual void ExportNotification(TGridExportState /*AState*/, Integer /*ARow*/) {}
    virtual void ImportNotification(TGridImportState /*AState*/, Integer /*ARow*/) {}
    virtual void NotifyCellsChanged(const TGridRect& R);
    virtual void AllCellsChanged();

    // ===== rows, columns, sizes (hooks of the base grid and the column grid) ====================
    virtual void DeleteRowRange(Integer ARow, Integer ACount);
    virtual void SortSwapRows(Integer ARow1, Integer ARow2);
    virtual void TrimRect(Integer ACol1, Integer ARow1, Integer ACol2, Integer ARow2);
    virtual void QSortGroup();
    virtual void QSortGroupIndexed();
    virtual void QUnSort();
    virtual void SubGroup(Integer ColIndex);
    virtual void SubUnGroup();
    virtual void UpdateColSize(Integer ACol, Integer& AWidth);
    virtual void UpdateAutoColSize(Integer ACol, Integer& AWidth);
    virtual void ColumnHeadersChanged() {}
    virtual bool GetColumnFilter(Integer ACol);
    virtual bool RowMatchesFilter(Integer ARow);
    virtual void CalcFooter(Integer ACol);
    virtual void CalcFooterColumns(Integer ACol);
    virtual void ColumnCalcChanged();
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
    void ColumnMoved(Integer FromIndex, Integer ToIndex) override;
    void RowMoved(Integer FromIndex, Integer ToIndex) override;
    void SizeChanged(Integer OldColCount, Integer OldRowCount) override;
    void RemoveRowRange(Integer ARow, Integer ACount, bool Flag);
    void InsertRowRange(Integer ARow, Integer ACount, bool Flag);

    // ===== interaction hooks ====================================================================
    bool SelectCell(Integer ACol, Integer ARow) override;
    TInplaceEdit* CreateEditor() override;
    bool CanEditShow() const override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept) override;
    virtual bool CalcSizingState(Integer X, Integer Y);
    virtual void F2KeyHook() {}
    virtual void WriteEditedCell(const String& Value);
    virtual void AdjustSelectAllRect(TGridRect& R);
    virtual void RestoreCellCache();
    virtual void ToggleCellCheckBox(Integer ACol, Integer ARow, bool Toggle);
    virtual void ToggleCellRadioButton(Integer ACol, Integer ARow, bool Toggle);
    virtual void WheelRowMoved();
    virtual void CellSelectorClick(Integer ACol, Integer ARow);
    virtual bool EditorFormulaMode();
    virtual void AdjustClickSelection(TGridRect& R);
    virtual void EditorKeyDownHook(Word& Key, TShiftState Shift);
    virtual bool EditorWantsTab();
    virtual void GoToFirstRow();
    virtual bool UseFormattedClipboard();
    virtual void ApplyFilterListChoice(Integer ItemIndex);
    virtual void ApplyFilterCheckList(Integer ItemIndex);
    virtual void PasteStarting();
    virtual void PasteFinished();
    virtual void MarkPastedRowsModified(const TGridRect& R);
    virtual void SaveEditSnapshot();
    virtual bool ValidateCell(const String& NewValue);
    virtual bool ValidateCellWide(const String& NewValue);
    // The edit life cycle's hooks of the base grid and its own steps (grid/interaction/).
    void KeyPress(Char& Key) override;
    String GetEditText(Integer ACol, Integer ARow) override;
    void SetEditText(Integer ACol, Integer ARow, const String& Value) override;
    String GetEditMask(Integer ACol, Integer ARow) override;
    Integer GetEditLimit() override;
    void DoEnter() override;
    void DoExit() override;
    void Click() override;
    void TopLeftChanged() override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    // An editor link's edit control asks through this first: with goTabs its dialog code also
    // takes characters, Tab and the arrows; every other message goes to Saved, its own procedure.
    void ControlDlgCodeFilter(TMessage& Message, const TWndMethod& Saved);
    // The disjunct cell selection: one entry per cell, the row in the high 16 bits.
    const TIntList& DisjunctCellList() const { return *m_selectedCells; }
    // The alignment the text editor takes for a cell (the cell's horizontal alignment).
    virtual TAlignment EditAlignment(Integer ACol, Integer ARow);
    // The opening and the commit of a special editor, ACol a displayed column.
    void OpenCellEditor(Integer ACol, Integer ARow);
    void CloseCellEditor(Integer ACol, Integer ARow);
    void TakeEditSnapshot(Integer ACol, Integer ARow);
    // ValidateCell's steps for a value to judge: the handler, the records of the change, the store.
    bool ValidateValue(Integer ARealCol, const String& NewValue);
    void MarkEdited(Integer ARow);
    void RefuseValue(Integer ARealCol, const String& NewValue, const String& Value);
    void ShowRefusalBalloon();
    // SelectCell's steps for a cell that may become current, and the advance's.
    bool SelectEditableCell(Integer ACol, Integer ARow);
    bool SwitchEditingFor(Integer ACol, Integer ARow);
    bool AdvanceTarget(Integer ACol, Integer ARow, bool Forward, TGridCoord& Target);
    void MoveAdvanced(Integer FromCol, Integer FromRow, Integer ACol, Integer ARow);
    bool RowHasEditableCell(Integer ARow);
    // The window messages of editing.
    void WMGridEditDone(TMessage& Message);
    void WMEditChange(TMessage& Message);
    void WMChar(TMessage& Message);
    void WMSetCursorCell(TMessage& Message);
    void WMKillFocus(TMessage& Message);
    void WMSetFocus(TMessage& Message);
    // The disjunct cell selection's entry of a cell.
    void SelectDisjunctCell(Integer ACol, Integer ARow, bool Selected);

    // ===== state other rooms read and write =====================================================
    // Environment, computed in the constructor and at CreateWnd.
    bool FIsWinXP = true;
    bool FIsWin7 = true;
    bool FIsVista = true;
    bool FIsComCtl6 = true;
    // Look and painting.
    TGridLook FLook = glXP;
    TZEQStyle FStyle = tsWindowsXP;
    bool FFlat = false;
    Integer FZoomFactor = 0;
    bool FShowColNrs = true;
    bool FNoRTLOrientation = false;
    bool FUseEnabledRows = false;
    bool FPaintScrollBar = false;
    bool FGridBlink = false;
    Integer FPaintCount = 0;
    TOfficeTheme FOfficeTheme = otUnknown;
    // Hidden columns and rows, nodes, grouping, filter.
    TColumnVisibility FColumnVisibility;
    THiddenRows FHiddenRows;
    Integer FNumNodes = 0;
    bool FGrouped = false;
    Integer FGroupColumn = -1;
    Integer FFilterCol = -1;
    // Dimensions.
    Integer FFixedFooters = 0;
    Integer FFixedRightCols = 0;
    Integer FMinFixedRows = 0;
    Integer FMinFixedCols = 0;
    Integer FMaxRowCount = 0;
    Integer FMaxColCount = 0;
    Integer FOldRowSel = -1;
    Integer FOldLeftCol = 0;
    Integer FOldTopRow = 0;
    Integer FUpdateCount = 0;
    bool FLoaded = false;
    bool FDestroying = false;
    bool FUseAppStyles = false;
    // The grid width and column widths InitOrigColSizes noted.
    Integer FOldSize = 0;
    // Mouse, hover and editing.
    TPoint FHoverFixedCell{-1, -1};
    Integer FHoverFixedX = -1;
    Integer FHoverFixedY = -1;
    TPoint FLastTabCell{-1, -1};
    Integer FClickCol = -1;
    Integer FClickRow = -1;
    TPoint FPushedCellButton{-1, -1};
    TPoint FClipTopLeft{-1, -1};
    TPoint FLastHintPos{-1, -1};
    Integer FComboIdx = -1;
    bool FEditChange = false;
    bool FEditing = false;
    bool FEditDisable = false;
    bool FSelChange = false;
    bool FSelHidden = false;
    bool FCtrlDown = false;
    bool FMouseDown = false;
    bool FMouseDownMove = false;
    bool FDropDownDown = false;
    bool FNoAutoAdvance = false;
    bool LButFlg = false;
    bool ColSizeFlg = false;
    TEditorType EditControl = edNormal;
    String FNewCellText;
    String FCellCache;
    TDateTime FOriginalDateTime = 0;
    // The edit life cycle's state (grid/interaction/).
    bool FEditMode = false;
    bool FValidating = false;
    bool FShowEditProcess = false;
    bool FNoEditChange = false;
    bool FBlockKill = false;
    bool FBlockFocus = false;
    bool FEntered = false;
    bool FSpecialEditor = false;
    bool FEditActive = false;
    bool FLastValidation = true;
    bool FModified = false;
    bool FOldModifiedValue = false;
    bool FDisableChange = false;
    bool FForceSel = false;
    Char FStartEditChar = 0;
    Integer FOldCol = -1;
    Integer FOldRow = -1;
    Integer FAECol = -1;
    Integer FAERow = -1;
    Integer FAdvanceSteps = 0;
    String FOldCellText;
    String FOldCellTextWide;
    String FEditText;
    String SearchInc;
    TWinControl* EditCtrl = nullptr;
    Integer FTimerTicks = 0;
    TCursor FLoadedCursor = crDefault;
    // Wheel: the message and the lines per notch chosen at CreateWnd.
    Integer wheelmsg = 0;
    Integer wheelscrl = 0;
    bool wheelpan = false;
    // The grid timer (id 111, 500 ms) while the window exists.
    static constexpr uintptr_t GridTimerIdentifier = 111;
    uintptr_t FGridTimerID = 0;
    // The owner form's resize handler, taken over at construction.
    TNotifyEvent FOnResize;
    bool ResizeAssigned = false;
    Integer PrevSizeX = 0;
    Integer PrevSizeY = 0;
    // The print layout's per-column widths and offsets.
    std::array<Integer, 513> MaxWidths{};
    std::array<Integer, 513> Indents{};

    // ===== owned sub-objects, in creation order =================================================
    TFooterPanel* FFooterPanel = nullptr;
    TSearchPanel* SearchPanel = nullptr;
    std::unique_ptr<TFont> FCellFont;
    // Hidden editors and auxiliary windows (not made while designing).
    TGridFocusWindow* FFocusWindow = nullptr;
    std::array<TArrowWindow*, 4> ArrowWindows{};
    TGridCombo* EditCombo = nullptr;
    TGridTransEdit* EditTrans = nullptr;
    TGridTransCombo* ComboTrans = nullptr;
    TGridCheckBox* EditCheck = nullptr;
    TGridEditBtn* EditBtn = nullptr;
    TGridUnitEditBtn* UnitEditBtn = nullptr;
    TGridButton* GridButton = nullptr;
    THeaderDragButton* HeaderDragButton = nullptr;
    TControlEdit* ControlEdit = nullptr;
    TControlCombo* ControlCombo = nullptr;
    TScrollBar* FCellScrollBar = nullptr;
    TScrollBar* FCellPaintScrollBar = nullptr;
    // Made on first use.
    TGridSpin* EditSpin = nullptr;
    TGridDatePicker* EditDate = nullptr;
    TGridDateTimePicker* EditDateTime = nullptr;
    TExtRichEdit* InplaceRichEdit = nullptr;
    TExtRichEdit* HiddenRichEdit = nullptr;
    TGridTrackbarDropDown* TrackbarDropDown = nullptr;
    TGridMemoDropDown* MemoDropDown = nullptr;
    TGridCalculatorDropDown* CalculatorDropDown = nullptr;
    TGridTimepickerDropDown* TimepickerDropDown = nullptr;
    TGridDetailPickerDropDown* DetailPickerDropDown = nullptr;
    TGridGridDropDown* GridDropDown = nullptr;
    TGridColorDropDown* ColorDropDown = nullptr;
    TGridImageDropDown* ImageDropDown = nullptr;
    // The metro scroll bars of ScrollType ssMetro, made at CreateWnd.
    TMetroScrollBar* FVertMetroScroll = nullptr;
    TMetroScrollBar* FHorzMetroScroll = nullptr;
    THTMLHintWindow* FScrollHintWnd = nullptr;
    TDropList* FFilterDropList = nullptr;
    TDropCheckList* FFilterCheckList = nullptr;

private:
    [[noreturn]] static void NotBuiltYet(const char* Member);

    // Life cycle steps, in the order the constructor and destructor run them.
    void CreateSettings();
    void TakeOverFormResize();
    void GiveBackFormResize();
    TForm* OwnerForm() const;
    void ReadEnvironment();
    void CreateHiddenControls();
    void SaveColSizesOnDestroy();
    bool KeepsIdleScrollBar(Integer Bar) const override;
    // One window scroll bar under a ScrollBarAlways setting (SB_VERT or SB_HORZ).
    void ApplyAlwaysBar(Integer Bar, bool AllFit, bool Always);
    void FreeSettings();
    void FreeHiddenControls();
    void SearchFooterChanged();
    // The last fixed column of the current row or the last fixed row above the current column.
    bool IsActiveHeaderCell(Integer ACol, Integer ARow) const;
    // Reports a current row other than the one reported last (OnRowChanged), once per move.
    void ReportRowChange();

    std::unique_ptr<TFocusHelper> m_focusHelper;
    std::unique_ptr<TSearchFooter> m_searchFooter;
    // The footer room's settings object; none until that room adds its class.
    TFloatingFooter* m_floatingFooter = nullptr;
    std::unique_ptr<TPrintSettings> m_printSettings;
    std::unique_ptr<THTMLSettings> m_htmlSettings;
    std::unique_ptr<TSortSettings> m_sortSettings;
    std::unique_ptr<TDragDropSettings> m_dragDropSettings;
    std::unique_ptr<TDragScrollOptions> m_dragScrollOptions;
    std::unique_ptr<TControlLook> m_controlLook;
    std::unique_ptr<TNavigation> m_navigation;
    std::unique_ptr<TColumnSize> m_columnSize;
    std::unique_ptr<TCellNode> m_cellNode;
    std::unique_ptr<TBands> m_bands;
    std::unique_ptr<TSizeWhileTyping> m_sizeWhileTyping;
    std::unique_ptr<TMouseActions> m_mouseActions;
    std::unique_ptr<TGrouping> m_grouping;
    std::unique_ptr<TStringList> m_columnHeaders;
    std::unique_ptr<THTMLPictureCache> m_imageCache;
    std::unique_ptr<TIntList> m_origColSizes;
    std::unique_ptr<TFont> m_fixedFont;
    std::unique_ptr<TFont> m_activeCellFont;
    std::unique_ptr<TStringList> m_rowHeaders;
    std::unique_ptr<TStringList> m_sortList;
    std::unique_ptr<TStringList> m_lookupItems;
    std::unique_ptr<TList> m_rowSelectList;
    std::unique_ptr<TList> m_colSelectList;
    std::unique_ptr<TSortIndexList> m_sortIndexes;
    std::unique_ptr<TIntList> m_sortedRows;
    std::unique_ptr<TIntList> m_unsortedRows;
    std::unique_ptr<TIntList> m_mergedColumns;
    std::unique_ptr<TIntList> m_selectedCells;
    std::unique_ptr<TIntList> m_selectedRows;
    std::unique_ptr<TIntList> m_modifiedRows;
    std::unique_ptr<TIntList> m_enabledRows;
    std::unique_ptr<TBitmap> m_rowIndicator;
    std::unique_ptr<TBackGround> m_backGround;
    std::unique_ptr<TControlList> m_controlList;
    std::unique_ptr<TGridProgressAppearance> m_progressAppearance;
    std::unique_ptr<TSyncGrid> m_syncGrid;
    std::unique_ptr<TFilter> m_filter;
    std::unique_ptr<TBalloonSettings> m_balloon;
    std::unique_ptr<TShowModified> m_showModified;
    std::unique_ptr<TGridChangeNotifiers> m_notifiers;
    std::unique_ptr<TIntList> m_columnOrder;
    std::unique_ptr<TCellGraphic> m_cellGraphic;
    std::unique_ptr<TIntList> m_ignoreColumns;
    std::unique_ptr<TFilterDropDown> m_filterDropDown;
    std::unique_ptr<TStringList> m_filterList;

    bool m_activeCellShow = false;
    TColor m_activeCellColor = TColor(0x808080);
    TColor m_activeCellColorTo = clNone;
    TColor m_selectionColor = TColor(0xEACAB6);
    TColor m_selectionColorTo = clNone;
    TColor m_selectionTextColor = TColor(0x000000);
    TColor m_borderColor = TColor(0xB99D7F);
    TScrollType m_scrollType = ssNormal;
    TColor m_scrollColor = clNone;
    Integer m_scrollWidth = 0;
    bool m_showDesignHelper = true;
    TColor m_zeqGradientFrom = TColor(0xFFFFFF);
    TColor m_zeqGradientTo = clBtnFace;
    TColor m_zeqGradientMirrorFrom = clNone;
    TColor m_zeqGradientMirrorTo = clNone;
    TColor m_zeqGradientHoverFrom = clNone;
    TColor m_zeqGradientHoverTo = clNone;
    TColor m_zeqGradientHoverMirrorFrom = clNone;
    TColor m_zeqGradientHoverMirrorTo = clNone;
    TColor m_zeqGradientHoverBorder = clNone;
    TColor m_zeqGradientDownFrom = clNone;
    TColor m_zeqGradientDownTo = clNone;
    TColor m_zeqGradientDownMirrorFrom = clNone;
    TColor m_zeqGradientDownMirrorTo = clNone;
    TColor m_zeqGradientDownBorder = clNone;
    Integer m_fixedRowHeight = 22;
    TAlignment m_defaultAlignment = taLeftJustify;
    bool m_wordWrap = true;
    bool m_filterActive = false;
};

}  // namespace gw
