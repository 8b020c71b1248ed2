// TCustomListBox, TListBox and TCheckListBox: lists of items with single or multiple selection.
#pragma once

#include "platform/controls/check_box.h"
#include "platform/controls/edit.h"
#include "platform/runtime/string_list.h"

#include <memory>
#include <vector>

namespace gw {

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };

// TOwnerDrawState bits.
enum TOwnerDrawStateBit : Cardinal {
    odSelected = 1,
    odGrayed = 2,
    odDisabled = 4,
    odChecked = 8,
    odFocused = 16,
    odDefault = 32,
    odComboBoxEdit = 4096,
};
using TOwnerDrawState = Cardinal;

class TWinControl;
using TDrawItemEvent = std::function<void(TWinControl* Control, Integer Index, TRect Rect, TOwnerDrawState State)>;

class TCustomListBox;

// The items of a list box: a string list that keeps the list's selection on the same items
// while items are inserted and deleted.
class TListBoxStrings : public TStringList {
public:
    explicit TListBoxStrings(TCustomListBox& Owner) : m_owner(Owner) {}
    String ClassName() const override { return u"TListBoxStrings"; }
    void Clear() override;
    void Delete(Integer Index) override;
    void InsertObject(Integer Index, const String& S, TObject* AObject) override;
    void Insert(Integer Index, const String& S) override { InsertObject(Index, S, nullptr); }
    Integer AddObject(const String& S, TObject* AObject) override;
    Integer Add(const String& S) override { return AddObject(S, nullptr); }

protected:
    void Changed() override;

private:
    TCustomListBox& m_owner;
    Integer m_depth = 0;
};

// The list box. Selection is kept by the control: ItemIndex is the focused (and, in single
// selection, the selected) item; Selected holds the marks of a multiple selection. OnClick
// fires for every selection change the user makes, by mouse or by keyboard (through the
// LBN_SELCHANGE notification), never for changes made by the program.
// Type-to-select of lists: letters typed within a second of each other build a prefix; the same
// letter again steps through the items starting with it.
class TTypeToSelect {
public:
    // The item the letter C leads to from Current, -1 when none matches.
    Integer Next(Char C, const TStrings& Items, Integer Current);

private:
    String m_search;
    Cardinal m_time = 0;
};

class TCustomListBox : public TWinControl {
public:
    explicit TCustomListBox(TComponent* AOwner);
    ~TCustomListBox() override;
    String ClassName() const override { return u"TCustomListBox"; }

    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;

    TStrings* Items() const { return m_items.get(); }
    void SetItems(TStrings* Value) { m_items->Assign(Value); }
    Integer Count() const { return m_items->Count(); }
    void Clear() { m_items->Clear(); }

    Integer ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(Integer Value);
    Integer TopIndex() const { return m_topIndex; }
    void SetTopIndex(Integer Value);
    bool MultiSelect() const { return m_multiSelect; }
    void SetMultiSelect(bool Value);
    bool ExtendedSelect = true;
    bool Selected(Integer Index) const;
    void SetSelected(Integer Index, bool Value);
    Integer SelCount() const;
    void ClearSelection();
    void SelectAll();
    bool Sorted() const { return m_items->Sorted(); }
    void SetSorted(bool Value) { m_items->SetSorted(Value); }

    TListBoxStyle Style() const { return m_style; }
    void SetStyle(TListBoxStyle Value);
    Integer ItemHeight() const;
    void SetItemHeight(Integer Value);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle Value);

    // The item under a client point; -1 (or, with Existing off, Count) when there is none.
    Integer ItemAtPos(TPoint Pos, bool Existing) const;
    TRect ItemRect(Integer Index) const;
    // Items that fit in the client area.
    Integer VisibleCount() const;

    // Paints the items in the owner-draw styles (all items are ItemHeight high).
    TDrawItemEvent OnDrawItem;

    // The list keeps the selection on the same items (called by its items).
    virtual void ItemInserted(Integer Index);
    virtual void ItemDeleted(Integer Index);
    virtual void ItemsCleared();
    virtual void ItemsChanged();

protected:
    LRESULT DialogCode() const override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
    bool RepaintsOnFocusChange() const override { return true; }
    void PaintWindow(TCanvas& Canvas) override;
    // Paints one item; the standard style draws the text, the owner-draw styles call OnDrawItem.
    virtual void DrawItem(TCanvas& Canvas, Integer Index, TRect Rect, TOwnerDrawState State);
    // Paints the text of an item (the check list box moves it right of its box).
    virtual void DrawItemText(TCanvas& Canvas, Integer Index, TRect Rect, TOwnerDrawState State);
    // The area the items are painted in (inside the border and the scroll bar).
    TRect ItemsArea() const;
    bool HasScrollBar() const { return Count() > VisibleCount(); }
    // A user change of the selection: moves ItemIndex, marks, scrolls, notifies.
    void UserSelect(Integer Index, TShiftState Shift);
    void NotifyParent(Word Code);
    virtual void MouseDownOnItem(Integer Index, TShiftState Shift, TPoint P);
    // Type-to-select: the next item starting with the characters typed in the last second.
    void TypeToSelect(Char C);
    void ScrollIntoView(Integer Index);
    // Items drawn with the focus rectangle while focused (the pop-up list draws none).
    bool ShowFocusRect = true;

    std::unique_ptr<TListBoxStrings> m_items;
    std::vector<bool> m_selected;
    Integer m_itemIndex = -1;
    Integer m_topIndex = 0;
    Integer m_anchor = -1;

private:
    bool ScrollBarClick(TPoint P);

    // Input: reflected notifications, wheel, mouse and keys (list_box.cpp).
    void CNCommand(TMessage& M);
    void NativeWheel(TMessage& M);
    void NativeMouseDown(TMessage& M);
    void NativeMouseMove(TMessage& M);
    void NativeKeyDown(TMessage& M);
    // The keys that move the selection; false for any other.
    bool KeyMoves(Word Key, TShiftState Shift);
    void NativeChar(TMessage& M);

    // The programmatic messages, LB_* (list_box_messages.cpp); false for any other message.
    bool ListMessage(TMessage& M);
    void LBSetCurSel(TMessage& M);
    void LBItemFromPoint(TMessage& M);

    bool m_multiSelect = false;
    TListBoxStyle m_style = lbStandard;
    Integer m_itemHeight = 0;  // 0: from the font
    TBorderStyle m_borderStyle = bsSingle;
    TTypeToSelect m_search;
};

class TListBox : public TCustomListBox {
public:
    explicit TListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}
    String ClassName() const override { return u"TListBox"; }
};

// A list box with a check box before every item. A click on the box or Space toggles it
// (through the grayed state with AllowGrayed) and raises OnClickCheck.
class TCheckListBox : public TCustomListBox {
public:
    explicit TCheckListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}
    String ClassName() const override { return u"TCheckListBox"; }

    void DefaultHandler(TMessage& Message) override;

    bool Checked(Integer Index) const { return State(Index) == cbChecked; }
    void SetChecked(Integer Index, bool Value) { SetState(Index, Value ? cbChecked : cbUnchecked); }
    TCheckBoxState State(Integer Index) const;
    void SetState(Integer Index, TCheckBoxState Value);
    bool ItemEnabled(Integer Index) const;
    void SetItemEnabled(Integer Index, bool Value);
    bool AllowGrayed = false;
    TNotifyEvent OnClickCheck;

protected:
    void DrawItemText(TCanvas& Canvas, Integer Index, TRect Rect, TOwnerDrawState State) override;
    void MouseDownOnItem(Integer Index, TShiftState Shift, TPoint P) override;

public:
    void ItemInserted(Integer Index) override;
    void ItemDeleted(Integer Index) override;
    void ItemsCleared() override;
    void ItemsChanged() override;

private:
    void Toggle(Integer Index);
    struct TCheckItem {
        TCheckBoxState State = cbUnchecked;
        bool Enabled = true;
    };
    // One per item, moved with the items.
    std::vector<TCheckItem> m_checks;
};

}  // namespace gw
