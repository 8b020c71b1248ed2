// TFNew_Project: the window that names and creates a new configuration.
#pragma once

#include "core/lang_form.h"

namespace gw {

class TEdit;

class TFNew_Project : public TLangForm {
public:
    explicit TFNew_Project(TComponent* AOwner);
    ~TFNew_Project() override;
    String ClassName() const override { return u"TFNew_Project"; }

    void Set_Lang() override;
    // Creates the configuration named as typed, or says why it cannot; closes with mrOk once
    // it is created and open.
    void Btn_OKClick();

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* E_New_Proj = nullptr;
    TPanel* P_Button = nullptr;
    TImgButton* Btn_OK = nullptr;
    TImgButton* Btn_Cancel = nullptr;

    static constexpr Integer Client_Width = 331;
    static constexpr Integer Client_Height = 162;

private:
    void FormShow();
};

extern TFNew_Project* FNew_Project;

}  // namespace gw
