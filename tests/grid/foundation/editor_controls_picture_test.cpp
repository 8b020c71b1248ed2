// A picture of the small editor controls in their states, for a person to look at:
// build/<build>/pictures/grid_foundation_editor_controls.png.
#include "grid/foundation/date_time_pickers.h"
#include "grid/foundation/esg_combo.h"
#include "grid/foundation/ext_check_box.h"
#include "grid/foundation/grid_button.h"
#include "grid/foundation/spin_edit.h"
#include "grid/foundation/unit_edit_button.h"

#include "../../support/format_settings.h"
#include "../../support/test_support.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/datetime.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace gw::test {
namespace {

template <class T>
T* Place(TForm* Form, Integer X, Integer Y, Integer W, Integer H)
{
    auto* c = new T(Form);
    c->SetParent(Form);
    c->SetBounds(X, Y, W, H);
    return c;
}

TEST(EditorControlsPicture, EveryControlInItsStates)
{
    KeepFormatSettings keep;
    THarness h;
    auto* form = new TForm(Application);
    form->SetBounds(50, 50, 640, 420);
    form->SetColor(clBtnFace);
    // Check boxes: unchecked (focused), checked, grayed, disabled, box at the right.
    const TCheckBoxState states[] = {cbUnchecked, cbChecked, cbGrayed, cbChecked};
    TExtCheckBox* firstBox = nullptr;
    for (Integer i = 0; i < 4; ++i) {
        auto* b = Place<TExtCheckBox>(form, 10, 10 + 24 * i, 120, 20);
        if (!firstBox) firstBox = b;
        b->SetCaption(i == 3 ? u"Disabled" : u"Match &case");
        b->SetState(states[i]);
        b->SetEnabled(i != 3);
    }
    Place<TExtCheckBox>(form, 10, 106, 120, 20)->SetAlignment(taRightJustify);
    // Grid buttons: plain, down in a group, look 2, check style down, disabled, drop-down part.
    for (Integer i = 0; i < 6; ++i) {
        auto* b = Place<TExtGridButton>(form, 150 + 50 * (i % 3), 10 + 30 * (i / 3), 45, 23);
        b->SetCaption(u"Btn");
        if (i == 1) {
            b->SetGroupIndex(1);
            b->SetDown(true);
        }
        if (i == 2) b->SetLook(2);
        if (i == 3) {
            b->SetStyle(tasCheck);
            b->SetDown(true);
        }
        if (i == 4) b->SetEnabled(false);
        if (i == 5) b->SetDropDownButton(true);
    }
    // Spin edits of the four kinds, a horizontal pair and coloured arrows.
    const TEsgSpinType kinds[] = {sptNormal, sptFloat, sptDate, sptTime};
    for (Integer i = 0; i < 4; ++i) {
        auto* s = Place<TEsgSpinEdit>(form, 320 + 150 * (i % 2), 10 + 30 * (i / 2), 140, 24);
        s->SetSpinType(kinds[i]);
        if (kinds[i] == sptDate) s->SetDateValue(EncodeDate(2024, 3, 14));
        if (kinds[i] == sptTime) s->SetTimeValue(EncodeTime(9, 5, 0, 0));
        if (kinds[i] == sptFloat) s->SetFloatValue(2.5);
    }
    Place<TEsgSpinEdit>(form, 320, 70, 140, 24)->SetDirection(spHorizontal);
    auto* coloured = Place<TEsgSpinEdit>(form, 470, 70, 140, 24);
    coloured->Button()->ButtonColor = TColor(0xF0D0B0);
    // Edits with a button, and a unit edit.
    auto* editBtn = Place<TEsgEditBtn>(form, 150, 80, 140, 24);
    editBtn->SetButtonCaption(u"...");
    auto* unit = Place<TEsgUnitEditBtn>(form, 150, 110, 140, 24);
    unit->Units()->Add(u"mm");
    unit->SetTextAndUnit(u"12mm");
    // Combo boxes: the platform's look, flat, bordered, coloured button, with a label.
    for (Integer i = 0; i < 4; ++i) {
        auto* c = Place<TEsgComboBox>(form, 100 + 130 * i, 160, 120, 21);
        c->Items()->Add(u"Item");
        c->SetItemIndex(0);
        if (i == 1) c->SetFlat(true);
        if (i == 2) c->SetBorderColor(TColor(0xC08040));
        if (i == 3) {
            c->ButtonColor = TColor(0xF0D0B0);
            c->ButtonTextColor = clBlack;
            c->ButtonBorderColor = TColor(0xC08040);
        }
    }
    Place<TEsgComboBox>(form, 100, 200, 120, 21)->SetLabelCaption(u"Label");
    // Pickers: the grid's date picker, flat and metro, and the date-and-time picker.
    auto* esg = Place<TEsgDateTimePicker>(form, 10, 250, 180, 24);
    esg->SetDateTime(EncodeDate(2024, 3, 14));
    auto* flat = Place<TEsgDateTimePicker>(form, 200, 250, 180, 24);
    flat->SetDateTime(EncodeDate(2024, 3, 14));
    flat->SetCtl3D(false);
    flat->SetBorderColor(TColor(0xC08040));
    auto* ext = Place<TExtDateTimePicker>(form, 10, 290, 260, 24);
    ext->SetDateTime(EncodeDate(2024, 3, 14) + EncodeTime(18, 0, 0, 0));
    ext->SetLabelCaption(u"When");
    ext->SetLabelPosition(lpTopLeft);
    // Further states, bottom rows: a focused box, a hot button, a rounded look with a glyph, disabled
    // editors, a metro picker with its own button colours and an unchecked date picker.
    auto* hot = Place<TExtGridButton>(form, 10, 350, 45, 23);
    hot->SetCaption(u"Hot");
    auto* rounded = Place<TExtGridButton>(form, 60, 350, 60, 23);
    rounded->SetLook(0);
    rounded->SetCaption(u"Go");
    TBitmap glyph(10, 10);
    glyph.Canvas()->Brush()->SetColor(clWhite);
    glyph.Canvas()->FillRect(Rect(0, 0, 10, 10));
    glyph.Canvas()->Brush()->SetColor(TColor(0x2080E0));
    glyph.Canvas()->Ellipse(Rect(1, 1, 9, 9));
    rounded->SetGlyph(&glyph);
    auto* disabledSpin = Place<TEsgSpinEdit>(form, 320, 100, 140, 24);
    disabledSpin->SetValue(42);
    disabledSpin->SetEnabled(false);
    auto* colouredBtn = Place<TEsgEditBtn>(form, 470, 100, 140, 24);
    colouredBtn->ButtonHost()->ButtonColor = TColor(0xF0D0B0);
    colouredBtn->SetButtonCaption(u"...");
    auto* disabledCombo = Place<TEsgComboBox>(form, 230, 200, 120, 21);
    disabledCombo->Items()->Add(u"Disabled");
    disabledCombo->SetItemIndex(0);
    disabledCombo->SetFlat(true);
    disabledCombo->SetEnabled(false);
    auto* metro = Place<TEsgDateTimePicker>(form, 390, 250, 180, 24);
    metro->SetDateTime(EncodeDate(2024, 3, 14));
    metro->SetMetroStyle(true);
    metro->SetBorderColor(TColor(0xC08040));
    metro->ButtonColor = TColor(0xF0D0B0);
    metro->ButtonBorderColor = TColor(0xC08040);
    metro->ButtonTextColor = clBlack;
    auto* unchecked = Place<TExtDateTimePicker>(form, 390, 290, 220, 24);
    unchecked->SetShowCheckbox(true);
    unchecked->SetDateTime(EncodeDate(2024, 3, 14) + EncodeTime(7, 30, 0, 0));
    unchecked->SetChecked(false);
    form->Show();
    h.ProcessMessages();
    firstBox->SetFocus();
    h.MoveTo(hot, {10, 10});
    h.ProcessMessages();
    const auto path = picturePath("grid_foundation_editor_controls.png");
    h.SavePng(form, String(path.u16string()));
    EXPECT_TRUE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace gw::test
