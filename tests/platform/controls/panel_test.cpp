// Panels, group boxes and radio groups: client areas, aligned children, the radio choice.
#include "platform/controls/panel.h"
#include "platform/graphics/bitmap.h"
#include "std_controls_harness.h"

namespace gw::test {
namespace {

class PanelTest : public StdControlsTest {};

TEST_F(PanelTest, AlignedChildrenFillTheAreaInsideBevelsAndBorder)
{
    struct Case {
        TPanelBevel outer, inner;
        Integer bevelWidth, borderWidth;
        TBorderStyle border;
        Integer inset;
    };
    const Case cases[] = {
        {bvNone, bvNone, 1, 0, bsNone, 0},      {bvRaised, bvNone, 1, 0, bsNone, 1},
        {bvRaised, bvLowered, 2, 0, bsNone, 4}, {bvLowered, bvNone, 1, 3, bsNone, 4},
        {bvNone, bvNone, 1, 0, bsSingle, 1},
    };
    for (const Case& c : cases) {
        auto* p = new TPanel(form);
        p->SetParent(form);
        p->SetBounds(0, 0, 200, 120);
        p->SetBevelOuter(c.outer);
        p->SetBevelInner(c.inner);
        p->SetBevelWidth(c.bevelWidth);
        p->SetBorderWidth(c.borderWidth);
        p->SetBorderStyle(c.border);
        auto* top = new TPanel(form);
        top->SetParent(p);
        top->SetHeight(30);
        top->SetAlign(alTop);
        auto* bottom = new TPanel(form);
        bottom->SetParent(p);
        bottom->SetHeight(20);
        bottom->SetAlign(alBottom);
        auto* client = new TPanel(form);
        client->SetParent(p);
        client->SetAlign(alClient);
        Integer i = c.inset;
        EXPECT_EQ(top->BoundsRect(), Rect(i, i, 200 - i, i + 30)) << "inset " << i;
        EXPECT_EQ(bottom->BoundsRect(), Rect(i, 120 - i - 20, 200 - i, 120 - i));
        EXPECT_EQ(client->BoundsRect(), Rect(i, i + 30, 200 - i, 120 - i - 20));
        // Changing the frame realigns at once.
        p->SetBorderWidth(c.borderWidth + 2);
        EXPECT_EQ(top->Left(), i + 2);
        p->SetParent(nullptr);
        delete p;
    }
}

TEST_F(PanelTest, TitleAndButtonPanelsAroundAClientArea)
{
    // The layout of the configurator's dialogs: P_Title on top, P_Button at the bottom.
    form->SetClientWidth(331);
    form->SetClientHeight(162);
    auto* title = new TPanel(form);
    title->SetParent(form);
    title->SetHeight(57);
    title->SetAlign(alTop);
    auto* buttons = new TPanel(form);
    buttons->SetParent(form);
    buttons->SetHeight(41);
    buttons->SetAlign(alBottom);
    ShowForm();
    EXPECT_EQ(title->BoundsRect(), Rect(0, 0, 331, 57));
    EXPECT_EQ(buttons->BoundsRect(), Rect(0, 162 - 41, 331, 162));
    form->SetClientHeight(200);
    EXPECT_EQ(buttons->Top(), 200 - 41);
    title->SetVisible(false);
    form->SetClientHeight(201);
    EXPECT_EQ(buttons->Top(), 201 - 41);
}

TEST_F(PanelTest, GroupBoxClientAreaIsBelowTheCaption)
{
    auto* g = new TGroupBox(form);
    g->SetParent(form);
    g->SetBounds(10, 10, 200, 100);
    g->SetCaption(u"Options");
    auto* inner = new TPanel(form);
    inner->SetParent(g);
    inner->SetAlign(alClient);
    EXPECT_GT(inner->Top(), 8);
    EXPECT_EQ(inner->Left(), 2);
    EXPECT_EQ(inner->Left() + inner->Width(), 198);
    EXPECT_EQ(inner->Top() + inner->Height(), 98);
}

TEST_F(PanelTest, GroupBoxAcceleratorFocusesFirstControlInside)
{
    auto* other = new TCheckBox(form);
    other->SetParent(form);
    auto* g = new TGroupBox(form);
    g->SetParent(form);
    g->SetBounds(10, 40, 200, 100);
    g->SetCaption(u"&Update");
    auto* box = new TCheckBox(form);
    box->SetParent(g);
    box->SetBounds(10, 20, 100, 17);
    ShowForm();
    other->SetFocus();
    Key(Word('U'), {VK_MENU});
    EXPECT_TRUE(box->Focused());
}

TEST_F(PanelTest, RadioGroupChoiceAndClicks)
{
    auto* rg = new TRadioGroup(form);
    rg->SetParent(form);
    rg->SetBounds(10, 10, 200, 100);
    rg->Items()->Add(u"RS232");
    rg->Items()->Add(u"RS485");
    rg->Items()->Add(u"USB");
    int clicks = 0;
    rg->OnClick = [&](TObject*) { ++clicks; };
    ASSERT_EQ(rg->ButtonCount(), 3);
    EXPECT_EQ(rg->ItemIndex(), -1);
    EXPECT_EQ(rg->Buttons(1)->Caption(), u"RS485");
    // Buttons stack in one column inside the frame, top to bottom.
    EXPECT_LT(rg->Buttons(0)->Top(), rg->Buttons(1)->Top());
    EXPECT_EQ(rg->Buttons(0)->Left(), rg->Buttons(2)->Left());

    rg->SetItemIndex(1);
    EXPECT_TRUE(rg->Buttons(1)->Checked());
    EXPECT_EQ(clicks, 1);
    ShowForm();
    ClickCentre(rg->Buttons(2));
    EXPECT_EQ(rg->ItemIndex(), 2);
    EXPECT_FALSE(rg->Buttons(1)->Checked());
    EXPECT_EQ(clicks, 2);
    ClickCentre(rg->Buttons(2));  // already chosen: no change, no click
    EXPECT_EQ(clicks, 2);

    // Out of range is clamped; two columns put the third item beside the first.
    rg->SetItemIndex(7);
    EXPECT_EQ(rg->ItemIndex(), 2);
    rg->SetColumns(2);
    EXPECT_EQ(rg->Buttons(2)->Top(), rg->Buttons(0)->Top());
    EXPECT_GT(rg->Buttons(2)->Left(), rg->Buttons(0)->Left());
    // Fewer items, fewer buttons; the choice beyond them is gone.
    rg->Items()->Delete(2);
    EXPECT_EQ(rg->ButtonCount(), 2);
    EXPECT_EQ(rg->ItemIndex(), -1);
}

TEST_F(PanelTest, TheCaptionFollowsTheAlignment)
{
    auto* p = new TPanel(form);
    p->SetParent(form);
    p->SetBounds(0, 0, 200, 40);
    p->SetBevelOuter(bvNone);
    p->SetColor(clWhite);
    p->Font()->SetColor(clBlack);
    p->SetCaption(u"Modbus");
    ShowForm();
    // The first and last columns with ink.
    auto ink = [&] {
        TBitmap b(p->Width(), p->Height());
        p->PaintTo(*b.Canvas(), 0, 0);
        Integer first = -1, last = -1;
        for (Integer x = 0; x < p->Width(); ++x)
            for (Integer y = 0; y < p->Height(); ++y)
                if (b.PixelColor(x, y) == clBlack) {
                    if (first < 0) first = x;
                    last = x;
                    break;
                }
        return std::pair{first, last};
    };
    p->SetAlignment(taLeftJustify);
    auto left = ink();
    p->SetAlignment(taCenter);
    auto centre = ink();
    p->SetAlignment(taRightJustify);
    auto right = ink();
    ASSERT_GE(left.first, 0);
    EXPECT_LT(left.first, 10);
    EXPECT_NEAR((centre.first + centre.second) / 2, 100, 3);
    EXPECT_GT(right.second, 189);
    EXPECT_EQ(right.second - right.first, left.second - left.first) << "the same text, moved";
    p->SetShowCaption(false);
    EXPECT_EQ(ink().first, -1);
}

}  // namespace
}  // namespace gw::test
