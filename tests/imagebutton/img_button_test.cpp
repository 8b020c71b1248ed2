// TImgButton on forms: presets, glyphs, mouse, keys, dialog keys, hot tracking and its fade.
#include "imagebutton/img_button.h"
#include "platform/backends/headless/harness.h"
#include "platform/controls/actions.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/menus.h"
#include "tests/support/test_support.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace gw {
namespace {

using Events = std::vector<std::string>;

// A focusable control that does not want Enter or Escape, as a text edit of a dialog.
class TFakeEdit : public TCustomControl {
public:
    TFakeEdit(TComponent* AOwner, TWinControl* AParent, TRect Bounds) : TCustomControl(AOwner)
    {
        SetTabStop(true);
        SetBoundsRect(Bounds);
        SetParent(AParent);
    }
    String ClassName() const override { return u"TEdit"; }
};

// A radio button: a button, but not a push button.
class TFakeRadio : public TFakeEdit {
public:
    using TFakeEdit::TFakeEdit;
    String ClassName() const override { return u"TRadioButton"; }
};

class ImgButtonTest : public ::testing::Test {
protected:
    TForm* NewForm(TRect Bounds = Rect(100, 100, 500, 300))
    {
        auto* f = new TForm(Application);
        f->SetBoundsRect(Bounds);
        return f;
    }
    TImgButton* NewButton(TForm* Form, const std::string& Name, TRect Bounds)
    {
        auto* b = new TImgButton(Form);
        b->SetBoundsRect(Bounds);
        b->SetCaption(Utf8ToString(Name));
        b->SetParent(Form);
        b->OnClick = [this, Name](TObject*) { h.Log.Add(Name + " click"); };
        return b;
    }

    THarness h;
};

// --- construction and presets --------------------------------------------------------------------

TEST_F(ImgButtonTest, ConstructionDefaults)
{
    TForm* form = NewForm();
    form->Font()->SetName(u"Verdana");
    TImgButton b(form);
    EXPECT_EQ(b.Width(), 100);
    EXPECT_EQ(b.Height(), 23);
    EXPECT_EQ(b.Color(), clBtnFace);
    EXPECT_FALSE(b.ParentColor());
    EXPECT_TRUE(b.TabStop());
    EXPECT_EQ(b.ControlStyle, Cardinal(csCaptureMouse | csSetCaption));
    EXPECT_EQ(b.LightColor(), clWhite);
    EXPECT_EQ(b.ShadowColor(), clGray);
    EXPECT_EQ(b.ColorWhenDown, clNone);
    EXPECT_EQ(b.HotTrackColor, clNone);
    EXPECT_EQ(b.NumGlyphs(), 0);
    EXPECT_EQ(b.Style(), bsNormal);
    EXPECT_EQ(b.Kind(), bkCustom);
    EXPECT_EQ(b.Layout(), blGlyphLeft);
    EXPECT_EQ(b.Alignment(), taCenter);
    EXPECT_EQ(b.ModalResult(), mrNone);
    EXPECT_EQ(b.HotTrackFont()->Name(), u"Verdana");
    EXPECT_TRUE(b.Glyph()->Empty());
}

struct KindCase {
    TImgButtonKind Kind;
    TModalResult Result;
    String Caption;
    Integer GlyphHeight;
};

TEST_F(ImgButtonTest, KindPresets)
{
    const KindCase cases[] = {
        {bkOK, 1, u"OK", 18},           {bkCancel, 2, u"Abbrechen", 18},  {bkHelp, 0, u"Hilfe", 18},
        {bkYes, 6, u"Ja", 18},          {bkNo, 7, u"Nein", 18},           {bkClose, 0, u"Schlie\u00DFen", 18},
        {bkAbort, 3, u"Abbrechen", 18}, {bkRetry, 4, u"Wiederholen", 18}, {bkIgnore, 5, u"Ignorieren", 18},
        {bkAll, 12, u"Alle", 19},
    };
    TForm* form = NewForm();
    for (const KindCase& k : cases) {
        TImgButton b(form);
        b.SetKind(k.Kind);
        EXPECT_EQ(b.Kind(), k.Kind);
        EXPECT_EQ(b.ModalResult(), k.Result) << k.Kind;
        EXPECT_EQ(b.Caption(), k.Caption) << k.Kind;
        EXPECT_EQ(b.NumGlyphs(), 2);
        EXPECT_EQ(b.Glyph()->Width(), 36) << k.Kind;
        EXPECT_EQ(b.Glyph()->Height(), k.GlyphHeight) << k.Kind;
        // The two images differ (normal and greyed) and share the transparent ground colour.
        EXPECT_EQ(b.Glyph()->PixelColor(0, k.GlyphHeight - 1), b.Glyph()->PixelColor(18, k.GlyphHeight - 1));
        b.SetModalResult(mrOk);
        EXPECT_EQ(b.Kind(), bkCustom) << "a modal result of its own makes the kind custom";
    }
}

TEST_F(ImgButtonTest, CustomKindChangesNothingElse)
{
    TForm* form = NewForm();
    TImgButton b(form);
    b.SetKind(bkYes);
    b.SetKind(bkCustom);
    EXPECT_EQ(b.Kind(), bkCustom);
    EXPECT_EQ(b.ModalResult(), mrYes);
    EXPECT_EQ(b.Caption(), u"Ja");
    EXPECT_EQ(b.NumGlyphs(), 2);
}

struct StyleCase {
    TImgColorStyle Preset;
    TColor Face, Light, Shadow, WhenDown, Hot, Font;
    bool Flat;
    TImgButtonStyle Style;
};

TEST_F(ImgButtonTest, ColorStylePresetsApplyAndReadBackAsCustom)
{
    const StyleCase cases[] = {
        {lcsGold, 0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, clBlack, false, bsModern},
        {lcsChrome, 0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, clBlack, false, bsModern},
        {lcsBlue, 0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, clBlack, false, bsModern},
        {lcsRed, 0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, clBlack, false, bsModern},
        {lcsUltraFlat1, clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, clBlack, true, bsNormal},
        {lcsUltraFlat2, clBtnFace, 0x000000, 0x000000, 0x24DABC, 0x8CF6E4, clBlack, true, bsNormal},
        {lcsUltraFlatXP, 0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, clBlack, true, bsNormal},
        {lcsAqua, 0xECCE94, 0xFCE6D4, 0x000000, clNone, clNone, clBlack, false, bsModern},
        {lcsDefault, clBtnFace, 0xFFFFFF, 0x808080, clNone, clNone, clBlack, false, bsNormal},
        {lcsQuicken, 0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, clWhite, false, bsQuicken},
    };
    TForm* form = NewForm();
    for (const StyleCase& k : cases) {
        TImgButton b(form);
        b.SetStyle(bsEncarta);
        b.SetFlat(!k.Flat);
        b.Font()->SetColor(clRed);
        b.SetColorStyle(k.Preset);
        EXPECT_EQ(b.Color(), k.Face) << k.Preset;
        EXPECT_EQ(b.LightColor(), k.Light) << k.Preset;
        EXPECT_EQ(b.ShadowColor(), k.Shadow) << k.Preset;
        EXPECT_EQ(b.ColorWhenDown, k.WhenDown) << k.Preset;
        EXPECT_EQ(b.HotTrackColor, k.Hot) << k.Preset;
        EXPECT_EQ(b.Font()->Color(), k.Font) << k.Preset;
        EXPECT_EQ(b.Flat(), k.Flat) << k.Preset;
        EXPECT_EQ(b.Style(), k.Style) << k.Preset;
        EXPECT_EQ(b.ColorStyle(), lcsCustom);
    }
    TImgButton b(form);
    b.SetStyle(bsOld);
    b.SetColorStyle(lcsCustom);
    EXPECT_EQ(b.Style(), bsOld);
    EXPECT_EQ(b.Color(), clBtnFace);
}

TEST_F(ImgButtonTest, GlyphCounts)
{
    struct Case {
        Integer W, H, Expected;
    };
    const Case cases[] = {{40, 20, 2}, {18, 18, 1}, {64, 16, 4}, {50, 20, 2}, {10, 20, 0}, {40, 0, 0}};
    TForm* form = NewForm();
    for (const Case& k : cases) {
        TImgButton b(form);
        b.SetKind(bkOK);
        TBitmap glyph(k.W, k.H);
        b.SetGlyph(&glyph);
        EXPECT_EQ(b.NumGlyphs(), k.Expected) << k.W << "x" << k.H;
        EXPECT_EQ(b.Kind(), bkCustom);
        EXPECT_EQ(b.Glyph()->Width(), k.W);
    }
    TImgButton b(form);
    TBitmap glyph(40, 20);
    b.SetGlyph(&glyph);
    b.SetGlyph(nullptr);
    EXPECT_EQ(b.NumGlyphs(), 0);
    EXPECT_EQ(b.Glyph()->Height(), 0);
}

TEST_F(ImgButtonTest, StyleSetsTheTransparentExtendedStyle)
{
    TForm* form = NewForm();
    TImgButton* b = NewButton(form, "b", Rect(10, 10, 110, 33));
    form->Show();
    for (TImgButtonStyle s : {bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken}) {
        b->SetStyle(s);
        bool transparent = s == bsModern || s == bsShape || s == bsQuicken;
        EXPECT_EQ(GetWindowExStyle(b->Handle()), transparent ? Cardinal(WS_EX_TRANSPARENT) : 0u) << s;
    }
}

TEST_F(ImgButtonTest, ImageListGlyphOnMagenta)
{
    TForm* form = NewForm();
    TImgButton b(form);
    TImageList list;
    list.SetWidth(8);
    list.SetHeight(8);
    TBitmap image(8, 8);
    image.Canvas()->Brush()->SetColor(clLime);
    image.Canvas()->FillRect(Rect(0, 0, 8, 8));
    image.Canvas()->SetPixel(0, 7, clWhite);
    list.AddMasked(&image, clWhite);
    b.LoadGlyphFromImageList(&list, 0);
    EXPECT_EQ(b.NumGlyphs(), 1);
    EXPECT_EQ(b.Glyph()->Width(), 8);
    EXPECT_EQ(b.Glyph()->PixelColor(3, 3), clLime);
    EXPECT_EQ(b.Glyph()->PixelColor(0, 7), clFuchsia);
    b.LoadGlyphFromImageList(&list, 1);  // outside the list: nothing changes
    EXPECT_EQ(b.Glyph()->PixelColor(3, 3), clLime);
}

// An assigned action gives the caption, runs on a click after the button's own OnClick, and
// lends a glyph-less button its picture from the action list; a button with a glyph keeps it.
TEST_F(ImgButtonTest, ActionGivesCaptionPictureAndClick)
{
    TForm* form = NewForm();
    TImgButton* go = NewButton(form, "go", Rect(10, 10, 110, 33));
    TImgButton* kept = NewButton(form, "kept", Rect(10, 40, 110, 63));
    kept->SetKind(bkOK);
    TImageList images;
    images.SetWidth(8);
    images.SetHeight(8);
    TBitmap picture(8, 8);
    for (TColor colour : {clRed, clBlue}) {
        picture.Canvas()->Brush()->SetColor(colour);
        picture.Canvas()->FillRect(Rect(0, 0, 8, 8));
        images.Add(&picture, nullptr);
    }
    TActionList list(form);
    list.Images = &images;
    auto* action = new TAction(form);
    action->SetActionList(&list);
    action->SetCaption(u"Go");
    action->SetImageIndex(1);
    int executed = 0;
    action->OnExecute = [&](TObject*) { ++executed; };

    go->SetAction(action);
    kept->SetAction(action);
    EXPECT_EQ(go->Caption(), u"Go");
    EXPECT_EQ(go->NumGlyphs(), 1);
    EXPECT_EQ(go->Glyph()->PixelColor(4, 4), clBlue);
    EXPECT_EQ(kept->NumGlyphs(), 2) << "a button with a glyph keeps its own";

    form->Show();
    h.Click(go);
    EXPECT_EQ(h.Log.Take(), (Events{"go click"}));
    EXPECT_EQ(executed, 1);

    delete action;
    EXPECT_EQ(go->Action(), nullptr);
    h.Click(go);
    EXPECT_EQ(executed, 1);
}

// --- clicking ------------------------------------------------------------------------------------

// The button's events are the base control's: a handler given through a TControl runs once a
// click, and only by the button's rule (visible, enabled, pressed).
TEST_F(ImgButtonTest, HandlersGivenThroughTheBaseControlRunOnceByTheButtonsRules)
{
    TForm* form = NewForm();
    TImgButton* b = NewButton(form, "b", Rect(10, 10, 110, 33));
    b->SetModalResult(mrOk);
    TControl* control = b;
    control->OnClick = [&](TObject* Sender) {
        EXPECT_EQ(Sender, b);
        EXPECT_EQ(form->ModalResult, mrNone) << "OnClick runs before the modal result is set";
        h.Log.Add("click");
    };
    control->OnMouseEnter = [this](TObject*) { h.Log.Add("enter"); };
    form->Show();
    h.MoveTo(form, {300, 150});
    h.Log.Clear();

    h.MoveTo(b);
    h.Click(b);
    EXPECT_EQ(h.Log.Take(), (Events{"enter", "click"}));
    EXPECT_EQ(form->ModalResult, mrOk);

    form->ModalResult = mrNone;
    b->SetVisible(false);
    b->Click();
    EXPECT_EQ(h.Log.Take(), Events{}) << "an invisible button's click action does nothing";
    b->SetVisible(true);
    b->SetEnabled(false);
    h.MoveTo(form, {300, 150});
    h.MoveTo(b);
    EXPECT_EQ(h.Log.Take(), Events{}) << "a disabled button is not entered";
}

TEST_F(ImgButtonTest, MouseClickRunsOnClickAndSetsTheModalResult)
{
    TForm* form = NewForm();
    TImgButton* ok = NewButton(form, "ok", Rect(10, 10, 110, 33));
    ok->SetModalResult(mrOk);
    form->Show();
    h.Click(ok);
    EXPECT_EQ(h.Log.Take(), (Events{"ok click"}));
    EXPECT_EQ(form->ModalResult, mrOk);
    EXPECT_FALSE(ok->IsDown());
    EXPECT_TRUE(ok->Focused());
    h.DoubleClick(ok);
    EXPECT_EQ(h.Log.Take(), (Events{"ok click", "ok click"})) << "each press of a double click clicks";
}

// A pop-up menu that records where it was asked to show instead of showing.
class TRecordingMenu : public TPopupMenu {
public:
    using TPopupMenu::TPopupMenu;
    void Popup(Integer X, Integer Y) override { Shown.push_back({X, Y}); }
    std::vector<TPoint> Shown;
};

TEST_F(ImgButtonTest, ClickDropsThePopupMenuFromTheBottomLeftCornerAndShowsTheArrow)
{
    TForm* form = NewForm();
    TImgButton* b = NewButton(form, "b", Rect(10, 10, 110, 33));
    auto* menu = new TRecordingMenu(form);
    form->Show();
    auto arrowPixel = [&] {
        TBitmap bmp(100, 23);
        b->PaintTo(*bmp.Canvas(), 0, 0);
        return bmp.PixelColor(89, 10);  // the arrow's top-left pixel at (W - 11, H div 2 - 1)
    };
    EXPECT_NE(arrowPixel(), clBlack);
    b->SetPopupMenu(menu);
    EXPECT_EQ(arrowPixel(), clBlack);
    h.Click(b);
    EXPECT_EQ(h.Log.Take(), (Events{"b click"}));
    ASSERT_EQ(menu->Shown.size(), 1u);
    EXPECT_EQ(menu->Shown[0], b->ClientToScreen(Point(0, 23)));
    EXPECT_GT(menu->Shown[0].Y, 100 + 10 + 23 - 1) << "a screen position, not a client one";
    b->SetEnabled(false);
    b->Click();
    EXPECT_EQ(menu->Shown.size(), 1u) << "a disabled button opens no menu";
}

TEST_F(ImgButtonTest, PressInsideReleaseOutsideStillClicks)
{
    TForm* form = NewForm();
    TImgButton* b = NewButton(form, "b", Rect(10, 10, 110, 33));
    form->Show();
    h.MouseDown(b, {50, 10});
    EXPECT_TRUE(b->IsDown());
    EXPECT_TRUE(h.Log.Items().empty());
    h.MouseUp(b, {250, 120});
    EXPECT_EQ(h.Log.Take(), (Events{"b click"}));
    EXPECT_FALSE(b->IsDown());
}

TEST_F(ImgButtonTest, DisabledOrInvisibleButtonIgnoresEverything)
{
    TForm* form = NewForm();
    TImgButton* b = NewButton(form, "b", Rect(10, 10, 110, 33));
    b->Default = true;
    TFakeEdit* edit = new TFakeEdit(form, form, Rect(10, 50, 110, 70));
    form->Show();
    edit->SetFocus();
    b->SetEnabled(false);

    h.Click(b);
    EXPECT_FALSE(b->IsDown());
    b->Perform(CN_KEYDOWN, VK_SPACE);
    EXPECT_FALSE(b->IsDown());
    h.Press(VK_RETURN);  // the default button is disabled
    b->Click();
    b->PerformClick();
    EXPECT_TRUE(h.Log.Items().empty());

    b->SetEnabled(true);
    EXPECT_FALSE(b->IsDown()) << "enabling clears the pressed state";
    b->Hide();
    b->Click();
    h.Press(VK_RETURN);
    EXPECT_TRUE(h.Log.Items().empty());
    b->Show();
    b->Click();
    EXPECT_EQ(h.Log.Take(), (Events{"b click"}));
}

TEST_F(ImgButtonTest, EnterAndSpaceClickOnRelease)
{
    TForm* form = NewForm();
    TImgButton* b = NewButton(form, "b", Rect(10, 10, 110, 33));
    form->Show();
    b->SetFocus();
    for (Word key : {VK_RETURN, VK_SPACE}) {
        h.KeyDown(key);
        EXPECT_TRUE(b->IsDown()) << key;
        EXPECT_TRUE(h.Log.Items().empty()) << key;
        h.KeyUp(key);
        EXPECT_EQ(h.Log.Take(), (Events{"b click"})) << key;
        EXPECT_FALSE(b->IsDown());
    }
}

TEST_F(ImgButtonTest, ReleaseWithoutItsOwnPressDoesNotClick)
{
    TForm* form = NewForm();
    TImgButton* a = NewButton(form, "a", Rect(10, 10, 110, 33));
    TImgButton* b = NewButton(form, "b", Rect(10, 40, 110, 63));
    form->Show();
    a->SetFocus();
    h.KeyUp(VK_RETURN);  // a release with no press at all
    h.KeyDown(VK_SPACE);
    b->SetFocus();  // the press stays with a, which loses it with the focus
    EXPECT_FALSE(a->IsDown());
    h.KeyUp(VK_SPACE);
    a->SetFocus();
    h.KeyUp(VK_SPACE);
    EXPECT_TRUE(h.Log.Items().empty());
    h.KeyDown(VK_SPACE);
    h.KeyUp(VK_RETURN);  // not the key that pressed it
    EXPECT_TRUE(h.Log.Items().empty());
    h.KeyUp(VK_SPACE);
    EXPECT_EQ(h.Log.Take(), (Events{"a click"}));
    h.KeyDown(VK_SPACE);
    h.Click(a);  // the mouse finishes the press the key started
    h.KeyUp(VK_SPACE);
    EXPECT_EQ(h.Log.Take(), (Events{"a click"}));
}

TEST_F(ImgButtonTest, AcceleratorOfTheCaptionClicks)
{
    TForm* form = NewForm();
    TImgButton* save = NewButton(form, "save", Rect(10, 10, 110, 33));
    save->SetCaption(u"&Save");
    TImgButton* amp = NewButton(form, "amp", Rect(10, 40, 110, 63));
    amp->SetCaption(u"A&&B");
    TFakeEdit* edit = new TFakeEdit(form, form, Rect(10, 70, 110, 90));
    form->Show();
    edit->SetFocus();
    h.Type(u"b");
    EXPECT_TRUE(h.Log.Items().empty()) << "\"&&\" marks no accelerator";
    h.Type(u"s");
    EXPECT_EQ(h.Log.Take(), (Events{"save click"}));
    h.Type(u"S");
    EXPECT_EQ(h.Log.Take(), (Events{"save click"}));
}

// --- dialog keys ----------------------------------------------------------------------------------

struct DialogKeyCase {
    const char* Focus;  // "edit", "other", "radio"
    Word Key;
    TShiftState Shift;
    Events Expected;
};

TEST_F(ImgButtonTest, DialogKeyRouting)
{
    const DialogKeyCase cases[] = {
        {"edit", VK_RETURN, 0, {"default click"}},
        {"other", VK_RETURN, 0, {"other click"}},  // the focused button acts itself
        {"radio", VK_RETURN, 0, {"default click"}},
        {"edit", VK_ESCAPE, 0, {"cancel click"}},
        {"edit", VK_ESCAPE, ssShift, {}},
        {"radio", VK_ESCAPE, 0, {"cancel click"}},
        {"other", VK_ESCAPE, 0, {"cancel click"}},  // a focused button does nothing with Escape
        {"edit", VK_RETURN, ssShift, {}},
    };
    for (const DialogKeyCase& k : cases) {
        TForm* form = NewForm();
        TImgButton* def = NewButton(form, "default", Rect(10, 10, 110, 33));
        def->Default = true;
        TImgButton* cancel = NewButton(form, "cancel", Rect(120, 10, 220, 33));
        cancel->Cancel = true;
        TImgButton* other = NewButton(form, "other", Rect(230, 10, 330, 33));
        auto* edit = new TFakeEdit(form, form, Rect(10, 50, 110, 70));
        auto* radio = new TFakeRadio(form, form, Rect(10, 80, 110, 100));
        form->Show();
        std::string focus = k.Focus;
        TWinControl* target = focus == "edit" ? static_cast<TWinControl*>(edit)
            : focus == "other"                ? static_cast<TWinControl*>(other)
                                              : radio;
        target->SetFocus();
        h.ProcessMessages();
        h.Press(k.Key, k.Shift);
        EXPECT_EQ(h.Log.Take(), k.Expected) << k.Focus << " key " << k.Key << " shift " << int(k.Shift);
        delete form;
    }
}

TEST_F(ImgButtonTest, DialogKeyWithoutOwningFormOrActiveControlClicks)
{
    TForm* form = NewForm();
    TImgButton* b = NewButton(form, "b", Rect(10, 10, 110, 33));
    b->Default = true;
    EXPECT_EQ(form->ActiveControl(), nullptr);
    EXPECT_EQ(b->Perform(CM_DIALOGKEY, VK_RETURN, 0), 1);
    TImgButton orphan(nullptr);
    orphan.Default = true;
    orphan.SetParent(form);
    orphan.OnClick = [this](TObject*) { h.Log.Add("orphan click"); };
    EXPECT_EQ(orphan.Perform(CM_DIALOGKEY, VK_RETURN, 0), 1);
    EXPECT_EQ(h.Log.Take(), (Events{"b click", "orphan click"}));
}

// --- the key release that reached the wrong window --------------------------------------------------

// Enter on the main window's button opens a dialog; Enter in the dialog's edit closes it on the
// key press. The release then reaches the main window's button, which saw no press, and must
// not open the dialog again.
TEST_F(ImgButtonTest, EnterClosingADialogDoesNotClickTheMainWindowButtonOnRelease)
{
    TForm* main = NewForm();
    TImgButton* create = NewButton(main, "new", Rect(10, 10, 110, 33));
    create->OnKeyUp = [this](TObject*, Word& Key, TShiftState) { h.Log.Add("new keyup " + std::to_string(Key)); };
    create->OnClick = [&](TObject*) {
        h.Log.Add("new click");
        TForm* dialog = NewForm(Rect(150, 150, 450, 300));
        dialog->SetCaption(u"New configuration");
        auto* name = new TFakeEdit(dialog, dialog, Rect(10, 10, 200, 30));
        name->OnKeyDown = [&, dialog](TObject*, Word& Key, TShiftState) {
            h.Log.Add("edit keydown " + std::to_string(Key));
            if (Key == VK_RETURN) dialog->ModalResult = mrOk;
        };
        dialog->SetActiveControl(name);
        TModalResult r = dialog->ShowModal();
        h.Log.Add("dialog closed " + std::to_string(r));
        delete dialog;
    };
    main->Show();
    create->SetFocus();
    h.AnswerModal(u"New configuration", [](TCustomForm&) { InjectKey(VK_RETURN, true); });

    h.KeyDown(VK_RETURN);
    h.KeyUp(VK_RETURN);
    // The button clicks on the release it saw the press of, before that release's key-up event.
    EXPECT_EQ(h.Log.Take(), (Events{"new click", "edit keydown 13", "dialog closed 1", "new keyup 13"}));
    EXPECT_TRUE(create->Focused());

    h.KeyUp(VK_RETURN);  // the release of the Enter that closed the dialog
    EXPECT_EQ(h.Log.Take(), (Events{"new keyup 13"}));
    EXPECT_EQ(h.PendingAnswers(), 0u);
    EXPECT_FALSE(create->IsDown());
}

// The colour a person sees at a client point of a control: the pixel its form's window shows.
TColor DrawnColour(THarness& h, TCustomForm* Form, TControl* Control, TPoint P)
{
    cairo_surface_t* surface = h.Display().WindowSurface(Form->Handle());
    cairo_surface_flush(surface);
    const TPoint window = h.Display().NativeWindow(Form->Handle())->Bounds.TopLeft();
    const TPoint s = Control->ClientToScreen(P);
    const auto* row =
        cairo_image_surface_get_data(surface) + (s.Y - window.Y) * cairo_image_surface_get_stride(surface);
    const uint32_t argb = reinterpret_cast<const uint32_t*>(row)[s.X - window.X];
    return TColor(((argb >> 16) & 0xFF) | (argb & 0xFF00) | ((argb & 0xFF) << 16));
}

// The order of a click as the user sees it: the press shows the pressed colour; OnClick runs
// with the button's state already back to normal but its face still drawn pressed (the repaint
// follows the click), also while a modal window opened by the click runs; once the click has
// returned the face is drawn normal. The same for the mouse and for Enter and Space.
TEST_F(ImgButtonTest, ClickRunsWithTheStateNormalAndTheRepaintAfterIt)
{
    const TColor face = 0xEDF7F8, down = 0x0080FF;
    TForm* form = NewForm();
    TImgButton* b = NewButton(form, "", Rect(10, 10, 110, 33));
    b->SetStyle(bsEncarta);
    b->SetColor(face);
    b->ColorWhenDown = down;
    const TPoint facePoint{20, 11};  // inside the focus rectangle, away from the caption
    auto drawn = [&] {
        const TColor c = DrawnColour(h, form, b, facePoint);
        return std::string(c == down ? "pressed" : c == face ? "normal" : "other " + std::to_string(c));
    };
    b->OnClick = [&](TObject*) {
        h.Log.Add(std::string("click: ") + (b->IsDown() ? "down" : "up") + ", drawn " + drawn());
        TForm* dialog = NewForm(Rect(150, 150, 450, 300));
        dialog->SetCaption(u"Opened by the click");
        dialog->ShowModal();
        delete dialog;
    };
    form->Show();
    h.ProcessMessages();
    ASSERT_EQ(drawn(), "normal");

    struct Gesture {
        const char* name;
        std::function<void()> press, release;
    };
    const Gesture gestures[] = {
        {"mouse", [&] { h.MouseDown(b, facePoint); }, [&] { h.MouseUp(b, facePoint); }},
        {"Enter", [&] { h.KeyDown(VK_RETURN); }, [&] { h.KeyUp(VK_RETURN); }},
        {"Space", [&] { h.KeyDown(VK_SPACE); }, [&] { h.KeyUp(VK_SPACE); }},
    };
    for (const Gesture& g : gestures) {
        b->SetFocus();
        h.ProcessMessages();
        h.AnswerModal(u"Opened by the click", [&](TCustomForm& Dialog) {
            h.ProcessMessages();
            h.Log.Add("modal: drawn " + drawn());
            Dialog.ModalResult = mrCancel;
        });
        g.press();
        h.ProcessMessages();
        h.Log.Add(std::string("pressed: ") + (b->IsDown() ? "down" : "up") + ", drawn " + drawn());
        g.release();
        h.ProcessMessages();
        h.Log.Add("released: drawn " + drawn());
        EXPECT_EQ(h.Log.Take(),
                  (Events{"pressed: down, drawn pressed", "click: up, drawn pressed", "modal: drawn pressed",
                          "released: drawn normal"}))
            << g.name;
        EXPECT_EQ(h.PendingAnswers(), 0u) << g.name;
    }
}

// --- hot tracking --------------------------------------------------------------------------------

class ImgButtonHotTrack : public ImgButtonTest {
protected:
    void SetUp() override
    {
        form = NewForm();
        b = NewButton(form, "b", Rect(10, 10, 110, 33));
        b->HotTrackColor = clYellow;
        b->OnMouseEnter = [this](TObject*) { h.Log.Add("enter"); };
        b->OnMouseExit = [this](TObject*) { h.Log.Add("exit"); };
        form->Show();
        h.MoveTo(form, {300, 150});
        h.Log.Clear();
    }
    TForm* form = nullptr;
    TImgButton* b = nullptr;
};

TEST_F(ImgButtonHotTrack, EnterAndLeaveWithoutFade)
{
    h.MoveTo(b);
    EXPECT_TRUE(b->CursorOnButton());
    EXPECT_EQ(b->HotTrackStep(), 8);
    h.MoveTo(form, {300, 150});
    EXPECT_FALSE(b->CursorOnButton());
    EXPECT_EQ(b->HotTrackStep(), 0);
    EXPECT_FALSE(b->Fading());
    EXPECT_EQ(h.Log.Take(), (Events{"enter", "exit"}));
}

TEST_F(ImgButtonHotTrack, DisabledButtonIsNotHotTracked)
{
    b->SetEnabled(false);
    h.MoveTo(b);
    EXPECT_FALSE(b->CursorOnButton());
    EXPECT_EQ(b->HotTrackStep(), 0);
    h.MoveTo(form, {300, 150});
    EXPECT_TRUE(h.Log.Items().empty());
}

TEST_F(ImgButtonHotTrack, FadeStepsDownEvery30Milliseconds)
{
    b->SetSlowDecease(true);
    h.MoveTo(b);
    h.MoveTo(form, {300, 150});
    EXPECT_EQ(h.Log.Take(), (Events{"enter", "exit"}));
    std::vector<Integer> steps{b->HotTrackStep()};
    for (int i = 0; i < 9; ++i) {
        h.Advance(30);
        steps.push_back(b->HotTrackStep());
    }
    EXPECT_EQ(steps, (std::vector<Integer>{8, 7, 6, 5, 4, 3, 2, 1, 0, 0}));
    EXPECT_FALSE(b->Fading());

    h.MoveTo(b);
    h.MoveTo(form, {300, 150});
    h.Advance(29);
    EXPECT_EQ(b->HotTrackStep(), 8);
    h.Advance(1);
    EXPECT_EQ(b->HotTrackStep(), 7);
}

TEST_F(ImgButtonHotTrack, EnteringDuringTheFadeStopsIt)
{
    b->SetSlowDecease(true);
    h.MoveTo(b);
    h.MoveTo(form, {300, 150});
    h.Advance(90);
    EXPECT_EQ(b->HotTrackStep(), 5);
    h.MoveTo(b);
    EXPECT_EQ(b->HotTrackStep(), 8);
    EXPECT_FALSE(b->Fading());
    h.Advance(300);
    EXPECT_EQ(b->HotTrackStep(), 8) << "the face stays hot under the pointer";
}

TEST_F(ImgButtonHotTrack, RecreatedWindowEndsTheFade)
{
    b->SetSlowDecease(true);
    h.MoveTo(b);
    h.MoveTo(form, {300, 150});
    h.Advance(60);
    b->RecreateWnd();
    EXPECT_FALSE(b->Fading());
    EXPECT_EQ(b->HotTrackStep(), 0);
    h.MoveTo(b);
    h.MoveTo(form, {300, 150});
    h.Advance(240);
    EXPECT_EQ(b->HotTrackStep(), 0) << "the fade runs on the new window";
}

TEST_F(ImgButtonHotTrack, SwitchingTheFadeOffEndsIt)
{
    b->SetSlowDecease(true);
    h.MoveTo(b);
    h.MoveTo(form, {300, 150});
    h.Advance(60);
    b->SetSlowDecease(false);
    EXPECT_EQ(b->HotTrackStep(), 0);
    EXPECT_FALSE(b->Fading());
    h.Advance(300);
    EXPECT_EQ(b->HotTrackStep(), 0);
}

// --- painting ----------------------------------------------------------------------------------

TEST_F(ImgButtonTest, PaintShowsHotColourAndFocusRectangle)
{
    TForm* form = NewForm();
    TImgButton* b = NewButton(form, "", Rect(10, 10, 110, 33));
    b->SetStyle(bsEncarta);
    b->SetColor(0xEDF7F8);
    b->HotTrackColor = clYellow;
    auto* edit = new TFakeEdit(form, form, Rect(10, 50, 110, 70));
    form->Show();
    edit->SetFocus();
    auto paint = [&] {
        TBitmap bmp(100, 23);
        b->PaintTo(*bmp.Canvas(), 0, 0);
        Integer marked = 0;  // pixels of the left edge of the focus rectangle
        for (Integer y = 4; y < 19; ++y) marked += bmp.PixelColor(4, y) != TColor(0xEDF7F8);
        return std::make_pair(bmp.PixelColor(50, 2), marked);
    };
    EXPECT_EQ(paint(), std::make_pair(TColor(0xEDF7F8), 0));
    b->Perform(CM_MOUSEENTER);
    EXPECT_EQ(paint().first, clYellow);
    b->Perform(CM_MOUSELEAVE);
    b->SetFocus();
    EXPECT_GE(paint().second, 7) << "the focus rectangle runs 4 pixels inside";
    b->SetStyle(bsShape);
    TBitmap bmp(100, 23);
    bmp.Canvas()->Brush()->SetColor(clWhite);
    bmp.Canvas()->FillRect(Rect(0, 0, 100, 23));
    b->PaintTo(*bmp.Canvas(), 0, 0);
    for (Integer y = 4; y < 19; ++y)
        ASSERT_EQ(bmp.PixelColor(4, y), b->Color()) << "a shape button shows no focus rectangle";
}

TEST_F(ImgButtonTest, HotTrackFontWhileHotOrFocused)
{
    TForm* form = NewForm();
    TImgButton* b = NewButton(form, "", Rect(10, 10, 110, 33));
    b->SetCaption(u"WWWW");
    b->HotTrackFont()->SetColor(clRed);
    b->UseHotTrackFont = true;
    auto* edit = new TFakeEdit(form, form, Rect(10, 50, 110, 70));
    form->Show();
    edit->SetFocus();
    auto redPixels = [&] {
        TBitmap bmp(100, 23);
        b->PaintTo(*bmp.Canvas(), 0, 0);
        Integer n = 0;
        for (Integer y = 0; y < 23; ++y)
            for (Integer x = 0; x < 100; ++x) n += bmp.PixelColor(x, y) == clRed;
        return n;
    };
    EXPECT_EQ(redPixels(), 0);
    b->Perform(CM_MOUSEENTER);
    EXPECT_GT(redPixels(), 10);
    b->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(redPixels(), 0);
    b->SetFocus();
    EXPECT_GT(redPixels(), 10);
    b->UseHotTrackFont = false;
    EXPECT_EQ(redPixels(), 0);
}

TEST_F(ImgButtonTest, FocusedOldStyleIsFramedInBlack)
{
    TForm* form = NewForm();
    TImgButton* b = NewButton(form, "", Rect(10, 10, 110, 33));
    b->SetStyle(bsOld);
    form->Show();
    b->SetFocus();
    TBitmap bmp(100, 23);
    b->PaintTo(*bmp.Canvas(), 0, 0);
    for (TPoint p : {TPoint{0, 0}, TPoint{99, 0}, TPoint{0, 22}, TPoint{99, 22}, TPoint{50, 0}, TPoint{50, 22}})
        EXPECT_EQ(bmp.PixelColor(p.X, p.Y), clBlack) << p.X << "," << p.Y;
    EXPECT_EQ(bmp.PixelColor(1, 1), clWhite) << "the face's light edge moves in by one pixel";
}

// Every style in every state, for a person to look at: img_button_states.png in the test's
// working folder. Rows: styles, then the stock kinds; columns: normal, hot, down, disabled,
// focused.
TEST_F(ImgButtonTest, WritesAPictureOfEveryStyleAndState)
{
    struct Look {
        TImgButtonStyle Style;
        TImgColorStyle Preset;
        TImgButtonKind Kind;
    };
    const Look looks[] = {{bsNormal, lcsDefault, bkOK},   {bsEncarta, lcsCustom, bkCancel},
                          {bsModern, lcsGold, bkYes},     {bsModern, lcsAqua, bkNo},
                          {bsOld, lcsCustom, bkRetry},    {bsShape, lcsCustom, bkHelp},
                          {bsQuicken, lcsQuicken, bkAll}, {bsNormal, lcsUltraFlatXP, bkClose}};
    const Integer cw = 110, ch = 31, cols = 5;
    const Integer rows = Integer(std::size(looks)) + 2;
    TBitmap sheet(cols * cw + 10, rows * ch + 10);
    sheet.Canvas()->Brush()->SetColor(0xE0E0E0);
    sheet.Canvas()->FillRect(Rect(0, 0, sheet.Width(), sheet.Height()));

    TForm* form = NewForm(Rect(0, 0, 600, 400));
    form->Show();
    auto place = [&](TImgButton* b, Integer row, Integer col) {
        b->PaintTo(*sheet.Canvas(), 5 + col * cw, 5 + row * ch);
    };
    Integer row = 0;
    for (const Look& l : looks) {
        TImgButton* b = NewButton(form, "", Rect(10, 10, 110, 33));
        b->OnClick = nullptr;
        b->SetKind(l.Kind);
        if (l.Style == bsEncarta) {  // as the configurator's windows have it
            b->SetColor(0xEDF7F8);
            b->ColorWhenDown = 0x0080FF;
            b->HotTrackColor = clYellow;
            b->SetLightColor(clGray);
        }
        b->SetColorStyle(l.Preset);
        b->SetStyle(l.Style);
        place(b, row, 0);
        b->Perform(CM_MOUSEENTER);
        place(b, row, 1);
        b->Perform(CM_MOUSELEAVE);
        b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(5, 5));
        place(b, row, 2);
        b->Perform(WM_LBUTTONUP, 0, MakeLParam(5, 5));
        form->SetActiveControl(nullptr);
        b->SetEnabled(false);
        place(b, row, 3);
        b->SetEnabled(true);
        b->SetFocus();
        place(b, row, 4);
        delete b;
        ++row;
    }
    // The stock kinds' glyphs, normal.
    Integer k = bkOK;
    for (; row < rows; ++row)
        for (Integer col = 0; col < cols && k <= bkAll; ++col, ++k) {
            TImgButton* b = NewButton(form, "", Rect(10, 10, 110, 33));
            b->SetKind(TImgButtonKind(k));
            place(b, row, col);
            delete b;
        }
    const std::filesystem::path file = test::picturePath("img_button_states.png");
    SaveSurfaceToPng(sheet.Surface(), Utf8ToString(file.string()));
    EXPECT_TRUE(std::filesystem::file_size(file) > 1000);
    std::cout << "picture: " << file.string() << "\n";
}

}  // namespace
}  // namespace gw
