// TCategoryPanelGroup and TCategoryPanel: stacked panels with a header that collapses them,
// in a vertically scrolling group.
#pragma once

#include "platform/controls/scroll_box.h"

namespace gw {

class TCategoryPanelGroup;

// The area of a category panel below its header; the panel's controls live here, so their
// positions count from the header's bottom edge.
class TCategoryPanelSurface : public TCustomPanel {
public:
    explicit TCategoryPanelSurface(TComponent* AOwner);
    String ClassName() const override { return u"TCategoryPanelSurface"; }
};

class TCategoryPanel : public TCustomPanel {
public:
    explicit TCategoryPanel(TComponent* AOwner);
    ~TCategoryPanel() override;
    String ClassName() const override { return u"TCategoryPanel"; }

    TCategoryPanelGroup* PanelGroup() const;
    // Puts the panel into a group (as its child), or out of it.
    void SetPanelGroup(TCategoryPanelGroup* Value);
    TCategoryPanelSurface* Surface() const { return m_surface; }

    bool Collapsed() const { return m_collapsed; }
    void SetCollapsed(bool Value);
    void Collapse() { SetCollapsed(true); }
    void Expand() { SetCollapsed(false); }
    // The height when expanded (the header included); Height() is the header's alone while
    // collapsed.
    Integer ExpandedHeight() const { return m_expandedHeight; }
    Integer HeaderHeight() const;
    TRect HeaderRect() const { return Rect(0, 0, Width(), HeaderHeight()); }
    TRect ChevronRect() const;

    void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;

    TNotifyEvent OnCollapse;
    TNotifyEvent OnExpand;

protected:
    bool RepaintsOnFocusChange() const override { return true; }
    void Paint() override;
    void AdjustClientRect(TRect& Rect) const override;
    void Dispatch(TMessage& Message) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;

private:
    friend class TCategoryPanelGroup;
    void CMControlChange(TMessage& M);

    TCategoryPanelSurface* m_surface = nullptr;
    bool m_collapsed = false;
    bool m_settingHeight = false;
    Integer m_expandedHeight = 200;
};

class TCategoryPanelGroup : public TScrollingWinControl {
public:
    explicit TCategoryPanelGroup(TComponent* AOwner);
    String ClassName() const override { return u"TCategoryPanelGroup"; }

    // The panels from top to bottom (hidden ones included).
    std::vector<TCategoryPanel*> Panels() const;
    Integer HeaderHeight() const { return m_headerHeight; }
    void SetHeaderHeight(Integer Value);
    TFont* HeaderFont() const { return m_headerFont.get(); }
    TColor ChevronColor = clBlack;
    TColor GradientBaseColor = TColor(0xF0F0F0);
    TColor GradientColor = TColor(0xD8D8D8);
    void CollapseAll();
    void ExpandAll();

protected:
    void AlignControls(TControl* AControl, TRect& Rect) override;
    TSize ContentExtent() const override;
    void Dispatch(TMessage& Message) override;

private:
    friend class TCategoryPanel;
    void ScrollThenLayOut(TMessage& M);
    // The panel whose Top was set last wins a tie of Tops, so "put this one at the top" works.
    TCategoryPanel* m_lastMoved = nullptr;
    Integer m_headerHeight = 24;
    std::unique_ptr<TFont> m_headerFont;
    bool m_layingOut = false;
};

}  // namespace gw
