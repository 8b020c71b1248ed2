// TExtGridButton: the windowless push button the grid's button cell editor places over a cell,
// with state glyphs, a check style, groups, flat gradient looks, a drop-down part and a shade.
#pragma once

#include "platform/controls/actions.h"
#include "platform/controls/speed_button.h"
#include "platform/ui/menus.h"

#include <memory>

namespace gw {

enum TExtGridButtonStyle { tasButton = 0, tasCheck = 1 };

class TExtGridButton;

// Links the button to an action: caption, checked (through Down) and group index as well as the
// properties every control takes.
class TExtGridButtonActionLink : public TControlActionLink {
public:
    explicit TExtGridButtonActionLink(TExtGridButton* Client);
    bool IsCaptionLinked() const override;
    bool IsCheckedLinked() const override;
    bool IsGroupIndexLinked() const override;
    void SetCaption(const String& Value) override;
    void SetChecked(bool Value) override;
    void SetGroupIndex(Integer Value) override;

private:
    TExtGridButton* FClient;
};

// Built on TGraphicControl rather than the platform's TSpeedButton: the check style toggles Down
// without a group, the drop-down part never clicks, the glyphs are one per state rather than one
// strip, and the faces are gradients in colour sets; the speed button has none of these.
class TExtGridButton : public TGraphicControl {
public:
    explicit TExtGridButton(TComponent* AOwner);
    ~TExtGridButton() override;
    String ClassName() const override { return u"TExtGridButton"; }

    void WndProc(TMessage& Message) override;
    void Click() override;

    Integer GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(Integer Value);
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    Integer Spacing() const { return FSpacing; }
    void SetSpacing(Integer Value);
    // -1 centres the content; values below -1 are ignored.
    Integer Margin() const { return FMargin; }
    void SetMargin(Integer Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool Value);
    TExtGridButtonStyle Style() const { return FStyle; }
    void SetStyle(TExtGridButtonStyle Value);
    bool Rounded() const { return FRounded; }
    void SetRounded(bool Value);
    // A part 12 pixels wide at the right that raises OnDropDown and pops up DropDownMenu.
    bool DropDownButton() const { return FDropDownButton; }
    void SetDropDownButton(bool Value);
    bool Shaded() const { return FShaded; }
    void SetShaded(bool Value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    // The colour set last applied; 0..6 set colours, other values are only stored.
    Integer Look() const { return FLook; }
    void SetLook(Integer Value);
    TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(TPopupMenu* Value);

    // The glyph; setting it also makes a grey GlyphDisabled when there is none yet.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* Value);
    TBitmap* GlyphDisabled() const { return FGlyphDisabled.get(); }
    void SetGlyphDisabled(TBitmap* Value);
    TBitmap* GlyphHot() const { return FGlyphHot.get(); }
    void SetGlyphHot(TBitmap* Value);
    TBitmap* GlyphDown() const { return FGlyphDown.get(); }
    void SetGlyphDown(TBitmap* Value);
    // The grey silhouette drawn under the glyph on hover.
    TBitmap* GlyphShade() const { return FGlyphShade.get(); }

    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);
    TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(TColor Value);
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(TColor Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor ColorHot = TColor(0xCAC7C7);
    TColor ColorHotTo = clNone;
    TColor ColorDown = TColor(0xD8D3D2);
    TColor ColorDownTo = clNone;
    TColor BorderDownColor = clNone;
    TColor BorderHotColor = clNone;
    // A button that is not flat is drawn with visual styles when they are there.
    bool AutoXPStyle = false;

    TBasicAction* Action() const { return FActionLink ? FActionLink->Action() : nullptr; }
    void SetAction(TBasicAction* Value);

    TButtonState State() const { return FState; }
    bool MouseInControl() const { return FMouseInControl; }

    TNotifyEvent OnDropDown;

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Dispatch(TMessage& Message) override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

private:
    bool Inside(Integer X, Integer Y) const { return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight(); }
    bool Designing() const { return (ComponentState() & csDesigning) != 0; }
    bool Checked() const { return FStyle == tasCheck && FDown; }
    void UpdateExclusive();
    void UpdateTracking();
    void AdaptLook();
    void BuildShade();
    void CMButtonPressed(TMessage& Message);
    void CMDialogChar(TMessage& Message);
    void CMMouseEnter(TMessage& Message);
    // A double click on a button that stays down raises OnDblClick.
    void WMLButtonDblClk(TMessage& Message);
    void CMEnabledChanged();
    void CMMouseLeave(TMessage& Message);
    void PaintFlatFace(TCanvas& Canvas, TRect& R);
    void PaintFace(TCanvas& Canvas, TRect& R);
    void PaintContent(TCanvas& Canvas, TRect R, TPoint Offset);
    TBitmap* GlyphFor(TButtonState ContentState) const;

    bool FIsComCtl6 = false;
    Integer FGroupIndex = 0;
    std::unique_ptr<TBitmap> FGlyph;
    bool FDown = false;
    bool FDragging = false;
    bool FAllowAllUp = false;
    TButtonLayout FLayout = blGlyphLeft;
    Integer FSpacing = 4;
    bool FTransparent = true;
    Integer FMargin = -1;
    bool FFlat = true;
    bool FMouseInControl = false;
    TColor FColorTo = clNone;
    TColor FBorderColor = clNone;
    std::unique_ptr<TBitmap> FGlyphDisabled, FGlyphHot, FGlyphDown, FGlyphShade;
    bool FShaded = true;
    TColor FColorChecked = TColor(0x808080);
    TColor FColorCheckedTo = clNone;
    TExtGridButtonStyle FStyle = tasButton;
    Integer FLook = 0;
    bool FRounded = false;
    bool FDropDownButton = false;
    bool FAutoThemeAdapt = false;
    TPopupMenu* FDropDownMenu = nullptr;
    bool FShowCaption = true;
    TButtonState FState = bsUp;
    std::unique_ptr<TExtGridButtonActionLink> FActionLink;
};

// Where glyph and caption go inside Client: both centred across the layout's axis, along it at
// Margin (-1: centred) and Spacing (-1: even) apart.
void ButtonContentLayout(const TRect& Client, TSize Glyph, TSize Caption, TButtonLayout Layout, Integer Margin,
                         Integer Spacing, TPoint& GlyphPos, TRect& CaptionRect);

// The vertical gradient of the button faces: 16 bands of From stepping toward To (one step short),
// outlined in Border unless it is clNone.
void PaintButtonGradient(TCanvas& Canvas, TColor From, TColor To, TColor Border, const TRect& R);

}  // namespace gw
