// The shared parts of the configurator's windows.
#include "core/lang_form.h"

#include "core/program_state.h"
#include "imagebutton/img_button.h"
#include "platform/controls/label.h"
#include "platform/controls/panel.h"
#include "platform/graphics/font.h"

namespace gw {

namespace {

constexpr Integer Title_Height = 52;
constexpr Integer Button_Panel_Height = 44;
constexpr Integer Dialog_Button_Width = 90;
constexpr Integer Dialog_Button_Height = 28;

}  // namespace

const String& Lang(Integer Number) { return ProgramState.SL_Lang.Text(Number); }

TImgButton* New_Img_Button(TComponent* Owner, TWinControl* Parent, StringView Name, TRect Bounds, TColor HotTrack)
{
    auto* button = new TImgButton(Owner);
    button->SetName(String(Name));
    button->SetParent(Parent);
    button->SetBoundsRect(Bounds);
    button->SetColor(Configurator_Face_Color);
    button->ColorWhenDown = Configurator_Down_Color;
    button->SetLightColor(clGray);
    button->HotTrackColor = HotTrack;
    button->SetShowHint(true);
    return button;
}

TLabel* New_Label(TComponent* Owner, TWinControl* Parent, StringView Name, TPoint At)
{
    auto* label = new TLabel(Owner);
    label->SetName(String(Name));
    label->SetParent(Parent);
    label->SetLeft(At.X);
    label->SetTop(At.Y);
    label->SetTransparent(true);
    return label;
}

void Style_Window(TForm* Form, StringView Name, Integer ClientWidth, Integer ClientHeight)
{
    Form->SetName(String(Name));
    Form->SetBorderStyle(bsSingle);
    Form->BorderIcons = biSystemMenu;
    Form->Position = poScreenCenter;
    Form->SetColor(Configurator_Face_Color);
    Form->Font()->SetName(u"Verdana");
    Form->Font()->SetSize(8);
    Form->SetClientSize(ClientWidth, ClientHeight);
}

TLangForm::TLangForm(TComponent* AOwner, StringView Name, Integer ClientWidth, Integer ClientHeight) : TForm(AOwner)
{
    Style_Window(this, Name, ClientWidth, ClientHeight);
}

void TLangForm::Build_Title(TPanel*& P_Title, TLabel*& L_SW_Code, TLabel*& L_SW_Desc)
{
    P_Title = new TPanel(this);
    P_Title->SetName(u"P_Title");
    P_Title->SetParent(this);
    P_Title->SetAlign(alTop);
    P_Title->SetHeight(Title_Height);
    P_Title->SetBevelOuter(bvNone);
    P_Title->SetShowCaption(false);
    P_Title->SetColor(clWhite);
    L_SW_Code = New_Label(this, P_Title, u"L_SW_Code", {10, 4});
    L_SW_Code->Font()->SetHeight(-20);
    L_SW_Code->Font()->SetStyle(fsBold);
    L_SW_Code->Font()->SetColor(clGray);
    L_SW_Code->SetCaption(ProgramState.SW_Code);
    L_SW_Desc = New_Label(this, P_Title, u"L_SW_Desc", {10, 32});
    L_SW_Desc->Font()->SetColor(clGray);
}

TPanel* TLangForm::New_Button_Panel(Integer Height)
{
    auto* panel = new TPanel(this);
    panel->SetName(u"P_Button");
    panel->SetParent(this);
    panel->SetAlign(alBottom);
    panel->SetHeight(Height);
    panel->SetBevelOuter(bvNone);
    panel->SetShowCaption(false);
    panel->SetColor(Configurator_Face_Color);
    return panel;
}

void TLangForm::Build_Buttons(TPanel*& P_Button, TImgButton*& Btn_OK, TImgButton*& Btn_Cancel, TModalResult OKResult)
{
    P_Button = New_Button_Panel(Button_Panel_Height);
    const Integer top = (Button_Panel_Height - Dialog_Button_Height) / 2;
    const Integer right = ClientWidth() - 10;
    Btn_Cancel = New_Img_Button(this, P_Button, u"Btn_Cancel",
                                Bounds(right - Dialog_Button_Width, top, Dialog_Button_Width, Dialog_Button_Height));
    Btn_Cancel->SetKind(bkCancel);
    Btn_Cancel->Cancel = true;
    Btn_OK =
        New_Img_Button(this, P_Button, u"Btn_OK",
                       Bounds(right - 2 * Dialog_Button_Width - 8, top, Dialog_Button_Width, Dialog_Button_Height));
    Btn_OK->SetKind(bkOK);
    Btn_OK->SetModalResult(OKResult);
}

}  // namespace gw
