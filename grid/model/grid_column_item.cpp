// The column grid's column items and their collection.
#include "grid/model/grid_column_item.h"

#include "grid/model/ext_column_grid.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/scope.h"
#include "platform/ui/menus.h"

namespace gw {

namespace {

TExtColumnGrid* GridOf(TCollection* Collection)
{
    auto* columns = dynamic_cast<TGridColumnCollection*>(Collection);
    return columns != nullptr ? columns->Grid() : nullptr;
}

}  // namespace

// The item joins its collection only once it is whole: the collection's Update, run on joining,
// reads every item.
TGridColumnItem::TGridColumnItem(TCollection* Collection) : TCollectionItem(nullptr)
{
    m_printBorderPen->SetColor(TColor(0));
    m_borderPen->SetColor(TColor(0xC0C0C0));
    if (TExtColumnGrid* grid = GridOf(Collection)) {
        m_font->Assign(grid->Font());
        m_headerFont->Assign(grid->Font());
        m_printFont->Assign(grid->Font());
        m_color = grid->Color();
        m_font->OnChange = [this](TObject*) { NotifyUpdate(); };
        m_headerFont->OnChange = [this](TObject*) { NotifyUpdate(); };
        m_borderPen->OnChange = [this](TObject*) { NotifyUpdate(); };
        m_filter->OnChange = [this](TObject*) { RepaintGrid(); };
    }
    SetCollection(Collection);
}

TGridColumnItem::~TGridColumnItem()
{
    // The owned objects die before the base takes the item out of its collection: no change of
    // theirs may reach the collection after this point.
    m_font->OnChange = nullptr;
    m_headerFont->OnChange = nullptr;
    m_borderPen->OnChange = nullptr;
    m_filter->OnChange = nullptr;
}

TExtColumnGrid* TGridColumnItem::Grid() const { return GridOf(Collection()); }

void TGridColumnItem::RepaintGrid() const
{
    if (TExtColumnGrid* grid = Grid()) grid->Invalidate();
}

// What Assign and AssignVisuals both copy.
void TGridColumnItem::CopyCommon(const TGridColumnItem& Source)
{
    m_alignment = Source.m_alignment;
    m_headerAlignment = Source.m_headerAlignment;
    {
        // The copies send nothing: Assign notifies no one.
        const TTemporaryChange pen(m_borderPen->OnChange, TNotifyEvent());
        m_borderPen->Assign(Source.m_borderPen.get());
    }
    m_borders = Source.m_borders;
    CheckFalse = Source.CheckFalse;
    CheckTrue = Source.CheckTrue;
    EditLength = Source.EditLength;
    SetEditLink(Source.m_editLink);
    EditMask = Source.EditMask;
    m_editor = Source.m_editor;
    m_fixed = Source.m_fixed;
    m_password = Source.m_password;
    m_printBorderPen->Assign(Source.m_printBorderPen.get());
    PrintBorders = Source.PrintBorders;
    PrintColor = Source.PrintColor;
    m_printFont->Assign(Source.m_printFont.get());
    ReadOnly = Source.ReadOnly;
    SortPrefix = Source.SortPrefix;
    SortStyle = Source.SortStyle;
    SortSuffix = Source.SortSuffix;
    SpinMax = Source.SpinMax;
    SpinMin = Source.SpinMin;
    SpinStep = Source.SpinStep;
    SetColumnPopup(Source.m_columnPopup);
    m_width = Source.Width();
    m_showBands = Source.m_showBands;
    MinSize = Source.MinSize;
    MaxSize = Source.MaxSize;
    AutoMinSize = Source.AutoMinSize;
    AutoMaxSize = Source.AutoMaxSize;
    {
        const TTemporaryChange filter(m_filter->OnChange, TNotifyEvent());
        m_filter->Assign(Source.m_filter.get());
    }
    FilterCaseSensitive = Source.FilterCaseSensitive;
    DefIdx = Source.DefIdx;
    m_floatFormat = Source.m_floatFormat;
}

void TGridColumnItem::Assign(TPersistent* Source)
{
    const auto* source = dynamic_cast<const TGridColumnItem*>(Source);
    if (source == nullptr || source == this) return;
    CopyCommon(*source);
    m_color = source->m_color;
    m_comboItems->Assign(source->m_comboItems.get());
    DropDownCount = source->DropDownCount;
    {
        const TTemporaryChange font(m_font->OnChange, TNotifyEvent());
        const TTemporaryChange header(m_headerFont->OnChange, TNotifyEvent());
        m_font->Assign(source->m_font.get());
        m_headerFont->Assign(source->m_headerFont.get());
    }
    m_header = source->m_header;
    Name = source->Name;
    Tag = source->Tag;
}

void TGridColumnItem::AssignVisuals(TPersistent* Source)
{
    const auto* source = dynamic_cast<const TGridColumnItem*>(Source);
    if (source == nullptr || source == this) return;
    CopyCommon(*source);
    if (TExtColumnGrid* grid = Grid()) {
        m_color = grid->Color();
        const TTemporaryChange font(m_font->OnChange, TNotifyEvent());
        m_font->Assign(grid->Font());
    }
}

void TGridColumnItem::AssignAll(const TGridColumnItem& Source)
{
    TGridColumnItem& source = const_cast<TGridColumnItem&>(Source);
    Assign(&source);
    ColumnPopupType = Source.ColumnPopupType;
    PrintBorderCustom = Source.PrintBorderCustom;
    PrintFontCustom = Source.PrintFontCustom;
}

String TGridColumnItem::GetDisplayName() const
{
    const String index = IntToStr(Index());
    return Name.empty() ? u"Column " + index : u"Col " + index + u": " + Name;
}

void TGridColumnItem::SetColumnPopup(TPopupMenu* Value)
{
    m_columnPopup = Value;
    if (Value != nullptr && Grid() != nullptr) Value->FreeNotification(Grid());
}

void TGridColumnItem::SetEditLink(TComponent* Value)
{
    m_editLink = Value;
    if (Value != nullptr && Grid() != nullptr) Value->FreeNotification(Grid());
}

void TGridColumnItem::SetAlignment(TAlignment Value)
{
    m_alignment = Value;
    RepaintGrid();
}

void TGridColumnItem::SetBorders(TCellBorders Value)
{
    m_borders = Value;
    NotifyUpdate();
}

void TGridColumnItem::SetBorderPen(TPen* Value)
{
    // The pen's own change notice runs the collection's Update.
    m_borderPen->Assign(Value);
}

void TGridColumnItem::SetColor(TColor Value)
{
    m_color = Value;
    NotifyUpdate();
}

void TGridColumnItem::SetComboItems(TStrings* Value) { m_comboItems->Assign(Value); }

void TGridColumnItem::SetEditor(TEditorType Value)
{
    if (Value == m_editor) return;
    const bool repaint = Value == edDataCheckBox || m_editor == edDataCheckBox;
    m_editor = Value;
    if (repaint) RepaintGrid();
}

void TGridColumnItem::SetFilter(TStrings* Value) { m_filter->Assign(Value); }

void TGridColumnItem::SetFixed(bool Value)
{
    m_fixed = Value;
    NotifyUpdate();
}

void TGridColumnItem::SetFloatFormat(const String& Value)
{
    m_floatFormat = Value;
    RepaintGrid();
}

void TGridColumnItem::SetFont(TFont* Value) { m_font->Assign(Value); }

void TGridColumnItem::SetHeader(const String& Value)
{
    m_header = Value;
    TExtColumnGrid* grid = Grid();
    if (grid == nullptr) return;
    if (grid->FixedRows() > 0 && !grid->IsColMoving()) {
        grid->SetGridCell(Index(), 0, Value);
        NotifyUpdate();
    }
    TStringList* headers = grid->ColumnHeaders();
    const TUpdateScope update(*headers);
    headers->Clear();
    const TGridColumnCollection* columns = grid->Columns();
    for (Integer i = 0; i < columns->Count(); ++i) headers->Add(columns->Items(i)->Header());
}

void TGridColumnItem::SetHeaderAlignment(TAlignment Value)
{
    m_headerAlignment = Value;
    RepaintGrid();
}

void TGridColumnItem::SetHeaderFont(TFont* Value)
{
    {
        const TTemporaryChange font(m_headerFont->OnChange, TNotifyEvent());
        m_headerFont->Assign(Value);
    }
    RepaintGrid();
}

void TGridColumnItem::SetPassword(bool Value)
{
    m_password = Value;
    NotifyUpdate();
}

void TGridColumnItem::SetPrintBorderPen(TPen* Value) { m_printBorderPen->Assign(Value); }

void TGridColumnItem::SetPrintFont(TFont* Value) { m_printFont->Assign(Value); }

void TGridColumnItem::SetShowBands(bool Value)
{
    m_showBands = Value;
    NotifyUpdate();
}

// An item of a collection without a grid (one being read from a stream) has its field alone.
Integer TGridColumnItem::Width() const
{
    if (Collection() == nullptr) return 0;
    const TExtColumnGrid* grid = Grid();
    return grid != nullptr ? grid->GetAllColWidths(Index()) : m_width;
}

void TGridColumnItem::SetWidth(Integer Value)
{
    m_width = Value;
    if (TExtColumnGrid* grid = Grid()) grid->SetAllColWidths(Index(), Value);
}

String TGridColumnItem::GetRows(Integer ARow) const { return Grid()->GetGridCell(Index(), ARow); }
void TGridColumnItem::SetRows(Integer ARow, const String& Value) { Grid()->SetGridCell(Index(), ARow, Value); }
TDateTime TGridColumnItem::GetDates(Integer ARow) const { return Grid()->GetDates(Index(), ARow); }
void TGridColumnItem::SetDates(Integer ARow, TDateTime Value) { Grid()->SetDates(Index(), ARow, Value); }
double TGridColumnItem::GetFloats(Integer ARow) const { return Grid()->GetFloats(Index(), ARow); }
void TGridColumnItem::SetFloats(Integer ARow, double Value) { Grid()->SetFloats(Index(), ARow, Value); }
Integer TGridColumnItem::GetInts(Integer ARow) const { return Grid()->GetInts(Index(), ARow); }
void TGridColumnItem::SetInts(Integer ARow, Integer Value) { Grid()->SetInts(Index(), ARow, Value); }
TDateTime TGridColumnItem::GetTimes(Integer ARow) const { return Grid()->GetTimes(Index(), ARow); }
void TGridColumnItem::SetTimes(Integer ARow, TDateTime Value) { Grid()->SetTimes(Index(), ARow, Value); }

// ---- TGridColumnCollection ----

TGridColumnCollection::TGridColumnCollection(TExtColumnGrid* AOwner)
    : TCollection(ItemClassOf<TGridColumnItem>()), FOwner(AOwner)
{
}

TPersistent* TGridColumnCollection::GetOwner() const { return FOwner; }

TGridColumnItem* TGridColumnCollection::Add()
{
    const Integer before = Count();
    auto* item = static_cast<TGridColumnItem*>(TCollection::Add());
    if (before > 0) item->AssignVisuals(Items(before - 1));
    // A copied DefIdx would give two columns one default place.
    item->DefIdx = item->Index();
    return item;
}

TGridColumnItem* TGridColumnCollection::Insert(Integer Index)
{
    return static_cast<TGridColumnItem*>(TCollection::Insert(Index));
}

void TGridColumnCollection::SetOrganization()
{
    {
        const TTemporaryChange guard(FNoRecursiveUpdate, true);
        if (FOwner != nullptr) FOwner->SyncColumnCount();
    }
    for (Integer i = 0; i < Count(); ++i) Items(i)->DefIdx = i;
}

void TGridColumnCollection::ResetOrganization()
{
    // Each pass puts at least one column at its default place or stops; DefIdx values that are
    // not a permutation cannot make it move columns back and forth for ever.
    for (Integer pass = 0; pass <= Count(); ++pass) {
        bool moved = false;
        for (Integer i = 0; i < Count(); ++i) {
            const Integer target = Items(i)->DefIdx;
            if (target < i && target >= 0) {
                FOwner->MoveColumn(FOwner->DisplColIndex(i), FOwner->DisplColIndex(target));
                moved = true;
            }
        }
        if (!moved) return;
    }
}

void TGridColumnCollection::Update(TCollectionItem* Item)
{
    TCollection::Update(Item);
    if (UpdateCount() > 0 || FNoRecursiveUpdate || FOwner == nullptr) return;
    if (FOwner->ComponentState() & csLoading) return;
    const Integer n = Count() - FOwner->NumHiddenColumns();
    if (n != FOwner->ColCount() && n > FOwner->FixedCols()) FOwner->SetColCount(n);
    FOwner->UpdateColumnHeaders();
    FOwner->Invalidate();
}

}  // namespace gw
