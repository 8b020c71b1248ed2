// The grid's picture container: a cell's <IMG SRC="name"> is drawn from it and measured with it,
// and a container freed before the grid, or after it, leaves nothing pointing at freed memory.
#include "grid/foundation/picture_container.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/recording_canvas.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace gw::test {
namespace {

class ExtStringGridPictureContainer : public ::testing::Test {
protected:
    ExtStringGridPictureContainer()
    {
        TPictureItem* item = container->Items()->Add();
        item->Name = u"pic";
        item->Picture()->LoadFromFile(fixture("single.gif").u16string());  // 10 x 7
        g.SetColCount(3);
        g.SetRowCount(3);
        g.SetCells(1, 1, u"<IMG SRC=\"pic\">");
    }
    // Whether painting the cell drew the container's picture.
    bool DrawsPicture()
    {
        TRecordingCanvas canvas;
        g.PaintCell(canvas, 1, 1, g.CellRect(1, 1), 0);
        return std::any_of(canvas.Calls().begin(), canvas.Calls().end(), [](const TCanvasCall& c) {
            return (c.Name == "Draw" || c.Name == "StretchDraw") && c.Text == u"THTMLPicture";
        });
    }

    THarness h;
    std::unique_ptr<TPictureContainer> container = std::make_unique<TPictureContainer>(nullptr);
    TExtStringGrid g{nullptr};
};

TEST_F(ExtStringGridPictureContainer, ACellsImageComesFromTheContainer)
{
    EXPECT_FALSE(DrawsPicture()) << "no container, no picture";
    const Integer bare = g.GetCellTextSize(1, 1, false, false).cx;
    g.SetPictureContainer(container.get());
    EXPECT_EQ(g.PictureContainer(), container.get());
    EXPECT_TRUE(DrawsPicture());
    EXPECT_EQ(g.GetCellTextSize(1, 1, false, false).cx, bare + 10) << "measured with the picture too";
    g.SetCells(1, 1, u"<IMG SRC=\"other\">");
    EXPECT_FALSE(DrawsPicture()) << "a name the container lacks draws nothing";
}

TEST_F(ExtStringGridPictureContainer, AFreedContainerIsForgotten)
{
    g.SetPictureContainer(container.get());
    container.reset();
    EXPECT_EQ(g.PictureContainer(), nullptr);
    EXPECT_FALSE(DrawsPicture()) << "painting after the container went reads nothing freed";
    // The other way round: a grid freed first leaves the container nothing to notify.
    auto other = std::make_unique<TPictureContainer>(nullptr);
    {
        TExtStringGrid shortLived(nullptr);
        shortLived.SetPictureContainer(other.get());
        shortLived.SetPictureContainer(nullptr);
        shortLived.SetPictureContainer(other.get());
    }
    EXPECT_NO_THROW(other.reset());
}

}  // namespace
}  // namespace gw::test
