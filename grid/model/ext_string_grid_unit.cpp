// The grid unit's process-wide state: started once before the first grid window, shut down once
// after the last. It keeps the focus frame of an edited cell on its cell while windows move (an
// observer of every sent message), knows whether the date editors can be offered, and holds the
// registered clipboard format and window messages.
#include "grid/foundation/date_time_pickers.h"
#include "grid/model/ext_string_grid.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/window_system.h"

namespace gw {

namespace {

// Version 4.69 of the common controls, major above and minor below: the date editors need more.
constexpr Integer LastComCtlWithoutDateEditors = 0x00040045;

struct TGridUnit {
    Integer StartCount = 0;
    TSendMessageObservation WindowMoves;
    TExtStringGrid* FocusFrameGrid = nullptr;
    bool DateEditors = false;
    UINT CellClipboardFormat = 0;
    UINT EditDoneMessage = 0;
};

TGridUnit& Unit()
{
    static TGridUnit unit;
    return unit;
}

void FollowWindowMove(HWND /*Wnd*/, UINT Msg, WPARAM /*WParam*/, LPARAM /*LParam*/)
{
    if (Msg != WM_WINDOWPOSCHANGING && Msg != WM_WINDOWPOSCHANGED) return;
    if (TExtStringGrid* grid = Unit().FocusFrameGrid) grid->MoveFocusWindow();
}

}  // namespace

void TExtStringGrid::StartUp()
{
    TGridUnit& unit = Unit();
    if (unit.StartCount++ > 0) return;
    // No OLE here: drag and drop and the clipboard need no start-up on this platform, and a
    // class is created by its own constructor, not looked up by name.
    unit.FocusFrameGrid = nullptr;
    if (!unit.WindowMoves.Active()) unit.WindowMoves = TSendMessageObservation(FollowWindowMove);
    unit.DateEditors = SupportsDateEditors(ReadFileVersion(u"comctl32.dll"));
    unit.CellClipboardFormat = RegisterClipboardFormat(u"TExtStringGrid Cells");
    unit.EditDoneMessage = RegisterWindowMessage(u"GridEditDone");
    DTPShiftFocusMessage();  // the date picker's own message, registered in the unit's order
}

void TExtStringGrid::ShutDown()
{
    TGridUnit& unit = Unit();
    if (unit.StartCount == 0) return;
    unit.StartCount = 0;
    unit.WindowMoves.Reset();
    unit.FocusFrameGrid = nullptr;
}

bool TExtStringGrid::SupportsDateEditors(Integer ComCtlVersion) { return ComCtlVersion > LastComCtlWithoutDateEditors; }

bool TExtStringGrid::DateEditorsAvailable() { return Unit().DateEditors; }
UINT TExtStringGrid::CellClipboardFormat() { return Unit().CellClipboardFormat; }
UINT TExtStringGrid::EditDoneMessage() { return Unit().EditDoneMessage; }
TExtStringGrid* TExtStringGrid::FocusFrameGrid() { return Unit().FocusFrameGrid; }
void TExtStringGrid::SetFocusFrameGrid(TExtStringGrid* Grid) { Unit().FocusFrameGrid = Grid; }

void TExtStringGrid::ForgetFocusFrame()
{
    // A grid going away must not stay the one whose frame follows window moves.
    if (Unit().FocusFrameGrid == this) Unit().FocusFrameGrid = nullptr;
}

}  // namespace gw
