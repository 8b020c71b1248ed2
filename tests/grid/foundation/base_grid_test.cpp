// The grid cell store: defaults, texts through base cells and display hooks, the object slots
// and who frees what, rows and columns inserted, deleted and moved with their properties, merges
// and their queries, range refusals, geometry, the painting frame and the keys over merges.
#include "grid/foundation/base_grid.h"
#include "grid/foundation/csv_utils.h"
#include "grid/foundation/gradients.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace gw::test {
namespace {

// Counts its ends: the grid frees a graphic object of this class name with the properties.
int g_graphicsFreed = 0;
class TFakeCellGraphic : public TObject {
public:
    ~TFakeCellGraphic() override { ++g_graphicsFreed; }
    String ClassName() const override { return u"TCellGraphic"; }
};

class TTestBaseGrid : public TBaseGrid {
public:
    using TBaseGrid::EmptyCell;
    using TBaseGrid::EmptyColumn;
    using TBaseGrid::EmptyRow;
    using TBaseGrid::FHideLastRow;
    using TBaseGrid::FHoverRowIdx;
    using TBaseGrid::FNormalRowCount;
    using TBaseGrid::FreeCellObject;
    using TBaseGrid::FreeCellPropertiesRange;
    using TBaseGrid::PaintCellCore;
    using TBaseGrid::ResolveBaseCell;
    using TBaseGrid::TBaseGrid;
    using TBaseGrid::VirtualCellRect;

    bool Nodes = false;
    std::vector<std::string> Bodies;
    std::vector<std::string> Changed;
    Integer HiddenChanges = 0;

    bool HasNodes() const override { return Nodes; }
    void PaintCellBody(TCanvas&, Integer ACol, Integer ARow, const TRect&, TGridDrawState) override
    {
        Bodies.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
    }

protected:
    void CellChanged(Integer ACol, Integer ARow) override
    {
        Changed.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
    }
    void HiddenLastRowChanged() override { ++HiddenChanges; }
};

std::string Utf8(StringView S) { return StringToUtf8(S); }

class BaseGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_graphicsFreed = 0;
        form = new TForm(Application);
        form->SetBounds(0, 0, 800, 600);
        grid = new TTestBaseGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 600, 400);
        grid->SetColCount(6);
        grid->SetRowCount(5);
        grid->SetFixedCols(0);
        grid->SetFixedRows(0);
        form->Show();
        h.ProcessMessages();
    }
    void TearDown() override { delete form; }

    // Every cell written "c,r" over the counts.
    void Fill()
    {
        for (Integer c = 0; c < grid->ColCount(); ++c)
            for (Integer r = 0; r < grid->RowCount(); ++r) grid->SetGridCell(c, r, IntToStrU(c) + u"," + IntToStrU(r));
    }
    static String IntToStrU(Integer V) { return Utf8ToString(std::to_string(V)); }
    // One row's texts joined by "|".
    std::string RowText(Integer ARow) const
    {
        std::string s;
        for (Integer c = 0; c < grid->ColCount(); ++c) s += (c ? "|" : "") + Utf8(grid->GetGridCell(c, ARow));
        return s;
    }
    // Gives a cell properties that hold a counted graphic.
    void Mark(Integer ACol, Integer ARow) { grid->SetGraphicObjectEx(ACol, ARow, new TFakeCellGraphic); }
    bool Marked(Integer ACol, Integer ARow) const { return grid->GetGraphicObjectEx(ACol, ARow) != nullptr; }

    THarness h;
    TForm* form = nullptr;
    TTestBaseGrid* grid = nullptr;
};

TEST_F(BaseGridTest, StartsWithTheDefaultsOfEveryField)
{
    TBaseGrid g(nullptr);
    EXPECT_FALSE(g.DefaultDrawing());
    EXPECT_FALSE(g.TCustomGrid::DefaultDrawing()) << "the base grid's own drawing stays off";
    EXPECT_EQ(g.GridLineWidth(), 1);
    EXPECT_EQ(g.TCustomGrid::GridLineWidth(), 0) << "the cell painter draws the lines";
    EXPECT_EQ(g.GridLineColor(), TColor(0xC0C0C0));
    EXPECT_EQ(g.GridFixedLineColor(), TColor(0x808080));
    EXPECT_EQ(g.PaintID(), 1);
    EXPECT_EQ(g.UndoRedo(), nullptr);
    EXPECT_TRUE(g.WordWrap);
    EXPECT_FALSE(g.ActiveRowShow());
    EXPECT_EQ(g.ActiveRowColor(), TColor(0xFF000018));
    EXPECT_EQ(g.ActiveRowColorTo(), clNone);
    EXPECT_EQ(g.ActiveRowMirrorColor(), clNone);
    EXPECT_EQ(g.ActiveRowMirrorColorTo(), clNone);
    EXPECT_EQ(g.SelectionStyle(), ssDefault);
    EXPECT_FALSE(g.HoverRow);
    EXPECT_EQ(g.HoverRowCells, hcNormal | hcSelected);
    EXPECT_EQ(g.HoverRowColor, TColor(0xFF000018));
    EXPECT_EQ(g.HoverRowColorTo, clNone);
    EXPECT_FALSE(g.FHasCellProps);
    EXPECT_EQ(g.MergeCount(), 0);
    g.SetDefaultDrawing(true);
    EXPECT_TRUE(g.DefaultDrawing());
    EXPECT_FALSE(g.TCustomGrid::DefaultDrawing());
    g.SetGridLineWidth(3);
    EXPECT_EQ(g.GridLineWidth(), 3);
    EXPECT_EQ(g.TCustomGrid::GridLineWidth(), 0);
}

TEST_F(BaseGridTest, TextsGoThroughTheBaseCellOfAMerge)
{
    Fill();
    grid->MergeCells(1, 1, 3, 2);
    EXPECT_EQ(grid->GetCellEx(3, 2), u"1,1");
    EXPECT_EQ(grid->GetGridCell(3, 2), u"3,2") << "the raw cell keeps its own text";
    grid->SetCellEx(2, 2, u"merged");
    EXPECT_EQ(grid->GetGridCell(1, 1), u"merged");
    EXPECT_EQ(grid->GetGridCell(2, 2), u"2,2");
    EXPECT_EQ(grid->Changed, std::vector<std::string>{"1,1"}) << "CellChanged names the base cell";
    grid->SetCellEx(5, 4, u"plain");
    EXPECT_EQ(grid->GetCellEx(5, 4), u"plain");
    EXPECT_EQ(grid->Changed.size(), 1u) << "a cell without properties is written directly";
    EXPECT_EQ(grid->GetCellEx(50, 3), u"") << "outside the store reads empty";
    EXPECT_FALSE(grid->CellHasProperties(50, 3));
}

TEST_F(BaseGridTest, DisplayHooksRunForNormalRowsOnly)
{
    grid->SetGridCell(0, 1, u"ab");
    grid->SetGridCell(0, 3, u"cd");
    std::vector<std::string> seen;
    grid->OnGetDisplText = [&](TObject*, Integer c, Integer r, String& v) {
        seen.push_back(std::to_string(c) + "," + std::to_string(r));
        v += u"!";
    };
    EXPECT_EQ(grid->GetCellEx(0, 1), u"ab") << "FNormalRowCount 0: no hooks";
    grid->FNormalRowCount = 2;
    EXPECT_EQ(grid->GetCellEx(0, 1), u"ab!");
    EXPECT_EQ(grid->GetCellEx(0, 3), u"cd") << "at or beyond FNormalRowCount: the stored text";
    EXPECT_EQ(seen, std::vector<std::string>{"0,1"});
    String wideSeen;
    grid->OnGetDisplWideText = [&](TObject*, Integer, Integer, String& v) {
        wideSeen = v;
        v = u"\u20AC";
    };
    EXPECT_EQ(grid->GetCellEx(0, 1), EncodeWideCellText(u"\u20AC"));
    EXPECT_EQ(wideSeen, u"ab!") << "the wide hook sees the decoded text after the plain hook";
}

// ExchangeCellEx must do what GetCellEx then SetCellEx do, on every kind of cell.
TEST_F(BaseGridTest, ExchangeIsAReadThenAWriteOfTheSameCell)
{
    grid->MergeCells(1, 1, 3, 2);
    Mark(5, 0);
    grid->FNormalRowCount = 3;
    grid->FHideLastRow = true;
    std::vector<std::string> asked;
    grid->OnGetDisplText = [&](TObject*, Integer c, Integer r, String& v) {
        asked.push_back(std::to_string(c) + "," + std::to_string(r));
        v += u"!";
    };
    struct Outcome {
        std::string Old, Rows, Changed, Asked;
        Integer Hidden = 0;
        bool operator==(const Outcome&) const = default;
    };
    auto run = [&](Integer ACol, Integer ARow, bool Exchange) {
        Fill();
        grid->Changed.clear();
        grid->HiddenChanges = 0;
        asked.clear();
        Outcome o;
        if (Exchange) {
            o.Old = Utf8(grid->ExchangeCellEx(ACol, ARow, u"new"));
        } else {
            o.Old = Utf8(grid->GetCellEx(ACol, ARow));
            grid->SetCellEx(ACol, ARow, u"new");
        }
        for (Integer r = 0; r < grid->RowCount(); ++r) o.Rows += RowText(r) + "/";
        for (const std::string& c : grid->Changed) o.Changed += c + ";";
        for (const std::string& a : asked) o.Asked += a + ";";
        o.Hidden = grid->HiddenChanges;
        return o;
    };
    struct Case {
        const char* Kind;
        Integer Col, Row;
        const char* Old;
        const char* Changed;
    };
    for (const Case c : {Case{"plain, normal row", 0, 2, "0,2!", ""}, Case{"merge, other cell", 3, 2, "1,1!", "1,1;"},
                         Case{"merge, base cell", 1, 1, "1,1!", "1,1;"}, Case{"properties, plain", 5, 0, "5,0!", "5,0;"},
                         Case{"beyond the normal rows", 4, 3, "4,3", ""}, Case{"hidden last row", 2, 4, "2,4", ""}}) {
        const Outcome exchanged = run(c.Col, c.Row, true);
        EXPECT_EQ(exchanged, run(c.Col, c.Row, false)) << c.Kind;
        EXPECT_EQ(exchanged.Old, c.Old) << c.Kind;
        EXPECT_EQ(exchanged.Changed, c.Changed) << c.Kind;
        EXPECT_EQ(exchanged.Hidden, c.Row == 4 ? 1 : 0) << c.Kind;
    }
}

TEST_F(BaseGridTest, PropertiesAreMadeOnDemandFromTheCellDefaults)
{
    grid->Font()->SetName(u"Sans");
    grid->Font()->SetSize(11);
    grid->SetColor(0x123456);
    grid->WordWrap = false;
    EXPECT_FALSE(grid->CellHasProperties(2, 3));
    TCellProperties* p = grid->GetCellProperties(2, 3);
    EXPECT_TRUE(grid->FHasCellProps);
    EXPECT_EQ(grid->GetCellProperties(2, 3), p) << "made once";
    EXPECT_EQ(p->OwnerCol, 2);
    EXPECT_EQ(p->OwnerRow, 3);
    EXPECT_EQ(p->FontName, u"Sans");
    EXPECT_EQ(p->FontSize, 11);
    EXPECT_EQ(p->BrushColor(), TColor(0x123456));
    EXPECT_EQ(p->BrushColorTo(), clNone);
    EXPECT_FALSE(p->WordWrap());
    EXPECT_EQ(p->Alignment, taLeftJustify);
    EXPECT_EQ(p->VAlignment(), vtaTop);
    EXPECT_EQ(p->GradientDirection, GradientVertical);
}

TEST_F(BaseGridTest, ObjectsAttachWithoutTouchingTheText)
{
    TObject user;
    grid->SetObjectEx(1, 1, &user);
    EXPECT_EQ(grid->GetObjectEx(1, 1), &user);
    EXPECT_EQ(grid->GetGridCell(1, 1), u"") << "an empty text stays empty";
    grid->SetGridCell(2, 2, u"kept");
    grid->SetObjectEx(2, 2, &user);
    EXPECT_EQ(grid->GetGridCell(2, 2), u"kept");
    EXPECT_EQ(grid->GetObjectEx(3, 3), nullptr);
    EXPECT_EQ(grid->GetGraphicObjectEx(3, 3), nullptr);
    EXPECT_FALSE(grid->CellHasProperties(3, 3)) << "reading makes nothing";
}

TEST_F(BaseGridTest, SlotsFreeWhatTheyOwnAndEmptyingOnlyDropsIt)
{
    Mark(0, 0);
    Mark(1, 0);
    Mark(2, 0);
    Mark(3, 0);
    grid->SetCellProperties(0, 0, nullptr);
    EXPECT_EQ(g_graphicsFreed, 1) << "SetCellProperties frees the old properties and their graphic";
    grid->SetCellProperties(1, 0, grid->GetCellProperties(1, 0));
    EXPECT_TRUE(Marked(1, 0)) << "storing what the slot holds frees nothing";
    grid->FreeCellObject(1, 0);
    EXPECT_EQ(g_graphicsFreed, 2);
    EXPECT_FALSE(grid->CellHasProperties(1, 0));

    // Emptying drops the reference: the caller has put the properties elsewhere first.
    TCellProperties* moved = grid->GetGridObject(2, 0);
    grid->SetGridCell(2, 0, u"x");
    grid->EmptyCell(2, 0);
    EXPECT_EQ(grid->GetGridObject(2, 0), nullptr);
    EXPECT_EQ(grid->GetGridCell(2, 0), u"");
    EXPECT_EQ(g_graphicsFreed, 2);
    grid->SetGridObject(4, 4, moved);

    TObject user;
    grid->SetObjectEx(3, 1, &user);  // not a graphic: never freed
    grid->FreeCellPropertiesRange(3, 0, 3, 1);
    EXPECT_EQ(g_graphicsFreed, 3);
    EXPECT_FALSE(grid->CellHasProperties(3, 1));
    // (4, 4) is freed by the grid's end; the sanitizers see a leak or a double free.
}

TEST_F(BaseGridTest, PropertiesMadeElsewhereCountOnceStored)
{
    grid->SetGridCell(0, 0, u"base");
    auto* props = new TCellProperties(nullptr, 0, 0);
    props->IsBaseCell = false;
    props->CellSpanX = 0;
    props->CellSpanY = 0;
    grid->SetGridObject(1, 1, props);  // an offset of (1, 1) from its base
    props->CellSpanX = 1;
    props->CellSpanY = 1;
    EXPECT_TRUE(grid->CellHasProperties(1, 1));
    EXPECT_EQ(grid->GetCellEx(1, 1), u"base") << "texts go through records the grid did not make";
}

TEST_F(BaseGridTest, EmptyRowAndColumnDropEveryReference)
{
    Fill();
    Mark(1, 2);
    Mark(3, 2);
    TCellProperties* a = grid->GetGridObject(1, 2);
    TCellProperties* b = grid->GetGridObject(3, 2);
    grid->EmptyRow(2);
    EXPECT_EQ(RowText(2), "|||||");
    EXPECT_FALSE(grid->CellHasProperties(1, 2));
    Mark(4, 0);
    TCellProperties* c = grid->GetGridObject(4, 0);
    grid->EmptyColumn(4);
    EXPECT_EQ(grid->GetGridCell(4, 0), u"");
    EXPECT_EQ(grid->GetGridCell(4, 3), u"");
    EXPECT_EQ(g_graphicsFreed, 0);
    grid->SetGridObject(1, 4, a);
    grid->SetGridObject(3, 4, b);
    grid->SetGridObject(5, 4, c);
}

TEST_F(BaseGridTest, CellsOutsideTheGridAreRefused)
{
    struct Case {
        const char* What;
        std::function<void()> Call;
    };
    const std::vector<Case> cases = {
        {"GetCellProperties", [&] { grid->GetCellProperties(6, 0); }},
        {"GetCellProperties", [&] { grid->GetCellProperties(0, 5); }},
        {"GetCellProperties", [&] { grid->GetCellProperties(-1, 0); }},
        {"SetCellProperties", [&] { grid->SetCellProperties(0, -1, nullptr); }},
        {"MergeCells", [&] { grid->MergeCells(4, 3, 3, 1); }},
        {"MergeCells", [&] { grid->MergeCells(0, 4, 1, 2); }},
        {"MergeCells", [&] { grid->MergeCells(-1, 0, 2, 2); }},
        {"MergeCells", [&] { grid->MergeCells(1, 1, std::numeric_limits<Integer>::max(), 1); }},
        {"SplitCells", [&] { grid->SplitCells(6, 4); }},
        {"SetObjectEx", [&] { grid->SetObjectEx(0, 9, nullptr); }},
    };
    for (const Case& c : cases) {
        try {
            c.Call();
            ADD_FAILURE() << c.What << " accepted a cell outside";
        } catch (const EInvalidGridOperation& e) {
            EXPECT_NE(Utf8(e.Message()).find(c.What), std::string::npos) << Utf8(e.Message());
            EXPECT_NE(Utf8(e.Message()).find("outside the grid"), std::string::npos);
        }
    }
    EXPECT_EQ(grid->MergeCount(), 0) << "a refused merge counts nothing";
    EXPECT_FALSE(grid->FHasCellProps) << "and makes no properties";
    grid->MergeCells(5, 4, 0, 3);  // spans below 1 touch no cell, wherever they lie
    EXPECT_EQ(grid->MergeCount(), 1);
}

// --- rows and columns --------------------------------------------------------------------------------

struct RowColCase {
    const char* Name;
    std::function<void(TTestBaseGrid&)> Op;
    std::vector<std::string> Rows;  // rows 0..3 of columns 0..3 after the operation
    std::vector<std::pair<Integer, Integer>> MarkedAfter;
    Integer Freed;
};

TEST_F(BaseGridTest, RowsAndColumnsCarryTheirPropertiesAndFreeTheDeletedOnes)
{
    const std::vector<RowColCase> cases = {
        {"insert rows",
         [](TTestBaseGrid& g) { g.InsertRows(1, 2); },
         {"0,0|1,0|2,0|3,0", "|||", "|||", "0,1|1,1|2,1|3,1"},
         {{1, 3}, {2, 4}},
         0},
        {"delete rows",
         [](TTestBaseGrid& g) { g.DeleteRows(1, 1); },
         {"0,0|1,0|2,0|3,0", "0,2|1,2|2,2|3,2", "0,3|1,3|2,3|3,3", "0,4|1,4|2,4|3,4"},
         {{2, 1}},
         1},
        {"insert columns",
         [](TTestBaseGrid& g) { g.InsertCols(1, 1); },
         {"0,0||1,0|2,0", "0,1||1,1|2,1", "0,2||1,2|2,2", "0,3||1,3|2,3"},
         {{2, 1}, {3, 2}},
         0},
        {"delete columns",
         [](TTestBaseGrid& g) { g.DeleteCols(0, 2); },
         {"2,0|3,0|4,0|5,0", "2,1|3,1|4,1|5,1", "2,2|3,2|4,2|5,2", "2,3|3,3|4,3|5,3"},
         {{0, 2}},
         1},
        {"move row down",
         [](TTestBaseGrid& g) { g.MoveRow(1, 3); },
         {"0,0|1,0|2,0|3,0", "0,2|1,2|2,2|3,2", "0,3|1,3|2,3|3,3", "0,1|1,1|2,1|3,1"},
         {{1, 3}, {2, 1}},
         0},
        {"move column left",
         [](TTestBaseGrid& g) { g.MoveColumn(2, 0); },
         {"2,0|0,0|1,0|3,0", "2,1|0,1|1,1|3,1", "2,2|0,2|1,2|3,2", "2,3|0,3|1,3|3,3"},
         {{2, 1}, {0, 2}},
         0},
    };
    for (const RowColCase& c : cases) {
        SCOPED_TRACE(c.Name);
        g_graphicsFreed = 0;
        grid->SetColCount(6);
        grid->SetRowCount(5);
        Fill();
        Mark(1, 1);
        Mark(2, 2);
        c.Op(*grid);
        for (Integer r = 0; r < 4; ++r) {
            std::string s;
            for (Integer col = 0; col < 4; ++col) s += (col ? "|" : "") + Utf8(grid->GetGridCell(col, r));
            EXPECT_EQ(s, c.Rows[std::size_t(r)]) << "row " << r;
        }
        for (auto [col, row] : c.MarkedAfter) EXPECT_TRUE(Marked(col, row)) << col << "," << row;
        EXPECT_EQ(g_graphicsFreed, c.Freed);
        grid->FreeCellPropertiesRange(0, 0, 20, 20);
        EXPECT_EQ(g_graphicsFreed, 2);
    }
}

TEST_F(BaseGridTest, RowCellsMoveWholeWithTheirPropertiesAndMergesPastAKeptColumn)
{
    struct Case {
        const char* Name;
        Integer From, To;
        std::vector<std::string> Rows;  // rows 0..4, columns 0..3
        Integer MovedTo;                // where row 1's data (its mark and merge) went
    };
    const std::vector<Case> cases = {
        {"down", 1, 3, {"0,0|1,0|2,0|3,0", "0,1|1,2|2,2|3,2", "0,2|1,3|2,3|3,3", "0,3|1,1|2,1|3,1", "0,4|1,4|2,4|3,4"}, 3},
        {"up", 3, 1, {"0,0|1,0|2,0|3,0", "0,1|1,3|2,3|3,3", "0,2|1,1|2,1|3,1", "0,3|1,2|2,2|3,2", "0,4|1,4|2,4|3,4"}, 2},
        {"to the next row", 1, 2, {"0,0|1,0|2,0|3,0", "0,1|1,2|2,2|3,2", "0,2|1,1|2,1|3,1", "0,3|1,3|2,3|3,3", "0,4|1,4|2,4|3,4"}, 2},
        {"to the last row", 0, 4, {"0,0|1,1|2,1|3,1", "0,1|1,2|2,2|3,2", "0,2|1,3|2,3|3,3", "0,3|1,4|2,4|3,4", "0,4|1,0|2,0|3,0"}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        g_graphicsFreed = 0;
        grid->SetColCount(6);
        grid->SetRowCount(5);
        Fill();
        Mark(0, 1);                   // the kept column's properties stay in row 1
        Mark(2, 1);                   // the data's properties go with it
        grid->MergeCells(3, 1, 2, 1); // and so does a merge inside the row
        grid->MoveRowCells(c.From, c.To, 1);
        for (Integer r = 0; r < 5; ++r) EXPECT_EQ(RowText(r).substr(0, c.Rows[std::size_t(r)].size()), c.Rows[std::size_t(r)]) << "row " << r;
        const Integer to = c.MovedTo;
        EXPECT_TRUE(Marked(2, to));
        EXPECT_TRUE(grid->IsMergedCell(4, to));
        EXPECT_EQ(grid->BaseCell(4, to), Point(3, to));
        EXPECT_FALSE(grid->IsMergedCell(4, 1)) << "the merge left row 1";
        EXPECT_TRUE(Marked(0, 1)) << "column 0 stays";
        std::vector<TCellProperties*> seen;
        for (Integer r = 0; r < grid->RowCount(); ++r)
            for (Integer col = 0; col < grid->ColCount(); ++col)
                if (TCellProperties* p = grid->GetGridObject(col, r)) seen.push_back(p);
        std::sort(seen.begin(), seen.end());
        EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end()) << "no properties in two cells";
        EXPECT_EQ(seen.size(), 4u) << "two marks and the two cells of the merge";
        EXPECT_EQ(g_graphicsFreed, 0);
        grid->FreeCellPropertiesRange(0, 0, 20, 20);
    }
}

TEST_F(BaseGridTest, RowCellsRefuseRowsOutsideAndClearingFreesWhatItEmpties)
{
    Fill();
    Mark(0, 2);
    Mark(3, 2);
    EXPECT_THROW(grid->MoveRowCells(1, 5, 1), EInvalidGridOperation) << "past RowCount";
    EXPECT_THROW(grid->MoveRowCells(-1, 2, 1), EInvalidGridOperation);
    EXPECT_EQ(RowText(2), "0,2|1,2|2,2|3,2|4,2|5,2") << "a refused move changes nothing";
    grid->ClearRowCells(2, 1);
    EXPECT_EQ(RowText(2), "0,2|||||");
    EXPECT_EQ(g_graphicsFreed, 1);
    EXPECT_TRUE(Marked(0, 2));
    EXPECT_EQ(RowText(3), "0,3|1,3|2,3|3,3|4,3|5,3");
    // The floating footer is told when the hidden last row changes.
    grid->FHideLastRow = true;
    grid->MoveRowCells(1, 4, 1);
    grid->ClearRowCells(4, 1);
    EXPECT_EQ(grid->HiddenChanges, 2);
    grid->MoveRowCells(1, 2, 1);
    EXPECT_EQ(grid->HiddenChanges, 2);
}

TEST_F(BaseGridTest, CountsFollowInsertedAndDeletedRowsAndColumns)
{
    grid->InsertRows(5, 3);
    EXPECT_EQ(grid->RowCount(), 8) << "appending at the end";
    grid->DeleteRows(6, 10);
    EXPECT_EQ(grid->RowCount(), 6) << "as many as there are";
    grid->InsertCols(0, 2);
    EXPECT_EQ(grid->ColCount(), 8);
    grid->DeleteCols(7, 1);
    EXPECT_EQ(grid->ColCount(), 7);
    EXPECT_THROW(grid->InsertRows(7, 1), EInvalidGridOperation);
    EXPECT_THROW(grid->DeleteRows(6, 1), EInvalidGridOperation);
    EXPECT_THROW(grid->DeleteCols(-1, 1), EInvalidGridOperation);
}

TEST_F(BaseGridTest, PropertiesBeyondTheCountsAreFreedWithTheGrid)
{
    Mark(5, 4);
    grid->SetRowCount(2);
    grid->SetColCount(2);
    EXPECT_FALSE(grid->CellHasProperties(5, 4)) << "outside the counts a cell has no properties";
    delete form;
    form = nullptr;
    EXPECT_EQ(g_graphicsFreed, 1);
}

// --- merges ------------------------------------------------------------------------------------------

TEST_F(BaseGridTest, MergeQueriesAnswerForEveryCellOfAMerge)
{
    grid->MergeCells(1, 1, 3, 2);
    struct Q {
        Integer C, R;
        bool Base, Merged, NonBase, X, Y;
        TPoint BaseCell, Span, Ext;
    };
    const std::vector<Q> table = {
        {1, 1, true, true, false, true, true, {1, 1}, {2, 1}, {2, 1}},
        {3, 2, false, true, true, true, true, {1, 1}, {2, 1}, {0, 0}},
        {2, 1, false, true, true, true, true, {1, 1}, {2, 1}, {1, 1}},
        {1, 2, false, true, true, true, true, {1, 1}, {2, 1}, {2, 0}},
        {0, 0, true, false, false, false, false, {0, 0}, {0, 0}, {0, 0}},
        {4, 1, true, false, false, false, false, {4, 1}, {0, 0}, {0, 0}},
        {30, 30, true, false, false, false, false, {30, 30}, {0, 0}, {0, 0}},
    };
    for (const Q& q : table) {
        SCOPED_TRACE(std::to_string(q.C) + "," + std::to_string(q.R));
        EXPECT_EQ(grid->IsBaseCell(q.C, q.R), q.Base);
        EXPECT_EQ(grid->IsMergedCell(q.C, q.R), q.Merged);
        EXPECT_EQ(grid->IsMergedNonBaseCell(q.C, q.R), q.NonBase);
        EXPECT_EQ(grid->IsXMergedCell(q.C, q.R), q.X);
        EXPECT_EQ(grid->IsYMergedCell(q.C, q.R), q.Y);
        EXPECT_EQ(grid->BaseCell(q.C, q.R), q.BaseCell);
        EXPECT_EQ(grid->CellSpan(q.C, q.R), q.Span);
        EXPECT_EQ(grid->CellExt(q.C, q.R), q.Ext);
    }
    EXPECT_EQ(grid->FullCell(2, 2), Rect(1, 1, 3, 2));
    Integer bc = 0, br = 0;
    EXPECT_FALSE(grid->ResolveBaseCell(3, 2, bc, br));
    EXPECT_EQ(TPoint(bc, br), Point(1, 1));
    EXPECT_TRUE(grid->ResolveBaseCell(1, 1, bc, br));

    grid->MergeCells(4, 0, 2, 1);  // a row-only merge
    EXPECT_TRUE(grid->IsXMergedCell(5, 0));
    EXPECT_FALSE(grid->IsYMergedCell(5, 0));
    EXPECT_EQ(grid->MergeCount(), 2);

    grid->SplitCells(2, 2);
    EXPECT_FALSE(grid->IsMergedCell(1, 1));
    EXPECT_FALSE(grid->IsMergedCell(3, 2));
    EXPECT_EQ(grid->CellSpan(1, 1), Point(0, 0));
    EXPECT_TRUE(grid->IsMergedCell(4, 0)) << "the other merge stays";
    EXPECT_EQ(grid->MergeCount(), 1);
}

TEST_F(BaseGridTest, OneByOneMergesAndSplitsOfPlainCells)
{
    grid->MergeCells(2, 2, 1, 1);
    EXPECT_FALSE(grid->IsMergedCell(2, 2));
    EXPECT_EQ(grid->CellSpan(2, 2), Point(0, 0));
    EXPECT_EQ(grid->GetCellProperties(2, 2)->CellSpanX, 0);
    EXPECT_EQ(grid->CellRect(2, 2), grid->VirtualCellRect(2, 2)) << "already on the merged path";
    EXPECT_FALSE(grid->CellHasProperties(0, 3));
    grid->SplitCells(0, 3);
    EXPECT_TRUE(grid->CellHasProperties(0, 3)) << "splitting a plain cell makes its properties";
    EXPECT_EQ(grid->MergeCount(), 0) << "and still counts down";
}

TEST_F(BaseGridTest, OverlappingMergesOverwriteCellByCell)
{
    grid->MergeCells(0, 0, 3, 3);
    grid->MergeCells(2, 2, 2, 2);
    EXPECT_EQ(grid->BaseCell(2, 2), Point(2, 2));
    EXPECT_EQ(grid->BaseCell(3, 3), Point(2, 2));
    EXPECT_EQ(grid->BaseCell(1, 1), Point(0, 0));
    EXPECT_EQ(grid->CellSpan(1, 1), Point(2, 2)) << "the first base still claims its span";
}

TEST_F(BaseGridTest, RowAndColumnSpanQueries)
{
    EXPECT_EQ(grid->MinRowSpan(1), grid->RowCount()) << "no vertical merge";
    EXPECT_EQ(grid->MaxRowSpan(1), 0);
    EXPECT_FALSE(grid->RowSpanIdentical(1, 2)) << "no merge counts";
    EXPECT_FALSE(grid->ColSpanIdentical(1, 2));

    grid->MergeCells(0, 1, 1, 3);  // rows 1..3 of column 0
    grid->MergeCells(2, 1, 1, 2);  // rows 1..2 of column 2
    EXPECT_EQ(grid->MinRowSpan(1), 1);
    EXPECT_EQ(grid->MaxRowSpan(1), 2);
    EXPECT_EQ(grid->MaxRowSpan(3), 2) << "a lower cell answers with its base's span";
    EXPECT_TRUE(grid->RowSpanIdentical(1, 2));
    EXPECT_TRUE(grid->RowSpanIdentical(2, 3)) << "column 2 does not count in row 3";
    grid->MergeCells(5, 0, 1, 2);
    grid->MergeCells(5, 2, 1, 2);
    EXPECT_FALSE(grid->RowSpanIdentical(1, 2)) << "column 5: base rows 0 and 2";
}

TEST_F(BaseGridTest, ColumnSpansAreIdenticalOnlyWithTheSameBaseColumns)
{
    grid->MergeCells(1, 0, 2, 1);
    EXPECT_TRUE(grid->ColSpanIdentical(1, 2));
    grid->MergeCells(1, 3, 3, 1);
    EXPECT_TRUE(grid->ColSpanIdentical(1, 2));
    EXPECT_FALSE(grid->ColSpanIdentical(2, 3)) << "row 0: a span in column 2, none in column 3";
    grid->MergeCells(4, 1, 2, 1);
    EXPECT_FALSE(grid->ColSpanIdentical(3, 4)) << "row 3 counts, row 1 differs";
}

// --- geometry ----------------------------------------------------------------------------------------

TEST_F(BaseGridTest, MergedCellsCoverTheirWholeRectangle)
{
    grid->SetDefaultColWidth(50);
    grid->SetDefaultRowHeight(20);
    grid->SetColWidths(2, 30);
    grid->MergeCells(1, 1, 3, 2);
    const TRect whole = Rect(50, 20, 50 + 50 + 30 + 50, 20 + 40);
    EXPECT_EQ(grid->CellRect(1, 1), whole);
    EXPECT_EQ(grid->CellRect(3, 2), whole) << "any cell of the merge";
    EXPECT_EQ(grid->CellSize(2, 1), Point(130, 40));
    EXPECT_EQ(grid->CellRect(0, 0), Rect(0, 0, 50, 20));
    EXPECT_EQ(grid->CellSize(0, 0), Point(50, 20));
}

TEST_F(BaseGridTest, VirtualRectanglesFollowScrollingAndStayForHiddenCells)
{
    grid->SetRowCount(100);
    grid->SetFixedRows(1);
    grid->SetDefaultRowHeight(20);
    grid->SetDefaultColWidth(50);
    grid->SetTopRow(11);
    EXPECT_EQ(grid->VirtualCellRect(0, 0), Rect(0, 0, 50, 20)) << "a fixed row stays";
    EXPECT_EQ(grid->VirtualCellRect(0, 11), Rect(0, 20, 50, 40)) << "the top row sits under the fixed one";
    EXPECT_EQ(grid->VirtualCellRect(0, 5), Rect(0, -100, 50, -80)) << "scrolled out above";
    EXPECT_TRUE(IsRectEmpty(grid->CellRect(0, 5))) << "a plain cell not shown has none";
    grid->GetCellProperties(0, 5)->Control = grid;
    EXPECT_EQ(grid->CellRect(0, 5), Rect(0, -100, 50, -80)) << "a cell hosting a control has its place";
}

// --- painting ----------------------------------------------------------------------------------------

class PaintTest : public BaseGridTest {
protected:
    void SetUp() override
    {
        BaseGridTest::SetUp();
        grid->SetDefaultColWidth(40);
        grid->SetDefaultRowHeight(20);
        grid->SetColor(clWhite);
        bmp.SetSize(240, 100);
    }
    void PaintAll()
    {
        for (Integer r = 0; r < grid->RowCount(); ++r)
            for (Integer c = 0; c < grid->ColCount(); ++c)
                grid->PaintCellCore(*bmp.Canvas(), c, r, true, 0, grid->CellRect(c, r));
    }
    TBitmap bmp;
};

TEST_F(PaintTest, AMergedCellIsPaintedOncePerPass)
{
    grid->MergeCells(1, 1, 2, 2);
    h.ProcessMessages();  // the window's own pass
    grid->Bodies.clear();
    PaintAll();
    // Once as itself, once through the first of its other cells, never through the rest.
    EXPECT_EQ(std::count(grid->Bodies.begin(), grid->Bodies.end(), "1,1"), 2);
    EXPECT_EQ(std::count(grid->Bodies.begin(), grid->Bodies.end(), "2,2"), 0);
    EXPECT_EQ(grid->Bodies.size(), std::size_t(6 * 5 - 2));
    grid->Bodies.clear();
    PaintAll();
    EXPECT_EQ(std::count(grid->Bodies.begin(), grid->Bodies.end(), "1,1"), 1) << "same pass: itself only";
    grid->Invalidate();
    const Integer before = grid->PaintID();
    h.ProcessMessages();
    EXPECT_EQ(grid->PaintID(), before + 1) << "each paint is a new pass";
}

TEST_F(PaintTest, TheHiddenLastRowIsPlainBackground)
{
    grid->SetColor(0x00FF00);
    grid->SetActiveRowShow(true);
    grid->FHideLastRow = true;
    grid->SetGridCell(0, 4, u"hidden");
    h.ProcessMessages();
    grid->Bodies.clear();
    grid->PaintCellCore(*bmp.Canvas(), 0, 4, true, gdSelected, Rect(0, 0, 40, 20));
    EXPECT_TRUE(grid->Bodies.empty());
    EXPECT_EQ(bmp.Canvas()->Pixels(10, 10), TColor(0x00FF00));
    EXPECT_EQ(bmp.Canvas()->Pixels(39, 19), TColor(0x00FF00)) << "no grid line either";
    grid->SetCellEx(3, 4, u"x");
    EXPECT_EQ(grid->HiddenChanges, 1);
    grid->SetCellEx(3, 3, u"x");
    EXPECT_EQ(grid->HiddenChanges, 1);
}

TEST_F(PaintTest, GridLinesAndNodes)
{
    grid->SetOptions(goHorzLine | goVertLine);
    grid->SetGridLineColor(0x0000FF);
    grid->PaintCellExt(*bmp.Canvas(), 0, 1, Rect(0, 0, 40, 20), 0);
    EXPECT_EQ(bmp.Canvas()->Pixels(10, 19), TColor(0x0000FF)) << "bottom line";
    EXPECT_EQ(bmp.Canvas()->Pixels(39, 10), TColor(0x0000FF)) << "right line";
    EXPECT_EQ(bmp.Canvas()->Pixels(10, 10), clWhite);
    grid->Nodes = true;
    grid->PaintCellExt(*bmp.Canvas(), 0, 1, Rect(0, 0, 40, 20), 0);
    EXPECT_EQ(bmp.Canvas()->Pixels(10, 19), clWhite) << "column 0 of a grid with nodes has no bottom line";
    EXPECT_EQ(bmp.Canvas()->Pixels(39, 10), TColor(0x0000FF));
}

TEST_F(PaintTest, SelectedCellsAreRoundedBoxPiecesByTheirPlaceInTheSelection)
{
    grid->SetOptions(goDrawFocusSelected | goRangeSelect);
    grid->SetSelectionStyle(ssVista);
    struct Case {
        TGridRect Sel;
        Integer Col;
        TRoundedBoxKind Kind;
    };
    const Case cases[] = {
        {{1, 1, 3, 1}, 1, rbLeftEnd},
        {{1, 1, 3, 1}, 2, rbMiddle},
        {{1, 1, 3, 1}, 3, rbRightEnd},
        {{2, 0, 2, 3}, 2, rbSingle},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Col);
        grid->SetSelection(c.Sel);
        TBitmap want;
        want.SetSize(240, 100);
        // Without horizontal and vertical lines the box reaches one pixel further.
        DrawRoundedGradientBox(*want.Canvas(), 0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99,
                               0xFCEDCB, clWhite, Rect(0, 0, 41, 21), c.Kind);
        grid->PaintCellExt(*bmp.Canvas(), c.Col, 1, Rect(0, 0, 40, 20), gdSelected);
        for (Integer x : {0, 1, 2, 20, 37, 38, 39})
            for (Integer y : {0, 1, 10, 17, 18})
                EXPECT_EQ(bmp.Canvas()->Pixels(x, y), want.Canvas()->Pixels(x, y)) << x << "," << y;
    }
}

TEST_F(PaintTest, ActiveRowWinsOverHoverRow)
{
    grid->HoverRow = true;
    grid->HoverRowColor = 0x00FFFF;
    grid->SetActiveRowColor(0xFF00FF);
    grid->SetActiveRowShow(true);
    grid->SetRow(2);
    grid->SetCol(0);
    grid->PaintCellExt(*bmp.Canvas(), 3, 1, Rect(0, 0, 40, 20), 0);
    EXPECT_EQ(bmp.Canvas()->Pixels(10, 10), clWhite) << "no hover row set";
    grid->FHoverRowIdx = 2;  // kept by the string grid's mouse handling
    grid->PaintCellExt(*bmp.Canvas(), 3, 1, Rect(0, 0, 40, 20), 0);
    grid->PaintCellExt(*bmp.Canvas(), 3, 2, Rect(40, 0, 80, 20), 0);
    EXPECT_EQ(bmp.Canvas()->Pixels(10, 10), clWhite);
    EXPECT_EQ(bmp.Canvas()->Pixels(50, 10), TColor(0xFF00FF)) << "the active row wins";
    grid->SetActiveRowShow(false);
    grid->PaintCellExt(*bmp.Canvas(), 3, 2, Rect(40, 0, 80, 20), 0);
    EXPECT_EQ(bmp.Canvas()->Pixels(50, 10), TColor(0x00FFFF));
}

// --- keys over merges --------------------------------------------------------------------------------

TEST_F(BaseGridTest, KeysStepOverMergedCellsAndLandOnBaseCells)
{
    grid->SetFocus();
    h.ProcessMessages();
    grid->MergeCells(1, 1, 3, 2);
    grid->SetCol(1);
    grid->SetRow(1);
    h.Press(VK_RIGHT);
    EXPECT_EQ(Point(grid->Col(), grid->Row()), Point(4, 1)) << "past the merge";
    h.Press(VK_LEFT);
    EXPECT_EQ(Point(grid->Col(), grid->Row()), Point(1, 1)) << "onto the base cell";
    h.Press(VK_DOWN);
    EXPECT_EQ(Point(grid->Col(), grid->Row()), Point(1, 3));
    h.Press(VK_UP);
    EXPECT_EQ(Point(grid->Col(), grid->Row()), Point(1, 1));
    h.Press(VK_UP);
    EXPECT_EQ(Point(grid->Col(), grid->Row()), Point(1, 0));
}

TEST_F(BaseGridTest, RightToLeftTheArrowsTurnOverMergesToo)
{
    grid->SetFocus();
    h.ProcessMessages();
    grid->SetBiDiMode(bdRightToLeft);
    grid->MergeCells(1, 1, 3, 2);
    grid->SetCol(1);
    grid->SetRow(1);
    h.Press(VK_LEFT);
    EXPECT_EQ(Point(grid->Col(), grid->Row()), Point(4, 1)) << "Left goes on past the merge";
    h.Press(VK_RIGHT);
    EXPECT_EQ(Point(grid->Col(), grid->Row()), Point(1, 1)) << "Right comes back onto the base cell";
}

// Right to left a merged cell's rectangle is the mirror of its left-to-right one, also when it
// starts in a column scrolled out of view, and painting it covers the inner rectangle.
TEST_F(BaseGridTest, RightToLeftMergedRectanglesMirror)
{
    grid->SetColCount(12);
    grid->SetFixedCols(1);
    grid->MergeCells(2, 1, 3, 2);
    grid->SetLeftCol(3);
    for (const TPoint cell : {Point(2, 1), Point(4, 2), Point(0, 3), Point(5, 4)}) {
        grid->SetBiDiMode(bdLeftToRight);
        const TRect ltr = grid->CellRect(cell.X, cell.Y);
        const TRect inner = grid->VirtualCellRect(cell.X, cell.Y);
        grid->SetBiDiMode(bdRightToLeft);
        const Integer w = grid->ClientWidth();
        EXPECT_EQ(grid->CellRect(cell.X, cell.Y), Rect(w - ltr.Right, ltr.Top, w - ltr.Left, ltr.Bottom))
            << cell.X << "," << cell.Y;
        EXPECT_EQ(grid->VirtualCellRect(cell.X, cell.Y), inner) << "measured from the edge the columns start at";
    }
}

}  // namespace
}  // namespace gw::test
