// The column and row drop arrows: their outlines, window style and painting.
#include "grid/foundation/arrow_window.h"

#include "platform/graphics/canvas.h"

namespace gw {

namespace {

std::array<TPoint, 7> OutlineOf(TArrowDirection Direction)
{
    switch (Direction) {
    case arrUp: return {{{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}}};
    case arrDown: return {{{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}}};
    case arrLeft: return {{{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}}};
    case arrRight: break;
    }
    return {{{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}}};
}

}  // namespace

TArrowWindow::TArrowWindow(TWinControl* AOwner, TArrowDirection ADirection)
    : TPanel(AOwner), m_dir(ADirection), m_arrow(OutlineOf(ADirection))
{
    SetVisible(false);
    SetColor(clLime);
    SetParent(AOwner);
}

TRegion TArrowWindow::ArrowRegion() const { return TRegion::FromPolygon(m_arrow, WINDING); }

void TArrowWindow::CreateParams(TCreateParams& Params)
{
    TPanel::CreateParams(Params);
    Params.Style = WS_POPUP;
}

void TArrowWindow::CreateWnd()
{
    TPanel::CreateWnd();
    const TRegion shape = ArrowRegion();
    SetWindowRgn(Handle(), &shape, true);
}

void TArrowWindow::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush()->SetColor(Color());
    c.Pen()->SetColor(Color());
    c.FillRect(ClientRect());
}

}  // namespace gw
