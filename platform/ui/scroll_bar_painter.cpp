// The classic scroll bar painter, shared by window scroll bars and the scroll bar controls.
#include "platform/ui/scroll_bar_painter.h"

#include "platform/graphics/frame_controls.h"

namespace gw {

void DrawScrollBar(TCanvas& C, const TRect& R, TScrollBarKind Kind, const TScrollBarLayout& L, bool Enabled,
                   TScrollBarPart Pressed)
{
    bool horz = Kind == sbHorizontal;
    auto span = [&](Integer From, Integer To) {
        return horz ? Rect(R.Left + From, R.Top, R.Left + To, R.Bottom)
                    : Rect(R.Left, R.Top + From, R.Right, R.Top + To);
    };
    C.Brush()->SetStyle(bsSolid);
    C.Brush()->SetColor(clScrollBar);
    C.FillRect(R);
    Cardinal inactive = (!Enabled || !L.CanScroll()) ? DFCS_INACTIVE : 0;
    TRect a1 = span(0, L.TrackStart()), a2 = span(L.TrackEnd(), L.Length);
    Cardinal p1 = Pressed == TScrollBarPart::StartArrow ? DFCS_PUSHED : 0;
    Cardinal p2 = Pressed == TScrollBarPart::EndArrow ? DFCS_PUSHED : 0;
    Cardinal off1 = L.StartArrowOff ? DFCS_INACTIVE : 0, off2 = L.EndArrowOff ? DFCS_INACTIVE : 0;
    DrawFrameControl(C, a1, DFC_SCROLL, (horz ? DFCS_SCROLLLEFT : DFCS_SCROLLUP) | inactive | off1 | p1);
    DrawFrameControl(C, a2, DFC_SCROLL, (horz ? DFCS_SCROLLRIGHT : DFCS_SCROLLDOWN) | inactive | off2 | p2);
    if (!Enabled || L.ThumbLength() == 0) return;
    if (Pressed == TScrollBarPart::StartPage || Pressed == TScrollBarPart::EndPage) {
        TRect page = Pressed == TScrollBarPart::StartPage ? span(L.TrackStart(), L.ThumbStart())
                                                          : span(L.ThumbStart() + L.ThumbLength(), L.TrackEnd());
        C.Brush()->SetColor(clBtnShadow);
        C.FillRect(page);
    }
    TRect thumb = span(L.ThumbStart(), L.ThumbStart() + L.ThumbLength());
    C.Brush()->SetColor(clBtnFace);
    C.FillRect(thumb);
    DrawEdge(C, thumb, EDGE_RAISED, BF_RECT);
}

}  // namespace gw
