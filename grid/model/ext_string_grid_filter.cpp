// The string grid's filtering: matching a row against the conditions of Filter, applying them as
// stacked filter levels of hidden rows, taking levels back, type-ahead narrowing and the
// drop-down lists of column values.
//
// A value collected from a column is matched literally (column_filter_values.h), so a cell text
// such as "R&D", "<5" or "a=b" picked from the list shows exactly its own rows; narrowing looks
// for what was typed as plain text. Taking filters back only ever shows rows a filter hid: rows
// of contracted nodes and rows hidden by index stay hidden.
#include "grid/foundation/csv_utils.h"
#include "grid/model/column_filter_values.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/filter.h"
#include "grid/model/floating_footer.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/strings.h"

#include <cmath>
#include <utility>

namespace gw {

namespace {

// Marks the entries of FilterList that were collected from the column, whatever a program's
// OnGetColumnFilter adds or moves around them.
class TCollectedFilterEntry : public TObject {};
TCollectedFilterEntry CollectedFilterEntry;

bool Combine(TFilterOperation Operation, bool Result, bool Match)
{
    switch (Operation) {
    case foSHORT:
    case foNONE: return Match;
    case foAND: return Result && Match;
    case foXOR: return Result != Match;
    case foOR: return Result || Match;
    }
    return Match;
}

// The text with Prefix taken off its start and Suffix off its end, where they stand.
String WithoutAffixes(String Text, const TFilterData& Condition)
{
    if (!Condition.Prefix.empty() && Text.starts_with(Condition.Prefix)) Text.erase(0, Condition.Prefix.size());
    if (!Condition.Suffix.empty()) {
        const auto at = Text.find(Condition.Suffix);
        if (at != String::npos && at + Condition.Suffix.size() == Text.size()) Text.erase(at);
    }
    return Text;
}

}  // namespace

String TExtStringGrid::FilterCellText(const TFilterData& Condition, Integer ARow)
{
    String text;
    switch (Condition.Data) {
    case fcVirtual: text = GetCellEx(Condition.Column, ARow); break;
    case fcNormal: text = GetGridCell(Condition.Column, ARow); break;
    case fcStripHTML: text = GetStrippedCell(Condition.Column, ARow); break;
    case fcCalculated: GetEvaluatedCell(Condition.Column, ARow, text); break;
    case fcRow:
        for (Integer c = 0; c < ColCount(); ++c) text += GetGridCell(c, ARow) + u"\r\n";
        break;
    }
    // Most texts have nothing to trim: they keep their buffer.
    if (!text.empty() && (text.front() <= u' ' || text.back() <= u' ')) text = Trim(text);
    if (text.find(u"|\\") != String::npos) text = DecodeWideCellText(text);
    return text;
}

bool TExtStringGrid::RowMatchesFilter(Integer ARow)
{
    bool result = true;
    for (Integer i = 0; i < m_filter->Count(); ++i) {
        const TFilterData& condition = *m_filter->Items(i);
        String text = FilterCellText(condition, ARow);
        bool match = false;
        if (condition.Data == fcRow)
            match = UpperCase(text).find(UpperCase(condition.Condition)) != String::npos;
        else
            match = FilterConditionMatches(condition.Condition, condition.Method, condition.CaseSensitive,
                                           WithoutAffixes(std::move(text), condition));
        result = Combine(condition.Operation, result, match);
        if (condition.Operation == foSHORT && !result) break;
    }
    if (OnCustomFilter) OnCustomFilter(this, ARow, result);
    return result;
}

void TExtStringGrid::FilterRow(Integer ARow)
{
    if (!RowMatchesFilter(ARow)) HideRows(RealRowIndex(ARow), RealRowIndex(ARow));
}

void TExtStringGrid::ApplyFilter()
{
    FFilterFixedRows = FixedRows();
    const Integer first = FixedRows();
    const Integer last = RowCount() - FFixedFooters - 1;
    const Integer total = last - first + 1;
    TIntList failing(0, 0);
    int16_t progress = 0;
    for (Integer r = first; r <= last; ++r) {
        const TCellType kind = GetCellType(0, r);
        const bool structural = kind == ctNode || kind == ctSummary;
        if (!(FilterNormalCellsOnly && structural) && !RowMatchesFilter(r)) failing.Add(r);
        if (OnFilterProgress && total > 0) {
            progress = static_cast<int16_t>(std::nearbyint((r - first + 1) * 100.0 / total));
            OnFilterProgress(this, progress);
        }
    }
    HideRowList(failing);
    if (OnFilterProgress && total > 0) OnFilterProgress(this, progress);
}

void TExtStringGrid::SetFilterActive(bool Value)
{
    if (Value != m_filterActive) {
        if (Value) {
            const bool outside = Row() < 0 || Row() >= RowCount() || Col() < 0 || Col() >= ColCount();
            if (outside && FixedRows() < RowCount() && FixedCols() < ColCount()) FocusCell(FixedCols(), FixedRows());
            BeginUpdate();
            try {
                ApplyFilter();
            } catch (...) {
                EndUpdate();
                throw;
            }
            EndUpdate();
            FSelHidden = false;
        } else {
            ShowFilterLevelAgain();
        }
        m_filterActive = Value;
        SetTopRowEx(FixedRows());
    }
    RecalcFooter();
}

void TExtStringGrid::ShowFilterLevelAgain()
{
    UnHideRowList();
    if (FFilterFixedRows >= 0 && FFilterFixedRows < RowCount() && FFilterFixedRows != FixedRows())
        SetFixedRows(FFilterFixedRows);
    if (FSelHidden) UnHideSelection();
}

bool TExtStringGrid::RemoveLastFilter()
{
    if (FHiddenRows.FilterLevel() <= 0) return false;
    ShowFilterLevelAgain();
    RecalcFooter();
    FHiddenRows.LowerFilterLevel();
    return FHiddenRows.FilterLevel() > 0;
}

void TExtStringGrid::RemoveAllFilters()
{
    if (FHiddenRows.FilterLevel() == 0) {
        m_filter->Clear();
        return;
    }
    while (FHiddenRows.FilterLevel() > 0) RemoveLastFilter();
}

void TExtStringGrid::SetNarrowingCondition(const String& Text, Integer AColumn)
{
    m_filter->Clear();
    TFilterData* condition = m_filter->Add();
    condition->Column = static_cast<int16_t>(AColumn);
    condition->CaseSensitive = false;
    condition->Condition = Text;
    if (AColumn == -1) {
        condition->Data = fcRow;
    } else {
        condition->Data = fcNormal;
        condition->Method = fmContains;
    }
}

void TExtStringGrid::NarrowDown(const String& AText, Integer AColumn)
{
    FixedRowAlways = true;
    const String& last = FNarrowDownText;
    if (!last.empty() && AText.size() == last.size() + 1 && AText.starts_with(last)) {
        SetNarrowingCondition(AText, AColumn);
        ApplyFilter();
    } else if (!AText.empty() && last.size() == AText.size() + 1 && last.starts_with(AText)) {
        RemoveLastFilter();
    } else {
        RemoveAllFilters();
        if (!AText.empty()) {
            SetNarrowingCondition(AText, AColumn);
            ApplyFilter();
        }
    }
    // An empty text has taken every filter level back; rows hidden otherwise stay hidden.
    FNarrowDownText = AText;
}

bool TExtStringGrid::GetColumnFilter(Integer ACol)
{
    m_filterList->Clear();
    if (FilterDropDownAuto && (ACol >= FixedCols() || FilterDropDownColumns == fdAll)) {
        std::vector<String> texts;
        for (Integer r = FixedRows(); r <= RowCount() - FFixedFooters - 1; ++r) texts.push_back(GetCellEx(ACol, r));
        if (!FilterIncremental) {
            for (Integer i = 0; i < FHiddenRows.Count(); ++i) texts.push_back(FHiddenRows.Items(i).Items.Strings(ACol));
        }
        // The values come in the drop-down's order; the list keeps them as they come.
        m_filterList->SetSorted(false);
        for (const String& value : ColumnFilterValues(std::move(texts)))
            m_filterList->AddObject(value, &CollectedFilterEntry);
        if (!FilterDropDownClear.empty()) m_filterList->Insert(0, FilterDropDownClear);
    }
    if (OnGetColumnFilter) OnGetColumnFilter(this, ACol, m_filterList.get());
    return m_filterList->Count() > 0;
}

bool TExtStringGrid::IsCollectedFilterEntry(Integer Index) const
{
    return m_filterList->Objects(Index) == &CollectedFilterEntry;
}

void TExtStringGrid::ApplyFilterListChoice(Integer ItemIndex)
{
    if (CanFocus()) SetFocus();
    const Integer col = FFilterCol;
    if (col < 0 || col >= AllColCount()) return;
    GetColumnFilter(col);
    if (ItemIndex < 0 || ItemIndex >= m_filterList->Count()) return;
    const TFilterChoice offered =
        FilterChoiceOf(m_filterList->Strings(ItemIndex), IsCollectedFilterEntry(ItemIndex), FilterDropDownClear);
    if (AutoFilterUpdate) SetFilterActive(false);
    String condition = offered.Condition;
    if (OnFilterSelect) OnFilterSelect(this, col, ItemIndex, offered.FriendlyName, condition);
    const TFilterChoice choice = AfterFilterEvent(offered, condition);
    if (RemovesCondition(choice)) {
        m_filter->RemoveColumnFilter(col);
    } else {
        TFilterData* data = m_filter->GetColFilter(col);
        data->Condition = choice.Condition;
        data->Method = choice.Method;
    }
    if (AutoFilterUpdate) {
        FixedRowAlways = true;
        SetFilterActive(true);
        if (RowCount() > FixedRows() && RowCount() > 1) SetRowEx(FixedRows());
        DoFilterDone();
    }
    FFilterCol = -1;
}

void TExtStringGrid::RecalcFooter()
{
    // Only a visible floating footer has anything to recalculate.
    if (m_floatingFooter->Visible()) CalcFooter(-1);
}

}  // namespace gw
