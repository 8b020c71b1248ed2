// TListView in report style: columns with a header, rows of a caption and sub-items, selection.
#pragma once

#include "platform/runtime/string_list.h"
#include "platform/ui/alignment.h"
#include "platform/ui/win_control.h"

#include <memory>
#include <vector>

namespace gw {

class TListView;

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

struct TListColumn {
    String Caption;
    Integer Width = 50;
    TAlignment Alignment = taLeftJustify;
};

class TListItem {
public:
    explicit TListItem(TListView* Owner);
    TListView* ListView() const { return m_owner; }
    String Caption;
    // The texts of the second and further columns.
    TStrings* SubItems() const { return m_subItems.get(); }
    void* Data = nullptr;
    Integer Index() const;
    bool Selected() const { return m_selected; }
    void SetSelected(bool Value);

private:
    friend class TListView;
    TListView* m_owner;
    std::unique_ptr<TStringList> m_subItems;
    bool m_selected = false;
};

using TLVSelectItemEvent = std::function<void(TObject* Sender, TListItem* Item, bool Selected)>;

class TListView : public TCustomControl {
public:
    explicit TListView(TComponent* AOwner);
    ~TListView() override;
    String ClassName() const override { return u"TListView"; }

    // --- columns -------------------------------------------------------------------------------
    TListColumn* AddColumn(const String& Caption, Integer Width);
    Integer ColumnCount() const { return Integer(m_columns.size()); }
    TListColumn* Columns(Integer Index) const { return m_columns.at(std::size_t(Index)).get(); }

    // --- items ---------------------------------------------------------------------------------
    TListItem* AddItem(const String& Caption);
    TListItem* InsertItem(Integer Index, const String& Caption);
    void DeleteItem(Integer Index);
    void ClearItems();
    Integer ItemCount() const { return Integer(m_items.size()); }
    TListItem* Items(Integer Index) const { return m_items.at(std::size_t(Index)).get(); }
    Integer IndexOf(const TListItem* Item) const;

    // --- selection (one item) ------------------------------------------------------------------
    TListItem* Selected() const;
    void SetSelected(TListItem* Item);
    Integer ItemIndex() const;
    void SetItemIndex(Integer Value);

    TViewStyle ViewStyle = vsReport;
    bool RowSelect = true;
    bool GridLines = false;
    bool ReadOnly = true;
    bool ShowColumnHeaders = true;

    // --- geometry ------------------------------------------------------------------------------
    Integer HeaderHeight() const;
    Integer RowHeight() const;
    Integer TopIndex() const { return m_topIndex; }
    // The row of item Index in client coordinates (empty when scrolled out above).
    TRect ItemRect(Integer Index) const;
    TListItem* GetItemAt(Integer X, Integer Y) const;
    Integer VisibleRowCount() const;

    TLVSelectItemEvent OnSelectItem;

protected:
    LRESULT DialogCode() const override { return DLGC_WANTARROWS; }
    bool RepaintsOnFocusChange() const override { return true; }
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;

private:
    friend class TListItem;
    void SelectionChanged(TListItem* Item, bool Value);
    void MakeVisible(Integer Index);

    std::vector<std::unique_ptr<TListColumn>> m_columns;
    std::vector<std::unique_ptr<TListItem>> m_items;
    Integer m_topIndex = 0;
    bool m_selecting = false;
};

}  // namespace gw
