// Copying one string grid into another: every settings object, the dimensions and the sizes of
// each column and row, the headers, the scroll settings, and the cells last (through AssignCells,
// whose cell stream is the exchange room's: recorded here). Other sources are ignored.
#include "grid/foundation/bands.h"
#include "grid/foundation/focus_window.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/foundation/search_footer.h"
#include "grid/foundation/sync_grid.h"
#include "grid/model/cell_node.h"
#include "grid/model/column_size.h"
#include "grid/model/drag_drop_settings.h"
#include "grid/model/drag_scroll_options.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/filter.h"
#include "grid/model/filter_drop_down.h"
#include "grid/model/grouping.h"
#include "grid/model/html_settings.h"
#include "grid/model/print_settings.h"
#include "grid/model/progress_appearance.h"
#include "grid/model/sort_settings.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/font.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gw::test {
namespace {

// Records the cells' copy instead of running the cell stream.
class TAssignGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    void AssignCells(TPersistent* Source) override
    {
        CellSources.push_back(Source);
        ColCountAtCells = ColCount();
    }
    std::vector<TPersistent*> CellSources;
    Integer ColCountAtCells = -1;
};

class ExtStringGridAssign : public ::testing::Test {
protected:
    THarness h;
    TAssignGrid source{nullptr};
    TAssignGrid target{nullptr};
};

// The source differs from a new grid in one value of everything Assign copies.
void MakeDistinct(TExtStringGrid& S)
{
    S.SetColCount(5);
    S.SetRowCount(3);
    S.SetFixedCols(0);
    // AutoSize sizes the columns at once (here from no measured row); the widths below follow.
    S.ColumnSize()->Rows = arFixed;
    S.SetFixedRows(0);
    S.SetAutoSize(true);
    S.SetFixedRows(1);
    S.ColumnSize()->Rows = arAll;
    S.SetDefaultColWidth(70);
    S.SetDefaultRowHeight(30);
    S.SetColWidths(1, 111);
    S.SetColWidths(4, 44);
    S.SetRowHeights(2, 55);
    S.Font()->SetSize(13);
    S.SetActiveCellColor(TColor(0x123456));
    S.SetActiveCellColorTo(TColor(0x654321));
    S.ActiveCellFont()->SetName(u"Courier New");
    S.SetActiveCellShow(true);
    S.SetActiveRowShow(true);
    S.SetAlign(alBottom);
    S.FilterDropDown()->Height = 77;
    S.AnchorHint = true;
    S.AutoNumAlign = true;
    S.SetAutoThemeAdapt(true);
    S.AutoFilterUpdate = false;
    S.MouseActions()->DirectDateClose = true;
    S.Navigation()->AlwaysEdit = true;
    S.Grouping()->HeaderColor = TColor(0x00AA00);
    S.SearchFooter()->SetShowFindNext(false);
    S.PrintSettings()->PageNumSep = u"-";
    S.Filter()->Add()->Condition = u">5";
    S.HTMLSettings()->Summary = u"sum";
    S.Bands()->SetPrimaryLength(3);
    S.CellNode()->Color = clRed;
    S.SortSettings()->Column = 2;
    S.DragScrollOptions()->Margins()->TopMargin = 9;
    S.DragDropSettings()->OleAcceptText = false;
    S.ProgressAppearance()->SetCompleteColor(TColor(0x0000AA));
    S.ColumnSize()->StretchColumn = 3;
    S.SyncGrid()->ScrollVertical = true;
    S.FocusHelper()->Enabled = true;
    S.FixedRowAlways = true;
    S.InvalidEntryTitle = u"Wrong";
    S.InvalidEntryIcon = ieError;
    S.InvalidEntryText = u"Not a port";
    S.SetOptions(S.Options() | goRowSelect);
    S.ColumnHeaders()->SetText(u"Name\nPort\\nTCP");
    S.SetScrollProportional(true);
    S.ScrollSynch = true;
    S.ScrollHints = shBoth;
    S.SetScrollBarAlways(saVert);
    S.SetScrollBars(ssVertical);
}

TEST_F(ExtStringGridAssign, EverySettingDimensionAndSizeIsCopied)
{
    MakeDistinct(source);
    target.Assign(&source);
    EXPECT_EQ(target.ColCount(), 5);
    EXPECT_EQ(target.RowCount(), 3);
    EXPECT_EQ(target.FixedCols(), 0);
    EXPECT_EQ(target.FixedRows(), 1);
    EXPECT_EQ(target.DefaultColWidth(), 70);
    EXPECT_EQ(target.DefaultRowHeight(), 30);
    for (Integer c = 0; c < 5; ++c) EXPECT_EQ(target.ColWidths(c), source.ColWidths(c)) << "column " << c;
    for (Integer r = 0; r < 3; ++r) EXPECT_EQ(target.RowHeights(r), source.RowHeights(r)) << "row " << r;
    EXPECT_EQ(target.ColWidths(1), 111);
    EXPECT_EQ(target.RowHeights(2), 55);
    EXPECT_EQ(target.Font()->Size(), 13);
    EXPECT_EQ(target.ActiveCellColor(), TColor(0x123456));
    EXPECT_EQ(target.ActiveCellColorTo(), TColor(0x654321));
    EXPECT_EQ(StringToUtf8(target.ActiveCellFont()->Name()), "Courier New");
    EXPECT_TRUE(target.ActiveCellShow());
    EXPECT_TRUE(target.ActiveRowShow());
    EXPECT_EQ(target.Align(), alBottom);
    EXPECT_EQ(target.FilterDropDown()->Height, 77);
    EXPECT_TRUE(target.AnchorHint && target.AutoNumAlign && target.AutoSize() && target.AutoThemeAdapt);
    EXPECT_FALSE(target.AutoFilterUpdate);
    EXPECT_TRUE(target.MouseActions()->DirectDateClose);
    EXPECT_TRUE(target.Navigation()->AlwaysEdit);
    EXPECT_EQ(target.Grouping()->HeaderColor, TColor(0x00AA00));
    EXPECT_FALSE(target.SearchFooter()->ShowFindNext());
    EXPECT_EQ(StringToUtf8(target.PrintSettings()->PageNumSep), "-");
    ASSERT_EQ(target.Filter()->Count(), 1);
    EXPECT_EQ(StringToUtf8(target.Filter()->Items(0)->Condition), ">5");
    EXPECT_EQ(StringToUtf8(target.HTMLSettings()->Summary), "sum");
    EXPECT_EQ(target.Bands()->PrimaryLength(), 3);
    EXPECT_EQ(target.CellNode()->Color, clRed);
    EXPECT_EQ(target.SortSettings()->Column, 2);
    EXPECT_EQ(target.DragScrollOptions()->Margins()->TopMargin, 9);
    EXPECT_FALSE(target.DragDropSettings()->OleAcceptText);
    EXPECT_EQ(target.ProgressAppearance()->CompleteColor(), TColor(0x0000AA));
    EXPECT_EQ(target.ColumnSize()->StretchColumn, 3);
    EXPECT_TRUE(target.SyncGrid()->ScrollVertical);
    EXPECT_TRUE(target.FocusHelper()->Enabled);
    EXPECT_TRUE(target.FixedRowAlways);
    EXPECT_EQ(StringToUtf8(target.InvalidEntryTitle), "Wrong");
    EXPECT_EQ(target.InvalidEntryIcon, ieError);
    EXPECT_EQ(StringToUtf8(target.InvalidEntryText), "Not a port");
    EXPECT_TRUE(target.Options() & goRowSelect);
    EXPECT_EQ(StringToUtf8(target.ColumnHeaders()->Text()), StringToUtf8(source.ColumnHeaders()->Text()));
    EXPECT_EQ(StringToUtf8(target.Cells(1, 0)), "Port\rTCP") << "the copied headers are shown";
    EXPECT_TRUE(target.ScrollProportional() && target.ScrollSynch && target.ScrollHints == shBoth);
    EXPECT_EQ(target.ScrollBarAlways, saVert);
    EXPECT_EQ(target.ScrollBars(), ssVertical);
    EXPECT_EQ(target.ScrollType(), ssNormal);
}

// The cells come last, once, from the source, into a grid already of the source's shape.
TEST_F(ExtStringGridAssign, TheCellsAreCopiedLastIntoTheNewShape)
{
    MakeDistinct(source);
    target.Assign(&source);
    EXPECT_EQ(target.CellSources, std::vector<TPersistent*>{&source});
    EXPECT_EQ(target.ColCountAtCells, 5);
}

// The owned objects are copied into, never shared: changing the source later leaves the target.
TEST_F(ExtStringGridAssign, TheTargetKeepsItsOwnObjects)
{
    MakeDistinct(source);
    TFont* font = target.Font();
    TNavigation* navigation = target.Navigation();
    target.Assign(&source);
    EXPECT_EQ(target.Font(), font);
    EXPECT_EQ(target.Navigation(), navigation);
    source.Navigation()->AlwaysEdit = false;
    source.ColumnHeaders()->SetText(u"Other");
    EXPECT_TRUE(target.Navigation()->AlwaysEdit);
    EXPECT_EQ(target.ColumnHeaders()->Count(), 2);
}

TEST_F(ExtStringGridAssign, AnotherSourceIsIgnoredWithoutError)
{
    TFont font;
    font.SetSize(30);
    const Integer cols = target.ColCount();
    EXPECT_NO_THROW(target.Assign(&font));
    EXPECT_NO_THROW(target.Assign(nullptr));
    TExtStringGrid plain(nullptr);
    EXPECT_NO_THROW(plain.AssignCells(&font));
    EXPECT_NO_THROW(plain.AssignCells(nullptr));
    EXPECT_EQ(target.ColCount(), cols);
    EXPECT_NE(target.Font()->Size(), 30);
    EXPECT_TRUE(target.CellSources.empty());
}

// A grid kept in step that goes away is forgotten, also when it came through Assign.
TEST_F(ExtStringGridAssign, AFreedSyncGridIsForgotten)
{
    auto* other = new TExtStringGrid(nullptr);
    target.SyncGrid()->SetGrid(other);
    delete other;
    EXPECT_EQ(target.SyncGrid()->Grid(), nullptr);
    auto* followed = new TExtStringGrid(nullptr);
    source.SyncGrid()->SetGrid(followed);
    target.Assign(&source);
    ASSERT_EQ(target.SyncGrid()->Grid(), followed);
    delete followed;
    EXPECT_EQ(target.SyncGrid()->Grid(), nullptr);
    EXPECT_EQ(source.SyncGrid()->Grid(), nullptr);
    // The follower going first leaves nothing behind in the grid it followed.
    auto* outliving = new TExtStringGrid(nullptr);
    auto* follower = new TExtStringGrid(nullptr);
    follower->SyncGrid()->SetGrid(outliving);
    delete follower;
    delete outliving;
}

}  // namespace
}  // namespace gw::test
