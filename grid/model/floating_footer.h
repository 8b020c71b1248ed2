// TFloatingFooter: the settings of the strip docked under the grid's cells (the grid's
// FloatingFooter), and TFooterPanel, the docked window that shows it.
//
// With the style fsFixedLastRow a visible footer makes the grid's last row a fixed footer row
// the grid does not paint itself: the panel shows it.
#pragma once

#include "platform/controls/panel.h"
#include "platform/runtime/component.h"

#include <functional>

namespace gw {

class TExtStringGrid;

enum TFooterStyle : uint8_t { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };
using TCalcFooterEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, String& Value)>;

class TFloatingFooter : public TPersistent {
public:
    explicit TFloatingFooter(TExtStringGrid* AGrid) : FGrid(AGrid) {}
    String ClassName() const override { return u"TFloatingFooter"; }
    // From another floating footer only: CalculateHiddenRows, Color, Column, CustomTemplate,
    // FooterStyle, Visible (through its setter), ShowHint. The border colour, the height, the
    // calculation switch and the event stay.
    void Assign(TPersistent* Source) override;
    // Repaints the panel.
    void Invalidate();

    // None ($1FFFFFFF): no line along the top.
    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor Value);
    bool CalculateHiddenRows = true;
    TColor Color() const { return m_color; }
    void SetColor(TColor Value);
    // The column the preview styles show.
    Integer Column() const { return m_column; }
    void SetColumn(Integer Value);
    // The mark-up of fsCustomPreview, "<#n>" standing for column n of the current row.
    const String& CustomTemplate() const { return m_customTemplate; }
    void SetCustomTemplate(const String& Value);
    TFooterStyle FooterStyle() const { return m_footerStyle; }
    void SetFooterStyle(TFooterStyle Value);
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool Value);
    bool Visible() const { return m_visible; }
    void SetVisible(bool Value);
    TCalcFooterEvent OnCalcFooter;

    // The panel's height is one less (the grid's last line is its top line).
    Integer Height() const { return m_height; }
    void SetHeight(Integer Value);
    bool EnableCalculation = true;
    // The panel's height while visible: one less than Height, never below 0.
    Integer PanelHeight() const;

private:
    // Whether the grid's last row is the footer the panel paints.
    bool HidesLastRow() const { return m_visible && m_footerStyle == fsFixedLastRow; }

    TExtStringGrid* FGrid;
    TColor m_borderColor = clNone;
    TColor m_color = clBtnFace;
    Integer m_column = 0;
    String m_customTemplate;
    TFooterStyle m_footerStyle = fsFixedLastRow;
    bool m_showHint = false;
    bool m_visible = false;
    Integer m_height = 0;
};

// The docked window under the grid's cells (aligned to the bottom, no border), a child of the
// grid.
class TFooterPanel : public TCustomPanel {
public:
    explicit TFooterPanel(TExtStringGrid* AGrid);
    String ClassName() const override { return u"TFooterPanel"; }

    TExtStringGrid* Grid() const { return FGrid; }
    // The column whose hint is shown, -1 for none.
    Integer FLastHintX = -1;
    // The grid column under X: the widths are added from the edge the columns start at (the
    // right one with right-to-left alignment) over the fixed columns, then from LeftCol on, until
    // they reach X; -1 beyond the last column.
    Integer ColumnAt(Integer X) const;
    // Paints the footer by its style on Canvas (the panel's client area), then the top border
    // line in BorderColor unless that is clNone. The panel first takes the grid's reading order;
    // with right-to-left alignment the picture is the mirror image of the left-to-right one (the
    // cells' contents excepted: each is painted in its mirrored place with the grid's cell
    // orientation suspended, FNoRTLOrientation).
    void PaintFooter(TCanvas& Canvas);
    // The fixed columns' widths plus those from LeftCol to the last column.
    Integer VisibleColumnsWidth() const;

protected:
    // The window takes the footer's panel height while it is visible (else 0); then the grid's
    // OnCreatedFloatingFooter.
    void CreateWnd() override;
    void Paint() override;
    // After the panel's own handling: the grid's OnClick, then its OnClickCell on the footer row
    // and the column under the pointer (-1 for none).
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    // With the footer's hints on, moving to another column cancels the hint shown, so that the
    // next one is asked for the new column.
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void Dispatch(TMessage& Message) override;

private:
    // The painters of the four styles; each answers the right edge of what it drew.
    Integer PaintFixedLastRow(TCanvas& C);
    Integer PaintColumnPreview(TCanvas& C);
    Integer PaintCustomPreview(TCanvas& C);
    Integer PaintCustom(TCanvas& C);
    // The column lines of the fixed last row; the cells of the fixed and the scrolled columns.
    void PaintColumnLines(TCanvas& C);
    void PaintFooterCell(TCanvas& C, Integer ACol, const TRect& R, bool Fixed);
    // The preview styles' background (FloatingFooter.Color, framed) of the given width, the
    // rest in the grid's colour.
    TRect PaintPreviewBackground(TCanvas& C, Integer Width);
    // The raised looks draw a white line at each fixed column's left edge.
    bool RaisedLook() const;
    // A rectangle and an x measured from the edge the columns start at, as client ones: mirrored
    // across the client width with right-to-left alignment, else unchanged. A line from Line lands
    // on the exact mirror image of its left-to-right pixels.
    TRect Placed(const TRect& R) const;
    Integer PlacedX(Integer X) const;
    void Line(TCanvas& C, TColor Color, Integer X1, Integer Y1, Integer X2, Integer Y2) const;

    // The column's hint from the grid's OnGridHint; shown only with the footer's ShowHint.
    void HintShow(TMessage& Message);
    void PointerLeft(TMessage& Message);
    TExtStringGrid* FGrid;
};

}  // namespace gw
