// TExtStringGrid: the controls shown inside cells and the cell scroll bar, placed over their
// cells again after any change of layout or scroll position; and the block-focus notifications.
#include "grid/foundation/cell_properties.h"
#include "grid/foundation/control_list.h"
#include "grid/model/ext_string_grid.h"
#include "platform/controls/scroll_bar.h"

namespace gw {

void TExtStringGrid::CellControlsUpdate(bool Force)
{
    if (!HandleAllocated()) return;
    if (Force) {
        m_controlList->Clear();
        for (Integer c = 0; c < ColCount(); ++c)
            for (Integer r = 0; r < RowCount(); ++r)
                if (TControl* control = GetCellControls(c, r)) m_controlList->AddControl(c, RealRowIndex(r), control);
    }
    PlaceCellScrollBar();
    if (m_controlList->Count() == 0) return;
    for (Integer i = 0; i < m_controlList->Count(); ++i) PlaceCellControl(*m_controlList->GetControl(i));
    // A control now shown in its cell lays itself out again at its new size.
    for (Integer i = 0; i < m_controlList->Count(); ++i) {
        const TControlItem& item = *m_controlList->GetControl(i);
        const Integer col = DisplColIndex(item.X()), row = MapRealToDisplRow(item.Y());
        if (!CellControlInView(item) || IsHiddenRow(item.Y())) continue;
        TControl* control = GetCellControls(item.X(), row);
        if (!control || !control->Visible() || IsFixed(col, row)) continue;
        control->Invalidate();
        control->SetWidth(control->Width() + 1);
        control->SetWidth(control->Width() - 1);
    }
}

// The entry's cell lies in the scrolling cells, inside or at the edge of the view.
bool TExtStringGrid::CellControlInView(const TControlItem& Item) const
{
    const Integer col = DisplColIndex(Item.X()), row = MapRealToDisplRow(Item.Y());
    return row >= FixedRows() && col >= FixedCols() && col >= LeftCol() && col <= LeftCol() + VisibleColCount() &&
        row >= TopRow() && row <= TopRow() + VisibleRowCount();
}

void TExtStringGrid::PlaceCellControl(const TControlItem& Item)
{
    TControl* control = Item.Control();
    if (IsHiddenRow(Item.Y()) || IsHiddenColumn(Item.X())) {
        control->Hide();
        return;
    }
    const Integer col = DisplColIndex(Item.X()), row = MapRealToDisplRow(Item.Y());
    if (row < FixedRows() || col < FixedCols()) return;
    if (!CellControlInView(Item)) {
        control->Hide();
        return;
    }
    const TRect r = CellRect(col, row);
    control->SetBounds(r.Left - 1, r.Top - 1, r.Right - r.Left + 1, r.Bottom - r.Top + 1);
    control->Show();
}

// The current cell's scroll bar follows its cell, and folds to nothing while the cell is out of view.
void TExtStringGrid::PlaceCellScrollBar()
{
    if (!FCellScrollBar || !FCellScrollBar->Visible()) return;
    const bool outside = Row() < TopRow() || Row() >= TopRow() + VisibleRowCount() || Col() < LeftCol() ||
        Col() >= LeftCol() + VisibleColCount();
    if (outside) {
        FCellScrollBar->SetHeight(0);
        return;
    }
    const TRect r = CellRect(Col(), Row());
    FCellScrollBar->SetBounds(r.Right - FCellScrollBar->Width(), r.Top, FCellScrollBar->Width(), r.Bottom - r.Top);
}

void TExtStringGrid::DoStartBlockFocus()
{
    if (OnStartBlockFocus) OnStartBlockFocus(this);
}

void TExtStringGrid::DoEndBlockFocus()
{
    if (OnEndBlockFocus) OnEndBlockFocus(this);
}

}  // namespace gw
