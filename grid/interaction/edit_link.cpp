// TEditLink: the base of the grid's application-supplied editors - key protocol, focus and
// window-procedure redirection, exit and the pop-up form's deactivation.
#include "grid/interaction/edit_link.h"

#include "grid/foundation/navigation.h"
#include "grid/interaction/editor_grid_access.h"
#include "grid/model/ext_string_grid.h"
#include "platform/grids/inplace_edit.h"
#include "platform/runtime/scope.h"
#include "platform/ui/forms.h"
#include "platform/ui/window_system.h"

namespace gw {

using Access = TSpecialEditorAccess;

TEditLink::TEditLink(TComponent* AOwner) : TComponent(AOwner) {}

TEditLink::~TEditLink() = default;

void TEditLink::Attach(TExtStringGrid* AGrid, TPoint ACell)
{
    FOwner = AGrid;
    FEditCell = ACell;
}

TWinControl* TEditLink::GetParent()
{
    if (EditStyle == esPopup && FPopupForm) return FPopupForm;
    return FOwner;
}

String TEditLink::GetCellValue() { return FOwner->GetCellEx(FOwner->RealColIndex(FOwner->Col()), FOwner->GetRowEx()); }

void TEditLink::SetCellValue(const String& S) { Access::WriteEditedCell(*FOwner, S); }

void TEditLink::SetRect(const TRect& R)
{
    TWinControl* control = GetEditControl();
    if (!control) return;
    const Integer line = FOwner->GridLineWidth();
    control->SetBounds(R.Left, R.Top, R.Right - R.Left - line, R.Bottom - R.Top - line);
}

void TEditLink::SetVisible(bool Value)
{
    if (TWinControl* control = GetEditControl()) control->SetVisible(Value);
}

void TEditLink::SetFocus(bool Value)
{
    TWinControl* control = GetEditControl();
    if (Value && control) {
        if (!control->Visible()) control->SetVisible(true);
        if (!control->Enabled()) control->SetEnabled(true);
        if (EditStyle == esInplace && !FSubClassed) {
            FSavedWndProc = control->WindowProc;
            control->WindowProc = [this](TMessage& M) { Access::DialogCodeFilter(*FOwner, M, FSavedWndProc); };
            FSubClassed = true;
        }
    }
    if (Value) {
        if (control && control->CanFocus()) control->SetFocus();
    } else {
        Access::FocusGrid(*FOwner);
    }
}

void TEditLink::RestoreWinProc()
{
    if (EditStyle != esInplace) return;
    TWinControl* control = GetEditControl();
    if (!control) return;
    if (FSubClassed) {
        control->WindowProc = FSavedWndProc;
        FSubClassed = false;
    }
    if (control->HandleAllocated()) control->SetVisible(false);
}

void TEditLink::HideEditor()
{
    SetCellValue(GetEditorValue());
    FOwner->HideInplaceEdit();
    RestoreWinProc();
}

void TEditLink::EditExit(TObject* /*Sender*/)
{
    HideEditor();
    if (EditStyle != esPopup || !FPopupForm) return;
    // The editor is often the sender of the message that ends the edit: it is hidden now and
    // freed when the next edit starts, not from under its own handler.
    if (TWinControl* control = GetEditControl()) control->SetVisible(false);
    FDestroyPending = true;
    FPopupForm->Hide();
}

void TEditLink::FreeEndedEditor()
{
    if (!FDestroyPending) return;
    FDestroyPending = false;
    DestroyEditor();
}

void TEditLink::FormExit(TObject* Sender)
{
    if (auto* text = FOwner->InplaceEditor()) text->SetText(GetEditorValue());
    if (FForcedExit) {
        SetCellValue(GetEditorValue());
        return;
    }
    EditExit(Sender);
    // The grid's next focus gain is the pop-up's closing, not the user's: it must not reopen an
    // editor. Once the grid holds the focus already, that gain has passed.
    if (!FOwner->Focused()) Access::SkipNextFocusGain(*FOwner);
}

void TEditLink::FocusGridForced()
{
    const TTemporaryChange forced(FForcedExit, true);
    Access::FocusGrid(*FOwner);
}

bool TEditLink::Acts(Word Key, TShiftState Shift) const
{
    switch (Key) {
    case VK_UP:
    case VK_DOWN: return !WantKeyUpDown;
    case VK_LEFT:
    case VK_RIGHT: return !WantKeyLeftRight;
    case VK_END: return !WantKeyHomeEnd;
    case VK_HOME: return (Shift & ssAlt) && !WantKeyHomeEnd;
    case VK_PRIOR:
    case VK_NEXT: return !WantKeyPriorNext;
    case VK_RETURN: return !WantKeyReturn;
    case VK_ESCAPE: return !WantKeyEscape;
    case VK_TAB: return !WantTabs;
    default: return (Shift & ssAlt) != 0;
    }
}

void TEditLink::EditKeyDown(TObject* /*Sender*/, Word& Key, TShiftState Shift)
{
    if (!FOwner || !Acts(Key, Shift)) return;
    TExtStringGrid& g = *FOwner;
    if (Key == VK_TAB) {
        if (g.Navigation()->TabToNextAtEnd) {
            FocusGridForced();
            g.HideInplaceEdit();
            const Integer col = g.Col(), row = g.GetRowEx();
            Access::TabToNextCell(g, Shift);
            const bool moved = g.Col() != col || g.GetRowEx() != row;
            const Integer real = g.RealColIndex(g.Col());
            if (moved && !g.HasControlGraphic(real, g.GetRowEx())) {
                PostMessage(g.Handle(), WM_KEYDOWN, VK_F2, 0);
                Key = 0;
                return;
            }
        }
        Key = 0;
    }
    if (Key == VK_ESCAPE) SetEditorValue(g.OriginalCellValue());
    FocusGridForced();
    g.HideInplaceEdit();
    if (EditStyle == esPopup) EditExit(this);
    Access::ClearEditMode(g);
    Access::SelectCurrentCell(g);
    if (Access::TakeLastValidationRefusal(g)) {
        g.ShowInplaceEdit();
        return;
    }
    if (Key == VK_RETURN) {
        g.AdvanceToNextCell(g.Col(), g.GetRowEx(), false, true, !(Shift & ssShift), false, true);
        Key = 0;
        return;
    }
    if (Key == VK_ESCAPE) {
        Key = 0;
        return;
    }
    if (Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN) Access::GridKeyDown(g, Key, Shift);
    if (TWinControl* control = GetEditControl()) control->SetEnabled(false);
    FocusGridForced();
}

}  // namespace gw
