// The left button's press on the slaves table's grid: the Enable check box, ratings, radio
// groups, the CONTROL tags and anchors of mark-up cells (cell anchors, links handed to the shell
// only when they are web or mail links or documents), and a press a handler refuses.
#include "edit_grid_fixture.h"
#include "mouse_grid_fixture.h"

#include "grid/foundation/markup_renderer.h"
#include "grid/foundation/markup_text.h"
#include "grid/model/control_look.h"
#include "grid/model/sort_settings.h"
#include "platform/net/shell_open.h"
#include "platform/runtime/string_list.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace gw::test {
namespace {

class GridPress : public EditGridTest {
protected:
    void BeforeShow() override
    {
        grid->AddCheckBoxColumn(0, false, true);
        grid->SetRowHeights(5, 70);
        opened.clear();
        SetShellOpener([this](const std::string& Argument) {
            opened.push_back(Argument);
            return true;
        });
    }
    void TearDown() override { SetShellOpener(nullptr); }

    void LogPresses()
    {
        auto cell = [](Integer c, Integer r) { return std::to_string(c) + "," + std::to_string(r); };
        grid->OnCheckBoxClick = [=, this](TObject*, Integer c, Integer r, bool State) {
            h.Log.Add("check box click " + cell(c, r) + (State ? " on" : " off"));
        };
        grid->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, Integer, Integer) { h.Log.Add("mouse down"); };
        grid->OnClickCell = [=, this](TObject*, Integer r, Integer c) { h.Log.Add("click cell " + cell(c, r)); };
        grid->OnKeyPress = [this](TObject*, Char&) { h.Log.Add("key press"); };
        grid->OnRadioClick = [=, this](TObject*, Integer c, Integer r, Integer i) {
            h.Log.Add("radio click " + cell(c, r) + " item " + std::to_string(i));
        };
        grid->OnControlClick = [=, this](TObject*, Integer r, Integer c, const String& ID, const String& Type,
                                         const String& Value) {
            h.Log.Add("control click " + cell(c, r) + " " + Utf8(ID) + " " + Utf8(Type) + " " + Utf8(Value));
        };
        grid->OnAnchorClick = [=, this](TObject*, Integer r, Integer c, const String& Anchor, bool&) {
            h.Log.Add("anchor click " + cell(c, r) + " " + Utf8(Anchor));
        };
    }

    // Where the grid lays a mark-up text out for a press: inside the offsets.
    TRect MarkupRect(Integer ACol, Integer ARow) const
    {
        TRect r = grid->CellRect(ACol, ARow);
        r.Left += grid->XYOffset.X + 1;
        r.Top += grid->XYOffset.Y + 1;
        r.Right -= grid->XYOffset.X;
        return r;
    }
    // The centre of a control of a cell's mark-up, as the renderer places it.
    TPoint ControlCentre(Integer ACol, Integer ARow, const String& ID) const
    {
        const String text = grid->GetCellEx(ACol, ARow);
        const TMarkupDrawResult m = DrawMarkupText(
            {.Canvas = grid->Canvas(), .Text = text, .Rect = MarkupRect(ACol, ARow), .HitTest = true, .ControlID = ID});
        return {(m.ControlRect.Left + m.ControlRect.Right) / 2, (m.ControlRect.Top + m.ControlRect.Bottom) / 2};
    }
    TPoint TextStart(Integer ACol, Integer ARow) const
    {
        const TRect r = MarkupRect(ACol, ARow);
        return {r.Left + 4, r.Top + 5};
    }

    // A click after the double-click time, so that presses on one spot stay single.
    void Press(TPoint P)
    {
        h.Advance(1000);
        h.Click(grid, P);
    }

    std::vector<std::string> opened;
    Integer refuse = 0;
};

// The release reports the box's new state (OnCheckBoxMouseUp) and sorts nothing, though the
// headers would sort on a click of their own.
TEST_F(GridPress, AClickOnEnableTogglesItMakesTheCellCurrentAndReports)
{
    LogPresses();
    grid->SortSettings()->SetShow(true);
    grid->OnCheckBoxMouseUp = [this](TObject*, Integer c, Integer r, bool State) {
        h.Log.Add("check box mouse up " + std::to_string(c) + "," + std::to_string(r) + (State ? " on" : " off"));
    };
    grid->OnClickSort = [this](TObject*, Integer c) { h.Log.Add("sort " + std::to_string(c)); };
    grid->SetCellEx(0, 3, u"N");
    Press(CellCentre(0, 3));
    EXPECT_EQ(Utf8(grid->GetCellEx(0, 3)), "Y");
    EXPECT_EQ(grid->Col(), 0);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_FALSE(EditorShown()) << "a check box opens no editor";
    EXPECT_EQ(h.Log.Items(),
              (std::vector<std::string>{"check box click 0,3 on", "mouse down", "check box mouse up 0,3 on"}));
    h.Log.Clear();
    Press(CellCentre(0, 3));
    EXPECT_EQ(Utf8(grid->GetCellEx(0, 3)), "N");
    EXPECT_EQ(h.Log.Items(),
              (std::vector<std::string>{"check box click 0,3 off", "mouse down", "check box mouse up 0,3 off"}));
    EXPECT_EQ(grid->SortSettings()->Column, -1);
}

TEST_F(GridPress, ARefusedPressDoesNothingAtAll)
{
    LogPresses();
    grid->OnCanClickCell = [this](TObject*, Integer ARow, Integer ACol, bool& Allow) {
        h.Log.Add("can click " + std::to_string(ACol) + "," + std::to_string(ARow));
        Allow = false;
    };
    grid->SetCellEx(0, 4, u"N");
    Press(CellCentre(0, 4));
    Press(CellCentre(3, 2));
    EXPECT_EQ(Utf8(grid->GetCellEx(0, 4)), "N");
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(h.Log.Items(), (std::vector<std::string>{"can click 0,4", "can click 3,2"}));
}

TEST_F(GridPress, AnOrdinaryClickMovesTheCurrentCellAndReportsTheCell)
{
    LogPresses();
    Press(CellCentre(3, 2));
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(h.Log.Items(), (std::vector<std::string>{"mouse down", "click cell 3,2"}));
}

TEST_F(GridPress, RangeSelectAndEditEditsTheCurrentCellAndSelectsFromOthers)
{
    grid->MouseActions()->RangeSelectAndEdit = true;
    grid->SetOptions(grid->Options() & ~TGridOptions(goEditing));
    Press(CellCentre(3, 2));
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_FALSE(EditorShown()) << "another cell only becomes current";
    Press(CellCentre(3, 2));
    EXPECT_TRUE(grid->Options() & goEditing) << "a press on the current cell edits it";
    EXPECT_TRUE(EditorShown());
}

TEST_F(GridPress, ANodeGlyphContractsAndExpandsItsRowsWhenAllowed)
{
    LogPresses();
    grid->AddNode(1, 3);
    const TRect r = grid->CellRect(0, 1);
    Integer x = 0;
    while (x < r.Right - r.Left && !grid->IsOnNodeGlyph(1, x)) ++x;
    ASSERT_LT(x, r.Right - r.Left) << "the glyph lies in the cell";
    grid->OnBeforeContractNode = [this](TObject*, Integer ARow, Integer ARowReal, bool& Allow) {
        h.Log.Add("before contract " + std::to_string(ARow) + " " + std::to_string(ARowReal));
        Allow = refuse == 0;
        refuse = refuse > 0 ? refuse - 1 : 0;
    };
    grid->OnContractNode = [this](TObject*, Integer ARow, Integer) { h.Log.Add("contract " + std::to_string(ARow)); };
    grid->OnExpandNode = [this](TObject*, Integer ARow, Integer) { h.Log.Add("expand " + std::to_string(ARow)); };
    const Integer rows = grid->RowCount();
    refuse = 1;
    Press({r.Left + x + 1, (r.Top + r.Bottom) / 2});
    EXPECT_EQ(grid->RowCount(), rows) << "refused: the node stays open";
    Press({r.Left + x + 1, (r.Top + r.Bottom) / 2});
    EXPECT_EQ(grid->RowCount(), rows - 2) << "the two rows under the node are hidden";
    EXPECT_TRUE(grid->GetNodeState(1));
    Press({r.Left + x + 1, (r.Top + r.Bottom) / 2});
    EXPECT_EQ(grid->RowCount(), rows);
    EXPECT_EQ(Utf8(grid->GetCellEx(0, 1)), "Y") << "the node glyph is no check box press";
    EXPECT_EQ(
        h.Log.Items(),
        (std::vector<std::string>{"mouse down", "click cell 0,1", "before contract 1 1", "mouse down", "click cell 0,1",
                                  "before contract 1 1", "contract 1", "mouse down", "click cell 0,1", "expand 1"}));
}

TEST_F(GridPress, ARatingTakesHalfAStarPerNinePixels)
{
    grid->AddRating(3, 2, 5, clYellow, clGray);
    const TRect r = grid->CellRect(3, 2);
    const struct {
        Integer Offset;
        double Rate;
    } cases[] = {{2, 0}, {9, 0.5}, {17, 0.5}, {18, 1.0}, {27, 1.5}};
    for (const auto& c : cases) {
        Press({r.Left + c.Offset, (r.Top + r.Bottom) / 2});
        EXPECT_EQ(grid->GetFloats(3, 2), c.Rate) << "offset " << c.Offset;
    }
    grid->OnRatingChange = [](TObject*, Integer, Integer, double& NewRate, bool& Allow) { Allow = NewRate < 1; };
    Press({r.Left + 40, (r.Top + r.Bottom) / 2});
    EXPECT_EQ(grid->GetFloats(3, 2), 1.5) << "a refused rating keeps the old one";
    Press({r.Left + 9, (r.Top + r.Bottom) / 2});
    EXPECT_EQ(grid->GetFloats(3, 2), 0.5);
}

TEST_F(GridPress, RadioItemsAreHitInsideTheirSpansOnly)
{
    LogPresses();
    grid->ControlLook()->RadioAlwaysActive = true;
    TStrings* items = grid->CreateRadio(3, 5, 0, -1);
    items->Add(u"slow");
    items->Add(u"fast");
    items->Add(u"auto");
    grid->SetCellEx(3, 5, u"");
    const TRect r = grid->CellRect(3, 5);
    const Integer itemHeight = std::max(16, grid->Canvas()->TextHeight(u"gh"));
    // Each press starts from no choice; a hit writes the item's text and records its index.
    const struct {
        Integer Y;
        const char* Text;
        Integer Index;
    } cases[] = {{itemHeight / 2, "slow", 0},
                 {itemHeight, "", -1},
                 {itemHeight + 3, "fast", 1},
                 {2 * itemHeight, "", -1},
                 {2 * itemHeight + 1, "auto", 2},
                 {3 * itemHeight + 2, "", -1},
                 {0, "", -1}};
    for (const auto& c : cases) {
        grid->SetRadioIdx(3, 5, -1);
        Press({r.Left + 20, r.Top + c.Y});
        Integer index = -2;
        EXPECT_TRUE(grid->GetRadioIdx(3, 5, index));
        EXPECT_EQ(index, c.Index) << "at " << c.Y;
        EXPECT_EQ(Utf8(grid->GetCellEx(3, 5)), c.Text) << "at " << c.Y;
    }
    EXPECT_EQ(h.Log.Items(),
              (std::vector<std::string>{"radio click 3,5 item 0", "radio click 3,5 item 1", "radio click 3,5 item 2"}));
}

TEST_F(GridPress, AHorizontalGroupKeepsItsIndex)
{
    grid->ControlLook()->RadioAlwaysActive = true;
    TStrings* items = grid->CreateRadio(3, 2, 1, 0);
    items->Add(u"A");
    items->Add(u"BB");
    const TRect r = grid->CellRect(3, 2);
    grid->HitCellRadio(3, 2, grid->Canvas()->TextWidth(u"A") + 16 + 3, 5);
    Integer index = -1;
    EXPECT_TRUE(grid->GetRadioIdx(3, 2, index));
    EXPECT_EQ(index, 1);
    Press({r.Left + 3, (r.Top + r.Bottom) / 2});
    EXPECT_TRUE(grid->GetRadioIdx(3, 2, index));
    EXPECT_EQ(index, 0);
}

TEST_F(GridPress, ControlTagsFlipRadioAndReportWithTheValueBeforeThePress)
{
    LogPresses();
    grid->SetRowHeights(2, 40);
    grid->SetRowHeights(3, 40);
    grid->SetColWidths(3, 200);
    grid->SetCellEx(3, 2,
                    u"<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"FALSE\"> on "
                    u"<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\"> "
                    u"<CONTROL TYPE=\"RADIO\" ID=\"r2\" VALUE=\"FALSE\">");
    grid->SetCellEx(3, 3,
                    u"<CONTROL TYPE=\"BUTTON\" ID=\"b1\" WIDTH=\"40\" VALUE=\"Go\"> "
                    u"<CONTROL TYPE=\"EDIT\" ID=\"e1\" WIDTH=\"60\" VALUE=\"abc\">");
    auto value = [this](Integer r, const char16_t* ID) {
        String v;
        GetControlValue(grid->GetCellEx(3, r), ID, v);
        return Utf8(v);
    };
    Press(ControlCentre(3, 2, u"c1"));
    EXPECT_EQ(value(2, u"c1"), "TRUE");
    Press(ControlCentre(3, 2, u"c1"));
    EXPECT_EQ(value(2, u"c1"), "FALSE");
    Press(ControlCentre(3, 2, u"r2"));
    EXPECT_EQ(value(2, u"r1"), "FALSE");
    EXPECT_EQ(value(2, u"r2"), "TRUE");
    Press(ControlCentre(3, 3, u"b1"));
    Press(ControlCentre(3, 3, u"e1"));
    EXPECT_EQ(value(3, u"e1"), "abc") << "an edit control's text is the editor's to change";
    EXPECT_EQ(h.Log.Items(),
              (std::vector<std::string>{"control click 3,2 c1 CHECK FALSE", "control click 3,2 c1 CHECK TRUE",
                                        "control click 3,2 r2 RADIO FALSE", "control click 3,3 b1 BUTTON Go",
                                        "control click 3,3 e1 EDIT abc"}));
}

TEST_F(GridPress, ControlsOfACellThatMayNotBeEditedAreAnchorsOnly)
{
    LogPresses();
    grid->SetColWidths(3, 200);
    grid->SetCellEx(3, 2, u"<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"FALSE\">");
    grid->SetReadOnly(3, 2, true);
    Press(ControlCentre(3, 2, u"c1"));
    String v;
    GetControlValue(grid->GetCellEx(3, 2), u"c1", v);
    EXPECT_EQ(Utf8(v), "FALSE");
    EXPECT_EQ(h.Log.Items(), std::vector<std::string>{"anchor click 3,2 ctrl"});
    EXPECT_TRUE(opened.empty()) << "a control is never handed to the shell";
}

TEST_F(GridPress, ACellAnchorMakesItsCellCurrent)
{
    LogPresses();
    grid->SetColWidths(3, 200);
    grid->SetCellEx(3, 2, u"<A HREF=\"CELL://R4C2\">to the mnemonic</A>");
    grid->SetCellEx(3, 3, u"<A HREF=\"cell://nowhere\">lost</A>");
    Press(TextStart(3, 3));
    EXPECT_EQ(grid->Col(), 1) << "a reference that does not parse leaves the current cell";
    EXPECT_EQ(grid->Row(), 1);
    Press(TextStart(3, 2));
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(h.Log.Items(),
              (std::vector<std::string>{"anchor click 3,3 cell://nowhere", "anchor click 3,2 CELL://R4C2"}));
    EXPECT_TRUE(opened.empty());
}

// The anchor is laid from the edge the text reads from: right to left at the cell's right edge,
// where a press follows it and the left end of the cell holds nothing; reading only keeps the
// left-to-right place.
TEST_F(GridPress, AnAnchorIsHitWhereTheReadingOrderLaysItOut)
{
    LogPresses();
    grid->SetColWidths(3, 200);
    grid->SetCellEx(3, 2, u"<A HREF=\"CELL://R4C2\">to the mnemonic</A>");
    struct Case {
        TBiDiMode Mode;
        bool AtRightEnd;
        bool Followed;
    };
    const Case cases[] = {
        {bdLeftToRight, false, true},       {bdLeftToRight, true, false},
        {bdRightToLeft, true, true},        {bdRightToLeft, false, false},
        {bdRightToLeftNoAlign, false, true}, {bdRightToLeftNoAlign, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(int(c.Mode)) + (c.AtRightEnd ? " right end" : " left end"));
        grid->SetBiDiMode(c.Mode);
        grid->FocusCell(1, 1);
        h.Log.Clear();
        const TRect cell = grid->CellRect(3, 2);
        Press({c.AtRightEnd ? cell.Right - grid->XYOffset.X - 6 : cell.Left + grid->XYOffset.X + 6, cell.Top + 6});
        const std::vector<std::string> log = h.Log.Items();
        const bool followed = std::find(log.begin(), log.end(), "anchor click 3,2 CELL://R4C2") != log.end();
        EXPECT_EQ(followed, c.Followed);
        EXPECT_EQ(grid->Col() == 2 && grid->Row() == 4, c.Followed);
    }
}

// Anchors come from table files and imports: only web and mail links and documents are opened,
// never a program, and no "file:" link.
TEST_F(GridPress, LinksReachTheShellOnlyWhenTheyAreNoPrograms)
{
    const std::filesystem::path document = std::filesystem::temp_directory_path() / "gw_press_anchor_notes.txt";
    std::ofstream(document) << "notes";
    grid->SetColWidths(3, 200);
    const struct {
        std::string Anchor;
        std::string Opened;
    } cases[] = {
        {"http://example.com/slaves", "http://example.com/slaves"},
        {"mailto:service@example.com", "mailto:service@example.com"},
        {document.string(), std::filesystem::canonical(document).string()},
        {"file:///bin/sh", ""},
        {"/bin/sh", ""},
        {"calc.exe", ""},
    };
    for (const auto& c : cases) {
        opened.clear();
        grid->SetCellEx(3, 2, u"<A HREF=\"" + Utf8ToString(c.Anchor) + u"\">link</A>");
        Press(TextStart(3, 2));
        EXPECT_EQ(opened, c.Opened.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.Opened})
            << c.Anchor;
    }
    // A handler that takes the anchor itself leaves the shell out.
    grid->OnAnchorClick = [](TObject*, Integer, Integer, const String&, bool& AutoHandle) { AutoHandle = false; };
    opened.clear();
    grid->SetCellEx(3, 2, u"<A HREF=\"http://example.com\">link</A>");
    Press(TextStart(3, 2));
    EXPECT_TRUE(opened.empty());
    std::filesystem::remove(document);
}

TEST_F(GridPress, APlainLinkOpensWithURLShow)
{
    grid->SetCellEx(3, 2, u"http://example.com/plain");
    Press(CellCentre(3, 2));
    EXPECT_TRUE(opened.empty()) << "without URLShow a link is text";
    grid->SetURLShow(true);
    Press(CellCentre(3, 2));
    EXPECT_EQ(opened, std::vector<std::string>{"http://example.com/plain"});
}

// A press on any piece of a merged cell selects its base cell: the press is moved into it, right
// to left by the columns' extents, which keeps it inside the base column however near the
// pressed piece's far edge it was. The release over a piece of that merged cell leaves it there,
// also after a drag out and back, while a drag out of it to other cells still selects the range
// from the base cell.
TEST_F(MouseGridTest, APressOnAMergedCellsPieceSelectsItsBaseCellInEitherReadingOrder)
{
    grid->MergeCells(1, 1, 3, 2);
    struct TCase {
        const char* Name;
        TBiDiMode Mode;
        Integer Col, Row;
        Integer FromLeft;  // pixels right of the pressed cell's left edge, -1 for its centre
        std::string Current;
        std::string Released;   // the current cell after the release
        std::string Selection;  // left,top-right,bottom after the release
        Integer ToCol = -1, ToRow = -1;  // where the pointer is dragged to before the release
        bool RowSelect = false;
        Integer ViaCol = -1, ViaRow = -1;  // a cell the drag passes on its way, else halfway
    };
    const TCase cases[] = {
        {"the last piece", bdLeftToRight, 3, 2, -1, "1,1", "1,1", "1,1-1,1"},
        {"a piece of the first row", bdLeftToRight, 2, 1, 1, "1,1", "1,1", "1,1-1,1"},
        {"the last piece of the first row", bdLeftToRight, 3, 1, -1, "1,1", "1,1", "1,1-1,1"},
        {"the first piece of the second row", bdLeftToRight, 1, 2, -1, "1,1", "1,1", "1,1-1,1"},
        {"the middle piece of the second row", bdLeftToRight, 2, 2, -1, "1,1", "1,1", "1,1-1,1"},
        {"the base itself", bdLeftToRight, 1, 1, -1, "1,1", "1,1", "1,1-1,1"},
        {"right to left, the last piece", bdRightToLeft, 3, 2, -1, "1,1", "1,1", "1,1-1,1"},
        {"right to left, at the piece's far edge", bdRightToLeft, 3, 1, 1, "1,1", "1,1", "1,1-1,1"},
        {"right to left, at the piece's near edge", bdRightToLeft, 2, 2, grid->ColWidths(2) - 2, "1,1", "1,1",
         "1,1-1,1"},
        {"right to left, the base itself", bdRightToLeft, 1, 2, -1, "1,1", "1,1", "1,1-1,1"},
        {"right to left, a piece of the first row", bdRightToLeft, 2, 1, -1, "1,1", "1,1", "1,1-1,1"},
        {"right to left, the base cell", bdRightToLeft, 1, 1, -1, "1,1", "1,1", "1,1-1,1"},
        {"an unmerged cell", bdRightToLeft, 4, 3, -1, "4,3", "4,3", "4,3-4,3"},
        {"reading only", bdRightToLeftReadingOnly, 3, 2, 1, "1,1", "1,1", "1,1-1,1"},
        {"dragged out to a plain cell", bdLeftToRight, 3, 2, -1, "1,1", "4,3", "1,1-4,3", 4, 3},
        {"dragged to another piece", bdLeftToRight, 2, 1, -1, "1,1", "1,1", "1,1-1,1", 3, 2},
        {"dragged out and back onto a piece", bdLeftToRight, 2, 1, -1, "1,1", "1,1", "1,1-1,1", 2, 2, false, 4, 3},
        {"right to left, dragged out and back", bdRightToLeft, 3, 2, -1, "1,1", "1,1", "1,1-1,1", 1, 2, false, 4, 3},
        // From a plain cell into the merged cell: its pieces are cells of the range.
        {"a plain cell dragged into the merged cell", bdLeftToRight, 4, 3, -1, "4,3", "2,2", "2,2-4,3", 2, 2},
        {"right to left, a plain cell dragged into it", bdRightToLeft, 4, 3, -1, "4,3", "3,2", "3,2-4,3", 3, 2},
        {"right to left, dragged out to a plain cell", bdRightToLeft, 3, 2, -1, "1,1", "4,3", "1,1-4,3", 4, 3},
        {"right to left, dragged to a plain cell before it", bdRightToLeft, 2, 2, -1, "1,1", "0,3", "0,1-1,3", 0, 3},
        {"row select, a piece of the second row", bdLeftToRight, 2, 2, -1, "1,1", "1,1", "0,1-5,1", -1, -1, true},
        {"row select, dragged out to a plain row", bdLeftToRight, 3, 2, -1, "1,1", "4,3", "0,1-5,3", 4, 3, true},
        {"right to left, row select, the last piece", bdRightToLeft, 3, 2, -1, "1,1", "1,1", "0,1-5,1", -1, -1, true},
    };
    auto cell = [](Integer c, Integer r) { return std::to_string(c) + "," + std::to_string(r); };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        grid->SetBiDiMode(c.Mode);
        grid->SetOptions(c.RowSelect ? grid->Options() | goRowSelect : grid->Options() & ~TGridOptions(goRowSelect));
        grid->FocusCell(5, 4);
        // The piece's own rectangle, not the merged cell's.
        const TRect r = grid->TCustomGrid::CellRect(c.Col, c.Row);
        ASSERT_LT(r.Left, r.Right);
        const TPoint at{c.FromLeft < 0 ? (r.Left + r.Right) / 2 : r.Left + c.FromLeft, r.Top + 3};
        h.Advance(1000);
        h.MoveTo(grid, at);
        h.MouseDown(grid, at);
        EXPECT_EQ(cell(grid->Col(), grid->Row()), c.Current);
        TPoint to = at;
        if (c.ToCol >= 0) {
            // Through the next cells on the way, as a hand would move.
            auto centre = [this](Integer ACol, Integer ARow) {
                const TRect t = grid->TCustomGrid::CellRect(ACol, ARow);
                return TPoint{(t.Left + t.Right) / 2, (t.Top + t.Bottom) / 2};
            };
            to = centre(c.ToCol, c.ToRow);
            h.MoveTo(grid, c.ViaCol >= 0 ? centre(c.ViaCol, c.ViaRow) : TPoint{(at.X + to.X) / 2, (at.Y + to.Y) / 2});
            h.MoveTo(grid, to);
        }
        h.MouseUp(grid, to);
        EXPECT_EQ(cell(grid->Col(), grid->Row()), c.Released);
        const TGridRect s = grid->Selection();
        EXPECT_EQ(cell(s.Left, s.Top) + "-" + cell(s.Right, s.Bottom), c.Selection);
    }
}

TEST_F(MouseGridTest, AnOnMouseDownHandlerGetsThePressWhereItWas)
{
    grid->MergeCells(1, 1, 3, 2);
    std::vector<TPoint> downs;
    grid->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, Integer X, Integer Y) { downs.push_back({X, Y}); };
    const TRect piece = grid->TCustomGrid::CellRect(3, 2);
    const TPoint at{(piece.Left + piece.Right) / 2, piece.Top + 3};
    h.Advance(1000);
    h.Click(grid, at);
    ASSERT_FALSE(downs.empty());
    EXPECT_EQ(downs.back(), at);
}

}  // namespace
}  // namespace gw::test
