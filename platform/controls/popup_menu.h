// TMenuItem and TPopupMenu: menu trees and the pop-up menu, shown as a nested loop.
#pragma once

#include "platform/controls/actions.h"
#include "platform/graphics/geometry.h"
#include "platform/ui/win_control.h"

#include <memory>
#include <vector>

namespace gw {

class TImageList;
class TMenuWindow;

// Shortcuts: a virtual key with modifier bits.
using TShortCut = Word;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;
TShortCut ShortCut(Word Key, TShiftState Shift);
// "Ctrl+Shift+F", "Del", "F3"; empty for none.
String ShortCutToText(TShortCut Value);

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;
    String ClassName() const override { return u"TMenuItem"; }

    // "-" makes a separator line.
    String Caption;
    bool IsLine() const { return Caption == u"-"; }
    bool Checked() const { return m_checked; }
    // Checking a radio item unchecks the radio items of the same group beside it.
    void SetChecked(bool Value);
    bool RadioItem = false;
    Byte GroupIndex = 0;
    // Choosing the item toggles Checked first.
    bool AutoCheck = false;
    bool Enabled = true;
    bool Visible = true;
    // Drawn bold: what a double click would do.
    bool Default = false;
    TShortCut ShortCut = scNone;
    String Hint;
    Integer ImageIndex = -1;

    // --- the tree ----------------------------------------------------------------------------
    Integer Count() const { return Integer(m_items.size()); }
    TMenuItem* Items(Integer Index) const;
    TMenuItem* Parent() const { return m_parent; }
    // Takes Item from any other parent; the parent frees its items when it goes.
    void Add(TMenuItem* Item);
    void Insert(Integer Index, TMenuItem* Item);
    // Takes the item out without freeing it.
    void Remove(TMenuItem* Item);
    void Delete(Integer Index) { Remove(Items(Index)); }
    // Frees every item.
    void Clear();
    Integer IndexOf(const TMenuItem* Item) const;
    // The item, searched depth first, whose caption (without accelerator marks) is Caption.
    TMenuItem* Find(StringView Caption) const;

    // What choosing the item does: AutoCheck, then OnClick or else the action.
    virtual void Click();
    TBasicAction* Action() const;
    void SetAction(TBasicAction* Value);

    TNotifyEvent OnClick;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::vector<TMenuItem*> m_items;
    TMenuItem* m_parent = nullptr;
    bool m_checked = false;
    std::unique_ptr<TBasicActionLink> m_actionLink;
};

enum TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;
    String ClassName() const override { return u"TPopupMenu"; }

    TMenuItem* Items() const { return m_items; }
    TPopupAlignment Alignment = paLeft;
    // The control whose context menu this is shown as (set by the caller).
    TComponent* PopupComponent = nullptr;
    TImageList* Images = nullptr;
    TPoint PopupPoint() const { return m_popupPoint; }

    // Shows the menu at a screen point and runs until an item is chosen or the menu is
    // cancelled (Escape, a click outside); the chosen item's click runs before it returns.
    virtual void Popup(Integer X, Integer Y);
    // The menu is open (a nested Popup is running).
    bool IsOpen() const { return m_open; }
    // Closes an open menu without a choice.
    void CloseMenu();
    // The open menu levels, outermost first (for tests and the display).
    std::vector<TMenuWindow*> OpenWindows() const;

    TNotifyEvent OnPopup;
    TNotifyEvent OnClose;

private:
    friend class TMenuTracker;
    TMenuItem* m_items;
    TPoint m_popupPoint;
    bool m_open = false;
    class TMenuTracker* m_tracker = nullptr;
};

// The enabled, visible item under Root (depth first) with that shortcut, nullptr when none.
TMenuItem* FindShortCutItem(TMenuItem* Root, TShortCut Value);

// One open level of a pop-up menu: the visible children of an item, one row each.
class TMenuWindow : public TCustomControl {
public:
    TMenuWindow(TMenuItem* Item, TImageList* Images);
    String ClassName() const override { return u"TMenuWindow"; }

    TMenuItem* MenuItem() const { return m_item; }
    Integer Selected() const { return m_selected; }
    void SetSelected(Integer Index);
    // The row of child Index in client coordinates (empty for hidden children).
    TRect ItemRect(Integer Index) const;
    // The child under a client point (separators included), -1 when none.
    Integer ItemAt(TPoint P) const;
    // The size the rows need.
    TSize Measure() const;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;

private:
    Integer RowHeight(const TMenuItem* Item) const;
    TMenuItem* m_item;
    TImageList* m_images;
    Integer m_selected = -1;
};

}  // namespace gw
