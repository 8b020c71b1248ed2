// The mark-up hint window: measuring, placing on the monitor and painting.
#include "grid/interaction/html_hint_window.h"

#include "grid/foundation/csv_utils.h"
#include "grid/foundation/markup_renderer.h"
#include "grid/model/ext_string_grid.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/image_list.h"
#include "platform/ui/application.h"
#include "platform/ui/window_system.h"

namespace gw {

namespace {

// A hint is laid out in this width at most; the window is this much wider than its text
// (wide-encoded, mark-up) and 4 pixels higher.
constexpr Integer HintLayoutWidth = 1008;
constexpr Integer WideExtraWidth = 8;
constexpr Integer MarkupExtraWidth = 16;
constexpr Integer ExtraHeight = 4;
constexpr Integer EdgeGap = 2;
constexpr Integer TextInset = 4;
constexpr TColor ShadowColour = TColor(0x808080);
constexpr TColor LinkColour = TColor(0xFF0000);
constexpr TColor FrameLight = TColor(0xFF000016);
constexpr TColor FrameDark = TColor(0xFF000015);

bool IsWide(const String& Hint) { return ClassifyCellText(Hint, true) == ctkWideEncoded; }

TMarkupDrawArgs MarkupArgs(TCanvas& Canvas, const String& Text, TRect R, TImageList* Images,
                           TPictureContainer* Pictures)
{
    TMarkupDrawArgs a;
    a.Canvas = &Canvas;
    a.Text = Text;
    a.Rect = R;
    a.Images = Images;
    a.PictureContainer = Pictures;
    a.ShadowColor = ShadowColour;
    a.AnchorColor = LinkColour;
    a.HoverAnchor = -1;
    return a;
}

}  // namespace

String& HTMLHintFontName()
{
    static String name;
    return name;
}

TRect ClampHintRect(TRect R, const TRect& Monitor, Integer TextHeight)
{
    if (R.Right > Monitor.Right) {
        const Integer w = R.Width();
        R.Left = Monitor.Right - w - EdgeGap;
        R.Right = R.Left + w;
    }
    if (R.Bottom > Monitor.Bottom) {
        R.Bottom = Monitor.Bottom - EdgeGap;
        R.Top = R.Bottom - TextHeight - ExtraHeight;
    }
    return R;
}

void THTMLHintWindow::CreateParams(TCreateParams& Params)
{
    THintWindow::CreateParams(Params);
    Params.Style &= ~Cardinal(WS_BORDER);
    // Asked for always: it shows where the display composites.
    Params.ClassStyle |= CS_DROPSHADOW;
}

void THTMLHintWindow::Dispatch(TMessage& Message)
{
    THintWindow::Dispatch(Message);
    if (Message.Msg == CM_TEXTCHANGED) Invalidate();
}

TSize THTMLHintWindow::Measure(TCanvas& Canvas, const String& Hint, Integer MaxWidth)
{
    if (IsWide(Hint)) {
        FWideCaption = DecodeWideCellText(Hint);
        Canvas.Font()->SetName(HTMLHintFontName());
        TRect r{0, 0, MaxWidth, 0};
        Canvas.DrawText(FWideCaption, r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        return {r.Right, r.Height()};
    }
    TMarkupDrawArgs a = MarkupArgs(Canvas, Hint, Rect(0, 0, MaxWidth, 0), FImages, FPictureContainer);
    a.MeasureOnly = true;
    const TMarkupDrawResult m = DrawMarkupText(a);
    return {m.UsedWidth, m.UsedHeight};
}

TRect THTMLHintWindow::CalcHintRect(Integer MaxWidth, const String& Hint, void* /*Data*/)
{
    const TSize s = Measure(*Canvas(), Hint, MaxWidth);
    return Rect(0, 0, s.cx, s.cy);
}

void THTMLHintWindow::ActivateHintData(const TRect& Rect, const String& Hint, void* Data)
{
    if (auto* grid = dynamic_cast<TExtStringGrid*>(static_cast<TObject*>(Data))) {
        FImages = grid->GridImages;
        FPictureContainer = grid->PictureContainer();
    }
    THintWindow::ActivateHintData(Rect, Hint, Data);
}

void THTMLHintWindow::ActivateHint(const TRect& Rect, const String& Hint)
{
    SetCaption(Hint);
    const TSize s = Measure(*Canvas(), Hint, HintLayoutWidth);
    const Integer extra = IsWide(Hint) ? WideExtraWidth : MarkupExtraWidth;
    FTextWidth = s.cx;
    FTextHeight = s.cy;
    const TRect r{Rect.Left, Rect.Top, Rect.Left + s.cx + extra, Rect.Top + s.cy + ExtraHeight};
    THintWindow::ActivateHint(ClampHintRect(r, Screen->Monitors(0).BoundsRect, FTextHeight), Hint);
}

void THTMLHintWindow::DrawHint(TCanvas& Canvas)
{
    const TRect c = ClientRect();
    Canvas.Brush()->SetColor(Color());
    Canvas.FillRect(c);
    Canvas.Pen()->SetColor(FrameLight);
    Canvas.MoveTo(c.Left, c.Bottom - 2);
    Canvas.LineTo(c.Left, c.Top);
    Canvas.LineTo(c.Right - 1, c.Top);
    Canvas.Pen()->SetColor(FrameDark);
    Canvas.MoveTo(c.Left, c.Bottom - 1);
    Canvas.LineTo(c.Right - 1, c.Bottom - 1);
    Canvas.LineTo(c.Right - 1, c.Top - 1);
    TRect text{c.Left + TextInset, c.Top + (c.Height() - FTextHeight) / 2, c.Right - TextInset, 0};
    text.Bottom = text.Top + FTextHeight + 8;
    Canvas.Brush()->SetStyle(bsClear);
    if (IsWide(Caption())) {
        Canvas.Font()->SetName(HTMLHintFontName());
        Canvas.DrawText(FWideCaption, text, DT_SINGLELINE | DT_NOPREFIX);
        return;
    }
    DrawMarkupText(MarkupArgs(Canvas, Caption(), text, FImages, FPictureContainer));
}

void THTMLHintWindow::Paint() { DrawHint(*Canvas()); }

}  // namespace gw
