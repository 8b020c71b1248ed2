// The About window: code, version and manual of the program, and the maker's web address.
#include "core/about_window.h"

#include "core/lang_form.h"
#include "core/maker_web.h"
#include "core/program_state.h"
#include "imagebutton/img_button.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/font.h"
#include "platform/net/shell_open.h"

namespace gw {

TFAbout* FAbout = nullptr;

namespace {

TLabel* Caption_Label(TFAbout* Form, StringView Name, TPoint At, StringView Caption)
{
    TLabel* label = New_Label(Form, Form, Name, At);
    label->SetCaption(String(Caption));
    return label;
}

}  // namespace

TFAbout::TFAbout(TComponent* AOwner) : TForm(AOwner)
{
    Style_Window(this, u"FAbout", Client_Width, Client_Height);
    SetCaption(u"About...");

    Image2 = new TImage(this);
    Image2->SetName(u"Image2");
    Image2->SetParent(this);
    Image2->SetBounds(12, 12, 81, 81);
    Image2->SetStretch(true);
    TBitmap logo;
    logo.LoadFromResourceName(u"ABOUT_LOGO");
    Image2->Picture()->SetGraphic(&logo);
    Image2->SetCursor(crHandPoint);
    Image2->OnClick = [this](TObject*) { Label4Click(); };

    Label1 = Caption_Label(this, u"Label1", {108, 12}, u"Software Plenator ");
    Label1->Font()->SetStyle(fsBold);
    Label2 = Caption_Label(this, u"Label2", {108, 30}, u"");
    Label6 = Caption_Label(this, u"Label6", {108, 52}, u"Software Code : ");
    Label9 = Caption_Label(this, u"Label9", {230, 52}, u"");
    Label3 = Caption_Label(this, u"Label3", {108, 68}, u"Version :");
    Label10 = Caption_Label(this, u"Label10", {230, 68}, u"");
    Label8 = Caption_Label(this, u"Label8", {108, 84}, u"Document Code :");
    Label12 = Caption_Label(this, u"Label12", {230, 84}, u"");
    Label4 = Caption_Label(this, u"Label4", {12, 118}, Maker_Web_Host);
    Label4->Font()->SetColor(clBlue);
    Label4->Font()->SetStyle(fsUnderline);
    Label4->SetCursor(crHandPoint);
    Label4->OnClick = [this](TObject*) { Label4Click(); };

    ImgButton1 = New_Img_Button(this, this, u"ImgButton1", Bounds(Client_Width - 100, Client_Height - 38, 88, 28));
    ImgButton1->SetKind(bkOK);
    ImgButton1->SetCaption(u"OK");
    OnShow = [this](TObject*) { FormShow(); };
}

TFAbout::~TFAbout()
{
    if (FAbout == this) FAbout = nullptr;
}

void TFAbout::FormShow()
{
    Label2->SetCaption(ProgramState.SW_Desc);
    Label9->SetCaption(String(Configurator_Code));
    Label10->SetCaption(String(Program_Version));
    Label12->SetCaption(String(User_Manual_Code));
    SetClientSize(Client_Width, Client_Height);
}

void TFAbout::Label4Click() { ShellOpen(Home_Page_Url(Maker_Web_Host)); }

}  // namespace gw
