// The text a string-grid cell shows over the text it stores: web addresses made links while
// URLShowInText is on, and the row count of a group appended to its node row's first data column.
#include "grid/model/ext_string_grid.h"
#include "grid/model/grouping.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gw::test {
namespace {

class ExtStringGridDisplayText : public ::testing::Test {
protected:
    ExtStringGridDisplayText()
    {
        g.SetColCount(3);
        g.SetRowCount(10);
    }
    std::string Shown(Integer ACol, Integer ARow) { return StringToUtf8(g.GetCellEx(ACol, ARow)); }

    THarness h;
    TExtStringGrid g{nullptr};
};

TEST_F(ExtStringGridDisplayText, AddressesBecomeLinksOnlyWhileTurnedOnAndTheStoredTextStays)
{
    struct TCase {
        const char16_t* Text;
        const char* Shown;
    };
    const std::vector<TCase> cases = {
        {u"see www.example.com now", "see <a href=\"www.example.com\">www.example.com</a> now"},
        // The prefixes compare without case; the address keeps its own.
        {u"Https://a.org/x", "<a href=\"Https://a.org/x\">Https://a.org/x</a>"},
        {u"write mailto:me@a.org", "write <a href=\"mailto:me@a.org\">mailto:me@a.org</a>"},
        {u"FTP://files.a.org", "<a href=\"FTP://files.a.org\">FTP://files.a.org</a>"},
        // The prefixes are tried in a fixed order and the first that links wins: "HTTP://" before
        // "WWW.", so of these two only the second address becomes a link.
        {u"www.b.org http://a.org", "www.b.org <a href=\"http://a.org\">http://a.org</a>"},
        {u"no address here", "no address here"},
        {u"", ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(StringToUtf8(c.Text));
        g.SetCellEx(1, 1, c.Text);
        g.SetURLShowInText(false);
        EXPECT_EQ(g.GetCellEx(1, 1), c.Text) << "off: shown as stored";
        g.SetURLShowInText(true);
        EXPECT_EQ(Shown(1, 1), c.Shown);
        EXPECT_EQ(g.GetGridCell(1, 1), c.Text) << "the link is only shown, never stored";
    }
    g.SetURLShowInText(true);
    g.SetCellEx(2, 2, u"x");
    g.OnGetDisplText = [](TObject*, Integer, Integer, String& Value) { Value = u"www.a.org " + Value; };
    EXPECT_EQ(Shown(2, 2), "<a href=\"www.a.org\">www.a.org</a> x") << "the grid's own event runs first";
}

TEST_F(ExtStringGridDisplayText, ANodeRowShowsTheDataRowsOfItsGroupInColumnOne)
{
    for (Integer r = 1; r < 10; ++r)
        for (Integer c = 0; c < 3; ++c) g.SetCellEx(c, r, u"r" + IntToStr(r));
    g.AddNode(1, 4);
    struct TCase {
        const char* Name;
        bool Show;
        const char16_t* Format;
        Integer Col;
        Integer Row;
        const char* Shown;
    };
    const std::vector<TCase> cases = {
        {"switch off", false, u"", 1, 1, "r1"},
        {"the node row, column 1", true, u"", 1, 1, "r1 (3)"},
        {"a user format", true, u" [%d]", 1, 1, "r1 [3]"},
        {"another column", true, u"", 2, 1, "r1"},
        {"a data row of the group", true, u"", 1, 2, "r2"},
        {"a row outside the group", true, u"", 1, 6, "r6"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        g.Grouping()->ShowGroupCount = c.Show;
        g.Grouping()->GroupCountFormat = c.Format;
        EXPECT_EQ(Shown(c.Col, c.Row), c.Shown);
        EXPECT_EQ(g.GetGridCell(c.Col, c.Row), u"r" + IntToStr(c.Row)) << "the count is never stored";
    }

    // A child row added under the node widens its span and counts as a sub-node: the count of
    // data rows shown stays.
    g.Grouping()->ShowGroupCount = true;
    g.Grouping()->GroupCountFormat = u"";
    g.InsertChildRow(2, 0);
    ASSERT_EQ(g.GetNodeSpan(1), 5);
    ASSERT_EQ(g.GetSubNodeCount(1), 1);
    EXPECT_EQ(Shown(1, 1), "r1 (3)");
    EXPECT_EQ(g.GetSubNodeCount(3), 0) << "a row that is no node";

    // A format that does not fit the count is the runtime's error, not a silent text.
    g.Grouping()->GroupCountFormat = u" [%s]";
    EXPECT_THROW(g.GetCellEx(1, 1), Exception);
}

}  // namespace
}  // namespace gw::test
