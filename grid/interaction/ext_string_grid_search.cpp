// The string grid's search footer: its panel made and laid out from the SearchFooter settings,
// and the search actions its edit and buttons start (typing, find next and previous, close,
// highlight).
#include "grid/foundation/ext_check_box.h"
#include "grid/foundation/grid_button.h"
#include "grid/foundation/search_footer.h"
#include "grid/interaction/search_panel.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "platform/controls/accelerator.h"

namespace gw {

namespace {

// The panel's height while the footer shows; the wide buttons' and the box's while shown.
constexpr Integer SearchPanelHeight = 32;
constexpr Integer WideButtonHeight = 23;
constexpr Integer MatchCaseHeight = 18;
// The edit turns this colour when the text is found nowhere.
constexpr TColor NotFoundColour = TColor(255);

void StyleButton(TExtGridButton* Button, TControlStyle Style, bool GridAdapts)
{
    if (Style == csFlat) Button->SetFlat(true);
    if ((Style == csWinXP || Style == csTheme) && !GridAdapts) {
        Button->AutoXPStyle = true;
        Button->SetFlat(false);
    }
    if (Style == csClassic) {
        Button->AutoXPStyle = false;
        Button->SetFlat(false);
    }
    if (GridAdapts) {
        Button->SetAutoThemeAdapt(true);
        Button->SetFlat(true);
    }
}

}  // namespace

void TExtStringGrid::CreateSearchPanel()
{
    SearchPanel = new TSearchPanel(this);
    SearchPanel->SetBevelOuter(bvNone);
    // Hidden until the footer is shown: a visible panel of height 0 would still take the focus
    // when Tab leaves the grid.
    SearchPanel->SetVisible(false);
    SearchPanel->SetHeight(0);
    SearchPanel->SetAlign(alBottom);
    SearchPanel->SetParent(this);
    SearchPanel->OnForwardClick = [this](TObject* Sender) { SearchForwardClick(Sender); };
    SearchPanel->OnBackwardClick = [this](TObject* Sender) { SearchBackwardClick(Sender); };
    SearchPanel->OnEditChange = [this](TObject* Sender, const String& Value) { SearchEditChanged(Sender, Value); };
    SearchPanel->OnExitClick = [this](TObject* Sender) { SearchCloseClick(Sender); };
    SearchPanel->OnHighlightClick = [this](TObject* Sender) { SearchHighlightClick(Sender); };
    SearchPanel->OnCreated = [this](TObject*) {
        if (OnCreatedSearchFooter) OnCreatedSearchFooter(this);
    };
}

void TExtStringGrid::RealignSearchPanel()
{
    if (!SearchPanel || !SearchPanel->Visible()) return;
    // A height that changes makes the alignment run again over the grid's new client area.
    SearchPanel->SetHeight(SearchPanelHeight + 1);
    SearchPanel->SetHeight(SearchPanelHeight);
    SearchPanel->SetAlign(alBottom);
}

bool TExtStringGrid::SearchPanelAccelerator(Char Key)
{
    if (!SearchPanel) return false;
    TSearchPanel& p = *SearchPanel;
    const std::pair<TExtGridButton*, void (TExtStringGrid::*)(TObject*)> buttons[] = {
        {p.ForwardButton(), &TExtStringGrid::SearchForwardClick},
        {p.BackwardButton(), &TExtStringGrid::SearchBackwardClick},
        {p.HiliteButton(), &TExtStringGrid::SearchHighlightClick},
    };
    for (const auto& [button, action] : buttons) {
        if (!IsAccel(Key, button->Caption()) || !button->Visible() || !button->Enabled()) continue;
        // The highlight works with the button's state as it is: the key does not toggle it.
        (this->*action)(button);
        return true;
    }
    return false;
}

void TExtStringGrid::BuildSearchFooter()
{
    if (!SearchPanel || (ComponentState() & csLoading)) return;
    TSearchPanel& p = *SearchPanel;
    const TSearchFooter& f = *m_searchFooter;
    if ((p.HiliteButton()->Down() && p.Visible() && !f.Visible()) || f.AlwaysHighLight) UnHilightInGrid();
    p.SetColor(f.Color());
    p.SetColorTo(f.ColorTo());
    p.SetVisible(f.Visible());
    p.LineColor = GridLineColor();
    p.FindNextCaption = f.FindNextCaption();
    p.FindPrevCaption = f.FindPrevCaption();
    p.MatchCaseCaption = f.MatchCaseCaption();
    p.HighLightCaption = f.HighLightCaption();
    p.HintFindNext = f.HintFindNext();
    p.HintFindPrev = f.HintFindPrev();
    p.HintClose = f.HintClose();
    p.HintHighlight = f.HintHighlight();
    p.Font()->Assign(f.Font());
    for (TExtGridButton* b : {p.ForwardButton(), p.BackwardButton(), p.HiliteButton()})
        StyleButton(b, m_controlLook->ControlStyle(), AutoThemeAdapt);
    p.HiliteButton()->SetVisible(f.ShowHighLight());
    p.ExitButton()->SetVisible(f.ShowClose());
    p.MatchCase()->SetVisible(f.ShowMatchCase());
    p.MatchCase()->SetTransparent(true);
    p.BackwardButton()->SetVisible(f.ShowFindPrev());
    p.ForwardButton()->SetVisible(f.ShowFindNext());
    p.PlaceControls();
    for (TExtGridButton* b : {p.ForwardButton(), p.BackwardButton(), p.HiliteButton()})
        b->SetHeight(b->Visible() ? WideButtonHeight : 0);
    p.MatchCase()->SetHeight(p.MatchCase()->Visible() ? MatchCaseHeight : 0);
    if (!f.Visible()) {
        p.SetHeight(0);
        return;
    }
    p.SetBounds(p.Left(), Height() - SearchPanelHeight, p.Width(), SearchPanelHeight);
    KeepLastRowAboveSearchPanel();
}

void TExtStringGrid::ShowSearchFooter()
{
    m_searchFooter->SetVisible(true);
    if (SearchPanel && SearchPanel->Edit()->CanFocus()) SearchPanel->Edit()->SetFocus();
}

void TExtStringGrid::KeepLastRowAboveSearchPanel()
{
    if (!m_searchFooter->Visible() || !SearchPanel) return;
    const Integer panel = SearchPanel->Height();
    if (ClientHeight() <= DefaultRowHeight() + panel) return;
    const Integer limit = ClientHeight() - panel + 2;
    while (CellRect(0, RowCount() - 1).Bottom > limit && Row() >= 0 && Row() < RowCount() && TopRow() < RowCount()) {
        const Integer before = TopRow();
        SetTopRow(before + 1);
        // The base grid keeps the top row where it cannot go further: no endless loop.
        if (TopRow() == before) break;
    }
}

// --- the search actions --------------------------------------------------------------------

bool TExtStringGrid::SearchHighlighting() const
{
    return SearchPanel->HiliteButton()->Down() || m_searchFooter->AlwaysHighLight;
}

TFindParams TExtStringGrid::SearchFooterParams(bool Typing, bool Backward)
{
    const TSearchFooter& f = *m_searchFooter;
    TFindParams fp = FindParam(fnAutoGoto);
    if (SearchPanel->HiliteButton()->Down()) fp |= FindParam(fnIgnoreHTMLTags);
    if (SearchPanel->MatchCase()->Checked()) fp |= FindParam(fnMatchCase);
    if (f.SearchActiveColumnOnly) fp |= FindParam(fnFindInCurrentCol);
    if (f.SearchMatchStart) fp |= FindParam(fnMatchStart);
    if (Typing && f.SearchFixedCells) fp |= FindParam(fnIncludeFixed);
    if (Typing && f.SearchHiddenRows) fp |= FindParam(fnIncludeHiddenRows);
    if (Backward) fp |= FindParam(fnBackward);
    if (!Backward && f.SearchDirection == sdLeftRight) fp |= FindParam(fnDirectionLeftRight);
    if (f.SearchColumn >= 0 && f.SearchColumn < ColCount()) {
        FindCol = f.SearchColumn;
        fp |= FindParam(fnFindInPresetCol);
    }
    return fp;
}

// In the search column when it is a column of the grid, else in the whole grid.
void TExtStringGrid::HighlightSearchText(const String& Text)
{
    const Integer col = m_searchFooter->SearchColumn;
    const bool matchCase = SearchPanel->MatchCase()->Checked();
    if (col >= 0 && col < ColCount())
        HilightInCol(matchCase, Text, col);
    else
        HilightInGrid(matchCase, Text);
}

void TExtStringGrid::RemoveSearchHighlights()
{
    const Integer col = m_searchFooter->SearchColumn;
    if (col >= 0 && col < ColCount())
        UnHilightInCol(col);
    else
        UnHilightInGrid();
}

void TExtStringGrid::SetSearchEditColour(TColor Value)
{
    TRetEdit* e = SearchPanel->Edit();
    e->SetColor(Value);
    // A width change makes the edit paint its new colour at once.
    e->SetWidth(e->Width() + 1);
    e->SetWidth(e->Width() - 1);
}

void TExtStringGrid::SearchEditChanged(TObject* /*Sender*/, const String& Value)
{
    bool defaultSearch = true;
    if (OnSearchEditChange) OnSearchEditChange(this, Value, defaultSearch);
    if (!defaultSearch || !m_searchFooter->AutoSearch) return;
    const TFindParams fp = SearchFooterParams(true, false);
    const bool highlighting = SearchHighlighting();
    if (highlighting) RemoveSearchHighlights();
    if (Value.empty()) {
        SetSearchEditColour(clWindow);
        if (SearchPanel->HiliteButton()->Down()) RemoveSearchHighlights();
        return;
    }
    FSearchCell = Find({-1, -1}, Value, fp);
    DoSearchFooterAction(Value, FSearchCell.X, FSearchCell.Y, saFindFirst);
    if (FSearchCell.X == -1) {
        SetSearchEditColour(NotFoundColour);
        return;
    }
    SetSearchEditColour(clWindow);
    ScrollInView(FSearchCell.X, FSearchCell.Y);
    if (highlighting) HighlightSearchText(Value);
}

void TExtStringGrid::NudgeTopRowForSearch()
{
    const bool floating = m_floatingFooter->Visible();
    const Integer visible = VisibleRowCount();
    if (Row() > TopRow() + visible + (floating ? 0 : 1) - 3 && visible + FixedRows() + (floating ? 1 : 0) < RowCount())
        SetTopRow(TopRow() + 2);
}

void TExtStringGrid::SearchFooterStep(bool Backward)
{
    TSearchFooter& f = *m_searchFooter;
    const String text = SearchPanel->Edit()->Text();
    if (!f.AutoSearch && text != f.LastSearch) FSearchCell = {-1, -1};
    f.LastSearch = text;
    const TFindParams fp = SearchFooterParams(false, Backward);
    FSearchCell = Find(FSearchCell, text, fp);
    const bool found = FSearchCell.X != -1;
    if (Backward) NudgeTopRowForSearch();
    if (found) ScrollInView(FSearchCell.X, FSearchCell.Y);
    if (!Backward) NudgeTopRowForSearch();
    DoSearchFooterAction(text, FSearchCell.X, FSearchCell.Y, Backward ? saFindPrevious : saFindNext);
    SearchPanel->Invalidate();
}

void TExtStringGrid::SearchForwardClick(TObject* /*Sender*/) { SearchFooterStep(false); }

void TExtStringGrid::SearchBackwardClick(TObject* /*Sender*/) { SearchFooterStep(true); }

void TExtStringGrid::SearchCloseClick(TObject* /*Sender*/)
{
    if (OnSearchFooterClose) OnSearchFooterClose(this);
    m_searchFooter->SetVisible(false);
}

void TExtStringGrid::SearchHighlightClick(TObject* /*Sender*/)
{
    if (SearchPanel->HiliteButton()->Down())
        HighlightSearchText(SearchPanel->Edit()->Text());
    else
        RemoveSearchHighlights();
}

}  // namespace gw
