// Pop-up menus: items get program-wide command numbers; a chosen command comes back as WM_COMMAND.
#include "platform/ui/menus.h"

#include "platform/ui/application.h"
#include "platform/ui/backend.h"
#include "platform/ui/window_system.h"

#include <algorithm>
#include <atomic>

namespace gw {

namespace {
std::atomic<UINT> g_nextCommand{1};
}

UINT TrackPopupMenu(const std::vector<TMenuEntry>& Items, Cardinal Flags, TPoint ScreenPoint, HWND Owner)
{
    if (HWND cap = GetCapture()) SendMessage(cap, WM_CANCELMODE, 0, 0);
    ReleaseCapture();
    UINT chosen = Backend().RunPopupMenu(Items, ScreenPoint, Owner);
    if (Flags & TPM_RETURNCMD) return chosen;
    if (chosen && Owner) PostMessage(Owner, WM_COMMAND, MakeWParam(Integer(chosen), 0), 0);
    return chosen != 0;
}

// Commands travel in the low word of WM_COMMAND's wParam: 1 to 65535, reused after that.
TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), m_command((g_nextCommand++ - 1) % 0xFFFF + 1) {}

TMenuItem::~TMenuItem()
{
    Destroying();
    while (!m_items.empty()) {
        TMenuItem* i = m_items.back();
        Remove(i);
        if (!i->Owner()) delete i;
    }
    if (m_parent) m_parent->Remove(this);
}

void TMenuItem::Click()
{
    if (OnClick) OnClick(this);
}

void TMenuItem::SetChecked(bool Value)
{
    Checked = Value;
    if (!Value || !RadioItem || !m_parent) return;
    for (TMenuItem* i : m_parent->m_items)
        if (i != this && i->RadioItem && i->GroupIndex == GroupIndex) i->Checked = false;
}

void TMenuItem::Add(TMenuItem* Item)
{
    if (Item->m_parent) Item->m_parent->Remove(Item);
    Item->m_parent = this;
    m_items.push_back(Item);
}

void TMenuItem::Remove(TMenuItem* Item)
{
    std::erase(m_items, Item);
    if (Item->m_parent == this) Item->m_parent = nullptr;
}

TMenuItem* TMenuItem::FindCommand(UINT Command)
{
    if (m_command == Command) return this;
    for (TMenuItem* i : m_items)
        if (TMenuItem* f = i->FindCommand(Command)) return f;
    return nullptr;
}

std::vector<TMenuEntry> TMenuItem::Entries() const
{
    std::vector<TMenuEntry> list;
    for (TMenuItem* i : m_items) {
        if (!i->Visible) continue;
        TMenuEntry e;
        e.Caption = i->Caption;
        e.Command = i->IsLine() ? 0 : i->Command();
        e.Enabled = i->Enabled;
        e.Checked = i->Checked;
        e.RadioItem = i->RadioItem;
        e.Items = i->Entries();
        list.push_back(std::move(e));
    }
    return list;
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner)
{
    m_items = new TMenuItem(this);
    m_window = AllocateHWnd([this](HWND Wnd, UINT Msg, WPARAM W, LPARAM L) -> LRESULT {
        if (Msg != WM_COMMAND) return DefWindowProc(Wnd, Msg, W, L);
        try {
            TMenuItem* item = m_items->FindCommand(TWMCommand(TMessage{Msg, W, L, 0}).ItemId);
            if (item && item->Enabled && !item->IsLine()) item->Click();
        } catch (...) {
            HandleControlException(this);
        }
        return 0;
    });
}

TPopupMenu::~TPopupMenu()
{
    Destroying();
    DeallocateHWnd(m_window);
}

void TPopupMenu::Popup(Integer X, Integer Y)
{
    if (OnPopup) OnPopup(this);
    TrackPopupMenu(m_items->Entries(), TPM_LEFTBUTTON, {X, Y}, m_window);
}

}  // namespace gw
