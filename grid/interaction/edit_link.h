// TEditLink: through a link any control serves as the in-place editor of edCustom cells, in the
// cell or in a borderless pop-up form under it. A descendant creates the control and moves values
// between it and the grid as text; the link hands its navigation keys on to the grid.
#pragma once

#include "platform/runtime/component.h"
#include "platform/ui/control.h"

namespace gw {

class TExtStringGrid;
class TForm;
class TFont;
class TWinControl;

enum TEditStyle { esInplace, esPopup };

class TEditLink : public TComponent {
public:
    explicit TEditLink(TComponent* AOwner);
    ~TEditLink() override;
    String ClassName() const override { return u"TEditLink"; }

    // The grid and the cell (real column, row) being edited; set by the grid before each edit.
    TExtStringGrid* Grid() const { return FOwner; }
    TPoint EditCell() const { return FEditCell; }
    void Attach(TExtStringGrid* AGrid, TPoint ACell);

    // The keys a link leaves to its editor control.
    bool WantKeyLeftRight = false;
    bool WantKeyUpDown = false;
    bool WantKeyHomeEnd = false;
    bool WantKeyPriorNext = false;
    bool WantKeyReturn = false;
    bool WantKeyEscape = false;
    bool WantTabs = false;
    // Kept for the host; the link does not read it.
    bool WantReturns = false;
    TEditStyle EditStyle = esInplace;
    Integer PopupWidth = 100;
    Integer PopupHeight = 100;
    // The pop-up takes the cell's width.
    bool AutoPopupWidth = false;
    // Screen position of the pop-up; -1 in either places it at the cell's top-left corner.
    Integer PopupLeft = -1;
    Integer PopupTop = -1;
    Integer Tag = 0;

    // The pop-up form, made by the grid on the link's first pop-up edit.
    TForm* PopupForm() const { return FPopupForm; }
    void SetPopupForm(TForm* Form) { FPopupForm = Form; }

    // The key protocol; a descendant makes it its editor's key-down handler.
    virtual void EditKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    virtual TWinControl* GetEditControl() { return nullptr; }
    virtual void CreateEditor(TWinControl* /*AParent*/) {}
    virtual void DestroyEditor() {}
    // True: the control shown, enabled, redirected through the grid (in the cell) and focused;
    // false: the grid focused.
    virtual void SetFocus(bool Value);
    // The control at R less the grid lines.
    virtual void SetRect(const TRect& R);
    virtual void SetVisible(bool Value);
    virtual void SetProperties() {}
    virtual void SetCellProps(TColor /*AColor*/, TFont* /*AFont*/) {}
    virtual String GetEditorValue() { return {}; }
    virtual void SetEditorValue(const String& /*S*/) {}

    // The editor's exit handler: ends the edit; in the pop-up style hides the form, the editor
    // freed before the next edit.
    void EditExit(TObject* Sender);
    // The pop-up form's deactivation: the value is written; unless the link itself moved the
    // focus, the edit ends too.
    void FormExit(TObject* Sender);
    void HideEditor();
    String GetCellValue();
    void SetCellValue(const String& S);
    TWinControl* GetParent();
    // Gives the editor control back its own window procedure and hides its window.
    void RestoreWinProc();
    bool ForcedExit() const { return FForcedExit; }
    // Frees the editor of the last pop-up edit; the grid calls it before the next one.
    void FreeEndedEditor();

private:
    // The grid takes the focus, the link marking the move as its own.
    void FocusGridForced();
    // True when the key is one the link acts on.
    bool Acts(Word Key, TShiftState Shift) const;

    TExtStringGrid* FOwner = nullptr;
    TForm* FPopupForm = nullptr;
    TPoint FEditCell{-1, -1};
    bool FForcedExit = false;
    bool FSubClassed = false;
    bool FDestroyPending = false;
    TWndMethod FSavedWndProc;
};

}  // namespace gw
