// The string grid's life cycle: construction with its owned sub-objects and defaults, destruction,
// window creation, loading, bounds, resizing and repainting, and the owner form's resize handler.
#include "grid/foundation/arrow_window.h"
#include "grid/foundation/bands.h"
#include "grid/foundation/cell_checker.h"
#include "grid/foundation/control_list.h"
#include "grid/foundation/focus_window.h"
#include "grid/foundation/int_list.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/foundation/picture_cache.h"
#include "grid/foundation/picture_container.h"
#include "grid/foundation/search_footer.h"
#include "grid/foundation/sync_grid.h"
#include "grid/foundation/theme_detection.h"
#include "grid/interaction/fixed_cell_editors.h"
#include "grid/interaction/grid_check_box.h"
#include "grid/interaction/grid_combo.h"
#include "grid/interaction/grid_spin.h"
#include "grid/interaction/markup_control_editors.h"
#include "grid/model/background.h"
#include "grid/model/balloon_settings.h"
#include "grid/model/cell_node.h"
#include "grid/model/column_size.h"
#include "grid/model/control_look.h"
#include "grid/model/drag_drop_settings.h"
#include "grid/model/drag_scroll_options.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/filter.h"
#include "grid/model/filter_drop_down.h"
#include "grid/model/floating_footer.h"
#include "grid/model/grid_change_notifier.h"
#include "grid/model/grouping.h"
#include "grid/model/html_settings.h"
#include "grid/model/print_settings.h"
#include "grid/model/progress_appearance.h"
#include "grid/model/show_modified.h"
#include "grid/model/size_while_typing.h"
#include "grid/model/sort_settings.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/font.h"
#include "platform/graphics/image_list.h"
#include "platform/runtime/list.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/string_list.h"
#include "platform/ui/application.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/timer.h"
#include "platform/ui/window_system.h"

namespace gw {

namespace {

constexpr UINT GridTimerPeriod = 500;

// The cursor shown over links; every new grid sets it.
TCursor LinkCursor = crDefault;

}  // namespace

TExtStringGrid::TExtStringGrid(TComponent* AOwner) : TBaseGrid(AOwner)
{
    ControlStyle |= csAcceptsControls;
    CreateSettings();
    SetRowCount(10);
    // The fixed counts the grid is made with are the ones asked for until the program sets
    // others: FixedRowAlways (FixedColAlways) brings them back, never 0.
    FMinFixedRows = TBaseGrid::FixedRows();
    FMinFixedCols = TBaseGrid::FixedCols();
    SetBounds(Left(), Top(), 400, 250);
    TakeOverFormResize();
    SetDefaultRowHeight(22);
    m_fixedRowHeight = DefaultRowHeight();
    ReadEnvironment();
    FOldLeftCol = LeftCol();
    FOldTopRow = TopRow();
    if (!IsDesigning()) CreateHiddenControls();
    LinkCursor = crHandPoint;
}

void TExtStringGrid::CreateSettings()
{
    FFooterPanel = new TFooterPanel(this);
    CreateSearchPanel();
    FCellFont = std::make_unique<TFont>();
    m_focusHelper = std::make_unique<TFocusHelper>();
    const bool placedInDesigner = IsDesigning() && !(Owner() && (Owner()->ComponentState() & (csReading | csLoading)));
    m_searchFooter = std::make_unique<TSearchFooter>(this, placedInDesigner);
    m_searchFooter->OnChange = [this](TObject*) { SearchFooterChanged(); };
    m_floatingFooter = std::make_unique<TFloatingFooter>(this);
    m_printSettings = std::make_unique<TPrintSettings>(this);
    m_htmlSettings = std::make_unique<THTMLSettings>();
    m_sortSettings = std::make_unique<TSortSettings>(this);
    m_dragDropSettings = std::make_unique<TDragDropSettings>(this);
    m_dragScrollOptions = std::make_unique<TDragScrollOptions>();
    m_controlLook = std::make_unique<TControlLook>(this);
    m_navigation = std::make_unique<TNavigation>();
    m_navigation->OnChange = [this](TObject* Sender) { NavigationChanged(Sender); };
    m_columnSize = std::make_unique<TColumnSize>(this);
    m_cellNode = std::make_unique<TCellNode>(this);
    m_bands = std::make_unique<TBands>();
    m_bands->OnChange = [this](TObject*) { Invalidate(); };
    m_sizeWhileTyping = std::make_unique<TSizeWhileTyping>();
    m_mouseActions = std::make_unique<TMouseActions>(this);
    m_mouseActions->OnChange = [this](TObject* Sender) { MouseActionsChanged(Sender); };
    m_mouseActions->OnIsDesigning = [this](TObject*, bool& Designing) { Designing = IsDesigning(); };
    m_mouseActions->OnInvalidate = [this](TObject* Sender) { MouseActionsInvalidate(Sender); };
    m_grouping = std::make_unique<TGrouping>();
    m_columnHeaders = std::make_unique<TStringList>();
    m_columnHeaders->OnChange = [this](TObject*) {
        ColumnHeadersChanged();
        ShowColumnHeaders();
    };
    m_imageCache = std::make_unique<THTMLPictureCache>();
    m_origColSizes = std::make_unique<TIntList>(0, 0);
    m_fixedFont = std::make_unique<TFont>();
    m_fixedFont->SetName(u"Tahoma");
    m_fixedFont->SetStyle(fsBold);
    m_fixedFont->OnChange = [this](TObject*) { Invalidate(); };
    m_activeCellFont = std::make_unique<TFont>();
    m_activeCellFont->SetStyle(fsBold);
    if (IsDesigning()) m_activeCellFont->SetName(u"Tahoma");
    m_activeCellFont->OnChange = [this](TObject*) { Invalidate(); };
    m_rowHeaders = std::make_unique<TStringList>();
    m_rowHeaders->OnChange = [this](TObject*) { ShowRowHeaders(); };
    m_sortList = std::make_unique<TStringList>();
    m_lookupItems = std::make_unique<TStringList>();
    m_rowSelectList = std::make_unique<TList>();
    m_colSelectList = std::make_unique<TList>();
    m_sortIndexes = std::make_unique<TSortIndexList>();
    m_sortedRows = std::make_unique<TIntList>(0, 0);
    m_unsortedRows = std::make_unique<TIntList>(0, 0);
    m_mergedColumns = std::make_unique<TIntList>(0, 0);
    m_mergedColumns->OnChange = [this](TObject*, Integer, Integer) {
        SplitAllColumnCells();
        MergeAllColumnCells();
    };
    m_selectedCells = std::make_unique<TIntList>(0, 0);
    m_selectedRows = std::make_unique<TIntList>(0, 0);
    m_modifiedRows = std::make_unique<TIntList>(0, 0);
    m_enabledRows = std::make_unique<TIntList>(0, 0);
    m_rowIndicator = std::make_unique<TBitmap>();
    m_backGround = std::make_unique<TBackGround>(this);
    // FScrollHintWnd: its class comes with the hint room.
    m_controlList = std::make_unique<TControlList>();
    m_progressAppearance = std::make_unique<TGridProgressAppearance>();
    m_progressAppearance->OnChange = [this](TObject*) { Invalidate(); };
    m_syncGrid = std::make_unique<TSyncGrid>(this);
    // The grid kept in step may go first: its going is heard (Notification) and forgotten.
    m_syncGrid->OnGridChange = [this](TObject*) {
        if (TExtStringGrid* other = m_syncGrid->Grid()) other->FreeNotification(this);
    };
    // The hidden-row items are FHiddenRows, a member.
    m_filter = std::make_unique<TFilter>(this);
    m_balloon = std::make_unique<TBalloonSettings>();
    m_balloon->OnEnableChange = [this](TObject* Sender) { BalloonEnableChanged(Sender); };
    m_showModified = std::make_unique<TShowModified>();
    m_showModified->OnChange = [this](TObject* Sender) { ShowModifiedChanged(Sender); };
    m_notifiers = std::make_unique<TGridChangeNotifiers>();
    m_columnOrder = std::make_unique<TIntList>(0, 0);
    m_cellGraphic = std::make_unique<TCellGraphic>();
    m_ignoreColumns = std::make_unique<TIntList>(0, 0);
    m_filterDropDown = std::make_unique<TFilterDropDown>();
    m_filterDropDown->OnChange = [this](TObject* Sender) { FilterDropDownChanged(Sender); };
    CreateFilterLists();
    m_filterList = std::make_unique<TStringList>();
    m_filterList->Duplicates = dupIgnore;
    m_filterList->SetSorted(true);
}

void TExtStringGrid::TakeOverFormResize()
{
    TForm* form = OwnerForm();
    if (!form || IsDesigning()) return;
    FOnResize = form->OnResize;
    ResizeAssigned = static_cast<bool>(FOnResize);
    form->OnResize = [this](TObject* Sender) { FormResize(Sender); };
    PrevSizeX = form->Width();
    PrevSizeY = form->Height();
}

void TExtStringGrid::GiveBackFormResize()
{
    TForm* form = OwnerForm();
    if (!form || IsDesigning()) return;
    form->OnResize = ResizeAssigned ? FOnResize : TNotifyEvent();
}

TForm* TExtStringGrid::OwnerForm() const { return dynamic_cast<TForm*>(Owner()); }

void TExtStringGrid::ReadEnvironment()
{
    // For the grid this platform counts as Windows 7 (so XP and Vista too) with the common
    // controls 6; whether a visual style is active is asked at CreateWnd, and none is.
    FIsWinXP = true;
    FIsVista = true;
    FIsWin7 = true;
    FIsComCtl6 = ReadFileVersion(u"COMCTL32.DLL") >> 16 > 5;
    m_borderColor = FIsWinXP ? TColor(0xB99D7F) : TColor(0x808080);
    m_scrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    m_zeqGradientTo = ColorToRGB(clBtnFace);
}

// The hidden editors are the grid's children, hidden and disabled until an edit shows them.
template <class T>
static T* HiddenChild(T* Control, TWinControl* Parent)
{
    Control->SetVisible(false);
    Control->SetEnabled(false);
    Control->SetParent(Parent);
    return Control;
}

template <class T>
static void FreeChild(T*& Control)
{
    delete Control;
    Control = nullptr;
}

void TExtStringGrid::CreateHiddenControls()
{
    FFocusWindow = new TGridFocusWindow(this);
    for (Integer d = arrUp; d <= arrRight; ++d) ArrowWindows[d] = new TArrowWindow(this, TArrowDirection(d));
    // The in-place editors are made on first use, through their accessors: most grids never
    // show most of them, and making them all would weigh on every grid's creation.
    FComboIdx = -1;
}

// One accessor per hidden editor: the editor is made, hidden and disabled, the first time an
// editing path asks for it, and lives until the grid goes.
template <class T>
static T* HiddenOnDemand(T*& Control, TExtStringGrid* Parent)
{
    if (!Control) Control = HiddenChild(new T(Parent), Parent);
    return Control;
}

TGridCombo* TExtStringGrid::ComboEditor() { return HiddenOnDemand(EditCombo, this); }
TGridTransEdit* TExtStringGrid::FixedCellEdit() { return HiddenOnDemand(EditTrans, this); }
TGridTransCombo* TExtStringGrid::FixedCellCombo() { return HiddenOnDemand(ComboTrans, this); }
TGridCheckBox* TExtStringGrid::CheckEditor() { return HiddenOnDemand(EditCheck, this); }
TControlEdit* TExtStringGrid::MarkupEdit() { return HiddenOnDemand(ControlEdit, this); }
TControlCombo* TExtStringGrid::MarkupCombo() { return HiddenOnDemand(ControlCombo, this); }

TExtStringGrid::~TExtStringGrid()
{
    FDestroying = true;
    ForgetFocusFrame();
    // No event handler runs while destroying.
    FVertMetroScroll = nullptr;
    FHorzMetroScroll = nullptr;
    if (!IsDesigning()) GiveBackFormResize();
    SaveColSizesOnDestroy();
    BalloonDone();
    ClearTextOnly = false;
    SaveHiddenCells = false;
    FreeSettings();
    SetCursor(FLoadedCursor);
    if (!IsDesigning()) FreeHiddenControls();
}

void TExtStringGrid::SaveColSizesOnDestroy()
{
    if (!m_columnSize->Save) return;
    // Saving writes a file or the registry; a place that cannot be written must not throw out of
    // the destructor. The error goes to the application, and releasing goes on.
    try {
        SaveColSizes();
    } catch (...) {
        if (Application) Application->HandleException(this);
    }
}

void TExtStringGrid::FreeSettings()
{
    FCellFont.reset();
    m_focusHelper.reset();
    m_ignoreColumns.reset();
    m_progressAppearance.reset();
    m_floatingFooter.reset();
    m_cellGraphic.reset();
    m_controlList.reset();
    m_sortedRows.reset();
    m_unsortedRows.reset();
    m_mergedColumns.reset();
    m_selectedCells.reset();
    m_selectedRows.reset();
    m_modifiedRows.reset();
    m_enabledRows.reset();
    m_notifiers.reset();
    m_printSettings.reset();
    m_htmlSettings.reset();
    m_sortSettings.reset();
    m_dragDropSettings.reset();
    m_dragScrollOptions.reset();
    m_controlLook.reset();
    m_navigation.reset();
    m_columnSize.reset();
    m_columnOrder.reset();
    m_cellNode.reset();
    m_bands.reset();
    m_sizeWhileTyping.reset();
    m_imageCache.reset();
    m_mouseActions.reset();
    m_columnHeaders.reset();
    m_grouping.reset();
    m_fixedFont.reset();
    m_activeCellFont.reset();
    m_rowHeaders.reset();
    m_lookupItems.reset();
    m_rowSelectList.reset();
    m_colSelectList.reset();
    m_sortIndexes.reset();
    m_rowIndicator.reset();
    m_backGround.reset();
    delete FFooterPanel;
    FFooterPanel = nullptr;
    // Then the search panel (a room to come) and the search footer.
    m_searchFooter.reset();
    m_balloon.reset();
    m_showModified.reset();
    m_origColSizes.reset();
    m_filterDropDown.reset();
    // The filter drop list and check list (a room to come).
    m_filterList.reset();
    m_syncGrid.reset();
    if (!IsDesigning()) {
        for (TArrowWindow*& w : ArrowWindows) {
            delete w;
            w = nullptr;
        }
    }
    m_sortList.reset();
    m_filter.reset();
}

void TExtStringGrid::FreeHiddenControls()
{
    delete FFocusWindow;
    FFocusWindow = nullptr;
    FreeChild(EditCombo);
    FreeChild(EditTrans);
    FreeChild(ComboTrans);
    FreeChild(EditSpin);
    // Here go the other lazily made editors that exist.
    FreeChild(EditCheck);
    // Here go the two edit-with-button editors, the cell button and the header drag button.
    FreeChild(ControlEdit);
    FreeChild(ControlCombo);
    // Here go the two cell scroll bars.
    FreeButtonEditors();
}

void TExtStringGrid::CreateWnd()
{
    if (FDestroying) return;
    TBaseGrid::CreateWnd();
    if (!Parent()) return;
    // The cell scroll bars belong to a room to come.
    if (!IsDesigning() && m_scrollType == ssMetro) CreateScrollControls();
    if (!IsDesigning() && m_balloon->Enable()) BalloonInit();
    FFooterPanel->SetParent(this);
    FFooterPanel->SetVisible(m_floatingFooter->Visible());
    if (m_columnSize->Save) LoadColSizes();
    FGridTimerID = SetTimer(Handle(), GridTimerIdentifier, GridTimerPeriod);
    if (IsDesigning() && !FLoaded) Font()->SetName(u"Tahoma");
    FIsWinXP = FIsWinXP && VisualStylesActive();
    wheelpan = false;
    wheelmsg = WM_MOUSEWHEEL;
    wheelscrl = WheelScrollLines();
    if (wheelscrl == -1) wheelscrl = VisibleRowCount();
    if (m_scrollType != ssNormal && !(ComponentState() & csLoading)) {
        InitFlatScrollBars();
        ApplyFlatScrollSettings();
    }
}

void TExtStringGrid::Loaded()
{
    TBaseGrid::Loaded();
    FLoadedCursor = Cursor();
    ShowColumnHeaders();
    ShowRowHeaders();
    if (FLook == glZEQ) {
        SetLook(glCustom);
        SetLook(glZEQ);
    }
    if (AutoSize()) AutoSizeColumns(false, 4);
    if (m_columnSize->Save) LoadColSizes();
    FMinFixedRows = TBaseGrid::FixedRows();
    FMinFixedCols = TBaseGrid::FixedCols();
    MinRowHeight = DefaultRowHeight();
    MinColWidth = 10;
    FMaxRowCount = RowCount();
    FLoaded = true;
    if (Options() & goAlwaysShowEditor) {
        SetOptions(Options() & ~TGridOptions(goAlwaysShowEditor));
        m_navigation->AlwaysEdit = true;
    }
    // A grid is loaded before its window exists: ask for the visual style here too.
    const bool themed = FIsWinXP && VisualStylesActive();
    if (!themed && m_controlLook->ControlStyle() == csTheme && !IsDesigning())
        m_controlLook->SetControlStyle(csClassic);
    m_searchFooter->SetAutoThemeAdapt(AutoThemeAdapt);
    SearchFooterChanged();
    ApplyScrollBarAlways(false);
    if (AutoThemeAdapt && !IsDesigning()) AdaptToOfficeTheme();
    InitOrigColSizes();
    SetColumnOrder();
    if (m_balloon->Enable()) BalloonInit();
    ApplyAppStyleColors();
}

void TExtStringGrid::SearchFooterChanged()
{
    // The search panel the footer lays out comes with the search room; without it there is
    // nothing to lay out.
    if (SearchPanel) BuildSearchFooter();
}

void TExtStringGrid::Invalidate()
{
    if (FEditChange) {
        FEditChange = false;
        return;
    }
    TBaseGrid::Invalidate();
    if (!(ComponentState() & csLoading) && m_floatingFooter && m_floatingFooter->Visible()) FFooterPanel->Invalidate();
}

void TExtStringGrid::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    const Integer rowHeight = DefaultRowHeight();
    if (IntegralHeight && FUpdateCount == 0 && rowHeight > 0) {
        const bool allColumnsFit = VisibleColCount() + TBaseGrid::FixedCols() >= ColCount();
        const Integer h = allColumnsFit ? 0 : GetSystemMetrics(SM_CYHSCROLL);
        const Integer b = BorderStyle == bsSingle ? 2 : 0;
        AHeight = AHeight + b - ((AHeight - h - b) % rowHeight);
    }
    TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (Parent() && Parent()->HandleAllocated()) PaintColoredBorder();
}

void TExtStringGrid::Resize()
{
    TBaseGrid::Resize();
    const TBackGroundDisplay display = m_backGround->Display();
    if ((display == bdGradientHorz || display == bdGradientVert) && m_backGround->ColorTo() != clNone) Invalidate();
    ApplyScrollBarAlways(false);
    if (m_controlList->Count() > 0) CellControlsUpdate(false);
    if (IsDesigning()) Invalidate();
}

void TExtStringGrid::ApplyScrollBarAlways(bool Force)
{
    if (!HandleAllocated()) return;
    const bool rowsFit = VisibleRowCount() + TBaseGrid::FixedRows() >= RowCount();
    const bool colsFit = VisibleColCount() + TBaseGrid::FixedCols() >= ColCount();
    if (ScrollBarAlways != saNone) {
        // A bar named by ScrollBarAlways stays shown, greyed, while everything fits; the other
        // is hidden then; a bar with something to scroll is enabled again.
        ApplyAlwaysBar(SB_VERT, rowsFit, ScrollBarAlways == saVert || ScrollBarAlways == saBoth);
        ApplyAlwaysBar(SB_HORZ, colsFit, ScrollBarAlways == saHorz || ScrollBarAlways == saBoth);
        return;
    }
    if (!Force) return;
    if (rowsFit) ShowScrollBar(Handle(), SB_VERT, false);
    if (colsFit) ShowScrollBar(Handle(), SB_HORZ, false);
}

bool TExtStringGrid::KeepsIdleScrollBar(Integer Bar) const
{
    if (Bar == SB_VERT) return ScrollBarAlways == saVert || ScrollBarAlways == saBoth;
    return ScrollBarAlways == saHorz || ScrollBarAlways == saBoth;
}

void TExtStringGrid::ApplyAlwaysBar(Integer Bar, bool AllFit, bool Always)
{
    if (!AllFit) {
        EnableScrollBar(Handle(), Bar, ESB_ENABLE_BOTH);
        return;
    }
    ShowScrollBar(Handle(), Bar, Always);
    if (Always) SetScrollRange(Handle(), Bar, 0, 0, false);  // no thumb from an earlier range
    EnableScrollBar(Handle(), Bar, ESB_DISABLE_BOTH);
}

TFont* TExtStringGrid::GetCellFont(Integer ACol, Integer ARow)
{
    if (!CellHasProperties(ACol, ARow)) return Font();
    const TCellProperties* props = GetCellProperties(ACol, ARow);
    FCellFont->SetName(props->FontName);
    FCellFont->SetSize(props->FontSize);
    FCellFont->SetStyle(props->FontStyle);
    FCellFont->SetColor(props->FontColor);
    return FCellFont.get();
}

void TExtStringGrid::FormResize(TObject* Sender)
{
    if (IsDesigning() || FDestroying) return;
    TForm* form = OwnerForm();
    if (SizeWithForm && form) {
        const Integer w = Width() + form->Width() - PrevSizeX;
        const Integer h = Height() + form->Height() - PrevSizeY;
        // A size that would leave the grid nothing is ignored, and the form's last size stays the
        // reference, so growing the form back restores the grid.
        if (w > 0 && h > 0) {
            SetBounds(Left(), Top(), w, h);
            PrevSizeX = form->Width();
            PrevSizeY = form->Height();
        }
    }
    // The form's own handler must not stop the grid from following the form.
    if (ResizeAssigned) {
        try {
            FOnResize(Sender);
        } catch (...) {
        }
    }
    StretchColumnToClient(m_columnSize->StretchColumn);
}

void TExtStringGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    // A component that goes away is forgotten wherever the grid refers to it.
    if (Operation == opRemove && AComponent) {
        if (AComponent == GridImages) GridImages = nullptr;
        if (AComponent == m_pictureContainer) m_pictureContainer = nullptr;
        if (AComponent == CellChecker) CellChecker = nullptr;
    }
    if (Operation == opRemove && !FDestroying && m_syncGrid && AComponent == m_syncGrid->Grid())
        m_syncGrid->SetGrid(nullptr);
    TBaseGrid::Notification(AComponent, Operation);
}

void TExtStringGrid::SetPictureContainer(TPictureContainer* Value)
{
    if (Value == m_pictureContainer) return;
    if (m_pictureContainer) m_pictureContainer->RemoveFreeNotification(this);
    m_pictureContainer = Value;
    if (Value) Value->FreeNotification(this);
    Invalidate();
}

bool TExtStringGrid::IsDesigning() const { return ComponentState() & csDesigning; }

void TExtStringGrid::MouseActionsInvalidate(TObject* /*Sender*/) { Invalidate(); }

void TExtStringGrid::ShowModifiedChanged(TObject* /*Sender*/) { RepaintCol(0); }

void TExtStringGrid::FilterDropDownChanged(TObject* /*Sender*/) { Invalidate(); }

void TExtStringGrid::BalloonEnableChanged(TObject* /*Sender*/)
{
    if (ComponentState() & csLoading) return;
    if (m_balloon->Enable())
        BalloonInit();
    else
        BalloonDone();
}

void TExtStringGrid::ApplyAppStyleColors()
{
    // This platform has no application styles: the grid keeps its own colours.
    FUseAppStyles = false;
}

bool TExtStringGrid::UsesAppStyles() const { return FUseAppStyles; }

void TExtStringGrid::InitOrigColSizes()
{
    FOldSize = Width();
    m_origColSizes->Clear();
    for (Integer c = 0; c < ColCount(); ++c) m_origColSizes->Add(ColWidths(c));
}

void TExtStringGrid::SetColumnOrder()
{
    m_columnOrder->Clear();
    for (Integer c = 0; c < ColCount(); ++c) m_columnOrder->Add(c);
}

}  // namespace gw
