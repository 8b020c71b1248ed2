// Images: placement of the picture (stretch, proportional, centre), auto-size and clicks.
#include "platform/controls/image.h"
#include "platform/controls/panel.h"
#include "platform/graphics/bitmap.h"
#include "std_controls_harness.h"

namespace gw::test {
namespace {

class ImageTest : public StdControlsTest {};

TEST_F(ImageTest, DestRectFollowsTheOptions)
{
    auto* img = new TImage(form);
    img->SetParent(form);
    img->SetBounds(0, 0, 100, 50);
    TBitmap pic(40, 20);
    img->Picture()->SetGraphic(&pic);
    struct Case {
        bool stretch, proportional, center;
        TRect expected;
    };
    const Case cases[] = {
        {false, false, false, Rect(0, 0, 40, 20)}, {false, false, true, Rect(30, 15, 70, 35)},
        {true, false, false, Rect(0, 0, 100, 50)}, {true, true, false, Rect(0, 0, 100, 50)},  // same ratio: fills
        {false, true, false, Rect(0, 0, 40, 20)},  // proportional alone never enlarges
    };
    for (const Case& c : cases) {
        img->SetStretch(c.stretch);
        img->SetProportional(c.proportional);
        img->SetCenter(c.center);
        EXPECT_EQ(img->DestRect(), c.expected) << c.stretch << c.proportional << c.center;
    }
    // A tall picture keeps its ratio and is centred across.
    TBitmap tall(20, 100);
    img->Picture()->SetGraphic(&tall);
    img->SetStretch(true);
    img->SetProportional(true);
    img->SetCenter(true);
    EXPECT_EQ(img->DestRect(), Rect(45, 0, 55, 50));
}

TEST_F(ImageTest, AutoSizeAndClick)
{
    auto* img = new TImage(form);
    img->SetParent(form);
    img->SetAutoSize(true);
    TBitmap flag(48, 48);
    img->Picture()->SetGraphic(&flag);
    EXPECT_EQ(img->Width(), 48);
    EXPECT_EQ(img->Height(), 48);
    int clicks = 0;
    img->OnClick = [&](TObject*) { ++clicks; };
    ShowForm();
    ClickCentre(img);
    EXPECT_EQ(clicks, 1);
    // An empty picture paints nothing and does not fail.
    img->Picture()->SetGraphic(nullptr);
    form->Repaint();
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

TEST_F(ImageTest, TransparentPictureLetsTheParentShow)
{
    auto* p = new TPanel(form);
    p->SetParent(form);
    p->SetBounds(0, 0, 60, 60);
    p->SetBevelOuter(bvNone);
    p->SetColor(clWhite);
    auto* img = new TImage(form);
    img->SetParent(p);
    img->SetBounds(10, 10, 20, 20);
    TBitmap pic(20, 20);
    pic.Canvas()->Brush()->SetColor(clFuchsia);  // the bottom-left pixel's colour is the see-through one
    pic.Canvas()->FillRect(Rect(0, 0, 20, 20));
    pic.Canvas()->Brush()->SetColor(clGreen);
    pic.Canvas()->FillRect(Rect(5, 5, 15, 15));
    img->Picture()->SetGraphic(&pic);
    ShowForm();
    EXPECT_EQ(PixelAt(p, 11, 11), clFuchsia);
    img->SetTransparent(true);
    EXPECT_EQ(PixelAt(p, 11, 11), clWhite);
    EXPECT_EQ(PixelAt(p, 20, 20), clGreen);
}

}  // namespace
}  // namespace gw::test
