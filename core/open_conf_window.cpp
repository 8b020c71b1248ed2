// The Open configuration window: the folders under PROJECTS, the open one chosen first.
#include "core/open_conf_window.h"

#include "core/program_state.h"
#include "imagebutton/img_button.h"
#include "platform/controls/label.h"
#include "platform/controls/list_box.h"

namespace gw {

TFOpenConf* FOpenConf = nullptr;

TFOpenConf::TFOpenConf(TComponent* AOwner) : TLangForm(AOwner, u"FOpenConf", Client_Width, Client_Height)
{
    Build_Title(P_Title, L_SW_Code, L_SW_Desc);
    Label1 = New_Label(this, this, u"Label1", {16, 62});
    ListBox1 = new TListBox(this);
    ListBox1->SetName(u"ListBox1");
    ListBox1->SetParent(this);
    ListBox1->SetBounds(16, 80, Client_Width - 32, 214);
    ListBox1->SetShowHint(true);
    ListBox1->SetTabOrder(0);
    ListBox1->OnClick = [this](TObject*) { ListBox1Click(); };
    Build_Buttons(P_Button, Btn_OK, Btn_Cancel, mrOk);
    OnCreate = [this](TObject*) { Set_Lang(); };
    OnShow = [this](TObject*) { FormShow(); };
}

TFOpenConf::~TFOpenConf()
{
    if (FOpenConf == this) FOpenConf = nullptr;
}

void TFOpenConf::Set_Lang()
{
    SetCaption(Lang(200));
    L_SW_Desc->SetCaption(Lang(201));
    Label1->SetCaption(Lang(202));
    Btn_OK->SetCaption(Lang(203));
    Btn_Cancel->SetCaption(Lang(204));
    ListBox1->Hint = Lang(205);
    Btn_OK->Hint = Lang(206);
    Btn_Cancel->Hint = Lang(207);
}

void TFOpenConf::Load_Existing_Configuration() { SL = ProgramState.Load_Existing_Configuration(); }

void TFOpenConf::FormShow()
{
    Load_Existing_Configuration();
    ListBox1->Items()->Clear();
    for (const String& name : SL) ListBox1->Items()->Add(name);
    const Integer first = ProgramState.Open_Preselection(SL);
    ListBox1->SetItemIndex(first);
    Name_Conf = first >= 0 ? SL[static_cast<size_t>(first)] : String();
    if (ListBox1->CanFocus()) ListBox1->SetFocus();
}

void TFOpenConf::ListBox1Click()
{
    const Integer index = ListBox1->ItemIndex();
    if (index >= 0 && index < ListBox1->Count()) Name_Conf = ListBox1->Items()->Strings(index);
}

}  // namespace gw
