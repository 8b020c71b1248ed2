// The string grid's outline nodes: what a node answers, contracting and expanding with nested
// and span-0 nodes, ExpandOne, all at once, the parent row, the glyph's hit area both ways, and
// node rows that filters never show.
#include "grid/foundation/mouse_actions.h"
#include "grid/model/cell_graphic.h"
#include "grid/model/cell_node.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/filter.h"
#include "grid/model/grouping.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"
#include "platform/runtime/convert.h"
#include "platform/ui/forms.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace gw::test {
namespace {

class TNodeGrid : public TExtStringGrid {
public:
    using TExtStringGrid::FHiddenRows;
    using TExtStringGrid::FNumNodes;
    using TExtStringGrid::HasNodes;
    using TExtStringGrid::RowNodeIndent;
    using TExtStringGrid::TExtStringGrid;
    using TExtStringGrid::ToggleCellCheckBox;
};

class ExtStringGridNodes : public ::testing::Test {
protected:
    THarness h;
    TNodeGrid g{nullptr};

    // Rows 0 .. Rows - 1 with their number in column 1, row 0 fixed.
    void Fill(Integer Rows)
    {
        g.SetColCount(3);
        g.SetRowCount(Rows);
        g.SetFixedRows(1);
        for (Integer r = 0; r < Rows; ++r) g.SetCellEx(1, r, IntToStr(r));
    }

    // A node as the grid makes one: the graphic of column 0, the block's node levels raised.
    void MakeNode(Integer ARow, Integer Span)
    {
        auto* node = new TCellGraphic();
        node->CellType = ctNode;
        node->CellIndex = Span;
        node->CellAngle = ARow;
        node->CellVar = Integer(-1);
        node->CellHAlign = haBeforeText;
        node->CellVAlign = vaCenter;
        g.GetCellProperties(0, ARow)->SetGraphicObject(node);
        for (Integer r = ARow; r < ARow + Span; ++r) ++g.GetCellProperties(0, r)->NodeLevel;
        ++g.FNumNodes;
    }

    // The numbers of the shown rows below the fixed one.
    std::vector<Integer> Shown()
    {
        std::vector<Integer> rows;
        for (Integer r = 1; r < g.RowCount(); ++r) rows.push_back(StrToInt(g.GetCellEx(1, r)));
        return rows;
    }
};

using Rows = std::vector<Integer>;

TEST_F(ExtStringGridNodes, ANodeAnswersItsLevelSpanAndState)
{
    Fill(10);
    EXPECT_FALSE(g.HasNodes());
    MakeNode(1, 4);
    EXPECT_TRUE(g.HasNodes());
    EXPECT_TRUE(g.IsNode(1));
    EXPECT_FALSE(g.IsNode(2));
    EXPECT_FALSE(g.IsNode(-1));
    EXPECT_EQ(g.GetNodeLevel(1), 1);
    EXPECT_EQ(g.GetNodeLevel(2), -1) << "no node";
    EXPECT_EQ(g.GetNodeSpan(1), 4);
    EXPECT_EQ(g.GetNodeSpan(5), -1);
    EXPECT_FALSE(g.GetNodeState(1));
    EXPECT_FALSE(g.IsSummary(1));
    g.CellNode()->SetNodeIndent(12);
    EXPECT_EQ(g.RowNodeIndent(3), 12);
    EXPECT_EQ(g.RowNodeIndent(6), 0);

    auto* summary = new TCellGraphic();
    summary->CellType = ctSummary;
    g.GetCellProperties(0, 5)->SetGraphicObject(summary);
    EXPECT_TRUE(g.IsSummary(5));
    EXPECT_FALSE(g.IsNode(5));
}

TEST_F(ExtStringGridNodes, AddingANodeMarksItsBlockAndRemovingItUndoesThat)
{
    Fill(10);
    g.SetCol(0);
    g.AddNode(1, 4);
    EXPECT_EQ(g.Col(), 1) << "the current column leaves the node column";
    EXPECT_TRUE(g.IsNode(1));
    EXPECT_EQ(g.GetNodeSpan(1), 4);
    EXPECT_FALSE(g.GetNodeState(1));
    EXPECT_EQ(g.GetNodeLevel(1), 1);
    for (Integer r = 1; r <= 4; ++r) EXPECT_EQ(g.GetCellProperties(0, r)->NodeLevel, 1) << r;
    EXPECT_EQ(g.GetParentRow(3), 1);
    g.AddNode(2, 2);
    EXPECT_EQ(g.GetNodeLevel(2), 2);
    g.ContractNode(1);
    g.RemoveNode(1);  // expanded first, then gone
    EXPECT_FALSE(g.IsNode(1));
    EXPECT_EQ(Shown(), (Rows{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(g.GetNodeLevel(2), 1);
    EXPECT_TRUE(g.HasNodes());
    g.MarkSummaryRow(6);
    EXPECT_TRUE(g.IsSummary(6));
    g.RemoveAllNodes();
    EXPECT_FALSE(g.HasNodes());
    EXPECT_FALSE(g.IsNode(2));
    EXPECT_EQ(g.GetCellProperties(0, 2)->NodeLevel, 0);
    EXPECT_TRUE(g.IsSummary(6)) << "summary rows are no nodes";
}

TEST_F(ExtStringGridNodes, AutoCheckGroupReachesTheRowsOfAContractedGroup)
{
    Fill(10);
    g.AddNode(1, 4);
    g.AddNode(5, 3);
    for (Integer r = 1; r < 8; ++r) g.AddCheckBox(2, r, false, false);
    g.Grouping()->AutoCheckGroup = true;
    g.ContractNode(1);
    ASSERT_TRUE(g.ToggleCellCheckBox(2, 1, false));
    g.ExpandNode(1);
    for (Integer r = 1; r <= 4; ++r) EXPECT_TRUE(g.IsChecked(2, r)) << r;
    EXPECT_FALSE(g.IsChecked(2, 5)) << "the next group is left alone";
    g.ContractNode(5);
    ASSERT_TRUE(g.ToggleCellCheckBox(2, g.DisplRowIndex(5), false));
    for (Integer r = 6; r <= 7; ++r) EXPECT_TRUE(g.IsChecked(2, r)) << r << ", hidden";
}

TEST_F(ExtStringGridNodes, RemovingAllNodesOfAGridWithoutNodesChangesNothing)
{
    Fill(5);
    g.RemoveAllNodes();
    EXPECT_EQ(Shown(), (Rows{1, 2, 3, 4}));
    EXPECT_FALSE(g.HasNodes());
}

TEST_F(ExtStringGridNodes, ContractingHidesTheBlockAndExpandingShowsIt)
{
    Fill(10);
    MakeNode(1, 4);
    g.ContractNode(1);
    EXPECT_EQ(g.RowCount(), 7);
    EXPECT_TRUE(g.GetNodeState(1));
    EXPECT_EQ(Shown(), (Rows{1, 5, 6, 7, 8, 9}));
    g.ContractNode(1);  // contracted already
    EXPECT_EQ(g.RowCount(), 7);
    g.ExpandNode(1);
    EXPECT_FALSE(g.GetNodeState(1));
    EXPECT_EQ(Shown(), (Rows{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    g.ExpandNode(1);  // expanded already
    EXPECT_EQ(g.RowCount(), 10);
    g.ContractNode(7);  // no node
    EXPECT_EQ(g.RowCount(), 10);
}

TEST_F(ExtStringGridNodes, ExpandingKeepsRowSelectAndTheCurrentRow)
{
    Fill(10);
    MakeNode(1, 4);
    g.SetOptions(g.Options() | goRowSelect);
    g.MouseActions()->SetDisjunctRowSelect(false);
    g.ContractNode(1);
    g.SetRow(3);  // real row 6
    g.ExpandNode(1);
    EXPECT_TRUE(g.Options() & goRowSelect);
    EXPECT_FALSE(g.MouseActions()->DisjunctRowSelect());
    EXPECT_EQ(g.Row(), 3) << "the current row stays where it was";
    EXPECT_EQ(Shown(), (Rows{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(ExtStringGridNodes, ASpanZeroNodeRunsToTheNextNode)
{
    Fill(10);
    MakeNode(2, 0);
    MakeNode(6, 2);
    g.ContractNode(2);
    EXPECT_EQ(Shown(), (Rows{1, 2, 6, 7, 8, 9}));
    g.ExpandNode(2);
    EXPECT_EQ(Shown(), (Rows{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(ExtStringGridNodes, ANestedContractedNodeComesBackExpandedWithItsParent)
{
    Fill(10);
    MakeNode(1, 6);
    MakeNode(3, 3);
    EXPECT_EQ(g.GetNodeLevel(3), 2);
    g.ContractNode(3);
    EXPECT_EQ(Shown(), (Rows{1, 2, 3, 6, 7, 8, 9}));
    g.ContractNode(1);
    EXPECT_EQ(Shown(), (Rows{1, 7, 8, 9}));
    g.ExpandNode(1);
    EXPECT_EQ(Shown(), (Rows{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_FALSE(g.GetNodeState(3));
    g.ContractNode(3);
    EXPECT_EQ(Shown(), (Rows{1, 2, 3, 6, 7, 8, 9}));
}

TEST_F(ExtStringGridNodes, ExpandOneContractsTheOtherNodes)
{
    Fill(10);
    MakeNode(1, 3);
    MakeNode(5, 3);
    g.ContractNode(1);
    g.CellNode()->ExpandOne = true;
    g.ExpandNode(1);
    EXPECT_FALSE(g.GetNodeState(1));
    EXPECT_TRUE(g.GetNodeState(g.DisplRowIndex(5)));
    EXPECT_EQ(Shown(), (Rows{1, 2, 3, 4, 5, 8, 9}));
}

TEST_F(ExtStringGridNodes, AllNodesContractAndExpandAtOnceOutOfTheFiltersReach)
{
    Fill(12);
    MakeNode(1, 3);
    MakeNode(5, 5);
    MakeNode(6, 2);
    g.ContractNode(6);
    g.ContractAll();
    EXPECT_EQ(Shown(), (Rows{1, 4, 5, 10, 11}));
    EXPECT_TRUE(g.GetNodeState(1));
    EXPECT_TRUE(g.GetNodeState(3));
    EXPECT_EQ(g.FHiddenRows.FilterLevel(), 0) << "node rows are no filter level";
    g.NarrowDown(u"", 1);
    g.RemoveAllFilters();
    EXPECT_EQ(Shown(), (Rows{1, 4, 5, 10, 11})) << "taking filters back leaves node rows hidden";

    g.ExpandAll();
    EXPECT_EQ(Shown(), (Rows{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    for (Integer r : {1, 5, 6}) EXPECT_FALSE(g.GetNodeState(r)) << r;
}

TEST_F(ExtStringGridNodes, GroupCalculationsWriteEachExpandedGroupsValue)
{
    Fill(10);
    MakeNode(1, 3);
    MakeNode(4, 2);
    MakeNode(6, 3);
    g.ContractNode(6);
    g.GroupCount(2);
    EXPECT_EQ(g.GetCellEx(2, 1), u"2");
    EXPECT_EQ(g.GetCellEx(2, 4), u"1");
    EXPECT_EQ(g.GetCellEx(2, 6), u"") << "a contracted group is left out";

    std::vector<std::pair<Integer, Integer>> ranges;
    g.OnGroupCalc = [&](TObject*, Integer ACol, Integer FromRow, Integer ToRow, double& Res) {
        EXPECT_EQ(ACol, 2);
        ranges.push_back({FromRow, ToRow});
        Res = FromRow + 0.5;
    };
    g.GroupCustomCalc(2);
    EXPECT_EQ(ranges, (std::vector<std::pair<Integer, Integer>>{{2, 3}, {5, 5}}));
    EXPECT_EQ(g.GetCellEx(2, 1), u"2.50");
    EXPECT_EQ(g.GetCellEx(2, 4), u"5.50");
    g.OnGroupCalc = nullptr;
    g.GroupCustomCalc(2);
    EXPECT_EQ(g.GetCellEx(2, 4), u"0.00");
}

TEST_F(ExtStringGridNodes, WithSummaryRowsTheValueGoesBelowTheGroup)
{
    Fill(9);  // header 1, data 2-3, summary 4; header 5, data 6, summary 7
    MakeNode(1, 3);
    MakeNode(5, 2);
    g.Grouping()->Summary = true;
    g.GroupCount(2);
    EXPECT_EQ(g.GetCellEx(2, 1), u"");
    EXPECT_EQ(g.GetCellEx(2, 4), u"2");
    EXPECT_EQ(g.GetCellEx(2, 7), u"1");
}

TEST_F(ExtStringGridNodes, TheParentRowIsTheNodeWhoseBlockHoldsTheRow)
{
    Fill(12);
    EXPECT_EQ(g.GetParentRow(2), -1) << "no nodes";
    MakeNode(1, 4);
    MakeNode(6, 5);
    MakeNode(8, 2);
    struct Case {
        Integer Row, Parent;
    };
    for (const Case& c : {Case{2, 1}, Case{4, 1}, Case{5, -1}, Case{1, 1}, Case{7, 6}, Case{9, 8}, Case{8, 6},
                          Case{10, 6}, Case{11, -1}}) {
        EXPECT_EQ(g.GetParentRow(c.Row), c.Parent) << "row " << c.Row;
    }
    g.ContractNode(1);  // displayed rows 3.. are real rows 6..
    EXPECT_EQ(g.GetParentRow(g.DisplRowIndex(7)), g.DisplRowIndex(6));
    EXPECT_EQ(g.GetParentRow(1), 1);
}

TEST_F(ExtStringGridNodes, TheGlyphIsHitWithinItsPlaceForTheLevel)
{
    Fill(6);
    MakeNode(1, 4);
    MakeNode(2, 2);
    g.CellNode()->SetNodeIndent(12);
    struct Case {
        TCellNodeType Type;
        Integer Row, Left, Right;  // the first and last X that hit
    };
    for (const Case& c : {Case{cnXP, 1, 5, 15}, Case{cnXP, 2, 17, 27}, Case{cnFlat, 1, 5, 15}, Case{cn3D, 1, 1, 17},
                          Case{cnLeaf, 1, 3, 19}, Case{cnLeaf, 2, 15, 31}, Case{cnGlyph, 1, 1, 11}}) {
        g.CellNode()->SetNodeType(c.Type);
        EXPECT_FALSE(g.IsOnNodeGlyph(c.Row, c.Left - 1)) << int(c.Type) << " row " << c.Row;
        EXPECT_TRUE(g.IsOnNodeGlyph(c.Row, c.Left)) << int(c.Type) << " row " << c.Row;
        EXPECT_TRUE(g.IsOnNodeGlyph(c.Row, c.Right)) << int(c.Type) << " row " << c.Row;
        EXPECT_FALSE(g.IsOnNodeGlyph(c.Row, c.Right + 1)) << int(c.Type) << " row " << c.Row;
    }
    TBitmap glyph;  // the glyph type uses half the expand glyph's width
    glyph.SetSize(16, 16);
    g.CellNode()->SetExpandGlyph(&glyph);
    EXPECT_FALSE(g.IsOnNodeGlyph(1, 2));
    EXPECT_TRUE(g.IsOnNodeGlyph(1, 3));
    EXPECT_TRUE(g.IsOnNodeGlyph(1, 19));
    EXPECT_FALSE(g.IsOnNodeGlyph(1, 20));
    g.MouseActions()->PreciseNodeClick = false;
    EXPECT_TRUE(g.IsOnNodeGlyph(1, 500));
}

// Random contracting, expanding, hiding, filtering and narrowing over rows with texts, heights and
// properties: every real row keeps them, shown in place or held hidden; showing all restores the
// grid, which is destroyed with rows still hidden.
TEST_F(ExtStringGridNodes, RandomOutlineAndFilterCallsKeepEveryRowInPlace)
{
    constexpr Integer kRows = 30;
    Fill(kRows);
    std::vector<TCellProperties*> props;
    for (Integer r = 0; r < kRows; ++r) {
        g.SetRowHeights(r, 20 + r);
        props.push_back(g.GetCellProperties(2, r));
    }
    MakeNode(2, 6);
    MakeNode(4, 2);
    MakeNode(10, 0);
    MakeNode(15, 6);
    MakeNode(25, 3);
    const std::vector<Integer> nodes = {2, 4, 10, 15, 25};
    const auto check = [&](const std::string& Where) {
        ASSERT_EQ(g.TotalRowCount(), kRows) << Where;
        Integer shown = 0;
        for (Integer r = 0; r < kRows; ++r) {
            ASSERT_EQ(g.GetCellsEx(1, r), IntToStr(r)) << Where;
            ASSERT_EQ(g.RealRowGridObject(2, r), props[static_cast<size_t>(r)]) << Where;
            if (g.IsHiddenRow(r)) continue;
            ASSERT_EQ(g.DisplRowIndex(r), shown++) << Where;
            ASSERT_EQ(g.RowHeights(g.DisplRowIndex(r)), 20 + r) << Where;
        }
        ASSERT_EQ(shown, g.RowCount()) << Where;
    };
    TFilterData* condition = nullptr;
    std::mt19937 random(2026);
    const String digits = u"0123456789";
    for (Integer step = 0; step < 400; ++step) {
        const Integer node = nodes[random() % nodes.size()];
        const Integer a = 1 + static_cast<Integer>(random() % (kRows - 1));
        std::string what;
        switch (random() % 10) {
        case 0:
            what = "contract";
            g.ContractNode(node);
            break;
        case 1:
            what = "expand";
            g.ExpandNode(node);
            break;
        case 2:
            what = "hide";
            g.HideRows(a, std::min(a + 2, kRows - 1));
            break;
        case 3:
            what = "unhide";
            g.UnHideRows(a, kRows - 1);
            break;
        case 4:
            what = "filter";
            g.Filter()->Clear();  // narrowing puts its own condition there
            condition = g.Filter()->Add();
            condition->Column = 1;
            condition->Condition = u"!*" + String(1, digits[random() % 10]) + u"*";
            g.ApplyFilter();
            break;
        case 5:
            what = "remove filter";
            g.RemoveLastFilter();
            break;
        case 6:
            what = "narrow";
            g.NarrowDown(String(1 + random() % 2, digits[random() % 3]), 1);
            break;
        case 7:
            what = "all contracted";
            g.ContractAll();
            break;
        case 8:
            what = "all expanded";
            g.ExpandAll();
            break;
        default:
            what = "show by index";
            g.UnHideRowsAll();
            break;
        }
        check("step " + std::to_string(step) + " " + what);
        if (HasFatalFailure()) return;
    }
    g.NarrowDown(u"", 1);
    g.RemoveAllFilters();
    g.ExpandAll();
    g.UnHideRowsAll();
    EXPECT_EQ(g.RowCount(), kRows);
    check("all shown");
    g.ContractNode(15);
    g.ApplyFilter();
}

// Right to left the glyph stands at column 0's right edge: the x positions that hit it, as client
// x, by level, with and without the vertical bar taking room.
TEST_F(ExtStringGridNodes, RightToLeftTheGlyphIsHitAtTheRightEdge)
{
    struct Case {
        Integer Row;
        Integer First, Last;  // client x from the client's right edge: first and last that hit
    };
    const Case cases[] = {{1, -18, -1}, {2, -30, -13}};
    auto check = [&](TNodeGrid& G, const char* Label) {
        const Integer right = G.ClientWidth();
        for (const Case& k : cases) {
            const Integer left = G.CellRect(0, k.Row).Left;
            auto hit = [&](Integer FromRight) { return G.IsOnNodeGlyph(k.Row, right + FromRight - left); };
            EXPECT_FALSE(hit(k.First - 1)) << Label << " row " << k.Row;
            EXPECT_TRUE(hit(k.First)) << Label << " row " << k.Row;
            EXPECT_TRUE(hit(k.Last)) << Label << " row " << k.Row;
            EXPECT_FALSE(hit(k.Last + 1)) << Label << " row " << k.Row;
        }
    };
    Fill(6);
    MakeNode(1, 4);
    MakeNode(2, 2);
    g.CellNode()->SetNodeIndent(12);
    g.CellNode()->SetNodeType(cnXP);
    g.SetBiDiMode(bdRightToLeft);
    check(g, "no window");
    EXPECT_FALSE(g.IsOnNodeGlyph(1, 5)) << "left-to-right places mean nothing here";
    g.SetBiDiMode(bdRightToLeftNoAlign);
    EXPECT_TRUE(g.IsOnNodeGlyph(1, 5)) << "only a mirrored layout moves the glyph";
    EXPECT_FALSE(g.IsOnNodeGlyph(1, 16));

    // On a shown form with more rows than room the vertical bar narrows the client.
    auto* form = new TForm(Application);
    form->SetBounds(0, 0, 500, 400);
    auto* shown = new TNodeGrid(form);
    shown->SetParent(form);
    shown->SetBounds(0, 0, 300, 120);
    shown->SetColCount(3);
    shown->SetRowCount(30);
    shown->SetFixedRows(1);
    shown->GetCellProperties(0, 1)->NodeLevel = 1;
    shown->GetCellProperties(0, 2)->NodeLevel = 2;
    shown->CellNode()->SetNodeIndent(12);
    shown->SetBiDiMode(bdRightToLeft);
    form->Show();
    h.ProcessMessages();
    ASSERT_LT(shown->ClientWidth(), shown->Width()) << "the bar takes room";
    check(*shown, "with the bar");
    delete form;
}

}  // namespace
}  // namespace gw::test
