// The New configuration window: the name as typed, checked and created under PROJECTS.
#include "core/new_project_window.h"

#include "core/program_state.h"
#include "imagebutton/img_button.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/ui/dialogs.h"

namespace gw {

TFNew_Project* FNew_Project = nullptr;

TFNew_Project::TFNew_Project(TComponent* AOwner) : TLangForm(AOwner, u"FNew_Project", Client_Width, Client_Height)
{
    Build_Title(P_Title, L_SW_Code, L_SW_Desc);
    Label1 = New_Label(this, this, u"Label1", {16, 66});
    E_New_Proj = new TEdit(this);
    E_New_Proj->SetName(u"E_New_Proj");
    E_New_Proj->SetParent(this);
    E_New_Proj->SetBounds(16, 84, Client_Width - 32, 22);
    E_New_Proj->SetShowHint(true);
    E_New_Proj->SetTabOrder(0);
    // Enter confirms the name, as the OK button does.
    E_New_Proj->OnKeyPress = [this](TObject*, Char& Key) {
        if (Key != u'\r') return;
        Key = 0;
        Btn_OKClick();
    };
    Build_Buttons(P_Button, Btn_OK, Btn_Cancel, mrNone);
    Btn_OK->OnClick = [this](TObject*) { Btn_OKClick(); };
    OnCreate = [this](TObject*) { Set_Lang(); };
    OnShow = [this](TObject*) { FormShow(); };
}

TFNew_Project::~TFNew_Project()
{
    if (FNew_Project == this) FNew_Project = nullptr;
}

void TFNew_Project::Set_Lang()
{
    SetCaption(Lang(100));
    L_SW_Desc->SetCaption(Lang(101));
    Label1->SetCaption(Lang(102));
    Btn_OK->SetCaption(Lang(103));
    Btn_Cancel->SetCaption(Lang(104));
    E_New_Proj->Hint = Lang(108);
    Btn_OK->Hint = Lang(109);
    Btn_Cancel->Hint = Lang(110);
}

void TFNew_Project::FormShow()
{
    E_New_Proj->SetText(String());
    if (E_New_Proj->CanFocus()) E_New_Proj->SetFocus();
}

void TFNew_Project::Btn_OKClick()
{
    const TNewProjectResult result = ProgramState.New_Project(E_New_Proj->Text());
    if (result != TNewProjectResult::npCreated) {
        // The refusal is the number of its text; the window stays open for another name.
        MessageDlg(Lang(static_cast<Integer>(result)), mtError, mbOK);
        return;
    }
    ModalResult = mrOk;
}

}  // namespace gw
