// The focus frame: its option, its window and the geometry and image of the frame.
#include "grid/foundation/focus_window.h"

#include "grid/foundation/layered_window.h"

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

void TGridFocusWindow::ShowAround(const TRect& ScreenCell)
{
    SetVisible(false);
    const TRect bounds = FocusFrameBounds(ScreenCell);
    SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    TGridAlphaMask mask;
    CreateFocusFrameMask(mask, bounds.Width(), bounds.Height());
    ApplyAlphaMaskToWindow(Handle(), mask);
    const TRegion frame = FocusFrameRegion(ScreenCell);
    SetWindowRgn(Handle(), &frame, true);
    SetVisible(true);
}

void TGridFocusWindow::MoveAround(const TRect& ScreenCell)
{
    if (!Visible()) return;
    const TRect bounds = FocusFrameBounds(ScreenCell);
    if (bounds.Width() != Width() || bounds.Height() != Height()) {
        ShowAround(ScreenCell);
        return;
    }
    SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
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

namespace gw {

bool ApplyAlphaMaskToWindow(HWND Wnd, TGridAlphaMask& Mask)
{
    if (Mask.Height() == 0) return false;
    SetWindowExStyle(Wnd, GetWindowExStyle(Wnd) | WS_EX_LAYERED);
    const TRect at = GetWindowRect(Wnd);
    const TPoint dest = at.TopLeft(), origin{0, 0};
    const TSize size{Mask.Width(), Mask.Height()};
    TBlendFunction blend;
    blend.BlendOp = AC_SRC_OVER;
    blend.BlendFlags = 0;
    blend.SourceConstantAlpha = Mask.Opacity;
    blend.AlphaFormat = AC_SRC_ALPHA;
    return UpdateLayeredWindowIfPresent(Wnd, nullptr, &dest, &size, Mask.Canvas(), &origin, 0, &blend, ULW_ALPHA);
}

}  // namespace gw
