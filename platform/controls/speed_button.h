// TSpeedButton: a windowless button with a glyph, a flat look, and groups of exclusive buttons.
#pragma once

#include "platform/graphics/bitmap.h"
#include "platform/ui/win_control.h"

namespace gw {

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;
    String ClassName() const override { return u"TSpeedButton"; }

    // Buttons of one parent with the same non-zero index are exclusive: one down at a time.
    Integer GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(Integer Value);
    bool Down() const { return m_down; }
    // Without a group index a button cannot stay down; a down button of a group without
    // AllowAllUp stays down until another of the group goes down.
    void SetDown(bool Value);
    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool Value);
    bool Flat() const { return m_flat; }
    void SetFlat(bool Value);
    // The glyph: NumGlyphs images side by side - up, disabled, pressed, down.
    TBitmap* Glyph() const { return m_glyph.get(); }
    void SetGlyph(TBitmap* Value);
    Integer NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(Integer Value);
    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout Value);
    // Pixels from the edge to the glyph (-1: centred) and between glyph and caption (-1: even).
    Integer Margin() const { return m_margin; }
    void SetMargin(Integer Value);
    Integer Spacing() const { return m_spacing; }
    void SetSpacing(Integer Value);
    bool Transparent = true;

    TButtonState State() const { return m_state; }
    // The mouse is over a flat button.
    bool MouseInControl() const { return m_mouseInControl; }
    void Click() override;

    // The glyph image shown in a state (the up image when the glyph has no image for it).
    Integer GlyphIndexFor(TButtonState State) const;
    // Where the glyph and the caption go inside Client.
    void CalcLayout(const TRect& Client, TPoint& GlyphPos, TRect& TextBounds) const;

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void UpdateExclusive();
    void DrawGlyph(TCanvas& Canvas, TPoint At, TButtonState State) const;

    TButtonState m_state = bsUp;
    bool m_dragging = false;
    bool m_mouseInControl = false;

private:
    bool Inside(Integer X, Integer Y) const { return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight(); }
    void CMButtonPressed(TMessage& M);
    void CMDialogChar(TMessage& M);
    void CMMouseEnter(TMessage& M);
    void CMMouseLeave(TMessage& M);
    void CMEnabledChanged(TMessage& M);

    Integer m_groupIndex = 0;
    bool m_down = false;
    bool m_allowAllUp = false;
    bool m_flat = false;
    std::unique_ptr<TBitmap> m_glyph;
    Integer m_numGlyphs = 1;
    TButtonLayout m_layout = blGlyphLeft;
    Integer m_margin = -1;
    Integer m_spacing = 4;
};

}  // namespace gw
