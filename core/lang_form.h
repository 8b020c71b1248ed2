// TLangForm: a configurator window whose captions come from the text table, with the parts and
// the look the configurator's windows share.
#pragma once

#include "imagebutton/img_button_types.h"
#include "platform/ui/forms.h"

namespace gw {

class TImgButton;
class TLabel;
class TPanel;

// The face of every configurator window and of its image buttons.
constexpr TColor Configurator_Face_Color = 0x00EDF7F8;
// The image buttons' colour while pressed.
constexpr TColor Configurator_Down_Color = 0x000080FF;

// The text with that number in the language in use.
const String& Lang(Integer Number);

// An image button of the configurator's look on Parent, owned by Owner.
TImgButton* New_Img_Button(TComponent* Owner, TWinControl* Parent, StringView Name, TRect Bounds,
                           TColor HotTrack = clYellow);
// Gives a window the configurator's look: fixed size with that client area, system menu only,
// the configurator's face and font, centred on the screen.
void Style_Window(TForm* Form, StringView Name, Integer ClientWidth, Integer ClientHeight);
// A label on Parent, owned by Owner.
TLabel* New_Label(TComponent* Owner, TWinControl* Parent, StringView Name, TPoint At);

class TLangForm : public TForm {
public:
    // A fixed-size window with the configurator's font and face, centred on the screen.
    TLangForm(TComponent* AOwner, StringView Name, Integer ClientWidth, Integer ClientHeight);
    String ClassName() const override { return u"TLangForm"; }

    // Applies the window's captions and hints from the text table: when the window is created
    // and after every language change.
    virtual void Set_Lang() = 0;

protected:
    // The panel along the top with the configurator code and a description line under it.
    void Build_Title(TPanel*& P_Title, TLabel*& L_SW_Code, TLabel*& L_SW_Desc);
    // The panel along the bottom with the OK and Cancel buttons at its right; Cancel closes with
    // mrCancel, OK has the result OKResult.
    void Build_Buttons(TPanel*& P_Button, TImgButton*& Btn_OK, TImgButton*& Btn_Cancel, TModalResult OKResult);
    // The empty panel along the bottom that holds a window's buttons.
    TPanel* New_Button_Panel(Integer Height);
};

}  // namespace gw
