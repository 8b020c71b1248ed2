// The kind byte a cell's properties keep of the graphic record in their slot: equal to the
// record's type (or "none") after every way records are attached, retyped, copied, moved with
// their cells, removed and freed; and the column check walks that read it change exactly the
// boxes the records describe.
#include "grid/foundation/graphic_kind.h"
#include "grid/model/cell_graphic.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/streams.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>

namespace gw::test {
namespace {

using TCellKey = std::pair<Integer, Integer>;

class TKindGrid : public TExtStringGrid {
public:
    using TExtStringGrid::GetCellGraphic;
    using TExtStringGrid::TExtStringGrid;
};

std::string Where(Integer ACol, Integer ARow) { return "(" + std::to_string(ACol) + "," + std::to_string(ARow) + ")"; }

// Every slot of the grid, hidden rows and columns included, by real column and row.
template <class Visit>
void ForEachProps(TExtStringGrid& G, Visit&& Apply)
{
    for (Integer r = 0; r < G.TotalRowCount(); ++r)
        for (Integer c = 0; c < G.ColCount() + G.NumHiddenColumns(); ++c)
            if (auto* props = dynamic_cast<TCellProperties*>(G.RealRowGridObject(c, r))) Apply(c, r, *props);
}

// Checks each byte against its record, then retypes each record and back: a link left to freed
// properties is written through there (the sanitizer build reports it), a lost link shows as a
// byte that does not follow. Answers the number of records seen.
int ExpectKindsFollowRecords(TExtStringGrid& G, const std::string& Step)
{
    int records = 0;
    ForEachProps(G, [&](Integer c, Integer r, TCellProperties& props) {
        auto* graphic = dynamic_cast<TCellGraphic*>(props.GraphicObject());
        if (!graphic) {
            EXPECT_EQ(props.GraphicKind(), NoGraphicKind) << Step << " " << Where(c, r);
            return;
        }
        ++records;
        const TCellType type = graphic->CellType;
        EXPECT_EQ(props.GraphicKind(), uint8_t(type)) << Step << " " << Where(c, r);
        graphic->CellType = type == ctExpand ? ctBitmap : ctExpand;
        EXPECT_EQ(props.GraphicKind(), uint8_t(graphic->CellType)) << Step << " retyped " << Where(c, r);
        graphic->CellType = type;
    });
    return records;
}

bool IsTextBox(TCellType T) { return T == ctDataCheckBox || T == ctVirtCheckBox; }

// CheckAll and UnCheckAll of every column, against what the records say: every check box the
// walk may set ends checked, then unchecked; every other cell keeps its text.
void ExpectColumnChecksFollowRecords(TExtStringGrid& G, const std::string& Step)
{
    std::map<TCellKey, String> kept;
    std::set<TCellKey> boxes;
    for (Integer r = G.FixedRows(); r < G.RowCount(); ++r)
        for (Integer c = 0; c < G.ColCount(); ++c) {
            auto* props = G.GetGridObject(c, r);
            auto* graphic = props ? dynamic_cast<TCellGraphic*>(props->GraphicObject()) : nullptr;
            if (graphic && (graphic->CellType == ctCheckBox || IsTextBox(graphic->CellType)))
                boxes.insert({c, r});
            if (!graphic || !IsTextBox(graphic->CellType)) kept[{c, r}] = G.GetGridCell(c, r);
        }
    for (const bool state : {true, false}) {
        for (Integer c = 0; c < G.ColCount(); ++c) state ? G.CheckAll(c) : G.UnCheckAll(c);
        // The walks take shown rows, IsChecked real ones.
        for (const TCellKey& cell : boxes)
            EXPECT_EQ(G.IsChecked(cell.first, G.RealRowIndex(cell.second)), state)
                << Step << " " << Where(cell.first, cell.second);
    }
    for (const auto& [cell, text] : kept)
        EXPECT_EQ(G.GetGridCell(cell.first, cell.second), text) << Step << " " << Where(cell.first, cell.second);
}

// Column 1: data check boxes; column 2: a plain box, a radio button, a button, a progress bar,
// a tri-state box; column 3: sort keys, one cell with properties but no graphic.
void Fill(TExtStringGrid& G)
{
    G.SetColCount(4);
    G.SetRowCount(6);
    for (Integer r = 1; r < 6; ++r) {
        G.AddCheckBox(1, r, r % 2 == 0, true);
        G.SetCellEx(3, r, IntToStr(10 - r));
    }
    G.SetCellEx(2, 1, u"caption");
    G.AddCheckBox(2, 1, false, false);
    G.AddRadioButton(2, 2, true);
    G.AddButton(2, 3, 20, 10, u"Go", haLeft, vaTop);
    G.AddProgress(2, 4, clRed, clWhite);
    G.AddCheckBox(2, 5, cbGrayed);
    G.GetCellProperties(3, 2)->SetBrushColor(clYellow);
}

struct KindCase {
    const char* Name;
    std::function<void(TKindGrid&)> Apply;
};

TEST(CellGraphicKind, FollowsTheRecordThroughEveryChangeOfTheGrid)
{
    const KindCase cases[] = {
        {"attached", [](TKindGrid&) {}},
        {"replaced by another kind",
         [](TKindGrid& G) {
             G.AddRadioButton(1, 2, false);
             G.AddCheckBox(2, 3, true, true);
             G.AddButton(2, 1, 10, 10, u"b", haLeft, vaTop);
         }},
        {"retyped in place",
         [](TKindGrid& G) {
             G.CreateCellGraphic(3, 1)->SetCheckBox(false, true, true, haLeft, vaTop);
             G.GetCellGraphic(2, 4)->SetCheckBox(true, false, true, haLeft, vaTop);
             G.GetCellGraphic(1, 5)->CellType = ctCheckBox;
         }},
        {"assigned from another record",
         [](TKindGrid& G) {
             G.GetCellGraphic(1, 1)->Assign(G.GetCellGraphic(2, 2));
             TCellGraphic loose;
             loose.CellType = ctDataCheckBox;
             G.GetCellGraphic(2, 3)->Assign(&loose);
         }},
        {"removed",
         [](TKindGrid& G) {
             G.RemoveCheckBox(1, 1);
             G.RemoveRadioButton(2, 2);
             G.RemoveCellGraphic(2, 3);
         }},
        {"cleared", [](TKindGrid& G) { G.ClearRows(2, 2); }},
        {"rows inserted", [](TKindGrid& G) { G.InsertRows(2, 2, false); }},
        {"rows removed", [](TKindGrid& G) { G.RemoveRows(2, 2); }},
        {"column inserted", [](TKindGrid& G) { G.InsertCols(1, 1); }},
        {"column removed", [](TKindGrid& G) { G.RemoveCols(1, 1); }},
        {"row moved", [](TKindGrid& G) { G.MoveRow(1, 4); }},
        {"column moved", [](TKindGrid& G) { G.MoveColumn(1, 3); }},
        {"rows and columns swapped",
         [](TKindGrid& G) {
             G.SwapRows(1, 5);
             G.SwapColumns(1, 2);
         }},
        {"sorted", [](TKindGrid& G) { G.SortByColumn(3); }},
        {"row hidden", [](TKindGrid& G) { G.HideRow(2); }},
        {"row hidden and shown",
         [](TKindGrid& G) {
             G.HideRow(2);
             G.UnHideRow(2);
         }},
        {"column hidden", [](TKindGrid& G) { G.HideColumn(1); }},
        {"merged", [](TKindGrid& G) { G.MergeCells(1, 1, 2, 2); }},
        {"merged and split",
         [](TKindGrid& G) {
             G.MergeCells(1, 1, 2, 2);
             G.SplitCells(1, 1);
         }},
        {"grouped", [](TKindGrid& G) { G.Group(3); }},
        {"rows cut and grown",
         [](TKindGrid& G) {
             G.SetRowCount(3);
             G.SetRowCount(6);
         }},
        {"cells copied in",
         [](TKindGrid& G) {
             TExtStringGrid other(nullptr);
             Fill(other);
             other.AddCheckBox(2, 2, true, true);
             G.AssignCells(&other);
             EXPECT_EQ(ExpectKindsFollowRecords(other, "source of the copy"), 10);
         }},
        {"streamed in",
         [](TKindGrid& G) {
             TExtStringGrid other(nullptr);
             Fill(other);
             other.RemoveCheckBox(1, 3);
             TMemoryStream stream;
             other.SaveToStream(&stream);
             stream.SetPosition(0);
             G.LoadFromStream(&stream);
         }},
        {"all cleared", [](TKindGrid& G) { G.ClearAll(); }},
    };
    for (const KindCase& c : cases) {
        THarness h;
        TKindGrid g(nullptr);
        Fill(g);
        c.Apply(g);
        const int records = ExpectKindsFollowRecords(g, c.Name);
        EXPECT_TRUE(records > 0 || std::string(c.Name) == "all cleared") << c.Name << ": nothing was checked";
        ExpectColumnChecksFollowRecords(g, c.Name);
        ExpectKindsFollowRecords(g, std::string(c.Name) + ", then checked");
    }
}

TEST(CellGraphicKind, TheSharedRowCheckBoxAndForeignObjectsLeaveTheByteAtNone)
{
    THarness h;
    TKindGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(3);
    TPersistent foreign;
    g.SetGraphicObjectEx(1, 1, &foreign);
    EXPECT_EQ(g.GetCellProperties(1, 1)->GraphicKind(), NoGraphicKind);
    EXPECT_EQ(g.GetCellGraphic(1, 1), nullptr);
    g.CheckAll(1);
    EXPECT_EQ(g.GetGraphicObjectEx(1, 1), &foreign) << "nothing of the cell changes";
    g.SetGraphicObjectEx(1, 1, nullptr);
    // A record no slot holds (the grid's shared one) mirrors nowhere.
    EXPECT_FALSE(TCellGraphic().CellType.Mirrored());
}

}  // namespace
}  // namespace gw::test
