// Reading order: what each BiDiMode answers, children following their parent's mode through
// nested windows until they set their own, and the text-drawing flags of a mode.
#include "platform/graphics/canvas.h"
#include "test_controls.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

class BiDiMode : public ::testing::Test {
protected:
    // A windowed control that counts the reading-order changes it is told of.
    class TCounting : public TCustomControl {
    public:
        using TCustomControl::TCustomControl;
        int Changes = 0;
        void Dispatch(TMessage& M) override
        {
            if (M.Msg == CM_BIDIMODECHANGED) ++Changes;
            TCustomControl::Dispatch(M);
        }
    };
    TCounting* Child(TWinControl* Parent)
    {
        auto* c = new TCounting(form);
        c->SetBounds(0, 0, 50, 20);
        c->SetParent(Parent);
        return c;
    }
    THarness h;
    TForm* form = MakeForm(Application, Rect(0, 0, 400, 300));
};

struct ModeCase {
    TBiDiMode Mode;
    bool Alignment, Reading, ScrollBar, RightToLeft;
};

TEST_F(BiDiMode, EachModeAnswersItsPartsOfTheReadingOrder)
{
    const ModeCase cases[] = {
        {bdLeftToRight, false, false, false, false},
        {bdRightToLeft, true, true, true, true},
        {bdRightToLeftNoAlign, false, true, true, true},
        {bdRightToLeftReadingOnly, false, true, false, true},
    };
    TCounting* c = Child(form);
    for (const ModeCase& k : cases) {
        c->SetBiDiMode(k.Mode);
        EXPECT_EQ(c->UseRightToLeftAlignment(), k.Alignment) << int(k.Mode);
        EXPECT_EQ(c->UseRightToLeftReading(), k.Reading) << int(k.Mode);
        EXPECT_EQ(c->UseRightToLeftScrollBar(), k.ScrollBar) << int(k.Mode);
        EXPECT_EQ(c->IsRightToLeft(), k.RightToLeft) << int(k.Mode);
    }
}

// Mode of the parent x whether the child follows it: the child's mode and alignment answer.
TEST_F(BiDiMode, AChildFollowsItsParentUntilItSetsItsOwn)
{
    struct Case {
        TBiDiMode ParentMode;
        bool Follows;
        TBiDiMode ChildMode;
        bool ChildAlignment;
    };
    const Case cases[] = {
        {bdRightToLeft, true, bdRightToLeft, true},
        {bdRightToLeftNoAlign, true, bdRightToLeftNoAlign, false},
        {bdRightToLeftReadingOnly, true, bdRightToLeftReadingOnly, false},
        {bdLeftToRight, true, bdLeftToRight, false},
        {bdRightToLeft, false, bdLeftToRight, false},
        {bdLeftToRight, false, bdLeftToRight, false},
    };
    for (const Case& k : cases) {
        auto* panel = Child(form);
        auto* inner = Child(panel);
        if (!k.Follows) inner->SetBiDiMode(bdLeftToRight);
        EXPECT_EQ(inner->ParentBiDiMode(), k.Follows);
        form->SetBiDiMode(k.ParentMode);
        EXPECT_EQ(panel->BiDiMode(), k.ParentMode) << "a following child in between";
        EXPECT_EQ(inner->BiDiMode(), k.ChildMode) << int(k.ParentMode) << " follows " << k.Follows;
        EXPECT_EQ(inner->UseRightToLeftAlignment(), k.ChildAlignment);
        form->SetBiDiMode(bdLeftToRight);
    }
}

TEST_F(BiDiMode, ChangesAreToldOnceAndAControlJoiningTakesItsParentsMode)
{
    TCounting* c = Child(form);
    form->SetBiDiMode(bdRightToLeft);
    EXPECT_EQ(c->Changes, 1);
    form->SetBiDiMode(bdRightToLeft);
    EXPECT_EQ(c->Changes, 1) << "the same mode again changes nothing";
    EXPECT_FALSE(form->ParentBiDiMode()) << "setting a mode stops following";

    TCounting* late = Child(form);
    EXPECT_EQ(late->BiDiMode(), bdRightToLeft) << "inserted into a right-to-left parent";
    EXPECT_EQ(late->Changes, 1);

    c->SetBiDiMode(bdRightToLeftReadingOnly);
    form->SetBiDiMode(bdLeftToRight);
    EXPECT_EQ(c->BiDiMode(), bdRightToLeftReadingOnly) << "its own mode stays";
    c->SetParentBiDiMode(true);
    EXPECT_EQ(c->BiDiMode(), bdLeftToRight) << "following again takes the parent's at once";
    EXPECT_EQ(late->BiDiMode(), bdLeftToRight);
}

TEST_F(BiDiMode, TextFlagsSwapLeftAndRightOnlyForAMirroredLayout)
{
    struct Case {
        TBiDiMode Mode;
        Cardinal In, Out;
    };
    const Case cases[] = {
        {bdLeftToRight, DT_LEFT | DT_VCENTER, DT_LEFT | DT_VCENTER},
        {bdLeftToRight, DT_RIGHT, DT_RIGHT},
        {bdRightToLeft, DT_LEFT | DT_VCENTER, DT_RIGHT | DT_VCENTER | DT_RTLREADING},
        {bdRightToLeft, DT_RIGHT | DT_SINGLELINE, DT_SINGLELINE | DT_RTLREADING},
        {bdRightToLeft, DT_CENTER, DT_CENTER | DT_RTLREADING},
        {bdRightToLeftNoAlign, DT_LEFT, DT_LEFT | DT_RTLREADING},
        {bdRightToLeftReadingOnly, DT_RIGHT, DT_RIGHT | DT_RTLREADING},
    };
    TCounting* c = Child(form);
    for (const Case& k : cases) {
        c->SetBiDiMode(k.Mode);
        EXPECT_EQ(c->DrawTextBiDiModeFlags(k.In), k.Out) << int(k.Mode) << " " << k.In;
        EXPECT_EQ(c->DrawTextBiDiModeFlagsReadingOnly(), k.Mode == bdLeftToRight ? 0u : DT_RTLREADING);
    }
}

}  // namespace
}  // namespace gw::test
