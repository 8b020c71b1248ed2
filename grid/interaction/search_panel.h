// The search strip docked under a string grid: a search edit that takes Enter, find next and
// previous, highlight, a match-case box and a close button. The grid connects the events to its
// search actions and lays the strip out from its SearchFooter settings.
#pragma once

#include "platform/controls/edit.h"
#include "platform/controls/panel.h"

#include <array>
#include <functional>

namespace gw {

class TExtGridButton;
class TExtCheckBox;

// An edit that hands Enter to the program: Enter alone raises OnReturn, with Ctrl OnCtrlReturn;
// the line break characters reach OnKeyPress and are then swallowed, so the text never gets one
// and the edit never beeps.
class TRetEdit : public TEdit {
public:
    explicit TRetEdit(TComponent* AOwner) : TEdit(AOwner) {}
    String ClassName() const override { return u"TRetEdit"; }
    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnReturn;
    TNotifyEvent OnCtrlReturn;

protected:
    // Multi-line, so that Enter reaches the edit instead of the form's default button.
    Cardinal EditStyle() const override;
};

// Where the strip's controls go (pixels from the panel's top-left corner).
enum TSearchPanelPart : uint8_t { spEdit, spForward, spBackward, spClose, spHighlight, spMatchCase };
struct TSearchPanelPlace {
    Integer Left = 0, Top = 0, Width = 0, Height = 0;
    bool operator==(const TSearchPanelPlace&) const = default;
};
using TSearchPanelLayout = std::array<TSearchPanelPlace, 6>;
// The places for a panel PanelWidth wide. Mirrored: the edit and the four buttons run from the
// right edge. The match-case box moves left into the highlight button's place when that is hidden.
// A width or height 0 leaves the control's own (the box's width, the edit's height).
TSearchPanelLayout SearchPanelLayout(Integer PanelWidth, bool Mirrored, bool HighlightShown);

using TSearchEditChangeNotify = std::function<void(TObject* Sender, const String& Value)>;

class TSearchPanel : public TPanel {
public:
    explicit TSearchPanel(TComponent* AOwner);
    String ClassName() const override { return u"TSearchPanel"; }

    TRetEdit* Edit() const { return FEdit; }
    TExtGridButton* ExitButton() const { return FExitButton; }
    TExtGridButton* ForwardButton() const { return FForwardButton; }
    TExtGridButton* BackwardButton() const { return FBackwardButton; }
    TExtGridButton* HiliteButton() const { return FHiliteButton; }
    TExtCheckBox* MatchCase() const { return FMatchCase; }

    // $1FFFFFFF: no gradient, the panel's colour only.
    static constexpr TColor NoColorTo = TColor(0x1FFFFFFF);
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);
    // The colour of the line along the top edge (the grid's grid-line colour).
    TColor LineColor = clSilver;

    String FindNextCaption, FindPrevCaption, MatchCaseCaption, HighLightCaption;
    String HintFindNext, HintFindPrev, HintClose, HintHighlight;

    // Places the controls and gives them their captions, hints and glyphs. With right-to-left
    // alignment (the panel takes the grid's reading order as its parent's) the edit and the four
    // buttons are mirrored; a change of reading order moves them to the other side.
    void PlaceControls();
    // The edit's text changed: the three wide buttons are enabled exactly when it holds text.
    void EditChanged();
    // Fills the panel (colour or gradient) and draws the top line on Canvas.
    void DrawPanel(TCanvas& Canvas) const;

    TNotifyEvent OnForwardClick;
    TNotifyEvent OnBackwardClick;
    TSearchEditChangeNotify OnEditChange;
    TNotifyEvent OnExitClick;
    TNotifyEvent OnHighlightClick;
    // After the controls were placed when the window was made.
    TNotifyEvent OnCreated;

protected:
    void CreateWnd() override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;

private:
    // The edit and the buttons move to the side the reading order puts them on; sizes stay.
    void ReadingOrderChanged(TMessage& Message);

    TRetEdit* FEdit;
    TExtGridButton* FExitButton;
    TExtGridButton* FForwardButton;
    TExtGridButton* FBackwardButton;
    TExtGridButton* FHiliteButton;
    TExtCheckBox* FMatchCase;
    TColor FColorTo = NoColorTo;
};

}  // namespace gw
