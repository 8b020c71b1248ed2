// Paints string grids in every look and every colour style, with check boxes, combo buttons,
// merged cells, a node, rotated headers, a sort indicator, a selection and graphic cells, into one
// picture (ext_string_grid_looks.png) for a person to look at.
#include "grid/foundation/cell_properties.h"
#include "grid/model/control_look.h"
#include "grid/model/sort_settings.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/font.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/forms.h"
#include "tests/grid/model/paint_grid.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace gw::test {
namespace {

constexpr Integer GridW = 250;
constexpr Integer GridH = 150;

void FillGrid(TPaintGrid& G)
{
    G.SetBounds(0, 0, GridW, GridH);
    G.SetColCount(5);
    G.SetRowCount(6);
    G.SetDefaultColWidth(48);
    G.SetDefaultRowHeight(20);
    G.SetRowHeights(0, 34);
    G.SetOptions(G.Options() | goEditing);
    const std::vector<const char16_t*> heads{u"#", u"Name", u"On", u"Kind", u"Load"};
    for (Integer c = 0; c < 5; ++c) G.SetCells(c, 0, heads[c]);
    const std::vector<const char16_t*> names{u"Alpha", u"Beta", u"Gamma", u"Delta", u"Eps"};
    for (Integer r = 1; r < 6; ++r) {
        G.SetCells(0, r, IntToStr(r));
        G.SetCells(1, r, names[r - 1]);
        G.SetCells(2, r, r % 2 ? u"Y" : u"N");
        G.AddGraphic(2, r, ctDataCheckBox);
        G.SetCells(3, r, r % 3 ? u"Analog" : u"Digital");
        G.SetCells(4, r, IntToStr(r * 20));
    }
    // A rotated header, a progress bar, a rating, a merge and a sort indicator.
    G.AddGraphic(4, 0, ctRotated).CellAngle = 90;
    TCellGraphic& bar = G.AddGraphic(4, 2, ctProgress);
    bar.CellBitmapColor = TColor(0x2FB52F);
    bar.CellIconColor = clWhite;
    bar.CellErrLen = 100;
    G.SetCells(4, 3, u"3.5");
    TCellGraphic& rating = G.AddGraphic(4, 3, ctRating);
    rating.CellAngle = 3;
    rating.CellIndex = Integer(TColor(0x00C0FF));
    rating.CellBitmapColor = TColor(0xD0D0D0);
    G.AddNode(1, 3);  // an open node over the next two rows, its glyph in the fixed column
    G.MergeCells(3, 4, 2, 2);
    G.SetCells(3, 4, u"Merged two by two");
    G.SortSettings()->SetShow(true);
    G.SortSettings()->Column = 1;
    G.Select(1, 2, 1, 2);
    G.OnHasComboBox = [](TObject*, Integer ACol, Integer, bool& Has) { Has = ACol == 3; };
    G.ControlLook()->SetDropDownAlwaysVisible(true);
}

TEST(ExtStringGridPicture, EveryLookAndStyle)
{
    THarness h;
    auto* form = new TForm(Application);
    TBitmap bmp;
    const Integer cols = 5;
    bmp.SetSize(cols * (GridW + 10), 6 * (GridH + 24));
    bmp.Canvas()->Brush()->SetColor(TColor(0xF8F7ED));
    bmp.Canvas()->FillRect(Rect(0, 0, bmp.Width(), bmp.Height()));
    Integer slot = 0;
    const auto next = [&](const String& Title, auto&& Setup) {
        auto* g = new TPaintGrid(form);
        g->SetParent(form);
        FillGrid(*g);
        Setup(*g);
        PaintWholeGrid(*g, *bmp.Canvas(), (slot % cols) * (GridW + 10), (slot / cols) * (GridH + 24), Title);
        ++slot;
    };
    for (TGridLook look : {glStandard, glSoft, glClassic, glZEQ, glXP, glListView, glVista, glWin7, glOffice2007})
        next(u"Look " + String(TPaintGrid(nullptr).GetLookName(look)), [look](TPaintGrid& G) { G.SetLook(look); });
    for (Integer s = tsOffice2003Blue; s <= tsOffice2010Black; ++s)
        next(u"Style " + IntToStr(s), [s](TPaintGrid& G) { G.SetComponentStyle(TZEQStyle(s)); });
    next(u"Bevel and XP glyphs", [](TPaintGrid& G) {
        G.ControlLook()->SetControlStyle(csWinXP);
        G.AddGraphic(1, 5, ctCheckBox).CellBoolean = true;
        G.AddGraphic(1, 4, ctRadioButton).CellBoolean = true;
    });
    const std::filesystem::path file = picturePath("ext_string_grid_looks.png");
    SaveSurfaceToPng(bmp.Surface(), Utf8ToString(file.string()));
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_GT(std::filesystem::file_size(file), 20000u);
    delete form;
}

}  // namespace
}  // namespace gw::test
