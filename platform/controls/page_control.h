// TPageControl and TTabSheet: pages behind a row of tabs, switched by click, arrows or Ctrl+Tab.
#pragma once

#include "platform/ui/win_control.h"

#include <vector>

namespace gw {

class TPageControl;

class TTabSheet : public TCustomControl {
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;
    String ClassName() const override { return u"TTabSheet"; }

    TPageControl* PageControl() const { return m_pageControl; }
    // Moves the sheet to that page control (last page), or out of any with nullptr.
    void SetPageControl(TPageControl* Value);
    Integer PageIndex() const;
    void SetPageIndex(Integer Value);
    // The position among the visible tabs, -1 when the tab is hidden.
    Integer TabIndex() const;
    bool TabVisible() const { return m_tabVisible; }
    void SetTabVisible(bool Value);
    Integer ImageIndex = -1;

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

protected:
    void Dispatch(TMessage& Message) override;

private:
    friend class TPageControl;
    void CMTextChanged(TMessage& M);

    TPageControl* m_pageControl = nullptr;
    bool m_tabVisible = true;
};

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TPageControl : public TCustomControl {
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;
    String ClassName() const override { return u"TPageControl"; }

    Integer PageCount() const { return Integer(m_pages.size()); }
    TTabSheet* Pages(Integer Index) const { return m_pages.at(std::size_t(Index)); }
    TTabSheet* ActivePage() const { return m_activePage; }
    // Shows that page (no OnChanging / OnChange: those are for the user's changes).
    void SetActivePage(TTabSheet* Page);
    Integer ActivePageIndex() const;
    void SetActivePageIndex(Integer Value);
    // The page after (or before) CurPage, round the end; nullptr when there is none.
    TTabSheet* FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const;
    // As the user does it: asks OnChanging, switches, raises OnChange.
    void SelectNextPage(bool GoForward, bool CheckTabVisible = true);
    // Switches to the visible tab with that index as the user does it; false when refused.
    bool SelectTab(Integer TabIndex);

    Integer TabCount() const;
    // The tab's rectangle in client coordinates (the active tab stands 2 pixels out).
    TRect TabRect(Integer TabIndex) const;
    // The visible tab under a client point, -1 when none.
    Integer IndexOfTabAt(Integer X, Integer Y) const;
    // Where the pages lie.
    TRect DisplayRect() const;
    // Fixed tab width (0: as wide as the caption needs).
    Integer TabWidth() const { return m_tabWidth; }
    void SetTabWidth(Integer Value);
    Integer TabHeight() const;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    LRESULT DialogCode() const override { return DLGC_WANTARROWS; }
    void Paint() override;
    void AdjustClientRect(TRect& Rect) const override;
    void Dispatch(TMessage& Message) override;
    void CMDialogKey(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    virtual bool CanChange();
    virtual void Change();

private:
    friend class TTabSheet;
    void RelayOut(TMessage& M);
    void InsertPage(TTabSheet* Page);
    void RemovePage(TTabSheet* Page);
    TTabSheet* TabSheet(Integer TabIndex) const;
    std::vector<TRect> TabRects() const;

    std::vector<TTabSheet*> m_pages;
    TTabSheet* m_activePage = nullptr;
    Integer m_tabWidth = 0;
};

}  // namespace gw
