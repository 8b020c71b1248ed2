// What the end of an update lock repaints: the cells the changes under the lock named, or the
// whole grid for changes that name none. Proof by pixels: the screen after the lock's repaint is
// the screen a full repaint of the same state shows, and a change of a few cells leaves the
// header row and the empty area right of the columns alone.
#include "grid/foundation/cell_properties.h"
#include "grid/model/floating_footer.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/font.h"
#include "platform/runtime/convert.h"
#include "platform/ui/forms.h"
#include "platform/ui/window_system.h"
#include "tests/grid/model/paint_grid.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace gw::test {
namespace {

// Five data columns of 64 pixels after the row numbers, in a grid wider than them; rows
// "r<row>c<col>" under a header row.
constexpr Integer kCols = 6;
constexpr Integer kRows = 30;

class TUpdateGrid : public TPaintGrid {
public:
    using TPaintGrid::TPaintGrid;
    using TExtStringGrid::CalcFooter;
};

class ExtStringGridUpdate : public ::testing::Test {
protected:
    void Make()
    {
        delete form;
        form = new TForm(Application);
        form->SetBounds(0, 0, 560, 300);
        g = new TUpdateGrid(form);
        g->SetParent(form);
        g->SetBounds(0, 0, 540, 260);
        g->SetColCount(kCols);
        g->SetRowCount(kRows);
        g->SetDefaultColWidth(64);
        for (Integer c = 1; c < kCols; ++c) g->SetCellEx(c, 0, u"Head " + IntToStr(c));
        for (Integer r = 1; r < kRows; ++r) {
            g->SetCellEx(0, r, IntToStr(r));
            for (Integer c = 1; c < kCols; ++c) g->SetCellEx(c, r, u"r" + IntToStr(r) + u"c" + IntToStr(c));
        }
        form->Show();
        g->SetFocus();
        h.ProcessMessages();
    }

    TSurfaceRef Screen()
    {
        h.ProcessMessages();
        return h.Display().ComposeScreen(h.Display().NativeWindow(form->Handle())->Bounds);
    }

    static Integer DifferingPixels(const TSurfaceRef& A, const TSurfaceRef& B)
    {
        cairo_surface_flush(A.get());
        cairo_surface_flush(B.get());
        const Integer w = cairo_image_surface_get_width(A.get()), hgt = cairo_image_surface_get_height(A.get());
        const Integer stride = cairo_image_surface_get_stride(A.get());
        const unsigned char* a = cairo_image_surface_get_data(A.get());
        const unsigned char* b = cairo_image_surface_get_data(B.get());
        Integer n = 0;
        for (Integer y = 0; y < hgt; ++y)
            for (Integer x = 0; x < w; ++x) {
                const auto* pa = reinterpret_cast<const uint32_t*>(a + y * stride) + x;
                const auto* pb = reinterpret_cast<const uint32_t*>(b + y * stride) + x;
                if ((*pa & 0xFFFFFF) != (*pb & 0xFFFFFF)) ++n;
            }
        return n;
    }

    // The client strip of the header row, and the area right of the last column.
    TRect HeaderRow() const { return Rect(0, 0, g->ClientWidth(), g->CellRect(0, 0).Bottom); }
    TRect RightOfColumns() const
    {
        const TRect last = g->CellRect(g->ColCount() - 1, g->TopRow());
        return Rect(last.Right + g->GridLineWidth(), 0, g->ClientWidth(), g->ClientHeight());
    }

    THarness h;
    TForm* form = nullptr;
    TUpdateGrid* g = nullptr;
};

using TStep = std::function<void(TUpdateGrid&)>;

// What the lock's end leaves to paint: cells only (not the header row, not the empty area right
// of the columns), the whole grid, or what the window system collected (scrolling).
enum TRepaint { rpCells, rpWhole, rpCollected };

// The table windows' row moves, done on the grid's own cells from column 1 on.
void InsertAt(TUpdateGrid& G, Integer Row)
{
    G.MoveRowCells(G.RowCount() - 1, Row, 1);
    G.ClearRowCells(Row, 1);
    G.SetCellEx(1, Row, u"Y");
}

void DeleteAt(TUpdateGrid& G, Integer Row)
{
    if (Row < G.RowCount() - 1) G.MoveRowCells(Row, G.RowCount() - 1, 1);
    G.ClearRowCells(G.RowCount() - 1, 1);
}

TEST_F(ExtStringGridUpdate, TheLocksRepaintShowsWhatAFullRepaintShows)
{
    struct TCase {
        const char* Name;
        TStep Prepare;  // before the lock
        TStep Change;  // under the lock
        TRepaint Repaint;
    };
    auto nothing = [](TUpdateGrid&) {};
    auto toEnd = [](TUpdateGrid& G) { G.SetTopRow(G.RowCount() - G.VisibleRowCount()); };
    TFont big;
    big.SetSize(14);
    big.SetColor(clRed);
    const TCase cases[] = {
        {"insert at a middle row", nothing, [](TUpdateGrid& G) { InsertAt(G, 3); }, rpCells},
        {"delete at a middle row", nothing, [](TUpdateGrid& G) { DeleteAt(G, 3); }, rpCells},
        {"insert at the last row", toEnd, [](TUpdateGrid& G) { InsertAt(G, G.RowCount() - 1); }, rpCells},
        {"delete at the last row", toEnd, [](TUpdateGrid& G) { DeleteAt(G, G.RowCount() - 1); }, rpCells},
        {"insert with the last row shown", toEnd, [](TUpdateGrid& G) { InsertAt(G, 22); }, rpCells},
        {"insert with hidden rows", [](TUpdateGrid& G) { G.HideRows(2, 3); },
         [](TUpdateGrid& G) { InsertAt(G, 4); }, rpCells},
        {"delete scrolled down", [](TUpdateGrid& G) { G.SetTopRow(12); }, [](TUpdateGrid& G) { DeleteAt(G, 14); },
         rpCells},
        {"insert above the rows scrolled to", [](TUpdateGrid& G) { G.SetTopRow(12); },
         [](TUpdateGrid& G) { InsertAt(G, 2); }, rpCells},
        {"current cell and selection in the moved rows",
         [](TUpdateGrid& G) {
             G.FocusCell(2, 5);
             G.Select(2, 4, 3, 6);
         },
         [](TUpdateGrid& G) { InsertAt(G, 3); }, rpCells},
        {"a merged cell moved whole", [](TUpdateGrid& G) { G.MergeCells(2, 6, 2, 2); },
         [](TUpdateGrid& G) { DeleteAt(G, 3); }, rpCells},
        {"a write into a merged cell", [](TUpdateGrid& G) { G.MergeCells(2, 3, 2, 3); },
         [](TUpdateGrid& G) { G.SetCellEx(2, 3, u"merged cell text"); }, rpCells},
        {"a write of one cell", nothing, [](TUpdateGrid& G) { G.SetCellEx(4, 7, u"written"); }, rpCells},
        {"a write beside a hidden column", [](TUpdateGrid& G) { G.HideColumn(2); },
         [](TUpdateGrid& G) { G.SetCellEx(3, 4, u"after hidden"); }, rpCells},
        {"a cell colour", nothing, [](TUpdateGrid& G) { G.SetColors(2, 4, clYellow); }, rpCells},
        {"a cell font", [](TUpdateGrid& G) { G.GetCellProperties(2, 4); },
         [&big](TUpdateGrid& G) { G.SetFonts(2, 4, &big); }, rpCells},
        {"a coloured empty row cleared",
         [](TUpdateGrid& G) {
             for (Integer c = 1; c < kCols; ++c) G.SetCellEx(c, 5, u"");
             G.SetColors(3, 5, clLime);
         },
         [](TUpdateGrid& G) { G.ClearRowCells(5, 1); }, rpCells},
        {"the grid's font", nothing, [](TUpdateGrid& G) { G.Font()->SetSize(12); }, rpWhole},
        {"the grid's colour", nothing, [](TUpdateGrid& G) { G.SetColor(clAqua); }, rpWhole},
        {"word wrap", [](TUpdateGrid& G) { G.SetCellEx(2, 2, u"a long text that wraps"); },
         [](TUpdateGrid& G) { G.SetWordWrap(false); }, rpWhole},
        {"a column width", nothing, [](TUpdateGrid& G) { G.SetColWidths(2, 100); }, rpWhole},
        {"the row count", nothing, [](TUpdateGrid& G) { G.SetRowCount(5); }, rpWhole},
        {"scrolling", nothing, [](TUpdateGrid& G) { G.SetTopRow(8); }, rpCollected},
        {"a footer with a column sum",
         [](TUpdateGrid& G) {
             for (Integer r = 1; r < G.RowCount() - 1; ++r) G.SetCellEx(2, r, IntToStr(r));
             G.FloatingFooter()->SetVisible(true);
             G.GetCellProperties(2, G.RowCount() - 1)->CalcType = acSUM;
             G.CalcFooter(-1);
         },
         [](TUpdateGrid& G) {
             G.SetCellEx(2, 3, u"1000");
             G.CalcFooter(-1);
         },
         rpCells},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Make();
        c.Prepare(*g);
        h.ProcessMessages();
        const Cardinal paints = h.Paints();
        g->BeginUpdate();
        c.Change(*g);
        EXPECT_EQ(h.Paints(), paints) << "nothing is painted under the lock";
        g->EndUpdate();
        TRect update;
        EXPECT_TRUE(GetUpdateRect(g->Handle(), update)) << "every change shows";
        TRect overlap;
        if (c.Repaint == rpWhole) {
            EXPECT_EQ(update, g->ClientRect());
        } else if (c.Repaint == rpCells) {
            EXPECT_FALSE(IntersectRect(overlap, update, HeaderRow())) << "the header row is left alone";
            EXPECT_FALSE(IntersectRect(overlap, update, RightOfColumns())) << "the empty area is left alone";
        }
        const TSurfaceRef afterLock = Screen();
        g->Invalidate();
        EXPECT_EQ(DifferingPixels(afterLock, Screen()), 0);
    }
}

// Without a lock the same changes repaint their own cells at once: a write beside a hidden
// column its own column, a cleared row the looks of its empty cells, a row move its rows only.
TEST_F(ExtStringGridUpdate, ChangesWithoutALockRepaintTheirOwnCells)
{
    struct TCase {
        const char* Name;
        TStep Prepare;
        TStep Change;
    };
    const TCase cases[] = {
        {"a write beside a hidden column", [](TUpdateGrid& G) { G.HideColumn(2); },
         [](TUpdateGrid& G) { G.SetCellEx(3, 4, u"after hidden"); }},
        {"a coloured empty row cleared",
         [](TUpdateGrid& G) {
             for (Integer c = 1; c < kCols; ++c) G.SetCellEx(c, 5, u"");
             G.SetColors(3, 5, clLime);
         },
         [](TUpdateGrid& G) { G.ClearRowCells(5, 1); }},
        {"a row moved down", [](TUpdateGrid&) {}, [](TUpdateGrid& G) { G.MoveRowCells(2, 6, 1); }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Make();
        c.Prepare(*g);
        h.ProcessMessages();
        c.Change(*g);
        TRect update, overlap;
        EXPECT_TRUE(GetUpdateRect(g->Handle(), update));
        EXPECT_FALSE(IntersectRect(overlap, update, HeaderRow()));
        EXPECT_FALSE(IntersectRect(overlap, update, RightOfColumns()));
        const TSurfaceRef changed = Screen();
        g->Invalidate();
        EXPECT_EQ(DifferingPixels(changed, Screen()), 0);
    }
}

}  // namespace
}  // namespace gw::test
