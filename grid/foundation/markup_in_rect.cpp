// Mark-up text in a rectangle: the drop-down controls' one call into the mark-up renderer.
#include "grid/foundation/markup_renderer.h"
#include "grid/foundation/text_placement.h"

namespace gw {

void DrawMarkupTextInRect(TCanvas& Canvas, StringView Text, const TRect& R, TImageList* Images, bool Draw,
                          HWND ThemeWindow, TSize& Size)
{
    Size = MarkupInRectSize(Text, 0, 0);
    if (Text.empty()) return;
    const TMarkupInRectCall call = MarkupInRectCall(R, Draw, ThemeWindow);
    // The renderer draws left to right and classic only, so the theme window and reading order
    // of the call have nothing to steer here.
    const TMarkupDrawResult result = DrawMarkupText({.Canvas = &Canvas,
                                                     .Text = Text,
                                                     .Rect = call.Rect,
                                                     .Images = Images,
                                                     .MouseX = call.MouseX,
                                                     .MouseY = call.MouseY,
                                                     .FocusAnchor = call.FocusAnchor,
                                                     .HoverAnchor = call.HoverAnchor,
                                                     .ShadowOffset = call.ShadowOffset,
                                                     .HitTest = call.HitTest,
                                                     .MeasureOnly = call.MeasureOnly,
                                                     .Printing = call.Printing,
                                                     .Selected = call.Selected,
                                                     .BlinkOn = call.BlinkOn,
                                                     .HoverMode = call.HoverMode,
                                                     .WordWrap = call.WordWrap,
                                                     .MouseDown = call.MouseDown,
                                                     .PrintScale = call.PrintScale,
                                                     .AnchorColor = call.AnchorColor,
                                                     .HoverColor = call.HoverColor,
                                                     .HoverFontColor = call.HoverFontColor,
                                                     .ShadowColor = call.ShadowColor,
                                                     .BiDiMode = call.BiDiMode});
    Size = MarkupInRectSize(Text, result.UsedWidth, result.UsedHeight);
}

}  // namespace gw
