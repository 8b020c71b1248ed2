// The caption label a combo box or a date-time picker creates beside itself: its positions, its
// settings and where it goes.
#pragma once

#include "platform/controls/label.h"

#include <memory>

namespace gw {

// Where the label sits beside its control (the last value is spelled so by design).
enum TLabelPosition {
    lpLeftTop,
    lpLeftCenter,
    lpLeftBottom,
    lpTopLeft,
    lpBottomLeft,
    lpLeftTopLeft,
    lpLeftCenterLeft,
    lpLeftBottomLeft,
    lpTopCenter,
    lpBottomCenter,
    lpRightTop,
    lpRightCenter,
    lpRighBottom
};

// The top-left corner of a label of size Label whose caption is CaptionWidth pixels wide, beside
// a control with bounds Control, Margin pixels away; halves are rounded toward zero.
TPoint LabelPlacement(TLabelPosition Position, const TRect& Control, TSize Label, Integer CaptionWidth, Integer Margin);

// The label and its settings, kept by the control it belongs to. The label is made on the first
// caption; it is owned by the control (freed with it) and lives on the control's parent.
class TControlLabel {
public:
    explicit TControlLabel(TWinControl& Control);
    ~TControlLabel();
    TControlLabel(const TControlLabel&) = delete;
    TControlLabel& operator=(const TControlLabel&) = delete;

    TLabel* Label() const { return m_label; }
    // Empty while there is no label.
    String Caption() const;
    // Makes the label on first use (font LabelFont, the control's ParentFont), then places it.
    void SetCaption(const String& Value);
    TFont* Font() const { return m_font.get(); }

    TLabelPosition Position = lpLeftTop;
    Integer Margin = 4;
    bool Transparent = false;
    bool AlwaysEnabled = false;

    // Puts the label at its position for a caption CaptionWidth pixels wide (the two controls
    // measure it their own way) and makes it as visible as the control.
    void Place(Integer CaptionWidth);
    // The caption's width as the platform's text drawing measures it, prefix characters hidden,
    // in a 1000 x 255 rectangle.
    Integer DrawnCaptionWidth() const;
    // The caption's width as the label's font writes it on one line.
    Integer CaptionTextWidth() const;
    // The label takes Enabled unless it is always enabled.
    void FollowEnabled(bool Enabled);
    void SetBold(bool Bold);
    // Forgets the label (it is being freed by its owner).
    void Detach() { m_label = nullptr; }

private:
    TWinControl& m_control;
    TLabel* m_label = nullptr;
    std::unique_ptr<TFont> m_font;
};

}  // namespace gw
