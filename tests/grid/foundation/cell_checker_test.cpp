// Tests of the cell checker base, which changes nothing whatever its flags say.
#include "grid/foundation/cell_checker.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

TEST(CellChecker, BaseLeavesTextsUnchangedWithEveryFlagOn)
{
    TComponent owner(nullptr);
    auto* checker = new TExtStringGridCheck(&owner);
    EXPECT_FALSE(checker->GotoCell || checker->AutoCorrect || checker->AutoMarkError || checker->UseCorrect ||
                 checker->UseMarkError);
    checker->GotoCell = checker->AutoCorrect = checker->AutoMarkError = true;
    checker->UseCorrect = checker->UseMarkError = true;
    checker->StartCheck();
    for (const String& text : {String(), String(u"abc"), String(u"<e>x</e>"), String(u"\u00E9 \r\n")}) {
        EXPECT_EQ(checker->Correct(1, 2, text), text);
        EXPECT_EQ(checker->MarkError(1, 2, text), text);
    }
    checker->StopCheck();
    EXPECT_EQ(owner.ComponentCount(), 1);  // owned and freed by its owner
}

// A descendant overrides the four operations; the grid calls them through the base.
class UpperChecker : public TExtStringGridCheck {
public:
    using TExtStringGridCheck::TExtStringGridCheck;
    String Correct(Integer, Integer, const String& s) override { return s + u"!"; }
    String MarkError(Integer ACol, Integer ARow, const String& s) override
    {
        return u"<e>" + s + u"</e>" + String(1, static_cast<Char>(u'0' + ACol + ARow));
    }
    void StartCheck() override { ++starts; }
    void StopCheck() override { ++stops; }
    int starts = 0, stops = 0;
};

TEST(CellChecker, DescendantsAreCalledThroughTheBase)
{
    UpperChecker derived(nullptr);
    TExtStringGridCheck& base = derived;
    base.StartCheck();
    EXPECT_EQ(base.Correct(0, 0, u"a"), u"a!");
    EXPECT_EQ(base.MarkError(1, 2, u"a"), u"<e>a</e>3");
    base.StopCheck();
    EXPECT_EQ(derived.starts, 1);
    EXPECT_EQ(derived.stops, 1);
}

}  // namespace
}  // namespace gw
