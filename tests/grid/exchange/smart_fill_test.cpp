// The selection paste and its fill: one value everywhere, number and date series, repeated
// blocks, repeated lines, rich text, and the save-range paste without a fill.
#include "platform/runtime/datetime.h"
#include "platform/runtime/format_settings.h"
#include "tests/grid/exchange/clipboard_grid.h"
#include "tests/support/format_settings.h"

#include <algorithm>
#include <map>

namespace gw::test {
namespace {

class SmartFillTest : public ClipboardGridTest {
protected:
    SmartFillTest() { g.Navigation()->AllowSmartClipboard = true; }
    void PasteInto(Integer Left, Integer Top, Integer Right, Integer Bottom, const String& Text)
    {
        Clipboard()->SetAsText(Text);
        Select(Left, Top, Right, Bottom);
        g.PasteSelectionFromClipboard();
    }
    KeepFormatSettings keep;
};

TEST_F(SmartFillTest, OneCopiedCellFillsTheWholeSelectionWithEventsForEachCell)
{
    std::map<std::string, Integer> before, after;
    g.OnClipboardBeforePasteCell = [&](TObject*, Integer ACol, Integer ARow, String&, bool&) {
        ++before[std::to_string(ACol) + "," + std::to_string(ARow)];
    };
    g.OnClipboardAfterPasteCell = [&](TObject*, Integer ACol, Integer ARow, const String&) {
        ++after[std::to_string(ACol) + "," + std::to_string(ARow)];
    };
    std::vector<TGridRect> changed;
    g.OnCellsChanged = [&](TObject*, const TGridRect& R) { changed.push_back(R); };
    PasteInto(1, 1, 3, 2, u"7");
    EXPECT_EQ(Cells(1, 1, 4, 3), "7|7|7|/7|7|7|/|||");
    // The paste itself, the fill for the five others, then the line and column repeats.
    const std::map<std::string, Integer> expected{{"1,1", 1}, {"2,1", 2}, {"3,1", 2}, {"1,2", 2}, {"2,2", 1}, {"3,2", 1}};
    EXPECT_EQ(before, expected);
    EXPECT_EQ(after, expected);
    EXPECT_EQ(g.Hooks.front(), "import 0 -1");
    EXPECT_EQ(g.Hooks.back(), "import 2 -1");
    EXPECT_NE(std::find(g.Hooks.begin(), g.Hooks.end(), "starting"), g.Hooks.end());
    ASSERT_FALSE(changed.empty());
    EXPECT_EQ(changed.back().Right, 3) << "the last notice is the selection's";
    EXPECT_EQ(changed.back().Bottom, 2);
}

TEST_F(SmartFillTest, TwoValuesStartASeriesDownAColumnOrAlongARow)
{
    struct Case {
        const char* Name;
        const char16_t* Text;
        bool Row;
        const char* Cells;
    };
    const Case cases[] = {
        {"whole numbers", u"1\r\n3\r\n", false, "1/3/5/7/9"},
        {"falling", u"10\r\n7\r\n", false, "10/7/4/1/-2"},
        {"numbers in FloatFormat", u"1.5\r\n2\r\n", false, "1.50/2.00/2.50/3.00/3.50"},
        {"along a row", u"2\t4", true, "2|4|6|8"},
        {"days", u"30/12/2026\r\n31/12/2026\r\n", false, "30/12/2026/31/12/2026/01/01/2027/02/01/2027/03/01/2027"},
        {"months across the year end", u"15/11/2026\r\n15/12/2026\r\n", false,
         "15/11/2026/15/12/2026/15/01/2027/15/02/2027/15/03/2027"},
        {"times", u"10:00:00\r\n10:30:00\r\n", false, "10:00:00/10:30:00/11:00:00/11:30:00/12:00:00"},
    };
    FormatSettings = TFormatSettings{};
    for (const Case& c : cases) {
        for (Integer r = 1; r < 6; ++r)
            for (Integer col = 1; col < 5; ++col) g.SetCellEx(col, r, u"");
        if (c.Row) {
            PasteInto(1, 3, 4, 3, c.Text);
            EXPECT_EQ(Cells(1, 3, 4, 3), c.Cells) << c.Name;
        } else {
            PasteInto(2, 1, 2, 5, c.Text);
            EXPECT_EQ(Cells(2, 1, 2, 5), c.Cells) << c.Name;
        }
    }
}

TEST_F(SmartFillTest, AnImpossibleDateEndsTheSeriesQuietly)
{
    FormatSettings = TFormatSettings{};
    PasteInto(2, 1, 2, 5, u"31/10/2026\r\n31/12/2026\r\n");
    EXPECT_EQ(Cells(2, 1, 2, 3), "31/10/2026/31/12/2026/") << "no 31 February: the series stops there";
    // Year, month and day all stepping: the series keeps the whole distance instead.
    PasteInto(3, 1, 3, 3, u"31/12/2026\r\n31/01/2027\r\n");
    EXPECT_EQ(Cells(3, 3, 3, 3), "03/03/2027");
    EXPECT_EQ(Cells(2, 4, 2, 5), "/");
}

TEST_F(SmartFillTest, APastedBlockThatIsNoSeriesRepeatsAlongTheSelection)
{
    PasteInto(1, 1, 1, 5, u"x\r\ny\r\n");
    EXPECT_EQ(Cells(1, 1, 1, 5), "x/y/x/y/x");
    PasteInto(1, 3, 4, 3, u"a\tb");
    EXPECT_EQ(Cells(1, 3, 4, 3), "a|b|a|b") << "a row's block repeats whole, its last cell kept";
    PasteInto(1, 4, 3, 4, u"p\tq\tr");
    EXPECT_EQ(Cells(1, 4, 3, 4), "p|q|r") << "a block that fills the selection is left as it is";
}

TEST_F(SmartFillTest, OneLineRepeatsOnEveryRowAndOneColumnOnEveryColumn)
{
    PasteInto(1, 1, 3, 3, u"p\tq");
    EXPECT_EQ(Cells(1, 1, 3, 3), "p|q|/p|q|/p|q|");
    PasteInto(1, 4, 4, 5, u"u\r\nv\r\n");
    EXPECT_EQ(Cells(1, 4, 4, 5), "u|u|u|u/v|v|v|v");
    EXPECT_EQ(g.Selection().Left, 1) << "the selection is set back";
    EXPECT_EQ(g.Selection().Bottom, 5);

    g.Navigation()->AllowSmartClipboard = false;
    PasteInto(1, 1, 3, 3, u"s\tt");
    EXPECT_EQ(Cells(1, 1, 3, 3), "s|t|/p|q|/p|q|") << "without the fill only the first row";
}

TEST_F(SmartFillTest, RichTextGoesWholeIntoTheTopLeftCell)
{
    g.Navigation()->AllowRTFClipboard = true;
    Clipboard()->Open();
    Clipboard()->SetAsText(u"plain\tnot taken");
    Clipboard()->SetBuffer(RegisterClipboardFormat(u"Rich Text Format"), std::string("{\\rtf1 x}\0junk", 14));
    Clipboard()->Close();
    g.Navigation()->AllowSmartClipboard = false;
    Select(2, 2, 2, 2);
    g.PasteSelectionFromClipboard();
    EXPECT_EQ(Cells(2, 2, 3, 2), "{\\rtf1 x}|") << "up to the zero byte";
    g.Navigation()->AllowRTFClipboard = false;
    g.PasteSelectionFromClipboard();
    EXPECT_EQ(Cells(2, 2, 3, 2), "plain|not taken");
}

TEST_F(SmartFillTest, TheSaveRangePasteStartsAtItsCornerWithoutAFill)
{
    Clipboard()->SetAsText(u"a\tb");
    Select(2, 2, 4, 4);
    g.SaveFixedCells = false;
    g.PasteFromClipboard();
    EXPECT_EQ(Cells(1, 1, 4, 2), "a|b||/|||") << "the save range starts at the first data cell";
    EXPECT_EQ(g.Hooks.front(), "import 0 -1");
    EXPECT_NE(std::find(g.Hooks.begin(), g.Hooks.end(), "import 1 1"), g.Hooks.end()) << "rows as a whole paste";
}

}  // namespace
}  // namespace gw::test
