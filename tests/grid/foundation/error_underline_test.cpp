// Tests of the red zig-zag under a marked stretch of text, against the character positions of
// an edit laid out the same way.
#include "grid/foundation/error_underline.h"

#include "painting_fixture.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/controls/edit.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"

#include <gtest/gtest.h>

#include <memory>

namespace gw::test {
namespace {

class ErrorUnderline : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitializeUI();
        Application->CreateForm(form);
        form->SetBounds(0, 0, 300, 200);
        form->Show();
        Application->ProcessMessages();
    }
    void TearDown() override { FinalizeUI(); }

    // Where a single-line edit at R shows character I of Text, in the canvas font.
    TPoint CharAt(StringView Text, Integer I)
    {
        TEdit edit(nullptr);
        edit.SetVisible(false);
        edit.SetParent(form);
        edit.SetBounds(R.Left, R.Top, R.Width(), R.Height());
        edit.Font()->Assign(canvas.Font());
        edit.SetText(String(Text));
        const LRESULT p = edit.Perform(EM_POSFROMCHAR, WPARAM(I), 0);
        return {GetXLParam(p), GetYLParam(p)};
    }

    // The zig-zag from StartX to EndX (client x of the characters) on the line at Y + Offset.
    std::vector<std::string> ZigZag(Integer StartX, Integer EndX, Integer Y, Integer Offset)
    {
        std::vector<std::string> out;
        const Integer base = R.Top + Y + Offset;
        out.push_back("MoveTo(" + std::to_string(R.Left + StartX) + "," + std::to_string(base + 3) + ")");
        bool high = true;
        Integer x = StartX;
        auto segment = [&] {
            x += 3;
            out.push_back("LineTo(" + std::to_string(R.Left + x) + "," + std::to_string(high ? base : base + 3) + ")");
            high = !high;
        };
        while (x <= EndX) segment();
        segment();  // one more, to the other height
        return out;
    }

    THeadlessBackend backend;
    TForm* form = nullptr;
    TRecordingCanvas canvas;
    const TRect R = Rect(20, 30, 220, 52);
};

TEST_F(ErrorUnderline, UnderTheMarkedCharacters)
{
    const String text = u"Gatway address";
    DrawErrorUnderline(*form, canvas, text, R, 2, 1, 5);
    const TPoint start = CharAt(text, 1), end = CharAt(text, 5);
    EXPECT_EQ(canvas.Log(), ZigZag(start.X, end.X, end.Y, 2));
    EXPECT_EQ(canvas.Calls().back().PenColor, clRed);
    EXPECT_EQ(canvas.Calls().back().PenWidth, 2);
    // Segments are 3 pixels wide, and the line goes past the start of the last marked character.
    const auto& last = canvas.Calls().back();
    EXPECT_GT(last.Args[0], R.Left + end.X);
    EXPECT_EQ(form->ControlCount(), 0);  // the measuring edit is gone
}

TEST_F(ErrorUnderline, RangesAtAndPastTheEndOfTheText)
{
    const String text = u"abcdef";
    // Reaching past the end: ends 4 pixels after the last character's start.
    DrawErrorUnderline(*form, canvas, text, R, 0, 3, 10);
    const TPoint start = CharAt(text, 3), last = CharAt(text, 5);
    EXPECT_EQ(canvas.Log(), ZigZag(start.X, last.X + 4, start.Y, 0));

    // Starting at the end: 4 pixels after the text, a single segment.
    canvas.ClearCalls();
    DrawErrorUnderline(*form, canvas, text, R, 0, 6, 2);
    const Integer afterText = last.X + canvas.TextWidth(u"f");
    ASSERT_EQ(canvas.Calls().size(), 2u);
    EXPECT_NEAR(canvas.Calls()[0].Args[0], R.Left + afterText + 4, 1);
    EXPECT_EQ(canvas.Calls()[1].Args[0], canvas.Calls()[0].Args[0] + 3);

    canvas.ClearCalls();
    DrawErrorUnderline(*form, canvas, text, R, 0, 2, 0);  // nothing marked
    EXPECT_TRUE(canvas.Calls().empty());
    DrawErrorUnderline(*form, canvas, u"", R, 0, 0, 3);  // an empty text: 4 pixels after its start
    EXPECT_EQ(canvas.Calls().size(), 3u);
}

}  // namespace
}  // namespace gw::test
