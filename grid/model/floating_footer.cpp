// The floating footer's settings and its docked panel: what each setting changes in the panel
// and in the grid (the fixed footer row, the hidden last row).
#include "grid/model/floating_footer.h"

#include "grid/model/ext_string_grid.h"

#include <algorithm>

namespace gw {

void TFloatingFooter::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TFloatingFooter*>(Source);
    if (!source) return;
    CalculateHiddenRows = source->CalculateHiddenRows;
    m_color = source->m_color;
    m_column = source->m_column;
    m_customTemplate = source->m_customTemplate;
    m_footerStyle = source->m_footerStyle;
    SetVisible(source->m_visible);
    m_showHint = source->m_showHint;
}

void TFloatingFooter::Invalidate()
{
    if (FGrid->FFooterPanel) FGrid->FFooterPanel->Invalidate();
}

void TFloatingFooter::SetBorderColor(TColor Value)
{
    if (Value == m_borderColor) return;
    m_borderColor = Value;
    Invalidate();
}

void TFloatingFooter::SetColor(TColor Value)
{
    m_color = Value;
    Invalidate();
}

void TFloatingFooter::SetColumn(Integer Value)
{
    m_column = Value;
    Invalidate();
}

void TFloatingFooter::SetCustomTemplate(const String& Value)
{
    m_customTemplate = Value;
    Invalidate();
}

void TFloatingFooter::SetFooterStyle(TFooterStyle Value)
{
    m_footerStyle = Value;
    FGrid->FHideLastRow = HidesLastRow();
    FGrid->Invalidate();
    Invalidate();
}

void TFloatingFooter::SetShowHint(bool Value)
{
    m_showHint = Value;
    if (FGrid->FFooterPanel) FGrid->FFooterPanel->SetShowHint(Value);
}

Integer TFloatingFooter::PanelHeight() const { return std::max<Integer>(0, m_height - 1); }

void TFloatingFooter::SetVisible(bool Value)
{
    m_visible = Value;
    if (TFooterPanel* panel = FGrid->FFooterPanel) {
        panel->SetHeight(Value ? PanelHeight() : 0);
        panel->SetVisible(Value);
    }
    FGrid->SetFixedFooters(HidesLastRow() ? 1 : 0);
    FGrid->FHideLastRow = HidesLastRow();
    FGrid->Invalidate();
}

void TFloatingFooter::SetHeight(Integer Value)
{
    m_height = Value;
    if (FGrid->FFooterPanel && Value > 0) FGrid->FFooterPanel->SetHeight(PanelHeight());
}

TFooterPanel::TFooterPanel(TExtStringGrid* AGrid) : TCustomPanel(AGrid), FGrid(AGrid)
{
    // A child of the grid from the start: shown before the grid has a window, a panel without
    // a parent would become a window of its own.
    // Hidden as the footer is: no window until the footer is shown.
    SetVisible(false);
    SetParent(AGrid);
    SetAlign(alBottom);
    SetHeight(0);
    SetBorderWidth(0);
}

void TFooterPanel::CreateWnd()
{
    TCustomPanel::CreateWnd();
    const TFloatingFooter* footer = FGrid->FloatingFooter();
    SetHeight(footer && footer->Visible() ? footer->PanelHeight() : 0);
    if (FGrid->OnCreatedFloatingFooter) FGrid->OnCreatedFloatingFooter(FGrid);
}

}  // namespace gw
