// The hint window that draws grid mark-up and the grid's wide-encoded texts: measured and painted
// by the mark-up renderer with the grid's pictures, kept on its monitor, drawn without a border
// and with a drop shadow where the display composites.
#pragma once

#include "platform/ui/hint_window.h"

namespace gw {

class TImageList;
class TPictureContainer;

// The font name wide-encoded hints are drawn in; the cell-hint builder stores the grid's font
// name here before each cell hint.
String& HTMLHintFontName();

// A hint rectangle kept on Monitor: one ending past the right edge moves left to end 2 pixels
// inside it; one ending below the bottom ends 2 pixels above it, as high as the text + 4.
TRect ClampHintRect(TRect R, const TRect& Monitor, Integer TextHeight);

class THTMLHintWindow : public THintWindow {
public:
    explicit THTMLHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}
    String ClassName() const override { return u"THTMLHintWindow"; }

    void ActivateHint(const TRect& Rect, const String& Hint) override;
    // Data: a string grid (as TObject*) lends its image list.
    void ActivateHintData(const TRect& Rect, const String& Hint, void* Data) override;
    TRect CalcHintRect(Integer MaxWidth, const String& Hint, void* Data) override;
    void Dispatch(TMessage& Message) override;

    TImageList* Images() const { return FImages; }
    Integer TextWidth() const { return FTextWidth; }
    Integer TextHeight() const { return FTextHeight; }
    // Paints the window's face on Canvas: fill, frame and text.
    void DrawHint(TCanvas& Canvas);

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;

private:
    // The size Hint takes within MaxWidth; a wide-encoded hint's decoded text goes to FWideCaption.
    TSize Measure(TCanvas& Canvas, const String& Hint, Integer MaxWidth);

    TImageList* FImages = nullptr;
    TPictureContainer* FPictureContainer = nullptr;
    Integer FTextHeight = 0;
    Integer FTextWidth = 0;
    String FWideCaption;
};

}  // namespace gw
