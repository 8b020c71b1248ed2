// How the grid draws the controls it paints inside cells (check boxes, radio buttons, buttons,
// progress bars, drop-down and spin buttons, comment marks), the gradients of its fixed cells in
// their normal, hovered and pressed states, and the header and footer of its drop-down editors.
//
// The fixed-cell gradient colours are held twice: here (what the properties answer and form
// descriptions store) and in the grid's ZEQGradient... colours, which painting reads. A setter
// passes its colour on to the grid: the mirror colours always, the others unless clNone.
#pragma once

#include "grid/model/settings_grid.h"
#include "platform/graphics/colour.h"
#include "platform/runtime/component.h"

#include <memory>

namespace gw {

class TBitmap;
class TFooterAppearance;
class THeaderAppearance;

enum TControlStyle : uint8_t { csClassic, csFlat, csWinXP, csBevel, csZEQ, csGlyph, csTheme };

class TControlLook : public TPersistent {
public:
    explicit TControlLook(TSettingsGrid* AGrid);
    ~TControlLook() override;
    String ClassName() const override { return u"TControlLook"; }
    // From another control look only (anything else is ignored): sizes, style, glyphs, progress
    // margins, colours, the "always" switches, every fixed-gradient colour, the drop-down header
    // and footer and HintMaxWidth, straight into the fields: nothing reaches the grid and nothing
    // is repainted. FixedDropDownButton, FlatButton, NoDisabledCheckRadioLook,
    // NoDisabledButtonLook and ProgressXP stay.
    void Assign(TPersistent* Source) override;
    // Back to the default colours: Color, CommentColor, ProgressBorderColor and the fixed
    // gradients; of these only the four hover and pressed mirror colours reach the grid (as none).
    void Init();

    // Setters marked "repaints" store and repaint the grid; the others only store.
    TColor Color() const { return m_colours.Color; }
    void SetColor(TColor Value);  // repaints
    // The comment mark.
    TColor CommentColor() const { return m_colours.CommentColor; }
    void SetCommentColor(TColor Value);  // repaints
    // The four glyphs are owned; their setters copy the picture in and repaint.
    TBitmap* CheckedGlyph() const { return m_checkedGlyph.get(); }
    void SetCheckedGlyph(TBitmap* Value);

    TColor FixedGradientFrom() const { return m_colours.FixedGradientFrom; }
    void SetFixedGradientFrom(TColor Value);
    TColor FixedGradientTo() const { return m_colours.FixedGradientTo; }
    void SetFixedGradientTo(TColor Value);
    TColor FixedGradientMirrorFrom() const { return m_colours.FixedGradientMirrorFrom; }
    void SetFixedGradientMirrorFrom(TColor Value);
    TColor FixedGradientMirrorTo() const { return m_colours.FixedGradientMirrorTo; }
    void SetFixedGradientMirrorTo(TColor Value);
    TColor FixedGradientHoverFrom() const { return m_colours.FixedGradientHoverFrom; }
    void SetFixedGradientHoverFrom(TColor Value);
    TColor FixedGradientHoverTo() const { return m_colours.FixedGradientHoverTo; }
    void SetFixedGradientHoverTo(TColor Value);
    TColor FixedGradientHoverMirrorFrom() const { return m_colours.FixedGradientHoverMirrorFrom; }
    void SetFixedGradientHoverMirrorFrom(TColor Value);
    TColor FixedGradientHoverMirrorTo() const { return m_colours.FixedGradientHoverMirrorTo; }
    void SetFixedGradientHoverMirrorTo(TColor Value);
    TColor FixedGradientHoverBorder() const { return m_colours.FixedGradientHoverBorder; }
    void SetFixedGradientHoverBorder(TColor Value);
    TColor FixedGradientDownFrom() const { return m_colours.FixedGradientDownFrom; }
    void SetFixedGradientDownFrom(TColor Value);
    TColor FixedGradientDownTo() const { return m_colours.FixedGradientDownTo; }
    void SetFixedGradientDownTo(TColor Value);
    TColor FixedGradientDownMirrorFrom() const { return m_colours.FixedGradientDownMirrorFrom; }
    void SetFixedGradientDownMirrorFrom(TColor Value);
    TColor FixedGradientDownMirrorTo() const { return m_colours.FixedGradientDownMirrorTo; }
    void SetFixedGradientDownMirrorTo(TColor Value);
    TColor FixedGradientDownBorder() const { return m_colours.FixedGradientDownBorder; }
    void SetFixedGradientDownBorder(TColor Value);

    // A drop-down button in fixed cells.
    bool FixedDropDownButton = false;
    // Widest cell hint in pixels; 0: no limit.
    Integer HintMaxWidth = 0;
    TBitmap* UnCheckedGlyph() const { return m_unCheckedGlyph.get(); }
    void SetUnCheckedGlyph(TBitmap* Value);
    TBitmap* RadioOnGlyph() const { return m_radioOnGlyph.get(); }
    void SetRadioOnGlyph(TBitmap* Value);
    TBitmap* RadioOffGlyph() const { return m_radioOffGlyph.get(); }
    void SetRadioOffGlyph(TBitmap* Value);
    // Pixels.
    Integer CheckSize() const { return m_checkSize; }
    void SetCheckSize(Integer Value);  // repaints
    bool CheckAlwaysActive = false;
    Integer RadioSize() const { return m_radioSize; }
    void SetRadioSize(Integer Value);  // repaints
    bool RadioAlwaysActive = false;
    TControlStyle ControlStyle() const { return m_controlStyle; }
    void SetControlStyle(TControlStyle Value);  // repaints
    bool DropDownAlwaysVisible() const { return m_dropDownAlwaysVisible; }
    void SetDropDownAlwaysVisible(bool Value);  // repaints
    // The column grid sets it per column.
    Integer DropDownCount = 8;
    // Owned; the setters copy the given header or footer in.
    THeaderAppearance* DropDownHeader() const { return m_dropDownHeader.get(); }
    void SetDropDownHeader(THeaderAppearance* Value);
    TFooterAppearance* DropDownFooter() const { return m_dropDownFooter.get(); }
    void SetDropDownFooter(TFooterAppearance* Value);
    bool SpinButtonsAlwaysVisible() const { return m_spinButtonsAlwaysVisible; }
    void SetSpinButtonsAlwaysVisible(bool Value);  // repaints
    bool FlatButton() const { return m_flatButton; }
    void SetFlatButton(bool Value);  // repaints
    bool NoDisabledCheckRadioLook() const { return m_noDisabledCheckRadioLook; }
    void SetNoDisabledCheckRadioLook(bool Value);  // repaints
    bool NoDisabledButtonLook() const { return m_noDisabledButtonLook; }
    void SetNoDisabledButtonLook(bool Value);  // repaints
    // Stores only; kept with the colours Init resets.
    TColor ProgressBorderColor() const { return m_colours.ProgressBorderColor; }
    void SetProgressBorderColor(TColor Value) { m_colours.ProgressBorderColor = Value; }
    Integer ProgressMarginX() const { return m_progressMarginX; }
    void SetProgressMarginX(Integer Value);  // repaints
    Integer ProgressMarginY() const { return m_progressMarginY; }
    void SetProgressMarginY(Integer Value);  // repaints
    bool ProgressXP() const { return m_progressXP; }
    void SetProgressXP(bool Value);  // repaints

private:
    template <class T>
    void SetAndRepaint(T& Field, T Value);
    void SetGlyph(TBitmap& Glyph, TBitmap* Value);
    // Stores the colour and passes it on unless it is clNone.
    void SetGradient(TColor& Field, TColor Value, void (TSettingsGrid::*Pass)(TColor));
    // Stores the colour and always passes it on.
    void SetMirror(TColor& Field, TColor Value, void (TSettingsGrid::*Pass)(TColor));

    // The colours Init puts back to these values.
    struct TColours {
        TColor Color = 0;
        TColor CommentColor = clRed;
        TColor ProgressBorderColor = clGray;
        TColor FixedGradientFrom = clNone;
        TColor FixedGradientTo = clNone;
        TColor FixedGradientMirrorFrom = clNone;
        TColor FixedGradientMirrorTo = clNone;
        TColor FixedGradientHoverFrom = clGray;
        TColor FixedGradientHoverTo = clWhite;
        TColor FixedGradientHoverMirrorFrom = clNone;
        TColor FixedGradientHoverMirrorTo = clNone;
        TColor FixedGradientHoverBorder = clSilver;
        TColor FixedGradientDownFrom = clGray;
        TColor FixedGradientDownTo = clSilver;
        TColor FixedGradientDownMirrorFrom = clNone;
        TColor FixedGradientDownMirrorTo = clNone;
        TColor FixedGradientDownBorder = clGray;
    };

    TSettingsGrid* FGrid;
    TColours m_colours;
    std::unique_ptr<TBitmap> m_checkedGlyph;
    std::unique_ptr<TBitmap> m_unCheckedGlyph;
    std::unique_ptr<TBitmap> m_radioOnGlyph;
    std::unique_ptr<TBitmap> m_radioOffGlyph;
    Integer m_checkSize = 15;
    Integer m_radioSize = 10;
    TControlStyle m_controlStyle = csTheme;
    bool m_dropDownAlwaysVisible = false;
    std::unique_ptr<THeaderAppearance> m_dropDownHeader;
    std::unique_ptr<TFooterAppearance> m_dropDownFooter;
    bool m_spinButtonsAlwaysVisible = false;
    bool m_flatButton = false;
    bool m_noDisabledCheckRadioLook = false;
    bool m_noDisabledButtonLook = false;
    Integer m_progressMarginX = 2;
    Integer m_progressMarginY = 2;
    bool m_progressXP = false;
};

}  // namespace gw
