// What a new grid's settings records, settings objects, control look and sort settings hold: one
// table, row by row as the settings are documented.
#include "grid/model/background.h"
#include "grid/model/balloon_settings.h"
#include "grid/model/cell_node.h"
#include "grid/model/column_size.h"
#include "grid/model/control_look.h"
#include "grid/model/drag_drop_settings.h"
#include "grid/model/drag_scroll_options.h"
#include "grid/model/filter.h"
#include "grid/model/filter_drop_down.h"
#include "grid/model/grid_item.h"
#include "grid/model/grouping.h"
#include "grid/model/html_settings.h"
#include "grid/model/print_settings.h"
#include "grid/model/progress_appearance.h"
#include "grid/model/show_modified.h"
#include "grid/model/size_while_typing.h"
#include "grid/model/sort_settings.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/font.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/unicode.h"
#include "tests/grid/model/defaults_table.h"
#include "tests/grid/model/fake_settings_grid.h"

#include <gtest/gtest.h>

#include <variant>
#include <vector>

namespace gw {
namespace {

using test::DefaultRow;
using test::Value;
using test::I;
using test::S;
using test::Show;

// Every setting of a new grid, built as the grid builds them.
class SettingsDefaults : public ::testing::Test {
protected:
    test::TFakeSettingsGrid grid;
    TCellNode node{&grid};
    TSizeWhileTyping sizeWhileTyping;
    TColumnSize columnSize{&grid};
    THTMLSettings html;
    TPrintSettings print{&grid};
    TFilter filter{&grid};
    TGridItem hidden{RealRow(0), THiddenRowKind::ByIndex, 0};
    TBackGround background{&grid};
    TGrouping grouping;
    TDragDropSettings dragDrop{&grid};
    TBalloonSettings balloon;
    TShowModified showModified;
    TDragScrollOptions dragScroll;
    TGridProgressAppearance progress;
    TFilterDropDown filterDropDown;
    TControlLook look{&grid};
    TSortSettings sort{&grid};
    TFont platformFont;

    std::vector<DefaultRow> Rows();
};

std::vector<DefaultRow> SettingsDefaults::Rows()
{
    const TFilterData& condition = *filter.Add();
    const auto font = [&](const TFont* f) { return S(f->Name() + u" " + Utf8ToString(std::to_string(f->Height()))); };
    const Value defaultFont = font(&platformFont);
    return {
        {"TCellNode.Color", I(node.Color), I(0xC0C0C0)},
        {"TCellNode.NodeType", I(node.NodeType()), I(cnXP)},
        {"TCellNode.NodeColor", I(node.NodeColor), I(0x000000)},
        {"TCellNode.ExpandGlyph empty", I(node.ExpandGlyph()->Empty()), I(true)},
        {"TCellNode.ExpandOne", I(node.ExpandOne), I(false)},
        {"TCellNode.ContractGlyph empty", I(node.ContractGlyph()->Empty()), I(true)},
        {"TCellNode.ShowTree", I(node.ShowTree()), I(true)},
        {"TCellNode.ShowTreeFull", I(node.ShowTreeFull()), I(true)},
        {"TCellNode.NodeIndent", I(node.NodeIndent()), I(12)},
        {"TCellNode.TreeColor", I(node.TreeColor()), I(0x808080)},

        {"TSizeWhileTyping.Width", I(sizeWhileTyping.Width), I(false)},
        {"TSizeWhileTyping.Height", I(sizeWhileTyping.Height), I(false)},

        {"TColumnSize.Save", I(columnSize.Save), I(false)},
        {"TColumnSize.Key", S(columnSize.Key), S(u"")},
        {"TColumnSize.Section", S(columnSize.Section), S(u"")},
        {"TColumnSize.Stretch", I(columnSize.Stretch()), I(false)},
        {"TColumnSize.StretchColumn", I(columnSize.StretchColumn), I(-1)},
        {"TColumnSize.SynchWithGrid", I(columnSize.SynchWithGrid), I(false)},
        {"TColumnSize.SynchNormalCellsOnly", I(columnSize.SynchNormalCellsOnly), I(false)},
        {"TColumnSize.Location", I(columnSize.Location), I(clRegistry)},
        {"TColumnSize.Rows", I(columnSize.Rows), I(arAll)},

        {"THTMLSettings.AutoPreview", I(html.AutoPreview), I(false)},
        {"THTMLSettings.ConvertSpecialChars", I(html.ConvertSpecialChars), I(false)},
        {"THTMLSettings.NonBreakingText", I(html.NonBreakingText), I(false)},
        {"THTMLSettings.SaveColor", I(html.SaveColor), I(true)},
        {"THTMLSettings.SaveFonts", I(html.SaveFonts), I(true)},
        {"THTMLSettings.FooterFile", S(html.FooterFile), S(u"")},
        {"THTMLSettings.HeaderFile", S(html.HeaderFile), S(u"")},
        {"THTMLSettings.BorderSize", I(html.BorderSize), I(1)},
        {"THTMLSettings.CellSpacing", I(html.CellSpacing), I(0)},
        {"THTMLSettings.CellPadding", I(html.CellPadding), I(0)},
        {"THTMLSettings.TableStyle", S(html.TableStyle), S(u"")},
        {"THTMLSettings.PrefixTag", S(html.PrefixTag), S(u"")},
        {"THTMLSettings.SuffixTag", S(html.SuffixTag), S(u"")},
        {"THTMLSettings.Summary", S(html.Summary), S(u"")},
        {"THTMLSettings.Width", I(html.Width), I(100)},
        {"THTMLSettings.ColWidths", I(html.ColWidths()->Count()), I(0)},
        {"THTMLSettings.XHTML", I(html.XHTML), I(false)},
        {"THTMLSettings.ExportImages", I(html.ExportImages), I(true)},

        {"TPrintSettings.Time", I(print.Time), I(ppNone)},
        {"TPrintSettings.Date", I(print.Date), I(ppNone)},
        {"TPrintSettings.PageNr", I(print.PageNr), I(ppNone)},
        {"TPrintSettings.PageNumSep", S(print.PageNumSep), S(u"/")},
        {"TPrintSettings.DateFormat", S(print.DateFormat), S(u"dd/mm/yyyy")},
        {"TPrintSettings.Title", I(print.Title), I(ppNone)},
        {"TPrintSettings.Font", font(print.Font()), defaultFont},
        {"TPrintSettings.HeaderFont", font(print.HeaderFont()), defaultFont},
        {"TPrintSettings.FooterFont", font(print.FooterFont()), defaultFont},
        {"TPrintSettings.Borders", I(print.Borders), I(pbSingle)},
        {"TPrintSettings.BorderStyle", I(print.BorderStyle), I(psSolid)},
        {"TPrintSettings.TitleText", S(print.TitleText), S(u"")},
        {"TPrintSettings.TitleLines", I(print.TitleLines()->Count()), I(0)},
        {"TPrintSettings.Centered", I(print.Centered), I(true)},
        {"TPrintSettings.RepeatFixedRows", I(print.RepeatFixedRows), I(false)},
        {"TPrintSettings.RepeatFixedCols", I(print.RepeatFixedCols), I(false)},
        {"TPrintSettings.FooterSize", I(print.FooterSize), I(0)},
        {"TPrintSettings.HeaderSize", I(print.HeaderSize), I(0)},
        {"TPrintSettings.LeftSize", I(print.LeftSize), I(0)},
        {"TPrintSettings.RightSize", I(print.RightSize), I(0)},
        {"TPrintSettings.ColumnSpacing", I(print.ColumnSpacing), I(0)},
        {"TPrintSettings.RowSpacing", I(print.RowSpacing), I(0)},
        {"TPrintSettings.TitleSpacing", I(print.TitleSpacing), I(0)},
        {"TPrintSettings.Orientation", I(print.Orientation), I(poPortrait)},
        {"TPrintSettings.PagePrefix", S(print.PagePrefix), S(u"")},
        {"TPrintSettings.PageSuffix", S(print.PageSuffix), S(u"")},
        {"TPrintSettings.FixedHeight", I(print.FixedHeight), I(0)},
        {"TPrintSettings.UseFixedHeight", I(print.UseFixedHeight), I(false)},
        {"TPrintSettings.FixedWidth", I(print.FixedWidth), I(0)},
        {"TPrintSettings.UseFixedWidth", I(print.UseFixedWidth), I(false)},
        {"TPrintSettings.FitToPage", I(print.FitToPage), I(fpNever)},
        {"TPrintSettings.NoAutoSize", I(print.NoAutoSize), I(false)},
        {"TPrintSettings.PrintGraphics", I(print.PrintGraphics), I(false)},
        {"TPrintSettings.JobName", S(print.JobName), S(u"")},
        {"TPrintSettings.NoAutoSizeRow", I(print.NoAutoSizeRow), I(false)},
        {"TPrintSettings.PageNumberOffset", I(print.PageNumberOffset), I(0)},
        {"TPrintSettings.MaxPagesOffset", I(print.MaxPagesOffset), I(0)},
        {"TPrintSettings.FixedFont", font(print.FixedFont()), defaultFont},
        {"TPrintSettings.UseDisplayFont", I(print.UseDisplayFont), I(true)},
        {"TPrintSettings.UseDefaultOrientation", I(print.UseDefaultOrientation), I(false)},
        {"TPrintSettings.FixedCellsAlways", I(print.FixedCellsAlways), I(false)},
        {"TPrintSettings.BorderColor", I(print.BorderColor), I(0x000000)},

        {"TGridItem.Idx", I(hidden.Idx().Value()), I(0)},
        {"TGridItem.Height", I(hidden.Height), I(0)},
        {"TGridItem.Level", I(hidden.Level()), I(0)},
        {"TGridItem.Items", I(hidden.Items.Count()), I(0)},

        {"TFilterData.Column", I(condition.Column), I(0)},
        {"TFilterData.Condition", S(condition.Condition), S(u"")},
        {"TFilterData.CaseSensitive", I(condition.CaseSensitive), I(true)},
        {"TFilterData.Data", I(condition.Data), I(fcVirtual)},
        {"TFilterData.Prefix", S(condition.Prefix), S(u"")},
        {"TFilterData.Suffix", S(condition.Suffix), S(u"")},
        {"TFilterData.Operation (the only one)", I(condition.Operation), I(foNONE)},
        {"TFilterData.Method", I(condition.Method), I(fmExpression)},

        {"TBackGround.Top", I(background.Top()), I(0)},
        {"TBackGround.Left", I(background.Left()), I(0)},
        {"TBackGround.Display", I(background.Display()), I(bdTile)},
        {"TBackGround.Bitmap empty", I(background.Bitmap()->Empty()), I(true)},
        {"TBackGround.Cells", I(background.Cells()), I(bcNormal)},
        {"TBackGround.Color", I(background.Color()), I(TColorOf(0xFF000005))},
        {"TBackGround.ColorTo", I(background.ColorTo()), I(TColorOf(0xFF00000F))},

        {"TGrouping.AutoSelectGroup", I(grouping.AutoSelectGroup), I(false)},
        {"TGrouping.AutoCheckGroup", I(grouping.AutoCheckGroup), I(false)},
        {"TGrouping.GroupCountFormat", S(grouping.GroupCountFormat), S(u"")},
        {"TGrouping.HeaderColor", I(grouping.HeaderColor), I(0x1FFFFFFF)},
        {"TGrouping.HeaderColorTo", I(grouping.HeaderColorTo), I(0x1FFFFFFF)},
        {"TGrouping.HeaderTextColor", I(grouping.HeaderTextColor), I(0x1FFFFFFF)},
        {"TGrouping.HeaderUnderline", I(grouping.HeaderUnderline), I(false)},
        {"TGrouping.HeaderLineColor", I(grouping.HeaderLineColor), I(0xFF0000)},
        {"TGrouping.HeaderLineWidth", I(grouping.HeaderLineWidth), I(2)},
        {"TGrouping.MergeHeader", I(grouping.MergeHeader), I(false)},
        {"TGrouping.MergeSummary", I(grouping.MergeSummary), I(false)},
        {"TGrouping.ShowGroupCount", I(grouping.ShowGroupCount), I(false)},
        {"TGrouping.Summary", I(grouping.Summary), I(false)},
        {"TGrouping.SummaryColor", I(grouping.SummaryColor), I(0x1FFFFFFF)},
        {"TGrouping.SummaryColorTo", I(grouping.SummaryColorTo), I(0x1FFFFFFF)},
        {"TGrouping.SummaryTextColor", I(grouping.SummaryTextColor), I(0x1FFFFFFF)},
        {"TGrouping.SummaryLine", I(grouping.SummaryLine), I(false)},
        {"TGrouping.SummaryLineColor", I(grouping.SummaryLineColor), I(0xFF0000)},
        {"TGrouping.SummaryLineWidth", I(grouping.SummaryLineWidth), I(2)},

        {"TDragDropSettings.ShowCells", I(dragDrop.ShowCells), I(true)},
        {"TDragDropSettings.OleAcceptFiles", I(dragDrop.OleAcceptFiles), I(true)},
        {"TDragDropSettings.OleAcceptText", I(dragDrop.OleAcceptText), I(true)},
        {"TDragDropSettings.OleAcceptURLs", I(dragDrop.OleAcceptURLs), I(true)},
        {"TDragDropSettings.OleAppendRows", I(dragDrop.OleAppendRows), I(false)},
        {"TDragDropSettings.OleColumnDragDrop", I(dragDrop.OleColumnDragDrop), I(false)},
        {"TDragDropSettings.OleColumnReorder", I(dragDrop.OleColumnReorder), I(false)},
        {"TDragDropSettings.OleColumnsOnly", I(dragDrop.OleColumnsOnly), I(false)},
        {"TDragDropSettings.OleCopyAlways", I(dragDrop.OleCopyAlways), I(false)},
        {"TDragDropSettings.OleDropTarget", I(dragDrop.OleDropTarget()), I(false)},
        {"TDragDropSettings.OleDropSource", I(dragDrop.OleDropSource), I(false)},
        {"TDragDropSettings.OleEntireRows", I(dragDrop.OleEntireRows), I(false)},
        {"TDragDropSettings.OleInsertRows", I(dragDrop.OleInsertRows), I(false)},
        {"TDragDropSettings.OleRemoveRows", I(dragDrop.OleRemoveRows), I(false)},
        {"TDragDropSettings.OleDropRTF", I(dragDrop.OleDropRTF()), I(false)},

        {"TBalloonSettings.AutoHideDelay", I(balloon.AutoHideDelay), I(-1)},
        {"TBalloonSettings.BackgroundColor", I(balloon.BackgroundColor), I(0x1FFFFFFF)},
        {"TBalloonSettings.Enable", I(balloon.Enable()), I(false)},
        {"TBalloonSettings.InitialDelay", I(balloon.InitialDelay), I(-1)},
        {"TBalloonSettings.ReshowDelay", I(balloon.ReshowDelay), I(-1)},
        {"TBalloonSettings.TextColor", I(balloon.TextColor), I(0x1FFFFFFF)},
        {"TBalloonSettings.Transparency", I(balloon.Transparency), I(0)},

        {"TShowModified.Enabled", I(showModified.Enabled), I(false)},
        {"TShowModified.Color", I(showModified.Color()), I(0xFFFF)},

        {"TDragScrollOptions.Active", I(dragScroll.Active), I(false)},
        {"TDragScrollDelays.InitialDelay", I(dragScroll.Delays()->InitialDelay), I(1000)},
        {"TDragScrollDelays.RepeatDelay", I(dragScroll.Delays()->RepeatDelay), I(250)},
        {"TDragScrollMargins.TopMargin", I(dragScroll.Margins()->TopMargin), I(50)},
        {"TDragScrollMargins.BottomMargin", I(dragScroll.Margins()->BottomMargin), I(50)},
        {"TDragScrollMargins.LeftMargin", I(dragScroll.Margins()->LeftMargin), I(50)},
        {"TDragScrollMargins.RightMargin", I(dragScroll.Margins()->RightMargin), I(50)},

        {"TGridProgressAppearance.CompleteColor", I(progress.CompleteColor()), I(0x0000FF)},
        {"TGridProgressAppearance.CompleteFontColor", I(progress.CompleteFontColor()), I(0xFF0000)},
        {"TGridProgressAppearance.UnCompleteColor", I(progress.UnCompleteColor()), I(0x1FFFFFFF)},
        {"TGridProgressAppearance.UnCompleteFontColor", I(progress.UnCompleteFontColor()), I(TColorOf(0xFF000008))},
        {"TGridProgressAppearance.Level0Color", I(progress.Level0Color()), I(0x00FF00)},
        {"TGridProgressAppearance.Level0ColorTo", I(progress.Level0ColorTo()), I(0xE1FFE1)},
        {"TGridProgressAppearance.Level1Color", I(progress.Level1Color()), I(0x00FFFF)},
        {"TGridProgressAppearance.Level1ColorTo", I(progress.Level1ColorTo()), I(0xCAFFFF)},
        {"TGridProgressAppearance.Level2Color", I(progress.Level2Color()), I(0x53A9FF)},
        {"TGridProgressAppearance.Level2ColorTo", I(progress.Level2ColorTo()), I(0xA8D3FF)},
        {"TGridProgressAppearance.Level3Color", I(progress.Level3Color()), I(0x0000FF)},
        {"TGridProgressAppearance.Level3ColorTo", I(progress.Level3ColorTo()), I(0xCACAFF)},
        {"TGridProgressAppearance.Level1Perc", I(progress.Level1Perc()), I(70)},
        {"TGridProgressAppearance.Level2Perc", I(progress.Level2Perc()), I(90)},
        {"TGridProgressAppearance.BorderColor", I(progress.BorderColor()), I(0)},
        {"TGridProgressAppearance.ShowBorder", I(progress.ShowBorder()), I(false)},
        {"TGridProgressAppearance.Stacked", I(progress.Stacked()), I(false)},
        {"TGridProgressAppearance.ShowPercentage", I(progress.ShowPercentage()), I(true)},
        {"TGridProgressAppearance.CompletionSmooth", I(progress.CompletionSmooth()), I(true)},
        {"TGridProgressAppearance.ShowGradient", I(progress.ShowGradient()), I(true)},
        {"TGridProgressAppearance.Steps", I(progress.Steps()), I(11)},
        {"TGridProgressAppearance.Style", I(progress.Style), I(psXP)},

        {"TFilterDropDown.AutoSize", I(filterDropDown.AutoSize), I(false)},
        {"TFilterDropDown.Color", I(filterDropDown.Color), I(TColorOf(0xFF000005))},
        {"TFilterDropDown.ColumnWidth", I(filterDropDown.ColumnWidth), I(false)},
        {"TFilterDropDown.Font", font(filterDropDown.Font()), defaultFont},
        {"TFilterDropDown.Height", I(filterDropDown.Height), I(150)},
        {"TFilterDropDown.Width", I(filterDropDown.Width), I(150)},
        {"TFilterDropDown.Glyph empty", I(filterDropDown.Glyph()->Empty()), I(true)},
        {"TFilterDropDown.GlyphActive empty", I(filterDropDown.GlyphActive()->Empty()), I(true)},

        {"TControlLook.Color", I(look.Color()), I(0)},
        {"TControlLook.CommentColor", I(look.CommentColor()), I(255)},
        {"TControlLook.CheckedGlyph empty", I(look.CheckedGlyph()->Empty()), I(true)},
        {"TControlLook.FixedGradientFrom", I(look.FixedGradientFrom()), I(0x1FFFFFFF)},
        {"TControlLook.FixedGradientTo", I(look.FixedGradientTo()), I(0x1FFFFFFF)},
        {"TControlLook.FixedGradientMirrorFrom", I(look.FixedGradientMirrorFrom()), I(0x1FFFFFFF)},
        {"TControlLook.FixedGradientMirrorTo", I(look.FixedGradientMirrorTo()), I(0x1FFFFFFF)},
        {"TControlLook.FixedGradientHoverFrom", I(look.FixedGradientHoverFrom()), I(0x808080)},
        {"TControlLook.FixedGradientHoverTo", I(look.FixedGradientHoverTo()), I(0xFFFFFF)},
        {"TControlLook.FixedGradientHoverMirrorFrom", I(look.FixedGradientHoverMirrorFrom()), I(0x1FFFFFFF)},
        {"TControlLook.FixedGradientHoverMirrorTo", I(look.FixedGradientHoverMirrorTo()), I(0x1FFFFFFF)},
        {"TControlLook.FixedGradientHoverBorder", I(look.FixedGradientHoverBorder()), I(0xC0C0C0)},
        {"TControlLook.FixedGradientDownFrom", I(look.FixedGradientDownFrom()), I(0x808080)},
        {"TControlLook.FixedGradientDownTo", I(look.FixedGradientDownTo()), I(0xC0C0C0)},
        {"TControlLook.FixedGradientDownMirrorFrom", I(look.FixedGradientDownMirrorFrom()), I(0x1FFFFFFF)},
        {"TControlLook.FixedGradientDownMirrorTo", I(look.FixedGradientDownMirrorTo()), I(0x1FFFFFFF)},
        {"TControlLook.FixedGradientDownBorder", I(look.FixedGradientDownBorder()), I(0x808080)},
        {"TControlLook.FixedDropDownButton", I(look.FixedDropDownButton), I(false)},
        {"TControlLook.HintMaxWidth", I(look.HintMaxWidth), I(0)},
        {"TControlLook.UnCheckedGlyph empty", I(look.UnCheckedGlyph()->Empty()), I(true)},
        {"TControlLook.RadioOnGlyph empty", I(look.RadioOnGlyph()->Empty()), I(true)},
        {"TControlLook.RadioOffGlyph empty", I(look.RadioOffGlyph()->Empty()), I(true)},
        {"TControlLook.CheckSize", I(look.CheckSize()), I(15)},
        {"TControlLook.CheckAlwaysActive", I(look.CheckAlwaysActive), I(false)},
        {"TControlLook.RadioSize", I(look.RadioSize()), I(10)},
        {"TControlLook.RadioAlwaysActive", I(look.RadioAlwaysActive), I(false)},
        {"TControlLook.ControlStyle", I(look.ControlStyle()), I(csTheme)},
        {"TControlLook.DropDownAlwaysVisible", I(look.DropDownAlwaysVisible()), I(false)},
        {"TControlLook.DropDownCount", I(look.DropDownCount), I(8)},
        {"TControlLook.DropDownHeader made", I(look.DropDownHeader() != nullptr), I(true)},
        {"TControlLook.DropDownFooter made", I(look.DropDownFooter() != nullptr), I(true)},
        {"TControlLook.SpinButtonsAlwaysVisible", I(look.SpinButtonsAlwaysVisible()), I(false)},
        {"TControlLook.FlatButton", I(look.FlatButton()), I(false)},
        {"TControlLook.NoDisabledCheckRadioLook", I(look.NoDisabledCheckRadioLook()), I(false)},
        {"TControlLook.NoDisabledButtonLook", I(look.NoDisabledButtonLook()), I(false)},
        {"TControlLook.ProgressBorderColor", I(look.ProgressBorderColor()), I(0x808080)},
        {"TControlLook.ProgressMarginX", I(look.ProgressMarginX()), I(2)},
        {"TControlLook.ProgressMarginY", I(look.ProgressMarginY()), I(2)},
        {"TControlLook.ProgressXP", I(look.ProgressXP()), I(false)},

        {"TSortSettings.Show", I(sort.Show()), I(false)},
        {"TSortSettings.IndexShow", I(sort.IndexShow), I(false)},
        {"TSortSettings.Full", I(sort.Full), I(true)},
        {"TSortSettings.SingleColumn", I(sort.SingleColumn), I(false)},
        {"TSortSettings.IgnoreBlanks", I(sort.IgnoreBlanks), I(false)},
        {"TSortSettings.BlankPos", I(sort.BlankPos), I(blFirst)},
        {"TSortSettings.AutoFormat", I(sort.AutoFormat), I(true)},
        {"TSortSettings.Direction", I(sort.Direction), I(sdAscending)},
        {"TSortSettings.UpGlyph empty", I(sort.UpGlyph()->Empty()), I(true)},
        {"TSortSettings.DownGlyph empty", I(sort.DownGlyph()->Empty()), I(true)},
        {"TSortSettings.IndexUpGlyph empty", I(sort.IndexUpGlyph()->Empty()), I(true)},
        {"TSortSettings.IndexDownGlyph empty", I(sort.IndexDownGlyph()->Empty()), I(true)},
        {"TSortSettings.NormalCellsOnly", I(sort.NormalCellsOnly), I(false)},
        {"TSortSettings.FixedCols", I(sort.FixedCols), I(false)},
        {"TSortSettings.Column", I(sort.Column), I(-1)},
        {"TSortSettings.Row", I(sort.Row()), I(0)},
        {"TSortSettings.AutoColumnMerge", I(sort.AutoColumnMerge), I(false)},
        {"TSortSettings.IndexColor", I(sort.IndexColor), I(0x0000FFFF)},
        {"TSortSettings.InitSortDirection", I(sort.InitSortDirection), I(sdAscending)},
        {"TSortSettings.UndoSort", I(sort.UndoSort), I(false)},
        {"TSortSettings.AutoSortForGrouping", I(sort.AutoSortForGrouping), I(true)},
        {"TSortSettings.SortOnVirtualCells", I(sort.SortOnVirtualCells), I(true)},
        {"TSortSettings.IgnoreCase", I(sort.IgnoreCase), I(false)},
        {"TSortSettings.HeaderColor", I(sort.HeaderColor()), I(0x1FFFFFFF)},
        {"TSortSettings.HeaderColorTo", I(sort.HeaderColorTo()), I(0x1FFFFFFF)},
        {"TSortSettings.HeaderMirrorColor", I(sort.HeaderMirrorColor()), I(0x1FFFFFFF)},
        {"TSortSettings.HeaderMirrorColorTo", I(sort.HeaderMirrorColorTo()), I(0x1FFFFFFF)},
        {"TSortSettings.IndexSortKey", I(sort.IndexSortKey), I(ikShift)},
    };
}

TEST_F(SettingsDefaults, EveryValueOfANewGrid)
{
    for (const DefaultRow& row : Rows())
        EXPECT_EQ(row.Actual, row.Expected) << row.Name << ": " << Show(row.Actual) << ", not " << Show(row.Expected);
}

// Creating the settings reaches the grid in one way only: the control look hands the grid its
// hover and pressed mirror colours as none, so that a form description's colours start clean.
TEST_F(SettingsDefaults, CreationTellsTheGridOnlyTheMirrorColours)
{
    using test::TFakeSettingsGrid;
    EXPECT_EQ(grid.Log,
              (std::vector<std::string>{
                  TFakeSettingsGrid::ColourLine("ZEQGradientHoverMirrorFrom", clNone),
                  TFakeSettingsGrid::ColourLine("ZEQGradientHoverMirrorTo", clNone),
                  TFakeSettingsGrid::ColourLine("ZEQGradientDownMirrorFrom", clNone),
                  TFakeSettingsGrid::ColourLine("ZEQGradientDownMirrorTo", clNone),
              }));
}

}  // namespace
}  // namespace gw
