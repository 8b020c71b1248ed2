// TLabel: static text that sizes itself, wraps, aligns, and passes its accelerator to FocusControl.
#pragma once

#include "platform/ui/alignment.h"
#include "platform/ui/win_control.h"

namespace gw {

enum TTextLayout { tlTop, tlCenter, tlBottom };

class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent* AOwner);
    ~TCustomLabel() override;
    String ClassName() const override { return u"TCustomLabel"; }

    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool Value);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool Value);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment Value);
    TTextLayout Layout() const { return m_layout; }
    void SetLayout(TTextLayout Value);
    // A transparent label lets the parent show through; an opaque one fills with Color.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool Value);
    // "&x" underlines x and makes Alt+x focus FocusControl; off, ampersands are shown as typed.
    bool ShowAccelChar() const { return m_showAccelChar; }
    void SetShowAccelChar(bool Value);
    TWinControl* FocusControl() const { return m_focusControl; }
    void SetFocusControl(TWinControl* Value);

    // The rectangle the caption needs with the current font, wrapping and accelerator rules,
    // measured from (0, 0); a wrapped label keeps its width.
    TRect MeasureText() const;
    void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;
    virtual void AdjustBounds();
    // Draws (or with DT_CALCRECT measures) the caption in R.
    void DoDrawText(TCanvas& Canvas, TRect& R, Cardinal Flags) const;
    Cardinal DrawFlags() const;

private:
    void CaptionChanged(TMessage& M);
    void CMDialogChar(TMessage& M);

    bool m_autoSize = true;
    bool m_wordWrap = false;
    TAlignment m_alignment = taLeftJustify;
    TTextLayout m_layout = tlTop;
    bool m_transparent = false;
    bool m_showAccelChar = true;
    bool m_adjusting = false;
    TWinControl* m_focusControl = nullptr;
};

class TLabel : public TCustomLabel {
public:
    explicit TLabel(TComponent* AOwner) : TCustomLabel(AOwner) {}
    String ClassName() const override { return u"TLabel"; }
};

// --- TLinkLabel ----------------------------------------------------------------------------------

enum TSysLinkType { sltURL, sltID };

// One run of a link label's caption: plain text or the text of an <a> anchor.
struct TLinkSegment {
    String Text;
    bool IsLink = false;
    String Link;  // the href, or the id when there is no href
    TSysLinkType LinkType = sltURL;
    friend bool operator==(const TLinkSegment&, const TLinkSegment&) = default;
};

// Splits a caption such as 'See <a href="http://x">the site</a>.' into runs. Only <a> tags
// are mark-up; any other '<' is text. An anchor without its closing tag runs to the end.
std::vector<TLinkSegment> ParseLinkCaption(StringView Caption);

using TSysLinkEvent = std::function<void(TObject* Sender, const String& Link, TSysLinkType LinkType)>;

// Text with clickable anchors. A click reports the link; opening it is the handler's choice
// (through the shell layer, whose allow-list refuses programs and unknown schemes).
class TLinkLabel : public TCustomControl {
public:
    explicit TLinkLabel(TComponent* AOwner);
    String ClassName() const override { return u"TLinkLabel"; }

    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool Value);
    TAlignment Alignment = taLeftJustify;
    const std::vector<TLinkSegment>& Segments() const { return m_segments; }
    // The link runs' rectangles in client coordinates, one per link segment in order.
    std::vector<TRect> LinkRects();
    // The index (among the links) under a client point, -1 when none.
    Integer LinkAt(TPoint P);
    // Raises OnLinkClick for the link with that index (among the links).
    void ClickLink(Integer LinkIndex);

    TSysLinkEvent OnLinkClick;

protected:
    LRESULT DialogCode() const override { return DLGC_WANTCHARS; }
    bool RepaintsOnFocusChange() const override { return true; }
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;

private:
    struct TRun {
        std::size_t Segment;
        TRect Bounds;
    };
    std::vector<TRun> LayoutRuns();
    void AdjustBounds();
    void CMTextChanged(TMessage& M);
    void CMFontChanged(TMessage& M);
    void CMWantSpecialKey(TMessage& M);

    std::vector<TLinkSegment> m_segments;
    bool m_autoSize = true;
    Integer m_focusedLink = 0;
};

}  // namespace gw
