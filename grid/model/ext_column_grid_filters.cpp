// TExtColumnGrid's column filter lists, formatted cell text and column positions in an INI file.
#include "grid/foundation/number_utils.h"
#include "grid/model/column_size.h"
#include "grid/model/ext_column_grid.h"
#include "grid/model/filter.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/format.h"
#include "platform/runtime/ini_file.h"
#include "platform/runtime/scope.h"

#include <vector>

namespace gw {

namespace {

// "friendly=condition": the parts before and after the first "="; without one, the whole entry.
String FriendlyPart(const String& Entry)
{
    const auto eq = Entry.find(u'=');
    return eq == String::npos ? Entry : Entry.substr(0, eq);
}

String ConditionPart(const String& Entry)
{
    const auto eq = Entry.find(u'=');
    return eq == String::npos ? Entry : Entry.substr(eq + 1);
}

String PositionKey(Integer Index) { return u"CP" + IntToStr(Index); }

}  // namespace

String TExtColumnGrid::GetFormattedCell(Integer ACol, Integer ARow)
{
    const TGridColumnItem* item = ItemOf(ACol);
    if (item == nullptr) return TExtStringGrid::GetFormattedCell(ACol, ARow);
    String fmt = item->FloatFormat();
    const String text = GetGridCell(ACol, ARow);
    const TNumberTextClass kind = ClassifyNumberText(text);
    bool isFloat = kind == ntInteger || kind == ntDecimal;
    if (OnGetFloatFormat) OnGetFloatFormat(this, ACol, ARow, isFloat, fmt);
    if (fmt.empty() || !isFloat) return text;
    return Format(fmt, {GetFloats(ACol, ARow)});
}

bool TExtColumnGrid::GetColumnFilter(Integer ACol)
{
    FilterList()->SetSorted(false);
    TExtStringGrid::GetColumnFilter(ACol);
    return ColumnFilterList(ACol);
}

// A column grid offers filter drop-downs only for columns with a Filter list.
bool TExtColumnGrid::ColumnFilterList(Integer ACol)
{
    const TGridColumnItem* item = ItemOf(ACol);
    if (item == nullptr || item->Filter()->Count() == 0) return false;
    TStringList* list = FilterList();
    const TUpdateScope update(*list);
    list->Clear();
    for (Integer i = 0; i < item->Filter()->Count(); ++i) list->Add(FriendlyPart(item->Filter()->Strings(i)));
    return true;
}

void TExtColumnGrid::ApplyFilterListChoice(Integer ItemIndex)
{
    const TScopeExit reset([this] { FFilterCol = -1; });
    TGridColumnItem* item = ItemOf(FFilterCol);
    if (item == nullptr || ItemIndex < 0 || ItemIndex >= item->Filter()->Count()) return;
    const String entry = item->Filter()->Strings(ItemIndex);
    const String friendly = FriendlyPart(entry);
    if (AutoFilterDisplay) item->SetHeader(friendly);
    if (AutoFilterUpdate) SetFilterActive(false);
    String condition = ConditionPart(entry);
    if (OnFilterSelect) OnFilterSelect(this, FFilterCol, ItemIndex, friendly, condition);
    TFilterData* data = Filter()->GetColFilter(FFilterCol);
    data->Condition = condition;
    data->CaseSensitive = item->FilterCaseSensitive;
    if (!AutoFilterUpdate) return;
    SetFilterActive(true);
    if (RowCount() != FixedRows() && !(RowCount() == 1 && FixedRowAlways)) SetRow(FixedRows());
    DoFilterDone();
}

void TExtColumnGrid::SaveColumnPositions(const String& Key, const String& Section)
{
    TMemIniFile ini(Key);
    for (Integer i = 0; i < FColumnCollection->Count(); ++i)
        ini.WriteInteger(Section, PositionKey(i), FColumnCollection->Items(i)->DefIdx);
    ini.UpdateFile();
}

// A file whose values are not a permutation of the item indexes (a key missing, out of range,
// not a number, twice the same) changes nothing: two items with one DefIdx would have no order.
void TExtColumnGrid::LoadColumnPositions(const String& Key, const String& Section)
{
    const Integer n = FColumnCollection->Count();
    std::vector<Integer> positions;
    {
        TMemIniFile ini(Key);
        std::vector<bool> seen(static_cast<size_t>(n), false);
        for (Integer i = 0; i < n; ++i) {
            const Integer p = ini.ReadInteger(Section, PositionKey(i), -1);
            if (p < 0 || p >= n || seen[static_cast<size_t>(p)]) return;
            seen[static_cast<size_t>(p)] = true;
            positions.push_back(p);
        }
    }
    ResetColumnOrder();
    for (Integer j = 0; j < n; ++j) FColumnCollection->Items(positions[static_cast<size_t>(j)])->DefIdx = j;
    FColumnCollection->ResetOrganization();
    for (Integer i = 0; i < n; ++i) FColumnCollection->Items(i)->DefIdx = positions[static_cast<size_t>(i)];
}

void TExtColumnGrid::SaveColPositions()
{
    if (ColumnSize()->Location == clIniFile)
        SaveColumnPositions(ColumnSize()->Key, ColumnSize()->Section);
    else
        TExtStringGrid::SaveColPositions();
}

void TExtColumnGrid::LoadColPositions()
{
    if (ColumnSize()->Location == clIniFile)
        LoadColumnPositions(ColumnSize()->Key, ColumnSize()->Section);
    else
        TExtStringGrid::LoadColPositions();
}

}  // namespace gw
