// The grid cell store: texts through base cells, the object slots that own the cell properties,
// rows and columns inserted and deleted with their properties, and merged cells.
#include "grid/foundation/base_grid.h"

#include "grid/foundation/csv_utils.h"
#include "grid/foundation/undo_redo.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/unicode.h"

#include <algorithm>
#include <limits>

namespace gw {

namespace {

// The last index of a range that runs to the end of the store.
constexpr Integer AllCells = std::numeric_limits<Integer>::max() - 1;

}  // namespace

TBaseGrid::TBaseGrid(TComponent* AOwner) : TStringGrid(AOwner)
{
    SetGridLineWidth(FGridLineWidth);
    SetDefaultDrawing(FDefaultDrawing);
}

TBaseGrid::~TBaseGrid()
{
    // Every slot of the store, inside the counts or not: cells beyond them keep what was
    // written there. The undo component hears of the end through free notification.
    Destroying();
    FreeAllCellObjects();
}

// --- cell text ---------------------------------------------------------------------------------------

String TBaseGrid::GetCellEx(Integer ACol, Integer ARow) { return DisplayText(BaseCell(ACol, ARow)); }

void TBaseGrid::SetCellEx(Integer ACol, Integer ARow, StringView Value)
{
    const TCellProperties* props = Props(ACol, ARow);
    WriteCell(ACol, ARow, props ? props->GetBaseCell(ACol, ARow) : Point(ACol, ARow), props != nullptr, Value);
}

String TBaseGrid::ExchangeCellEx(Integer ACol, Integer ARow, const String& Value)
{
    return ExchangeCellEx(ACol, ARow, FHasCellProps ? GetGridObject(ACol, ARow) : nullptr, Value);
}

String TBaseGrid::ExchangeCellEx(Integer ACol, Integer ARow, const TCellProperties* Slot, const String& Value)
{
    // The cell's slot is found once for both halves; only its base cell and whether it has
    // properties are kept across the display hooks, never the slot itself.
    const TCellProperties* props = PropsInGrid(Slot, ACol, ARow) ? Slot : nullptr;
    const TPoint base = props ? props->GetBaseCell(ACol, ARow) : Point(ACol, ARow);
    const bool hasProps = props != nullptr;
    String old = DisplayText(base);
    WriteCell(ACol, ARow, base, hasProps, Value);
    return old;
}

String TBaseGrid::DisplayText(TPoint Base)
{
    String text = Cells(Base.X, Base.Y);
    if (Base.Y < FNormalRowCount) {
        GetDisplText(Base.X, Base.Y, text);
        if (OnGetDisplWideText) {
            String wide = DecodeWideCellText(text);
            GetDisplWideText(Base.X, Base.Y, wide);
            text = EncodeWideCellText(wide);
        }
    }
    return text;
}

void TBaseGrid::WriteCell(Integer ACol, Integer ARow, TPoint Base, bool HasProps, StringView Value)
{
    if (HasProps) {
        SetCells(Base.X, Base.Y, Value);
        CellChanged(Base.X, Base.Y);
        if (Parent()) RepaintCell(ACol, ARow);
    } else {
        SetCells(ACol, ARow, Value);
    }
    if (FHideLastRow && ARow == RowCount() - 1) HiddenLastRowChanged();
}

void TBaseGrid::GetDisplText(Integer ACol, Integer ARow, String& Value)
{
    if (OnGetDisplText) OnGetDisplText(this, ACol, ARow, Value);
}

void TBaseGrid::GetDisplWideText(Integer ACol, Integer ARow, String& Value)
{
    if (OnGetDisplWideText) OnGetDisplWideText(this, ACol, ARow, Value);
}

// --- object slots ------------------------------------------------------------------------------------

TCellProperties* TBaseGrid::Props(Integer ACol, Integer ARow) const
{
    // Every text read and write asks: a grid without properties answers without a lookup, and
    // the (virtual) range test runs only for a slot that holds some.
    if (!FHasCellProps) return nullptr;
    auto* props = static_cast<TCellProperties*>(CellStore().Object(ACol, ARow));
    return PropsInGrid(props, ACol, ARow) ? props : nullptr;
}

bool TBaseGrid::PropsInGrid(const TCellProperties* Slot, Integer ACol, Integer ARow) const
{
    return Slot && FHasCellProps && ACol < TotalColCount() && ARow < RowCount();
}

bool TBaseGrid::CellHasProperties(Integer ACol, Integer ARow) const { return Props(ACol, ARow) != nullptr; }

void TBaseGrid::CheckCell(Integer ACol, Integer ARow, const char* What) const
{
    if (ACol >= 0 && ARow >= 0 && ACol < TotalColCount() && ARow < RowCount()) return;
    throw EInvalidGridOperation(Utf8ToString(What) + u": cell (" + IntToStr(ACol) + u", " + IntToStr(ARow) +
                                u") lies outside the grid");
}

TCellProperties* TBaseGrid::GetGridObject(Integer ACol, Integer ARow) const
{
    return static_cast<TCellProperties*>(CellStore().Object(ACol, ARow));
}

void TBaseGrid::SetGridObject(Integer ACol, Integer ARow, TCellProperties* Value)
{
    if (ACol < 0 || ARow < 0) throw EInvalidGridOperation(u"SetGridObject: negative cell index");
    CellStore().ColumnHint = ColCount();
    CellStore().SetObject(ACol, ARow, Value);
    if (Value) FHasCellProps = true;  // properties made for no grid or another one count too
}

TCellProperties* TBaseGrid::NewCellProperties(Integer ACol, Integer ARow)
{
    auto* props = new TCellProperties(this, ACol, ARow);
    SetGridObject(ACol, ARow, props);
    TFont font;
    TBrush brush;
    TCellLook look;
    look.WW = WordWrap;
    GetCellDefaults(ACol, ARow, font, brush, look);
    props->CalcType = acNONE;
    props->Alignment = look.HA;
    props->SetVAlignment(look.VA);
    props->SetWordWrap(look.WW);
    props->FontName = font.Name();
    props->FontSize = font.Size();
    props->FontStyle = font.Style();
    props->FontColor = font.Color();
    props->SetBrushColor(brush.Color());
    props->SetBrushColorTo(look.ColorTo);
    props->GradientDirection = look.GD;
    return props;
}

void TBaseGrid::GetCellDefaults(Integer /*ACol*/, Integer /*ARow*/, TFont& AFont, TBrush& ABrush, TCellLook& Look)
{
    AFont.Assign(Font());
    ABrush.SetColor(Color());
    Look = TCellLook{.WW = WordWrap};
}

TCellProperties* TBaseGrid::GetCellProperties(Integer ACol, Integer ARow)
{
    CheckCell(ACol, ARow, "GetCellProperties");
    TCellProperties* props = GetGridObject(ACol, ARow);
    return props ? props : NewCellProperties(ACol, ARow);
}

void TBaseGrid::SetCellProperties(Integer ACol, Integer ARow, TCellProperties* Value)
{
    CheckCell(ACol, ARow, "SetCellProperties");
    TCellProperties* old = GetGridObject(ACol, ARow);
    if (old == Value) return;  // storing what the slot holds must not free it
    SetGridObject(ACol, ARow, Value);
    delete old;
}

TObject* TBaseGrid::GetObjectEx(Integer ACol, Integer ARow) const
{
    const TCellProperties* props = GetGridObject(ACol, ARow);
    return props ? props->CellObject : nullptr;
}

template <class Change>
void TBaseGrid::WithText(Integer ACol, Integer ARow, Change&& Apply)
{
    const bool empty = GetCellEx(ACol, ARow).empty();
    if (empty) SetCellEx(ACol, ARow, u" ");
    Apply(*GetCellProperties(ACol, ARow));
    if (empty) SetCellEx(ACol, ARow, u"");
}

void TBaseGrid::SetObjectEx(Integer ACol, Integer ARow, TObject* Value)
{
    CheckCell(ACol, ARow, "SetObjectEx");
    WithText(ACol, ARow, [&](TCellProperties& Props) { Props.CellObject = Value; });
}

TObject* TBaseGrid::GetGraphicObjectEx(Integer ACol, Integer ARow) const
{
    return GraphicOfProperties(GetGridObject(ACol, ARow));
}

void TBaseGrid::SetGraphicObjectEx(Integer ACol, Integer ARow, TObject* Value)
{
    if (ComponentState() & csDestroying) return;
    CheckCell(ACol, ARow, "SetGraphicObjectEx");
    WithText(ACol, ARow, [&](TCellProperties& Props) { Props.SetGraphicObject(Value); });
}

void TBaseGrid::FreeCellObject(Integer ACol, Integer ARow)
{
    TCellProperties* props = GetGridObject(ACol, ARow);
    if (!props) return;
    SetGridObject(ACol, ARow, nullptr);
    delete props;
}

void TBaseGrid::FreeCellPropertiesRange(Integer FromCol, Integer FromRow, Integer ToCol, Integer ToRow)
{
    if (FHasCellProps) FreeSlots(FromCol, FromRow, ToCol, ToRow);
}

void TBaseGrid::FreeSlots(Integer FromCol, Integer FromRow, Integer ToCol, Integer ToRow)
{
    // The properties free their TCellGraphic themselves.
    for (Integer r = std::max(FromRow, 0); r <= ToRow && r < CellStore().RowExtent(); ++r)
        for (Integer c = std::max(FromCol, 0); c <= ToCol && c < CellStore().ColumnExtent(r); ++c) FreeCellObject(c, r);
}

void TBaseGrid::FreeAllCellObjects() { FreeSlots(0, 0, AllCells, AllCells); }

void TBaseGrid::EmptyCell(Integer ACol, Integer ARow)
{
    SetCellEx(ACol, ARow, u"");
    if (GetGridObject(ACol, ARow)) SetGridObject(ACol, ARow, nullptr);
}

void TBaseGrid::EmptyRow(Integer ARow)
{
    for (Integer c = 0; c < ColCount(); ++c) {
        if (GetGridObject(c, ARow)) SetGridObject(c, ARow, nullptr);
        SetCellEx(c, ARow, u"");
    }
}

void TBaseGrid::EmptyColumn(Integer ACol)
{
    for (Integer r = 0; r < RowCount(); ++r) {
        if (GetGridObject(ACol, r)) SetGridObject(ACol, r, nullptr);
        SetCellEx(ACol, r, u"");
    }
}

// --- rows and columns --------------------------------------------------------------------------------

void TBaseGrid::FreeCellsOfRows(Integer At, Integer Count) { FreeSlots(0, At, AllCells, At + Count - 1); }

void TBaseGrid::FreeCellsOfCols(Integer At, Integer Count) { FreeSlots(At, 0, At + Count - 1, AllCells); }

void TBaseGrid::InsertRows(Integer At, Integer Count)
{
    if (At < 0 || At > RowCount())
        throw EInvalidGridOperation(u"InsertRows: row " + IntToStr(At) + u" outside the grid");
    if (Count <= 0) return;
    if (Count > std::numeric_limits<Integer>::max() - RowCount())
        throw EInvalidGridOperation(u"InsertRows: too many rows");
    CellStore().InsertRows(At, Count);
    SetRowCount(RowCount() + Count);
}

void TBaseGrid::InsertCols(Integer At, Integer Count)
{
    if (At < 0 || At > TotalColCount())
        throw EInvalidGridOperation(u"InsertCols: column " + IntToStr(At) + u" outside the grid");
    if (Count <= 0) return;
    if (Count > std::numeric_limits<Integer>::max() - ColCount())
        throw EInvalidGridOperation(u"InsertCols: too many columns");
    CellStore().InsertColumns(At, Count);
    SetColCount(ColCount() + Count);
}

void TBaseGrid::DeleteRows(Integer At, Integer Count)
{
    if (At < 0 || At >= RowCount())
        throw EInvalidGridOperation(u"DeleteRows: row " + IntToStr(At) + u" outside the grid");
    Count = std::min(Count, RowCount() - At);
    if (Count <= 0) return;
    FreeCellsOfRows(At, Count);
    CellStore().DeleteRows(At, Count);
    SetRowCount(std::max(RowCount() - Count, FixedRows() + 1));
}

void TBaseGrid::DeleteCols(Integer At, Integer Count)
{
    if (At < 0 || At >= TotalColCount())
        throw EInvalidGridOperation(u"DeleteCols: column " + IntToStr(At) + u" outside the grid");
    Count = std::min(Count, TotalColCount() - At);
    if (Count <= 0) return;
    FreeCellsOfCols(At, Count);
    CellStore().DeleteColumns(At, Count);
    SetColCount(std::max(ColCount() - Count, FixedCols() + 1));
}

void TBaseGrid::MoveRowCells(Integer From, Integer To, Integer FirstCol)
{
    if (From < 0 || From >= RowCount() || To < 0 || To >= RowCount())
        throw EInvalidGridOperation(u"MoveRowCells: row " + IntToStr(From < 0 || From >= RowCount() ? From : To) +
                                    u" outside the grid");
    if (From == To) return;
    CellStore().MoveRow(From, To, std::max(FirstCol, 0));
    // An editor open in a row that moved shows what its cell holds now.
    const Integer low = std::min(From, To);
    const Integer high = std::max(From, To);
    if (EditorHolds(Col(), Row()) && Row() >= low && Row() <= high) UpdateEditor();
    if (FHideLastRow && high == RowCount() - 1) HiddenLastRowChanged();
    // Only the moved cells change: the headers, the cells before FirstCol and the rest stay.
    InvalidateCells({ShownColOf(std::max(FirstCol, 0)), low, ColCount() - 1, high});
}

void TBaseGrid::ClearRowCells(Integer ARow, Integer FirstCol)
{
    if (ARow < 0 || ARow >= RowCount()) return;
    FirstCol = std::max(FirstCol, 0);
    FreeSlots(FirstCol, ARow, AllCells, ARow);
    for (Integer c = FirstCol; c < CellStore().ColumnExtent(ARow); ++c) SetCells(c, ARow, u"");
    if (FHideLastRow && ARow == RowCount() - 1) HiddenLastRowChanged();
    // Freed properties change the look of cells whose text was empty already.
    InvalidateCells({ShownColOf(FirstCol), ARow, ColCount() - 1, ARow});
}

// --- merged cells ------------------------------------------------------------------------------------

void TBaseGrid::MergeCells(Integer ACol, Integer ARow, Integer SpanX, Integer SpanY)
{
    if (SpanX >= 1 && SpanY >= 1) {
        CheckCell(ACol, ARow, "MergeCells");
        // The last cell from the first one and the spans, which may be as large as they like.
        CheckCell(Integer(std::min<int64_t>(int64_t(ACol) + SpanX - 1, TotalColCount())),
                  Integer(std::min<int64_t>(int64_t(ARow) + SpanY - 1, RowCount())), "MergeCells");
    }
    ++FMergeCount;
    for (Integer c = ACol; c < ACol + SpanX; ++c)
        for (Integer r = ARow; r < ARow + SpanY; ++r) {
            TCellProperties* props = GetCellProperties(c, r);
            const bool base = c == ACol && r == ARow;
            props->IsBaseCell = base;
            props->CellSpanX = base ? SpanX - 1 : c - ACol;
            props->CellSpanY = base ? SpanY - 1 : r - ARow;
        }
    for (Integer c = ACol; c < ACol + SpanX; ++c)
        for (Integer r = ARow; r < ARow + SpanY; ++r) RepaintCell(c, r);
}

void TBaseGrid::SplitCells(Integer ACol, Integer ARow)
{
    CheckCell(ACol, ARow, "SplitCells");
    const TPoint base = GetCellProperties(ACol, ARow)->GetBaseCell(ACol, ARow);
    --FMergeCount;
    // A merge whose base lies outside (a row moved away from it) leaves the cell alone.
    const TCellProperties* baseProps = Props(base.X, base.Y);
    if (!baseProps) return;
    const Integer lastCol = std::min(base.X + baseProps->CellSpanX, TotalColCount() - 1);
    const Integer lastRow = std::min(base.Y + baseProps->CellSpanY, RowCount() - 1);
    for (Integer c = base.X; c <= lastCol; ++c)
        for (Integer r = base.Y; r <= lastRow; ++r) {
            TCellProperties* props = GetCellProperties(c, r);
            props->IsBaseCell = true;
            props->CellSpanX = -1;
            props->CellSpanY = -1;
        }
    for (Integer c = base.X; c <= lastCol; ++c)
        for (Integer r = base.Y; r <= lastRow; ++r) RepaintCell(c, r);
}

TPoint TBaseGrid::BaseCell(Integer ACol, Integer ARow) const
{
    const TCellProperties* props = Props(ACol, ARow);
    return props ? props->GetBaseCell(ACol, ARow) : Point(ACol, ARow);
}

bool TBaseGrid::IsBaseCell(Integer ACol, Integer ARow) const
{
    const TCellProperties* props = Props(ACol, ARow);
    return !props || props->IsBaseCell;
}

bool TBaseGrid::IsMergedCell(Integer ACol, Integer ARow) const
{
    const TCellProperties* props = Props(ACol, ARow);
    return props && (props->CellSpanX > 0 || props->CellSpanY > 0);
}

bool TBaseGrid::IsMergedNonBaseCell(Integer ACol, Integer ARow) const
{
    return IsMergedCell(ACol, ARow) && !Props(ACol, ARow)->IsBaseCell;
}

bool TBaseGrid::IsXMergedCell(Integer ACol, Integer ARow) const
{
    if (!CellHasProperties(ACol, ARow)) return false;
    const TPoint base = BaseCell(ACol, ARow);
    const TCellProperties* props = Props(base.X, base.Y);
    return props && props->CellSpanX > 0;
}

bool TBaseGrid::IsYMergedCell(Integer ACol, Integer ARow) const
{
    if (!CellHasProperties(ACol, ARow)) return false;
    const TPoint base = BaseCell(ACol, ARow);
    const TCellProperties* props = Props(base.X, base.Y);
    return props && props->CellSpanY > 0;
}

TPoint TBaseGrid::CellSpan(Integer ACol, Integer ARow) const
{
    const TCellProperties* props = Props(ACol, ARow);
    if (!props || props->CellSpanX == -1 || props->CellSpanY == -1) return Point(0, 0);
    const TPoint base = props->GetBaseCell(ACol, ARow);
    const TCellProperties* baseProps = Props(base.X, base.Y);
    return baseProps ? Point(baseProps->CellSpanX, baseProps->CellSpanY) : Point(0, 0);
}

TPoint TBaseGrid::CellExt(Integer ACol, Integer ARow) const
{
    const TPoint span = CellSpan(ACol, ARow);
    if (span == Point(0, 0)) return span;
    const TPoint base = BaseCell(ACol, ARow);
    return Point(base.X + span.X - ACol, base.Y + span.Y - ARow);
}

TRect TBaseGrid::FullCell(Integer ACol, Integer ARow) const
{
    const TPoint base = BaseCell(ACol, ARow);
    const TPoint span = CellSpan(ACol, ARow);
    return Rect(base.X, base.Y, base.X + span.X, base.Y + span.Y);
}

Integer TBaseGrid::MinRowSpan(Integer ARow) const
{
    Integer least = RowCount();
    for (Integer c = 0; c < ColCount(); ++c) {
        const Integer span = CellSpan(c, ARow).Y;
        if (span > 0) least = std::min(least, span);
    }
    return least;
}

Integer TBaseGrid::MaxRowSpan(Integer ARow) const
{
    Integer most = 0;
    for (Integer c = 0; c < ColCount(); ++c) most = std::max(most, CellSpan(c, ARow).Y);
    return most;
}

bool TBaseGrid::RowSpanIdentical(Integer ARow1, Integer ARow2) const
{
    bool counted = false;
    for (Integer c = 0; c < ColCount(); ++c) {
        if (CellSpan(c, ARow1).Y <= 0 || CellSpan(c, ARow2).Y <= 0) continue;
        if (BaseCell(c, ARow1).Y != BaseCell(c, ARow2).Y) return false;
        counted = true;
    }
    return counted;
}

bool TBaseGrid::ColSpanIdentical(Integer ACol1, Integer ACol2) const
{
    bool counted = false;
    for (Integer r = 0; r < RowCount(); ++r) {
        const Integer span1 = CellSpan(ACol1, r).X;
        const Integer span2 = CellSpan(ACol2, r).X;
        if (span1 > 0 && span2 > 0) {
            if (BaseCell(ACol1, r).X != BaseCell(ACol2, r).X) return false;
            counted = true;
        } else if (span1 != span2) {
            return false;
        }
    }
    return counted;
}

bool TBaseGrid::ResolveBaseCell(Integer ACol, Integer ARow, Integer& BaseCol, Integer& BaseRow) const
{
    const TCellProperties* props = Props(ACol, ARow);
    const TPoint base = props ? props->GetBaseCell(ACol, ARow) : Point(ACol, ARow);
    BaseCol = base.X;
    BaseRow = base.Y;
    return !props || props->IsBaseCell;
}

void TBaseGrid::MoveToBaseCell()
{
    if (!CellHasProperties(Col(), Row())) return;
    const TPoint base = BaseCell(Col(), Row());
    if (base.X != Col()) SetCol(base.X);
    if (base.Y != Row()) SetRow(base.Y);
}

// --- properties --------------------------------------------------------------------------------------

namespace {

template <class T>
void ChangeAndInvalidate(TBaseGrid& Grid, T& Field, T Value)
{
    if (Field == Value) return;
    Field = Value;
    Grid.Invalidate();
}

}  // namespace

void TBaseGrid::SetActiveRowShow(bool Value) { ChangeAndInvalidate(*this, FActiveRowShow, Value); }
void TBaseGrid::SetActiveRowColor(TColor Value) { ChangeAndInvalidate(*this, FActiveRowColor, Value); }
void TBaseGrid::SetActiveRowColorTo(TColor Value) { ChangeAndInvalidate(*this, FActiveRowColorTo, Value); }
void TBaseGrid::SetActiveRowMirrorColor(TColor Value) { ChangeAndInvalidate(*this, FActiveRowMirrorColor, Value); }
void TBaseGrid::SetActiveRowMirrorColorTo(TColor Value) { ChangeAndInvalidate(*this, FActiveRowMirrorColorTo, Value); }
void TBaseGrid::SetSelectionStyle(TGridSelectionStyle Value) { ChangeAndInvalidate(*this, FSelectionStyle, Value); }

void TBaseGrid::SetGridLineWidth(Integer Value)
{
    FGridLineWidth = Value;
    TCustomGrid::SetGridLineWidth(0);
    Invalidate();
}

void TBaseGrid::SetGridLineColor(TColor Value)
{
    FGridLineColor = Value;
    Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(TColor Value)
{
    FGridFixedLineColor = Value;
    Invalidate();
}

void TBaseGrid::SetDefaultDrawing(bool Value)
{
    FDefaultDrawing = Value;
    TCustomGrid::SetDefaultDrawing(false);
}

void TBaseGrid::SetUndoRedo(TExtGridUndoRedo* Value)
{
    if (FUndoRedo == Value) return;
    if (TExtGridUndoRedo* old = FUndoRedo) {
        // Unlinked both ways, so neither keeps a reference the other's end would not clear.
        FUndoRedo = nullptr;
        if (old->Grid() == this) old->SetGrid(nullptr);
        RemoveFreeNotification(old);
    }
    FUndoRedo = Value;
    if (!FUndoRedo) return;
    FUndoRedo->FreeNotification(this);
    FUndoRedo->SetGrid(this);
}

void TBaseGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent == FUndoRedo) FUndoRedo = nullptr;
    TStringGrid::Notification(AComponent, Operation);
}

}  // namespace gw
