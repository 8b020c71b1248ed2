// TFSoftOptions: interface language, internet access and update check, table switches.
#pragma once

#include "core/lang_form.h"

#include <array>
#include <vector>

namespace gw {

class TCheckBox;
class TImage;
class TLinkLabel;
class TPageControl;
class TTabSheet;

class TFSoftOptions : public TLangForm {
public:
    explicit TFSoftOptions(TComponent* AOwner);
    ~TFSoftOptions() override;
    String ClassName() const override { return u"TFSoftOptions"; }

    // Language slots on a page of the language list.
    static constexpr Integer Slots_Per_Page = 6;

    void Set_Lang() override;
    // Lists the language files that can be chosen (writable, sorted) and shows page 1.
    void Create_Lang_List();
    // Fills the slots, the page label and the page buttons for page Num_Page (1-based).
    void Update_Lang_Page(Integer Num_Page);
    // Next or Previous (Sender) moves one page when there is one.
    void Btn_NextClick(TObject* Sender);
    // The slot Slot (0-based on the page shown) was clicked: asks, then loads that language.
    void LangClick(Integer Slot);
    void Update_CheckBox();
    void Btn_Check_UpdateClick();
    // Opens the download page the answer's link names.
    void LL_Check_UpdateLinkClick(const String& Link);
    void Btn_OKClick();

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_Button = nullptr;
    TImgButton* Btn_OK = nullptr;
    TImgButton* Btn_Cancel = nullptr;
    TPageControl* PC_Options = nullptr;
    TTabSheet* TS_Language = nullptr;
    TTabSheet* TS_Con_Options = nullptr;
    TTabSheet* TS_Soft_Settings = nullptr;
    TLabel* L_Sel_Lang = nullptr;
    // I_L1 ... I_L6 and L_L1 ... L_L6.
    std::array<TImage*, Slots_Per_Page> I_L{};
    std::array<TLabel*, Slots_Per_Page> L_L{};
    TLabel* L_Page_Lang = nullptr;
    TImgButton* Btn_Prev = nullptr;
    TImgButton* Btn_Next = nullptr;
    TCheckBox* CB_En_Con = nullptr;
    TCheckBox* CB_Update = nullptr;
    TImgButton* Btn_Check_Update = nullptr;
    TLinkLabel* LL_Check_Update = nullptr;
    TCheckBox* CB_Soft_Set_Jump_Table = nullptr;
    TCheckBox* CB_DoubleClick_Auto_Size = nullptr;

    // The page of the language list shown (1-based), the language files found (names with
    // their ".lng"), and the language chosen in this window.
    Integer Show_Page = 1;
    std::vector<String> SL_Languages;
    String Language_In_Use;

    static constexpr Integer Client_Width = 509;
    static constexpr Integer Client_Height = 373;

private:
    void FormShow();
    void Build_Language_Page();
    void Build_Connection_Page();
    void Build_Settings_Page();
    TCheckBox* New_Check_Box(TTabSheet* Page, StringView Name, TPoint At);
    Integer Page_Count() const;
    // The language name of an entry of SL_Languages (without ".lng").
    String Entry_Name(Integer Index) const;
    void Show_Flag(Integer Slot, const String& Name);
};

extern TFSoftOptions* FSoftOptions;

}  // namespace gw
