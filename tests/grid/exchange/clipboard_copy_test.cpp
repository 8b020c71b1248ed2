// Copy and cut: the clipboard text of a range, the rich text beside it, disjunct selections,
// hidden columns, merged cells, and what a cut empties with its undo step.
#include "grid/foundation/csv_utils.h"
#include "grid/foundation/undo_redo.h"
#include "grid/model/show_modified.h"
#include "platform/runtime/streams.h"
#include "platform/runtime/text_encoding.h"
#include "tests/grid/exchange/clipboard_grid.h"

namespace gw::test {
namespace {

TEST_F(ClipboardGridTest, TheCopiedTextSeparatesCellsByTabsAndEndsEveryRowOfSeveral)
{
    struct Case {
        const char* Name;
        TGridRect Range;
        const char* Text;
    };
    const Case cases[] = {
        {"one cell", {1, 1, 1, 1}, "11"},
        {"one row", {1, 1, 3, 1}, "11\t21\t31"},
        {"two by two", {1, 1, 2, 2}, "11\t21\r\n12\t22\r\n"},
        {"one column", {2, 3, 2, 5}, "23\r\n24\r\n25\r\n"},
    };
    Fill(1, 1, 4, 5);
    for (const Case& c : cases) {
        Select(c.Range.Left, c.Range.Top, c.Range.Right, c.Range.Bottom);
        g.FClipLastOp = coCut;
        g.CopySelectionToClipboard();
        EXPECT_EQ(Text(), c.Text) << c.Name;
        EXPECT_EQ(g.FClipLastOp, coCopy) << c.Name;
        EXPECT_EQ(g.FClipTopLeft, (TPoint{c.Range.Left, c.Range.Top})) << c.Name;
    }
}

TEST_F(ClipboardGridTest, ACellsOwnLineBreaksAndMarkUpAreCopiedInTheirClipboardForm)
{
    struct Case {
        const char* Name;
        const char16_t* Cell;
        bool Excel;
        bool Tags;
        const char16_t* Text;
    };
    const Case cases[] = {
        {"line break quoted as line feeds", u"a\r\nb", false, true, u"\"a\n\nb\""},
        {"a plain two-line cell under the Excel form", u"a\r\nb", true, true, u"\"a\n\nb\""},
        {"mark-up kept", u"<b>x</b>", false, true, u"<b>x</b>"},
        {"mark-up stripped", u"<b>x</b>", false, false, u"x"},
        {"stripped two lines under the Excel form", u"<b>a</b><br>b", true, false, u"\"a\x0B" u"b\""},
        {"rich text as its plain text", u"{\\rtf1\\ansi {\\b bold} text}", false, true, u"bold text"},
        {"wide form decoded", nullptr, false, true, u"\x263A!"},
    };
    Select(2, 2, 2, 2);
    g.Multilinecells = true;
    for (const Case& c : cases) {
        g.ExcelClipboardFormat = c.Excel;
        g.Navigation()->CopyHTMLTagsToClipboard = c.Tags;
        g.SetCellEx(2, 2, c.Cell ? String(c.Cell) : EncodeWideCellText(u"\x263A!"));
        g.CopySelectionToClipboard();
        EXPECT_EQ(Clipboard()->AsText(), c.Text) << c.Name;
    }
}

TEST_F(ClipboardGridTest, RichTextGoesBesideTheTextOnlyWhenAllowedAndTheTopLeftCellHoldsIt)
{
    const UINT rtf = RegisterClipboardFormat(u"Rich Text Format");
    const String doc = u"{\\rtf1\\ansi caf\\'e9}";
    g.SetCellEx(1, 1, doc);
    g.SetCellEx(2, 1, u"plain");
    std::string bytes;
    Select(1, 1, 2, 1);
    g.CopySelectionToClipboard();
    EXPECT_FALSE(Clipboard()->HasFormat(rtf)) << "not allowed";

    g.Navigation()->AllowRTFClipboard = true;
    g.CopySelectionToClipboard();
    ASSERT_TRUE(Clipboard()->GetBuffer(rtf, bytes));
    EXPECT_EQ(bytes, StringToUtf8(doc) + std::string(1, '\0')) << "the 8-bit text and one zero byte";
    EXPECT_EQ(Text(), "caf\xC3\xA9\tplain") << "the text stays beside it";

    Select(2, 1, 2, 1);
    g.CopySelectionToClipboard();
    EXPECT_FALSE(Clipboard()->HasFormat(rtf)) << "a plain top-left cell puts none, and the old one went";
}

TEST_F(ClipboardGridTest, DisjunctRowsCopyTheirWholeRowsAndDisjunctColumnsTheirColumns)
{
    Fill(1, 1, 4, 5);
    g.MouseActions()->SetDisjunctRowSelect(true);
    g.SetRowSelect(2, true);
    g.SetRowSelect(4, true);
    Select(1, 1, 1, 1);
    g.CopySelectionToClipboard();
    EXPECT_EQ(Text(), "12\t22\t32\t42\r\n14\t24\t34\t44\r\n");

    g.MouseActions()->SetDisjunctRowSelect(false);
    g.MouseActions()->SetDisjunctColSelect(true);
    g.SetColSelect(2, true);
    g.SetColSelect(3, true);
    g.CopySelectionToClipboard();
    // The save range from the header row; the last column left out, its line still ends with
    // the tab of the column before.
    EXPECT_EQ(Text(), "\t\t\r\n21\t31\t\r\n22\t32\t\r\n23\t33\t\r\n24\t34\t\r\n25\t35\t\r\n");

    g.Navigation()->AllowFmtClipboard = true;  // the cell stream takes the selection's rectangle
    EXPECT_EQ(StringToUtf8(g.SelectionToText(g.Selection(), false)), "11");
}

TEST_F(ClipboardGridTest, HiddenColumnsAreCopiedAsShownAndTheTextNotesEveryRow)
{
    Fill(1, 1, 4, 5);
    g.HideColumn(2);
    Select(1, 1, 2, 2);
    g.Hooks.clear();
    g.CopySelectionToClipboard();
    EXPECT_EQ(Text(), "11\t31\r\n12\t32\r\n");
    // Start, each row as part of a selection, each row again while its text is made, done.
    EXPECT_EQ(g.Hooks, (std::vector<std::string>{"export 0 -1", "export 3 1", "export 3 2", "export 1 1", "export 1 2",
                                                 "export 2 -1"}));
}

TEST_F(ClipboardGridTest, ASelectionInsideAMergedCellIsWidenedToTheWholeCell)
{
    Fill(1, 1, 4, 5);
    g.MergeCells(2, 2, 2, 2);
    Select(3, 3, 3, 3);
    g.CopySelectionToClipboard();
    const TGridRect s = g.Selection();
    EXPECT_EQ((std::vector<Integer>{s.Left, s.Top, s.Right, s.Bottom}), (std::vector<Integer>{2, 2, 3, 3}));
    Select(1, 1, 2, 2);
    g.NormalizeMergedSelection();
    EXPECT_EQ(g.Selection().Right, 3) << "the bottom-right cell reaches over its merge";
    EXPECT_EQ(g.Selection().Bottom, 3);
}

TEST_F(ClipboardGridTest, ASelectionCutEmptiesTheEditableCellsAsOneUndoStep)
{
    TExtGridUndoRedo undo(nullptr);
    g.SetUndoRedo(&undo);
    g.ShowModified()->Enabled = true;
    Fill(1, 1, 4, 5);
    g.OnCanEditCell = [](TObject*, Integer ARow, Integer ACol, bool& CanEdit) { CanEdit = !(ACol == 2 && ARow == 2); };
    std::vector<TGridRect> changed;
    g.OnCellsChanged = [&](TObject*, const TGridRect& R) { changed.push_back(R); };
    Select(1, 1, 2, 2);
    g.CutSelectionToClipboard();
    EXPECT_EQ(Text(), "11\t21\r\n12\t22\r\n");
    EXPECT_EQ(Cells(1, 1, 3, 3), "||31/|22|32/13|23|33") << "the read-only cell stays, nothing beyond goes";
    EXPECT_EQ(g.FClipLastOp, coCut);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].Right, 2);
    EXPECT_EQ(changed[0].Bottom, 2);
    EXPECT_TRUE(g.GetRowModified(1));
    EXPECT_TRUE(g.GetRowModified(2));
    EXPECT_FALSE(g.GetRowModified(3));
    undo.Undo();
    EXPECT_EQ(Cells(1, 1, 2, 2), "11|21/12|22") << "one undo brings all three back";

    g.Navigation()->AllowClipboardAlways = true;
    Select(1, 1, 2, 2);
    g.CutSelectionToClipboard();
    EXPECT_EQ(Cells(1, 1, 2, 2), "|/|") << "with AllowClipboardAlways the read-only cell goes too";
    g.SetUndoRedo(nullptr);
}

TEST_F(ClipboardGridTest, TheCellStreamGoesBesideTheTextAndACutOfItTakesThePropertiesAlong)
{
    Fill(1, 1, 4, 5);
    g.SetColors(1, 1, TColor(0x0000FF));
    g.SetColors(3, 1, TColor(0x0000FF));
    Select(1, 1, 2, 2);
    g.CopySelectionToClipboard();
    EXPECT_FALSE(Clipboard()->HasFormat(TExtStringGrid::CellClipboardFormat())) << "not allowed";

    g.Navigation()->AllowFmtClipboard = true;
    g.CopySelectionToClipboard();
    TMemoryStream expected;
    g.SaveRectToBinStream({1, 1, 2, 2}, &expected);
    std::string bytes;
    ASSERT_TRUE(Clipboard()->GetBuffer(TExtStringGrid::CellClipboardFormat(), bytes));
    EXPECT_EQ(bytes, std::string(expected.Memory(), static_cast<size_t>(expected.Size()))) << "exactly the stream";
    EXPECT_EQ(Text(), "11\t21\r\n12\t22\r\n") << "the text stays beside it";

    g.Navigation()->AllowFmtClipboard = false;
    Select(1, 1, 2, 1);
    g.CutSelectionToClipboard();
    EXPECT_TRUE(g.CellHasProperties(1, 1)) << "a text cut leaves the colours";
    g.Navigation()->AllowFmtClipboard = true;
    g.CutSelectionToClipboard();
    EXPECT_FALSE(g.CellHasProperties(1, 1));
    EXPECT_TRUE(g.CellHasProperties(3, 1)) << "outside the selection";
}

TEST_F(ClipboardGridTest, TheSaveRangeCutEmptiesWithoutUndoOrNotice)
{
    TExtGridUndoRedo undo(nullptr);
    g.SetUndoRedo(&undo);
    Fill(1, 1, 4, 5);
    bool noticed = false;
    g.OnCellsChanged = [&](TObject*, const TGridRect&) { noticed = true; };
    g.CutToClipboard();
    EXPECT_EQ(Cells(1, 1, 4, 5), "|||/|||/|||/|||/|||");
    EXPECT_EQ(Text().substr(0, 20), "\t\t\t\t\r\n\t11\t21\t31\t41\r\n") << "the save range holds the fixed cells";
    EXPECT_FALSE(undo.CanUndo());
    EXPECT_FALSE(noticed);
    EXPECT_EQ(g.FClipLastOp, coCut);
    g.SetUndoRedo(nullptr);
}

TEST_F(ClipboardGridTest, GetSelectionAsTextLeavesTheClipboardAlone)
{
    Fill(1, 1, 4, 5);
    Clipboard()->SetAsText(u"kept");
    Select(3, 4, 4, 4);
    EXPECT_EQ(StringToUtf8(g.GetSelectionAsText()), "34\t44");
    EXPECT_EQ(Text(), "kept");
    EXPECT_EQ(g.FClipTopLeft, (TPoint{3, 4}));
}

}  // namespace
}  // namespace gw::test
