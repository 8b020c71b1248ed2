// The string grid's persistence: the column-state text, column widths and positions in an INI file
// or the registry stand-in, the visual-properties file and the print-settings section. The formats
// are the collaborators' (column_states.h, column_store.h, visual_props.h, print_settings_file.h);
// here the grid gives them its state and applies what they read, through its own setters.
#include "grid/foundation/bands.h"
#include "grid/foundation/int_list.h"
#include "grid/foundation/search_footer.h"
#include "grid/model/background.h"
#include "grid/model/balloon_settings.h"
#include "grid/model/column_size.h"
#include "grid/model/column_states.h"
#include "grid/model/column_store.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "grid/model/grouping.h"
#include "grid/model/print_settings_file.h"
#include "grid/model/sort_settings.h"
#include "grid/model/visual_props.h"
#include "platform/graphics/font.h"
#include "platform/runtime/exceptions.h"

namespace gw {

namespace {

// Whether moving the columns into Order would move nothing.
bool IsIdentity(const std::vector<Integer>& Order)
{
    for (size_t i = 0; i < Order.size(); ++i)
        if (Order[i] != static_cast<Integer>(i)) return false;
    return true;
}

TVisualFont ToVisualFont(const TFont& F) { return {F.Color(), F.Style(), F.Size(), F.Name()}; }

void ApplyFont(TFont& F, const TVisualFont& V)
{
    F.SetColor(V.Color);
    F.SetStyle(V.Style);
    F.SetSize(V.Size);
    F.SetName(V.Name);
}

}  // namespace

// --- the column-state text -------------------------------------------------------------------

String TExtStringGrid::ColumnStatesToString()
{
    TColumnStates states;
    states.ColCount = TotalColCount();
    for (Integer c = 0; c < ColCount(); ++c) states.Widths.push_back(ColWidths(c));
    states.DefaultColWidth = DefaultColWidth();
    for (Integer i = 0; i < m_columnOrder->Count(); ++i) states.ColumnOrder.push_back(m_columnOrder->GetInteger(i));
    for (Integer c = 0; c < states.ColCount; ++c)
        states.Visible.push_back(!FColumnVisibility.IsHiddenColumn(RealCol(c)));
    return ::gw::ColumnStatesToString(states);
}

void TExtStringGrid::StringToColumnStates(const String& Value)
{
    // The whole text is read first: a malformed one raises before the grid changes.
    TColumnStatesText text;
    if (!ReadColumnStates(Value, text)) return;
    m_columnOrder->Clear();
    if (NumHiddenColumns() > 0) UnHideColumnsAll();
    SetColCount(text.ColCount);
    // Moving the columns into an order they stand in already moves nothing.
    if (!text.MoveOrder.empty() && !IsIdentity(text.MoveOrder)) {
        ReplaceColumnOrder(text.MoveOrder);
        ResetColumnOrder();
    }
    ReplaceColumnOrder(text.ColumnOrder);
    for (const Integer c : text.Hidden) HideColumn(c);
    const bool stretch = m_columnSize->Stretch();
    m_columnSize->SetStretch(false);
    if (stretch) {
        const Integer col = m_columnSize->StretchColumn == -1 ? ColCount() - 1 : m_columnSize->StretchColumn;
        SetDefaultColWidth(ColWidths(col));
    }
    for (size_t i = 0; i < text.Widths.size() && static_cast<Integer>(i) < ColCount(); ++i)
        SetColWidths(static_cast<Integer>(i), text.Widths[i]);
    m_columnSize->SetStretch(stretch);
}

void TExtStringGrid::ReplaceColumnOrder(const std::vector<Integer>& Order)
{
    m_columnOrder->Clear();
    for (const Integer v : Order) m_columnOrder->Add(v);
}

// --- column widths and positions in an INI file or the registry stand-in -----------------------

void TExtStringGrid::SaveColSizes()
{
    if (IsDesigning()) return;
    std::vector<Integer> widths;
    for (Integer c = 0; c < ColCount(); ++c) widths.push_back(ColWidths(c));
    ::gw::SaveColSizes(*m_columnSize, widths);
}

void TExtStringGrid::LoadColSizes()
{
    if (IsDesigning()) return;
    std::vector<Integer> widths;
    for (Integer c = 0; c < ColCount(); ++c) widths.push_back(ColWidths(c));
    ::gw::LoadColSizes(*m_columnSize, widths);
    for (Integer c = 0; c < ColCount() && c < static_cast<Integer>(widths.size()); ++c)
        if (widths[static_cast<size_t>(c)] != ColWidths(c)) SetColWidths(c, widths[static_cast<size_t>(c)]);
}

void TExtStringGrid::SaveColPositions()
{
    if (IsDesigning()) return;
    std::vector<Integer> order;
    for (Integer i = 0; i < m_columnOrder->Count(); ++i) order.push_back(m_columnOrder->GetInteger(i));
    ::gw::SaveColPositions(*m_columnSize, order);
}

void TExtStringGrid::LoadColPositions()
{
    if (IsDesigning()) return;
    const std::optional<TStoredColumnPositions> stored = ::gw::LoadColPositions(*m_columnSize, TotalColCount());
    if (!stored) return;
    std::vector<Integer> hidden;
    for (Integer c = 0; c < TotalColCount(); ++c)
        if (FColumnVisibility.IsHiddenColumn(RealCol(c))) hidden.push_back(c);
    ReplaceColumnOrder(stored->MoveOrder);
    if (!hidden.empty()) UnHideColumnsAll();
    if (!stored->MoveOrder.empty() && !IsIdentity(stored->MoveOrder)) ResetColumnOrder();
    for (const Integer c : hidden) HideColumn(c);
    ReplaceColumnOrder(stored->Positions);
}

// --- the visual-properties file --------------------------------------------------------------

void TExtStringGrid::SaveVisualProps(const String& FileName) { ::gw::SaveVisualProps(CurrentVisualProps(), FileName); }

void TExtStringGrid::LoadVisualProps(const String& FileName)
{
    TVisualProps props = CurrentVisualProps();
    // A conversion error stops the reading; what was read before it is applied all the same.
    try {
        ::gw::LoadVisualProps(props, FileName);
    } catch (const EConvertError&) {
        ApplyVisualProps(props);
        throw;
    }
    ApplyVisualProps(props);
}

TVisualProps TExtStringGrid::CurrentVisualProps() const
{
    TVisualProps p;
    p.Color = Color();
    p.HintColor = HintColor;
    p.SelectionColor = SelectionColor();
    p.SelectionColorTo = SelectionColorTo();
    p.SelectionMirrorColor = SelectionMirrorColor;
    p.SelectionMirrorColorTo = SelectionMirrorColorTo;
    p.SelectionTextColor = SelectionTextColor();
    p.URLColor = URLColor;
    p.URLShow = URLShow();
    p.URLShowInText = URLShowInText();
    p.ScrollColor = ScrollColor();
    p.ActiveRowColor = ActiveRowColor();
    p.ActiveRowShow = ActiveRowShow();
    p.ActiveCellShow = ActiveCellShow();
    p.Font = ToVisualFont(*Font());
    p.ActiveCellColor = ActiveCellColor();
    p.ActiveCellColorTo = ActiveCellColorTo();
    p.ActiveCellFont = ToVisualFont(*m_activeCellFont);
    p.FixedFont = ToVisualFont(*m_fixedFont);
    p.Balloon = {m_balloon->BackgroundColor, m_balloon->TextColor, m_balloon->Transparency};
    p.Bands = {m_bands->PrimaryColor(), m_bands->SecondaryColor(), m_bands->Active()};
    p.SortSettings.IndexColor = m_sortSettings->IndexColor;
    p.FloatingFooter.Color = m_floatingFooter->Color();
    const TControlLook& look = *m_controlLook;
    p.ControlLook = {look.CheckSize(),           look.Color(),           look.CommentColor(), look.ControlStyle(),
                     look.FixedGradientFrom(),   look.FixedGradientTo(), look.RadioSize(),    look.FlatButton(),
                     look.ProgressBorderColor(), look.ProgressXP()};
    p.Look = FLook;
    p.SearchFooter = {m_searchFooter->Color(), m_searchFooter->ColorTo()};
    const TGrouping& g = *m_grouping;
    p.Grouping = {g.HeaderColor,      g.HeaderColorTo,   g.HeaderTextColor,  g.HeaderUnderline,
                  g.HeaderLineColor,  g.HeaderLineWidth, g.SummaryColor,     g.SummaryColorTo,
                  g.SummaryTextColor, g.SummaryLine,     g.SummaryLineColor, g.SummaryLineWidth};
    p.GridLineColor = GridLineColor();
    p.GridFixedLineColor = GridFixedLineColor();
    const TBackGround& bg = *m_backGround;
    p.BackGround = {bg.Top(), bg.Left(), bg.Display(), bg.Cells(), bg.Color(), bg.ColorTo()};
    return p;
}

void TExtStringGrid::ApplyVisualProps(const TVisualProps& p)
{
    SetColor(p.Color);
    HintColor = p.HintColor;
    SetSelectionColor(p.SelectionColor);
    SetSelectionColorTo(p.SelectionColorTo);
    SelectionMirrorColor = p.SelectionMirrorColor;
    SelectionMirrorColorTo = p.SelectionMirrorColorTo;
    SetSelectionTextColor(p.SelectionTextColor);
    URLColor = p.URLColor;
    SetURLShow(p.URLShow);
    SetURLShowInText(p.URLShowInText);
    SetScrollColor(p.ScrollColor);
    SetActiveRowColor(p.ActiveRowColor);
    SetActiveRowShow(p.ActiveRowShow);
    SetActiveCellShow(p.ActiveCellShow);
    ApplyFont(*Font(), p.Font);
    SetActiveCellColor(p.ActiveCellColor);
    SetActiveCellColorTo(p.ActiveCellColorTo);
    ApplyFont(*m_activeCellFont, p.ActiveCellFont);
    ApplyFont(*m_fixedFont, p.FixedFont);
    m_balloon->BackgroundColor = p.Balloon.BackgroundColor;
    m_balloon->TextColor = p.Balloon.TextColor;
    m_balloon->Transparency = p.Balloon.Transparency;
    m_bands->SetPrimaryColor(p.Bands.PrimaryColor);
    m_bands->SetSecondaryColor(p.Bands.SecondaryColor);
    m_bands->SetActive(p.Bands.Active);
    m_sortSettings->IndexColor = p.SortSettings.IndexColor;
    m_floatingFooter->SetColor(p.FloatingFooter.Color);
    TControlLook& look = *m_controlLook;
    look.SetCheckSize(p.ControlLook.CheckSize);
    look.SetColor(p.ControlLook.Color);
    look.SetCommentColor(p.ControlLook.CommentColor);
    look.SetControlStyle(p.ControlLook.ControlStyle);
    look.SetFixedGradientFrom(p.ControlLook.FixedGradientFrom);
    look.SetFixedGradientTo(p.ControlLook.FixedGradientTo);
    look.SetRadioSize(p.ControlLook.RadioSize);
    look.SetFlatButton(p.ControlLook.FlatButton);
    look.SetProgressBorderColor(p.ControlLook.ProgressBorderColor);
    look.SetProgressXP(p.ControlLook.ProgressXP);
    // A look the file does not name stays; so does one the grid has already (setting a look
    // resets the colours it governs).
    if (p.Look != FLook) SetLook(p.Look);
    m_searchFooter->SetColor(p.SearchFooter.Color);
    m_searchFooter->SetColorTo(p.SearchFooter.ColorTo);
    SetGridLineColor(p.GridLineColor);
    SetGridFixedLineColor(p.GridFixedLineColor);
    TGrouping& g = *m_grouping;
    g.HeaderColor = p.Grouping.HeaderColor;
    g.HeaderColorTo = p.Grouping.HeaderColorTo;
    g.HeaderTextColor = p.Grouping.HeaderTextColor;
    g.HeaderUnderline = p.Grouping.HeaderUnderline;
    g.HeaderLineColor = p.Grouping.HeaderLineColor;
    g.HeaderLineWidth = p.Grouping.HeaderLineWidth;
    g.SummaryColor = p.Grouping.SummaryColor;
    g.SummaryColorTo = p.Grouping.SummaryColorTo;
    g.SummaryTextColor = p.Grouping.SummaryTextColor;
    g.SummaryLine = p.Grouping.SummaryLine;
    g.SummaryLineColor = p.Grouping.SummaryLineColor;
    g.SummaryLineWidth = p.Grouping.SummaryLineWidth;
    TBackGround& bg = *m_backGround;
    bg.SetTop(p.BackGround.Top);
    bg.SetLeft(p.BackGround.Left);
    bg.SetDisplay(p.BackGround.Display);
    bg.SetCells(p.BackGround.Cells);
    bg.SetColor(p.BackGround.Color);
    bg.SetColorTo(p.BackGround.ColorTo);
}

// --- the print-settings section ------------------------------------------------------------

void TExtStringGrid::SavePrintSettings(const String& Key, const String& Section)
{
    ::gw::SavePrintSettings(*m_printSettings, Key, Section);
}

void TExtStringGrid::LoadPrintSettings(const String& Key, const String& Section)
{
    ::gw::LoadPrintSettings(*m_printSettings, Key, Section);
}

}  // namespace gw
