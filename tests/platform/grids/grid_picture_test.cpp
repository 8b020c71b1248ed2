// A picture of the grid for a person to look at: fixed rows and columns with their edges, a
// selection, scroll bars and the editor open on the current cell with a text being typed.
#include "platform/graphics/bitmap.h"
#include "tests/platform/grids/grid_fixture.h"
#include "tests/support/test_support.h"

namespace gw::test {
namespace {

TEST_F(GridTest, PictureOfFixedCellsASelectionAndAnOpenEditor)
{
    grid->SetBounds(10, 10, 460, 250);
    grid->SetColCount(8);
    grid->SetRowCount(40);
    grid->SetFixedRows(2);
    grid->SetColWidths(0, 40);
    grid->SetColWidths(2, 110);
    grid->SetRowHeights(1, 18);
    grid->SetOptions(grid->Options() | goEditing | goColSizing);
    const char16_t* headers[] = {u"Name", u"Address", u"Port", u"Unit", u"Mode", u"Scan", u"Note"};
    for (Integer c = 1; c < 8; ++c) {
        grid->SetCells(c, 0, headers[c - 1]);
        grid->SetCells(c, 1, u"(" + String(headers[c - 1]) + u")");
    }
    for (Integer r = 2; r < 40; ++r) {
        grid->SetCells(0, r, Utf8ToString(std::to_string(r - 1)));
        grid->SetCells(1, r, Utf8ToString("Slave " + std::to_string(r - 1)));
        grid->SetCells(2, r, Utf8ToString("192.168.2." + std::to_string(r + 10)));
        grid->SetCells(3, r, u"44818");
        grid->SetCells(4, r, Utf8ToString(std::to_string(r % 7)));
    }
    grid->MoveColRow(1, 3, true, true);
    h.Press(VK_DOWN, ssShift);
    h.Press(VK_DOWN, ssShift);
    h.Press(VK_RIGHT, ssShift);
    h.Press(VK_F2);
    h.Press(VK_END);
    h.Type(u" (new)");
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 3, 2, 5}));

    const std::filesystem::path file = picturePath("platform_grid_editing.png");
    h.SavePng(form, Utf8ToString(file.string()));
    EXPECT_TRUE(std::filesystem::exists(file));
    // The editor covers its cell, white with the text typed, while the rest of the selection
    // keeps its colour.
    TBitmap b(grid->Width(), grid->Height());
    grid->PaintTo(*b.Canvas(), 0, 0);
    const TRect edited = grid->CellRect(2, 5), other = grid->CellRect(1, 4);
    EXPECT_EQ(b.PixelColor(edited.Left + 1, edited.Bottom - 2), ColorToRGB(clWindow));
    EXPECT_EQ(b.PixelColor(other.Right - 3, other.Top + 3), ColorToRGB(clHighlight));
}

}  // namespace
}  // namespace gw::test
