// TExtStringGrid: opening and committing the date, time, date-and-time, button-edit, unit and
// button editors, the editors made with the grid or on first use.
#include "grid/foundation/mouse_actions.h"
#include "grid/interaction/ext_rich_edit.h"
#include "grid/interaction/grid_button.h"
#include "grid/interaction/grid_date_pickers.h"
#include "grid/interaction/grid_edit_buttons.h"
#include "grid/model/ext_string_grid.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/font.h"
#include "platform/runtime/datetime.h"
#include "platform/runtime/format_settings.h"
#include "platform/ui/window_system.h"

namespace gw {

namespace {

// The cell's rectangle less its grid lines.
TRect EditorBounds(const TRect& Cell) { return Rect(Cell.Left, Cell.Top, Cell.Right - 1, Cell.Bottom - 1); }

template <class T>
T* MakeHidden(TExtStringGrid* Grid)
{
    auto* control = new T(Grid);
    control->SetVisible(false);
    control->SetParent(Grid);
    return control;
}

// A date as the date editor opens it: the current date and time for an empty or unreadable
// text, kept one day inside a set MaxDate and MinDate. A host's own reading of the text starts
// from the current date and time and is taken as it is.
TDateTime OpeningDate(const String& Text, TDateTime MinDate, TDateTime MaxDate,
                      const std::function<void(TObject*, const String&, TDateTime&)>& CustomStrToDate, TObject* Sender)
{
    if (CustomStrToDate) {
        TDateTime custom = Now();
        CustomStrToDate(Sender, Text, custom);
        return custom;
    }
    TDateTime value = 0;
    if (Text.empty() || !TryStrToDateTime(Text, value)) return Now();
    if (MaxDate != 0 && MaxDate < value) value = MaxDate - 1;
    if (MinDate != 0 && MinDate >= value) value = MinDate + 1;
    return value;
}

void Place(TWinControl& Control, const TRect& R)
{
    Control.SetBounds(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top);
}

void ShowFocused(TWinControl& Control, TColor Colour)
{
    Control.SetEnabled(true);
    Control.SetVisible(true);
    Control.SetColor(Colour);
    if (Control.CanFocus()) Control.SetFocus();
}

// A hidden editor that had the focus gives it back to its grid, not to the form's next control.
void Conceal(TWinControl& Control)
{
    TWinControl* grid = Control.Parent();
    if (Control.Focused() && grid && grid->CanFocus()) grid->SetFocus();
    Control.SetEnabled(false);
    Control.SetVisible(false);
}

}  // namespace

// The edit-with-button editors and the cell button are made on first use, like the pickers.
TGridEditBtn* TExtStringGrid::ButtonEditor()
{
    if (!EditBtn) EditBtn = MakeHidden<TGridEditBtn>(this);
    return EditBtn;
}

TGridUnitEditBtn* TExtStringGrid::UnitButtonEditor()
{
    if (UnitEditBtn) return UnitEditBtn;
    UnitEditBtn = MakeHidden<TGridUnitEditBtn>(this);
    UnitEditBtn->OnUnitChanged = [this](TObject* Sender, const String& AUnit) { UnitChangedRelay(Sender, AUnit); };
    return UnitEditBtn;
}

TGridButton* TExtStringGrid::CellButton()
{
    if (GridButton) return GridButton;
    GridButton = MakeHidden<TGridButton>(this);
    GridButton->OnClick = [this](TObject* Sender) { GridButtonClick(Sender); };
    return GridButton;
}

void TExtStringGrid::FreeButtonEditors()
{
    delete EditDate;
    EditDate = nullptr;
    delete EditDateTime;
    EditDateTime = nullptr;
    delete InplaceRichEdit;
    InplaceRichEdit = nullptr;
    delete HiddenRichEdit;
    HiddenRichEdit = nullptr;
    delete EditBtn;
    EditBtn = nullptr;
    delete UnitEditBtn;
    UnitEditBtn = nullptr;
    delete GridButton;
    GridButton = nullptr;
}

TGridDatePicker* TExtStringGrid::DatePicker()
{
    if (EditDate) return EditDate;
    EditDate = MakeHidden<TGridDatePicker>(this);
    EditDate->OnChange = [this](TObject* Sender) { DateEditorChange(Sender); };
    EditDate->OnDropDown = [this](TObject* Sender) { DateEditorDropDown(Sender); };
    EditDate->OnCloseUp = [this](TObject* Sender) { DateEditorCloseUp(Sender); };
    return EditDate;
}

TGridDateTimePicker* TExtStringGrid::DateAndTimePicker()
{
    if (EditDateTime) return EditDateTime;
    EditDateTime = MakeHidden<TGridDateTimePicker>(this);
    EditDateTime->OnChange = [this](TObject* Sender) { DateAndTimeEditorChange(Sender); };
    return EditDateTime;
}

bool TExtStringGrid::OpenDateButtonOrRichEditor(Integer ACol, Integer ARow)
{
    const TRect cell = EditorBounds(CellRect(ACol, ARow));
    TBrush brush;
    TFont font;
    TCellLook look;
    TGridDrawState state = 0;
    GetVisualProperties(ACol, ARow, state, false, false, true, brush, font, look);
    const TColor colour = brush.Color();
    switch (EditControl) {
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn: OpenEditBtn(ACol, ARow, cell, colour); return true;
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn: OpenUnitEditBtn(ACol, ARow, cell, colour); return true;
    case edDateEdit:
    case edDateEditUpDown:
    case edTimeEdit:
        FEditMode = true;
        if (DateEditorsAvailable()) OpenDatePicker(ACol, ARow, cell, colour);
        return true;
    case edDateTimeEdit:
        FEditMode = true;
        if (DateEditorsAvailable()) OpenDateTimePicker(ACol, ARow, cell, colour);
        return true;
    case edButton: OpenGridButton(ACol, ARow, cell); return true;
    case edRichEdit: OpenRichEditor(ACol, ARow, cell, colour); return true;
    case edCustom:
        if (EditLink) OpenEditLink(ACol, ARow, CellRect(ACol, ARow), colour, font);
        return true;
    default: return false;
    }
}

void TExtStringGrid::PostStartChar(TWinControl& Editor)
{
    if (FStartEditChar != 0) PostMessage(Editor.Handle(), WM_CHAR, WPARAM(FStartEditChar), 0);
    EditCtrl = &Editor;
}

void TExtStringGrid::OpenEditBtn(Integer ACol, Integer ARow, const TRect& Cell, TColor Colour)
{
    FEditMode = true;
    TGridEditBtn& edit = *ButtonEditor();
    edit.ReCreate();
    edit.SetBounds(Cell.Left, Cell.Top, Cell.Right - Cell.Left, edit.Height());
    edit.SetText(GetEditText(ACol, ARow));
    edit.SetMaxLength(GetEditLimit());
    ShowFocused(edit, Colour);
    edit.SetHeight(Cell.Bottom - Cell.Top);
    edit.SetEditMask(EditControl == edMaskEditBtn ? GetEditMask(RealColIndex(ACol), ARow) : String());
    PostStartChar(edit);
}

void TExtStringGrid::OpenUnitEditBtn(Integer ACol, Integer ARow, const TRect& Cell, TColor Colour)
{
    FEditMode = true;
    TGridUnitEditBtn& edit = *UnitButtonEditor();
    edit.ReCreate();
    edit.ResetEscaped();
    edit.SetBounds(Cell.Left, Cell.Top, Cell.Right - Cell.Left, edit.Height());
    edit.SetMaxLength(GetEditLimit());
    edit.LoadValue(GetEditText(ACol, ARow));
    DoGetEditorProp(RealColIndex(ACol), ARow);
    ShowFocused(edit, Colour);
    edit.SetHeight(Cell.Bottom - Cell.Top);
    PostStartChar(edit);
}

void TExtStringGrid::OpenDatePicker(Integer ACol, Integer ARow, const TRect& Cell, TColor Colour)
{
    TGridDatePicker& picker = *DatePicker();
    picker.ReCreate();
    picker.ResetEscaped();
    const String text = GetEditText(ACol, ARow);
    const bool time = EditControl == edTimeEdit;
    picker.SetKind(time ? dtkTime : dtkDate);
    // A value set checks the box, as the platform's own picker does; an unchecked value of an
    // earlier edit does not carry over.
    picker.SetChecked(true);
    if (time) {
        TDateTime value = 0;
        picker.SetTime(TryStrToTime(text, value) ? value : Now());
    } else {
        picker.SetDate(OpeningDate(text, picker.MinDate(), picker.MaxDate(), OnCustomStrToDate, this));
        picker.SetDateMode(EditControl == edDateEditUpDown ? dmUpDown : dmComboBox);
    }
    DoGetEditorProp(RealColIndex(ACol), ARow);
    Place(picker, Cell);
    ShowFocused(picker, Colour);
    if (time) {
        EditCtrl = &picker;
        return;
    }
    if (m_mouseActions->DirectDateDrop) picker.Perform(WM_KEYDOWN, VK_F4, 0);
    PostStartChar(picker);
}

void TExtStringGrid::OpenDateTimePicker(Integer ACol, Integer ARow, const TRect& Cell, TColor Colour)
{
    TGridDateTimePicker& picker = *DateAndTimePicker();
    picker.ReCreate();
    picker.ResetEscaped();
    TDateTime value = 0;
    if (!TryStrToDateTime(GetEditText(ACol, ARow), value)) value = Now();
    FOriginalDateTime = value;
    picker.SetKind(dkDateTime);
    picker.SetChecked(true);
    picker.SetDateTime(value);
    picker.SetBorderStyle(bsNone);
    picker.SetBounds(Cell.Left, Cell.Top, Cell.Right - Cell.Left, std::max(picker.Height(), Cell.Bottom - Cell.Top));
    DoGetEditorProp(RealColIndex(ACol), ARow);
    ShowFocused(picker, Colour);
}

void TExtStringGrid::OpenGridButton(Integer ACol, Integer ARow, const TRect& Cell)
{
    FEditMode = true;
    TGridButton& button = *CellButton();
    button.ReCreate();
    button.SetBounds(Cell.Left - 1, Cell.Top - 1, Cell.Right - Cell.Left + 2, Cell.Bottom - Cell.Top + 2);
    button.SetCaption(GetEditText(ACol, ARow));
    button.SetVisible(true);
    button.SetEnabled(true);
    if (button.CanFocus()) button.SetFocus();
}

bool TExtStringGrid::CommitDateButtonOrRichEditor()
{
    switch (EditControl) {
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn:
        if (FEditMode) {
            FEditMode = false;
            WriteEditedCell(ButtonEditor()->Text());
            Conceal(*ButtonEditor());
        }
        return true;
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn: {
        TGridUnitEditBtn& edit = *UnitButtonEditor();
        WriteEditedCell(edit.Escaped() ? FCellCache : edit.TextAndUnit());
        Conceal(edit);
        FEditMode = false;
        return true;
    }
    case edDateEdit:
    case edDateEditUpDown:
    case edTimeEdit: CommitDatePicker(); return true;
    case edDateTimeEdit: CommitDateTimePicker(); return true;
    case edButton:
        Conceal(*CellButton());
        FEditMode = false;
        return true;
    case edRichEdit: CommitRichEditor(); return true;
    case edCustom: CommitEditLink(); return true;
    default: return false;
    }
}

void TExtStringGrid::CommitDatePicker()
{
    FEditMode = false;
    if (!DateEditorsAvailable() || !EditDate) return;
    TGridDatePicker& picker = *EditDate;
    String text;
    if (picker.Escaped())
        text = FCellCache;
    else if (EditControl == edTimeEdit || picker.Checked())
        text = picker.DisplayText();
    WriteEditedCell(text);
    Conceal(picker);
    if (TMonthCalendar* calendar = picker.Calendar()) calendar->SetVisible(false);
}

void TExtStringGrid::CommitDateTimePicker()
{
    FEditMode = false;
    if (!DateEditorsAvailable() || !EditDateTime) return;
    TGridDateTimePicker& picker = *EditDateTime;
    String text;
    if (picker.Escaped())
        text = FCellCache;
    else if (picker.Checked())
        text =
            FormatDateTime(FormatSettings.ShortDateFormat + u" " + FormatSettings.ShortTimeFormat, picker.DateTime());
    WriteEditedCell(text);
    Conceal(picker);
}

}  // namespace gw
