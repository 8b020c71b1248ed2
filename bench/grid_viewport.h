// The full-HD viewport the grid painting benchmarks share: a grid of any string-grid class on a
// form, filled with the generator's rows, its visible cells painted through the grid's cell
// painter (or straight on the canvas), repainted and paged down one screen over its last 1,000
// rows.
//
// The grid (1920 x 1080, a header row and column and the generator's ten columns, rows of 24
// pixels) holds the generator's rows (shared/bench/gen_grid_csv.py; 1,000 generated rows, cycled
// to fill larger grids).
#pragma once

#include "bench/cell_figures.h"
#include "bench/grid_rows.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/font.h"
#include "platform/graphics/pen.h"
#include "platform/runtime/convert.h"
#include "platform/ui/forms.h"

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace gw::bench {

constexpr Integer kViewWidth = 1920, kViewHeight = 1080, kViewRowHeight = 24, kViewCols = 11;
inline constexpr Integer kViewColWidths[kViewCols] = {48, 110, 120, 170, 100, 130, 80, 100, 150, 520, 100};

inline const std::vector<std::vector<String>>& ViewportRows()
{
    static const std::vector<std::vector<String>> rows = GeneratorRows(1000);
    return rows;
}

// A grid of class TGrid (a TExtStringGrid or one derived from it) filled with RowCount data rows
// under a header row. The class's own ColCount setter runs, so a column grid has one column
// item per column.
template <class TGrid>
struct TViewportWorld {
    THarness Harness;
    TForm* Form = new TForm(Application);
    TGrid* Grid = nullptr;
    explicit TViewportWorld(Integer RowCount)
    {
        Form->SetBounds(0, 0, kViewWidth + 40, kViewHeight + 40);
        Grid = new TGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(0, 0, kViewWidth, kViewHeight);
        Grid->SetColCount(kViewCols);
        Grid->SetRowCount(RowCount + 1);
        Grid->SetDefaultRowHeight(kViewRowHeight);
        for (Integer c = 0; c < kViewCols; ++c) Grid->SetColWidths(c, kViewColWidths[c]);
        for (Integer c = 1; c < kViewCols; ++c) Grid->SetCells(c, 0, u"Column " + IntToStr(c));
        const auto& rows = ViewportRows();
        for (Integer r = 1; r <= RowCount; ++r) {
            Grid->SetCells(0, r, IntToStr(r));
            const auto& row = rows[size_t(r - 1) % rows.size()];
            for (Integer c = 1; c < kViewCols; ++c) Grid->SetCells(c, r, row[size_t(c - 1)]);
        }
    }
    ~TViewportWorld() { delete Form; }
    TViewportWorld(const TViewportWorld&) = delete;
    TViewportWorld& operator=(const TViewportWorld&) = delete;
};

// The world of RowCount rows of class TWorld, made on first use and kept for the run. It is never
// freed: at exit the window system may already be gone, and a form freed then would reach it.
template <class TWorld>
TWorld& KeptWorld(Integer RowCount)
{
    static auto& worlds = *new std::map<Integer, std::unique_ptr<TWorld>>;
    auto& w = worlds[RowCount];
    if (!w) w = std::make_unique<TWorld>(RowCount);
    return *w;
}

// The visible cells of the grid at its current top row, as its paint pass visits them.
template <class F>
void VisibleCells(TExtStringGrid& G, F&& Visit)
{
    for (Integer r = 0; r < G.RowCount(); ++r) {
        if (r >= G.FixedRows() && r < G.TopRow()) r = G.TopRow();
        const TRect first = G.CellRect(0, r);
        if (IsRectEmpty(first) || first.Top >= kViewHeight) break;
        for (Integer c = 0; c < G.ColCount(); ++c) {
            const TRect cell = G.CellRect(c, r);
            if (!IsRectEmpty(cell)) Visit(c, r, cell);
        }
    }
}

// Every visible cell through the grid's cell painter; the count of cells painted.
inline Integer PaintGridFrame(TExtStringGrid& G, TCanvas& C)
{
    Integer cells = 0;
    VisibleCells(G, [&](Integer c, Integer r, const TRect& cell) {
        G.PaintCell(C, c, r, cell, 0);
        ++cells;
    });
    return cells;
}

// The same fills, lines and texts straight on the canvas.
inline void PaintCanvasFrame(TExtStringGrid& G, TCanvas& C)
{
    C.SetFont(G.Font());
    VisibleCells(G, [&](Integer c, Integer r, const TRect& cell) {
        const bool fixed = c == 0 || r == 0;
        C.Brush()->SetStyle(bsSolid);
        C.Brush()->SetColor(fixed ? clBtnFace : clWindow);
        C.FillRect(cell);
        C.Pen()->SetColor(clSilver);
        C.MoveTo(cell.Left, cell.Bottom - 1);
        C.LineTo(cell.Right, cell.Bottom - 1);
        C.MoveTo(cell.Right - 1, cell.Bottom - 1);
        C.LineTo(cell.Right - 1, cell.Top - 1);
        C.SetBkMode(TRANSPARENT);
        TRect t = Rect(cell.Left + 3, cell.Top + 3, cell.Right - 3, cell.Bottom - 1);
        C.DrawText(G.Cells(c, r), t, DT_SINGLELINE | DT_NOPREFIX | DT_EDITCONTROL | DT_EXPANDTABS);
    });
}

// Where paging starts: the last 1,000 data rows (all of them at 1,000 rows). Both sizes so page
// over the generator's same rows, and the text cache sees the same texts in both (only the row
// numbers are longer): what differs between them is where those rows lie, at the far end of a
// large grid, not how often a text is new.
inline Integer PagingStart(const TExtStringGrid& G)
{
    return std::max(G.FixedRows(), G.RowCount() - Integer(ViewportRows().size()));
}

// Repaint, then page down one screen (back to where paging starts at the end).
template <class F>
void RepaintAndPage(TExtStringGrid& G, F&& Frame)
{
    if (G.TopRow() < PagingStart(G)) G.SetTopRow(PagingStart(G));
    Frame();
    const Integer next = G.TopRow() + G.VisibleRowCount();
    G.SetTopRow(next < G.RowCount() - G.VisibleRowCount() ? next : PagingStart(G));
    Frame();
}

template <class F>
double MillisecondsPer(F&& Run, Integer Times = 20)
{
    return Milliseconds([&] {
               for (Integer i = 0; i < Times; ++i) Run();
           }) /
        Times;
}

}  // namespace gw::bench
