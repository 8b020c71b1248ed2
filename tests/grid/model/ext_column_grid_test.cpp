// The column grid: its column items, the collection kept in step with the grid, and the per-cell
// questions answered from the column first.
#include "grid/foundation/bands.h"
#include "grid/foundation/cell_properties.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_column_grid.h"
#include "grid/model/filter.h"
#include "grid/model/print_settings.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/font.h"
#include "platform/graphics/pen.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/streams.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/menus.h"
#include "tests/grid/model/paint_grid.h"
#include "tests/grid/model/python_ini.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gw::test {
namespace {

class TColumnTestGrid : public TExtColumnGrid {
public:
    using TExtColumnGrid::ApplyFilterListChoice;
    using TExtColumnGrid::CanEditCell;
    using TExtColumnGrid::ColumnCellGraphic;
    using TExtColumnGrid::ColumnCellType;
    using TExtColumnGrid::ColumnFilterList;
    using TExtColumnGrid::ColumnHeadersChanged;
    using TExtColumnGrid::ColumnMoved;
    using TExtColumnGrid::DoIsPasswordCell;
    using TExtColumnGrid::FColumnVisibility;
    using TExtColumnGrid::FFilterCol;
    using TExtColumnGrid::GetCellAlign;
    using TExtColumnGrid::GetCellBorder;
    using TExtColumnGrid::GetCellColor;
    using TExtColumnGrid::GetCellDefaults;
    using TExtColumnGrid::GetCellPrintBorder;
    using TExtColumnGrid::GetCellPrintColor;
    using TExtColumnGrid::GetCheckFalse;
    using TExtColumnGrid::GetCheckTrue;
    using TExtColumnGrid::GetColumnFloatFormat;
    using TExtColumnGrid::GetEditLimit;
    using TExtColumnGrid::GetEditMask;
    using TExtColumnGrid::GetEditorType;
    using TExtColumnGrid::GetFormattedCell;
    using TExtColumnGrid::GetSortFormat;
    using TExtColumnGrid::GetVersionNr;
    using TExtColumnGrid::GetVersionString;
    using TExtColumnGrid::HasComboBox;
    using TExtColumnGrid::IsFixedCell;
    using TExtColumnGrid::MouseDown;
    using TExtColumnGrid::TExtColumnGrid;
    using TExtColumnGrid::UpdateAutoColSize;
    using TExtColumnGrid::UpdateColSize;

    Integer Invalidates = 0;
    void Invalidate() override
    {
        ++Invalidates;
        TExtColumnGrid::Invalidate();
    }
    // The store's own column move, as a user's drag runs it.
    void DragColumn(Integer FromIndex, Integer ToIndex) { TBaseGrid::MoveColumn(FromIndex, ToIndex); }
};

class TRecordingMenu : public TPopupMenu {
public:
    using TPopupMenu::TPopupMenu;
    std::vector<TPoint> Shown;
    void Popup(Integer X, Integer Y) override { Shown.push_back(TPoint{X, Y}); }
};

class ExtColumnGrid : public ::testing::Test {
protected:
    THarness h;
    TColumnTestGrid g{nullptr};
    TGridColumnItem* Item(Integer I) { return g.Columns()->Items(I); }
};

TEST_F(ExtColumnGrid, ANewItemHasTheDefaultsAndTheGridsFontAndColour)
{
    g.Font()->SetSize(13);
    g.SetColor(TColor(0x123456));
    TGridColumnItem* it = g.Columns()->Insert(0);
    EXPECT_EQ(it->Alignment(), taLeftJustify);
    EXPECT_EQ(it->Borders(), 0);
    EXPECT_EQ(it->BorderPen()->Width(), 1);
    EXPECT_EQ(it->BorderPen()->Color(), TColor(0xC0C0C0));
    EXPECT_EQ(it->CheckFalse, u"N");
    EXPECT_EQ(it->CheckTrue, u"Y");
    EXPECT_EQ(it->Color(), TColor(0x123456));
    EXPECT_EQ(it->ColumnPopupType, cpFixedCellsRClick);
    EXPECT_EQ(it->DropDownCount, 8);
    EXPECT_EQ(it->Editor(), edNormal);
    EXPECT_EQ(it->Font()->Size(), 13);
    EXPECT_EQ(it->HeaderFont()->Size(), 13);
    EXPECT_EQ(it->PrintFont()->Size(), 13);
    EXPECT_TRUE(it->PrintBorderCustom);
    EXPECT_EQ(it->PrintBorders, cbTop | cbLeft | cbRight | cbBottom);
    EXPECT_EQ(it->PrintBorderPen()->Color(), TColor(0));
    EXPECT_EQ(it->PrintColor, TColor(0xFFFFFF));
    EXPECT_TRUE(it->PrintFontCustom);
    EXPECT_EQ(it->SortStyle, ssAutomatic);
    EXPECT_EQ(it->SpinStep, 1);
    EXPECT_EQ(it->WidthField(), 50);

    const TGridColumnItem spare(nullptr);
    EXPECT_EQ(spare.Color(), TColor(0));
    EXPECT_EQ(spare.Width(), 0);
    EXPECT_EQ(spare.Font()->Size(), TFont().Size());
}

// Each property set on a source item to a value no default has, and whether each way of copying
// takes it.
struct TPropCase {
    const char* Name;
    std::function<void(TGridColumnItem&)> Set;
    std::function<bool(const TGridColumnItem&, const TGridColumnItem&)> Same;
    bool Assign;
    bool Visuals;  // AssignVisuals, and so Add
};

std::vector<TPropCase> PropCases()
{
    using I = TGridColumnItem;
    const auto field = [](auto Member) { return [Member](const I& A, const I& B) { return A.*Member == B.*Member; }; };
    return {
        {"AutoMinSize", [](I& i) { i.AutoMinSize = 7; }, field(&I::AutoMinSize), true, true},
        {"AutoMaxSize", [](I& i) { i.AutoMaxSize = 70; }, field(&I::AutoMaxSize), true, true},
        {"Alignment", [](I& i) { i.SetAlignment(taRightJustify); },
         [](const I& a, const I& b) { return a.Alignment() == b.Alignment(); }, true, true},
        {"Borders", [](I& i) { i.SetBorders(cbLeft); },
         [](const I& a, const I& b) { return a.Borders() == b.Borders(); }, true, true},
        {"BorderPen", [](I& i) { i.BorderPen()->SetWidth(3); },
         [](const I& a, const I& b) { return a.BorderPen()->Width() == b.BorderPen()->Width(); }, true, true},
        {"CheckFalse", [](I& i) { i.CheckFalse = u"no"; }, field(&I::CheckFalse), true, true},
        {"CheckTrue", [](I& i) { i.CheckTrue = u"yes"; }, field(&I::CheckTrue), true, true},
        {"Color", [](I& i) { i.SetColor(TColor(0x0000FF)); },
         [](const I& a, const I& b) { return a.Color() == b.Color(); }, true, false},
        {"ColumnPopupType", [](I& i) { i.ColumnPopupType = cpAllCellsLClick; }, field(&I::ColumnPopupType), false,
         false},
        {"ComboItems", [](I& i) { i.ComboItems()->Add(u"a"); },
         [](const I& a, const I& b) { return a.ComboItems()->Text() == b.ComboItems()->Text(); }, true, false},
        {"DropDownCount", [](I& i) { i.DropDownCount = 3; }, field(&I::DropDownCount), true, false},
        {"EditLength", [](I& i) { i.EditLength = 4; }, field(&I::EditLength), true, true},
        {"EditMask", [](I& i) { i.EditMask = u"000"; }, field(&I::EditMask), true, true},
        {"Editor", [](I& i) { i.SetEditor(edComboList); },
         [](const I& a, const I& b) { return a.Editor() == b.Editor(); }, true, true},
        {"Filter", [](I& i) { i.Filter()->Add(u"x=y"); },
         [](const I& a, const I& b) { return a.Filter()->Text() == b.Filter()->Text(); }, true, true},
        {"FilterCaseSensitive", [](I& i) { i.FilterCaseSensitive = true; }, field(&I::FilterCaseSensitive), true, true},
        {"Fixed", [](I& i) { i.SetFixed(true); }, [](const I& a, const I& b) { return a.Fixed() == b.Fixed(); }, true,
         true},
        {"FloatFormat", [](I& i) { i.SetFloatFormat(u"%.3f"); },
         [](const I& a, const I& b) { return a.FloatFormat() == b.FloatFormat(); }, true, true},
        {"Font", [](I& i) { i.Font()->SetSize(21); },
         [](const I& a, const I& b) { return a.Font()->Size() == b.Font()->Size(); }, true, false},
        {"Header", [](I& i) { i.SetHeaderField(u"Head"); },
         [](const I& a, const I& b) { return a.Header() == b.Header(); }, true, false},
        {"HeaderAlignment", [](I& i) { i.SetHeaderAlignment(taCenter); },
         [](const I& a, const I& b) { return a.HeaderAlignment() == b.HeaderAlignment(); }, true, true},
        {"HeaderFont", [](I& i) { i.HeaderFont()->SetSize(22); },
         [](const I& a, const I& b) { return a.HeaderFont()->Size() == b.HeaderFont()->Size(); }, true, false},
        {"MinSize", [](I& i) { i.MinSize = 40; }, field(&I::MinSize), true, true},
        {"MaxSize", [](I& i) { i.MaxSize = 400; }, field(&I::MaxSize), true, true},
        {"Name", [](I& i) { i.Name = u"nm"; }, field(&I::Name), true, false},
        {"Password", [](I& i) { i.SetPassword(true); },
         [](const I& a, const I& b) { return a.Password() == b.Password(); }, true, true},
        {"PrintBorderCustom", [](I& i) { i.PrintBorderCustom = false; }, field(&I::PrintBorderCustom), false, false},
        {"PrintBorders", [](I& i) { i.PrintBorders = cbTop; }, field(&I::PrintBorders), true, true},
        {"PrintBorderPen", [](I& i) { i.PrintBorderPen()->SetWidth(5); },
         [](const I& a, const I& b) { return a.PrintBorderPen()->Width() == b.PrintBorderPen()->Width(); }, true, true},
        {"PrintColor", [](I& i) { i.PrintColor = TColor(0x00FF00); }, field(&I::PrintColor), true, true},
        {"PrintFontCustom", [](I& i) { i.PrintFontCustom = false; }, field(&I::PrintFontCustom), false, false},
        {"PrintFont", [](I& i) { i.PrintFont()->SetSize(23); },
         [](const I& a, const I& b) { return a.PrintFont()->Size() == b.PrintFont()->Size(); }, true, true},
        {"ReadOnly", [](I& i) { i.ReadOnly = true; }, field(&I::ReadOnly), true, true},
        {"ShowBands", [](I& i) { i.SetShowBands(true); },
         [](const I& a, const I& b) { return a.ShowBands() == b.ShowBands(); }, true, true},
        {"SortStyle", [](I& i) { i.SortStyle = ssNumeric; }, field(&I::SortStyle), true, true},
        {"SortPrefix", [](I& i) { i.SortPrefix = u"p"; }, field(&I::SortPrefix), true, true},
        {"SortSuffix", [](I& i) { i.SortSuffix = u"s"; }, field(&I::SortSuffix), true, true},
        {"SpinMax", [](I& i) { i.SpinMax = 9; }, field(&I::SpinMax), true, true},
        {"SpinMin", [](I& i) { i.SpinMin = -9; }, field(&I::SpinMin), true, true},
        {"SpinStep", [](I& i) { i.SpinStep = 2; }, field(&I::SpinStep), true, true},
        {"Tag", [](I& i) { i.Tag = 77; }, field(&I::Tag), true, false},
        {"Width", [](I& i) { i.SetWidth(91); }, [](const I& a, const I& b) { return a.WidthField() == b.WidthField(); },
         true, true},
    };
}

TEST_F(ExtColumnGrid, EachWayOfCopyingAnItemTakesItsOwnSetOfProperties)
{
    g.SetColCount(2);
    for (const TPropCase& c : PropCases()) {
        SCOPED_TRACE(c.Name);
        g.SetColCount(1);
        g.SetColCount(2);
        TGridColumnItem* source = Item(1);
        c.Set(*source);

        TGridColumnItem assigned(nullptr);
        assigned.Assign(source);
        EXPECT_EQ(c.Same(assigned, *source), c.Assign) << "Assign";

        TGridColumnItem all(nullptr);  // what a move or a group keeps
        all.AssignAll(*source);
        EXPECT_TRUE(c.Same(all, *source)) << "AssignAll";

        TGridColumnItem* added = g.Columns()->Add();  // copies the visuals of the last item
        EXPECT_EQ(c.Same(*added, *source), c.Visuals) << "Add";

        TGridColumnItem* inserted = g.Columns()->Insert(0);
        EXPECT_FALSE(c.Same(*inserted, *source)) << "Insert takes the defaults";
    }
}

TEST_F(ExtColumnGrid, AssignFromAnotherClassChangesNothing)
{
    TGridColumnItem* it = g.Columns()->Items(0);
    it->Name = u"kept";
    TStringList other;
    it->Assign(&other);
    EXPECT_EQ(it->Name, u"kept");
}

TEST_F(ExtColumnGrid, LoadingBuildsOneItemPerColumnAndRecordsTheOrder)
{
    g.BeginLoading();
    g.SetColCount(15);
    const Integer before = g.Invalidates;
    g.Columns()->Add();  // while loading the collection leaves the grid alone
    EXPECT_EQ(g.ColCount(), 15);
    EXPECT_EQ(g.Invalidates, before);
    g.Columns()->Delete(15);
    g.EndLoading();
    ASSERT_EQ(g.Columns()->Count(), 15);
    for (Integer i = 0; i < 15; ++i) EXPECT_EQ(Item(i)->DefIdx, i) << i;
}

TEST_F(ExtColumnGrid, AddedItemGetsItsOwnDefaultIndex)
{
    g.SetColCount(3);
    g.Columns()->SetOrganization();
    g.SetColCount(4);
    for (Integer i = 0; i < 4; ++i) EXPECT_EQ(Item(i)->DefIdx, i) << i;
}

TEST_F(ExtColumnGrid, TheCollectionFollowsColCount)
{
    g.SetColCount(3);
    Item(2)->SetAlignment(taCenter);
    Item(2)->Name = u"third";
    g.SetColCount(5);
    ASSERT_EQ(g.Columns()->Count(), 5);
    EXPECT_EQ(Item(3)->Alignment(), taCenter);
    EXPECT_EQ(Item(4)->Alignment(), taCenter);
    EXPECT_EQ(Item(4)->Name, u"");
    g.SetColCount(2);
    EXPECT_EQ(g.Columns()->Count(), 2);
}

TEST_F(ExtColumnGrid, AddingAndDeletingItemsChangesColCountButNeverToFixedCols)
{
    g.SetColCount(3);
    g.SetFixedCols(1);
    g.Columns()->Add();
    EXPECT_EQ(g.ColCount(), 4);
    g.Columns()->Delete(3);
    EXPECT_EQ(g.ColCount(), 3);
    g.Columns()->Delete(2);
    EXPECT_EQ(g.ColCount(), 2);
    g.Columns()->Delete(1);  // one item left = FixedCols: the grid keeps its columns
    EXPECT_EQ(g.ColCount(), 2);
    EXPECT_EQ(g.Columns()->Count(), 1);
}

// Code that holds the grid as a string grid (the table windows' common operations) inserts and
// removes columns through it: the items still follow, each with its column.
TEST_F(ExtColumnGrid, ColumnsInsertedOrRemovedThroughAStringGridKeepTheirItems)
{
    g.SetColCount(3);
    Item(2)->Name = u"last";
    TExtStringGrid& grid = g;
    grid.InsertCols(1, 2);
    ASSERT_EQ(g.ColCount(), 5);
    ASSERT_EQ(g.Columns()->Count(), 5);
    EXPECT_EQ(Item(4)->Name, u"last");
    grid.RemoveCols(1, 3);  // the two inserted and the old second one
    ASSERT_EQ(g.Columns()->Count(), 2);
    EXPECT_EQ(Item(1)->Name, u"last");
    EXPECT_EQ(g.ColCount(), 2);
}

TEST_F(ExtColumnGrid, AHiddenColumnKeepsItsItem)
{
    g.SetColCount(4);
    ASSERT_TRUE(g.FColumnVisibility.Hide(RealCol(1), 64));
    g.SetColCount(3);  // the grid shows one column less
    EXPECT_EQ(g.Columns()->Count(), 4);
    EXPECT_EQ(Item(1)->Width(), 64);  // the width kept for the hidden column
}

TEST_F(ExtColumnGrid, EditorRepaintsOnlyToOrFromTheDataCheckBox)
{
    struct Case {
        TEditorType From, To;
        bool Repaints;
    };
    for (const Case c : {Case{edNormal, edComboList, false}, Case{edNormal, edDataCheckBox, true},
                         Case{edDataCheckBox, edComboEdit, true}, Case{edDataCheckBox, edDataCheckBox, false},
                         Case{edComboList, edComboList, false}}) {
        Item(0)->SetEditor(c.From);
        const Integer before = g.Invalidates;
        Item(0)->SetEditor(c.To);
        EXPECT_EQ(g.Invalidates > before, c.Repaints) << int(c.From) << "->" << int(c.To);
    }
}

TEST_F(ExtColumnGrid, FilterListChangesRepaint)
{
    const Integer before = g.Invalidates;
    Item(0)->Filter()->Add(u"a=b");
    EXPECT_GT(g.Invalidates, before);
}

TEST_F(ExtColumnGrid, HeaderWritesRowZeroOnlyWithFixedRows)
{
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetFixedRows(0);
    Item(1)->SetHeader(u"B");
    EXPECT_EQ(g.GetGridCell(1, 0), u"");
    ASSERT_EQ(g.ColumnHeaders()->Count(), 3);
    EXPECT_EQ(g.ColumnHeaders()->Strings(1), u"B");

    g.SetFixedRows(1);
    Item(2)->SetHeader(u"C");
    EXPECT_EQ(g.GetGridCell(2, 0), u"C");
    EXPECT_EQ(g.ColumnHeaders()->Strings(2), u"C");
}

TEST_F(ExtColumnGrid, UpdateColumnHeadersTakesEmptyHeadersFromRowZero)
{
    g.SetColCount(2);
    g.SetRowCount(2);
    g.SetFixedRows(1);
    g.SetGridCell(0, 0, u"from cell");
    Item(1)->SetHeaderField(u"own");
    g.SetGridCell(1, 0, u"ignored");
    g.UpdateColumnHeaders();
    EXPECT_EQ(Item(0)->Header(), u"from cell");
    EXPECT_EQ(Item(1)->Header(), u"own");
    EXPECT_EQ(g.ColumnHeaders()->Text(), u"from cell\r\nown\r\n");
}

TEST_F(ExtColumnGrid, ColumnHeadersChangedSetsTheHeaderFieldsItHasStringsFor)
{
    g.SetColCount(3);
    g.SetRowCount(2);
    g.SetFixedRows(1);
    g.ColumnHeaders()->Clear();
    g.ColumnHeaders()->Add(u"x");
    g.ColumnHeaders()->Add(u"y");
    Item(2)->SetHeaderField(u"z");
    g.ColumnHeadersChanged();
    EXPECT_EQ(Item(0)->Header(), u"x");
    EXPECT_EQ(Item(1)->Header(), u"y");
    EXPECT_EQ(Item(2)->Header(), u"z");
}

TEST_F(ExtColumnGrid, DisplayNameAndColumnByName)
{
    g.SetColCount(3);
    EXPECT_EQ(Item(2)->GetDisplayName(), u"Column 2");
    Item(2)->Name = u"Addr";
    EXPECT_EQ(Item(2)->GetDisplayName(), u"Col 2: Addr");
    EXPECT_EQ(g.GetColumnByName(u"Addr"), Item(2));
    EXPECT_EQ(g.GetColumnByName(u"addr"), nullptr);
    EXPECT_EQ(g.GetColumnByName(u""), Item(0));  // the first nameless one
}

TEST_F(ExtColumnGrid, WidthsGoToTheGridAndComeBack)
{
    g.SetColCount(3);
    Item(1)->SetWidth(77);
    EXPECT_EQ(g.ColWidths(1), 77);
    g.SetColWidths(2, 33);  // as a user's drag sets it
    EXPECT_EQ(Item(2)->WidthField(), 33);
    EXPECT_EQ(Item(2)->Width(), 33);
}

TEST_F(ExtColumnGrid, SizeLimitsClampAndTheEventSeesTheClampedWidth)
{
    g.SetColCount(2);
    Item(1)->MinSize = 40;
    Item(1)->MaxSize = 90;
    Item(1)->AutoMinSize = 20;
    Integer seen = -1;
    g.OnUpdateColumnSize = [&](TObject*, Integer, Integer& W) { seen = W; };
    for (const auto& [in, out] : std::vector<std::pair<Integer, Integer>>{{10, 40}, {40, 40}, {60, 60}, {91, 90}}) {
        Integer w = in;
        g.UpdateColSize(1, w);
        EXPECT_EQ(w, out) << in;
        EXPECT_EQ(seen, out);
    }
    Integer w = 10;
    g.UpdateAutoColSize(1, w);
    EXPECT_EQ(w, 20);
    w = 5;
    g.UpdateColSize(5, w);  // beyond the collection: unchanged
    EXPECT_EQ(w, 5);
}

TEST_F(ExtColumnGrid, ChangeScaleScalesScreenFontsNotThePrintFont)
{
    g.SetColCount(2);
    Item(1)->Font()->SetSize(10);
    Item(1)->HeaderFont()->SetSize(9);
    Item(1)->PrintFont()->SetSize(10);
    g.ChangeScale(3, 2);
    EXPECT_EQ(Item(1)->Font()->Size(), 15);
    EXPECT_EQ(Item(1)->HeaderFont()->Size(), 14);  // 13.5 rounds up
    EXPECT_EQ(Item(1)->PrintFont()->Size(), 10);
    g.ChangeScale(2, 2);
    EXPECT_EQ(Item(1)->Font()->Size(), 15);
}

TEST_F(ExtColumnGrid, VersionIsItsOwn)
{
    EXPECT_EQ(g.GetVersionNr(), 50397953);
    EXPECT_EQ(g.GetVersionString(), u"3.1.3.1 Aug, 2012");
}

// ---- column moves ----

TEST_F(ExtColumnGrid, AMovedColumnTakesItsItemWithEverySetting)
{
    g.SetColCount(5);
    g.SetRowCount(2);
    Item(1)->Name = u"moved";
    Item(1)->ColumnPopupType = cpAllCellsLClick;
    Item(1)->PrintBorderCustom = false;
    Item(1)->PrintFontCustom = false;
    TGridColumnItem* const moved = Item(1);
    std::vector<std::pair<Integer, Integer>> fired;
    g.OnAfterColumnMoved = [&](TObject*, Integer F, Integer T) { fired.emplace_back(F, T); };
    g.SetGridCell(1, 1, u"cell");
    g.DragColumn(1, 3);
    EXPECT_EQ(Item(3), moved);
    EXPECT_EQ(Item(3)->Name, u"moved");
    EXPECT_EQ(Item(3)->ColumnPopupType, cpAllCellsLClick);
    EXPECT_FALSE(Item(3)->PrintBorderCustom);
    EXPECT_FALSE(Item(3)->PrintFontCustom);
    EXPECT_EQ(g.Columns()->Count(), 5);
    EXPECT_EQ(g.ColCount(), 5);
    ASSERT_EQ(fired.size(), 1u);
    EXPECT_EQ(fired[0], std::make_pair(1, 3));
}

// ---- per-cell questions ----

// A grid like a table window: a fixed row and column, a footer row, a fixed right column, and one
// column of each editor type.
class ColumnGridCells : public ExtColumnGrid {
protected:
    void SetUp() override
    {
        g.SetColCount(6);
        g.SetRowCount(6);
        g.SetFixedRows(1);
        g.SetFixedCols(1);
        g.SetFixedFooters(1);
        g.SetFixedRightCols(1);
        Item(1)->SetEditor(edNormal);
        Item(2)->SetEditor(edComboList);
        Item(2)->ComboItems()->Add(u"Off");
        Item(2)->ComboItems()->Add(u"On");
        Item(2)->DropDownCount = 4;
        Item(3)->SetEditor(edComboEdit);
        Item(4)->SetEditor(edDataCheckBox);
        Item(5)->SetEditor(edDataCheckBox);  // the fixed right column
        Item(0)->SetEditor(edDataCheckBox);  // the fixed column
    }
};

TEST_F(ColumnGridCells, EditorTypesAndComboBoxesOnlyInBodyCells)
{
    struct Case {
        Integer Col, Row;
        TEditorType Editor;
        bool Combo;
    };
    for (const Case c : {Case{1, 2, edNormal, false}, Case{2, 2, edComboList, true}, Case{3, 2, edComboEdit, true},
                         Case{4, 2, edDataCheckBox, false}, Case{2, 0, edNone, false}, Case{0, 2, edNone, false},
                         Case{9, 2, edNone, false}}) {
        TEditorType editor = edNone;
        g.GetEditorType(c.Col, c.Row, editor);
        EXPECT_EQ(editor, c.Editor) << c.Col << "," << c.Row;
        EXPECT_EQ(g.HasComboBox(c.Col, c.Row), c.Combo) << c.Col << "," << c.Row;
    }
    TEditorType editor = edNone;
    g.GetEditorType(2, 2, editor);
    EXPECT_EQ(g.ControlLook()->DropDownCount, 4);
    // A column's FloatFormat becomes the grid's in any row, and stays.
    g.FloatFormat = u"%.2f";
    Item(3)->SetFloatFormat(u"%.1f");
    g.GetEditorType(3, 0, editor);
    EXPECT_EQ(g.FloatFormat, u"%.1f");
    g.GetEditorType(1, 2, editor);
    EXPECT_EQ(g.FloatFormat, u"%.1f");
}

TEST_F(ColumnGridCells, TheEventsSeeAndMayChangeTheColumnsAnswer)
{
    g.OnHasComboBox = [](TObject*, Integer ACol, Integer, bool& Has) { Has = Has && ACol != 3; };
    EXPECT_TRUE(g.HasComboBox(2, 2));
    EXPECT_FALSE(g.HasComboBox(3, 2));
    TEditorType seen = edNone;
    g.OnGetEditorType = [&](TObject*, Integer, Integer, TEditorType& E) { seen = E; };
    TEditorType editor = edNone;
    g.GetEditorType(2, 2, editor);
    EXPECT_EQ(seen, edComboList);
}

TEST_F(ColumnGridCells, DataCheckBoxesOnlyInBodyCellsOfTheirColumn)
{
    struct Case {
        const char* Kind;
        Integer Col, Row;
        bool Box;
    };
    for (const Case c : {Case{"body", 4, 2, true}, Case{"header row", 4, 0, false}, Case{"footer row", 4, 5, false},
                         Case{"fixed column", 0, 2, false}, Case{"fixed right column", 5, 2, false},
                         Case{"normal column", 1, 2, false}, Case{"past the collection", 7, 2, false}}) {
        EXPECT_EQ(g.ColumnCellType(c.Col, c.Row, ctEmpty) == ctDataCheckBox, c.Box) << c.Kind;
        TCellGraphic* graphic = g.ColumnCellGraphic(c.Col, c.Row, nullptr);
        EXPECT_EQ(graphic != nullptr, c.Box) << c.Kind;
        if (graphic != nullptr) {
            EXPECT_EQ(graphic->CellType, ctVirtCheckBox);
        }
    }
    // A cell with a type or a graphic of its own keeps it; the box is shared, transparent when flat.
    EXPECT_EQ(g.ColumnCellType(4, 2, ctCheckBox), ctCheckBox);
    TCellGraphic own;
    EXPECT_EQ(g.ColumnCellGraphic(4, 2, &own), &own);
    EXPECT_EQ(g.ColumnCellGraphic(4, 2, nullptr), g.ColumnCellGraphic(4, 3, nullptr));
    g.ControlLook()->SetControlStyle(csFlat);
    EXPECT_TRUE(g.ColumnCellGraphic(4, 2, nullptr)->CellTransparent);
    g.ControlLook()->SetControlStyle(csClassic);
    EXPECT_FALSE(g.ColumnCellGraphic(4, 2, nullptr)->CellTransparent);
}

TEST_F(ColumnGridCells, TheColumnsCheckTextsWinInBodyCells)
{
    Item(4)->CheckTrue = u"Y";
    g.CheckTrue = u"grid";
    g.OnGetCheckTrue = [](TObject*, Integer, Integer, String& V) { V = u"handler"; };
    String v;
    g.GetCheckTrue(4, 2, v);
    EXPECT_EQ(v, u"Y");
    g.GetCheckTrue(4, 0, v);
    EXPECT_EQ(v, u"handler");
    Item(4)->CheckFalse = u"N0";
    g.GetCheckFalse(4, 3, v);
    EXPECT_EQ(v, u"N0");
    g.GetCheckFalse(5, 3, v);
    EXPECT_EQ(v, g.CheckFalse);
}

TEST_F(ColumnGridCells, CheckAllWritesTheColumnsTextsWithoutAnEvent)
{
    // No event assigned: the grid-wide texts would do for a plain grid, not for a column's boxes.
    Item(4)->CheckTrue = u"on";
    Item(4)->CheckFalse = u"off";
    g.SetCellEx(4, 2, u"on");
    std::vector<Integer> changed;
    g.OnCheckBoxChange = [&](TObject*, Integer, Integer ARow, bool) { changed.push_back(ARow); };
    g.CheckAll(4);
    for (Integer r = 1; r < 5; ++r) EXPECT_EQ(g.GetCellEx(4, r), u"on") << r;
    EXPECT_EQ(changed, (std::vector<Integer>{1, 3, 4})) << "the footer row has no box";
    g.UnCheckAll(4);
    EXPECT_EQ(g.GetCellEx(4, 3), u"off");
}

TEST_F(ColumnGridCells, ColoursFontsAlignmentBordersAndFormatsComeFromTheColumn)
{
    Item(1)->SetColor(TColor(0x0000AA));
    Item(1)->Font()->SetColor(TColor(0x000011));
    Item(1)->HeaderFont()->SetColor(TColor(0x000022));
    Item(1)->SetAlignment(taRightJustify);
    Item(1)->SetHeaderAlignment(taCenter);
    Item(1)->SetBorders(cbBottom);
    Item(1)->BorderPen()->SetColor(TColor(0x0000BB));
    Item(1)->PrintBorders = cbTop;
    Item(1)->SortStyle = ssNumeric;
    Item(1)->SortPrefix = u"<";
    Item(2)->SetFixed(true);
    g.SetFixedColor(TColor(0x00CCCC));

    TBrush brush;
    TFont font;
    g.GetCellColor(1, 2, 0, &brush, &font);
    EXPECT_EQ(brush.Color(), TColor(0x0000AA));
    EXPECT_EQ(font.Color(), TColor(0x000011));
    brush.SetColor(clWhite);
    g.GetCellColor(1, 0, 0, &brush, &font);  // header row: the header font, no column colour
    EXPECT_EQ(brush.Color(), clWhite);
    EXPECT_EQ(font.Color(), TColor(0x000022));
    g.GetCellColor(2, 2, 0, &brush, &font);  // a Fixed column
    EXPECT_EQ(brush.Color(), TColor(0x00CCCC));
    brush.SetColor(clWhite);
    g.GetCellColor(1, 5, 0, &brush, &font);  // footer row: the column has no say
    EXPECT_EQ(brush.Color(), clWhite);

    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    g.GetCellAlign(1, 2, ha, va);
    EXPECT_EQ(ha, taRightJustify);
    g.GetCellAlign(1, 0, ha, va);
    EXPECT_EQ(ha, taCenter);

    TPen pen;
    TCellBorders borders = 0;
    g.GetCellBorder(1, 2, &pen, borders);
    EXPECT_EQ(borders, cbBottom);
    EXPECT_EQ(pen.Color(), TColor(0x0000BB));
    borders = 0;
    g.GetCellBorder(1, 0, &pen, borders);
    EXPECT_EQ(borders, 0);
    g.GetCellPrintBorder(1, 2, &pen, borders);
    EXPECT_EQ(borders, cbTop);
    Item(1)->PrintBorderCustom = false;
    borders = 0;
    g.GetCellPrintBorder(1, 2, &pen, borders);
    EXPECT_EQ(borders, 0);

    TSortStyle style = ssAutomatic;
    String prefix, suffix;
    g.GetSortFormat(1, style, prefix, suffix);
    EXPECT_EQ(style, ssNumeric);
    EXPECT_EQ(prefix, u"<");

    g.FloatFormat = u"%.2f";
    EXPECT_EQ(g.GetColumnFloatFormat(1, 2), u"%.2f");
    Item(1)->SetFloatFormat(u"%.4f");
    EXPECT_EQ(g.GetColumnFloatFormat(1, 2), u"%.4f");
}

TEST_F(ColumnGridCells, ANewCellsPropertiesStartFromItsColumn)
{
    Item(1)->SetColor(TColor(0x00AA00));
    Item(1)->Font()->SetSize(17);
    Item(1)->SetAlignment(taRightJustify);
    Item(1)->SetHeaderAlignment(taCenter);
    g.VAlignment = vtaBottom;
    g.SetWordWrap(false);
    // A header cell is one the grid calls fixed: no brush there, as in a banded column.
    struct Case {
        Integer Col, Row;
        bool Bands;
        TColor Brush;
        TAlignment HA;
    };
    for (const Case c : {Case{1, 2, false, TColor(0x00AA00), taRightJustify}, Case{1, 0, false, clNone, taCenter},
                         Case{1, 2, true, clNone, taRightJustify}}) {
        Item(1)->SetShowBands(c.Bands);
        g.Bands()->SetActive(c.Bands);
        TFont font;
        TBrush brush;
        TCellLook look;
        look.ColorTo = clRed;
        g.GetCellDefaults(c.Col, c.Row, font, brush, look);
        EXPECT_EQ(brush.Color(), c.Brush) << c.Col << "," << c.Row;
        EXPECT_EQ(look.HA, c.HA) << c.Col << "," << c.Row;
        EXPECT_EQ(look.VA, vtaBottom);
        EXPECT_FALSE(look.WW);
        EXPECT_EQ(look.ColorTo, clNone);
        EXPECT_EQ(font.Size(), 17);
    }
    g.Bands()->SetActive(false);
    EXPECT_EQ(g.GetCellProperties(1, 3)->Alignment, taRightJustify);  // through the cell store
}

TEST_F(ColumnGridCells, PrintColoursAndFonts)
{
    Item(1)->PrintColor = TColor(0x0000CC);
    Item(1)->PrintFont()->SetSize(11);
    g.PrintSettings()->FixedFont()->SetSize(7);
    g.PrintSettings()->Font()->SetSize(9);
    auto* props = new TCellProperties(nullptr, 1, 3);
    props->SetBrushColor(TColor(0x00DD00));
    props->FontColor = TColor(0x000033);
    g.SetCellProperties(1, 3, props);
    struct Case {
        const char* Name;
        Integer Col, Row;
        TColor Brush;
        Integer FontSize;
    };
    const auto check = [&](const Case& c) {
        TBrush brush;
        brush.SetColor(clWhite);
        TFont font;
        g.GetCellPrintColor(c.Col, c.Row, 0, &brush, &font);
        EXPECT_EQ(brush.Color(), c.Brush) << c.Name;
        EXPECT_EQ(font.Size(), c.FontSize) << c.Name;
        return font.Color();
    };
    check({"body", 1, 2, TColor(0x0000CC), 11});
    EXPECT_EQ(check({"own brush and font colour", 1, 3, TColor(0x00DD00), 11}), TColor(0x000033));
    check({"header row: the fixed font", 1, 0, clWhite, 7});
    check({"footer row", 1, 5, clWhite, 7});
    Item(1)->PrintFontCustom = false;
    check({"no custom print font", 1, 2, TColor(0x0000CC), 9});
    Item(1)->SetFixed(true);
    g.SetFixedColor(TColor(0x00EEEE));
    check({"Fixed column: no cell brush", 1, 3, TColor(0x00EEEE), 9});
}

TEST_F(ColumnGridCells, FixedAndPasswordColumns)
{
    Item(2)->SetFixed(true);
    Item(3)->SetPassword(true);
    bool fixed = false;
    g.IsFixedCell(2, 2, fixed);
    EXPECT_TRUE(fixed);
    fixed = false;
    g.IsFixedCell(1, 2, fixed);
    EXPECT_FALSE(fixed);
    fixed = false;
    g.IsFixedCell(1, 0, fixed);  // the header row is fixed by the string grid
    EXPECT_TRUE(fixed);
    bool password = false;
    g.DoIsPasswordCell(3, 0, password);  // every row
    EXPECT_TRUE(password);
    password = false;
    g.DoIsPasswordCell(1, 2, password);
    EXPECT_FALSE(password);
}

TEST_F(ColumnGridCells, HiddenColumnsMapDisplayedIndexesForFixedMaskAndLimit)
{
    Item(3)->SetFixed(true);
    Item(3)->EditMask = u"999";
    Item(3)->EditLength = 3;
    ASSERT_TRUE(g.FColumnVisibility.Hide(RealCol(2), 50));
    g.SetColCount(5);
    // Displayed column 2 is real column 3.
    bool fixed = false;
    g.IsFixedCell(2, 2, fixed);
    EXPECT_TRUE(fixed);
    EXPECT_EQ(g.GetEditMask(2, 2), u"999");
    g.SetCol(2);
    EXPECT_EQ(g.GetEditLimit(), 3);
    g.OnGetEditMask = [](TObject*, Integer, Integer, String& M) { M = u"own"; };
    EXPECT_EQ(g.GetEditMask(2, 2), u"own");
}

TEST_F(ColumnGridCells, CanEditCellMatrix)
{
    struct Case {
        const char* Name;
        Integer Col, Row;
        bool ReadOnly, Fixed, CellReadOnly;
        int Handler;  // -1 none, else what it sets
        bool Expected;
    };
    const std::vector<Case> cases = {
        {"body", 1, 2, false, false, false, -1, true},
        {"read-only column", 1, 2, true, false, false, -1, false},
        {"fixed column", 1, 2, false, true, false, -1, false},
        {"read-only cell", 1, 2, false, false, true, -1, false},
        {"handler forbids", 1, 2, false, false, false, 0, false},
        {"handler allows a read-only column", 1, 2, true, false, false, 1, true},
        {"header row", 1, 0, false, false, false, -1, false},
        {"fixed col", 0, 2, false, false, false, -1, false},
        {"past the collection", 8, 2, false, false, false, -1, false},
        {"past the collection, handler allows", 8, 2, false, false, false, 1, true},
    };
    for (const Case& c : cases) {
        if (c.Col < g.ColCount()) g.SetCellProperties(c.Col, c.Row, nullptr);
        if (TGridColumnItem* it = c.Col < g.Columns()->Count() ? Item(c.Col) : nullptr) {
            it->ReadOnly = c.ReadOnly;
            it->SetFixed(c.Fixed);
        }
        if (c.CellReadOnly) {
            auto* props = new TCellProperties(nullptr, c.Col, c.Row);
            props->ReadOnly = true;
            g.SetCellProperties(c.Col, c.Row, props);
        }
        g.OnCanEditCell = nullptr;
        if (c.Handler >= 0) g.OnCanEditCell = [&](TObject*, Integer, Integer, bool& E) { E = c.Handler == 1; };
        bool can = true;
        g.CanEditCell(c.Col, c.Row, can);
        EXPECT_EQ(can, c.Expected) << c.Name;
    }
    g.OnCanEditCell = nullptr;
    Item(1)->ReadOnly = false;
    Item(1)->SetFixed(false);
    g.BeginLoading();
    bool can = true;
    g.CanEditCell(1, 2, can);
    EXPECT_FALSE(can) << "loading";
    g.EndLoading();
    g.CanEditCell(1, 2, can);
    EXPECT_TRUE(can);
}

// ---- pop-up menus ----

TEST_F(ColumnGridCells, ColumnPopupsByClickAndRow)
{
    TRecordingMenu menu(nullptr);
    struct Case {
        TColumnPopupType Type;
        TMouseButton Button;
        Integer Row;
        bool Event, Shown;
    };
    const std::vector<Case> cases = {
        {cpFixedCellsRClick, mbRight, 0, true, true},  {cpFixedCellsRClick, mbRight, 2, true, false},
        {cpFixedCellsRClick, mbLeft, 0, false, false}, {cpNormalCellsLClick, mbLeft, 2, true, true},
        {cpNormalCellsLClick, mbLeft, 0, true, false}, {cpAllCellsRClick, mbRight, 0, true, true},
        {cpAllCellsRClick, mbRight, 2, true, true},    {cpAllCellsLClick, mbRight, 2, false, false},
    };
    Item(2)->SetColumnPopup(&menu);
    for (const Case& c : cases) {
        Item(2)->ColumnPopupType = c.Type;
        menu.Shown.clear();
        bool event = false;
        g.OnColumnPopup = [&](TObject*, Integer ACol, Integer ARow, TPopupMenu* M) {
            event = ACol == 2 && ARow == c.Row && M == &menu;
        };
        const TRect r = g.CellRect(2, c.Row);
        g.MouseDown(c.Button, 0, r.Left + 2, r.Top + 2);
        EXPECT_EQ(event, c.Event) << int(c.Type) << " row " << c.Row;
        ASSERT_EQ(menu.Shown.size(), c.Shown ? 1u : 0u) << int(c.Type) << " row " << c.Row;
        if (c.Shown) {
            const TPoint p = g.ClientToScreen(TPoint{r.Left, r.Bottom});
            EXPECT_EQ(menu.Shown[0].X, p.X);
            EXPECT_EQ(menu.Shown[0].Y, p.Y);
        }
    }
    Item(2)->SetColumnPopup(nullptr);
}

TEST_F(ColumnGridCells, TheMenuOfAHiddenColumnsNeighbourIsTheRealColumns)
{
    TRecordingMenu real3(nullptr);
    TRecordingMenu real2(nullptr);
    Item(3)->SetColumnPopup(&real3);
    Item(2)->SetColumnPopup(&real2);
    ASSERT_TRUE(g.FColumnVisibility.Hide(RealCol(2), 50));
    g.SetColCount(5);
    const TRect r = g.CellRect(2, 0);  // displayed column 2 is real column 3
    g.MouseDown(mbRight, 0, r.Left + 2, r.Top + 2);
    EXPECT_EQ(real3.Shown.size(), 1u);
    EXPECT_EQ(real2.Shown.size(), 0u);
    Item(3)->SetColumnPopup(nullptr);
    Item(2)->SetColumnPopup(nullptr);
}

TEST_F(ExtColumnGrid, AFreedMenuIsForgotten)
{
    auto menu = std::make_unique<TPopupMenu>(nullptr);
    Item(0)->SetColumnPopup(menu.get());
    menu.reset();
    EXPECT_EQ(Item(0)->ColumnPopup(), nullptr);
}

// ---- filter lists ----

TEST_F(ExtColumnGrid, FilterListShowsFriendlyNamesOnlyForColumnsWithAFilter)
{
    g.SetColCount(3);
    Item(1)->Filter()->Add(u"Active=Y");
    Item(1)->Filter()->Add(u"N");
    Item(1)->Filter()->Add(u"a=b=c");
    g.FilterList()->SetSorted(false);  // as GetColumnFilter leaves it before the string grid fills it
    g.FilterList()->Add(u"old");
    EXPECT_TRUE(g.ColumnFilterList(1));
    EXPECT_EQ(g.FilterList()->Text(), u"Active\r\nN\r\na\r\n");
    EXPECT_FALSE(g.ColumnFilterList(2));  // no Filter list
    EXPECT_FALSE(g.ColumnFilterList(7));  // past the collection
}

TEST_F(ExtColumnGrid, AChosenFilterEntrySetsTheConditionAndHeader)
{
    struct Case {
        const char* Entry;
        bool Display;
        const char16_t* Header;
        const char16_t* Condition;
    };
    for (const Case c : {Case{"Active=Y", true, u"Active", u"Y"}, Case{"N", true, u"N", u"N"},
                         Case{"Empty=", true, u"Empty", u""}, Case{"x=>5", false, u"", u">5"}}) {
        g.SetColCount(1);
        g.SetColCount(3);
        g.SetRowCount(3);
        g.SetFixedRows(1);
        g.AutoFilterUpdate = false;  // leaves the filter engine out
        g.Filter()->Clear();
        g.AutoFilterDisplay = c.Display;
        Item(2)->Filter()->Clear();
        Item(2)->Filter()->Add(u"other=1");
        Item(2)->Filter()->Add(Utf8ToString(c.Entry));
        Item(2)->FilterCaseSensitive = true;
        String friendly;
        g.OnFilterSelect = [&](TObject*, Integer Col, Integer Index, const String& F, String&) {
            if (Col == 2 && Index == 1) friendly = F;
        };
        g.FFilterCol = 2;
        g.ApplyFilterListChoice(1);
        EXPECT_EQ(g.FFilterCol, -1) << c.Entry;
        EXPECT_EQ(Item(2)->Header(), String(c.Header)) << c.Entry;
        EXPECT_EQ(friendly, Item(2)->Filter()->Strings(1).substr(0, friendly.size())) << c.Entry;
        ASSERT_TRUE(g.Filter()->HasFilter(2)) << c.Entry;
        EXPECT_EQ(g.Filter()->GetColFilter(2)->Condition, String(c.Condition)) << c.Entry;
        EXPECT_TRUE(g.Filter()->GetColFilter(2)->CaseSensitive) << c.Entry;
    }
    // The handler may change the condition; an index outside the list changes nothing.
    g.OnFilterSelect = [](TObject*, Integer, Integer, const String&, String& C) { C = u"changed"; };
    g.FFilterCol = 2;
    g.ApplyFilterListChoice(0);
    EXPECT_EQ(g.Filter()->GetColFilter(2)->Condition, u"changed");
    g.FFilterCol = 2;
    g.ApplyFilterListChoice(5);
    EXPECT_EQ(g.Filter()->GetColFilter(2)->Condition, u"changed");
    EXPECT_EQ(g.FFilterCol, -1);
}

// ---- formatted cells ----

TEST_F(ExtColumnGrid, FormattedCellsUseTheColumnsFloatFormatOnNumbersOnly)
{
    g.SetColCount(2);
    g.SetRowCount(2);
    Item(1)->SetFloatFormat(u"%.3f");
    struct Case {
        const char16_t* Text;
        const char16_t* Shown;
    };
    for (const Case c :
         {Case{u"1.5", u"1.500"}, Case{u"7", u"7.000"}, Case{u"1e3", u"1e3"}, Case{u"abc", u"abc"}, Case{u"", u""}}) {
        g.SetGridCell(1, 1, c.Text);
        EXPECT_EQ(g.GetFormattedCell(1, 1), String(c.Shown)) << StringToUtf8(c.Text);
    }
    g.SetGridCell(1, 1, u"2");
    Item(1)->SetFloatFormat(u"%d");  // a direct caller gets the format's error
    EXPECT_THROW(g.GetFormattedCell(1, 1), EConvertError);
    Item(1)->SetFloatFormat(u"%.1f");
    g.SetGridCell(1, 1, u"abc");
    g.OnGetFloatFormat = [](TObject*, Integer, Integer, bool& IsFloat, String&) { IsFloat = true; };
    EXPECT_THROW(g.GetFormattedCell(1, 1), Exception);  // "Cell does not contain a float value"
    g.OnGetFloatFormat = [](TObject*, Integer, Integer, bool&, String& F) { F.clear(); };
    g.SetGridCell(1, 1, u"3");
    EXPECT_EQ(g.GetFormattedCell(1, 1), u"3");
}

// The painter and the measuring keep a cell's own text where the column's format fails on it.
TEST_F(ExtColumnGrid, PaintingKeepsTheRawTextWhereTheColumnFormatFails)
{
    auto* form = new TForm(Application);
    form->SetBounds(0, 0, 400, 300);
    g.SetParent(form);
    g.SetBounds(0, 0, 300, 200);
    g.SetColCount(2);
    g.SetRowCount(2);
    struct Case {
        const char16_t* Format;
        bool ForceFloat;
        const char16_t* Text;
    };
    for (const Case c : {Case{u"%d", false, u"2"}, Case{u"%.1f", true, u"abc"}, Case{u"%.1f", false, u"2"}}) {
        SCOPED_TRACE(StringToUtf8(c.Format) + " " + StringToUtf8(c.Text));
        Item(1)->SetFloatFormat(c.Format);
        g.OnGetFloatFormat = [&](TObject*, Integer, Integer, bool& IsFloat, String&) {
            IsFloat = IsFloat || c.ForceFloat;
        };
        g.SetGridCell(1, 1, c.Text);
        TRecordingCanvas canvas;
        EXPECT_NO_THROW(g.PaintCell(canvas, 1, 1, g.CellRect(1, 1), 0));
        String drawn;
        for (const TCanvasCall& k : canvas.Calls())
            if (k.Name == "DrawText" && !(k.Args[4] & DT_CALCRECT)) drawn = k.Text;
        const bool formats = String(c.Text) == u"2" && String(c.Format) == u"%.1f";
        EXPECT_EQ(drawn, formats ? String(u"2.0") : String(c.Text));
        EXPECT_NO_THROW(g.CalcAutoColWidth(1, false));
    }
    g.SetParent(nullptr);
    delete form;
}

// ---- column positions in an INI file ----

TEST_F(ExtColumnGrid, ColumnPositionsAreWrittenAsAnIniFilePythonReads)
{
    ScratchDir dir("column_positions");
    g.SetColCount(3);
    Item(0)->DefIdx = 2;
    Item(1)->DefIdx = 0;
    Item(2)->DefIdx = 1;
    const auto ini = dir / "cols.ini";
    g.SaveColumnPositions(Utf8ToString(ini.string()), u"Order");
    const auto values = ReadWithConfigParser(ini);
    if (!values) GTEST_SKIP() << "python3 is missing";
    using Values = std::map<std::pair<String, String>, String>;
    EXPECT_EQ(*values, (Values{{{u"Order", u"CP0"}, u"2"}, {{u"Order", u"CP1"}, u"0"}, {{u"Order", u"CP2"}, u"1"}}));
}

TEST_F(ExtColumnGrid, AnIniFileThatIsNoPermutationChangesNothing)
{
    ScratchDir dir("column_positions_bad");
    struct Case {
        const char* Name;
        const char* Text;
    };
    const std::vector<Case> cases = {
        {"missing file", nullptr},
        {"missing key", "[S]\nCP0=1\nCP1=0\n"},
        {"duplicate value", "[S]\nCP0=1\nCP1=1\nCP2=0\n"},
        {"out of range", "[S]\nCP0=0\nCP1=1\nCP2=3\n"},
        {"negative", "[S]\nCP0=0\nCP1=-1\nCP2=2\n"},
        {"not a number", "[S]\nCP0=0\nCP1=one\nCP2=2\n"},
        {"other section", "[T]\nCP0=2\nCP1=1\nCP2=0\n"},
    };
    g.SetColCount(3);
    for (const Case& c : cases) {
        for (Integer i = 0; i < 3; ++i) Item(i)->DefIdx = 10 + i;
        const auto file = dir / (std::string(c.Name) + ".ini");
        if (c.Text != nullptr) writeBytes(file, c.Text);
        g.LoadColumnPositions(Utf8ToString(file.string()), u"S");
        for (Integer i = 0; i < 3; ++i) EXPECT_EQ(Item(i)->DefIdx, 10 + i) << c.Name;
    }
}

// ---- the column stream ----

TEST_F(ExtColumnGrid, TheColumnStreamCarriesEveryProperty)
{
    TComponent form(nullptr);
    TPopupMenu* menu = new TPopupMenu(&form);
    menu->SetName(u"ColMenu");
    TColumnTestGrid source(&form);
    TColumnTestGrid target(&form);
    source.SetColCount(3);
    target.SetColCount(3);
    for (const TPropCase& c : PropCases()) c.Set(*source.Columns()->Items(1));
    source.Columns()->Items(2)->SetColumnPopup(menu);
    source.Columns()->Items(2)->CheckTrue = u"";  // not written: read back as the default
    TMemoryStream stream;
    source.SaveColumnsToStream(&stream);
    stream.SetPosition(0);
    target.LoadColumnsFromStream(&stream);
    ASSERT_EQ(target.Columns()->Count(), 3);
    for (const TPropCase& c : PropCases())
        EXPECT_TRUE(c.Same(*target.Columns()->Items(1), *source.Columns()->Items(1))) << c.Name;
    EXPECT_EQ(target.Columns()->Items(2)->ColumnPopup(), menu);
    EXPECT_EQ(target.Columns()->Items(2)->CheckTrue, u"Y");
    EXPECT_EQ(target.ColCount(), 3);
}

TEST_F(ExtColumnGrid, ABadColumnStreamRaisesAndLeavesTheColumns)
{
    g.SetColCount(2);
    Item(1)->Name = u"kept";
    TColumnTestGrid source(nullptr);
    source.SetColCount(4);
    source.Columns()->Items(3)->Name = u"new";
    TMemoryStream good;
    source.SaveColumnsToStream(&good);
    const std::string bytes(good.Bytes());
    std::vector<std::string> bad = {"", "junk", bytes + "x"};
    for (size_t cut = 0; cut < bytes.size(); cut += 7) bad.push_back(bytes.substr(0, cut));
    std::string huge = bytes;
    huge[40] = '\x7F';  // the item count's high byte (after the 36-byte class name and the version)
    bad.push_back(huge);
    for (const std::string& b : bad) {
        TStringStream stream{std::string_view(b)};
        EXPECT_THROW(g.LoadColumnsFromStream(&stream), EReadError) << b.size();
        ASSERT_EQ(g.Columns()->Count(), 2);
        EXPECT_EQ(Item(1)->Name, u"kept");
    }
}

// The data check boxes as painted: the picture keeps the look; the pixels show a checked box
// differs from an unchecked one while boxes of the same state look alike, in every control style
// that draws its own square.
TEST_F(ColumnGridCells, PictureOfTheDataCheckBoxesCheckedAndUnchecked)
{
    g.SetBounds(0, 0, 300, 150);
    g.SetDefaultColWidth(46);
    g.SetDefaultRowHeight(22);
    g.SetColor(clWhite);
    for (Integer c = 1; c < 5; ++c) g.SetCells(c, 0, u"Col " + IntToStr(c));
    for (Integer r = 1; r < 5; ++r) g.SetCells(4, r, r % 2 ? u"Y" : u"N");
    // The current cell away from the boxes, so that each shows its own colours.
    g.SetCol(1);
    g.SetRow(4);
    const std::vector<TControlStyle> styles{csClassic, csFlat, csWinXP};
    constexpr Integer W = 300, H = 150;
    TBitmap out;
    out.SetSize(Integer(styles.size()) * (W + 10), H + 14);
    out.Canvas()->Brush()->SetColor(TColor(0xF8F7ED));
    out.Canvas()->FillRect(Rect(0, 0, out.Width(), out.Height()));
    // The pixels of body cell (4, ARow) of the grid painted at X.
    const auto cellPixels = [&](Integer X, Integer ARow) {
        const TRect cell = g.CellRect(4, ARow);
        std::vector<TColor> px;
        for (Integer y = cell.Top; y < cell.Bottom; ++y)
            for (Integer x = cell.Left; x < cell.Right; ++x) px.push_back(out.Canvas()->Pixels(X + x, 14 + y));
        return px;
    };
    for (size_t i = 0; i < styles.size(); ++i) {
        g.ControlLook()->SetControlStyle(styles[i]);
        const Integer x = Integer(i) * (W + 10);
        PaintWholeGrid(g, *out.Canvas(), x, 0, u"Style " + IntToStr(Integer(styles[i])));
        ASSERT_FALSE(IsRectEmpty(g.CellRect(4, 1)));
        EXPECT_EQ(cellPixels(x, 1), cellPixels(x, 3)) << "two checked boxes alike, style " << i;
        EXPECT_EQ(cellPixels(x, 2), cellPixels(x, 4)) << "two unchecked boxes alike, style " << i;
        EXPECT_NE(cellPixels(x, 1), cellPixels(x, 2)) << "checked differs from unchecked, style " << i;
        const std::vector<TColor> blank(cellPixels(x, 2).size(), clWhite);
        EXPECT_NE(cellPixels(x, 2), blank) << "the unchecked box is drawn, style " << i;
    }
    const std::filesystem::path file = picturePath("ext_column_grid_check_boxes.png");
    SaveSurfaceToPng(out.Surface(), Utf8ToString(file.string()));
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_GT(std::filesystem::file_size(file), 1000u);
}

}  // namespace
}  // namespace gw::test
