// TFAbout: the program's identity and a link to the maker's home page, in fixed English.
#pragma once

#include "platform/ui/forms.h"

namespace gw {

class TImage;
class TImgButton;
class TLabel;

class TFAbout : public TForm {
public:
    explicit TFAbout(TComponent* AOwner);
    ~TFAbout() override;
    String ClassName() const override { return u"TFAbout"; }

    // Opens the maker's home page (the web label and the logo).
    void Label4Click();

    TImage* Image2 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label9 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label10 = nullptr;
    TLabel* Label8 = nullptr;
    TLabel* Label12 = nullptr;
    TLabel* Label4 = nullptr;
    TImgButton* ImgButton1 = nullptr;

    static constexpr Integer Client_Width = 425;
    static constexpr Integer Client_Height = 148;

private:
    void FormShow();
};

extern TFAbout* FAbout;

}  // namespace gw
