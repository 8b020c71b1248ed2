// Tests of painting a windowed control's graphic children from outside the control.
#include "grid/foundation/paint_controls.h"

#include "painting_fixture.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/controls/edit.h"
#include "platform/controls/shape.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

TEST(PaintCtrls, GraphicChildrenAtTheirPlacesWindowedOnesLeftOut)
{
    THeadlessBackend backend;
    InitializeUI();
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetBounds(0, 0, 200, 100);
    auto* shape = new TShape(form);
    shape->SetParent(form);
    shape->SetBounds(5, 6, 20, 10);
    shape->Brush()->SetColor(clRed);
    shape->Pen()->SetColor(clRed);
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(40, 6, 60, 20);
    form->Show();
    Application->ProcessMessages();

    TBitmap b(200, 100);
    Clear(b);
    TWinCtrl::PaintCtrls(*form, *b.Canvas());
    EXPECT_EQ(b.PixelColor(5, 6), clRed);
    EXPECT_EQ(b.PixelColor(24, 15), clRed);
    EXPECT_EQ(b.PixelColor(25, 6), clWhite);
    EXPECT_EQ(b.PixelColor(50, 10), clWhite);  // the edit paints its own window
    FinalizeUI();
}

}  // namespace
}  // namespace gw::test
