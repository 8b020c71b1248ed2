// TCustomComboBox and TComboBox: an edit (or a fixed field) with a pop-up list of items.
#pragma once

#include "platform/controls/edit.h"
#include "platform/controls/edit_balloon.h"
#include "platform/controls/list_box.h"

namespace gw {

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

// What GetComboBoxInfo reports. The edit part is no window of its own: hwndItem is the combo
// box, which answers the edit messages itself.
struct TComboBoxInfo {
    TRect rcItem;
    TRect rcButton;
    Cardinal stateButton = 0;  // STATE_SYSTEM_PRESSED while the list is open
    HWND hwndCombo = 0;
    HWND hwndItem = 0;
    HWND hwndList = 0;
};
constexpr Cardinal STATE_SYSTEM_PRESSED = 0x8;
bool GetComboBoxInfo(HWND Combo, TComboBoxInfo* Info);

class TCustomComboBox;

// The list that drops down: a borderless top-most pop-up that never takes the focus; the combo
// box holds the mouse capture while it is open and steers it.
class TComboListPopup : public TCustomListBox {
public:
    explicit TComboListPopup(TCustomComboBox& Combo);
    String ClassName() const override { return u"TComboListPopup"; }
    // Selects without telling anyone (hover and keys while the list is open).
    void Highlight(Integer Index);

protected:
    void CreateParams(TCreateParams& Params) override;
    void PaintWindow(TCanvas& Canvas) override;
    void DrawItem(TCanvas& Canvas, Integer Index, TRect Rect, TOwnerDrawState State) override;

private:
    TCustomComboBox& m_combo;
};

// The combo box. Notifications go to the parent as WM_COMMAND and come back reflected
// (CN_COMMAND): CBN_DROPDOWN before the list shows; closing by a choice gives CBN_SELENDOK,
// CBN_CLOSEUP and then CBN_SELCHANGE when the item changed; closing without one (Escape, a
// click outside, the focus leaving) gives CBN_SELENDCANCEL and CBN_CLOSEUP. Selecting with the
// arrows, the wheel or by typing (list style) gives CBN_SELCHANGE at once; typing in the edit
// gives CBN_EDITCHANGE. CBN_SELCHANGE becomes OnClick and OnSelect (or OnChange without one),
// CBN_EDITCHANGE OnChange, CBN_DROPDOWN OnDropDown, CBN_CLOSEUP OnCloseUp.
class TCustomComboBox : public TWinControl {
public:
    explicit TCustomComboBox(TComponent* AOwner);
    ~TCustomComboBox() override;
    String ClassName() const override { return u"TCustomComboBox"; }

    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    // The programmatic messages (combo_box_messages.cpp): CB_*, the text, and the edit field's
    // EM_* and clipboard messages; false for any other message.
    bool ComboMessage(TMessage& Message);
    void SetText(const String& Value) override;
    void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;

    TComboBoxStyle Style() const { return m_style; }
    void SetStyle(TComboBoxStyle Value);
    TStrings* Items() const { return m_list->Items(); }
    void SetItems(TStrings* Value) { m_list->SetItems(Value); }
    Integer ItemIndex() const { return m_list->ItemIndex(); }
    void SetItemIndex(Integer Value);
    bool Sorted() const { return m_list->Sorted(); }
    void SetSorted(bool Value) { m_list->SetSorted(Value); }
    Integer DropDownCount = 8;
    bool DroppedDown() const { return m_dropped; }
    void SetDroppedDown(bool Value);
    // Height of the list's items (CB_SETITEMHEIGHT 0) and of the selection field (-1).
    Integer ItemHeight() const { return m_list->ItemHeight(); }
    void SetItemHeight(Integer Value);
    Integer MaxLength() const { return m_engine.Buffer.MaxLength; }
    void SetMaxLength(Integer Value) { m_engine.Buffer.MaxLength = std::max(0, Value); }
    // Typing in the list style selects the item the typed letters begin; typing at the end of
    // the edit field completes the text to the first item it begins and selects that item.
    bool AutoComplete = true;
    Integer SelStart() const { return m_engine.Buffer.SelStart(); }
    void SetSelStart(Integer Value) { m_engine.SetSel(Value, Value); }
    Integer SelLength() const { return m_engine.Buffer.SelLength(); }
    void SetSelLength(Integer Value) { m_engine.SetSel(SelStart(), SelStart() + std::max(0, Value)); }
    String SelText() const { return m_engine.Buffer.SelText(); }
    void SelectAll() { m_engine.SetSel(0, -1); }
    void Clear();
    TRect ButtonRect() const;
    TRect FieldRect() const;
    // The pop-up list (for GetComboBoxInfo and tests).
    TComboListPopup* ListPopup() const { return m_list; }

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    // Paints the field and the list's items in the owner-draw styles.
    TDrawItemEvent OnDrawItem;

protected:
    LRESULT DialogCode() const override
    {
        return DLGC_WANTARROWS | DLGC_WANTCHARS | (m_dropped ? LRESULT(DLGC_WANTALLKEYS) : LRESULT(0));
    }
    bool RepaintsOnFocusChange() const override { return true; }
    void CreateWnd() override;
    void PaintWindow(TCanvas& Canvas) override;
    virtual void Change();
    virtual void Select();
    virtual void DropDown();
    virtual void CloseUp();
    void NotifyParent(Word Code);
    // Opens or closes the list; Accept takes the highlighted item.
    void OpenList();
    void CloseList(bool Accept);
    // A selection by the user: the item, the edit text, CBN_SELCHANGE when it changed.
    void UserSelect(Integer Index);
    bool HasEdit() const { return m_style == csDropDown || m_style == csSimple; }

    TEditEngine m_engine;

private:
    friend class TComboListPopup;
    void SyncText();
    void UpdateEditRect();
    Integer FieldHeight() const;
    // The width of the list when it drops down: the combo's, or the dropped width if wider.
    Integer ListWidth() const { return std::max(Width(), m_droppedWidth); }
    void TypeToSelect(Char C);
    // Types C into the edit field completed to the first item the text begins; false (nothing
    // done) when the text would not end up as an item's beginning.
    bool CompleteTyping(Char C);
    TPoint ToList(TPoint Client) const;

    // Input: reflected notifications, focus, wheel, keys and mouse (combo_box.cpp).
    void CNCommand(TMessage& M);
    void SelChange();
    void CMFontChanged(TMessage& M);
    void WheelBeforeOffer(TMessage& M);
    void NativeSetFocus(TMessage& M);
    void NativeKillFocus(TMessage& M);
    void NativeWheel(TMessage& M);
    void NativeCaptureChanged(TMessage& M);
    void NativeKeyDown(TMessage& M);
    // Keys while the list is open, and while it is closed; false leaves the key to the field.
    bool KeyInOpenList(Word Key);
    bool KeyOnClosedList(Word Key);
    void NativeChar(TMessage& M);
    void NativeMouseDown(TMessage& M);
    void NativeMouseMove(TMessage& M);
    void NativeMouseUp(TMessage& M);
    void MouseDownDropped(TPoint Client);
    void MouseMoveDropped(TPoint Client);
    void MouseUpDropped(TPoint Client);

    // Programmatic messages (combo_box_messages.cpp).
    bool EditFieldMessage(TMessage& M);
    void CBSetCurSel(TMessage& M);
    void CBGetLBText(TMessage& M);
    void CBInsertString(TMessage& M);
    void CBDeleteString(TMessage& M);
    void CBFindString(TMessage& M);
    void CBShowDropDown(TMessage& M);
    void CBSetItemHeight(TMessage& M);
    void CBGetItemHeight(TMessage& M);
    void CBSetDroppedWidth(TMessage& M);
    void CBLimitText(TMessage& M);
    void CBGetEditSel(TMessage& M);
    void CBSetEditSel(TMessage& M);
    void WMSetText(TMessage& M);
    void EMShowBalloonTip(TMessage& M);

    TComboListPopup* m_list = nullptr;  // owned (component owner)
    TComboBoxStyle m_style = csDropDown;
    bool m_dropped = false;
    bool m_tracking = false;
    bool m_inListClick = false;
    Integer m_savedIndex = -1;
    Integer m_droppedWidth = 0;
    Integer m_fieldHeight = 0;  // 0: from the font
    TTypeToSelect m_search;
    bool m_completing = false;  // CompleteTyping reports its change itself
    bool m_syncing = false;
    TEditBalloon m_balloon;
};

class TComboBox : public TCustomComboBox {
public:
    explicit TComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {}
    String ClassName() const override { return u"TComboBox"; }
};

}  // namespace gw
