// The EDS connection chooser: reads the file when shown, lists the usable connections, and closes
// itself with a message when there is none.
#include "tables/ethernetip_eds.h"

#include "core/program_state.h"
#include "grid/model/ext_column_grid.h"
#include "imagebutton/img_button.h"
#include "platform/controls/label.h"
#include "platform/runtime/convert.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/timer.h"
#include "tables/table_search_footer.h"

#include <array>

namespace gw {

TFEtherNEtIP_EDS* FEtherNEtIP_EDS = nullptr;

namespace {

constexpr Integer kNoConnection = 2315;

// Header text number and width of each chooser column.
struct TEdsColumnLook {
    Integer Header;
    Integer Width;
};

constexpr std::array<TEdsColumnLook, Eds_Col_Count> Column_Looks = {{
    {2306, 100},
    {2307, 200},
    {2308, 100},
    {2309, 110},
    {2310, 120},
    {2311, 110},
    {2312, 120},
    {2313, 125},
    {2314, 125},
}};

// The chooser row of one connection, in column order.
std::array<String, Eds_Col_Count> Row_Texts(const TConnData& Conn)
{
    return {u"Connection" + IntToStr(Conn.ConnIndex),
            Conn.ConnName,
            Conn.HelpStr,
            IntToStr(Conn.InstanceOT),
            IntToStr(Conn.ConnPointOT),
            IntToStr(Conn.InstanceTO),
            IntToStr(Conn.ConnPointTO),
            Dim_Header_OT_Text(Conn),
            Dim_Header_TO_Text(Conn)};
}

}  // namespace

TFEtherNEtIP_EDS::TFEtherNEtIP_EDS(TComponent* AOwner)
    : TLangForm(AOwner, u"FEtherNEtIP_EDS", Client_Width, Client_Height)
{
    Build_Title(P_Title, L_SW_Code, L_SW_Desc);
    Build_Buttons(P_Button, Btn_OK, Btn_Cancel, mrOk);
    Build_Grid();
    TClose = new TTimer(this);
    TClose->SetName(u"TClose");
    TClose->SetEnabled(false);
    TClose->SetInterval(Close_Interval_Ms);
    TClose->OnTimer = [this](TObject*) { TCloseTimer(); };
    OnCreate = [this](TObject*) {
        L_SW_Code->SetCaption(ProgramState.SW_Code);
        SetClientSize(Client_Width, Client_Height);
        Set_Lang();
    };
    OnShow = [this](TObject*) { FormShow(); };
}

TFEtherNEtIP_EDS::~TFEtherNEtIP_EDS()
{
    if (FEtherNEtIP_EDS == this) FEtherNEtIP_EDS = nullptr;
}

void TFEtherNEtIP_EDS::Build_Grid()
{
    ACG = new TExtColumnGrid(this);
    ACG->SetName(u"ACG");
    ACG->SetParent(this);
    ACG->SetAlign(alClient);
    ACG->SetColCount(Eds_Col_Count);
    ACG->SetRowCount(2);
    ACG->SetFixedCols(0);
    ACG->SetFixedRows(1);
    ACG->SetOptions(goVertLine | goHorzLine | goRangeSelect | goColSizing | goRowSelect);
    for (Integer c = 0; c < Eds_Col_Count; ++c) ACG->Columns()->Items(c)->SetWidth(Column_Looks[c].Width);
    Set_Search_Footer_Texts(*ACG);
}

void TFEtherNEtIP_EDS::Set_Lang()
{
    SetCaption(Lang(2300));
    L_SW_Desc->SetCaption(Lang(2301));
    Btn_OK->SetCaption(Lang(2302));
    Btn_Cancel->SetCaption(Lang(2303));
    Btn_OK->Hint = Lang(2304);
    Btn_Cancel->Hint = Lang(2305);
    for (Integer c = 0; c < Eds_Col_Count; ++c) ACG->Columns()->Items(c)->SetHeader(Lang(Column_Looks[c].Header));
}

void TFEtherNEtIP_EDS::FormShow()
{
    List_Conn = Load_EDS_Connections(EDS_FileName);
    ShowDatainGrid();
}

void TFEtherNEtIP_EDS::ShowDatainGrid()
{
    ACG->SetRowCount(2);
    for (Integer c = 0; c < ACG->ColCount() + ACG->NumHiddenColumns(); ++c) ACG->SetCellEx(c, 1, u"");
    if (List_Conn.empty()) {
        TClose->SetEnabled(true);
        return;
    }
    ACG->SetRowCount(static_cast<Integer>(List_Conn.size()) + 1);
    for (size_t k = 0; k < List_Conn.size(); ++k) {
        const std::array<String, Eds_Col_Count> texts = Row_Texts(List_Conn[k]);
        for (Integer c = 0; c < Eds_Col_Count; ++c) ACG->SetCellEx(c, static_cast<Integer>(k) + 1, texts[c]);
    }
    ACG->SetRowEx(1);
}

void TFEtherNEtIP_EDS::TCloseTimer()
{
    TClose->SetEnabled(false);
    MessageDlg(Lang(kNoConnection), mtError, mbOK);
    ModalResult = mrCancel;
}

}  // namespace gw
