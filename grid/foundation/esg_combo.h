// TEsgCustomCombo and TEsgComboBox: the grid library's drop-down combo box, painting its own frame
// and button (flat, custom colours, focus border) and keeping a caption label beside itself.
// The grid's combo in-place editor and the combos of cell mark-up derive from TEsgComboBox.
#pragma once

#include "grid/foundation/control_label.h"
#include "platform/controls/combo_box.h"

#include <array>

namespace gw {

// The frame the combo box and the date-time pickers draw around themselves, in this order: a
// disabled themed control's frame, BorderColor, FocusBorderColor while focused, else the flat
// frame (sunken while hot) with the optional flat line along the bottom.
struct TEsgFrame {
    bool Enabled = true;
    bool ThemedDisabled = false;  // disabled, visual styles possible and DisabledBorder off
    bool Focused = false;
    bool Hot = false;
    TColor BorderColor = clNone;
    TColor FocusBorderColor = clNone;
    TColor ParentColor = clBtnFace;
    TColor Color = clWindow;
    TColor FlatLineColor = clNone;
    Integer ButtonWidth = 0;
};
void PaintEsgFrame(TCanvas& Canvas, TRect R, const TEsgFrame& Frame);

// The drop-down button in its own colours: Face filled over R, a line at its left edge in Border
// and a filled arrow in Arrow with its corners at Corners (relative to R's top-left).
void PaintColouredDropButton(TCanvas& Canvas, const TRect& R, TColor Face, TColor Border, TColor Arrow,
                             const std::array<TPoint, 3>& Corners);

// Differences from the platform's combo box it builds on: the frame is painted with the client
// area (the platform's windows have no frame outside it), and the places the design gives in
// client coordinates lie 2 pixels in, inside the combo's sunken edge.
class TEsgCustomCombo : public TCustomComboBox {
public:
    explicit TEsgCustomCombo(TComponent* AOwner);
    ~TEsgCustomCombo() override;
    String ClassName() const override { return u"TEsgCustomCombo"; }

    void Dispatch(TMessage& Message) override;
    void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
    void SetEnabled(bool Value) override;

    // Selects the first item equal to AString; nothing when there is none.
    void SelectItem(const String& AString);
    // Notes the current colour as the one the control returns to when the focus leaves.
    void Init();

    // 14 to 32 pixels; other values are ignored.
    Integer ButtonWidth() const { return m_buttonWidth; }
    void SetButtonWidth(Integer Value);
    bool Flat() const { return m_flat; }
    void SetFlat(bool Value);
    bool Etched() const { return m_etched; }
    void SetEtched(bool Value);
    Integer DropWidth() const { return m_dropWidth; }
    void SetDropWidth(Integer Value);
    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor Value);
    TColor FlatLineColor() const { return m_flatLineColor; }
    void SetFlatLineColor(TColor Value);
    bool FlatParentColor() const { return m_flatParentColor; }
    void SetFlatParentColor(bool Value);

    // The label: made on the first caption.
    TLabel* ComboLabel() const { return m_label.Label(); }
    String LabelCaption() const { return m_label.Caption(); }
    void SetLabelCaption(const String& Value);
    TLabelPosition LabelPosition() const { return m_label.Position; }
    void SetLabelPosition(TLabelPosition Value);
    Integer LabelMargin() const { return m_label.Margin; }
    void SetLabelMargin(Integer Value);
    bool LabelTransparent() const { return m_label.Transparent; }
    void SetLabelTransparent(bool Value);
    bool LabelAlwaysEnabled() const { return m_label.AlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool Value);
    TFont* LabelFont() const { return m_label.Font(); }
    // Copied only while ParentFont is off.
    void SetLabelFont(TFont* Value);

    bool AutoFocus = false;
    bool FocusBorder = false;
    bool DisabledBorder = true;
    bool FocusLabel = false;
    TColor FocusColor = clNone;
    TColor FocusBorderColor = clNone;
    // Set by the owner: it draws with visual styles; the platform draws combo boxes itself.
    bool IsWinXP = false;
    bool IsVista = false;
    TColor ButtonColor = clNone;
    TColor ButtonColorHot = clNone;
    TColor ButtonColorDown = clNone;
    TColor ButtonBorderColor = clNone;
    TColor ButtonTextColor = clNone;
    TColor ButtonTextColorHot = clNone;
    TColor ButtonTextColorDown = clNone;
    TNotifyEvent OnDropUp;

    bool MouseInControl() const { return m_mouseInControl; }
    bool ButtonHover() const { return m_buttonHover; }
    // The drop-down button's rectangle, and the frame's, in window coordinates.
    TRect DropButtonRect() const;

protected:
    void Loaded() override;
    void PaintWindow(TCanvas& Canvas) override;
    void DropDown() override;
    void CloseUp() override;

private:
    bool Designing() const { return (ComponentState() & csDesigning) != 0; }
    bool Loading() const { return (ComponentState() & csLoading) != 0; }
    bool CustomPainted() const;
    bool IsActiveControl() const;
    // The flat frame shows sunken: the mouse is over the control or it is the active control.
    bool Hot() const;
    void PlaceLabel();
    void InvalidateButton();
    void PaintButton(TCanvas& Canvas);
    void PaintFrame(TCanvas& Canvas);
    void PaintButtonSurround(TCanvas& Canvas);
    void FocusEnter();
    void FocusExit();
    void MouseEnter();
    void MouseLeave();
    void TrackButtonHover(Integer X);
    void EnabledChanged();
    void LabelFontChanged();
    // A colour set while loading is the one Loaded settles on.
    void ColorChanged();
    void WMSetFocus(TMessage& Message);
    void WMKillFocus(TMessage& Message);
    void CMVisibleChanged(TMessage& Message);
    void CMFontChanged(TMessage& Message);
    // Not CMParentFontChanged: that is TControl's virtual handler, which the inherited table calls.
    void ParentFontChanged(TMessage& Message);

    bool m_flat = false;
    bool m_etched = false;
    TColor m_oldColor = clWindow;
    TColor m_loadedColor = clWindow;
    bool m_oldParentColor = false;
    Integer m_buttonWidth;
    bool m_mouseInControl = false;
    Integer m_dropWidth = 0;
    bool m_isThemed;
    bool m_buttonHover = false;
    TControlLabel m_label;
    TColor m_flatLineColor = clNone;
    bool m_flatParentColor = true;
    TColor m_borderColor = clNone;
    TColor m_normalColor = clWindow;
    bool m_hasFocus = false;
};

class TEsgComboBox : public TEsgCustomCombo {
public:
    explicit TEsgComboBox(TComponent* AOwner) : TEsgCustomCombo(AOwner) {}
    String ClassName() const override { return u"TEsgComboBox"; }
};

}  // namespace gw
