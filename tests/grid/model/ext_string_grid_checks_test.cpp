// The string grid's check boxes, radio buttons, radio groups and balloons: what decides a state,
// what a toggle writes and reports, what undo gets back, the cells that are refused, and where a
// precise click hits the box.
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/undo_redo.h"
#include "grid/model/check_box_place.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/grouping.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace gw::test {
namespace {

class TCheckGrid : public TExtStringGrid {
public:
    using TExtStringGrid::ChangeCheckBoxState;
    using TExtStringGrid::DoExpandClick;
    using TExtStringGrid::GetCellGraphic;
    using TExtStringGrid::GetCellType;
    using TExtStringGrid::TExtStringGrid;
    using TExtStringGrid::ToggleCellCheckBox;
    using TExtStringGrid::ToggleCellRadioButton;
};

class ExtStringGridChecks : public ::testing::Test {
protected:
    ExtStringGridChecks()
    {
        g.OnCheckBoxChange = [this](TObject*, Integer ACol, Integer ARow, bool State) {
            events.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + (State ? "+" : "-"));
        };
    }
    THarness h;
    TCheckGrid g{nullptr};
    std::vector<std::string> events;
};

TEST_F(ExtStringGridChecks, DataCheckBoxKeepsATextThatAlreadyIsAState)
{
    struct Case {
        const char16_t* Text;
        bool State;
        const char16_t* Stored;
        bool Checked;
    };
    for (const Case& c : {Case{u"N", true, u"N", false}, Case{u"Y", false, u"Y", true}, Case{u"x", true, u"Y", true},
                          Case{u"", false, u"N", false}}) {
        g.SetCellEx(1, 1, c.Text);
        g.AddCheckBox(1, 1, c.State, true);
        EXPECT_EQ(g.GetCellEx(1, 1), c.Stored) << StringToUtf8(c.Text);
        EXPECT_EQ(g.IsChecked(1, 1), c.Checked) << StringToUtf8(c.Text);
        EXPECT_TRUE(g.HasDataCheckBox(1, 1));
    }
    // The plain box keeps its state in the record and leaves the text alone.
    g.SetCellEx(2, 1, u"caption");
    g.AddCheckBox(2, 1, true, false);
    EXPECT_EQ(g.GetCellEx(2, 1), u"caption");
    EXPECT_TRUE(g.IsChecked(2, 1));
    EXPECT_FALSE(g.HasDataCheckBox(2, 1));
    EXPECT_FALSE(g.IsChecked(3, 1)) << "no check box";
    EXPECT_EQ(g.GetCellGraphic(2, 1)->CellHAlign, haBeforeText);
    EXPECT_TRUE(g.GetCellGraphic(2, 1)->CellTransparent) << "added boxes are flat";

    g.VAlignment = vtaBottom;
    g.AddCheckBox(3, 1, cbGrayed);
    EXPECT_EQ(g.GetCellGraphic(3, 1)->CellVAlign, vaBottom);
}

TEST_F(ExtStringGridChecks, CellsOutsideTheStoreAreRefusedBelowZeroToo)
{
    using Add = std::function<void(Integer, Integer)>;
    const std::vector<std::pair<const char*, Add>> adders = {
        {"data", [&](Integer c, Integer r) { g.AddCheckBox(c, r, true, true); }},
        {"tri-state", [&](Integer c, Integer r) { g.AddCheckBox(c, r, cbChecked); }},
        {"radio", [&](Integer c, Integer r) { g.AddRadioButton(c, r, true); }},
    };
    const Integer cols = g.ColCount();
    const Integer rows = g.RowCount();
    for (const auto& [name, add] : adders) {
        for (const TPoint bad : {TPoint{-1, 1}, TPoint{1, -1}, TPoint{cols, 1}, TPoint{1, rows}}) {
            try {
                add(bad.X, bad.Y);
                ADD_FAILURE() << name << " at " << bad.X << "," << bad.Y;
            } catch (const Exception& e) {
                EXPECT_EQ(e.Message(), u"Invalid cell") << name;
            }
        }
        add(cols - 1, rows - 1);
        EXPECT_NE(g.GetCellGraphic(cols - 1, rows - 1), nullptr) << name << ": the last cell is in";
    }
}

TEST_F(ExtStringGridChecks, TogglesWriteAndReportTheNewState)
{
    g.SetCellEx(1, 1, u"Y");
    g.AddCheckBox(1, 1, false, true);
    g.AddCheckBox(1, 2, false, true);
    g.SetCellEx(1, 2, u"");
    EXPECT_TRUE(g.ToggleCheckBox(1, 1));
    EXPECT_EQ(g.GetCellEx(1, 1), u"N");
    EXPECT_TRUE(g.ToggleCheckBox(1, 2));
    EXPECT_EQ(g.GetCellEx(1, 2), u"Y");

    g.AddCheckBox(2, 1, cbUnchecked);
    std::vector<TCheckBoxState> states;
    for (int i = 0; i < 3; ++i) {
        g.ToggleCheckBox(2, 1);
        TCheckBoxState s = cbChecked;
        EXPECT_TRUE(g.GetCheckBoxState(2, 1, s));
        states.push_back(s);
    }
    EXPECT_EQ(states, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));

    g.AddCheckBox(3, 1, true, false);
    EXPECT_TRUE(g.ToggleCheckBox(3, 1));
    EXPECT_FALSE(g.IsChecked(3, 1));

    g.AddButton(4, 1, 10, 10, u"b", haLeft, vaTop);
    EXPECT_FALSE(g.ToggleCheckBox(4, 1));
    EXPECT_FALSE(g.ToggleCheckBox(4, 2)) << "no record";

    EXPECT_EQ(events, (std::vector<std::string>{"1,1-", "1,2+", "2,1-", "2,1+", "2,1-", "3,1-"}));
}

TEST_F(ExtStringGridChecks, UndoGetsBackTheTextOnlyOfBoxesKeptInText)
{
    TExtGridUndoRedo undo(nullptr);
    g.SetUndoRedo(&undo);
    struct Case {
        const char* Kind;
        std::function<void()> Add;
        const char16_t* Text;
        Integer Registered;
    };
    const std::vector<Case> cases = {
        {"data, empty", [&] { g.AddCheckBox(1, 1, false, true); }, u"", 1},
        {"data, N", [&] { g.AddCheckBox(1, 1, false, true); }, u"N", 1},
        {"data, other word", [&] { g.AddCheckBox(1, 1, false, true); }, u"maybe", 1},
        {"plain", [&] { g.AddCheckBox(1, 1, false, false); }, u"caption", 0},
        {"tri-state", [&] { g.AddCheckBox(1, 1, cbGrayed); }, u"caption", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Kind);
        undo.Reset();
        c.Add();
        g.SetCellEx(1, 1, c.Text);
        TCheckBoxState before = cbUnchecked;
        g.GetCheckBoxState(1, 1, before);
        ASSERT_TRUE(g.ToggleCheckBox(1, 1));
        EXPECT_EQ(undo.Items().Count(), c.Registered);
        if (undo.CanUndo()) undo.Undo();
        EXPECT_EQ(g.GetCellEx(1, 1), c.Text) << "the caption or the text comes back exactly";
        if (c.Registered == 1) {
            TCheckBoxState after = cbChecked;
            g.GetCheckBoxState(1, 1, after);
            EXPECT_EQ(after, before);
        }
    }
    g.SetUndoRedo(nullptr);
}

TEST_F(ExtStringGridChecks, StatesReadAndWrittenByKind)
{
    g.OnGetCheckTrue = [](TObject*, Integer ACol, Integer, String& Value) {
        if (ACol == 2) Value = u"on";
    };
    g.OnGetCheckFalse = [](TObject*, Integer ACol, Integer, String& Value) {
        if (ACol == 2) Value = u"off";
    };
    g.AddCheckBox(2, 1, false, true);  // the grid-wide texts decide at adding: "N"
    EXPECT_EQ(g.GetCellEx(2, 1), u"N");
    EXPECT_FALSE(g.IsChecked(2, 1));
    EXPECT_TRUE(g.SetCheckBoxState(2, 1, true));
    EXPECT_EQ(g.GetCellEx(2, 1), u"on") << "the cell's own check texts write";
    EXPECT_TRUE(g.IsChecked(2, 1));

    g.AddCheckBox(1, 1, cbGrayed);
    bool b = true;
    EXPECT_TRUE(g.GetCheckBoxState(1, 1, b));
    EXPECT_FALSE(b) << "grayed is not checked";
    EXPECT_TRUE(g.SetCheckBoxState(1, 1, cbChecked));
    EXPECT_TRUE(g.IsChecked(1, 1));
    EXPECT_FALSE(g.SetCheckBoxState(1, 1, false)) << "the Boolean form does not set a tri-state box";
    EXPECT_FALSE(g.SetCheckBoxState(2, 1, cbChecked)) << "the tri-state form sets only tri-state boxes";

    g.AddCheckBox(3, 1, false, false);
    EXPECT_TRUE(g.SetCheckBoxState(3, 1, true));
    EXPECT_TRUE(g.IsChecked(3, 1));
    EXPECT_FALSE(g.SetCheckBoxState(4, 1, true));
    EXPECT_TRUE(events.empty()) << "setting fires nothing";

    TCheckBoxState s = cbGrayed;
    EXPECT_FALSE(g.GetCheckBoxState(4, 1, s));
    EXPECT_EQ(s, cbGrayed) << "untouched without a box";
}

TEST_F(ExtStringGridChecks, CheckAllReportsOnlyChangedRows)
{
    // AddCheckBoxColumn asks IsSummary and IsNode of every row, which come with the outline
    // nodes; the column is built here box by box.
    g.SetRowCount(5);
    for (Integer r = 1; r < 5; ++r) g.AddCheckBox(1, r, false, true);
    g.SetCellEx(1, 2, u"Y");
    g.CheckAll(1);
    for (Integer r = 1; r < 5; ++r) EXPECT_EQ(g.GetCellEx(1, r), u"Y") << r;
    EXPECT_EQ(events, (std::vector<std::string>{"1,1+", "1,3+", "1,4+"}));
    events.clear();
    g.SetCellEx(1, 3, u"N");
    g.UnCheckAll(1);
    EXPECT_EQ(events, (std::vector<std::string>{"1,1-", "1,2-", "1,4-"}));

    for (Integer r = 1; r < 5; ++r) g.AddCheckBox(2, r, true, false);
    events.clear();
    EXPECT_TRUE(g.ChangeCheckBoxState(2, 1, true)) << "unchanged, still a check box";
    EXPECT_TRUE(events.empty());
    g.RemoveCheckBoxColumn(2);
    EXPECT_FALSE(g.HasCheckBox(2, 1));
    EXPECT_FALSE(g.ChangeCheckBoxState(2, 1, true));

    g.AddTriStateCheckBoxColumn(3, cbGrayed);
    EXPECT_FALSE(g.HasCheckBox(3, 0)) << "the fixed row stays out";
    EXPECT_TRUE(g.HasCheckBox(3, 4));
    g.MouseActions()->CheckAllCheck = true;
    g.AddTriStateCheckBoxColumn(4, cbGrayed);
    EXPECT_TRUE(g.HasCheckBox(4, 0)) << "CheckAllCheck takes in row 0";
    g.RemoveCheckBoxColumn(4);
    EXPECT_FALSE(g.HasCheckBox(4, 0));
}

// A column walk reads each state and writes each text through one search of the store; what it
// asks of the hooks and what it reports stays per row.
TEST_F(ExtStringGridChecks, CheckAllAsksThePerCellTextsOfEveryRow)
{
    g.SetRowCount(5);
    for (Integer r = 1; r < 5; ++r) g.AddCheckBox(1, r, false, true);
    // Row-dependent texts: a grid-wide text written instead, or compared, would show.
    g.OnGetCheckTrue = [](TObject*, Integer, Integer ARow, String& V) { V = u"on" + IntToStr(ARow); };
    g.OnGetCheckFalse = [](TObject*, Integer, Integer ARow, String& V) { V = u"off" + IntToStr(ARow); };
    g.SetCellEx(1, 2, u"on2");
    g.SetCellEx(1, 3, u"on2");  // another row's true text leaves row 3 unchecked
    g.CheckAll(1);
    for (Integer r = 1; r < 5; ++r) EXPECT_EQ(g.GetCellEx(1, r), u"on" + IntToStr(r)) << r;
    EXPECT_EQ(events, (std::vector<std::string>{"1,1+", "1,3+", "1,4+"}));
    events.clear();
    g.SetCellEx(1, 4, u"off4");
    g.UnCheckAll(1);
    for (Integer r = 1; r < 5; ++r) EXPECT_EQ(g.GetCellEx(1, r), u"off" + IntToStr(r)) << r;
    EXPECT_EQ(events, (std::vector<std::string>{"1,1-", "1,2-", "1,3-"}));

    // Without the events the grid's own texts count, changed ones too.
    g.OnGetCheckTrue = nullptr;
    g.OnGetCheckFalse = nullptr;
    g.CheckTrue = u"yes";
    g.CheckFalse = u"no";
    g.SetCellEx(1, 2, u"yes");
    events.clear();
    g.CheckAll(1);
    for (Integer r = 1; r < 5; ++r) EXPECT_EQ(g.GetCellEx(1, r), u"yes") << r;
    EXPECT_EQ(events, (std::vector<std::string>{"1,1+", "1,3+", "1,4+"}));
    events.clear();
    g.UnCheckAll(1);
    EXPECT_EQ(g.GetCellEx(1, 4), u"no");
    EXPECT_EQ(events.size(), 4u);
}

TEST_F(ExtStringGridChecks, CheckAllReadsTheStateThroughTheDisplayHookAndWritesTheStore)
{
    g.SetRowCount(4);
    for (Integer r = 1; r < 4; ++r) g.AddCheckBox(1, r, false, true);
    g.SetGridCell(1, 2, u"1");
    // The hook shows a stored "1" as checked: row 2 reads checked, so only rows 1 and 3 change.
    std::vector<std::string> asked;
    g.OnGetDisplText = [&](TObject*, Integer ACol, Integer ARow, String& V) {
        asked.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
        if (V == u"1") V = u"Y";
    };
    g.CheckAll(1);
    EXPECT_EQ(events, (std::vector<std::string>{"1,1+", "1,3+"}));
    EXPECT_EQ(asked, (std::vector<std::string>{"1,1", "1,2", "1,3"})) << "asked once per row";
    for (Integer r = 1; r < 4; ++r) EXPECT_EQ(g.GetGridCell(1, r), u"Y") << "the store gets the text itself";
}

TEST_F(ExtStringGridChecks, CheckAllOverAHiddenColumnAndHiddenRows)
{
    g.SetColCount(4);
    g.SetRowCount(5);
    for (Integer r = 1; r < 5; ++r) g.AddCheckBox(3, r, false, true);
    g.HideColumn(1);
    // Real column 3 stands at display column 2 now; the boxes follow their real column.
    g.CheckAll(3);
    for (Integer r = 1; r < 5; ++r) EXPECT_EQ(g.GetGridCell(3, r), u"Y") << r;
    EXPECT_EQ(events.size(), 4u);
    EXPECT_EQ(g.GetGridCell(2, 1), u"") << "the displayed neighbour is left alone";
    g.UnHideColumnsAll();

    events.clear();
    g.HideRow(2);
    g.UnCheckAll(3);
    EXPECT_EQ(events, (std::vector<std::string>{"3,1-", "3,2-", "3,3-"})) << "displayed rows, by displayed index";
    g.UnHideRowsAll();
    for (const Integer r : {1, 3, 4}) EXPECT_EQ(g.GetGridCell(3, r), u"N") << r;
    EXPECT_EQ(g.GetGridCell(3, 2), u"Y") << "the hidden row keeps its state";
}

TEST_F(ExtStringGridChecks, UserTogglesAskWhetherTheCellMayChange)
{
    g.AddCheckBox(1, 1, false, false);
    g.AddRadioButton(2, 1, false);
    g.OnCanEditCell = [](TObject*, Integer, Integer, bool& CanEdit) { CanEdit = false; };
    EXPECT_FALSE(g.ToggleCellCheckBox(1, 1, true));
    EXPECT_FALSE(g.ToggleCellRadioButton(2, 1, true));
    EXPECT_FALSE(g.IsChecked(1, 1));
    EXPECT_TRUE(g.ToggleCellCheckBox(1, 1, false)) << "a program toggle does not ask";
    g.ControlLook()->CheckAlwaysActive = true;
    EXPECT_TRUE(g.ToggleCellCheckBox(1, 1, true));
    EXPECT_TRUE(g.ToggleCellRadioButton(2, 1, true));
    EXPECT_TRUE(g.IsRadioButtonChecked(2, 1));
}

TEST_F(ExtStringGridChecks, RadioButtonsOfAColumnAreOneGroup)
{
    g.SetRowCount(6);
    g.AddRadioButtonColumn(2);
    EXPECT_EQ(g.GetRadioButtonColumnIndex(2), -1);
    g.SetRadioButtonColumnIndex(2, 3);
    EXPECT_EQ(g.GetRadioButtonColumnIndex(2), 3);
    for (Integer r = 1; r < 6; ++r) EXPECT_EQ(g.IsRadioButtonChecked(2, r), r == 3) << r;

    g.AddRadioButton(2, 0, true);  // a fixed-row button is in the group the toggle clears
    EXPECT_TRUE(g.ToggleCellRadioButton(2, 5, false));
    for (Integer r = 0; r < 6; ++r) EXPECT_EQ(g.IsRadioButtonChecked(2, r), r == 5) << r;
    EXPECT_TRUE(g.ToggleCellRadioButton(2, 5, false)) << "already checked: true, nothing changes";
    EXPECT_TRUE(g.IsRadioButtonChecked(2, 5));
    EXPECT_FALSE(g.ToggleCellRadioButton(3, 5, false));
    EXPECT_TRUE(g.SetRadioButtonState(2, 1, true));
    EXPECT_TRUE(g.IsRadioButtonChecked(2, 5)) << "setting one state clears no other";
    EXPECT_FALSE(g.SetRadioButtonState(3, 1, true));
    EXPECT_TRUE(events.empty()) << "radio buttons fire no check box event";

    g.RemoveRadioButtonColumn(2);
    EXPECT_FALSE(g.HasRadioButton(2, 3));
    EXPECT_TRUE(g.HasRadioButton(2, 0)) << "the column's rows start below the fixed ones";
}

TEST_F(ExtStringGridChecks, RadioGroupsStepThroughTheirItems)
{
    TStringList items;
    for (const char16_t* s : {u"a", u"b", u"c"}) items.Add(s);
    struct Case {
        Integer Index;
        const char16_t* Text;
        Integer NewIndex;
        const char16_t* NewText;
    };
    for (const Case& c : {Case{2, u"", 0, u"a"}, Case{0, u"", 1, u"b"}, Case{-2, u"b", -2, u"c"},
                          Case{-2, u"zz", -2, u"a"}, Case{-1, u"c", 0, u"a"}}) {
        g.AddRadio(1, 1, 0, c.Index, &items);
        g.SetCellEx(1, 1, c.Text);
        g.SelectNextRadioItem(1, 1, false);
        Integer index = 99;
        EXPECT_TRUE(g.GetRadioIdx(1, 1, index));
        EXPECT_EQ(index, c.NewIndex) << c.Index << " " << StringToUtf8(c.Text);
        EXPECT_EQ(g.GetCellEx(1, 1), c.NewText) << c.Index << " " << StringToUtf8(c.Text);
    }
    EXPECT_EQ(g.GetRadioStrings(1, 1), &items);
    EXPECT_EQ(g.GetCellGraphic(1, 1)->CellAngle, 3);

    g.SetCellEx(1, 1, u"a");
    EXPECT_TRUE(g.SetRadioIdx(1, 1, -1));
    EXPECT_EQ(g.GetCellEx(1, 1), u"") << "no selection, no text";
    TBitmap bitmap;
    g.AddBitmap(2, 1, &bitmap, false, haLeft, vaTop);
    EXPECT_FALSE(g.SetRadioIdx(2, 1, 1));
    EXPECT_EQ(g.GetCellGraphic(2, 1)->CellIndex, 0);
    Integer index = 42;
    EXPECT_FALSE(g.GetRadioIdx(2, 1, index));
    EXPECT_EQ(index, 42);
    EXPECT_EQ(g.GetRadioStrings(2, 1), nullptr);

    TStrings* made = g.CreateRadio(3, 1, 1, 0);
    made->Add(u"x");
    EXPECT_TRUE(g.IsRadio(3, 1));
    EXPECT_EQ(g.GetRadioStrings(3, 1), made);
}

TEST_F(ExtStringGridChecks, BalloonsStandAloneOrRideOnAToggle)
{
    g.AddProgress(1, 1, clBlue, clWhite);
    g.AddBalloon(1, 1, u"T", u"x", biInfo);
    String title;
    String text;
    TBalloonIcon icon = biNone;
    EXPECT_FALSE(g.IsBalloon(1, 1, title, text, icon)) << "a progress bar takes no balloon";
    EXPECT_TRUE(g.HasProgress(1, 1));

    g.AddCheckBox(2, 1, true, false);
    g.AddBalloon(2, 1, u"Title", u"Text", biWarning);
    EXPECT_FALSE(g.HasBalloon(2, 1));
    EXPECT_TRUE(g.IsBalloon(2, 1, title, text, icon));
    EXPECT_EQ(title, u"Title");
    EXPECT_EQ(text, u"Text");
    EXPECT_EQ(icon, biWarning);
    EXPECT_TRUE(g.HasCheckBox(2, 1)) << "the box stays a box";
    g.RemoveBalloon(2, 1);
    EXPECT_FALSE(g.IsBalloon(2, 1, title, text, icon));
    EXPECT_TRUE(g.IsChecked(2, 1));
    g.AddBalloon(2, 1, u"again", u"", biError);
    g.RemoveCheckBox(2, 1);  // frees the list with the box; the leak check would tell
    EXPECT_EQ(g.GetCellGraphic(2, 1), nullptr);

    g.AddBalloon(3, 1, u"Only", u"balloon", biInfo);
    EXPECT_TRUE(g.HasBalloon(3, 1));
    EXPECT_TRUE(g.IsBalloon(3, 1, title, text, icon));
    EXPECT_EQ(text, u"balloon");
    g.RemoveBalloon(3, 1);
    EXPECT_EQ(g.GetCellGraphic(3, 1), nullptr);
}

TEST_F(ExtStringGridChecks, ClickInACheckBoxCell)
{
    g.AddCheckBox(1, 1, false, false);
    g.AddButton(2, 1, 10, 10, u"b", haLeft, vaTop);
    g.AddRadioButton(3, 1, false);
    const TRect cell = g.CellRect(1, 1);
    EXPECT_TRUE(g.IsInCheckBox(1, 1, cell.Right - 1, cell.Bottom - 1)) << "the whole cell without precision";
    EXPECT_TRUE(g.IsInCheckBox(3, 1, 0, 0));
    EXPECT_FALSE(g.IsInCheckBox(2, 1, 0, 0));
    EXPECT_FALSE(g.IsInCheckBox(4, 1, 0, 0));
}

TEST_F(ExtStringGridChecks, ACheckBoxColumnOverGroupsGivesHeadersTriStateBoxesAndSkipsSummaries)
{
    g.SetColCount(3);
    g.SetRowCount(6);
    g.SetFixedRows(1);
    const char16_t* values[] = {u"a", u"a", u"b", u"c", u"c"};
    for (Integer r = 1; r <= 5; ++r) g.SetCellEx(2, r, values[r - 1]);
    g.Grouping()->Summary = true;
    g.Group(2);
    for (const bool allRows : {false, true}) {
        g.MouseActions()->CheckAllCheck = allRows;
        g.AddCheckBoxColumn(1, true, false);
        std::string kinds;  // per row: h header, s summary, d data, - none
        for (Integer r = 0; r < g.RowCount(); ++r) {
            TCheckBoxState state = cbGrayed;
            const bool box = g.GetCheckBoxState(1, r, state);
            if (g.GetCellType(1, r) == ctTriStateCheckBox)
                kinds += state == cbUnchecked ? 'h' : '?';
            else if (box)
                kinds += state == cbChecked ? 'd' : '?';
            else
                kinds += g.IsSummary(r) ? 's' : '-';
        }
        EXPECT_EQ(kinds, std::string(allRows ? "d" : "-") + "hddshdshdds") << "row 0 only with CheckAllCheck";
        g.RemoveCheckBoxColumn(1);
        for (Integer r = 0; r < g.RowCount(); ++r) EXPECT_FALSE(g.HasCheckBox(1, r)) << r;
    }
}

TEST_F(ExtStringGridChecks, AnExpandClickSetsTheRowHeightAfterTheEvent)
{
    g.SetRowHeights(2, 22);
    g.AddExpand(1, 2, 70);
    std::vector<Integer> heightsSeen;
    g.OnExpandClick = [&](TObject*, Integer ACol, Integer ARow, bool Expanded) {
        EXPECT_EQ(ACol, 1);
        heightsSeen.push_back(g.RowHeights(ARow));
        EXPECT_EQ(Expanded, heightsSeen.size() == 1);
    };
    g.DoExpandClick(1, 2, g.ToggleExpand(1, 2));
    EXPECT_EQ(g.RowHeights(2), 70);
    g.DoExpandClick(1, 2, g.ToggleExpand(1, 2));
    EXPECT_EQ(g.RowHeights(2), 22) << "back to the height the row had when the button came";
    EXPECT_EQ(heightsSeen, (std::vector<Integer>{22, 70})) << "the event comes before the new height";
}

TEST(CheckBoxPlace, TheSquareFollowsPlacementAlignmentKindAndText)
{
    struct Case {
        TCellVAlign V;
        TAlignment H;
        TCellType Kind;
        Integer TextWidth;
        TPoint Offset;
        TRect Expected;
    };
    const TPoint usual{2, 2};
    for (const Case& c : {
             Case{vaCenter, taLeftJustify, ctCheckBox, 0, usual, {2, 2, 17, 17}},
             Case{vaTop, taLeftJustify, ctCheckBox, 0, usual, {2, 2, 17, 17}},
             Case{vaBottom, taLeftJustify, ctCheckBox, 0, usual, {2, 3, 17, 18}},
             Case{vaUnderText, taLeftJustify, ctCheckBox, 0, usual, {2, 4, 17, 19}},
             Case{vaCenter, taRightJustify, ctCheckBox, 0, usual, {83, 2, 98, 17}},
             Case{vaCenter, taRightJustify, ctCheckBox, 30, usual, {51, 2, 66, 17}},
             Case{vaCenter, taRightJustify, ctDataCheckBox, 30, usual, {83, 2, 98, 17}},
             Case{vaCenter, taCenter, ctCheckBox, 0, usual, {42, 2, 57, 17}},
             Case{vaCenter, taCenter, ctTriStateCheckBox, 30, usual, {19, 2, 34, 17}},
             Case{vaCenter, taCenter, ctVirtCheckBox, 30, usual, {42, 2, 57, 17}},
             Case{vaCenter, taLeftJustify, ctRadioButton, 0, usual, {4, 2, 19, 17}},
             Case{vaCenter, taRightJustify, ctRadioButton, 30, usual, {53, 2, 68, 17}},
             Case{vaCenter, taLeftJustify, ctCheckBox, 0, {4, 4}, {4, 4, 19, 19}},
             Case{vaBottom, taRightJustify, ctRowCheckBox, 0, {4, 4}, {81, 1, 96, 16}},
             Case{vaCenter, taRightJustify, ctCheckBox, 200, usual, {2, 2, 17, 17}},
         }) {
        TCheckBoxPlacement p;
        p.Area = {0, 0, 100, 20};
        p.Offset = c.Offset;
        p.Size = 15;
        p.Kind = c.Kind;
        p.HAlign = c.H;
        p.VAlign = c.V;
        p.TextWidth = c.TextWidth;
        EXPECT_EQ(CheckBoxPlace(p), c.Expected) << int(c.V) << "/" << int(c.H) << " kind " << int(c.Kind) << " text "
                                                << c.TextWidth << " offset " << c.Offset.X;
    }
    TCheckBoxPlacement tall;
    tall.Area = {0, 0, 100, 40};
    tall.Offset = usual;
    tall.Size = 15;
    tall.VAlign = vaCenter;
    EXPECT_EQ(CheckBoxPlace(tall).Top, 12) << "half of the room left";
    const TRect box{2, 2, 17, 17};
    EXPECT_TRUE(PointInCheckBox(box, 10, 10));
    EXPECT_FALSE(PointInCheckBox(box, 20, 10));
    EXPECT_TRUE(PointInCheckBox(box, 2, 2));
    EXPECT_TRUE(PointInCheckBox(box, 16, 16));
    EXPECT_FALSE(PointInCheckBox(box, 17, 10)) << "right edge excluded";
    EXPECT_FALSE(PointInCheckBox(box, 10, 17)) << "bottom edge excluded";
    EXPECT_FALSE(PointInCheckBox(box, 1, 10));
}

// A grid that gives every body cell of column 2 one shared virtual check box, as the column grid
// does for its data check-box columns: no record is stored in those cells.
class TVirtualCheckGrid : public TCheckGrid {
public:
    using TCheckGrid::TCheckGrid;
    TCellGraphic* GetCellGraphic(Integer ACol, Integer ARow) override
    {
        if (ACol != 2 || ARow < FixedRows()) return TCheckGrid::GetCellGraphic(ACol, ARow);
        m_virtual.CellType = ctVirtCheckBox;
        return &m_virtual;
    }
    TCellType GetCellType(Integer ACol, Integer ARow) override
    {
        return ACol == 2 && ARow >= FixedRows() ? ctVirtCheckBox : TCheckGrid::GetCellType(ACol, ARow);
    }

private:
    TCellGraphic m_virtual;
};

TEST(ExtStringGridVirtualChecks, ADataCheckBoxColumnWithoutStoredRecords)
{
    THarness h;
    TVirtualCheckGrid g(nullptr);
    TExtGridUndoRedo undo(nullptr);
    g.SetUndoRedo(&undo);
    std::vector<std::string> events;
    g.OnCheckBoxChange = [&](TObject*, Integer ACol, Integer ARow, bool State) {
        events.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + (State ? "+" : "-"));
    };
    g.SetRowCount(4);
    g.SetCellEx(2, 1, u"Y");
    g.SetCellEx(2, 2, u"N");
    EXPECT_TRUE(g.HasCheckBox(2, 1));
    EXPECT_TRUE(g.HasDataCheckBox(2, 3));
    EXPECT_TRUE(g.HasControlGraphic(2, 3));
    EXPECT_FALSE(g.HasCheckBox(2, 0)) << "the header row has none";
    EXPECT_TRUE(g.IsChecked(2, 1));
    EXPECT_FALSE(g.IsChecked(2, 3)) << "an empty cell reads unchecked";
    EXPECT_TRUE(g.IsInCheckBox(2, 3, 0, 0));
    EXPECT_EQ(g.GetCellGraphicSize(2, 3), (TPoint{g.ControlLook()->CheckSize(), g.ControlLook()->CheckSize()}));

    EXPECT_TRUE(g.ToggleCellCheckBox(2, 1, true));
    EXPECT_EQ(g.GetCellEx(2, 1), u"N");
    EXPECT_TRUE(g.ToggleCellCheckBox(2, 3, true));
    EXPECT_EQ(g.GetCellEx(2, 3), u"Y");
    ASSERT_EQ(undo.Items().Count(), 2);
    undo.Undo();
    EXPECT_EQ(g.GetCellEx(2, 3), u"") << "the empty cell comes back empty, not N";
    undo.Undo();
    EXPECT_EQ(g.GetCellEx(2, 1), u"Y");

    events.clear();
    g.CheckAll(2);
    EXPECT_EQ(events, (std::vector<std::string>{"2,2+", "2,3+"}));
    EXPECT_EQ(g.GetCellEx(2, 2), u"Y");
    TCheckBoxState state = cbUnchecked;
    EXPECT_TRUE(g.GetCheckBoxState(2, 2, state));
    EXPECT_EQ(state, cbChecked);
    EXPECT_TRUE(g.SetCheckBoxState(2, 2, false));
    EXPECT_EQ(g.GetCellEx(2, 2), u"N");
    for (Integer r = 1; r < 4; ++r) EXPECT_EQ(g.GetGraphicObjectEx(2, r), nullptr) << "nothing stored";
    g.SetUndoRedo(nullptr);
}

}  // namespace
}  // namespace gw::test
