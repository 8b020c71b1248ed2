// The row operations every table window shares, on a small column grid with a hidden column.
#include "tables/table_operations.h"

#include "core/program_state.h"
#include "grid/model/ext_column_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/forms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gw::test {
namespace {

// Real columns: 0 the row number, 1 Enable (check box), 2 address, 3 hidden text, 4 text;
// rows 1 to 5 hold "Y"/"N", "a<r>", "h<r>", "m<r>".
constexpr Integer kRows = 6;

class TableOperationsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(0, 0, 600, 300);
        grid = Make_Grid();
        form->Show();
        h.ProcessMessages();
    }
    void TearDown() override
    {
        ProgramState.SL_Copy_Row.Clear();
        ProgramState.Jump_Field_Enabled = false;
        ProgramState.Auto_Size_Enabled = false;
    }

    TExtColumnGrid* Make_Grid()
    {
        auto* g = new TExtColumnGrid(form);
        g->SetParent(form);
        g->SetBounds(0, 0, 580, 280);
        g->SetColCount(5);
        g->SetRowCount(kRows);
        g->SetFixedCols(1);
        g->SetFixedRows(1);
        g->Columns()->Items(1)->SetEditor(edDataCheckBox);
        for (Integer r = 1; r < kRows; ++r) {
            const String n = IntToStr(r);
            g->SetCellEx(0, r, n);
            g->SetCellEx(1, r, r % 2 ? u"Y" : u"N");
            g->SetCellEx(2, r, u"a" + n);
            g->SetCellEx(3, r, u"h" + n);
            g->SetCellEx(4, r, u"m" + n);
        }
        g->HideColumn(3);
        return g;
    }

    // Every row as "c0|c1|c2|c3|c4" (real columns, the hidden one included).
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        for (Integer r = 1; r < kRows; ++r) {
            std::string row;
            for (Integer c = 0; c < 5; ++c) row += (c ? "|" : "") + StringToUtf8(grid->GetCellEx(c, r));
            rows.push_back(row);
        }
        return rows;
    }
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> texts;
        for (const String& m : h.MessagesShown()) texts.push_back(StringToUtf8(m));
        return texts;
    }

    THarness h;
    TForm* form = nullptr;
    TExtColumnGrid* grid = nullptr;
};

const std::vector<std::string> kStart = {"1|Y|a1|h1|m1", "2|N|a2|h2|m2", "3|Y|a3|h3|m3", "4|N|a4|h4|m4",
                                         "5|Y|a5|h5|m5"};

TEST_F(TableOperationsTest, GridKeepsTheHiddenColumnOutOfTheVisibleCount)
{
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(grid->NumHiddenColumns(), 1);
    EXPECT_EQ(Rows(), kStart);
}

TEST_F(TableOperationsTest, DeleteAndInsertMoveEveryDataColumnAndKeepTheRowNumbers)
{
    struct TCase {
        const char* Name;
        bool Insert;
        Integer Row;
        bool Enable_Y;
        std::vector<std::string> Rows;
    };
    const std::vector<TCase> cases = {
        {"delete a middle row",
         false,
         3,
         false,
         {"1|Y|a1|h1|m1", "2|N|a2|h2|m2", "3|N|a4|h4|m4", "4|Y|a5|h5|m5", "5||||"}},
        {"delete the last row only empties it", false, 5, false, {kStart[0], kStart[1], kStart[2], kStart[3], "5||||"}},
        {"delete the first row",
         false,
         1,
         false,
         {"1|N|a2|h2|m2", "2|Y|a3|h3|m3", "3|N|a4|h4|m4", "4|Y|a5|h5|m5", "5||||"}},
        {"insert enabled in the middle",
         true,
         3,
         true,
         {kStart[0], kStart[1], "3|Y|||", "4|Y|a3|h3|m3", "5|N|a4|h4|m4"}},
        {"insert without Enable", true, 3, false, {kStart[0], kStart[1], "3||||", "4|Y|a3|h3|m3", "5|N|a4|h4|m4"}},
        {"insert at the last row", true, 5, true, {kStart[0], kStart[1], kStart[2], kStart[3], "5|Y|||"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        grid = Make_Grid();
        h.ProcessMessages();
        const Cardinal paints = h.Paints();
        if (c.Insert)
            Grid_Ins_Row(*grid, c.Row, c.Enable_Y);
        else
            Grid_Del_Row(*grid, c.Row);
        EXPECT_EQ(Rows(), c.Rows);
        h.ProcessMessages();
        EXPECT_LE(h.Paints() - paints, 1u) << "one repaint for the whole move";
        delete grid;
        grid = nullptr;
    }
}

TEST_F(TableOperationsTest, CopyTakesEveryDataColumnHiddenOnesIncluded)
{
    Grid_Copy_Row(*grid, 2);
    EXPECT_EQ(ProgramState.SL_Copy_Row.Text(), u"N\r\na2\r\nh2\r\nm2\r\n");
    grid->SetCellEx(2, 4, u"");
    grid->SetCellEx(3, 4, u"");
    grid->SetCellEx(4, 4, u"");
    Grid_Copy_Row(*grid, 4);
    EXPECT_EQ(ProgramState.SL_Copy_Row.Count(), 4) << "an empty row copies as empty entries";
}

TEST_F(TableOperationsTest, PasteChecksTheCopyThenAsksOnlyForAUsedRow)
{
    struct TCase {
        const char* Name;
        // Cells of row 4 before the paste (real columns 1 to 4).
        std::vector<const char*> Target;
        bool Do_Copy;
        // Entries in the row clipboard: 0 = the copy of row 2.
        Integer Entries;
        // The answer to the overwrite question, mrNone when none is expected.
        TModalResult Answer;
        std::vector<std::string> Messages;
        bool Pasted;
    };
    const std::string used = "Row Already used. Do you want to overwrite the values?";
    const std::vector<TCase> cases = {
        {"no copy in this showing",
         {"N", "", "", ""},
         false,
         0,
         mrNone,
         {"Error!!! Copy a valid row before Paste it"},
         false},
        {"copy of another column count",
         {"N", "", "", ""},
         true,
         3,
         mrNone,
         {"Error in the Copy values!!! Copy a valid row before Paste it"},
         false},
        {"empty row", {"", "", "", ""}, true, 0, mrNone, {}, true},
        {"check box only", {"Y", "", "", ""}, true, 0, mrNone, {}, true},
        {"blanks only", {"N", "  ", " ", "   "}, true, 0, mrNone, {}, true},
        {"used in a hidden column, No", {"N", "", "x", ""}, true, 0, mrNo, {used}, false},
        {"used row, No", {"Y", " 10.0.0.1 ", "", ""}, true, 0, mrNo, {used}, false},
        {"used row, Yes", {"Y", "10.0.0.1", "", "z"}, true, 0, mrYes, {used}, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        delete grid;
        grid = Make_Grid();
        const std::size_t shown = h.MessagesShown().size();
        for (Integer col = 1; col <= 4; ++col) grid->SetCellEx(col, 4, S(c.Target[col - 1]));
        Grid_Copy_Row(*grid, 2);
        if (c.Entries) {
            ProgramState.SL_Copy_Row.Clear();
            for (Integer k = 0; k < c.Entries; ++k) ProgramState.SL_Copy_Row.Add(u"x");
        }
        const std::vector<std::string> before = Rows();
        if (!c.Messages.empty()) h.AnswerMessage(u"", c.Answer == mrNone ? mrOk : c.Answer);
        Grid_Paste_Row(*grid, 4, c.Do_Copy);
        const std::vector<std::string> all = Messages();
        EXPECT_EQ(std::vector<std::string>(all.begin() + static_cast<std::ptrdiff_t>(shown), all.end()), c.Messages);
        std::vector<std::string> expected = before;
        if (c.Pasted) expected[3] = "4|N|a2|h2|m2";
        EXPECT_EQ(Rows(), expected);
    }
}

TEST_F(TableOperationsTest, PastedRowStaysInTheClipboardAndEachTargetIsAskedAlone)
{
    Grid_Copy_Row(*grid, 2);
    h.AnswerMessage(u"Row Already used", mrNo);
    Grid_Paste_Row(*grid, 5, true);
    h.AnswerMessage(u"Row Already used", mrYes);
    Grid_Paste_Row(*grid, 5, true);
    grid->SetCellEx(2, 1, u"");
    grid->SetCellEx(3, 1, u"");
    grid->SetCellEx(4, 1, u"");
    Grid_Paste_Row(*grid, 1, true);  // not used: no question
    const std::string used = "Row Already used. Do you want to overwrite the values?";
    EXPECT_EQ(Messages(), (std::vector<std::string>{used, used}));
    EXPECT_EQ(Rows()[0], "1|N|a2|h2|m2");
    EXPECT_EQ(Rows()[4], "5|N|a2|h2|m2");
    EXPECT_EQ(ProgramState.SL_Copy_Row.Count(), 4);
}

TEST_F(TableOperationsTest, EnterMovesToTheNextCellOnlyWithTheSwitchOn)
{
    struct TCase {
        const char* Name;
        bool Switch;
        Char Key;
        bool FixedCol;
        TPoint From;  // displayed column, row
        TPoint To;
        Char KeyAfter;
    };
    const std::vector<TCase> cases = {
        {"middle cell", true, 13, true, {2, 4}, {3, 4}, 0},
        {"last column goes to the next row", true, 13, true, {3, 2}, {1, 3}, 0},
        {"last cell wraps to the first data cell", true, 13, true, {3, 5}, {1, 1}, 0},
        {"first column of the last row", true, 13, true, {1, 5}, {2, 5}, 0},
        {"column 0 not fixed: no move, key swallowed", true, 13, false, {0, 3}, {0, 3}, 0},
        {"switch off", false, 13, true, {2, 4}, {2, 4}, 13},
        {"another key", true, u'a', true, {2, 4}, {2, 4}, u'a'},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        ProgramState.Jump_Field_Enabled = c.Switch;
        if (!c.FixedCol) grid->SetFixedCols(0);
        grid->SetCol(c.From.X);
        grid->SetRowEx(c.From.Y);
        Char key = c.Key;
        Grid_Enter_Next(*grid, key);
        EXPECT_EQ(key, c.KeyAfter);
        EXPECT_EQ(grid->Col(), c.To.X);
        EXPECT_EQ(grid->GetRowEx(), c.To.Y);
        grid->SetFixedCols(1);
    }
}

TEST_F(TableOperationsTest, HeaderDoubleClickFitsTheColumnOnlyWithTheSwitchOn)
{
    grid->SetCellEx(2, 3, u"a rather long address text that does not fit");
    TExtColumnGrid* twin = Make_Grid();
    twin->SetCellEx(2, 3, grid->GetCellEx(2, 3));
    twin->SetColWidths(2, 20);
    twin->AutoSizeCol(2, 0);
    const Integer fitted = twin->ColWidths(2);
    ASSERT_GT(fitted, 20);
    struct TCase {
        const char* Name;
        bool Switch;
        Integer Row;
        Integer Width;
    };
    const std::vector<TCase> cases = {
        {"header, switch on", true, 0, fitted},
        {"body cell, switch on", true, 3, 20},
        {"header, switch off", false, 0, 20},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        ProgramState.Auto_Size_Enabled = c.Switch;
        grid->SetColWidths(2, 20);
        Grid_DblClick_Size(*grid, c.Row, 2);
        EXPECT_EQ(grid->ColWidths(2), c.Width);
    }
}

}  // namespace
}  // namespace gw::test
