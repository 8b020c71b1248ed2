// TCustomListBox, TListBox and TCheckListBox: lists of items with single or multiple selection.
#include "platform/controls/list_box.h"

#include "platform/graphics/frame_controls.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/strings.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/window_system.h"

#include <algorithm>

namespace gw {

namespace {

[[noreturn]] void ListIndexError(Integer Index)
{
    throw EListError(u"List index out of bounds (" + S(std::to_string(Index)) + u")");
}

}  // namespace

// --- TListBoxStrings --------------------------------------------------------------------------------

void TListBoxStrings::Clear()
{
    {
        TTemporaryChange depth(m_depth, m_depth + 1);
        TStringList::Clear();
    }
    if (m_depth == 0) m_owner.ItemsCleared();
}

void TListBoxStrings::Delete(Integer Index)
{
    {
        TTemporaryChange depth(m_depth, m_depth + 1);
        TStringList::Delete(Index);
    }
    if (m_depth == 0) m_owner.ItemDeleted(Index);
}

void TListBoxStrings::InsertObject(Integer Index, const String& S, TObject* AObject)
{
    const Integer before = Count();
    {
        TTemporaryChange depth(m_depth, m_depth + 1);
        TStringList::InsertObject(Index, S, AObject);
    }
    if (m_depth == 0 && Count() > before) m_owner.ItemInserted(Index);
}

Integer TListBoxStrings::AddObject(const String& S, TObject* AObject)
{
    const Integer before = Count();
    Integer index = -1;
    {
        TTemporaryChange depth(m_depth, m_depth + 1);
        index = TStringList::AddObject(S, AObject);
    }
    if (m_depth == 0 && Count() > before) m_owner.ItemInserted(index);
    return index;
}

void TListBoxStrings::Changed()
{
    TStringList::Changed();
    if (m_depth == 0) m_owner.ItemsChanged();
}

// --- TCustomListBox ----------------------------------------------------------------------------------

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TWinControl(AOwner), m_items(std::make_unique<TListBoxStrings>(*this))
{
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    ControlStyle = csSetCaption | csDoubleClicks | csOpaque | csCaptureMouse;
}

TCustomListBox::~TCustomListBox() = default;

void TCustomListBox::ItemInserted(Integer Index)
{
    Index = std::clamp(Index, 0, Integer(m_selected.size()));
    m_selected.insert(m_selected.begin() + Index, false);
    if (m_itemIndex >= Index) ++m_itemIndex;
    Invalidate();
}

void TCustomListBox::ItemDeleted(Integer Index)
{
    if (Index >= 0 && Index < Integer(m_selected.size())) m_selected.erase(m_selected.begin() + Index);
    if (m_itemIndex == Index)
        m_itemIndex = -1;
    else if (m_itemIndex > Index)
        --m_itemIndex;
    m_topIndex = std::clamp(m_topIndex, 0, std::max(0, Count() - 1));
    Invalidate();
}

void TCustomListBox::ItemsCleared()
{
    m_selected.clear();
    m_itemIndex = -1;
    m_topIndex = 0;
    m_anchor = -1;
    Invalidate();
}

void TCustomListBox::ItemsChanged()
{
    m_selected.resize(std::size_t(Count()), false);
    if (m_itemIndex >= Count()) m_itemIndex = -1;
    m_topIndex = std::clamp(m_topIndex, 0, std::max(0, Count() - 1));
    Invalidate();
}

Integer TCustomListBox::ItemHeight() const
{
    if (m_itemHeight > 0) return m_itemHeight;
    TCanvas measure;
    measure.SetFont(Font());
    return measure.TextHeight(u"Wg") + 1;
}

void TCustomListBox::SetItemHeight(Integer Value)
{
    m_itemHeight = std::max(0, Value);
    Invalidate();
}

void TCustomListBox::SetStyle(TListBoxStyle Value)
{
    m_style = Value;
    Invalidate();
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value)
{
    m_borderStyle = Value;
    Invalidate();
}

void TCustomListBox::SetMultiSelect(bool Value)
{
    m_multiSelect = Value;
    std::fill(m_selected.begin(), m_selected.end(), false);
    if (!Value && m_itemIndex >= 0) m_selected[std::size_t(m_itemIndex)] = true;
    Invalidate();
}

TRect TCustomListBox::ItemsArea() const
{
    const Integer b = m_borderStyle == bsSingle ? 2 : 0;
    TRect r = Rect(b, b, Width() - b, Height() - b);
    if (HasScrollBar()) r.Right -= GetSystemMetrics(SM_CXVSCROLL);
    return r;
}

Integer TCustomListBox::VisibleCount() const
{
    const Integer b = m_borderStyle == bsSingle ? 2 : 0;
    return std::max(1, (Height() - 2 * b) / std::max(1, ItemHeight()));
}

TRect TCustomListBox::ItemRect(Integer Index) const
{
    const TRect a = ItemsArea();
    const Integer top = a.Top + (Index - m_topIndex) * ItemHeight();
    return Rect(a.Left, top, a.Right, top + ItemHeight());
}

Integer TCustomListBox::ItemAtPos(TPoint Pos, bool Existing) const
{
    const TRect a = ItemsArea();
    if (Pos.Y >= a.Top && Pos.X >= a.Left && Pos.X < a.Right) {
        const Integer i = m_topIndex + (Pos.Y - a.Top) / std::max(1, ItemHeight());
        if (i < Count()) return i;
    }
    return Existing ? -1 : Count();
}

bool TCustomListBox::Selected(Integer Index) const
{
    if (Index < 0 || Index >= Count()) ListIndexError(Index);
    if (!m_multiSelect) return Index == m_itemIndex;
    return Index < Integer(m_selected.size()) && m_selected[std::size_t(Index)];
}

void TCustomListBox::SetSelected(Integer Index, bool Value)
{
    if (Index < 0 || Index >= Count()) ListIndexError(Index);
    m_selected.resize(std::size_t(Count()), false);
    if (!m_multiSelect) {
        if (Value)
            m_itemIndex = Index;
        else if (m_itemIndex == Index)
            m_itemIndex = -1;
    } else {
        m_selected[std::size_t(Index)] = Value;
    }
    Invalidate();
}

Integer TCustomListBox::SelCount() const
{
    if (!m_multiSelect) return -1;  // as the class library answers for a single-selection list
    return Integer(std::count(m_selected.begin(), m_selected.end(), true));
}

void TCustomListBox::ClearSelection()
{
    std::fill(m_selected.begin(), m_selected.end(), false);
    if (!m_multiSelect) m_itemIndex = -1;
    Invalidate();
}

void TCustomListBox::SelectAll()
{
    if (!m_multiSelect) return;
    m_selected.assign(std::size_t(Count()), true);
    Invalidate();
}

void TCustomListBox::SetItemIndex(Integer Value)
{
    if (Value < -1 || Value >= Count()) Value = -1;
    m_itemIndex = Value;
    if (m_multiSelect && Value >= 0) {
        m_selected.resize(std::size_t(Count()), false);
        m_selected[std::size_t(Value)] = true;
    }
    if (Value >= 0) ScrollIntoView(Value);
    Invalidate();
}

void TCustomListBox::SetTopIndex(Integer Value)
{
    const Integer top = std::clamp(Value, 0, std::max(0, Count() - VisibleCount()));
    if (top == m_topIndex) return;
    m_topIndex = top;
    Invalidate();
}

void TCustomListBox::ScrollIntoView(Integer Index)
{
    if (Index < m_topIndex)
        SetTopIndex(Index);
    else if (Index >= m_topIndex + VisibleCount())
        SetTopIndex(Index - VisibleCount() + 1);
}

void TCustomListBox::NotifyParent(Word Code) { NotifyParentCommand(*this, Code); }

void TCustomListBox::UserSelect(Integer Index, TShiftState Shift)
{
    if (Count() == 0) return;
    Index = std::clamp(Index, 0, Count() - 1);
    m_selected.resize(std::size_t(Count()), false);
    const Integer old = m_itemIndex;
    const std::vector<bool> oldMarks = m_selected;
    if (m_multiSelect) {
        if (ExtendedSelect && (Shift & ssShift) && m_anchor >= 0) {
            if (!(Shift & ssCtrl)) std::fill(m_selected.begin(), m_selected.end(), false);
            for (Integer i = std::min(m_anchor, Index); i <= std::max(m_anchor, Index); ++i)
                m_selected[std::size_t(i)] = true;
        } else if ((Shift & ssCtrl) || !ExtendedSelect) {
            m_selected[std::size_t(Index)] = !m_selected[std::size_t(Index)];
            m_anchor = Index;
        } else {
            std::fill(m_selected.begin(), m_selected.end(), false);
            m_selected[std::size_t(Index)] = true;
            m_anchor = Index;
        }
    } else {
        m_anchor = Index;
    }
    m_itemIndex = Index;
    ScrollIntoView(Index);
    Invalidate();
    if (old != m_itemIndex || oldMarks != m_selected) NotifyParent(LBN_SELCHANGE);
}

Integer TTypeToSelect::Next(Char C, const TStrings& Items, Integer Current)
{
    const Cardinal now = GetTickCountUI();
    if (now - m_time > 1000) m_search.clear();
    m_time = now;
    const bool repeat = m_search.size() == 1 && m_search[0] == C;
    if (!repeat) m_search += C;
    const Integer n = Items.Count();
    const Integer start = repeat || m_search.size() == 1 ? Current + 1 : std::max(0, Current);
    for (Integer k = 0; k < n; ++k) {
        const Integer i = (start + k) % n;
        if (StartsText(m_search, Items.Strings(i))) return i;
    }
    return -1;
}

void TCustomListBox::TypeToSelect(Char C)
{
    const Integer i = m_search.Next(C, *m_items, m_itemIndex);
    if (i >= 0) UserSelect(i, 0);
}

void TCustomListBox::MouseDownOnItem(Integer Index, TShiftState Shift, TPoint /*P*/) { UserSelect(Index, Shift); }

bool TCustomListBox::ScrollBarClick(TPoint P)
{
    if (!HasScrollBar()) return false;
    const TRect a = ItemsArea();
    if (P.X < a.Right) return false;
    const Integer arrow = GetSystemMetrics(SM_CYVSCROLL);
    if (P.Y < a.Top + arrow)
        SetTopIndex(m_topIndex - 1);
    else if (P.Y >= a.Bottom - arrow)
        SetTopIndex(m_topIndex + 1);
    else
        SetTopIndex(m_topIndex + (P.Y < (a.Top + a.Bottom) / 2 ? -VisibleCount() : VisibleCount()));
    return true;
}

// --- input -------------------------------------------------------------------------------------

void TCustomListBox::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CN_COMMAND: CNCommand(M); return;
    default: TWinControl::Dispatch(M); return;
    }
}

void TCustomListBox::CNCommand(TMessage& M)
{
    switch (TWMCommand(M).NotifyCode) {
    case LBN_SELCHANGE: Click(); return;
    case LBN_DBLCLK: DblClick(); return;
    default: return;
    }
}

void TCustomListBox::DefaultHandler(TMessage& M)
{
    if (ListMessage(M)) return;
    switch (M.Msg) {
    case WM_MOUSEWHEEL: NativeWheel(M); return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: NativeMouseDown(M); return;
    case WM_MOUSEMOVE: NativeMouseMove(M); return;
    case WM_KEYDOWN: NativeKeyDown(M); return;
    case WM_CHAR: NativeChar(M); return;
    default: TWinControl::DefaultHandler(M); return;
    }
}

void TCustomListBox::NativeWheel(TMessage& M)
{
    // The list's own wheel behaviour: reached only when no OnMouseWheel up to the form took it.
    SetTopIndex(m_topIndex - TWMMouseWheel(M).WheelDelta / WHEEL_DELTA * WheelScrollLines());
    M.Result = 1;
}

void TCustomListBox::NativeMouseDown(TMessage& M)
{
    const TWMMouse mouse(M);
    if (ScrollBarClick(mouse.Pos)) return;
    const Integer i = ItemAtPos(mouse.Pos, true);
    if (i < 0) return;
    if (M.Msg == WM_LBUTTONDBLCLK)
        NotifyParent(LBN_DBLCLK);
    else
        MouseDownOnItem(i, mouse.Shift(), mouse.Pos);
}

void TCustomListBox::NativeMouseMove(TMessage& M)
{
    // Dragging with the button down moves the selection of a single-selection list.
    const TWMMouse mouse(M);
    if (!mouse.LeftDown() || GetCapture() != HandleIfAllocated() || m_multiSelect) return;
    const Integer i = ItemAtPos(mouse.Pos, true);
    if (i >= 0 && i != m_itemIndex) UserSelect(i, 0);
}

void TCustomListBox::NativeKeyDown(TMessage& M)
{
    if (!KeyMoves(TWMKey(M).Key, KeyboardStateToShiftState())) TWinControl::DefaultHandler(M);
}

bool TCustomListBox::KeyMoves(Word Key, TShiftState Shift)
{
    const Integer cur = std::max(m_itemIndex, 0);
    switch (Key) {
    case VK_UP: UserSelect(m_itemIndex < 0 ? 0 : cur - 1, Shift); return true;
    case VK_DOWN: UserSelect(m_itemIndex < 0 ? 0 : cur + 1, Shift); return true;
    case VK_PRIOR: UserSelect(cur - VisibleCount() + 1, Shift); return true;
    case VK_NEXT: UserSelect(cur + VisibleCount() - 1, Shift); return true;
    case VK_HOME: UserSelect(0, Shift); return true;
    case VK_END: UserSelect(Count() - 1, Shift); return true;
    case VK_SPACE:
        // Space marks or unmarks the current item of a multiple-selection list.
        if (m_multiSelect && m_itemIndex >= 0) UserSelect(m_itemIndex, ssCtrl);
        return true;
    default: return false;
    }
}

void TCustomListBox::NativeChar(TMessage& M)
{
    const Char c = TWMChar(M).CharCode;
    if (c > 32) TypeToSelect(c);
}

// --- painting -----------------------------------------------------------------------------------

void TCustomListBox::DrawItemText(TCanvas& Canvas, Integer Index, TRect Rect, TOwnerDrawState /*State*/)
{
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.TextOut(Rect.Left + 2, Rect.Top, m_items->Strings(Index));
}

void TCustomListBox::DrawItem(TCanvas& Canvas, Integer Index, TRect Rect, TOwnerDrawState State)
{
    Canvas.Brush()->SetStyle(bsSolid);
    // A disabled list keeps its selection visible, without the highlight colour.
    Canvas.Brush()->SetColor((State & odSelected) ? ((State & odDisabled) ? clBtnFace : clHighlight) : Color());
    Canvas.Font()->Assign(Font());
    Canvas.Font()->SetColor((State & odDisabled)       ? clGrayText
                                : (State & odSelected) ? clHighlightText
                                                       : Font()->Color());
    if (m_style != lbStandard && OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    Canvas.FillRect(Rect);
    DrawItemText(Canvas, Index, Rect, State);
}

void TCustomListBox::PaintWindow(TCanvas& Canvas)
{
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Color());
    Canvas.FillRect(ClientRect());
    const TRect area = ItemsArea();
    const Integer saved = Canvas.SaveDC();
    Canvas.IntersectClipRect(area);
    const bool focused = Focused();
    for (Integer i = m_topIndex; i < Count(); ++i) {
        const TRect r = ItemRect(i);
        if (r.Top >= area.Bottom) break;
        TOwnerDrawState state = 0;
        if (Selected(i)) state |= odSelected;
        if (!Enabled()) state |= odDisabled;
        if (focused && i == m_itemIndex) state |= odFocused;
        DrawItem(Canvas, i, r, state);
        if ((state & odFocused) && ShowFocusRect) Canvas.DrawFocusRect(r);
    }
    Canvas.RestoreDC(saved);
    if (HasScrollBar()) {
        TRect bar = Rect(area.Right, area.Top, area.Right + GetSystemMetrics(SM_CXVSCROLL), area.Bottom);
        Canvas.Brush()->SetColor(clScrollBar);
        Canvas.FillRect(bar);
        const Integer arrow = std::min(GetSystemMetrics(SM_CYVSCROLL), bar.Height() / 2);
        TRect up = Rect(bar.Left, bar.Top, bar.Right, bar.Top + arrow);
        TRect down = Rect(bar.Left, bar.Bottom - arrow, bar.Right, bar.Bottom);
        DrawFrameControl(Canvas, up, DFC_SCROLL, DFCS_SCROLLUP | (Enabled() ? 0 : DFCS_INACTIVE));
        DrawFrameControl(Canvas, down, DFC_SCROLL, DFCS_SCROLLDOWN | (Enabled() ? 0 : DFCS_INACTIVE));
        const Integer track = bar.Height() - 2 * arrow;
        const Integer thumb = std::max(8, track * VisibleCount() / std::max(1, Count()));
        const Integer top = bar.Top + arrow + (track - thumb) * m_topIndex / std::max(1, Count() - VisibleCount());
        TRect t = Rect(bar.Left, top, bar.Right, std::min(top + thumb, bar.Bottom - arrow));
        DrawEdge(Canvas, t, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    }
    if (m_borderStyle == bsSingle) {
        TRect r = ClientRect();
        DrawEdge(Canvas, r, EDGE_SUNKEN, BF_RECT);
    }
}

// --- TCheckListBox -------------------------------------------------------------------------------------

namespace {
constexpr Integer CheckWidth = 13;
}

void TCheckListBox::ItemInserted(Integer Index)
{
    m_checks.insert(m_checks.begin() + std::clamp(Index, 0, Integer(m_checks.size())), TCheckItem{});
    TCustomListBox::ItemInserted(Index);
}

void TCheckListBox::ItemDeleted(Integer Index)
{
    if (Index >= 0 && Index < Integer(m_checks.size())) m_checks.erase(m_checks.begin() + Index);
    TCustomListBox::ItemDeleted(Index);
}

void TCheckListBox::ItemsCleared()
{
    m_checks.clear();
    TCustomListBox::ItemsCleared();
}

void TCheckListBox::ItemsChanged()
{
    m_checks.resize(std::size_t(Count()));
    TCustomListBox::ItemsChanged();
}

TCheckBoxState TCheckListBox::State(Integer Index) const
{
    if (Index < 0 || Index >= Count()) ListIndexError(Index);
    return Index < Integer(m_checks.size()) ? m_checks[std::size_t(Index)].State : cbUnchecked;
}

void TCheckListBox::SetState(Integer Index, TCheckBoxState Value)
{
    if (Index < 0 || Index >= Count()) ListIndexError(Index);
    m_checks.resize(std::size_t(Count()));
    m_checks[std::size_t(Index)].State = Value;
    Invalidate();
}

bool TCheckListBox::ItemEnabled(Integer Index) const
{
    return Index >= 0 && Index < Integer(m_checks.size()) ? m_checks[std::size_t(Index)].Enabled : true;
}

void TCheckListBox::SetItemEnabled(Integer Index, bool Value)
{
    if (Index < 0 || Index >= Count()) ListIndexError(Index);
    m_checks.resize(std::size_t(Count()));
    m_checks[std::size_t(Index)].Enabled = Value;
    Invalidate();
}

void TCheckListBox::Toggle(Integer Index)
{
    if (Index < 0 || Index >= Count() || !ItemEnabled(Index)) return;
    TCheckBoxState next = cbUnchecked;
    switch (State(Index)) {
    case cbUnchecked: next = cbChecked; break;
    case cbChecked: next = AllowGrayed ? cbGrayed : cbUnchecked; break;
    case cbGrayed: next = cbUnchecked; break;
    }
    SetState(Index, next);
    if (OnClickCheck) OnClickCheck(this);
}

void TCheckListBox::MouseDownOnItem(Integer Index, TShiftState Shift, TPoint P)
{
    TCustomListBox::MouseDownOnItem(Index, Shift, P);
    if (P.X < ItemRect(Index).Left + CheckWidth + 2) Toggle(Index);
}

void TCheckListBox::DefaultHandler(TMessage& M)
{
    // Space toggles the current item's box.
    if (M.Msg == WM_CHAR && TWMChar(M).CharCode == u' ') {
        Toggle(ItemIndex());
        return;
    }
    TCustomListBox::DefaultHandler(M);
}

void TCheckListBox::DrawItemText(TCanvas& Canvas, Integer Index, TRect Rect, TOwnerDrawState State)
{
    const Integer top = Rect.Top + (Rect.Height() - CheckWidth) / 2;
    TRect box = gw::Rect(Rect.Left + 1, top, Rect.Left + 1 + CheckWidth, top + CheckWidth);
    Cardinal flags = DFCS_BUTTONCHECK;
    const TCheckBoxState s = this->State(Index);
    if (s == cbChecked)
        flags |= DFCS_CHECKED;
    else if (s == cbGrayed)
        flags |= DFCS_CHECKED | DFCS_INACTIVE;
    if (!ItemEnabled(Index) || !Enabled()) flags |= DFCS_INACTIVE;
    // The box keeps the window colour behind it, as the platform draws it.
    Canvas.Brush()->SetColor(Color());
    Canvas.FillRect(gw::Rect(Rect.Left, Rect.Top, Rect.Left + CheckWidth + 3, Rect.Bottom));
    DrawFrameControl(Canvas, box, DFC_BUTTON, flags);
    if (!ItemEnabled(Index)) Canvas.Font()->SetColor(clGrayText);
    TRect text = Rect;
    text.Left += CheckWidth + 3;
    TCustomListBox::DrawItemText(Canvas, Index, text, State);
}

}  // namespace gw
