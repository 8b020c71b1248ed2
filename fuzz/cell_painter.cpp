// Fuzz target: the string grid's cell painter. One cell of arbitrary text, display format, cell
// graphic type and graphic values is painted, selected or not, fixed or not, in any look and
// control style, onto a picture: nothing may crash and nothing may be raised.
#include "fuzz/fuzz_support.h"

#include "grid/model/cell_graphic.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/sort_settings.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/string_list.h"
#include "platform/ui/forms.h"
#include "tests/grid/model/paint_grid.h"

#include <memory>

namespace {

using namespace gw;

struct TWorld {
    THarness Harness;
    TForm* Form = new TForm(Application);
    test::TPaintGrid* Grid = nullptr;
    TBitmap Picture;
    TWorld()
    {
        Grid = new test::TPaintGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(0, 0, 300, 200);
        Picture.SetSize(300, 200);
    }
};

TWorld& World()
{
    static TWorld world;
    return world;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 8) return 0;
    TWorld& w = World();
    test::TPaintGrid& g = *w.Grid;
    const uint8_t switches = data[0];
    const Integer row = 1 + data[1] % 4, col = (switches & 1) ? 0 : 1 + data[1] / 64;
    // The rest: the cell text, a NUL, the display format.
    const String rest = gw::fuzz::FuzzText(gw::fuzz::Bytes(data + 8, size - 8));
    const size_t nul = rest.find(u'\0');
    const String text = rest.substr(0, nul);
    const String format = nul == String::npos ? String() : rest.substr(nul + 1);

    g.SetWordWrap(switches & 2);
    g.Multilinecells = switches & 4;
    g.EnhTextSize = switches & 8;
    g.SetURLShow(switches & 16);
    g.SetDefaultAlignment(TAlignment(data[2] % 3));
    g.VAlignment = TVAlignment((data[2] / 3) % 3);
    g.FLook = TGridLook(data[3] % 10);
    g.ControlLook()->SetControlStyle(TControlStyle(data[4] % 7));
    g.SortSettings()->SetShow(switches & 32);
    g.SortSettings()->Column = data[1] % 5;
    g.OnGetFloatFormat = nullptr;
    if (nul != String::npos)
        g.OnGetFloatFormat = [&format](TObject*, Integer, Integer, bool&, String& F) { F = format; };
    g.SetCells(col, row, text);
    delete g.GetGraphicObjectEx(col, row);
    g.SetGraphicObjectEx(col, row, nullptr);
    if (switches & 64) {
        TCellGraphic& graphic = g.AddGraphic(col, row, TCellType(data[5] % 33));
        graphic.CellHAlign = TCellHAlign(data[6] % 6);
        graphic.CellVAlign = TCellVAlign((data[6] / 6) % 6);
        graphic.CellBoolean = data[7] & 1;
        graphic.CellAngle = int8_t(data[7]) * 3;
        graphic.CellIndex = data[7] * 0x10101;
        graphic.CellErrFrom = data[4] / 7;
        graphic.CellErrLen = data[3] / 10;
        graphic.CellText = format;
        if (graphic.CellType == ctRadio) {
            auto items = std::make_unique<TStringList>();
            items->SetText(text);
            graphic.AdoptCellBitmap(std::move(items));
        }
    }
    try {
        g.PaintCell(*w.Picture.Canvas(), col, row, g.CellRect(col, row), (switches & 128) ? gdSelected : 0);
        g.PaintCell(*w.Picture.Canvas(), 2, 0, g.CellRect(2, 0), 0);
        (void)g.GetCellTextSize(col, row, switches & 8, switches & 16);
    } catch (const gw::Exception&) {
        gw::fuzz::Fail("painting raised");
    }
    return 0;
}
