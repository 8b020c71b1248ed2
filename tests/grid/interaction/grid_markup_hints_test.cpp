// The grid's hints in mark-up: a cell hint in mark-up or the wide encoding asks for the mark-up
// hint window (with the grid as its data), a plain one leaves the application's window; the size
// hint while a column is sized shows its bold width rather than the tags.
#include "grid/foundation/csv_utils.h"
#include "grid/interaction/html_hint_window.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/ui/hint_window.h"
#include "tests/grid/interaction/mouse_grid_fixture.h"
#include "tests/support/test_support.h"

namespace gw::test {
namespace {

// Everything a hint window draws, one call a line.
std::string Drawn(THTMLHintWindow& Hint)
{
    TRecordingCanvas c;
    c.Font()->Assign(Hint.Font());
    Hint.DrawHint(c);
    std::string s;
    for (const std::string& line : c.Log()) s += line + "\n";
    return s;
}

TEST_F(MouseGridTest, AHintInMarkupOrTheWideEncodingAsksForTheMarkupHintWindow)
{
    struct TCase {
        const char* Name;
        String Comment;
        String FromEvent;  // what OnGridHint answers (empty: leaves the hint)
        bool InternalClass;
        bool MarkupWindow;
    };
    const TCase cases[] = {
        {"plain comment", u"note", u"", true, false},
        {"comment in mark-up", u"<b>Note</b> 1", u"", true, true},
        {"mark-up from the event", u"", u"<i>from the event</i>", true, true},
        {"wide-encoded from the event", u"", EncodeWideCellText(u"\u65E5\u672C"), true, true},
        {"the event turns mark-up plain", u"<b>Note</b>", u"plain", true, false},
        {"mark-up without the internal class", u"<b>Note</b>", u"", false, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        grid->RemoveComment(2, 2);
        if (!c.Comment.empty()) grid->AddComment(2, 2, c.Comment);
        grid->OnGridHint = [&](TObject*, Integer, Integer, String& Hint) {
            if (!c.FromEvent.empty()) Hint = c.FromEvent;
        };
        grid->UseInternalHintClass = c.InternalClass;
        HTMLHintFontName().clear();
        const TRect r = grid->CellRect(2, 2);
        THintInfo info;
        info.CursorPos = {r.Left + 3, r.Top + 3};
        String text;
        grid->BuildCellHint(text, info);
        EXPECT_EQ(info.HintWindowClass == &MakeHintWindow<THTMLHintWindow>, c.MarkupWindow);
        EXPECT_EQ(info.HintData, c.MarkupWindow ? static_cast<TObject*>(grid) : nullptr);
        EXPECT_EQ(HTMLHintFontName(), grid->Font()->Name()) << "wide hints are drawn in the grid's font";
    }
    HTMLHintFontName().clear();
}

// Resting on a cell with a mark-up comment: the hint shows the bold text, not its tags.
TEST_F(MouseGridTest, RestingOnACellWithAMarkupCommentShowsItRendered)
{
    grid->AddComment(3, 1, u"<b>Address</b> taken");
    grid->SetShowHint(true);
    h.MoveTo(grid, Centre(3, 1));
    h.Advance(Application->HintPause + 50);
    h.ProcessMessages();
    auto* hint = dynamic_cast<THTMLHintWindow*>(Application->HintWindow());
    ASSERT_NE(hint, nullptr) << "the mark-up hint window shows it";
    EXPECT_EQ(static_cast<void*>(hint->Images()), static_cast<void*>(grid->GridImages));
    const std::string drawn = Drawn(*hint);
    EXPECT_NE(drawn.find("Address"), std::string::npos) << drawn;
    EXPECT_EQ(drawn.find("<b>"), std::string::npos) << drawn;
}

TEST_F(MouseGridTest, TheSizeHintShowsTheWidthInBoldNotItsTags)
{
    grid->SetOptions(grid->Options() | goColSizing);
    grid->HintShowSizing = true;
    const TRect header = grid->CellRect(1, 0);
    const Integer y = (header.Top + header.Bottom) / 2;
    h.MouseDown(grid, {header.Right, y});
    h.MoveTo(grid, {header.Right + 25, y});
    auto* hint = dynamic_cast<THTMLHintWindow*>(grid->FSizingHintWnd);
    ASSERT_NE(hint, nullptr);
    ASSERT_TRUE(hint->IsShowing());
    const std::string drawn = Drawn(*hint);
    EXPECT_EQ(drawn.find("<b>"), std::string::npos) << drawn;
    TRecordingCanvas c;
    c.Font()->Assign(hint->Font());
    hint->DrawHint(c);
    const String width = IntToStr(grid->ColWidths(1) + 25);
    bool bold = false;
    for (const TCanvasCall& call : c.Calls())
        if (call.Text.find(width) != String::npos) bold = (call.FontStyle & fsBold) != 0;
    EXPECT_TRUE(bold) << "the width is drawn bold:\n" << drawn;
    h.MouseUp(grid, {header.Right + 25, y});
    EXPECT_FALSE(hint->IsShowing());
}

}  // namespace
}  // namespace gw::test
