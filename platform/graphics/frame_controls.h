// The classic look: 3D edges and the frame controls (buttons, check boxes, radio buttons,
// scroll arrows) drawn in the desktop's system colours. There are no visual styles.
#pragma once

#include "platform/graphics/canvas.h"

namespace gw {

// DrawEdge edges.
constexpr Cardinal BDR_RAISEDOUTER = 0x1;
constexpr Cardinal BDR_SUNKENOUTER = 0x2;
constexpr Cardinal BDR_RAISEDINNER = 0x4;
constexpr Cardinal BDR_SUNKENINNER = 0x8;
constexpr Cardinal BDR_OUTER = 0x3;
constexpr Cardinal BDR_INNER = 0xC;
constexpr Cardinal EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr Cardinal EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr Cardinal EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr Cardinal EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

// DrawEdge flags.
constexpr Cardinal BF_LEFT = 0x1;
constexpr Cardinal BF_TOP = 0x2;
constexpr Cardinal BF_RIGHT = 0x4;
constexpr Cardinal BF_BOTTOM = 0x8;
constexpr Cardinal BF_TOPLEFT = BF_TOP | BF_LEFT;
constexpr Cardinal BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
constexpr Cardinal BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr Cardinal BF_MIDDLE = 0x800;
constexpr Cardinal BF_SOFT = 0x1000;
constexpr Cardinal BF_ADJUST = 0x2000;
constexpr Cardinal BF_FLAT = 0x4000;
constexpr Cardinal BF_MONO = 0x8000;

// Frame control types.
constexpr Cardinal DFC_CAPTION = 1;
constexpr Cardinal DFC_MENU = 2;
constexpr Cardinal DFC_SCROLL = 3;
constexpr Cardinal DFC_BUTTON = 4;

// Parts (DFC_BUTTON).
constexpr Cardinal DFCS_BUTTONCHECK = 0x0;
constexpr Cardinal DFCS_BUTTONRADIO = 0x4;
constexpr Cardinal DFCS_BUTTON3STATE = 0x8;
constexpr Cardinal DFCS_BUTTONPUSH = 0x10;
// Parts (DFC_SCROLL).
constexpr Cardinal DFCS_SCROLLUP = 0x0;
constexpr Cardinal DFCS_SCROLLDOWN = 0x1;
constexpr Cardinal DFCS_SCROLLLEFT = 0x2;
constexpr Cardinal DFCS_SCROLLRIGHT = 0x3;
constexpr Cardinal DFCS_SCROLLCOMBOBOX = 0x5;
// States.
constexpr Cardinal DFCS_INACTIVE = 0x100;
constexpr Cardinal DFCS_PUSHED = 0x200;
constexpr Cardinal DFCS_CHECKED = 0x400;
constexpr Cardinal DFCS_TRANSPARENT = 0x800;
constexpr Cardinal DFCS_HOT = 0x1000;
constexpr Cardinal DFCS_ADJUSTRECT = 0x2000;
constexpr Cardinal DFCS_FLAT = 0x4000;
constexpr Cardinal DFCS_MONO = 0x8000;

// Draws the chosen edges of R: the top and left lines first, then the bottom and right ones
// over the corners. With BF_ADJUST, R shrinks by the edges drawn. Returns true.
bool DrawEdge(TCanvas& Canvas, TRect& R, Cardinal Edge, Cardinal Flags);

// Draws a frame control into R; false for an unknown type. With DFCS_ADJUSTRECT a push
// button's R shrinks to its face.
bool DrawFrameControl(TCanvas& Canvas, TRect& R, Cardinal Type, Cardinal State);

// Visual-style queries: the display has none, so every caller takes its classic path.
inline bool IsThemeActive() { return false; }
inline bool IsAppThemed() { return false; }
inline bool ThemeServicesEnabled() { return false; }

}  // namespace gw
