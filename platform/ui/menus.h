// Pop-up menus: menu items with commands and click events, and the modal tracking of a menu.
#pragma once

#include "platform/graphics/geometry.h"
#include "platform/runtime/component.h"
#include "platform/ui/messages.h"

#include <vector>

namespace gw {

// One line of a menu as the display shows it.
struct TMenuEntry {
    String Caption;  // "-" is a separator; '&' marks the accelerator
    UINT Command = 0;
    bool Enabled = true;
    bool Checked = false;
    bool RadioItem = false;  // a checked radio item shows a round mark
    std::vector<TMenuEntry> Items;  // a submenu
};

// TrackPopupMenu flags.
enum : Cardinal { TPM_LEFTBUTTON = 0x0000, TPM_RIGHTBUTTON = 0x0002, TPM_RETURNCMD = 0x0100 };

// Shows the menu until the user chooses or cancels; mouse modes end first. With TPM_RETURNCMD
// the command chosen is returned (0 = none); otherwise WM_COMMAND with it is posted to Owner
// and the result is nonzero when something was chosen.
UINT TrackPopupMenu(const std::vector<TMenuEntry>& Items, Cardinal Flags, TPoint ScreenPoint, HWND Owner);

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;
    String ClassName() const override { return u"TMenuItem"; }

    String Caption;
    bool Enabled = true;
    bool Checked = false;
    bool Visible = true;
    // Checked radio items are exclusive among the siblings with the same GroupIndex.
    bool RadioItem = false;
    Byte GroupIndex = 0;
    // Sets Checked; checking a radio item unchecks the other radio items of its group.
    void SetChecked(bool Value);
    // A separator line: never chosen.
    bool IsLine() const { return Caption == u"-"; }
    // The number the menu reports when this item is chosen; unique in the program.
    UINT Command() const { return m_command; }
    TNotifyEvent OnClick;
    virtual void Click();

    // Sub-items, in order; the menu item frees the items it holds.
    void Add(TMenuItem* Item);
    void Remove(TMenuItem* Item);
    Integer Count() const { return Integer(m_items.size()); }
    TMenuItem* Items(Integer Index) const { return m_items.at(std::size_t(Index)); }
    TMenuItem* Parent() const { return m_parent; }
    // The item (here or below) with that command, nullptr when none.
    TMenuItem* FindCommand(UINT Command);
    // The entries of the visible sub-items.
    std::vector<TMenuEntry> Entries() const;

private:
    UINT m_command = 0;
    TMenuItem* m_parent = nullptr;
    std::vector<TMenuItem*> m_items;
};

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;
    String ClassName() const override { return u"TPopupMenu"; }

    TMenuItem* Items() const { return m_items; }
    // Shows the menu at a screen point; the chosen item's Click runs once the menu has closed,
    // from the queue.
    virtual void Popup(Integer X, Integer Y);
    // The control the menu was last shown for.
    TComponent* PopupComponent = nullptr;
    bool AutoPopup = true;
    TNotifyEvent OnPopup;

private:
    TMenuItem* m_items = nullptr;
    HWND m_window = 0;
};

}  // namespace gw
