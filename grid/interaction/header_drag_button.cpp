// The header drag button: its window and its painting.
#include "grid/interaction/header_drag_button.h"

#include "grid/foundation/markup_renderer.h"
#include "grid/model/ext_string_grid.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/image_list.h"
#include "platform/ui/window_system.h"

namespace gw {

THeaderDragButton::THeaderDragButton(TComponent* AOwner) : TCustomControl(AOwner) {}

void THeaderDragButton::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP | WS_BORDER;
    Params.ClassStyle |= CS_SAVEBITS;
    SetColor(clBtnFace);
}

void THeaderDragButton::DrawButton(TCanvas& Canvas) const
{
    const TRect client = ClientRect();
    if (Grid) Grid->PaintCellExt(Canvas, 0, 0, client, 0);
    Canvas.Brush()->SetStyle(bsClear);
    const String caption = Caption();
    if (caption.find(u"</") == String::npos) {
        TRect r = client;
        Canvas.DrawText(caption, r, DT_END_ELLIPSIS | DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        return;
    }
    TMarkupDrawArgs a;
    a.Canvas = &Canvas;
    a.Text = caption;
    a.Rect = client;
    a.Images = Grid ? Grid->GridImages : nullptr;
    a.ShadowColor = TColor(0x808080);
    a.AnchorColor = TColor(0xFF0000);
    a.PrintScale = 1.0;
    DrawMarkupText(a);
}

void THeaderDragButton::Paint() { DrawButton(*Canvas()); }

}  // namespace gw
