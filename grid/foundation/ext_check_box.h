// TExtCheckBox: the grid library's self-drawn check box (the search bar's match-case box), with
// its box left or right of the caption, an optional transparent background and a read-only mode.
#pragma once

#include "platform/controls/check_box.h"
#include "platform/controls/label.h"
#include "platform/graphics/bitmap.h"

#include <memory>

namespace gw {

// Built on TCustomControl rather than the platform's TCheckBox: it draws its own box and caption,
// fires OnClick itself after toggling (the platform's box clicks on every state change, also a
// programmatic one), never fires OnKeyUp, and has the read-only and transparent modes.
class TExtCheckBox : public TCustomControl {
public:
    explicit TExtCheckBox(TComponent* AOwner);
    ~TExtCheckBox() override;
    String ClassName() const override { return u"TExtCheckBox"; }

    void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
    // The caption is the control's text; setting it repaints.
    void SetText(const String& Value) override;
    // Checks a box that is not checked (a grayed one too), unchecks a checked one; nothing when
    // read-only.
    virtual void Toggle();

    TCheckBoxState State() const { return FState; }
    // Repaints the box area when the state changes.
    void SetState(TCheckBoxState Value);
    bool Checked() const { return FState == cbChecked; }
    // Sets the state and repaints the whole control, also when nothing changed.
    void SetChecked(bool Value);
    TTextLayout ButtonVertAlign() const { return FBtnVAlign; }
    void SetButtonVertAlign(TTextLayout Value);
    // taLeftJustify: box left of the caption; taRightJustify: box at the right edge.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool ReturnIsTab = false;
    bool ReadOnly = false;
    // With Transparent: the parent's background is kept in a bitmap until the bounds change.
    bool TransparentCaching = false;

    // The box is pressed (mouse held inside it, or Space held); the mouse is over the control.
    bool Down() const { return FDown; }
    bool Hot() const { return FHot; }
    // Where the box is drawn: 14 x 14 with visual styles, 13 x 13 classic.
    TRect BoxRect() const;
    // The rectangle the caption is drawn from.
    TRect CaptionRect() const;

protected:
    bool RepaintsOnFocusChange() const override { return true; }
    void Paint() override;
    // What Paint draws, on any canvas (the control's own only exists while it paints).
    void DrawOn(TCanvas& Canvas);
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void CMDialogChar(TMessage& Message) override;

private:
    bool InsideControl(Integer X, Integer Y) const { return X >= 0 && X <= Width() && Y >= 0 && Y <= Height(); }
    void InvalidateBox(bool Erase);
    void PaintParentBackground(TCanvas& Canvas);
    void PaintBox(TCanvas& Canvas);
    void PaintCaption(TCanvas& Canvas);
    void CMMouseEnterLeave(TMessage& Message, bool Enter);
    void CMEnabledChanged(TMessage& Message);
    // A transparent box leaves its background to the parent. Not WMEraseBkgnd: that is
    // TWinControl's virtual handler, which the inherited table calls.
    void EraseBackground(TMessage& Message);

    bool FDown = false;
    TCheckBoxState FState = cbUnchecked;
    TTextLayout FBtnVAlign = tlTop;
    TAlignment FAlignment = taLeftJustify;
    bool FEllipsis = false;
    bool FIsWinXP = false;
    bool FHot = false;
    bool FMouseDown = false;
    std::unique_ptr<TBitmap> FBkgBmp = std::make_unique<TBitmap>();
    bool FBkgCache = false;
    bool FTransparent = false;
};

// The visual-style state of a check box part: 1..4 unchecked, 5..8 checked, 9..12 grayed, each
// normal, hot, pressed, disabled (disabled wins over pressed, pressed over hot).
Integer CheckBoxThemeState(TCheckBoxState State, bool Enabled, bool Down, bool Hot);

}  // namespace gw
