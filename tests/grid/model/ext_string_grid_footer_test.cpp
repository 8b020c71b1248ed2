// The footer row's calculated cells: the calculation type in the footer cell's properties picks
// the column function, COUNT, the custom events in their order, or leaves the cell.
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/convert.h"
#include "tests/support/format_settings.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

class FooterGrid : public TExtStringGrid {
public:
    FooterGrid() : TExtStringGrid(nullptr) {}
    using TExtStringGrid::CalcFooter;
    using TExtStringGrid::CalcFooterCells;
    using TExtStringGrid::ColumnCalcChanged;
};

class ExtStringGridFooter : public FormatSettingsTest {
protected:
    THarness h;
    FooterGrid g;

    // Rows 1..4 hold 1..4 in every column; row 5 is the footer.
    void SetUp() override
    {
        FormatSettingsTest::SetUp();
        g.SetColCount(4);
        g.SetRowCount(6);
        g.SetFixedRows(1);
        g.SetFixedFooters(1);
        for (Integer c = 0; c < 4; ++c) {
            for (Integer r = 1; r < 5; ++r) g.SetGridCell(c, r, IntToStr(r));
            g.SetGridCell(c, 5, u"old");
        }
    }
    void Calc(Integer ACol, TColumnCalcType Type) { g.GetCellProperties(ACol, 5)->CalcType = Type; }
};

TEST_F(ExtStringGridFooter, EachTypeFillsItsColumnsFooterCell)
{
    struct Case {
        uint8_t Type;
        const char16_t* Expected;
    };
    for (const Case& c : {Case{acSUM, u"10.00"}, Case{acAVG, u"2.50"}, Case{acMIN, u"1.00"}, Case{acMAX, u"4.00"},
                          Case{acCOUNT, u"4"}, Case{acDISTINCT, u"4.00"}, Case{acSTDDEV, u"1.12"},
                          Case{uint8_t(acSUM | 0x80), u"10.00"}, Case{acSPREAD, u"old"}, Case{acCUSTOM, u""}}) {
        g.SetGridCell(1, 5, u"old");
        Calc(1, TColumnCalcType(c.Type));
        g.CalcFooterCells(1, false, nullptr);
        EXPECT_EQ(g.GetGridCell(1, 5), c.Expected) << int(c.Type);
    }
}

TEST_F(ExtStringGridFooter, OnlyColumnsWithACalculationChange)
{
    Calc(2, acSUM);
    Calc(3, acNONE);
    g.CalcFooterCells(-1, false, nullptr);
    EXPECT_EQ(g.GetGridCell(0, 5), u"old") << "no properties, no calculation";
    EXPECT_EQ(g.GetGridCell(1, 5), u"old");
    EXPECT_EQ(g.GetGridCell(2, 5), u"10.00");
    EXPECT_EQ(g.GetGridCell(3, 5), u"old");
}

TEST_F(ExtStringGridFooter, TheGridsCustomEventComesBeforeTheFooters)
{
    Calc(1, acCUSTOM);
    const TCalcFooterEvent footerEvent = [](TObject*, Integer ACol, Integer ARow, String& Value) {
        Value = u"footer " + IntToStr(ACol) + u"," + IntToStr(ARow);
    };
    g.CalcFooterCells(1, false, footerEvent);
    EXPECT_EQ(g.GetGridCell(1, 5), u"footer 1,5");
    g.OnCalcFooter = [](TObject* Sender, Integer, Integer, String& Value) { Value = Sender ? u"grid" : u"no sender"; };
    g.CalcFooterCells(1, false, footerEvent);
    EXPECT_EQ(g.GetGridCell(1, 5), u"grid");
}

TEST_F(ExtStringGridFooter, OnlyAVisibleSummaryFooterWithItsCalculationOnIsCalculated)
{
    Calc(1, acSUM);
    TFloatingFooter& footer = *g.FloatingFooter();
    g.CalcFooter(1);
    EXPECT_EQ(g.GetGridCell(1, 5), u"old") << "a hidden footer";
    footer.SetVisible(true);
    footer.EnableCalculation = false;
    g.CalcFooter(1);
    EXPECT_EQ(g.GetGridCell(1, 5), u"old") << "calculation off";
    footer.EnableCalculation = true;
    footer.SetFooterStyle(fsColumnPreview);
    g.CalcFooter(1);
    EXPECT_EQ(g.GetGridCell(1, 5), u"old") << "a preview footer";
    footer.SetFooterStyle(fsFixedLastRow);
    g.ColumnCalcChanged();
    EXPECT_EQ(g.GetGridCell(1, 5), u"10.00");
    // The footer's own event answers acCUSTOM.
    Calc(2, acCUSTOM);
    footer.OnCalcFooter = [](TObject*, Integer, Integer, String& Value) { Value = u"from the footer"; };
    g.CalcFooter(-1);
    EXPECT_EQ(g.GetGridCell(2, 5), u"from the footer");
}

TEST_F(ExtStringGridFooter, ASortLeavesTheVisibleFootersRowLast)
{
    g.FloatingFooter()->SetVisible(true);
    ASSERT_EQ(g.FixedFooters(), 1);
    g.SetGridCell(1, 5, u"0");
    g.Sort(1, sdAscending);
    EXPECT_EQ(g.GetGridCell(1, 5), u"0");
    EXPECT_EQ(g.GetGridCell(1, 1), u"1");
    g.Sort(1, sdDescending);
    EXPECT_EQ(g.GetGridCell(1, 1), u"4");
    EXPECT_EQ(g.GetGridCell(1, 5), u"0");
}

}  // namespace
}  // namespace gw::test
