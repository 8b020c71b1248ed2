// The string grid's filter drop-down lists: made hidden with the grid, opened by a release on a
// header's filter glyph (filled from the column's filter values, sized and placed under the
// header), and the check list's ticks applied as OR-combined conditions.
#include "grid/interaction/filter_drop_lists.h"
#include "grid/model/column_filter_values.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/filter.h"
#include "grid/model/filter_drop_down.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/ui/system_metrics.h"

namespace gw {

namespace {

// The glyph's hot area: from 16 to 3 pixels inside the cell's right edge, in its top 19 pixels;
// the list drops 16 pixels below the cell's top, 16 pixels left of its right edge.
constexpr Integer GlyphAreaLeft = 16;
constexpr Integer GlyphAreaRight = 3;
constexpr Integer GlyphAreaHeight = 19;
constexpr Integer DropOffset = 16;
// An item's width beyond its text.
constexpr Integer ItemPadding = 8;

String Quoted(const String& Text) { return u"\"" + Text + u"\""; }

}  // namespace

void TExtStringGrid::CreateFilterLists()
{
    FFilterDropList = new TDropList(this);
    FFilterCheckList = new TDropCheckList(this);
    for (TCustomListBox* l : std::initializer_list<TCustomListBox*>{FFilterDropList, FFilterCheckList}) {
        l->SetVisible(false);
        l->SetBounds(0, 0, 0, 0);
        l->SetParent(this);
    }
    FFilterDropList->OnSelect = [this](TObject*, Integer ItemIndex) { ApplyFilterListChoice(ItemIndex); };
    FFilterCheckList->OnSelect = [this](TObject*, Integer ItemIndex) { ApplyFilterCheckList(ItemIndex); };
    FFilterDropList->OnLost = [this](TObject*) { FFilterCol = -1; };
    FFilterCheckList->OnLost = [this](TObject*) { FFilterCol = -1; };
}

bool TExtStringGrid::FilterDropDownMouseUp(Integer X, Integer Y)
{
    Integer col = -1, row = -1;
    MouseToCell(X, Y, col, row);
    if (col >= 0 && row >= 0) {
        const Integer real = RealColIndex(col);
        const TRect r = CellRect(col, row);
        const bool onGlyph = X > r.Right - GlyphAreaLeft && X < r.Right - GlyphAreaRight && Y < r.Top + GlyphAreaHeight;
        if (row == FilterDropDownRow && real != FFilterCol && onGlyph && GetColumnFilter(real)) {
            FFilterCol = real;
            OpenFilterList(col, row, real);
            return true;
        }
    }
    if (FFilterDropList->Visible()) FFilterDropList->SetVisible(false);
    FFilterCol = -1;
    return false;
}

void TExtStringGrid::OpenFilterList(Integer ACol, Integer ARow, Integer RealCol)
{
    TCustomListBox* list = FilterDropDownCheck ? static_cast<TCustomListBox*>(FFilterCheckList) : FFilterDropList;
    list->SetColor(m_filterDropDown->Color);
    list->Font()->Assign(m_filterDropDown->Font());
    list->Clear();
    TBitmap measure(1, 1);
    measure.Canvas()->Font()->Assign(m_filterDropDown->Font());
    Integer widest = 0;
    for (Integer i = 0; i < m_filterList->Count(); ++i) {
        const String shown =
            FilterChoiceOf(m_filterList->Strings(i), IsCollectedFilterEntry(i), FilterDropDownClear).FriendlyName;
        list->Items()->Add(shown);
        String measured = shown;
        if (FilterDropDownCheck) {
            // A ticked entry: one of the filter's conditions on this column is the entry, quoted
            // when it holds a blank (or the entry itself, taken literally).
            const String compared = shown.find(u' ') != String::npos ? Quoted(shown) : shown;
            bool ticked = false;
            for (Integer f = 0; f < m_filter->Count(); ++f) {
                const TFilterData& d = *m_filter->Items(f);
                if (d.Column == RealCol && (d.Condition == compared || (d.Method == fmLiteral && d.Condition == shown)))
                    ticked = true;
            }
            FFilterCheckList->SetChecked(i, ticked);
            measured = compared;
        }
        widest = std::max(widest, measure.Canvas()->TextWidth(measured) + ItemPadding);
    }
    if (!FilterDropDownCheck && list->Count() > 0) list->SetItemIndex(0);
    Integer w = m_filterDropDown->Width, h = m_filterDropDown->Height;
    if (m_filterDropDown->AutoSize) {
        h = list->Count() * list->ItemHeight() + 2 * GetSystemMetrics(SM_CYEDGE);
        w = widest + 2 * GetSystemMetrics(SM_CXEDGE);
    }
    const TRect cell = CellRect(ACol, ARow);
    Integer left = cell.Right - DropOffset;
    if (m_filterDropDown->ColumnWidth) {
        left = cell.Left;
        w = cell.Width();
    }
    if (left + w > Width()) left = std::max(0, CellRect(ACol, 0).Right - w);
    list->SetParent(this);
    list->SetBounds(left, cell.Top + DropOffset, w, h);
    list->SetVisible(true);
    if (list->CanFocus()) list->SetFocus();
}

void TExtStringGrid::ApplyFilterCheckList(Integer /*ItemIndex*/)
{
    const Integer col = FFilterCol;
    if (col < 0 || col >= AllColCount()) return;
    GetColumnFilter(col);
    if (AutoFilterUpdate) SetFilterActive(false);
    m_filter->Clear();
    const Integer entries = std::min(FFilterCheckList->Count(), m_filterList->Count());
    for (Integer i = 0; i < entries; ++i) {
        if (!FFilterCheckList->Checked(i)) continue;
        const TFilterChoice offered =
            FilterChoiceOf(m_filterList->Strings(i), IsCollectedFilterEntry(i), FilterDropDownClear);
        String condition = offered.Condition;
        if (OnFilterCheck) OnFilterCheck(this, col, i, offered.FriendlyName, condition, FFilterCheckList);
        const TFilterChoice choice = AfterFilterEvent(offered, condition);
        const bool first = m_filter->Count() == 0;
        TFilterData* d = m_filter->Add();
        d->Condition = choice.Condition;
        d->Method = choice.Method;
        d->Column = int16_t(col);
        d->Operation = first ? foNONE : foOR;
    }
    SetFilterActive(true);
    FFilterCheckList->Invalidate();
}

}  // namespace gw
