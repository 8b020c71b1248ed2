// The string grid's grouping: runs of equal values of one column turned into an outline of header
// nodes (with summary rows), the column taken out while grouped; sub-groups inside the groups by a
// second column; and undoing both.
//
// Every group node spans its header and its data rows only - never the summary row that follows -
// so that the group calculations (target r + span) and UnGroup (summary at r + span) find it.
#include "grid/foundation/search_footer.h"
#include "grid/interaction/search_panel.h"
#include "grid/model/cell_graphic.h"
#include "grid/model/cell_node.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/grouping.h"
#include "grid/model/sort_settings.h"
#include "platform/runtime/scope.h"

namespace gw {

namespace {

// A text no cell is expected to hold: the first compared value always differs from it.
const String NoGroupValue = u"\u00FF\u00FE";

}  // namespace

void TExtStringGrid::ApplyGroupRowLook(Integer ARow, TColor Color, TColor ColorTo, TColor FontColor)
{
    if (Color != clNone) SetRowColor(ARow, ColorToRGB(Color));
    if (ColorTo != clNone) SetRowColorTo(ARow, ColorToRGB(ColorTo));
    if (FontColor != clNone) SetRowFontColor(ARow, ColorToRGB(FontColor));
}

void TExtStringGrid::ApplyGroupCellLook(Integer ACol, Integer ARow, TColor Color, TColor ColorTo, TColor FontColor)
{
    if (Color != clNone) SetColors(ACol, ARow, Color);
    if (ColorTo != clNone) SetColorsTo(ACol, ARow, ColorTo);
    if (FontColor != clNone) SetFontColors(ACol, ARow, FontColor);
}

void TExtStringGrid::ResetGroupRowLook(Integer ARow, TColor Color, TColor ColorTo)
{
    if (Color != clNone) SetRowColor(ARow, clNone);
    if (ColorTo != clNone) SetRowColorTo(ARow, clNone);
}

// Closes the group headed by HeaderRow, whose data rows end before ARow. With summary rows, the
// previous group's summary goes directly above this header (the first group has none above it).
void TExtStringGrid::CloseGroup(Integer& HeaderRow, Integer& ARow)
{
    const TGrouping& look = *m_grouping;
    if (HeaderRow > FixedRows() && look.Summary) {
        InsertRows(HeaderRow, 1, true);
        MarkSummaryRow(HeaderRow);
        if (!look.MergeSummary)
            ApplyGroupRowLook(HeaderRow, look.SummaryColor, look.SummaryColorTo, look.SummaryTextColor);
        ++HeaderRow;
        ++ARow;
    }
    AddNode(HeaderRow, ARow - HeaderRow);
}

void TExtStringGrid::MergeGroupRows()
{
    const TGrouping& look = *m_grouping;
    const bool mergeSummary = look.MergeSummary && look.Summary;
    for (Integer r = FixedRows(); r < RowCount(); ++r) {
        if (look.MergeHeader && IsNode(r)) {
            MergeCells(1, r, ColCount() - 1, 1);
            ApplyGroupCellLook(1, r, look.HeaderColor, look.HeaderColorTo, look.HeaderTextColor);
        } else if (mergeSummary && IsSummary(r)) {
            MergeCells(1, r, ColCount() - 1, 1);
            ApplyGroupCellLook(1, r, look.SummaryColor, look.SummaryColorTo, look.SummaryTextColor);
        }
    }
}

void TExtStringGrid::Group(Integer ColIndex)
{
    const Integer c = ColIndex;
    if (c < FixedCols()) return;
    if (FGroupColumn > 0) UnGroup();
    if (RowCount() <= FixedRows()) return;
    const TGrouping& look = *m_grouping;
    BeginUpdate();
    FGrouped = true;
    const TScopeExit done([this] {
        FGrouped = false;
        EndUpdate();
        RelayoutSearchPanel();
    });
    FGroupColumn = c;
    FGroupWidth = ColWidths(DisplColIndex(c));
    FGroupCaption = FixedRows() > 0 ? GetGridCell(c, 0) : String();
    FGroupFooter = FixedFooters() > 0 ? GetGridCell(c, RowCount() - 1) : String();
    // The header text ends in column 1 once the grouped column has gone.
    const Integer headerCol = c == 1 ? 2 : 1;
    if (m_sortSettings->AutoSortForGrouping) {
        m_sortSettings->Column = c;
        QSort();
    }

    String previous = NoGroupValue;
    Integer header = -1;
    Integer r = FixedRows();
    while (r < RowCount() - FixedFooters()) {
        const String value = GetGridCell(c, r);
        if (value != previous) {
            if (header >= 0) CloseGroup(header, r);
            InsertRows(r, 1, true);
            SetGridCell(headerCol, r, value);
            if (!look.MergeHeader) ApplyGroupRowLook(r, look.HeaderColor, look.HeaderColorTo, look.HeaderTextColor);
            header = r;
            ++r;
        }
        if (r < RowCount() - 1) previous = GetGridCell(c, r);
        ++r;
    }
    if (header < 0)
        AddNode(FixedRows(), r - FixedRows());
    else
        CloseGroup(header, r);
    if (look.Summary) {
        InsertRows(r, 1, true);
        MarkSummaryRow(r);
        if (!look.MergeSummary) ApplyGroupRowLook(r, look.SummaryColor, look.SummaryColorTo, look.SummaryTextColor);
    }
    RemoveCols(c, 1);
    if (look.MergeHeader || (look.MergeSummary && look.Summary)) MergeGroupRows();
    if (m_cellNode->ExpandOne) {
        for (Integer n = FixedRows(); n < RowCount(); ++n)
            if (IsNode(n)) {
                ExpandNode(RealRowIndex(n));
                break;
            }
    }
    if (Col() >= ColCount()) SetCol(FixedCols());
    if (FixedRows() < RowCount()) SetRow(FixedRows());
}

// Grouping adds rows and takes a column away, so the scroll bars and with them the client area
// may change: the width nudge docks the panel at the bottom again, the controls follow its width.
void TExtStringGrid::RelayoutSearchPanel()
{
    if (!SearchPanel || !m_searchFooter->Visible()) return;
    SearchPanel->SetWidth(SearchPanel->Width() + 1);
    SearchPanel->SetWidth(SearchPanel->Width() - 1);
    SearchPanel->PlaceControls();
}

// Clears and removes one header or summary row, its merge split or its row colours reset first.
void TExtStringGrid::RemoveGroupRow(Integer ARow, bool Merged, TColor Color, TColor ColorTo)
{
    if (Merged)
        SplitCells(1, ARow);
    else
        ResetGroupRowLook(ARow, Color, ColorTo);
    ClearRect(0, ARow, ColCount() - 1, ARow);
    RemoveRowRange(ARow, 1, false);
}

void TExtStringGrid::SetGroupColumn(Integer Value)
{
    if (Value == -1)
        UnGroup();
    else if (Value > 0)
        Group(Value);
}

void TExtStringGrid::UnGroup()
{
    if (FGroupColumn <= 0) return;
    const TGrouping& look = *m_grouping;
    const bool expandOne = m_cellNode->ExpandOne;
    m_cellNode->ExpandOne = false;
    FGrouped = true;
    const TScopeExit done([this, expandOne] {
        FGrouped = false;
        m_cellNode->ExpandOne = expandOne;
    });
    ExpandAll();
    const Integer c = FGroupColumn;
    InsertCols(c, 1);
    SetColWidths(DisplColIndex(c), FGroupWidth);
    if (FixedRows() > 0) SetGridCell(c, 0, FGroupCaption);
    if (FixedFooters() > 0) SetGridCell(c, RowCount() - 1, FGroupFooter);
    const Integer headerCol = c == 1 ? 2 : 1;

    String value;
    for (Integer r = FixedRows(); r < RowCount() - FixedFooters();) {
        const TCellGraphic* node = NodeGraphic(r);
        if (!node) {
            SetGridCell(c, r, value);
            ++r;
            continue;
        }
        if (look.Summary) {
            const Integer s = r + node->CellIndex;
            if (s < RowCount() && IsSummary(s))
                RemoveGroupRow(s, look.MergeSummary, look.SummaryColor, look.SummaryColorTo);
        }
        value = GetGridCell(headerCol, r);
        RemoveNode(RealRowIndex(r));
        FreeCellObject(0, r);
        RemoveGroupRow(r, look.MergeHeader, look.HeaderColor, look.HeaderColorTo);
    }
    FGroupColumn = -1;
    Invalidate();
}

void TExtStringGrid::SubGroup(Integer ColIndex)
{
    const Integer c = ColIndex;
    if (c < FixedCols()) return;
    const TGrouping& look = *m_grouping;
    BeginUpdate();
    const TScopeExit done([this] { EndUpdate(); });
    FSubGroupColumn = c;
    const auto special = [this](Integer ARow) { return IsNode(ARow) || IsSummary(ARow); };
    const auto headerLook = [&](Integer ARow) {
        if (look.MergeHeader) {
            MergeCells(c + 1, ARow, ColCount() - c - 1, 1);
            ApplyGroupCellLook(c + 1, ARow, look.HeaderColor, look.HeaderColorTo, look.HeaderTextColor);
        } else {
            ApplyGroupRowLook(ARow, look.HeaderColor, look.HeaderColorTo, look.HeaderTextColor);
        }
    };
    const auto closeSub = [&](Integer Header, Integer End) {
        if (Header < 0 || special(Header)) return;
        AddNode(Header, End - Header);
        NodeGraphic(Header)->CellVar = c;
        headerLook(Header);
    };

    String previous = NoGroupValue;
    Integer header = -1;
    Integer r = FixedRows() + 1;
    while (r < RowCount() - FixedFooters()) {
        const String value = GetGridCell(c, r);
        if (value != previous || special(r)) {
            closeSub(header, r);
            if (!special(r)) {
                InsertChildRow(RealRowIndex(r), 0);
                SetGridCell(c + 1, r, value);
                header = r;
                ++r;
            }
        }
        // Data rows give their value to the sub-header; a row after a node or summary row starts
        // afresh (and the walk always moves on).
        if (r < RowCount() && !special(r - 1)) {
            previous = GetGridCell(c, r);
            SetGridCell(c, r, u"");
        } else {
            previous = NoGroupValue;
        }
        ++r;
    }
    closeSub(header, std::min(r, RowCount() - FixedFooters()));
    r = std::min(r, RowCount() - FixedFooters());
    if (look.Summary && header >= 0) {
        InsertRows(r, 1, true);
        FSubGroupSummary = true;
        MarkSummaryRow(r);
        if (look.MergeSummary) {
            MergeCells(c + 1, r, ColCount() - c - 1, 1);
            ApplyGroupCellLook(c + 1, r, look.SummaryColor, look.SummaryColorTo, look.SummaryTextColor);
        } else {
            ApplyGroupRowLook(r, look.SummaryColor, look.SummaryColorTo, look.SummaryTextColor);
        }
    }
    if (FixedRows() < RowCount()) SetRow(FixedRows());
}

void TExtStringGrid::SubUnGroup()
{
    const Integer c = FSubGroupColumn;
    if (c < 0) return;
    const TGrouping& look = *m_grouping;
    ExpandAll();
    String value;
    for (Integer r = FixedRows(); r < RowCount() - FixedFooters();) {
        const TCellGraphic* node = NodeGraphic(r);
        const Integer* var = node ? std::get_if<Integer>(&node->CellVar) : nullptr;
        if (var && *var == c) {
            value = GetGridCell(c + 1, r);
            RemoveNode(RealRowIndex(r));
            if (look.MergeHeader)
                SplitCells(c + 1, r);
            else
                ResetGroupRowLook(r, look.HeaderColor, look.HeaderColorTo);
            RemoveChildRow(RealRowIndex(r));
            continue;
        }
        if (!node && !IsSummary(r)) SetGridCell(c, r, value);
        ++r;
    }
    const Integer last = RowCount() - FixedFooters() - 1;
    if (FSubGroupSummary && last >= FixedRows() && IsSummary(last))
        RemoveGroupRow(last, look.MergeSummary && look.Summary, look.SummaryColor, look.SummaryColorTo);
    FSubGroupSummary = false;
    FSubGroupColumn = -1;
}

}  // namespace gw
