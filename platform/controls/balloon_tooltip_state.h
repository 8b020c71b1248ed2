// What a tooltip window keeps (its tools, delays and what it shows), shared by its window
// procedure (balloon_tooltip.cpp) and its TTM_* requests (balloon_tooltip_messages.cpp).
#pragma once

#include "platform/controls/balloon_tooltip.h"

#include <memory>
#include <vector>

namespace gw::detail {

constexpr uintptr_t InitialTimer = 1;
constexpr uintptr_t AutoPopTimer = 2;

struct TTool {
    TToolInfo Info;
    String Text;
    bool Callback = false;  // the text is asked from the tool's window when the tip shows
};

// A window whose mouse messages the tooltip watches (TTF_SUBCLASS).
struct THook {
    HWND Wnd = 0;
    TWndProc Previous;
    std::shared_ptr<bool> Alive;
};

struct TToolTip {
    HWND Self = 0;
    TToolTipInfo State;
    std::vector<TTool> Tools;
    std::vector<THook> Hooks;
    Integer Current = -1;  // the tool under the mouse
    TPoint Cursor;  // screen
    Integer TrackTool = -1;  // tracking mode
    bool Waiting = false;  // the initial (or reshow) delay runs
};

// Hides the tip (TTN_POP to its tool) and stops its timers.
void HideTip(TToolTip& T);
// Shows the tip of a tool at a screen point (TTN_SHOW), unless its text is empty.
void ShowTip(TToolTip& T, Integer ToolIndex, TPoint At);
// A mouse message over one of the tools' windows, at a screen point: starts, moves or ends the
// wait for a tip.
void RelayMouse(TToolTip& T, UINT Msg, TPoint Screen);
// Watches the mouse messages of a tool's window.
void Subclass(const std::shared_ptr<TToolTip>& T, HWND Wnd);

// The TTM_* requests; false for any other message.
bool ToolTipRequest(const std::shared_ptr<TToolTip>& T, TMessage& M);

}  // namespace gw::detail
