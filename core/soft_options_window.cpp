// The options window: language pages with flags, connection switches and the update check.
#include "core/soft_options_window.h"

#include "core/main_window.h"
#include "core/program_state.h"
#include "imagebutton/img_button.h"
#include "platform/controls/check_box.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/page_control.h"
#include "platform/net/shell_open.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/files.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/strings.h"
#include "platform/ui/dialogs.h"

#include <algorithm>

namespace gw {

TFSoftOptions* FSoftOptions = nullptr;

namespace {

constexpr StringView Lang_Extension = u".lng";
constexpr Integer Flag_Size = 48;
constexpr std::array<Integer, 3> Slot_Tops = {40, 94, 148};
constexpr std::array<Integer, 2> Slot_Lefts = {16, 250};

TTabSheet* New_Page(TPageControl* Control, StringView Name)
{
    auto* page = new TTabSheet(Control->Owner());
    page->SetName(String(Name));
    page->SetPageControl(Control);
    page->SetColor(Configurator_Face_Color);
    return page;
}

}  // namespace

TFSoftOptions::TFSoftOptions(TComponent* AOwner) : TLangForm(AOwner, u"FSoftOptions", Client_Width, Client_Height)
{
    Build_Title(P_Title, L_SW_Code, L_SW_Desc);
    Build_Buttons(P_Button, Btn_OK, Btn_Cancel, mrNone);
    Btn_OK->OnClick = [this](TObject*) { Btn_OKClick(); };
    PC_Options = new TPageControl(this);
    PC_Options->SetName(u"PC_Options");
    PC_Options->SetParent(this);
    PC_Options->SetAlign(alClient);
    Build_Language_Page();
    Build_Connection_Page();
    Build_Settings_Page();
    OnCreate = [this](TObject*) {
        TS_Con_Options->SetTabVisible(true);
        Set_Lang();
    };
    OnShow = [this](TObject*) { FormShow(); };
}

TFSoftOptions::~TFSoftOptions()
{
    if (FSoftOptions == this) FSoftOptions = nullptr;
}

void TFSoftOptions::Build_Language_Page()
{
    TS_Language = New_Page(PC_Options, u"TS_Language");
    L_Sel_Lang = New_Label(this, TS_Language, u"L_Sel_Lang", {16, 12});
    for (Integer k = 0; k < Slots_Per_Page; ++k) {
        const TPoint at{Slot_Lefts[size_t(k / 3)], Slot_Tops[size_t(k % 3)]};
        I_L[k] = new TImage(this);
        I_L[k]->SetName(u"I_L" + IntToStr(k + 1));
        I_L[k]->SetParent(TS_Language);
        I_L[k]->SetBounds(at.X, at.Y, Flag_Size, Flag_Size);
        I_L[k]->SetStretch(true);
        I_L[k]->SetCursor(crHandPoint);
        I_L[k]->OnClick = [this, k](TObject*) { LangClick(k); };
        L_L[k] = New_Label(this, TS_Language, u"L_L" + IntToStr(k + 1), {at.X + Flag_Size + 10, at.Y + 16});
        L_L[k]->SetCursor(crHandPoint);
        L_L[k]->OnClick = [this, k](TObject*) { LangClick(k); };
    }
    L_Page_Lang = New_Label(this, TS_Language, u"L_Page_Lang", {16, 214});
    Btn_Prev = New_Img_Button(this, TS_Language, u"Btn_Prev", Bounds(250, 206, 100, 28));
    Btn_Next = New_Img_Button(this, TS_Language, u"Btn_Next", Bounds(362, 206, 100, 28));
    Btn_Prev->OnClick = [this](TObject* Sender) { Btn_NextClick(Sender); };
    Btn_Next->OnClick = [this](TObject* Sender) { Btn_NextClick(Sender); };
}

TCheckBox* TFSoftOptions::New_Check_Box(TTabSheet* Page, StringView Name, TPoint At)
{
    auto* box = new TCheckBox(this);
    box->SetName(String(Name));
    box->SetParent(Page);
    box->SetBounds(At.X, At.Y, Client_Width - At.X - 24, 20);
    box->OnClick = [this](TObject*) { Update_CheckBox(); };
    return box;
}

void TFSoftOptions::Build_Connection_Page()
{
    TS_Con_Options = New_Page(PC_Options, u"TS_Con_Options");
    TS_Con_Options->SetTabVisible(false);
    CB_En_Con = New_Check_Box(TS_Con_Options, u"CB_En_Con", {16, 20});
    CB_Update = New_Check_Box(TS_Con_Options, u"CB_Update", {36, 48});
    Btn_Check_Update = New_Img_Button(this, TS_Con_Options, u"Btn_Check_Update", Bounds(16, 90, 240, 30));
    Btn_Check_Update->OnClick = [this](TObject*) { Btn_Check_UpdateClick(); };
    LL_Check_Update = new TLinkLabel(this);
    LL_Check_Update->SetName(u"LL_Check_Update");
    LL_Check_Update->SetParent(TS_Con_Options);
    LL_Check_Update->SetBounds(16, 136, 440, 17);
    LL_Check_Update->SetVisible(false);
    LL_Check_Update->OnLinkClick = [this](TObject*, const String& Link, TSysLinkType) {
        LL_Check_UpdateLinkClick(Link);
    };
}

void TFSoftOptions::Build_Settings_Page()
{
    TS_Soft_Settings = New_Page(PC_Options, u"TS_Soft_Settings");
    CB_Soft_Set_Jump_Table = New_Check_Box(TS_Soft_Settings, u"CB_Soft_Set_Jump_Table", {16, 20});
    CB_DoubleClick_Auto_Size = New_Check_Box(TS_Soft_Settings, u"CB_DoubleClick_Auto_Size", {16, 48});
}

void TFSoftOptions::Set_Lang()
{
    SetCaption(Lang(300));
    L_SW_Desc->SetCaption(Lang(301));
    TS_Language->SetCaption(Lang(302));
    TS_Con_Options->SetCaption(Lang(303));
    TS_Soft_Settings->SetCaption(Lang(319));
    L_Sel_Lang->SetCaption(Lang(304));
    L_Page_Lang->SetCaption(Lang(305) + u"1" + Lang(306) + u"1");
    Btn_Prev->SetCaption(Lang(307));
    Btn_Next->SetCaption(Lang(308));
    CB_En_Con->SetCaption(Lang(309));
    CB_Update->SetCaption(Lang(310));
    Btn_Check_Update->SetCaption(Lang(311));
    Btn_OK->SetCaption(Lang(312));
    Btn_Cancel->SetCaption(Lang(313));
    CB_Soft_Set_Jump_Table->SetCaption(Lang(320));
    CB_DoubleClick_Auto_Size->SetCaption(Lang(321));
}

void TFSoftOptions::FormShow()
{
    const TProgramState& s = ProgramState;
    Language_In_Use = s.Language_Name;
    Create_Lang_List();
    Update_CheckBox();
    LL_Check_Update->SetVisible(false);
    PC_Options->SetActivePage(TS_Language);
    CB_En_Con->SetChecked(s.Internet_Enabled);
    CB_Update->SetChecked(s.Update_Enabled);
    CB_Soft_Set_Jump_Table->SetChecked(s.Jump_Field_Enabled);
    CB_DoubleClick_Auto_Size->SetChecked(s.Auto_Size_Enabled);
}

void TFSoftOptions::Create_Lang_List()
{
    SL_Languages.clear();
    TSearchRec rec;
    // Hidden and system files count; folders and files the user cannot write do not.
    if (FindFirst(ProgramState.Language_Dir + PathDelim + u"*" + String(Lang_Extension), faHidden | faSysFile, rec) ==
        0) {
        do {
            if ((rec.Attr & (faDirectory | faReadOnly)) == 0 && rec.Name.ends_with(Lang_Extension))
                SL_Languages.push_back(rec.Name);
        } while (FindNext(rec) == 0);
        FindClose(rec);
    }
    std::stable_sort(SL_Languages.begin(), SL_Languages.end(),
                     [](const String& a, const String& b) { return AnsiCompareText(a, b) < 0; });
    Show_Page = 1;
    Update_Lang_Page(1);
}

Integer TFSoftOptions::Page_Count() const
{
    return (static_cast<Integer>(SL_Languages.size()) + Slots_Per_Page - 1) / Slots_Per_Page;
}

String TFSoftOptions::Entry_Name(Integer Index) const
{
    const String& entry = SL_Languages.at(static_cast<size_t>(Index));
    return entry.substr(0, entry.size() - Lang_Extension.size());
}

void TFSoftOptions::Update_Lang_Page(Integer Num_Page)
{
    const Integer pages = Page_Count();
    L_Sel_Lang->SetCaption(Lang(304) + Language_In_Use);
    L_Page_Lang->SetCaption(Lang(305) + IntToStr(Num_Page) + Lang(306) + IntToStr(pages));
    Btn_Prev->SetVisible(Num_Page != 1);
    Btn_Next->SetVisible(Num_Page != pages);
    const Integer shown =
        std::min<Integer>(static_cast<Integer>(SL_Languages.size()) - Slots_Per_Page * (Num_Page - 1), Slots_Per_Page);
    for (Integer k = 0; k < Slots_Per_Page; ++k) {
        I_L[k]->SetVisible(k < shown);
        L_L[k]->SetVisible(k < shown);
        if (k >= shown) continue;
        const String name = Entry_Name((Num_Page - 1) * Slots_Per_Page + k);
        L_L[k]->SetCaption(name);
        Show_Flag(k, name);
    }
}

void TFSoftOptions::Show_Flag(Integer Slot, const String& Name)
{
    const String dir = ProgramState.Language_Dir + PathDelim;
    for (const String& file : {dir + Name + u".bmp", dir + u"DefaultFlag.bmp"}) {
        if (!FileExists(file)) continue;
        try {
            I_L[Slot]->Picture()->LoadFromFile(file);
            return;
        } catch (const Exception&) {
            // A picture that cannot be read is no picture: the next one, or none, serves.
        }
    }
    I_L[Slot]->Picture()->SetGraphic(nullptr);
    I_L[Slot]->SetVisible(false);
}

void TFSoftOptions::Btn_NextClick(TObject* Sender)
{
    if (Sender == Btn_Next && Page_Count() >= Show_Page + 1)
        ++Show_Page;
    else if (Sender == Btn_Prev && Show_Page - 1 >= 1)
        --Show_Page;
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::LangClick(Integer Slot)
{
    const String chosen = Entry_Name((Show_Page - 1) * Slots_Per_Page + Slot);
    if (MessageDlg(Lang(316) + Language_In_Use + Lang(317) + chosen + Lang(318), mtConfirmation, mbYesNo) != mrYes)
        return;
    Language_In_Use = chosen;
    {
        // The texts change now; the stored language only on OK.
        TTemporaryChange keep(ProgramState.Language_Name, chosen);
        ProgramState.Load_Language();
    }
    if (FPlenatoreFirmWare) FPlenatoreFirmWare->Change_Language();
    // The re-labelling reset the page label to page 1: the language line and the page shown
    // come back in the new texts.
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::Update_CheckBox()
{
    CB_Update->SetEnabled(CB_En_Con->Checked());
    Btn_Check_Update->SetEnabled(CB_Update->Enabled() && CB_Update->Checked());
}

void TFSoftOptions::Btn_Check_UpdateClick()
{
    if (FPlenatoreFirmWare && FPlenatoreFirmWare->Check_Version())
        LL_Check_Update->SetCaption(Download_Link_Caption(FPlenatoreFirmWare->Web_Host, Lang(314)));
    else
        LL_Check_Update->SetCaption(Lang(315));
    LL_Check_Update->SetVisible(true);
}

void TFSoftOptions::LL_Check_UpdateLinkClick(const String& Link) { ShellOpen(Link); }

void TFSoftOptions::Btn_OKClick()
{
    TProgramState& s = ProgramState;
    s.Language_Name = Language_In_Use;
    s.Internet_Enabled = CB_En_Con->Checked();
    s.Update_Enabled = CB_Update->Checked();
    if (FPlenatoreFirmWare) FPlenatoreFirmWare->Update_Timer_Switch();
    s.Jump_Field_Enabled = CB_Soft_Set_Jump_Table->Checked();
    s.Auto_Size_Enabled = CB_DoubleClick_Auto_Size->Checked();
    ModalResult = mrOk;
}

}  // namespace gw
