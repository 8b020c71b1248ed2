// The string grid's native text stream: its bytes, round trips of awkward texts, hidden and
// fixed cells, other data after the cells, bad and truncated streams that must leave the grid
// and the stream as they were, and Assign copying the cells of one grid into another.
#include "grid/exchange/grid_text_stream.h"
#include "grid/model/ext_grid_error.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "tests/grid/exchange/recording_grid.h"
#include "platform/grids/grid_types.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/streams.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gw::test {
namespace {

// UTF-16 little-endian bytes of a text, as the stream holds them.
std::string Utf16(std::u16string_view Text)
{
    std::string bytes;
    for (const char16_t unit : Text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

std::string StreamBytes(TExtStringGrid& G)
{
    TMemoryStream stream;
    G.SaveToStream(&stream);
    return std::string(stream.Bytes());
}

class GridTextStream : public ::testing::Test {
protected:
    GridTextStream()
    {
        for (TExtStringGrid* g : {&source, &target}) {
            g->SetColCount(3);
            g->SetRowCount(3);
            g->SetFixedCols(1);
            g->SetFixedRows(1);
        }
    }
    // Every cell text and column width, and the counts: what a failed load must not change.
    static std::string Snapshot(TExtStringGrid& G)
    {
        std::string s = std::to_string(G.ColCount()) + "x" + std::to_string(G.RowCount());
        for (Integer c = 0; c < G.TotalColCount(); ++c) s += " w" + std::to_string(G.ColWidths(c));
        for (Integer r = 0; r < G.RowCount(); ++r)
            for (Integer c = 0; c < G.TotalColCount(); ++c) s += "|" + StringToUtf8(G.GetGridCell(c, r));
        return s;
    }

    THarness h;
    TRecordingGrid source{nullptr};
    TRecordingGrid target{nullptr};
};

// The first line, a width line for every column and one line per non-empty cell, rows outer;
// with the fixed cells left out the counts shrink and the positions are relative to the range.
TEST_F(GridTextStream, TheBytesAreUtf16LinesWithCountsWidthsAndCells)
{
    source.SetColWidths(0, 64);
    source.SetColWidths(1, 30);
    source.SetColWidths(2, 7);
    source.SetGridCell(0, 0, u"h");
    source.SetGridCell(2, 1, u"ab");
    source.SetGridCell(1, 2, u"\u00e9");
    EXPECT_EQ(StreamBytes(source), Utf16(u"3,3\r\ncw 0,64\r\ncw 1,30\r\ncw 2,7\r\n"
                                         u"0,0,h\r\n2,1,ab\r\n1,2,\u00e9\r\n"));
    source.SaveFixedCells = false;
    EXPECT_EQ(StreamBytes(source), Utf16(u"2,2\r\ncw 0,64\r\ncw 1,30\r\ncw 2,7\r\n1,0,ab\r\n0,1,\u00e9\r\n"))
        << "the fixed row and column are left out and the positions start at the first data cell";
}

TEST_F(GridTextStream, AwkwardTextsComeBackAsTheyWere)
{
    struct Case {
        const char* Name;
        std::u16string Text;
        bool Multiline;
        std::u16string Back;
    };
    const Case cases[] = {
        {"tab", u"a\tb", false, u"a\tb"},
        {"line break", u"a\r\nb", true, u"a\r\nb"},
        {"line break, single-line grid", u"a\r\nb", false, u"a"},
        {"CR alone reads back as a tab", u"x\ry", true, u"x\ty"},
        {"line feed alone", u"x\ny", true, u"x\ny"},
        {"NUL in a multi-line text", std::u16string(u"a\r\n") + u'\0' + u"b", true,
         std::u16string(u"a\r\n") + u'\0' + u"b"},
        {"non-BMP", u"G-clef \U0001D11E, emoji \U0001F600", false, u"G-clef \U0001D11E, emoji \U0001F600"},
        {"commas", u"1,2,3", false, u"1,2,3"},
        {"starts like a width line", u"cw 1,2", false, u"cw 1,2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        source.SetGridCell(1, 1, c.Text);
        target.Multilinecells = c.Multiline;
        target.SetGridCell(1, 1, u"old");
        TMemoryStream stream;
        source.SaveToStream(&stream);
        stream.SetPosition(0);
        target.LoadFromStream(&stream);
        EXPECT_EQ(target.GetGridCell(1, 1), c.Back);
        EXPECT_EQ(stream.Position(), stream.Size());
    }
}

// A load names only the non-empty cells: the others keep what the grid held.
TEST_F(GridTextStream, EmptyCellsAreNotWrittenAndLeaveTheTargetsCells)
{
    source.SetGridCell(2, 2, u"z");
    target.SetGridCell(1, 1, u"kept");
    target.AssignCells(&source);
    EXPECT_EQ(target.GetGridCell(1, 1), u"kept");
    EXPECT_EQ(target.GetGridCell(2, 2), u"z");
}

TEST_F(GridTextStream, CountsAndWidthsAreTakenRelativeToTheTargetsSaveRange)
{
    source.SaveFixedCells = false;
    source.SetColCount(5);
    source.SetRowCount(4);
    source.SetColWidths(3, 99);
    source.SetGridCell(1, 1, u"first data cell");
    source.SetGridCell(0, 0, u"fixed");
    target.SaveFixedCells = false;
    target.SetFixedCols(2);  // the target's own fixed columns come before the data
    target.AssignCells(&source);
    EXPECT_EQ(target.ColCount(), 4 + 2);
    EXPECT_EQ(target.RowCount(), 3 + 1);
    EXPECT_EQ(target.GetGridCell(2, 1), u"first data cell");
    EXPECT_EQ(target.GetGridCell(0, 0), u"") << "fixed cells are not carried";
    EXPECT_EQ(target.ColWidths(3), 99) << "widths keep the source's own column numbers";
}

// The fixed right columns and footers are outside the save range, but the width lines cover all
// columns: the copy must neither fail on those widths nor carry the right columns' cells.
TEST_F(GridTextStream, FixedRightColumnsAndFootersAreLeftOutWithoutFailing)
{
    source.SaveFixedCells = false;
    source.SetColCount(5);
    source.SetRowCount(5);
    source.SetFixedRightCols(1);
    source.SetFixedFooters(1);
    source.SetGridCell(3, 3, u"last data cell");
    source.SetGridCell(4, 2, u"right");
    source.SetGridCell(2, 4, u"footer");
    target.SaveFixedCells = false;
    ASSERT_NO_THROW(target.AssignCells(&source));
    EXPECT_EQ(target.ColCount(), 4);
    EXPECT_EQ(target.RowCount(), 4);
    EXPECT_EQ(target.GetGridCell(3, 3), u"last data cell");
    EXPECT_EQ(target.GetGridCell(4, 2), u"");
    EXPECT_EQ(target.GetGridCell(2, 4), u"");
}

// Hidden columns keep their cells at their column of the store: every column is carried, each
// cell at its own column, so no cell is lost or shifted. Hidden rows stay with their grid.
TEST_F(GridTextStream, HiddenColumnsAreCarriedAndHiddenRowsAreNot)
{
    source.SetColCount(4);
    source.SetRowCount(4);
    for (Integer c = 0; c < 4; ++c) {
        source.SetColWidths(c, 20 + c);
        for (Integer r = 0; r < 4; ++r) source.SetGridCell(c, r, Utf8ToString(std::to_string(c * 10 + r)));
    }
    source.HideColumn(1);
    source.HideRow(2);
    ASSERT_EQ(source.ColCount(), 3);
    target.AssignCells(&source);
    EXPECT_EQ(target.ColCount(), 4);
    EXPECT_EQ(target.RowCount(), 3);
    for (Integer c = 0; c < 4; ++c) {
        EXPECT_EQ(target.GetGridCell(c, 0), Utf8ToString(std::to_string(c * 10))) << "column " << c;
        EXPECT_EQ(target.GetGridCell(c, 2), Utf8ToString(std::to_string(c * 10 + 3))) << "column " << c;
    }
    for (Integer c = 0; c < 4; ++c) EXPECT_EQ(target.ColWidths(c), 20 + c) << "each width with its column's cells";
}

// Reading stops at the first line that is neither a width nor a cell line and leaves the stream
// at its start, so other data can follow.
TEST_F(GridTextStream, OtherDataAfterTheCellsStaysInTheStream)
{
    source.SetGridCell(1, 1, u"x");
    TMemoryStream stream;
    source.SaveToStream(&stream);
    const Int64 end = stream.Size();
    WriteGridTextLine(stream, u"1,only one comma");
    WriteGridTextLine(stream, u"2,2,would be a cell");
    stream.SetPosition(0);
    target.LoadFromStream(&stream);
    EXPECT_EQ(stream.Position(), end);
    EXPECT_EQ(target.GetGridCell(1, 1), u"x");
    EXPECT_EQ(target.GetGridCell(2, 2), u"");
}

TEST_F(GridTextStream, ALoadReportsOnceAndGoesThroughTheLoadedCellEvent)
{
    source.SetGridCell(1, 1, u"a");
    source.SetGridCell(2, 2, u"b");
    source.OnSaveCell = [](TObject*, Integer ACol, Integer, String& Value) { Value += u"@" + IntToStr(ACol); };
    target.OnLoadCell = [](TObject*, Integer, Integer ARow, String& Value) { Value += u"#" + IntToStr(ARow); };
    std::vector<TGridRect> changed;
    target.OnCellsChanged = [&](TObject*, const TGridRect& R) { changed.push_back(R); };
    source.SetRowCount(4);
    TMemoryStream stream;
    source.SaveToStream(&stream);
    EXPECT_EQ(source.Log, (std::vector<std::string>{"export 0 0", "export 5 0", "export 5 1", "export 5 2",
                                                    "export 5 3", "export 2 -1"}));
    stream.SetPosition(0);
    target.LoadFromStream(&stream);
    EXPECT_EQ(target.GetGridCell(1, 1), u"a@1#1");
    EXPECT_EQ(target.GetGridCell(2, 2), u"b@2#2");
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].Right, 3);
    EXPECT_EQ(changed[0].Bottom, 4);
    EXPECT_EQ(target.Log, (std::vector<std::string>{"all cells changed"}));
}

// A stream that is cut, malformed or out of bounds raises before the grid changes; neither the
// grid nor the stream's position moves.
TEST_F(GridTextStream, BadStreamsRaiseAndLeaveTheGridAndTheStreamAsTheyWere)
{
    struct Case {
        const char* Name;
        std::string Bytes;
        bool Convert;  // EConvertError, else EExtGridError
    };
    const std::string good = Utf16(u"4,4\r\ncw 0,10\r\n0,0,new\r\n");
    const Case cases[] = {
        {"cut inside a unit", good + Utf16(u"1,1,x").substr(0, 7), false},
        {"cut inside the LF", good.substr(0, good.size() - 1), false},
        {"a count that is no number", Utf16(u"x,4\r\n"), true},
        {"a first line without comma", Utf16(u"12\r\n"), true},
        {"a negative count", Utf16(u"-1,4\r\n"), false},
        {"a count beyond the bound", Utf16(u"99999999,1\r\n"), false},
        {"a width that is no number", Utf16(u"4,4\r\ncw 0,z\r\n"), true},
        {"a width beyond the bound", Utf16(u"4,4\r\ncw 0,99999999\r\n"), false},
        {"a negative width", Utf16(u"4,4\r\ncw 0,-5\r\n"), false},
        {"a row that is no number", Utf16(u"4,4\r\n0,y,t\r\n"), true},
        {"a cell beyond the counts", Utf16(u"4,4\r\n0,0,new\r\n4,0,t\r\n"), false},
        {"a cell far beyond the counts", Utf16(u"4,4\r\n0,2147483647,t\r\n"), false},
        {"a negative column", Utf16(u"4,4\r\n-1,0,t\r\n"), false},
    };
    target.SetGridCell(1, 1, u"before");
    target.SetColWidths(0, 33);
    const std::string before = Snapshot(target);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TMemoryStream stream;
        stream.WriteBuffer(std::string_view("lead"));
        stream.WriteBuffer(c.Bytes);
        stream.SetPosition(4);
        if (c.Convert)
            EXPECT_THROW(target.LoadFromStream(&stream), EConvertError);
        else
            EXPECT_THROW(target.LoadFromStream(&stream), EExtGridError);
        EXPECT_EQ(stream.Position(), 4);
        EXPECT_EQ(Snapshot(target), before);
    }
    TMemoryStream sound;
    sound.WriteBuffer(good);
    sound.SetPosition(0);
    target.LoadFromStream(&sound);
    EXPECT_EQ(target.GetGridCell(0, 0), u"new") << "the good stream the cases were cut from loads";
}

TEST_F(GridTextStream, AnEmptyStreamChangesNoCell)
{
    target.SetGridCell(1, 1, u"kept");
    TMemoryStream empty;
    target.LoadFromStream(&empty);
    EXPECT_EQ(target.GetGridCell(1, 1), u"kept");
    EXPECT_EQ(target.ColCount(), 3);
    TMemoryStream noCounts;
    WriteGridTextLine(noCounts, u"");
    WriteGridTextLine(noCounts, u"2,2,c");
    noCounts.SetPosition(0);
    target.LoadFromStream(&noCounts);
    EXPECT_EQ(target.ColCount(), 3) << "an empty first line keeps the counts";
    EXPECT_EQ(target.GetGridCell(2, 2), u"c");
}

// Assign copies the settings and sizes, then the cells through the stream.
TEST_F(GridTextStream, AssignCopiesTheCellsOfAnotherGrid)
{
    source.SetColCount(4);
    source.SetRowCount(5);
    source.SetGridCell(0, 0, u"Name");
    source.SetGridCell(3, 4, u"last\r\nline");
    source.Multilinecells = true;
    target.Multilinecells = true;
    target.Assign(&source);
    EXPECT_EQ(target.ColCount(), 4);
    EXPECT_EQ(target.RowCount(), 5);
    EXPECT_EQ(target.GetGridCell(0, 0), u"Name");
    EXPECT_EQ(target.GetGridCell(3, 4), u"last\r\nline");
    EXPECT_EQ(StreamBytes(target), StreamBytes(source)) << "the copy saves as its source does";
}

}  // namespace
}  // namespace gw::test
