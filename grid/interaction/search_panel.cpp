// The search strip: the Enter-taking edit, the layout of its controls, their enabling and the
// strip's painting.
#include "grid/interaction/search_panel.h"

#include "grid/foundation/ext_check_box.h"
#include "grid/foundation/gradients.h"
#include "grid/foundation/grid_button.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/ui/window_system.h"

namespace gw {

namespace {

// The gradient from Color down to ColorTo is painted in this many bands.
constexpr Integer GradientBands = 32;

// Gives Button the embedded picture Name through one of its glyph setters.
void SetGlyph(TExtGridButton* Button, void (TExtGridButton::*Setter)(TBitmap*), StringView Name)
{
    TBitmap b;
    b.LoadFromResourceName(Name);
    (Button->*Setter)(&b);
}

void Place(TControl* Control, const TSearchPanelPlace& P)
{
    Control->SetBounds(P.Left, P.Top, P.Width ? P.Width : Control->Width(), P.Height ? P.Height : Control->Height());
}

void SetButtonHint(TExtGridButton* Button, const String& Hint)
{
    Button->Hint = Hint;
    Button->SetShowHint(!Hint.empty());
}

}  // namespace

// --- the edit ------------------------------------------------------------------------------

Cardinal TRetEdit::EditStyle() const { return TEdit::EditStyle() | ES_MULTILINE; }

void TRetEdit::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_RETURN) {
        const bool ctrl = GetKeyState(VK_CONTROL) < 0;
        if (ctrl && OnCtrlReturn) OnCtrlReturn(this);
        if (!ctrl && OnReturn) OnReturn(this);
        return;
    }
    if (Message.Msg == WM_CHAR && (Message.WParam == '\r' || Message.WParam == '\n')) {
        Char key = Char(Message.WParam);
        if (OnKeyPress) OnKeyPress(this, key);
        Message.Result = 0;
        return;
    }
    TEdit::Dispatch(Message);
}

// --- layout --------------------------------------------------------------------------------

TSearchPanelLayout SearchPanelLayout(Integer PanelWidth, bool Mirrored, bool HighlightShown)
{
    TSearchPanelLayout l;
    l[spEdit] = {25, 6, 110, 0};
    l[spForward] = {140, 5, 90, 23};
    l[spBackward] = {235, 5, 90, 23};
    l[spClose] = {5, 7, 14, 14};
    l[spHighlight] = {330, 5, 90, 23};
    l[spMatchCase] = {HighlightShown ? 425 : 330, 8, 0, 0};
    if (Mirrored)
        for (const TSearchPanelPart p : {spEdit, spForward, spBackward, spClose, spHighlight})
            l[p].Left = PanelWidth - l[p].Width - l[p].Left;
    return l;
}

// --- the panel -----------------------------------------------------------------------------

TSearchPanel::TSearchPanel(TComponent* AOwner)
    : TPanel(AOwner), FEdit(new TRetEdit(this)), FExitButton(new TExtGridButton(this)),
      FForwardButton(new TExtGridButton(this)), FBackwardButton(new TExtGridButton(this)),
      FHiliteButton(new TExtGridButton(this)), FMatchCase(new TExtCheckBox(this))
{
    FEdit->OnChange = [this](TObject*) { EditChanged(); };
    FEdit->OnReturn = [this](TObject*) {
        if (OnForwardClick) OnForwardClick(this);
    };
    FEdit->OnCtrlReturn = [this](TObject*) {
        if (OnBackwardClick) OnBackwardClick(this);
    };
    FForwardButton->OnClick = [this](TObject*) {
        if (OnForwardClick) OnForwardClick(this);
    };
    FBackwardButton->OnClick = [this](TObject*) {
        if (OnBackwardClick) OnBackwardClick(this);
    };
    FExitButton->OnClick = [this](TObject*) {
        if (OnExitClick) OnExitClick(this);
    };
    FHiliteButton->OnClick = [this](TObject*) {
        if (OnHighlightClick) OnHighlightClick(this);
    };
    FHiliteButton->SetStyle(tasCheck);
    for (TExtGridButton* b : {FForwardButton, FBackwardButton, FHiliteButton}) b->SetEnabled(false);
    for (TControl* c : std::initializer_list<TControl*>{FEdit, FExitButton, FForwardButton, FBackwardButton,
                                                        FHiliteButton, FMatchCase}) {
        c->SetParentFont(true);
        c->SetParent(this);
    }
    SetGlyph(FForwardButton, &TExtGridButton::SetGlyph, u"ESGARDOWN");
    SetGlyph(FForwardButton, &TExtGridButton::SetGlyphDisabled, u"ESGARDOWND");
    SetGlyph(FBackwardButton, &TExtGridButton::SetGlyph, u"ESGARUP");
    SetGlyph(FBackwardButton, &TExtGridButton::SetGlyphDisabled, u"ESGARUPD");
    SetGlyph(FExitButton, &TExtGridButton::SetGlyph, u"ESGCLOSE");
    SetGlyph(FExitButton, &TExtGridButton::SetGlyphHot, u"ESGCLOSEH");
    SetGlyph(FExitButton, &TExtGridButton::SetGlyphDown, u"ESGCLOSED");
    SetGlyph(FHiliteButton, &TExtGridButton::SetGlyph, u"ESGHI");
    SetGlyph(FHiliteButton, &TExtGridButton::SetGlyphDisabled, u"ESGHID");
}

void TSearchPanel::SetColorTo(TColor Value)
{
    FColorTo = Value;
    Invalidate();
}

void TSearchPanel::PlaceControls()
{
    const TSearchPanelLayout l = SearchPanelLayout(Width(), UseRightToLeftAlignment(), FHiliteButton->Visible());
    Place(FEdit, l[spEdit]);
    Place(FForwardButton, l[spForward]);
    Place(FBackwardButton, l[spBackward]);
    Place(FExitButton, l[spClose]);
    Place(FHiliteButton, l[spHighlight]);
    Place(FMatchCase, l[spMatchCase]);
    FForwardButton->SetCaption(FindNextCaption);
    FBackwardButton->SetCaption(FindPrevCaption);
    FHiliteButton->SetCaption(HighLightCaption);
    FHiliteButton->Font()->SetStyle(0);
    FMatchCase->SetText(MatchCaseCaption);
    SetButtonHint(FForwardButton, HintFindNext);
    SetButtonHint(FBackwardButton, HintFindPrev);
    SetButtonHint(FExitButton, HintClose);
    SetButtonHint(FHiliteButton, HintHighlight);
}

void TSearchPanel::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_BIDIMODECHANGED: ReadingOrderChanged(Message); return;
    default: TPanel::Dispatch(Message); return;
    }
}

void TSearchPanel::ReadingOrderChanged(TMessage& Message)
{
    TPanel::Dispatch(Message);
    const TSearchPanelLayout l = SearchPanelLayout(Width(), UseRightToLeftAlignment(), FHiliteButton->Visible());
    FEdit->SetLeft(l[spEdit].Left);
    FForwardButton->SetLeft(l[spForward].Left);
    FBackwardButton->SetLeft(l[spBackward].Left);
    FExitButton->SetLeft(l[spClose].Left);
    FHiliteButton->SetLeft(l[spHighlight].Left);
}

void TSearchPanel::CreateWnd()
{
    TPanel::CreateWnd();
    PlaceControls();
    if (OnCreated) OnCreated(this);
}

void TSearchPanel::EditChanged()
{
    const bool any = !FEdit->Text().empty();
    for (TExtGridButton* b : {FForwardButton, FBackwardButton, FHiliteButton}) b->SetEnabled(any);
    if (OnEditChange) OnEditChange(this, FEdit->Text());
}

void TSearchPanel::DrawPanel(TCanvas& Canvas) const
{
    const TRect r = ClientRect();
    if (FColorTo == NoColorTo) {
        Canvas.Brush()->SetColor(Color());
        Canvas.FillRect(r);
    } else {
        PaintGradientBands(Canvas, Color(), FColorTo, GradientBands, r, false);
    }
    Canvas.Pen()->SetColor(LineColor);
    Canvas.MoveTo(r.Left, r.Top);
    Canvas.LineTo(r.Right, r.Top);
}

void TSearchPanel::Paint()
{
    TPanel::Paint();
    DrawPanel(*Canvas());
}

}  // namespace gw
