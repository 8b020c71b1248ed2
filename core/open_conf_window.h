// TFOpenConf: the window that chooses one of the configurations under PROJECTS.
#pragma once

#include "core/lang_form.h"

#include <vector>

namespace gw {

class TListBox;

class TFOpenConf : public TLangForm {
public:
    explicit TFOpenConf(TComponent* AOwner);
    ~TFOpenConf() override;
    String ClassName() const override { return u"TFOpenConf"; }

    void Set_Lang() override;
    // Lists the configuration folders into SL.
    void Load_Existing_Configuration();

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TLabel* Label1 = nullptr;
    TListBox* ListBox1 = nullptr;
    TPanel* P_Button = nullptr;
    TImgButton* Btn_OK = nullptr;
    TImgButton* Btn_Cancel = nullptr;

    // The configurations found when the window was shown, and the one chosen (empty: none).
    std::vector<String> SL;
    String Name_Conf;

    static constexpr Integer Client_Width = 377;
    static constexpr Integer Client_Height = 351;

private:
    void FormShow();
    void ListBox1Click();
};

extern TFOpenConf* FOpenConf;

}  // namespace gw
