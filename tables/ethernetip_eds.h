// TFEtherNEtIP_EDS: the chooser of a connection from a device's EDS file, for the slaves table.
#pragma once

#include "core/lang_form.h"
#include "tables/eds_connections.h"

namespace gw {

class TExtColumnGrid;
class TTimer;

// The chooser's grid columns.
enum TEdsColumn : Integer {
    ecConnection,
    ecConnection_Name,
    ecHelp_String,
    ecInstance_O_T,
    ecConn_Point_O_T,
    ecInstance_T_O,
    ecConn_Point_T_O,
    ecDim_Header_O_T,
    ecDim_Header_T_O,
    Eds_Col_Count
};

class TFEtherNEtIP_EDS : public TLangForm {
public:
    explicit TFEtherNEtIP_EDS(TComponent* AOwner);
    ~TFEtherNEtIP_EDS() override;
    String ClassName() const override { return u"TFEtherNEtIP_EDS"; }

    static constexpr Integer Client_Width = 1150;
    static constexpr Integer Client_Height = 337;
    static constexpr Cardinal Close_Interval_Ms = 10;

    void Set_Lang() override;
    // The list into the grid, one row per connection with row 1 selected; an empty list starts
    // the timer that closes the window.
    void ShowDatainGrid();
    // No usable connection: the message, then the window ends with mrCancel.
    void TCloseTimer();

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_Button = nullptr;
    TImgButton* Btn_OK = nullptr;
    TImgButton* Btn_Cancel = nullptr;
    TExtColumnGrid* ACG = nullptr;
    TTimer* TClose = nullptr;

    // Set by the caller before showing.
    String EDS_FileName;
    TConnList List_Conn;

private:
    void Build_Grid();
    void FormShow();
};

extern TFEtherNEtIP_EDS* FEtherNEtIP_EDS;

}  // namespace gw
