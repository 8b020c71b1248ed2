// The drawings of the grid's progress cells: a bar with its value as text, a pie, a range
// indicator and the styled bar with level colours.
#pragma once

#include "platform/graphics/canvas.h"

namespace gw {

// Draws a horizontal bar in R less the margins: the completed part in CompleteColor, the rest
// in UncompleteColor, the text centred over both in the matching text colours. The text is
// Format applied to Value (as an integer when Format holds "d" or "u") and the percentage
// (Value - Min) * 100 / (Max - Min); without Format, the rounded value with "%" and the
// percentage the value itself. The bar holds the percentage to 0..100, the text keeps the value.
// With BorderColor a frame one pixel outside, then one in the brush colour on entry further out.
void DrawCellProgressBar(TCanvas& Canvas, const TRect& R, TColor CompleteColor, TColor CompleteTextColor,
                         TColor UncompleteColor, TColor UncompleteTextColor, double Value, Integer HorizontalMargin,
                         Integer VerticalMargin, Integer Min, Integer Max, StringView Format, TColor BorderColor,
                         bool Printing);

// A circle in R with the sector from 12 o'clock clockwise to Percent (held to 0..100) filled
// in Color.
void DrawCellProgressPie(TCanvas& Canvas, const TRect& R, TColor Color, Integer Percent, bool Printing);

// A bar from the middle of R (less 2 pixels each side) to the right for a positive Value, to
// the left for a negative one, half the width at +/-Range. With ShowValue the value is written
// in the middle, over a transparent background.
void DrawRangeIndicator(TCanvas& Canvas, const TRect& R, Integer Value, Integer Range, bool ShowValue,
                        TColor NegativeColor, TColor PositiveColor);

// How DrawXPProgressBar looks (the grid's progress appearance, filled in by the cell painter).
struct TProgressLook {
    TColor Level0Color = TColor(0x00FF00);
    TColor Level0ColorTo = TColor(0xE1FFE1);
    TColor Level1Color = TColor(0x00FFFF);
    TColor Level1ColorTo = TColor(0xCAFFFF);
    TColor Level2Color = TColor(0x53A9FF);
    TColor Level2ColorTo = TColor(0xA8D3FF);
    TColor Level3Color = TColor(0x0000FF);
    TColor Level3ColorTo = TColor(0xCACAFF);
    Integer Level1Perc = 70;
    Integer Level2Perc = 90;
    TColor BorderColor = clBlack;
    bool ShowBorder = false;
    bool Stacked = false;
    bool ShowPercentage = true;
    // Name, size and style of the text; the canvas font when nullptr.
    const TFont* Font = nullptr;
    TColor CompleteFontColor = TColor(0xFF0000);
    bool CompletionSmooth = true;
    bool ShowGradient = true;
    Integer Steps = 11;
    TColor UnCompleteColor = clWhite;
    bool Vertical = false;
};

// The styled bar of Percent: stacked level pieces, one smooth piece or blocks, then the
// percentage as text. Percent is held to 0..100 for the bar, which stays inside R; the text
// shows it as given.
void DrawXPProgressBar(TCanvas& Canvas, const TRect& R, Integer Percent, const TProgressLook& Look);

}  // namespace gw
