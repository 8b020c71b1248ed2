// Paints the standard controls in their states into one window and writes it as a picture
// (standard_controls_states.png in the test's working folder) for a person to look at.
#include "platform/controls/balloon_tooltip.h"
#include "platform/controls/bevel.h"
#include "platform/controls/category_panel.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/list_view.h"
#include "platform/controls/page_control.h"
#include "platform/controls/progress_bar.h"
#include "platform/controls/shape.h"
#include "platform/controls/speed_button.h"
#include "platform/controls/track_bar.h"
#include "platform/controls/up_down.h"
#include "platform/runtime/unicode.h"
#include "std_controls_harness.h"
#include "tests/support/test_support.h"

#include <filesystem>

namespace gw::test {
namespace {

class StdControlsPicture : public StdControlsTest {};

template <class T>
T* Put(TWinControl* Parent, TComponent* Owner, Integer X, Integer Y, Integer W, Integer H)
{
    auto* c = new T(Owner);
    c->SetParent(Parent);
    c->SetBounds(X, Y, W, H);
    return c;
}

TEST_F(StdControlsPicture, EveryControlInItsStates)
{
    form->SetBounds(50, 50, 760, 560);
    form->SetColor(TColor(0xF8F7ED));
    form->Font()->SetName(u"Verdana");

    // Labels: plain, large, disabled, wrapped, link.
    auto* code = Put<TLabel>(form, form, 10, 8, 0, 0);
    code->Font()->SetHeight(-32);
    code->Font()->SetColor(clGray);
    code->SetCaption(u"CF52818");
    Put<TLabel>(form, form, 10, 50, 0, 0)->SetCaption(u"&Accelerator label");
    auto* off = Put<TLabel>(form, form, 10, 68, 0, 0);
    off->SetCaption(u"Disabled label");
    off->SetEnabled(false);
    auto* wrap = Put<TLabel>(form, form, 10, 86, 0, 0);
    wrap->SetCaption(u"A wrapped label over several lines of text");
    wrap->SetWordWrap(true);
    wrap->SetWidth(140);
    auto* link = Put<TLinkLabel>(form, form, 170, 8, 0, 0);
    link->SetCaption(u"Newer version: <a href=\"http://host/dl\">download</a>");

    // Shapes and bevels.
    auto* frame = Put<TShape>(form, form, 170, 30, 160, 36);
    frame->Pen()->SetColor(clSilver);
    frame->Brush()->SetStyle(bsClear);
    auto* line = Put<TShape>(form, form, 170, 72, 160, 1);
    line->Pen()->SetColor(clGray);
    auto* round = Put<TShape>(form, form, 340, 30, 40, 36);
    round->SetShape(stEllipse);
    round->Brush()->SetColor(clYellow);
    Put<TBevel>(form, form, 390, 30, 60, 36);
    Put<TBevel>(form, form, 460, 30, 60, 36)->SetStyle(bsRaised);

    // Buttons, check boxes and radio buttons in their states.
    auto* ok = Put<TButton>(form, form, 540, 8, 90, 25);
    ok->SetCaption(u"&OK");
    ok->SetDefault(true);
    auto* dis = Put<TButton>(form, form, 640, 8, 90, 25);
    dis->SetCaption(u"Disabled");
    dis->SetEnabled(false);
    auto* cb1 = Put<TCheckBox>(form, form, 540, 40, 200, 17);
    cb1->SetCaption(u"Checked");
    cb1->SetChecked(true);
    auto* cb2 = Put<TCheckBox>(form, form, 540, 58, 200, 17);
    cb2->SetCaption(u"Grey");
    cb2->AllowGrayed = true;
    cb2->SetState(cbGrayed);
    auto* cb3 = Put<TCheckBox>(form, form, 540, 76, 200, 17);
    cb3->SetCaption(u"Disabled unchecked");
    cb3->SetEnabled(false);
    auto* rg = Put<TRadioGroup>(form, form, 540, 100, 200, 80);
    rg->SetCaption(u"Serial");
    rg->Items()->Add(u"RS232");
    rg->Items()->Add(u"RS485");
    rg->SetItemIndex(1);

    // Panels and group box.
    auto* raised = Put<TPanel>(form, form, 10, 140, 120, 40);
    raised->SetCaption(u"Raised panel");
    auto* lowered = Put<TPanel>(form, form, 140, 140, 120, 40);
    lowered->SetBevelOuter(bvLowered);
    lowered->SetCaption(u"Lowered");
    auto* group = Put<TGroupBox>(form, form, 270, 100, 260, 80);
    group->SetCaption(u"Group box");
    Put<TRadioButton>(group, form, 10, 20, 110, 17)->SetCaption(u"Radio on");
    static_cast<TRadioButton*>(group->Controls(0))->SetChecked(true);
    Put<TRadioButton>(group, form, 10, 44, 110, 17)->SetCaption(u"Radio off");

    // Speed buttons: group down, up, flat.
    TBitmap glyph(16, 16);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect(Rect(0, 0, 16, 16));
    glyph.Canvas()->Brush()->SetColor(clGreen);
    glyph.Canvas()->FillRect(Rect(4, 4, 12, 12));
    for (int i = 0; i < 3; ++i) {
        auto* sb = Put<TSpeedButton>(form, form, 10 + 30 * i, 190, 26, 24);
        sb->SetGroupIndex(1);
        sb->SetGlyph(&glyph);
        if (i == 1) sb->SetDown(true);
    }
    auto* flat = Put<TSpeedButton>(form, form, 100, 190, 80, 24);
    flat->SetFlat(true);
    flat->SetCaption(u"Flat");

    // Image, progress, track bar, up-down, scroll bar.
    auto* img = Put<TImage>(form, form, 200, 190, 48, 48);
    TBitmap pic(24, 12);
    pic.Canvas()->Brush()->SetColor(clNavy);
    pic.Canvas()->FillRect(Rect(0, 0, 24, 12));
    img->Picture()->SetGraphic(&pic);
    img->SetStretch(true);
    img->SetProportional(true);
    img->SetCenter(true);
    auto* pb = Put<TProgressBar>(form, form, 260, 190, 150, 16);
    pb->SetPosition(60);
    auto* tb = Put<TTrackBar>(form, form, 260, 210, 150, 40);
    tb->SetPosition(4);
    auto* host = Put<TCustomControl>(form, form, 420, 190, 50, 21);
    host->SetColor(clWindow);
    auto* ud = Put<TUpDown>(form, form, 0, 0, 17, 21);
    ud->SetAssociate(host);
    ud->SetPosition(42);
    auto* sbar = Put<TScrollBar>(form, form, 490, 190, 200, 17);
    sbar->SetPageSize(20);
    sbar->SetPosition(30);

    // Page control with a page of its own controls.
    auto* pc = Put<TPageControl>(form, form, 10, 260, 330, 140);
    for (const char16_t* caption : {u"Language", u"Connection", u"Settings"}) {
        auto* sheet = new TTabSheet(form);
        sheet->SetPageControl(pc);
        sheet->SetCaption(caption);
    }
    pc->SetActivePageIndex(1);
    Put<TCheckBox>(pc->Pages(1), form, 10, 10, 200, 17)->SetCaption(u"Enable internet access");

    // Category panels: one expanded with a control, one collapsed.
    auto* cpg = Put<TCategoryPanelGroup>(form, form, 350, 260, 200, 160);
    auto* cp1 = new TCategoryPanel(form);
    cp1->SetPanelGroup(cpg);
    cp1->SetCaption(u"1. Ethernet");
    cp1->SetHeight(90);
    Put<TCheckBox>(cp1, form, 8, 10, 150, 17)->SetCaption(u"Gateway");
    auto* cp2 = new TCategoryPanel(form);
    cp2->SetPanelGroup(cpg);
    cp2->SetCaption(u"2. Master");
    cp2->SetTop(200);
    cp2->Collapse();
    auto* cp3 = new TCategoryPanel(form);
    cp3->SetPanelGroup(cpg);
    cp3->SetCaption(u"3. More");
    cp3->SetTop(300);
    cp3->SetHeight(120);

    // The device list.
    auto* lv = Put<TListView>(form, form, 560, 260, 180, 140);
    lv->AddColumn(u"IP Address", 90);
    lv->AddColumn(u"MAC Address", 90);
    lv->AddItem(u"192.168.2.205")->SubItems()->Add(u"00:11:22:33:44:55");
    lv->AddItem(u"192.168.2.206")->SubItems()->Add(u"00:11:22:33:44:56");
    lv->SetItemIndex(0);

    ShowForm();
    ok->SetFocus();
    Pump();
    const std::filesystem::path file = picturePath("standard_controls_states.png");
    backend.SaveWindowToPng(form->Handle(), Utf8ToString(file.string()));
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_GT(std::filesystem::file_size(file), 2000u);

    // A balloon over the list, as a picture of its own.
    HWND tip = CreateToolTipWindow(lv->Handle(), TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON);
    TToolInfo ti;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = lv->Handle();
    ti.uId = lv->Handle();
    String text = u"Double-click to choose this device";
    ti.lpszText = text.c_str();
    SendMessage(tip, TTM_ADDTOOLW, 0, LPARAM(&ti));
    String title = u"Device";
    SendMessage(tip, TTM_SETTITLEW, TTI_INFO, LPARAM(title.c_str()));
    InjectMouse(TMouseAction::Move, lv->ClientToScreen({40, 40}));
    Pump();
    backend.Advance(600);
    Pump();
    ASSERT_TRUE(IsWindowVisible(tip));
    const std::filesystem::path balloon = picturePath("standard_controls_balloon.png");
    backend.SaveWindowToPng(tip, Utf8ToString(balloon.string()));
    EXPECT_TRUE(std::filesystem::exists(balloon));
}

}  // namespace
}  // namespace gw::test
