// Menu items, the pop-up menu's windows and the nested loop that tracks keys and mouse.
#include "platform/controls/popup_menu.h"

#include "platform/controls/accelerator.h"
#include "platform/graphics/frame_controls.h"
#include "platform/graphics/image_list.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/strings.h"
#include "platform/ui/application.h"
#include "platform/ui/window_system.h"

#include <algorithm>

namespace gw {

// --- shortcuts -------------------------------------------------------------------------------------------

TShortCut ShortCut(Word Key, TShiftState Shift)
{
    TShortCut s = TShortCut(Key & 0xFF);
    if (Shift & ssShift) s |= scShift;
    if (Shift & ssCtrl) s |= scCtrl;
    if (Shift & ssAlt) s |= scAlt;
    return s;
}

String ShortCutToText(TShortCut Value)
{
    Word key = Value & 0xFF;
    if (key == 0) return String();
    String name;
    if ((key >= u'A' && key <= u'Z') || (key >= u'0' && key <= u'9')) name = String(1, Char(key));
    else if (key >= VK_F1 && key <= VK_F12) name = u"F" + IntToStr(key - VK_F1 + 1);
    else {
        switch (key) {
        case VK_BACK: name = u"BkSp"; break;
        case VK_TAB: name = u"Tab"; break;
        case VK_RETURN: name = u"Enter"; break;
        case VK_ESCAPE: name = u"Esc"; break;
        case VK_SPACE: name = u"Space"; break;
        case VK_PRIOR: name = u"PgUp"; break;
        case VK_NEXT: name = u"PgDn"; break;
        case VK_END: name = u"End"; break;
        case VK_HOME: name = u"Home"; break;
        case VK_LEFT: name = u"Left"; break;
        case VK_UP: name = u"Up"; break;
        case VK_RIGHT: name = u"Right"; break;
        case VK_DOWN: name = u"Down"; break;
        case VK_INSERT: name = u"Ins"; break;
        case VK_DELETE: name = u"Del"; break;
        default: name = u"#" + IntToStr(key); break;
        }
    }
    String prefix;
    if (Value & scShift) prefix += u"Shift+";
    if (Value & scCtrl) prefix += u"Ctrl+";
    if (Value & scAlt) prefix += u"Alt+";
    return prefix + name;
}

// --- TMenuItem ---------------------------------------------------------------------------------------------

namespace {
class TMenuActionLink : public TActionLink {
public:
    explicit TMenuActionLink(TMenuItem* Client) : m_client(Client) {}
    void SetAction(TBasicAction* Value) override
    {
        TActionLink::SetAction(Value);
        if (TCustomAction* a = CustomAction()) {
            m_client->Caption = a->Caption();
            m_client->Enabled = a->Enabled();
            m_client->Visible = a->Visible();
            m_client->SetChecked(a->Checked());
            m_client->Hint = a->Hint();
            m_client->ImageIndex = a->ImageIndex();
        }
    }
    bool IsCaptionLinked() const override { return CustomAction() && m_client->Caption == CustomAction()->Caption(); }
    bool IsEnabledLinked() const override { return CustomAction() && m_client->Enabled == CustomAction()->Enabled(); }
    bool IsVisibleLinked() const override { return CustomAction() && m_client->Visible == CustomAction()->Visible(); }
    bool IsCheckedLinked() const override { return CustomAction() && m_client->Checked() == CustomAction()->Checked(); }
    void SetCaption(const String& Value) override { m_client->Caption = Value; }
    void SetEnabled(bool Value) override { m_client->Enabled = Value; }
    void SetVisible(bool Value) override { m_client->Visible = Value; }
    void SetChecked(bool Value) override { m_client->SetChecked(Value); }
    void SetHint(const String& Value) override { m_client->Hint = Value; }

private:
    TMenuItem* m_client;
};
}  // namespace

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem()
{
    Clear();
    if (m_parent) m_parent->Remove(this);
}

TMenuItem* TMenuItem::Items(Integer Index) const
{
    if (Index < 0 || Index >= Count()) throw EListError(u"Menu index out of range");
    return m_items[std::size_t(Index)];
}

void TMenuItem::Add(TMenuItem* Item) { Insert(Count(), Item); }

void TMenuItem::Insert(Integer Index, TMenuItem* Item)
{
    if (!Item) return;
    if (Item == this) throw EInvalidOperation(u"A menu item cannot hold itself");
    for (TMenuItem* p = m_parent; p; p = p->m_parent)
        if (p == Item) throw EInvalidOperation(u"A menu item cannot hold its own parent");
    if (Item->m_parent) Item->m_parent->Remove(Item);
    Index = std::clamp(Index, 0, Count());
    m_items.insert(m_items.begin() + Index, Item);
    Item->m_parent = this;
}

void TMenuItem::Remove(TMenuItem* Item)
{
    auto it = std::find(m_items.begin(), m_items.end(), Item);
    if (it == m_items.end()) return;
    m_items.erase(it);
    Item->m_parent = nullptr;
}

void TMenuItem::Clear()
{
    while (!m_items.empty()) {
        TMenuItem* item = m_items.back();
        m_items.pop_back();
        item->m_parent = nullptr;
        delete item;
    }
}

Integer TMenuItem::IndexOf(const TMenuItem* Item) const
{
    auto it = std::find(m_items.begin(), m_items.end(), Item);
    return it == m_items.end() ? -1 : Integer(it - m_items.begin());
}

TMenuItem* TMenuItem::Find(StringView ACaption) const
{
    for (TMenuItem* i : m_items) {
        if (SameText(StripHotkey(i->Caption), StripHotkey(ACaption))) return i;
        if (TMenuItem* f = i->Find(ACaption)) return f;
    }
    return nullptr;
}

void TMenuItem::SetChecked(bool Value)
{
    if (m_checked == Value) return;
    m_checked = Value;
    if (Value && RadioItem && m_parent) {
        for (TMenuItem* sibling : m_parent->m_items)
            if (sibling != this && sibling->RadioItem && sibling->GroupIndex == GroupIndex) sibling->m_checked = false;
    }
}

void TMenuItem::Click()
{
    if (!Enabled) return;
    if (AutoCheck && !(m_actionLink && m_actionLink->Action())) SetChecked(!m_checked);
    if (OnClick) OnClick(this);
    else if (m_actionLink) m_actionLink->Execute(this);
}

TBasicAction* TMenuItem::Action() const { return m_actionLink ? m_actionLink->Action() : nullptr; }

void TMenuItem::SetAction(TBasicAction* Value)
{
    if (!Value) {
        m_actionLink.reset();
        return;
    }
    if (!m_actionLink) m_actionLink = std::make_unique<TMenuActionLink>(this);
    m_actionLink->SetAction(Value);
}

void TMenuItem::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && m_actionLink && AComponent == m_actionLink->Action()) m_actionLink.reset();
}

TMenuItem* FindShortCutItem(TMenuItem* Root, TShortCut Value)
{
    if (!Root || Value == scNone) return nullptr;
    for (Integer i = 0; i < Root->Count(); ++i) {
        TMenuItem* item = Root->Items(i);
        if (!item->Visible || !item->Enabled) continue;
        if (item->ShortCut == Value) return item;
        if (TMenuItem* f = FindShortCutItem(item, Value)) return f;
    }
    return nullptr;
}

// --- TMenuWindow ---------------------------------------------------------------------------------------------

namespace {
constexpr Integer MenuBorder = 3;
constexpr Integer CheckColumn = 20;
constexpr Integer ArrowColumn = 20;

bool HasSubmenu(const TMenuItem* Item)
{
    for (Integer i = 0; i < Item->Count(); ++i)
        if (Item->Items(i)->Visible) return true;
    return false;
}

bool Selectable(const TMenuItem* Item) { return Item->Visible && !Item->IsLine(); }
}  // namespace

TMenuWindow::TMenuWindow(TMenuItem* Item, TImageList* Images) : TCustomControl(nullptr), m_item(Item), m_images(Images)
{
    SetVisible(false);
    SetColor(clMenu);
    Font()->SetColor(clMenuText);
    TSize s = Measure();
    SetBounds(0, 0, s.cx, s.cy);
}

void TMenuWindow::CreateParams(TCreateParams& P)
{
    TCustomControl::CreateParams(P);
    P.Style = WS_POPUP;
    P.ExStyle |= WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    P.ClassStyle |= CS_SAVEBITS | CS_DROPSHADOW;
    P.WndParent = 0;
}

void TMenuWindow::Dispatch(TMessage& M)
{
    if (M.Msg == WM_MOUSEACTIVATE) {
        M.Result = MA_NOACTIVATE;
        return;
    }
    TCustomControl::Dispatch(M);
}

Integer TMenuWindow::RowHeight(const TMenuItem* Item) const
{
    if (!Item->Visible) return 0;
    if (Item->IsLine()) return 8;
    TCanvas& c = *Canvas();
    c.Font()->Assign(Font());
    Integer h = c.TextHeight(u"Wg") + 6;
    if (m_images) h = std::max(h, m_images->Height() + 4);
    return std::max(h, 19);
}

TSize TMenuWindow::Measure() const
{
    TCanvas& c = *Canvas();
    Integer width = 0, height = 0, keys = 0;
    for (Integer i = 0; i < m_item->Count(); ++i) {
        TMenuItem* item = m_item->Items(i);
        if (!item->Visible) continue;
        height += RowHeight(item);
        if (item->IsLine()) continue;
        c.Font()->Assign(Font());
        if (item->Default) c.Font()->SetStyle(fsBold);
        width = std::max(width, c.TextWidth(StripHotkey(item->Caption)));
        if (item->ShortCut) keys = std::max(keys, c.TextWidth(ShortCutToText(item->ShortCut)) + 16);
    }
    return {width + keys + CheckColumn + ArrowColumn + 2 * MenuBorder, std::max(height, 8) + 2 * MenuBorder};
}

TRect TMenuWindow::ItemRect(Integer Index) const
{
    Integer y = MenuBorder;
    for (Integer i = 0; i < m_item->Count(); ++i) {
        Integer h = RowHeight(m_item->Items(i));
        if (i == Index) return h ? Rect(MenuBorder, y, Width() - MenuBorder, y + h) : TRect{};
        y += h;
    }
    return {};
}

Integer TMenuWindow::ItemAt(TPoint P) const
{
    for (Integer i = 0; i < m_item->Count(); ++i)
        if (PtInRect(ItemRect(i), P)) return i;
    return -1;
}

void TMenuWindow::SetSelected(Integer Index)
{
    if (m_selected == Index) return;
    m_selected = Index;
    Invalidate();
}

void TMenuWindow::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetColor(clMenu);
    c.Brush()->SetStyle(bsSolid);
    c.FillRect(r);
    DrawEdge(c, r, EDGE_RAISED, BF_RECT);
    for (Integer i = 0; i < m_item->Count(); ++i) {
        TMenuItem* item = m_item->Items(i);
        TRect row = ItemRect(i);
        if (IsRectEmpty(row)) continue;
        if (item->IsLine()) {
            Integer y = (row.Top + row.Bottom) / 2 - 1;
            c.Pen()->SetColor(clBtnShadow);
            c.MoveTo(row.Left + 1, y);
            c.LineTo(row.Right - 1, y);
            c.Pen()->SetColor(clBtnHighlight);
            c.MoveTo(row.Left + 1, y + 1);
            c.LineTo(row.Right - 1, y + 1);
            continue;
        }
        bool selected = i == m_selected;
        TColor text = !item->Enabled ? clGrayText : selected ? clHighlightText : clMenuText;
        if (selected) {
            c.Brush()->SetColor(clHighlight);
            c.Brush()->SetStyle(bsSolid);
            c.FillRect(row);
        }
        // The check column: an image, a tick or a bullet.
        Integer cy = (row.Top + row.Bottom) / 2;
        Integer cx = row.Left + CheckColumn / 2;
        if (m_images && item->ImageIndex >= 0) {
            m_images->Draw(&c, row.Left + 2, row.Top + (row.Height() - m_images->Height()) / 2, item->ImageIndex,
                           item->Enabled);
        } else if (item->Checked()) {
            c.Pen()->SetColor(text);
            c.Brush()->SetColor(text);
            c.Brush()->SetStyle(bsSolid);
            if (item->RadioItem) {
                c.Ellipse(cx - 3, cy - 3, cx + 3, cy + 3);
            } else {
                for (Integer k = 0; k < 3; ++k) {
                    c.MoveTo(cx - 3, cy - 1 + k);
                    c.LineTo(cx - 1, cy + 1 + k);
                    c.LineTo(cx + 4, cy - 4 + k);
                }
            }
        }
        c.Font()->Assign(Font());
        if (item->Default) c.Font()->SetStyle(fsBold);
        c.Brush()->SetStyle(bsClear);
        TRect tr = Rect(row.Left + CheckColumn, row.Top, row.Right - ArrowColumn, row.Bottom);
        auto drawText = [&](TColor Color, Integer Offset) {
            c.Font()->SetColor(Color);
            TRect t = tr;
            OffsetRect(t, Offset, Offset);
            c.DrawText(item->Caption, t, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
            if (item->ShortCut) {
                TRect k = t;
                c.DrawText(ShortCutToText(item->ShortCut), k, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
            }
        };
        if (!item->Enabled && !selected) drawText(clBtnHighlight, 1);
        drawText(text, 0);
        if (HasSubmenu(item)) {
            // A small triangle pointing right.
            Integer ax = row.Right - ArrowColumn / 2 - 2;
            c.Pen()->SetColor(text);
            for (Integer k = 0; k < 4; ++k) {
                c.MoveTo(ax + k, cy - 3 + k);
                c.LineTo(ax + k, cy + 4 - k);
            }
        }
    }
}

// --- the nested loop -------------------------------------------------------------------------------------------

class TMenuTracker {
public:
    explicit TMenuTracker(TPopupMenu& Menu) : m_menu(Menu) {}
    TMenuItem* Run(TPoint At);
    void Cancel() { m_done = true; }
    std::vector<TMenuWindow*> Windows() const
    {
        std::vector<TMenuWindow*> out;
        for (auto& w : m_levels) out.push_back(w.get());
        return out;
    }

private:
    void OpenLevel(TMenuItem* Item, TPoint At, TRect Avoid, bool SelectFirst);
    void CloseAbove(std::size_t Level);
    void Step(TMenuWindow& W, bool Forward, bool FromEdge);
    // Chooses the selected item of the deepest level: opens its sub-menu or ends with it.
    void Activate(std::size_t Level, Integer Index, bool SelectFirst);
    void Key(Word VirtKey);
    void Char_(Char C);
    void Mouse(const TMsg& M);

    TPopupMenu& m_menu;
    std::vector<std::unique_ptr<TMenuWindow>> m_levels;
    TMenuItem* m_chosen = nullptr;
    bool m_done = false;
    bool m_pressedInside = false;
};

void TMenuTracker::OpenLevel(TMenuItem* Item, TPoint At, TRect Avoid, bool SelectFirst)
{
    auto w = std::make_unique<TMenuWindow>(Item, m_menu.Images);
    TSize s{w->Width(), w->Height()};
    TRect screen = HasBackend() ? Backend().WorkAreaRect() : Rect(0, 0, 1920, 1080);
    Integer x = At.X, y = At.Y;
    if (m_levels.empty()) {
        if (m_menu.Alignment == paRight) x -= s.cx;
        else if (m_menu.Alignment == paCenter) x -= s.cx / 2;
        if (x + s.cx > screen.Right) x = std::max(screen.Left, screen.Right - s.cx);
        if (y + s.cy > screen.Bottom) y = At.Y - s.cy >= screen.Top ? At.Y - s.cy : std::max(screen.Top, screen.Bottom - s.cy);
    } else {
        // A sub-menu opens beside its parent, to the left when there is no room on the right.
        if (x + s.cx > screen.Right) x = std::max(screen.Left, Avoid.Left - s.cx);
        if (y + s.cy > screen.Bottom) y = std::max(screen.Top, screen.Bottom - s.cy);
    }
    x = std::max(x, screen.Left);
    w->SetBounds(x, y, s.cx, s.cy);
    w->SetVisible(true);
    w->HandleNeeded();
    if (SelectFirst) Step(*w, true, true);
    m_levels.push_back(std::move(w));
}

void TMenuTracker::CloseAbove(std::size_t Level)
{
    while (m_levels.size() > Level + 1) m_levels.pop_back();
}

void TMenuTracker::Step(TMenuWindow& W, bool Forward, bool FromEdge)
{
    TMenuItem* item = W.MenuItem();
    Integer n = item->Count();
    if (n == 0) return;
    Integer i = FromEdge || W.Selected() < 0 ? (Forward ? -1 : n) : W.Selected();
    for (Integer k = 0; k < n; ++k) {
        i = Forward ? (i + 1 + n) % n : (i - 1 + n) % n;
        if (Selectable(item->Items(i))) {
            W.SetSelected(i);
            return;
        }
    }
}

void TMenuTracker::Activate(std::size_t Level, Integer Index, bool SelectFirst)
{
    TMenuWindow& w = *m_levels[Level];
    if (Index < 0 || Index >= w.MenuItem()->Count()) return;
    TMenuItem* item = w.MenuItem()->Items(Index);
    if (!Selectable(item)) return;
    w.SetSelected(Index);
    CloseAbove(Level);
    if (!item->Enabled) return;
    if (HasSubmenu(item)) {
        TRect row = w.ItemRect(Index);
        TRect screenWindow = GetWindowRect(w.Handle());
        OpenLevel(item, {screenWindow.Right - 3, screenWindow.Top + row.Top - 3}, screenWindow, SelectFirst);
        return;
    }
    m_chosen = item;
    m_done = true;
}

void TMenuTracker::Key(Word VirtKey)
{
    TMenuWindow& w = *m_levels.back();
    std::size_t level = m_levels.size() - 1;
    switch (VirtKey) {
    case VK_DOWN: Step(w, true, false); break;
    case VK_UP: Step(w, false, false); break;
    case VK_HOME: Step(w, true, true); break;
    case VK_END: Step(w, false, true); break;
    case VK_RIGHT:
        if (w.Selected() >= 0 && HasSubmenu(w.MenuItem()->Items(w.Selected()))) Activate(level, w.Selected(), true);
        break;
    case VK_LEFT:
        if (level > 0) m_levels.pop_back();
        break;
    case VK_RETURN:
    case VK_SPACE:
        if (w.Selected() >= 0) Activate(level, w.Selected(), true);
        break;
    case VK_ESCAPE:
        if (level > 0) m_levels.pop_back();
        else m_done = true;
        break;
    case VK_MENU:
    case VK_F10: m_done = true; break;
    default: break;
    }
}

void TMenuTracker::Char_(Char C)
{
    TMenuWindow& w = *m_levels.back();
    TMenuItem* item = w.MenuItem();
    std::vector<Integer> matches;
    for (Integer i = 0; i < item->Count(); ++i)
        if (Selectable(item->Items(i)) && IsAccel(C, item->Items(i)->Caption)) matches.push_back(i);
    if (matches.empty()) return;
    if (matches.size() == 1) {
        Activate(m_levels.size() - 1, matches.front(), true);
        return;
    }
    // Several items share the letter: each press selects the next of them.
    auto next = std::upper_bound(matches.begin(), matches.end(), w.Selected());
    w.SetSelected(next == matches.end() ? matches.front() : *next);
}

void TMenuTracker::Mouse(const TMsg& M)
{
    // The deepest level under the pointer.
    std::size_t level = m_levels.size();
    Integer index = -1;
    for (std::size_t l = m_levels.size(); l-- > 0;) {
        TMenuWindow& w = *m_levels[l];
        TRect r = GetWindowRect(w.Handle());
        if (PtInRect(r, M.pt)) {
            level = l;
            index = w.ItemAt({M.pt.X - r.Left, M.pt.Y - r.Top});
            break;
        }
    }
    bool inside = level < m_levels.size();
    switch (M.message) {
    case WM_MOUSEMOVE:
        if (!inside || index < 0) return;
        if (m_levels[level]->Selected() == index && m_levels.size() > level + 1) return;
        if (Selectable(m_levels[level]->MenuItem()->Items(index))) {
            CloseAbove(level);
            m_levels[level]->SetSelected(index);
            TMenuItem* item = m_levels[level]->MenuItem()->Items(index);
            if (item->Enabled && HasSubmenu(item)) Activate(level, index, false);
        }
        return;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
        m_pressedInside = inside;
        if (!inside) m_done = true;  // a click outside closes the menu, and is spent on it
        return;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        if (inside && index >= 0) Activate(level, index, false);
        return;
    default: return;
    }
}

TMenuItem* TMenuTracker::Run(TPoint At)
{
    OpenLevel(m_menu.Items(), At, TRect{}, false);
    while (!m_done) {
        if (Application && Application->Terminated()) break;
        TMsg msg;
        if (!PeekMessage(msg)) {
            WaitMessage();
            continue;
        }
        switch (msg.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (msg.wParam == VK_ESCAPE || msg.wParam == VK_RETURN || msg.wParam == VK_SPACE ||
                (msg.wParam >= VK_PRIOR && msg.wParam <= VK_DOWN) || msg.wParam == VK_MENU || msg.wParam == VK_F10)
                Key(Word(msg.wParam));
            else TranslateMessage(msg);
            break;
        case WM_CHAR:
        case WM_SYSCHAR: Char_(Char(msg.wParam)); break;
        case WM_KEYUP:
        case WM_SYSKEYUP:
        case WM_MOUSEWHEEL: break;
        case WM_CANCELMODE: m_done = true; break;
        default:
            if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) Mouse(msg);
            else DispatchMessage(msg);
            break;
        }
    }
    m_levels.clear();
    return m_chosen;
}

// --- TPopupMenu ------------------------------------------------------------------------------------------------

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner), m_items(new TMenuItem(this)) {}

TPopupMenu::~TPopupMenu() { CloseMenu(); }

void TPopupMenu::Popup(Integer X, Integer Y)
{
    if (m_open) return;
    m_popupPoint = {X, Y};
    if (OnPopup) OnPopup(this);
    if (!HasSubmenu(m_items)) return;  // nothing to show
    // Whatever was captured gives way to the menu.
    if (HWND cap = GetCapture()) SendMessage(cap, WM_CANCELMODE, 0, 0);
    ReleaseCapture();
    TMenuTracker tracker(*this);
    m_tracker = &tracker;
    m_open = true;
    TMenuItem* chosen = nullptr;
    try {
        chosen = tracker.Run({X, Y});
    } catch (...) {
        m_tracker = nullptr;
        m_open = false;
        throw;
    }
    m_tracker = nullptr;
    m_open = false;
    if (OnClose) OnClose(this);
    if (chosen) chosen->Click();
}

void TPopupMenu::CloseMenu()
{
    if (m_tracker) m_tracker->Cancel();
}

std::vector<TMenuWindow*> TPopupMenu::OpenWindows() const
{
    return m_tracker ? m_tracker->Windows() : std::vector<TMenuWindow*>{};
}

}  // namespace gw
