// A precise click on a check box hits exactly the pixels the painter drew it in: for every kind,
// horizontal alignment, vertical placement and cell offset, the painted square and IsInCheckBox
// agree at the square's four edges, one pixel inside and one outside.
#include "grid/foundation/cell_properties.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/font.h"
#include "platform/ui/forms.h"

#include <gtest/gtest.h>

#include <string>

namespace gw::test {

namespace {

// Printed in failures.
std::string Show(const TRect& R)
{
    return "(" + std::to_string(R.Left) + "," + std::to_string(R.Top) + "," + std::to_string(R.Right) + "," +
        std::to_string(R.Bottom) + ")";
}

constexpr TColor Ground = clLime;

const char* KindName(TCellType Kind)
{
    switch (Kind) {
    case ctCheckBox: return "check box";
    case ctDataCheckBox: return "data check box";
    case ctTriStateCheckBox: return "tri-state check box";
    case ctRadioButton: return "radio button";
    default: return "other";
    }
}

struct TPlacement {
    TCellType Kind;
    const char16_t* Text;
    TAlignment HA;
    TVAlignment VA;
    TPoint Offset;
    Integer RowHeight;
};

class CheckBoxHit : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(0, 0, 600, 400);
        g = new TExtStringGrid(form);
        g->SetParent(form);
        g->SetBounds(0, 0, 500, 300);
        g->SetColCount(4);
        g->SetRowCount(6);
        g->SetDefaultColWidth(120);
        // The cell's ground and text in one colour: only the glyph shows.
        g->SetColor(Ground);
        g->Font()->SetColor(Ground);
        g->SetOptions(g->Options() & ~(goVertLine | goHorzLine | goFixedVertLine | goFixedHorzLine));
        g->MouseActions()->PreciseCheckBoxCheck = true;
    }
    void TearDown() override { delete form; }

    // The cell painted alone on the ground colour; the smallest rectangle holding every pixel of
    // another colour, empty when nothing shows.
    TRect PaintedBox(Integer ACol, Integer ARow)
    {
        const TRect cell = g->CellRect(ACol, ARow);
        TBitmap bmp;
        bmp.SetSize(cell.Right + 10, cell.Bottom + 10);
        bmp.Canvas()->Brush()->SetColor(Ground);
        bmp.Canvas()->FillRect(Rect(0, 0, bmp.Width(), bmp.Height()));
        g->PaintCell(*bmp.Canvas(), ACol, ARow, cell, 0);
        TRect box{bmp.Width(), bmp.Height(), 0, 0};
        for (Integer y = 0; y < bmp.Height(); ++y)
            for (Integer x = 0; x < bmp.Width(); ++x)
                if (bmp.Canvas()->Pixels(x, y) != Ground) {
                    box.Left = std::min(box.Left, x);
                    box.Top = std::min(box.Top, y);
                    box.Right = std::max(box.Right, x + 1);
                    box.Bottom = std::max(box.Bottom, y + 1);
                }
        return box;
    }

    // A click on each edge of Box, just inside, hits; one pixel further out it misses.
    void ExpectHitsExactly(Integer ACol, Integer ARow, const TRect& Box, const std::string& What)
    {
        const Integer mx = (Box.Left + Box.Right) / 2, my = (Box.Top + Box.Bottom) / 2;
        const struct {
            const char* Edge;
            TPoint Inside, Outside;
        } edges[] = {
            {"left", {Box.Left, my}, {Box.Left - 1, my}},
            {"right", {Box.Right - 1, my}, {Box.Right, my}},
            {"top", {mx, Box.Top}, {mx, Box.Top - 1}},
            {"bottom", {mx, Box.Bottom - 1}, {mx, Box.Bottom}},
        };
        for (const auto& e : edges) {
            EXPECT_TRUE(g->IsInCheckBox(ACol, ARow, e.Inside.X, e.Inside.Y)) << What << ", " << e.Edge << " inside";
            EXPECT_FALSE(g->IsInCheckBox(ACol, ARow, e.Outside.X, e.Outside.Y)) << What << ", " << e.Edge << " outside";
        }
    }

    // Puts a check box of Kind in (2, 3), with Text, aligned by HA and VA; the grid's own
    // vertical alignment is VAlignment.
    void Place(TCellType Kind, const String& Text, TAlignment HA, TVAlignment VA)
    {
        g->RemoveCellGraphic(2, 3);
        g->SetCells(2, 3, Text);
        if (Kind == ctRadioButton)
            g->AddRadioButton(2, 3, false);
        else if (Kind == ctTriStateCheckBox)
            g->AddCheckBox(2, 3, cbUnchecked);
        else
            g->AddCheckBox(2, 3, false, Kind == ctDataCheckBox);
        if (Kind == ctDataCheckBox) g->SetCells(2, 3, u"N");
        g->SetAlignments(2, 3, HA);
        g->GetCellProperties(2, 3)->SetVAlignment(VA);
    }

    // The cell (2, 3) set up as P says and painted: the painted box; a square of Size expected.
    TRect PaintPlacement(const TPlacement& P, Integer Size, const std::string& What)
    {
        g->SetXYOffset(P.Offset);
        g->SetRowHeights(3, P.RowHeight);
        Place(P.Kind, P.Text, P.HA, P.VA);
        const TRect box = PaintedBox(2, 3);
        EXPECT_EQ(box.Right - box.Left, Size) << What << " " << Show(box);
        EXPECT_EQ(box.Bottom - box.Top, Size) << What << " " << Show(box);
        return box;
    }

    THarness h;
    TForm* form = nullptr;
    TExtStringGrid* g = nullptr;
};


std::string Describe(const TPlacement& P)
{
    static const char* const ha[] = {"left", "right", "centre"};
    static const char* const va[] = {"top", "centre", "bottom"};
    return std::string(KindName(P.Kind)) + (P.Text[0] ? " with text, " : ", ") + ha[P.HA] + "/" + va[P.VA] +
        ", offset " + std::to_string(P.Offset.X) + ", row height " + std::to_string(P.RowHeight);
}

const TPlacement placements[] = {
    {ctCheckBox, u"", taLeftJustify, vtaTop, {2, 2}, 24},
    {ctCheckBox, u"Enabled", taLeftJustify, vtaCenter, {2, 2}, 30},
    {ctCheckBox, u"Enabled", taRightJustify, vtaBottom, {2, 2}, 31},
    {ctCheckBox, u"Enabled", taCenter, vtaCenter, {2, 2}, 27},
    {ctCheckBox, u"", taRightJustify, vtaTop, {4, 3}, 24},
    {ctCheckBox, u"", taCenter, vtaBottom, {3, 5}, 33},
    {ctTriStateCheckBox, u"Mixed", taRightJustify, vtaCenter, {2, 2}, 26},
    {ctTriStateCheckBox, u"Mixed", taCenter, vtaTop, {5, 2}, 24},
    {ctDataCheckBox, u"", taLeftJustify, vtaBottom, {2, 2}, 28},
    {ctDataCheckBox, u"", taRightJustify, vtaCenter, {2, 4}, 29},
    {ctDataCheckBox, u"", taCenter, vtaTop, {3, 3}, 22},
};

TEST_F(CheckBoxHit, TheHitSquareIsThePaintedSquareAtEveryEdge)
{
    g->ControlLook()->SetControlStyle(csBevel);  // the glyph that fills its whole square
    for (const TPlacement& p : placements) {
        const std::string what = Describe(p);
        ExpectHitsExactly(2, 3, PaintPlacement(p, g->ControlLook()->CheckSize(), what), what);
    }
}

// A radio button's circle fills the square of the radio size that a click is tested against.
TEST_F(CheckBoxHit, TheRadioButtonsHitSquareIsItsPaintedCircle)
{
    g->ControlLook()->SetControlStyle(csClassic);
    const TPlacement radios[] = {
        {ctRadioButton, u"", taLeftJustify, vtaTop, {2, 2}, 24},
        {ctRadioButton, u"Port", taRightJustify, vtaCenter, {2, 2}, 30},
        {ctRadioButton, u"Port", taCenter, vtaBottom, {3, 4}, 29},
        {ctRadioButton, u"", taRightJustify, vtaBottom, {4, 2}, 26},
    };
    for (const TPlacement& p : radios) {
        const std::string what = Describe(p);
        ExpectHitsExactly(2, 3, PaintPlacement(p, g->ControlLook()->RadioSize(), what), what);
    }
}

// The classic check box is a 13-pixel frame centred in the square a click is tested against: the
// square takes a pixel more on every side, and no more.
TEST_F(CheckBoxHit, TheClassicFrameLiesCentredInTheHitSquare)
{
    g->ControlLook()->SetControlStyle(csClassic);
    for (const TCellType kind : {ctCheckBox, ctDataCheckBox})
        for (const TAlignment ha : {taLeftJustify, taRightJustify, taCenter}) {
            const TPlacement p{kind, u"Text", ha, vtaCenter, {2, 2}, 26};
            const std::string what = Describe(p);
            TRect square = PaintPlacement(p, 13, what);
            InflateRect(square, 1, 1);
            ExpectHitsExactly(2, 3, square, what);
        }
}

}  // namespace
}  // namespace gw::test
