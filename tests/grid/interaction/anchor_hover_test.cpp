// The mouse over the anchors of a mark-up cell: the hand cursor, OnAnchorEnter and OnAnchorExit
// in pairs as the pointer moves over anchors, plain text, other cells and out of the grid, the
// underline of the hovered anchor alone, and the anchor's hint.
#include "grid/foundation/markup_renderer.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/ui/hint_window.h"
#include "tests/grid/interaction/mouse_grid_fixture.h"
#include "tests/support/test_support.h"

#include <map>
#include <string>

namespace gw::test {
namespace {

using Log = std::vector<std::string>;

// Cell (2, 2) holds two anchors with plain text between them; cell (4, 2) is plain.
class AnchorHoverTest : public MouseGridTest {
protected:
    void SetUp() override
    {
        MouseGridTest::SetUp();
        grid->SetColWidths(2, 320);
        grid->SetCellEx(2, 2, u"<a href=\"http://one.example\">AAAAAA</a> some plain words "
                              u"<a href=\"cell://R1C1\" title=\"Back to the top\">BBBBBB</a>");
        grid->OnAnchorEnter = [this](TObject*, Integer ARow, Integer ACol, const String& Anchor) {
            h.Log.Add("enter " + std::to_string(ACol) + "," + std::to_string(ARow) + " " + Utf8(Anchor));
        };
        grid->OnAnchorExit = [this](TObject*, Integer ARow, Integer ACol, const String& Anchor) {
            h.Log.Add("exit " + std::to_string(ACol) + "," + std::to_string(ARow) + " " + Utf8(Anchor));
        };
        h.ProcessMessages();
        FindPoints();
    }
    // The middle of each anchor and of the plain words, where the renderer lays them out.
    void FindPoints()
    {
        const TRect r = grid->CellRect(2, 2);
        const Integer y = r.Top + 8;
        std::map<std::string, std::pair<Integer, Integer>> spans;
        for (Integer x = r.Left; x < r.Right; ++x) {
            const TMarkupDrawResult hit = DrawMarkupText({.Canvas = grid->Canvas(),
                                                          .Text = grid->GetCellEx(2, 2),
                                                          .Rect = {r.Left + 1, r.Top + 1, r.Right, r.Bottom},
                                                          .MouseX = x,
                                                          .MouseY = y,
                                                          .HitTest = true});
            const std::string key = hit.Hit ? Utf8(hit.AnchorValue) : "";
            auto [it, added] = spans.try_emplace(key, x, x);
            if (!added) it->second.second = x;
        }
        ASSERT_EQ(spans.count("http://one.example"), 1u);
        ASSERT_EQ(spans.count("cell://R1C1"), 1u);
        const auto mid = [&](const std::string& K) {
            return TPoint{(spans[K].first + spans[K].second) / 2, y};
        };
        first = mid("http://one.example");
        second = mid("cell://R1C1");
        plain = {(spans["http://one.example"].second + spans["cell://R1C1"].first) / 2, y};
    }
    bool HandShown() { return h.Display().CursorShape() == Screen->Cursors(crHandPoint); }

    TPoint first, second, plain;
};

TEST_F(AnchorHoverTest, EveryAnchorEnteredIsLeftOnceWhereverThePointerGoes)
{
    struct TStep {
        const char* Name;
        TPoint To;
        Log Events;
        bool Hand;
    };
    const TPoint otherCell = Centre(4, 2);
    const TStep steps[] = {
        {"a plain cell", otherCell, {}, false},
        {"onto the first anchor", first, {"enter 2,2 http://one.example"}, true},
        {"along the first anchor", {first.X + 2, first.Y}, {}, true},
        {"straight onto the second", second, {"exit 2,2 http://one.example", "enter 2,2 cell://R1C1"}, true},
        {"the plain words between", plain, {"exit 2,2 cell://R1C1"}, false},
        {"back onto the second", second, {"enter 2,2 cell://R1C1"}, true},
        {"to another cell", otherCell, {"exit 2,2 cell://R1C1"}, false},
        {"onto the first again", first, {"enter 2,2 http://one.example"}, true},
        {"below the last row", {first.X, grid->CellRect(2, 4).Bottom + 30}, {"exit 2,2 http://one.example"}, false},
        {"onto the second again", second, {"enter 2,2 cell://R1C1"}, true},
    };
    for (const TStep& s : steps) {
        SCOPED_TRACE(s.Name);
        h.MoveTo(grid, s.To);
        // The shape is asked for before each move is handled: a second move shows the settled one.
        h.MoveTo(grid, s.To);
        EXPECT_EQ(h.Log.Take(), s.Events);
        EXPECT_EQ(HandShown(), s.Hand);
    }
    // Out of the grid altogether.
    h.MoveTo(form, {form->ClientWidth() - 5, form->ClientHeight() - 5});
    EXPECT_EQ(h.Log.Take(), (Log{"exit 2,2 cell://R1C1"}));
}

TEST_F(AnchorHoverTest, WithUnderlineOnHoverOnlyTheAnchorUnderThePointerIsUnderlined)
{
    // Which of the two anchors the painter underlines.
    const auto underlined = [this]() {
        TRecordingCanvas c;
        grid->PaintCell(c, 2, 2, grid->CellRect(2, 2), 0);
        std::string out;
        for (const TCanvasCall& call : c.Calls()) {
            const std::string text = Utf8(call.Text);
            if ((text.find("AAAAAA") != std::string::npos || text.find("BBBBBB") != std::string::npos) &&
                (call.FontStyle & fsUnderline))
                out += text.substr(0, 1);
        }
        return out;
    };
    EXPECT_EQ(underlined(), "AB") << "every anchor is underlined by default";
    grid->URLUnderlineOnHover = true;
    h.MoveTo(grid, Centre(4, 2));
    EXPECT_EQ(underlined(), "");
    struct TStep {
        const char* Name;
        TPoint To;
        std::string Underlined;
        bool Repaints;
    };
    const TStep steps[] = {
        {"onto the second", second, "B", true},
        {"along the second", {second.X + 2, second.Y}, "B", false},
        {"onto the first", first, "A", true},
        {"the plain words", plain, "", true},
        {"the plain words again", {plain.X + 1, plain.Y}, "", false},
        {"onto the second again", second, "B", true},
        {"another cell", Centre(4, 2), "", true},
    };
    for (const TStep& s : steps) {
        SCOPED_TRACE(s.Name);
        const Cardinal before = h.Invalidations();
        h.MoveTo(grid, s.To);
        EXPECT_EQ(underlined(), s.Underlined);
        EXPECT_EQ(h.Invalidations() > before, s.Repaints) << "only a change of the underlined anchor repaints";
    }
    h.MoveTo(grid, first);
    h.MoveTo(form, {form->ClientWidth() - 5, form->ClientHeight() - 5});
    EXPECT_EQ(underlined(), "") << "leaving the grid takes the underline away";
}

TEST_F(AnchorHoverTest, AnAnchorsHintIsItsTitleOrItselfAsOnAnchorHintLeavesIt)
{
    grid->OnAnchorHint = [](TObject*, Integer ARow, Integer ACol, String& Anchor) {
        if (Anchor.starts_with(u"http")) Anchor = u"Open " + Anchor + u" at " + IntToStr(ACol) + u"," + IntToStr(ARow);
    };
    struct TCase {
        const char* Name;
        bool AnchorHint;
        TPoint At;
        std::string Text;
        bool AtPointer;
    };
    const TCase cases[] = {
        {"titled anchor", true, second, "Back to the top", true},
        {"anchor without a title", true, first, "Open http://one.example at 2,2", true},
        {"plain words", true, plain, "", false},
        {"without AnchorHint", false, first, "", false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        grid->AnchorHint = c.AnchorHint;
        THintInfo info;
        info.CursorPos = c.At;
        String text;
        grid->BuildCellHint(text, info);
        EXPECT_EQ(Utf8(text), c.Text);
        const TPoint at = c.AtPointer ? TPoint{c.At.X + 8, c.At.Y - 16}
                                      : TPoint{c.At.X, grid->CellRect(2, 2).Bottom + 6};
        EXPECT_EQ(info.HintPos, grid->ClientToScreen(at));
    }
}

// A handler whose text changes while the pointer rests on the anchor: the hint showing goes, and
// the new text comes after the pause.
TEST_F(AnchorHoverTest, AHintTextThatChangesOnTheSameAnchorShowsAnew)
{
    grid->AnchorHint = true;
    grid->SetShowHint(true);
    Integer calls = 0;
    String text = u"first text";
    grid->OnAnchorHint = [&](TObject*, Integer, Integer, String& Anchor) {
        ++calls;
        Anchor = text;
    };
    h.MoveTo(grid, first);
    h.Advance(Application->HintPause + 50);
    THintWindow* hint = Application->HintWindow();
    ASSERT_NE(hint, nullptr);
    ASSERT_TRUE(IsWindowVisible(hint->Handle()));
    EXPECT_EQ(Utf8(hint->Caption()), "first text");
    h.MoveTo(grid, {first.X + 1, first.Y});
    EXPECT_TRUE(IsWindowVisible(hint->Handle())) << "the same text keeps the hint";
    text = u"second text";
    h.MoveTo(grid, {first.X + 2, first.Y});
    EXPECT_FALSE(IsWindowVisible(hint->Handle()));
    h.Advance(Application->HintPause + 50);
    hint = Application->HintWindow();
    ASSERT_TRUE(IsWindowVisible(hint->Handle()));
    EXPECT_EQ(Utf8(hint->Caption()), "second text");
    EXPECT_GT(calls, 0);
}

}  // namespace
}  // namespace gw::test
