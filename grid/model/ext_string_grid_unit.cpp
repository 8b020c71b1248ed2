// The grid unit's process-wide state: started once before the first grid window, shut down once
// after the last. It keeps the focus frame of an edited cell on its cell while windows move (an
// observer of every sent message), knows whether the date editors can be offered, and holds the
// registered clipboard format and window messages, and registers the grid's classes by name.
#include "grid/foundation/arrow_window.h"
#include "grid/foundation/date_time_pickers.h"
#include "grid/interaction/ext_rich_edit.h"
#include "grid/interaction/filter_drop_lists.h"
#include "grid/interaction/fixed_cell_editors.h"
#include "grid/interaction/grid_button.h"
#include "grid/interaction/grid_check_box.h"
#include "grid/interaction/grid_combo.h"
#include "grid/interaction/grid_date_pickers.h"
#include "grid/interaction/grid_edit_buttons.h"
#include "grid/interaction/grid_spin.h"
#include "grid/interaction/header_drag_button.h"
#include "grid/interaction/markup_control_editors.h"
#include "grid/interaction/search_panel.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "platform/controls/scroll_bar.h"
#include "platform/runtime/class_registry.h"
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

// The classes descriptions and streams may name, in the order they are registered. The drop-down
// editors' classes come with the drop-down editors (dropdown/), which register them.
const TPersistentClassInfo GridClasses[] = {
    ClassInfoOf<TExtStringGrid>(u"TExtStringGrid"),
    ClassInfoOf<TDropList>(u"TDropList"),
    ClassInfoOf<TArrowWindow>(u"TArrowWindow"),
    ClassInfoOf<TGridCombo>(u"TGridCombo"),
    ClassInfoOf<TGridSpin>(u"TGridSpin"),
    ClassInfoOf<TGridTransEdit>(u"TGridTransEdit"),
    ClassInfoOf<TGridTransCombo>(u"TGridTransCombo"),
    ClassInfoOf<TGridCheckBox>(u"TGridCheckBox"),
    ClassInfoOf<TGridEditBtn>(u"TGridEditBtn"),
    ClassInfoOf<TGridDateTimePicker>(u"TGridDateTimePicker"),
    ClassInfoOf<TGridUnitEditBtn>(u"TGridUnitEditBtn"),
    ClassInfoOf<TGridButton>(u"TGridButton"),
    ClassInfoOf<TGridDatePicker>(u"TGridDatePicker"),
    ClassInfoOf<THeaderDragButton>(u"THeaderDragButton"),
    ClassInfoOf<TControlEdit>(u"TControlEdit"),
    ClassInfoOf<TControlCombo>(u"TControlCombo"),
    ClassInfoOf<TScrollBar>(u"TScrollBar"),
    ClassInfoOf<TExtRichEdit>(u"TExtRichEdit"),
    ClassInfoOf<TFooterPanel, TExtStringGrid>(u"TFooterPanel"),
    ClassInfoOf<TSearchPanel>(u"TSearchPanel"),
};

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
    // No OLE here: drag and drop and the clipboard need no start-up on this platform.
    unit.FocusFrameGrid = nullptr;
    if (!unit.WindowMoves.Active()) unit.WindowMoves = TSendMessageObservation(FollowWindowMove);
    // A name another class already holds ends the registration there; the unit starts anyway.
    TryRegisterClasses(GridClasses);
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
    UnRegisterClasses(GridClasses);
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
