// The string grid's display setters that copy into the grid's own objects, and its one selection
// listener.
#include "grid/model/ext_string_grid.h"
#include "grid/model/progress_appearance.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

class CountingGrid : public TExtStringGrid {
public:
    CountingGrid() : TExtStringGrid(nullptr) {}
    void Invalidate() override
    {
        ++Invalidates;
        TExtStringGrid::Invalidate();
    }
    int Invalidates = 0;
};

struct Listener : ITExtStringGridSelect {
    void SelectionChanged(Integer, Integer) override {}
};

class ExtStringGridDisplay : public ::testing::Test {
protected:
    THarness h;
    CountingGrid g;
};

TEST_F(ExtStringGridDisplay, TheRowIndicatorAndProgressAppearanceAreCopiedIn)
{
    TBitmap picture;
    picture.SetSize(12, 9);
    g.SetRowIndicator(&picture);
    ASSERT_NE(g.RowIndicator(), &picture);
    EXPECT_EQ(g.RowIndicator()->Width(), 12);
    EXPECT_EQ(g.RowIndicator()->Height(), 9);

    TGridProgressAppearance appearance;
    appearance.SetCompleteColor(TColor(0x123456));
    const int before = g.Invalidates;
    g.SetProgressAppearance(&appearance);
    ASSERT_NE(g.ProgressAppearance(), &appearance);
    EXPECT_EQ(g.ProgressAppearance()->CompleteColor(), TColor(0x123456));
    EXPECT_GT(g.Invalidates, before) << "the copied appearance repaints the grid";
}

TEST_F(ExtStringGridDisplay, OneSelectionListenerAtATime)
{
    Listener first, second;
    g.RegisterSelListener(&first);
    g.RegisterSelListener(&second);
    EXPECT_EQ(g.SelListener(), &second) << "the last one replaces the first";
    g.UnRegisterSelListener(&first);
    EXPECT_EQ(g.SelListener(), nullptr) << "unregistering clears whatever is registered";
}

}  // namespace
}  // namespace gw::test
