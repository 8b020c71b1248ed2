// The string grid's reaction to changed column widths, row heights and counts on the headless back
// end: a user resize through the mouse (the end-size events, the width hook, scaling all items with
// the resized one) and the stretch column following width and count changes.
#include "grid/foundation/mouse_actions.h"
#include "grid/model/column_size.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/ui/application.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gw::test {
namespace {

class ExtStringGridSizeHooks : public ::testing::Test {
protected:
    THarness h;
    TForm* form = nullptr;
    TExtStringGrid* g = nullptr;
    std::vector<std::string> log;

    // A grid of 5 columns and 6 rows (one fixed each) of the default sizes, 64 x 22 with lines of
    // 1, with column and row sizing, in a shown form; the events write to the log.
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(0, 0, 600, 500);
        g = new TExtStringGrid(form);
        g->SetColCount(5);
        g->SetRowCount(6);
        g->SetParent(form);
        g->SetBounds(0, 0, 500, 400);
        g->SetOptions(g->Options() | goColSizing | goRowSizing);
        g->OnEndColumnSize = [this](TObject*, Integer c) {
            log.push_back("end col " + std::to_string(c) + " at " + std::to_string(g->ColWidths(c)));
        };
        g->OnEndRowSize = [this](TObject*, Integer r) {
            log.push_back("end row " + std::to_string(r) + " at " + std::to_string(g->RowHeights(r)));
        };
        g->OnUpdateColumnSize = [this](TObject*, Integer c, Integer& w) {
            log.push_back("update col " + std::to_string(c) + " from " + std::to_string(w));
        };
        form->Show();
        h.ProcessMessages();
    }
    void TearDown() override { delete form; }

    // The user drags the right edge of column ACol in the header by Dx pixels.
    void DragColumnEdge(Integer ACol, Integer Dx)
    {
        const TRect r = g->CellRect(ACol, 0);
        h.MouseDown(g, {r.Right, r.Top + 5});
        h.MoveTo(g, {r.Right + Dx, r.Top + 5});
        h.MouseUp(g, {r.Right + Dx, r.Top + 5});
        h.ProcessMessages();
    }
    void DragRowEdge(Integer ARow, Integer Dy)
    {
        const TRect r = g->CellRect(0, ARow);
        h.MouseDown(g, {r.Left + 5, r.Bottom});
        h.MoveTo(g, {r.Left + 5, r.Bottom + Dy});
        h.MouseUp(g, {r.Left + 5, r.Bottom + Dy});
        h.ProcessMessages();
    }
    std::vector<Integer> Widths() const
    {
        std::vector<Integer> w;
        for (Integer c = 0; c < g->ColCount(); ++c) w.push_back(g->ColWidths(c));
        return w;
    }
};

// A user resize ends with OnEndColumnSize, then the width hook, whose change is applied without
// a second round; a width set by code is no user resize.
TEST_F(ExtStringGridSizeHooks, AUserColumnResizeEndsWithTheEventsAndTheWidthHook)
{
    DragColumnEdge(2, 20);
    EXPECT_EQ(g->ColWidths(2), 84);
    EXPECT_EQ(log, (std::vector<std::string>{"end col 2 at 84", "update col 2 from 84"}));
    log.clear();
    g->OnUpdateColumnSize = [this](TObject*, Integer c, Integer& w) {
        log.push_back("update col " + std::to_string(c) + " from " + std::to_string(w));
        w = 100;
    };
    DragColumnEdge(3, -14);
    EXPECT_EQ(log, (std::vector<std::string>{"end col 3 at 50", "update col 3 from 50"}));
    EXPECT_EQ(g->ColWidths(3), 100);
    log.clear();
    g->SetColWidths(1, 70);
    g->SetRowHeights(1, 30);
    EXPECT_TRUE(log.empty());
    // Other columns keep their widths without AllColumnSize.
    EXPECT_EQ(Widths(), (std::vector<Integer>{64, 70, 84, 100, 64}));
}

// With AllColumnSize every other non-fixed column is scaled by the resized one's new width / old
// width, rounded; the fixed column stays.
TEST_F(ExtStringGridSizeHooks, AllColumnSizeScalesTheOtherColumns)
{
    g->MouseActions()->AllColumnSize = true;
    g->SetColWidths(3, 41);
    g->SetColWidths(4, 10);
    DragColumnEdge(2, 32);  // 64 -> 96: a factor of 1.5
    EXPECT_EQ(Widths(), (std::vector<Integer>{64, 96, 96, 62, 15}));
    EXPECT_EQ(log.front(), "end col 2 at 96");
    // Narrowing scales down: 96 -> 48 halves the others.
    log.clear();
    DragColumnEdge(2, -48);
    EXPECT_EQ(Widths(), (std::vector<Integer>{64, 48, 48, 31, 8}));
}

// Rows alike: AllRowSize scales the other non-fixed rows, OnEndRowSize names the row; the width
// hook is for columns only.
TEST_F(ExtStringGridSizeHooks, AUserRowResizeEndsWithOnEndRowSizeAndAllRowSizeScales)
{
    g->MouseActions()->AllRowSize = true;
    g->SetRowHeights(4, 13);
    DragRowEdge(2, 11);  // 22 -> 33: a factor of 1.5
    EXPECT_EQ(log, (std::vector<std::string>{"end row 2 at 33"}));
    std::vector<Integer> heights;
    for (Integer r = 0; r < g->RowCount(); ++r) heights.push_back(g->RowHeights(r));
    EXPECT_EQ(heights, (std::vector<Integer>{22, 33, 33, 33, 20, 33}));
}

// Once a stretch ran, a width change stretches the stretch column again; a column count change
// does too, and a bad stretch column raises from it.
TEST_F(ExtStringGridSizeHooks, TheStretchFollowsWidthAndCountChanges)
{
    auto total = [this] {
        Integer t = 0;
        for (const Integer w : Widths()) t += w;
        return t;
    };
    g->ColumnSize()->StretchColumn = -1;
    g->ColumnSize()->SetStretch(true);
    g->StretchColumnToClient(-1);
    ASSERT_EQ(total(), g->ClientWidth() - 1);
    g->SetColWidths(1, 100);
    EXPECT_EQ(g->ColWidths(1), 100);
    EXPECT_EQ(total(), g->ClientWidth() - 1);
    DragColumnEdge(2, 30);
    EXPECT_EQ(g->ColWidths(2), 94);
    EXPECT_EQ(total(), g->ClientWidth() - 1);
    g->SetColCount(4);
    EXPECT_EQ(total(), g->ClientWidth() - 1);
    g->ColumnSize()->StretchColumn = 4;
    try {
        g->SetColCount(3);
        ADD_FAILURE() << "a stretch column beyond the columns did not raise";
    } catch (const EExtGridError& e) {
        EXPECT_EQ(e.Message(), u"Stretch column index out of range");
    }
}

// Without a parent a count change does not stretch (nor raise for a bad stretch column).
TEST_F(ExtStringGridSizeHooks, ACountChangeWithoutAParentDoesNotStretch)
{
    TExtStringGrid loose(nullptr);
    loose.ColumnSize()->SetStretch(true);
    loose.ColumnSize()->StretchColumn = 9;
    loose.SetColCount(3);
    EXPECT_EQ(loose.ColWidths(2), loose.DefaultColWidth());
}

}  // namespace
}  // namespace gw::test
