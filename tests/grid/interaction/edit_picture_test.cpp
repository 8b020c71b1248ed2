// A picture for a person to look at: the slaves-table fixture with the text editor open,
// right-aligned, on a refused value, its balloon naming the problem.
#include "tests/grid/interaction/edit_grid_fixture.h"
#include "tests/support/test_support.h"

#include <filesystem>

namespace gw::test {
namespace {

TEST_F(EditGridTest, PictureOfARightAlignedEditorWithTheRefusalBalloon)
{
    for (Integer c = 0; c < 5; ++c)
        grid->SetCellEx(c, 0, std::vector<String>{u"Enable", u"IP Address", u"Mnemonic", u"Time Poll", u"Note"}[c]);
    grid->OnGetAlignment = [](TObject*, Integer, Integer ACol, TAlignment& HAlign, TVAlignment&) {
        if (ACol == 3) HAlign = taRightJustify;
    };
    grid->InvalidEntryTitle = u"Invalid poll time";
    grid->InvalidEntryText = u"A time from 10 to 10000 ms";
    grid->InvalidEntryIcon = ieWarning;
    grid->OnCellValidate = [](TObject*, Integer ACol, Integer, String&, bool& Valid) { Valid = ACol != 3; };
    for (Integer r = 1; r < 6; ++r) grid->SetCellEx(3, r, u"100");
    grid->FocusCell(3, 2);
    h.Type(u"99999");
    // Enter's key-down refuses and leaves the refused text selected, under the balloon.
    Editor()->Perform(WM_KEYDOWN, VK_RETURN, 0);
    h.ProcessMessages();
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(Editor()->Text(), u"99999");
    EXPECT_TRUE(Editor()->VAlign());
    ASSERT_FALSE(Editor()->Balloons.empty());
    const auto path = picturePath("grid_interaction_refused_value.png");
    h.Display().SaveScreenToPng(form->BoundsRect(), String(path.u16string()));
    EXPECT_TRUE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace gw::test
