// The focus frame: its option, its window and the geometry and image of the frame.
#include "grid/foundation/focus_window.h"

namespace gw {

void TFocusHelper::Assign(TPersistent* Source)
{
    if (auto* from = dynamic_cast<TFocusHelper*>(Source)) Enabled = from->Enabled;
}

TGridFocusWindow::TGridFocusWindow(TComponent* AOwner) : TCustomControl(AOwner)
{
    // Hidden until the grid shows it around a cell, as its window is created.
    SetVisible(false);
    SetBounds(0, 0, 0, 0);
    SetColor(clRed);
}

void TGridFocusWindow::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP | WS_DISABLED;
    Params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
}

TRect FocusFrameBounds(const TRect& CellRect)
{
    return Bounds(CellRect.Left - FocusFrameMargin, CellRect.Top - FocusFrameMargin,
                  CellRect.Width() + 2 * FocusFrameMargin + 1, CellRect.Height() + 2 * FocusFrameMargin + 1);
}

TRegion FocusFrameRegion(const TRect& CellRect)
{
    const TRect window = FocusFrameBounds(CellRect);
    TRegion frame;
    frame.Combine(TRegion(Rect(0, 0, window.Width(), window.Height())),
                  TRegion(Bounds(FocusFrameMargin, FocusFrameMargin, CellRect.Width(), CellRect.Height())), RGN_DIFF);
    return frame;
}

void CreateFocusFrameMask(TGridAlphaMask& Mask, Integer Width, Integer Height)
{
    TBitmap grey;
    CreateRoundRectMask(grey, Width, Height, FocusFramePenWidth, FocusFrameRounding, FocusFrameBlurRadius);
    TBitmap colour(Width, Height, pf24bit);
    colour.Canvas()->Brush()->SetColor(FocusFrameColor);
    colour.Canvas()->FillRect(Rect(0, 0, Width, Height));
    Mask.MergeMask(grey, colour, 0xFFFF);
    Mask.Opacity = FocusFrameOpacity;
}

}  // namespace gw
