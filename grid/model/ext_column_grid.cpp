// TExtColumnGrid: the column collection kept in step with the grid, and the per-cell questions
// answered from the column first.
#include "grid/model/ext_column_grid.h"

#include "grid/foundation/bands.h"
#include "grid/foundation/cell_properties.h"
#include "grid/model/column_stream.h"
#include "grid/model/control_look.h"
#include "platform/graphics/brush.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/streams.h"
#include "platform/ui/menus.h"

#include <algorithm>
#include <cmath>

namespace gw {

TExtColumnGrid::TExtColumnGrid(TComponent* AOwner) : TExtStringGrid(AOwner)
{
    FColumnCollection = CreateColumns();
    {
        const TTemporaryChange guard(FColumnCollection->FNoRecursiveUpdate, true);
        SyncColumnCount();
    }
    FCellGraphic = std::make_unique<TCellGraphic>();
    FSaveCol = std::make_unique<TGridColumnItem>(nullptr);
}

TExtColumnGrid::~TExtColumnGrid()
{
    FColumnCollection.reset();
    FCellGraphic.reset();
    FSaveCol.reset();
}

std::unique_ptr<TGridColumnCollection> TExtColumnGrid::CreateColumns()
{
    return std::make_unique<TGridColumnCollection>(this);
}

void TExtColumnGrid::Loaded()
{
    TExtStringGrid::Loaded();
    SyncColumnCount();
    FColumnCollection->SetOrganization();
}

void TExtColumnGrid::SetColCount(Integer Value)
{
    TExtStringGrid::SetColCount(Value);
    const TTemporaryChange guard(FColumnCollection->FNoRecursiveUpdate, true);
    SyncColumnCount();
}

void TExtColumnGrid::SyncColumnCount()
{
    if (!FColumnCollection) return;
    const Integer total = ColCount() + NumHiddenColumns();
    while (FColumnCollection->Count() < total) FColumnCollection->Add();
    while (FColumnCollection->Count() > total) FColumnCollection->Delete(FColumnCollection->Count() - 1);
    if (!IsDesigning()) return;
    for (Integer i = 0; i < ColCount(); ++i) SetGridCell(i, FixedRows(), u"Column " + IntToStr(i));
}

TGridColumnItem* TExtColumnGrid::GetColumnByName(const String& AValue) const
{
    for (Integer i = 0; i < FColumnCollection->Count(); ++i)
        if (FColumnCollection->Items(i)->Name == AValue) return FColumnCollection->Items(i);
    return nullptr;
}

void TExtColumnGrid::UpdateColumnHeaders()
{
    if (FixedRows() == 0) return;
    TStringList* headers = ColumnHeaders();
    const TUpdateScope update(*headers);
    headers->Clear();
    for (Integer i = 0; i < FColumnCollection->Count(); ++i) {
        TGridColumnItem* item = FColumnCollection->Items(i);
        const String cell = GetGridCell(i, 0);
        if (item->Header().empty() && !cell.empty()) item->SetHeaderField(cell);
        headers->Add(item->Header());
    }
}

void TExtColumnGrid::ColumnHeadersChanged()
{
    const TStringList* headers = ColumnHeaders();
    const Integer n = std::min(FColumnCollection->Count(), headers->Count());
    for (Integer i = 0; i < n; ++i) FColumnCollection->Items(i)->SetHeaderField(headers->Strings(i));
}

Integer TExtColumnGrid::GetAllColWidths(Integer ACol) const
{
    if (IsHiddenColumn(ACol)) return FColumnVisibility.StoredWidth(RealCol(ACol));
    const Integer displ = DisplColIndex(ACol);
    return displ >= 0 && displ < ColCount() ? ColWidths(displ) : DefaultColWidth();
}

void TExtColumnGrid::SetAllColWidths(Integer ACol, Integer Value)
{
    if (IsHiddenColumn(ACol)) return;
    const Integer displ = DisplColIndex(ACol);
    if (displ >= 0 && displ < ColCount()) SetColWidths(displ, Value);
}

void TExtColumnGrid::ColWidthsChanged()
{
    TExtStringGrid::ColWidthsChanged();
    if (!FColumnCollection || IsLoading() || FDestroying) return;
    for (Integer c = 0; c < ColCount(); ++c) {
        const Integer r = RealColIndex(c);
        if (r < FColumnCollection->Count()) FColumnCollection->Items(r)->SetWidthField(ColWidths(c));
    }
}

void TExtColumnGrid::AllCellsChanged()
{
    TExtStringGrid::AllCellsChanged();
    const TTemporaryChange guard(FColumnCollection->FNoRecursiveUpdate, true);
    SyncColumnCount();
}

void TExtColumnGrid::InsertCols(Integer ColIndex, Integer CCount)
{
    TExtStringGrid::InsertCols(ColIndex, CCount);
    const TTemporaryChange guard(FColumnCollection->FNoRecursiveUpdate, true);
    const Integer at = std::clamp(ColIndex, 0, FColumnCollection->Count());
    for (Integer i = 0; i < CCount; ++i) FColumnCollection->Insert(at);
}

// As many items go as the string grid took columns: it may have cut the count.
void TExtColumnGrid::RemoveCols(Integer ColIndex, Integer CCount)
{
    const Integer before = ColCount() + NumHiddenColumns();
    TExtStringGrid::RemoveCols(ColIndex, CCount);
    const Integer gone = before - (ColCount() + NumHiddenColumns());
    const TTemporaryChange guard(FColumnCollection->FNoRecursiveUpdate, true);
    for (Integer i = 0; i < gone && ColIndex >= 0 && ColIndex < FColumnCollection->Count(); ++i)
        FColumnCollection->Delete(ColIndex);
    SyncColumnCount();
}

void TExtColumnGrid::Group(Integer ColIndex)
{
    if (ColIndex >= 0 && ColIndex < FColumnCollection->Count())
        FSaveCol->AssignAll(*FColumnCollection->Items(ColIndex));
    TExtStringGrid::Group(ColIndex);
}

void TExtColumnGrid::UnGroup()
{
    const Integer grouped = FGroupColumn;
    TExtStringGrid::UnGroup();
    if (grouped >= 0 && grouped < FColumnCollection->Count()) FColumnCollection->Items(grouped)->AssignAll(*FSaveCol);
}

// The item itself moves, so that it keeps every setting.
void TExtColumnGrid::ColumnMoved(Integer FromIndex, Integer ToIndex)
{
    const TTemporaryChange guard(FColumnCollection->FNoRecursiveUpdate, true);
    const Integer top = TopRow();
    const Integer realFrom = RealColIndex(FromIndex);
    const Integer realTo = RealColIndex(ToIndex);
    TExtStringGrid::ColumnMoved(FromIndex, ToIndex);
    {
        BeginUpdate();
        const TScopeExit end([this] { EndUpdate(); });
        const TTemporaryChange moving(FColMoving, true);
        const Integer count = FColumnCollection->Count();
        if (realFrom >= 0 && realFrom < count && realTo >= 0 && realTo < count)
            FColumnCollection->Items(realFrom)->SetIndex(realTo);
        if (TopRow() != top) SetTopRow(top);
    }
    if (OnAfterColumnMoved) OnAfterColumnMoved(this, realFrom, realTo);
}

void TExtColumnGrid::ChangeScale(Integer M, Integer D)
{
    TExtStringGrid::ChangeScale(M, D);
    if (IsDesigning() || M == D || D == 0) return;
    const auto scale = [M, D](TFont* F) {
        F->SetSize(static_cast<Integer>(std::lround(static_cast<double>(F->Size()) * M / D)));
    };
    const Integer n = std::min(ColCount(), FColumnCollection->Count());
    for (Integer i = 0; i < n; ++i) {
        scale(FColumnCollection->Items(i)->Font());
        scale(FColumnCollection->Items(i)->HeaderFont());
    }
}

void TExtColumnGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    TExtStringGrid::Notification(AComponent, Operation);
    if (Operation != opRemove || !FColumnCollection) return;
    for (Integer i = 0; i < FColumnCollection->Count(); ++i) {
        TGridColumnItem* item = FColumnCollection->Items(i);
        if (item->EditLink() == AComponent) item->SetEditLink(nullptr);
        if (item->ColumnPopup() == AComponent) item->SetColumnPopup(nullptr);
    }
}

Integer TExtColumnGrid::GetVersionNr() const { return (3 << 24) | (1 << 16) | (3 << 8) | 1; }

String TExtColumnGrid::GetVersionString() const
{
    const Integer v = GetVersionNr();
    return IntToStr(v >> 24) + u"." + IntToStr((v >> 16) & 0xFF) + u"." + IntToStr((v >> 8) & 0xFF) + u"." +
        IntToStr(v & 0xFF) + u" Aug, 2012";
}

// ---- the column stream ----

void TExtColumnGrid::SaveColumnsToStream(TStream* Stream) const
{
    Stream->WriteBuffer(WriteColumnStream(*FColumnCollection));
}

// Read into a spare collection first: only a whole, good stream replaces the columns. Every
// property is taken (AssignAll), the three that Assign leaves out too.
void TExtColumnGrid::LoadColumnsFromStream(TStream* Stream)
{
    const std::string bytes = Stream->ReadRest();
    TGridColumnCollection spare(nullptr);
    TComponent* const owner = Owner();
    ReadColumnStream(bytes, spare, [owner](const String& Name) -> TComponent* {
        return owner != nullptr ? owner->FindComponent(Name) : nullptr;
    });
    {
        const TTemporaryChange guard(FColumnCollection->FNoRecursiveUpdate, true);
        const TUpdateScope update(*FColumnCollection);
        FColumnCollection->Clear();
        for (Integer i = 0; i < spare.Count(); ++i) {
            TGridColumnItem* item = FColumnCollection->Insert(FColumnCollection->Count());
            item->AssignAll(*spare.Items(i));
        }
    }
    Invalidate();
}

// ---- pop-up menus ----

void TExtColumnGrid::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TExtStringGrid::MouseDown(Button, Shift, X, Y);
    Integer col = -1;
    Integer row = -1;
    MouseToCell(X, Y, col, row);
    if (col < 0 || row < 0) return;
    ColumnPopupClick(Button, col, row);
}

// ACol is the displayed column: the menu is that of its real column's item.
void TExtColumnGrid::ColumnPopupClick(TMouseButton Button, Integer ACol, Integer ARow)
{
    TGridColumnItem* item = ItemOf(RealColIndex(ACol));
    if (item == nullptr || item->ColumnPopup() == nullptr) return;
    const TColumnPopupType type = item->ColumnPopupType;
    const bool left = type == cpFixedCellsLClick || type == cpNormalCellsLClick || type == cpAllCellsLClick;
    if ((Button == mbLeft) != left || (Button != mbLeft && Button != mbRight)) return;
    TPopupMenu* menu = item->ColumnPopup();
    if (OnColumnPopup) OnColumnPopup(this, ACol, ARow, menu);
    const bool fixedType = type == cpFixedCellsRClick || type == cpFixedCellsLClick;
    const bool normalType = type == cpNormalCellsRClick || type == cpNormalCellsLClick;
    const bool header = ARow < FixedRows();
    if ((header && !normalType) || (!header && !fixedType)) {
        const TRect r = CellRect(ACol, ARow);
        const TPoint p = ClientToScreen(TPoint{r.Left, r.Bottom});
        menu->Popup(p.X, p.Y);
    }
}

}  // namespace gw
