// The start window: a banner, a note that the main window is still to come, a name field and
// the image button that ends the program.
#include "app/start_form.h"

#include "imagebutton/img_button.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/controls/panel.h"
#include "platform/graphics/font.h"
#include "platform/runtime/unicode.h"

namespace gw {

TStartForm::TStartForm(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption(u"Configurator CF52818");
    SetBorderStyle(bsSingle);
    Position = poScreenCenter;
    SetBounds(0, 0, FormClientWidth, FormClientHeight);

    Banner = new TPanel(this);
    Banner->SetParent(this);
    Banner->SetBounds(0, 0, FormClientWidth, 48);
    Banner->SetBevelOuter(bvNone);
    Banner->SetColor(BannerColor);
    Banner->Font()->SetColor(clWhite);
    Banner->SetCaption(u"GW52818 configurator CF52818 1.001");

    Note = new TLabel(this);
    Note->SetParent(this);
    Note->SetBounds(16, 64, 380, 16);
    Note->SetCaption(u"The configurator's main window is not built yet.");

    NameEdit = new TEdit(this);
    NameEdit->SetName(u"NameEdit");
    NameEdit->SetParent(this);
    NameEdit->SetBounds(16, 96, 260, 23);
    NameEdit->OnClick = [this](TObject*) { Trace("click NameEdit"); };
    NameEdit->OnKeyPress = [this](TObject*, Char& Key) { Trace("char NameEdit " + StringToUtf8(String(1, Key))); };
    NameEdit->OnChange = [this](TObject*) { Trace("text NameEdit " + StringToUtf8(NameEdit->Text())); };

    CloseButton = new TImgButton(this);
    CloseButton->SetName(u"CloseButton");
    CloseButton->SetParent(this);
    CloseButton->SetBounds(FormClientWidth - 100, FormClientHeight - 40, 84, 25);
    CloseButton->SetKind(bkClose);
    CloseButton->SetCaption(u"Close");
    CloseButton->Cancel = true;
    // The button holds the focus first, so that the first picture has no blinking caret.
    CloseButton->SetTabOrder(0);
    CloseButton->OnClick = [this](TObject*) {
        Trace("click CloseButton");
        Close();
    };
}

void TStartForm::Trace(const std::string& Line)
{
    if (OnTrace) OnTrace(Line);
}

}  // namespace gw
