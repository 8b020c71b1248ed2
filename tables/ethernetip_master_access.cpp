// The EtherNet/IP slaves table window: layout, texts, load, check, save, row buttons and import.
#include "tables/ethernetip_master_access.h"

#include "core/program_state.h"
#include "core/slaves_file.h"
#include "grid/model/ext_column_grid.h"
#include "imagebutton/img_button.h"
#include "platform/controls/label.h"
#include "platform/controls/panel.h"
#include "platform/graphics/font.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/strings.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/file_dialogs.h"
#include "tables/ethernetip_eds.h"
#include "tables/grid_cell_table.h"
#include "tables/slaves_check.h"
#include "tables/table_operations.h"
#include "tables/table_search_footer.h"

#include <array>

namespace gw {

TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access = nullptr;

namespace {

constexpr Integer Title_Height = 69;
constexpr Integer Button_Panel_Height = 40;
constexpr Integer Button_Width = 110;
constexpr Integer Button_Height = 28;
constexpr Integer Fixed_Col_Width = 40;
constexpr Integer Header_Height = 22;
constexpr Integer kDeleteRow = 840;

// One column of the table: header text number, width, colour (red in the low byte), hint text
// number (0: none) and editor.
struct TSlaveColumnLook {
    Integer Header;
    Integer Width;
    TColor Color;
    Integer Hint;
    TEditorType Editor = edNormal;
};

const std::array<TSlaveColumnLook, Slaves_Col_Count> Column_Looks = {{
    {814, Fixed_Col_Width, TColor(0xB0D8FF), 0},
    {815, 50, TColor(0xB0D8FF), 823, edDataCheckBox},
    {816, 110, TColor(0xFEFAE0), 824},
    {817, 80, TColor(0xA8FFFF), 825},
    {818, 80, TColor(0xA8FFFF), 826},
    {819, 85, TColor(0xF4D6FC), 827},
    {820, 85, TColor(0xF4D6FC), 828},
    {821, 80, TColor(0xA8FFA8), 829},
    {841, 105, TColor(0xFFD5D5), 843},
    {847, 120, TColor(0xFFD5D5), 849},
    {842, 105, TColor(0xFFD5D5), 844},
    {848, 120, TColor(0xFFD5D5), 850},
    {853, 120, TColor(0xFFDE91), 855, edComboEdit},
    {854, 120, TColor(0xFFDE91), 856, edComboEdit},
    {822, 95, clWhite, 830},
}};

// The row buttons from the left: caption and hint text numbers.
struct TRowButton {
    TImgButton* TFEtherNetIP_Master_Access::*Button;
    StringView Name;
    Integer Caption;
    Integer Hint;
};

const std::array<TRowButton, 7> Row_Buttons = {{
    {&TFEtherNetIP_Master_Access::Btn_OK, u"Btn_OK", 802, 808},
    {&TFEtherNetIP_Master_Access::Btn_Cancel, u"Btn_Cancel", 803, 809},
    {&TFEtherNetIP_Master_Access::Btn_DelRow, u"Btn_DelRow", 804, 810},
    {&TFEtherNetIP_Master_Access::Btn_InsRow, u"Btn_InsRow", 805, 811},
    {&TFEtherNetIP_Master_Access::Btn_CopyRow, u"Btn_CopyRow", 806, 812},
    {&TFEtherNetIP_Master_Access::Btn_PasteRow, u"Btn_PasteRow", 807, 813},
    {&TFEtherNetIP_Master_Access::Btn_Import_EDS, u"Btn_Import_EDS", 859, 860},
}};

// Where the import puts the chooser's columns.
struct TImportCell {
    TEdsColumn From;
    TSlaveColumn To;
};

constexpr std::array<TImportCell, 6> Import_Cells = {{
    {ecInstance_O_T, scInstance_O_T},
    {ecConn_Point_O_T, scConnection_Point_O_T},
    {ecInstance_T_O, scInstance_T_O},
    {ecConn_Point_T_O, scConnection_Point_T_O},
    {ecDim_Header_T_O, scDim_Header_T_O},
    {ecDim_Header_O_T, scDim_Header_O_T},
}};

void Show_Error(const String& Text) { MessageDlg(Text, mtError, mbOK); }

}  // namespace

TFEtherNetIP_Master_Access::TFEtherNetIP_Master_Access(TComponent* AOwner)
    : TLangForm(AOwner, u"FEtherNetIP_Master_Access", Client_Width, Client_Height)
{
    Build_Title(P_Title, L_SW_Code, L_SW_Desc);
    P_Title->SetHeight(Title_Height);
    L_SW_Code->Font()->SetHeight(-32);
    L_SW_Desc->SetTop(44);
    Build_Buttons_Panel();
    Build_Grid();
    OD_EDS = new TOpenDialog(this);
    OD_EDS->SetName(u"OD_EDS");
    OD_EDS->Filter = u"EtherNet/IP EDS (*.eds)|*.eds";
    OnCreate = [this](TObject*) { FormCreate(); };
    OnShow = [this](TObject*) { FormShow(); };
}

TFEtherNetIP_Master_Access::~TFEtherNetIP_Master_Access()
{
    if (FEtherNetIP_Master_Access == this) FEtherNetIP_Master_Access = nullptr;
}

void TFEtherNetIP_Master_Access::Build_Buttons_Panel()
{
    P_Button = New_Button_Panel(Button_Panel_Height);
    const Integer top = (Button_Panel_Height - Button_Height) / 2;
    for (size_t k = 0; k < Row_Buttons.size(); ++k) {
        const Integer left = 16 + static_cast<Integer>(k) * (Button_Width + 8);
        this->*Row_Buttons[k].Button =
            New_Img_Button(this, P_Button, Row_Buttons[k].Name, Bounds(left, top, Button_Width, Button_Height));
    }
    Btn_OK->SetKind(bkOK);
    Btn_OK->SetModalResult(mrNone);
    Btn_Cancel->SetKind(bkCancel);
    Btn_Cancel->Cancel = true;
    Btn_Cancel->SetModalResult(mrCancel);
    Btn_OK->OnClick = [this](TObject*) { Btn_OKClick(); };
    Btn_DelRow->OnClick = [this](TObject*) { Btn_DelRowClick(); };
    Btn_InsRow->OnClick = [this](TObject*) { Btn_InsRowClick(); };
    Btn_CopyRow->OnClick = [this](TObject*) { Btn_CopyRowClick(); };
    Btn_PasteRow->OnClick = [this](TObject*) { Btn_PasteRowClick(); };
    Btn_Import_EDS->OnClick = [this](TObject*) { Btn_Import_EDSClick(); };
}

void TFEtherNetIP_Master_Access::Build_Grid()
{
    ACG = new TExtColumnGrid(this);
    ACG->SetName(u"ACG");
    ACG->SetParent(this);
    ACG->SetAlign(alClient);
    ACG->SetColCount(Slaves_Col_Count);
    ACG->SetRowCount(Slaves_Data_Rows + 1);
    ACG->SetFixedCols(1);
    ACG->SetFixedRows(1);
    ACG->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect | goColSizing |
                    goEditing);
    ACG->SetScrollBars(ssBoth);
    ACG->SetShowHint(true);
    ACG->SetRowHeights(0, Header_Height);
    for (Integer c = 0; c < Slaves_Col_Count; ++c) {
        const TSlaveColumnLook& look = Column_Looks[c];
        TGridColumnItem* item = ACG->Columns()->Items(c);
        item->SetWidth(look.Width);
        item->SetColor(look.Color);
        item->SetEditor(look.Editor);
    }
    TGridColumnItem* enable = ACG->Columns()->Items(scEnable);
    enable->CheckTrue = u"Y";
    enable->CheckFalse = u"N";
    enable->SetAlignment(taCenter);
    for (Integer c : {scDim_Header_T_O, scDim_Header_O_T}) ACG->Columns()->Items(c)->ComboItems()->Add(u"Default");
    Set_Search_Footer_Texts(*ACG);
    ACG->OnDblClickCell = [this](TObject* Sender, Integer ARow, Integer ACol) { DblClickCell(Sender, ARow, ACol); };
    ACG->OnGridHint = [this](TObject* Sender, Integer ARow, Integer ACol, String& HintStr) {
        GridHint(Sender, ARow, ACol, HintStr);
    };
    ACG->OnKeyPress = [this](TObject* Sender, Char& Key) { KeyPress(Sender, Key); };
}

void TFEtherNetIP_Master_Access::FormCreate()
{
    L_SW_Code->SetCaption(ProgramState.SW_Code);
    SetClientSize(Client_Width, Client_Height);
    ACG->SetRowCount(Slaves_Data_Rows + 1);
    Set_Lang();
}

void TFEtherNetIP_Master_Access::Set_Lang()
{
    SetCaption(Lang(800));
    L_SW_Desc->SetCaption(Lang(801));
    for (const TRowButton& button : Row_Buttons) {
        (this->*button.Button)->SetCaption(Lang(button.Caption));
        (this->*button.Button)->Hint = Lang(button.Hint);
    }
    Hint.Clear();
    for (Integer c = 0; c < Slaves_Col_Count; ++c) {
        ACG->Columns()->Items(c)->SetHeader(Lang(Column_Looks[c].Header));
        if (c > 0) Hint.Add(Lang(Column_Looks[c].Hint));
    }
}

void TFEtherNetIP_Master_Access::FormShow()
{
    Num_Byte_In = Slaves_Byte_Limit;
    Num_Byte_Out = Slaves_Byte_Limit;
    Do_Copy = false;
    // A file that cannot be read leaves the reset table (every row enabled, the rest empty).
    TGridCellTable table(*ACG);
    try {
        Read_Slaves_File(XML1, ProgramState.Path_EtherNetIP_Master_Rules, table);
    } catch (const Exception& E) {
        Show_Error(E.Message());
    }
}

bool TFEtherNetIP_Master_Access::Controllo_dati()
{
    const TSlavesCheck check = Controllo_Dati(TGridCellTable(*ACG), ProgramState.SL_Lang, Num_Byte_In, Num_Byte_Out);
    if (!check.Passed) Show_Error(check.Message);
    return check.Passed;
}

void TFEtherNetIP_Master_Access::Btn_OKClick()
{
    if (!Controllo_dati()) return;
    // A file that could not be written is no success: the window stays open with the edits.
    try {
        Write_Slaves_File(XML1, ProgramState.Path_EtherNetIP_Master_Rules, TGridCellTable(*ACG));
    } catch (const Exception& E) {
        Show_Error(E.Message());
        return;
    }
    ModalResult = mrOk;
}

void TFEtherNetIP_Master_Access::Btn_DelRowClick()
{
    const Integer row = ACG->GetRowEx();
    if (MessageDlg(Lang(kDeleteRow) + IntToStr(row), mtConfirmation, mbYesNo) == mrYes) Grid_Del_Row(*ACG, row);
}

void TFEtherNetIP_Master_Access::Btn_InsRowClick() { Grid_Ins_Row(*ACG, ACG->GetRowEx(), true); }

void TFEtherNetIP_Master_Access::Btn_CopyRowClick()
{
    Grid_Copy_Row(*ACG, ACG->GetRowEx());
    Do_Copy = true;
}

void TFEtherNetIP_Master_Access::Btn_PasteRowClick() { Grid_Paste_Row(*ACG, ACG->GetRowEx(), Do_Copy); }

Integer TFEtherNetIP_Master_Access::Free_Import_Row()
{
    for (Integer r = 1; r < ACG->RowCount(); ++r)
        if (Trim(ACG->GetCellEx(scIP_Address, r)).empty() && Trim(ACG->GetCellEx(scInstance_T_O, r)).empty()) return r;
    return 0;
}

void TFEtherNetIP_Master_Access::Btn_Import_EDSClick()
{
    if (!OD_EDS->Execute() || !FEtherNEtIP_EDS) return;
    FEtherNEtIP_EDS->EDS_FileName = OD_EDS->FileName;
    if (FEtherNEtIP_EDS->ShowModal() != mrOk) return;
    const Integer target = Free_Import_Row();
    if (target == 0) return;
    TExtColumnGrid& chooser = *FEtherNEtIP_EDS->ACG;
    const Integer chosen = chooser.GetRowEx();
    for (const TImportCell& cell : Import_Cells) ACG->SetCellEx(cell.To, target, chooser.GetCellEx(cell.From, chosen));
}

void TFEtherNetIP_Master_Access::DblClickCell(TObject*, Integer ARow, Integer ACol)
{
    Grid_DblClick_Size(*ACG, ARow, ACol);
}

void TFEtherNetIP_Master_Access::GridHint(TObject*, Integer ARow, Integer ACol, String& HintStr)
{
    const Integer c = ACG->RealColIndex(ACol);
    if (ARow == 0 && c >= 1 && c <= Hint.Count()) HintStr = Hint.Strings(c - 1);
}

void TFEtherNetIP_Master_Access::KeyPress(TObject*, Char& Key) { Grid_Enter_Next(*ACG, Key); }

}  // namespace gw
