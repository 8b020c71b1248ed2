// The balloon an edit box shows on request (EM_SHOWBALLOONTIP): a balloon tooltip pointing at
// the edit, gone with EM_HIDEBALLOONTIP, a key or the focus leaving.
#pragma once

#include "platform/controls/edit_messages.h"
#include "platform/graphics/geometry.h"
#include "platform/ui/window_system.h"

namespace gw {

class TEditEngine;

// Owns the balloon's tooltip window while it shows; the host (an edit, or a combo box whose edit
// part has no window of its own) forwards the requests and says where the stem points.
class TEditBalloon {
public:
    TEditBalloon() = default;
    TEditBalloon(const TEditBalloon&) = delete;
    TEditBalloon& operator=(const TEditBalloon&) = delete;
    ~TEditBalloon() { Hide(); }

    // Shows Tip with its stem at a client point of Host, replacing a balloon that shows; false
    // (and nothing shown) without a tip, a text or a host window.
    bool Show(HWND Host, const TEditBalloonTip* Tip, TPoint Stem);
    // True: the request always succeeds, a balloon showing or not.
    bool Hide();
    bool Visible() const;
    // The tooltip window while a balloon shows (0 otherwise).
    HWND Window() const { return m_tip; }

private:
    HWND m_tip = 0;
};

// Where an edit's balloon points: at the caret's place along the bottom of a single-line edit;
// below the caret's line in a multi-line one, kept inside the client area.
TPoint CaretBalloonStem(const TEditEngine& Engine, TSize Client);

}  // namespace gw
