// The quick-config panel's hit test: its items by position, their edges, and the order in which
// overlapping zones are decided; and that a running grid never shows the panel.
#include "grid/model/design_helper_layout.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/ui/forms.h"

#include <gtest/gtest.h>

#include <vector>

namespace gw::test {
namespace {

TEST(DesignHelperLayout, ItemsByPositionAndTheirEdges)
{
    // A 400 x 300 client area; text 13 high: the panel is 70 high from y 230, lines of 15.
    const TRect client = Rect(0, 0, 400, 300);
    TDesignHelperMetrics m;
    m.TextHeight = 13;
    m.AllowEditWidth = 50;
    m.ColumnNumbersWidth = 80;
    m.SetLookWidth = 100;
    struct Case {
        Integer X, Y;
        TDesignHelperItem Expected;
    };
    const std::vector<Case> cases{
        {390, 235, dhClose},         {385, 231, dhClose},     {384, 235, dhNone},      {390, 230, dhNone},
        {390, 246, dhNone},          {260, 250, dhAllowEdit}, {317, 263, dhAllowEdit}, {318, 255, dhNone},
        {250, 255, dhNone},          {260, 249, dhNone},      {260, 264, dhNone},      {300, 270, dhColumnNumbers},
        {347, 278, dhColumnNumbers}, {348, 270, dhNone},      {349, 285, dhSetLook},   {350, 285, dhNone},
        {260, 294, dhNone},          {100, 250, dhNone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.X << "," << c.Y);
        EXPECT_EQ(DesignHelperItemAt(Point(c.X, c.Y), client, m), c.Expected);
    }
}

TEST(DesignHelperLayout, ACaptionBandUnderTheCloseGlyphWins)
{
    // Small text: item 1's band reaches into the close glyph's square, and the later test wins.
    TDesignHelperMetrics m;
    m.TextHeight = 5;
    m.AllowEditWidth = 130;
    const TRect client = Rect(0, 0, 400, 300);
    EXPECT_EQ(DesignHelperItemAt(Point(390, 264), client, m), dhClose);
    EXPECT_EQ(DesignHelperItemAt(Point(390, 275), client, m), dhAllowEdit);
    EXPECT_EQ(DesignHelperItemAt(Point(399, 275), client, m), dhClose);
}

class HelperGrid : public TExtStringGrid {
public:
    using TExtStringGrid::DesignHelperClick;
    using TExtStringGrid::DesignHelperHitTest;
    using TExtStringGrid::PaintDesignHelper;
    using TExtStringGrid::TExtStringGrid;
};

TEST(DesignHelperLayout, ARunningGridAnswersTheHitTestButNeverShowsOrActsOnThePanel)
{
    THarness h;
    auto* form = new TForm(Application);
    auto* g = new HelperGrid(form);
    g->SetParent(form);
    g->SetBounds(0, 0, 300, 200);
    const TRect client = g->ClientRect();
    EXPECT_EQ(g->DesignHelperHitTest(client.Right - 4, client.Bottom - 60), dhClose);
    EXPECT_EQ(g->DesignHelperHitTest(10, 10), dhNone);
    ASSERT_TRUE(g->ShowDesignHelper());
    const TGridOptions options = g->Options();
    for (Integer item : {1, 2, 3, 4}) g->DesignHelperClick(item);
    EXPECT_EQ(g->Options(), options);
    EXPECT_TRUE(g->ShowDesignHelper());
    EXPECT_NO_THROW(g->PaintDesignHelper());
    delete form;
}

}  // namespace
}  // namespace gw::test
