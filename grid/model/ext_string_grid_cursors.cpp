// TExtStringGrid: the pointer's shape over the grid - the header selection modes' and the cell
// selector's own cursors, else the base grid's and the application's cell cursor, and the split
// cursors over the fixed cells' sizing edges.
#include "grid/model/ext_string_grid.h"
#include "platform/runtime/convert.h"
#include "platform/ui/application.h"
#include "platform/ui/backend.h"
#include "platform/ui/cursors.h"

namespace gw {

namespace {

// The program's cursor resources (grid/cursors/).
constexpr Integer RowSelectCursor = 8010;
constexpr Integer ColumnSelectCursor = 8011;
constexpr Integer AllSelectCursor = 8012;
constexpr Integer CellSelectorCursor = 8014;

Integer SelectModeCursor(TMouseSelectMode Mode)
{
    switch (Mode) {
    case msColumn: return ColumnSelectCursor;
    case msRow: return RowSelectCursor;
    case msAll:
    case msResize: return AllSelectCursor;
    default: return 0;
    }
}

void ShowCursorResource(Integer Number)
{
    const Integer handle = LoadCursorFromResource(u"#" + IntToStr(Number));
    if (handle != 0 && HasBackend()) Backend().SetCursorShape(handle);
}

void ShowStockCursor(TCursor Cursor)
{
    if (HasBackend()) Backend().SetCursorShape(Screen ? Screen->Cursors(Cursor) : Cursor);
}

}  // namespace

void TExtStringGrid::WMSetCursorCell(TMessage& Message)
{
    const bool baseSizing = GridState() == gsColSizing || GridState() == gsRowSizing;
    if (MouseSelectMode != msNormal && !baseSizing) {
        // A link under the pointer (msURL) keeps the shape the mouse move gave it.
        if (const Integer cursor = SelectModeCursor(MouseSelectMode)) ShowCursorResource(cursor);
        Message.Result = 1;
    } else if (FCellSelectorMode) {
        ShowCursorResource(CellSelectorCursor);
        Message.Result = 1;
    } else {
        TBaseGrid::WndProc(Message);
        const TPoint p = ScreenToClient(GetCursorPos());
        Integer col = -1, row = -1;
        MouseToCell(p.X, p.Y, col, row);
        if (col >= 0 && row >= 0) DoGetCellCursor(col, row, p.X, p.Y);
    }
    if (FSizeFixed || FSizingFixed) {
        ShowStockCursor(crHSplit);
        Message.Result = 1;
    } else if (FSizeFixedR || FSizingFixedR) {
        ShowStockCursor(crVSplit);
        Message.Result = 1;
    }
}

}  // namespace gw
