// TCustomComboBox and TComboBox: an edit (or a fixed field) with a pop-up list of items.
#include "platform/controls/combo_box.h"

#include "platform/controls/message_beep.h"
#include "platform/graphics/frame_controls.h"
#include "platform/runtime/strings.h"
#include "platform/ui/backend.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/window_system.h"

#include <algorithm>

namespace gw {

// --- TComboListPopup ----------------------------------------------------------------------------

TComboListPopup::TComboListPopup(TCustomComboBox& Combo) : TCustomListBox(&Combo), m_combo(Combo)
{
    SetVisible(false);
    SetTabStop(false);
    SetBorderStyle(bsNone);
    ShowFocusRect = false;
    ControlStyle &= ~Cardinal(csCaptureMouse);  // the combo box holds the capture
}

void TComboListPopup::CreateParams(TCreateParams& Params)
{
    TCustomListBox::CreateParams(Params);
    Params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST;
    Params.Style &= ~Cardinal(WS_TABSTOP);
}

void TComboListPopup::Highlight(Integer Index)
{
    m_itemIndex = (Index >= 0 && Index < Count()) ? Index : -1;
    if (m_itemIndex >= 0) ScrollIntoView(m_itemIndex);
    Invalidate();
}

void TComboListPopup::DrawItem(TCanvas& Canvas, Integer Index, TRect Rect, TOwnerDrawState State)
{
    const TComboBoxStyle style = m_combo.Style();
    if ((style == csOwnerDrawFixed || style == csOwnerDrawVariable) && m_combo.OnDrawItem) {
        Canvas.Brush()->SetStyle(bsSolid);
        Canvas.Brush()->SetColor((State & odSelected) ? clHighlight : Color());
        Canvas.Font()->Assign(m_combo.Font());
        Canvas.Font()->SetColor((State & odSelected) ? clHighlightText : m_combo.Font()->Color());
        m_combo.OnDrawItem(&m_combo, Index, Rect, State);
        return;
    }
    TCustomListBox::DrawItem(Canvas, Index, Rect, State);
}

void TComboListPopup::PaintWindow(TCanvas& Canvas)
{
    // The items sit inside a one-pixel black frame, drawn over the list's own painting.
    TCustomListBox::PaintWindow(Canvas);
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(clWindowFrame);
    Canvas.FrameRect(ClientRect());
}

// --- TCustomComboBox -------------------------------------------------------------------------------

bool GetComboBoxInfo(HWND Combo, TComboBoxInfo* Info)
{
    auto* combo = dynamic_cast<TCustomComboBox*>(FindControl(Combo));
    if (!combo || !Info) return false;
    Info->rcItem = combo->FieldRect();
    Info->rcButton = combo->ButtonRect();
    Info->stateButton = combo->DroppedDown() ? STATE_SYSTEM_PRESSED : 0;
    Info->hwndCombo = Combo;
    Info->hwndItem = Combo;
    Info->hwndList = combo->ListPopup()->HandleIfAllocated();
    return true;
}

TCustomComboBox::TCustomComboBox(TComponent* AOwner) : TWinControl(AOwner)
{
    m_list = new TComboListPopup(*this);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    ControlStyle = csSetCaption | csDoubleClicks | csFixedHeight;
    m_engine.Measure().SetFont(Font());
    m_engine.OnChange = [this] {
        // Typing leaves no item selected; with the list open, the first item the text begins
        // is highlighted instead.
        const String& text = m_engine.Buffer.Text();
        Integer match = -1;
        if (m_dropped && !text.empty())
            for (Integer i = 0; i < Items()->Count() && match < 0; ++i)
                if (StartsText(text, Items()->Strings(i))) match = i;
        m_list->Highlight(match);
        SyncText();
        if (!m_completing) NotifyParent(CBN_EDITCHANGE);
    };
    m_engine.OnInvalidate = [this] { Invalidate(); };
    m_engine.OnBeep = [] { MessageBeep(0); };
    SetBounds(0, 0, 145, 21);
}

TCustomComboBox::~TCustomComboBox() = default;

Integer TCustomComboBox::FieldHeight() const
{
    if (m_fieldHeight > 0) return m_fieldHeight;
    TCanvas measure;
    measure.SetFont(Font());
    return measure.TextHeight(u"Wg") + 2;
}

void TCustomComboBox::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer /*AHeight*/)
{
    // The height follows the selection field, as the platform's combo boxes do.
    TWinControl::SetBounds(ALeft, ATop, AWidth, FieldHeight() + 6);
    UpdateEditRect();
}

TRect TCustomComboBox::ButtonRect() const
{
    const Integer w = GetSystemMetrics(SM_CXVSCROLL);
    return Rect(Width() - 2 - w, 2, Width() - 2, Height() - 2);
}

TRect TCustomComboBox::FieldRect() const { return Rect(3, 3, ButtonRect().Left - 1, Height() - 3); }

void TCustomComboBox::UpdateEditRect()
{
    TRect r = FieldRect();
    r.Left = 4;
    m_engine.FormatRect = r;
    m_engine.ScrollCaret();
}

void TCustomComboBox::CreateWnd()
{
    TWinControl::CreateWnd();
    UpdateEditRect();
}

void TCustomComboBox::SetStyle(TComboBoxStyle Value)
{
    if (Value == m_style) return;
    m_style = Value;
    if (!HasEdit()) SyncText();
    Invalidate();
}

void TCustomComboBox::SetItemHeight(Integer Value) { m_list->SetItemHeight(Value); }

void TCustomComboBox::SyncText()
{
    const Integer i = ItemIndex();
    const String text = HasEdit() ? m_engine.Buffer.Text() : (i >= 0 ? Items()->Strings(i) : String());
    TFlagRaised syncing(m_syncing);
    TWinControl::SetText(text);
}

void TCustomComboBox::SetText(const String& Value)
{
    if (m_syncing) {
        TWinControl::SetText(Value);
        return;
    }
    if (HasEdit()) {
        if (Value == m_engine.Buffer.Text()) return;
        m_engine.SetText(Value);
        SyncText();
        return;
    }
    m_list->SetItemIndex(Items()->IndexOf(Value));
    SyncText();
    Invalidate();
}

void TCustomComboBox::SetItemIndex(Integer Value)
{
    m_list->SetItemIndex(Value);
    if (HasEdit()) {
        m_engine.SetText(ItemIndex() >= 0 ? Items()->Strings(ItemIndex()) : String());
        if (Focused()) m_engine.SetSel(0, -1);
    }
    SyncText();
    Invalidate();
}

void TCustomComboBox::Clear()
{
    Items()->Clear();
    m_engine.SetText(u"");
    SyncText();
}

void TCustomComboBox::NotifyParent(Word Code) { NotifyParentCommand(*this, Code); }

void TCustomComboBox::Change()
{
    if (OnChange) OnChange(this);
}

void TCustomComboBox::Select()
{
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

void TCustomComboBox::DropDown()
{
    if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::CloseUp()
{
    if (OnCloseUp) OnCloseUp(this);
}

void TCustomComboBox::UserSelect(Integer Index)
{
    if (Items()->Count() == 0) return;
    Index = std::clamp(Index, 0, Items()->Count() - 1);
    const bool changed = Index != ItemIndex();
    m_list->Highlight(Index);
    m_savedIndex = Index;
    if (HasEdit()) {
        m_engine.SetText(Items()->Strings(Index));
        m_engine.SetSel(0, -1);
    }
    SyncText();
    Invalidate();
    if (changed) NotifyParent(CBN_SELCHANGE);
}

void TCustomComboBox::OpenList()
{
    if (m_dropped || !HandleAllocated() || !Enabled()) return;
    NotifyParent(CBN_DROPDOWN);  // the handler may fill the items
    if (m_dropped || !HandleAllocated()) return;
    m_savedIndex = ItemIndex();
    const Integer rows = std::clamp(Items()->Count(), 1, std::max(1, DropDownCount));
    const Integer height = rows * m_list->ItemHeight() + 2;
    const Integer width = ListWidth();
    const TPoint below = ClientToScreen({0, Height()});
    TRect r = Bounds(below.X, below.Y, width, height);
    const TRect work = HasBackend() ? Backend().WorkAreaRect() : Rect(0, 0, 1 << 15, 1 << 15);
    if (r.Bottom > work.Bottom) {
        const TPoint above = ClientToScreen({0, 0});
        r = Bounds(below.X, above.Y - height, width, height);
    }
    m_list->SetParentWindow(GetTopLevelWindow(Handle()));
    m_list->SetBoundsRect(r);
    m_list->HandleNeeded();
    m_list->SetTopIndex(0);
    // With an edit, the list opens on the first item the text begins.
    Integer highlight = m_savedIndex;
    if (HasEdit() && highlight < 0 && !m_engine.Buffer.Text().empty())
        for (Integer i = 0; i < Items()->Count() && highlight < 0; ++i)
            if (StartsText(m_engine.Buffer.Text(), Items()->Strings(i))) highlight = i;
    m_list->Highlight(highlight);
    m_list->SetVisible(true);
    ShowWindow(m_list->Handle(), true);
    m_dropped = true;
    m_inListClick = false;
    SetCapture(Handle());
    Invalidate();
}

void TCustomComboBox::CloseList(bool Accept)
{
    if (!m_dropped) return;
    m_dropped = false;
    m_tracking = false;
    m_list->SetVisible(false);
    if (GetCapture() == HandleIfAllocated()) ReleaseCapture();
    const Integer chosen = m_list->ItemIndex();
    m_list->Highlight(m_savedIndex);
    Invalidate();
    NotifyParent(Accept ? CBN_SELENDOK : CBN_SELENDCANCEL);
    NotifyParent(CBN_CLOSEUP);
    if (Accept && chosen >= 0) UserSelect(chosen);
}

void TCustomComboBox::SetDroppedDown(bool Value)
{
    if (Value)
        OpenList();
    else
        CloseList(true);
}

void TCustomComboBox::TypeToSelect(Char C)
{
    const Integer i = m_search.Next(C, *Items(), m_dropped ? m_list->ItemIndex() : ItemIndex());
    if (i >= 0) UserSelect(i);
}

bool TCustomComboBox::CompleteTyping(Char C)
{
    const String before = m_engine.Buffer.Text();
    const Integer start = SelStart();
    // Only typing at the end completes; half a surrogate pair is no letter to match.
    if ((C >= 0xD800 && C <= 0xDFFF) || start + SelLength() != Integer(before.size())) return false;
    const String typed = before.substr(0, std::size_t(start)) + C;
    const Integer limit = m_engine.Buffer.MaxLength;
    for (Integer i = 0; i < Items()->Count(); ++i) {
        const String item = Items()->Strings(i);
        if (!StartsText(typed, item) || (limit > 0 && Integer(item.size()) > limit)) continue;
        // The typed letters stay as typed; the rest of the item is selected, so that further
        // typing replaces it. The parent hears of a new item, else of a new text, once.
        const bool changed = i != ItemIndex();
        {
            TFlagRaised quiet(m_completing);
            if (!m_engine.InsertText(String(1, C) + item.substr(typed.size()), true)) return false;
        }
        m_engine.SetSel(Integer(typed.size()), -1);
        m_list->Highlight(i);
        SyncText();
        if (changed)
            NotifyParent(CBN_SELCHANGE);
        else if (m_engine.Buffer.Text() != before)
            NotifyParent(CBN_EDITCHANGE);
        return true;
    }
    return false;
}

// --- input -------------------------------------------------------------------------------------

void TCustomComboBox::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CN_COMMAND: CNCommand(M); return;
    case CM_FONTCHANGED: CMFontChanged(M); return;
    case WM_MOUSEWHEEL: WheelBeforeOffer(M); return;
    default: TWinControl::Dispatch(M); return;
    }
}

void TCustomComboBox::DefaultHandler(TMessage& M)
{
    if (ComboMessage(M)) return;
    switch (M.Msg) {
    case WM_SETFOCUS: NativeSetFocus(M); return;
    case WM_KILLFOCUS: NativeKillFocus(M); return;
    case WM_MOUSEWHEEL: NativeWheel(M); return;
    case WM_CAPTURECHANGED: NativeCaptureChanged(M); return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: NativeKeyDown(M); return;
    case WM_CHAR: NativeChar(M); return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: NativeMouseDown(M); return;
    case WM_MOUSEMOVE: NativeMouseMove(M); return;
    case WM_LBUTTONUP: NativeMouseUp(M); return;
    default: TWinControl::DefaultHandler(M); return;
    }
}

void TCustomComboBox::CNCommand(TMessage& M)
{
    switch (TWMCommand(M).NotifyCode) {
    case CBN_SELCHANGE: SelChange(); return;
    case CBN_EDITCHANGE: Change(); return;
    case CBN_DROPDOWN: DropDown(); return;
    case CBN_CLOSEUP: CloseUp(); return;
    case CBN_DBLCLK: DblClick(); return;
    default: return;
    }
}

void TCustomComboBox::SelChange()
{
    Click();
    Select();
}

void TCustomComboBox::CMFontChanged(TMessage& M)
{
    m_engine.Measure().SetFont(Font());
    SetBounds(Left(), Top(), Width(), Height());
    TWinControl::Dispatch(M);
}

void TCustomComboBox::WheelBeforeOffer(TMessage& M)
{
    // An open list is a mode of its own: it scrolls, nothing else hears the wheel.
    if (!m_dropped) {
        TWinControl::Dispatch(M);
        return;
    }
    m_list->SetTopIndex(m_list->TopIndex() - TWMMouseWheel(M).WheelDelta / WHEEL_DELTA * WheelScrollLines());
    M.Result = 1;
}

void TCustomComboBox::NativeSetFocus(TMessage& /*M*/)
{
    if (HasEdit()) m_engine.SetSel(0, -1);
}

void TCustomComboBox::NativeWheel(TMessage& M)
{
    // The combo's own wheel behaviour, reached only when no OnMouseWheel up to the form took
    // it: one item per notch, towards the end for a notch towards the user.
    const Integer delta = TWMMouseWheel(M).WheelDelta;
    if (delta != 0 && Items()->Count() > 0) {
        const Integer steps = std::max(1, std::abs(delta) / WHEEL_DELTA);
        const Integer target = ItemIndex() < 0 ? 0 : ItemIndex() + (delta < 0 ? steps : -steps);
        UserSelect(std::clamp(target, 0, Items()->Count() - 1));
    }
    M.Result = 1;
}

void TCustomComboBox::NativeCaptureChanged(TMessage& M)
{
    if (m_dropped && TWMCaptureChanged(M).NewCapture != HandleIfAllocated()) CloseList(false);
}

void TCustomComboBox::NativeKillFocus(TMessage&)
{
    m_balloon.Hide();
    CloseList(false);
}

void TCustomComboBox::NativeKeyDown(TMessage& M)
{
    m_balloon.Hide();
    const Word key = TWMKey(M).Key;
    const bool alt = (KeyboardStateToShiftState() & ssAlt) != 0;
    if ((key == VK_F4 && !alt) || (alt && (key == VK_DOWN || key == VK_UP))) {
        m_dropped ? CloseList(true) : OpenList();
        return;
    }
    if (m_dropped ? KeyInOpenList(key) : KeyOnClosedList(key)) return;
    if (HasEdit()) m_engine.HandleMessage(M);
}

bool TCustomComboBox::KeyInOpenList(Word Key)
{
    const Integer cur = m_list->ItemIndex();
    const Integer page = std::max(1, m_list->VisibleCount() - 1);
    switch (Key) {
    case VK_RETURN: CloseList(true); return true;
    case VK_ESCAPE: CloseList(false); return true;
    case VK_UP: UserSelect(cur < 0 ? 0 : cur - 1); return true;
    case VK_DOWN: UserSelect(cur < 0 ? 0 : cur + 1); return true;
    case VK_PRIOR: UserSelect(cur - page); return true;
    case VK_NEXT: UserSelect(cur + page); return true;
    case VK_HOME:
    case VK_END:
        if (HasEdit()) return false;  // they move the edit field's caret
        UserSelect(Key == VK_HOME ? 0 : Items()->Count() - 1);
        return true;
    default: return false;
    }
}

bool TCustomComboBox::KeyOnClosedList(Word Key)
{
    const Integer cur = ItemIndex();
    if (Key == VK_UP || Key == VK_DOWN) {
        UserSelect(cur < 0 ? 0 : cur + (Key == VK_UP ? -1 : 1));
        return true;
    }
    if (HasEdit()) return false;
    // Without an edit field the other moving keys step through the items too.
    const Integer page = std::max(1, DropDownCount - 1);
    switch (Key) {
    case VK_LEFT: UserSelect(cur < 0 ? 0 : cur - 1); return true;
    case VK_RIGHT: UserSelect(cur < 0 ? 0 : cur + 1); return true;
    case VK_HOME: UserSelect(0); return true;
    case VK_END: UserSelect(Items()->Count() - 1); return true;
    case VK_PRIOR: UserSelect(cur - page); return true;
    case VK_NEXT: UserSelect(cur + page); return true;
    default: return true;
    }
}

void TCustomComboBox::NativeChar(TMessage& M)
{
    m_balloon.Hide();
    const Char c = TWMChar(M).CharCode;
    if (!HasEdit()) {
        if (c > 32 && AutoComplete) TypeToSelect(c);
        return;
    }
    // Enter, Escape and Tab type nothing into the field.
    if (c == 13 || c == 27 || c == 9) return;
    if (c >= 32 && AutoComplete && CompleteTyping(c)) return;
    m_engine.HandleMessage(M);
}

TPoint TCustomComboBox::ToList(TPoint Client) const
{
    const TPoint screen = ClientToScreen(Client);
    return m_list->ScreenToClient(screen);
}

void TCustomComboBox::NativeMouseDown(TMessage& M)
{
    const TPoint p = TWMMouse(M).Pos;
    if (m_dropped) {
        MouseDownDropped(p);
        return;
    }
    if (!HasEdit() || PtInRect(ButtonRect(), p)) {
        OpenList();
        m_tracking = true;
        return;
    }
    m_engine.HandleMessage(M);
}

void TCustomComboBox::MouseDownDropped(TPoint Client)
{
    const TPoint p = ToList(Client);
    if (PtInRect(m_list->ClientRect(), p)) {
        m_inListClick = true;
        const Integer i = m_list->ItemAtPos(p, true);
        if (i >= 0)
            m_list->Highlight(i);
        else {
            TMessage m{WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(p.X, p.Y), 0};  // its scroll bar
            m_list->DefaultHandler(m);
        }
        return;
    }
    // A press outside the list closes it; on the button it does nothing more.
    CloseList(false);
}

void TCustomComboBox::NativeMouseMove(TMessage& M)
{
    if (m_dropped) {
        MouseMoveDropped(TWMMouse(M).Pos);
        return;
    }
    if (HasEdit()) m_engine.HandleMessage(M);
}

void TCustomComboBox::MouseMoveDropped(TPoint Client)
{
    const TPoint lp = ToList(Client);
    const Integer i = m_list->ItemAtPos(lp, true);
    if (i >= 0 && PtInRect(m_list->ClientRect(), lp)) m_list->Highlight(i);
}

void TCustomComboBox::NativeMouseUp(TMessage& M)
{
    if (m_dropped) {
        MouseUpDropped(TWMMouse(M).Pos);
        return;
    }
    if (HasEdit()) m_engine.HandleMessage(M);
}

void TCustomComboBox::MouseUpDropped(TPoint Client)
{
    // A release on an item the press or a drag from the field reached takes it.
    const TPoint lp = ToList(Client);
    const bool inList = PtInRect(m_list->ClientRect(), lp) && m_list->ItemAtPos(lp, true) >= 0;
    if (inList && (m_tracking || m_inListClick)) CloseList(true);
    m_tracking = false;
    m_inListClick = false;
}

// --- painting -----------------------------------------------------------------------------------

void TCustomComboBox::PaintWindow(TCanvas& Canvas)
{
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Enabled() ? Color() : clBtnFace);
    Canvas.FillRect(ClientRect());
    const bool focused = Focused();
    if (HasEdit()) {
        TEditEngine::TPaintOptions o;
        o.Text = Font()->Color();
        o.Focused = focused;
        o.Enabled = Enabled();
        m_engine.Paint(Canvas, o);
    } else {
        const TRect field = FieldRect();
        const bool highlight = focused && !m_dropped;
        const Integer i = ItemIndex();
        TOwnerDrawState state = odComboBoxEdit;
        if (highlight) state |= odSelected | odFocused;
        if (!Enabled()) state |= odDisabled;
        Canvas.Brush()->SetColor(highlight ? clHighlight : (Enabled() ? Color() : clBtnFace));
        Canvas.Font()->Assign(Font());
        Canvas.Font()->SetColor(!Enabled() ? clGrayText : highlight ? clHighlightText : Font()->Color());
        if ((m_style == csOwnerDrawFixed || m_style == csOwnerDrawVariable) && OnDrawItem) {
            OnDrawItem(this, i, field, state);
        } else {
            Canvas.FillRect(field);
            if (i >= 0) {
                const Integer saved = Canvas.SaveDC();
                Canvas.IntersectClipRect(field);
                Canvas.Brush()->SetStyle(bsClear);
                Canvas.TextOut(field.Left + 1, field.Top + (field.Height() - Canvas.TextHeight(u"Wg")) / 2,
                               Items()->Strings(i));
                Canvas.RestoreDC(saved);
            }
        }
        if (highlight) Canvas.DrawFocusRect(field);
    }
    TRect button = ButtonRect();
    Cardinal state = DFCS_SCROLLCOMBOBOX;
    if (m_dropped) state |= DFCS_PUSHED | DFCS_FLAT;
    if (!Enabled()) state |= DFCS_INACTIVE;
    DrawFrameControl(Canvas, button, DFC_SCROLL, state);
    TRect r = ClientRect();
    DrawEdge(Canvas, r, EDGE_SUNKEN, BF_RECT);
}

}  // namespace gw
