// TExtStringGrid: opening and committing an edCustom cell through the host's editor link, in the
// cell or in the pop-up form "gridform".
#include "grid/interaction/edit_link.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"
#include "platform/ui/window_system.h"

namespace gw {

TForm* TExtStringGrid::MakeLinkPopupForm(TPoint At)
{
    // One pop-up form per link, owned by the application under one name.
    delete Application->FindComponent(u"gridform");
    auto* form = new TForm(Application);
    form->SetName(u"gridform");
    form->OnDeactivate = [link = EditLink](TObject* Sender) { link->FormExit(Sender); };
    form->SetBounds(At.X, At.Y, 0, 0);
    form->FormStyle = fsStayOnTop;
    form->SetBorderStyle(bsNone);
    form->Show();
    return form;
}

void TExtStringGrid::OpenEditLink(Integer ACol, Integer ARow, const TRect& Cell, TColor Colour, TFont& Font)
{
    TEditLink& link = *EditLink;
    FEditMode = true;
    const Integer real = RealColIndex(ACol);
    link.Attach(this, {real, ARow});
    if (link.EditStyle == esPopup) {
        if (link.AutoPopupWidth) link.PopupWidth = Cell.Right - Cell.Left;
        const TPoint corner = ClientToScreen({Cell.Left, Cell.Top});
        const TPoint at = link.PopupLeft == -1 || link.PopupTop == -1 ? corner : TPoint{link.PopupLeft, link.PopupTop};
        if (!link.PopupForm()) link.SetPopupForm(MakeLinkPopupForm(at));
        TForm& form = *link.PopupForm();
        form.SetBounds(at.X, at.Y, 0, 0);
        form.Show();
        form.SetBounds(at.X, at.Y, link.PopupWidth, link.PopupHeight);
        link.FreeEndedEditor();
        link.CreateEditor(&form);
        link.SetRect(Rect(0, 0, link.PopupWidth, link.PopupHeight));
    } else {
        link.CreateEditor(this);
        link.SetRect(Cell);
    }
    link.SetVisible(true);
    link.SetCellProps(Colour, &Font);
    link.SetProperties();
    DoGetEditorProp(real, ARow);
    link.SetEditorValue(GetEditText(ACol, ARow));
    const Char startChar = FStartEditChar;
    link.SetFocus(true);
    FEditActive = true;
    FStartEditChar = startChar;
    TWinControl* control = link.GetEditControl();
    if (FStartEditChar != 0 && control) PostMessage(control->Handle(), WM_CHAR, WPARAM(FStartEditChar), 0);
    EditCtrl = control;
}

void TExtStringGrid::CommitEditLink()
{
    if (ControlLook()->DropDownAlwaysVisible()) QueryEditorType(Col(), GetRowEx(), EditControl);
    if (!EditLink) return;
    WriteEditedCell(EditLink->GetEditorValue());
    if (EditLink->EditStyle != esPopup) EditLink->SetVisible(false);
    EditLink->RestoreWinProc();
    FEditMode = false;
}

}  // namespace gw
