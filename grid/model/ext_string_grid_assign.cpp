// Copying one string grid into another: its settings objects, dimensions, sizes, scroll settings
// and, last, its cells. Any other source is ignored without error.
#include "grid/foundation/bands.h"
#include "grid/foundation/focus_window.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/foundation/search_footer.h"
#include "grid/foundation/sync_grid.h"
#include "grid/model/cell_node.h"
#include "grid/model/column_size.h"
#include "grid/model/drag_drop_settings.h"
#include "grid/model/drag_scroll_options.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/filter.h"
#include "grid/model/filter_drop_down.h"
#include "grid/model/grouping.h"
#include "grid/model/html_settings.h"
#include "grid/model/print_settings.h"
#include "grid/model/progress_appearance.h"
#include "grid/model/sort_settings.h"
#include "platform/graphics/font.h"
#include "platform/runtime/streams.h"
#include "platform/runtime/string_list.h"

namespace gw {

void TExtStringGrid::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TExtStringGrid*>(Source);
    if (!source) return;
    AssignLook(*source);
    AssignSettingsObjects(*source);
    AssignDimensions(*source);
    m_columnHeaders->Assign(source->m_columnHeaders.get());
    AssignScrolling(*source);
    AssignCells(source);
}

void TExtStringGrid::AssignLook(const TExtStringGrid& Source)
{
    Font()->Assign(Source.Font());
    m_activeCellColor = Source.m_activeCellColor;
    m_activeCellColorTo = Source.m_activeCellColorTo;
    m_activeCellFont->Assign(Source.m_activeCellFont.get());
    m_activeCellShow = Source.m_activeCellShow;
    SetActiveRowShow(Source.ActiveRowShow());
    SetAlign(Source.Align());
    m_filterDropDown->Assign(Source.m_filterDropDown.get());
    AnchorHint = Source.AnchorHint;
    AutoNumAlign = Source.AutoNumAlign;
    m_autoSize = Source.m_autoSize;  // the flag only: no columns are sized here
    m_autoThemeAdapt = Source.m_autoThemeAdapt;
    AutoFilterUpdate = Source.AutoFilterUpdate;
}

void TExtStringGrid::AssignSettingsObjects(const TExtStringGrid& Source)
{
    m_mouseActions->Assign(Source.m_mouseActions.get());
    m_navigation->Assign(Source.m_navigation.get());
    m_grouping->Assign(Source.m_grouping.get());
    m_searchFooter->Assign(Source.m_searchFooter.get());
    m_printSettings->Assign(Source.m_printSettings.get());
    m_filter->Assign(Source.m_filter.get());
    m_htmlSettings->Assign(Source.m_htmlSettings.get());
    m_bands->Assign(Source.m_bands.get());
    m_cellNode->Assign(Source.m_cellNode.get());
    m_sortSettings->Assign(Source.m_sortSettings.get());
    m_dragScrollOptions->Assign(Source.m_dragScrollOptions.get());
    m_dragDropSettings->Assign(Source.m_dragDropSettings.get());
    m_progressAppearance->Assign(Source.m_progressAppearance.get());
    m_columnSize->Assign(Source.m_columnSize.get());
    m_syncGrid->Assign(Source.m_syncGrid.get());
    m_focusHelper->Assign(Source.m_focusHelper.get());
}

void TExtStringGrid::AssignDimensions(const TExtStringGrid& Source)
{
    FixedRowAlways = Source.FixedRowAlways;
    SetColCount(Source.ColCount());
    SetRowCount(Source.RowCount());
    SetFixedRows(Source.FixedRows());
    SetFixedCols(Source.FixedCols());
    SetDefaultColWidth(Source.DefaultColWidth());
    SetDefaultRowHeight(Source.DefaultRowHeight());
    SetFixedRowHeight(Source.FixedRowHeight());
    SetFixedColWidth(Source.FixedColWidth());
    InvalidEntryTitle = Source.InvalidEntryTitle;
    InvalidEntryIcon = Source.InvalidEntryIcon;
    InvalidEntryText = Source.InvalidEntryText;
    SetOptions(Source.Options());
    for (Integer c = 0; c < Source.ColCount(); ++c) SetColWidths(c, Source.ColWidths(c));
    for (Integer r = 0; r < Source.RowCount(); ++r) SetRowHeights(r, Source.RowHeights(r));
}

void TExtStringGrid::AssignScrolling(const TExtStringGrid& Source)
{
    SetScrollProportional(Source.ScrollProportional());
    ScrollSynch = Source.ScrollSynch;
    ScrollHints = Source.ScrollHints;
    m_scrollBarAlways = Source.m_scrollBarAlways;
    SetScrollBars(Source.ScrollBars());
    // The scroll look's setters apply the flat bars' settings; a value the grid has already
    // leaves them as they are.
    if (Source.m_scrollColor != m_scrollColor) SetScrollColor(Source.m_scrollColor);
    if (Source.m_scrollType != m_scrollType) SetScrollType(Source.m_scrollType);
    if (Source.m_scrollWidth != m_scrollWidth) SetScrollWidth(Source.m_scrollWidth);
}

void TExtStringGrid::AssignCells(TPersistent* Source)
{
    auto* source = dynamic_cast<TExtStringGrid*>(Source);
    if (!source) return;
    TMemoryStream stream;
    source->SaveToStream(&stream);
    stream.SetPosition(0);
    LoadFromStream(&stream);
}

}  // namespace gw
