// The text a cell is saved or exported as, the expand button's event and row height, and the
// rows the keyboard deletes (the stored-cell operations they end in are recorded).
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gw::test {
namespace {

// Cell types, graphics and formatted texts belong to other rooms: here each is what the test
// says. DeleteRowRange is recorded.
class TRowsGrid : public TExtStringGrid {
public:
    using TExtStringGrid::AutoDeleteRow;
    using TExtStringGrid::DoExpandClick;
    using TExtStringGrid::GetExportCellText;
    using TExtStringGrid::TExtStringGrid;

    TCellType GetCellType(Integer, Integer) override { return CellType; }
    TCellGraphic* GetCellGraphic(Integer, Integer) override { return HasGraphic ? &Graphic : nullptr; }
    String GetFormattedCell(Integer ACol, Integer ARow) override { return u"[" + Cells(ACol, ARow) + u"]"; }
    void DeleteRowRange(Integer ARow, Integer ACount) override
    {
        Log.push_back("delete " + std::to_string(ARow) + "," + std::to_string(ACount));
    }

    TCellType CellType = ctEmpty;
    bool HasGraphic = false;
    TCellGraphic Graphic;
    std::vector<std::string> Log;
};

class ExtStringGridExportRows : public ::testing::Test {
protected:
    std::string Export(const String& Text)
    {
        g.SetCells(2, 3, Text);
        return StringToUtf8(g.GetExportCellText(2, 3));
    }
    THarness h;
    TRowsGrid g{nullptr};
};

const char* const Rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Port\\par\r\n\\b TCP\\b0}";

// The text by its kind and the save settings.
TEST_F(ExtStringGridExportRows, TheExportTextFollowsTheSaveSettings)
{
    struct TCase {
        const char* Name;
        bool VirtCells, WithHTML, WithRTF;
        std::string Cell, Expected;
    };
    const std::string rtf = Rtf;
    const TCase cases[] = {
        {"stored text", false, true, false, "502", "502"},
        {"formatted text", true, true, false, "502", "[502]"},
        {"mark-up kept", false, true, false, "<b>Port</b> 502", "<b>Port</b> 502"},
        {"mark-up dropped", false, false, false, "<b>Port</b> 502", "Port 502"},
        {"rich text on one line", false, true, true, rtf,
         "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Port\\par\\b TCP\\b0}"},
        {"rich text as its plain text", false, true, false, rtf, "Port\r\nTCP"},
        {"empty", false, true, false, "", ""},
    };
    for (const TCase& c : cases) {
        g.SaveVirtCells = c.VirtCells;
        g.SaveWithHTML = c.WithHTML;
        g.SaveWithRTF = c.WithRTF;
        EXPECT_EQ(Export(Utf8ToString(c.Cell)), c.Expected) << c.Name;
    }
}

// An empty tri-state box exports its check text; grayed counts as unchecked.
TEST_F(ExtStringGridExportRows, AnEmptyTriStateBoxExportsItsCheckText)
{
    g.SaveVirtCells = false;
    g.CellType = ctTriStateCheckBox;
    g.HasGraphic = true;
    g.Graphic.CellType = ctTriStateCheckBox;
    g.CheckTrue = u"on";
    struct TCase {
        TCheckBoxState State;
        std::string Expected;
    };
    for (const TCase& c : {TCase{cbChecked, "on"}, TCase{cbUnchecked, "N"}, TCase{cbGrayed, "N"}}) {
        g.Graphic.CellCheckBoxState = c.State;
        EXPECT_EQ(Export(u""), c.Expected) << c.State;
    }
    EXPECT_EQ(Export(u"x"), "x") << "a box with a text exports the text";
    g.CellType = ctEmpty;
    g.Graphic.CellCheckBoxState = cbChecked;
    EXPECT_EQ(Export(u""), "") << "only check boxes have a check text";
}

// OnSaveCell has the last word, on the text the settings made.
TEST_F(ExtStringGridExportRows, OnSaveCellRewritesTheExportedText)
{
    g.SaveVirtCells = false;
    g.SaveWithHTML = false;
    std::vector<std::string> seen;
    g.OnSaveCell = [&](TObject* S, Integer ACol, Integer ARow, String& Value) {
        seen.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + " " + StringToUtf8(Value) +
                       (S == &g ? " grid" : " other"));
        Value += u"!";
    };
    EXPECT_EQ(Export(u"<i>a</i>"), "a!");
    EXPECT_EQ(seen, std::vector<std::string>{"2,3 a grid"});
}

// The event first, then the row takes the state's height: expanded CellAngle, collapsed CellIndex.
TEST_F(ExtStringGridExportRows, AnExpandClickReportsThenSetsTheRowHeight)
{
    std::vector<std::string> log;
    g.OnExpandClick = [&](TObject* S, Integer ACol, Integer ARow, bool Expanded) {
        log.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + (Expanded ? " open " : " closed ") +
                      std::to_string(g.RowHeights(ARow)) + (S == &g ? " grid" : " other"));
    };
    g.HasGraphic = true;
    g.Graphic.CellAngle = 90;
    g.Graphic.CellIndex = 18;
    g.DoExpandClick(1, 4, true);
    EXPECT_EQ(g.RowHeights(4), 90);
    g.DoExpandClick(1, 4, false);
    EXPECT_EQ(g.RowHeights(4), 18);
    g.HasGraphic = false;
    g.DoExpandClick(1, 4, true);
    EXPECT_EQ(g.RowHeights(4), g.DefaultRowHeight()) << "a cell without a record";
    EXPECT_EQ(log, (std::vector<std::string>{"1,4 open 22 grid", "1,4 closed 90 grid", "1,4 open 18 grid"}));
}

// Without nodes a row is removed and then reported; the only normal row is removed only when
// the first row is kept a header anyway (FixedRowAlways).
TEST_F(ExtStringGridExportRows, TheKeyboardsRowDeletionRemovesThenReports)
{
    g.OnAutoDeleteRow = [&](TObject* S, Integer ARow) {
        g.Log.push_back("reported " + std::to_string(ARow) + (S == &g ? " grid" : " other"));
    };
    g.SetRowCount(3);
    g.AutoDeleteRow(2);
    g.SetRowCount(2);
    g.FixedRowAlways = true;
    g.AutoDeleteRow(1);
    EXPECT_EQ(g.Log, (std::vector<std::string>{"delete 2,1", "reported 2 grid", "delete 1,1", "reported 1 grid"}));
}

}  // namespace
}  // namespace gw::test
