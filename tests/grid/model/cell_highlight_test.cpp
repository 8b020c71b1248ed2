// Highlight and error marks: the string forms and the per-cell rewrite of the grid's walks.
#include "grid/model/cell_highlight.h"

#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <vector>

namespace gw {
namespace {

TEST(CellHighlight, StringFormsUseTheirTagAndCaseRule)
{
    EXPECT_EQ(HilightText(false, u"Hello world", u"O"), u"Hell<hi>o</hi> w<hi>o</hi>rld");
    EXPECT_EQ(HilightText(true, u"Hello world", u"O"), u"Hello world");
    EXPECT_EQ(MarkText(true, u"abc", u"b"), u"a<e>b</e>c");
    // The string forms take the text as mark-up: its tags stay tags.
    EXPECT_EQ(HilightText(true, u"<b>x</b>", u"x"), u"<hi><b>x</b></hi>");
    EXPECT_EQ(UnHilightText(u"a<HI>b</hi>c<e>d</e>"), u"abc<e>d</e>");
    EXPECT_EQ(UnMarkText(u"a<hi>b</hi><E>c</E>"), u"a<hi>b</hi>c");
    // Without the tag, the bracket entities still become brackets.
    EXPECT_EQ(UnMarkText(u"a &lt;b&gt; &amp;"), u"a <b> &amp;");
}

TEST(CellHighlight, ApplyRewritesOnlyCellsWithAHit)
{
    struct Case {
        TCellMark mark;
        const char16_t* text;
        const char16_t* search;
        bool caseSensitive;
        const char16_t* result;  // nullptr: no hit, the cell is left alone
    };
    using enum TCellMark;
    const Case cases[] = {
        {Highlight, u"abc", u"b", true, u"a<hi>b</hi>c"},
        {Error, u"abc", u"b", true, u"a<e>b</e>c"},
        {Highlight, u"Hello", u"L", true, nullptr},
        {Highlight, u"Hello", u"L", false, u"He<hi>l</hi><hi>l</hi>o"},
        {Error, u"Hello", u"L", false, u"He<e>l</e><e>l</e>o"},
        {Highlight, u"abc", u"", true, nullptr},
        {Highlight, u"", u"x", true, nullptr},
        // The cell text is plain text: what it holds is escaped, but only once it has a hit.
        {Highlight, u"R&D", u"x", true, nullptr},
        {Highlight, u"R&D", u"D", true, u"R&amp;<hi>D</hi>"},
        {Highlight, u"R&D", u"&", true, u"R<hi>&amp;</hi>D"},
        {Highlight, u"a<b", u"<", true, u"a<hi>&lt;</hi>b"},
        {Highlight, u"<b>x</b>", u"b", true, u"&lt;<hi>b</hi>&gt;x&lt;/<hi>b</hi>&gt;"},
        {Highlight, u"say \"x\"", u"\"x", true, u"say <hi>&quot;x</hi>&quot;"},
        // Entities are searched as the user typed them, never inside the escaping.
        {Highlight, u"a<b", u"lt", true, nullptr},
        {Highlight, u"a&lt;b", u"lt", true, u"a&amp;<hi>lt</hi>;b"},
        {Highlight, u"a&lt;b", u"&lt;", true, u"a<hi>&amp;lt;</hi>b"},
    };
    for (const Case& c : cases) {
        String text = c.text;
        const bool changed = TCellMarker(c.mark, c.search, c.caseSensitive).Apply(text);
        const String expected = c.result ? c.result : c.text;
        EXPECT_EQ(changed, c.result != nullptr) << StringToUtf8(c.text) << " / " << StringToUtf8(c.search);
        EXPECT_EQ(text, expected) << StringToUtf8(c.text) << " / " << StringToUtf8(c.search);
    }
}

TEST(CellHighlight, RemoveRewritesOnlyCellsHoldingTheTag)
{
    struct Case {
        TCellMark mark;
        const char16_t* text;
        const char16_t* result;  // nullptr: no tag, the cell is left alone
    };
    using enum TCellMark;
    const Case cases[] = {
        {Highlight, u"a<hi>b</hi>c", u"abc"},
        {Highlight, u"a<HI>b</Hi>c<hi>d</hi>", u"abcd"},  // every pair, any case
        {Error, u"a<e>b</e>c", u"abc"},
        {Highlight, u"a<e>b</e>c", nullptr},  // the other mark stays
        {Error, u"a<hi>b</hi>c", nullptr},
        {Highlight, u"<high>x</high>", nullptr},
        {Highlight, u"plain", nullptr},
        // Typed entities in a cell without the tag stay as typed.
        {Highlight, u"a&lt;b &amp; &quot;", nullptr},
        {Highlight, u"a&lt;b <b>c</b>", nullptr},
        // With the tag: the pair goes, then each entity is read once.
        {Highlight, u"&lt;<hi>b</hi>&gt;", u"<b>"},
        {Highlight, u"<hi>&amp;quot;</hi> &amp;lt; &amp;amp;", u"&quot; &lt; &amp;"},
        {Error, u"x<e>&quot;</e>", u"x\""},
    };
    for (const Case& c : cases) {
        String text = c.text;
        const bool changed = RemoveCellMark(text, c.mark);
        const String expected = c.result ? c.result : c.text;
        EXPECT_EQ(changed, c.result != nullptr) << StringToUtf8(c.text);
        EXPECT_EQ(text, expected) << StringToUtf8(c.text);
    }
}

// The grid's walk: highlight every cell, write the changed ones, later remove from every cell.
// Cells without a hit are never written, and every text comes back exactly.
TEST(CellHighlight, HighlightThenRemoveLeavesEveryTextAsItWas)
{
    const std::vector<String> original = {u"R&D",     u"a<b",    u"a&lt;b",    u"<b>x</b>", u"x&lt;",
                                          u"&quot;x", u"X&amp;", u"x&amp;lt;", u"abc",      u""};
    for (TCellMark mark : {TCellMark::Highlight, TCellMark::Error}) {
        for (bool caseSensitive : {true, false}) {
            std::vector<String> cells = original;
            const TCellMarker marker(mark, u"x", caseSensitive);
            for (String& cell : cells) {
                const String before = cell;
                const bool hit =
                    before.find(u'x') != String::npos || (!caseSensitive && before.find(u'X') != String::npos);
                EXPECT_EQ(marker.Apply(cell), hit) << StringToUtf8(before);
                if (!hit)
                    EXPECT_EQ(cell, before);
                else
                    EXPECT_NE(cell.find(u"</" + String(CellMarkTag(mark)) + u">"), String::npos);
            }
            for (size_t i = 0; i < cells.size(); ++i) {
                const bool hadTag = cells[i] != original[i];
                EXPECT_EQ(RemoveCellMark(cells[i], mark), hadTag) << StringToUtf8(original[i]);
                EXPECT_EQ(cells[i], original[i]) << caseSensitive;
            }
        }
    }
}

// A second highlight without a removal between takes the first one's tags as text; each removal
// undoes one highlight, so two bring the typed text back.
TEST(CellHighlight, EachRemovalUndoesOneHighlight)
{
    const String typed = u"a&b x";
    String cell = typed;
    const TCellMarker marker(TCellMark::Highlight, u"x", true);
    ASSERT_TRUE(marker.Apply(cell));
    const String once = cell;
    ASSERT_TRUE(marker.Apply(cell));
    EXPECT_EQ(cell, u"a&amp;amp;b &lt;hi&gt;<hi>x</hi>&lt;/hi&gt;");
    ASSERT_TRUE(RemoveCellMark(cell, TCellMark::Highlight));
    EXPECT_EQ(cell, once);
    ASSERT_TRUE(RemoveCellMark(cell, TCellMark::Highlight));
    EXPECT_EQ(cell, typed);
    EXPECT_FALSE(RemoveCellMark(cell, TCellMark::Highlight));
}

}  // namespace
}  // namespace gw
