// The string grid's metro scroll bars: two thin owner-drawn controls over its right and bottom
// edges in place of the window's own bars.
#include "grid/interaction/scroll_control.h"
#include "grid/model/ext_string_grid.h"

namespace gw {

namespace {

// The metro bars are this thick.
constexpr Integer MetroBarThickness = 6;

TScrollControl* MakeMetroBar(TExtStringGrid* Grid, TScrollDirection Direction)
{
    auto* bar = new TScrollControl(Grid);
    bar->SetDirection(Direction);
    bar->SetParent(Grid);
    if (Direction == sdVertical) {
        bar->SetWidth(MetroBarThickness);
        bar->SetAlign(alRight);
    } else {
        bar->SetHeight(MetroBarThickness);
        bar->SetAlign(alBottom);
    }
    bar->DoubleBuffered = true;
    bar->SetVisible(true);
    return bar;
}

}  // namespace

void TExtStringGrid::CreateScrollControls()
{
    if (!FVertMetroScroll) FVertMetroScroll = MakeMetroBar(this, sdVertical);
    if (!FHorzMetroScroll) FHorzMetroScroll = MakeMetroBar(this, sdHorizontal);
}

void TExtStringGrid::FreeScrollControls()
{
    delete FVertMetroScroll;
    delete FHorzMetroScroll;
    FVertMetroScroll = nullptr;
    FHorzMetroScroll = nullptr;
}

}  // namespace gw
