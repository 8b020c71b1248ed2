// Sort settings: defaults, the copy rule, the saved sort text and the setters that repaint or
// check.
#include "grid/model/sort_settings.h"

#include "platform/graphics/bitmap.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"

namespace gw {

TSortSettings::TSortSettings(TSettingsGrid* AOwner)
    : FGrid(AOwner), FSortUpGlyph(std::make_unique<TBitmap>()), FSortDownGlyph(std::make_unique<TBitmap>()),
      FIndexUpGlyph(std::make_unique<TBitmap>()), FIndexDownGlyph(std::make_unique<TBitmap>())
{
}

TSortSettings::~TSortSettings() = default;

void TSortSettings::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TSortSettings*>(Source);
    if (!from) return;
    AutoSortForGrouping = from->AutoSortForGrouping;
    AutoColumnMerge = from->AutoColumnMerge;
    Column = from->Column;
    FSortShow = from->FSortShow;
    IndexShow = from->IndexShow;
    IndexColor = from->IndexColor;
    Full = from->Full;
    SingleColumn = from->SingleColumn;
    IgnoreBlanks = from->IgnoreBlanks;
    BlankPos = from->BlankPos;
    AutoFormat = from->AutoFormat;
    Direction = from->Direction;
    FSortUpGlyph->Assign(from->FSortUpGlyph.get());
    FSortDownGlyph->Assign(from->FSortDownGlyph.get());
    FIndexUpGlyph->Assign(from->FIndexUpGlyph.get());
    FIndexDownGlyph->Assign(from->FIndexDownGlyph.get());
    IndexSortKey = from->IndexSortKey;
    InitSortDirection = from->InitSortDirection;
    FixedCols = from->FixedCols;
    NormalCellsOnly = from->NormalCellsOnly;
    FSortRow = from->FSortRow;
    UndoSort = from->UndoSort;
    IgnoreCase = from->IgnoreCase;
    SortOnVirtualCells = from->SortOnVirtualCells;
    FHeaderColor = from->FHeaderColor;
    FHeaderColorTo = from->FHeaderColorTo;
    FHeaderMirrorColor = from->FHeaderMirrorColor;
    FHeaderMirrorColorTo = from->FHeaderMirrorColorTo;
}

String TSortSettings::SaveToString() const
{
    if (IndexShow) return u"i;" + FGrid->SortIndexes().SaveToString();
    return (Direction == sdDescending ? u"d" : u"u") + IntToStr(Column);
}

void TSortSettings::LoadFromString(StringView Value)
{
    if (Value.empty()) return;
    SetShow(true);
    if (Value.size() == 1) throw Exception(u"Invalid sort settings specifier");
    if (Value.find(u"i;") != StringView::npos) {
        IndexShow = true;
        const StringView list = Value.substr(2);
        if (list.empty()) return;
        FGrid->SortIndexes().LoadFromString(list);
        FGrid->QSortIndexed();
        return;
    }
    IndexShow = false;
    Direction = Value.find(u'u') != StringView::npos ? sdAscending : sdDescending;
    Integer column = 0;
    if (!TryStrToInt(Value.substr(1), column)) return;
    Column = column;
    FGrid->QSort();
}

void TSortSettings::Remove()
{
    Column = -1;
    FGrid->SortIndexes().Clear();
    RepaintHeaderRow();
}

void TSortSettings::ToggleDirection() { Direction = Direction == sdAscending ? sdDescending : sdAscending; }

void TSortSettings::SetShow(bool Value)
{
    if (FSortShow == Value) return;
    FSortShow = Value;
    if (FGrid) FGrid->Invalidate();
}

void TSortSettings::SetUpGlyph(TBitmap* Value) { FSortUpGlyph->Assign(Value); }
void TSortSettings::SetDownGlyph(TBitmap* Value) { FSortDownGlyph->Assign(Value); }
void TSortSettings::SetIndexUpGlyph(TBitmap* Value) { FIndexUpGlyph->Assign(Value); }
void TSortSettings::SetIndexDownGlyph(TBitmap* Value) { FIndexDownGlyph->Assign(Value); }

void TSortSettings::SetRow(Integer Value)
{
    if (Value < 0) throw Exception(u"Sort row should not be negative");
    if (FGrid && Value >= FGrid->FixedRows()) throw Exception(u"Sort row should be smaller than number of fixed rows");
    FSortRow = Value;
}

void TSortSettings::SetHeaderColour(TColor& Field, TColor Value)
{
    if (Field == Value) return;
    Field = Value;
    RepaintHeaderRow();
}

void TSortSettings::SetHeaderColor(TColor Value) { SetHeaderColour(FHeaderColor, Value); }
void TSortSettings::SetHeaderColorTo(TColor Value) { SetHeaderColour(FHeaderColorTo, Value); }
void TSortSettings::SetHeaderMirrorColor(TColor Value) { SetHeaderColour(FHeaderMirrorColor, Value); }
void TSortSettings::SetHeaderMirrorColorTo(TColor Value) { SetHeaderColour(FHeaderMirrorColorTo, Value); }

// The last fixed row carries the sort indicator; a grid without fixed rows has none to repaint.
void TSortSettings::RepaintHeaderRow() const
{
    if (FGrid && FGrid->FixedRows() > 0) FGrid->RepaintRow(FGrid->FixedRows() - 1);
}

}  // namespace gw
