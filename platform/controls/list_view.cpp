// TListView: item list, single selection, keys, scrolling by rows and the report drawing.
#include "platform/controls/list_view.h"

#include "platform/graphics/frame_controls.h"

#include <algorithm>

namespace gw {

// --- TListItem -------------------------------------------------------------------------------------------

TListItem::TListItem(TListView* Owner) : m_owner(Owner), m_subItems(std::make_unique<TStringList>()) {}

Integer TListItem::Index() const { return m_owner ? m_owner->IndexOf(this) : -1; }

void TListItem::SetSelected(bool Value)
{
    if (m_selected == Value) return;
    if (m_owner)
        m_owner->SelectionChanged(this, Value);
    else
        m_selected = Value;
}

// --- TListView ---------------------------------------------------------------------------------------------

TListView::TListView(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 250, 150);
    SetTabStop(true);
    SetColor(clWindow);
}

TListView::~TListView() = default;

TListColumn* TListView::AddColumn(const String& Caption, Integer Width)
{
    auto c = std::make_unique<TListColumn>();
    c->Caption = Caption;
    c->Width = Width;
    m_columns.push_back(std::move(c));
    Invalidate();
    return m_columns.back().get();
}

TListItem* TListView::AddItem(const String& Caption) { return InsertItem(ItemCount(), Caption); }

TListItem* TListView::InsertItem(Integer Index, const String& Caption)
{
    Index = std::clamp(Index, 0, ItemCount());
    auto item = std::make_unique<TListItem>(this);
    item->Caption = Caption;
    TListItem* raw = item.get();
    m_items.insert(m_items.begin() + Index, std::move(item));
    Invalidate();
    return raw;
}

void TListView::DeleteItem(Integer Index)
{
    if (Index < 0 || Index >= ItemCount()) return;
    TListItem* item = Items(Index);
    if (item->Selected()) item->SetSelected(false);
    m_items.erase(m_items.begin() + Index);
    m_topIndex = std::clamp(m_topIndex, 0, std::max(0, ItemCount() - 1));
    Invalidate();
}

void TListView::ClearItems()
{
    while (ItemCount() > 0) DeleteItem(ItemCount() - 1);
    m_topIndex = 0;
}

Integer TListView::IndexOf(const TListItem* Item) const
{
    for (std::size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].get() == Item) return Integer(i);
    return -1;
}

TListItem* TListView::Selected() const
{
    for (const auto& i : m_items)
        if (i->m_selected) return i.get();
    return nullptr;
}

void TListView::SetSelected(TListItem* Item)
{
    if (Item)
        Item->SetSelected(true);
    else if (TListItem* s = Selected())
        s->SetSelected(false);
}

Integer TListView::ItemIndex() const
{
    TListItem* s = Selected();
    return s ? IndexOf(s) : -1;
}

void TListView::SetItemIndex(Integer Value) { SetSelected(Value >= 0 && Value < ItemCount() ? Items(Value) : nullptr); }

void TListView::SelectionChanged(TListItem* Item, bool Value)
{
    // One selected item: selecting another deselects the former first.
    if (Value) {
        if (TListItem* old = Selected(); old && old != Item) {
            old->m_selected = false;
            if (OnSelectItem) OnSelectItem(this, old, false);
        }
    }
    Item->m_selected = Value;
    if (Value) MakeVisible(IndexOf(Item));
    Invalidate();
    if (OnSelectItem) OnSelectItem(this, Item, Value);
}

Integer TListView::HeaderHeight() const
{
    if (!ShowColumnHeaders || ViewStyle != vsReport) return 0;
    TCanvas& c = *Canvas();
    c.Font()->Assign(Font());
    return c.TextHeight(u"Wg") + 6;
}

Integer TListView::RowHeight() const
{
    TCanvas& c = *Canvas();
    c.Font()->Assign(Font());
    return c.TextHeight(u"Wg") + 3;
}

Integer TListView::VisibleRowCount() const
{
    return std::max(1, (ClientHeight() - 4 - HeaderHeight()) / std::max(1, RowHeight()));
}

void TListView::MakeVisible(Integer Index)
{
    if (Index < 0) return;
    if (Index < m_topIndex)
        m_topIndex = Index;
    else if (Index >= m_topIndex + VisibleRowCount())
        m_topIndex = Index - VisibleRowCount() + 1;
}

TRect TListView::ItemRect(Integer Index) const
{
    if (Index < m_topIndex || Index >= ItemCount()) return {};
    Integer top = 2 + HeaderHeight() + (Index - m_topIndex) * RowHeight();
    return Rect(2, top, ClientWidth() - 2, top + RowHeight());
}

TListItem* TListView::GetItemAt(Integer X, Integer Y) const
{
    for (Integer i = m_topIndex; i < ItemCount(); ++i) {
        TRect r = ItemRect(i);
        if (r.Top >= ClientHeight()) break;
        if (PtInRect(r, {X, Y})) return Items(i);
    }
    return nullptr;
}

void TListView::Paint()
{
    TCanvas& c = *Canvas();
    TRect client = ClientRect();
    c.Brush()->SetColor(Color());
    c.Brush()->SetStyle(bsSolid);
    c.FillRect(client);
    c.Font()->Assign(Font());
    Integer hh = HeaderHeight();
    // Header buttons.
    Integer x = 2;
    for (const auto& col : m_columns) {
        if (hh > 0) {
            TRect h = Rect(x, 2, x + col->Width, 2 + hh);
            c.Brush()->SetColor(clBtnFace);
            c.Brush()->SetStyle(bsSolid);
            c.FillRect(h);
            TRect e = h;
            DrawEdge(c, e, EDGE_RAISED, BF_RECT | BF_SOFT);
            c.Brush()->SetStyle(bsClear);
            c.Font()->SetColor(clBtnText);
            TRect t = h;
            InflateRect(t, -4, 0);
            c.DrawText(col->Caption, t, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
        }
        x += col->Width;
    }
    // Rows.
    for (Integer i = m_topIndex; i < ItemCount(); ++i) {
        TRect row = ItemRect(i);
        if (row.Top >= client.Bottom) break;
        TListItem* item = Items(i);
        bool selected = item->Selected();
        TColor text = Enabled() ? clWindowText : clGrayText;
        if (selected) {
            c.Brush()->SetColor(Focused() ? clHighlight : clBtnFace);
            c.Brush()->SetStyle(bsSolid);
            TRect fill = row;
            if (!RowSelect && !m_columns.empty()) fill.Right = fill.Left + m_columns[0]->Width;
            c.FillRect(fill);
            if (Focused()) text = clHighlightText;
        }
        c.Brush()->SetStyle(bsClear);
        c.Font()->SetColor(text);
        Integer cx = 2;
        for (std::size_t k = 0; k < m_columns.size(); ++k) {
            String s = k == 0
                ? item->Caption
                : (Integer(k) - 1 < item->SubItems()->Count() ? item->SubItems()->Strings(Integer(k) - 1) : String());
            TRect cell = Rect(cx + 4, row.Top, cx + m_columns[k]->Width - 4, row.Bottom);
            Cardinal align = m_columns[k]->Alignment == taRightJustify ? DT_RIGHT
                : m_columns[k]->Alignment == taCenter                  ? DT_CENTER
                                                                       : DT_LEFT;
            c.DrawText(s, cell, align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
            cx += m_columns[k]->Width;
        }
        if (GridLines) {
            c.Pen()->SetColor(clBtnFace);
            c.MoveTo(row.Left, row.Bottom - 1);
            c.LineTo(row.Right, row.Bottom - 1);
        }
        if (selected && Focused()) {
            c.Brush()->SetStyle(bsSolid);
            c.DrawFocusRect(row);
        }
    }
    TRect frame = client;
    DrawEdge(c, frame, EDGE_SUNKEN, BF_RECT);
}

void TListView::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (Button == mbLeft || Button == mbRight) {
        if (TListItem* item = GetItemAt(X, Y)) SetSelected(item);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TListView::KeyDown(Word& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (ItemCount() == 0) return;
    Integer i = ItemIndex();
    switch (Key) {
    case VK_DOWN: i = std::min(ItemCount() - 1, i + 1); break;
    case VK_UP: i = std::max(0, i - 1); break;
    case VK_HOME: i = 0; break;
    case VK_END: i = ItemCount() - 1; break;
    case VK_NEXT: i = std::min(ItemCount() - 1, std::max(0, i) + VisibleRowCount() - 1); break;
    case VK_PRIOR: i = std::max(0, i - VisibleRowCount() + 1); break;
    default: return;
    }
    Key = 0;
    SetItemIndex(i);
}

}  // namespace gw
