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
#include "grid/interaction/pointer_rules.h"
#include "grid/model/cell_graphic.h"
#include "grid/model/cell_highlight.h"
#include "grid/model/column_visibility.h"
#include "grid/model/ext_grid_error.h"
#include "grid/model/grid_find.h"
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
#include <utility>
#include <vector>
#include <unordered_map>

namespace gw {

class TArrowWindow;
class TBackGround;
class TBalloonSettings;
class TBands;
class TBitmap;
class TPictureContainer;
class TCellNode;
class TColumnSize;
class TControlItem;
class TControlList;
class TControlLook;
class TCustomImageList;
class TDragDropSettings;
class TDragScrollOptions;
class TFilter;
class TFilterData;
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
class TExtStringGridCheck;
class TFilePicture;
class TIcon;
class TPicture;
class TSyncGrid;
enum TControlStyle : uint8_t;
enum TXPColorScheme : uint8_t;
enum class TCellButtonLook : Byte;
struct TStyleColours;
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
struct TMarkupDrawResult;
class TGridSpin;
class TGridDatePicker;
class TGridDateTimePicker;
class TExtRichEdit;
class TEditLink;
class TGridTrackbarDropDown;
class TGridMemoDropDown;
class TGridCalculatorDropDown;
class TGridTimepickerDropDown;
class TGridDetailPickerDropDown;
class TGridGridDropDown;
class TGridColorDropDown;
class TGridImageDropDown;
class TScrollControl;
class THintWindow;
class TTimer;
struct TVisualProps;

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
enum TScrollHintType : uint8_t { shNone, shVertical, shHorizontal, shBoth };
enum TDragScrollDirection : uint8_t { dsdUp = 1u << 0, dsdDown = 1u << 1, dsdLeft = 1u << 2, dsdRight = 1u << 3 };
using TDragScrollDirections = uint8_t;
enum THintShowLargeTextPos : uint8_t { hpCell, hpMouse };
enum TInvalidEntryIcon : uint8_t { ieNone, ieInfo, ieWarning, ieError };
enum TFilterDropDownColumns : uint8_t { fdNormal, fdAll };
enum THoverFixedCells : uint8_t { hfNone, hfFixedRows, hfFixedColumns, hfAll };
enum TMouseSelectMode : uint8_t { msNormal, msColumn, msRow, msAll, msURL, msResize };
enum TGridExportState : uint8_t {
    esExportStart,
    esExportNewRow,
    esExportDone,
    esExportSelRow,
    esExportFail,
    esExportNextRow
};
enum TGridImportState : uint8_t { isImportStart, isImportNewRow, isImportDone, isImportSelRow };
// The last clipboard operation that took cells away or copied them, for a paste's descendants.
enum TClipOperation : uint8_t { coCut, coCopy };

// Event types keep their argument order: many put the row first.
using TGridHintEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, String& HintStr)>;
using TCellBalloonEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, String& ATitle, String& AText,
                                             TBalloonIcon& AIcon)>;
using TGridColorEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, TGridDrawState AState,
                                           TBrush* ABrush, TFont* AFont)>;
using TGridBorderEvent =
    std::function<void(TObject* Sender, Integer ARow, Integer ACol, TPen* APen, TCellBorders& Borders)>;
using TGridAlignEvent =
    std::function<void(TObject* Sender, Integer ARow, Integer ACol, TAlignment& HAlign, TVAlignment& VAlign)>;
using TGridFormatEvent =
    std::function<void(TObject* Sender, Integer ACol, TSortStyle& AStyle, String& APrefix, String& ASuffix)>;
// Sorting: the custom comparison of two texts, the raw comparison of two rows (Res as left).
using TCustomCompareEvent = std::function<void(TObject* Sender, const String& str1, const String& str2, Integer& Res)>;
using TRawCompareEvent = std::function<void(TObject* Sender, Integer ACol, Integer Row1, Integer Row2, Integer& Res)>;
using TCalcFooterEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, String& Value)>;
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
using TCanDeleteRowEvent = std::function<void(TObject* Sender, Integer ARow, bool& CanDelete)>;
using TRadioClickEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, Integer AIdx)>;
using TCheckBoxChangeEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, bool State)>;
using TColorSelectEvent =
    std::function<void(TObject* Sender, Integer ACol, Integer ARow, TColor Color, const String& Value)>;
using TImageSelectEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, Integer Index)>;
using TRatingChangeEvent =
    std::function<void(TObject* Sender, Integer ACol, Integer ARow, double& NewRate, bool& Allow)>;
// The pointer's press on cells and their controls.
using TCanClickCellEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, bool& Allow)>;
using TCheckBoxClickEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, bool State)>;
using TRadioClickEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, Integer AIdx)>;
using TAnchorClickEvent =
    std::function<void(TObject* Sender, Integer ARow, Integer ACol, const String& Anchor, bool& AutoHandle)>;
// The pointer entering and leaving a mark-up anchor, and the hint text shown for it.
using TAnchorEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, const String& Anchor)>;
using TAnchorHintEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, String& Anchor)>;
using TNodeAllowEvent = std::function<void(TObject* Sender, Integer ARow, Integer ARowReal, bool& Allow)>;
using TNodeEvent = std::function<void(TObject* Sender, Integer ARow, Integer ARowReal)>;
using TControlClickEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, const String& CtrlID,
                                              const String& CtrlType, const String& CtrlVal)>;
// A mark-up element's inline editors: a combo's list filled before it drops, its choice, and
// the value written back into the cell's mark-up.
using TControlComboListEvent =
    std::function<void(TObject* Sender, Integer ARow, Integer ACol, const String& CtrlID, const String& CtrlType,
                       const String& CtrlVal, TStrings* Values, bool& Edit, Integer& DropCount)>;
using TControlComboSelectEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, Integer ItemIndex,
                                                    const String& CtrlID, const String& CtrlValue)>;
using TSearchEditChangeEvent = std::function<void(TObject* Sender, const String& Value, bool& DefaultSearch)>;
// The combo and spin editors' reports.
using TComboChangeEvent =
    std::function<void(TObject* Sender, Integer ACol, Integer ARow, Integer AItemIndex, const String& ASelection)>;
using TComboObjectChangeEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, Integer AItemIndex,
                                                   const String& ASelection, TObject* AObject)>;
using TSpinClickEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, Integer AValue, bool UpDown)>;
using TFloatSpinClickEvent =
    std::function<void(TObject* Sender, Integer ACol, Integer ARow, double AValue, bool UpDown)>;
using TDateTimeSpinClickEvent =
    std::function<void(TObject* Sender, Integer ACol, Integer ARow, TDateTime AValue, bool UpDown)>;
using TUnitChangedEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, const String& AUnit)>;
// ARow is the column or row number the dragged thumb stands for.
using TScrollHintEvent = std::function<void(TObject* Sender, Integer ARow, String& HintStr)>;
using TDragScrollEvent = std::function<void(TObject* Sender, Integer TopRow, Integer LeftCol,
                                            TDragScrollDirections& DragScrollDir, bool& CanScroll)>;
using TEndSizeEvent = std::function<void(TObject* Sender, Integer Index)>;
// The mouse's release, double click and right click (grid/interaction/ext_string_grid_mouse_*.cpp).
using TCanSortEvent = std::function<void(TObject* Sender, Integer ACol, bool& DoSort)>;
using TClickSortEvent = std::function<void(TObject* Sender, Integer ACol)>;
using TRadioClickEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, Integer AIdx)>;
using TCanShowFixedDropDownEvent = std::function<void(TObject* Sender, Integer ACol, bool& CanShow)>;
using TOleDragEvent =
    std::function<void(TObject* Sender, Integer ARow, Integer ACol, const String& Data, bool& Allow)>;
using TOleDragStopEvent = std::function<void(TObject* Sender, Integer OLEEffect)>;
using TFixedDropDownClickEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, TPopupMenu*& Menu,
                                                    bool& KeepFixedCellHighlighted)>;
using TColumnSizingEvent = std::function<void(TObject* Sender, Integer ACol, Integer ColumnSize)>;
using TScrollCellEvent =
    std::function<void(TObject* Sender, Integer ACol, Integer ARow, Integer Position, Integer Min, Integer Max)>;
using TGroupCalcEvent =
    std::function<void(TObject* Sender, Integer ACol, Integer FromRow, Integer ToRow, double& Res)>;
using TCustomFilterEvent = std::function<void(TObject* Sender, Integer ARow, bool& AcceptRow)>;
using TGridProgressEvent = std::function<void(TObject* Sender, int16_t Progress)>;
using TGetColumnFilterEvent = std::function<void(TObject* Sender, Integer Column, TStrings* Filter)>;
using TFilterSelectEvent = std::function<void(TObject* Sender, Integer Column, Integer ItemIndex,
                                              const String& FriendlyName, String& FilterCondition)>;
using TFilterCheckEvent = std::function<void(TObject* Sender, Integer Column, Integer ItemIndex, const String& FriendlyName,
                                             String& FilterCondition, TDropCheckList* CheckList)>;

// A selection listener: told the column and row of each new current cell.
class ITExtStringGridSelect {
public:
    virtual void SelectionChanged(Integer ACol, Integer ARow) = 0;

protected:
    ~ITExtStringGridSelect() = default;
};
using TRowDisjunctSelectEvent = std::function<void(TObject* Sender, Integer ARow, bool AState, bool& Allow)>;
using TRowDisjunctSelectedEvent = std::function<void(TObject* Sender, Integer ARow)>;
using TCellsChangedEvent = std::function<void(TObject* Sender, const TGridRect& R)>;
using TGridGradientEvent =
    std::function<void(TObject* Sender, Integer ARow, Integer ACol, TColor& Color, TColor& ColorTo,
                       TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD)>;
using TFloatFormatEvent =
    std::function<void(TObject* Sender, Integer ACol, Integer ARow, bool& IsFloat, String& FloatFormat)>;
using TCustomCellDrawEvent = std::function<void(TObject* Sender, TCanvas* Canvas, Integer ACol, Integer ARow,
                                                TGridDrawState AState, TRect ARect, bool Printing)>;
// Paints a footer cell (or, with fsCustomPaint, the whole footer); Sender is the footer's panel.
using TFooterPaintEvent = std::function<void(TObject* Sender, Integer AColumn, TCanvas* Canvas, TRect ARect)>;
using TGridBorderPropEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, TPen* LeftPen,
                                                TPen* TopPen, TPen* RightPen, TPen* BottomPen)>;
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
using TSelectionResizeEvent =
    std::function<void(TObject* Sender, const TGridRect& OrigSelection, const TGridRect& NewSelection)>;

struct TPasteJournal;

class TExtStringGrid : public TBaseGrid, public TSettingsGrid {
    friend class TExtInplaceEdit;
    friend class TGridCombo;
    friend class TGridSpin;
    friend class TGridCheckBox;
    friend class TControlEdit;
    friend class TControlCombo;
    friend class TGridTransEdit;
    friend class TGridTransCombo;
    friend bool MarkupEditorEndKey(TWinControl& Editor, Char& Key);
    friend struct TSpecialEditorAccess;

public:
    // ===== life cycle ===========================================================================
    explicit TExtStringGrid(TComponent* AOwner);
    ~TExtStringGrid() override;
    String ClassName() const override { return u"TExtStringGrid"; }
    // Settings, dimensions, sizes and cells from another string grid; anything else is ignored.
    void Assign(TPersistent* Source) override;
    // Only the cells, through the cell stream.
    virtual void AssignCells(TPersistent* Source);
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
    TFloatingFooter* FloatingFooter() const { return m_floatingFooter.get(); }
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
    // One selection listener at a time, never owned; unregistering clears it whatever is passed.
    void RegisterSelListener(ITExtStringGridSelect* Listener) { FISelect = Listener; }
    void UnRegisterSelListener(ITExtStringGridSelect* /*Listener*/) { FISelect = nullptr; }
    ITExtStringGridSelect* SelListener() const { return FISelect; }
    // Display settings with effects (ext_string_grid_settings.cpp); read through the views, set
    // through the setters.
    // The space between a cell's edge and its text; repaints. UpdateXYOffset stores only.
    const TPoint& XYOffset = m_xyOffset;
    void SetXYOffset(TPoint Value);
    void UpdateXYOffset(Integer X, Integer Y) { m_xyOffset = TPoint{X, Y}; }
    // The mark-up's highlight pair, program-wide: the last grid to change either sets both for
    // every grid.
    const TColor& HighlightColor = m_highlightColor;
    void SetHighlightColor(TColor Value);
    const TColor& HighlightTextColor = m_highlightTextColor;
    void SetHighlightTextColor(TColor Value);
    // Stores, then shows or disables the scroll bars at once.
    const TScrollBarAlways& ScrollBarAlways = m_scrollBarAlways;
    void SetScrollBarAlways(TScrollBarAlways Value);
    // Follows the office theme: applied at once when switched on, and again on each theme
    // change the window hears; the search footer's buttons follow the switch.
    const bool& AutoThemeAdapt = m_autoThemeAdapt;
    void SetAutoThemeAdapt(bool Value);

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
    // The fixed-cell colours of an XP colour scheme; the flat look of five colour tones.
    void SetTheme(TXPColorScheme Scheme);
    void SetColorTones(const TColorTones& ATones);
    const TColorTones& ColorTones() const { return FTones; }
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
    bool ScrollProportional() const { return m_scrollProportional; }
    void SetScrollProportional(bool Value);
    // The colour of the four column-move arrows, read from the up arrow.
    TColor ArrowColor() const;
    void SetArrowColor(TColor Value);
    TColor SelectionColor() const { return m_selectionColor; }
    void SetSelectionColor(TColor Value);
    TColor SelectionColorTo() const { return m_selectionColorTo; }
    void SetSelectionColorTo(TColor Value);
    TColor SelectionTextColor() const { return m_selectionTextColor; }
    void SetSelectionTextColor(TColor Value);
    bool ShowDesignHelper() const { return m_showDesignHelper; }
    void SetShowDesignHelper(bool Value);
    // Percent of the selection colour in a selected cell's own colour, kept within 0 .. 100.
    Integer SelectionColorMixerFactor() const { return m_selectionColorMixerFactor; }
    void SetSelectionColorMixerFactor(Integer Value);
    // The spreadsheet way of working: a selection rectangle with its resize handle, smart
    // clipboard, range selection and editing. Setting it applies them whatever the value; False
    // does not take them back, so a caller's own choices made after it are kept.
    bool SpreadSheet() const { return m_spreadSheet; }
    void SetSpreadSheet(bool Value);
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

    // ===== painting: a cell's looks and its painter (ext_string_grid_visual.cpp, _paint.cpp) =====
    void GetVisualProperties(Integer ACol, Integer ARow, TGridDrawState& AState, bool Print, bool Select,
                             bool Remap, TBrush& ABrush, TFont& AFont, TCellLook& Look) override;
    // The font alone: fixed or normal font, the cell's own font, then GetCellColor.
    void GetFontProperties(Integer ACol, Integer RCol, Integer ARow, TGridDrawState& AState, TFont& AFont,
                           TBrush& ABrush, bool Remap);
    void PaintCellBody(TCanvas& ACanvas, Integer ACol, Integer ARow, const TRect& ARect,
                       TGridDrawState AState) override;
    // Dotted XOR lines while a column or row is sized: drawn twice, they are gone. On the grid's
    // canvas unless another is given: at once on the window's own pixels.
    void DrawColSizingLine(Integer X, TCanvas* ACanvas = nullptr);
    void DrawRowSizingLine(Integer Y, TCanvas* ACanvas = nullptr);
    void DrawSortIndicator(TCanvas& ACanvas, Integer ACol, Integer Y, Integer X);
    // Count radio items with their captions (Items), the item Checked (0-based; -1: the item whose
    // caption is the cell's text) drawn checked, on any canvas (the screen's or a printer's, at
    // its Scale), stacked upward when Upward.
    void DrawRadioGlyph(TCanvas& ACanvas, const TRect& R, Integer Count, Integer Checked, bool Horizontal,
                        bool Disabled, TStrings* Items, bool Selected, Integer ACol, Integer ARow,
                        TControlStyle Style, double Scale, bool Upward);
    bool SelectionColorMixer = false;
    bool SelectionRectangle = false;
    bool SelectionResizer = false;
    bool EnhTextSize = false;
    TGridGradientEvent OnGetCellGradient;
    TFloatFormatEvent OnGetFloatFormat;
    TCustomCellDrawEvent OnCustomCellBkgDraw;
    TCustomCellDrawEvent OnCustomCellDraw;
    TGridBorderPropEvent OnGetCellBorderProp;

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
    // ScrollInView's last step: the row it showed kept above a visible search panel.
    void ScrollAboveSearchPanel(Integer ARow);

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
    void HideColumns(Integer FromCol, Integer ToCol);
    void UnHideColumns(Integer FromCol, Integer ToCol);
    Integer TotalRowCount() const;
    void HideRow(Integer RowIndex);
    void HideRowsEx(Integer FromRow, Integer ToRow);
    // Hides the listed displayed rows (ascending) as one new filter level.
    void HideRowList(const TIntList& RowList);
    void UnHideRow(Integer RowIndex);
    void UnHideRows(Integer FromRow, Integer ToRow);
    void UnHideRowsAll();
    void UnHideRowList();
    // The cell range whole-grid exports store.
    Integer SaveStartCol() const;
    Integer SaveEndCol() const;
    Integer SaveColCount() const;
    Integer SaveStartRow() const;
    Integer SaveEndRow() const;
    Integer SaveRowCount() const;
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
    // By real row (hidden rows included); the tri-state form reports the three states, the
    // Boolean form checked for a tri-state box exactly at cbChecked.
    bool GetCheckBoxState(Integer ACol, Integer ARow, bool& State);
    bool IsChecked(Integer ACol, Integer ARow);
    bool HasRating(Integer ACol, Integer ARow);
    bool HasExpand(Integer ACol, Integer ARow);
    bool ToggleExpand(Integer ACol, Integer ARow);
    bool HasScrollBar(Integer ACol, Integer ARow);
    bool HasAutoRangeScrollBar(Integer ACol, Integer ARow);
    // Prop: X the page size, Y the range.
    void SetScrollProp(Integer ACol, Integer ARow, TPoint Prop);
    bool IsComment(Integer ACol, Integer ARow, String& Comment);
    bool IsInCheckBox(Integer ACol, Integer ARow, Integer X, Integer Y);
    void GetMarker(Integer ACol, Integer ARow, Integer& ErrPos, Integer& ErrLen);
    TStrings* GetRadioStrings(Integer ACol, Integer ARow);
    bool GetRadioIdx(Integer ACol, Integer ARow, Integer& Index);
    bool SetRadioIdx(Integer ACol, Integer ARow, Integer Index);
    void SelectNextRadioItem(Integer ACol, Integer ARow, bool Check);
    void SetRadioButtonColumnIndex(Integer ACol, Integer Index);
    // The image index of a ctImageList cell while GridImages is set, else -1.
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
    // The per-cell property arrays (real column, displayed row): a read of a cell without
    // properties answers the fixed default and creates nothing, except WordWraps.
    TColor GetColorsTo(Integer ACol, Integer ARow);
    TColor GetFontColors(Integer ACol, Integer ARow);
    TAlignment GetAlignments(Integer ACol, Integer ARow);
    TCellGradientDirection GetGradients(Integer ACol, Integer ARow);
    void SetGradients(Integer ACol, Integer ARow, TCellGradientDirection Value);
    void SetReadOnly(Integer ACol, Integer ARow, bool Value);
    bool GetWordWraps(Integer ACol, Integer ARow);
    void SetWordWraps(Integer ACol, Integer ARow, bool Value);
    TFontStyles GetFontStyles(Integer ACol, Integer ARow);
    void SetFontStyles(Integer ACol, Integer ARow, TFontStyles Value);
    String GetFontNames(Integer ACol, Integer ARow);
    void SetFontNames(Integer ACol, Integer ARow, const String& Value);
    Integer GetFontSizes(Integer ACol, Integer ARow);
    void SetFontSizes(Integer ACol, Integer ARow, Integer Value);
    // Copies the font's name, size, style and colour into the cell's properties.
    void SetFonts(Integer ACol, Integer ARow, TFont* Value);
    TControl* GetCellControls(Integer ACol, Integer ARow);
    void SetCellControls(Integer ACol, Integer ARow, TControl* AControl);
    Integer CellControlCount() const;
    // A hidden column's width when it was hidden; a shown column's width.
    Integer GetAllColWidths(Integer ACol) const;
    String GetOriginalCells(Integer ACol, Integer ARow);
    void SetOriginalCells(Integer ACol, Integer ARow, const String& Value);
    // By the row order before the sorts (the sort cross-reference): row ARow of that order,
    // wherever the sorts put it; rows past the cross-reference are taken as they are.
    String GetUnSortedCells(Integer ACol, Integer ARow);
    void SetUnSortedCells(Integer ACol, Integer ARow, const String& Value);
    // The real row of the row the sorts put at ARow in the order before them.
    Integer SortedRowIndex(Integer ARow);
    // Where the sorts put row ARow of the order before them; the cross-reference's length when
    // it holds no such row, ARow itself before any sort.
    Integer UnSortedRowIndex(Integer ARow);
    Integer LinesInCell(Integer ACol, Integer ARow);
    // By real column and real row: a hidden row answers from its hidden-row item.
    String GetAllGridCells(Integer ACol, Integer ARow);
    void SetAllGridCells(Integer ACol, Integer ARow, const String& Value);
    TObject* GetAllObjects(Integer ACol, Integer ARow);
    void SetAllObjects(Integer ACol, Integer ARow, TObject* Value);
    TCellProperties* GetAllGridObject(Integer ACol, Integer ARow);
    TGridItemCells* HiddenRowTexts(Integer ARow);
    TSize GetCellTextSize(Integer ACol, Integer ARow, bool VS, bool SB);
    bool IsRotated(Integer ACol, Integer ARow);
    void HilightInGrid(bool CaseSensitive, const String& Text);
    void HilightInCol(bool CaseSensitive, const String& Text, Integer ACol);
    void UnHilightInGrid();
    void UnHilightInCol(Integer ACol);
    // Attaching, reading and removing a cell's graphic, one family per kind. Add... borrows the
    // caller's object, Create... makes one the cell owns; adding replaces the cell's graphic.
    bool RemoveCellGraphicOfType(Integer ACol, Integer ARow, TCellType AType);
    TBitmap* CreateBitmap(Integer ACol, Integer ARow, bool Transparent, TCellHAlign hal, TCellVAlign val);
    void AddBitmap(Integer ACol, Integer ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    TBitmap* GetBitmap(Integer ACol, Integer ARow);
    bool HasBitmap(Integer ACol, Integer ARow);
    bool RemoveBitmap(Integer ACol, Integer ARow);
    void AddInterfacedCell(Integer ACol, Integer ARow, TPersistent* AObject);
    TPersistent* GetInterfacedCell(Integer ACol, Integer ARow);
    bool RemoveInterfacedCell(Integer ACol, Integer ARow);
    TPicture* CreatePicture(Integer ACol, Integer ARow, bool Transparent, TStretchMode StretchMode, Integer Padding,
                            TCellHAlign hal, TCellVAlign val);
    void AddPicture(Integer ACol, Integer ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode,
                    Integer Padding, TCellHAlign hal, TCellVAlign val);
    TPicture* GetPicture(Integer ACol, Integer ARow);
    bool HasPicture(Integer ACol, Integer ARow);
    bool RemovePicture(Integer ACol, Integer ARow);
    TFilePicture* CreateFilePicture(Integer ACol, Integer ARow, bool Transparent, TStretchMode StretchMode,
                                    Integer Padding, TCellHAlign hal, TCellVAlign val);
    void AddFilePicture(Integer ACol, Integer ARow, TFilePicture* AFilePicture, bool Transparent,
                        TStretchMode StretchMode, Integer Padding, TCellHAlign hal, TCellVAlign val);
    TFilePicture* GetFilePicture(Integer ACol, Integer ARow);
    bool RemoveFilePicture(Integer ACol, Integer ARow);
    TIcon* CreateIcon(Integer ACol, Integer ARow, TCellHAlign hal, TCellVAlign val);
    void AddIcon(Integer ACol, Integer ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val);
    bool RemoveIcon(Integer ACol, Integer ARow);
    void AddProgressPie(Integer ACol, Integer ARow, TColor Color, Integer Value);
    void SetProgressPie(Integer ACol, Integer ARow, Integer Value);
    bool RemoveProgressPie(Integer ACol, Integer ARow);
    void AddExtProgress(Integer ACol, Integer ARow, Integer Min, Integer Max);
    bool RemoveExtProgress(Integer ACol, Integer ARow);
    void AddProgress(Integer ACol, Integer ARow, TColor FGColor, TColor BKColor);
    void AddProgressEx(Integer ACol, Integer ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                       TColor BKTextColor);
    void AddProgressFormatted(Integer ACol, Integer ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                              TColor BKTextColor, const String& Fmt, Integer Min, Integer Max);
    bool HasProgress(Integer ACol, Integer ARow);
    bool RemoveProgress(Integer ACol, Integer ARow);
    void AddRangeIndicator(Integer ACol, Integer ARow, Integer Range, TColor NegColor, TColor PosColor,
                           bool ShowValue);
    bool RemoveRangeIndicator(Integer ACol, Integer ARow);
    void AddComment(Integer ACol, Integer ARow, const String& Comment);
    void AddColorComment(Integer ACol, Integer ARow, const String& Comment, TColor Color);
    String GetComment(Integer ACol, Integer ARow);
    void SetComment(Integer ACol, Integer ARow, const String& Value);
    bool RemoveComment(Integer ACol, Integer ARow);
    void RemoveAllComments();
    void AddShape(Integer ACol, Integer ARow, TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                  TCellVAlign val);
    bool RemoveShape(Integer ACol, Integer ARow);
    void AddRating(Integer ACol, Integer ARow, Integer Scale, TColor FillColor, TColor EmptyColor);
    bool RemoveRating(Integer ACol, Integer ARow);
    void AddScrollBar(Integer ACol, Integer ARow, bool AutoRange);
    bool RemoveScrollBar(Integer ACol, Integer ARow);
    void SetScrollPosition(Integer ACol, Integer ARow, Integer Pos);
    Integer GetScrollPosition(Integer ACol, Integer ARow);
    TPoint GetScrollProp(Integer ACol, Integer ARow);
    void AddButton(Integer ACol, Integer ARow, Integer bw, Integer bh, const String& Caption, TCellHAlign hal,
                   TCellVAlign val);
    void AddBitButton(Integer ACol, Integer ARow, Integer bw, Integer bh, const String& Caption, TBitmap* Glyph,
                      TCellHAlign hal, TCellVAlign val);
    TBitmap* CreateBitButton(Integer ACol, Integer ARow, Integer bw, Integer bh, const String& Caption,
                             TCellHAlign hal, TCellVAlign val);
    bool HasButton(Integer ACol, Integer ARow);
    bool RemoveButton(Integer ACol, Integer ARow);
    bool RemoveBitButton(Integer ACol, Integer ARow);
    void RemoveAllButtons();
    void SetButtonText(Integer ACol, Integer ARow, const String& Caption);
    String GetButtonText(Integer ACol, Integer ARow);
    void AddImageIdx(Integer ACol, Integer ARow, Integer Aidx, TCellHAlign hal, TCellVAlign val);
    bool RemoveImageIdx(Integer ACol, Integer ARow);
    void AddDataImage(Integer ACol, Integer ARow, Integer Aidx, TCellHAlign hal, TCellVAlign val);
    bool HasDataImage(Integer ACol, Integer ARow);
    bool RemoveDataImage(Integer ACol, Integer ARow);
    void AddMultiImage(Integer ACol, Integer ARow, Integer Dir, TCellHAlign hal, TCellVAlign val);
    bool RemoveMultiImage(Integer ACol, Integer ARow);
    void AddRotated(Integer ACol, Integer ARow, int16_t AAngle, const String& S);
    void SetRotated(Integer ACol, Integer ARow, int16_t AAngle);
    bool IsRotated(Integer ACol, Integer ARow, Integer& AAngle);
    bool RemoveRotated(Integer ACol, Integer ARow);
    void AddMarker(Integer ACol, Integer ARow, Integer ErrPos, Integer ErrLen);
    void RemoveMarker(Integer ACol, Integer ARow);
    void RemoveAllMarkers();
    // The value the image sort orders a cell by: a number given to each bitmap or icon when the
    // grid first sees it, the image index of an image-list cell, else -1.
    Integer GetGraphicSortKey(Integer ACol, Integer ARow);
    // The sort indicator's row holds the cell (a merged cell by its last row), shown on a grid with
    // more than one normal row.
    bool IsSortIndicatorCell(Integer ACol, Integer ARow);
    // Web addresses: shown as links (URLShow), turned into links inside texts (URLShowInText),
    // shown whole (URLFull). A change repaints the grid (URLFull only while URLShow is on).
    bool URLShow() const { return m_urlShow; }
    void SetURLShow(bool Value);
    bool URLShowInText() const { return m_urlShowInText; }
    void SetURLShowInText(bool Value);
    bool URLFull() const { return m_urlFull; }
    void SetURLFull(bool Value);
    // Check boxes (five kinds), radio buttons, radio groups, balloons and expand buttons.
    static TCheckBoxState BoolToCheckBoxState(bool bChecked) { return bChecked ? cbChecked : cbUnchecked; }
    void AddCheckBox(Integer ACol, Integer ARow, bool State, bool Data);
    void AddCheckBox(Integer ACol, Integer ARow, TCheckBoxState State);
    void AddCheckBoxColumn(Integer ACol, bool DefaultState, bool DataCheckBox);
    void AddTriStateCheckBoxColumn(Integer ACol, TCheckBoxState State);
    void RemoveCheckBox(Integer ACol, Integer ARow);
    void RemoveCheckBoxColumn(Integer ACol);
    bool HasDataCheckBox(Integer ACol, Integer ARow);
    bool GetCheckBoxState(Integer ACol, Integer ARow, TCheckBoxState& State);
    bool SetCheckBoxState(Integer ACol, Integer ARow, TCheckBoxState State);
    bool SetCheckBoxState(Integer ACol, Integer ARow, bool State);
    void CheckAll(Integer ACol);
    void UnCheckAll(Integer ACol);
    bool ToggleCheckBox(Integer ACol, Integer ARow);
    void AddRadioButton(Integer ACol, Integer ARow, bool State);
    void RemoveRadioButton(Integer ACol, Integer ARow);
    bool HasRadioButton(Integer ACol, Integer ARow);
    bool IsRadioButtonChecked(Integer ACol, Integer ARow);
    bool SetRadioButtonState(Integer ACol, Integer ARow, bool State);
    void AddRadioButtonColumn(Integer ACol);
    void RemoveRadioButtonColumn(Integer ACol);
    Integer GetRadioButtonColumnIndex(Integer ACol);
    void AddRadio(Integer ACol, Integer ARow, Integer DirRadio, Integer IdxRadio, TStrings* sl);
    TStrings* CreateRadio(Integer ACol, Integer ARow, Integer DirRadio, Integer IdxRadio);
    bool IsRadio(Integer ACol, Integer ARow);
    bool RemoveRadio(Integer ACol, Integer ARow);
    void AddBalloon(Integer ACol, Integer ARow, const String& Title, const String& Text, TBalloonIcon Icon);
    void RemoveBalloon(Integer ACol, Integer ARow);
    bool HasBalloon(Integer ACol, Integer ARow);
    bool IsBalloon(Integer ACol, Integer ARow, String& Title, String& Text, TBalloonIcon& Icon);
    void AddExpand(Integer ACol, Integer ARow, Integer ExpandedHeight);
    bool RemoveExpand(Integer ACol, Integer ARow);
    bool GetExpandState(Integer ACol, Integer ARow);
    Integer GetExpandHeight(Integer ACol, Integer ARow, bool Expanded);
    // Search highlights ("hi") and error marks ("e") in cell texts; DoFixed takes in the fixed
    // cells. Only cells that gain (lose) a tag pair are written.
    void HilightInCell(bool DoCase, Integer ACol, Integer ARow, const String& HiText);
    void HilightInCol(bool DoFixed, bool DoCase, Integer ACol, const String& HiText);
    void HilightInRow(bool DoFixed, bool DoCase, Integer ARow, const String& HiText);
    void HilightInGrid(bool DoFixed, bool DoCase, const String& HiText);
    void MarkInCell(bool DoCase, Integer ACol, Integer ARow, const String& HiText);
    void MarkInCol(bool DoFixed, bool DoCase, Integer ACol, const String& HiText);
    void MarkInRow(bool DoFixed, bool DoCase, Integer ARow, const String& HiText);
    void MarkInGrid(bool DoFixed, bool DoCase, const String& HiText);
    void UnHilightInCell(Integer ACol, Integer ARow);
    void UnHilightInCol(bool DoFixed, Integer ACol);
    void UnHilightInRow(bool DoFixed, Integer ARow);
    void UnHilightInGrid(bool DoFixed);
    void UnMarkInCell(Integer ACol, Integer ARow);
    void UnMarkInCol(bool DoFixed, Integer ACol);
    void UnMarkInRow(bool DoFixed, Integer ARow);
    void UnMarkInGrid(bool DoFixed);
    // The cell checker's run over cells; true when no checked text changed.
    bool CheckCell(Integer ACol, Integer ARow);
    bool CheckCells(Integer FromCol, Integer FromRow, Integer ToCol, Integer ToRow);
    bool CheckCol(bool DoFixed, Integer ACol);
    bool CheckRow(bool DoFixed, Integer ARow);
    bool CheckGrid(bool DoFixed);
    // Fills of the normal cells (DoFixed: of every cell).
    void TextFill(bool DoFixed, const String& Txt);
    void FormatFill(bool DoFixed, const String& Fmt);
    void RandomFill(bool DoFixed, Integer Rnd);
    void LinearFill(bool DoFixed);

    // ===== outline nodes and grouping ===========================================================
    bool IsNode(Integer ARow);
    Integer GetNodeLevel(Integer ARow);
    Integer GetNodeSpan(Integer ARow);
    // The node's count of nodes below it in its block; 0 for a row that is no node.
    Integer GetSubNodeCount(Integer ARow);
    bool GetNodeState(Integer ARow);
    Integer GetParentRow(Integer ARow);
    void ExpandNode(Integer ARow);
    void ContractNode(Integer ARow);
    void ExpandAll();
    void ContractAll();
    void RemoveAllNodes();
    // Makes a row (real index) a node heading Span rows, itself included; 0: up to the next node.
    void AddNode(Integer ARow, Integer Span);
    void RemoveNode(Integer ARow);
    // Per expanded group, into its header row (its summary row with Grouping.Summary): the
    // calculation over its data rows. Contracted groups are left out.
    void GroupSum(Integer ColIndex) { GroupCalc(ColIndex, 1); }
    void GroupAvg(Integer ColIndex) { GroupCalc(ColIndex, 2); }
    void GroupMin(Integer ColIndex) { GroupCalc(ColIndex, 3); }
    void GroupMax(Integer ColIndex) { GroupCalc(ColIndex, 4); }
    void GroupCount(Integer ColIndex) { GroupCalc(ColIndex, 5); }
    void GroupCustomCalc(Integer ColIndex) { GroupCalc(ColIndex, 6); }
    void GroupDistinct(Integer ColIndex) { GroupCalc(ColIndex, 7); }
    void GroupStdDev(Integer ColIndex) { GroupCalc(ColIndex, 8); }
    void GroupCalc(Integer ACol, Integer Method);
    bool IsOnNodeGlyph(Integer ARow, Integer X);
    // Virtual: the column grid moves its column items along.
    virtual void Group(Integer ColIndex);
    virtual void UnGroup();
    // The grouped column, -1 when not grouped. Setting -1 ungroups, a column above 0 groups by
    // it; 0 is ignored.
    Integer GroupColumn() const { return FGroupColumn; }
    void SetGroupColumn(Integer Value);
    void InsertNormalRow(Integer ARow);
    void InsertChildRow(Integer ARow, Integer InsertAt);
    void RemoveNormalRow(Integer ARow);
    void RemoveChildRow(Integer ARow);

    // ===== rows and columns =====================================================================
    void InsertRows(Integer ARow, Integer ACount, bool Update);
    void RemoveRows(Integer ARow, Integer ACount);
    void RemoveRowsEx(Integer ARow, Integer ACount);
    // Virtual: the column grid keeps one column item per real column.
    virtual void InsertCols(Integer ACol, Integer ACount);
    virtual void RemoveCols(Integer ACol, Integer ACount);
    void ClearRows(Integer ARow, Integer ACount);
    void ClearCols(Integer ACol, Integer ACount);
    void Clear();
    void ClearRect(Integer ACol1, Integer ARow1, Integer ACol2, Integer ARow2);
    void MoveColumn(Integer FromIndex, Integer ToIndex);
    void MoveRow(Integer FromIndex, Integer ToIndex);
    void MoveRows(Integer FromIndex, Integer ToIndex, Integer Count);
    void RemoveSelectedRows();
    // Widths and heights from the cells, within MinColWidth..MaxColWidth (MinRowHeight..
    // MaxRowHeight); SizeGrowOnly never narrows or lowers. Padding is added after the fit.
    void AutoSizeCol(Integer ACol, Integer Padding = 0);
    // Removal by selection, check state and duplicates; hiding by selection.
    void RemoveUnSelectedRows();
    void RemoveSelectedCols();
    void RemoveUnSelectedCols();
    void HideSelectedRows();
    void HideUnSelectedRows();
    void RemoveCheckedRows(Integer CheckBoxColumn, bool RemoveChecked);
    void RemoveDuplicates(Integer ACol, bool DoCase);
    void AddRow();
    void AddColumn();
    void ClearNormalRows(Integer RowIndex, Integer RCount);
    void ClearNormalCols(Integer ColIndex, Integer CCount);
    void ClearNormalCells();
    void ClearAll();
    void TrimColumn(Integer ACol);
    void TrimRow(Integer ARow);
    void TrimAll();
    void ColorRect(Integer ACol1, Integer ARow1, Integer ACol2, Integer ARow2, TColor AColor);
    void MergeRowCells(Integer RowIndex, bool MainMerge);
    void SplitRowCells(Integer RowIndex);
    void SplitAllCells();
    void MergeCols(Integer ColIndex1, Integer ColIndex2, const String& Separator);
    bool IsCell(const String& SubStr, Integer& ACol, Integer& ARow);
    bool IsWideCell(Integer ACol, Integer ARow);
    Integer ColumnPosition(Integer ACol) const;
    Integer ColumnAtPosition(Integer ACol);
    Integer ColumnByHeader(const String& AValue);
    void AutoSizeColumns(bool DoFixedCols, Integer Padding);
    void CalcAutoColWidth(Integer ACol, bool GrowOnly);
    void AutoSizeRow(Integer ARow, Integer Padding = 0);
    void CalcAutoRowHeight(Integer ARow, bool GrowOnly, Integer Padding);
    void AutoSizeRows(bool DoFixedRows, Integer Padding);
    void SetRowHeightForLines(Integer ARow, Integer Lines, Integer Padding);
    // Widths and heights from every cell at once; rows only grow.
    void AutoSizeCells(bool DoFixedCells, Integer PaddingX, Integer PaddingY);
    Integer MaxLinesInRow(Integer ARow);
    // Spreads the columns over the control's width in proportion to their widths.
    void AutoFitColumns(bool DoFixedCells);
    // The control's client area fitted to the columns, the rows, or both.
    void SizeToCols();
    void SizeToRows();
    void SizeToCells();
    // Numbers the normal rows of a column (the normal columns of a row) from AutoNumberStart on.
    void AutoNumberCol(Integer ACol);
    void AutoNumberRow(Integer ARow);
    // Exchange texts, objects and sizes; the sort column follows its column.
    void SwapColumns(Integer ACol1, Integer ACol2);
    void SwapRows(Integer ARow1, Integer ARow2);
    // XYOffset on both sides of a cell, or only left and top with XYOffsetTopLeftOnly.
    Integer TotalXOffset() const { return XYOffsetTopLeftOnly ? XYOffset.X : 2 * XYOffset.X; }
    Integer TotalYOffset() const { return XYOffsetTopLeftOnly ? XYOffset.Y : 2 * XYOffset.Y; }
    bool XYOffsetTopLeftOnly = false;
    bool Multilinecells = false;
    Integer AutoNumberStart = 0;
    Integer AutoNumberOffset = 0;
    TSortDirection AutoNumberDirection = sdAscending;
    // Switched on outside loading, the columns are fitted to their cells at once.
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool Value);
    TGridRect GetUsedCells();

    // ===== sorting and filtering ================================================================
    void QSort() override;
    void QSortIndexed() override;
    // One column of two rows: -1, 0 or 1 (the events' answers as they are); Direction places blanks.
    Integer CompareRowCells(Integer ACol, Integer ARow1, Integer ARow2, TSortDirection Direction);
    // From ACol on, ties going to the next columns with SortSettings.Full (hidden columns too).
    Integer CompareRowsFrom(Integer ACol, Integer ARow1, Integer ARow2);
    // Along SortIndexes from entry Index, each entry in its own direction.
    Integer CompareRowsIndexed(Integer Index, Integer ARow1, Integer ARow2);
    void Sort(Integer Column, TSortDirection Direction);
    void SortByColumn(Integer Col);
    // Rows Left..Right by Col (or by SortIndexes), nothing else of the sort frame.
    void QuickSort(Integer Col, Integer Left, Integer Right);
    void QuickSortIndexed(Integer Left, Integer Right);
    // Exchanges the two rows when they are out of order (ties going to the next columns).
    bool SortLine(Integer Col, Integer ARow1, Integer ARow2);
    // The sort cross-reference becomes 0 .. RowCount - 1.
    void InitSortXRef();
    // The work of the sorts: cell comparisons and row exchanges, never reset here.
    Integer Compares = 0;
    Integer Swaps = 0;
    TCustomCompareEvent OnCustomCompare;
    TRawCompareEvent OnRawCompare;
    bool FilterActive() const { return m_filterActive; }
    void SetFilterActive(bool Value);
    void RemoveAllFilters();
    void NarrowDown(const String& AText, Integer AColumn);
    // Tests every normal row and hides the failing ones as one new filter level.
    void ApplyFilter();
    // Hides a displayed row that fails the filter.
    void FilterRow(Integer ARow);
    // Takes back the last filter level; true while more levels remain.
    bool RemoveLastFilter();

    // ===== column calculations and the footer ===================================================
    double ColumnSum(Integer ACol, Integer FromRow, Integer ToRow);
    double ColumnAvg(Integer ACol, Integer FromRow, Integer ToRow);
    double ColumnMin(Integer ACol, Integer FromRow, Integer ToRow);
    double ColumnMax(Integer ACol, Integer FromRow, Integer ToRow);
    double ColumnDistinct(Integer ACol, Integer FromRow, Integer ToRow);
    double ColumnStdDev(Integer ACol, Integer FromRow, Integer ToRow);
    // Res of OnColumnCalc (OnGroupCalc), starting at 0; 0 without a handler.
    double ColumnCustomCalc(Integer ACol, Integer FromRow, Integer ToRow);
    double GroupCustomCalc(Integer ACol, Integer FromRow, Integer ToRow);
    double RowSum(Integer ARow, Integer FromCol, Integer ToCol);
    double RowAvg(Integer ARow, Integer FromCol, Integer ToCol);
    double RowMin(Integer ARow, Integer FromCol, Integer ToCol);
    double RowMax(Integer ARow, Integer FromCol, Integer ToCol);
    std::function<void(TObject* Sender, Integer ACol, Integer FromRow, Integer ToRow, double& Res)> OnColumnCalc;
    // acCUSTOM footer cells: before the floating footer's own event.
    TCalcFooterEvent OnCalcFooter;
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
    void SelectCells(Integer FromCol, Integer FromRow, Integer ToCol, Integer ToRow);
    void SelectRange(Integer FromCol, Integer ToCol, Integer FromRow, Integer ToRow);
    void UnSelectRows(Integer RowIndex, Integer RCount);
    void SelectCols(Integer ColIndex, Integer CCount);
    void UnSelectCols(Integer ColIndex, Integer CCount);
    Integer ColSelectCount();
    // The selected non-fixed rows of disjunct row selection, in the order they were selected.
    TIntList* SelectedRows() const { return m_selectedRows.get(); }
    Integer ModifiedRowCount() const;
    void ClearModifiedRows();
    void SetRowEnabled(Integer ARow, bool Value);
    bool GetSelectedCells(Integer ACol, Integer ARow);
    void SetSelectedCells(Integer ACol, Integer ARow, bool Value);
    TGridCoord SelectedCell(Integer Index) const;
    Integer SelectedRow(Integer Index);
    Integer SelectedCellsCount();
    Integer SelectedRowCount();
    Integer SelectedColCount();
    void ClearSelectedCells();
    void InvalidateCellRange(const TGridRect& ARect);
    void SwapCells(TGridCoord FromCell, TGridCoord ToCell);
    void GotoCell(Integer ACol, Integer ARow);
    void EditCell(Integer ACol, Integer ARow);
    TRowDisjunctSelectEvent OnRowDisjunctSelect;
    TRowDisjunctSelectedEvent OnRowDisjunctSelected;
    TCellsChangedEvent OnCellsChanged;

    // ===== editing, keys, mouse, find (interaction) =============================================
    void ShowInplaceEdit();
    void HideInplaceEdit();
    bool EditMode() const;
    bool IsEditable(Integer ACol, Integer ARow);
    bool IsPasswordCell(Integer ACol, Integer ARow);
    void BuildSearchFooter();
    // Shows the search footer and gives its edit the focus (the Ctrl+F of the tables).
    void ShowSearchFooter();
    void ShowFocusWindow();
    void HideFocusWindow();
    void MoveFocusWindow();
    void CellControlsUpdate(bool Force);
    void InitOrigColSizes();
    // A left click 2 pixels inside the cell's top-left corner through the grid's own press and
    // release handling, without OnMouseDown and OnMouseUp: the editor opens as on a click.
    void SimulateCellClick(Integer ACol, Integer ARow);
    // A new form owned by the grid, neither shown nor placed, showing the cells of ARect as the
    // grid paints them, 192 of 255 opaque, never activated: the drag image of moved cells.
    TForm* SelectionToForm(const TGridRect& ARect);
    std::unique_ptr<TBitmap> SelectionPicture(const TGridRect& ARect);
    // The hint of the cell under HintInfo's cursor: text, position, colour (CM_HINTSHOW's answer).
    void BuildCellHint(String& HintStr, THintInfo& HintInfo);
    // CM_HINTSHOW: the hint the application is about to show is the cell's (BuildCellHint).
    void CMHintShow(TMessage& Message);
    bool IsOnSizingEdge(TPoint MousePos);
    bool IsHoverFixedCell(Integer ACol, Integer ARow);
    // Ends the fixed cells' sizing-edge and hover marks; the hover cell is repainted plain.
    void ResetFixedCellHighlight();
    void ScreenToCell(TPoint P, Integer& ACol, Integer& ARow);
    void Zoom(Integer Factor);
    // The sum of the zoom steps applied, within -10 .. 10.
    Integer ZoomFactor() const { return FZoomFactor; }
    // Selects the item of a radio-group cell (real column) under a point relative to the cell.
    void HitCellRadio(Integer ACol, Integer ARow, Integer X, Integer Y);
    // Middle-button panning: its directions (ipNone: none), whether it runs and the cursor
    // number showing its direction (8000 still).
    TIntelliPan IntelliPan = ipBoth;
    bool Panning() const { return wheelpan; }
    Integer PanCursorNumber() const { return FPanCursor; }
    void BalloonInit();
    void BalloonDone();
    // WM_NOTIFY (grid/interaction/ext_string_grid_balloons.cpp): the balloon's text request is
    // answered with the text of the cell under the mouse; a balloon closes when the mouse leaves
    // its cell.
    void WMNotify(TMessage& Message);
    void AnswerBalloonText(TMessage& Message);
    void CloseBalloonOffCell(Integer ACol, Integer ARow);
    // Keyboard navigation (grid/interaction/ext_string_grid_keys.cpp): the Tab walk (true when the
    // grid kept the Tab, false when it handed it to its parent), a row appended below the last
    // data row, and whether the current row is the last data row.
    bool TabToNextCell(bool Backward);
    void AutoAppendRow();
    bool IsOnLastRow() const;
    // The cell tests of navigation (grid/interaction/ext_string_grid_navigable.cpp); columns are
    // displayed ones, -1 when no column of the row may be selected.
    Integer FirstNavigableCol() const;
    Integer VisibleFixedRightCols() const;
    bool IsSelectableCell(Integer ACol, Integer ARow);
    Integer FirstSelectableCol(Integer ARow);
    Integer LastSelectableCol(Integer ARow);
    // The update lock beyond Begin/EndUpdate: a level without switching the redraw, all levels
    // dropped at once, and the lock as a property.
    void StartUpdate() { ++FUpdateCount; }
    void ResetUpdate() { FUpdateCount = 0; }
    bool LockUpdate() const { return FUpdateCount != 0; }
    void SetLockUpdate(bool Value);
    // The incremental search text typed so far.
    String IncrSearchText() const { return SearchInc; }
    TCanDeleteRowEvent OnCanDeleteRow;
    TAutoAddEvent OnAutoInsertRow;
    // True: every hint of the application is shown by the mark-up hint window; false: the plain one.
    void SetUseHTMLHints(bool Value);
    // Find and replace: cells as (column, row), (-1, -1) for none; StartCell (-1, -1) starts at
    // the range's beginning (its end when backward), any other cell continues after it.
    TPoint Find(TPoint StartCell, const String& S, TFindParams FindParams);
    // As Find, without scrolling the found row above the floating footer.
    TPoint FindWide(TPoint StartCell, const String& S, TFindParams FindParams);
    TPoint FindFirst(const String& S, TFindParams FindParams);
    TPoint FindNext();
    // Replaces OrigStr by NewStr, in any letter case, in every matching cell; the count of cells.
    Integer Replace(const String& OrigStr, const String& NewStr, TFindParams FindParams);
    // The first row whose sort-column text starts with the key S (compared as given), or -1.
    Integer Search(const String& S);
    bool FindBusy() const { return FFindBusy; }
    TPoint SearchCell() const { return FSearchCell; }
    String SearchCache() const { return FSearchCache; }
    TFindParams LastFindParams() const { return FFindParams; }
    // The column and row of fnFindInPresetCol and fnFindInPresetRow.
    Integer FindCol = 0;
    Integer FindRow = 0;
    TGridCombo* Combobox() { return ComboEditor(); }
    // Made on first use.
    TGridSpin* SpinEdit();
    // The combo item API: every combo cell shares the one combo editor, so the items are set for
    // the cell about to be edited (typically in OnGetEditorProp). The preset index of
    // SetComboSelection holds for every later combo edit until it is set again.
    void ClearComboString();
    void AddComboString(const String& S);
    void AddComboStringObject(const String& S, TObject* AObject);
    bool RemoveComboString(const String& S);
    bool SetComboSelectionString(const String& S);
    void SetComboSelection(Integer Index);
    Integer GetComboCount() const;
    // The items of the cell (through OnGetEditorProp) decide: item Index into the cell, and the
    // index of the cell's text among them (-1 when absent).
    void SetComboIndex(Integer ACol, Integer ARow, Integer Index);
    Integer GetComboIndex(Integer ACol, Integer ARow);
    // The editable combo's length limit, 0 for none.
    Integer MaxComboLength = 0;
    TComboChangeEvent OnComboChange;
    TComboObjectChangeEvent OnComboObjectChange;
    // Reads a date cell's text as the date editor opens (ADate starts as the current date).
    std::function<void(TObject* Sender, const String& Value, TDateTime& ADate)> OnCustomStrToDate;
    TSpinClickEvent OnSpinClick;
    TFloatSpinClickEvent OnFloatSpinClick;
    TDateTimeSpinClickEvent OnDateSpinClick;
    TDateTimeSpinClickEvent OnTimeSpinClick;
    TGridEditBtn* BtnEdit() { return ButtonEditor(); }
    TGridUnitEditBtn* BtnUnitEdit() { return UnitButtonEditor(); }
    TGridButton* Btn() { return CellButton(); }
    TInplaceEdit* NormalEdit();
    TExtRichEdit* RichEdit();
    TGridDateTimePicker* DateAndTimePicker();
    // The editor of edCustom cells, the host's; nullptr: such cells open nothing.
    TEditLink* EditLink = nullptr;
    // The date editor and the rich-text cells' in-place editor, made on first use.
    TGridDatePicker* DatePicker();
    TExtRichEdit* InplaceRichEditor();
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
    // For a pasted field in the wide-text form, instead of the two above: its decoded text.
    TClipboardBeforePasteCellEvent OnClipboardBeforePasteWideCell;
    TClipboardAfterPasteCellEvent OnClipboardAfterPasteWideCell;
    // Around the paste that ends a drag of the selection's resize handle.
    TSelectionResizeEvent OnSelectionResize;
    TSelectionResizeEvent OnSelectionResized;

    // ===== exchange: clipboard, streams, column persistence =====================================
    // The selection (or the save range) as tab and line-break text, with the cell stream and a
    // cell's rich text beside it by Navigation's options; cut empties what it copied.
    void CopySelectionToClipboard();
    void CutSelectionToClipboard();
    void CopyToClipBoard();
    void CutToClipboard();
    // At the selection, then with AllowSmartClipboard the fill of the selection; at the save
    // range's top-left cell without a fill.
    void PasteSelectionFromClipboard();
    void PasteFromClipboard();
    // The clipboard text of the selection, without the clipboard.
    String GetSelectionAsText();
    // Tab and line-break text stored raw from the selection's top-left cell, the grid growing to
    // hold it; no permission, event or undo.
    void SetSelectionAsText(const String& Value);
    void SaveToStream(TStream* Stream);
    void LoadFromStream(TStream* Stream);
    void SaveRectToBinStream(const TGridRect& R, TStream* Stream);
    void SaveColSizes();
    void LoadColSizes();
    virtual void SaveColPositions();
    virtual void LoadColPositions();
    String ColumnStatesToString();
    void StringToColumnStates(const String& Value);
    void SaveVisualProps(const String& FileName);
    void LoadVisualProps(const String& FileName);
    // Key is the INI file's name (print settings never go to the registry).
    void SavePrintSettings(const String& Key, const String& Section);
    void LoadPrintSettings(const String& Key, const String& Section);
    void CellToRich(Integer ACol, Integer ARow, TExtRichEdit* Richeditor);
    // The rich edit's document as cell text (empty while the grid is destroyed), into a cell.
    String RichToString(TExtRichEdit* Richeditor);
    void RichToCell(Integer ACol, Integer ARow, TExtRichEdit* Richeditor);
    // Renders the rich-text cell into ARect of any canvas through the hidden rich edit.
    void DrawRichCell(Integer ACol, Integer ARow, const TRect& ARect, TCanvas& ACanvas);
    // A selected rich-text cell keeps its document's own colours.
    bool SelectionRTFKeep = false;

    // ===== published settings that only store ==================================================
    // Defaults as a new grid has them; the grid reads them where it acts.
    bool IntegralHeight = false;
    TFormBorderStyle BorderStyle = bsSingle;
    TEditorType DefaultEditor = edNormal;
    TColor DisabledFontColor = TColor(0xC0C0C0);
    bool UseDisabledFont = true;
    TColor SelectionMirrorColor = clNone;
    TColor SelectionMirrorColorTo = clNone;
    TColor SelectionRectangleColor = TColor(0x000000);
    bool ShowSelection = true;
    TColor HintColor = clInfoBk;
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
    // The header drop-down shows ticks (a check list) rather than a single choice.
    bool FilterDropDownCheck = false;
    // The row whose cells show the filter glyph.
    Integer FilterDropDownRow = 0;
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
    // Only the mark-up anchor under the pointer is underlined.
    bool URLUnderlineOnHover = false;
    bool AutoNumAlign = false;
    bool ScrollSynch = false;
    TScrollHintType ScrollHints = shNone;
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
    // Named pictures for the mark-up's <IMG SRC="name">: cells, the footer and hints draw from it;
    // forgotten when it is freed.
    TPictureContainer* PictureContainer() const { return m_pictureContainer; }
    void SetPictureContainer(TPictureContainer* Value);
    TExtStringGridCheck* CellChecker = nullptr;
    TColor ColorsDefault = clNone;

    // ===== events ===============================================================================
    TGridHintEvent OnGridHint;
    TGridHintEvent OnGridWideHint;
    // The balloon of the cell under the mouse may change its title, text and icon here.
    TCellBalloonEvent OnCellBalloon;
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
    TCustomFilterEvent OnCustomFilter;
    TGridProgressEvent OnFilterProgress;
    // Long saves and loads of cells: the percentage done, told only when it changes.
    TGridProgressEvent OnFileProgress;
    TGetColumnFilterEvent OnGetColumnFilter;
    TFilterSelectEvent OnFilterSelect;
    TFilterCheckEvent OnFilterCheck;
    TGroupCalcEvent OnGroupCalc;
    TNotifyEvent OnPainted;
    TColumnSizeEvent OnColumnSize;
    TRowSizeEvent OnRowSize;
    TUpdateColumnSizeEvent OnUpdateColumnSize;
    TMovedEvent OnColumnMove;
    TMovedEvent OnRowMove;
    TCanAddRowEvent OnCanAddRow;
    TCanInsertRowEvent OnCanInsertRow;
    TRatingChangeEvent OnRatingChange;
    TCanClickCellEvent OnCanClickCell;
    TCheckBoxClickEvent OnCheckBoxClick;
    TRadioClickEvent OnRadioClick;
    TButtonClickEvent OnRadioButtonClick;
    TAnchorClickEvent OnAnchorClick;
    TAnchorEvent OnAnchorEnter;
    TAnchorEvent OnAnchorExit;
    TAnchorHintEvent OnAnchorHint;
    TControlClickEvent OnControlClick;
    TControlComboListEvent OnControlComboList;
    TControlComboSelectEvent OnControlComboSelect;
    TControlClickEvent OnControlEditDone;
    TNodeAllowEvent OnBeforeExpandNode;
    TNodeAllowEvent OnBeforeContractNode;
    TNodeEvent OnExpandNode;
    TNodeEvent OnContractNode;
    // A block of cells takes the focus beyond the grid (a drag, a move) and gives it back.
    TNotifyEvent OnStartBlockFocus;
    TNotifyEvent OnEndBlockFocus;
    TCheckBoxChangeEvent OnCheckBoxChange;
    TColorSelectEvent OnColorSelect;
    TImageSelectEvent OnImageSelect;
    TSearchEditChangeEvent OnSearchEditChange;
    TNotifyEvent OnSearchFooterClose;
    TNotifyEvent OnCreatedSearchFooter;
    TNotifyEvent OnCreatedFloatingFooter;
    TFooterPaintEvent OnPaintFooter;
    TUnitChangedEvent OnUnitChanged;
    TScrollHintEvent OnScrollHint;
    TDragScrollEvent OnDragScroll;
    TEndSizeEvent OnEndColumnSize;
    TEndSizeEvent OnEndRowSize;
    TScrollCellEvent OnScrollCell;
    TNotifyEvent OnRichEditSelectionChange;
    // The mouse's release, double click, right click and the sizing hint.
    TCanSortEvent OnCanSort;
    TClickSortEvent OnClickSort;
    TCheckBoxChangeEvent OnCheckBoxMouseUp;
    TRadioClickEvent OnRadioMouseUp;
    TClickCellEvent OnRightClickCell;
    TCanShowFixedDropDownEvent OnCanShowFixedDropDown;
    // The menu of a header's drop-down button (not owned; its Tag is set to the column before it
    // drops down); the handler may replace it and keep the header lit after it closes.
    TPopupMenu* FixedDropDownMenu = nullptr;
    TFixedDropDownClickEvent OnFixedDropDownClick;
    TOleDragEvent OnOleDrag;
    TClickCellEvent OnOleDragStart;
    TOleDragStopEvent OnOleDragStop;
    TColumnSizingEvent OnColumnSizing;
    TColumnSizingEvent OnRowSizing;
    // Cell hints: every normal cell's text, a text cut by its cell, the size while sizing.
    bool HintShowCells = false;
    bool HintShowLargeText = false;
    bool HintShowSizing = false;
    // How long the last click sort took, in milliseconds.
    Cardinal SortTime = 0;

    // ===== unit routines ========================================================================
    // The file version's high 32 bits (major above, minor below), -1 without one.
    static Integer ReadFileVersion(const String& FileName);
    // The grid unit's start-up and shut-down: each runs once however often it is called.
    static void StartUp();
    static void ShutDown();
    // The grid whose focus frame is on screen, moved to its cell whenever a window moves; none
    // is nullptr. A grid clears it when it hides its frame or is destroyed.
    static TExtStringGrid* FocusFrameGrid();
    static void SetFocusFrameGrid(TExtStringGrid* Grid);
    // The date and time editors need common controls 4.70 or later (version as ReadFileVersion).
    static bool SupportsDateEditors(Integer ComCtlVersion);
    static bool DateEditorsAvailable();
    // Registered at start-up: the cell-block clipboard format and the edit-done message.
    static UINT CellClipboardFormat();
    static UINT EditDoneMessage();

protected:
    // ===== life cycle ===========================================================================
    void CreateWnd() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WndProc(TMessage& Message) override;
    // The scroll messages; everything else goes to the base grid.
    void Dispatch(TMessage& Message) override;
    LRESULT DialogCode() const override;
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
    // Whether GetCheckTrue and GetCheckFalse may answer other than the grid's CheckTrue and
    // CheckFalse: an event is assigned, or (in a class that overrides them) always. Where not,
    // the state changes read the two fields without asking.
    virtual bool CheckTextsPerCell() const { return OnGetCheckTrue || OnGetCheckFalse; }
    virtual void DoGetCellCursor(Integer ACol, Integer ARow, Integer X, Integer Y);
    virtual void DoSearchFooterAction(const String& Value, Integer ACol, Integer ARow, TSearchAction SearchAction);
    virtual void DoButtonClick(Integer ACol, Integer ARow);
    virtual void DoExpandClick(Integer ACol, Integer ARow, bool Expanded);
    virtual void DoComboCloseUp(Integer ARow, Integer ACol);
    virtual void DoComboDropDown(Integer ARow, Integer ACol);
    virtual void DoCanAddRow(bool& CanAdd);
    virtual void DoCanInsertRow(Integer ARow, bool& CanInsert);
    virtual bool DoRatingChange(Integer ACol, Integer ARow, double& NewRate);
    virtual void DoCheckBoxChange(Integer ACol, Integer ARow, bool State);
    virtual void DoCheckBoxClick(Integer ACol, Integer ARow, bool State);
    virtual void DoColorSelect(Integer ACol, Integer ARow, TColor AColor);
    virtual bool ChangeCheckBoxState(Integer ACol, Integer ARow, bool Value);
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
    // An override may answer a record for a cell whose own slot holds none (a column's virtual
    // check boxes); a record stored in the slot stays the cell's answer, as the whole-column
    // check walks read its kind from the cell's properties.
    virtual TCellGraphic* GetCellGraphic(Integer ACol, Integer ARow);
    virtual TCellType GetCellType(Integer ACol, Integer ARow);
    // The room (width, height) the cell's graphic takes beside its text; Reserve is height kept
    // free from a picture's area.
    virtual TPoint CalcCellGraphicSize(Integer ACol, Integer ARow, Integer Reserve);
    virtual TPoint CalcPrintGraphicSize(Integer ACol, Integer ARow, Integer AvailWidth, Integer AvailHeight,
                                        double Scale);
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
    // While a sort runs: the row holding the current row's data; the last plain sort's direction.
    Integer SortRow = -1;
    Integer SortDir = 0;
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
    // The footer row's calculated cells (column ACol, -1 for every column, hidden ones too): each
    // column whose last-row cell carries a calculation type gets its value; the data rows include
    // the hidden ones with CalculateHiddenRows. FooterEvent is the floating footer's OnCalcFooter,
    // asked when the grid's own is not assigned.
    void CalcFooterCells(Integer ACol, bool CalculateHiddenRows, const TCalcFooterEvent& FooterEvent);
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
    void ColumnMoved(Integer FromIndex, Integer ToIndex) override;
    void RowMoved(Integer FromIndex, Integer ToIndex) override;
    void SizeChanged(Integer OldColCount, Integer OldRowCount) override;
    void RemoveRowRange(Integer ARow, Integer ACount, bool Flag);
    void InsertRowRange(Integer ARow, Integer ACount, bool Flag);

    // ===== interaction hooks ====================================================================
    bool SelectCell(Integer ACol, Integer ARow) override;
    // A piece of a merged cell whose base cell is the current cell or the anchor stands for that
    // base cell, where the press put them (grid/interaction/ext_string_grid_press.cpp).
    TGridCoord PointedCell(Integer ACol, Integer ARow) const override;
    TInplaceEdit* CreateEditor() override;
    bool CanEditShow() const override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept) override;
    // The mouse's release, double click and right click (grid/interaction/ext_string_grid_mouse_*.cpp).
    void WMLButtonDblClk(TMessage& Message);
    void WMRButtonDown(TMessage& Message);
    void WMRButtonUp(TMessage& Message);
    void ClickToSort(Integer ACol, Integer ARow, Integer X, Integer Y, TShiftState Shift);
    void SortByClick(Integer RealCol, TShiftState Shift);
    void SortIndexedByClick(Integer RealCol, bool Modifier);
    void SortSingleByClick(Integer RealCol);
    bool AutoSizeFromBorder(Integer ACol);
    void RightClickSelect(Integer ACol, Integer ARow, TPoint At, TShiftState Shift);
    void RightClickMarks(Integer ARow, bool Ctrl);
    bool EnhancedMoveUnderWay() const;
    // The release of a held cell button: OnButtonClick (and an expand button's flip) only when
    // released on it; false when the release ends there.
    bool ReleaseCellButton(Integer ACol, Integer ARow, Integer X, Integer Y);
    // The window that follows the mouse while a column or row moves, and its end.
    void EndMoveVisuals();
    void FollowMove(Integer X, Integer Y, Integer ACol, Integer ARow);
    void PlaceMoveArrows(TArrowWindow* First, TArrowWindow* Second, Integer Index, bool Columns);
    void ShowSizing(Integer X, Integer Y);
    void ShowSizingHint(bool Columns, Integer Index, Integer Size);
    void ReleaseSizingHint();
    // Fixed columns and rows sized by their edge in any row (column)
    // (grid/interaction/ext_string_grid_fixed_sizing.cpp).
    void NoteFixedSizingEdges(Integer X, Integer Y, bool ValidCell);
    bool PressFixedSizing(Integer X, Integer Y);
    void FollowFixedSizing(Integer X, Integer Y);
    void ReleaseFixedSizing(Integer X, Integer Y);
    Integer FixedSizingSize(Integer X, Integer Y) const;
    String CellHintText(const String& Text, bool Raw) const;
    virtual bool CalcSizingState(Integer X, Integer Y);
    virtual void F2KeyHook() {}
    virtual void WriteEditedCell(const String& Value);
    virtual void AdjustSelectAllRect(TGridRect& R);
    virtual void RestoreCellCache();
    // FromUser: asks CanEditCell first unless ControlLook.CheckAlwaysActive.
    virtual bool ToggleCellCheckBox(Integer ACol, Integer ARow, bool FromUser);
    virtual bool ToggleCellRadioButton(Integer ACol, Integer ARow, bool FromUser);
    virtual void WheelRowMoved(Integer Delta, bool& Handled);
    virtual void CellSelectorClick(Integer ACol, Integer ARow);
    virtual bool EditorFormulaMode();
    virtual void AdjustClickSelection(TGridRect& R);
    virtual void EditorKeyDownHook(Word& Key, TShiftState Shift);
    // The text editor's key, after its own line and look-up steps and before the edit control
    // acts on it: a descendant may change it (0 swallows it).
    virtual void EditorKeyHook(Word& Key, TShiftState Shift);
    virtual bool EditorWantsTab();
    virtual void GoToFirstRow();
    virtual bool UseFormattedClipboard();
    virtual void ApplyFilterListChoice(Integer ItemIndex);
    virtual void ApplyFilterCheckList(Integer ItemIndex);
    // The mouse release's step for the filter glyph: a release on the glyph of a column with filter
    // values opens that column's list (true); any other release closes the single-choice list.
    bool FilterDropDownMouseUp(Integer X, Integer Y);
    void CreateFilterLists();
    void OpenFilterList(Integer ACol, Integer ARow, Integer RealCol);
    // Empty hooks around a cell-stream paste and a fill's single-value step.
    virtual void PasteStarting();
    virtual void PasteFinished();
    // With ShowModified the rows of R are marked modified; the source's top-left cell ((-1, -1)
    // for cells from another grid) and the operation are for descendants.
    virtual void MarkPastedRowsModified(TPoint SourceTopLeft, const TGridRect& R, TClipOperation Operation);
    // The clipboard's steps (grid/exchange/): the text of a range, the formats put, the selection
    // widened over merged cells, the paste dispatcher and the text parser (counts of fields met;
    // Cols and Rows receive what was pasted), the fill after a selection paste.
    String SelectionToText(const TGridRect& R, bool Disjunct);
    String ClipboardCellText(Integer ACol, Integer ARow);
    void CopyToClipboardFormats(const TGridRect& R, bool Disjunct);
    void PutRtfOnClipboard(Integer ACol, Integer ARow);
    void PutCellsOnClipboard(const TGridRect& R);
    void NormalizeMergedSelection();
    void ClearCutCells(const TGridRect& R, bool Properties);
    Integer PasteClipboardAt(Integer ACol, Integer ARow, Integer& Cols, Integer& Rows);
    Integer PasteTextAt(Integer ACol, Integer ARow, Integer& Cols, Integer& Rows, const String& Text);
    bool PasteCellAllowed(Integer ACol, Integer ARow, String& Value, bool Wide);
    void PastedCell(Integer ACol, Integer ARow, const String& Value, bool Wide);
    bool ClipboardMayWrite(Integer ACol, Integer ARow);
    void SmartFill(const TGridRect& S, Integer Count, Integer Cols, Integer Rows);
    void FillSingleValue(const TGridRect& S);
    bool FillSeries(const TGridRect& S, Integer Count);
    void FillPattern(const TGridRect& S, Integer Count);
    void RepeatPaste(const TGridRect& S, Integer Cols, Integer Rows);
    bool WriteFilledCell(Integer ACol, Integer ARow, String Value, bool Events);
    // Every cell a paste writes, row it inserts and count it grows goes through these, so that a
    // paste ended by an error is taken back whole (PasteJournal: the paste under way).
    void PasteWrite(Integer ACol, Integer ARow, const String& Value);
    void PasteInsertRow(Integer ARow);
    void PasteGrow(Integer Cols, Integer Rows);
    TPasteJournal* FPasteJournal = nullptr;
    // The last text paste ended with a line break: its count holds one field more than cells.
    bool FPasteTrailingBreak = false;
    // The press on the selection's resize handle and the release that pastes into the new one.
    bool OnSelectionResizer(Integer X, Integer Y) const;
    void StartSelectionResize(TMessage& Message, const TGridRect& Before, bool FromHandle);
    void ReleaseSelectionResizer();
    TClipOperation FClipLastOp = coCut;
    bool FPasteAll = false;
    bool FMouseResize = false;
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
    // The combo, spin and check-box families of those two (grid/interaction/).
    void OpenComboEditor(Integer ACol, Integer ARow, const TRect& R, TColor Colour);
    void OpenSpinEditor(Integer ACol, Integer ARow, const TRect& R, TColor Colour);
    void OpenCheckEditor(Integer ACol, Integer ARow, const TRect& R);
    void CloseComboSpinCheck(Integer ARealCol, Integer ARow);
    TColor EditorColour(Integer ACol, Integer ARow);
    // The combo editor's change reports, and its notifications relayed by the grid.
    void ReportComboChange(Integer ACol, Integer ARow, Integer AIndex, const String& AText);
    void WMComboCommand(TMessage& Message);
    // Set by an editor's Escape: the commit stores the text the cell had when the edit began.
    bool FEditCancelled = false;
    // The mark-up control being edited, and the step to the next edit-type control of a cell's
    // mark-up after the one with ID (the first for an empty ID); the grid takes the focus when
    // there is none.
    String FCtrlID;
    virtual void ShowNextControlEditor(Integer ACol, Integer ARow, const String& ID);
    // The inline editor of one mark-up element over its rectangle (EDIT, PASSWORD, MASK, COMBO;
    // other types open nothing), its value written back into the tag, and the combo's choice.
    void ShowCellControlEditor(const String& Text, const String& CtrlType, const String& CtrlID,
                               const String& CtrlValue, const TRect& CtrlRect, Integer ACol, Integer ARealCol,
                               Integer ARow);
    void StoreCellControlValue();
    void CellControlComboSelect(TObject* Sender);
    // Where a cell's mark-up is laid out for its controls: inside the offsets and a check box.
    TRect MarkupControlArea(Integer ACol, Integer ARealCol, Integer ARow);
    // The date, time, button-edit, unit, button and rich-text editors: made with the grid or on
    // first use, opened over a cell and committed; false for a type of another family.
    void FreeButtonEditors();
    bool OpenDateButtonOrRichEditor(Integer ACol, Integer ARow);
    bool CommitDateButtonOrRichEditor();
    void OpenEditBtn(Integer ACol, Integer ARow, const TRect& Cell, TColor Colour);
    void OpenUnitEditBtn(Integer ACol, Integer ARow, const TRect& Cell, TColor Colour);
    void OpenDatePicker(Integer ACol, Integer ARow, const TRect& Cell, TColor Colour);
    void OpenDateTimePicker(Integer ACol, Integer ARow, const TRect& Cell, TColor Colour);
    void OpenGridButton(Integer ACol, Integer ARow, const TRect& Cell);
    void OpenRichEditor(Integer ACol, Integer ARow, const TRect& Cell, TColor Colour);
    // The character that opened the edit goes to the editor, which becomes EditCtrl.
    void PostStartChar(TWinControl& Editor);
    void CommitDatePicker();
    void OpenEditLink(Integer ACol, Integer ARow, const TRect& Cell, TColor Colour, TFont& Font);
    void CommitEditLink();
    TForm* MakeLinkPopupForm(TPoint At);
    void CommitDateTimePicker();
    void CommitRichEditor();
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
    // The pointer's messages: the left press on cells and their controls, the wheel, panning.
    void WMLButtonDown(TMessage& Message);
    void WMWheel(TMessage& Message);
    void WMMButtonDown(TMessage& Message);
    bool PanningMessage(TMessage& Message);
    // The press's steps (grid/interaction/ext_string_grid_press.cpp).
    bool PressNodeGlyph(Integer ACol, Integer ARow, Integer X, Integer Y, const TRect& R);
    bool PressCellGraphic(Integer ACol, Integer ARow, Integer X, Integer Y, const TRect& R, TMessage& Message);
    bool PressMarkup(Integer PressCol, Integer PressRow, Integer ACol, Integer ARow, Integer X, Integer Y);
    // The mark-up of a cell hit-tested at a point as the cell lays it out; no anchor when the
    // point is on none (grid/interaction/ext_string_grid_anchor_hover.cpp).
    TMarkupDrawResult MarkupHitAt(Integer ACol, Integer ARow, Integer X, Integer Y, const String& Text);
    // The pointer over anchors: the hand, the hover underline, the enter and exit events, and
    // the hint text of an anchor (its title or itself, as OnAnchorHint leaves it).
    void AnchorMove(Integer ACol, Integer ARow, Integer X, Integer Y);
    void SetHoverLink(TPoint Cell, Integer Link);
    void EnterAnchor(TPoint Cell, Integer Link, const String& Anchor);
    void LeaveAnchor();
    String AnchorHintText(Integer ARow, Integer ACol, const TMarkupDrawResult& Hit);
    void AnchorCellHint(TPoint Base, TPoint Cursor, String& HintStr, TPoint& Pos);
    // The mark-up cell whose anchor Link (from 1) is under the pointer and drawn underlined;
    // the anchor the pointer is over (its cell, number and value) and the hint last given for it.
    TPoint FHoverCell{-1, -1};
    Integer FHoverlink = -1;
    // The cell whose button or expand glyph is under the pointer, drawn hot; (-1, -1) none.
    TPoint FHoverButton{-1, -1};
    void HoverButtonMove(Integer ACol, Integer ARow, Integer X, Integer Y);
    // The cell under the pointer in the list-view look, drawn hot when it is a fixed cell.
    TPoint FHotFixedCell{-1, -1};
    void HotFixedCellMove(Integer ACol, Integer ARow);
    void RepaintHotFixedCell();
    void RepaintListViewHeaders();
    TPoint FAnchorCell{-1, -1};
    Integer FAnchorLink = -1;
    String FAnchor;
    String FLastAnchorHint;
    void FollowAnchor(Integer ARow, Integer ACol, const String& Anchor);
    bool PressControl(Integer ACol, Integer ARealCol, Integer ARow, const TMarkupDrawResult& Hit);
    bool PressCheckBox(Integer ACol, Integer ARow, Integer X, Integer Y);
    void PressCell(Integer ACol, Integer ARow, Integer X, Integer Y, const TRect& R, TMessage& Message);
    // Whole rows and columns by their headers, and the disjunct row and column marks
    // (grid/interaction/ext_string_grid_header_select.cpp).
    bool PressDisjunct(Integer ACol, Integer ARow, TShiftState Shift, const TGridRect& Before, TMessage& Message);
    void PressHeaderSelect(Integer ACol, Integer ARow, TShiftState Shift);
    void DragSelectHeaders(Integer ACol, Integer ARow, Integer Y);
    void NoteSelectMode(Integer ACol, Integer ARow, Integer X, Integer Y);
    void ReleaseDisjunct(Integer ACol, Integer ARow);
    // The hover looks under the pointer and their end when it leaves (ext_string_grid_hover.cpp).
    void HoverMove(Integer ACol, Integer ARow);
    void CMMouseLeave(TMessage& Message);
    // Fixed cells under the mouse: as buttons, the header's drop-down button, the fixed-cell
    // editor on a click (ext_string_grid_fixed_cells.cpp).
    void PressFixedCellButton(Integer ACol, Integer ARow, Integer X, bool FixedPress);
    void ReleaseFixedCellButton();
    void DrawPushedFixedCellEdge(Cardinal Edge);
    // Draws at once on the window's own pixels (the client area, or the whole window with its
    // edge), between paints: the canvas of the grid draws only inside a paint.
    void DrawOnWindow(bool WholeWindow, const std::function<void(TCanvas&)>& Draw);
    bool PressFixedDropDown(Integer ACol, Integer ARow, Integer X);
    bool ClickFixedCellEdit(TMouseButton Button, Integer ACol, Integer ARow, Integer X, Integer Y);
    void DblClickFixedCellEdit(Integer ACol, Integer ARow);
    void ShowFixedCellCombo(Integer ACol, Integer ARow);
    // The start of a drag of cells to another window (ext_string_grid_cell_drag.cpp). The drag
    // itself is the data exchange's: Run*Drag answer whether it was cancelled and the effect.
    struct TCellDragResult {
        bool Cancelled = true;
        Integer Effect = 0;
    };
    bool PressSelectionForDrag(Integer ACol, Integer ARow, Integer X, Integer Y, const TRect& R);
    void StartCellDrag(Integer ACol, Integer ARow, Integer X, Integer Y);
    void RemoveDraggedCells();
    void ReleaseSelectionClick(Integer ACol, Integer ARow);
    virtual TCellDragResult RunCellDrag(const String& Text, const String& RichText);
    virtual TCellDragResult RunColumnDrag(Integer RealCol);
    // The wheel's steps and panning's (grid/interaction/ext_string_grid_wheel.cpp).
    void WheelMoveRow(Integer Target);
    bool BaseWheelStep(bool Down, TShiftState Shift, TPoint MousePos);
    void ReportSelectionChange(const TGridRect& Before);
    void PanStep();
    void StopPanning();
    void DrawPanIndicator();
    void ErasePanIndicator();
    bool CurrentCellInView() const;
    bool CanEditCurrentCell();
    // The keys (ext_string_grid_keys.cpp): the WM_KEYDOWN handler and its steps.
    void WMKeyDown(TMessage& Message);
    bool ScrollOnlyKey(Word Key);
    bool EditStartKey(TMessage& Message, Word Key, TShiftState Shift);
    void ControlCellKey(Word Key);
    bool HomeEndKey(TMessage& Message, Word Key, TShiftState Shift);
    void HomeEndRowSelection(Integer StartRow, TShiftState Shift);
    bool RowSelectScrollKey(TMessage& Message, Word Key, TShiftState Shift);
    bool SkipFixedCellsKey(TMessage& Message, Word Key, TShiftState Shift);
    bool SearchFooterKeyBefore(TMessage& Message, Word Key, TShiftState Shift, bool& Locked);
    void SearchFooterKeyAfter(Word Key, Integer OldTopRow, bool Locked);
    bool ClipboardKey(Word Key, TShiftState Shift);
    void InsertRowKey();
    void DeleteRowKey();
    void SelectAllKey();
    void DisjunctSelectionKey(Word Key, TShiftState Shift);
    void ReportMovedSelection();
    void FireKeyDown(Word Key, TShiftState Shift);
    bool TabWalk(bool Backward);
    void TabBackwardInRow();
    bool TabForwardInRow();
    bool TabEndOfWalk();
    bool TabPastLastCell();
    // The key-down override's steps.
    void MoveSelectedRows(Word Key);
    void WrapAround(Word Key);
    void SkipDisabledRow(Word Key, Integer StartRow);
    // The window and component messages (ext_string_grid_window_messages.cpp).
    void WMTimer(TMessage& Message);
    void BlinkCells();
    void HoverCellUnderMouse();
    void WMPaint(TMessage& Message) override;
    void WMEraseBkgnd(TMessage& Message) override;
    void WMSize(TMessage& Message);
    bool StretchOnSize();
    void CMEnabledChanged(TMessage& Message);
    void CMColorChanged(TMessage& Message);
    void CMDialogChar(TMessage& Message);
    void CMCursorChanged(TMessage& Message);
    // The cell controls' placing (grid/interaction/ext_string_grid_cell_controls.cpp).
    bool CellControlInView(const TControlItem& Item) const;
    void PlaceCellControl(const TControlItem& Item);
    void PlaceCellScrollBar();
    // The disjunct cell selection's entry of a cell.
    void SelectDisjunctCell(Integer ACol, Integer ARow, bool Selected);
    void ChooseDisjunctCell(Integer BaseCol, Integer BaseRow, bool Toggle);
    void AddSelectionToDisjunctCells(const TGridRect& S, Integer BaseCol, Integer BaseRow);
    void RepaintDisjunctCells();
    // A release's disjunct cell choice; false when OnSelectCell refused the cell.
    bool DisjunctCellClick(Integer ACol, Integer ARow, TShiftState Shift);
    // The release's steps before the base grid's; false when the release ends there.
    bool ReleaseSteps(TMouseButton Button, TShiftState Shift, Integer X, Integer Y, const TGridRect& Taken);
    void InheritedMouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
    // The selection when the last button went down, which the release reports against.
    TGridRect FPressSelection{-1, -1, -1, -1};

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
    // Moves the cells and heights of hidden rows out of the display and back, the display
    // closing up and opening once per call.
    void TakeRowsOut(const std::vector<THiddenRow>& Rows);
    void PutRowsBack(std::vector<TShownRow> Rows);
    void MoveDisplayedRow(Integer From, Integer To);
    void CellControlsAfterRowChange();
    void CloseEditorForLayoutChange();
    bool SavesFixedCols() const;
    bool SavesFixedRows() const;
    // The fixed rows when the last filter was applied, given back when a level is taken back
    // (-1: none applied yet); the text NarrowDown narrowed by last.
    Integer FFilterFixedRows = -1;
    String FNarrowDownText;
    // The text a condition tests in a displayed row, trimmed and decoded.
    String FilterCellText(const TFilterData& Condition, Integer ARow);
    // Whether FilterList's entry was collected from the column (matched literally).
    bool IsCollectedFilterEntry(Integer Index) const;
    void SetNarrowingCondition(const String& Text, Integer AColumn);
    void ShowFilterLevelAgain();
    void RecalcFooter();
    // The node of a displayed row (nullptr when it is none), the node level of its column 0,
    // and the displayed row that ends its block.
    TCellGraphic* NodeGraphic(Integer ARow) const;
    Integer RowNodeLevel(Integer ARow) const;
    Integer NodeBlockEnd(Integer ARow) const;
    // Inserts one displayed row, the hidden rows at or after its place moving down with it.
    void InsertDisplayedRowShiftingHidden(Integer ADisplRow);
    // A node above a row inserted (removed) in its block grows (shrinks) by it.
    void GrowNodeForChild(Integer ANode);
    void ShrinkNodeForChild(Integer ANode);
    // Moves every cell control to the cell Remap gives for its column and row, then places them.
    void RemapCellControls(const std::function<void(Integer& X, Integer& Y)>& Remap);
    Integer FNumNodes = 0;
    bool FGrouped = false;
    Integer FGroupColumn = -1;
    // The grouped column's width, caption and footer text, kept from Group to UnGroup.
    Integer FGroupWidth = 0;
    String FGroupCaption;
    String FGroupFooter;
    // The column SubGroup took out (-1: none), kept apart so UnGroup still restores the group column.
    Integer FSubGroupColumn = -1;
    // Whether SubGroup added its summary row (the last row above the footers), for SubUnGroup.
    bool FSubGroupSummary = false;
    // Grouping's steps (ext_string_grid_grouping.cpp).
    void CloseGroup(Integer& HeaderRow, Integer& ARow);
    void ApplyGroupRowLook(Integer ARow, TColor Color, TColor ColorTo, TColor FontColor);
    void ApplyGroupCellLook(Integer ACol, Integer ARow, TColor Color, TColor ColorTo, TColor FontColor);
    void ResetGroupRowLook(Integer ARow, TColor Color, TColor ColorTo);
    void MergeGroupRows();
    void RemoveGroupRow(Integer ARow, bool Merged, TColor Color, TColor ColorTo);
    // After Group: a shown search panel is docked and laid out again for the grid's new client area.
    void RelayoutSearchPanel();
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
    TPoint FClipTopLeft{0, 0};
    TPoint FLastHintPos{-1, -1};
    Integer FComboIdx = -1;
    // What the pointer is over or doing, as the mouse handling notes it: the cell selector, a
    // fixed column's (fixed row's) sizing edge under the pointer, and such a sizing under way.
    bool FCellSelectorMode = false;
    bool FSizeFixed = false;
    bool FSizingFixed = false;
    bool FSizeFixedR = false;
    bool FSizingFixedR = false;
    // The fixed column (row) being sized, where its sizing line stands, and how far from its
    // edge the press took it, so that a press let go where it was leaves the size alone.
    Integer FSizingFixedCol = -1;
    Integer FSizingFixedRow = -1;
    Integer FSizeFixedX = 0;
    Integer FSizeFixedY = 0;
    Integer FSizeFixedOfs = 0;
    // The mouse leaving the grid keeps the header's hover look (its drop-down menu is open).
    bool FNoMouseLeave = false;
    // The next cursor change is the mouse-move handling's own: it keeps the header select mode.
    bool Invokedchange = false;
    bool FEditChange = false;
    bool FEditing = false;
    bool FEditDisable = false;
    bool FSelChange = false;
    bool FSelHidden = false;
    // The anchor (TopLeft) and current cell (BottomRight) HideSelection took away.
    TGridRect FHiddenSelection{};
    // A press on a data row's check box under HotmailRowSelect, its mark flipped already: the row
    // becomes the selection; when its mark went off nothing stays selected.
    void SelectCheckedRow(Integer ARow);
    bool FCtrlDown = false;
    bool FMouseDown = false;
    bool FMouseDownMove = false;
    bool FDropDownDown = false;
    bool FNoAutoAdvance = false;
    bool LButFlg = false;
    bool ColSizeFlg = false;
    // A column or row moved during the current release; the last double click auto-sized a column.
    bool ColMoveFlg = false;
    bool FDblClk = false;
    // The press's point, which the release's click sort finds its cell from again.
    Integer Clickposx = 0;
    Integer Clickposy = 0;
    // The column or row an enhanced move drags, where in its header cell it was taken, and the
    // drag image following the mouse.
    Integer Movecell = -1;
    Integer MoveOfsX = 0;
    Integer MoveOfsY = 0;
    TForm* MoveForm = nullptr;
    // The hint of the size while a fixed column or row is sized.
    THintWindow* FSizingHintWnd = nullptr;
    // The selection at the start of the grid's own cell drag, and where a drop on this same grid
    // wrote the cells (Left -1: the drop went elsewhere), which the drop side records.
    TGridRect FDropSelection{};
    TGridRect FDroppedBlock{-1, -1, -1, -1};
    // After a move the dragged cells are emptied, except those a drop on this grid wrote.
    void ClearDraggedCells();
    // A synchronised grid follows this grid's move and must not move back.
    bool FSyncedMove = false;
    TEditorType EditControl = edNormal;
    String FNewCellText;
    String FCellCache;
    // The last find run: its parameters, search text as compared, and match.
    TFindParams FFindParams = 0;
    String FSearchCache;
    TPoint FSearchCell{-1, -1};
    bool FFindBusy = false;
    TPoint RunFind(TPoint StartCell, const String& S, TFindParams FindParams);
    TGridRect FindRange(TFindParams FindParams) const;
    bool FindCellMatches(Integer ACol, Integer ARow, TFindParams FindParams);
    void GotoFoundCell(TPoint Cell, TFindParams FindParams);
    void KeepFoundRowAboveFooter();
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
    // An editor link's pop-up gave the focus back: that one focus gain is not the user's.
    bool InvokedFocusChange = false;
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
    // The keys' state: the cell before the last key, the selection before it (or as reported
    // since), timer ticks since the last search key, the depth of a Tab walk, the guard of the
    // size handler's scroll-bar step.
    TPoint FLastKeyCell{-1, -1};
    TGridRect FMoveSelection;
    Integer SearchTics = 0;
    Integer FTabVisits = 0;
    bool FDisableSize = false;
    TCursor FLoadedCursor = crDefault;
    // Wheel: the message and the lines per notch chosen at CreateWnd.
    Integer wheelmsg = 0;
    Integer wheelscrl = 0;
    bool wheelpan = false;
    TPoint wheelpanpos{0, 0};
    TCursor prevcurs = crDefault;
    Integer FPanCursor = 8000;
    static constexpr uintptr_t PanTimerIdentifier = 999;
    // The press: the state the move and release handling continue from.
    bool FDoOnClick = false;
    bool FMouseKeepDown = false;
    bool FSelectionClick = false;
    bool FCtrlEditing = false;
    TPoint FCtrlXY{-1, -1};
    String FCtrlType;
    // Where a drag over the row (column) headers began (-1: none), and a Ctrl press on a marked
    // row or column, which the release unmarks.
    Integer FMouseSelectStart = -1;
    bool FDeselectState = false;
    // A fixed cell pressed as a button, drawn sunken until the release; the fixed cell the
    // fixed-cell editor edits.
    bool FFixedCellPushed = false;
    TRect FPushedFixedCell{};
    Integer FFixedColEdit = -1;
    Integer FFixedRowEdit = -1;
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
    // The floating footer's settings and panel reach into the grid's footer row.
    friend class TFloatingFooter;
    friend class TFooterPanel;
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
    // The accessors the editing paths go through: each makes its editor on first use.
    TGridCombo* ComboEditor();
    TGridTransEdit* FixedCellEdit();
    TGridTransCombo* FixedCellCombo();
    TGridCheckBox* CheckEditor();
    TControlEdit* MarkupEdit();
    TControlCombo* MarkupCombo();
    TGridEditBtn* ButtonEditor();
    TGridUnitEditBtn* UnitButtonEditor();
    TGridButton* CellButton();
    TScrollBar* FCellScrollBar = nullptr;
    // The cell the cell scroll bar is shown in.
    Integer FScrollCol = -1;
    Integer FScrollRow = -1;
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
    TScrollControl* FVertMetroScroll = nullptr;
    TScrollControl* FHorzMetroScroll = nullptr;
    THTMLHintWindow* FScrollHintWnd = nullptr;
    // The balloon tooltip window while balloons are initialised.
    HWND FBalloonTip = 0;
    bool FBalloonInit = false;
    // The base cell whose balloon shows ((-1, -1): none), and the text the tooltip was given.
    TPoint FLastBalloonPos{-1, -1};
    String FBalloonText;
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
    // Assign's steps, in its order.
    void AssignLook(const TExtStringGrid& Source);
    void AssignSettingsObjects(const TExtStringGrid& Source);
    void AssignDimensions(const TExtStringGrid& Source);
    void AssignScrolling(const TExtStringGrid& Source);
    void SaveColSizesOnDestroy();
    void ForgetFocusFrame();
    // The floating footer's row (texts and owned cell properties) while the row count changes.
    using TFooterRow = std::vector<std::pair<String, std::unique_ptr<TCellProperties>>>;
    TFooterRow TakeFooterRow();
    void PutFooterRow(TFooterRow Row);
    // Scroll bars and scrolling.
    void InitFlatScrollBars();
    // The metro type's two thin bars, made when missing; freed with the window bars given back.
    void CreateScrollControls();
    void FreeScrollControls();
    void UninitFlatScrollBars();
    void SetFlatScrollProp(Integer Index, Integer Value);
    void ApplyFlatScrollSettings();
    void ShowScrollHint(bool Vertical, Integer Position);
    void ReleaseScrollHint();
    void HorzScroll(TMessage& Message);
    void VertScroll(TMessage& Message);
    void Resized(TMessage& Message);
    bool CellScrollBarScrolled(TMessage& Message);
    // The search footer shows and the last row ends above its panel.
    bool LastRowAboveSearchPanel() const;
    // The search room's steps: the panel made with its events, the find parameters of the
    // footer's settings, its highlights, the edit's colour, the row nudge of find next.
    void CreateSearchPanel();
    // After the grid's size changed: the shown panel is laid out along the new bottom edge.
    void RealignSearchPanel();
    // The first shown, enabled button whose caption has Key as accelerator acts; false for none.
    bool SearchPanelAccelerator(Char Key);
    TFindParams SearchFooterParams(bool Typing, bool Backward);
    bool SearchHighlighting() const;
    void HighlightSearchText(const String& Text);
    void RemoveSearchHighlights();
    void SetSearchEditColour(TColor Value);
    void NudgeTopRowForSearch();
    void SearchFooterStep(bool Backward);
    TRect FixedBackGroundCellRect() const;
    void RepaintMovedBackGround(const TRect& Before, Word Code);
    void DragScrollTick(TObject* Sender);
    void FreeDragScrollTimer();
    // Persistence: the visual properties as the grid holds them, and applied through the setters.
    TVisualProps CurrentVisualProps() const;
    void ApplyVisualProps(const TVisualProps& P);
    void ReplaceColumnOrder(const std::vector<Integer>& Order);
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
    // The sorts' frame and steps (ext_string_grid_sort.cpp).
    // KeyCol: the column compared first, whose texts are read once when nothing can change them.
    template <class Compare>
    void SortRowsBy(Integer First, Integer Last, Integer KeyCol, Compare Cmp);
    template <class Body>
    void RunSortFrame(Body SortBody);
    void SortGroupRows(bool Indexed);
    void RestoreRowAfterSort(Integer OldRow);
    // The row now showing row ARow of the order before the sorts.
    Integer SortedPosition(Integer ARow) const;
    // The text a comparison reads; the stored one in place when nothing can change it.
    StringView SortCellText(Integer ACol, Integer ARow, String& Buffer);
    bool SortIgnoresColumn(Integer ACol) const;
    // EInvalidGridOperation "Grid index out of range" unless Index lies in 0 .. Count - 1.
    static void CheckGridIndex(Integer Index, Integer Count);
    // Exchanges two cells' stored texts and object slots (nothing read through display hooks).
    void ExchangeStoredCells(Integer ACol1, Integer ARow1, Integer ACol2, Integer ARow2);
    // What the calculations and the comparison ask of the grid (ext_string_grid_calc.cpp, _sort.cpp).
    friend class TGridCalcCells;
    friend class TGridCellCompare;
    // Cell graphics: the record of the cell's own slot; a type test on the base cell.
    TCellGraphic* OwnCellGraphic(Integer ACol, Integer ARow) const;
    // The graphic slot's object as a record, nullptr when it is of another class.
    static TCellGraphic* CellGraphicOf(TObject* Graphic);
    bool HasCellTypeIn(Integer ACol, Integer ARow, std::initializer_list<TCellType> Types);
    TCellGraphic* BaseCellGraphic(Integer ACol, Integer ARow);
    // The record of a check box looked up by real row (hidden rows included).
    TCellGraphic* RealRowCheckGraphic(Integer ACol, Integer ARow);
    // GetCheckTrue (Checked) or GetCheckFalse of the cell: the grid's field itself when the texts
    // do not vary per cell, else the answer, put into Fetched.
    const String& CheckText(Integer ACol, Integer ARow, bool Checked, String& Fetched);
    // ChangeCheckBoxState's halves: a box whose state is the cell text (Slot: what the cell's
    // slot holds), and one whose state the record or the row selection keeps.
    bool ChangeTextCheckBox(Integer ACol, Integer ARow, const TCellProperties* Slot, bool Value);
    bool ChangeRecordCheckBox(Integer ACol, Integer ARow, TCellGraphic& Graphic, bool Value);
    void CheckAddedCell(Integer ACol, Integer ARow) const;
    // The first row the check box columns cover: 0 under CheckAllCheck, else the first normal row.
    Integer FirstCheckRow() const;
    void AutoCheckGroup(Integer ACol, Integer ARow, bool IsNodeRow, bool Contracted, Integer Span, Integer Parent,
                        bool State);
    void MarkCells(TCellMark Mark, bool DoCase, const String& Text, Integer FromCol, Integer FromRow, Integer ToCol,
                   Integer ToRow);
    void UnmarkCells(TCellMark Mark, Integer FromCol, Integer FromRow, Integer ToCol, Integer ToRow);
    String MarkSourceText(Integer ACol, Integer ARow);
    TGridRect NormalCells(bool DoFixed, Integer ExtraCols) const;
    template <class Fill>
    void FillCells(bool DoFixed, Fill&& Write);
    TPoint CalcRadioSize(const TCellGraphic& G, bool Print);
    TPoint ImageListSize(Integer ACol, Integer ARow);
    // Rows, columns and selection: the disjunct row flag as stored, the row a flag operation
    // addresses, a row's cells moved whole onto another, and the clear of real-column spans.
    bool StoredRowSelect(Integer ARow) const;
    // The spans of the merge a cell is in, -1 and -1 outside any.
    TPoint MergeSpan(Integer ACol, Integer ARow) const;
    Integer SelectionRow(Integer ARow) const;
    void MoveCurrentRow(Integer ARow);
    void CopyRowHeight(Integer FromRow, Integer ToRow);
    // The current cell by real column, or the base cell of the merge it lies in.
    TPoint CurrentBaseCell() const;
    // The cell's properties when it has any; nothing is made.
    TCellProperties* PropsOrNull(Integer ACol, Integer ARow) const;
    void EmptyRowCells(Integer ARow);
    void ClearRealRect(Integer ACol1, Integer ARow1, Integer ACol2, Integer ARow2);
    void ClearCell(Integer RealColumn, Integer ARow, Integer DisplayedColumn);
    // Painting: the working values of one cell and the painter's steps.
    struct TCellPaint;
    TColorTones FTones;
    TStyleColours StyleColours() const;
    void SetStyleColours(const TStyleColours& S);
    void CellAlignment(Integer ACol, Integer ARow, TAlignment& HA, TVAlignment& VA);
    bool PaintsSelected(Integer ACol, Integer ARow);
    // The graphic a cell paints; a derived grid whose graphics need no cell properties widens it.
    virtual TCellGraphic* PaintedGraphic(Integer RealCol, Integer ARow);
    // The row indicator in column 0 of the current row; how far the cell's left edge moved.
    Integer PaintRowIndicator(TCellPaint& P);
    void PaintFixedBackground(TCellPaint& P);
    void PaintFixedEdges(TCellPaint& P);
    void PaintAlwaysButtons(TCellPaint& P);
    void PaintCellBackground(TCellPaint& P);
    TColor OwnCellColor(Integer RealCol, Integer ARow);
    TCellButtonLook ButtonLook() const;
    void PaintTreeLines(TCellPaint& P);
    void DrawCellBody(TCellPaint& P);
    void DrawCellText(TCellPaint& P, TRect R, String Text);
    // Where a drawing that must not show mirror-image (text, glyphs) goes when the canvas is
    // switched back to left to right: on a canvas in right-to-left orientation R's mirror image
    // across its width; with FNoRTLOrientation (the grid right to left on a canvas that is not)
    // R moved left by XYOffset.X, the inset going over to the side the text starts at; else R.
    TRect UnmirroredRect(const TCanvas& ACanvas, const TRect& R) const;
    void DrawCellBorders(TCellPaint& P, TRect R);
    void CellGraphicLayout(TCellPaint& P);
    void DrawCellGraphic(TCellPaint& P, TRect R);
    void DrawCheckTypeGraphic(TCellPaint& P, const TRect& Area);
    // The square of a cell's check box or radio button G when the cell's graphic is drawn in
    // Area: the painter draws the glyph there and a click is tested against it.
    TRect CheckBoxBounds(Integer RealCol, Integer ARow, const TCellGraphic& G, const TRect& Area);
    // The square DrawRadioGlyph draws one radio button without caption in when handed R: what a
    // click on a radio button cell is tested against.
    TRect LoneRadioSquare(const TRect& R);
    // The rectangle the painter draws the graphic of the displayed cell in.
    TRect CellGraphicArea(Integer ACol, Integer ARow);
    // A cell the painter paints as fixed: the fixed rows and columns, unless the hovered row
    // takes them in.
    bool PaintsAsFixedCell(Integer ACol, Integer ARow);
    void DrawRotatedText(TCellPaint& P, TRect R);
    void DrawButtonGraphic(TCellPaint& P, TRect At, bool Enabled);
    // Pictures and image-list images of a cell, in the place At the layout gave them.
    void DrawImageGraphic(TCanvas& ACanvas, const TCellGraphic& G, Integer RealCol, Integer ARow, const TRect& At);
    // The node's expand/contract glyph in column 0 of R and its short tree lines.
    void DrawNodeGlyph(TCanvas& ACanvas, Integer RealCol, Integer ARow, TGridDrawState State, Integer SelectRow,
                       TRect R);
    // The cell's own scroll bar at the cell's right edge; how far the text scrolled up.
    Integer PaintCellScrollBar(TCellPaint& P);
    // The cell's value for a graphic: a text that is no number counts as 0.
    double PaintedFloat(Integer RealCol, Integer ARow);
    Integer PaintedInt(Integer RealCol, Integer ARow);
    void DrawCheckGlyph(TCanvas& ACanvas, const TRect& R, bool Checked, bool Enabled, bool Grayed);
    void PaintFocusRect(TCellPaint& P);
    // The sort indicator's own cells: the sort row's header of the sorted column(s).
    bool ShowsSortIndicator(Integer RealCol, Integer ARow);
    // The filter glyph's own cells: those of the filter drop-down row whose column offers a
    // filter list; the glyph at the cell's top-right corner (grid/model/ext_string_grid_glyphs.cpp).
    bool ShowsFilterGlyph(Integer RealCol, Integer ARow);
    void DrawFilterGlyph(TCanvas& ACanvas, const TRect& CellRect, Integer RealCol);
    void PaintBackgroundOutsideCells();
    void DrawSizingLine(TCanvas& ACanvas, TPoint From, TPoint To);

    TPictureContainer* m_pictureContainer = nullptr;
    std::unique_ptr<TFocusHelper> m_focusHelper;
    std::unique_ptr<TSearchFooter> m_searchFooter;
    std::unique_ptr<TFloatingFooter> m_floatingFooter;
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
    // The shared row check box record of column 0 under HotmailRowSelect.
    std::unique_ptr<TCellGraphic> m_cellGraphic;
    // Sort keys of bitmaps and icons, numbered when first seen.
    std::unordered_map<const void*, Integer> m_graphicSortKeys;
    bool m_urlShow = false;
    bool m_urlShowInText = false;
    bool m_urlFull = false;
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
    bool m_scrollProportional = false;
    // Scroll bars and scrolling: flat bars initialised (never here: the platform has none), the
    // proportional updates suspended, the thumb hint, the drag-scroll timer and its direction.
    bool FIsFlat = false;
    bool FScrollLock = false;
    bool FScrollHintShow = false;
    // A stretch is running.
    bool FIsColChanging = false;
    // A stretch has run once: later width changes stretch again.
    bool ColchgFlg = false;
    // The user is resizing (pressed on a sizing edge) and has finished (released): the column or
    // row and its size before. A size change reported while finished is the user's.
    bool ColSized = false;
    bool Rowsized = false;
    Integer Colclicked = -1;
    Integer Rowclicked = -1;
    Integer Colclickedsize = 0;
    Integer Rowclickedsize = 0;
    void NoteSizingPress(TMessage& Message);
    void NoteSizingRelease(TMessage& Message);
    void EndUserColSize();
    void EndUserRowSize();
    THintWindow* m_scrollHintWindow = nullptr;
    std::unique_ptr<TTimer> FDragTmr;
    TDragScrollDirections FDragScrollDirection = 0;
    bool m_showDesignHelper = true;
    Integer m_selectionColorMixerFactor = 50;
    bool m_spreadSheet = false;
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
    bool m_autoSize = false;
    ITExtStringGridSelect* FISelect = nullptr;
    // A theme change re-applies the office theme while AutoThemeAdapt is on; the window leaves
    // the theme notifier when destroyed.
    void WMThemeChanged(TMessage& Message);
    void WMDestroyTheme(TMessage& Message);
    // The frame, painted after every client paint that reached the edge: the coloured border
    // goes over it again, unless an update is in progress.
    void WMNCPaint(TMessage& Message);
    TPoint m_xyOffset{2, 2};
    TColor m_highlightColor = clHighlight;
    TColor m_highlightTextColor = clHighlightText;
    TScrollBarAlways m_scrollBarAlways = saNone;
    bool m_autoThemeAdapt = false;
    // While a sort orders its rows: the key column's texts of the rows from m_sortKeyFirst on.
    std::vector<String> m_sortKeys;
    Integer m_sortKeyCol = -1;
    Integer m_sortKeyFirst = 0;
};

}  // namespace gw
