// TFEtherNetIP_Master_Access: the EtherNet/IP slaves table window, which edits
// EtherNetIP_Master_Rules.xml and imports connection data from a device's EDS file.
#pragma once

#include "core/lang_form.h"
#include "platform/runtime/string_list.h"
#include "platform/xml/xml_document.h"

namespace gw {

class TExtColumnGrid;
class TOpenDialog;

class TFEtherNetIP_Master_Access : public TLangForm {
public:
    explicit TFEtherNetIP_Master_Access(TComponent* AOwner);
    ~TFEtherNetIP_Master_Access() override;
    String ClassName() const override { return u"TFEtherNetIP_Master_Access"; }

    static constexpr Integer Client_Width = 1180;
    static constexpr Integer Client_Height = 337;

    void Set_Lang() override;
    // The table passes the check (the first fault shown in an error box otherwise).
    bool Controllo_dati();
    // Checks, writes the file and closes with mrOk; a failed write is shown and the window stays.
    void Btn_OKClick();
    void Btn_DelRowClick();
    void Btn_InsRowClick();
    void Btn_CopyRowClick();
    void Btn_PasteRowClick();
    // Asks for an EDS file, lets the user choose a connection of it and puts that connection's
    // instances, points and header sizes into the first row without address and instance.
    void Btn_Import_EDSClick();
    void DblClickCell(TObject* Sender, Integer ARow, Integer ACol);
    void GridHint(TObject* Sender, Integer ARow, Integer ACol, String& HintStr);
    void KeyPress(TObject* Sender, Char& Key);

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_Button = nullptr;
    TImgButton* Btn_OK = nullptr;
    TImgButton* Btn_Cancel = nullptr;
    TImgButton* Btn_DelRow = nullptr;
    TImgButton* Btn_InsRow = nullptr;
    TImgButton* Btn_CopyRow = nullptr;
    TImgButton* Btn_PasteRow = nullptr;
    TImgButton* Btn_Import_EDS = nullptr;
    TXMLDocument XML1;
    TExtColumnGrid* ACG = nullptr;
    TOpenDialog* OD_EDS = nullptr;

    // The 14 header hints of columns 1 to 14.
    TStringList Hint;
    // A row was copied from this grid since the window was shown.
    bool Do_Copy = false;
    Integer Num_Byte_In = 0;
    Integer Num_Byte_Out = 0;

private:
    void Build_Buttons_Panel();
    void Build_Grid();
    void FormCreate();
    void FormShow();
    // The first data row whose address and Instance T > O are blank, or 0.
    Integer Free_Import_Row();
};

extern TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access;

}  // namespace gw
